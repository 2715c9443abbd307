// A map picture of the demo game's 64 x 64 mission as "vhmission render"
// writes it: drawn, then encoded as BMP or PNG. The PNG's deflate is the
// costly part; its size is reported beside the time.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <zlib.h>

#include "graphics/IndexedImage.h"
#include "graphics/Library.h"
#include "graphics/PictureSets.h"
#include "hexmap/MapRenderer.h"
#include "mission/Mission.h"

namespace {

struct TDemo {
  vh::TPictureSets Sets;
  vh::TMission Mission;
  vh::TIndexedImage Map;
};

const TDemo& Demo() {
  static const std::unique_ptr<TDemo> demo = [] {
    auto d = std::make_unique<TDemo>();
    const std::string bin = VH_DEMO_BIN;
    vh::TLibraryTable table = vh::DefaultLibraryTable();
    vh::OpenLibraries(bin + "/VarnholtDemo/", table);
    vh::LoadGameGraphics(d->Sets, table, bin + "/");
    vh::CloseLibraries(table);
    d->Mission.LoadFromFile(bin + "/VarnholtDemo/MIS/miss003.dat");
    d->Map = vh::RenderMission(d->Sets, d->Mission, vh::TMapDrawOptions{});
    return d;
  }();
  return *demo;
}

void BM_DrawThenBmp(benchmark::State& state) {
  const TDemo& d = Demo();
  size_t bytes = 0;
  for (auto _ : state) {
    const vh::TIndexedImage map = vh::RenderMission(d.Sets, d.Mission, vh::TMapDrawOptions{});
    bytes = vh::EncodeBmp(map, d.Sets.GamePalette).size();
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_DrawThenBmp)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DrawThenPng(benchmark::State& state) {
  const TDemo& d = Demo();
  size_t bytes = 0;
  for (auto _ : state) {
    const vh::TIndexedImage map = vh::RenderMission(d.Sets, d.Mission, vh::TMapDrawOptions{});
    bytes = vh::EncodePng(map, d.Sets.GamePalette).size();
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_DrawThenPng)->Unit(benchmark::kMillisecond)->UseRealTime();

// The choices measured for the picture's scanlines (filter type 0): zlib in
// one stream at levels 1 to 9, as the PNG writer did at level 6, against
// the writer's bands.
void BM_DeflateOneStream(benchmark::State& state) {
  const TDemo& d = Demo();
  vh::ByteStream raw;
  for (int32_t y = 0; y < d.Map.Height; ++y) {
    raw.push_back(0);
    raw.insert(raw.end(), d.Map.Row(y), d.Map.Row(y) + d.Map.Width);
  }
  vh::ByteStream out(compressBound(static_cast<uLong>(raw.size())));
  uLongf packed = 0;
  for (auto _ : state) {
    packed = static_cast<uLongf>(out.size());
    compress2(out.data(), &packed, raw.data(), static_cast<uLong>(raw.size()),
              static_cast<int>(state.range(0)));
  }
  state.counters["bytes"] = static_cast<double>(packed);
}
BENCHMARK(BM_DeflateOneStream)->DenseRange(1, 9)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PngOfTheMap(benchmark::State& state) {
  const TDemo& d = Demo();
  size_t bytes = 0;
  for (auto _ : state)
    bytes = vh::EncodePng(d.Map, d.Sets.GamePalette).size();
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PngOfTheMap)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
