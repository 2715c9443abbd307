#include "tools/COMPSpinEdit.h"

#include <QLineEdit>

#include <algorithm>

namespace vh {

namespace {

int LargestWithDigits(int digits) {
  int n = 1;
  for (int i = 0; i < digits; ++i)
    n *= 10;
  return n - 1;
}

}  // namespace

TSpinEdit::TSpinEdit(int minValue, int maxValue, int maxLength, QWidget* parent)
    : QSpinBox(parent), min_(minValue), max_(maxValue) {
  setRange(minValue, LargestWithDigits(maxLength));
  lineEdit()->setMaxLength(maxLength);
  setKeyboardTracking(true);
  // Text that is no number is left alone here and limited on exit.
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  const int digits = fontMetrics().horizontalAdvance(QString(maxLength, QLatin1Char('0')));
  setFixedWidth(digits + 40);
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
    const int v = Value();
    if (v >= min_ && v <= max_)
      emit Changed(v);
  });
  connect(this, &QSpinBox::editingFinished, this, &TSpinEdit::LimitToRange);
}

int TSpinEdit::Value() const {
  bool ok = false;
  const int v = cleanText().toInt(&ok);
  return ok ? v : min_;
}

void TSpinEdit::SetValue(int value) {
  setValue(value);
}

// The box itself accepts every number of MaxLength digits, so stepping is
// held to the limits here.
void TSpinEdit::stepBy(int steps) {
  const int from = std::clamp(Value(), min_, max_);
  const int to = std::clamp(from + steps, min_, max_);
  if (to == Value())
    return;
  // The box writes the stepped text with the editor's signals blocked.
  QSpinBox::stepBy(to - value());
  emit Changed(Value());
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const {
  if (isReadOnly())
    return StepNone;
  const int v = Value();
  StepEnabled e = StepNone;
  if (v < max_)
    e |= StepUpEnabled;
  if (v > min_)
    e |= StepDownEnabled;
  return e;
}

void TSpinEdit::LimitToRange() {
  if (!LimitOnExit)
    return;
  const int v = Value();
  const int limited = v < min_ ? min_ : v > max_ ? max_ : v;
  // An emptied field shows its number again.
  if (limited != v || cleanText().isEmpty())
    lineEdit()->setText(QString::number(limited));
}

}  // namespace vh
