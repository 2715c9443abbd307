// The real vhedit, killed while it has unsaved work, and started again: a
// virtual X server shows it, and xdotool paints, answers and saves with real
// mouse and key events.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/FileUtil.h"
#include "mission/Mission.h"
#include "shell/EditorEndToEnd.h"

namespace vh {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::WaitFor;

class RecoveryEndToEnd : public test::EditorEndToEnd {
protected:
  void SetUp() override {
    EditorEndToEnd::SetUp();
    iniFile = WriteIni("test.ini", "AutosaveSeconds=2\r\nRecoveryDir=" + recoveryDir + "\r\n");
    original = ReadWholeFile(mission);
  }
  void StartEditor(const std::vector<std::string>& files) {
    editor = EditorEndToEnd::StartEditor(iniFile, files);
  }
  std::vector<fs::path> RecoveryCopies() {
    std::vector<fs::path> found;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(recoveryDir, ec); !ec && it != fs::end(it);
         it.increment(ec))
      if (it->path().extension() == ".rec")
        found.push_back(it->path());
    return found;
  }

  std::string recoveryDir = tmp.File("Recovery");
  std::string iniFile;
  std::string mission = gameDir + "/MIS/miss001.dat";
  ByteStream original;
  size_t editor = 0;
};

TEST_F(RecoveryEndToEnd, PaintedCellsSurviveAKilledEditor) {
  StartEditor({mission});
  std::string frameId;
  // The frame's title names the mission once the start-up step opened it.
  ASSERT_TRUE(WaitFor([&] { return !(frameId = WindowNamed("Varnholt Editor - miss001")).empty(); }, 30s));
  std::this_thread::sleep_for(300ms);

  // A stroke across the top left of the map, where the mission window opens.
  std::string geometry = X("getwindowgeometry --shell " + frameId);
  X("mousemove --window " + frameId + " 80 190");
  X("mousedown 1");
  for (int step = 1; step <= 12; ++step)
    X("mousemove --window " + frameId + " " + std::to_string(80 + 20 * step) + " " +
      std::to_string(190 + 6 * step));
  X("mouseup 1");

  // AutosaveSeconds=2: a copy follows shortly after the stroke.
  ASSERT_TRUE(WaitFor([&] { return !RecoveryCopies().empty(); }, 15s)) << geometry;
  fs::path copyFile = RecoveryCopies()[0];
  copyFile.replace_extension(".dat");
  TMission painted;
  painted.LoadFromFile(copyFile.string());
  TMission before;
  before.LoadFromFile(mission);
  std::vector<TPoint> changed;
  for (int32_t y = 0; y < before.Height; ++y)
    for (int32_t x = 0; x < before.Width; ++x)
      if (!(painted.Cells[y][x] == before.Cells[y][x]))
        changed.push_back({x, y});
  ASSERT_FALSE(changed.empty()) << "the stroke painted nothing";
  EXPECT_EQ(ReadWholeFile(mission), original);

  StopEditor(editor, SIGKILL);
  StartEditor({});
  std::string dialogId;
  ASSERT_TRUE(WaitFor([&] { return !(dialogId = WindowNamed("Recover Missions")).empty(); }, 20s));
  X("windowactivate --sync " + dialogId);
  X("windowfocus --sync " + dialogId);
  X("key Return");
  ASSERT_TRUE(WaitFor([&] { return WindowNamed("Recover Missions").empty(); }, 10s));

  // Save the restored window (F2) and find the painted cells in the file.
  ASSERT_TRUE(WaitFor([&] { return !(frameId = WindowNamed("Varnholt Editor")).empty(); }, 10s));
  X("windowactivate --sync " + frameId);
  X("windowfocus --sync " + frameId);
  X("key F2");
  ASSERT_TRUE(WaitFor([&] { return ReadWholeFile(mission) != original; }, 10s));
  TMission saved;
  saved.LoadFromFile(mission);
  for (TPoint c : changed)
    EXPECT_TRUE(saved.Cells[c.y][c.x] == painted.Cells[c.y][c.x]) << c.x << "," << c.y;
  EXPECT_EQ(saved.Cells, painted.Cells);
}

}  // namespace
}  // namespace vh
