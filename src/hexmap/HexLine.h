#pragma once

#include <cstdint>
#include <vector>

#include "mission/Mission.h"

namespace vh {

// Steps between two cells of the hexagonal layout (odd columns half a cell
// lower), counting moves to neighbouring cells.
int32_t HexDistance(TPoint a, TPoint b);

// The cells of the straight line from `from` to `to`, both included: each
// cell neighbours the one before, none repeats, and the line from `to` back
// to `from` holds the same cells. The grid is not consulted; cells outside
// it are the caller's to skip.
std::vector<TPoint> HexLine(TPoint from, TPoint to);

}  // namespace vh
