#pragma once

#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "hexmap/CellSelection.h"
#include "hexmap/MapBlock.h"
#include "shell/MissFrame.h"
#include "views/COMPMissView.h"
#include "views/MapNavigator.h"

class QKeyEvent;
class QScrollArea;

namespace vh {

class TMissFrame;

// The window of one mission: its map view in a scrolling area, painting and
// picking with the palette's choice, the cursor kept in step with the
// palette and the status bar, and the blinking cursor while it is current.
class TMDIMiss : public QWidget {
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
  void SetActive(bool value);
  void ClearWithFilter();
  // Everything shown about the mission is read from it again: the palette's
  // panes while the window is current, and the frame's status bar.
  void MissionReplaced();
  void SetMissSize(int32_t width, int32_t height);
  // The file name, "[*]" while there are unsaved changes, the full path as
  // tooltip.
  void UpdateCaption();
  void RefreshModified();
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

  // The view's events.
  void Paint(TMouseActionItem action, Qt::MouseButton button, TShiftState shift, TPoint cell);
  void Pick();
  void CursorFollowUp();

  // The tool changed: the marks on the map follow it.
  void PaintToolChanged();
  // Drops the line being dragged; nothing is painted on release.
  void CancelLine();
  bool DraggingLine() const { return lineStart_.has_value(); }

  // Undo and redo of this window's own history; the palette follows.
  void Undo();
  void Redo();
  void GoToStep(size_t position);
  // The step a stroke of the palette's page makes.
  static std::string StrokeStepName(uint8_t page, bool paste);
  static std::string ToolStepName(TToolMode mode, uint8_t page);

  // --- Selecting, cutting, copying and pasting (MissSelection.cpp) --------
  // Shift + left drag selects the cells whose centres the rectangle holds,
  // Ctrl + Shift + drag adds to them; a plain click drops the selection.
  const TCellSet& Selection() const { return selection_; }
  void SetSelection(const TCellSet& cells);
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
  bool Pasting() const { return paste_.has_value(); }
  const TMapBlock* PasteBlock() const { return paste_ ? &*paste_ : nullptr; }
  TPoint PasteAnchor() const { return pasteAt_; }
  void MirrorPaste(bool horizontally);
  // What the map shows changed under a block being pasted (a filter, the
  // change layer, an undo): its preview is drawn again, or dropped when no
  // layer is shown.
  void RefreshPaste();
  void CancelPaste();
  // Places the block being pasted with its anchor on `cell`, one step.
  void PlacePaste(TPoint cell);
  // Drops the line being dragged, else the block being pasted, else the
  // selection; false when there was none of them.
  bool Escape();

  // Whether the window may close: asks about unsaved changes (and saves
  // when the user wants that).
  bool ConfirmClose();

signals:
  // Steps were added, undone, redone or saved.
  void HistoryChanged();

protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // What the palette offered when a stroke's event arrived.
  struct TStrokePaint {
    uint8_t Page = 0;
    uint16_t Value = 0xFFFF;
    bool Multi = false;
    TMultiSelection Selection;
  };
  void PaintCell(const TStrokePaint& paint, bool first, TPoint cell);
  void PaintCells(const TStrokePaint& paint, const std::vector<TPoint>& cells, bool first);
  bool ReadPalette(TStrokePaint& paint) const;
  TPaintTool Tool() const;
  std::vector<TPoint> LineCells(TPoint to) const;
  void ShowPointer(std::optional<TPoint> cell);
  void EndStroke();
  void ShowUndone();
  // The arrow keys move the cursor to a neighbour; false for other keys.
  bool MoveCursorByKey(const QKeyEvent& key);
  // The status bar's pointer panel reads the cell under the pointer again.
  void RefreshPointer();
  // Mouse events for selecting and pasting; true when they are used up.
  bool SelectionEvent(QEvent* event);
  void DragSelection(TPoint pixel);
  // While selecting, a pointer held beyond the window's edge scrolls the map.
  void SelectScrollTick();
  void ShowPaste();
  void SelectionChanged();

  TMissFrame* frame_;
  QScrollArea* scroll_;
  TMissView* missView_;
  TMapNavigator* navigator_;
  QTimer timer_;
  bool isActive_ = false;
  bool discardOnClose_ = false;
  std::optional<TPoint> strokeCell_;  // the stroke's cell painted last
  uint32_t strokeCapture_ = 0;        // the view's capture it belongs to
  uint32_t pickCapture_ = 0;          // the capture of the last Ctrl + click
  std::optional<TPoint> lineStart_;   // the press cell of the line being dragged
  TPoint lineEnd_{0, 0};              // where the line ends for now
  TStrokePaint linePaint_;
  std::optional<TPoint> pointerCell_;  // the map cell under the pointer
  TCellSet selection_;
  struct TSelectDrag {
    TPoint From;      // bitmap pixel of the press
    TCellSet Before;  // what stays selected besides the rectangle
  };
  std::optional<TSelectDrag> selectDrag_;
  QTimer selectScroll_;
  std::optional<TMapBlock> paste_;
  TPoint pasteAt_{0, 0};  // the anchor's cell while pasting
};

} // namespace vh
