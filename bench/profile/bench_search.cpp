// Finding, selecting and replacing over a full logbook of 32,767 dives.
#include <benchmark/benchmark.h>

#include "core/demo_logbook.h"
#include "core/logbook.h"
#include "core/logbook_history.h"
#include "core/texts.h"
#include "profile/search.h"

namespace {

using namespace kelp;

const Logbook& fullLogbook() {
  static const Logbook lb = makeDemoLogbook(MAX_DIVES, 11);
  return lb;
}


void BM_FindLocationThroughAllDives(benchmark::State& state) {
  const Logbook& lb = fullLogbook();
  const LastSearch s = makeSearch(kFindLocation, 0, "Nessun luogo");
  for (auto _ : state) benchmark::DoNotOptimize(findFirst(lb, s));
}
BENCHMARK(BM_FindLocationThroughAllDives)->Unit(benchmark::kMillisecond);

void BM_FindBuddyPartThroughAllDives(benchmark::State& state) {
  const Logbook& lb = fullLogbook();
  const LastSearch s = makeSearch(kFindBuddies, 0, "Nessun compagno");
  for (auto _ : state) benchmark::DoNotOptimize(findFirst(lb, s));
}
BENCHMARK(BM_FindBuddyPartThroughAllDives)->Unit(benchmark::kMillisecond);

void BM_FindSpecialActivityThroughAllDives(benchmark::State& state) {
  const Logbook& lb = fullLogbook();
  const LastSearch s = makeSearch(kFindActivity, 18, "");
  for (auto _ : state) benchmark::DoNotOptimize(findNext(lb, s, 0));
}
BENCHMARK(BM_FindSpecialActivityThroughAllDives)->Unit(benchmark::kMillisecond);

void BM_SelectTextsAnd(benchmark::State& state) {
  const Logbook& lb = fullLogbook();
  SearchCriteria c;
  c.location = storedToUtf8(getText(lb.dives()[100].location));
  c.buddy = "Anna";
  for (auto _ : state) benchmark::DoNotOptimize(selectDives(lb, c).size());
}
BENCHMARK(BM_SelectTextsAnd)->Unit(benchmark::kMillisecond);

// Every kind of condition at once, in OR mode, so that no dive stops early.
void BM_SelectEveryConditionOr(benchmark::State& state) {
  const Logbook& lb = fullLogbook();
  SearchCriteria c;
  c.orMode = true;
  c.dateFrom = "1.1.2030";
  c.location = "Nessun luogo";
  c.site = "Nessun luogo";
  c.buddy = "Nessun compagno";
  c.other = "Nessuna";
  c.depthFrom = "150";
  c.timeFrom = "900";
  c.sacFrom = "90";
  c.tankSize = "99.9";
  c.altitude = 4;
  c.weather = 6;
  c.suit = 6;
  c.typeBits = 1u << kDiveScr;
  c.activityBits = 1u << 6;
  c.specialBits = 1u << 7;
  for (auto _ : state) benchmark::DoNotOptimize(selectDives(lb, c).size());
}
BENCHMARK(BM_SelectEveryConditionOr)->Unit(benchmark::kMillisecond);

void BM_SelectDepthAndSacRanges(benchmark::State& state) {
  const Logbook& lb = fullLogbook();
  SearchCriteria c;
  c.depthFrom = "20";
  c.depthTo = "30";
  c.sacFrom = "12";
  c.sacTo = "18.5";
  for (auto _ : state) benchmark::DoNotOptimize(selectDives(lb, c).size());
}
BENCHMARK(BM_SelectDepthAndSacRanges)->Unit(benchmark::kMillisecond);

// 10,000 demo dives whose buddies all hold the text "Sostituisci" replaces.
std::vector<DiveRecord> divesToReplaceIn() {
  std::vector<DiveRecord> dives = makeDemoLogbook(10000, 5).dives();
  for (DiveRecord& d : dives) parseText(d.buddies, "Anna Rossi, Marco");
  return dives;
}

// "Sostituisci" over 10,000 dives that all hold the old text.
void BM_ReplaceInTenThousandDives(benchmark::State& state) {
  const std::vector<DiveRecord> dives = divesToReplaceIn();
  for (auto _ : state) {
    state.PauseTiming();
    Logbook lb;
    lb.assignDives(dives);
    state.ResumeTiming();
    benchmark::DoNotOptimize(replaceAll(lb, kReplaceBuddies, "Rossi,", "Bianchi,"));
  }
}
BENCHMARK(BM_ReplaceInTenThousandDives)->Unit(benchmark::kMillisecond);

// The same as one undoable step: every changed record is journaled as it is written back.
void BM_ReplaceInTenThousandDivesAsOneStep(benchmark::State& state) {
  const std::vector<DiveRecord> dives = divesToReplaceIn();
  for (auto _ : state) {
    state.PauseTiming();
    Logbook lb;
    lb.assignDives(dives);
    state.ResumeTiming();
    ChangeRecorder rec(lb);
    benchmark::DoNotOptimize(replaceAll(lb, kReplaceBuddies, "Rossi,", "Bianchi,"));
    LogbookStep step = rec.finish("Sostituisci");
    benchmark::DoNotOptimize(step.empty());
    state.PauseTiming();
    { LogbookStep drop = std::move(step); }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ReplaceInTenThousandDivesAsOneStep)->Unit(benchmark::kMillisecond);

void BM_ReplacePreviewInTenThousandDives(benchmark::State& state) {
  Logbook lb = makeDemoLogbook(10000, 5);
  for (auto _ : state)
    benchmark::DoNotOptimize(previewReplace(lb, kReplaceBuddies, "a", "e").rows.size());
}
BENCHMARK(BM_ReplacePreviewInTenThousandDives)->Unit(benchmark::kMillisecond);

}  // namespace
