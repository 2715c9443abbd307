#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "shell/FrameFixture.h"
#include "shell/GameGraphicsCheck.h"
#include "shell/MDIMainForm.h"
#include "shell/MDIMissForm.h"
#include "shell/MainStatusBar.h"
#include "support/TempDir.h"
#include "views/COMPMissView.h"

namespace vh {
namespace {

using test::AnswerNextMessageBox;
using test::FlushDeletes;
using Frame = test::FrameFixture;
namespace fs = std::filesystem;

TEST_F(Frame, StartsWithTheGameDataAndNoMissionCommands) {
  Start();
  EXPECT_TRUE(started);
  EXPECT_TRUE(frame->StartupOK());
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(frame->windowTitle(), "Varnholt Editor");
  EXPECT_FALSE(frame->FileSaveItem->isEnabled());
  EXPECT_FALSE(frame->ClearFilterItem->isEnabled());
  EXPECT_FALSE(frame->DFLayerItem->isEnabled());
  EXPECT_FALSE(frame->MissionMenu->isEnabled());
  // The bars and the palette can be switched without a mission.
  EXPECT_TRUE(frame->ToolBarItem->isEnabled());
  EXPECT_TRUE(frame->PaletteItem->isEnabled());
  EXPECT_FALSE(frame->DFNrCounter->isEnabled());
  EXPECT_TRUE(frame->FileOpenItem->isEnabled());
  EXPECT_TRUE(frame->StatusPanels()->IsSimple());
  EXPECT_TRUE(frame->FileOpenItem->shortcuts().contains(QKeySequence(Qt::Key_F3)));
  EXPECT_TRUE(frame->FileSaveItem->shortcuts().contains(QKeySequence(Qt::Key_F2)));
}

TEST_F(Frame, MissingStandardFilesAreNamedAndTheEditorGoesOn) {
  fs::remove(programDir + "stdmiss.dat");
  Start();
  EXPECT_TRUE(started);
  ASSERT_EQ(warnings.size(), 1);
  EXPECT_TRUE(warnings[0].contains("stdmiss.dat"));
  TMDIMiss* w = frame->NewMissionWindow(24, 16);
  EXPECT_EQ(w->Mission().MissHeader, TMissHeader{});
}

TEST_F(Frame, WrongGameDirAsksAgainUntilCancelled) {
  WriteIni("[General]\r\nVarnholtDir=" + tmp.File("nowhere") + "\r\n");
  optionsAnswers = {tmp.File("still-nowhere") + "/"};
  Start();
  EXPECT_FALSE(started);
  ASSERT_EQ(messages.size(), 3);
  EXPECT_EQ(messages[0], QString::fromStdString("Can't find Varnholt 3 graphic files in directory: " +
                                                tmp.File("nowhere") + "/"));
  EXPECT_TRUE(messages[1].endsWith(QString::fromStdString(tmp.File("still-nowhere") + "/")));
  // The program ends, and says so.
  EXPECT_EQ(messages[2], StartupAbandonedText());
  EXPECT_FALSE(frame->StartupOK());
}

TEST_F(Frame, WrongGameDirCorrectedInTheOptionsIsWrittenBackAtExit) {
  WriteIni("[General]\r\nVarnholtDir=" + tmp.File("nowhere") + "\r\nToolBar=0\r\n");
  optionsAnswers = {gameDir};
  Start();
  EXPECT_TRUE(started);
  EXPECT_EQ(messages.size(), 1);
  frame->close();
  ByteStream ini = ReadWholeFile(programDir + "vhedit.ini");
  std::string text(ini.begin(), ini.end());
  EXPECT_NE(text.find("VarnholtDir=" + gameDir), std::string::npos);
  EXPECT_NE(text.find("ToolBar=0"), std::string::npos);
}

TEST_F(Frame, NewMissionEnablesTheCommandsAndShowsNoname) {
  Start();
  TMDIMiss* w = frame->NewMissionWindow(24, 16);
  EXPECT_EQ(frame->MissCount(), 1);
  EXPECT_EQ(frame->ActiveMiss(), w);
  EXPECT_TRUE(w->IsActive());
  EXPECT_TRUE(w->Timer().isActive());
  EXPECT_EQ(w->windowTitle(), "noname[*]");
  EXPECT_FALSE(w->isWindowModified());
  EXPECT_EQ(w->Mission().Width, 24);
  EXPECT_TRUE(frame->FileSaveItem->isEnabled());
  EXPECT_TRUE(frame->ViewMenu->isEnabled());
  EXPECT_FALSE(frame->StatusPanels()->IsSimple());
  EXPECT_TRUE(frame->FilterActions[mfTerrain]->isChecked());
  EXPECT_FALSE(frame->FilterActions[mfDFLayer]->isChecked());
}

TEST_F(Frame, OpenEditSaveAsAndReopenKeepsTheChanges) {
  Start();
  std::string path = SampleMission("miss010.dat");
  TMDIMiss* w = frame->OpenMissionFile(path);
  EXPECT_EQ(w->windowTitle(), "miss010.dat[*]");
  EXPECT_EQ(w->parentWidget()->toolTip().toStdString(), path);
  EXPECT_EQ(frame->windowTitle(), "Varnholt Editor - miss010.dat[*]");
  EXPECT_EQ(frame->ActiveMiss(), w);
  EXPECT_FALSE(w->MissView()->IsModified());
  w->MissView()->SetCellValue(true, {1, 1}, 42, 0);
  EXPECT_TRUE(w->MissView()->IsModified());
  std::string copy = gameDir + "MIS/miss011.dat";
  frame->SaveMissionAs(w, copy);
  EXPECT_EQ(w->windowTitle(), "miss011.dat[*]");
  EXPECT_EQ(w->parentWidget()->toolTip().toStdString(), copy);
  EXPECT_FALSE(w->MissView()->IsModified());
  EXPECT_TRUE(fs::exists(gameDir + "GER/miss011.txt"));
  w->parentWidget()->close();
  FlushDeletes();
  TMDIMiss* again = frame->OpenMissionFile(copy);
  EXPECT_EQ(again->Mission().Cells[1][1].Terrain, 42);
  EXPECT_EQ(again->Mission().Cells[2][3].Terrain, 7);
  EXPECT_EQ(again->Mission().MissionName, "Sample");
  EXPECT_EQ(frame->MissCount(), 1);
}

TEST_F(Frame, AWindowWhoseFileFailedToLoadCloses) {
  Start();
  WriteWholeFile(gameDir + "MIS/bad.dat", ByteStream(300, 0));
  WriteWholeFile(gameDir + "GER/bad.txt", ByteStream(4, '\n'));
  EXPECT_THROW(frame->OpenMissionFile(gameDir + "MIS/bad.dat"), ENoMissionFile);
  FlushDeletes();
  EXPECT_EQ(frame->MissCount(), 0);
  EXPECT_EQ(frame->ActiveMiss(), nullptr);
  EXPECT_FALSE(frame->FileSaveItem->isEnabled());
}

TEST_F(Frame, ClosingWindowsChoosesTheNextCurrentOne) {
  Start();
  TMDIMiss* a = frame->NewMissionWindow(24, 16);
  TMDIMiss* b = frame->NewMissionWindow(26, 16);
  TMDIMiss* c = frame->NewMissionWindow(28, 16);
  EXPECT_EQ(frame->ActiveMiss(), c);
  EXPECT_EQ(frame->MissCount(), 3);
  b->parentWidget()->close();  // not the current one: only the count changes
  FlushDeletes();
  EXPECT_EQ(frame->MissCount(), 2);
  EXPECT_EQ(frame->ActiveMiss(), c);
  c->parentWidget()->close();
  FlushDeletes();
  EXPECT_EQ(frame->ActiveMiss(), a);
  EXPECT_TRUE(a->IsActive());
  frame->FilterActions[mfShopMarks]->trigger();
  EXPECT_TRUE(a->MissView()->FilterOn(mfShopMarks));
  a->parentWidget()->close();
  FlushDeletes();
  EXPECT_EQ(frame->MissCount(), 0);
  EXPECT_EQ(frame->ActiveMiss(), nullptr);
  EXPECT_TRUE(frame->StatusPanels()->IsSimple());
  for (QAction* f : frame->FilterActions) {
    EXPECT_FALSE(f->isChecked());
    EXPECT_FALSE(f->isEnabled());
  }
}

TEST_F(Frame, ToolBarMirrorsTheCurrentView) {
  Start();
  TMDIMiss* a = frame->NewMissionWindow(24, 16);
  frame->FilterActions[mfDFLayer]->trigger();
  frame->GridFilter->trigger();
  frame->DFNrCounter->setValue(3);
  EXPECT_TRUE(a->MissView()->FilterOn(mfDFLayer));
  EXPECT_TRUE(a->MissView()->ShowGrid());
  EXPECT_EQ(a->Mission().DFNr, 3);
  TMDIMiss* b = frame->NewMissionWindow(24, 16);
  EXPECT_FALSE(frame->FilterActions[mfDFLayer]->isChecked());
  EXPECT_FALSE(frame->GridFilter->isChecked());
  EXPECT_EQ(frame->DFNrCounter->value(), 0);
  EXPECT_EQ(b->Mission().DFNr, 0);
  Activate(a);
  EXPECT_EQ(frame->ActiveMiss(), a);
  EXPECT_TRUE(frame->FilterActions[mfDFLayer]->isChecked());
  EXPECT_TRUE(frame->GridFilter->isChecked());
  EXPECT_EQ(frame->DFNrCounter->value(), 3);
  frame->SelectDFLayer(5);
  EXPECT_EQ(a->Mission().DFNr, 5);
  EXPECT_EQ(b->Mission().DFNr, 0);
}

TEST_F(Frame, StatusBarShowsTheCursorCell) {
  Start();
  std::string path = SampleMission("miss012.dat");
  TMDIMiss* w = frame->OpenMissionFile(path);
  w->MissView()->MoveCursor({5, 4});
  TMainStatusBar* s = frame->StatusPanels();
  EXPECT_EQ(s->PosPanel->Text(), "5:4");
  EXPECT_EQ(s->VehPanel->text(), "Veh: 0203h");
  EXPECT_EQ(s->TerPanel->text(), "Ter: -1");
  w->MissView()->MoveCursor({3, 2});
  EXPECT_EQ(s->TerPanel->text(), "Ter: 7");
  EXPECT_EQ(s->VehPanel->text(), "Veh: FFFFh");
  frame->FilterActions[mfDFLayer]->trigger();  // unchanged object -2 shows as -1
  EXPECT_EQ(s->ObjPanel->text(), "Obj: -1");
  EXPECT_EQ(s->TerPanel->text(), "Ter: -1");
}

TEST_F(Frame, SaveAsBmpWritesTheWholeMap) {
  Start();
  TMDIMiss* w = frame->NewMissionWindow(24, 16);
  frame->SaveMapBitmap(w, tmp.File("map.bmp"));
  ByteStream bmp = ReadWholeFile(tmp.File("map.bmp"));
  ASSERT_GT(bmp.size(), 54u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(GetU16(bmp, 18), 16 * 24 + 8);   // width of 24 columns
  EXPECT_EQ(GetU16(bmp, 22), 24 * 16 + 12);  // height of 16 rows
  EXPECT_TRUE(w->MissView()->HasCursor());
}

TEST_F(Frame, UnsavedChangesAreNeverLostSilently) {
  Start();
  TMDIMiss* w = frame->NewMissionWindow(24, 16);
  w->MissView()->SetCellValue(true, {0, 0}, 9, 0);
  QString text;
  AnswerNextMessageBox(QMessageBox::Cancel, &text);
  EXPECT_FALSE(w->parentWidget()->close());
  EXPECT_TRUE(text.contains("unsaved"));
  EXPECT_EQ(frame->MissCount(), 1);
  // Closing the program asks as well; Cancel keeps it running.
  AnswerNextMessageBox(QMessageBox::Cancel);
  EXPECT_FALSE(frame->close());
  AnswerNextMessageBox(QMessageBox::Discard);
  EXPECT_TRUE(w->parentWidget()->close());
  FlushDeletes();
  EXPECT_EQ(frame->MissCount(), 0);
}

TEST_F(Frame, ASaveWhoseNamesWouldReadBackDifferentlyIsRefused) {
  Start();
  const std::string path = SampleMission("miss012.dat");
  TMDIMiss* w = frame->OpenMissionFile(path);
  const ByteStream mission = ReadWholeFile(path), names = ReadWholeFile(gameDir + "GER/miss012.txt");
  w->MissView()->SetCellValue(true, {1, 1}, 42, 0);
  w->Mission().SaveNames = true;
  w->Mission().Players[0].Name = "A|B";
  QString text;
  AnswerNextMessageBox(QMessageBox::Ok, &text);
  frame->FileSaveItem->trigger();
  EXPECT_EQ(text.toStdString(),
            "miss012.dat was not saved. The name of Player 1 holds \"|\", which the shop names file puts "
            "between the player names. Nothing was written; change it in Mission > Settings and save again.");
  EXPECT_EQ(ReadWholeFile(path), mission);
  EXPECT_EQ(ReadWholeFile(gameDir + "GER/miss012.txt"), names);
  EXPECT_TRUE(w->MissView()->IsModified());
  EXPECT_EQ(w->Mission().Cells[1][1].Terrain, 42);

  // Save As refuses as well, and writes no file of the new name.
  EXPECT_THROW(frame->SaveMissionAs(w, gameDir + "MIS/miss013.dat"), EVhError);
  EXPECT_FALSE(fs::exists(gameDir + "MIS/miss013.dat"));
  EXPECT_EQ(w->Mission().FileName, path);

  w->Mission().Players[0].Name = "AB";
  frame->FileSaveItem->trigger();
  EXPECT_FALSE(w->MissView()->IsModified());
  TMission back;
  back.LoadFromFile(path);
  EXPECT_EQ(back.Players[0].Name, "AB");
}

TEST_F(Frame, ACancelWhileTheProgramClosesKeepsEveryWindow) {
  Start();
  TMDIMiss* a = frame->NewMissionWindow(24, 16);
  TMDIMiss* b = frame->NewMissionWindow(24, 16);
  a->MissView()->SetCellValue(true, {0, 0}, 9, 0);
  b->MissView()->SetCellValue(true, {0, 0}, 9, 0);
  // Discard for the first, Cancel for the second: nothing closes.
  QTimer::singleShot(0, [] {
    qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->button(QMessageBox::Discard)->click();
    QTimer::singleShot(0, [] {
      qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->button(QMessageBox::Cancel)->click();
    });
  });
  EXPECT_FALSE(frame->close());
  FlushDeletes();
  EXPECT_EQ(frame->MissCount(), 2);
  EXPECT_FALSE(a->isHidden());
  // The first window still asks: its Discard was for a close that did not happen.
  QString text;
  AnswerNextMessageBox(QMessageBox::Cancel, &text);
  EXPECT_FALSE(a->parentWidget()->close());
  EXPECT_FALSE(text.isEmpty());
}

}  // namespace
}  // namespace vh
