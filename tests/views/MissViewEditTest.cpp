#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include "ViewTestSupport.h"
#include "hexmap/CellEditing.h"
#include "hexmap/HexGeometry.h"

namespace vh {
namespace {

using test::TCountingMissView;
using Cells = std::vector<TPoint>;

class MissViewEditing : public ::testing::Test {
protected:
  std::unique_ptr<TCountingMissView> view = std::make_unique<TCountingMissView>();

  void SetUp() override {
    view->StartNewMission({8, 8});
    view->Drawn.clear();
  }
  TMissionCell& At(int x, int y) {
    return view->Mission().Cells[static_cast<size_t>(y)][static_cast<size_t>(x)];
  }
  bool MapUpToDate() const { return view->MapBitmap().Pixels == test::ExpectedMap(*view).Pixels; }
  Cells DrawnSet() const {
    Cells c = view->Drawn;
    std::sort(c.begin(), c.end(),
              [](TPoint a, TPoint b) { return std::pair(a.y, a.x) < std::pair(b.y, b.x); });
    c.erase(std::unique(c.begin(), c.end()), c.end());
    return c;
  }
};

TEST_F(MissViewEditing, ALineObjectRedrawsItsNeighboursButNotItself) {
  At(3, 1).Obj = 90;  // the road above
  view->RedrawAll();
  view->Drawn.clear();
  const uint64_t before = view->Mission().ChangeCount;
  EXPECT_TRUE(view->SetCellValue(true, {3, 2}, 90, pkObject));
  EXPECT_EQ(view->Drawn, (Cells{{3, 1}, {3, 3}, {2, 2}, {4, 2}, {4, 3}, {2, 3}}));
  EXPECT_GT(view->Mission().ChangeCount, before);
  EXPECT_FALSE(MapUpToDate());  // the cell itself is the caller's
  view->RedrawCell({3, 2});
  EXPECT_TRUE(MapUpToDate());

  view->Drawn.clear();
  EXPECT_FALSE(view->SetCellValue(false, {3, 2}, 90, pkObject));
  EXPECT_TRUE(view->Drawn.empty());
  EXPECT_TRUE(view->SetCellValue(true, {3, 2}, 20, pkTerrain));
  EXPECT_TRUE(view->Drawn.empty());
}

TEST_F(MissViewEditing, ErasingAUnitThroughTheViewDeletesCargoAndAIPoint) {
  SetUnitCode(At(2, 2), UnitCode(1, 5));
  view->Mission().NewVehContent({2, 2});
  view->Mission().NewAIPoint({2, 2});
  EXPECT_TRUE(view->SetCellValue(true, {2, 2}, NoUnitCode, pkUnit));
  EXPECT_EQ(At(2, 2).VehContent, -1);
  EXPECT_EQ(At(2, 2).AIPoint, -1);
  EXPECT_EQ(view->Mission().GetVehContent(0), nullptr);
  EXPECT_EQ(view->Mission().GetAIPoint(0), nullptr);
  EXPECT_TRUE(view->Drawn.empty());
}

TEST_F(MissViewEditing, PaintingFollowsTheShownLayer) {
  view->SetFilter(mfDFLayer, true);
  EXPECT_TRUE(view->SetCellValue(true, {4, 4}, 5, pkTerrain));
  EXPECT_EQ(view->Mission().DFCells[4][4], (TDFCell{5, -1, NoUnit, NoSide}));
  EXPECT_EQ(At(4, 4).Terrain, -1);
  view->Drawn.clear();
  EXPECT_TRUE(view->SetCellValue(true, {4, 5}, 90, pkObject));  // no lines in change layers
  EXPECT_TRUE(view->Drawn.empty());
  view->SetFilter(mfDFLayer, false);
  view->SetFilter(mfBaseMap, false);
  const auto cells = view->Mission().Cells;
  const auto changes = view->Mission().DFCells;
  EXPECT_FALSE(view->SetCellValue(true, {1, 1}, 5, pkTerrain));
  EXPECT_EQ(view->Mission().Cells, cells);
  EXPECT_EQ(view->Mission().DFCells, changes);
}

TEST_F(MissViewEditing, ABlockPastedByAnOddColumnKeepsItsShape) {
  TMultiSelection block;
  block.At(0, 0) = 10;
  block.At(1, 0) = 11;
  block.At(2, 0) = 12;
  block.At(0, 5) = 13;  // lands below the map
  EXPECT_FALSE(view->IsModified());
  view->PasteGroup(true, {1, 5}, block, pkTerrain);
  EXPECT_EQ(At(1, 5).Terrain, 10);
  EXPECT_EQ(At(2, 6).Terrain, 11);
  EXPECT_EQ(At(3, 5).Terrain, 12);
  EXPECT_EQ(view->Drawn, (Cells{{1, 5}, {2, 6}, {3, 5}}));
  EXPECT_TRUE(view->IsModified());
  EXPECT_TRUE(MapUpToDate());

  view->Drawn.clear();
  view->PasteGroup(false, {1, 5}, block, pkTerrain);  // nothing new
  EXPECT_TRUE(view->Drawn.empty());
  view->PasteGroup(false, {1, 5}, block, pkUnit);
  EXPECT_TRUE(view->Drawn.empty());
}

TEST_F(MissViewEditing, AnObjectBlockJoinsItsNeighboursAtOnce) {
  At(4, 1).Obj = 90;  // a road that the block will meet
  At(6, 3).Obj = 44;  // an object roads join
  view->RedrawAll();
  view->Drawn.clear();
  TMultiSelection road;
  road.At(0, 0) = 90;
  road.At(0, 1) = 90;
  road.At(1, 1) = 90;
  road.AnchorX = 0;
  road.AnchorY = 0;
  view->PasteGroup(true, {4, 2}, road, pkObject);
  EXPECT_EQ(At(4, 2).Obj, 90);
  EXPECT_EQ(At(4, 3).Obj, 90);
  EXPECT_EQ(At(5, 3).Obj, 90);
  // The block's cells first, then every cell around it once.
  ASSERT_GE(view->Drawn.size(), 3u);
  EXPECT_EQ((Cells{view->Drawn.begin(), view->Drawn.begin() + 3}), (Cells{{4, 2}, {4, 3}, {5, 3}}));
  std::set<std::pair<int, int>> around;
  for (TPoint c : {TPoint{4, 2}, TPoint{4, 3}, TPoint{5, 3}})
    for (int d = 0; d < DirectionCount; ++d) {
      const TPoint n = Neighbour(c, d);
      if (IsInGrid(n, {8, 8}) && !(n == TPoint{4, 2} || n == TPoint{4, 3} || n == TPoint{5, 3}))
        around.insert({n.x, n.y});
    }
  EXPECT_EQ(view->Drawn.size(), 3 + around.size());
  EXPECT_EQ(DrawnSet().size(), view->Drawn.size());
  EXPECT_TRUE(MapUpToDate());
}

TEST_F(MissViewEditing, BlocksGoIntoTheChangeLayerWithoutRedrawingAround) {
  view->SetFilter(mfDFLayer, true);
  view->Drawn.clear();
  TMultiSelection block;
  block.At(0, 0) = 90;
  block.At(11, 5) = 91;  // far outside
  view->PasteGroup(true, {7, 7}, block, pkObject);
  EXPECT_EQ(view->Mission().DFCells[7][7].Obj, 90);
  EXPECT_EQ(view->Drawn, (Cells{{7, 7}}));
  EXPECT_TRUE(MapUpToDate());
}

// The mission window's painting, as it uses the view: the left button paints
// terrain along a drag, a left press with the right button held picks.
TEST_F(MissViewEditing, PaintingWithTheMouse) {
  ApplyMissionWindowSettings(*view);
  std::vector<TPoint> picks;
  view->OnMouseAction0 = [&](TEckView*, TMouseActionItem action, Qt::MouseButton button, TShiftState shift,
                             int32_t x, int32_t y) {
    if (button != Qt::LeftButton || shift.Buttons.testFlag(Qt::RightButton))
      return;
    if (view->SetCellValue(action == maLeftDown, {x, y}, 7, pkTerrain) && view->CursorPos() == TPoint{x, y})
      view->RedrawCell({x, y});
  };
  view->OnMouseAction1 = [&](TEckView*, TMouseActionItem, Qt::MouseButton, TShiftState, int32_t x,
                             int32_t y) {
    picks.push_back({x, y});
  };
  view->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  auto centre = [&](TPoint c) {
    const TPoint o = view->CellToPoint(c);
    return view->BitmapToWidget({o.x + 12, o.y + 12});
  };
  QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, centre({1, 1}));
  QTest::mouseMove(view.get(), centre({2, 1}));
  QTest::mouseMove(view.get(), centre({3, 1}));
  QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, centre({3, 1}));
  EXPECT_EQ(At(1, 1).Terrain, 7);
  EXPECT_EQ(At(2, 1).Terrain, 7);
  EXPECT_EQ(At(3, 1).Terrain, 7);
  EXPECT_EQ(At(4, 1).Terrain, -1);
  EXPECT_EQ(view->CursorPos(), (TPoint{3, 1}));
  EXPECT_TRUE(MapUpToDate());

  QTest::mousePress(view.get(), Qt::RightButton, Qt::NoModifier, centre({5, 5}));
  QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, centre({5, 5}));
  QTest::mouseMove(view.get(), centre({6, 5}));  // a left drag with the right button held
  QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, centre({6, 5}));
  QTest::mouseRelease(view.get(), Qt::RightButton, Qt::NoModifier, centre({6, 5}));
  EXPECT_EQ(picks, (Cells{{5, 5}}));
  EXPECT_EQ(At(5, 5).Terrain, -1);
  EXPECT_EQ(At(6, 5).Terrain, -1);
  EXPECT_EQ(view->CursorPos(), (TPoint{5, 5}));  // a drag with both buttons moves no cursor
  EXPECT_TRUE(MapUpToDate());
}

// What reaches the screen is the bitmap in the game's colours.
TEST_F(MissViewEditing, TheScreenShowsTheBitmap) {
  TMission& m = view->Mission();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      m.Cells[y][x].Terrain = static_cast<int16_t>(1 + (x * 3 + y) % 12);
  for (int x = 1; x < 7; ++x)
    m.Cells[4][x].Obj = 90;
  m.Cells[3][3].Obj = 92;
  m.Cells[2][3].Obj = 92;
  SetUnitCode(m.Cells[2][5], UnitCode(0, 3));
  SetUnitCode(m.Cells[6][2], UnitCode(3, 9));
  m.NewShop({6, 1});
  view->SetFilter(mfShopMarks, true);
  view->SetShowGrid(true);
  view->MoveCursor({3, 4});
  view->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  const QImage shot = view->grab().toImage();
  ASSERT_EQ(shot.size(), view->size());
  const TIndexedImage& map = view->MapBitmap();
  const TPalette& palette = view->Palette();
  for (int y = 0; y < map.Height; y += 3)
    for (int x = 0; x < map.Width; x += 3) {
      const TPaletteEntry& e = palette[map.At(x, y)];
      ASSERT_EQ(shot.pixel(x, y) & 0xFFFFFF, qRgb(e.Red, e.Green, e.Blue) & 0xFFFFFFu) << x << "," << y;
    }
  if (const char* dir = std::getenv("VH_PREVIEW_DIR"))
    shot.save(QString::fromLocal8Bit(dir) + "/missview.png");
}

}  // namespace
}  // namespace vh

namespace vh {
namespace {

// The brush writes each of its cells as one cell of a stroke: the same
// mission and the same picture as painting them one by one, and only the
// changed cells and the neighbours of changed objects are drawn.
class BrushPainting : public ::testing::Test {
protected:
  std::unique_ptr<test::TCountingMissView> brush = std::make_unique<test::TCountingMissView>();
  std::unique_ptr<test::TCountingMissView> single = std::make_unique<test::TCountingMissView>();
  void SetUp() override {
    for (auto* v : {brush.get(), single.get()}) {
      v->StartNewMission({10, 10});
      v->Mission().Cells[4][4].Obj = 90;  // a road beside the brush
      v->Mission().DFCells[2][2].Obj = 40;
      v->Mission().DFCells[2][3].Terrain = 7;
      v->RedrawAll();
      v->Drawn.clear();
    }
  }
  void Compare() {
    EXPECT_TRUE(brush->Mission().Cells == single->Mission().Cells);
    EXPECT_TRUE(brush->Mission().DFCells == single->Mission().DFCells);
    EXPECT_EQ(brush->MapBitmap().Pixels, single->MapBitmap().Pixels);
    EXPECT_EQ(brush->MapBitmap().Pixels, test::ExpectedMap(*brush).Pixels);
  }
};

TEST_F(BrushPainting, ObjectsIntoTheBaseMapJoinLinesAsSingleCellsDo) {
  const Cells cells{{3, 3}, {3, 2}, {4, 3}, {3, 4}, {2, 3}};
  const Cells changed = brush->PaintCells(cells, true, 90, pkObject);
  for (size_t i = 0; i < cells.size(); ++i)
    if (single->SetCellValue(i == 0, cells[i], 90, pkObject))
      single->RedrawCell(cells[i]);
  EXPECT_EQ(changed.size(), cells.size());
  Compare();
  // Each drawn once, the cells and their neighbours only.
  std::set<std::pair<int, int>> drawn;
  for (TPoint c : brush->Drawn)
    EXPECT_TRUE(drawn.insert({c.x, c.y}).second) << c.x << ", " << c.y << " drawn twice";
  for (TPoint c : brush->Drawn) {
    int distance = 9;
    for (TPoint p : cells)
      distance = std::min(distance, std::abs(c.x - p.x) + std::abs(c.y - p.y));
    EXPECT_LE(distance, 2);
  }
}

TEST_F(BrushPainting, TheFirstCellDecidesTheObjectOfAStrokeIntoAChangeLayer) {
  for (auto* v : {brush.get(), single.get()})
    v->SetFilter(mfDFLayer, true);
  // Erasing objects from a cell with an object change makes the stroke
  // undo object changes; the same must hold for all cells of the brush.
  const Cells cells{{2, 2}, {3, 2}, {2, 1}, {1, 2}, {3, 3}};
  brush->PaintCells(cells, true, static_cast<uint16_t>(-1), pkObject);
  for (size_t i = 0; i < cells.size(); ++i)
    if (single->SetCellValue(i == 0, cells[i], static_cast<uint16_t>(-1), pkObject))
      single->RedrawCell(cells[i]);
  Compare();
  EXPECT_EQ(brush->Mission().DFCells[2][2].Obj, -2);
  EXPECT_EQ(brush->Mission().DFCells[2][3].Obj, -1) << "a terrain change keeps stating an object";
  // The brush passing the same cells again in the stroke changes nothing.
  brush->Drawn.clear();
  EXPECT_TRUE(brush->PaintCells(cells, false, static_cast<uint16_t>(-1), pkObject).empty());
  EXPECT_TRUE(brush->Drawn.empty());
}

}  // namespace
}  // namespace vh

namespace vh {
namespace {

TEST(MapOverlay, IsDrawnOnTheScreenButNeverIntoTheBitmap) {
  test::TCountingMissView view;
  view.StartNewMission({10, 10});
  view.RedrawAll();
  const auto bitmap = view.MapBitmap().Pixels;
  const QImage plain = view.grab().toImage();
  view.SetOverlay({{3, 3}, {3, 4}}, true);
  EXPECT_EQ(view.MapBitmap().Pixels, bitmap);
  const QImage marked = view.grab().toImage();
  EXPECT_NE(marked, plain);
  // Outside the marked cells the screen is as before.
  const TPoint far = view.CellToPoint({8, 8});
  EXPECT_EQ(marked.copy(far.x, far.y, 24, 24), plain.copy(far.x, far.y, 24, 24));
  view.ClearOverlay();
  EXPECT_EQ(view.grab().toImage(), plain);
}

}  // namespace
}  // namespace vh
