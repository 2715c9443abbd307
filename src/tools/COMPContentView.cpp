#include "tools/COMPContentView.h"

#include <algorithm>

namespace vh {

void ApplySlotGridSettings(TEckView& view) {
  view.SetHexSpace(1);
  view.SetHasCursor(false);
  view.ActionListMove = {};
}

TContentView::TUnitSlots TContentView::UnitSlots() const {
  TUnitSlots units{};
  std::copy_n(slots_.begin(), UnitSlotCount, units.begin());
  return units;
}

void TContentView::SetupGrid() {
  SetGridSize({VehContent ? 2 : 4, RowCount});
}

void TContentView::LoadUnitSlots(const TUnitSlots& units, bool redraw) {
  slots_.fill(-1);
  std::copy(units.begin(), units.end(), slots_.begin());
  Changed(redraw);
}

bool TContentView::IsEmpty() const {
  const int used = VehContent ? UnitSlotCount : SlotCount;
  return std::all_of(slots_.begin(), slots_.begin() + used, [](int16_t s) { return s == -1; });
}

void TProduceView::SetupGrid() {
  SetGridSize({SlotCount, 1});
}

}  // namespace vh
