#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>

#include "core/computer_models.h"
#include "core/demo_logbook.h"
#include "core/logbook_history.h"
#include "core/settings.h"
#include "core/string_list.h"
#include "core/strings.h"
#include "core/texts.h"
#include "records/book_date.h"
#include "transfer/uddf_export.h"
#include "transfer/uddf_import.h"
#include "tests/test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {

// What the logbook shows of a dive: every field as the main form formats it, and the expanded
// samples (depth and flag bits; `flagMask` keeps the bits a UDDF file carries).
std::string shown(const DiveRecord& r, unsigned flagMask = 0x3F) {
  auto t = [](const auto& field) { return storedToUtf8(getText(field)); };
  std::string s = formatDateLong(r.date) + "|" + formatMinutes(r.timeOfDay) + "|" + t(r.location) + "|" + t(r.site) +
                  "|" + formatComputerType(r.computerType) + "|" + formatProfileKind(r) + "|" +
                  altitudeText(r.altitudeClass) + "|" + formatMinutes(r.surfaceInterval) + "|" +
                  weatherText(r.weather) + "|" + formatAirTemperature(r.airTemperature) + "|" + suitText(r.suit) +
                  "|" + formatTankSize(r.tankSize) + "|" + formatMaxDepth(r) + "|" + formatAvgDepth(r) + "|" +
                  formatMinutes(r.diveTime) + "|" + formatWaterTemperature(r.minWaterTemperature) + "|" +
                  formatPressure(r.airConsumed) + "|" + formatSac(r.sac) + "|" + formatPressure(r.startPressure) +
                  "|" + formatVisibility(r.visibility) + "|" + formatWeight(r.weight) + "|" +
                  tankMaterialText(r.tankMaterial) + "|" + t(r.suitDescription) + "|" + diveTypeText(r) + "|" +
                  activitiesText(r) + "|" + t(r.otherActivities) + "|" + warningsText(r) + "|" + t(r.buddies) +
                  "|" + formatNotes(r) + "|" + std::to_string(r.diveNumber) + "|" + std::to_string(r.sampleCount) +
                  "|" + format("%.6f|%.6f", r.profileMaxDepth, r.profileAvgDepth) + "\n";
  for (int i = 0; i < r.sampleCount && i < MAX_SAMPLES; ++i)
    s += format("%.5f/%u ", -r.samples[i].depth, unsigned(r.samples[i].sampleFlags & flagMask));
  return s;
}

// The logbook as its files give it back.
Logbook reloaded(Logbook& lb, const std::string& path) {
  EXPECT_TRUE(lb.saveFile(path).ok);
  Logbook back;
  EXPECT_TRUE(back.loadFile(path).ok) << path;
  return back;
}

UddfImport read(const std::string& xml, Result* result = nullptr) {
  UddfImport found;
  Result r = readUddfBytes("prova.uddf", xml, found);
  if (result) *result = r;
  else EXPECT_TRUE(r.ok) << r.error;
  return found;
}

// Exports a logbook, reads it back into an empty logbook and returns that one as its files
// give it back.
Logbook roundTrip(Logbook& original, const ScratchDir& dir, UddfImport* found = nullptr) {
  UddfOptions o;
  o.generatedAt = "2024-06-01T12:00:00";
  const std::string bytes = uddfDocument(original, o);
  UddfImport f;
  Result r = readUddfBytes("kelp.uddf", bytes, f);
  EXPECT_TRUE(r.ok) << r.error;
  Logbook imported;
  imported.newLogbook();
  classifyUddfDives(imported, f);
  EXPECT_TRUE(insertUddfDives(imported, f).ok);
  if (found) *found = f;
  return reloaded(imported, dir.file("imported.log"));
}

void expectSameDives(const Logbook& a, const Logbook& b, unsigned flagMask) {
  ASSERT_EQ(a.diveCount(), b.diveCount());
  for (int i = 0; i < a.diveCount(); ++i)
    EXPECT_EQ(shown(a.dives()[i], flagMask), shown(b.dives()[i], flagMask)) << "dive at position " << i + 1;
}

// The sample flags the export writes as alarms (bits 1 to 4).
constexpr unsigned kAlarmBits = 0x1E;

}  // namespace

// ---- Kelp's own files ----

TEST(UddfImport, TheDemoLogbookComesBackDiveForDiveAndSampleForSample) {
  ScratchDir dir;
  Logbook demo = makeDemoLogbook(120);
  // Buddy texts come back joined with ", " and each buddy once, as the export links them.
  demo.modifyEach([](int, DiveRecord& r) {
    std::string joined;
    for (const std::string& b : splitEntries(getText(r.buddies)))
      if (joined.find(b) == std::string::npos) joined += (joined.empty() ? "" : ", ") + b;
    setText(r.buddies, joined);
    return true;
  });
  Logbook original = reloaded(demo, dir.file("demo.log"));
  Logbook back = roundTrip(original, dir);
  expectSameDives(original, back, kAlarmBits);
}

TEST(UddfImport, HandBuiltDivesOfEveryKindComeBack) {
  ScratchDir dir;
  std::vector<DiveRecord> dives;

  // A dive computer's profile of a model with a gas setting, with alarms, below zero in the air.
  DiveRecord computer = diveOn(3, 2, 2010, 9 * 60 + 5, "Lago ghiacciato");
  setText(computer.location, utf8ToStored("Sottomarina àèìòù"));
  computer.computerType = 244;  // a Nitrox model
  computer.airTemperature = -1250;
  computer.minWaterTemperature = -150;
  computer.maxDepth = 2345;
  computer.diveTime = 21;
  computer.tankSize = 1500;
  computer.startPressure = 20000;
  computer.airConsumed = 9000;
  computer.weather = 6;
  computer.suit = 6;
  computer.altitudeClass = 2;
  computer.warningFlags = (1u << kWarnAscent) | (1u << kWarnDeco);
  setNitrox(computer, true);
  setText(computer.buddies, utf8ToStored("Jürgen Müller, Zoë"));
  setNotes(computer, utf8ToStored("Ghiaccio «spesso» & freddo: 2 °C\r\nSeconda riga"));
  RawProfileInput in;
  for (int i = 0; i < 62; ++i) {
    in.depths.push_back(i < 61 ? 2.0 + (i % 20) * 1.1 : 0.0);
    in.flags.push_back(i == 10 ? 0x04 : i == 11 ? 0x10 : 0);
  }
  in.depths.push_back(0);
  in.flags.push_back(0);
  storeRawProfile(computer, encodeRawProfile(in), computerModels().hasGasSetting(244));
  dives.push_back(computer);

  // A profile drawn by hand, imperial values entered.
  DiveRecord hand = diveOn(4, 2, 2010, 14 * 60, "Secca");
  hand.diveTime = 30;
  hand.maxDepth = 1800;
  hand.weight = 450;
  hand.visibility = 1200;
  hand.surfaceInterval = 95;
  hand.tankMaterial = 2;
  setText(hand.suitDescription, "Semistagna 7 mm");
  setText(hand.otherActivities, "Biologia");
  hand.activityFlags = (1u << 0) | (1u << 12);
  setThreeWay(hand.moreActivityFlags, 8, 0);
  ASSERT_TRUE(storeHandMadeProfile(hand, {0, 6, 12, 18, 18, 15, 12, 9, 6, 3, 0}));
  dives.push_back(hand);

  // No profile at all, notes running into the extended notes, a tank without pressures.
  DiveRecord plain = diveOn(5, 2, 2010, 23 * 60 + 59, "");
  setText(plain.location, "Portofino");
  plain.tankSize = 1000;
  plain.avgDepth = 7.25f;
  std::string longNotes;
  for (int i = 0; i < 40; ++i) longNotes += "Parola" + std::to_string(i) + " ";
  longNotes.pop_back();
  setNotes(plain, longNotes);
  dives.push_back(plain);

  Logbook lb = newLogbookWith(dives);
  lb.renumber(7);
  Logbook original = reloaded(lb, dir.file("hand.log"));
  for (int metric : {1, 0}) {
    settings().unitsMetric = metric;
    Logbook back = roundTrip(original, dir);
    expectSameDives(original, back, kAlarmBits);
  }
  settings().unitsMetric = 1;
}

TEST(UddfImport, SitesOfOlderAndNewerExportsSplitIntoLocationAndSite) {
  auto place = [](const std::string& name, const std::string& location) {
    const UddfImport f = read(
        "<uddf version='3.2.3'><generator><name>Kelp</name></generator><divesite><site id='s'><name>" + name +
        "</name><geography><location>" + location +
        "</location></geography></site></divesite><profiledata><repetitiongroup><dive>"
        "<informationbeforedive><link ref='s'/><datetime>2004-06-05T09:30:00</datetime></informationbeforedive>"
        "</dive></repetitiongroup></profiledata></uddf>");
    const DiveRecord& r = f.dives.at(0).record;
    return storedToUtf8(getText(r.location)) + "|" + storedToUtf8(getText(r.site));
  };
  EXPECT_EQ(place("Portofino, Cristo degli Abissi", "Portofino"), "Portofino|Cristo degli Abissi");
  EXPECT_EQ(place("Cristo degli Abissi", "Portofino"), "Portofino|Cristo degli Abissi");  // older exports
  EXPECT_EQ(place("Portofino", "Portofino"), "Portofino|");
  EXPECT_EQ(place("Secca", ""), "|Secca");
}

TEST(UddfImport, NoteLinesInEitherLanguageGoBackIntoTheirFieldsAndOthersStayNotes) {
  const UddfImport f = read(
      "<uddf><generator><name>Kelp</name></generator><profiledata><repetitiongroup><dive><informationbeforedive>"
      "<datetime>2004-06-05T09:30:00</datetime></informationbeforedive><informationafterdive><notes>"
      "<para>Meteo: " + weatherText(2) + "</para><para>Muta: nessuna idea</para><para>Meteo: " + weatherText(1) +
      "</para><para>Tank size: 15 l</para><para>" + str(62787) + ": " + tankMaterialText(2) +
      "</para></notes></informationafterdive></dive></repetitiongroup></profiledata></uddf>");
  const DiveRecord& r = f.dives.at(0).record;
  EXPECT_EQ(r.weather, 1);
  EXPECT_EQ(r.tankSize, 1500);
  EXPECT_EQ(r.tankMaterial, 2);
  EXPECT_EQ(r.suit, 0);
  // A suit the table does not know ends the labelled lines: it and what comes before are notes.
  EXPECT_EQ(storedToUtf8(getNotes(r)), "Meteo: " + weatherText(2) + "\r\nMuta: nessuna idea");
}

// ---- files of other programs ----

TEST(UddfImport, AFileWithoutNamespaceInVersion3_0) {
  const UddfImport f = read(R"(<?xml version="1.0" encoding="utf-8"?>
<uddf version="3.0.0">
  <generator><name>Altro Log</name><version>1.2</version></generator>
  <gasdefinitions><mix id="ean32"><name>EAN32</name><o2>0.32</o2><n2>0.68</n2></mix></gasdefinitions>
  <diver>
    <owner id="me"><personal><firstname>Io</firstname></personal></owner>
    <buddy id="b1"><personal><firstname>Anna</firstname><lastname>Rossi</lastname></personal></buddy>
    <buddy id="b2"><personal><firstname>Luca</firstname><middlename>M.</middlename><lastname>Neri</lastname></personal></buddy>
  </diver>
  <divesite><site id="st"><name>Elphinstone</name><geography><location>Mar Rosso</location></geography></site></divesite>
  <profiledata>
    <repetitiongroup id="g1">
      <dive id="d1">
        <informationbeforedive>
          <link ref="st"/><link ref="b1"/><link ref="b2"/>
          <divenumber>412</divenumber>
          <datetime>2012-10-03T08:15:42</datetime>
          <airtemperature>301.15</airtemperature>
          <equipmentused><leadquantity>4.5</leadquantity></equipmentused>
        </informationbeforedive>
        <tankdata><link ref="ean32"/><tankvolume>0.0111</tankvolume>
          <tankpressurebegin>20700000</tankpressurebegin><tankpressureend>5200000</tankpressureend></tankdata>
        <samples>
          <waypoint><depth>0</depth><divetime>0</divetime><temperature>299.15</temperature></waypoint>
          <waypoint><depth>5</depth><divetime>10</divetime></waypoint>
          <waypoint><depth>10</depth><divetime>20</divetime></waypoint>
          <waypoint><depth>20</depth><divetime>40</divetime><temperature>297.65</temperature></waypoint>
          <waypoint><depth>20</depth><divetime>50</divetime><alarm>ascent</alarm></waypoint>
          <waypoint><depth>0</depth><divetime>80</divetime></waypoint>
        </samples>
        <informationafterdive>
          <greatestdepth>20.0</greatestdepth><averagedepth>12.3</averagedepth>
          <diveduration>2580</diveduration><visibility>25</visibility>
          <notes><para>Squalo grigio.</para><para>Corrente forte.</para></notes>
        </informationafterdive>
      </dive>
      <dive id="d2">
        <informationbeforedive><datetime>2012-10-03T11:30:00</datetime>
          <surfaceintervalbeforedive><passedtime>5400</passedtime></surfaceintervalbeforedive>
        </informationbeforedive>
        <informationafterdive><greatestdepth>12.5</greatestdepth><diveduration>3000</diveduration>
          <lowesttemperature>298.15</lowesttemperature></informationafterdive>
      </dive>
    </repetitiongroup>
    <repetitiongroup><dive><informationbeforedive><datetime>2012-10-04T09:00</datetime></informationbeforedive></dive></repetitiongroup>
  </profiledata>
</uddf>)");
  ASSERT_EQ(f.dives.size(), 3u);
  EXPECT_EQ(f.generator, "Altro Log");
  const DiveRecord& a = f.dives[0].record;
  EXPECT_EQ(a.date, dayNumber(3, 10, 2012));
  EXPECT_EQ(a.timeOfDay, 8 * 60 + 15);
  EXPECT_EQ(a.diveNumber, 412);
  EXPECT_EQ(getText(a.location), "Mar Rosso");
  EXPECT_EQ(getText(a.site), "Elphinstone");
  EXPECT_EQ(getText(a.buddies), "Anna Rossi, Luca M. Neri");
  EXPECT_EQ(a.airTemperature, 2800);
  EXPECT_EQ(a.weight, 450);
  EXPECT_EQ(a.tankSize, 1110);
  EXPECT_EQ(a.startPressure, 20700);
  EXPECT_EQ(a.airConsumed, 15500);
  EXPECT_TRUE(isNitrox(a));
  EXPECT_EQ(a.maxDepth, 2000);
  EXPECT_FLOAT_EQ(a.avgDepth, 12.3f);
  EXPECT_EQ(a.diveTime, 43);
  EXPECT_EQ(a.visibility, 2500);
  EXPECT_EQ(a.minWaterTemperature, 2450);  // the coldest waypoint, for want of a lowest temperature
  EXPECT_EQ(getNotes(a), "Squalo grigio.\r\nCorrente forte.");
  // The profile, every 20 s: 10 m, 20 m, a third of the way up (with the ascent alarm of 50 s);
  // the surface at 80 s closes it.
  EXPECT_EQ(a.computerType, UDDF_IMPORT_TYPE);
  EXPECT_TRUE(computerModels().importSource(UDDF_IMPORT_TYPE));
  EXPECT_EQ(profileKind(a), ProfileKind::Computer);
  ASSERT_GE(a.sampleCount, 4);
  EXPECT_FLOAT_EQ(a.samples[0].depth, -1.3f);
  EXPECT_FLOAT_EQ(a.samples[1].depth, -10.0f);
  EXPECT_FLOAT_EQ(a.samples[2].depth, -20.0f);
  EXPECT_NEAR(a.samples[3].depth, -20.0 * 2 / 3, 0.16);
  EXPECT_EQ(a.samples[3].sampleFlags, 1u << 2);
  EXPECT_FLOAT_EQ(a.samples[4].depth, 0.0f);

  const DiveRecord& b = f.dives[1].record;
  EXPECT_EQ(b.surfaceInterval, 90);
  EXPECT_EQ(b.minWaterTemperature, 2500);
  EXPECT_EQ(b.profileLength, 0);
  EXPECT_EQ(b.computerType, 0);
  EXPECT_FALSE(isNitrox(b));
  EXPECT_EQ(f.dives[2].record.timeOfDay, 9 * 60);
  EXPECT_EQ(f.dives[2].status, UddfDiveStatus::New);
}

TEST(UddfImport, AFileWithNamespaceInVersion3_3ReadAsFarAsItCanBe) {
  const UddfImport f = read(R"(<u:uddf xmlns:u="http://www.streit.cc/uddf/3.2/" version="3.3.0">
  <u:diver><u:buddy id="b1"><u:personal><u:firstname>Zoë</u:firstname></u:personal></u:buddy></u:diver>
  <u:profiledata><u:repetitiongroup>
    <u:dive id="x"><u:informationbeforedive><u:link ref=""/><u:link ref="nessuno"/><u:link ref="b1"/>
      <u:datetime>2014-4-1T10:00:00.5+02:00</u:datetime><u:strano>?</u:strano></u:informationbeforedive>
      <u:informationafterdive><u:greatestdepth>abc</u:greatestdepth><u:diveduration>-5</u:diveduration></u:informationafterdive></u:dive>
    <u:dive id="senza"><u:informationbeforedive><u:divenumber>3</u:divenumber></u:informationbeforedive></u:dive>
    <u:dive><u:informationbeforedive><u:datetime>2014-02-30T10:00:00</u:datetime></u:informationbeforedive></u:dive>
    <u:dive><u:informationbeforedive><u:datetime>2014-04-02T10:00:00Z</u:datetime></u:informationbeforedive></u:dive>
  </u:repetitiongroup></u:profiledata></u:uddf>)");
  ASSERT_EQ(f.dives.size(), 4u);
  const DiveRecord& a = f.dives[0].record;
  EXPECT_EQ(f.dives[0].status, UddfDiveStatus::New);
  EXPECT_EQ(a.date, dayNumber(1, 4, 2014));
  EXPECT_EQ(a.timeOfDay, 600);  // the wall-clock time as written, whatever the zone
  EXPECT_EQ(storedToUtf8(getText(a.buddies)), "Zoë");
  EXPECT_EQ(a.maxDepth, NO_VALUE);
  EXPECT_EQ(a.diveTime, NO_VALUE);
  EXPECT_EQ(f.dives[1].status, UddfDiveStatus::Skipped);
  EXPECT_EQ(f.dives[1].reason, str(63003));
  EXPECT_EQ(f.dives[2].status, UddfDiveStatus::Skipped);
  EXPECT_NE(f.dives[2].reason.find("2014-02-30"), std::string::npos);
  EXPECT_EQ(f.dives[3].record.date, dayNumber(2, 4, 2014));
  EXPECT_EQ(uddfStatusText(f.dives[1]), strf(63002, str(63003).c_str()));
}

TEST(UddfImport, DateFormsOfOtherPrograms) {
  struct Case {
    const char* text;
    bool ok;
    int d, m, y, minutes;
  } cases[] = {
      {"2004-06-05T09:30:00", true, 5, 6, 2004, 570},  {"2014-4-1T10:00:00", true, 1, 4, 2014, 600},
      {"2014-04-01T23:59:59.999Z", true, 1, 4, 2014, 1439}, {"2014-04-01T07:05+05:30", true, 1, 4, 2014, 425},
      {"2014-04-01 07:05", true, 1, 4, 2014, 425},     {"2014-04-01", true, 1, 4, 2014, 0},
      {"2012-02-29T12:00:00", true, 29, 2, 2012, 720}, {"2013-02-29T12:00:00", false, 0, 0, 0, 0},
      {"2014-13-01T10:00:00", false, 0, 0, 0, 0},      {"2014-04-01T24:00:00", false, 0, 0, 0, 0},
      {"01.04.2014", false, 0, 0, 0, 0},               {"", false, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    int32_t day = -2;
    int minutes = -2;
    EXPECT_EQ(parseUddfDateTime(c.text, day, minutes), c.ok) << c.text;
    if (!c.ok) continue;
    EXPECT_EQ(day, dayNumber(c.d, c.m, c.y)) << c.text;
    EXPECT_EQ(minutes, c.minutes) << c.text;
  }
}

TEST(UddfImport, AProfileLongerOrDeeperThanARecordHoldsIsCutAndSaysSo) {
  ScratchDir dir;
  std::string wps;
  for (int t = 0; t <= 4 * 3600; t += 10)
    wps += "<waypoint><divetime>" + std::to_string(t) + "</divetime><depth>" + (t == 600 ? "180" : "30.5") +
           "</depth></waypoint>";
  wps += "<waypoint><divetime>1e300</divetime><depth>3</depth></waypoint>";  // no end of readings
  UddfImport f = read("<uddf><profiledata><repetitiongroup><dive><informationbeforedive><datetime>2020-01-01T10:00"
                      "</datetime></informationbeforedive><samples>" + wps +
                      "</samples></dive></repetitiongroup></profiledata></uddf>");
  ASSERT_EQ(f.dives.size(), 1u);
  const UddfDive& d = f.dives[0];
  EXPECT_EQ(d.record.sampleCount, MAX_SAMPLES - 1);
  EXPECT_NE(d.cut.find(strf(63005, MAX_SAMPLES - 1)), std::string::npos) << d.cut;
  EXPECT_NE(d.cut.find(strf(63006, 1023 * 0.15625)), std::string::npos) << d.cut;
  EXPECT_NE(uddfDiveLine(d).find(d.cut), std::string::npos);
  EXPECT_FLOAT_EQ(d.record.samples[30].depth, -1023 * 0.15625f);
  // What the record holds is what its file gives back.
  Logbook lb;
  lb.newLogbook();
  classifyUddfDives(lb, f);
  ASSERT_TRUE(insertUddfDives(lb, f).ok);
  const std::string before = shown(lb.dives()[0]);
  EXPECT_EQ(shown(reloaded(lb, dir.file("long.log")).dives()[0]), before);
}

TEST(UddfImport, ProfilesOfEveryGasKindSurviveTheLogbookFile) {
  ScratchDir dir;
  for (int type : {30, 244, 164}) {  // air, Nitrox with a gas setting, O2
    for (int seconds : {20, 40, 60, 80, 100, 620}) {
      std::string wps = "<waypoint><divetime>0</divetime><depth>0</depth></waypoint>";
      for (int t = 20; t <= seconds; t += 20)
        wps += "<waypoint><divetime>" + std::to_string(t) + "</divetime><depth>" +
               format("%.5f", (20 + t % 7) * 0.15625) + "</depth></waypoint>";
      UddfImport f = read("<uddf><generator><name>Kelp</name></generator><profiledata><repetitiongroup><dive>"
                          "<informationbeforedive><datetime>2020-01-01T10:00</datetime></informationbeforedive>"
                          "<samples>" + wps + "</samples><informationafterdive><notes><para>Computer: " +
                          formatComputerType(type) + "</para></notes></informationafterdive></dive>"
                          "</repetitiongroup></profiledata></uddf>");
      Logbook lb;
      lb.newLogbook();
      classifyUddfDives(lb, f);
      ASSERT_TRUE(insertUddfDives(lb, f).ok);
      const DiveRecord& r = lb.dives()[0];
      EXPECT_EQ(r.computerType, type);
      ASSERT_GE(r.sampleCount, seconds / 20 + 1) << type << " " << seconds;
      for (int k = 1; k <= seconds / 20; ++k)
        EXPECT_FLOAT_EQ(-r.samples[k].depth, (20 + (k * 20) % 7) * 0.15625f) << type << " " << seconds << " " << k;
      EXPECT_EQ(shown(reloaded(lb, dir.file("gas.log")).dives()[0]), shown(r)) << type << " " << seconds;
    }
  }
}

// ---- into the logbook ----

TEST(UddfImport, IntoAnEmptyLogbookTheDivesKeepTheirNumbersInDateOrder) {
  UddfImport f = read(R"(<uddf><profiledata>
    <repetitiongroup><dive><informationbeforedive><divenumber>12</divenumber><datetime>2020-05-02T10:00</datetime></informationbeforedive></dive></repetitiongroup>
    <repetitiongroup><dive><informationbeforedive><divenumber>10</divenumber><datetime>2020-05-01T10:00</datetime></informationbeforedive></dive>
      <dive><informationbeforedive><divenumber>11</divenumber><datetime>2020-05-01T14:00</datetime></informationbeforedive></dive></repetitiongroup>
    <repetitiongroup><dive><informationbeforedive><divenumber>10</divenumber><datetime>2020-05-01T10:00:30</datetime></informationbeforedive></dive></repetitiongroup>
  </profiledata></uddf>)");
  Logbook lb;
  lb.newLogbook();
  classifyUddfDives(lb, f);
  EXPECT_EQ(f.dives[3].status, UddfDiveStatus::Present);  // the same minute twice in the file
  UddfInsertReport rep;
  ASSERT_TRUE(insertUddfDives(lb, f, &rep).ok);
  EXPECT_EQ(rep.inserted, 3);
  EXPECT_EQ(rep.present, 1);
  EXPECT_TRUE(rep.keptNumbers);
  ASSERT_EQ(lb.diveCount(), 3);
  EXPECT_EQ(lb.dives()[0].diveNumber, 10);
  EXPECT_EQ(lb.dives()[1].diveNumber, 11);
  EXPECT_EQ(lb.dives()[2].diveNumber, 12);
  EXPECT_EQ(lb.dives()[2].date, dayNumber(2, 5, 2020));
  EXPECT_EQ(lb.firstDiveNumber, 10);
}

TEST(UddfImport, IntoALogbookWithDivesTheyAreNumberedAsADownloadNumbersThemAndUndoTakesThemAllBack) {
  Logbook lb = newLogbookWith({diveOn(1, 5, 2020, 600), diveOn(10, 5, 2020, 600)});
  lb.renumber(1);
  const std::string logBefore = lb.serializeLog();
  UddfImport f = read(R"(<uddf><profiledata><repetitiongroup>
    <dive><informationbeforedive><divenumber>90</divenumber><datetime>2020-05-05T10:00</datetime></informationbeforedive></dive>
    <dive><informationbeforedive><divenumber>91</divenumber><datetime>2020-05-20T10:00</datetime></informationbeforedive></dive>
    <dive><informationbeforedive><divenumber>92</divenumber><datetime>2020-05-10T10:00</datetime></informationbeforedive></dive>
  </repetitiongroup></profiledata></uddf>)");
  classifyUddfDives(lb, f);
  EXPECT_EQ(f.dives[2].status, UddfDiveStatus::Present);

  ChangeRecorder rec(lb);
  UddfInsertReport rep;
  ASSERT_TRUE(insertUddfDives(lb, f, &rep).ok);
  LogbookStep step = rec.finish("Importa UDDF");
  EXPECT_FALSE(rep.keptNumbers);
  EXPECT_EQ(rep.firstPosition, 2);
  ASSERT_EQ(lb.diveCount(), 4);
  std::vector<int> numbers;
  for (const DiveRecord& r : lb.dives()) numbers.push_back(r.diveNumber);
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(lb.dives()[1].date, dayNumber(5, 5, 2020));
  EXPECT_EQ(lb.dives()[3].date, dayNumber(20, 5, 2020));

  step.undo(lb);
  EXPECT_EQ(lb.serializeLog(), logBefore);
}

TEST(UddfImport, ALogbookThatCannotTakeThemAllGetsNone) {
  std::vector<DiveRecord> many(MAX_DIVES - 1, diveOn(1, 1, 2000, 600));
  for (size_t i = 0; i < many.size(); ++i) many[i].date = dayNumber(1, 1, 1950) + static_cast<int32_t>(i);
  Logbook lb = newLogbookWith(std::move(many));
  UddfImport f = read(R"(<uddf><profiledata><repetitiongroup>
    <dive><informationbeforedive><datetime>2100-05-05T10:00</datetime></informationbeforedive></dive>
    <dive><informationbeforedive><datetime>2100-05-06T10:00</datetime></informationbeforedive></dive>
  </repetitiongroup></profiledata></uddf>)");
  classifyUddfDives(lb, f);
  const Result r = insertUddfDives(lb, f);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, strf(63015, 2));
  EXPECT_EQ(lb.diveCount(), MAX_DIVES - 1);
}

// ---- bad input ----

TEST(UddfImport, BadFilesAreRefusedWithTheirNameAndLine) {
  Result r;
  read("<uddf>\n<profiledata>\n<dive></profiledata>\n</uddf>", &r);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, strf(63011, "prova.uddf", 3, str(63025).c_str()));

  read("Date;Time;Depth\n2020-01-01;10:00;20\n", &r);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("prova.uddf"), std::string::npos);

  read("<?xml version='1.0'?><logbook><dive/></logbook>", &r);
  EXPECT_EQ(r.error, strf(63012, "prova.uddf"));

  read("<uddf>\n<profiledata><repetitiongroup><dive><informationbeforedive><datet", &r);
  EXPECT_EQ(r.error, strf(63013, "prova.uddf", 2));

  read("", &r);
  EXPECT_FALSE(r.ok);

  UddfImport f;
  r = readUddfFile("/nessuna/cartella/file.uddf", f);
  EXPECT_EQ(r.error, strf(63010, "/nessuna/cartella/file.uddf"));
}

TEST(UddfImport, EntitiesAreNeverExpanded) {
  std::string bomb = "<?xml version='1.0'?>\n<!DOCTYPE uddf [\n<!ENTITY lol \"lol\">\n";
  bomb += "<!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n";
  for (int i = 2; i <= 9; ++i) {
    const std::string p = "&lol" + std::to_string(i - 1) + ";";
    std::string def;
    for (int k = 0; k < 10; ++k) def += p;
    bomb += "<!ENTITY lol" + std::to_string(i) + " \"" + def + "\">\n";
  }
  bomb += "<!ENTITY ext SYSTEM \"file:///etc/passwd\">\n]>\n<uddf><divesite><site id='s'><name>&lol9;&ext;&amp;&#233;"
          "</name></site></divesite><profiledata><repetitiongroup><dive><informationbeforedive><link ref='s'/>"
          "<datetime>2020-01-01T10:00</datetime></informationbeforedive></dive></repetitiongroup></profiledata></uddf>";
  const auto start = std::chrono::steady_clock::now();
  UddfImport f = read(bomb);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  ASSERT_EQ(f.dives.size(), 1u);
  EXPECT_EQ(storedToUtf8(getText(f.dives[0].record.site)), "&lol9;&ext;&\xC3\xA9");
}

TEST(UddfImport, ReadingStopsWhenAskedAndSaysSo) {
  std::string xml = "<uddf><profiledata><repetitiongroup>";
  for (int i = 0; i < 300; ++i)
    xml += "<dive><informationbeforedive><datetime>2020-01-01T10:" + format("%02d", i % 60) +
           "</datetime></informationbeforedive></dive>";
  xml += "</repetitiongroup></profiledata></uddf>";
  std::vector<size_t> seen;
  UddfReadOptions o;
  o.progress = [&](size_t done, size_t total) {
    EXPECT_EQ(total, 300u);
    seen.push_back(done);
    return done < 128;
  };
  UddfImport f;
  bool cancelled = false;
  Result r = readUddfBytes("grande.uddf", xml, f, o, &cancelled);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(r.error, strf(63014, "grande.uddf"));
  EXPECT_TRUE(f.dives.empty());
  EXPECT_EQ(seen, (std::vector<size_t>{0, 64, 128}));

  std::atomic<bool> stop{true};
  UddfReadOptions o2;
  o2.cancel = &stop;
  EXPECT_FALSE(readUddfBytes("grande.uddf", xml, f, o2, &cancelled).ok);
  EXPECT_TRUE(cancelled);
}
