#pragma once

#include <QSpinBox>

namespace vh {

// A number field with arrows that takes as many digits as its width allows
// (MaxLength) and reports every change of its text, also a number beyond
// its limits: it is brought into MinValue..MaxValue only when it loses the
// focus, which reports the limited number again. Text that is not a number
// counts as MinValue, so an emptied field reports it.
class TSpinEdit : public QSpinBox {
  Q_OBJECT

public:
  TSpinEdit(int minValue, int maxValue, int maxLength, QWidget* parent = nullptr);

  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  // False: the field keeps an out-of-range number when it loses the focus,
  // for owners that ignore such numbers and show their own value again.
  bool LimitOnExit = true;

  // The number typed, or MinValue when the text is not a number.
  int Value() const;
  void SetValue(int value);

signals:
  void Changed(int value);

private:
  void LimitToRange();
  int min_;
  int max_;
};

} // namespace vh
