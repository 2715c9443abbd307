#include "shell/Autosave.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <chrono>
#include <optional>

#include "views/COMPMissView.h"
#include "views/QtText.h"

namespace vh {

namespace {

// How long the edits must rest before a copy is written ahead of the interval.
constexpr std::chrono::seconds kIdleDelay{2};

}  // namespace

std::string RecoveryDirFor(const std::string& configured) {
  if (!configured.empty())
    return configured;
  QString base = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  return PathFromQString(QDir::toNativeSeparators(base + QStringLiteral("/Recovery")));
}

TAutosave::TAutosave(std::string recoveryDir, int intervalSeconds, QObject* parent)
    : QObject(parent), session_(std::move(recoveryDir)), intervalSeconds_(intervalSeconds) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { Check(Now()); });
  SetInterval(intervalSeconds);
}

TAutosave::~TAutosave() {
  EndSession();
}

void TAutosave::SetInterval(int seconds) {
  intervalSeconds_ = std::max(0, seconds);
  if (intervalSeconds_ > 0) {
    Schedule(Now());
    return;
  }
  // Off means off: copies that would no longer follow the edits go too.
  timer_.stop();
  for (auto& [view, entry] : entries_)
    RemoveCopy(entry);
}

void TAutosave::Watch(TMissView* view) {
  Entry& entry = entries_[view];
  entry.Id = "w" + std::to_string(nextId_++);
  entry.LastWrite = entry.LastChange = Now();
  entry.SeenCount = view->Mission().ChangeCount;
  connect(view, &TMissView::MissionChanged, this, [this, view] { Changed(view); });
}

void TAutosave::Changed(TMissView* view) {
  auto it = entries_.find(view);
  if (it == entries_.end())
    return;
  Entry& entry = it->second;
  const Clock::time_point now = Now();
  const uint64_t count = view->Mission().ChangeCount;
  if (count != entry.SeenCount) {
    entry.SeenCount = count;
    entry.LastChange = now;
  }
  // Saved: the copy is no longer needed.
  if (!view->IsModified() && (entry.HasCopy || entry.Written))
    RemoveCopy(entry);
  Schedule(now);
}

void TAutosave::Schedule(Clock::time_point now) {
  if (intervalSeconds_ <= 0)
    return;
  const auto interval = std::chrono::seconds(intervalSeconds_);
  const auto idle = std::min<Clock::duration>(kIdleDelay, interval);
  std::optional<Clock::time_point> next;
  for (auto& [view, entry] : entries_) {
    if (!view->IsModified() || entry.Pending.valid() ||
        (entry.Written && entry.WrittenCount == entry.SeenCount))
      continue;
    Clock::time_point due = entry.LastWrite + interval;
    if (!entry.Failed)
      due = std::min(due, entry.LastChange + idle);
    next = next ? std::min(*next, due) : due;
  }
  if (!next) {
    timer_.stop();
    return;
  }
  const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(*next - now);
  timer_.start(static_cast<int>(std::max<int64_t>(0, wait.count())));
}

void TAutosave::Collect(Entry& entry, bool wait) {
  if (!entry.Pending.valid())
    return;
  if (!wait && entry.Pending.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
    return;
  std::string error = entry.Pending.get();
  if (error.empty()) {
    entry.HasCopy = true;
    entry.Failed = false;
    failureShown_ = false;
    return;
  }
  // Written again at the next interval, whatever changes meanwhile.
  entry.Written = false;
  entry.Failed = true;
  if (!failureShown_) {
    failureShown_ = true;
    emit WriteFailed(tr("Recovery copy not written: %1").arg(ToQString(error)));
  }
}

void TAutosave::RemoveCopy(Entry& entry) {
  Collect(entry, true);
  if (entry.HasCopy && session_.Started())
    RemoveRecoveryCopy({sessionDir_, entry.Id, {}, {}});
  entry.HasCopy = false;
  entry.Written = false;
}

void TAutosave::StartWrite(TMissView* view, Entry& entry, Clock::time_point now) {
  entry.LastWrite = now;
  entry.Written = true;
  entry.WrittenCount = entry.SeenCount;
  const TMission& mission = view->Mission();
  TRecoveryCopy copy;
  copy.Id = entry.Id;
  copy.Info.OriginalPath = mission.FileName;
  copy.Info.OriginalNamesPath = mission.NamesFileName;
  copy.Info.SavedAt =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
          .count();
  copy.Info.DFLayer = mission.DFNr;
  try {
    sessionDir_ = session_.Dir();
  } catch (const std::exception& e) {
    std::promise<std::string> failed;
    failed.set_value(e.what());
    entry.Pending = failed.get_future();
    return;
  }
  copy.SessionDir = sessionDir_;
  entry.Pending = std::async(std::launch::async, [this, snapshot = mission, copy]() mutable -> std::string {
    std::string error;
    try {
      WriteRecoveryCopy(std::move(snapshot), copy);
    } catch (const std::exception& e) {
      error = e.what();
    }
    // The GUI thread takes the result as soon as it is there.
    QMetaObject::invokeMethod(
        this, [this] { Check(Now()); }, Qt::QueuedConnection);
    return error;
  });
}

void TAutosave::Check(Clock::time_point now) {
  if (intervalSeconds_ <= 0)
    return;
  const auto interval = std::chrono::seconds(intervalSeconds_);
  const auto idle = std::min<Clock::duration>(kIdleDelay, interval);
  for (auto& [view, entry] : entries_) {
    Collect(entry, false);
    const uint64_t count = view->Mission().ChangeCount;
    if (!view->IsModified()) {
      if (entry.HasCopy || entry.Written)
        RemoveCopy(entry);
      entry.SeenCount = count;
      continue;
    }
    if (count != entry.SeenCount) {
      entry.SeenCount = count;
      entry.LastChange = now;
    }
    if (entry.Pending.valid() || (entry.Written && entry.WrittenCount == count))
      continue;
    bool due = now - entry.LastWrite >= interval || (!entry.Failed && now - entry.LastChange >= idle);
    if (due)
      StartWrite(view, entry, now);
  }
  Schedule(now);
}

void TAutosave::Flush() {
  for (auto& [view, entry] : entries_)
    Collect(entry, true);
}

void TAutosave::Forget(TMissView* view) {
  auto it = entries_.find(view);
  if (it == entries_.end())
    return;
  RemoveCopy(it->second);
  entries_.erase(it);
}

void TAutosave::EndSession() {
  timer_.stop();
  Flush();
  entries_.clear();
  session_.End();
}

}  // namespace vh
