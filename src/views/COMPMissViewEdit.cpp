// Painting into the map of a TMissView, as edits of its document, and the
// one routine that redraws what a change touched.

#include <algorithm>
#include <memory>
#include <vector>

#include "base/Errors.h"
#include "hexmap/Coasts.h"
#include "hexmap/MapRenderer.h"
#include "hexmap/PaintTools.h"
#include "views/COMPMissView.h"

namespace vh {

namespace {

// Collects the cells a change touched and draws each once, in the order they
// were marked, with one region to repaint: a fill or a paste touches
// thousands of cells.
class TCellRedraw {
public:
  explicit TCellRedraw(TMissView& view) : view_(view), marked_(MaxMapSize * MaxMapSize, false) {}
  void Mark(TPoint p) {
    if (!view_.IsInGrid(p) || marked_[Index(p)])
      return;
    marked_[Index(p)] = true;
    order_.push_back(p);
    low_ = {std::min(low_.x, p.x), std::min(low_.y, p.y)};
    high_ = {std::max(high_.x, p.x), std::max(high_.y, p.y)};
  }
  // The neighbours' line pictures join the cell's object.
  void MarkNeighbours(TPoint p) {
    for (int d : NeighbourRedrawOrder)
      Mark(Neighbour(p, d));
  }
  void Flush() {
    if (order_.empty())
      return;
    for (TPoint p : order_)
      view_.DrawCell(p);
    // Odd columns sit half a cell lower: half a cell more each way covers both.
    const TPoint from = view_.CellToPoint(low_), to = view_.CellToPoint(high_);
    const int32_t space = view_.HexSpace();
    const TPoint origin{from.x, std::max(0, from.y - HexSize / 2 - space)};
    view_.InvalidateBitmapArea(origin,
                               {to.x + HexSize - origin.x, to.y + HexSize + HexSize / 2 + space - origin.y});
    order_.clear();
  }

private:
  static size_t Index(TPoint p) { return static_cast<size_t>(p.y * MaxMapSize + p.x); }
  TMissView& view_;
  std::vector<bool> marked_;
  std::vector<TPoint> order_;
  TPoint low_{MaxMapSize, MaxMapSize}, high_{-1, -1};
};

}  // namespace

void TMissView::ShowChange(const TMissionChange& change) {
  const TMission& m = Mission();
  if (change.Whole || change.Size) {
    TEckView::SetGridSize({m.Width, m.Height});
    RedrawAll();
    update();
    return;
  }
  if (change.Settings) {
    // Player colours reach every cell.
    RedrawAll();
    update();
    return;
  }
  TCellRedraw redraw(*this);
  // A change layer that came into the working grid shows only while the
  // change layer is shown.
  if (!change.LayerShown || FilterOn(mfDFLayer))
    for (TPoint p : change.Cells)
      redraw.Mark(p);
  for (TPoint p : change.JoinCells)
    redraw.MarkNeighbours(p);
  if (change.Records) {
    // A shop is drawn in its owner's colours, and its record may have
    // changed without its cell.
    for (int32_t y = 0; y < Rows(); ++y)
      for (int32_t x = 0; x < Cols(); ++x)
        if (m.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)].Shop != -1)
          redraw.Mark({x, y});
  }
  redraw.Flush();
}

bool TMissView::SetCellValue(bool first, TPoint cell, uint16_t value, int kind) {
  bool shown = false;
  Document().Edit(PaintStepName(TToolMode::Paint, kind), [&](TMission& m) {
    const TCellEditResult result = ApplyCellValue(m, Filter(), first, cell, value, kind, DFStrokeObject);
    shown = result.ShownLayerChanged;
    // The cell itself is drawn by the caller; the neighbours' line
    // pictures join it.
    TMissionChange change;
    if (result.ObjectChanged)
      change.JoinCells.push_back(cell);
    change.Records = result.ShownLayerChanged && kind == pkUnit;
    return change;
  });
  return shown;
}

std::vector<TPoint> TMissView::PaintCells(const std::vector<TPoint>& cells, bool first, uint16_t value,
                                          int kind) {
  return PaintCells(cells, first, std::vector<uint16_t>(cells.size(), value), kind);
}

std::vector<TPoint> TMissView::PaintCells(const std::vector<TPoint>& cells, bool first,
                                          const std::vector<uint16_t>& values, int kind) {
  const TMissionChange change =
      Document().Edit(StepName(PaintStepName(TToolMode::Paint, kind)), [&](TMission& m) {
        TMissionChange c;
        for (size_t i = 0; i < cells.size() && i < values.size(); ++i) {
          const TPoint cell = cells[i];
          if (!IsInGrid(cell))
            continue;
          const TCellEditResult result =
              ApplyCellValue(m, Filter(), first && i == 0, cell, values[i], kind, DFStrokeObject);
          if (result.ShownLayerChanged)
            c.Cells.push_back(cell);
          if (result.ObjectChanged)
            c.JoinCells.push_back(cell);
        }
        // A unit painted over another takes its cargo and AI point along.
        c.Records = kind == pkUnit && !c.Cells.empty();
        if (kind == pkTerrain)
          FollowCoasts(m, c);
        return c;
      });
  return change.Cells;
}

std::string TMissView::StepName(const std::string& action) const {
  if (ShownLayer(filter_) != TShownLayer::Change)
    return action;
  // One pattern, so that the editor can translate both parts (StepNameText).
  return FillMessagePattern(VH_TRANSLATE_NOOP("History", "%1 in change layer %2"),
                            {action, std::to_string(Mission().DFNr)});
}

void TMissView::FollowCoasts(TMission& mission, TMissionChange& change) const {
  if (!autoCoasts_ || change.Cells.empty())
    return;
  const TCoastEdit coasts = UpdateCoasts(mission, filter_, change.Cells);
  change.Cells.insert(change.Cells.end(), coasts.Cells.begin(), coasts.Cells.end());
}

size_t TMissView::RebuildCoasts() {
  const uint16_t filter = filter_;
  const TMissionChange change =
      Document().Edit(StepName(QT_TRANSLATE_NOOP("History", "Rebuild Coasts")), [filter](TMission& m) {
        TMissionChange c;
        c.Cells = vh::RebuildCoasts(m, filter).Cells;
        return c;
      });
  return change.Cells.size();
}

void TMissView::ResizeMap(const TResize& resize) {
  if (const char* fault = ResizeFault(resize); *fault)
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "Cannot resize the map: %1"), fault));
  Document().Edit(QT_TRANSLATE_NOOP("History", "Resize Map"), [&resize](TMission& m) {
    vh::ResizeMap(m, resize);
    // Every cell moved, and with them the records and the change layers.
    TMissionChange c;
    c.Size = c.Records = c.Layers = true;
    return c;
  });
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
  Document().Edit(StepName(PaintStepName(TToolMode::Paint, kind, true)), [&](TMission& m) {
    TMissionChange c;
    if (!PasteBlock(m, Filter(), cell, selection, kind, GridSize()))
      return c;
    ForEachPasteTarget(cell, selection, GridSize(),
                       [&](TPoint target, int16_t) { c.Cells.push_back(target); });
    // Objects pasted into the base map change the line joins of the cells
    // around the block; change layers join no lines.
    if (kind == pkObject && !FilterOn(mfDFLayer))
      c.JoinCells = c.Cells;
    if (kind == pkTerrain)
      FollowCoasts(m, c);
    return c;
  });
}

}  // namespace vh
