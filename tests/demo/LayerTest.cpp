// Line objects join into continuous lines: for every neighbour mask, the
// picture the editor composes (stored picture, flipped and mirrored as the
// combination table says) reaches exactly the sides the mask names.
#include <gtest/gtest.h>

#include "DemoFiles.h"

namespace vh::demotest {
namespace {

Pic Composed(const ByteStream& lib, unsigned mask) {
  uint8_t e = ComboTable[mask];
  Pic p = PicAt(lib, 4 + static_cast<size_t>(e & 63) * 576);
  FillOutside(p, 255);
  if (e & 64)
    FlipVertical(p);
  if (e & 128)
    MirrorHorizontal(p);
  return p;
}

class DemoLayer : public ::testing::TestWithParam<int> {
protected:
  ByteStream lib = Installation::Get().Lib("layr00" + std::to_string(GetParam()) + ".lib");
};

TEST_P(DemoLayer, EveryMaskConnectsExactlyItsSides) {
  auto probes = SideProbes();
  for (unsigned mask = 0; mask < 64; ++mask) {
    Pic p = Composed(lib, mask);
    for (int d = 0; d < 6; ++d)
      for (auto [c, r] : probes[d]) {
        bool drawn = At(p, c, r) != 0;
        EXPECT_EQ(drawn, (mask >> d) & 1) << "kind " << GetParam() << ", mask " << mask << ", side " << d
                                          << ", pixel (" << c << ", " << r << ")";
      }
  }
}

TEST_P(DemoLayer, LinesReachTheCentre) {
  // A line of one cell must meet the others in the middle, or a bend would show a gap.
  for (unsigned mask = 1; mask < 64; ++mask) {
    Pic p = Composed(lib, mask);
    EXPECT_NE(At(p, 11, 11), 0) << "mask " << mask;
    EXPECT_NE(At(p, 12, 12), 0) << "mask " << mask;
  }
}

TEST_P(DemoLayer, BackgroundStaysTransparent) {
  // Overlays skip value 0: a line picture must leave most of the cell to the terrain.
  for (unsigned mask = 0; mask < 64; ++mask) {
    Pic p = Composed(lib, mask);
    int zero = 0;
    for (int r = 0; r < 24; ++r)
      for (int c = 0; c < 24; ++c)
        zero += Inside(c, r) && At(p, c, r) == 0;
    EXPECT_GT(zero, 100) << "mask " << mask;
  }
}

TEST_P(DemoLayer, LineCrossesBetweenNeighboursWithoutAGap) {
  // Cell (0, 0) and its lower-right neighbour (1, 0), placed 16 pixels right
  // and 12 down: where the line leaves one cell, it enters the other within
  // one row, so the two halves touch.
  Pic left = Composed(lib, 1u << 2), right = Composed(lib, 1u << 5);
  auto leftDrawn = [&](int gy) { return gy >= 12 && gy < 24 && At(left, 23 - Inset[gy], gy) != 0; };
  auto rightDrawn = [&](int gy) { return gy >= 12 && gy < 24 && At(right, Inset[gy - 12], gy - 12) != 0; };
  int crossing = 0;
  for (int gy = 12; gy < 24; ++gy) {
    if (leftDrawn(gy)) {
      ++crossing;
      EXPECT_TRUE(rightDrawn(gy - 1) || rightDrawn(gy) || rightDrawn(gy + 1)) << "row " << gy;
    }
    if (rightDrawn(gy)) {
      EXPECT_TRUE(leftDrawn(gy - 1) || leftDrawn(gy) || leftDrawn(gy + 1)) << "row " << gy;
    }
  }
  EXPECT_GE(crossing, 2);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, DemoLayer, ::testing::Values(0, 1, 2, 3));

}  // namespace
}  // namespace vh::demotest
