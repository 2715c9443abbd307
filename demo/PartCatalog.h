#pragma once

#include "generator/Generator.h"
#include "graphics/PictureSets.h"
#include "hexmap/MissionPicture.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "demo/Canvas.h"

namespace vh::demo {

constexpr int PartCount = 1335;
constexpr int LayerPictureCount = 24;
constexpr int LineKindCount = 4;  // 0 road, 1 river, 2 railway, 3 wall

// Numbers of the terrain and object pictures in part000.lib. The editor and
// its map generator refer to several of them by number, so those are fixed;
// the rest is our own arrangement.
namespace part {
// Terrain sets of the map generator: light green and dark.
inline constexpr std::array<int, 3> LightWater = {95, 96, 97};  // shallow, medium, deep
inline constexpr std::array<int, 5> LightLand = {271, 272, 273, 274, 276};
inline constexpr std::array<int, 12> LightCoast = {103, 101, 100, 98, 99, 102, 104, 107, 106, 105, 108, 109};
inline constexpr std::array<int, 3> DarkWater = {385, 386, 387};
inline constexpr std::array<int, 8> DarkLand = {356, 355, 354, 353, 352, 351, 350, 349};  // low to high
inline constexpr std::array<int, 10> DarkCoast = {378, 376, 375, 373, 374, 377, 379, 382, 381, 380};
constexpr int ExtraGrass = 275;

// Our own terrain blocks (first number, count).
constexpr int Forest = 110, ForestCount = 6;
constexpr int Hills = 120, HillsCount = 5;
constexpr int Mountains = 126, MountainsCount = 5;
constexpr int Desert = 132, DesertCount = 6;
constexpr int SnowLand = 140, SnowCount = 6;
constexpr int Swamp = 146, SwampCount = 5;
constexpr int Fields = 152, FieldsCount = 4;

// Line objects: drawn joined to their neighbours from the layer libraries.
constexpr int Road = 90, Wall = 91, River = 92, Rail = 93;
constexpr int LineCombosFirst = 1264, LineCombosLast = 1274;
// Crossings of road and river, by the axes of road and river.
constexpr int BridgeRoad03River14 = 44, BridgeRoad03River25 = 45;
constexpr int BridgeRoad14River03 = 54, BridgeRoad25River03 = 55;
constexpr int BridgeRoad14River25 = 63, BridgeRoad25River14 = 66;
constexpr int FordRoad03River14 = 69, FordRoad03River25 = 71;

// Shop buildings, drawn in the owner-recoloured shades.
constexpr int HQ = 393, Factory = 394, Depot = 395, Airport = 458, Academy = 563, Port = 76;
constexpr int TownA = 80, TownB = 81, Village = 86, Houses = 87, Farmstead = 88;
constexpr int Town2 = 957, Castle = 984, Church = 1021;
constexpr int HQ2 = 396, Factory2 = 397, Refinery = 398, Depot2 = 399;
constexpr int Airstrip = 459, Helipad = 460, Port2 = 77, Academy2 = 564;

// Scenery objects 200 .. 200 + SceneryCount - 1.
constexpr int Scenery = 200;
}  // namespace part

// Which line kinds an object number belongs to (bit k = kind k); 0 for none.
// The editor's own tables decide, so the art joins exactly as the map view does.
inline unsigned LineKindsOf(int part) {
  return part < 0 || part > 0x7FFF ? 0u : LineObjectKinds(static_cast<int16_t>(part)) & LineKindMask;
}
// Objects that roads, rivers and walls join although they are no line themselves.
inline bool IsLineJoin(int part) {
  return part >= 0 && part <= 0x7FFF && (LineObjectKinds(static_cast<int16_t>(part)) & LineJoinBit);
}

// What a coast tile has land on: bit d = land toward direction d. Tiles 11 and
// 12 are the corner tiles, with land only at the right and left corner.
unsigned CoastTileLandMask(int tile);
// The map generator's CoastTileOfMask and IsCoastMask and the picture sets'
// LayerComboTable are used as they are.
// The sides picture p of a layer library has to connect (derived from the table).
unsigned LayerPictureSides(int picture);
// A neighbour mask after a vertical flip and a horizontal mirror.
unsigned FlipMask(unsigned mask);
unsigned MirrorMask(unsigned mask);

// All 1335 pictures of part000.lib.
std::vector<Picture> BuildPartPictures();

// One selection page: 12 columns x 6 rows, entry (x, y) = picture number or -1.
struct SelectionGroup {
  std::string Name;  // for the contact sheet and our tests
  int Icon = -1;
  std::array<int16_t, 72> Cells{};  // row by row: y * 12 + x
};
std::vector<SelectionGroup> TerrainGroups();  // group i sits at index-page place i
std::vector<SelectionGroup> ObjectGroups();

}  // namespace vh::demo
