#pragma once

#include "tools/DLGEditContent.h"

namespace vh {

class TProduceView;

// "Edit Production": the same for the 4 production slots. Unit type 0 cannot
// be produced: the mission file reads a production entry 0 back as empty.
class TEditProduceForm : public TCentredDialog {
  Q_OBJECT

public:
  explicit TEditProduceForm(const TPictureSets& sets, QWidget* parent = nullptr);

  TMultiSelView* VehSelector = nullptr;
  TProduceView* Produce = nullptr;
  QPushButton* ClearProduceBut = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

private:
  void ProduceMouseAction0(TMouseActionItem action, TPoint cell);
  void ClearProduceButClick();
};

}  // namespace vh
