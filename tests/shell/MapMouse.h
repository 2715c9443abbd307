#pragma once

// Mouse events on a map or selector view, sent as the user makes them.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <initializer_list>

#include "views/EckView.h"

namespace vh::test {

inline void Mouse(QWidget& w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint pos,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent event(type, QPointF(pos), QPointF(w.mapToGlobal(pos)), button, held, modifiers);
  QApplication::sendEvent(&w, &event);
}

// The widget point at the centre of a cell.
inline QPoint CentreOf(const TEckView& view, TPoint cell) {
  TPoint p = view.CellToPoint(cell);
  return view.BitmapToWidget({p.x + 12, p.y + 12});
}

// A right click: moves a view's cursor (selectors and map alike).
inline void RightClick(TEckView& view, TPoint cell) {
  QPoint at = CentreOf(view, cell);
  Mouse(view, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, at);
  Mouse(view, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, at);
}

// A left-button stroke over `cells`, as the user paints.
inline void Stroke(TEckView& view, std::initializer_list<TPoint> cells) {
  bool first = true;
  QPoint last;
  for (TPoint c : cells) {
    last = CentreOf(view, c);
    Mouse(view, first ? QEvent::MouseButtonPress : QEvent::MouseMove, first ? Qt::LeftButton : Qt::NoButton,
          Qt::LeftButton, last);
    first = false;
  }
  Mouse(view, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, last);
}

// The left button's parts of a stroke, one event each, and a click.
inline void Press(TEckView& view, TPoint cell) {
  Mouse(view, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, CentreOf(view, cell));
}
inline void DragTo(TEckView& view, TPoint cell) {
  Mouse(view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, CentreOf(view, cell));
}
inline void Release(TEckView& view, TPoint cell) {
  Mouse(view, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, CentreOf(view, cell));
}
inline void Click(TEckView& view, TPoint cell) {
  Press(view, cell);
  Release(view, cell);
}
// The pointer over a cell with no button held.
inline void Hover(TEckView& view, TPoint cell) {
  Mouse(view, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, CentreOf(view, cell));
}

// A key as the user presses it on the map, which has the focus then: the
// frame's shortcuts see it.
inline void KeyOn(TEckView& view, int key, Qt::KeyboardModifiers mods = Qt::ControlModifier) {
  view.setFocus();
  QTest::keyClick(&view, static_cast<Qt::Key>(key), mods);
}

}  // namespace vh::test
