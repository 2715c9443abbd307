#pragma once

#include <vector>

#include "mission/History.h"
#include "mission/Mission.h"

namespace vh {

// What one edit, one undo or redo or one replacement did to a mission, as
// the one notification of a mission window tells everyone who shows it.
// Redrawing needs the cells; the lists, panes and titles need the kinds.
struct TMissionChange {
  std::vector<TPoint> Cells;      // base map or working change layer values changed here
  std::vector<TPoint> JoinCells;  // the object changed here: the neighbours' line pictures join it
  bool Records = false;           // shops, cargo or AI points
  bool Settings = false;          // players, texts, alliances and the other settings
  bool Size = false;              // the map's width or height
  bool Layers = false;            // stored change layers besides the working one
  bool LayerShown = false;        // another change layer came into the working grid
  bool Whole = false;             // the mission was replaced or rewritten as a whole
  bool Steps = false;             // the history's steps, position or saved mark
  bool File = false;              // the mission's file name
  // Who made the edit; a pane that made it itself need not be told.
  const void* Origin = nullptr;

  bool Empty() const {
    return Cells.empty() && JoinCells.empty() && !Records && !Settings && !Size && !Layers && !LayerShown &&
           !Whole && !Steps && !File;
  }
  // Every cell may look different.
  bool Everything() const { return Whole || Size || Settings; }
  bool Touches(TPoint cell) const;
  void Merge(const TMissionChange& other);

  static TMissionChange OfWhole() {
    TMissionChange c;
    c.Whole = true;
    return c;
  }
  static TMissionChange OfRecords() {
    TMissionChange c;
    c.Records = true;
    return c;
  }
  // What undoing or redoing a step changed.
  static TMissionChange OfStep(const TStepEffect& effect);
};

}  // namespace vh
