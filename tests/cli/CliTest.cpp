#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "base/FileUtil.h"
#include "base/Platform.h"
#include "support/MissionBytes.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace vh {
namespace {

namespace fs = std::filesystem;

using Outcome = test::TOutcome;

Outcome Vhmission(const std::string& args) {
  return test::RunProgram(test::ProgramPath(VHMISSION_EXE), args);
}

class Cli : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(dir / "MIS");
    fs::create_directories(dir / "GER");
    fs::create_directories(dir / "std");
    WriteWholeFile(P("std/stdmiss.dat"), ByteStream(332, 0));
    WriteWholeFile(P("std/stddf00.dat"), ByteStream{});
  }
  std::string P(const std::string& rel) const { return tmp.File(rel); }

  void WriteSample(const std::string& name, const test::MissionBytes& b, const std::string& names) {
    WriteWholeFile(P("MIS/" + name + ".dat"), b.Build());
    WriteWholeFile(P("GER/" + name + ".txt"), ByteStream(names.begin(), names.end()));
  }

  static test::MissionBytes Sample() {
    test::MissionBytes b;
    b.Width = 3;
    b.Height = 2;
    b.Terrain = {1, 2, 3, 4, 5, 6};
    b.Units = {0x0405, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    b.Shop = {test::ShopRecord(1, 16, 0x2000, 0x02), test::ContentRecord(0, {3, -1, -1, -1, -1, -1, -1, -1}, 4)};
    b.Layers = {ByteStream{2, 0, 9, 0, 0xFE, 0xFF, 0xFF, 0xFF}};
    return b;
  }
  std::string StdDir() const { return "--std-dir " + P("std"); }

  test::TempDir tmp;
  fs::path dir = tmp.Fs();
};

TEST_F(Cli, UsageErrorsExitWithTwo) {
  EXPECT_EQ(Vhmission("").code, 2);
  EXPECT_EQ(Vhmission("frobnicate x").code, 2);
  EXPECT_EQ(Vhmission("dump").code, 2);
  EXPECT_EQ(Vhmission("dump a b").code, 2);
  Outcome r = Vhmission("check --bogus x");
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.out.find("--bogus"), std::string::npos);
  EXPECT_EQ(Vhmission("check --std-dir").code, 2);
  Outcome help = Vhmission("--help");
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("roundtrip IN OUT"), std::string::npos);
}

TEST_F(Cli, CheckReportsAnomaliesAsWarningsAndFailuresWithOne) {
  test::MissionBytes b = Sample();
  b.Shop.push_back(test::ShopRecord(2, 16, 0x0003, 0x02));  // unknown shop type
  WriteSample("miss001", b, "\r\n#0002:0016{Town}\r\n");
  Outcome ok = Vhmission("check " + StdDir() + " " + P("MIS/miss001.dat"));
  EXPECT_EQ(ok.code, 0) << ok.out;
  EXPECT_NE(ok.out.find("warning"), std::string::npos);
  EXPECT_NE(ok.out.find("0003"), std::string::npos);

  WriteWholeFile(P("MIS/bad.dat"), ByteStream(400, 0));
  WriteWholeFile(P("GER/bad.txt"), ByteStream(8, '\n'));
  Outcome bad = Vhmission("check " + StdDir() + " " + P("MIS/bad.dat"));
  EXPECT_EQ(bad.code, 1);
  EXPECT_NE(bad.out.find("No Mission File!"), std::string::npos);

  // Without the text directory the names file is looked for in "ENG".
  Outcome other = Vhmission("check --text-dir ENG " + StdDir() + " " + P("MIS/miss001.dat"));
  EXPECT_EQ(other.code, 1);
  EXPECT_NE(other.out.find("ENG"), std::string::npos);
  EXPECT_EQ(Vhmission("check --std-dir " + P("nowhere") + " " + P("MIS/miss001.dat")).code, 1);
}

TEST_F(Cli, CheckPrintsOneLinePerKindOfProblem) {
  test::MissionBytes blank;
  blank.Width = 64;
  blank.Height = 64;
  WriteSample("miss010", blank, "\r\n#0000:0000{}\r\n");
  Outcome r = Vhmission("check " + StdDir() + " " + P("MIS/miss010.dat"));
  EXPECT_EQ(r.code, 0) << r.out;
  EXPECT_NE(r.out.find("64x64, 0 shops: 0 errors, 4096 warnings\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\nwarning no-terrain: Cell inside the map without terrain (4096): (0, 0); (1, 0); (2, 0); "
                       "(3, 0); (4, 0); and 4091 more\n"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out;

  // A unit whose owner byte is no side is an error; a stray line a warning.
  test::MissionBytes b = Sample();
  b.Units[3] = 0xFF05;
  WriteSample("miss011", b, "\r\n#0002:0016{Town}\r\nnot an entry\r\n");
  Outcome bad = Vhmission("check " + StdDir() + " " + P("MIS/miss011.dat"));
  EXPECT_EQ(bad.code, 1) << bad.out;
  EXPECT_NE(bad.out.find("\nerror unit-owner: Unit that belongs to none of the players or the neutral side (1): "
                         "(0, 1) owner 255\n"),
            std::string::npos)
      << bad.out;
  EXPECT_NE(bad.out.find("\nwarning names-file-line: "), std::string::npos) << bad.out;
  EXPECT_NE(bad.out.find("(1): line 3\n"), std::string::npos) << bad.out;
}

TEST_F(Cli, CheckJsonListsEveryPlace) {
  test::MissionBytes blank;
  blank.Width = 40;
  blank.Height = 30;
  blank.Terrain.assign(40 * 30, 2);
  blank.Terrain[5] = -1;
  blank.Terrain[40 * 29 + 39] = -1;
  WriteSample("miss012", blank, "\r\n#0000:0000{}\r\n?\r\n");
  Outcome r = Vhmission("check --json " + StdDir() + " " + P("MIS/miss012.dat"));
  EXPECT_EQ(r.code, 0) << r.out;
  for (const char* expected :
       {"\"width\":40,\"height\":30,\"errors\":0,\"warnings\":3,\"problems\":[",
        "{\"kind\":\"names-file-line\",\"severity\":\"warning\",", "\"count\":1,\"places\":[{\"line\":3}]}",
        "{\"kind\":\"no-terrain\",\"severity\":\"warning\",\"sentence\":\"Cell inside the map without terrain\","
        "\"count\":2,\"places\":[{\"x\":5,\"y\":0},{\"x\":39,\"y\":29}]}"})
    EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\n" << r.out;
}

TEST_F(Cli, DumpPrintsTheModelAsJson) {
  WriteSample("miss002", Sample(),
              "\r\n#0000:0000{Intro|R\x81" "diger|3}\r\n#0001:0024{Gr\x81n}\r\n#0002:0016{Depot}\r\n");
  Outcome r = Vhmission("dump " + StdDir() + " " + P("MIS/miss002.dat"));
  ASSERT_EQ(r.code, 0) << r.out;
  for (const char* expected :
       {"\"width\":3", "\"height\":2", "\"missionName\":\"Gr\xC3\xBCn\"", "\"name\":\"R\xC3\xBC" "diger\",\"color\":3",
        "\"missionText\":\"Intro\"", "{\"terrain\":1,\"obj\":-1,\"vehicle\":5,\"owner\":2,\"content\":0,\"shop\":-1",
        "\"name\":\"Depot\"", "\"typeName\":\"Town\"", "\"owner\":1", "[3,-1,-1,-1,-1,-1,-1,-1]",
        "{\"x\":2,\"y\":0,\"terrain\":9,\"obj\":-2,\"vehicle\":255,\"owner\":null}", "\"dfNr\":0"})
    EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\n" << r.out.substr(0, 2000);
  EXPECT_EQ(r.out.find("warning"), std::string::npos);
}

TEST_F(Cli, RoundtripWritesTheSameMissionAndItsNames) {
  WriteSample("miss003", Sample(), "\r\n#0000:0000{}\r\n#0001:0024{Name}\r\n#0002:0016{Depot}\r\n");
  Outcome r = Vhmission("roundtrip " + StdDir() + " " + P("MIS/miss003.dat") + " " + P("MIS/miss004.dat"));
  ASSERT_EQ(r.code, 0) << r.out;
  EXPECT_TRUE(fs::exists(P("GER/miss004.txt")));
  Outcome again = Vhmission("roundtrip " + StdDir() + " " + P("MIS/miss004.dat") + " " + P("MIS/miss005.dat"));
  ASSERT_EQ(again.code, 0) << again.out;
  EXPECT_EQ(ReadWholeFile(P("MIS/miss004.dat")), ReadWholeFile(P("MIS/miss005.dat")));
  EXPECT_EQ(ReadWholeFile(P("GER/miss004.txt")), ReadWholeFile(P("GER/miss005.txt")));

  Outcome fail = Vhmission("roundtrip " + StdDir() + " " + P("MIS/miss003.dat") + " " + P("MIS/miss003.dat/x.dat"));
  EXPECT_EQ(fail.code, 1);
}

// Arguments with letters code page 1252 has and has not ("\u00DC",
// "\u041A\u0430\u0440\u0442\u0430") reach the program whole.
TEST_F(Cli, RoundtripTakesUnicodeFileNames) {
  const std::string folder = "\xC3\x9C-\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0";
  fs::create_directories(PathOf(P(folder + "/MIS")));
  fs::create_directories(PathOf(P(folder + "/GER")));
  WriteSample("miss003", Sample(), "\r\n#0000:0000{}\r\n#0001:0024{Name}\r\n#0002:0016{Depot}\r\n");
  WriteWholeFile(P(folder + "/MIS/miss003.dat"), ReadWholeFile(P("MIS/miss003.dat")));
  WriteWholeFile(P(folder + "/GER/miss003.txt"), ReadWholeFile(P("GER/miss003.txt")));
  Outcome r = Vhmission("roundtrip " + StdDir() + " " + P(folder + "/MIS/miss003.dat") + " " +
                        P(folder + "/MIS/miss\xC3\xBC.dat"));
  ASSERT_EQ(r.code, 0) << r.out;
  ASSERT_EQ(Vhmission("roundtrip " + StdDir() + " " + P("MIS/miss003.dat") + " " + P("MIS/miss004.dat")).code,
            0);
  EXPECT_EQ(ReadWholeFile(P(folder + "/MIS/miss\xC3\xBC.dat")), ReadWholeFile(P("MIS/miss004.dat")));
  EXPECT_EQ(ReadWholeFile(P(folder + "/GER/miss\xC3\xBC.txt")), ReadWholeFile(P("GER/miss004.txt")));
}

} // namespace
} // namespace vh
