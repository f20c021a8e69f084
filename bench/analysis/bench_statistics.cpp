// Computing each statistics chart, the dives per month and the location and buddy
// lists over the largest logbook there can be (32,767 dives), in both unit systems.
// One frame is 16 ms.
#include <benchmark/benchmark.h>

#include "analysis/stat_charts.h"
#include "analysis/stat_lists.h"
#include "core/demo_logbook.h"
#include "core/logbook.h"

namespace {

const kelp::Logbook& fullLogbook() {
  static const kelp::Logbook lb = kelp::makeDemoLogbook(kelp::MAX_DIVES, 7);
  return lb;
}

void BM_Chart(benchmark::State& state) {
  const kelp::Logbook& lb = fullLogbook();
  kelp::StatOptions o;
  o.metric = state.range(1) != 0;
  o.view = static_cast<int>(state.range(2));
  for (auto _ : state) benchmark::DoNotOptimize(kelp::computeStatistics(lb, static_cast<int>(state.range(0)), o));
  state.SetLabel(std::string(kelp::chartName(static_cast<int>(state.range(0)))) + (o.metric ? " metric" : " imperial") +
                 " view " + std::to_string(o.view));
}
// every chart in its count view; the category charts also in the depth and air views
BENCHMARK(BM_Chart)
    ->ArgsProduct({benchmark::CreateDenseRange(0, kelp::kStatChartCount - 1, 1), {1, 0}, {0}})
    ->ArgsProduct({{kelp::kChartSuit, kelp::kChartWeather, kelp::kChartDiveType, kelp::kChartActivity}, {1, 0}, {2, 4}})
    ->Unit(benchmark::kMillisecond);

void BM_DivesPerMonth(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kelp::divesPerMonth(fullLogbook()));
}
BENCHMARK(BM_DivesPerMonth)->Unit(benchmark::kMillisecond);

void BM_Locations(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kelp::locationStatistics(fullLogbook(), 0, 0));
}
BENCHMARK(BM_Locations)->Unit(benchmark::kMillisecond);

void BM_Buddies(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kelp::buddyStatistics(fullLogbook(), 0, 0));
}
BENCHMARK(BM_Buddies)->Unit(benchmark::kMillisecond);

}  // namespace
