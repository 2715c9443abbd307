#include "shell/ProblemsDock.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>

#include "views/COMPMissView.h"
#include "views/QtText.h"

namespace vh {

namespace {

enum Column { ColKind, ColCell, ColProblem, ColumnCount };
// Item data: the index of the problem in the report (rows) and of the place
// in the problem (places; -1 on rows).
constexpr int ProblemRole = Qt::UserRole;
constexpr int PlaceRole = Qt::UserRole + 1;

QString CellText(const TProblemPlace& p) {
  if (p.HasCell())
    return QStringLiteral("(%1, %2)").arg(p.Cell.x).arg(p.Cell.y);
  if (p.Line > 0)
    return TProblemsDock::tr("line %1").arg(p.Line);
  return {};
}

// A mission window may reach past the MDI area (the dock takes room from
// it): scroll the area as well, so the cell shows on the screen and not just
// inside its window.
void ShowInMdiArea(TMissView& map, TPoint cell) {
  for (QWidget* w = map.parentWidget(); w; w = w->parentWidget()) {
    auto* area = qobject_cast<QMdiArea*>(w);
    if (!area)
      continue;
    QWidget* viewport = area->viewport();
    const TPoint origin = map.CellToPoint(cell);
    const QPoint at =
        map.mapTo(viewport, map.BitmapToWidget({origin.x + HexSize / 2, origin.y + HexSize / 2}));
    const QRect room = viewport->rect().adjusted(HexSize, HexSize, -HexSize, -HexSize);
    if (at.x() < room.left() || at.x() > room.right())
      area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->value() + at.x() -
                                            viewport->width() / 2);
    if (at.y() < room.top() || at.y() > room.bottom())
      area->verticalScrollBar()->setValue(area->verticalScrollBar()->value() + at.y() -
                                          viewport->height() / 2);
    return;
  }
}

QString Errors(int n) {
  return n == 1 ? TProblemsDock::tr("1 error") : TProblemsDock::tr("%1 errors").arg(n);
}

QString Warnings(int n) {
  return n == 1 ? TProblemsDock::tr("1 warning") : TProblemsDock::tr("%1 warnings").arg(n);
}

}  // namespace

TProblemsDock::TProblemsDock(QWidget* parent) : QDockWidget(tr("Problems"), parent) {
  setObjectName("ProblemsDock");
  tree_ = new QTreeWidget(this);
  tree_->setObjectName("ProblemsList");
  tree_->setColumnCount(ColumnCount);
  tree_->setHeaderLabels({tr("Kind"), tr("Cell"), tr("Problem")});
  tree_->setRootIsDecorated(true);
  tree_->setUniformRowHeights(true);
  tree_->setAlternatingRowColors(true);
  tree_->header()->setSectionResizeMode(ColKind, QHeaderView::ResizeToContents);
  tree_->header()->setSectionResizeMode(ColCell, QHeaderView::ResizeToContents);
  setWidget(tree_);

  // Places are made when a row unfolds: a blank map has thousands.
  connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* row) { FillPlaces(row); });
  connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { Activate(item); });

  settle_.setSingleShot(true);
  settle_.setInterval(SettleMs);
  connect(&settle_, &QTimer::timeout, this, &TProblemsDock::Rebuild);
  connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (!visible)
      settle_.stop();
    else if (stale_)
      settle_.start(0);
  });
}

void TProblemsDock::SetView(TMissView* view) {
  if (view == view_ && (view || !stale_))
    return;
  disconnect(changed_);
  disconnect(gone_);
  view_ = view;
  settle_.stop();
  if (view) {
    changed_ = connect(view, &TMissView::MissionChanged, this, [this](const TMissionChange& change) {
      // A save changes nothing the check looks at but what the load tolerated.
      if (!change.Empty())
        Changed();
    });
    // The window went without another one becoming current.
    gone_ = connect(view, &QObject::destroyed, this, [this] { SetView(nullptr); });
  }
  // A hidden dock catches up when it shows.
  stale_ = true;
  if (isVisible() || !view)
    Rebuild();
}

void TProblemsDock::Changed() {
  stale_ = true;
  // Each change restarts the wait, so a stroke is checked once it ends.
  if (isVisible())
    settle_.start();
}

void TProblemsDock::CheckNow() {
  show();
  raise();
  settle_.stop();
  Rebuild();
  tree_->setFocus();
}

void TProblemsDock::Rebuild() {
  stale_ = false;
  // Keep what the user unfolded and where the selection was.
  std::vector<TCheckKind> unfolded;
  TCheckKind currentKind{};
  int currentPlace = -2;
  for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = tree_->topLevelItem(i);
    if (row->isExpanded() && i < static_cast<int>(report_.Problems.size()))
      unfolded.push_back(report_.Problems[static_cast<size_t>(i)].Kind);
  }
  if (QTreeWidgetItem* cur = tree_->currentItem(); cur && cur->data(ColKind, PlaceRole).toInt() >= -1) {
    currentKind = report_.Problems[cur->data(ColKind, ProblemRole).toUInt()].Kind;
    currentPlace = cur->data(ColKind, PlaceRole).toInt();
  }

  report_ = view_ ? CheckMission(view_->Mission()) : TCheckReport{};
  tree_->clear();
  const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
  const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
  QList<QTreeWidgetItem*> rows;
  for (size_t i = 0; i < report_.Problems.size(); ++i) {
    const TProblem& p = report_.Problems[i];
    auto* row = new QTreeWidgetItem;
    const bool isError = p.Severity() == TSeverity::Error;
    row->setIcon(ColKind, isError ? error : warning);
    row->setText(ColKind, isError ? tr("Error") : tr("Warning"));
    row->setData(ColKind, ProblemRole, static_cast<uint>(i));
    row->setData(ColKind, PlaceRole, -1);
    QString text = TranslatedText("Check", CheckKindSentence(p.Kind));
    if (p.Places.size() == 1) {
      if (!p.Places[0].Detail.empty())
        text += QStringLiteral(": ") + ToQString(p.Places[0].Detail);
      row->setText(ColCell, CellText(p.Places[0]));
    } else {
      text += QStringLiteral(" (%1)").arg(p.Places.size());
      row->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    row->setText(ColProblem, text);
    row->setToolTip(ColProblem, text);
    rows.append(row);
  }
  tree_->addTopLevelItems(rows);

  for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = tree_->topLevelItem(i);
    const TCheckKind kind = report_.Problems[static_cast<size_t>(i)].Kind;
    if (std::find(unfolded.begin(), unfolded.end(), kind) != unfolded.end())
      row->setExpanded(true);
    if (currentPlace == -2 || kind != currentKind)
      continue;
    QTreeWidgetItem* target = row;
    if (currentPlace >= 0 && row->isExpanded() && currentPlace < row->childCount())
      target = row->child(currentPlace);
    tree_->setCurrentItem(target);
  }
  if (!tree_->currentItem() && tree_->topLevelItemCount() > 0)
    tree_->setCurrentItem(tree_->topLevelItem(0));
  setWindowTitle(report_.Problems.empty() || !view_
                     ? tr("Problems")
                     : tr("Problems: %1, %2").arg(Errors(report_.Errors()), Warnings(report_.Warnings())));
  if (view_ && report_.Problems.empty()) {
    auto* none = new QTreeWidgetItem(tree_);
    none->setText(ColProblem, tr("No problems found"));
    none->setFlags(Qt::ItemIsEnabled);
    none->setData(ColKind, PlaceRole, -3);
  }
}

void TProblemsDock::FillPlaces(QTreeWidgetItem* row) {
  if (row->parent() || row->childCount() > 0 || row->data(ColKind, PlaceRole).toInt() != -1)
    return;
  const uint index = row->data(ColKind, ProblemRole).toUInt();
  const TProblem& p = report_.Problems[index];
  if (p.Places.size() < 2)
    return;
  QList<QTreeWidgetItem*> places;
  places.reserve(static_cast<qsizetype>(p.Places.size()));
  for (size_t j = 0; j < p.Places.size(); ++j) {
    auto* item = new QTreeWidgetItem;
    item->setText(ColProblem, ToQString(p.Places[j].Detail));
    item->setText(ColCell, CellText(p.Places[j]));
    item->setData(ColKind, ProblemRole, index);
    item->setData(ColKind, PlaceRole, static_cast<int>(j));
    places.append(item);
  }
  row->addChildren(places);
}

void TProblemsDock::Activate(QTreeWidgetItem* item) {
  const int place = item ? item->data(ColKind, PlaceRole).toInt() : -3;
  if (!view_ || place < -1)
    return;
  const TProblem& p = report_.Problems[item->data(ColKind, ProblemRole).toUInt()];
  // A row stands for its first place that has a cell.
  for (size_t j = place < 0 ? 0 : static_cast<size_t>(place); j < p.Places.size(); ++j) {
    if (p.Places[j].HasCell()) {
      if (view_->GotoCell(p.Places[j].Cell))
        ShowInMdiArea(*view_, p.Places[j].Cell);
      return;
    }
    if (place >= 0)
      return;
  }
}

TProblemsDock* InstallProblemsDock(QMainWindow* frame, QMenu* missionMenu, QAction** checkItem) {
  auto* dock = new TProblemsDock(frame);
  frame->addDockWidget(Qt::BottomDockWidgetArea, dock);
  dock->hide();
  missionMenu->addSeparator();
  QAction* check = missionMenu->addAction(TProblemsDock::tr("&Check"));
  check->setShortcut(Qt::Key_F7);
  QObject::connect(check, &QAction::triggered, dock, &TProblemsDock::CheckNow);
  if (checkItem)
    *checkItem = check;
  return dock;
}

}  // namespace vh
