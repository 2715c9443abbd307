#include "hexmap/CellEditing.h"

#include <string>

#include "base/Errors.h"
#include "hexmap/HexGeometry.h"
#include "hexmap/MissionPicture.h"

namespace vh {

namespace {

// A changed cell of a change layer always states its object, so giving an
// untouched cell a terrain or a unit removes the object there. Erasing
// objects removes them where the change left them alone; a drag that starts
// on an object change turns object changes back into "unchanged", except on
// cells whose change also sets terrain or a unit, which must keep stating an
// object and get it removed instead.
void PaintChange(TDFCell& d, bool first, uint16_t value, int kind, int16_t& strokeObject) {
  const auto number = static_cast<int16_t>(value);
  switch (kind) {
  case pkTerrain:
    if (d.Terrain == -1 && d.Obj == -2 && number != -1)
      d.Obj = -1;
    d.Terrain = number;
    break;
  case pkObject:
    if (first) {
      strokeObject = number;
      if (d.Obj != -2 && strokeObject == -1)
        strokeObject = -2;
    }
    if (strokeObject == -2 && (d.Terrain != -1 || UnitCode(d) != NoUnitCode))
      d.Obj = -1;
    else
      d.Obj = strokeObject;
    break;
  case pkUnit:
    if (d.Obj == -2 && UnitCode(d) == NoUnitCode && value != NoUnitCode)
      d.Obj = -1;
    SetUnitCode(d, value);
    break;
  }
}

void PaintBase(TMission& mission, TMissionCell& b, TPoint cell, uint16_t value, int kind) {
  switch (kind) {
  case pkTerrain:
    b.Terrain = static_cast<int16_t>(value);
    break;
  case pkObject:
    b.Obj = static_cast<int16_t>(value);
    break;
  case pkUnit:
    // Cargo and AI point belong to the unit: they go with it.
    if (UnitCode(b) != NoUnitCode && value == NoUnitCode) {
      if (b.VehContent != -1) {
        mission.DeleteVehContent(cell);
        b.VehContent = -1;
      }
      if (b.AIPoint != -1) {
        mission.DeleteAIPoint(cell);
        b.AIPoint = -1;
      }
    }
    SetUnitCode(b, value);
    break;
  }
}

}  // namespace

TCellEditResult ApplyCellValue(TMission& mission, uint16_t filter, bool first, TPoint cell, uint16_t value,
                               int kind, int16_t& strokeObject) {
  if (kind < pkTerrain || kind > pkUnit)
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "Paint kind %1 is not one of 0..2"), kind));
  TMissionCell& storedBase = mission.Cell(cell);
  TDFCell& storedChange = mission.DFCell(cell);
  TMissionCell b = storedBase;
  TDFCell d = storedChange;
  TCellEditResult result;

  switch (ShownLayer(filter)) {
  case TShownLayer::Change:
    PaintChange(d, first, value, kind, strokeObject);
    break;
  case TShownLayer::Base:
    PaintBase(mission, b, cell, value, kind);
    result.ObjectChanged = b.Obj != storedBase.Obj;
    break;
  case TShownLayer::None:
    break;
  }

  if (b != storedBase) {
    storedBase = b;
    mission.NoteChange();
    result.ShownLayerChanged = result.ShownLayerChanged || FilterShows(filter, mfBaseMap);
  }
  if (d != storedChange) {
    storedChange = d;
    mission.NoteChange();
    result.ShownLayerChanged = result.ShownLayerChanged || FilterShows(filter, mfDFLayer);
  }
  return result;
}

void ForEachPasteTarget(TPoint cell, const TMultiSelection& sel, TPoint gridSize,
                        const std::function<void(TPoint target, int16_t picture)>& visit) {
  for (int row = 0; row < MultiSelRows; ++row)
    for (int col = 0; col < MultiSelCols; ++col) {
      const int16_t picture = sel.At(col, row);
      if (picture == -1)
        continue;
      const TPoint target = PasteTarget(cell, sel, col, row);
      // The grid never exceeds the mission's 64 x 64 cells, but a caller's
      // size is not trusted with the mission's arrays.
      if (IsInGrid(target, gridSize) && IsInGrid(target, {MaxMapSize, MaxMapSize}))
        visit(target, picture);
    }
}

bool PasteBlock(TMission& mission, uint16_t filter, TPoint cell, const TMultiSelection& sel, int kind,
                TPoint gridSize) {
  if (kind != pkTerrain && kind != pkObject)
    return false;
  const bool intoChange = FilterShows(filter, mfDFLayer);
  bool changed = false;
  ForEachPasteTarget(cell, sel, gridSize, [&](TPoint t, int16_t picture) {
    int16_t& field = intoChange ? (kind == pkTerrain ? mission.DFCell(t).Terrain : mission.DFCell(t).Obj)
                                : (kind == pkTerrain ? mission.Cell(t).Terrain : mission.Cell(t).Obj);
    if (field != picture) {
      field = picture;
      changed = true;
    }
  });
  if (changed)
    mission.NoteChange();
  return changed;
}

TShownCell ShownCellValues(const TMission& mission, uint16_t filter, TPoint cell) {
  TShownCell shown;
  shown.Cell = cell;
  if (FilterShows(filter, mfDFLayer)) {
    const TDFCell& c = mission.DFCell(cell);
    shown.Terrain = static_cast<uint16_t>(c.Terrain);
    shown.Obj = c.Obj == -2 ? 0xFFFF : static_cast<uint16_t>(c.Obj);
    shown.Unit = UnitCode(c);
  } else {
    const TMissionCell& c = mission.Cell(cell);
    shown.Terrain = static_cast<uint16_t>(c.Terrain);
    shown.Obj = static_cast<uint16_t>(c.Obj);
    shown.Unit = UnitCode(c);
  }
  return shown;
}

}  // namespace vh
