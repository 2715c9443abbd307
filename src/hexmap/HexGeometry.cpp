#include "hexmap/HexGeometry.h"

#include "base/Errors.h"
#include "graphics/HexPicture.h"

namespace vh {

namespace {

// Pixels may lie anywhere around the grid, so cells are counted with
// floor division; 64 bits keep the arithmetic safe at the ends of int32.
int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

bool IsOdd(int64_t column) {
  return (column & 1) != 0;
}

}  // namespace

TPoint THexGeometry::CellToPoint(TPoint cell) const {
  const int32_t s = HexSpace;
  if (Style == es4Ecks)
    return {cell.x * (s + 24), cell.y * (s + 24)};
  return {cell.x * (s + 16), cell.y * (s + 24) + (IsOdd(cell.x) ? s / 2 + 12 : 0)};
}

TPoint THexGeometry::GridExtent(TPoint size) const {
  const int32_t s = HexSpace;
  if (Style == es4Ecks)
    return {24 * size.x + (size.x - 1) * s, 24 * size.y + (size.y - 1) * s};
  return {16 * size.x + 8 + (size.x - 1) * s, 24 * size.y + 12 + (size.y - 1) * s + s / 2};
}

bool THexGeometry::InCellOutline(TPoint pixel, TPoint cell) const {
  const TPoint o = CellToPoint(cell);
  const int64_t lx = int64_t{pixel.x} - o.x, ly = int64_t{pixel.y} - o.y;
  if (lx < 0 || ly < 0 || lx >= HexSize || ly >= HexSize)
    return false;
  return InsideHexOutline(static_cast<int>(ly), static_cast<int>(lx));
}

std::optional<TPoint> THexGeometry::CellAt(TPoint pixel) const {
  const int64_t s = HexSpace, x = pixel.x, y = pixel.y;
  if (Style == es4Ecks) {
    const int64_t pitch = s + 24;
    const int64_t c = FloorDiv(x, pitch), r = FloorDiv(y, pitch);
    const int64_t lx = x - c * pitch, ly = y - r * pitch;
    if (ly < HexSize && lx < HexSize && InsideHexOutline(static_cast<int>(ly), static_cast<int>(lx)))
      return TPoint{static_cast<int32_t>(c), static_cast<int32_t>(r)};
    return std::nullopt;
  }
  // Columns are s + 16 pixels apart but 24 wide, so a pixel can only lie in
  // the column its x falls in or in the one to the left, whose right point
  // reaches into it; each column has exactly one candidate row.
  const int64_t pitchX = s + 16, pitchY = s + 24;
  const int64_t c0 = FloorDiv(x, pitchX);
  for (int64_t c = c0; c >= c0 - 1; --c) {
    const int64_t lx = x - c * pitchX;
    if (lx >= HexSize)
      continue;
    const int64_t yy = y - (IsOdd(c) ? s / 2 + 12 : 0);
    const int64_t r = FloorDiv(yy, pitchY);
    const int64_t ly = yy - r * pitchY;
    if (ly < HexSize && InsideHexOutline(static_cast<int>(ly), static_cast<int>(lx)))
      return TPoint{static_cast<int32_t>(c), static_cast<int32_t>(r)};
  }
  return std::nullopt;
}

bool THexGeometry::PointToCell(TPoint& p, TPoint gridSize) const {
  std::optional<TPoint> cell = CellAt(p);
  if (!cell || !IsInGrid(*cell, gridSize))
    return false;
  p = *cell;
  return true;
}

}  // namespace vh
