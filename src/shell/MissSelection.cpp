// Selecting cells of a mission window's map, and cutting, copying, deleting
// and pasting blocks of them. The frame moves blocks through the clipboard;
// this window knows what is selected and where a block goes.
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QScrollArea>

#include "shell/MDIMissForm.h"
#include "views/PaletteApi.h"

namespace vh {

bool TMDIMiss::SelectionEvent(QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
    return false;
  const auto* e = static_cast<QMouseEvent*>(event);
  const TPoint pixel = missView_->WidgetToBitmap(e->position().toPoint());
  switch (type) {
  case QEvent::MouseButtonPress: {
    // A left press with the right button held picks, as always.
    if (e->button() != Qt::LeftButton || (e->buttons() & Qt::RightButton))
      return false;
    if (paste_) {
      TPoint cell = pixel;
      if (missView_->PointToCell(cell))
        PlacePaste(cell);
      else
        QApplication::beep();
      return true;
    }
    if (e->modifiers() & Qt::ShiftModifier) {
      CancelLine();
      selectDrag_ = TSelectDrag{pixel, (e->modifiers() & Qt::ControlModifier) ? selection_ : TCellSet{}};
      missView_->ClearOverlay();
      DragSelection(pixel);
      selectScroll_.start();
      return true;
    }
    if (e->modifiers() == Qt::NoModifier && !selection_.Empty()) {
      // The click only drops the selection: it paints nothing.
      SetSelection({});
      return true;
    }
    return false;
  }
  case QEvent::MouseMove:
    if (selectDrag_)
      DragSelection(pixel);
    return false;  // the status bar still follows the pointer
  default:
    if (!selectDrag_ || e->button() != Qt::LeftButton)
      return false;
    DragSelection(pixel);
    selectDrag_.reset();
    selectScroll_.stop();
    ShowPointer(pointerCell_);
    return true;
  }
}

void TMDIMiss::DragSelection(TPoint pixel) {
  TCellSet cells = selectDrag_->Before;
  cells.Add(CellsInRect(THexGeometry{missView_->Style(), missView_->HexSpace()}, selectDrag_->From, pixel,
                        missView_->GridSize()));
  SetSelection(cells);
}

void TMDIMiss::SelectScrollTick() {
  if (!selectDrag_) {
    selectScroll_.stop();
    return;
  }
  // The window system reports no move while the map scrolls under a
  // pointer that stands still: the rectangle follows the pointer here.
  const QPoint screen = QCursor::pos();
  if (scroll_->viewport()->rect().contains(scroll_->viewport()->mapFromGlobal(screen)))
    return;
  const QPoint at = missView_->mapFromGlobal(screen);
  MakePointInView(at.x(), at.y(), false);
  DragSelection(missView_->WidgetToBitmap(at));
}

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
  TBlockEdit edit;
  {
    TEditStep step(&missView_->History(), stepName);
    edit = DeleteCells(Mission(), missView_->Filter(), selection_);
  }
  if (edit.Cells.empty() && !edit.Records)
    return false;
  missView_->RedrawEdited(edit.Cells);
  MissionReplaced();
  return true;
}

bool TMDIMiss::StartPaste(TMapBlock block) {
  if (block.Empty() || ShownLayer(missView_->Filter()) == TShownLayer::None)
    return false;
  CancelLine();
  paste_ = std::move(block);
  // Under the pointer when it is over the map, else on the cursor.
  pasteAt_ = pointerCell_.value_or(missView_->CursorPos());
  ShowPaste();
  SelectionChanged();
  return true;
}

void TMDIMiss::ShowPaste() {
  if (!paste_) {
    missView_->SetPreview({}, {0, 0});
    return;
  }
  std::vector<TPoint> cells;
  TPoint origin;
  QImage image = missView_->BlockPreview(*paste_, pasteAt_, cells, origin);
  missView_->SetPreview(std::move(image), origin);
  missView_->SetOverlay(std::move(cells), false);
}

void TMDIMiss::MirrorPaste(bool horizontally) {
  if (!paste_)
    return;
  MirrorBlock(*paste_, horizontally);
  ShowPaste();
}

void TMDIMiss::RefreshPaste() {
  if (!paste_)
    return;
  if (ShownLayer(missView_->Filter()) == TShownLayer::None)
    CancelPaste();
  else
    ShowPaste();
}

void TMDIMiss::CancelPaste() {
  if (!paste_)
    return;
  paste_.reset();
  missView_->SetPreview({}, {0, 0});
  missView_->ClearOverlay();
  ShowPointer(pointerCell_);
  SelectionChanged();
}

void TMDIMiss::PlacePaste(TPoint cell) {
  if (!paste_)
    return;
  TBlockEdit edit;
  {
    TEditStep step(&missView_->History(), "Paste");
    edit = PlaceBlock(Mission(), missView_->Filter(), *paste_, cell);
  }
  CancelPaste();
  missView_->RedrawEdited(edit.Cells);
  MissionReplaced();
}

bool TMDIMiss::Escape() {
  if (DraggingLine()) {
    CancelLine();
    return true;
  }
  if (paste_) {
    CancelPaste();
    return true;
  }
  if (!selection_.Empty()) {
    SetSelection({});
    return true;
  }
  return false;
}

}  // namespace vh
