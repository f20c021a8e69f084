#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <filesystem>
#include <string>

#include "analysis/deco_plan.h"
#include "analysis/dive_tables.h"
#include "core/dive_record.h"
#include "core/logbook.h"

using namespace kelp;

namespace {

// The shipped file, in the source tree's data folder.
const std::string kTablesFile =
    (std::filesystem::path(KELP_TEST_DATA_DIR).parent_path().parent_path() / "data" / "dive_tables.txt").string();

std::string shippedText() {
  std::ifstream in(kTablesFile);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

const DiveTables& shipped() {
  static DiveTables t = [] {
    DiveTables out;
    const Result r = loadDiveTables(kTablesFile, out);
    EXPECT_TRUE(r.ok) << r.error;
    return out;
  }();
  return t;
}

// A plan with no air data.
DecoPlan plan(double depth, int time, int altitude = kSeaLevel) {
  DecoPlan p;
  p.maxDepth = depth;
  p.bottomTime = time;
  p.altitudeClass = altitude;
  p.tankVolume = 0;
  p.tankPressure = 0;
  p.airConsumption = 0;
  return p;
}

DecoPlan repetitive(DecoPlan p, const std::string& group, int interval) {
  p.repetitive = 1;
  p.groupText = group;
  p.surfaceInterval = interval;
  return p;
}

}  // namespace

TEST(DecoPlan, SeaLevel24MetresFor45MinutesGivesGroupGWithTwoStops) {
  DecoPlan p = plan(24, 45);
  PlannedProfile prof;
  ASSERT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::Planned);
  EXPECT_EQ(p.groupResult, "G");
  EXPECT_EQ(p.stop3, 13);
  EXPECT_EQ(p.stop6, 2);
  EXPECT_EQ(p.stop9 + p.stop12 + p.stop15, 0);
  EXPECT_EQ(p.ascentTime, 18);
  EXPECT_EQ(p.ascentOnly, 3);
  EXPECT_EQ(p.diveTime, 63);
  EXPECT_EQ(p.noStopLimit, 23);
  EXPECT_EQ(p.noFlyHours, 36);
  EXPECT_EQ(p.residualNitrogen, 0);
  EXPECT_EQ(p.tableDepth, 24);
  EXPECT_EQ(p.resultValid, 1);
  EXPECT_EQ(p.resultText,
            "\n tempo imm:\t\t63 min\n Tempo di desaturazione:\t18 min\n Gruppo imm.ripetitive:\tG\n"
            " tempo di azoto residuo:\t0 min\n in curva:\t\t23 min\n Tempo di non volo:\t\t36 ore\n"
            " Deco stop\t15 m:\t0 min\n Dekostufe\t12 m:\t0 min\n Deco stop\t 9 m:\t0 min\n"
            " Deco stop\t 6 m:\t2 min\n Deco stop\t 3 m:\t13 min\n Pressione restante:\t0 bar\n"
            " Delta pressione:\t\t0 bar\n Consumo aria:\t0 barl\n");
}

TEST(DecoPlan, PlannedProfileDescendsHoldsTheStopsAndCarriesDecompressionData) {
  DecoPlan p = plan(24, 45);
  PlannedProfile prof;
  ASSERT_TRUE(computeDecoPlan(shipped(), p, prof));
  ASSERT_EQ(prof.sampleCount, 189);
  ASSERT_EQ(prof.depths.size(), 190u);
  EXPECT_EQ(prof.maxDepth, 24);
  EXPECT_DOUBLE_EQ(prof.depths[0], 0);
  EXPECT_NEAR(prof.depths[1], -20.0 / 3, 1e-9);  // 20 m/min
  EXPECT_DOUBLE_EQ(prof.depths[3], -24);
  EXPECT_DOUBLE_EQ(prof.depths[134], -24);         // last bottom sample: 45 minutes
  EXPECT_DOUBLE_EQ(prof.depths[135], -24);         // the ascent starts at the bottom
  EXPECT_DOUBLE_EQ(prof.depths[141], -6);          // 6 ascent samples, then the 6 m stop
  EXPECT_DOUBLE_EQ(prof.depths[146], -6);
  EXPECT_DOUBLE_EQ(prof.depths[147], -6);          // one ascent sample to 3 m
  EXPECT_DOUBLE_EQ(prof.depths[148], -3);
  EXPECT_DOUBLE_EQ(prof.depths[187], -3);          // 39 stop samples and one more
  EXPECT_DOUBLE_EQ(prof.depths[188], 0);
  EXPECT_DOUBLE_EQ(prof.depths[189], 0);
  ASSERT_EQ(prof.noStopLeft.size(), 191u);
  EXPECT_EQ(prof.noStopLeft[190], kProfileEndMarker);
  EXPECT_FALSE(prof.hasPressure);

  // Minute 10 at the bottom: entry 10 -> C, no stop, 13 minutes of no-stop time left.
  EXPECT_EQ(prof.flags[30] & 1, 0);
  EXPECT_EQ(prof.noStopLeft[30], 13);
  EXPECT_EQ(prof.ascentTotal[30], 3);
  // Minute 44 at the bottom: entry 45 -> G 13/2, the 6 m stop applies.
  EXPECT_EQ(prof.flags[132] & 1, 1);
  EXPECT_EQ(prof.stopDepth[132], 6);
  EXPECT_EQ(prof.stopMinutes[132], 2);
  EXPECT_EQ(prof.ascentTotal[132], 18);
  // At the 3 m stop the owed minutes run down, one per three samples.
  EXPECT_EQ(prof.stopDepth[150], 3);
  EXPECT_EQ(prof.stopMinutes[150], 13);
  EXPECT_EQ(prof.stopMinutes[186], 1);
  EXPECT_EQ(prof.flags[188] & 1, 0);  // all stops done at the surface
}

TEST(DecoPlan, BottomTimeBeyondTheLongestEntryIsNotSufficient) {
  DecoPlan p = plan(12, 91);
  PlannedProfile prof;
  EXPECT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::NotSufficient);
  EXPECT_EQ(p.resultText, "\n Tabelle nicht ausreichend");
  EXPECT_EQ(p.resultValid, 0);
  EXPECT_TRUE(prof.depths.empty());

  p = plan(12, 90);
  EXPECT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::Planned);
  EXPECT_EQ(p.groupResult, "G");

  p = plan(64, 5);  // 63.99 m still reads the 63 m row
  EXPECT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::NotSufficient);
  p = plan(63.99, 5);
  EXPECT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::Planned);
}

TEST(DecoPlan, DepthIsTruncatedThenReadFromTheNextDeeperRowThatIsPresent) {
  PlannedProfile prof;
  DecoPlan p = plan(18.9, 45);  // 18 m row, which holds 42..50 minutes
  ASSERT_TRUE(computeDecoPlan(shipped(), p, prof));
  EXPECT_EQ(p.tableDepth, 18);
  EXPECT_EQ(p.note, "");
  EXPECT_EQ(p.groupResult, "F");
  EXPECT_EQ(p.stop3, 2);
  EXPECT_EQ(p.noStopLimit, kUnknownValue);
  EXPECT_NE(decoResultText(p, true).find(" in curva:\t\t? min\n"), std::string::npos);

  p = plan(19, 30);  // 21 m row absent, 24 m row used
  ASSERT_TRUE(computeDecoPlan(shipped(), p, prof));
  EXPECT_EQ(p.wantedDepth, 21);
  EXPECT_EQ(p.tableDepth, 24);
  EXPECT_EQ(p.groupResult, "F");
  EXPECT_EQ(p.stop3, 4);
  EXPECT_EQ(p.noStopLimit, 23);
  EXPECT_EQ(p.note, "tabella 24 m usata per 21 m");
  EXPECT_NE(decoResultText(p, true).find("\n tabella 24 m usata per 21 m\n"), std::string::npos);

  // 15 m: the partial 18 m row answers 45 minutes, not 30.
  p = plan(15, 45);
  ASSERT_TRUE(computeDecoPlan(shipped(), p, prof));
  EXPECT_EQ(p.note, "tabella 18 m usata per 15 m");
  p = plan(15, 30);
  ASSERT_TRUE(computeDecoPlan(shipped(), p, prof));
  EXPECT_EQ(p.note, "tabella 24 m usata per 15 m");

  // Mountain lake 12 m: the 18 m row with its own no-stop limit.
  p = plan(12, 35, kMountainLake);
  ASSERT_TRUE(computeDecoPlan(shipped(), p, prof));
  EXPECT_EQ(p.tableDepth, 18);
  EXPECT_EQ(p.groupResult, "F");
  EXPECT_EQ(p.stop3, 1);
  EXPECT_EQ(p.noStopLimit, 39);

  // Shallower than 9 m reads the 9 m row without a remark.
  p = plan(5, 60);
  ASSERT_TRUE(computeDecoPlan(shipped(), p, prof));
  EXPECT_EQ(p.tableDepth, 9);
  EXPECT_EQ(p.note, "");
  EXPECT_EQ(p.groupResult, "E");
}

TEST(DecoPlan, RowMarkedAbsentInTheFileMovesTheLookupDeeper) {
  std::string text = shippedText();
  const std::string line = "sea  24  present  nostop 23  :";
  const size_t at = text.find(line);
  ASSERT_NE(at, std::string::npos);
  text.erase(at, text.find('\n', at) - at);
  text.insert(at, "sea  24  absent   nostop 23");
  DiveTables t;
  ASSERT_TRUE(parseDiveTables(text, "test", t).ok);
  DecoPlan p = plan(24, 10);
  PlannedProfile prof;
  ASSERT_TRUE(computeDecoPlan(t, p, prof));
  EXPECT_EQ(p.tableDepth, 63);
  EXPECT_EQ(p.note, "tabella 63 m usata per 24 m");
  EXPECT_EQ(p.stop3, 9);
  p = plan(24, 45);
  EXPECT_FALSE(computeDecoPlan(t, p, prof));
  EXPECT_EQ(runDecoCalculation(&t, "", p, prof), DecoOutcome::NotSufficient);
  EXPECT_EQ(p.resultText, "\n Tabelle nicht ausreichend\n tabella 63 m usata per 24 m");
}

TEST(DecoPlan, RepetitiveDiveAddsResidualNitrogenForChoosingTheEntry) {
  DecoPlan p = repetitive(plan(18, 20), "D", 20);
  PlannedProfile prof;
  ASSERT_TRUE(computeDecoPlan(shipped(), p, prof));
  EXPECT_EQ(p.residualNitrogen, 22);
  EXPECT_EQ(p.groupResult, "F");
  EXPECT_EQ(p.stop3, 2);
  EXPECT_EQ(p.ascentTime, 4);
  EXPECT_EQ(p.diveTime, 24);
  EXPECT_EQ(p.noFlyHours, 30);

  // Only the first letter counts.
  p = repetitive(plan(18, 20), "Dx", 20);
  ASSERT_TRUE(computeDecoPlan(shipped(), p, prof));
  EXPECT_EQ(p.residualNitrogen, 22);

  // Interval beyond the last bound, a letter outside B..G, a zero interval: a first dive.
  for (const auto& [group, interval] : {std::pair{"D", 121}, {"A", 20}, {"H", 20}, {"D", 0}}) {
    p = repetitive(plan(24, 20), group, interval);
    ASSERT_TRUE(computeDecoPlan(shipped(), p, prof)) << group << interval;
    EXPECT_EQ(p.residualNitrogen, 0) << group << interval;
  }
}

TEST(DecoPlan, RepetitiveDiveWhoseTablesAreMissingPlansNothing) {
  PlannedProfile prof;
  DecoPlan p = repetitive(plan(24, 10), "C", 60);  // no interval row for C
  EXPECT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::NotSufficient);
  EXPECT_EQ(p.resultText,
            "\n Tabelle nicht ausreichend\n immersione ripetitiva non calcolabile: gruppo C assente dalle tabelle");
  p = repetitive(plan(24, 10), "D", 60);  // no residual nitrogen row for 24 m
  EXPECT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::NotSufficient);
  EXPECT_NE(p.resultText.find("azoto residuo per 24 m assente"), std::string::npos);
  // 20 m reads the 18 m nitrogen row (rounded down) and the 24 m depth row.
  p = repetitive(plan(20, 10), "G", 100);
  ASSERT_TRUE(computeDecoPlan(shipped(), p, prof));
  EXPECT_EQ(p.residualNitrogen, 34);
  EXPECT_EQ(p.tableDepth, 24);
}

TEST(DecoPlan, FaultsOfTheInputsAreRefused) {
  PlannedProfile prof;
  // No plan for a depth or bottom time of 0 or less (or not a number).
  for (const auto& [depth, time] : {std::pair{0.0, 20}, {-10.0, 20}, {20.0, 0}, {20.0, -5}, {NAN, 20}}) {
    DecoPlan p = plan(depth, time);
    p.resultText = "before";
    EXPECT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::Ignored);
    EXPECT_EQ(p.resultText, "before");
    EXPECT_FALSE(computeDecoPlan(shipped(), p, prof));
    EXPECT_TRUE(prof.depths.empty());
  }
  // Negative air data are typing errors.
  using Change = void (*)(DecoPlan&);
  for (Change change : {Change{[](DecoPlan& p) { p.tankVolume = -15; }}, Change{[](DecoPlan& p) { p.tankPressure = -1; }},
                        Change{[](DecoPlan& p) { p.airConsumption = -20; }}}) {
    DecoPlan p = plan(24, 20);
    change(p);
    EXPECT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::Ignored);
  }
  // A negative surface interval is not repetitive.
  DecoPlan p = repetitive(plan(24, 20), "D", -5);
  ASSERT_TRUE(computeDecoPlan(shipped(), p, prof));
  EXPECT_EQ(p.residualNitrogen, 0);
  // A repetitive dive shallower than 9 m carries the 9 m row's residual nitrogen.
  p = repetitive(plan(6, 20), "G", 300);
  ASSERT_TRUE(computeDecoPlan(shipped(), p, prof));
  EXPECT_EQ(p.residualNitrogen, 70);
  EXPECT_EQ(p.groupResult, "F");
  // Only the two altitude tables exist.
  p = plan(18, 20, 2);
  EXPECT_FALSE(computeDecoPlan(shipped(), p, prof));
}

TEST(DecoPlan, PlannedProfileLaysNoMoreSamplesThanItsCount) {
  // 30 m reads the 63 m row (6 -> E 4/1): the ascent of a whole number of minutes leaves no
  // spare sample, so the stops and the extra 3 m sample would run one past the count.
  DecoPlan p = plan(30, 6);
  PlannedProfile prof;
  ASSERT_TRUE(computeDecoPlan(shipped(), p, prof));
  EXPECT_EQ(p.diveTime, 14);
  ASSERT_EQ(prof.sampleCount, 42);
  ASSERT_EQ(prof.depths.size(), 43u);
  EXPECT_DOUBLE_EQ(prof.depths[41], -3);
  EXPECT_DOUBLE_EQ(prof.depths[42], 0);
  EXPECT_EQ(prof.noStopLeft.size(), 44u);
  EXPECT_EQ(prof.noStopLeft[43], kProfileEndMarker);
  // A descent longer than the bottom time.
  p = plan(63, 1);
  ASSERT_TRUE(computeDecoPlan(shipped(), p, prof));
  EXPECT_EQ(prof.depths.size(), static_cast<size_t>(prof.sampleCount) + 1);
  EXPECT_DOUBLE_EQ(prof.depths.back(), 0);
}

TEST(DecoPlan, AirUsedAndPressureLeft) {
  PlannedProfile prof;
  // Tank without pressure or consumption: 200 bar and 20 l/min, kept in the state.
  DecoPlan p = plan(24, 45);
  p.tankVolume = 15;
  ASSERT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::Planned);
  EXPECT_EQ(p.tankPressure, 200);
  EXPECT_DOUBLE_EQ(p.airConsumption, 20.0);
  // (3.4 x 45 + 1.6 x 2 + 1.3 x 13 + 2.2 x 3) x 20 = 3594 barl of 3000: negative as it is.
  EXPECT_EQ(p.airUsed, 3594);
  EXPECT_EQ(p.remainingPressure, -39);
  EXPECT_EQ(p.deltaPressure, 239);
  ASSERT_TRUE(prof.hasPressure);
  EXPECT_EQ(prof.pressures[0], 200);
  EXPECT_EQ(prof.pressures[2], 200);
  EXPECT_EQ(prof.pressures[3], 198);               // 1.0 x 20 / 15 = 1.33 bar in minute 0
  EXPECT_EQ(prof.pressures[188], 0);               // empty before the end
  EXPECT_EQ(prof.pressures[189], prof.pressures[188]);

  // Tank 0 and consumption 0: no air results.
  p = plan(24, 45);
  ASSERT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::Planned);
  EXPECT_EQ(p.airUsed, 0);
  EXPECT_EQ(p.remainingPressure, 0);
  EXPECT_EQ(p.deltaPressure, 0);
  EXPECT_FALSE(prof.hasPressure);

  // Consumption without a tank: only the air used.
  p = plan(12, 30);
  p.airConsumption = 20;
  ASSERT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::Planned);
  EXPECT_EQ(p.airUsed, static_cast<int>(2.2 * 30 * 20 + 1.6 * p.ascentOnly * 20));
  EXPECT_EQ(p.remainingPressure, 0);

  // Whatever is typed, the air results never wrap round into the wrong sign.
  for (const auto& [tank, sac] : {std::pair{1e-9, 20.0}, std::pair{15.0, 1e12}, std::pair{1e-300, 1e300}}) {
    p = plan(24, 45);
    p.tankVolume = tank;
    p.airConsumption = sac;
    ASSERT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::Planned) << tank << " " << sac;
    EXPECT_GT(p.airUsed, 0) << tank << " " << sac;
    EXPECT_LT(p.remainingPressure, 0) << tank << " " << sac;
    EXPECT_GT(p.deltaPressure, p.tankPressure) << tank << " " << sac;
  }
  // An endless tank or consumption plans nothing, as a negative one.
  p = plan(24, 45);
  p.tankVolume = HUGE_VAL;
  EXPECT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::Ignored);
  p.tankVolume = 15;
  p.airConsumption = HUGE_VAL;
  EXPECT_EQ(runDecoCalculation(&shipped(), "", p, prof), DecoOutcome::Ignored);
}

TEST(DecoPlan, WithoutTablesTheResultTellsWhy) {
  DecoPlan p = plan(24, 45);
  PlannedProfile prof;
  EXPECT_EQ(runDecoCalculation(nullptr, "Tabelle DECO 92: il file /x non esiste.", p, prof),
            DecoOutcome::NotSufficient);
  EXPECT_EQ(p.resultText, "\n Tabelle nicht ausreichend\n Tabelle DECO 92: il file /x non esiste.");
  EXPECT_EQ(p.resultValid, 0);
}

TEST(DecoPlan, ProfileWindowPlanUsesTheDiveAndTheCursor) {
  DiveRecord dive = makeRecord();
  dive.maxDepth = 2320;
  dive.altitudeClass = 1;
  DecoPlan p;
  PlannedProfile prof;
  ASSERT_TRUE(planForDeco92(shipped(), deco92RequestFor(dive, 137), p, prof));  // 24 m, 45 min
  EXPECT_EQ(p.maxDepth, 24);
  EXPECT_EQ(p.bottomTime, 45);
  EXPECT_EQ(p.groupResult, "G");
  EXPECT_EQ(p.airUsed, 0);
  EXPECT_FALSE(prof.hasPressure);

  dive.maxDepth = 1750;
  // 900-1750 m reaches above the mountain lake table's 1500 m, as 3 and 4 do.
  for (int cls : {2, 3, 4}) {
    dive.altitudeClass = static_cast<uint8_t>(cls);
    EXPECT_FALSE(planForDeco92(shipped(), deco92RequestFor(dive, 60), p, prof));
    EXPECT_EQ(p.resultText, "\n Tabelle nicht ausreichend\n tabelle solo fino a 1500 m di altitudine");
    EXPECT_TRUE(prof.depths.empty());
  }
  dive.altitudeClass = 1;
  EXPECT_FALSE(planForDeco92(shipped(), deco92RequestFor(dive, 2), p, prof));  // 0 minutes
  EXPECT_EQ(p.resultText, "");
}

TEST(DecoPlan, OpeningTakesOverANewAverageConsumption) {
  Logbook lb;
  lb.averageSac = 0;
  DecoPlan& first = openDecoPlanState(lb, 1000);
  EXPECT_DOUBLE_EQ(first.airConsumption, 20.0);
  EXPECT_EQ(first.startTime, 1000);
  first.maxDepth = 30;
  first.resultText = "shown";
  first.resultValid = 1;
  DecoPlan& again = openDecoPlanState(lb, 2000);
  EXPECT_EQ(&again, &first);
  EXPECT_EQ(again.maxDepth, 30);
  EXPECT_EQ(again.resultText, "shown");
  lb.averageSac = 14.5f;
  lb.averageSacUpdated = 1;
  openDecoPlanState(lb, 3000);
  EXPECT_DOUBLE_EQ(again.airConsumption, 14.5);
  EXPECT_EQ(again.resultText, "");
  EXPECT_EQ(again.resultValid, 0);
  EXPECT_EQ(lb.averageSacUpdated, 0);
  EXPECT_EQ(again.startTime, 1000);
}

TEST(DecoPlan, DecoButtonPutsThePlannedProfileIntoTheClipBufferOrSaysWhyNot) {
  setDiveTablesPath(kTablesFile);
  ProfileClip clip;
  std::string message = "old";
  Deco92Request q;
  q.maxDepth = 24;
  q.bottomTime = 45;
  ASSERT_TRUE(planDeco92IntoClip(q, clip, message));
  EXPECT_EQ(message, "");
  ASSERT_EQ(clip.count, 190);  // sample count + 1
  EXPECT_DOUBLE_EQ(clip.depths[3], -24);
  EXPECT_DOUBLE_EQ(clip.depths[189], 0);
  EXPECT_EQ(clip.flags[132] & 1, 1);
  EXPECT_FALSE(clip.shown);
  EXPECT_EQ(plannedProfile().sampleCount, 189);

  // Nothing planned: the clip buffer stays, the button has something to tell.
  q.maxDepth = 12;
  q.bottomTime = 91;
  EXPECT_FALSE(planDeco92IntoClip(q, clip, message));
  EXPECT_EQ(clip.count, 190);
  EXPECT_EQ(message.rfind("Tabelle nicht ausreichend", 0), 0u) << message;
  q.maxDepth = 24;
  q.bottomTime = 45;
  q.altitudeClass = 2;  // above 1500 m
  EXPECT_FALSE(planDeco92IntoClip(q, clip, message));
  EXPECT_EQ(message.rfind("Tabelle nicht ausreichend", 0), 0u) << message;
  q.altitudeClass = 0;
  q.bottomTime = 0;
  EXPECT_FALSE(planDeco92IntoClip(q, clip, message));
  EXPECT_EQ(message, "");
  q.bottomTime = 45;
  setDiveTablesPath("/nonexistent/tables.txt");
  EXPECT_FALSE(planDeco92IntoClip(q, clip, message));
  EXPECT_NE(message.find("/nonexistent/tables.txt"), std::string::npos) << message;
  EXPECT_EQ(clip.count, 190);
  setDiveTablesPath("");
}
