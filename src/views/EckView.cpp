#include "views/EckView.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>

#include "base/Errors.h"
#include "hexmap/MapRenderer.h"

namespace vh {

namespace {

constexpr int AutoScrollInterval = 100;  // ms
constexpr Qt::MouseButtons LeftOrRight = Qt::LeftButton | Qt::RightButton;

const TPalette& LoadedPalette(const TPictureSets& sets) {
  if (!sets.Loaded)
    throw EVhError(
        Message(VH_TRANSLATE_NOOP("Error", "A view cannot be created before the game graphics are loaded")));
  return sets.GamePalette;
}

}  // namespace

QString GaugeCaptionText(const QString& caption, int count, int total) {
  if (total <= 0)
    return caption;
  return caption + " - " + QString::number(static_cast<int64_t>(count) * 100 / total) + "%";
}

TEckView::TEckView(const TPictureSets& sets, QWidget* parent)
    : TWinImage(LoadedPalette(sets), parent), sets_(sets) {
  // Moves without a button are actions too (maMove).
  setMouseTracking(true);
  autoScrollTimer_.setInterval(AutoScrollInterval);
  connect(&autoScrollTimer_, &QTimer::timeout, this, &TEckView::AutoScrollTick);
}

TEckView::~TEckView() {
  // A redraw cut short by an exception has ended its gauge already; this
  // only guards against a view destroyed from inside one of its events.
  if (gaugeActive_)
    GaugeEnd();
}

// --- Settings ------------------------------------------------------------------

void TEckView::SetHasCursor(bool value) {
  if (value == hasCursor_)
    return;
  hasCursor_ = value;
  RedrawCell(cursorPos_);
}

void TEckView::SetStyle(TEckViewStyle value) {
  if (value == geometry_.Style)
    return;
  geometry_.Style = value;
  ResizeToGrid();
}

void TEckView::SetHexSpace(int32_t value) {
  if (value < 0)
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "HexSpace %1 is below 0"), value));
  if (value == geometry_.HexSpace)
    return;
  geometry_.HexSpace = value;
  ResizeToGrid();
}

void TEckView::SetShowGrid(bool value) {
  if (value == showGrid_)
    return;
  showGrid_ = value;
  RedrawAll();
  repaint();
}

// --- Geometry ------------------------------------------------------------------

void TEckView::SetGridSize(TPoint size) {
  if (size == size_)
    return;
  if (size.x < 0 || size.y < 0)
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "Grid size %1 x %2 is negative"), size.x, size.y));
  size_ = size;
  ResizeToGrid();
}

void TEckView::ResizeToGrid() {
  ResizeBitmap(GridExtent(size_), CurrentBackgroundIndex());
}

bool TEckView::PointToCell(TPoint& p) const {
  return geometry_.PointToCell(p, size_);
}

TPoint TEckView::CellToPoint(TPoint cell) const {
  return geometry_.CellToPoint(cell);
}

TPoint TEckView::GridExtent(TPoint size) const {
  // An empty grid has no pixels, also when the gaps would make it negative.
  if (size.x <= 0 || size.y <= 0)
    return {0, 0};
  return geometry_.GridExtent(size);
}

bool TEckView::IsInGrid(TPoint cell) const {
  return vh::IsInGrid(cell, size_);
}

// --- Drawing -------------------------------------------------------------------

void TEckView::DrawCell(TPoint cell) {
  THexPicture picture;
  GetCellPicture(cell, picture);
  if (showGrid_)
    OverlayPicture(picture, sets_.GridPicture, 0);
  if (hasCursor_ && cell == cursorPos_)
    OverlayPicture(picture, sets_.CursorPictures[static_cast<size_t>(cursorPhase_)], 0);
  PutCellPicture(MutableBitmap(), CellToPoint(cell), picture, sets_.HexMaskBitmap);
}

void TEckView::InvalidateCell(TPoint cell) {
  InvalidateBitmapRect(CellToPoint(cell), {HexSize, HexSize});
}

void TEckView::RedrawCell(TPoint cell) {
  DrawCell(cell);
  InvalidateCell(cell);
}

void TEckView::paintEvent(QPaintEvent* event) {
  TWinImage::paintEvent(event);
  PaintMarks(event->rect());
}

void TEckView::RedrawNeighbours(TPoint cell) {
  for (int d : NeighbourRedrawOrder) {
    const TPoint n = Neighbour(cell, d);
    if (IsInGrid(n))
      RedrawCell(n);
  }
}

void TEckView::RedrawAll() {
  {
    TGauge gauge(*this, size_.y);
    for (int32_t y = 0; y < size_.y; ++y) {
      for (int32_t x = 0; x < size_.x; ++x)
        DrawCell({x, y});
      gauge.Step(1);
    }
  }
  InvalidateWholeBitmap();
}

void TEckView::NextCursorPhase() {
  cursorPhase_ = (cursorPhase_ + 1) % CursorPhaseCount;
  RedrawCell(cursorPos_);
}

bool TEckView::MoveCursor(TPoint cell) {
  if (cell == cursorPos_)
    return false;
  const TPoint old = cursorPos_;
  cursorPos_ = cell;
  if (IsInGrid(old))
    DrawCell(old);
  if (IsInGrid(cell))
    DrawCell(cell);
  InvalidateCell(old);
  InvalidateCell(cell);
  DoCurPosChanged();
  return true;
}

uint8_t TEckView::CurrentBackgroundIndex() const {
  return PaletteIndexOf(isEnabled() ? Background : DisBackground);
}

void TEckView::FillBackground(const QColor& colour) {
  FillBitmap(PaletteIndexOf(colour));
}

void TEckView::EnableView(bool redraw) {
  setEnabled(true);
  FillBackground(Background);
  if (redraw)
    RedrawAll();
}

void TEckView::DisableView(bool redraw) {
  setEnabled(false);
  FillBackground(DisBackground);
  if (redraw)
    RedrawAll();
}

// --- Progress ------------------------------------------------------------------

QWidget* TEckView::CaptionOwner() {
  if (captionOwner_)
    return captionOwner_;
  for (QWidget* w = this; w; w = w->parentWidget())
    if (w->isWindow() || qobject_cast<QMdiSubWindow*>(w))
      return w;
  return nullptr;
}

void TEckView::GaugeStart(int total) {
  if (!DrawGauge || gaugeActive_)
    return;
  gaugeActive_ = true;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  gaugeOwner_ = CaptionOwner();
  gaugeCaption_ = gaugeOwner_ ? gaugeOwner_->windowTitle() : QString();
  gaugeCount_ = 0;
  gaugeTotal_ = total;
  GaugeStep(0);
}

void TEckView::GaugeStep(int n) {
  if (!gaugeActive_)
    return;
  gaugeCount_ += n;
  if (gaugeOwner_)
    gaugeOwner_->setWindowTitle(GaugeCaptionText(gaugeCaption_, gaugeCount_, gaugeTotal_));
}

void TEckView::GaugeEnd() {
  if (!gaugeActive_)
    return;
  gaugeActive_ = false;
  if (gaugeOwner_)
    gaugeOwner_->setWindowTitle(gaugeCaption_);
  QApplication::restoreOverrideCursor();
}

// --- Events to the owner -------------------------------------------------------

void TEckView::DoMakePointInView(int32_t x, int32_t y, bool center) {
  if (OnMakePointInView)
    OnMakePointInView(this, x, y, center);
}

void TEckView::DoCurPosChanged() {
  if (OnCurPosChanged)
    OnCurPosChanged(this);
}

void TEckView::DoMouseAction(TMouseActionItem action, Qt::MouseButton button, TPoint cell,
                             TShiftState shift) {
  if (ActionList0.Contains(action) && OnMouseAction0)
    OnMouseAction0(this, action, button, shift, cell.x, cell.y);
  if (ActionList1.Contains(action) && OnMouseAction1)
    OnMouseAction1(this, action, button, shift, cell.x, cell.y);
  if (ActionListMove.Contains(action))
    MoveCursor(cell);
}

// --- Mouse ---------------------------------------------------------------------

void TEckView::MakePointVisible(QPoint widgetPos, QPoint screenPos) {
  DoMakePointInView(widgetPos.x(), widgetPos.y(), false);
  moveCheckPending_ = true;
  savedScreenPos_ = screenPos;
}

std::optional<TEckView::TMouseState> TEckView::ReadMouse() const {
  return TMouseState{QCursor::pos(), QGuiApplication::mouseButtons()};
}

void TEckView::mousePressEvent(QMouseEvent* event) {
  Dispatch(TMouseKind::Down, event->button(), *event);
}

void TEckView::mouseReleaseEvent(QMouseEvent* event) {
  Dispatch(TMouseKind::Up, event->button(), *event);
}

void TEckView::mouseMoveEvent(QMouseEvent* event) {
  if (moveCheckPending_) {
    moveCheckPending_ = false;
    // The scrolling moved the view under a mouse that stood still.
    if (event->globalPosition().toPoint() == savedScreenPos_)
      return;
  }
  const Qt::MouseButtons held = event->buttons();
  const Qt::MouseButton button = (held & Qt::LeftButton)    ? Qt::LeftButton
                                 : (held & Qt::RightButton) ? Qt::RightButton
                                                            : Qt::NoButton;
  Dispatch(TMouseKind::Move, button, *event);
}

void TEckView::Dispatch(TMouseKind kind, Qt::MouseButton button, const QMouseEvent& event) {
  const QPoint widgetPos = event.position().toPoint();
  if (autoScrollTimer_.isActive())
    MakePointVisible(widgetPos, event.globalPosition().toPoint());
  DispatchAt(kind, button, widgetPos, event.buttons(), event.modifiers());
}

void TEckView::DispatchAt(TMouseKind kind, Qt::MouseButton button, QPoint widgetPos, Qt::MouseButtons held,
                          Qt::KeyboardModifiers modifiers) {
  TMouseActionItem action = maNone;
  switch (kind) {
  case TMouseKind::Down:
    action = button == Qt::LeftButton ? maLeftDown : button == Qt::RightButton ? maRightDown : maNone;
    break;
  case TMouseKind::Up:
    action = button == Qt::LeftButton ? maLeftUp : button == Qt::RightButton ? maRightUp : maNone;
    break;
  case TMouseKind::Move: {
    const bool left = held.testFlag(Qt::LeftButton), right = held.testFlag(Qt::RightButton);
    action = left && right ? maLeftRightMove : left ? maLeftMove : right ? maRightMove : maMove;
    break;
  }
  }
  if (action == maNone)
    return;

  const bool wasCaptured = captured_;
  if (!captured_ && action != maMove && action != maLeftDown && action != maRightDown)
    return;
  TPoint cell = WidgetToBitmap(widgetPos);
  const TPoint pixel = cell;
  const bool inGrid = PointToCell(cell);
  const TShiftState shift{modifiers, held};
  const bool ending = (action == maLeftUp || action == maRightUp) && !(held & LeftOrRight);
  bool usedUp = false;
  if (OnPointer)
    usedUp =
        OnPointer(this, {action, button, shift, pixel, inGrid ? std::optional<TPoint>(cell) : std::nullopt,
                         false, wasCaptured && ending});
  if (wasCaptured) {
    if (ending) {
      ReleaseCapture();
      return;
    }
  } else if (action == maLeftDown || action == maRightDown) {
    TakeCapture(!usedUp);
  }
  if (usedUp || !inGrid)
    return;
  if (action == maLeftDown && held.testFlag(Qt::RightButton)) {
    DoMouseAction(maLeftDown, button, cell, shift);
    action = maSpecial;
  }
  DoMouseAction(action, button, cell, shift);
}

void TEckView::TakeCapture(bool stroke) {
  captured_ = true;
  if (stroke)
    ++captureCount_;
  autoScrollTimer_.start();
  // A top-level window is brought to the front by the window system itself;
  // an MDI child window is the frame's business, so it is raised here. The
  // caption owner may be a widget inside the child window: the child window
  // itself is what has to come up.
  for (QWidget* w = this; w && !w->isWindow(); w = w->parentWidget())
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
      sub->raise();
      break;
    }
}

void TEckView::ReleaseCapture() {
  const bool wasCaptured = captured_;
  captured_ = false;
  autoScrollTimer_.stop();
  if (wasCaptured && OnStrokeEnd)
    OnStrokeEnd(this);
}

void TEckView::AutoScrollTick() {
  const std::optional<TMouseState> mouse = ReadMouse();
  if (!mouse)
    return;
  // The buttons went up where the view did not see it, for instance over a
  // dialog that took the mouse meanwhile.
  if (!(mouse->Buttons & LeftOrRight)) {
    ReleaseCapture();
    return;
  }
  MakePointVisible(mapFromGlobal(mouse->ScreenPos), mouse->ScreenPos);
  // The window system reports no move when the view scrolls under a mouse
  // that stands still; the cell that came under the pointer is reported
  // here instead, so a stroke goes on over the cells scrolling past. A move
  // the scrolling may still cause at the same place is then stale.
  const Qt::MouseButton button = (mouse->Buttons & Qt::LeftButton) ? Qt::LeftButton : Qt::RightButton;
  DispatchAt(TMouseKind::Move, button, mapFromGlobal(mouse->ScreenPos), mouse->Buttons,
             QGuiApplication::keyboardModifiers());
}

void TEckView::leaveEvent(QEvent* event) {
  if (OnPointer)
    OnPointer(this,
              {maNone, Qt::NoButton, {QGuiApplication::keyboardModifiers(), Qt::NoButton}, {0, 0}, {}, true});
  TWinImage::leaveEvent(event);
}

void TEckView::hideEvent(QHideEvent* event) {
  ReleaseCapture();
  TWinImage::hideEvent(event);
}

void TEckView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled())
    ReleaseCapture();
  TWinImage::changeEvent(event);
}

}  // namespace vh
