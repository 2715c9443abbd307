#pragma once

#include <array>
#include <cstdint>

namespace vh::demo {

// Palette indices the pictures are drawn with. Indices with a role fixed by
// the editor come first; the rest are the natural ramps of the art, darkest
// entry first, so "ramp + k" reads as "k steps lighter".
namespace pal {
constexpr uint8_t Key = 0;         // transparent in every overlay
constexpr uint8_t Neutral = 0;     // Neutral + 1 .. + 7: owner-recoloured shades, 1 darkest
constexpr uint8_t Water = 8;       // 8 entries, deep to light
constexpr uint8_t DarkGreen = 24;  // 8: woods
constexpr uint8_t Grass = 40;      // 8
constexpr uint8_t Earth = 64;      // 8: soil, hills
constexpr uint8_t Sand = 72;       // 8: desert
constexpr uint8_t EmptyFill = 88;  // empty cell; black unit pixels turn into it
constexpr uint8_t Ink = 89;        // near-black outline of objects (0 would be transparent)
constexpr uint8_t Shadow = 90;
constexpr uint8_t GridLine = 91;
constexpr uint8_t Rock = 92;        // 8
constexpr uint8_t Snow = 100;       // 4
constexpr uint8_t DarkWater = 112;  // 8
constexpr uint8_t Ice = 128;        // 8: shaded snow
constexpr uint8_t Swamp = 136;      // 7
constexpr uint8_t UnitKey = 143;    // transparent colour of unit pictures
constexpr uint8_t Road = 152;       // 8
constexpr uint8_t Roof = 160;       // 8
constexpr uint8_t Wall = 168;       // 8
constexpr uint8_t Wood = 176;       // 8
constexpr uint8_t Metal = 184;      // 8
constexpr uint8_t Field = 192;      // 8
constexpr uint8_t Fire = 200;       // 8
constexpr uint8_t Flower = 208;     // 208 white, 209 yellow, 210 red, 211 violet; 212..215 reed
constexpr uint8_t Glass = 216;      // 8
constexpr uint8_t UiGrey = 224;     // 16
constexpr uint8_t PreviewBackground = 228;
constexpr uint8_t ToolOutside = 240;  // outside pixels of the marks that must turn transparent
constexpr uint8_t MarkYellow = 241;
constexpr uint8_t MarkOrange = 242;
constexpr uint8_t MarkMagenta = 243;
constexpr uint8_t MarkRed = 244;
constexpr uint8_t MarkBlue = 245;
constexpr uint8_t MarkCyan = 246;
constexpr uint8_t MarkPale = 247;
constexpr uint8_t MarkDarkRed = 248;
constexpr uint8_t MarkDarkBlue = 249;
constexpr uint8_t Outside = 255;
}  // namespace pal

// Palette bases by owner: owner o uses base + 1 .. base + 7.
inline constexpr std::array<uint8_t, 8> OwnerColourBase = {16, 104, 56, 32, 48, 120, 80, 144};

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
};
using PaletteData = std::array<Rgb, 256>;

// Record 1 of the palette library is the one the editor uses; the other three
// are lighting variants of it (dusk, winter, night).
PaletteData BuildPalette(int variant = 1);

}  // namespace vh::demo
