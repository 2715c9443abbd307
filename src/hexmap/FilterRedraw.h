#pragma once

#include <cstdint>

#include "hexmap/MissionPicture.h"
#include "mission/Mission.h"

// Which cells of the mission map can look different after one filter bit was
// switched, so that a switch recomposes only those. Both functions take the
// filter as it is after the switch; the answers hold for switching the bit
// on as well as off.

namespace vh {

// False when no cell's picture can depend on bit `index` under the other
// bits of `filter`.
bool FilterSwitchNeedsRedraw(uint16_t filter, int index);

// Whether the picture of `cell` may depend on bit `index`. Errs only on the
// side of too many cells: every cell whose picture does change is included.
bool CellDependsOnFilterBit(const TMission& mission, uint16_t filter, int index, TPoint cell);

}  // namespace vh
