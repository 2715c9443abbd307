#include "generator/Generator.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "base/Anomaly.h"
#include "base/Errors.h"
#include "generator/Random.h"
#include "mission/HexGrid.h"

namespace vh {

namespace {

size_t Index(int32_t x, int32_t y) {
  return static_cast<size_t>(y * MaxMapSize + x);
}

std::string CellName(int32_t x, int32_t y) {
  return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

void CheckMapSize(int32_t width, int32_t height) {
  if (width < 1 || height < 1 || width > MaxMapSize || height > MaxMapSize)
    throw ERangeError(
        Message(VH_TRANSLATE_NOOP("Error", "Map size %1 x %2 is outside 1..64 x 1..64"), width, height));
}

void CheckCell(TPoint p) {
  if (p.x < 0 || p.y < 0 || p.x >= MaxMapSize || p.y >= MaxMapSize)
    throw ERangeError(
        Message(VH_TRANSLATE_NOOP("Error", "Cell %1 is outside the 64 x 64 grid"), CellName(p.x, p.y)));
}

// Beyond 0..300 the displacement could leave the range of its arithmetic.
void CheckRoughness(int32_t roughness) {
  if (roughness < RoughnessMin || roughness > RoughnessMax)
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "Roughness %1 is outside 0..300"), roughness));
}

bool Inside(TPoint p, int32_t width, int32_t height) {
  return p.x >= 0 && p.y >= 0 && p.x < width && p.y < height;
}

uint8_t CodeAt(const TCellCodes& codes, int32_t width, int32_t height, TPoint p) {
  return Inside(p, width, height) ? codes[Index(p.x, p.y)] : CodeNone;
}

}  // namespace

void DisplaceMidpoint(THeightMap& map, int32_t roughness, TPoint target, TPoint a, TPoint b) {
  CheckCell(target);
  CheckCell(a);
  CheckCell(b);
  CheckRoughness(roughness);
  uint8_t& t = map[Index(target.x, target.y)];
  if (t != 0)
    return;  // set once; a shared edge belongs to whichever rectangle reaches it first
  const int32_t d = std::abs(a.x - b.x) + std::abs(a.y - b.y);
  const int32_t s = (map[Index(a.x, a.y)] + map[Index(b.x, b.y)]) * 50;
  const double r = Rng().Real();
  const auto n = static_cast<int32_t>(std::trunc((r * 10.0 - 5.0) * d * roughness));
  t = static_cast<uint8_t>(std::clamp((s + n) / 100, 1, 255));
}

void Subdivide(THeightMap& map, int32_t roughness, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  CheckCell({x0, y0});
  CheckCell({x1, y1});
  if (x1 - x0 < 2 && y1 - y0 < 2)
    return;
  const int32_t mx = (x0 + x1) / 2;
  const int32_t my = (y0 + y1) / 2;
  DisplaceMidpoint(map, roughness, {mx, y0}, {x0, y0}, {x1, y0});
  DisplaceMidpoint(map, roughness, {x1, my}, {x1, y0}, {x1, y1});
  DisplaceMidpoint(map, roughness, {mx, y1}, {x0, y1}, {x1, y1});
  DisplaceMidpoint(map, roughness, {x0, my}, {x0, y0}, {x0, y1});
  uint8_t& centre = map[Index(mx, my)];
  if (centre == 0)
    centre = static_cast<uint8_t>(
        (map[Index(x0, y0)] + map[Index(x1, y0)] + map[Index(x1, y1)] + map[Index(x0, y1)]) / 4);
  Subdivide(map, roughness, x0, y0, mx, my);
  Subdivide(map, roughness, mx, y0, x1, my);
  Subdivide(map, roughness, x0, my, mx, y1);
  Subdivide(map, roughness, mx, my, x1, y1);
}

void GenerateHeights(GeneratorState& state, int32_t width, int32_t height) {
  CheckMapSize(width, height);
  CheckRoughness(state.Roughness);
  THeightMap& map = state.HeightMap;
  map.fill(0);
  TRandom& rng = Rng();
  for (const TPoint corner :
       {TPoint{0, 0}, TPoint{width - 1, 0}, TPoint{width - 1, height - 1}, TPoint{0, height - 1}})
    map[Index(corner.x, corner.y)] = static_cast<uint8_t>(rng.Below(255) + 1);
  Subdivide(map, state.Roughness, 0, 0, width - 1, height - 1);
  state.TextureSeed = rng.Below(2147483647);
}

TCellCodes Classify(const GeneratorState& state, int32_t cols, int32_t rows) {
  CheckMapSize(cols, rows);
  TCellCodes codes{};
  const TTerrainSet& set = TerrainSetOf(state.TerrainType);
  const int32_t c = set.LandCount;
  TRandom& rng = Rng();
  rng.Seed = static_cast<uint32_t>(state.TextureSeed);
  for (int32_t y = 0; y < rows; ++y)
    for (int32_t x = 0; x < cols; ++x) {
      // Drawn for every cell, whatever its class, so that the land pictures
      // do not move when the borders move.
      const int32_t q = rng.Below(1000);
      const int32_t h = state.Height(x, y);
      uint8_t code;
      if (h == 0)
        code = CodeNone;
      else if (h <= state.Border0)
        code = CodeDeep;
      else if (h <= state.Border1)
        code = CodeMedium;
      else if (h <= state.Border2)
        code = CodeShallow;
      else if (!state.Textured)
        code = CodeLand;
      else if (state.TerrainType == 0)
        code = static_cast<uint8_t>(CodeLand + (h / 7 + x / 3 + y / 3 + q % 3) % c);
      else {
        const int32_t step = (255 - state.Border2) / c + 1;
        code = static_cast<uint8_t>(CodeLand + std::clamp((h - state.Border2) / step + q % 3 - 1, 0, c - 1));
      }
      codes[Index(x, y)] = code;
    }
  return codes;
}

TPoint PreviewSize(int32_t mapWidth, int32_t mapHeight) {
  return {3 * mapWidth, 9 * (mapHeight / 2) + 2};
}

TPreview DrawPreview(const TCellCodes& codes, int32_t mapWidth, int32_t mapHeight, uint8_t terrainType,
                     bool generated) {
  CheckMapSize(mapWidth, mapHeight);
  const TTerrainSet& set = TerrainSetOf(terrainType);
  TPreview p;
  const TPoint size = PreviewSize(mapWidth, mapHeight);
  p.Width = size.x;
  p.Height = size.y;
  p.Stride = (p.Width + 3) / 4 * 4;
  p.Pixels.assign(static_cast<size_t>(p.Stride * p.Height), PreviewBackground);
  if (!generated)
    return p;
  for (int32_t y = 0; y < mapHeight; ++y)
    for (int32_t x = 0; x < mapWidth; ++x) {
      const uint8_t code = codes[Index(x, y)];
      const uint8_t number = CodeNumber(code);
      uint8_t colour = PreviewUnknown;
      switch (CodeClass(code)) {
      case ccWater:
        if (number >= 1 && number <= 3)
          colour = set.WaterColours[number - 1u];
        break;
      case ccLand:
        colour = set.LandColour;
        break;
      case ccCoast:
        colour = set.WaterColours[0];
        break;
      default:
        break;
      }
      const int32_t top = 9 * (y / 2) + 4 * (y % 2) + 2 * (x % 2);
      // With an odd number of rows the last row's blocks reach below the
      // picture, whose height counts only pairs of rows; they are cut there.
      const int32_t bottom = std::min(top + 3 + y % 2, p.Height - 1);
      for (int32_t row = top; row <= bottom; ++row)
        std::fill_n(p.Pixels.begin() + row * p.Stride + 3 * x, 3, colour);
    }
  return p;
}

uint8_t LandMask(const TCellCodes& codes, int32_t width, int32_t height, int32_t x, int32_t y) {
  return LandMaskAround({x, y}, {width, height},
                        [&](TPoint n) { return CodeClass(codes[Index(n.x, n.y)]) == ccLand; });
}

bool ErodeCoasts(TCellCodes& codes, int32_t width, int32_t height) {
  CheckMapSize(width, height);
  bool anyChange = false;
  bool changed = true;
  while (changed) {
    changed = false;
    for (int32_t y = 0; y < height; ++y)
      for (int32_t x = 0; x < width; ++x) {
        if (CodeClass(codes[Index(x, y)]) != ccWater || IsCoastMask(LandMask(codes, width, height, x, y)))
          continue;
        for (int dir = 0; dir < 6; ++dir) {
          const TPoint n = Neighbour({x, y}, dir);
          if (Inside(n, width, height))
            codes[Index(n.x, n.y)] = CodeShallow;
        }
        changed = anyChange = true;
      }
  }
  return anyChange;
}

void PlaceCoastTiles(TCellCodes& codes, int32_t width, int32_t height) {
  CheckMapSize(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      uint8_t& code = codes[Index(x, y)];
      if (CodeClass(code) != ccWater)
        continue;
      const uint8_t mask = LandMask(codes, width, height, x, y);
      const uint8_t tile = CoastTileOfMask(mask);
      if (tile > 0)
        code = static_cast<uint8_t>(CodeCoast + tile);
      else if (mask != 0)
        ReportAnomaly("No coast picture for the land around cell " + CellName(x, y) + " (mask " +
                      std::to_string(mask) + ")");
    }
}

void PlaceCornerTiles(TCellCodes& codes, int32_t width, int32_t height) {
  CheckMapSize(width, height);
  const auto tileAt = [&](TPoint cell, int direction) -> uint8_t {
    const uint8_t code = CodeAt(codes, width, height, Neighbour(cell, direction));
    return CodeClass(code) == ccCoast ? CodeNumber(code) : 0;
  };
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      uint8_t& code = codes[Index(x, y)];
      if (CodeClass(code) != ccWater)
        continue;
      const TPoint cell{x, y};
      const uint8_t corner = CornerTileOf(tileAt(cell, dirUpperLeft), tileAt(cell, dirLowerLeft),
                                          tileAt(cell, dirLowerRight), tileAt(cell, dirUpperRight));
      if (corner != 0)
        code = static_cast<uint8_t>(CodeCoast + corner);
    }
}

void BuildCoasts(TCellCodes& codes, int32_t width, int32_t height) {
  ErodeCoasts(codes, width, height);
  PlaceCoastTiles(codes, width, height);
  PlaceCornerTiles(codes, width, height);
}

void TransferToMission(TCellCodes& codes, uint8_t terrainType, TMission& mission) {
  const TTerrainSet& set = TerrainSetOf(terrainType);
  const int32_t width = mission.Width, height = mission.Height;
  BuildCoasts(codes, width, height);
  // Every picture is looked up before the first cell is written, so a bad
  // code leaves the map as it was.
  std::array<int16_t, MaxMapSize * MaxMapSize> terrain{};
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      const uint8_t code = codes[Index(x, y)];
      const uint8_t number = CodeNumber(code);
      int16_t part = -1;
      switch (CodeClass(code)) {
      case ccNone:
        part = mission.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)].Terrain;
        break;
      case ccWater:
        if (number >= 1 && number <= 3)
          part = set.WaterParts[number - 1u];
        break;
      case ccLand:
        if (number < set.LandCount)
          part = set.LandParts[number];
        break;
      case ccCoast:
        if (number >= 1 && number <= 12)
          part = set.CoastParts[number - 1u];
        break;
      default:
        break;
      }
      if (part < 0 && CodeClass(code) != ccNone)
        throw ERangeError(
            Message(VH_TRANSLATE_NOOP("Error", "Generator code %1 of cell %2 has no terrain picture"), code,
                    CellName(x, y)));
      terrain[Index(x, y)] = part;
    }
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x)
      mission.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)].Terrain = terrain[Index(x, y)];
  mission.NoteChange();
}

}  // namespace vh
