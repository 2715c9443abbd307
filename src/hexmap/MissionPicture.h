#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

#include "graphics/PictureSets.h"
#include "mission/Mission.h"

namespace vh {

// Bits of the mission map view's Filter: what a cell shows.
enum TMissFilterBit : int {
  mfTerrain = 0,
  mfObjects = 1,
  mfUnits = 2,
  mfShopMarks = 3,     // CellMark on cells with a shop
  mfContentMarks = 4,  // CellMark on cells with a vehicle content
  mfAIMarks = 5,       // CellMark on cells with an AI point
  mfBaseMap = 6,       // the base map ("ACTN")
  mfDFLayer = 7,       // the current change layer
  mfDFMarks = 8,       // DFMark on cells the change layer changes
};
constexpr int MissFilterBitCount = 9;
constexpr uint16_t FilterBit(int bit) {
  return static_cast<uint16_t>(1u << bit);
}
constexpr uint16_t FilterOf(std::initializer_list<int> bits) {
  uint16_t f = 0;
  for (int b : bits)
    f = static_cast<uint16_t>(f | FilterBit(b));
  return f;
}
// Whether `filter` has bit `bit` (TMissFilterBit) on.
constexpr bool FilterShows(uint16_t filter, int bit) {
  return (filter & FilterBit(bit)) != 0;
}

// The layer a map view shows and edits: the current change layer when it is
// shown, else the base map when that is shown, else none.
enum class TShownLayer { None, Base, Change };
constexpr TShownLayer ShownLayer(uint16_t filter) {
  return FilterShows(filter, mfDFLayer)   ? TShownLayer::Change
         : FilterShows(filter, mfBaseMap) ? TShownLayer::Base
                                          : TShownLayer::None;
}

// Terrain, objects and units of the base map.
constexpr uint16_t DefaultMissFilter =
    FilterBit(mfTerrain) | FilterBit(mfObjects) | FilterBit(mfUnits) | FilterBit(mfBaseMap);

// Objects drawn as lines joined to their neighbours: kind k with
// LayerPictures[k]. Kinds 0, 1 and 3 also join the objects of
// LineJoinObjects.
inline constexpr std::array<std::array<int16_t, 8>, LayerKindCount> LineObjects{{
    {90, 1264, 1265, 1266, 1270, 1271, 1272, 1274},
    {92, 1264, 1267, 1268, 1270, 1271, 1273, 1274},
    {93, 1266, 1268, 1269, 1271, 1272, 1273, 1274},
    {91, 1265, 1267, 1269, 1270, 1272, 1273, 1274},
}};
inline constexpr std::array<int16_t, 22> LineJoinObjects{44, 45, 54, 55,  63,  66,  69,  71,  76,  80,  81,
                                                         86, 87, 88, 393, 394, 395, 458, 563, 957, 984, 1021};
// The kind that joins only its own objects.
constexpr int LineKindWithoutJoins = 2;

// Bit k set: the object is in LineObjects[k]; bit 4 (LineJoinBit): in
// LineJoinObjects. 0 for every other number, -1 and -2 included.
constexpr uint8_t LineKindMask = 0x0F;
constexpr uint8_t LineJoinBit = 0x10;
uint8_t LineObjectKinds(int16_t obj);

// Neighbour mask of a line object of `kind` on `cell`: bit d set when the
// neighbour in direction d lies in the mission's Width x Height and its
// object joins that kind.
uint8_t LineNeighbourMask(const TMission& mission, TPoint cell, int kind);

// Composes what the mission map shows on `cell` under `filter`, before grid
// and cursor. Accepts every cell of the 64 x 64 grid, also outside the
// mission's size; anything else shows BackgroundHex. Numbers beyond the
// picture sets show the sets' MissingPicture; owners above 7 stay
// uncoloured.
void GetCellPicture(const TPictureSets& sets, const TMission& mission, uint16_t filter, TPoint cell,
                    THexPicture& picture);

// Cells of the mission's size whose base map or current change layer names
// a terrain, object or unit the sets do not hold.
int CountMissingPictures(const TPictureSets& sets, const TMission& mission);

}  // namespace vh
