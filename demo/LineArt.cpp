// Roads, rivers, railways and walls. Every line runs from the hex centre
// through the midpoint of each connected side, the same straight line that
// joins the centres of two neighbouring cells, so a line drawn in one cell
// continues without a kink in the next.
#include <cmath>

#include "demo/Art.h"
#include "demo/Palette.h"
#include "demo/PartCatalog.h"

namespace vh::demo {
namespace {

// Past the border, so the line fills the cell right up to its edge.
Pt LineEnd(int dir) {
  Pt m = SideMidpoint(dir);
  return {HexCentre.x + (m.x - HexCentre.x) * 1.3, HexCentre.y + (m.y - HexCentre.y) * 1.3};
}

template <class F> void EachSide(unsigned sides, F&& f) {
  for (int d = 0; d < 6; ++d)
    if (sides & (1u << d))
      f(d, LineEnd(d));
}

int SideCount(unsigned sides) {
  int n = 0;
  for (int d = 0; d < 6; ++d)
    n += (sides >> d) & 1;
  return n;
}

void Road(Canvas& cv, unsigned sides, uint8_t edge, uint8_t surface) {
  if (sides == 0) {  // a lone piece of road: a small square
    cv.Disc(12, 12, 3.3, edge);
    cv.Disc(12, 12, 2.4, surface);
    return;
  }
  EachSide(sides, [&](int, Pt e) { cv.Segment(HexCentre, e, 2.7, edge); });
  EachSide(sides, [&](int, Pt e) { cv.Segment(HexCentre, e, 1.75, surface); });
}

void River(Canvas& cv, unsigned sides) {
  if (SideCount(sides) <= 1) {  // a spring or a pond
    cv.Ellipse(12, 12, 4.2, 3.6, pal::Water + 2);
    cv.Ellipse(12, 12, 3.3, 2.7, pal::Water + 4);
    cv.Ellipse(11.3, 11.4, 1.5, 1.0, pal::Water + 6);
  }
  EachSide(sides, [&](int, Pt e) { cv.Segment(HexCentre, e, 2.8, pal::Water + 2); });
  EachSide(sides, [&](int, Pt e) { cv.Segment(HexCentre, e, 1.9, pal::Water + 4); });
  // Glints on the current, away from the banks.
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c)
      if (cv.Get(c, r) == pal::Water + 4 && Hash01(c, r, 77) < 0.16)
        cv.Set(c, r, pal::Water + 6);
}

void Rail(Canvas& cv, unsigned sides) {
  EachSide(sides, [&](int, Pt e) { cv.Segment(HexCentre, e, 2.4, pal::Rock + 3); });
  if (sides == 0)  // a lone piece of track: a patch of ballast
    cv.Disc(12, 12, 2.8, pal::Rock + 3);
  // Sleepers across the track every three pixels, then the two rails on top.
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      Pt p{c + 0.5, r + 0.5};
      EachSide(sides, [&](int, Pt e) {
        double t = 0;
        double d = DistanceToSegment(p, HexCentre, e, &t);
        double along = t * std::hypot(e.x - HexCentre.x, e.y - HexCentre.y);
        if (d <= 2.4 && std::fmod(along + 0.6, 3.0) < 1.2)
          cv.Set(c, r, pal::Wood + 2);
      });
    }
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      Pt p{c + 0.5, r + 0.5};
      EachSide(sides, [&](int, Pt e) {
        double d = DistanceToSegment(p, HexCentre, e);
        if (d >= 0.95 && d <= 1.75)
          cv.Set(c, r, pal::Metal + 1);
      });
    }
}

void Wall(Canvas& cv, unsigned sides) {
  EachSide(sides, [&](int, Pt e) { cv.Segment(HexCentre, e, 2.0, pal::Ink); });
  EachSide(sides, [&](int, Pt e) { cv.Segment(HexCentre, e, 1.2, pal::Rock + 5); });
  // Battlements: light blocks along the top of the wall.
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      Pt p{c + 0.5, r + 0.5};
      EachSide(sides, [&](int, Pt e) {
        double t = 0;
        double d = DistanceToSegment(p, HexCentre, e, &t);
        double along = t * std::hypot(e.x - HexCentre.x, e.y - HexCentre.y);
        if (d <= 0.8 && std::fmod(along, 3.0) < 1.3)
          cv.Set(c, r, pal::Rock + 7);
      });
    }
  if (SideCount(sides) != 2) {  // a tower where the wall ends or branches
    cv.Disc(12, 12, 3.4, pal::Ink);
    cv.Disc(12, 12, 2.6, pal::Rock + 4);
    cv.Disc(11.5, 11.5, 1.4, pal::Rock + 6);
  }
}

}  // namespace

Picture LinePicture(int kind, unsigned sides) {
  Canvas cv(0);
  switch (kind) {
  case 0:
    Road(cv, sides, pal::Road + 1, pal::Road + 4);
    break;
  case 1:
    River(cv, sides);
    break;
  case 2:
    Rail(cv, sides);
    break;
  default:
    Wall(cv, sides);
    break;
  }
  return cv.Pixels();
}

Picture LineIcon(unsigned kinds) {
  // Each kind of the object along its own axis, in the order the map draws them.
  static const int drawOrder[4] = {1, 2, 0, 3};
  static const unsigned axes[4] = {0b001001, 0b010010, 0b100100, 0b001001};
  Canvas cv(0);
  int n = 0;
  for (int k : drawOrder)
    if (kinds & (1u << k))
      cv.Overlay(LinePicture(k, axes[n++]));
  return cv.Pixels();
}

Picture CrossingPicture(int roadAxis, int riverAxis, bool ford) {
  unsigned road = (1u << roadAxis) | (1u << (roadAxis + 3));
  unsigned river = (1u << riverAxis) | (1u << (riverAxis + 3));
  Canvas cv(LinePicture(1, river));
  Pt a = LineEnd(roadAxis), b = LineEnd(roadAxis + 3);
  if (ford) {
    Road(cv, road, pal::Earth + 2, pal::Earth + 5);
    for (int r = 0; r < HexSize; ++r)  // stepping stones where the road meets the water
      for (int c = 0; c < HexSize; ++c)
        if (DistanceToSegment({c + 0.5, r + 0.5}, a, b) < 1.6 && Hash01(c, r, 91) < 0.35)
          cv.Set(c, r, pal::Rock + 6);
    return cv.Pixels();
  }
  // A stone bridge: dark outline, parapets, then the carriageway.
  cv.Segment(a, b, 3.4, pal::Ink);
  cv.Segment(a, b, 2.7, pal::Wall + 2);
  cv.Segment(a, b, 1.75, pal::Road + 4);
  // Its shadow on the water below.
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c)
      if (cv.Get(c, r) == pal::Water + 4 && DistanceToSegment({c - 0.5, r - 0.5}, a, b) < 3.4)
        cv.Set(c, r, pal::Water + 1);
  return cv.Pixels();
}

}  // namespace vh::demo
