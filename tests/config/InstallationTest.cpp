#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/FileUtil.h"
#include "base/Platform.h"
#include "config/Config.h"
#include "config/IniFile.h"
#include "config/Installation.h"
#include "support/TempDir.h"

namespace vh {
namespace {

namespace fs = std::filesystem;

void Write(const std::string& path, const std::string& text) {
  fs::create_directories(PathOf(path).parent_path());
  WriteWholeFile(path, ByteStream(text.begin(), text.end()));
}

std::string Read(const std::string& path) {
  const ByteStream data = ReadWholeFile(path);
  return {data.begin(), data.end()};
}

TEST(IniLocation, FollowsTheLayoutTheProgramIsIn) {
  TIniFacts portable{"/opt/vh/", "/opt/vh/", "/home/u/.config/varnholt-editor", false, true};
  TIniFacts installed{"/usr/bin/", "/usr/share/varnholt-editor/", "/home/u/.config/varnholt-editor", false,
                      true};

  // A build folder or an unpacked copy keeps its settings beside the program.
  EXPECT_EQ(ChooseIniLocation(portable, {}).Path, "/opt/vh/vhedit.ini");
  EXPECT_EQ(ChooseIniLocation(portable, {}).Defaults, "");

  // Read-only copy: the user's folder, seeded from the file beside the data.
  portable.ProgramDirWritable = false;
  EXPECT_EQ(ChooseIniLocation(portable, {}).Path, "/home/u/.config/varnholt-editor/vhedit.ini");
  EXPECT_EQ(ChooseIniLocation(portable, {}).Defaults, "/opt/vh/vhedit.ini");
  // That file lies beside the program too (an unpacked archive ships it):
  // still the user's folder, since the program's folder takes no saves.
  portable.IniBesideProgram = true;
  EXPECT_EQ(ChooseIniLocation(portable, {}).Path, "/home/u/.config/varnholt-editor/vhedit.ini");
  EXPECT_EQ(ChooseIniLocation(portable, {}).Defaults, "/opt/vh/vhedit.ini");
  portable.ProgramDirWritable = true;
  EXPECT_EQ(ChooseIniLocation(portable, {}).Path, "/opt/vh/vhedit.ini");
  EXPECT_EQ(ChooseIniLocation(portable, {}).Defaults, "");

  // An installed program writes into the user's folder even when it could
  // write into bin/ (as root does).
  EXPECT_EQ(ChooseIniLocation(installed, {}).Path, "/home/u/.config/varnholt-editor/vhedit.ini");
  EXPECT_EQ(ChooseIniLocation(installed, {}).Defaults, "/usr/share/varnholt-editor/vhedit.ini");

  // A vhedit.ini already beside the program is kept, whatever the layout.
  installed.IniBesideProgram = true;
  EXPECT_EQ(ChooseIniLocation(installed, {}).Path, "/usr/bin/vhedit.ini");
  EXPECT_EQ(ChooseIniLocation(installed, {}).Defaults, "");

  // The command line beats everything and copies nothing.
  const TIniLocation given = ChooseIniLocation(installed, std::string("my.ini"));
  EXPECT_EQ(given.Path, "my.ini");
  EXPECT_EQ(given.Defaults, "");

  // Without a home there is no user folder: beside the program as of old.
  installed.IniBesideProgram = false;
  installed.UserConfigDir.clear();
  EXPECT_EQ(ChooseIniLocation(installed, {}).Path, "/usr/bin/vhedit.ini");
}

TEST(UserConfigDir, FollowsTheXdgRule) {
  using test::Native;
  EXPECT_EQ(UserConfigDir("/x/conf", "/home/u"), Native("/x/conf/varnholt-editor"));
  EXPECT_EQ(UserConfigDir("/x/conf/", "/home/u"), Native("/x/conf/varnholt-editor"));
  // A relative or empty XDG_CONFIG_HOME is invalid and ignored.
  EXPECT_EQ(UserConfigDir("conf", "/home/u"), Native("/home/u/.config/varnholt-editor"));
  EXPECT_EQ(UserConfigDir("", "/home/u"), Native("/home/u/.config/varnholt-editor"));
  EXPECT_EQ(UserConfigDir(nullptr, "/home/u"), Native("/home/u/.config/varnholt-editor"));
  EXPECT_EQ(UserConfigDir(nullptr, nullptr), "");
  EXPECT_EQ(UserConfigDir(nullptr, ""), "");
}

class InstalledLayout : public ::testing::Test {
protected:
  test::TempDir tmp;
  std::string bin = tmp.File("root/usr/bin/");
  std::string share = tmp.File("root/usr/share/varnholt-editor/");
  std::string user = tmp.File("home/.config/varnholt-editor");

  void SetUp() override {
    fs::create_directories(bin);
    Write(share + "TOOLS.DAT", "t");
    Write(share + "vhedit.ini", "[General]\nVarnholtDir=VarnholtDemo/\nTxtFilesDir=GER\nToolBar=1\n\n"
                                "[VH2Players]\nPlayerName0=Crimson\nPlayerColor0=3\n");
  }
};

TEST_F(InstalledLayout, DataAreFoundBesideTheProgramOrInTheShareFolder) {
  EXPECT_EQ(FindDataDir(bin), share);
  EXPECT_EQ(FindDataDir(bin.substr(0, bin.size() - 1)), share) << "without a trailing separator";

  // Data beside the program win, whatever the case of the marker's name.
  Write(bin + "tools.dat", "t");
  EXPECT_EQ(FindDataDir(bin), bin);

  // Neither: the program's folder, so the missing files are named there.
  const std::string lonely = (tmp.Fs() / "lonely").string() + "/";
  fs::create_directories(lonely);
  EXPECT_EQ(FindDataDir(lonely), lonely);
}

TEST_F(InstalledLayout, FirstStartCopiesTheDefaultsPointingAtTheInstalledDemo) {
  const TLocations where = FindLocations(bin, user, {});
  EXPECT_EQ(where.ProgramDir, bin);
  EXPECT_EQ(where.DataDir, share);
  EXPECT_EQ(where.Ini.Path, user + test::Sep + "vhedit.ini");

  // Reading before the first start sees the defaults but writes nothing.
  EXPECT_EQ(OpenSettings(where.Ini).ReadString("General", "VarnholtDir", ""),
            share + "VarnholtDemo" + test::Sep);
  EXPECT_FALSE(fs::exists(where.Ini.Path));

  ASSERT_TRUE(CreateIniFromDefaults(where.Ini));
  TIniFile created(where.Ini.Path);
  EXPECT_EQ(created.ReadString("General", "VarnholtDir", ""), share + "VarnholtDemo" + test::Sep);
  EXPECT_EQ(created.ReadString("VH2Players", "PlayerName0", ""), "Crimson");
  EXPECT_EQ(created.ReadInteger("VH2Players", "PlayerColor0", 0), 3);
  EXPECT_EQ(Read(share + "vhedit.ini").find(share), std::string::npos) << "the shipped file stays relative";

  // The user's own settings are never replaced by the defaults again.
  Write(where.Ini.Path, "[General]\nVarnholtDir=/games/vh/\n");
  EXPECT_FALSE(CreateIniFromDefaults(where.Ini));
  EXPECT_EQ(Read(where.Ini.Path), "[General]\nVarnholtDir=/games/vh/\n");

  // And the editor reads and writes them there.
  TConfig c = ReadConfig(where, {});
  EXPECT_EQ(c.GameDir, "/games/vh/");
  EXPECT_EQ(c.DataDir, share);
  c.ToolBar = false;
  WriteConfig(c);
  EXPECT_EQ(TIniFile(where.Ini.Path).ReadString("General", "ToolBar", ""), "0");
}

TEST_F(InstalledLayout, OnlyARelativeGameDirectoryIsMadeAbsolute) {
  const TIniLocation where{user + test::Sep + "vhedit.ini", share + "vhedit.ini"};
  for (auto [given, expected] : {std::pair<std::string, std::string>{"/games/vh/", "/games/vh/"},
                                 {"C:\\GAMES\\RQS\\", "C:\\GAMES\\RQS\\"},
                                 {"Demo\\Game\\", share + test::Native("Demo/Game/")},
                                 {"./Demo", share + test::Native("Demo/")},
                                 {"", ""}}) {
    Write(share + "vhedit.ini", "[General]\nVarnholtDir=" + given + "\n");
    EXPECT_EQ(OpenSettings(where).ReadString("General", "VarnholtDir", "?"), expected) << given;
  }
}

TEST_F(InstalledLayout, WithoutDefaultsNothingIsCreatedAndSavingMakesTheFolder) {
  fs::remove(share + "vhedit.ini");
  const TLocations where = FindLocations(bin, user, {});
  EXPECT_FALSE(CreateIniFromDefaults(where.Ini));
  EXPECT_FALSE(fs::exists(user));

  TConfig c = ReadConfig(where, {});
  EXPECT_EQ(c.TxtFilesDir, "GER");
  c.GameDir = "/games/vh";
  WriteConfig(c);
  EXPECT_EQ(TIniFile(user + "/vhedit.ini").ReadString("General", "VarnholtDir", ""), "/games/vh/");
}

// The layout of the Windows archive: programs, data and the shipped
// defaults naming the demo game beside them, all in one folder.
TEST_F(InstalledLayout, AnUnpackedArchiveFindsTheDemoGameBesideItsDefaults) {
  const std::string unpacked = tmp.File("J\xc3\xb6rg/Spiele/Editor") + test::Sep;
  Write(unpacked + "TOOLS.DAT", "t");
  Write(unpacked + "vhedit.ini", "[General]\nVarnholtDir=VarnholtDemo\\\n");
  const std::string demo = unpacked + "VarnholtDemo" + test::Sep;

  TLocations where = FindLocations(unpacked, user, {});
  EXPECT_EQ(where.DataDir, unpacked);
  EXPECT_EQ(where.Ini.Path, unpacked + "vhedit.ini") << "a writable folder keeps its settings";
  EXPECT_EQ(ReadConfig(where, {}).GameDir, demo);

  // Read-only (a folder under Program Files): the user's file, from the
  // same defaults.
  TIniFacts facts{unpacked, unpacked, user, true, false};
  const TIniLocation readOnly = ChooseIniLocation(facts, {});
  EXPECT_EQ(readOnly.Path, user + test::Sep + "vhedit.ini");
  EXPECT_EQ(OpenSettings(readOnly).ReadString("General", "VarnholtDir", ""), demo);
  ASSERT_TRUE(CreateIniFromDefaults(readOnly));
  EXPECT_EQ(TIniFile(readOnly.Path).ReadString("General", "VarnholtDir", ""), demo);
  EXPECT_EQ(Read(unpacked + "vhedit.ini"), "[General]\nVarnholtDir=VarnholtDemo\\\n");
}

TEST_F(InstalledLayout, AnIniBesideTheProgramOrOnTheCommandLineIsUsedAsItIs) {
  Write(bin + "VHEDIT.INI", "[General]\nVarnholtDir=/beside/\n");
  TLocations where = FindLocations(bin, user, {});
  EXPECT_EQ(ReadConfig(where, {}).GameDir, "/beside/") << "found whatever the case of its name";
  EXPECT_FALSE(CreateIniFromDefaults(where.Ini));

  const std::string mine = tmp.File("mine.ini");
  where = FindLocations(bin, user, mine);
  EXPECT_EQ(where.Ini.Path, mine);
  EXPECT_FALSE(CreateIniFromDefaults(where.Ini));
  EXPECT_FALSE(fs::exists(mine));
  EXPECT_EQ(ReadConfig(where, {}).TxtFilesDir, "GER") << "a missing file gives the defaults";
}

}  // namespace
}  // namespace vh
