#include <gtest/gtest.h>

#include "graphics/HexPicture.h"

namespace vh {
namespace {

// Every value 0..255 appears, most of them twice.
THexPicture Ramp() {
  THexPicture p;
  for (int i = 0; i < HexPixels; ++i)
    p.Pixels[static_cast<size_t>(i)] = static_cast<uint8_t>(i * 5 + 3);
  return p;
}

TEST(HexOutline, InsetTableIsSymmetricWithFullMiddleRows) {
  for (int r = 0; r < HexSize; ++r)
    EXPECT_EQ(HexRowInset[static_cast<size_t>(r)], HexRowInset[static_cast<size_t>(23 - r)]) << "row " << r;
  EXPECT_EQ(HexRowInset[0], 8);
  EXPECT_EQ(HexRowInset[11], 0);
  EXPECT_EQ(HexRowInset[12], 0);
  // Row 0 keeps columns 8..15.
  EXPECT_FALSE(InsideHexOutline(0, 7));
  EXPECT_TRUE(InsideHexOutline(0, 8));
  EXPECT_TRUE(InsideHexOutline(0, 15));
  EXPECT_FALSE(InsideHexOutline(0, 16));
  EXPECT_TRUE(InsideHexOutline(11, 0));
  EXPECT_TRUE(InsideHexOutline(12, 23));
  EXPECT_FALSE(InsideHexOutline(-1, 12));
  EXPECT_FALSE(InsideHexOutline(24, 12));
}

TEST(PictureOps, FillHexOutsideTouchesExactlyThePixelsOutsideTheOutline) {
  const THexPicture original = Ramp();
  THexPicture p = original;
  FillHexOutside(p, 77);
  int outside = 0;
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      if (InsideHexOutline(r, c)) {
        EXPECT_EQ(p.At(r, c), original.At(r, c)) << r << "," << c;
      } else {
        EXPECT_EQ(p.At(r, c), 77) << r << "," << c;
        ++outside;
      }
    }
  EXPECT_EQ(outside, 2 * (2 * (8 + 7 + 7 + 6 + 5 + 4 + 4 + 3 + 2 + 1 + 1)));
}

TEST(PictureOps, OverlaySkipsOnlyTheKeyColour) {
  const THexPicture dest = THexPicture::Filled(9);
  const THexPicture src = Ramp();
  for (uint8_t key : {uint8_t{0}, uint8_t{8}, uint8_t{255}}) {
    THexPicture d = dest;
    OverlayPicture(d, src, key);
    for (int i = 0; i < HexPixels; ++i) {
      const uint8_t s = src.Pixels[static_cast<size_t>(i)];
      EXPECT_EQ(d.Pixels[static_cast<size_t>(i)], s == key ? 9 : s) << "key " << int(key) << " pixel " << i;
    }
  }
}

TEST(PictureOps, ReplaceColourChangesOnlyThatColour) {
  THexPicture p = Ramp();
  const THexPicture before = p;
  ReplaceColour(p, 8, 200);
  for (int i = 0; i < HexPixels; ++i) {
    const uint8_t b = before.Pixels[static_cast<size_t>(i)];
    EXPECT_EQ(p.Pixels[static_cast<size_t>(i)], b == 8 ? 200 : b);
  }
}

TEST(PictureOps, FlipAndMirrorSwapRowsAndColumnsAndUndoThemselves) {
  const THexPicture original = Ramp();
  THexPicture flipped = original;
  FlipVertical(flipped);
  THexPicture mirrored = original;
  MirrorHorizontal(mirrored);
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      EXPECT_EQ(flipped.At(r, c), original.At(23 - r, c));
      EXPECT_EQ(mirrored.At(r, c), original.At(r, 23 - c));
    }
  FlipVertical(flipped);
  MirrorHorizontal(mirrored);
  EXPECT_EQ(flipped, original);
  EXPECT_EQ(mirrored, original);
}

TEST(PictureOps, RecolourForOwnerMovesNeutralColoursIntoTheOwnersRange) {
  THexPicture p = Ramp();
  const THexPicture before = p;
  RecolourForOwner(p, 1);  // base 104
  for (int i = 0; i < HexPixels; ++i) {
    const uint8_t b = before.Pixels[static_cast<size_t>(i)];
    EXPECT_EQ(p.Pixels[static_cast<size_t>(i)], (b >= 1 && b <= 7) ? 104 + b : b) << "pixel " << i;
  }
  // Every owner, against the stepwise definition: colour 1, then 2, ... 7.
  for (unsigned owner = 0; owner < 8; ++owner) {
    THexPicture expected = before;
    for (int b = 1; b <= 7; ++b)
      ReplaceColour(expected, static_cast<uint8_t>(b), static_cast<uint8_t>(OwnerColourBase[owner] + b));
    THexPicture got = before;
    RecolourForOwner(got, owner);
    EXPECT_EQ(got, expected) << "owner " << owner;
  }
  EXPECT_EQ(OwnerColourBase, (std::array<uint8_t, 8>{16, 104, 56, 32, 48, 120, 80, 144}));
}

TEST(PictureOps, OwnersAboveSevenLeaveThePictureUncoloured) {
  for (unsigned owner : {8u, 9u, 0xFEu, 0xFFu, 1000u}) {
    THexPicture p = Ramp();
    RecolourForOwner(p, owner);
    EXPECT_EQ(p, Ramp()) << "owner " << owner;
  }
}

}  // namespace
}  // namespace vh
