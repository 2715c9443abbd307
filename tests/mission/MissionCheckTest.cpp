#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/FileUtil.h"
#include "mission/MissionCheck.h"
#include "mission/MissionFile.h"
#include "mission/ShopNames.h"
#include "mission/StdData.h"
#include "support/TempDir.h"

namespace vh {

void PrintTo(TCheckKind kind, std::ostream* os) {
  *os << CheckKindId(kind);
}
void PrintTo(const TProblemPlace& p, std::ostream* os) {
  *os << "(" << p.Cell.x << ", " << p.Cell.y << ") line " << p.Line << " \"" << p.Detail << "\"";
}

namespace {

// A small mission without a fault: every cell has terrain, the one shop
// stands on an object, the one unit carries cargo and has an AI point.
TMission SoundMission() {
  TMission m;
  m.SetSize({5, 4});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x)
      m.Cells[y][x].Terrain = 3;
  m.Cells[1][1].Obj = 40;
  m.NewShop({1, 1});
  m.GetShop(0)->Name = "Harbour";
  m.GetShop(0)->Owner = 2;
  m.Cells[2][3].Vehicle = 7;
  m.Cells[2][3].VehOwner = 1;
  m.NewVehContent({3, 2});
  m.NewAIPoint({3, 2});
  m.SaveNames = true;
  for (int side = 0; side < SideCount; ++side)
    m.Players[side].Name = "Side " + std::to_string(side);
  return m;
}

std::vector<TCheckKind> Kinds(const TCheckReport& r) {
  std::vector<TCheckKind> kinds;
  for (const TProblem& p : r.Problems)
    kinds.push_back(p.Kind);
  return kinds;
}

std::vector<TPoint> Cells(const TProblem& p) {
  std::vector<TPoint> cells;
  for (const TProblemPlace& place : p.Places)
    cells.push_back(place.Cell);
  return cells;
}

// The report has exactly one kind, and returns it (a copy: callers pass
// the report as a temporary).
TProblem Only(const TCheckReport& r, TCheckKind kind) {
  EXPECT_EQ(Kinds(r), std::vector<TCheckKind>{kind});
  const TProblem* p = r.Find(kind);
  return p ? *p : TProblem{kind, {}};
}

TEST(MissionCheck, SoundMissionHasNoProblem) {
  TCheckReport r = CheckMission(SoundMission());
  EXPECT_TRUE(r.Problems.empty()) << CheckKindId(r.Problems.front().Kind);
  EXPECT_EQ(r.Errors(), 0);
  EXPECT_EQ(r.Warnings(), 0);
}

TEST(MissionCheck, BlankNewMissionIsOneKindOverEveryCell) {
  TMission m;
  m.SetSize({64, 64});
  TCheckReport r = CheckMission(m);
  const TProblem p = Only(r, TCheckKind::NoTerrain);
  ASSERT_EQ(p.Places.size(), 64u * 64u);
  EXPECT_EQ(p.Places.front().Cell, (TPoint{0, 0}));
  EXPECT_EQ(p.Places[1].Cell, (TPoint{1, 0}));
  EXPECT_EQ(p.Places.back().Cell, (TPoint{63, 63}));
  EXPECT_EQ(r.Warnings(), 4096);
  EXPECT_EQ(r.Errors(), 0);
}

TEST(MissionCheck, TerrainOutsideTheMapSizeIsNotLookedAt) {
  TMission m = SoundMission();
  m.Cells[10][10] = TMissionCell{};  // far outside 5 x 4, no terrain
  m.Cells[0][5].Vehicle = 3;         // just right of the map, a unit with no owner
  EXPECT_TRUE(CheckMission(m).Problems.empty());
}

TEST(MissionCheck, WaterBesideLandThatNoCoastPictureFits) {
  // Light sea with land above and below (3, 3): a mask no coast picture
  // shows. Its other neighbours see the land on one side only.
  TMission m;
  m.SetSize({7, 7});
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x)
      m.Cells[y][x].Terrain = 96;
  m.Cells[2][3].Terrain = 271;
  m.Cells[4][3].Terrain = 271;
  EXPECT_EQ(Cells(Only(CheckMission(m), TCheckKind::CoastWithoutPicture)), (std::vector<TPoint>{{3, 3}}));
  EXPECT_EQ(CheckKindSeverity(TCheckKind::CoastWithoutPicture), TSeverity::Warning);
  EXPECT_STREQ(CheckKindId(TCheckKind::CoastWithoutPicture), "coast-without-picture");
  // A coast picture there is as wrong, and so is dark water.
  m.Cells[3][3].Terrain = 103;
  EXPECT_EQ(Cells(Only(CheckMission(m), TCheckKind::CoastWithoutPicture)), (std::vector<TPoint>{{3, 3}}));
  m.Cells[3][3].Terrain = 386;
  EXPECT_EQ(Cells(Only(CheckMission(m), TCheckKind::CoastWithoutPicture)), (std::vector<TPoint>{{3, 3}}));
  // Land there closes the gap: a straight shore of three cells.
  m.Cells[3][3].Terrain = 274;
  EXPECT_TRUE(CheckMission(m).Problems.empty());
  // Cells outside the map are neither land nor sea.
  m.Cells[3][3].Terrain = 96;
  m.SetSize({7, 4});
  EXPECT_TRUE(CheckMission(m).Problems.empty());
}

TEST(MissionCheck, ShopRules) {
  {
    TMission m = SoundMission();
    m.Cells[1][1].Obj = -1;
    const TProblem p = Only(CheckMission(m), TCheckKind::ShopWithoutObject);
    EXPECT_EQ(p.Places, (std::vector<TProblemPlace>{{{1, 1}, 0, "Harbour"}}));
  }
  {
    // A record whose cell was overwritten: the slot is full, no cell holds it.
    TMission m = SoundMission();
    m.Cells[1][1].Shop = -1;
    const TProblem p = Only(CheckMission(m), TCheckKind::ShopWithoutCell);
    ASSERT_EQ(p.Places.size(), 1u);
    EXPECT_FALSE(p.Places[0].HasCell());
    EXPECT_EQ(p.Places[0].Detail, "slot 0: Harbour");
  }
  {
    // A cell just outside the map does not hold a shop for the file.
    TMission m = SoundMission();
    m.Cells[1][1].Shop = -1;
    m.Cells[0][5].Shop = 0;
    m.Cells[0][5].Obj = 1;
    EXPECT_EQ(Kinds(CheckMission(m)), std::vector<TCheckKind>{TCheckKind::ShopWithoutCell});
  }
  {
    TMission m = SoundMission();
    m.Cells[3][4].Obj = 41;
    m.Cells[0][2].Obj = 42;
    m.GetShop(static_cast<int16_t>(m.NewShop({4, 3})))->Name = "Harbour";
    m.GetShop(static_cast<int16_t>(m.NewShop({2, 0})))->Name = "Mill";
    const TProblem p = Only(CheckMission(m), TCheckKind::DuplicateShopName);
    ASSERT_EQ(Cells(p), (std::vector<TPoint>{{1, 1}, {4, 3}}));
    EXPECT_EQ(p.Places[0].Detail, "Harbour");
  }
  {
    TMission m = SoundMission();
    m.GetShop(0)->Owner = 7;
    const TProblem p = Only(CheckMission(m), TCheckKind::ShopOwner);
    EXPECT_EQ(Cells(p), (std::vector<TPoint>{{1, 1}}));
    EXPECT_EQ(CheckMission(m).Errors(), 1);
  }
}

TEST(MissionCheck, CargoAndAIPointRules) {
  {
    TMission m = SoundMission();
    m.Cells[2][3].Vehicle = NoUnit;
    m.Cells[2][3].VehOwner = NoSide;
    TCheckReport r = CheckMission(m);
    EXPECT_EQ(Kinds(r),
              (std::vector<TCheckKind>{TCheckKind::CargoWithoutUnit, TCheckKind::AIPointWithoutUnit}));
    EXPECT_EQ(Cells(*r.Find(TCheckKind::CargoWithoutUnit)), (std::vector<TPoint>{{3, 2}}));
    EXPECT_EQ(Cells(*r.Find(TCheckKind::AIPointWithoutUnit)), (std::vector<TPoint>{{3, 2}}));
  }
  {
    TMission m = SoundMission();
    m.Cells[2][3].VehContent = -1;
    const TProblem p = Only(CheckMission(m), TCheckKind::CargoWithoutCell);
    EXPECT_EQ(p.Places, (std::vector<TProblemPlace>{{{-1, -1}, 0, "slot 0"}}));
  }
  {
    TMission m = SoundMission();
    m.Cells[2][3].AIPoint = -1;
    const TProblem p = Only(CheckMission(m), TCheckKind::AIPointWithoutCell);
    EXPECT_EQ(p.Places, (std::vector<TProblemPlace>{{{-1, -1}, 0, "slot 0"}}));
  }
}

TEST(MissionCheck, BrokenReferencesAreErrors) {
  TMission m = SoundMission();
  m.Cells[0][0].Shop = 5;  // past the list
  m.Cells[3][2].Vehicle = 4;
  m.Cells[3][2].VehOwner = 0;
  m.Cells[3][2].VehContent = 0;  // named by (3, 2) already
  m.AIPoints.emplace_back();     // slot 1 empty
  m.Cells[3][0].AIPoint = 1;
  m.Cells[3][1].AIPoint = -7;  // a negative index other than "none"
  TCheckReport r = CheckMission(m);
  const TProblem p = Only(r, TCheckKind::BrokenReference);
  ASSERT_EQ(Cells(p), (std::vector<TPoint>{{0, 0}, {0, 3}, {1, 3}, {2, 3}}));
  EXPECT_EQ(p.Places[0].Detail, "shop slot 5 is empty");
  EXPECT_EQ(p.Places[1].Detail, "AI point slot 1 is empty");
  EXPECT_EQ(p.Places[2].Detail, "AI point slot -7 is empty");
  EXPECT_EQ(p.Places[3].Detail, "cargo slot 0 is also named by (3, 2)");
  EXPECT_EQ(r.Errors(), 4);
}

TEST(MissionCheck, UnitOwnerOutsideTheSides) {
  TMission m = SoundMission();
  m.Cells[0][4].Vehicle = 9;  // a unit whose owner mask was not a single bit
  m.Cells[1][4].Vehicle = 9;
  m.Cells[1][4].VehOwner = NeutralSide;  // neutral is a side
  const TProblem p = Only(CheckMission(m), TCheckKind::UnitOwner);
  EXPECT_EQ(p.Places, (std::vector<TProblemPlace>{{{4, 0}, 0, "owner 255"}}));
}

TEST(MissionCheck, PlayerNamesLongerThanALoadKeeps) {
  TMission m = SoundMission();
  m.Players[2].Name = std::string(16, 'a');
  m.Players[6].Name = std::string(17, 'b');
  const TCheckReport r = CheckMission(m);
  const TProblem p = Only(r, TCheckKind::PlayerNameLength);
  EXPECT_EQ(p.Places, (std::vector<TProblemPlace>{{{-1, -1}, 0, "Neutral: " + std::string(17, 'b')}}));
  // Written, it would come back cut: the save refuses it.
  EXPECT_EQ(r.Errors(), 1);
  // A player list that is not written is never cut.
  m.SaveNames = false;
  EXPECT_TRUE(CheckMission(m).Problems.empty());
}

TEST(MissionCheck, ChangeLayerCellsOutsideTheMap) {
  TMission m = SoundMission();
  m.DFCells[1][2].Terrain = 5;  // inside: fine
  m.DFCells[0][5].Obj = -1;     // the working grid of layer 0, right of the map
  ByteStream layer3;
  for (uint16_t code : {PosCode(1, 1), PosCode(2, 4), uint16_t(70 * 64 + 3)}) {
    AppendU16(layer3, code);
    AppendI16(layer3, 7);
    AppendI16(layer3, -2);
    AppendU8(layer3, 0xFF);
    AppendU8(layer3, 0xFF);
  }
  m.DFLayers[3] = layer3;
  // The stale stream of the selected layer does not count.
  m.DFLayers[0] = layer3;
  const TProblem p = Only(CheckMission(m), TCheckKind::ChangeOutsideMap);
  EXPECT_EQ(p.Places, (std::vector<TProblemPlace>{
                          {{5, 0}, 0, "layer 0"}, {{2, 4}, 0, "layer 3"}, {{3, 70}, 0, "layer 3"}}));
}

TEST(MissionCheck, FileLimits) {
  {
    // 4096 cells can hold at most 3 * 4096 records; only shops that no cell
    // holds can go past what the SHOP chunk counts.
    TMission m = SoundMission();
    m.Shops.resize(70000, TArrShop{});
    TCheckReport r = CheckMission(m);
    const TProblem* p = r.Find(TCheckKind::FileLimits);
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(p->Places.size(), 2u);
    EXPECT_EQ(p->Places[0].Detail, "70002 shop, cargo and AI point records; the file holds at most 65535");
    EXPECT_EQ(p->Places[1].Detail, "70000 shops; the shop names file keeps the names of at most 9998");
    EXPECT_GT(r.Errors(), 0);
  }
  {
    TMission m = SoundMission();
    m.Shops.resize(9998, TArrShop{});
    EXPECT_EQ(CheckMission(m).Find(TCheckKind::FileLimits), nullptr);
    m.Shops.resize(9999, TArrShop{});
    EXPECT_NE(CheckMission(m).Find(TCheckKind::FileLimits), nullptr);
  }
  {
    TMission m = SoundMission();
    m.MapRecords.resize(MaxMissionFileSize);
    const TProblem p = Only(CheckMission(m), TCheckKind::FileLimits);
    ASSERT_EQ(p.Places.size(), 1u);
    EXPECT_NE(p.Places[0].Detail.find("the mission file would take"), std::string::npos);
  }
  {
    // Texts the names file would read back differently.
    TMission m = SoundMission();
    m.Players[3].Name = "a|b";
    m.MissionText = "two\r\nlines";
    m.GetShop(0)->Name = "x\ny";
    const TProblem p = Only(CheckMission(m), TCheckKind::FileLimits);
    ASSERT_EQ(p.Places.size(), 3u);
    EXPECT_EQ(p.Places[0].Detail, "the mission text holds a line break");
    EXPECT_EQ(p.Places[1].Detail, "the name of Player 4 holds \"|\", which separates the player list");
    EXPECT_EQ(p.Places[2].Detail, "the name of the shop in slot 0 holds a line break");
  }
  {
    // A player list that is not written cannot be broken by a name.
    TMission m = SoundMission();
    m.SaveNames = false;
    m.Players[3].Name = "a|b";
    EXPECT_TRUE(CheckMission(m).Problems.empty());
  }
}

// The rules that need the files: what the load tolerated.
class CheckAfterLoad : public ::testing::Test {
protected:
  void SetUp() override {
    TxtFilesDir = "GER";
    TMission m = SoundMission();
    m.SaveAs(dir.File("miss001.dat"));
  }
  test::TempDir dir;
};

TEST_F(CheckAfterLoad, ASavedSoundMissionReadsBackSound) {
  TMission m;
  m.LoadFromFile(dir.File("miss001.dat"));
  EXPECT_TRUE(CheckMission(m).Problems.empty());
}

TEST_F(CheckAfterLoad, NamesFileLinesNotInTheForm) {
  std::string names = "\r\n#0000:0000{x|A|1|B|2|C|3|D|4|E|5|F|6|G|7}\r\n  \r\ngarbage\r\n#0001:0024{name\r\n"
                      "#0002:0016{Harbour}\r\n#2:16{short}\n\n";
  WriteWholeFile(dir.File("miss001.txt"), ByteStream(names.begin(), names.end()));
  TMission m;
  m.LoadFromFile(dir.File("miss001.dat"));
  const TProblem p = Only(CheckMission(m), TCheckKind::NamesFileLine);
  EXPECT_EQ(p.Places, (std::vector<TProblemPlace>{{{-1, -1}, 4, {}}, {{-1, -1}, 5, {}}, {{-1, -1}, 7, {}}}));
}

TEST_F(CheckAfterLoad, AnomaliesOfTheLoad) {
  ByteStream file = ReadWholeFile(dir.File("miss001.dat"));
  const size_t shopChunk = file[12] | file[13] << 8;
  PutU16(file, shopChunk + 6 + 50, 0x0003);  // an unknown type word in the one shop record
  WriteWholeFile(dir.File("miss001.dat"), file);
  TMission m;
  m.LoadFromFile(dir.File("miss001.dat"));
  const TProblem p = Only(CheckMission(m), TCheckKind::LoadAnomaly);
  ASSERT_EQ(p.Places.size(), 1u);
  EXPECT_NE(p.Places[0].Detail.find("unknown shop type word 0x0003"), std::string::npos)
      << p.Places[0].Detail;

  // The files a save writes hold none of it.
  m.SaveAs(dir.File("miss002.dat"));
  EXPECT_TRUE(CheckMission(m).Problems.empty());
}

}  // namespace
}  // namespace vh
