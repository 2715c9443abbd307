#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/Platform.h"
#include "mission/Mission.h"

namespace vh {

// Recovery copies of unsaved missions. Every running editor owns a session
// folder inside the recovery folder and holds an exclusive lock on the
// folder's lock file for as long as it runs. The system drops that lock when
// the process dies in whatever way, so a session folder whose lock can be
// taken was left by an editor that did not end normally.

// What a recovery copy stands for, kept beside the copy.
struct TRecoveryInfo {
  std::string OriginalPath;       // empty: a mission never saved
  std::string OriginalNamesPath;  // empty: derived from OriginalPath at save
  int64_t SavedAt = 0;            // seconds since the epoch
  int DFLayer = 0;                // the change layer that was shown

  friend bool operator==(const TRecoveryInfo&, const TRecoveryInfo&) = default;
};

std::string FormatRecoveryInfo(const TRecoveryInfo& info);
// Raises EReadError for text that is not a description.
TRecoveryInfo ParseRecoveryInfo(const std::string& text, const std::string& source);

// One copy on disk: <session folder>/<Id>.dat, .txt (shop names) and .rec.
struct TRecoveryCopy {
  std::string SessionDir;  // ends without a separator
  std::string Id;
  TRecoveryInfo Info;
  // Why the copy cannot be restored (its description or its mission does not
  // read); empty for a copy that can. Such a copy is offered for discarding.
  std::string Fault;

  std::string MissionPath() const { return SessionDir + "/" + Id + ".dat"; }
  std::string NamesPath() const { return SessionDir + "/" + Id + ".txt"; }
  std::string InfoPath() const { return SessionDir + "/" + Id + ".rec"; }
};

// Writes the mission and its shop names file with the safe save, then the
// description, which makes the copy visible to a later start. Works on a
// snapshot of its own, so it may run on any thread. Raises EInOutError.
void WriteRecoveryCopy(TMission snapshot, const TRecoveryCopy& copy);
// Reads the description of copy `id` in `sessionDir` and reads its mission as
// restoring would, so a copy is known to be readable before it is offered.
// Never raises: what does not read is the copy's Fault.
TRecoveryCopy ReadRecoveryEntry(const std::string& sessionDir, const std::string& id);
// Removes the copy's files; missing files are no error.
void RemoveRecoveryCopy(const TRecoveryCopy& copy) noexcept;

// The running editor's session folder. Created (and locked) on first use, so
// an editor that never has unsaved work leaves nothing behind.
class TRecoverySession {
public:
  explicit TRecoverySession(std::string recoveryDir);
  ~TRecoverySession();  // a normal end: removes the folder and its copies
  TRecoverySession(const TRecoverySession&) = delete;
  TRecoverySession& operator=(const TRecoverySession&) = delete;

  const std::string& RecoveryDir() const { return recoveryDir_; }
  // Creates and locks the session folder when that has not happened yet and
  // returns it. Raises EInOutError.
  const std::string& Dir();
  bool Started() const { return lock_.Held(); }
  // Removes the folder with everything in it and ends the session.
  void End() noexcept;

private:
  std::string recoveryDir_;
  std::string dir_;
  TFileLock lock_;
};

// The session folders of editors that no longer run. Each one stays locked by
// this object while it lives, so a second editor starting at the same time
// neither offers nor deletes the same copies.
class TOrphanedCopies {
public:
  // Looks into `recoveryDir`; `ownSessionDir` (may be empty) is skipped. A
  // missing recovery folder simply has no copies.
  TOrphanedCopies(const std::string& recoveryDir, const std::string& ownSessionDir = {});
  ~TOrphanedCopies();  // releases the locks, keeping the copies
  TOrphanedCopies(const TOrphanedCopies&) = delete;
  TOrphanedCopies& operator=(const TOrphanedCopies&) = delete;

  // Oldest first; copies that cannot be read (with their Fault) among them,
  // kept on disk until discarded.
  const std::vector<TRecoveryCopy>& Copies() const { return copies_; }
  // Deletes one copy, and a session folder once nothing of it is left.
  void Discard(const TRecoveryCopy& copy) noexcept;
  void DiscardAll() noexcept;

private:
  struct Session {
    std::string Dir;
    TFileLock Lock;
  };
  std::vector<Session> sessions_;
  std::vector<TRecoveryCopy> copies_;
};

// Whether the editor that owns `sessionDir` still runs (its lock is held).
bool RecoverySessionAlive(const std::string& sessionDir);

inline constexpr char RecoveryLockName[] = "session.lock";

}  // namespace vh
