#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "hexmap/CellEditing.h"
#include "hexmap/HexGeometry.h"
#include "hexmap/HexLine.h"
#include "hexmap/MissionPicture.h"
#include "hexmap/PaintTools.h"

namespace vh {
namespace {

using Cells = std::vector<TPoint>;
using CellSet = std::set<std::pair<int, int>>;

CellSet AsSet(const Cells& cells) {
  CellSet s;
  for (TPoint c : cells)
    s.insert({c.x, c.y});
  return s;
}

constexpr TPoint Full{MaxMapSize, MaxMapSize};

TEST(Brush, SizesAreOneSevenAndNineteenCellsOnEvenAndOddColumns) {
  for (TPoint centre : {TPoint{10, 10}, TPoint{11, 10}}) {
    EXPECT_EQ(BrushCells(centre, 0, Full), Cells{centre});
    for (int radius = 1; radius <= MaxBrushRadius; ++radius) {
      const Cells cells = BrushCells(centre, radius, Full);
      EXPECT_EQ(cells.size(), static_cast<size_t>(BrushCellCount(radius)));
      EXPECT_EQ(AsSet(cells).size(), cells.size()) << "no cell twice";
      EXPECT_EQ(cells.front(), centre) << "the centre comes first";
      for (TPoint c : cells)
        EXPECT_LE(HexDistance(centre, c), radius);
    }
    // The 7-cell brush is the cell and its six neighbours.
    Cells ring{centre};
    for (int d = 0; d < DirectionCount; ++d)
      ring.push_back(Neighbour(centre, d));
    EXPECT_EQ(AsSet(BrushCells(centre, 1, Full)), AsSet(ring));
  }
  EXPECT_EQ(BrushCellCount(1), 7);
  EXPECT_EQ(BrushCellCount(2), 19);
}

TEST(Brush, MapEdgesCutTheFootprint) {
  const TPoint grid{20, 15};
  // A corner keeps only the cells inside the map.
  for (TPoint corner : {TPoint{0, 0}, TPoint{19, 14}, TPoint{0, 14}, TPoint{19, 0}}) {
    const Cells cells = BrushCells(corner, 2, grid);
    EXPECT_LT(cells.size(), 19u);
    EXPECT_EQ(cells.front(), corner);
    for (TPoint c : cells)
      EXPECT_TRUE(IsInGrid(c, grid)) << c.x << ", " << c.y;
    // Nothing inside the map within reach is missing.
    size_t inside = 0;
    for (int y = 0; y < grid.y; ++y)
      for (int x = 0; x < grid.x; ++x)
        inside += HexDistance(corner, {x, y}) <= 2 ? 1 : 0;
    EXPECT_EQ(cells.size(), inside);
  }
  // A centre outside the map may still reach into it, but never beyond.
  const Cells outside = BrushCells({-1, 5}, 1, grid);
  for (TPoint c : outside)
    EXPECT_TRUE(IsInGrid(c, grid));
  EXPECT_FALSE(outside.empty());
  EXPECT_TRUE(BrushCells({-5, -5}, 2, grid).empty());
  // No grid larger than the mission's arrays.
  for (TPoint c : BrushCells({63, 63}, 2, {100, 100}))
    EXPECT_TRUE(IsInGrid(c, Full));
}

TEST(Brush, ALineWithTheBrushCoversEachCellOnceAndIsTheSameFromEitherEnd) {
  for (auto [from, to] : {std::pair{TPoint{3, 4}, TPoint{20, 11}}, std::pair{TPoint{12, 30}, TPoint{5, 2}},
                          std::pair{TPoint{0, 0}, TPoint{63, 63}}}) {
    const Cells forward = BrushPathCells(HexLine(from, to), 1, Full);
    const Cells backward = BrushPathCells(HexLine(to, from), 1, Full);
    EXPECT_EQ(AsSet(forward).size(), forward.size());
    EXPECT_EQ(AsSet(forward), AsSet(backward));
    EXPECT_EQ(forward.front(), from);
    for (TPoint c : HexLine(from, to))
      EXPECT_TRUE(AsSet(forward).count({c.x, c.y}));
  }
}

class FillRegions : public ::testing::Test {
protected:
  std::unique_ptr<TMission> mission = std::make_unique<TMission>();
  TMission& m = *mission;
  TMissionCell& At(TPoint p) { return m.Cells[static_cast<size_t>(p.y)][static_cast<size_t>(p.x)]; }
  TDFCell& DFAt(TPoint p) { return m.DFCells[static_cast<size_t>(p.y)][static_cast<size_t>(p.x)]; }
};

TEST_F(FillRegions, AnEvenMapFillsWholeAndEachCellOnce) {
  m.SetSize(Full);
  const Cells cells = FillRegionOf(m, DefaultMissFilter, {30, 17}, pkTerrain, Full);
  EXPECT_EQ(cells.size(), 4096u);
  EXPECT_EQ(AsSet(cells).size(), 4096u);
  EXPECT_EQ(cells.front(), (TPoint{30, 17}));
  // Only the mission's size counts.
  const Cells part = FillRegionOf(m, DefaultMissFilter, {2, 2}, pkTerrain, {10, 7});
  EXPECT_EQ(part.size(), 70u);
  EXPECT_TRUE(FillRegionOf(m, DefaultMissFilter, {10, 2}, pkTerrain, {10, 7}).empty());
}

TEST_F(FillRegions, ARingBoundsTheFillOnEvenAndOddColumns) {
  m.SetSize({30, 30});
  for (TPoint centre : {TPoint{10, 10}, TPoint{15, 12}}) {
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 30; ++x)
        At({x, y}).Terrain = 4;
    for (TPoint c : BrushCells(centre, 2, {30, 30}))
      if (HexDistance(centre, c) == 2)
        At(c).Terrain = 9;
    const Cells inside = FillRegionOf(m, DefaultMissFilter, centre, pkTerrain, {30, 30});
    EXPECT_EQ(AsSet(inside), AsSet(BrushCells(centre, 1, {30, 30})));
    const Cells ring =
        FillRegionOf(m, DefaultMissFilter, Neighbour(Neighbour(centre, dirUp), dirUp), pkTerrain, {30, 30});
    EXPECT_EQ(ring.size(), 12u) << "the ring itself is connected";
    const Cells outsideRing = FillRegionOf(m, DefaultMissFilter, {0, 0}, pkTerrain, {30, 30});
    EXPECT_EQ(outsideRing.size(), 900u - 19u);
  }
}

TEST_F(FillRegions, ObjectsAndUnitsCompareSameOrNone) {
  m.SetSize({8, 8});
  At({3, 3}).Obj = 40;
  At({4, 3}).Obj = 40;
  At({5, 3}).Obj = 41;
  At({3, 3}).Terrain = 7;  // other layers do not matter
  EXPECT_EQ(AsSet(FillRegionOf(m, DefaultMissFilter, {3, 3}, pkObject, {8, 8})), (CellSet{{3, 3}, {4, 3}}));
  EXPECT_EQ(FillRegionOf(m, DefaultMissFilter, {0, 0}, pkObject, {8, 8}).size(), 64u - 3u);
  SetUnitCode(At({1, 1}), UnitCode(2, 5));
  SetUnitCode(At({1, 2}), UnitCode(3, 5));  // another owner is another unit
  EXPECT_EQ(FillRegionOf(m, DefaultMissFilter, {1, 1}, pkUnit, {8, 8}), (Cells{{1, 1}}));
  EXPECT_EQ(FillRegionOf(m, DefaultMissFilter, {7, 7}, pkUnit, {8, 8}).size(), 62u);
}

TEST_F(FillRegions, AChangeLayerComparesWhatItShows) {
  m.SetSize({8, 8});
  const uint16_t withChanges = DefaultMissFilter | FilterBit(mfDFLayer);
  At({2, 2}).Terrain = 5;  // the base map differs, the change layer does not
  DFAt({6, 6}).Terrain = 3;
  EXPECT_EQ(FillRegionOf(m, withChanges, {0, 0}, pkTerrain, {8, 8}).size(), 63u);
  EXPECT_EQ(FillRegionOf(m, withChanges, {6, 6}, pkTerrain, {8, 8}), (Cells{{6, 6}}));
  EXPECT_EQ(FillRegionOf(m, DefaultMissFilter, {0, 0}, pkTerrain, {8, 8}).size(), 63u);
  EXPECT_EQ(PaintedLayerValue(m, withChanges, {6, 6}, pkTerrain), 3);
  EXPECT_EQ(PaintedLayerValue(m, DefaultMissFilter, {2, 2}, pkTerrain), 5);
}

TEST_F(FillRegions, MatchGroupReachesEveryPictureOfTheClickedGroup) {
  // Grass is group 0 (pictures 1, 2, 3), forest group 2 (7, 8); picture 9
  // is in no group. Row 1 of an 8 x 4 map:
  //   x: 0 1 2 3 4 5 6 7
  //      1 2 3 7 2 9 1 8   and every other cell is 9.
  std::vector<TGroupPageEntries> pages(3);
  for (auto& page : pages)
    page.fill(-1);
  pages[0][0] = 1;
  pages[0][6] = 2;
  pages[0][12] = 3;
  pages[2][0] = 7;
  pages[2][1] = 8;
  const TPictureGroups groups(pages);
  m.SetSize({8, 4});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x)
      At({x, y}).Terrain = 9;
  const int16_t row[8] = {1, 2, 3, 7, 2, 9, 1, 8};
  for (int x = 0; x < 8; ++x)
    At({x, 1}).Terrain = row[x];

  EXPECT_EQ(AsSet(FillRegionOfGroup(m, DefaultMissFilter, {1, 1}, pkTerrain, {8, 4}, groups)),
            (CellSet{{0, 1}, {1, 1}, {2, 1}}));
  // The forest at (3, 1) and (7, 1) is not connected; (4, 1) is grass alone.
  EXPECT_EQ(FillRegionOfGroup(m, DefaultMissFilter, {3, 1}, pkTerrain, {8, 4}, groups), (Cells{{3, 1}}));
  EXPECT_EQ(FillRegionOfGroup(m, DefaultMissFilter, {4, 1}, pkTerrain, {8, 4}, groups), (Cells{{4, 1}}));
  // Picture 9 is in no group: the same picture only, as a plain fill.
  EXPECT_EQ(AsSet(FillRegionOfGroup(m, DefaultMissFilter, {0, 0}, pkTerrain, {8, 4}, groups)),
            AsSet(FillRegionOf(m, DefaultMissFilter, {0, 0}, pkTerrain, {8, 4})));
  EXPECT_EQ(FillRegionOfGroup(m, DefaultMissFilter, {0, 0}, pkTerrain, {8, 4}, groups).size(), 32u - 7u);
  // Units know no groups.
  EXPECT_EQ(FillRegionOfGroup(m, DefaultMissFilter, {0, 0}, pkUnit, {8, 4}, groups).size(), 32u);
  EXPECT_TRUE(FillRegionOfGroup(m, DefaultMissFilter, {8, 0}, pkTerrain, {8, 4}, groups).empty());
}

}  // namespace
}  // namespace vh
