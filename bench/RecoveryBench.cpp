#include <benchmark/benchmark.h>

#include <filesystem>
#include <future>

#include "BenchMissions.h"
#include "config/Recovery.h"

namespace {

using namespace vh;

TMission FullMission() {
  TMission m;
  bench::FillFullMission(m, true);
  m.StoreDFLayer();
  return m;
}

// What a recovery write costs the GUI thread: the snapshot of the mission and
// handing it to the worker thread (the write itself runs there).
void BM_RecoverySnapshotOnGuiThread(benchmark::State& state) {
  TMission m = FullMission();
  for (auto _ : state) {
    std::future<size_t> pending =
        std::async(std::launch::deferred, [snapshot = m] { return snapshot.Cells.size(); });
    benchmark::DoNotOptimize(pending);
  }
}
BENCHMARK(BM_RecoverySnapshotOnGuiThread)->Unit(benchmark::kMicrosecond);

// The worker thread's part: mission file, shop names file and description,
// each through a temporary file.
void BM_RecoveryCopyWrite(benchmark::State& state) {
  TMission m = FullMission();
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "vh-recovery-bench";
  std::filesystem::create_directories(dir);
  TRecoveryCopy copy{dir.string(), "w1", {"/games/MIS/miss001.dat", "", 1733700000, 0}, {}};
  for (auto _ : state)
    WriteRecoveryCopy(m, copy);
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_RecoveryCopyWrite)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
