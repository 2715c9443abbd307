#include "mission/TerrainSets.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "base/Errors.h"

namespace vh {

const TTerrainSet& TerrainSetOf(uint8_t terrainType) {
  if (terrainType >= TerrainTypeCount)
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "Terrain type %1 is not 0 or 1"), terrainType));
  return TerrainSets[terrainType];
}

bool IsCoastMask(uint8_t mask) {
  // Every mask with a picture has a tile; only "no land" has none.
  return mask == 0 || CoastTileOfMask(mask) != 0;
}

uint8_t CoastTileOfMask(uint8_t mask) {
  static constexpr std::array<uint8_t, 58> tiles = [] {
    std::array<uint8_t, 58> t{};
    constexpr std::array<std::array<uint8_t, 2>, 20> pairs{
        {{1, 1},  {2, 2},  {3, 2},  {4, 4},  {6, 9},  {7, 9},   {8, 6},  {12, 4}, {14, 9}, {15, 9},
         {16, 5}, {24, 5}, {28, 7}, {32, 3}, {33, 3}, {35, 10}, {48, 8}, {49, 8}, {56, 8}, {57, 8}}};
    for (const auto& p : pairs)
      t[p[0]] = p[1];
    return t;
  }();
  return mask < tiles.size() ? tiles[mask] : 0;
}

uint8_t CornerTileOf(uint8_t upperLeft, uint8_t lowerLeft, uint8_t lowerRight, uint8_t upperRight) {
  const auto oneOf = [](uint8_t tile, std::initializer_list<uint8_t> tiles) {
    return std::find(tiles.begin(), tiles.end(), tile) != tiles.end();
  };
  if (oneOf(upperRight, {4, 6, 9}) && oneOf(lowerRight, {1, 2, 9}))
    return CornerTileRight;
  if (oneOf(upperLeft, {5, 6, 8}) && oneOf(lowerLeft, {1, 3, 8}))
    return CornerTileLeft;
  return 0;
}

namespace {

constexpr int KnownPictures = 512;  // every water and coast picture lies below

TTerrainKind LookUpKind(int16_t picture) {
  for (uint8_t set = 0; set < TerrainTypeCount; ++set) {
    const TTerrainSet& s = TerrainSets[set];
    // Water first: the dark set's corner tiles are its shallow water.
    for (uint8_t i = 0; i < s.WaterParts.size(); ++i)
      if (s.WaterParts[i] == picture)
        return {TTerrainRole::Water, set, static_cast<uint8_t>(i + 1)};
    for (uint8_t i = 0; i < s.CoastParts.size(); ++i)
      if (s.CoastParts[i] == picture)
        return {TTerrainRole::Coast, set, static_cast<uint8_t>(i + 1)};
  }
  return {TTerrainRole::Land, 0, 0};
}

}  // namespace

TTerrainKind TerrainKindOf(int16_t picture) {
  // Whole maps are classified at every stroke: a table, made once.
  static const std::array<TTerrainKind, KnownPictures> kinds = [] {
    std::array<TTerrainKind, KnownPictures> k{};
    for (int p = 0; p < KnownPictures; ++p)
      k[static_cast<size_t>(p)] = LookUpKind(static_cast<int16_t>(p));
    return k;
  }();
  if (picture < 0)
    return {};
  return picture < KnownPictures ? kinds[static_cast<size_t>(picture)]
                                 : TTerrainKind{TTerrainRole::Land, 0, 0};
}

}  // namespace vh
