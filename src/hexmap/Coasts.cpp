#include "hexmap/Coasts.h"

#include <algorithm>
#include <array>
#include <memory>

#include "hexmap/MissionPicture.h"
#include "mission/HexGrid.h"
#include "mission/TerrainSets.h"

namespace vh {

namespace {

constexpr size_t GridCells = MaxMapSize * MaxMapSize;

size_t Index(TPoint p) {
  return static_cast<size_t>(p.y) * MaxMapSize + static_cast<size_t>(p.x);
}

TPoint MapSize(const TMission& m) {
  return {std::clamp(m.Width, 0, MaxMapSize), std::clamp(m.Height, 0, MaxMapSize)};
}

// The terrain the shown layer shows on every cell of the map, what it is to
// the coast rules, and the coast tile each cell shows (0 for none).
struct TSeaView {
  TPoint Size;
  std::array<int16_t, GridCells> Terrain{};
  std::array<TTerrainKind, GridCells> Kind{};
  std::array<uint8_t, GridCells> Tile{};

  TSeaView(const TMission& m, bool change) : Size(MapSize(m)) {
    for (int32_t y = 0; y < Size.y; ++y)
      for (int32_t x = 0; x < Size.x; ++x) {
        const size_t i = Index({x, y});
        int16_t t = m.Cells[y][x].Terrain;
        if (change && m.DFCells[y][x].Terrain != -1)
          t = m.DFCells[y][x].Terrain;
        Terrain[i] = t;
        Kind[i] = TerrainKindOf(t);
        Tile[i] = Kind[i].Role == TTerrainRole::Coast ? Kind[i].Number : 0;
      }
  }
  bool IsLand(TPoint p) const { return Kind[Index(p)].Role == TTerrainRole::Land; }
  uint8_t TileAt(TPoint cell, int direction) const {
    const TPoint n = Neighbour(cell, direction);
    return IsInGrid(n, Size) ? Tile[Index(n)] : 0;
  }
};

void WriteTerrain(TMission& m, bool change, TPoint cell, int16_t picture) {
  if (!change) {
    m.Cells[cell.y][cell.x].Terrain = picture;
    return;
  }
  TDFCell& d = m.DFCells[cell.y][cell.x];
  // A changed cell must state its object; the one already there is the one
  // the designer expects to keep.
  if (!d.IsChange())
    d.Obj = m.Cells[cell.y][cell.x].Obj;
  d.Terrain = picture;
}

// `targets` lists cells of the map, each once, row by row.
TCoastEdit DeriveCoasts(TMission& m, uint16_t filter, const std::vector<TPoint>& targets) {
  const TShownLayer layer = ShownLayer(filter);
  if (layer == TShownLayer::None)
    return {};
  const bool change = layer == TShownLayer::Change;
  auto view = std::make_unique<TSeaView>(m, change);
  TSeaView& v = *view;

  // Coast tiles first, for all targets: the corner rule looks at the tiles
  // around it as they will be.
  std::array<int16_t, GridCells> picture = v.Terrain;
  std::vector<TPoint> open;
  TCoastEdit edit;
  for (TPoint c : targets) {
    const size_t i = Index(c);
    const TTerrainKind k = v.Kind[i];
    if (!IsSea(k))
      continue;
    const TTerrainSet& set = TerrainSets[k.Set];
    const uint8_t mask = LandMaskAround(c, v.Size, [&](TPoint n) { return v.IsLand(n); });
    if (const uint8_t tile = CoastTileOfMask(mask); tile != 0) {
      picture[i] = set.CoastParts[tile - 1u];
      v.Tile[i] = tile;
    } else if (mask != 0) {
      edit.NoPicture.push_back(c);
    } else {
      if (k.Role == TTerrainRole::Coast)
        picture[i] = set.WaterParts[0];
      v.Tile[i] = 0;
      open.push_back(c);
    }
  }
  for (TPoint c : open) {
    const uint8_t corner = CornerTileOf(v.TileAt(c, dirUpperLeft), v.TileAt(c, dirLowerLeft),
                                        v.TileAt(c, dirLowerRight), v.TileAt(c, dirUpperRight));
    if (corner != 0)
      picture[Index(c)] = TerrainSets[v.Kind[Index(c)].Set].CoastParts[corner - 1u];
  }

  for (TPoint c : targets)
    if (picture[Index(c)] != v.Terrain[Index(c)]) {
      WriteTerrain(m, change, c, picture[Index(c)]);
      edit.Cells.push_back(c);
    }
  if (!edit.Cells.empty())
    m.NoteChange();
  return edit;
}

}  // namespace

TCoastEdit UpdateCoasts(TMission& mission, uint16_t filter, std::span<const TPoint> touched) {
  // The touched cells grown by a ring at a time: a whole-map fill touches
  // every cell, and each is looked at a few times only.
  const TPoint grid{MaxMapSize, MaxMapSize};
  std::vector<bool> reached(GridCells, false);
  std::vector<TPoint> ring;
  for (TPoint t : touched)
    if (IsInGrid(t, grid) && !reached[Index(t)]) {
      reached[Index(t)] = true;
      ring.push_back(t);
    }
  for (int step = 0; step < CoastReach; ++step) {
    std::vector<TPoint> next;
    for (TPoint c : ring)
      for (int d = 0; d < DirectionCount; ++d) {
        const TPoint n = Neighbour(c, d);
        if (IsInGrid(n, grid) && !reached[Index(n)]) {
          reached[Index(n)] = true;
          next.push_back(n);
        }
      }
    ring = std::move(next);
  }
  const TPoint size = MapSize(mission);
  std::vector<TPoint> targets;
  for (int32_t y = 0; y < size.y; ++y)
    for (int32_t x = 0; x < size.x; ++x)
      if (reached[Index({x, y})])
        targets.push_back({x, y});
  return DeriveCoasts(mission, filter, targets);
}

TCoastEdit RebuildCoasts(TMission& mission, uint16_t filter) {
  const TPoint size = MapSize(mission);
  std::vector<TPoint> all;
  all.reserve(static_cast<size_t>(size.x * size.y));
  for (int32_t y = 0; y < size.y; ++y)
    for (int32_t x = 0; x < size.x; ++x)
      all.push_back({x, y});
  return DeriveCoasts(mission, filter, all);
}

}  // namespace vh
