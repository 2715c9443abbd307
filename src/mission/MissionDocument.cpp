#include "mission/MissionDocument.h"

#include <algorithm>
#include <utility>

namespace vh {

namespace {

// Counts how deep the document is in its own work on the history.
class TWorking {
public:
  explicit TWorking(int& depth) : depth_(depth) { ++depth_; }
  ~TWorking() { --depth_; }
  TWorking(const TWorking&) = delete;
  TWorking& operator=(const TWorking&) = delete;

private:
  int& depth_;
};

TMissionChange StepsOnly() {
  TMissionChange c;
  c.Steps = true;
  return c;
}

}  // namespace

TMissionDocument::TMissionDocument()
    : mission_(std::make_unique<TMission>()), history_(std::make_unique<TMissionHistory>(*mission_)) {
  // Whoever works the history directly is announced too.
  history_->OnChanged = [this] { HistoryChanged(); };
}

TMissionDocument::~TMissionDocument() {
  history_->OnChanged = nullptr;
}

void TMissionDocument::HistoryChanged() {
  if (working_ == 0)
    Announce(StepsOnly());
}

TMissionChange TMissionDocument::Edit(const std::string& name, const TEdit& edit, const std::string& mergeKey,
                                      const void* origin) {
  TMissionChange change;
  {
    TWorking working(working_);
    const bool ownStep = !history_->InStep();
    if (ownStep)
      history_->Begin(name, mergeKey);
    try {
      change = edit(*mission_);
    } catch (...) {
      if (ownStep)
        history_->End();
      change = TMissionChange::OfWhole();
      change.Steps = true;
      Announce(change);
      throw;
    }
    if (ownStep)
      change.Steps = history_->End();
  }
  change.Origin = origin;
  Announce(change);
  return change;
}

void TMissionDocument::BeginStroke(const std::string& name) {
  TWorking working(working_);
  history_->Begin(name);
  stroke_ = true;
}

void TMissionDocument::EndStroke() {
  bool grew = false;
  {
    TWorking working(working_);
    stroke_ = false;
    if (history_->InStep())
      grew = history_->End();
  }
  if (grew)
    Announce(StepsOnly());
}

bool TMissionDocument::InStroke() const {
  return stroke_ && history_->InStep();
}

TMissionChange TMissionDocument::Undo() {
  return Move(&TMissionHistory::Undo);
}

TMissionChange TMissionDocument::Redo() {
  return Move(&TMissionHistory::Redo);
}

// Undo and redo: a step of the history taken back or again, which ends any
// stroke, then told once.
TMissionChange TMissionDocument::Move(TStepEffect (TMissionHistory::*step)()) {
  TMissionChange change;
  {
    TWorking working(working_);
    stroke_ = false;
    change = TMissionChange::OfStep(((*history_).*step)());
  }
  Announce(change);
  return change;
}

TMissionChange TMissionDocument::GoTo(size_t position) {
  TMissionChange change;
  {
    TWorking working(working_);
    stroke_ = false;
    change = TMissionChange::OfStep(history_->GoTo(position));
  }
  Announce(change);
  return change;
}

void TMissionDocument::Replace(TMission&& mission, bool unsaved) {
  {
    TWorking working(working_);
    stroke_ = false;
    *mission_ = std::move(mission);
    history_->Reset();
    if (unsaved)
      history_->MarkUnsaved();
  }
  TMissionChange change = TMissionChange::OfWhole();
  change.Steps = change.File = true;
  Announce(change);
}

bool TMissionDocument::ShowLayer(uint8_t layer) {
  // The cells either layer changes: those of the working grid before and
  // after the switch.
  TMissionChange change;
  const auto changed = [&] {
    for (int32_t y = 0; y < mission_->Height; ++y)
      for (int32_t x = 0; x < mission_->Width; ++x)
        if (mission_->DFCells[static_cast<size_t>(y)][static_cast<size_t>(x)].IsChange())
          change.Cells.push_back({x, y});
  };
  changed();
  {
    TWorking working(working_);
    if (!mission_->SelectDFLayer(layer))
      return false;
  }
  changed();
  std::sort(change.Cells.begin(), change.Cells.end(),
            [](TPoint a, TPoint b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
  change.Cells.erase(std::unique(change.Cells.begin(), change.Cells.end()), change.Cells.end());
  change.LayerShown = true;
  Announce(change);
  return true;
}

void TMissionDocument::Save() {
  {
    TWorking working(working_);
    history_->End();
    mission_->SaveToFile();
    history_->MarkSaved();
  }
  Announce(StepsOnly());
}

void TMissionDocument::SaveAs(const std::string& fileName) {
  {
    TWorking working(working_);
    history_->End();
    mission_->SaveAs(fileName);
    history_->MarkSaved();
  }
  TMissionChange change = StepsOnly();
  change.File = true;
  Announce(change);
}

size_t TMissionDocument::Listen(TListener listener) {
  listeners_.push_back({nextId_, std::move(listener)});
  return nextId_++;
}

void TMissionDocument::StopListening(size_t id) {
  std::erase_if(listeners_, [id](const TEntry& e) { return e.Id == id; });
}

void TMissionDocument::Announce(const TMissionChange& change) {
  if (change.Empty())
    return;
  // A listener may add or remove listeners while it is told.
  const std::vector<TEntry> listeners = listeners_;
  for (const TEntry& e : listeners)
    e.Listener(change);
}

}  // namespace vh
