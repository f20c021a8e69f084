// The numbers of the profile window: gauge angles, remaining pressure, cursor index.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "profile/profile_values.h"
#include "profile_test_util.h"

using namespace kelp;
using namespace testutil;

TEST(Gauges, ZeroPointsDownAndTheNeedleTurnsClockwiseThroughLeftTopRight) {
  EXPECT_DOUBLE_EQ(gaugeAngle(0, 80), 180);
  EXPECT_DOUBLE_EQ(gaugeAngle(20, 80), 90);
  EXPECT_DOUBLE_EQ(gaugeAngle(40, 80), 0);
  EXPECT_DOUBLE_EQ(gaugeAngle(60, 80), 270);
  EXPECT_DOUBLE_EQ(gaugeAngle(150, 300), 0);
  double x, y;
  gaugeRimPoint(39, 39, 30, gaugeAngle(0, 80), x, y);
  EXPECT_NEAR(x, 39, 1e-9);
  EXPECT_NEAR(y, 69, 1e-9);  // down
  gaugeRimPoint(39, 39, 30, gaugeAngle(20, 80), x, y);
  EXPECT_NEAR(x, 9, 1e-9);  // left
  gaugeRimPoint(39, 39, 30, gaugeAngle(60, 80), x, y);
  EXPECT_NEAR(x, 69, 1e-9);  // right
}

TEST(Gauges, ValuesBeyondTheScaleStayAtItsEnd) {
  // 320 bar on the 300 bar scale: at the end, not wrapped round to 20 bar.
  EXPECT_DOUBLE_EQ(gaugeAngle(320, 300), gaugeAngle(300, 300));
  EXPECT_NE(gaugeAngle(320, 300), gaugeAngle(20, 300));
  EXPECT_DOUBLE_EQ(gaugeAngle(-4, 60), gaugeAngle(0, 60));
  EXPECT_DOUBLE_EQ(gaugeAngle(std::numeric_limits<double>::quiet_NaN(), 60), 180);
  const double a = gaugeAngle(300, 300);
  EXPECT_GE(a, 0);
  EXPECT_LT(a, 360);  // 360 counts as 0
  EXPECT_EQ(gaugeScales(false).depth, 240);
  EXPECT_EQ(gaugeScales(false).consumption, 2);
  EXPECT_EQ(gaugeScales(false).pressure, 4200);
  EXPECT_EQ(gaugeScales(true).pressure, 300);
}

TEST(RemainingPressure, FollowsWorkloadDepthAndTheStartPressure) {
  // 30 readings at 10 m, workload 6, 20 l/min, 10 l tank.
  DiveRecord r = diveWithReadings(kAirModel, minutesAt(10, 10), 0x20);
  r.tankSize = 1000;
  r.sac = 20;
  for (int i = 0; i <= 30; ++i) r.samples[i].depth = -10;  // sample 0 too, to keep the sum simple
  // Each sample takes 20 x 2 / 3 litres x bar: 31 samples leave 2000 - 413.3 of 2000.
  EXPECT_NEAR(*remainingPressure(r, 30), (2000 - 31 * 40 / 3.0) * 200 / 2000, 1e-9);
  r.startPressure = 25050;  // 250.5 bar: whole bar
  EXPECT_NEAR(*remainingPressure(r, 30), (2500 - 31 * 40 / 3.0) * 250 / 2500, 1e-9);
  // SCR dives breathe without the ambient factor.
  setScr(r, true);
  EXPECT_NEAR(*remainingPressure(r, 30), (2500 - 31 * 20 / 3.0) * 250 / 2500, 1e-9);
  // Dives entered by hand count every sample at workload 5.
  setScr(r, false);
  r.startPressure = NO_VALUE;
  r.computerType = 0;
  EXPECT_NEAR(consumptionRate(5, 20), (5 / 3.0 * 0.1 + 0.8) * 20, 1e-12);
  EXPECT_NEAR(*remainingPressure(r, 2), (2000 - 3 * consumptionRate(5, 20) * 2 / 3) * 200 / 2000, 1e-9);
  // An empty tank stays empty.
  r.sac = 1000;
  EXPECT_EQ(*remainingPressure(r, 30), 0.0);
}

TEST(RemainingPressure, NoValueWithoutTankOrWithoutStartPressure) {
  DiveRecord r = diveWithReadings(kAirModel, minutesAt(3, 10), 0x20);
  r.sac = 20;
  EXPECT_FALSE(remainingPressure(r, 5).has_value());  // tank size empty
  r.tankSize = 0;
  EXPECT_FALSE(remainingPressure(r, 5).has_value());  // would be 0/0
  r.tankSize = 1200;
  r.startPressure = 80;  // 0.8 bar truncates to 0 bar
  EXPECT_FALSE(remainingPressure(r, 5).has_value());
  r.startPressure = 0;  // 0 means the default 200 bar
  ASSERT_TRUE(remainingPressure(r, 5).has_value());
  EXPECT_TRUE(std::isfinite(*remainingPressure(r, 5)));
}

TEST(Cursor, LongDivesDivideInFloatingPointAndTheIndexStaysInTheDive) {
  // 636 points over 500 pixels: an integer divisor would be 0.
  EXPECT_EQ(cursorIndexAt(250, 500, 636), 317);
  EXPECT_EQ(cursorIndexAt(500, 500, 636), 634);
  EXPECT_EQ(cursorIndexAt(900, 500, 636), 635);
  EXPECT_EQ(cursorIndexAt(-3, 500, 636), 0);
  EXPECT_EQ(cursorIndexAt(100, 500, 0), 0);
  // 94 points over 751 pixels: 8 pixels a point.
  EXPECT_EQ(cursorIndexAt(15.9, 751, 94), 1);
  EXPECT_EQ(cursorIndexAt(16, 751, 94), 2);
  DiveRecord r = diveWithReadings(kAirModel, {2.5, 9.375, 5, 4});
  EXPECT_DOUBLE_EQ(maxDepthSoFar(r, 1), 2.5);
  EXPECT_DOUBLE_EQ(maxDepthSoFar(r, 4), 9.375);
}
