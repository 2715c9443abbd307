// The sample maps' networks hang together: rivers run into the sea or
// another river, roads link places, change layers stay on the map.
#include <gtest/gtest.h>

#include <queue>
#include <set>

#include "DemoFiles.h"
#include "mission/Mission.h"
#include "mission/StdData.h"

namespace vh::demotest {
namespace {

std::vector<std::unique_ptr<TMission>> Load() {
  std::vector<std::unique_ptr<TMission>> out;
  TxtFilesDir = "GER";
  for (const char* name : {"miss001.dat", "miss002.dat", "miss003.dat"}) {
    auto m = std::make_unique<TMission>();
    m->LoadFromFile((Installation::Get().Game / "MIS" / name).string());
    out.push_back(std::move(m));
  }
  return out;
}

const std::set<int> RiverObjects = {92, 1264, 1267, 1268, 1270, 1271, 1273, 1274};
const std::set<int> RoadObjects = {90, 1264, 1265, 1266, 1270, 1271, 1272, 1274};
const std::set<int> JoinObjects = {44, 45, 54, 55,  63,  66,  69,  71,  76,  80,  81,
                                   86, 87, 88, 393, 394, 395, 458, 563, 957, 984, 1021};
bool Water(int t) {
  return (t >= 95 && t <= 109) || (t >= 373 && t <= 387);
}

// Connected groups of cells for which `in` holds.
template <class F> std::vector<std::vector<std::pair<int, int>>> Components(const TMission& m, F&& in) {
  std::vector<std::vector<std::pair<int, int>>> groups;
  std::set<std::pair<int, int>> seen;
  for (int y = 0; y < m.Height; ++y)
    for (int x = 0; x < m.Width; ++x) {
      if (!in(x, y) || seen.count({x, y}))
        continue;
      groups.emplace_back();
      std::queue<std::pair<int, int>> q;
      q.push({x, y});
      seen.insert({x, y});
      while (!q.empty()) {
        auto [cx, cy] = q.front();
        q.pop();
        groups.back().push_back({cx, cy});
        for (int d = 0; d < 6; ++d) {
          int nx = 0, ny = 0;
          Neighbour(cx, cy, d, nx, ny);
          if (m.InMap({nx, ny}) && in(nx, ny) && !seen.count({nx, ny})) {
            seen.insert({nx, ny});
            q.push({nx, ny});
          }
        }
      }
    }
  return groups;
}

TEST(DemoMapNetworks, EveryRiverReachesTheSea) {
  for (const auto& m : Load()) {
    auto rivers = Components(*m, [&](int x, int y) {
      int o = m->Cells[y][x].Obj;
      return RiverObjects.count(o) || (JoinObjects.count(o) && o >= 44 && o <= 71);  // bridges carry rivers
    });
    EXPECT_GE(rivers.size(), 1u) << m->MissionName;
    for (const auto& river : rivers) {
      bool mouth = false;
      for (auto [x, y] : river)
        mouth = mouth || Water(m->Cells[y][x].Terrain);
      EXPECT_TRUE(mouth) << m->MissionName << ": river at " << river[0].first << "," << river[0].second;
    }
  }
}

TEST(DemoMapNetworks, EveryRoadLinksAtLeastTwoPlaces) {
  for (const auto& m : Load()) {
    auto roads = Components(*m, [&](int x, int y) {
      int o = m->Cells[y][x].Obj;
      return RoadObjects.count(o) || JoinObjects.count(o);
    });
    for (const auto& road : roads) {
      if (road.size() == 1)
        continue;  // a lone building without a road
      int places = 0;
      for (auto [x, y] : road)
        places += m->Cells[y][x].Shop != -1;
      EXPECT_GE(places, 2) << m->MissionName << ": road at " << road[0].first << "," << road[0].second;
    }
  }
}

TEST(DemoMapNetworks, ChangeLayersStayOnTheMapAndUseKnownPictures) {
  for (const auto& m : Load()) {
    for (uint8_t layer = 0; layer < 32; ++layer) {
      m->SelectDFLayer(layer);
      for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
          const TDFCell& c = m->DFCells[y][x];
          if (!c.IsChange())
            continue;
          EXPECT_TRUE(m->InMap({x, y})) << m->MissionName << " layer " << int(layer);
          EXPECT_TRUE(c.Terrain >= -1 && c.Terrain < 1335);
          EXPECT_TRUE(c.Obj >= -2 && c.Obj < 1335);
          if (c.Vehicle != 0xFF) {
            EXPECT_LT(c.Vehicle, 64);
            EXPECT_LE(c.VehOwner, 6);
          }
        }
    }
  }
}

}  // namespace
}  // namespace vh::demotest
