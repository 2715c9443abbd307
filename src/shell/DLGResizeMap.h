#pragma once

#include <QDialog>
#include <QWidget>
#include <array>

#include "mission/MapResize.h"

class QSpinBox;
class QToolButton;

namespace vh {

// A small picture of the new map with the old map's outline where it goes.
class TResizePreview : public QWidget {
  Q_OBJECT
public:
  explicit TResizePreview(QWidget* parent = nullptr);
  void Show(TPoint oldSize, const TResize& resize);
  QSize sizeHint() const override { return {150, 150}; }

protected:
  void paintEvent(QPaintEvent*) override;

private:
  TPoint old_{0, 0};
  TResize resize_{};
};

// "Resize Map": the new width and height (the limits of "New Mission") and
// where the old map goes, by one of nine anchors or by column and row
// offsets. Column offsets are even: odd columns sit half a cell lower.
class TDLGResizeMap : public QDialog {
  Q_OBJECT
public:
  TDLGResizeMap(TPoint oldSize, QWidget* parent = nullptr);

  TResize Resize() const;
  // Chooses anchor column 0..2 (left, middle, right) and row 0..2 (top,
  // middle, bottom): the offsets follow, now and whenever the size changes.
  void SetAnchor(int column, int row);

  QSpinBox* WidthEdit = nullptr;
  QSpinBox* HeightEdit = nullptr;
  QSpinBox* ColumnOffsetEdit = nullptr;
  QSpinBox* RowOffsetEdit = nullptr;
  std::array<QToolButton*, 9> AnchorButtons{};  // row by row
  TResizePreview* Preview = nullptr;

private:
  void SizeChanged();
  void OffsetEdited();
  void Update();

  TPoint old_;
  int anchorColumn_ = 0, anchorRow_ = 0;
  bool anchored_ = true;  // the offsets follow the anchor
  bool placing_ = false;  // the dialog itself sets the offsets
};

}  // namespace vh
