#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "mission/Mission.h"

// Coasts that follow the land while it is painted: the water and coast cells
// around an edit get their pictures again from the land beside them, by the
// rules Transfer uses (mission/TerrainSets.h), but without its erosion:
// painted land is never taken away.

namespace vh {

// How far an edit reaches: a touched cell changes its neighbours' land masks,
// and their coast tiles decide the corner tiles one cell further.
constexpr int CoastReach = 2;

struct TCoastEdit {
  std::vector<TPoint> Cells;      // cells whose terrain changed, row by row
  std::vector<TPoint> NoPicture;  // water or coast cells kept as they were: no coast picture fits their land
  bool Empty() const { return Cells.empty(); }
};

// Derives again every water or coast cell of the mission's map within
// CoastReach cells of a `touched` cell, from what the layer `filter` shows
// (TShownLayer): in a change layer the layer's terrain over the base map's.
// Land is any picture that is no water or coast picture of a terrain set;
// each sea cell keeps the set its own picture belongs to.
//  - a sea cell whose land mask has a coast tile gets that tile's picture;
//  - one with no land beside it is open water: a coast picture becomes the
//    set's shallow water, a water picture stays; either becomes a corner
//    tile where two coast tiles meet at its corner;
//  - one whose land mask has no coast picture keeps its picture and is
//    listed in NoPicture.
// Land cells and cells outside the map never change. Only the shown layer is
// written: into a change layer, a cell that changed nothing before states the
// base map's object, which so stays where it is. Nothing happens when no
// layer is shown. Counts a change in the mission's ChangeCount when it writes.
TCoastEdit UpdateCoasts(TMission& mission, uint16_t filter, std::span<const TPoint> touched);

// The same for every cell of the map.
TCoastEdit RebuildCoasts(TMission& mission, uint16_t filter);

}  // namespace vh
