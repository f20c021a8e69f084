// Filling a number range and storing an edited dive in large generated logbooks.
#include <benchmark/benchmark.h>

#include "core/computer_models.h"
#include "core/demo_logbook.h"
#include "core/logbook.h"
#include "core/texts.h"
#include "profile/dive_edit.h"
#include "profile/fill_dives.h"

namespace {

const kelp::Logbook& demo(int n) {
  static kelp::Logbook lb = kelp::makeDemoLogbook(n, 3);
  return lb;
}

// "Crea alcune immersioni" over every dive of the logbook.
void BM_FillWholeLogbook(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  kelp::FillTemplate t;
  t.first = 1;
  t.last = 65535;
  t.location = "Elba";
  t.diveTypeFlags = 1u << kelp::kDiveSeaWater;
  for (auto _ : state) {
    state.PauseTiming();
    kelp::Logbook lb = kelp::makeDemoLogbook(n, 3);
    state.ResumeTiming();
    benchmark::DoNotOptimize(kelp::fillDives(lb, t));
  }
}
BENCHMARK(BM_FillWholeLogbook)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond)->Iterations(3);

// OK in the editor: reading every control back and the "nothing changed" check.
void BM_EditorOkUnchanged(benchmark::State& state) {
  const kelp::Logbook& lb = demo(200);
  int pos = 1;
  for (auto _ : state) {
    kelp::DiveEditor ed(lb.get(pos), pos, true, false, false, kelp::computerModels());
    benchmark::DoNotOptimize(ed.finish(ed.fields()));
    benchmark::DoNotOptimize(ed.changed());
    pos = pos % lb.diveCount() + 1;
  }
}
BENCHMARK(BM_EditorOkUnchanged)->Unit(benchmark::kMicrosecond);

}  // namespace
