// The palette window: its frame, the picture selectors of the Terrain,
// Object and Vehicle pages and the operations through which the mission
// window reads and sets the choice.
#include "tools/MDIPicturesForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

#include "base/Errors.h"
#include "tools/COMPMultiSelView.h"
#include "tools/PictureGroupText.h"
#include "views/COMPMissView.h"
#include "views/QtText.h"

namespace vh {

namespace {

constexpr const char* TerrainSelFile = "terrain.sel";
constexpr const char* ObjectSelFile = "objekt.sel";

}  // namespace

TMDIPictures::TMDIPictures(const TPictureSets& sets, const std::string& programDir, QWidget* parent)
    : QWidget(parent), sets_(sets) {
  setWindowTitle(tr("Edit Window"));
  setObjectName(QStringLiteral("MDIPictures"));

  PageControl = new QTabWidget(this);
  PageControl->setObjectName(QStringLiteral("PageControl"));
  PageControl->addTab(BuildSelectorPage(TerGroupSel, TerSelector, QStringLiteral("Ter")), tr("Terrain"));
  PageControl->addTab(BuildSelectorPage(ObjGroupSel, ObjSelector, QStringLiteral("Obj")), tr("Object"));
  PageControl->addTab(BuildVehiclePage(), tr("Vehicle"));
  PageControl->addTab(BuildShopPage(), tr("Shop"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(PageControl);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  for (TMultiSelView* s : {TerSelector, TerGroupSel, ObjSelector, ObjGroupSel}) {
    s->SetLibrary(plParts);
    s->SetupGrid();
    s->RedrawAll();
  }
  TerSelector->AllowMultiSel = true;
  ObjSelector->AllowMultiSel = true;
  SetUpSelectorHelp();
  TerGroupSel->OnCurPosChanged = [this](TEckView*) { TerGroupSelCurPosChanged(); };
  ObjGroupSel->OnCurPosChanged = [this](TEckView*) { ObjGroupSelCurPosChanged(); };
  ReadSelectionFiles(programDir);
  SetupUnitSelector(*VehSelector);

  SetUpShopPage();
  SetUpCellUnitFields();
  VehOwnerComboBox->setCurrentIndex(0);
  RefreshOwnerNames();
}

TMDIPictures::~TMDIPictures() = default;

QWidget* TMDIPictures::BuildSelectorPage(TMultiSelView*& groupSel, TMultiSelView*& selector,
                                         const QString& prefix) {
  auto* page = new QWidget;
  groupSel = new TMultiSelView(sets_, page);
  groupSel->setObjectName(prefix + QStringLiteral("GroupSel"));
  selector = new TMultiSelView(sets_, page);
  selector->setObjectName(prefix + QStringLiteral("Selector"));
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(groupSel, 0, Qt::AlignLeft);
  layout->addSpacing(6);
  layout->addWidget(selector, 0, Qt::AlignLeft);
  layout->addStretch(1);
  return page;
}

// Each file on its own: one that fails leaves only its own selectors empty.
void TMDIPictures::ReadSelectionFiles(const std::string& programDir) {
  const auto read = [&](const char* name, TSelectionFile& groups, TMultiSelView& groupSel,
                        TMultiSelView& selector) {
    try {
      groups = ReadSelectionFile(SelectionFilePath(programDir, name));
    } catch (const EVhError& e) {
      groups = TSelectionFile{};
      if (!setupError_.isEmpty())
        setupError_ += QLatin1Char('\n');
      setupError_ += ErrorText(e);
    }
    groupSel.SetPage(groups.GroupIndex);
    ShowGroup(groups, groupSel, selector);
  };
  read(TerrainSelFile, terrainGroups_, *TerGroupSel, *TerSelector);
  read(ObjectSelFile, objectGroups_, *ObjGroupSel, *ObjSelector);
  terrainPictureGroups_ = PictureGroupsOf(terrainGroups_);
  objectPictureGroups_ = PictureGroupsOf(objectGroups_);
}

QMdiSubWindow* TMDIPictures::AddToMdiArea(QMdiArea& area, TMDIPictures* palette) {
  // The tool window's narrow title bar, with a system menu and a minimise
  // button only: the palette keeps its size and is never closed.
  QMdiSubWindow* sub =
      area.addSubWindow(palette, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
  sub->setAttribute(Qt::WA_DeleteOnClose, false);
  sub->setOption(QMdiSubWindow::RubberBandResize, false);
  sub->setWindowTitle(palette->windowTitle());
  return sub;
}

void TMDIPictures::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
    sub->showMinimized();
  else
    showMinimized();
}

bool TMDIPictures::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ShopNameEdit && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
      QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers());
      QCoreApplication::sendEvent(ShopNameCombo, &copy);
      return true;
    }
  }
  if (watched == ShopNameCombo && event->type() == QEvent::Resize)
    PlaceShopNameEdit();
  return QWidget::eventFilter(watched, event);
}

void TMDIPictures::KeepFocusOffDisabled(std::initializer_list<QWidget*> controls) {
  // Qt hands the focus of a widget being disabled to the next one in the
  // chain, which may be a map in another mission window: that window would
  // come to the front. The focus stays on the palette's page instead.
  QWidget* focus = QApplication::focusWidget();
  if (!focus)
    return;
  for (QWidget* w : controls)
    if (w == focus || w->isAncestorOf(focus)) {
      PageControl->setFocus(Qt::OtherFocusReason);
      return;
    }
}

// --- Selectors -----------------------------------------------------------------

void TMDIPictures::SetUpSelectorHelp() {
  for (TMultiSelView* s : {TerSelector, ObjSelector, VehSelector})
    s->EraserOnEmpty = true;
  const QString erase = tr("Erase");
  for (TMultiSelView* s : {TerGroupSel, ObjGroupSel}) {
    s->setToolTip(tr("Groups"));
    s->CellToolTip = [](TPoint cell, int16_t entry) {
      return entry == -1 ? QString()
                         : tr("Groups\ngroup %1, picture %2")
                               .arg(static_cast<int>(TSelectionFile::GroupNumber(cell)) + 1)
                               .arg(entry);
    };
  }
  // A picture's place in the group the selector shows.
  for (auto [s, page] : {std::pair{TerSelector, int{pgTerrain}}, std::pair{ObjSelector, int{pgObject}}}) {
    s->setToolTip(tr("Pictures of the group"));
    s->CellToolTip = [this, erase, page](TPoint, int16_t entry) {
      return entry == -1 ? erase
                         : tr("Pictures of the group\n%1")
                               .arg(GroupPlaceText(*PictureGroups(page), entry, ShownGroup(page)));
    };
  }
  VehSelector->CellToolTip = [this, erase](TPoint, int16_t entry) {
    if (entry == -1)
      return erase;
    const uint16_t unit = UnitValue(entry, VehOwnerComboBox->currentIndex());
    const int owner = unit >> 8;
    const QString ownerText =
        owner < VehOwnerComboBox->count() ? VehOwnerComboBox->itemText(owner) : tr("neutral");
    return tr("Unit type %1\nOwner: %2").arg(entry).arg(ownerText);
  };
}

// A new group starts on its first picture: a cursor left on a place the
// group leaves empty would erase with the next stroke. An empty group keeps
// the cursor, there is nothing better to offer.
void TMDIPictures::ShowGroup(const TSelectionFile& groups, TMultiSelView& groupSel, TMultiSelView& selector) {
  const TSelectionPage& page = groups.GroupAt(groupSel.CursorPos());
  selector.SetPage(page);
  if (const auto first = FirstPictureCell(page))
    selector.MoveCursor(*first);
}

void TMDIPictures::TerGroupSelCurPosChanged() {
  ShowGroup(terrainGroups_, *TerGroupSel, *TerSelector);
}

void TMDIPictures::ObjGroupSelCurPosChanged() {
  ShowGroup(objectGroups_, *ObjGroupSel, *ObjSelector);
}

void TMDIPictures::GetSelectedPicture(uint8_t& page, uint16_t& value) {
  page = static_cast<uint8_t>(PageControl->currentIndex());
  switch (page) {
  case pgTerrain:
    value = static_cast<uint16_t>(TerSelector->CurrentValue());
    break;
  case pgObject:
    value = static_cast<uint16_t>(ObjSelector->CurrentValue());
    break;
  case pgVehicle:
    value = UnitValue(VehSelector->CurrentValue(), VehOwnerComboBox->currentIndex());
    break;
  default:
    break;
  }
}

bool TMDIPictures::GetMultiSelection(MultiSelection& out) {
  const int page = PageControl->currentIndex();
  if (page != pgTerrain && page != pgObject)
    return false;
  const TMultiSelState& state = (page == pgTerrain ? TerSelector : ObjSelector)->MultiSel();
  out = state.Sel;
  return state.Active;
}

const TPictureGroups* TMDIPictures::PictureGroups(int page) const {
  return page == pgTerrain ? &terrainPictureGroups_ : page == pgObject ? &objectPictureGroups_ : nullptr;
}

int TMDIPictures::ShownGroup(int page) const {
  const TMultiSelView* groupSel = page == pgTerrain ? TerGroupSel : page == pgObject ? ObjGroupSel : nullptr;
  return groupSel ? static_cast<int>(TSelectionFile::GroupNumber(groupSel->CursorPos())) : -1;
}

bool TMDIPictures::PickInGroups(const TSelectionFile& file, TMultiSelView& groupSel, TMultiSelView& selector,
                                int16_t value) {
  const auto place = FindPicture(file, groupSel.CursorPos(), selector.CursorPos(), value);
  if (!place)
    return false;
  groupSel.MoveCursor(place->Group);  // loads that group's page
  selector.MoveCursor(place->Picture);
  return true;
}

bool TMDIPictures::PickPicture(int16_t terrain, int16_t obj, uint16_t unit) {
  switch (PageControl->currentIndex()) {
  case pgTerrain:
    return PickInGroups(terrainGroups_, *TerGroupSel, *TerSelector, terrain);
  case pgObject:
    return PickInGroups(objectGroups_, *ObjGroupSel, *ObjSelector, obj);
  case pgVehicle: {
    const int type = unit & 0xFF, owner = unit >> 8;
    // A type the unit page does not offer cannot be picked.
    if (type != NoUnit && type >= UnitTypeCount)
      return false;
    VehSelector->MoveCursor(type == NoUnit ? NoUnitCell : TPoint{type % SelCols, type / SelCols});
    if (owner < PlayerCount)
      VehOwnerComboBox->setCurrentIndex(owner);
    return true;
  }
  default:
    return true;
  }
}

}  // namespace vh
