#include <gtest/gtest.h>

#include "base/Errors.h"
#include "hexmap/HexGeometry.h"
#include "support/FakeGraphics.h"
#include "support/TempDir.h"
#include "tools/PaletteEdits.h"
#include "tools/SelectionFileBytes.h"
#include "tools/SelectionPages.h"

namespace vh {
namespace {

using test::SelectionFileBytes;

TSelectionPage PageOf(std::initializer_list<std::pair<TPoint, int16_t>> entries) {
  TSelectionPage p;
  for (const auto& [cell, value] : entries)
    p.At(cell) = value;
  return p;
}

// --- Files -------------------------------------------------------------------

TEST(SelectionFile, LayoutIconPageGroupsRowByRowEntriesColumnByColumn) {
  ByteStream bytes(SelectionFileSize, 0xFF);
  const auto put = [&](size_t offset, uint16_t v) {
    bytes[offset] = static_cast<uint8_t>(v);
    bytes[offset + 1] = static_cast<uint8_t>(v >> 8);
  };
  // Icon page: column 3, row 2 at byte 3 * 12 + 2 * 2.
  put(3 * 12 + 2 * 2, 700);
  // Group page 1 (icon column 1, row 0) and 12 (icon column 0, row 1).
  put(144 + 1 * 144 + 5 * 12 + 4 * 2, 11);
  put(144 + 12 * 144, 1234);
  put(144 + 71 * 144 + 11 * 12 + 5 * 2, 1334);

  const TSelectionFile f = ParseSelectionFile(bytes, "terrain.sel");
  EXPECT_EQ(f.GroupIndex.At({3, 2}), 700);
  EXPECT_EQ(f.GroupIndex.At({2, 3}), -1);
  EXPECT_EQ(f.GroupAt({1, 0}).At({5, 4}), 11);
  EXPECT_EQ(f.GroupAt({0, 1}).At({0, 0}), 1234);
  EXPECT_EQ(f.GroupAt({11, 5}).At({11, 5}), 1334);
  EXPECT_EQ(f.GroupAt({1, 0}).At({4, 5}), -1);
  // The two orders: group page 12 is icon column 0, row 1, not column 2.
  EXPECT_EQ(TSelectionFile::GroupNumber({0, 1}), 12u);
  EXPECT_EQ(TSelectionFile::GroupNumber({1, 0}), 1u);

  // A longer file is read up to its layout's end.
  bytes.resize(SelectionFileSize + 10, 0);
  EXPECT_EQ(ParseSelectionFile(bytes, "x").GroupAt({0, 1}).At({0, 0}), 1234);
}

TEST(SelectionFile, MissingOrShortFilesNameTheFile) {
  test::TempDir dir;
  try {
    ReadSelectionFile(SelectionFilePath(dir.Path(), "terrain.sel"));
    FAIL() << "a missing file was read";
  } catch (const EInOutError& e) {
    EXPECT_NE(std::string(e.what()).find("terrain.sel"), std::string::npos) << e.what();
  }
  test::WriteFile(dir.File("objekt.sel"), ByteStream(SelectionFileSize - 1, 0));
  try {
    ReadSelectionFile(SelectionFilePath(dir.Path(), "objekt.sel"));
    FAIL() << "a short file was read";
  } catch (const EInOutError& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find("objekt.sel"), std::string::npos) << what;
    EXPECT_NE(what.find("10511 of 10512"), std::string::npos) << what;
  }
}

TEST(SelectionFile, ReadsThroughTheProgramDirectoryWithOrWithoutSeparator) {
  test::TempDir dir;
  TSelectionFile f;
  f.GroupIndex.At({0, 0}) = 5;
  f.Groups[7].At({2, 1}) = 99;
  test::WriteFile(dir.File("TERRAIN.SEL"), SelectionFileBytes(f));
  // The installation's file may differ in case.
  EXPECT_EQ(ReadSelectionFile(SelectionFilePath(dir.Path(), "terrain.sel")).Groups, f.Groups);
  EXPECT_EQ(ReadSelectionFile(SelectionFilePath(dir.Path() + "/", "terrain.sel")).GroupIndex, f.GroupIndex);
}

// --- Units -------------------------------------------------------------------

TEST(UnitPage, TypesRowByRowAndTheValuesTheyPaint) {
  const TSelectionPage p = UnitSelectionPage();
  EXPECT_EQ(p.At({0, 0}), 0);
  EXPECT_EQ(p.At({5, 0}), 5);
  EXPECT_EQ(p.At({1, 1}), 13);
  EXPECT_EQ(p.At({5, 4}), 53);
  EXPECT_EQ(p.At({3, 5}), 63);
  for (int x = 4; x < SelCols; ++x)
    EXPECT_EQ(p.At({x, 5}), -1) << x;
  EXPECT_EQ(p.At(NoUnitCell), -1);

  EXPECT_EQ(UnitValue(5, 2), 0x0205);
  EXPECT_EQ(UnitValue(0, 0), 0x0000);
  EXPECT_EQ(UnitValue(63, 5), 0x053F);
  for (int owner = 0; owner < PlayerCount; ++owner) {
    EXPECT_EQ(UnitValue(53, owner), 0x0635) << owner;
    EXPECT_EQ(UnitValue(-1, owner), 0xFFFF) << owner;
  }
}

// --- Multi-selection -----------------------------------------------------------

TEST(MultiSelection, ConnectedRegionByHexSidesWithItsBorders) {
  // (2,2) and (3,2): column 3 is odd and lower, so (3,2) touches (2,2) on
  // its lower right side and (3,3) lies below it. (4,4) touches (3,3) on
  // the lower right (odd column 3: lower right is (4, 4)). (6,2) is apart.
  const TSelectionPage page = PageOf({{{2, 2}, 10}, {{3, 2}, 11}, {{3, 3}, 12}, {{4, 4}, 13}, {{6, 2}, 14}});
  TMultiSelState s;
  ASSERT_TRUE(SelectConnected(page, {3, 3}, s));
  EXPECT_TRUE(s.Active);
  EXPECT_EQ(s.Sel.AnchorX, 3);
  EXPECT_EQ(s.Sel.AnchorY, 3);
  TMultiSelection expected;
  expected.AnchorX = 3;
  expected.AnchorY = 3;
  expected.At(2, 2) = 10;
  expected.At(3, 2) = 11;
  expected.At(3, 3) = 12;
  expected.At(4, 4) = 13;
  EXPECT_EQ(s.Sel, expected);
  EXPECT_FALSE(s.Selected({6, 2}));

  // Bit d set where the neighbour in direction d is not selected.
  EXPECT_EQ(s.Border({2, 2}), 0x3F & ~(1 << dirLowerRight));
  EXPECT_EQ(s.Border({3, 2}), 0x3F & ~(1 << dirUpperLeft | 1 << dirDown));
  EXPECT_EQ(s.Border({3, 3}), 0x3F & ~(1 << dirUp | 1 << dirLowerRight));
  EXPECT_EQ(s.Border({4, 4}), 0x3F & ~(1 << dirUpperLeft));
}

TEST(MultiSelection, IsolatedCellGridEdgesAndEmptyAnchor) {
  const TSelectionPage page = PageOf({{{6, 2}, 14}, {{0, 0}, 1}, {{1, 0}, 2}, {{11, 5}, 3}});
  TMultiSelState s;
  ASSERT_TRUE(SelectConnected(page, {6, 2}, s));
  EXPECT_EQ(s.Border({6, 2}), 0x3F);
  int selected = 0;
  for (int16_t p : s.Sel.Pictures)
    selected += p != -1;
  EXPECT_EQ(selected, 1);

  // Sides beyond the grid count as border too.
  ASSERT_TRUE(SelectConnected(page, {1, 0}, s));
  EXPECT_EQ(s.Border({0, 0}), 0x3F & ~(1 << dirLowerRight));
  EXPECT_EQ(s.Border({1, 0}), 0x3F & ~(1 << dirUpperLeft));
  ASSERT_TRUE(SelectConnected(page, {11, 5}, s));
  EXPECT_EQ(s.Border({11, 5}), 0x3F);

  EXPECT_FALSE(SelectConnected(page, {5, 5}, s));
  EXPECT_FALSE(s.Active);
  EXPECT_TRUE(s.Sel.IsEmpty());
}

TEST(MultiSelection, RegionGrowsAgainstTheScanOrder) {
  // A snake that winds back up and left: a single pass would miss cells
  // that join only through cells further down the scan.
  const TSelectionPage page = PageOf({{{0, 5}, 1},
                                      {{1, 4}, 2},
                                      {{2, 4}, 3},
                                      {{3, 3}, 4},
                                      {{3, 2}, 5},
                                      {{3, 1}, 6},
                                      {{2, 1}, 7},
                                      {{1, 0}, 8},
                                      {{0, 0}, 9}});
  TMultiSelState s;
  ASSERT_TRUE(SelectConnected(page, {0, 5}, s));
  for (int x = 0; x < SelCols; ++x)
    for (int y = 0; y < SelRows; ++y)
      EXPECT_EQ(s.Selected({x, y}), page.At({x, y}) != -1) << x << "," << y;
}

TEST(MultiSelection, CursorCarriesTheAnchorInsideAndDropsOutside) {
  const TSelectionPage page = PageOf({{{2, 2}, 10}, {{3, 2}, 11}, {{7, 1}, 9}});
  TMultiSelState s;
  EXPECT_EQ(FollowCursor(s, {2, 2}), TCursorFollow::Inactive);
  ASSERT_TRUE(SelectConnected(page, {2, 2}, s));
  const TMultiSelection before = s.Sel;
  EXPECT_EQ(FollowCursor(s, {3, 2}), TCursorFollow::Anchored);
  EXPECT_EQ(s.Sel.AnchorX, 3);
  EXPECT_EQ(s.Sel.AnchorY, 2);
  EXPECT_EQ(s.Sel.Pictures, before.Pictures);
  EXPECT_EQ(FollowCursor(s, {7, 1}), TCursorFollow::Dropped);
  EXPECT_FALSE(s.Active);
}

// --- Picking -------------------------------------------------------------------

TEST(PickSearch, CursorThenCurrentGroupThenGroupsRowByRow) {
  TSelectionFile f;
  f.Groups[TSelectionFile::GroupNumber({0, 0})] = PageOf({{{4, 1}, 50}, {{1, 3}, 50}, {{9, 0}, 60}});
  f.Groups[TSelectionFile::GroupNumber({5, 0})] = PageOf({{{2, 2}, 70}});
  f.Groups[TSelectionFile::GroupNumber({1, 1})] = PageOf({{{0, 0}, 70}, {{3, 3}, 80}});
  f.Groups[TSelectionFile::GroupNumber({0, 2})] = PageOf({{{6, 0}, 80}});

  // Under the cursor already: nothing moves, even with an earlier match.
  EXPECT_EQ(FindPicture(f, {0, 0}, {1, 3}, 50), (TPickPlace{{0, 0}, {1, 3}}));
  // In the current page: the first row by row ((4,1) before (1,3)).
  EXPECT_EQ(FindPicture(f, {0, 0}, {0, 0}, 50), (TPickPlace{{0, 0}, {4, 1}}));
  // Current page wins over a lower group.
  EXPECT_EQ(FindPicture(f, {1, 1}, {0, 0}, 80), (TPickPlace{{1, 1}, {3, 3}}));
  // Elsewhere: lowest group row first, then column.
  EXPECT_EQ(FindPicture(f, {0, 2}, {0, 0}, 70), (TPickPlace{{5, 0}, {2, 2}}));
  EXPECT_EQ(FindPicture(f, {3, 3}, {0, 0}, 80), (TPickPlace{{1, 1}, {3, 3}}));
  EXPECT_EQ(FindPicture(f, {0, 0}, {0, 0}, 81), std::nullopt);
}

// --- Edits of the mission ---------------------------------------------------------

TEST(PaletteEdits, TextsOfTheLists) {
  EXPECT_EQ(ShopListText(2, "Shop Nr. 2"), "(2) Shop Nr. 2");
  EXPECT_EQ(ShopListText(0, ""), "(0) ");
  TPlayers players;
  players[0].Name = "Red";
  players[6].Name = "Nobody";
  EXPECT_EQ(OwnerItemText(0, nullptr), "(1)");
  EXPECT_EQ(OwnerItemText(5, nullptr), "(6)");
  EXPECT_EQ(OwnerItemText(6, nullptr), "(--)");
  EXPECT_EQ(OwnerItemText(0, &players), "(1) Red");
  EXPECT_EQ(OwnerItemText(1, &players), "(2) ");
  EXPECT_EQ(OwnerItemText(6, &players), "(--) Nobody");
}

TEST(PaletteEdits, CargoRecordCreatedOnceAndReusedWhenEmptied) {
  TMission m;
  m.SetSize({8, 8});
  const TPoint cell{3, 4};
  std::array<int16_t, 8> units{};
  units.fill(-1);
  units[0] = 7;
  TCargoWrite w = StoreCargo(m, cell, -1, true, units);
  EXPECT_TRUE(w.Created);
  EXPECT_EQ(w.Target, 0);
  EXPECT_EQ(m.Cell(cell).VehContent, 0);
  EXPECT_EQ(m.GetVehContent(0)->Units, units);

  // Emptied by clicks: the record stays, all -1.
  units.fill(-1);
  w = StoreCargo(m, cell, 0, false, units);
  EXPECT_FALSE(w.Created);
  EXPECT_EQ(w.Target, 0);
  EXPECT_EQ(m.GetVehContent(0)->Units, units);

  // Filled again from empty: the same record, no second one.
  units[5] = 12;
  const uint64_t before = m.ChangeCount;
  w = StoreCargo(m, cell, 0, true, units);
  EXPECT_FALSE(w.Created);
  EXPECT_EQ(w.Target, 0);
  EXPECT_EQ(m.VehContents.size(), 1u);
  EXPECT_EQ(m.GetVehContent(0)->Units[5], 12);
  EXPECT_EQ(m.ChangeCount, before + 1);
}

TEST(PaletteEdits, ShopDeletedWhereverItLies) {
  TMission m;
  m.SetSize({8, 8});
  m.NewShop({1, 1});
  m.NewShop({5, 2});
  m.NewShop({6, 6});
  m.Cell({6, 6}).Shop = -1;  // shop 2 on no cell, as a damaged file may have it

  EXPECT_EQ(DeleteShopAnywhere(m, 1), (TPoint{5, 2}));
  EXPECT_EQ(m.Cell({5, 2}).Shop, -1);
  EXPECT_EQ(m.GetShop(1), nullptr);
  const uint64_t before = m.ChangeCount;
  EXPECT_EQ(DeleteShopAnywhere(m, 2), (TPoint{-1, -1}));
  EXPECT_EQ(m.GetShop(2), nullptr);
  EXPECT_GT(m.ChangeCount, before);
  EXPECT_NE(m.GetShop(0), nullptr);
  EXPECT_EQ(m.Cell({1, 1}).Shop, 0);
}

TEST(PaletteEdits, AIValuesBeyond16BitsAreIgnored) {
  TMission m;
  TAIPointRec p;
  EXPECT_TRUE(StoreAIValue(m, p, aiv0A, 65535));
  EXPECT_EQ(p.AI0A, 65535);
  EXPECT_FALSE(StoreAIValue(m, p, aiv0A, 65536));
  EXPECT_FALSE(StoreAIValue(m, p, aiv0A, 99999));
  EXPECT_FALSE(StoreAIValue(m, p, aiv0A, -1));
  EXPECT_EQ(p.AI0A, 65535);
  EXPECT_TRUE(StoreAIValue(m, p, aiv48, 1));
  EXPECT_TRUE(StoreAIValue(m, p, aiv4A, 2));
  EXPECT_TRUE(StoreAIValue(m, p, aiv4E, 3));
  EXPECT_EQ((TAIPointRec{0, 65535, 1, 2, 3}), p);
}

}  // namespace
}  // namespace vh
