#include "cli/MissionJson.h"

#include <optional>
#include <span>
#include <vector>

#include "cli/CliCommon.h"
#include "cli/Json.h"
#include "mission/DFLayers.h"

namespace vh::cli {

namespace {

std::string Hex(std::span<const uint8_t> bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string s;
  s.reserve(bytes.size() * 2);
  for (uint8_t b : bytes) {
    s += digits[b >> 4];
    s += digits[b & 15];
  }
  return s;
}

template <class Range> void Numbers(JsonWriter& j, const Range& values) {
  j.BeginArray();
  for (auto v : values)
    j.Value(static_cast<int64_t>(v));
  j.EndArray();
}

void Side(JsonWriter& j, uint8_t side) {
  if (side == NoSide)
    j.Null();
  else
    j.Value(static_cast<int64_t>(side));
}

// The cell that names each slot of a list (the first in row order), as a
// save finds it; none for a slot no cell inside the map names.
template <class T>
std::vector<std::optional<TPoint>> NamingCells(const TMission& m, const TSlotList<T>& list,
                                               int16_t TMissionCell::*field) {
  std::vector<std::optional<TPoint>> cells(list.size());
  for (int32_t y = 0; y < m.Height; ++y)
    for (int32_t x = 0; x < m.Width; ++x) {
      const auto slot = static_cast<uint16_t>(m.Cells[y][x].*field);
      if (slot < cells.size() && !cells[slot])
        cells[slot] = TPoint{x, y};
    }
  return cells;
}

void Position(JsonWriter& j, const std::optional<TPoint>& cell) {
  if (cell) {
    j.Key("x").Value(cell->x).Key("y").Value(cell->y);
  } else {
    j.Key("x").Null().Key("y").Null();
  }
}

void Cells(JsonWriter& j, const TMission& m) {
  j.Key("cells").BeginArray();
  for (int y = 0; y < m.Height; ++y) {
    j.Newline().BeginArray();
    for (int x = 0; x < m.Width; ++x) {
      const TMissionCell& c = m.Cells[y][x];
      j.BeginObject();
      j.Key("terrain").Value(c.Terrain).Key("obj").Value(c.Obj);
      j.Key("vehicle").Value(static_cast<int64_t>(c.Vehicle)).Key("owner");
      Side(j, c.VehOwner);
      j.Key("content").Value(c.VehContent).Key("shop").Value(c.Shop).Key("aiPoint").Value(c.AIPoint);
      j.EndObject();
    }
    j.EndArray();
  }
  j.EndArray();
}

void Shops(JsonWriter& j, const TMission& m) {
  const auto cells = NamingCells(m, m.Shops, &TMissionCell::Shop);
  j.Key("shops").BeginArray();
  for (size_t i = 0; i < m.Shops.size(); ++i) {
    j.Newline();
    if (!m.Shops[i]) {
      j.Null();
      continue;
    }
    const TArrShop& s = *m.Shops[i];
    j.BeginObject();
    j.Key("nr").Value(s.Nr).Key("type").Value(static_cast<int64_t>(s.ShopType));
    j.Key("typeName").Value(ShopTypeName(s.ShopType));
    Position(j, cells[i]);
    j.Key("name").Value(Cp1252ToUtf8(s.Name));
    j.Key("energy").Value(s.Energy).Key("material").Value(s.Material);
    j.Key("ep").Value(static_cast<int64_t>(s.EP)).Key("mp").Value(static_cast<int64_t>(s.MP));
    j.Key("content");
    Numbers(j, s.Content);
    j.Key("produce");
    Numbers(j, s.Produce);
    j.Key("priority").Value(s.Priority).Key("owner").Value(static_cast<int64_t>(s.Owner));
    j.EndObject();
  }
  j.EndArray();
}

void Lists(JsonWriter& j, const TMission& m) {
  const auto cargoCells = NamingCells(m, m.VehContents, &TMissionCell::VehContent);
  j.Key("vehicleContents").BeginArray();
  for (size_t i = 0; i < m.VehContents.size(); ++i) {
    j.Newline();
    if (!m.VehContents[i]) {
      j.Null();
      continue;
    }
    j.BeginObject();
    Position(j, cargoCells[i]);
    j.Key("units");
    Numbers(j, m.VehContents[i]->Units);
    j.EndObject();
  }
  j.EndArray();
  const auto aiCells = NamingCells(m, m.AIPoints, &TMissionCell::AIPoint);
  j.Key("aiPoints").BeginArray();
  for (size_t i = 0; i < m.AIPoints.size(); ++i) {
    j.Newline();
    const auto& slot = m.AIPoints[i];
    if (!slot) {
      j.Null();
      continue;
    }
    j.BeginObject();
    Position(j, aiCells[i]);
    j.Key("ai1231").Value(static_cast<int64_t>(slot->AI1231)).Key("ai0A").Value(slot->AI0A);
    j.Key("ai48").Value(slot->AI48).Key("ai4A").Value(slot->AI4A).Key("ai4E").Value(slot->AI4E);
    j.EndObject();
  }
  j.EndArray();
}

void Layers(JsonWriter& j, const TMission& m) {
  // The selected layer's truth is its working grid; show that.
  j.Key("dfNr").Value(static_cast<int64_t>(m.DFNr));
  j.Key("dfLayers").BeginArray();
  for (int n = 0; n < DFLayerCount; ++n) {
    j.Newline().BeginArray();
    ByteStream stream = m.DFLayers[n];
    if (n == m.DFNr)
      stream = m.DFGridRecords();
    for (size_t at = 0; at + DFRecordSize <= stream.size(); at += DFRecordSize) {
      uint16_t code = GetU16(stream, at);
      j.BeginObject();
      j.Key("x").Value(code % MaxMapSize).Key("y").Value(code / MaxMapSize);
      j.Key("terrain").Value(GetI16(stream, at + 2)).Key("obj").Value(GetI16(stream, at + 4));
      j.Key("vehicle").Value(static_cast<int64_t>(stream[at + 6])).Key("owner");
      const uint8_t mask = stream[at + 7];
      Side(j, MaskToSide(mask));
      // An owner byte that is no side is kept as it stands.
      if (MaskToSide(mask) == NoSide && mask != SideToMask(NoSide))
        j.Key("ownerMask").Value(static_cast<int64_t>(mask));
      j.EndObject();
    }
    j.EndArray();
  }
  j.EndArray();
}

}  // namespace

std::string MissionToJson(const TMission& m) {
  JsonWriter j;
  j.BeginObject();
  j.Key("schemaVersion").Value(DumpSchemaVersion).Newline();
  j.Key("file").Value(PathText(m.FileName)).Newline();
  j.Key("namesFile").Value(PathText(m.NamesFileName)).Newline();
  j.Key("width").Value(m.Width).Key("height").Value(m.Height).Newline();
  j.Key("missionName").Value(Cp1252ToUtf8(m.MissionName)).Newline();
  j.Key("missionText").Value(Cp1252ToUtf8(m.MissionText)).Newline();
  j.Key("saveNames").Value(m.SaveNames).Newline();
  j.Key("settings").BeginObject();
  j.Key("nextMission").Value(m.NextMission).Key("startWeather").Value(static_cast<int64_t>(m.StartWeather));
  j.Key("compPlayers").Value(static_cast<int64_t>(m.CompPlayers)).Key("allies");
  Numbers(j, m.Allies);
  j.Key("missByte15").Value(static_cast<int64_t>(m.MissByte15));
  j.Key("missUsage").Value(static_cast<int64_t>(m.MissUsage)).Key("stdProd");
  Numbers(j, m.StdProd);
  j.EndObject().Newline();
  j.Key("players").BeginArray();
  for (const TPlayerInfo& p : m.Players)
    j.BeginObject()
        .Key("name")
        .Value(Cp1252ToUtf8(p.Name))
        .Key("color")
        .Value(static_cast<int64_t>(p.Color))
        .EndObject();
  j.EndArray().Newline();
  Cells(j, m);
  j.Newline();
  Shops(j, m);
  j.Newline();
  Lists(j, m);
  j.Newline();
  Layers(j, m);
  j.Newline();
  j.Key("mapRecords").Value(Hex(m.MapRecords)).Newline();
  j.Key("missHeader").Value(Hex(m.MissHeader));
  j.EndObject();
  return j.Text();
}

}  // namespace vh::cli
