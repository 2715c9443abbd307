#include <gtest/gtest.h>

#include <set>
#include <utility>

#include <QTabWidget>
#include <QTest>

#include "hexmap/HexGeometry.h"
#include "shell/FrameFixture.h"
#include "tools/COMPMultiSelView.h"
#include "tools/MDIPicturesForm.h"
#include "views/COMPMissView.h"

namespace vh {
namespace {

using MapEditing = test::FrameFixture;

QPoint CentreOf(const TEckView& view, TPoint cell) {
  TPoint p = view.CellToPoint(cell);
  return view.BitmapToWidget({p.x + 12, p.y + 12});
}

// Whatever the view shows equals the map drawn afresh.
bool ShowsCurrentMission(TMissView& map) {
  const std::vector<uint8_t> shown = map.MapBitmap().Pixels;
  map.RedrawAll();
  return shown == map.MapBitmap().Pixels;
}

TEST_F(MapEditing, AQuickStrokePaintsEveryCellBetweenTheMovesItReported) {
  Start();
  ASSERT_TRUE(started);
  auto* palette = dynamic_cast<TMDIPictures*>(frame->Palette());
  TMDIMiss* w = frame->OpenMissionFile(SampleMission("stroke.dat"));
  TMissView& map = *w->MissView();
  palette->PageControl->setCurrentIndex(TMDIPictures::pgTerrain);
  QTest::mousePress(palette->TerSelector, Qt::RightButton, Qt::NoModifier,
                    CentreOf(*palette->TerSelector, {2, 0}));
  QTest::mouseRelease(palette->TerSelector, Qt::RightButton, Qt::NoModifier,
                      CentreOf(*palette->TerSelector, {2, 0}));
  const int16_t terrain = palette->TerSelector->CurrentValue();
  ASSERT_NE(terrain, -1);

  std::set<std::pair<int, int>> before;
  for (int y = 0; y < map.Rows(); ++y)
    for (int x = 0; x < map.Cols(); ++x)
      if (map.Mission().Cells[y][x].Terrain == terrain)
        before.insert({x, y});

  // Two reported moves, far apart: across six columns and down again.
  QTest::mousePress(&map, Qt::LeftButton, Qt::NoModifier, CentreOf(map, {10, 5}));
  QTest::mouseMove(&map, CentreOf(map, {16, 8}));
  QTest::mouseMove(&map, CentreOf(map, {16, 13}));
  QTest::mouseRelease(&map, Qt::LeftButton, Qt::NoModifier, CentreOf(map, {16, 13}));

  std::vector<TPoint> painted;
  for (int y = 0; y < map.Rows(); ++y)
    for (int x = 0; x < map.Cols(); ++x)
      if (map.Mission().Cells[y][x].Terrain == terrain && !before.count({x, y}))
        painted.push_back({x, y});
  // A path of neighbouring cells: 6 steps to (16, 8), 5 more to (16, 13).
  const auto has = [&](TPoint c) { return std::find(painted.begin(), painted.end(), c) != painted.end(); };
  EXPECT_TRUE(has({10, 5}));
  EXPECT_TRUE(has({16, 8}));
  for (int y = 9; y <= 13; ++y)
    EXPECT_TRUE(has({16, y})) << y;
  for (int x = 11; x <= 15; ++x) {
    int inColumn = 0;
    for (TPoint c : painted)
      inColumn += c.x == x;
    EXPECT_EQ(inColumn, 1) << "column " << x;
  }
  for (TPoint c : painted) {
    if (c == TPoint{10, 5})
      continue;
    bool joined = false;
    for (int d = 0; d < DirectionCount; ++d)
      joined = joined || has(Neighbour(c, d));
    EXPECT_TRUE(joined) << c.x << "," << c.y;
  }
  EXPECT_LE(painted.size(), 12u);
  EXPECT_TRUE(ShowsCurrentMission(map));
}

}  // namespace
}  // namespace vh
