#include <gtest/gtest.h>

#include "base/Errors.h"
#include "mission/Mission.h"
#include "mission/StdData.h"

namespace vh {
namespace {

TMission SizedMission(int w = 8, int h = 6) {
  TMission m;
  m.SetSize({w, h});
  return m;
}

TEST(MissionLifecycle, CreateCopiesStandardDataAndStartsEmpty) {
  TMissHeader savedHeader = StdMissionTemplate;
  TPlayers savedPlayers = StdPlayers;
  StdMissionTemplate.fill(0);
  StdMissionTemplate[0] = 'M';
  StdMissionTemplate[331] = 0x5A;
  StdPlayers[3] = {"Blue", 9};

  TMission m;
  EXPECT_EQ(m.MissHeader, StdMissionTemplate);
  EXPECT_EQ(m.Players[3], (TPlayerInfo{"Blue", 9}));
  EXPECT_TRUE(m.Blank);
  EXPECT_EQ(m.Width, 0);
  EXPECT_EQ(m.DFNr, 0);
  EXPECT_EQ(m.MissUsage, 0);
  EXPECT_FALSE(m.SaveNames);
  EXPECT_EQ(m.ShopCount(), 0);
  for (const auto& row : m.Cells)
    for (const TMissionCell& c : row)
      EXPECT_EQ(c, TMissionCell{});
  for (const auto& row : m.DFCells)
    for (const TDFCell& c : row)
      EXPECT_FALSE(c.IsChange());
  for (const auto& layer : m.DFLayers)
    EXPECT_TRUE(layer.empty());

  // Later changes to the standard data do not reach an existing mission.
  StdPlayers[3].Name = "Other";
  EXPECT_EQ(m.Players[3].Name, "Blue");
  StdMissionTemplate = savedHeader;
  StdPlayers = savedPlayers;
}

TEST(MissionLifecycle, SetSizeClearsBlankAndRejectsOversizedMaps) {
  TMission m;
  m.SetSize({24, 16});
  EXPECT_FALSE(m.Blank);
  EXPECT_EQ(m.Width, 24);
  EXPECT_EQ(m.Height, 16);
  EXPECT_THROW(m.SetSize({65, 16}), ERangeError);
  EXPECT_THROW(m.SetSize({24, -1}), ERangeError);
}

TEST(MissionSlots, AccessorsReturnNullForNoneOutOfRangeAndEmptySlots) {
  TMission m = SizedMission();
  EXPECT_EQ(m.GetShop(-1), nullptr);
  EXPECT_EQ(m.GetShop(0), nullptr);
  m.NewShop({1, 1});
  m.NewShop({2, 1});
  m.DeleteShop({1, 1});
  EXPECT_EQ(m.GetShop(0), nullptr);
  EXPECT_NE(m.GetShop(1), nullptr);
  EXPECT_EQ(m.GetShop(2), nullptr);
  EXPECT_EQ(m.GetVehContent(-1), nullptr);
  EXPECT_EQ(m.GetAIPoint(7), nullptr);
}

TEST(MissionSlots, NewShopHasDefaultsAndNameFromItsSlot) {
  TMission m = SizedMission();
  EXPECT_EQ(m.NewShop({0, 0}), 0);
  EXPECT_EQ(m.NewShop({1, 0}), 1);
  EXPECT_EQ(m.NewShop({2, 0}), 2);
  const TArrShop* s = m.GetShop(2);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->Name, "Shop Nr. 2");
  EXPECT_EQ(s->ShopType, stTown);
  EXPECT_EQ(s->Owner, NeutralSide);
  EXPECT_EQ(s->Energy, 0);
  EXPECT_EQ(s->Priority, 0);
  for (int16_t c : s->Content)
    EXPECT_EQ(c, -1);
  for (int16_t p : s->Produce)
    EXPECT_EQ(p, -1);
  EXPECT_EQ(m.Cells[0][2].Shop, 2);

  // Deleting slot 1 of three and creating a new shop reuses slot 1.
  m.DeleteShop({1, 0});
  EXPECT_EQ(m.Cells[0][1].Shop, -1);
  EXPECT_EQ(m.ShopCount(), 3);
  EXPECT_EQ(m.NewShop({4, 4}), 1);
  EXPECT_EQ(m.GetShop(1)->Name, "Shop Nr. 1");
  EXPECT_EQ(m.ShopCount(), 3);
  EXPECT_EQ(m.NewShop({5, 4}), 3);
}

TEST(MissionSlots, CargoAndAIPointsReuseTheLowestFreeSlot) {
  TMission m = SizedMission();
  EXPECT_EQ(m.NewVehContent({0, 0}), 0);
  EXPECT_EQ(m.NewVehContent({1, 0}), 1);
  EXPECT_EQ(m.NewAIPoint({1, 0}), 0);
  for (int16_t u : m.GetVehContent(1)->Units)
    EXPECT_EQ(u, -1);
  EXPECT_EQ(*m.GetAIPoint(0), TAIPointRec{});
  m.DeleteVehContent({0, 0});
  m.DeleteVehContent({0, 0});  // a second delete of an empty cell is harmless
  EXPECT_EQ(m.VehContents.size(), 2u);
  EXPECT_EQ(m.NewVehContent({3, 3}), 0);
  m.DeleteAIPoint({1, 0});
  EXPECT_EQ(m.Cells[0][1].AIPoint, -1);
  EXPECT_EQ(m.GetAIPoint(0), nullptr);
}

TEST(MissionSlots, OperationsOutsideTheGridRaiseRangeErrors) {
  TMission m = SizedMission();
  EXPECT_THROW(m.NewShop({64, 0}), ERangeError);
  EXPECT_THROW(m.NewVehContent({0, -1}), ERangeError);
  EXPECT_THROW(m.DeleteAIPoint({0, 64}), ERangeError);
}

TEST(MissionShopNumbers, NumbersSkipEmptySlotsBothWays) {
  TMission m = SizedMission();
  m.NewShop({0, 0});
  m.NewShop({1, 0});
  m.NewShop({2, 0});
  m.DeleteShop({1, 0});
  EXPECT_EQ(m.ShopIndexToNr(-1), -1);
  EXPECT_EQ(m.ShopIndexToNr(0), 0);
  EXPECT_EQ(m.ShopIndexToNr(2), 1);
  EXPECT_EQ(m.ShopNrToIndex(-1), -1);
  EXPECT_EQ(m.ShopNrToIndex(0), 0);
  EXPECT_EQ(m.ShopNrToIndex(1), 2);
  EXPECT_THROW(m.ShopNrToIndex(2), ERangeError);
  for (int16_t i : {0, 2})
    EXPECT_EQ(m.ShopNrToIndex(m.ShopIndexToNr(i)), i);
}

TEST(MissionShopNumbers, FindShopSearchesRowByRowInsideTheMap) {
  TMission m = SizedMission(8, 6);
  TPoint pos{-7, -7};
  EXPECT_FALSE(m.FindShop(0, pos));
  EXPECT_EQ(pos, (TPoint{-7, -7}));
  // Two cells holding one index only happen with corrupt input; the first in
  // row order wins.
  m.Cells[3][5].Shop = 4;
  m.Cells[3][2].Shop = 4;
  m.Cells[4][0].Shop = 4;
  ASSERT_TRUE(m.FindShop(4, pos));
  EXPECT_EQ(pos, (TPoint{2, 3}));
  // Cells outside Width x Height are not visited.
  m.Cells[10][10].Shop = 9;
  EXPECT_FALSE(m.FindShop(9, pos));
}

class MissionClear : public ::testing::Test {
protected:
  void SetUp() override {
    m.SetSize({4, 3});
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x) {
        TMissionCell& c = m.Cells[y][x];
        c.Terrain = 10;
        c.Obj = 20;
        c.Vehicle = 5;
        c.VehOwner = 2;
        m.DFCells[y][x] = {11, 21, 6, 3};
      }
    m.NewShop({1, 1});
    m.NewVehContent({2, 1});
    m.NewAIPoint({2, 1});
    m.Cells[5][5].Terrain = 77;  // outside the map: never touched
  }
  TMission m;
};

TEST_F(MissionClear, MapBitWithoutLayerBitsChangesNothing) {
  TCellGrid before = m.Cells;
  TDFGrid dfBefore = m.DFCells;
  m.Clear(fbMap);
  EXPECT_EQ(m.Cells, before);
  EXPECT_EQ(m.DFCells, dfBefore);
  m.Clear(fbTerrain | fbObjects | fbUnits | fbShops);  // neither grid selected
  EXPECT_EQ(m.Cells, before);
}

TEST_F(MissionClear, ClearingMapUnitsDeletesCargoButKeepsAIPoints) {
  m.Clear(fbMap | fbUnits);
  const TMissionCell& c = m.Cells[1][2];
  EXPECT_EQ(c.Vehicle, NoUnit);
  EXPECT_EQ(c.VehOwner, NoSide);
  EXPECT_EQ(c.VehContent, -1);
  EXPECT_EQ(m.GetVehContent(0), nullptr);
  EXPECT_EQ(c.AIPoint, 0);
  EXPECT_NE(m.GetAIPoint(0), nullptr);
  EXPECT_EQ(c.Terrain, 10);
  EXPECT_EQ(m.Cells[1][1].Shop, 0);
  EXPECT_EQ(m.DFCells[1][2].Vehicle, 6);  // change layer untouched
}

TEST_F(MissionClear, ObjectsBecomeNoneOnTheMapButUnchangedInTheLayer) {
  m.Clear(fbMap | fbDFLayer | fbObjects | fbShops);
  EXPECT_EQ(m.Cells[0][0].Obj, -1);
  EXPECT_EQ(m.DFCells[0][0].Obj, -2);
  EXPECT_EQ(m.Cells[0][0].Terrain, 10);
  EXPECT_EQ(m.Cells[1][1].Shop, -1);
  EXPECT_EQ(m.GetShop(0), nullptr);
  EXPECT_EQ(m.Cells[5][5].Terrain, 77);
}

TEST_F(MissionClear, LayerClearResetsToNoChange) {
  m.Clear(fbDFLayer | fbTerrain | fbObjects | fbUnits);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_FALSE(m.DFCells[y][x].IsChange());
  EXPECT_EQ(m.Cells[2][3].Terrain, 10);
}

TEST(MissionChanges, NamedOperationsCountAsChanges) {
  TMission m = SizedMission();
  uint64_t before = m.ChangeCount;
  m.NewShop({0, 0});
  EXPECT_GT(m.ChangeCount, before);
  before = m.ChangeCount;
  m.DeleteVehContent({0, 0});  // nothing to delete
  EXPECT_EQ(m.ChangeCount, before);
  m.DeleteShop({0, 0});
  EXPECT_GT(m.ChangeCount, before);
}

TEST(MissionMasks, SingleBitMasksMapToSides) {
  for (uint8_t s = 0; s < 7; ++s) {
    EXPECT_EQ(SideToMask(s), 1 << s);
    EXPECT_EQ(MaskToSide(static_cast<uint8_t>(1 << s)), s);
  }
  EXPECT_EQ(SideToMask(NoSide), 0xFF);
  EXPECT_EQ(SideToMask(7), 0xFF);
  for (uint8_t bad : {0x00, 0x03, 0x80, 0xFF})
    EXPECT_EQ(MaskToSide(bad), NoSide);
}

}  // namespace
}  // namespace vh
