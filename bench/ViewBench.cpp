#include <benchmark/benchmark.h>

#include <memory>

#include <QApplication>

#include "support/FakeGraphics.h"
#include "views/COMPMissView.h"

namespace {

const vh::TPictureSets& Sets() {
  static const vh::TPictureSets* sets = new vh::TPictureSets(vh::test::MakeFakeSets());
  return *sets;
}

// A full 64 x 64 map: terrain everywhere, objects on a third of the cells
// (joined roads among them), a unit on every sixth, shops, cargo, AI points,
// and a change layer that changes half of the cells.
void Fill(vh::TMission& m) {
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      vh::TMissionCell& c = m.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)];
      const int n = x * 7 + y * 13;
      c.Terrain = static_cast<int16_t>(n % 64);
      if (y % 5 == 2)
        c.Obj = 90;
      else if (x % 9 == 4)
        c.Obj = 93;
      else if (n % 3 == 0)
        c.Obj = static_cast<int16_t>(100 + n % 1200);
      if (n % 6 == 1) {
        vh::SetUnitCode(c, vh::UnitCode(static_cast<uint8_t>(n % 7), static_cast<uint8_t>(n % 64)));
        if (n % 4 == 1)
          m.NewVehContent({x, y});
      }
      if (n % 97 == 0 && c.Obj >= 100) {
        m.NewShop({x, y});
        m.GetShop(c.Shop)->Owner = static_cast<uint8_t>(n % 7);
      }
      if (n % 11 == 3)
        m.NewAIPoint({x, y});
      if ((x + y) % 2 == 0)
        m.DFCells[static_cast<size_t>(y)][static_cast<size_t>(x)] = {static_cast<int16_t>(n % 50), -1, 0xFF,
                                                                     0xFF};
    }
}

std::unique_ptr<vh::TMissView> FullView() {
  auto view = std::make_unique<vh::TMissView>(Sets());
  vh::ApplyMissionWindowSettings(*view);
  view->StartNewMission({64, 64});
  Fill(view->Mission());
  return view;
}

// A full recomposition of the map into MapBitmap, progress caption included.
void BM_RedrawAll64(benchmark::State& state) {
  auto view = FullView();
  view->SetShowGrid(state.range(0) != 0);
  for (auto _ : state) {
    view->RedrawAll();
    benchmark::DoNotOptimize(view->MapBitmap().Pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * 64 * 64);
}
BENCHMARK(BM_RedrawAll64)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One switch of filter bit `index` (on and off in turn) with every other bit
// on, so that each switch has the most cells to redraw.
void BM_FilterSwitch(benchmark::State& state) {
  auto view = FullView();
  const int index = static_cast<int>(state.range(0));
  for (int bit = 0; bit < vh::MissFilterBitCount; ++bit)
    view->SetFilter(bit, true);
  int drawn = 0;
  bool on = true;
  for (auto _ : state) {
    on = !on;
    view->SetFilter(index, on);
    benchmark::DoNotOptimize(view->MapBitmap().Pixels.data());
  }
  view->SetFilter(index, false);
  drawn = view->RedrawForFilter(index);
  state.counters["cells"] = drawn;
}
BENCHMARK(BM_FilterSwitch)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
