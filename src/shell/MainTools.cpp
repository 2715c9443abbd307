// The painting tools: the Tools menu, its tool bar and the brush size.

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <algorithm>
#include <utility>

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
  CreateToolSwitches();
}

void TMDIMain::CreateToolSwitches() {
  ToolsMenu->addSeparator();
  auto toggle = [this](const QString& text, const char* name, bool on, const QString& hint,
                       bool TPaintTool::*field) {
    QAction* a = ToolsMenu->addAction(text);
    a->setObjectName(name);
    a->setCheckable(true);
    a->setChecked(on);
    a->setToolTip(hint);
    connect(a, &QAction::toggled, this, [this, field](bool down) {
      TPaintTool tool = paintTool_;
      tool.*field = down;
      SetPaintTool(tool);
    });
    return a;
  };
  MatchGroupItem = toggle(tr("&Match Group"), "MatchGroupItem", paintTool_.MatchGroup,
                          tr("Fill reaches every connected cell whose picture is in the clicked "
                             "picture's palette group"),
                          &TPaintTool::MatchGroup);
  RandomItem = toggle(tr("&Random"), "RandomItem", paintTool_.Random,
                      tr("Paint, Line and Fill give each cell a random picture of the chosen picture's "
                         "group (R)"),
                      &TPaintTool::Random);
  RandomItem->setShortcut(QKeySequence(Qt::Key_R));
  RandomItem->setShortcutContext(Qt::ApplicationShortcut);
  AutoCoastsItem = toggle(tr("Automatic &Coasts"), "AutoCoastsItem", paintTool_.AutoCoasts,
                          tr("Water and coast cells around painted terrain get the coast pictures of "
                             "the land beside them"),
                          &TPaintTool::AutoCoasts);
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
  ToolsBar->addSeparator();
  ToolsBar->addAction(MatchGroupItem);
  ToolsBar->addAction(RandomItem);
  ToolsBar->addAction(AutoCoastsItem);
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
  for (auto [toggle, on] : {std::pair{MatchGroupItem, tool.MatchGroup}, std::pair{RandomItem, tool.Random},
                            std::pair{AutoCoastsItem, tool.AutoCoasts}})
    if (toggle && toggle->isChecked() != on) {
      const QSignalBlocker block(toggle);
      toggle->setChecked(on);
    }
  for (TMDIMiss* w : MissionWindows())
    w->SetPaintTool(tool);
}

}  // namespace vh
