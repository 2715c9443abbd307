#include "support/Process.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "base/Platform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace vh::test {

std::string ProgramPath(const std::string& builtPath) {
  return Utf8Of(std::filesystem::absolute(PathOf(builtPath)));
}

namespace {

std::string WithUnixLineEnds(std::string text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
      out += text[i];
  return out;
}

// All a child wrote into the pipe, with Unix line ends.
std::string ReadAll(FILE* p) {
  std::string out;
  std::array<char, 4096> buf;
  size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
    out.append(buf.data(), n);
  return WithUnixLineEnds(out);
}

}  // namespace

#ifdef _WIN32

namespace {

std::wstring Wide(const std::string& utf8) {
  return PathOf(utf8).native();
}

HANDLE Handle(intptr_t h) {
  return reinterpret_cast<HANDLE>(h);
}

}  // namespace

TOutcome RunProgram(const std::string& program, const std::string& args) {
  // cmd.exe drops the outermost quotes of what follows /c.
  const std::string command = "\"\"" + program + "\" " + args + " 2>&1\"";
  TOutcome r;
  FILE* p = _wpopen(Wide(command).c_str(), L"rb");
  if (!p)
    return r;
  r.out = ReadAll(p);
  r.code = _pclose(p);
  return r;
}

TChildProcess::TChildProcess(const std::string& program, const std::vector<std::string>& args) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
    throw std::runtime_error("cannot create a pipe");
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  std::wstring line = L"\"" + Wide(program) + L"\"";
  for (const std::string& a : args)
    line += L" \"" + Wide(a) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION info{};
  BOOL started =
      CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info);
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    throw std::runtime_error("cannot start " + program);
  }
  CloseHandle(info.hThread);
  process_ = reinterpret_cast<intptr_t>(info.hProcess);
  output_ = reinterpret_cast<intptr_t>(readEnd);
}

TChildProcess::~TChildProcess() {
  if (!ended_) {
    Kill();
    Wait();
  }
  CloseHandle(Handle(output_));
  CloseHandle(Handle(process_));
}

std::string TChildProcess::ReadLine() {
  std::string line;
  char c;
  DWORD n = 0;
  while (ReadFile(Handle(output_), &c, 1, &n, nullptr) && n == 1 && c != '\n')
    if (c != '\r')
      line += c;
  return line;
}

void TChildProcess::Kill() {
  TerminateProcess(Handle(process_), 137);
}

int TChildProcess::Wait() {
  if (!ended_) {
    WaitForSingleObject(Handle(process_), INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(Handle(process_), &code);
    code_ = code == 137 ? -1 : static_cast<int>(code);
    ended_ = true;
  }
  return code_;
}

#else

TOutcome RunProgram(const std::string& program, const std::string& args) {
  const std::string command = "'" + program + "' " + args + " 2>&1";
  TOutcome r;
  FILE* p = popen(command.c_str(), "r");
  if (!p)
    return r;
  r.out = ReadAll(p);
  int status = pclose(p);
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

TChildProcess::TChildProcess(const std::string& program, const std::vector<std::string>& args) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0)
    throw std::runtime_error("cannot create a pipe");
  std::vector<std::string> argv{program};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> pointers;
  for (std::string& a : argv)
    pointers.push_back(a.data());
  pointers.push_back(nullptr);
  pid_t pid = fork();
  if (pid < 0)
    throw std::runtime_error("cannot start " + program);
  if (pid == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    execv(program.c_str(), pointers.data());
    _exit(127);
  }
  close(pipeEnds[1]);
  process_ = pid;
  output_ = pipeEnds[0];
}

TChildProcess::~TChildProcess() {
  if (!ended_) {
    Kill();
    Wait();
  }
  close(static_cast<int>(output_));
}

std::string TChildProcess::ReadLine() {
  std::string line;
  char c;
  while (read(static_cast<int>(output_), &c, 1) == 1 && c != '\n')
    line += c;
  return line;
}

void TChildProcess::Kill() {
  kill(static_cast<pid_t>(process_), SIGKILL);
}

int TChildProcess::Wait() {
  if (!ended_) {
    int status = 0;
    waitpid(static_cast<pid_t>(process_), &status, 0);
    code_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ended_ = true;
  }
  return code_;
}

#endif

}  // namespace vh::test
