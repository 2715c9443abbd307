#include <gtest/gtest.h>

#include <bit>
#include <initializer_list>
#include <memory>
#include <set>

#include "hexmap/HexGeometry.h"
#include "hexmap/MissionPicture.h"
#include "support/FakeGraphics.h"

namespace vh {
namespace {

const TPictureSets& Sets() {
  return test::SharedFakeSets();
}
constexpr auto Filter = FilterOf;

THexPicture Over(THexPicture below, const THexPicture& above) {
  OverlayPicture(below, above, 0);
  return below;
}

THexPicture Owned(THexPicture p, unsigned owner) {
  RecolourForOwner(p, owner);
  return p;
}

const THexPicture& Part(int n) {
  return Sets().PartPictures[static_cast<size_t>(n)];
}
const THexPicture& Unit(int n) {
  return Sets().UnitPictures[static_cast<size_t>(n)];
}
const THexPicture& Layer(int k, int m) {
  return Sets().LayerPictures[static_cast<size_t>(k)][static_cast<size_t>(m)];
}

class Composition : public ::testing::Test {
protected:
  std::unique_ptr<TMission> mission = std::make_unique<TMission>();
  TMission& m = *mission;

  void SetUp() override { m.SetSize({8, 6}); }

  TMissionCell& At(int x, int y) { return m.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)]; }
  TDFCell& DFAt(int x, int y) { return m.DFCells[static_cast<size_t>(y)][static_cast<size_t>(x)]; }
  THexPicture Draw(uint16_t filter, TPoint cell) const {
    THexPicture p = THexPicture::Filled(123);  // the result must not depend on what was there
    GetCellPicture(Sets(), m, filter, cell, p);
    return p;
  }
  void PutShop(int x, int y, uint8_t owner) {
    m.NewShop({x, y});
    m.GetShop(At(x, y).Shop)->Owner = owner;
  }
};

TEST_F(Composition, DefaultFilterStacksTerrainObjectAndUnitInItsOwnersColours) {
  At(2, 3) = {.Terrain = 5, .Obj = 100, .Vehicle = 3, .VehOwner = 2};
  const THexPicture expected = Over(Over(Part(5), Part(100)), Owned(Unit(3), 2));
  EXPECT_EQ(Draw(DefaultMissFilter, {2, 3}), expected);
  EXPECT_EQ(DefaultMissFilter, 71);
  // The unit's neutral colours really moved into owner 2's range (56 + b).
  std::set<uint8_t> colours(expected.Pixels.begin(), expected.Pixels.end());
  EXPECT_TRUE(colours.count(57) || colours.count(58));
  EXPECT_EQ(Draw(DefaultMissFilter, {0, 0}), Sets().BackgroundHex);  // an empty cell
}

TEST_F(Composition, HiddenKindsAndAHiddenBaseMapLeaveThemOut) {
  At(1, 1) = {.Terrain = 5, .Obj = 100, .Vehicle = 3, .VehOwner = 2};
  const THexPicture unit = Owned(Unit(3), 2);
  EXPECT_EQ(Draw(Filter({mfObjects, mfUnits, mfBaseMap}), {1, 1}),
            Over(Over(Sets().BackgroundHex, Part(100)), unit));
  EXPECT_EQ(Draw(Filter({mfTerrain, mfBaseMap}), {1, 1}), Part(5));
  EXPECT_EQ(Draw(Filter({mfTerrain, mfUnits, mfBaseMap}), {1, 1}), Over(Part(5), unit));
  EXPECT_EQ(Draw(Filter({mfTerrain, mfObjects, mfUnits}), {1, 1}), Sets().BackgroundHex);
  EXPECT_EQ(Draw(0, {1, 1}), Sets().BackgroundHex);
}

TEST_F(Composition, AShopColoursItsObjectAndMarksShowOnlyWhenAsked) {
  At(4, 2) = {.Terrain = 7, .Obj = 300};
  PutShop(4, 2, 4);
  At(4, 2).VehContent = 0;
  At(4, 2).AIPoint = 0;
  const THexPicture plain = Over(Part(7), Owned(Part(300), 4));
  EXPECT_NE(plain, Over(Part(7), Part(300)));
  EXPECT_EQ(Draw(DefaultMissFilter, {4, 2}), plain);
  const THexPicture marked = Over(plain, Sets().CellMark());
  for (int bit : {mfShopMarks, mfContentMarks, mfAIMarks})
    EXPECT_EQ(Draw(DefaultMissFilter | FilterBit(bit), {4, 2}), marked) << bit;
  EXPECT_EQ(Draw(Filter({mfTerrain, mfObjects, mfShopMarks, mfContentMarks, mfAIMarks, mfBaseMap}), {4, 2}),
            marked);

  // A cell with only an AI point shows the mark only under its own bit.
  At(5, 2).AIPoint = 0;
  EXPECT_EQ(Draw(DefaultMissFilter | FilterBit(mfShopMarks) | FilterBit(mfContentMarks), {5, 2}),
            Sets().BackgroundHex);
  EXPECT_EQ(Draw(DefaultMissFilter | FilterBit(mfAIMarks), {5, 2}),
            Over(Sets().BackgroundHex, Sets().CellMark()));
}

TEST_F(Composition, UnusualOwnersAndShopsLeavePicturesUncoloured) {
  At(0, 0) = {.Terrain = 1, .Vehicle = 5, .VehOwner = 0xFF};  // a type without owner is no unit
  EXPECT_EQ(Draw(DefaultMissFilter, {0, 0}), Part(1));
  At(1, 0) = {.Terrain = 1, .Vehicle = 5, .VehOwner = 9};
  EXPECT_EQ(Draw(DefaultMissFilter, {1, 0}), Over(Part(1), Unit(5)));
  At(2, 0) = {.Terrain = 1, .Obj = 200, .Shop = 7};  // names a slot that does not exist
  EXPECT_EQ(Draw(DefaultMissFilter, {2, 0}), Over(Part(1), Part(200)));
  PutShop(3, 0, 8);
  At(3, 0).Obj = 200;
  EXPECT_EQ(Draw(DefaultMissFilter, {3, 0}), Over(Sets().BackgroundHex, Part(200)));
}

TEST_F(Composition, NumbersBeyondThePictureSetsShowTheMissingMarker) {
  const THexPicture& missing = Sets().MissingPicture;
  At(0, 1) = {.Terrain = 1335};
  EXPECT_EQ(Draw(DefaultMissFilter, {0, 1}), missing);
  At(1, 1) = {.Terrain = -7};
  EXPECT_EQ(Draw(DefaultMissFilter, {1, 1}), missing);
  At(2, 1) = {.Terrain = 3, .Obj = 32767};
  EXPECT_EQ(Draw(DefaultMissFilter, {2, 1}), Over(Part(3), missing));
  At(3, 1) = {.Terrain = 3, .Vehicle = 64, .VehOwner = 1};
  EXPECT_EQ(Draw(DefaultMissFilter, {3, 1}), Over(Part(3), missing));
  PutShop(4, 1, 2);
  At(4, 1).Obj = 5000;
  EXPECT_EQ(Draw(DefaultMissFilter, {4, 1}), missing);  // and no owner colour touches it
  DFAt(5, 1) = {.Terrain = 2000, .Obj = 1400, .Vehicle = 200, .VehOwner = 0};
  EXPECT_EQ(Draw(Filter({mfTerrain, mfObjects, mfUnits, mfDFLayer}), {5, 1}), missing);
  EXPECT_EQ(CountMissingPictures(Sets(), m), 6);
}

TEST_F(Composition, CellsOutsideTheMapSizeAreAcceptedAndOthersShowBackground) {
  At(63, 63) = {.Terrain = 9};
  EXPECT_EQ(Draw(DefaultMissFilter, {63, 63}), Part(9));
  EXPECT_EQ(Draw(DefaultMissFilter, {64, 0}), Sets().BackgroundHex);
  EXPECT_EQ(Draw(DefaultMissFilter, {0, -1}), Sets().BackgroundHex);
}

TEST(LineObjects, KindsAndJoinsComeFromTheLists) {
  EXPECT_EQ(LineObjectKinds(90), 0b0001);
  EXPECT_EQ(LineObjectKinds(92), 0b0010);
  EXPECT_EQ(LineObjectKinds(93), 0b0100);
  EXPECT_EQ(LineObjectKinds(91), 0b1000);
  EXPECT_EQ(LineObjectKinds(1274), 0b1111);
  EXPECT_EQ(LineObjectKinds(1270), 0b1011);
  EXPECT_EQ(LineObjectKinds(44), LineJoinBit);
  EXPECT_EQ(LineObjectKinds(1021), LineJoinBit);
  for (int16_t none : {int16_t{-2}, int16_t{-1}, int16_t{0}, int16_t{89}, int16_t{1275}, int16_t{32767}})
    EXPECT_EQ(LineObjectKinds(none), 0) << none;
  // Objects 1264..1274 each stand for a different combination of two or
  // more kinds.
  std::set<int> combinations;
  for (int16_t obj = 1264; obj <= 1274; ++obj) {
    const int kinds = LineObjectKinds(obj);
    EXPECT_GE(std::popcount(static_cast<unsigned>(kinds)), 2) << obj;
    combinations.insert(kinds);
  }
  EXPECT_EQ(combinations.size(), 11u);
}

TEST_F(Composition, LineObjectsJoinTheirNeighbours) {
  // Object 90 between 1270 above and 44 below: kind 0 joins both.
  At(3, 2).Obj = 90;
  At(3, 1).Obj = 1270;
  At(3, 3).Obj = 44;
  EXPECT_EQ(LineNeighbourMask(m, {3, 2}, 0), 9);
  EXPECT_EQ(Draw(Filter({mfObjects, mfBaseMap}), {3, 2}),
            Over(Sets().BackgroundHex, Over(Sets().EmptyHex, Layer(0, 9))));
  // Object 93 is kind 2, which neither joins 44 nor shares a kind with 1270.
  At(3, 2).Obj = 93;
  EXPECT_EQ(LineNeighbourMask(m, {3, 2}, 2), 0);
  EXPECT_EQ(Draw(Filter({mfObjects, mfBaseMap}), {3, 2}), Over(Sets().BackgroundHex, Layer(2, 0)));
  // On terrain, with a shop's colours.
  At(3, 2) = {.Terrain = 4, .Obj = 90};
  PutShop(3, 2, 1);
  EXPECT_EQ(Draw(DefaultMissFilter, {3, 2}), Over(Part(4), Owned(Over(Sets().EmptyHex, Layer(0, 9)), 1)));
}

TEST_F(Composition, AnObjectOfSeveralKindsDrawsThemInTheOrderOneTwoZeroThree) {
  // 1271 is of kinds 0, 1 and 2; 92 (kind 1) lies upper right, 93 (kind 2)
  // lower left, 90 (kind 0) below. The fake layer pictures share their
  // middle, so the kind drawn last shows there and a wrong order shows.
  At(2, 2).Obj = 1271;
  At(3, 1).Obj = 92;  // upper right of an even column
  At(1, 2).Obj = 93;  // lower left
  At(2, 3).Obj = 90;
  EXPECT_EQ(LineNeighbourMask(m, {2, 2}, 1), 1 << dirUpperRight);
  EXPECT_EQ(LineNeighbourMask(m, {2, 2}, 2), 1 << dirLowerLeft);
  EXPECT_EQ(LineNeighbourMask(m, {2, 2}, 0), 1 << dirDown);
  const THexPicture expected = Over(Over(Over(Sets().EmptyHex, Layer(1, 2)), Layer(2, 16)), Layer(0, 8));
  EXPECT_EQ(Draw(Filter({mfObjects, mfBaseMap}), {2, 2}), Over(Sets().BackgroundHex, expected));
  const THexPicture ascending = Over(Over(Over(Sets().EmptyHex, Layer(0, 8)), Layer(1, 2)), Layer(2, 16));
  EXPECT_NE(expected, ascending);
}

TEST_F(Composition, NeighboursOutsideTheMapNeverJoin) {
  // Corner cell: only the neighbours down and lower right lie in the map.
  for (int d = 0; d < DirectionCount; ++d) {
    const TPoint n = Neighbour({0, 0}, d);
    if (n.x >= 0 && n.y >= 0)
      At(n.x, n.y).Obj = 90;
  }
  At(0, 0).Obj = 90;
  EXPECT_EQ(LineNeighbourMask(m, {0, 0}, 0), (1 << dirLowerRight) | (1 << dirDown));
  // Right edge of an 8-wide map, odd column: objects stored beyond the
  // width do not count.
  At(7, 2).Obj = 90;
  At(8, 2).Obj = 90;
  At(8, 3).Obj = 90;
  At(7, 1).Obj = 90;
  EXPECT_EQ(LineNeighbourMask(m, {7, 2}, 0), 1 << dirUp);
  // Bottom edge.
  At(4, 5).Obj = 90;
  At(4, 6).Obj = 90;
  EXPECT_EQ(LineNeighbourMask(m, {4, 5}, 0), 0);
}

class ChangeLayer : public Composition {
protected:
  const uint16_t dfOnly = Filter({mfTerrain, mfObjects, mfUnits, mfDFLayer});
  const uint16_t both = Filter({mfTerrain, mfObjects, mfUnits, mfBaseMap, mfDFLayer});
  void SetUp() override {
    Composition::SetUp();
    At(1, 1) = {.Terrain = 5, .Obj = 100, .Vehicle = 3, .VehOwner = 2};
    PutShop(1, 1, 3);
    m.NewVehContent({1, 1});
    m.NewAIPoint({1, 1});
  }
};

TEST_F(ChangeLayer, WithoutTheBaseMapAnUnchangedCellShowsOnlyTheBackground) {
  EXPECT_EQ(Draw(dfOnly | FilterBit(mfShopMarks) | FilterBit(mfDFMarks), {1, 1}), Sets().BackgroundHex);
  const THexPicture base = Draw(DefaultMissFilter, {1, 1});
  EXPECT_EQ(Draw(both, {1, 1}), base);
}

TEST_F(ChangeLayer, WithoutTheBaseMapAChangeShowsOnlyWhatItSetsPlusBaseMarks) {
  DFAt(1, 1) = {.Terrain = 8, .Obj = -2};
  EXPECT_EQ(Draw(dfOnly, {1, 1}), Over(Sets().BackgroundHex, Part(8)));
  const THexPicture marked = Over(Over(Sets().BackgroundHex, Part(8)), Sets().CellMark());
  EXPECT_EQ(Draw(dfOnly | FilterBit(mfShopMarks), {1, 1}), marked);
  EXPECT_EQ(Draw(dfOnly | FilterBit(mfContentMarks), {1, 1}), marked);
  // No AI mark on a changed cell.
  EXPECT_EQ(Draw(dfOnly | FilterBit(mfAIMarks), {1, 1}), Over(Sets().BackgroundHex, Part(8)));
  EXPECT_EQ(Draw(dfOnly | FilterBit(mfDFMarks), {1, 1}),
            Over(Over(Sets().BackgroundHex, Part(8)), Sets().DFMark()));
}

TEST_F(ChangeLayer, UnchangedPartsFallBackToTheBaseMapWhenItIsShown) {
  const THexPicture unit = Owned(Unit(3), 2);
  const THexPicture object = Owned(Part(100), 3);  // the shop's colours
  DFAt(1, 1) = {.Terrain = -1, .Obj = -1};         // removes the object
  EXPECT_EQ(Draw(both, {1, 1}),
            Over(Over(Over(Sets().BackgroundHex, Part(5)), Sets().RemovedObjectMark()), unit));
  DFAt(1, 1) = {.Terrain = 6, .Obj = -2, .Vehicle = 10, .VehOwner = 5};
  EXPECT_EQ(Draw(both, {1, 1}), Over(Over(Over(Sets().BackgroundHex, Part(6)), object), Owned(Unit(10), 5)));
  // A line object put by a change is drawn as its own picture.
  DFAt(1, 1) = {.Terrain = -1, .Obj = 90};
  EXPECT_EQ(Draw(both, {1, 1}), Over(Over(Over(Sets().BackgroundHex, Part(5)), Part(90)), unit));
  // Hidden kinds stay hidden in both layers.
  EXPECT_EQ(Draw(Filter({mfObjects, mfBaseMap, mfDFLayer}), {1, 1}), Over(Sets().BackgroundHex, Part(90)));
}

TEST_F(ChangeLayer, AChangedUnitWithOnlyAnOwnerOrOnlyATypeIsAChange) {
  DFAt(2, 2) = {.Vehicle = 7, .VehOwner = 0xFF};
  EXPECT_EQ(Draw(dfOnly, {2, 2}), Over(Sets().BackgroundHex, Unit(7)));  // uncoloured
  DFAt(2, 2) = {.Vehicle = 0xFF, .VehOwner = 1};
  EXPECT_EQ(Draw(dfOnly, {2, 2}), Over(Sets().BackgroundHex, Sets().MissingPicture));
}

}  // namespace
}  // namespace vh
