#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/Errors.h"
#include "mission/MissionCheck.h"
#include "mission/MissionFile.h"
#include "mission/StdData.h"

namespace {

using namespace vh;

// Every cell entry names its own record: no two records on one cell.
bool EachRecordOnItsOwnCell(const TMission& m) {
  size_t shops = 0, contents = 0, points = 0;
  for (int y = 0; y < m.Height; ++y)
    for (int x = 0; x < m.Width; ++x) {
      shops += m.Cells[y][x].Shop != -1;
      contents += m.Cells[y][x].VehContent != -1;
      points += m.Cells[y][x].AIPoint != -1;
    }
  return shops == m.Shops.size() && contents == m.VehContents.size() && points == m.AIPoints.size();
}

bool SameShop(const TArrShop* a, const TArrShop* b) {
  if (!a || !b)
    return a == b;
  TArrShop ca = *a, cb = *b;
  ca.X = cb.X = ca.Y = cb.Y = 0;
  return ca == cb;
}

template <class T> bool SameRecord(const T* a, const T* b) {
  return (!a || !b) ? a == b : *a == *b;
}

// What a saved mission reads back as: the same map, records and settings,
// and the change layers stored densely.
void CheckSameMission(const TMission& m, const TMission& again) {
  if (again.Width != m.Width || again.Height != m.Height || again.MapRecords != m.MapRecords ||
      again.StdProd != m.StdProd || again.Allies != m.Allies || again.CompPlayers != m.CompPlayers ||
      again.StartWeather != m.StartWeather || again.NextMission != m.NextMission ||
      again.MissByte15 != m.MissByte15 || again.MissionName != m.MissionName)
    __builtin_trap();
  std::vector<ByteStream> dense;
  for (const ByteStream& layer : m.DFLayers)
    if (!layer.empty())
      dense.push_back(layer);
  if (dense.empty())
    dense.push_back(StdDFStream);
  for (size_t i = 0; i < DFLayerCount; ++i)
    if (again.DFLayers[i] != (i < dense.size() ? dense[i] : ByteStream{}))
      __builtin_trap();
  if (!EachRecordOnItsOwnCell(m))
    return;
  for (int y = 0; y < m.Height; ++y)
    for (int x = 0; x < m.Width; ++x) {
      const TMissionCell &a = m.Cells[y][x], &b = again.Cells[y][x];
      if (a.Terrain != b.Terrain || a.Obj != b.Obj || a.Vehicle != b.Vehicle || a.VehOwner != b.VehOwner ||
          !SameShop(m.GetShop(a.Shop), again.GetShop(b.Shop)) ||
          !SameRecord(m.GetVehContent(a.VehContent), again.GetVehContent(b.VehContent)) ||
          !SameRecord(m.GetAIPoint(a.AIPoint), again.GetAIPoint(b.AIPoint)))
        __builtin_trap();
    }
}

}  // namespace

// Reads any bytes as a mission file; what loads must save and read back.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TShopNames names = {
      {0, 0, "Text|A|1|B|2"}, {1, 24, "Fuzz"}, {2, 16, "First"}, {3, 16, "Second"}};
  TMission m;
  try {
    ParseMissionFile(m, {data, size}, names, "fuzz.dat");
  } catch (const EVhError&) {
    return 0;
  }
  // The reader only ever points a cell at a record it just appended.
  if (CheckMission(m).Find(TCheckKind::BrokenReference))
    __builtin_trap();
  ByteStream saved = BuildMissionFile(m);
  TShopNames savedNames = ParseShopNames(ShopNamesFileBytes(m), "names.txt");
  TMission again;
  ParseMissionFile(again, saved, savedNames, "saved.dat");
  CheckSameMission(m, again);
  return 0;
}
