// Hand-made profiles: the draft, the drawn depths, the raw bytes written with the
// hand-made marker, and the logbook operations with their refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "core/texts.h"
#include "profile/hand_profile.h"
#include "profile_test_util.h"

using namespace kelp;
using namespace testutil;

namespace {

DiveRecord diveWithoutProfile(int depthCm, int minutes, uint8_t model = 0) {
  DiveRecord r = makeRecord();
  r.maxDepth = static_cast<int16_t>(depthCm);
  r.diveTime = static_cast<int16_t>(minutes);
  r.computerType = model;
  r.diveNumber = 7;
  r.date = 150000;
  r.timeOfDay = 600;
  return r;
}

bool sameSamples(const DiveRecord& a, const DiveRecord& b) {
  return a.sampleCount == b.sampleCount && std::memcmp(a.samples, b.samples, sizeof a.samples) == 0;
}

}  // namespace

TEST(HandProfile, DraftOfTenMetresAndThirtyMinutes) {
  DiveRecord w = diveWithoutProfile(1000, 30);
  w.avgDepth = 4.0f;
  openHandMade(w);
  ASSERT_EQ(w.sampleCount, 93);
  EXPECT_FLOAT_EQ(w.samples[0].depth, -1.3f);
  EXPECT_EQ(w.samples[0].level3, 3);
  EXPECT_NEAR(w.samples[1].depth, -4.63, 1e-5);
  EXPECT_NEAR(w.samples[2].depth, -7.96, 1e-5);
  EXPECT_FLOAT_EQ(w.samples[3].depth, -10.0f);  // clamped
  EXPECT_FLOAT_EQ(w.samples[88].depth, -10.0f);  // bottom
  // Three descent steps bring the ascent three samples forward: it ends at the last sample.
  EXPECT_NEAR(w.samples[89].depth, -6.67, 1e-5);
  EXPECT_NEAR(w.samples[90].depth, -3.34, 1e-5);
  EXPECT_NEAR(w.samples[91].depth, -0.01, 1e-5);
  EXPECT_EQ(w.samples[92].depth, 0.0f);
  EXPECT_EQ(w.samples[93].depth, 0.0f);
  for (int i = 1; i <= 635; ++i) ASSERT_EQ(w.samples[i].level3, 6) << i;
  EXPECT_FLOAT_EQ(w.profileMaxDepth, 10.0f);
  EXPECT_EQ(w.avgDepth, 0.0f);
  double sum = 0;
  for (int i = 0; i < 93; ++i) sum -= w.samples[i].depth;
  EXPECT_NEAR(w.profileAvgDepth, sum / 94, 1e-5);
}

TEST(HandProfile, ShortDeepDraftTurnsBeforeTheBottomAndDeepDraftsStopAtTheLargestReading) {
  const auto d = draftDepths(40, 5);
  ASSERT_EQ(d.size(), 18u);
  float deepest = 0;
  for (float v : d) deepest = std::max(deepest, v);
  EXPECT_LT(deepest, 40.0f);
  EXPECT_NEAR(deepest, 1.3 + 8 * 3.33, 1e-4);  // eight steps down, eight up
  EXPECT_EQ(d[17], 0.0f);
  EXPECT_GT(d[16], 0.0f);

  DiveRecord w = diveWithoutProfile(20000, 60);  // 200 m
  openHandMade(w);
  EXPECT_NEAR(w.profileMaxDepth, kMaxReadingDepth, 1e-4);
  writeHandMadeProfile(w);
  // 160 m and more are stored as the largest reading, not as 0 m.
  EXPECT_NEAR(w.profileMaxDepth, kMaxReadingDepth, 1e-4);
}

TEST(HandProfile, DepthCodesTruncateAndCapAndEveryReadingComesBackUnchanged) {
  EXPECT_EQ(handDepthCode(0), 0);
  EXPECT_EQ(handDepthCode(-3), 0);
  EXPECT_EQ(handDepthCode(4.63), 29);  // 29.632 truncated
  EXPECT_EQ(handDepthCode(159.84375), 1023);
  EXPECT_EQ(handDepthCode(160), 1023);
  EXPECT_EQ(handDepthCode(250), 1023);
  for (int v = 0; v <= 1023; ++v) {
    const float stored = static_cast<float>(-(v * 0.15625));  // as the expansion stores it
    ASSERT_EQ(handDepthCode(-stored), v) << v;
  }
}

TEST(HandProfile, SavedBytesCarryTheMarkerTheHeaderAndOneGroupPerMinute) {
  DiveRecord w = diveWithoutProfile(1000, 30);
  openHandMade(w);
  writeHandMadeProfile(w);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(w.profileHeader[i], 2927 + i);
  EXPECT_TRUE(isHandMadeProfile(w));
  EXPECT_EQ(w.profileHeaderByte, 0);
  EXPECT_EQ(w.altitudeClass, 1);
  EXPECT_EQ(w.profileLength, (30 + 2) * 7 + 17);
  EXPECT_EQ(rawBytes(w, 0, 5), std::string("\x00\x00\x00\x40\x90", 5));
  // Reading 0 is sample 1 (4.63 m, code 29), reading 1 sample 2 (7.96 m, code 50), reading
  // 2 sample 3 (10 m, code 64); every reading and group byte carries 0x20.
  EXPECT_EQ(rawBytes(w, 5, 12), std::string("\x07\x60\x0C\xA0\x10\x20\x20", 7));
  // Nothing stands behind the stated end, as after reading the file back.
  const int rawEnd = w.profileLength - 17;
  for (int p = rawEnd; p < RAW_PROFILE_SIZE; ++p) ASSERT_EQ(w.rawProfile[p], 0) << p;
  EXPECT_NEAR(w.samples[1].depth, -29 * 0.15625, 1e-6);
  EXPECT_FLOAT_EQ(w.samples[3].depth, -10.0f);
}

TEST(HandProfile, ReopeningAndSavingUnchangedKeepsEverySampleInPlace) {
  DiveRecord w = diveWithoutProfile(1850, 45);
  openHandMade(w);
  setDrawnDepth(w, 40, 15.5);
  writeHandMadeProfile(w);
  const DiveRecord once = w;
  EXPECT_NEAR(once.samples[40].depth, -99 * 0.15625, 1e-6);  // drawn depth stays at its sample

  DiveRecord again = once;
  openHandMade(again);  // a hand-made profile keeps its samples
  EXPECT_TRUE(sameSamples(again, once));
  writeHandMadeProfile(again);
  EXPECT_TRUE(sameSamples(again, once));
  EXPECT_EQ(std::memcmp(again.rawProfile, once.rawProfile, RAW_PROFILE_SIZE), 0);
  EXPECT_EQ(again.profileLength, once.profileLength);
}

TEST(HandProfile, OxygenModelsGetTheirOwnLayoutAndReadBackTheSameDepths) {
  DiveRecord air = diveWithoutProfile(1500, 20, kAirModel);
  DiveRecord o2 = diveWithoutProfile(1500, 20, kO2Model);
  openHandMade(air);
  openHandMade(o2);
  writeHandMadeProfile(air);
  writeHandMadeProfile(o2);
  const ProfileLayout l = profileLayout(kO2Model);
  EXPECT_EQ(o2.profileLength, l.blockBytes() + 6 + 8 * 21 + 2);
  EXPECT_EQ(rawBytes(o2, 0, 6), std::string("\x00\x00\x00\x40\x90\x00", 6));
  EXPECT_EQ(o2.rawProfile[6 + 6], 0x20);      // group byte
  EXPECT_EQ(o2.rawProfile[6 + 7], 0x00);      // second group byte
  for (int i = 0; i < 63; ++i) ASSERT_EQ(o2.samples[i].depth, air.samples[i].depth) << i;
}

TEST(HandProfile, TheRecordHoldsDiveTimesUpTo209Minutes) {
  EXPECT_EQ(maxHandMadeMinutes(profileLayout(kAirModel)), 209);
  const int o2Max = maxHandMadeMinutes(profileLayout(kO2Model));
  EXPECT_GT(o2Max, 150);
  EXPECT_TRUE(canCreateProfile(diveWithoutProfile(1000, 209)));
  EXPECT_FALSE(canCreateProfile(diveWithoutProfile(1000, 210)));
  EXPECT_FALSE(canCreateProfile(diveWithoutProfile(1000, o2Max + 1, kO2Model)));

  // The longest one fits: every sample and the raw field stay inside the record.
  DiveRecord w = diveWithoutProfile(3000, 209);
  openHandMade(w);
  EXPECT_EQ(w.sampleCount, 630);
  setDrawnDepth(w, drawableLast(w), 12);
  writeHandMadeProfile(w);
  EXPECT_LE(w.sampleCount, 635);
  EXPECT_NEAR(w.samples[drawableLast(w)].depth, -12.0, 0.16);

  EXPECT_FALSE(canCreateProfile(diveWithoutProfile(NO_VALUE, 30)));
  EXPECT_FALSE(canCreateProfile(diveWithoutProfile(1000, NO_VALUE)));
  EXPECT_FALSE(canCreateProfile(diveWithReadings(kAirModel, minutesAt(5, 10))));  // a computer profile
}

TEST(HandProfile, DrawnDepthsAreCappedAtTheDivesMaximumDepth) {
  DiveRecord w = diveWithoutProfile(2000, 30);
  openHandMade(w);
  // Rectangle 201 px high (+1), y range 0..25 m: 8.04 px per metre.
  EXPECT_NEAR(drawnDepth(w, 80.4, 200, 25, true), 10.0, 1e-9);
  EXPECT_DOUBLE_EQ(drawnDepth(w, 200, 200, 25, true), 20.0);  // 24.9 m capped at 20 m
  EXPECT_DOUBLE_EQ(drawnDepth(w, -5, 200, 25, true), 0.0);
  // Imperial: the graph runs in feet, the cap is 20 m in feet, the result whole centimetres.
  EXPECT_NEAR(drawnDepth(w, 200, 200, 80, false), 20.0, 0.01);
  EXPECT_NEAR(drawnDepth(w, 100.5, 200, 80, false), feetToMetres(40), 1e-9);

  setDrawnDepth(w, 10, 35.0);
  EXPECT_FLOAT_EQ(w.samples[10].depth, -20.0f);
  const float start = w.samples[0].depth;
  setDrawnDepth(w, 0, 5.0);      // the start point stays
  setDrawnDepth(w, 93, 5.0);     // behind the dive's minutes: not kept by the raw profile
  EXPECT_EQ(w.samples[0].depth, start);
  EXPECT_EQ(w.samples[93].depth, 0.0f);
}

TEST(HandProfile, LogbookOperationsRefuseComputerProfilesAndChangeNothing) {
  Logbook lb;
  lb.newLogbook();
  DiveRecord plain = diveWithoutProfile(1200, 25);
  DiveRecord computer = diveWithReadings(kAirModel, minutesAt(10, 12), 0, 8);
  computer.timeOfDay = 900;
  lb.insert(plain);
  lb.insert(computer);
  const std::string before = snapshot(lb);
  Result r = draftProfile(lb, 2);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "Non posso creare il profilo dell'imm #2");
  EXPECT_FALSE(removeHandMadeProfile(lb, 2).ok);
  EXPECT_FALSE(draftProfile(lb, 3).ok);
  EXPECT_TRUE(snapshot(lb) == before);

  ASSERT_TRUE(draftProfile(lb, 1).ok);
  EXPECT_EQ(profileMark(lb.get(1)), 'H');
  EXPECT_EQ(lb.get(1).sampleCount, 3 * 27 + 1);
  ASSERT_TRUE(removeHandMadeProfile(lb, 1).ok);
  EXPECT_EQ(lb.get(1).profileLength, 0);
  EXPECT_EQ(lb.get(1).sampleCount, 0);
  EXPECT_EQ(profileMark(lb.get(1)), ' ');
}
