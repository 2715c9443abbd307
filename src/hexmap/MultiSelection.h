#pragma once

#include <array>
#include <cstdint>

#include "mission/Mission.h"

namespace vh {

constexpr int MultiSelCols = 12;
constexpr int MultiSelRows = 6;

// A connected block of terrain or object pictures chosen in the palette and
// painted onto the map in one go. Its columns and rows lie like map cells:
// odd block columns sit half a cell lower than even ones.
struct TMultiSelection {
  // Entry of block column x, row y at y * 12 + x; -1: not part of the block.
  std::array<int16_t, MultiSelCols* MultiSelRows> Pictures = FilledWithNone();
  int32_t AnchorX = 0;  // the block cell that lands on the cell painted
  int32_t AnchorY = 0;

  int16_t At(int col, int row) const { return Pictures[Index(col, row)]; }
  int16_t& At(int col, int row) { return Pictures[Index(col, row)]; }
  bool IsEmpty() const {
    for (int16_t p : Pictures)
      if (p != -1)
        return false;
    return true;
  }
  friend bool operator==(const TMultiSelection&, const TMultiSelection&) = default;

private:
  static constexpr size_t Index(int col, int row) { return static_cast<size_t>(row * MultiSelCols + col); }
  static constexpr std::array<int16_t, MultiSelCols * MultiSelRows> FilledWithNone() {
    std::array<int16_t, MultiSelCols * MultiSelRows> a{};
    a.fill(-1);
    return a;
  }
};

// The map cell that block entry (col, row) lands on when the anchor is put
// on `cell`. A move by an odd number of columns swaps which columns are the
// lower ones, so the columns of the anchor's parity shift by one row to keep
// the block's shape.
constexpr TPoint PasteTarget(TPoint cell, const TMultiSelection& sel, int col, int row) {
  const int32_t shift = (cell.x % 2) - (sel.AnchorX % 2);
  TPoint t{cell.x - sel.AnchorX + col, cell.y - sel.AnchorY + row};
  if (t.x % 2 == sel.AnchorX % 2)
    t.y += shift;
  return t;
}

}  // namespace vh
