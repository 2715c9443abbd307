#include "hexmap/HexLine.h"

#include <cstdlib>

namespace vh {

namespace {

// Cube coordinates (q + r + s = 0) make the hexagonal layout a plane where
// lines can be interpolated; 64 bits leave room for the scaled arithmetic.
struct TCube {
  int64_t q, r, s;
};

TCube ToCube(TPoint cell) {
  const int64_t x = cell.x, y = cell.y;
  const int64_t r = y - (x - (x & 1)) / 2;
  return {x, r, -x - r};
}

TPoint FromCube(int64_t q, int64_t r) {
  return {static_cast<int32_t>(q), static_cast<int32_t>(r + (q - (q & 1)) / 2)};
}

int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t d = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? d - 1 : d;
}

// The integer nearest to v / scale; v is never halfway between two.
int64_t RoundScaled(int64_t v, int64_t scale) {
  return FloorDiv(2 * v + scale, 2 * scale);
}

}  // namespace

int32_t HexDistance(TPoint a, TPoint b) {
  const TCube ca = ToCube(a), cb = ToCube(b);
  const int64_t d = (std::llabs(ca.q - cb.q) + std::llabs(ca.r - cb.r) + std::llabs(ca.s - cb.s)) / 2;
  return static_cast<int32_t>(d);
}

std::vector<TPoint> HexLine(TPoint from, TPoint to) {
  const int64_t n = HexDistance(from, to);
  std::vector<TPoint> cells;
  cells.reserve(static_cast<size_t>(n) + 1);
  cells.push_back(from);
  if (n == 0)
    return cells;
  const TCube a = ToCube(from), b = ToCube(to);
  // The point i/n of the way along, scaled by 8n so it stays an integer. A
  // line along a cell border passes exactly between two cells; the small
  // offsets (1, 2, -3), the same for every point whichever end the line
  // starts from, settle such ties alike in both directions. They are too
  // small to change any other rounding.
  const int64_t scale = 8 * n;
  for (int64_t i = 1; i < n; ++i) {
    const int64_t q = 8 * (a.q * (n - i) + b.q * i) + 1;
    const int64_t r = 8 * (a.r * (n - i) + b.r * i) + 2;
    const int64_t s = 8 * (a.s * (n - i) + b.s * i) - 3;
    int64_t rq = RoundScaled(q, scale), rr = RoundScaled(r, scale), rs = RoundScaled(s, scale);
    const int64_t dq = std::llabs(rq * scale - q), dr = std::llabs(rr * scale - r),
                  ds = std::llabs(rs * scale - s);
    if (dq > dr && dq > ds)
      rq = -rr - rs;
    else if (dr > ds)
      rr = -rq - rs;
    cells.push_back(FromCube(rq, rr));
  }
  cells.push_back(to);
  return cells;
}

}  // namespace vh
