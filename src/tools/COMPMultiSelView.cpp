#include "tools/COMPMultiSelView.h"

#include <QHelpEvent>
#include <QToolTip>

namespace vh {

namespace {

// Quiet colours: a page of a few pictures has many empty cells.
const QColor EraserInk(90, 90, 90);
const QColor EraserSleeve(150, 150, 160);
const QColor EraserRubber(170, 110, 110);

}  // namespace

const THexPicture& LibraryPicture(const TPictureSets& sets, TPictureLibrary library, int number) {
  if (number == -1)
    return sets.BackgroundHex;
  switch (library) {
  case plParts:
    return sets.Part(number);
  case plUnits:
    return sets.Unit(number);
  case plNone:
    break;
  }
  return sets.BackgroundHex;
}

TMultiSelView::TMultiSelView(const TPictureSets& sets, QWidget* parent) : TEckView(sets, parent) {
  ActionListMove = {maRightDown, maRightMove, maLeftRightMove};
}

void TMultiSelView::SetupGrid() {
  SetGridSize({SelCols, SelRows});
}

void TMultiSelView::SetPage(const TSelectionPage& page) {
  page_ = page;
  multi_.Drop();
  RedrawAll();
}

int16_t TMultiSelView::CurrentValue() const {
  const TPoint c = CursorPos();
  return InSelGrid(c) ? page_.At(c) : int16_t{-1};
}

void TMultiSelView::GetCellPicture(TPoint cell, THexPicture& picture) const {
  const int16_t entry = InSelGrid(cell) ? page_.At(cell) : int16_t{-1};
  picture = LibraryPicture(Sets(), library_, entry);
  if (entry == -1 && EraserOnEmpty)
    DrawEraserSign(picture, PaletteIndexOf(EraserInk), PaletteIndexOf(EraserSleeve),
                   PaletteIndexOf(EraserRubber));
  if (multi_.Selected(cell))
    OverlayPicture(picture, Sets().EdgeCombos[multi_.Border(cell)], 0);
}

bool TMultiSelView::MoveCursor(TPoint cell) {
  if (!TEckView::MoveCursor(cell))
    return false;
  if (FollowCursor(multi_, CursorPos()) == TCursorFollow::Dropped)
    RedrawAll();
  return true;
}

bool TMultiSelView::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip || !CellToolTip)
    return TEckView::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  TPoint cell = WidgetToBitmap(help->pos());
  QString text;
  if (PointToCell(cell))
    text = CellToolTip(cell, page_.At(cell));
  if (text.isEmpty())
    return TEckView::event(event);
  const TPoint o = CellToPoint(cell);
  const QRect area(BitmapToWidget(o), QSize(HexSize, HexSize));
  QToolTip::showText(help->globalPos(), text, this, area);
  return true;
}

void TMultiSelView::DoMouseAction(TMouseActionItem action, Qt::MouseButton button, TPoint cell,
                                  TShiftState shift) {
  if (action != maSpecial || !AllowMultiSel) {
    TEckView::DoMouseAction(action, button, cell, shift);
    return;
  }
  SelectConnected(page_, cell, multi_);
  RedrawAll();
}

}  // namespace vh

namespace vh {

void SetupUnitSelector(TMultiSelView& selector) {
  selector.SetLibrary(plUnits);
  selector.SetupGrid();
  selector.SetPage(UnitSelectionPage());
}

}  // namespace vh
