#pragma once

#include <cstdint>
#include <optional>

#include "mission/HexGrid.h"
#include "mission/Mission.h"

namespace vh {

// The one place that knows how cells lie on the pixel plane: every view,
// the renderer and the mouse handling ask it.

enum TEckViewStyle : int {
  es4Ecks = 0,  // square layout
  es6Ecks = 1,  // hexagonal layout: odd columns half a cell lower
};

struct THexGeometry {
  TEckViewStyle Style = es6Ecks;
  int32_t HexSpace = 0;  // extra pixels between cells, 0 or more

  // Top-left pixel of the cell's 24 x 24 square.
  TPoint CellToPoint(TPoint cell) const;
  // Width and height in pixels of a grid of `size` cells.
  TPoint GridExtent(TPoint size) const;
  // Whether the pixel lies inside the hexagon outline of the cell; the
  // corners of a cell's square belong to no cell, in both layouts.
  bool InCellOutline(TPoint pixel, TPoint cell) const;
  // The cell whose outline holds the pixel, whatever the grid's size, found
  // in constant time (outlines never overlap).
  std::optional<TPoint> CellAt(TPoint pixel) const;
  // Replaces p by the cell under it and returns true when that cell exists
  // and lies in the grid; otherwise leaves p alone and returns false.
  bool PointToCell(TPoint& p, TPoint gridSize) const;
};

}  // namespace vh
