#include <benchmark/benchmark.h>

#include <memory>

#include "support/FakeGraphics.h"
#include "views/MapRenderer.h"

namespace {

// A full 64 x 64 map as the game's missions fill them: terrain everywhere,
// objects on a third of the cells (roads joined to their neighbours among
// them), a unit on every sixth cell, some shops.
std::unique_ptr<vh::TMission> FullMission() {
  auto m = std::make_unique<vh::TMission>();
  m->SetSize({64, 64});
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      vh::TMissionCell& c = m->Cells[static_cast<size_t>(y)][static_cast<size_t>(x)];
      const int n = x * 7 + y * 13;
      c.Terrain = static_cast<int16_t>(n % 64);
      if (y % 5 == 2)
        c.Obj = 90;
      else if (x % 9 == 4)
        c.Obj = 93;
      else if (n % 3 == 0)
        c.Obj = static_cast<int16_t>(100 + n % 1200);
      if (n % 6 == 1) {
        c.Vehicle = static_cast<uint8_t>(n % 64);
        c.VehOwner = static_cast<uint8_t>(n % 7);
      }
      if (n % 97 == 0 && c.Obj >= 100) {
        m->NewShop({x, y});
        m->GetShop(c.Shop)->Owner = static_cast<uint8_t>(n % 7);
      }
    }
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
