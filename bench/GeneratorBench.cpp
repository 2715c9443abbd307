#include <benchmark/benchmark.h>

#include "generator/Generator.h"
#include "generator/Random.h"
#include "mission/Mission.h"

namespace {

// What one press of "Generate" and one of "Transfer" cost on the largest map.
void BM_GenerateClassifyTransfer64(benchmark::State& state) {
  vh::TMission mission;
  mission.SetSize({64, 64});
  vh::GeneratorState gen;
  gen.Textured = true;
  uint32_t seed = 1;
  for (auto _ : state) {
    vh::Rng().Seed = seed++;
    vh::GenerateHeights(gen, 64, 64);
    vh::TCellCodes codes = vh::Classify(gen, 64, 64);
    vh::TransferToMission(codes, gen.TerrainType, mission);
    benchmark::DoNotOptimize(mission.Cells[32][32].Terrain);
  }
}
BENCHMARK(BM_GenerateClassifyTransfer64);

void BM_GenerateHeights64(benchmark::State& state) {
  vh::GeneratorState gen;
  uint32_t seed = 1;
  for (auto _ : state) {
    vh::Rng().Seed = seed++;
    vh::GenerateHeights(gen, 64, 64);
    benchmark::DoNotOptimize(gen.HeightMap.data());
  }
}
BENCHMARK(BM_GenerateHeights64);

// Moving a border or toggling the texture: classify and draw the preview.
void BM_ClassifyAndPreview64(benchmark::State& state) {
  vh::GeneratorState gen;
  vh::Rng().Seed = 5;
  vh::GenerateHeights(gen, 64, 64);
  for (auto _ : state) {
    vh::TCellCodes codes = vh::Classify(gen, 64, 64);
    vh::TPreview p = vh::DrawPreview(codes, 64, 64, gen.TerrainType, true);
    benchmark::DoNotOptimize(p.Pixels.data());
  }
}
BENCHMARK(BM_ClassifyAndPreview64);

}  // namespace

BENCHMARK_MAIN();
