#pragma once

#include <bitset>
#include <cstddef>
#include <vector>

#include "hexmap/HexGeometry.h"
#include "mission/Mission.h"

namespace vh {

// A set of cells of the 64 x 64 grid: the cells the user selected on a map.
class TCellSet {
public:
  bool Contains(TPoint cell) const { return IsInGrid(cell, {MaxMapSize, MaxMapSize}) && bits_[Index(cell)]; }
  // Cells outside the 64 x 64 grid are ignored.
  void Add(TPoint cell) {
    if (IsInGrid(cell, {MaxMapSize, MaxMapSize}))
      bits_[Index(cell)] = true;
  }
  void Add(const TCellSet& other) { bits_ |= other.bits_; }
  void Clear() { bits_.reset(); }
  bool Empty() const { return bits_.none(); }
  size_t Count() const { return bits_.count(); }
  // Drops the cells outside `gridSize`; returns whether any went.
  bool KeepInside(TPoint gridSize);
  // Row by row, left to right.
  std::vector<TPoint> Cells() const;
  friend bool operator==(const TCellSet&, const TCellSet&) = default;

private:
  static size_t Index(TPoint cell) { return static_cast<size_t>(cell.y * MaxMapSize + cell.x); }
  std::bitset<MaxMapSize * MaxMapSize> bits_;
};

// The cells of `gridSize` whose centres lie in the pixel rectangle spanned by
// the corners `a` and `b` (in either order, both edges included).
TCellSet CellsInRect(const THexGeometry& geometry, TPoint a, TPoint b, TPoint gridSize);

// Every cell of `gridSize`.
TCellSet AllCells(TPoint gridSize);

}  // namespace vh
