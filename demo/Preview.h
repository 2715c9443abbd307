#pragma once

#include <string>
#include <vector>

#include "demo/Canvas.h"
#include "demo/Palette.h"
#include "graphics/PictureSets.h"
#include "mission/Mission.h"

namespace vh::demo {

// Everything needed to draw cells the way the editor does, built from the
// same pictures the installation files hold.
struct PictureSets {
  std::vector<Picture> Parts;                       // outside filled with 255
  std::vector<Picture> Units;                       // 0 -> 88, 143 -> 0, outside 255
  std::array<std::array<Picture, 64>, 4> Layers{};  // by kind and neighbour mask
  Picture Background{};                             // all 88
  static PictureSets Build();
  // The same pictures as the editor's picture sets, for its cell composition.
  TPictureSets ForEditor() const;
};

void RecolourForOwner(Picture& p, int owner);
// The neighbour of cell (x, y) in direction d; odd columns sit half a cell lower.
void Neighbour(int x, int y, int d, int& nx, int& ny);

// A picture of palette indices, drawn into like the editor's map bitmap.
class Sheet {
public:
  Sheet(int w, int h, uint8_t fill);
  // Paints only the pixels inside the hexagon, as the editor's hex mask does.
  void PutHex(int x, int y, const Picture& p);
  void Put(int x, int y, const Sheet& other);
  int W, H;
  std::vector<uint8_t> Px;
};

// Top-left pixel of cell (c, r) in a hex grid without spacing.
inline int CellX(int c) {
  return c * 16;
}
inline int CellY(int c, int r) {
  return r * 24 + ((c & 1) ? 12 : 0);
}

Sheet RenderMissionMap(const TMission& m, const PictureSets& sets);
// "terrain", "objects", "units", "lines", "tools", "missions" or "all".
Sheet RenderSection(const std::string& name);
// Writes a PNG (or a PPM for a ".ppm" name), every pixel `scale` times.
void WriteImage(const Sheet& sheet, const PaletteData& pal, const std::string& path, int scale = 1);

}  // namespace vh::demo
