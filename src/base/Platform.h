#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/ByteIO.h"

// Whatever differs between Linux and Windows, and nothing else. Everywhere
// else a path is a UTF-8 string; it becomes a file system path here (wide
// characters on Windows, the same bytes on Linux).

namespace vh {

#ifdef _WIN32
inline constexpr bool OnWindows = true;
#else
inline constexpr bool OnWindows = false;
#endif

// A UTF-8 path as the file system takes it, and back. On Windows a name that
// is no valid UTF-8 is read in the system's code page, as the old program
// wrote names into its INI files.
std::filesystem::path PathOf(const std::string& utf8);
std::string Utf8Of(const std::filesystem::path& path);

// The arguments after the program's name, as UTF-8 (Windows hands main()
// its code page's bytes, which cannot hold every file name).
std::vector<std::string> ProgramArguments(int argc, char** argv);
// Has a console show the UTF-8 the program prints (Windows consoles expect
// their own code page) until the program ends.
void UseUtf8Console();
// An environment variable as UTF-8; nothing when it is not set.
std::optional<std::string> EnvironmentValue(const char* name);

// The running program's file; empty when the system does not tell.
std::string ProgramFile();
int64_t ProcessId();

// The XDG rule for the per-user configuration folder: $XDG_CONFIG_HOME when
// it is an absolute path, else $HOME/.config; empty when neither is set.
std::string XdgConfigHome(const char* xdgConfigHome, const char* home);
// The folder per-user settings folders lie in: %APPDATA% on Windows, the XDG
// folder elsewhere. Empty when the environment does not say.
std::string UserConfigBase();
// The Windows directory; empty off Windows.
std::string WindowsDirectory();

// The name the last part of `path` has on the disk, when the system finds
// files whatever the case of the name given (Windows); nothing when it does
// not exist, and always nothing where case matters (Linux).
std::optional<std::filesystem::path> NameOnDisk(const std::filesystem::path& path);

// Whether this process may create files in the folder.
bool IsWritableDir(const std::string& dir);

// Creates or truncates `path`, writes `data` and has the system put it on
// the disk, so that a rename after it never makes a half-written file the
// file of record. Returns why it failed, or an empty string; `created` tells
// whether the file could be opened at all.
std::string WriteFileToDisk(const std::string& path, const ByteStream& data, bool* created = nullptr);
// Renames `from` to `to`, replacing a file `to` in one step. Returns why it
// failed, or an empty string.
std::string RenameReplacing(const std::string& from, const std::string& to);
// Why the existing file `path` cannot be replaced by a rename right now
// (Windows refuses for a read-only file and for one another program has
// open); empty when it can or does not exist.
std::string ReplaceBlocker(const std::string& path);

// An exclusive lock through a lock file, held while the object lives. The
// system drops it when the process ends in whatever way, so a lock that can
// be taken belongs to no running program. The file can be removed only once
// the lock is released.
class TFileLock {
public:
  enum class TResult { Locked, Busy, Missing };

  TFileLock() = default;
  ~TFileLock() { Release(); }
  TFileLock(TFileLock&& other) noexcept : handle_(other.handle_) { other.handle_ = kNone; }
  TFileLock& operator=(TFileLock&& other) noexcept;
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;

  // Creates the lock file `path` with `contents` (the owner's description),
  // locked from the moment it appears under its name. Returns why it
  // failed, or an empty string.
  std::string Create(const std::string& path, const std::string& contents);
  // Locks an existing lock file without waiting: Busy while another process
  // (or another TFileLock) holds it, Missing when it cannot be opened.
  TResult TryLock(const std::string& path);
  bool Held() const { return handle_ != kNone; }
  void Release() noexcept;

private:
  static constexpr intptr_t kNone = -1;
  intptr_t handle_ = kNone;  // a file descriptor, or a Windows handle
};

}  // namespace vh
