// The tools of the left button on a mission map: painting along a drag, a
// straight line, a fill, selecting cells and placing a block.
#include "shell/MapTools.h"

#include <QApplication>

#include "hexmap/HexGeometry.h"
#include "hexmap/HexLine.h"
#include "hexmap/MissionPicture.h"
#include "views/COMPMissView.h"

namespace vh {

void TMapTool::Hover(std::optional<TPoint> cell) {
  TMissView& view = host_.View();
  if (!cell) {
    view.ClearOverlay();
    return;
  }
  view.SetOverlay(BrushCells(*cell, host_.Tool().BrushRadius, view.GridSize()), false);
}

std::vector<uint16_t> StrokeValues(TToolHost& host, const TStrokePaint& paint, size_t count) {
  std::vector<uint16_t> values(count, paint.Value);
  if (!host.Tool().Random || !paint.Groups || paint.Page > pkObject || paint.Value == 0xFFFF)
    return values;
  const auto picture = static_cast<int16_t>(paint.Value);
  const TDrawBelow draw = [&host](int32_t n) { return host.DrawBelow(n); };
  // The group the palette shows when it holds the picture: a picture may
  // stand in more than one.
  const bool shown = paint.Groups->PlaceIn(paint.Group, picture).has_value();
  for (uint16_t& v : values)
    v = static_cast<uint16_t>(shown ? paint.Groups->RandomPicture(paint.Group, draw)
                                    : paint.Groups->RandomPictureLike(picture, draw));
  return values;
}

// --- Paint ---------------------------------------------------------------------

void TBrushTool::Press(const TToolPointer& pointer) {
  stroke_ = false;
  if (!pointer.Cell || !host_.ReadPalette(paint_))
    return;
  TMissView& view = host_.View();
  view.Document().BeginStroke(view.StepName(PaintStepName(TToolMode::Paint, paint_.Page, paint_.Multi)));
  stroke_ = true;
  capture_ = view.CaptureCount();
  PaintFrom(*pointer.Cell, true);
}

void TBrushTool::Move(const TToolPointer& pointer) {
  if (!pointer.Cell)
    return;
  TMissView& view = host_.View();
  const TPoint cell = *pointer.Cell;
  if (!stroke_ || capture_ != view.CaptureCount()) {
    // The press fell beside the cells: the stroke begins here, with no
    // cell to go on from.
    if (!host_.ReadPalette(paint_))
      return;
    view.Document().BeginStroke(view.StepName(PaintStepName(TToolMode::Paint, paint_.Page, paint_.Multi)));
    stroke_ = true;
    capture_ = view.CaptureCount();
    PaintFrom(cell, false);
    return;
  }
  // Move events arrive only now and then during a quick drag: the cells
  // the mouse crossed in between are painted too, so that a road or a river
  // drawn in one go has no gaps.
  std::vector<TPoint> line = HexLine(*last_, cell);
  line.erase(line.begin());
  if (paint_.Multi) {
    for (TPoint p : line)
      if (view.IsInGrid(p))
        view.PasteGroup(false, p, paint_.Selection, paint_.Page);
  } else {
    const std::vector<TPoint> cells = BrushPathCells(line, host_.Tool().BrushRadius, view.GridSize());
    view.PaintCells(cells, false, StrokeValues(host_, paint_, cells.size()), paint_.Page);
  }
  last_ = cell;
}

void TBrushTool::PaintFrom(TPoint cell, bool first) {
  TMissView& view = host_.View();
  if (paint_.Multi)
    view.PasteGroup(first, cell, paint_.Selection, paint_.Page);
  else {
    const std::vector<TPoint> cells = BrushCells(cell, host_.Tool().BrushRadius, view.GridSize());
    view.PaintCells(cells, first, StrokeValues(host_, paint_, cells.size()), paint_.Page);
  }
  last_ = cell;
}

void TBrushTool::Release() {
  if (!stroke_)
    return;
  stroke_ = false;
  last_.reset();
  host_.View().Document().EndStroke();
}

// --- Line ----------------------------------------------------------------------

std::vector<TPoint> TLineTool::Cells() const {
  return BrushPathCells(HexLine(*start_, end_), host_.Tool().BrushRadius, host_.View().GridSize());
}

void TLineTool::Press(const TToolPointer& pointer) {
  start_.reset();
  if (!pointer.Cell || !host_.ReadPalette(paint_))
    return;
  start_ = end_ = *pointer.Cell;
  host_.View().SetOverlay(Cells(), true);
}

void TLineTool::Move(const TToolPointer& pointer) {
  if (!start_ || !pointer.Cell)
    return;
  end_ = *pointer.Cell;
  host_.View().SetOverlay(Cells(), true);
}

void TLineTool::Release() {
  if (!start_)
    return;
  const std::vector<TPoint> cells = Cells();
  start_.reset();
  TMissView& view = host_.View();
  view.ClearOverlay();
  view.Document().BeginStroke(view.StepName(PaintStepName(TToolMode::Line, paint_.Page)));
  view.PaintCells(cells, true, StrokeValues(host_, paint_, cells.size()), paint_.Page);
  view.Document().EndStroke();
}

void TLineTool::Hover(std::optional<TPoint> cell) {
  // The line's preview stays until the release.
  if (!start_)
    TMapTool::Hover(cell);
}

bool TLineTool::Cancel() {
  if (!start_)
    return false;
  start_.reset();
  host_.View().ClearOverlay();
  return true;
}

// --- Fill ----------------------------------------------------------------------

void TFillTool::Press(const TToolPointer& pointer) {
  TStrokePaint paint;
  if (!pointer.Cell || !host_.ReadPalette(paint))
    return;
  TMissView& view = host_.View();
  const std::vector<TPoint> cells =
      host_.Tool().MatchGroup && paint.Groups
          ? FillRegionOfGroup(view.Mission(), view.Filter(), *pointer.Cell, paint.Page, view.GridSize(),
                              *paint.Groups)
          : FillRegionOf(view.Mission(), view.Filter(), *pointer.Cell, paint.Page, view.GridSize());
  view.Document().BeginStroke(view.StepName(PaintStepName(TToolMode::Fill, paint.Page)));
  view.PaintCells(cells, true, StrokeValues(host_, paint, cells.size()), paint.Page);
  view.Document().EndStroke();
}

void TFillTool::Hover(std::optional<TPoint> cell) {
  TMissView& view = host_.View();
  if (cell)
    view.SetOverlay({*cell}, false);
  else
    view.ClearOverlay();
}

// --- Select --------------------------------------------------------------------

void TSelectTool::Press(const TToolPointer& pointer) {
  from_ = pointer.Pixel;
  before_ = (pointer.Keys & Qt::ControlModifier) ? host_.Selection() : TCellSet{};
  host_.View().ClearOverlay();
  Move(pointer);
}

void TSelectTool::Move(const TToolPointer& pointer) {
  const TMissView& view = host_.View();
  TCellSet cells = before_;
  cells.Add(CellsInRect(THexGeometry{view.Style(), view.HexSpace()}, from_, pointer.Pixel, view.GridSize()));
  host_.SetSelection(cells);
}

void TSelectTool::Release() {
  before_ = {};
}

bool TSelectTool::Cancel() {
  if (host_.Selection().Empty())
    return false;
  host_.SetSelection({});
  return true;
}

// --- Paste ---------------------------------------------------------------------

bool TPasteTool::Start(TMapBlock block, TPoint at) {
  if (block.Empty() || ShownLayer(host_.View().Filter()) == TShownLayer::None)
    return false;
  block_ = std::move(block);
  at_ = at;
  Show();
  return true;
}

void TPasteTool::Show() {
  TMissView& view = host_.View();
  std::vector<TPoint> cells;
  TPoint origin;
  QImage image = view.BlockPreview(*block_, at_, cells, origin);
  view.SetPreview(std::move(image), origin);
  view.SetOverlay(std::move(cells), false);
}

void TPasteTool::Mirror(bool horizontally) {
  if (!block_)
    return;
  MirrorBlock(*block_, horizontally);
  Show();
}

void TPasteTool::Press(const TToolPointer& pointer) {
  if (!block_)
    return;
  if (!pointer.Cell) {
    QApplication::beep();
    return;
  }
  TMissView& view = host_.View();
  const TMapBlock block = std::move(*block_);
  Cancel();
  view.Document().Edit(view.StepName(QT_TRANSLATE_NOOP("History", "Paste")), [&](TMission& m) {
    const TBlockEdit edit = PlaceBlock(m, view.Filter(), block, *pointer.Cell);
    TMissionChange change;
    change.Cells = edit.Cells;
    // Roads, rails and rivers join their new neighbours.
    change.JoinCells = edit.Cells;
    change.Records = edit.Records;
    if (block.Kinds & bkTerrain)
      view.FollowCoasts(m, change);
    return change;
  });
}

void TPasteTool::Move(const TToolPointer&) {}

void TPasteTool::Hover(std::optional<TPoint> cell) {
  // The block stays where the pointer left the map.
  if (block_ && cell && *cell != at_) {
    at_ = *cell;
    Show();
  }
}

bool TPasteTool::Cancel() {
  if (!block_)
    return false;
  block_.reset();
  TMissView& view = host_.View();
  view.SetPreview({}, {0, 0});
  view.ClearOverlay();
  host_.PasteEnded();
  return true;
}

void TPasteTool::Refresh() {
  if (!block_)
    return;
  if (ShownLayer(host_.View().Filter()) == TShownLayer::None)
    Cancel();
  else
    Show();
}

}  // namespace vh
