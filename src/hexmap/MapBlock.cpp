#include "hexmap/MapBlock.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <set>
#include <string>
#include <utility>

#include "base/Errors.h"
#include "hexmap/CellEditing.h"
#include "hexmap/MissionPicture.h"

namespace vh {

namespace {

int32_t FloorHalf(int32_t x) {
  return x >= 0 ? x / 2 : -((1 - x) / 2);
}

// Axial coordinates of an offset cell: odd columns sit half a cell lower, so
// a column's rows drift by half a row per column against the axial axis.
TPoint ToAxial(TPoint cell) {
  return {cell.x, cell.y - FloorHalf(cell.x)};
}
TPoint FromAxial(TPoint axial) {
  return {axial.x, axial.y + FloorHalf(axial.x)};
}

// The game reads every changed cell's object, so a change of terrain or unit
// must state one: "removed" where it said "unchanged".
void KeepObjectStated(TDFCell& d) {
  if (d.Obj == -2 && (d.Terrain != -1 || UnitCode(d) != NoUnitCode))
    d.Obj = -1;
}

void DropUnitRecords(TMission& mission, TPoint cell, bool& records) {
  TMissionCell& c = mission.Cell(cell);
  if (c.VehContent != -1) {
    mission.DeleteVehContent(cell);
    c.VehContent = -1;
    records = true;
  }
  if (c.AIPoint != -1) {
    mission.DeleteAIPoint(cell);
    c.AIPoint = -1;
    records = true;
  }
}

void DropShop(TMission& mission, TPoint cell, bool& records) {
  TMissionCell& c = mission.Cell(cell);
  if (c.Shop == -1)
    return;
  mission.DeleteShop(cell);
  c.Shop = -1;
  records = true;
}

void PlaceIntoBase(TMission& mission, const TMapBlock& block, const TBlockCell& from, TPoint at,
                   bool& records) {
  TMissionCell& c = mission.Cell(at);
  const bool fromChange = block.FromChangeLayer;
  if ((block.Kinds & bkTerrain) && !(fromChange && from.Terrain == -1))
    c.Terrain = from.Terrain;
  if ((block.Kinds & bkObjects) && !(fromChange && from.Obj == -2))
    c.Obj = from.Obj;
  if ((block.Kinds & bkUnits) && !(fromChange && from.Unit == NoUnitCode)) {
    DropUnitRecords(mission, at, records);
    SetUnitCode(c, from.Unit);
    if (from.Cargo) {
      *mission.GetVehContent(static_cast<int16_t>(mission.NewVehContent(at))) = *from.Cargo;
      records = true;
    }
    if (from.AIPoint) {
      *mission.GetAIPoint(static_cast<int16_t>(mission.NewAIPoint(at))) = *from.AIPoint;
      records = true;
    }
  }
  if (block.Kinds & bkShops) {
    DropShop(mission, at, records);
    if (from.Shop) {
      TArrShop& shop = *mission.GetShop(static_cast<int16_t>(mission.NewShop(at)));
      const int16_t nr = shop.Nr;
      shop = *from.Shop;
      shop.Nr = nr;
      shop.X = static_cast<int16_t>(at.x);
      shop.Y = static_cast<int16_t>(at.y);
      records = true;
    }
  }
}

void PlaceIntoChange(TMission& mission, const TMapBlock& block, const TBlockCell& from, TPoint at) {
  TDFCell& d = mission.DFCell(at);
  if (block.Kinds & bkTerrain)
    d.Terrain = from.Terrain;
  if (block.Kinds & bkObjects)
    d.Obj = from.Obj;
  if (block.Kinds & bkUnits)
    SetUnitCode(d, from.Unit);
  KeepObjectStated(d);
}

}  // namespace

TMapBlock CopyBlock(const TMission& mission, uint16_t filter, const TCellSet& selected) {
  TMapBlock block;
  const TShownLayer layer = ShownLayer(filter);
  if (layer == TShownLayer::None)
    return block;
  block.FromChangeLayer = layer == TShownLayer::Change;
  if (FilterShows(filter, mfTerrain))
    block.Kinds |= bkTerrain;
  if (FilterShows(filter, mfObjects))
    block.Kinds |= bkObjects;
  if (FilterShows(filter, mfUnits))
    block.Kinds |= bkUnits;
  if (FilterShows(filter, mfShopMarks) && layer == TShownLayer::Base)
    block.Kinds |= bkShops;

  std::vector<TPoint> cells = selected.Cells();
  std::erase_if(cells, [&](TPoint c) { return !mission.InMap(c); });
  if (cells.empty() || block.Kinds == 0)
    return {};

  // The anchor goes under the pointer when pasting: the cell nearest to the
  // middle of the selection, measured in half cells on the screen.
  int32_t minX = MaxMapSize, maxX = -1, minY2 = 4 * MaxMapSize, maxY2 = -1;
  const auto y2 = [](TPoint c) { return 2 * c.y + (c.x & 1); };
  for (TPoint c : cells) {
    minX = std::min(minX, c.x);
    maxX = std::max(maxX, c.x);
    minY2 = std::min(minY2, y2(c));
    maxY2 = std::max(maxY2, y2(c));
  }
  TPoint anchor = cells.front();
  int32_t best = std::numeric_limits<int32_t>::max();
  for (TPoint c : cells) {
    const int32_t dx = 2 * c.x - (minX + maxX), dy = 2 * y2(c) - (minY2 + maxY2);
    const int32_t distance = dx * dx + dy * dy;
    if (distance < best) {
      best = distance;
      anchor = c;
    }
  }

  const TPoint origin = ToAxial(anchor);
  for (TPoint c : cells) {
    const TPoint a = ToAxial(c);
    TBlockCell b;
    b.Q = static_cast<int16_t>(a.x - origin.x);
    b.R = static_cast<int16_t>(a.y - origin.y);
    if (block.FromChangeLayer) {
      const TDFCell& d = mission.DFCells[static_cast<size_t>(c.y)][static_cast<size_t>(c.x)];
      b.Terrain = (block.Kinds & bkTerrain) ? d.Terrain : -1;
      b.Obj = (block.Kinds & bkObjects) ? d.Obj : -2;
      b.Unit = (block.Kinds & bkUnits) ? UnitCode(d) : NoUnitCode;
    } else {
      const TMissionCell& m = mission.Cell(c);
      b.Terrain = (block.Kinds & bkTerrain) ? m.Terrain : -1;
      b.Obj = (block.Kinds & bkObjects) ? m.Obj : -1;
      if (block.Kinds & bkUnits) {
        b.Unit = UnitCode(m);
        if (const TVehContentRec* cargo = mission.GetVehContent(m.VehContent))
          b.Cargo = *cargo;
        if (const TAIPointRec* ai = mission.GetAIPoint(m.AIPoint))
          b.AIPoint = *ai;
      }
      if (block.Kinds & bkShops)
        if (const TArrShop* shop = mission.GetShop(m.Shop))
          b.Shop = *shop;
    }
    block.Cells.push_back(std::move(b));
  }
  return block;
}

std::vector<TPoint> BlockTargets(const TMapBlock& block, TPoint anchorCell) {
  const TPoint origin = ToAxial(anchorCell);
  std::vector<TPoint> targets;
  targets.reserve(block.Cells.size());
  for (const TBlockCell& c : block.Cells)
    targets.push_back(FromAxial({origin.x + c.Q, origin.y + c.R}));
  return targets;
}

void MirrorBlock(TMapBlock& block, bool horizontally) {
  // On the screen a cell's centre lies at column Q and half-row 2R + Q.
  for (TBlockCell& c : block.Cells) {
    const int32_t q = c.Q, r = c.R;
    if (horizontally) {
      c.Q = static_cast<int16_t>(-q);
      c.R = static_cast<int16_t>(r + q);
    } else {
      c.R = static_cast<int16_t>(-r - q);
    }
  }
}

namespace {

// Runs `edit(i, cell, records)` on each cell of `cells` inside the mission
// and reports the cells whose base or change-layer values it changed.
template <class F> TBlockEdit EditCells(TMission& mission, const std::vector<TPoint>& cells, F&& edit) {
  TBlockEdit result;
  for (size_t i = 0; i < cells.size(); ++i) {
    const TPoint at = cells[i];
    if (!mission.InMap(at))
      continue;
    const TMissionCell baseBefore = mission.Cell(at);
    const TDFCell changeBefore = mission.DFCell(at);
    edit(i, at, result.Records);
    if (!(mission.Cell(at) == baseBefore) || !(mission.DFCell(at) == changeBefore))
      result.Cells.push_back(at);
  }
  if (!result.Cells.empty() || result.Records)
    mission.NoteChange();
  return result;
}

}  // namespace

TBlockEdit PlaceBlock(TMission& mission, uint16_t filter, const TMapBlock& block, TPoint anchorCell) {
  const TShownLayer layer = ShownLayer(filter);
  if (layer == TShownLayer::None || block.Empty())
    return {};
  return EditCells(mission, BlockTargets(block, anchorCell), [&](size_t i, TPoint at, bool& records) {
    if (layer == TShownLayer::Base)
      PlaceIntoBase(mission, block, block.Cells[i], at, records);
    else
      PlaceIntoChange(mission, block, block.Cells[i], at);
  });
}

TBlockEdit DeleteCells(TMission& mission, uint16_t filter, const TCellSet& selected) {
  const TShownLayer layer = ShownLayer(filter);
  if (layer == TShownLayer::None)
    return {};
  const bool terrain = FilterShows(filter, mfTerrain), objects = FilterShows(filter, mfObjects),
             units = FilterShows(filter, mfUnits), shops = FilterShows(filter, mfShopMarks);
  return EditCells(mission, selected.Cells(), [&](size_t, TPoint at, bool& records) {
    if (layer == TShownLayer::Change) {
      TDFCell& d = mission.DFCell(at);
      if (terrain)
        d.Terrain = -1;
      if (objects)
        d.Obj = -2;
      if (units)
        SetUnitCode(d, NoUnitCode);
      KeepObjectStated(d);
      return;
    }
    TMissionCell& c = mission.Cell(at);
    if (terrain)
      c.Terrain = -1;
    if (objects)
      c.Obj = -1;
    if (units) {
      DropUnitRecords(mission, at, records);
      SetUnitCode(c, NoUnitCode);
    }
    if (shops)
      DropShop(mission, at, records);
  });
}

// --- Clipboard bytes ------------------------------------------------------------

namespace {

constexpr uint8_t BlockMagic[4] = {'V', 'H', 'M', 'B'};
constexpr uint16_t BlockVersion = 1;
// A block never spans more than the grid; a little room for mirroring.
constexpr int32_t MaxBlockOffset = 2 * MaxMapSize;
constexpr size_t MaxShopNameLength = 1024;

enum : uint8_t { cfCargo = 1, cfAIPoint = 2, cfShop = 4 };

void AppendShop(ByteStream& out, const TArrShop& s) {
  AppendU8(out, s.ShopType);
  AppendI16(out, s.Energy);
  AppendI16(out, s.Material);
  AppendU8(out, s.EP);
  AppendU8(out, s.MP);
  for (int16_t v : s.Content)
    AppendI16(out, v);
  for (int16_t v : s.Produce)
    AppendI16(out, v);
  AppendI16(out, s.Priority);
  AppendU8(out, s.Owner);
  AppendU16(out, static_cast<uint16_t>(s.Name.size()));
  AppendText(out, s.Name);
}

TArrShop ReadShop(ByteReader& in) {
  TArrShop s;
  s.ShopType = in.U8();
  s.Energy = in.I16();
  s.Material = in.I16();
  s.EP = in.U8();
  s.MP = in.U8();
  for (int16_t& v : s.Content)
    v = in.I16();
  for (int16_t& v : s.Produce)
    v = in.I16();
  s.Priority = in.I16();
  s.Owner = in.U8();
  const uint16_t length = in.U16();
  if (length > MaxShopNameLength)
    in.Fail("a shop name of " + std::to_string(length) + " bytes");
  std::span<const uint8_t> name = in.Bytes(length);
  // The names file keeps one name a line.
  if (std::any_of(name.begin(), name.end(), [](uint8_t b) { return b < 32; }))
    in.Fail("a shop name holds control characters");
  s.Name.assign(name.begin(), name.end());
  return s;
}

}  // namespace

ByteStream EncodeBlock(const TMapBlock& block) {
  ByteStream out(std::begin(BlockMagic), std::end(BlockMagic));
  AppendU16(out, BlockVersion);
  AppendU8(out, block.Kinds);
  AppendU8(out, block.FromChangeLayer ? 1 : 0);
  AppendU16(out, static_cast<uint16_t>(block.Cells.size()));
  for (const TBlockCell& c : block.Cells) {
    AppendI16(out, c.Q);
    AppendI16(out, c.R);
    AppendI16(out, c.Terrain);
    AppendI16(out, c.Obj);
    AppendU16(out, c.Unit);
    AppendU8(out, static_cast<uint8_t>((c.Cargo ? cfCargo : 0) | (c.AIPoint ? cfAIPoint : 0) |
                                       (c.Shop ? cfShop : 0)));
    if (c.Cargo)
      for (int16_t u : c.Cargo->Units)
        AppendI16(out, u);
    if (c.AIPoint) {
      AppendU8(out, c.AIPoint->AI1231);
      AppendU16(out, c.AIPoint->AI0A);
      AppendU16(out, c.AIPoint->AI48);
      AppendU16(out, c.AIPoint->AI4A);
      AppendU16(out, c.AIPoint->AI4E);
    }
    if (c.Shop)
      AppendShop(out, *c.Shop);
  }
  return out;
}

TMapBlock DecodeBlock(std::span<const uint8_t> data) {
  ByteReader in(data, "map block from the clipboard");
  if (!std::equal(std::begin(BlockMagic), std::end(BlockMagic), in.Bytes(4).begin()))
    in.Fail("it is not a map block");
  if (const uint16_t version = in.U16(); version != BlockVersion)
    in.Fail("version " + std::to_string(version) + " is not " + std::to_string(BlockVersion));
  TMapBlock block;
  block.Kinds = in.U8();
  if (block.Kinds == 0 || (block.Kinds & ~AllBlockKinds))
    in.Fail("unknown contents " + std::to_string(block.Kinds));
  const uint8_t layer = in.U8();
  if (layer > 1)
    in.Fail("unknown layer " + std::to_string(layer));
  block.FromChangeLayer = layer == 1;
  if (block.FromChangeLayer && (block.Kinds & bkShops))
    in.Fail("shops from a change layer");
  const uint16_t count = in.U16();
  if (count == 0 || count > MaxMapSize * MaxMapSize)
    in.Fail(std::to_string(count) + " cells");
  std::set<std::pair<int16_t, int16_t>> seen;
  block.Cells.reserve(count);
  for (uint16_t i = 0; i < count; ++i) {
    TBlockCell c;
    c.Q = in.I16();
    c.R = in.I16();
    if (std::abs(c.Q) > MaxBlockOffset || std::abs(c.R) > MaxBlockOffset)
      in.Fail("a cell lies too far from the anchor");
    if (!seen.insert({c.Q, c.R}).second)
      in.Fail("two cells share a place");
    c.Terrain = in.I16();
    c.Obj = in.I16();
    c.Unit = in.U16();
    if (c.Terrain < -1 || c.Obj < (block.FromChangeLayer ? -2 : -1))
      in.Fail("a picture number out of range");
    const uint8_t flags = in.U8();
    if (flags & ~(cfCargo | cfAIPoint | cfShop))
      in.Fail("unknown cell flags");
    const bool unitRecords = !block.FromChangeLayer && (block.Kinds & bkUnits) && c.Unit != NoUnitCode;
    if ((flags & (cfCargo | cfAIPoint)) && !unitRecords)
      in.Fail("cargo or an AI point without a unit");
    if ((flags & cfShop) && !(block.Kinds & bkShops))
      in.Fail("a shop in a block without shops");
    if (flags & cfCargo) {
      TVehContentRec cargo;
      for (int16_t& u : cargo.Units)
        u = in.I16();
      c.Cargo = cargo;
    }
    if (flags & cfAIPoint) {
      TAIPointRec ai;
      ai.AI1231 = in.U8();
      ai.AI0A = in.U16();
      ai.AI48 = in.U16();
      ai.AI4A = in.U16();
      ai.AI4E = in.U16();
      c.AIPoint = ai;
    }
    if (flags & cfShop)
      c.Shop = ReadShop(in);
    block.Cells.push_back(std::move(c));
  }
  if (in.Remaining() != 0)
    in.Fail(std::to_string(in.Remaining()) + " bytes after the block");
  return block;
}

}  // namespace vh
