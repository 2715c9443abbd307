#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPaintEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "ViewTestSupport.h"
#include "base/Errors.h"
#include "support/FakeGraphics.h"

namespace vh {
namespace {

using test::SendMouse;
using test::TRecordedAction;
using test::TTestGrid;

// Records the regions the view repaints.
class PaintSpy : public QObject {
public:
  std::vector<QRegion> Regions;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint)
      Regions.push_back(static_cast<QPaintEvent*>(e)->region());
    return false;
  }
};

// Records the captions of a window.
class CaptionSpy : public QObject {
public:
  std::vector<QString> Captions;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::WindowTitleChange)
      Captions.push_back(static_cast<QWidget*>(o)->windowTitle());
    return false;
  }
};

class EckView : public ::testing::Test {
protected:
  std::unique_ptr<TTestGrid> view = std::make_unique<TTestGrid>();
  std::vector<TRecordedAction> actions;
  int cursorMoves = 0;
  std::vector<std::pair<QPoint, bool>> scrollRequests;

  void SetUp() override {
    view->SetGridSize({6, 5});
    view->RedrawAll();
    test::RecordAllActions(*view, actions);
    view->OnCurPosChanged = [this](TEckView*) { ++cursorMoves; };
    view->OnMakePointInView = [this](TEckView*, int32_t x, int32_t y, bool center) {
      scrollRequests.push_back({QPoint(x, y), center});
    };
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    view->Drawn.clear();
  }
  // The centre of a cell in widget coordinates.
  QPoint Centre(TPoint cell) const {
    const TPoint o = view->CellToPoint(cell);
    return view->BitmapToWidget({o.x + 12, o.y + 12});
  }
  std::vector<TMouseActionItem> Kinds() const {
    std::vector<TMouseActionItem> k;
    for (const auto& a : actions)
      k.push_back(a.Action);
    return k;
  }
};

using Cells = std::vector<TPoint>;

TEST_F(EckView, PressesHitTheCellWhoseOutlineHoldsThePixel) {
  const std::vector<std::pair<QPoint, std::optional<TPoint>>> cases = {
      {{0, 0}, std::nullopt},   {{8, 0}, TPoint{0, 0}},    {{16, 12}, TPoint{0, 0}}, {{20, 5}, std::nullopt},
      {{24, 12}, TPoint{1, 0}}, {{31, 12}, TPoint{1, 0}},  {{32, 12}, TPoint{2, 0}}, {{17, 30}, TPoint{0, 1}},
      {{40, 30}, TPoint{2, 1}}, {{95, 140}, std::nullopt},  // below the last row of column 5
  };
  for (const auto& [pixel, cell] : cases) {
    actions.clear();
    // Not QTest::mouseClick: it takes (0, 0) for the widget's centre.
    SendMouse(*view, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, pixel);
    SendMouse(*view, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, pixel);
    if (cell) {
      ASSERT_EQ(actions.size(), 1u) << pixel.x() << "," << pixel.y();
      EXPECT_EQ(actions[0].Action, maRightDown);
      EXPECT_EQ(actions[0].Cell, *cell) << pixel.x() << "," << pixel.y();
      EXPECT_EQ(view->CursorPos(), *cell);
    } else {
      EXPECT_TRUE(actions.empty()) << pixel.x() << "," << pixel.y();
    }
    EXPECT_FALSE(view->HasCapture());
  }
}

TEST_F(EckView, SquareLayoutWithGaps) {
  view->SetStyle(es4Ecks);
  view->SetHexSpace(1);
  view->SetGridSize({3, 2});
  EXPECT_EQ(view->size(), QSize(74, 49));
  EXPECT_EQ(view->CellToPoint({2, 3}), (TPoint{50, 75}));
  QTest::mouseClick(view.get(), Qt::RightButton, Qt::NoModifier, {24, 5});  // the gap
  QTest::mouseClick(view.get(), Qt::RightButton, Qt::NoModifier, {-3, 5});
  EXPECT_TRUE(actions.empty());
  QTest::mouseClick(view.get(), Qt::RightButton, Qt::NoModifier, {30, 30});
  ASSERT_EQ(actions.size(), 1u);
  EXPECT_EQ(actions[0].Cell, (TPoint{1, 1}));
}

TEST_F(EckView, ALeftPressWhileTheRightButtonIsHeldIsAlsoSpecial) {
  const QPoint p = Centre({2, 1});
  QTest::mousePress(view.get(), Qt::RightButton, Qt::NoModifier, p);
  QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, p);
  ASSERT_EQ(Kinds(), (std::vector<TMouseActionItem>{maRightDown, maLeftDown, maSpecial}));
  EXPECT_EQ(actions[1].Cell, (TPoint{2, 1}));
  EXPECT_EQ(actions[2].Cell, (TPoint{2, 1}));
  EXPECT_EQ(actions[2].Button, Qt::LeftButton);
  EXPECT_EQ(actions[2].Buttons, Qt::LeftButton | Qt::RightButton);
  QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, p);
  QTest::mouseRelease(view.get(), Qt::RightButton, Qt::NoModifier, p);
}

TEST_F(EckView, TheCaptureStaysWhileOneButtonIsStillDown) {
  QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, Centre({1, 1}));
  QTest::mousePress(view.get(), Qt::RightButton, Qt::NoModifier, Centre({1, 1}));
  QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, Centre({1, 1}));
  EXPECT_TRUE(view->HasCapture());
  QTest::mouseMove(view.get(), Centre({3, 2}));
  QTest::mouseRelease(view.get(), Qt::RightButton, Qt::NoModifier, Centre({3, 2}));
  EXPECT_FALSE(view->HasCapture());
  // The last release ends the capture and is not reported.
  EXPECT_EQ(Kinds(), (std::vector<TMouseActionItem>{maLeftDown, maRightDown, maLeftUp, maRightMove}));
  EXPECT_EQ(actions[2].Buttons, Qt::RightButton);
  EXPECT_EQ(actions[3].Cell, (TPoint{3, 2}));
  EXPECT_EQ(actions[3].Button, Qt::RightButton);
}

TEST_F(EckView, WithoutTheCaptureOnlyPlainMovesAreReported) {
  SendMouse(*view, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Centre({2, 2}));
  SendMouse(*view, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton,
            Centre({2, 2}));  // a stray release
  SendMouse(*view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton,
            Centre({3, 2}));  // the press went elsewhere
  SendMouse(*view, QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, Centre({3, 2}));
  EXPECT_FALSE(view->HasCapture());
  SendMouse(*view, QEvent::MouseButtonRelease, Qt::MiddleButton, Qt::NoButton, Centre({3, 2}));
  ASSERT_EQ(Kinds(), (std::vector<TMouseActionItem>{maMove}));
  EXPECT_EQ(actions[0].Cell, (TPoint{2, 2}));
  EXPECT_EQ(actions[0].Button, Qt::NoButton);
  EXPECT_EQ(cursorMoves, 0);  // plain moves do not move the cursor
}

TEST_F(EckView, DragsReportTheLeftButtonWhileItIsHeld) {
  SendMouse(*view, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Centre({0, 0}));
  SendMouse(*view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Centre({1, 0}));
  SendMouse(*view, QEvent::MouseButtonPress, Qt::RightButton, Qt::LeftButton | Qt::RightButton,
            Centre({1, 0}));
  SendMouse(*view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton, Centre({2, 0}));
  SendMouse(*view, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::RightButton, Centre({2, 0}));
  SendMouse(*view, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, Centre({2, 0}));
  ASSERT_EQ(Kinds(),
            (std::vector<TMouseActionItem>{maLeftDown, maLeftMove, maRightDown, maLeftRightMove, maLeftUp}));
  EXPECT_EQ(actions[1].Button, Qt::LeftButton);
  EXPECT_EQ(actions[3].Button, Qt::LeftButton);
  EXPECT_EQ(actions[3].Cell, (TPoint{2, 0}));
}

TEST_F(EckView, TheCursorEventFiresOnlyWhenTheCursorMoves) {
  QTest::mousePress(view.get(), Qt::RightButton, Qt::NoModifier, Centre({2, 1}));
  EXPECT_EQ(cursorMoves, 1);
  QTest::mouseMove(view.get(), Centre({2, 1}) + QPoint(3, 2));  // the same cell
  EXPECT_EQ(cursorMoves, 1);
  QTest::mouseMove(view.get(), Centre({3, 1}));
  EXPECT_EQ(cursorMoves, 2);
  QTest::mouseRelease(view.get(), Qt::RightButton, Qt::NoModifier, Centre({3, 1}));
  EXPECT_EQ(view->CursorPos(), (TPoint{3, 1}));
  EXPECT_FALSE(view->MoveCursor({3, 1}));
  EXPECT_EQ(cursorMoves, 2);
  // The default lists move the cursor with the right button only.
  QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, Centre({4, 4}));
  EXPECT_EQ(view->CursorPos(), (TPoint{3, 1}));
}

TEST_F(EckView, MovingTheCursorRedrawsTheOldAndTheNewCell) {
  EXPECT_TRUE(view->MoveCursor({4, 3}));
  EXPECT_EQ(view->Drawn, (Cells{{0, 0}, {4, 3}}));
  EXPECT_EQ(cursorMoves, 1);
  EXPECT_TRUE(ShowsPicture(*view, {0, 0}, THexPicture::Filled(TTestGrid::CellColour({0, 0}))));
  THexPicture withCursor = THexPicture::Filled(TTestGrid::CellColour({4, 3}));
  OverlayPicture(withCursor, test::ViewSets().CursorPictures[0], 0);
  EXPECT_TRUE(ShowsPicture(*view, {4, 3}, withCursor));
  // A cursor put outside the grid draws nothing there.
  view->Drawn.clear();
  EXPECT_TRUE(view->MoveCursor({9, 9}));
  EXPECT_EQ(view->Drawn, (Cells{{4, 3}}));
}

TEST_F(EckView, ARedrawInvalidatesOnlyTheCellsSquares) {
  PaintSpy spy;
  view->installEventFilter(&spy);
  QApplication::processEvents();
  spy.Regions.clear();
  view->RedrawCell({2, 1});
  QApplication::processEvents();
  ASSERT_EQ(spy.Regions.size(), 1u);
  EXPECT_EQ(spy.Regions[0], QRegion(32, 24, 24, 24));

  spy.Regions.clear();
  view->MoveCursor({5, 4});
  QApplication::processEvents();
  ASSERT_EQ(spy.Regions.size(), 1u);
  EXPECT_EQ(spy.Regions[0], QRegion(0, 0, 24, 24) + QRegion(80, 108, 24, 24));
  view->removeEventFilter(&spy);
}

TEST_F(EckView, NeighboursAreRedrawnInTheirOrderInsideTheGrid) {
  view->RedrawNeighbours({2, 2});
  EXPECT_EQ(view->Drawn, (Cells{{2, 1}, {2, 3}, {1, 1}, {3, 1}, {3, 2}, {1, 2}}));
  view->Drawn.clear();
  view->RedrawNeighbours({3, 2});
  EXPECT_EQ(view->Drawn, (Cells{{3, 1}, {3, 3}, {2, 2}, {4, 2}, {4, 3}, {2, 3}}));
  view->Drawn.clear();
  view->RedrawNeighbours({0, 0});
  EXPECT_EQ(view->Drawn, (Cells{{0, 1}, {1, 0}}));
}

TEST_F(EckView, RedrawAllDrawsEveryCellRowByRow) {
  view->RedrawAll();
  ASSERT_EQ(view->Drawn.size(), 30u);
  EXPECT_EQ(view->Drawn[5], (TPoint{5, 0}));
  EXPECT_EQ(view->Drawn[6], (TPoint{0, 1}));
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x)
      if (!(x == 0 && y == 0)) {  // the cursor's cell
        EXPECT_TRUE(ShowsPicture(*view, {x, y}, THexPicture::Filled(TTestGrid::CellColour({x, y}))));
      }
}

TEST_F(EckView, TheCursorCyclesThroughItsFourPictures) {
  view->MoveCursor({1, 2});
  for (int step = 1; step <= 5; ++step) {
    view->Drawn.clear();
    view->NextCursorPhase();
    EXPECT_EQ(view->CursorPhase(), step % 4);
    EXPECT_EQ(view->Drawn, (Cells{{1, 2}}));
    THexPicture expected = THexPicture::Filled(TTestGrid::CellColour({1, 2}));
    OverlayPicture(expected, test::ViewSets().CursorPictures[static_cast<size_t>(step % 4)], 0);
    EXPECT_TRUE(ShowsPicture(*view, {1, 2}, expected)) << step;
  }
  view->Drawn.clear();
  view->SetHasCursor(false);
  EXPECT_EQ(view->Drawn, (Cells{{1, 2}}));
  EXPECT_TRUE(ShowsPicture(*view, {1, 2}, THexPicture::Filled(TTestGrid::CellColour({1, 2}))));
  view->SetHasCursor(false);
  EXPECT_EQ(view->Drawn.size(), 1u);
}

TEST_F(EckView, TheGridIsDrawnOnEveryCell) {
  view->SetShowGrid(true);
  EXPECT_EQ(view->Drawn.size(), 30u);
  THexPicture expected = THexPicture::Filled(TTestGrid::CellColour({3, 3}));
  OverlayPicture(expected, test::ViewSets().GridPicture, 0);
  EXPECT_TRUE(ShowsPicture(*view, {3, 3}, expected));
  view->SetShowGrid(true);
  EXPECT_EQ(view->Drawn.size(), 30u);
}

TEST_F(EckView, DisabledAndEnabledBackgrounds) {
  EXPECT_EQ(view->PaletteIndexOf(view->Background), test::FakeBackgroundIndex);
  // The fake palette has no colour nearer to the usual disabled green than
  // the enabled one: a colour of its own tells the two fills apart.
  const TPaletteEntry& e = test::ViewSets().GamePalette[77];
  view->DisBackground = QColor(e.Red, e.Green, e.Blue);
  const uint8_t disabled = view->PaletteIndexOf(view->DisBackground);
  ASSERT_NE(disabled, test::FakeBackgroundIndex);
  ASSERT_EQ(view->Palette()[disabled], e);
  view->DisableView(false);
  EXPECT_FALSE(view->isEnabled());
  for (uint8_t p : view->MapBitmap().Pixels)
    ASSERT_EQ(p, disabled);
  view->SetGridSize({4, 4});  // a resize while disabled keeps the disabled fill
  EXPECT_EQ(view->MapBitmap().At(0, 0), disabled);
  view->EnableView(true);
  EXPECT_TRUE(view->isEnabled());
  EXPECT_EQ(view->MapBitmap().At(0, 0), test::FakeBackgroundIndex);  // a corner outside every cell
  EXPECT_TRUE(ShowsPicture(*view, {2, 2}, THexPicture::Filled(TTestGrid::CellColour({2, 2}))));
}

TEST_F(EckView, TheControlIsAsLargeAsTheGrid) {
  view->SetGridSize({64, 64});
  EXPECT_EQ(view->size(), QSize(1032, 1548));
  EXPECT_EQ(view->MapBitmap().Width, 1032);
  EXPECT_EQ(view->MapBitmap().Height, 1548);
  view->SetGridSize({0, 0});
  EXPECT_EQ(view->size(), QSize(0, 0));
  EXPECT_THROW(view->SetGridSize({-1, 3}), ERangeError);
  EXPECT_THROW(view->SetHexSpace(-1), ERangeError);
}

TEST_F(EckView, AScrollCausedMoveIsIgnored) {
  QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, Centre({0, 0}));
  EXPECT_TRUE(scrollRequests.empty());  // the timer starts with this press
  QTest::mouseMove(view.get(), Centre({1, 0}));
  ASSERT_EQ(scrollRequests.size(), 1u);
  EXPECT_EQ(scrollRequests[0], std::make_pair(Centre({1, 0}), false));
  // The view scrolled under the mouse: the same screen position again.
  QTest::mouseMove(view.get(), Centre({1, 0}));
  EXPECT_EQ(scrollRequests.size(), 1u);
  QTest::mouseMove(view.get(), Centre({2, 0}));
  QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, Centre({2, 0}));
  EXPECT_EQ(Kinds(), (std::vector<TMouseActionItem>{maLeftDown, maLeftMove, maLeftMove}));
  EXPECT_EQ(actions[2].Cell, (TPoint{2, 0}));
}

TEST_F(EckView, AutomaticScrollingFollowsTheMouseWhileCaptured) {
  const QPoint below = Centre({2, 4}) + QPoint(0, 40);  // under the grid
  view->Mouse = TTestGrid::TMouseState{view->mapToGlobal(below), Qt::LeftButton};
  QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, Centre({2, 4}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return scrollRequests.size() >= 2; }, 2000));
  EXPECT_EQ(scrollRequests.back(), std::make_pair(below, false));
  QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, Centre({2, 4}));
  const size_t after = scrollRequests.size();
  QTest::qWait(300);
  EXPECT_EQ(scrollRequests.size(), after);
}

TEST_F(EckView, AScrollUnderAStillMouseReportsTheCellBeneathIt) {
  SendMouse(*view, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Centre({0, 0}));
  SendMouse(*view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Centre({1, 1}));
  // The mouse stands on a cell when the timer scrolls.
  view->Mouse = TTestGrid::TMouseState{view->mapToGlobal(Centre({1, 1})), Qt::LeftButton};
  const size_t before = scrollRequests.size();
  ASSERT_TRUE(QTest::qWaitFor([&] { return scrollRequests.size() > before; }, 2000));
  view->Mouse.reset();  // no more ticks that matter
  ASSERT_GE(actions.size(), 3u);
  EXPECT_EQ(actions[2].Action, maLeftMove);
  EXPECT_EQ(actions[2].Cell, (TPoint{1, 1}));
  EXPECT_EQ(actions[2].Buttons, Qt::LeftButton);
  // A move the scrolling causes at the same place has been reported already.
  const size_t reported = actions.size();
  SendMouse(*view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Centre({1, 1}));
  EXPECT_EQ(actions.size(), reported);
  SendMouse(*view, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Centre({1, 1}));
}

// The view in a scrolling window, as in a mission window: a stroke dragged
// past the window's lower edge, the mouse then held still there.
TEST(EckViewScrolling, AStrokeHeldPastTheEdgeGoesOnOverTheCellsScrollingUnderTheMouse) {
  QScrollArea area;
  area.setFrameShape(QFrame::NoFrame);
  area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* view = new TTestGrid;
  view->SetGridSize({8, 30});
  view->RedrawAll();
  area.setWidget(view);
  area.resize(150, 150);
  std::vector<TRecordedAction> actions;
  test::RecordAllActions(*view, actions);
  view->OnMakePointInView = [&](TEckView*, int32_t, int32_t y, bool) {
    QScrollBar* v = area.verticalScrollBar();
    const int h = area.viewport()->height();
    if (y >= v->value() + h)
      v->setValue(y - h);
  };
  area.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));

  const TPoint o = view->CellToPoint({3, 4});
  const QPoint start = view->BitmapToWidget({o.x + 12, o.y + 12});
  QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, start);
  // 20 pixels below the window; the mouse does not move any more.
  const QPoint still = area.viewport()->mapToGlobal(QPoint(start.x(), area.viewport()->height() + 20));
  view->Mouse = TTestGrid::TMouseState{still, Qt::LeftButton};
  const auto moves = [&] {
    std::vector<TPoint> cells;
    for (const auto& a : actions)
      if (a.Action == maLeftMove && (cells.empty() || !(cells.back() == a.Cell)))
        cells.push_back(a.Cell);
    return cells;
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return moves().size() >= 3; }, 3000));
  view->Mouse.reset();
  const std::vector<TPoint> cells = moves();
  for (size_t i = 1; i < cells.size(); ++i) {
    EXPECT_EQ(cells[i].x, 3);
    EXPECT_GT(cells[i].y, cells[i - 1].y) << "the stroke follows the scrolling downwards";
  }
  // The last cell reported is the one under the mouse now.
  TPoint under = view->WidgetToBitmap(view->mapFromGlobal(still));
  ASSERT_TRUE(view->PointToCell(under));
  EXPECT_EQ(cells.back(), under);
  EXPECT_GT(area.verticalScrollBar()->value(), 0);
  QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, start);
}

TEST_F(EckView, AScrollBesideTheCellsKeepsTheMoveCheck) {
  SendMouse(*view, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Centre({0, 0}));
  const QPoint corner(0, 0);  // outside every outline
  SendMouse(*view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, corner);
  view->Mouse = TTestGrid::TMouseState{view->mapToGlobal(corner), Qt::LeftButton};
  const size_t before = scrollRequests.size();
  ASSERT_TRUE(QTest::qWaitFor([&] { return scrollRequests.size() > before; }, 2000));
  view->Mouse.reset();
  const size_t afterTicks = scrollRequests.size();
  SendMouse(*view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, corner);  // ignored
  EXPECT_EQ(scrollRequests.size(), afterTicks);
  SendMouse(*view, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, corner);
  EXPECT_EQ(Kinds(), (std::vector<TMouseActionItem>{maLeftDown}));
}

TEST_F(EckView, ACaptureWhoseButtonsWentUpElsewhereEnds) {
  SendMouse(*view, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, Centre({0, 0}));
  ASSERT_TRUE(view->HasCapture());
  view->Mouse = TTestGrid::TMouseState{view->mapToGlobal(Centre({0, 0})), Qt::NoButton};
  ASSERT_TRUE(QTest::qWaitFor([&] { return !view->HasCapture(); }, 2000));
}

TEST_F(EckView, HidingTheViewEndsTheCapture) {
  SendMouse(*view, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, Centre({0, 0}));
  view->hide();
  EXPECT_FALSE(view->HasCapture());
}

class Gauge : public ::testing::Test {
protected:
  QWidget owner;
  TTestGrid* view = new TTestGrid(test::ViewSets(), &owner);
  CaptionSpy spy;
  void SetUp() override {
    owner.setWindowTitle("Map");
    owner.installEventFilter(&spy);
    view->DrawGauge = true;
  }
};

TEST_F(Gauge, ProgressOfAFullRedrawShowsInTheOwnersCaption) {
  view->SetGridSize({4, 3});
  std::vector<bool> waiting;
  view->OnCompose = [&](TPoint) {
    waiting.push_back(QApplication::overrideCursor() &&
                      QApplication::overrideCursor()->shape() == Qt::WaitCursor);
  };
  view->RedrawAll();
  EXPECT_EQ(spy.Captions, (std::vector<QString>{"Map - 0%", "Map - 33%", "Map - 66%", "Map - 100%", "Map"}));
  EXPECT_EQ(waiting, std::vector<bool>(12, true));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(view->CaptionOwner(), &owner);
}

TEST_F(Gauge, AGridWithoutRowsShowsNoPercentage) {
  view->SetGridSize({4, 0});
  view->RedrawAll();
  for (const QString& c : spy.Captions)
    EXPECT_FALSE(c.contains('%')) << c.toStdString();
  EXPECT_EQ(owner.windowTitle(), "Map");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(GaugeCaptionText("Map", 0, 0), "Map");
  EXPECT_EQ(GaugeCaptionText("Map", 1, 3), "Map - 33%");
}

TEST_F(Gauge, WithoutDrawGaugeTheCaptionStays) {
  view->DrawGauge = false;
  view->SetGridSize({4, 3});
  view->OnCompose = [&](TPoint) { EXPECT_EQ(QApplication::overrideCursor(), nullptr); };
  view->RedrawAll();
  EXPECT_TRUE(spy.Captions.empty());
}

TEST(EckViewOwner, TheCaptionOwnerOfAViewInAnMdiChildIsTheChildWindow) {
  QMdiArea area;
  auto* inner = new QWidget;
  auto* view = new TTestGrid(test::ViewSets(), inner);
  QMdiSubWindow* sub = area.addSubWindow(inner);
  EXPECT_EQ(view->CaptionOwner(), sub);
  QWidget other;
  view->SetCaptionOwner(&other);
  EXPECT_EQ(view->CaptionOwner(), &other);
}

TEST(EckViewCreation, NeedsLoadedGraphics) {
  const TPictureSets unloaded;
  EXPECT_THROW(TTestGrid view(unloaded), EVhError);
}

TEST(MouseActionLists, HoldTheActionsGiven) {
  constexpr TMouseActionList list{maLeftDown, maSpecial};
  static_assert(list.Contains(maSpecial) && !list.Contains(maNone));
  EXPECT_EQ(list.Bits(), (1u << 1) | (1u << 9));
  EXPECT_EQ(TMouseActionList{}.Bits(), 0u);
}

}  // namespace
}  // namespace vh
