#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/strings.h"
#include "core/texts.h"
#include "transfer/imports.h"
#include "tests/test_support.h"

using namespace kelp;

namespace {

// A Citizen file: blanks with the given fields at their offsets.
struct CitizenFile {
  std::string bytes;
  explicit CitizenFile(int values = 0) : bytes(493 + 4 * values, ' ') { bytes[0] = 'M'; }
  CitizenFile& put(size_t offset, const std::string& text) {
    if (bytes.size() < offset + text.size()) bytes.resize(offset + text.size(), ' ');
    bytes.replace(offset, text.size(), text);
    return *this;
  }
  CitizenFile& depths(const std::vector<int>& v) {
    char count[8];
    std::snprintf(count, sizeof count, "%-4zu", v.size());
    put(485, count);
    for (size_t i = 0; i < v.size(); ++i) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "%3d ", v[i]);
      put(493 + 4 * i, buf);
    }
    return *this;
  }
};

CitizenFile typicalCitizen() {
  CitizenFile f(12);
  f.put(2, "2003,07,14").put(39, "Anna & Bob").put(60, "Elba").put(81, "cloudy")
      .put(90, "Bella immersione").put(291, "24.5").put(300, "23,30").put(309, "00,15")
      .put(318, "00,00").put(324, "00,42").put(337, "325").put(345, "185");
  f.depths({10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120});
  return f;
}

TEST(CitizenImport, ReadsEveryFieldAndBuildsTheProfile) {
  CitizenOptions o;
  ImportResult res = importCitizenBytes(typicalCitizen().bytes, o);
  ASSERT_TRUE(res.ok) << res.error;
  const DiveRecord& r = res.record;
  EXPECT_EQ(r.date, dayNumber(14, 7, 2003));
  EXPECT_EQ(getText(r.buddies), "Anna & Bob");
  EXPECT_EQ(getText(r.location), "Elba");
  EXPECT_EQ(r.weather, 2);
  EXPECT_EQ(getNotes(r), "Bella immersione");
  EXPECT_EQ(r.airTemperature, 2450);
  EXPECT_EQ(r.timeOfDay, 23 * 60 + 30);
  EXPECT_EQ(r.surfaceInterval, NO_VALUE);
  EXPECT_EQ(r.diveTime, 42);
  EXPECT_EQ(r.maxDepth, 3250);
  EXPECT_EQ(r.minWaterTemperature, 1850);
  EXPECT_EQ(r.computerType, 177);
  EXPECT_EQ(r.computerFlags & 1, 1);
  EXPECT_EQ(r.altitudeClass, 1);

  // Every fourth value, then the closing 0.
  ASSERT_EQ(r.sampleCount, 4);
  EXPECT_FLOAT_EQ(r.samples[0].depth, -1.3f);
  EXPECT_EQ(r.samples[0].level3, 3);
  EXPECT_FLOAT_EQ(r.samples[1].depth, -4.0f);
  EXPECT_FLOAT_EQ(r.samples[2].depth, -8.0f);
  EXPECT_FLOAT_EQ(r.samples[3].depth, -12.0f);
  EXPECT_EQ(r.samples[3].level3, 6);
  EXPECT_FLOAT_EQ(r.samples[4].depth, 0.0f);
  EXPECT_FLOAT_EQ(r.profileMaxDepth, 32.5f);
  EXPECT_FLOAT_EQ(r.profileAvgDepth, 6.0f);  // (4 + 8 + 12 + 0) / 4
  EXPECT_EQ(r.avgDepth, 0.0f);

  // 23:30 to 00:15 is 45 minutes: 46 groups of 7 bytes.
  EXPECT_EQ(r.profileLength, 45 * 7 + 22);
  const uint8_t head[5] = {0, 0, 0, 0x40, 0x90};
  EXPECT_EQ(0, std::memcmp(r.rawProfile, head, 5));
  EXPECT_EQ(r.profileHeader[0], 2926);
  EXPECT_EQ(r.profileHeader[7], 2933);
  // 4.0 m: v = 25 -> 6, (1 << 6) | 0x20; 12.0 m: v = 76 -> 19, 0x20
  EXPECT_EQ(r.rawProfile[5], 6);
  EXPECT_EQ(r.rawProfile[6], 0x60);
  EXPECT_EQ(r.rawProfile[9], 19);
  EXPECT_EQ(r.rawProfile[10], 0x20);
  EXPECT_EQ(r.rawProfile[11], 0x20);
  EXPECT_EQ(r.rawProfile[12], 0);     // group 1: missing samples read as 0
  EXPECT_EQ(r.rawProfile[13], 0x20);
  // The raw profile expands back to the same depths.
  DiveRecord again = r;
  expandProfile(again, false);
  EXPECT_NEAR(-again.samples[3].depth, 12.0, 0.16);
}

TEST(CitizenImport, ImperialUnitsAndDefaults) {
  CitizenOptions o;
  o.imperial = true;
  o.computerType = 178;
  o.defaults.use = true;
  o.defaults.altitudeClass = 3;
  o.defaults.tankSize = 1200;
  CitizenFile f = typicalCitizen();
  f.put(291, "77       ").put(337, "100 ").put(345, "50  ");
  f.depths({0, 0, 0, 33, 0, 0, 0, 100});
  ImportResult res = importCitizenBytes(f.bytes, o);
  ASSERT_TRUE(res.ok);
  EXPECT_EQ(res.record.airTemperature, 2500);
  EXPECT_EQ(res.record.maxDepth, 3048);
  EXPECT_EQ(res.record.minWaterTemperature, 1000);
  EXPECT_EQ(res.record.computerType, 178);
  EXPECT_EQ(res.record.altitudeClass, 3);
  EXPECT_EQ(res.record.tankSize, 1200);
  ASSERT_EQ(res.record.sampleCount, 3);
  EXPECT_FLOAT_EQ(res.record.samples[1].depth, -10.0f);  // 33 ft = 10.05 m -> 100 dm
  EXPECT_FLOAT_EQ(res.record.samples[2].depth, -30.4f);  // 100 ft = 30.47 m -> 304 dm
}

TEST(CitizenImport, WeatherWords) {
  EXPECT_EQ(citizenWeather(""), 0);
  EXPECT_EQ(citizenWeather("Sunny"), 1);
  EXPECT_EQ(citizenWeather("fine"), 1);
  EXPECT_EQ(citizenWeather("CLOUDY"), 2);
  EXPECT_EQ(citizenWeather("fog"), 3);
  EXPECT_EQ(citizenWeather("SunRain"), 4);
  EXPECT_EQ(citizenWeather("storm"), 5);
  EXPECT_EQ(citizenWeather("snowfog"), 6);
}

TEST(CitizenImport, RejectsAndShortFiles) {
  CitizenOptions o;
  CitizenFile x = typicalCitizen();
  x.bytes[0] = 'X';
  EXPECT_FALSE(importCitizenBytes(x.bytes, o).ok);
  EXPECT_EQ(importCitizenBytes(x.bytes, o).error, str(62525));
  EXPECT_EQ(importCitizenBytes("", o).error, str(62525));
  EXPECT_EQ(importCitizen("/nonexistent/dive.wgm", o).error, str(62523));

  // A file that ends inside the notes: the fields behind are empty.
  std::string shortFile = typicalCitizen().bytes.substr(0, 100);
  ImportResult res = importCitizenBytes(shortFile, o);
  ASSERT_TRUE(res.ok);
  EXPECT_EQ(getText(res.record.location), "Elba");
  EXPECT_EQ(getNotes(res.record), "Bella imme");
  EXPECT_EQ(res.record.maxDepth, NO_VALUE);
  EXPECT_EQ(res.record.airTemperature, NO_VALUE);
  EXPECT_EQ(res.record.sampleCount, 1);
  // A count of depth values beyond the file reads what is there.
  CitizenFile many = typicalCitizen();
  many.put(485, "9999");
  EXPECT_EQ(importCitizenBytes(many.bytes, o).record.sampleCount, 4);
}

TEST(CitizenImport, LimitsOfValuesAndRawProfile) {
  CitizenFile f;
  f.put(2, "2003,07,14").put(300, "00,00").put(309, "23,59").put(337, "300");
  std::vector<int> v(2600, 50);
  f.depths(v);
  ImportResult res = importCitizenBytes(f.bytes, CitizenOptions{});
  ASSERT_TRUE(res.ok);
  EXPECT_EQ(res.record.sampleCount, 635);  // 634 values and the closing 0
  EXPECT_FLOAT_EQ(res.record.samples[634].depth, -5.0f);
  EXPECT_FLOAT_EQ(res.record.samples[635].depth, 0.0f);
  // 1440 groups do not fit 1600 bytes: 227 are written.
  EXPECT_EQ(res.record.profileLength, 226 * 7 + 22);
  EXPECT_EQ(res.record.rawProfile[5 + 226 * 7 + 6], 0x20);
  DiveRecord copy = res.record;
  expandProfile(copy, false);  // stays inside the record
  EXPECT_GT(copy.sampleCount, 600);
}

TEST(CitizenImport, ReadsAFile) {
  const kelp::test::ScratchDir dir("kelp-citizen");
  kelp::test::writeFile(dir.file("citizen.wgm"), typicalCitizen().bytes);
  ImportResult res = importCitizen(dir.file("citizen.wgm"), CitizenOptions{});
  EXPECT_TRUE(res.ok);
  EXPECT_EQ(res.record.maxDepth, 3250);
}

const char* kGuardian =
    "[General]\r\n"
    "divedate = 14-07-2003\r\n"
    "DiveTime=09:05\r\n"
    "Temperature=17\r\n"
    "NumPoints=2\r\n"
    "MaxDepth=0\r\n"
    "AveDepth=8.5\r\n"
    "SurfaceInt=95\r\n"
    "Altitude=7\r\n"
    "TankSize=12.5\r\n"
    "TankPressure=200\r\n"
    "AirCons=0\r\n"
    "Location=\tIsola d'Elba\r\n"
    "Site=Reef ; the north side\r\n"
    "Buddies=Anna\r\n"
    "Note=Una nota\r\n"
    "Weights=6.5\r\n"
    "Site=second site is ignored\r\n"
    "\r\n"
    "[POINTS]\r\n"
    "p1=10.0\r\n"
    "P2 = 13.0\r\n";

TEST(GuardianImport, ReadsTheGeneralSectionAndThePoints) {
  ImportResult res = importGuardianText(kGuardian, DiveDefaults{});
  ASSERT_TRUE(res.ok);
  const DiveRecord& r = res.record;
  EXPECT_EQ(r.date, dayNumber(14, 7, 2003));
  EXPECT_EQ(r.timeOfDay, 9 * 60 + 5);
  EXPECT_EQ(r.minWaterTemperature, 1700);
  EXPECT_EQ(r.diveTime, 2);
  EXPECT_EQ(r.surfaceInterval, 95);
  EXPECT_EQ(r.altitudeClass, 1);  // 7 is outside 0..4
  EXPECT_EQ(r.tankSize, 1250);
  EXPECT_EQ(r.startPressure, 20000);
  EXPECT_EQ(r.airConsumed, NO_VALUE);
  EXPECT_EQ(storedToUtf8(getText(r.location)), "Isola d´Elba");  // the apostrophe's stored form
  EXPECT_EQ(getText(r.site), "Reef");
  EXPECT_EQ(getText(r.buddies), "Anna");
  EXPECT_EQ(getNotes(r), "Una nota");
  EXPECT_EQ(r.weight, 650);
  EXPECT_EQ(r.computerType, 179);
  EXPECT_EQ(r.computerFlags & 1, 1);
  EXPECT_FLOAT_EQ(r.avgDepth, 8.5f);
  EXPECT_EQ(r.maxDepth, 1300);  // MaxDepth 0: the deepest point

  const float want[] = {-1.3f, -10.0f, -11.0f, -12.0f, -13.0f, -8.7f, -4.4f, 0.0f};
  ASSERT_EQ(r.sampleCount, 7);
  for (int k = 0; k <= 7; ++k) EXPECT_FLOAT_EQ(r.samples[k].depth, want[k]) << k;
  EXPECT_EQ(r.profileLength, 2 * 7 + 22);
}

// The logbook file keeps profileLength - 17 raw bytes and expands them when
// loading: every reading of the import must be among them.
TEST(GuardianImport, SavedProfileKeepsEveryReading) {
  ImportResult res = importGuardianText(
      "[GENERAL]\nNumPoints=3\n[POINTS]\nP1=10.0\nP2=14.6\nP3=5.0\n", DiveDefaults{});
  const DiveRecord& r = res.record;
  ASSERT_EQ(r.sampleCount, 10);
  DiveRecord stored = r;
  std::fill(stored.rawProfile + (r.profileLength - 17), stored.rawProfile + RAW_PROFILE_SIZE,
            uint8_t{0});
  expandProfile(stored, false);
  ASSERT_GE(stored.sampleCount, r.sampleCount);
  for (int k = 1; k < r.sampleCount; ++k)
    EXPECT_NEAR(stored.samples[k].depth, r.samples[k].depth, 0.16) << k;  // 10-bit readings
  for (int k = r.sampleCount; k < stored.sampleCount; ++k) EXPECT_EQ(stored.samples[k].depth, 0);
}

TEST(GuardianImport, SectionReader) {
  GuardianSection s = GuardianSection::fromText(
      "junk\n[POINTS]\nP1=1\n[general]x\n  Key = Value with = sign ;c\nnovalue\n;only comment\n"
      "\tTabbed\t=\t3.25\t\n[Other]\nKey=other\n");
  EXPECT_FALSE(s.readSection("MISSING"));
  ASSERT_TRUE(s.readSection("GENERAL"));
  std::string v;
  ASSERT_TRUE(s.getText("key", v));
  EXPECT_EQ(v, "Value with = sign");
  ASSERT_TRUE(s.getText("NOVALUE", v));
  EXPECT_EQ(v, "");
  double d = 0;
  ASSERT_TRUE(s.getNumber("tabbed", d));
  EXPECT_DOUBLE_EQ(d, 3.25);
  int i = 0;
  EXPECT_TRUE(s.getInt("tabbed", i));
  EXPECT_EQ(i, 3);
  EXPECT_EQ(s.entries().size(), 3u);
}

TEST(GuardianImport, LimitsAndMissingSections) {
  std::string text = "[GENERAL]\nNumPoints=300\nMaxDepth=25.37\nNote=" + std::string(600, 'n') +
                     "\nLocation=" + std::string(90, 'L') + "\n[POINTS]\n";
  for (int i = 1; i <= 300; ++i) text += "P" + std::to_string(i) + "=5\n";
  ImportResult res = importGuardianText(text, DiveDefaults{});
  EXPECT_EQ(res.record.sampleCount, 3 * 211 + 1);
  EXPECT_EQ(res.record.maxDepth, 2530);
  EXPECT_EQ(getNotes(res.record).size(), 510u);
  EXPECT_EQ(getText(res.record.location).size(), 60u);
  EXPECT_EQ(res.record.diveTime, 300);
  EXPECT_EQ(res.record.profileLength, 211 * 7 + 22);

  DiveDefaults defaults;
  defaults.use = true;
  defaults.weight = 400;
  ImportResult empty = importGuardianText("nothing here", defaults);
  EXPECT_TRUE(empty.ok);
  EXPECT_EQ(empty.record.weight, 400);
  EXPECT_EQ(empty.record.date, -1);
  EXPECT_EQ(empty.record.sampleCount, 1);
  EXPECT_EQ(importGuardian("/nonexistent/export.txt", defaults).error, str(62523));
}

}  // namespace
