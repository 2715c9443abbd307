#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/Errors.h"
#include "generator/Generator.h"
#include "generator/Random.h"

namespace vh {
namespace {

uint8_t H(const GeneratorState& s, int x, int y) {
  return s.Height(x, y);
}

// Values worked out by hand from seed := seed * 134775813 + 1 (mod 2^32).
TEST(RandomTest, SequenceAndDrawsMatchTheArithmetic) {
  TRandom r;
  r.Seed = 0;
  EXPECT_EQ(r.Below(100), 0);  // seed 1: 100 / 2^32 rounds down to 0
  EXPECT_EQ(r.Seed, 1u);
  EXPECT_EQ(r.Below(1000), 31);  // seed 134775814: 134775814000 >> 32
  EXPECT_EQ(r.Seed, 134775814u);
  EXPECT_DOUBLE_EQ(r.Real(), 3698175007.0 / 4294967296.0);
  r.Below(1);
  EXPECT_EQ(r.Seed, 870078620u);

  r.Seed = 12345;
  EXPECT_EQ(r.Below(255), 98);
  EXPECT_EQ(r.Seed, 1655067934u);
  r.Seed = 0xFFFFFFFFu;
  EXPECT_EQ(r.Below(2147483647), 2080095741);
  EXPECT_EQ(r.Seed, 4160191484u);

  // A non-positive bound still advances the sequence.
  r.Seed = 0;
  EXPECT_EQ(r.Below(0), 0);
  EXPECT_EQ(r.Seed, 1u);
}

TEST(RandomTest, SeedFromTimeOfDayAndProcessWideInstance) {
  TRandom r;
  r.SeedFromTimeOfDay(13, 5, 7, 250);
  EXPECT_EQ(r.Seed, static_cast<uint32_t>(((13 * 60 + 5) * 60 + 7) * 1000 + 250));
  r.SeedFromTimeOfDay(23, 59, 59, 999);
  EXPECT_EQ(r.Seed, 86399999u);
  r.Randomize();
  EXPECT_LT(r.Seed, 86400000u);
  EXPECT_EQ(&Rng(), &Rng());
}

TEST(HeightsTest, DisplaceMidpointArithmetic) {
  THeightMap map{};
  auto at = [&](int x, int y) -> uint8_t& { return map[static_cast<size_t>(y * 64 + x)]; };
  at(0, 0) = 100;
  at(2, 0) = 200;
  // Seed 0 gives r = 2^-32: n = trunc(-4.99999... * 2 * 100) = -999.
  Rng().Seed = 0;
  DisplaceMidpoint(map, 100, {1, 0}, {0, 0}, {2, 0});
  EXPECT_EQ(at(1, 0), 140);  // (15000 - 999) / 100
  // A cell is set once.
  DisplaceMidpoint(map, 100, {1, 0}, {0, 0}, {2, 0});
  EXPECT_EQ(at(1, 0), 140);
  EXPECT_EQ(Rng().Seed, 1u) << "a set target draws nothing";

  // n is truncated toward zero: r = 0.4495 gives -50.5 -> -50, so
  // (10050 - 50) / 100 = 100, where rounding down would give 99.
  at(0, 5) = 100;
  at(1, 5) = 101;
  Rng().Seed = 2225012254u;
  DisplaceMidpoint(map, 100, {0, 6}, {0, 5}, {1, 5});
  EXPECT_EQ(at(0, 6), 100);

  // Clamped to 1..255.
  at(0, 10) = 1;
  at(2, 10) = 1;
  Rng().Seed = 0;
  DisplaceMidpoint(map, 100, {1, 10}, {0, 10}, {2, 10});
  EXPECT_EQ(at(1, 10), 1);
  at(0, 12) = 250;
  at(2, 12) = 250;
  Rng().Seed = 1298181734u;  // next seed 2^32 - 1: r just below 1, n = 999
  DisplaceMidpoint(map, 100, {1, 12}, {0, 12}, {2, 12});
  EXPECT_EQ(at(1, 12), 255);
}

TEST(HeightsTest, RoughnessZeroGivesMeansOfTheCorners) {
  GeneratorState s;
  s.Roughness = 0;
  Rng().Seed = 7;  // corners drawn in the order (0,0), (W-1,0), (W-1,H-1), (0,H-1)
  GenerateHeights(s, 3, 3);
  EXPECT_EQ(H(s, 0, 0), 57);
  EXPECT_EQ(H(s, 2, 0), 214);
  EXPECT_EQ(H(s, 2, 2), 65);
  EXPECT_EQ(H(s, 0, 2), 178);
  EXPECT_EQ(H(s, 1, 0), (57 + 214) / 2);
  EXPECT_EQ(H(s, 2, 1), (214 + 65) / 2);
  EXPECT_EQ(H(s, 1, 2), (178 + 65) / 2);
  EXPECT_EQ(H(s, 0, 1), (57 + 178) / 2);
  EXPECT_EQ(H(s, 1, 1), (57 + 214 + 65 + 178) / 4);  // the centre is never displaced
  EXPECT_EQ(H(s, 3, 0), 0);
  EXPECT_EQ(H(s, 0, 3), 0);
}

TEST(HeightsTest, FixedSeedFieldsAreReproducibleAndComplete) {
  for (const TPoint size : {TPoint{64, 64}, TPoint{24, 16}, TPoint{37, 23}, TPoint{1, 9}, TPoint{2, 2}}) {
    SCOPED_TRACE(testing::Message() << size.x << " x " << size.y);
    GeneratorState a, b;
    Rng().Seed = 4711;
    GenerateHeights(a, size.x, size.y);
    Rng().Seed = 4711;
    GenerateHeights(b, size.x, size.y);
    EXPECT_EQ(a, b);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        const bool inside = x < size.x && y < size.y;
        ASSERT_EQ(H(a, x, y) != 0, inside) << "cell " << x << ", " << y;
      }
  }
  // Roughness 0: every height lies between the lowest and highest corner.
  GeneratorState s;
  s.Roughness = 0;
  Rng().Seed = 99;
  GenerateHeights(s, 64, 64);
  const auto corners = {H(s, 0, 0), H(s, 63, 0), H(s, 63, 63), H(s, 0, 63)};
  const auto [lo, hi] = std::minmax(corners);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      ASSERT_GE(H(s, x, y), lo);
      ASSERT_LE(H(s, x, y), hi);
    }
}

TEST(HeightsTest, SeedsAndRoughnessChangeTheFieldAndTheTextureSeed) {
  GeneratorState a, b, c;
  Rng().Seed = 1;
  GenerateHeights(a, 64, 64);
  Rng().Seed = 2;
  GenerateHeights(b, 64, 64);
  c.Roughness = 300;
  Rng().Seed = 1;
  GenerateHeights(c, 64, 64);
  EXPECT_NE(a.HeightMap, b.HeightMap);
  EXPECT_NE(a.TextureSeed, b.TextureSeed);
  EXPECT_NE(a.HeightMap, c.HeightMap);
  EXPECT_EQ(H(a, 0, 0), H(c, 0, 0)) << "corners do not depend on the roughness";
  EXPECT_GE(a.TextureSeed, 0);
}

TEST(HeightsTest, RejectsImpossibleSizesCellsAndRoughness) {
  GeneratorState s;
  EXPECT_THROW(GenerateHeights(s, 0, 16), ERangeError);
  EXPECT_THROW(GenerateHeights(s, 65, 16), ERangeError);
  EXPECT_THROW(Classify(s, 24, 0), ERangeError);
  s.Roughness = 301;
  EXPECT_THROW(GenerateHeights(s, 24, 16), ERangeError);
  THeightMap map{};
  EXPECT_THROW(DisplaceMidpoint(map, 100, {64, 0}, {0, 0}, {1, 0}), ERangeError);
  EXPECT_THROW(DisplaceMidpoint(map, -1, {2, 0}, {0, 0}, {1, 0}), ERangeError);
  EXPECT_THROW(Subdivide(map, 100, 0, 0, 64, 3), ERangeError);
}

GeneratorState Generated(uint32_t seed, int w = 64, int h = 64) {
  GeneratorState s;
  Rng().Seed = seed;
  GenerateHeights(s, w, h);
  s.Generated = true;
  return s;
}

TEST(ClassifyTest, SameFieldSameCodesWhateverHappenedBetween) {
  for (uint8_t type : {0, 1})
    for (bool textured : {false, true}) {
      SCOPED_TRACE(testing::Message() << "type " << int(type) << " textured " << textured);
      GeneratorState s = Generated(555);
      s.TerrainType = type;
      s.Textured = textured;
      const TCellCodes first = Classify(s, 64, 64);
      Rng().Seed = 123456;  // other draws in between must not matter
      EXPECT_EQ(Classify(s, 64, 64), first);
    }
}

TEST(ClassifyTest, BordersSplitTheHeights) {
  GeneratorState s = Generated(31337);
  s.Border0 = 60;
  s.Border1 = 90;
  s.Border2 = 120;
  const TCellCodes codes = Classify(s, 64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const int h = H(s, x, y);
      const uint8_t want = h <= 60 ? CodeDeep : h <= 90 ? CodeMedium : h <= 120 ? CodeShallow : CodeLand;
      ASSERT_EQ(codes[static_cast<size_t>(y * 64 + x)], want) << x << ", " << y;
    }

  s.Border2 = 255;
  s.Border1 = 255;
  for (uint8_t c : Classify(s, 64, 64))
    ASSERT_EQ(CodeClass(c), ccWater) << "Border2 255 leaves no land";

  s = Generated(31337);
  const uint8_t lowest = *std::min_element(s.HeightMap.begin(), s.HeightMap.end(), [](uint8_t a, uint8_t b) {
    return (a ? a : 256) < (b ? b : 256);
  });
  s.Border0 = static_cast<uint8_t>(lowest - 1);
  const TCellCodes noDeep = Classify(s, 64, 64);
  EXPECT_EQ(std::count(noDeep.begin(), noDeep.end(), CodeDeep), 0);
  s.Border0 = lowest;
  const TCellCodes someDeep = Classify(s, 64, 64);
  EXPECT_GT(std::count(someDeep.begin(), someDeep.end(), CodeDeep), 0);
}

TEST(ClassifyTest, CellsWithoutHeightAndOutsideTheGridHaveNoCode) {
  GeneratorState s = Generated(8, 24, 16);
  const TCellCodes codes = Classify(s, 30, 20);  // a grid larger than the field
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      ASSERT_EQ(codes[static_cast<size_t>(y * 64 + x)] == CodeNone, x >= 24 || y >= 16) << x << ", " << y;
}

TEST(ClassifyTest, TexturedLandFollowsTheRuleOfEachSet) {
  GeneratorState s = Generated(2024);
  s.Border0 = 20;
  s.Border1 = 40;
  s.Border2 = 60;
  s.Textured = true;
  for (uint8_t type : {0, 1}) {
    s.TerrainType = type;
    const int count = TerrainSets[type].LandCount;
    const TCellCodes codes = Classify(s, 64, 64);
    TRandom q;
    q.Seed = static_cast<uint32_t>(s.TextureSeed);
    std::set<int> used;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        const int draw = q.Below(1000);
        const int h = H(s, x, y);
        const uint8_t code = codes[static_cast<size_t>(y * 64 + x)];
        if (h <= 60)
          continue;
        ASSERT_EQ(CodeClass(code), ccLand);
        int want;
        if (type == 0)
          want = (h / 7 + x / 3 + y / 3 + draw % 3) % count;
        else
          want = std::clamp((h - 60) / ((255 - 60) / count + 1) + draw % 3 - 1, 0, count - 1);
        ASSERT_EQ(CodeNumber(code), want) << "type " << int(type) << " cell " << x << ", " << y;
        used.insert(want);
      }
    EXPECT_GT(used.size(), 2u) << "texture varies the land";
  }
  s.Textured = false;
  for (uint8_t c : Classify(s, 64, 64))
    ASSERT_TRUE(CodeClass(c) != ccLand || c == CodeLand);
}

TEST(ClassifyTest, UnknownTerrainTypeIsARangeError) {
  GeneratorState s = Generated(1);
  s.TerrainType = 2;
  EXPECT_THROW(Classify(s, 64, 64), ERangeError);
}

TEST(PreviewTest, SizesAndRowPadding) {
  EXPECT_EQ(PreviewSize(24, 16), (TPoint{72, 74}));
  EXPECT_EQ(PreviewSize(64, 64), (TPoint{192, 290}));
  TCellCodes codes{};
  const TPreview small = DrawPreview(codes, 24, 16, 0, true);
  EXPECT_EQ(small.Width, 72);
  EXPECT_EQ(small.Height, 74);
  EXPECT_EQ(small.Stride, 72);
  const TPreview odd = DrawPreview(codes, 25, 17, 0, true);
  EXPECT_EQ(odd.Width, 75);
  EXPECT_EQ(odd.Stride, 76);
  EXPECT_EQ(odd.Height, 74);  // the last, odd row is cut
  EXPECT_EQ(odd.Pixels.size(), 76u * 74u);
  const TPreview blank = DrawPreview(codes, 64, 64, 1, false);
  EXPECT_TRUE(std::all_of(blank.Pixels.begin(), blank.Pixels.end(), [](uint8_t p) { return p == 228; }));
}

TEST(PreviewTest, BlocksFollowTheHexLayout) {
  TCellCodes codes{};
  auto set = [&](int x, int y, uint8_t c) { codes[static_cast<size_t>(y * 64 + x)] = c; };
  set(0, 0, CodeDeep);
  set(1, 0, CodeLand + 3);
  set(0, 1, CodeMedium);
  set(1, 1, CodeCoast + 4);
  set(2, 0, CodeShallow);
  set(3, 0, 0x14);  // no such water: shown as unknown
  const TPreview p = DrawPreview(codes, 24, 16, 0, true);
  // Cell (0,0): columns 0..2, rows 0..3.
  for (int y = 0; y <= 3; ++y)
    EXPECT_EQ(p.At(1, y), 9);
  // Cell (1,0) sits two pixels lower: rows 2..5 at columns 3..5.
  EXPECT_EQ(p.At(4, 0), 228);
  EXPECT_EQ(p.At(4, 1), 228);
  EXPECT_EQ(p.At(4, 2), 36);
  EXPECT_EQ(p.At(5, 5), 36);
  // Cell (0,1): rows 4..8, five rows for the odd row.
  EXPECT_EQ(p.At(0, 4), 12);
  EXPECT_EQ(p.At(2, 8), 12);
  EXPECT_EQ(p.At(0, 9), 6) << "cell (0,2) has no code";
  // Cell (1,1): rows 6..10, coast in the shallow colour.
  EXPECT_EQ(p.At(3, 6), 15);
  EXPECT_EQ(p.At(3, 10), 15);
  EXPECT_EQ(p.At(6, 0), 15);
  EXPECT_EQ(p.At(9, 2), 6);

  const TPreview dark = DrawPreview(codes, 24, 16, 1, true);
  EXPECT_EQ(dark.At(1, 1), 113);
  EXPECT_EQ(dark.At(4, 3), 25);
  EXPECT_EQ(dark.At(0, 5), 115);
  EXPECT_EQ(dark.At(3, 7), 51);
}

}  // namespace
}  // namespace vh
