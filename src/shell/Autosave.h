#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <future>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "config/Recovery.h"

namespace vh {

class TMissView;

// Keeps a recovery copy of every mission window with unsaved changes: every
// `interval` seconds while the user edits, and shortly after the edits stop.
// The mission is copied on the GUI thread; the files are written on a worker
// thread, so painting never waits for the disk. A copy goes when its window
// is saved (no unsaved changes left) or closed, and the whole session folder
// at a normal end.
class TAutosave : public QObject {
  Q_OBJECT
public:
  using Clock = std::chrono::steady_clock;

  TAutosave(std::string recoveryDir, int intervalSeconds, QObject* parent = nullptr);
  ~TAutosave() override;  // waits for writes in flight, then ends the session

  // The clock; tests set their own.
  std::function<Clock::time_point()> Now = [] { return Clock::now(); };
  // Looks after the view's mission from now on, following its changes.
  void Watch(TMissView* view);

  void SetInterval(int seconds);
  int Interval() const { return intervalSeconds_; }
  const std::string& RecoveryDir() const { return session_.RecoveryDir(); }
  // The folder of this editor's copies; empty until the first copy.
  std::string SessionDir() const { return session_.Started() ? sessionDir_ : std::string(); }

  // The window goes: its copy goes with it.
  void Forget(TMissView* view);
  // A normal end: every copy goes.
  void EndSession();
  // Writes the copies due at `now` and sets the timer for the next one; the
  // timer's work, which a change or a finished write also asks for. Nothing
  // due, no timer: an editor at rest is not woken.
  void Check(Clock::time_point now);
  // Waits until every write in flight has finished and been accounted for.
  void Flush();
  // When the view's mission was last seen to change, by the autosave's clock.
  std::optional<Clock::time_point> LastChangeSeen(TMissView* view) const {
    auto it = entries_.find(view);
    return it == entries_.end() ? std::nullopt : std::optional<Clock::time_point>(it->second.LastChange);
  }

signals:
  // A recovery copy could not be written; shown once until a write succeeds.
  void WriteFailed(const QString& message);

private:
  struct Entry {
    std::string Id;
    uint64_t SeenCount = 0;
    uint64_t WrittenCount = 0;
    bool HasCopy = false;
    bool Written = false;
    bool Failed = false;  // the last write failed: the next waits an interval
    Clock::time_point LastChange;
    Clock::time_point LastWrite;
    std::future<std::string> Pending;  // the error text, empty on success
  };
  void Collect(Entry& entry, bool wait);
  void StartWrite(TMissView* view, Entry& entry, Clock::time_point now);
  void RemoveCopy(Entry& entry);
  void Changed(TMissView* view);
  void Schedule(Clock::time_point now);

  TRecoverySession session_;
  std::string sessionDir_;
  int intervalSeconds_;
  int nextId_ = 1;
  bool failureShown_ = false;
  std::map<TMissView*, Entry> entries_;
  QTimer timer_;
};

// The recovery folder: `configured` when set, else "Recovery" in the
// platform's folder for the user's application data.
std::string RecoveryDirFor(const std::string& configured);

}  // namespace vh
