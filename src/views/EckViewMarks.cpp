// What a map view shows over its bitmap and never puts into it: the brush or
// line about to be painted, the selected cells and a block about to be
// pasted. "Save As BMP" and the redraw of cells never see these.
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <bitset>

#include "views/EckView.h"

namespace vh {

namespace {

// The corners of a cell's hexagon in its 24 x 24 square, from the upper left
// one clockwise; edge d runs from corner d to corner d + 1 and faces
// direction d.
constexpr std::array<TPoint, 6> HexCorners{TPoint{8, 0},   TPoint{16, 0}, TPoint{24, 12},
                                           TPoint{16, 24}, TPoint{8, 24}, TPoint{0, 12}};

// The selection's tint on the pixels inside a cell's outline, at the size a
// cell has on the screen.
QImage TintedHexagon(QSize size) {
  QImage cell(HexSize, HexSize, QImage::Format_ARGB32_Premultiplied);
  const QRgb tint = qPremultiply(qRgba(70, 150, 255, 90));
  for (int row = 0; row < HexSize; ++row)
    for (int col = 0; col < HexSize; ++col)
      cell.setPixel(col, row, InsideHexOutline(row, col) ? tint : 0);
  return size == cell.size() ? cell : cell.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

QRect TEckView::CellsWidgetBounds(const std::vector<TPoint>& cells) const {
  QRect r;
  for (TPoint c : cells)
    r |= BitmapRectToWidget(CellToPoint(c), {HexSize, HexSize});
  return r.isEmpty() ? r : r.adjusted(-2, -2, 2, 2);
}

void TEckView::SetOverlay(std::vector<TPoint> cells, bool tinted) {
  if (cells == overlay_ && tinted == overlayTinted_)
    return;
  // Both the old and the new marks must go through the screen again.
  QRect dirty = CellsWidgetBounds(overlay_);
  overlay_ = std::move(cells);
  overlayTinted_ = tinted;
  dirty |= CellsWidgetBounds(overlay_);
  if (!dirty.isEmpty())
    update(dirty);
}

void TEckView::SetHighlight(const TCellSet& cells) {
  if (cells == highlight_)
    return;
  // Only the cells that came or went, and their neighbours' edges.
  std::vector<TPoint> changed;
  for (TPoint c : highlight_.Cells())
    if (!cells.Contains(c))
      changed.push_back(c);
  for (TPoint c : cells.Cells())
    if (!highlight_.Contains(c))
      changed.push_back(c);
  highlight_ = cells;
  const QRect dirty = CellsWidgetBounds(changed);
  if (!dirty.isEmpty())
    update(dirty.adjusted(-HexSize, -HexSize, HexSize, HexSize));
}

void TEckView::SetPreview(QImage image, TPoint bitmapOrigin) {
  QRect dirty =
      preview_.isNull() ? QRect() : BitmapRectToWidget(previewOrigin_, {preview_.width(), preview_.height()});
  preview_ = std::move(image);
  previewOrigin_ = bitmapOrigin;
  if (!preview_.isNull())
    dirty |= BitmapRectToWidget(previewOrigin_, {preview_.width(), preview_.height()});
  if (!dirty.isEmpty())
    update(dirty);
}

void TEckView::PaintMarks(const QRect& exposed) {
  if (overlay_.empty() && highlight_.Empty() && preview_.isNull())
    return;
  QPainter painter(this);
  painter.setClipRect(exposed);
  if (!preview_.isNull()) {
    // Translucent, so the map below shows what the block will cover.
    painter.setOpacity(0.8);
    painter.drawImage(BitmapRectToWidget(previewOrigin_, {preview_.width(), preview_.height()}), preview_);
    painter.setOpacity(1.0);
  }
  painter.setRenderHint(QPainter::Antialiasing);
  const auto corner = [this](TPoint cell, int k) {
    const TPoint o = CellToPoint(cell);
    const TPoint c = HexCorners[static_cast<size_t>(k)];
    return QPointF(BitmapToWidget({o.x + c.x, o.y + c.y}));
  };
  const auto hexagon = [&](TPoint cell) {
    QPolygonF p;
    for (int k = 0; k < 6; ++k)
      p << corner(cell, k);
    return p;
  };
  const auto visible = [&](TPoint cell) {
    return BitmapRectToWidget(CellToPoint(cell), {HexSize, HexSize})
        .adjusted(-2, -2, 2, 2)
        .intersects(exposed);
  };
  // The outer edges of a set of cells: where the neighbour is not in it.
  const auto outline = [&](const std::vector<TPoint>& cells, const auto& contains, const QColor& light) {
    QVector<QLineF> edges;
    for (TPoint c : cells) {
      if (!visible(c))
        continue;
      for (int d = 0; d < DirectionCount; ++d)
        if (!contains(Neighbour(c, d)))
          edges.append(QLineF(corner(c, d), corner(c, (d + 1) % 6)));
    }
    // Dark under light: visible on snow as well as on water.
    painter.setPen(QPen(QColor(0, 0, 0, 200), 3));
    painter.drawLines(edges);
    painter.setPen(QPen(light, 1));
    painter.drawLines(edges);
  };

  if (!highlight_.Empty()) {
    // One tinted hexagon picture, blitted onto each cell: thousands of
    // polygons drawn one by one would cost a paint event dearly.
    const QRect square = BitmapRectToWidget({0, 0}, {HexSize, HexSize});
    if (highlightCell_.size() != square.size())
      highlightCell_ = TintedHexagon(square.size());
    const std::vector<TPoint> cells = highlight_.Cells();
    for (TPoint c : cells)
      if (visible(c))
        painter.drawImage(BitmapRectToWidget(CellToPoint(c), {HexSize, HexSize}).topLeft(), highlightCell_);
    outline(
        cells, [this](TPoint c) { return highlight_.Contains(c); }, QColor(150, 210, 255));
  }

  if (!overlay_.empty()) {
    TCellSet members;
    for (TPoint c : overlay_)
      members.Add(c);
    if (overlayTinted_) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(255, 255, 255, 70));
      for (TPoint c : overlay_)
        if (visible(c))
          painter.drawPolygon(hexagon(c));
    }
    outline(
        overlay_, [&members](TPoint c) { return members.Contains(c); }, QColor(255, 255, 120));
  }
}

}  // namespace vh
