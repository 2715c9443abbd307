// Water and coast pictures. A coast tile's shoreline always runs into the hex
// corners at both ends of its land sides, so neighbouring coast tiles meet
// there whatever tiles the map generator puts side by side.
#include <algorithm>
#include <cmath>
#include <vector>

#include "demo/Art.h"
#include "demo/Palette.h"
#include "demo/PartCatalog.h"

namespace vh::demo {
namespace {

uint8_t Shade(uint8_t ramp, int lo, int hi, double v) {
  int k = lo + static_cast<int>(std::floor(v * (hi - lo + 1)));
  return static_cast<uint8_t>(ramp + std::clamp(k, lo, hi));
}

// Open water: a calm base with short wave crests, each with its trough below.
void Waves(Canvas& cv, uint8_t ramp, int depth, uint32_t seed) {
  int lo = 5 - 2 * depth, hi = lo + 1;
  cv.Shade([&](int c, int r) {
    double n = 0.6 * ValueNoise(c, r, 6, seed) + 0.4 * ValueNoise(c, r, 3, seed + 1);
    return Shade(ramp, lo, hi, n);
  });
  for (int i = 0; i < 7; ++i) {
    int x = 3 + static_cast<int>(17 * Hash01(seed, i, 1));
    int y = 2 + static_cast<int>(19 * Hash01(seed, i, 2));
    int len = 2 + static_cast<int>(2 * Hash01(seed, i, 3));
    for (int k = 0; k < len; ++k) {
      if (!InsideHex(x + k, y) || !InsideHex(x + k, y + 1))
        continue;
      cv.Set(x + k, y, static_cast<uint8_t>(ramp + std::min(hi + 2, 7)));
      cv.Set(x + k + 1, y + 1, static_cast<uint8_t>(ramp + std::max(lo - 1, 0)));
    }
  }
}

// Distance from p to the hex border between two corners, running through the
// sides [first, last] (cyclic), and the position along that border in [0, 1].
double BorderDistance(Pt p, int first, int last, double* along) {
  std::vector<Pt> path;
  path.push_back(VertexBetween(first - 1, first));
  for (int d = first;; d = (d + 1) % 6) {
    path.push_back(VertexBetween(d, d + 1));
    if (d == last)
      break;
  }
  double total = 0, best = 1e9, bestAt = 0;
  std::vector<double> lengths;
  for (size_t i = 0; i + 1 < path.size(); ++i)
    lengths.push_back(std::hypot(path[i + 1].x - path[i].x, path[i + 1].y - path[i].y));
  for (double l : lengths)
    total += l;
  double start = 0;
  for (size_t i = 0; i + 1 < path.size(); ++i) {
    double t = 0;
    double d = DistanceToSegment(p, path[i], path[i + 1], &t);
    if (d < best) {
      best = d;
      bestAt = (start + t * lengths[i]) / total;
    }
    start += lengths[i];
  }
  *along = bestAt;
  return best;
}

// How far land reaches into the cell at point p: positive inside the land.
double LandReach(Pt p, unsigned mask, int tile, uint32_t seed) {
  if (tile == 11 || tile == 12) {
    Pt corner = tile == 11 ? Pt{24, 12} : Pt{0, 12};
    double wobble = 0.8 * (ValueNoise(p.x, p.y, 2.5, seed) - 0.5);
    return 4.2 + wobble - std::hypot(p.x - corner.x, p.y - corner.y);
  }
  double reach = -1e9;
  for (int first = 0; first < 6; ++first) {
    // A run of land sides starts where the side before it is water.
    if (!(mask & (1u << first)) || (mask & (1u << ((first + 5) % 6))))
      continue;
    int last = first, len = 1;
    while (len < 6 && (mask & (1u << ((last + 1) % 6)))) {
      last = (last + 1) % 6;
      ++len;
    }
    double along = 0;
    double dist = BorderDistance(p, first, last, &along);
    double bump = std::pow(std::sin(3.14159265358979 * along), 0.55);
    double depth = 5.5 + 1.2 * (len - 1);
    double wobble = 1.6 * (ValueNoise(p.x, p.y, 3, seed) - 0.5) * bump;
    reach = std::max(reach, depth * bump + wobble - dist);
  }
  return reach;
}

}  // namespace

bool IsWaterColour(uint8_t colour) {
  return (colour >= pal::Water && colour < pal::Water + 8) ||
         (colour >= pal::DarkWater && colour < pal::DarkWater + 8);
}

Picture WaterPicture(int depth, bool dark) {
  Canvas cv;
  Waves(cv, dark ? pal::DarkWater : pal::Water, std::clamp(depth, 0, 2), 2000 + depth * 7 + (dark ? 3 : 0));
  return cv.Pixels();
}

Picture CoastPicture(int tile, bool dark) {
  uint32_t seed = 2100 + tile * 11 + (dark ? 5 : 0);
  uint8_t water = dark ? pal::DarkWater : pal::Water;
  Canvas land(GrassPicture(0, dark));
  Canvas cv;
  Waves(cv, water, 0, seed);
  unsigned mask = CoastTileLandMask(tile);
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      if (!InsideHex(c, r))
        continue;
      double reach = LandReach({c + 0.5, r + 0.5}, mask, tile, seed);
      if (reach > 1.3)
        cv.Set(c, r, land.Get(c, r));
      else if (reach > 0)
        cv.Set(c, r, Hash01(c, r, seed) < 0.7 ? pal::Sand + 5 : pal::Sand + 6);  // beach
      else if (reach > -1.0)
        cv.Set(c, r, static_cast<uint8_t>(water + 7));  // surf along the beach
    }
  return cv.Pixels();
}

}  // namespace vh::demo
