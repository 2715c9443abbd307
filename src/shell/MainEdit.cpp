// The frame's Edit menu: undo and redo of the current mission window's
// history, its tool bar buttons and the history window; the clipboard's
// commands are in MainClipboard.cpp.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

#include "shell/HistoryDock.h"
#include "shell/MDIMainForm.h"
#include "shell/MDIMissForm.h"
#include "shell/VhApplication.h"
#include "views/QtText.h"

namespace vh {

void TMDIMain::CreateEditMenu() {
  EditMenu = menuBar()->addMenu(tr("&Edit"));
  EditUndoItem = EditMenu->addAction(tr("&Undo"));
  EditUndoItem->setObjectName("EditUndoItem");
  EditUndoItem->setShortcut(QKeySequence::Undo);
  EditUndoItem->setIconText(tr("Undo"));
  connect(EditUndoItem, &QAction::triggered, this, [this] {
    RunCommand(this, [&] {
      if (activeMiss_)
        activeMiss_->Undo();
    });
  });
  EditRedoItem = EditMenu->addAction(tr("&Redo"));
  EditRedoItem->setObjectName("EditRedoItem");
  // Both customs, whatever the platform's own redo key is.
  EditRedoItem->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  EditRedoItem->setIconText(tr("Redo"));
  connect(EditRedoItem, &QAction::triggered, this, [this] {
    RunCommand(this, [&] {
      if (activeMiss_)
        activeMiss_->Redo();
    });
  });
  // Also from a floating palette's fields (see TFieldUndoKeys).
  EditUndoItem->setShortcutContext(Qt::ApplicationShortcut);
  EditRedoItem->setShortcutContext(Qt::ApplicationShortcut);
  EditMenu->addSeparator();
  CreateClipboardActions();
  EditMenu->addSeparator();
  EditHistoryItem = EditMenu->addAction(tr("&History"));
  EditHistoryItem->setObjectName("EditHistoryItem");
  EditHistoryItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));

  historyDock_ = new THistoryDock(this);
  addDockWidget(Qt::RightDockWidgetArea, historyDock_);
  historyDock_->hide();
  historyDock_->OnGoTo = [this](size_t position) {
    RunCommand(this, [&] {
      if (activeMiss_)
        activeMiss_->GoToStep(position);
    });
  };
  connect(EditHistoryItem, &QAction::triggered, this, [this] {
    historyDock_->show();
    historyDock_->raise();
  });

  // Typing into a field merges into one step only while the field keeps the focus.
  connect(qApp, &QApplication::focusChanged, this, [this] {
    if (activeMiss_)
      activeMiss_->MissView()->History().BreakMerge();
  });
  // One Escape for the whole frame: it drops the line, paste or selection
  // of the current mission window, whichever widget has the focus.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &TMDIMain::EscapeKey);
  UpdateEditActions();
}

void TMDIMain::AddEditButtons() {
  ToolBar->addSeparator();
  ToolBar->addAction(EditUndoItem);
  ToolBar->addAction(EditRedoItem);
}

void TMDIMain::UpdateEditActions() {
  const TMissionHistory* h = activeMiss_ ? &activeMiss_->MissView()->History() : nullptr;
  const bool canUndo = h && h->CanUndo(), canRedo = h && h->CanRedo();
  const QString undoName = canUndo ? StepNameText(h->UndoName()) : QString();
  const QString redoName = canRedo ? StepNameText(h->RedoName()) : QString();
  EditUndoItem->setText(canUndo ? tr("&Undo %1").arg(undoName) : tr("&Undo"));
  EditRedoItem->setText(canRedo ? tr("&Redo %1").arg(redoName) : tr("&Redo"));
  EditUndoItem->setToolTip(canUndo ? tr("Undo %1").arg(undoName) : tr("Undo"));
  EditRedoItem->setToolTip(canRedo ? tr("Redo %1").arg(redoName) : tr("Redo"));
  EditUndoItem->setEnabled(canUndo);
  EditRedoItem->setEnabled(canRedo);
  if (historyDock_)
    historyDock_->ShowHistory(h);
  UpdateClipboardActions();
}

}  // namespace vh
