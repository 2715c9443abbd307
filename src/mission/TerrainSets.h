#pragma once

#include <array>
#include <cstdint>

#include "mission/HexGrid.h"
#include "mission/Mission.h"

// The two terrain sets of sea and shore and the rules that give a water cell
// its coast picture from the land around it. The map generator's Transfer,
// painting with automatic coasts and the mission check all follow these
// rules, so they live once, here.

namespace vh {

struct TTerrainSet {
  std::array<int16_t, 3> WaterParts;  // shallow, medium, deep
  int LandCount;
  std::array<int16_t, 8> LandParts;     // only the first LandCount are used
  std::array<int16_t, 12> CoastParts;   // coast tiles 1..12
  std::array<uint8_t, 3> WaterColours;  // generator preview: shallow, medium, deep
  uint8_t LandColour;
};

inline constexpr int TerrainTypeCount = 2;  // 0 light green, 1 dark
inline constexpr std::array<TTerrainSet, TerrainTypeCount> TerrainSets{{
    {{95, 96, 97},
     5,
     {271, 272, 273, 274, 276, -1, -1, -1},
     {103, 101, 100, 98, 99, 102, 104, 107, 106, 105, 108, 109},
     {15, 12, 9},
     36},
    {{385, 386, 387},
     7,
     {356, 355, 354, 353, 352, 351, 350, 349},
     {378, 376, 375, 373, 374, 377, 379, 382, 381, 380, 385, 385},
     {51, 115, 113},
     25},
}};

// The set of a terrain type; an ERangeError for a type that has none.
const TTerrainSet& TerrainSetOf(uint8_t terrainType);

// Land-neighbour masks for which coast pictures exist (bit i = neighbour in
// direction i is land): no land, runs of one to three adjacent land
// neighbours, and the two runs of four 0-1-2-3 and 3-4-5-0.
inline constexpr std::array<uint8_t, 21> CoastMasks{0,  1,  2,  3,  4,  6,  7,  8,  12, 14, 15,
                                                    16, 24, 28, 32, 33, 35, 48, 49, 56, 57};
bool IsCoastMask(uint8_t mask);
// Coast tile 1..10 of a mask; 0 for masks without a picture.
uint8_t CoastTileOfMask(uint8_t mask);

// The corner tiles: open water between two coast tiles that meet at its
// left corner becomes tile 12, at its right corner tile 11 (which wins when
// both meet). Arguments are the coast tiles (0 for anything else) of the
// neighbours upper left, lower left, lower right and upper right; the result
// is 11, 12 or 0 for no corner.
inline constexpr uint8_t CornerTileRight = 11;
inline constexpr uint8_t CornerTileLeft = 12;
uint8_t CornerTileOf(uint8_t upperLeft, uint8_t lowerLeft, uint8_t lowerRight, uint8_t upperRight);

// What a terrain picture is to the coast rules. Water and coast pictures
// belong to one set each (the sets share none), so a cell's own picture
// tells its set. Every other picture is land; -1 (no terrain) is nothing.
// The dark set's corner tiles are its shallow water picture, which reads as
// water.
enum class TTerrainRole : uint8_t { None, Land, Water, Coast };
struct TTerrainKind {
  TTerrainRole Role = TTerrainRole::None;
  uint8_t Set = 0;     // terrain type, for water and coast
  uint8_t Number = 0;  // water 1..3 (shallow, medium, deep), coast tile 1..12
  friend bool operator==(const TTerrainKind&, const TTerrainKind&) = default;
};
TTerrainKind TerrainKindOf(int16_t picture);
constexpr bool IsSea(TTerrainKind k) {
  return k.Role == TTerrainRole::Water || k.Role == TTerrainRole::Coast;
}

// Bit d set when the neighbour of `cell` in direction d lies in a grid of
// `size` and `isLand(neighbour)` holds.
template <class IsLand> uint8_t LandMaskAround(TPoint cell, TPoint size, IsLand&& isLand) {
  uint8_t mask = 0;
  for (int d = 0; d < DirectionCount; ++d) {
    const TPoint n = Neighbour(cell, d);
    if (IsInGrid(n, size) && isLand(n))
      mask = static_cast<uint8_t>(mask | (1u << d));
  }
  return mask;
}

}  // namespace vh
