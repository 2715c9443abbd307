// The real vhedit, killed while it has unsaved work, and started again: a
// virtual X server shows it, and xdotool paints, answers and saves with real
// mouse and key events.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "base/FileUtil.h"
#include "mission/Mission.h"
#include "support/TempDir.h"

namespace vh {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A child process with extra environment; `fd3` (when not -1) becomes its
// descriptor 3.
pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env, int fd3 = -1) {
  pid_t pid = fork();
  if (pid != 0)
    return pid;
  for (const std::string& e : env)
    putenv(const_cast<char*>(e.c_str()));
  if (fd3 >= 0 && fd3 != 3) {
    dup2(fd3, 3);
    close(fd3);
  }
  int null = open("/dev/null", O_RDWR);
  dup2(null, 0);
  std::vector<char*> argv;
  for (const std::string& a : args)
    argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

void Stop(pid_t& pid, int sig = SIGKILL) {
  if (pid <= 0)
    return;
  kill(pid, sig);
  waitpid(pid, nullptr, 0);
  pid = -1;
}

// The standard output of a shell command.
std::string Capture(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buf[256];
    while (size_t n = fread(buf, 1, sizeof buf, p))
      out.append(buf, n);
    pclose(p);
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
    out.pop_back();
  return out;
}

bool WaitFor(const std::function<bool()>& ready, std::chrono::milliseconds limit) {
  auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (ready())
      return true;
    std::this_thread::sleep_for(100ms);
  }
  return ready();
}

class RecoveryEndToEnd : public ::testing::Test {
protected:
  void SetUp() override {
    const fs::path demo = VH_DEMO_BIN;
    fs::create_directories(programDir);
    for (const char* f : {"TOOLS.DAT", "terrain.sel", "objekt.sel", "stdmiss.dat", "stddf00.dat"})
      fs::copy_file(demo / f, programDir + "/" + f);
    fs::copy(demo / "VarnholtDemo", gameDir, fs::copy_options::recursive);
    std::string ini = "[General]\r\nVarnholtDir=" + gameDir + "/\r\nAutosaveSeconds=2\r\nRecoveryDir=" +
                      recoveryDir + "\r\n";
    WriteWholeFile(iniFile, ByteStream(ini.begin(), ini.end()));
    original = ReadWholeFile(mission);

    // A display of its own: Xvfb picks a free number and writes it to fd 3.
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    xvfb = Spawn({"Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"}, {}, pipeFds[1]);
    close(pipeFds[1]);
    // Read up to the newline, and keep the pipe open: Xvfb may write the
    // number and the newline apart, and dies on a pipe closed between them.
    displayFd = pipeFds[0];
    char c = 0;
    while (read(displayFd, &c, 1) == 1 && c != '\n')
      display += c;
    ASSERT_FALSE(display.empty()) << "Xvfb did not start";
    display = ":" + display;
  }
  void TearDown() override {
    Stop(editor);
    Stop(xvfb, SIGTERM);
    if (displayFd >= 0)
      close(displayFd);
  }

  void StartEditor(const std::vector<std::string>& files) {
    std::vector<std::string> args{VHEDIT_EXE, "--ini", iniFile};
    args.insert(args.end(), files.begin(), files.end());
    fs::create_directories(tmp.File("run"));
    fs::permissions(tmp.File("run"), fs::perms::owner_all);
    editor = Spawn(args, {"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb", "HOME=" + tmp.Path(),
                          "XDG_RUNTIME_DIR=" + tmp.File("run")});
  }
  std::string X(const std::string& args) { return Capture("DISPLAY=" + display + " xdotool " + args + " 2>/dev/null"); }
  // The id of the first visible window whose title matches.
  std::string WindowNamed(const std::string& pattern) {
    std::string ids = X("search --onlyvisible --name '" + pattern + "'");
    return ids.substr(0, ids.find('\n'));
  }
  std::vector<fs::path> RecoveryCopies() {
    std::vector<fs::path> found;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(recoveryDir, ec); !ec && it != fs::end(it); it.increment(ec))
      if (it->path().extension() == ".rec")
        found.push_back(it->path());
    return found;
  }

  test::TempDir tmp;
  std::string programDir = tmp.File("prog"), gameDir = tmp.File("game"), recoveryDir = tmp.File("Recovery");
  std::string iniFile = tmp.File("test.ini");
  std::string mission = gameDir + "/MIS/miss001.dat";
  ByteStream original;
  std::string display;
  pid_t xvfb = -1, editor = -1;
  int displayFd = -1;
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
    X("mousemove --window " + frameId + " " + std::to_string(80 + 20 * step) + " " + std::to_string(190 + 6 * step));
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

  Stop(editor, SIGKILL);
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

} // namespace
} // namespace vh
