#include "hexmap/CellSelection.h"

#include <algorithm>

#include "graphics/HexPicture.h"

namespace vh {

bool TCellSet::KeepInside(TPoint gridSize) {
  bool dropped = false;
  for (TPoint c : Cells())
    if (!IsInGrid(c, gridSize)) {
      bits_[Index(c)] = false;
      dropped = true;
    }
  return dropped;
}

std::vector<TPoint> TCellSet::Cells() const {
  std::vector<TPoint> cells;
  cells.reserve(Count());
  for (int32_t y = 0; y < MaxMapSize; ++y)
    for (int32_t x = 0; x < MaxMapSize; ++x)
      if (bits_[Index({x, y})])
        cells.push_back({x, y});
  return cells;
}

TCellSet CellsInRect(const THexGeometry& geometry, TPoint a, TPoint b, TPoint gridSize) {
  const int32_t left = std::min(a.x, b.x), right = std::max(a.x, b.x);
  const int32_t top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
  TCellSet set;
  const int32_t cols = std::min(gridSize.x, MaxMapSize), rows = std::min(gridSize.y, MaxMapSize);
  for (int32_t y = 0; y < rows; ++y)
    for (int32_t x = 0; x < cols; ++x) {
      const TPoint o = geometry.CellToPoint({x, y});
      const TPoint centre{o.x + HexSize / 2, o.y + HexSize / 2};
      if (centre.x >= left && centre.x <= right && centre.y >= top && centre.y <= bottom)
        set.Add({x, y});
    }
  return set;
}

TCellSet AllCells(TPoint gridSize) {
  TCellSet set;
  for (int32_t y = 0; y < std::min(gridSize.y, MaxMapSize); ++y)
    for (int32_t x = 0; x < std::min(gridSize.x, MaxMapSize); ++x)
      set.Add({x, y});
  return set;
}

}  // namespace vh
