// The sample missions: three landscapes with every kind of content the
// editor shows, so each of its features has something to work on.
#include "demo/Missions.h"

#include <cmath>
#include <filesystem>

#include "base/FileUtil.h"
#include "base/Platform.h"
#include "demo/Canvas.h"
#include "demo/MapBuilder.h"
#include "demo/PartCatalog.h"
#include "mission/StdData.h"
#include "support/TPWMEncoder.h"

namespace vh::demo {
namespace {

// Unit types of the demo game, by the order of its unit library.
enum U : int16_t {
  Infantry = 0,
  RocketInfantry = 1,
  Paratroopers = 2,
  Engineers = 3,
  ScoutCar = 4,
  ArmouredCar = 5,
  LightTank = 6,
  MediumTank = 7,
  HeavyTank = 8,
  TankDestroyer = 10,
  AssaultGun = 11,
  APC = 12,
  SupplyTruck = 14,
  FuelTruck = 15,
  FieldGun = 16,
  SPGun = 17,
  Howitzer = 18,
  RocketTruck = 19,
  AAGun = 20,
  SPAA = 21,
  Radar = 23,
  HalfTrack = 29,
  Locomotive = 30,
  ArmouredTrain = 31,
  Fighter = 32,
  DiveBomber = 34,
  Bomber = 35,
  TransportPlane = 37,
  Seaplane = 39,
  JetFighter = 40,
  AttackHeli = 41,
  TransportHeli = 42,
  PatrolBoat = 44,
  TorpedoBoat = 45,
  Destroyer = 46,
  Cruiser = 47,
  Battleship = 48,
  Carrier = 49,
  Submarine = 50,
  LandingCraft = 51,
  TransportShip = 52,
  Bunker = 53,
  Hovercraft = 55,
  AmphibiousTank = 56,
  Mortar = 57,
  AntiTankGun = 60,
  CoastalGun = 61,
};

double Smooth(double e0, double e1, double v) {
  double t = std::clamp((v - e0) / (e1 - e0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

int Pick3(uint32_t h, int first, int count) {
  return first + static_cast<int>(h % static_cast<uint32_t>(count));
}

// Land terrain of the light set by height and two noise fields.
int LightLand(const MapBuilder& b, int x, int y, double h, double sea, bool north, bool south) {
  double wet = ValueNoise(x, y, 5, b.Seed() + 40), wood = ValueNoise(x, y, 4, b.Seed() + 41);
  uint32_t r = Hash(b.Seed(), x, y, 42);
  double above = h - sea;
  if (north && above > 0.05)
    return above > 0.45 ? part::SnowLand + 4 : wood > 0.62 ? part::SnowLand + 2 : Pick3(r, part::SnowLand, 2);
  if (above > 0.5)
    return Pick3(r, part::Mountains, part::MountainsCount - 1);
  if (above > 0.36)
    return Pick3(r, part::Hills, part::HillsCount);
  if (south)
    return wood > 0.7 ? part::Desert + 3 : Pick3(r, part::Desert, 3);
  if (wet > 0.7 && above < 0.1)
    return Pick3(r, part::Swamp, part::SwampCount);
  if (wood > 0.6)
    return Pick3(r, part::Forest, (wood > 0.7) ? 3 : part::ForestCount);
  if (r % 23 == 0)
    return Pick3(r >> 8, part::Fields, part::FieldsCount);
  return part::LightLand[r % part::LightLand.size()];
}

void Near(MapBuilder& b, int x, int y, int type, uint8_t owner) {
  auto p = b.FreeGround(x, y);
  b.Unit(p.first, p.second, type, owner);
}

// The mission's own player names; sides that take no part keep the standard ones.
void Players(TMission& m, std::initializer_list<const char*> names) {
  static const char* const standard[7] = {"Crimson League", "Azure Union",  "Golden Host", "Verdant Front",
                                          "Tidewater Pact", "Violet Order", "Neutral"};
  int i = 0;
  for (const char* n : names) {
    m.Players[i].Name = *n ? n : standard[i];
    m.Players[i].Color = static_cast<uint8_t>(i == 6 ? 14 : i);
    ++i;
  }
  m.SaveNames = true;
}

void Stock(TMission& m, int shop, std::initializer_list<int16_t> content,
           std::initializer_list<int16_t> produce) {
  TArrShop& s = *m.GetShop(static_cast<int16_t>(shop));
  size_t i = 0;
  for (int16_t u : content)
    s.Content[i++] = u;
  i = 0;
  for (int16_t u : produce)
    s.Produce[i++] = u;
}

// Change layers: the working grid of each layer is filled, then stored by
// switching to the next one; layer 0 ends up selected, as after a load.
struct LayerEdit {
  TMission& m;
  void Layer(uint8_t nr) { m.SelectDFLayer(nr); }
  void Unit(std::pair<int, int> p, int type, uint8_t owner) {
    TDFCell& c = m.DFCells[p.second][p.first];
    c.Vehicle = static_cast<uint8_t>(type);
    c.VehOwner = owner;
  }
  void Obj(std::pair<int, int> p, int16_t obj) { m.DFCells[p.second][p.first].Obj = obj; }
  void Terrain(std::pair<int, int> p, int16_t t) { m.DFCells[p.second][p.first].Terrain = t; }
};

std::pair<int, int> FindObject(const TMission& m, std::initializer_list<int> objs) {
  for (int y = 0; y < m.Height; ++y)
    for (int x = 0; x < m.Width; ++x)
      for (int o : objs)
        if (m.Cells[y][x].Obj == o)
          return {x, y};
  return {-1, -1};
}

std::unique_ptr<TMission> BorderCrossing() {
  auto m = std::make_unique<TMission>();
  MapBuilder b(*m, 32, 24, 1101);
  const double sea = 0.42;
  b.Heights([](double x, double y) { return 0.2 + 0.7 * x + 0.06 * std::sin(y * 7); });
  b.Sea(sea);
  b.BuildCoasts();
  b.PaintLand([&](int x, int y, double h) { return LightLand(b, x, y, h, sea, false, false); });
  b.River(30, 12);
  b.River(27, 2, 40);

  auto redHQ = b.FreeSite(23, 3), redFactory = b.FreeSite(15, 3), redDepot = b.FreeSite(28, 7);
  auto blueHQ = b.FreeSite(23, 20), blueAirport = b.FreeSite(16, 20), bluePort = b.FreeSite(9, 15, true);
  auto town1 = b.FreeSite(14, 11), town2 = b.FreeSite(24, 13), village = b.FreeSite(10, 6);
  auto academy = b.FreeSite(19, 15);
  int sRedHQ = b.Shop(redHQ.first, redHQ.second, stHQ, 0, "Fort Harrow", part::HQ);
  int sRedFac = b.Shop(redFactory.first, redFactory.second, stFactory, 0, "Kessing Works", part::Factory);
  int sRedDep = b.Shop(redDepot.first, redDepot.second, stDepot, 0, "North Depot", part::Depot);
  int sBlueHQ = b.Shop(blueHQ.first, blueHQ.second, stHQ, 1, "Camp Ostwick", part::HQ);
  int sBlueAir = b.Shop(blueAirport.first, blueAirport.second, stAirport, 1, "Sallow Field", part::Airport);
  int sBluePort = b.Shop(bluePort.first, bluePort.second, stPort, 1, "Marrow Bay", part::Port);
  b.Shop(town1.first, town1.second, stTown, 6, "Elmsford", part::TownB);
  b.Shop(town2.first, town2.second, stTown, 6, "Brackwater", part::TownA);
  b.Shop(village.first, village.second, stTown2, 6, "Tollen", part::Village);
  b.Shop(academy.first, academy.second, stAcademy, 6, "Redmoor College", part::Academy);
  Stock(*m, sRedHQ, {MediumTank, MediumTank, Infantry, Infantry, FieldGun},
        {MediumTank, LightTank, FieldGun});
  Stock(*m, sRedFac, {}, {HeavyTank, AssaultGun, SupplyTruck, TankDestroyer});
  Stock(*m, sRedDep, {FuelTruck, SupplyTruck}, {});
  Stock(*m, sBlueHQ, {LightTank, Infantry, RocketInfantry}, {LightTank, APC});
  Stock(*m, sBlueAir, {Fighter, Fighter, DiveBomber}, {Fighter, DiveBomber, TransportPlane});
  Stock(*m, sBluePort, {PatrolBoat}, {PatrolBoat, TransportShip, LandingCraft});

  b.Road(redHQ.first, redHQ.second, redFactory.first, redFactory.second);
  b.Road(redHQ.first, redHQ.second, redDepot.first, redDepot.second);
  b.Road(redFactory.first, redFactory.second, village.first, village.second);
  b.Road(redFactory.first, redFactory.second, town1.first, town1.second);
  b.Road(town1.first, town1.second, town2.first, town2.second);
  b.Road(redHQ.first, redHQ.second, town2.first, town2.second);
  b.Road(town2.first, town2.second, blueHQ.first, blueHQ.second);
  b.Road(blueHQ.first, blueHQ.second, blueAirport.first, blueAirport.second);
  b.Road(blueAirport.first, blueAirport.second, bluePort.first, bluePort.second);
  b.Road(bluePort.first, bluePort.second, town1.first, town1.second);
  b.Road(town1.first, town1.second, academy.first, academy.second);
  b.PruneRoadCorners();

  for (auto [type, dx, dy] : {std::tuple{MediumTank, -2, 1},
                              {MediumTank, -1, 2},
                              {HeavyTank, 1, 2},
                              {Infantry, -3, 3},
                              {FieldGun, 0, 3},
                              {ScoutCar, -5, 4}})
    Near(b, redHQ.first + dx, redHQ.second + dy, type, 0);
  auto truck = b.FreeGround(redFactory.first + 1, redFactory.second + 2);
  b.Unit(truck.first, truck.second, SupplyTruck, 0, {Infantry, Engineers});
  for (auto [type, dx, dy] : {std::tuple{LightTank, -1, -2},
                              {LightTank, 1, -2},
                              {Infantry, -3, -1},
                              {AntiTankGun, 2, -3},
                              {Mortar, 0, -4}})
    Near(b, blueHQ.first + dx, blueHQ.second + dy, type, 1);
  auto apc = b.FreeGround(blueHQ.first - 4, blueHQ.second - 3);
  b.Unit(apc.first, apc.second, APC, 1, {Infantry, Infantry, RocketInfantry});
  b.Unit(blueAirport.first, blueAirport.second, Fighter, 1);
  auto boat = b.FreeWater(bluePort.first - 1, bluePort.second);
  b.Unit(boat.first, boat.second, PatrolBoat, 1);
  auto ship = b.FreeWater(bluePort.first - 3, bluePort.second - 2);
  b.Unit(ship.first, ship.second, TransportShip, 1, {LightTank, LightTank, APC, Infantry});
  auto bunker = b.FreeGround(town2.first + 1, town2.second + 1);
  b.Unit(bunker.first, bunker.second, Bunker, 6);

  auto bridge =
      FindObject(*m, {part::BridgeRoad03River14, part::BridgeRoad03River25, part::BridgeRoad14River03,
                      part::BridgeRoad25River03, part::BridgeRoad14River25, part::BridgeRoad25River14, 1264});
  if (bridge.first >= 0)
    b.AIPoint(bridge.first, bridge.second, 1, 10, 3, 0, true);
  b.AIPoint(town1.first, town1.second, 2, 20, 2, 1, false);
  b.AIPoint(town2.first, town2.second, 3, 20, 2, 1, false);
  auto hill = b.FreeGround(19, 9);
  b.AIPoint(hill.first, hill.second, 4, 5, 1, 0, false);

  LayerEdit df{*m};
  for (auto [dx, dy] : {std::pair{1, 1}, {2, 1}, {0, 2}})
    df.Unit(b.FreeGround(redHQ.first + dx + 1, redHQ.second + dy + 1), MediumTank, 0);
  df.Layer(1);
  if (bridge.first >= 0)
    df.Obj(bridge, part::River);  // the bridge is blown
  df.Terrain(b.FreeGround(20, 10), static_cast<int16_t>(part::Hills + 2));
  df.Layer(2);
  df.Unit(b.FreeWater(bluePort.first - 2, bluePort.second + 2), LandingCraft, 1);
  df.Unit(b.FreeGround(bluePort.first + 1, bluePort.second - 1), AmphibiousTank, 1);
  df.Obj(b.FreeSite(12, 14), static_cast<int16_t>(part::Scenery + 8));  // shelling leaves craters
  df.Layer(0);

  m->MissionName = "Border Crossing";
  m->MissionText = "Hold the river crossings between Elmsford and Brackwater.";
  Players(*m, {"Crimson League", "Azure Union", "", "", "", "", "Neutral"});
  m->CompPlayers = 0b10;
  m->StartWeather = 0;
  m->NextMission = 2;
  for (int16_t t : {Infantry, LightTank, MediumTank, FieldGun, SupplyTruck})
    m->StdProd[t] = 3;
  m->StdProd[HeavyTank] = 2;
  m->StdProd[Fighter] = 1;
  return m;
}

std::unique_ptr<TMission> IslandChain() {
  auto m = std::make_unique<TMission>();
  MapBuilder b(*m, 48, 40, 2203);
  struct Island {
    double x, y, r;
  };
  static const Island islands[] = {
      {0.22, 0.24, 0.26}, {0.74, 0.22, 0.24}, {0.46, 0.64, 0.28}, {0.86, 0.78, 0.16}, {0.12, 0.8, 0.15}};
  b.Heights(
      [](double x, double y) {
        double h = 0;
        for (const Island& i : islands)
          h = std::max(h, 1.0 - std::hypot(x - i.x, y - i.y) / i.r);
        return 0.12 + 0.75 * h;
      },
      0.7);
  const double sea = 0.42;
  b.Sea(sea);
  b.BuildCoasts(true);
  // Graded by height like the map generator's textured dark set, with the
  // same one-step jitter so the bands do not run as rings.
  b.PaintLand([&](int x, int y, double h) {
    int jitter = static_cast<int>(Hash(b.Seed(), x, y, 7) % 3) - 1;
    int level = std::clamp(static_cast<int>((h - sea) / 0.055) + jitter, 0, 7);
    return part::DarkLand[level];
  });
  b.River(static_cast<int>(0.45 * 47), static_cast<int>(0.62 * 39));
  b.River(static_cast<int>(0.2 * 47), static_cast<int>(0.25 * 39));

  struct Side {
    uint8_t owner;
    int island;
    const char* hq;
    const char* port;
    const char* field;
  };
  static const Side sides[] = {{0, 0, "Cape Fennel", "Gullhaven", "Windy Strip"},
                               {1, 1, "Stormhold", "Kelp Harbour", "Blue Point"},
                               {2, 2, "Amberkeep", "Saltmarsh Quay", "Dunmore Field"}};
  std::vector<std::pair<int, int>> ports;
  for (const Side& s : sides) {
    int cx = static_cast<int>(islands[s.island].x * 47), cy = static_cast<int>(islands[s.island].y * 39);
    auto hq = b.FreeSite(cx, cy);
    auto port = b.FreeSite(cx + 4, cy + 3, true);
    auto field = b.FreeSite(cx - 3, cy + 2);
    int sh = b.Shop(hq.first, hq.second, stHQ, s.owner, s.hq, part::HQ);
    int sp = b.Shop(port.first, port.second, stPort, s.owner, s.port, part::Port);
    int sa = b.Shop(field.first, field.second, stAirport, s.owner, s.field, part::Airport);
    Stock(*m, sh, {Infantry, Infantry, LightTank}, {RocketInfantry, LightTank, AAGun});
    Stock(*m, sp, {PatrolBoat, LandingCraft}, {Destroyer, Submarine, TransportShip, LandingCraft});
    Stock(*m, sa, {Seaplane, Fighter}, {Seaplane, Fighter, Bomber});
    b.Road(hq.first, hq.second, port.first, port.second);
    b.Road(hq.first, hq.second, field.first, field.second);
    ports.push_back(port);
    for (auto [type, dx, dy] :
         {std::tuple{Infantry, 1, 1}, {LightTank, -1, 1}, {AAGun, 0, -2}, {CoastalGun, 2, -1}})
      Near(b, hq.first + dx, hq.second + dy, type, s.owner);
    b.Unit(field.first, field.second, Seaplane, s.owner);
    auto d = b.FreeWater(port.first + 2, port.second + 1);
    b.Unit(d.first, d.second, s.owner == 1 ? Cruiser : Destroyer, s.owner);
    auto t = b.FreeWater(port.first + 1, port.second + 3);
    b.Unit(t.first, t.second, TransportShip, s.owner, {Infantry, LightTank, FieldGun});
    auto sub = b.FreeWater(port.first + 6, port.second - 4);
    b.Unit(sub.first, sub.second, Submarine, s.owner);
    b.AIPoint(port.first, port.second, static_cast<uint16_t>(10 + s.owner), 30, 4, 2, s.owner == 0);
  }
  auto carrier = b.FreeWater(30, 34);
  b.Unit(carrier.first, carrier.second, Carrier, 1, {JetFighter, JetFighter, DiveBomber, AttackHeli});
  auto battleship = b.FreeWater(26, 8);
  b.Unit(battleship.first, battleship.second, Battleship, 0);
  // Neutral settlements on the small islands and the big one.
  auto t1 = b.FreeSite(static_cast<int>(0.85 * 47), static_cast<int>(0.75 * 39));
  auto t2 = b.FreeSite(static_cast<int>(0.12 * 47), static_cast<int>(0.8 * 39));
  auto t3 = b.FreeSite(static_cast<int>(0.5 * 47), static_cast<int>(0.72 * 39));
  b.Shop(t1.first, t1.second, stTown, 6, "Skerry", part::Village);
  b.Shop(t2.first, t2.second, stTown, 6, "Lowwick", part::Farmstead);
  int depot = b.Shop(t3.first, t3.second, stDepot, 6, "Old Coal Store", part::Depot);
  Stock(*m, depot, {FuelTruck}, {});
  b.Road(ports[2].first, ports[2].second, t3.first, t3.second);
  b.PruneRoadCorners();
  b.AIPoint(t1.first, t1.second, 20, 10, 1, 0, false);
  b.AIPoint(t2.first, t2.second, 21, 10, 1, 0, false);

  LayerEdit df{*m};
  df.Unit(b.FreeWater(24, 20), Battleship, 2);
  df.Unit(b.FreeWater(23, 22), TorpedoBoat, 2);
  df.Layer(1);
  df.Unit(b.FreeWater(40, 12), Hovercraft, 1);
  df.Unit(b.FreeWater(12, 30), Submarine, 0);
  df.Layer(0);

  m->MissionName = "Island Chain";
  m->MissionText = "Three fleets, five islands, one winter of storms.";
  Players(*m, {"Crimson League", "Azure Union", "Golden Host", "", "", "", "Neutral"});
  m->CompPlayers = 0b110;
  m->Allies = {0, 0b100, 0b010, 0, 0, 0};
  m->StartWeather = 1;
  m->NextMission = 3;
  for (int16_t t : {Infantry, PatrolBoat, Destroyer, Seaplane})
    m->StdProd[t] = 3;
  m->StdProd[Submarine] = 1;
  return m;
}

std::unique_ptr<TMission> NorthernFront() {
  auto m = std::make_unique<TMission>();
  MapBuilder b(*m, 64, 64, 3307);
  const double sea = 0.4;
  b.Heights(
      [](double x, double y) {
        double edge = std::min({x, y, 1 - x, 1 - y});
        double ridge = std::exp(-std::pow((x - 0.55 + 0.35 * (y - 0.5)) / 0.07, 2)) * (0.35 + 0.3 * y);
        double bay = std::exp(-(std::pow((x - 0.12) / 0.1, 2) + std::pow((y - 0.55) / 0.12, 2)));
        return 0.22 + 0.42 * Smooth(0.0, 0.18, edge) + ridge - 0.45 * bay;
      },
      0.3);
  b.Sea(sea);
  b.BuildCoasts();
  b.PaintLand([&](int x, int y, double h) {
    bool north = y < 64 * 0.22 + 3 * std::sin(x * 0.4);
    bool south = x > 40 && y > 42;
    return LightLand(b, x, y, h, sea, north, south);
  });
  b.River(36, 14, 80);
  b.River(33, 40, 80);
  b.River(45, 30, 80);

  struct Side {
    uint8_t owner;
    int x, y;
    const char* hq;
    const char* factory;
    const char* depot;
  };
  static const Side sides[] = {{0, 12, 14, "Frostgate", "Iron Hollow", "Pike Stores"},
                               {1, 50, 12, "Ravensfell", "Cinder Mill", "Hightarn Depot"},
                               {2, 10, 36, "Westerlund", "Brightforge", "Fenwick Yard"},
                               {3, 52, 32, "Easthold", "Gallow Works", "Corran Depot"},
                               {4, 16, 54, "Southmere", "Tanner Works", "Reedbank Store"},
                               {5, 50, 53, "Dunehold", "Sandspire Works", "Oasis Depot"}};
  std::vector<std::pair<int, int>> hqs;
  for (const Side& s : sides) {
    auto hq = b.FreeSite(s.x, s.y), fac = b.FreeSite(s.x + 4, s.y + 2), dep = b.FreeSite(s.x - 3, s.y + 3);
    int sh = b.Shop(hq.first, hq.second, stHQ, s.owner, s.hq, part::HQ);
    int sf = b.Shop(fac.first, fac.second, stFactory, s.owner, s.factory,
                    s.owner % 2 ? part::Factory : part::Factory);
    int sd = b.Shop(dep.first, dep.second, stDepot, s.owner, s.depot, part::Depot);
    Stock(*m, sh, {MediumTank, Infantry, Infantry, Engineers}, {MediumTank, RocketInfantry, SPGun});
    Stock(*m, sf, {}, {HeavyTank, TankDestroyer, RocketTruck, HalfTrack});
    Stock(*m, sd, {SupplyTruck, FuelTruck, FuelTruck}, {});
    b.Road(hq.first, hq.second, fac.first, fac.second);
    b.Road(hq.first, hq.second, dep.first, dep.second);
    hqs.push_back(hq);
    for (auto [type, dx, dy] : {std::tuple{MediumTank, 2, -1},
                                {MediumTank, 3, 0},
                                {Infantry, -2, -1},
                                {SPGun, 0, -2},
                                {SPAA, 1, 2},
                                {ArmouredCar, -3, 0}})
      Near(b, hq.first + dx, hq.second + dy, type, s.owner);
    auto t = b.FreeGround(fac.first + 1, fac.second + 1);
    b.Unit(t.first, t.second, HalfTrack, s.owner, {Infantry, Mortar});
    b.AIPoint(hq.first, hq.second, static_cast<uint16_t>(100 + s.owner), 50, 5, 3, true);
  }
  // Airports, ports, academies and the neutral towns between the fronts.
  auto air0 = b.FreeSite(20, 8), air3 = b.FreeSite(56, 40), port2 = b.FreeSite(8, 30, true);
  auto port5 = b.FreeSite(58, 58, true), acad = b.FreeSite(30, 30), acad2 = b.FreeSite(44, 20);
  int a0 = b.Shop(air0.first, air0.second, stAirport, 0, "Glacier Field", part::Airport);
  int a3 = b.Shop(air3.first, air3.second, stAirport, 3, "Easthold Air", part::Airport);
  int p2 = b.Shop(port2.first, port2.second, stPort, 2, "Westerlund Docks", part::Port);
  int p5 = b.Shop(port5.first, port5.second, stPort, 5, "Dune Harbour", part::Port);
  b.Shop(acad.first, acad.second, stAcademy, 6, "War College", part::Academy);
  b.Shop(acad2.first, acad2.second, stAcademy, 1, "Ravens Academy", part::Academy);
  Stock(*m, a0, {Fighter, Bomber}, {Fighter, Bomber, TransportPlane});
  Stock(*m, a3, {JetFighter, AttackHeli}, {JetFighter, AttackHeli, TransportHeli});
  Stock(*m, p2, {PatrolBoat}, {PatrolBoat, Destroyer});
  Stock(*m, p5, {TorpedoBoat}, {TorpedoBoat, Submarine});
  b.Unit(air0.first, air0.second, Bomber, 0);
  b.Unit(air3.first, air3.second, TransportHeli, 3, {Paratroopers, Paratroopers});
  auto boat = b.FreeWater(port2.first - 1, port2.second);
  b.Unit(boat.first, boat.second, PatrolBoat, 2);
  auto tb = b.FreeWater(port5.first + 1, port5.second + 1);
  b.Unit(tb.first, tb.second, TorpedoBoat, 5);

  static const struct {
    int x, y, building;
    uint8_t type;
    const char* name;
  } towns[] = {{28, 10, part::TownA, stTown, "Hollin"},      {24, 22, part::Village, stTown2, "Ashby"},
               {38, 38, part::TownB, stTown, "Kingsmere"},   {22, 44, part::Houses, stTown, "Pellham"},
               {34, 56, part::Town2, stTown2, "Quarry End"}, {44, 8, part::Church, stTown, "Saint Orrin"},
               {40, 26, part::Castle, stTown, "Greywall"},   {14, 26, part::Farmstead, stTown2, "Mossley"}};
  std::vector<std::pair<int, int>> sites;
  for (const auto& t : towns) {
    auto p = b.FreeSite(t.x, t.y);
    b.Shop(p.first, p.second, t.type, 6, t.name, t.building);
    sites.push_back(p);
  }
  // A railway along the front, then the roads that tie towns and headquarters together.
  b.Rail(hqs[0].first + 1, hqs[0].second + 2, sites[2].first + 1, sites[2].second + 1);
  b.Rail(sites[2].first + 1, sites[2].second + 1, hqs[5].first - 1, hqs[5].second - 2);
  const int links[][2] = {{0, 0}, {0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5},
                          {5, 2}, {2, 6}, {6, 1}, {1, 7}, {7, 3}};
  const std::pair<int, int> hqOf[] = {hqs[0], hqs[1], hqs[2], hqs[3], hqs[4], hqs[5]};
  for (auto [from, to] : links) {
    auto a = from < 6 ? hqOf[from] : sites[from];
    b.Road(a.first, a.second, sites[to].first, sites[to].second);
  }
  b.Road(hqs[1].first, hqs[1].second, sites[5].first, sites[5].second);
  b.Road(hqs[3].first, hqs[3].second, sites[2].first, sites[2].second);
  b.Road(hqs[4].first, hqs[4].second, sites[3].first, sites[3].second);
  b.Road(hqs[5].first, hqs[5].second, sites[4].first, sites[4].second);
  b.Road(hqs[2].first, hqs[2].second, port2.first, port2.second);
  b.Road(hqs[5].first, hqs[5].second, port5.first, port5.second);
  b.Road(hqs[0].first, hqs[0].second, air0.first, air0.second);
  b.Road(hqs[3].first, hqs[3].second, air3.first, air3.second);
  b.Road(sites[2].first, sites[2].second, acad.first, acad.second);
  b.Road(hqs[1].first, hqs[1].second, acad2.first, acad2.second);
  b.PruneRoadCorners();
  // The old border wall from the castle up into the hills.
  std::vector<std::pair<int, int>> wall;
  for (int y = sites[6].second - 1, x = sites[6].first; y >= sites[6].second - 8; --y)
    wall.push_back({x + ((sites[6].second - y) / 3), y});
  b.Wall(wall);
  auto train = b.FreeGround(hqs[0].first + 2, hqs[0].second + 3);
  b.Unit(train.first, train.second, ArmouredTrain, 0);
  auto bunker = b.FreeGround(sites[6].first + 1, sites[6].second);
  b.Unit(bunker.first, bunker.second, Bunker, 6);
  for (size_t i = 0; i < sites.size(); i += 2)
    b.AIPoint(sites[i].first, sites[i].second, static_cast<uint16_t>(200 + i), 25, 2, 1, false);

  LayerEdit df{*m};
  for (int i = 0; i < 6; ++i)
    df.Unit(b.FreeGround(hqs[i].first - 1, hqs[i].second + 2), HeavyTank, static_cast<uint8_t>(i));
  df.Layer(1);  // the thaw floods the lowlands by the western bay
  for (int y = 44; y < 50; ++y)
    for (int x = 14; x < 20; ++x)
      if (b.IsLand(x, y) && m->Cells[y][x].Obj == -1 && m->Cells[y][x].Shop == -1)
        df.Terrain({x, y}, static_cast<int16_t>(part::Swamp + (x + y) % part::SwampCount));
  df.Layer(2);
  df.Obj(sites[1], -1);  // the village burns down
  df.Unit(b.FreeGround(30, 20), Paratroopers, 3);
  df.Unit(b.FreeGround(31, 21), Paratroopers, 3);
  df.Layer(0);

  m->MissionName = "Northern Front";
  m->MissionText = "Six armies, one winter. Hold the railway.";
  Players(*m, {"Crimson League", "Azure Union", "Golden Host", "Verdant Front", "Tidewater Pact",
               "Violet Order", "Neutral"});
  m->CompPlayers = 0b111010;
  m->Allies = {0b010100, 0b101000, 0b010001, 0b100010, 0b000101, 0b001010};
  m->StartWeather = 3;
  m->NextMission = 0;
  for (int16_t t : {Infantry, LightTank, MediumTank, SPGun, SupplyTruck, Fighter})
    m->StdProd[t] = 3;
  for (int16_t t : {HeavyTank, Bomber, Locomotive})
    m->StdProd[t] = 1;
  m->StdProd[AttackHeli] = 2;
  return m;
}

}  // namespace

std::vector<SampleMission> BuildSampleMissions() {
  std::vector<SampleMission> out;
  out.push_back({"miss001.dat", false, BorderCrossing()});
  out.push_back({"miss002.dat", true, IslandChain()});
  out.push_back({"miss003.dat", false, NorthernFront()});
  return out;
}

bool WriteSampleMissions(const std::string& gameDir, const ByteStream& stdMiss,
                         std::vector<std::string>& written) {
  namespace fs = std::filesystem;
  // New missions start from the standard MISS block, as the editor's do.
  std::copy_n(stdMiss.begin(), std::min(stdMiss.size(), StdMissionTemplate.size()),
              StdMissionTemplate.begin());
  TxtFilesDir = "GER";
  for (SampleMission& sm : BuildSampleMissions()) {
    std::string path = Utf8Of(PathOf(gameDir) / "MIS" / sm.FileName);
    sm.Mission->MissHeader = StdMissionTemplate;
    sm.Mission->SaveAs(path);
    written.push_back(path);
    written.push_back(sm.Mission->NamesFileName);
    if (sm.CompressNames) {
      ByteStream plain = ReadWholeFile(sm.Mission->NamesFileName);
      WriteWholeFile(sm.Mission->NamesFileName, test::CompressTPWM(plain));
    }
  }
  return true;
}

}  // namespace vh::demo
