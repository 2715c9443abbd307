// Selecting, cutting, copying, deleting and pasting map cells through the
// real windows: mouse events with the keys held, the Edit menu's shortcuts
// and the clipboard.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "hexmap/PaintTools.h"
#include "shell/FrameFixture.h"
#include "shell/MainStatusBar.h"
#include "shell/MapMouse.h"
#include "views/COMPMissView.h"

namespace vh {
namespace {

using test::CentreOf;
using test::Click;
using test::Hover;
using test::Mouse;

class ClipboardFixture : public test::FrameFixture {
protected:
  void StartShown() {
    Start();
    ASSERT_TRUE(started);
    test::ShowActive(frame);
    QApplication::clipboard()->clear();
  }
  static void Key(TMissView& map, int key, Qt::KeyboardModifiers mods = Qt::ControlModifier) {
    test::KeyOn(map, key, mods);
  }
  // A left drag from one cell's centre to another's with `mods` held.
  static void Drag(TMissView& map, TPoint from, TPoint to, Qt::KeyboardModifiers mods) {
    const QPoint a = CentreOf(map, from), b = CentreOf(map, to);
    Mouse(map, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, a, mods);
    Mouse(map, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, (a + b) / 2, mods);
    Mouse(map, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, b, mods);
    Mouse(map, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, b, mods);
  }
  // The cells a Shift-drag between two cells' centres selects.
  static TCellSet Rect(const TMissView& map, TPoint from, TPoint to) {
    return CellsInRect(THexGeometry{map.Style(), map.HexSpace()}, map.WidgetToBitmap(CentreOf(map, from)),
                       map.WidgetToBitmap(CentreOf(map, to)), map.GridSize());
  }
};

TEST_F(ClipboardFixture, ShiftDragSelectsCtrlShiftAddsAndAPlainClickOrEscapeDrops) {
  StartShown();
  TMDIMiss* w = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  TMissView& map = *w->MissView();
  const TMission before = map.Mission();
  const TIndexedImage bitmap = map.MapBitmap();
  EXPECT_FALSE(frame->EditCopyItem->isEnabled());

  // From an odd column and from an even one.
  Drag(map, {5, 4}, {9, 8}, Qt::ShiftModifier);
  EXPECT_EQ(w->Selection(), Rect(map, {5, 4}, {9, 8}));
  EXPECT_EQ(map.Highlight(), w->Selection());
  Drag(map, {20, 14}, {16, 10}, Qt::ShiftModifier | Qt::ControlModifier);
  TCellSet both = Rect(map, {5, 4}, {9, 8});
  both.Add(Rect(map, {16, 10}, {20, 14}));
  EXPECT_EQ(w->Selection(), both);
  EXPECT_EQ(frame->StatusPanels()->SelectionPanel->text().toStdString(),
            "Selected: " + std::to_string(both.Count()) + " cells");
  EXPECT_TRUE(frame->EditCopyItem->isEnabled());
  EXPECT_TRUE(frame->EditCutItem->isEnabled());
  // Selecting is no edit: nothing painted, nothing in the bitmap.
  EXPECT_TRUE(map.Mission().Cells == before.Cells);
  EXPECT_TRUE(map.MapBitmap().Pixels == bitmap.Pixels);
  EXPECT_FALSE(map.IsModified());
  EXPECT_EQ(map.CaptureCount(), 0u) << "no stroke began";

  // A plain click only drops the selection.
  Click(map, {30, 30});
  EXPECT_TRUE(w->Selection().Empty());
  EXPECT_TRUE(map.Highlight().Empty());
  EXPECT_TRUE(map.Mission().Cells == before.Cells);
  EXPECT_TRUE(frame->StatusPanels()->SelectionPanel->text().isEmpty());

  Key(map, Qt::Key_A);
  EXPECT_EQ(w->Selection().Count(), static_cast<size_t>(map.Cols() * map.Rows()));
  Key(map, Qt::Key_Escape, Qt::NoModifier);
  EXPECT_TRUE(w->Selection().Empty());
  EXPECT_FALSE(frame->EditDeleteItem->isEnabled());
}

TEST_F(ClipboardFixture, APointerHeldBelowTheWindowWhileSelectingScrollsTheMap) {
  StartShown();
  TMDIMiss* w = frame->NewMissionWindow(64, 64);
  TMissView& map = *w->MissView();
  w->Navigator()->SetZoom(400);
  auto* scroll = w->findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  QScrollBar* v = scroll->verticalScrollBar();
  v->setValue(0);
  scroll->horizontalScrollBar()->setValue(0);
  ASSERT_GT(v->maximum(), 0);
  // Through the window system, as the user presses: the editor then knows
  // the button is held while the pointer stands still.
  QWindow* window = frame->windowHandle();
  ASSERT_NE(window, nullptr);
  const QPoint press = CentreOf(map, {1, 1});
  QTest::mousePress(window, Qt::LeftButton, Qt::ShiftModifier, map.mapTo(frame, press));
  // One move to below the map's visible part, then the pointer stands still
  // there on the screen while the map scrolls under it.
  const QPoint below(press.x() + 40, scroll->viewport()->height() + 30);
  QTest::mouseMove(window, scroll->viewport()->mapTo(frame, below));
  QCursor::setPos(scroll->viewport()->mapToGlobal(below));
  const size_t before = w->Selection().Count();
  QTest::qWait(450);
  EXPECT_GT(v->value(), 0) << "the map scrolled";
  EXPECT_GT(w->Selection().Count(), before) << "the rectangle grew with it";
  const QPoint end = map.mapFromGlobal(QCursor::pos());
  QTest::mouseRelease(window, Qt::LeftButton, Qt::ShiftModifier, map.mapTo(frame, end));
  EXPECT_EQ(w->Selection(), CellsInRect(THexGeometry{map.Style(), map.HexSpace()}, map.WidgetToBitmap(press),
                                        map.WidgetToBitmap(end), map.GridSize()));
  const int scrolled = v->value();
  QTest::qWait(250);
  EXPECT_EQ(v->value(), scrolled) << "the release ends the scrolling";
}

TEST_F(ClipboardFixture, CopyInOneWindowPasteIntoAnotherSaveAndFindTheCells) {
  StartShown();
  TMDIMiss* a = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  const std::string targetPath = gameDir + "MIS/miss002.dat";
  TMDIMiss* b = frame->OpenMissionFile(targetPath);
  Activate(a);
  TMissView& from = *a->MissView();
  frame->FilterActions[mfShopMarks]->trigger();  // shops go along
  // Shop 8 stands on even column 10, row 6; the rectangle from (8, 4) to
  // (12, 8) holds the even columns' rows 4 to 8 and the odd columns' rows
  // 4 to 7 (their row 8 sits half a cell lower), with shop 8 in the middle.
  ASSERT_EQ(from.Mission().Cell({10, 6}).Shop, 8);
  Drag(from, {8, 4}, {12, 8}, Qt::ShiftModifier);
  ASSERT_EQ(a->Selection().Count(), 3u * 5u + 2u * 4u);
  Key(from, Qt::Key_C);
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_TRUE(data && data->hasFormat(MapBlockMimeType));
  EXPECT_FALSE(qvariant_cast<QImage>(data->imageData()).isNull()) << "a picture for image programs";
  EXPECT_FALSE(from.IsModified());

  Activate(b);
  TMissView& to = *b->MissView();
  const TMission before = to.Mission();
  const TIndexedImage bitmap = to.MapBitmap();
  Hover(to, {20, 20});
  Key(to, Qt::Key_V);
  ASSERT_TRUE(b->Pasting());
  EXPECT_TRUE(frame->EditMirrorHItem->isEnabled());
  Hover(to, {21, 18});  // an odd column: the block still keeps its shape
  EXPECT_EQ(b->PasteAnchor(), (TPoint{21, 18}));
  EXPECT_FALSE(to.Preview().isNull());
  EXPECT_TRUE(to.MapBitmap().Pixels == bitmap.Pixels) << "the preview stays off the bitmap";
  EXPECT_TRUE(to.Mission().Cells == before.Cells) << "nothing is pasted before the click";

  Click(to, {21, 18});
  EXPECT_FALSE(b->Pasting());
  EXPECT_TRUE(to.Preview().isNull());
  EXPECT_EQ(to.History().Count(), 1u);
  EXPECT_EQ(frame->EditUndoItem->text().toStdString(), "&Undo Paste");
  EXPECT_EQ(b->PendingPaste(), nullptr);

  // Saved, the file holds the source's cells where the block landed: the
  // middle cell on the odd column 21, and around it its neighbours, which
  // on an odd column lie half a cell lower than on the even column 10.
  Key(to, Qt::Key_S);
  TMission saved;
  saved.LoadFromFile(targetPath);
  const TMission& source = from.Mission();
  const std::pair<TPoint, TPoint> landed[] = {
      {{10, 6}, {21, 18}},                                            // the middle
      {{10, 5}, {21, 17}}, {{10, 7}, {21, 19}},                       // up, down
      {{11, 5}, {22, 18}}, {{11, 6}, {22, 19}},                       // upper and lower right
      {{9, 5}, {20, 18}},  {{9, 6}, {20, 19}},                        // upper and lower left
      {{12, 6}, {23, 18}}, {{8, 4}, {19, 16}},  {{12, 8}, {23, 20}},  // two columns away
  };
  for (auto [s, t] : landed) {
    const TMissionCell &got = saved.Cells[t.y][t.x], &want = source.Cells[s.y][s.x];
    EXPECT_EQ(got.Terrain, want.Terrain) << t.x << "," << t.y;
    EXPECT_EQ(got.Obj, want.Obj) << t.x << "," << t.y;
    EXPECT_EQ(UnitCode(got), UnitCode(want)) << t.x << "," << t.y;
  }
  const int16_t shop = saved.Cells[18][21].Shop;
  ASSERT_NE(shop, -1) << "the shop came along";
  EXPECT_EQ(saved.GetShop(shop)->Name, source.GetShop(8)->Name);
  // Outside the block nothing changed.
  EXPECT_EQ(saved.Cells[15][21], before.Cells[15][21]);
  EXPECT_EQ(saved.Cells[18][25], before.Cells[18][25]);
}

TEST_F(ClipboardFixture, CutAndDeleteAreOneStepEachAndUndoGivesEverythingBack) {
  StartShown();
  TMDIMiss* w = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  TMissView& map = *w->MissView();
  const TMission before = map.Mission();
  Drag(map, {10, 10}, {16, 16}, Qt::ShiftModifier);
  Key(map, Qt::Key_X);
  EXPECT_EQ(map.History().Count(), 1u);
  EXPECT_EQ(frame->EditUndoItem->text().toStdString(), "&Undo Cut");
  for (TPoint c : w->Selection().Cells())
    EXPECT_EQ(map.Mission().Cells[c.y][c.x].Terrain, -1);
  EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasFormat(MapBlockMimeType));
  Key(map, Qt::Key_Z);
  EXPECT_TRUE(map.Mission().Cells == before.Cells);
  EXPECT_TRUE(map.Mission().Shops == before.Shops);
  EXPECT_TRUE(map.Mission().VehContents == before.VehContents);
  EXPECT_FALSE(map.IsModified());

  Key(map, Qt::Key_Delete, Qt::NoModifier);
  EXPECT_EQ(frame->EditUndoItem->text().toStdString(), "&Undo Delete");
  EXPECT_FALSE(map.Mission().Cells == before.Cells);
  Key(map, Qt::Key_Z);
  EXPECT_TRUE(map.Mission().Cells == before.Cells);

  // Pasted back where it came from and undone: one step, and all as it was.
  Hover(map, {3, 18});
  Key(map, Qt::Key_V);
  ASSERT_TRUE(w->Pasting());
  Key(map, Qt::Key_H, Qt::NoModifier);
  Key(map, Qt::Key_Escape, Qt::NoModifier);
  EXPECT_FALSE(w->Pasting());
  EXPECT_FALSE(w->Selection().Empty()) << "Escape dropped the paste, not yet the selection";
  Key(map, Qt::Key_V);
  ASSERT_TRUE(w->Pasting());
  Click(map, {3, 18});
  EXPECT_FALSE(map.Mission().Cells == before.Cells);
  EXPECT_EQ(frame->EditUndoItem->text().toStdString(), "&Undo Paste");
  Key(map, Qt::Key_Z);
  EXPECT_TRUE(map.Mission().Cells == before.Cells);
}

TEST_F(ClipboardFixture, ThePreviewFollowsTheFiltersAndGoesWithTheLastShownLayer) {
  StartShown();
  TMDIMiss* w = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  TMissView& map = *w->MissView();
  Drag(map, {4, 4}, {12, 12}, Qt::ShiftModifier);
  Key(map, Qt::Key_C);
  Hover(map, {8, 8});
  Key(map, Qt::Key_V);
  ASSERT_TRUE(w->Pasting());
  const QImage withTerrain = map.Preview();
  frame->FilterActions[mfTerrain]->trigger();
  ASSERT_FALSE(map.FilterOn(mfTerrain));
  EXPECT_NE(map.Preview(), withTerrain) << "drawn again without terrain";
  frame->FilterActions[mfBaseMap]->trigger();
  ASSERT_FALSE(map.FilterOn(mfBaseMap));
  EXPECT_FALSE(w->Pasting()) << "no layer left to paste into";
  EXPECT_TRUE(map.Preview().isNull());
  EXPECT_EQ(map.OverlayCells(), std::vector<TPoint>({{8, 8}})) << "the brush outline is back";
}

TEST_F(ClipboardFixture, ForeignOrDamagedClipboardDataIsRefusedAndChangesNothing) {
  StartShown();
  TMDIMiss* w = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  TMissView& map = *w->MissView();
  const TMission before = map.Mission();
  Hover(map, {10, 10});

  QApplication::clipboard()->setText("just some text");
  Key(map, Qt::Key_V);
  EXPECT_FALSE(w->Pasting());

  // Our type, but cut short, or written by another version.
  Drag(map, {10, 10}, {12, 12}, Qt::ShiftModifier);
  Key(map, Qt::Key_C);
  const QByteArray good = QApplication::clipboard()->mimeData()->data(MapBlockMimeType);
  for (QByteArray bad :
       {good.left(good.size() - 3), QByteArray(good).replace(4, 1, "\x07"), QByteArray("VHMB")}) {
    auto* data = new QMimeData;
    data->setData(MapBlockMimeType, bad);
    QApplication::clipboard()->setMimeData(data);
    Key(map, Qt::Key_V);
    EXPECT_FALSE(w->Pasting());
  }
  EXPECT_TRUE(map.Mission().Cells == before.Cells);
  EXPECT_EQ(map.History().Count(), 0u);
}

}  // namespace
}  // namespace vh
