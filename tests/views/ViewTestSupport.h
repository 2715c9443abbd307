#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QMouseEvent>

#include "graphics/IndexedImage.h"
#include "views/COMPMissView.h"
#include "views/EckView.h"

// Helpers of the widget tests (the program's QApplication comes from
// support/QtTestApp.cpp).

namespace vh::test {

const TPictureSets& ViewSets();

// A grid whose cells are filled with a colour of their own (100..199, clear
// of the cursor, grid and mark colours). It records every cell it composes
// and reports the mouse state tests give it.
class TTestGrid : public TEckView {
public:
  explicit TTestGrid(const TPictureSets& sets = ViewSets(), QWidget* parent = nullptr)
      : TEckView(sets, parent) {}

  static uint8_t CellColour(TPoint cell) {
    return static_cast<uint8_t>(100 + (cell.x * 7 + cell.y * 3) % 100);
  }
  void GetCellPicture(TPoint cell, THexPicture& picture) const override {
    Drawn.push_back(cell);
    if (OnCompose)
      OnCompose(cell);
    picture = THexPicture::Filled(CellColour(cell));
  }

  mutable std::vector<TPoint> Drawn;
  std::function<void(TPoint)> OnCompose;
  std::optional<TMouseState> Mouse;  // nothing: the mouse cannot be read

  using TEckView::TMouseState;

protected:
  std::optional<TMouseState> ReadMouse() const override { return Mouse; }
};

// The mission map recording the cells it composes.
class TCountingMissView : public TMissView {
public:
  explicit TCountingMissView(QWidget* parent = nullptr) : TMissView(ViewSets(), parent) {}
  void GetCellPicture(TPoint cell, THexPicture& picture) const override {
    Drawn.push_back(cell);
    TMissView::GetCellPicture(cell, picture);
  }
  mutable std::vector<TPoint> Drawn;
};

struct TRecordedAction {
  TMouseActionItem Action;
  Qt::MouseButton Button;
  Qt::MouseButtons Buttons;
  TPoint Cell;
};

// Every action goes through OnMouseAction0 into `into`.
void RecordAllActions(TEckView& view, std::vector<TRecordedAction>& into);

// A mouse event with the buttons held stated outright; the screen position
// is the widget position mapped, unless given.
void SendMouse(QWidget& widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint pos,
               std::optional<QPoint> screenPos = std::nullopt);

// The bitmap shows `picture` on `cell`: every pixel inside the outline.
bool ShowsPicture(const TEckView& view, TPoint cell, const THexPicture& picture);

// The mission drawn from scratch with the view's filter, grid and cursor.
TIndexedImage ExpectedMap(const TMissView& view);

}  // namespace vh::test
