#include <benchmark/benchmark.h>

#include <memory>

#include <QApplication>

#include "BenchMissions.h"
#include "generator/MapGenerator.h"
#include "hexmap/CellEditing.h"
#include "mission/History.h"
#include "support/FakeGraphics.h"
#include "views/COMPMissView.h"

namespace {

// Painting one cell as a step of its own, the history comparing the full
// 64 x 64 mission with its state before; with range 0 the painting alone,
// for what the history adds.
void BM_PaintOneCellStep(benchmark::State& state) {
  const bool recorded = state.range(0) != 0;
  vh::TMission m;
  vh::bench::FillFullMission(m, true);
  vh::TMissionHistory history(m);
  int16_t strokeObject = 0;
  uint16_t value = 1;
  int i = 0;
  for (auto _ : state) {
    const vh::TPoint cell{i % 64, (i / 64) % 64};
    ++i;
    value = static_cast<uint16_t>(value % 50 + 1);
    if (recorded)
      history.Begin("Paint Terrain");
    vh::ApplyCellValue(m, vh::DefaultMissFilter, true, cell, value, vh::pkTerrain, strokeObject);
    if (recorded)
      history.End();
  }
  state.counters["steps"] = static_cast<double>(history.Count());
}
BENCHMARK(BM_PaintOneCellStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Undo and redo of a generator transfer over the whole 64 x 64 map, each
// redrawing the cells it changed: one iteration is one undo and one redo.
void BM_UndoRedoFullTransfer(benchmark::State& state) {
  auto view = std::make_unique<vh::TMissView>(vh::test::SharedFakeSets());
  vh::ApplyMissionWindowSettings(*view);
  view->StartNewMission({64, 64});
  vh::bench::FillFullMission(view->Mission(), true);
  view->History().Reset();
  view->RedrawAll();
  vh::TMapGenerator gen;
  gen.SetView(&view->Generator, &view->Mission());
  gen.GenerateFromSeed(4711);
  view->History().Begin("Transfer Map");
  gen.Transfer();
  view->History().End();
  size_t cells = 0;
  for (auto _ : state) {
    cells = view->Undo().Cells.size();
    cells += view->Redo().Cells.size();
    benchmark::DoNotOptimize(view->MapBitmap().Pixels.data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 2);
  state.counters["cells"] = static_cast<double>(cells / 2);
  state.counters["step_bytes"] = static_cast<double>(view->History().MemoryUse());
}
BENCHMARK(BM_UndoRedoFullTransfer)->Unit(benchmark::kMillisecond);

}  // namespace
