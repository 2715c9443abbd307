#include "views/COMPWinImage.h"

#include <algorithm>

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

QPoint TWinImage::BitmapToWidget(TPoint p) const {
  return {p.x, p.y};
}

TPoint TWinImage::WidgetToBitmap(QPoint p) const {
  return {p.x(), p.y()};
}

QRect TWinImage::BitmapRectToWidget(TPoint origin, TPoint size) const {
  const QPoint topLeft = BitmapToWidget(origin);
  const QPoint end = BitmapToWidget({origin.x + size.x, origin.y + size.y});
  return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

uint8_t TWinImage::PaletteIndexOf(const QColor& colour) const {
  return NearestPaletteIndex(palette_, static_cast<uint8_t>(colour.red()),
                             static_cast<uint8_t>(colour.green()), static_cast<uint8_t>(colour.blue()));
}

QSize TWinImage::sizeHint() const {
  const QPoint end = BitmapToWidget({bitmap_.Width, bitmap_.Height});
  return {end.x(), end.y()};
}

void TWinImage::ResizeBitmap(TPoint size, uint8_t fill) {
  bitmap_.Resize(std::max(0, size.x), std::max(0, size.y), fill);
  RebuildImage();
  setFixedSize(sizeHint());
  update();
}

void TWinImage::FillBitmap(uint8_t fill) {
  std::fill(bitmap_.Pixels.begin(), bitmap_.Pixels.end(), fill);
  update();
}

void TWinImage::InvalidateBitmapRect(TPoint origin, TPoint size) {
  update(BitmapRectToWidget(origin, size));
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
  for (const QRect& r : event->region()) {
    const TPoint from = WidgetToBitmap(r.topLeft());
    const TPoint to = WidgetToBitmap(r.bottomRight() + QPoint(1, 1));
    painter.drawImage(r, image_, QRect(from.x, from.y, to.x - from.x, to.y - from.y));
  }
}

}  // namespace vh
