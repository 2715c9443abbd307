#include "views/MapNavigator.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace vh {

int NextZoomLevel(int zoom) {
  for (int level : ZoomLevels)
    if (level > zoom)
      return level;
  return ZoomLevels.back();
}

int PreviousZoomLevel(int zoom) {
  for (auto it = ZoomLevels.rbegin(); it != ZoomLevels.rend(); ++it)
    if (*it < zoom)
      return *it;
  return ZoomLevels.front();
}

int FitZoomLevel(QSize bitmap, QSize available) {
  int best = ZoomLevels.front();
  for (int level : ZoomLevels) {
    const int64_t w = (int64_t{bitmap.width()} * level + 99) / 100;
    const int64_t h = (int64_t{bitmap.height()} * level + 99) / 100;
    if (w <= available.width() && h <= available.height())
      best = level;
  }
  return best;
}

int NearestZoomLevel(int zoom) {
  int best = 100;
  for (int level : ZoomLevels)
    if (std::abs(int64_t{level} - zoom) < std::abs(int64_t{best} - zoom))
      best = level;
  return best;
}

TMapNavigator::TMapNavigator(QScrollArea* scroll, TWinImage* image, QObject* parent)
    : QObject(parent), scroll_(scroll), image_(image) {
  scroll_->viewport()->installEventFilter(this);
  image_->installEventFilter(this);
  for (QScrollBar* bar : {scroll_->horizontalScrollBar(), scroll_->verticalScrollBar()}) {
    connect(bar, &QScrollBar::valueChanged, this, &TMapNavigator::ViewMoved);
    connect(bar, &QScrollBar::rangeChanged, this, &TMapNavigator::ViewMoved);
  }
}

void TMapNavigator::SetZoom(int percent, std::optional<QPoint> anchor) {
  percent = std::clamp(percent, ZoomLevels.front(), ZoomLevels.back());
  const int old = image_->Zoom();
  if (percent == old)
    return;
  QWidget* viewport = scroll_->viewport();
  const QPoint at = anchor.value_or(viewport->rect().center());
  // The bitmap point under the anchor, to the fraction of a pixel, so that
  // zooming in and out again comes back to the same place.
  const QPoint widgetAt = image_->mapFrom(viewport, at);
  const QPointF bitmapAt(widgetAt.x() * 100.0 / old, widgetAt.y() * 100.0 / old);
  image_->SetZoom(percent);
  // The scroll range follows the control's size when the scroll area sees
  // the resize, which a hidden control gets only when shown.
  QResizeEvent resize(image_->size(), image_->size());
  QCoreApplication::sendEvent(image_, &resize);
  scroll_->horizontalScrollBar()->setValue(static_cast<int>(std::lround(bitmapAt.x() * percent / 100.0)) -
                                           at.x());
  scroll_->verticalScrollBar()->setValue(static_cast<int>(std::lround(bitmapAt.y() * percent / 100.0)) -
                                         at.y());
  emit ZoomChanged(percent);
  emit ViewMoved();
}

void TMapNavigator::ZoomIn(std::optional<QPoint> anchor) {
  SetZoom(NextZoomLevel(Zoom()), anchor);
}

void TMapNavigator::ZoomOut(std::optional<QPoint> anchor) {
  SetZoom(PreviousZoomLevel(Zoom()), anchor);
}

void TMapNavigator::FitWindow() {
  const TIndexedImage& bitmap = image_->MapBitmap();
  SetZoom(FitZoomLevel({bitmap.Width, bitmap.Height}, scroll_->maximumViewportSize()));
}

QRect TMapNavigator::VisibleBitmapRect() const {
  QWidget* viewport = scroll_->viewport();
  const QPoint topLeft = image_->mapFrom(viewport, QPoint(0, 0));
  const TPoint from = image_->WidgetToBitmap(topLeft);
  const TPoint to = image_->WidgetToBitmap(topLeft + QPoint(viewport->width(), viewport->height()));
  const QRect bitmapRect(0, 0, image_->MapBitmap().Width, image_->MapBitmap().Height);
  return QRect(QPoint(from.x, from.y), QPoint(to.x - 1, to.y - 1)).intersected(bitmapRect);
}

void TMapNavigator::CentreOnBitmap(QPointF bitmapPoint) {
  QWidget* viewport = scroll_->viewport();
  const int zoom = Zoom();
  scroll_->horizontalScrollBar()->setValue(static_cast<int>(std::lround(bitmapPoint.x() * zoom / 100.0)) -
                                           viewport->width() / 2);
  scroll_->verticalScrollBar()->setValue(static_cast<int>(std::lround(bitmapPoint.y() * zoom / 100.0)) -
                                         viewport->height() / 2);
}

void TMapNavigator::ScrollBy(int dx, int dy) {
  QScrollBar* h = scroll_->horizontalScrollBar();
  QScrollBar* v = scroll_->verticalScrollBar();
  h->setValue(h->value() + dx);
  v->setValue(v->value() + dy);
}

bool TMapNavigator::Wheel(QWheelEvent* event, QWidget* receiver) {
  const QPoint angle = event->angleDelta();
  // Some systems turn Shift+wheel into a horizontal wheel themselves.
  const int delta = angle.y() != 0 ? angle.y() : angle.x();
  if (event->modifiers() & Qt::ControlModifier) {
    wheelZoomDelta_ += delta;
    const QPoint pos = event->position().toPoint();
    const QPoint at = receiver == scroll_->viewport() ? pos : receiver->mapTo(scroll_->viewport(), pos);
    while (wheelZoomDelta_ >= 120) {
      wheelZoomDelta_ -= 120;
      ZoomIn(at);
    }
    while (wheelZoomDelta_ <= -120) {
      wheelZoomDelta_ += 120;
      ZoomOut(at);
    }
    return true;
  }
  const QScrollBar* bar = (event->modifiers() & Qt::ShiftModifier) || angle.y() == 0
                              ? scroll_->horizontalScrollBar()
                              : scroll_->verticalScrollBar();
  const int step = -delta * QApplication::wheelScrollLines() * bar->singleStep() / 120;
  if (bar == scroll_->horizontalScrollBar())
    ScrollBy(step, 0);
  else
    ScrollBy(0, step);
  return true;
}

bool TMapNavigator::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel && (watched == scroll_->viewport() || watched == image_))
    return Wheel(static_cast<QWheelEvent*>(event), static_cast<QWidget*>(watched));
  if (watched != image_)
    return false;
  switch (event->type()) {
  case QEvent::MouseButtonPress: {
    auto* e = static_cast<QMouseEvent*>(event);
    if (e->button() == Qt::MiddleButton) {
      panFrom_ = e->globalPosition().toPoint();
      image_->setCursor(Qt::ClosedHandCursor);
      return true;
    }
    break;
  }
  case QEvent::MouseMove: {
    auto* e = static_cast<QMouseEvent*>(event);
    if (panFrom_ && (e->buttons() & Qt::MiddleButton)) {
      const QPoint now = e->globalPosition().toPoint();
      const QPoint d = *panFrom_ - now;
      panFrom_ = now;
      ScrollBy(d.x(), d.y());
    }
    break;
  }
  case QEvent::MouseButtonRelease: {
    auto* e = static_cast<QMouseEvent*>(event);
    if (e->button() == Qt::MiddleButton && panFrom_) {
      panFrom_.reset();
      image_->unsetCursor();
      return true;
    }
    break;
  }
  default:
    break;
  }
  return false;
}

}  // namespace vh
