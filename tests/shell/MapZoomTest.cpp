#include <gtest/gtest.h>

#include <QDockWidget>
#include <QImage>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "config/IniFile.h"
#include "shell/FrameFixture.h"
#include "shell/MainStatusBar.h"
#include "shell/MapMouse.h"
#include "tools/COMPMultiSelView.h"
#include "tools/MDIPicturesForm.h"
#include "views/COMPMissView.h"
#include "views/OverviewMap.h"

namespace vh {
namespace {

using MapZoom = test::FrameFixture;

using test::CentreOf;

QScrollArea* ScrollOf(TMDIMiss* w) {
  return w->findChild<QScrollArea*>();
}

TEST_F(MapZoom, AStrokeAt200PercentPaintsTheCellsUnderThePointer) {
  Start();
  ASSERT_TRUE(started);
  auto* palette = dynamic_cast<TMDIPictures*>(frame->EditWindow());
  TMDIMiss* w = frame->NewMissionWindow(20, 20);
  TMissView& map = *w->MissView();
  w->Navigator()->SetZoom(200);
  ASSERT_EQ(map.Zoom(), 200);
  EXPECT_EQ(frame->StatusPanels()->ZoomPanel->text(), "200%");
  palette->PageControl->setCurrentIndex(TMDIPictures::pgTerrain);
  test::RightClick(*palette->TerSelector, {3, 0});
  const int16_t terrain = palette->TerSelector->CurrentValue();
  ASSERT_NE(terrain, -1);
  ASSERT_NE(map.Mission().Cells[4][2].Terrain, terrain);

  // Down one column, pressed and moved at the cells' centres.
  QTest::mousePress(&map, Qt::LeftButton, Qt::NoModifier, CentreOf(map, {2, 4}));
  QTest::mouseMove(&map, CentreOf(map, {2, 5}));
  QTest::mouseMove(&map, CentreOf(map, {2, 6}));
  QTest::mouseRelease(&map, Qt::LeftButton, Qt::NoModifier, CentreOf(map, {2, 6}));
  for (int y = 0; y < map.Rows(); ++y)
    for (int x = 0; x < map.Cols(); ++x)
      EXPECT_EQ(map.Mission().Cells[y][x].Terrain == terrain, x == 2 && y >= 4 && y <= 6) << x << "," << y;
  EXPECT_EQ(map.CursorPos(), (TPoint{2, 6}));
}

TEST_F(MapZoom, GoingToACellCentresItAtEveryZoomAndTheBitmapIsSavedAtItsSize) {
  Start();
  TMDIMiss* w = frame->NewMissionWindow(64, 64);
  TMissView& map = *w->MissView();
  QScrollArea* scroll = ScrollOf(w);
  ASSERT_NE(scroll, nullptr);
  for (int zoom : ZoomLevels) {
    SCOPED_TRACE(zoom);
    w->Navigator()->SetZoom(zoom);
    for (TPoint cell : {TPoint{30, 30}, TPoint{0, 0}, TPoint{63, 63}, TPoint{41, 17}}) {
      ASSERT_TRUE(map.GotoCell(cell));
      const QPoint centre = CentreOf(map, cell);
      QScrollBar* h = scroll->horizontalScrollBar();
      QScrollBar* v = scroll->verticalScrollBar();
      EXPECT_EQ(h->value(), std::clamp(centre.x() - scroll->viewport()->width() / 2, 0, h->maximum()));
      EXPECT_EQ(v->value(), std::clamp(centre.y() - scroll->viewport()->height() / 2, 0, v->maximum()));
      EXPECT_EQ(h->maximum(), std::max(0, map.width() - scroll->viewport()->width()));
    }
  }
  w->Navigator()->SetZoom(400);
  const std::string bmp = tmp.File("map.bmp");
  frame->SaveMapBitmap(w, bmp);
  const QImage saved(QString::fromStdString(bmp));
  EXPECT_EQ(saved.size(), QSize(map.MapBitmap().Width, map.MapBitmap().Height));
}

TEST_F(MapZoom, TheOverviewFollowsScrollingAndAClickInItMovesTheView) {
  Start();
  TMDIMiss* w = frame->NewMissionWindow(64, 64);
  frame->OverviewDock()->show();
  w->Navigator()->SetZoom(200);
  TOverviewMap* overview = frame->Overview();
  ASSERT_EQ(overview->View(), w->MissView());
  QScrollArea* scroll = ScrollOf(w);
  scroll->horizontalScrollBar()->setValue(0);
  scroll->verticalScrollBar()->setValue(0);
  const QRectF first = overview->VisibleOutline();
  ASSERT_FALSE(first.isEmpty());
  EXPECT_NEAR(first.left(), overview->MapRect().left(), 1);
  EXPECT_NEAR(first.top(), overview->MapRect().top(), 1);

  scroll->verticalScrollBar()->setValue(600);
  const QRectF scrolled = overview->VisibleOutline();
  const double scale = overview->MapRect().height() / w->MissView()->MapBitmap().Height;
  EXPECT_NEAR(scrolled.top() - first.top(), 300 * scale, 1);
  EXPECT_NEAR(scrolled.height(), first.height(), 1);

  // A click puts the view's centre under it.
  const QPointF target = overview->MapRect().center() + QPointF(10, 20);
  QTest::mouseClick(overview, Qt::LeftButton, Qt::NoModifier, target.toPoint());
  const QRectF after = overview->VisibleOutline();
  if (scroll->horizontalScrollBar()->maximum() > 0) {
    EXPECT_NEAR(after.center().x(), target.toPoint().x(), 2);
  }
  EXPECT_NEAR(after.center().y(), target.toPoint().y(), 2);

  // A changed cell is scaled again on its own.
  const int parts = overview->ScaledParts();
  w->MissView()->RedrawCell({5, 5});
  EXPECT_EQ(overview->ScaledParts(), parts + 1);
}

TEST_F(MapZoom, TheZoomAndTheOverviewAreRememberedInTheIniFile) {
  WriteIni("[General]\r\nVarnholtDir=" + gameDir + "\r\nZoom=300\r\nOverview=1\r\n");
  Start();
  TMDIMiss* w = frame->NewMissionWindow(10, 10);
  EXPECT_EQ(w->MissView()->Zoom(), 300);
  EXPECT_FALSE(frame->OverviewDock()->isHidden());
  w->Navigator()->ZoomOut();
  frame->OverviewDock()->hide();
  w->SetDiscardOnClose();
  frame->close();
  delete frame;
  frame = nullptr;
  test::FlushDeletes();
  const TIniFile ini(programDir + "vhedit.ini");
  EXPECT_EQ(ini.ReadInteger("General", "Zoom", 0), 200);
  EXPECT_FALSE(ini.ReadBool("General", "Overview", true));
  EXPECT_EQ(ini.ReadString("General", "VarnholtDir", ""), gameDir);
}

}  // namespace
}  // namespace vh
