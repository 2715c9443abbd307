#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "generator/Generator.h"
#include "hexmap/CellEditing.h"
#include "hexmap/MapBlock.h"
#include "hexmap/MissionPicture.h"
#include "hexmap/MultiSelection.h"
#include "mission/History.h"
#include "mission/MapResize.h"
#include "mission/Mission.h"
#include "mission/MissionDocument.h"
#include "views/EckView.h"

namespace vh {

// The map of one mission window. Owns the window's mission document (the
// mission with its history and its one change notification), composes every
// cell under the filter bits (TMissFilterBit) and redraws what each change
// touched. Its painting operations are edits of the document.
class TMissView : public TEckView {
  Q_OBJECT

public:
  // Starts with the filter terrain, objects, units and base map, an empty
  // mission and the generator's defaults; no cells until a mission is opened
  // or started.
  explicit TMissView(const TPictureSets& sets, QWidget* parent = nullptr);
  ~TMissView() override;

  // The object value of the drag that paints objects into a change layer.
  int16_t DFStrokeObject = 0;
  TNotifyEvent OnFileNameChanged;  // the mission's file name may have changed
  TNotifyEvent OnShownChanged;     // a filter bit or the current change layer changed
  GeneratorState Generator;        // the map generator's data of this window

  TMissionDocument& Document() { return *document_; }
  // The mission stays at one address for the life of the view.
  TMission& Mission() { return document_->Mission(); }
  const TMission& Mission() const { return document_->Mission(); }

  void GetCellPicture(TPoint cell, THexPicture& picture) const override;
  // Gives the mission this size (at most 64 x 64), as an edit.
  void SetGridSize(TPoint size) override;

  // --- Files ---------------------------------------------------------------
  // A file that cannot be read raises its error before anything else
  // happens: mission, size and picture stay as they were.
  // With `defaultNames` the missing shop names file is replaced by default
  // names, and the mission counts as changed until it is saved.
  void OpenMission(const std::string& fileName, bool defaultNames = false);
  void StartNewMission(TPoint size);
  void SaveMission();
  void SaveMissionAs(const std::string& fileName);
  // Reads a recovery copy as the unsaved state of `originalFile` (empty: a
  // mission never saved): caption and Save go to the original.
  void OpenRecoveryCopy(const std::string& copyFile, const std::string& originalFile,
                        const std::string& originalNamesFile);
  // The mission differs from what was opened, started or last saved, as the
  // window's history knows it.
  bool IsModified() const { return document_->History().IsModified(); }

  // --- Undo and redo ------------------------------------------------------------
  // The steps of this window; a new, opened or failed mission starts empty.
  TMissionHistory& History() { return document_->History(); }
  const TMissionHistory& History() const { return document_->History(); }
  // Each redraws what the steps changed and leaves the cursor where it is.
  TMissionChange Undo() { return document_->Undo(); }
  TMissionChange Redo() { return document_->Redo(); }
  TMissionChange GoToStep(size_t position) { return document_->GoTo(position); }

  // --- Filters ---------------------------------------------------------------
  uint16_t Filter() const { return filter_; }
  bool FilterOn(int index) const { return FilterShows(filter_, index); }
  // Switches bit 0..8 and redraws only the cells that can look different.
  void SetFilter(int index, bool on);
  // Returns the number of cells drawn.
  int RedrawForFilter(int index);
  // Makes change layer `nr` current, redrawing the cells either layer changes.
  void ShowDFLayer(int nr);
  // Empties what the filter shows, over the whole map, as one step.
  void ClearFiltered();

  // --- The cell under the cursor and the mission's records -----------------
  TMissionCell CursorCell() const;
  TDFCell CursorDFCell() const;
  TArrShop* GetShop(int16_t index) { return Mission().GetShop(index); }
  int16_t ShopIndexToNr(int16_t index) const { return Mission().ShopIndexToNr(index); }
  int16_t ShopNrToIndex(int16_t nr) const { return Mission().ShopNrToIndex(nr); }
  TVehContentRec* GetVehContent(int16_t index) { return Mission().GetVehContent(index); }
  TAIPointRec* GetAIPoint(int16_t index) { return Mission().GetAIPoint(index); }
  TAIPointRec* CursorAIPoint() { return Mission().GetAIPoint(CursorCell().AIPoint); }
  // Moves the cursor onto the shop's cell and asks the owner to centre it.
  bool GotoShop(int16_t index);
  // The same for any cell of the grid; false (nothing moves) outside it.
  bool GotoCell(TPoint cell);

  // --- Painting: edits of the document ----------------------------------------
  // Writes one value of `kind` (TPaintKind) into the shown layer; `first` is
  // true for the first cell of a stroke. Returns whether the shown layer
  // changed. Redraws the neighbours when line joins may have changed; the
  // cell itself is left to the caller.
  bool SetCellValue(bool first, TPoint cell, uint16_t value, int kind);
  // Writes the terrain (kind 0) or objects (kind 1) of a block with its
  // anchor on `cell` and redraws them, and around an object block the cells
  // whose line joins it may change.
  void PasteGroup(bool first, TPoint cell, const TMultiSelection& selection, int kind);
  // Writes one value into each cell of `cells` as SetCellValue does, the
  // first of them counting as a stroke's first cell when `first`. Redraws
  // once each the cells whose shown layer changed and the neighbours of
  // changed objects; returns the changed cells.
  std::vector<TPoint> PaintCells(const std::vector<TPoint>& cells, bool first, uint16_t value, int kind);
  // The same with a value of its own for each cell (values[i] for cells[i]).
  std::vector<TPoint> PaintCells(const std::vector<TPoint>& cells, bool first,
                                 const std::vector<uint16_t>& values, int kind);
  // What `cells` show in `mission` (the view's own or another) under this
  // view's filter and layout, transparent around them; `origin` gets the
  // bitmap pixel of its top-left corner.
  QImage CellsImage(const TMission& mission, const std::vector<TPoint>& cells, TPoint& origin) const;
  // The picture of `block` pasted with its anchor on `anchor`, as it would
  // look there (line joins and owner colours included); `cells` gets the map
  // cells it covers, `origin` the bitmap pixel of the picture's corner.
  QImage BlockPreview(const TMapBlock& block, TPoint anchor, std::vector<TPoint>& cells,
                      TPoint& origin) const;
  // The name of a step that writes into the shown layer: "Paint Terrain in
  // change layer 3" while a change layer is shown, else `action` itself.
  std::string StepName(const std::string& action) const;

  // --- Coasts and the map's size: edits of the document --------------------------
  // While on, every edit of terrain through the painting operations above
  // (and whoever calls FollowCoasts) lets the water and coast cells around it
  // follow the land, within the same step.
  void SetAutoCoasts(bool on) { autoCoasts_ = on; }
  bool AutoCoasts() const { return autoCoasts_; }
  // Inside an edit that changed the terrain of `change.Cells` in the shown
  // layer: with automatic coasts on, the coasts around them follow, and the
  // cells they change join `change.Cells`.
  void FollowCoasts(TMission& mission, TMissionChange& change) const;
  // Every water and coast cell of the shown layer from the land around it,
  // as one step; returns how many cells changed.
  size_t RebuildCoasts();
  // Resizes the map as one step; raises ERangeError, changing nothing, for a
  // resize ResizeFault refuses.
  void ResizeMap(const TResize& resize);

  // Marks a bitmap area for repainting.
  void InvalidateBitmapArea(TPoint origin, TPoint size) { InvalidateBitmapRect(origin, size); }

signals:
  // The one notification of the window's mission: after every edit, undo,
  // redo, save and replacement, once the map shows it.
  void MissionChanged(const vh::TMissionChange& change);

private:
  // The one redraw routine: what a change touched, and the neighbours whose
  // line pictures join the objects it changed.
  void ShowChange(const TMissionChange& change);
  void RedrawMarked(const std::vector<bool>& marked);

  std::unique_ptr<TMissionDocument> document_;
  uint16_t filter_ = DefaultMissFilter;
  bool autoCoasts_ = false;
};

// The settings of the mission window's map: the cursor follows both buttons,
// the left button paints, a left press with the right button held picks, and
// full redraws show their progress.
void ApplyMissionWindowSettings(TMissView& view);

}  // namespace vh
