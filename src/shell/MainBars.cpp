// The frame's menu and tool bar.
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include "base/FileUtil.h"
#include "graphics/PictureSets.h"
#include "shell/ChangeLayersDock.h"
#include "shell/DLGNewMission.h"
#include "shell/FieldUndoKeys.h"
#include "shell/MDIMainForm.h"
#include "shell/MDIMissForm.h"
#include "shell/ProblemsDock.h"
#include "shell/VhApplication.h"
#include "tools/SelectionPages.h"
#include "views/COMPMissView.h"

namespace vh {

namespace {

struct TFilterButton {
  int bit;
  const char* caption;
  const char* hint;
  const char* menuText;
  const char* name;
};

// In tool bar order; the three picture buttons get icons once the game's
// pictures are loaded.
constexpr TFilterButton kFilterButtons[] = {
    {mfBaseMap, QT_TRANSLATE_NOOP("vh::TMDIMain", "ACTN"), QT_TRANSLATE_NOOP("vh::TMDIMain", "Show/Hide Map"),
     QT_TRANSLATE_NOOP("vh::TMDIMain", "&ACTN"), "ACTNFilter"},
    {mfDFLayer, QT_TRANSLATE_NOOP("vh::TMDIMain", "DFxx"),
     QT_TRANSLATE_NOOP("vh::TMDIMain", "Show/Hide Changes in Game"), QT_TRANSLATE_NOOP("vh::TMDIMain", "&DF"),
     "DFFilter"},
    {mfDFMarks, QT_TRANSLATE_NOOP("vh::TMDIMain", "Mark DF"),
     QT_TRANSLATE_NOOP("vh::TMDIMain", "Mark all DF Hexs in this Layer"),
     QT_TRANSLATE_NOOP("vh::TMDIMain", "&Mark DF"), "MarkDFFilter"},
    {mfTerrain, QT_TRANSLATE_NOOP("vh::TMDIMain", "Ter"),
     QT_TRANSLATE_NOOP("vh::TMDIMain", "Show/Hide Terrain"), QT_TRANSLATE_NOOP("vh::TMDIMain", "&Terrain"),
     "TerFilter"},
    {mfObjects, QT_TRANSLATE_NOOP("vh::TMDIMain", "Obj"),
     QT_TRANSLATE_NOOP("vh::TMDIMain", "Show/Hide Objects"), QT_TRANSLATE_NOOP("vh::TMDIMain", "&Objects"),
     "ObjFilter"},
    {mfUnits, QT_TRANSLATE_NOOP("vh::TMDIMain", "Veh"),
     QT_TRANSLATE_NOOP("vh::TMDIMain", "Show/Hide Vehicles"), QT_TRANSLATE_NOOP("vh::TMDIMain", "&Vehicles"),
     "VehFilter"},
    {mfShopMarks, QT_TRANSLATE_NOOP("vh::TMDIMain", "Shop"), QT_TRANSLATE_NOOP("vh::TMDIMain", "Mark Shops"),
     QT_TRANSLATE_NOOP("vh::TMDIMain", "&Shops"), "ShopFilter"},
    {mfContentMarks, QT_TRANSLATE_NOOP("vh::TMDIMain", "VCont"),
     QT_TRANSLATE_NOOP("vh::TMDIMain", "Mark Vehicles with Content"),
     QT_TRANSLATE_NOOP("vh::TMDIMain", "Vehicles with Co&ntent"), "VehContFilter"},
    {mfAIMarks, QT_TRANSLATE_NOOP("vh::TMDIMain", "AI"), QT_TRANSLATE_NOOP("vh::TMDIMain", "Mark AI Points"),
     QT_TRANSLATE_NOOP("vh::TMDIMain", "AI &Points"), "AIFilter"},
};

// A game picture as a tool bar icon: the transparent key and the outside
// of the hexagon stay clear.
QIcon IconFromPicture(const THexPicture& picture, const TPalette& palette) {
  QImage image(HexSize, HexSize, QImage::Format_ARGB32);
  for (int y = 0; y < HexSize; ++y)
    for (int x = 0; x < HexSize; ++x) {
      uint8_t i = picture.Pixels[static_cast<size_t>(y * HexSize + x)];
      const TPaletteEntry& c = palette[i];
      image.setPixel(x, y, i == 0 || i == OutsideColour ? qRgba(0, 0, 0, 0) : qRgb(c.Red, c.Green, c.Blue));
    }
  return QIcon(QPixmap::fromImage(image));
}

// The desktop's standard keys first, the traditional ones beside them.
QList<QKeySequence> StandardKeysAnd(QKeySequence::StandardKey standard, QList<QKeySequence> more) {
  QList<QKeySequence> list = QKeySequence::keyBindings(standard);
  for (const QKeySequence& k : more)
    if (!list.contains(k))
      list.append(k);
  return list;
}

}  // namespace

QAction* TMDIMain::AddCommand(QMenu* menu, const QString& text, void (TMDIMain::*handler)()) {
  QAction* a = menu->addAction(text);
  connect(a, &QAction::triggered, this, [this, handler] { RunCommand(this, [&] { (this->*handler)(); }); });
  return a;
}

void TMDIMain::CreateMenus() {
  CreateFileMenu();
  CreateEditMenu();
  CreateFilterActions();
  CreateViewMenu();
  CreateToolsMenu();
  CreateMissionMenu();
  WindowMenu = menuBar()->addMenu(tr("&Window"));
  connect(WindowMenu, &QMenu::aboutToShow, this, &TMDIMain::WindowMenuAboutToShow);
  WindowMenuAboutToShow();

  CreateHelpMenu();
}

void TMDIMain::CreateFileMenu() {
  QMenu* file = FileMenu = menuBar()->addMenu(tr("&File"));
  FileNewItem = AddCommand(file, tr("&New..."), &TMDIMain::FileNewItemClick);
  FileNewItem->setShortcuts(StandardKeysAnd(QKeySequence::New, {QKeySequence(Qt::CTRL | Qt::Key_N)}));
  FileOpenItem = AddCommand(file, tr("&Open..."), &TMDIMain::FileOpenItemClick);
  FileOpenItem->setShortcuts(
      StandardKeysAnd(QKeySequence::Open, {QKeySequence(Qt::CTRL | Qt::Key_O), Qt::Key_F3}));
  RecentFilesMenu = file->addMenu(tr("Recent &Files"));
  RecentFilesMenu->setObjectName("RecentFilesMenu");
  RebuildRecentFilesMenu();
  FileSaveItem = AddCommand(file, tr("&Save"), &TMDIMain::FileSaveItemClick);
  FileSaveItem->setShortcuts(
      StandardKeysAnd(QKeySequence::Save, {QKeySequence(Qt::CTRL | Qt::Key_S), Qt::Key_F2}));
  FileSaveAsItem = AddCommand(file, tr("Save &As..."), &TMDIMain::FileSaveAsItemClick);
  FileSaveAsItem->setShortcuts(
      StandardKeysAnd(QKeySequence::SaveAs, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}));
  FileSaveBmpItem = AddCommand(file, tr("Save As &BMP..."), &TMDIMain::FileSaveBmpItemClick);
  FileCloseItem = AddCommand(file, tr("&Close"), &TMDIMain::FileCloseItemClick);
  FileCloseItem->setShortcuts(StandardKeysAnd(
      QKeySequence::Close, {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)}));
  file->addSeparator();
  FileOptionsItem = AddCommand(file, tr("O&ptions..."), &TMDIMain::FileOptionsItemClick);
  file->addSeparator();
  FileExitItem = file->addAction(tr("E&xit"), this, &QWidget::close);
  FileExitItem->setShortcuts(
      StandardKeysAnd(QKeySequence::Quit, {QKeySequence(Qt::CTRL | Qt::Key_Q), Qt::ALT | Qt::Key_X}));
  // Shortcuts work while the focus is in a floating palette or the generator.
  for (QAction* a : file->actions())
    a->setShortcutContext(Qt::ApplicationShortcut);
}

void TMDIMain::CreateFilterActions() {
  // The filter items are the tool bar's own actions, so menu check marks
  // and buttons can never disagree.
  for (const TFilterButton& b : kFilterButtons) {
    QAction* a = new QAction(tr(b.caption), this);
    a->setObjectName(b.name);
    a->setCheckable(true);
    a->setToolTip(tr(b.hint));
    a->setData(tr(b.menuText));
    int bit = b.bit;
    connect(a, &QAction::triggered, this,
            [this, bit](bool down) { RunCommand(this, [&] { FilterClick(bit, down); }); });
    FilterActions[bit] = a;
  }
  GridFilter = new QAction(tr("Grid"), this);
  GridFilter->setObjectName("GridFilter");
  GridFilter->setCheckable(true);
  GridFilter->setToolTip(tr("Show/Hide Grid"));
  connect(GridFilter, &QAction::triggered, this, [this](bool down) {
    if (TMissView* v = CurrentView())
      v->SetShowGrid(down);
  });
}

void TMDIMain::CreateViewMenu() {
  ViewMenu = menuBar()->addMenu(tr("&View"));
  auto menuItem = [this](int bit) {
    QAction* a = FilterActions[bit];
    QAction* item = ViewMenu->addAction(a->data().toString());
    item->setCheckable(true);
    connect(ViewMenu, &QMenu::aboutToShow, item, [item, a] { item->setChecked(a->isChecked()); });
    connect(item, &QAction::triggered, a, [a] { a->trigger(); });
    return item;
  };
  QAction* gridItem = ViewMenu->addAction(tr("&Grid"));
  gridItem->setCheckable(true);
  connect(ViewMenu, &QMenu::aboutToShow, gridItem,
          [this, gridItem] { gridItem->setChecked(GridFilter->isChecked()); });
  connect(gridItem, &QAction::triggered, GridFilter, [this] { GridFilter->trigger(); });
  ViewMenu->addSeparator();
  for (int bit : {mfTerrain, mfObjects, mfUnits, mfShopMarks, mfContentMarks, mfAIMarks})
    menuItem(bit);
  ViewMenu->addSeparator();
  menuItem(mfBaseMap);
  menuItem(mfDFLayer);
  DFLayerItem = AddCommand(ViewMenu, tr("DF &Layer..."), &TMDIMain::DFLayerItemClick);
  menuItem(mfDFMarks);
  ViewMenu->addSeparator();
  ClearFilterItem = ViewMenu->addAction(tr("&Clear with Filter"));
  ViewMenu->addSeparator();
  CreateBarItems();
  CreateZoomItems();
  connect(ClearFilterItem, &QAction::triggered, this, [this] {
    RunCommand(this, [&] {
      if (activeMiss_)
        activeMiss_->ClearWithFilter();
    });
  });
}

void TMDIMain::CreateMissionMenu() {
  MissionMenu = menuBar()->addMenu(tr("&Mission"));
  SettingsItem = AddCommand(MissionMenu, tr("&Settings..."), &TMDIMain::SettingsItemClick);
  CreateMapEditItems();
  MissionMenu->addSeparator();
  GenerateMapItem = MissionMenu->addAction(tr("&Generate Map"));
  GenerateMapItem->setCheckable(true);
  connect(GenerateMapItem, &QAction::triggered, this, [this] {
    // The check mark follows the window, not the click.
    GenerateMapItem->setChecked(generator_ != nullptr);
    RunCommand(this, [&] { ToggleGenerator(); });
  });
  ProblemsDock = InstallProblemsDock(this, MissionMenu, &CheckItem);
}

void TMDIMain::CreateHelpMenu() {
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  MouseKeysItem = help->addAction(tr("&Mouse and Keys"), this, &TMDIMain::ShowMouseAndKeys);
  MouseKeysItem->setShortcuts(QKeySequence::keyBindings(QKeySequence::HelpContents));
  AboutItem = help->addAction(tr("&About..."), this, [this] {
    TAboutBox box(this);
    box.exec();
  });
}

void TMDIMain::WindowMenuAboutToShow() {
  WindowMenu->clear();
  TileItem = WindowMenu->addAction(tr("&Tile"), this, &TMDIMain::TileMissions);
  CascadeItem = WindowMenu->addAction(tr("&Cascade"), this, &TMDIMain::CascadeMissions);
  ArrangeIconsItem = WindowMenu->addAction(tr("&Arrange Icons"), this, &TMDIMain::ArrangeIconsItemClick);
  // The tool windows, with the keys of their menu items.
  WindowMenu->addSeparator();
  for (QAction* a :
       {PaletteItem, EditHistoryItem, overviewDock_ ? overviewDock_->toggleViewAction() : nullptr,
        ProblemsDock ? ProblemsDock->toggleViewAction() : nullptr,
        changeLayersDock_ ? changeLayersDock_->toggleViewAction() : nullptr})
    if (a)
      WindowMenu->addAction(a);
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
  if (!windows.isEmpty())
    WindowMenu->addSeparator();
  int n = 0;
  for (QMdiSubWindow* sub : windows) {
    QString title = sub->windowTitle().replace(QStringLiteral("[*]"), sub->isWindowModified() ? "*" : "");
    QString text = (++n < 10 ? QStringLiteral("&%1 ").arg(n) : QString()) + title;
    QAction* a = WindowMenu->addAction(text, mdi_, [this, sub] {
      if (sub->isMinimized())
        sub->showNormal();
      mdi_->setActiveSubWindow(sub);
    });
    a->setCheckable(true);
    a->setChecked(sub == mdi_->activeSubWindow());
  }
}

void TMDIMain::CreateToolBar() {
  ToolBar = addToolBar(tr("Filters"));
  ToolBar->setObjectName("ToolBar");
  ToolBar->setMovable(false);
  ToolBar->setIconSize(QSize(HexSize, HexSize));
  ToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  ToolBar->addAction(FilterActions[mfBaseMap]);
  ToolBar->addAction(FilterActions[mfDFLayer]);
  DFNrLabel = new QLabel(tr(" Nr. "), ToolBar);
  DFNrLabel->setObjectName("NrLabel");
  DFNrLabel->setToolTip(tr("DF Layer"));
  ToolBar->addWidget(DFNrLabel);
  DFNrCounter = new QSpinBox(ToolBar);
  DFNrCounter->setObjectName("DFNrCounter");
  DFNrCounter->setRange(0, DFLayerCount - 1);
  DFNrCounter->setWrapping(false);
  DFNrCounter->setToolTip(tr("DF Layer"));
  connect(DFNrCounter, &QSpinBox::valueChanged, this, [this](int layer) {
    RunCommand(this, [&] {
      if (TMissView* v = CurrentView())
        v->ShowDFLayer(layer);
    });
  });
  ReturnFocusAfterUse(DFNrCounter, [this]() -> QWidget* { return CurrentView(); });
  ToolBar->addWidget(DFNrCounter);
  ToolBar->addAction(FilterActions[mfDFMarks]);
  ToolBar->addSeparator();
  for (int bit : {mfTerrain, mfObjects, mfUnits, mfShopMarks, mfContentMarks, mfAIMarks})
    ToolBar->addAction(FilterActions[bit]);
  ToolBar->addSeparator();
  ToolBar->addAction(GridFilter);
  AddEditButtons();
  CreateToolsBar();
}

void TMDIMain::SetToolBarIcons() {
  const TPictureSets& sets = GamePictures();
  if (!sets.Loaded)
    return;
  // A grass-like terrain, a building and a unit from the loaded pictures:
  // the first entries of the editor's own selection groups when present.
  auto firstOf = [this](const char* file, int fallback) {
    try {
      const TSelectionFile groups = ReadSelectionFile(SelectionFilePath(config_.DataDir, file));
      for (int16_t v : groups.GroupIndex.Entries)
        if (v >= 0)
          return static_cast<int>(v);
    } catch (const std::exception&) {
    }
    return fallback;
  };
  FilterActions[mfTerrain]->setIcon(IconFromPicture(sets.Part(firstOf("terrain.sel", 0)), sets.GamePalette));
  FilterActions[mfObjects]->setIcon(IconFromPicture(sets.Part(firstOf("objekt.sel", 1)), sets.GamePalette));
  THexPicture unit = sets.Unit(0);
  RecolourForOwner(unit, 0);
  FilterActions[mfUnits]->setIcon(IconFromPicture(unit, sets.GamePalette));
  // The editor's windows carry a game picture too: terrain with a unit on it.
  THexPicture emblem = sets.Part(firstOf("terrain.sel", 0));
  OverlayPicture(emblem, unit, 0);
  QApplication::setWindowIcon(IconFromPicture(emblem, sets.GamePalette));
  for (int bit : {mfTerrain, mfObjects, mfUnits})
    if (QWidget* button = ToolBar->widgetForAction(FilterActions[bit]))
      static_cast<QToolButton*>(button)->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

}  // namespace vh
