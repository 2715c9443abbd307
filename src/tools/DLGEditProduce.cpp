#include "tools/DLGEditProduce.h"

#include <QPushButton>

#include "tools/COMPContentView.h"
#include "tools/COMPMultiSelView.h"

namespace vh {

// --- Edit Production ---------------------------------------------------------------

TEditProduceForm::TEditProduceForm(const TPictureSets& sets, QWidget* parent) : TCentredDialog(parent) {
  setWindowTitle(tr("Edit Production"));
  setObjectName(QStringLiteral("EditProduceForm"));
  VehSelector = MakeDialogUnitSelector(sets, this);

  Produce = new TProduceView(sets, this);
  Produce->setObjectName(QStringLiteral("Produce"));
  ApplySlotGridSettings(*Produce);
  Produce->ActionList0 = {maLeftDown, maLeftMove};
  Produce->OnMouseAction0 = [this](TEckView*, TMouseActionItem action, Qt::MouseButton, TShiftState,
                                   int32_t x, int32_t y) {
    ProduceMouseAction0(action, {x, y});
  };
  Produce->SetupGrid();
  Produce->RedrawAll();

  ClearProduceBut = MakeNamedButton(QStringLiteral("X"), QStringLiteral("ClearProduceBut"), this);
  connect(ClearProduceBut, &QPushButton::clicked, this, &TEditProduceForm::ClearProduceButClick);
  Button1 = MakeNamedButton(tr("OK"), QStringLiteral("Button1"), this);
  Button2 = MakeNamedButton(tr("Cancel"), QStringLiteral("Button2"), this);
  LayOutSlotDialog(*this, VehSelector, Produce, ClearProduceBut, Button1, Button2);
}

void TEditProduceForm::ProduceMouseAction0(TMouseActionItem action, TPoint cell) {
  if (action != maLeftDown && action != maLeftMove)
    return;
  const int16_t unit = VehSelector->CurrentValue();
  if (unit == 0)
    return;
  Produce->SetSlot(cell, unit);
}

void TEditProduceForm::ClearProduceButClick() {
  Produce->Clear(true);
}

}  // namespace vh
