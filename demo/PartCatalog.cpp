#include "demo/PartCatalog.h"

#include <algorithm>
#include <stdexcept>

#include "demo/Art.h"

namespace vh::demo {

namespace {
// The editor's line object lists, one per kind.
const std::array<std::array<int, 8>, LineKindCount> LineObjects = {{
    {90, 1264, 1265, 1266, 1270, 1271, 1272, 1274},
    {92, 1264, 1267, 1268, 1270, 1271, 1273, 1274},
    {93, 1266, 1268, 1269, 1271, 1272, 1273, 1274},
    {91, 1265, 1267, 1269, 1270, 1272, 1273, 1274},
}};
} // namespace

unsigned LineKindsOf(int part) {
  unsigned kinds = 0;
  for (int k = 0; k < LineKindCount; ++k)
    if (std::find(LineObjects[k].begin(), LineObjects[k].end(), part) != LineObjects[k].end())
      kinds |= 1u << k;
  return kinds;
}

const std::array<uint8_t, 64> LayerComboTable = {
    0,   1,   2,   3,   66,  4,   23,  5,  65,  6,   68,  7,   67,  71,  69,  8,
    194, 132, 9,   10,  11,  12,  13,  14, 195, 199, 202, 15,  16,  17,  18,  19,
    130, 131, 75,  80,  73,  138, 77,  82, 196, 135, 76,  81,  74,  79,  78,  83,
    151, 133, 205, 210, 141, 142, 20,  21, 197, 136, 206, 211, 146, 147, 85,  22};

// A vertical flip swaps up with down and the upper sides with the lower ones;
// a horizontal mirror swaps the right sides with the left ones.
unsigned FlipMask(unsigned mask) {
  static const int to[6] = {3, 2, 1, 0, 5, 4};
  unsigned out = 0;
  for (int d = 0; d < 6; ++d)
    if (mask & (1u << d))
      out |= 1u << to[d];
  return out;
}

unsigned MirrorMask(unsigned mask) {
  static const int to[6] = {0, 5, 4, 3, 2, 1};
  unsigned out = 0;
  for (int d = 0; d < 6; ++d)
    if (mask & (1u << d))
      out |= 1u << to[d];
  return out;
}

unsigned LayerPictureSides(int picture) {
  // Flip and mirror undo themselves, so the stored picture for mask m is m
  // carried through the same transformations the editor applies.
  for (unsigned m = 0; m < 64; ++m) {
    uint8_t e = LayerComboTable[m];
    if ((e & 63) != picture)
      continue;
    unsigned s = m;
    if (e & 64)
      s = FlipMask(s);
    if (e & 128)
      s = MirrorMask(s);
    return s;
  }
  throw std::logic_error("layer picture " + std::to_string(picture) + " is used by no mask");
}

unsigned CoastTileLandMask(int tile) {
  // The smallest of the masks CoastTileOfMask maps to each tile: that much land
  // is there whichever of its masks the tile stands for.
  static const unsigned masks[13] = {0, 1, 2, 32, 4, 16, 8, 28, 48, 6, 35, 0, 0};
  return tile >= 0 && tile <= 12 ? masks[tile] : 0;
}

int CoastTileOfMask(unsigned mask) {
  static const std::array<std::pair<unsigned, int>, 20> table = {{
      {1, 1}, {2, 2}, {3, 2}, {4, 4}, {6, 9}, {7, 9}, {8, 6}, {12, 4}, {14, 9}, {15, 9},
      {16, 5}, {24, 5}, {28, 7}, {32, 3}, {33, 3}, {35, 10}, {48, 8}, {49, 8}, {56, 8}, {57, 8},
  }};
  for (auto [m, t] : table)
    if (m == mask)
      return t;
  return 0;
}

bool IsCoastMask(unsigned mask) { return mask == 0 || CoastTileOfMask(mask) != 0; }

std::vector<Picture> BuildPartPictures() {
  std::vector<Picture> pics(PartCount);
  std::vector<bool> assigned(PartCount, false);
  auto put = [&](int n, const Picture& p) {
    if (n < 0 || n >= PartCount || assigned[n])
      throw std::logic_error("picture number " + std::to_string(n) + " assigned twice or out of range");
    pics[n] = p;
    assigned[n] = true;
  };

  for (int d = 0; d < 3; ++d) {
    put(part::LightWater[d], WaterPicture(d, false));
    put(part::DarkWater[d], WaterPicture(d, true));
  }
  for (int t = 1; t <= 12; ++t)
    put(part::LightCoast[t - 1], CoastPicture(t, false));
  for (int t = 1; t <= 10; ++t)
    put(part::DarkCoast[t - 1], CoastPicture(t, true));
  for (int k = 0; k < 5; ++k)
    put(part::LightLand[k], GrassPicture(k));
  put(part::ExtraGrass, GrassPicture(5));
  for (int k = 0; k < 8; ++k)
    put(part::DarkLand[k], DarkLandPicture(k));
  for (int i = 0; i < part::ForestCount; ++i)
    put(part::Forest + i, ForestPicture(i));
  for (int i = 0; i < part::HillsCount; ++i)
    put(part::Hills + i, HillsPicture(i));
  for (int i = 0; i < part::MountainsCount; ++i)
    put(part::Mountains + i, MountainPicture(i));
  for (int i = 0; i < part::DesertCount; ++i)
    put(part::Desert + i, DesertPicture(i));
  for (int i = 0; i < part::SnowCount; ++i)
    put(part::SnowLand + i, SnowPicture(i));
  for (int i = 0; i < part::SwampCount; ++i)
    put(part::Swamp + i, SwampPicture(i));
  for (int i = 0; i < part::FieldsCount; ++i)
    put(part::Fields + i, FieldsPicture(i));

  for (int n : {part::Road, part::Wall, part::River, part::Rail})
    put(n, LineIcon(LineKindsOf(n)));
  for (int n = part::LineCombosFirst; n <= part::LineCombosLast; ++n)
    put(n, LineIcon(LineKindsOf(n)));
  put(part::BridgeRoad03River14, CrossingPicture(0, 1, false));
  put(part::BridgeRoad03River25, CrossingPicture(0, 2, false));
  put(part::BridgeRoad14River03, CrossingPicture(1, 0, false));
  put(part::BridgeRoad25River03, CrossingPicture(2, 0, false));
  put(part::BridgeRoad14River25, CrossingPicture(1, 2, false));
  put(part::BridgeRoad25River14, CrossingPicture(2, 1, false));
  put(part::FordRoad03River14, CrossingPicture(0, 1, true));
  put(part::FordRoad03River25, CrossingPicture(0, 2, true));

  for (int n : {part::HQ, part::Factory, part::Depot, part::Airport, part::Academy, part::Port, part::TownA,
                part::TownB, part::Village, part::Houses, part::Farmstead, part::Town2, part::Castle,
                part::Church, part::HQ2, part::Factory2, part::Refinery, part::Depot2, part::Airstrip,
                part::Helipad, part::Port2, part::Academy2})
    put(n, BuildingPicture(n));
  for (int i = 0; i < SceneryCount; ++i)
    put(part::Scenery + i, SceneryPicture(i));

  for (int n = 0; n < PartCount; ++n)
    if (!assigned[n])
      pics[n] = PlaceholderPicture(n);
  return pics;
}

} // namespace vh::demo
