// Checking a mission runs after every edit while the Problems dock is open,
// so a full map must take well under a millisecond.
#include <benchmark/benchmark.h>

#include "BenchMissions.h"
#include "mission/MissionCheck.h"

namespace {

void BM_CheckFullMission(benchmark::State& state) {
  vh::TMission m;
  vh::bench::FillFullMission(m, true);
  for (auto _ : state)
    benchmark::DoNotOptimize(vh::CheckMission(m));
}
BENCHMARK(BM_CheckFullMission)->Unit(benchmark::kMicrosecond);

// A blank map: every cell is a place of one problem.
void BM_CheckBlankMission(benchmark::State& state) {
  vh::TMission m;
  m.SetSize({64, 64});
  for (auto _ : state)
    benchmark::DoNotOptimize(vh::CheckMission(m));
}
BENCHMARK(BM_CheckBlankMission)->Unit(benchmark::kMicrosecond);

}  // namespace
