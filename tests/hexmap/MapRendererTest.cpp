#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "base/Errors.h"
#include "graphics/IndexedImage.h"
#include "hexmap/MapRenderer.h"
#include "support/FakeGraphics.h"

namespace vh {
namespace {

const TPictureSets& Sets() {
  static const TPictureSets* sets = new TPictureSets(test::MakeFakeSets());
  return *sets;
}

TMissionCell& At(TMission& m, int x, int y) {
  return m.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)];
}

// A small map with a bit of everything: terrain, joined roads and rivers,
// shops in their owners' colours, units of several sides, marks, a missing
// picture and a few changes in the current change layer.
std::unique_ptr<TMission> SampleMission() {
  auto mission = std::make_unique<TMission>();
  TMission& m = *mission;
  m.SetSize({10, 8});
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x)
      At(m, x, y).Terrain = static_cast<int16_t>((x + 2 * y) % 12);
  for (int x = 1; x <= 8; ++x)
    At(m, x, 3).Obj = 90;  // a road across
  for (int y = 0; y <= 7; ++y)
    At(m, 4, y).Obj = 92;  // another kind down
  At(m, 4, 3).Obj = 1264;  // the crossing belongs to both
  At(m, 9, 3).Obj = 44;    // the road ends at a joining object
  At(m, 6, 5).Obj = 93;
  At(m, 7, 5).Obj = 93;
  At(m, 0, 4).Obj = 91;  // a river
  At(m, 0, 5).Obj = 91;
  At(m, 1, 5).Obj = 91;
  At(m, 7, 6).Obj = 300;
  m.NewShop({7, 6});
  m.GetShop(At(m, 7, 6).Shop)->Owner = 1;
  At(m, 2, 6).Obj = 450;
  m.NewShop({2, 6});
  m.GetShop(At(m, 2, 6).Shop)->Owner = 4;
  At(m, 1, 1).Vehicle = 3;
  At(m, 1, 1).VehOwner = 0;
  At(m, 6, 2).Vehicle = 10;
  At(m, 6, 2).VehOwner = 2;
  m.NewVehContent({6, 2});
  At(m, 8, 5).Vehicle = 20;
  At(m, 8, 5).VehOwner = 5;
  m.NewAIPoint({8, 5});
  At(m, 3, 7).Vehicle = 7;
  At(m, 3, 7).VehOwner = 6;
  At(m, 9, 0).Terrain = 2000;
  m.DFCells[7][0] = {.Terrain = 30};
  m.DFCells[5][5] = {.Terrain = -1, .Obj = -1};
  m.DFCells[7][9] = {.Terrain = -1, .Obj = -2, .Vehicle = 12, .VehOwner = 3};
  return mission;
}

// What the view shows on one cell: the composed picture, grid, cursor.
THexPicture Shown(const TMission& m, const TMapDrawOptions& o, TPoint cell) {
  THexPicture p;
  GetCellPicture(Sets(), m, o.Filter, cell, p);
  if (o.ShowGrid)
    OverlayPicture(p, Sets().GridPicture, 0);
  if (o.Cursor && *o.Cursor == cell)
    OverlayPicture(p, Sets().CursorPictures[static_cast<size_t>(o.CursorPhase)], 0);
  return p;
}

void ExpectMatchesGeometry(const TMission& m, const TMapDrawOptions& o, const TIndexedImage& img) {
  const TPoint grid{m.Width, m.Height};
  ASSERT_EQ((TPoint{img.Width, img.Height}), MissionMapGeometry.GridExtent(grid));
  int wrong = 0;
  for (int32_t y = 0; y < img.Height; ++y)
    for (int32_t x = 0; x < img.Width; ++x) {
      TPoint p{x, y};
      uint8_t expected = test::FakeBackgroundIndex;
      if (MissionMapGeometry.PointToCell(p, grid)) {
        const TPoint origin = MissionMapGeometry.CellToPoint(p);
        expected = Shown(m, o, p).At(y - origin.y, x - origin.x);
      }
      wrong += img.At(x, y) != expected ? 1 : 0;
    }
  EXPECT_EQ(wrong, 0);
}

TEST(MapRenderer, EveryPixelShowsItsCellsPictureOrTheBackground) {
  const auto m = SampleMission();
  TMapDrawOptions o;
  ExpectMatchesGeometry(*m, o, RenderMission(Sets(), *m, o));
  o.ShowGrid = true;
  o.Cursor = TPoint{3, 4};
  o.CursorPhase = 2;
  o.Filter = 0x1FF;
  ExpectMatchesGeometry(*m, o, RenderMission(Sets(), *m, o));
}

TEST(MapRenderer, TheBackgroundIsThePaletteEntryNearestTheViewsColour) {
  const auto m = SampleMission();
  TMapDrawOptions o;
  const TIndexedImage img = RenderMission(Sets(), *m, o);
  EXPECT_EQ(img.At(0, 0), test::FakeBackgroundIndex);
  EXPECT_EQ(img.At(img.Width - 1, 0), test::FakeBackgroundIndex);  // above the last, lower column
  o.Background = {255, 0, 128};
  EXPECT_EQ(RenderMission(Sets(), *m, o).At(0, 0), OutsideColour);
}

TEST(MapRenderer, DrawingACellChangesOnlyThePixelsInsideItsOutline) {
  auto m = SampleMission();
  TMapDrawOptions o;
  TIndexedImage img = RenderMission(Sets(), *m, o);
  const TIndexedImage before = img;
  At(*m, 5, 4) = {.Terrain = 40, .Obj = 500};
  DrawCell(Sets(), *m, o, {5, 4}, img);
  int changed = 0;
  for (int32_t y = 0; y < img.Height; ++y)
    for (int32_t x = 0; x < img.Width; ++x)
      if (img.At(x, y) != before.At(x, y)) {
        ++changed;
        EXPECT_TRUE(MissionMapGeometry.InCellOutline({x, y}, {5, 4})) << x << "," << y;
      }
  EXPECT_GT(changed, 300);
}

TEST(MapRenderer, CellsReachingBeyondThePictureAreClipped) {
  TIndexedImage img;
  img.Resize(30, 20, 7);
  const THexPicture pic = THexPicture::Filled(9);
  PutCellPicture(img, {-10, 8}, pic, Sets().HexMaskBitmap);
  PutCellPicture(img, {20, -15}, pic, Sets().HexMaskBitmap);
  PutCellPicture(img, {100, 100}, pic, Sets().HexMaskBitmap);
  for (int32_t y = 0; y < 20; ++y)
    for (int32_t x = 0; x < 30; ++x) {
      const bool inA = InsideHexOutline(y - 8, x + 10);
      const bool inB = InsideHexOutline(y + 15, x - 20);
      EXPECT_EQ(img.At(x, y), (inA || inB) ? 9 : 7) << x << "," << y;
    }
}

TEST(MapRenderer, RefusesAMapWithoutCells) {
  TMission m;
  EXPECT_THROW(RenderMission(Sets(), m, {}), ERangeError);
}

// The reviewed pictures of the sample map, as hashes of their pixels. To
// look at them again, set VH_GOLDEN_DIR to a directory; the test writes both
// there as PNG. Reviewed: grid lines close every cell, roads and rivers join
// across odd and even columns, shop objects and units wear their owners'
// colours, the marks sit on the shop, cargo and AI cells, the cursor frames
// (2, 2), cell (9, 0) shows the missing-picture cross; in the change-layer
// picture the three changed cells carry the change mark, one of them the
// removed-object mark.
TEST(MapRenderer, GoldenRenderingsOfTheSampleMap) {
  const auto m = SampleMission();
  TMapDrawOptions withMarks;
  withMarks.Filter =
      DefaultMissFilter | FilterBit(mfShopMarks) | FilterBit(mfContentMarks) | FilterBit(mfAIMarks);
  withMarks.ShowGrid = true;
  withMarks.Cursor = TPoint{2, 2};
  withMarks.CursorPhase = 1;
  TMapDrawOptions changes;
  changes.Filter = DefaultMissFilter | FilterBit(mfDFLayer) | FilterBit(mfDFMarks);

  const TIndexedImage a = RenderMission(Sets(), *m, withMarks);
  const TIndexedImage b = RenderMission(Sets(), *m, changes);
  if (const char* dir = std::getenv("VH_GOLDEN_DIR")) {
    WriteImageFile(std::string(dir) + "/sample-marks-grid.png", a, Sets().GamePalette);
    WriteImageFile(std::string(dir) + "/sample-change-layer.png", b, Sets().GamePalette);
  }
  EXPECT_EQ(test::Fnv1a(a.Pixels.data(), a.Pixels.size()), 0x0ff17815d3c1caefull);
  EXPECT_EQ(test::Fnv1a(b.Pixels.data(), b.Pixels.size()), 0x845e39893ba668a7ull);
}

}  // namespace
}  // namespace vh
