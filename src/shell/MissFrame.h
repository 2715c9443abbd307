#pragma once

#include <optional>

#include "hexmap/CellEditing.h"
#include "hexmap/PaintTools.h"
#include "mission/Mission.h"

namespace vh {

class TMDIMiss;
class TPaletteApi;

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
  virtual void GenMapOpened() = 0;
  virtual void GenMapClosed() = 0;

  // The window's caption or modified state changed.
  virtual void MissCaptionChanged(TMDIMiss*) {}
  // What the map shows under the mouse pointer, or none when it left the map.
  virtual void MissPointerCell(TMDIMiss*, std::optional<TShownCell>) {}
  // The window's zoom or the part of its map in view changed.
  virtual void MissViewMoved(TMDIMiss*) {}
  // The window's selection changed, or it began or ended pasting a block.
  virtual void MissSelectionChanged(TMDIMiss*) {}

  // The palette ("Edit Window"); null until start-up made it.
  virtual TPaletteApi* EditWindow() = 0;
  // Saves the window's mission as the frame's Save command does (asking for
  // a name when it has none); false when the user cancelled or it failed.
  virtual bool SaveWindow(TMDIMiss* window) = 0;
};

}  // namespace vh
