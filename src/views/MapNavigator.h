#pragma once

#include <array>
#include <optional>

#include <QObject>
#include <QPoint>
#include <QRect>

#include "views/COMPWinImage.h"

class QScrollArea;

namespace vh {

// The zooms a map window offers, in percent.
inline constexpr std::array<int, 5> ZoomLevels{50, 100, 200, 300, 400};

int NextZoomLevel(int zoom);      // the next larger level, or the largest
int PreviousZoomLevel(int zoom);  // the next smaller level, or the smallest
// The largest level at which a bitmap of `bitmap` pixels fits `available`
// whole; the smallest level when none does.
int FitZoomLevel(QSize bitmap, QSize available);
// A zoom read from a file: the level nearest to it.
int NearestZoomLevel(int zoom);

// Zoom and panning of an image control in a scroll area: Ctrl+wheel zooms
// around the pointer, the wheel scrolls vertically and Shift+wheel
// horizontally, a drag with the middle button moves the view.
class TMapNavigator : public QObject {
  Q_OBJECT

public:
  // The image must be the scroll area's widget; both must outlive the
  // navigator.
  TMapNavigator(QScrollArea* scroll, TWinImage* image, QObject* parent = nullptr);

  int Zoom() const { return image_->Zoom(); }
  // Keeps the bitmap point under `anchor` (a viewport position) where it is;
  // without an anchor the viewport's centre.
  void SetZoom(int percent, std::optional<QPoint> anchor = std::nullopt);
  void ZoomIn(std::optional<QPoint> anchor = std::nullopt);
  void ZoomOut(std::optional<QPoint> anchor = std::nullopt);
  void FitWindow();

  // The bitmap rectangle the viewport shows.
  QRect VisibleBitmapRect() const;
  // Scrolls so that the bitmap point shows in the viewport's centre, as far
  // as the scroll range allows.
  void CentreOnBitmap(QPointF bitmapPoint);

signals:
  void ZoomChanged(int percent);
  // The visible part of the bitmap moved or changed its size.
  void ViewMoved();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  bool Wheel(class QWheelEvent* event, QWidget* receiver);
  void ScrollBy(int dx, int dy);

  QScrollArea* scroll_;
  TWinImage* image_;
  int wheelZoomDelta_ = 0;         // Ctrl+wheel steps not yet a whole notch
  std::optional<QPoint> panFrom_;  // screen position of the middle-button drag
};

}  // namespace vh
