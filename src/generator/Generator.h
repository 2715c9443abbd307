#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "mission/Mission.h"
#include "mission/TerrainSets.h"

// The map generator's data and algorithms: a height field by recursive
// midpoint displacement, its classification into water and land codes, the
// coloured preview, the coast pictures along the shore and the transfer into
// a mission's terrain (with the coast rules of mission/TerrainSets.h).
// Nothing here knows about windows; the generator
// window (MapGenerator.h) only forwards its controls to these functions.

namespace vh {

using THeightMap = std::array<uint8_t, MaxMapSize * MaxMapSize>;  // index y * 64 + x
using TCellCodes = std::array<uint8_t, MaxMapSize * MaxMapSize>;  // index y * 64 + x

inline constexpr int32_t RoughnessMin = 0;
inline constexpr int32_t RoughnessMax = 300;
inline constexpr int32_t BorderMin = 0;
inline constexpr int32_t BorderMax = 255;

// The generator's parameters and height field; every map view keeps one, so
// each mission window remembers its own landscape.
struct GeneratorState {
  THeightMap HeightMap{};   // 0 = not set; generated heights are 1..255
  int32_t Roughness = 100;  // displacement scale of the next generation
  uint8_t TerrainType = 0;  // 0 light green, 1 dark
  bool Textured = false;    // vary the land pictures
  uint8_t Border0 = 60;     // highest height of deep water
  uint8_t Border1 = 90;     // highest height of medium water
  uint8_t Border2 = 120;    // highest height of shallow water; above is land
  bool Generated = false;   // a height field exists
  int32_t TextureSeed = 0;  // seeds every classification of this height field
  friend bool operator==(const GeneratorState&, const GeneratorState&) = default;

  uint8_t Height(int32_t x, int32_t y) const { return HeightMap[static_cast<size_t>(y * MaxMapSize + x)]; }
};

// Generator codes: high nibble the class, low nibble the number.
enum TCodeClass : uint8_t { ccNone = 0, ccWater = 1, ccLand = 2, ccCoast = 3 };
inline constexpr uint8_t CodeNone = 0x00;
inline constexpr uint8_t CodeShallow = 0x11;
inline constexpr uint8_t CodeMedium = 0x12;
inline constexpr uint8_t CodeDeep = 0x13;
inline constexpr uint8_t CodeLand = 0x20;   // + land picture number
inline constexpr uint8_t CodeCoast = 0x30;  // + coast tile 1..12
inline constexpr uint8_t CodeClass(uint8_t code) {
  return code >> 4;
}
inline constexpr uint8_t CodeNumber(uint8_t code) {
  return code & 0x0F;
}

// Heights. The random numbers come from the process-wide generator (Rng()),
// so a fixed seed gives a fixed field. Map sizes must be 1..64.
void DisplaceMidpoint(THeightMap& map, int32_t roughness, TPoint target, TPoint a, TPoint b);
void Subdivide(THeightMap& map, int32_t roughness, int32_t x0, int32_t y0, int32_t x1, int32_t y1);
// New height field of width x height cells with the state's roughness; also
// draws a new TextureSeed.
void GenerateHeights(GeneratorState& state, int32_t width, int32_t height);

// Codes of the cols x rows cells (0 outside). Reseeds the process-wide
// generator with TextureSeed, so the same state always gives the same codes.
TCellCodes Classify(const GeneratorState& state, int32_t cols, int32_t rows);

// The preview: 3 pixels per column, 9 pixel rows per two map rows, odd
// columns 2 pixels lower, like the hexagon map. Rows are top-down, each Stride
// bytes (the width rounded up to a multiple of 4), values are palette indices.
struct TPreview {
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Stride = 0;
  std::vector<uint8_t> Pixels;
  uint8_t At(int32_t x, int32_t y) const { return Pixels[static_cast<size_t>(y * Stride + x)]; }
};
inline constexpr uint8_t PreviewBackground = 228;
inline constexpr uint8_t PreviewUnknown = 6;
TPoint PreviewSize(int32_t mapWidth, int32_t mapHeight);
// Without a generated field the preview is background only.
TPreview DrawPreview(const TCellCodes& codes, int32_t mapWidth, int32_t mapHeight, uint8_t terrainType,
                     bool generated);

// Coasts. LandMask has bit i set when the neighbour in direction i lies in the
// map and is land.
uint8_t LandMask(const TCellCodes& codes, int32_t width, int32_t height, int32_t x, int32_t y);
// Turns the land around water cells without a coast picture into shallow water
// until every water cell has one; true when anything changed.
bool ErodeCoasts(TCellCodes& codes, int32_t width, int32_t height);
// Water with land beside it becomes coast tile 1..10; a mask without a tile
// is reported as an anomaly and leaves the cell.
void PlaceCoastTiles(TCellCodes& codes, int32_t width, int32_t height);
// Water between two coast tiles that meet at a corner becomes tile 11 or 12.
void PlaceCornerTiles(TCellCodes& codes, int32_t width, int32_t height);
void BuildCoasts(TCellCodes& codes, int32_t width, int32_t height);

// BuildCoasts on `codes`, then writes Terrain of every cell of the mission's
// Width x Height that has a code; objects, units and change layers stay.
// Calls NoteChange(). An ERangeError naming the cell, with nothing written,
// when a code has no picture in the terrain set.
void TransferToMission(TCellCodes& codes, uint8_t terrainType, TMission& mission);

}  // namespace vh
