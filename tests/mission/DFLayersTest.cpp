#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "base/Anomaly.h"
#include "base/Errors.h"
#include "mission/DFLayers.h"
#include "mission/StdData.h"
#include "support/MissionBytes.h"

namespace vh {
namespace {

// Layer records are called plain Record here: this file is about nothing else.
constexpr auto Record = test::LayerRecord;

ByteStream Concat(std::initializer_list<ByteStream> parts) {
  ByteStream all;
  for (const ByteStream& p : parts)
    AppendBytes(all, p);
  return all;
}

struct CollectingSink : AnomalySink {
  std::vector<std::string> seen;
  void Anomaly(const std::string& what) override { seen.push_back(what); }
};

TEST(DFLayerStore, WritesChangedCellsInRowOrderWithOwnerMasks) {
  TMission m;
  m.SetSize({10, 10});
  m.DFCells[2][1] = {5, -2, 0xFF, 0xFF};
  m.DFCells[0][9] = {-1, -1, 0xFF, 0xFF};  // removes an object
  m.DFCells[2][0] = {-1, -2, 12, 3};
  m.DFCells[9][9] = NoChangeDFCell;  // painted back: not written
  m.DFCells[20][20] = {1, 1, 1, 1};  // outside the map: not written
  m.StoreDFLayer();
  EXPECT_EQ(m.DFLayers[0], Concat({Record(9, -1, -1, 0xFF, 0xFF), Record(128, -1, -2, 12, 0x08),
                                   Record(129, 5, -2, 0xFF, 0xFF)}));
}

TEST(DFLayerLoad, PlacesRecordsLaterOnesWinningAndDecodesMasks) {
  TMission m;
  m.SetSize({8, 8});
  m.DFLayers[4] = Concat({Record(PosCode(3, 2), 7, -2, 0xFF, 0xFF), Record(4095, 9, 9, 9, 0x40),
                          Record(PosCode(3, 2), 8, -1, 2, 0x00), Record(PosCode(1, 1), -1, -2, 4, 0x20)});
  m.DFLayers[4].push_back(0xAA);   // trailing partial record is ignored
  m.DFCells[0][0] = {1, 1, 1, 1};  // stale working state is cleared
  m.LoadDFLayer(4);
  EXPECT_EQ(m.DFNr, 4);
  EXPECT_FALSE(m.DFCells[0][0].IsChange());
  EXPECT_EQ(m.DFCells[2][3], (TDFCell{8, -1, 2, NoSide}));  // mask 0 is no side
  EXPECT_EQ(m.DFCells[1][1], (TDFCell{-1, -2, 4, 5}));
  // Outside the map but inside the grid: placed, and dropped by the next store.
  EXPECT_EQ(m.DFCells[63][63], (TDFCell{9, 9, 9, 6}));
  m.StoreDFLayer();
  EXPECT_EQ(m.DFLayers[4],
            Concat({Record(PosCode(1, 1), -1, -2, 4, 0x20), Record(PosCode(3, 2), 8, -1, 2, 0xFF)}));
}

TEST(DFLayerLoad, RowsBeyondTheGridAndLayersBeyond31AreRangeErrors) {
  TMission m;
  m.SetSize({8, 8});
  m.DFLayers[0] = Record(64 * 64, 1, 1, 1, 1);
  EXPECT_THROW(m.LoadDFLayer(0), ERangeError);
  EXPECT_THROW(m.LoadDFLayer(32), ERangeError);
  EXPECT_THROW(m.SelectDFLayer(32), ERangeError);
}

TEST(DFLayerCounts, CellsEachLayerChangesInsideTheMap) {
  TMission m;
  m.SetSize({8, 8});
  // Layer 4: (3, 2) twice (one cell), (1, 1), and (63, 63) outside the map.
  m.DFLayers[4] = Concat({Record(PosCode(3, 2), 7, -2, 0xFF, 0xFF), Record(4095, 9, 9, 9, 0x40),
                          Record(PosCode(3, 2), 8, -1, 2, 0x00), Record(PosCode(1, 1), -1, -2, 4, 0x20)});
  // Layer 9: a change at (2, 2) taken back by a later "no change" record, and
  // a record that is "no change" from the start.
  m.DFLayers[9] =
      Concat({Record(PosCode(2, 2), 5, -1, 0xFF, 0xFF), Record(PosCode(2, 2), -1, -2, 0xFF, 0xFF),
              Record(PosCode(5, 5), -1, -2, 0xFF, 0xFF), Record(PosCode(0, 7), -1, -1, 0xFF, 0xFF)});
  // The working layer 0 counts as its grid stands, not as stored.
  m.DFLayers[0] = Record(PosCode(0, 0), 1, -1, 0xFF, 0xFF);
  m.DFCells[1][1] = {3, -1, 0xFF, 0xFF};
  m.DFCells[1][2] = {-1, -2, 7, 2};
  m.DFCells[10][10] = {3, -1, 0xFF, 0xFF};  // outside the map
  std::array<int, DFLayerCount> expected{};
  expected[0] = 2;
  expected[4] = 2;
  expected[9] = 1;
  EXPECT_EQ(ChangeLayerCellCounts(m), expected);
  // Selecting another layer stores the grid: the counts stay.
  m.SelectDFLayer(4);
  EXPECT_EQ(ChangeLayerCellCounts(m), expected);
}

TEST(DFLayerSelect, StoresAlwaysAndSwitchesOnlyToAnotherLayer) {
  TMission m;
  m.SetSize({8, 8});
  m.DFCells[1][2].Terrain = 3;
  EXPECT_FALSE(m.SelectDFLayer(0));
  EXPECT_EQ(m.DFLayers[0], Record(PosCode(2, 1), 3, -2, 0xFF, 0xFF));
  EXPECT_EQ(m.DFCells[1][2].Terrain, 3);

  EXPECT_TRUE(m.SelectDFLayer(5));
  EXPECT_EQ(m.DFNr, 5);
  EXPECT_FALSE(m.DFCells[1][2].IsChange());
  m.DFCells[0][0].Obj = -1;
  EXPECT_TRUE(m.SelectDFLayer(0));
  EXPECT_EQ(m.DFLayers[5], Record(0, -1, -1, 0xFF, 0xFF));
  EXPECT_EQ(m.DFCells[1][2].Terrain, 3);
}

class DFChunks : public ::testing::Test {
protected:
  void TearDown() override { StdDFStream.clear(); }

  // A file prefix of `lead` bytes, then the chunks.
  static ByteStream WriteFile(const TMission& m, TDFDirectory& dir, size_t lead = 20) {
    ByteStream file(lead, 0xEE);
    WriteDFChunks(m, file, dir);
    return file;
  }
};

TEST_F(DFChunks, LayersAreWrittenDenselyAndComeBackRenumbered) {
  TMission m;
  m.SetSize({8, 8});
  m.DFLayers[3] = Record(1, 2, 3, 4, 1);
  m.DFLayers[7] = Concat({Record(2, 2, -2, 0xFF, 0xFF), Record(3, -1, -1, 0xFF, 0xFF)});
  TDFDirectory dir;
  ByteStream file = WriteFile(m, dir);
  EXPECT_EQ(dir.Count, 2);
  EXPECT_EQ(dir.Offsets[0], 24);
  EXPECT_EQ(dir.Lengths[0], 12);
  EXPECT_EQ(dir.Offsets[1], 36);
  EXPECT_EQ(dir.Lengths[1], 20);
  EXPECT_EQ(dir.Offsets[2], 0);
  EXPECT_EQ(std::string(file.begin() + 20, file.begin() + 24), "DF00");
  EXPECT_EQ(std::string(file.begin() + 32, file.begin() + 36), "DF01");
  EXPECT_EQ(file.size(), 20u + 12 + 20);

  TMission back;
  back.SetSize({8, 8});
  ByteReader reader(file, "test.dat");
  ReadDFChunks(back, reader, dir);
  EXPECT_EQ(back.DFLayers[0], m.DFLayers[3]);
  EXPECT_EQ(back.DFLayers[1], m.DFLayers[7]);
  for (int i = 2; i < DFLayerCount; ++i)
    EXPECT_TRUE(back.DFLayers[i].empty());
  EXPECT_EQ(back.DFCells[0][1], (TDFCell{2, 3, 4, 0}));  // layer 0 expanded
}

TEST_F(DFChunks, WithoutChangesTheStandardLayerIsWrittenAsDF00) {
  TMission m;
  m.SetSize({8, 8});
  StdDFStream = Record(5, 1, -2, 0xFF, 0xFF);
  TDFDirectory dir;
  ByteStream file = WriteFile(m, dir, 0);
  EXPECT_EQ(dir.Count, 1);
  EXPECT_EQ(file, Concat({ByteStream{'D', 'F', '0', '0'}, StdDFStream}));

  StdDFStream.clear();
  file = WriteFile(m, dir, 0);
  EXPECT_EQ(file, (ByteStream{'D', 'F', '0', '0'}));
  EXPECT_EQ(dir.Lengths[0], 4);
  TMission back;
  ByteReader reader(file, "bare.dat");
  ReadDFChunks(back, reader, dir);
  EXPECT_TRUE(back.DFLayers[0].empty());
}

TEST_F(DFChunks, EntriesWithPartialRecordsAreSkipped) {
  ByteStream file = Concat({ByteStream{'D', 'F', '0', '0'}, Record(1, 1, 1, 1, 1), ByteStream(4, 0)});
  TDFDirectory dir;
  dir.Count = 2;
  dir.Offsets = {4, 4};
  dir.Lengths = {4 + 9, 4 + 8};
  TMission m;
  ByteReader reader(file, "partial.dat");
  ReadDFChunks(m, reader, dir);
  EXPECT_TRUE(m.DFLayers[0].empty());
  EXPECT_EQ(m.DFLayers[1], Record(1, 1, 1, 1, 1));
}

TEST_F(DFChunks, EntriesPointingOutsideTheFileAreReadErrors) {
  ByteStream file(16, 0);
  TDFDirectory dir;
  dir.Count = 1;
  dir.Offsets[0] = 12;
  dir.Lengths[0] = 4 + 8;  // 8 bytes from offset 12 of a 16-byte file
  TMission m;
  ByteReader reader(file, "short.dat");
  EXPECT_THROW(ReadDFChunks(m, reader, dir), EReadError);
  dir.Offsets[0] = -4;
  EXPECT_THROW(ReadDFChunks(m, reader, dir), EReadError);
}

TEST_F(DFChunks, MoreThan32LayersBeepThenFailAtEntry32) {
  ByteStream file = {'D', 'F', '0', '0'};
  TDFDirectory dir;
  dir.Count = 33;
  dir.Offsets.fill(4);
  dir.Lengths.fill(4);
  CollectingSink sink;
  ScopedAnomalySink scope(&sink);
  TMission m;
  ByteReader reader(file, "many.dat");
  EXPECT_THROW(ReadDFChunks(m, reader, dir), ERangeError);
  ASSERT_EQ(sink.seen.size(), 1u);
  EXPECT_NE(sink.seen[0].find("33"), std::string::npos);
  EXPECT_NE(sink.seen[0].find("many.dat"), std::string::npos);
}

}  // namespace
}  // namespace vh
