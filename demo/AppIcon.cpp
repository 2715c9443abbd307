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

ByteStream AppIconPng(int size) {
  const int scale = size / HexSize;
  if (scale < 1)
    throw std::invalid_argument("an icon needs at least " + std::to_string(HexSize) + " pixels");
  const int margin = (size - scale * HexSize) / 2;
  const Picture emblem = AppEmblem();
  TIndexedImage image;
  image.Resize(size, size, pal::Outside);
  for (int y = 0; y < scale * HexSize; ++y)
    for (int x = 0; x < scale * HexSize; ++x)
      image.Row(margin + y)[margin + x] = emblem[static_cast<size_t>(y / scale * HexSize + x / scale)];
  TPalette palette{};
  const PaletteData colours = BuildPalette(1);
  for (size_t i = 0; i < colours.size(); ++i)
    palette[i] = {colours[i].b, colours[i].g, colours[i].r, 0};
  return EncodePng(image, palette, pal::Outside);
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
