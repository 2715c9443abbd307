// The conventions every desktop program has: standard keys, recent files,
// the command line, drops, the docked palette, remembered layout, titles.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <functional>

#include "config/Installation.h"
#include "mission/StdData.h"
#include "shell/CommandLine.h"
#include "shell/DLGConfig.h"
#include "shell/DLGNewMission.h"
#include "shell/DLGUtility.h"
#include "shell/FrameFixture.h"
#include "shell/GameGraphicsCheck.h"
#include "shell/HistoryDock.h"
#include "shell/MainLayout.h"
#include "shell/MainStatusBar.h"
#include "views/COMPMissView.h"
#include "views/OverviewMap.h"

namespace vh {
namespace {

// Calls `seen` for every event of `type` that reaches `watched`.
class TEventRecorder : public QObject {
public:
  TEventRecorder(QObject* watched, QEvent::Type type, std::function<void()> seen)
      : type_(type), seen_(std::move(seen)) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == type_)
      seen_();
    return false;
  }

private:
  QEvent::Type type_;
  std::function<void()> seen_;
};

using Desktop = test::FrameFixture;
using test::AnswerNextMessageBox;
using test::FlushDeletes;
namespace fs = std::filesystem;

// Runs `answer` on the next modal dialog of type D as soon as it shows.
template <class D, class F> void OnNextDialog(F answer) {
  QTimer::singleShot(0, [answer] {
    auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    answer(*d);
  });
}

// Types `name` into a file dialog and presses Enter, as the user does.
void TypeFileName(QFileDialog& dialog, const QString& name, QString* shownDir = nullptr,
                  QString* proposed = nullptr) {
  auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(edit, nullptr);
  if (shownDir)
    *shownDir = dialog.directory().absolutePath();
  if (proposed)
    *proposed = edit->text();
  edit->selectAll();
  QTest::keyClicks(edit, name);
  QTest::keyClick(edit, Qt::Key_Return);
}

using test::ShowActive;

TEST_F(Desktop, StandardShortcutsStandBesideTheTraditionalOnesAndTrigger) {
  Start();
  ShowActive(frame);
  EXPECT_TRUE(frame->FileOpenItem->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_O)));
  EXPECT_TRUE(frame->FileOpenItem->shortcuts().contains(QKeySequence(Qt::Key_F3)));
  EXPECT_TRUE(frame->FileSaveItem->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_S)));
  EXPECT_TRUE(frame->FileSaveItem->shortcuts().contains(QKeySequence(Qt::Key_F2)));
  EXPECT_TRUE(frame->FileSaveAsItem->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
  EXPECT_TRUE(frame->FileCloseItem->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_F4)));
  EXPECT_TRUE(frame->FileExitItem->shortcuts().contains(QKeySequence(Qt::ALT | Qt::Key_X)));
  EXPECT_TRUE(frame->FileExitItem->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Q)));
  EXPECT_TRUE(frame->FileMenu->actions().contains(frame->FileCloseItem));
  EXPECT_EQ(frame->FileCloseItem->text(), "&Close");

  // Ctrl+N runs the new-mission dialog; Ctrl+W closes the mission window.
  OnNextDialog<TNewMissionForm>([](TNewMissionForm& d) { d.accept(); });
  QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(frame->MissCount(), 1);
  ShowActive(frame);
  QTest::keyClick(frame, Qt::Key_W, Qt::ControlModifier);
  FlushDeletes();
  EXPECT_EQ(frame->MissCount(), 0);
  // Ctrl+Q ends the program.
  QTest::keyClick(frame, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(frame->isVisible());
}

TEST_F(Desktop, SaveAsAddsTheSuffixAndBmpStartsBesideTheMission) {
  Start();
  std::string path = SampleMission("miss010.dat");
  TMDIMiss* w = frame->OpenMissionFile(path);
  OnNextDialog<QFileDialog>([](QFileDialog& d) { TypeFileName(d, "miss050"); });
  frame->FileSaveAsItem->trigger();
  EXPECT_TRUE(fs::exists(gameDir + "MIS/miss050.dat"));
  EXPECT_FALSE(fs::exists(gameDir + "MIS/miss050"));
  EXPECT_EQ(w->Mission().FileName, gameDir + "MIS/miss050.dat");

  QString shownDir, proposed;
  OnNextDialog<QFileDialog>([&](QFileDialog& d) { TypeFileName(d, "picture", &shownDir, &proposed); });
  frame->FileSaveBmpItem->trigger();
  EXPECT_EQ(shownDir.toStdString() + "/", gameDir + "MIS/");
  EXPECT_EQ(proposed, "miss050.bmp");
  EXPECT_TRUE(fs::exists(gameDir + "MIS/picture.bmp"));
}

TEST_F(Desktop, AMissionSavedUnderAnotherNameStaysVisibleInTheDialogs) {
  Start();
  TMDIMiss* w = frame->OpenMissionFile(SampleMission("miss010.dat"));
  QStringList filters;
  OnNextDialog<QFileDialog>([&](QFileDialog& d) {
    filters = d.nameFilters();
    TypeFileName(d, "mymission");
  });
  frame->FileSaveAsItem->trigger();
  ASSERT_TRUE(fs::exists(gameDir + "MIS/mymission.dat"));
  EXPECT_TRUE(fs::exists(gameDir + "GER/mymission.txt"));
  ASSERT_GE(filters.size(), 2);
  EXPECT_EQ(filters[0], "Varnholt Mission (miss*.dat)") << "the game's own names come first";
  EXPECT_TRUE(filters.contains("All missions (*.dat)"));
  // Said once, in the status bar: the game will not find it.
  EXPECT_TRUE(frame->statusBar()->currentMessage().contains("missNNN.dat"))
      << frame->statusBar()->currentMessage().toStdString();
  frame->statusBar()->clearMessage();
  QTest::keyClick(frame, Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(frame->statusBar()->currentMessage().isEmpty()) << "not again at every save";
  EXPECT_EQ(w->Mission().FileName, gameDir + "MIS/mymission.dat");

  // The Open dialog finds it under the second filter.
  bool listed = false;
  OnNextDialog<QFileDialog>([&](QFileDialog& d) {
    d.selectNameFilter("All missions (*.dat)");
    QApplication::processEvents();
    d.selectFile(QString::fromStdString(gameDir + "MIS/mymission.dat"));
    listed = d.nameFilters().contains("All missions (*.dat)");
    d.reject();
  });
  frame->FileOpenItem->trigger();
  EXPECT_TRUE(listed);

  // A game name says nothing.
  OnNextDialog<QFileDialog>([](QFileDialog& d) { TypeFileName(d, "miss051"); });
  frame->FileSaveAsItem->trigger();
  EXPECT_TRUE(frame->statusBar()->currentMessage().isEmpty());
}

TEST_F(Desktop, OpeningAnOpenMissionAgainBringsItsWindowToTheFront) {
  Start();
  std::string path = SampleMission("miss010.dat");
  TMDIMiss* a = frame->OpenMissionFile(path);
  TMDIMiss* b = frame->NewMissionWindow(24, 16);
  EXPECT_EQ(frame->ActiveMiss(), b);
  // Another spelling of the same file.
  TMDIMiss* again = frame->OpenMissionFile(gameDir + "MIS/../MIS/./miss010.dat");
  EXPECT_EQ(again, a);
  EXPECT_EQ(frame->MissCount(), 2);
  EXPECT_EQ(frame->ActiveMiss(), a);
  EXPECT_EQ(frame->MdiArea()->activeSubWindow(), a->parentWidget());
}

TEST_F(Desktop, ThePaletteIsADockAndTheAreaHoldsMissionsOnly) {
  Start();
  frame->resize(1400, 900);
  ShowActive(frame);
  QDockWidget* dock = frame->PaletteDock();
  ASSERT_NE(dock, nullptr);
  EXPECT_EQ(dock->windowTitle(), "Edit Window");
  EXPECT_EQ(frame->dockWidgetArea(dock), Qt::RightDockWidgetArea);
  EXPECT_TRUE(dock->features() & QDockWidget::DockWidgetFloatable);
  EXPECT_EQ(dock->widget(), frame->PaletteWindow());
  std::vector<TMDIMiss*> missions;
  for (int i = 0; i < 3; ++i)
    missions.push_back(frame->NewMissionWindow(40, 40));
  frame->ToggleGenerator();
  for (QMdiSubWindow* sub : frame->MdiArea()->subWindowList())
    EXPECT_NE(qobject_cast<TMDIMiss*>(sub->widget()), nullptr);

  // Maximizing a mission leaves the palette in place.
  missions[0]->parentWidget()->showMaximized();
  QApplication::processEvents();
  EXPECT_TRUE(dock->isVisible());
  frame->CascadeItem->trigger();
  for (TMDIMiss* m : missions) {
    EXPECT_GE(m->parentWidget()->width(), 320);
    EXPECT_GE(m->parentWidget()->height(), 240);
  }
  frame->TileItem->trigger();
  for (TMDIMiss* m : missions)
    EXPECT_GE(m->parentWidget()->width(), 320);

  // Closing hides it; the View menu brings it back.
  dock->close();
  EXPECT_TRUE(dock->isHidden());
  EXPECT_FALSE(frame->PaletteItem->isChecked());
  EXPECT_TRUE(frame->ViewMenu->actions().contains(frame->PaletteItem));
  frame->PaletteItem->trigger();
  EXPECT_FALSE(dock->isHidden());
}

TEST_F(Desktop, OptionsSayWhatIsWrongBeforeClosing) {
  Start();
  TConfig config = frame->Config();
  TDLGConfigForm dialog(config, frame);
  dialog.Check = &GraphicsProblemIn;
  dialog.show();
  dialog.VHDirEdit->setText(QString::fromStdString(tmp.File("nowhere")));
  QString text;
  AnswerNextMessageBox(QMessageBox::Ok, &text);
  QTest::mouseClick(dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(text.contains("does not exist")) << text.toStdString();
  // A directory without the graphics.
  fs::create_directories(tmp.File("empty"));
  dialog.VHDirEdit->setText(QString::fromStdString(tmp.File("empty")));
  AnswerNextMessageBox(QMessageBox::Ok, &text);
  QTest::mouseClick(dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(text.startsWith(GraphicsMissingText())) << text.toStdString();
  dialog.VHDirEdit->setText(QString::fromStdString(gameDir));
  QTest::mouseClick(dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  // The pictures in use were not touched by the checks.
  EXPECT_TRUE(GamePictures().Loaded);
}

TEST_F(Desktop, AMissingShopNamesFileIsOfferedDefaultNames) {
  Start();
  std::string path = SampleMission("miss020.dat");
  fs::remove(gameDir + "GER/miss020.txt");
  QString text;
  AnswerNextMessageBox(QMessageBox::No, &text);
  EXPECT_THROW(frame->OpenMissionFile(path), EInOutError);
  EXPECT_EQ(text.toStdString(), "The shop names file " + gameDir + "GER/miss020.txt" +
                                    " is missing. Open the mission with default shop names?");
  FlushDeletes();
  EXPECT_EQ(frame->MissCount(), 0);

  AnswerNextMessageBox(QMessageBox::Yes);
  TMDIMiss* w = frame->OpenMissionFile(path);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Mission().Cells[2][3].Terrain, 7);
  ASSERT_EQ(w->Mission().Shops.size(), 1u);
  EXPECT_EQ(w->Mission().Shops[0]->Name, "Shop Nr. 0");
  EXPECT_EQ(w->Mission().Players, StdPlayers);
  EXPECT_TRUE(w->MissView()->IsModified());
  frame->FileSaveItem->trigger();
  EXPECT_TRUE(fs::exists(gameDir + "GER/miss020.txt"));
  EXPECT_FALSE(w->MissView()->IsModified());
}

TEST_F(Desktop, RecentFilesRoundTripThroughTheIniFile) {
  Start();
  std::string a = SampleMission("miss031.dat"), b = SampleMission("miss032.dat");
  frame->OpenMissionFile(a);
  frame->OpenMissionFile(b);
  EXPECT_EQ(frame->RecentFiles(), (QStringList{QString::fromStdString(b), QString::fromStdString(a)}));
  frame->close();
  delete frame;
  frame = nullptr;
  ByteStream ini = ReadWholeFile(programDir + "vhedit.ini");
  std::string text(ini.begin(), ini.end());
  EXPECT_NE(text.find("[RecentFiles]"), std::string::npos);
  EXPECT_NE(text.find("File1=" + b), std::string::npos);
  EXPECT_NE(text.find("File2=" + a), std::string::npos);

  Start();
  ASSERT_EQ(frame->RecentFilesMenu->actions().size(), 2);
  EXPECT_EQ(frame->RecentFilesMenu->actions()[0]->text(), "&1 miss032.dat");
  frame->RecentFilesMenu->actions()[1]->trigger();
  ASSERT_NE(frame->ActiveMiss(), nullptr);
  EXPECT_EQ(frame->ActiveMiss()->Mission().FileName, a);
  EXPECT_EQ(frame->RecentFiles().front().toStdString(), a);
  // A file that is gone leaves the list, with a message.
  fs::remove(b);
  QString message;
  AnswerNextMessageBox(QMessageBox::Ok, &message);
  frame->RecentFilesMenu->actions()[1]->trigger();
  EXPECT_TRUE(message.contains("miss032.dat")) << message.toStdString();
  EXPECT_EQ(frame->RecentFiles(), QStringList{QString::fromStdString(a)});
  // At most eight.
  for (int i = 0; i < 10; ++i)
    frame->AddRecentFile(gameDir + "MIS/miss1" + std::to_string(i) + ".dat");
  EXPECT_EQ(frame->RecentFiles().size(), TMDIMain::MaxRecentFiles);
}

TEST_F(Desktop, TheCommandLineNamesTheIniFileAndTheMissions) {
  std::string a = SampleMission("miss041.dat"), b = SampleMission("miss042.dat");
  std::string otherIni = tmp.File("other.ini");
  WriteWholeFile(otherIni, ByteStream{});
  {
    std::string ini = "[General]\r\nVarnholtDir=" + gameDir + "\r\nToolBar=0\r\n";
    WriteWholeFile(otherIni, ByteStream(ini.begin(), ini.end()));
  }
  TCommandLine cl = ParseCommandLine({"vhedit", "--ini", QString::fromStdString(otherIni),
                                      QString::fromStdString(a), QString::fromStdString(b)});
  EXPECT_FALSE(cl.HelpShown);
  EXPECT_EQ(cl.IniFile, otherIni);
  ASSERT_EQ(cl.Missions.size(), 2);

  frame = new TMDIMain(FindLocations(programDir, {}, cl.IniFile), TPlatformDirs{});
  frame->SetStartupFiles(cl.Missions);
  ASSERT_TRUE(frame->StartupIdle());
  EXPECT_FALSE(frame->Config().ToolBar);
  ASSERT_EQ(frame->MissCount(), 2);
  EXPECT_EQ(frame->ActiveMiss()->Mission().FileName, b);
  frame->close();
  // Everything is written to the INI file named, none beside the program.
  ByteStream written = ReadWholeFile(otherIni);
  EXPECT_NE(std::string(written.begin(), written.end()).find("File1=" + b), std::string::npos);
  ByteStream own = ReadWholeFile(programDir + "vhedit.ini");
  EXPECT_EQ(std::string(own.begin(), own.end()).find("RecentFiles"), std::string::npos);

  EXPECT_TRUE(ParseCommandLine({"vhedit", "--nonsense"}).HelpShown);
  EXPECT_EQ(ParseCommandLine({"vhedit", "--nonsense"}).ExitCode, 2);
}

TEST_F(Desktop, MissionsDroppedOntoTheFrameOpen) {
  Start();
  std::string path = SampleMission("miss043.dat");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame, &drop);
  ASSERT_EQ(frame->MissCount(), 1);
  EXPECT_EQ(frame->ActiveMiss()->Mission().FileName, path);
}

TEST_F(Desktop, FrameAndPaletteComeBackWhereTheyWere) {
  Start();
  frame->showNormal();
  frame->PaletteDock()->setFloating(true);
  QApplication::processEvents();
  // Somewhere on the screen other than where they start, with room for a
  // title bar above.
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  frame->setGeometry(screen.x() + 7, screen.y() + 29, frame->minimumSizeHint().width(),
                     frame->minimumSizeHint().height());
  frame->PaletteDock()->move(screen.x() + 11, screen.y() + 33);
  QApplication::processEvents();
  QRect frameRect = frame->geometry(), paletteRect = frame->PaletteDock()->geometry();
  ASSERT_TRUE(screen.contains(frameRect) && screen.contains(paletteRect));
  frame->close();
  delete frame;
  frame = nullptr;

  frame = new TMDIMain(programDir, TPlatformDirs{});
  frame->ShowWithLayout();
  ASSERT_TRUE(frame->StartupIdle());
  QApplication::processEvents();
  EXPECT_FALSE(frame->isMaximized());
  EXPECT_EQ(frame->geometry(), frameRect);
  EXPECT_TRUE(frame->PaletteDock()->isFloating());
  EXPECT_EQ(frame->PaletteDock()->geometry(), paletteRect);

  // A hidden palette stays hidden.
  frame->PaletteDock()->close();
  frame->close();
  delete frame;
  frame = new TMDIMain(programDir, TPlatformDirs{});
  frame->ShowWithLayout();
  ASSERT_TRUE(frame->StartupIdle());
  EXPECT_TRUE(frame->PaletteDock()->isHidden());
}

TEST(Layout, WindowsFromScreensThatAreGoneComeBackOntoOne) {
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  QWidget saved;
  saved.setWindowFlag(Qt::Window);
  auto savedAt = [&saved](const QRect& where) {
    saved.setGeometry(where);
    return saved.saveGeometry();
  };
  // Beyond every screen, hanging over its edge, larger than it, and a tiny
  // window as a start with a large scale factor leaves it.
  for (const QRect& where : {QRect(screen.right() + 2000, screen.bottom() + 1500, 400, 300),
                             QRect(screen.x() - 300, screen.y() - 20, 400, 300),
                             QRect(screen.x() + 10, screen.y() + 10, screen.width() * 3, screen.height() * 2),
                             QRect(screen.x(), screen.y(), 120, 90)}) {
    const QByteArray geometry = savedAt(where);
    QWidget w;
    ASSERT_TRUE(RestoreOnScreen(w, geometry, QSize(320, 240)));
    EXPECT_TRUE(screen.contains(w.frameGeometry())) << where.x() << "," << where.y();
    EXPECT_GE(w.width(), std::min(320, screen.width()));
    EXPECT_GE(w.height(), std::min(240, screen.height()));
  }
  QWidget none;
  const QRect before = none.geometry();
  EXPECT_FALSE(RestoreOnScreen(none, {}, QSize(320, 240)));
  EXPECT_FALSE(RestoreOnScreen(none, "not a geometry", QSize(320, 240)));
  EXPECT_EQ(none.geometry(), before);
}

TEST_F(Desktop, TitlesMarkUnsavedChangesAndNameTheFile) {
  Start();
  ShowActive(frame);
  std::string path = SampleMission("miss044.dat");
  TMDIMiss* w = frame->OpenMissionFile(path);
  QApplication::processEvents();
  EXPECT_FALSE(w->isWindowModified());
  EXPECT_EQ(frame->windowTitle(), "Varnholt Editor - miss044.dat[*]") << frame->windowTitle().toStdString();
  // A real stroke on the map marks the window at once.
  TMissView* view = w->MissView();
  TPoint p = view->CellToPoint({1, 1});
  QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, view->BitmapToWidget({p.x + 12, p.y + 12}));
  QApplication::processEvents();
  EXPECT_TRUE(view->IsModified());
  EXPECT_TRUE(w->isWindowModified());
  EXPECT_TRUE(frame->isWindowModified());
  QTest::keyClick(frame, Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(w->isWindowModified());
  EXPECT_FALSE(frame->isWindowModified());
  // Maximized, the title names the program once, and it never had another
  // form in between: each title the frame was given is recorded.
  QStringList titles;
  TEventRecorder recorder(frame, QEvent::WindowTitleChange, [&] { titles.append(frame->windowTitle()); });
  w->parentWidget()->showMaximized();
  QApplication::processEvents();
  EXPECT_EQ(frame->windowTitle(), "Varnholt Editor - miss044.dat[*]") << frame->windowTitle().toStdString();
  QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, view->BitmapToWidget({p.x + 12, p.y + 12}));
  frame->FilterActions[mfTerrain]->trigger();  // a redraw of every cell, with its progress caption
  QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(frame, Qt::Key_S, Qt::ControlModifier);
  w->parentWidget()->showNormal();
  QApplication::processEvents();
  EXPECT_EQ(frame->windowTitle(), "Varnholt Editor - miss044.dat[*]") << frame->windowTitle().toStdString();
  for (const QString& t : titles)
    EXPECT_EQ(t, "Varnholt Editor - miss044.dat[*]") << t.toStdString();
}

TEST_F(Desktop, TheStatusBarShowsTheCellUnderThePointer) {
  Start();
  ShowActive(frame);
  TMDIMiss* w = frame->OpenMissionFile(SampleMission("miss045.dat"));
  QApplication::processEvents();
  TMissView* view = w->MissView();
  TPoint p = view->CellToPoint({5, 4});
  QTest::mouseMove(view, view->BitmapToWidget({p.x + 12, p.y + 12}));
  QApplication::processEvents();
  QString text = frame->StatusPanels()->PointerPanel->text();
  EXPECT_TRUE(text.contains("5:4")) << text.toStdString();
  EXPECT_TRUE(text.contains("Veh: 0203h")) << text.toStdString();
  // The cursor cell's panels stay with the cursor.
  EXPECT_EQ(frame->StatusPanels()->PosPanel->Text(), "0:0");
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(view, &leave);
  EXPECT_TRUE(frame->StatusPanels()->PointerPanel->text().isEmpty());
}

TEST_F(Desktop, ViewMenuSwitchesTheBarsAndTheToolBarExplainsItself) {
  Start();
  ShowActive(frame);
  ASSERT_TRUE(frame->ToolBarItem->isChecked());
  frame->ToolBarItem->trigger();
  EXPECT_FALSE(frame->ToolBar->isVisible());
  EXPECT_FALSE(frame->Config().ToolBar);
  frame->StatusBarItem->trigger();
  EXPECT_FALSE(frame->StatusPanels()->isVisible());
  EXPECT_FALSE(frame->Config().StatusBar);
  frame->StatusBarItem->trigger();
  EXPECT_TRUE(frame->Config().StatusBar);
  for (QAction* a : frame->ToolBar->actions()) {
    if (!a->isSeparator()) {
      EXPECT_FALSE(frame->ToolBar->widgetForAction(a)->toolTip().isEmpty()) << a->text().toStdString();
    }
  }
}

TEST_F(Desktop, HelpShowsTheMouseAndTheKeys) {
  Start();
  const auto helpText = [this] {
    QString text;
    OnNextDialog<QDialog>([&text](QDialog& d) {
      text = d.findChild<QTextBrowser*>("MouseAndKeysText")->toPlainText();
      d.reject();
    });
    frame->MouseKeysItem->trigger();
    return text;
  };
  const QString text = helpText();
  for (const char* shown : {"Ctrl+W",
                            "F3",
                            "Ctrl+Shift+Z",
                            "F7",
                            "Ctrl++",
                            "Ctrl+-",
                            "Ctrl+0",
                            "Ctrl+Shift+H",
                            "Ctrl+Shift+O",
                            "Ctrl+Shift+E",
                            "Edit > History",
                            "View > Overview",
                            "Tools > Fill",
                            "Pick",
                            "Ctrl + wheel",
                            "Shift + wheel",
                            "Middle drag",
                            "Arrow keys",
                            "Ctrl + left click",
                            "Tools > Random",
                            "Ctrl+Shift+L",
                            "View > Change Layers",
                            "Change Layers window"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(shown))) << shown;
  // The keys are the menus' own: one added later is there too.
  QAction* added = frame->ToolsMenu->addAction(QStringLiteral("&Something New"));
  added->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_K));
  const QString again = helpText();
  EXPECT_TRUE(again.contains("Ctrl+Alt+K")) << again.toStdString();
  EXPECT_TRUE(again.contains("Tools > Something New"));
}

TEST_F(Desktop, HistoryAndOverviewHaveKeysAndStandInTheWindowMenu) {
  Start();
  ShowActive(frame);
  frame->OpenMissionFile(SampleMission("miss046.dat"));
  EXPECT_EQ(frame->EditHistoryItem->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
  QAction* overviewItem = frame->OverviewDock()->toggleViewAction();
  EXPECT_EQ(overviewItem->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
  emit frame->WindowMenu->aboutToShow();
  const QList<QAction*> items = frame->WindowMenu->actions();
  EXPECT_TRUE(items.contains(frame->EditHistoryItem));
  EXPECT_TRUE(items.contains(overviewItem));
  EXPECT_TRUE(items.contains(frame->PaletteItem));

  QTest::keyClick(frame, Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(frame->HistoryDock()->isVisible());
  QTest::keyClick(frame, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(frame->OverviewDock()->isVisible());

  // The small map fills its window, whatever size that is, keeping its shape.
  frame->OverviewDock()->setFloating(true);
  for (QSize size : {QSize(300, 300), QSize(520, 640)}) {
    frame->OverviewDock()->resize(size);
    QApplication::processEvents();
    const QRectF map = frame->Overview()->MapRect();
    const QSize room = frame->Overview()->size();
    EXPECT_TRUE(qAbs(map.width() - room.width()) <= 1 || qAbs(map.height() - room.height()) <= 1)
        << map.width() << "x" << map.height() << " in " << room.width() << "x" << room.height();
    const TMissView* view = frame->ActiveMiss()->MissView();
    EXPECT_NEAR(map.width() / map.height(), double(view->MapBitmap().Width) / view->MapBitmap().Height, 0.02);
  }
}

}  // namespace
}  // namespace vh
