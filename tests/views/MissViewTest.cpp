#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>
#include <type_traits>
#include <vector>

#include <QApplication>

#include "ViewTestSupport.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "hexmap/CellEditing.h"
#include "hexmap/HexGeometry.h"
#include "support/TempDir.h"

namespace vh {
namespace {

using test::TCountingMissView;
using Cells = std::vector<TPoint>;

// An 8 x 6 map: terrain on the left half, objects and units here and there,
// shops, cargo, AI points and a few cells of change layer 0.
void FillSample(TMission& m) {
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 4; ++x)
      m.Cells[y][x].Terrain = static_cast<int16_t>(10 + x + y);
  m.Cells[1][5].Obj = 120;
  m.Cells[2][5].Obj = 90;  // a road reaching down to (5, 3)
  m.Cells[3][5].Obj = 90;
  SetUnitCode(m.Cells[4][6], UnitCode(2, 7));
  m.NewVehContent({6, 4});
  m.NewAIPoint({6, 4});
  m.NewShop({5, 1});
  m.NewShop({1, 3});
  m.DFCells[0][0] = {30, -1, NoUnit, NoSide};
  m.DFCells[0][7] = {-1, -1, NoUnit, NoSide};
  m.DFCells[3][1] = {-1, -2, 4, 1};  // a unit onto the shop's cell
}

class MissView : public ::testing::Test {
protected:
  std::unique_ptr<TCountingMissView> view = std::make_unique<TCountingMissView>();
  int nameEvents = 0;
  std::vector<std::pair<QPoint, bool>> scrollRequests;

  void SetUp() override {
    view->OnFileNameChanged = [this](TEckView*) { ++nameEvents; };
    view->OnMakePointInView = [this](TEckView*, int32_t x, int32_t y, bool center) {
      scrollRequests.push_back({QPoint(x, y), center});
    };
  }
  void StartSample() {
    view->StartNewMission({8, 6});
    FillSample(view->Mission());
    view->RedrawAll();
    view->Drawn.clear();
  }
  void ExpectMapUpToDate(const char* what) {
    const TIndexedImage expected = test::ExpectedMap(*view);
    ASSERT_EQ(view->MapBitmap().Width, expected.Width) << what;
    ASSERT_EQ(view->MapBitmap().Height, expected.Height) << what;
    EXPECT_TRUE(view->MapBitmap().Pixels == expected.Pixels) << what;
  }
  Cells DrawnSorted() const {
    std::set<std::pair<int, int>> s;
    for (TPoint p : view->Drawn)
      s.insert({p.y, p.x});
    Cells c;
    for (auto [y, x] : s)
      c.push_back({x, y});
    return c;
  }
};

TEST_F(MissView, StartsWithTheBaseMapFilterAndGeneratorDefaults) {
  EXPECT_EQ(view->Filter(), 71);
  EXPECT_EQ(view->GridSize(), (TPoint{0, 0}));
  EXPECT_TRUE(view->Mission().Blank);
  EXPECT_FALSE(view->IsModified());
  EXPECT_EQ(view->Generator.Roughness, 100);
  EXPECT_EQ(view->Generator.Border0, 60);
  EXPECT_EQ(view->Generator.Border1, 90);
  EXPECT_EQ(view->Generator.Border2, 120);
  EXPECT_EQ(view->Generator.TerrainType, 0);
  EXPECT_FALSE(view->Generator.Textured);
  EXPECT_FALSE(view->Generator.Generated);
  EXPECT_EQ(view->Generator.TextureSeed, 0);
  EXPECT_EQ(view->Generator.HeightMap, THeightMap{});
  EXPECT_EQ(view->DFStrokeObject, 0);
}

TEST_F(MissView, ANewMissionSizesTheViewAndDrawsEveryCell) {
  view->StartNewMission({10, 7});
  EXPECT_EQ(nameEvents, 1);
  EXPECT_EQ(view->GridSize(), (TPoint{10, 7}));
  EXPECT_EQ(view->Mission().Width, 10);
  EXPECT_EQ(view->Mission().Height, 7);
  EXPECT_FALSE(view->Mission().Blank);
  EXPECT_EQ(view->size(), QSize(16 * 10 + 8, 24 * 7 + 12));
  EXPECT_EQ(view->Drawn.size(), 70u);
  EXPECT_FALSE(view->IsModified());
  ExpectMapUpToDate("new mission");
}

TEST_F(MissView, ResizingTheGridResizesTheMission) {
  StartSample();
  view->SetGridSize({12, 9});
  EXPECT_EQ(view->Mission().Width, 12);
  EXPECT_EQ(view->Mission().Height, 9);
  EXPECT_TRUE(view->IsModified());
  EXPECT_THROW(view->SetGridSize({65, 9}), ERangeError);
  EXPECT_EQ(view->GridSize(), (TPoint{12, 9}));
}

TEST_F(MissView, FilterSwitchesRedrawOnlyTheCellsConcerned) {
  StartSample();
  const uint64_t changes = view->Mission().ChangeCount;
  struct Step {
    int Index;
    bool On;
    Cells Expected;
  };
  const std::vector<Step> steps = {
      // Base terrain: the left half.
      {mfTerrain, false,
       [] {
         Cells c;
         for (int y = 0; y < 6; ++y)
           for (int x = 0; x < 4; ++x)
             c.push_back({x, y});
         return c;
       }()},
      {mfTerrain, true, {}},  // checked by count below
      {mfObjects, false, {{5, 1}, {5, 2}, {5, 3}}},
      {mfObjects, true, {{5, 1}, {5, 2}, {5, 3}}},
      {mfUnits, false, {{6, 4}}},
      {mfShopMarks, true, {{5, 1}, {1, 3}}},
      {mfContentMarks, true, {{6, 4}}},
      {mfAIMarks, true, {{6, 4}}},
      {mfDFMarks, true, {}},  // the change layer is hidden
      {mfDFLayer, true, {{0, 0}, {7, 0}, {1, 3}}},
      {mfDFMarks, false, {{0, 0}, {7, 0}, {1, 3}}},
      {mfUnits, true, {{1, 3}, {6, 4}}},
      {mfBaseMap, false,
       [] {
         Cells c;
         for (int y = 0; y < 6; ++y)
           for (int x = 0; x < 4; ++x)
             c.push_back({x, y});
         c.push_back({5, 1});
         c.push_back({5, 2});
         c.push_back({5, 3});
         c.push_back({6, 4});
         return c;
       }()},
      // With the base map hidden, the changed shop cell still shows its mark.
      {mfShopMarks, false, {{1, 3}}},
      {mfAIMarks, false, {}},
  };
  for (const Step& s : steps) {
    view->Drawn.clear();
    view->SetFilter(s.Index, s.On);
    if (s.Index == mfTerrain && s.On)
      EXPECT_EQ(view->Drawn.size(), 24u);
    else {
      Cells expected = s.Expected;
      std::sort(expected.begin(), expected.end(),
                [](TPoint a, TPoint b) { return std::pair(a.y, a.x) < std::pair(b.y, b.x); });
      EXPECT_EQ(DrawnSorted(), expected) << "bit " << s.Index << (s.On ? " on" : " off");
      EXPECT_EQ(view->Drawn.size(), expected.size()) << "each cell once";
    }
    EXPECT_EQ(view->FilterOn(s.Index), s.On);
    ExpectMapUpToDate("after a filter switch");
  }
  view->Drawn.clear();
  view->SetFilter(mfTerrain, true);  // no change at all
  EXPECT_TRUE(view->Drawn.empty());
  EXPECT_THROW(view->SetFilter(9, true), ERangeError);
  EXPECT_EQ(view->Mission().ChangeCount, changes);  // filters are no edit
}

TEST_F(MissView, AnySequenceOfFilterSwitchesLeavesTheMapAsAFullRedrawWould) {
  StartSample();
  view->MoveCursor({5, 2});
  std::mt19937 rng(7);
  for (int i = 0; i < 200; ++i) {
    const int index = static_cast<int>(rng() % MissFilterBitCount);
    view->SetFilter(index, !view->FilterOn(index));
    const TIndexedImage expected = test::ExpectedMap(*view);
    ASSERT_TRUE(view->MapBitmap().Pixels == expected.Pixels) << "step " << i << " filter " << view->Filter();
  }
}

TEST_F(MissView, SwitchingTheChangeLayerRedrawsWhatEitherLayerChanges) {
  StartSample();
  TMission& m = view->Mission();
  // Layer 3 changes (7, 0) too, and (4, 5) and (2, 2).
  m.DFNr = 3;
  m.ClearDFCells();
  m.DFCells[0][7] = {50, -2, NoUnit, NoSide};
  m.DFCells[5][4] = {51, -1, NoUnit, NoSide};
  m.DFCells[2][2] = {-1, 60, NoUnit, NoSide};
  m.StoreDFLayer();
  m.LoadDFLayer(0);  // empty until stored: put back the sample's changes
  m.DFCells[0][0] = {30, -1, NoUnit, NoSide};
  m.DFCells[0][7] = {-1, -1, NoUnit, NoSide};
  m.DFCells[3][1] = {-1, -2, 4, 1};

  view->SetFilter(mfDFLayer, true);
  view->Drawn.clear();
  view->ShowDFLayer(3);
  EXPECT_EQ(m.DFNr, 3);
  EXPECT_EQ(DrawnSorted(), (Cells{{0, 0}, {7, 0}, {2, 2}, {1, 3}, {4, 5}}));
  EXPECT_EQ(view->Drawn.size(), 5u);
  ExpectMapUpToDate("layer 3");

  view->Drawn.clear();
  view->ShowDFLayer(3);  // the same layer
  EXPECT_TRUE(view->Drawn.empty());

  view->SetFilter(mfDFLayer, false);
  view->Drawn.clear();
  view->ShowDFLayer(0);  // hidden: switched, nothing drawn
  EXPECT_EQ(m.DFNr, 0);
  EXPECT_TRUE(view->Drawn.empty());
  EXPECT_EQ(m.DFCells[0][0], (TDFCell{30, -1, NoUnit, NoSide}));
  ExpectMapUpToDate("layer 0 hidden");
  EXPECT_THROW(view->ShowDFLayer(32), ERangeError);
  EXPECT_THROW(view->ShowDFLayer(-1), ERangeError);
}

TEST_F(MissView, ClearingWithTheFilterEmptiesWhatIsShownAndRedraws) {
  StartSample();
  view->ClearFiltered();
  EXPECT_EQ(view->Drawn.size(), 48u);
  EXPECT_EQ(view->Mission().Cells[0][0].Terrain, -1);
  EXPECT_EQ(view->Mission().Cells[2][5].Obj, -1);
  EXPECT_EQ(view->Mission().Cells[4][6].VehContent, -1);
  EXPECT_NE(view->Mission().Cells[4][6].AIPoint, -1);
  EXPECT_NE(view->Mission().Cells[1][5].Shop, -1);  // shops are not shown
  EXPECT_TRUE(view->Mission().DFCells[0][0].IsChange());
  EXPECT_TRUE(view->IsModified());
  ExpectMapUpToDate("cleared");
}

TEST_F(MissView, TheCursorCellAndItsRecords) {
  StartSample();
  view->MoveCursor({6, 4});
  EXPECT_EQ(view->CursorCell(), view->Mission().Cells[4][6]);
  EXPECT_EQ(view->CursorAIPoint(), view->Mission().GetAIPoint(0));
  EXPECT_EQ(view->GetVehContent(view->CursorCell().VehContent), view->Mission().GetVehContent(0));
  view->MoveCursor({1, 3});
  EXPECT_EQ(view->CursorDFCell(), (TDFCell{-1, -2, 4, 1}));
  EXPECT_EQ(view->CursorAIPoint(), nullptr);
  EXPECT_EQ(view->GetShop(view->CursorCell().Shop)->Name, "Shop Nr. 1");
  EXPECT_EQ(view->ShopIndexToNr(1), 1);
  EXPECT_EQ(view->ShopNrToIndex(0), 0);
  // Copies: the palette reads them, it does not write through them.
  static_assert(std::is_same_v<decltype(view->CursorCell()), TMissionCell>);
  static_assert(std::is_same_v<decltype(view->CursorDFCell()), TDFCell>);
}

TEST_F(MissView, GoingToAShopMovesTheCursorAndCentresIt) {
  StartSample();
  int moves = 0;
  view->OnCurPosChanged = [&](TEckView*) { ++moves; };
  EXPECT_TRUE(view->GotoShop(1));
  EXPECT_EQ(view->CursorPos(), (TPoint{1, 3}));
  EXPECT_EQ(moves, 1);
  ASSERT_EQ(scrollRequests.size(), 1u);
  // Column 1 is odd: half a cell lower.
  EXPECT_EQ(scrollRequests[0], std::make_pair(QPoint(16 + 12, 3 * 24 + 12 + 12), true));
  EXPECT_FALSE(view->GotoShop(5));
  EXPECT_EQ(scrollRequests.size(), 1u);
  EXPECT_EQ(moves, 1);
}

class MissViewFiles : public MissView {
protected:
  test::TempDir tmp;
  std::string SavedSample() {
    auto m = std::make_unique<TMission>();
    m->SetSize({9, 5});
    FillSample(*m);
    m->MissionName = "Sample";
    m->SaveAs(tmp.File("miss001.dat"));
    return tmp.File("miss001.dat");
  }
};

TEST_F(MissViewFiles, OpeningReadsSizesAndDraws) {
  const std::string file = SavedSample();
  TMission* const address = &view->Mission();
  view->OpenMission(file);
  EXPECT_EQ(&view->Mission(), address);
  EXPECT_EQ(nameEvents, 1);
  EXPECT_EQ(view->Mission().FileName, file);
  EXPECT_EQ(view->Mission().MissionName, "Sample");
  EXPECT_EQ(view->GridSize(), (TPoint{9, 5}));
  EXPECT_EQ(view->Drawn.size(), 45u);
  EXPECT_FALSE(view->IsModified());
  EXPECT_EQ(view->Mission().Cells[2][5].Obj, 90);
  ExpectMapUpToDate("opened");
}

TEST_F(MissViewFiles, AFileThatCannotBeReadChangesNothing) {
  StartSample();
  view->Mission().Cells[0][0].Obj = 93;
  view->RedrawCell({0, 0});
  const TIndexedImage before = view->MapBitmap();
  const uint64_t changes = view->Mission().ChangeCount;
  WriteWholeFile(tmp.File("bad.dat"), ByteStream{'N', 'O', 'P', 'E', 0, 0, 0, 0});
  view->Drawn.clear();
  EXPECT_THROW(view->OpenMission(tmp.File("bad.dat")), EVhError);
  EXPECT_THROW(view->OpenMission(tmp.File("missing.dat")), EVhError);
  EXPECT_EQ(nameEvents, 1);  // from the start only
  EXPECT_EQ(view->GridSize(), (TPoint{8, 6}));
  EXPECT_TRUE(view->Drawn.empty());
  EXPECT_TRUE(view->MapBitmap().Pixels == before.Pixels);
  EXPECT_EQ(view->Mission().Cells[0][0].Obj, 93);
  EXPECT_EQ(view->Mission().ChangeCount, changes);
}

TEST_F(MissViewFiles, SavingClearsTheModifiedState) {
  view->StartNewMission({6, 4});
  EXPECT_FALSE(view->IsModified());
  view->SetCellValue(true, {1, 1}, 12, pkTerrain);
  EXPECT_TRUE(view->IsModified());
  view->SaveMissionAs(tmp.File("new.dat"));
  EXPECT_FALSE(view->IsModified());
  EXPECT_EQ(nameEvents, 2);
  EXPECT_EQ(view->Mission().FileName, tmp.File("new.dat"));
  TMultiSelection block;
  block.At(0, 0) = 13;
  view->PasteGroup(true, {2, 2}, block, pkTerrain);
  EXPECT_TRUE(view->IsModified());
  view->SaveMission();
  EXPECT_FALSE(view->IsModified());
  // A save that fails leaves the work unsaved.
  view->SetCellValue(true, {3, 1}, 14, pkTerrain);
  EXPECT_THROW(view->SaveMissionAs(tmp.File("no/such/dir/x.dat")), EVhError);
  EXPECT_TRUE(view->IsModified());
  EXPECT_EQ(nameEvents, 2);

  auto back = std::make_unique<TMission>();
  back->LoadFromFile(tmp.File("new.dat"));
  EXPECT_EQ(back->Cells[1][1].Terrain, 12);
  EXPECT_EQ(back->Cells[2][2].Terrain, 13);
}

}  // namespace
}  // namespace vh
