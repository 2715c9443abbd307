#include "tools/SelectionPages.h"

#include <vector>

#include "hexmap/CellEditing.h"

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "hexmap/HexGeometry.h"

namespace vh {

namespace {

TSelectionPage ParsePage(const ByteStream& bytes, size_t offset) {
  TSelectionPage page;
  for (size_t i = 0; i < SelCells; ++i)
    page.Entries[i] = static_cast<int16_t>(bytes[offset + 2 * i] | (bytes[offset + 2 * i + 1] << 8));
  return page;
}

size_t RowMajor(TPoint cell) {
  return static_cast<size_t>(cell.y * SelCols + cell.x);
}

// Row by row, the order in which selections grow and searches look.
template <class F> void ForEachCellByRows(F&& f) {
  for (int32_t y = 0; y < SelRows; ++y)
    for (int32_t x = 0; x < SelCols; ++x)
      f(TPoint{x, y});
}

std::optional<TPoint> FirstCellHolding(const TSelectionPage& page, int16_t value) {
  for (int32_t y = 0; y < SelRows; ++y)
    for (int32_t x = 0; x < SelCols; ++x)
      if (page.At({x, y}) == value)
        return TPoint{x, y};
  return std::nullopt;
}

}  // namespace

TSelectionFile ParseSelectionFile(const ByteStream& bytes, const std::string& name) {
  if (bytes.size() < SelectionFileSize)
    throw EInOutError(
        Message(VH_TRANSLATE_NOOP("Error", "Selection file \"%1\" is too short: %2 of %3 bytes"), name,
                bytes.size(), SelectionFileSize));
  TSelectionFile file;
  file.GroupIndex = ParsePage(bytes, 0);
  for (size_t g = 0; g < GroupPageCount; ++g)
    file.Groups[g] = ParsePage(bytes, SelectionPageBytes * (g + 1));
  return file;
}

TSelectionFile ReadSelectionFile(const std::string& path) {
  // Anything past the fixed layout is not read; a far larger file is not a
  // selection file at all.
  return ParseSelectionFile(ReadWholeFile(path, 1 << 20), path);
}

std::string SelectionFilePath(const std::string& dir, const std::string& fileName) {
  std::string path = dir;
  if (!path.empty() && !IsPathSep(path.back()))
    path += '/';
  return ResolvePathCI(path + fileName);
}

TSelectionPage UnitSelectionPage() {
  TSelectionPage page;
  for (int t = 0; t < UnitTypeCount; ++t)
    page.At({t % SelCols, t / SelCols}) = static_cast<int16_t>(t);
  return page;
}

uint16_t UnitValue(int16_t unitType, int ownerItem) {
  if (unitType == -1)
    return NoUnitCode;
  if (unitType == UnitType53)
    return UnitCode(NeutralSide, UnitType53);
  const int owner = ownerItem < 0 ? 0 : ownerItem;
  return UnitCode(static_cast<uint8_t>(owner), static_cast<uint8_t>(unitType & 0xFF));
}

bool SelectConnected(const TSelectionPage& page, TPoint anchor, TMultiSelState& state) {
  if (!InSelGrid(anchor) || page.At(anchor) == -1) {
    state.Drop();
    return false;
  }
  state.Drop();
  state.Active = true;
  state.Sel.AnchorX = anchor.x;
  state.Sel.AnchorY = anchor.y;
  state.Sel.At(anchor.x, anchor.y) = page.At(anchor);

  // Passes over the grid until nothing more joins; a cell joins when it is
  // not empty and touches a selected cell.
  for (bool grew = true; grew;) {
    grew = false;
    ForEachCellByRows([&](TPoint c) {
      if (state.Selected(c) || page.At(c) == -1)
        return;
      for (int d = 0; d < DirectionCount; ++d)
        if (state.Selected(Neighbour(c, d))) {
          state.Sel.At(c.x, c.y) = page.At(c);
          grew = true;
          return;
        }
    });
  }

  ForEachCellByRows([&](TPoint c) {
    if (!state.Selected(c))
      return;
    uint8_t border = 0;
    for (int d = 0; d < DirectionCount; ++d)
      if (!state.Selected(Neighbour(c, d)))
        border = static_cast<uint8_t>(border | (1u << d));
    state.Borders[RowMajor(c)] = border;
  });
  return true;
}

TCursorFollow FollowCursor(TMultiSelState& state, TPoint cursor) {
  if (!state.Active)
    return TCursorFollow::Inactive;
  if (state.Selected(cursor)) {
    state.Sel.AnchorX = cursor.x;
    state.Sel.AnchorY = cursor.y;
    return TCursorFollow::Anchored;
  }
  state.Drop();
  return TCursorFollow::Dropped;
}

TPictureGroups PictureGroupsOf(const TSelectionFile& file) {
  std::vector<TGroupPageEntries> pages;
  pages.reserve(file.Groups.size());
  for (const TSelectionPage& page : file.Groups)
    pages.push_back(page.Entries);
  return TPictureGroups(pages);
}

std::optional<TPoint> FirstPictureCell(const TSelectionPage& page) {
  for (int32_t y = 0; y < SelRows; ++y)
    for (int32_t x = 0; x < SelCols; ++x)
      if (page.At({x, y}) != -1)
        return TPoint{x, y};
  return std::nullopt;
}

void DrawEraserSign(THexPicture& picture, uint8_t ink, uint8_t sleeve, uint8_t rubber) {
  // The block leans 45 degrees: u runs along it from lower left to upper
  // right, v across it, both in units of half a pixel times the square root
  // of two around the cell's centre.
  for (int r = 0; r < HexSize; ++r) {
    for (int c = 0; c < HexSize; ++c) {
      const int dx = 2 * c - (HexSize - 1), dy = 2 * r - (HexSize - 1);
      const int u = dx - dy, v = dx + dy;
      if (u < -22 || u > 22 || v < -10 || v > 10)
        continue;
      const bool edge = u < -17 || u > 17 || v < -5 || v > 5;
      picture.At(r, c) = edge ? ink : u < -4 ? rubber : sleeve;
    }
  }
}

std::optional<TPickPlace> FindPicture(const TSelectionFile& file, TPoint groupCursor, TPoint pictureCursor,
                                      int16_t value) {
  if (InSelGrid(groupCursor)) {
    const TSelectionPage& current = file.GroupAt(groupCursor);
    if (InSelGrid(pictureCursor) && current.At(pictureCursor) == value)
      return TPickPlace{groupCursor, pictureCursor};
    if (auto cell = FirstCellHolding(current, value))
      return TPickPlace{groupCursor, *cell};
  }
  for (int32_t gy = 0; gy < SelRows; ++gy)
    for (int32_t gx = 0; gx < SelCols; ++gx)
      if (auto cell = FirstCellHolding(file.GroupAt({gx, gy}), value))
        return TPickPlace{{gx, gy}, *cell};
  return std::nullopt;
}

bool ToggleStdProd(std::array<int16_t, UnitTypeCount>& words, TPoint cell, bool leftButton) {
  if (!InSelGrid(cell))
    return false;
  const int t = cell.y * SelCols + cell.x;
  if (t >= UnitTypeCount)
    return false;
  int16_t& w = words[static_cast<size_t>(t)];
  w = static_cast<int16_t>(w ^ (leftButton ? 2 : 1));
  return true;
}

}  // namespace vh
