#include "mission/HexGrid.h"

#include <string>

#include "base/Errors.h"

namespace vh {

TPoint Neighbour(TPoint cell, int direction) {
  const int32_t odd = cell.x & 1;
  switch (direction) {
  case dirUp:
    return {cell.x, cell.y - 1};
  case dirUpperRight:
    return {cell.x + 1, cell.y + odd - 1};
  case dirLowerRight:
    return {cell.x + 1, cell.y + odd};
  case dirDown:
    return {cell.x, cell.y + 1};
  case dirLowerLeft:
    return {cell.x - 1, cell.y + odd};
  case dirUpperLeft:
    return {cell.x - 1, cell.y + odd - 1};
  default:
    throw ERangeError(
        Message(VH_TRANSLATE_NOOP("Error", "Neighbour direction %1 is not one of 0..5"), direction));
  }
}

}  // namespace vh
