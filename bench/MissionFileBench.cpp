#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "mission/MissionFile.h"

namespace {

using namespace vh;

// A full 64 x 64 mission: every cell painted, 300 shops, cargo, AI points and
// 32 change layers of 120 changes each.
TMission FullMission() {
  TMission m;
  m.SetSize({64, 64});
  std::mt19937 rng(7);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      TMissionCell& c = m.Cells[y][x];
      c.Terrain = static_cast<int16_t>(rng() % 400);
      c.Obj = rng() % 3 == 0 ? static_cast<int16_t>(rng() % 1335) : -1;
      if (rng() % 4 == 0) {
        c.Vehicle = static_cast<uint8_t>(rng() % 64);
        c.VehOwner = static_cast<uint8_t>(rng() % 7);
      }
    }
  for (int i = 0; i < 300; ++i)
    m.NewShop({i % 64, (i * 7) % 64});
  for (int i = 0; i < 200; ++i) {
    m.NewVehContent({(i * 3) % 64, (i * 5) % 64});
    m.NewAIPoint({(i * 11) % 64, (i * 13) % 64});
  }
  m.MapRecords.assign(40 * 100, 0x33);
  for (uint8_t layer = 0; layer < DFLayerCount; ++layer) {
    m.SelectDFLayer(layer);
    for (int i = 0; i < 120; ++i)
      m.DFCells[rng() % 64][rng() % 64].Terrain = static_cast<int16_t>(rng() % 400);
  }
  m.SelectDFLayer(0);
  return m;
}

struct Files {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "vh_bench_missionfile";
  std::string mission = (dir / "miss064.dat").string();
  Files() {
    std::filesystem::create_directories(dir);
    TMission m = FullMission();
    m.SaveAs(mission);
  }
  ~Files() { std::filesystem::remove_all(dir); }
};

void BM_LoadFullMission(benchmark::State& state) {
  Files files;
  for (auto _ : state) {
    TMission m;
    m.LoadFromFile(files.mission);
    benchmark::DoNotOptimize(m.Cells[63][63]);
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(files.mission));
}
BENCHMARK(BM_LoadFullMission)->Unit(benchmark::kMicrosecond);

void BM_SaveFullMission(benchmark::State& state) {
  Files files;
  TMission m;
  m.LoadFromFile(files.mission);
  for (auto _ : state)
    m.SaveToFile();
}
BENCHMARK(BM_SaveFullMission)->Unit(benchmark::kMicrosecond);

void BM_ParseFullMissionInMemory(benchmark::State& state) {
  TMission source = FullMission();
  ByteStream file = BuildMissionFile(source);
  for (auto _ : state) {
    TMission m;
    ParseMissionFile(m, file, {}, "bench.dat");
    benchmark::DoNotOptimize(m.Cells[0][0]);
  }
}
BENCHMARK(BM_ParseFullMissionInMemory)->Unit(benchmark::kMicrosecond);

void BM_BuildFullMissionInMemory(benchmark::State& state) {
  TMission m = FullMission();
  for (auto _ : state)
    benchmark::DoNotOptimize(BuildMissionFile(m));
}
BENCHMARK(BM_BuildFullMissionInMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
