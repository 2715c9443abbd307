#include "demo/MapBuilder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>
#include <stdexcept>

#include "demo/Canvas.h"
#include "demo/PartCatalog.h"
#include "demo/Preview.h"

namespace vh::demo {
namespace {

// Unit type 0 of the demo game, the foot soldiers that hold AI points.
constexpr int kGarrisonUnit = 0;

bool Between(int v, int first, int count) {
  return v >= first && v < first + count;
}

// Bridges by (road axis, river axis); an axis is named by its lower side.
int BridgeFor(int roadAxis, int riverAxis) {
  static const int bridges[3][3] = {{-1, part::BridgeRoad03River14, part::BridgeRoad03River25},
                                    {part::BridgeRoad14River03, -1, part::BridgeRoad14River25},
                                    {part::BridgeRoad25River03, part::BridgeRoad25River14, -1}};
  return bridges[roadAxis][riverAxis];
}

// The axis a two-sided mask runs along, or -1 when it is no straight line.
int AxisOf(unsigned sides) {
  for (int a = 0; a < 3; ++a)
    if (sides == ((1u << a) | (1u << (a + 3))))
      return a;
  return -1;
}

int DirTo(int x, int y, int tx, int ty) {
  for (int d = 0; d < 6; ++d) {
    int nx = 0, ny = 0;
    Neighbour(x, y, d, nx, ny);
    if (nx == tx && ny == ty)
      return d;
  }
  return -1;
}

}  // namespace

MapBuilder::MapBuilder(TMission& m, int width, int height, uint32_t seed)
    : m_(m), w_(width), h_(height), seed_(seed), height_(static_cast<size_t>(width) * height, 0.0),
      land_(height_.size(), true), coast_(height_.size(), 0), riverDirs_(height_.size(), 0),
      roadDirs_(height_.size(), 0), railDirs_(height_.size(), 0) {
  m_.SetSize({width, height});
}

void MapBuilder::Heights(const std::function<double(double, double)>& shape, double roughness) {
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      double py = y + ((x & 1) ? 0.5 : 0.0);  // odd columns sit half a cell lower
      double n = 0.5 * ValueNoise(x, py, 9, seed_) + 0.3 * ValueNoise(x, py, 4.5, seed_ + 1) +
                 0.2 * ValueNoise(x, py, 2.2, seed_ + 2);
      height_[Index(x, y)] =
          shape(x / static_cast<double>(w_ - 1), py / static_cast<double>(h_ - 1)) + roughness * (n - 0.5);
    }
}

void MapBuilder::Sea(double seaLevel) {
  for (size_t i = 0; i < height_.size(); ++i)
    land_[i] = height_[i] >= seaLevel;
}

unsigned MapBuilder::LandMask(int x, int y) const {
  unsigned mask = 0;
  for (int d = 0; d < 6; ++d) {
    int nx = 0, ny = 0;
    Neighbour(x, y, d, nx, ny);
    if (IsLand(nx, ny))
      mask |= 1u << d;
  }
  return mask;
}

void MapBuilder::BuildCoasts(bool dark) {
  // Shores the pictures cannot show are washed away until every water cell
  // has a land pattern that some coast picture shows.
  for (bool changed = true; changed;) {
    changed = false;
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x)
        if (IsWater(x, y) && !IsCoastMask(LandMask(x, y)))
          for (int d = 0; d < 6; ++d) {
            int nx = 0, ny = 0;
            Neighbour(x, y, d, nx, ny);
            if (IsLand(nx, ny)) {
              land_[Index(nx, ny)] = false;
              changed = true;
            }
          }
  }
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x)
      coast_[Index(x, y)] = IsWater(x, y) ? static_cast<uint8_t>(CoastTileOfMask(LandMask(x, y))) : 0;
  auto tileAt = [&](int x, int y, int d) {
    int nx = 0, ny = 0;
    Neighbour(x, y, d, nx, ny);
    return IsWater(nx, ny) ? coast_[Index(nx, ny)] : 0;
  };
  auto in = [](int t, std::initializer_list<int> set) {
    return std::find(set.begin(), set.end(), t) != set.end();
  };
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      if (!IsWater(x, y) || coast_[Index(x, y)] != 0)
        continue;
      int a = tileAt(x, y, 5), b = tileAt(x, y, 4), c = tileAt(x, y, 2), d = tileAt(x, y, 1);
      if (in(a, {5, 6, 8}) && in(b, {1, 3, 8}))
        coast_[Index(x, y)] = 12;
      if (in(d, {4, 6, 9}) && in(c, {1, 2, 9}))
        coast_[Index(x, y)] = 11;
    }

  // Open water deepens with the distance from land.
  std::vector<int> dist(height_.size(), std::numeric_limits<int>::max());
  std::queue<std::pair<int, int>> q;
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x)
      if (IsLand(x, y)) {
        dist[Index(x, y)] = 0;
        q.push({x, y});
      }
  while (!q.empty()) {
    auto [x, y] = q.front();
    q.pop();
    for (int d = 0; d < 6; ++d) {
      int nx = 0, ny = 0;
      Neighbour(x, y, d, nx, ny);
      if (Inside(nx, ny) && dist[Index(nx, ny)] > dist[Index(x, y)] + 1) {
        dist[Index(nx, ny)] = dist[Index(x, y)] + 1;
        q.push({nx, ny});
      }
    }
  }
  const auto& water = dark ? part::DarkWater : part::LightWater;
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      if (IsLand(x, y))
        continue;
      int t = coast_[Index(x, y)];
      int depth = dist[Index(x, y)] <= 2 ? 0 : dist[Index(x, y)] <= 4 ? 1 : 2;
      int pic = water[depth];
      if (t >= 1 && t <= 12)
        pic = dark ? (t <= 10 ? part::DarkCoast[t - 1] : part::DarkWater[0]) : part::LightCoast[t - 1];
      Terrain(x, y, pic);
    }
}

void MapBuilder::PaintLand(const std::function<int(int x, int y, double h)>& pick) {
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x)
      if (IsLand(x, y))
        Terrain(x, y, pick(x, y, Height(x, y)));
}

std::vector<std::pair<int, int>> MapBuilder::River(int x, int y, int maxLength) {
  // Down the valleys to the sea (or into another river): the cheapest path
  // where every step costs more the higher it lies.
  auto cells = PathTo(
      x, y, [&](int cx, int cy) { return IsWater(cx, cy) || (LineKindsOf(Obj(cx, cy)) & 2u); },
      [&](int cx, int cy) -> double {
        if (m_.Cells[cy][cx].Shop != -1 || IsLineJoin(Obj(cx, cy)))
          return -1;
        return 0.3 + 12 * std::max(0.0, Height(cx, cy));
      });
  if (static_cast<int>(cells.size()) > maxLength)
    cells.resize(static_cast<size_t>(maxLength));
  for (size_t i = 0; i < cells.size(); ++i) {
    auto [cx, cy] = cells[i];
    if (i > 0)
      riverDirs_[Index(cx, cy)] |= 1u << DirTo(cx, cy, cells[i - 1].first, cells[i - 1].second);
    if (i + 1 < cells.size())
      riverDirs_[Index(cx, cy)] |= 1u << DirTo(cx, cy, cells[i + 1].first, cells[i + 1].second);
    if (!(LineKindsOf(Obj(cx, cy)) & 2u))
      Object(cx, cy, part::River);
  }
  return cells;
}

std::vector<std::pair<int, int>> MapBuilder::Path(int x0, int y0, int x1, int y1,
                                                  const std::function<double(int, int)>& cost) const {
  return PathTo(
      x0, y0, [&](int x, int y) { return x == x1 && y == y1; },
      [&](int x, int y) { return (x == x1 && y == y1) ? 1.0 : cost(x, y); });
}

std::vector<std::pair<int, int>> MapBuilder::PathTo(int x0, int y0,
                                                    const std::function<bool(int, int)>& target,
                                                    const std::function<double(int, int)>& cost) const {
  std::vector<double> best(height_.size(), std::numeric_limits<double>::max());
  std::vector<int> from(height_.size(), -1);
  using Item = std::pair<double, int>;
  std::priority_queue<Item, std::vector<Item>, std::greater<>> open;
  int reached = -1;
  best[Index(x0, y0)] = 0;
  open.push({0, static_cast<int>(Index(x0, y0))});
  while (!open.empty()) {
    auto [c, i] = open.top();
    open.pop();
    if (c > best[i])
      continue;
    int x = i % w_, y = i / w_;
    if ((x != x0 || y != y0) && target(x, y)) {
      reached = i;
      break;
    }
    for (int d = 0; d < 6; ++d) {
      int nx = 0, ny = 0;
      Neighbour(x, y, d, nx, ny);
      if (!Inside(nx, ny))
        continue;
      double step = target(nx, ny) ? std::max(cost(nx, ny), 1.0) : cost(nx, ny);
      if (step < 0)
        continue;
      size_t n = Index(nx, ny);
      if (c + step < best[n]) {
        best[n] = c + step;
        from[n] = i;
        open.push({c + step, static_cast<int>(n)});
      }
    }
  }
  std::vector<std::pair<int, int>> path;
  if (reached < 0)
    return path;
  for (int i = reached; i != -1; i = from[i])
    path.push_back({i % w_, i / w_});
  std::reverse(path.begin(), path.end());
  return path;
}

namespace {
double TerrainCost(int terrain) {
  if (Between(terrain, part::Mountains, part::MountainsCount) || terrain == part::DarkLand[6] ||
      terrain == part::DarkLand[7])
    return 9;
  if (Between(terrain, part::Forest, part::ForestCount) || Between(terrain, part::Swamp, part::SwampCount) ||
      Between(terrain, part::Hills, part::HillsCount))
    return 2.5;
  return 1;
}
}  // namespace

void MapBuilder::Road(int x0, int y0, int x1, int y1) {
  auto path = Path(x0, y0, x1, y1, [&](int x, int y) -> double {
    int o = Obj(x, y);
    if (IsWater(x, y) || m_.Cells[y][x].Shop != -1 || (o >= 0 && LineKindsOf(o) == 0 && !IsLineJoin(o)))
      return -1;
    if (IsLineJoin(o))
      return -1;  // other buildings and bridges are no thoroughfare
    if (LineKindsOf(o) & 1u)
      return 0.35;  // follow existing roads
    double c = TerrainCost(m_.Cells[y][x].Terrain);
    if (LineKindsOf(o) & 2u)
      c += (AxisOf(riverDirs_[Index(x, y)]) >= 0) ? 5 : 40;  // cross rivers where they run straight
    if (LineKindsOf(o) & 4u)
      c += 4;
    if (LineKindsOf(o) & 8u)
      c += 6;
    return c;
  });
  for (size_t i = 0; i < path.size(); ++i) {
    auto [x, y] = path[i];
    unsigned sides = 0;
    if (i > 0)
      sides |= 1u << DirTo(x, y, path[i - 1].first, path[i - 1].second);
    if (i + 1 < path.size())
      sides |= 1u << DirTo(x, y, path[i + 1].first, path[i + 1].second);
    roadDirs_[Index(x, y)] |= sides;
    int o = Obj(x, y);
    unsigned kinds = LineKindsOf(o);
    if (IsLineJoin(o) || (kinds & 1u))
      continue;
    if (o == -1) {
      Object(x, y, part::Road);
      continue;
    }
    if (kinds == 2u) {  // river: a bridge where both run straight, else a ford-like junction
      int a = AxisOf(roadDirs_[Index(x, y)]), b = AxisOf(riverDirs_[Index(x, y)]);
      int bridge = (a >= 0 && b >= 0 && a != b) ? BridgeFor(a, b) : -1;
      Object(x, y, bridge >= 0 ? bridge : 1264);
    } else if (kinds == 4u) {
      Object(x, y, 1266);
    } else if (kinds == 8u) {
      Object(x, y, 1265);
    } else if (kinds == (2u | 4u)) {
      Object(x, y, 1271);
    }
  }
}

void MapBuilder::Rail(int x0, int y0, int x1, int y1) {
  auto path = Path(x0, y0, x1, y1, [&](int x, int y) -> double {
    int o = Obj(x, y);
    if (IsWater(x, y) || m_.Cells[y][x].Shop != -1 || IsLineJoin(o) || (o >= 0 && LineKindsOf(o) == 0))
      return -1;
    if (LineKindsOf(o) & 4u)
      return 0.5;
    double c = TerrainCost(m_.Cells[y][x].Terrain) * 1.5;
    if (LineKindsOf(o) & 2u)
      c += 6;
    if (LineKindsOf(o) & 1u)
      c += 3;
    return c;
  });
  for (auto [x, y] : path) {
    int o = Obj(x, y);
    unsigned kinds = LineKindsOf(o);
    if (kinds & 4u)
      continue;
    if (o == -1)
      Object(x, y, part::Rail);
    else if (kinds == 1u)
      Object(x, y, 1266);
    else if (kinds == 2u)
      Object(x, y, 1268);
    else if (kinds == 3u)
      Object(x, y, 1271);
  }
}

void MapBuilder::Wall(const std::vector<std::pair<int, int>>& cells) {
  for (auto [x, y] : cells) {
    if (!IsLand(x, y) || m_.Cells[y][x].Shop != -1)
      continue;
    int o = Obj(x, y);
    unsigned kinds = LineKindsOf(o);
    if (o == -1)
      Object(x, y, part::Wall);
    else if (kinds == 1u)
      Object(x, y, 1265);  // a gate where the road passes
    else if (kinds == 2u)
      Object(x, y, 1267);
  }
}

void MapBuilder::PruneRoadCorners() {
  auto joinsRoad = [&](int x, int y) {
    return Inside(x, y) && ((LineKindsOf(Obj(x, y)) & 1u) || IsLineJoin(Obj(x, y)));
  };
  for (bool changed = true; changed;) {
    changed = false;
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x) {
        if (Obj(x, y) != part::Road)
          continue;
        std::vector<int> dirs;
        for (int d = 0; d < 6; ++d) {
          int nx = 0, ny = 0;
          Neighbour(x, y, d, nx, ny);
          if (joinsRoad(nx, ny))
            dirs.push_back(d);
        }
        // Two neighbours in adjacent directions are neighbours of each other.
        if (dirs.size() == 2 && (dirs[1] - dirs[0] == 1 || dirs[1] - dirs[0] == 5)) {
          Object(x, y, -1);
          changed = true;
        }
      }
  }
}

int MapBuilder::Shop(int x, int y, uint8_t type, uint8_t owner, const std::string& name, int building) {
  int idx = m_.NewShop({x, y});
  TArrShop& s = *m_.GetShop(static_cast<int16_t>(idx));
  s.ShopType = type;
  s.Owner = owner;
  s.Name = name.substr(0, 16);
  uint32_t h = Hash(seed_, static_cast<uint32_t>(idx), 5);
  s.Energy = static_cast<int16_t>(100 + h % 400);
  s.Material = static_cast<int16_t>(80 + (h >> 9) % 300);
  s.EP = static_cast<uint8_t>(type == stTown ? 5 : 10 + (h >> 3) % 20);
  s.MP = static_cast<uint8_t>(type == stTown ? 5 : 5 + (h >> 5) % 15);
  s.Priority = static_cast<int16_t>(type == stHQ ? 1000 : 100 + (h >> 11) % 500);
  Object(x, y, building);
  return idx;
}

void MapBuilder::Unit(int x, int y, int type, uint8_t owner, std::initializer_list<int16_t> cargo) {
  TMissionCell& c = m_.Cells[y][x];
  c.Vehicle = static_cast<uint8_t>(type);
  c.VehOwner = owner;
  if (cargo.size() > 0) {
    int idx = m_.NewVehContent({x, y});
    TVehContentRec& r = *m_.GetVehContent(static_cast<int16_t>(idx));
    size_t i = 0;
    for (int16_t u : cargo)
      if (i < r.Units.size())
        r.Units[i++] = u;
  }
}

void MapBuilder::AIPoint(int x, int y, uint16_t a0A, uint16_t a48, uint16_t a4A, uint16_t a4E, bool flag) {
  // An AI point belongs to the unit on its cell; a place without one gets a
  // garrison of the side that holds the shop there, or of the neutral side.
  TMissionCell& c = m_.Cells[y][x];
  if (c.Vehicle == NoUnit) {
    const TArrShop* shop = m_.GetShop(c.Shop);
    Unit(x, y, kGarrisonUnit, shop ? shop->Owner : NeutralSide);
  }
  int idx = m_.NewAIPoint({x, y});
  TAIPointRec& r = *m_.GetAIPoint(static_cast<int16_t>(idx));
  r.AI0A = a0A;
  r.AI48 = a48;
  r.AI4A = a4A;
  r.AI4E = a4E;
  r.AI1231 = flag ? 1 : 0;
}

namespace {
// Cells by growing distance from (x, y), measured on the staggered grid.
template <class F> std::pair<int, int> Nearest(int w, int h, int x, int y, F&& ok) {
  double best = std::numeric_limits<double>::max();
  std::pair<int, int> found{-1, -1};
  for (int cy = 0; cy < h; ++cy)
    for (int cx = 0; cx < w; ++cx) {
      double dy = (cy + ((cx & 1) ? 0.5 : 0)) - (y + ((x & 1) ? 0.5 : 0));
      double d = (cx - x) * (cx - x) * 0.75 + dy * dy;
      if (d < best && ok(cx, cy)) {
        best = d;
        found = {cx, cy};
      }
    }
  if (found.first < 0)
    throw std::logic_error("no free cell for the sample map");
  return found;
}
}  // namespace

std::pair<int, int> MapBuilder::FreeSite(int x, int y, bool shore) const {
  return Nearest(w_, h_, x, y, [&](int cx, int cy) {
    if (!IsLand(cx, cy) || Obj(cx, cy) != -1 || TerrainCost(m_.Cells[cy][cx].Terrain) > 3)
      return false;
    bool water = false;
    for (int d = 0; d < 6; ++d) {
      int nx = 0, ny = 0;
      Neighbour(cx, cy, d, nx, ny);
      if (!Inside(nx, ny))
        return false;
      int o = Obj(nx, ny);
      if ((LineKindsOf(o) & (2u | 8u)) || IsLineJoin(o))
        return false;
      water = water || IsWater(nx, ny);
    }
    return shore == water;
  });
}

std::pair<int, int> MapBuilder::FreeWater(int x, int y) const {
  return Nearest(w_, h_, x, y, [&](int cx, int cy) {
    return IsWater(cx, cy) && m_.Cells[cy][cx].Vehicle == NoUnit && Obj(cx, cy) == -1;
  });
}

std::pair<int, int> MapBuilder::FreeGround(int x, int y) const {
  return Nearest(w_, h_, x, y, [&](int cx, int cy) {
    return IsLand(cx, cy) && m_.Cells[cy][cx].Vehicle == NoUnit && m_.Cells[cy][cx].Shop == -1 &&
           TerrainCost(m_.Cells[cy][cx].Terrain) < 9 && !(LineKindsOf(Obj(cx, cy)) & 2u);
  });
}

}  // namespace vh::demo
