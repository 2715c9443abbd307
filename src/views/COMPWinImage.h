#pragma once

#include <QImage>
#include <QWidget>

#include "graphics/IndexedImage.h"
#include "graphics/PictureSets.h"
#include "mission/Mission.h"

namespace vh {

// A control that shows one off-screen 8-bit picture in the game's palette,
// MapBitmap, and paints only the parts of it that were invalidated.
//
// Bitmap pixels and widget positions are kept apart: everything that crosses
// between the two goes through BitmapToWidget / WidgetToBitmap, so that the
// picture can later be shown enlarged without touching the callers.
class TWinImage : public QWidget {
  Q_OBJECT

public:
  // Copies `palette` as the colour table of MapBitmap.
  explicit TWinImage(const TPalette& palette, QWidget* parent = nullptr);

  const TIndexedImage& MapBitmap() const { return bitmap_; }
  const TPalette& Palette() const { return palette_; }
  // MapBitmap as an image that shares its pixels; valid until the next
  // resize of MapBitmap.
  const QImage& MapImage() const { return image_; }

  // The zoom in percent; the control grows or shrinks with it and the bitmap
  // stays as it is. Whole multiples show every pixel as a crisp square.
  int Zoom() const { return zoom_; }
  void SetZoom(int percent);  // 1 or more

  // Widget position of the bitmap pixel's top-left corner.
  QPoint BitmapToWidget(TPoint p) const;
  // The bitmap pixel under a widget position; positions left of or above the
  // bitmap give negative pixels, never pixel 0.
  TPoint WidgetToBitmap(QPoint p) const;
  // The widget area that shows the bitmap rectangle at `origin` of `size`.
  QRect BitmapRectToWidget(TPoint origin, TPoint size) const;

  // The palette entry the bitmap uses for a screen colour: the nearest one.
  uint8_t PaletteIndexOf(const QColor& colour) const;

  QSize sizeHint() const override;

signals:
  // The bitmap changed in this rectangle; a null rectangle for the whole of
  // it, also when its size changed.
  void BitmapChanged(const QRect& bitmapRect);

protected:
  TIndexedImage& MutableBitmap() { return bitmap_; }
  // Resizes MapBitmap, fills it with `fill` and fits the control to it.
  void ResizeBitmap(TPoint size, uint8_t fill);
  void FillBitmap(uint8_t fill);
  void InvalidateBitmapRect(TPoint origin, TPoint size);
  void InvalidateWholeBitmap();

  void paintEvent(QPaintEvent* event) override;

private:
  void RebuildImage();

  TPalette palette_;
  QList<QRgb> colourTable_;
  TIndexedImage bitmap_;
  QImage image_;
  int zoom_ = 100;
};

}  // namespace vh
