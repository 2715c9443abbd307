#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "generator/Generator.h"
#include "generator/MapGenerator.h"
#include "hexmap/CellEditing.h"
#include "hexmap/Coasts.h"
#include "hexmap/MissionPicture.h"
#include "mission/History.h"

// Painting with automatic coasts against the generator's Transfer on the
// same land and water, and against pictures worked out by hand.

namespace vh {
namespace {

constexpr uint16_t BaseMap = DefaultMissFilter;
constexpr uint16_t ChangeLayer = DefaultMissFilter | FilterBit(mfDFLayer);

std::unique_ptr<TMission> Sea(int w, int h, int16_t water) {
  auto m = std::make_unique<TMission>();
  m->SetSize({w, h});
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      m->Cells[y][x].Terrain = water;
  return m;
}

// Paints `picture` on `cells` of the shown layer as one stroke, then lets the
// coasts follow.
TCoastEdit Paint(TMission& m, uint16_t filter, const std::vector<TPoint>& cells, int16_t picture) {
  int16_t stroke = 0;
  bool first = true;
  for (TPoint c : cells) {
    ApplyCellValue(m, filter, first, c, static_cast<uint16_t>(picture), pkTerrain, stroke);
    first = false;
  }
  return UpdateCoasts(m, filter, cells);
}

// The terrain Transfer writes for shallow sea with land on `land`.
std::unique_ptr<TMission> Transferred(int w, int h, uint8_t type, const std::vector<TPoint>& land) {
  TCellCodes codes{};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      codes[static_cast<size_t>(y * 64 + x)] = CodeShallow;
  for (TPoint c : land)
    codes[static_cast<size_t>(c.y * 64 + c.x)] = CodeLand;
  auto m = Sea(w, h, -1);
  TransferToMission(codes, type, *m);
  return m;
}

bool NeedsErosion(int w, int h, const std::vector<TPoint>& land) {
  TCellCodes codes{};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      codes[static_cast<size_t>(y * 64 + x)] = CodeShallow;
  for (TPoint c : land)
    codes[static_cast<size_t>(c.y * 64 + c.x)] = CodeLand;
  return ErodeCoasts(codes, w, h);
}

void ExpectSameTerrain(const TMission& painted, const TMission& expected) {
  for (int y = 0; y < expected.Height; ++y)
    for (int x = 0; x < expected.Width; ++x)
      ASSERT_EQ(painted.Cells[y][x].Terrain, expected.Cells[y][x].Terrain) << x << ", " << y;
}

TEST(PaintedCoastTest, OneIslandGetsItsSixCoastsAndTwoCornersWorkedOutByHand) {
  auto m = Sea(9, 9, 95);
  const TCoastEdit edit = Paint(*m, BaseMap, {{4, 4}}, 271);
  // Each water cell sees the land from the opposite side: above it sees land
  // below (mask 8, tile 6), upper right sees it lower left (16, tile 5),
  // lower right upper left (32, tile 3), below up (1, tile 1), lower left
  // upper right (2, tile 2), upper left lower right (4, tile 4). Two cells
  // further left and right two coast tiles meet at a corner: tiles 11, 12.
  const std::map<std::pair<int, int>, int16_t> expected{
      {{4, 3}, 102}, {{5, 3}, 99}, {{5, 4}, 100}, {{4, 5}, 103},
      {{3, 4}, 101}, {{3, 3}, 98}, {{2, 4}, 108}, {{6, 4}, 109},
  };
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x) {
      const auto it = expected.find({x, y});
      const int16_t want = x == 4 && y == 4 ? 271 : it != expected.end() ? it->second : 95;
      EXPECT_EQ(m->Cells[y][x].Terrain, want) << x << ", " << y;
    }
  const std::vector<TPoint> changed{{3, 3}, {4, 3}, {5, 3}, {2, 4}, {3, 4}, {5, 4}, {6, 4}, {4, 5}};
  EXPECT_EQ(edit.Cells, changed);
  EXPECT_TRUE(edit.NoPicture.empty());

  // Water painted back over the land: every coast turns back into shallow
  // water, the painted cell keeps the medium water it got.
  const TCoastEdit back = Paint(*m, BaseMap, {{4, 4}}, 96);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x)
      EXPECT_EQ(m->Cells[y][x].Terrain, x == 4 && y == 4 ? 96 : 95) << x << ", " << y;
  EXPECT_EQ(back.Cells, changed);
}

TEST(PaintedCoastTest, EveryBlobTheCoastMasksAllowMatchesTransfer) {
  // Blobs: every set of cells of a hexagon of seven, and the land around a
  // water cell for each mask with a coast picture, on an even and an odd
  // column, in both sets. Transfer on the same layout needs no erosion for
  // these, so painting must give its pictures cell for cell.
  std::set<int> masksSeen;
  int blobs = 0;
  for (TPoint centre : {TPoint{6, 6}, TPoint{5, 6}}) {
    std::vector<std::vector<TPoint>> shapes;
    std::vector<TPoint> flower{centre};
    for (int d = 0; d < DirectionCount; ++d)
      flower.push_back(Neighbour(centre, d));
    for (unsigned bits = 1; bits < (1u << 7); ++bits) {
      std::vector<TPoint> s;
      for (unsigned i = 0; i < 7; ++i)
        if (bits & (1u << i))
          s.push_back(flower[i]);
      shapes.push_back(s);
    }
    for (uint8_t mask : CoastMasks) {
      std::vector<TPoint> s;
      for (int d = 0; d < DirectionCount; ++d)
        if (mask & (1u << d))
          s.push_back(Neighbour(centre, d));
      if (!s.empty())
        shapes.push_back(s);
    }
    for (const std::vector<TPoint>& land : shapes) {
      if (NeedsErosion(13, 13, land))
        continue;
      ++blobs;
      for (uint8_t type : {0, 1}) {
        const TTerrainSet& set = TerrainSets[type];
        auto painted = Sea(13, 13, set.WaterParts[0]);
        Paint(*painted, BaseMap, land, set.LandParts[0]);
        auto expected = Transferred(13, 13, type, land);
        SCOPED_TRACE(testing::Message()
                     << "blob " << blobs << " at column " << centre.x << ", set " << int(type));
        ExpectSameTerrain(*painted, *expected);
        for (int y = 0; y < 13; ++y)
          for (int x = 0; x < 13; ++x) {
            const TTerrainKind k = TerrainKindOf(painted->Cells[y][x].Terrain);
            if (IsSea(k))
              masksSeen.insert(LandMaskAround({x, y}, {13, 13}, [&](TPoint n) {
                return TerrainKindOf(painted->Cells[n.y][n.x].Terrain).Role == TTerrainRole::Land;
              }));
          }
      }
    }
  }
  EXPECT_GT(blobs, 40);
  // Every mask that has a coast picture turned up around some blob.
  const std::set<int> all{0, 1, 2, 3, 4, 6, 7, 8, 12, 14, 15, 16, 24, 28, 32, 33, 35, 48, 49, 56, 57};
  EXPECT_EQ(masksSeen, all);
}

TEST(PaintedCoastTest, IslandsAtTheMapBorder) {
  // Top left: only the cell below and the one to the lower right lie in
  // the map; they see the land up (tile 1) and upper left (tile 3).
  auto m = Sea(9, 7, 95);
  Paint(*m, BaseMap, {{0, 0}}, 272);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x) {
      const int16_t want = x == 0 && y == 0 ? 272 : x == 0 && y == 1 ? 103 : x == 1 && y == 0 ? 100 : 95;
      EXPECT_EQ(m->Cells[y][x].Terrain, want) << x << ", " << y;
    }
  // Every corner and the middle of every side, as Transfer does.
  for (TPoint c :
       {TPoint{8, 0}, TPoint{0, 6}, TPoint{8, 6}, TPoint{4, 0}, TPoint{4, 6}, TPoint{0, 3}, TPoint{8, 3}}) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    auto p = Sea(9, 7, 95);
    Paint(*p, BaseMap, {c}, 271);
    ExpectSameTerrain(*p, *Transferred(9, 7, 0, {c}));
  }
}

TEST(PaintedCoastTest, LandWithoutACoastPictureIsKeptAndListed) {
  // Land above and below one water cell (mask 9): Transfer would erode it,
  // painting keeps the land and leaves the water as it is.
  auto m = Sea(9, 9, 97);
  const TCoastEdit edit = Paint(*m, BaseMap, {{4, 3}, {4, 5}}, 273);
  EXPECT_EQ(m->Cells[4][4].Terrain, 97);
  EXPECT_EQ(m->Cells[3][4].Terrain, 273);
  EXPECT_EQ(m->Cells[5][4].Terrain, 273);
  EXPECT_EQ(edit.NoPicture, (std::vector<TPoint>{{4, 4}}));
  // Its neighbours still get their coasts: above the upper land, tile 6.
  EXPECT_EQ(m->Cells[2][4].Terrain, 102);
}

TEST(PaintedCoastTest, EachSeaCellKeepsTheSetOfItsOwnPicture) {
  // Light sea on the left half, dark on the right; land on the border
  // between them gets light coasts on the left, dark ones on the right.
  auto m = Sea(10, 7, 95);
  for (int y = 0; y < 7; ++y)
    for (int x = 5; x < 10; ++x)
      m->Cells[y][x].Terrain = 386;
  Paint(*m, BaseMap, {{4, 3}, {5, 3}}, 350);
  EXPECT_EQ(m->Cells[3][3].Terrain, 101) << "light, land upper right: tile 2";
  EXPECT_EQ(m->Cells[3][6].Terrain, 374) << "dark, land lower left: tile 5";
  // Water of the other set is no land: the two seas meet without coasts.
  EXPECT_EQ(m->Cells[0][4].Terrain, 95);
  EXPECT_EQ(m->Cells[0][5].Terrain, 386);
}

TEST(PaintedCoastTest, AChangeLayerGetsItsCoastsOverTheBaseMapAndTheBaseStays) {
  auto m = Sea(9, 9, 95);
  Paint(*m, BaseMap, {{4, 4}}, 271);
  m->Cells[3][4].Obj = 500;  // a buoy on the coast above the island
  const auto base = m->Cells;

  // The layer floods the island: its coasts become shallow water in the
  // layer, each stating the object the base map has there.
  const TCoastEdit edit = Paint(*m, ChangeLayer, {{4, 4}}, 95);
  EXPECT_EQ(m->Cells, base);
  EXPECT_EQ(edit.Cells.size(), 8u);
  for (TPoint c : edit.Cells) {
    EXPECT_EQ(m->DFCells[c.y][c.x].Terrain, 95) << c.x << ", " << c.y;
    EXPECT_EQ(m->DFCells[c.y][c.x].Obj, c.x == 4 && c.y == 3 ? 500 : -1) << c.x << ", " << c.y;
  }
  EXPECT_EQ(m->DFCells[4][4].Terrain, 95);
  EXPECT_FALSE(m->DFCells[1][1].IsChange());

  // Land painted in the layer where the base has sea: coasts in the layer.
  auto n = Sea(9, 9, 95);
  Paint(*n, ChangeLayer, {{4, 4}}, 271);
  EXPECT_EQ(n->DFCells[3][4].Terrain, 102);
  EXPECT_EQ(n->DFCells[4][6].Terrain, 109);
  EXPECT_EQ(n->Cells[3][4].Terrain, 95);
}

TEST(PaintedCoastTest, NothingIsWrittenWhenNoLayerIsShown) {
  auto m = Sea(9, 9, 95);
  m->Cells[4][4].Terrain = 271;
  const auto cells = m->Cells;
  const uint64_t count = m->ChangeCount;
  const std::vector<TPoint> touched{{4, 4}};
  EXPECT_TRUE(UpdateCoasts(*m, FilterBit(mfTerrain), touched).Empty());
  EXPECT_EQ(m->Cells, cells);
  EXPECT_EQ(m->ChangeCount, count);
  EXPECT_EQ(UpdateCoasts(*m, BaseMap, touched).Cells.size(), 8u);
  EXPECT_GT(m->ChangeCount, count);
}

TEST(PaintedCoastTest, UndoRestoresTheStrokeAndItsCoastsExactly) {
  auto m = Sea(12, 10, 96);
  m->Cells[2][2].Terrain = 271;
  m->DFCells[7][7] = {95, -1, NoUnit, NoSide};
  TMissionHistory history(*m);
  const auto cells = m->Cells;
  const auto changes = m->DFCells;
  {
    TEditStep step(&history, "Paint Terrain");
    Paint(*m, BaseMap, {{5, 5}, {6, 5}, {6, 6}}, 274);
    Paint(*m, ChangeLayer, {{8, 7}}, 274);
  }
  ASSERT_EQ(history.Count(), 1u);
  const auto paintedCells = m->Cells;
  const auto paintedChanges = m->DFCells;
  ASSERT_NE(paintedCells, cells);
  history.Undo();
  EXPECT_EQ(m->Cells, cells);
  EXPECT_EQ(m->DFCells, changes);
  history.Redo();
  EXPECT_EQ(m->Cells, paintedCells);
  EXPECT_EQ(m->DFCells, paintedChanges);
}

TEST(RebuildCoastsTest, WashedOutCoastsOfATransferComeBackAsTransferDrewThem) {
  for (uint8_t type : {0, 1})
    for (uint32_t seed : {5u, 1234u, 99999u}) {
      SCOPED_TRACE(testing::Message() << "set " << int(type) << ", seed " << seed);
      auto m = Sea(64, 64, -1);
      GeneratorState s;
      s.TerrainType = type;
      s.Textured = true;
      s.Roughness = 160;
      TMapGenerator gen;
      gen.SetView(&s, m.get());
      gen.GenerateFromSeed(seed);
      ASSERT_TRUE(gen.Transfer());
      const auto transferred = m->Cells;
      EXPECT_TRUE(RebuildCoasts(*m, BaseMap).Empty()) << "a Transfer's coasts are right already";

      int washed = 0;
      for (auto& row : m->Cells)
        for (TMissionCell& c : row)
          if (TerrainKindOf(c.Terrain).Role == TTerrainRole::Coast) {
            c.Terrain = TerrainSets[type].WaterParts[0];
            ++washed;
          }
      ASSERT_GT(washed, 50);
      const TCoastEdit edit = RebuildCoasts(*m, BaseMap);
      EXPECT_EQ(m->Cells, transferred);
      EXPECT_TRUE(edit.NoPicture.empty());
    }
}

}  // namespace
}  // namespace vh
