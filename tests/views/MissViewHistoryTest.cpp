#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "ViewTestSupport.h"
#include "hexmap/HexGeometry.h"

namespace vh {
namespace {

using test::TCountingMissView;

class MissViewHistory : public ::testing::Test {
protected:
  std::unique_ptr<TCountingMissView> view = std::make_unique<TCountingMissView>();

  void SetUp() override {
    view->StartNewMission({10, 8});
    view->Drawn.clear();
  }
  // One stroke as the mission window records it.
  void Stroke(std::initializer_list<TPoint> cells, uint16_t value, int kind) {
    view->History().Begin("Paint");
    bool first = true;
    for (TPoint c : cells) {
      view->SetCellValue(first, c, value, kind);
      view->RedrawCell(c);
      first = false;
    }
    view->History().End();
  }
  bool OnlyDrawn(std::vector<TPoint> expected) const {
    auto key = [](TPoint p) { return p.y * 64 + p.x; };
    std::vector<int> a, b;
    for (TPoint p : view->Drawn)
      a.push_back(key(p));
    for (TPoint p : expected)
      b.push_back(key(p));
    std::sort(a.begin(), a.end());
    a.erase(std::unique(a.begin(), a.end()), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
  }
  void ExpectMapUpToDate(const char* what) {
    const TIndexedImage expected = test::ExpectedMap(*view);
    EXPECT_TRUE(view->MapBitmap().Pixels == expected.Pixels) << what;
  }
};

TEST_F(MissViewHistory, UndoAndRedoRedrawOnlyTheCellsThatCameBack) {
  Stroke({{2, 2}, {3, 2}, {4, 3}}, 5, pkTerrain);
  view->Drawn.clear();
  view->Undo();
  EXPECT_TRUE(OnlyDrawn({{2, 2}, {3, 2}, {4, 3}}));
  ExpectMapUpToDate("undone");
  view->Drawn.clear();
  view->Redo();
  EXPECT_TRUE(OnlyDrawn({{2, 2}, {3, 2}, {4, 3}}));
  ExpectMapUpToDate("redone");
}

TEST_F(MissViewHistory, AnUndoneLineObjectRedrawsTheNeighboursItJoined) {
  Stroke({{4, 4}}, 90, pkObject);  // a road
  view->Drawn.clear();
  view->Undo();
  std::vector<TPoint> expected{{4, 4}};
  for (int d = 0; d < DirectionCount; ++d)
    if (TPoint n = Neighbour({4, 4}, d); n.x >= 0 && n.y >= 0 && n.x < 10 && n.y < 8)
      expected.push_back(n);
  EXPECT_TRUE(OnlyDrawn(expected));
  ExpectMapUpToDate("road undone");
}

TEST_F(MissViewHistory, ASizeChangeUndoneResizesTheView) {
  view->History().Begin("Settings");
  view->SetGridSize({16, 12});
  view->History().End();
  view->Undo();
  EXPECT_EQ(view->GridSize(), (TPoint{10, 8}));
  EXPECT_EQ(view->Mission().Width, 10);
  ExpectMapUpToDate("size undone");
  EXPECT_FALSE(view->IsModified());
}

}  // namespace
}  // namespace vh
