#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "graphics/PictureGroups.h"
#include "mission/Mission.h"

// The cells that the painting tools cover: a hexagonal brush, a straight
// line drawn with that brush, and the connected region a fill reaches.

namespace vh {

// How the left button paints: cell by cell along the drag, a straight line
// from press to release, or the connected region of the clicked cell.
enum class TToolMode { Paint, Line, Fill };
struct TPaintTool {
  TToolMode Mode = TToolMode::Paint;
  int BrushRadius = 0;      // 0, 1, 2: a brush of 1, 7 or 19 cells
  bool MatchGroup = false;  // a fill reaches the cells of the clicked picture's palette group
  bool Random = false;      // each painted cell gets a random picture of the chosen one's group
  bool AutoCoasts = false;  // water and coast cells follow the land an edit paints
};

// The undo step a painting edit of `kind` (TPaintKind) makes: "Paint
// Terrain", "Line Objects", "Fill Units"; a block of the palette pastes
// ("Paste Terrain").
std::string PaintStepName(TToolMode mode, int kind, bool paste = false);

// Brush sizes by radius: 1, 7 and 19 cells.
constexpr int MaxBrushRadius = 2;
constexpr int BrushCellCount(int radius) {
  return 1 + 3 * radius * (radius + 1);
}

// The cells at most `radius` steps from `centre` that lie inside
// `gridSize`: the centre first (when inside), then ring by ring outwards.
std::vector<TPoint> BrushCells(TPoint centre, int radius, TPoint gridSize);

// The cells a brush of `radius` covers along `path`, each once, in the order
// the brush first reaches them.
std::vector<TPoint> BrushPathCells(const std::vector<TPoint>& path, int radius, TPoint gridSize);

// The cells connected to `start` through neighbours for which `same` holds,
// inside `gridSize`; `start` first, then nearer cells before farther ones.
// Empty when `start` lies outside the grid.
std::vector<TPoint> FillRegion(TPoint start, TPoint gridSize, const std::function<bool(TPoint)>& same);

// What the layer a stroke paints into shows of `kind` (TPaintKind) at
// `cell`: the current change layer when `filter` shows it, else the base
// map. Terrain and objects are picture numbers (-1 none), units a UnitCode.
int32_t PaintedLayerValue(const TMission& mission, uint16_t filter, TPoint cell, int kind);

// The fill region of `kind` from `start`: cells showing the same value as
// `start` in the painted layer.
std::vector<TPoint> FillRegionOf(const TMission& mission, uint16_t filter, TPoint start, int kind,
                                 TPoint gridSize);

// The fill region by palette group: cells whose terrain or object (`kind`)
// in the painted layer shares a group of `groups` with the one at `start`.
// A value in no group, and every unit, reaches only cells of the same value,
// as FillRegionOf.
std::vector<TPoint> FillRegionOfGroup(const TMission& mission, uint16_t filter, TPoint start, int kind,
                                      TPoint gridSize, const TPictureGroups& groups);

}  // namespace vh
