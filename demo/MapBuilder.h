#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "mission/Mission.h"

namespace vh::demo {

// Builds the landscape of a sample mission: heights, sea with coasts as the
// editor's map generator would shape them, land terrains, rivers running
// downhill, roads and railways found as cheapest paths, and the shops, units
// and AI points on top.
class MapBuilder {
public:
  MapBuilder(TMission& m, int width, int height, uint32_t seed);

  int W() const { return w_; }
  int H() const { return h_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  double Height(int x, int y) const { return height_[Index(x, y)]; }
  bool IsLand(int x, int y) const { return Inside(x, y) && land_[Index(x, y)]; }
  bool IsWater(int x, int y) const { return Inside(x, y) && !land_[Index(x, y)]; }
  int Obj(int x, int y) const { return m_.Cells[y][x].Obj; }

  // Heights from noise, bent by `shape` (x, y in 0..1), then the sea below `seaLevel`.
  void Heights(const std::function<double(double, double)>& shape, double roughness = 0.35);
  void Sea(double seaLevel);
  // Erodes shores the coast pictures cannot show, then writes water, coast
  // and corner pictures of the light set into every water cell.
  void BuildCoasts(bool dark = false);
  // Chooses the terrain picture of every land cell.
  void PaintLand(const std::function<int(int x, int y, double h)>& pick);

  // A river from (x, y) downhill to the sea; returns its cells.
  std::vector<std::pair<int, int>> River(int x, int y, int maxLength = 200);
  // A road between two cells along the cheapest land path; crossings with
  // rivers become bridges, with railways junctions.
  void Road(int x0, int y0, int x1, int y1);
  void Rail(int x0, int y0, int x1, int y1);
  void Wall(const std::vector<std::pair<int, int>>& cells);
  // Roads found one by one can run side by side for a cell and close a small
  // triangle; a plain road cell whose only two road neighbours touch each
  // other is such a corner and goes.
  void PruneRoadCorners();

  // A shop with its building; returns the shop's slot index.
  int Shop(int x, int y, uint8_t type, uint8_t owner, const std::string& name, int building);
  void Unit(int x, int y, int type, uint8_t owner, std::initializer_list<int16_t> cargo = {});
  void AIPoint(int x, int y, uint16_t a0A, uint16_t a48, uint16_t a4A, uint16_t a4E, bool flag);
  void Object(int x, int y, int part) { m_.Cells[y][x].Obj = static_cast<int16_t>(part); }
  void Terrain(int x, int y, int part) { m_.Cells[y][x].Terrain = static_cast<int16_t>(part); }

  // The land cell nearest to (x, y) that is free for a building: no object,
  // not beside a river or wall (those would join it), not on the shore unless
  // `shore` asks for a cell with water beside it.
  std::pair<int, int> FreeSite(int x, int y, bool shore = false) const;
  // The nearest water cell to (x, y) with no unit on it.
  std::pair<int, int> FreeWater(int x, int y) const;
  // The nearest free land cell without a unit.
  std::pair<int, int> FreeGround(int x, int y) const;

  uint32_t Seed() const { return seed_; }

private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * w_ + x; }
  unsigned LandMask(int x, int y) const;
  std::vector<std::pair<int, int>> Path(int x0, int y0, int x1, int y1,
                                        const std::function<double(int, int)>& cost) const;
  // Cheapest path from (x0, y0) to the first cell `target` accepts.
  std::vector<std::pair<int, int>> PathTo(int x0, int y0, const std::function<bool(int, int)>& target,
                                          const std::function<double(int, int)>& cost) const;

  TMission& m_;
  int w_, h_;
  uint32_t seed_;
  std::vector<double> height_;
  std::vector<bool> land_;
  std::vector<uint8_t> coast_;                             // coast tile per water cell, 0 for open water
  std::vector<unsigned> riverDirs_, roadDirs_, railDirs_;  // sides used by each path through a cell
};

}  // namespace vh::demo
