// The forecast over a large logbook and to its horizon, the longest DECO 92 plan with its
// per-sample decompression data, and the Bühlmann planner's longest plan and no-stop curve.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "analysis/buhlmann.h"
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

// The longest plan the Bühlmann planner takes: 100 m on air for 999 minutes with GF 30/75,
// about 6400 minutes of stops, each whole stop minute tried against the ceiling; with the
// planned profile of the calculator (3 samples a minute).
void BM_LongestBuhlmannPlan(benchmark::State& state) {
  kelp::BuhlmannRequest r;
  r.depth = 100;
  r.bottomTime = 999;
  kelp::BuhlmannPlan plan;
  kelp::PlannedProfile prof;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kelp::planBuhlmann(r, plan).ok);
    kelp::buildBuhlmannProfile(r, plan, prof);
  }
  state.counters["runTime"] = plan.runTime;
  state.counters["samples"] = prof.sampleCount;
}
BENCHMARK(BM_LongestBuhlmannPlan)->Unit(benchmark::kMillisecond);

// The sixth curve of "Confronta curve": the no-stop limits at 12 ... 63 m, computed on every
// paint of the chart. GF high 100 gives the longest limits (182 minutes at 12 m).
void BM_BuhlmannNoStopCurve(benchmark::State& state) {
  const int gfHigh = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(kelp::buhlmannNoStopCurve(30, gfHigh));
}
BENCHMARK(BM_BuhlmannNoStopCurve)->Arg(75)->Arg(100)->Unit(benchmark::kMicrosecond);
