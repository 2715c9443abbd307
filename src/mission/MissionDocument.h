#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mission/History.h"
#include "mission/Mission.h"
#include "mission/MissionChange.h"

namespace vh {

// One open mission with its undo history: the one place where edits enter
// and the one notification of what changed. An edit runs through Edit(),
// which opens the undo step, lets the edit change the mission through the
// model's named operations, closes the step and tells every listener what
// the edit reported. Undo, redo, a jump in the history, saving and a
// replacement of the whole mission are announced the same way.
class TMissionDocument {
public:
  using TListener = std::function<void(const TMissionChange&)>;
  // An edit changes the mission and says what it changed.
  using TEdit = std::function<TMissionChange(TMission&)>;

  TMissionDocument();
  ~TMissionDocument();
  TMissionDocument(const TMissionDocument&) = delete;
  TMissionDocument& operator=(const TMissionDocument&) = delete;

  // The mission stays at one address for the life of the document. Read it
  // freely; change it only through Edit().
  TMission& Mission() { return *mission_; }
  const TMission& Mission() const { return *mission_; }
  TMissionHistory& History() { return *history_; }
  const TMissionHistory& History() const { return *history_; }

  // Runs `edit` as the step `name` (steps with the same non-empty merge key
  // in a row become one), or as part of the stroke that is open. Returns
  // what it announced. An edit that raises still closes its step, and then
  // everything counts as changed.
  TMissionChange Edit(const std::string& name, const TEdit& edit, const std::string& mergeKey = {},
                      const void* origin = nullptr);
  // A stroke of the mouse: its edits, each announced as it happens, become
  // one step, named when it begins.
  void BeginStroke(const std::string& name);
  void EndStroke();
  bool InStroke() const;

  TMissionChange Undo();
  TMissionChange Redo();
  TMissionChange GoTo(size_t position);

  // The whole mission is new (opened, started, restored from a copy): the
  // history starts anew, with this state as the saved one unless `unsaved`.
  void Replace(TMission&& mission, bool unsaved = false);
  // Another change layer in the working grid: no step, but the cells either
  // layer changes may look different. False when it was there already.
  bool ShowLayer(uint8_t layer);
  // Saved under its name, or under a new one.
  void Save();
  void SaveAs(const std::string& fileName);

  // Listeners are told in the order they were added; the id removes one.
  size_t Listen(TListener listener);
  void StopListening(size_t id);
  void Announce(const TMissionChange& change);

private:
  void HistoryChanged();
  TMissionChange Move(TStepEffect (TMissionHistory::*step)());

  std::unique_ptr<TMission> mission_;
  std::unique_ptr<TMissionHistory> history_;
  struct TEntry {
    size_t Id;
    TListener Listener;
  };
  std::vector<TEntry> listeners_;
  size_t nextId_ = 1;
  bool stroke_ = false;
  // While the document itself works the history, the history's own
  // notification is folded into the document's one.
  int working_ = 0;
};

}  // namespace vh
