#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/ByteIO.h"
#include "graphics/HexPicture.h"
#include "graphics/PictureGroups.h"
#include "hexmap/MultiSelection.h"
#include "mission/Mission.h"

namespace vh {

// A selector shows 12 columns by 6 rows; its pages come from the selection
// files (terrain.sel, objekt.sel) or, for units, from memory.
constexpr int SelCols = 12;
constexpr int SelRows = 6;
constexpr int SelCells = SelCols * SelRows;
constexpr int GroupPageCount = SelCells;
constexpr size_t SelectionPageBytes = SelCells * 2;
constexpr size_t SelectionFileSize = SelectionPageBytes + GroupPageCount * SelectionPageBytes;  // 10512

// One screenful of a selector. The files store it column by column, so the
// entry of column x, row y is element x * 6 + y; -1 marks an empty cell.
struct TSelectionPage {
  std::array<int16_t, SelCells> Entries = Empty();

  int16_t At(TPoint cell) const { return Entries[Index(cell)]; }
  int16_t& At(TPoint cell) { return Entries[Index(cell)]; }
  friend bool operator==(const TSelectionPage&, const TSelectionPage&) = default;

  static constexpr size_t Index(TPoint cell) { return static_cast<size_t>(cell.x * SelRows + cell.y); }
  static constexpr std::array<int16_t, SelCells> Empty() {
    std::array<int16_t, SelCells> a{};
    a.fill(-1);
    return a;
  }
};

constexpr bool InSelGrid(TPoint cell) {
  return cell.x >= 0 && cell.y >= 0 && cell.x < SelCols && cell.y < SelRows;
}

// The icon page of a selection file and its 72 group pages. Groups are
// numbered row by row over the icon page (column x, row y is group
// y * 12 + x), unlike the entries inside a page.
struct TSelectionFile {
  TSelectionPage GroupIndex;
  std::array<TSelectionPage, GroupPageCount> Groups{};

  const TSelectionPage& GroupAt(TPoint groupCell) const { return Groups[GroupNumber(groupCell)]; }
  static size_t GroupNumber(TPoint groupCell) {
    return static_cast<size_t>(groupCell.y * SelCols + groupCell.x);
  }
};

// The first 10512 bytes of `bytes`; fewer raise an EInOutError naming `name`.
TSelectionFile ParseSelectionFile(const ByteStream& bytes, const std::string& name);
// Raises an EInOutError naming the file when it is missing, unreadable or
// short.
TSelectionFile ReadSelectionFile(const std::string& path);
// `dir` + `fileName`, with a separator when `dir` lacks one, and the case of
// an existing file's letters.
std::string SelectionFilePath(const std::string& dir, const std::string& fileName);

// The file's 72 groups, numbered as its pages are (the icon page's column x,
// row y is group y * 12 + x).
TPictureGroups PictureGroupsOf(const TSelectionFile& file);

// The first cell with a picture, row by row; nothing on an empty page.
std::optional<TPoint> FirstPictureCell(const TSelectionPage& page);

// Draws the sign of an empty selector cell, whose value erases: a leaning
// eraser outlined in `ink`, its sleeve and its rubber end in colours of
// their own.
void DrawEraserSign(THexPicture& picture, uint8_t ink, uint8_t sleeve, uint8_t rubber);

// --- Units -------------------------------------------------------------------

constexpr int UnitType53 = 53;      // always neutral, whatever owner is chosen
constexpr TPoint NoUnitCell{4, 5};  // the first empty cell of the unit page

// Unit type i in column i mod 12, row i div 12; the rest empty.
TSelectionPage UnitSelectionPage();
// The UnitCode painted for a unit page entry and the chosen owner item.
uint16_t UnitValue(int16_t unitType, int ownerItem);

// --- Multi-selection ---------------------------------------------------------

// The connected block chosen in a selector, with the border bits of each
// selected cell (bit d: the neighbour in direction d is outside the grid or
// not selected).
struct TMultiSelState {
  bool Active = false;
  TMultiSelection Sel;
  std::array<uint8_t, SelCells> Borders{};  // row by row, like Sel

  bool Selected(TPoint cell) const { return Active && InSelGrid(cell) && Sel.At(cell.x, cell.y) != -1; }
  uint8_t Border(TPoint cell) const { return Borders[static_cast<size_t>(cell.y * SelCols + cell.x)]; }
  void Drop() { *this = TMultiSelState{}; }
};

// Selects the region of non-empty cells connected to `anchor` by hexagon
// sides, anchored there. An empty anchor cell drops the selection; the
// result tells whether one is active.
bool SelectConnected(const TSelectionPage& page, TPoint anchor, TMultiSelState& state);

enum class TCursorFollow { Inactive, Anchored, Dropped };
// After the selector's cursor moved: a cursor on a selected cell becomes
// the anchor, one elsewhere drops the selection.
TCursorFollow FollowCursor(TMultiSelState& state, TPoint cursor);

// --- Picking ---------------------------------------------------------------

struct TPickPlace {
  TPoint Group;
  TPoint Picture;
  friend bool operator==(const TPickPlace&, const TPickPlace&) = default;
};
// Where a terrain or object selector shows `value`: the cell under the
// picture cursor when it already holds it, else the first cell of the
// current group page, else the first cell of the first group page holding
// it. Pages and groups are scanned row by row. Nothing when no page has it.
std::optional<TPickPlace> FindPicture(const TSelectionFile& file, TPoint groupCursor, TPoint pictureCursor,
                                      int16_t value);

// --- Standard production -----------------------------------------------------

// A press on the standard production grid: the left button toggles bit 1 of
// the word of the unit type under it, the right button bit 0. False for
// cells beyond type 63.
bool ToggleStdProd(std::array<int16_t, UnitTypeCount>& words, TPoint cell, bool leftButton);

}  // namespace vh
