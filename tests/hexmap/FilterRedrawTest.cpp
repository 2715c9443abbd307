#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <random>

#include "hexmap/CellEditing.h"
#include "hexmap/FilterRedraw.h"
#include "hexmap/MissionPicture.h"
#include "support/FakeGraphics.h"

namespace vh {
namespace {

const TPictureSets& Sets() {
  return test::SharedFakeSets();
}
constexpr auto Filter = FilterOf;

// Only the pixels inside the outline reach the map.
bool SameOnScreen(const THexPicture& a, const THexPicture& b) {
  for (int i = 0; i < HexPixels; ++i)
    if (Sets().HexMaskBitmap.Pixels[static_cast<size_t>(i)] &&
        a.Pixels[static_cast<size_t>(i)] != b.Pixels[static_cast<size_t>(i)])
      return false;
  return true;
}

// Every kind of cell the composition distinguishes, at random: terrain or
// none, plain and line objects, units with and without owner, shops of
// several owners, cargo, AI points, and change cells of every shape.
std::unique_ptr<TMission> RandomMission(unsigned seed, TPoint size) {
  std::mt19937 rng(seed);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  auto m = std::make_unique<TMission>();
  m->SetSize(size);
  const int16_t objects[] = {-1, -1, 90, 91, 92, 93, 1270, 44, 120, 300};
  for (int y = 0; y < size.y; ++y)
    for (int x = 0; x < size.x; ++x) {
      TMissionCell& c = m->Cells[static_cast<size_t>(y)][static_cast<size_t>(x)];
      c.Terrain = pick(3) ? static_cast<int16_t>(1 + pick(50)) : int16_t{-1};
      c.Obj = objects[pick(10)];
      if (pick(3) == 0)
        SetUnitCode(c, UnitCode(static_cast<uint8_t>(pick(7)), static_cast<uint8_t>(pick(64))));
      if (pick(4) == 0) {
        m->NewShop({x, y});
        m->GetShop(c.Shop)->Owner = static_cast<uint8_t>(pick(7));
      }
      if (pick(4) == 0)
        m->NewVehContent({x, y});
      if (pick(4) == 0)
        m->NewAIPoint({x, y});
      TDFCell& d = m->DFCells[static_cast<size_t>(y)][static_cast<size_t>(x)];
      if (pick(2) == 0) {
        d.Terrain = pick(2) ? static_cast<int16_t>(60 + pick(20)) : int16_t{-1};
        d.Obj = static_cast<int16_t>(pick(3) == 0 ? -2 : pick(2) ? -1 : 200 + pick(30));
        if (pick(2))
          SetUnitCode(d, UnitCode(static_cast<uint8_t>(pick(6)), static_cast<uint8_t>(pick(64))));
      }
    }
  return m;
}

// The rule may name cells that end up looking the same, but never miss one
// that looks different, for every filter and every bit.
TEST(FilterRedraw, EveryCellThatLooksDifferentIsRedrawn) {
  const TPoint size{7, 6};
  for (unsigned seed : {1u, 2u, 3u}) {
    const auto m = RandomMission(seed, size);
    for (unsigned filter = 0; filter < (1u << MissFilterBitCount); ++filter)
      for (int index = 0; index < MissFilterBitCount; ++index) {
        const auto on = static_cast<uint16_t>(filter | FilterBit(index));
        const auto off = static_cast<uint16_t>(filter & ~FilterBit(index));
        if (filter != on)
          continue;  // each pair once, named by the filter with the bit on
        for (int y = 0; y < size.y; ++y)
          for (int x = 0; x < size.x; ++x) {
            THexPicture a, b;
            GetCellPicture(Sets(), *m, on, {x, y}, a);
            GetCellPicture(Sets(), *m, off, {x, y}, b);
            if (SameOnScreen(a, b))
              continue;
            ASSERT_TRUE(FilterSwitchNeedsRedraw(on, index)) << "filter " << on << " bit " << index;
            ASSERT_TRUE(FilterSwitchNeedsRedraw(off, index)) << "filter " << off << " bit " << index;
            ASSERT_TRUE(CellDependsOnFilterBit(*m, on, index, {x, y}))
                << "filter " << on << " bit " << index << " cell " << x << "," << y << " seed " << seed;
            ASSERT_TRUE(CellDependsOnFilterBit(*m, off, index, {x, y}))
                << "filter " << off << " bit " << index << " cell " << x << "," << y << " seed " << seed;
          }
      }
  }
}

class FilterRules : public ::testing::Test {
protected:
  std::unique_ptr<TMission> mission = std::make_unique<TMission>();
  TMission& m = *mission;
  void SetUp() override { m.SetSize({5, 4}); }
  TMissionCell& At(int x, int y) { return m.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)]; }
  TDFCell& DFAt(int x, int y) { return m.DFCells[static_cast<size_t>(y)][static_cast<size_t>(x)]; }
  int Count(uint16_t filter, int index) const {
    int n = 0;
    for (int y = 0; y < m.Height; ++y)
      for (int x = 0; x < m.Width; ++x)
        n += CellDependsOnFilterBit(m, filter, index, {x, y}) ? 1 : 0;
    return n;
  }
};

TEST_F(FilterRules, KindsOfTheBaseMapRedrawTheCellsThatHoldThem) {
  At(0, 0).Terrain = 3;
  At(1, 0).Terrain = 4;
  At(2, 0).Obj = 100;
  SetUnitCode(At(3, 0), UnitCode(1, 2));
  DFAt(4, 0).Terrain = 9;  // the change layer is hidden
  EXPECT_EQ(Count(DefaultMissFilter, mfTerrain), 2);
  EXPECT_EQ(Count(DefaultMissFilter, mfObjects), 1);
  EXPECT_EQ(Count(DefaultMissFilter, mfUnits), 1);
  EXPECT_EQ(Count(DefaultMissFilter | FilterBit(mfDFLayer), mfTerrain), 3);
  // With the base map hidden only the change layer counts.
  EXPECT_EQ(Count(Filter({mfTerrain, mfDFLayer}), mfTerrain), 1);
  EXPECT_FALSE(FilterSwitchNeedsRedraw(Filter({mfTerrain, mfObjects, mfUnits}), mfTerrain));
}

TEST_F(FilterRules, MarksWithTheBaseMapHidden) {
  m.NewShop({1, 1});
  m.NewShop({2, 1});
  DFAt(2, 1).Terrain = 5;  // changed: shows the base cell's shop mark with the layer
  m.NewAIPoint({3, 1});
  DFAt(3, 1).Terrain = 5;
  // Neither layer: nothing at all.
  EXPECT_FALSE(FilterSwitchNeedsRedraw(Filter({mfTerrain, mfShopMarks}), mfShopMarks));
  // Base map hidden, change layer shown: only the changed cell with a shop.
  const uint16_t changesOnly = Filter({mfTerrain, mfShopMarks, mfDFLayer});
  EXPECT_TRUE(FilterSwitchNeedsRedraw(changesOnly, mfShopMarks));
  EXPECT_EQ(Count(changesOnly, mfShopMarks), 1);
  EXPECT_TRUE(CellDependsOnFilterBit(m, changesOnly, mfShopMarks, {2, 1}));
  // Changed cells never show AI marks.
  EXPECT_FALSE(FilterSwitchNeedsRedraw(Filter({mfAIMarks, mfDFLayer}), mfAIMarks));
  EXPECT_EQ(Count(Filter({mfAIMarks, mfDFLayer, mfBaseMap}), mfAIMarks), 1);
}

TEST_F(FilterRules, TheChangeLayerRedrawsChangedCellsThatShowSomethingOfIt) {
  DFAt(0, 0).Terrain = 5;
  DFAt(1, 0).Obj = -1;
  SetUnitCode(DFAt(2, 0), UnitCode(0, 1));
  At(3, 0).Terrain = 8;  // unchanged: looks the same either way
  EXPECT_EQ(Count(DefaultMissFilter, mfDFLayer), 3);
  EXPECT_EQ(Count(Filter({mfTerrain, mfBaseMap}), mfDFLayer), 1);
  EXPECT_FALSE(FilterSwitchNeedsRedraw(Filter({mfBaseMap, mfShopMarks}), mfDFLayer));
  EXPECT_EQ(Count(Filter({mfDFMarks}), mfDFLayer), 3);
  // A changed cell hides the AI mark the base cell shows.
  m.NewAIPoint({4, 0});
  DFAt(4, 0).Terrain = 2;
  const uint16_t aiOnly = Filter({mfBaseMap, mfAIMarks});
  EXPECT_TRUE(FilterSwitchNeedsRedraw(aiOnly, mfDFLayer));
  EXPECT_EQ(Count(aiOnly, mfDFLayer), 1);
}

TEST_F(FilterRules, BaseMapAndChangeMarks) {
  At(0, 0).Terrain = 5;
  m.NewShop({1, 0});
  DFAt(2, 0).Obj = 40;
  EXPECT_FALSE(FilterSwitchNeedsRedraw(Filter({mfDFLayer, mfDFMarks}), mfBaseMap));
  EXPECT_EQ(Count(DefaultMissFilter, mfBaseMap), 1);
  EXPECT_EQ(Count(Filter({mfBaseMap, mfShopMarks}), mfBaseMap), 1);
  EXPECT_EQ(Count(Filter({mfTerrain, mfShopMarks, mfBaseMap}), mfBaseMap), 2);
  EXPECT_FALSE(FilterSwitchNeedsRedraw(DefaultMissFilter, mfDFMarks));
  EXPECT_EQ(Count(Filter({mfDFLayer, mfDFMarks}), mfDFMarks), 1);
}

}  // namespace
}  // namespace vh
