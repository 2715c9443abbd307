#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>

#include "base/Anomaly.h"
#include "base/Errors.h"
#include "graphics/PictureSets.h"
#include "support/FakeGraphics.h"

namespace vh {
namespace {

using test::FakeLibraryPicture;
using test::TempDir;

TEST(LayerComboTable, SelectsPictureAndTransformPerNeighbourMask) {
  auto picture = [](int mask) { return LayerComboTable[static_cast<size_t>(mask)] & 63; };
  auto flip = [](int mask) { return (LayerComboTable[static_cast<size_t>(mask)] & LayerComboFlip) != 0; };
  auto mirror = [](int mask) { return (LayerComboTable[static_cast<size_t>(mask)] & LayerComboMirror) != 0; };
  EXPECT_EQ(picture(0), 0);
  EXPECT_FALSE(flip(0) || mirror(0));
  EXPECT_EQ(picture(63), 22);
  EXPECT_FALSE(flip(63) || mirror(63));
  // Up and down: one picture, the second flipped.
  EXPECT_EQ(picture(1), picture(8));
  EXPECT_FALSE(flip(1) || mirror(1));
  EXPECT_TRUE(flip(8) && !mirror(8));
  // Upper right, lower right, upper left, lower left: one picture in the
  // four orientations.
  for (int mask : {2, 4, 32, 16})
    EXPECT_EQ(picture(mask), 2) << mask;
  EXPECT_FALSE(flip(2) || mirror(2));
  EXPECT_TRUE(flip(4) && !mirror(4));
  EXPECT_TRUE(!flip(32) && mirror(32));
  EXPECT_TRUE(flip(16) && mirror(16));
  for (int mask = 0; mask < NeighbourMaskCount; ++mask)
    EXPECT_LT(picture(mask), 24) << mask;
}

// Loads the fake installation once; every test below reads the result.
class LoadedSets : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    test::WriteFakeInstallation(dir_->File("game"), dir_->File("prog"), {.UnitRecords = 9});
    TLibraryTable table = DefaultLibraryTable();
    sets_ = new TPictureSets;
    try {
      OpenLibraries(dir_->File("game"), table);
      LoadGameGraphics(*sets_, table, dir_->File("prog"));
    } catch (...) {
      CloseLibraries(table);
      throw;
    }
    CloseLibraries(table);
  }
  static void TearDownTestSuite() {
    delete sets_;
    delete dir_;
  }
  static const TPictureSets& Sets() { return *sets_; }

private:
  static inline TempDir* dir_ = nullptr;
  static inline TPictureSets* sets_ = nullptr;
};

THexPicture Outlined(THexPicture p) {
  FillHexOutside(p, OutsideColour);
  return p;
}

TEST_F(LoadedSets, PartPicturesAreTheRecordsWithTheOutsideFilled) {
  ASSERT_TRUE(Sets().Loaded);
  ASSERT_EQ(Sets().PartPictures.size(), size_t{PartPictureCount});
  for (int i : {0, 1, 700, 1334})
    EXPECT_EQ(Sets().PartPictures[static_cast<size_t>(i)], Outlined(FakeLibraryPicture(libPart, i))) << i;
}

TEST_F(LoadedSets, UnitPicturesUseEveryOtherRecordAndDropAnOddLastOne) {
  // Nine records: types 0..3 from records 0, 2, 4, 6; record 8 is unused.
  ASSERT_EQ(Sets().UnitPictures.size(), 4u);
  for (int type = 0; type < 4; ++type) {
    const THexPicture raw = FakeLibraryPicture(libUnit, 2 * type);
    const THexPicture& got = Sets().UnitPictures[static_cast<size_t>(type)];
    int blacks = 0, keys = 0;
    for (int r = 0; r < HexSize; ++r)
      for (int c = 0; c < HexSize; ++c) {
        const uint8_t v = raw.At(r, c);
        uint8_t expected = v == 0 ? EmptyCellColour : v == UnitKeyColour ? 0 : v;
        if (!InsideHexOutline(r, c)) {
          expected = OutsideColour;
        } else {
          blacks += v == 0 ? 1 : 0;
          keys += v == UnitKeyColour ? 1 : 0;
        }
        EXPECT_EQ(got.At(r, c), expected) << "type " << type << " at " << r << "," << c;
      }
    // The fake records hold both colours inside the outline, so both
    // replacements and their order were really exercised.
    EXPECT_GT(blacks, 0);
    EXPECT_GT(keys, 0);
  }
}

TEST_F(LoadedSets, LayerPicturesFollowTheCombinationTable) {
  for (int k = 0; k < LayerKindCount; ++k) {
    SCOPED_TRACE("layer set " + std::to_string(k));
    const auto& set = Sets().LayerPictures[static_cast<size_t>(k)];
    const int lib = libLayer0 + k;
    EXPECT_EQ(set[0], Outlined(FakeLibraryPicture(lib, 0)));
    EXPECT_EQ(set[63], Outlined(FakeLibraryPicture(lib, 22)));
    THexPicture flipped = set[1];
    FlipVertical(flipped);
    EXPECT_EQ(set[8], flipped);
    const THexPicture plain = Outlined(FakeLibraryPicture(lib, 2));
    EXPECT_EQ(set[2], plain);
    THexPicture p = plain;
    FlipVertical(p);
    EXPECT_EQ(set[4], p);
    p = plain;
    MirrorHorizontal(p);
    EXPECT_EQ(set[32], p);
    FlipVertical(p);
    EXPECT_EQ(set[16], p);
    for (int m = 0; m < NeighbourMaskCount; ++m) {
      const uint8_t e = LayerComboTable[static_cast<size_t>(m)];
      EXPECT_EQ(set[static_cast<size_t>(m)], CombineLayerPicture(FakeLibraryPicture(lib, e & 63), e)) << m;
    }
  }
}

TEST_F(LoadedSets, CursorsAndPaletteComeUnconvertedFromTheirRecords) {
  for (int phase = 0; phase < CursorPhaseCount; ++phase)
    EXPECT_EQ(Sets().CursorPictures[static_cast<size_t>(phase)], FakeLibraryPicture(libCursor, phase));
  const ByteStream rgb = test::FakePaletteRecord(1);  // record 1, not 0
  for (size_t i = 0; i < 256; ++i)
    EXPECT_EQ(Sets().GamePalette[i], (TPaletteEntry{rgb[3 * i + 2], rgb[3 * i + 1], rgb[3 * i], 0})) << i;
}

TEST_F(LoadedSets, ToolMarksTurnTheirColour240IntoTheOutsideColour) {
  for (int part = 1; part <= ToolPartCount; ++part) {
    THexPicture expected = test::FakeToolPart(part);
    if (part == tpDFMark || part == tpCellMark || part == tpRemovedObjectMark)
      ReplaceColour(expected, ToolMarkColour, OutsideColour);
    EXPECT_EQ(Sets().ToolPictures[static_cast<size_t>(part)], expected) << "part " << part;
  }
  EXPECT_EQ(&Sets().DFMark(), &Sets().ToolPictures[1]);
  EXPECT_EQ(&Sets().CellMark(), &Sets().ToolPictures[2]);
  EXPECT_EQ(&Sets().RemovedObjectMark(), &Sets().ToolPictures[6]);
  EXPECT_EQ(&Sets().EdgePictures(5), &Sets().ToolPictures[12]);
}

TEST_F(LoadedSets, GridPictureHoldsTheThreeLowerSidesInGridColourOnTransparent) {
  const THexPicture& grid = Sets().GridPicture;
  int lines = 0;
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      bool drawn = false;
      for (int part : {9, 10, 11})
        drawn = drawn || Sets().ToolPictures[static_cast<size_t>(part)].At(r, c) != 0;
      EXPECT_NE(grid.At(r, c), OutsideColour);
      EXPECT_EQ(grid.At(r, c), drawn ? GridColour : 0) << r << "," << c;
      lines += drawn ? 1 : 0;
    }
  EXPECT_GT(lines, 20);
}

TEST_F(LoadedSets, EdgeCombosOverlayTheSidesOfTheirMask) {
  EXPECT_EQ(Sets().EdgeCombos[0], THexPicture::Filled(0));
  for (int side = 0; side < 6; ++side)
    EXPECT_EQ(Sets().EdgeCombos[static_cast<size_t>(1 << side)], Sets().EdgePictures(side)) << side;
  THexPicture both = Sets().EdgePictures(0);
  OverlayPicture(both, Sets().EdgePictures(3), 0);
  EXPECT_EQ(Sets().EdgeCombos[9], both);
}

TEST_F(LoadedSets, FixedCellsAndTheMaskFollowTheOutline) {
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      const bool in = InsideHexOutline(r, c);
      EXPECT_EQ(Sets().EmptyHex.At(r, c), in ? 0 : OutsideColour);
      EXPECT_EQ(Sets().BackgroundHex.At(r, c), in ? EmptyCellColour : OutsideColour);
      EXPECT_EQ(Sets().HexMaskBitmap.At(r, c), in ? 1 : 0);
    }
}

TEST_F(LoadedSets, MissingPictureIsOpaqueTwoColouredAndImmuneToOwnerColours) {
  const THexPicture& m = Sets().MissingPicture;
  std::set<uint8_t> colours;
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      if (!InsideHexOutline(r, c)) {
        EXPECT_EQ(m.At(r, c), OutsideColour);
        continue;
      }
      EXPECT_GE(m.At(r, c), 8) << "must be neither transparent nor an owner colour";
      EXPECT_NE(m.At(r, c), OutsideColour);
      colours.insert(m.At(r, c));
    }
  EXPECT_EQ(colours.size(), 2u);
  THexPicture recoloured = m;
  RecolourForOwner(recoloured, 3);
  EXPECT_EQ(recoloured, m);
}

TEST_F(LoadedSets, NumbersBeyondTheSetsGiveTheMissingPicture) {
  EXPECT_EQ(&Sets().Part(1334), &Sets().PartPictures[1334]);
  EXPECT_EQ(&Sets().Part(1335), &Sets().MissingPicture);
  EXPECT_EQ(&Sets().Part(-1), &Sets().MissingPicture);
  EXPECT_EQ(&Sets().Unit(3), &Sets().UnitPictures[3]);
  EXPECT_EQ(&Sets().Unit(4), &Sets().MissingPicture);
  EXPECT_EQ(&Sets().Unit(255), &Sets().MissingPicture);
}

class CollectAnomalies : public AnomalySink {
public:
  std::vector<std::string> seen;
  void Anomaly(const std::string& what) override { seen.push_back(what); }
};

TEST(LoadGameGraphics, AFailedAttemptLeavesThePreviousSetsAndNamesTheFile) {
  TempDir dir;
  test::WriteFakeInstallation(dir.File("game"), dir.File("prog"));
  auto sets = std::make_unique<TPictureSets>();
  sets->PartPictures.assign(3, THexPicture::Filled(42));
  std::filesystem::remove(dir.File("prog/TOOLS.DAT"));
  TLibraryTable table = DefaultLibraryTable();
  OpenLibraries(dir.File("game"), table);
  try {
    LoadGameGraphics(*sets, table, dir.File("prog"));
    FAIL() << "loading without TOOLS.DAT succeeded";
  } catch (const EVhError& e) {
    EXPECT_NE(std::string(e.what()).find("TOOLS.DAT"), std::string::npos) << e.what();
  }
  CloseLibraries(table);
  EXPECT_FALSE(sets->Loaded);
  EXPECT_EQ(sets->PartPictures.size(), 3u);
}

TEST(LoadGameGraphics, FindsToolsDatInAnyCaseAndToleratesAnOddSizedPart) {
  TempDir dir;
  test::WriteFakeInstallation(dir.File("game"), dir.File("prog"));
  ByteStream tools = test::FakeToolsFile();
  PutU16(tools, 4 + 6 * 4 + 4, 100);  // part 4 is only 100 bytes long
  std::filesystem::remove(dir.File("prog/TOOLS.DAT"));
  test::WriteFile(dir.File("prog/tools.dat"), tools);

  CollectAnomalies anomalies;
  ScopedAnomalySink scope(&anomalies);
  TLibraryTable table = DefaultLibraryTable();
  OpenLibraries(dir.File("game"), table);
  auto sets = std::make_unique<TPictureSets>();
  LoadGameGraphics(*sets, table, dir.File("prog"));
  CloseLibraries(table);
  ASSERT_EQ(anomalies.seen.size(), 1u);
  EXPECT_NE(anomalies.seen[0].find("100 bytes"), std::string::npos) << anomalies.seen[0];
  const THexPicture full = test::FakeToolPart(4);
  EXPECT_TRUE(
      std::equal(full.Pixels.begin(), full.Pixels.begin() + 100, sets->ToolPictures[4].Pixels.begin()));
  EXPECT_TRUE(std::all_of(sets->ToolPictures[4].Pixels.begin() + 100, sets->ToolPictures[4].Pixels.end(),
                          [](uint8_t v) { return v == 0; }));
}

TEST(LoadGameGraphics, TheProcessWideSetsLoadAndFree) {
  TempDir dir;
  test::WriteFakeInstallation(dir.File("game"), dir.File("prog"), {.UnitRecords = 128});
  OpenLibraries(dir.File("game"));
  LoadGameGraphics(dir.File("prog"));
  CloseLibraries();
  EXPECT_TRUE(GamePictures().Loaded);
  EXPECT_EQ(GamePictures().UnitPictures.size(), 64u);
  FreeGameGraphics();
  EXPECT_FALSE(GamePictures().Loaded);
  EXPECT_TRUE(GamePictures().PartPictures.empty());
  EXPECT_TRUE(GamePictures().UnitPictures.empty());
}

TEST(NearestPaletteIndex, FindsTheClosestColourAndTheLowestIndexOnTies) {
  TPalette pal{};
  pal[10] = {32, 80, 16, 0};  // blue, green, red
  pal[20] = {32, 80, 16, 0};
  pal[30] = {30, 80, 17, 0};
  EXPECT_EQ(NearestPaletteIndex(pal, 16, 80, 32), 10);
  EXPECT_EQ(NearestPaletteIndex(pal, 17, 80, 31), 30);
  EXPECT_EQ(NearestPaletteIndex(pal, 0, 0, 0), 0);
}

}  // namespace
}  // namespace vh
