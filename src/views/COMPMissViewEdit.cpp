// Painting into the map of a TMissView: one cell at a time or a whole block.

#include <algorithm>
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

std::vector<TPoint> TMissView::PaintCells(const std::vector<TPoint>& cells, bool first, uint16_t value,
                                          int kind) {
  const auto index = [](TPoint p) { return static_cast<size_t>(p.y * MaxMapSize + p.x); };
  std::vector<bool> redraw(MaxMapSize * MaxMapSize, false);
  std::vector<TPoint> changed;
  TPoint low{MaxMapSize, MaxMapSize}, high{-1, -1};
  const auto mark = [&](TPoint p) {
    redraw[index(p)] = true;
    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
  };
  for (size_t i = 0; i < cells.size(); ++i) {
    const TPoint cell = cells[i];
    if (!IsInGrid(cell))
      continue;
    const TCellEditResult result =
        ApplyCellValue(Mission(), Filter(), first && i == 0, cell, value, kind, DFStrokeObject);
    if (result.ShownLayerChanged) {
      changed.push_back(cell);
      mark(cell);
    }
    if (result.ObjectChanged)
      for (int d = 0; d < DirectionCount; ++d)
        if (const TPoint n = Neighbour(cell, d); IsInGrid(n))
          mark(n);
  }
  if (high.x < 0)
    return changed;
  // A fill touches thousands of cells: one region to repaint, not one each.
  for (int32_t y = low.y; y <= high.y; ++y)
    for (int32_t x = low.x; x <= high.x; ++x)
      if (redraw[index({x, y})])
        DrawCell({x, y});
  // Odd columns sit half a cell lower: half a cell more each way covers both.
  const TPoint from = CellToPoint({low.x, low.y}), to = CellToPoint({high.x, high.y});
  const TPoint origin{from.x, std::max(0, from.y - HexSize / 2 - HexSpace())};
  InvalidateBitmapRect(origin, {to.x + HexSize - origin.x, to.y + HexSize + HexSize / 2 + HexSpace() - origin.y});
  return changed;
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
