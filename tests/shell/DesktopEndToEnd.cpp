// The real vhedit under a real window manager: what the window manager is
// given as titles, and where the frame comes back after a start with another
// scale factor.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "base/FileUtil.h"
#include "shell/EditorEndToEnd.h"

namespace vh {
namespace {

using namespace std::chrono_literals;
using test::WaitFor;

class DesktopEndToEnd : public test::EditorEndToEnd {
protected:
  void SetUp() override {
    EditorEndToEnd::SetUp();
    if (HasFatalFailure())
      return;
    // Openbox decorates the windows: titles have a bar that can be off the
    // screen, and the frame a size the window manager decides on.
    windowManager = test::Spawn({"openbox", "--sm-disable"}, {"DISPLAY=" + display, "HOME=" + tmp.Path()});
    ASSERT_TRUE(WaitFor([&] { return !X("get_num_desktops").empty(); }, 20s)) << "openbox did not start";
    // It names its desktops before it manages windows.
    std::this_thread::sleep_for(1s);
    iniFile = WriteIni("test.ini", "RecoveryDir=" + tmp.File("Recovery") + "\r\n");
  }
  void TearDown() override {
    EditorEndToEnd::TearDown();
    test::Stop(windowManager, SIGTERM);
  }
  // Waits until editor `index` ended by itself; false after `limit`.
  bool Ended(size_t index, std::chrono::milliseconds limit) {
    pid_t& pid = editors.at(index);
    const bool ended = WaitFor([&] { return waitpid(pid, nullptr, WNOHANG) == pid; }, limit);
    if (ended)
      pid = -1;
    return ended;
  }
  struct TGeometry {
    int X = 0, Y = 0, Width = 0, Height = 0;
  };
  // Where the window lies on the screen with the window manager's frame
  // around it, title bar included.
  TGeometry FrameGeometry(const std::string& id) {
    std::istringstream in(test::Capture("DISPLAY=" + display + " xwininfo -frame -id " + id));
    TGeometry g;
    for (std::string line; std::getline(in, line);) {
      const size_t colon = line.find(':');
      if (colon == std::string::npos)
        continue;
      const std::string key = line.substr(0, colon);
      const int value = std::atoi(line.substr(colon + 1).c_str());
      if (key.find("Absolute upper-left X") != std::string::npos)
        g.X = value;
      else if (key.find("Absolute upper-left Y") != std::string::npos)
        g.Y = value;
      else if (key == "  Width")
        g.Width = value;
      else if (key == "  Height")
        g.Height = value;
    }
    return g;
  }

  pid_t windowManager = -1;
  std::string iniFile;
};

TEST_F(DesktopEndToEnd, TheWindowManagerIsGivenThePlainTitles) {
  const size_t editor = StartEditor(iniFile, {});
  const std::string frameId = FocusWindow("Varnholt Editor");
  ASSERT_FALSE(frameId.empty());
  EXPECT_EQ(X("getwindowname " + frameId), "Varnholt Editor");
  // A dialog's title is its own, with no program name the desktop would cut.
  X("key F1");
  std::string helpId;
  ASSERT_TRUE(WaitFor([&] { return !(helpId = WindowNamed("Mouse and Keys")).empty(); }, 15s));
  EXPECT_EQ(X("getwindowname " + helpId), "Mouse and Keys");
  X("windowactivate --sync " + helpId);
  X("key Escape");
  ASSERT_TRUE(WaitFor([&] { return WindowNamed("Mouse and Keys").empty(); }, 10s));
  X("windowactivate --sync " + frameId);
  X("key alt+f");
  X("key p");
  std::string optionsId;
  ASSERT_TRUE(WaitFor([&] { return !(optionsId = WindowNamed("^Options")).empty(); }, 15s));
  EXPECT_EQ(X("getwindowname " + optionsId), "Options");
  X("windowactivate --sync " + optionsId);
  X("key Escape");
  StopEditor(editor);
}

TEST_F(DesktopEndToEnd, AStartWithScaleFactorTwoLeavesTheNextStartOnTheScreen) {
  // The first start is scaled: its whole frame is larger than the screen it
  // thinks it has. It ends normally, writing its layout.
  editors.push_back(test::Spawn({VHEDIT_EXE, "--ini", iniFile},
                                {"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb", "QT_SCALE_FACTOR=2",
                                 "HOME=" + tmp.Path(), "XDG_RUNTIME_DIR=" + tmp.File("run")}));
  std::string frameId = FocusWindow("Varnholt Editor");
  ASSERT_FALSE(frameId.empty());
  std::this_thread::sleep_for(500ms);
  X("key ctrl+q");
  ASSERT_TRUE(Ended(0, 20s)) << "the scaled editor did not end";
  const ByteStream ini = ReadWholeFile(iniFile);
  ASSERT_NE(std::string(ini.begin(), ini.end()).find("[Layout]"), std::string::npos);

  // The next start, unscaled, on the 1280 x 1024 screen.
  StartEditor(iniFile, {});
  frameId = FocusWindow("Varnholt Editor");
  ASSERT_FALSE(frameId.empty());
  std::this_thread::sleep_for(1s);
  const TGeometry g = FrameGeometry(frameId);
  EXPECT_GE(g.Y, 0) << "title bar off the screen";
  EXPECT_GE(g.X, 0);
  EXPECT_LE(g.X + g.Width, 1280);
  EXPECT_LE(g.Y + g.Height, 1024);
  EXPECT_GE(g.Width, 800) << "a usable size";
  EXPECT_GE(g.Height, 560) << "a usable size";
}

}  // namespace
}  // namespace vh
