// Splitting and merging at byte level: raw profiles, lengths, times, air, numbers, and
// the refusals that leave the logbook as it was.
#include <gtest/gtest.h>

#include <cmath>

#include "profile/profile_values.h"
#include "profile/split_merge.h"
#include "profile_test_util.h"

using namespace kelp;
using namespace testutil;

namespace {

// Ten minutes at 10 m, five at the surface, ten at 12 m: one group per minute.
DiveRecord twoDivesInOne(uint8_t model = kAirModel, uint8_t groupByte = 0x20) {
  DiveRecord r = diveWithReadings(model, minutesAt(10, 10) + minutesAt(5, 0) + minutesAt(10, 12), groupByte, 4);
  r.diveTime = 25;
  return r;
}

bool allZero(const DiveRecord& r, int from) {
  for (int p = from; p < RAW_PROFILE_SIZE; ++p)
    if (r.rawProfile[p] != 0) return false;
  return true;
}

}  // namespace

TEST(Split, CutsAtTheMinuteAndTheSecondDiveStartsAtItsFirstReadings) {
  const DiveRecord a = twoDivesInOne();
  DiveRecord f, s;
  ASSERT_TRUE(splitRecords(a, 11, computerModels(), f, s));
  // First dive: groups of minutes 0..10, nothing behind them.
  EXPECT_EQ(f.profileLength, 22 + 7 * 11);
  EXPECT_EQ(rawBytes(f, 0, 5 + 77), rawBytes(a, 0, 5 + 77));
  EXPECT_TRUE(allZero(f, 5 + 77));
  // Second dive: the header, then the readings from minute 15 (the surface groups are left
  // out) up to the true end of the data, the last 12 m readings included.
  EXPECT_EQ(s.profileLength, 22 + 7 * 10);
  EXPECT_EQ(rawBytes(s, 0, 5), rawBytes(a, 0, 5));
  EXPECT_EQ(rawBytes(s, 5, 75), rawBytes(a, 5 + 105, 5 + 175));
  EXPECT_TRUE(allZero(s, 75));
  EXPECT_NEAR(s.samples[1].depth, -12.03125, 1e-6);
  EXPECT_NEAR(s.samples[30].depth, -12.03125, 1e-6);
  EXPECT_NEAR(f.samples[30].depth, -10.0, 1e-6);
  EXPECT_EQ(f.samples[34].depth, 0.0f);
  // Times and depths.
  EXPECT_EQ(f.diveTime, 11);
  EXPECT_EQ(s.diveTime, 14);
  EXPECT_EQ(s.timeOfDay, 600 + 11 + 5);
  EXPECT_EQ(s.surfaceInterval, 5);
  EXPECT_EQ(s.date, a.date);
  EXPECT_EQ(f.maxDepth, 1000);
  EXPECT_EQ(s.maxDepth, 1203);
  EXPECT_EQ(f.timeOfDay, a.timeOfDay);
}

TEST(Split, RefusedInMidWaterAtMinuteZeroBeyondTheProfileAndWithoutASecondDive) {
  const DiveRecord a = twoDivesInOne();
  DiveRecord f = makeRecord(), s = makeRecord();
  EXPECT_FALSE(canSplitAt(a, 5, computerModels()));  // 10 m down at minute 5
  EXPECT_FALSE(splitRecords(a, 5, computerModels(), f, s));
  EXPECT_FALSE(canSplitAt(a, 0, computerModels()));
  EXPECT_FALSE(canSplitAt(a, 40, computerModels()));
  EXPECT_EQ(f.profileLength, 0);  // untouched
  for (int m = 11; m <= 14; ++m) EXPECT_TRUE(canSplitAt(a, m, computerModels())) << m;

  // Surface readings to the end: no group of readings would be left for the second dive.
  const DiveRecord tail = diveWithReadings(kAirModel, minutesAt(10, 10) + minutesAt(4, 0));
  EXPECT_FALSE(canSplitAt(tail, 11, computerModels()));
  // The cut at the end of the data would leave the first dive as long as before.
  const DiveRecord ends = diveWithReadings(kAirModel, minutesAt(10, 10) + minutesAt(1, 0));
  EXPECT_FALSE(canSplitAt(ends, 11, computerModels()));
  EXPECT_FALSE(canSplitAt(makeRecord(), 1, computerModels()));
}

TEST(Split, FieldIsGreenAtTheSurfaceOnlyWhileTenMinutesRemain) {
  // Ten minutes at 10 m, five at the surface, five at 12 m.
  const DiveRecord a = diveWithReadings(kAirModel, minutesAt(10, 10) + minutesAt(5, 0) + minutesAt(5, 12));
  const int last = a.sampleCount / 3 - 10;
  ASSERT_GE(last, 11);
  ASSERT_LT(last, 14);
  for (int m = 11; m <= 14; ++m) {
    EXPECT_TRUE(canSplitAt(a, m, computerModels())) << m;
    EXPECT_EQ(splitFieldGreen(a, m, computerModels()), m <= last) << m;
  }
  EXPECT_FALSE(splitFieldGreen(a, 5, computerModels()));  // 10 m down, though ten minutes remain
  EXPECT_FALSE(splitFieldGreen(a, 0, computerModels()));
  EXPECT_TRUE(splitFieldGreen(twoDivesInOne(), 14, computerModels()));
}

TEST(Split, StartTimeCarriesIntoTheNextDayAndEmptyValuesStayEmpty) {
  DiveRecord a = twoDivesInOne();
  a.timeOfDay = 23 * 60 + 50;
  DiveRecord f, s;
  ASSERT_TRUE(splitRecords(a, 11, computerModels(), f, s));
  EXPECT_EQ(s.timeOfDay, 6);
  EXPECT_EQ(s.date, a.date + 1);

  a.timeOfDay = NO_VALUE;
  a.diveTime = 8;  // shorter than the profile says
  ASSERT_TRUE(splitRecords(a, 11, computerModels(), f, s));
  EXPECT_EQ(s.timeOfDay, NO_VALUE);
  EXPECT_EQ(s.date, a.date);
  EXPECT_EQ(s.diveTime, 0);  // never negative

  a.diveTime = NO_VALUE;
  ASSERT_TRUE(splitRecords(a, 11, computerModels(), f, s));
  EXPECT_EQ(s.diveTime, NO_VALUE);
  EXPECT_EQ(f.diveTime, 11);
  EXPECT_EQ(f.airConsumed, NO_VALUE);  // no consumption to share
  EXPECT_EQ(s.airConsumed, NO_VALUE);
}

TEST(Split, AirIsSharedByTheConsumptionUpToTheCutAndNeverMoreThanTheDiveUsed) {
  DiveRecord a = twoDivesInOne();
  a.tankSize = 1000;
  a.airConsumed = 10000;
  expandWithModel(a);
  ASSERT_GT(a.sac, 0);
  // 33 samples at workload 6 (rate = sac), ten minutes of them at 10 m (factor 2).
  double gas = 0;
  for (int i = 0; i <= 33; ++i) gas += a.sac * (1 + std::fabs(a.samples[i].depth) * 0.1) / 3;
  const int used = 200 - static_cast<int>((2000 - gas) * 200 / 2000);
  EXPECT_EQ(splitPressureUsed(a, 33), used);
  DiveRecord f, s;
  ASSERT_TRUE(splitRecords(a, 11, computerModels(), f, s));
  EXPECT_EQ(f.airConsumed, used * 100);
  EXPECT_EQ(s.airConsumed, 10000 - used * 100);

  a.airConsumed = 500;  // less than the rule finds for the first part
  ASSERT_TRUE(splitRecords(a, 11, computerModels(), f, s));
  EXPECT_EQ(f.airConsumed, 500);
  EXPECT_EQ(s.airConsumed, 0);
}

TEST(Split, NitroxAndOxygenModelsCutInTheirOwnLayout) {
  DiveRecord f, s;
  const DiveRecord nx = twoDivesInOne(kNitroxModel);
  ASSERT_TRUE(splitRecords(nx, 11, computerModels(), f, s));
  EXPECT_EQ(f.profileLength, 19 + 5 + 77);
  EXPECT_EQ(s.profileLength, 19 + 5 + 70);
  EXPECT_EQ(rawBytes(s, 5, 75), rawBytes(nx, 110, 180));
  EXPECT_NEAR(s.samples[30].depth, -12.03125, 1e-6);
  EXPECT_EQ(s.gasSetting, nx.gasSetting);

  const DiveRecord o2 = twoDivesInOne(kO2Model);
  ASSERT_TRUE(splitRecords(o2, 11, computerModels(), f, s));
  EXPECT_EQ(f.profileLength, 19 + 6 + 8 * 11);
  EXPECT_EQ(s.profileLength, 19 + 6 + 8 * 10);
  EXPECT_EQ(rawBytes(s, 0, 6), rawBytes(o2, 0, 6));
  EXPECT_EQ(rawBytes(s, 6, 86), rawBytes(o2, 6 + 120, 6 + 200));
  EXPECT_TRUE(allZero(f, 6 + 88));
  EXPECT_NEAR(s.samples[1].depth, -12.03125, 1e-6);
  EXPECT_NEAR(s.samples[30].depth, -12.03125, 1e-6);
  EXPECT_NEAR(f.samples[30].depth, -10.0, 1e-6);
  EXPECT_EQ(f.sampleCount, expandedSampleCount(f.profileLength, profileLayout(kO2Model)));
}

TEST(Split, InTheLogbookTheSecondDiveFollowsAndRefusalsChangeNothing) {
  Logbook lb;
  lb.newLogbook();
  DiveRecord a = twoDivesInOne();
  DiveRecord later = diveWithReadings(kAirModel, minutesAt(5, 8));
  later.timeOfDay = 900;
  lb.insert(a);
  lb.insert(later);
  const std::string before = snapshot(lb);
  Result r = splitDive(lb, 1, 5);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "Non posso separare le imm #1");
  EXPECT_TRUE(snapshot(lb) == before);

  ASSERT_TRUE(splitDive(lb, 1, 12).ok);
  ASSERT_EQ(lb.diveCount(), 3);
  EXPECT_EQ(lb.get(1).diveTime, 12);
  EXPECT_EQ(lb.get(2).timeOfDay, 600 + 17);
  EXPECT_EQ(lb.get(2).diveNumber, 2);
  EXPECT_EQ(lb.get(3).diveNumber, 3);
  EXPECT_EQ(lb.get(3).timeOfDay, 900);
  EXPECT_EQ(splitDoneMessage(1), "Le imm #1\nsono divise");
}

TEST(Merge, JoinsTheReadingsWithOneGapGroupAndCombinesTheFields) {
  DiveRecord a = diveWithReadings(kAirModel, minutesAt(5, 10), 0, 1);
  DiveRecord b = diveWithReadings(kAirModel, minutesAt(4, 12), 0, 2);
  // A's data end in the middle of a group: two bytes of a reading (19 units).
  a.rawProfile[5 + 35] = 4;
  a.rawProfile[5 + 36] = 0xC0;
  a.rawProfile[5 + 37] = 0x77;  // a leftover behind the stated end
  a.profileLength = static_cast<int16_t>(a.profileLength + 2);
  a.minWaterTemperature = 1800;
  b.minWaterTemperature = 1600;
  a.airConsumed = 5000;
  b.airConsumed = 3000;
  b.maxDepth = 1200;
  a.warningFlags = 1;
  b.warningFlags = 8;
  b.surfaceInterval = 120;
  DiveRecord m;
  ASSERT_TRUE(mergeRecords(a, b, computerModels(), m));
  // 37 bytes of A round up to 42; the gap group; B's 28 bytes behind it.
  EXPECT_EQ(m.profileLength, 22 + 42 + 7 + 28);
  EXPECT_EQ(rawBytes(m, 0, 42), rawBytes(a, 0, 42));
  EXPECT_EQ(rawBytes(m, 42, 47), std::string(5, '\0'));  // the leftover is gone
  EXPECT_EQ(rawBytes(m, 47, 54), std::string("\x00\x00\x00\x00\x02\x00\x00", 7));
  EXPECT_EQ(rawBytes(m, 54, 82), rawBytes(b, 5, 33));
  EXPECT_TRUE(allZero(m, 82));
  EXPECT_NEAR(m.samples[16].depth, -2.96875, 1e-6);
  EXPECT_NEAR(m.samples[21].depth, -1.25, 1e-6);  // the gap's 1.3 m reading
  EXPECT_NEAR(m.samples[22].depth, -12.03125, 1e-6);
  EXPECT_NEAR(m.samples[33].depth, -12.03125, 1e-6);
  EXPECT_EQ(m.diveTime, 9);
  EXPECT_EQ(m.maxDepth, 1200);
  EXPECT_EQ(m.minWaterTemperature, 1600);
  EXPECT_EQ(m.airConsumed, 8000);
  EXPECT_EQ(m.warningFlags, 9);
  EXPECT_EQ(m.diveNumber, 1);

  a.minWaterTemperature = NO_VALUE;
  b.airConsumed = NO_VALUE;
  ASSERT_TRUE(mergeRecords(a, b, computerModels(), m));
  EXPECT_EQ(m.minWaterTemperature, 1600);
  EXPECT_EQ(m.airConsumed, 5000);
}

TEST(Merge, OxygenDivesJoinInEightByteGroups) {
  const DiveRecord a = diveWithReadings(kO2Model, minutesAt(5, 10));
  const DiveRecord b = diveWithReadings(kO2Model, minutesAt(4, 12));
  DiveRecord m;
  ASSERT_TRUE(mergeRecords(a, b, computerModels(), m));
  EXPECT_EQ(m.profileLength, 19 + 6 + 40 + 8 + 32);
  EXPECT_EQ(rawBytes(m, 46, 54), std::string("\x00\x00\x00\x00\x02\x00\x00\x00", 8));
  EXPECT_EQ(rawBytes(m, 54, 86), rawBytes(b, 6, 38));
  EXPECT_NEAR(m.samples[15].depth, -10.0, 1e-6);
  EXPECT_NEAR(m.samples[18].depth, -1.25, 1e-6);
  EXPECT_NEAR(m.samples[19].depth, -12.03125, 1e-6);
  EXPECT_NEAR(m.samples[30].depth, -12.03125, 1e-6);
}

TEST(Merge, RefusedWithoutBothProfilesLateOtherModelOrTooManyReadings) {
  const DiveRecord a = diveWithReadings(kAirModel, minutesAt(5, 10));
  const DiveRecord b = diveWithReadings(kAirModel, minutesAt(4, 12));
  DiveRecord m = makeRecord();
  DiveRecord x = a;
  x.profileLength = 0;
  EXPECT_FALSE(mergeRecords(x, b, computerModels(), m));  // the first dive has no profile
  EXPECT_FALSE(mergeRecords(a, x, computerModels(), m));
  x = b;
  x.surfaceInterval = 121;
  EXPECT_FALSE(mergeRecords(a, x, computerModels(), m));
  x.surfaceInterval = NO_VALUE;
  EXPECT_FALSE(mergeRecords(a, x, computerModels(), m));
  x = b;
  x.maxDepth = NO_VALUE;
  EXPECT_FALSE(mergeRecords(a, x, computerModels(), m));
  x = b;
  x.computerType = kOtherAirModel;
  EXPECT_FALSE(mergeRecords(a, x, computerModels(), m));
  EXPECT_EQ(m.profileLength, 0);  // untouched

  // 112 + 112 groups: the lengths add up to 1612.
  const DiveRecord long1 = diveWithReadings(kAirModel, minutesAt(112, 10));
  EXPECT_FALSE(mergeRecords(long1, long1, computerModels(), m));
  // 107 + 107 groups stay below 1601 bytes but would need 645 samples.
  const DiveRecord long2 = diveWithReadings(kAirModel, minutesAt(107, 10));
  ASSERT_LT(long2.profileLength * 2, 1601);
  EXPECT_FALSE(mergeRecords(long2, long2, computerModels(), m));
  // 104 + 104 groups fit, with the last reading of the second dive.
  const DiveRecord fits = diveWithReadings(kAirModel, minutesAt(103, 10) + minutesAt(1, 14));
  ASSERT_TRUE(mergeRecords(fits, fits, computerModels(), m));
  EXPECT_LE(m.sampleCount, 635);
  EXPECT_NEAR(m.samples[3 * (104 + 1 + 104)].depth, -14.0625, 1e-6);
}

TEST(Merge, InTheLogbookTheSecondDiveGoesAndRefusalsChangeNothing) {
  Logbook lb;
  lb.newLogbook();
  DiveRecord a = diveWithReadings(kAirModel, minutesAt(5, 10));
  DiveRecord b = diveWithReadings(kAirModel, minutesAt(4, 12));
  DiveRecord c = diveWithReadings(kAirModel, minutesAt(3, 6));
  b.timeOfDay = 700;
  c.timeOfDay = 800;
  c.computerType = kOtherAirModel;
  lb.insert(a);
  lb.insert(b);
  lb.insert(c);
  const std::string before = snapshot(lb);
  Result r = mergeDives(lb, 2);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "Non posso unire imm #2 and #3");
  EXPECT_FALSE(checkMerge(lb, 3).ok);  // the last dive
  EXPECT_TRUE(snapshot(lb) == before);

  ASSERT_TRUE(checkMerge(lb, 1).ok);
  ASSERT_TRUE(mergeDives(lb, 1).ok);
  ASSERT_EQ(lb.diveCount(), 2);
  EXPECT_EQ(lb.get(1).diveTime, 9);
  EXPECT_EQ(lb.get(2).timeOfDay, 800);
  EXPECT_EQ(lb.get(2).diveNumber, 2);
  EXPECT_EQ(lb.currentPosition, 1);
  EXPECT_EQ(mergeDoneMessage(1, 2), "Dive #1 and #2\n are merged");
  EXPECT_EQ(mergeDeleteQuestion(2), "L'imm. #2 è cancellata");
}
