// What the pictures hold: colours the editor converts, coast land where the
// map generator expects it, marks in the colours that survive recolouring.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "DemoFiles.h"

namespace vh::demotest {
namespace {

const Installation& I() {
  return Installation::Get();
}

bool WaterColour(Rgb c) {
  return c.b >= c.g && c.b > c.r;
}

TEST(DemoUnits, UseOnlyTheNeutralShadesOutlineAndTransparentColour) {
  ByteStream f = I().Lib("unit000.lib");
  uint32_t x = GetU16(f, 0) | (static_cast<uint32_t>(GetU16(f, 2)) << 16);
  uint32_t data = GetU16(f, x + 8) | (static_cast<uint32_t>(GetU16(f, x + 10)) << 16);
  std::set<Pic> seen;
  for (int t = 0; t < 64; ++t) {
    Pic p = PicAt(f, data + static_cast<size_t>(2 * t) * 576);
    std::map<uint8_t, int> count;
    for (int r = 0; r < 24; ++r)
      for (int c = 0; c < 24; ++c)
        if (Inside(c, r))
          ++count[At(p, c, r)];
    int shades = 0, body = 0;
    for (auto [v, n] : count) {
      EXPECT_TRUE(v <= 7 || v == 143) << "unit " << t << " uses colour " << int(v);
      if (v >= 1 && v <= 7) {
        ++shades;
        body += n;
      }
    }
    EXPECT_GT(count[143], 80) << "unit " << t << " needs a transparent background";
    EXPECT_GT(count[0], 10) << "unit " << t << " needs a black outline";
    EXPECT_GE(shades, 3) << "unit " << t << " needs light and shade";
    EXPECT_GE(body, 25) << "unit " << t << " is too small to read";
    seen.insert(p);
  }
  EXPECT_EQ(seen.size(), 64u) << "every unit type looks different";
}

TEST(DemoUnits, OddRecordsAreTheUnitsFacingTheOtherWay) {
  ByteStream f = I().Lib("unit000.lib");
  for (int t = 0; t < 64; ++t) {
    Pic right = PicAt(f, 12 + static_cast<size_t>(2 * t) * 576);
    Pic left = PicAt(f, 12 + static_cast<size_t>(2 * t + 1) * 576);
    MirrorHorizontal(left);
    EXPECT_EQ(left, right) << "unit " << t;
  }
}

TEST(DemoBuildings, ShopPicturesTakeTheOwnersColours) {
  // HQ, factory, depot, airport, academy, port and the towns the roads join.
  for (int n : {393, 394, 395, 458, 563, 76, 80, 81, 86, 87, 88, 957, 984, 1021}) {
    Pic p = PartPicture(I(), n);
    int neutral = 0, transparent = 0;
    for (uint8_t v : p) {
      neutral += v >= 1 && v <= 7;
      transparent += v == 0;
    }
    EXPECT_GE(neutral, 12) << "building " << n << " would not show its owner";
    EXPECT_GE(transparent, 60) << "building " << n << " would hide the terrain";
  }
}

// Terrain pictures are copied, not overlaid: the transparent key must not occur.
TEST(DemoTerrain, GeneratorTerrainsAreOpaqueAndDistinct) {
  std::vector<int> parts = {95, 96, 97, 271, 272, 273, 274, 276, 385, 386, 387};
  for (int n = 98; n <= 109; ++n)
    parts.push_back(n);
  for (int n = 349; n <= 356; ++n)
    parts.push_back(n);
  for (int n = 373; n <= 382; ++n)
    parts.push_back(n);
  std::set<Pic> distinct;
  for (int n : parts) {
    Pic p = PartPicture(I(), n);
    for (int r = 0; r < 24; ++r)
      for (int c = 0; c < 24; ++c)
        if (Inside(c, r)) {
          ASSERT_NE(At(p, c, r), 0) << "terrain " << n << " pixel (" << c << ", " << r << ")";
        }
    distinct.insert(p);
  }
  EXPECT_EQ(distinct.size(), parts.size());
}

TEST(DemoTerrain, WaterPicturesAreWaterAndDeepenWithDepth) {
  auto pal = GamePalette(I());
  for (int set = 0; set < 2; ++set) {
    std::array<int, 3> water = set ? std::array<int, 3>{385, 386, 387} : std::array<int, 3>{95, 96, 97};
    double last = 1e9;
    for (int n : water) {
      Pic p = PartPicture(I(), n);
      double sum = 0;
      int cells = 0;
      for (int r = 0; r < 24; ++r)
        for (int c = 0; c < 24; ++c)
          if (Inside(c, r)) {
            EXPECT_TRUE(WaterColour(pal[At(p, c, r)])) << n;
            sum += pal[At(p, c, r)].r + pal[At(p, c, r)].g + pal[At(p, c, r)].b;
            ++cells;
          }
      EXPECT_LT(sum / cells, last) << "deeper water is darker: " << n;
      last = sum / cells;
    }
  }
}

// Land sides of each coast tile, as the map generator's table assigns them:
// the sides every mask of that tile has in common.
unsigned CoastLand(int tile) {
  static const std::pair<unsigned, int> table[] = {
      {1, 1},  {2, 2},  {3, 2},  {4, 4},  {6, 9},  {7, 9},   {8, 6},  {12, 4}, {14, 9}, {15, 9},
      {16, 5}, {24, 5}, {28, 7}, {32, 3}, {33, 3}, {35, 10}, {48, 8}, {49, 8}, {56, 8}, {57, 8}};
  unsigned common = 63;
  for (auto [mask, t] : table)
    if (t == tile)
      common &= mask;
  return common;
}

class DemoCoast : public ::testing::TestWithParam<int> {};

TEST_P(DemoCoast, TilesHaveLandTowardTheirMaskAndWaterElsewhere) {
  auto pal = GamePalette(I());
  static const std::array<int, 12> light = {103, 101, 100, 98, 99, 102, 104, 107, 106, 105, 108, 109};
  static const std::array<int, 10> dark = {378, 376, 375, 373, 374, 377, 379, 382, 381, 380};
  int tile = GetParam();
  std::vector<int> pictures = {light[tile - 1]};
  if (tile <= 10)
    pictures.push_back(dark[tile - 1]);
  auto probes = InnerSideProbes();
  for (int n : pictures) {
    Pic p = PartPicture(I(), n);
    if (tile <= 10) {
      unsigned land = CoastLand(tile);
      ASSERT_NE(land, 0u);
      for (int d = 0; d < 6; ++d) {
        auto [c, r] = probes[d];
        EXPECT_EQ(!WaterColour(pal[At(p, c, r)]), (land >> d) & 1) << "picture " << n << " side " << d;
      }
    } else {
      for (int d = 0; d < 6; ++d) {
        auto [c, r] = probes[d];
        EXPECT_TRUE(WaterColour(pal[At(p, c, r)])) << "corner picture " << n << " side " << d;
      }
      int corner = tile == 11 ? 22 : 1;  // 11: land at the right corner, 12 at the left
      EXPECT_FALSE(WaterColour(pal[At(p, corner, 11)])) << n;
      EXPECT_FALSE(WaterColour(pal[At(p, corner, 12)])) << n;
      EXPECT_TRUE(WaterColour(pal[At(p, 23 - corner, 11)])) << n;
    }
    for (int r = 0; r < 24; ++r)  // the middle is always open water
      for (int c = 0; c < 24; ++c)
        if ((c - 11.5) * (c - 11.5) + (r - 11.5) * (r - 11.5) < 4) {
          EXPECT_TRUE(WaterColour(pal[At(p, c, r)])) << n;
        }
  }
}

INSTANTIATE_TEST_SUITE_P(Tiles, DemoCoast, ::testing::Range(1, 13));

class DemoTools : public ::testing::Test {
protected:
  ByteStream f = I().Read("TOOLS.DAT");
  Pic Part(int i) {
    size_t e = 4 + 6 * static_cast<size_t>(i);
    return PicAt(f, GetU16(f, e) | (static_cast<size_t>(GetU16(f, e + 2)) << 16));
  }
};

TEST_F(DemoTools, MarksAreTransparentOutsideTheOutline) {
  for (int i : {1, 2, 6}) {
    Pic p = Part(i);
    int inside = 0;
    for (int r = 0; r < 24; ++r)
      for (int c = 0; c < 24; ++c) {
        if (!Inside(c, r)) {
          EXPECT_EQ(At(p, c, r), 240) << "part " << i;
        } else
          inside += At(p, c, r) != 0;
      }
    EXPECT_GT(inside, 8) << "part " << i << " must show something";
    EXPECT_LT(inside, 300) << "part " << i << " must not hide the cell";
  }
}

TEST_F(DemoTools, EdgePicturesLieOnTheirSide) {
  auto probes = SideProbes();
  for (int side = 0; side < 6; ++side) {
    Pic p = Part(7 + side);
    for (int r = 0; r < 24; ++r)
      for (int c = 0; c < 24; ++c)
        if (At(p, c, r) != 0) {
          EXPECT_EQ(At(p, c, r), 255);
          bool border = Inside(c, r) &&
                        (!Inside(c - 1, r) || !Inside(c + 1, r) || !Inside(c, r - 1) || !Inside(c, r + 1));
          EXPECT_TRUE(border) << "side " << side << " pixel (" << c << ", " << r << ")";
        }
    // The side's outermost pixels next to its middle are drawn.
    auto [c, r] = probes[side][0];
    int oc = side == 1 || side == 2 ? 23 - Inset[r] : side == 4 || side == 5 ? Inset[r] : c;
    EXPECT_EQ(At(p, oc, r), 255) << "side " << side;
  }
}

TEST_F(DemoTools, GridFromTheLowerSidesClosesAroundEachCell) {
  // Sides 2, 3, 4 of every cell plus the same sides of the cells above form
  // the whole outline: every row from 12 down has its outermost pixels set.
  Pic grid{};
  for (int i : {9, 10, 11}) {
    Pic p = Part(i);
    for (int k = 0; k < 576; ++k)
      if (p[k] != 0)
        grid[k] = p[k];
  }
  for (int r = 12; r < 24; ++r) {
    EXPECT_NE(At(grid, Inset[r], r), 0) << r;
    EXPECT_NE(At(grid, 23 - Inset[r], r), 0) << r;
  }
  for (int c = 8; c < 16; ++c)
    EXPECT_NE(At(grid, c, 23), 0) << c;
}

TEST_F(DemoTools, ProductionMarksKeepTheirColoursInTheNeutralView) {
  // The standard production view recolours the whole cell for the neutral owner.
  auto pal = GamePalette(I());
  for (int i : {13, 14}) {
    Pic p = Part(i);
    int marked = 0;
    for (uint8_t v : p) {
      EXPECT_FALSE(v >= 1 && v <= 7) << "part " << i;
      marked += v != 0;
    }
    EXPECT_GT(marked, 20) << "part " << i;
  }
  auto dominant = [&](int i, bool blue) {
    Pic p = Part(i);
    int hits = 0, total = 0;
    for (uint8_t v : p)
      if (v != 0) {
        ++total;
        hits += blue ? pal[v].b > pal[v].r : pal[v].r > pal[v].b;
      }
    return hits == total;
  };
  EXPECT_TRUE(dominant(13, true)) << "bit 0 mark: blue";
  EXPECT_TRUE(dominant(14, false)) << "bit 1 mark: red";
}

}  // namespace
}  // namespace vh::demotest
