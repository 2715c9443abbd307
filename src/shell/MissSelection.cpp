// Selecting cells of a mission window's map, and cutting, copying, deleting
// and pasting blocks of them. The frame moves blocks through the clipboard;
// this window knows what is selected and where a block goes.
#include "shell/MDIMissForm.h"

namespace vh {

void TMDIMiss::SetSelection(const TCellSet& cells) {
  selection_ = cells;
  selection_.KeepInside(missView_->GridSize());
  missView_->SetHighlight(selection_);
  SelectionChanged();
}

void TMDIMiss::SelectionChanged() {
  if (frame_)
    frame_->MissSelectionChanged(this);
}

void TMDIMiss::SelectAll() {
  CancelLine();
  SetSelection(AllCells(missView_->GridSize()));
}

TMapBlock TMDIMiss::CopySelection() const {
  return CopyBlock(missView_->Mission(), missView_->Filter(), selection_);
}

QImage TMDIMiss::SelectionImage() const {
  if (selection_.Empty())
    return {};
  TPoint origin;
  return missView_->CellsImage(missView_->Mission(), selection_.Cells(), origin);
}

bool TMDIMiss::DeleteSelection(const std::string& stepName) {
  const uint16_t filter = missView_->Filter();
  const TMissionChange change = missView_->Document().Edit(missView_->StepName(stepName), [&](TMission& m) {
    const TBlockEdit edit = DeleteCells(m, filter, selection_);
    TMissionChange c;
    c.Cells = edit.Cells;
    // Roads, rails and rivers around lose what they joined.
    c.JoinCells = edit.Cells;
    c.Records = edit.Records;
    if (FilterShows(filter, mfTerrain))
      missView_->FollowCoasts(m, c);
    return c;
  });
  return !change.Cells.empty() || change.Records;
}

bool TMDIMiss::StartPaste(TMapBlock block) {
  CancelLine();
  // Under the pointer when it is over the map, else on the cursor.
  if (!paste_.Start(std::move(block), pointerCell_.value_or(missView_->CursorPos())))
    return false;
  SelectionChanged();
  return true;
}

void TMDIMiss::PasteEnded() {
  SelectionChanged();
  Hover();
}

}  // namespace vh
