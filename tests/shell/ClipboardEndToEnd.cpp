// Two running editors on one display: cells selected and copied in the one
// are pasted into the other through the system clipboard, saved, and found
// in the file. xdotool gives both real mouse and key events.
#include <gtest/gtest.h>

#include <string>

#include "base/FileUtil.h"
#include "mission/Mission.h"
#include "shell/EditorEndToEnd.h"

namespace vh {
namespace {

using namespace std::chrono_literals;
using test::WaitFor;

int32_t FloorHalf(int32_t x) {
  return x >= 0 ? x / 2 : -((1 - x) / 2);
}

struct TLook {
  int16_t Terrain, Obj;
  uint8_t Vehicle, Owner;
  friend bool operator==(const TLook&, const TLook&) = default;
};
TLook LookOf(const TMission& m, TPoint c) {
  const TMissionCell& cell = m.Cells[c.y][c.x];
  return {cell.Terrain, cell.Obj, cell.Vehicle, cell.VehOwner};
}

class ClipboardEndToEnd : public test::EditorEndToEnd {};

TEST_F(ClipboardEndToEnd, CellsCopiedInOneEditorArePastedIntoAnotherAndSaved) {
  const std::string source = gameDir + "/MIS/miss001.dat", target = gameDir + "/MIS/miss002.dat";
  const ByteStream targetBytes = ReadWholeFile(target);
  StartEditor(WriteIni("a.ini", "RecoveryDir=" + tmp.File("RecoveryA") + "\r\n"), {source});
  std::string a = FocusWindow("Varnholt Editor - miss001");
  ASSERT_FALSE(a.empty());
  StartEditor(WriteIni("b.ini", "RecoveryDir=" + tmp.File("RecoveryB") + "\r\n"), {target});
  ASSERT_FALSE(FocusWindow("Varnholt Editor - miss002").empty());

  // In the first editor: Shift + drag over the top left of its map, Ctrl+C.
  a = FocusWindow("Varnholt Editor - miss001");
  std::this_thread::sleep_for(300ms);
  X("mousemove --window " + a + " 90 170");
  X("keydown shift");
  X("mousedown 1");
  for (int step = 1; step <= 8; ++step)
    X("mousemove --window " + a + " " + std::to_string(90 + 18 * step) + " " +
      std::to_string(170 + 16 * step));
  X("mouseup 1");
  X("keyup shift");
  X("key ctrl+c");
  std::this_thread::sleep_for(300ms);

  // In the second: the block follows the pointer; a click places it; F2 saves.
  const std::string b = FocusWindow("Varnholt Editor - miss002");
  X("mousemove --window " + b + " 150 230");
  std::this_thread::sleep_for(200ms);
  X("key ctrl+v");
  for (int step = 1; step <= 4; ++step)
    X("mousemove --window " + b + " " + std::to_string(150 + 6 * step) + " " +
      std::to_string(230 + 4 * step));
  std::this_thread::sleep_for(200ms);
  X("click 1");
  X("key F2");
  ASSERT_TRUE(WaitFor([&] { return ReadWholeFile(target) != targetBytes; }, 15s)) << "nothing was saved";

  TMission from, before, saved;
  from.LoadFromFile(source);
  saved.LoadFromFile(target);
  WriteWholeFile(tmp.File("before.dat"), targetBytes);
  WriteWholeFile(tmp.File("before.txt"), ReadWholeFile(gameDir + "/GER/miss002.txt"));
  before.LoadFromFile(tmp.File("before.dat"), true);
  std::vector<TPoint> changed;
  for (int32_t y = 0; y < saved.Height; ++y)
    for (int32_t x = 0; x < saved.Width; ++x)
      if (!(LookOf(saved, {x, y}) == LookOf(before, {x, y})))
        changed.push_back({x, y});
  ASSERT_GE(changed.size(), 12u) << "the paste changed too little";

  // Every changed cell holds what one cell of the source holds, all moved by
  // the same step on the hex grid.
  size_t best = 0;
  for (int32_t dq = -64; dq <= 64; ++dq)
    for (int32_t dr = -64; dr <= 64; ++dr) {
      size_t matching = 0;
      for (TPoint c : changed) {
        const int32_t q = c.x - dq, r = c.y - FloorHalf(c.x) - dr;
        const TPoint s{q, r + FloorHalf(q)};
        matching += from.InMap(s) && LookOf(from, s) == LookOf(saved, c) ? 1 : 0;
      }
      best = std::max(best, matching);
    }
  EXPECT_EQ(best, changed.size());
}

}  // namespace
}  // namespace vh
