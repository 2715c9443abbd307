#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/ByteIO.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "mission/DFLayers.h"
#include "mission/MapResize.h"
#include "mission/MissionCheck.h"
#include "support/TempDir.h"

namespace vh {
namespace {

// A 30 x 20 mission with something on every kind of place: terrain and
// objects in a pattern, a unit with cargo and an AI point, a shop with its
// name, and records in the working layer 2 and in layer 7.
std::unique_ptr<TMission> Furnished() {
  auto m = std::make_unique<TMission>();
  m->SetSize({30, 20});
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) {
      m->Cells[y][x].Terrain = static_cast<int16_t>(100 + x + 40 * y);
      m->Cells[y][x].Obj = (x + y) % 7 == 0 ? static_cast<int16_t>(x) : -1;
    }
  m->Cells[5][6].Vehicle = 12;
  m->Cells[5][6].VehOwner = 3;
  m->GetVehContent(static_cast<int16_t>(m->NewVehContent({6, 5})))->Units = {4, 5, 6, -1, -1, -1, -1, -1};
  m->GetAIPoint(static_cast<int16_t>(m->NewAIPoint({6, 5})))->AI0A = 777;
  m->Cells[3][3].Obj = 44;
  m->NewShop({3, 3});
  m->GetShop(0)->Name = "Harbour";
  m->GetShop(0)->Energy = 250;
  m->Cells[9][20].Vehicle = 2;
  m->Cells[9][20].VehOwner = 0;
  m->NewShop({21, 9});
  m->GetShop(1)->Name = "Mill";
  m->Cells[9][21].Obj = 45;
  m->DFNr = 2;
  m->DFCells[4][4] = {271, -1, NoUnit, NoSide};
  m->DFCells[18][29] = {-1, 90, 7, 1};
  m->StoreDFLayer();
  for (TPoint p : {TPoint{0, 0}, TPoint{10, 10}, TPoint{29, 19}}) {
    AppendU16(m->DFLayers[7], PosCode(p.x, p.y));
    AppendI16(m->DFLayers[7], static_cast<int16_t>(p.x));
    AppendI16(m->DFLayers[7], -2);
    AppendU8(m->DFLayers[7], 0xFF);
    AppendU8(m->DFLayers[7], 0xFF);
  }
  return m;
}

TEST(MapResizeTest, AnchorsPlaceTheOldMapWithEvenColumnOffsets) {
  // 24 x 16 into 31 x 20: 7 spare columns and 4 spare rows.
  EXPECT_EQ(AnchorOffset({24, 16}, {31, 20}, 0, 0), (TPoint{0, 0}));
  EXPECT_EQ(AnchorOffset({24, 16}, {31, 20}, 1, 1), (TPoint{2, 2}));  // 3.5 columns cut to 2
  EXPECT_EQ(AnchorOffset({24, 16}, {31, 20}, 2, 2), (TPoint{6, 4}));  // 7 cut to 6
  EXPECT_EQ(AnchorOffset({24, 16}, {32, 21}, 2, 1), (TPoint{8, 2}));
  // 40 x 30 into 31 x 20: 9 columns and 10 rows too many.
  EXPECT_EQ(AnchorOffset({40, 30}, {31, 20}, 2, 2), (TPoint{-8, -10}));
  EXPECT_EQ(AnchorOffset({40, 30}, {31, 20}, 1, 1), (TPoint{-4, -5}));
  EXPECT_EQ(AnchorOffset({40, 30}, {31, 20}, 0, 2), (TPoint{0, -10}));
}

TEST(MapResizeTest, FaultsAreNamedAndChangeNothing) {
  EXPECT_STREQ(ResizeFault({{24, 16}, {0, 0}}), "");
  EXPECT_STREQ(ResizeFault({{64, 64}, {-64, 64}}), "");
  EXPECT_STRNE(ResizeFault({{23, 16}, {0, 0}}), "");
  EXPECT_STRNE(ResizeFault({{24, 15}, {0, 0}}), "");
  EXPECT_STRNE(ResizeFault({{65, 20}, {0, 0}}), "");
  EXPECT_STRNE(ResizeFault({{30, 65}, {0, 0}}), "");
  EXPECT_STRNE(ResizeFault({{30, 20}, {1, 0}}), "");
  EXPECT_STRNE(ResizeFault({{30, 20}, {-3, 0}}), "");
  EXPECT_STRNE(ResizeFault({{30, 20}, {66, 0}}), "");
  EXPECT_STRNE(ResizeFault({{30, 20}, {0, -65}}), "");

  auto m = Furnished();
  const TMission before = *m;
  EXPECT_THROW(ResizeMap(*m, {{30, 20}, {1, 0}}), ERangeError);
  EXPECT_EQ(m->Cells, before.Cells);
  EXPECT_EQ(m->ChangeCount, before.ChangeCount);
}

TEST(MapResizeTest, EverythingMovesWithItsCell) {
  auto m = Furnished();
  const uint64_t count = m->ChangeCount;
  ResizeMap(*m, {{40, 24}, {4, 3}});
  EXPECT_EQ(m->Width, 40);
  EXPECT_EQ(m->Height, 24);
  EXPECT_GT(m->ChangeCount, count);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool old = x >= 4 && x < 34 && y >= 3 && y < 23;
      ASSERT_EQ(m->Cells[y][x].Terrain, old ? 100 + (x - 4) + 40 * (y - 3) : -1) << x << ", " << y;
    }
  // The unit from (6, 5) at (10, 8) with its cargo and AI point.
  const TMissionCell& unit = m->Cells[8][10];
  EXPECT_EQ(unit.Vehicle, 12);
  EXPECT_EQ(unit.VehOwner, 3);
  ASSERT_NE(m->GetVehContent(unit.VehContent), nullptr);
  EXPECT_EQ(m->GetVehContent(unit.VehContent)->Units[2], 6);
  ASSERT_NE(m->GetAIPoint(unit.AIPoint), nullptr);
  EXPECT_EQ(m->GetAIPoint(unit.AIPoint)->AI0A, 777);
  // The shop from (3, 3) at (7, 6), its record telling its new place.
  const TArrShop* shop = m->GetShop(m->Cells[6][7].Shop);
  ASSERT_NE(shop, nullptr);
  EXPECT_EQ(shop->Name, "Harbour");
  EXPECT_EQ(shop->Energy, 250);
  EXPECT_EQ(shop->X, 7);
  EXPECT_EQ(shop->Y, 6);
  EXPECT_EQ(m->Cells[6][7].Obj, 44);
  // The working layer 2 is still the one held, its cells moved.
  EXPECT_EQ(m->DFNr, 2);
  EXPECT_EQ(m->DFCells[7][8], (TDFCell{271, -1, NoUnit, NoSide}));
  EXPECT_EQ(m->DFCells[21][33], (TDFCell{-1, 90, 7, 1}));
  EXPECT_FALSE(m->DFCells[4][4].IsChange());
  // Layer 7's records, in their order, at the moved positions.
  ASSERT_EQ(m->DFLayers[7].size(), 3 * DFRecordSize);
  EXPECT_EQ(GetU16(m->DFLayers[7], 0), PosCode(4, 3));
  EXPECT_EQ(GetU16(m->DFLayers[7], 8), PosCode(14, 13));
  EXPECT_EQ(GetU16(m->DFLayers[7], 16), PosCode(33, 22));
  EXPECT_EQ(GetI16(m->DFLayers[7], 18), 29) << "the record's values stay";
  EXPECT_TRUE(CheckMission(*m).Find(TCheckKind::NoTerrain));
  EXPECT_EQ(CheckMission(*m).Errors(), 0);
}

TEST(MapResizeTest, WhatFallsOutsideIsCountedFirstThenRemoved) {
  auto m = Furnished();
  // Cut 10 columns on the left and 2 rows at the top, into a map of 24 x 16
  // that the 20 columns left do not fill: the unit at (6, 5) and the shop at
  // (3, 3) go, the mill at (21, 9) stays.
  const TResize cut{{24, 16}, {-10, -2}};
  const TResizeLoss loss = ResizeLoss(*m, cut);
  EXPECT_EQ(loss.Units, 1);
  EXPECT_EQ(loss.Shops, 1);
  EXPECT_EQ(loss.Cargo, 1);
  EXPECT_EQ(loss.AIPoints, 1);
  // Layer 2: (4, 4) goes, (29, 18) goes beyond 24 x 16 at (19, 16). Layer
  // 7: (0, 0) goes, (10, 10) stays, (29, 19) goes.
  EXPECT_EQ(loss.LayerRecords, 4);
  // 30 x 20 cells less the 20 x 16 that land inside.
  EXPECT_EQ(loss.Cells, 30 * 20 - 20 * 16);
  EXPECT_TRUE(loss.Any());

  ResizeMap(*m, cut);
  EXPECT_EQ(m->GetShop(0), nullptr) << "the harbour's slot is free";
  EXPECT_EQ(m->GetVehContent(0), nullptr);
  EXPECT_EQ(m->GetAIPoint(0), nullptr);
  ASSERT_NE(m->GetShop(m->Cells[7][11].Shop), nullptr);
  EXPECT_EQ(m->GetShop(m->Cells[7][11].Shop)->Name, "Mill");
  EXPECT_EQ(m->DFLayers[7].size(), DFRecordSize);
  EXPECT_EQ(GetU16(m->DFLayers[7], 0), PosCode(0, 8));
  // No record is left without its cell; only the four new columns have no
  // terrain yet.
  const TCheckReport report = CheckMission(*m);
  ASSERT_EQ(report.Problems.size(), 1u);
  EXPECT_EQ(report.Problems[0].Kind, TCheckKind::NoTerrain);
  EXPECT_EQ(report.Problems[0].Places.size(), 4u * 16u);
  EXPECT_EQ(report.Problems[0].Places[0].Cell, (TPoint{20, 0}));

  // A resize that keeps every cell loses nothing.
  EXPECT_FALSE(ResizeLoss(*Furnished(), {{64, 64}, {34, 44}}).Any());
  EXPECT_EQ(ResizeLoss(*Furnished(), {{64, 64}, {34, 44}}), TResizeLoss{});
}

TEST(MapResizeTest, GrowingOnAnySideAndShrinkingBackGivesTheSameFiles) {
  test::TempDir tmp;
  auto original = Furnished();
  original->SaveNames = true;
  original->SaveAs(tmp.File("original.dat"));
  const ByteStream missionBytes = ReadWholeFile(tmp.File("original.dat"));
  const ByteStream namesBytes = ReadWholeFile(original->NamesFileName);
  for (int column = 0; column < 3; ++column)
    for (int row = 0; row < 3; ++row) {
      SCOPED_TRACE(testing::Message() << "anchor " << column << ", " << row);
      auto m = Furnished();
      m->SaveNames = true;
      const TPoint offset = AnchorOffset({30, 20}, {64, 51}, column, row);
      ResizeMap(*m, {{64, 51}, offset});
      ResizeMap(*m, {{30, 20}, {-offset.x, -offset.y}});
      const std::string name = "grown" + std::to_string(column) + std::to_string(row) + ".dat";
      m->SaveAs(tmp.File(name));
      EXPECT_EQ(ReadWholeFile(tmp.File(name)), missionBytes);
      EXPECT_EQ(ReadWholeFile(m->NamesFileName), namesBytes);
    }
}

}  // namespace
}  // namespace vh
