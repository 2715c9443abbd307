#include "shell/HistoryDock.h"

#include <QListWidget>
#include <QSignalBlocker>

#include "mission/History.h"

namespace vh {

THistoryDock::THistoryDock(QWidget* parent) : QDockWidget(QStringLiteral("History"), parent) {
  setObjectName("HistoryDock");
  list_ = new QListWidget(this);
  list_->setObjectName("HistoryList");
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  setWidget(list_);
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int row = list_->row(item);
    if (history_ && OnGoTo && row >= 0 && static_cast<size_t>(row) != history_->Position())
      OnGoTo(static_cast<size_t>(row));
  });
}

QString THistoryDock::StepText(const TMissionHistory& history, size_t step) {
  QString text = QString::fromStdString(history.StepName(step));
  const size_t cells = history.StepCells(step);
  if (cells == 1)
    text += QStringLiteral(" \u2014 1 cell");
  else if (cells > 1)
    text += QStringLiteral(" \u2014 %1 cells").arg(cells);
  return text;
}

void THistoryDock::ShowHistory(const TMissionHistory* history) {
  history_ = history;
  if (isVisible())
    Fill();
}

void THistoryDock::showEvent(QShowEvent* event) {
  Fill();
  QDockWidget::showEvent(event);
}

void THistoryDock::Fill() {
  const QSignalBlocker block(list_);
  list_->clear();
  if (!history_)
    return;
  const std::optional<size_t> saved = history_->SavedPosition();
  for (size_t row = 0; row <= history_->Count(); ++row) {
    QString text = row == 0 ? QStringLiteral("Start") : StepText(*history_, row - 1);
    if (saved == row)
      text += QStringLiteral("   (saved)");
    auto* item = new QListWidgetItem(text, list_);
    // Steps that can only be redone look it.
    if (row > history_->Position())
      item->setForeground(list_->palette().color(QPalette::Disabled, QPalette::Text));
    if (saved == row) {
      QFont bold = item->font();
      bold.setBold(true);
      item->setFont(bold);
    }
  }
  list_->setCurrentRow(static_cast<int>(history_->Position()));
  list_->scrollToItem(list_->currentItem());
}

}  // namespace vh
