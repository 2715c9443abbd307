#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Platform.h"
#include "mission/ShopNames.h"
#include "support/TPWMEncoder.h"
#include "support/TempDir.h"

namespace vh {
namespace {

namespace fs = std::filesystem;

TShopNames Parse(const std::string& text) {
  ByteStream b(text.begin(), text.end());
  return ParseShopNames(b, "test.txt");
}

TEST(ShopNamesPath, BesideTheMissionOrInTheTextDirectory) {
  EXPECT_EQ(NamesPathFor("C:\\GAME\\MIS\\MISS012.DAT", "GER"), "C:\\GAME\\GER\\MISS012.txt");
  EXPECT_EQ(NamesPathFor("D:\\WORK\\TEST.DAT", "GER"), "D:\\WORK\\TEST.txt");
  EXPECT_EQ(NamesPathFor("/home/u/game/mis/miss001.dat", "GER"), "/home/u/game/GER/miss001.txt");
  EXPECT_EQ(NamesPathFor("/home/u/game/Mis/a.b.dat", "ENG"), "/home/u/game/ENG/a.b.txt");
  EXPECT_EQ(NamesPathFor("/x/promis/m.dat", "GER"), "/x/promis/m.txt");  // "promis" is not "mis"
  EXPECT_EQ(NamesPathFor("/x/MIS/noext", "GER"), "/x/GER/noext.txt");
  EXPECT_EQ(NamesPathFor("miss1.dat", "GER"), "miss1.txt");
  EXPECT_EQ(NamesPathFor("MIS\\miss1.dat", "GER"), "MIS\\miss1.txt");  // no separator before MIS
}

TEST(ShopNamesParse, AcceptsOnlyWellFormedEntries) {
  TShopNames t = Parse("\r\n"
                       "#0001:0024{}\r\n"
                       "#0001:0024{ no closing brace\r\n"
                       "   #0002:0016{Harbour}  \t\r\n"
                       "#0003:0016{a}b}\n"
                       "#00x4:0016{bad key}\r"
                       "#0005;0016{bad colon}\r\n"
                       "#0006:0016[bad brace}\r\n"
                       "#0007:0016{}\r\n"
                       "garbage\r\n"
                       "#0008:0016{after nul}\0#0009:0016{never seen}\r\n");
  ASSERT_EQ(t.size(), 5u);
  EXPECT_EQ(t[0], (TShopNameItem{1, 24, ""}));
  EXPECT_EQ(t[1], (TShopNameItem{2, 16, "Harbour"}));
  EXPECT_EQ(t[2], (TShopNameItem{3, 16, "a}b"}));
  EXPECT_EQ(t[3], (TShopNameItem{7, 16, ""}));
  EXPECT_EQ(t[4], (TShopNameItem{8, 16, "after nul"}));
  EXPECT_EQ(LookupName(t, 3, 16), "a}b");
  EXPECT_EQ(LookupName(t, 3, 24), "");
  EXPECT_EQ(LookupName(t, 99, 16), "");
}

TEST(ShopNamesParse, ReportsTheLinesItSkipsButNotBlankOnes) {
  // CR, LF and CR LF each end one line; a zero byte ends the text.
  const std::string text = std::string("a\r#0002:0016{x}\rb\n\n  \n#0001:0024{y\r\n#0003:0016{z}\r\n") +
                           '\0' + "after the end\r\n";
  const ByteStream plain(text.begin(), text.end());
  std::vector<int> skipped;
  EXPECT_EQ(ParseShopNames(plain, "test.txt", &skipped).size(), 2u);
  EXPECT_EQ(skipped, (std::vector<int>{1, 3, 6}));
  // The same lines in a coded file.
  std::vector<int> coded;
  ParseShopNames(test::CompressTPWM(plain), "coded.txt", &coded);
  EXPECT_EQ(coded, skipped);
}

TEST(ShopNamesParse, FirstEntryWinsAndUmlautsAreConverted) {
  TShopNames t = Parse("#0002:0016{M\x81hle \x8E\x99\x9A\x84\x94 \xE1}\r\n#0002:0016{second}\r\n");
  EXPECT_EQ(LookupName(t, 2, 16), "M\xFChle \xC4\xD6\xDC\xE4\xF6 \xE1");
}

TEST(ShopNamesParse, ShortFilesAreReadErrors) {
  EXPECT_THROW(Parse("#00"), EReadError);
  EXPECT_NO_THROW(Parse("\r\n\r\n"));
}

TEST(ShopNamesParse, CompressedFileGivesTheSameTableAsPlainText) {
  std::string text = "\r\n#0000:0000{Intro|Red|3|Blue|5}\r\n#0001:0024{Der Br\x81"
                     "ckenkopf}\r\n";
  for (int i = 0; i < 40; ++i)
    text += "#" + std::string(i + 2 < 10 ? "000" : "00") + std::to_string(i + 2) + ":0016{Depot " +
            std::to_string(i) + "}\r\n";
  ByteStream plain(text.begin(), text.end());
  ByteStream coded = test::CompressTPWM(plain);
  EXPECT_LT(coded.size(), plain.size());
  EXPECT_EQ(ParseShopNames(coded, "coded.txt"), Parse(text));
  EXPECT_EQ(ParseShopNames(coded, "coded.txt").size(), 42u);

  coded.resize(coded.size() - 3);
  EXPECT_THROW(ParseShopNames(coded, "coded.txt"), EReadError);
}

TEST(ShopNamesPlayers, PlayerListFollowsTheMissionText) {
  TMission m;
  m.Players[4] = {"Keep", 7};
  ApplyMissionText(m, "Intro|Red|3|Blue|5");
  EXPECT_TRUE(m.SaveNames);
  EXPECT_EQ(m.MissionText, "Intro");
  EXPECT_EQ(m.Players[0], (TPlayerInfo{"Red", 3}));
  EXPECT_EQ(m.Players[1], (TPlayerInfo{"Blue", 5}));
  for (int i = 2; i < 7; ++i)
    EXPECT_EQ(m.Players[i], TPlayerInfo{}) << i;

  ApplyMissionText(m, "|A|300|B|x|C|-1|D|255|ThisNameIsFarTooLongToKeep|1");
  EXPECT_EQ(m.MissionText, "");
  EXPECT_EQ(m.Players[0], (TPlayerInfo{"A", 0}));
  EXPECT_EQ(m.Players[1], (TPlayerInfo{"B", 0}));
  EXPECT_EQ(m.Players[2], (TPlayerInfo{"C", 0}));
  EXPECT_EQ(m.Players[3], (TPlayerInfo{"D", 255}));
  EXPECT_EQ(m.Players[4], (TPlayerInfo{"ThisNameIsFarToo", 1}));
}

TEST(ShopNamesPlayers, TextWithoutBarKeepsThePlayers) {
  TMission m;
  m.Players[0] = {"Mine", 2};
  m.SaveNames = true;
  ApplyMissionText(m, "Just a text");
  EXPECT_FALSE(m.SaveNames);
  EXPECT_EQ(m.MissionText, "Just a text");
  EXPECT_EQ(m.Players[0], (TPlayerInfo{"Mine", 2}));
  ApplyMissionText(m, "");
  EXPECT_FALSE(m.SaveNames);
}

TEST(ShopNamesWrite, FileHoldsExactlyTheEditorsLines) {
  TMission m;
  m.SetSize({8, 8});
  m.MissionText = "Intro";
  m.MissionName = "Br\xFC"
                  "cke";
  m.NewShop({0, 0});
  m.NewShop({1, 0});
  m.NewShop({2, 0});
  m.DeleteShop({1, 0});
  m.GetShop(2)->Name = "Gro\xDF"
                       "e M\xFChle";
  ByteStream bytes = ShopNamesFileBytes(m);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "\r\n#0000:0000{Intro}\r\n#0001:0024{Br\x81"
                                                     "cke}\r\n#0002:0016{Shop Nr. 0}\r\n"
                                                     "#0003:0016{Gro\xDF"
                                                     "e M\x81hle}\r\n");

  m.SaveNames = true;
  for (int i = 0; i < 7; ++i)
    m.Players[i] = {"P" + std::to_string(i), static_cast<uint8_t>(i * 2)};
  bytes = ShopNamesFileBytes(m);
  std::string text(bytes.begin(), bytes.end());
  EXPECT_NE(text.find("#0000:0000{Intro|P0|0|P1|2|P2|4|P3|6|P4|8|P5|10|P6|12}\r\n"), std::string::npos);
}

TEST(ShopNamesWrite, RoundTripThroughAFileKeepsNamesAndPlayers) {
  test::TempDir tmp;
  fs::path dir = tmp.Fs();
  TMission m;
  m.SetSize({8, 8});
  m.NamesFileName = (dir / "m.txt").string();
  m.MissionText = "Text with {braces}";
  m.MissionName = "\xC4rger \xDC"
                  "ber \xD6l";
  m.SaveNames = true;
  m.Players[6] = {"Neutral \xE4", 14};
  m.NewShop({0, 0});
  m.GetShop(0)->Name = "\xFC\xFC";
  WriteShopNames(m);

  TShopNames t = ReadShopNames(m.NamesFileName);
  TMission back;
  ApplyMissionText(back, LookupName(t, 0, 0));
  EXPECT_EQ(back.MissionText, m.MissionText);
  EXPECT_EQ(back.Players, m.Players);
  EXPECT_EQ(LookupName(t, 1, 24), m.MissionName);
  EXPECT_EQ(LookupName(t, 2, 16), "\xFC\xFC");
  EXPECT_EQ(ReadWholeFile(m.NamesFileName)[0], '\r');
}

TEST(ShopNamesRead, AFileThatCannotBeOpenedIsNamedWithTheSystemsReason) {
  const auto message = [](const std::string& path) {
    try {
      ReadShopNames(path);
    } catch (const EInOutError& e) {
      return std::string(e.what());
    }
    ADD_FAILURE() << "no error for " << path;
    return std::string();
  };
  EXPECT_EQ(message("/nonexistent/dir/names.txt"),
            "Cannot open shop name file \"/nonexistent/dir/names.txt\": " +
                std::string(std::strerror(ENOENT)));
  test::TempDir dir;
  WriteWholeFile(dir.File("plain"), ByteStream{'x'});
  const std::string below = dir.File("plain") + "/names.txt";
  // Windows reports a file in the way of a folder as a missing path.
  const int reason = OnWindows ? ENOENT : ENOTDIR;
  EXPECT_EQ(message(below), "Cannot open shop name file \"" + below + "\": " + std::strerror(reason));
}

TEST(CodePage, OnlyTheSixLettersAreConverted) {
  std::string all;
  for (int b = 0; b < 256; ++b)
    all.push_back(static_cast<char>(b));
  std::string win = DosToWin(all);
  int changed = 0;
  for (int b = 0; b < 256; ++b)
    changed += win[b] != all[b];
  EXPECT_EQ(changed, 6);
  EXPECT_EQ(WinToDos("\xFC\xE4\xC4\xF6\xD6\xDC\xDF"), "\x81\x84\x8E\x94\x99\x9A\xDF");
}

}  // namespace
}  // namespace vh
