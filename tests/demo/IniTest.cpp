// The settings file is written once and then belongs to the user.
#include <gtest/gtest.h>

#include <fstream>

#include "DemoFiles.h"
#include "base/FileUtil.h"
#include "demo/Install.h"

namespace vh::demotest {
namespace {

std::string Text(const fs::path& p) {
  ByteStream b = ReadWholeFile(p.string());
  return std::string(b.begin(), b.end());
}

class DemoIni : public ::testing::Test {
protected:
  void SetUp() override {
    dir = UniqueTempDir("vh_demo_ini_test");
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
};

TEST_F(DemoIni, WrittenWhenMissingWithGeneralAndPlayerSections) {
  fs::path ini = dir / "vhedit.ini";
  EXPECT_TRUE(demo::WriteIniIfMissing(ini.string(), "/games/demo/"));
  std::string text = Text(ini);
  EXPECT_NE(text.find("[General]\nVarnholtDir=/games/demo/\n"), std::string::npos) << text;
  EXPECT_NE(text.find("TxtFilesDir=GER"), std::string::npos);
  EXPECT_NE(text.find("[VH2Players]"), std::string::npos);
  for (int i = 0; i < 7; ++i) {
    std::string key = "PlayerName" + std::to_string(i) + "=";
    size_t at = text.find(key);
    ASSERT_NE(at, std::string::npos) << key;
    size_t end = text.find('\n', at);
    EXPECT_LE(end - at - key.size(), 16u) << "player names have at most 16 characters";
  }
}

TEST_F(DemoIni, NeverReplacesTheUsersSettings) {
  fs::path ini = dir / "vhedit.ini";
  {
    std::ofstream f(ini, std::ios::binary);
    f << "[General]\nVarnholtDir=/my/own/game/\nToolBar=0\n";
  }
  EXPECT_FALSE(demo::WriteIniIfMissing(ini.string(), "/games/demo/"));
  EXPECT_EQ(Text(ini), "[General]\nVarnholtDir=/my/own/game/\nToolBar=0\n");
}

TEST_F(DemoIni, AWholeRebuildKeepsTheSettingsButRenewsTheData) {
  demo::InstallReport first = demo::WriteInstallation(dir.string());
  EXPECT_TRUE(first.IniWritten);
  {
    std::ofstream f(dir / "vhedit.ini", std::ios::binary);
    f << "[General]\nVarnholtDir=/elsewhere/\n";
  }
  fs::remove(dir / "terrain.sel");
  demo::InstallReport second = demo::WriteInstallation(dir.string());
  EXPECT_FALSE(second.IniWritten);
  EXPECT_EQ(Text(dir / "vhedit.ini"), "[General]\nVarnholtDir=/elsewhere/\n");
  EXPECT_TRUE(fs::exists(dir / "terrain.sel"));
  EXPECT_EQ(first.Written.size(), second.Written.size());
}

}  // namespace
}  // namespace vh::demotest
