#include "mission/DFLayers.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "base/Anomaly.h"
#include "base/Errors.h"
#include "mission/StdData.h"

namespace vh {

static void CheckLayerNr(unsigned nr) {
  if (nr >= DFLayerCount)
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "Change layer %1 out of range 0..31"), nr));
}

void TMission::ClearDFCells() {
  for (auto& row : DFCells)
    row.fill(NoChangeDFCell);
}

void TMission::StoreDFLayer() {
  CheckLayerNr(DFNr);
  DFLayers[DFNr] = DFGridRecords();
}

ByteStream DFRecordsOf(const TDFGrid& grid, int32_t width, int32_t height) {
  ByteStream s;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      const TDFCell& c = grid[static_cast<size_t>(y)][static_cast<size_t>(x)];
      if (!c.IsChange())
        continue;
      AppendU16(s, PosCode(x, y));
      AppendI16(s, c.Terrain);
      AppendI16(s, c.Obj);
      AppendU8(s, c.Vehicle);
      AppendU8(s, SideToMask(c.VehOwner));
    }
  return s;
}

ByteStream TMission::DFGridRecords() const {
  return DFRecordsOf(DFCells, Width, Height);
}

void TMission::LoadDFLayer(uint8_t nr) {
  CheckLayerNr(nr);
  DFNr = nr;
  ClearDFCells();
  const ByteStream& s = DFLayers[nr];
  for (size_t at = 0; at + DFRecordSize <= s.size(); at += DFRecordSize) {
    uint16_t code = GetU16(s, at);
    int y = code / MaxMapSize, x = code % MaxMapSize;
    if (y >= MaxMapSize)
      throw ERangeError(Message(
          VH_TRANSLATE_NOOP("Error", "Change layer %1: position code %2 lies beyond the 64 x 64 grid"), nr,
          code));
    TDFCell& c = DFCells[y][x];
    c.Terrain = GetI16(s, at + 2);
    c.Obj = GetI16(s, at + 4);
    c.Vehicle = s[at + 6];
    c.VehOwner = MaskToSide(s[at + 7]);
  }
}

bool TMission::SelectDFLayer(uint8_t nr) {
  CheckLayerNr(nr);
  StoreDFLayer();
  if (nr == DFNr)
    return false;
  LoadDFLayer(nr);
  return true;
}

std::array<int, DFLayerCount> ChangeLayerCellCounts(const TMission& m) {
  const int32_t width = std::clamp(m.Width, 0, MaxMapSize), height = std::clamp(m.Height, 0, MaxMapSize);
  std::array<int, DFLayerCount> counts{};
  for (int layer = 0; layer < DFLayerCount; ++layer) {
    if (layer == m.DFNr) {
      for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
          counts[layer] += m.DFCells[y][x].IsChange() ? 1 : 0;
      continue;
    }
    const ByteStream& s = m.DFLayers[layer];
    if (s.empty())
      continue;
    std::array<bool, MaxMapSize * MaxMapSize> changes{};
    for (size_t at = 0; at + DFRecordSize <= s.size(); at += DFRecordSize) {
      const uint16_t code = GetU16(s, at);
      if (code / MaxMapSize >= height || code % MaxMapSize >= width)
        continue;
      const TDFCell record{GetI16(s, at + 2), GetI16(s, at + 4), s[at + 6], MaskToSide(s[at + 7])};
      changes[code] = record.IsChange();
    }
    counts[layer] = static_cast<int>(std::count(changes.begin(), changes.end(), true));
  }
  return counts;
}

static std::string LayerTag(unsigned n) {
  char tag[5];
  std::snprintf(tag, sizeof tag, "DF%02u", n % 100);
  return tag;
}

void WriteDFChunks(const TMission& m, ByteStream& file, TDFDirectory& dir) {
  dir = {};
  unsigned c = 0;
  auto writeChunk = [&](const ByteStream& records) {
    AppendText(file, LayerTag(c));
    dir.Offsets[c] = static_cast<int32_t>(file.size());
    AppendBytes(file, records);
    dir.Lengths[c] = static_cast<int32_t>(4 + records.size());
    ++c;
  };
  for (const ByteStream& layer : m.DFLayers)
    if (!layer.empty())
      writeChunk(layer);
  if (c == 0)
    writeChunk(StdDFStream);
  dir.Count = static_cast<uint16_t>(c);
}

void ReadDFChunks(TMission& m, ByteReader& file, const TDFDirectory& dir) {
  if (dir.Count > DFLayerCount)
    ReportAnomaly("Mission " + file.Source() + ": directory names " + std::to_string(dir.Count) +
                  " change layers, at most 32 are possible");
  for (unsigned n = 0; n < dir.Count; ++n) {
    if (n >= DFLayerCount)
      throw ERangeError(
          Message(VH_TRANSLATE_NOOP("Error", "Mission %1: change layer entry %2 out of range 0..31"),
                  file.Source(), n));
    int64_t len = static_cast<int64_t>(dir.Lengths[n]) - 4;
    // An empty layer copies nothing, so where its offset points does not
    // matter, even beyond the end of the file.
    if (len <= 0 || len % DFRecordSize != 0)
      continue;
    file.Seek(dir.Offsets[n]);
    auto bytes = file.Bytes(static_cast<size_t>(len));
    // Every layer is checked now, not only the one expanded below: the dense
    // numbering of a save can make any layer the one loaded next time, and a
    // file we wrote must always open again.
    for (size_t at = 0; at < bytes.size(); at += DFRecordSize)
      if (GetU16(bytes, at) / MaxMapSize >= MaxMapSize)
        throw ERangeError(
            Message(VH_TRANSLATE_NOOP(
                        "Error", "Mission %1: change layer %2 has position code %3, beyond the 64 x 64 grid"),
                    file.Source(), n, GetU16(bytes, at)));
    m.DFLayers[n].assign(bytes.begin(), bytes.end());
  }
  m.LoadDFLayer(m.DFNr);
}

}  // namespace vh
