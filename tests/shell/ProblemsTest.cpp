// The Problems dock, driven as a user does: F7, double-click, keys.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>
#include <utility>

#include "shell/FrameFixture.h"
#include "shell/ProblemsDock.h"
#include "views/COMPMissView.h"

namespace vh {
namespace {

class Problems : public test::FrameFixture {
protected:
  // The demo's largest mission with cells whose terrain is gone.
  std::string Planted(const std::string& name, std::initializer_list<TPoint> holes) {
    TMission m;
    m.LoadFromFile(gameDir + "MIS/miss003.dat");
    for (TPoint p : holes)
      m.Cells[p.y][p.x].Terrain = -1;
    m.SaveAs(gameDir + "MIS/" + name);
    return gameDir + "MIS/" + name;
  }
  void Show() {
    Start();
    ASSERT_TRUE(started);
    frame->resize(1000, 700);
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    frame->activateWindow();
    QApplication::processEvents();
  }
  QTreeWidget& Tree() { return *frame->ProblemsDock->Tree(); }
  QPoint Centre(QTreeWidgetItem* item) { return Tree().visualItemRect(item).center(); }
  // Whether the cell's centre lies in the part of the map the window shows.
  static bool Shown(TMissView& map, TPoint cell) {
    TPoint p = map.CellToPoint(cell);
    QPoint centre = map.BitmapToWidget({p.x + 12, p.y + 12});
    return map.visibleRegion().contains(centre);
  }
};

TEST_F(Problems, F7ListsAPlantedProblemAndADoubleClickPutsTheCursorOnItsCell) {
  Show();
  TMDIMiss* w = frame->OpenMissionFile(Planted("miss009.dat", {{57, 60}}));
  TMissView& map = *w->MissView();
  ASSERT_FALSE(Shown(map, {57, 60}));
  EXPECT_FALSE(frame->ProblemsDock->isVisible());

  QTest::keyClick(frame, Qt::Key_F7);
  ASSERT_TRUE(frame->ProblemsDock->isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
  QApplication::processEvents();  // the dock takes its place
  ASSERT_EQ(Tree().topLevelItemCount(), 1);
  QTreeWidgetItem* row = Tree().topLevelItem(0);
  EXPECT_EQ(row->text(0), "Warning");
  EXPECT_EQ(row->text(2), "Cell inside the map without terrain");
  EXPECT_EQ(row->text(1), "(57, 60)");

  // Through the window, as the platform delivers it: press, release, press
  // (which Qt turns into a double-click), release.
  QWindow* window = frame->windowHandle();
  QTest::mouseDClick(window, Qt::LeftButton, {},
                     window->mapFromGlobal(Tree().viewport()->mapToGlobal(Centre(row))));
  EXPECT_EQ(map.CursorPos(), (TPoint{57, 60}));
  EXPECT_TRUE(Shown(map, {57, 60}));
}

TEST_F(Problems, ManyCellsOfOneKindFormOneRowThatUnfoldsAndFollowsTheEdits) {
  Show();
  TMDIMiss* w = frame->OpenMissionFile(Planted("miss009.dat", {{3, 2}, {40, 44}, {61, 9}}));
  TMissView& map = *w->MissView();
  frame->CheckItem->trigger();
  ASSERT_EQ(Tree().topLevelItemCount(), 1);
  QTreeWidgetItem* row = Tree().topLevelItem(0);
  EXPECT_EQ(row->text(2), "Cell inside the map without terrain (3)");
  EXPECT_EQ(row->childCount(), 0);

  // Unfold with the keyboard, go to the third place (row order: (61, 9) is
  // second), Enter.
  Tree().setFocus();
  Tree().setCurrentItem(row);
  QTest::keyClick(Tree().viewport(), Qt::Key_Right);
  ASSERT_TRUE(row->isExpanded());
  ASSERT_EQ(row->childCount(), 3);
  EXPECT_EQ(row->child(1)->text(1), "(61, 9)");
  QTest::keyClick(Tree().viewport(), Qt::Key_Down);
  QTest::keyClick(Tree().viewport(), Qt::Key_Down);
  QTest::keyClick(Tree().viewport(), Qt::Key_Down);
  ASSERT_EQ(Tree().currentItem(), row->child(2));
  QTest::keyClick(Tree().viewport(), Qt::Key_Return);
  EXPECT_EQ(map.CursorPos(), (TPoint{40, 44}));
  EXPECT_TRUE(Shown(map, {40, 44}));

  // Painting terrain into one hole: the list follows once the edits pause,
  // still unfolded.
  ASSERT_TRUE(map.SetCellValue(true, {61, 9}, 5, pkTerrain));
  EXPECT_EQ(row->text(2), "Cell inside the map without terrain (3)");
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        return Tree().topLevelItem(0)->text(2) == QStringLiteral("Cell inside the map without terrain (2)");
      },
      3000))
      << Tree().topLevelItem(0)->text(2).toStdString();
  EXPECT_TRUE(Tree().topLevelItem(0)->isExpanded());
  EXPECT_EQ(Tree().topLevelItem(0)->childCount(), 2);

  // Another mission window becomes current: its problems show.
  TMDIMiss* clean = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  EXPECT_EQ(frame->ProblemsDock->View(), clean->MissView());
  ASSERT_EQ(Tree().topLevelItemCount(), 1);
  EXPECT_EQ(Tree().topLevelItem(0)->text(2), "No problems found");
  Activate(w);
  EXPECT_EQ(frame->ProblemsDock->View(), &map);
  EXPECT_EQ(Tree().topLevelItem(0)->text(2), "Cell inside the map without terrain (2)");

  // While the dock is closed the current window changes; shown again (here
  // through its own toggle, as a View menu would), it shows that window.
  frame->ProblemsDock->close();
  Activate(clean);
  frame->ProblemsDock->toggleViewAction()->trigger();
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return Tree().topLevelItem(0)->text(2) == QStringLiteral("No problems found"); }, 3000))
      << Tree().topLevelItem(0)->text(2).toStdString();

  // Closing every window empties the list.
  for (TMDIMiss* m : frame->MissionWindows())
    m->SetDiscardOnClose();
  frame->MdiArea()->closeAllSubWindows();
  test::FlushDeletes();
  EXPECT_EQ(Tree().topLevelItemCount(), 0);
}

TEST_F(Problems, ScreenshotOfTheDock) {
  QByteArray dir = qgetenv("VH_SCREENSHOT_DIR");
  if (dir.isEmpty())
    GTEST_SKIP() << "set VH_SCREENSHOT_DIR to write the picture";
  Show();
  frame->resize(1300, 900);
  TMission m;
  m.LoadFromFile(gameDir + "MIS/miss002.dat");
  for (int x = 10; x < 14; ++x)
    m.Cells[7][x].Terrain = -1;
  m.Cells[3][4].Vehicle = 9;
  bool shopDone = false, aiDone = false;
  for (auto& row : m.Cells)
    for (TMissionCell& c : row) {
      if (c.Shop != -1 && !std::exchange(shopDone, true))
        c.Obj = -1;
      if (c.AIPoint != -1 && !std::exchange(aiDone, true))
        c.AIPoint = -1;  // the record stays, no cell uses it
    }
  m.SaveAs(gameDir + "MIS/miss010.dat");
  TMDIMiss* w = frame->OpenMissionFile(gameDir + "MIS/miss010.dat");
  qobject_cast<QMdiSubWindow*>(w->parentWidget())->showMaximized();
  QTest::keyClick(frame, Qt::Key_F7);
  for (int i = 0; i < Tree().topLevelItemCount(); ++i)
    if (Tree().topLevelItem(i)->text(2).startsWith("Cell inside"))
      Tree().topLevelItem(i)->setExpanded(true);
  QApplication::processEvents();
  Tree().setCurrentItem(Tree().topLevelItem(0));
  QTest::keyClick(Tree().viewport(), Qt::Key_Return);
  QApplication::processEvents();
  frame->grab().save(QString::fromLocal8Bit(dir) + "/problems.png");
}

}  // namespace
}  // namespace vh
