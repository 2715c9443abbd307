#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/HexPicture.h"
#include "graphics/Library.h"

namespace vh {

// One colour-table entry of an 8-bit device-independent bitmap.
struct TPaletteEntry {
  uint8_t Blue = 0;
  uint8_t Green = 0;
  uint8_t Red = 0;
  uint8_t Reserved = 0;
  friend bool operator==(const TPaletteEntry&, const TPaletteEntry&) = default;
};
using TPalette = std::array<TPaletteEntry, 256>;

constexpr int PartPictureCount = 1335;
constexpr int LayerKindCount = 4;
constexpr int NeighbourMaskCount = 64;  // six neighbour bits
constexpr int CursorPhaseCount = 4;
constexpr int ToolPartCount = 14;  // parts 1..14 of TOOLS.DAT

// Roles of the TOOLS.DAT parts.
enum TToolPart : int {
  tpDFMark = 1,             // cell changed by the shown change layer
  tpCellMark = 2,           // shop, vehicle content or AI point on the cell
  tpRemovedObjectMark = 6,  // a change layer removes the cell's object
  tpEdgeFirst = 7,          // 7..12: hex sides 0..5
  tpProductionMarkFirst = 13,
};

// Layer picture per neighbour mask: bits 0..5 the picture inside the layer
// library, bit 6 flip vertically, bit 7 mirror horizontally.
inline constexpr std::array<uint8_t, NeighbourMaskCount> LayerComboTable{
    0,   1,   2,   3,   66,  4,   23, 5,   //
    65,  6,   68,  7,   67,  71,  69, 8,   //
    194, 132, 9,   10,  11,  12,  13, 14,  //
    195, 199, 202, 15,  16,  17,  18, 19,  //
    130, 131, 75,  80,  73,  138, 77, 82,  //
    196, 135, 76,  81,  74,  79,  78, 83,  //
    151, 133, 205, 210, 141, 142, 20, 21,  //
    197, 136, 206, 211, 146, 147, 85, 22,  //
};
constexpr uint8_t LayerComboFlip = 0x40;
constexpr uint8_t LayerComboMirror = 0x80;

// Every picture the views draw from, ready to copy. The editor keeps one
// process-wide instance; tests build their own.
struct TPictureSets {
  std::vector<THexPicture> PartPictures;  // terrain and objects
  std::vector<THexPicture> UnitPictures;  // one per unit type
  std::array<std::array<THexPicture, NeighbourMaskCount>, LayerKindCount> LayerPictures{};
  std::array<THexPicture, CursorPhaseCount> CursorPictures{};
  TPalette GamePalette{};
  std::array<THexPicture, ToolPartCount + 1> ToolPictures{};  // [1..14]; [0] unused
  std::array<THexPicture, NeighbourMaskCount> EdgeCombos{};
  THexPicture GridPicture;
  THexPicture EmptyHex;
  THexPicture BackgroundHex;
  THexPicture HexMaskBitmap;   // 1 inside the outline, 0 outside
  THexPicture MissingPicture;  // shown for numbers beyond the loaded sets
  bool Loaded = false;

  const THexPicture& DFMark() const { return ToolPictures[tpDFMark]; }
  const THexPicture& CellMark() const { return ToolPictures[tpCellMark]; }
  const THexPicture& RemovedObjectMark() const { return ToolPictures[tpRemovedObjectMark]; }
  // Highlight of hex side 0..5, numbered like the neighbour directions.
  const THexPicture& EdgePictures(int side) const {
    return ToolPictures[static_cast<size_t>(tpEdgeFirst + side)];
  }
  const THexPicture& ProductionMarks(int i) const {
    return ToolPictures[static_cast<size_t>(tpProductionMarkFirst + i)];
  }

  // Terrain/object and unit pictures by number; a number the sets do not
  // hold gives MissingPicture instead of reading past them.
  bool HasPart(int number) const { return number >= 0 && static_cast<size_t>(number) < PartPictures.size(); }
  bool HasUnit(int type) const { return type >= 0 && static_cast<size_t>(type) < UnitPictures.size(); }
  const THexPicture& Part(int number) const {
    return HasPart(number) ? PartPictures[static_cast<size_t>(number)] : MissingPicture;
  }
  const THexPicture& Unit(int type) const {
    return HasUnit(type) ? UnitPictures[static_cast<size_t>(type)] : MissingPicture;
  }
};

// The editor's picture sets, filled by LoadGameGraphics.
TPictureSets& GamePictures();

// Builds every set from the open libraries of `table` and from TOOLS.DAT in
// `programDir`. The sets are replaced only when everything was read, so a
// failed attempt leaves the previous sets as they were. Raises an EVhError
// naming the file that is missing or too short.
void LoadGameGraphics(TPictureSets& sets, const TLibraryTable& table, const std::string& programDir);
void LoadGameGraphics(const std::string& programDir);  // into GamePictures() from LibraryTable
void FreeGameGraphics(TPictureSets& sets);
void FreeGameGraphics();

// Reads one picture of the open library `lib`.
THexPicture ReadLibraryPicture(const TLibraryEntry& lib, uint32_t index);

// The layer picture for one neighbour mask, from the 24 pictures of a layer
// library, as the combination table asks for it.
THexPicture CombineLayerPicture(const THexPicture& libraryPicture, uint8_t comboEntry);

// The pictures derived from ToolPictures and GamePalette alone: EmptyHex,
// BackgroundHex, GridPicture, EdgeCombos, HexMaskBitmap and MissingPicture. Tool
// parts 1, 2 and 6 must already be converted.
void BuildDerivedPictures(TPictureSets& sets);

// The palette index nearest to a colour (squared distance, lowest index wins).
uint8_t NearestPaletteIndex(const TPalette& palette, uint8_t red, uint8_t green, uint8_t blue);

}  // namespace vh
