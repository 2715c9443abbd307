#pragma once

#include <array>
#include <cstdint>

#include "views/EckView.h"

namespace vh {

// The units stored in a shop (4 x 4 slots) or carried by a unit (2 x 4
// slots, VehContent true). Slots hold unit types, -1 for empty, column by
// column: the slot of column x, row y is x * 4 + y. The owning form turns
// clicks into slot writes through OnMouseAction0.
class TContentView : public TEckView {
  Q_OBJECT

public:
  static constexpr int SlotCount = 16;
  static constexpr int UnitSlotCount = 8;
  static constexpr int RowCount = 4;
  using TSlots = std::array<int16_t, SlotCount>;
  using TUnitSlots = std::array<int16_t, UnitSlotCount>;

  explicit TContentView(const TPictureSets& sets, QWidget* parent = nullptr);

  bool VehContent = false;
  TNotifyEvent OnChange;

  const TSlots& Slots() const { return slots_; }
  // Slots 0..7, a unit's cargo.
  TUnitSlots UnitSlots() const;
  int SlotOf(TPoint cell) const { return cell.x * RowCount + cell.y; }

  // 2 x 4 cells for a unit's cargo, 4 x 4 for a shop's content.
  virtual void SetupGrid();
  void LoadSlots(const TSlots& values, bool redraw);
  // All 16 slots become -1, then the unit's 8 are copied.
  void LoadUnitSlots(const TUnitSlots& units, bool redraw);
  void Clear(bool redraw);
  // False when the slot already holds the value; otherwise stores it,
  // redraws that cell and raises OnChange.
  bool SetSlot(TPoint cell, int16_t value);
  // Looks only at the slots in use (8 or 16).
  bool IsEmpty() const;

  void GetCellPicture(TPoint cell, THexPicture& picture) const override;

private:
  void Changed(bool redraw);
  TSlots slots_;
};

// A shop's production: 4 unit types in one row, -1 for empty.
class TProduceView : public TEckView {
  Q_OBJECT

public:
  static constexpr int SlotCount = 4;
  using TSlots = std::array<int16_t, SlotCount>;

  explicit TProduceView(const TPictureSets& sets, QWidget* parent = nullptr);

  TNotifyEvent OnChange;

  const TSlots& Slots() const { return slots_; }
  virtual void SetupGrid();
  void LoadSlots(const TSlots& values, bool redraw);
  void Clear(bool redraw);
  // Slot cell.x; the same rule as TContentView::SetSlot.
  bool SetSlot(TPoint cell, int16_t value);

  void GetCellPicture(TPoint cell, THexPicture& picture) const override;

private:
  void Changed(bool redraw);
  TSlots slots_;
};

// The grid settings of a content or production grid on a form: square
// cells one pixel apart, no cursor, no cursor moves.
void ApplySlotGridSettings(TEckView& view);

} // namespace vh
