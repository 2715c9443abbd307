#include "tools/DLGEditContent.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "tools/COMPContentView.h"
#include "tools/COMPMultiSelView.h"

namespace vh {

// Either button moves the dialog's unit cursor: there is nothing else to do
// with a click in the selector.
constexpr TMouseActionList EitherButtonMoves{maLeftDown, maRightDown, maLeftMove, maRightMove,
                                             maLeftRightMove};

TMultiSelView* MakeDialogUnitSelector(const TPictureSets& sets, QWidget* parent) {
  auto* selector = new TMultiSelView(sets, parent);
  selector->setObjectName(QStringLiteral("VehSelector"));
  selector->ActionListMove = EitherButtonMoves;
  SetupUnitSelector(*selector);
  return selector;
}

QPushButton* MakeNamedButton(const QString& text, const QString& name, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  return b;
}

void LayOutSlotDialog(QDialog& dialog, QWidget* selector, QWidget* slotGrid, QPushButton* clear,
                      QPushButton* ok, QPushButton* cancel) {
  clear->setFixedWidth(28);
  auto* slotRow = new QHBoxLayout;
  slotRow->addWidget(slotGrid, 0, Qt::AlignTop);
  slotRow->addWidget(clear, 0, Qt::AlignTop);
  slotRow->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(selector, 0, Qt::AlignLeft);
  layout->addLayout(slotRow);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
}

// --- Edit Content ------------------------------------------------------------------

TEditContentForm::TEditContentForm(const TPictureSets& sets, QWidget* parent) : TCentredDialog(parent) {
  setWindowTitle(tr("Edit Content"));
  setObjectName(QStringLiteral("EditContentForm"));
  VehSelector = MakeDialogUnitSelector(sets, this);

  Content = new TContentView(sets, this);
  Content->setObjectName(QStringLiteral("Content"));
  Content->VehContent = false;
  ApplySlotGridSettings(*Content);
  Content->ActionList0 = {maLeftDown, maLeftMove};
  Content->OnMouseAction0 = [this](TEckView*, TMouseActionItem action, Qt::MouseButton, TShiftState,
                                   int32_t x, int32_t y) {
    ContentMouseAction0(action, {x, y});
  };
  Content->SetupGrid();
  Content->RedrawAll();

  ClearContentBut = MakeNamedButton(QStringLiteral("X"), QStringLiteral("ClearContentBut"), this);
  connect(ClearContentBut, &QPushButton::clicked, this, &TEditContentForm::ClearContentButClick);
  Button1 = MakeNamedButton(tr("OK"), QStringLiteral("Button1"), this);
  Button2 = MakeNamedButton(tr("Cancel"), QStringLiteral("Button2"), this);
  LayOutSlotDialog(*this, VehSelector, Content, ClearContentBut, Button1, Button2);
}

void TEditContentForm::ContentMouseAction0(TMouseActionItem action, TPoint cell) {
  if (action == maLeftDown || action == maLeftMove)
    Content->SetSlot(cell, VehSelector->CurrentValue());
}

void TEditContentForm::ClearContentButClick() {
  Content->Clear(true);
}

}  // namespace vh
