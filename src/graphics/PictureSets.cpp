#include "graphics/PictureSets.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "base/Anomaly.h"
#include "base/Errors.h"
#include "base/FileUtil.h"

namespace vh {

TPictureSets& GamePictures() {
  static TPictureSets sets;
  return sets;
}

THexPicture ReadLibraryPicture(const TLibraryEntry& lib, uint32_t index) {
  THexPicture p;
  ReadLibraryPictures(lib, p.Pixels, index, 1);
  return p;
}

THexPicture CombineLayerPicture(const THexPicture& libraryPicture, uint8_t comboEntry) {
  THexPicture p = libraryPicture;
  FillHexOutside(p, OutsideColour);
  if (comboEntry & LayerComboFlip)
    FlipVertical(p);
  if (comboEntry & LayerComboMirror)
    MirrorHorizontal(p);
  return p;
}

uint8_t NearestPaletteIndex(const TPalette& palette, uint8_t red, uint8_t green, uint8_t blue) {
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < 256; ++i) {
    const TPaletteEntry& e = palette[static_cast<size_t>(i)];
    long dr = e.Red - red, dg = e.Green - green, db = e.Blue - blue;
    long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return static_cast<uint8_t>(best);
}

namespace {

// The missing-picture marker must stay visible whatever the game's palette
// holds, so it is drawn in the darkest and the brightest colour that no
// overlay or owner recolouring touches: a dark hexagon with a bright frame
// and a bright diagonal cross.
THexPicture MakeMissingPicture(const TPalette& palette) {
  auto luminance = [&](int i) {
    const TPaletteEntry& e = palette[static_cast<size_t>(i)];
    return 299 * e.Red + 587 * e.Green + 114 * e.Blue;
  };
  int dark = 8, bright = 9;
  for (int i = 8; i < 255; ++i) {
    if (luminance(i) < luminance(dark))
      dark = i;
    if (luminance(i) > luminance(bright))
      bright = i;
  }
  if (dark == bright)
    bright = dark + 1;
  THexPicture p = THexPicture::Filled(static_cast<uint8_t>(dark));
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      bool frame = InsideHexOutline(r, c) && (!InsideHexOutline(r - 1, c) || !InsideHexOutline(r + 1, c) ||
                                              !InsideHexOutline(r, c - 1) || !InsideHexOutline(r, c + 1));
      bool cross = std::abs(r - c) <= 1 || std::abs(r + c - (HexSize - 1)) <= 1;
      if (frame || cross)
        p.At(r, c) = static_cast<uint8_t>(bright);
    }
  FillHexOutside(p, OutsideColour);
  return p;
}

THexPicture ToolPartPicture(const TMultiPartFile& file, uint16_t index) {
  std::span<const uint8_t> bytes = file.ReadPart(index);
  THexPicture p;
  // The parts are meant to be pictures; a part of another size is taken as
  // far as it goes rather than refusing the whole installation.
  if (bytes.size() != HexPixels)
    ReportAnomaly("Part " + std::to_string(index) + " of \"" + file.FileName() + "\" has " +
                  std::to_string(bytes.size()) + " bytes instead of " + std::to_string(HexPixels));
  std::copy_n(bytes.begin(), std::min<size_t>(bytes.size(), HexPixels), p.Pixels.begin());
  return p;
}

}  // namespace

void BuildDerivedPictures(TPictureSets& sets) {
  sets.EmptyHex = THexPicture::Filled(0);
  FillHexOutside(sets.EmptyHex, OutsideColour);
  sets.BackgroundHex = THexPicture::Filled(EmptyCellColour);
  FillHexOutside(sets.BackgroundHex, OutsideColour);

  // The three lower sides of every cell together give a closed grid.
  sets.GridPicture = THexPicture::Filled(0);
  for (int part : {9, 10, 11})
    OverlayPicture(sets.GridPicture, sets.ToolPictures[static_cast<size_t>(part)], 0);
  ReplaceColour(sets.GridPicture, OutsideColour, GridColour);

  for (int m = 0; m < NeighbourMaskCount; ++m) {
    THexPicture& combo = sets.EdgeCombos[static_cast<size_t>(m)];
    combo = THexPicture::Filled(0);
    for (int side = 0; side < 6; ++side)
      if (m & (1 << side))
        OverlayPicture(combo, sets.EdgePictures(side), 0);
  }

  sets.HexMaskBitmap = THexPicture::Filled(1);
  FillHexOutside(sets.HexMaskBitmap, 0);
  sets.MissingPicture = MakeMissingPicture(sets.GamePalette);
}

void LoadGameGraphics(TPictureSets& target, const TLibraryTable& table, const std::string& programDir) {
  auto built = std::make_unique<TPictureSets>();
  TPictureSets& sets = *built;

  // All terrain and object pictures in one read.
  const TLibraryEntry& parts = table[libPart];
  ByteStream partBytes(static_cast<size_t>(parts.PictureCount) * HexPixels);
  ReadLibraryPictures(parts, partBytes, 0, parts.PictureCount);
  sets.PartPictures.resize(parts.PictureCount);
  for (size_t i = 0; i < sets.PartPictures.size(); ++i) {
    THexPicture& p = sets.PartPictures[i];
    std::copy_n(partBytes.begin() + static_cast<ptrdiff_t>(i * HexPixels), HexPixels, p.Pixels.begin());
    FillHexOutside(p, OutsideColour);
  }

  // Rows in the order layr001, layr002, layr000, layr003; set k is always
  // built from layr00k.
  for (int row : {libLayer0 + 1, libLayer0 + 2, libLayer0 + 0, libLayer0 + 3}) {
    const TLibraryEntry& lib = table[static_cast<size_t>(row)];
    auto& set = sets.LayerPictures[static_cast<size_t>(row - libLayer0)];
    for (int m = 0; m < NeighbourMaskCount; ++m) {
      uint8_t e = LayerComboTable[static_cast<size_t>(m)];
      set[static_cast<size_t>(m)] = CombineLayerPicture(ReadLibraryPicture(lib, e & 63), e);
    }
  }

  // Black stays visible as the empty-cell colour before the game's key
  // colour becomes our transparent 0; the other order would lose both.
  const TLibraryEntry& units = table[libUnit];
  sets.UnitPictures.resize(units.PictureCount / 2);
  for (size_t i = 0; i < sets.UnitPictures.size(); ++i) {
    THexPicture p = ReadLibraryPicture(units, static_cast<uint32_t>(2 * i));
    ReplaceColour(p, 0, EmptyCellColour);
    ReplaceColour(p, UnitKeyColour, 0);
    FillHexOutside(p, OutsideColour);
    sets.UnitPictures[i] = p;
  }

  for (uint32_t i = 0; i < CursorPhaseCount; ++i)
    sets.CursorPictures[i] = ReadLibraryPicture(table[libCursor], i);

  const TLibraryEntry& palettes = table[libPalette];
  std::vector<uint8_t> rgb(palettes.PictureSize);
  ReadLibraryPictures(palettes, rgb, 1, 1);
  if (rgb.size() < 3 * 256)
    throw EReadError(
        Message(VH_TRANSLATE_NOOP("Error", "Palette file \"%1\" holds no full palette"), palettes.File.Path));
  for (size_t i = 0; i < 256; ++i)
    sets.GamePalette[i] = TPaletteEntry{rgb[3 * i + 2], rgb[3 * i + 1], rgb[3 * i], 0};

  std::string dir = programDir;
  if (!dir.empty() && !IsPathSep(dir.back()))
    dir += '/';
  TMultiPartFile tools(ResolvePathCI(dir + "TOOLS.DAT"));
  for (uint16_t part = 1; part <= ToolPartCount; ++part)
    sets.ToolPictures[part] = ToolPartPicture(tools, part);
  for (int part : {tpDFMark, tpCellMark, tpRemovedObjectMark})
    ReplaceColour(sets.ToolPictures[static_cast<size_t>(part)], ToolMarkColour, OutsideColour);

  BuildDerivedPictures(sets);
  sets.Loaded = true;
  target = std::move(sets);
}

void LoadGameGraphics(const std::string& programDir) {
  LoadGameGraphics(GamePictures(), LibraryTable, programDir);
}

void FreeGameGraphics(TPictureSets& sets) {
  sets = TPictureSets{};
}

void FreeGameGraphics() {
  FreeGameGraphics(GamePictures());
}

}  // namespace vh
