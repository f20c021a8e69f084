#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "core/dive_record.h"
#include "core/string_list.h"
#include "core/texts.h"

using namespace kelp;

namespace {

// Builds a record with a raw profile: header bytes, then groups of three readings
// (10-bit value, flags) and one group byte (two for gas kind 2).
struct ProfileBuilder {
  std::vector<uint8_t> raw;
  bool gas2 = false;
  explicit ProfileBuilder(bool gasKind2 = false) : raw(gasKind2 ? 6 : 5, 0), gas2(gasKind2) {}
  void reading(int value, int flags = 0) {
    raw.push_back(static_cast<uint8_t>(value >> 2));
    raw.push_back(static_cast<uint8_t>(((value & 3) << 6) | (flags & 0x3F)));
  }
  void group(int v1, int v2, int v3, uint8_t groupByte) {
    reading(v1);
    reading(v2);
    reading(v3);
    raw.push_back(groupByte);
    if (gas2) raw.push_back(0xEE);  // second group byte is never read
  }
  DiveRecord record() const {
    DiveRecord r = makeRecord();
    std::memcpy(r.rawProfile, raw.data(), raw.size());
    r.profileLength = static_cast<int16_t>(17 + raw.size());
    return r;
  }
};

uint8_t groupByte(int a, int b, int c) {  // a in {0,6}, b = 3*k, c = 6*k
  return static_cast<uint8_t>(((a ? 1 : 0) << 3) | ((b / 3) << 4) | (c / 6));
}

}  // namespace

TEST(DiveRecord, InitialisedRecordIsEmpty) {
  DiveRecord r = makeRecord();
  EXPECT_EQ(r.recordTag, 160);
  EXPECT_EQ(r.date, -1);
  for (int16_t v : {r.timeOfDay, r.surfaceInterval, r.airTemperature, r.tankSize, r.maxDepth, r.diveTime,
                    r.minWaterTemperature, r.airConsumed, r.weight, r.visibility, r.startPressure})
    EXPECT_EQ(v, NO_VALUE);
  EXPECT_EQ(r.profileLength, 0);
  EXPECT_EQ(r.sampleCount, 0);
  EXPECT_EQ(r.diveNumber, 0);
  EXPECT_EQ(getText(r.location), "");
  EXPECT_EQ(shownMaxDepth(r), NO_VALUE);
  EXPECT_EQ(shownAvgDepth(r), 0.0f);
}

TEST(Expansion, TenGroupsOfTenMetres) {
  ProfileBuilder b;
  for (int g = 0; g < 10; ++g) b.group(64, 64, 64, 0);
  DiveRecord r = b.record();
  ASSERT_EQ(r.profileLength, 92);
  expandProfile(r, false);
  EXPECT_EQ(r.sampleCount, 33);
  EXPECT_FLOAT_EQ(r.samples[0].depth, -1.3f);
  for (int i = 1; i <= 30; ++i) EXPECT_FLOAT_EQ(r.samples[i].depth, -10.0f) << i;
  EXPECT_EQ(r.samples[31].depth, 0.0f);
  EXPECT_EQ(r.samples[32].depth, 0.0f);
  EXPECT_EQ(r.samples[33].depth, 0.0f);  // closing surface point
  EXPECT_FLOAT_EQ(r.profileMaxDepth, 10.0f);
  EXPECT_FLOAT_EQ(r.profileAvgDepth, static_cast<float>(301.3 / 34));
}

TEST(Expansion, HeaderOnlyAndDeepestReading) {
  DiveRecord r = ProfileBuilder().record();
  ASSERT_EQ(r.profileLength, 22);
  expandProfile(r, false);
  EXPECT_EQ(r.sampleCount, 3);
  EXPECT_EQ(r.profileMaxDepth, 0.0f);

  ProfileBuilder deep;
  deep.reading(1023, 0x15);
  DiveRecord d = deep.record();
  expandProfile(d, false);
  EXPECT_FLOAT_EQ(d.profileMaxDepth, 159.84375f);
  EXPECT_FLOAT_EQ(d.samples[1].depth, -159.84375f);
  EXPECT_EQ(d.samples[1].sampleFlags, 0x15);
}

TEST(Expansion, GasKind2UsesSixByteHeaderAndTwoGroupBytes) {
  ProfileBuilder b(true);
  b.group(64, 128, 64, groupByte(0, 9, 0));
  b.group(32, 32, 32, groupByte(0, 9, 0));
  DiveRecord r = b.record();
  expandProfile(r, true);
  EXPECT_FLOAT_EQ(r.samples[2].depth, -20.0f);
  EXPECT_FLOAT_EQ(r.samples[4].depth, -5.0f);
  EXPECT_EQ(r.samples[6].level3, 9);
  EXPECT_FLOAT_EQ(r.profileMaxDepth, 20.0f);
}

TEST(Expansion, Level3Ramps) {
  ProfileBuilder down;
  down.group(64, 64, 64, groupByte(0, 9, 0));
  down.group(64, 64, 64, groupByte(0, 0, 0));
  DiveRecord r = down.record();
  expandProfile(r, false);
  EXPECT_EQ(r.samples[0].level3, 9);  // first group fills the start samples
  EXPECT_EQ(r.samples[3].level3, 9);
  EXPECT_EQ(r.samples[4].level3, 5);
  EXPECT_EQ(r.samples[5].level3, 2);
  EXPECT_EQ(r.samples[6].level3, 0);

  ProfileBuilder up;
  up.group(64, 64, 64, groupByte(0, 0, 0));
  up.group(64, 64, 64, groupByte(0, 9, 0));
  up.group(64, 64, 64, groupByte(0, 21, 0));
  DiveRecord u = up.record();
  expandProfile(u, false);
  EXPECT_EQ(u.samples[4].level3, 3);
  EXPECT_EQ(u.samples[5].level3, 6);
  EXPECT_EQ(u.samples[6].level3, 9);
  EXPECT_EQ(u.samples[7].level3, 13);  // 9 + trunc(12 t)
  EXPECT_EQ(u.samples[8].level3, 17);
  EXPECT_EQ(u.samples[9].level3, 21);
}

TEST(Expansion, Level6Interpolation) {
  ProfileBuilder b;
  b.group(64, 64, 64, groupByte(0, 0, 6));   // first group: samples 0..3 get 6
  b.group(64, 64, 64, groupByte(0, 0, 6));   // same value
  b.group(64, 64, 64, groupByte(0, 0, 18));  // 6 -> 18: 10, 14
  b.group(64, 64, 64, groupByte(0, 0, 0));   // nothing but the group's own sample
  b.group(64, 64, 64, groupByte(0, 0, 12));  // from 0: five samples 2, 4, 6, 8, 10
  DiveRecord r = b.record();
  expandProfile(r, false);
  const int expected[] = {6, 6, 6, 6, 6, 6, 6, 10, 14, 18, 2, 4, 6, 8, 10};
  for (int i = 0; i < 15; ++i) EXPECT_EQ(r.samples[i].level6, expected[i]) << i;
  // The closing slots carry the last non-zero value.
  for (int k = r.sampleCount - 3; k <= r.sampleCount; ++k) EXPECT_EQ(r.samples[k].level6, 12) << k;
}

TEST(Expansion, AccumulatedRampsAndWraps) {
  ProfileBuilder b;
  b.group(64, 64, 64, 0);
  for (int g = 0; g < 43; ++g) b.group(64, 64, 64, groupByte(6, 0, 0));
  DiveRecord r = b.record();
  expandProfile(r, false);
  // First flagged group after zero: 1..5 spread backwards, 6 on its own sample.
  for (int k = 0; k < 5; ++k) EXPECT_EQ(r.samples[1 + k].accumulated, k + 1);
  EXPECT_EQ(r.samples[6].accumulated, 6);
  EXPECT_EQ(r.samples[7].accumulated, 8);
  EXPECT_EQ(r.samples[8].accumulated, 10);
  EXPECT_EQ(r.samples[9].accumulated, 12);
  EXPECT_EQ(r.samples[129].accumulated, 252);
  EXPECT_EQ(r.samples[130].accumulated, 254);
  EXPECT_EQ(r.samples[131].accumulated, 0);  // 252 + 4 in 8 bits
  EXPECT_EQ(r.samples[132].accumulated, 2);  // 252 + 6 in 8 bits
  EXPECT_EQ(r.samples[r.sampleCount].accumulated, 2);

  // An unflagged group keeps the value on all three samples.
  ProfileBuilder k;
  k.group(64, 64, 64, groupByte(6, 0, 0));
  k.group(64, 64, 64, 0);
  DiveRecord q = k.record();
  expandProfile(q, false);
  for (int i = 0; i <= 5; ++i) EXPECT_EQ(q.samples[i].accumulated, 6) << i;
  // The closing slots take the remembered value, which only later groups set.
  for (int i = q.sampleCount - 3; i <= q.sampleCount; ++i) EXPECT_EQ(q.samples[i].accumulated, 0) << i;
}

TEST(Expansion, FullRawFieldStaysInsideTheRecord) {
  for (bool gas2 : {false, true}) {
    for (int length : {17 + RAW_PROFILE_SIZE, 32767}) {
      DiveRecord r = makeRecord();
      std::memset(r.rawProfile, 0xFF, sizeof r.rawProfile);
      const uint16_t gasBefore = r.gasSetting = 0x1234;
      r.profileLength = static_cast<int16_t>(length);
      expandProfile(r, gas2);
      // Without gas kind 2 the field holds more readings than slots; with it, the
      // huge length reads on behind the field (as zeros) until the slots are full.
      if (!gas2 || length == 32767) EXPECT_EQ(r.sampleCount, MAX_SAMPLES - 1);
      else EXPECT_EQ(r.sampleCount, 601);
      EXPECT_EQ(r.samples[MAX_SAMPLES - 1].depth, 0.0f);
      EXPECT_FLOAT_EQ(r.profileMaxDepth, 159.84375f);
      EXPECT_EQ(r.gasSetting, gasBefore);
    }
  }
  // Re-expansion with a shorter profile leaves no stale samples behind.
  DiveRecord r = makeRecord();
  std::memset(r.rawProfile, 0xFF, sizeof r.rawProfile);
  r.profileLength = 17 + RAW_PROFILE_SIZE;
  expandProfile(r, false);
  std::memset(r.rawProfile, 0, sizeof r.rawProfile);
  r.profileLength = 22;
  expandProfile(r, false);
  EXPECT_EQ(r.sampleCount, 3);
  EXPECT_EQ(r.samples[100].depth, 0.0f);
  EXPECT_EQ(r.samples[100].level6, 0);
}

TEST(AirConsumption, Examples) {
  DiveRecord r = makeRecord();
  r.tankSize = 1000;
  r.airConsumed = 10000;
  r.sampleCount = 61;
  for (int i = 1; i <= 60; ++i) r.samples[i].depth = -10.0f;
  r.profileAvgDepth = 10.0f;
  recomputeAirConsumption(r);
  EXPECT_NEAR(r.sac, 500.0 / (20.0 - 0.33), 1e-4);
  EXPECT_NEAR(r.sac, 25.42, 0.01);

  setScr(r, true);
  r.diveTime = 40;
  recomputeAirConsumption(r);
  EXPECT_FLOAT_EQ(r.sac, 25.0f);

  setScr(r, false);
  r.tankSize = NO_VALUE;
  recomputeAirConsumption(r);
  EXPECT_EQ(r.sac, 0.0f);

  // The expansion leaves sac alone when it cannot compute it.
  ProfileBuilder b;
  b.group(64, 64, 64, 0);
  DiveRecord e = b.record();
  e.sac = 7.5f;
  expandProfile(e, false);
  EXPECT_EQ(e.sac, 7.5f);
}

TEST(DiveRecord, ShownDepths) {
  DiveRecord r = makeRecord();
  r.maxDepth = -1;
  r.profileMaxDepth = 32.5f;
  EXPECT_EQ(shownMaxDepth(r), 3250);
  r.profileMaxDepth = 0;
  EXPECT_EQ(shownMaxDepth(r), -1);
  r.maxDepth = 1850;
  EXPECT_EQ(shownMaxDepth(r), 1850);

  r.profileAvgDepth = 8.5f;
  EXPECT_EQ(shownAvgDepth(r), 8.5f);
  r.avgDepth = 12.0f;
  EXPECT_EQ(shownAvgDepth(r), 12.0f);
}

TEST(DiveRecord, AvgDepthCentimetres) {
  EXPECT_EQ(avgDepthToCm(12.345f), 1234);
  EXPECT_EQ(avgDepthToCm(0.0f), 0);
  EXPECT_EQ(avgDepthToCm(-3.0f), 0);
  // Values read from whole centimetres survive every later save.
  for (int cm = 1; cm < 32767; ++cm)
    ASSERT_EQ(avgDepthToCm(static_cast<float>(cm * 0.01)), cm) << cm;
}

TEST(DiveRecord, NotesAsOneText) {
  DiveRecord r = makeRecord();
  std::string text(300, 'x');
  for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>('a' + i % 26);
  setNotes(r, text);
  EXPECT_EQ(getText(r.notes).size(), 255u);
  EXPECT_EQ(getText(r.notesMore).size(), 45u);
  EXPECT_EQ(getNotes(r), text);

  setNotes(r, std::string(255, 'y'));
  EXPECT_EQ(getText(r.notes), std::string(255, 'y'));
  EXPECT_EQ(getText(r.notesMore), "");

  setNotes(r, std::string(600, 'z'));  // the continuation is cut to its field
  EXPECT_EQ(getNotes(r).size(), 510u);
}

TEST(DiveRecord, ThreeWayAndSingleBits) {
  uint16_t f = 0;
  EXPECT_EQ(getThreeWay(f, kDiveFreshWater), 2);
  setThreeWay(f, kDiveFreshWater, 0);
  EXPECT_EQ(f, 1u << 6);
  f |= 1u << 7;  // both bits set: the lower one wins on reading
  EXPECT_EQ(getThreeWay(f, kDiveFreshWater), 0);
  setThreeWay(f, kDiveFreshWater, 1);
  EXPECT_EQ(f, 1u << 7);
  setThreeWay(f, kDiveFreshWater, 5);
  EXPECT_EQ(f, 0u);

  DiveRecord r = makeRecord();
  setNitrox(r, true);
  setScr(r, true);
  EXPECT_TRUE(isNitrox(r));
  EXPECT_TRUE(isScr(r));
  setNitrox(r, false);
  EXPECT_FALSE(isNitrox(r));
  EXPECT_EQ(r.diveTypeFlags, 1u << kDiveScr);
}

TEST(DiveRecord, SpecialActivitiesFromText) {
  DiveRecord r = makeRecord();
  r.moreActivityFlags = 0xF100;  // bits 12..15 are not taken over
  setText(r.otherActivities, utf8ToStored("Solo-TG"));
  EXPECT_EQ(specialActivitiesFromText(r), 0x0102);
  setText(r.otherActivities, utf8ToStored("PrüfTG"));  // stored form differs for ü
  EXPECT_EQ(specialActivitiesFromText(r), 0x0110);
  setText(r.otherActivities, utf8ToStored(specialActivityLongName(7)));
  EXPECT_EQ(specialActivitiesFromText(r) & 0xFF, 0x80);
  setText(r.otherActivities, utf8ToStored(specialActivityShortName(0)));
  EXPECT_EQ(specialActivitiesFromText(r) & 0xFF, 0x01);
  setText(r.otherActivities, "Solo, Check");  // compared whole
  EXPECT_EQ(specialActivitiesFromText(r) & 0xFF, 0);
}

TEST(DiveRecord, ApplyDefaults) {
  DiveDefaults d;
  d.use = true;
  d.altitudeClass = 2;
  d.suit = 4;
  d.suitDescription = std::string(40, 's');
  d.tankSize = 1500;
  d.tankMaterial = 1;
  d.weight = 600;
  d.diveType = 0x1FF;  // only bits 2..7 are taken
  DiveRecord r = makeRecord();
  r.altitudeClass = 3;
  applyDefaults(r, d);
  EXPECT_EQ(r.altitudeClass, 3);
  EXPECT_EQ(r.suit, 4);
  EXPECT_EQ(getText(r.suitDescription), std::string(25, 's'));
  EXPECT_EQ(r.tankSize, 1500);
  EXPECT_EQ(r.tankMaterial, 1);
  EXPECT_EQ(r.weight, 600);
  EXPECT_EQ(r.diveTypeFlags, 0xFC);

  DiveDefaults none;
  DiveRecord e = makeRecord();
  applyDefaults(e, none);
  EXPECT_EQ(e.tankSize, NO_VALUE);
  EXPECT_EQ(e.weight, NO_VALUE);
}

TEST(DiveRecord, SetTextCutsAndTerminates) {
  char field[5];
  std::memset(field, 'q', sizeof field);
  setText(field, sizeof field, "abcdefgh");
  EXPECT_EQ(std::string(field), "abcd");
  setText(field, sizeof field, "z");
  EXPECT_EQ(field[1], '\0');
  EXPECT_EQ(field[4], '\0');
}

TEST(StringList, CountsAndCapacity) {
  StringList l;
  l.add("Anna");  // not reserved: nothing is kept
  EXPECT_EQ(l.count(), 0);
  l.reserve(0);
  EXPECT_EQ(l.capacity(), 100);
  l.add("Anna");
  l.add("Anna");
  l.add("anna");
  l.add("");
  EXPECT_EQ(l.count(), 2);
  EXPECT_EQ(l.useCount(0), 2);
  EXPECT_EQ(l.get(1), "anna");
  EXPECT_EQ(l.get(2), "");
  EXPECT_EQ(l.get(-1), "");
  for (int i = 0; i < 200; ++i) l.add("n" + std::to_string(i));
  EXPECT_EQ(l.count(), 100);  // full lists ignore further texts
  l.add("Anna");
  EXPECT_EQ(l.useCount(0), 2);
  l.reserve(5);  // clears first
  EXPECT_EQ(l.count(), 0);
  EXPECT_EQ(l.capacity(), 105);

  l.add(utf8ToStored("Lüthi"));  // kept in displayed form
  EXPECT_EQ(l.get(0), utf8ToCp1252("Lüthi"));
}

TEST(StringList, SplitEntries) {
  EXPECT_EQ(splitEntries("Anna, Bruno;Carla + Dario &  Elena  ,,"),
            (std::vector<std::string>{"Anna", "Bruno", "Carla", "Dario", " Elena"}));
  EXPECT_EQ(splitEntries(""), std::vector<std::string>{});
  EXPECT_EQ(splitEntries(" Solo"), std::vector<std::string>{" Solo"});
}
