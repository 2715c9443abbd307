#pragma once

#include <QObject>
#include <functional>

class QAbstractSpinBox;
class QWidget;

namespace vh {

// Ctrl+Z and Ctrl+Y in a text field of the frame (the palette's fields, the
// change layer's number): a field takes back its own typing first, as every
// text field does; once it has nothing of its own to take back, the key goes
// on to the frame's Undo and Redo, which take back the mission's steps.
// Without this a field would swallow the keys even with nothing to undo.
class TFieldUndoKeys : public QObject {
  Q_OBJECT
public:
  // Serves the text fields inside `frame`, floating docks included.
  explicit TFieldUndoKeys(QWidget* frame);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QWidget* frame_;
};

// A spin box on a tool bar hands the focus to `target` after a click on its
// arrows and after Return: the map's keys (tools, arrows) work again at once.
// Typing into it keeps the focus there until then.
void ReturnFocusAfterUse(QAbstractSpinBox* box, std::function<QWidget*()> target);

}  // namespace vh
