#include "demo/AppIcon.h"

#include <filesystem>
#include <stdexcept>

#include "base/FileUtil.h"
#include "base/Platform.h"
#include "demo/Palette.h"
#include "demo/PartCatalog.h"
#include "demo/Preview.h"
#include "graphics/IndexedImage.h"

namespace fs = std::filesystem;

namespace vh::demo {

Picture AppEmblem() {
  const PictureSets sets = PictureSets::Build();
  int terrain = 0;
  const auto groups = TerrainGroups();  // a range over a temporary's member would dangle
  for (int16_t cell : groups.at(0).Cells)
    if (cell >= 0) {
      terrain = cell;
      break;
    }
  Picture emblem = sets.Parts.at(static_cast<size_t>(terrain));
  Picture unit = sets.Units.at(0);
  RecolourForOwner(unit, 0);
  for (size_t i = 0; i < emblem.size(); ++i)
    if (unit[i] != pal::Key && unit[i] != pal::Outside)
      emblem[i] = unit[i];
  return emblem;
}

namespace {

TIndexedImage IconImage(const Picture& emblem, int size) {
  const int scale = size / HexSize;
  if (scale < 1)
    throw std::invalid_argument("an icon needs at least " + std::to_string(HexSize) + " pixels");
  const int margin = (size - scale * HexSize) / 2;
  TIndexedImage image;
  image.Resize(size, size, pal::Outside);
  for (int y = 0; y < scale * HexSize; ++y)
    for (int x = 0; x < scale * HexSize; ++x)
      image.Row(margin + y)[margin + x] = emblem[static_cast<size_t>(y / scale * HexSize + x / scale)];
  return image;
}

// An icon directory entry's image: BITMAPINFOHEADER (its height counts the
// colour rows and the mask rows), BGRA rows bottom-up, then the AND mask,
// one bit per pixel (1: transparent), rows padded to four bytes.
ByteStream IconBitmap(const TIndexedImage& image, const PaletteData& colours) {
  const int size = image.Width;
  const uint32_t maskRow = static_cast<uint32_t>((size + 31) / 32 * 4);
  ByteStream out;
  AppendU32(out, 40);
  AppendU32(out, static_cast<uint32_t>(size));
  AppendU32(out, static_cast<uint32_t>(2 * size));
  AppendU16(out, 1);   // planes
  AppendU16(out, 32);  // bits per pixel
  AppendU32(out, 0);   // uncompressed
  AppendU32(out, static_cast<uint32_t>(size * size * 4) + maskRow * static_cast<uint32_t>(size));
  for (int i = 0; i < 4; ++i)
    AppendU32(out, 0);  // resolution and colour counts: none
  for (int y = size - 1; y >= 0; --y)
    for (int x = 0; x < size; ++x) {
      const uint8_t index = image.At(x, y);
      const Rgb& c = colours[index];
      out.insert(out.end(), {c.b, c.g, c.r, static_cast<uint8_t>(index == pal::Outside ? 0 : 255)});
    }
  for (int y = size - 1; y >= 0; --y) {
    ByteStream row(maskRow, 0);
    for (int x = 0; x < size; ++x)
      if (image.At(x, y) == pal::Outside)
        row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
    AppendBytes(out, row);
  }
  return out;
}

TPalette FilePalette(const PaletteData& colours) {
  TPalette palette{};
  for (size_t i = 0; i < colours.size(); ++i)
    palette[i] = {colours[i].b, colours[i].g, colours[i].r, 0};
  return palette;
}

}  // namespace

ByteStream AppIconPng(int size) {
  return EncodePng(IconImage(AppEmblem(), size), FilePalette(BuildPalette(1)), pal::Outside);
}

ByteStream AppIconIco() {
  const Picture emblem = AppEmblem();
  const PaletteData colours = BuildPalette(1);
  constexpr size_t count = std::size(WindowsIconSizes);
  std::vector<ByteStream> images;
  for (int size : WindowsIconSizes)
    images.push_back(IconBitmap(IconImage(emblem, size), colours));
  ByteStream out;
  AppendU16(out, 0);  // reserved
  AppendU16(out, 1);  // an icon, not a cursor
  AppendU16(out, static_cast<uint16_t>(count));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * count);
  for (size_t i = 0; i < count; ++i) {
    const int size = WindowsIconSizes[i];
    // 0 stands for 256 in the one-byte width and height.
    AppendU8(out, static_cast<uint8_t>(size % 256));
    AppendU8(out, static_cast<uint8_t>(size % 256));
    AppendU8(out, 0);  // no palette
    AppendU8(out, 0);
    AppendU16(out, 1);
    AppendU16(out, 32);
    AppendU32(out, static_cast<uint32_t>(images[i].size()));
    AppendU32(out, offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const ByteStream& image : images)
    AppendBytes(out, image);
  return out;
}

std::vector<std::string> WriteAppIcons(const std::string& hicolorDir, const std::string& name) {
  std::vector<std::string> written;
  for (int size : AppIconSizes) {
    const std::string n = std::to_string(size);
    const fs::path dir = PathOf(hicolorDir) / (n + "x" + n) / "apps";
    fs::create_directories(dir);
    written.push_back(Utf8Of(dir / (name + ".png")));
    WriteWholeFile(written.back(), AppIconPng(size));
  }
  return written;
}

}  // namespace vh::demo
