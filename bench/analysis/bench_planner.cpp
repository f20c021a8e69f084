// The forecast over a large logbook and to its horizon, and the longest DECO 92 plan with its
// per-sample decompression data.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "analysis/deco_plan.h"
#include "analysis/dive_tables.h"
#include "analysis/forecast.h"
#include "core/demo_logbook.h"
#include "core/logbook.h"
#include "core/texts.h"

namespace {

const kelp::Logbook& demo(int n) {
  static const kelp::Logbook lb = kelp::makeDemoLogbook(n, 7);
  return lb;
}

void BM_ForecastTenThousandDives(benchmark::State& state) {
  const kelp::Logbook& lb = demo(10000);
  kelp::ForecastRequest req;
  req.target = kelp::defaultForecastTarget(lb.diveCount());
  const kelp::CalendarDay start = kelp::forecastStart(lb);
  req.startMonth = start.month;
  req.startYear = start.year;
  kelp::ForecastResult r;
  for (auto _ : state) benchmark::DoNotOptimize(kelp::computeForecast(lb, req, {1, 6, 2030}, r));
}
BENCHMARK(BM_ForecastTenThousandDives)->Unit(benchmark::kMillisecond);

// A rate so small that the projection walks day by day up to the year 9999.
void BM_ForecastToTheHorizon(benchmark::State& state) {
  kelp::Logbook lb;
  kelp::DiveRecord r = kelp::makeRecord();
  r.date = kelp::dayNumber(1, 1, 2000);
  lb.assignDives({r});
  kelp::ForecastRequest req;
  req.target = 30000;
  req.startMonth = 1;
  req.startYear = 2000;
  kelp::ForecastResult out;
  for (auto _ : state) benchmark::DoNotOptimize(kelp::computeForecast(lb, req, {1, 6, 2024}, out));
}
BENCHMARK(BM_ForecastToTheHorizon)->Unit(benchmark::kMillisecond);

// Mountain lake, 18 m, 80 minutes: the longest plan of the tables (105 minutes, 315 samples).
void BM_LongestDecoPlan(benchmark::State& state) {
  // The build copies the tables file into the build folder, above bench/.
  kelp::setDiveTablesPath(
      (std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "dive_tables.txt").string());
  const kelp::DiveTables* t = kelp::diveTables();
  if (!t) {
    state.SkipWithError("dive_tables.txt not found beside the benchmark");
    return;
  }
  kelp::PlannedProfile prof;
  for (auto _ : state) {
    kelp::DecoPlan p;
    p.maxDepth = 18;
    p.bottomTime = 80;
    p.altitudeClass = kelp::kMountainLake;
    benchmark::DoNotOptimize(kelp::computeDecoPlan(*t, p, prof));
  }
  state.counters["samples"] = prof.sampleCount;
}
BENCHMARK(BM_LongestDecoPlan)->Unit(benchmark::kMicrosecond);

}  // namespace
