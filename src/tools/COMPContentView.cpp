#include "tools/COMPContentView.h"

#include "tools/COMPMultiSelView.h"

namespace vh {

namespace {

template <size_t N> std::array<int16_t, N> EmptySlots() {
  std::array<int16_t, N> a{};
  a.fill(-1);
  return a;
}

} // namespace

void ApplySlotGridSettings(TEckView& view) {
  view.SetHexSpace(1);
  view.SetHasCursor(false);
  view.ActionListMove = {};
}

// --- TContentView ----------------------------------------------------------------

TContentView::TContentView(const TPictureSets& sets, QWidget* parent)
    : TEckView(sets, parent), slots_(EmptySlots<SlotCount>()) {
  SetStyle(es4Ecks);
}

TContentView::TUnitSlots TContentView::UnitSlots() const {
  TUnitSlots units{};
  std::copy_n(slots_.begin(), UnitSlotCount, units.begin());
  return units;
}

void TContentView::SetupGrid() {
  SetGridSize({VehContent ? 2 : 4, RowCount});
}

void TContentView::Changed(bool redraw) {
  if (redraw)
    RedrawAll();
  if (OnChange)
    OnChange(this);
}

void TContentView::LoadSlots(const TSlots& values, bool redraw) {
  slots_ = values;
  Changed(redraw);
}

void TContentView::LoadUnitSlots(const TUnitSlots& units, bool redraw) {
  slots_ = EmptySlots<SlotCount>();
  std::copy(units.begin(), units.end(), slots_.begin());
  Changed(redraw);
}

void TContentView::Clear(bool redraw) {
  slots_ = EmptySlots<SlotCount>();
  Changed(redraw);
}

bool TContentView::SetSlot(TPoint cell, int16_t value) {
  if (!IsInGrid(cell))
    return false;
  int16_t& slot = slots_[static_cast<size_t>(SlotOf(cell))];
  if (slot == value)
    return false;
  slot = value;
  RedrawCell(cell);
  if (OnChange)
    OnChange(this);
  return true;
}

bool TContentView::IsEmpty() const {
  const int used = VehContent ? UnitSlotCount : SlotCount;
  for (int i = 0; i < used; ++i)
    if (slots_[static_cast<size_t>(i)] != -1)
      return false;
  return true;
}

void TContentView::GetCellPicture(TPoint cell, THexPicture& picture) const {
  const int slot = SlotOf(cell);
  const int16_t unit = IsInGrid(cell) && slot < SlotCount ? slots_[static_cast<size_t>(slot)] : int16_t{-1};
  picture = LibraryPicture(Sets(), plUnits, unit);
}

// --- TProduceView ----------------------------------------------------------------

TProduceView::TProduceView(const TPictureSets& sets, QWidget* parent)
    : TEckView(sets, parent), slots_(EmptySlots<SlotCount>()) {
  SetStyle(es4Ecks);
}

void TProduceView::SetupGrid() {
  SetGridSize({SlotCount, 1});
}

void TProduceView::Changed(bool redraw) {
  if (redraw)
    RedrawAll();
  if (OnChange)
    OnChange(this);
}

void TProduceView::LoadSlots(const TSlots& values, bool redraw) {
  slots_ = values;
  Changed(redraw);
}

void TProduceView::Clear(bool redraw) {
  slots_ = EmptySlots<SlotCount>();
  Changed(redraw);
}

bool TProduceView::SetSlot(TPoint cell, int16_t value) {
  if (!IsInGrid(cell))
    return false;
  int16_t& slot = slots_[static_cast<size_t>(cell.x)];
  if (slot == value)
    return false;
  slot = value;
  RedrawCell(cell);
  if (OnChange)
    OnChange(this);
  return true;
}

void TProduceView::GetCellPicture(TPoint cell, THexPicture& picture) const {
  const int16_t unit = IsInGrid(cell) ? slots_[static_cast<size_t>(cell.x)] : int16_t{-1};
  picture = LibraryPicture(Sets(), plUnits, unit);
}

} // namespace vh
