#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Other programs started by the tests: the command-line tool, and helpers
// that play an editor which dies. The tests' only code that differs between
// Linux and Windows.

namespace vh::test {

// A program file the build names (an absolute path on the build's system)
// as the running system opens it: under Wine "/work/x.exe" is "Z:\work\x.exe".
std::string ProgramPath(const std::string& builtPath);

struct TOutcome {
  int code = -1;    // the exit code; -1 when it did not exit normally
  std::string out;  // stdout and stderr together, lines ending in "\n"
};

// Runs `program` with the arguments of `args`, split at blanks (no argument
// here has blanks in it), and waits for it.
TOutcome RunProgram(const std::string& program, const std::string& args);

// A program running beside the test, whose stdout the test reads.
class TChildProcess {
public:
  TChildProcess(const std::string& program, const std::vector<std::string>& args);
  ~TChildProcess();  // kills it when it still runs
  TChildProcess(const TChildProcess&) = delete;
  TChildProcess& operator=(const TChildProcess&) = delete;

  // The next line it writes, without the line end; empty at its end.
  std::string ReadLine();
  // Ends it at once, as a crash or the task manager would: no code of its
  // own runs any more (SIGKILL, TerminateProcess).
  void Kill();
  // Waits for its end; its exit code, or -1 when it was killed.
  int Wait();

private:
  intptr_t process_ = -1;  // pid or process handle
  intptr_t output_ = -1;   // the read end of its stdout
  bool ended_ = false;
  int code_ = -1;
};

}  // namespace vh::test
