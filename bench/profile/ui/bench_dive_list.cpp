// The dive list window over a full logbook of 32,767 dives: opening it until its first
// paint, and scrolling one page with its repaint. Runs offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTreeView>
#include <cstdlib>

#include "core/demo_logbook.h"
#include "core/settings.h"
#include "profile/ui/dive_list_dialog.h"

namespace {

const kelp::Logbook& fullLogbook() {
  static const kelp::Logbook lb = [] {
    kelp::Logbook l = kelp::makeDemoLogbook(kelp::MAX_DIVES, 11);
    l.currentPosition = l.diveCount() / 2;  // opened in the middle: the list scrolls there
    return l;
  }();
  return lb;
}

void BM_OpenDiveList(benchmark::State& state) {
  const kelp::Logbook& lb = fullLogbook();
  for (auto _ : state) {
    CDiveListDlg dlg(lb, [](int) {});
    dlg.show();
    dlg.list()->viewport()->repaint();
    benchmark::DoNotOptimize(dlg.lastRow());
    state.PauseTiming();
    dlg.hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenDiveList)->Unit(benchmark::kMillisecond);

void BM_ScrollDiveListOnePage(benchmark::State& state) {
  const kelp::Logbook& lb = fullLogbook();
  CDiveListDlg dlg(lb, [](int) {});
  dlg.show();
  QApplication::processEvents();
  QScrollBar* bar = dlg.list()->verticalScrollBar();
  bar->setValue(0);
  for (auto _ : state) {
    int next = bar->value() + bar->pageStep();
    if (next > bar->maximum()) next = 0;
    bar->setValue(next);
    dlg.list()->viewport()->repaint();
  }
  state.counters["rows"] = lb.diveCount();
}
BENCHMARK(BM_ScrollDiveListOnePage)->Unit(benchmark::kMillisecond);

}  // namespace

