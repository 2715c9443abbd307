#include "cli/MissionJson.h"

#include <span>

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

template <class Range>
void Numbers(JsonWriter& j, const Range& values) {
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
  j.Key("shops").BeginArray();
  for (const auto& slot : m.Shops) {
    j.Newline();
    if (!slot) {
      j.Null();
      continue;
    }
    const TArrShop& s = *slot;
    j.BeginObject();
    j.Key("nr").Value(s.Nr).Key("type").Value(static_cast<int64_t>(s.ShopType));
    j.Key("typeName").Value(ShopTypeName(s.ShopType));
    j.Key("x").Value(s.X).Key("y").Value(s.Y).Key("name").Value(Cp1252ToUtf8(s.Name));
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
  j.Key("vehicleContents").BeginArray();
  for (const auto& slot : m.VehContents) {
    j.Newline();
    if (slot)
      Numbers(j, slot->Units);
    else
      j.Null();
  }
  j.EndArray();
  j.Key("aiPoints").BeginArray();
  for (const auto& slot : m.AIPoints) {
    j.Newline();
    if (!slot) {
      j.Null();
      continue;
    }
    j.BeginObject();
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
      Side(j, MaskToSide(stream[at + 7]));
      j.EndObject();
    }
    j.EndArray();
  }
  j.EndArray();
}

} // namespace

std::string MissionToJson(const TMission& m) {
  JsonWriter j;
  j.BeginObject();
  j.Key("file").Value(Cp1252ToUtf8(m.FileName)).Newline();
  j.Key("namesFile").Value(Cp1252ToUtf8(m.NamesFileName)).Newline();
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
    j.BeginObject().Key("name").Value(Cp1252ToUtf8(p.Name)).Key("color").Value(static_cast<int64_t>(p.Color)).EndObject();
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

} // namespace vh::cli
