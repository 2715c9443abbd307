// The painting tools: the Tools menu, its tool bar and the brush size.

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <algorithm>

#include "hexmap/PaintTools.h"
#include "shell/MDIMainForm.h"
#include "shell/MDIMissForm.h"

namespace vh {

namespace {

QString BrushText(int radius) {
  return TMDIMain::tr(" Brush: %1 ").arg(BrushCellCount(radius));
}

}  // namespace

void TMDIMain::CreateToolsMenu() {
  ToolsMenu = menuBar()->addMenu(tr("&Tools"));
  auto* modes = new QActionGroup(this);
  auto mode = [this, modes](const QString& text, const char* name, Qt::Key key, TToolMode m,
                            const QString& hint) {
    QAction* a = ToolsMenu->addAction(text);
    a->setObjectName(name);
    a->setCheckable(true);
    a->setShortcut(QKeySequence(key));
    // Also while the focus is in a floating palette or the history: only a
    // text field keeps the letter for itself.
    a->setShortcutContext(Qt::ApplicationShortcut);
    a->setToolTip(hint);
    modes->addAction(a);
    connect(a, &QAction::triggered, this, [this, m] {
      TPaintTool tool = paintTool_;
      tool.Mode = m;
      SetPaintTool(tool);
    });
    return a;
  };
  PaintToolItem = mode(tr("&Paint"), "PaintToolItem", Qt::Key_B, TToolMode::Paint,
                       tr("Paint the cells the brush is dragged over (B)"));
  LineToolItem = mode(tr("&Line"), "LineToolItem", Qt::Key_L, TToolMode::Line,
                      tr("Paint a straight line from press to release (L)"));
  FillToolItem = mode(tr("&Fill"), "FillToolItem", Qt::Key_F, TToolMode::Fill,
                      tr("Paint the connected cells that look like the clicked one (F)"));
  PaintToolItem->setChecked(true);
  ToolsMenu->addSeparator();
  auto step = [this](int by) {
    TPaintTool tool = paintTool_;
    tool.BrushRadius = std::clamp(tool.BrushRadius + by, 0, MaxBrushRadius);
    SetPaintTool(tool);
  };
  BrushSmallerItem = ToolsMenu->addAction(tr("&Smaller Brush"), this, [step] { step(-1); });
  BrushSmallerItem->setObjectName("BrushSmallerItem");
  BrushSmallerItem->setShortcut(QKeySequence(Qt::Key_BracketLeft));
  BrushSmallerItem->setShortcutContext(Qt::ApplicationShortcut);
  BrushSmallerItem->setToolTip(tr("Smaller brush ([)"));
  BrushLargerItem = ToolsMenu->addAction(tr("L&arger Brush"), this, [step] { step(1); });
  BrushLargerItem->setObjectName("BrushLargerItem");
  BrushLargerItem->setShortcut(QKeySequence(Qt::Key_BracketRight));
  BrushLargerItem->setShortcutContext(Qt::ApplicationShortcut);
  BrushLargerItem->setToolTip(tr("Larger brush (])"));
}

void TMDIMain::CreateToolsBar() {
  ToolsBar = addToolBar(tr("Tools"));
  ToolsBar->setObjectName("ToolsBar");
  ToolsBar->setMovable(false);
  ToolsBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  ToolsBar->addAction(PaintToolItem);
  ToolsBar->addAction(LineToolItem);
  ToolsBar->addAction(FillToolItem);
  ToolsBar->addSeparator();
  ToolsBar->addAction(BrushSmallerItem);
  BrushLabel = new QLabel(BrushText(paintTool_.BrushRadius), ToolsBar);
  BrushLabel->setObjectName("BrushLabel");
  BrushLabel->setToolTip(tr("Cells the brush covers"));
  ToolsBar->addWidget(BrushLabel);
  ToolsBar->addAction(BrushLargerItem);
  BrushSmallerItem->setIconText(QStringLiteral("["));
  BrushLargerItem->setIconText(QStringLiteral("]"));
  BrushSmallerItem->setEnabled(paintTool_.BrushRadius > 0);
}

void TMDIMain::SetPaintTool(TPaintTool tool) {
  tool.BrushRadius = std::clamp(tool.BrushRadius, 0, MaxBrushRadius);
  paintTool_ = tool;
  QAction* item = tool.Mode == TToolMode::Line   ? LineToolItem
                  : tool.Mode == TToolMode::Fill ? FillToolItem
                                                 : PaintToolItem;
  if (item)
    item->setChecked(true);
  if (BrushLabel)
    BrushLabel->setText(BrushText(tool.BrushRadius));
  if (BrushSmallerItem)
    BrushSmallerItem->setEnabled(tool.BrushRadius > 0);
  if (BrushLargerItem)
    BrushLargerItem->setEnabled(tool.BrushRadius < MaxBrushRadius);
  for (TMDIMiss* w : MissionWindows())
    w->SetPaintTool(tool);
}

}  // namespace vh
