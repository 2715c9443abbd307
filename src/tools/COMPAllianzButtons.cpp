#include "tools/COMPAllianzButtons.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <string>

#include "base/Errors.h"

namespace vh {

TAllianzButtons::TAllianzButtons(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  ApplySize();
}

int TAllianzButtons::RowWidth() const {
  return std::max(0, ButtonCount * (butWidth_ + space_) - space_);
}

QSize TAllianzButtons::sizeHint() const {
  return {RowWidth(), butHeight_};
}

void TAllianzButtons::ApplySize() {
  const QSize want = sizeHint();
  if (size() != want)
    resize(want);
  updateGeometry();
}

void TAllianzButtons::SetSpace(int value) {
  space_ = value;
  ApplySize();
  update();
}

void TAllianzButtons::SetButWidth(int value) {
  butWidth_ = std::max(MinButtonSize, value);
  ApplySize();
  update();
}

void TAllianzButtons::SetButHeight(int value) {
  butHeight_ = std::max(MinButtonSize, value);
  ApplySize();
  update();
}

void TAllianzButtons::SetAktSel(int value) {
  if (value < 0 || value > MaxSel)
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "Alliance selection %1 is outside 0..63"), value));
  if (value == aktSel_)
    return;
  aktSel_ = value;
  update();
  emit AktSelChanged(aktSel_);
}

void TAllianzButtons::DeriveFromSize(int width, int height) {
  butWidth_ = std::max(MinButtonSize, (width + space_) / ButtonCount - space_);
  butHeight_ = std::max(MinButtonSize, height);
}

void TAllianzButtons::SetBounds(int left, int top, int width, int height) {
  DeriveFromSize(width, height);
  setGeometry(left, top, RowWidth(), butHeight_);
  updateGeometry();
  update();
}

void TAllianzButtons::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // A size imposed from outside (a layout, a plain resize) goes through the
  // same rule as SetBounds; the corrected size then matches and ends here.
  DeriveFromSize(width(), height());
  if (size() != sizeHint())
    resize(sizeHint());
}

QRect TAllianzButtons::ButtonRect(int i) const {
  return {i * (butWidth_ + space_), 0, butWidth_, butHeight_};
}

void TAllianzButtons::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  for (int i = 0; i < ButtonCount; ++i) {
    const int left = i * (butWidth_ + space_);
    const int right = left + butWidth_;
    const int bottom = butHeight_;
    const QColor fill = (aktSel_ >> i) & 1 ? pal.color(QPalette::Highlight) : pal.color(QPalette::Button);
    // Shadow on the top and left, light on the bottom and right: the buttons
    // look sunken, pressed ones filled with the highlight colour.
    p.setPen(QPen(pal.color(QPalette::Dark), 1));
    p.drawLine(left, bottom - 1, left, 0);
    p.drawLine(left, 0, right - 1, 0);
    p.setPen(QPen(pal.color(QPalette::Light), 1));
    p.drawLine(right - 1, 0, right - 1, bottom - 1);
    // The corner pixel at the bottom left stays in the shadow colour.
    p.drawLine(right - 1, bottom - 1, left + 1, bottom - 1);
    p.fillRect(QRect(QPoint(left + 1, 1), QPoint(right - 2, bottom - 2)), fill);
  }
}

void TAllianzButtons::mousePressEvent(QMouseEvent* event) {
  const int pitch = butWidth_ + space_;
  const int x = event->position().toPoint().x();
  if (pitch <= 0 || x < 0)
    return;
  const int i = x / pitch;
  if (i >= ButtonCount || x % pitch >= butWidth_)
    return;  // a gap between buttons
  aktSel_ ^= 1 << i;
  update(ButtonRect(i));
  emit AktSelChanged(aktSel_);
}

}  // namespace vh
