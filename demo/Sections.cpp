// The contact sheet: every library drawn the way the editor shows it.
#include <algorithm>

#include "demo/Art.h"
#include "demo/Missions.h"
#include "demo/PartCatalog.h"
#include "demo/Preview.h"

namespace vh::demo {
namespace {

constexpr int PageW = 16 * 12 + 8, PageH = 24 * 6 + 12, Gap = 10;

// One palette page as the editor lays it out, down to its last used row;
// empty cells in the empty-cell fill.
Sheet Page(const std::array<int16_t, 72>& cells, const PictureSets& sets) {
  int rows = 1;
  for (int i = 0; i < 72; ++i)
    if (cells[i] >= 0)
      rows = std::max(rows, i / 12 + 1);
  Sheet s(PageW, 24 * rows + 12, pal::UiGrey + 4);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < 12; ++x) {
      int16_t n = cells[y * 12 + x];
      s.PutHex(CellX(x), CellY(x, y), n >= 0 && n < PartCount ? sets.Parts[n] : sets.Background);
    }
  return s;
}

Sheet Tile(const std::vector<Sheet>& blocks, int perRow) {
  if (blocks.empty())
    return Sheet(1, 1, pal::UiGrey + 2);
  int bw = 0, bh = 0;
  for (const Sheet& b : blocks)
    bw = std::max(bw, b.W), bh = std::max(bh, b.H);
  int rows = (static_cast<int>(blocks.size()) + perRow - 1) / perRow;
  Sheet s(perRow * (bw + Gap) + Gap, rows * (bh + Gap) + Gap, pal::UiGrey + 2);
  for (size_t i = 0; i < blocks.size(); ++i)
    s.Put(Gap + static_cast<int>(i % perRow) * (bw + Gap), Gap + static_cast<int>(i / perRow) * (bh + Gap),
          blocks[i]);
  return s;
}

Sheet Stack(const std::vector<Sheet>& parts) {
  int w = 0, h = 0;
  for (const Sheet& p : parts)
    w = std::max(w, p.W), h += p.H;
  Sheet s(w, h, pal::UiGrey + 2);
  int y = 0;
  for (const Sheet& p : parts) {
    s.Put(0, y, p);
    y += p.H;
  }
  return s;
}

Sheet Groups(const std::vector<SelectionGroup>& groups, const PictureSets& sets) {
  std::vector<Sheet> pages;
  for (const SelectionGroup& g : groups)
    if (g.Icon >= 0)
      pages.push_back(Page(g.Cells, sets));
  return Tile(pages, 4);
}

Sheet Units(const PictureSets& sets) {
  std::vector<Sheet> blocks;
  // As the palette shows them: copied over the transparent key colour.
  Sheet palettePage(PageW, PageH, pal::UiGrey + 4);
  for (int i = 0; i < DemoUnitTypes; ++i)
    palettePage.PutHex(CellX(i % 12), CellY(i % 12, i / 12), sets.Units[i]);
  blocks.push_back(palettePage);
  // Every owner's colours, on grass and on water.
  for (int owner = 0; owner < 8; ++owner) {
    Sheet s(16 * 16 + 8, 24 * 4 + 12, pal::UiGrey + 4);
    for (int i = 0; i < DemoUnitTypes; ++i) {
      Canvas cell(sets.Parts[i >= 44 && i <= 54 ? part::LightWater[1] : part::LightLand[owner % 5]]);
      Picture unit = sets.Units[i];
      RecolourForOwner(unit, owner);
      cell.Overlay(unit);
      s.PutHex(CellX(i % 16), CellY(i % 16, i / 16), cell.Pixels());
    }
    blocks.push_back(s);
  }
  return Tile(blocks, 3);
}

// A test landscape for one line kind: a loop, branches and crossings, so
// every join shows.
Sheet Lines(const PictureSets& sets) {
  std::vector<Sheet> blocks;
  for (int k = 0; k < LineKindCount; ++k) {
    Sheet all(16 * 8 + 8, 24 * 8 + 12, pal::UiGrey + 4);
    for (unsigned m = 0; m < 64; ++m) {
      Canvas cell(sets.Parts[k == 1 ? part::LightLand[0] : part::LightLand[3]]);
      cell.Overlay(sets.Layers[k][m]);
      all.PutHex(CellX(m % 8), CellY(m % 8, m / 8), cell.Pixels());
    }
    blocks.push_back(all);
  }
  TMission net;
  net.SetSize({14, 9});
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 14; ++x)
      net.Cells[y][x].Terrain = static_cast<int16_t>(part::LightLand[(x * 7 + y * 3) % 5]);
  auto obj = [&](int x, int y, int o) { net.Cells[y][x].Obj = static_cast<int16_t>(o); };
  for (int x = 1; x < 13; ++x)
    obj(x, 1, part::Road);
  for (int y = 1; y < 8; ++y)
    obj(1, y, part::Road);
  for (int y = 1; y < 8; ++y)
    obj(12, y, part::Rail);
  for (int x = 1; x < 13; ++x)
    obj(x, 7, part::Wall);
  for (int y = 0; y < 9; ++y)
    obj(6, y, part::River);
  obj(6, 1, part::BridgeRoad14River03);
  obj(6, 7, 1267);
  obj(12, 1, 1266);
  obj(12, 7, 1269);
  obj(1, 7, 1265);
  obj(3, 4, part::TownA);
  for (int x = 2; x < 6; ++x)
    obj(x, 3 + (x % 2), part::Road);
  obj(8, 4, part::Rail);
  obj(9, 4, part::Rail);
  obj(10, 4, part::Rail);
  obj(11, 4, part::Rail);
  obj(7, 4, 1268);
  blocks.push_back(RenderMissionMap(net, sets));
  return Tile(blocks, 3);
}

Sheet Tools(const PictureSets& sets) {
  Sheet s(16 * 16 + 8, 24 * 3 + 12, pal::UiGrey + 4);
  for (int i = 0; i < ToolPartCount; ++i) {
    Canvas cell(sets.Parts[part::LightLand[0]]);
    Canvas tool(ToolPicture(i));
    tool.Replace(pal::ToolOutside, pal::Outside);
    cell.Overlay(tool.Pixels());
    s.PutHex(CellX(i), CellY(i, 0), cell.Pixels());
  }
  for (int i = 0; i < CursorCount; ++i) {
    Canvas cell(sets.Parts[part::LightLand[0]]);
    cell.Overlay(CursorPicture(i));
    s.PutHex(CellX(i), CellY(i, 1), cell.Pixels());
  }
  // The grid as the editor composes it from the three lower sides.
  Canvas grid(0);
  for (int p : {9, 10, 11})
    grid.Overlay(ToolPicture(p));
  grid.Replace(pal::Outside, pal::GridLine);
  Sheet g(16 * 8 + 8, 24 * 4 + 12, pal::UiGrey + 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) {
      Canvas cell(sets.Parts[(x + y) % 2 ? part::LightLand[1] : part::Forest]);
      cell.Overlay(grid.Pixels());
      g.PutHex(CellX(x), CellY(x, y), cell.Pixels());
    }
  return Tile({s, g}, 1);
}

Sheet MissionMaps(const PictureSets& sets) {
  std::vector<Sheet> maps;
  for (const SampleMission& sm : BuildSampleMissions())
    maps.push_back(RenderMissionMap(*sm.Mission, sets));
  return Tile(maps, 3);
}

}  // namespace

Sheet RenderSection(const std::string& name) {
  PictureSets sets = PictureSets::Build();
  if (name == "terrain")
    return Groups(TerrainGroups(), sets);
  if (name == "objects")
    return Groups(ObjectGroups(), sets);
  if (name == "units")
    return Units(sets);
  if (name == "lines")
    return Lines(sets);
  if (name == "tools")
    return Tools(sets);
  if (name == "missions")
    return MissionMaps(sets);
  return Stack({Groups(TerrainGroups(), sets), Groups(ObjectGroups(), sets), Units(sets), Lines(sets),
                Tools(sets), MissionMaps(sets)});
}

}  // namespace vh::demo
