// Land terrain pictures. Light falls from the upper left throughout, so lit
// faces are drawn lighter on that side and shadows fall to the lower right.
#include <algorithm>
#include <cmath>
#include <vector>

#include "demo/Art.h"
#include "demo/Palette.h"

namespace vh::demo {
namespace {

// Picks base + lo .. base + hi by a value in [0, 1).
uint8_t Pick(uint8_t base, int lo, int hi, double v) {
  int k = lo + static_cast<int>(std::floor(v * (hi - lo + 1)));
  return static_cast<uint8_t>(base + std::clamp(k, lo, hi));
}

double Fbm(int c, int r, uint32_t seed, double scale = 6) {
  return 0.6 * ValueNoise(c, r, scale, seed) + 0.4 * ValueNoise(c, r, scale / 2.4, seed + 1);
}

void Meadow(Canvas& cv, uint8_t ramp, uint32_t seed, int lo = 2, int hi = 5) {
  cv.Shade([&](int c, int r) { return Pick(ramp, lo, hi, Fbm(c, r, seed)); });
  // Tufts: a dark root pixel with a light blade above it.
  for (int r = 1; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c)
      if (InsideHex(c, r) && Hash01(c, r, seed, 7) < 0.06) {
        cv.Set(c, r, static_cast<uint8_t>(ramp + std::max(lo - 1, 0)));
        if (InsideHex(c, r - 1))
          cv.Set(c, r - 1, static_cast<uint8_t>(ramp + std::min(hi + 1, 7)));
      }
}

void Dots(Canvas& cv, uint32_t seed, double density, std::initializer_list<uint8_t> colours) {
  std::vector<uint8_t> cols(colours);
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c)
      if (InsideHex(c, r) && Hash01(c, r, seed, 11) < density)
        cv.Set(c, r, cols[Hash(c, r, seed, 12) % cols.size()]);
}

// A round crown seen from above, with its shadow to the lower right.
void Tree(Canvas& cv, double x, double y, double rad, uint8_t ramp) {
  cv.Disc(x + 0.8, y + 0.9, rad, static_cast<uint8_t>(ramp + 0));
  cv.Disc(x, y, rad, static_cast<uint8_t>(ramp + 3));
  cv.Disc(x - 0.3, y - 0.3, rad * 0.7, static_cast<uint8_t>(ramp + 4));
  cv.Disc(x - rad * 0.35, y - rad * 0.4, rad * 0.4, static_cast<uint8_t>(ramp + 6));
}

// A conifer seen slightly from the side: two tiers of branches, lit on the
// left, with its shadow falling to the lower right.
void Pine(Canvas& cv, double x, double y, double h, uint8_t ramp, bool snowy = false) {
  double top = y - h / 2, bottom = y + h / 2, half = h * 0.34;
  cv.Polygon({{x + 1.2, top + 1}, {x + half + 1.8, bottom + 0.8}, {x - half + 1.2, bottom + 0.8}}, ramp);
  for (int tier = 0; tier < 2; ++tier) {
    double t0 = top + tier * h * 0.35, t1 = tier == 0 ? top + h * 0.6 : bottom;
    double w = half * (tier == 0 ? 0.7 : 1.0);
    cv.Polygon({{x, t0}, {x, t1}, {x - w, t1}}, static_cast<uint8_t>(ramp + (snowy ? 6 : 5)));
    cv.Polygon({{x, t0}, {x + w, t1}, {x, t1}}, static_cast<uint8_t>(ramp + 2));
    if (snowy)
      cv.Segment({x - w * 0.8, t1 - 0.3}, {x - 0.3, t1 - 0.3}, 0.4, pal::Snow + 3);
  }
  cv.Set(static_cast<int>(x), static_cast<int>(bottom), pal::Wood + 1);
}

// Positions on a jittered grid over the hexagon, top to bottom so that lower
// crowns overlap upper ones as they would in perspective.
template <class F> void Scatter(double spacing, double density, uint32_t seed, F&& place) {
  int row = 0;
  for (double y = 2.5; y < 23; y += spacing * 0.86, ++row)
    for (double x = (row % 2) ? 1.5 + spacing / 2 : 1.5; x < 23; x += spacing) {
      double jx = (Hash01(row, static_cast<uint32_t>(x * 10), seed, 1) - 0.5) * spacing * 0.5;
      double jy = (Hash01(row, static_cast<uint32_t>(x * 10), seed, 2) - 0.5) * spacing * 0.4;
      double px = x + jx, py = y + jy;
      if (!InsideHex(static_cast<int>(px), static_cast<int>(py)) ||
          Hash01(row, static_cast<uint32_t>(x * 10), seed, 3) >= density)
        continue;
      place(px, py, Hash01(row, static_cast<uint32_t>(x * 10), seed, 4));
    }
}

// A grassy mound lit from the upper left.
void Mound(Canvas& cv, double cx, double cy, double rx, double ry, uint8_t lit, uint8_t mid, uint8_t dark,
           uint8_t rim) {
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      double nx = (c + 0.5 - cx) / rx, ny = (r + 0.5 - cy) / ry;
      double d = nx * nx + ny * ny;
      if (d > 1.0 || !InsideHex(c, r))
        continue;
      double light = -(nx * 0.75 + ny * 0.65);
      uint8_t v = light > 0.3 ? lit : light > -0.25 ? mid : dark;
      if (d > 0.72 && ny > 0.2)
        v = rim;
      cv.Set(c, r, v);
    }
}

// A rock peak: lit left face, shaded right face, optional snow above `snowLine` (0..1 of its height).
void Peak(Canvas& cv, double ax, double ay, double halfW, double baseY, double snowLine, uint32_t seed) {
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      double x = c + 0.5, y = r + 0.5;
      if (y < ay || y > baseY)
        continue;
      double f = (y - ay) / (baseY - ay);
      double ridge = ax + f * halfW * 0.25 * std::sin(ax + ay);  // a slightly bent ridge line
      if (std::abs(x - ax) > f * halfW)
        continue;
      bool lit = x < ridge;
      double n = ValueNoise(c, r, 2.5, seed);
      uint8_t v = lit ? Pick(pal::Rock, 5, 7, n) : Pick(pal::Rock, 2, 3, n);
      if (f < snowLine + 0.12 * (n - 0.5))
        v = lit ? pal::Snow + 2 : pal::Ice + 4;
      if (std::abs(x - ax) > f * halfW - 0.9)
        v = pal::Rock + 1;  // outer edge
      cv.Set(c, r, v);
    }
}

}  // namespace

Picture GrassPicture(int variant, bool dark) {
  uint8_t ramp = dark ? pal::DarkGreen : pal::Grass;
  uint32_t seed = 100 + variant * 17 + (dark ? 5 : 0);
  Canvas cv;
  switch (variant) {
  case 0:  // plain meadow
    Meadow(cv, ramp, seed, dark ? 4 : 3, dark ? 6 : 5);
    break;
  case 1:  // flowering meadow
    Meadow(cv, ramp, seed, 3, 5);
    Dots(cv, seed, 0.05, {pal::Flower + 0, pal::Flower + 1, pal::Flower + 1, pal::Flower + 2});
    break;
  case 2:  // meadow with shrubs
    Meadow(cv, ramp, seed, 3, 5);
    Scatter(8, 0.55, seed, [&](double x, double y, double h) { Tree(cv, x, y, 1.6 + h, pal::DarkGreen); });
    break;
  case 3:  // dry grass
    cv.Shade([&](int c, int r) {
      double n = Fbm(c, r, seed);
      return n < 0.45 ? Pick(ramp, 4, 5, n / 0.45) : Pick(pal::Field, 3, 5, (n - 0.45) / 0.55);
    });
    Dots(cv, seed + 1, 0.05, {pal::Grass + 2, pal::Field + 2});
    break;
  case 4:  // meadow with stones
    Meadow(cv, ramp, seed, 3, 5);
    for (int i = 0; i < 4; ++i) {
      double x = 5 + 14 * Hash01(seed, i, 1), y = 5 + 14 * Hash01(seed, i, 2);
      cv.Disc(x + 0.5, y + 0.5, 1.3, pal::Rock + 1);
      cv.Disc(x, y, 1.2, pal::Rock + 5);
      cv.Set(static_cast<int>(x - 0.5), static_cast<int>(y - 0.5), pal::Rock + 7);
    }
    break;
  default:  // lush, darker grass
    Meadow(cv, ramp, seed, 2, 4);
    break;
  }
  return cv.Pixels();
}

Picture ForestPicture(int variant, bool dark) {
  uint32_t seed = 300 + variant * 13 + (dark ? 7 : 0);
  Canvas cv;
  bool pines = variant == 3 || variant == 4;
  Meadow(cv, pines ? pal::Grass : pal::DarkGreen, seed, 1, 3);
  double density = variant == 5 ? 0.5 : variant == 2 ? 0.95 : 0.85;
  double spacing = pines ? 6.5 : variant == 2 ? 4.6 : 5.2;
  Scatter(spacing, density, seed, [&](double x, double y, double h) {
    if (pines || (variant == 5 && h > 0.5))
      Pine(cv, x, y, 6.5 + 1.5 * h, pal::DarkGreen);
    else
      Tree(cv, x, y, (dark ? 2.6 : 2.4) + 0.8 * h,
           dark ? pal::DarkGreen : pal::DarkGreen + (h > 0.7 ? 1 : 0));
  });
  return cv.Pixels();
}

Picture HillsPicture(int variant, bool dark) {
  uint32_t seed = 500 + variant * 19 + (dark ? 3 : 0);
  uint8_t ramp = dark ? pal::DarkGreen : pal::Grass;
  Canvas cv;
  Meadow(cv, ramp, seed, 2, 4);
  bool bare = variant == 2 || variant == 4;
  // Bare hills keep a grassy top above their earthen slopes.
  uint8_t lit = static_cast<uint8_t>(ramp + 6);
  uint8_t mid = bare ? pal::Earth + 5 : static_cast<uint8_t>(ramp + 4);
  uint8_t shade = bare ? pal::Earth + 3 : static_cast<uint8_t>(ramp + 2);
  uint8_t rim = bare ? pal::Earth + 2 : static_cast<uint8_t>(ramp + 1);
  struct M {
    double x, y, rx, ry;
  };
  static const M layouts[5][3] = {
      {{8, 9, 7, 5}, {16, 15, 7, 5}, {0, 0, 0, 0}},   {{12, 8, 8, 5}, {7, 16, 6, 4}, {17, 17, 5.5, 4}},
      {{10, 10, 8, 6}, {17, 16, 6, 4}, {0, 0, 0, 0}}, {{6, 10, 5, 4}, {13, 7, 5, 4}, {13, 16, 8, 5}},
      {{12, 12, 9, 6.5}, {0, 0, 0, 0}, {0, 0, 0, 0}},
  };
  for (const M& m : layouts[variant % 5])
    if (m.rx > 0)
      Mound(cv, m.x, m.y, m.rx, m.ry, lit, mid, shade, rim);
  if (variant == 4)  // rocky knoll
    Dots(cv, seed, 0.08, {pal::Rock + 3, pal::Rock + 5});
  if (variant == 3)
    Scatter(7, 0.35, seed,
            [&](double x, double y, double h) { Tree(cv, x, y, 1.5 + h * 0.6, pal::DarkGreen); });
  return cv.Pixels();
}

Picture MountainPicture(int variant, bool dark) {
  uint32_t seed = 700 + variant * 23 + (dark ? 11 : 0);
  Canvas cv;
  // The dark set's mountains rise from wooded slopes.
  cv.Shade([&](int c, int r) {
    double n = Fbm(c, r, seed, 4);
    return dark && n > 0.5 ? Pick(pal::DarkGreen, 1, 3, n) : Pick(pal::Rock, 2, 4, n);
  });
  Dots(cv, seed, 0.05, {pal::Rock + 1, pal::Grass + 2});
  switch (variant) {
  case 0:  // one big peak
    Peak(cv, 12, 2, 11, 21, 0.25, seed);
    break;
  case 1:  // twin peaks
    Peak(cv, 8, 4, 8, 18, 0.2, seed);
    Peak(cv, 15, 7, 8.5, 22, 0.15, seed + 1);
    break;
  case 2:  // a range
    Peak(cv, 5, 8, 6, 17, 0.0, seed);
    Peak(cv, 18, 6, 6.5, 17, 0.0, seed + 1);
    Peak(cv, 11, 4, 8, 22, 0.2, seed + 2);
    break;
  case 3:  // high and snowy
    cv.Shade([&](int c, int r) { return Pick(pal::Ice, 3, 6, Fbm(c, r, seed, 4)); });
    Peak(cv, 8, 3, 8, 19, 0.55, seed);
    Peak(cv, 16, 5, 8, 22, 0.5, seed + 1);
    break;
  default:  // broken rock
    Peak(cv, 7, 7, 6, 17, 0.0, seed);
    Peak(cv, 16, 9, 6, 20, 0.0, seed + 1);
    Dots(cv, seed + 3, 0.08, {pal::Rock + 6, pal::Rock + 1});
    break;
  }
  return cv.Pixels();
}

Picture DesertPicture(int variant) {
  uint32_t seed = 900 + variant * 29;
  Canvas cv;
  cv.Shade([&](int c, int r) { return Pick(pal::Sand, 4, 6, Fbm(c, r, seed, 7)); });
  switch (variant) {
  case 1:  // dunes: wind ripples with a shaded lee side
  case 5:
    cv.Shade([&](int c, int r) {
      double w = std::sin(c * 0.55 + r * 0.9 + 5 * ValueNoise(c, r, 8, seed));
      if (w > 0.75)
        return static_cast<uint8_t>(pal::Sand + 7);
      if (w < -0.55)
        return static_cast<uint8_t>(pal::Sand + (variant == 5 ? 2 : 3));
      return Pick(pal::Sand, 4, 6, Fbm(c, r, seed, 7));
    });
    break;
  case 2:  // stony desert
    Dots(cv, seed, 0.09, {pal::Earth + 3, pal::Earth + 5, pal::Rock + 4});
    break;
  case 3:  // scrub with cacti
    Dots(cv, seed, 0.04, {pal::Earth + 4});
    for (int i = 0; i < 4; ++i) {
      int x = 4 + static_cast<int>(15 * Hash01(seed, i, 1)),
          y = 6 + static_cast<int>(12 * Hash01(seed, i, 2));
      cv.Rect(x, y - 3, x, y + 1, pal::DarkGreen + 4);
      cv.Set(x - 1, y - 1, pal::DarkGreen + 4);
      cv.Set(x - 1, y - 2, pal::DarkGreen + 4);
      cv.Set(x + 1, y - 2, pal::DarkGreen + 3);
      cv.Set(x + 1, y, pal::Sand + 2);
    }
    break;
  case 4:  // oasis
    cv.Ellipse(12, 13, 5, 3.2, pal::Water + 4);
    cv.Ellipse(11.5, 12.5, 3, 1.6, pal::Water + 6);
    Tree(cv, 7, 9, 2.2, pal::DarkGreen + 1);
    Tree(cv, 17, 11, 2.2, pal::DarkGreen + 1);
    Tree(cv, 14, 18, 1.8, pal::DarkGreen + 1);
    break;
  default:  // flat sand
    Dots(cv, seed, 0.03, {pal::Sand + 3});
    break;
  }
  return cv.Pixels();
}

Picture SnowPicture(int variant) {
  uint32_t seed = 1100 + variant * 31;
  Canvas cv;
  cv.Shade([&](int c, int r) {
    double n = Fbm(c, r, seed, 6);
    return n < 0.35 ? Pick(pal::Ice, 5, 6, n / 0.35) : Pick(pal::Snow, 0, 3, (n - 0.35) / 0.65);
  });
  switch (variant) {
  case 1:  // drifts
    cv.Shade([&](int c, int r) {
      double w = std::sin(c * 0.35 + r * 0.8 + 4 * ValueNoise(c, r, 7, seed));
      return w < -0.6 ? static_cast<uint8_t>(pal::Ice + 5) : Pick(pal::Snow, 0, 3, Fbm(c, r, seed, 6));
    });
    break;
  case 2:  // snowy conifers
    Scatter(6.2, 0.8, seed,
            [&](double x, double y, double h) { Pine(cv, x, y, 8 + 2.5 * h, pal::DarkGreen, true); });
    break;
  case 3:  // snowy hills
    Mound(cv, 8, 9, 7, 5, pal::Snow + 3, pal::Snow + 1, pal::Ice + 5, pal::Ice + 3);
    Mound(cv, 16, 15, 7, 5, pal::Snow + 3, pal::Snow + 1, pal::Ice + 5, pal::Ice + 3);
    break;
  case 4:  // rocks in snow
    Peak(cv, 9, 6, 6, 16, 0.45, seed);
    Peak(cv, 16, 10, 5, 19, 0.45, seed + 1);
    break;
  case 5:  // ice sheet
    cv.Shade([&](int c, int r) { return Pick(pal::Ice, 4, 7, Fbm(c, r, seed, 9)); });
    for (int i = 0; i < 3; ++i) {
      Pt a{3 + 18 * Hash01(seed, i, 1), 3 + 18 * Hash01(seed, i, 2)};
      Pt b{a.x + 6 * (Hash01(seed, i, 3) - 0.5) * 2, a.y + 6 * (Hash01(seed, i, 4) - 0.5) * 2};
      cv.Segment(a, b, 0.45, pal::Ice + 2);
    }
    break;
  default:
    break;
  }
  return cv.Pixels();
}

Picture SwampPicture(int variant) {
  uint32_t seed = 1300 + variant * 37;
  Canvas cv;
  double wet = 0.42 + variant * 0.05;
  cv.Shade([&](int c, int r) {
    double n = Fbm(c, r, seed, 5);
    if (n < wet - 0.08)
      return Pick(pal::DarkWater, 3, 4, n / wet);
    if (n < wet)
      return static_cast<uint8_t>(pal::Swamp + 1);  // muddy rim
    return Pick(pal::Swamp, 3, 5, (n - wet) / (1 - wet));
  });
  // Reeds: short vertical strokes on dry ground.
  for (int r = 2; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c)
      if (InsideHex(c, r) && cv.Get(c, r) >= pal::Swamp + 3 && Hash01(c, r, seed, 5) < 0.09) {
        cv.Set(c, r, pal::Flower + 5);
        cv.Set(c, r - 1, pal::Flower + 7);
      }
  if (variant == 3) {  // dead trees
    cv.Segment({7, 7}, {7, 13}, 0.5, pal::Wood + 1);
    cv.Segment({7, 9}, {9, 7}, 0.4, pal::Wood + 1);
    cv.Segment({16, 11}, {16, 17}, 0.5, pal::Wood + 1);
    cv.Segment({16, 13}, {14, 11}, 0.4, pal::Wood + 1);
  }
  if (variant == 4)
    Scatter(7, 0.5, seed, [&](double x, double y, double h) { Tree(cv, x, y, 1.6 + h, pal::Swamp); });
  return cv.Pixels();
}

Picture FieldsPicture(int variant) {
  uint32_t seed = 1500 + variant * 41;
  Canvas cv;
  // Strips of crops, split by a hedge; each strip keeps its own furrow direction.
  static const uint8_t crops[4][2] = {{pal::Field + 4, pal::Field + 6},
                                      {pal::Earth + 3, pal::Earth + 5},
                                      {pal::Grass + 4, pal::Grass + 6},
                                      {pal::Field + 2, pal::Field + 4}};
  cv.Shade([&](int c, int r) {
    int half = (c + r * (variant % 2 ? 1 : -1) * 0.6 + 12) > 18 ? 1 : 0;
    const uint8_t* crop = crops[(variant + half) % 4];
    bool furrow = ((half ? r : c) + (half ? c / 4 : r / 4)) % 3 == 0;
    return furrow ? crop[0] : crop[1];
  });
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      double edge = c + r * (variant % 2 ? 1 : -1) * 0.6 + 12 - 18;
      if (InsideHex(c, r) && edge >= -0.5 && edge < 0.6)
        cv.Set(c, r, Hash01(c, r, seed) < 0.6 ? pal::DarkGreen + 3 : pal::DarkGreen + 5);
    }
  return cv.Pixels();
}

Picture DarkLandPicture(int level) {
  switch (level) {
  case 0:
    return GrassPicture(0, true);
  case 1:
    return GrassPicture(2, true);
  case 2:
    return ForestPicture(5, true);
  case 3:
    return ForestPicture(1, true);
  case 4:
    return HillsPicture(1, true);
  case 5:
    return HillsPicture(4, true);
  case 6:
    return MountainPicture(2, true);
  default:
    return MountainPicture(3, true);
  }
}

}  // namespace vh::demo
