// The sample missions load with the editor's own reader and show every
// feature: landscapes with proper coasts, shops of several owners, cargo, AI
// points, change layers and names.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "DemoFiles.h"
#include "base/FileUtil.h"
#include "mission/Mission.h"
#include "mission/MissionCheck.h"
#include "mission/StdData.h"

namespace vh::demotest {
namespace {

struct Loaded {
  std::string File;
  std::unique_ptr<TMission> M;
};

const std::vector<Loaded>& Missions() {
  static const std::vector<Loaded> missions = [] {
    const Installation& inst = Installation::Get();
    TxtFilesDir = "GER";
    std::vector<Loaded> out;
    for (const char* name : {"miss001.dat", "miss002.dat", "miss003.dat"}) {
      auto m = std::make_unique<TMission>();
      m->LoadFromFile((inst.Game / "MIS" / name).string());
      out.push_back({name, std::move(m)});
    }
    return out;
  }();
  return missions;
}

bool IsWaterPart(int t) {
  static const std::set<int> water = {95,  96,  97,  98,  99,  100, 101, 102, 103, 104, 105, 106, 107, 108,
                                      109, 373, 374, 375, 376, 377, 378, 379, 380, 381, 382, 385, 386, 387};
  return water.count(t) > 0;
}

TEST(DemoMissions, HaveTheIntendedSizesAndNames) {
  const std::pair<int, int> sizes[] = {{32, 24}, {48, 40}, {64, 64}};
  for (size_t i = 0; i < Missions().size(); ++i) {
    const TMission& m = *Missions()[i].M;
    EXPECT_EQ(m.Width, sizes[i].first);
    EXPECT_EQ(m.Height, sizes[i].second);
    EXPECT_FALSE(m.MissionName.empty());
    EXPECT_FALSE(m.MissionText.empty());
    EXPECT_TRUE(m.SaveNames) << Missions()[i].File;
    for (int p = 0; p < 7; ++p)
      EXPECT_FALSE(m.Players[p].Name.empty()) << Missions()[i].File << " player " << p;
  }
}

// The missions a new user opens first must not show problems that are only
// the demo's own faults.
TEST(DemoMissions, PassTheMissionCheck) {
  for (const auto& l : Missions()) {
    TCheckReport r = CheckMission(*l.M);
    for (const TProblem& p : r.Problems)
      ADD_FAILURE() << l.File << ": " << CheckKindSentence(p.Kind) << " (" << p.Places.size()
                    << "), first at (" << p.Places[0].Cell.x << ", " << p.Places[0].Cell.y << ") line "
                    << p.Places[0].Line << " " << p.Places[0].Detail;
  }
}

TEST(DemoMissions, OneNamesFileIsStoredCoded) {
  int coded = 0;
  for (const auto& l : Missions()) {
    ByteStream b = ReadWholeFile(l.M->NamesFileName);
    coded += b.size() >= 4 && std::string(b.begin(), b.begin() + 4) == "TPWM";
  }
  EXPECT_EQ(coded, 1);
}

TEST(DemoMissions, EveryCellHasKnownPictures) {
  for (const auto& l : Missions()) {
    const TMission& m = *l.M;
    for (int y = 0; y < m.Height; ++y)
      for (int x = 0; x < m.Width; ++x) {
        const TMissionCell& c = m.Cells[y][x];
        EXPECT_TRUE(c.Terrain >= 0 && c.Terrain < 1335) << l.File << " " << x << "," << y;
        EXPECT_TRUE(c.Obj >= -1 && c.Obj < 1335) << l.File;
        if (c.VehOwner != NoSide) {
          EXPECT_LT(c.Vehicle, 64) << l.File;
        }
      }
  }
}

TEST(DemoMissions, ShopsOfSeveralOwnersAndTypesWithNames) {
  for (const auto& l : Missions()) {
    const TMission& m = *l.M;
    std::set<int> owners, types;
    for (const auto& s : m.Shops) {
      ASSERT_TRUE(s.has_value());
      owners.insert(s->Owner);
      types.insert(s->ShopType);
      EXPECT_FALSE(s->Name.empty());
      EXPECT_LE(s->Name.size(), 16u);
    }
    EXPECT_GE(owners.size(), 3u) << l.File;  // at least two players and neutral
    EXPECT_GE(types.size(), 4u) << l.File;
    EXPECT_TRUE(types.count(0)) << l.File << " has no HQ";
  }
}

TEST(DemoMissions, ShopBuildingsMatchTheirTypeAndStandOnRoads) {
  const std::map<int, std::set<int>> buildings = {{0, {393, 396}}, {1, {458, 459, 460}},
                                                  {2, {76, 77}},   {3, {394, 397, 398}},
                                                  {4, {395, 399}}, {5, {80, 81, 86, 87, 88, 957, 984, 1021}},
                                                  {6, {563, 564}}, {7, {80, 81, 86, 87, 88, 957, 984, 1021}}};
  const std::set<int> roads = {90, 1264, 1265, 1266, 1270, 1271, 1272, 1274, 44, 45, 54, 55, 63, 66, 69, 71};
  for (const auto& l : Missions()) {
    const TMission& m = *l.M;
    int onRoad = 0, shops = 0;
    for (int y = 0; y < m.Height; ++y)
      for (int x = 0; x < m.Width; ++x) {
        const TMissionCell& c = m.Cells[y][x];
        const TArrShop* s = m.GetShop(c.Shop);
        if (!s)
          continue;
        ++shops;
        EXPECT_TRUE(buildings.at(s->ShopType).count(c.Obj)) << l.File << " " << s->Name << " shows " << c.Obj;
        for (int d = 0; d < 6; ++d) {
          int nx = 0, ny = 0;
          Neighbour(x, y, d, nx, ny);
          if (m.InMap({nx, ny}) && roads.count(m.Cells[ny][nx].Obj)) {
            ++onRoad;
            break;
          }
        }
      }
    EXPECT_GE(onRoad * 10, shops * 8) << l.File << ": towns and bases lie on roads";
  }
}

TEST(DemoMissions, CoastsFollowTheMapGeneratorsTable) {
  // Every water cell beside land shows the coast picture for its land mask.
  static const std::map<unsigned, int> tileOfMask = {
      {1, 1},  {2, 2},  {3, 2},  {4, 4},  {6, 9},  {7, 9},   {8, 6},  {12, 4}, {14, 9}, {15, 9},
      {16, 5}, {24, 5}, {28, 7}, {32, 3}, {33, 3}, {35, 10}, {48, 8}, {49, 8}, {56, 8}, {57, 8}};
  static const int light[] = {103, 101, 100, 98, 99, 102, 104, 107, 106, 105};
  static const int dark[] = {378, 376, 375, 373, 374, 377, 379, 382, 381, 380};
  for (const auto& l : Missions()) {
    const TMission& m = *l.M;
    int coasts = 0;
    for (int y = 0; y < m.Height; ++y)
      for (int x = 0; x < m.Width; ++x) {
        int t = m.Cells[y][x].Terrain;
        if (!IsWaterPart(t))
          continue;
        unsigned mask = 0;
        for (int d = 0; d < 6; ++d) {
          int nx = 0, ny = 0;
          Neighbour(x, y, d, nx, ny);
          if (m.InMap({nx, ny}) && !IsWaterPart(m.Cells[ny][nx].Terrain))
            mask |= 1u << d;
        }
        if (mask == 0)
          continue;
        ++coasts;
        auto it = tileOfMask.find(mask);
        ASSERT_NE(it, tileOfMask.end()) << l.File << " " << x << "," << y << " has land mask " << mask;
        bool darkSet = t >= 373;
        EXPECT_EQ(t, darkSet ? dark[it->second - 1] : light[it->second - 1])
            << l.File << " " << x << "," << y;
      }
    EXPECT_GT(coasts, 10) << l.File;
  }
}

TEST(DemoMissions, CarryCargoAIPointsAndChangeLayers) {
  for (const auto& l : Missions()) {
    const TMission& m = *l.M;
    int cargo = 0, ai = 0, units = 0;
    std::set<int> owners;
    for (int y = 0; y < m.Height; ++y)
      for (int x = 0; x < m.Width; ++x) {
        const TMissionCell& c = m.Cells[y][x];
        cargo += c.VehContent != -1;
        ai += c.AIPoint != -1;
        if (c.VehOwner != NoSide) {
          ++units;
          owners.insert(c.VehOwner);
        }
        if (c.VehContent != -1) {
          EXPECT_NE(c.VehOwner, NoSide) << l.File << ": cargo needs a unit to carry it";
        }
      }
    EXPECT_GE(cargo, 1) << l.File;
    EXPECT_GE(ai, 2) << l.File;
    EXPECT_GE(units, 10) << l.File;
    EXPECT_GE(owners.size(), 2u) << l.File;
    int layers = 0;
    for (const ByteStream& s : m.DFLayers)
      layers += !s.empty();
    EXPECT_GE(layers, 2) << l.File;
  }
}

TEST(DemoMissions, ProductionNeverUsesUnitTypeZero) {
  // A production slot of 0 reads back as empty.
  for (const auto& l : Missions())
    for (const auto& s : l.M->Shops)
      for (int16_t p : s->Produce)
        EXPECT_NE(p, 0) << l.File << " " << s->Name;
}

}  // namespace
}  // namespace vh::demotest
