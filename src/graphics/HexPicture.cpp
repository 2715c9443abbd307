#include "graphics/HexPicture.h"

#include <algorithm>
#include <cstring>

namespace vh {

void FillHexOutside(THexPicture& picture, uint8_t colour) {
  for (int r = 0; r <= 10; ++r)
    for (int c = 0; c < HexRowInset[static_cast<size_t>(r)]; ++c) {
      picture.At(r, c) = colour;
      picture.At(r, HexSize - 1 - c) = colour;
      picture.At(HexSize - 1 - r, c) = colour;
      picture.At(HexSize - 1 - r, HexSize - 1 - c) = colour;
    }
}

// A full map redraw runs this a few times per cell. Working on local copies
// of 16 bytes lets the compiler use vector code without having to prove that
// destination and source do not overlap.
void OverlayPicture(THexPicture& destination, const THexPicture& source, uint8_t key) {
  for (int i = 0; i < HexPixels; i += 16) {
    uint8_t s[16], d[16];
    std::memcpy(s, source.Pixels.data() + i, 16);
    std::memcpy(d, destination.Pixels.data() + i, 16);
    for (int j = 0; j < 16; ++j)
      d[j] = s[j] != key ? s[j] : d[j];
    std::memcpy(destination.Pixels.data() + i, d, 16);
  }
}

void ReplaceColour(THexPicture& picture, uint8_t from, uint8_t to) {
  for (uint8_t& p : picture.Pixels)
    p = p == from ? to : p;
}

void FlipVertical(THexPicture& picture) {
  for (int r = 0; r < HexSize / 2; ++r)
    std::swap_ranges(picture.Row(r), picture.Row(r) + HexSize, picture.Row(HexSize - 1 - r));
}

void MirrorHorizontal(THexPicture& picture) {
  for (int r = 0; r < HexSize; ++r)
    std::reverse(picture.Row(r), picture.Row(r) + HexSize);
}

void RecolourForOwner(THexPicture& picture, unsigned owner) {
  if (owner >= OwnerColourBase.size())
    return;
  // The replacements b -> base + b never produce another colour of 1..7
  // (every base is at least 16), so one pass gives the same result as
  // replacing colour 1, then 2, ... then 7.
  const uint8_t base = OwnerColourBase[owner];
  for (uint8_t& p : picture.Pixels)
    p = static_cast<uint8_t>(p - 1) < 7 ? static_cast<uint8_t>(p + base) : p;
}

}  // namespace vh
