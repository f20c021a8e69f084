#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/computer_models.h"
#include "core/demo_logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;
using namespace kelp;

TEST(DemoLogbook, SameSeedSameBytesOtherSeedOtherDives) {
  const Logbook a = makeDemoLogbook(150, 7);
  const Logbook b = makeDemoLogbook(150, 7);
  const Logbook c = makeDemoLogbook(150, 8);
  ASSERT_EQ(a.diveCount(), 150);
  EXPECT_EQ(a.serializeLog(), b.serializeLog());
  EXPECT_EQ(a.serializeAdd(), b.serializeAdd());
  EXPECT_NE(a.serializeLog(), c.serializeLog());

  EXPECT_EQ(makeDemoLogbook(0, 1).diveCount(), 0);
  EXPECT_EQ(makeDemoLogbook(-5, 1).diveCount(), 0);
  EXPECT_EQ(makeDemoLogbook(1, 1).diveCount(), 1);
}

TEST(DemoLogbook, RoundTripsThroughTheFiles) {
  const kelp::test::ScratchDir scratch("kelp-demo");
  const fs::path dir = scratch.path();
  ASSERT_FALSE(dir.empty());
  settings().extended = 1;
  Logbook demo = makeDemoLogbook(200, 3);
  const std::string path = (dir / "demo.log").string();
  ASSERT_TRUE(demo.saveFile(path).ok);
  Logbook back;
  ASSERT_TRUE(back.loadFile(path).ok);
  ASSERT_EQ(back.diveCount(), demo.diveCount());
  EXPECT_EQ(back.serializeLog(), demo.serializeLog());
  EXPECT_EQ(back.serializeAdd(), demo.serializeAdd());
  EXPECT_EQ(back.totalDiveTime, demo.totalDiveTime);
  EXPECT_FLOAT_EQ(back.averageSac, demo.averageSac);
  EXPECT_EQ(back.firstDiveNumber, 1);
  // the derived fields come back equal from the expansion at load time
  for (int i = 0; i < demo.diveCount(); ++i) {
    const DiveRecord& x = demo.dives()[i];
    const DiveRecord& y = back.dives()[i];
    SCOPED_TRACE(i);
    ASSERT_EQ(x.sampleCount, y.sampleCount);
    EXPECT_EQ(0, std::memcmp(x.samples, y.samples, sizeof x.samples));
    EXPECT_EQ(x.profileMaxDepth, y.profileMaxDepth);
    EXPECT_EQ(x.profileAvgDepth, y.profileAvgDepth);
    EXPECT_EQ(x.sac, y.sac);
    EXPECT_EQ(x.avgDepth, y.avgDepth);
    EXPECT_EQ(getNotes(x), getNotes(y));
  }
}

TEST(DemoLogbook, ContentIsVariedAndConsistent) {
  const Logbook lb = makeDemoLogbook(300, 11);
  ASSERT_EQ(lb.diveCount(), 300);
  EXPECT_EQ(lb.currentPosition, 300);
  std::set<int> types;
  int computer = 0, handMade = 0, none = 0, longNotes = 0, noSite = 0, gasKind2 = 0, deco = 0,
      warned = 0;
  for (int i = 0; i < lb.diveCount(); ++i) {
    const DiveRecord& r = lb.dives()[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(r.diveNumber, i + 1);
    if (i > 0) {
      const DiveRecord& p = lb.dives()[i - 1];
      EXPECT_TRUE(p.date < r.date || (p.date == r.date && p.timeOfDay < r.timeOfDay));
      if (p.date == r.date) {
        EXPECT_NE(r.surfaceInterval, NO_VALUE);
      }
    }
    EXPECT_GT(r.timeOfDay, 6 * 60);
    EXPECT_LE(r.timeOfDay, 22 * 60);
    EXPECT_NE(r.location[0], 0);
    if (r.site[0] == 0) ++noSite;
    if (r.notesMore[0] != 0) ++longNotes;
    if (r.diveTypeFlags & (1u << kDiveDeco)) ++deco;
    if (r.warningFlags) ++warned;
    EXPECT_NE(waterKind(r), 2);  // every dive is in fresh or sea water
    switch (profileKind(r)) {
      case ProfileKind::None:
        ++none;
        EXPECT_EQ(r.sampleCount, 0);
        break;
      case ProfileKind::HandMade:
        ++handMade;
        EXPECT_EQ(r.computerType, 0);
        break;
      case ProfileKind::Computer: {
        ++computer;
        types.insert(r.computerType);
        const int gas = computerModels().gasKind(r.computerType);
        if (gas == 2) ++gasKind2;
        // profileLength covers header byte, header words, gas value and the raw bytes
        const int headerSize = gas == 2 ? 6 : 5;
        const int groupSize = gas == 2 ? 8 : 7;
        const int rawSize = r.profileLength - 17 - (computerModels().hasGasSetting(r.computerType) ? 2 : 0);
        EXPECT_EQ((rawSize - headerSize) % groupSize, 0);
        // plausible shapes: a real depth, a sample count that matches the dive time
        EXPECT_GT(r.profileMaxDepth, 2.5f);
        EXPECT_LT(r.profileMaxDepth, 60.0f);
        EXPECT_GT(r.profileAvgDepth, 1.0f);
        EXPECT_LT(r.profileAvgDepth, r.profileMaxDepth);
        EXPECT_NEAR(r.sampleCount / 3.0, r.diveTime, 3.0);
        EXPECT_EQ(r.samples[0].depth, -1.3f);
        EXPECT_EQ(r.samples[r.sampleCount - 1].depth, 0.0f);  // ends at the surface
        if (r.maxDepth >= 0) {
          EXPECT_NEAR(r.maxDepth, r.profileMaxDepth * 100, 1.0);
        }
        if (r.tankSize != NO_VALUE && r.airConsumed != NO_VALUE) {
          EXPECT_GT(r.sac, 5.0f);
          EXPECT_LT(r.sac, 40.0f);
        }
        break;
      }
    }
    if (profileKind(r) != ProfileKind::None) {
      // the maximum depth the form shows agrees with the drawn profile
      EXPECT_NEAR(shownMaxDepth(r) / 100.0, r.profileMaxDepth, 1.0);
    }
  }
  EXPECT_GT(computer, 200);
  EXPECT_GT(handMade, 3);
  EXPECT_GT(none, 10);
  EXPECT_GE(types.size(), 3u);
  EXPECT_GT(gasKind2, 0);
  EXPECT_GT(longNotes, 5);
  EXPECT_GT(noSite, 0);
  EXPECT_GT(deco, 0);
  EXPECT_GT(warned, 0);
  int d0, m0, y0, d1, m1, y1;
  fromDayNumber(lb.dives().front().date, d0, m0, y0);
  fromDayNumber(lb.dives().back().date, d1, m1, y1);
  EXPECT_GE(y1 - y0, 3);
  EXPECT_GT(lb.averageSac, 8.0f);
  EXPECT_GT(lb.locationList.count(), 5);
}

// The dive computer profiles read like dives: a descent at 10..20 m/min, no ascent faster
// than 10 m/min unless the computer flagged it, no zig-zag, a safety stop of about three
// minutes at 3..5 m on dives deeper than 10 m, and stops at 6 m on decompression dives.
TEST(DemoLogbook, ComputerProfilesLookLikeDives) {
  constexpr double kReading = 1.0 / 3.0;        // minutes
  constexpr double kStep = 10.0 / 64.0;          // resolution of a reading, metres
  int checked = 0, stopsSeen = 0, decoSeen = 0, fastSeen = 0;
  for (unsigned seed : {2u, 13u}) {
    const Logbook lb = makeDemoLogbook(250, seed);
    for (const DiveRecord& r : lb.dives()) {
      if (profileKind(r) != ProfileKind::Computer) continue;
      SCOPED_TRACE(testing::Message() << "seed " << seed << " dive " << r.diveNumber);
      std::vector<double> d;
      std::vector<uint8_t> f;
      for (int i = 1; i < r.sampleCount && r.samples[i].depth != 0; ++i) {
        d.push_back(-r.samples[i].depth);
        f.push_back(r.samples[i].sampleFlags);
      }
      ASSERT_GE(d.size(), 6u);
      const double maxDepth = *std::max_element(d.begin(), d.end());
      const size_t deepest = std::max_element(d.begin(), d.end()) - d.begin();
      // descent: from the surface to the first reading near the deepest point
      size_t bottom = 0;
      while (d[bottom] < maxDepth - 0.5) ++bottom;
      if (maxDepth >= 5.0) {
        const double rate = d[bottom] / ((bottom + 1) * kReading);
        EXPECT_GE(rate, 10.0 - 0.5);
        EXPECT_LE(rate, 20.0 + 0.5);
      }
      for (size_t i = 1; i < d.size(); ++i) {
        // ascent: no more than 10 m/min between readings unless flagged as too fast
        const double up = d[i - 1] - d[i];
        if (up > 10.0 * kReading + kStep) {
          EXPECT_TRUE(f[i] & 0x04) << "reading " << i << " rises " << up << " m";
          EXPECT_TRUE(r.warningFlags & (1u << kWarnAscent));
          ++fastSeen;
        }
        // no zig-zag: no turn between two moves of half a metre or more
        if (i + 1 < d.size()) {
          const double a = d[i] - d[i - 1], b = d[i + 1] - d[i];
          EXPECT_FALSE(a * b < 0 && std::abs(a) >= 0.5 && std::abs(b) >= 0.5) << "reading " << i;
        }
      }
      // the last stop: readings at 3..5 m (3 m stop of a decompression dive included),
      // at most two readings before surfacing
      size_t end = d.size();
      while (end > deepest && d[end - 1] < 2.8) --end;
      size_t stop = end;
      while (stop > deepest && d[stop - 1] >= 2.8 && d[stop - 1] <= 5.2) --stop;
      EXPECT_LE(d.size() - end, 2u);
      if (maxDepth > 10.0) {
        EXPECT_GE((end - stop) * kReading, 3.0) << "safety stop of " << (end - stop) << " readings";
        ++stopsSeen;
      }
      const bool deco = r.warningFlags & (1u << kWarnDeco);
      if (deco) {
        ++decoSeen;
        const auto atSix = std::count_if(d.begin() + deepest, d.end(),
                                         [](double x) { return x >= 5.6 && x <= 6.4; });
        EXPECT_GE(atSix, 6);
        EXPECT_TRUE(std::any_of(f.begin(), f.end(), [](uint8_t x) { return x & 0x01; }));
        EXPECT_FALSE(f.back() & 0x01);  // the obligation is cleared before surfacing
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 300);
  EXPECT_GT(stopsSeen, 150);
  EXPECT_GT(decoSeen, 3);
  EXPECT_GT(fastSeen, 0);
}

TEST(RawProfileEncoding, ExpandsToTheEncodedReadings) {
  // ten groups of 10.0 m: the record shape the expansion is known to give
  RawProfileInput in;
  in.depths.assign(30, 10.0);
  std::vector<uint8_t> raw = encodeRawProfile(in);
  ASSERT_EQ(raw.size(), 75u);
  DiveRecord r = makeRecord();
  ASSERT_TRUE(storeRawProfile(r, raw, false));
  EXPECT_EQ(r.profileLength, 92);
  expandProfile(r, false);
  EXPECT_EQ(r.sampleCount, 33);
  EXPECT_FLOAT_EQ(r.profileMaxDepth, 10.0f);

  // readings are rounded to 10/64 m and carry their flags; groups carry a, b, c
  in = {};
  in.depths = {1.0, 5.0, 12.34, 20.0, 159.9, 3.0, 0.4};
  in.flags = {0x20, 0x21, 0x3F | 0x40, 0, 0x04};
  in.groupBytes = {0x3A, 0x25};
  raw = encodeRawProfile(in);
  ASSERT_EQ(raw.size(), 5u + 3 * 7);  // padded to three groups
  r = makeRecord();
  ASSERT_TRUE(storeRawProfile(r, raw, false));
  expandProfile(r, false);
  const double expect[] = {0.9375, 5.0, 12.34375, 20.0, 159.84375, 2.96875, 0.46875};
  for (int i = 0; i < 7; ++i) EXPECT_FLOAT_EQ(r.samples[i + 1].depth, -expect[i]) << i;
  EXPECT_EQ(r.samples[1].sampleFlags, 0x20);
  EXPECT_EQ(r.samples[3].sampleFlags, 0x3F);  // only six bits travel
  EXPECT_EQ(r.samples[5].sampleFlags, 0x04);
  EXPECT_EQ(r.samples[3].level3, 9);           // b = 3 x 3
  EXPECT_EQ(r.samples[3].level6, 12);          // c = 2 x 6
  EXPECT_EQ(r.samples[3].accumulated, 6);      // a set

  // gas kind 2: six header bytes and two group bytes, same readings
  in.gasKind2 = true;
  raw = encodeRawProfile(in);
  ASSERT_EQ(raw.size(), 6u + 3 * 8);
  DiveRecord o2 = makeRecord();
  ASSERT_TRUE(storeRawProfile(o2, raw, true));
  EXPECT_EQ(o2.profileLength, static_cast<int16_t>(19 + raw.size()));
  expandProfile(o2, true);
  for (int i = 0; i < 7; ++i) EXPECT_FLOAT_EQ(o2.samples[i + 1].depth, r.samples[i + 1].depth) << i;
  EXPECT_EQ(o2.samples[3].level3, 9);

  EXPECT_EQ(depthCode(-3.0), 0);
  EXPECT_EQ(depthCode(500.0), 1023);
  DiveRecord big = makeRecord();
  EXPECT_FALSE(storeRawProfile(big, std::vector<uint8_t>(RAW_PROFILE_SIZE + 1, 1), false));
  EXPECT_EQ(big.profileLength, 0);
}

TEST(RawProfileEncoding, HandMadeProfileCarriesTheMarker) {
  DiveRecord r = makeRecord();
  EXPECT_FALSE(storeHandMadeProfile(r, {5.0}));  // no dive time, no profile
  r.diveTime = 10;
  ASSERT_TRUE(storeHandMadeProfile(r, {1.3, 4.63, 7.96, 10.0, 10.0, 10.0}));
  EXPECT_TRUE(isHandMadeProfile(r));
  EXPECT_EQ(profileKind(r), ProfileKind::HandMade);
  EXPECT_EQ(r.altitudeClass, 1);
  EXPECT_EQ(r.profileLength, 17 + 5 + 13 * 7);
  expandProfile(r, false);
  EXPECT_FLOAT_EQ(r.samples[2].depth, -static_cast<int>(4.63 * 6.4) / 6.4f);
  EXPECT_EQ(r.samples[2].sampleFlags, 0x20);
  EXPECT_FLOAT_EQ(r.profileMaxDepth, 10.0f);
}
