#pragma once

#include <QWidget>

namespace vh {

// One row of six square toggle buttons, one per player: the allies a player
// marks. Bit i of AktSel is button i. The row is as wide as its buttons need
// (6 * (ButWidth + Space) - Space) and as high as one button; setting the
// bounds instead derives the button size from them.
class TAllianzButtons : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int Space READ Space WRITE SetSpace)
  Q_PROPERTY(int ButWidth READ ButWidth WRITE SetButWidth)
  Q_PROPERTY(int ButHeight READ ButHeight WRITE SetButHeight)
  Q_PROPERTY(int AktSel READ AktSel WRITE SetAktSel NOTIFY AktSelChanged)

public:
  static constexpr int ButtonCount = 6;
  static constexpr int MinButtonSize = 5;
  static constexpr int MaxSel = 63;

  explicit TAllianzButtons(QWidget* parent = nullptr);

  int Space() const { return space_; }
  int ButWidth() const { return butWidth_; }
  int ButHeight() const { return butHeight_; }
  int AktSel() const { return aktSel_; }

  void SetSpace(int value);
  void SetButWidth(int value);
  void SetButHeight(int value);
  // An ERangeError outside 0..63.
  void SetAktSel(int value);
  // Derives ButWidth and ButHeight from the bounds, then takes the bounds the
  // buttons actually need.
  void SetBounds(int left, int top, int width, int height);

  QRect ButtonRect(int i) const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

signals:
  void AktSelChanged(int value);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  int RowWidth() const;
  void ApplySize();
  void DeriveFromSize(int width, int height);

  int space_ = 2;
  int butWidth_ = 16;
  int butHeight_ = 16;
  int aktSel_ = 0;
};

}  // namespace vh
