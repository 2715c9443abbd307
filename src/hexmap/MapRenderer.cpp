#include "hexmap/MapRenderer.h"

#include <algorithm>
#include <cstring>

#include "base/Errors.h"

namespace vh {

void PutCellPicture(TIndexedImage& map, TPoint origin, const THexPicture& picture, const THexPicture& mask) {
  const int32_t x0 = std::max(0, -origin.x);
  const int32_t x1 = std::min<int32_t>(HexSize, map.Width - origin.x);
  if (x0 >= x1)
    return;
  for (int r = 0; r < HexSize; ++r) {
    const int32_t y = origin.y + r;
    if (y < 0 || y >= map.Height)
      continue;
    uint8_t* d = map.Row(y) + origin.x;
    const uint8_t* s = picture.Row(r);
    const uint8_t* m = mask.Row(r);
    if (x0 == 0 && x1 == HexSize) {
      // The usual case: whole rows on local copies, which the compiler turns
      // into vector code.
      uint8_t sr[HexSize], dr[HexSize], mr[HexSize];
      std::memcpy(sr, s, HexSize);
      std::memcpy(dr, d, HexSize);
      std::memcpy(mr, m, HexSize);
      for (int c = 0; c < HexSize; ++c)
        dr[c] = mr[c] ? sr[c] : dr[c];
      std::memcpy(d, dr, HexSize);
    } else {
      for (int32_t c = x0; c < x1; ++c)
        d[c] = m[c] ? s[c] : d[c];
    }
  }
}

void DrawCell(const TPictureSets& sets, const TMission& mission, const TMapDrawOptions& options, TPoint cell,
              TIndexedImage& map) {
  THexPicture picture;
  GetCellPicture(sets, mission, options.Filter, cell, picture);
  if (options.ShowGrid)
    OverlayPicture(picture, sets.GridPicture, 0);
  if (options.Cursor && *options.Cursor == cell)
    OverlayPicture(picture, sets.CursorPictures[static_cast<size_t>(options.CursorPhase & 3)], 0);
  PutCellPicture(map, MissionMapGeometry.CellToPoint(cell), picture, sets.HexMaskBitmap);
}

void RenderMission(const TPictureSets& sets, const TMission& mission, const TMapDrawOptions& options,
                   TIndexedImage& map) {
  if (mission.Width < 1 || mission.Height < 1 || mission.Width > MaxMapSize || mission.Height > MaxMapSize)
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "Cannot draw a map of %1 x %2 cells"), mission.Width,
                              mission.Height));
  const TPoint extent = MissionMapGeometry.GridExtent({mission.Width, mission.Height});
  const uint8_t background = NearestPaletteIndex(sets.GamePalette, options.Background.Red,
                                                 options.Background.Green, options.Background.Blue);
  map.Resize(extent.x, extent.y, background);
  for (int32_t y = 0; y < mission.Height; ++y)
    for (int32_t x = 0; x < mission.Width; ++x)
      DrawCell(sets, mission, options, {x, y}, map);
}

TIndexedImage RenderMission(const TPictureSets& sets, const TMission& mission,
                            const TMapDrawOptions& options) {
  TIndexedImage map;
  RenderMission(sets, mission, options, map);
  return map;
}

TCellsPicture RenderCells(const TPictureSets& sets, const TMission& mission, uint16_t filter,
                          const std::vector<TPoint>& cells, const THexGeometry& geometry) {
  TCellsPicture result;
  std::vector<TPoint> drawn;
  TPoint low{0, 0}, high{0, 0};
  for (TPoint c : cells) {
    if (!IsInGrid(c, {MaxMapSize, MaxMapSize}))
      continue;
    const TPoint o = geometry.CellToPoint(c);
    if (drawn.empty()) {
      low = o;
      high = o;
    }
    low = {std::min(low.x, o.x), std::min(low.y, o.y)};
    high = {std::max(high.x, o.x), std::max(high.y, o.y)};
    drawn.push_back(c);
  }
  if (drawn.empty())
    return result;
  result.Origin = low;
  result.Image.Resize(high.x - low.x + HexSize, high.y - low.y + HexSize, TransparentKey);
  result.Coverage.Resize(result.Image.Width, result.Image.Height, 0);
  const THexPicture inside = THexPicture::Filled(1);
  THexPicture picture;
  for (TPoint c : drawn) {
    GetCellPicture(sets, mission, filter, c, picture);
    const TPoint o = geometry.CellToPoint(c);
    const TPoint at{o.x - low.x, o.y - low.y};
    PutCellPicture(result.Image, at, picture, sets.HexMaskBitmap);
    PutCellPicture(result.Coverage, at, inside, sets.HexMaskBitmap);
  }
  return result;
}

}  // namespace vh
