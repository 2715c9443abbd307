#include <gtest/gtest.h>

#include <climits>

#include "base/Errors.h"
#include "hexmap/HexGeometry.h"

namespace vh {
namespace {

std::optional<TPoint> Hit(const THexGeometry& g, int32_t x, int32_t y, TPoint grid = {64, 64}) {
  TPoint p{x, y};
  if (!g.PointToCell(p, grid)) {
    EXPECT_EQ(p, (TPoint{x, y})) << "a miss must leave the point alone";
    return std::nullopt;
  }
  return p;
}

TEST(Neighbours, OddColumnsSitHalfACellLower) {
  // Even column.
  EXPECT_EQ(Neighbour({4, 5}, dirUp), (TPoint{4, 4}));
  EXPECT_EQ(Neighbour({4, 5}, dirUpperRight), (TPoint{5, 4}));
  EXPECT_EQ(Neighbour({4, 5}, dirLowerRight), (TPoint{5, 5}));
  EXPECT_EQ(Neighbour({4, 5}, dirDown), (TPoint{4, 6}));
  EXPECT_EQ(Neighbour({4, 5}, dirLowerLeft), (TPoint{3, 5}));
  EXPECT_EQ(Neighbour({4, 5}, dirUpperLeft), (TPoint{3, 4}));
  // Odd column.
  EXPECT_EQ(Neighbour({3, 5}, dirUp), (TPoint{3, 4}));
  EXPECT_EQ(Neighbour({3, 5}, dirUpperRight), (TPoint{4, 5}));
  EXPECT_EQ(Neighbour({3, 5}, dirLowerRight), (TPoint{4, 6}));
  EXPECT_EQ(Neighbour({3, 5}, dirDown), (TPoint{3, 6}));
  EXPECT_EQ(Neighbour({3, 5}, dirLowerLeft), (TPoint{2, 6}));
  EXPECT_EQ(Neighbour({3, 5}, dirUpperLeft), (TPoint{2, 5}));
  EXPECT_THROW(Neighbour({3, 5}, 6), ERangeError);
  EXPECT_THROW(Neighbour({3, 5}, -1), ERangeError);
}

TEST(Neighbours, AreMutualAndTheirCentresAreOneCellApart) {
  const THexGeometry g;
  for (int x = 0; x < 6; ++x)
    for (int y = 0; y < 6; ++y)
      for (int d = 0; d < DirectionCount; ++d) {
        const TPoint n = Neighbour({x, y}, d);
        EXPECT_EQ(Neighbour(n, (d + 3) % 6), (TPoint{x, y})) << x << "," << y << " dir " << d;
        // Centres of neighbours are 24 pixels apart up/down and 16 across
        // with 12 of height difference otherwise.
        const TPoint a = g.CellToPoint({x, y}), b = g.CellToPoint(n);
        const int dx = std::abs(a.x - b.x), dy = std::abs(a.y - b.y);
        EXPECT_TRUE((dx == 0 && dy == 24) || (dx == 16 && dy == 12)) << dx << "," << dy;
      }
}

TEST(Neighbours, IsInGridChecksBothCoordinatesAgainstTheSize) {
  EXPECT_TRUE(IsInGrid({0, 0}, {3, 2}));
  EXPECT_TRUE(IsInGrid({2, 1}, {3, 2}));
  EXPECT_FALSE(IsInGrid({3, 1}, {3, 2}));
  EXPECT_FALSE(IsInGrid({2, 2}, {3, 2}));
  EXPECT_FALSE(IsInGrid({-1, 0}, {3, 2}));
  EXPECT_FALSE(IsInGrid({0, -1}, {3, 2}));
  EXPECT_FALSE(IsInGrid({0, 0}, {0, 0}));
}

TEST(HexLayout, PlacesCellsAndMeasuresTheGrid) {
  const THexGeometry hex{es6Ecks, 0};
  EXPECT_EQ(hex.CellToPoint({0, 0}), (TPoint{0, 0}));
  EXPECT_EQ(hex.CellToPoint({1, 0}), (TPoint{16, 12}));
  EXPECT_EQ(hex.CellToPoint({2, 3}), (TPoint{32, 72}));
  EXPECT_EQ(hex.CellToPoint({3, 3}), (TPoint{48, 84}));
  EXPECT_EQ(hex.GridExtent({64, 64}), (TPoint{1032, 1548}));
  EXPECT_EQ(hex.GridExtent({1, 1}), (TPoint{24, 36}));

  const THexGeometry spaced{es6Ecks, 3};
  EXPECT_EQ(spaced.CellToPoint({1, 2}), (TPoint{19, 2 * 27 + 1 + 12}));
  EXPECT_EQ(spaced.GridExtent({3, 2}), (TPoint{48 + 8 + 6, 48 + 12 + 3 + 1}));

  const THexGeometry square{es4Ecks, 1};
  EXPECT_EQ(square.CellToPoint({2, 3}), (TPoint{50, 75}));
  EXPECT_EQ(square.GridExtent({3, 2}), (TPoint{74, 49}));
}

TEST(HexLayout, TheLastCellsEndExactlyAtTheGridExtent) {
  for (TEckViewStyle style : {es6Ecks, es4Ecks})
    for (int s : {0, 1, 2, 5}) {
      const THexGeometry g{style, s};
      for (TPoint size : {TPoint{1, 1}, TPoint{2, 3}, TPoint{7, 4}, TPoint{64, 64}}) {
        if (style == es6Ecks && size.x == 1)
          continue;  // the extent always leaves room for a lower odd column
        const TPoint extent = g.GridExtent(size);
        int right = 0, bottom = 0;
        for (int x = 0; x < size.x; ++x)
          for (int y = 0; y < size.y; ++y) {
            const TPoint o = g.CellToPoint({x, y});
            right = std::max(right, o.x + 24);
            bottom = std::max(bottom, o.y + 24);
          }
        EXPECT_EQ(extent, (TPoint{right, bottom})) << "style " << style << " space " << s;
      }
    }
}

TEST(HitTest, HexagonalLayoutWithoutSpace) {
  const THexGeometry g{es6Ecks, 0};
  EXPECT_EQ(Hit(g, 0, 0), std::nullopt);  // corner of cell (0, 0)
  EXPECT_EQ(Hit(g, 8, 0), (TPoint{0, 0}));
  EXPECT_EQ(Hit(g, 16, 12), (TPoint{0, 0}));
  EXPECT_EQ(Hit(g, 20, 5), std::nullopt);  // right of (0, 0), above (1, 0)
  EXPECT_EQ(Hit(g, 24, 12), (TPoint{1, 0}));
  EXPECT_EQ(Hit(g, 31, 12), (TPoint{1, 0}));
  EXPECT_EQ(Hit(g, 32, 12), (TPoint{2, 0}));
  EXPECT_EQ(Hit(g, 17, 30), (TPoint{0, 1}));
  EXPECT_EQ(Hit(g, 40, 30), (TPoint{2, 1}));
  // Left of and above the grid, and cells beyond its size.
  EXPECT_EQ(Hit(g, -1, 12), std::nullopt);
  EXPECT_EQ(Hit(g, 12, -1), std::nullopt);
  EXPECT_EQ(g.CellAt({12, -1}), (TPoint{0, -1}));
  EXPECT_EQ(Hit(g, 40, 30, {2, 2}), std::nullopt);
  EXPECT_EQ(g.CellAt({40, 30}), (TPoint{2, 1}));
}

TEST(HitTest, SquareLayoutWithSpace) {
  const THexGeometry g{es4Ecks, 1};
  EXPECT_EQ(Hit(g, 24, 5), std::nullopt);  // the gap between two cells
  EXPECT_EQ(Hit(g, -3, 5), std::nullopt);
  EXPECT_EQ(Hit(g, 0, 0), std::nullopt);  // corners of the square do not count
  EXPECT_EQ(Hit(g, 12, 0), (TPoint{0, 0}));
  EXPECT_EQ(Hit(g, 25, 11), (TPoint{1, 0}));
  EXPECT_EQ(Hit(g, 50 + 12, 75 + 23), (TPoint{2, 3}));
  EXPECT_EQ(Hit(g, 50 + 12, 75 + 24), std::nullopt);
}

TEST(HitTest, ExtremePixelsHitNothingInTheGrid) {
  for (TEckViewStyle style : {es6Ecks, es4Ecks}) {
    const THexGeometry g{style, 1};
    for (int32_t x : {INT32_MIN, -1000000, INT32_MAX})
      for (int32_t y : {INT32_MIN, 7, INT32_MAX})
        EXPECT_EQ(Hit(g, x, y), std::nullopt) << x << "," << y;
  }
}

// The constant-time search against the definition: a pixel lies in a cell
// when it is inside that cell's outline; no two outlines overlap.
TEST(HitTest, AgreesWithTheOutlineDefinitionEverywhere) {
  const TPoint grid{7, 5};
  for (TEckViewStyle style : {es6Ecks, es4Ecks})
    for (int s : {0, 1, 2, 3, 4, 7, 8, 12}) {
      SCOPED_TRACE("style " + std::to_string(style) + " space " + std::to_string(s));
      const THexGeometry g{style, s};
      const TPoint extent = g.GridExtent(grid);
      int hits = 0, mismatches = 0;
      for (int32_t y = -40; y < extent.y + 40; ++y)
        for (int32_t x = -40; x < extent.x + 40; ++x) {
          std::optional<TPoint> expected;
          int owners = 0;
          for (int32_t c = -4; c < grid.x + 4; ++c)
            for (int32_t r = -4; r < grid.y + 4; ++r)
              if (g.InCellOutline({x, y}, {c, r})) {
                expected = TPoint{c, r};
                ++owners;
              }
          ASSERT_LE(owners, 1) << "outlines overlap at " << x << "," << y;
          const std::optional<TPoint> found = g.CellAt({x, y});
          if (found.has_value() != (owners == 1) || (found && !(*found == *expected)))
            ++mismatches;
          const bool inGrid = owners == 1 && IsInGrid(*expected, grid);
          const std::optional<TPoint> hit = Hit(g, x, y, grid);
          if (hit.has_value() != inGrid || (hit && !(*hit == *expected)))
            ++mismatches;
          hits += inGrid ? 1 : 0;
        }
      EXPECT_EQ(mismatches, 0);
      // Every cell of the grid owns the 24 x 24 square minus its corners.
      EXPECT_EQ(hits, grid.x * grid.y * (576 - 192));
    }
}

}  // namespace
}  // namespace vh
