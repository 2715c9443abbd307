#include "mission/Mission.h"

#include <string>

#include "base/Errors.h"
#include "mission/StdData.h"

namespace vh {

uint8_t SideToMask(uint8_t side) {
  return side < SideCount ? static_cast<uint8_t>(1u << side) : 0xFF;
}

uint8_t MaskToSide(uint8_t mask) {
  for (uint8_t s = 0; s < SideCount; ++s)
    if (mask == (1u << s))
      return s;
  return NoSide;
}

const char* ShopTypeName(uint8_t shopType) {
  static const char* const names[ShopTypeCount] = {
      VH_TRANSLATE_NOOP("Shop", "HQ"),      VH_TRANSLATE_NOOP("Shop", "Airport"),
      VH_TRANSLATE_NOOP("Shop", "Port"),    VH_TRANSLATE_NOOP("Shop", "Factory"),
      VH_TRANSLATE_NOOP("Shop", "Depot"),   VH_TRANSLATE_NOOP("Shop", "Town"),
      VH_TRANSLATE_NOOP("Shop", "Academy"), VH_TRANSLATE_NOOP("Shop", "Town 2")};
  return shopType < ShopTypeCount ? names[shopType] : "";
}

TMission::TMission() : MissHeader(StdMissionTemplate), Players(StdPlayers) {
  ClearDFCells();
}

static void CheckGridPos(TPoint p) {
  if (p.x < 0 || p.y < 0 || p.x >= MaxMapSize || p.y >= MaxMapSize)
    throw ERangeError(
        Message(VH_TRANSLATE_NOOP("Error", "Cell (%1, %2) is outside the 64 x 64 grid"), p.x, p.y));
}

TMissionCell& TMission::Cell(TPoint p) {
  CheckGridPos(p);
  return Cells[p.y][p.x];
}
const TMissionCell& TMission::Cell(TPoint p) const {
  CheckGridPos(p);
  return Cells[p.y][p.x];
}
TDFCell& TMission::DFCell(TPoint p) {
  CheckGridPos(p);
  return DFCells[p.y][p.x];
}

const TDFCell& TMission::DFCell(TPoint p) const {
  CheckGridPos(p);
  return DFCells[p.y][p.x];
}

namespace {

template <class T> T* SlotAt(TSlotList<T>& list, int16_t index) {
  auto i = static_cast<uint16_t>(index);
  if (i >= list.size() || !list[i])
    return nullptr;
  return &*list[i];
}

template <class T> int16_t TakeSlot(TSlotList<T>& list, T record) {
  size_t i = 0;
  while (i < list.size() && list[i])
    ++i;
  if (i > 0x7FFF)
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "Too many records: slot %1 is above 32767"), i));
  if (i == list.size())
    list.emplace_back(std::move(record));
  else
    list[i] = std::move(record);
  return static_cast<int16_t>(i);
}

template <class T> void FreeSlot(TSlotList<T>& list, int16_t& cellIndex) {
  if (cellIndex != -1) {
    auto i = static_cast<uint16_t>(cellIndex);
    if (i < list.size())
      list[i].reset();
  }
  cellIndex = -1;
}

}  // namespace

TArrShop* TMission::GetShop(int16_t index) {
  return SlotAt(Shops, index);
}
const TArrShop* TMission::GetShop(int16_t index) const {
  return SlotAt(const_cast<TSlotList<TArrShop>&>(Shops), index);
}
TVehContentRec* TMission::GetVehContent(int16_t index) {
  return SlotAt(VehContents, index);
}
const TVehContentRec* TMission::GetVehContent(int16_t index) const {
  return SlotAt(const_cast<TSlotList<TVehContentRec>&>(VehContents), index);
}
TAIPointRec* TMission::GetAIPoint(int16_t index) {
  return SlotAt(AIPoints, index);
}
const TAIPointRec* TMission::GetAIPoint(int16_t index) const {
  return SlotAt(const_cast<TSlotList<TAIPointRec>&>(AIPoints), index);
}

int16_t TMission::ShopIndexToNr(int16_t index) const {
  if (index == -1)
    return -1;
  auto last = static_cast<uint16_t>(index);
  int16_t count = 0;
  for (size_t i = 0; i <= last && i < Shops.size(); ++i)
    if (Shops[i])
      ++count;
  return static_cast<int16_t>(count - 1);
}

int16_t TMission::ShopNrToIndex(int16_t nr) const {
  if (nr == -1)
    return -1;
  int16_t seen = 0;
  for (size_t i = 0; i < Shops.size(); ++i) {
    if (!Shops[i])
      continue;
    if (seen == nr)
      return static_cast<int16_t>(i);
    ++seen;
  }
  throw ERangeError(Message(
      VH_TRANSLATE_NOOP("Error", "Shop number %1 out of range (the mission has %2 shops)"), nr, seen));
}

int32_t TMission::NewShop(TPoint pos) {
  TMissionCell& cell = Cell(pos);
  TArrShop shop;  // defaults: empty content and production, neutral town
  int16_t index = TakeSlot(Shops, shop);
  Shops[index]->Name = "Shop Nr. " + std::to_string(index);
  cell.Shop = index;
  NoteChange();
  return index;
}

int32_t TMission::NewVehContent(TPoint pos) {
  TMissionCell& cell = Cell(pos);
  cell.VehContent = TakeSlot(VehContents, TVehContentRec{});
  NoteChange();
  return cell.VehContent;
}

int32_t TMission::NewAIPoint(TPoint pos) {
  TMissionCell& cell = Cell(pos);
  cell.AIPoint = TakeSlot(AIPoints, TAIPointRec{});
  NoteChange();
  return cell.AIPoint;
}

void TMission::DeleteShop(TPoint pos) {
  TMissionCell& cell = Cell(pos);
  if (cell.Shop != -1)
    NoteChange();
  FreeSlot(Shops, cell.Shop);
}

void TMission::DeleteVehContent(TPoint pos) {
  TMissionCell& cell = Cell(pos);
  if (cell.VehContent != -1)
    NoteChange();
  FreeSlot(VehContents, cell.VehContent);
}

void TMission::DeleteAIPoint(TPoint pos) {
  TMissionCell& cell = Cell(pos);
  if (cell.AIPoint != -1)
    NoteChange();
  FreeSlot(AIPoints, cell.AIPoint);
}

bool TMission::FindShop(int16_t index, TPoint& pos) const {
  for (int32_t y = 0; y < Height; ++y)
    for (int32_t x = 0; x < Width; ++x)
      if (Cells[y][x].Shop == index) {
        pos = {x, y};
        return true;
      }
  return false;
}

void TMission::SetSize(TPoint size) {
  if (size.x < 0 || size.y < 0 || size.x > MaxMapSize || size.y > MaxMapSize)
    throw ERangeError(
        Message(VH_TRANSLATE_NOOP("Error", "Map size %1 x %2 is outside 0..64"), size.x, size.y));
  Width = size.x;
  Height = size.y;
  Blank = false;
  NoteChange();
}

void TMission::Clear(uint16_t filter) {
  if (filter & fbDFLayer) {
    for (int32_t y = 0; y < Height; ++y)
      for (int32_t x = 0; x < Width; ++x) {
        TDFCell& c = DFCells[y][x];
        if (filter & fbTerrain)
          c.Terrain = -1;
        if (filter & fbObjects)
          c.Obj = -2;
        if (filter & fbUnits) {
          c.Vehicle = NoUnit;
          c.VehOwner = NoSide;
        }
      }
  }
  if (filter & fbMap) {
    for (int32_t y = 0; y < Height; ++y)
      for (int32_t x = 0; x < Width; ++x) {
        TMissionCell& c = Cells[y][x];
        if (filter & fbTerrain)
          c.Terrain = -1;
        if (filter & fbObjects)
          c.Obj = -1;
        if (filter & fbUnits) {
          c.Vehicle = NoUnit;
          c.VehOwner = NoSide;
          FreeSlot(VehContents, c.VehContent);
        }
        if (filter & fbShops)
          FreeSlot(Shops, c.Shop);
      }
  }
  if (filter & (fbDFLayer | fbMap))
    NoteChange();
}

}  // namespace vh
