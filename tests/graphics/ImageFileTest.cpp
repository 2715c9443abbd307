#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "graphics/IndexedImage.h"
#include "support/FakeGraphics.h"

namespace vh {
namespace {

uint32_t BE32(const ByteStream& b, size_t at) {
  return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) | b[at + 3];
}
uint32_t LE32(const ByteStream& b, size_t at) {
  return b[at] | (uint32_t{b[at + 1]} << 8) | (uint32_t{b[at + 2]} << 16) | (uint32_t{b[at + 3]} << 24);
}

TIndexedImage Pattern(int32_t w, int32_t h) {
  TIndexedImage img;
  img.Resize(w, h, 0);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      img.Row(y)[x] = static_cast<uint8_t>(x * 3 + y * 7);
  return img;
}

TPalette RampPalette() {
  TPalette pal{};
  for (int i = 0; i < 256; ++i)
    pal[static_cast<size_t>(i)] = {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i),
                                   static_cast<uint8_t>(i / 2), 0};
  return pal;
}

TEST(Checksums, MatchTheirPublishedCheckValues) {
  const char* digits = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>(digits), 9), 0xCBF43926u);
  const char* word = "Wikipedia";
  EXPECT_EQ(Adler32(reinterpret_cast<const uint8_t*>(word), 9), 0x11E60398u);
  // Long input: the sums are reduced in time.
  ByteStream ff(100000, 0xFF);
  uint64_t a = 1, b = 0;
  for (uint8_t v : ff) {
    a = (a + v) % 65521;
    b = (b + a) % 65521;
  }
  EXPECT_EQ(Adler32(ff.data(), ff.size()), static_cast<uint32_t>((b << 16) | a));
}

TEST(BmpFile, IsAnEightBitBottomUpPictureWithTheColourTable) {
  const TIndexedImage img = Pattern(5, 3);  // rows padded to 8 bytes
  const TPalette pal = RampPalette();
  const ByteStream bmp = EncodeBmp(img, pal);
  ASSERT_EQ(bmp.size(), 14u + 40 + 1024 + 8 * 3);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(LE32(bmp, 2), bmp.size());
  EXPECT_EQ(LE32(bmp, 10), 14u + 40 + 1024);
  EXPECT_EQ(LE32(bmp, 14), 40u);
  EXPECT_EQ(LE32(bmp, 18), 5u);
  EXPECT_EQ(LE32(bmp, 22), 3u);
  EXPECT_EQ(GetU16(bmp, 26), 1);
  EXPECT_EQ(GetU16(bmp, 28), 8);
  EXPECT_EQ(LE32(bmp, 30), 0u);
  EXPECT_EQ(LE32(bmp, 46), 256u);
  for (size_t i = 0; i < 256; ++i) {
    EXPECT_EQ(bmp[54 + 4 * i], pal[i].Blue);
    EXPECT_EQ(bmp[54 + 4 * i + 1], pal[i].Green);
    EXPECT_EQ(bmp[54 + 4 * i + 2], pal[i].Red);
  }
  const size_t pixels = 14 + 40 + 1024;
  for (int32_t y = 0; y < 3; ++y) {
    const size_t row = pixels + static_cast<size_t>(2 - y) * 8;  // last row first
    for (int32_t x = 0; x < 5; ++x)
      EXPECT_EQ(bmp[row + static_cast<size_t>(x)], img.At(x, y)) << x << "," << y;
    for (size_t pad = 5; pad < 8; ++pad)
      EXPECT_EQ(bmp[row + pad], 0);
  }
}

// Walks the chunks, checks every CRC and inflates the picture data.
struct DecodedPng {
  uint32_t Width = 0, Height = 0;
  size_t IdatSize = 0;
  ByteStream Header, Palette, Alpha, Raw;
  std::vector<std::string> Chunks;
};

DecodedPng DecodePng(const ByteStream& png) {
  DecodedPng out;
  const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_EQ(std::memcmp(png.data(), signature, 8), 0);
  ByteStream idat;
  for (size_t at = 8; at < png.size();) {
    const uint32_t len = BE32(png, at);
    const std::string type(png.begin() + static_cast<ptrdiff_t>(at + 4),
                           png.begin() + static_cast<ptrdiff_t>(at + 8));
    EXPECT_EQ(Crc32(png.data() + at + 4, len + 4), BE32(png, at + 8 + len)) << type;
    ByteStream data(png.begin() + static_cast<ptrdiff_t>(at + 8),
                    png.begin() + static_cast<ptrdiff_t>(at + 8 + len));
    out.Chunks.push_back(type);
    if (type == "IHDR")
      out.Header = data;
    else if (type == "PLTE")
      out.Palette = data;
    else if (type == "tRNS")
      out.Alpha = data;
    else if (type == "IDAT")
      AppendBytes(idat, data);
    at += 12 + len;
  }
  out.Width = BE32(out.Header, 0);
  out.Height = BE32(out.Header, 4);
  EXPECT_EQ(idat[0], 0x78);
  EXPECT_EQ((idat[0] * 256 + idat[1]) % 31, 0);  // zlib header check bits
  // Scanlines are one filter byte and one byte per pixel.
  uLongf rawSize = static_cast<uLongf>(out.Height) * (out.Width + 1);
  out.Raw.resize(rawSize);
  EXPECT_EQ(uncompress(out.Raw.data(), &rawSize, idat.data(), static_cast<uLong>(idat.size())), Z_OK);
  EXPECT_EQ(rawSize, out.Raw.size());
  out.IdatSize = idat.size();
  return out;
}

TEST(PngFile, HoldsAnIndexedPicture) {
  // Over 64 KiB of scanlines: more than one deflate block.
  const TIndexedImage img = Pattern(300, 250);
  const TPalette pal = RampPalette();
  const DecodedPng png = DecodePng(EncodePng(img, pal));
  EXPECT_EQ(png.Chunks, (std::vector<std::string>{"IHDR", "PLTE", "IDAT", "IEND"}));
  EXPECT_EQ(png.Width, 300u);
  EXPECT_EQ(png.Height, 250u);
  EXPECT_EQ(ByteStream(png.Header.begin() + 8, png.Header.end()), (ByteStream{8, 3, 0, 0, 0}));
  ASSERT_EQ(png.Palette.size(), 768u);
  for (size_t i = 0; i < 256; ++i) {
    EXPECT_EQ(png.Palette[3 * i], pal[i].Red);
    EXPECT_EQ(png.Palette[3 * i + 1], pal[i].Green);
    EXPECT_EQ(png.Palette[3 * i + 2], pal[i].Blue);
  }
  ASSERT_EQ(png.Raw.size(), 250u * 301u);
  for (int32_t y = 0; y < 250; ++y) {
    const size_t row = static_cast<size_t>(y) * 301;
    ASSERT_EQ(png.Raw[row], 0) << "filter type of row " << y;
    ASSERT_TRUE(std::equal(img.Row(y), img.Row(y) + 300, png.Raw.begin() + static_cast<ptrdiff_t>(row + 1)))
        << y;
  }
}

TEST(PngFile, ALargePictureDeflatedInBandsReadsBackWhole) {
  // 1.6 MB of scanlines, deflated in several bands: every band must go on
  // where the one before it stopped. Repeats that reach across the band
  // borders and noise between them.
  TIndexedImage img;
  img.Resize(1032, 1548, 0);
  uint32_t noise = 12345;
  for (int32_t y = 0; y < img.Height; ++y)
    for (int32_t x = 0; x < img.Width; ++x) {
      noise = noise * 1103515245u + 12345u;
      img.Pixels[static_cast<size_t>(y) * 1032 + static_cast<size_t>(x)] =
          (x / 24 + y / 24) % 3 == 0 ? static_cast<uint8_t>(noise >> 24)
                                     : static_cast<uint8_t>((x % 24) * 7 + y % 24);
    }
  const ByteStream encoded = EncodePng(img, RampPalette());
  const DecodedPng png = DecodePng(encoded);
  ASSERT_EQ(png.Raw.size(), 1548u * 1033u);
  for (int32_t y = 0; y < img.Height; ++y) {
    const size_t row = static_cast<size_t>(y) * 1033;
    ASSERT_EQ(png.Raw[row], 0) << "filter type of row " << y;
    ASSERT_TRUE(std::equal(img.Row(y), img.Row(y) + 1032, png.Raw.begin() + static_cast<ptrdiff_t>(row + 1)))
        << y;
  }
  EXPECT_EQ(EncodePng(img, RampPalette()), encoded) << "the same bytes every time";
}

TEST(PngFile, MakesOnePaletteEntryTransparentOnRequest) {
  const TIndexedImage img = Pattern(30, 20);
  const TPalette pal = RampPalette();
  // The alpha table sits between palette and data and ends at the entry:
  // every entry before it stays opaque, those after it too.
  const DecodedPng png = DecodePng(EncodePng(img, pal, 5));
  EXPECT_EQ(png.Chunks, (std::vector<std::string>{"IHDR", "PLTE", "tRNS", "IDAT", "IEND"}));
  EXPECT_EQ(png.Alpha, (ByteStream{255, 255, 255, 255, 255, 0}));
  EXPECT_EQ(DecodePng(EncodePng(img, pal, 255)).Alpha.size(), 256u);
  EXPECT_EQ(DecodePng(EncodePng(img, pal, 0)).Alpha, ByteStream{0});
  EXPECT_EQ(DecodePng(EncodePng(img, pal, 256)).Chunks.size(), 4u) << "no such entry, no alpha table";
}

TEST(PngFile, MapsWithLargeAreasOfOneColourAreCompressed) {
  // A map-like picture: rows of repeating hexagon-sized tiles.
  TIndexedImage img;
  img.Width = 800;
  img.Height = 600;
  img.Pixels.resize(800u * 600u);
  for (int32_t y = 0; y < 600; ++y)
    for (int32_t x = 0; x < 800; ++x)
      img.Pixels[static_cast<size_t>(y) * 800 + static_cast<size_t>(x)] =
          static_cast<uint8_t>((x / 24 + y / 24) % 5);
  const DecodedPng png = DecodePng(EncodePng(img, RampPalette()));
  ASSERT_EQ(png.Raw.size(), 600u * 801u);
  EXPECT_LT(png.IdatSize * 20, png.Raw.size()) << "picture data stored without compression";
}

TEST(ImageFile, WritesByExtensionAndNamesTheFileOnFailure) {
  test::TempDir dir;
  const TIndexedImage img = Pattern(7, 4);
  const TPalette pal = RampPalette();
  WriteImageFile(dir.File("map.BMP"), img, pal);
  WriteImageFile(dir.File("map.png"), img, pal);
  EXPECT_EQ(ReadWholeFile(dir.File("map.BMP")), EncodeBmp(img, pal));
  EXPECT_EQ(ReadWholeFile(dir.File("map.png")), EncodePng(img, pal));
  EXPECT_THROW(WriteImageFile(dir.File("map.gif"), img, pal), EVhError);
  try {
    WriteImageFile(dir.File("no/such/dir/map.bmp"), img, pal);
    FAIL() << "writing into a missing directory succeeded";
  } catch (const EInOutError& e) {
    EXPECT_NE(std::string(e.what()).find("map.bmp"), std::string::npos) << e.what();
  }
  EXPECT_THROW(EncodePng(TIndexedImage{}, pal), EVhError);
}

}  // namespace
}  // namespace vh
