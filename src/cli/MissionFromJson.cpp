// load: a dump's JSON back into the model. Whatever the mission file or its
// shop names file could not hold, or would read back as something else, is
// refused with the path of the field, before anything is written.
#include <array>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "base/Errors.h"
#include "cli/CliCommon.h"
#include "cli/MissionJson.h"
#include "mission/DFLayers.h"
#include "mission/MissionFile.h"
#include "mission/ShopNames.h"
#include "mission/StdData.h"

namespace vh::cli {

namespace {

using nlohmann::json;

[[noreturn]] void Fail(const std::string& path, const std::string& why) {
  throw EVhError((path.empty() ? std::string("the document") : path) + ": " + why);
}

std::string Member(const std::string& path, const std::string& key) {
  return path.empty() ? key : path + "." + key;
}
std::string Item(const std::string& path, size_t i) {
  return path + "[" + std::to_string(i) + "]";
}

std::string Cell(int64_t x, int64_t y) {
  return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

// An object with every key of `required`, any of `optional` and no other.
void Keys(const json& v, const std::string& path, std::initializer_list<const char*> required,
          std::initializer_list<const char*> optional = {}) {
  if (!v.is_object())
    Fail(path, std::string("an object is needed, not ") + v.type_name());
  for (auto it = v.begin(); it != v.end(); ++it) {
    bool known = false;
    for (auto list : {required, optional})
      for (const char* key : list)
        known = known || it.key() == key;
    if (!known)
      Fail(Member(path, it.key()), "no such field in a dump of version " + std::to_string(DumpSchemaVersion));
  }
  for (const char* key : required)
    if (!v.contains(key))
      Fail(Member(path, key), "missing");
}

const json& Array(const json& v, const std::string& path, std::optional<size_t> size = std::nullopt) {
  if (!v.is_array())
    Fail(path, std::string("an array is needed, not ") + v.type_name());
  if (size && v.size() != *size)
    Fail(path, std::to_string(*size) + " entries are needed, not " + std::to_string(v.size()));
  return v;
}

int64_t Int(const json& v, const std::string& path, int64_t lo, int64_t hi, const char* range = nullptr) {
  if (!v.is_number_integer())
    Fail(path, std::string("a whole number is needed, not ") + (v.is_number() ? v.dump() : v.type_name()));
  const bool huge =
      v.is_number_unsigned() && v.get<uint64_t>() > uint64_t(std::numeric_limits<int64_t>::max());
  const int64_t n = huge ? std::numeric_limits<int64_t>::max() : v.get<int64_t>();
  if (huge || n < lo || n > hi)
    Fail(path, v.dump() + " is outside " +
                   (range ? std::string(range) : std::to_string(lo) + ".." + std::to_string(hi)));
  return n;
}

int16_t Int16(const json& v, const std::string& path) {
  return static_cast<int16_t>(Int(v, path, -32768, 32767));
}
uint8_t Byte(const json& v, const std::string& path) {
  return static_cast<uint8_t>(Int(v, path, 0, 255));
}
uint16_t Word(const json& v, const std::string& path) {
  return static_cast<uint16_t>(Int(v, path, 0, 65535));
}

// A side 0..6, or null for none.
uint8_t Owner(const json& v, const std::string& path) {
  return v.is_null() ? NoSide : static_cast<uint8_t>(Int(v, path, 0, SideCount - 1, "0..6 (null: none)"));
}

bool Bool(const json& v, const std::string& path) {
  if (!v.is_boolean())
    Fail(path, std::string("true or false is needed, not ") + v.type_name());
  return v.get<bool>();
}

std::string Text(const json& v, const std::string& path) {
  if (!v.is_string())
    Fail(path, std::string("a string is needed, not ") + v.type_name());
  std::string out;
  long bad = 0;
  if (!Utf8ToCp1252(v.get_ref<const std::string&>(), out, bad)) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04lX", static_cast<unsigned long>(bad));
    Fail(path, bad < 0 ? std::string("no valid UTF-8")
                       : std::string(code) + " is not in code page 1252, which the mission's texts use");
  }
  return out;
}

// A text of the shop names file, refused when it would read back otherwise.
std::string NamesText(const json& v, const std::string& path, TNamesText role) {
  std::string text = Text(v, path);
  if (auto fault = NamesTextFault(text, role))
    Fail(path, "the shop names file cannot hold it: it " + MessageText(NamesFaultReason(*fault)));
  return text;
}

template <size_t N> std::array<int16_t, N> Int16s(const json& v, const std::string& path) {
  Array(v, path, N);
  std::array<int16_t, N> out{};
  for (size_t i = 0; i < N; ++i)
    out[i] = Int16(v[i], Item(path, i));
  return out;
}

ByteStream Hex(const json& v, const std::string& path) {
  if (!v.is_string())
    Fail(path, std::string("a string of hexadecimal digits is needed, not ") + v.type_name());
  const std::string& s = v.get_ref<const std::string&>();
  auto digit = [&](size_t i) {
    const char c = s[i];
    const int d = c >= '0' && c <= '9'   ? c - '0'
                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                         : -1;
    if (d < 0)
      Fail(path, "character " + std::to_string(i) + " is no hexadecimal digit");
    return d;
  };
  if (s.size() % 2 != 0)
    Fail(path, "an even number of hexadecimal digits is needed, two per byte");
  ByteStream bytes(s.size() / 2);
  for (size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<uint8_t>(digit(2 * i) << 4 | digit(2 * i + 1));
  return bytes;
}

// Which cell names each slot of a list; a slot named twice, empty or beyond
// the list is refused, as the file keeps one cell per record.
class SlotNames {
public:
  SlotNames(const char* what, const std::string& listPath, size_t slots)
      : what_(what), listPath_(listPath), cells_(slots) {}
  template <class T>
  int16_t Claim(const TSlotList<T>& list, const json& v, const std::string& path, TPoint cell) {
    const auto index = static_cast<int16_t>(Int(v, path, -1, 32767, "-1..32767 (-1: none)"));
    if (index == -1)
      return index;
    const auto slot = static_cast<size_t>(index);
    if (slot >= list.size())
      Fail(path, std::string("there is no ") + what_ + " " + std::to_string(slot) + " (" + listPath_ +
                     " has " + std::to_string(list.size()) + ")");
    if (!list[slot])
      Fail(path, Item(listPath_, slot) + " is null");
    if (cells_[slot])
      Fail(path, Item(listPath_, slot) + " is named by cells[" + std::to_string(cells_[slot]->y) + "][" +
                     std::to_string(cells_[slot]->x) + "] too; a record stands on one cell");
    cells_[slot] = cell;
    return index;
  }
  const std::optional<TPoint>& CellOf(size_t slot) const { return cells_[slot]; }
  // x and y of a record, when given, must say the cell that names it.
  void CheckPosition(const json& record, const std::string& path, size_t slot) const {
    if (!record.contains("x") && !record.contains("y"))
      return;
    for (const char* key : {"x", "y"})
      if (!record.contains(key))
        Fail(Member(path, key), "missing; give x and y together, or neither");
    const json &x = record["x"], &y = record["y"];
    const std::optional<TPoint>& cell = cells_[slot];
    if (x.is_null() != y.is_null())
      Fail(Member(path, "x"), "x and y are both null (no cell names the record) or both numbers");
    if (x.is_null()) {
      if (cell)
        Fail(Member(path, "x"), "null, but cells[" + std::to_string(cell->y) + "][" +
                                    std::to_string(cell->x) + "] names the record: it stands on " +
                                    Cell(cell->x, cell->y));
      return;
    }
    const int64_t cx = Int(x, Member(path, "x"), 0, MaxMapSize - 1),
                  cy = Int(y, Member(path, "y"), 0, MaxMapSize - 1);
    if (!cell)
      Fail(Member(path, "x"), "no cell names the record, so it stands nowhere; x and y are null then");
    if (cell->x != cx || cell->y != cy)
      Fail(Member(path, "x"), Cell(cx, cy) + ", but cells[" + std::to_string(cell->y) + "][" +
                                  std::to_string(cell->x) + "] names the record: it stands on " +
                                  Cell(cell->x, cell->y) + " (the cells decide)");
  }

private:
  const char* what_;
  std::string listPath_;
  std::vector<std::optional<TPoint>> cells_;
};

void ReadSettings(TMission& m, const json& v) {
  const std::string path = "settings";
  Keys(v, path,
       {"nextMission", "startWeather", "compPlayers", "allies", "missByte15", "missUsage", "stdProd"});
  m.NextMission = Word(v["nextMission"], Member(path, "nextMission"));
  m.StartWeather = Byte(v["startWeather"], Member(path, "startWeather"));
  m.CompPlayers = Byte(v["compPlayers"], Member(path, "compPlayers"));
  const json& allies = Array(v["allies"], Member(path, "allies"), PlayerCount);
  for (size_t i = 0; i < PlayerCount; ++i)
    m.Allies[i] = Byte(allies[i], Item(Member(path, "allies"), i));
  m.MissByte15 = Byte(v["missByte15"], Member(path, "missByte15"));
  m.MissUsage = static_cast<uint8_t>(
      Int(v["missUsage"], Member(path, "missUsage"), 0, 2, "0..2 (0 keep, 1 from stdmiss.dat, 2 zero)"));
  const json& prod = Array(v["stdProd"], Member(path, "stdProd"), UnitTypeCount);
  for (size_t i = 0; i < UnitTypeCount; ++i)
    m.StdProd[i] = static_cast<int16_t>(
        Int(prod[i], Item(Member(path, "stdProd"), i), 0, 3, "0..3 (a load keeps bits 0 and 1 only)"));
}

void ReadPlayers(TMission& m, const json& v) {
  Array(v, "players", SideCount);
  for (size_t side = 0; side < SideCount; ++side) {
    const std::string path = Item("players", side);
    Keys(v[side], path, {"name", "color"});
    TPlayerInfo& p = m.Players[side];
    p.Name = m.SaveNames ? NamesText(v[side]["name"], Member(path, "name"), TNamesText::PlayerName)
                         : Text(v[side]["name"], Member(path, "name"));
    p.Color = Byte(v[side]["color"], Member(path, "color"));
    if (!m.SaveNames && !(p == StdPlayers[side]))
      Fail(path, "the shop names file keeps the players only with \"saveNames\": true; without it they read "
                 "back as the standard players");
  }
}

void ReadShops(TMission& m, const json& v) {
  Array(v, "shops");
  if (v.size() > 32768)
    Fail("shops", "at most 32768 slots, as cells name them by number 0..32767");
  for (size_t i = 0; i < v.size(); ++i) {
    const std::string path = Item("shops", i);
    if (v[i].is_null()) {
      m.Shops.emplace_back();
      continue;
    }
    const json& j = v[i];
    Keys(j, path,
         {"type", "name", "energy", "material", "ep", "mp", "content", "produce", "priority", "owner"},
         {"nr", "typeName", "x", "y"});
    TArrShop s;
    s.Nr = j.contains("nr") ? Int16(j["nr"], Member(path, "nr")) : 0;
    const int64_t type = Int(j["type"], Member(path, "type"), 0, 255);
    if (type >= ShopTypeCount && type != stUnknown)
      Fail(Member(path, "type"),
           std::to_string(type) + " is no shop type: 0..7, or 255 for one the editor does not know");
    s.ShopType = static_cast<uint8_t>(type);
    if (j.contains("typeName") && (!j["typeName"].is_string() || j["typeName"] != ShopTypeName(s.ShopType)))
      Fail(Member(path, "typeName"), j["typeName"].dump() + " does not go with type " + std::to_string(type) +
                                         " (\"" + ShopTypeName(s.ShopType) + "\"); the type decides");
    s.Name = NamesText(j["name"], Member(path, "name"), TNamesText::ShopName);
    s.Energy = Int16(j["energy"], Member(path, "energy"));
    s.Material = Int16(j["material"], Member(path, "material"));
    s.EP = Byte(j["ep"], Member(path, "ep"));
    s.MP = Byte(j["mp"], Member(path, "mp"));
    s.Content = Int16s<16>(j["content"], Member(path, "content"));
    s.Produce = Int16s<4>(j["produce"], Member(path, "produce"));
    for (size_t k = 0; k < s.Produce.size(); ++k)
      if (s.Produce[k] == 0)
        Fail(Item(Member(path, "produce"), k), "0 marks an empty slot in the file and reads back as -1");
    s.Priority = Int16(j["priority"], Member(path, "priority"));
    s.Owner =
        static_cast<uint8_t>(Int(j["owner"], Member(path, "owner"), 0, SideCount - 1, "0..6 (6: neutral)"));
    m.Shops.emplace_back(std::move(s));
  }
}

void ReadRecords(TMission& m, const json& cargo, const json& ai) {
  Array(cargo, "vehicleContents");
  Array(ai, "aiPoints");
  for (const auto& [list, name] : {std::pair(&cargo, "vehicleContents"), std::pair(&ai, "aiPoints")})
    if (list->size() > 32768)
      Fail(name, "at most 32768 slots, as cells name them by number 0..32767");
  for (size_t i = 0; i < cargo.size(); ++i) {
    const std::string path = Item("vehicleContents", i);
    if (cargo[i].is_null()) {
      m.VehContents.emplace_back();
      continue;
    }
    Keys(cargo[i], path, {"units"}, {"x", "y"});
    m.VehContents.emplace_back(TVehContentRec{Int16s<8>(cargo[i]["units"], Member(path, "units"))});
  }
  for (size_t i = 0; i < ai.size(); ++i) {
    const std::string path = Item("aiPoints", i);
    if (ai[i].is_null()) {
      m.AIPoints.emplace_back();
      continue;
    }
    const json& j = ai[i];
    Keys(j, path, {"ai1231", "ai0A", "ai48", "ai4A", "ai4E"}, {"x", "y"});
    TAIPointRec r;
    r.AI1231 = static_cast<uint8_t>(Int(j["ai1231"], Member(path, "ai1231"), 0, 1, "0..1 (a flag)"));
    r.AI0A = Word(j["ai0A"], Member(path, "ai0A"));
    r.AI48 = Word(j["ai48"], Member(path, "ai48"));
    r.AI4A = Word(j["ai4A"], Member(path, "ai4A"));
    r.AI4E = Word(j["ai4E"], Member(path, "ai4E"));
    m.AIPoints.emplace_back(r);
  }
}

void ReadCells(TMission& m, const json& v, SlotNames& shops, SlotNames& cargo, SlotNames& ai) {
  Array(v, "cells", static_cast<size_t>(m.Height));
  for (int32_t y = 0; y < m.Height; ++y) {
    const std::string rowPath = Item("cells", static_cast<size_t>(y));
    const json& row = Array(v[y], rowPath, static_cast<size_t>(m.Width));
    for (int32_t x = 0; x < m.Width; ++x) {
      const std::string path = Item(rowPath, static_cast<size_t>(x));
      const json& j = row[x];
      Keys(j, path, {"terrain", "obj", "vehicle", "owner", "content", "shop", "aiPoint"});
      TMissionCell& c = m.Cells[y][x];
      c.Terrain = Int16(j["terrain"], Member(path, "terrain"));
      c.Obj = Int16(j["obj"], Member(path, "obj"));
      c.Vehicle = Byte(j["vehicle"], Member(path, "vehicle"));
      c.VehOwner = Owner(j["owner"], Member(path, "owner"));
      c.VehContent = cargo.Claim(m.VehContents, j["content"], Member(path, "content"), {x, y});
      c.Shop = shops.Claim(m.Shops, j["shop"], Member(path, "shop"), {x, y});
      c.AIPoint = ai.Claim(m.AIPoints, j["aiPoint"], Member(path, "aiPoint"), {x, y});
    }
  }
}

// One change record. The selected layer is written from the working grid:
// one record per changed cell inside the map, in row order, owners as sides;
// anything else there would not come back.
void ReadLayer(const TMission& m, const json& v, const std::string& layerPath, bool selected,
               ByteStream& out) {
  int previous = -1;
  for (size_t i = 0; i < v.size(); ++i) {
    const std::string path = Item(layerPath, i);
    const json& j = v[i];
    Keys(j, path, {"x", "y", "terrain", "obj", "vehicle", "owner"}, {"ownerMask"});
    const auto x = static_cast<int32_t>(Int(j["x"], Member(path, "x"), 0, MaxMapSize - 1));
    const auto y = static_cast<int32_t>(Int(j["y"], Member(path, "y"), 0, MaxMapSize - 1));
    TDFCell c;
    c.Terrain = Int16(j["terrain"], Member(path, "terrain"));
    c.Obj = Int16(j["obj"], Member(path, "obj"));
    c.Vehicle = Byte(j["vehicle"], Member(path, "vehicle"));
    c.VehOwner = Owner(j["owner"], Member(path, "owner"));
    uint8_t mask = SideToMask(c.VehOwner);
    if (j.contains("ownerMask")) {
      const std::string maskPath = Member(path, "ownerMask");
      if (c.VehOwner != NoSide)
        Fail(maskPath, "an owner byte that is no side goes with \"owner\": null");
      mask = Byte(j["ownerMask"], maskPath);
      if (MaskToSide(mask) != NoSide || mask == SideToMask(NoSide))
        Fail(maskPath,
             std::to_string(mask) + " is written as \"owner\" (a single bit of 0..6 is a side, 255 none)");
      if (selected)
        Fail(maskPath, "the selected layer (dfNr) keeps owners as sides; a save writes 255 here");
    }
    if (selected) {
      const int code = PosCode(x, y);
      if (!m.InMap({x, y}))
        Fail(path, Cell(x, y) + " lies outside the " + std::to_string(m.Width) + " x " +
                       std::to_string(m.Height) + " map; a save drops it from the selected layer (dfNr)");
      if (code <= previous)
        Fail(path, Cell(x, y) + " comes after " + Cell(previous % MaxMapSize, previous / MaxMapSize) +
                       "; the selected layer (dfNr) is written in row order, one record per cell");
      if (!c.IsChange())
        Fail(path, "changes nothing; a save drops it from the selected layer (dfNr)");
      previous = code;
    }
    AppendU16(out, PosCode(x, y));
    AppendI16(out, c.Terrain);
    AppendI16(out, c.Obj);
    AppendU8(out, c.Vehicle);
    AppendU8(out, mask);
  }
}

void ReadLayers(TMission& m, const json& doc) {
  const auto nr = static_cast<uint8_t>(Int(doc["dfNr"], "dfNr", 0, DFLayerCount - 1));
  const json& layers = Array(doc["dfLayers"], "dfLayers", DFLayerCount);
  for (size_t n = 0; n < DFLayerCount; ++n)
    ReadLayer(m, Array(layers[n], Item("dfLayers", n)), Item("dfLayers", n), n == nr, m.DFLayers[n]);
  m.LoadDFLayer(nr);
}

std::string JsonError(const std::exception& e) {
  // "[json.exception.parse_error.101] parse error at line 1, ..." without the tag.
  std::string what = e.what();
  if (!what.empty() && what[0] == '[')
    what.erase(0, what.find("] ") == std::string::npos ? 0 : what.find("] ") + 2);
  return what;
}

}  // namespace

void MissionFromJson(const std::string& text, TMission& m) {
  json doc;
  try {
    doc = json::parse(text);
  } catch (const json::exception& e) {
    throw EVhError("not JSON: " + JsonError(e));
  }
  Keys(doc, "",
       {"schemaVersion", "width", "height", "missionName", "missionText", "saveNames", "settings", "players",
        "cells", "shops", "vehicleContents", "aiPoints", "dfNr", "dfLayers", "mapRecords", "missHeader"},
       {"file", "namesFile"});
  if (Int(doc["schemaVersion"], "schemaVersion", 0, std::numeric_limits<int>::max()) != DumpSchemaVersion)
    Fail("schemaVersion",
         doc["schemaVersion"].dump() + ": this vhmission reads version " + std::to_string(DumpSchemaVersion));
  for (const char* key : {"file", "namesFile"})
    if (doc.contains(key) && !doc[key].is_string())
      Fail(key, std::string("a string is needed, not ") + doc[key].type_name());
  m.Width = static_cast<int32_t>(Int(doc["width"], "width", 0, MaxMapSize));
  m.Height = static_cast<int32_t>(Int(doc["height"], "height", 0, MaxMapSize));
  m.Blank = false;
  m.MissionText = NamesText(doc["missionText"], "missionText", TNamesText::MissionText);
  m.MissionName = NamesText(doc["missionName"], "missionName", TNamesText::MissionName);
  m.SaveNames = Bool(doc["saveNames"], "saveNames");
  ReadSettings(m, doc["settings"]);
  ReadPlayers(m, doc["players"]);
  ReadShops(m, doc["shops"]);
  ReadRecords(m, doc["vehicleContents"], doc["aiPoints"]);

  SlotNames shops("shop", "shops", m.Shops.size()),
      cargo("cargo record", "vehicleContents", m.VehContents.size()),
      ai("AI point", "aiPoints", m.AIPoints.size());
  ReadCells(m, doc["cells"], shops, cargo, ai);
  size_t records = 0, shopCount = 0;
  for (size_t i = 0; i < m.Shops.size(); ++i)
    if (m.Shops[i]) {
      shops.CheckPosition(doc["shops"][i], Item("shops", i), i);
      // A save fills these in from the cells; a shop no cell names keeps 0.
      m.Shops[i]->X = static_cast<int16_t>(shops.CellOf(i) ? shops.CellOf(i)->x : 0);
      m.Shops[i]->Y = static_cast<int16_t>(shops.CellOf(i) ? shops.CellOf(i)->y : 0);
      ++records;
      if (++shopCount > MaxNamedShops)
        Fail(Item("shops", i), "past the " + std::to_string(MaxNamedShops) +
                                   " shops whose names the shop names file can number");
    }
  for (size_t i = 0; i < m.VehContents.size(); ++i)
    if (m.VehContents[i]) {
      cargo.CheckPosition(doc["vehicleContents"][i], Item("vehicleContents", i), i);
      records += cargo.CellOf(i) ? 1 : 0;
    }
  for (size_t i = 0; i < m.AIPoints.size(); ++i)
    if (m.AIPoints[i]) {
      ai.CheckPosition(doc["aiPoints"][i], Item("aiPoints", i), i);
      records += ai.CellOf(i) ? 1 : 0;
    }
  if (records > 0xFFFF)
    Fail("shops",
         std::to_string(records) + " shop, cargo and AI point records; the file counts at most 65535");

  ReadLayers(m, doc);
  m.MapRecords = Hex(doc["mapRecords"], "mapRecords");
  if (m.MapRecords.size() % MapRecordSize != 0)
    Fail("mapRecords", std::to_string(m.MapRecords.size()) + " bytes; the MAP chunk holds records of " +
                           std::to_string(MapRecordSize));
  const ByteStream header = Hex(doc["missHeader"], "missHeader");
  if (header.size() != MissHeaderSize)
    Fail("missHeader",
         std::to_string(header.size()) + " bytes; the MISS block has " + std::to_string(MissHeaderSize));
  std::copy(header.begin(), header.end(), m.MissHeader.begin());

  // The editor would not read a larger file back.
  auto copy = std::make_unique<TMission>(m);
  if (const size_t size = BuildMissionFile(*copy).size(); size > MaxMissionFileSize)
    Fail("mapRecords", "the mission file would take " + std::to_string(size) +
                           " bytes; the editor reads at most " + std::to_string(MaxMissionFileSize));
}

}  // namespace vh::cli
