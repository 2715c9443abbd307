// Scenery objects: single features placed over any terrain, on a transparent background.
#include <cmath>

#include "demo/Art.h"
#include "demo/Palette.h"

namespace vh::demo {
namespace {

void Crown(Canvas& cv, double x, double y, double rad) {
  cv.Disc(x + 0.9, y + 1.0, rad, pal::DarkGreen + 0);
  cv.Disc(x, y, rad, pal::DarkGreen + 3);
  cv.Disc(x - rad * 0.35, y - rad * 0.4, rad * 0.45, pal::DarkGreen + 6);
}

void Cone(Canvas& cv, double x, double y, double h) {
  cv.Polygon({{x, y - h / 2}, {x, y + h / 2}, {x - h * 0.36, y + h / 2}}, pal::DarkGreen + 4);
  cv.Polygon({{x, y - h / 2}, {x + h * 0.36, y + h / 2}, {x, y + h / 2}}, pal::DarkGreen + 2);
}

void Boulder(Canvas& cv, double x, double y, double rad) {
  cv.Ellipse(x + 0.6, y + 0.6, rad, rad * 0.8, pal::Rock + 1);
  cv.Ellipse(x, y, rad, rad * 0.8, pal::Rock + 4);
  cv.Ellipse(x - rad * 0.3, y - rad * 0.3, rad * 0.5, rad * 0.4, pal::Rock + 6);
}

void Crater(Canvas& cv, double x, double y, double rad) {
  cv.Ellipse(x, y, rad, rad * 0.75, pal::Earth + 5);
  cv.Ellipse(x + 0.4, y + 0.3, rad * 0.7, rad * 0.5, pal::Earth + 1);
  cv.Ellipse(x - 0.3, y - 0.3, rad * 0.45, rad * 0.3, pal::Shadow);
}

void Smoke(Canvas& cv, double x, double y) {
  cv.Disc(x, y, 2.2, pal::Rock + 3);
  cv.Disc(x + 1.5, y - 2.5, 1.8, pal::Rock + 4);
  cv.Disc(x + 3, y - 4.5, 1.4, pal::Rock + 5);
}

}  // namespace

std::string SceneryName(int index) {
  static const char* const names[SceneryCount] = {
      "tree",   "copse",      "firs",       "palms",       "bushes", "boulder",     "rocks",
      "crater", "craters",    "tank wreck", "plane wreck", "fire",   "trench",      "sandbags",
      "wire",   "tank traps", "minefield",  "pillbox",     "radar",  "water tower", "windmill",
      "beacon", "oil well",   "ruins",      "smoke",       "fence",  "hedge",       "haystacks",
      "tents",  "graves",     "signpost",   "jetty"};
  return index >= 0 && index < SceneryCount ? names[index] : "";
}

Picture SceneryPicture(int index) {
  Canvas cv(0);
  bool outline = true;
  switch (index) {
  case 0:
    cv.Rect(12, 13, 12, 17, pal::Wood + 1);
    Crown(cv, 12, 10, 4.5);
    break;
  case 1:
    Crown(cv, 8, 9, 3.5);
    Crown(cv, 15, 10, 3.8);
    Crown(cv, 11, 15, 3.6);
    break;
  case 2:
    Cone(cv, 8, 10, 9);
    Cone(cv, 15, 9, 10);
    Cone(cv, 12, 15, 9);
    break;
  case 3:
    for (double x : {8.0, 15.0}) {
      cv.Segment({x, 18}, {x + 1, 9}, 0.6, pal::Wood + 3);
      for (double a = 0; a < 6.28; a += 1.26)
        cv.Segment({x + 1, 9}, {x + 1 + 4 * std::cos(a), 9 + 2.5 * std::sin(a) + 1}, 0.6, pal::DarkGreen + 4);
    }
    break;
  case 4:
    Crown(cv, 7, 14, 2.4);
    Crown(cv, 12, 12, 2.8);
    Crown(cv, 17, 15, 2.3);
    break;
  case 5:
    Boulder(cv, 12, 12, 5);
    break;
  case 6:
    Boulder(cv, 8, 10, 3);
    Boulder(cv, 15, 11, 3.5);
    Boulder(cv, 11, 16, 2.5);
    break;
  case 7:
    Crater(cv, 12, 12, 6);
    outline = false;
    break;
  case 8:
    Crater(cv, 7, 9, 3.5);
    Crater(cv, 16, 11, 3);
    Crater(cv, 10, 17, 3.2);
    outline = false;
    break;
  case 9:  // burnt-out tank
    cv.Rect(5, 13, 18, 16, pal::Rock + 2);
    cv.Rect(8, 10, 14, 12, pal::Rock + 3);
    cv.Segment({14, 11}, {20, 8}, 0.5, pal::Rock + 2);
    cv.Set(9, 14, pal::Fire + 2);
    break;
  case 10:  // crashed aircraft
    cv.Segment({4, 15}, {19, 10}, 1.3, pal::Metal + 2);
    cv.Segment({9, 9}, {13, 17}, 0.9, pal::Metal + 3);
    cv.Segment({17, 8}, {18, 13}, 0.6, pal::Metal + 3);
    break;
  case 11:
    cv.Polygon({{7, 18}, {9, 9}, {11, 14}, {13, 6}, {15, 14}, {17, 10}, {18, 18}}, pal::Fire + 3);
    cv.Polygon({{9, 18}, {11, 13}, {13, 9}, {15, 15}, {16, 18}}, pal::Fire + 6);
    outline = false;
    break;
  case 12:
    for (int i = 0; i < 4; ++i)
      cv.Segment({3.0 + i * 5, 12.0 + (i % 2) * 3}, {8.0 + i * 5, 12.0 + ((i + 1) % 2) * 3}, 1.0,
                 pal::Earth + 1);
    outline = false;
    break;
  case 13:
    for (int i = 0; i < 5; ++i)
      cv.Ellipse(6 + i * 3, 13, 1.7, 1.1, pal::Sand + 4);
    for (int i = 0; i < 4; ++i)
      cv.Ellipse(7.5 + i * 3, 11, 1.7, 1.1, pal::Sand + 5);
    break;
  case 14:
    for (int x = 3; x < 21; x += 4)
      cv.Rect(x, 10, x, 15, pal::Wood + 1);
    for (int x = 3; x < 21; ++x) {
      cv.Set(x, 11 + (x % 2), pal::Metal + 2);
      cv.Set(x, 14 - (x % 2), pal::Metal + 2);
    }
    outline = false;
    break;
  case 15:
    for (int i = 0; i < 6; ++i) {
      double x = 5 + i * 2.8, y = (i % 2) ? 10 : 14;
      cv.Polygon({{x - 1.3, y + 1.5}, {x, y - 1.5}, {x + 1.3, y + 1.5}}, pal::Rock + 5);
    }
    break;
  case 16:
    cv.Rect(11, 10, 11, 19, pal::Wood + 1);
    cv.Polygon({{7, 10}, {11, 4}, {15, 10}}, pal::MarkRed);
    cv.Rect(10, 6, 11, 8, pal::Snow + 3);
    for (int i = 0; i < 4; ++i)
      cv.Disc(5 + 4 * i, 18 - (i % 2) * 2, 0.8, pal::Earth + 2);
    break;
  case 17:  // concrete pillbox with a firing slit
    cv.Ellipse(12, 13, 7, 5, pal::Rock + 4);
    cv.Ellipse(11, 11.5, 5, 3, pal::Rock + 6);
    cv.Rect(8, 15, 15, 15, pal::Ink);
    break;
  case 18:
    cv.Rect(11, 14, 12, 19, pal::Metal + 2);
    cv.Ellipse(12, 10, 6, 4, pal::Snow + 1);
    cv.Ellipse(12.8, 10.4, 4, 2.5, pal::Ice + 4);
    cv.Segment({12, 10}, {15, 7}, 0.5, pal::Metal + 1);
    break;
  case 19:
    cv.Segment({9, 19}, {10, 10}, 0.5, pal::Metal + 2);
    cv.Segment({15, 19}, {14, 10}, 0.5, pal::Metal + 2);
    cv.Ellipse(12, 8, 5, 3.5, pal::Metal + 4);
    cv.Ellipse(11, 7, 3, 1.5, pal::Metal + 6);
    break;
  case 20:  // windmill
    cv.Polygon({{9, 20}, {10.5, 9}, {13.5, 9}, {15, 20}}, pal::Wall + 6);
    cv.Polygon({{9.5, 9.5}, {12, 6}, {14.5, 9.5}}, pal::Roof + 3);
    cv.Segment({12, 8}, {5, 3}, 0.9, pal::Wood + 5);
    cv.Segment({12, 8}, {19, 13}, 0.9, pal::Wood + 5);
    cv.Segment({12, 8}, {17, 2}, 0.9, pal::Wood + 5);
    cv.Segment({12, 8}, {7, 14}, 0.9, pal::Wood + 5);
    break;
  case 21:  // navigation beacon
    cv.Polygon({{9, 20}, {10.5, 6}, {13.5, 6}, {15, 20}}, pal::Snow + 3);
    cv.Rect(10, 10, 14, 11, pal::MarkRed);
    cv.Rect(9, 15, 15, 16, pal::MarkRed);
    cv.Rect(10, 4, 13, 5, pal::Fire + 7);
    break;
  case 22:  // pump jack
    cv.Rect(6, 18, 18, 19, pal::Rock + 3);
    cv.Segment({12, 18}, {12, 10}, 0.7, pal::Metal + 2);
    cv.Segment({5, 8}, {18, 11}, 1.0, pal::Metal + 3);
    cv.Disc(5, 8, 1.8, pal::Metal + 1);
    cv.Rect(16, 12, 17, 18, pal::Ink);
    break;
  case 23:  // ruins
    cv.Rect(5, 9, 7, 17, pal::Wall + 3);
    cv.Rect(5, 15, 17, 17, pal::Wall + 4);
    cv.Rect(14, 11, 16, 17, pal::Wall + 3);
    cv.Rect(10, 13, 11, 14, pal::Wall + 2);
    cv.Set(18, 17, pal::Wall + 4);
    break;
  case 24:
    Smoke(cv, 9, 16);
    Smoke(cv, 13, 13);
    outline = false;
    break;
  case 25:
    for (int x = 3; x < 21; x += 3)
      cv.Rect(x, 11, x, 15, pal::Wood + 2);
    cv.Rect(3, 12, 20, 12, pal::Wood + 4);
    cv.Rect(3, 14, 20, 14, pal::Wood + 4);
    outline = false;
    break;
  case 26:
    for (double x = 3; x < 21; x += 2.2)
      cv.Disc(x, 12 + std::sin(x) * 0.8, 1.9, pal::DarkGreen + 3);
    break;
  case 27:
    for (auto [x, y] : {std::pair{7.0, 9.0}, {15.0, 8.0}, {11.0, 15.0}, {17.0, 16.0}}) {
      cv.Ellipse(x, y, 2.6, 2.2, pal::Field + 5);
      cv.Ellipse(x - 0.7, y - 0.7, 1.3, 1.0, pal::Field + 7);
    }
    break;
  case 28:
    for (auto [x, y] : {std::pair{8.0, 10.0}, {16.0, 12.0}, {10.0, 17.0}}) {
      cv.Polygon({{x - 3.5, y + 2.5}, {x, y - 2.5}, {x, y + 2.5}}, pal::Field + 3);
      cv.Polygon({{x, y - 2.5}, {x + 3.5, y + 2.5}, {x, y + 2.5}}, pal::Field + 1);
    }
    break;
  case 29:
    for (int i = 0; i < 6; ++i) {
      int x = 6 + (i % 3) * 5, y = 9 + (i / 3) * 6;
      cv.Rect(x, y, x, y + 3, pal::Rock + 6);
      cv.Rect(x - 1, y + 1, x + 1, y + 1, pal::Rock + 6);
    }
    break;
  case 30:
    cv.Rect(11, 9, 11, 19, pal::Wood + 1);
    cv.Polygon({{12, 8}, {19, 8}, {20.5, 9.5}, {19, 11}, {12, 11}}, pal::Wood + 5);
    cv.Polygon({{11, 12}, {5, 12}, {3.5, 13.5}, {5, 15}, {11, 15}}, pal::Wood + 4);
    break;
  default:  // jetty on posts
    cv.Rect(9, 2, 14, 21, pal::Wood + 4);
    for (int y = 3; y < 21; y += 2)
      cv.Rect(9, y, 14, y, pal::Wood + 3);
    for (int y = 4; y < 21; y += 6) {
      cv.Set(8, y, pal::Wood + 1);
      cv.Set(15, y, pal::Wood + 1);
    }
    break;
  }
  if (outline)
    cv.Outline(pal::Ink);
  return cv.Pixels();
}

}  // namespace vh::demo
