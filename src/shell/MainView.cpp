#include <QAction>
#include <QDockWidget>
#include <QMenu>

#include "shell/MDIMainForm.h"
#include "shell/MDIMissForm.h"
#include "shell/MainStatusBar.h"
#include "views/OverviewMap.h"

namespace vh {

void TMDIMain::CreateZoomItems() {
  ViewMenu->addSeparator();
  auto item = [this](const char* name, const QString& text, QList<QKeySequence> keys, auto handler) {
    QAction* a = ViewMenu->addAction(text);
    a->setObjectName(name);
    a->setShortcuts(keys);
    connect(a, &QAction::triggered, this, [this, handler] {
      if (activeMiss_)
        handler(*activeMiss_->Navigator());
    });
    return a;
  };
  // Ctrl+= is Ctrl++ without reaching for Shift on most keyboards.
  QList<QKeySequence> zoomInKeys = QKeySequence::keyBindings(QKeySequence::ZoomIn);
  for (const QKeySequence& k :
       {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
    if (!zoomInKeys.contains(k))
      zoomInKeys.append(k);
  QList<QKeySequence> zoomOutKeys = QKeySequence::keyBindings(QKeySequence::ZoomOut);
  if (!zoomOutKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Minus)))
    zoomOutKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  ZoomInItem = item("ZoomInItem", tr("Zoom &In"), zoomInKeys, [](TMapNavigator& n) { n.ZoomIn(); });
  ZoomOutItem = item("ZoomOutItem", tr("Zoom &Out"), zoomOutKeys, [](TMapNavigator& n) { n.ZoomOut(); });
  ActualSizeItem = item("ActualSizeItem", tr("&Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
                        [](TMapNavigator& n) { n.SetZoom(100); });
  FitWindowItem = item("FitWindowItem", tr("&Fit Window"), {}, [](TMapNavigator& n) { n.FitWindow(); });
}

void TMDIMain::CreateOverviewDock() {
  overview_ = new TOverviewMap;
  overview_->setObjectName("Overview");
  overviewDock_ = new QDockWidget(tr("Overview"), this);
  overviewDock_->setObjectName("OverviewDock");
  overviewDock_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                             QDockWidget::DockWidgetFloatable);
  overviewDock_->setWidget(overview_);
  addDockWidget(Qt::RightDockWidgetArea, overviewDock_);
  // The View menu's item and the dock's close button are one switch.
  QAction* item = overviewDock_->toggleViewAction();
  item->setText(tr("&Overview"));
  item->setObjectName("OverviewItem");
  item->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
  ViewMenu->addAction(item);
  overviewDock_->setVisible(layout_.Overview);
}

void TMDIMain::MissViewMoved(TMDIMiss* window) {
  if (window != activeMiss_ || !window)
    return;
  // A new window starts with the zoom chosen last.
  layout_.Zoom = window->Navigator()->Zoom();
  status_->ShowZoom(layout_.Zoom);
  overview_->SetView(window->MissView(), window->Navigator());
}

}  // namespace vh
