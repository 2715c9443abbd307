// Shop and settlement buildings. Roofs, flags and other owner-coloured parts
// use the neutral shades 1..7, which the editor replaces by the owner's
// range; walls, windows and ground keep their own colours so a building stays
// recognisable whoever owns it.
#include <cmath>

#include "demo/Art.h"
#include "demo/Palette.h"
#include "demo/PartCatalog.h"

namespace vh::demo {
namespace {

constexpr uint8_t N(int shade) {
  return static_cast<uint8_t>(pal::Neutral + shade);
}

// A house seen from the front and a little above: wall face, gabled roof.
void House(Canvas& cv, int x, int y, int w, int h, int roofH, bool ownerRoof = true) {
  uint8_t roofLit = ownerRoof ? N(5) : pal::Roof + 5;
  uint8_t roofDark = ownerRoof ? N(3) : pal::Roof + 3;
  cv.Rect(x, y, x + w - 1, y + h - 1, pal::Wall + 6);
  cv.Rect(x + w - 1, y, x + w - 1, y + h - 1, pal::Wall + 4);  // shaded corner
  double mid = x + w / 2.0;
  cv.Polygon({{x - 0.6, y + 0.4}, {mid, y - roofH + 0.2}, {mid, y + 0.4}}, roofLit);
  cv.Polygon({{mid, y - roofH + 0.2}, {x + w + 0.6, y + 0.4}, {mid, y + 0.4}}, roofDark);
  for (int wx = x + 1; wx < x + w - 1; wx += 2)
    if (h >= 3)
      cv.Set(wx, y + 1, pal::Glass + 2);
  cv.Set(x + w / 2, y + h - 1, pal::Wood + 1);
}

// A flat-roofed block: front face, lit roof.
void Block(Canvas& cv, int x, int y, int w, int h, int depth, uint8_t roof, uint8_t front) {
  cv.Rect(x, y, x + w - 1, y + depth - 1, roof);
  cv.Rect(x, y + depth, x + w - 1, y + depth + h - 1, front);
}

void Flag(Canvas& cv, int x, int y) {
  cv.Rect(x, y, x, y + 7, pal::Ink);
  cv.Rect(x + 1, y, x + 4, y + 2, N(5));
  cv.Rect(x + 1, y + 2, x + 4, y + 2, N(3));
}

void Finish(Canvas& cv) {
  cv.Outline(pal::Ink);
}

Picture HQ() {
  Canvas cv;
  Block(cv, 4, 11, 16, 5, 3, N(6), N(4));  // long wing
  Block(cv, 9, 7, 6, 9, 3, N(7), N(5));    // central tower
  for (int x = 5; x < 19; x += 3)
    cv.Set(x, 15, pal::Glass + 1);
  cv.Set(11, 13, pal::Glass + 3);
  cv.Set(12, 13, pal::Glass + 3);
  cv.Rect(11, 17, 12, 18, pal::Wood + 1);  // gate
  Finish(cv);
  Flag(cv, 12, 1);
  return cv.Pixels();
}

Picture CommandPost() {
  Canvas cv;
  cv.Polygon({{3, 16}, {8.5, 9}, {14, 16}}, N(5));  // tent
  cv.Polygon({{8.5, 9}, {14, 16}, {8.5, 16}}, N(3));
  cv.Polygon({{11, 19}, {16, 12}, {21, 19}}, N(6));
  cv.Polygon({{16, 12}, {21, 19}, {16, 19}}, N(4));
  cv.Rect(7, 14, 9, 16, pal::Ink);
  Finish(cv);
  Flag(cv, 16, 4);
  return cv.Pixels();
}

Picture Factory(bool silos) {
  Canvas cv;
  // Hall with a sawtooth roof: lit slopes face the light.
  cv.Rect(3, 11, 17, 18, pal::Wall + 4);
  for (int i = 0; i < 4; ++i) {
    double x = 3 + i * 3.75;
    cv.Polygon({{x, 11.5}, {x + 3.75, 7.5}, {x + 3.75, 11.5}}, N(5));
    cv.Rect(static_cast<int>(x + 3), 8, static_cast<int>(x + 3), 11, N(2));
  }
  for (int x = 4; x < 17; x += 2)
    cv.Set(x, 14, pal::Glass + 2);
  if (silos) {
    cv.Rect(18, 9, 21, 18, N(6));
    cv.Rect(20, 9, 21, 18, N(4));
    cv.Ellipse(19.9, 9, 2, 1, N(7));
  } else {  // chimney with smoke
    cv.Rect(18, 4, 19, 18, pal::Roof + 3);
  }
  Finish(cv);
  if (!silos) {
    cv.Disc(20, 2.5, 1.6, pal::Rock + 5);
    cv.Disc(22, 1.5, 1.2, pal::Rock + 6);
  }
  return cv.Pixels();
}

Picture Refinery() {
  Canvas cv;
  cv.Ellipse(8, 14, 5, 3, N(6));
  cv.Rect(3, 14, 12, 18, N(4));
  cv.Ellipse(8, 18, 5, 1.5, N(4));
  cv.Ellipse(8, 14, 5, 2, N(7));
  cv.Rect(15, 6, 17, 18, N(5));  // cracking tower
  cv.Rect(17, 6, 17, 18, N(3));
  cv.Segment({13, 16}, {15, 16}, 0.6, pal::Metal + 3);
  Finish(cv);
  cv.Disc(16, 4, 1.5, pal::Fire + 6);
  return cv.Pixels();
}

Picture Depot(bool fuel) {
  Canvas cv;
  if (fuel) {
    for (int i = 0; i < 3; ++i) {
      double x = 6 + i * 6;
      cv.Rect(static_cast<int>(x - 2.5), 10 + (i % 2) * 3, static_cast<int>(x + 2), 17 + (i % 2) * 2, N(5));
      cv.Ellipse(x, 10 + (i % 2) * 3, 2.8, 1.4, N(7));
    }
  } else {
    // Warehouse with a curved roof, crates in front.
    cv.Rect(4, 10, 17, 16, pal::Wall + 5);
    cv.Ellipse(10.5, 10.5, 7.5, 3.5, N(5));
    cv.Rect(3, 10, 18, 11, N(4));
    cv.Rect(8, 13, 12, 16, pal::Wood + 2);
    cv.Rect(15, 16, 17, 18, pal::Wood + 4);
    cv.Rect(18, 15, 20, 18, pal::Wood + 3);
  }
  Finish(cv);
  return cv.Pixels();
}

Picture Airport(int kind) {
  Canvas cv;
  Pt a{3, 18}, b{21, 7};  // runway, diagonal across the cell
  if (kind != 2) {
    cv.Segment(a, b, 3.0, pal::Road + 2);
    for (double t = 0.1; t < 0.95; t += 0.18)  // centre line marks
      cv.Set(static_cast<int>(a.x + (b.x - a.x) * t), static_cast<int>(a.y + (b.y - a.y) * t), pal::Snow + 2);
  }
  if (kind == 0) {  // hangar and tower
    cv.Rect(3, 4, 10, 8, pal::Wall + 4);
    cv.Ellipse(6.5, 4.5, 4, 2.2, N(5));
    cv.Rect(15, 13, 17, 20, N(6));
    cv.Rect(14, 12, 18, 13, N(4));
    cv.Set(15, 12, pal::Glass + 4);
    cv.Set(17, 12, pal::Glass + 4);
  } else if (kind == 1) {  // windsock
    cv.Rect(16, 13, 16, 19, pal::Ink);
    cv.Rect(17, 13, 19, 14, N(6));
  } else {  // helipad
    cv.Disc(12, 12, 7.5, pal::Road + 3);
    cv.Disc(12, 12, 6.5, N(5));
    cv.Disc(12, 12, 5.5, pal::Road + 3);
    cv.Rect(9, 9, 9, 15, pal::Snow + 3);
    cv.Rect(15, 9, 15, 15, pal::Snow + 3);
    cv.Rect(9, 12, 15, 12, pal::Snow + 3);
  }
  Finish(cv);
  return cv.Pixels();
}

Picture Port(bool lighthouse) {
  Canvas cv;
  // Quay wall along the lower edge with a jetty on posts.
  cv.Rect(2, 15, 21, 17, pal::Rock + 5);
  cv.Rect(2, 18, 21, 18, pal::Rock + 2);
  cv.Rect(10, 18, 13, 22, pal::Wood + 4);
  for (int y = 19; y <= 22; y += 3) {
    cv.Set(10, y, pal::Wood + 1);
    cv.Set(13, y, pal::Wood + 1);
  }
  if (lighthouse) {
    cv.Polygon({{15, 15}, {16.5, 3}, {18.5, 3}, {20, 15}}, pal::Snow + 3);
    for (int y = 6; y < 15; y += 4)
      cv.Rect(16, y, 19, y + 1, N(4));
    cv.Rect(16, 1, 19, 2, pal::Fire + 6);
    House(cv, 4, 11, 6, 4, 3);
  } else {
    House(cv, 3, 10, 8, 5, 4);
    // A crane: tower, jib reaching over the water, hook.
    cv.Rect(16, 5, 17, 15, N(5));
    cv.Segment({16.5, 5.5}, {22, 5.5}, 0.6, N(4));
    cv.Segment({14, 5.5}, {16.5, 5.5}, 0.6, N(4));
    cv.Rect(21, 6, 21, 11, pal::Ink);
  }
  Finish(cv);
  return cv.Pixels();
}

Picture Academy(bool barracks) {
  Canvas cv;
  if (barracks) {
    House(cv, 3, 8, 8, 4, 3);
    House(cv, 13, 8, 8, 4, 3);
    cv.Rect(5, 15, 18, 20, pal::Earth + 5);  // parade ground
    Finish(cv);
    Flag(cv, 11, 12);
    return cv.Pixels();
  }
  // A columned hall under a pediment.
  cv.Polygon({{3, 9}, {12, 3}, {21, 9}}, N(5));
  cv.Polygon({{12, 3}, {21, 9}, {12, 9}}, N(3));
  cv.Rect(3, 9, 20, 10, N(6));
  cv.Rect(4, 11, 19, 17, pal::Wall + 3);
  for (int x = 4; x <= 19; x += 3)
    cv.Rect(x, 11, x + 1, 17, pal::Wall + 7);
  cv.Rect(3, 18, 20, 19, N(6));
  Finish(cv);
  return cv.Pixels();
}

Picture Town(int kind) {
  Canvas cv;
  switch (kind) {
  case 0:  // small town
    House(cv, 3, 8, 6, 4, 3);
    House(cv, 13, 6, 7, 4, 4);
    House(cv, 7, 15, 7, 4, 3);
    House(cv, 16, 15, 5, 3, 3);
    break;
  case 1:  // town with a church tower
    House(cv, 3, 9, 6, 4, 3);
    cv.Rect(11, 4, 13, 14, pal::Wall + 6);
    cv.Polygon({{10.5, 4.5}, {12, 0.5}, {13.5, 4.5}}, N(4));
    House(cv, 15, 10, 6, 4, 3);
    House(cv, 5, 16, 6, 4, 3);
    House(cv, 13, 17, 7, 3, 3);
    break;
  case 2:  // village
    House(cv, 5, 9, 6, 4, 3);
    House(cv, 13, 14, 6, 4, 3);
    break;
  case 3:  // row of houses
    for (int i = 0; i < 3; ++i)
      House(cv, 3 + i * 6, 9 + (i % 2), 5, 4, 3);
    House(cv, 8, 17, 8, 3, 3);
    break;
  case 4:  // farmstead: house, barn, hay
    House(cv, 4, 9, 6, 4, 3);
    cv.Rect(12, 12, 20, 17, pal::Wood + 4);
    cv.Polygon({{11.4, 12.4}, {16, 7.5}, {20.6, 12.4}}, N(4));
    cv.Disc(7, 18, 1.8, pal::Field + 6);
    break;
  case 5:  // market town: houses round a square
    House(cv, 3, 6, 6, 4, 3);
    House(cv, 14, 5, 7, 4, 3);
    cv.Rect(9, 11, 14, 14, pal::Road + 5);
    House(cv, 3, 15, 6, 4, 3);
    House(cv, 15, 15, 6, 4, 3);
    break;
  case 6:  // castle: keep inside curtain walls
    cv.Rect(3, 9, 20, 19, N(5));
    cv.Rect(5, 11, 18, 17, pal::Earth + 5);
    cv.Rect(9, 5, 14, 15, N(6));
    cv.Rect(13, 5, 14, 15, N(4));
    for (int x = 9; x <= 14; x += 2)
      cv.Set(x, 4, N(6));
    for (int x : {3, 19})
      for (int y : {8, 18})
        cv.Rect(x - 1, y - 1, x + 1, y + 1, N(6));
    cv.Rect(11, 18, 12, 19, pal::Wood + 1);
    break;
  default:  // church with churchyard
    cv.Rect(5, 9, 16, 15, pal::Wall + 6);
    cv.Polygon({{4.4, 9.4}, {10.5, 5}, {16.6, 9.4}}, N(4));
    cv.Rect(16, 3, 19, 15, pal::Wall + 5);
    cv.Polygon({{15.5, 3.5}, {17.5, -0.5}, {19.5, 3.5}}, N(3));
    cv.Set(8, 12, pal::Glass + 3);
    cv.Set(12, 12, pal::Glass + 3);
    for (int x = 6; x < 16; x += 3)
      cv.Rect(x, 18, x, 19, pal::Rock + 5);
    break;
  }
  Finish(cv);
  return cv.Pixels();
}

}  // namespace

Picture BuildingPicture(int n) {
  switch (n) {
  case part::HQ:
    return HQ();
  case part::HQ2:
    return CommandPost();
  case part::Factory:
    return Factory(false);
  case part::Factory2:
    return Factory(true);
  case part::Refinery:
    return Refinery();
  case part::Depot:
    return Depot(false);
  case part::Depot2:
    return Depot(true);
  case part::Airport:
    return Airport(0);
  case part::Airstrip:
    return Airport(1);
  case part::Helipad:
    return Airport(2);
  case part::Port:
    return Port(false);
  case part::Port2:
    return Port(true);
  case part::Academy:
    return Academy(false);
  case part::Academy2:
    return Academy(true);
  case part::TownA:
    return Town(0);
  case part::TownB:
    return Town(1);
  case part::Village:
    return Town(2);
  case part::Houses:
    return Town(3);
  case part::Farmstead:
    return Town(4);
  case part::Town2:
    return Town(5);
  case part::Castle:
    return Town(6);
  default:
    return Town(7);
  }
}

Picture PlaceholderPicture(int n) {
  Canvas cv(0);
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c)
      if ((c + r + n) % 6 == 0)
        cv.Set(c, r, pal::UiGrey + 9);
  return cv.Pixels();
}

}  // namespace vh::demo
