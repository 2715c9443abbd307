#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/ByteIO.h"

namespace vh {

constexpr int MaxMapSize = 64;    // the grid is always 64 x 64; Width/Height cells are in use
constexpr int DFLayerCount = 32;  // change layers 0..31
constexpr int SideCount = 7;      // players 0..5 and neutral 6
constexpr int NeutralSide = 6;
constexpr int PlayerCount = 6;
constexpr int MissHeaderSize = 332;  // the MISS block
constexpr int UnitTypeCount = 64;
constexpr uint8_t NoUnit = 0xFF;
constexpr uint8_t NoSide = 0xFF;

struct TPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Position code of a cell as stored in files: y * 64 + x.
inline uint16_t PosCode(int32_t x, int32_t y) {
  return static_cast<uint16_t>(y * MaxMapSize + x);
}

// Owner mask of files: a single bit 1 << side, 0xFF for no side.
uint8_t SideToMask(uint8_t side);
uint8_t MaskToSide(uint8_t mask);

struct TMissionCell {
  int16_t Terrain = -1;
  int16_t Obj = -1;
  uint8_t Vehicle = NoUnit;
  uint8_t VehOwner = NoSide;
  int16_t VehContent = -1;
  int16_t Shop = -1;
  int16_t AIPoint = -1;
  friend bool operator==(const TMissionCell&, const TMissionCell&) = default;
};

struct TDFCell {
  int16_t Terrain = -1;  // -1: terrain unchanged
  int16_t Obj = -2;      // -1: object removed, -2: unchanged
  uint8_t Vehicle = NoUnit;
  uint8_t VehOwner = NoSide;  // both 0xFF: unit unchanged
  friend bool operator==(const TDFCell&, const TDFCell&) = default;
  bool IsChange() const { return !(*this == TDFCell{}); }
};

inline constexpr TDFCell NoChangeDFCell{};

enum TShopType : uint8_t {
  stHQ = 0,
  stAirport,
  stPort,
  stFactory,
  stDepot,
  stTown,
  stAcademy,
  stTown2,
  stUnknown = 255,
};
constexpr int ShopTypeCount = 8;
const char* ShopTypeName(uint8_t shopType);  // "HQ" .. "Town 2"; "" for an unknown type

struct TArrShop {
  int16_t Nr = 0;
  uint8_t ShopType = stTown;
  int16_t X = 0;
  int16_t Y = 0;
  std::string Name;
  int16_t Energy = 0;
  int16_t Material = 0;
  uint8_t EP = 0;
  uint8_t MP = 0;
  std::array<int16_t, 16> Content{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  std::array<int16_t, 4> Produce{-1, -1, -1, -1};
  int16_t Priority = 0;
  uint8_t Owner = NeutralSide;
  friend bool operator==(const TArrShop&, const TArrShop&) = default;
};

struct TVehContentRec {
  std::array<int16_t, 8> Units{-1, -1, -1, -1, -1, -1, -1, -1};
  friend bool operator==(const TVehContentRec&, const TVehContentRec&) = default;
};

struct TAIPointRec {
  uint8_t AI1231 = 0;
  uint16_t AI0A = 0;
  uint16_t AI48 = 0;
  uint16_t AI4A = 0;
  uint16_t AI4E = 0;
  friend bool operator==(const TAIPointRec&, const TAIPointRec&) = default;
};

struct TPlayerInfo {
  std::string Name;  // at most 16 characters
  uint8_t Color = 0;
  friend bool operator==(const TPlayerInfo&, const TPlayerInfo&) = default;
};

using TPlayers = std::array<TPlayerInfo, SideCount>;
using TMissHeader = std::array<uint8_t, MissHeaderSize>;
using TCellGrid = std::array<std::array<TMissionCell, MaxMapSize>, MaxMapSize>;
using TDFGrid = std::array<std::array<TDFCell, MaxMapSize>, MaxMapSize>;

// Slot lists keep empty slots after a delete so that the indices cells hold
// stay valid; a new record takes the lowest empty slot.
template <class T> using TSlotList = std::vector<std::optional<T>>;

// Bits of the map view's display-flag word that Clear understands.
enum TFilterBits : uint16_t {
  fbTerrain = 1 << 0,
  fbObjects = 1 << 1,
  fbUnits = 1 << 2,
  fbShops = 1 << 3,
  fbMap = 1 << 6,
  fbDFLayer = 1 << 7,
};

class TMission {
public:
  // Copies the process-wide standard MISS block and player table.
  TMission();

  TSlotList<TArrShop> Shops;
  TSlotList<TVehContentRec> VehContents;
  TSlotList<TAIPointRec> AIPoints;
  ByteStream MapRecords;
  std::array<ByteStream, DFLayerCount> DFLayers;
  TMissHeader MissHeader{};
  int32_t Width = 0;
  int32_t Height = 0;
  TCellGrid Cells;
  TDFGrid DFCells;
  uint8_t DFNr = 0;
  uint8_t MissUsage = 0;  // 0 keep, 1 from stdmiss.dat, 2 zero
  std::string MissionText;
  std::string MissionName;
  bool SaveNames = false;
  bool Blank = true;
  std::array<int16_t, UnitTypeCount> StdProd{};
  uint8_t CompPlayers = 0;
  std::array<uint8_t, PlayerCount> Allies{};
  uint8_t MissByte15 = 0;
  uint8_t StartWeather = 0;
  TPlayers Players;
  uint16_t NextMission = 0;
  std::string FileName;
  std::string NamesFileName;

  // What LoadFromFile tolerated, kept for the mission check: the anomalies in
  // the order they were met, and the lines of the shop names file (from 1)
  // that are neither entries nor blank. A save empties both.
  std::vector<std::string> LoadAnomalies;
  std::vector<int> NamesFileSkippedLines;

  // Counts the named edit operations below (and those the views add); a view
  // compares it with the value at the last save to know about unsaved work.
  uint64_t ChangeCount = 0;
  void NoteChange() { ++ChangeCount; }

  TMissionCell& Cell(TPoint p);
  const TMissionCell& Cell(TPoint p) const;
  TDFCell& DFCell(TPoint p);
  const TDFCell& DFCell(TPoint p) const;
  bool InMap(TPoint p) const { return p.x >= 0 && p.y >= 0 && p.x < Width && p.y < Height; }

  int32_t ShopCount() const { return static_cast<int32_t>(Shops.size()); }
  TArrShop* GetShop(int16_t index);
  const TArrShop* GetShop(int16_t index) const;
  TVehContentRec* GetVehContent(int16_t index);
  const TVehContentRec* GetVehContent(int16_t index) const;
  TAIPointRec* GetAIPoint(int16_t index);
  const TAIPointRec* GetAIPoint(int16_t index) const;

  int16_t ShopIndexToNr(int16_t index) const;
  int16_t ShopNrToIndex(int16_t nr) const;

  int32_t NewShop(TPoint pos);
  int32_t NewVehContent(TPoint pos);
  int32_t NewAIPoint(TPoint pos);
  void DeleteShop(TPoint pos);
  void DeleteVehContent(TPoint pos);
  void DeleteAIPoint(TPoint pos);
  bool FindShop(int16_t index, TPoint& pos) const;

  void SetSize(TPoint size);
  void Clear(uint16_t filter);

  // Mission file and its shop names file. LoadFromFile runs once, on a fresh
  // mission; it clears Blank even when it fails. With `defaultNames` the
  // shop names file is not read (it is missing): shops are named "Shop Nr. N",
  // the players are the standard ones, and the next save writes a new file.
  void LoadFromFile(const std::string& fileName, bool defaultNames = false);
  void SaveToFile();
  void SaveAs(const std::string& fileName);

  // Change layers.
  void ClearDFCells();
  void StoreDFLayer();
  // The change records of the working grid, as StoreDFLayer stores them.
  ByteStream DFGridRecords() const;
  void LoadDFLayer(uint8_t nr);
  bool SelectDFLayer(uint8_t nr);
};

}  // namespace vh
