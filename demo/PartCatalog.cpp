#include "demo/PartCatalog.h"

#include <algorithm>
#include <stdexcept>

#include "demo/Art.h"

namespace vh::demo {

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

  for (int n : {part::HQ,       part::Factory, part::Depot,   part::Airport,  part::Academy,   part::Port,
                part::TownA,    part::TownB,   part::Village, part::Houses,   part::Farmstead, part::Town2,
                part::Castle,   part::Church,  part::HQ2,     part::Factory2, part::Refinery,  part::Depot2,
                part::Airstrip, part::Helipad, part::Port2,   part::Academy2})
    put(n, BuildingPicture(n));
  for (int i = 0; i < SceneryCount; ++i)
    put(part::Scenery + i, SceneryPicture(i));

  for (int n = 0; n < PartCount; ++n)
    if (!assigned[n])
      pics[n] = PlaceholderPicture(n);
  return pics;
}

}  // namespace vh::demo
