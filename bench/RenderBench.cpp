#include <benchmark/benchmark.h>

#include <memory>

#include "BenchMissions.h"
#include "support/FakeGraphics.h"
#include "hexmap/MapRenderer.h"

namespace {

std::unique_ptr<vh::TMission> FullMission() {
  auto m = std::make_unique<vh::TMission>();
  vh::bench::FillFullMission(*m, false);
  return m;
}

void BM_RenderFullMap(benchmark::State& state) {
  const vh::TPictureSets sets = vh::test::MakeFakeSets();
  const auto mission = FullMission();
  vh::TMapDrawOptions options;
  options.ShowGrid = state.range(0) != 0;
  options.Cursor = vh::TPoint{10, 10};
  vh::TIndexedImage map;
  for (auto _ : state) {
    vh::RenderMission(sets, *mission, options, map);
    benchmark::DoNotOptimize(map.Pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * 64 * 64);
}
BENCHMARK(BM_RenderFullMap)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ComposeCell(benchmark::State& state) {
  const vh::TPictureSets sets = vh::test::MakeFakeSets();
  const auto mission = FullMission();
  vh::THexPicture picture;
  int i = 0;
  for (auto _ : state) {
    vh::GetCellPicture(sets, *mission, vh::DefaultMissFilter, {i & 63, (i >> 6) & 63}, picture);
    benchmark::DoNotOptimize(picture.Pixels.data());
    ++i;
  }
}
BENCHMARK(BM_ComposeCell);

} // namespace

BENCHMARK_MAIN();
