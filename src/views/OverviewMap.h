#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include "views/COMPWinImage.h"
#include "views/MapNavigator.h"

namespace vh {

// The whole of a map view's bitmap, made small to fit the control, with the
// part the view shows outlined. A click or drag moves the view there. Only
// the parts of the bitmap the view reports as changed are scaled again.
class TOverviewMap : public QWidget {
  Q_OBJECT

public:
  explicit TOverviewMap(QWidget* parent = nullptr);

  // The view to show, or none.
  void SetView(TWinImage* image, TMapNavigator* navigator);
  TWinImage* View() const { return image_; }

  // The rectangle of the control that shows the whole bitmap.
  QRectF MapRect() const;
  // The outline of the view's visible part, in control positions.
  QRectF VisibleOutline() const;
  // How often a part of the bitmap was scaled again, for tests of the
  // partial update.
  int ScaledParts() const { return scaledParts_; }

  QSize sizeHint() const override { return {220, 220}; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

private:
  void Rescale();
  void ScalePart(const QRect& bitmapRect);
  void MoveViewTo(QPointF widgetPos);
  double Scale() const;

  QPointer<TWinImage> image_;
  QPointer<TMapNavigator> navigator_;
  QMetaObject::Connection changed_, moved_;
  QImage small_;
  int scaledParts_ = 0;
};

}  // namespace vh
