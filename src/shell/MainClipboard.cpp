// The Edit menu's clipboard commands: cut, copy, paste and delete blocks of
// a map, select all, and mirror the block being pasted. Blocks travel through
// the system clipboard, so they reach other mission windows and other
// running editors; a picture of the block goes along for image programs.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>

#include "base/Errors.h"
#include "shell/MDIMainForm.h"
#include "shell/MDIMissForm.h"
#include "shell/MainStatusBar.h"
#include "shell/VhApplication.h"

namespace vh {

void TMDIMain::CreateClipboardActions() {
  const auto add = [this](const char* name, const QString& text, const QList<QKeySequence>& keys,
                          auto handler) {
    QAction* a = EditMenu->addAction(text);
    a->setObjectName(name);
    a->setShortcuts(keys);
    connect(a, &QAction::triggered, this, [this, handler] { RunCommand(this, [&] { (this->*handler)(); }); });
    return a;
  };
  EditCutItem = add("EditCutItem", tr("Cu&t"), QKeySequence::keyBindings(QKeySequence::Cut),
                    &TMDIMain::EditCutItemClick);
  EditCopyItem = add("EditCopyItem", tr("&Copy"), QKeySequence::keyBindings(QKeySequence::Copy),
                     &TMDIMain::EditCopyItemClick);
  EditPasteItem = add("EditPasteItem", tr("&Paste"), QKeySequence::keyBindings(QKeySequence::Paste),
                      &TMDIMain::EditPasteItemClick);
  EditDeleteItem =
      add("EditDeleteItem", tr("&Delete"), {QKeySequence(Qt::Key_Delete)}, &TMDIMain::EditDeleteItemClick);
  EditMenu->addSeparator();
  EditSelectAllItem =
      add("EditSelectAllItem", tr("Select &All"), QKeySequence::keyBindings(QKeySequence::SelectAll),
          &TMDIMain::EditSelectAllItemClick);
  EditMenu->addSeparator();
  EditMirrorHItem = add("EditMirrorHItem", tr("Mirror &Horizontally"), {QKeySequence(Qt::Key_H)},
                        &TMDIMain::EditMirrorHItemClick);
  EditMirrorVItem = add("EditMirrorVItem", tr("Mirror &Vertically"), {QKeySequence(Qt::Key_V)},
                        &TMDIMain::EditMirrorVItemClick);
  EditCutItem->setToolTip(tr("Cut the selected cells (select with Shift + drag)"));
  EditCopyItem->setToolTip(tr("Copy the selected cells (select with Shift + drag)"));
  EditPasteItem->setToolTip(tr("Paste the copied cells: click to place, Escape to cancel"));
  EditDeleteItem->setToolTip(tr("Empty what the map shows on the selected cells"));
}

bool TMDIMain::CopySelectionToClipboard() {
  if (!activeMiss_)
    return false;
  const TMapBlock block = activeMiss_->CopySelection();
  if (block.Empty()) {
    QApplication::beep();
    return false;
  }
  const ByteStream bytes = EncodeBlock(block);
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(MapBlockMimeType), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                                  static_cast<qsizetype>(bytes.size())));
  data->setImageData(activeMiss_->SelectionImage());
  QApplication::clipboard()->setMimeData(data);
  return true;
}

void TMDIMain::EditCopyItemClick() {
  CopySelectionToClipboard();
}

void TMDIMain::EditCutItemClick() {
  if (CopySelectionToClipboard())
    activeMiss_->DeleteSelection(QT_TRANSLATE_NOOP("History", "Cut"));
}

void TMDIMain::EditDeleteItemClick() {
  if (!activeMiss_ || activeMiss_->Selection().Empty() ||
      !activeMiss_->DeleteSelection(QT_TRANSLATE_NOOP("History", "Delete")))
    QApplication::beep();
}

void TMDIMain::EditPasteItemClick() {
  if (!activeMiss_)
    return;
  const QMimeData* data = QApplication::clipboard()->mimeData();
  const QString type = QString::fromLatin1(MapBlockMimeType);
  if (!data || !data->hasFormat(type)) {
    QApplication::beep();
    status_->showMessage(tr("The clipboard holds no map cells to paste."), 4000);
    return;
  }
  const QByteArray bytes = data->data(type);
  TMapBlock block;
  try {
    block =
        DecodeBlock({reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())});
  } catch (const EVhError& e) {
    // Another program's data or another version's: nothing happens.
    QApplication::beep();
    status_->showMessage(
        tr("The clipboard's map cells cannot be pasted: %1").arg(QString::fromStdString(e.what())), 6000);
    return;
  }
  if (!activeMiss_->StartPaste(std::move(block)))
    QApplication::beep();
}

void TMDIMain::EditSelectAllItemClick() {
  if (activeMiss_)
    activeMiss_->SelectAll();
}

void TMDIMain::EditMirrorHItemClick() {
  if (activeMiss_)
    activeMiss_->MirrorPaste(true);
}

void TMDIMain::EditMirrorVItemClick() {
  if (activeMiss_)
    activeMiss_->MirrorPaste(false);
}

void TMDIMain::EscapeKey() {
  if (activeMiss_)
    activeMiss_->Escape();
}

void TMDIMain::MissSelectionChanged(TMDIMiss* window) {
  if (window == activeMiss_)
    UpdateClipboardActions();
}

void TMDIMain::UpdateClipboardActions() {
  const bool selected = activeMiss_ && !activeMiss_->Selection().Empty();
  const bool pasting = activeMiss_ && activeMiss_->Pasting();
  EditCutItem->setEnabled(selected);
  EditCopyItem->setEnabled(selected);
  EditDeleteItem->setEnabled(selected);
  EditPasteItem->setEnabled(activeMiss_ != nullptr);
  EditSelectAllItem->setEnabled(activeMiss_ != nullptr);
  EditMirrorHItem->setEnabled(pasting);
  EditMirrorVItem->setEnabled(pasting);
  status_->ShowSelection(activeMiss_ ? activeMiss_->Selection().Count() : 0);
}

}  // namespace vh
