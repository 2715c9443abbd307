#include "ViewTestSupport.h"

#include <QApplication>

#include "hexmap/MapRenderer.h"
#include "support/FakeGraphics.h"

namespace vh::test {

const TPictureSets& ViewSets() {
  return SharedFakeSets();
}

void RecordAllActions(TEckView& view, std::vector<TRecordedAction>& into) {
  view.ActionList0 = {maLeftDown, maLeftUp,    maRightDown,     maRightUp, maMove,
                      maLeftMove, maRightMove, maLeftRightMove, maSpecial};
  view.OnMouseAction0 = [&into](TEckView*, TMouseActionItem action, Qt::MouseButton button, TShiftState shift,
                                int32_t x, int32_t y) {
    into.push_back({action, button, shift.Buttons, {x, y}});
  };
}

void SendMouse(QWidget& widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint pos,
               std::optional<QPoint> screenPos) {
  QMouseEvent event(type, QPointF(pos), QPointF(screenPos.value_or(widget.mapToGlobal(pos))), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

bool ShowsPicture(const TEckView& view, TPoint cell, const THexPicture& picture) {
  const TPoint origin = view.CellToPoint(cell);
  const TIndexedImage& map = view.MapBitmap();
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c)
      if (InsideHexOutline(r, c) && map.At(origin.x + c, origin.y + r) != picture.At(r, c))
        return false;
  return true;
}

TIndexedImage ExpectedMap(const TMissView& view) {
  TMapDrawOptions options;
  options.Filter = view.Filter();
  options.ShowGrid = view.ShowGrid();
  if (view.HasCursor())
    options.Cursor = view.CursorPos();
  options.CursorPhase = view.CursorPhase();
  return RenderMission(ViewSets(), view.Mission(), options);
}

}  // namespace vh::test
