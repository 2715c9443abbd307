#include "views/COMPWinImage.h"

#include <algorithm>
#include <cstdint>

#include <QPaintEvent>
#include <QPainter>

namespace vh {

TWinImage::TWinImage(const TPalette& palette, QWidget* parent) : QWidget(parent), palette_(palette) {
  colourTable_.reserve(static_cast<qsizetype>(palette_.size()));
  for (const TPaletteEntry& e : palette_)
    colourTable_.push_back(qRgb(e.Red, e.Green, e.Blue));
  // Every pixel is painted from the bitmap; nothing shines through.
  setAttribute(Qt::WA_OpaquePaintEvent);
  RebuildImage();
}

namespace {

// Rounds towards minus infinity, so that the pixel left of 0 is -1.
int FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0)))
    --q;
  return static_cast<int>(q);
}

int CeilDiv(int64_t a, int64_t b) {
  return -FloorDiv(-a, b);
}

}  // namespace

void TWinImage::SetZoom(int percent) {
  percent = std::max(1, percent);
  if (percent == zoom_)
    return;
  zoom_ = percent;
  setFixedSize(sizeHint());
  update();
}

QPoint TWinImage::BitmapToWidget(TPoint p) const {
  return {FloorDiv(int64_t{p.x} * zoom_, 100), FloorDiv(int64_t{p.y} * zoom_, 100)};
}

TPoint TWinImage::WidgetToBitmap(QPoint p) const {
  return {FloorDiv(int64_t{p.x()} * 100, zoom_), FloorDiv(int64_t{p.y()} * 100, zoom_)};
}

QRect TWinImage::BitmapRectToWidget(TPoint origin, TPoint size) const {
  // Widened to every widget pixel that shows a part of the rectangle.
  const QPoint topLeft = BitmapToWidget(origin);
  const QPoint end(CeilDiv(int64_t{origin.x + size.x} * zoom_, 100),
                   CeilDiv(int64_t{origin.y + size.y} * zoom_, 100));
  return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

uint8_t TWinImage::PaletteIndexOf(const QColor& colour) const {
  return NearestPaletteIndex(palette_, static_cast<uint8_t>(colour.red()),
                             static_cast<uint8_t>(colour.green()), static_cast<uint8_t>(colour.blue()));
}

QSize TWinImage::sizeHint() const {
  return BitmapRectToWidget({0, 0}, {bitmap_.Width, bitmap_.Height}).size();
}

void TWinImage::ResizeBitmap(TPoint size, uint8_t fill) {
  bitmap_.Resize(std::max(0, size.x), std::max(0, size.y), fill);
  RebuildImage();
  setFixedSize(sizeHint());
  update();
  emit BitmapChanged(QRect());
}

void TWinImage::FillBitmap(uint8_t fill) {
  std::fill(bitmap_.Pixels.begin(), bitmap_.Pixels.end(), fill);
  update();
  emit BitmapChanged(QRect());
}

void TWinImage::InvalidateBitmapRect(TPoint origin, TPoint size) {
  update(BitmapRectToWidget(origin, size));
  emit BitmapChanged(QRect(origin.x, origin.y, size.x, size.y));
}

void TWinImage::InvalidateWholeBitmap() {
  update();
  emit BitmapChanged(QRect());
}

void TWinImage::RebuildImage() {
  if (bitmap_.Width == 0 || bitmap_.Height == 0) {
    image_ = QImage();
    return;
  }
  // Shares the pixels: drawing into the bitmap needs no copy to the screen
  // side. Rows are not padded, which QImage accepts with an explicit stride.
  image_ =
      QImage(bitmap_.Pixels.data(), bitmap_.Width, bitmap_.Height, bitmap_.Width, QImage::Format_Indexed8);
  image_.setColorTable(colourTable_);
}

void TWinImage::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (image_.isNull()) {
    painter.fillRect(event->rect(), palette().color(backgroundRole()));
    return;
  }
  // Only the exposed pixels are scaled, never the whole bitmap: each exposed
  // rectangle is widened to whole bitmap pixels, which are copied out and
  // drawn stretched; the painter's clip keeps the widening off the screen.
  // Enlargements by whole multiples stay crisp without smoothing; a
  // reduction may smooth.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ < 100);
  const QRect bitmapRect(0, 0, bitmap_.Width, bitmap_.Height);
  for (const QRect& r : event->region()) {
    const QRect src =
        QRect(QPoint(FloorDiv(int64_t{r.left()} * 100, zoom_), FloorDiv(int64_t{r.top()} * 100, zoom_)),
              QPoint(CeilDiv(int64_t{r.right() + 1} * 100, zoom_) - 1,
                     CeilDiv(int64_t{r.bottom() + 1} * 100, zoom_) - 1))
            .intersected(bitmapRect);
    if (src.isEmpty())
      continue;
    if (zoom_ == 100) {
      painter.drawImage(src.topLeft(), image_, src);
      continue;
    }
    const QRectF target(src.x() * zoom_ / 100.0, src.y() * zoom_ / 100.0, src.width() * zoom_ / 100.0,
                        src.height() * zoom_ / 100.0);
    painter.drawImage(target, image_.copy(src).convertToFormat(QImage::Format_RGB32));
  }
}

}  // namespace vh
