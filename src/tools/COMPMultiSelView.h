#pragma once

#include <cstdint>
#include <functional>

#include "tools/SelectionPages.h"
#include "views/EckView.h"

namespace vh {

// Which pictures of the sets a selector or unit grid draws from.
enum TPictureLibrary : int { plNone, plParts, plUnits };

// The picture of `number` in `library`; BackgroundHex for -1 or no library.
// Numbers beyond the sets show the sets' missing picture.
const THexPicture& LibraryPicture(const TPictureSets& sets, TPictureLibrary library, int number);

// A palette selector: a page of 12 x 6 pictures whose cursor marks the one
// chosen. With AllowMultiSel a left press while the right button is held
// chooses the whole connected region around the pressed cell, outlined along
// its border; the cursor then carries the anchor as long as it stays inside
// the region.
class TMultiSelView : public TEckView {
  Q_OBJECT

public:
  // The palettes move the cursor with the right button, also while the left
  // one is held.
  explicit TMultiSelView(const TPictureSets& sets, QWidget* parent = nullptr);

  bool AllowMultiSel = false;
  // Empty cells show the eraser sign: their value erases what is painted.
  bool EraserOnEmpty = false;
  // The tooltip of a cell with its page entry; without it, or for an empty
  // text, the control's own tooltip shows.
  std::function<QString(TPoint cell, int16_t entry)> CellToolTip;

  // Copies the page in, drops the multi-selection and redraws.
  void SetPage(const TSelectionPage& page);
  const TSelectionPage& Page() const { return page_; }
  void SetLibrary(TPictureLibrary library) { library_ = library; }
  TPictureLibrary Library() const { return library_; }
  // The page entry under the cursor; -1 on an empty cell.
  int16_t CurrentValue() const;

  bool MultiSelActive() const { return multi_.Active; }
  const TMultiSelState& MultiSel() const { return multi_; }

  // The selector's grid, 12 columns by 6 rows; called after SetLibrary.
  virtual void SetupGrid();

  void GetCellPicture(TPoint cell, THexPicture& picture) const override;
  bool MoveCursor(TPoint cell) override;
  void DoMouseAction(TMouseActionItem action, Qt::MouseButton button, TPoint cell,
                     TShiftState shift) override;

protected:
  bool event(QEvent* event) override;

private:
  TSelectionPage page_;
  TPictureLibrary library_ = plNone;
  TMultiSelState multi_;
};

}  // namespace vh

namespace vh {

// Fills a selector with the unit page, drawn from the unit pictures.
void SetupUnitSelector(TMultiSelView& selector);

}  // namespace vh
