#include <benchmark/benchmark.h>

#include <string>

#include "mission/ShopNames.h"
#include "mission/TPWM.h"
#include "support/TPWMEncoder.h"

namespace {

std::string NamesText(int shops) {
  std::string text = "\r\n#0000:0000{Intro}\r\n#0001:0024{Bench}\r\n";
  for (int i = 0; i < shops; ++i)
    text +=
        "#" + std::to_string(1000 + i + 2).substr(0, 4) + ":0016{Depot number " + std::to_string(i) + "}\r\n";
  return text;
}

void BM_DecompressNamesFile(benchmark::State& state) {
  std::string text = NamesText(400);
  vh::ByteStream coded = vh::test::CompressTPWM(vh::ByteStream(text.begin(), text.end()));
  for (auto _ : state)
    benchmark::DoNotOptimize(vh::DecompressTPWM(std::span(coded).subspan(4)));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_DecompressNamesFile);

void BM_ParseNamesFile(benchmark::State& state) {
  std::string text = NamesText(400);
  vh::ByteStream bytes(text.begin(), text.end());
  for (auto _ : state)
    benchmark::DoNotOptimize(vh::ParseShopNames(bytes, "bench.txt"));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ParseNamesFile);

}  // namespace

BENCHMARK_MAIN();
