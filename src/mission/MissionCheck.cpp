#include "mission/MissionCheck.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

#include "base/Message.h"
#include "mission/DFLayers.h"
#include "mission/MissionFile.h"
#include "mission/ShopNames.h"
#include "mission/StdData.h"
#include "mission/TerrainSets.h"

namespace vh {

namespace {

struct KindInfo {
  TSeverity Severity;
  const char* Id;
  const char* Sentence;
};

constexpr std::array<KindInfo, CheckKindCount> kKinds{{
    {TSeverity::Warning, "load-anomaly", VH_TRANSLATE_NOOP("Check", "Tolerated while the file was read")},
    {TSeverity::Warning, "names-file-line",
     VH_TRANSLATE_NOOP("Check", "Line of the shop names file not in the form #KKKK:TTTT{text}")},
    {TSeverity::Warning, "no-terrain", VH_TRANSLATE_NOOP("Check", "Cell inside the map without terrain")},
    {TSeverity::Warning, "coast-without-picture",
     VH_TRANSLATE_NOOP("Check", "Water beside land that no coast picture fits")},
    {TSeverity::Warning, "shop-without-object",
     VH_TRANSLATE_NOOP("Check", "Shop on a cell without an object")},
    {TSeverity::Warning, "shop-without-cell",
     VH_TRANSLATE_NOOP("Check", "Shop record that no cell of the map holds")},
    {TSeverity::Warning, "duplicate-shop-name",
     VH_TRANSLATE_NOOP("Check", "Shop name used by more than one shop")},
    {TSeverity::Warning, "cargo-without-cell",
     VH_TRANSLATE_NOOP("Check", "Cargo record that no cell uses; a save drops it")},
    {TSeverity::Warning, "cargo-without-unit", VH_TRANSLATE_NOOP("Check", "Cargo on a cell without a unit")},
    {TSeverity::Warning, "ai-point-without-cell",
     VH_TRANSLATE_NOOP("Check", "AI point record that no cell uses; a save drops it")},
    {TSeverity::Warning, "ai-point-without-unit",
     VH_TRANSLATE_NOOP("Check", "AI point on a cell without a unit")},
    {TSeverity::Error, "broken-reference",
     VH_TRANSLATE_NOOP("Check", "Cell that names a missing record, or one another cell names too")},
    {TSeverity::Error, "unit-owner",
     VH_TRANSLATE_NOOP("Check", "Unit that belongs to none of the players or the neutral side")},
    {TSeverity::Error, "shop-owner",
     VH_TRANSLATE_NOOP("Check", "Shop that belongs to none of the players or the neutral side")},
    {TSeverity::Error, "player-name-length",
     VH_TRANSLATE_NOOP("Check", "Player name longer than 16 characters; loading cuts it")},
    {TSeverity::Warning, "change-outside-map",
     VH_TRANSLATE_NOOP("Check", "Change-layer cell outside the map size; a save drops it")},
    {TSeverity::Error, "file-limits",
     VH_TRANSLATE_NOOP("Check", "More than the mission file or its shop names file can hold")},
}};

const KindInfo& Info(TCheckKind kind) {
  return kKinds[static_cast<size_t>(kind)];
}

std::string SideName(int side) {
  return side == NeutralSide ? std::string("Neutral") : "Player " + std::to_string(side + 1);
}

// Collects places by kind while the map is walked once.
class Collector {
public:
  void Add(TCheckKind kind, TProblemPlace place) {
    places_[static_cast<size_t>(kind)].push_back(std::move(place));
  }
  void AddCell(TCheckKind kind, int32_t x, int32_t y, std::string detail = {}) {
    Add(kind, {TPoint{x, y}, 0, std::move(detail)});
  }
  TCheckReport Report() {
    TCheckReport report;
    for (TSeverity severity : {TSeverity::Error, TSeverity::Warning})
      for (int k = 0; k < CheckKindCount; ++k)
        if (!places_[k].empty() && kKinds[k].Severity == severity)
          report.Problems.push_back({static_cast<TCheckKind>(k), std::move(places_[k])});
    return report;
  }

private:
  std::array<std::vector<TProblemPlace>, CheckKindCount> places_;
};

// Which cells inside the map name each slot of one list; the first one is
// kept, later ones are reported as broken references.
class SlotUse {
public:
  explicit SlotUse(size_t slots) : firstCell_(slots, TPoint{-1, -1}) {}
  // False when the slot is out of the list or already named by another cell.
  bool Claim(int16_t index, TPoint cell, TPoint& earlier) {
    auto i = static_cast<uint16_t>(index);
    if (i >= firstCell_.size())
      return false;
    earlier = firstCell_[i];
    if (earlier.x >= 0)
      return false;
    firstCell_[i] = cell;
    return true;
  }
  bool Used(size_t slot) const { return firstCell_[slot].x >= 0; }
  TPoint Cell(size_t slot) const { return firstCell_[slot]; }

private:
  std::vector<TPoint> firstCell_;
};

std::string CellText(TPoint p) {
  return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
}

// A cell's index into one slot list: reports an empty or doubly named slot
// and says whether the record may be looked at further.
template <class T>
bool CheckReference(Collector& out, const TSlotList<T>& list, SlotUse& use, int16_t index, TPoint cell,
                    const char* what) {
  if (index == -1)
    return false;
  auto i = static_cast<uint16_t>(index);
  if (i >= list.size() || !list[i]) {
    out.AddCell(TCheckKind::BrokenReference, cell.x, cell.y,
                std::string(what) + " slot " + std::to_string(index) + " is empty");
    return false;
  }
  TPoint earlier;
  if (!use.Claim(index, cell, earlier)) {
    out.AddCell(TCheckKind::BrokenReference, cell.x, cell.y,
                std::string(what) + " slot " + std::to_string(index) + " is also named by " +
                    CellText(earlier));
    return false;
  }
  return true;
}

void CheckTexts(Collector& out, const TMission& m) {
  // The same rules refuse a save; the two kinds below have their own lines.
  for (const TNamesFault& fault : FindNamesFaults(m))
    if (fault.Kind != TNamesFaultKind::TooLong && fault.Kind != TNamesFaultKind::TooManyShops)
      out.Add(TCheckKind::FileLimits, {TPoint{-1, -1}, 0, NamesFaultText(fault)});
}

void CheckSizes(Collector& out, const TMission& m, size_t shops, size_t cargo, size_t aiPoints,
                size_t currentLayerChanges) {
  auto limit = [&out](std::string detail) {
    out.Add(TCheckKind::FileLimits, {TPoint{-1, -1}, 0, std::move(detail)});
  };
  const size_t records = shops + cargo + aiPoints;
  if (records > 0xFFFF)
    limit(std::to_string(records) + " shop, cargo and AI point records; the file holds at most 65535");
  if (shops > MaxNamedShops)
    limit(std::to_string(shops) + " shops; the shop names file keeps the names of at most " +
          std::to_string(MaxNamedShops));
  size_t size = DirectorySize + MissHeaderSize + 8 + 6 * size_t(m.Width) * size_t(m.Height) + 6 +
                ShopRecordSize * records + 4 + m.MapRecords.size();
  bool anyLayer = false;
  for (int layer = 0; layer < DFLayerCount; ++layer) {
    size_t bytes = layer == m.DFNr ? currentLayerChanges * DFRecordSize : m.DFLayers[layer].size();
    if (bytes > 0) {
      size += 4 + bytes;
      anyLayer = true;
    }
  }
  if (!anyLayer)
    size += 4 + StdDFStream.size();
  if (size > MaxMissionFileSize)
    limit("the mission file would take " + std::to_string(size) + " bytes; the editor reads at most " +
          std::to_string(MaxMissionFileSize));
}

void CheckChangeLayers(Collector& out, const TMission& m, size_t& currentLayerChanges) {
  // The working grid stands for the selected layer; its stream may be stale.
  currentLayerChanges = 0;
  const std::string current = "layer " + std::to_string(m.DFNr);
  for (int32_t y = 0; y < MaxMapSize; ++y)
    for (int32_t x = 0; x < MaxMapSize; ++x) {
      if (!m.DFCells[y][x].IsChange())
        continue;
      if (m.InMap({x, y}))
        ++currentLayerChanges;
      else
        out.AddCell(TCheckKind::ChangeOutsideMap, x, y, current);
    }
  for (int layer = 0; layer < DFLayerCount; ++layer) {
    if (layer == m.DFNr)
      continue;
    const ByteStream& s = m.DFLayers[layer];
    for (size_t at = 0; at + DFRecordSize <= s.size(); at += DFRecordSize) {
      const int code = s[at] | s[at + 1] << 8;
      const TPoint cell{code % MaxMapSize, code / MaxMapSize};
      if (!m.InMap(cell))
        out.AddCell(TCheckKind::ChangeOutsideMap, cell.x, cell.y, "layer " + std::to_string(layer));
    }
  }
}

}  // namespace

TSeverity CheckKindSeverity(TCheckKind kind) {
  return Info(kind).Severity;
}
const char* CheckKindId(TCheckKind kind) {
  return Info(kind).Id;
}
const char* CheckKindSentence(TCheckKind kind) {
  return Info(kind).Sentence;
}

int TCheckReport::Errors() const {
  int n = 0;
  for (const TProblem& p : Problems)
    if (p.Severity() == TSeverity::Error)
      n += static_cast<int>(p.Places.size());
  return n;
}

int TCheckReport::Warnings() const {
  int n = 0;
  for (const TProblem& p : Problems)
    if (p.Severity() == TSeverity::Warning)
      n += static_cast<int>(p.Places.size());
  return n;
}

const TProblem* TCheckReport::Find(TCheckKind kind) const {
  for (const TProblem& p : Problems)
    if (p.Kind == kind)
      return &p;
  return nullptr;
}

TCheckReport CheckMission(const TMission& m) {
  Collector out;
  for (const std::string& anomaly : m.LoadAnomalies)
    out.Add(TCheckKind::LoadAnomaly, {TPoint{-1, -1}, 0, anomaly});
  for (int line : m.NamesFileSkippedLines)
    out.Add(TCheckKind::NamesFileLine, {TPoint{-1, -1}, line, {}});

  SlotUse shopUse(m.Shops.size()), cargoUse(m.VehContents.size()), aiUse(m.AIPoints.size());
  size_t cargoCells = 0, aiCells = 0;
  const int32_t width = std::clamp(m.Width, 0, MaxMapSize), height = std::clamp(m.Height, 0, MaxMapSize);
  const auto isLand = [&m](TPoint p) {
    return TerrainKindOf(m.Cells[p.y][p.x].Terrain).Role == TTerrainRole::Land;
  };
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      const TMissionCell& c = m.Cells[y][x];
      const TPoint cell{x, y};
      const bool unit = c.Vehicle != NoUnit;
      if (c.Terrain == -1)
        out.AddCell(TCheckKind::NoTerrain, x, y);
      if (IsSea(TerrainKindOf(c.Terrain)) && !IsCoastMask(LandMaskAround(cell, {width, height}, isLand)))
        out.AddCell(TCheckKind::CoastWithoutPicture, x, y);
      if (unit && c.VehOwner >= SideCount)
        out.AddCell(TCheckKind::UnitOwner, x, y, "owner " + std::to_string(c.VehOwner));
      if (CheckReference(out, m.Shops, shopUse, c.Shop, cell, "shop")) {
        const TArrShop& shop = *m.Shops[static_cast<uint16_t>(c.Shop)];
        if (c.Obj == -1)
          out.AddCell(TCheckKind::ShopWithoutObject, x, y, shop.Name);
        if (shop.Owner >= SideCount)
          out.AddCell(TCheckKind::ShopOwner, x, y, shop.Name + ": owner " + std::to_string(shop.Owner));
      }
      if (CheckReference(out, m.VehContents, cargoUse, c.VehContent, cell, "cargo")) {
        ++cargoCells;
        if (!unit)
          out.AddCell(TCheckKind::CargoWithoutUnit, x, y);
      }
      if (CheckReference(out, m.AIPoints, aiUse, c.AIPoint, cell, "AI point")) {
        ++aiCells;
        if (!unit)
          out.AddCell(TCheckKind::AIPointWithoutUnit, x, y);
      }
    }

  size_t shops = 0;
  std::unordered_map<std::string_view, std::vector<size_t>> byName;
  for (size_t slot = 0; slot < m.Shops.size(); ++slot) {
    if (!m.Shops[slot])
      continue;
    const TArrShop& shop = *m.Shops[slot];
    ++shops;
    byName[shop.Name].push_back(slot);
    if (!shopUse.Used(slot)) {
      out.Add(TCheckKind::ShopWithoutCell,
              {TPoint{-1, -1}, 0, "slot " + std::to_string(slot) + ": " + shop.Name});
      if (shop.Owner >= SideCount)
        out.Add(TCheckKind::ShopOwner,
                {TPoint{-1, -1}, 0, shop.Name + ": owner " + std::to_string(shop.Owner)});
    }
  }
  {
    // Places in row order of the shops' cells, as every other kind.
    std::vector<TProblemPlace> twice;
    for (const auto& [name, slots] : byName)
      if (slots.size() > 1)
        for (size_t slot : slots)
          twice.push_back({shopUse.Used(slot) ? shopUse.Cell(slot) : TPoint{-1, -1}, 0, std::string(name)});
    std::sort(twice.begin(), twice.end(), [](const TProblemPlace& a, const TProblemPlace& b) {
      auto key = [](const TProblemPlace& p) { return std::pair(p.Cell.y, p.Cell.x); };
      return key(a) != key(b) ? key(a) < key(b) : a.Detail < b.Detail;
    });
    for (TProblemPlace& p : twice)
      out.Add(TCheckKind::DuplicateShopName, std::move(p));
  }
  for (size_t slot = 0; slot < m.VehContents.size(); ++slot)
    if (m.VehContents[slot] && !cargoUse.Used(slot))
      out.Add(TCheckKind::CargoWithoutCell, {TPoint{-1, -1}, 0, "slot " + std::to_string(slot)});
  for (size_t slot = 0; slot < m.AIPoints.size(); ++slot)
    if (m.AIPoints[slot] && !aiUse.Used(slot))
      out.Add(TCheckKind::AIPointWithoutCell, {TPoint{-1, -1}, 0, "slot " + std::to_string(slot)});

  // Only a player list that is written can come back cut.
  for (int side = 0; side < SideCount && m.SaveNames; ++side)
    if (m.Players[side].Name.size() > MaxPlayerNameLength)
      out.Add(TCheckKind::PlayerNameLength,
              {TPoint{-1, -1}, 0, SideName(side) + ": " + m.Players[side].Name});

  size_t currentLayerChanges = 0;
  CheckChangeLayers(out, m, currentLayerChanges);
  CheckTexts(out, m);
  CheckSizes(out, m, shops, cargoCells, aiCells, currentLayerChanges);
  return out.Report();
}

}  // namespace vh
