// Painting into the map of a TMissView: one cell at a time or a whole block.

#include <vector>

#include "views/COMPMissView.h"

namespace vh {

bool TMissView::SetCellValue(bool first, TPoint cell, uint16_t value, int kind) {
  const TCellEditResult result =
      ApplyCellValue(Mission(), Filter(), first, cell, value, kind, DFStrokeObject);
  // The line pictures of the neighbours join this cell's object.
  if (result.ObjectChanged)
    RedrawNeighbours(cell);
  return result.ShownLayerChanged;
}

void TMissView::PasteGroup(bool /*first*/, TPoint cell, const TMultiSelection& selection, int kind) {
  if (!PasteBlock(Mission(), Filter(), cell, selection, kind, GridSize()))
    return;
  const auto index = [](TPoint p) { return static_cast<size_t>(p.y * MaxMapSize + p.x); };
  std::vector<bool> pasted(MaxMapSize * MaxMapSize, false);
  ForEachPasteTarget(cell, selection, GridSize(), [&](TPoint target, int16_t) {
    RedrawCell(target);
    pasted[index(target)] = true;
  });
  // Objects pasted into the base map change the line joins of the cells
  // around the block; change layers join no lines.
  if (kind != pkObject || FilterOn(mfDFLayer))
    return;
  std::vector<bool> around(MaxMapSize * MaxMapSize, false);
  for (int32_t y = 0; y < Rows(); ++y)
    for (int32_t x = 0; x < Cols(); ++x)
      if (pasted[index({x, y})])
        for (int d = 0; d < DirectionCount; ++d) {
          const TPoint n = Neighbour({x, y}, d);
          if (IsInGrid(n) && !pasted[index(n)])
            around[index(n)] = true;
        }
  for (int32_t y = 0; y < Rows(); ++y)
    for (int32_t x = 0; x < Cols(); ++x)
      if (around[index({x, y})])
        RedrawCell({x, y});
}

}  // namespace vh
