#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "hexmap/CellEditing.h"
#include "hexmap/HexLine.h"
#include "hexmap/PaintTools.h"
#include "shell/FrameFixture.h"
#include "shell/MapMouse.h"
#include "tools/COMPMultiSelView.h"
#include "tools/MDIPicturesForm.h"
#include "views/COMPMissView.h"

namespace vh {
namespace {

using Tools = test::FrameFixture;
using CellSet = std::set<std::pair<int, int>>;

using test::CentreOf;
using test::DragTo;
using test::Hover;
using test::Mouse;
using test::Press;
using test::Release;
using test::ShowActive;

// Chooses the terrain picture at `at` of the palette's selector.
uint16_t ChooseTerrain(TMDIPictures& palette, TPoint at) {
  palette.PageControl->setCurrentIndex(TMDIPictures::pgTerrain);
  QPoint p = CentreOf(*palette.TerSelector, at);
  Mouse(*palette.TerSelector, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, p);
  Mouse(*palette.TerSelector, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, p);
  uint8_t page = 0;
  uint16_t value = 0;
  palette.GetSelectedPicture(page, value);
  return value;
}

// With VH_SCREENSHOT_DIR set, the map as the screen shows it, for a look.
void Screenshot(QWidget& map, const char* name) {
  const QString dir = qEnvironmentVariable("VH_SCREENSHOT_DIR");
  if (!dir.isEmpty())
    map.grab(QRect(0, 0, 700, 400) & map.rect()).save(dir + "/" + name);
}

CellSet Set(const std::vector<TPoint>& cells) {
  CellSet s;
  for (TPoint c : cells)
    s.insert({c.x, c.y});
  return s;
}

TEST_F(Tools, BrushLineAndFillWithTheMouseChangeExactlyTheirCellsInTheSavedFile) {
  Start();
  ASSERT_TRUE(started);
  ShowActive(frame);
  auto* palette = dynamic_cast<TMDIPictures*>(frame->EditWindow());
  ASSERT_NE(palette, nullptr);
  TMDIMiss* w = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  TMissView& map = *w->MissView();
  const auto before = std::make_unique<TCellGrid>(map.Mission().Cells);
  const TPoint grid = map.GridSize();
  const uint16_t first = ChooseTerrain(*palette, {2, 0});
  ASSERT_NE(first, 0xFFFF);

  // The keys choose the tools; the tool bar shows the brush.
  EXPECT_EQ(frame->PaintTool().Mode, TToolMode::Paint);
  QTest::keyClick(frame, Qt::Key_BracketRight);
  EXPECT_EQ(frame->PaintTool().BrushRadius, 1);
  EXPECT_EQ(frame->BrushLabel->text().trimmed(), "Brush: 7");
  Hover(map, {10, 10});
  EXPECT_EQ(Set(map.OverlayCells()), Set(BrushCells({10, 10}, 1, grid)));
  Screenshot(map, "brush-outline.png");
  EXPECT_EQ(map.Mission().Cells, *before) << "the outline is not painted into the map";

  // A click with the 7-cell brush.
  Press(map, {10, 10});
  Release(map, {10, 10});
  std::vector<TPoint> expectFirst = BrushCells({10, 10}, 1, grid);

  // A line, previewed while dragging; the one cancelled with Escape leaves
  // nothing.
  QTest::keyClick(frame, Qt::Key_L);
  EXPECT_EQ(frame->PaintTool().Mode, TToolMode::Line);
  Press(map, {3, 25});
  DragTo(map, {9, 27});
  EXPECT_EQ(Set(map.OverlayCells()), Set(BrushPathCells(HexLine({3, 25}, {9, 27}), 1, grid)));
  QTest::keyClick(frame, Qt::Key_Escape);
  Release(map, {9, 27});
  Press(map, {20, 4});
  DragTo(map, {24, 6});
  DragTo(map, {30, 9});
  const std::vector<TPoint> line = BrushPathCells(HexLine({20, 4}, {30, 9}), 1, grid);
  EXPECT_EQ(Set(map.OverlayCells()), Set(line));
  Screenshot(map, "line-preview.png");
  EXPECT_NE(map.Mission().Cells[9][30].Terrain == static_cast<int16_t>(first) &&
                map.Mission().Cells[4][20].Terrain == static_cast<int16_t>(first) &&
                map.Mission().Cells[6][25].Terrain == static_cast<int16_t>(first),
            true)
      << "nothing is painted before the release";
  Release(map, {30, 9});
  expectFirst.insert(expectFirst.end(), line.begin(), line.end());

  // A fill with another terrain from a cell of the brush's blot.
  const uint16_t second = ChooseTerrain(*palette, {5, 0});
  ASSERT_NE(second, first);
  QTest::keyClick(frame, Qt::Key_F);
  EXPECT_EQ(frame->PaintTool().Mode, TToolMode::Fill);
  const std::vector<TPoint> filled = FillRegionOf(map.Mission(), map.Filter(), {10, 10}, pkTerrain, grid);
  const CellSet region = Set(filled), blot = Set(BrushCells({10, 10}, 1, grid));
  EXPECT_TRUE(std::includes(region.begin(), region.end(), blot.begin(), blot.end()));
  Press(map, {10, 11});
  Release(map, {10, 11});
  Screenshot(map, "fill.png");

  // Three steps, one each.
  const TMissionHistory& history = map.History();
  ASSERT_GE(history.Count(), 3u);
  EXPECT_EQ(history.StepName(history.Count() - 3), "Paint Terrain");
  EXPECT_EQ(history.StepName(history.Count() - 2), "Line Terrain");
  EXPECT_EQ(history.StepName(history.Count() - 1), "Fill Terrain");

  w->Save();
  TMDIMiss* again = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  const TMission& m = again->Mission();
  const CellSet fillSet = Set(filled), paintSet = Set(expectFirst);
  for (int y = 0; y < MaxMapSize; ++y)
    for (int x = 0; x < MaxMapSize; ++x) {
      const TMissionCell& was = (*before)[static_cast<size_t>(y)][static_cast<size_t>(x)];
      TMissionCell expected = was;
      if (fillSet.count({x, y}))
        expected.Terrain = static_cast<int16_t>(second);
      else if (paintSet.count({x, y}))
        expected.Terrain = static_cast<int16_t>(first);
      EXPECT_TRUE(m.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)] == expected) << x << ", " << y;
    }
}

TEST_F(Tools, TheBrushSizeStaysInItsRangeAndTheToolsHaveTheirKeys) {
  Start();
  ASSERT_TRUE(started);
  ShowActive(frame);
  for (int i = 0; i < 5; ++i)
    QTest::keyClick(frame, Qt::Key_BracketRight);
  EXPECT_EQ(frame->PaintTool().BrushRadius, MaxBrushRadius);
  EXPECT_EQ(frame->BrushLabel->text().trimmed(), "Brush: 19");
  EXPECT_FALSE(frame->BrushLargerItem->isEnabled());
  for (int i = 0; i < 5; ++i)
    QTest::keyClick(frame, Qt::Key_BracketLeft);
  EXPECT_EQ(frame->PaintTool().BrushRadius, 0);
  EXPECT_EQ(frame->BrushLabel->text().trimmed(), "Brush: 1");
  EXPECT_TRUE(frame->ToolsMenu->actions().contains(frame->LineToolItem));
  EXPECT_EQ(frame->FillToolItem->shortcut(), QKeySequence(Qt::Key_F));
  EXPECT_EQ(frame->PaintToolItem->shortcut(), QKeySequence(Qt::Key_B));
}

}  // namespace
}  // namespace vh
