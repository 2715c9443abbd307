#include "shell/Autosave.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <chrono>

#include "tools/Cp1252.h"
#include "views/COMPMissView.h"

namespace vh {

namespace {

// How long the edits must rest before a copy is written ahead of the interval.
constexpr std::chrono::seconds kIdleDelay{2};

} // namespace

std::string RecoveryDirFor(const std::string& configured) {
  if (!configured.empty())
    return configured;
  QString base = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  return PathFromQString(QDir::toNativeSeparators(base + QStringLiteral("/Recovery")));
}

TAutosave::TAutosave(std::string recoveryDir, int intervalSeconds, QObject* parent)
    : QObject(parent), session_(std::move(recoveryDir)), intervalSeconds_(intervalSeconds) {
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, [this] { Check(Clock::now()); });
  SetInterval(intervalSeconds);
}

TAutosave::~TAutosave() { EndSession(); }

void TAutosave::SetInterval(int seconds) {
  intervalSeconds_ = std::max(0, seconds);
  if (intervalSeconds_ > 0) {
    timer_.start();
    return;
  }
  // Off means off: copies that would no longer follow the edits go too.
  timer_.stop();
  for (auto& [view, entry] : entries_)
    RemoveCopy(entry);
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
    emit WriteFailed(QStringLiteral("Recovery copy not written: %1").arg(ToQString(error)));
  }
}

void TAutosave::RemoveCopy(Entry& entry) {
  Collect(entry, true);
  if (entry.HasCopy && session_.Started())
    RemoveRecoveryCopy({sessionDir_, entry.Id, {}});
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
  copy.Info.SavedAt = std::chrono::duration_cast<std::chrono::seconds>(
                          std::chrono::system_clock::now().time_since_epoch())
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
  entry.Pending = std::async(std::launch::async, [snapshot = mission, copy]() mutable -> std::string {
    try {
      WriteRecoveryCopy(std::move(snapshot), copy);
      return {};
    } catch (const std::exception& e) {
      return e.what();
    }
  });
}

void TAutosave::Check(Clock::time_point now) {
  if (intervalSeconds_ <= 0 || !Views)
    return;
  const std::vector<TMissView*> views = Views();
  const auto interval = std::chrono::seconds(intervalSeconds_);
  const auto idle = std::min<Clock::duration>(kIdleDelay, interval);
  for (TMissView* view : views) {
    auto [it, added] = entries_.try_emplace(view);
    Entry& entry = it->second;
    uint64_t count = view->Mission().ChangeCount;
    if (added) {
      entry.Id = "w" + std::to_string(nextId_++);
      entry.LastWrite = entry.LastChange = now;
      entry.SeenCount = count;
    }
    Collect(entry, false);
    if (!view->IsModified()) {
      if (entry.HasCopy || entry.Written)
        RemoveCopy(entry);
      entry.SeenCount = count;
      continue;
    }
    if (count != entry.SeenCount || added) {
      entry.SeenCount = count;
      entry.LastChange = now;
    }
    if (entry.Pending.valid() || (entry.Written && entry.WrittenCount == count))
      continue;
    bool due = now - entry.LastWrite >= interval || (!entry.Failed && now - entry.LastChange >= idle);
    if (due)
      StartWrite(view, entry, now);
  }
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

} // namespace vh
