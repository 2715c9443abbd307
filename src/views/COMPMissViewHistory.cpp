// Undo and redo in the map of a TMissView: the history restores the mission,
// the view redraws only what came back.

#include "views/COMPMissView.h"

namespace vh {

TStepEffect TMissView::Undo() {
  TStepEffect effect = history_->Undo();
  ShowStepEffect(effect);
  return effect;
}

TStepEffect TMissView::Redo() {
  TStepEffect effect = history_->Redo();
  ShowStepEffect(effect);
  return effect;
}

TStepEffect TMissView::GoToStep(size_t position) {
  TStepEffect effect = history_->GoTo(position);
  ShowStepEffect(effect);
  return effect;
}

void TMissView::ShowStepEffect(const TStepEffect& effect) {
  const TMission& m = *mission_;
  if (effect.SizeChanged || effect.Settings) {
    // Player colours and the map's extent reach every cell.
    SetGridSize({m.Width, m.Height});
    RedrawAll();
    update();
    return;
  }
  auto cellOf = [](uint16_t k) { return TPoint{k % MaxMapSize, k / MaxMapSize}; };
  for (uint16_t k : effect.Cells)
    if (IsInGrid(cellOf(k)))
      RedrawCell(cellOf(k));
  for (uint16_t k : effect.ObjectCells)
    if (IsInGrid(cellOf(k)))
      RedrawNeighbours(cellOf(k));
  if (effect.Records) {
    // A shop is drawn in its owner's colours, and its record may have
    // changed without its cell.
    for (int32_t y = 0; y < Rows(); ++y)
      for (int32_t x = 0; x < Cols(); ++x)
        if (m.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)].Shop != -1)
          RedrawCell({x, y});
  }
}

}  // namespace vh
