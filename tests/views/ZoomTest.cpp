#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "views/MapNavigator.h"
#include "views/ViewTestSupport.h"

namespace vh {
namespace {

using test::TTestGrid;

// A grid in a window smaller than it, as a mission window has it.
struct ZoomedGrid {
  QScrollArea scroll;
  TTestGrid* grid = new TTestGrid;
  TMapNavigator* navigator;
  std::vector<test::TRecordedAction> actions;

  explicit ZoomedGrid(TPoint size = {12, 10}) {
    grid->SetGridSize(size);
    grid->RedrawAll();
    scroll.setWidget(grid);
    scroll.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll.resize(200, 150);
    navigator = new TMapNavigator(&scroll, grid, &scroll);
    test::RecordAllActions(*grid, actions);
    scroll.show();
  }

  // The cell a left click at the widget position reports, if any.
  std::optional<TPoint> ClickAt(QPoint pos) {
    actions.clear();
    test::SendMouse(*grid, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, pos);
    test::SendMouse(*grid, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, pos);
    for (const auto& a : actions)
      if (a.Action == maLeftDown)
        return a.Cell;
    return std::nullopt;
  }

  // The widget pixel that shows the bitmap pixel, at its middle.
  QPoint WidgetPixelOf(TPoint p) const {
    const QPoint corner = grid->BitmapToWidget(p);
    const int z = grid->Zoom();
    return z >= 200 ? corner + QPoint(z / 200, z / 200) : corner;
  }
};

std::optional<TPoint> CellAt100(const TEckView& view, TPoint p) {
  if (!view.PointToCell(p))
    return std::nullopt;
  return p;
}

TEST(Zoom, ClicksHitTheSameCellsAtEveryZoom) {
  ZoomedGrid g;
  // Pixel pairs across hexagon borders, found along a row and a column of
  // cells at 100 %.
  std::vector<TPoint> borderPoints;
  for (int x = 0; x + 1 < g.grid->MapBitmap().Width; ++x)
    for (int y : {30, 36, 47})
      if (CellAt100(*g.grid, {x, y}) != CellAt100(*g.grid, {x + 1, y})) {
        borderPoints.push_back({x, y});
        borderPoints.push_back({x + 1, y});
      }
  for (int y = 0; y + 1 < g.grid->MapBitmap().Height; ++y)
    for (int x : {40, 45, 50})
      if (CellAt100(*g.grid, {x, y}) != CellAt100(*g.grid, {x, y + 1})) {
        borderPoints.push_back({x, y});
        borderPoints.push_back({x, y + 1});
      }
  ASSERT_GT(borderPoints.size(), 20u);

  for (int zoom : ZoomLevels) {
    SCOPED_TRACE(zoom);
    g.navigator->SetZoom(zoom);
    ASSERT_EQ(g.grid->Zoom(), zoom);
    EXPECT_EQ(g.grid->size(),
              QSize(g.grid->MapBitmap().Width * zoom / 100, g.grid->MapBitmap().Height * zoom / 100));
    for (int i = 0; i < 12; ++i)
      for (TPoint cell : {TPoint{i, 4}, TPoint{5, i % 10}}) {
        const TPoint origin = g.grid->CellToPoint(cell);
        EXPECT_EQ(g.ClickAt(g.WidgetPixelOf({origin.x + 12, origin.y + 12})), cell);
      }
    for (TPoint p : borderPoints) {
      // A widget pixel at 50 % shows two bitmap pixels each way; the even
      // one is the one it stands for.
      if (zoom < 100 && (p.x % 2 != 0 || p.y % 2 != 0))
        continue;
      EXPECT_EQ(g.ClickAt(g.WidgetPixelOf(p)), CellAt100(*g.grid, p)) << p.x << "," << p.y;
    }
  }
}

TEST(Zoom, ZoomLevelsStepAndFit) {
  EXPECT_EQ(NextZoomLevel(100), 200);
  EXPECT_EQ(NextZoomLevel(400), 400);
  EXPECT_EQ(PreviousZoomLevel(100), 50);
  EXPECT_EQ(PreviousZoomLevel(50), 50);
  EXPECT_EQ(PreviousZoomLevel(250), 200);
  // 1032 x 1548 at 50 % is 516 x 774.
  EXPECT_EQ(FitZoomLevel({1032, 1548}, {1600, 1000}), 50);
  EXPECT_EQ(FitZoomLevel({1032, 1548}, {516, 774}), 50);
  EXPECT_EQ(FitZoomLevel({1032, 1548}, {1032, 1548}), 100);
  EXPECT_EQ(FitZoomLevel({100, 100}, {300, 399}), 300);
  EXPECT_EQ(NearestZoomLevel(0), 50);
  EXPECT_EQ(NearestZoomLevel(260), 300);
  EXPECT_EQ(NearestZoomLevel(100000), 400);
}

TEST(Zoom, CtrlWheelKeepsTheCellUnderThePointer) {
  ZoomedGrid g({30, 30});
  QWidget* viewport = g.scroll.viewport();
  g.scroll.horizontalScrollBar()->setValue(100);
  g.scroll.verticalScrollBar()->setValue(120);
  const QPoint at(70, 50);  // in the viewport
  auto cellUnder = [&] {
    TPoint p = g.grid->WidgetToBitmap(g.grid->mapFrom(viewport, at));
    EXPECT_TRUE(g.grid->PointToCell(p));
    return p;
  };
  auto wheel = [&](int delta, Qt::KeyboardModifiers mods) {
    const QPoint pos = g.grid->mapFrom(viewport, at);
    QWheelEvent e(pos, g.grid->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(g.grid, &e);
  };
  const TPoint before = cellUnder();
  for (int expected : {200, 300, 400, 400}) {
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(g.grid->Zoom(), expected);
    EXPECT_EQ(cellUnder(), before);
  }
  for (int expected : {300, 200, 100, 50, 50}) {
    wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(g.grid->Zoom(), expected);
    if (expected >= 100) {
      EXPECT_EQ(cellUnder(), before);
    }
  }
  // A plain wheel scrolls down, Shift+wheel to the right; neither zooms.
  g.navigator->SetZoom(200);
  const int h = g.scroll.horizontalScrollBar()->value(), v = g.scroll.verticalScrollBar()->value();
  wheel(-120, Qt::NoModifier);
  EXPECT_GT(g.scroll.verticalScrollBar()->value(), v);
  EXPECT_EQ(g.scroll.horizontalScrollBar()->value(), h);
  wheel(-120, Qt::ShiftModifier);
  EXPECT_GT(g.scroll.horizontalScrollBar()->value(), h);
  EXPECT_EQ(g.grid->Zoom(), 200);
}

TEST(Zoom, AMiddleDragMovesTheViewAndPaintsNothing) {
  ZoomedGrid g({30, 30});
  g.navigator->SetZoom(200);
  g.scroll.horizontalScrollBar()->setValue(300);
  g.scroll.verticalScrollBar()->setValue(300);
  g.actions.clear();
  const QPoint start = g.grid->mapFrom(g.scroll.viewport(), QPoint(100, 100));
  QTest::mousePress(g.grid, Qt::MiddleButton, Qt::NoModifier, start);
  test::SendMouse(*g.grid, QEvent::MouseMove, Qt::NoButton, Qt::MiddleButton, start + QPoint(-30, 20),
                  g.grid->mapToGlobal(start + QPoint(-30, 20)));
  QTest::mouseRelease(g.grid, Qt::MiddleButton, Qt::NoModifier, start + QPoint(-30, 20));
  EXPECT_EQ(g.scroll.horizontalScrollBar()->value(), 330);
  EXPECT_EQ(g.scroll.verticalScrollBar()->value(), 280);
  for (const auto& a : g.actions)
    EXPECT_TRUE(a.Action == maMove) << a.Action;
  EXPECT_FALSE(g.grid->HasCapture());
}

TEST(Zoom, PaintingEnlargesPixelsWithoutBlurring) {
  ZoomedGrid g({4, 4});
  for (int zoom : {200, 300, 400}) {
    g.navigator->SetZoom(zoom);
    const QImage shot = g.grid->grab().toImage();
    ASSERT_EQ(shot.size(), g.grid->size() * g.grid->devicePixelRatioF());
    const QImage& bitmap = g.grid->MapImage();
    const double s = zoom / 100.0 * g.grid->devicePixelRatioF();
    for (int y = 0; y < bitmap.height(); y += 3)
      for (int x = 0; x < bitmap.width(); x += 5)
        ASSERT_EQ(shot.pixel(static_cast<int>(x * s + s - 1), static_cast<int>(y * s)), bitmap.pixel(x, y))
            << zoom << " " << x << "," << y;
  }
}

TEST(Zoom, OnADoubleDensityScreenEachPixelIsASharpSquare) {
  ZoomedGrid g({4, 4});
  for (int zoom : {100, 200}) {
    g.navigator->SetZoom(zoom);
    QImage screen(g.grid->size() * 2, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    g.grid->render(&screen);
    const QImage& bitmap = g.grid->MapImage();
    const int s = 2 * zoom / 100;
    for (int y = 0; y < bitmap.height(); y += 2)
      for (int x = 0; x < bitmap.width(); x += 3)
        for (QPoint d : {QPoint(0, 0), QPoint(s - 1, s - 1), QPoint(s - 1, 0)})
          ASSERT_EQ(screen.pixel(x * s + d.x(), y * s + d.y()), bitmap.pixel(x, y))
              << zoom << " " << x << "," << y;
  }
}

}  // namespace
}  // namespace vh
