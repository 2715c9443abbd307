#include <gtest/gtest.h>

#include "mission/HexGrid.h"
#include "mission/TerrainSets.h"

namespace vh {
namespace {

TEST(TerrainKindTest, WaterAndCoastPicturesTellTheirSet) {
  using R = TTerrainRole;
  EXPECT_EQ(TerrainKindOf(95), (TTerrainKind{R::Water, 0, 1}));
  EXPECT_EQ(TerrainKindOf(96), (TTerrainKind{R::Water, 0, 2}));
  EXPECT_EQ(TerrainKindOf(97), (TTerrainKind{R::Water, 0, 3}));
  EXPECT_EQ(TerrainKindOf(103), (TTerrainKind{R::Coast, 0, 1}));
  EXPECT_EQ(TerrainKindOf(98), (TTerrainKind{R::Coast, 0, 4}));
  EXPECT_EQ(TerrainKindOf(105), (TTerrainKind{R::Coast, 0, 10}));
  EXPECT_EQ(TerrainKindOf(108), (TTerrainKind{R::Coast, 0, 11}));
  EXPECT_EQ(TerrainKindOf(109), (TTerrainKind{R::Coast, 0, 12}));
  EXPECT_EQ(TerrainKindOf(386), (TTerrainKind{R::Water, 1, 2}));
  EXPECT_EQ(TerrainKindOf(378), (TTerrainKind{R::Coast, 1, 1}));
  EXPECT_EQ(TerrainKindOf(380), (TTerrainKind{R::Coast, 1, 10}));
  // The dark corner tiles are its shallow water picture: water.
  EXPECT_EQ(TerrainKindOf(385), (TTerrainKind{R::Water, 1, 1}));
  // Everything else is land, whichever set it was drawn for; no terrain is
  // nothing.
  for (int16_t land : {0, 94, 110, 271, 276, 349, 356, 372, 383, 384, 388, 2000})
    EXPECT_EQ(TerrainKindOf(land).Role, R::Land) << land;
  EXPECT_EQ(TerrainKindOf(-1).Role, R::None);
  EXPECT_TRUE(IsSea(TerrainKindOf(109)));
  EXPECT_TRUE(IsSea(TerrainKindOf(387)));
  EXPECT_FALSE(IsSea(TerrainKindOf(271)));
  EXPECT_FALSE(IsSea(TerrainKindOf(-1)));
}

TEST(CornerTileTest, TwoCoastTilesMeetingAtACorner) {
  // Left corner: upper left 5, 6 or 8 with lower left 1, 3 or 8.
  EXPECT_EQ(CornerTileOf(5, 1, 0, 0), 12);
  EXPECT_EQ(CornerTileOf(6, 3, 0, 0), 12);
  EXPECT_EQ(CornerTileOf(8, 8, 0, 0), 12);
  EXPECT_EQ(CornerTileOf(5, 2, 0, 0), 0);
  EXPECT_EQ(CornerTileOf(4, 1, 0, 0), 0);
  EXPECT_EQ(CornerTileOf(0, 1, 0, 0), 0);
  // Right corner: upper right 4, 6 or 9 with lower right 1, 2 or 9.
  EXPECT_EQ(CornerTileOf(0, 0, 1, 4), 11);
  EXPECT_EQ(CornerTileOf(0, 0, 2, 6), 11);
  EXPECT_EQ(CornerTileOf(0, 0, 9, 9), 11);
  EXPECT_EQ(CornerTileOf(0, 0, 3, 4), 0);
  EXPECT_EQ(CornerTileOf(0, 0, 1, 5), 0);
  // Both: the right one wins. Corner tiles make no corners themselves.
  EXPECT_EQ(CornerTileOf(5, 1, 1, 4), 11);
  EXPECT_EQ(CornerTileOf(11, 12, 12, 11), 0);
}

TEST(LandMaskTest, NeighboursOfEvenAndOddColumnsInsideTheGrid) {
  // Land on column 3 of rows 0..9 (odd): its left neighbours (2, 2) on even
  // column 2 sees it upper right (3, 1) and lower right (3, 2).
  const auto land = [](TPoint p) { return p.x == 3; };
  EXPECT_EQ(LandMaskAround({2, 2}, {10, 10}, land), (1 << dirUpperRight) | (1 << dirLowerRight));
  // (4, 2), even, sees (3, 1) upper left and (3, 2) lower left.
  EXPECT_EQ(LandMaskAround({4, 2}, {10, 10}, land), (1 << dirUpperLeft) | (1 << dirLowerLeft));
  // Odd column 5 looks at rows 2 and 3 of column 4.
  const auto four = [](TPoint p) { return p.x == 4 && (p.y == 2 || p.y == 3); };
  EXPECT_EQ(LandMaskAround({5, 2}, {10, 10}, four), (1 << dirUpperLeft) | (1 << dirLowerLeft));
  // Neighbours outside the grid never count.
  const auto all = [](TPoint) { return true; };
  EXPECT_EQ(LandMaskAround({0, 0}, {10, 10}, all), (1 << dirLowerRight) | (1 << dirDown));
  EXPECT_EQ(LandMaskAround({9, 9}, {10, 10}, all), (1 << dirUp) | (1 << dirUpperLeft));
}

}  // namespace
}  // namespace vh
