// Undo and redo of the largest steps a diver makes: renumbering a full logbook and a replace
// across 10,000 dives. The step's memory is reported as a counter.
#include <benchmark/benchmark.h>

#include "core/demo_logbook.h"
#include "core/logbook.h"
#include "core/logbook_history.h"
#include "core/texts.h"

namespace {

kelp::Logbook& fullLogbook() {
  static kelp::Logbook lb = kelp::makeDemoLogbook(kelp::MAX_DIVES, 11);
  return lb;
}

void runUndoRedo(benchmark::State& state, kelp::Logbook& lb, const kelp::LogbookStep& step) {
  for (auto _ : state) {
    step.undo(lb);
    step.redo(lb);
  }
  state.counters["step_bytes"] = static_cast<double>(step.memoryBytes());
  state.counters["undo_plus_redo"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate |
                                                             benchmark::Counter::kInvert);
}

void BM_UndoRedoRenumberFullLogbook(benchmark::State& state) {
  kelp::Logbook& lb = fullLogbook();
  kelp::ChangeRecorder rec(lb);
  lb.renumber(lb.firstDiveNumber + 1);
  const kelp::LogbookStep step = rec.finish("Rinumera Logbook");
  runUndoRedo(state, lb, step);
  step.undo(lb);
}
BENCHMARK(BM_UndoRedoRenumberFullLogbook)->Unit(benchmark::kMillisecond);

void BM_UndoRedoReplace10000Dives(benchmark::State& state) {
  kelp::Logbook& lb = fullLogbook();
  kelp::ChangeRecorder rec(lb);
  for (int i = 1; i <= 10000; ++i)
    lb.modify(i, [](kelp::DiveRecord& d) { kelp::setText(d.location, kelp::utf8ToStored("Isola d'Elba")); });
  const kelp::LogbookStep step = rec.finish("Sostituisci");
  runUndoRedo(state, lb, step);
  step.undo(lb);
}
BENCHMARK(BM_UndoRedoReplace10000Dives)->Unit(benchmark::kMillisecond);

void BM_RecordReplace10000Dives(benchmark::State& state) {
  kelp::Logbook& lb = fullLogbook();
  for (auto _ : state) {
    kelp::ChangeRecorder rec(lb);
    for (int i = 1; i <= 10000; ++i)
      lb.modify(i, [](kelp::DiveRecord& d) { kelp::setText(d.site, "Secca"); });
    state.PauseTiming();
    rec.rollback();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RecordReplace10000Dives)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {
void BM_RebuildTotalsWithLists(benchmark::State& state) {
  kelp::Logbook& lb = fullLogbook();
  for (auto _ : state) lb.rebuildTotals(state.range(0) != 0);
}
BENCHMARK(BM_RebuildTotalsWithLists)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
}  // namespace
