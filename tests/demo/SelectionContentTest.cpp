// What the palette pages offer makes sense when painted: terrain pages hold
// opaque terrain, object pages hold overlays, and the coast patterns on the
// terrain pages are real pieces of shoreline.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "DemoFiles.h"

namespace vh::demotest {
namespace {

const Installation& I() {
  return Installation::Get();
}

// Group page g of a selection file as a 12 x 6 grid, [y][x].
std::array<std::array<int16_t, 12>, 6> Page(const ByteStream& f, int g) {
  std::array<std::array<int16_t, 12>, 6> page{};
  for (int x = 0; x < 12; ++x)
    for (int y = 0; y < 6; ++y)
      page[y][x] = GetI16(f, 144 + static_cast<size_t>(g) * 144 + static_cast<size_t>(x * 12 + y * 2));
  return page;
}

int TransparentPixels(int n) {
  Pic p = PartPicture(I(), n);
  int zero = 0;
  for (int r = 0; r < 24; ++r)
    for (int c = 0; c < 24; ++c)
      zero += Inside(c, r) && At(p, c, r) == 0;
  return zero;
}

TEST(DemoSelection, TerrainPagesHoldOpaqueTerrain) {
  ByteStream f = I().Read("terrain.sel");
  for (int g = 0; g < 72; ++g)
    for (const auto& row : Page(f, g))
      for (int16_t n : row)
        if (n != -1) {
          EXPECT_EQ(TransparentPixels(n), 0) << "terrain page " << g << " offers " << n;
        }
}

TEST(DemoSelection, ObjectPagesHoldOverlaysThatLeaveTheTerrainVisible) {
  ByteStream f = I().Read("objekt.sel");
  int objects = 0;
  for (int g = 0; g < 72; ++g)
    for (const auto& row : Page(f, g))
      for (int16_t n : row)
        if (n != -1) {
          ++objects;
          EXPECT_GT(TransparentPixels(n), 40) << "object page " << g << " offers " << n;
        }
  EXPECT_GE(objects, 60);
}

TEST(DemoSelection, ObjectPagesOfferEveryLineObjectAndShopBuilding) {
  ByteStream f = I().Read("objekt.sel");
  std::set<int> offered;
  for (int g = 0; g < 72; ++g)
    for (const auto& row : Page(f, g))
      for (int16_t n : row)
        offered.insert(n);
  for (int n : {90, 91, 92, 93, 393, 394, 395, 458, 563, 76, 80})
    EXPECT_TRUE(offered.count(n)) << n;
  for (int n = 1264; n <= 1274; ++n)
    EXPECT_TRUE(offered.count(n)) << n;
}

TEST(DemoSelection, CoastPatternsOnThePagesFitTheirNeighbours) {
  // Wherever a coast tile has a land picture beside it on a page, that side
  // is one of the tile's land sides; pasted as a block the pattern is a
  // correct shoreline.
  static const std::map<int, unsigned> landOf = {{103, 1}, {101, 2},  {100, 32}, {98, 4},  {99, 16},
                                                 {102, 8}, {104, 28}, {107, 48}, {106, 6}, {105, 35},
                                                 {378, 1}, {376, 2},  {375, 32}, {373, 4}, {374, 16},
                                                 {377, 8}, {379, 28}, {382, 48}, {381, 6}, {380, 35}};
  static const std::set<int> water = {95, 96, 97, 108, 109, 385, 386, 387};
  ByteStream f = I().Read("terrain.sel");
  int checked = 0;
  for (int g = 0; g < 72; ++g) {
    auto page = Page(f, g);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 12; ++x) {
        auto tile = landOf.find(page[y][x]);
        if (tile == landOf.end())
          continue;
        for (int d = 0; d < 6; ++d) {
          int nx = 0, ny = 0;
          Neighbour(x, y, d, nx, ny);
          if (nx < 0 || ny < 0 || nx >= 12 || ny >= 6)
            continue;
          int n = page[ny][nx];
          if (n == -1 || landOf.count(n) || water.count(n))
            continue;
          ++checked;
          EXPECT_TRUE((tile->second >> d) & 1) << "page " << g << ": coast " << tile->first << " at " << x
                                               << "," << y << " has land on side " << d;
        }
      }
  }
  EXPECT_GE(checked, 12) << "the pages should show islands and shores";
}

}  // namespace
}  // namespace vh::demotest
