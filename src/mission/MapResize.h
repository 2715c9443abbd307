#pragma once

#include <cstdint>

#include "mission/Mission.h"

// A map made larger or smaller on any side: the old map is put into a map of
// the new size at an offset, and everything that belongs to a cell moves
// with it.

namespace vh {

// The sizes "New Mission" offers: 24..64 columns by 16..64 rows.
constexpr int MinMapWidth = 24;
constexpr int MinMapHeight = 16;

// Old cell (x, y) becomes cell (x + Offset.x, y + Offset.y) of a map of
// Size. Odd columns sit half a cell lower, so only an even column offset
// keeps every cell beside its neighbours; row offsets are free. Negative
// offsets crop the left or top.
struct TResize {
  TPoint Size;
  TPoint Offset;
  friend bool operator==(const TResize&, const TResize&) = default;
};

// Where the old map goes for an anchor: column 0 at the left edge, 1 in the
// middle, 2 at the right edge; row 0 at the top, 1 in the middle, 2 at the
// bottom. Halves are cut toward zero, and so is an odd column offset to the
// next even one: what fits stays.
TPoint AnchorOffset(TPoint oldSize, TPoint newSize, int anchorColumn, int anchorRow);

// Empty when `resize` can be applied to a map; else why not (a size beyond
// the limits above, an odd column offset, an offset beyond the grid).
const char* ResizeFault(const TResize& resize);

// What a resize removes: the old map's cells that fall outside the new one,
// with their units (and those units' cargo and AI points) and shops, and the
// change-layer records of all 32 layers (the working layer as it stands)
// that land outside, or lay outside the old map already.
struct TResizeLoss {
  int Cells = 0;
  int Units = 0;
  int Shops = 0;
  int Cargo = 0;
  int AIPoints = 0;
  int LayerRecords = 0;
  // Anything beyond cells: worth a question before it goes.
  bool Any() const { return Units + Shops + Cargo + AIPoints + LayerRecords > 0; }
  friend bool operator==(const TResizeLoss&, const TResizeLoss&) = default;
};
TResizeLoss ResizeLoss(const TMission& mission, const TResize& resize);

// Resizes the map: terrain, objects, units, cargo, AI points and shops move
// with their cells, and so do the shops' own positions and the records of
// every change layer. What falls outside is deleted, freeing its record
// slots; the new cells are empty. Cells beyond the old map's size are not
// part of it and are emptied. The working change layer is stored first and
// loaded again. Counts one change. Raises ERangeError, changing nothing,
// when ResizeFault names a fault.
void ResizeMap(TMission& mission, const TResize& resize);

}  // namespace vh
