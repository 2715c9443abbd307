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
#include "shell/MDIMainForm.h"
#include "shell/MDIMissForm.h"
#include "shell/PaletteFactory.h"
#include "shell/StatusPanels.h"
#include "tools/Cp1252.h"

namespace vh {

namespace {

constexpr char kSection[] = "Layout";

QRect ReadRect(const TIniFile& ini, const char* key) {
  QStringList parts = QString::fromStdString(ini.ReadString(kSection, key, "")).split(',');
  if (parts.size() != 4)
    return {};
  int v[4];
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    v[i] = parts[i].trimmed().toInt(&ok);
    if (!ok)
      return {};
  }
  if (v[2] <= 0 || v[3] <= 0)
    return {};
  return {v[0], v[1], v[2], v[3]};
}

void WriteRect(TIniFile& ini, const char* key, const QRect& r) {
  if (r.isValid())
    ini.WriteString(kSection, key,
                    QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString());
}

QList<QRect> ScreenAreas() {
  QList<QRect> areas;
  for (QScreen* s : QGuiApplication::screens())
    areas.append(s->availableGeometry());
  return areas;
}

// Mission windows never shrink below this when they are arranged.
constexpr QSize kMinArranged{320, 240};

} // namespace

TFrameLayout TFrameLayout::Read(const TIniFile& ini) {
  TFrameLayout l;
  l.Frame = ReadRect(ini, "Frame");
  l.Maximized = ini.ReadBool(kSection, "Maximized", true);
  l.Palette = ReadRect(ini, "Palette");
  l.PaletteFloating = ini.ReadBool(kSection, "PaletteFloating", false);
  l.PaletteLeft = ini.ReadString(kSection, "PaletteSide", "right") == "left";
  l.PaletteShown = ini.ReadBool(kSection, "PaletteShown", true);
  l.Zoom =
      NearestZoomLevel(static_cast<int>(std::clamp(ini.ReadInteger("General", "Zoom", 100), 0L, 100000L)));
  l.Overview = ini.ReadBool("General", "Overview", false);
  return l;
}

void TFrameLayout::Write(TIniFile& ini) const {
  WriteRect(ini, "Frame", Frame);
  ini.WriteBool(kSection, "Maximized", Maximized);
  WriteRect(ini, "Palette", Palette);
  ini.WriteBool(kSection, "PaletteFloating", PaletteFloating);
  ini.WriteString(kSection, "PaletteSide", PaletteLeft ? "left" : "right");
  ini.WriteBool(kSection, "PaletteShown", PaletteShown);
  ini.WriteString("General", "Zoom", std::to_string(Zoom));
  ini.WriteBool("General", "Overview", Overview);
}

QRect ClampToScreens(const QRect& rect, const QList<QRect>& screens) {
  if (screens.isEmpty() || !rect.isValid())
    return rect;
  QRect best = screens.front();
  long bestArea = 0;
  for (const QRect& s : screens) {
    QRect common = s.intersected(rect);
    long area = common.isValid() ? static_cast<long>(common.width()) * common.height() : 0;
    if (area > bestArea) {
      bestArea = area;
      best = s;
    }
  }
  QRect r(rect.topLeft(), rect.size().boundedTo(best.size()));
  r.moveLeft(std::clamp(r.left(), best.left(), best.right() + 1 - r.width()));
  r.moveTop(std::clamp(r.top(), best.top(), best.bottom() + 1 - r.height()));
  return r;
}

void TMDIMain::ShowWithLayout() {
  if (layout_.Frame.isValid())
    setGeometry(ClampToScreens(layout_.Frame, ScreenAreas()));
  else if (QScreen* s = screen())
    // Mission windows opened at start-up are sized before the window
    // manager has maximized the frame.
    setGeometry(s->availableGeometry().adjusted(40, 40, -40, -40));
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
  PaletteItem->setText(QStringLiteral("&Edit Window"));
  PaletteItem->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_E);
  ViewMenu->addAction(PaletteItem);
  if (layout_.PaletteFloating) {
    paletteDock_->setFloating(true);
    if (layout_.Palette.isValid())
      paletteDock_->setGeometry(ClampToScreens(layout_.Palette, ScreenAreas()));
  }
  paletteDock_->setVisible(layout_.PaletteShown);
  if (!palette.SetupError.isEmpty() && graphicsUi_.Warning)
    graphicsUi_.Warning(palette.SetupError);
}

void TMDIMain::WriteLayout(TIniFile& ini) const {
  TFrameLayout l = layout_;
  l.Maximized = isMaximized();
  l.Frame = isMaximized() || isMinimized() ? normalGeometry() : geometry();
  if (paletteDock_) {
    l.PaletteFloating = paletteDock_->isFloating();
    l.PaletteLeft = dockWidgetArea(paletteDock_) == Qt::LeftDockWidgetArea;
    l.PaletteShown = !paletteDock_->isHidden();
    if (l.PaletteFloating)
      l.Palette = paletteDock_->geometry();
  }
  if (overviewDock_)
    l.Overview = !overviewDock_->isHidden();
  l.Write(ini);
}

void TMDIMain::CreateBarItems() {
  // The same switches as the Options dialog's check boxes.
  ToolBarItem = ViewMenu->addAction(QStringLiteral("&Tool Bar"));
  ToolBarItem->setCheckable(true);
  connect(ToolBarItem, &QAction::triggered, this, [this](bool on) {
    config_.ToolBar = on;
    ApplyBarVisibility();
  });
  StatusBarItem = ViewMenu->addAction(QStringLiteral("St&atus Bar"));
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

} // namespace

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

} // namespace vh
