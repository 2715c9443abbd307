#pragma once

#include <array>
#include <cstdint>

#include "mission/Mission.h"

namespace vh {

using THeightMap = std::array<uint8_t, MaxMapSize * MaxMapSize>;  // index y * 64 + x

// The map generator's parameters and height field; every map view keeps one,
// so each mission window remembers its own landscape.
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

}  // namespace vh
