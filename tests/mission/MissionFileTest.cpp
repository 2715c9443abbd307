#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Anomaly.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Platform.h"
#include "mission/MissionFile.h"
#include "mission/StdData.h"
#include "support/MissionBytes.h"
#include "support/TempDir.h"

namespace vh {
namespace {

using test::AIRecord;
using test::ContentRecord;
using test::MissionBytes;
using test::ShopRecord;

struct CollectingSink : AnomalySink {
  std::vector<std::string> seen;
  void Anomaly(const std::string& what) override { seen.push_back(what); }
};

using test::LayerRecord;

TMission Parse(const ByteStream& file, const TShopNames& names = {}) {
  TMission m;
  ParseMissionFile(m, file, names, "test.dat");
  return m;
}

// A mission using every field, with the SHOP records deliberately
// interleaved (AI point, shop, content, shop) the way another tool might.
MissionBytes RichMission() {
  MissionBytes b;
  b.Width = 3;
  b.Height = 2;
  PutU16(b.Miss, 10, 4711);
  b.Miss[12] = 3;     // start weather
  b.Miss[13] = 0x2A;  // sides present: recomputed on save
  b.Miss[14] = 0x05;  // computer players
  b.Miss[15] = 0x99;
  for (int i = 0; i < 6; ++i)
    b.Miss[20 + i] = static_cast<uint8_t>(1 << i | 1);
  PutI16(b.Miss, 156 + 2 * 5, 0x0107);  // only the low two bits survive
  b.Miss[300] = 0xAB;                   // not interpreted, carried
  b.Terrain = {1, 2, 3, 4, 5, -1};
  b.Obj = {-1, 90, -1, 1270, -1, 7};
  b.Units = {0xFFFF, 0x0205, 0x4010, 0xFFFF, 0x0003 /* mask 0: no owner */, 0xFFFF};
  test::Record80 hq = ShopRecord(1, 1, 0x0100, 0x04);
  PutI16(hq, 12, 500);
  PutI16(hq, 14, 250);
  hq[16] = 12;
  hq[17] = 34;
  PutI16(hq, 18, 7);
  PutI16(hq, 18 + 30, 63);
  PutI16(hq, 52, 5);  // produce 5, 0 (empty), 9, 0
  PutI16(hq, 56, 9);
  PutI16(hq, 62, 1000);
  test::Record80 port = ShopRecord(64 + 2, 2, 0x0400, 0x03);  // owner mask 3: neutral
  b.Shop = {AIRecord(64, true, 1, 2, 3, 4), hq, ContentRecord(2, {1, 2, -1, -1, -1, -1, -1, 8}, 0x01), port,
            AIRecord(1, false, 0xFFFF, 0, 0, 9)};
  b.MapBody = ByteStream(80, 0x5C);
  b.Layers = {LayerRecord(1, 12, -2, 0xFF, 0xFF), ByteStream{}, LayerRecord(0, -1, -1, 4, 0x08)};
  return b;
}

TEST(MissionFileRead, EveryFieldOfARichMission) {
  MissionBytes b = RichMission();
  TShopNames names = {
      {0, 0, "Intro|Red|3|Blue|5"}, {1, 24, "Bridgehead"}, {2, 16, "Castle"}, {3, 16, "Haven"}};
  TMission m = Parse(b.Build(), names);
  EXPECT_EQ(m.Width, 3);
  EXPECT_EQ(m.Height, 2);
  EXPECT_EQ(m.NextMission, 4711);
  EXPECT_EQ(m.StartWeather, 3);
  EXPECT_EQ(m.CompPlayers, 5);
  EXPECT_EQ(m.MissByte15, 0x99);
  EXPECT_EQ(m.Allies[3], 0x09);
  EXPECT_EQ(m.StdProd[5], 3);
  EXPECT_EQ(m.MissHeader[300], 0xAB);
  EXPECT_EQ(GetI16(m.MissHeader, 156 + 10), 3);  // reduced in the header too

  EXPECT_EQ(m.Cells[0][0].Terrain, 1);
  EXPECT_EQ(m.Cells[1][2].Terrain, -1);
  EXPECT_EQ(m.Cells[0][1].Obj, 90);
  EXPECT_EQ(m.Cells[0][1].Vehicle, 5);
  EXPECT_EQ(m.Cells[0][1].VehOwner, 1);
  EXPECT_EQ(m.Cells[0][2].Vehicle, 0x10);
  EXPECT_EQ(m.Cells[0][2].VehOwner, 6);
  EXPECT_EQ(m.Cells[1][1].Vehicle, 3);
  EXPECT_EQ(m.Cells[1][1].VehOwner, NoSide);

  ASSERT_EQ(m.ShopCount(), 2);
  const TArrShop& hq = *m.GetShop(0);
  EXPECT_EQ(m.Cells[0][1].Shop, 0);
  EXPECT_EQ(hq.Nr, 0);
  EXPECT_EQ(hq.ShopType, stHQ);
  EXPECT_EQ(hq.Name, "Castle");
  EXPECT_EQ(hq.Energy, 500);
  EXPECT_EQ(hq.Material, 250);
  EXPECT_EQ(hq.EP, 12);
  EXPECT_EQ(hq.MP, 34);
  EXPECT_EQ(hq.Content[0], 7);
  EXPECT_EQ(hq.Content[1], -1);
  EXPECT_EQ(hq.Content[15], 63);
  EXPECT_EQ(hq.Produce, (std::array<int16_t, 4>{5, -1, 9, -1}));
  EXPECT_EQ(hq.Priority, 1000);
  EXPECT_EQ(hq.Owner, 2);
  EXPECT_EQ(hq.X, 0);  // filled in on save only
  const TArrShop& port = *m.GetShop(1);
  EXPECT_EQ(m.Cells[1][2].Shop, 1);
  EXPECT_EQ(port.ShopType, stPort);
  EXPECT_EQ(port.Owner, NeutralSide);
  EXPECT_EQ(port.Name, "Haven");
  EXPECT_EQ(port.Nr, 1);

  ASSERT_EQ(m.VehContents.size(), 1u);
  EXPECT_EQ(m.Cells[0][2].VehContent, 0);
  EXPECT_EQ(m.GetVehContent(0)->Units, (std::array<int16_t, 8>{1, 2, -1, -1, -1, -1, -1, 8}));
  ASSERT_EQ(m.AIPoints.size(), 2u);
  EXPECT_EQ(m.Cells[1][0].AIPoint, 0);
  EXPECT_EQ(*m.GetAIPoint(0), (TAIPointRec{1, 1, 2, 3, 4}));
  EXPECT_EQ(m.Cells[0][1].AIPoint, 1);
  EXPECT_EQ(*m.GetAIPoint(1), (TAIPointRec{0, 0xFFFF, 0, 0, 9}));

  EXPECT_EQ(m.MapRecords, ByteStream(80, 0x5C));
  EXPECT_EQ(m.DFLayers[0], LayerRecord(1, 12, -2, 0xFF, 0xFF));
  EXPECT_TRUE(m.DFLayers[1].empty());
  EXPECT_EQ(m.DFLayers[2], LayerRecord(0, -1, -1, 4, 0x08));
  EXPECT_EQ(m.DFCells[0][1].Terrain, 12);  // layer 0 expanded
}

TEST(MissionFileRead, ChunksAreFoundThroughTheDirectory) {
  MissionBytes b = RichMission();
  b.Order = {"SHOP", "ACTN", "MISS", "MAP", "DF"};
  TMission m = Parse(b.Build());
  EXPECT_EQ(m.NextMission, 4711);
  EXPECT_EQ(m.Cells[0][1].Obj, 90);
  EXPECT_EQ(m.ShopCount(), 2);
}

TEST(MissionFileRead, MapChunkLengthRule) {
  for (size_t body : {0u, 40u, 80u, 5u, 41u}) {
    for (bool withLayers : {false, true}) {
      MissionBytes b;
      b.MapBody = ByteStream(body, 1);
      if (withLayers)
        b.Layers = {LayerRecord(0, 1, -2, 0xFF, 0xFF)};
      if (body % 40 == 0) {
        TMission m = Parse(b.Build());
        EXPECT_EQ(m.MapRecords.size(), body);
      } else {
        EXPECT_THROW(Parse(b.Build()), ENoMissionFile) << body;
      }
    }
  }
}

TEST(MissionFileRead, WrongMagicOrTagsAreNoMissionFile) {
  ByteStream good = MissionBytes{}.Build();
  for (size_t at : {size_t{0}, size_t{278}, size_t{278 + 332}}) {
    ByteStream bad = good;
    bad[at] ^= 0x20;
    EXPECT_THROW(Parse(bad), ENoMissionFile) << at;
  }
  MissionBytes b;
  b.Order = {"MISS", "ACTN", "SHOP", "MAP"};
  ByteStream bad = b.Build();
  bad[bad.size() - 1] = 'X';  // "MAPX" instead of "MAP" and a zero byte
  EXPECT_THROW(Parse(bad), ENoMissionFile);
  try {
    ByteStream notMission(300, 0);
    TMission m;
    ParseMissionFile(m, notMission, {}, "/some/where/miss9.dat");
    FAIL();
  } catch (const ENoMissionFile& e) {
    EXPECT_NE(std::string(e.what()).find("No Mission File!"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("miss9.dat"), std::string::npos);
  }
}

TEST(MissionFileRead, OversizedMapIsRejectedBeforeAnyPlane) {
  MissionBytes b;
  b.Width = 65;
  b.Height = 1;
  TMission m;
  EXPECT_THROW(ParseMissionFile(m, b.Build(), {}, "big.dat"), ENoMissionFile);
  EXPECT_EQ(m.Cells[0][0], TMissionCell{});
}

TEST(MissionFileRead, EveryTruncationFailsCleanly) {
  ByteStream file = RichMission().Build();
  for (size_t len = 0; len < file.size(); ++len) {
    ByteStream cut(file.begin(), file.begin() + len);
    EXPECT_THROW(Parse(cut), EVhError) << "length " << len;
  }
}

TEST(MissionFileRead, PositionBeyondTheGridIsARangeError) {
  MissionBytes b;
  b.Shop = {ShopRecord(64 * 64, 16, 0x2000, 0x01)};
  EXPECT_THROW(Parse(b.Build()), ERangeError);
  b.Shop = {AIRecord(0xFFFF, false, 0, 0, 0, 0)};
  EXPECT_THROW(Parse(b.Build()), ERangeError);
  b.Shop = {};
  b.Layers = {LayerRecord(64 * 64 + 3, 1, 1, 1, 1)};
  EXPECT_THROW(Parse(b.Build()), ERangeError);
  // Also in a layer that is not expanded: a save would renumber it to layer 0
  // and write a file that could not be opened again.
  b.Layers = {ByteStream{}, LayerRecord(64 * 64 + 3, 1, 1, 1, 1)};
  EXPECT_THROW(Parse(b.Build()), ERangeError);
}

TEST(MissionFileRead, RecordsThatPlaceNothingLoadWhereverTheyPoint) {
  MissionBytes b;
  // An empty cargo record beyond the grid: skipped, the next record still
  // counts from 0.
  b.Shop = {ContentRecord(64 * 64 + 5, {-1, -1, -1, -1, -1, -1, -1, -1}, 0x01),
            ContentRecord(PosCode(2, 1), {3, -1, -1, -1, -1, -1, -1, -1}, 0x01)};
  b.Layers = {LayerRecord(PosCode(1, 1), 4, -2, 0xFF, 0xFF), ByteStream{}, ByteStream{}};
  ByteStream file = b.Build();
  // The empty layers' offsets point past the end of the file.
  PutU32(file, 22 + 4 * 1, static_cast<uint32_t>(file.size() + 100));
  PutU32(file, 22 + 4 * 2, 0x7FFFFFF0u);
  TMission m = Parse(file);
  ASSERT_EQ(m.VehContents.size(), 1u);
  EXPECT_EQ(m.Cells[1][2].VehContent, 0);
  EXPECT_EQ(m.VehContents[0]->Units[0], 3);
  EXPECT_EQ(m.DFCells[1][1].Terrain, 4);
  EXPECT_TRUE(m.DFLayers[1].empty());
  EXPECT_TRUE(m.DFLayers[2].empty());

  // An empty first layer beyond the file: the map runs to the file's end.
  MissionBytes c;
  c.Order = {"MISS", "ACTN", "SHOP", "DF", "MAP"};
  c.Layers = {ByteStream{}};
  c.MapBody = ByteStream(MapRecordSize, 7);
  ByteStream second = c.Build();
  PutU32(second, 22, static_cast<uint32_t>(second.size() + 64));
  TMission n = Parse(second);
  EXPECT_EQ(n.MapRecords, ByteStream(MapRecordSize, 7));
  EXPECT_TRUE(n.DFLayers[0].empty());

  // A cargo record with a unit still has to lie on the grid.
  b.Shop = {ContentRecord(64 * 64 + 5, {3, -1, -1, -1, -1, -1, -1, -1}, 0x01)};
  EXPECT_THROW(Parse(b.Build()), ERangeError);
}

TEST(MissionFileRead, ToleratedAnomaliesAreReportedAndLoadGoesOn) {
  CollectingSink sink;
  ScopedAnomalySink scope(&sink);
  MissionBytes b;
  test::Record80 odd = ShopRecord(0, 16, 0x0300, 0x02);  // unknown type word
  test::Record80 stray = ShopRecord(1, 16, 0x2000, 0x02);
  stray[70] = 1;
  test::Record80 skipped = ShopRecord(2, 16, 0x2000, 0x02);
  PutU16(skipped, 0, 7);  // other record kinds are skipped
  b.Shop = {odd, stray, skipped, ContentRecord(3, {-1, -1, -1, -1, -1, -1, -1, -1}, 1)};
  TMission m = Parse(b.Build());
  ASSERT_EQ(m.ShopCount(), 2);
  EXPECT_EQ(m.GetShop(0)->ShopType, stUnknown);
  EXPECT_EQ(m.GetShop(1)->ShopType, stTown);
  EXPECT_EQ(m.Cells[1][1].VehContent, -1);  // an all-empty cargo record creates nothing
  EXPECT_TRUE(m.VehContents.empty());
  ASSERT_EQ(sink.seen.size(), 2u);
  EXPECT_NE(sink.seen[0].find("0300"), std::string::npos);
  EXPECT_NE(sink.seen[1].find("SHOP record 1"), std::string::npos);
}

TEST(MissionFileRead, LayerCountAbove32IsReportedThenFails) {
  CollectingSink sink;
  ScopedAnomalySink scope(&sink);
  MissionBytes b;
  b.Layers = {ByteStream{}};
  b.LayerCountOverride = 40;
  EXPECT_THROW(Parse(b.Build()), ERangeError);
  EXPECT_EQ(sink.seen.size(), 1u);
}

class MissionFileSave : public ::testing::Test {
protected:
  void TearDown() override {
    StdDFStream.clear();
    StdMissionTemplate = {};
  }
  std::string Path(const std::string& name) const { return tmp.File(name); }

  test::TempDir tmp;
  std::filesystem::path dir = tmp.Fs();
};

TEST_F(MissionFileSave, LoadThenSaveKeepsWhatTheFileHolds) {
  MissionBytes b = RichMission();
  ByteStream original = b.Build();
  TMission m = Parse(original);
  ByteStream saved = BuildMissionFile(m);

  // Directory: chunks in the order MISS, ACTN, SHOP, MAP, layers.
  EXPECT_EQ(std::string(saved.begin(), saved.begin() + 4), "MSSN");
  EXPECT_EQ(GetU16(saved, 4), 278);
  ByteStream missOut(saved.begin() + 278, saved.begin() + 278 + 332);
  ByteStream missIn(b.Miss.begin(), b.Miss.end());
  PutI16(missIn, 156 + 10, 3);   // StdProd reduced to two bits on load
  EXPECT_EQ(missOut[13], 0x06);  // players 1 and 2 own a unit and a shop; neutral masked off
  missOut[13] = missIn[13];
  EXPECT_EQ(missOut, missIn);

  size_t actnAt = GetU16(saved, 16), shopAt = GetU16(saved, 12), mapAt = GetU16(saved, 8);
  EXPECT_EQ(actnAt, 278u + 332);
  size_t actnLen = 8 + 6 * 6;
  ByteStream actnIn(original.begin() + GetU16(original, 16),
                    original.begin() + GetU16(original, 16) + actnLen);
  // The one unit whose owner mask was unreadable is written with "no owner".
  PutU16(actnIn, 8 + 24 + 8, 0xFF03);
  EXPECT_EQ(ByteStream(saved.begin() + actnAt, saved.begin() + actnAt + actnLen), actnIn);
  EXPECT_EQ(shopAt, actnAt + actnLen);

  // SHOP rebuilt: shops in slot order, then cargo, then AI points in row order.
  EXPECT_EQ(GetU16(saved, shopAt + 4), 5);
  auto rec = [&](int i) {
    return ByteStream(saved.begin() + shopAt + 6 + 80 * i, saved.begin() + shopAt + 86 + 80 * i);
  };
  test::Record80 hq = b.Shop[1];
  PutU16(hq, 8, 2);
  EXPECT_EQ(rec(0), ByteStream(hq.begin(), hq.end()));
  test::Record80 port = b.Shop[3];
  PutU16(port, 8, 3);
  port[64] = 0x40;  // the unreadable owner mask came back as neutral
  EXPECT_EQ(rec(1), ByteStream(port.begin(), port.end()));
  test::Record80 cargo = b.Shop[2];
  cargo[64] = 0x40;  // owner mask of the unit standing on the cell
  EXPECT_EQ(rec(2), ByteStream(cargo.begin(), cargo.end()));
  EXPECT_EQ(rec(3), ByteStream(b.Shop[4].begin(), b.Shop[4].end()));
  EXPECT_EQ(rec(4), ByteStream(b.Shop[0].begin(), b.Shop[0].end()));

  EXPECT_EQ(mapAt, shopAt + 6 + 5 * 80);
  EXPECT_EQ(ByteStream(saved.begin() + mapAt, saved.begin() + mapAt + 84),
            ByteStream(original.begin() + GetU16(original, 8), original.begin() + GetU16(original, 8) + 84));
  // The empty layer 1 is not stored: layer 2 becomes chunk DF01.
  EXPECT_EQ(GetU16(saved, 20), 2);
  EXPECT_EQ(GetU16(saved, 22), mapAt + 84 + 4);
  EXPECT_EQ(std::string(saved.begin() + mapAt + 84 + 12, saved.begin() + mapAt + 84 + 16), "DF01");
  EXPECT_EQ(saved.size(), mapAt + 84 + 12 + 12);

  // A second load-save cycle is byte-identical.
  TMission again = Parse(saved);
  EXPECT_EQ(BuildMissionFile(again), saved);
}

TEST_F(MissionFileSave, LayerZeroIsRewrittenFromTheWorkingGrid) {
  MissionBytes b;
  b.Width = 8;
  b.Height = 4;
  b.Layers = {ByteStream{}, LayerRecord(5, 1, 1, 1, 1)};
  AppendBytes(b.Layers[0], LayerRecord(4095, 3, -2, 0xFF, 0xFF));  // outside the map
  AppendBytes(b.Layers[0], LayerRecord(5, 3, -2, 0xFF, 0xFF));
  AppendBytes(b.Layers[0], LayerRecord(1, 3, -2, 0xFF, 0xFF));
  AppendBytes(b.Layers[0], LayerRecord(5, 4, -1, 0xFF, 0xFF));  // the later record wins
  TMission m = Parse(b.Build());
  ByteStream saved = BuildMissionFile(m);
  TMission back = Parse(saved);
  ByteStream expected = LayerRecord(1, 3, -2, 0xFF, 0xFF);
  AppendBytes(expected, LayerRecord(5, 4, -1, 0xFF, 0xFF));
  EXPECT_EQ(back.DFLayers[0], expected);
  EXPECT_EQ(back.DFLayers[1], LayerRecord(5, 1, 1, 1, 1));
}

TEST_F(MissionFileSave, MissUsageChoosesTheUninterpretedBytes) {
  TMission m;
  m.SetSize({2, 2});
  m.MissHeader.fill(0x11);
  StdMissionTemplate.fill(0x22);
  m.NextMission = 0x1234;
  m.StartWeather = 4;
  m.CompPlayers = 0x21;
  m.MissByte15 = 0x77;
  m.Allies = {1, 2, 3, 4, 5, 6};
  m.StdProd[63] = 2;
  m.Cells[0][0].Vehicle = 1;
  m.Cells[0][0].VehOwner = 6;  // neutral: not a side present
  m.Cells[1][1].Vehicle = 1;
  m.Cells[1][1].VehOwner = 5;

  auto miss = [&](uint8_t usage) {
    m.MissUsage = usage;
    ByteStream f = BuildMissionFile(m);
    return ByteStream(f.begin() + 278, f.begin() + 278 + 332);
  };
  ByteStream expected(332, 0);
  std::memcpy(expected.data(), "MISS", 4);
  PutU16(expected, 10, 0x1234);
  expected[12] = 4;
  expected[13] = 0x20;
  expected[14] = 0x21;
  expected[15] = 0x77;
  for (int i = 0; i < 6; ++i)
    expected[20 + i] = static_cast<uint8_t>(i + 1);
  PutI16(expected, 156 + 126, 2);
  EXPECT_EQ(miss(2), expected);

  ByteStream fromTemplate = miss(1);
  EXPECT_EQ(fromTemplate[4], 0x22);
  EXPECT_EQ(fromTemplate[331], 0x22);
  EXPECT_EQ(fromTemplate[13], 0x20);
  EXPECT_EQ(GetI16(fromTemplate, 156), 0);  // StdProd always comes from the model
  ByteStream kept = miss(0);
  EXPECT_EQ(kept[100], 0x11);
  EXPECT_EQ(kept[12], 4);
}

TEST_F(MissionFileSave, DeletedShopSlotsLeaveNoRecordAndKeysStayDense) {
  TMission m;
  m.SetSize({4, 4});
  m.NewShop({0, 0});
  m.NewShop({1, 0});
  m.NewShop({2, 3});
  m.DeleteShop({1, 0});
  m.GetShop(2)->Produce = {-1, 7, -1, -1};
  ByteStream f = BuildMissionFile(m);
  size_t shop = GetU16(f, 12);
  EXPECT_EQ(GetU16(f, shop + 4), 2);
  EXPECT_EQ(GetU16(f, shop + 6 + 8), 2);
  EXPECT_EQ(GetU16(f, shop + 86 + 8), 3);
  EXPECT_EQ(GetU16(f, shop + 86 + 2), PosCode(2, 3));
  EXPECT_EQ(GetI16(f, shop + 86 + 52), 0);
  EXPECT_EQ(GetI16(f, shop + 86 + 54), 7);
  EXPECT_EQ(m.GetShop(2)->X, 2);
  EXPECT_EQ(m.GetShop(2)->Y, 3);
}

TEST_F(MissionFileSave, WithoutChangesTheStandardLayerIsStored) {
  StdDFStream = LayerRecord(3, 9, -2, 0xFF, 0xFF);
  TMission m;
  m.SetSize({4, 4});
  TMission back = Parse(BuildMissionFile(m));
  EXPECT_EQ(back.DFLayers[0], StdDFStream);
  EXPECT_EQ(back.DFCells[0][3].Terrain, 9);
}

TEST_F(MissionFileSave, FilesRoundTripWithNamesInTheTextDirectory) {
  std::filesystem::create_directories(dir / "Mis");
  std::filesystem::create_directories(dir / "ger");  // found despite the case
  TMission m;
  m.SetSize({5, 4});
  m.MissionName = "Gr\xFCne H\xFCgel";
  m.MissionText = "Text";
  m.SaveNames = true;
  m.Players[2] = {"Green", 4};
  m.NewShop({1, 1});
  m.GetShop(0)->Name = "Depot \xC4";
  m.NewAIPoint({2, 2});
  m.GetAIPoint(0)->AI1231 = 1;
  m.Cells[3][4].Terrain = 17;
  m.DFCells[0][0].Obj = -1;
  m.SaveAs(Path("Mis/miss042.dat"));
  EXPECT_EQ(m.FileName, Path("Mis/miss042.dat"));
  EXPECT_TRUE(std::filesystem::exists(dir / "ger" / "miss042.txt"));

  TMission back;
  back.LoadFromFile(Path("Mis/miss042.dat"));
  EXPECT_FALSE(back.Blank);
  EXPECT_EQ(back.MissionName, m.MissionName);
  EXPECT_EQ(back.MissionText, "Text");
  EXPECT_TRUE(back.SaveNames);
  EXPECT_EQ(back.Players[2], (TPlayerInfo{"Green", 4}));
  EXPECT_EQ(back.GetShop(0)->Name, "Depot \xC4");
  EXPECT_EQ(back.GetAIPoint(0)->AI1231, 1);
  EXPECT_EQ(back.Cells[3][4].Terrain, 17);
  EXPECT_EQ(back.DFCells[0][0].Obj, -1);
  EXPECT_EQ(back.Cells, m.Cells);
  // Saving again replaces the file that was found, not a second one in "GER".
  back.SaveToFile();
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    names.push_back(Utf8Of(entry.path().filename()));
  EXPECT_EQ(std::count(names.begin(), names.end(), "ger"), 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), "GER"), 0);
  names.clear();
  for (const auto& entry : std::filesystem::directory_iterator(dir / "ger"))
    names.push_back(Utf8Of(entry.path().filename()));
  EXPECT_EQ(names, std::vector<std::string>{"miss042.txt"});
}

// A game folder with a name code page 1252 cannot hold ("Spiele \u00DC
// \u041A\u0430\u0440\u0442\u0430") and a mission named with a "\u00FC".
TEST_F(MissionFileSave, UnicodeFolderAndFileNames) {
  const std::u8string game = u8"Spiele \u00DC \u041A\u0430\u0440\u0442\u0430";
  std::filesystem::create_directories(dir / game / "MIS");
  std::filesystem::create_directories(dir / game / "GER");
  const std::string mission = Path(std::string(game.begin(), game.end()) + "/MIS/miss\xC3\xBC.dat");
  TMission m;
  m.SetSize({4, 3});
  m.MissionName = "Gr\xFCn";
  m.SaveNames = true;
  m.Cells[1][2].Terrain = 9;
  m.SaveAs(mission);
  EXPECT_TRUE(std::filesystem::is_regular_file(dir / game / "MIS" / u8"miss\u00FC.dat"));
  EXPECT_TRUE(std::filesystem::is_regular_file(dir / game / "GER" / u8"miss\u00FC.txt"));

  TMission back;
  back.LoadFromFile(mission);
  EXPECT_EQ(back.MissionName, "Gr\xFCn");
  EXPECT_EQ(back.Cells, m.Cells);
  back.SaveToFile();
  EXPECT_EQ(ReadWholeFile(mission), BuildMissionFile(m));
}

TEST_F(MissionFileSave, MissingNamesFileFailsTheLoadAndClearsBlank) {
  WriteWholeFile(Path("m.dat"), MissionBytes{}.Build());
  TMission m;
  EXPECT_THROW(m.LoadFromFile(Path("m.dat")), EInOutError);
  EXPECT_FALSE(m.Blank);
  WriteWholeFile(Path("m.txt"), ByteStream{'\r', '\n', '\r', '\n'});
  TMission ok;
  ok.LoadFromFile(Path("m.dat"));
  EXPECT_EQ(ok.Width, 2);
  // The mission is read first: when it is missing, that is what the error says.
  for (const std::string& absent : {Path("nothere.dat"), Path("")}) {
    TMission missing;
    try {
      missing.LoadFromFile(absent);
      ADD_FAILURE() << absent;
    } catch (const EInOutError& e) {
      EXPECT_NE(std::string(e.what()).find("Cannot open file \"" + absent + "\""), std::string::npos)
          << e.what();
    }
  }
  // An empty file is no mission, as random bytes are.
  WriteWholeFile(Path("empty.dat"), ByteStream{});
  WriteWholeFile(Path("empty.txt"), ByteStream{'\r', '\n', '\r', '\n'});
  TMission empty;
  EXPECT_THROW(empty.LoadFromFile(Path("empty.dat")), ENoMissionFile);
}

TEST_F(MissionFileSave, WithoutItsNamesFileAMissionOpensWithDefaultNames) {
  std::filesystem::create_directories(dir / "MIS");
  std::filesystem::create_directories(dir / "GER");
  TMission m;
  m.SetSize({6, 5});
  m.NewShop({1, 1});
  m.NewShop({3, 2});
  m.GetShop(0)->Name = "Harbour";
  m.Players[1] = {"Blue", 2};
  m.SaveNames = true;
  m.MissionName = "Named";
  m.Cells[4][5].Terrain = 9;
  m.SaveAs(Path("MIS/miss077.dat"));
  EXPECT_EQ(MissingNamesFile(Path("MIS/miss077.dat")), "");
  std::filesystem::remove(dir / "GER" / "miss077.txt");
  EXPECT_EQ(MissingNamesFile(Path("MIS/miss077.dat")), Path("GER/miss077.txt"));
  // A mission that is not there has no names file to miss: its own error comes.
  EXPECT_EQ(MissingNamesFile(Path("MIS/nothere.dat")), "");

  TMission back;
  back.LoadFromFile(Path("MIS/miss077.dat"), true);
  EXPECT_FALSE(back.Blank);
  EXPECT_EQ(back.Cells[4][5].Terrain, 9);
  EXPECT_EQ(back.GetShop(0)->Name, "Shop Nr. 0");
  EXPECT_EQ(back.GetShop(1)->Name, "Shop Nr. 1");
  EXPECT_EQ(back.Players, StdPlayers);
  EXPECT_EQ(back.MissionName, "");
  back.SaveToFile();
  EXPECT_EQ(MissingNamesFile(Path("MIS/miss077.dat")), "");
  TMission again;
  again.LoadFromFile(Path("MIS/miss077.dat"));
  EXPECT_EQ(again.GetShop(1)->Name, "Shop Nr. 1");
}

TEST_F(MissionFileSave, FailedSavesLeaveThePreviousFilesUntouched) {
  TMission m;
  m.SetSize({3, 3});
  m.NewShop({0, 0});
  m.SaveAs(Path("keep.dat"));
  ByteStream oldMission = ReadWholeFile(Path("keep.dat"));
  ByteStream oldNames = ReadWholeFile(Path("keep.txt"));

  m.Cells[0][0].Terrain = 5;
  m.GetShop(0)->Name = "Changed";
  // The names file cannot be written: a directory stands in its place.
  std::filesystem::rename(dir / "keep.txt", dir / "keep.bak");
  std::filesystem::create_directories(dir / "keep.txt" / "x");
  EXPECT_THROW(m.SaveToFile(), EInOutError);
  EXPECT_EQ(ReadWholeFile(Path("keep.dat")), oldMission);
  std::filesystem::remove_all(dir / "keep.txt");
  std::filesystem::rename(dir / "keep.bak", dir / "keep.txt");

  // A missing text directory.
  std::filesystem::create_directories(dir / "MIS");
  WriteWholeFile(Path("MIS/old.dat"), oldMission);
  m.FileName = Path("MIS/old.dat");
  m.NamesFileName.clear();
  EXPECT_THROW(m.SaveToFile(), EInOutError);
  EXPECT_EQ(ReadWholeFile(Path("MIS/old.dat")), oldMission);

  // SaveAs below a regular file keeps the old names.
  m.FileName = Path("keep.dat");
  m.NamesFileName = Path("keep.txt");
  try {
    m.SaveAs(Path("keep.dat/sub/new.dat"));
    FAIL();
  } catch (const EInOutError& e) {
    EXPECT_NE(std::string(e.what()).find("new.dat"), std::string::npos);
  }
  EXPECT_EQ(m.FileName, Path("keep.dat"));
  EXPECT_EQ(m.NamesFileName, Path("keep.txt"));
  EXPECT_EQ(ReadWholeFile(Path("keep.dat")), oldMission);
  EXPECT_EQ(ReadWholeFile(Path("keep.txt")), oldNames);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
    EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace vh
