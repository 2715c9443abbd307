#include "shell/HistoryDock.h"

#include <QListWidget>
#include <QSignalBlocker>

#include "mission/History.h"
#include "views/QtText.h"

namespace vh {

THistoryDock::THistoryDock(QWidget* parent) : QDockWidget(tr("History"), parent) {
  setObjectName("HistoryDock");
  list_ = new QListWidget(this);
  list_->setObjectName("HistoryList");
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  setWidget(list_);
  // Whatever makes a row current goes there: a click of either button, the
  // arrow keys. A highlight that is not where the mission is would mislead.
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (history_ && OnGoTo && row >= 0 && static_cast<size_t>(row) != history_->Position())
      OnGoTo(static_cast<size_t>(row));
  });
}

QString THistoryDock::StepText(const TMissionHistory& history, size_t step) {
  QString text = StepNameText(history.StepName(step));
  const size_t cells = history.StepCells(step);
  if (cells == 1)
    text += tr(" \u2014 1 cell");
  else if (cells > 1)
    text += tr(" \u2014 %1 cells").arg(cells);
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

// The rows are updated in place: a jump arrives while the list is still
// making the clicked row current, and must not delete it under the list.
void THistoryDock::Fill() {
  const QSignalBlocker block(list_);
  if (!history_) {
    list_->clear();
    return;
  }
  const int rows = static_cast<int>(history_->Count()) + 1;
  while (list_->count() > rows)
    delete list_->takeItem(list_->count() - 1);
  while (list_->count() < rows)
    new QListWidgetItem(list_);
  const std::optional<size_t> saved = history_->SavedPosition();
  for (int row = 0; row < rows; ++row) {
    const auto step = static_cast<size_t>(row);
    QString text = row == 0 ? tr("Start") : StepText(*history_, step - 1);
    if (saved == step)
      text += tr("   (saved)");
    QListWidgetItem* item = list_->item(row);
    item->setText(text);
    // Steps that can only be redone look it.
    item->setForeground(list_->palette().color(
        step > history_->Position() ? QPalette::Disabled : QPalette::Active, QPalette::Text));
    QFont font = list_->font();
    font.setBold(saved == step);
    item->setFont(font);
  }
  list_->setCurrentRow(static_cast<int>(history_->Position()));
  list_->scrollToItem(list_->currentItem());
}

}  // namespace vh
