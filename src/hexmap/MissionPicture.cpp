#include "hexmap/MissionPicture.h"

#include <cstring>

#include "hexmap/HexGeometry.h"

namespace vh {

namespace {

constexpr int LineObjectLimit = 1275;  // every listed object number is below this

constexpr std::array<uint8_t, LineObjectLimit> MakeKindTable() {
  std::array<uint8_t, LineObjectLimit> table{};
  for (size_t k = 0; k < LineObjects.size(); ++k)
    for (int16_t obj : LineObjects[k])
      table[static_cast<size_t>(obj)] |= static_cast<uint8_t>(1u << k);
  for (int16_t obj : LineJoinObjects)
    table[static_cast<size_t>(obj)] |= LineJoinBit;
  return table;
}
constexpr std::array<uint8_t, LineObjectLimit> KindTable = MakeKindTable();

// The order in which a cell's line kinds are drawn over each other.
constexpr std::array<int, LayerKindCount> LineDrawOrder{1, 2, 0, 3};

constexpr unsigned Uncoloured = 0x100;  // no owner range: drawn as stored

// One layer of a cell: a picture and the owner whose colours it takes.
struct TLayer {
  const THexPicture* Picture = nullptr;  // nullptr: nothing to draw
  unsigned Owner = Uncoloured;
};

// Overlays with key 0 and recolours on the way. Recolouring never turns a
// pixel into 0 or 0 into anything else, so this equals recolouring a copy
// first and overlaying it after, without the copy.
void Overlay(THexPicture& dest, const TLayer& layer) {
  if (!layer.Picture)
    return;
  if (layer.Owner >= OwnerColourBase.size()) {
    OverlayPicture(dest, *layer.Picture, 0);
    return;
  }
  // Local copies of 16 bytes let the compiler use vector code (see
  // OverlayPicture).
  const uint8_t base = OwnerColourBase[layer.Owner];
  for (int i = 0; i < HexPixels; i += 16) {
    uint8_t s[16], d[16];
    std::memcpy(s, layer.Picture->Pixels.data() + i, 16);
    std::memcpy(d, dest.Pixels.data() + i, 16);
    for (int j = 0; j < 16; ++j) {
      const uint8_t v = static_cast<uint8_t>(s[j] - 1) < 7 ? static_cast<uint8_t>(s[j] + base) : s[j];
      d[j] = s[j] != 0 ? v : d[j];
    }
    std::memcpy(dest.Pixels.data() + i, d, 16);
  }
}

bool HasUnit(const TMissionCell& c) {
  return c.VehOwner != NoSide;
}
bool HasUnit(const TDFCell& c) {
  return c.Vehicle != NoUnit || c.VehOwner != NoSide;
}

// The pictures of the base map's cell: terrain, object and unit.
struct TBasePictures {
  const THexPicture* Terrain = nullptr;
  TLayer Object;
  TLayer Unit;
  THexPicture Lines;  // the joined line pictures of a line object
};

void ComputeBase(const TPictureSets& sets, const TMission& m, TPoint cell, TBasePictures& base) {
  const TMissionCell& c = m.Cells[static_cast<size_t>(cell.y)][static_cast<size_t>(cell.x)];
  base.Terrain = c.Terrain != -1 ? &sets.Part(c.Terrain) : &sets.BackgroundHex;

  if (c.Obj != -1) {
    const uint8_t kinds = LineObjectKinds(c.Obj) & LineKindMask;
    if (kinds != 0) {
      base.Lines = sets.EmptyHex;
      for (int k : LineDrawOrder)
        if (kinds & (1u << k))
          OverlayPicture(base.Lines,
                         sets.LayerPictures[static_cast<size_t>(k)][LineNeighbourMask(m, cell, k)], 0);
      base.Object.Picture = &base.Lines;
    } else {
      base.Object.Picture = &sets.Part(c.Obj);
    }
    if (c.Shop != -1)
      if (const TArrShop* shop = m.GetShop(c.Shop))
        base.Object.Owner = shop->Owner;
  }
  if (HasUnit(c))
    base.Unit = {&sets.Unit(c.Vehicle), c.VehOwner};
}

void DrawBaseCell(const TPictureSets& sets, const TMissionCell& c, const TBasePictures& base, uint16_t filter,
                  THexPicture& picture) {
  picture = FilterShows(filter, mfTerrain) ? *base.Terrain : sets.BackgroundHex;
  if (FilterShows(filter, mfObjects))
    Overlay(picture, base.Object);
  if (FilterShows(filter, mfUnits))
    Overlay(picture, base.Unit);
  if ((FilterShows(filter, mfShopMarks) && c.Shop != -1) ||
      (FilterShows(filter, mfContentMarks) && c.VehContent != -1) ||
      (FilterShows(filter, mfAIMarks) && c.AIPoint != -1))
    OverlayPicture(picture, sets.CellMark(), 0);  // all marks are the same picture
}

void DrawChangedCell(const TPictureSets& sets, const TMissionCell& c, const TDFCell& df,
                     const TBasePictures* base, uint16_t filter, THexPicture& picture) {
  if (FilterShows(filter, mfTerrain)) {
    if (df.Terrain != -1)
      OverlayPicture(picture, sets.Part(df.Terrain), 0);
    else if (base)
      OverlayPicture(picture, *base->Terrain, 0);
  }
  if (FilterShows(filter, mfObjects)) {
    if (df.Obj == -1)
      OverlayPicture(picture, sets.RemovedObjectMark(), 0);
    else if (df.Obj != -2)
      OverlayPicture(picture, sets.Part(df.Obj), 0);  // change layers join no lines
    else if (base)
      Overlay(picture, base->Object);
  }
  if (FilterShows(filter, mfUnits)) {
    if (HasUnit(df))
      Overlay(picture, {&sets.Unit(df.Vehicle), df.VehOwner});
    else if (base)
      Overlay(picture, base->Unit);
  }
  if (FilterShows(filter, mfShopMarks) && c.Shop != -1)
    OverlayPicture(picture, sets.CellMark(), 0);
  if (FilterShows(filter, mfContentMarks) && c.VehContent != -1)
    OverlayPicture(picture, sets.CellMark(), 0);
  if (FilterShows(filter, mfDFMarks))
    OverlayPicture(picture, sets.DFMark(), 0);
}

}  // namespace

uint8_t LineObjectKinds(int16_t obj) {
  return obj >= 0 && obj < LineObjectLimit ? KindTable[static_cast<size_t>(obj)] : 0;
}

uint8_t LineNeighbourMask(const TMission& mission, TPoint cell, int kind) {
  const uint8_t joins = static_cast<uint8_t>((1u << kind) | (kind == LineKindWithoutJoins ? 0 : LineJoinBit));
  const TPoint size{mission.Width, mission.Height};
  uint8_t mask = 0;
  for (int d = 0; d < DirectionCount; ++d) {
    const TPoint n = Neighbour(cell, d);
    if (IsInGrid(n, size) &&
        (LineObjectKinds(mission.Cells[static_cast<size_t>(n.y)][static_cast<size_t>(n.x)].Obj) & joins))
      mask = static_cast<uint8_t>(mask | (1u << d));
  }
  return mask;
}

void GetCellPicture(const TPictureSets& sets, const TMission& mission, uint16_t filter, TPoint cell,
                    THexPicture& picture) {
  picture = sets.BackgroundHex;
  if (!IsInGrid(cell, {MaxMapSize, MaxMapSize}))
    return;
  const TMissionCell& c = mission.Cells[static_cast<size_t>(cell.y)][static_cast<size_t>(cell.x)];
  const bool baseShown = FilterShows(filter, mfBaseMap);
  TBasePictures base;
  if (baseShown)
    ComputeBase(sets, mission, cell, base);

  if (FilterShows(filter, mfDFLayer)) {
    const TDFCell& df = mission.DFCells[static_cast<size_t>(cell.y)][static_cast<size_t>(cell.x)];
    if (df.IsChange())
      DrawChangedCell(sets, c, df, baseShown ? &base : nullptr, filter, picture);
    else if (baseShown)
      DrawBaseCell(sets, c, base, filter, picture);
  } else if (baseShown) {
    DrawBaseCell(sets, c, base, filter, picture);
  }
}

int CountMissingPictures(const TPictureSets& sets, const TMission& mission) {
  int count = 0;
  for (int y = 0; y < mission.Height && y < MaxMapSize; ++y)
    for (int x = 0; x < mission.Width && x < MaxMapSize; ++x) {
      const TMissionCell& c = mission.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)];
      const TDFCell& df = mission.DFCells[static_cast<size_t>(y)][static_cast<size_t>(x)];
      const bool baseMissing =
          (c.Terrain != -1 && !sets.HasPart(c.Terrain)) ||
          (c.Obj != -1 && (LineObjectKinds(c.Obj) & LineKindMask) == 0 && !sets.HasPart(c.Obj)) ||
          (HasUnit(c) && !sets.HasUnit(c.Vehicle));
      const bool dfMissing = (df.Terrain != -1 && !sets.HasPart(df.Terrain)) ||
                             (df.Obj != -1 && df.Obj != -2 && !sets.HasPart(df.Obj)) ||
                             (HasUnit(df) && !sets.HasUnit(df.Vehicle));
      count += (baseMissing || dfMissing) ? 1 : 0;
    }
  return count;
}

}  // namespace vh
