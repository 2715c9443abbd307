#include "demo/Preview.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <stdexcept>

#include "demo/Art.h"
#include "demo/Install.h"
#include "demo/PartCatalog.h"
#include "graphics/IndexedImage.h"
#include "mission/ByteIO.h"

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

void RecolourForOwner(Picture& p, int owner) {
  for (int b = 1; b <= 7; ++b)
    std::replace(p.begin(), p.end(), static_cast<uint8_t>(b), static_cast<uint8_t>(OwnerColourBase[owner & 7] + b));
}

void Neighbour(int x, int y, int d, int& nx, int& ny) {
  int odd = x & 1;
  static const int dx[6] = {0, 1, 1, 0, -1, -1};
  nx = x + dx[d];
  switch (d) {
  case 0: ny = y - 1; break;
  case 1: case 5: ny = y + odd - 1; break;
  case 2: case 4: ny = y + odd; break;
  default: ny = y + 1; break;
  }
}

Picture ComposeCell(const TMission& m, int x, int y, const PictureSets& sets) {
  const TMissionCell& cell = m.Cells[y][x];
  Canvas pic(cell.Terrain >= 0 && cell.Terrain < PartCount ? sets.Parts[cell.Terrain] : sets.Background);
  if (cell.Obj >= 0 && cell.Obj < PartCount) {
    Canvas obj(0);
    unsigned kinds = LineKindsOf(cell.Obj);
    for (int k : {1, 2, 0, 3}) {
      if (!(kinds & (1u << k)))
        continue;
      unsigned mask = 0;
      for (int d = 0; d < 6; ++d) {
        int nx = 0, ny = 0;
        Neighbour(x, y, d, nx, ny);
        if (nx < 0 || ny < 0 || nx >= m.Width || ny >= m.Height)
          continue;
        int o = m.Cells[ny][nx].Obj;
        bool joins = (LineKindsOf(o) & (1u << k)) ||
                     (k != 2 && std::find(part::LineJoin.begin(), part::LineJoin.end(), o) != part::LineJoin.end());
        if (joins)
          mask |= 1u << d;
      }
      obj.Overlay(sets.Layers[k][mask]);
    }
    if (kinds == 0)
      obj = Canvas(sets.Parts[cell.Obj]);
    if (const TArrShop* shop = m.GetShop(cell.Shop))
      RecolourForOwner(obj.Pixels(), shop->Owner);
    pic.Overlay(obj.Pixels());
  }
  if (cell.VehOwner != NoSide && cell.Vehicle < sets.Units.size()) {
    Picture unit = sets.Units[cell.Vehicle];
    RecolourForOwner(unit, cell.VehOwner);
    pic.Overlay(unit);
  }
  return pic.Pixels();
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

Sheet RenderMissionMap(const TMission& m, const PictureSets& sets) {
  Sheet s(16 * m.Width + 8, 24 * m.Height + 12, pal::UiGrey + 2);
  for (int y = 0; y < m.Height; ++y)
    for (int x = 0; x < m.Width; ++x)
      s.PutHex(CellX(x), CellY(x, y), ComposeCell(m, x, y, sets));
  return s;
}

void WriteImage(const Sheet& sheet, const PaletteData& pal, const std::string& path, int scale) {
  scale = std::max(scale, 1);
  int w = sheet.W * scale, h = sheet.H * scale;
  std::vector<uint8_t> indices(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      indices[static_cast<size_t>(y) * w + x] = sheet.Px[static_cast<size_t>(y / scale) * sheet.W + x / scale];
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
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!f)
    throw std::runtime_error("cannot write " + path);
}

} // namespace vh::demo
