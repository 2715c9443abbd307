#pragma once

#include <optional>

#include "mission/Mission.h"

namespace vh {

class TMDIMiss;
class TMissView;
class TPaletteApi;

// How the left button paints: cell by cell along the drag, a straight line
// from press to release, or the connected region of the clicked cell.
enum class TToolMode { Paint, Line, Fill };
struct TPaintTool {
  TToolMode Mode = TToolMode::Paint;
  int BrushRadius = 0;  // 0, 1, 2: a brush of 1, 7 or 19 cells
};

// The notifications child windows send their frame. They are plain
// calls, so the frame has handled each before the sender goes on: after a
// mission window's creation returns it is counted, after OpenFile returns it
// is current.
class TMissFrame {
public:
  virtual ~TMissFrame() = default;
  virtual void MissActivate(TMDIMiss* window) = 0;
  virtual void MissCreated(TMDIMiss* window) = 0;
  virtual void MissDestroyed(TMDIMiss* window) = 0;
  virtual void MissCurPos() = 0;
  // The view's mission changed as a whole, outside its window.
  virtual void MissionReplaced(TMissView* view) = 0;
  virtual void GenMapOpened() = 0;
  virtual void GenMapClosed() = 0;

  // The window's caption or modified state changed.
  virtual void MissCaptionChanged(TMDIMiss*) {}
  // The cell under the mouse pointer, or none when it left the map.
  virtual void MissPointerCell(TMDIMiss*, std::optional<TPoint>) {}
  // The window's zoom or the part of its map in view changed.
  virtual void MissViewMoved(TMDIMiss*) {}
  // The window's selection changed, or it began or ended pasting a block.
  virtual void MissSelectionChanged(TMDIMiss*) {}

  // The palette the mission windows paint with; null until start-up made it.
  virtual TPaletteApi* Palette() = 0;
  // The painting tool chosen in the frame.
  virtual TPaintTool PaintTool() const { return {}; }
  // Saves the window's mission as the frame's Save command does (asking for
  // a name when it has none); false when the user cancelled or it failed.
  virtual bool SaveWindow(TMDIMiss* window) = 0;
};

} // namespace vh
