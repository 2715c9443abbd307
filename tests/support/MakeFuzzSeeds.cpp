// Writes a small seed corpus for the fuzz targets: a few valid inputs built
// the same way the unit tests build them.
#include <cstdio>
#include <filesystem>
#include <string>

#include "base/FileUtil.h"
#include "cli/MissionJson.h"
#include "hexmap/MapBlock.h"
#include "hexmap/MissionPicture.h"
#include "mission/MissionFile.h"
#include "mission/ShopNames.h"
#include "support/MissionBytes.h"
#include "support/TPWMEncoder.h"

namespace fs = std::filesystem;
using namespace vh;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds DIR\n");
    return 2;
  }
  fs::path dir = argv[1];
  for (const char* sub : {"mission_reader", "shop_names", "tpwm_decoder", "map_block", "mission_json",
                          "settings_ini", "recovery_entry"})
    fs::create_directories(dir / sub);
  auto put = [&](const char* sub, const std::string& name, const ByteStream& bytes) {
    WriteWholeFile((dir / sub / name).string(), bytes);
  };

  test::MissionBytes small;
  put("mission_reader", "empty_2x2", small.Build());
  test::MissionBytes rich;
  rich.Width = 4;
  rich.Height = 3;
  rich.Terrain = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  rich.Obj = {90, 1270, -1, 44};
  rich.Units = {0x0102, 0x4003, 0xFFFF, 0x2005};
  rich.Shop = {test::ShopRecord(1, 1, 0x0100, 0x01),
               test::ContentRecord(0, {1, 2, -1, -1, -1, -1, -1, -1}, 2), test::AIRecord(5, true, 1, 2, 3, 4),
               test::ShopRecord(6, 16, 0x8000, 0x40)};
  rich.MapBody = ByteStream(40, 0x11);
  rich.Layers = {ByteStream{1, 0, 5, 0, 0xFE, 0xFF, 0xFF, 0xFF}, ByteStream{},
                 ByteStream{2, 0, 0xFF, 0xFF, 0xFF, 0xFF, 3, 4}};
  put("mission_reader", "rich_4x3", rich.Build());
  // The same mission as vhmission dump prints it.
  {
    TMission m;
    ParseMissionFile(m, rich.Build(), {{2, 16, "Fort"}}, "rich.dat");
    const std::string json = cli::MissionToJson(m);
    put("mission_json", "rich_4x3.json", ByteStream(json.begin(), json.end()));
  }
  // Records that place nothing, wherever they point: an empty cargo record
  // beyond the grid and an empty layer whose offset lies past the file.
  test::MissionBytes tolerated;
  tolerated.Shop = {test::ContentRecord(64 * 64 + 1, {-1, -1, -1, -1, -1, -1, -1, -1}, 1)};
  tolerated.Layers = {ByteStream{}, ByteStream{}};
  ByteStream forged = tolerated.Build();
  PutU32(forged, 22 + 4, static_cast<uint32_t>(forged.size() + 40));
  put("mission_reader", "tolerated", forged);

  // A vhedit.ini as the editor leaves it.
  const std::string ini = "[General]\r\nVarnholtDir=C:\\Games\\Varnholt\\\r\nTxtFilesDir=GER\r\nToolBar="
                          "1\r\nAutosaveSeconds=120\r\n"
                          "UndoLimit=0x10\r\n[VH2Players]\r\nPlayerName1=\"Red\"\r\nPlayerColor1=3\r\n["
                          "Generator]\r\nRoughness=140\r\n"
                          "TerrainType=1\r\nSeed=42\r\n[Layout]\r\nMaximized=1\r\n; a comment\r\n";
  put("settings_ini", "vhedit.ini", ByteStream(ini.begin(), ini.end()));
  // A recovery copy as the editor writes it: description, names, mission.
  {
    auto part = [](ByteStream& out, const ByteStream& bytes) {
      out.push_back(static_cast<uint8_t>(bytes.size() & 0xFF));
      out.push_back(static_cast<uint8_t>(bytes.size() >> 8));
      out.insert(out.end(), bytes.begin(), bytes.end());
    };
    const std::string info = "VarnholtRecovery 1\nOriginal=C:\\Games\\MIS\\miss001.dat\nNames=\n"
                             "SavedAt=1733700000\nDFLayer=2\n";
    TMission m;
    ParseMissionFile(m, rich.Build(), {{2, 16, "Fort"}}, "rich.dat");
    const ByteStream names = ShopNamesFileBytes(m);
    ByteStream entry;
    part(entry, ByteStream(info.begin(), info.end()));
    part(entry, names);
    const ByteStream mission = rich.Build();
    entry.insert(entry.end(), mission.begin(), mission.end());
    put("recovery_entry", "copy_4x3", entry);
  }

  std::string names = "\r\n#0000:0000{Intro|Red|3|Blue|5}\r\n#0001:0024{Name}\r\n#0002:0016{Sh\x81p}\r\n";
  ByteStream plain(names.begin(), names.end());
  put("shop_names", "plain.txt", plain);
  put("shop_names", "coded.txt", test::CompressTPWM(plain));
  ByteStream coded = test::CompressTPWM(plain);
  put("tpwm_decoder", "names", ByteStream(coded.begin() + 4, coded.end()));
  std::string rep(300, 'a');
  ByteStream reps = test::CompressTPWM(ByteStream(rep.begin(), rep.end()));
  put("tpwm_decoder", "repeat", ByteStream(reps.begin() + 4, reps.end()));

  // A block of a few cells with a unit, its cargo and AI point and a shop.
  TMission m;
  m.SetSize({8, 8});
  for (int x = 0; x < 3; ++x)
    m.Cells[2][x] = TMissionCell{static_cast<int16_t>(x + 1), 90, 3, 1, -1, -1, -1};
  m.NewVehContent({1, 2});
  m.NewAIPoint({1, 2});
  m.NewShop({2, 2});
  TCellSet cells;
  for (int x = 0; x < 3; ++x)
    cells.Add({x, 2});
  put("map_block", "three_cells",
      EncodeBlock(CopyBlock(m, DefaultMissFilter | FilterBit(mfShopMarks), cells)));
  m.DFCells[2][1] = TDFCell{4, -2, 5, 2};
  put("map_block", "change_layer",
      EncodeBlock(CopyBlock(m, DefaultMissFilter | FilterBit(mfDFLayer), cells)));
  return 0;
}
