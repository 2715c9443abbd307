// The 64 unit types of the demo game. Each is a side view in the owner
// shades; a black outline (shown dark by the editor) keeps it readable on any
// terrain.
#include <functional>

#include "demo/Art.h"
#include "demo/Palette.h"
#include "demo/UnitShapes.h"

namespace vh::demo {
namespace {

using namespace unitshape;

struct UnitDef {
  const char* Name;
  std::function<void(Canvas&)> Draw;
};

void Squad(Canvas& cv, Soldier s, std::initializer_list<double> xs) {
  for (double x : xs) {
    s.x = x;
    DrawSoldier(cv, s);
  }
}

const std::array<UnitDef, DemoUnitTypes>& Units() {
  static const std::array<UnitDef, DemoUnitTypes> units = {{
      {"Infantry",
       [](Canvas& cv) {
         Squad(cv, {}, {7, 12, 17});
       }},
      {"Rocket infantry",
       [](Canvas& cv) {
         Squad(cv, {.rifle = false, .tube = true}, {8, 15});
       }},
      {"Paratroopers",
       [](Canvas& cv) {
         cv.Ellipse(12, 5, 7, 3, N(6));
         cv.Rect(5, 5, 19, 6, N(4));
         cv.Segment({6, 6}, {11, 13}, 0.3, N(2));
         cv.Segment({18, 6}, {13, 13}, 0.3, N(2));
         DrawSoldier(cv, {.x = 12, .pose = Pose::Stand, .rifle = false, .pack = true});
       }},
      {"Engineers",
       [](Canvas& cv) {
         Squad(cv, {.pose = Pose::Kneel, .rifle = false, .pack = true}, {8, 16});
         cv.Segment({18, 12}, {21, 18}, 0.45, N(2));
         cv.Rect(10, 17, 13, 18, N(5));
       }},
      {"Scout car",
       [](Canvas& cv) {
         DrawWheeled(
             cv,
             {.x0 = 5, .x1 = 19, .chassisTop = 13.5, .cabX0 = 11, .cabX1 = 17, .cabTop = 11, .wheelR = 2.0});
         cv.Rect(8, 11, 8, 13, N(2));
       }},
      {"Armoured car",
       [](Canvas& cv) {
         DrawWheeled(cv, {.x0 = 4,
                          .x1 = 20,
                          .chassisTop = 13,
                          .cabTop = 10.5,
                          .axles = 3,
                          .wheelR = 1.8,
                          .armoured = true});
         cv.Rect(10, 8, 14, 10, N(5));
         cv.Segment({14, 9}, {19, 9}, 0.45, N(2));
       }},
      {"Light tank",
       [](Canvas& cv) {
         DrawTracked(cv, {.x0 = 6,
                          .x1 = 18,
                          .hullTop = 12.5,
                          .turretX0 = 9,
                          .turretX1 = 14,
                          .turretTop = 10,
                          .gunLen = 4,
                          .gunY = 11,
                          .wheels = 3});
       }},
      {"Medium tank", [](Canvas& cv) { DrawTracked(cv, {}); }},
      {"Heavy tank",
       [](Canvas& cv) {
         DrawTracked(cv, {.x0 = 3,
                          .x1 = 20,
                          .trackTop = 14.5,
                          .hullTop = 11,
                          .turretX0 = 7,
                          .turretX1 = 15,
                          .turretTop = 7,
                          .gunLen = 6.5,
                          .gunY = 9,
                          .gunWidth = 0.75,
                          .wheels = 5});
       }},
      {"Super-heavy tank",
       [](Canvas& cv) {
         DrawTracked(cv, {.x0 = 2,
                          .x1 = 21,
                          .trackTop = 14,
                          .hullTop = 10,
                          .turretX0 = 6,
                          .turretX1 = 15,
                          .turretTop = 5.5,
                          .gunLen = 6,
                          .gunY = 7.5,
                          .gunWidth = 0.9,
                          .wheels = 6,
                          .sloped = false});
       }},
      {"Tank destroyer",
       [](Canvas& cv) {
         DrawTracked(cv, {.x0 = 4,
                          .x1 = 19,
                          .hullTop = 12,
                          .turretX0 = 7,
                          .turretX1 = 16,
                          .turretTop = 9.5,
                          .gunLen = 6,
                          .gunY = 10.5,
                          .wheels = 4});
       }},
      {"Assault gun",
       [](Canvas& cv) {
         DrawTracked(cv, {.x0 = 4, .x1 = 19, .hullTop = 11, .turret = false});
         cv.Polygon({{6, 11.5}, {7, 8.5}, {15, 8.5}, {18, 11.5}}, N(5));
         cv.Segment({16, 10}, {20.5, 10}, 0.9, N(2));
       }},
      {"Armoured personnel carrier",
       [](Canvas& cv) {
         DrawTracked(cv, {.x0 = 4, .x1 = 19, .hullTop = 9.5, .turret = false, .wheels = 4});
         cv.Rect(6, 11, 7, 12, 0);
         cv.Rect(9, 11, 10, 12, 0);
         cv.Set(12, 8, N(2));
         cv.Segment({12, 8}, {15, 8}, 0.4, N(2));
       }},
      {"Wheeled carrier",
       [](Canvas& cv) {
         DrawWheeled(
             cv,
             {.x0 = 3, .x1 = 20, .chassisTop = 13, .cabTop = 9, .axles = 4, .wheelR = 1.7, .armoured = true});
       }},
      {"Supply truck",
       [](Canvas& cv) {
         DrawWheeled(cv, {});
         cv.Polygon({{3, 13.5}, {4, 8}, {13, 8}, {13.5, 13.5}}, N(4));  // canvas cover
         cv.Rect(4, 8, 12, 8, N(6));
       }},
      {"Fuel truck",
       [](Canvas& cv) {
         DrawWheeled(cv, {.axles = 3});
         cv.Ellipse(8, 11, 5.5, 2.6, N(5));
         cv.Rect(4, 10, 11, 10, N(7));
       }},
      {"Field gun", [](Canvas& cv) { DrawGun(cv, {}); }},
      {"Self-propelled gun",
       [](Canvas& cv) {
         DrawTracked(cv, {.x0 = 4,
                          .x1 = 19,
                          .hullTop = 12,
                          .turretX0 = 6,
                          .turretX1 = 13,
                          .turretTop = 8,
                          .gunLen = 8,
                          .gunY = 9.5,
                          .gunRise = 4,
                          .wheels = 4});
       }},
      {"Heavy howitzer",
       [](Canvas& cv) {
         DrawGun(cv, {.x = 12, .barrelLen = 11, .elevation = 0.6, .wheelR = 3, .shield = false});
       }},
      {"Rocket launcher truck",
       [](Canvas& cv) {
         DrawWheeled(cv, {.axles = 3});
         cv.Polygon({{3, 12}, {12, 7}, {13.5, 9.5}, {4.5, 13.5}}, N(4));
         for (int i = 0; i < 4; ++i)
           cv.Set(5 + 2 * i, 11 - i, 0);
       }},
      {"Anti-aircraft gun",
       [](Canvas& cv) {
         DrawGun(
             cv,
             {.x = 11, .barrelLen = 10, .elevation = 1.05, .wheelR = 1.8, .shield = false, .trail = false});
         cv.Rect(5, 17, 17, 18, N(3));  // platform
       }},
      {"Self-propelled anti-aircraft",
       [](Canvas& cv) {
         DrawTracked(cv, {.x0 = 4,
                          .x1 = 19,
                          .hullTop = 12,
                          .turretX0 = 8,
                          .turretX1 = 14,
                          .turretTop = 9.5,
                          .gunLen = 0,
                          .wheels = 4});
         cv.Segment({12, 10}, {18, 4}, 0.45, N(2));
         cv.Segment({13, 11}, {19, 5}, 0.45, N(2));
       }},
      {"Missile launcher",
       [](Canvas& cv) {
         DrawWheeled(cv, {.axles = 3});
         cv.Segment({4, 11.5}, {13, 6.5}, 1.1, N(6));
         cv.Polygon({{13, 6.5}, {15, 5}, {14.5, 7.5}}, N(2));
       }},
      {"Radar vehicle",
       [](Canvas& cv) {
         DrawWheeled(cv, {});
         cv.Rect(4, 9, 12, 13, N(4));
         cv.Rect(8, 6, 8, 9, N(2));
         cv.Ellipse(8, 4.5, 4, 1.6, N(6));
       }},
      {"Bridge layer",
       [](Canvas& cv) {
         DrawTracked(cv, {.x0 = 5, .x1 = 18, .hullTop = 12.5, .turret = false});
         cv.Polygon({{3, 11.5}, {21, 11.5}, {20, 9}, {4, 9}}, N(5));
         cv.Rect(5, 10, 19, 10, N(3));
       }},
      {"Mine clearer",
       [](Canvas& cv) {
         DrawTracked(cv, {.x0 = 3,
                          .x1 = 16,
                          .hullTop = 12,
                          .turretX0 = 6,
                          .turretX1 = 11,
                          .turretTop = 9.5,
                          .gunLen = 2,
                          .gunY = 10.5,
                          .wheels = 3});
         cv.Segment({15, 13}, {20, 14}, 0.5, N(2));
         cv.Ellipse(20.5, 16.5, 1.6, 2.4, N(4));
       }},
      {"Ambulance",
       [](Canvas& cv) {
         DrawWheeled(cv, {});
         cv.Rect(3, 8, 13, 13, N(6));
         cv.Rect(7, 9, 8, 12, N(2));
         cv.Rect(6, 10, 9, 11, N(2));
       }},
      {"Command vehicle",
       [](Canvas& cv) {
         DrawTracked(cv, {.x0 = 4, .x1 = 19, .hullTop = 9.5, .turret = false});
         cv.Segment({6, 9}, {4, 2}, 0.35, N(2));
         cv.Segment({16, 9}, {17, 4}, 0.35, N(2));
         cv.Rect(10, 8, 13, 9, N(6));
       }},
      {"Motorcycle troops",
       [](Canvas& cv) {
         cv.Disc(6.5, 16.5, 2.3, N(1));
         cv.Disc(17, 16.5, 2.3, N(1));
         cv.Polygon({{6, 15}, {17, 15}, {15, 12}, {9, 12}}, N(4));
         DrawSoldier(cv, {.x = 12, .pose = Pose::Kneel, .rifle = false});
       }},
      {"Half-track",
       [](Canvas& cv) {
         DrawTracked(cv, {.x0 = 3, .x1 = 12, .hullTop = 12, .turret = false, .wheels = 3, .sloped = false});
         DrawWheeled(
             cv, {.x0 = 12, .x1 = 20, .chassisTop = 13, .cabX0 = 12, .cabX1 = 19, .cabTop = 10, .axles = 1});
         cv.Rect(3, 10, 12, 12, N(4));
       }},
      {"Locomotive",
       [](Canvas& cv) {
         cv.Rect(3, 16, 20, 16, N(2));
         for (double x : {6.0, 10.0, 14.0})
           cv.Disc(x, 17.5, 1.7, N(1));
         cv.Rect(4, 10, 15, 15, N(4));
         cv.Ellipse(10, 10.5, 6, 1.6, N(6));
         cv.Rect(15, 7, 20, 15, N(5));
         cv.Rect(16, 9, 18, 10, 0);
         cv.Rect(6, 6, 7, 10, N(3));  // chimney
       }},
      {"Armoured train",
       [](Canvas& cv) {
         cv.Rect(2, 16, 21, 16, N(2));
         for (double x : {5.0, 9.0, 14.0, 18.0})
           cv.Disc(x, 17.5, 1.6, N(1));
         cv.Polygon({{2, 15.5}, {3, 10}, {20, 10}, {21, 15.5}}, N(4));
         cv.Rect(8, 7, 14, 10, N(5));
         cv.Segment({14, 8.5}, {19, 8.5}, 0.5, N(2));
       }},
      {"Fighter", [](Canvas& cv) { DrawPlane(cv, {.x0 = 4, .x1 = 19, .body = 1.6, .wingX = 10}); }},
      {"Heavy fighter",
       [](Canvas& cv) {
         DrawPlane(cv, {.x0 = 3, .x1 = 20, .body = 1.8, .wingX = 9, .wingLen = 6, .engines = 2});
       }},
      {"Dive bomber",
       [](Canvas& cv) {
         DrawPlane(cv, {.x0 = 3, .x1 = 19, .body = 1.7, .wingX = 9, .gear = true});
         cv.Ellipse(12, 14.5, 2, 0.8, N(1));  // bomb under the belly
       }},
      {"Bomber",
       [](Canvas& cv) {
         DrawPlane(
             cv,
             {.x0 = 2, .x1 = 21, .y = 11, .body = 2.2, .wingX = 8, .wingLen = 7, .tailH = 4.5, .engines = 2});
       }},
      {"Heavy bomber",
       [](Canvas& cv) {
         DrawPlane(cv, {.x0 = 1,
                        .x1 = 22,
                        .y = 10.5,
                        .body = 2.6,
                        .wingX = 6,
                        .wingLen = 9,
                        .tailH = 5,
                        .engines = 3,
                        .gear = true});
       }},
      {"Transport plane",
       [](Canvas& cv) {
         DrawPlane(cv, {.x0 = 1,
                        .x1 = 22,
                        .y = 10,
                        .body = 3,
                        .wingX = 8,
                        .wingLen = 7,
                        .tailH = 4,
                        .prop = false,
                        .engines = 2,
                        .gear = true});
         for (int x = 6; x < 17; x += 2)
           cv.Set(x, 9, 0);
       }},
      {"Reconnaissance plane",
       [](Canvas& cv) {
         DrawPlane(cv, {.x0 = 3, .x1 = 20, .y = 12, .body = 1.3, .wingX = 9, .wingLen = 3, .tailH = 3});
         cv.Rect(6, 8, 18, 8, N(3));  // high wing on struts
         cv.Segment({10, 8}, {11, 11}, 0.3, N(2));
       }},
      {"Seaplane",
       [](Canvas& cv) {
         DrawPlane(cv, {.x0 = 3, .x1 = 20, .y = 9, .body = 1.6, .wingX = 8, .floats = true});
       }},
      {"Jet fighter",
       [](Canvas& cv) {
         DrawPlane(cv, {.x0 = 3,
                        .x1 = 21,
                        .y = 11,
                        .body = 1.4,
                        .wingX = 8,
                        .wingLen = 7,
                        .tailH = 4.5,
                        .prop = false,
                        .jet = true});
         cv.Polygon({{21, 11}, {23, 11.3}, {21, 11.8}}, N(4));  // pointed nose
       }},
      {"Attack helicopter",
       [](Canvas& cv) { DrawHeli(cv, {.x = 13, .y = 12, .size = 0.9, .gunship = true}); }},
      {"Transport helicopter",
       [](Canvas& cv) { DrawHeli(cv, {.x = 13, .y = 12, .size = 1.05, .twinRotor = true}); }},
      {"Scout helicopter", [](Canvas& cv) { DrawHeli(cv, {.x = 13, .y = 12, .size = 0.75}); }},
      {"Patrol boat",
       [](Canvas& cv) {
         DrawShip(cv, {.x0 = 5,
                       .x1 = 20,
                       .deck = 14,
                       .keel = 17,
                       .turretsFore = 1,
                       .turretsAft = 0,
                       .bridgeX0 = 10,
                       .bridgeX1 = 13,
                       .bridgeTop = 11,
                       .funnels = 0});
       }},
      {"Torpedo boat",
       [](Canvas& cv) {
         DrawShip(cv, {.x0 = 4,
                       .x1 = 21,
                       .deck = 14,
                       .keel = 17,
                       .turretsFore = 0,
                       .turretsAft = 0,
                       .bridgeX0 = 12,
                       .bridgeX1 = 15,
                       .bridgeTop = 11,
                       .funnels = 1});
         cv.Rect(5, 13, 9, 13, N(2));  // torpedo tubes
       }},
      {"Destroyer",
       [](Canvas& cv) { DrawShip(cv, {.x0 = 2, .x1 = 22, .deck = 13.5, .keel = 17.5, .bridgeTop = 9}); }},
      {"Cruiser",
       [](Canvas& cv) {
         DrawShip(cv, {.x0 = 1,
                       .x1 = 22,
                       .deck = 13,
                       .keel = 18,
                       .turretsFore = 2,
                       .turretsAft = 1,
                       .bridgeX0 = 10,
                       .bridgeX1 = 13,
                       .bridgeTop = 7.5,
                       .funnels = 2});
       }},
      {"Battleship",
       [](Canvas& cv) {
         DrawShip(cv, {.x0 = 0,
                       .x1 = 23,
                       .deck = 12.5,
                       .keel = 18.5,
                       .turretsFore = 2,
                       .turretsAft = 2,
                       .bridgeX0 = 10,
                       .bridgeX1 = 13,
                       .bridgeTop = 5.5,
                       .funnels = 1});
       }},
      {"Aircraft carrier",
       [](Canvas& cv) {
         DrawShip(cv, {.x0 = 1,
                       .x1 = 23,
                       .deck = 13,
                       .keel = 18,
                       .bridgeX0 = 15,
                       .bridgeX1 = 17,
                       .bridgeTop = 7,
                       .flatTop = true});
       }},
      {"Submarine",
       [](Canvas& cv) {
         DrawShip(cv, {.x0 = 2,
                       .x1 = 22,
                       .deck = 14,
                       .keel = 18,
                       .bridgeX0 = 9,
                       .bridgeX1 = 12,
                       .bridgeTop = 10.5,
                       .submarine = true});
       }},
      {"Landing craft",
       [](Canvas& cv) {
         cv.Polygon({{3, 12}, {18, 12}, {21, 15}, {20, 17}, {4, 17}}, N(3));
         cv.Rect(4, 12, 17, 12, N(6));                                  // gunwale in the light
         cv.Rect(5, 16, 19, 16, N(1));                                  // waterline
         cv.Polygon({{18, 12}, {21, 10}, {21.5, 13}, {19, 14}}, N(5));  // bow ramp
         cv.Rect(4, 9, 7, 12, N(5));
         cv.Rect(5, 10, 6, 10, 0);
       }},
      {"Transport ship",
       [](Canvas& cv) {
         DrawShip(cv, {.x0 = 1,
                       .x1 = 22,
                       .deck = 12.5,
                       .keel = 18,
                       .turretsFore = 0,
                       .turretsAft = 0,
                       .bridgeX0 = 15,
                       .bridgeX1 = 18,
                       .bridgeTop = 8,
                       .funnels = 1,
                       .cargo = true});
       }},
      {"Bunker",
       [](Canvas& cv) {
         cv.Ellipse(12, 15, 9, 5, N(4));
         cv.Ellipse(11, 13, 7, 3, N(6));
         cv.Rect(3, 17, 21, 19, N(3));
         cv.Rect(9, 15, 15, 15, 0);
         cv.Segment({13, 15}, {19, 15}, 0.45, N(1));
       }},
      {"Tanker",
       [](Canvas& cv) {
         DrawShip(cv, {.x0 = 1,
                       .x1 = 22,
                       .deck = 13,
                       .keel = 18,
                       .turretsFore = 0,
                       .turretsAft = 0,
                       .bridgeX0 = 3,
                       .bridgeX1 = 6,
                       .bridgeTop = 8,
                       .funnels = 0});
         cv.Rect(8, 12, 20, 12, N(5));
         for (int x = 9; x < 20; x += 3)
           cv.Set(x, 11, N(2));
       }},
      {"Hovercraft",
       [](Canvas& cv) {
         cv.Ellipse(12, 16, 10, 2.5, N(2));  // skirt
         cv.Rect(4, 11, 18, 14, N(5));
         cv.Rect(15, 10, 18, 11, N(6));
         cv.Rect(5, 7, 6, 11, N(4));
         cv.Disc(5.5, 7, 2.2, N(3));
       }},
      {"Amphibious tank",
       [](Canvas& cv) {
         DrawTracked(cv, {.x0 = 4,
                          .x1 = 19,
                          .hullTop = 12,
                          .turretX0 = 8,
                          .turretX1 = 13,
                          .turretTop = 9.5,
                          .gunLen = 4,
                          .gunY = 10.5});
         cv.Polygon({{17, 12.5}, {21, 13.5}, {19.5, 15.5}}, N(5));  // trim vane at the bow
       }},
      {"Mortar team",
       [](Canvas& cv) {
         DrawSoldier(cv, {.x = 8, .pose = Pose::Kneel, .rifle = false});
         cv.Segment({13, 18}, {17, 9}, 0.8, N(2));
         cv.Rect(12, 18, 17, 18, N(3));
       }},
      {"Snipers",
       [](Canvas& cv) {
         Squad(cv, {.pose = Pose::Kneel, .rifle = false}, {8, 15});
         cv.Segment({8, 12}, {14, 10.5}, 0.5, N(1));  // long rifles
         cv.Segment({15, 12}, {21, 10.5}, 0.5, N(1));
         cv.Rect(13, 10, 13, 10, N(6));  // scope glint
       }},
      {"Flame tank",
       [](Canvas& cv) {
         DrawTracked(cv, {.turretX0 = 8, .turretX1 = 14, .gunLen = 3, .gunWidth = 0.8});
         cv.Polygon({{18, 8.5}, {22, 7}, {23, 9.5}, {22, 11}, {18, 10.5}},
                    N(7));  // the flame, in the light shade
       }},
      {"Anti-tank gun",
       [](Canvas& cv) { DrawGun(cv, {.x = 9, .barrelLen = 12, .elevation = 0.05, .wheelR = 2}); }},
      {"Coastal gun",
       [](Canvas& cv) {
         cv.Polygon({{2, 19}, {4, 11}, {16, 11}, {19, 19}}, N(4));
         cv.Rect(5, 11, 15, 12, N(6));
         cv.Segment({14, 13}, {22, 11}, 1.0, N(2));
       }},
      {"Airship",
       [](Canvas& cv) {
         cv.Ellipse(12, 9, 10.5, 4, N(5));
         cv.Ellipse(11, 7.5, 8, 1.6, N(7));
         cv.Polygon({{2, 6}, {4, 9}, {2, 12}, {1, 9}}, N(3));
         cv.Rect(10, 13, 15, 15, N(3));
         cv.Rect(11, 14, 14, 14, 0);
       }},
      {"Tracked rocket launcher",
       [](Canvas& cv) {
         DrawTracked(cv, {.x0 = 4, .x1 = 19, .hullTop = 12, .turret = false});
         cv.Polygon({{5, 11}, {14, 5}, {16, 7.5}, {7, 12.5}}, N(5));
         for (int i = 0; i < 3; ++i)
           cv.Set(8 + 2 * i, 9 - i, 0);
       }},
  }};
  return units;
}

}  // namespace

Picture UnitPicture(int type) {
  Canvas cv(pal::UnitKey);
  if (type >= 0 && type < DemoUnitTypes)
    Units()[type].Draw(cv);
  cv.Outline(0, pal::UnitKey);
  return cv.Pixels();
}

std::string UnitName(int type) {
  return type >= 0 && type < DemoUnitTypes ? Units()[type].Name : "";
}

}  // namespace vh::demo
