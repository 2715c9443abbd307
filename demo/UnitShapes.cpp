#include "demo/UnitShapes.h"

#include <cmath>

namespace vh::demo::unitshape {

void DrawTracked(Canvas& cv, const Tracked& t) {
  double bottom = 19;
  cv.Polygon({{t.x0 + 1, t.trackTop},
              {t.x1 - 1, t.trackTop},
              {t.x1 + 0.6, t.trackTop + 2},
              {t.x1 - 1, bottom},
              {t.x0 + 1, bottom},
              {t.x0 - 0.6, t.trackTop + 2}},
             N(1));
  double span = (t.x1 - t.x0 - 2) / t.wheels;
  for (int i = 0; i < t.wheels; ++i) {
    double x = t.x0 + 1 + span * (i + 0.5);
    cv.Disc(x, bottom - 1.9, std::min(1.3, span * 0.5), N(3));
    cv.Set(static_cast<int>(x), static_cast<int>(bottom - 2), N(2));
  }
  double front = t.sloped ? t.x1 - 2.5 : t.x1 - 0.5;
  cv.Polygon({{t.x0 - 0.3, t.trackTop + 0.6},
              {t.x0 + 0.7, t.hullTop},
              {front, t.hullTop},
              {t.x1 + 0.8, t.trackTop + 0.6}},
             N(4));
  cv.Rect(static_cast<int>(t.x0 + 1), static_cast<int>(t.hullTop), static_cast<int>(front - 0.5),
          static_cast<int>(t.hullTop), N(6));
  cv.Rect(static_cast<int>(t.x0 + 0.5), static_cast<int>(t.trackTop), static_cast<int>(t.x1 - 0.5),
          static_cast<int>(t.trackTop), N(2));  // shadow under the fenders
  if (!t.turret)
    return;
  cv.Polygon({{t.turretX0, t.hullTop + 0.6},
              {t.turretX0 + 1, t.turretTop},
              {t.turretX1 - 1.2, t.turretTop},
              {t.turretX1, t.hullTop + 0.6}},
             N(5));
  cv.Rect(static_cast<int>(t.turretX0 + 1), static_cast<int>(t.turretTop), static_cast<int>(t.turretX1 - 1.5),
          static_cast<int>(t.turretTop), N(7));
  cv.Set(static_cast<int>(t.turretX0 + 2), static_cast<int>(t.turretTop) - 1, N(3));  // hatch
  if (t.gunLen > 0)
    cv.Segment({t.turretX1 - 0.5, t.gunY}, {t.turretX1 + t.gunLen, t.gunY - t.gunRise}, t.gunWidth, N(2));
}

void DrawWheeled(Canvas& cv, const Wheeled& w) {
  double axleY = 19 - w.wheelR;
  if (w.armoured) {
    cv.Polygon({{w.x0, w.chassisTop + 3},
                {w.x0 + 1.5, w.cabTop},
                {w.x1 - 3, w.cabTop},
                {w.x1 + 0.5, w.chassisTop},
                {w.x1, w.chassisTop + 3}},
               N(4));
    cv.Rect(static_cast<int>(w.x0 + 2), static_cast<int>(w.cabTop), static_cast<int>(w.x1 - 3.5),
            static_cast<int>(w.cabTop), N(6));
    cv.Set(static_cast<int>(w.x1 - 3), static_cast<int>(w.cabTop + 2), 0);  // vision slit
  } else {
    cv.Rect(static_cast<int>(w.x0), static_cast<int>(w.chassisTop), static_cast<int>(w.x1),
            static_cast<int>(w.chassisTop + 2), N(3));
    cv.Polygon({{w.cabX0, w.chassisTop + 0.5},
                {w.cabX0, w.cabTop},
                {w.cabX1 - 1.5, w.cabTop},
                {w.cabX1 + 0.5, w.cabTop + 2.5},
                {w.cabX1 + 0.5, w.chassisTop + 0.5}},
               N(5));
    cv.Rect(static_cast<int>(w.cabX0 + 1), static_cast<int>(w.cabTop + 1), static_cast<int>(w.cabX1 - 1.5),
            static_cast<int>(w.cabTop + 2), N(7));  // windscreen catching the light
  }
  for (int i = 0; i < w.axles; ++i) {
    double x =
        w.axles == 1 ? (w.x0 + w.x1) / 2 : w.x0 + w.wheelR + (w.x1 - w.x0 - 2 * w.wheelR) * i / (w.axles - 1);
    cv.Disc(x, axleY, w.wheelR, N(1));
    cv.Disc(x, axleY, w.wheelR * 0.45, N(4));
  }
}

void DrawSoldier(Canvas& cv, const Soldier& s) {
  double x = s.x;
  switch (s.pose) {
  case Pose::Prone:
    cv.Rect(static_cast<int>(x - 4), 17, static_cast<int>(x + 2), 18, N(4));
    cv.Disc(x + 3.2, 16.8, 1.3, N(6));
    if (s.rifle)
      cv.Segment({x + 3, 18}, {x + 8, 17.6}, 0.45, N(1));
    return;
  case Pose::Kneel:
    cv.Disc(x, 10.3, 1.4, N(6));
    cv.Rect(static_cast<int>(x - 1), 12, static_cast<int>(x + 1), 15, N(4));
    cv.Rect(static_cast<int>(x - 1), 16, static_cast<int>(x + 2), 17, N(3));
    cv.Rect(static_cast<int>(x - 2), 17, static_cast<int>(x - 1), 18, N(3));
    break;
  default:
    cv.Disc(x, 8.3, 1.4, N(6));
    cv.Rect(static_cast<int>(x - 1), 10, static_cast<int>(x + 1), 14, N(4));
    cv.Rect(static_cast<int>(x - 1), 15, static_cast<int>(x - 1), 18, N(3));
    cv.Rect(static_cast<int>(x + 1), 15, static_cast<int>(x + 1), 18, N(2));
    break;
  }
  double shoulder = s.pose == Pose::Kneel ? 12.5 : 10.5;
  cv.Rect(static_cast<int>(x - 1), static_cast<int>(shoulder - 3.5), static_cast<int>(x + 1),
          static_cast<int>(shoulder - 3.5), N(2));  // helmet brim
  if (s.pack)
    cv.Rect(static_cast<int>(x - 2), static_cast<int>(shoulder), static_cast<int>(x - 2),
            static_cast<int>(shoulder + 2), N(2));
  if (s.tube)
    cv.Segment({x - 3, shoulder - 0.5}, {x + 4, shoulder - 1.5}, 0.7, N(2));
  else if (s.rifle)
    cv.Segment({x, shoulder + 1}, {x + 4, shoulder - 2}, 0.45, N(1));
}

void DrawGun(Canvas& cv, const Gun& g) {
  double axleY = 19 - g.wheelR;
  if (g.trail)
    cv.Segment({g.x, axleY}, {g.x - 8, 18.5}, 0.7, N(2));
  cv.Segment({g.x, axleY - 1},
             {g.x + g.barrelLen * std::cos(g.elevation), axleY - 1 - g.barrelLen * std::sin(g.elevation)},
             0.75, N(3));
  cv.Disc(g.x - 0.5, axleY - 1.2, 1.6, N(4));  // breech
  if (g.shield)
    cv.Polygon(
        {{g.x + 1, axleY - 4.5}, {g.x + 2.5, axleY - 4.5}, {g.x + 2.5, axleY + 0.5}, {g.x + 1, axleY + 0.5}},
        N(5));
  cv.Disc(g.x, axleY, g.wheelR, N(1));
  cv.Disc(g.x, axleY, g.wheelR * 0.45, N(5));
}

void DrawPlane(Canvas& cv, const Plane& p) {
  // Tail fin and tailplane first, then the fuselage over them.
  cv.Polygon({{p.x0, p.y - p.body},
              {p.x0 + 0.5, p.y - p.body - p.tailH},
              {p.x0 + 2.2, p.y - p.body - p.tailH},
              {p.x0 + 4.5, p.y - p.body + 0.3}},
             N(4));
  cv.Ellipse((p.x0 + p.x1) / 2, p.y, (p.x1 - p.x0) / 2, p.body, N(5));
  cv.Rect(static_cast<int>(p.x0 + 2), static_cast<int>(p.y - p.body + 0.3), static_cast<int>(p.x1 - 3),
          static_cast<int>(p.y - p.body + 0.3), N(7));
  cv.Rect(static_cast<int>(p.x0 + 1), static_cast<int>(p.y + p.body - 0.7), static_cast<int>(p.x1 - 2),
          static_cast<int>(p.y + p.body - 0.7), N(3));
  cv.Ellipse(p.wingX + p.wingLen / 2, p.y + 0.3, p.wingLen / 2 + 0.5, 1.0, N(2));  // wing seen edge-on
  cv.Ellipse(p.x1 - 6, p.y - p.body + 0.1, 2.0, 1.1, N(7));                        // canopy
  cv.Set(static_cast<int>(p.x1 - 7), static_cast<int>(p.y - p.body), 0);
  for (int i = 0; i < p.engines; ++i) {
    double ex = p.wingX + 1 + i * 3;
    cv.Ellipse(ex, p.y + 2.0, 1.6, 0.9, N(3));
  }
  if (p.prop)
    cv.Rect(static_cast<int>(p.x1), static_cast<int>(p.y - 3), static_cast<int>(p.x1),
            static_cast<int>(p.y + 3), N(2));
  if (p.jet)
    cv.Rect(static_cast<int>(p.x0), static_cast<int>(p.y - 0.5), static_cast<int>(p.x0),
            static_cast<int>(p.y + 0.5), 0);
  if (p.floats) {
    cv.Segment({p.wingX + 1, p.y + 1}, {p.wingX + 1, p.y + 4}, 0.4, N(2));
    cv.Ellipse(p.wingX + 2, p.y + 4.8, 5, 0.9, N(4));
  }
  if (p.gear) {
    cv.Segment({p.wingX + 2, p.y + 1}, {p.wingX + 2, p.y + 4}, 0.4, N(2));
    cv.Disc(p.wingX + 2, p.y + 4.6, 1.0, N(1));
  }
}

void DrawHeli(Canvas& cv, const Heli& h) {
  double s = h.size, x = h.x, y = h.y;
  cv.Segment({x - 9 * s, y - 1}, {x - 1, y}, 0.9 * s, N(4));  // tail boom
  cv.Polygon({{x - 10 * s, y - 4 * s}, {x - 9 * s, y - 4 * s}, {x - 8 * s, y - 1}, {x - 9.5 * s, y - 1}},
             N(3));
  cv.Ellipse(x + 1.5 * s, y + 0.5, 5 * s, 3.2 * s, N(5));
  cv.Ellipse(x + 4 * s, y - 0.3, 2.2 * s, 1.8 * s, N(7));  // cockpit glazing
  cv.Rect(static_cast<int>(x + 1), static_cast<int>(y - 3.2 * s - 1), static_cast<int>(x + 1),
          static_cast<int>(y - 3.2 * s), N(2));  // mast
  cv.Rect(static_cast<int>(x - 8 * s), static_cast<int>(y - 3.2 * s - 2), static_cast<int>(x + 10 * s),
          static_cast<int>(y - 3.2 * s - 2), N(2));  // rotor
  if (h.twinRotor)
    cv.Rect(static_cast<int>(x - 11 * s), static_cast<int>(y - 5 * s), static_cast<int>(x - 5 * s),
            static_cast<int>(y - 5 * s), N(2));
  cv.Rect(static_cast<int>(x - 2 * s), static_cast<int>(y + 3.6 * s + 1), static_cast<int>(x + 5 * s),
          static_cast<int>(y + 3.6 * s + 1), N(2));  // skid
  if (h.gunship) {
    cv.Rect(static_cast<int>(x - 1), static_cast<int>(y + 2), static_cast<int>(x + 3),
            static_cast<int>(y + 2), N(1));
    cv.Segment({x + 5 * s, y + 2.5}, {x + 8 * s, y + 3}, 0.45, N(1));
  }
}

void DrawShip(Canvas& cv, const Ship& s) {
  if (s.submarine) {
    cv.Ellipse((s.x0 + s.x1) / 2, s.deck + 1.5, (s.x1 - s.x0) / 2, 2.2, N(3));
    cv.Rect(static_cast<int>(s.x0 + 2), static_cast<int>(s.deck), static_cast<int>(s.x1 - 3),
            static_cast<int>(s.deck), N(5));
    cv.Polygon({{s.bridgeX0, s.deck},
                {s.bridgeX0 + 0.8, s.bridgeTop},
                {s.bridgeX1, s.bridgeTop},
                {s.bridgeX1 + 1, s.deck}},
               N(4));
    cv.Rect(static_cast<int>(s.bridgeX0 + 2), static_cast<int>(s.bridgeTop - 3),
            static_cast<int>(s.bridgeX0 + 2), static_cast<int>(s.bridgeTop), N(2));  // periscope
    return;
  }
  cv.Polygon({{s.x0, s.deck}, {s.x1, s.deck - 1.2}, {s.x1 - 3, s.keel}, {s.x0 + 1.5, s.keel}}, N(3));
  cv.Rect(static_cast<int>(s.x0 + 1), static_cast<int>(s.keel - 1), static_cast<int>(s.x1 - 3.5),
          static_cast<int>(s.keel - 1), N(1));  // boot-topping
  cv.Rect(static_cast<int>(s.x0 + 0.5), static_cast<int>(s.deck), static_cast<int>(s.x1 - 1),
          static_cast<int>(s.deck), N(6));
  if (s.flatTop) {
    cv.Rect(static_cast<int>(s.x0), static_cast<int>(s.deck - 2), static_cast<int>(s.x1),
            static_cast<int>(s.deck - 1), N(5));
    cv.Rect(static_cast<int>(s.bridgeX0), static_cast<int>(s.bridgeTop), static_cast<int>(s.bridgeX1),
            static_cast<int>(s.deck - 3), N(4));
    return;
  }
  if (s.cargo) {
    for (int i = 0; i < 3; ++i)
      cv.Rect(static_cast<int>(s.x0 + 2 + i * 3), static_cast<int>(s.deck - 2),
              static_cast<int>(s.x0 + 4 + i * 3), static_cast<int>(s.deck - 1),
              static_cast<uint8_t>(N(4 + i % 2)));
  }
  cv.Rect(static_cast<int>(s.bridgeX0), static_cast<int>(s.bridgeTop), static_cast<int>(s.bridgeX1),
          static_cast<int>(s.deck - 1), N(5));
  cv.Rect(static_cast<int>(s.bridgeX0 + 1), static_cast<int>(s.bridgeTop + 1),
          static_cast<int>(s.bridgeX1 - 1), static_cast<int>(s.bridgeTop + 1), 0);  // bridge windows
  for (int i = 0; i < s.funnels; ++i) {
    int fx = static_cast<int>(s.bridgeX0 - 2 - i * 3);
    cv.Rect(fx, static_cast<int>(s.bridgeTop), fx + 1, static_cast<int>(s.deck - 1), N(4));
    cv.Set(fx, static_cast<int>(s.bridgeTop), 0);
  }
  if (s.mast)
    cv.Rect(static_cast<int>(s.bridgeX1 - 1), static_cast<int>(s.bridgeTop - 4),
            static_cast<int>(s.bridgeX1 - 1), static_cast<int>(s.bridgeTop), N(2));
  for (int i = 0; i < s.turretsFore; ++i) {
    double tx = s.bridgeX1 + 2.5 + i * 3;
    cv.Rect(static_cast<int>(tx), static_cast<int>(s.deck - 2), static_cast<int>(tx + 1),
            static_cast<int>(s.deck - 1), N(4));
    cv.Segment({tx + 1, s.deck - 1.5}, {tx + 4, s.deck - 2}, 0.4, N(2));
  }
  for (int i = 0; i < s.turretsAft; ++i) {
    double tx = s.x0 + 2 + i * 3;
    cv.Rect(static_cast<int>(tx), static_cast<int>(s.deck - 2), static_cast<int>(tx + 1),
            static_cast<int>(s.deck - 1), N(4));
    cv.Segment({tx, s.deck - 1.5}, {tx - 2.5, s.deck - 2}, 0.4, N(2));
  }
}

}  // namespace vh::demo::unitshape
