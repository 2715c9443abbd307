#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/FileUtil.h"
#include "base/Platform.h"
#include "config/Config.h"
#include "config/IniFile.h"
#include "support/TempDir.h"

namespace vh {
namespace {

namespace fs = std::filesystem;

class ConfigTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(root / "prog");
    programDir = (root / "prog").string() + "/";
  }
  void WriteIni(const std::string& text) {
    WriteWholeFile(programDir + "vhedit.ini", ByteStream(text.begin(), text.end()));
  }
  test::TempDir tmp;
  fs::path root = tmp.Fs();
  std::string programDir;
};

TEST_F(ConfigTest, DefaultsWithoutAnyIniFile) {
  TConfig c = ReadConfig(programDir, {});
  EXPECT_EQ(c.GameDir, "C:\\HALDMARK\\RQS\\");
  EXPECT_EQ(c.TxtFilesDir, "GER");
  EXPECT_TRUE(c.ToolBar);
  EXPECT_TRUE(c.StatusBar);
  EXPECT_EQ(c.StdPlayers[6], TPlayerInfo{});
  EXPECT_EQ(c.IniPath(), programDir + "vhedit.ini");
  EXPECT_EQ(c.UndoLimit, 1000u);
}

TEST_F(ConfigTest, UndoLimitZeroMeansNoLimitAndNonsenseTheDefault) {
  WriteIni("[General]\r\nUndoLimit=0\r\n");
  EXPECT_EQ(ReadConfig(programDir, {}).UndoLimit, 0u);
  WriteIni("[General]\r\nUndoLimit=25\r\n");
  EXPECT_EQ(ReadConfig(programDir, {}).UndoLimit, 25u);
  WriteIni("[General]\r\nUndoLimit=-3\r\n");
  EXPECT_EQ(ReadConfig(programDir, {}).UndoLimit, 1000u);
  WriteIni("[General]\r\nUndoLimit=many\r\n");
  EXPECT_EQ(ReadConfig(programDir, {}).UndoLimit, 1000u);
}

TEST_F(ConfigTest, ValuesFromTheIniFile) {
  WriteIni("[General]\r\nVarnholtDir=/games/vh\r\nTxtFilesDir=ENG\r\nToolBar=0\r\nStatusBar=yes\r\n"
           "[VH2Players]\r\nPlayerName0=ABCDEFGHIJKLMNOPQRST\r\nPlayerColor0=0x0E\r\n"
           "PlayerName6=Neutral\r\nPlayerColor6=300\r\nPlayerColor3=-5\r\n");
  TConfig c = ReadConfig(programDir, {});
  EXPECT_EQ(c.GameDir, "/games/vh/");
  EXPECT_EQ(c.TxtFilesDir, "ENG");
  EXPECT_FALSE(c.ToolBar);
  EXPECT_TRUE(c.StatusBar);
  EXPECT_EQ(c.StdPlayers[0], (TPlayerInfo{"ABCDEFGHIJKLMNOP", 14}));
  EXPECT_EQ(c.StdPlayers[6], (TPlayerInfo{"Neutral", 255}));  // clamped
  EXPECT_EQ(c.StdPlayers[3].Color, 0);
}

TEST_F(ConfigTest, EmptyGameDirFallsBackToTheThirdTitlesIni) {
  WriteIni("[General]\r\nVarnholtDir=\r\n");
  fs::create_directories(root / "wine" / "drive_c" / "windows");
  fs::create_directories(root / "wine" / "drive_c" / "Games" / "Rqs");
  WriteWholeFile((root / "wine" / "drive_c" / "windows" / "RQS.INI").string(),
                 ByteStream{'[', 'F', 'I', 'L',  'E', 'S', ']', '\n', 'R', 'Q',  'S', 'P', 'A', 'T', 'H',
                            '=', 'C', ':', '\\', 'G', 'A', 'M', 'E',  'S', '\\', 'R', 'Q', 'S', '\n'});
  TPlatformDirs platform{(root / "wine" / "drive_c" / "windows").string(), (root / "wine").string()};
  TConfig c = ReadConfig(programDir, platform);
  // The Windows path is found inside the prefix, whatever the case of its letters.
  EXPECT_EQ(c.GameDir, Utf8Of(root / "wine" / "drive_c" / "Games" / "Rqs") + test::Sep);

  // Without the prefix the path stays as written.
  EXPECT_EQ(FindGameDir({platform.WindowsDir, ""}), "C:\\GAMES\\RQS\\");
  EXPECT_EQ(FindGameDir({(root / "nowhere").string(), ""}), "C:\\HALDMARK\\RQS\\");
}

TEST_F(ConfigTest, WritingKeepsThePlayersAndAlwaysEndsTheDirWithASeparator) {
  WriteIni("[General]\r\nVarnholtDir=/old\r\n[VH2Players]\r\nPlayerName0=Red\r\n");
  TConfig c = ReadConfig(programDir, {});
  c.GameDir = "/new/game";
  c.ToolBar = false;
  c.TxtFilesDir = "ENG";
  WriteConfig(c);
  TIniFile ini(c.IniPath());
  EXPECT_EQ(ini.ReadString("General", "VarnholtDir", ""), "/new/game/");
  EXPECT_EQ(ini.ReadString("General", "ToolBar", ""), "0");
  EXPECT_EQ(ini.ReadString("General", "StatusBar", ""), "1");
  EXPECT_EQ(ini.ReadString("General", "TxtFilesDir", ""), "ENG");
  EXPECT_EQ(ini.ReadString("VH2Players", "PlayerName0", ""), "Red");
}

}  // namespace
}  // namespace vh
