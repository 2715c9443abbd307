#include "shell/MDIMissForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "base/Errors.h"
#include "hexmap/HexLine.h"
#include "hexmap/PaintTools.h"
#include "mission/ShopNames.h"
#include "shell/MissFrame.h"
#include "tools/Cp1252.h"
#include "tools/NamesFaultText.h"
#include "views/PaletteApi.h"

namespace vh {

TMDIMiss::TMDIMiss(TMissFrame* frame, const TPictureSets& sets, QWidget* parent)
    : QWidget(parent), frame_(frame) {
  setWindowTitle(QStringLiteral(" "));
  scroll_ = new QScrollArea(this);
  scroll_->setWidgetResizable(false);
  scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->horizontalScrollBar()->setSingleStep(16);
  scroll_->verticalScrollBar()->setSingleStep(16);
  missView_ = new TMissView(sets);
  missView_->setObjectName("MissView");
  ApplyMissionWindowSettings(*missView_);
  missView_->SetCaptionOwner(this);
  scroll_->setWidget(missView_);
  navigator_ = new TMapNavigator(scroll_, missView_, this);
  connect(navigator_, &TMapNavigator::ViewMoved, this, [this] {
    if (frame_)
      frame_->MissViewMoved(this);
  });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);

  missView_->OnMouseAction0 = [this](TEckView*, TMouseActionItem action, Qt::MouseButton button, TShiftState shift,
                                     int32_t x, int32_t y) { Paint(action, button, shift, {x, y}); };
  missView_->OnMouseAction1 = [this](TEckView*, TMouseActionItem, Qt::MouseButton, TShiftState, int32_t,
                                     int32_t) { Pick(); };
  missView_->OnCurPosChanged = [this](TEckView*) { CursorFollowUp(); };
  missView_->OnMakePointInView = [this](TEckView*, int32_t x, int32_t y, bool center) {
    MakePointInView(x, y, center);
  };
  missView_->OnFileNameChanged = [this](TEckView*) { UpdateCaption(); };
  missView_->OnShownChanged = [this](TEckView*) { RefreshPaste(); };
  // The pointer's cell goes to the status bar while the mouse is over the map.
  missView_->setMouseTracking(true);
  missView_->installEventFilter(this);
  missView_->OnStrokeEnd = [this](TEckView*) { EndStroke(); };
  missView_->History().OnChanged = [this] {
    RefreshModified();
    emit HistoryChanged();
  };

  selectScroll_.setInterval(100);
  connect(&selectScroll_, &QTimer::timeout, this, &TMDIMiss::SelectScrollTick);
  timer_.setInterval(375);
  connect(&timer_, &QTimer::timeout, missView_, &TMissView::NextCursorPhase);
  // Edits that draw nothing (shop names, settings) are seen by the next tick.
  connect(&timer_, &QTimer::timeout, this, &TMDIMiss::RefreshModified);
  if (frame_)
    frame_->MissCreated(this);
}

TMDIMiss::~TMDIMiss() {
  timer_.stop();
  if (frame_)
    frame_->MissDestroyed(this);
}

void TMDIMiss::OpenFile(const std::string& fileName, bool defaultNames) {
  missView_->OpenMission(fileName, defaultNames);
  if (frame_)
    frame_->MissActivate(this);
}

void TMDIMiss::OpenRecoveryCopy(const std::string& copyFile, const std::string& originalFile,
                                const std::string& originalNamesFile) {
  missView_->OpenRecoveryCopy(copyFile, originalFile, originalNamesFile);
  if (frame_)
    frame_->MissActivate(this);
}

void TMDIMiss::NewMission(int32_t width, int32_t height) {
  missView_->StartNewMission({width, height});
  if (frame_)
    frame_->MissActivate(this);
}

void TMDIMiss::SetActive(bool value) {
  isActive_ = value;
  if (value)
    timer_.start();
  else
    timer_.stop();
}

void TMDIMiss::ClearWithFilter() {
  {
    TEditStep step(&missView_->History(), "Clear with Filter");
    missView_->ClearFiltered();
  }
  MissionReplaced();
}

void TMDIMiss::MissionReplaced() {
  if (!frame_)
    return;
  if (isActive_ && frame_->Palette())
    frame_->Palette()->RefreshFromMission();
  frame_->MissCurPos();
  RefreshPointer();
}

void TMDIMiss::SetMissSize(int32_t width, int32_t height) {
  missView_->SetGridSize({width, height});
  SetSelection(selection_);  // the cells beyond the new size go
}

void TMDIMiss::UpdateCaption() {
  const std::string& name = Mission().FileName;
  QString shown = name.empty() ? QStringLiteral("noname") : QFileInfo(PathToQString(name)).fileName();
  setWindowTitle(shown + QStringLiteral("[*]"));
  // On the window's frame: the map below it has tooltips of its own to give.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
    sub->setToolTip(name.empty() ? QString() : PathToQString(name));
  RefreshModified();
  if (frame_)
    frame_->MissCaptionChanged(this);
}

void TMDIMiss::RefreshModified() {
  bool modified = missView_->IsModified();
  if (modified == isWindowModified())
    return;
  setWindowModified(modified);
  if (frame_)
    frame_->MissCaptionChanged(this);
}

bool TMDIMiss::eventFilter(QObject* watched, QEvent* event) {
  if (watched != missView_)
    return QWidget::eventFilter(watched, event);
  if (SelectionEvent(event))
    return true;
  switch (event->type()) {
  case QEvent::Paint:
    // Every edit of the map repaints the cells it touched.
    RefreshModified();
    break;
  case QEvent::MouseMove: {
    TPoint cell = missView_->WidgetToBitmap(static_cast<QMouseEvent*>(event)->position().toPoint());
    bool inGrid = missView_->PointToCell(cell);
    if (frame_)
      frame_->MissPointerCell(this, inGrid ? std::optional<TPoint>(cell) : std::nullopt);
    ShowPointer(inGrid ? std::optional<TPoint>(cell) : std::nullopt);
    break;
  }
  case QEvent::Leave:
    ShowPointer(std::nullopt);
    if (frame_)
      frame_->MissPointerCell(this, std::nullopt);
    break;
  case QEvent::ToolTip:
    return true;  // not the window's path over the whole map
  case QEvent::KeyPress:
    if (MoveCursorByKey(*static_cast<QKeyEvent*>(event)))
      return true;
    break;
  default:
    break;
  }
  return QWidget::eventFilter(watched, event);
}

bool TMDIMiss::MoveCursorByKey(const QKeyEvent& key) {
  if (key.modifiers() & ~Qt::KeypadModifier)
    return false;
  // Left and right stay on the row: (x - 1, y) and (x + 1, y) are
  // neighbours whichever half-cell offset the column has.
  const TPoint c = missView_->CursorPos();
  TPoint to;
  switch (key.key()) {
  case Qt::Key_Left:
    to = {c.x - 1, c.y};
    break;
  case Qt::Key_Right:
    to = {c.x + 1, c.y};
    break;
  case Qt::Key_Up:
    to = {c.x, c.y - 1};
    break;
  case Qt::Key_Down:
    to = {c.x, c.y + 1};
    break;
  default:
    return false;
  }
  // At the edge the key is used up all the same: the area would scroll.
  if (!missView_->IsInGrid(to))
    return true;
  missView_->MoveCursor(to);
  const TPoint p = missView_->CellToPoint(to);
  const QPoint from = missView_->BitmapToWidget(p), till = missView_->BitmapToWidget({p.x + HexSize, p.y + HexSize});
  MakePointInView(till.x(), till.y(), false);
  MakePointInView(from.x(), from.y(), false);
  return true;
}

void TMDIMiss::Activated() {
  if (!Mission().Blank && frame_)
    frame_->MissActivate(this);
}

void TMDIMiss::MakePointInView(int32_t x, int32_t y, bool center) {
  QScrollBar* h = scroll_->horizontalScrollBar();
  QScrollBar* v = scroll_->verticalScrollBar();
  int w = scroll_->viewport()->width(), ht = scroll_->viewport()->height();
  if (center) {
    setUpdatesEnabled(false);
    h->setValue(std::clamp(x - w / 2, 0, h->maximum()));
    v->setValue(std::clamp(y - ht / 2, 0, v->maximum()));
    setUpdatesEnabled(true);
    return;
  }
  if (x < h->value())
    h->setValue(x);
  else if (x >= h->value() + w)
    h->setValue(x - w);
  if (y < v->value())
    v->setValue(y);
  else if (y >= v->value() + ht)
    v->setValue(y - ht);
}

TPaintTool TMDIMiss::Tool() const { return frame_ ? frame_->PaintTool() : TPaintTool{}; }

bool TMDIMiss::ReadPalette(TStrokePaint& paint) const {
  if (!frame_ || !frame_->Palette())
    return false;
  TPaletteApi& palette = *frame_->Palette();
  palette.GetSelectedPicture(paint.Page, paint.Value);
  paint.Multi = palette.GetMultiSelection(paint.Selection);
  return paint.Multi || paint.Page <= 2;  // the shop page paints nothing
}

std::vector<TPoint> TMDIMiss::LineCells(TPoint to) const {
  return BrushPathCells(HexLine(*lineStart_, to), Tool().BrushRadius, missView_->GridSize());
}

void TMDIMiss::Paint(TMouseActionItem action, Qt::MouseButton button, TShiftState shift, TPoint cell) {
  if (button != Qt::LeftButton || (shift.Buttons & Qt::RightButton))
    return;
  const bool first = action == maLeftDown;
  // Ctrl + click picks, the one-hand form of the right + left chord; the
  // rest of that click paints nothing.
  if (first && (shift.Keys & Qt::ControlModifier) && !(shift.Keys & Qt::ShiftModifier)) {
    pickCapture_ = missView_->CaptureCount();
    missView_->MoveCursor(cell);
    Pick();
    return;
  }
  if (pickCapture_ == missView_->CaptureCount())
    return;
  TStrokePaint paint;
  if (!ReadPalette(paint))
    return;
  const TPaintTool tool = Tool();
  // A palette block pastes as it always did, whatever the tool.
  if (!paint.Multi && tool.Mode == TToolMode::Line) {
    if (first) {
      lineStart_ = cell;
      linePaint_ = paint;
    }
    if (!lineStart_)
      return;
    lineEnd_ = cell;
    missView_->SetOverlay(LineCells(cell), true);
    return;
  }
  if (!paint.Multi && tool.Mode == TToolMode::Fill) {
    // Only the click counts.
    if (!first)
      return;
    missView_->History().Begin(ToolStepName(tool.Mode, paint.Page));
    PaintCells(paint, FillRegionOf(Mission(), missView_->Filter(), cell, paint.Page, missView_->GridSize()), true);
    return;
  }
  // One stroke, one step: also when its press fell beside the cells.
  if (first || !missView_->History().InStep())
    missView_->History().Begin(StrokeStepName(paint.Page, paint.Multi));
  // A stroke whose press fell beside the cells has no cell to go on from.
  const bool sameStroke = strokeCell_ && strokeCapture_ == missView_->CaptureCount();
  const int radius = paint.Multi ? 0 : tool.BrushRadius;
  if (first || !sameStroke) {
    if (paint.Multi)
      PaintCell(paint, first, cell);
    else
      PaintCells(paint, BrushCells(cell, radius, missView_->GridSize()), first);
  } else {
    // Move events arrive only now and then during a quick drag: the cells
    // the mouse crossed in between are painted too, so that a road or a
    // river drawn in one go has no gaps.
    std::vector<TPoint> line = HexLine(*strokeCell_, cell);
    line.erase(line.begin());
    if (paint.Multi) {
      for (TPoint p : line)
        if (missView_->IsInGrid(p))
          PaintCell(paint, false, p);
    } else {
      PaintCells(paint, BrushPathCells(line, radius, missView_->GridSize()), false);
    }
  }
  strokeCell_ = cell;
  strokeCapture_ = missView_->CaptureCount();
}

void TMDIMiss::PaintCell(const TStrokePaint& paint, bool first, TPoint cell) {
  if (paint.Multi) {
    missView_->PasteGroup(first, cell, paint.Selection, paint.Page);
    RefreshPointer();
    return;
  }
  PaintCells(paint, {cell}, first);
}

void TMDIMiss::PaintCells(const TStrokePaint& paint, const std::vector<TPoint>& cells, bool first) {
  const std::vector<TPoint> changed = missView_->PaintCells(cells, first, paint.Value, paint.Page);
  if (pointerCell_ && std::find(changed.begin(), changed.end(), *pointerCell_) != changed.end())
    RefreshPointer();
  const TPoint cursor = missView_->CursorPos();
  if (std::find(changed.begin(), changed.end(), cursor) != changed.end() && isActive_ && frame_ &&
      frame_->Palette()) {
    TMissionCell c = missView_->CursorCell();
    frame_->Palette()->ShowCellUnit(c.VehContent, c.Vehicle != NoUnit || c.VehOwner != NoSide, c.AIPoint);
  }
}

void TMDIMiss::ShowPointer(std::optional<TPoint> cell) {
  pointerCell_ = cell;
  if (lineStart_)
    return;  // the line's preview stays until the release
  if (paste_) {
    // The block stays where the pointer left the map.
    if (cell && *cell != pasteAt_) {
      pasteAt_ = *cell;
      ShowPaste();
    }
    return;
  }
  if (selectDrag_) {
    missView_->ClearOverlay();
    return;
  }
  if (!cell) {
    missView_->ClearOverlay();
    return;
  }
  const TPaintTool tool = Tool();
  const int radius = tool.Mode == TToolMode::Fill ? 0 : tool.BrushRadius;
  missView_->SetOverlay(BrushCells(*cell, radius, missView_->GridSize()), false);
}

void TMDIMiss::RefreshPointer() {
  if (frame_)
    frame_->MissPointerCell(this, pointerCell_);
}

void TMDIMiss::PaintToolChanged() {
  CancelLine();
  ShowPointer(pointerCell_);
}

void TMDIMiss::CancelLine() {
  if (!lineStart_)
    return;
  lineStart_.reset();
  missView_->ClearOverlay();
  ShowPointer(pointerCell_);
}

std::string TMDIMiss::StrokeStepName(uint8_t page, bool paste) {
  static const char* const kinds[] = {"Terrain", "Objects", "Units"};
  return std::string(paste ? "Paste " : "Paint ") + (page < 3 ? kinds[page] : "");
}

std::string TMDIMiss::ToolStepName(TToolMode mode, uint8_t page) {
  static const char* const kinds[] = {"Terrain", "Objects", "Units"};
  const char* verb = mode == TToolMode::Line ? "Line " : mode == TToolMode::Fill ? "Fill " : "Paint ";
  return std::string(verb) + (page < 3 ? kinds[page] : "");
}

void TMDIMiss::EndStroke() {
  if (lineStart_) {
    const std::vector<TPoint> cells = LineCells(lineEnd_);
    const TStrokePaint paint = linePaint_;
    lineStart_.reset();
    missView_->ClearOverlay();
    missView_->History().Begin(ToolStepName(TToolMode::Line, paint.Page));
    PaintCells(paint, cells, true);
    ShowPointer(pointerCell_);
  }
  if (missView_->History().InStep())
    missView_->History().End();
}

void TMDIMiss::ShowUndone() {
  SetSelection(selection_);  // an undone resize may leave cells beyond the map
  RefreshPaste();
  if (!isActive_ || !frame_ || !frame_->Palette())
    return;
  // The palette shows the restored records of the cell under the cursor,
  // which stays where it is. It is read again, never detached: that would
  // disable the field with the focus, and Qt would hand the focus (and the
  // front) to another mission window.
  frame_->Palette()->RefreshFromMission();
  frame_->MissCurPos();
  RefreshPointer();
}

void TMDIMiss::Undo() {
  missView_->Undo();
  ShowUndone();
}

void TMDIMiss::Redo() {
  missView_->Redo();
  ShowUndone();
}

void TMDIMiss::GoToStep(size_t position) {
  missView_->GoToStep(position);
  ShowUndone();
}

void TMDIMiss::Pick() {
  if (!isActive_ || !frame_ || !frame_->Palette())
    return;
  int16_t terrain, obj;
  uint16_t unit;
  if (missView_->FilterOn(mfDFLayer)) {
    TDFCell c = missView_->CursorDFCell();
    terrain = c.Terrain;
    obj = c.Obj;
    unit = static_cast<uint16_t>(c.VehOwner << 8 | c.Vehicle);
  } else {
    TMissionCell c = missView_->CursorCell();
    terrain = c.Terrain;
    obj = c.Obj;
    unit = static_cast<uint16_t>(c.VehOwner << 8 | c.Vehicle);
  }
  if (!frame_->Palette()->PickPicture(terrain, obj, unit))
    QApplication::beep();
}

void TMDIMiss::CursorFollowUp() {
  if (!frame_)
    return;
  if (isActive_ && frame_->Palette()) {
    TMissionCell c = missView_->CursorCell();
    frame_->Palette()->SetCurrentShop(c.Shop);
    frame_->Palette()->ShowCellUnit(c.VehContent, c.Vehicle != NoUnit || c.VehOwner != NoSide, c.AIPoint);
  }
  frame_->MissCurPos();
}

bool TMDIMiss::ConfirmClose() {
  if (discardOnClose_ || !missView_->IsModified() || !frame_)
    return true;
  const std::string& name = Mission().FileName;
  QString shown = name.empty() ? QStringLiteral("noname") : PathToQString(name);
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Varnholt Editor"),
                  QStringLiteral("The mission \"%1\" has unsaved changes.").arg(shown),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  box.setInformativeText(QStringLiteral("Do you want to save them?"));
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
  case QMessageBox::Save:
    return frame_->SaveWindow(this);
  case QMessageBox::Discard:
    return true;
  default:
    return false;
  }
}

void TMDIMiss::closeEvent(QCloseEvent* event) {
  if (ConfirmClose())
    event->accept();
  else
    event->ignore();
}

namespace {

// The model would refuse too; this says it in the user's language and where
// to put it right.
void RefuseUnsavableNames(const TMission& m, const QString& file) {
  const std::vector<TNamesFault> faults = FindNamesFaults(m);
  if (faults.empty())
    return;
  const TNamesFault& fault = faults.front();
  const QString text =
      QCoreApplication::translate("vh::TMDIMiss", "%1 was not saved. %2 Nothing was written; "
                                                  "change it in %3 and save again.")
          .arg(QFileInfo(file).fileName(), TNamesFaultText::Sentence(fault, &m),
               TNamesFaultText::WhereToEdit(fault));
  throw EVhError(text.toLocal8Bit().toStdString());
}

}  // namespace

void TMDIMiss::Save() {
  RefuseUnsavableNames(Mission(), PathToQString(Mission().FileName));
  missView_->SaveMission();
}

void TMDIMiss::SaveAs(const std::string& fileName) {
  RefuseUnsavableNames(Mission(), PathToQString(fileName));
  missView_->SaveMissionAs(fileName);
}

} // namespace vh
