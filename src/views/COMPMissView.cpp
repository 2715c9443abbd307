#include "views/COMPMissView.h"

#include <algorithm>
#include <vector>

#include "base/Errors.h"
#include "hexmap/FilterRedraw.h"

namespace vh {

TMissView::TMissView(const TPictureSets& sets, QWidget* parent)
    : TEckView(sets, parent), document_(std::make_unique<TMissionDocument>()) {
  // The map is the first to hear of a change, so that whoever is told next
  // finds it drawn.
  document_->Listen([this](const TMissionChange& change) {
    ShowChange(change);
    if (change.File && OnFileNameChanged)
      OnFileNameChanged(this);
    emit MissionChanged(change);
  });
}

TMissView::~TMissView() = default;

void TMissView::GetCellPicture(TPoint cell, THexPicture& picture) const {
  vh::GetCellPicture(Sets(), Mission(), filter_, cell, picture);
}

void TMissView::SetGridSize(TPoint size) {
  if (size.x < 0 || size.y < 0 || size.x > MaxMapSize || size.y > MaxMapSize)
    throw ERangeError(
        Message(VH_TRANSLATE_NOOP("Error", "Map size %1 x %2 is outside 0..64"), size.x, size.y));
  if (Mission().Width == size.x && Mission().Height == size.y) {
    TEckView::SetGridSize(size);
    return;
  }
  document_->Edit(QT_TRANSLATE_NOOP("History", "Map Size"), [size](TMission& m) {
    m.Width = size.x;
    m.Height = size.y;
    m.NoteChange();
    TMissionChange change;
    change.Size = true;
    return change;
  });
}

// --- Files ---------------------------------------------------------------------

void TMissView::OpenMission(const std::string& fileName, bool defaultNames) {
  // Read into a mission of its own first: a file that fails half-way leaves
  // the view's mission as it was instead of half-read, and nothing that holds
  // the view's mission loses it.
  auto loaded = std::make_unique<TMission>();
  loaded->LoadFromFile(fileName, defaultNames);
  // Opened with default shop names: the names file on disk is still missing.
  document_->Replace(std::move(*loaded), defaultNames);
}

void TMissView::StartNewMission(TPoint size) {
  auto fresh = std::make_unique<TMission>();
  fresh->SetSize(size);
  document_->Replace(std::move(*fresh));
}

void TMissView::SaveMission() {
  document_->Save();
}

void TMissView::SaveMissionAs(const std::string& fileName) {
  document_->SaveAs(fileName);
}

void TMissView::OpenRecoveryCopy(const std::string& copyFile, const std::string& originalFile,
                                 const std::string& originalNamesFile) {
  auto loaded = std::make_unique<TMission>();
  loaded->LoadFromFile(copyFile);
  loaded->FileName = originalFile;
  loaded->NamesFileName = originalNamesFile;
  // What is on disk under the original name is not this state.
  document_->Replace(std::move(*loaded), true);
}

// --- Filters -------------------------------------------------------------------

void TMissView::SetFilter(int index, bool on) {
  if (index < 0 || index >= MissFilterBitCount)
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "Filter bit %1 is not one of 0..8"), index));
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
      if (CellDependsOnFilterBit(Mission(), filter_, index, {x, y})) {
        DrawCell({x, y});
        ++drawn;
      }
    gauge.Step(1);
  }
  return drawn;
}

void TMissView::ShowDFLayer(int nr) {
  if (nr < 0 || nr >= DFLayerCount)
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "Change layer %1 out of range 0..31"), nr));
  if (document_->ShowLayer(static_cast<uint8_t>(nr)) && OnShownChanged)
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
  const uint16_t filter = filter_;
  document_->Edit(StepName(QT_TRANSLATE_NOOP("History", "Clear with Filter")), [filter](TMission& m) {
    m.Clear(filter);
    return TMissionChange::OfWhole();
  });
}

// --- Cursor cell and records ----------------------------------------------------

TMissionCell TMissView::CursorCell() const {
  return Mission().Cell(CursorPos());
}

TDFCell TMissView::CursorDFCell() const {
  const TPoint p = CursorPos();
  Mission().Cell(p);  // the same range check for both grids
  return Mission().DFCells[static_cast<size_t>(p.y)][static_cast<size_t>(p.x)];
}

bool TMissView::GotoShop(int16_t index) {
  TPoint cell;
  return Mission().FindShop(index, cell) && GotoCell(cell);
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

}  // namespace vh
