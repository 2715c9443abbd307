#pragma once

#include "demo/Canvas.h"

// Side views of units, facing right, standing on the line y = 19. They draw
// in the neutral shades 1..7 (1 darkest) on the unit background colour; the
// black outline is added once the whole unit is drawn.
namespace vh::demo::unitshape {

constexpr uint8_t N(int shade) {
  return static_cast<uint8_t>(shade);
}

struct Tracked {
  double x0 = 4, x1 = 19;  // hull ends
  double trackTop = 15;    // top of the tracks
  double hullTop = 11.5;
  bool turret = true;
  double turretX0 = 8, turretX1 = 14, turretTop = 8.5;
  double gunLen = 6, gunY = 9.8, gunRise = 0;  // rise: barrel end above its root
  double gunWidth = 0.55;
  int wheels = 4;
  bool sloped = true;  // sloped front plate
};
void DrawTracked(Canvas& cv, const Tracked& t);

struct Wheeled {
  double x0 = 3, x1 = 20;
  double chassisTop = 13.5;
  double cabX0 = 14, cabX1 = 19, cabTop = 9.5;  // cabin at the front (right)
  int axles = 2;
  double wheelR = 1.9;
  bool armoured = false;  // a sloped armoured body instead of cabin and bed
};
void DrawWheeled(Canvas& cv, const Wheeled& w);

enum class Pose { Stand, Kneel, Prone };
struct Soldier {
  double x = 12;
  Pose pose = Pose::Stand;
  bool rifle = true;
  bool tube = false;  // launcher on the shoulder
  bool pack = false;
};
void DrawSoldier(Canvas& cv, const Soldier& s);

struct Gun {
  double x = 11;                           // axle
  double barrelLen = 9, elevation = 0.35;  // radians above horizontal
  double wheelR = 2.4;
  bool shield = true;
  bool trail = true;
};
void DrawGun(Canvas& cv, const Gun& g);

struct Plane {
  double x0 = 3, x1 = 21, y = 11;  // fuselage ends and centre line
  double body = 1.6;               // fuselage half height
  double wingX = 11, wingLen = 5;  // wing root position and chord
  double tailH = 4;
  bool prop = true, jet = false;
  int engines = 0;  // engine pods under the wing
  bool floats = false;
  bool gear = false;
};
void DrawPlane(Canvas& cv, const Plane& p);

struct Heli {
  double x = 12, y = 12;
  double size = 1.0;
  bool gunship = false;
  bool twinRotor = false;
};
void DrawHeli(Canvas& cv, const Heli& h);

struct Ship {
  double x0 = 2, x1 = 22, deck = 13, keel = 18;
  int turretsFore = 1, turretsAft = 1;
  double bridgeX0 = 10, bridgeX1 = 14, bridgeTop = 8;
  int funnels = 1;
  bool mast = true;
  bool flatTop = false;  // carrier
  bool submarine = false;
  bool cargo = false;
};
void DrawShip(Canvas& cv, const Ship& s);

}  // namespace vh::demo::unitshape
