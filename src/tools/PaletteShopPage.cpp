// The palette's "Shop" page: the shop on the cell under the followed view's
// cursor, the list of all shops of its mission, and the operations through
// which the main frame attaches the palette to a mission view.
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "base/Anomaly.h"
#include "hexmap/CellEditing.h"
#include "tools/COMPContentView.h"
#include "tools/COMPSpinEdit.h"
#include "tools/DLGEditProduce.h"
#include "tools/MDIPicturesForm.h"
#include "tools/PaletteEdits.h"
#include "views/COMPMissView.h"
#include "views/QtText.h"

namespace {

// Typing into one field of one shop becomes one step.
std::string FieldKey(int16_t shop, const char* field) {
  return "shop " + std::to_string(shop) + " " + field;
}

}  // namespace

namespace vh {

namespace {

constexpr int ShopNameLength = 16;

QLabel* BuddyLabel(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

QPushButton* SmallButton(const QString& text, const QString& name) {
  auto* b = new QPushButton(text);
  b->setObjectName(name);
  b->setFixedWidth(28);
  return b;
}

}  // namespace

QWidget* TMDIPictures::BuildShopPage() {
  auto* page = new QWidget;
  CreateShopControls();
  LayOutShopPage(page);
  ConnectShopPage();
  return page;
}

void TMDIPictures::CreateShopControls() {
  ShopButton = new QPushButton(tr("&New"));
  ShopButton->setObjectName(QStringLiteral("ShopButton"));
  Label4 = new QLabel(tr("Shop Nr.:"));
  Label4->setObjectName(QStringLiteral("Label4"));
  ShopNrValue = new QLabel(QStringLiteral("-1"));
  ShopNrValue->setObjectName(QStringLiteral("ShopNrValue"));

  ShopNameCombo = new QComboBox;
  ShopNameCombo->setObjectName(QStringLiteral("ShopNameCombo"));
  ShopNameCombo->setMaxVisibleItems(20);
  ShopNameCombo->setFocusPolicy(Qt::ClickFocus);
  ShopNameCombo->setMinimumWidth(170);
  // The name is typed into a borderless field over the list's text, so the
  // list shows every shop while the field edits the current one.
  ShopNameEdit = new QLineEdit(ShopNameCombo);
  ShopNameEdit->setObjectName(QStringLiteral("ShopNameEdit"));
  ShopNameEdit->setFrame(false);
  ShopNameEdit->setMaxLength(ShopNameLength);
  ShopNameEdit->installEventFilter(this);
  ShopNameCombo->installEventFilter(this);

  OwnerComboBox = new QComboBox;
  OwnerComboBox->setObjectName(QStringLiteral("OwnerComboBox"));
  OwnerComboBox->setMaxVisibleItems(SideCount);
  for (int i = 0; i < SideCount; ++i)
    OwnerComboBox->addItem(QString());
  TypeComboBox = new QComboBox;
  TypeComboBox->setObjectName(QStringLiteral("TypeComboBox"));
  for (int t = 0; t < ShopTypeCount; ++t)
    TypeComboBox->addItem(TranslatedText("Shop", ShopTypeName(static_cast<uint8_t>(t))));

  const auto spin = [](int max, int digits, const char* name) {
    auto* s = new TSpinEdit(0, max, digits);
    s->setObjectName(QString::fromLatin1(name));
    return s;
  };
  EnergyEdit = spin(999, 3, "EnergyEdit");
  EPEdit = spin(99, 2, "EPEdit");
  MaterialEdit = spin(999, 3, "MaterialEdit");
  MPEdit = spin(99, 2, "MPEdit");
  PriorityEdit = spin(1000, 4, "PriorityEdit");

  ShopContent = new TContentView(sets_);
  ShopContent->setObjectName(QStringLiteral("ShopContent"));
  ShopProduce = new TProduceView(sets_);
  ShopProduce->setObjectName(QStringLiteral("ShopProduce"));
  ContentEditBut = SmallButton(QStringLiteral("..."), QStringLiteral("ContentEditBut"));
  ContentClearBut = SmallButton(QStringLiteral("X"), QStringLiteral("ContentClearBut"));
  ProduceEditBut = SmallButton(QStringLiteral("..."), QStringLiteral("ProduceEditBut"));
  ProduceClearBut = SmallButton(QStringLiteral("X"), QStringLiteral("ProduceClearBut"));
}

void TMDIPictures::LayOutShopPage(QWidget* page) {
  auto* grid = new QGridLayout(page);
  auto* top = new QHBoxLayout;
  top->addWidget(ShopButton);
  top->addSpacing(12);
  top->addWidget(Label4);
  top->addWidget(ShopNrValue);
  top->addStretch(1);
  grid->addLayout(top, 0, 0, 1, 5);
  grid->addWidget(BuddyLabel(tr("N&ame"), ShopNameEdit), 1, 0);
  grid->addWidget(ShopNameCombo, 1, 1, 1, 4);
  grid->addWidget(BuddyLabel(tr("&Owner"), OwnerComboBox), 2, 0);
  grid->addWidget(OwnerComboBox, 2, 1, 1, 4);
  grid->addWidget(BuddyLabel(tr("&Type"), TypeComboBox), 3, 0);
  grid->addWidget(TypeComboBox, 3, 1, 1, 4);
  grid->addWidget(BuddyLabel(tr("&Energy"), EnergyEdit), 4, 0);
  grid->addWidget(EnergyEdit, 4, 1);
  grid->addWidget(BuddyLabel(QStringLiteral("+"), EPEdit), 4, 2, Qt::AlignRight);
  grid->addWidget(EPEdit, 4, 3);
  grid->addWidget(BuddyLabel(tr("&Material"), MaterialEdit), 5, 0);
  grid->addWidget(MaterialEdit, 5, 1);
  grid->addWidget(BuddyLabel(QStringLiteral("+"), MPEdit), 5, 2, Qt::AlignRight);
  grid->addWidget(MPEdit, 5, 3);
  grid->addWidget(BuddyLabel(tr("P&riority"), PriorityEdit), 6, 0);
  grid->addWidget(PriorityEdit, 6, 1);

  const auto slotRow = [&](int row, const QString& label, QWidget* view, QPushButton* edit,
                           QPushButton* clear) {
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(edit);
    buttons->addWidget(clear);
    buttons->addStretch(1);
    auto* box = new QHBoxLayout;
    box->addWidget(view, 0, Qt::AlignTop);
    box->addLayout(buttons);
    box->addStretch(1);
    grid->addWidget(BuddyLabel(label, edit), row, 0, Qt::AlignTop);
    grid->addLayout(box, row, 1, 1, 4);
  };
  slotRow(7, tr("&Content"), ShopContent, ContentEditBut, ContentClearBut);
  slotRow(8, tr("&Product."), ShopProduce, ProduceEditBut, ProduceClearBut);
  grid->setRowStretch(9, 1);
  grid->setColumnStretch(4, 1);
}

void TMDIPictures::ConnectShopPage() {
  connect(ShopButton, &QPushButton::clicked, this, &TMDIPictures::ShopButtonClick);
  connect(ShopNameCombo, &QComboBox::activated, this, &TMDIPictures::ShopNameComboChange);
  connect(ShopNameEdit, &QLineEdit::textChanged, this, &TMDIPictures::ShopNameEditChange);
  connect(OwnerComboBox, &QComboBox::activated, this, &TMDIPictures::OwnerComboBoxChange);
  connect(TypeComboBox, &QComboBox::activated, this, &TMDIPictures::TypeComboBoxChange);
  connect(EnergyEdit, &TSpinEdit::Changed, this,
          [this](int v) { StoreShopNumber(&TArrShop::Energy, v, QT_TRANSLATE_NOOP("History", "Energy")); });
  connect(EPEdit, &TSpinEdit::Changed, this,
          [this](int v) { StoreShopNumber(&TArrShop::EP, v, QT_TRANSLATE_NOOP("History", "EP")); });
  connect(MaterialEdit, &TSpinEdit::Changed, this, [this](int v) {
    StoreShopNumber(&TArrShop::Material, v, QT_TRANSLATE_NOOP("History", "Material"));
  });
  connect(MPEdit, &TSpinEdit::Changed, this,
          [this](int v) { StoreShopNumber(&TArrShop::MP, v, QT_TRANSLATE_NOOP("History", "MP")); });
  connect(PriorityEdit, &TSpinEdit::Changed, this, [this](int v) {
    StoreShopNumber(&TArrShop::Priority, v, QT_TRANSLATE_NOOP("History", "Priority"));
  });
  ShopContent->OnChange = [this](TEckView*) { ShopContentChange(); };
  ShopProduce->OnChange = [this](TEckView*) { ShopProduceChange(); };
  connect(ContentEditBut, &QPushButton::clicked, this, &TMDIPictures::ContentEditButClick);
  connect(ContentClearBut, &QPushButton::clicked, this, &TMDIPictures::ContentClearButClick);
  connect(ProduceEditBut, &QPushButton::clicked, this, &TMDIPictures::ProduceEditButClick);
  connect(ProduceClearBut, &QPushButton::clicked, this, &TMDIPictures::ProduceClearButClick);
}

void TMDIPictures::SetUpShopPage() {
  for (TEckView* v : {static_cast<TEckView*>(ShopContent), static_cast<TEckView*>(ShopProduce)})
    ApplySlotGridSettings(*v);
  ShopContent->SetupGrid();
  ShopProduce->SetupGrid();
  {
    TScopedFlag updating(updating_);
    ClearShopFields();
  }
  EnableShopControls(false);
  ShopButton->setEnabled(false);
  ShopNameCombo->setEnabled(false);
  PlaceShopNameEdit();
}

void TMDIPictures::PlaceShopNameEdit() {
  QStyleOptionComboBox option;
  option.initFrom(ShopNameCombo);
  option.editable = false;
  const QRect text = ShopNameCombo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                            QStyle::SC_ComboBoxEditField, ShopNameCombo);
  ShopNameEdit->setGeometry(text);
}

// --- Following a mission view ------------------------------------------------------

TMission* TMDIPictures::Mission() const {
  return view_ ? &view_->Mission() : nullptr;
}

TArrShop* TMDIPictures::Shop() const {
  return view_ && curShop_ != -1 ? view_->GetShop(curShop_) : nullptr;
}

void TMDIPictures::AttachMissionView(TMissView* view) {
  if (view == view_)
    return;
  if (!view) {
    DetachMissionView();
    return;
  }
  view_ = view;
  RefreshFromMission();
}

void TMDIPictures::RefreshFromMission() {
  if (!view_)
    return;
  FillShopNameList();
  const TMissionCell cell = view_->CursorCell();
  SetCurrentShop(cell.Shop);
  ShopNameCombo->setCurrentIndex(ShopListPosition(curShop_));
  ShowCellUnit(cell.VehContent, UnitCode(cell) != NoUnitCode, cell.AIPoint);
  RefreshOwnerNames();
}

void TMDIPictures::DetachMissionView() {
  view_ = nullptr;
  SetCurrentShop(-1);
  ShowCellUnit(-1, false, -1);
  // The list would otherwise offer the shops of a mission no longer followed.
  ShopNameCombo->clear();
  ShopButton->setEnabled(false);
  ShopNameCombo->setEnabled(false);
  RefreshOwnerNames();
}

void TMDIPictures::EnableShopCreation() {
  ShopButton->setEnabled(true);
  ShopNameCombo->setEnabled(true);
}

void TMDIPictures::RefreshOwnerNames() {
  const TMission* m = Mission();
  if (m && m->Blank)
    return;
  const TPlayers* players = m ? &m->Players : nullptr;
  for (int i = 0; i < PlayerCount; ++i) {
    const QString text = ToQString(OwnerItemText(i, players));
    VehOwnerComboBox->setItemText(i, text);
    OwnerComboBox->setItemText(i, text);
  }
  OwnerComboBox->setItemText(NeutralSide, ToQString(OwnerItemText(NeutralSide, players)));
}

// --- The shop list and the current shop --------------------------------------------

void TMDIPictures::FillShopNameList() {
  ShopNameCombo->clear();
  const TMission* m = Mission();
  if (!m)
    return;
  for (int32_t i = 0; i < m->ShopCount(); ++i)
    if (const TArrShop* shop = m->GetShop(static_cast<int16_t>(i)))
      ShopNameCombo->addItem(ToQString(ShopListText(static_cast<int16_t>(i), shop->Name)), i);
}

int TMDIPictures::ShopListPosition(int16_t index) const {
  return index == -1 ? -1 : ShopNameCombo->findData(static_cast<int>(index));
}

void TMDIPictures::SetCurrentShop(int16_t shopIndex) {
  int16_t n = shopIndex;
  if (n != -1 && !(view_ && view_->GetShop(n))) {
    ReportAnomaly("shop " + std::to_string(n) + " has no record");
    n = -1;
  }
  const int16_t old = curShop_;
  curShop_ = n;
  if (n == -1) {
    if (old == -1)
      return;
    {
      TScopedFlag updating(updating_);
      ClearShopFields();
      ShopNameCombo->setCurrentIndex(-1);
    }
    EnableShopControls(false);
    return;
  }
  if (old == -1)
    EnableShopControls(true);
  TScopedFlag updating(updating_);
  FillShopFields(n);
  ShopNameCombo->setCurrentIndex(ShopListPosition(n));
}

void TMDIPictures::FillShopFields(int16_t n) {
  const TArrShop& shop = *view_->GetShop(n);
  OwnerComboBox->setCurrentIndex(shop.Owner < SideCount ? shop.Owner : -1);
  TypeComboBox->setCurrentIndex(shop.ShopType < ShopTypeCount ? shop.ShopType : -1);
  ShopNameEdit->setText(ToQString(shop.Name));
  EnergyEdit->SetValue(shop.Energy);
  MaterialEdit->SetValue(shop.Material);
  EPEdit->SetValue(shop.EP);
  MPEdit->SetValue(shop.MP);
  PriorityEdit->SetValue(shop.Priority);
  ShopContent->LoadSlots(shop.Content, true);
  ShopProduce->LoadSlots(shop.Produce, true);
  ShopNrValue->setText(QString::number(n));
}

void TMDIPictures::ClearShopFields() {
  OwnerComboBox->setCurrentIndex(-1);
  TypeComboBox->setCurrentIndex(-1);
  ShopNameEdit->clear();
  for (TSpinEdit* e : {EnergyEdit, MaterialEdit, EPEdit, MPEdit, PriorityEdit})
    e->SetValue(0);
  ShopContent->Clear(false);
  ShopProduce->Clear(false);
  ShopNrValue->setText(QStringLiteral("-1"));
}

void TMDIPictures::EnableShopControls(bool enable) {
  ShopButton->setText(enable ? tr("&Delete") : tr("&New"));
  const std::initializer_list<QWidget*> controls{
      OwnerComboBox, TypeComboBox, ShopNameEdit,   EnergyEdit,      EPEdit,         MaterialEdit,
      MPEdit,        PriorityEdit, ContentEditBut, ContentClearBut, ProduceEditBut, ProduceClearBut};
  if (!enable)
    KeepFocusOffDisabled(controls);
  for (QWidget* w : controls)
    w->setEnabled(enable);
  for (TEckView* v : {static_cast<TEckView*>(ShopContent), static_cast<TEckView*>(ShopProduce)}) {
    if (enable)
      v->EnableView(true);
    else
      v->DisableView(true);
  }
}

void TMDIPictures::EditMission(const std::string& name, const std::function<TMissionChange(TMission&)>& edit,
                               const std::string& mergeKey) {
  if (view_)
    view_->Document().Edit(name, edit, mergeKey, static_cast<const TPaletteApi*>(this));
}

TMissionChange TMDIPictures::RecordsAt(std::vector<TPoint> cells) {
  TMissionChange change;
  change.Cells = std::move(cells);
  change.Records = true;
  return change;
}

// --- Shop edits ------------------------------------------------------------------------

void TMDIPictures::ShopButtonClick() {
  TMission* m = Mission();
  if (!m)
    return;
  const TPoint cursor = view_->CursorPos();
  if (curShop_ == -1) {
    // A cell holds one shop: one already there is shown, not replaced.
    const int16_t there = m->Cell(cursor).Shop;
    if (there != -1 && m->GetShop(there)) {
      SetCurrentShop(there);
      return;
    }
    int16_t n = -1;
    EditMission(QT_TRANSLATE_NOOP("History", "New Shop"), [&](TMission& mission) {
      n = static_cast<int16_t>(mission.NewShop(cursor));
      return RecordsAt({cursor});
    });
    const int position = m->ShopIndexToNr(n);
    ShopNameCombo->insertItem(position, ToQString(ShopListText(n, m->GetShop(n)->Name)), static_cast<int>(n));
    SetCurrentShop(n);
    ShopNameCombo->setCurrentIndex(position);
    return;
  }
  // The page may show a shop chosen from the list that lies elsewhere, or
  // on no cell at all: that shop is the one removed.
  const int16_t gone = curShop_;
  EditMission(QT_TRANSLATE_NOOP("History", "Delete Shop"), [&](TMission& mission) {
    const TPoint at = DeleteShopAnywhere(mission, gone);
    return RecordsAt(at.x != -1 ? std::vector<TPoint>{at, cursor} : std::vector<TPoint>{cursor});
  });
  ShopNameCombo->removeItem(ShopListPosition(gone));
  SetCurrentShop(-1);
  SetCurrentShop(m->Cell(cursor).Shop);
}

void TMDIPictures::ShopNameComboChange(int position) {
  if (position == -1) {
    SetCurrentShop(-1);
    TScopedFlag updating(updating_);
    ShopNameEdit->clear();
    return;
  }
  const auto n = static_cast<int16_t>(ShopNameCombo->itemData(position).toInt());
  SetCurrentShop(n);
  if (const TArrShop* shop = Shop()) {
    TScopedFlag updating(updating_);
    ShopNameEdit->setText(ToQString(shop->Name));
  }
  if (view_ && !view_->GotoShop(n))
    ReportAnomaly("shop " + std::to_string(n) + " lies on no cell");
}

void TMDIPictures::ShopNameEditChange(const QString& text) {
  TArrShop* shop = Shop();
  if (updating_ || !shop)
    return;
  const std::string name = FromQString(text);
  const int position = ShopListPosition(curShop_);
  if (position != -1)
    ShopNameCombo->setItemText(position, ToQString(ShopListText(curShop_, name)));
  EditMission(
      QT_TRANSLATE_NOOP("History", "Shop Name"),
      [&](TMission& m) {
        AssignField(m, shop->Name, name);
        return RecordsAt({});
      },
      FieldKey(curShop_, "Name"));
  ShopNameCombo->setCurrentIndex(position);
}

void TMDIPictures::OwnerComboBoxChange(int item) {
  TArrShop* shop = Shop();
  if (updating_ || !shop || item < 0)
    return;
  // The map draws a shop in its owner's colours.
  EditMission(QT_TRANSLATE_NOOP("History", "Shop Owner"), [&](TMission& m) {
    TPoint at;
    const bool changed = AssignField(m, shop->Owner, item) && m.FindShop(curShop_, at);
    return RecordsAt(changed ? std::vector<TPoint>{at} : std::vector<TPoint>{});
  });
}

void TMDIPictures::TypeComboBoxChange(int item) {
  TArrShop* shop = Shop();
  if (updating_ || !shop || item < 0)
    return;
  EditMission(QT_TRANSLATE_NOOP("History", "Shop Type"), [&](TMission& m) {
    AssignField(m, shop->ShopType, item);
    return RecordsAt({});
  });
}

template <class T> void TMDIPictures::StoreShopNumber(T TArrShop::*field, int value, const char* stepName) {
  TArrShop* shop = Shop();
  if (updating_ || !shop)
    return;
  EditMission(
      stepName,
      [&](TMission& m) {
        AssignField(m, shop->*field, value);
        return RecordsAt({});
      },
      FieldKey(curShop_, stepName));
}

void TMDIPictures::ShopContentChange() {
  if (TArrShop* shop = Shop(); shop && !updating_)
    EditMission(QT_TRANSLATE_NOOP("History", "Shop Content"), [&](TMission& m) {
      AssignField(m, shop->Content, ShopContent->Slots());
      return RecordsAt({});
    });
}

void TMDIPictures::ShopProduceChange() {
  if (TArrShop* shop = Shop(); shop && !updating_)
    EditMission(QT_TRANSLATE_NOOP("History", "Shop Production"), [&](TMission& m) {
      AssignField(m, shop->Produce, ShopProduce->Slots());
      return RecordsAt({});
    });
}

void TMDIPictures::ContentEditButClick() {
  TEditContentForm dialog(sets_, this);
  dialog.Content->LoadSlots(ShopContent->Slots(), true);
  if (dialog.exec() == QDialog::Accepted)
    ShopContent->LoadSlots(dialog.Content->Slots(), true);
}

void TMDIPictures::ContentClearButClick() {
  ShopContent->Clear(true);
}

void TMDIPictures::ProduceEditButClick() {
  TEditProduceForm dialog(sets_, this);
  dialog.Produce->LoadSlots(ShopProduce->Slots(), true);
  if (dialog.exec() == QDialog::Accepted)
    ShopProduce->LoadSlots(dialog.Produce->Slots(), true);
}

void TMDIPictures::ProduceClearButClick() {
  ShopProduce->Clear(true);
}

}  // namespace vh
