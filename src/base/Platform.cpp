#include "base/Platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace vh {

std::string XdgConfigHome(const char* xdgConfigHome, const char* home) {
  if (xdgConfigHome && xdgConfigHome[0] == '/')
    return xdgConfigHome;
  // A rule of Unix systems: its paths are written with "/".
  if (home && *home)
    return std::string(home) + (std::string(home).back() == '/' ? ".config" : "/.config");
  return {};
}

TFileLock& TFileLock::operator=(TFileLock&& other) noexcept {
  if (this != &other) {
    Release();
    handle_ = other.handle_;
    other.handle_ = kNone;
  }
  return *this;
}

#ifdef _WIN32

namespace {

std::wstring Wide(const std::string& text, UINT codePage, DWORD flags) {
  if (text.empty())
    return {};
  int n = MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0)
    return {};
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string Utf8(const wchar_t* text, size_t size) {
  if (size == 0)
    return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(size), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(size), out.data(), n, nullptr, nullptr);
  return out;
}

std::string Utf8(const std::wstring& text) {
  return Utf8(text.data(), text.size());
}

// The reasons users meet most are said plainly; the rest as the system says them.
std::string Reason(DWORD code) {
  switch (code) {
  case ERROR_SHARING_VIOLATION:
  case ERROR_LOCK_VIOLATION:
    return "it is open in another program";
  case ERROR_FILE_NOT_FOUND:
    return "No such file or directory";
  case ERROR_PATH_NOT_FOUND:
    return "the folder does not exist";
  default:
    break;
  }
  wchar_t* buffer = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text = n ? Utf8(buffer, n) : "system error " + std::to_string(code);
  if (buffer)
    LocalFree(buffer);
  while (!text.empty() &&
         (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
    text.pop_back();
  return text;
}

HANDLE AsHandle(intptr_t h) {
  return reinterpret_cast<HANDLE>(h);
}

bool WriteAll(HANDLE h, const void* data, size_t size) {
  auto* p = static_cast<const char*>(data);
  while (size > 0) {
    DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size), written = 0;
    if (!WriteFile(h, p, chunk, &written, nullptr))
      return false;
    p += written;
    size -= written;
  }
  return true;
}

}  // namespace

fs::path PathOf(const std::string& utf8) {
  std::wstring wide = Wide(utf8, CP_UTF8, MB_ERR_INVALID_CHARS);
  if (wide.empty() && !utf8.empty())
    wide = Wide(utf8, CP_ACP, 0);
  return fs::path(wide);
}

std::string Utf8Of(const fs::path& path) {
  return Utf8(path.native());
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  int n = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &n);
  std::vector<std::string> args;
  if (!wide)
    return std::vector<std::string>(argv + (argc > 0), argv + argc);
  for (int i = 1; i < n; ++i)
    args.push_back(Utf8(wide[i], wcslen(wide[i])));
  LocalFree(wide);
  return args;
}

void UseUtf8Console() {
  static UINT previous = GetConsoleOutputCP();
  if (previous == 0 || previous == CP_UTF8 || !SetConsoleOutputCP(CP_UTF8))
    return;
  std::atexit([] { SetConsoleOutputCP(previous); });
}

std::optional<std::string> EnvironmentValue(const char* name) {
  const wchar_t* value = _wgetenv(Wide(name, CP_UTF8, 0).c_str());
  if (!value)
    return std::nullopt;
  return Utf8(value, wcslen(value));
}

std::string ProgramFile() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0)
      return {};
    if (n < buffer.size())
      return Utf8(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

int64_t ProcessId() {
  return GetCurrentProcessId();
}

std::string UserConfigBase() {
  return EnvironmentValue("APPDATA").value_or("");
}

std::string WindowsDirectory() {
  wchar_t buffer[MAX_PATH];
  UINT n = GetWindowsDirectoryW(buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? Utf8(buffer, n) : std::string();
}

std::optional<fs::path> NameOnDisk(const fs::path& path) {
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW(path.c_str(), &found);
  if (h == INVALID_HANDLE_VALUE)
    return std::nullopt;
  FindClose(h);
  return fs::path(found.cFileName);
}

bool IsWritableDir(const std::string& dir) {
  // The read-only attribute of a folder means nothing on Windows; only
  // trying tells whether the user may create files there.
  const fs::path probe = PathOf(dir) / (L".vh-write-test-" + std::to_wstring(GetCurrentProcessId()));
  HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (h == INVALID_HANDLE_VALUE)
    return false;
  CloseHandle(h);
  return true;
}

std::string WriteFileToDisk(const std::string& path, const ByteStream& data, bool* created) {
  HANDLE h = CreateFileW(PathOf(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (created)
    *created = h != INVALID_HANDLE_VALUE;
  if (h == INVALID_HANDLE_VALUE)
    return Reason(GetLastError());
  std::string why;
  if (!WriteAll(h, data.data(), data.size()) || !FlushFileBuffers(h))
    why = Reason(GetLastError());
  if (!CloseHandle(h) && why.empty())
    why = Reason(GetLastError());
  return why;
}

std::string RenameReplacing(const std::string& from, const std::string& to) {
  if (MoveFileExW(PathOf(from).c_str(), PathOf(to).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return {};
  return Reason(GetLastError());
}

std::string ReplaceBlocker(const std::string& path) {
  const fs::path p = PathOf(path);
  DWORD attributes = GetFileAttributesW(p.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return {};
  if (attributes & FILE_ATTRIBUTE_READONLY)
    return "it is read-only";
  // A rename needs delete access, which every other program that has the
  // file open must share.
  HANDLE h = CreateFileW(p.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    // Anything but another program's handle is left to the rename to find.
    DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? Reason(error) : std::string();
  }
  CloseHandle(h);
  return {};
}

// Windows has no advisory locks that outlive nothing but the process, but a
// handle opened without sharing is one: nobody else can open the file while
// it is held, and the system closes it when the process dies.
std::string TFileLock::Create(const std::string& path, const std::string& contents) {
  Release();
  HANDLE h = CreateFileW(PathOf(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE)
    return Reason(GetLastError());
  WriteAll(h, contents.data(), contents.size());
  handle_ = reinterpret_cast<intptr_t>(h);
  return {};
}

TFileLock::TResult TFileLock::TryLock(const std::string& path) {
  Release();
  HANDLE h = CreateFileW(PathOf(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? TResult::Busy
                                                                             : TResult::Missing;
  }
  handle_ = reinterpret_cast<intptr_t>(h);
  return TResult::Locked;
}

void TFileLock::Release() noexcept {
  if (handle_ == kNone)
    return;
  CloseHandle(AsHandle(handle_));
  handle_ = kNone;
}

#else  // POSIX

namespace {

std::string Reason() {
  return std::strerror(errno);
}

bool WriteAll(int fd, const void* data, size_t size) {
  auto* p = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t n = ::write(fd, p, size);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

fs::path PathOf(const std::string& utf8) {
  return fs::path(utf8);
}

std::string Utf8Of(const fs::path& path) {
  return path.native();
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0), argv + argc);
}

void UseUtf8Console() {}

std::optional<std::string> EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

std::string ProgramFile() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.native();
}

int64_t ProcessId() {
  return ::getpid();
}

std::string UserConfigBase() {
  return XdgConfigHome(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::string WindowsDirectory() {
  return {};
}

std::optional<fs::path> NameOnDisk(const fs::path&) {
  return std::nullopt;
}

bool IsWritableDir(const std::string& dir) {
  return ::access(dir.c_str(), W_OK) == 0;
}

std::string WriteFileToDisk(const std::string& path, const ByteStream& data, bool* created) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (created)
    *created = fd >= 0;
  if (fd < 0)
    return Reason();
  std::string why;
  // The data must be on disk before a rename makes it the file of record.
  if (!WriteAll(fd, data.data(), data.size()) || ::fsync(fd) != 0)
    why = Reason();
  if (::close(fd) != 0 && why.empty())
    why = Reason();
  return why;
}

std::string RenameReplacing(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(from, to, ec);
  return ec ? ec.message() : std::string();
}

std::string ReplaceBlocker(const std::string&) {
  return {};
}

// flock() locks belong to the open file, so the kernel drops them when the
// process dies. The file is locked under a name of its own first, so no
// other process can take it between its creation and the lock.
std::string TFileLock::Create(const std::string& path, const std::string& contents) {
  Release();
  const std::string temp = path + "." + std::to_string(::getpid()) + ".new";
  int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0)
    return Reason();
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !WriteAll(fd, contents.data(), contents.size()) ||
      ::rename(temp.c_str(), path.c_str()) != 0) {
    std::string why = Reason();
    ::close(fd);
    ::unlink(temp.c_str());
    return why;
  }
  handle_ = fd;
  return {};
}

TFileLock::TResult TFileLock::TryLock(const std::string& path) {
  Release();
  int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0)
    return TResult::Missing;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return TResult::Busy;
  }
  handle_ = fd;
  return TResult::Locked;
}

void TFileLock::Release() noexcept {
  if (handle_ == kNone)
    return;
  ::close(static_cast<int>(handle_));
  handle_ = kNone;
}

#endif

}  // namespace vh
