#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Anomaly.h"
#include "base/Errors.h"
#include "generator/Generator.h"
#include "generator/MapGenerator.h"
#include "generator/Random.h"

namespace vh {
namespace {

struct Recorder : AnomalySink {
  std::vector<std::string> seen;
  void Anomaly(const std::string& what) override { seen.push_back(what); }
};

TCellCodes Sea(int w, int h, uint8_t code = CodeShallow) {
  TCellCodes c{};
  for (int y = 0; y < h; ++y)
    std::fill_n(c.begin() + y * 64, w, code);
  return c;
}
uint8_t& At(TCellCodes& c, int x, int y) {
  return c[static_cast<size_t>(y * 64 + x)];
}

TEST(CoastMaskTest, TableOfTiles) {
  const std::vector<std::pair<int, int>> listed{
      {1, 1},  {2, 2},  {3, 2},  {4, 4},  {6, 9},  {7, 9},   {8, 6},  {12, 4}, {14, 9}, {15, 9},
      {16, 5}, {24, 5}, {28, 7}, {32, 3}, {33, 3}, {35, 10}, {48, 8}, {49, 8}, {56, 8}, {57, 8}};
  for (int mask = 0; mask < 256; ++mask) {
    auto it = std::find_if(listed.begin(), listed.end(), [&](auto p) { return p.first == mask; });
    EXPECT_EQ(CoastTileOfMask(static_cast<uint8_t>(mask)), it == listed.end() ? 0 : it->second) << mask;
    EXPECT_EQ(IsCoastMask(static_cast<uint8_t>(mask)), mask == 0 || it != listed.end()) << mask;
  }
}

TEST(CoastMaskTest, LandMaskUsesTheHexNeighboursOfEvenAndOddColumns) {
  TCellCodes c = Sea(8, 8);
  // Around the even column 2, row 3: up (2,2), upper right (3,2), lower right
  // (3,3), down (2,4), lower left (1,3), upper left (1,2).
  const TPoint even[6] = {{2, 2}, {3, 2}, {3, 3}, {2, 4}, {1, 3}, {1, 2}};
  // Around the odd column 3, row 3 the side neighbours sit one row lower.
  const TPoint odd[6] = {{3, 2}, {4, 3}, {4, 4}, {3, 4}, {2, 4}, {2, 3}};
  for (int dir = 0; dir < 6; ++dir) {
    TCellCodes e = c, o = c;
    At(e, even[dir].x, even[dir].y) = CodeLand;
    At(o, odd[dir].x, odd[dir].y) = CodeLand + 2;
    EXPECT_EQ(LandMask(e, 8, 8, 2, 3), 1 << dir);
    EXPECT_EQ(LandMask(o, 8, 8, 3, 3), 1 << dir);
  }
  // Coast codes are not land; neighbours outside the map count as nothing.
  At(c, 0, 0) = CodeCoast + 1;
  EXPECT_EQ(LandMask(c, 8, 8, 0, 1), 0);
  TCellCodes all = Sea(8, 8, CodeLand);
  EXPECT_EQ(LandMask(all, 8, 8, 0, 0), 0b001100);  // only lower right and down lie inside
  EXPECT_EQ(LandMask(all, 8, 8, 7, 7), 0b100001);  // odd column: up and upper left
}

TEST(ErosionTest, MaskNineTurnsEveryNeighbourIntoShallowWater) {
  TCellCodes c = Sea(6, 6, CodeDeep);
  At(c, 2, 1) = CodeLand;
  At(c, 2, 3) = CodeLand + 1;
  ASSERT_EQ(LandMask(c, 6, 6, 2, 2), 9);
  EXPECT_TRUE(ErodeCoasts(c, 6, 6));
  for (TPoint n : {TPoint{2, 1}, TPoint{3, 1}, TPoint{3, 2}, TPoint{2, 3}, TPoint{1, 2}, TPoint{1, 1}})
    EXPECT_EQ(At(c, n.x, n.y), CodeShallow) << n.x << ", " << n.y;
  EXPECT_EQ(At(c, 2, 2), CodeDeep) << "the cell itself stays";
  EXPECT_EQ(std::count_if(c.begin(), c.end(), [](uint8_t v) { return CodeClass(v) == ccLand; }), 0);
  EXPECT_FALSE(ErodeCoasts(c, 6, 6)) << "a second pass finds nothing";
}

TEST(ErosionTest, RepeatsUntilEveryWaterCellHasACoastPicture) {
  // A checkerboard of land columns leaves masks without pictures everywhere.
  TCellCodes c = Sea(10, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; x += 2)
      At(c, x, y) = (y % 2) ? CodeLand : CodeShallow;
  ErodeCoasts(c, 10, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x)
      if (CodeClass(At(c, x, y)) == ccWater) {
        ASSERT_TRUE(IsCoastMask(LandMask(c, 10, 10, x, y))) << x << ", " << y;
      }
}

TEST(CoastTileTest, OneIslandGetsATileOnEachSide) {
  TCellCodes c = Sea(7, 7, CodeMedium);
  At(c, 3, 3) = CodeLand;
  PlaceCoastTiles(c, 7, 7);
  // The water on side d of the land sees it in direction d + 3.
  EXPECT_EQ(At(c, 3, 2), CodeCoast + 6);  // above: mask 8
  EXPECT_EQ(At(c, 4, 3), CodeCoast + 5);  // upper right: mask 16
  EXPECT_EQ(At(c, 4, 4), CodeCoast + 3);  // lower right: mask 32
  EXPECT_EQ(At(c, 3, 4), CodeCoast + 1);  // below: mask 1
  EXPECT_EQ(At(c, 2, 4), CodeCoast + 2);  // lower left: mask 2
  EXPECT_EQ(At(c, 2, 3), CodeCoast + 4);  // upper left: mask 4
  EXPECT_EQ(At(c, 0, 0), CodeMedium);
  EXPECT_EQ(At(c, 3, 3), CodeLand);
}

TEST(CoastTileTest, AMaskWithoutPictureIsReportedWithItsCell) {
  Recorder rec;
  ScopedAnomalySink scope(&rec);
  TCellCodes c = Sea(6, 6);
  At(c, 2, 1) = CodeLand;
  At(c, 2, 3) = CodeLand;
  PlaceCoastTiles(c, 6, 6);
  ASSERT_EQ(rec.seen.size(), 1u);
  EXPECT_NE(rec.seen[0].find("(2, 2)"), std::string::npos) << rec.seen[0];
  EXPECT_EQ(At(c, 2, 2), CodeShallow);
}

TEST(CornerTileTest, CoastTilesMeetingAtACorner) {
  // Land at (0,2) gives (1,1) tile 5 and (1,2) tile 3: the upper-left and
  // lower-left neighbours of (2,2), which becomes corner tile 12.
  TCellCodes left = Sea(7, 7);
  At(left, 0, 2) = CodeLand;
  BuildCoasts(left, 7, 7);
  EXPECT_EQ(At(left, 1, 1), CodeCoast + 5);
  EXPECT_EQ(At(left, 1, 2), CodeCoast + 3);
  EXPECT_EQ(At(left, 2, 2), CodeCoast + 12);
  // Land at (4,2) gives (3,1) tile 4 and (3,2) tile 2: corner tile 11.
  TCellCodes right = Sea(7, 7);
  At(right, 4, 2) = CodeLand;
  BuildCoasts(right, 7, 7);
  EXPECT_EQ(At(right, 2, 2), CodeCoast + 11);
  // Both: tile 11 wins.
  TCellCodes both = Sea(7, 7);
  At(both, 0, 2) = CodeLand;
  At(both, 4, 2) = CodeLand;
  BuildCoasts(both, 7, 7);
  EXPECT_EQ(At(both, 2, 2), CodeCoast + 11);

  // The rule on given codes, and only on water.
  for (uint8_t a : {0x35, 0x36, 0x38})
    for (uint8_t b : {0x31, 0x33, 0x38}) {
      TCellCodes c = Sea(5, 5);
      At(c, 1, 1) = a;  // upper left of (2,2)
      At(c, 1, 2) = b;  // lower left
      PlaceCornerTiles(c, 5, 5);
      ASSERT_EQ(At(c, 2, 2), CodeCoast + 12);
    }
  TCellCodes c = Sea(5, 5);
  At(c, 1, 1) = 0x35;
  At(c, 1, 2) = 0x32;
  PlaceCornerTiles(c, 5, 5);
  EXPECT_EQ(At(c, 2, 2), CodeShallow);
  At(c, 1, 2) = 0x31;
  At(c, 2, 2) = CodeLand;
  PlaceCornerTiles(c, 5, 5);
  EXPECT_EQ(At(c, 2, 2), CodeLand);
}

TMission SizedMission(int w, int h) {
  TMission m;
  m.SetSize({w, h});
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      m.Cells[y][x].Terrain = 7;
      m.Cells[y][x].Obj = static_cast<int16_t>(x);
    }
  return m;
}

bool IsWaterPart(const TTerrainSet& s, int16_t t) {
  return std::find(s.WaterParts.begin(), s.WaterParts.end(), t) != s.WaterParts.end();
}
bool IsLandPart(const TTerrainSet& s, int16_t t) {
  return std::find(s.LandParts.begin(), s.LandParts.begin() + s.LandCount, t) !=
         s.LandParts.begin() + s.LandCount;
}

TEST(TransferTest, EveryWaterCellBesideLandCarriesACoastPicture) {
  for (uint8_t type : {0, 1}) {
    SCOPED_TRACE(testing::Message() << "terrain type " << int(type));
    GeneratorState s;
    s.TerrainType = type;
    s.Textured = true;
    s.Roughness = 200;
    Rng().Seed = 77;
    GenerateHeights(s, 40, 30);
    TCellCodes codes = Classify(s, 40, 30);
    TMission m = SizedMission(40, 30);
    const uint64_t before = m.ChangeCount;
    TransferToMission(codes, type, m);
    EXPECT_EQ(m.ChangeCount, before + 1);
    const TTerrainSet& set = TerrainSets[type];
    int coast = 0, land = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        const TMissionCell& cell = m.Cells[y][x];
        ASSERT_EQ(cell.Obj, x) << "objects stay";
        if (x >= 40 || y >= 30) {
          ASSERT_EQ(cell.Terrain, 7) << "outside the map nothing changes";
          continue;
        }
        ASSERT_NE(cell.Terrain, 7) << x << ", " << y;
        if (IsLandPart(set, cell.Terrain)) {
          ++land;
          continue;
        }
        const uint8_t mask = LandMask(codes, 40, 30, x, y);
        if (mask != 0) {
          ++coast;
          const uint8_t tile = CoastTileOfMask(mask);
          ASSERT_GT(tile, 0) << x << ", " << y;
          ASSERT_EQ(cell.Terrain, set.CoastParts[tile - 1u]) << x << ", " << y;
        } else {
          const uint8_t code = At(codes, x, y);
          ASSERT_TRUE(IsWaterPart(set, cell.Terrain) || code == CodeCoast + 11 || code == CodeCoast + 12)
              << x << ", " << y;
        }
      }
    EXPECT_GT(coast, 0);
    EXPECT_GT(land, 0);
  }
}

TEST(TransferTest, DarkCornerTilesAreTheShallowWaterPicture) {
  TCellCodes codes = Sea(7, 7);
  At(codes, 0, 2) = CodeLand;
  At(codes, 4, 5) = CodeLand;
  TMission m = SizedMission(7, 7);
  TransferToMission(codes, 1, m);
  EXPECT_EQ(At(codes, 2, 2), CodeCoast + 12);
  EXPECT_EQ(m.Cells[2][2].Terrain, 385);
  EXPECT_EQ(At(codes, 2, 5), CodeCoast + 11);
  EXPECT_EQ(m.Cells[5][2].Terrain, 385);
  EXPECT_EQ(m.Cells[2][0].Terrain, 356);

  TCellCodes light = Sea(7, 7);
  At(light, 0, 2) = CodeLand;
  TransferToMission(light, 0, m);
  EXPECT_EQ(m.Cells[2][2].Terrain, 109);
}

TEST(TransferTest, CellsWithoutCodeStayAndBadCodesWriteNothing) {
  TCellCodes codes = Sea(5, 5, CodeDeep);
  At(codes, 4, 4) = CodeNone;
  TMission m = SizedMission(5, 5);
  TransferToMission(codes, 0, m);
  EXPECT_EQ(m.Cells[4][4].Terrain, 7);
  EXPECT_EQ(m.Cells[0][0].Terrain, 97);

  TCellCodes bad = Sea(5, 5, CodeDeep);
  At(bad, 1, 0) = CodeLand;
  At(bad, 3, 3) = CodeLand + 6;  // the light set has five land pictures
  TMission n = SizedMission(5, 5);
  const uint64_t before = n.ChangeCount;
  try {
    TransferToMission(bad, 0, n);
    FAIL() << "expected a range error";
  } catch (const ERangeError& e) {
    EXPECT_NE(std::string(e.what()).find("(3, 3)"), std::string::npos) << e.what();
  }
  EXPECT_EQ(n.Cells[0][0].Terrain, 7);
  EXPECT_EQ(n.ChangeCount, before);
}

class MapGeneratorTest : public ::testing::Test {
protected:
  TMission small = SizedMission(24, 16);
  TMission big = SizedMission(64, 64);
  GeneratorState a, b;
  TMapGenerator gen;
};

TEST_F(MapGeneratorTest, AttachingAViewNeverRewritesItsBorders) {
  a.Border0 = 10;
  a.Border1 = 20;
  a.Border2 = 30;
  b.Border0 = 200;
  b.Border1 = 220;
  b.Border2 = 250;
  EXPECT_TRUE(gen.SetView(&a, &small));
  EXPECT_FALSE(gen.SetView(&a, &small));
  EXPECT_TRUE(gen.SetView(&b, &big));
  EXPECT_EQ(b.Border0, 200);
  EXPECT_EQ(b.Border1, 220);
  EXPECT_EQ(b.Border2, 250);
  EXPECT_EQ(gen.BorderLimits(0).Min, 0);
  EXPECT_EQ(gen.BorderLimits(0).Max, 220);
  EXPECT_EQ(gen.BorderLimits(1).Min, 200);
  EXPECT_EQ(gen.BorderLimits(1).Max, 250);
  EXPECT_EQ(gen.BorderLimits(2).Min, 220);
  EXPECT_EQ(gen.BorderLimits(2).Max, 255);
  EXPECT_TRUE(gen.SetView(&a, &small));
  EXPECT_EQ(a.Border2, 30);
  EXPECT_EQ(gen.MapWidth(), 24);
  EXPECT_EQ(gen.Preview().Width, 72);
  EXPECT_EQ(gen.Preview().Height, 74);
  EXPECT_THROW(gen.BorderLimits(3), ERangeError);
}

TEST_F(MapGeneratorTest, EditsClampToTheNeighbouringBorders) {
  gen.SetView(&a, &small);
  EXPECT_EQ(gen.SetBorder(2, 5), 90);
  EXPECT_EQ(a.Border2, 90);
  EXPECT_EQ(gen.SetBorder(0, 200), 90);
  EXPECT_EQ(gen.SetBorder(1, 91), 90) << "equal limits pin the value";
  EXPECT_EQ(gen.SetBorder(2, 300), 255);
  EXPECT_EQ(gen.SetBorder(1, 256), 255);
  EXPECT_EQ(gen.SetBorder(0, -4), 0);
  EXPECT_TRUE(a.Border0 <= a.Border1 && a.Border1 <= a.Border2);
  EXPECT_EQ(gen.SetRoughness(301), 300);
  EXPECT_EQ(gen.SetRoughness(-1), 0);
  EXPECT_EQ(a.Roughness, 0);
  EXPECT_THROW(gen.SetTerrainType(2), ERangeError);
  EXPECT_EQ(a.TerrainType, 0);
}

TEST_F(MapGeneratorTest, GenerateReclassifyAndTransfer) {
  gen.SetView(&a, &big);
  EXPECT_FALSE(gen.TransferEnabled());
  EXPECT_FALSE(gen.Transfer());
  EXPECT_EQ(big.Cells[0][0].Terrain, 7);
  EXPECT_TRUE(std::all_of(gen.Preview().Pixels.begin(), gen.Preview().Pixels.end(),
                          [](uint8_t p) { return p == PreviewBackground; }));

  gen.GenerateFromSeed(42);
  EXPECT_TRUE(gen.TransferEnabled());
  const TPreview shown = gen.Preview();
  const GeneratorState generated = a;
  gen.SetRoughness(3);
  EXPECT_EQ(gen.Preview().Pixels, shown.Pixels) << "roughness alone shows nothing new";
  EXPECT_EQ(a.HeightMap, generated.HeightMap);

  gen.SetBorder(2, 255);
  gen.SetBorder(1, 255);
  EXPECT_TRUE(std::none_of(gen.CellCodes().begin(), gen.CellCodes().end(),
                           [](uint8_t c) { return CodeClass(c) == ccLand; }));
  gen.SetBorder(1, 90);
  gen.SetBorder(2, 120);
  EXPECT_EQ(gen.Preview().Pixels, shown.Pixels) << "same field, same borders, same picture";
  gen.SetTextured(true);
  gen.SetTerrainType(1);
  const TCellCodes textured = gen.CellCodes();

  // Switching away and back keeps both the field and its codes.
  gen.SetView(&b, &small);
  EXPECT_FALSE(gen.TransferEnabled());
  gen.SetView(&a, &big);
  EXPECT_EQ(gen.CellCodes(), textured);

  EXPECT_TRUE(gen.Transfer());
  EXPECT_NE(big.Cells[0][0].Terrain, 7);
  // The coasts are built into the codes, so no water code is left beside land.
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      if (CodeClass(gen.CellCodes()[static_cast<size_t>(y * 64 + x)]) == ccWater) {
        ASSERT_EQ(LandMask(gen.CellCodes(), 64, 64, x, y), 0) << x << ", " << y;
      }
  gen.Detach();
  EXPECT_FALSE(gen.Attached());
  EXPECT_FALSE(gen.Transfer());
}

TEST_F(MapGeneratorTest, ClockSeededGenerationFillsTheMap) {
  gen.SetView(&a, &small);
  gen.Generate();
  EXPECT_TRUE(a.Generated);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x)
      ASSERT_NE(a.Height(x, y), 0);
  EXPECT_EQ(a.Height(24, 0), 0);
}

}  // namespace
}  // namespace vh
