#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "base/FileUtil.h"
#include "cli/CmdRender.h"
#include "graphics/IndexedImage.h"
#include "graphics/Library.h"
#include "hexmap/MapRenderer.h"
#include "support/FakeGraphics.h"

namespace vh {
namespace {

using test::TempDir;

struct Outcome {
  int code = -1;
  std::string out, err;
};

class Render : public ::testing::Test {
protected:
  TempDir dir;
  std::string game = dir.File("game");
  std::string program = dir.File("prog");
  std::string missionFile = dir.File("maps/miss010.dat");

  void SetUp() override {
    test::WriteFakeInstallation(game, program, {.UnitRecords = 128, .UpperCaseNames = true});
    auto m = std::make_unique<TMission>();
    m->SetSize({12, 9});
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 12; ++x)
        m->Cells[static_cast<size_t>(y)][static_cast<size_t>(x)].Terrain =
            static_cast<int16_t>((x * 5 + y) % 40);
    m->Cells[4][4].Obj = 90;
    m->Cells[4][5].Obj = 90;
    m->Cells[2][3] = {.Terrain = 3, .Vehicle = 9, .VehOwner = 2};
    m->SelectDFLayer(2);
    m->DFCells[1][1] = {.Terrain = 33};
    m->StoreDFLayer();
    m->SelectDFLayer(0);
    std::filesystem::create_directories(dir.File("maps"));
    m->SaveAs(missionFile);
  }

  Outcome Run(std::vector<std::string> args) const {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Outcome r;
    r.code = cli::RenderCommand(args, program);
    r.out = testing::internal::GetCapturedStdout();
    r.err = testing::internal::GetCapturedStderr();
    return r;
  }

  // The same picture made through the library API.
  TIndexedImage Expected(const TMapDrawOptions& options, int layer = -1) const {
    TLibraryTable table = DefaultLibraryTable();
    OpenLibraries(game, table);
    auto sets = std::make_unique<TPictureSets>();
    LoadGameGraphics(*sets, table, program);
    CloseLibraries(table);
    auto m = std::make_unique<TMission>();
    m->LoadFromFile(missionFile);
    if (layer >= 0)
      m->SelectDFLayer(static_cast<uint8_t>(layer));
    palette = sets->GamePalette;
    return RenderMission(*sets, *m, options);
  }
  mutable TPalette palette{};
};

TEST_F(Render, WritesBmpAndPngOfTheWholeMap) {
  Outcome r = Run({missionFile, dir.File("map.bmp"), "--game-dir", game});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("map.bmp"), std::string::npos);
  EXPECT_NE(r.out.find("200 x 228"), std::string::npos) << r.out;
  const TIndexedImage expected = Expected({});
  EXPECT_EQ(ReadWholeFile(dir.File("map.bmp")), EncodeBmp(expected, palette));

  r = Run({"--game-dir=" + game, missionFile, dir.File("map.PNG")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(ReadWholeFile(dir.File("map.PNG")), EncodePng(expected, palette));
  EXPECT_EQ(r.err, "");
}

TEST_F(Render, FilterGridAndChangeLayerChangeThePicture) {
  ASSERT_EQ(Run({missionFile, dir.File("a.png"), "--game-dir", game, "--grid", "--filter", "0xC7",
                 "--df-layer", "2"})
                .code,
            0);
  TMapDrawOptions o;
  o.ShowGrid = true;
  o.Filter = 0xC7;
  const TIndexedImage withLayer = Expected(o, 2);
  EXPECT_EQ(ReadWholeFile(dir.File("a.png")), EncodePng(withLayer, palette));
  EXPECT_NE(withLayer.Pixels, Expected(o).Pixels) << "layer 2 changes a cell that layer 0 does not";

  // A layer chosen but not shown by the filter: drawn without it, and said so.
  Outcome r = Run({missionFile, dir.File("b.png"), "--game-dir", game, "--df-layer", "2"});
  ASSERT_EQ(r.code, 0);
  EXPECT_NE(r.err.find("change layer 2 is not drawn"), std::string::npos) << r.err;
  EXPECT_EQ(ReadWholeFile(dir.File("b.png")), EncodePng(Expected({}), palette));
}

TEST_F(Render, TakesTheGameDirectoryFromTheIniFileBesideTheProgram) {
  std::string windowsStyle = game + "\\";
  for (char& c : windowsStyle)
    if (c == '/')
      c = '\\';
  const std::string ini =
      "; settings\r\n[VH2Players]\r\nVarnholtDir=/nowhere\r\n[general]\r\nvarnholtdir = " + windowsStyle +
      "\r\nToolBar=1\r\n";
  test::WriteFile(program + "/vhedit.ini", ByteStream(ini.begin(), ini.end()));
  Outcome r = Run({missionFile, dir.File("c.bmp")});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(ReadWholeFile(dir.File("c.bmp")), EncodeBmp(Expected({}), palette));
}

TEST_F(Render, AnIniOnTheCommandLineWinsOverTheOneBesideTheProgram) {
  const std::string beside = "[General]\nVarnholtDir=/nowhere\n";
  test::WriteFile(program + "/vhedit.ini", ByteStream(beside.begin(), beside.end()));
  const std::string ini = "[General]\nVarnholtDir=" + game + "\n";
  test::WriteFile(dir.File("mine.ini"), ByteStream(ini.begin(), ini.end()));
  Outcome r = Run({missionFile, dir.File("c.bmp"), "--ini", dir.File("mine.ini")});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(ReadWholeFile(dir.File("c.bmp")), EncodeBmp(Expected({}), palette));

  // A given file that names no game directory is not replaced by another.
  r = Run({missionFile, dir.File("d.bmp"), "--ini", dir.File("none.ini")});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("none.ini"), std::string::npos) << r.err;
  EXPECT_EQ(Run({missionFile, dir.File("d.bmp"), "--ini="}).code, 2);
}

TEST_F(Render, BadUsageGivesTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {missionFile},
           {missionFile, dir.File("x.bmp"), dir.File("y.bmp"), "--game-dir", game},
           {missionFile, dir.File("x.gif"), "--game-dir", game},
           {missionFile, dir.File("x"), "--game-dir", game},
           {missionFile, dir.File("x.bmp"), "--game-dir", game, "--filter", "512"},
           {missionFile, dir.File("x.bmp"), "--game-dir", game, "--filter", "0x200"},
           {missionFile, dir.File("x.bmp"), "--game-dir", game, "--filter", "-1"},
           {missionFile, dir.File("x.bmp"), "--game-dir", game, "--filter", "7a"},
           {missionFile, dir.File("x.bmp"), "--game-dir", game, "--df-layer", "32"},
           {missionFile, dir.File("x.bmp"), "--game-dir", game, "--df-layer"},
           {missionFile, dir.File("x.bmp"), "--game-dir", game, "--colour"},
           {missionFile, dir.File("x.bmp")},  // no game directory anywhere
       }) {
    Outcome r = Run(args);
    EXPECT_EQ(r.code, 2) << args.back() << "\n" << r.err;
    EXPECT_NE(r.err.find("vhmission render: "), std::string::npos) << r.err;
  }
  EXPECT_NE(Run({missionFile, dir.File("x.bmp")}).err.find("vhedit.ini"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.bmp")));
}

TEST_F(Render, FailuresGiveOneAndNameTheFile) {
  std::filesystem::remove(game + "/LIB/CURS000.LIB");
  Outcome r = Run({missionFile, dir.File("x.bmp"), "--game-dir", game});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("Can't find Varnholt 3 graphic files in directory: " + game), std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("curs000.lib"), std::string::npos) << r.err;

  test::WriteFakeInstallation(game, program);
  r = Run({dir.File("maps/none.dat"), dir.File("x.bmp"), "--game-dir", game});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "vhmission: error: The mission file \"" + test::Native(dir.File("maps/none.dat")) +
                       "\" does not exist\n");

  r = Run({missionFile, dir.File("no/dir/x.bmp"), "--game-dir", game});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("x.bmp"), std::string::npos) << r.err;
}

TEST_F(Render, AFilterThatDrawsNothingIsWarnedAbout) {
  const std::string empty =
      "vhmission: warning: the filter shows neither the base map (64) nor the change layer (128); the "
      "picture is empty\n";
  Outcome r = Run({missionFile, dir.File("f.png"), "--game-dir", game, "--filter", "1"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.err, empty);
  r = Run({missionFile, dir.File("f.png"), "--game-dir", game, "--filter", "64"});
  EXPECT_EQ(r.err,
            "vhmission: warning: the filter draws none of terrain (1), objects (2), units (4) or marks; the "
            "picture is empty\n");
  for (const char* fine : {"65", "0x48", "129", "0x1C7"})
    EXPECT_EQ(Run({missionFile, dir.File("f.png"), "--game-dir", game, "--filter", fine}).err, "") << fine;
}

TEST_F(Render, AMissingIniOrNamesFileIsSaidAndPathsPrintOnce) {
  Outcome r = Run({missionFile, dir.File("x.bmp"), "--ini", dir.File("none.ini")});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("the settings file " + dir.File("none.ini") + " does not exist"), std::string::npos)
      << r.err;

  const ByteStream expected = EncodePng(Expected({}), palette);
  std::filesystem::remove(dir.File("maps/miss010.txt"));
  const std::string picture = dir.File("\xC3\x9C"
                                       "bung \xCE\xA9.png");
  r = Run({missionFile, picture, "--game-dir", game});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "vhmission: warning: the shop names file \"" + dir.File("maps/miss010.txt") +
                       "\" is missing; the shops get default names, as in the editor\n");
  EXPECT_EQ(r.out, "wrote " + picture + " (200 x 228 pixels)\n");
  EXPECT_EQ(ReadWholeFile(picture), expected);
}

TEST_F(Render, WarnsAboutCellsShowingTheMissingPicture) {
  auto m = std::make_unique<TMission>();
  m->SetSize({3, 3});
  m->Cells[0][0].Terrain = 1400;
  m->Cells[1][1] = {.Vehicle = 70, .VehOwner = 1};
  m->SaveAs(dir.File("maps/miss011.dat"));
  Outcome r = Run({dir.File("maps/miss011.dat"), dir.File("m.png"), "--game-dir", game});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.err.find("2 cells name pictures the game does not have"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace vh
