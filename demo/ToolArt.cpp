// The editor's own marks (TOOLS.DAT) and the map cursor frames.
#include <cmath>

#include "demo/Art.h"
#include "demo/Palette.h"

namespace vh::demo {
namespace {

// How deep a pixel lies inside the outline: 1 for the outermost ring, 0 outside.
int RingDepth(int c, int r) {
  if (!InsideHex(c, r))
    return 0;
  for (int k = 1; k < HexSize; ++k)
    for (int dr = -k; dr <= k; ++dr)
      for (int dc = -k; dc <= k; ++dc)
        if (!InsideHex(c + dc, r + dr))
          return k;
  return HexSize;
}

// The border pixels of one hex side: the outermost pixel of every row the
// side spans, or the whole top or bottom row.
bool OnSide(int side, int c, int r) {
  switch (side) {
  case 0:
    return r == 0 && InsideHex(c, r);
  case 3:
    return r == HexSize - 1 && InsideHex(c, r);
  case 1:
    return r < 12 && c == HexSize - 1 - HexRowInset[r];
  case 2:
    return r >= 12 && c == HexSize - 1 - HexRowInset[r];
  case 4:
    return r >= 12 && c == HexRowInset[r];
  default:
    return r < 12 && c == HexRowInset[r];
  }
}

// Marks whose outside must end up transparent carry 240 there.
Canvas MarkCanvas() {
  Canvas cv(0);
  cv.FillOutside(pal::ToolOutside);
  return cv;
}

}  // namespace

Picture ToolPicture(int part) {
  Canvas cv(0);
  switch (part) {
  case 1:  // changed by the shown change layer: a dashed magenta ring
    cv = MarkCanvas();
    for (int r = 0; r < HexSize; ++r)
      for (int c = 0; c < HexSize; ++c)
        if (RingDepth(c, r) == 2 && (c + r) % 4 < 2)
          cv.Set(c, r, pal::MarkMagenta);
    break;
  case 2:  // cell with a shop, cargo or AI point: a yellow diamond at the upper left
    cv = MarkCanvas();
    cv.Polygon({{7, 3}, {10.5, 6.5}, {7, 10}, {3.5, 6.5}}, pal::Ink);
    cv.Polygon({{7, 4.2}, {9.3, 6.5}, {7, 8.8}, {4.7, 6.5}}, pal::MarkYellow);
    break;
  case 3:  // spare marks the editor loads but does not draw
    for (int r = 0; r < HexSize; ++r)
      for (int c = 0; c < HexSize; ++c)
        if (InsideHex(c, r) && (c + r) % 2 == 0)
          cv.Set(c, r, pal::MarkCyan);
    break;
  case 4:
    cv.Segment({6, 6}, {18, 18}, 1.2, pal::MarkOrange);
    break;
  case 5:
    for (int r = 0; r < HexSize; ++r)
      for (int c = 0; c < HexSize; ++c)
        if (RingDepth(c, r) == 3)
          cv.Set(c, r, pal::MarkCyan);
    break;
  case 6:  // the change layer removes the object: a red cross
    cv = MarkCanvas();
    cv.Segment({6.5, 6.5}, {17.5, 17.5}, 1.9, pal::MarkDarkRed);
    cv.Segment({17.5, 6.5}, {6.5, 17.5}, 1.9, pal::MarkDarkRed);
    cv.Segment({6.5, 6.5}, {17.5, 17.5}, 1.1, pal::MarkRed);
    cv.Segment({17.5, 6.5}, {6.5, 17.5}, 1.1, pal::MarkRed);
    break;
  case 7:
  case 8:
  case 9:
  case 10:
  case 11:
  case 12:  // hex side highlights
    for (int r = 0; r < HexSize; ++r)
      for (int c = 0; c < HexSize; ++c)
        if (OnSide(part - 7, c, r))
          cv.Set(c, r, pal::Outside);
    break;
  case 13:  // standard production marks: blue left half, red right half of a thick rim
  case 14:
    for (int r = 0; r < HexSize; ++r)
      for (int c = 0; c < HexSize; ++c) {
        int depth = RingDepth(c, r);
        bool left = c < HexSize / 2;
        if (depth >= 1 && depth <= 2 && left == (part == 13))
          cv.Set(c, r,
                 part == 13 ? (depth == 1 ? pal::MarkDarkBlue : pal::MarkBlue)
                            : (depth == 1 ? pal::MarkDarkRed : pal::MarkRed));
      }
    break;
  default:  // part 0: nothing
    cv = MarkCanvas();
    break;
  }
  if (part == 1 || part == 2 || part == 6)
    cv.FillOutside(pal::ToolOutside);
  return cv.Pixels();
}

Picture CursorPicture(int index) {
  // Four frames of "marching" dashes around a thick rim; three colour sets
  // (select, attack, move) of four frames each.
  static const uint8_t colours[3][2] = {
      {pal::MarkYellow, pal::Outside}, {pal::MarkRed, pal::MarkOrange}, {pal::MarkCyan, pal::MarkBlue}};
  int set = (index / 4) % 3, phase = index % 4;
  Canvas cv(0);
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      int depth = RingDepth(c, r);
      if (depth < 1 || depth > 2)
        continue;
      double angle = std::atan2(r + 0.5 - 12, c + 0.5 - 12) + 3.14159265358979;
      int segment = static_cast<int>(angle / (2 * 3.14159265358979) * 16);
      cv.Set(c, r, ((segment + phase) % 4 < 2) ? colours[set][0] : colours[set][1]);
    }
  return cv.Pixels();
}

}  // namespace vh::demo
