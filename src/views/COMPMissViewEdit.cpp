// Painting into the map of a TMissView: one cell at a time or a whole block.

#include <algorithm>
#include <memory>
#include <vector>

#include "hexmap/MapRenderer.h"
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

namespace {

// Collects the cells an edit touched and redraws them at the end, with one
// region to repaint: a fill or a paste touches thousands of cells.
class TCellRedraw {
public:
  explicit TCellRedraw(TMissView& view) : view_(view), marked_(MaxMapSize * MaxMapSize, false) {}
  void Mark(TPoint p) {
    if (!view_.IsInGrid(p))
      return;
    marked_[Index(p)] = true;
    low_ = {std::min(low_.x, p.x), std::min(low_.y, p.y)};
    high_ = {std::max(high_.x, p.x), std::max(high_.y, p.y)};
  }
  // The neighbours' line pictures join the cell's object.
  void MarkNeighbours(TPoint p) {
    for (int d = 0; d < DirectionCount; ++d)
      Mark(Neighbour(p, d));
  }
  void Flush() {
    if (high_.x < 0)
      return;
    for (int32_t y = low_.y; y <= high_.y; ++y)
      for (int32_t x = low_.x; x <= high_.x; ++x)
        if (marked_[Index({x, y})])
          view_.DrawCell({x, y});
    // Odd columns sit half a cell lower: half a cell more each way covers both.
    const TPoint from = view_.CellToPoint(low_), to = view_.CellToPoint(high_);
    const int32_t space = view_.HexSpace();
    const TPoint origin{from.x, std::max(0, from.y - HexSize / 2 - space)};
    view_.InvalidateBitmapArea(origin,
                               {to.x + HexSize - origin.x, to.y + HexSize + HexSize / 2 + space - origin.y});
    high_ = {-1, -1};
  }

private:
  static size_t Index(TPoint p) { return static_cast<size_t>(p.y * MaxMapSize + p.x); }
  TMissView& view_;
  std::vector<bool> marked_;
  TPoint low_{MaxMapSize, MaxMapSize}, high_{-1, -1};
};

}  // namespace

std::vector<TPoint> TMissView::PaintCells(const std::vector<TPoint>& cells, bool first, uint16_t value,
                                          int kind) {
  TCellRedraw redraw(*this);
  std::vector<TPoint> changed;
  for (size_t i = 0; i < cells.size(); ++i) {
    const TPoint cell = cells[i];
    if (!IsInGrid(cell))
      continue;
    const TCellEditResult result =
        ApplyCellValue(Mission(), Filter(), first && i == 0, cell, value, kind, DFStrokeObject);
    if (result.ShownLayerChanged) {
      changed.push_back(cell);
      redraw.Mark(cell);
    }
    if (result.ObjectChanged)
      redraw.MarkNeighbours(cell);
  }
  redraw.Flush();
  return changed;
}

void TMissView::RedrawEdited(const std::vector<TPoint>& cells) {
  TCellRedraw redraw(*this);
  for (TPoint c : cells) {
    redraw.Mark(c);
    redraw.MarkNeighbours(c);
  }
  redraw.Flush();
}

QImage TMissView::CellsImage(const TMission& mission, const std::vector<TPoint>& cells,
                             TPoint& origin) const {
  const TCellsPicture picture =
      RenderCells(Sets(), mission, Filter(), cells, THexGeometry{Style(), HexSpace()});
  origin = picture.Origin;
  QImage image(picture.Image.Width, picture.Image.Height, QImage::Format_ARGB32_Premultiplied);
  for (int32_t y = 0; y < picture.Image.Height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const uint8_t* index = picture.Image.Row(y);
    const uint8_t* inside = picture.Coverage.Row(y);
    for (int32_t x = 0; x < picture.Image.Width; ++x) {
      const TPaletteEntry& e = Palette()[index[x]];
      line[x] = inside[x] ? qRgb(e.Red, e.Green, e.Blue) : qRgba(0, 0, 0, 0);
    }
  }
  return image;
}

QImage TMissView::BlockPreview(const TMapBlock& block, TPoint anchor, std::vector<TPoint>& cells,
                               TPoint& origin) const {
  cells = BlockTargets(block, anchor);
  std::erase_if(cells, [this](TPoint c) { return !IsInGrid(c); });
  // The block pasted into a copy of the mission shows how it joins its
  // new neighbours.
  auto scratch = std::make_unique<TMission>(Mission());
  PlaceBlock(*scratch, Filter(), block, anchor);
  return CellsImage(*scratch, cells, origin);
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
