#include "views/COMPMissView.h"

#include <algorithm>
#include <vector>

#include "base/Errors.h"
#include "hexmap/FilterRedraw.h"

namespace vh {

TMissView::TMissView(const TPictureSets& sets, QWidget* parent)
    : TEckView(sets, parent), mission_(std::make_unique<TMission>()),
      history_(std::make_unique<TMissionHistory>(*mission_)) {}

TMissView::~TMissView() = default;

void TMissView::GetCellPicture(TPoint cell, THexPicture& picture) const {
  vh::GetCellPicture(Sets(), *mission_, filter_, cell, picture);
}

void TMissView::SetGridSize(TPoint size) {
  if (size.x < 0 || size.y < 0 || size.x > MaxMapSize || size.y > MaxMapSize)
    throw ERangeError("Map size " + std::to_string(size.x) + " x " + std::to_string(size.y) +
                      " is outside 0..64");
  TEckView::SetGridSize(size);
  if (mission_->Width != size.x || mission_->Height != size.y) {
    mission_->Width = size.x;
    mission_->Height = size.y;
    mission_->NoteChange();
  }
}

// --- Files ---------------------------------------------------------------------

void TMissView::OpenMission(const std::string& fileName, bool defaultNames) {
  // Read into a mission of its own first: a file that fails half-way leaves
  // the view's mission as it was instead of half-read, and nothing that holds
  // the view's mission loses it.
  auto loaded = std::make_unique<TMission>();
  loaded->LoadFromFile(fileName, defaultNames);
  *mission_ = std::move(*loaded);
  history_->Reset();
  // Opened with default shop names: the names file on disk is still missing.
  if (defaultNames)
    history_->MarkUnsaved();
  DoFileNameChanged();
  SetGridSize({mission_->Width, mission_->Height});
  RedrawAll();
}

void TMissView::StartNewMission(TPoint size) {
  mission_->SetSize(size);
  history_->Reset();
  DoFileNameChanged();
  SetGridSize(size);
  RedrawAll();
}

void TMissView::SaveMission() {
  history_->End();
  mission_->SaveToFile();
  MarkSaved();
}

void TMissView::SaveMissionAs(const std::string& fileName) {
  history_->End();
  mission_->SaveAs(fileName);
  MarkSaved();
  DoFileNameChanged();
}

void TMissView::OpenRecoveryCopy(const std::string& copyFile, const std::string& originalFile,
                                 const std::string& originalNamesFile) {
  OpenMission(copyFile);
  mission_->FileName = originalFile;
  mission_->NamesFileName = originalNamesFile;
  // What is on disk under the original name is not this state.
  history_->MarkUnsaved();
  DoFileNameChanged();
}

void TMissView::DoFileNameChanged() {
  if (OnFileNameChanged)
    OnFileNameChanged(this);
}

// --- Filters -------------------------------------------------------------------

void TMissView::SetFilter(int index, bool on) {
  if (index < 0 || index >= MissFilterBitCount)
    throw ERangeError("Filter bit " + std::to_string(index) + " is not one of 0..8");
  const uint16_t filter = on ? static_cast<uint16_t>(filter_ | FilterBit(index))
                             : static_cast<uint16_t>(filter_ & ~FilterBit(index));
  if (filter == filter_)
    return;
  filter_ = filter;
  if (FilterSwitchNeedsRedraw(filter_, index)) {
    RedrawForFilter(index);
    repaint();
  }
  if (OnShownChanged)
    OnShownChanged(this);
}

int TMissView::RedrawForFilter(int index) {
  int drawn = 0;
  TGauge gauge(*this, Rows());
  for (int32_t y = 0; y < Rows(); ++y) {
    for (int32_t x = 0; x < Cols(); ++x)
      if (CellDependsOnFilterBit(*mission_, filter_, index, {x, y})) {
        DrawCell({x, y});
        ++drawn;
      }
    gauge.Step(1);
  }
  return drawn;
}

void TMissView::ShowDFLayer(int nr) {
  if (nr < 0 || nr >= DFLayerCount)
    throw ERangeError("Change layer " + std::to_string(nr) + " out of range 0..31");
  const bool shown = FilterOn(mfDFLayer);
  const int32_t cols = Cols(), rows = Rows();
  std::vector<bool> marked(static_cast<size_t>(cols) * static_cast<size_t>(rows), false);
  auto markChanges = [&](int32_t width, int32_t height) {
    for (int32_t y = 0; y < height; ++y)
      for (int32_t x = 0; x < width; ++x)
        if (mission_->DFCells[static_cast<size_t>(y)][static_cast<size_t>(x)].IsChange())
          marked[static_cast<size_t>(y * cols + x)] = true;
  };
  if (shown)
    markChanges(cols, rows);
  const bool changed = mission_->SelectDFLayer(static_cast<uint8_t>(nr));
  if (changed && shown) {
    markChanges(std::min(cols, mission_->Width), std::min(rows, mission_->Height));
    RedrawMarked(marked);
    repaint();
  }
  if (changed && OnShownChanged)
    OnShownChanged(this);
}

void TMissView::RedrawMarked(const std::vector<bool>& marked) {
  TGauge gauge(*this, Rows());
  for (int32_t y = 0; y < Rows(); ++y) {
    for (int32_t x = 0; x < Cols(); ++x)
      if (marked[static_cast<size_t>(y * Cols() + x)])
        DrawCell({x, y});
    gauge.Step(1);
  }
}

void TMissView::ClearFiltered() {
  mission_->Clear(filter_);
  RedrawAll();
}

// --- Cursor cell and records ----------------------------------------------------

TMissionCell TMissView::CursorCell() const {
  return mission_->Cell(CursorPos());
}

TDFCell TMissView::CursorDFCell() const {
  const TPoint p = CursorPos();
  mission_->Cell(p);  // the same range check for both grids
  return mission_->DFCells[static_cast<size_t>(p.y)][static_cast<size_t>(p.x)];
}

bool TMissView::GotoShop(int16_t index) {
  TPoint cell;
  return mission_->FindShop(index, cell) && GotoCell(cell);
}

bool TMissView::GotoCell(TPoint cell) {
  if (!IsInGrid(cell))
    return false;
  MoveCursor(cell);
  const TPoint origin = CellToPoint(cell);
  const QPoint centre = BitmapToWidget({origin.x + HexSize / 2, origin.y + HexSize / 2});
  DoMakePointInView(centre.x(), centre.y(), true);
  return true;
}

// --- Window settings ------------------------------------------------------------

void ApplyMissionWindowSettings(TMissView& view) {
  view.ActionListMove = {maLeftDown, maRightDown, maLeftMove, maRightMove};
  view.ActionList0 = {maLeftDown, maLeftMove};
  view.ActionList1 = {maSpecial};
  view.DrawGauge = true;
  view.SetHasCursor(true);
  view.SetStyle(es6Ecks);
  view.SetHexSpace(0);
  view.Background = QColor(16, 80, 32);
  view.DisBackground = QColor(8, 48, 16);
  view.setFocusPolicy(Qt::StrongFocus);
}

} // namespace vh
