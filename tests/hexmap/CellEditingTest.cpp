#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>

#include "base/Errors.h"
#include "hexmap/CellEditing.h"
#include "hexmap/HexGeometry.h"
#include "hexmap/MissionPicture.h"

namespace vh {
namespace {

constexpr uint16_t BaseOnly =
    FilterBit(mfTerrain) | FilterBit(mfObjects) | FilterBit(mfUnits) | FilterBit(mfBaseMap);
constexpr uint16_t WithChanges = BaseOnly | FilterBit(mfDFLayer);
constexpr uint16_t ChangesOnly = WithChanges & ~FilterBit(mfBaseMap);
constexpr uint16_t NeitherLayer = FilterBit(mfTerrain) | FilterBit(mfObjects) | FilterBit(mfUnits);

class CellPainting : public ::testing::Test {
protected:
  std::unique_ptr<TMission> mission = std::make_unique<TMission>();
  TMission& m = *mission;
  int16_t stroke = 0;

  void SetUp() override { m.SetSize({10, 8}); }
  TMissionCell& At(int x, int y) { return m.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)]; }
  TDFCell& DFAt(int x, int y) { return m.DFCells[static_cast<size_t>(y)][static_cast<size_t>(x)]; }
  TCellEditResult Paint(uint16_t filter, bool first, TPoint cell, int value, int kind) {
    return ApplyCellValue(m, filter, first, cell, static_cast<uint16_t>(value), kind, stroke);
  }
};

TEST_F(CellPainting, ErasingAUnitDeletesItsCargoAndAIPoint) {
  At(3, 2).Vehicle = 7;
  At(3, 2).VehOwner = 1;
  m.NewVehContent({3, 2});
  m.NewAIPoint({3, 2});
  m.NewAIPoint({4, 2});  // another cell's point stays
  const uint64_t before = m.ChangeCount;

  const TCellEditResult r = Paint(BaseOnly, true, {3, 2}, NoUnitCode, pkUnit);
  EXPECT_TRUE(r.ShownLayerChanged);
  EXPECT_FALSE(r.ObjectChanged);
  EXPECT_EQ(At(3, 2).Vehicle, NoUnit);
  EXPECT_EQ(At(3, 2).VehOwner, NoSide);
  EXPECT_EQ(At(3, 2).VehContent, -1);
  EXPECT_EQ(At(3, 2).AIPoint, -1);
  EXPECT_EQ(m.GetVehContent(0), nullptr);
  EXPECT_EQ(m.GetAIPoint(0), nullptr);
  EXPECT_NE(m.GetAIPoint(1), nullptr);
  EXPECT_GT(m.ChangeCount, before);
}

TEST_F(CellPainting, ErasingWhereNoUnitStandsChangesNothing) {
  m.NewAIPoint({3, 2});  // a point without a unit is not the unit's
  const TMissionCell cell = At(3, 2);
  const uint64_t before = m.ChangeCount;
  EXPECT_FALSE(Paint(BaseOnly, true, {3, 2}, NoUnitCode, pkUnit).ShownLayerChanged);
  EXPECT_EQ(At(3, 2), cell);
  EXPECT_EQ(m.ChangeCount, before);
}

TEST_F(CellPainting, ReplacingAUnitKeepsItsCargo) {
  At(1, 1).Vehicle = 2;
  At(1, 1).VehOwner = 0;
  m.NewVehContent({1, 1});
  EXPECT_TRUE(Paint(BaseOnly, true, {1, 1}, UnitCode(3, 9), pkUnit).ShownLayerChanged);
  EXPECT_EQ(At(1, 1).Vehicle, 9);
  EXPECT_EQ(At(1, 1).VehOwner, 3);
  EXPECT_EQ(At(1, 1).VehContent, 0);
}

TEST_F(CellPainting, BaseMapTakesTerrainAndObjectsAndReportsObjectChanges) {
  TCellEditResult r = Paint(BaseOnly, true, {0, 0}, 17, pkTerrain);
  EXPECT_TRUE(r.ShownLayerChanged);
  EXPECT_FALSE(r.ObjectChanged);
  EXPECT_EQ(At(0, 0).Terrain, 17);

  r = Paint(BaseOnly, true, {0, 0}, 90, pkObject);
  EXPECT_TRUE(r.ShownLayerChanged);
  EXPECT_TRUE(r.ObjectChanged);
  EXPECT_EQ(At(0, 0).Obj, 90);

  r = Paint(BaseOnly, false, {0, 0}, 90, pkObject);  // the same again
  EXPECT_FALSE(r.ShownLayerChanged);
  EXPECT_FALSE(r.ObjectChanged);
  EXPECT_EQ(m.DFCells[0][0], NoChangeDFCell);
}

TEST_F(CellPainting, TerrainOnAnUntouchedChangeCellAlsoRemovesTheObject) {
  const TMissionCell base = At(4, 4);
  const uint64_t before = m.ChangeCount;
  EXPECT_TRUE(Paint(WithChanges, true, {4, 4}, 5, pkTerrain).ShownLayerChanged);
  EXPECT_EQ(DFAt(4, 4), (TDFCell{5, -1, NoUnit, NoSide}));
  EXPECT_EQ(At(4, 4), base);
  EXPECT_GT(m.ChangeCount, before);
}

TEST_F(CellPainting, NoTerrainOnAnUntouchedChangeCellChangesNothing) {
  const uint64_t before = m.ChangeCount;
  EXPECT_FALSE(Paint(WithChanges, true, {4, 4}, -1, pkTerrain).ShownLayerChanged);
  EXPECT_EQ(DFAt(4, 4), NoChangeDFCell);
  EXPECT_EQ(m.ChangeCount, before);
}

TEST_F(CellPainting, TerrainOnACellThatStatesItsObjectKeepsTheObject) {
  DFAt(2, 2) = {-1, 33, NoUnit, NoSide};
  Paint(ChangesOnly, true, {2, 2}, 6, pkTerrain);
  EXPECT_EQ(DFAt(2, 2), (TDFCell{6, 33, NoUnit, NoSide}));
}

TEST_F(CellPainting, ErasingObjectsInAChangeLayerFollowsTheFirstCellOfTheDrag) {
  DFAt(1, 1) = {-1, 12, NoUnit, NoSide};  // the drag starts on an object change
  DFAt(2, 1) = {7, 40, NoUnit, NoSide};   // terrain changed too
  DFAt(3, 1) = {-1, 41, NoUnit, NoSide};  // another object change
  DFAt(5, 1) = {-1, 42, 3, 2};            // a unit changed too
  Paint(ChangesOnly, true, {1, 1}, -1, pkObject);
  EXPECT_EQ(stroke, -2);
  EXPECT_EQ(DFAt(1, 1), NoChangeDFCell);
  Paint(ChangesOnly, false, {2, 1}, -1, pkObject);
  EXPECT_EQ(DFAt(2, 1), (TDFCell{7, -1, NoUnit, NoSide}));
  Paint(ChangesOnly, false, {3, 1}, -1, pkObject);
  EXPECT_EQ(DFAt(3, 1), NoChangeDFCell);
  EXPECT_FALSE(Paint(ChangesOnly, false, {4, 1}, -1, pkObject).ShownLayerChanged);
  EXPECT_EQ(DFAt(4, 1), NoChangeDFCell);
  Paint(ChangesOnly, false, {5, 1}, -1, pkObject);
  EXPECT_EQ(DFAt(5, 1), (TDFCell{-1, -1, 3, 2}));
}

TEST_F(CellPainting, ErasingObjectsFromAnUntouchedCellRemovesThemAlongTheDrag) {
  DFAt(2, 0) = {-1, 55, NoUnit, NoSide};
  Paint(ChangesOnly, true, {1, 0}, -1, pkObject);
  EXPECT_EQ(stroke, -1);
  EXPECT_EQ(DFAt(1, 0), (TDFCell{-1, -1, NoUnit, NoSide}));
  Paint(ChangesOnly, false, {2, 0}, -1, pkObject);
  EXPECT_EQ(DFAt(2, 0), (TDFCell{-1, -1, NoUnit, NoSide}));
}

TEST_F(CellPainting, TheDragKeepsTheObjectOfItsFirstCell) {
  Paint(ChangesOnly, true, {0, 3}, 77, pkObject);
  Paint(ChangesOnly, false, {1, 3}, 99, pkObject);  // later values do not count
  EXPECT_EQ(DFAt(0, 3).Obj, 77);
  EXPECT_EQ(DFAt(1, 3).Obj, 77);
  EXPECT_EQ(At(0, 3).Obj, -1);
}

TEST_F(CellPainting, AUnitOnAnUntouchedChangeCellRemovesTheObject) {
  EXPECT_TRUE(Paint(ChangesOnly, true, {6, 6}, UnitCode(4, 12), pkUnit).ShownLayerChanged);
  EXPECT_EQ(DFAt(6, 6), (TDFCell{-1, -1, 12, 4}));
  // Erasing it again leaves the object removed: the cell still says so.
  EXPECT_TRUE(Paint(ChangesOnly, true, {6, 6}, NoUnitCode, pkUnit).ShownLayerChanged);
  EXPECT_EQ(DFAt(6, 6), (TDFCell{-1, -1, NoUnit, NoSide}));
  EXPECT_EQ(At(6, 6).VehOwner, NoSide);
}

TEST_F(CellPainting, TheChangeLayerWinsWhenBothLayersAreShown) {
  At(2, 5).Obj = 90;
  const TCellEditResult r = Paint(WithChanges, true, {2, 5}, 91, pkObject);
  EXPECT_TRUE(r.ShownLayerChanged);
  EXPECT_FALSE(r.ObjectChanged);  // the base map's lines stay as they are
  EXPECT_EQ(At(2, 5).Obj, 90);
  EXPECT_EQ(DFAt(2, 5).Obj, 91);
}

TEST_F(CellPainting, NeitherLayerShownChangesNothing) {
  const auto cells = m.Cells;
  const auto changes = m.DFCells;
  const uint64_t before = m.ChangeCount;
  for (int kind : {pkTerrain, pkObject, pkUnit}) {
    const TCellEditResult r = Paint(NeitherLayer, true, {1, 2}, 5, kind);
    EXPECT_FALSE(r.ShownLayerChanged);
    EXPECT_FALSE(r.ObjectChanged);
  }
  EXPECT_EQ(m.Cells, cells);
  EXPECT_EQ(m.DFCells, changes);
  EXPECT_EQ(m.ChangeCount, before);
}

TEST_F(CellPainting, KindsAndCellsOutsideTheirRangesAreRangeErrors) {
  EXPECT_THROW(Paint(BaseOnly, true, {1, 1}, 5, 3), ERangeError);
  EXPECT_THROW(Paint(BaseOnly, true, {1, 1}, 5, -1), ERangeError);
  EXPECT_THROW(Paint(BaseOnly, true, {64, 0}, 5, pkTerrain), ERangeError);
  EXPECT_THROW(Paint(BaseOnly, true, {0, -1}, 5, pkTerrain), ERangeError);
}

TEST(UnitCodes, OwnerHighTypeLow) {
  EXPECT_EQ(UnitCode(2, 0x11), 0x0211);
  TMissionCell c;
  EXPECT_EQ(UnitCode(c), NoUnitCode);
  SetUnitCode(c, 0x0305);
  EXPECT_EQ(c.VehOwner, 3);
  EXPECT_EQ(c.Vehicle, 5);
}

// --- Blocks --------------------------------------------------------------------

TMultiSelection Block(std::initializer_list<std::pair<std::pair<int, int>, int16_t>> entries, int ax = 0,
                      int ay = 0) {
  TMultiSelection s;
  for (const auto& [pos, picture] : entries)
    s.At(pos.first, pos.second) = picture;
  s.AnchorX = ax;
  s.AnchorY = ay;
  return s;
}

TEST(PasteTargets, AnOddMoveShiftsTheColumnsOfTheAnchorsParity) {
  const TMultiSelection s = Block({}, 0, 0);
  EXPECT_EQ(PasteTarget({1, 5}, s, 0, 0), (TPoint{1, 5}));
  EXPECT_EQ(PasteTarget({1, 5}, s, 1, 0), (TPoint{2, 6}));
  EXPECT_EQ(PasteTarget({1, 5}, s, 2, 0), (TPoint{3, 5}));
  EXPECT_EQ(PasteTarget({1, 5}, s, 3, 0), (TPoint{4, 6}));
  EXPECT_EQ(PasteTarget({2, 5}, s, 1, 0), (TPoint{3, 5}));  // an even move keeps every row
}

// Whatever anchor and target, the anchor lands on the target and cells that
// are neighbours in the block stay neighbours in the same direction on the
// map.
TEST(PasteTargets, TheBlockKeepsItsShapeWhereverItIsPasted) {
  for (int ax = 0; ax < MultiSelCols; ++ax)
    for (int ay = 0; ay < MultiSelRows; ++ay)
      for (TPoint cell : {TPoint{0, 0}, TPoint{1, 5}, TPoint{6, 3}, TPoint{11, 9}}) {
        const TMultiSelection s = Block({}, ax, ay);
        ASSERT_EQ(PasteTarget(cell, s, ax, ay), cell);
        for (int col = 0; col < MultiSelCols; ++col)
          for (int row = 0; row < MultiSelRows; ++row)
            for (int d = 0; d < DirectionCount; ++d) {
              const TPoint n = Neighbour({col, row}, d);
              if (n.x < 0 || n.y < 0 || n.x >= MultiSelCols || n.y >= MultiSelRows)
                continue;
              // Left of the map the parity of negative columns is never
              // looked at: those entries are skipped.
              if (PasteTarget(cell, s, col, row).x < 0 || PasteTarget(cell, s, n.x, n.y).x < 0)
                continue;
              ASSERT_EQ(PasteTarget(cell, s, n.x, n.y), Neighbour(PasteTarget(cell, s, col, row), d))
                  << "anchor " << ax << "," << ay << " block " << col << "," << row << " direction " << d;
            }
      }
}

TEST(PasteBlocks, TerrainGoesIntoTheBaseMapAndEntriesOutsideAreSkipped) {
  auto m = std::make_unique<TMission>();
  m->SetSize({6, 7});
  const TMultiSelection s = Block({{{0, 0}, 10}, {{1, 0}, 11}, {{2, 0}, 12}, {{0, 2}, 13}, {{5, 0}, 14}});
  const uint64_t before = m->ChangeCount;
  EXPECT_TRUE(PasteBlock(*m, BaseOnly, {1, 5}, s, pkTerrain, {6, 7}));
  EXPECT_EQ(m->Cells[5][1].Terrain, 10);
  EXPECT_EQ(m->Cells[6][2].Terrain, 11);
  EXPECT_EQ(m->Cells[5][3].Terrain, 12);
  EXPECT_EQ(m->Cells[7][1].Terrain, -1);  // (1, 7) is outside the 7 rows
  EXPECT_EQ(m->Cells[6][6].Terrain, -1);  // (6, 6) is outside the 6 columns
  EXPECT_GT(m->ChangeCount, before);

  std::set<std::pair<int, int>> visited;
  ForEachPasteTarget({1, 5}, s, {6, 7}, [&](TPoint t, int16_t) { visited.insert({t.x, t.y}); });
  EXPECT_EQ(visited, (std::set<std::pair<int, int>>{{1, 5}, {2, 6}, {3, 5}}));
}

TEST(PasteBlocks, ObjectsGoIntoTheChangeLayerWhenItIsShownWithoutItsRules) {
  auto m = std::make_unique<TMission>();
  m->SetSize({8, 8});
  const TMultiSelection s = Block({{{0, 0}, 90}, {{0, 1}, -1}, {{1, 1}, 91}});
  EXPECT_TRUE(PasteBlock(*m, ChangesOnly, {2, 2}, s, pkObject, {8, 8}));
  EXPECT_EQ(m->DFCells[2][2], (TDFCell{-1, 90, NoUnit, NoSide}));
  EXPECT_EQ(m->DFCells[3][3], (TDFCell{-1, 91, NoUnit, NoSide}));
  EXPECT_EQ(m->DFCells[3][2], NoChangeDFCell);
  EXPECT_EQ(m->Cells[2][2].Obj, -1);
}

TEST(PasteBlocks, TheHiddenBaseMapIsStillTheTarget) {
  auto m = std::make_unique<TMission>();
  m->SetSize({8, 8});
  EXPECT_TRUE(PasteBlock(*m, NeitherLayer, {0, 0}, Block({{{0, 0}, 5}}), pkTerrain, {8, 8}));
  EXPECT_EQ(m->Cells[0][0].Terrain, 5);
}

TEST(PasteBlocks, NothingNewAndOtherKindsReportNoChange) {
  auto m = std::make_unique<TMission>();
  m->SetSize({8, 8});
  m->Cells[0][0].Terrain = 5;
  const uint64_t before = m->ChangeCount;
  EXPECT_FALSE(PasteBlock(*m, BaseOnly, {0, 0}, Block({{{0, 0}, 5}}), pkTerrain, {8, 8}));
  EXPECT_FALSE(PasteBlock(*m, BaseOnly, {0, 0}, Block({{{0, 0}, 6}}), pkUnit, {8, 8}));
  EXPECT_FALSE(PasteBlock(*m, BaseOnly, {0, 0}, Block({}), pkTerrain, {8, 8}));
  EXPECT_EQ(m->Cells[0][0].Terrain, 5);
  EXPECT_EQ(m->ChangeCount, before);
}

TEST(MultiSelections, StartEmptyAndStoreRowByRow) {
  TMultiSelection s;
  EXPECT_TRUE(s.IsEmpty());
  s.At(3, 2) = 44;
  EXPECT_EQ(s.Pictures[2 * 12 + 3], 44);
  EXPECT_FALSE(s.IsEmpty());
}

}  // namespace
}  // namespace vh
