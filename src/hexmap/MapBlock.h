#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/ByteIO.h"
#include "hexmap/CellSelection.h"
#include "hexmap/MissionPicture.h"
#include "mission/Mission.h"

// A piece of a map cut or copied from one place and pasted at another, in
// the same mission or another one: what the selected cells show of one
// layer, with the records that belong to them.

namespace vh {

// What a block carries, as bits.
enum TBlockKind : uint8_t {
  bkTerrain = 1 << 0,
  bkObjects = 1 << 1,
  bkUnits = 1 << 2,  // with their cargo and AI points when they come from the base map
  bkShops = 1 << 3,  // only from the base map
};
constexpr uint8_t AllBlockKinds = bkTerrain | bkObjects | bkUnits | bkShops;

// One cell of a block. Positions are axial hex coordinates relative to the
// block's anchor: Q counts columns, R runs down a column, corrected by half a
// cell per column, so that moving a block keeps every cell's neighbours
// whichever the column parity of the place it goes to.
struct TBlockCell {
  int16_t Q = 0;
  int16_t R = 0;
  // The layer's values: in a change layer's block -1 terrain and -2 object
  // mean "unchanged", as do both unit bytes 0xFF.
  int16_t Terrain = -1;
  int16_t Obj = -1;
  uint16_t Unit = 0xFFFF;  // owner << 8 | type
  std::optional<TVehContentRec> Cargo;
  std::optional<TAIPointRec> AIPoint;
  std::optional<TArrShop> Shop;
  friend bool operator==(const TBlockCell&, const TBlockCell&) = default;
};

struct TMapBlock {
  uint8_t Kinds = 0;             // TBlockKind bits
  bool FromChangeLayer = false;  // the values are those of a change layer
  std::vector<TBlockCell> Cells;
  bool Empty() const { return Cells.empty() || Kinds == 0; }
  friend bool operator==(const TMapBlock&, const TMapBlock&) = default;
};

// The block of what `filter` shows on the `selected` cells that lie in the
// mission: terrain, objects and units of the shown layer, each when its bit
// is on, and from the base map the cargo and AI points of the units and,
// with shop marks shown, the shops. Its anchor is the selected cell nearest
// to the middle of the selection. Empty when no layer is shown.
TMapBlock CopyBlock(const TMission& mission, uint16_t filter, const TCellSet& selected);

// The map cell each block cell lands on when the anchor is put on
// `anchorCell`, in the order of block.Cells; may lie outside any grid.
std::vector<TPoint> BlockTargets(const TMapBlock& block, TPoint anchorCell);

// Flips the block about its anchor, left to right or top to bottom; doing it
// twice gives the block back.
void MirrorBlock(TMapBlock& block, bool horizontally);

// What an edit of many cells changed.
struct TBlockEdit {
  std::vector<TPoint> Cells;  // cells whose layer values, shop, cargo or AI point changed
  bool Records = false;       // shops, cargo or AI points were added or deleted
};

// Writes the block into the layer `filter` shows with its anchor on
// `anchorCell`; cells outside the mission's size are dropped. Each kind the
// block carries replaces what the target cell had. Into the base map, a
// unit brings new cargo and AI point records and replaces those of the unit
// it covers; shops come as new shops with the next free numbers. A change
// layer's "unchanged" values leave the base map alone; into a change layer
// only terrain, objects and units go. A changed cell of a change layer always
// states its object. Nothing is written when no layer is shown.
TBlockEdit PlaceBlock(TMission& mission, uint16_t filter, const TMapBlock& block, TPoint anchorCell);

// Empties what `filter` shows on the `selected` cells of the shown layer:
// no terrain, object or unit (with its cargo and AI point), and no shop
// when shop marks are shown; in a change layer, "unchanged".
TBlockEdit DeleteCells(TMission& mission, uint16_t filter, const TCellSet& selected);

// The clipboard's bytes of a block, and back. DecodeBlock raises EReadError
// for anything that is not a whole, valid block of this version.
ByteStream EncodeBlock(const TMapBlock& block);
TMapBlock DecodeBlock(std::span<const uint8_t> data);

// The clipboard's MIME type of our blocks.
inline constexpr const char* MapBlockMimeType = "application/x-varnholt-map-block";

}  // namespace vh
