// The palette gives the fixed indices their roles and the owners distinct hues.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "DemoFiles.h"

namespace vh::demotest {
namespace {

double Luma(Rgb c) {
  return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}
int Spread(Rgb c) {
  return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b});
}
double Distance(Rgb a, Rgb b) {
  return std::hypot(a.r - b.r, a.g - b.g, a.b - b.b);
}
bool Bluish(Rgb c) {
  return c.b >= c.g && c.b > c.r;
}
bool Greenish(Rgb c) {
  return c.g > c.r && c.g > c.b;
}

class DemoPalette : public ::testing::Test {
protected:
  std::array<Rgb, 256> p = GamePalette(Installation::Get());
};

TEST_F(DemoPalette, OwnerRangesRunFromDarkToLight) {
  for (int o = 0; o < 8; ++o)
    for (int b = 1; b < 7; ++b)
      EXPECT_LT(Luma(p[OwnerBase[o] + b]), Luma(p[OwnerBase[o] + b + 1])) << "owner " << o << " shade " << b;
}

TEST_F(DemoPalette, PlayersHaveDistinctHuesAndNeutralIsGrey) {
  for (int a = 0; a < 8; ++a)
    for (int b = a + 1; b < 8; ++b)
      EXPECT_GT(Distance(p[OwnerBase[a] + 4], p[OwnerBase[b] + 4]), 60) << "owners " << a << " and " << b;
  for (int o = 0; o < 6; ++o)
    EXPECT_GT(Spread(p[OwnerBase[o] + 4]), 80) << "player " << o << " needs a clear colour";
  for (int b = 1; b <= 7; ++b)
    EXPECT_LT(Spread(p[OwnerBase[6] + b]), 16) << "neutral shade " << b;
}

TEST_F(DemoPalette, NeutralDrawingShadesRunFromDarkToLight) {
  for (int b = 1; b < 7; ++b)
    EXPECT_LT(Luma(p[b]), Luma(p[b + 1])) << b;
  for (int b = 1; b <= 7; ++b)
    EXPECT_LT(Spread(p[b]), 40) << "shade " << b << " should be a grey or a muted brown";
}

TEST_F(DemoPalette, FixedIndicesHaveTheirRoles) {
  EXPECT_LT(Luma(p[88]), 48) << "empty cells and the unit outlines are dark";
  EXPECT_LT(Luma(p[91]), 64) << "grid lines";
  EXPECT_GT(Luma(p[255]), 200) << "side highlights are drawn in 255";
  EXPECT_GT(Distance(p[88], p[91]), 0);
}

TEST_F(DemoPalette, MapGeneratorPreviewColoursFitTheirMeaning) {
  // Light set: shallow, medium, deep water get darker; land is green.
  for (int c : {15, 12, 9})
    EXPECT_TRUE(Bluish(p[c])) << c;
  EXPECT_GT(Luma(p[15]), Luma(p[12]));
  EXPECT_GT(Luma(p[12]), Luma(p[9]));
  EXPECT_TRUE(Greenish(p[36]));
  // Dark set.
  for (int c : {51, 115, 113})
    EXPECT_TRUE(Bluish(p[c]) || (p[c].b >= p[c].r && p[c].g >= p[c].r)) << c;
  EXPECT_GT(Luma(p[115]), Luma(p[113]));
  EXPECT_TRUE(Greenish(p[25]));
  EXPECT_LT(Spread(p[228]), 16) << "preview background";
}

}  // namespace
}  // namespace vh::demotest
