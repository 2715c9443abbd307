#include "mission/MissionFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "base/Anomaly.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Platform.h"
#include "mission/DFLayers.h"
#include "mission/StdData.h"

namespace vh {

namespace {

constexpr uint16_t VehContentClass = 32;
constexpr uint16_t kClassWords[ShopTypeCount] = {1, 2, 2, 2, 4, 16, 8, 16};
constexpr uint16_t kTypeWords[ShopTypeCount] = {0x0100, 0x0200, 0x0400, 0x0800,
                                                0x1000, 0x2000, 0x4000, 0x8000};

// MISS block offsets the editor understands.
constexpr size_t MissNextMission = 10, MissStartWeather = 12, MissSidesPresent = 13, MissCompPlayers = 14,
                 MissByte15Off = 15, MissAllies = 20, MissStdProd = 156;

bool HasTag(std::span<const uint8_t> bytes, const char* tag, size_t len) {
  return bytes.size() >= len && std::memcmp(bytes.data(), tag, len) == 0;
}

void ExpectTag(ByteReader& in, const char* tag, size_t len = 4) {
  if (!HasTag(in.Bytes(len), tag, len))
    throw ENoMissionFile(in.Source());
}

TPoint CellOfCode(uint16_t code, const std::string& source, const char* what) {
  if (code / MaxMapSize >= MaxMapSize)
    throw ERangeError(
        Message(VH_TRANSLATE_NOOP("Error", "Mission %1: %2 has position code %3, beyond the 64 x 64 grid"),
                source, what, code));
  return {code % MaxMapSize, code / MaxMapSize};
}

void ReadMiss(TMission& m, ByteReader& in) {
  auto block = in.Bytes(MissHeaderSize);
  std::copy(block.begin(), block.end(), m.MissHeader.begin());
  if (!HasTag(block, "MISS", 4))
    throw ENoMissionFile(in.Source());
  for (int i = 0; i < UnitTypeCount; ++i) {
    int16_t v = static_cast<int16_t>(GetI16(m.MissHeader, MissStdProd + 2 * i) & 3);
    PutI16(m.MissHeader, MissStdProd + 2 * i, v);
    m.StdProd[i] = v;
  }
  m.CompPlayers = m.MissHeader[MissCompPlayers];
  std::copy_n(m.MissHeader.begin() + MissAllies, PlayerCount, m.Allies.begin());
  m.MissByte15 = m.MissHeader[MissByte15Off];
  m.StartWeather = m.MissHeader[MissStartWeather];
  m.NextMission = GetU16(m.MissHeader, MissNextMission);
}

void ReadActn(TMission& m, ByteReader& in) {
  ExpectTag(in, "ACTN");
  int w = in.U16(), h = in.U16();
  // The grid cannot hold a larger map; such a file is not ours to read.
  if (w > MaxMapSize || h > MaxMapSize)
    throw ENoMissionFile(in.Source());
  m.Width = w;
  m.Height = h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      m.Cells[y][x].Terrain = in.I16();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      m.Cells[y][x].Obj = in.I16();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint16_t word = in.U16();
      m.Cells[y][x].Vehicle = static_cast<uint8_t>(word);
      m.Cells[y][x].VehOwner = MaskToSide(static_cast<uint8_t>(word >> 8));
    }
}

uint8_t ShopTypeOfWord(uint16_t typeWord) {
  for (uint8_t t = 0; t < ShopTypeCount; ++t)
    if (kTypeWords[t] == typeWord)
      return t;
  return stUnknown;
}

void ReadShops(TMission& m, ByteReader& in, const TShopNames& names) {
  ExpectTag(in, "SHOP");
  unsigned count = in.U16();
  int16_t s = 0, v = 0, a = 0;
  for (unsigned n = 0; n < count; ++n) {
    size_t at = in.Pos();
    auto r = in.Bytes(ShopRecordSize);
    std::string where = "SHOP record " + std::to_string(n) + " at offset " + std::to_string(at);
    int16_t kind = GetI16(r, 0);
    if (kind != 1 && kind != 2)
      continue;
    const auto cellOfRecord = [&]() -> TMissionCell& {
      return m.Cell(CellOfCode(GetU16(r, 2), in.Source(), where.c_str()));
    };
    if (kind == 2) {
      TMissionCell& cell = cellOfRecord();
      TAIPointRec ai;
      ai.AI1231 = std::all_of(r.begin() + 18, r.begin() + 50, [](uint8_t b) { return b == 0xFF; }) ? 1 : 0;
      ai.AI0A = GetU16(r, 10);
      ai.AI48 = GetU16(r, 72);
      ai.AI4A = GetU16(r, 74);
      ai.AI4E = GetU16(r, 78);
      m.AIPoints.emplace_back(ai);
      cell.AIPoint = a++;
      continue;
    }
    bool stray = GetU16(r, 6) != 0 || GetU16(r, 60) != 0 ||
                 std::any_of(r.begin() + 66, r.end(), [](uint8_t b) { return b != 0; });
    if (stray)
      ReportAnomaly("Mission " + in.Source() + ": " + where + " has unexpected non-zero bytes");
    if (GetU16(r, 4) == VehContentClass) {
      TVehContentRec rec;
      for (int i = 0; i < 8; ++i)
        rec.Units[i] = GetI16(r, 18 + 2 * i);
      // An empty cargo record is ignored before its position is looked at:
      // it places nothing, wherever it claims to lie.
      if (std::all_of(rec.Units.begin(), rec.Units.end(), [](int16_t u) { return u == -1; }))
        continue;
      cellOfRecord().VehContent = v++;
      m.VehContents.emplace_back(rec);
      continue;
    }
    TArrShop shop;
    shop.Nr = s;
    uint16_t typeWord = GetU16(r, 50);
    shop.ShopType = ShopTypeOfWord(typeWord);
    if (shop.ShopType == stUnknown)
      ReportAnomaly("Mission " + in.Source() + ": " + where + " has the unknown shop type word 0x" +
                    [](uint16_t w) {
                      char b[8];
                      std::snprintf(b, sizeof b, "%04X", w);
                      return std::string(b);
                    }(typeWord));
    shop.Energy = GetI16(r, 12);
    shop.Material = GetI16(r, 14);
    shop.EP = r[16];
    shop.MP = r[17];
    for (int i = 0; i < 16; ++i)
      shop.Content[i] = GetI16(r, 18 + 2 * i);
    for (int i = 0; i < 4; ++i) {
      int16_t p = GetI16(r, 52 + 2 * i);
      shop.Produce[i] = p == 0 ? -1 : p;
    }
    shop.Priority = GetI16(r, 62);
    uint8_t owner = MaskToSide(r[64]);
    shop.Owner = owner == NoSide ? NeutralSide : owner;
    shop.Name = LookupName(names, static_cast<int16_t>(s + 2), NamesTypeShop);
    TMissionCell& cell = cellOfRecord();
    m.Shops.emplace_back(std::move(shop));
    cell.Shop = s++;
  }
}

void ReadMap(TMission& m, ByteReader& in, const TDFDirectory& dir) {
  size_t start = in.Pos();
  ExpectTag(in, "MAP\0", 4);
  int64_t end = dir.Count != 0 ? static_cast<int64_t>(dir.Offsets[0]) - 4 : static_cast<int64_t>(in.Size());
  // An empty first layer whose offset lies beyond the file marks no chunk
  // the map could end at; the file's end does.
  if (dir.Count != 0 && dir.Lengths[0] == 4 && end > static_cast<int64_t>(in.Size()))
    end = static_cast<int64_t>(in.Size());
  int64_t length = end - static_cast<int64_t>(start);
  if (length < 4 || (length - 4) % MapRecordSize != 0)
    throw ENoMissionFile(in.Source());
  auto body = in.Bytes(static_cast<size_t>(length - 4));
  m.MapRecords.assign(body.begin(), body.end());
}

}  // namespace

uint16_t ShopClassWord(uint8_t shopType) {
  return shopType < ShopTypeCount ? kClassWords[shopType] : 0;
}
uint16_t ShopTypeWord(uint8_t shopType) {
  return shopType < ShopTypeCount ? kTypeWords[shopType] : 0;
}

void ParseMissionFile(TMission& m, std::span<const uint8_t> file, const TShopNames& names,
                      const std::string& source) {
  // Too short for the magic, an empty file included, is no mission file
  // either; only a file that starts as one can be cut short.
  if (file.size() < 4)
    throw ENoMissionFile(source);
  ByteReader in(file, source);
  ExpectTag(in, "MSSN");
  int32_t missAt = in.I32(), mapAt = in.I32(), shopAt = in.I32(), actnAt = in.I32();
  TDFDirectory dir;
  dir.Count = in.U16();
  for (auto& o : dir.Offsets)
    o = in.I32();
  for (auto& l : dir.Lengths)
    l = in.I32();

  in.Seek(missAt);
  ReadMiss(m, in);
  in.Seek(actnAt);
  ReadActn(m, in);
  in.Seek(shopAt);
  ReadShops(m, in, names);
  in.Seek(mapAt);
  ReadMap(m, in, dir);
  ReadDFChunks(m, in, dir);
}

void TMission::LoadFromFile(const std::string& fileName, bool defaultNames) {
  struct ClearBlank {
    TMission& m;
    ~ClearBlank() { m.Blank = false; }
  } clearBlank{*this};
  // Anomalies still reach the process-wide sink (the beep, the tool's
  // warning); the mission keeps its own copy for the check.
  struct Recorder : AnomalySink {
    TMission& m;
    AnomalySink* next = nullptr;
    explicit Recorder(TMission& mission) : m(mission) {}
    void Anomaly(const std::string& what) override {
      m.LoadAnomalies.push_back(what);
      if (next)
        next->Anomaly(what);
    }
  } recorder{*this};
  recorder.next = SetAnomalySink(&recorder);
  struct Restore {
    AnomalySink* previous;
    ~Restore() { SetAnomalySink(previous); }
  } restore{recorder.next};

  FileName = fileName;
  NamesFileName = ResolvePathCI(NamesPathFor(fileName, TxtFilesDir));
  // The mission first: when it is missing, that is the news, not its names.
  ByteStream file = ReadWholeFile(fileName, MaxMissionFileSize);
  TShopNames names;
  if (!defaultNames) {
    names = ReadShopNames(NamesFileName, &NamesFileSkippedLines);
    ApplyMissionText(*this, LookupName(names, 0, NamesTypeMissionText));
    MissionName = LookupName(names, 1, NamesTypeMissionName);
  }
  ParseMissionFile(*this, file, names, fileName);
  if (defaultNames)
    for (size_t i = 0; i < Shops.size(); ++i)
      if (Shops[i])
        Shops[i]->Name = "Shop Nr. " + std::to_string(i);
}

std::string MissingNamesFile(const std::string& missionPath) {
  std::error_code error;
  if (!std::filesystem::exists(PathOf(ResolvePathCI(missionPath)), error))
    return {};
  std::string names = ResolvePathCI(NamesPathFor(missionPath, TxtFilesDir));
  return std::filesystem::exists(PathOf(names), error) || error ? std::string() : names;
}

namespace {

uint8_t SidesPresent(const TMission& m) {
  unsigned bits = 0;
  for (int32_t y = 0; y < m.Height; ++y)
    for (int32_t x = 0; x < m.Width; ++x) {
      const TMissionCell& c = m.Cells[y][x];
      if (c.VehOwner < 8)
        bits |= 1u << c.VehOwner;
      if (const TArrShop* shop = m.GetShop(c.Shop); shop && shop->Owner < 8)
        bits |= 1u << shop->Owner;
    }
  return static_cast<uint8_t>(bits & 0x3F);
}

void WriteMiss(const TMission& m, ByteStream& out) {
  TMissHeader h{};
  if (m.MissUsage == 0)
    h = m.MissHeader;
  else if (m.MissUsage == 1)
    h = StdMissionTemplate;
  std::memcpy(h.data(), "MISS", 4);
  for (int i = 0; i < UnitTypeCount; ++i)
    PutI16(h, MissStdProd + 2 * i, m.StdProd[i]);
  h[MissSidesPresent] = SidesPresent(m);
  h[MissCompPlayers] = m.CompPlayers;
  std::copy(m.Allies.begin(), m.Allies.end(), h.begin() + MissAllies);
  h[MissByte15Off] = m.MissByte15;
  h[MissStartWeather] = m.StartWeather;
  PutU16(h, MissNextMission, m.NextMission);
  AppendBytes(out, h);
}

void WriteActn(const TMission& m, ByteStream& out) {
  AppendText(out, "ACTN");
  AppendU16(out, static_cast<uint16_t>(m.Width));
  AppendU16(out, static_cast<uint16_t>(m.Height));
  for (int32_t y = 0; y < m.Height; ++y)
    for (int32_t x = 0; x < m.Width; ++x)
      AppendI16(out, m.Cells[y][x].Terrain);
  for (int32_t y = 0; y < m.Height; ++y)
    for (int32_t x = 0; x < m.Width; ++x)
      AppendI16(out, m.Cells[y][x].Obj);
  for (int32_t y = 0; y < m.Height; ++y)
    for (int32_t x = 0; x < m.Width; ++x) {
      const TMissionCell& c = m.Cells[y][x];
      AppendU16(out, static_cast<uint16_t>(c.Vehicle | (SideToMask(c.VehOwner) << 8)));
    }
}

using ShopRecord = std::array<uint8_t, ShopRecordSize>;

ShopRecord ShopToRecord(const TArrShop& s) {
  ShopRecord r{};
  uint16_t code = PosCode(s.X, s.Y);
  PutU16(r, 0, 1);
  PutU16(r, 2, code);
  PutU16(r, 4, ShopClassWord(s.ShopType));
  PutU16(r, 10, code);
  PutI16(r, 12, s.Energy);
  PutI16(r, 14, s.Material);
  r[16] = s.EP;
  r[17] = s.MP;
  for (int i = 0; i < 16; ++i)
    PutI16(r, 18 + 2 * i, s.Content[i]);
  PutU16(r, 50, ShopTypeWord(s.ShopType));
  for (int i = 0; i < 4; ++i)
    PutI16(r, 52 + 2 * i, s.Produce[i] == -1 ? 0 : s.Produce[i]);
  PutI16(r, 62, s.Priority);
  r[64] = SideToMask(s.Owner);
  return r;
}

void WriteShops(TMission& m, ByteStream& out) {
  size_t chunk = out.size();
  AppendText(out, "SHOP");
  AppendU16(out, 0);
  for (int32_t y = 0; y < m.Height; ++y)
    for (int32_t x = 0; x < m.Width; ++x)
      if (TArrShop* shop = m.GetShop(m.Cells[y][x].Shop)) {
        shop->X = static_cast<int16_t>(x);
        shop->Y = static_cast<int16_t>(y);
      }
  size_t c = 0;
  auto put = [&](const ShopRecord& r) {
    AppendBytes(out, r);
    ++c;
  };
  for (const auto& shop : m.Shops)
    if (shop) {
      ShopRecord r = ShopToRecord(*shop);
      PutU16(r, 8, static_cast<uint16_t>(c + 2));
      put(r);
    }
  for (int32_t y = 0; y < m.Height; ++y)
    for (int32_t x = 0; x < m.Width; ++x)
      if (const TVehContentRec* rec = m.GetVehContent(m.Cells[y][x].VehContent)) {
        ShopRecord r{};
        PutU16(r, 0, 1);
        PutU16(r, 2, PosCode(x, y));
        PutU16(r, 4, VehContentClass);
        PutU16(r, 10, PosCode(x, y));
        for (int i = 0; i < 8; ++i)
          PutI16(r, 18 + 2 * i, rec->Units[i]);
        r[64] = SideToMask(m.Cells[y][x].VehOwner);
        put(r);
      }
  for (int32_t y = 0; y < m.Height; ++y)
    for (int32_t x = 0; x < m.Width; ++x)
      if (const TAIPointRec* ai = m.GetAIPoint(m.Cells[y][x].AIPoint)) {
        ShopRecord r{};
        PutU16(r, 0, 2);
        PutU16(r, 2, PosCode(x, y));
        PutU16(r, 10, ai->AI0A);
        if (ai->AI1231)
          std::fill(r.begin() + 18, r.begin() + 50, 0xFF);
        PutU16(r, 72, ai->AI48);
        PutU16(r, 74, ai->AI4A);
        PutU16(r, 78, ai->AI4E);
        put(r);
      }
  if (c > 0xFFFF)
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "Too many SHOP records: %1 (at most 65535)"), c));
  PutU16(out, chunk + 4, static_cast<uint16_t>(c));
}

}  // namespace

ByteStream BuildMissionFile(TMission& m) {
  ByteStream out(DirectorySize, 0);
  std::memcpy(out.data(), "MSSN", 4);
  auto noteOffset = [&out](size_t at) { PutU32(out, at, static_cast<uint32_t>(out.size())); };

  noteOffset(4);
  WriteMiss(m, out);
  noteOffset(16);
  WriteActn(m, out);
  noteOffset(12);
  WriteShops(m, out);
  noteOffset(8);
  AppendText(out, std::string_view("MAP\0", 4));
  AppendBytes(out, m.MapRecords);

  m.StoreDFLayer();
  TDFDirectory dir;
  WriteDFChunks(m, out, dir);
  PutU16(out, 20, dir.Count);
  for (int i = 0; i < DFLayerCount; ++i) {
    PutU32(out, 22 + 4 * i, static_cast<uint32_t>(dir.Offsets[i]));
    PutU32(out, 150 + 4 * i, static_cast<uint32_t>(dir.Lengths[i]));
  }
  return out;
}

void TMission::SaveToFile() {
  // Refused before anything changes, model or disk.
  CheckNamesFaults(*this);
  if (NamesFileName.empty())
    NamesFileName = NamesPathFor(FileName, TxtFilesDir);
  ByteStream mission = BuildMissionFile(*this);
  ByteStream names = ShopNamesFileBytes(*this);
  // Both files are written completely before either target is replaced, so a
  // failing disk or a missing text directory never costs the previous save.
  std::string missionPath = ResolvePathForWrite(FileName);
  std::string namesPath = ResolvePathForWrite(NamesFileName);
  std::string missionTemp = WriteTempFile(missionPath, mission);
  std::string namesTemp;
  try {
    namesTemp = WriteTempFile(namesPath, names);
  } catch (...) {
    DiscardTempFile(missionTemp);
    throw;
  }
  CommitTempFiles({{missionTemp, missionPath}, {namesTemp, namesPath}});
  // The files now hold what the editor wrote, none of what the load met.
  LoadAnomalies.clear();
  NamesFileSkippedLines.clear();
}

void TMission::SaveAs(const std::string& fileName) {
  std::string oldFile = FileName, oldNames = NamesFileName;
  FileName = fileName;
  NamesFileName = NamesPathFor(fileName, TxtFilesDir);
  try {
    SaveToFile();
  } catch (...) {
    FileName = oldFile;
    NamesFileName = oldNames;
    throw;
  }
}

}  // namespace vh
