#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/computer_models.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "core/texts.h"
#include "decimal_comma_locale.h"
#include "tests/test_support.h"

using namespace kelp;
using kelp::test::readFile;
using kelp::test::writeFile;
namespace fs = std::filesystem;

namespace {

// A private folder per test; KELP_CONFIG_DIR points at it while the test runs.
class TempConfig : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.empty());
    const char* old = std::getenv("KELP_CONFIG_DIR");
    oldDir_ = old ? old : "";
    setenv("KELP_CONFIG_DIR", dir_.c_str(), 1);
  }
  void TearDown() override {
    if (oldDir_.empty()) unsetenv("KELP_CONFIG_DIR");
    else setenv("KELP_CONFIG_DIR", oldDir_.c_str(), 1);
    settings() = Settings{};
    settingsFile().clear();
    computerModels().clear();
    computerModels().addBuiltIns();
    computerModels().sort();
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  kelp::test::ScratchDir scratch_{"kelp-settings"};
  const fs::path dir_ = scratch_.path();
  std::string oldDir_;
};

}  // namespace

using IniFileTest = TempConfig;
using SettingsTest = TempConfig;

TEST_F(IniFileTest, CaseInsensitiveNamesAndDefaults) {
  IniFile ini;
  ini.parse("[Ansicht]\nMetrisch = 0\nWährung=EUR\n\n[Tabelle]\nTabSp00=-1\n");
  EXPECT_EQ(ini.getInt("ansicht", "METRISCH", 1), 0);
  EXPECT_EQ(ini.getString("ANSICHT", "wÄhrung"), "EUR");
  EXPECT_EQ(ini.getInt("Tabelle", "TabSp00", 7), -1);
  EXPECT_EQ(ini.getInt("Ansicht", "Raster", 1), 1);       // missing key
  EXPECT_EQ(ini.getString("Nowhere", "X", "def"), "def");  // missing section
  EXPECT_FALSE(ini.has("Ansicht", "Raster"));
  ini.setInt("ANSICHT", "metrisch", 1);  // updates the existing entry in place
  EXPECT_EQ(ini.keys("Ansicht"), (std::vector<std::string>{"Metrisch", "Währung"}));
  EXPECT_EQ(ini.getInt("Ansicht", "Metrisch"), 1);
}

TEST_F(IniFileTest, WritingKeepsOtherSectionsKeysAndOrder) {
  const std::string p = path("keep.ini");
  writeFile(p, "; comment line\n[B]\nz=1\na=2\n[A]\nk=v\n");
  IniFile ini(p);
  ini.setString("B", "a", "3");
  ini.setString("C", "new", "x");
  ini.removeKey("A", "k");
  ASSERT_TRUE(ini.save());
  EXPECT_EQ(readFile(p), "; comment line\n\n[B]\nz=1\na=3\n\n[A]\n\n[C]\nnew=x\n");
  EXPECT_FALSE(fs::exists(p + ".tmp~"));
  IniFile again(p);
  EXPECT_EQ(again.sections(), (std::vector<std::string>{"B", "A", "C"}));
  EXPECT_EQ(again.getString("b", "Z"), "1");
}

TEST_F(IniFileTest, WhatIsWrittenReadsBackAsTheSameFile) {
  // A line without a key name keeps its "=" (else "=[X]" would come back as a section), and
  // a byte order mark in front of a later line is dropped (else, written first, it would be
  // taken for the file's mark and the line read differently).
  IniFile ini;
  ini.parse("=[X]\n[A]\n =v\n\xEF\xBB\xBF\xEF\xBB\xBFk=1\n");
  const std::string text = ini.serialize();
  EXPECT_EQ(text, "=[X]\n\n[A]\n=v\nk=1\n");
  EXPECT_EQ(ini.getInt("A", "k"), 1);
  IniFile again;
  again.parse(text);
  EXPECT_EQ(again.serialize(), text);
  IniFile marked;
  marked.parse("\n\xEF\xBB\xBF[B]\nk=2\n");
  EXPECT_EQ(marked.getInt("B", "k"), 2);
}

TEST_F(IniFileTest, Utf8AndWindows1252Files) {
  const std::string p = path("umlaut.ini");
  IniFile ini;
  ini.setPath(p);
  ini.setInt("Color List Statistik", "Süßwasser", 255);
  ini.setString("Ansicht", "Währung", "€");
  ASSERT_TRUE(ini.save());
  IniFile back(p);
  EXPECT_EQ(back.getInt("Color List Statistik", "Süßwasser"), 255);
  EXPECT_EQ(back.getString("Ansicht", "Währung"), "€");

  // An old file in Windows-1252 reads as the same texts.
  writeFile(p, "[Color List Statistik]\nS\xFC\xDFwasser=7\n[Ansicht]\nW\xE4hrung=\x80\n");
  IniFile old(p);
  EXPECT_EQ(old.getInt("Color List Statistik", "Süßwasser"), 7);
  EXPECT_EQ(old.getString("Ansicht", "Währung"), "€");
  ASSERT_TRUE(old.save());
  EXPECT_TRUE(isValidUtf8(readFile(p)));

  // A value with a line break must not split into a second key.
  ini.setString("X", "a", "one\ntwo=2");
  IniFile parsed;
  parsed.parse(ini.serialize());
  EXPECT_FALSE(parsed.has("X", "two"));
}

TEST_F(IniFileTest, ConfigFolderIsCreatedOnWrite) {
  const std::string sub = path("a/b");
  setenv("KELP_CONFIG_DIR", sub.c_str(), 1);
  EXPECT_EQ(configFilePath("Kelp.ini"), sub + "/Kelp.ini");
  IniFile ini;
  ini.setPath(configFilePath("Kelp.ini"));
  ini.setInt("S", "k", 1);
  EXPECT_TRUE(ini.save());
  EXPECT_TRUE(fs::exists(sub + "/Kelp.ini"));
}

TEST_F(SettingsTest, MissingFileGivesEveryDefault) {
  IniFile empty;
  Settings s;
  s.unitsMetric = 0;
  s.currency = "x";
  s.comPort = 5;
  readSettings(s, empty, 1024, 768);
  EXPECT_EQ(s.unitsMetric, 1);
  EXPECT_EQ(s.currency, "DM");
  EXPECT_EQ(s.comPort, 1);
  EXPECT_EQ(s.importType, 177);
  EXPECT_EQ(s.savePositions, 1);
  EXPECT_EQ(s.printUseLine, 1);
  EXPECT_EQ(s.profileColors[kColWarnings], 0u);
  EXPECT_EQ(s.tableColumns[10], -1);
  EXPECT_EQ(s.statSubY, -1);
  EXPECT_FALSE(s.mainWindow.valid());
  EXPECT_EQ(s.externMenuText(), "Applicazione &esterna    Strg+F5");
  s.externName = "Editor";
  EXPECT_EQ(s.externMenuText(), "Editor");
}

TEST_F(SettingsTest, RoundTripThroughTheFile) {
  Settings s;
  s.profileColors[kColRadio] = rgb(1, 2, 3);
  s.noStopColors[kNsCurve5] = rgb(255, 0, 0);
  s.statisticsColors[kStFresh] = rgb(0, 0, 255);
  s.unitsMetric = 0;
  s.currency = "€";
  s.extended = 0;
  s.tableColumns[3] = 120;
  s.ctypCols[4] = 300;
  s.comPort = 4;
  s.trSerial = "12345";
  s.importSystem = 1;
  s.externName = "Editor";
  s.defaults.use = true;
  s.defaults.suitDescription = "Neopren 5mm \x84";  // stored form (ä)
  s.defaults.tankSize = 1200;
  s.defaults.diveType = 0x84;
  s.tipFilePos = 1234;
  s.tipTimeStamp = "2004-06-05 10:00";

  IniFile ini;
  ini.setPath(path("Kelp.ini"));
  writeSettings(s, ini);
  ASSERT_TRUE(ini.save());
  std::string text = readFile(path("Kelp.ini"));
  EXPECT_NE(text.find("[Color List Statistik]\nSüßwasser=16711680\n"), std::string::npos);
  EXPECT_NE(text.find("Anzug=Neopren 5mm ä\n"), std::string::npos);

  Settings r;
  readSettings(r, IniFile(path("Kelp.ini")));
  EXPECT_EQ(r.profileColors, s.profileColors);
  EXPECT_EQ(r.noStopColors, s.noStopColors);
  EXPECT_EQ(r.statisticsColors, s.statisticsColors);
  EXPECT_EQ(r.unitsMetric, 0);
  EXPECT_EQ(r.currency, "€");
  EXPECT_EQ(r.extended, 0);
  EXPECT_EQ(r.tableColumns, s.tableColumns);
  EXPECT_EQ(r.ctypCols, s.ctypCols);
  EXPECT_EQ(r.comPort, 4);
  EXPECT_EQ(r.trSerial, "12345");
  EXPECT_EQ(r.importSystem, 1);
  EXPECT_EQ(r.externName, "Editor");
  EXPECT_TRUE(r.defaults.use);
  EXPECT_EQ(r.defaults.suitDescription, s.defaults.suitDescription);
  EXPECT_EQ(r.defaults.tankSize, 1200);
  EXPECT_EQ(r.defaults.diveType, 0x84);
  EXPECT_EQ(r.tipFilePos, 1234);
  EXPECT_EQ(r.tipTimeStamp, s.tipTimeStamp);
}

// Kelp.ini is read and written the same way whatever the process locale says.
TEST_F(SettingsTest, FileIgnoresTheProcessLocale) {
  DecimalCommaLocale loc;
  if (!loc.active()) GTEST_SKIP() << "no decimal-comma locale installed";
  writeFile(path("Kelp.ini"),
            "[Ansicht]\nMetrisch=0\n[Default]\nFlaschengroesse=1200\nBlei=-350\n"
            "[Color List Profil]\nProfil=16711680\n[Tabelle]\nTabSp02=120\nTabSp03=5\n"
            "[Tip]\nFilePos=123456\n[1024x768]\nMainWindow_x=-8\nMainWindow_dx=1032\n"
            "MainWindow_dy=776\n");
  loadAllSettings(1024, 768);
  Settings& s = settings();
  EXPECT_EQ(s.unitsMetric, 0);
  EXPECT_EQ(s.defaults.tankSize, 1200);
  EXPECT_EQ(s.defaults.weight, -350);
  EXPECT_EQ(s.profileColors[kColProfile], rgb(0, 0, 255));
  EXPECT_EQ(s.tableColumns[2], 120);
  EXPECT_EQ(s.tableColumns[3], -1);
  EXPECT_EQ(s.tipFilePos, 123456);
  EXPECT_EQ(s.mainWindow.x, -8);
  EXPECT_TRUE(s.mainWindow.valid());

  s.defaults.weight = 1250;
  s.tipFilePos = 1234567;
  ASSERT_TRUE(saveAllSettings());
  const std::string text = readFile(path("Kelp.ini"));
  EXPECT_NE(text.find("Blei=1250\n"), std::string::npos) << text;
  EXPECT_NE(text.find("FilePos=1234567\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Profil=16711680\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Metrisch=0\n"), std::string::npos) << text;
}

TEST_F(SettingsTest, ColumnWidthsOutsideTheRangeReadAutomatic) {
  IniFile ini;
  ini.parse("[Tabelle]\nTabSp03=5\nTabSp04=8\nTabSp05=500\nTabSp06=501\nAdrSp02=abc\nInhSp01=60\n");
  Settings s;
  readSettings(s, ini);
  EXPECT_EQ(s.tableColumns[3], -1);
  EXPECT_EQ(s.tableColumns[4], 8);
  EXPECT_EQ(s.tableColumns[5], 500);
  EXPECT_EQ(s.tableColumns[6], -1);
  EXPECT_EQ(s.adrCols[2], -1);
  EXPECT_EQ(s.inhCols[1], 60);
}

TEST_F(SettingsTest, TwoScreenSizesKeepTwoSetsOfPositions) {
  IniFile ini;
  WindowPlacement small{10, 20, 810, 620, 0};
  WindowPlacement large{100, 50, 1700, 1000, 1};
  writeWindowPlacement(ini, 1024, 768, "MainWindow", small);
  writeWindowPlacement(ini, 1920, 1080, "MainWindow", large);
  writeWindowPlacement(ini, 1920, 1080, "CDisplWindow", large, false);
  ini.setInt("1920x1080", "StatSubWindow_x", 33);

  Settings a, b;
  readSettings(a, ini, 1024, 768);
  readSettings(b, ini, 1920, 1080);
  EXPECT_EQ(a.mainWindow.dx, 810);
  EXPECT_EQ(a.mainWindow.maximized, 0);
  EXPECT_TRUE(a.mainWindow.valid());
  EXPECT_EQ(b.mainWindow.x, 100);
  EXPECT_EQ(b.mainWindow.maximized, 1);
  EXPECT_FALSE(ini.has("1920x1080", "CDisplWindow_maximized"));
  EXPECT_EQ(b.dataWindow_.dy, 1000);
  EXPECT_EQ(b.statSubX, 33);
  EXPECT_EQ(b.statSubY, -1);
  EXPECT_FALSE(a.tableWindow.valid());

  // writeSettings leaves window positions and the recent file list alone.
  ini.setString("Recent File List", "File1", "/tmp/a.log");
  writeSettings(a, ini);
  EXPECT_EQ(ini.getInt("1920x1080", "MainWindow_x"), 100);
  EXPECT_EQ(ini.getString("Recent File List", "File1"), "/tmp/a.log");
}

TEST_F(SettingsTest, LoadAndSaveAllUseTheConfigFolder) {
  writeFile(path("Kelp.ini"), "[Recent File List]\nFile1=/data/b.log\n[Ansicht]\nMetrisch=0\n"
                              "[Computertyp]\nCT052=Mein Air X\n");
  writeFile(path("Ctyp.ini"), "[200]\nName=Eigener\nGas=1\nPressure=1\n");
  loadAllSettings(800, 600);
  EXPECT_EQ(settings().lastLogbookPath, "/data/b.log");
  EXPECT_EQ(settings().unitsMetric, 0);
  EXPECT_EQ(computerModels().count(), 19);
  EXPECT_EQ(computerDisplayName(52), "Mein Air X");
  EXPECT_EQ(computerDisplayName(200), "Eigener");

  settings().comPort = 3;
  ASSERT_TRUE(saveAllSettings());
  IniFile back(path("Kelp.ini"));
  EXPECT_EQ(back.getInt("Transfer", "Com"), 3);
  EXPECT_EQ(back.getString("Computertyp", "CT052"), "Mein Air X");  // kept
  EXPECT_EQ(back.getString("Recent File List", "File1"), "/data/b.log");
  IniFile types(path("Ctyp.ini"));
  EXPECT_EQ(types.sections().size(), 19u);
  EXPECT_EQ(types.getInt("200", "Gas"), 1);
}

TEST_F(SettingsTest, ColorSchemeFiles) {
  ProfileColors c{};
  for (int i = 0; i < kProfileColorCount; ++i) c[i] = rgb(i, 2 * i, 255 - i);
  c[kColText] = 0xFF123456u;
  const std::string p = path("scheme.cst");
  ASSERT_TRUE(saveColorScheme(p, c));
  std::string bytes = readFile(p);
  ASSERT_EQ(bytes.size(), 32u);
  EXPECT_EQ(bytes.substr(16, 4), "\x56\x34\x12\xFF");  // little-endian, red in the low byte

  ProfileColors back{};
  ASSERT_TRUE(loadColorScheme(p, back));
  EXPECT_EQ(back, c);

  // A short file changes only the colours it holds (here one and a half).
  writeFile(p, std::string("\x01\x02\x03\x00\x09\x09", 6));
  ProfileColors partial = c;
  ASSERT_TRUE(loadColorScheme(p, partial));
  EXPECT_EQ(partial[0], rgb(1, 2, 3));
  for (int i = 1; i < kProfileColorCount; ++i) EXPECT_EQ(partial[i], c[i]);

  EXPECT_FALSE(loadColorScheme(path("missing.cst"), partial));
}

// The planner's gradient factors: [Deko] GFLow and GFHigh, 30/75 when missing; a pair the
// planner would refuse (out of 10..100, or low above high) reads as 30/75 whole.
TEST_F(SettingsTest, GradientFactorsRoundTripAndBadPairsReadAsDefaults) {
  Settings s;
  readSettings(s, IniFile());
  EXPECT_EQ(s.gfLow, 30);
  EXPECT_EQ(s.gfHigh, 75);
  s.gfLow = 40;
  s.gfHigh = 85;
  IniFile ini;
  ini.setPath(path("Kelp.ini"));
  writeSettings(s, ini);
  ASSERT_TRUE(ini.save());
  EXPECT_NE(readFile(path("Kelp.ini")).find("[Deko]\nGFLow=40\nGFHigh=85\n"), std::string::npos);
  Settings r;
  readSettings(r, IniFile(path("Kelp.ini")));
  EXPECT_EQ(r.gfLow, 40);
  EXPECT_EQ(r.gfHigh, 85);

  for (const char* bad : {"[Deko]\nGFLow=80\nGFHigh=70\n", "[Deko]\nGFLow=5\nGFHigh=70\n",
                          "[Deko]\nGFLow=30\nGFHigh=120\n"}) {
    writeFile(path("Kelp.ini"), bad);
    Settings b;
    readSettings(b, IniFile(path("Kelp.ini")));
    EXPECT_EQ(b.gfLow, 30) << bad;
    EXPECT_EQ(b.gfHigh, 75) << bad;
  }
}

// Widening a column for a long head text must not reach the settings file: a column shown at its
// (widened) default goes back as the default, so Italian and English write the same file.
TEST(Settings, ColumnsWidenedForTheirHeadKeepTheirDefaultInTheSettings) {
  // No width of its own, or its default: shown at the default or as wide as the head needs.
  EXPECT_EQ(kelp::columnWidthShown(-1, 40, 30), 40);
  EXPECT_EQ(kelp::columnWidthShown(-1, 40, 58), 58);
  EXPECT_EQ(kelp::columnWidthShown(40, 40, 58), 58);
  // A width the user gave it stays, even a narrow one.
  EXPECT_EQ(kelp::columnWidthShown(25, 40, 58), 25);
  // Kept: the default while the column is shown so, else what the user made of it.
  EXPECT_EQ(kelp::columnWidthToStore(58, 40, 58), 40);
  EXPECT_EQ(kelp::columnWidthToStore(40, 40, 30), 40);
  EXPECT_EQ(kelp::columnWidthToStore(70, 40, 58), 70);
  // Round trip in two languages: the same stored width whichever head text was measured.
  for (int headFit : {30, 58}) {
    const int shown = kelp::columnWidthShown(-1, 40, headFit);
    EXPECT_EQ(kelp::columnWidthToStore(shown, 40, headFit), 40);
  }
}
