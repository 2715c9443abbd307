#include "mission/MissionChange.h"

#include <algorithm>

namespace vh {

namespace {

TPoint CellOfCode(uint16_t code) {
  return {code % MaxMapSize, code / MaxMapSize};
}

}  // namespace

bool TMissionChange::Touches(TPoint cell) const {
  return Everything() || std::find(Cells.begin(), Cells.end(), cell) != Cells.end();
}

void TMissionChange::Merge(const TMissionChange& other) {
  Cells.insert(Cells.end(), other.Cells.begin(), other.Cells.end());
  JoinCells.insert(JoinCells.end(), other.JoinCells.begin(), other.JoinCells.end());
  Records = Records || other.Records;
  Settings = Settings || other.Settings;
  Size = Size || other.Size;
  Layers = Layers || other.Layers;
  LayerShown = LayerShown || other.LayerShown;
  Whole = Whole || other.Whole;
  Steps = Steps || other.Steps;
  File = File || other.File;
  if (Origin != other.Origin)
    Origin = nullptr;
}

TMissionChange TMissionChange::OfStep(const TStepEffect& effect) {
  TMissionChange c;
  c.Cells.reserve(effect.Cells.size());
  for (uint16_t code : effect.Cells)
    c.Cells.push_back(CellOfCode(code));
  for (uint16_t code : effect.ObjectCells)
    c.JoinCells.push_back(CellOfCode(code));
  c.Records = effect.Records;
  c.Settings = effect.Settings;
  c.Size = effect.SizeChanged;
  c.Layers = effect.OtherLayers;
  c.Steps = true;
  return c;
}

}  // namespace vh
