#include "demo/Preview.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <stdexcept>

#include "base/ByteIO.h"
#include "base/Platform.h"
#include "demo/Art.h"
#include "demo/Install.h"
#include "demo/PartCatalog.h"
#include "graphics/IndexedImage.h"
#include "hexmap/HexGeometry.h"
#include "hexmap/MissionPicture.h"

namespace vh::demo {

PictureSets PictureSets::Build() {
  PictureSets s;
  s.Parts = BuildPartPictures();
  for (Picture& p : s.Parts) {
    Canvas cv(p);
    cv.FillOutside(pal::Outside);
    p = cv.Pixels();
  }
  for (int i = 0; i < DemoUnitTypes; ++i) {
    Canvas cv(UnitPicture(i));
    cv.Replace(0, pal::EmptyFill);
    cv.Replace(pal::UnitKey, 0);
    cv.FillOutside(pal::Outside);
    s.Units.push_back(cv.Pixels());
  }
  for (int k = 0; k < LineKindCount; ++k)
    for (unsigned m = 0; m < 64; ++m)
      s.Layers[k][m] = LayerPictureForMask(k, m);
  s.Background.fill(pal::EmptyFill);
  return s;
}

void Neighbour(int x, int y, int d, int& nx, int& ny) {
  const TPoint n = vh::Neighbour({x, y}, d);
  nx = n.x;
  ny = n.y;
}

void RecolourForOwner(Picture& p, int owner) {
  THexPicture h{p};
  vh::RecolourForOwner(h, static_cast<unsigned>(owner));
  p = h.Pixels;
}

Sheet::Sheet(int w, int h, uint8_t fill) : W(w), H(h), Px(static_cast<size_t>(w) * h, fill) {}

void Sheet::PutHex(int x, int y, const Picture& p) {
  for (int r = 0; r < HexSize; ++r)
    for (int c = HexRowInset[r]; c < HexSize - HexRowInset[r]; ++c)
      if (x + c >= 0 && y + r >= 0 && x + c < W && y + r < H)
        Px[static_cast<size_t>(y + r) * W + x + c] = p[r * HexSize + c];
}

void Sheet::Put(int x, int y, const Sheet& o) {
  for (int r = 0; r < o.H; ++r)
    for (int c = 0; c < o.W; ++c)
      if (x + c < W && y + r < H)
        Px[static_cast<size_t>(y + r) * W + x + c] = o.Px[static_cast<size_t>(r) * o.W + c];
}

TPictureSets PictureSets::ForEditor() const {
  TPictureSets e;
  for (const Picture& p : Parts)
    e.PartPictures.push_back(THexPicture{p});
  for (const Picture& p : Units)
    e.UnitPictures.push_back(THexPicture{p});
  for (int k = 0; k < LineKindCount; ++k)
    for (int m = 0; m < 64; ++m)
      e.LayerPictures[k][m] = THexPicture{Layers[k][m]};
  e.BackgroundHex = THexPicture{Background};
  e.EmptyHex = THexPicture::Filled(0);
  FillHexOutside(e.EmptyHex, OutsideColour);
  e.MissingPicture = e.BackgroundHex;
  e.Loaded = true;
  return e;
}

// The cells are composed by the editor's own code, so the sheet shows the
// missions exactly as the map view will.
Sheet RenderMissionMap(const TMission& m, const PictureSets& sets) {
  const TPictureSets editorSets = sets.ForEditor();
  Sheet s(16 * m.Width + 8, 24 * m.Height + 12, pal::UiGrey + 2);
  THexPicture cell;
  for (int y = 0; y < m.Height; ++y)
    for (int x = 0; x < m.Width; ++x) {
      GetCellPicture(editorSets, m, DefaultMissFilter, {x, y}, cell);
      s.PutHex(CellX(x), CellY(x, y), cell.Pixels);
    }
  return s;
}

void WriteImage(const Sheet& sheet, const PaletteData& pal, const std::string& path, int scale) {
  scale = std::max(scale, 1);
  int w = sheet.W * scale, h = sheet.H * scale;
  std::vector<uint8_t> indices(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      indices[static_cast<size_t>(y) * w + x] =
          sheet.Px[static_cast<size_t>(y / scale) * sheet.W + x / scale];
  ByteStream out;
  if (path.size() > 4 && path.substr(path.size() - 4) == ".ppm") {
    AppendText(out, "P6\n" + std::to_string(w) + " " + std::to_string(h) + "\n255\n");
    for (uint8_t i : indices)
      out.insert(out.end(), {pal[i].r, pal[i].g, pal[i].b});
  } else {
    TIndexedImage image{w, h, std::move(indices)};
    TPalette palette{};
    for (size_t i = 0; i < pal.size(); ++i)
      palette[i] = {pal[i].b, pal[i].g, pal[i].r, 0};
    out = EncodePng(image, palette);
  }
  std::ofstream f(PathOf(path), std::ios::binary);
  f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!f)
    throw std::runtime_error("cannot write " + path);
}

}  // namespace vh::demo
