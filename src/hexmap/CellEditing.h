#pragma once

#include <cstdint>
#include <functional>

#include "hexmap/MultiSelection.h"
#include "mission/Mission.h"

// The map edits that painting makes, on the mission alone: the view redraws
// afterwards what they report.

namespace vh {

// What a paint stroke writes: a picture number of PartPictures for terrain
// and objects, a unit code for units.
enum TPaintKind : int { pkTerrain = 0, pkObject = 1, pkUnit = 2 };

constexpr uint16_t NoUnitCode = 0xFFFF;

// A cell's unit as one value: owner in the high byte, unit type in the low.
constexpr uint16_t UnitCode(uint8_t owner, uint8_t type) {
  return static_cast<uint16_t>(owner << 8 | type);
}
constexpr uint16_t UnitCode(const TMissionCell& c) {
  return UnitCode(c.VehOwner, c.Vehicle);
}
constexpr uint16_t UnitCode(const TDFCell& c) {
  return UnitCode(c.VehOwner, c.Vehicle);
}
template <class TCell> constexpr void SetUnitCode(TCell& c, uint16_t code) {
  c.VehOwner = static_cast<uint8_t>(code >> 8);
  c.Vehicle = static_cast<uint8_t>(code & 0xFF);
}

// What the layer a map shows holds at a cell: the working change layer
// while `filter` shows it, else the base map. Terrain and object are
// picture numbers, 0xFFFF for none; an object the change layer leaves
// unchanged reads as none too.
struct TShownCell {
  TPoint Cell{0, 0};
  uint16_t Terrain = 0xFFFF;
  uint16_t Obj = 0xFFFF;
  uint16_t Unit = NoUnitCode;
};
TShownCell ShownCellValues(const TMission& mission, uint16_t filter, TPoint cell);

struct TCellEditResult {
  bool ShownLayerChanged = false;  // the layer on screen holds something new
  bool ObjectChanged = false;      // the base map's object changed: line joins around may change
};

// Writes one terrain, object or unit into `cell` of the layer that `filter`
// shows: the current change layer when it is shown, else the base map when
// that is shown, else nothing. `strokeObject` carries the object chosen at
// the first cell of a drag into a change layer to the later cells of the
// drag. Erasing a unit from the base map also deletes its cargo and AI point.
// Every stored change is counted in the mission's ChangeCount. Raises
// ERangeError for a kind outside 0..2 or a cell outside the 64 x 64 grid.
TCellEditResult ApplyCellValue(TMission& mission, uint16_t filter, bool first, TPoint cell, uint16_t value,
                               int kind, int16_t& strokeObject);

// Calls `visit` for every block entry that is part of the block and lands
// inside `gridSize` when the anchor is put on `cell`, row by row.
void ForEachPasteTarget(TPoint cell, const TMultiSelection& sel, TPoint gridSize,
                        const std::function<void(TPoint target, int16_t picture)>& visit);

// Writes the terrain (kind 0) or objects (kind 1) of a block into the change
// layer when `filter` shows it, else into the base map, shown or not; other
// kinds write nothing. Returns whether any cell changed.
bool PasteBlock(TMission& mission, uint16_t filter, TPoint cell, const TMultiSelection& sel, int kind,
                TPoint gridSize);

}  // namespace vh
