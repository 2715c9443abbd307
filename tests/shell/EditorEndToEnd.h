#pragma once

// The real vhedit on a virtual X server of its own, over a copy of the demo
// installation; xdotool gives it real mouse and key events.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "base/FileUtil.h"
#include "support/TempDir.h"

namespace vh::test {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A child process with extra environment; `fd3` (when not -1) becomes its
// descriptor 3.
inline pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env, int fd3 = -1) {
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

inline void Stop(pid_t& pid, int sig = SIGKILL) {
  if (pid <= 0)
    return;
  kill(pid, sig);
  waitpid(pid, nullptr, 0);
  pid = -1;
}

// The standard output of a shell command.
inline std::string Capture(const std::string& command) {
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

inline bool WaitFor(const std::function<bool()>& ready, std::chrono::milliseconds limit) {
  auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (ready())
      return true;
    std::this_thread::sleep_for(100ms);
  }
  return ready();
}

class EditorEndToEnd : public ::testing::Test {
protected:
  void SetUp() override {
    const fs::path demo = VH_DEMO_BIN;
    fs::create_directories(programDir);
    for (const char* f : {"TOOLS.DAT", "terrain.sel", "objekt.sel", "stdmiss.dat", "stddf00.dat"})
      fs::copy_file(demo / f, programDir + "/" + f);
    fs::copy(demo / "VarnholtDemo", gameDir, fs::copy_options::recursive);

    // A display of its own: Xvfb picks a free number and writes it to fd 3.
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    xvfb = Spawn({"Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"}, {},
                 pipeFds[1]);
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
    for (pid_t& pid : editors)
      Stop(pid);
    Stop(xvfb, SIGTERM);
    if (displayFd >= 0)
      close(displayFd);
  }

  // An INI file `name` that points at the game copy, with `general` added to
  // its [General] section; returns its path.
  std::string WriteIni(const std::string& name, const std::string& general) {
    const std::string path = tmp.File(name);
    const std::string ini = "[General]\r\nVarnholtDir=" + gameDir + "/\r\n" + general;
    WriteWholeFile(path, ByteStream(ini.begin(), ini.end()));
    return path;
  }
  // Starts vhedit with `ini` on `files`; returns its index for StopEditor.
  size_t StartEditor(const std::string& ini, const std::vector<std::string>& files) {
    std::vector<std::string> args{VHEDIT_EXE, "--ini", ini};
    args.insert(args.end(), files.begin(), files.end());
    fs::create_directories(tmp.File("run"));
    fs::permissions(tmp.File("run"), fs::perms::owner_all);
    editors.push_back(Spawn(args, {"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb", "HOME=" + tmp.Path(),
                                   "XDG_RUNTIME_DIR=" + tmp.File("run")}));
    return editors.size() - 1;
  }
  void StopEditor(size_t index, int sig = SIGKILL) { Stop(editors.at(index), sig); }
  std::string X(const std::string& args) {
    return Capture("DISPLAY=" + display + " xdotool " + args + " 2>/dev/null");
  }
  // The id of the first visible window whose title matches.
  std::string WindowNamed(const std::string& pattern) {
    std::string ids = X("search --onlyvisible --name '" + pattern + "'");
    return ids.substr(0, ids.find('\n'));
  }
  // Waits for a window whose title matches and brings it to the front with
  // the keyboard focus; empty when none came.
  std::string FocusWindow(const std::string& pattern, std::chrono::milliseconds limit = 30s) {
    std::string id;
    if (!WaitFor([&] { return !(id = WindowNamed(pattern)).empty(); }, limit))
      return {};
    X("windowraise " + id);
    X("windowactivate --sync " + id);
    X("windowfocus --sync " + id);
    return id;
  }

  TempDir tmp;
  std::string programDir = tmp.File("prog"), gameDir = tmp.File("game");
  std::string display;
  pid_t xvfb = -1;
  std::vector<pid_t> editors;
  int displayFd = -1;
};

}  // namespace vh::test
