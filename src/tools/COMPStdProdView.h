#pragma once

#include <array>
#include <cstdint>

#include "mission/Mission.h"
#include "tools/COMPMultiSelView.h"
#include "views/EckView.h"

namespace vh {

// The two standard production marks of the 64 unit types, edited in place:
// a left click toggles bit 1 of a type's word, a right click bit 0. Unit
// type t sits in column t mod 12, row t div 12. The owner reads Words back.
class TStdProdView : public TEckView {
  Q_OBJECT

public:
  explicit TStdProdView(const TPictureSets& sets, QWidget* parent = nullptr);

  std::array<int16_t, UnitTypeCount> Words{};

  virtual void SetupGrid();
  void SetLibrary(TPictureLibrary library) { library_ = library; }
  void LoadWords(const std::array<int16_t, UnitTypeCount>& words);

  void GetCellPicture(TPoint cell, THexPicture& picture) const override;

private:
  void MouseAction0(TMouseActionItem action, TPoint cell);
  TPictureLibrary library_ = plNone;
};

}  // namespace vh
