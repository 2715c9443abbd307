#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mission/Mission.h"

// The undo history of one mission. A step is the difference between the
// mission before and after one user action, found by comparing the mission
// with a copy of its state at the previous step boundary: no edit path can
// slip past it, however it changes the model. A step keeps only what
// changed: cells by index, and shops, cargo, AI points, change layers and
// the settings only when they differ.

namespace vh {

constexpr size_t DefaultUndoLimit = 1000;

// What undoing or redoing a step touched, for redrawing only that.
struct TStepEffect {
  std::vector<uint16_t> Cells;        // y * 64 + x of base map cells and cells of the shown change layer
  std::vector<uint16_t> ObjectCells;  // base map cells whose object changed: line joins around them
  bool Records = false;               // shops, cargo or AI points
  bool Settings = false;              // size, players, texts and the other settings
  bool SizeChanged = false;
  bool OtherLayers = false;  // change layers that are not shown
  bool Empty() const { return Cells.empty() && !Records && !Settings && !OtherLayers; }
};

struct TStep;

class TMissionHistory {
public:
  // The history starts empty with the mission's present state as the saved one.
  explicit TMissionHistory(TMission& mission, size_t limit = DefaultUndoLimit);
  ~TMissionHistory();
  TMissionHistory(const TMissionHistory&) = delete;
  TMissionHistory& operator=(const TMissionHistory&) = delete;

  // Forgets every step: for a mission that was just started, opened or
  // failed to open. The present state counts as saved.
  void Reset();

  // Keeps at most `limit` steps (0: no limit); the oldest fall off.
  void SetLimit(size_t limit);
  size_t Limit() const { return limit_; }

  // Opens a step: what changes until End() is one step named `name`. A step
  // that is still open is closed first, and changes made outside any step are
  // recorded as a step of their own. Steps with the same non-empty `mergeKey`
  // in a row become one while merging is not broken (BreakMerge, another
  // step, an undo or a save).
  void Begin(std::string name, std::string mergeKey = {});
  // Closes the open step (or records loose changes as "Edit"). Returns
  // whether a step was added or grew; a step that changed nothing is none.
  bool End();
  // Records everything changed since the last boundary as one step `name`.
  bool Commit(std::string name, std::string mergeKey = {});
  bool InStep() const { return open_; }
  void BreakMerge() { mergeOpen_ = false; }

  bool CanUndo() const;
  bool CanRedo() const;
  // Names of the step that Undo() or Redo() would take; empty when none.
  std::string UndoName() const;
  std::string RedoName() const;
  TStepEffect Undo();
  TStepEffect Redo();
  // Undoes or redoes until `position` steps are in effect.
  TStepEffect GoTo(size_t position);

  // Steps in effect; Count() - Position() steps can be redone.
  size_t Position() const { return pos_; }
  size_t Count() const { return steps_.size(); }
  const std::string& StepName(size_t i) const;
  // Cells whose terrain, object or unit the step changed, in the base map
  // and the change layers.
  size_t StepCells(size_t i) const;
  // The position whose state was last saved; none when it fell off or was
  // replaced by new steps.
  std::optional<size_t> SavedPosition() const { return saved_; }

  // The mission as it is now is saved. End() the open step before saving:
  // what changed since the last boundary counts as saved, not as a step.
  void MarkSaved();
  // No state in the history is on disk (a mission restored from a recovery
  // copy, say): it stays modified until the next save.
  void MarkUnsaved();
  // The mission differs from its saved state: as the history knows it, or by
  // changes not yet recorded as a step.
  bool IsModified() const;

  // Bytes the steps hold, with the history's own fixed part (its copy of
  // the mission's grids, some 75 KB).
  size_t MemoryUse() const;

  // Called after every change of the steps, the position or the saved mark.
  std::function<void()> OnChanged;

private:
  TStepEffect Apply(size_t index, bool forward, TStepEffect effect);
  void Changed();

  TMission& mission_;
  TMission baseline_;  // the mission at the last step boundary
  uint64_t baselineCount_ = 0;
  std::deque<std::unique_ptr<TStep>> steps_;
  size_t pos_ = 0;
  std::optional<size_t> saved_ = 0;
  size_t limit_;
  bool open_ = false;
  bool mergeOpen_ = false;
  std::string openName_, openKey_;
};

// Records what changes during its lifetime as one step.
class TEditStep {
public:
  TEditStep(TMissionHistory* history, std::string name, std::string mergeKey = {}) : history_(history) {
    if (history_)
      history_->Begin(std::move(name), std::move(mergeKey));
  }
  ~TEditStep() {
    if (history_)
      history_->End();
  }
  TEditStep(const TEditStep&) = delete;
  TEditStep& operator=(const TEditStep&) = delete;

private:
  TMissionHistory* history_;
};

}  // namespace vh
