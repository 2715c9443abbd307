#include "views/OverviewMap.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPainter>

namespace vh {

TOverviewMap::TOverviewMap(QWidget* parent) : QWidget(parent) {
  setMinimumSize(60, 60);
  setCursor(Qt::PointingHandCursor);
}

void TOverviewMap::SetView(TWinImage* image, TMapNavigator* navigator) {
  if (image == image_ && navigator == navigator_)
    return;
  disconnect(changed_);
  disconnect(moved_);
  image_ = image;
  navigator_ = navigator;
  if (image_)
    changed_ = connect(image_, &TWinImage::BitmapChanged, this, [this](const QRect& r) {
      if (r.isNull() || small_.isNull())
        Rescale();
      else
        ScalePart(r);
      update();
    });
  if (navigator_)
    moved_ = connect(navigator_, &TMapNavigator::ViewMoved, this, qOverload<>(&QWidget::update));
  Rescale();
  update();
}

double TOverviewMap::Scale() const {
  if (!image_ || image_->MapBitmap().Width == 0 || image_->MapBitmap().Height == 0)
    return 0;
  return std::min(static_cast<double>(width()) / image_->MapBitmap().Width,
                  static_cast<double>(height()) / image_->MapBitmap().Height);
}

QRectF TOverviewMap::MapRect() const {
  const double s = Scale();
  if (s <= 0)
    return {};
  const QSizeF size(image_->MapBitmap().Width * s, image_->MapBitmap().Height * s);
  return {QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

QRectF TOverviewMap::VisibleOutline() const {
  const double s = Scale();
  if (s <= 0 || !navigator_)
    return {};
  const QRect r = navigator_->VisibleBitmapRect();
  const QPointF origin = MapRect().topLeft();
  return {origin.x() + r.x() * s, origin.y() + r.y() * s, r.width() * s, r.height() * s};
}

void TOverviewMap::Rescale() {
  const double s = Scale();
  const QSize size = MapRect().size().toSize();
  if (s <= 0 || size.isEmpty()) {
    small_ = QImage();
    return;
  }
  // At the device's resolution, so that the small map is as sharp as the
  // screen allows.
  // Kept in device pixels and drawn into the map's rectangle one to one.
  small_ = QImage(size * devicePixelRatioF(), QImage::Format_RGB32);
  ScalePart(QRect(0, 0, image_->MapBitmap().Width, image_->MapBitmap().Height));
}

void TOverviewMap::ScalePart(const QRect& bitmapRect) {
  if (small_.isNull() || !image_)
    return;
  const double s = small_.width() / static_cast<double>(image_->MapBitmap().Width);
  const QRect full(0, 0, image_->MapBitmap().Width, image_->MapBitmap().Height);
  // The small pixels the change touches, and the bitmap part they show.
  const QRect target =
      QRectF(bitmapRect.x() * s, bitmapRect.y() * s, bitmapRect.width() * s, bitmapRect.height() * s)
          .toAlignedRect()
          .intersected(small_.rect());
  if (target.isEmpty())
    return;
  const QRectF source(target.x() / s, target.y() / s, target.width() / s, target.height() / s);
  const QRect copied = source.toAlignedRect().adjusted(-1, -1, 1, 1).intersected(full);
  const QImage part = image_->MapImage().copy(copied).convertToFormat(QImage::Format_RGB32);
  QPainter painter(&small_);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setClipRect(target);
  painter.drawImage(QRectF(copied.x() * s, copied.y() * s, copied.width() * s, copied.height() * s), part);
  painter.end();
  ++scaledParts_;
}

void TOverviewMap::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  if (small_.isNull() || !image_)
    return;
  const QRectF map = MapRect();
  painter.drawImage(map, small_);
  const QRectF outline = VisibleOutline();
  if (outline.isEmpty())
    return;
  painter.setPen(QPen(QColor(255, 230, 0), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(outline.adjusted(1, 1, -1, -1));
}

void TOverviewMap::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Rescale();
}

void TOverviewMap::MoveViewTo(QPointF widgetPos) {
  const double s = Scale();
  if (s <= 0 || !navigator_)
    return;
  const QPointF origin = MapRect().topLeft();
  navigator_->CentreOnBitmap((widgetPos - origin) / s);
}

void TOverviewMap::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    MoveViewTo(event->position());
}

void TOverviewMap::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton)
    MoveViewTo(event->position());
}

}  // namespace vh
