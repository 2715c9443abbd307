#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <utility>

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "hexmap/CellEditing.h"
#include "hexmap/CellSelection.h"
#include "hexmap/HexGeometry.h"
#include "hexmap/MapBlock.h"
#include "hexmap/MissionPicture.h"
#include "hexmap/PaintTools.h"
#include "mission/History.h"
#include "support/SavedBytes.h"
#include "support/TempDir.h"

namespace vh {
namespace {

constexpr uint16_t BaseShown = DefaultMissFilter;
constexpr uint16_t BaseWithShops = DefaultMissFilter | FilterBit(mfShopMarks);
constexpr uint16_t ChangeShown = DefaultMissFilter | FilterBit(mfDFLayer);

struct RowOrder {
  bool operator()(TPoint a, TPoint b) const { return std::pair(a.y, a.x) < std::pair(b.y, b.x); }
};
std::set<TPoint, RowOrder> Set(const std::vector<TPoint>& v) {
  return {v.begin(), v.end()};
}
using TLanded = std::map<TPoint, TPoint, RowOrder>;

TPoint Centre(const THexGeometry& g, TPoint cell) {
  TPoint o = g.CellToPoint(cell);
  return {o.x + 12, o.y + 12};
}

// --- Selecting ---------------------------------------------------------------------

TEST(CellSelection, ARectangleTakesTheCellsWhoseCentresItHolds) {
  const THexGeometry g{es6Ecks, 0};
  // From an even column: the odd columns between sit half a cell lower, so
  // their last row's centre falls below the rectangle.
  EXPECT_EQ(Set(CellsInRect(g, Centre(g, {2, 2}), Centre(g, {4, 4}), {20, 20}).Cells()),
            Set({{2, 2}, {3, 2}, {4, 2}, {2, 3}, {3, 3}, {4, 3}, {2, 4}, {4, 4}}));
  // From an odd column: the even columns between lose their first row.
  EXPECT_EQ(Set(CellsInRect(g, Centre(g, {5, 4}), Centre(g, {3, 2}), {20, 20}).Cells()),
            Set({{3, 2}, {5, 2}, {3, 3}, {4, 3}, {5, 3}, {3, 4}, {4, 4}, {5, 4}}));
  // One pixel short of a centre leaves its cell out; the grid's edge clips.
  const TPoint c = Centre(g, {1, 1});
  EXPECT_TRUE(CellsInRect(g, {c.x + 1, c.y}, {c.x + 5, c.y + 5}, {20, 20}).Empty());
  EXPECT_EQ(CellsInRect(g, {-500, -500}, {5000, 5000}, {7, 3}).Count(), 21u);
  // Gaps between the cells move the centres with them.
  const THexGeometry spaced{es6Ecks, 3};
  EXPECT_EQ(Set(CellsInRect(spaced, Centre(spaced, {6, 6}), Centre(spaced, {6, 6}), {20, 20}).Cells()),
            Set({{6, 6}}));
}

TEST(CellSelection, SetKeepsOnlyGridCells) {
  TCellSet s;
  s.Add({-1, 0});
  s.Add({64, 3});
  s.Add({3, 9});
  s.Add({63, 63});
  EXPECT_EQ(s.Count(), 2u);
  EXPECT_TRUE(s.KeepInside({10, 10}));
  EXPECT_EQ(s.Cells(), std::vector<TPoint>({{3, 9}}));
  EXPECT_FALSE(s.KeepInside({10, 10}));
  EXPECT_EQ(AllCells({5, 4}).Count(), 20u);
}

// --- Copy and paste -------------------------------------------------------------------

class MapBlocks : public ::testing::Test {
protected:
  std::unique_ptr<TMission> source = std::make_unique<TMission>();
  std::unique_ptr<TMission> target = std::make_unique<TMission>();

  void SetUp() override {
    source->SetSize({40, 40});
    target->SetSize({40, 40});
    // Every cell's terrain says where it came from.
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x)
        source->Cells[y][x].Terrain = static_cast<int16_t>(y * 64 + x);
  }
  static TPoint Origin(int16_t terrain) { return {terrain % 64, terrain / 64}; }
  // A lumpy region: a 19-cell brush and a strip to one side of it.
  static TCellSet Region(TPoint centre) {
    TCellSet s;
    for (TPoint c : BrushCells(centre, 2, {64, 64}))
      s.Add(c);
    for (int x = 0; x < 4; ++x)
      s.Add({centre.x + 3 + x, centre.y + 1});
    return s;
  }
  // Where each source cell of the region landed in the target.
  TLanded Landed() const {
    TLanded landed;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x)
        if (target->Cells[y][x].Terrain != -1)
          landed[Origin(target->Cells[y][x].Terrain)] = {x, y};
    return landed;
  }
};

TEST_F(MapBlocks, PastingKeepsEveryCellsNeighboursAtEvenAndOddOffsets) {
  for (TPoint from : {TPoint{10, 10}, TPoint{11, 10}})
    for (TPoint to : {TPoint{20, 20}, TPoint{21, 20}, TPoint{21, 25}, TPoint{12, 17}}) {
      SCOPED_TRACE(testing::Message() << "from " << from.x << "," << from.y << " to " << to.x << "," << to.y);
      target = std::make_unique<TMission>();
      target->SetSize({40, 40});
      const TCellSet region = Region(from);
      const TMapBlock block = CopyBlock(*source, BaseShown, region);
      ASSERT_EQ(block.Cells.size(), region.Count());
      const TBlockEdit edit = PlaceBlock(*target, BaseShown, block, to);
      EXPECT_EQ(edit.Cells.size(), region.Count());
      const auto landed = Landed();
      ASSERT_EQ(landed.size(), region.Count());
      for (auto [src, dst] : landed)
        for (int d = 0; d < DirectionCount; ++d)
          if (region.Contains(Neighbour(src, d))) {
            ASSERT_TRUE(landed.count(Neighbour(src, d)));
            EXPECT_EQ(landed.at(Neighbour(src, d)), Neighbour(dst, d)) << "direction " << d;
          }
      // The whole block moved by one pixel offset.
      const THexGeometry g{es6Ecks, 0};
      const TPoint shift{g.CellToPoint(landed.begin()->second).x - g.CellToPoint(landed.begin()->first).x,
                         g.CellToPoint(landed.begin()->second).y - g.CellToPoint(landed.begin()->first).y};
      for (auto [src, dst] : landed) {
        EXPECT_EQ(g.CellToPoint(dst).x - g.CellToPoint(src).x, shift.x);
        EXPECT_EQ(g.CellToPoint(dst).y - g.CellToPoint(src).y, shift.y);
      }
    }
}

TEST_F(MapBlocks, TheAnchorIsTheMiddleCellAndLandsUnderThePointer) {
  TCellSet s;
  for (TPoint c : BrushCells({9, 9}, 1, {64, 64}))
    s.Add(c);
  const TMapBlock block = CopyBlock(*source, BaseShown, s);
  PlaceBlock(*target, BaseShown, block, {30, 2});
  EXPECT_EQ(target->Cells[2][30].Terrain, 9 * 64 + 9);
}

TEST_F(MapBlocks, MirroringFlipsNeighboursAndTwiceGivesTheBlockBack) {
  const TCellSet region = Region({10, 10});
  const TMapBlock block = CopyBlock(*source, BaseShown, region);
  for (bool horizontally : {true, false}) {
    TMapBlock mirrored = block;
    MirrorBlock(mirrored, horizontally);
    EXPECT_NE(mirrored, block);
    // Up stays up and left becomes right; or the other way round.
    const int flipH[6] = {dirUp, dirUpperLeft, dirLowerLeft, dirDown, dirLowerRight, dirUpperRight};
    const int flipV[6] = {dirDown, dirLowerRight, dirUpperRight, dirUp, dirUpperLeft, dirLowerLeft};
    for (TPoint to : {TPoint{20, 20}, TPoint{21, 20}}) {
      target = std::make_unique<TMission>();
      target->SetSize({40, 40});
      PlaceBlock(*target, BaseShown, mirrored, to);
      const auto landed = Landed();
      ASSERT_EQ(landed.size(), region.Count());
      for (auto [src, dst] : landed)
        for (int d = 0; d < DirectionCount; ++d) {
          if (region.Contains(Neighbour(src, d))) {
            EXPECT_EQ(landed.at(Neighbour(src, d)), Neighbour(dst, horizontally ? flipH[d] : flipV[d]));
          }
        }
    }
    MirrorBlock(mirrored, horizontally);
    EXPECT_EQ(mirrored, block);
  }
}

TEST_F(MapBlocks, CellsOffTheMapAreDropped) {
  // A column of three on even column 10 and the two cells to its right:
  // (11, 9) upper right and (11, 10) lower right of the anchor (10, 10).
  TCellSet region;
  for (TPoint c : {TPoint{10, 9}, TPoint{10, 10}, TPoint{10, 11}, TPoint{11, 9}, TPoint{11, 10}})
    region.Add(c);
  const TMapBlock block = CopyBlock(*source, BaseShown, region);
  target->SetSize({12, 9});
  const auto code = [](TPoint c) { return static_cast<int16_t>(c.y * 64 + c.x); };
  struct Case {
    TPoint to;
    TLanded expected;  // target cell -> source cell, written out by hand
  };
  const Case cases[] = {
      // Even anchor in the corner: the up and upper-right cells fall off.
      {{0, 0}, {{{0, 0}, {10, 10}}, {{0, 1}, {10, 11}}, {{1, 0}, {11, 10}}}},
      // Odd anchor in the far corner: its right neighbours lie one row lower
      // than an even column's, off the map with the cell below.
      {{11, 8}, {{{11, 7}, {10, 9}}, {{11, 8}, {10, 10}}}},
      // An odd anchor left of the map: only the right-hand cells land.
      {{-1, 4}, {{{0, 4}, {11, 9}}, {{0, 5}, {11, 10}}}},
      {{50, 50}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "anchor on " << c.to.x << "," << c.to.y);
    target = std::make_unique<TMission>();
    target->SetSize({12, 9});
    const TBlockEdit edit = PlaceBlock(*target, BaseShown, block, c.to);
    std::vector<TPoint> expectedCells;
    for (auto [at, from] : c.expected) {
      expectedCells.push_back(at);
      EXPECT_EQ(target->Cells[at.y][at.x].Terrain, code(from)) << at.x << "," << at.y;
    }
    EXPECT_EQ(Set(edit.Cells), Set(expectedCells));
    EXPECT_EQ(Landed().size(), c.expected.size()) << "nothing else was written";
    // Nothing was written beyond the mission's size.
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        if (x >= 12 || y >= 9) {
          EXPECT_EQ(target->Cells[y][x], TMissionCell{});
        }
      }
  }
}

TEST_F(MapBlocks, WhatIsCopiedFollowsTheFilter) {
  TMissionCell& c = source->Cells[5][5];
  c.Obj = 77;
  SetUnitCode(c, UnitCode(2, 9));
  TCellSet one;
  one.Add({5, 5});
  TMapBlock block = CopyBlock(*source, BaseShown & ~FilterBit(mfTerrain), one);
  EXPECT_EQ(block.Kinds, bkObjects | bkUnits);
  target->Cells[3][3].Terrain = 12;
  PlaceBlock(*target, BaseShown, block, {3, 3});
  EXPECT_EQ(target->Cells[3][3].Terrain, 12) << "hidden terrain is not copied";
  EXPECT_EQ(target->Cells[3][3].Obj, 77);
  EXPECT_EQ(UnitCode(target->Cells[3][3]), UnitCode(2, 9));
  // Neither layer shown: nothing to copy, nothing pasted, nothing deleted.
  const uint16_t neither = FilterBit(mfTerrain) | FilterBit(mfObjects);
  EXPECT_TRUE(CopyBlock(*source, neither, one).Empty());
  EXPECT_TRUE(PlaceBlock(*target, neither, block, {3, 3}).Cells.empty());
  EXPECT_TRUE(DeleteCells(*target, neither, AllCells({40, 40})).Cells.empty());
  EXPECT_EQ(target->Cells[3][3].Obj, 77);
}

TEST_F(MapBlocks, UnitsBringTheirCargoAndAIPointsAndReplaceTheCoveredOnes) {
  SetUnitCode(source->Cells[4][4], UnitCode(1, 3));
  *source->GetVehContent(static_cast<int16_t>(source->NewVehContent({4, 4}))) =
      TVehContentRec{{5, 6, 7, -1, -1, -1, -1, -1}};
  source->GetAIPoint(static_cast<int16_t>(source->NewAIPoint({4, 4})))->AI48 = 4242;
  // The target's unit there has records of its own, which go with it.
  SetUnitCode(target->Cells[8][8], UnitCode(3, 1));
  target->NewVehContent({8, 8});
  target->NewAIPoint({8, 8});
  target->NewAIPoint({9, 9});  // another cell's point stays
  TCellSet one;
  one.Add({4, 4});
  PlaceBlock(*target, BaseShown, CopyBlock(*source, BaseShown, one), {8, 8});
  const TMissionCell& t = target->Cells[8][8];
  EXPECT_EQ(UnitCode(t), UnitCode(1, 3));
  ASSERT_NE(target->GetVehContent(t.VehContent), nullptr);
  EXPECT_EQ(target->GetVehContent(t.VehContent)->Units[2], 7);
  ASSERT_NE(target->GetAIPoint(t.AIPoint), nullptr);
  EXPECT_EQ(target->GetAIPoint(t.AIPoint)->AI48, 4242);
  EXPECT_EQ(std::count_if(target->VehContents.begin(), target->VehContents.end(),
                          [](auto& r) { return r.has_value(); }),
            1);
  EXPECT_EQ(
      std::count_if(target->AIPoints.begin(), target->AIPoints.end(), [](auto& r) { return r.has_value(); }),
      2);
  EXPECT_NE(target->GetAIPoint(target->Cells[9][9].AIPoint), nullptr);
}

TEST_F(MapBlocks, ShopsArePastedAsNewShopsWhoseNamesReachTheNamesFile) {
  test::TempDir dir;
  const int16_t first = static_cast<int16_t>(source->NewShop({6, 6}));
  source->NewShop({7, 6});
  TArrShop& shop = *source->GetShop(first);
  shop.Name = "Hafen \xD6stlich";  // code page 1252 bytes
  shop.Owner = 2;
  shop.ShopType = stPort;
  shop.Content[0] = 12;
  shop.Produce[1] = 5;
  shop.Energy = 300;
  const TArrShop original = shop;  // pasting adds shops: references into the list go stale
  TCellSet region;
  region.Add({6, 6});
  region.Add({6, 7});
  const TMapBlock block = CopyBlock(*source, BaseWithShops, region);
  EXPECT_TRUE(block.Kinds & bkShops);
  EXPECT_FALSE(CopyBlock(*source, BaseShown, region).Kinds & bkShops) << "no shop marks, no shops";

  // Pasted into the same mission: a second shop beside the first two.
  PlaceBlock(*source, BaseShown | FilterBit(mfShopMarks), block, {20, 21});
  const int16_t pasted = source->Cells[21][20].Shop;
  ASSERT_NE(pasted, -1);
  EXPECT_NE(pasted, first);
  EXPECT_EQ(source->Cells[6][6].Shop, first) << "the original stays";
  EXPECT_EQ(source->ShopIndexToNr(pasted), 2);
  const TArrShop& copy = *source->GetShop(pasted);
  EXPECT_EQ(copy.Name, original.Name);
  EXPECT_EQ(copy.Owner, 2);
  EXPECT_EQ(copy.ShopType, stPort);
  EXPECT_EQ(copy.Content, original.Content);
  EXPECT_EQ(copy.Produce, original.Produce);
  EXPECT_EQ(copy.Energy, 300);

  source->SaveAs(dir.File("miss007.dat"));
  const ByteStream names = ReadWholeFile(dir.File("miss007.txt"));
  const std::string text(names.begin(), names.end());
  EXPECT_NE(text.find("Hafen "), text.rfind("Hafen ")) << "the name twice";
  TMission back;
  back.LoadFromFile(dir.File("miss007.dat"));
  ASSERT_NE(back.GetShop(back.Cells[21][20].Shop), nullptr);
  EXPECT_EQ(back.GetShop(back.Cells[21][20].Shop)->Name, original.Name);
  EXPECT_EQ(back.GetShop(back.Cells[21][20].Shop)->Owner, 2);
}

TEST_F(MapBlocks, PastingOverAShopReplacesIt) {
  source->NewShop({6, 6});
  target->NewShop({3, 3});
  target->NewShop({3, 4});
  TCellSet region;
  region.Add({6, 6});
  region.Add({6, 7});  // no shop: the target's shop under it goes
  PlaceBlock(*target, BaseWithShops, CopyBlock(*source, BaseWithShops, region), {3, 3});
  EXPECT_NE(target->Cells[3][3].Shop, -1);
  EXPECT_EQ(target->Cells[4][3].Shop, -1);
  EXPECT_EQ(std::count_if(target->Shops.begin(), target->Shops.end(), [](auto& s) { return s.has_value(); }),
            1);
}

TEST_F(MapBlocks, CutThenUndoGivesTheMissionBackByteForByte) {
  SetUnitCode(source->Cells[10][10], UnitCode(0, 4));
  source->NewVehContent({10, 10});
  source->NewAIPoint({10, 10});
  source->NewShop({11, 10});
  source->Cells[12][10].Obj = 90;
  source->DFCells[10][11] = TDFCell{5, -1, NoUnit, NoSide};
  const ByteStream before = test::SavedBytes(*source);
  const TMission original = *source;
  // The 19-cell brush around even column 10, row 10, ring by ring, and the
  // strip beside it: every one holds terrain in the base map.
  const std::vector<TPoint> region{{10, 10},                                                  // centre
                                   {10, 9},  {11, 9},  {11, 10}, {10, 11}, {9, 10},  {9, 9},  // first ring
                                   {10, 8},  {11, 8},  {12, 9},  {12, 10}, {12, 11}, {11, 11},
                                   {10, 12}, {9, 11},                        // second ring
                                   {8, 11},  {8, 10},  {8, 9},   {9, 8},     //
                                   {13, 11}, {14, 11}, {15, 11}, {16, 11}};  // strip
  ASSERT_EQ(Set(region), Set(Region({10, 10}).Cells()));
  TMissionHistory history(*source);
  struct Case {
    uint16_t filter;
    std::vector<TPoint> emptied;
  };
  // In the change layer only the one changed cell has anything to take.
  for (const Case& c : {Case{BaseWithShops, region}, Case{ChangeShown, {{11, 10}}}}) {
    TBlockEdit edit;
    {
      TEditStep step(&history, "Cut");
      const TMapBlock block = CopyBlock(*source, c.filter, Region({10, 10}));
      edit = DeleteCells(*source, c.filter, Region({10, 10}));
      EXPECT_FALSE(block.Empty());
    }
    EXPECT_EQ(Set(edit.Cells), Set(c.emptied));
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        const bool emptied = Set(c.emptied).count({x, y}) != 0;
        if (c.filter == ChangeShown) {
          EXPECT_EQ(source->DFCells[y][x], emptied ? NoChangeDFCell : original.DFCells[y][x])
              << x << "," << y;
          EXPECT_EQ(source->Cells[y][x], original.Cells[y][x]) << x << "," << y;
        } else if (emptied) {
          EXPECT_EQ(source->Cells[y][x], TMissionCell{}) << x << "," << y;
        } else {
          EXPECT_EQ(source->Cells[y][x], original.Cells[y][x]) << x << "," << y;
        }
      }
    if (c.filter == BaseWithShops) {
      EXPECT_EQ(source->GetShop(0), nullptr) << "the shop's record went with its cell";
    }
    history.Undo();
    EXPECT_EQ(test::SavedBytes(*source), before);
  }
}

TEST_F(MapBlocks, DeletingEmptiesWhatIsShown) {
  TMissionCell& c = source->Cells[3][3];
  c.Obj = 5;
  SetUnitCode(c, UnitCode(1, 1));
  source->NewVehContent({3, 3});
  source->NewAIPoint({3, 3});
  source->NewShop({3, 3});
  TCellSet one;
  one.Add({3, 3});
  const TBlockEdit edit = DeleteCells(*source, BaseShown & ~FilterBit(mfTerrain), one);
  EXPECT_EQ(edit.Cells, std::vector<TPoint>({{3, 3}}));
  EXPECT_TRUE(edit.Records);
  EXPECT_EQ(c.Terrain, 3 * 64 + 3) << "hidden terrain stays";
  EXPECT_EQ(c.Obj, -1);
  EXPECT_EQ(UnitCode(c), NoUnitCode);
  EXPECT_EQ(c.VehContent, -1);
  EXPECT_EQ(c.AIPoint, -1);
  EXPECT_NE(c.Shop, -1) << "shops go only with their marks shown";
  DeleteCells(*source, BaseWithShops & ~FilterBit(mfTerrain), one);
  EXPECT_EQ(c.Shop, -1);
  EXPECT_EQ(source->GetShop(0), nullptr);

  // In a change layer: "unchanged", but a change that stays states its object.
  source->DFCells[3][3] = TDFCell{7, 8, 2, 1};
  DeleteCells(*source, ChangeShown & ~FilterBit(mfTerrain), one);
  EXPECT_EQ(source->DFCells[3][3], (TDFCell{7, -1, NoUnit, NoSide}));
  DeleteCells(*source, ChangeShown, one);
  EXPECT_FALSE(source->DFCells[3][3].IsChange());
  EXPECT_EQ(c.Terrain, 3 * 64 + 3) << "the base map is not touched";
}

TEST_F(MapBlocks, PastingIntoAChangeLayer) {
  // Base map to change layer: what the base shows becomes the layer's change.
  source->Cells[5][5].Obj = 91;
  SetUnitCode(source->Cells[5][6], UnitCode(4, 2));
  source->NewVehContent({6, 5});
  TCellSet region;
  region.Add({5, 5});
  region.Add({6, 5});
  const TMapBlock fromBase = CopyBlock(*source, BaseWithShops, region);
  const TMissionCell baseBefore = target->Cells[20][20];
  PlaceBlock(*target, ChangeShown, fromBase, {20, 20});
  EXPECT_EQ(target->DFCells[20][20], (TDFCell{5 * 64 + 5, 91, NoUnit, NoSide}));
  const TPoint unitAt = BlockTargets(fromBase, {20, 20})[1];
  const TDFCell& unitChange = target->DFCells[static_cast<size_t>(unitAt.y)][static_cast<size_t>(unitAt.x)];
  EXPECT_EQ(UnitCode(unitChange), UnitCode(4, 2));
  EXPECT_EQ(unitChange.Obj, -1) << "a change states its object";
  EXPECT_EQ(target->Cells[20][20], baseBefore);
  EXPECT_TRUE(std::none_of(target->VehContents.begin(), target->VehContents.end(),
                           [](auto& r) { return r.has_value(); }));

  // Change layer to base map: "unchanged" leaves the base alone.
  source->DFCells[5][5] = TDFCell{-1, 33, NoUnit, NoSide};
  const TMapBlock fromChange = CopyBlock(*source, ChangeShown, region);
  EXPECT_TRUE(fromChange.FromChangeLayer);
  EXPECT_FALSE(fromChange.Kinds & bkShops);
  target->Cells[20][20].Terrain = 3;
  SetUnitCode(target->Cells[20][20], UnitCode(0, 0));
  PlaceBlock(*target, BaseShown, fromChange, {20, 20});
  EXPECT_EQ(target->Cells[20][20].Terrain, 3);
  EXPECT_EQ(target->Cells[20][20].Obj, 33);
  EXPECT_EQ(UnitCode(target->Cells[20][20]), UnitCode(0, 0));
}

// --- The clipboard's bytes ------------------------------------------------------------

class BlockBytes : public MapBlocks {
protected:
  TMapBlock Rich() {
    SetUnitCode(source->Cells[10][10], UnitCode(1, 2));
    source->NewVehContent({10, 10});
    source->NewAIPoint({10, 10});
    source->GetShop(static_cast<int16_t>(source->NewShop({11, 10})))->Name = "Sch\xF6neck";
    source->Cells[9][10].Obj = 1264;
    return CopyBlock(*source, BaseWithShops, Region({10, 10}));
  }
};

TEST_F(BlockBytes, RoundTripKeepsEverything) {
  TMapBlock block = Rich();
  EXPECT_EQ(DecodeBlock(EncodeBlock(block)), block);
  MirrorBlock(block, true);
  EXPECT_EQ(DecodeBlock(EncodeBlock(block)), block);
  // The farthest a block can reach: two opposite corners of the largest
  // map, flipped every way.
  TMission large;
  large.SetSize({64, 64});
  for (TPoint corners : {TPoint{0, 63}, TPoint{63, 0}})
    for (TPoint anchorSide : {TPoint{0, 0}, TPoint{63, 63}}) {
      TCellSet two;
      two.Add(corners);
      two.Add(anchorSide);
      TMapBlock far = CopyBlock(large, BaseShown, two);
      for (bool h : {true, false, true}) {
        MirrorBlock(far, h);
        EXPECT_EQ(DecodeBlock(EncodeBlock(far)), far);
      }
    }
  source->DFCells[10][10] = TDFCell{-1, -2, 3, 1};
  const TMapBlock change = CopyBlock(*source, ChangeShown, Region({10, 10}));
  EXPECT_EQ(DecodeBlock(EncodeBlock(change)), change);
}

TEST_F(BlockBytes, AnythingButAWholeBlockIsRefused) {
  const ByteStream good = EncodeBlock(Rich());
  // Every truncation.
  for (size_t n = 0; n < good.size(); ++n)
    EXPECT_THROW(DecodeBlock(std::span(good.data(), n)), EReadError) << n << " bytes";
  const auto refused = [&](auto change, const char* what) {
    ByteStream bad = good;
    change(bad);
    EXPECT_THROW(DecodeBlock(bad), EReadError) << what;
  };
  refused([](ByteStream& b) { b.push_back(0); }, "a byte too many");
  refused([](ByteStream& b) { b[0] = 'X'; }, "another program's data");
  refused([](ByteStream& b) { b[4] = 2; }, "another version");
  refused([](ByteStream& b) { b[6] = 0x10; }, "unknown contents");
  refused([](ByteStream& b) { b[7] = 1; }, "shops from a change layer");
  refused(
      [](ByteStream& b) {
        b[8] = 0;
        b[9] = 0;
      },
      "no cells");
  // The second cell put on the first one's place.
  refused([](ByteStream& b) { std::copy(b.begin() + 10, b.begin() + 14, b.begin() + 10 + 11); },
          "two cells on one place");
  refused(
      [](ByteStream& b) {
        b[10] = 0x00;
        b[11] = 0x40;
      },
      "a cell far away");
  // A control character in the shop name.
  refused(
      [](ByteStream& b) {
        auto at = std::search(b.begin(), b.end(), std::begin("Sch"), std::end("Sch") - 1);
        ASSERT_NE(at, b.end());
        *at = '\n';
      },
      "a line break in a shop name");
  EXPECT_THROW(DecodeBlock(ByteStream{'V', 'H', 'M', 'B'}), EReadError);
}

}  // namespace
}  // namespace vh
