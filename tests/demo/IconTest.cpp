// The Windows program icon: an icon file Windows reads, read back here with
// the layout of its headers written out by hand.
#include <gtest/gtest.h>

#include <tuple>

#include "DemoFiles.h"
#include "demo/AppIcon.h"
#include "demo/Palette.h"

namespace vh::demotest {
namespace {

struct IconEntry {
  int Size;
  uint32_t Bytes;
  uint32_t Offset;
};

// 40 header bytes, 4 bytes a pixel, then a mask of one bit a pixel with rows
// padded to 4 bytes (24 and 32 pixels: 4 bytes, 48: 8, 256: 32).
constexpr IconEntry kEntries[] = {
    {24, 40 + 24 * 24 * 4 + 24 * 4, 6 + 4 * 16},
    {32, 40 + 32 * 32 * 4 + 32 * 4, 70 + 2440},
    {48, 40 + 48 * 48 * 4 + 48 * 8, 2510 + 4264},
    {256, 40 + 256 * 256 * 4 + 256 * 32, 6774 + 9640},
};

uint32_t U32(const ByteStream& f, size_t at) {
  return GetU16(f, at) | (static_cast<uint32_t>(GetU16(f, at + 2)) << 16);
}

TEST(WindowsIcon, DirectoryListsFourBitmapsBackToBack) {
  const ByteStream ico = demo::AppIconIco();
  ASSERT_EQ(ico.size(), 16414u + 270376u);
  EXPECT_EQ(GetU16(ico, 0), 0) << "reserved";
  EXPECT_EQ(GetU16(ico, 2), 1) << "an icon";
  EXPECT_EQ(GetU16(ico, 4), 4) << "images";
  for (size_t i = 0; i < std::size(kEntries); ++i) {
    const IconEntry& e = kEntries[i];
    const size_t at = 6 + 16 * i;
    const uint8_t sizeByte = e.Size == 256 ? 0 : static_cast<uint8_t>(e.Size);
    EXPECT_EQ(ico[at], sizeByte) << e.Size;
    EXPECT_EQ(ico[at + 1], sizeByte) << e.Size;
    EXPECT_EQ(ico[at + 2], 0) << "no palette";
    EXPECT_EQ(GetU16(ico, at + 4), 1) << "planes";
    EXPECT_EQ(GetU16(ico, at + 6), 32) << "bits per pixel";
    EXPECT_EQ(U32(ico, at + 8), e.Bytes) << e.Size;
    EXPECT_EQ(U32(ico, at + 12), e.Offset) << e.Size;

    // Each image starts with a bitmap header twice as high as the icon:
    // colour rows and mask rows.
    EXPECT_EQ(U32(ico, e.Offset), 40u);
    EXPECT_EQ(U32(ico, e.Offset + 4), static_cast<uint32_t>(e.Size));
    EXPECT_EQ(U32(ico, e.Offset + 8), static_cast<uint32_t>(2 * e.Size));
    EXPECT_EQ(GetU16(ico, e.Offset + 12), 1);
    EXPECT_EQ(GetU16(ico, e.Offset + 14), 32);
    EXPECT_EQ(U32(ico, e.Offset + 16), 0u) << "uncompressed";
  }
}

// Pixel (x, y) counted from the top left of the icon of entry `e`: its
// colour and alpha, and its bit of the mask (rows go bottom-up).
struct IconPixel {
  uint8_t B, G, R, A;
  bool Masked;
};

IconPixel PixelAt(const ByteStream& ico, const IconEntry& e, int x, int y) {
  const size_t colours = e.Offset + 40;
  const size_t p = colours + (static_cast<size_t>(e.Size - 1 - y) * e.Size + x) * 4;
  const size_t maskRow = e.Size == 256 ? 32 : e.Size == 48 ? 8 : 4;
  const size_t m = colours + static_cast<size_t>(e.Size) * e.Size * 4 + (e.Size - 1 - y) * maskRow + x / 8;
  return {ico[p], ico[p + 1], ico[p + 2], ico[p + 3], (ico[m] & (0x80 >> (x % 8))) != 0};
}

TEST(WindowsIcon, EachSizeShowsTheHexagonEnlargedByWholePixelsAndCentred) {
  const ByteStream ico = demo::AppIconIco();
  const demo::Picture emblem = demo::AppEmblem();
  const demo::PaletteData colours = demo::BuildPalette(1);
  // Size: scale and margin around the enlarged 24-pixel hexagon.
  const std::pair<int, int> placement[] = {{1, 0}, {1, 4}, {2, 0}, {10, 8}};
  for (size_t i = 0; i < std::size(kEntries); ++i) {
    const IconEntry& e = kEntries[i];
    const auto [scale, margin] = placement[i];
    for (int y = 0; y < e.Size; ++y)
      for (int x = 0; x < e.Size; ++x) {
        const IconPixel px = PixelAt(ico, e, x, y);
        const int c = (x - margin) / scale, r = (y - margin) / scale;
        const bool inside = x >= margin && y >= margin && c < Px && r < Px && Inside(c, r);
        ASSERT_EQ(px.A, inside ? 255 : 0) << e.Size << ": " << x << "," << y;
        ASSERT_EQ(px.Masked, !inside) << e.Size << ": " << x << "," << y;
        if (inside) {
          const demo::Rgb want = colours[emblem[static_cast<size_t>(r * Px + c)]];
          ASSERT_EQ(std::tie(px.R, px.G, px.B), std::tie(want.r, want.g, want.b))
              << e.Size << ": " << x << "," << y;
        }
      }
  }
}

}  // namespace
}  // namespace vh::demotest
