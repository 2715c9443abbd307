#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "graphics/IndexedImage.h"
#include "graphics/PictureSets.h"
#include "hexmap/HexGeometry.h"
#include "hexmap/MissionPicture.h"
#include "mission/Mission.h"

namespace vh {

// A colour of the screen, not of the game's palette.
struct TRgb {
  uint8_t Red = 0;
  uint8_t Green = 0;
  uint8_t Blue = 0;
};

// The views' fill outside all cells while enabled.
constexpr TRgb ViewBackground{16, 80, 32};

// The hexagonal layout of the mission map.
constexpr THexGeometry MissionMapGeometry{es6Ecks, 0};

struct TMapDrawOptions {
  uint16_t Filter = DefaultMissFilter;
  bool ShowGrid = false;
  std::optional<TPoint> Cursor;  // the cell the cursor is drawn on; none: no cursor
  int CursorPhase = 0;           // cursor picture 0..3
  TRgb Background = ViewBackground;
};

// Paints a cell picture into the map at `origin` (the top-left pixel of the
// cell's square) through the hexagon mask: only pixels inside the outline
// change, the corners keep what the neighbours painted there. Pixels beyond
// the map's edges are dropped.
void PutCellPicture(TIndexedImage& map, TPoint origin, const THexPicture& picture, const THexPicture& mask);

// Composes one cell as the map view draws it (cell picture, grid, cursor)
// and paints it into the map.
void DrawCell(const TPictureSets& sets, const TMission& mission, const TMapDrawOptions& options, TPoint cell,
              TIndexedImage& map);

// Draws the whole mission into `map`, sized to the grid extent of the
// mission's Width x Height: the background colour (the palette entry nearest
// to options.Background) outside the cells, every cell row by row, as a full
// redraw of the view does (a cursor outside the grid is not drawn).
void RenderMission(const TPictureSets& sets, const TMission& mission, const TMapDrawOptions& options,
                   TIndexedImage& map);
TIndexedImage RenderMission(const TPictureSets& sets, const TMission& mission,
                            const TMapDrawOptions& options);

// Some cells as the map shows them under `filter` (no grid, no cursor), in
// the smallest image that holds them, each where `geometry` puts it.
struct TCellsPicture {
  TIndexedImage Image;
  TIndexedImage Coverage;  // 1 on the pixels inside the cells' outlines, else 0
  TPoint Origin;           // the map pixel of the image's top-left corner
};
// Cells outside the 64 x 64 grid are left out.
TCellsPicture RenderCells(const TPictureSets& sets, const TMission& mission, uint16_t filter,
                          const std::vector<TPoint>& cells,
                          const THexGeometry& geometry = MissionMapGeometry);

}  // namespace vh
