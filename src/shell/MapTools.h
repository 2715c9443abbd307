#pragma once

#include <QtCore/qnamespace.h>
#include <optional>
#include <string>
#include <vector>

#include "graphics/PictureGroups.h"
#include "hexmap/CellSelection.h"
#include "hexmap/MapBlock.h"
#include "hexmap/MultiSelection.h"
#include "hexmap/PaintTools.h"
#include "mission/Mission.h"

namespace vh {

class TMissView;

// Where the pointer is, as a tool is told.
struct TToolPointer {
  TPoint Pixel{0, 0};          // bitmap pixel
  std::optional<TPoint> Cell;  // the map cell there
  Qt::KeyboardModifiers Keys;
};

// What the palette offered when a stroke began.
struct TStrokePaint {
  uint8_t Page = 0;
  uint16_t Value = 0xFFFF;
  bool Multi = false;
  TMultiSelection Selection;
  // The palette's groups of the page's pictures (none for units) and the
  // group its selector shows.
  const TPictureGroups* Groups = nullptr;
  int Group = -1;
};

// The mission window as its tools see it.
class TToolHost {
public:
  virtual ~TToolHost() = default;
  virtual TMissView& View() = 0;
  // The palette's choice; false when it offers nothing to paint (the shop
  // page, or no palette).
  virtual bool ReadPalette(TStrokePaint& paint) const = 0;
  virtual TPaintTool Tool() const = 0;
  virtual const TCellSet& Selection() const = 0;
  virtual void SetSelection(const TCellSet& cells) = 0;
  // The paste is placed or dropped: the window goes back to painting.
  virtual void PasteEnded() = 0;
  // A number in 0 .. n - 1 for a random picture (n > 0).
  virtual int32_t DrawBelow(int32_t n) = 0;
};

// The values a painting tool writes into `count` cells: the palette's
// choice in each, or with the tool's Random a picture of the chosen
// picture's group drawn for each cell. Units, the eraser and pictures in no
// group always paint as chosen.
std::vector<uint16_t> StrokeValues(TToolHost& host, const TStrokePaint& paint, size_t count);

// One way the left button works on the map. The window holds the tool in
// use and feeds it the mouse: cell actions for the painting tools, pointer
// positions for those that work by pixel.
class TMapTool {
public:
  explicit TMapTool(TToolHost& host) : host_(host) {}
  virtual ~TMapTool() = default;
  TMapTool(const TMapTool&) = delete;
  TMapTool& operator=(const TMapTool&) = delete;

  virtual void Press(const TToolPointer& pointer) = 0;
  virtual void Move(const TToolPointer& pointer) = 0;
  // The buttons of the press are up.
  virtual void Release() {}
  // The pointer without a button held, or off the map: the tool's marks
  // follow it.
  virtual void Hover(std::optional<TPoint> cell);
  // Escape: drops what the tool is in the middle of; false when nothing.
  virtual bool Cancel() { return false; }
  // What the map shows changed (a filter, the change layer, an undo).
  virtual void Refresh() {}

protected:
  TToolHost& host_;
};

// Paints the palette's choice along the drag, with the brush; a block of
// the palette pastes as a block.
class TBrushTool : public TMapTool {
public:
  using TMapTool::TMapTool;
  void Press(const TToolPointer& pointer) override;
  void Move(const TToolPointer& pointer) override;
  void Release() override;

private:
  void PaintFrom(TPoint cell, bool first);
  TStrokePaint paint_;
  std::optional<TPoint> last_;  // the stroke's cell painted last
  uint32_t capture_ = 0;        // the view's stroke it belongs to
  bool stroke_ = false;
};

// A straight line from the press cell to the release cell, shown meanwhile.
class TLineTool : public TMapTool {
public:
  using TMapTool::TMapTool;
  void Press(const TToolPointer& pointer) override;
  void Move(const TToolPointer& pointer) override;
  void Release() override;
  void Hover(std::optional<TPoint> cell) override;
  bool Cancel() override;
  bool Dragging() const { return start_.has_value(); }

private:
  std::vector<TPoint> Cells() const;
  std::optional<TPoint> start_;
  TPoint end_{0, 0};
  TStrokePaint paint_;
};

// The connected cells that look like the clicked one, with one click.
class TFillTool : public TMapTool {
public:
  using TMapTool::TMapTool;
  void Press(const TToolPointer& pointer) override;
  void Move(const TToolPointer&) override {}
  void Hover(std::optional<TPoint> cell) override;
};

// Shift + drag selects the cells whose centres the rectangle holds;
// Ctrl + Shift adds them to what is selected.
class TSelectTool : public TMapTool {
public:
  using TMapTool::TMapTool;
  void Press(const TToolPointer& pointer) override;
  void Move(const TToolPointer& pointer) override;
  void Release() override;
  bool Cancel() override;

private:
  TPoint from_{0, 0};  // bitmap pixel of the press
  TCellSet before_;    // what stays selected besides the rectangle
};

// A block following the pointer until a click places it.
class TPasteTool : public TMapTool {
public:
  using TMapTool::TMapTool;
  // False (nothing happens) when the map shows no layer to paste into.
  bool Start(TMapBlock block, TPoint at);
  bool Active() const { return block_.has_value(); }
  const TMapBlock* Block() const { return block_ ? &*block_ : nullptr; }
  TPoint Anchor() const { return at_; }
  void Mirror(bool horizontally);
  void Press(const TToolPointer& pointer) override;
  void Move(const TToolPointer& pointer) override;
  void Hover(std::optional<TPoint> cell) override;
  bool Cancel() override;
  void Refresh() override;

private:
  void Show();
  std::optional<TMapBlock> block_;
  TPoint at_{0, 0};  // the anchor's cell
};

}  // namespace vh
