#include <benchmark/benchmark.h>

#include <memory>

#include "BenchMissions.h"
#include "hexmap/MapRenderer.h"
#include "support/FakeGraphics.h"

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

// The floor a full composition is measured against: per cell one 24 x 24
// picture copied and two keyed overlays, then the masked put into the map.
void BM_BlitFloor(benchmark::State& state) {
  const vh::TPictureSets sets = vh::test::MakeFakeSets();
  const auto mission = FullMission();
  vh::TIndexedImage map;
  map.Resize(64 * 16 + 8, 64 * 24 + 12, 0);
  vh::THexPicture picture;
  for (auto _ : state) {
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        picture = sets.PartPictures[static_cast<size_t>((x + y) % sets.PartPictures.size())];
        vh::OverlayPicture(picture, sets.PartPictures[static_cast<size_t>(x % sets.PartPictures.size())], 0);
        vh::OverlayPicture(picture, sets.GridPicture, 0);
        vh::PutCellPicture(map, {x * 16, y * 24 + (x % 2) * 12}, picture, sets.HexMaskBitmap);
      }
    benchmark::DoNotOptimize(map.Pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * 64 * 64);
}
BENCHMARK(BM_BlitFloor)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
