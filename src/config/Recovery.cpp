#include "config/Recovery.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "base/Errors.h"
#include "base/FileUtil.h"

namespace fs = std::filesystem;

namespace vh {

namespace {

constexpr char kMagic[] = "VarnholtRecovery 1";
constexpr char kSessionPrefix[] = "session-";

std::string Escape(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '%')
      out += "%25";
    else if (c == '\n')
      out += "%0A";
    else if (c == '\r')
      out += "%0D";
    else
      out += c;
  }
  return out;
}

std::string Unescape(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size()) {
      std::string hex = s.substr(i + 1, 2);
      if (hex == "25" || hex == "0A" || hex == "0D") {
        out += hex == "25" ? '%' : hex == "0A" ? '\n' : '\r';
        i += 2;
        continue;
      }
    }
    out += s[i];
  }
  return out;
}

bool ParseInt(const std::string& text, int64_t& value) {
  if (text.empty() || text.size() > 19)
    return false;
  size_t start = text[0] == '-' ? 1 : 0;
  if (start == text.size() || !std::all_of(text.begin() + static_cast<long>(start), text.end(), ::isdigit))
    return false;
  value = std::stoll(text);
  return true;
}

std::string SystemReason(int error) { return std::strerror(error); }

// Takes the exclusive lock of an open lock file without waiting.
bool TryLock(int fd) { return ::flock(fd, LOCK_EX | LOCK_NB) == 0; }

int OpenLockFile(const std::string& path, bool create) {
  int flags = O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0);
  return ::open(path.c_str(), flags, 0600);
}

} // namespace

std::string FormatRecoveryInfo(const TRecoveryInfo& info) {
  std::ostringstream out;
  out << kMagic << '\n'
      << "Original=" << Escape(info.OriginalPath) << '\n'
      << "Names=" << Escape(info.OriginalNamesPath) << '\n'
      << "SavedAt=" << info.SavedAt << '\n'
      << "DFLayer=" << info.DFLayer << '\n';
  return out.str();
}

TRecoveryInfo ParseRecoveryInfo(const std::string& text, const std::string& source) {
  auto fail = [&](const std::string& why) {
    return EReadError("Read error in recovery description " + source + ": " + why);
  };
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kMagic)
    throw fail("it does not start with \"" + std::string(kMagic) + "\"");
  TRecoveryInfo info;
  bool haveTime = false, haveLayer = false;
  while (std::getline(in, line)) {
    size_t eq = line.find('=');
    if (eq == std::string::npos)
      continue;
    std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    int64_t number = 0;
    if (key == "Original") {
      info.OriginalPath = Unescape(value);
    } else if (key == "Names") {
      info.OriginalNamesPath = Unescape(value);
    } else if (key == "SavedAt") {
      if (!ParseInt(value, number))
        throw fail("SavedAt is not a number");
      info.SavedAt = number;
      haveTime = true;
    } else if (key == "DFLayer") {
      if (!ParseInt(value, number) || number < 0 || number >= DFLayerCount)
        throw fail("DFLayer is not a change layer number");
      info.DFLayer = static_cast<int>(number);
      haveLayer = true;
    }
  }
  if (!haveTime || !haveLayer)
    throw fail("SavedAt or DFLayer is missing");
  return info;
}

void WriteRecoveryCopy(TMission snapshot, const TRecoveryCopy& copy) {
  snapshot.FileName = copy.MissionPath();
  snapshot.NamesFileName = copy.NamesPath();
  snapshot.SaveToFile();
  std::string text = FormatRecoveryInfo(copy.Info);
  WriteWholeFile(copy.InfoPath(), ByteStream(text.begin(), text.end()));
}

void RemoveRecoveryCopy(const TRecoveryCopy& copy) noexcept {
  std::error_code ec;
  // The description goes first: without it a later start no longer offers
  // the copy, whatever else is left.
  fs::remove(copy.InfoPath(), ec);
  fs::remove(copy.MissionPath(), ec);
  fs::remove(copy.NamesPath(), ec);
}

// --- The running editor's session ------------------------------------------------

TRecoverySession::TRecoverySession(std::string recoveryDir) : recoveryDir_(std::move(recoveryDir)) {
  while (!recoveryDir_.empty() && recoveryDir_.size() > 1 && IsPathSep(recoveryDir_.back()))
    recoveryDir_.pop_back();
}

TRecoverySession::~TRecoverySession() { End(); }

const std::string& TRecoverySession::Dir() {
  if (lockFd_ >= 0)
    return dir_;
  auto fail = [&](const std::string& what, const std::string& why) {
    return EInOutError("Cannot create the recovery folder " + what + ": " + why);
  };
  std::error_code ec;
  fs::create_directories(recoveryDir_, ec);
  if (ec || !fs::is_directory(recoveryDir_))
    throw fail(recoveryDir_, ec ? ec.message() : "it is not a folder");
  auto now = std::chrono::system_clock::now().time_since_epoch();
  std::string name = kSessionPrefix + std::to_string(::getpid()) + "-" +
                     std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
  // The folder gets its final name only once it is locked, so that a starting
  // editor never takes it for the folder of a dead one.
  std::string temp = recoveryDir_ + "/." + name;
  std::string dir = recoveryDir_ + "/" + name;
  if (!fs::create_directory(temp, ec))
    throw fail(temp, ec ? ec.message() : "it exists already");
  int fd = OpenLockFile(temp + "/" + RecoveryLockName, true);
  if (fd < 0 || !TryLock(fd)) {
    int error = errno;
    if (fd >= 0)
      ::close(fd);
    fs::remove_all(temp, ec);
    throw fail(temp, SystemReason(error));
  }
  std::string pid = std::to_string(::getpid()) + "\n";
  [[maybe_unused]] ssize_t written = ::write(fd, pid.data(), pid.size());
  fs::rename(temp, dir, ec);
  if (ec) {
    ::close(fd);
    fs::remove_all(temp, ec);
    throw fail(dir, ec.message());
  }
  lockFd_ = fd;
  dir_ = dir;
  return dir_;
}

void TRecoverySession::End() noexcept {
  if (lockFd_ < 0)
    return;
  std::error_code ec;
  fs::remove_all(dir_, ec);
  ::close(lockFd_);
  lockFd_ = -1;
  dir_.clear();
}

// --- Copies left by editors that no longer run ------------------------------------

TOrphanedCopies::TOrphanedCopies(const std::string& recoveryDir, const std::string& ownSessionDir) {
  std::error_code ec;
  if (!fs::is_directory(recoveryDir, ec))
    return;
  fs::path own = ownSessionDir.empty() ? fs::path() : fs::weakly_canonical(ownSessionDir, ec);
  for (const fs::directory_entry& entry : fs::directory_iterator(recoveryDir, ec)) {
    std::string name = entry.path().filename().string();
    if (name.rfind(kSessionPrefix, 0) != 0 || !entry.is_directory(ec))
      continue;
    if (!own.empty() && fs::weakly_canonical(entry.path(), ec) == own)
      continue;
    std::string dir = entry.path().string();
    int fd = OpenLockFile(dir + "/" + RecoveryLockName, false);
    if (fd < 0)
      continue;
    if (!TryLock(fd)) {
      ::close(fd);  // its editor still runs
      continue;
    }
    size_t before = copies_.size();
    for (const fs::directory_entry& file : fs::directory_iterator(dir, ec)) {
      if (file.path().extension() != ".rec")
        continue;
      TRecoveryCopy copy{dir, file.path().stem().string(), {}};
      try {
        ByteStream bytes = ReadWholeFile(copy.InfoPath(), 1 << 16);
        copy.Info = ParseRecoveryInfo(std::string(bytes.begin(), bytes.end()), copy.InfoPath());
      } catch (const EVhError&) {
        continue;
      }
      if (fs::is_regular_file(copy.MissionPath(), ec))
        copies_.push_back(std::move(copy));
    }
    if (copies_.size() == before) {
      // Nothing worth offering: an editor that died before its first copy.
      bool empty = true;
      for (const fs::directory_entry& file : fs::directory_iterator(dir, ec))
        if (file.path().filename() != RecoveryLockName)
          empty = false;
      if (empty)
        fs::remove_all(dir, ec);
      ::close(fd);
      continue;
    }
    sessions_.push_back({dir, fd});
  }
  std::stable_sort(copies_.begin(), copies_.end(), [](const TRecoveryCopy& a, const TRecoveryCopy& b) {
    return a.Info.SavedAt < b.Info.SavedAt;
  });
}

TOrphanedCopies::~TOrphanedCopies() {
  for (const Session& s : sessions_)
    ::close(s.LockFd);
}

void TOrphanedCopies::Discard(const TRecoveryCopy& which) noexcept {
  const TRecoveryCopy copy = which;  // `which` may be one of copies_
  RemoveRecoveryCopy(copy);
  copies_.erase(std::remove_if(copies_.begin(), copies_.end(),
                               [&](const TRecoveryCopy& c) { return c.SessionDir == copy.SessionDir && c.Id == copy.Id; }),
                copies_.end());
  bool left = std::any_of(copies_.begin(), copies_.end(),
                          [&](const TRecoveryCopy& c) { return c.SessionDir == copy.SessionDir; });
  if (left)
    return;
  for (auto it = sessions_.begin(); it != sessions_.end(); ++it) {
    if (it->Dir != copy.SessionDir)
      continue;
    std::error_code ec;
    fs::remove_all(it->Dir, ec);
    ::close(it->LockFd);
    sessions_.erase(it);
    return;
  }
}

void TOrphanedCopies::DiscardAll() noexcept {
  while (!copies_.empty())
    Discard(copies_.front());
}

bool RecoverySessionAlive(const std::string& sessionDir) {
  int fd = OpenLockFile(sessionDir + "/" + RecoveryLockName, false);
  if (fd < 0)
    return false;
  bool alive = !TryLock(fd);
  ::close(fd);  // closing drops a lock this call took
  return alive;
}

} // namespace vh
