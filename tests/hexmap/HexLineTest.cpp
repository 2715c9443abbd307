#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <queue>
#include <vector>

#include "hexmap/HexGeometry.h"
#include "hexmap/HexLine.h"

namespace vh {
namespace {

using Cells = std::vector<TPoint>;

bool AreNeighbours(TPoint a, TPoint b) {
  for (int d = 0; d < DirectionCount; ++d)
    if (Neighbour(a, d) == b)
      return true;
  return false;
}

TEST(HexLine, StraightLinesFollowEachDirectionFromEvenAndOddColumns) {
  for (TPoint start : {TPoint{10, 10}, TPoint{11, 10}}) {
    for (int d = 0; d < DirectionCount; ++d) {
      Cells expected{start};
      for (int step = 0; step < 7; ++step)
        expected.push_back(Neighbour(expected.back(), d));
      EXPECT_EQ(HexLine(start, expected.back()), expected)
          << "from (" << start.x << ", " << start.y << ") direction " << d;
      EXPECT_EQ(HexDistance(start, expected.back()), 7);
    }
  }
}

TEST(HexLine, ASingleCellAndNeighbours) {
  EXPECT_EQ(HexLine({3, 4}, {3, 4}), (Cells{{3, 4}}));
  EXPECT_EQ(HexLine({3, 4}, {4, 4}), (Cells{{3, 4}, {4, 4}}));
  EXPECT_EQ(HexLine({4, 4}, {3, 4}), (Cells{{4, 4}, {3, 4}}));
}

TEST(HexLine, ALineAlongCellBordersPicksTheSameCellsFromEitherEnd) {
  // Halfway from (0, 0) to (2, 0) lies the border of (1, -1) and (1, 0);
  // such ties go to the lower cell.
  EXPECT_EQ(HexLine({0, 0}, {2, 0}), (Cells{{0, 0}, {1, 0}, {2, 0}}));
  EXPECT_EQ(HexLine({2, 0}, {0, 0}), (Cells{{2, 0}, {1, 0}, {0, 0}}));
  // The same from an odd column, where the row offsets turn the other way.
  EXPECT_EQ(HexLine({1, 0}, {3, 0}), (Cells{{1, 0}, {2, 1}, {3, 0}}));
  EXPECT_EQ(HexLine({3, 0}, {1, 0}), (Cells{{3, 0}, {2, 1}, {1, 0}}));
}

// Steps counted by walking the neighbour rule, independent of the line's
// coordinate arithmetic.
std::map<std::pair<int, int>, int> WalkedDistances(TPoint from, int lo, int hi) {
  std::map<std::pair<int, int>, int> dist{{{from.x, from.y}, 0}};
  std::queue<TPoint> open;
  open.push(from);
  while (!open.empty()) {
    const TPoint c = open.front();
    open.pop();
    for (int d = 0; d < DirectionCount; ++d) {
      const TPoint n = Neighbour(c, d);
      if (n.x < lo || n.y < lo || n.x > hi || n.y > hi || dist.count({n.x, n.y}))
        continue;
      dist[{n.x, n.y}] = dist[{c.x, c.y}] + 1;
      open.push(n);
    }
  }
  return dist;
}

TEST(HexLine, EveryLineIsConnectedShortestAndTheSameBackwards) {
  // Start cells in even and odd columns, also left of and above the origin;
  // the walk area is wide enough that no shortest way is cut off.
  for (TPoint from : {TPoint{0, 0}, TPoint{1, 0}, TPoint{6, 5}, TPoint{7, 5}, TPoint{-3, -2}}) {
    const auto walked = WalkedDistances(from, -30, 30);
    for (int x = -12; x <= 12; ++x) {
      for (int y = -12; y <= 12; ++y) {
        const TPoint to{x, y};
        const Cells line = HexLine(from, to);
        const int steps = walked.at({x, y});
        ASSERT_EQ(HexDistance(from, to), steps);
        ASSERT_EQ(line.size(), static_cast<size_t>(steps) + 1);
        ASSERT_EQ(line.front(), from);
        ASSERT_EQ(line.back(), to);
        for (size_t i = 1; i < line.size(); ++i)
          ASSERT_TRUE(AreNeighbours(line[i - 1], line[i]))
              << "gap between (" << line[i - 1].x << ", " << line[i - 1].y << ") and (" << line[i].x << ", "
              << line[i].y << ")";
        Cells back = HexLine(to, from);
        std::reverse(back.begin(), back.end());
        ASSERT_EQ(back, line) << "from (" << from.x << ", " << from.y << ") to (" << x << ", " << y << ")";
      }
    }
  }
}

}  // namespace
}  // namespace vh
