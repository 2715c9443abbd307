#include "shell/ChangeLayersDock.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "mission/DFLayers.h"
#include "views/COMPMissView.h"

namespace vh {

namespace {

enum TColumn { ColLayer, ColCells, ColumnCount };

}  // namespace

TChangeLayersDock::TChangeLayersDock(QWidget* parent) : QDockWidget(tr("Change Layers"), parent) {
  setObjectName("ChangeLayersDock");
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
              QDockWidget::DockWidgetFloatable);
  list_ = new QTreeWidget(this);
  list_->setObjectName("ChangeLayersList");
  list_->setColumnCount(ColumnCount);
  list_->setHeaderLabels({tr("Layer"), tr("Cells")});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->header()->setSectionResizeMode(ColLayer, QHeaderView::ResizeToContents);
  list_->setToolTip(tr("Click: show the layer (Nr.); double-click: also show the changes in game (DFxx)"));
  for (int layer = 0; layer < DFLayerCount; ++layer) {
    auto* row = new QTreeWidgetItem(list_);
    row->setData(ColLayer, Qt::UserRole, layer);
    row->setTextAlignment(ColCells, Qt::AlignRight | Qt::AlignVCenter);
  }
  setWidget(list_);
  connect(list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { Choose(item, false); });
  connect(list_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { Choose(item, true); });
  connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible && stale_)
      Refresh();
  });
  Refresh();
}

void TChangeLayersDock::SetView(TMissView* view) {
  if (view == view_ && view)
    return;
  disconnect(changed_);
  disconnect(gone_);
  view_ = view;
  if (view) {
    changed_ = connect(view, &TMissView::MissionChanged, this, [this](const TMissionChange& change) {
      // Steps and file names alone change no layer.
      if (!change.Cells.empty() || change.Layers || change.LayerShown || change.Everything()) {
        stale_ = true;
        if (isVisible())
          Refresh();
      }
    });
    gone_ = connect(view, &QObject::destroyed, this, [this] { SetView(nullptr); });
  }
  Refresh();
}

void TChangeLayersDock::Refresh() {
  stale_ = false;
  counts_ = {};
  marked_ = -1;
  if (view_) {
    counts_ = ChangeLayerCellCounts(view_->Mission());
    marked_ = view_->Mission().DFNr;
  }
  for (int layer = 0; layer < DFLayerCount; ++layer) {
    QTreeWidgetItem* row = list_->topLevelItem(layer);
    const bool current = layer == marked_;
    // The shown layer is marked by an arrow and in bold, whatever is selected.
    row->setText(ColLayer,
                 (current ? QStringLiteral("\u25B6 ") : QStringLiteral("    ")) + QString::number(layer));
    row->setText(ColCells, view_ ? QString::number(counts_[static_cast<size_t>(layer)]) : QString());
    QFont font = row->font(ColLayer);
    font.setBold(current);
    row->setFont(ColLayer, font);
    row->setFont(ColCells, font);
    row->setToolTip(ColLayer, current ? tr("Change layer %1, shown (Nr.)").arg(layer)
                                      : tr("Change layer %1").arg(layer));
  }
  list_->setEnabled(view_ != nullptr);
}

void TChangeLayersDock::Choose(QTreeWidgetItem* item, bool turnOn) {
  if (!item || !view_ || !OnChoose)
    return;
  OnChoose(item->data(ColLayer, Qt::UserRole).toInt(), turnOn);
}

}  // namespace vh
