#include "hexmap/PaintTools.h"

#include <algorithm>

#include "base/Message.h"
#include "hexmap/CellEditing.h"
#include "hexmap/HexGeometry.h"
#include "hexmap/HexLine.h"
#include "hexmap/MissionPicture.h"

namespace vh {

namespace {

size_t Index(TPoint p) {
  return static_cast<size_t>(p.y) * MaxMapSize + static_cast<size_t>(p.x);
}

bool InBounds(TPoint p, TPoint gridSize) {
  // The grid is never larger than the mission's arrays, whatever is asked.
  return IsInGrid(p, {std::min(gridSize.x, MaxMapSize), std::min(gridSize.y, MaxMapSize)});
}

}  // namespace

std::string PaintStepName(TToolMode mode, int kind, bool paste) {
  // Whole names, so that each can be translated as a whole.
  static const char* const names[4][3] = {
      {VH_TRANSLATE_NOOP("History", "Paint Terrain"), VH_TRANSLATE_NOOP("History", "Paint Objects"),
       VH_TRANSLATE_NOOP("History", "Paint Units")},
      {VH_TRANSLATE_NOOP("History", "Line Terrain"), VH_TRANSLATE_NOOP("History", "Line Objects"),
       VH_TRANSLATE_NOOP("History", "Line Units")},
      {VH_TRANSLATE_NOOP("History", "Fill Terrain"), VH_TRANSLATE_NOOP("History", "Fill Objects"),
       VH_TRANSLATE_NOOP("History", "Fill Units")},
      {VH_TRANSLATE_NOOP("History", "Paste Terrain"), VH_TRANSLATE_NOOP("History", "Paste Objects"),
       VH_TRANSLATE_NOOP("History", "Paste Units")},
  };
  const int verb = paste ? 3 : mode == TToolMode::Line ? 1 : mode == TToolMode::Fill ? 2 : 0;
  return kind >= 0 && kind < 3 ? names[verb][kind] : VH_TRANSLATE_NOOP("History", "Paint");
}

std::vector<TPoint> BrushCells(TPoint centre, int radius, TPoint gridSize) {
  radius = std::clamp(radius, 0, MaxBrushRadius);
  std::vector<TPoint> cells;
  // Rings are walked outwards from the centre, so cells of one ring are
  // found from the previous ring's cells; columns shift the neighbours'
  // rows, which a plain offset table would get wrong on odd columns.
  std::vector<TPoint> ring{centre};
  std::vector<TPoint> all{centre};
  for (int r = 1; r <= radius; ++r) {
    std::vector<TPoint> next;
    for (TPoint c : ring)
      for (int d = 0; d < DirectionCount; ++d) {
        const TPoint n = Neighbour(c, d);
        if (HexDistance(centre, n) == r && std::find(next.begin(), next.end(), n) == next.end())
          next.push_back(n);
      }
    all.insert(all.end(), next.begin(), next.end());
    ring = std::move(next);
  }
  for (TPoint c : all)
    if (InBounds(c, gridSize))
      cells.push_back(c);
  return cells;
}

std::vector<TPoint> BrushPathCells(const std::vector<TPoint>& path, int radius, TPoint gridSize) {
  std::vector<TPoint> cells;
  std::vector<bool> seen(MaxMapSize * MaxMapSize, false);
  for (TPoint p : path)
    for (TPoint c : BrushCells(p, radius, gridSize))
      if (!seen[Index(c)]) {
        seen[Index(c)] = true;
        cells.push_back(c);
      }
  return cells;
}

std::vector<TPoint> FillRegion(TPoint start, TPoint gridSize, const std::function<bool(TPoint)>& same) {
  std::vector<TPoint> cells;
  if (!InBounds(start, gridSize))
    return cells;
  std::vector<bool> seen(MaxMapSize * MaxMapSize, false);
  seen[Index(start)] = true;
  cells.push_back(start);
  // The result doubles as the queue of a breadth-first walk.
  for (size_t next = 0; next < cells.size(); ++next)
    for (int d = 0; d < DirectionCount; ++d) {
      const TPoint n = Neighbour(cells[next], d);
      if (InBounds(n, gridSize) && !seen[Index(n)]) {
        seen[Index(n)] = true;
        if (same(n))
          cells.push_back(n);
      }
    }
  return cells;
}

int32_t PaintedLayerValue(const TMission& mission, uint16_t filter, TPoint cell, int kind) {
  if (FilterShows(filter, mfDFLayer)) {
    const TDFCell& d = mission.DFCells[static_cast<size_t>(cell.y)][static_cast<size_t>(cell.x)];
    switch (kind) {
    case pkTerrain:
      return d.Terrain;
    case pkObject:
      return d.Obj;
    default:
      return UnitCode(d);
    }
  }
  const TMissionCell& b = mission.Cell(cell);
  switch (kind) {
  case pkTerrain:
    return b.Terrain;
  case pkObject:
    return b.Obj;
  default:
    return UnitCode(b);
  }
}

std::vector<TPoint> FillRegionOf(const TMission& mission, uint16_t filter, TPoint start, int kind,
                                 TPoint gridSize) {
  if (!InBounds(start, gridSize))
    return {};
  const int32_t value = PaintedLayerValue(mission, filter, start, kind);
  return FillRegion(start, gridSize,
                    [&](TPoint c) { return PaintedLayerValue(mission, filter, c, kind) == value; });
}

std::vector<TPoint> FillRegionOfGroup(const TMission& mission, uint16_t filter, TPoint start, int kind,
                                      TPoint gridSize, const TPictureGroups& groups) {
  if (!InBounds(start, gridSize))
    return {};
  const int32_t value = PaintedLayerValue(mission, filter, start, kind);
  if (kind == pkUnit || groups.GroupOf(static_cast<int16_t>(value)) < 0)
    return FillRegionOf(mission, filter, start, kind, gridSize);
  return FillRegion(start, gridSize, [&](TPoint c) {
    return groups.ShareGroup(static_cast<int16_t>(value),
                             static_cast<int16_t>(PaintedLayerValue(mission, filter, c, kind)));
  });
}

}  // namespace vh
