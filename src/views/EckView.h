#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QTimer>

#include "graphics/HexPicture.h"
#include "graphics/PictureSets.h"
#include "hexmap/CellSelection.h"
#include "hexmap/HexGeometry.h"
#include "views/COMPWinImage.h"

namespace vh {

// Cell-level mouse actions, in the order the event lists use as bit numbers.
enum TMouseActionItem : int {
  maNone = 0,
  maLeftDown,
  maLeftUp,
  maRightDown,
  maRightUp,
  maMove,
  maLeftMove,
  maRightMove,
  maLeftRightMove,
  maSpecial,  // left press while the right button is held
};

class TMouseActionList {
public:
  constexpr TMouseActionList() = default;
  constexpr TMouseActionList(std::initializer_list<TMouseActionItem> items) {
    for (TMouseActionItem a : items)
      bits_ = static_cast<uint16_t>(bits_ | Bit(a));
  }
  constexpr bool Contains(TMouseActionItem a) const { return (bits_ & Bit(a)) != 0; }
  constexpr uint16_t Bits() const { return bits_; }
  friend constexpr bool operator==(TMouseActionList, TMouseActionList) = default;

private:
  static constexpr uint16_t Bit(TMouseActionItem a) { return static_cast<uint16_t>(1u << a); }
  uint16_t bits_ = 0;
};

// Keys and mouse buttons held when the event happened; the button that was
// just released is no longer among them.
struct TShiftState {
  Qt::KeyboardModifiers Keys;
  Qt::MouseButtons Buttons;
};

// The order in which the neighbours of a cell are redrawn.
inline constexpr int NeighbourRedrawOrder[] = {dirUp,         dirDown,       dirUpperLeft,
                                               dirUpperRight, dirLowerRight, dirLowerLeft};

class TEckView;
using TNotifyEvent = std::function<void(TEckView* sender)>;
// Moves report the left button while it is held, else the right one.
using TMyMouseEvent = std::function<void(TEckView* sender, TMouseActionItem action, Qt::MouseButton button,
                                         TShiftState shift, int32_t x, int32_t y)>;
// One mouse event as the view saw it, before it becomes a cell action: the
// bitmap pixel under the pointer, the cell there if any, and whether the
// pointer left the view.
struct TPointerEvent {
  TMouseActionItem Action = maNone;  // maNone with Left: the pointer left the view
  Qt::MouseButton Button = Qt::NoButton;
  TShiftState Shift;
  TPoint Pixel{0, 0};
  std::optional<TPoint> Cell;
  bool Left = false;
  bool Ends = false;  // the release of the last button held: the press's capture ends
};
// True when the owner used the event up: it becomes no cell action, and a
// press that was used up starts no stroke.
using TPointerHook = std::function<bool(TEckView* sender, const TPointerEvent& event)>;
// (x, y) is a widget position inside the view; center asks to centre it.
using TMakePointInViewEvent = std::function<void(TEckView* sender, int32_t x, int32_t y, bool center)>;

// The grid of 24 x 24 pictures behind the mission map, the palettes and the
// content grids: geometry, the off-screen bitmap of the whole grid, a
// blinking cursor cell, the translation of mouse input into cell actions and
// progress of long redraws in the owner's caption. What a cell shows is the
// business of the descendant's GetCellPicture.
//
// The control is as large as the whole grid; the window around it scrolls,
// asked through OnMakePointInView. Views draw from picture sets that must be
// loaded before a view is created.
class TEckView : public TWinImage {
  Q_OBJECT

public:
  // Raises EVhError when `sets` are not loaded. The sets must outlive the
  // view.
  explicit TEckView(const TPictureSets& sets, QWidget* parent = nullptr);
  ~TEckView() override;

  // --- Settings the owner chooses per view ---------------------------------
  TMouseActionList ActionListMove{maRightDown, maRightMove};  // actions that move the cursor
  TMouseActionList ActionList0;                               // reported through OnMouseAction0
  TMouseActionList ActionList1;                               // reported through OnMouseAction1
  bool DrawGauge = false;  // show the progress of long redraws in the owner's caption
  QColor Background{16, 80, 32};
  QColor DisBackground{8, 48, 16};

  TNotifyEvent OnCurPosChanged;
  TNotifyEvent OnStrokeEnd;  // the buttons of a press that began on the view are up
  TPointerHook OnPointer;    // every press, move and release, and the pointer leaving
  TMyMouseEvent OnMouseAction0;
  TMyMouseEvent OnMouseAction1;
  TMakePointInViewEvent OnMakePointInView;

  bool HasCursor() const { return hasCursor_; }
  void SetHasCursor(bool value);
  TEckViewStyle Style() const { return geometry_.Style; }
  void SetStyle(TEckViewStyle value);
  int32_t HexSpace() const { return geometry_.HexSpace; }
  void SetHexSpace(int32_t value);  // 0 or more
  bool ShowGrid() const { return showGrid_; }
  void SetShowGrid(bool value);

  int32_t Cols() const { return size_.x; }
  int32_t Rows() const { return size_.y; }
  TPoint GridSize() const { return size_; }
  TPoint CursorPos() const { return cursorPos_; }
  int CursorPhase() const { return cursorPhase_; }
  const TPictureSets& Sets() const { return sets_; }

  // --- Grid operations ----------------------------------------------------
  virtual void GetCellPicture(TPoint cell, THexPicture& picture) const = 0;
  // Size = (columns, rows). Sizes the bitmap and the control and fills the
  // background; callers draw the cells with RedrawAll.
  virtual void SetGridSize(TPoint size);
  // Bitmap pixel to cell; true and p replaced when a cell of the grid is hit.
  virtual bool PointToCell(TPoint& p) const;
  virtual TPoint CellToPoint(TPoint cell) const;  // top-left bitmap pixel of the cell's square
  virtual TPoint GridExtent(TPoint size) const;   // bitmap size of a grid of `size` cells
  virtual bool MoveCursor(TPoint cell);
  virtual void DoMouseAction(TMouseActionItem action, Qt::MouseButton button, TPoint cell, TShiftState shift);
  virtual bool IsInGrid(TPoint cell) const;

  // Composes and paints one cell into MapBitmap; the screen is not touched.
  void DrawCell(TPoint cell);
  void InvalidateCell(TPoint cell);
  void RedrawCell(TPoint cell);  // DrawCell, then InvalidateCell
  // The in-grid neighbours: up, down, upper left, upper right, lower right,
  // lower left.
  void RedrawNeighbours(TPoint cell);
  // Draws every cell row by row and invalidates the whole control.
  void RedrawAll();
  void NextCursorPhase();

  void EnableView(bool redraw);
  void DisableView(bool redraw);
  void FillBackground(const QColor& colour);

  // Asks the owner to scroll the widget position into view. `screenPos` is
  // where the mouse was then: a move reported at that same place afterwards
  // was caused by the scrolling and is ignored.
  void MakePointVisible(QPoint widgetPos, QPoint screenPos);

  // The widget that shows the progress caption and comes to the front when
  // the mouse is pressed on the view; by default the nearest enclosing
  // window or MDI child window.
  void SetCaptionOwner(QWidget* owner) { captionOwner_ = owner; }
  QWidget* CaptionOwner();

  // The view holds the mouse between a press of the left or right button and
  // the release of the last of the two; it scrolls automatically meanwhile.
  bool HasCapture() const { return captured_; }

  // Cells marked on the screen only, never in the bitmap: the outer edges of
  // their hexagons, with the cells tinted when `tinted`. A brush following
  // the pointer or a line about to be drawn.
  void SetOverlay(std::vector<TPoint> cells, bool tinted);
  void ClearOverlay() { SetOverlay({}, false); }
  const std::vector<TPoint>& OverlayCells() const { return overlay_; }
  // Cells the user selected, tinted on the screen only.
  void SetHighlight(const TCellSet& cells);
  const TCellSet& Highlight() const { return highlight_; }
  // A picture over the map with its top-left corner on a bitmap pixel, a
  // little transparent: a block about to be pasted. A null image: none.
  void SetPreview(QImage image, TPoint bitmapOrigin);
  const QImage& Preview() const { return preview_; }
  TPoint PreviewOrigin() const { return previewOrigin_; }
  // Counts the captures taken: each is one stroke of the mouse, also one
  // whose press fell beside the cells.
  uint32_t CaptureCount() const { return captureCount_; }

protected:
  virtual void DoMakePointInView(int32_t x, int32_t y, bool center);
  virtual void DoCurPosChanged();

  void GaugeStart(int total);
  void GaugeStep(int n);
  void GaugeEnd();
  // GaugeStart on construction, GaugeEnd on leaving the scope, also by an
  // exception.
  class TGauge {
  public:
    TGauge(TEckView& view, int total) : view_(view) { view_.GaugeStart(total); }
    ~TGauge() { view_.GaugeEnd(); }
    TGauge(const TGauge&) = delete;
    TGauge& operator=(const TGauge&) = delete;
    void Step(int n) { view_.GaugeStep(n); }

  private:
    TEckView& view_;
  };

  struct TMouseState {
    QPoint ScreenPos;
    Qt::MouseButtons Buttons;
  };
  // Where the mouse is on the screen and which buttons are held, when that
  // can be read.
  virtual std::optional<TMouseState> ReadMouse() const;

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  enum class TMouseKind { Down, Up, Move };
  void Dispatch(TMouseKind kind, Qt::MouseButton button, const QMouseEvent& event);
  void DispatchAt(TMouseKind kind, Qt::MouseButton button, QPoint widgetPos, Qt::MouseButtons held,
                  Qt::KeyboardModifiers modifiers);
  // `stroke`: the press starts a stroke of the cell actions, counted.
  void TakeCapture(bool stroke);
  void ReleaseCapture();
  void AutoScrollTick();
  void ResizeToGrid();
  // Draws preview, highlight and overlay over the exposed part (EckViewMarks.cpp).
  void PaintMarks(const QRect& exposed);
  QRect CellsWidgetBounds(const std::vector<TPoint>& cells) const;
  uint8_t CurrentBackgroundIndex() const;

  const TPictureSets& sets_;
  THexGeometry geometry_{es6Ecks, 0};
  TPoint size_{0, 0};
  TPoint cursorPos_{0, 0};
  int cursorPhase_ = 0;
  bool hasCursor_ = true;
  bool showGrid_ = false;

  std::vector<TPoint> overlay_;
  bool overlayTinted_ = false;
  TCellSet highlight_;
  QImage highlightCell_;  // the tint of one selected cell at the present zoom
  QImage preview_;
  TPoint previewOrigin_{0, 0};

  bool captured_ = false;
  uint32_t captureCount_ = 0;
  QTimer autoScrollTimer_;
  bool moveCheckPending_ = false;
  QPoint savedScreenPos_;

  QPointer<QWidget> captionOwner_;
  QPointer<QWidget> gaugeOwner_;
  bool gaugeActive_ = false;
  QString gaugeCaption_;
  int gaugeCount_ = 0;
  int gaugeTotal_ = 0;
};

// The progress caption: "caption - NN%"; a redraw of nothing shows no
// percentage.
QString GaugeCaptionText(const QString& caption, int count, int total);

}  // namespace vh
