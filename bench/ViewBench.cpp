#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include <QImage>

#include <QApplication>

#include "BenchMissions.h"
#include "generator/MapGenerator.h"
#include "hexmap/MapBlock.h"
#include "hexmap/PaintTools.h"
#include "mission/TerrainSets.h"
#include "support/FakeGraphics.h"
#include "views/COMPMissView.h"

namespace {

const vh::TPictureSets& Sets() {
  return vh::test::SharedFakeSets();
}

std::unique_ptr<vh::TMissView> FullView() {
  auto view = std::make_unique<vh::TMissView>(Sets());
  vh::ApplyMissionWindowSettings(*view);
  view->StartNewMission({64, 64});
  vh::bench::FillFullMission(view->Mission(), true);
  return view;
}

// A full recomposition of the map into MapBitmap, progress caption included.
void BM_RedrawAll64(benchmark::State& state) {
  auto view = FullView();
  view->SetShowGrid(state.range(0) != 0);
  for (auto _ : state) {
    view->RedrawAll();
    benchmark::DoNotOptimize(view->MapBitmap().Pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * 64 * 64);
}
BENCHMARK(BM_RedrawAll64)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One switch of filter bit `index` (on and off in turn) with every other bit
// on, so that each switch has the most cells to redraw.
void BM_FilterSwitch(benchmark::State& state) {
  auto view = FullView();
  const int index = static_cast<int>(state.range(0));
  for (int bit = 0; bit < vh::MissFilterBitCount; ++bit)
    view->SetFilter(bit, true);
  int drawn = 0;
  bool on = true;
  for (auto _ : state) {
    on = !on;
    view->SetFilter(index, on);
    benchmark::DoNotOptimize(view->MapBitmap().Pixels.data());
  }
  view->SetFilter(index, false);
  drawn = view->RedrawForFilter(index);
  state.counters["cells"] = drawn;
}
BENCHMARK(BM_FilterSwitch)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

// One paint event of a 1600 x 1000 viewport over the middle of the map at
// the zoom in percent.
void BM_PaintViewport(benchmark::State& state) {
  auto view = FullView();
  view->RedrawAll();
  view->SetZoom(static_cast<int>(state.range(0)));
  QImage screen(1600, 1000, QImage::Format_RGB32);
  const QRect shown(QPoint(std::max(0, view->width() / 2 - 800), std::max(0, view->height() / 2 - 500)),
                    QSize(1600, 1000));
  for (auto _ : state) {
    view->render(&screen, QPoint(), QRegion(shown), QWidget::RenderFlags());
    benchmark::DoNotOptimize(screen.constBits());
  }
}
BENCHMARK(BM_PaintViewport)->Arg(100)->Arg(400)->Arg(50)->Unit(benchmark::kMillisecond);

// Painting one cell at 400 %: the model change, the cell's redraw and the
// repaint of its rectangle on the screen.
void BM_PaintOneCell400(benchmark::State& state) {
  auto view = FullView();
  view->RedrawAll();
  view->SetZoom(400);
  QImage screen(24 * 4, 24 * 4, QImage::Format_RGB32);
  int i = 0;
  for (auto _ : state) {
    const vh::TPoint cell{20 + (i & 7), 20 + ((i >> 3) & 7)};
    view->SetCellValue(true, cell, static_cast<uint16_t>(i & 15), 0);
    view->RedrawCell(cell);
    const vh::TPoint origin = view->CellToPoint(cell);
    const QRect r(view->BitmapToWidget(origin), QSize(24 * 4, 24 * 4));
    view->render(&screen, QPoint(), QRegion(r), QWidget::RenderFlags());
    benchmark::DoNotOptimize(screen.constBits());
    ++i;
  }
}
BENCHMARK(BM_PaintOneCell400)->Unit(benchmark::kMicrosecond);

// A fill of the whole 64 x 64 map, terrain alternating between two
// pictures so that every fill changes all 4,096 cells: the region, the
// writes, the redraw and the undo step.
void BM_FillWholeMap(benchmark::State& state) {
  auto view = std::make_unique<vh::TMissView>(Sets());
  vh::ApplyMissionWindowSettings(*view);
  view->StartNewMission({64, 64});
  uint16_t terrain = 1;
  size_t changed = 0;
  for (auto _ : state) {
    terrain = terrain == 1 ? 2 : 1;
    view->History().Begin("Fill Terrain");
    const auto cells =
        vh::FillRegionOf(view->Mission(), view->Filter(), {30, 30}, vh::pkTerrain, view->GridSize());
    changed = view->PaintCells(cells, true, terrain, vh::pkTerrain).size();
    view->History().End();
    benchmark::DoNotOptimize(view->MapBitmap().Pixels.data());
  }
  state.counters["cells"] = static_cast<double>(changed);
}
BENCHMARK(BM_FillWholeMap)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// What one move of the pointer costs while a block of the whole 64 x 64 map
// is being pasted: the block pasted into a copy of the mission and drawn as
// the preview picture.
void BM_PastePreviewWholeMap(benchmark::State& state) {
  auto view = FullView();
  const vh::TMapBlock block = vh::CopyBlock(view->Mission(), view->Filter(), vh::AllCells({64, 64}));
  std::vector<vh::TPoint> cells;
  vh::TPoint origin;
  int32_t x = 30;
  for (auto _ : state) {
    x = x == 30 ? 31 : 30;  // both column parities
    QImage preview = view->BlockPreview(block, {x, 32}, cells, origin);
    benchmark::DoNotOptimize(preview.constBits());
  }
  state.counters["cells"] = static_cast<double>(cells.size());
}
BENCHMARK(BM_PastePreviewWholeMap)->Unit(benchmark::kMillisecond);

// Placing a block of the whole map into it, with the redraw, and copying it.
void BM_CopyAndPlaceWholeMap(benchmark::State& state) {
  auto view = FullView();
  const vh::TCellSet all = vh::AllCells({64, 64});
  for (auto _ : state) {
    const vh::TMapBlock block = vh::CopyBlock(view->Mission(), view->Filter(), all);
    // Placed and announced to the map's redraw, without an undo step.
    vh::TMissionChange change;
    change.Cells = vh::PlaceBlock(view->Mission(), view->Filter(), block, {33, 31}).Cells;
    change.JoinCells = change.Cells;
    view->Document().Announce(change);
    benchmark::DoNotOptimize(view->MapBitmap().Pixels.data());
  }
}
BENCHMARK(BM_CopyAndPlaceWholeMap)->Unit(benchmark::kMillisecond);

// A paint event of a 1600 x 1000 viewport with every cell selected.
void BM_PaintViewportAllSelected(benchmark::State& state) {
  auto view = FullView();
  view->RedrawAll();
  view->SetHighlight(vh::AllCells({64, 64}));
  QImage screen(1600, 1000, QImage::Format_RGB32);
  for (auto _ : state) {
    view->render(&screen, QPoint(), QRegion(QRect(0, 0, 1600, 1000)), QWidget::RenderFlags());
    benchmark::DoNotOptimize(screen.constBits());
  }
}
BENCHMARK(BM_PaintViewportAllSelected)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// A generated 64 x 64 landscape whose coasts were painted over with shallow
// water, shown in a map view: a map painted without automatic coasts.
std::unique_ptr<vh::TMissView> WashedView() {
  auto view = std::make_unique<vh::TMissView>(Sets());
  vh::ApplyMissionWindowSettings(*view);
  view->StartNewMission({64, 64});
  vh::GeneratorState s;
  s.Textured = true;
  s.Roughness = 160;
  vh::TMapGenerator gen;
  gen.SetView(&s, &view->Mission());
  gen.GenerateFromSeed(1234);
  gen.Transfer();
  for (auto& row : view->Mission().Cells)
    for (vh::TMissionCell& c : row)
      if (vh::TerrainKindOf(c.Terrain).Role == vh::TTerrainRole::Coast)
        c.Terrain = vh::TerrainSets[0].WaterParts[0];
  view->Document().Announce(vh::TMissionChange::OfWhole());
  view->History().Reset();
  return view;
}

// Mission > Rebuild Coasts as the editor runs it: the rebuild, its undo step
// and the redraw of the cells it changed. The undo in between is not timed.
void BM_RebuildCoastsView64(benchmark::State& state) {
  auto view = WashedView();
  size_t changed = 0;
  for (auto _ : state) {
    changed = view->RebuildCoasts();
    benchmark::DoNotOptimize(view->MapBitmap().Pixels.data());
    state.PauseTiming();
    view->Undo();
    state.ResumeTiming();
  }
  state.counters["cells"] = static_cast<double>(changed);
}
BENCHMARK(BM_RebuildCoastsView64)->Unit(benchmark::kMillisecond);

// Undoing it, with the redraw; the rebuild in between is not timed.
void BM_RebuildCoastsUndoView64(benchmark::State& state) {
  auto view = WashedView();
  for (auto _ : state) {
    state.PauseTiming();
    view->RebuildCoasts();
    state.ResumeTiming();
    view->Undo();
    benchmark::DoNotOptimize(view->MapBitmap().Pixels.data());
  }
}
BENCHMARK(BM_RebuildCoastsUndoView64)->Unit(benchmark::kMillisecond);

// Mission > Resize Map on a full 64 x 64 mission as the editor runs it:
// the resize, its undo step and the map drawn anew at its size; the undo in
// between is not timed.
void BM_ResizeMapView64(benchmark::State& state) {
  auto view = FullView();
  view->History().Reset();
  for (auto _ : state) {
    view->ResizeMap({{64, 64}, {2, 1}});
    benchmark::DoNotOptimize(view->MapBitmap().Pixels.data());
    state.PauseTiming();
    view->Undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ResizeMapView64)->Unit(benchmark::kMillisecond);

}  // namespace
