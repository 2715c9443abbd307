// The groups of the editor's palette. Each group page is laid out as a hex
// grid like the map, so a connected block on a page (an island, a strip of
// coast, a stretch of road) can be picked and painted as one pattern.
#include <initializer_list>

#include "demo/Art.h"
#include "demo/PartCatalog.h"

namespace vh::demo {
namespace {

SelectionGroup Group(std::string name, int icon) {
  SelectionGroup g;
  g.Name = std::move(name);
  g.Icon = icon;
  g.Cells.fill(-1);
  return g;
}

void Put(SelectionGroup& g, int x, int y, int part) {
  g.Cells[y * 12 + x] = static_cast<int16_t>(part);
}

void Row(SelectionGroup& g, int y, std::initializer_list<int> parts, int x0 = 0) {
  int x = x0;
  for (int p : parts)
    Put(g, x++, y, p);
}

void Run(SelectionGroup& g, int y, int first, int count, int x0 = 0) {
  for (int i = 0; i < count; ++i)
    Put(g, x0 + i, y, first + i);
}

// A one-cell island: land at (2, 3) and the six coast tiles facing it.
void Island(SelectionGroup& g, const int* coast, int land) {
  Put(g, 2, 3, land);
  Put(g, 2, 2, coast[6 - 1]);  // above: land below it
  Put(g, 2, 4, coast[1 - 1]);  // below: land above it
  Put(g, 3, 2, coast[5 - 1]);  // upper right: land to its lower left
  Put(g, 3, 3, coast[3 - 1]);  // lower right: land to its upper left
  Put(g, 1, 3, coast[2 - 1]);  // lower left: land to its upper right
  Put(g, 1, 2, coast[4 - 1]);  // upper left: land to its lower right
}

// A strip of land along row 3 with its shore above and below, columns 5..11.
void Strip(SelectionGroup& g, const int* coast, int land) {
  for (int x = 5; x <= 11; ++x) {
    bool even = x % 2 == 0;
    Put(g, x, 2, coast[(even ? 6 : 7) - 1]);
    Put(g, x, 3, land);
    Put(g, x, 4, coast[(even ? 10 : 1) - 1]);
  }
}

}  // namespace

std::vector<SelectionGroup> TerrainGroups() {
  std::vector<SelectionGroup> groups;
  auto grass = Group("grass", part::LightLand[0]);
  Row(grass, 0,
      {part::LightLand[0], part::LightLand[1], part::LightLand[2], part::LightLand[3], part::ExtraGrass,
       part::LightLand[4]});
  Run(grass, 1, part::Fields, part::FieldsCount);
  groups.push_back(grass);

  auto forest = Group("forest", part::Forest);
  Run(forest, 0, part::Forest, part::ForestCount);
  Row(forest, 1, {part::DarkLand[2], part::DarkLand[3]});
  groups.push_back(forest);

  auto hills = Group("hills", part::Hills + 1);
  Run(hills, 0, part::Hills, part::HillsCount);
  Row(hills, 1, {part::DarkLand[4], part::DarkLand[5]});
  groups.push_back(hills);

  auto mountains = Group("mountains", part::Mountains);
  Run(mountains, 0, part::Mountains, part::MountainsCount);
  Row(mountains, 1, {part::DarkLand[6], part::DarkLand[7]});
  groups.push_back(mountains);

  auto desert = Group("desert", part::Desert + 1);
  Run(desert, 0, part::Desert, part::DesertCount);
  groups.push_back(desert);

  auto snow = Group("snow", part::SnowLand + 2);
  Run(snow, 0, part::SnowLand, part::SnowCount);
  groups.push_back(snow);

  auto swamp = Group("swamp", part::Swamp);
  Run(swamp, 0, part::Swamp, part::SwampCount);
  groups.push_back(swamp);

  auto water = Group("water", part::LightWater[1]);
  Row(water, 0, {part::LightWater[0], part::LightWater[1], part::LightWater[2]});
  Row(water, 1, {part::DarkWater[0], part::DarkWater[1], part::DarkWater[2]});
  groups.push_back(water);

  auto coast = Group("coast", part::LightCoast[0]);
  for (int t = 0; t < 12; ++t)
    Put(coast, t, 0, part::LightCoast[t]);
  Island(coast, part::LightCoast.data(), part::LightLand[0]);
  Strip(coast, part::LightCoast.data(), part::LightLand[0]);
  groups.push_back(coast);

  auto dark = Group("dark land", part::DarkLand[0]);
  for (int k = 0; k < 8; ++k)
    Put(dark, k, 0, part::DarkLand[k]);
  groups.push_back(dark);

  auto darkCoast = Group("dark coast", part::DarkCoast[0]);
  for (int t = 0; t < 10; ++t)
    Put(darkCoast, t, 0, part::DarkCoast[t]);
  Put(darkCoast, 10, 0, part::DarkWater[0]);
  Island(darkCoast, part::DarkCoast.data(), part::DarkLand[0]);
  Strip(darkCoast, part::DarkCoast.data(), part::DarkLand[0]);
  groups.push_back(darkCoast);
  return groups;
}

std::vector<SelectionGroup> ObjectGroups() {
  std::vector<SelectionGroup> groups(28);
  for (size_t i = 0; i < groups.size(); ++i)
    groups[i] = Group("", -1);
  const std::initializer_list<int> crossings = {part::BridgeRoad03River14, part::BridgeRoad03River25,
                                                part::BridgeRoad14River03, part::BridgeRoad25River03,
                                                part::BridgeRoad14River25, part::BridgeRoad25River14,
                                                part::FordRoad03River14,   part::FordRoad03River25};

  auto& roads = groups[0] = Group("roads", part::Road);
  Row(roads, 0, {part::Road});
  Row(roads, 0, crossings, 2);
  for (int y = 2; y <= 4; ++y)  // a stretch of road leading into a town
    Put(roads, 1, y, part::Road);
  Put(roads, 1, 5, part::TownA);

  auto& rivers = groups[1] = Group("rivers", part::River);
  Row(rivers, 0, {part::River});
  Row(rivers, 0, crossings, 2);

  auto& rails = groups[2] = Group("railways", part::Rail);
  Row(rails, 0, {part::Rail, -1, 1266, 1268, 1269, 1271, 1272, 1273, 1274});

  auto& walls = groups[3] = Group("walls", part::Wall);
  Row(walls, 0, {part::Wall, -1, 1265, 1267, 1269, -1, part::Castle});

  auto& combos = groups[4] = Group("junctions", part::LineCombosFirst);
  Run(combos, 0, part::LineCombosFirst, part::LineCombosLast - part::LineCombosFirst + 1);

  auto& bridges = groups[5] = Group("bridges", part::BridgeRoad03River14);
  Row(bridges, 0, crossings);

  groups[12] = Group("headquarters", part::HQ);
  Row(groups[12], 0, {part::HQ, part::HQ2});
  groups[13] = Group("airports", part::Airport);
  Row(groups[13], 0, {part::Airport, part::Airstrip, part::Helipad});
  groups[14] = Group("ports", part::Port);
  Row(groups[14], 0, {part::Port, part::Port2});
  groups[15] = Group("factories", part::Factory);
  Row(groups[15], 0, {part::Factory, part::Factory2, part::Refinery});
  groups[16] = Group("depots", part::Depot);
  Row(groups[16], 0, {part::Depot, part::Depot2});
  groups[17] = Group("towns", part::TownA);
  Row(groups[17], 0,
      {part::TownA, part::TownB, part::Village, part::Houses, part::Farmstead, part::Town2, part::Castle,
       part::Church});
  groups[18] = Group("academies", part::Academy);
  Row(groups[18], 0, {part::Academy, part::Academy2});

  groups[24] = Group("nature", part::Scenery + 1);
  Row(groups[24], 0, {0, 1, 2, 3, 4, 5, 6, 26, 27});
  groups[25] = Group("battlefield", part::Scenery + 9);
  Row(groups[25], 0, {7, 8, 9, 10, 11, 24});
  groups[26] = Group("fortifications", part::Scenery + 17);
  Row(groups[26], 0, {12, 13, 14, 15, 16, 17});
  groups[27] = Group("structures", part::Scenery + 20);
  Row(groups[27], 0, {18, 19, 20, 21, 22, 23, 25, 28, 29, 30, 31});
  for (int g = 24; g <= 27; ++g)
    for (auto& cell : groups[g].Cells)
      if (cell >= 0)
        cell = static_cast<int16_t>(part::Scenery + cell);
  return groups;
}

}  // namespace vh::demo
