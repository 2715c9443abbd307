#pragma once

// Reads the files of a freshly generated demo installation the way the
// editor does, independently of the generator's own constants: the layouts,
// numbers and tables below are the editor's, written out again here.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/ByteIO.h"
#include "hexmap/HexGeometry.h"

namespace vh::demotest {

namespace fs = std::filesystem;

constexpr int Px = 24;
constexpr int PicBytes = 576;
using Pic = std::array<uint8_t, PicBytes>;

inline constexpr std::array<int, 24> Inset = {8, 7, 7, 6, 5, 4, 4, 3, 2, 1, 1, 0,
                                              0, 1, 1, 2, 3, 4, 4, 5, 6, 7, 7, 8};
inline bool Inside(int c, int r) {
  return r >= 0 && r < 24 && c >= Inset[r] && c < 24 - Inset[r];
}

inline constexpr std::array<uint8_t, 64> ComboTable = {
    0,  1,  2,   3,   66,  4,   23,  5,   65,  6,   68,  7,   67,  71,  69,  8,   194, 132, 9,   10,  11, 12,
    13, 14, 195, 199, 202, 15,  16,  17,  18,  19,  130, 131, 75,  80,  73,  138, 77,  82,  196, 135, 76, 81,
    74, 79, 78,  83,  151, 133, 205, 210, 141, 142, 20,  21,  197, 136, 206, 211, 146, 147, 85,  22};

inline constexpr std::array<uint8_t, 8> OwnerBase = {16, 104, 56, 32, 48, 120, 80, 144};

// A directory name of the system's temporary directory that no other test
// process uses at the same time.
fs::path UniqueTempDir(const std::string& stem);

// The generated installation, written once per test program into a fresh
// temporary directory.
struct Installation {
  fs::path Bin;
  fs::path Game;
  static const Installation& Get();
  ByteStream Read(const fs::path& relative) const;  // below Bin
  // A file below Game/LIB whose name matches regardless of case.
  ByteStream Lib(const std::string& name) const;
};

struct Rgb {
  int r, g, b;
};
std::array<Rgb, 256> GamePalette(const Installation& inst);  // record 1 of palt000.lib

Pic PicAt(const ByteStream& file, size_t offset);
Pic PartPicture(const Installation& inst, int n);  // with the outside filled with 255
void FillOutside(Pic& p, uint8_t v);
void FlipVertical(Pic& p);
void MirrorHorizontal(Pic& p);
inline uint8_t At(const Pic& p, int c, int r) {
  return p[r * 24 + c];
}

// Pixels just inside the middle of each hex side, symmetric under flips and
// mirrors like the sides themselves.
std::array<std::array<std::pair<int, int>, 2>, 6> SideProbes();
// The same, two pixels further in.
std::array<std::pair<int, int>, 6> InnerSideProbes();

// The neighbour of cell (x, y) in direction d, by the editor's own rule.
inline void Neighbour(int x, int y, int d, int& nx, int& ny) {
  const TPoint n = vh::Neighbour({x, y}, d);
  nx = n.x;
  ny = n.y;
}

}  // namespace vh::demotest
