#include "ViewTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

#include <QApplication>

#include "support/FakeGraphics.h"
#include "views/MapRenderer.h"

namespace vh::test {

namespace {

// The widgets need an application object; gtest's own main creates none, so
// an environment does, before the first test.
class TQtEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says so for every window that asks it to move
    // or resize; that is no finding of the tests.
    previousHandler =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
          if (!message.startsWith("This plugin does not support"))
            previousHandler(type, context, message);
        });
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override {
    app_.reset();
    qInstallMessageHandler(previousHandler);
  }

private:
  static inline QtMessageHandler previousHandler = nullptr;
  int argc_ = 1;
  char name_[16] = "viewwidgets";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new TQtEnvironment);

}  // namespace

const TPictureSets& ViewSets() {
  static const TPictureSets* sets = new TPictureSets(MakeFakeSets());
  return *sets;
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
