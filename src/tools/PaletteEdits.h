#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "mission/Mission.h"

namespace vh {

// The palette's edits of the mission's shops, unit cargo and AI points, and
// the texts of its lists, without widgets. Every change is noted in the
// mission so that unsaved work is noticed; a write of the value a field
// already holds is no change.

// Sets a flag for the life of a scope and restores what it was, also when
// the scope is left by an exception.
class TScopedFlag {
public:
  explicit TScopedFlag(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~TScopedFlag() { flag_ = old_; }
  TScopedFlag(const TScopedFlag&) = delete;
  TScopedFlag& operator=(const TScopedFlag&) = delete;

private:
  bool& flag_;
  bool old_;
};

// Stores `value` into `field` and notes the change when it differs.
template <class T, class V> bool AssignField(TMission& m, T& field, V value) {
  const T v = static_cast<T>(value);
  if (field == v)
    return false;
  field = v;
  m.NoteChange();
  return true;
}

// "(index) name" as the shop list shows it, in code page 1252.
std::string ShopListText(int16_t index, const std::string& name);

// Owner list item `side` (0..5 players, 6 neutral): "(1)" .. "(6)" or "(--)",
// followed by " " and the player's name when a mission is given.
std::string OwnerItemText(int side, const TPlayers* players);

// Removes shop `index` from the mission wherever it lies: from the first
// cell that holds it, or from its slot when no cell does. Returns the cell
// it lay on, or {-1, -1}.
TPoint DeleteShopAnywhere(TMission& m, int16_t index);

struct TCargoWrite {
  int16_t Target = -1;   // the record written, -1 for none
  bool Created = false;  // a record was created for the cell
};
// Stores the 8 slots of a unit's cargo after a click changed one slot.
// `current` is the record the palette shows for `cell`; `wasEmpty` tells
// whether all slots were empty before the click. A unit without a record
// gets one when the click filled its first slot; a record that exists is
// written again, also when clicks had emptied it, so a cell never gets a
// second record.
TCargoWrite StoreCargo(TMission& m, TPoint cell, int16_t current, bool wasEmpty,
                       const std::array<int16_t, 8>& units);

// The AI value fields the palette edits.
enum TAIValue : int { aiv0A, aiv48, aiv4A, aiv4E };
uint16_t& AIValueField(TAIPointRec& p, TAIValue which);
// Writes a typed value; values outside 0..65535 are ignored. True when the
// record changed.
bool StoreAIValue(TMission& m, TAIPointRec& p, TAIValue which, int64_t value);

}  // namespace vh
