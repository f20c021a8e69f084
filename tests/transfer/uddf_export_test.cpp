#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "core/demo_logbook.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "transfer/uddf_export.h"
#include "tests/test_support.h"
#include "uddf_test_util.h"

using namespace kelp;
using namespace kelp::test;
namespace fs = std::filesystem;

namespace {

constexpr const char* kWhen = "2024-06-01T12:00:00";

// A logbook with every kind of dive:
//  1 a dive computer's profile with warnings in its samples, every value filled in;
//  2 a hand-made profile;
//  3 no profile, a frost below zero, a repetitive dive after 2;
//  4 texts with XML's special characters, control characters and the stored forms of
//    accented letters and the apostrophe; no date, time or number.
class UddfExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings().unitsMetric = 1;
    ASSERT_FALSE(dir.empty());

    DiveRecord a = makeRecord();
    a.date = dayNumber(5, 6, 2004);
    a.timeOfDay = 9 * 60 + 30;
    setText(a.location, "Elba");
    setText(a.site, "Punta Nera");
    setText(a.buddies, "Anna Maria Rossi, Luca");
    a.maxDepth = 3250;
    a.diveTime = 45;
    a.airTemperature = 2250;
    a.minWaterTemperature = 1450;
    a.tankSize = 1200;
    a.startPressure = 20000;
    a.airConsumed = 15000;
    a.visibility = 1500;
    a.weight = 650;
    a.avgDepth = 12.5f;
    a.warningFlags = (1u << kWarnAscent) | (1u << kWarnDeco);
    a.diveTypeFlags = (1u << kDiveNoStop) | (1u << kDiveSeaWater);
    a.activityFlags = 1u << 4;
    a.weather = 1;
    a.suit = 4;
    a.altitudeClass = 1;
    a.tankMaterial = 1;
    a.computerType = 1;
    setText(a.otherActivities, "Biologia");
    setText(a.suitDescription, "7 mm");
    setNotes(a, "Murene\r\n\r\nPolpo");
    RawProfileInput in;
    in.depths = {5, 12.5, 20, 32.5, 30, 18, 10, 5, 3};
    in.flags = {0, 0, 0x04, 0x02 | 0x10, 0x08, 0, 0x01, 0x20, 0};
    ASSERT_TRUE(storeRawProfile(a, encodeRawProfile(in), false));
    a.profileHeader[0] = 0x1234;  // a dive computer's header, not the hand-made marks
    expandProfile(a, false);

    DiveRecord b = makeRecord();
    b.date = dayNumber(6, 6, 2004);
    b.timeOfDay = 10 * 60;
    setText(b.location, "Elba");
    setText(b.site, "Punta Nera");
    setText(b.buddies, "Luca & Luca");
    b.maxDepth = 1800;
    b.diveTime = 3;
    b.tankSize = 1000;  // no start pressure: the volume goes into the notes
    b.airConsumed = 5000;
    ASSERT_TRUE(storeHandMadeProfile(b, {6, 12, 18, 18, 12, 6, 3, 3, 0}));
    expandProfile(b, false);

    DiveRecord c = makeRecord();
    c.date = dayNumber(6, 6, 2004);
    c.timeOfDay = 14 * 60;
    c.surfaceInterval = 90;
    setText(c.location, "Garda");
    c.maxDepth = 900;
    c.diveTime = 30;
    c.minWaterTemperature = -150;
    c.diveTypeFlags = 1u << kDiveScr;

    DiveRecord d = makeRecord();
    // Stored forms: 0x84 ä, 0x94 ö, 0x81 ü, 0xE1 ß; 0x27 is shown as the acute accent.
    setText(d.location, "Z\x81rich & <Umgebung>");
    setText(d.site, "Gr\x94\xE1" "e \"Bucht\"");
    setText(d.buddies, "Se\x84n O'Brien");
    setNotes(d, "a < b && c > d\x01\tok");
    d.warningFlags = 1u << kWarnSos;

    lb.assignDives({a, b, c, d});
    lb.renumber(1);
    // Dive 4 carries no number.
    lb.modify(4, [](DiveRecord& r) { r.diveNumber = 0; });
  }
  void TearDown() override { settings().unitsMetric = 1; }

  pugi::xml_document exported(const UddfOptions& o = options()) {
    const std::string bytes = uddfDocument(lb, o);
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_buffer(bytes.data(), bytes.size())) << bytes.substr(0, 400);
    return doc;
  }
  static UddfOptions options() {
    UddfOptions o;
    o.generatedAt = kWhen;
    return o;
  }
  std::string file(const char* name) const { return scratch.file(name); }

  Logbook lb;
  ScratchDir scratch{"kelp-uddf"};
  const fs::path dir = scratch.path();
};

TEST_F(UddfExportTest, EveryKindOfDiveExportsToAFileTheSchemaAccepts) {
  SKIP_WITHOUT_UDDF_SCHEMA();
  ASSERT_TRUE(exportUddf(lb, file("all.uddf"), options()));
  EXPECT_EQ(uddfSchemaErrors(file("all.uddf")), "");
  // So does a logbook as the demo makes it, with its many dives, sites and buddies.
  Logbook demo = makeDemoLogbook(150, 3);
  ASSERT_TRUE(exportUddf(demo, file("demo.uddf"), options()));
  EXPECT_EQ(uddfSchemaErrors(file("demo.uddf")), "");
  // The file streamed to disk holds the very bytes of the document built in memory.
  EXPECT_EQ(readFile(file("demo.uddf")), uddfDocument(demo, options()));
}

TEST_F(UddfExportTest, TheDocumentNamesTheFormatAndTheProgram) {
  const pugi::xml_document doc = exported();
  const pugi::xml_node uddf = doc.child("uddf");
  EXPECT_STREQ(uddf.attribute("xmlns").value(), "http://www.streit.cc/uddf/3.2/");
  EXPECT_STREQ(uddf.attribute("version").value(), "3.2.3");
  EXPECT_EQ(textAt(uddf, "generator/name"), "Kelp");
  EXPECT_EQ(textAt(uddf, "generator/type"), "logbook");
  EXPECT_EQ(textAt(uddf, "generator/datetime"), kWhen);
  // The sections stand in the order the format gives them.
  std::vector<std::string> sections;
  for (pugi::xml_node n : uddf.children()) sections.push_back(n.name());
  EXPECT_EQ(sections, (std::vector<std::string>{"generator", "diver", "divesite", "profiledata"}));
}

TEST_F(UddfExportTest, ValuesOfADiveInSiUnits) {
  const pugi::xml_document doc = exported();
  const pugi::xml_node dive = at(doc, "//dive[@id='dive1']");
  ASSERT_TRUE(dive);
  const pugi::xml_node before = dive.child("informationbeforedive");
  EXPECT_EQ(textAt(before, "divenumber"), "1");
  EXPECT_EQ(textAt(before, "datetime"), "2004-06-05T09:30:00");
  EXPECT_EQ(textAt(before, "airtemperature"), "295.65");  // 22.5 °C
  EXPECT_EQ(textAt(before, "equipmentused/leadquantity"), "6.5");
  EXPECT_EQ(textAt(dive, "tankdata/tankvolume"), "0.012");  // 12 l
  EXPECT_EQ(textAt(dive, "tankdata/tankpressurebegin"), "20000000");  // 200 bar
  EXPECT_EQ(textAt(dive, "tankdata/tankpressureend"), "5000000");  // 200 - 150 bar
  const pugi::xml_node after = dive.child("informationafterdive");
  EXPECT_EQ(textAt(after, "greatestdepth"), "32.5");
  EXPECT_EQ(textAt(after, "averagedepth"), "12.5");
  EXPECT_EQ(textAt(after, "diveduration"), "2700");
  EXPECT_EQ(textAt(after, "lowesttemperature"), "287.65");  // 14.5 °C
  EXPECT_EQ(textAt(after, "visibility"), "15");
  EXPECT_EQ(textAt(after, "pressuredrop"), "15000000");
  EXPECT_EQ(textAt(after, "globalalarmsgiven/globalalarm"), "ascent-warning-too-long");

  // Below zero and without a profile.
  const pugi::xml_node c = at(doc, "//dive[@id='dive3']");
  EXPECT_EQ(textAt(c, "informationafterdive/lowesttemperature"), "271.65");
  EXPECT_EQ(textAt(c, "informationbeforedive/surfaceintervalbeforedive/passedtime"), "5400");
  EXPECT_EQ(textAt(c, "informationbeforedive/apparatus"), "rebreather");
  EXPECT_FALSE(c.child("samples"));
  EXPECT_FALSE(c.child("tankdata"));
  // No date and no time: the calendar's first day at midnight; no number, no divenumber.
  const pugi::xml_node d = at(doc, "//dive[@id='dive4']");
  EXPECT_EQ(textAt(d, "informationbeforedive/datetime"), "1600-01-01T00:00:00");
  EXPECT_FALSE(at(d, "informationbeforedive/divenumber"));
  // The format needs the depth and the duration: 0 when the dive has neither.
  EXPECT_EQ(textAt(d, "informationafterdive/greatestdepth"), "0");
  EXPECT_EQ(textAt(d, "informationafterdive/diveduration"), "0");
  EXPECT_EQ(textAt(d, "informationafterdive/globalalarmsgiven/globalalarm"), "sos-mode");
}

TEST_F(UddfExportTest, TheProfileBecomesWaypointsEveryTwentySecondsWithItsAlarms) {
  const pugi::xml_document doc = exported();
  const DiveRecord a = lb.get(1);
  std::vector<pugi::xml_node> wps;
  for (pugi::xml_node w : at(doc, "//dive[@id='dive1']/samples").children("waypoint")) wps.push_back(w);
  // Every sample and the closing surface point.
  ASSERT_EQ(wps.size(), static_cast<size_t>(a.sampleCount) + 1);
  for (size_t i = 0; i < wps.size(); ++i) {
    EXPECT_EQ(std::string(wps[i].child_value("divetime")), std::to_string(i * 20));
    const double depth = i < wps.size() - 1 ? -a.samples[i].depth : 0.0;
    EXPECT_FLOAT_EQ(wps[i].child("depth").text().as_float(), static_cast<float>(depth)) << i;
  }
  EXPECT_EQ(std::string(wps[0].child_value("depth")), "1.3");
  EXPECT_EQ(std::string(wps.back().child_value("depth")), "0");
  // Readings 3, 4 and 5 are samples 3, 4 and 5: ascent; rbt and breath; deco. The
  // decompression obligation (bit 0) and the radio signal (bit 5) are no alarms.
  auto alarms = [&](size_t i) {
    std::string s;
    for (pugi::xml_node al : wps[i].children("alarm")) s += std::string(al.child_value()) + " ";
    return s;
  };
  EXPECT_EQ(alarms(3), "ascent ");
  EXPECT_EQ(alarms(4), "rbt breath ");
  EXPECT_EQ(alarms(5), "deco ");
  EXPECT_EQ(alarms(7), "");
  EXPECT_EQ(alarms(8), "");
  // The alarms come first in a waypoint, depth and time after them.
  EXPECT_STREQ(wps[4].first_child().name(), "alarm");
  EXPECT_STREQ(wps[4].last_child().name(), "divetime");

  // A hand-made profile is exported the same way and said to be hand-made.
  const DiveRecord b = lb.get(2);
  size_t n = 0;
  for (pugi::xml_node w : at(doc, "//dive[@id='dive2']/samples").children("waypoint")) {
    (void)w;
    ++n;
  }
  EXPECT_EQ(n, static_cast<size_t>(b.sampleCount) + 1);
}

TEST_F(UddfExportTest, FieldsWithoutAnElementAreLabelledLinesOfTheNotes) {
  const pugi::xml_document doc = exported();
  auto paras = [&](const char* id) {
    std::vector<std::string> out;
    const std::string xp = std::string("//dive[@id='") + id + "']/informationafterdive/notes/para";
    for (const pugi::xpath_node& p : doc.select_nodes(xp.c_str())) out.push_back(p.node().child_value());
    return out;
  };
  EXPECT_EQ(paras("dive1"), (std::vector<std::string>{
                                "Murene", "Polpo", "Tipo imm: In curva, Acqua salata", "Attività: Notturna",
                                "Altro: Biologia", "Meteo: Limpido", "Muta: Muta due pezzi", "Tipo muta: 7 mm",
                                "Altitudine: 0 m ... 900 m", "Computer: " + formatComputerType(1),
                                "Bombola: Acciaio", "Allarmi: DECOMPRESSIONE"}));
  EXPECT_EQ(paras("dive2"), (std::vector<std::string>{"Altitudine: 0 m ... 900 m", "Profilo: Profilo manuale",
                                                      "Dim bombola: 10 l"}));
  EXPECT_EQ(textAt(doc, "//dive[@id='dive2']/informationafterdive/pressuredrop"), "5000000");
}

TEST_F(UddfExportTest, TextsAreUtf8OfTheirShownFormWithXmlCharactersEscaped) {
  const std::string bytes = uddfDocument(lb, options());
  EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
  EXPECT_TRUE(isValidUtf8(bytes));
  EXPECT_NE(bytes.find("Zürich &amp; &lt;Umgebung&gt;"), std::string::npos);
  EXPECT_EQ(bytes.find('\x01'), std::string::npos);

  const pugi::xml_document doc = exported();
  EXPECT_EQ(textAt(doc, "//site[@id='site3']/name"), "Zürich & <Umgebung>, Größe \"Bucht\"");
  EXPECT_EQ(textAt(doc, "//site[@id='site3']/geography/location"), "Zürich & <Umgebung>");
  EXPECT_EQ(textAt(doc, "//dive[@id='dive4']/informationafterdive/notes/para"), "a < b && c > d \tok");
  // The stored apostrophe is shown, and so exported, as the acute accent.
  EXPECT_EQ(textAt(doc, "//buddy[@id='buddy3']/personal/firstname"), "Seän");
  EXPECT_EQ(textAt(doc, "//buddy[@id='buddy3']/personal/lastname"), "O´Brien");
}

TEST_F(UddfExportTest, SitesAndBuddiesOnceEachAndLinkedFromTheirDives) {
  const pugi::xml_document doc = exported();
  // Elba/Punta Nera (dives 1, 2), Garda without a site (3), the site of dive 4.
  EXPECT_EQ(doc.select_nodes("//divesite/site").size(), 3u);
  // A site is named as the dive list shows the place; the location is kept on its own.
  EXPECT_EQ(textAt(doc, "//site[@id='site1']/name"), "Elba, Punta Nera");
  EXPECT_EQ(textAt(doc, "//site[@id='site1']/geography/location"), "Elba");
  EXPECT_EQ(textAt(doc, "//site[@id='site2']/name"), "Garda");
  // A name splits at its last blank; one word is a first name.
  EXPECT_EQ(doc.select_nodes("//diver/buddy").size(), 3u);
  EXPECT_EQ(textAt(doc, "//buddy[@id='buddy1']/personal/firstname"), "Anna Maria");
  EXPECT_EQ(textAt(doc, "//buddy[@id='buddy1']/personal/lastname"), "Rossi");
  EXPECT_EQ(textAt(doc, "//buddy[@id='buddy2']/personal/firstname"), "Luca");
  EXPECT_EQ(textAt(doc, "//buddy[@id='buddy2']/personal/lastname"), "");
  auto links = [&](const char* id) {
    std::string s;
    const std::string xp = std::string("//dive[@id='") + id + "']/informationbeforedive/link";
    for (const pugi::xpath_node& l : doc.select_nodes(xp.c_str())) s += std::string(l.node().attribute("ref").value()) + " ";
    return s;
  };
  // The buddies first, the site last.
  EXPECT_EQ(links("dive1"), "buddy1 buddy2 site1 ");
  EXPECT_EQ(links("dive2"), "buddy2 site1 ");
  EXPECT_EQ(links("dive3"), "site2 ");
  // Dive 3 follows dive 2 after a surface interval: one repetition group.
  EXPECT_EQ(doc.select_nodes("//repetitiongroup").size(), 3u);
  EXPECT_EQ(at(doc, "//dive[@id='dive3']").parent(), at(doc, "//dive[@id='dive2']").parent());
}

TEST_F(UddfExportTest, ImperialSettingsChangeNothing) {
  const std::string metric = uddfDocument(lb, options());
  settings().unitsMetric = 0;
  EXPECT_EQ(uddfDocument(lb, options()), metric);
}

TEST_F(UddfExportTest, ARangeOfDiveNumbers) {
  UddfOptions o = options();
  o.firstNumber = 2;
  o.lastNumber = 3;
  const pugi::xml_document doc = exported(o);
  EXPECT_EQ(doc.select_nodes("//dive").size(), 2u);
  EXPECT_TRUE(at(doc, "//dive[@id='dive2']"));
  // Only what the exported dives name.
  EXPECT_EQ(doc.select_nodes("//buddy").size(), 1u);
  EXPECT_EQ(doc.select_nodes("//site").size(), 2u);
  // A range that holds no dive writes nothing.
  o.firstNumber = 50;
  o.lastNumber = 60;
  const Result r = exportUddf(lb, file("none.uddf"), o);
  EXPECT_FALSE(r);
  EXPECT_EQ(r.error, str(62502));
  EXPECT_FALSE(fs::exists(file("none.uddf")));
}

TEST_F(UddfExportTest, WrittenWholeOrNotAtAll) {
  // A file already there is replaced whole and keeps its permissions.
  const std::string path = file("old.uddf");
  { std::ofstream(path) << std::string(1 << 20, 'x'); }
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(exportUddf(lb, path, options()));
  EXPECT_EQ(readFile(path), uddfDocument(lb, options()));
  struct stat st {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  // A folder that does not exist: the message names the file, nothing is left behind.
  const std::string bad = file("missing/dives.uddf");
  const Result r = exportUddf(lb, bad, options());
  EXPECT_FALSE(r);
  EXPECT_NE(r.error.find(bad), std::string::npos);
  size_t files = 0;
  for (const auto& e : fs::directory_iterator(dir)) files += e.is_regular_file();
  EXPECT_EQ(files, 1u);
}

TEST(UddfPieces, DateTimesAndNames) {
  EXPECT_EQ(uddfDateTime(dayNumber(31, 12, 1999), 23 * 60 + 59), "1999-12-31T23:59:00");
  EXPECT_EQ(uddfDateTime(dayNumber(29, 2, 2000), NO_VALUE), "2000-02-29T00:00:00");
  EXPECT_EQ(uddfDateTime(-1, 600), "1600-01-01T10:00:00");
  EXPECT_EQ(splitPersonName("  Anna  Maria   Rossi "), (PersonName{"Anna  Maria", "Rossi"}));
  EXPECT_EQ(splitPersonName("Luca").first, "Luca");
  EXPECT_EQ(splitPersonName("").first, "");
  EXPECT_EQ(uddfSiteName("Portofino", "Cristo degli Abissi"), "Portofino, Cristo degli Abissi");
  EXPECT_EQ(uddfSiteName("", "Cristo degli Abissi"), "Cristo degli Abissi");
  EXPECT_EQ(uddfSiteName("Portofino", ""), "Portofino");
}

}  // namespace
