#include "shell/MDIMainForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <utility>

#include "graphics/PictureSets.h"
#include "mission/StdData.h"
#include "shell/Autosave.h"
#include "shell/ChangeLayersDock.h"
#include "shell/DLGUtility.h"
#include "shell/FieldUndoKeys.h"
#include "shell/MDIMissForm.h"
#include "shell/MainStatusBar.h"
#include "shell/PaletteFactory.h"
#include "shell/ProblemsDock.h"
#include "shell/VhApplication.h"
#include "tools/PaletteApi.h"
#include "tools/PictureGroupText.h"
#include "views/OverviewMap.h"
#include "views/QtText.h"

namespace vh {

TMDIMain::TMDIMain(const std::string& programDir, const TPlatformDirs& platform, QWidget* parent)
    : TMDIMain(LocationsBeside(programDir), platform, parent) {}

TMDIMain::TMDIMain(const TLocations& locations, const TPlatformDirs& platform, QWidget* parent)
    : QMainWindow(parent) {
  setWindowTitle(QString::fromLatin1(AppTitle));
  setObjectName("MDIMain");
  mdi_ = new QMdiArea(this);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setBackground(QColor(0x60, 0x68, 0x70));
  setCentralWidget(mdi_);
  status_ = new TMainStatusBar(this);
  setStatusBar(status_);
  status_->SetSimple(true);

  try {
    CreateIniFromDefaults(locations.Ini);
  } catch (const std::exception& e) {
    // The defaults are read all the same; only the first save may fail too.
    startupErrors_.push_back(e.what());
  }
  config_ = ReadConfig(locations, platform);
  {
    TIniFile ini(config_.IniPath());
    layout_ = TFrameLayout::Read(ini);
    ReadRecentFiles(ini);
  }
  paintTool_.AutoCoasts = layout_.AutoCoasts;
  paintTool_.MatchGroup = layout_.MatchGroup;
  TxtFilesDir = config_.TxtFilesDir;
  StdPlayers = config_.StdPlayers;
  LoadStdData();

  qApp->installEventFilter(new TFieldUndoKeys(this));
  CreateMenus();
  CreateToolBar();
  ApplyBarVisibility();
  EnableMissionCommands(false);
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
    if (auto* w = sub ? qobject_cast<TMDIMiss*>(sub->widget()) : nullptr)
      w->Activated();
    UpdateTitle();
  });
  setAcceptDrops(true);
  graphicsUi_ = DefaultGraphicsCheckUi(this);
  resize(1280, 860);
  QTimer::singleShot(0, this, [this] {
    if (!StartupIdle())
      close();
  });
}

TMDIMain::~TMDIMain() {
  tearingDown_ = true;
  // The windows go with the frame's children, after this body: nothing may
  // reach them through the application's signals meanwhile.
  disconnect(qApp, nullptr, this, nullptr);
  activeMiss_ = nullptr;
  for (TMDIMiss* w : MissionWindows())
    w->DetachFrame();
  if (generator_)
    generator_->DetachFrame();
  FreeGameGraphics();
}

void TMDIMain::LoadStdData() {
  // Without them the editor still works: new missions start from a zeroed
  // MISS block and missions without changes get an empty standard layer.
  StdMissionTemplate = {};
  StdDFStream.clear();
  for (auto [load, name] :
       {std::pair{&LoadStdMissionTemplate, "stdmiss.dat"}, std::pair{&LoadStdDFStream, "stddf00.dat"}}) {
    try {
      load(config_.DataDir + name);
    } catch (const std::exception& e) {
      startupErrors_.push_back(e.what());
    }
  }
}

bool TMDIMain::StartupIdle() {
  if (startupDone_)
    return true;
  startupDone_ = true;
  for (const std::string& error : startupErrors_)
    if (graphicsUi_.Warning)
      graphicsUi_.Warning(MessageToQString(error) + tr(".\nThe editor goes on without it."));
  QApplication::setOverrideCursor(Qt::WaitCursor);
  bool ok = CheckGameGraphics(config_, graphicsUi_);
  QApplication::restoreOverrideCursor();
  if (!ok) {
    if (graphicsUi_.Message)
      graphicsUi_.Message(StartupAbandonedText(), {});
    return false;
  }
  startupOK_ = true;
  TxtFilesDir = config_.TxtFilesDir;
  openDir_ = saveDir_ = PathToQString(config_.GameDir + "MIS");
  SetToolBarIcons();
  CreatePaletteDock();
  CreateOverviewDock();
  CreateChangeLayersDock();
  StartAutosave();
  OfferRecovery();
  OpenFiles(std::exchange(startupFiles_, {}));
  return true;
}

void TMDIMain::closeEvent(QCloseEvent* event) {
  // Every window is asked before any goes: a Cancel on the last one keeps
  // them all, as they were.
  const std::vector<TMDIMiss*> windows = MissionWindows();
  for (TMDIMiss* w : windows) {
    if (!w->ConfirmClose()) {
      event->ignore();
      return;
    }
  }
  for (TMDIMiss* w : windows)
    w->SetDiscardOnClose();
  tearingDown_ = true;
  // A normal end: nothing is left to recover.
  if (autosave_)
    autosave_->EndSession();
  if (startupOK_) {
    try {
      WriteConfig(config_);
      WriteFrameState();
    } catch (const std::exception& e) {
      ShowError(this, e);
    }
  }
  event->accept();
}

std::vector<TMDIMiss*> TMDIMain::MissionWindows() const {
  std::vector<TMDIMiss*> list;
  for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder))
    if (auto* w = qobject_cast<TMDIMiss*>(sub->widget()))
      list.push_back(w);
  return list;
}

TMissView* TMDIMain::CurrentView() const {
  return activeMiss_ ? activeMiss_->MissView() : nullptr;
}

// --- The six notifications ---------------------------------------------------

void TMDIMain::MissActivate(TMDIMiss* window) {
  if (window == activeMiss_ || tearingDown_)
    return;
  if (activeMiss_)
    activeMiss_->SetActive(false);
  activeMiss_ = window;
  UpdateTitle();
  if (!window)
    return;
  window->SetActive(true, paletteApi_);
  if (paletteApi_)
    paletteApi_->AttachMissionView(window->MissView());
  if (generator_)
    generator_->SetView(window->MissView());
  MirrorView(window->MissView());
  UpdateStatusBar();
  MissViewMoved(window);
  ProblemsDock->SetView(window->MissView());
  if (changeLayersDock_)
    changeLayersDock_->SetView(window->MissView());
  UpdateEditActions();
}

void TMDIMain::MissCreated(TMDIMiss* window) {
  window->MissView()->History().SetLimit(config_.UndoLimit);
  window->Navigator()->SetZoom(layout_.Zoom);
  window->SetPaintTool(paintTool_);
  if (autosave_)
    autosave_->Watch(window->MissView());
  connect(window, &TMDIMiss::MissionChanged, this, [this, window](const TMissionChange& change) {
    if (window == activeMiss_ && change.Steps)
      UpdateEditActions();
  });
  if (missCount_++ == 0) {
    if (paletteApi_)
      paletteApi_->EnableShopCreation();
    status_->SetSimple(false);
    EnableMissionCommands(true);
  }
}

void TMDIMain::MissDestroyed(TMDIMiss* window) {
  // Closed on purpose (saved, unchanged or discarded): its copy goes.
  if (autosave_)
    autosave_->Forget(window->MissView());
  if (tearingDown_)
    return;
  if (--missCount_ == 0) {
    activeMiss_ = nullptr;
    UpdateTitle();
    status_->ShowPointerCell(std::nullopt);
    ProblemsDock->SetView(nullptr);
    if (changeLayersDock_)
      changeLayersDock_->SetView(nullptr);
    overview_->SetView(nullptr, nullptr);
    UpdateEditActions();
    if (paletteApi_)
      paletteApi_->DetachMissionView();
    if (generator_)
      ToggleGenerator();
    status_->SetSimple(true);
    EnableMissionCommands(false);
    return;
  }
  if (window != activeMiss_)
    return;
  TMDIMiss* next = nullptr;
  for (TMDIMiss* w : MissionWindows())
    if (w != window) {
      next = w;
      break;
    }
  activeMiss_ = nullptr;
  MissActivate(next);
}

void TMDIMain::MissCurPos() {
  UpdateStatusBar();
}

void TMDIMain::GenMapOpened() {
  GenerateMapItem->setChecked(true);
}

void TMDIMain::GenMapClosed() {
  generator_ = nullptr;
  if (!tearingDown_)
    GenerateMapItem->setChecked(false);
}

// --- Mirroring the current view ------------------------------------------------

void TMDIMain::MirrorView(TMissView* view) {
  if (!view)
    return;
  const QSignalBlocker blockGrid(GridFilter);
  GridFilter->setChecked(view->ShowGrid());
  for (int bit = 0; bit < MissFilterBitCount; ++bit) {
    const QSignalBlocker block(FilterActions[bit]);
    FilterActions[bit]->setChecked(view->FilterOn(bit));
  }
  const QSignalBlocker blockCounter(DFNrCounter);
  DFNrCounter->setValue(view->Mission().DFNr);
}

void TMDIMain::UpdateStatusBar() {
  if (activeMiss_)
    status_->ShowCell(activeMiss_->CursorShown());
}

void TMDIMain::EnableMissionCommands(bool enable) {
  // The View menu's bar and window items work without a mission.
  for (QAction* a : ViewMenu->actions())
    if (a != ToolBarItem && a != StatusBarItem && a != PaletteItem &&
        (!overviewDock_ || a != overviewDock_->toggleViewAction()) &&
        (!changeLayersDock_ || a != changeLayersDock_->toggleViewAction()))
      a->setEnabled(enable);
  MissionMenu->setEnabled(enable);
  for (QAction* a : {FileSaveItem, FileSaveAsItem, FileSaveBmpItem, DFLayerItem, ClearFilterItem,
                     SettingsItem, GenerateMapItem})
    a->setEnabled(enable);
  for (QAction* a : FilterActions)
    a->setEnabled(enable);
  GridFilter->setEnabled(enable);
  DFNrCounter->setEnabled(enable);
  DFNrLabel->setEnabled(enable);
  if (enable)
    return;
  // Without a mission every filter button is released.
  for (QAction* a : FilterActions) {
    const QSignalBlocker block(a);
    a->setChecked(false);
  }
  const QSignalBlocker blockGrid(GridFilter);
  GridFilter->setChecked(false);
  const QSignalBlocker blockCounter(DFNrCounter);
  DFNrCounter->setValue(0);
}

void TMDIMain::MissCaptionChanged(TMDIMiss* window) {
  if (window == activeMiss_)
    UpdateTitle();
}

void TMDIMain::UpdateTitle() {
  QString title = QString::fromLatin1(AppTitle);
  if (activeMiss_)
    title += QStringLiteral(" - ") + activeMiss_->windowTitle();
  setWindowTitle(title);
  setWindowModified(activeMiss_ && activeMiss_->isWindowModified());
}

void TMDIMain::MissPointerCell(TMDIMiss* window, std::optional<TShownCell> shown) {
  if (window != activeMiss_)
    shown.reset();
  status_->ShowPointerCell(shown);
  // Where the cell's pictures stand among the palette's groups.
  QString tip = tr("The cell under the mouse pointer");
  if (shown && paletteApi_) {
    const auto place = [this](int page, uint16_t value) {
      const TPictureGroups* groups = paletteApi_->PictureGroups(page);
      return value == 0xFFFF || !groups ? tr("none") : GroupPlaceText(*groups, static_cast<int16_t>(value));
    };
    tip += tr("\nTerrain: %1\nObject: %2").arg(place(pkTerrain, shown->Terrain), place(pkObject, shown->Obj));
  }
  status_->PointerPanel->setToolTip(tip);
}

}  // namespace vh
