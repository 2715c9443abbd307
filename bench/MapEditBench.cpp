#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "BenchMissions.h"
#include "generator/MapGenerator.h"
#include "hexmap/Coasts.h"
#include "hexmap/MissionPicture.h"
#include "hexmap/PaintTools.h"
#include "mission/History.h"
#include "mission/MapResize.h"
#include "mission/TerrainSets.h"

// The whole-map edits of the Mission menu on the largest map: Rebuild
// Coasts and Resize Map, with the undo step the editor records for them.

namespace {

using namespace vh;

// A generated 64 x 64 landscape whose coasts were painted over with shallow
// water, as a map painted without automatic coasts looks.
std::unique_ptr<TMission> WashedLandscape() {
  auto m = std::make_unique<TMission>();
  m->SetSize({64, 64});
  GeneratorState s;
  s.Textured = true;
  s.Roughness = 160;
  TMapGenerator gen;
  gen.SetView(&s, m.get());
  gen.GenerateFromSeed(1234);
  gen.Transfer();
  for (auto& row : m->Cells)
    for (TMissionCell& c : row)
      if (TerrainKindOf(c.Terrain).Role == TTerrainRole::Coast)
        c.Terrain = TerrainSets[0].WaterParts[0];
  return m;
}

// Rebuild Coasts on a map that needs it; each round starts from the washed
// map again (a copy of the grid, a small part of the time).
void BM_RebuildCoasts64(benchmark::State& state) {
  auto m = WashedLandscape();
  const auto washed = m->Cells;
  size_t changed = 0;
  for (auto _ : state) {
    m->Cells = washed;
    changed = RebuildCoasts(*m, DefaultMissFilter).Cells.size();
    benchmark::DoNotOptimize(m->Cells[32][32].Terrain);
  }
  state.counters["cells"] = static_cast<double>(changed);
}
BENCHMARK(BM_RebuildCoasts64)->Unit(benchmark::kMillisecond);

// The same as one undo step: rebuild, record the step, undo it.
void BM_RebuildCoastsStepAndUndo64(benchmark::State& state) {
  auto m = WashedLandscape();
  TMissionHistory history(*m);
  for (auto _ : state) {
    {
      TEditStep step(&history, "Rebuild Coasts");
      RebuildCoasts(*m, DefaultMissFilter);
    }
    benchmark::DoNotOptimize(history.Undo().Cells.size());
  }
}
BENCHMARK(BM_RebuildCoastsStepAndUndo64)->Unit(benchmark::kMillisecond);

// Automatic coasts after one stroke of the largest brush.
void BM_UpdateCoastsAfterBrush(benchmark::State& state) {
  auto m = WashedLandscape();
  RebuildCoasts(*m, DefaultMissFilter);
  const std::vector<TPoint> touched = BrushCells({31, 30}, MaxBrushRadius, {64, 64});
  for (auto _ : state)
    benchmark::DoNotOptimize(UpdateCoasts(*m, DefaultMissFilter, touched).Cells.size());
}
BENCHMARK(BM_UpdateCoastsAfterBrush)->Unit(benchmark::kMicrosecond);

// Automatic coasts after a fill or paste that touched the whole map.
void BM_UpdateCoastsAfterWholeMap(benchmark::State& state) {
  auto m = WashedLandscape();
  RebuildCoasts(*m, DefaultMissFilter);
  std::vector<TPoint> touched;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      touched.push_back({x, y});
  for (auto _ : state)
    benchmark::DoNotOptimize(UpdateCoasts(*m, DefaultMissFilter, touched).Cells.size());
}
BENCHMARK(BM_UpdateCoastsAfterWholeMap)->Unit(benchmark::kMillisecond);

// Resize Map on a full 64 x 64 mission with cargo, AI points, shops and a
// change layer: the question's count, then the resize, which shifts the map
// by two columns and a row and back in turn (each loses an edge).
void BM_ResizeMap64(benchmark::State& state) {
  TMission m;
  bench::FillFullMission(m, true);
  bool forth = true;
  for (auto _ : state) {
    const TResize r{{64, 64}, forth ? TPoint{2, 1} : TPoint{-2, -1}};
    benchmark::DoNotOptimize(ResizeLoss(m, r).Units);
    ResizeMap(m, r);
    forth = !forth;
    benchmark::DoNotOptimize(m.Cells[32][32].Terrain);
  }
}
BENCHMARK(BM_ResizeMap64)->Unit(benchmark::kMillisecond);

// The same as one undo step, undone: the mission stays as it was.
void BM_ResizeMapStepAndUndo64(benchmark::State& state) {
  TMission m;
  bench::FillFullMission(m, true);
  TMissionHistory history(m);
  for (auto _ : state) {
    {
      TEditStep step(&history, "Resize Map");
      ResizeMap(m, {{64, 64}, {2, 1}});
    }
    benchmark::DoNotOptimize(history.Undo().Cells.size());
  }
}
BENCHMARK(BM_ResizeMapStepAndUndo64)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
