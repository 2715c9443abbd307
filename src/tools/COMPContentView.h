#pragma once

#include <array>
#include <cstdint>

#include "tools/COMPMultiSelView.h"
#include "views/EckView.h"

namespace vh {

// A grid of unit slots on a form: unit types, -1 for empty. The owning form
// turns clicks into slot writes through OnMouseAction0.
template <size_t N> class TSlotGridView : public TEckView {
public:
  static constexpr int SlotCount = static_cast<int>(N);
  using TSlots = std::array<int16_t, N>;

  TNotifyEvent OnChange;

  const TSlots& Slots() const { return slots_; }
  void LoadSlots(const TSlots& values, bool redraw) {
    slots_ = values;
    Changed(redraw);
  }
  void Clear(bool redraw) {
    slots_.fill(-1);
    Changed(redraw);
  }
  // False when the slot already holds the value; otherwise stores it,
  // redraws that cell and raises OnChange.
  bool SetSlot(TPoint cell, int16_t value) {
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
  // The slot a cell of the grid shows.
  virtual int SlotOf(TPoint cell) const = 0;

  void GetCellPicture(TPoint cell, THexPicture& picture) const override {
    const int slot = IsInGrid(cell) ? SlotOf(cell) : -1;
    const int16_t unit = slot >= 0 && slot < SlotCount ? slots_[static_cast<size_t>(slot)] : int16_t{-1};
    picture = LibraryPicture(Sets(), plUnits, unit);
  }

protected:
  explicit TSlotGridView(const TPictureSets& sets, QWidget* parent) : TEckView(sets, parent) {
    slots_.fill(-1);
    SetStyle(es4Ecks);
  }
  void Changed(bool redraw) {
    if (redraw)
      RedrawAll();
    if (OnChange)
      OnChange(this);
  }
  TSlots slots_;
};

// The units stored in a shop (4 x 4 slots) or carried by a unit (2 x 4
// slots, VehContent true), column by column: the slot of column x, row y is
// x * 4 + y.
class TContentView : public TSlotGridView<16> {
  Q_OBJECT

public:
  static constexpr int UnitSlotCount = 8;
  static constexpr int RowCount = 4;
  using TUnitSlots = std::array<int16_t, UnitSlotCount>;

  explicit TContentView(const TPictureSets& sets, QWidget* parent = nullptr) : TSlotGridView(sets, parent) {}

  bool VehContent = false;

  // Slots 0..7, a unit's cargo.
  TUnitSlots UnitSlots() const;
  int SlotOf(TPoint cell) const override { return cell.x * RowCount + cell.y; }

  // 2 x 4 cells for a unit's cargo, 4 x 4 for a shop's content.
  virtual void SetupGrid();
  // All 16 slots become -1, then the unit's 8 are copied.
  void LoadUnitSlots(const TUnitSlots& units, bool redraw);
  // Looks only at the slots in use (8 or 16).
  bool IsEmpty() const;
};

// A shop's production: 4 unit types in one row.
class TProduceView : public TSlotGridView<4> {
  Q_OBJECT

public:
  explicit TProduceView(const TPictureSets& sets, QWidget* parent = nullptr) : TSlotGridView(sets, parent) {}

  int SlotOf(TPoint cell) const override { return cell.x; }
  virtual void SetupGrid();
};

// The grid settings of a content or production grid on a form: square
// cells one pixel apart, no cursor, no cursor moves.
void ApplySlotGridSettings(TEckView& view);

}  // namespace vh
