#include "config/Recovery.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <new>
#include <sstream>

#include "base/Anomaly.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Platform.h"

namespace fs = std::filesystem;

namespace vh {

namespace {

constexpr char kMagic[] = "VarnholtRecovery 1";
constexpr char kSessionPrefix[] = "session-";
// A description is a few short lines; anything longer is not one.
constexpr size_t MaxRecoveryInfoSize = 1 << 16;

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

std::string LockPath(const std::string& sessionDir) {
  return sessionDir + "/" + RecoveryLockName;
}

// Removes a session folder that `lock` holds. The lock file goes last, after
// the lock is released (Windows removes no file that is open): until then no
// other editor takes the folder for one left behind.
void RemoveSession(const std::string& dir, TFileLock& lock) noexcept {
  std::error_code ec;
  const fs::path folder = PathOf(dir);
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec))
    if (entry.path().filename() != RecoveryLockName)
      fs::remove_all(entry.path(), ec);
  lock.Release();
  fs::remove_all(folder, ec);
}

}  // namespace

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
  auto fail = [&](TMessage why) {
    return EReadError(
        Message(VH_TRANSLATE_NOOP("Error", "Read error in recovery description %1: %2"), source, why.Text()));
  };
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kMagic)
    throw fail(Message(VH_TRANSLATE_NOOP("Error", "it does not start with \"%1\""), kMagic));
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
        throw fail(Message(VH_TRANSLATE_NOOP("Error", "SavedAt is not a number")));
      info.SavedAt = number;
      haveTime = true;
    } else if (key == "DFLayer") {
      if (!ParseInt(value, number) || number < 0 || number >= DFLayerCount)
        throw fail(Message(VH_TRANSLATE_NOOP("Error", "DFLayer is not a change layer number")));
      info.DFLayer = static_cast<int>(number);
      haveLayer = true;
    }
  }
  if (!haveTime || !haveLayer)
    throw fail(Message(VH_TRANSLATE_NOOP("Error", "SavedAt or DFLayer is missing")));
  return info;
}

void WriteRecoveryCopy(TMission snapshot, const TRecoveryCopy& copy) {
  snapshot.FileName = copy.MissionPath();
  snapshot.NamesFileName = copy.NamesPath();
  snapshot.SaveToFile();
  std::string text = FormatRecoveryInfo(copy.Info);
  WriteWholeFile(copy.InfoPath(), ByteStream(text.begin(), text.end()));
}

TRecoveryCopy ReadRecoveryEntry(const std::string& sessionDir, const std::string& id) {
  TRecoveryCopy copy{sessionDir, id, {}, {}};
  try {
    ByteStream bytes = ReadWholeFile(copy.InfoPath(), MaxRecoveryInfoSize);
    copy.Info = ParseRecoveryInfo(std::string(bytes.begin(), bytes.end()), copy.InfoPath());
    // The anomalies of a copy are reported when it is restored, not twice.
    ScopedAnomalySink quiet(nullptr);
    TMission probe;
    probe.LoadFromFile(copy.MissionPath());
  } catch (const EVhError& e) {
    copy.Fault = e.what();
  } catch (const std::bad_alloc&) {
    copy.Fault = "Not enough memory to read " + copy.MissionPath();
  }
  return copy;
}

void RemoveRecoveryCopy(const TRecoveryCopy& copy) noexcept {
  std::error_code ec;
  // The description goes first: without it a later start no longer offers
  // the copy, whatever else is left.
  fs::remove(PathOf(copy.InfoPath()), ec);
  fs::remove(PathOf(copy.MissionPath()), ec);
  fs::remove(PathOf(copy.NamesPath()), ec);
}

// --- The running editor's session ------------------------------------------------

TRecoverySession::TRecoverySession(std::string recoveryDir) : recoveryDir_(std::move(recoveryDir)) {
  while (!recoveryDir_.empty() && recoveryDir_.size() > 1 && IsPathSep(recoveryDir_.back()))
    recoveryDir_.pop_back();
}

TRecoverySession::~TRecoverySession() {
  End();
}

const std::string& TRecoverySession::Dir() {
  if (lock_.Held())
    return dir_;
  auto fail = [&](const std::string& what, const std::string& why) {
    return EInOutError(
        Message(VH_TRANSLATE_NOOP("Error", "Cannot create the recovery folder %1: %2"), what, why));
  };
  std::error_code ec;
  const fs::path base = PathOf(recoveryDir_);
  fs::create_directories(base, ec);
  if (ec || !fs::is_directory(base, ec))
    throw fail(recoveryDir_, ec ? ec.message() : "it is not a folder");
  auto now = std::chrono::system_clock::now().time_since_epoch();
  std::string pid = std::to_string(ProcessId());
  std::string name = kSessionPrefix + pid + "-" +
                     std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
  std::string dir = recoveryDir_ + "/" + name;
  if (!fs::create_directory(PathOf(dir), ec))
    throw fail(dir, ec ? ec.message() : "it exists already");
  // A starting editor skips a folder without a lock file, and the lock file
  // appears locked: it never takes this folder for the folder of a dead one.
  if (std::string why = lock_.Create(LockPath(dir), pid + "\n"); !why.empty()) {
    fs::remove_all(PathOf(dir), ec);
    throw fail(dir, why);
  }
  dir_ = dir;
  return dir_;
}

void TRecoverySession::End() noexcept {
  if (!lock_.Held())
    return;
  RemoveSession(dir_, lock_);
  dir_.clear();
}

// --- Copies left by editors that no longer run ------------------------------------

TOrphanedCopies::TOrphanedCopies(const std::string& recoveryDir, const std::string& ownSessionDir) {
  std::error_code ec;
  if (!fs::is_directory(PathOf(recoveryDir), ec))
    return;
  fs::path own = ownSessionDir.empty() ? fs::path() : fs::weakly_canonical(PathOf(ownSessionDir), ec);
  for (const fs::directory_entry& entry : fs::directory_iterator(PathOf(recoveryDir), ec)) {
    std::string name = Utf8Of(entry.path().filename());
    if (name.rfind(kSessionPrefix, 0) != 0 || !entry.is_directory(ec))
      continue;
    if (!own.empty() && fs::weakly_canonical(entry.path(), ec) == own)
      continue;
    std::string dir = Utf8Of(entry.path());
    TFileLock lock;
    if (lock.TryLock(LockPath(dir)) != TFileLock::TResult::Locked)
      continue;  // its editor still runs, or is just starting
    size_t before = copies_.size();
    for (const fs::directory_entry& file : fs::directory_iterator(entry.path(), ec)) {
      if (file.path().extension() != ".rec")
        continue;
      copies_.push_back(ReadRecoveryEntry(dir, Utf8Of(file.path().stem())));
    }
    if (copies_.size() == before) {
      // Nothing worth offering: an editor that died before its first copy.
      bool empty = true;
      for (const fs::directory_entry& file : fs::directory_iterator(entry.path(), ec))
        if (file.path().filename() != RecoveryLockName)
          empty = false;
      if (empty)
        RemoveSession(dir, lock);
      continue;
    }
    sessions_.push_back({dir, std::move(lock)});
  }
  std::stable_sort(copies_.begin(), copies_.end(), [](const TRecoveryCopy& a, const TRecoveryCopy& b) {
    return a.Info.SavedAt < b.Info.SavedAt;
  });
}

TOrphanedCopies::~TOrphanedCopies() = default;  // the locks go with their sessions

void TOrphanedCopies::Discard(const TRecoveryCopy& which) noexcept {
  const TRecoveryCopy copy = which;  // `which` may be one of copies_
  RemoveRecoveryCopy(copy);
  copies_.erase(std::remove_if(copies_.begin(), copies_.end(),
                               [&](const TRecoveryCopy& c) {
                                 return c.SessionDir == copy.SessionDir && c.Id == copy.Id;
                               }),
                copies_.end());
  bool left = std::any_of(copies_.begin(), copies_.end(),
                          [&](const TRecoveryCopy& c) { return c.SessionDir == copy.SessionDir; });
  if (left)
    return;
  for (auto it = sessions_.begin(); it != sessions_.end(); ++it) {
    if (it->Dir != copy.SessionDir)
      continue;
    RemoveSession(it->Dir, it->Lock);
    sessions_.erase(it);
    return;
  }
}

void TOrphanedCopies::DiscardAll() noexcept {
  while (!copies_.empty())
    Discard(copies_.front());
}

bool RecoverySessionAlive(const std::string& sessionDir) {
  // A lock this call takes goes again with `probe`.
  TFileLock probe;
  return probe.TryLock(LockPath(sessionDir)) == TFileLock::TResult::Busy;
}

}  // namespace vh
