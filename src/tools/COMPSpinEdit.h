#pragma once

#include <QSpinBox>

namespace vh {

// A number field with arrows that takes as many digits as its width allows
// (MaxLength) and reports every change of its text that is a number within
// MinValue..MaxValue. A number beyond the limits may stand in the field
// while it is typed; it is not reported and is brought into the limits
// when the field loses the focus, which reports the limited number. Text
// that is not a number counts as MinValue, so an emptied field reports it.
// The arrows, keys and wheel step only within the limits.
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

protected:
  void stepBy(int steps) override;
  StepEnabled stepEnabled() const override;

private:
  void LimitToRange();
  int min_;
  int max_;
};

}  // namespace vh
