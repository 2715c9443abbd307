#include "demo/Canvas.h"

#include <algorithm>
#include <cmath>

namespace vh::demo {

std::array<Pt, 6> HexVertices() {
  return {Pt{0, 12}, Pt{8, 0}, Pt{16, 0}, Pt{24, 12}, Pt{16, 24}, Pt{8, 24}};
}

// Side d runs from the vertex where sides d-1 and d meet to the one where d and d+1 meet.
static Pt SideStart(int dir) {
  static const std::array<int, 6> startVertex = {1, 2, 3, 4, 5, 0};
  return HexVertices()[startVertex[((dir % 6) + 6) % 6]];
}

Pt VertexBetween(int dirA, int dirB) {
  int a = ((dirA % 6) + 6) % 6, b = ((dirB % 6) + 6) % 6;
  int later = (b == (a + 1) % 6) ? b : a;  // the corner starts the later side
  return SideStart(later);
}

Pt SideMidpoint(int dir) {
  Pt a = SideStart(dir), b = SideStart(dir + 1);
  return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

uint32_t Hash(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
  uint32_t h = 0x9E3779B9u;
  for (uint32_t v : {a, b, c, d}) {
    h ^= v + 0x7F4A7C15u + (h << 6) + (h >> 2);
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
  }
  return h;
}

double Hash01(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
  return (Hash(a, b, c, d) >> 8) / static_cast<double>(1u << 24);
}

double ValueNoise(double x, double y, double scale, uint32_t seed) {
  double fx = x / scale, fy = y / scale;
  double ix = std::floor(fx), iy = std::floor(fy);
  double tx = fx - ix, ty = fy - iy;
  auto smooth = [](double t) { return t * t * (3 - 2 * t); };
  auto corner = [&](double cx, double cy) {
    return Hash01(static_cast<uint32_t>(static_cast<int32_t>(cx) + 1000),
                  static_cast<uint32_t>(static_cast<int32_t>(cy) + 1000), seed);
  };
  double a = corner(ix, iy), b = corner(ix + 1, iy), c = corner(ix, iy + 1), d = corner(ix + 1, iy + 1);
  double sx = smooth(tx), sy = smooth(ty);
  return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

double DistanceToSegment(Pt p, Pt a, Pt b, double* t) {
  double dx = b.x - a.x, dy = b.y - a.y;
  double len2 = dx * dx + dy * dy;
  double u = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  u = std::clamp(u, 0.0, 1.0);
  if (t)
    *t = u;
  double qx = a.x + u * dx - p.x, qy = a.y + u * dy - p.y;
  return std::sqrt(qx * qx + qy * qy);
}

void Canvas::Shade(const std::function<uint8_t(int c, int r)>& shade) {
  for (int r = 0; r < HexSize; ++r)
    for (int c = HexRowInset[r]; c < HexSize - HexRowInset[r]; ++c)
      px_[r * HexSize + c] = shade(c, r);
}

void Canvas::Rect(int c0, int r0, int c1, int r1, uint8_t v) {
  for (int r = std::min(r0, r1); r <= std::max(r0, r1); ++r)
    for (int c = std::min(c0, c1); c <= std::max(c0, c1); ++c)
      Set(c, r, v);
}

void Canvas::Disc(double cx, double cy, double radius, uint8_t v) {
  Ellipse(cx, cy, radius, radius, v);
}

void Canvas::Ellipse(double cx, double cy, double rx, double ry, uint8_t v) {
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      double dx = (c + 0.5 - cx) / rx, dy = (r + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1.0)
        Set(c, r, v);
    }
}

void Canvas::Segment(Pt a, Pt b, double halfWidth, uint8_t v) {
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c)
      if (DistanceToSegment({c + 0.5, r + 0.5}, a, b) <= halfWidth)
        Set(c, r, v);
}

void Canvas::Polygon(std::span<const Pt> pts, uint8_t v) {
  if (pts.size() < 3)
    return;
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      double x = c + 0.5, y = r + 0.5;
      bool inside = false;
      for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
        const Pt& pi = pts[i];
        const Pt& pj = pts[j];
        if ((pi.y > y) != (pj.y > y) && x < (pj.x - pi.x) * (y - pi.y) / (pj.y - pi.y) + pi.x)
          inside = !inside;
      }
      if (inside)
        Set(c, r, v);
    }
}

void Canvas::Outline(uint8_t outline, uint8_t bg) {
  Picture src = px_;
  auto solid = [&](int c, int r) { return In(c, r) && src[r * HexSize + c] != bg; };
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c)
      if (src[r * HexSize + c] == bg &&
          (solid(c - 1, r) || solid(c + 1, r) || solid(c, r - 1) || solid(c, r + 1)))
        px_[r * HexSize + c] = outline;
}

void Canvas::FillOutside(uint8_t v) {
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c)
      if (!InsideHex(c, r))
        px_[r * HexSize + c] = v;
}

void Canvas::Replace(uint8_t from, uint8_t to) {
  std::replace(px_.begin(), px_.end(), from, to);
}

void Canvas::Overlay(const Picture& src, uint8_t key) {
  for (size_t i = 0; i < px_.size(); ++i)
    if (src[i] != key)
      px_[i] = src[i];
}

void Canvas::FlipVertical() {
  for (int r = 0; r < HexSize / 2; ++r)
    for (int c = 0; c < HexSize; ++c)
      std::swap(px_[r * HexSize + c], px_[(HexSize - 1 - r) * HexSize + c]);
}

void Canvas::MirrorHorizontal() {
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize / 2; ++c)
      std::swap(px_[r * HexSize + c], px_[r * HexSize + HexSize - 1 - c]);
}

}  // namespace vh::demo
