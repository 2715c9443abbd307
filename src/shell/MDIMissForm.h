#pragma once

#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>
#include <utility>

#include "hexmap/CellSelection.h"
#include "hexmap/MapBlock.h"
#include "hexmap/MissionPicture.h"
#include "shell/MapTools.h"
#include "shell/MissFrame.h"
#include "views/COMPMissView.h"
#include "views/MapNavigator.h"

class QKeyEvent;
class QScrollArea;

namespace vh {

class TPaletteApi;

// The window of one mission: its map view in a scrolling area, the tools of
// the left button, picking with the palette, the cursor kept in step with
// the palette and the status bar, and the blinking cursor while it is
// current. Everything shown about the mission follows the map's one change
// notification.
class TMDIMiss : public QWidget, private TToolHost {
  Q_OBJECT
public:
  TMDIMiss(TMissFrame* frame, const TPictureSets& sets, QWidget* parent = nullptr);
  ~TMDIMiss() override;

  TMissView* MissView() { return missView_; }
  TMapNavigator* Navigator() { return navigator_; }
  const TMissView* MissView() const { return missView_; }
  TMission& Mission() { return missView_->Mission(); }
  bool IsActive() const { return isActive_; }
  QTimer& Timer() { return timer_; }

  // Reads the mission, then announces the window as current. With
  // `defaultNames` the shop names file is not read: shops get their default
  // names and the next save writes a new names file.
  void OpenFile(const std::string& fileName, bool defaultNames = false);
  void NewMission(int32_t width, int32_t height);
  // Reads a recovery copy as the unsaved state of `originalFile`.
  void OpenRecoveryCopy(const std::string& copyFile, const std::string& originalFile,
                        const std::string& originalNamesFile);
  // Both refuse, before anything is written, a mission whose shop names
  // file would read back differently, naming the text at fault.
  void Save();
  void SaveAs(const std::string& fileName);
  // The window is current with `editWindow` (the palette, may be null), or
  // no longer current.
  void SetActive(bool value, TPaletteApi* editWindow = nullptr);
  void ClearWithFilter();
  // The file name, "[*]" while there are unsaved changes, the full path as
  // tooltip.
  void UpdateCaption();
  // The window came to the front; a mission not yet read or sized does not
  // take part.
  void Activated();
  // Closing asks nothing after this: the user already decided, or the whole
  // program is going down.
  void SetDiscardOnClose() { discardOnClose_ = true; }
  // The frame is being torn down: no more notifications to it.
  void DetachFrame() { frame_ = nullptr; }

  // Scrolls so that the view's pixel (x, y) shows: centred, or as little as
  // possible.
  void MakePointInView(int32_t x, int32_t y, bool center);

  // What the shown layer holds under the cursor.
  TShownCell CursorShown() const;
  void Pick();

  // The tool and brush the left button paints with.
  void SetPaintTool(TPaintTool tool);
  TPaintTool Tool() const override { return tool_; }
  // Where the random pictures of the tool's Random come from: the
  // application's generator unless set (a fixed sequence in tests).
  void SetRandomSource(TDrawBelow draw) { drawBelow_ = std::move(draw); }
  // Drops the line being dragged; nothing is painted on release.
  void CancelLine();
  bool DraggingLine() const { return line_.Dragging(); }

  // Undo and redo of this window's own history.
  void Undo() { missView_->Undo(); }
  void Redo() { missView_->Redo(); }
  void GoToStep(size_t position) { missView_->GoToStep(position); }

  // --- Selecting, cutting, copying and pasting (MissSelection.cpp) --------
  // Shift + left drag selects the cells whose centres the rectangle holds,
  // Ctrl + Shift + drag adds to them; a plain click drops the selection.
  const TCellSet& Selection() const override { return selection_; }
  void SetSelection(const TCellSet& cells) override;
  void SelectAll();
  // What the map shows on the selected cells; empty when nothing is
  // selected or no layer is shown.
  TMapBlock CopySelection() const;
  // Empties what the map shows on the selected cells as one step `stepName`;
  // false when nothing changed.
  bool DeleteSelection(const std::string& stepName);
  // What the map shows on the selected cells as a picture, transparent
  // around them; null when nothing is selected.
  QImage SelectionImage() const;
  // Shows `block` under the pointer until a left click places it or Escape
  // drops it; false (nothing happens) when the map shows no layer to paste
  // into.
  bool StartPaste(TMapBlock block);
  bool Pasting() const { return paste_.Active(); }
  // The block waiting to be placed; null when none is.
  const TMapBlock* PendingPaste() const { return paste_.Block(); }
  TPoint PasteAnchor() const { return paste_.Anchor(); }
  void MirrorPaste(bool horizontally) { paste_.Mirror(horizontally); }
  void CancelPaste() { paste_.Cancel(); }
  // Drops the line being dragged, else the block being pasted, else the
  // selection; false when there was none of them.
  bool Escape();

  // Whether the window may close: asks about unsaved changes (and saves
  // when the user wants that).
  bool ConfirmClose();

signals:
  // The window's mission changed, once the window itself has followed.
  void MissionChanged(const vh::TMissionChange& change);

protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // TToolHost.
  TMissView& View() override { return *missView_; }
  bool ReadPalette(TStrokePaint& paint) const override;
  void PasteEnded() override;
  int32_t DrawBelow(int32_t n) override;

  // The map's one notification.
  void Follow(const TMissionChange& change);
  void RefreshModified();
  // The mouse: pointer positions first, then the painting tool's cell actions.
  bool Pointer(const TPointerEvent& event);
  void CellAction(TMouseActionItem action, TShiftState shift, TPoint cell);
  void StrokeEnded();
  // The painting tool the palette's choice and the Tools menu give.
  TMapTool& PaintingTool();
  TMapTool& CurrentTool();
  void Hover();
  void ReportPointer();
  // The arrow keys move the cursor to a neighbour; false for other keys.
  bool MoveCursorByKey(const QKeyEvent& key);
  void CursorFollowUp();
  void SelectionChanged();

  TMissFrame* frame_;
  TPaletteApi* editWindow_ = nullptr;
  QScrollArea* scroll_;
  TMissView* missView_;
  TMapNavigator* navigator_;
  QTimer timer_;
  bool isActive_ = false;
  bool discardOnClose_ = false;
  TPaintTool tool_;
  TDrawBelow drawBelow_;
  TBrushTool brush_{*this};
  TLineTool line_{*this};
  TFillTool fill_{*this};
  TSelectTool select_{*this};
  TPasteTool paste_{*this};
  TMapTool* strokeTool_ = nullptr;  // the painting tool of the stroke under way
  // A press the window took for itself (select, paste, pick, a click that
  // drops the selection): its moves and release go to this tool, if any.
  bool pressTaken_ = false;
  TMapTool* pressTool_ = nullptr;
  std::optional<TPoint> pointerCell_;  // the map cell under the pointer
  TCellSet selection_;
};

}  // namespace vh
