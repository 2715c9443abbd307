// The palette's "Vehicle" page: the unit selector with its owner, and for the
// unit under the followed view's cursor its cargo and its AI point.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Anomaly.h"
#include "tools/COMPContentView.h"
#include "tools/COMPMultiSelView.h"
#include "tools/COMPSpinEdit.h"
#include "tools/MDIPicturesForm.h"
#include "tools/PaletteEdits.h"
#include "views/COMPMissView.h"

namespace vh {

QWidget* TMDIPictures::BuildVehiclePage() {
  auto* page = new QWidget;
  VehSelector = new TMultiSelView(sets_, page);
  VehSelector->setObjectName(QStringLiteral("VehSelector"));
  VehOwnerComboBox = new QComboBox;
  VehOwnerComboBox->setObjectName(QStringLiteral("VehOwnerComboBox"));
  for (int i = 0; i < PlayerCount; ++i)
    VehOwnerComboBox->addItem(QString());
  vehOwnerLabel_ = new QLabel(tr("&Owner"));
  vehOwnerLabel_->setBuddy(VehOwnerComboBox);

  VehContent = new TContentView(sets_);
  VehContent->setObjectName(QStringLiteral("VehContent"));
  VehContent->VehContent = true;
  ApplySlotGridSettings(*VehContent);
  VehContent->ActionList0 = {maLeftDown, maLeftMove};
  VehContent->OnMouseAction0 = [this](TEckView*, TMouseActionItem action, Qt::MouseButton, TShiftState,
                                      int32_t x, int32_t y) {
    VehContentMouseAction0(action, {x, y});
  };
  VehContentClearButton = new QPushButton(QStringLiteral("X"));
  VehContentClearButton->setObjectName(QStringLiteral("VehContentClearButton"));
  VehContentClearButton->setFixedWidth(28);

  BuildAIGroup();
  auto* ownerRow = new QHBoxLayout;
  ownerRow->addWidget(vehOwnerLabel_);
  ownerRow->addWidget(VehOwnerComboBox, 1);
  auto* cargoButtons = new QVBoxLayout;
  cargoButtons->addWidget(VehContentClearButton);
  cargoButtons->addStretch(1);
  auto* cargo = new QVBoxLayout;
  cargo->addWidget(new QLabel(tr("Content")));
  auto* cargoRow = new QHBoxLayout;
  cargoRow->addWidget(VehContent, 0, Qt::AlignTop);
  cargoRow->addLayout(cargoButtons);
  cargo->addLayout(cargoRow);
  cargo->addStretch(1);
  auto* ai = new QVBoxLayout;
  ai->addWidget(IsAI);
  ai->addWidget(AIGroup);
  ai->addStretch(1);
  auto* lower = new QHBoxLayout;
  lower->addLayout(cargo);
  lower->addSpacing(8);
  lower->addLayout(ai, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(VehSelector, 0, Qt::AlignLeft);
  layout->addLayout(ownerRow);
  layout->addLayout(lower);
  layout->addStretch(1);

  connect(VehContentClearButton, &QPushButton::clicked, this, &TMDIPictures::VehContentClearButtonClick);
  connect(IsAI, &QCheckBox::clicked, this, &TMDIPictures::IsAIClick);
  connect(AI1231, &QCheckBox::clicked, this, &TMDIPictures::AI1231Click);
  return page;
}

// The AI point of the unit under the cursor: its four values and the flag.
void TMDIPictures::BuildAIGroup() {
  IsAI = new QCheckBox(tr("AI Point"));
  IsAI->setObjectName(QStringLiteral("IsAI"));
  AIGroup = new QGroupBox;
  AIGroup->setObjectName(QStringLiteral("AIGroup"));
  auto* aiGrid = new QGridLayout(AIGroup);
  const char* const names[] = {"AI0A", "AI48", "AI4A", "AI4E"};
  const char* const labels[] = {"0Ah", "48h", "4Ah", "4Eh"};
  TSpinEdit** const edits[] = {&AI0A, &AI48, &AI4A, &AI4E};
  for (int i = 0; i < 4; ++i) {
    auto* e = new TSpinEdit(0, 0xFFFF, 5);
    e->setObjectName(QString::fromLatin1(names[i]));
    // A number beyond 65535 is ignored, not cut to the limit.
    e->LimitOnExit = false;
    *edits[i] = e;
    auto* label = new QLabel(QString::fromLatin1(labels[i]));
    label->setBuddy(e);
    aiGrid->addWidget(label, i / 2, (i % 2) * 2);
    aiGrid->addWidget(e, i / 2, (i % 2) * 2 + 1);
    connect(e, &TSpinEdit::Changed, this, [this, i](int v) { AIValueChange(i, v); });
    connect(e, &TSpinEdit::editingFinished, this, [this, i] { AIValueEditDone(i); });
  }
  AI1231 = new QCheckBox(QStringLiteral("12h..31h = -1"));
  AI1231->setObjectName(QStringLiteral("AI1231"));
  aiGrid->addWidget(AI1231, 2, 0, 1, 4);
}

void TMDIPictures::SetUpCellUnitFields() {
  VehContent->SetupGrid();
  VehContent->DisableView(true);
  VehContentClearButton->setEnabled(false);
  IsAI->setEnabled(false);
  ClearAIFields();
  EnableAIFields(false);
}

// --- The unit under the cursor -------------------------------------------------------

void TMDIPictures::ShowCellUnit(int16_t vehContent, bool hasUnit, int16_t aiPoint) {
  const int16_t oldC = curContent_, oldA = curAIPoint_;
  const bool had = unitShown_;
  const int16_t c = vehContent, a = aiPoint;
  const bool u = hasUnit;

  curAIPoint_ = a;
  curContent_ = c;
  if (!had && u) {
    VehContent->EnableView(c == -1);
    VehContentClearButton->setEnabled(true);
  }
  if (u && c != -1) {
    const TMission* m = Mission();
    if (const TVehContentRec* rec = m ? m->GetVehContent(c) : nullptr)
      VehContent->LoadUnitSlots(rec->Units, true);
    else
      VehContent->Clear(true);
  }
  if (had && oldC != -1 && c == -1)
    VehContent->Clear(u);
  if (had && !u) {
    VehContent->DisableView(true);
    VehContentClearButton->setEnabled(false);
  }
  if (!had && u)
    IsAI->setEnabled(true);
  if (had && !u)
    IsAI->setEnabled(false);
  if (oldA == -1 && a != -1)
    EnableAIFields(true);
  if (a != -1)
    ShowAIPoint(a);
  if (oldA != -1 && a == -1) {
    ClearAIFields();
    EnableAIFields(false);
  }
  unitShown_ = u;
}

void TMDIPictures::ShowAIPoint(int16_t a) {
  const TMission* m = Mission();
  const TAIPointRec* p = m ? m->GetAIPoint(a) : nullptr;
  if (!p) {
    ReportAnomaly("AI point " + std::to_string(a) + " has no record");
    return;
  }
  TScopedFlag updating(updating_);
  IsAI->setChecked(true);
  AI0A->SetValue(p->AI0A);
  AI48->SetValue(p->AI48);
  AI4A->SetValue(p->AI4A);
  AI4E->SetValue(p->AI4E);
  AI1231->setChecked(p->AI1231 != 0);
}

void TMDIPictures::ClearAIFields() {
  TScopedFlag updating(updating_);
  IsAI->setChecked(false);
  for (TSpinEdit* e : {AI0A, AI48, AI4A, AI4E})
    e->SetValue(0);
  AI1231->setChecked(false);
}

void TMDIPictures::EnableAIFields(bool enable) {
  const std::initializer_list<QWidget*> fields{AI0A, AI48, AI4A, AI4E, AI1231};
  if (!enable)
    KeepFocusOffDisabled(fields);
  for (QWidget* w : fields)
    w->setEnabled(enable);
}

// --- Cargo ---------------------------------------------------------------------------

void TMDIPictures::VehContentMouseAction0(TMouseActionItem action, TPoint cell) {
  if ((action != maLeftDown && action != maLeftMove) || !Mission())
    return;
  const bool wasEmpty = VehContent->IsEmpty();
  if (!VehContent->SetSlot(cell, VehSelector->CurrentValue()))
    return;
  const TPoint cursor = view_->CursorPos();
  TCargoWrite write;
  EditMission(QT_TRANSLATE_NOOP("History", "Cargo"), [&](TMission& m) {
    write = StoreCargo(m, cursor, curContent_, wasEmpty, VehContent->UnitSlots());
    // The cell shows the mark of a unit with cargo.
    return RecordsAt(write.Created ? std::vector<TPoint>{cursor} : std::vector<TPoint>{});
  });
  if (write.Target != curContent_)
    ShowCellUnit(write.Target, unitShown_, curAIPoint_);
}

void TMDIPictures::VehContentClearButtonClick() {
  if (curContent_ == -1 || !Mission())
    return;
  VehContent->Clear(true);
  const TPoint cursor = view_->CursorPos();
  EditMission(QT_TRANSLATE_NOOP("History", "Cargo"), [&](TMission& m) {
    m.DeleteVehContent(cursor);
    return RecordsAt({cursor});
  });
  curContent_ = -1;
}

// --- AI point ---------------------------------------------------------------------------

void TMDIPictures::IsAIClick(bool checked) {
  if (!Mission())
    return;
  const TPoint cursor = view_->CursorPos();
  if (curAIPoint_ == -1 && checked) {
    int16_t n = -1;
    EditMission(QT_TRANSLATE_NOOP("History", "New AI Point"), [&](TMission& m) {
      n = static_cast<int16_t>(m.NewAIPoint(cursor));
      return RecordsAt({cursor});
    });
    ShowCellUnit(curContent_, unitShown_, n);
  } else if (curAIPoint_ != -1 && !checked) {
    EditMission(QT_TRANSLATE_NOOP("History", "Delete AI Point"), [&](TMission& m) {
      m.DeleteAIPoint(cursor);
      return RecordsAt({cursor});
    });
    ShowCellUnit(curContent_, unitShown_, -1);
  }
}

void TMDIPictures::AIValueChange(int which, int value) {
  TMission* m = Mission();
  TAIPointRec* p = m ? m->GetAIPoint(curAIPoint_) : nullptr;
  if (updating_ || !p)
    return;
  EditMission(
      QT_TRANSLATE_NOOP("History", "AI Point"),
      [&](TMission& mission) {
        StoreAIValue(mission, *p, static_cast<TAIValue>(which), value);
        return RecordsAt({});
      },
      "AI point " + std::to_string(curAIPoint_) + " value " + std::to_string(which));
}

void TMDIPictures::AIValueEditDone(int which) {
  TMission* m = Mission();
  TAIPointRec* p = m ? m->GetAIPoint(curAIPoint_) : nullptr;
  TSpinEdit* const edits[] = {AI0A, AI48, AI4A, AI4E};
  TSpinEdit* e = edits[which];
  if (!p || e->Value() <= e->MaxValue())
    return;
  TScopedFlag updating(updating_);
  e->SetValue(AIValueField(*p, static_cast<TAIValue>(which)));
}

void TMDIPictures::AI1231Click(bool checked) {
  TMission* m = Mission();
  TAIPointRec* p = m ? m->GetAIPoint(curAIPoint_) : nullptr;
  if (p)
    EditMission(QT_TRANSLATE_NOOP("History", "AI Point"), [&](TMission& mission) {
      AssignField(mission, p->AI1231, checked ? 1 : 0);
      return RecordsAt({});
    });
}

}  // namespace vh
