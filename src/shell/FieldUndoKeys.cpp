#include "shell/FieldUndoKeys.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTimer>

namespace vh {

namespace {

// The line edit that does the typing of a focus widget, if it has one.
QLineEdit* TypingField(QObject* focus) {
  if (auto* edit = qobject_cast<QLineEdit*>(focus))
    return edit;
  if (auto* spin = qobject_cast<QAbstractSpinBox*>(focus))
    return spin->findChild<QLineEdit*>();
  if (auto* combo = qobject_cast<QComboBox*>(focus))
    return combo->lineEdit();
  return nullptr;
}

bool IsRedoKey(const QKeyEvent& key) {
  const QKeyCombination k = key.keyCombination();
  return key.matches(QKeySequence::Redo) || k == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
         k == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

}  // namespace

TFieldUndoKeys::TFieldUndoKeys(QWidget* frame) : QObject(frame), frame_(frame) {}

bool TFieldUndoKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride)
    return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const bool redo = IsRedoKey(*key);
  if (!redo && !key->matches(QKeySequence::Undo))
    return false;
  QLineEdit* field = TypingField(watched);
  if (!field || field->isReadOnly())
    return false;
  bool inFrame = false;
  for (auto* w = qobject_cast<QWidget*>(watched); w && !inFrame; w = w->parentWidget())
    inFrame = w == frame_;
  if (!inFrame)
    return false;
  if (redo ? field->isRedoAvailable() : field->isUndoAvailable())
    return false;
  // Not overridden: the shortcut of the frame's action fires.
  event->ignore();
  return true;
}

namespace {

class TReturnFocus : public QObject {
public:
  TReturnFocus(QAbstractSpinBox* box, std::function<QWidget*()> target)
      : QObject(box), box_(box), target_(std::move(target)) {}

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) {
      QStyleOptionSpinBox option;
      option.initFrom(box_);
      option.subControls = QStyle::SC_All;
      const QStyle::SubControl hit = box_->style()->hitTestComplexControl(
          QStyle::CC_SpinBox, &option, static_cast<QMouseEvent*>(event)->position().toPoint(), box_);
      if (hit == QStyle::SC_SpinBoxUp || hit == QStyle::SC_SpinBoxDown)
        Later();
    } else if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter)
        Later();
    }
    return false;
  }

private:
  // After the box has handled the event itself.
  void Later() {
    QTimer::singleShot(0, box_, [this] {
      if (QWidget* w = target_())
        w->setFocus(Qt::OtherFocusReason);
    });
  }
  QAbstractSpinBox* box_;
  std::function<QWidget*()> target_;
};

}  // namespace

void ReturnFocusAfterUse(QAbstractSpinBox* box, std::function<QWidget*()> target) {
  box->installEventFilter(new TReturnFocus(box, std::move(target)));
}

}  // namespace vh
