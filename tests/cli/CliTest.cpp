#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <utility>

#include "base/FileUtil.h"
#include "base/Platform.h"
#include "mission/Mission.h"
#include "mission/TPWM.h"
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
    b.Shop = {test::ShopRecord(1, 16, 0x2000, 0x02),
              test::ContentRecord(0, {3, -1, -1, -1, -1, -1, -1, -1}, 4)};
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
  EXPECT_NE(help.out.find("\n  load JSON OUT "), std::string::npos) << help.out;
  std::string words;  // the help as one line, however it is wrapped
  for (char c : help.out)
    if (c != ' ' && c != '\n')
      words += c;
    else if (!words.empty() && words.back() != ' ')
      words += ' ';
  EXPECT_NE(words.find(
                "1 terrain, 2 objects, 4 units, 8 shop marks, 16 cargo marks, 32 AI point marks, 64 the base "
                "map, 128 the change layer, 256 marks on the cells the change layer changes. Nothing shows "
                "without 64 or 128."),
            std::string::npos)
      << help.out;
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

  // With another text directory the names file is looked for in "ENG": it
  // is missing there, so the shops get default names, as in the editor.
  Outcome other = Vhmission("check --text-dir ENG " + StdDir() + " " + P("MIS/miss001.dat"));
  EXPECT_EQ(other.code, 0) << other.out;
  EXPECT_NE(other.out.find("vhmission: warning: the shop names file \"" + P("ENG/miss001.txt") +
                           "\" is missing; the shops get default names, as in the editor\n"),
            std::string::npos)
      << other.out;
  // The check needs no standard data.
  EXPECT_EQ(Vhmission("check --std-dir " + P("nowhere") + " " + P("MIS/miss001.dat")).code, 0);
}

TEST_F(Cli, CheckPrintsOneLinePerKindOfProblem) {
  test::MissionBytes blank;
  blank.Width = 64;
  blank.Height = 64;
  WriteSample("miss010", blank, "\r\n#0000:0000{}\r\n");
  Outcome r = Vhmission("check " + StdDir() + " " + P("MIS/miss010.dat"));
  EXPECT_EQ(r.code, 0) << r.out;
  EXPECT_NE(r.out.find("64x64, 0 shops: 0 errors, 4096 warnings\n"), std::string::npos) << r.out;
  EXPECT_NE(
      r.out.find("\nwarning no-terrain: Cell inside the map without terrain (4096): (0, 0); (1, 0); (2, 0); "
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
  EXPECT_NE(
      bad.out.find("\nerror unit-owner: Unit that belongs to none of the players or the neutral side (1): "
                   "(0, 1) owner 255\n"),
      std::string::npos)
      << bad.out;
  EXPECT_NE(bad.out.find("\nwarning names-file-line: "), std::string::npos) << bad.out;
  EXPECT_NE(bad.out.find("(1): line 3\n"), std::string::npos) << bad.out;
}

// The plain report's sentences follow --lang de; the rest stays as scripts
// read it.
TEST_F(Cli, CheckSpeaksGermanOnRequest) {
  test::MissionBytes blank;
  blank.Width = 64;
  blank.Height = 64;
  WriteSample("miss012", blank, "\r\n#0000:0000{}\r\n");
  Outcome r = Vhmission("check --lang de " + StdDir() + " " + P("MIS/miss012.dat"));
  EXPECT_EQ(r.code, 0) << r.out;
  EXPECT_NE(r.out.find("\nwarning no-terrain: Feld innerhalb der Karte ohne Gel\xC3\xA4nde (4096): (0, 0);"),
            std::string::npos)
      << r.out;
  EXPECT_NE(Vhmission("check --lang en " + StdDir() + " " + P("MIS/miss012.dat"))
                .out.find("Cell inside the map without terrain"),
            std::string::npos);
  EXPECT_EQ(Vhmission("check --lang fr " + StdDir() + " " + P("MIS/miss012.dat")).code, 2);
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
        "{\"kind\":\"no-terrain\",\"severity\":\"warning\",\"sentence\":\"Cell inside the map without "
        "terrain\",\"count\":2,\"places\":[{\"x\":5,\"y\":0},{\"x\":39,\"y\":29}]}"})
    EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\n" << r.out;
}

TEST_F(Cli, DumpPrintsTheModelAsJson) {
  WriteSample("miss002", Sample(),
              "\r\n#0000:0000{Intro|R\x81"
              "diger|3}\r\n#0001:0024{Gr\x81n}\r\n#0002:0016{Depot}\r\n");
  Outcome r = Vhmission("dump " + StdDir() + " " + P("MIS/miss002.dat"));
  ASSERT_EQ(r.code, 0) << r.out;
  for (const char* expected :
       {"\"width\":3", "\"height\":2", "\"missionName\":\"Gr\xC3\xBCn\"",
        "\"name\":\"R\xC3\xBC"
        "diger\",\"color\":3",
        "\"missionText\":\"Intro\"",
        "{\"terrain\":1,\"obj\":-1,\"vehicle\":5,\"owner\":2,\"content\":0,\"shop\":-1", "\"name\":\"Depot\"",
        "\"typeName\":\"Town\"", "\"owner\":1", "{\"x\":0,\"y\":0,\"units\":[3,-1,-1,-1,-1,-1,-1,-1]}",
        "{\"schemaVersion\":1,\n", "\"typeName\":\"Town\",\"x\":1,\"y\":0,\"name\":\"Depot\"",
        "{\"x\":2,\"y\":0,\"terrain\":9,\"obj\":-2,\"vehicle\":255,\"owner\":null}", "\"dfNr\":0"})
    EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\n" << r.out.substr(0, 2000);
  EXPECT_EQ(r.out.find("warning"), std::string::npos);
}

TEST_F(Cli, AMissingMissionIsNamedAndAMissingNamesFileGivesDefaultNames) {
  for (const char* command : {"dump", "check"}) {
    Outcome r = Vhmission(std::string(command) + " " + P("nowhere/miss001.dat"));
    EXPECT_EQ(r.code, 1) << command;
    EXPECT_EQ(r.out,
              "vhmission: error: The mission file \"" + P("nowhere/miss001.dat") + "\" does not exist\n");
    r = Vhmission(std::string(command) + " " + P("MIS"));
    EXPECT_EQ(r.code, 1) << command;
    EXPECT_EQ(r.out, "vhmission: error: \"" + P("MIS") + "\" is a folder, not a mission file\n");
  }
  // An empty file is no mission, as random bytes are.
  WriteSample("miss007", test::MissionBytes{}, "\r\n\r\n");
  WriteWholeFile(P("MIS/miss007.dat"), ByteStream{});
  Outcome empty = Vhmission("dump " + P("MIS/miss007.dat"));
  EXPECT_EQ(empty.code, 1);
  EXPECT_NE(empty.out.find("No Mission File!"), std::string::npos) << empty.out;

  // Only the names are missing: read as the editor opens it.
  WriteWholeFile(P("MIS/miss008.dat"), Sample().Build());
  const std::string warning = "vhmission: warning: the shop names file \"" + P("GER/miss008.txt") +
                              "\" is missing; the shops get default names, as in the editor\n";
  Outcome dump = Vhmission("dump " + P("MIS/miss008.dat"));
  EXPECT_EQ(dump.code, 0) << dump.out;
  EXPECT_EQ(dump.out.rfind(warning, 0), 0u) << dump.out.substr(0, 300);
  EXPECT_NE(dump.out.find("\"name\":\"Shop Nr. 0\""), std::string::npos);
  Outcome check = Vhmission("check " + P("MIS/miss008.dat"));
  EXPECT_EQ(check.code, 0) << check.out;
  EXPECT_EQ(check.out.rfind(warning, 0), 0u) << check.out;
  Outcome copy = Vhmission("roundtrip " + StdDir() + " " + P("MIS/miss008.dat") + " " + P("MIS/miss009.dat"));
  EXPECT_EQ(copy.code, 0) << copy.out;
  EXPECT_NE(copy.out.find("wrote " + P("MIS/miss009.dat") + " and its shop names " + P("GER/miss009.txt") +
                          "\nthe shop names are the default ones: " + P("GER/miss008.txt") +
                          " was missing\n"),
            std::string::npos)
      << copy.out;
  const ByteStream names = ReadWholeFile(P("GER/miss009.txt"));
  EXPECT_NE(std::string(names.begin(), names.end()).find("#0002:0016{Shop Nr. 0}"), std::string::npos);
}

// One argument with blanks, for the Linux shell and for cmd.exe alike.
std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

// A path as a JSON string holds it: Windows' backslashes come doubled.
std::string JsonText(const std::string& path) {
  std::string out;
  for (char c : path)
    out += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return out;
}

TEST_F(Cli, PathsBeyondAsciiArePrintedOnce) {
  // "Übung" is in code page 1252, the Greek and Chinese letters are not.
  for (const std::string folder : {"\xC3\x9C"
                                   "bung",
                                   "\xCE\xA9 \xE5\x9C\xB0\xE5\x9B\xBE"}) {
    fs::create_directories(PathOf(P(folder + "/MIS")));
    fs::create_directories(PathOf(P(folder + "/GER")));
    const std::string mission = P(folder + "/MIS/miss001.dat");
    WriteWholeFile(mission, Sample().Build());
    WriteWholeFile(P(folder + "/GER/miss001.txt"), ByteStream{'\r', '\n', '\r', '\n'});
    Outcome dump = Vhmission("dump " + Quoted(mission));
    ASSERT_EQ(dump.code, 0) << dump.out;
    EXPECT_NE(dump.out.find("\"file\":\"" + JsonText(mission) + "\""), std::string::npos)
        << dump.out.substr(0, 300);
    EXPECT_NE(dump.out.find("\"namesFile\":\"" + JsonText(P(folder + "/GER/miss001.txt")) + "\""),
              std::string::npos);
    const std::string copy = P(folder + "/MIS/Karte \xC3\xA4.dat");
    Outcome written = Vhmission("roundtrip " + StdDir() + " " + Quoted(mission) + " " + Quoted(copy));
    EXPECT_EQ(written.out,
              "wrote " + copy + " and its shop names " + P(folder + "/GER/Karte \xC3\xA4.txt") + "\n");
    EXPECT_TRUE(fs::exists(PathOf(copy)));
    Outcome missing = Vhmission("check " + Quoted(P(folder + "/MIS/none.dat")));
    EXPECT_EQ(missing.out,
              "vhmission: error: The mission file \"" + P(folder + "/MIS/none.dat") + "\" does not exist\n");
    Outcome json = Vhmission("check --json " + Quoted(mission));
    EXPECT_EQ(json.out.rfind("{\"file\":\"" + JsonText(mission) + "\",", 0), 0u) << json.out;
  }
}

TEST_F(Cli, DumpAndRenderNeedNoStandardData) {
  WriteSample("miss020", Sample(), "\r\n\r\n");
  Outcome r = Vhmission("dump --std-dir " + P("nowhere") + " " + P("MIS/miss020.dat"));
  EXPECT_EQ(r.code, 0) << r.out.substr(0, 300);
  EXPECT_EQ(r.out.find("warning"), std::string::npos);
}

TEST_F(Cli, LoadWritesWhatDumpPrintsAndRefusesWhatTheFilesCannotHold) {
  WriteSample("miss030", Sample(), "\r\n#0000:0000{Text|Red|3|Blue|4|||||||||}\r\n#0002:0016{Depot}\r\n");
  Outcome dump = Vhmission("dump " + P("MIS/miss030.dat"));
  ASSERT_EQ(dump.code, 0);
  WriteWholeFile(P("miss030.json"), ByteStream(dump.out.begin(), dump.out.end()));
  Outcome load = Vhmission("load " + StdDir() + " " + P("miss030.json") + " " + P("MIS/miss031.dat"));
  EXPECT_EQ(load.out, "wrote " + P("MIS/miss031.dat") + " and its shop names " + P("GER/miss031.txt") + "\n");
  Outcome copy = Vhmission("roundtrip " + StdDir() + " " + P("MIS/miss030.dat") + " " + P("MIS/miss032.dat"));
  ASSERT_EQ(copy.code, 0) << copy.out;
  EXPECT_EQ(ReadWholeFile(P("MIS/miss031.dat")), ReadWholeFile(P("MIS/miss032.dat")));
  EXPECT_EQ(ReadWholeFile(P("GER/miss031.txt")), ReadWholeFile(P("GER/miss032.txt")));

  // From standard input too.
  Outcome piped = Vhmission("load " + StdDir() + " - " + P("MIS/miss033.dat") + " < " + P("miss030.json"));
  EXPECT_EQ(piped.code, 0) << piped.out;
  EXPECT_EQ(ReadWholeFile(P("MIS/miss033.dat")), ReadWholeFile(P("MIS/miss032.dat")));

  // A "|" in a player name would scramble the table: refused, nothing written.
  std::string bad = dump.out;
  const size_t at = bad.find("\"name\":\"Red\"");
  ASSERT_NE(at, std::string::npos);
  bad.replace(at, 12, "\"name\":\"R|d\"");
  WriteWholeFile(P("bad.json"), ByteStream(bad.begin(), bad.end()));
  Outcome refused = Vhmission("load " + StdDir() + " " + P("bad.json") + " " + P("MIS/miss034.dat"));
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(refused.out, "vhmission: error: " + P("bad.json") +
                             ": players[0].name: the shop names file cannot hold it: it holds \"|\", which "
                             "separates the player list\n");
  EXPECT_FALSE(fs::exists(P("MIS/miss034.dat")));
  EXPECT_FALSE(fs::exists(P("GER/miss034.txt")));
  // A names file that cannot be written (no text folder) costs the mission file too.
  fs::create_directories(dir / "elsewhere" / "MIS");
  Outcome noFolder =
      Vhmission("load " + StdDir() + " " + P("miss030.json") + " " + P("elsewhere/MIS/miss035.dat"));
  EXPECT_EQ(noFolder.code, 1);
  EXPECT_FALSE(fs::exists(P("elsewhere/MIS/miss035.dat")));
}

TEST_F(Cli, DemoMissionsComeBackByteForByteThroughDumpAndLoad) {
  const fs::path demo = VH_DEMO_GAME;
  for (const char* name : {"miss001", "miss002", "miss003"}) {
    fs::copy_file(demo / "MIS" / (std::string(name) + ".dat"), dir / "MIS" / (std::string(name) + ".dat"));
    fs::copy_file(demo / "GER" / (std::string(name) + ".txt"), dir / "GER" / (std::string(name) + ".txt"));
    Outcome dump = Vhmission("dump " + P("MIS/" + std::string(name) + ".dat"));
    ASSERT_EQ(dump.code, 0) << dump.out.substr(0, 300);
    WriteWholeFile(P(std::string(name) + ".json"), ByteStream(dump.out.begin(), dump.out.end()));
    const std::string out = "MIS/" + std::string(name) + "x.dat";
    Outcome load = Vhmission("load " + StdDir() + " " + P(std::string(name) + ".json") + " " + P(out));
    ASSERT_EQ(load.code, 0) << load.out;
    EXPECT_EQ(ReadWholeFile(P(out)), ReadWholeFile((demo / "MIS" / (std::string(name) + ".dat")).string()))
        << name;
    // miss002's names are stored TPWM-coded; every save writes them plain.
    const ByteStream names = ReadWholeFile((demo / "GER" / (std::string(name) + ".txt")).string());
    const ByteStream plain =
        std::string(name) == "miss002" ? DecompressTPWM(std::span(names).subspan(4), "miss002.txt") : names;
    EXPECT_EQ(ReadWholeFile(P("GER/" + std::string(name) + "x.txt")), plain) << name;
  }
}

TEST_F(Cli, RoundtripWritesTheSameMissionAndItsNames) {
  WriteSample("miss003", Sample(), "\r\n#0000:0000{}\r\n#0001:0024{Name}\r\n#0002:0016{Depot}\r\n");
  Outcome r = Vhmission("roundtrip " + StdDir() + " " + P("MIS/miss003.dat") + " " + P("MIS/miss004.dat"));
  ASSERT_EQ(r.code, 0) << r.out;
  EXPECT_TRUE(fs::exists(P("GER/miss004.txt")));
  Outcome again =
      Vhmission("roundtrip " + StdDir() + " " + P("MIS/miss004.dat") + " " + P("MIS/miss005.dat"));
  ASSERT_EQ(again.code, 0) << again.out;
  EXPECT_EQ(ReadWholeFile(P("MIS/miss004.dat")), ReadWholeFile(P("MIS/miss005.dat")));
  EXPECT_EQ(ReadWholeFile(P("GER/miss004.txt")), ReadWholeFile(P("GER/miss005.txt")));

  Outcome fail =
      Vhmission("roundtrip " + StdDir() + " " + P("MIS/miss003.dat") + " " + P("MIS/miss003.dat/x.dat"));
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

// "FILE: WxH, N shops: E errors, W warnings" of a plain check.
std::pair<int, int> ErrorsAndWarnings(const std::string& checkOutput) {
  int errors = -1, warnings = -1;
  const size_t at = checkOutput.find(" shops: ");
  if (at != std::string::npos)
    std::sscanf(checkOutput.c_str() + at, " shops: %d error%*[s,] %d warning", &errors, &warnings);
  return {errors, warnings};
}

TEST_F(Cli, DemoMissionsGrowOnEachSideAndShrinkBackIntoTheSameFiles) {
  const fs::path demo = VH_DEMO_GAME;
  for (const char* name : {"miss001", "miss002"}) {
    fs::copy_file(demo / "MIS" / (std::string(name) + ".dat"), dir / "MIS" / (std::string(name) + ".dat"));
    fs::copy_file(demo / "GER" / (std::string(name) + ".txt"), dir / "GER" / (std::string(name) + ".txt"));
    const std::string in = P("MIS/" + std::string(name) + ".dat");
    const bool first = std::string(name) == "miss001";
    const int width = first ? 32 : 48, height = first ? 24 : 40;
    // Left and top, right and bottom, and all around.
    for (const auto& [dx, dy] : {std::pair{0, 0}, std::pair{64 - width, 64 - height}, std::pair{8, 5}}) {
      SCOPED_TRACE(testing::Message() << name << " at " << dx << "," << dy);
      const std::string offset = std::to_string(dx) + "," + std::to_string(dy);
      const Outcome grow = Vhmission("resize " + StdDir() + " --size 64x64 --offset " + offset + " " + in +
                                     " " + P("MIS/big.dat"));
      ASSERT_EQ(grow.code, 0) << grow.out;
      const Outcome check = Vhmission("check " + P("MIS/big.dat"));
      EXPECT_EQ(check.code, 0) << check.out;
      // Only the new cells want terrain.
      EXPECT_EQ(ErrorsAndWarnings(check.out), std::pair(0, 64 * 64 - width * height)) << check.out;
      EXPECT_NE(check.out.find("warning no-terrain"), std::string::npos);
      const std::string back = "-" + std::to_string(dx) + ",-" + std::to_string(dy);
      const Outcome shrink =
          Vhmission("resize " + StdDir() + " --size " + std::to_string(width) + "x" + std::to_string(height) +
                    " --offset " + back + " " + P("MIS/big.dat") + " " + P("MIS/back.dat"));
      ASSERT_EQ(shrink.code, 0) << shrink.out;
      EXPECT_EQ(ReadWholeFile(P("MIS/back.dat")), ReadWholeFile(in));
    }
  }
}

TEST_F(Cli, DemoMissionsCroppedAnywhereCheckWithoutErrors) {
  const fs::path demo = VH_DEMO_GAME;
  fs::copy_file(demo / "MIS" / "miss003.dat", dir / "MIS" / "miss003.dat");
  fs::copy_file(demo / "GER" / "miss003.txt", dir / "GER" / "miss003.txt");
  for (const auto& [dx, dy] :
       {std::pair{0, 0}, std::pair{-40, -48}, std::pair{-20, -24}, std::pair{-2, -47}}) {
    const std::string offset = std::to_string(dx) + "," + std::to_string(dy);
    const Outcome cut = Vhmission("resize " + StdDir() + " --size 24x16 --offset " + offset + " " +
                                  P("MIS/miss003.dat") + " " + P("MIS/cut.dat"));
    ASSERT_EQ(cut.code, 0) << cut.out;
    EXPECT_NE(cut.out.find("removed 3712 cells of the old map"), std::string::npos) << cut.out;
    const Outcome check = Vhmission("check " + P("MIS/cut.dat"));
    EXPECT_EQ(check.code, 0) << offset << ": " << check.out;
    EXPECT_EQ(ErrorsAndWarnings(check.out).first, 0) << offset << ": " << check.out;
  }
}

TEST_F(Cli, ResizeRefusesWhatItCannotDo) {
  WriteSample("miss003", Sample(), "\r\n#0002:0016{Depot}\r\n");
  const std::string files = " " + P("MIS/miss003.dat") + " " + P("MIS/out.dat");
  for (const char* bad :
       {"", "--size 40", "--size 40x", "--size x30", "--size 23x16", "--size 40x65",
        "--size 40x30 --offset 1,0", "--size 40x30 --offset 2", "--size 40x30 --offset 2,-70"}) {
    const Outcome r = Vhmission("resize " + StdDir() + " " + bad + files);
    EXPECT_EQ(r.code, 2) << bad << ": " << r.out;
  }
  EXPECT_FALSE(fs::exists(P("MIS/out.dat")));
  const Outcome odd = Vhmission("resize " + StdDir() + " --size 40x30 --offset -3,0" + files);
  EXPECT_NE(odd.out.find("odd"), std::string::npos) << odd.out;
  const Outcome ok = Vhmission("resize " + StdDir() + " --size 40x30 --offset 2,-1" + files);
  EXPECT_EQ(ok.code, 0) << ok.out;
  // The unit with its cargo, the shop and the change layer's one record
  // stood on the first row, which is cut off.
  EXPECT_NE(
      ok.out.find("resized 3x2 to 40x30, the old map at offset 2,-1; removed 3 cells of the old map with 1 "
                  "unit, 1 cargo record, 0 AI points, 1 shop and 1 change-layer record"),
      std::string::npos)
      << ok.out;
}

TEST_F(Cli, CoastsDrawTheShoresOfAPaintedIsland) {
  {
    auto m = std::make_unique<TMission>();
    m->SetSize({24, 16});
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 24; ++x)
        m->Cells[y][x].Terrain = 96;
    m->Cells[4][4].Terrain = 273;
    m->SaveAs(P("MIS/miss020.dat"));
  }
  const Outcome r = Vhmission("coasts " + StdDir() + " " + P("MIS/miss020.dat") + " " + P("MIS/miss021.dat"));
  ASSERT_EQ(r.code, 0) << r.out;
  EXPECT_NE(r.out.find("rebuilt the coasts: 8 cells changed\n"), std::string::npos) << r.out;
  auto m = std::make_unique<TMission>();
  m->LoadFromFile(P("MIS/miss021.dat"));
  // Light green coasts around (4, 4), worked out by hand: above tile 6 (102),
  // upper right 5 (99), lower right 3 (100), below 1 (103), lower left 2
  // (101), upper left 4 (98), and the corners 11 (108) and 12 (109) beside.
  EXPECT_EQ(m->Cells[3][4].Terrain, 102);
  EXPECT_EQ(m->Cells[3][5].Terrain, 99);
  EXPECT_EQ(m->Cells[4][5].Terrain, 100);
  EXPECT_EQ(m->Cells[5][4].Terrain, 103);
  EXPECT_EQ(m->Cells[4][3].Terrain, 101);
  EXPECT_EQ(m->Cells[3][3].Terrain, 98);
  EXPECT_EQ(m->Cells[4][2].Terrain, 108);
  EXPECT_EQ(m->Cells[4][6].Terrain, 109);
  EXPECT_EQ(m->Cells[4][4].Terrain, 273);
  EXPECT_EQ(m->Cells[10][10].Terrain, 96);

  // The demo's coasts are right already: the same file comes out.
  const fs::path demo = VH_DEMO_GAME;
  fs::copy_file(demo / "MIS" / "miss003.dat", dir / "MIS" / "miss003.dat");
  fs::copy_file(demo / "GER" / "miss003.txt", dir / "GER" / "miss003.txt");
  const Outcome same =
      Vhmission("coasts " + StdDir() + " " + P("MIS/miss003.dat") + " " + P("MIS/miss004.dat"));
  ASSERT_EQ(same.code, 0) << same.out;
  EXPECT_NE(same.out.find("rebuilt the coasts: 0 cells changed\n"), std::string::npos) << same.out;
  EXPECT_EQ(ReadWholeFile(P("MIS/miss004.dat")), ReadWholeFile(P("MIS/miss003.dat")));
}

}  // namespace
}  // namespace vh
