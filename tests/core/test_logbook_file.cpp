#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/computer_models.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/demo_logbook.h"
#include "core/texts.h"
#include "decimal_comma_locale.h"
#include "tests/test_support.h"

using namespace kelp;
using kelp::test::readFile;
using kelp::test::ScratchDir;
using kelp::test::writeFile;
namespace fs = std::filesystem;

namespace {

// Little-endian bytes written by hand, the way the files lay them out.
struct Bytes {
  std::string s;
  Bytes& u8(int v) {
    s.push_back(static_cast<char>(v & 0xFF));
    return *this;
  }
  Bytes& u16(int v) { return u8(v).u8(v >> 8); }
  Bytes& u32(uint32_t v) { return u16(static_cast<int>(v & 0xFFFF)).u16(static_cast<int>(v >> 16)); }
  Bytes& text(const std::string& t) {
    u8(static_cast<int>(t.size()));
    s += t;
    return *this;
  }
  Bytes& raw(const std::vector<uint8_t>& v) {
    for (uint8_t b : v) u8(b);
    return *this;
  }
  Bytes& zeros(size_t n) {
    s.append(n, '\0');
    return *this;
  }
};

struct EntrySpec {
  int32_t date = 0;
  int tod = 600;
  std::string location = "Lago", site = "Punta", other, buddies, notes;
  int diveTime = 40;
  int number = 1;
  int computerType = 0;
  int profileLength = 0;               // as written
  std::vector<uint8_t> profileBytes;   // header byte, header, [gas], raw: written as they are
};

void entry(Bytes& b, const EntrySpec& e) {
  b.u16(160).u32(static_cast<uint32_t>(e.date)).u16(e.tod).text(e.location).text(e.site);
  b.u8(2).u16(95).u8(3).u16(2150).u8(4).u16(1200).u16(3250).u16(e.diveTime).u16(1400).u16(18000);
  b.u16(0x0084).u16(0x0011).text(e.other).text(e.buddies).text(e.notes);
  b.u16(0x0009).u16(e.number).u32(0xA1B2C3D4u).u8(e.computerType).u8(1);
  for (int i = 1; i <= 6; ++i) b.u8(i);
  b.u16(e.profileLength).raw(e.profileBytes);
}

Bytes logHeader(int count, uint32_t reserved = 0, int wordA = 100, int wordB = 20) {
  Bytes b;
  b.u16(161).u32(reserved).u16(count).u16(wordA).u16(wordB);
  return b;
}

// Profile block bytes: header byte 0x55, header words 1..8, optional gas setting, raw bytes.
std::vector<uint8_t> profileBlock(const std::vector<uint8_t>& raw, bool gas) {
  std::vector<uint8_t> v{0x55};
  for (int w = 1; w <= 8; ++w) {
    v.push_back(static_cast<uint8_t>(w));
    v.push_back(0);
  }
  if (gas) {
    v.push_back(0x32);
    v.push_back(0x01);
  }
  v.insert(v.end(), raw.begin(), raw.end());
  return v;
}

// A raw profile: header, `groups` groups of three 10 m readings, group byte(s).
std::vector<uint8_t> rawGroups(int groups, bool gasKind2, int depthValue = 64) {
  std::vector<uint8_t> raw(gasKind2 ? 6 : 5, 0x11);
  for (int g = 0; g < groups; ++g) {
    for (int k = 0; k < 3; ++k) {
      raw.push_back(static_cast<uint8_t>(depthValue >> 2));
      raw.push_back(static_cast<uint8_t>(((depthValue & 3) << 6) | (k == 1 ? 0x21 : 0)));
    }
    raw.push_back(0x3A);
    if (gasKind2) raw.push_back(0x7E);
  }
  return raw;
}

Bytes addHeader(int count) {
  Bytes b;
  b.u32(594).u32(110).u32(static_cast<uint32_t>(count));
  return b;
}

void addEntry(Bytes& b, const std::string& notesMore, int weight, int visibility, int avgCm, int material,
              int moreActivities, int startPressure, const std::string& suit) {
  std::string nm = notesMore;
  nm.resize(256, '\0');
  std::string st = suit;
  st.resize(282, '\0');
  b.s += nm;
  b.u16(weight).u16(visibility).u16(avgCm).u16(material).u16(moreActivities).u16(startPressure);
  b.s += st;
  b.zeros(300);
}

// Three dives: by hand, a Nitrox computer (gas setting present), an O2 computer (gas kind 2).
Bytes threeDiveLog() {
  Bytes b = logHeader(3, 0x01020304u, 100, 21);
  EntrySpec e1;
  e1.date = dayNumber(1, 6, 2020);
  e1.buddies = "Anna, Bruno";
  e1.other = "Solo-TG, Foto";
  e1.notes = "calma";
  e1.number = 101;
  entry(b, e1);
  EntrySpec e2 = e1;
  e2.date = dayNumber(2, 6, 2020);
  e2.number = 102;
  e2.computerType = 244;
  e2.profileBytes = profileBlock(rawGroups(1, false), true);
  e2.profileLength = static_cast<int>(e2.profileBytes.size());
  entry(b, e2);
  EntrySpec e3 = e1;
  e3.date = dayNumber(3, 6, 2020);
  e3.number = 103;
  e3.diveTime = NO_VALUE;
  e3.computerType = 164;
  e3.profileBytes = profileBlock(rawGroups(2, true, 128), true);
  e3.profileLength = static_cast<int>(e3.profileBytes.size());
  entry(b, e3);
  return b;
}

// A varied dive for the round trips.
DiveRecord variedDive(int i) {
  DiveRecord r = makeRecord();
  r.date = dayNumber(1 + i % 28, 1 + i % 12, 1995 + i % 30);
  r.timeOfDay = static_cast<int16_t>(i % 3 ? 480 + i : NO_VALUE);
  setText(r.location, utf8ToStored(i % 2 ? "Lago di Garda" : "Côte d'Azur"));
  setText(r.site, std::string(60, static_cast<char>('a' + i % 26)));
  r.altitudeClass = static_cast<uint8_t>(i % 5);
  r.surfaceInterval = static_cast<int16_t>(i * 7);
  r.weather = static_cast<uint8_t>(i % 7);
  r.airTemperature = static_cast<int16_t>(-500 + i * 13);
  r.suit = static_cast<uint8_t>(i % 7);
  r.tankSize = static_cast<int16_t>(i % 4 ? 1000 + i : NO_VALUE);
  r.maxDepth = static_cast<int16_t>(i % 5 ? 100 * i : -1);
  r.diveTime = static_cast<int16_t>(i % 6 ? 30 + i : NO_VALUE);
  r.minWaterTemperature = static_cast<int16_t>(400 + i);
  r.airConsumed = static_cast<int16_t>(i % 3 ? 15000 + i : NO_VALUE);
  r.diveTypeFlags = static_cast<uint16_t>(0x0300 | i);
  r.activityFlags = static_cast<uint16_t>(0x1FFF & (i * 37));
  setText(r.otherActivities, i % 2 ? "Foto; Solo" : "");
  setText(r.buddies, "Anna & Bruno + Carla");
  setNotes(r, std::string(static_cast<size_t>(i * 23 % 500), 'n'));
  r.warningFlags = static_cast<uint16_t>(i);
  r.diveNumber = static_cast<uint16_t>(i + 1);
  r.computerDiveId = 0xDEAD0000u + static_cast<uint32_t>(i);
  static const uint8_t types[] = {0, 30, 244, 164, 255, 177};
  r.computerType = types[i % 6];
  r.computerFlags = static_cast<uint8_t>(i & 1);
  for (int k = 0; k < 6; ++k) r.computerData[k] = static_cast<uint8_t>(i + k);
  if (r.computerType != 0) {
    const bool gas2 = computerModels().gasKind(r.computerType) == 2;
    const bool withGas = computerModels().hasGasSetting(r.computerType);
    std::vector<uint8_t> raw = rawGroups(1 + i * 3 % 200, gas2, 10 + i * 7 % 900);
    if (i == 5) raw.assign(RAW_PROFILE_SIZE, 0x5C);  // a full raw field
    std::memcpy(r.rawProfile, raw.data(), raw.size());
    r.profileLength = static_cast<int16_t>(17 + (withGas ? 2 : 0) + raw.size());
    r.profileHeaderByte = static_cast<uint8_t>(i);
    for (int k = 0; k < 8; ++k) r.profileHeader[k] = static_cast<uint16_t>(i * 100 + k);
    if (withGas) r.gasSetting = static_cast<uint16_t>(21 + i);
    expandProfile(r, gas2);
  }
  const int cm = i % 4 ? 300 + i * 11 : 0;
  r.avgDepthCm = static_cast<int16_t>(cm);
  r.avgDepth = cm ? static_cast<float>(cm * 0.01) : 0.0f;
  r.weight = static_cast<int16_t>(i % 2 ? 400 + i : NO_VALUE);
  r.visibility = static_cast<int16_t>(i % 3 ? 800 : NO_VALUE);
  r.tankMaterial = static_cast<uint16_t>(i % 3);
  r.moreActivityFlags = static_cast<uint16_t>(0x0FFF & (i * 91));
  r.startPressure = static_cast<int16_t>(i % 2 ? 20000 : NO_VALUE);
  setText(r.suitDescription, utf8ToStored("Muta semistagna 7mm n°") + std::to_string(i));
  return r;
}

void expectSameDive(const DiveRecord& a, const DiveRecord& b, int i) {
  Logbook la, lb;
  la.assignDives({a});
  lb.assignDives({b});
  EXPECT_EQ(la.serializeLog(), lb.serializeLog()) << "dive " << i;
  EXPECT_EQ(la.serializeAdd(), lb.serializeAdd()) << "dive " << i;
  EXPECT_EQ(a.sampleCount, b.sampleCount) << i;
  EXPECT_EQ(std::memcmp(a.samples, b.samples, sizeof a.samples), 0) << i;
  EXPECT_EQ(a.profileMaxDepth, b.profileMaxDepth) << i;
  EXPECT_EQ(a.profileAvgDepth, b.profileAvgDepth) << i;
  EXPECT_EQ(a.avgDepth, b.avgDepth) << i;
  EXPECT_EQ(a.avgDepthCm, b.avgDepthCm) << i;
  EXPECT_EQ(a.sac, b.sac) << i;
  EXPECT_EQ(std::memcmp(a.rawProfile, b.rawProfile, sizeof a.rawProfile), 0) << i;
}

}  // namespace

TEST(LogbookFile, ReadsHandBuiltFile) {
  Bytes log = logHeader(3, 0x01020304u, 100, 21);
  EntrySpec e1;
  e1.date = dayNumber(1, 6, 2020);
  e1.location = std::string(60, 'L') + std::string(15, 'x');  // 75 characters in the file
  e1.buddies = "Anna, Bruno";
  e1.other = "Solo-TG, Foto";
  e1.notes = "calma";
  e1.number = 101;
  entry(log, e1);
  {
    EntrySpec e2 = e1;
    e2.location = "Lago";
    e2.date = dayNumber(2, 6, 2020);
    e2.number = 102;
    e2.computerType = 244;
    e2.profileBytes = profileBlock(rawGroups(1, false), true);
    e2.profileLength = static_cast<int>(e2.profileBytes.size());
    entry(log, e2);
    EntrySpec e3 = e2;
    e3.number = 103;
    e3.diveTime = NO_VALUE;
    e3.computerType = 164;
    e3.profileBytes = profileBlock(rawGroups(2, true, 128), true);
    e3.profileLength = static_cast<int>(e3.profileBytes.size());
    entry(log, e3);
  }

  Logbook lb;
  ASSERT_TRUE(lb.loadFromBytes("/data/dives/Mare.log", log.s, nullptr));
  EXPECT_EQ(lb.diveCount(), 3);
  EXPECT_EQ(lb.headerReserved, 0x01020304u);
  EXPECT_EQ(lb.headerWordA, 100);
  EXPECT_EQ(lb.headerWordB, 21);
  EXPECT_EQ(lb.currentPosition, 3);
  EXPECT_EQ(lb.firstDiveNumber, 101);
  EXPECT_EQ(lb.path, "/data/dives/Mare.log");
  EXPECT_EQ(lb.addPath, "/data/dives/Mare.add");
  EXPECT_EQ(lb.infPath, "/data/dives/Mare.inf");
  EXPECT_EQ(lb.prgPath, "/data/dives/Mare.prg");
  EXPECT_EQ(lb.trpPath, "/data/dives/Mare.trp");
  EXPECT_EQ(settings().lastLogbookPath, "/data/dives/Mare.log");
  EXPECT_FALSE(lb.modified);

  const DiveRecord& d = lb.dives()[0];
  EXPECT_EQ(getText(d.location), std::string(60, 'L'));
  EXPECT_EQ(getText(d.site), "Punta");
  EXPECT_EQ(d.date, dayNumber(1, 6, 2020));
  EXPECT_EQ(d.timeOfDay, 600);
  EXPECT_EQ(d.altitudeClass, 2);
  EXPECT_EQ(d.surfaceInterval, 95);
  EXPECT_EQ(d.weather, 3);
  EXPECT_EQ(d.airTemperature, 2150);
  EXPECT_EQ(d.suit, 4);
  EXPECT_EQ(d.tankSize, 1200);
  EXPECT_EQ(d.maxDepth, 3250);
  EXPECT_EQ(d.diveTime, 40);
  EXPECT_EQ(d.minWaterTemperature, 1400);
  EXPECT_EQ(d.airConsumed, 18000);
  EXPECT_EQ(d.diveTypeFlags, 0x0084);
  EXPECT_EQ(d.activityFlags, 0x0011);
  EXPECT_EQ(getText(d.otherActivities), "Solo-TG, Foto");
  EXPECT_EQ(getText(d.buddies), "Anna, Bruno");
  EXPECT_EQ(getText(d.notes), "calma");
  EXPECT_EQ(d.warningFlags, 9);
  EXPECT_EQ(d.diveNumber, 101);
  EXPECT_EQ(d.computerDiveId, 0xA1B2C3D4u);
  EXPECT_EQ(d.computerFlags, 1);
  EXPECT_EQ(d.computerData[5], 6);
  EXPECT_EQ(d.profileLength, 0);
  EXPECT_EQ(d.sampleCount, 0);
  // No .add file: the extended fields are empty.
  EXPECT_EQ(d.weight, NO_VALUE);
  EXPECT_EQ(d.visibility, NO_VALUE);
  EXPECT_EQ(d.startPressure, NO_VALUE);
  EXPECT_EQ(d.avgDepth, 0.0f);

  const DiveRecord& n = lb.dives()[1];  // Nitrox model: gas setting before the raw bytes
  EXPECT_EQ(n.profileHeaderByte, 0x55);
  EXPECT_EQ(n.profileHeader[7], 8);
  EXPECT_EQ(n.gasSetting, 0x0132);
  EXPECT_EQ(n.rawProfile[0], 0x11);
  // The loop bound counts the gas setting's two bytes as raw data: three zero readings follow.
  EXPECT_EQ(n.sampleCount, 7);
  EXPECT_FLOAT_EQ(n.profileMaxDepth, 10.0f);
  EXPECT_EQ(n.samples[2].sampleFlags, 0x21);
  EXPECT_GT(n.sac, 0.0f);

  const DiveRecord& o = lb.dives()[2];  // O2 model: 6-byte raw header, two group bytes
  EXPECT_EQ(o.gasSetting, 0x0132);
  EXPECT_FLOAT_EQ(o.profileMaxDepth, 20.0f);
  EXPECT_EQ(o.sampleCount, 10);

  EXPECT_EQ(lb.totalDiveTime, 80);
  EXPECT_FLOAT_EQ(lb.averageSac, (n.sac + o.sac) / 2);
  EXPECT_EQ(lb.averageSacUpdated, 1);
  EXPECT_EQ(lb.buddyList.count(), 2);
  EXPECT_EQ(lb.buddyList.useCount(0), 3);
  ASSERT_EQ(lb.otherActivityList.count(), 1);  // the special activity is not offered
  EXPECT_EQ(lb.otherActivityList.get(0), "Foto");
  EXPECT_EQ(lb.tankSizeList.count(), 1);
  EXPECT_EQ(lb.locationList.count(), 2);
}

TEST(LogbookFile, WriterIsByteExact) {
  const Bytes log = threeDiveLog();
  Bytes add = addHeader(3);
  addEntry(add, "ancora", 850, 1200, 1234, 2, 0x0102, 20000, "Semistagna");
  addEntry(add, "", NO_VALUE, NO_VALUE, 0, 0, 0, NO_VALUE, "");
  addEntry(add, "x", 1, 2, 3, 1, 0x0800, 4, "y");
  Logbook lb;
  ASSERT_TRUE(lb.loadFromBytes("a.log", log.s, &add.s));
  EXPECT_EQ(lb.serializeLog(), log.s);
  EXPECT_EQ(lb.serializeAdd(), add.s);

  const DiveRecord& d = lb.dives()[0];
  EXPECT_EQ(getText(d.notesMore), "ancora");
  EXPECT_EQ(getNotes(d), "calmaancora");
  EXPECT_EQ(d.weight, 850);
  EXPECT_EQ(d.visibility, 1200);
  EXPECT_EQ(d.avgDepthCm, 1234);
  EXPECT_FLOAT_EQ(d.avgDepth, 12.34f);
  EXPECT_EQ(d.tankMaterial, 2);
  EXPECT_EQ(d.moreActivityFlags, 0x0102);
  EXPECT_EQ(d.startPressure, 20000);
  EXPECT_EQ(getText(d.suitDescription), "Semistagna");
  EXPECT_EQ(lb.suitList.count(), 2);
}

TEST(LogbookFile, ShortAddFileLeavesLaterDivesEmpty) {
  const Bytes log = threeDiveLog();
  Bytes add = addHeader(3);
  addEntry(add, "uno", 850, 1200, 0, 2, 0, 20000, "");
  add.s += std::string(400, 'q');  // second entry cut inside its block
  Logbook lb;
  ASSERT_TRUE(lb.loadFromBytes("a.log", log.s, &add.s));
  EXPECT_EQ(lb.dives()[0].weight, 850);
  for (int i : {1, 2}) {
    EXPECT_EQ(lb.dives()[i].weight, NO_VALUE);
    EXPECT_EQ(lb.dives()[i].startPressure, NO_VALUE);
    EXPECT_EQ(getText(lb.dives()[i].notesMore), "");
  }
}

TEST(LogbookFile, AvgDepthIsTruncatedToCentimetres) {
  Logbook lb;
  DiveRecord r = makeRecord();
  r.avgDepth = 12.345f;
  lb.assignDives({r});
  const std::string add = lb.serializeAdd();
  ASSERT_EQ(add.size(), 12u + 850u);
  EXPECT_EQ(static_cast<uint8_t>(add[12 + 260]) | (static_cast<uint8_t>(add[12 + 261]) << 8), 1234);
  Logbook back;
  ASSERT_TRUE(back.loadFromBytes("a.log", lb.serializeLog(), &add));
  EXPECT_FLOAT_EQ(back.dives()[0].avgDepth, 12.34f);
}

TEST(LogbookFile, MalformedProfileLengthsStayAligned) {
  Bytes log = logHeader(4);
  EntrySpec shortProfile;
  shortProfile.computerType = 30;
  shortProfile.profileLength = 10;  // below its own 17-byte header
  shortProfile.profileBytes = profileBlock({}, false);
  entry(log, shortProfile);
  EntrySpec longProfile;
  longProfile.computerType = 30;
  longProfile.profileLength = 17 + 1700;  // raw part beyond the field
  longProfile.profileBytes = profileBlock(std::vector<uint8_t>(1700, 0xC3), false);
  entry(log, longProfile);
  EntrySpec negative;
  negative.computerType = 244;
  negative.profileLength = -3;
  negative.profileBytes = profileBlock({}, true);
  entry(log, negative);
  EntrySpec next;
  next.site = "Dopo";
  next.number = 9;
  entry(log, next);

  Logbook lb;
  ASSERT_TRUE(lb.loadFromBytes("m.log", log.s, nullptr));
  ASSERT_EQ(lb.diveCount(), 4);
  EXPECT_EQ(lb.dives()[0].profileLength, 17);
  EXPECT_EQ(lb.dives()[1].profileLength, 17 + RAW_PROFILE_SIZE);
  EXPECT_EQ(lb.dives()[1].rawProfile[RAW_PROFILE_SIZE - 1], 0xC3);
  EXPECT_EQ(lb.dives()[1].sampleCount, MAX_SAMPLES - 1);
  EXPECT_EQ(lb.dives()[2].profileLength, 19);
  EXPECT_EQ(lb.dives()[2].gasSetting, 0x0132);
  EXPECT_EQ(getText(lb.dives()[3].site), "Dopo");
  EXPECT_EQ(lb.dives()[3].diveNumber, 9);

  // What is written back describes its own bytes and loads the same way.
  Logbook again;
  ASSERT_TRUE(again.loadFromBytes("m.log", lb.serializeLog(), nullptr));
  EXPECT_EQ(again.serializeLog(), lb.serializeLog());
}

TEST(LogbookFile, WrongVersionIsAnErrorAndKeepsTheLogbook) {
  Logbook lb;
  ASSERT_TRUE(lb.loadFromBytes("/x/buono.log", threeDiveLog().s, nullptr));
  Bytes bad = threeDiveLog();
  bad.s[0] = static_cast<char>(160);
  Result r = lb.loadFromBytes("/x/vecchio.log", bad.s, nullptr);
  EXPECT_FALSE(r);
  EXPECT_NE(r.error.find("/x/vecchio.log"), std::string::npos);
  EXPECT_NE(r.error.find("160"), std::string::npos);
  EXPECT_EQ(lb.diveCount(), 3);
  EXPECT_EQ(lb.path, "/x/buono.log");
  EXPECT_EQ(settings().lastLogbookPath, "/x/buono.log");
}

TEST(LogbookFile, FileEndingInsideAnEntryIsAnErrorAndKeepsTheLogbook) {
  Logbook lb;
  ASSERT_TRUE(lb.loadFromBytes("/x/buono.log", threeDiveLog().s, nullptr));
  const std::string before = lb.serializeLog();
  const std::string full = threeDiveLog().s;
  for (size_t cut = 0; cut < full.size(); ++cut) {
    Result r = lb.loadFromBytes("/x/rotto.log", full.substr(0, cut), nullptr);
    ASSERT_FALSE(r) << cut;
    ASSERT_FALSE(r.error.empty());
    ASSERT_EQ(lb.path, "/x/buono.log") << cut;
    ASSERT_EQ(lb.diveCount(), 3) << cut;
  }
  EXPECT_EQ(lb.serializeLog(), before);
  // A count far beyond the bytes present fails before allocating the dives.
  Bytes huge = logHeader(32767);
  EXPECT_FALSE(lb.loadFromBytes("/x/h.log", huge.s, nullptr));
  Bytes negative = logHeader(0x8000);
  EXPECT_FALSE(lb.loadFromBytes("/x/n.log", negative.s, nullptr));
  EXPECT_EQ(lb.diveCount(), 3);
}

TEST(LogbookFile, SaveAndLoadRoundTrip) {
  const ScratchDir scratch("kelp-logbook");
  const std::string dir = scratch.path().string();
  ASSERT_FALSE(dir.empty());
  settings().extended = 0;  // the .add file is written all the same
  Logbook lb;
  lb.newLogbook();
  lb.headerReserved = 77;
  lb.headerWordA = 5;
  {
    std::vector<DiveRecord> v;
    for (int i = 0; i < 40; ++i) v.push_back(variedDive(i));
    lb.assignDives(v);
  }
  lb.rebuildTotals(true);
  lb.modified = true;
  const std::string path = dir + "/Viaggi.log";
  ASSERT_TRUE(lb.saveFile(path));
  EXPECT_FALSE(lb.modified);
  EXPECT_EQ(lb.path, path);
  EXPECT_EQ(lb.addPath, dir + "/Viaggi.add");
  EXPECT_EQ(settings().lastLogbookPath, path);
  EXPECT_TRUE(fs::exists(dir + "/Viaggi.add"));

  Logbook back;
  ASSERT_TRUE(back.loadFile(path));
  ASSERT_EQ(back.diveCount(), 40);
  EXPECT_EQ(back.headerReserved, 77u);
  EXPECT_EQ(back.headerWordA, 5);
  for (int i = 0; i < 40; ++i) expectSameDive(lb.dives()[static_cast<size_t>(i)], back.dives()[static_cast<size_t>(i)], i);
  EXPECT_EQ(back.totalDiveTime, lb.totalDiveTime);
  EXPECT_FLOAT_EQ(back.averageSac, lb.averageSac);
  EXPECT_EQ(back.buddyList.texts(), lb.buddyList.texts());
  EXPECT_EQ(back.otherActivityList.texts(), lb.otherActivityList.texts());
  EXPECT_EQ(back.suitList.texts(), lb.suitList.texts());
  EXPECT_EQ(back.tankSizeList.texts(), lb.tankSizeList.texts());

  // After an insertion the .add entries still follow their dives.
  DiveRecord first = variedDive(3);
  first.date = dayNumber(1, 1, 1980);
  first.weight = 1111;
  ASSERT_TRUE(back.insert(first));
  ASSERT_TRUE(back.saveFile(path));
  Logbook third;
  ASSERT_TRUE(third.loadFile(path));
  EXPECT_EQ(third.dives()[0].weight, 1111);
  EXPECT_EQ(third.dives()[1].weight, back.dives()[1].weight);
  EXPECT_EQ(getText(third.dives()[40].suitDescription), getText(back.dives()[40].suitDescription));
  settings().extended = 1;
}

TEST(LogbookFile, FailedSaveKeepsThePreviousFiles) {
  const ScratchDir scratch("kelp-logbook");
  const std::string dir = scratch.path().string();
  Logbook lb;
  lb.newLogbook();
  {
    std::vector<DiveRecord> v;
    for (int i = 0; i < 3; ++i) v.push_back(variedDive(i));
    lb.assignDives(v);
  }
  const std::string path = dir + "/Log.log";
  ASSERT_TRUE(lb.saveFile(path));
  const std::string logBefore = readFile(path);
  const std::string addBefore = readFile(dir + "/Log.add");

  // The .add cannot be replaced: nothing of the logbook may change on disk.
  fs::rename(dir + "/Log.add", dir + "/kept.add");
  fs::create_directory(dir + "/Log.add");
  fs::create_directory(dir + "/Log.add/inside");
  ASSERT_TRUE(lb.insert(variedDive(9)));
  Result r = lb.saveFile(path);
  EXPECT_FALSE(r);
  EXPECT_NE(r.error.find("Log.add"), std::string::npos);
  EXPECT_EQ(readFile(path), logBefore);
  EXPECT_EQ(readFile(dir + "/kept.add"), addBefore);
  int files = 0;
  for (const auto& e : fs::directory_iterator(dir)) files += e.is_regular_file();
  EXPECT_EQ(files, 2);  // no temporary files left behind

  // A folder that does not exist.
  Result missing = lb.saveFile(dir + "/nessuna/x.log");
  EXPECT_FALSE(missing);
  EXPECT_EQ(lb.path, path);
}

TEST(LogbookFile, NewLoadMissingAndReload) {
  Logbook lb;
  lb.newLogbook();
  EXPECT_EQ(lb.path, "Senzanome.log");
  EXPECT_EQ(lb.diveCount(), 0);
  EXPECT_EQ(lb.currentPosition, 0);
  EXPECT_TRUE(lb.changes.listChanged);

  const ScratchDir scratch("kelp-logbook");
  const std::string dir = scratch.path().string();
  EXPECT_FALSE(lb.loadFile(dir + "/manca.log"));
  EXPECT_EQ(lb.path, "Senzanome.log");

  writeFile(dir + "/r.log", threeDiveLog().s);
  ASSERT_TRUE(lb.loadFile(dir + "/r.log"));
  lb.remove(1);
  {
    DiveRecord changed = lb.get(1);
    changed.diveTime = 1;
    lb.put(1, changed);
  }
  ASSERT_TRUE(lb.reload());  // unsaved changes are dropped
  EXPECT_EQ(lb.diveCount(), 3);
  EXPECT_EQ(lb.dives()[1].diveTime, 40);

  Logbook fresh;
  fresh.newLogbook();
  ASSERT_TRUE(fresh.insert(makeRecord()));
  ASSERT_TRUE(fresh.reload());  // never saved: a new logbook again
  EXPECT_EQ(fresh.diveCount(), 0);
}

TEST(LogbookFile, BytesIgnoreTheProcessLocale) {
  const Logbook demo = makeDemoLogbook(40, 3);
  const std::string log = demo.serializeLog(), add = demo.serializeAdd();
  DecimalCommaLocale loc;
  if (!loc.active()) GTEST_SKIP() << "no decimal-comma locale installed";
  const Logbook again = makeDemoLogbook(40, 3);
  EXPECT_EQ(again.serializeLog(), log);
  EXPECT_EQ(again.serializeAdd(), add);
  Logbook back;
  ASSERT_TRUE(back.loadFromBytes("/x/d.log", log, &add));
  EXPECT_EQ(back.serializeLog(), log);
  EXPECT_EQ(back.serializeAdd(), add);
  EXPECT_EQ(back.tankSizeList.texts(), demo.tankSizeList.texts());
  for (const std::string& t : back.tankSizeList.texts()) EXPECT_EQ(t.find(','), std::string::npos) << t;
}


TEST(LogbookFile, SaveKeepsPermissionsAndANewLogbookReloadsNothing) {
  const ScratchDir scratch("kelp-logbook");
  const std::string dir = scratch.path().string();
  ASSERT_FALSE(dir.empty());
  Logbook lb;
  lb.newLogbook();
  lb.assignDives({variedDive(1)});
  const std::string path = dir + "/Perm.log";
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ASSERT_TRUE(lb.saveFile(path));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0666u & ~mask);
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(lb.saveFile(path));  // replaced through a temporary file, mode kept
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);

  // An unsaved logbook is named "Senzanome.log"; a file of that name in the
  // working folder is not its file.
  writeFile(dir + "/Senzanome.log", threeDiveLog().s);
  const fs::path cwd = fs::current_path();
  fs::current_path(dir);
  Logbook fresh;
  fresh.newLogbook();
  ASSERT_TRUE(fresh.insert(makeRecord()));
  const bool reloaded = static_cast<bool>(fresh.reload());
  fs::current_path(cwd);
  EXPECT_TRUE(reloaded);
  EXPECT_EQ(fresh.diveCount(), 0);
  EXPECT_EQ(fresh.path, "Senzanome.log");
}
