#include "mission/MapResize.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "base/Errors.h"
#include "mission/DFLayers.h"
#include "mission/HexGrid.h"

namespace vh {

namespace {

TPoint MapSize(const TMission& m) {
  return {std::clamp(m.Width, 0, MaxMapSize), std::clamp(m.Height, 0, MaxMapSize)};
}

TPoint Moved(TPoint p, const TResize& r) {
  return {p.x + r.Offset.x, p.y + r.Offset.y};
}

// Cut toward zero to an even number.
int32_t EvenTowardZero(int32_t v) {
  return v - v % 2;
}

int32_t AnchorShift(int32_t oldLength, int32_t newLength, int anchor) {
  const int32_t spare = newLength - oldLength;
  return anchor <= 0 ? 0 : anchor == 1 ? spare / 2 : spare;
}

// Calls `visit(at, target)` for each record of a layer stream, `target`
// being where the record's cell goes, or nothing when it goes out: outside
// the new map, or outside the old one already.
template <class F> void ForEachLayerRecord(const ByteStream& s, TPoint oldSize, const TResize& r, F&& visit) {
  for (size_t at = 0; at + DFRecordSize <= s.size(); at += DFRecordSize) {
    const uint16_t code = GetU16(s, at);
    const TPoint from{code % MaxMapSize, code / MaxMapSize};
    const TPoint to = Moved(from, r);
    visit(at, IsInGrid(from, oldSize) && IsInGrid(to, r.Size) ? std::optional<TPoint>(to) : std::nullopt);
  }
}

template <class T> void FreeSlot(TSlotList<T>& list, int16_t index) {
  const auto i = static_cast<uint16_t>(index);
  if (index != -1 && i < list.size())
    list[i].reset();
}

}  // namespace

TPoint AnchorOffset(TPoint oldSize, TPoint newSize, int anchorColumn, int anchorRow) {
  return {EvenTowardZero(AnchorShift(oldSize.x, newSize.x, anchorColumn)),
          AnchorShift(oldSize.y, newSize.y, anchorRow)};
}

const char* ResizeFault(const TResize& r) {
  if (r.Size.x < MinMapWidth || r.Size.x > MaxMapSize || r.Size.y < MinMapHeight || r.Size.y > MaxMapSize)
    return "the size lies outside 24..64 columns by 16..64 rows";
  if (r.Offset.x % 2 != 0)
    return "the column offset is odd: odd columns sit half a cell lower";
  if (std::abs(r.Offset.x) > MaxMapSize || std::abs(r.Offset.y) > MaxMapSize)
    return "the offset lies beyond the grid of 64 by 64 cells";
  return "";
}

TResizeLoss ResizeLoss(const TMission& m, const TResize& r) {
  TResizeLoss loss;
  const TPoint oldSize = MapSize(m);
  for (int32_t y = 0; y < oldSize.y; ++y)
    for (int32_t x = 0; x < oldSize.x; ++x) {
      if (IsInGrid(Moved({x, y}, r), r.Size))
        continue;
      const TMissionCell& c = m.Cells[y][x];
      ++loss.Cells;
      loss.Units += c.Vehicle != NoUnit ? 1 : 0;
      loss.Shops += m.GetShop(c.Shop) ? 1 : 0;
      loss.Cargo += m.GetVehContent(c.VehContent) ? 1 : 0;
      loss.AIPoints += m.GetAIPoint(c.AIPoint) ? 1 : 0;
    }
  for (int layer = 0; layer < DFLayerCount; ++layer) {
    const ByteStream records = layer == m.DFNr ? m.DFGridRecords() : m.DFLayers[layer];
    ForEachLayerRecord(records, oldSize, r,
                       [&](size_t, std::optional<TPoint> to) { loss.LayerRecords += to ? 0 : 1; });
  }
  return loss;
}

void ResizeMap(TMission& m, const TResize& r) {
  if (const char* fault = ResizeFault(r); *fault)
    throw ERangeError(
        Message(VH_TRANSLATE_NOOP("Error", "Cannot resize the map to %1 x %2 at offset %3, %4: %5"), r.Size.x,
                r.Size.y, r.Offset.x, r.Offset.y, fault));
  const TPoint oldSize = MapSize(m);
  m.StoreDFLayer();

  auto cells = std::make_unique<TCellGrid>();
  for (auto& row : *cells)
    row.fill(TMissionCell{});
  for (int32_t y = 0; y < oldSize.y; ++y)
    for (int32_t x = 0; x < oldSize.x; ++x) {
      const TMissionCell& c = m.Cells[y][x];
      const TPoint to = Moved({x, y}, r);
      if (IsInGrid(to, r.Size)) {
        (*cells)[to.y][to.x] = c;
        if (TArrShop* shop = m.GetShop(c.Shop)) {
          shop->X = static_cast<int16_t>(to.x);
          shop->Y = static_cast<int16_t>(to.y);
        }
        continue;
      }
      FreeSlot(m.Shops, c.Shop);
      FreeSlot(m.VehContents, c.VehContent);
      FreeSlot(m.AIPoints, c.AIPoint);
    }
  m.Cells = *cells;

  for (ByteStream& layer : m.DFLayers) {
    ByteStream kept;
    kept.reserve(layer.size());
    ForEachLayerRecord(layer, oldSize, r, [&](size_t at, std::optional<TPoint> to) {
      if (!to)
        return;
      AppendU16(kept, PosCode(to->x, to->y));
      kept.insert(kept.end(), layer.begin() + static_cast<std::ptrdiff_t>(at + 2),
                  layer.begin() + static_cast<std::ptrdiff_t>(at + DFRecordSize));
    });
    layer = std::move(kept);
  }
  m.Width = r.Size.x;
  m.Height = r.Size.y;
  m.LoadDFLayer(m.DFNr);
  m.NoteChange();
}

}  // namespace vh
