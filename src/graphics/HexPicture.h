#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vh {

constexpr int HexSize = 24;                   // a cell picture is 24 x 24 pixels
constexpr int HexPixels = HexSize * HexSize;  // 576 bytes per picture

// Palette indices with a fixed role in every picture.
constexpr uint8_t TransparentKey = 0;    // skipped by every overlay
constexpr uint8_t OutsideColour = 255;   // pixels outside the hexagon outline
constexpr uint8_t EmptyCellColour = 88;  // fill of an empty cell; black in unit pictures
constexpr uint8_t UnitKeyColour = 143;   // transparent colour of the game's unit pictures
constexpr uint8_t ToolMarkColour = 240;  // becomes OutsideColour in three tool marks
constexpr uint8_t GridColour = 91;       // grid lines

// One cell picture: 24 rows of 24 palette indices, top row first.
struct THexPicture {
  std::array<uint8_t, HexPixels> Pixels{};

  uint8_t& At(int row, int col) { return Pixels[static_cast<size_t>(row * HexSize + col)]; }
  uint8_t At(int row, int col) const { return Pixels[static_cast<size_t>(row * HexSize + col)]; }
  uint8_t* Row(int row) { return Pixels.data() + row * HexSize; }
  const uint8_t* Row(int row) const { return Pixels.data() + row * HexSize; }

  static THexPicture Filled(uint8_t colour) {
    THexPicture p;
    p.Pixels.fill(colour);
    return p;
  }
  friend bool operator==(const THexPicture&, const THexPicture&) = default;
};

// Pixels at each end of row r that lie outside the flat-topped hexagon.
inline constexpr std::array<uint8_t, HexSize> HexRowInset{8, 7, 7, 6, 5, 4, 4, 3, 2, 1, 1, 0,
                                                          0, 1, 1, 2, 3, 4, 4, 5, 6, 7, 7, 8};

// True when (row, col) of a picture lies inside the hexagon outline.
constexpr bool InsideHexOutline(int row, int col) {
  return row >= 0 && row < HexSize && col >= HexRowInset[static_cast<size_t>(row)] &&
         col < HexSize - HexRowInset[static_cast<size_t>(row)];
}

// Base of each owner's colour range; pictures are drawn in the neutral
// colours 1..7 and take base + 1 .. base + 7.
inline constexpr std::array<uint8_t, 8> OwnerColourBase{16, 104, 56, 32, 48, 120, 80, 144};

void FillHexOutside(THexPicture& picture, uint8_t colour);
void OverlayPicture(THexPicture& destination, const THexPicture& source, uint8_t key);
void ReplaceColour(THexPicture& picture, uint8_t from, uint8_t to);
void FlipVertical(THexPicture& picture);
void MirrorHorizontal(THexPicture& picture);
// Owners above 7 have no colour range: the picture stays as it is.
void RecolourForOwner(THexPicture& picture, unsigned owner);

}  // namespace vh
