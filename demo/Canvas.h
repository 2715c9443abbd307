#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

namespace vh::demo {

constexpr int HexSize = 24;
constexpr int PictureBytes = HexSize * HexSize;
using Picture = std::array<uint8_t, PictureBytes>;

// Pixels at each end of a row that lie outside the flat-topped hexagon.
inline constexpr std::array<int, HexSize> HexRowInset = {8, 7, 7, 6, 5, 4, 4, 3, 2, 1, 1, 0,
                                                         0, 1, 1, 2, 3, 4, 4, 5, 6, 7, 7, 8};

inline bool InsideHex(int col, int row) {
  return row >= 0 && row < HexSize && col >= HexRowInset[row] && col < HexSize - HexRowInset[row];
}

// Hex side directions, clockwise from the top, as the map's neighbours are numbered.
enum Dir { dUp = 0, dUpRight, dDownRight, dDown, dDownLeft, dUpLeft };

// Geometry in continuous coordinates: pixel (c, r) covers [c, c+1) x [r, r+1),
// so the hexagon's centre is (12, 12) and flips map x to 24 - x. Keeping every
// shape symmetric about that centre is what lets one stored picture serve its
// flipped and mirrored uses.
struct Pt {
  double x = 0;
  double y = 0;
};
constexpr Pt HexCentre{12.0, 12.0};
Pt SideMidpoint(int dir);              // midpoint of hex side `dir`
std::array<Pt, 6> HexVertices();       // left, top-left, top-right, right, bottom-right, bottom-left
Pt VertexBetween(int dirA, int dirB);  // the corner where two adjacent sides meet

// Deterministic hashing, so every build draws the very same pictures.
uint32_t Hash(uint32_t a, uint32_t b = 0, uint32_t c = 0, uint32_t d = 0);
double Hash01(uint32_t a, uint32_t b = 0, uint32_t c = 0, uint32_t d = 0);
// Smooth value noise in [0, 1) over pixel coordinates; `scale` is the feature size.
double ValueNoise(double x, double y, double scale, uint32_t seed);

class Canvas {
public:
  explicit Canvas(uint8_t fill = 0) { px_.fill(fill); }
  explicit Canvas(const Picture& p) : px_(p) {}

  uint8_t Get(int c, int r) const { return In(c, r) ? px_[r * HexSize + c] : 0; }
  void Set(int c, int r, uint8_t v) {
    if (In(c, r))
      px_[r * HexSize + c] = v;
  }
  static bool In(int c, int r) { return c >= 0 && r >= 0 && c < HexSize && r < HexSize; }

  void Fill(uint8_t v) { px_.fill(v); }
  // Calls `shade` for every pixel inside the hexagon and stores its result.
  void Shade(const std::function<uint8_t(int c, int r)>& shade);
  void Rect(int c0, int r0, int c1, int r1, uint8_t v);  // inclusive corners
  void Disc(double cx, double cy, double radius, uint8_t v);
  void Ellipse(double cx, double cy, double rx, double ry, uint8_t v);
  // A thick line with round caps: every pixel whose centre lies within
  // `halfWidth` of the segment.
  void Segment(Pt a, Pt b, double halfWidth, uint8_t v);
  void Polygon(std::span<const Pt> pts, uint8_t v);
  void Polygon(std::initializer_list<Pt> pts, uint8_t v) {
    Polygon(std::span<const Pt>(pts.begin(), pts.size()), v);
  }
  // Background pixels (value `bg`) 4-adjacent to a non-background pixel become `outline`.
  void Outline(uint8_t outline, uint8_t bg = 0);
  // Writes `v` outside the hexagon outline.
  void FillOutside(uint8_t v);
  void Replace(uint8_t from, uint8_t to);
  void Overlay(const Picture& src, uint8_t key = 0);
  void FlipVertical();
  void MirrorHorizontal();

  const Picture& Pixels() const { return px_; }
  Picture& Pixels() { return px_; }

private:
  Picture px_;
};

// Distance from point p to segment ab, and the segment parameter of the nearest point.
double DistanceToSegment(Pt p, Pt a, Pt b, double* t = nullptr);

}  // namespace vh::demo
