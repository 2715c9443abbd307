#include "shell/MDIMissForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "base/Errors.h"
#include "hexmap/CellEditing.h"
#include "mission/ShopNames.h"
#include "shell/MissFrame.h"
#include "tools/NamesFaultText.h"
#include "tools/PaletteApi.h"
#include "views/QtText.h"

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

  // One road for the mouse: the view reports every pointer event, and the
  // painting tools get the cell actions the window leaves to them.
  missView_->setMouseTracking(true);
  missView_->OnPointer = [this](TEckView*, const TPointerEvent& e) { return Pointer(e); };
  missView_->OnMouseAction0 = [this](TEckView*, TMouseActionItem action, Qt::MouseButton button,
                                     TShiftState shift, int32_t x, int32_t y) {
    if (button == Qt::LeftButton && !(shift.Buttons & Qt::RightButton))
      CellAction(action, shift, {x, y});
  };
  missView_->OnMouseAction1 = [this](TEckView*, TMouseActionItem, Qt::MouseButton, TShiftState, int32_t,
                                     int32_t) { Pick(); };
  missView_->OnStrokeEnd = [this](TEckView*) { StrokeEnded(); };
  missView_->OnCurPosChanged = [this](TEckView*) { CursorFollowUp(); };
  missView_->OnMakePointInView = [this](TEckView*, int32_t x, int32_t y, bool center) {
    MakePointInView(x, y, center);
  };
  missView_->OnFileNameChanged = [this](TEckView*) { UpdateCaption(); };
  missView_->OnShownChanged = [this](TEckView*) {
    paste_.Refresh();
    ReportPointer();
  };
  connect(missView_, &TMissView::MissionChanged, this, &TMDIMiss::Follow);
  missView_->installEventFilter(this);

  timer_.setInterval(375);
  connect(&timer_, &QTimer::timeout, missView_, &TMissView::NextCursorPhase);
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

void TMDIMiss::SetActive(bool value, TPaletteApi* editWindow) {
  isActive_ = value;
  editWindow_ = value ? editWindow : nullptr;
  if (value) {
    timer_.start();
    return;
  }
  timer_.stop();
  // A block follows the pointer only in the window it was pasted into.
  paste_.Cancel();
}

void TMDIMiss::ClearWithFilter() {
  missView_->ClearFiltered();
}

// --- Following the mission -------------------------------------------------------

void TMDIMiss::Follow(const TMissionChange& change) {
  RefreshModified();
  if (change.Everything())
    SetSelection(selection_);  // the cells beyond a new size go
  if (!change.Cells.empty() || change.Everything() || change.Records)
    paste_.Refresh();
  if (isActive_ && editWindow_ && change.Origin != editWindow_) {
    // The palette shows the records of the cell under the cursor, which
    // stays where it is.
    if (change.Records || change.Everything()) {
      editWindow_->RefreshFromMission();
    } else if (change.Touches(missView_->CursorPos())) {
      const TMissionCell c = missView_->CursorCell();
      editWindow_->ShowCellUnit(c.VehContent, UnitCode(c) != NoUnitCode, c.AIPoint);
    }
  }
  if (frame_ && (change.Everything() || change.Touches(missView_->CursorPos())))
    frame_->MissCurPos();
  if (pointerCell_ && change.Touches(*pointerCell_))
    ReportPointer();
  emit MissionChanged(change);
}

void TMDIMiss::UpdateCaption() {
  const std::string& name = Mission().FileName;
  QString shown = name.empty() ? tr("noname") : QFileInfo(PathToQString(name)).fileName();
  setWindowTitle(shown + QStringLiteral("[*]"));
  // On the window's frame: the map below it has tooltips of its own to give.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
    sub->setToolTip(name.empty() ? QString() : PathToQString(name));
  setWindowModified(missView_->IsModified());
  if (frame_)
    frame_->MissCaptionChanged(this);
}

void TMDIMiss::RefreshModified() {
  const bool modified = missView_->IsModified();
  if (modified == isWindowModified())
    return;
  setWindowModified(modified);
  if (frame_)
    frame_->MissCaptionChanged(this);
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

// --- The mouse ------------------------------------------------------------------------

bool TMDIMiss::Pointer(const TPointerEvent& e) {
  const bool moved = e.Left || e.Action == maMove || e.Action == maLeftMove || e.Action == maRightMove ||
                     e.Action == maLeftRightMove;
  if (moved && pointerCell_ != (e.Left ? std::nullopt : e.Cell)) {
    pointerCell_ = e.Left ? std::nullopt : e.Cell;
    ReportPointer();
  }
  const TToolPointer pointer{e.Pixel, e.Left ? std::nullopt : e.Cell, e.Shift.Keys};
  if (pressTaken_) {
    if (pressTool_ && e.Action == maLeftMove)
      pressTool_->Move(pointer);
    if (e.Ends) {
      if (pressTool_)
        pressTool_->Release();
      pressTaken_ = false;
      pressTool_ = nullptr;
      Hover();
    }
    return true;
  }
  if (e.Action == maLeftDown && !(e.Shift.Buttons & Qt::RightButton)) {
    const Qt::KeyboardModifiers keys = e.Shift.Keys;
    if (paste_.Active()) {
      pressTool_ = &paste_;
    } else if (keys & Qt::ShiftModifier) {
      line_.Cancel();
      pressTool_ = &select_;
    } else if (keys & Qt::ControlModifier) {
      // Ctrl + click picks, the one-hand form of the right + left chord;
      // the rest of that click paints nothing.
      if (e.Cell) {
        missView_->MoveCursor(*e.Cell);
        Pick();
      }
    } else if (!selection_.Empty()) {
      // The click only drops the selection: it paints nothing.
      SetSelection({});
    } else {
      return false;
    }
    pressTaken_ = true;
    if (pressTool_)
      pressTool_->Press(pointer);
    return true;
  }
  // The tool's marks follow the pointer, also during its own drag.
  if (moved)
    CurrentTool().Hover(pointerCell_);
  return false;
}

TMapTool& TMDIMiss::PaintingTool() {
  // A palette block pastes as it always did, whatever the tool.
  TMultiSelection block;
  if (editWindow_ && editWindow_->GetMultiSelection(block))
    return brush_;
  switch (tool_.Mode) {
  case TToolMode::Line:
    return line_;
  case TToolMode::Fill:
    return fill_;
  default:
    return brush_;
  }
}

TMapTool& TMDIMiss::CurrentTool() {
  if (paste_.Active())
    return paste_;
  if (line_.Dragging())
    return line_;
  return PaintingTool();
}

void TMDIMiss::CellAction(TMouseActionItem action, TShiftState shift, TPoint cell) {
  const TToolPointer pointer{missView_->CellToPoint(cell), cell, shift.Keys};
  if (action == maLeftDown) {
    strokeTool_ = &PaintingTool();
    strokeTool_->Press(pointer);
  } else if (action == maLeftMove) {
    // A stroke whose press fell beside the cells begins with its first move.
    if (!strokeTool_)
      strokeTool_ = &PaintingTool();
    strokeTool_->Move(pointer);
  }
}

void TMDIMiss::StrokeEnded() {
  if (strokeTool_)
    strokeTool_->Release();
  strokeTool_ = nullptr;
  Hover();
}

void TMDIMiss::Hover() {
  if (!pressTaken_)
    CurrentTool().Hover(pointerCell_);
}

void TMDIMiss::ReportPointer() {
  if (!frame_)
    return;
  frame_->MissPointerCell(this, pointerCell_ ? std::optional<TShownCell>(ShownCellValues(
                                                   Mission(), missView_->Filter(), *pointerCell_))
                                             : std::nullopt);
}

bool TMDIMiss::ReadPalette(TStrokePaint& paint) const {
  if (!editWindow_)
    return false;
  editWindow_->GetSelectedPicture(paint.Page, paint.Value);
  paint.Multi = editWindow_->GetMultiSelection(paint.Selection);
  paint.Groups = editWindow_->PictureGroups(paint.Page);
  paint.Group = editWindow_->ShownGroup(paint.Page);
  return paint.Multi || paint.Page <= 2;  // the shop page paints nothing
}

int32_t TMDIMiss::DrawBelow(int32_t n) {
  if (drawBelow_)
    return drawBelow_(n);
  return static_cast<int32_t>(QRandomGenerator::global()->bounded(static_cast<quint32>(n)));
}

void TMDIMiss::SetPaintTool(TPaintTool tool) {
  tool_ = tool;
  missView_->SetAutoCoasts(tool.AutoCoasts);
  CancelLine();
  Hover();
}

void TMDIMiss::CancelLine() {
  if (line_.Cancel())
    Hover();
}

bool TMDIMiss::Escape() {
  const bool dropped = line_.Cancel() || paste_.Cancel() || select_.Cancel();
  if (dropped)
    Hover();
  return dropped;
}

bool TMDIMiss::eventFilter(QObject* watched, QEvent* event) {
  if (watched != missView_)
    return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::ToolTip)
    return true;  // not the window's path over the whole map
  if (event->type() == QEvent::KeyPress && MoveCursorByKey(*static_cast<QKeyEvent*>(event)))
    return true;
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
  const QPoint from = missView_->BitmapToWidget(p),
               till = missView_->BitmapToWidget({p.x + HexSize, p.y + HexSize});
  MakePointInView(till.x(), till.y(), false);
  MakePointInView(from.x(), from.y(), false);
  return true;
}

// --- Cursor and picking -------------------------------------------------------------

TShownCell TMDIMiss::CursorShown() const {
  return ShownCellValues(missView_->Mission(), missView_->Filter(), missView_->CursorPos());
}

void TMDIMiss::Pick() {
  if (!isActive_ || !editWindow_)
    return;
  const TShownCell c = CursorShown();
  if (!editWindow_->PickPicture(static_cast<int16_t>(c.Terrain), static_cast<int16_t>(c.Obj), c.Unit))
    QApplication::beep();
}

void TMDIMiss::CursorFollowUp() {
  if (!frame_)
    return;
  if (isActive_ && editWindow_) {
    const TMissionCell c = missView_->CursorCell();
    editWindow_->SetCurrentShop(c.Shop);
    editWindow_->ShowCellUnit(c.VehContent, UnitCode(c) != NoUnitCode, c.AIPoint);
  }
  frame_->MissCurPos();
}

// --- Closing ----------------------------------------------------------------------------

bool TMDIMiss::ConfirmClose() {
  if (discardOnClose_ || !missView_->IsModified() || !frame_)
    return true;
  const std::string& name = Mission().FileName;
  QString shown = name.empty() ? tr("noname") : PathToQString(name);
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Varnholt Editor"),
                  tr("The mission \"%1\" has unsaved changes.").arg(shown),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  box.setInformativeText(tr("Do you want to save them?"));
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

// --- Saving -----------------------------------------------------------------------------

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

}  // namespace vh
