#include "tools/COMPSpinEdit.h"

#include <QLineEdit>

namespace vh {

namespace {

int LargestWithDigits(int digits) {
  int n = 1;
  for (int i = 0; i < digits; ++i)
    n *= 10;
  return n - 1;
}

} // namespace

TSpinEdit::TSpinEdit(int minValue, int maxValue, int maxLength, QWidget* parent)
    : QSpinBox(parent), min_(minValue), max_(maxValue) {
  setRange(minValue, LargestWithDigits(maxLength));
  lineEdit()->setMaxLength(maxLength);
  setKeyboardTracking(true);
  // Text that is no number is left alone here and limited on exit.
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  const int digits = fontMetrics().horizontalAdvance(QString(maxLength, QLatin1Char('0')));
  setFixedWidth(digits + 40);
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] { emit Changed(Value()); });
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

void TSpinEdit::LimitToRange() {
  if (!LimitOnExit)
    return;
  const int v = Value();
  const int limited = v < min_ ? min_ : v > max_ ? max_ : v;
  // An emptied field shows its number again.
  if (limited != v || cleanText().isEmpty())
    lineEdit()->setText(QString::number(limited));
}

} // namespace vh
