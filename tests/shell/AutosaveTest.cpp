#include <gtest/gtest.h>

#include <QFileDialog>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>

#include "config/Recovery.h"
#include "mission/MissionFile.h"
#include "shell/Autosave.h"
#include "shell/DLGRecover.h"
#include "shell/FrameFixture.h"
#include "shell/MapMouse.h"
#include "views/COMPMissView.h"

namespace vh {
namespace {

using namespace std::chrono_literals;
using test::FlushDeletes;
namespace fs = std::filesystem;

class Autosave : public test::FrameFixture {
protected:
  std::string RecoveryDir() { return tmp.File("Recovery"); }

  // The autosave runs on the test's clock: a change is stamped with the time
  // of the last check, as if the timer had woken it then.
  TAutosave::Clock::time_point clock_ = TAutosave::Clock::now();
  void CheckAt(TAutosave* autosave, TAutosave::Clock::time_point at) {
    autosave->Now = [this] { return clock_; };
    clock_ = at;
    autosave->Check(at);
  }

  // Paints the cell with a terrain it does not have, through the map's
  // named edit.
  void PaintCell(TMissView& map, TPoint cell) {
    int16_t now = map.Mission().Cell(cell).Terrain;
    map.SetCellValue(true, cell, static_cast<uint16_t>(now == 3 ? 4 : 3), 0);
  }
  // Every copy on disk, whoever wrote it.
  std::vector<fs::path> CopiesOnDisk() {
    std::vector<fs::path> found;
    if (!fs::exists(RecoveryDir()))
      return found;
    for (auto& e : fs::recursive_directory_iterator(RecoveryDir()))
      if (e.path().extension() == ".rec")
        found.push_back(e.path());
    return found;
  }
  // What an editor that was killed leaves: a session folder nobody locks.
  TRecoveryCopy PlantOrphan(const TMission& mission, const std::string& original,
                            const std::string& id = "w1") {
    std::string session = RecoveryDir() + "/session-99999-1";
    fs::create_directories(session);
    WriteWholeFile(session + "/" + RecoveryLockName, ByteStream{'9'});
    TRecoveryCopy copy{session, id, {original, "", 1733700000, 2}, {}};
    WriteRecoveryCopy(mission, copy);
    return copy;
  }
  // Starts the frame and answers "Recover Missions" with `key` on its
  // default button, or with the button named.
  void StartAndAnswer(std::function<void(TDLGRecover&)> answer) {
    bool asked = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<TDLGRecover*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      asked = true;
      EXPECT_EQ(dialog->windowTitle(), "Recover Missions");
      answer(*dialog);
    });
    Start();
    ASSERT_TRUE(started);
    EXPECT_TRUE(asked);
  }
};

TEST_F(Autosave, ModifiedWindowGetsACopyThatSavingAndClosingRemove) {
  Start();
  ASSERT_TRUE(started);
  TAutosave* autosave = frame->Autosave();
  ASSERT_NE(autosave, nullptr);
  TMDIMiss* w = frame->OpenMissionFile(SampleMission("miss010.dat"));
  TMissView& map = *w->MissView();
  auto t0 = TAutosave::Clock::now();
  CheckAt(autosave, t0);
  autosave->Flush();
  EXPECT_TRUE(CopiesOnDisk().empty());  // nothing unsaved, nothing written

  PaintCell(map, {3, 3});
  CheckAt(autosave, t0 + 500ms);  // still editing: not yet
  autosave->Flush();
  EXPECT_TRUE(CopiesOnDisk().empty());
  CheckAt(autosave, t0 + 3s);  // the edits rest: a copy
  autosave->Flush();
  ASSERT_EQ(CopiesOnDisk().size(), 1u);
  TOrphanedCopies none(RecoveryDir());
  EXPECT_TRUE(none.Copies().empty());  // this editor runs: its copies are its own

  TMission copy;
  copy.LoadFromFile(CopiesOnDisk()[0].replace_extension(".dat").string());
  EXPECT_EQ(copy.Cells, map.Mission().Cells);

  w->Save();
  CheckAt(autosave, t0 + 4s);
  EXPECT_TRUE(CopiesOnDisk().empty());

  PaintCell(map, {4, 4});
  CheckAt(autosave, t0 + 5s);
  CheckAt(autosave, t0 + 8s);
  autosave->Flush();
  ASSERT_EQ(CopiesOnDisk().size(), 1u);
  w->SetDiscardOnClose();
  w->parentWidget()->close();
  FlushDeletes();
  EXPECT_TRUE(CopiesOnDisk().empty());
}

TEST_F(Autosave, ContinuousEditingIsCopiedEveryInterval) {
  WriteIni("[General]\r\nVarnholtDir=" + gameDir + "\r\nRecoveryDir=" + RecoveryDir() +
           "\r\nAutosaveSeconds=10\r\n");
  Start();
  TAutosave* autosave = frame->Autosave();
  ASSERT_EQ(autosave->Interval(), 10);
  TMissView& map = *frame->OpenMissionFile(SampleMission("miss011.dat"))->MissView();
  auto t0 = TAutosave::Clock::now();
  CheckAt(autosave, t0);
  for (int s = 1; s <= 9; ++s) {
    PaintCell(map, {s, 2});
    CheckAt(autosave, t0 + std::chrono::seconds(s));
  }
  autosave->Flush();
  EXPECT_TRUE(CopiesOnDisk().empty());
  PaintCell(map, {10, 2});
  CheckAt(autosave, t0 + 10s);
  autosave->Flush();
  EXPECT_EQ(CopiesOnDisk().size(), 1u);
}

TEST_F(Autosave, NormalEndLeavesNothingBehind) {
  Start();
  TMissView& map = *frame->OpenMissionFile(SampleMission("miss012.dat"))->MissView();
  auto t0 = TAutosave::Clock::now();
  CheckAt(frame->Autosave(), t0);
  PaintCell(map, {1, 1});
  CheckAt(frame->Autosave(), t0 + 1s);
  CheckAt(frame->Autosave(), t0 + 3s);
  frame->Autosave()->Flush();
  ASSERT_EQ(CopiesOnDisk().size(), 1u);
  for (TMDIMiss* w : frame->MissionWindows())
    w->SetDiscardOnClose();
  frame->close();
  delete frame;
  frame = nullptr;
  FlushDeletes();
  EXPECT_TRUE(CopiesOnDisk().empty());
  EXPECT_TRUE(fs::is_empty(RecoveryDir()));
}

TEST_F(Autosave, RestoreOpensTheCopyAsTheUnsavedOriginal) {
  std::string original = SampleMission("miss013.dat");
  TMission edited;
  edited.LoadFromFile(original);
  edited.Cells[7][8].Terrain = 21;
  edited.Cells[1][1].Obj = 5;
  PlantOrphan(edited, original);
  ByteStream onDisk = ReadWholeFile(original);

  StartAndAnswer([](TDLGRecover& dialog) {
    EXPECT_EQ(dialog.List->topLevelItemCount(), 1);
    QTest::keyClick(&dialog, Qt::Key_Return);  // the default button restores
  });
  ASSERT_EQ(frame->MissionWindows().size(), 1u);
  TMDIMiss* w = frame->MissionWindows()[0];
  EXPECT_EQ(w->Mission().FileName, original);
  EXPECT_TRUE(w->MissView()->IsModified());
  EXPECT_EQ(w->Mission().Cells, edited.Cells);
  EXPECT_EQ(w->Mission().DFNr, 2);             // the layer that was shown
  EXPECT_EQ(ReadWholeFile(original), onDisk);  // nothing saved by itself
  EXPECT_TRUE(CopiesOnDisk().empty());         // the dead editor's copy is taken over

  w->Save();
  TMission saved;
  saved.LoadFromFile(original);
  EXPECT_EQ(saved.Cells[7][8].Terrain, 21);
  EXPECT_EQ(saved.Cells[1][1].Obj, 5);
}

TEST_F(Autosave, RestoredNeverSavedMissionAsksForAName) {
  TMission fresh;
  fresh.SetSize({24, 16});
  fresh.Cells[3][3].Terrain = 9;
  PlantOrphan(fresh, "");
  StartAndAnswer([](TDLGRecover& dialog) {
    EXPECT_EQ(dialog.List->topLevelItem(0)->text(0), "noname");
    dialog.RestoreButton->click();
  });
  ASSERT_EQ(frame->MissionWindows().size(), 1u);
  TMDIMiss* w = frame->MissionWindows()[0];
  EXPECT_TRUE(w->Mission().FileName.empty());
  EXPECT_EQ(w->windowTitle(), "noname[*]");
  EXPECT_TRUE(w->isWindowModified());
  EXPECT_EQ(w->Mission().Cells[3][3].Terrain, 9);

  // Ctrl+S asks for the name the title says it lacks, and writes there.
  const std::string target = gameDir + "MIS/miss077.dat";
  test::ShowActive(frame);
  bool asked = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    asked = true;
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    dialog->selectFile(QString::fromStdString(target));
    QMetaObject::invokeMethod(dialog, "accept");
  });
  test::KeyOn(*w->MissView(), Qt::Key_S);
  EXPECT_TRUE(asked);
  ASSERT_TRUE(fs::exists(target));
  TMission saved;
  saved.LoadFromFile(target);
  EXPECT_EQ(saved.Cells[3][3].Terrain, 9);
  EXPECT_EQ(saved.Width, 24);
  EXPECT_EQ(saved.Height, 16);
  EXPECT_EQ(w->Mission().FileName, target);
  EXPECT_EQ(w->windowTitle(), "miss077.dat[*]");
  EXPECT_FALSE(w->isWindowModified());
}

TEST_F(Autosave, LaterKeepsTheCopiesAndDiscardDeletesThem) {
  std::string original = SampleMission("miss014.dat");
  TMission m;
  m.LoadFromFile(original);
  PlantOrphan(m, original);
  StartAndAnswer([](TDLGRecover& dialog) { dialog.LaterButton->click(); });
  EXPECT_TRUE(frame->MissionWindows().empty());
  EXPECT_EQ(CopiesOnDisk().size(), 1u);
  delete frame;
  frame = nullptr;
  FlushDeletes();

  StartAndAnswer([](TDLGRecover& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });  // as Later
  EXPECT_EQ(CopiesOnDisk().size(), 1u);
  delete frame;
  frame = nullptr;
  FlushDeletes();

  StartAndAnswer([](TDLGRecover& dialog) { dialog.DiscardButton->click(); });
  EXPECT_TRUE(frame->MissionWindows().empty());
  EXPECT_TRUE(CopiesOnDisk().empty());
}

TEST_F(Autosave, CorruptCopiesAreListedAsUnreadableAndCanBeDiscarded) {
  std::string original = SampleMission("miss014.dat");
  TMission m;
  m.LoadFromFile(original);
  PlantOrphan(m, original, "w1");
  TRecoveryCopy badMission = PlantOrphan(m, "/games/MIS/miss002.dat", "w2");
  WriteWholeFile(badMission.MissionPath(), ByteStream{'M', 'S', 'S', 'N', 0xFF, 0xFF});
  TRecoveryCopy badInfo = PlantOrphan(m, "/games/MIS/miss003.dat", "w3");
  WriteWholeFile(badInfo.InfoPath(), ByteStream(70000, '%'));

  StartAndAnswer([&](TDLGRecover& dialog) {
    ASSERT_EQ(dialog.List->topLevelItemCount(), 3);
    QStringList unreadable;
    for (int i = 0; i < 3; ++i)
      if (dialog.List->topLevelItem(i)->text(1) == "Unreadable")
        unreadable << dialog.List->topLevelItem(i)->text(0);
    unreadable.sort();
    // The copy whose description is lost is named by its own file.
    EXPECT_EQ(unreadable,
              QStringList({"/games/MIS/miss002.dat", QString::fromStdString(badInfo.MissionPath())}));
    EXPECT_TRUE(dialog.RestoreButton->isEnabled());
    dialog.RestoreButton->click();
  });
  ASSERT_EQ(frame->MissionWindows().size(), 1u);  // no error box for what was marked
  EXPECT_EQ(frame->MissionWindows()[0]->Mission().FileName, original);
  EXPECT_EQ(CopiesOnDisk().size(), 2u);  // the unreadable ones stay until discarded
  frame->MissionWindows()[0]->SetDiscardOnClose();
  delete frame;
  frame = nullptr;
  FlushDeletes();

  // Only unreadable copies: nothing to restore, and Return discards them.
  StartAndAnswer([](TDLGRecover& dialog) {
    EXPECT_EQ(dialog.List->topLevelItemCount(), 2);
    EXPECT_FALSE(dialog.RestoreButton->isEnabled());
    EXPECT_FALSE(dialog.List->topLevelItem(0)->toolTip(1).isEmpty());  // says why
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  EXPECT_TRUE(CopiesOnDisk().empty());
  EXPECT_TRUE(frame->MissionWindows().empty());
}

TEST_F(Autosave, FailingRecoveryFolderShowsOneLineAndRetries) {
  WriteWholeFile(RecoveryDir(), ByteStream{'x'});  // a file where the folder should be
  Start();
  TAutosave* autosave = frame->Autosave();
  int failures = 0;
  QObject::connect(autosave, &TAutosave::WriteFailed, [&](const QString&) { ++failures; });
  TMissView& map = *frame->OpenMissionFile(SampleMission("miss015.dat"))->MissView();
  auto t0 = TAutosave::Clock::now();
  CheckAt(autosave, t0);
  PaintCell(map, {2, 2});
  CheckAt(autosave, t0 + 1s);
  CheckAt(autosave, t0 + 3s);
  autosave->Flush();
  EXPECT_EQ(failures, 1);
  EXPECT_TRUE(frame->statusBar()->currentMessage().contains("Recovery copy not written"))
      << frame->statusBar()->currentMessage().toStdString();
  for (int s = 4; s < 130; ++s)
    CheckAt(autosave, t0 + std::chrono::seconds(s));
  autosave->Flush();
  EXPECT_EQ(failures, 1);  // retried, but said once

  fs::remove(RecoveryDir());  // the disk is back
  CheckAt(autosave, t0 + 300s);
  autosave->Flush();
  EXPECT_EQ(CopiesOnDisk().size(), 1u);
}

}  // namespace
}  // namespace vh
