// Whatever mission file the reader accepts, its dump loads back into a
// mission that saves the very bytes the mission itself saves; so a file as
// the editor writes it comes back byte for byte.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/Errors.h"
#include "cli/MissionJson.h"
#include "mission/MissionFile.h"
#include "mission/ShopNames.h"
#include "mission/StdData.h"
#include "support/RandomMissionFiles.h"

namespace vh {
namespace {

struct Files {
  ByteStream Mission, Names;
  friend bool operator==(const Files&, const Files&) = default;
};

// What a save of `m` writes, leaving `m` as it is.
Files Saved(const TMission& m) {
  auto copy = std::make_unique<TMission>(m);
  Files f;
  f.Mission = BuildMissionFile(*copy);
  f.Names = ShopNamesFileBytes(*copy);
  return f;
}

// As LoadFromFile reads the two files, without the disk.
std::unique_ptr<TMission> Load(const Files& f) {
  auto m = std::make_unique<TMission>();
  const TShopNames names = ParseShopNames(f.Names, "random.txt", &m->NamesFileSkippedLines);
  ApplyMissionText(*m, LookupName(names, 0, NamesTypeMissionText));
  m->MissionName = LookupName(names, 1, NamesTypeMissionName);
  ParseMissionFile(*m, f.Mission, names, "random.dat");
  return m;
}

std::unique_ptr<TMission> DumpAndLoad(const TMission& m, std::string* json = nullptr) {
  const std::string dump = cli::MissionToJson(m);
  auto back = std::make_unique<TMission>();
  cli::MissionFromJson(dump, *back);
  if (json)
    *json = dump;
  return back;
}

class DumpLoad : public ::testing::Test {
protected:
  void SetUp() override {
    // Saved when a mission has no change layer of its own.
    StdDFStream = {65, 0, 5, 0, 0xFE, 0xFF, 0xFF, 0xFF};  // cell (1, 1): terrain 5, object unchanged
  }
  void TearDown() override { StdDFStream.clear(); }
};

TEST_F(DumpLoad, EveryAcceptedFileComesBackAsItsSaveAndEverySavedFileByteForByte) {
  constexpr int kMissions = 3000;
  test::RandomMissionFiles random(20280);
  int loaded = 0, withLayers = 0, withShops = 0, editorFiles = 0;
  for (int round = 0; round < kMissions; ++round) {
    const Files file{random.Mission(), random.Names()};
    std::unique_ptr<TMission> m;
    try {
      m = Load(file);
    } catch (const EVhError&) {
      continue;  // no mission the reader accepts
    }
    ++loaded;
    withShops += m->Shops.empty() ? 0 : 1;
    withLayers += m->DFLayers[1].empty() ? 0 : 1;
    std::string json;
    std::unique_ptr<TMission> back;
    try {
      back = DumpAndLoad(*m, &json);
    } catch (const EVhError& e) {
      FAIL() << "round " << round << ": " << e.what();
    }
    const Files saved = Saved(*m);
    ASSERT_EQ(Saved(*back), saved) << "round " << round;
    ASSERT_EQ(cli::MissionToJson(*back), json) << "round " << round;

    // A file as the editor writes it: dump and load give its bytes back.
    // (Not every save is one: a save numbers the layers densely, and a layer
    // that moves into the selected slot 0 is then written from the grid,
    // without its records off the map, at the next save.)
    const std::unique_ptr<TMission> again = Load(saved);
    const Files savedAgain = Saved(*again);
    ASSERT_EQ(Saved(*DumpAndLoad(*again)), savedAgain) << "round " << round;
    editorFiles += savedAgain == saved ? 1 : 0;  // then the bytes above are the file's own
  }
  // The generator reached what the property is about.
  EXPECT_GT(loaded, kMissions / 2);
  EXPECT_GT(withShops, kMissions / 4);
  EXPECT_GT(withLayers, kMissions / 4);
  EXPECT_GT(editorFiles, kMissions / 2);
}

}  // namespace
}  // namespace vh
