#pragma once

#include <string>

#include "demo/Canvas.h"

// The drawing code of the demo installation, split by theme. Every function is
// deterministic: the same build always writes the same bytes.
namespace vh::demo {

// Land terrains. `variant` picks one of a few looks of the same terrain.
Picture GrassPicture(int variant, bool dark = false);
Picture ForestPicture(int variant, bool dark = false);
Picture HillsPicture(int variant, bool dark = false);
Picture MountainPicture(int variant, bool dark = false);
Picture DesertPicture(int variant);
Picture SnowPicture(int variant);
Picture SwampPicture(int variant);
Picture FieldsPicture(int variant);
// The dark set's land, graded by height: level 0 lowland .. 7 snowy peaks.
Picture DarkLandPicture(int level);

// Water: depth 0 shallow, 1 medium, 2 deep.
Picture WaterPicture(int depth, bool dark);
// Coast tile 1..12 of the light or the dark set.
Picture CoastPicture(int tile, bool dark);
// True for palette indices that the water and coast pictures use for water.
bool IsWaterColour(uint8_t colour);

// Line objects on a transparent background, connecting exactly the hex sides
// whose bits are set in `sides`.
Picture LinePicture(int kind, unsigned sides);
// The palette icon of a line object that belongs to the kinds in `kinds`.
Picture LineIcon(unsigned kinds);
// A road crossing a river; axes are given by one of their two sides (0, 1 or 2).
Picture CrossingPicture(int roadAxis, int riverAxis, bool ford);

// Buildings of the shops and settlements, by part number; 0-background.
Picture BuildingPicture(int part);
constexpr int SceneryCount = 32;
Picture SceneryPicture(int index);
std::string SceneryName(int index);
// What an unassigned picture number shows: a hatched hex, so a wrong number is
// obvious on the map instead of silently looking like real terrain.
Picture PlaceholderPicture(int part);

// Unit types as stored in unit000.lib: 143 background, black outline, body in
// the owner shades 1..7.
constexpr int DemoUnitTypes = 64;
Picture UnitPicture(int type);
std::string UnitName(int type);

// TOOLS.DAT parts 0..14 and the cursor library's 12 pictures.
constexpr int ToolPartCount = 15;
Picture ToolPicture(int part);
constexpr int CursorCount = 12;
Picture CursorPicture(int index);

}  // namespace vh::demo
