#include "demo/Palette.h"

#include <algorithm>
#include <cmath>

namespace vh::demo {
namespace {

Rgb Mix(Rgb a, Rgb b, double t) {
  auto m = [t](uint8_t x, uint8_t y) { return static_cast<uint8_t>(std::lround(x + (y - x) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

void Ramp(PaletteData& p, int first, int count, Rgb from, Rgb to) {
  for (int i = 0; i < count; ++i)
    p[first + i] = Mix(from, to, count > 1 ? static_cast<double>(i) / (count - 1) : 0.0);
}

// Seven usable shades of one hue: deep shadow up to a washed-out highlight, so
// the recoloured pictures keep the light and shade of the neutral drawing.
void OwnerRamp(PaletteData& p, int base, Rgb hue) {
  Rgb dark{static_cast<uint8_t>(hue.r / 5), static_cast<uint8_t>(hue.g / 5), static_cast<uint8_t>(hue.b / 5)};
  Rgb light = Mix(hue, Rgb{255, 255, 255}, 0.6);
  p[base] = dark;
  for (int b = 1; b <= 7; ++b) {
    double t = (b - 1) / 6.0;
    p[base + b] = t < 0.6 ? Mix(Mix(dark, hue, 0.35), hue, t / 0.6) : Mix(hue, light, (t - 0.6) / 0.4);
  }
}

PaletteData Daylight() {
  PaletteData p{};
  Ramp(p, 224, 16, {16, 16, 18}, {250, 250, 250});  // grey fallback for anything unassigned below
  for (int i = 0; i < 256; ++i)
    if (i < 224)
      p[i] = p[224 + (i % 16)];

  p[pal::Key] = {92, 124, 64};  // shows behind objects and units in the palette window
  const Rgb neutral[7] = {{38, 35, 30},    {68, 63, 55},    {100, 94, 82},  {134, 126, 110},
                          {166, 158, 140}, {198, 190, 172}, {230, 224, 208}};
  for (int b = 1; b <= 7; ++b)
    p[b] = neutral[b - 1];
  Ramp(p, pal::Water, 8, {12, 28, 72}, {112, 174, 216});
  Ramp(p, pal::DarkGreen, 8, {12, 36, 14}, {76, 124, 52});
  Ramp(p, pal::Grass, 8, {48, 92, 30}, {156, 204, 92});
  Ramp(p, pal::Earth, 8, {58, 40, 22}, {186, 148, 98});
  Ramp(p, pal::Sand, 8, {146, 114, 66}, {246, 228, 172});
  p[pal::EmptyFill] = {22, 24, 30};
  p[pal::Ink] = {16, 14, 12};
  p[pal::Shadow] = {48, 44, 40};
  p[pal::GridLine] = {30, 32, 30};
  Ramp(p, pal::Rock, 8, {56, 54, 54}, {198, 194, 188});
  Ramp(p, pal::Snow, 4, {206, 214, 228}, {252, 252, 255});
  Ramp(p, pal::DarkWater, 8, {6, 26, 34}, {64, 112, 116});
  Ramp(p, pal::Ice, 8, {112, 132, 164}, {236, 242, 252});
  Ramp(p, pal::Swamp, 7, {38, 46, 22}, {152, 152, 92});
  p[pal::UnitKey] = {255, 0, 255};
  Ramp(p, pal::Road, 8, {46, 46, 48}, {176, 172, 162});
  Ramp(p, pal::Roof, 8, {78, 22, 16}, {226, 116, 84});
  Ramp(p, pal::Wall, 8, {118, 98, 74}, {244, 232, 204});
  Ramp(p, pal::Wood, 8, {52, 32, 16}, {180, 134, 84});
  Ramp(p, pal::Metal, 8, {38, 44, 54}, {194, 204, 216});
  Ramp(p, pal::Field, 8, {126, 106, 30}, {242, 222, 124});
  Ramp(p, pal::Fire, 8, {120, 20, 0}, {255, 242, 124});
  p[pal::Flower + 0] = {242, 242, 232};
  p[pal::Flower + 1] = {244, 222, 60};
  p[pal::Flower + 2] = {222, 58, 48};
  p[pal::Flower + 3] = {172, 102, 204};
  Ramp(p, pal::Flower + 4, 4, {70, 86, 38}, {150, 160, 84});
  Ramp(p, pal::Glass, 8, {28, 56, 76}, {174, 222, 242});

  // Owner colour ranges; the preview colours of the map generator fall into
  // some of them (36 is land green, 51 shallow water), which decides the hues.
  OwnerRamp(p, 16, {208, 40, 32});    // owner 0 red
  OwnerRamp(p, 104, {44, 86, 220});   // owner 1 blue
  OwnerRamp(p, 56, {226, 194, 38});   // owner 2 yellow
  OwnerRamp(p, 32, {56, 168, 56});    // owner 3 green
  OwnerRamp(p, 48, {30, 164, 176});   // owner 4 teal
  OwnerRamp(p, 120, {156, 64, 190});  // owner 5 violet
  OwnerRamp(p, 80, {156, 156, 156});  // owner 6 neutral grey
  OwnerRamp(p, 144, {206, 124, 44});  // owner 7 amber
  p[pal::UnitKey] = {255, 0, 255};    // 143 sits just below owner 7's range

  p[pal::ToolOutside] = {255, 0, 128};
  p[pal::MarkYellow] = {255, 230, 0};
  p[pal::MarkOrange] = {255, 140, 0};
  p[pal::MarkMagenta] = {232, 40, 204};
  p[pal::MarkRed] = {240, 32, 32};
  p[pal::MarkBlue] = {40, 112, 255};
  p[pal::MarkCyan] = {0, 230, 230};
  p[pal::MarkPale] = {255, 250, 164};
  p[pal::MarkDarkRed] = {140, 0, 0};
  p[pal::MarkDarkBlue] = {0, 30, 140};
  p[pal::Outside] = {255, 255, 255};  // the colour of selection borders and hex side highlights
  return p;
}

}  // namespace

PaletteData BuildPalette(int variant) {
  PaletteData p = Daylight();
  if (variant == 1)
    return p;
  for (int i = 1; i < 256; ++i) {
    Rgb& c = p[i];
    double r = c.r, g = c.g, b = c.b;
    if (variant == 0) {  // dusk: warmer, a little darker
      r *= 0.92;
      g *= 0.78;
      b *= 0.70;
    } else if (variant == 2) {  // winter: pale and blue
      double grey = (r + g + b) / 3;
      r = (r + grey) / 2 * 0.95 + 20;
      g = (g + grey) / 2 + 22;
      b = (b + grey) / 2 + 36;
    } else {  // night
      r *= 0.35;
      g *= 0.40;
      b *= 0.60;
    }
    auto clamp8 = [](double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); };
    c = {clamp8(r), clamp8(g), clamp8(b)};
  }
  return p;
}

}  // namespace vh::demo
