#pragma once

#include "mission/Mission.h"

// How the cells of a map touch: odd columns sit half a cell lower, so the
// side neighbours of a cell lie a row apart on even and odd columns. The
// model's own rules (coasts, resizing) need it as much as the views.

namespace vh {

// Directions between neighbouring cells, clockwise from the top.
enum TDirection : int { dirUp = 0, dirUpperRight, dirLowerRight, dirDown, dirLowerLeft, dirUpperLeft };
constexpr int DirectionCount = 6;

// The neighbour of `cell` in `direction`, which may lie outside any grid.
// Raises ERangeError for a direction outside 0..5.
TPoint Neighbour(TPoint cell, int direction);

// 0 <= column < size.x and 0 <= row < size.y.
constexpr bool IsInGrid(TPoint cell, TPoint size) {
  return cell.x >= 0 && cell.y >= 0 && cell.x < size.x && cell.y < size.y;
}

}  // namespace vh
