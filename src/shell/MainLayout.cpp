// The frame's layout: the palette dock, arranging the mission windows, and
// the positions kept in vhedit.ini from one start to the next.
#include "shell/MainLayout.h"

#include "views/MapNavigator.h"

#include <QAction>
#include <QDockWidget>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "config/IniFile.h"
#include "shell/ChangeLayersDock.h"
#include "shell/MDIMainForm.h"
#include "shell/MDIMissForm.h"
#include "shell/MainStatusBar.h"
#include "shell/PaletteFactory.h"
#include "views/QtText.h"

namespace vh {

namespace {

constexpr char kSection[] = "Layout";

// Geometry is kept as Qt writes it, in Base64 to stay one INI line.
QByteArray ReadGeometry(const TIniFile& ini, const char* key) {
  return QByteArray::fromBase64(QByteArray::fromStdString(ini.ReadString(kSection, key, "", 4096)));
}

void WriteGeometry(TIniFile& ini, const char* key, const QByteArray& geometry) {
  ini.WriteString(kSection, key, geometry.toBase64().toStdString());
}

// Mission windows never shrink below this when they are arranged.
constexpr QSize kMinArranged{320, 240};

}  // namespace

TFrameLayout TFrameLayout::Read(const TIniFile& ini) {
  TFrameLayout l;
  l.Frame = ReadGeometry(ini, "Geometry");
  l.Maximized = ini.ReadBool(kSection, "Maximized", true);
  l.Palette = ReadGeometry(ini, "PaletteGeometry");
  l.PaletteFloating = ini.ReadBool(kSection, "PaletteFloating", false);
  l.PaletteLeft = ini.ReadString(kSection, "PaletteSide", "right") == "left";
  l.PaletteShown = ini.ReadBool(kSection, "PaletteShown", true);
  l.Zoom =
      NearestZoomLevel(static_cast<int>(std::clamp(ini.ReadInteger("General", "Zoom", 100), 0L, 100000L)));
  l.Overview = ini.ReadBool("General", "Overview", false);
  l.AutoCoasts = ini.ReadBool("General", "AutoCoasts", false);
  l.MatchGroup = ini.ReadBool("General", "MatchGroup", false);
  l.ChangeLayers = ini.ReadBool("General", "ChangeLayers", false);
  return l;
}

void TFrameLayout::Write(TIniFile& ini) const {
  WriteGeometry(ini, "Geometry", Frame);
  ini.WriteBool(kSection, "Maximized", Maximized);
  WriteGeometry(ini, "PaletteGeometry", Palette);
  ini.WriteBool(kSection, "PaletteFloating", PaletteFloating);
  ini.WriteString(kSection, "PaletteSide", PaletteLeft ? "left" : "right");
  ini.WriteBool(kSection, "PaletteShown", PaletteShown);
  ini.WriteString("General", "Zoom", std::to_string(Zoom));
  ini.WriteBool("General", "Overview", Overview);
  ini.WriteBool("General", "AutoCoasts", AutoCoasts);
  ini.WriteBool("General", "MatchGroup", MatchGroup);
  ini.WriteBool("General", "ChangeLayers", ChangeLayers);
}

bool RestoreOnScreen(QWidget& window, const QByteArray& geometry, QSize usable) {
  // Qt gives up on geometry saved with another scale factor, and moves a
  // window back only when none of it is on a screen.
  if (geometry.isEmpty() || !window.restoreGeometry(geometry))
    return false;
  QRect r = window.geometry();
  const QScreen* screen = QGuiApplication::screenAt(r.center());
  if (!screen)
    screen = QGuiApplication::primaryScreen();
  if (!screen)
    return true;
  // Until the window manager tells, the title bar is assumed as high as Qt
  // assumes it.
  constexpr int kTitleBar = 20;
  const QRect area = screen->availableGeometry();
  r.setSize(r.size().expandedTo(usable).boundedTo(QSize(area.width(), area.height() - kTitleBar)));
  r.moveLeft(std::clamp(r.left(), area.left(), area.right() + 1 - r.width()));
  r.moveTop(std::clamp(r.top(), area.top() + kTitleBar, area.bottom() + 1 - r.height()));
  window.setGeometry(r);
  return true;
}

void TMDIMain::ShowWithLayout() {
  if (!RestoreOnScreen(*this, layout_.Frame, minimumSizeHint()) && screen())
    // Mission windows opened at start-up are sized before the window
    // manager has maximized the frame.
    setGeometry(screen()->availableGeometry().adjusted(40, 40, -40, -40));
  if (layout_.Maximized)
    showMaximized();
  else
    show();
}

void TMDIMain::CreatePaletteDock() {
  TPaletteWindow palette = CreatePaletteWindow(GamePictures(), config_.DataDir, this);
  paletteApi_ = palette.Api;
  paletteDock_ = new QDockWidget(palette.Window->windowTitle(), this);
  paletteDock_->setObjectName("PaletteDock");
  paletteDock_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                            QDockWidget::DockWidgetFloatable);
  paletteDock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  paletteDock_->setWidget(palette.Window);
  paletteWindow_ = palette.Window;
  addDockWidget(layout_.PaletteLeft ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea, paletteDock_);
  // The View menu's item and the dock's close button are one switch.
  PaletteItem = paletteDock_->toggleViewAction();
  PaletteItem->setText(tr("&Edit Window"));
  PaletteItem->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_E);
  ViewMenu->addAction(PaletteItem);
  if (layout_.PaletteFloating) {
    paletteDock_->setFloating(true);
    RestoreOnScreen(*paletteDock_, layout_.Palette, {});
  }
  paletteDock_->setVisible(layout_.PaletteShown);
  if (!palette.SetupError.isEmpty() && graphicsUi_.Warning)
    graphicsUi_.Warning(palette.SetupError);
}

void TMDIMain::WriteLayout(TIniFile& ini) const {
  TFrameLayout l = layout_;
  l.Frame = saveGeometry();
  // A frame that did not fit its screen (a start with a large scale
  // factor, say) was as large as it could be: the next start maximizes it.
  const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
  const QSize outer = frameGeometry().size();
  l.Maximized = isMaximized() ||
                (!screen.isEmpty() && (outer.width() > screen.width() || outer.height() > screen.height()));
  if (paletteDock_) {
    l.PaletteFloating = paletteDock_->isFloating();
    l.PaletteLeft = dockWidgetArea(paletteDock_) == Qt::LeftDockWidgetArea;
    l.PaletteShown = !paletteDock_->isHidden();
    if (l.PaletteFloating)
      l.Palette = paletteDock_->saveGeometry();
  }
  if (overviewDock_)
    l.Overview = !overviewDock_->isHidden();
  if (changeLayersDock_)
    l.ChangeLayers = !changeLayersDock_->isHidden();
  l.AutoCoasts = paintTool_.AutoCoasts;
  l.MatchGroup = paintTool_.MatchGroup;
  l.Write(ini);
}

void TMDIMain::CreateBarItems() {
  // The same switches as the Options dialog's check boxes.
  ToolBarItem = ViewMenu->addAction(tr("&Tool Bar"));
  ToolBarItem->setCheckable(true);
  connect(ToolBarItem, &QAction::triggered, this, [this](bool on) {
    config_.ToolBar = on;
    ApplyBarVisibility();
  });
  StatusBarItem = ViewMenu->addAction(tr("St&atus Bar"));
  StatusBarItem->setCheckable(true);
  connect(StatusBarItem, &QAction::triggered, this, [this](bool on) {
    config_.StatusBar = on;
    ApplyBarVisibility();
  });
}

void TMDIMain::ApplyBarVisibility() {
  ToolBar->setVisible(config_.ToolBar);
  status_->setVisible(config_.StatusBar);
  ToolBarItem->setChecked(config_.ToolBar);
  StatusBarItem->setChecked(config_.StatusBar);
}

namespace {

std::vector<QMdiSubWindow*> ShownMissions(QMdiArea* mdi) {
  std::vector<QMdiSubWindow*> shown;
  for (QMdiSubWindow* sub : mdi->subWindowList(QMdiArea::CreationOrder))
    if (qobject_cast<TMDIMiss*>(sub->widget()) && !sub->isMinimized() && sub->isVisible())
      shown.push_back(sub);
  return shown;
}

}  // namespace

void TMDIMain::CascadeMissions() {
  const std::vector<QMdiSubWindow*> shown = ShownMissions(mdi_);
  if (shown.empty())
    return;
  QRect area = mdi_->viewport()->rect();
  const int step = 28;
  int n = static_cast<int>(shown.size());
  QSize size(std::max(kMinArranged.width(), area.width() - step * (n - 1)),
             std::max(kMinArranged.height(), area.height() - step * (n - 1)));
  size = size.boundedTo(area.size()).expandedTo(kMinArranged);
  for (int i = 0; i < n; ++i) {
    shown[i]->showNormal();
    // Windows beyond the area's room start again at the top.
    int room = std::max(0, std::min(area.width() - size.width(), area.height() - size.height()));
    int offset = room > 0 ? step * i % (room + 1) : 0;
    shown[i]->setGeometry(offset, offset, size.width(), size.height());
    shown[i]->raise();
  }
}

void TMDIMain::TileMissions() {
  // Side by side, each window the full height of the area, but never
  // narrower than a usable window: then in rows.
  const std::vector<QMdiSubWindow*> shown = ShownMissions(mdi_);
  if (shown.empty())
    return;
  QRect area = mdi_->viewport()->rect();
  int n = static_cast<int>(shown.size());
  int columns = std::clamp(area.width() / kMinArranged.width(), 1, n);
  int rows = (n + columns - 1) / columns;
  int width = area.width() / columns;
  int height = std::max(kMinArranged.height(), area.height() / rows);
  for (int i = 0; i < n; ++i) {
    shown[i]->showNormal();
    shown[i]->setGeometry(i % columns * width, i / columns * height, width, height);
  }
}

}  // namespace vh
