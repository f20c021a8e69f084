// The Bühlmann ZH-L16C planner. The plans and no-stop limits below were computed once by a
// separate script written from the model's description alone (not from this code): the same
// coefficients, Schreiner on the descent and every ascent, Haldane at the bottom and at each
// whole stop minute, GF low for the first stop, GF running linearly to GF high at the surface.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis/buhlmann.h"

using namespace kelp;

namespace {

BuhlmannRequest dive(double depth, int time, int o2 = 21, int gfLow = 30, int gfHigh = 75) {
  BuhlmannRequest r;
  r.depth = depth;
  r.bottomTime = time;
  r.o2 = o2;
  r.gfLow = gfLow;
  r.gfHigh = gfHigh;
  return r;
}

BuhlmannPlan planned(const BuhlmannRequest& r) {
  BuhlmannPlan p;
  const Result ok = planBuhlmann(r, p);
  EXPECT_TRUE(ok.ok) << ok.error;
  return p;
}

std::vector<std::pair<int, int>> stops(const BuhlmannPlan& p) {
  std::vector<std::pair<int, int>> out;
  for (const BuhlmannStop& s : p.stops) out.emplace_back(s.depth, s.minutes);
  return out;
}

using Stops = std::vector<std::pair<int, int>>;

}  // namespace

TEST(Buhlmann, TissueEquationsGiveTheHandComputedPressures) {
  // Surface saturation on air: (1.01325 - 0.0627) x 0.79 = 0.7509345 bar; at 30 m on air the
  // compartments are driven towards (4.01325 - 0.0627) x 0.79 = 3.1209345 bar.
  const Tissues surface = Tissues::saturated(kSeaLevelPressure);
  EXPECT_NEAR(surface.n2[0], 0.7509345, 1e-12);
  EXPECT_NEAR(surface.n2[15], 0.7509345, 1e-12);
  // Haldane: after one half-time (5 min) the 5-minute compartment is half way, after two a
  // quarter of the gap is left: 3.1209345 - 2.37/2 = 1.9359345; 3.1209345 - 2.37/4 = 2.5284345.
  EXPECT_NEAR(haldane(0.7509345, 3.1209345, 5.0, 5.0), 1.9359345, 1e-12);
  Tissues t = surface;
  t.stay(30, 10, kAirNitrogen);
  EXPECT_NEAR(t.n2[0], 2.5284345, 1e-12);
  // Schreiner on the descent to 30 m at 20 m/min (1.5 min): the inspired nitrogen rises by
  // 2 bar/min x 0.79 = 1.58 bar/min from 0.7509345. For the 5-minute compartment
  // k = ln 2 / 5 = 0.1386294, 1/k = 7.2134752, R/k = 11.3972908, e^(-1.5k) = 2^(-0.3) = 0.8122524:
  // 0.7509345 + 1.58 x (1.5 - 7.2134752) + 11.3972908 x 0.8122524 = 0.9811205.
  t = surface;
  t.travel(0, 30, 1.5, kAirNitrogen);
  EXPECT_NEAR(t.n2[0], 0.9811205, 1e-6);
  // The 635-minute compartment hardly moves: 0.7528737.
  EXPECT_NEAR(t.n2[15], 0.7528737, 1e-6);
  // Without a change of depth Schreiner is Haldane, and a descent taken in two halves ends
  // where the whole one does (a wrong sign of the rate breaks both).
  EXPECT_NEAR(schreiner(1.2, 2.5, 0.0, 27.0, 7.0), haldane(1.2, 2.5, 27.0, 7.0), 1e-12);
  Tissues halves = surface;
  halves.travel(0, 15, 0.75, kAirNitrogen);
  halves.travel(15, 30, 0.75, kAirNitrogen);
  for (int i = 0; i < kCompartmentCount; ++i) EXPECT_NEAR(halves.n2[i], t.n2[i], 1e-12) << i;
}

TEST(Buhlmann, SurfacePressureAndCeilingFollowTheirFormulas) {
  EXPECT_DOUBLE_EQ(surfacePressure(0), 1.01325);
  // 1.01325 x (1 - 2.25577e-5 x 2000)^5.25588
  EXPECT_NEAR(surfacePressure(2000), 0.7949520, 1e-6);
  EXPECT_NEAR(surfacePressure(1000), 0.8987456, 1e-6);
  EXPECT_DOUBLE_EQ(nitrogenFraction(21), 0.79);
  EXPECT_DOUBLE_EQ(nitrogenFraction(32), 0.68);

  // Every compartment at 1.5 bar. With g = 1 the tolerated pressure is (1.5 - a) x b, largest
  // for the slowest compartment: (1.5 - 0.2327) x 0.9653 = 1.2233247, 2.1007 m below the
  // surface. With g = 0.5: (1.5 - 0.11635) / (0.5 / 0.9653 + 0.5) = 1.3592237, 3.4597 m.
  Tissues t = Tissues::saturated(kSeaLevelPressure);
  t.n2.fill(1.5);
  EXPECT_NEAR(t.ceiling(1.0), 2.1007469, 1e-6);
  EXPECT_NEAR(t.ceiling(0.5), 3.4596981, 1e-6);
  // Saturated at the surface, no gradient factor holds the diver.
  EXPECT_LT(Tissues::saturated(kSeaLevelPressure).ceiling(0.1), 0);
}

TEST(Buhlmann, NoStopLimitsOfAirAndNitrox) {
  // Air at sea level, 12, 18, 30, 45 and 63 m, for three GF high values.
  EXPECT_EQ(buhlmannNoStopCurve(30, 75).size(), 18u);
  const auto at = [](const std::vector<int>& curve, int depth) { return curve[static_cast<size_t>((depth - 12) / 3)]; };
  const std::vector<int> gf75 = buhlmannNoStopCurve(30, 75), gf85 = buhlmannNoStopCurve(30, 85),
                         gf100 = buhlmannNoStopCurve(100, 100);
  EXPECT_EQ((std::vector<int>{at(gf75, 12), at(gf75, 18), at(gf75, 30), at(gf75, 45), at(gf75, 63)}),
            (std::vector<int>{96, 34, 10, 6, 4}));
  EXPECT_EQ((std::vector<int>{at(gf85, 12), at(gf85, 18), at(gf85, 30), at(gf85, 45), at(gf85, 63)}),
            (std::vector<int>{126, 44, 13, 6, 5}));
  EXPECT_EQ((std::vector<int>{at(gf100, 12), at(gf100, 18), at(gf100, 30), at(gf100, 45), at(gf100, 63)}),
            (std::vector<int>{182, 60, 17, 8, 5}));
  // Every curve point is the limit a plan reports at that depth.
  EXPECT_EQ(planned(dive(30, 20)).noStopLimit, 10);
  // Nitrox 32 % at 30 m, nitrox 40 % at 21 m.
  EXPECT_EQ(planned(dive(30, 10, 32)).noStopLimit, 16);
  EXPECT_EQ(planned(dive(21, 10, 40)).noStopLimit, 71);
  // At 5 m the slow compartments never reach GF 100: beyond the longest bottom time.
  EXPECT_EQ(planned(dive(5, 30, 21, 100, 100)).noStopLimit, kNoStopBeyond);
}

TEST(Buhlmann, NoStopLimitDecidesADirectAscent) {
  // 30 m on air, GF 30/75: 10 minutes are a no-stop dive, 11 are not.
  BuhlmannPlan p = planned(dive(30, 10));
  EXPECT_TRUE(p.noStop);
  EXPECT_TRUE(p.stops.empty());
  EXPECT_EQ(p.runTime, 13);  // 10 + 30 m at 10 m/min
  p = planned(dive(30, 11));
  EXPECT_FALSE(p.noStop);
  EXPECT_FALSE(p.stops.empty());
  EXPECT_EQ(p.stops.back().depth, 3);
  // 12 m for 60 minutes: the ascent of 1.2 minutes rounds the run time up to 62.
  p = planned(dive(12, 60));
  EXPECT_TRUE(p.noStop);
  EXPECT_EQ(p.runTime, 62);
}

TEST(Buhlmann, CompletePlansForAirAndNitrox) {
  struct Case {
    BuhlmannRequest r;
    int runTime;
    Stops stops;
  };
  const Case cases[] = {
      {dive(30, 20), 30, {{12, 0}, {9, 1}, {6, 2}, {3, 4}}},
      {dive(30, 25), 42, {{12, 1}, {9, 1}, {6, 4}, {3, 8}}},
      {dive(18, 50), 59, {{9, 0}, {6, 0}, {3, 7}}},
      // Stops deeper than 15 m.
      {dive(40, 30), 90, {{21, 0}, {18, 1}, {15, 2}, {12, 4}, {9, 7}, {6, 13}, {3, 29}}},
      {dive(45, 20, 21, 30, 85), 50, {{21, 0}, {18, 0}, {15, 1}, {12, 2}, {9, 3}, {6, 6}, {3, 13}}},
      {dive(63, 10), 38, {{21, 1}, {18, 0}, {15, 1}, {12, 2}, {9, 2}, {6, 5}, {3, 10}}},
      {dive(60, 20, 21, 20, 70), 114,
       {{33, 0}, {30, 0}, {27, 1}, {24, 1}, {21, 2}, {18, 3}, {15, 4}, {12, 6}, {9, 10}, {6, 20}, {3, 41}}},
      // GF 100/100: the first stop is where the plain model puts it.
      {dive(30, 30, 21, 100, 100), 39, {{3, 6}}},
      // 12 m for 200 minutes: beyond the no-stop limit of 96 the slow compartments hold the diver.
      {dive(12, 200), 233, {{6, 0}, {3, 31}}},
      // Nitrox.
      {dive(30, 30, 32), 39, {{12, 0}, {9, 0}, {6, 1}, {3, 5}}},
      {dive(25, 60, 32, 40, 85), 76, {{9, 0}, {6, 2}, {3, 11}}},
  };
  for (const Case& c : cases) {
    const BuhlmannPlan p = planned(c.r);
    EXPECT_EQ(p.runTime, c.runTime) << c.r.depth << " m " << c.r.bottomTime << " min";
    EXPECT_EQ(stops(p), c.stops) << c.r.depth << " m " << c.r.bottomTime << " min";
    // The run time is the bottom time, the ascent at 10 m/min and the stops, rounded up.
    EXPECT_EQ(p.runTime, static_cast<int>(std::ceil(c.r.bottomTime + c.r.depth / 10 + p.stopMinutes() - 1e-9)));
  }
}

TEST(Buhlmann, RepetitiveAndAltitudeDivesOweMore) {
  // A second 30 m dive of 20 minutes, an hour after the first: the slow compartments still
  // hold nitrogen, the 3 m stop grows from 4 to 8 minutes.
  BuhlmannRequest r = dive(30, 20);
  r.repetitive = true;
  r.previousDepth = 30;
  r.previousTime = 20;
  r.previousO2 = 21;
  r.interval = 60;
  BuhlmannPlan p = planned(r);
  EXPECT_EQ(p.noStopLimit, 10);
  EXPECT_EQ(p.runTime, 34);
  EXPECT_EQ(stops(p), (Stops{{12, 0}, {9, 1}, {6, 2}, {3, 8}}));
  // A long interval gives the first dive's plan back.
  r.interval = 5000;
  EXPECT_EQ(stops(planned(r)), (Stops{{12, 0}, {9, 1}, {6, 2}, {3, 4}}));

  // The same dive at a 2000 m lake: surface 0.795 bar, tissues saturated there.
  BuhlmannRequest lake = dive(30, 20);
  lake.altitude = 2000;
  p = planned(lake);
  EXPECT_EQ(p.noStopLimit, 8);
  EXPECT_EQ(p.runTime, 34);
  EXPECT_EQ(stops(p), (Stops{{12, 0}, {9, 2}, {6, 3}, {3, 6}}));
}

TEST(Buhlmann, RefusesWhatItCannotPlan) {
  BuhlmannPlan p;
  // Nitrox 36 % at 30 m: ppO2 0.36 x 4.01325 = 1.44 bar; MOD (1.4 / 0.36 - 1.01325) x 10 = 28.76 m.
  Result r = planBuhlmann(dive(30, 20, 36), p);
  ASSERT_FALSE(r.ok);
  EXPECT_NE(r.error.find("1.44 bar"), std::string::npos) << r.error;
  EXPECT_NE(r.error.find("(MOD): 28 m"), std::string::npos) << r.error;
  EXPECT_TRUE(p.stops.empty());
  // 32 % at 33 m is 1.38 bar and planned; air is planned below its 1.4 bar depth too.
  EXPECT_TRUE(planBuhlmann(dive(33, 10, 32), p).ok);
  EXPECT_TRUE(planBuhlmann(dive(63, 5), p).ok);

  // 40 m takes 2 minutes to reach: 1 minute of bottom time is refused, 2 are planned.
  r = planBuhlmann(dive(40, 1), p);
  ASSERT_FALSE(r.ok);
  EXPECT_NE(r.error.find("(2.0 min a 20 m/min)"), std::string::npos) << r.error;
  EXPECT_TRUE(planBuhlmann(dive(40, 2), p).ok);

  // The previous dive is checked the same way and said to be the previous one.
  BuhlmannRequest rep = dive(20, 20);
  rep.repetitive = true;
  rep.previousDepth = 35;
  rep.previousTime = 20;
  rep.previousO2 = 36;
  rep.interval = 60;
  r = planBuhlmann(rep, p);
  ASSERT_FALSE(r.ok);
  EXPECT_EQ(r.error.rfind("Immersione precedente: Nitrox 36 %", 0), 0u) << r.error;

  // Inputs out of range.
  for (const BuhlmannRequest& bad : {dive(0, 20), dive(101, 20), dive(30, 0), dive(30, 1000), dive(30, 20, 20),
                                     dive(30, 20, 41), dive(30, 20, 21, 80, 70), dive(30, 20, 21, 5, 70),
                                     dive(30, 20, 21, 30, 101), dive(NAN, 20)})
    EXPECT_FALSE(planBuhlmann(bad, p).ok) << bad.depth << " " << bad.bottomTime << " " << bad.o2;
  BuhlmannRequest high = dive(30, 20);
  high.altitude = 5001;
  EXPECT_FALSE(planBuhlmann(high, p).ok);

  // At 5000 m (surface 0.54 bar) with GF 10/10 the 3 m stop never clears: saturated there the
  // slowest compartment tolerates (0.614 - 0.023) / (0.1 / 0.9653 + 0.9) = 0.589 bar, more than
  // the surface. The plan ends at the stop limit instead of running for ever.
  high = dive(30, 30, 21, 10, 10);
  high.altitude = 5000;
  r = planBuhlmann(high, p);
  ASSERT_FALSE(r.ok);
  EXPECT_NE(r.error.find("9999 min"), std::string::npos) << r.error;
  EXPECT_TRUE(p.stops.empty());
}

TEST(Buhlmann, ResultTextAndProfileShowThePlan) {
  BuhlmannRequest r = dive(40, 30, 21, 30, 75);
  const BuhlmannPlan p = planned(r);
  const std::string text = buhlmannResultText(r, p);
  EXPECT_EQ(text.rfind("\n Modello:\t\tBühlmann ZH-L16C\n Fattori di gradiente:\tGF 30/75\n Gas:\t\t\taria\n", 0), 0u)
      << text;
  EXPECT_NE(text.find(" Tempo imm:\t\t90 min\n in curva:\t\t6 min\n"), std::string::npos) << text;
  EXPECT_NE(text.find(" Deco stop\t21 m:\t0 min\n Deco stop\t18 m:\t1 min\n"), std::string::npos) << text;
  EXPECT_NE(text.find(" Deco stop\t 3 m:\t29 min\n"), std::string::npos) << text;

  PlannedProfile prof;
  buildBuhlmannProfile(r, p, prof);
  ASSERT_EQ(prof.sampleCount, 270);
  ASSERT_EQ(prof.depths.size(), 271u);
  EXPECT_EQ(prof.maxDepth, 40);
  EXPECT_DOUBLE_EQ(prof.depths[0], 0);
  EXPECT_DOUBLE_EQ(prof.depths[3], -20);   // one minute of descent at 20 m/min
  EXPECT_DOUBLE_EQ(prof.depths[60], -40);  // the bottom
  EXPECT_DOUBLE_EQ(prof.depths[270], 0);
  EXPECT_EQ(prof.noStopLeft[271], kProfileEndMarker);
  // The decompression line starts once the no-stop limit (6 min) is passed: minute 7.
  int firstFlag = -1;
  for (int i = 0; i <= prof.sampleCount; ++i)
    if (prof.flags[static_cast<size_t>(i)] & 1) {
      firstFlag = i;
      break;
    }
  EXPECT_EQ(firstFlag, 21);
  EXPECT_EQ(prof.stopDepth[21], 18);  // the first stop that holds the diver is the one drawn
  EXPECT_EQ(prof.noStopLeft[6], 4);
  // The last sample at 3 m still owes the stop; the surface does not.
  EXPECT_EQ(prof.flags[270] & 1, 0);
}
