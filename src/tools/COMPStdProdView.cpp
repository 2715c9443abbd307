#include "tools/COMPStdProdView.h"

#include "tools/SelectionPages.h"

namespace vh {

TStdProdView::TStdProdView(const TPictureSets& sets, QWidget* parent) : TEckView(sets, parent) {
  ActionList0 = {maLeftDown, maRightDown};
  OnMouseAction0 = [this](TEckView*, TMouseActionItem action, Qt::MouseButton, TShiftState, int32_t x,
                          int32_t y) {
    MouseAction0(action, {x, y});
  };
  // Nothing here is chosen, so a cursor would only mislead.
  ActionListMove = {};
  SetHasCursor(false);
}

void TStdProdView::SetupGrid() {
  SetGridSize({SelCols, SelRows});
}

void TStdProdView::LoadWords(const std::array<int16_t, UnitTypeCount>& words) {
  Words = words;
  RedrawAll();
}

void TStdProdView::MouseAction0(TMouseActionItem action, TPoint cell) {
  if (action != maLeftDown && action != maRightDown)
    return;
  if (ToggleStdProd(Words, cell, action == maLeftDown))
    RedrawCell(cell);
}

void TStdProdView::GetCellPicture(TPoint cell, THexPicture& picture) const {
  picture = Sets().BackgroundHex;
  const int t = cell.y * SelCols + cell.x;
  if (!InSelGrid(cell) || t >= UnitTypeCount)
    return;
  const int16_t w = Words[static_cast<size_t>(t)];
  if (w & 1)
    OverlayPicture(picture, Sets().ProductionMarks(0), 0);
  if (w & 2)
    OverlayPicture(picture, Sets().ProductionMarks(1), 0);
  if (library_ != plNone) {
    OverlayPicture(picture, LibraryPicture(Sets(), library_, t), 0);
    RecolourForOwner(picture, NeutralSide);
  }
}

}  // namespace vh
