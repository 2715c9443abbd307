#include "hexmap/FilterRedraw.h"

#include "hexmap/CellEditing.h"

namespace vh {

// A changed cell of a shown change layer draws the shop and content marks of
// the base cell even while the base map is hidden, and never the AI mark;
// that is why marks count below where the base map alone would not explain
// them.
bool FilterSwitchNeedsRedraw(uint16_t filter, int index) {
  const bool base = FilterShows(filter, mfBaseMap), change = FilterShows(filter, mfDFLayer);
  switch (index) {
  case mfTerrain:
  case mfObjects:
  case mfUnits:
  case mfShopMarks:
  case mfContentMarks:
    return base || change;
  case mfAIMarks:
    return base;
  case mfBaseMap:
    return (filter & 0x3F) != 0;  // any of the kinds and marks
  case mfDFLayer:
    return FilterShows(filter, mfTerrain) || FilterShows(filter, mfObjects) || FilterShows(filter, mfUnits) ||
           FilterShows(filter, mfDFMarks) || (base && FilterShows(filter, mfAIMarks)) ||
           (!base && (FilterShows(filter, mfShopMarks) || FilterShows(filter, mfContentMarks)));
  case mfDFMarks:
    return change;
  default:
    return false;
  }
}

bool CellDependsOnFilterBit(const TMission& mission, uint16_t filter, int index, TPoint cell) {
  const TMissionCell& b = mission.Cells[static_cast<size_t>(cell.y)][static_cast<size_t>(cell.x)];
  const TDFCell& d = mission.DFCells[static_cast<size_t>(cell.y)][static_cast<size_t>(cell.x)];
  const bool base = FilterShows(filter, mfBaseMap), change = FilterShows(filter, mfDFLayer);
  const bool changed = d.IsChange();
  switch (index) {
  case mfTerrain:
    return (base && b.Terrain != -1) || (change && d.Terrain != -1);
  case mfObjects:
    return (base && b.Obj != -1) || (change && d.Obj != -2);
  case mfUnits:
    return (base && UnitCode(b) != NoUnitCode) || (change && UnitCode(d) != NoUnitCode);
  case mfShopMarks:
    return b.Shop != -1 && (base || (change && changed));
  case mfContentMarks:
    return b.VehContent != -1 && (base || (change && changed));
  case mfAIMarks:
    return base && b.AIPoint != -1;
  case mfBaseMap:
    return (FilterShows(filter, mfTerrain) && b.Terrain != -1) ||
           (FilterShows(filter, mfObjects) && b.Obj != -1) ||
           (FilterShows(filter, mfUnits) && UnitCode(b) != NoUnitCode) ||
           (FilterShows(filter, mfShopMarks) && b.Shop != -1) ||
           (FilterShows(filter, mfContentMarks) && b.VehContent != -1) ||
           (FilterShows(filter, mfAIMarks) && b.AIPoint != -1);
  case mfDFLayer:
    return changed &&
           ((FilterShows(filter, mfTerrain) && d.Terrain != -1) ||
            (FilterShows(filter, mfObjects) && d.Obj != -2) ||
            (FilterShows(filter, mfUnits) && UnitCode(d) != NoUnitCode) || FilterShows(filter, mfDFMarks) ||
            (base && FilterShows(filter, mfAIMarks) && b.AIPoint != -1) ||
            (!base && FilterShows(filter, mfShopMarks) && b.Shop != -1) ||
            (!base && FilterShows(filter, mfContentMarks) && b.VehContent != -1));
  case mfDFMarks:
    return change && changed;
  default:
    return false;
  }
}

}  // namespace vh
