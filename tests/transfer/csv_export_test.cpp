#include <gtest/gtest.h>

#include <filesystem>

#include "core/logbook.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "transfer/csv_export.h"
#include "tests/test_support.h"

using namespace kelp;

namespace {

class CsvTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings().unitsMetric = 1;
    for (int i = 0; i < 8; ++i) {
      DiveRecord r = makeRecord();
      r.date = dayNumber(1 + i, 3, 2024);
      r.timeOfDay = 600;
      r.maxDepth = 3250;
      setText(r.location, "Elba");
      lb.insert(r);
    }
    lb.renumber(1);
  }
  static uint32_t bits(std::initializer_list<int> b) {
    uint32_t m = 0;
    for (int x : b) m |= 1u << x;
    return m;
  }
  Logbook lb;
};

TEST_F(CsvTest, TableOfARangeWithTheCommaRule) {
  CsvOptions o;
  o.fields = bits({0, 1, 5});
  o.firstNumber = 5;
  o.lastNumber = 7;
  const std::string text = csvTable(lb, o);
  std::string want = "Numero;Data;Prof max;\n";
  for (int n = 5; n <= 7; ++n)
    want += std::to_string(n) + ";" + formatDateLong(dayNumber(n, 3, 2024)) + ";32,5;\n";
  EXPECT_EQ(text, want);
  // The order of the columns is the fields' order, not the bits'.
  o.fields = bits({23, 21, 25, 0});
  o.separator = 1;
  EXPECT_EQ(csvTable(lb, o).substr(0, csvTable(lb, o).find('\n')),
            "Numero\tVisibilità\tZavorra\tNote\t");
}

TEST_F(CsvTest, NotesAndTextsThatWouldBreakTheRow) {
  DiveRecord r = lb.get(1);
  setNotes(r, "first line\r\nsecond; with\ttab");
  setText(r.location, "Capo; \"Nord\"");
  setText(r.site, "Reef\nNorth");
  lb.put(1, r);
  EXPECT_EQ(csvValue(r, 25), "first line  second, with tab");
  CsvOptions o;
  o.fields = bits({3, 4, 25});
  o.firstNumber = o.lastNumber = 1;
  EXPECT_EQ(csvTable(lb, o),
            "Località;Luogo;Note;\n"
            "\"Capo; \"\"Nord\"\"\";\"Reef\nNorth\";first line  second, with tab;\n");
  // With tabs, a semicolon needs no quotes.
  EXPECT_EQ(csvCell("a;b", '\t'), "a;b");
  EXPECT_EQ(csvCell("a\tb", '\t'), "\"a\tb\"");
  EXPECT_EQ(csvCell("plain", ';'), "plain");
}

TEST_F(CsvTest, ProfileLayout) {
  DiveRecord r = lb.get(3);
  r.sampleCount = 3;
  r.samples[0].depth = -1.3f;
  r.samples[1].depth = -12.25f;
  r.samples[2].depth = -3.0f;
  lb.put(3, r);
  CsvOptions o;
  o.fields = bits({0, 5, CSV_PROFILE_BIT});
  o.firstNumber = 1;
  o.lastNumber = 3;
  o.timeFormat = 1;
  std::string text;
  ASSERT_TRUE(csvProfile(lb, o, text));
  EXPECT_EQ(text,
            "Numero;3\nProf max;32,5\nProfilo;Secondo;Prof\n"
            ";0:00:00;-1,3\n;0:00:20;-12,2\n;0:00:40;-3,0\n");
  o.timeFormat = 0;
  o.sign = 1;
  o.separator = 1;
  ASSERT_TRUE(csvProfile(lb, o, text));
  EXPECT_NE(text.find("Profilo\tSecondo\tProf\n\t0\t1,3\n\t20\t12,2\n\t40\t3,0\n"),
            std::string::npos);
  // The closing surface point made positive reads 0,0, not -0,0.
  r.samples[2].depth = 0.0f;
  lb.put(3, r);
  ASSERT_TRUE(csvProfile(lb, o, text));
  EXPECT_NE(text.find("\t40\t0,0\n"), std::string::npos) << text;
  r.samples[2].depth = -3.0f;
  settings().unitsMetric = 0;
  ASSERT_TRUE(csvProfile(lb, o, text));
  EXPECT_NE(text.find("\t20\t40,2\n"), std::string::npos);  // 12.25 m in feet
  settings().unitsMetric = 1;
  o.lastNumber = 42;
  EXPECT_FALSE(csvProfile(lb, o, text));
}

TEST_F(CsvTest, ChecksAndFiles) {
  const kelp::test::ScratchDir scratch("kelp-csv");
  const std::filesystem::path& dir = scratch.path();
  const std::string path = (dir / "out.csv").string();
  CsvOptions o;
  o.fields = bits({0});
  o.firstNumber = 0;
  o.lastNumber = 8;
  EXPECT_EQ(exportCsv(lb, path, o).error, str(62502));
  o.firstNumber = 1;
  o.lastNumber = 9;
  EXPECT_EQ(exportCsv(lb, path, o).error, str(62502));
  o.lastNumber = 8;
  o.fields = 0;
  EXPECT_EQ(exportCsv(lb, path, o).error, str(62618));
  EXPECT_FALSE(std::filesystem::exists(path));

  Settings s;
  o.fields = bits({0, 1});
  o.separator = 1;
  ASSERT_TRUE(exportCsv(lb, path, o, &s).ok);
  EXPECT_EQ(s.excelFields, 3);
  EXPECT_EQ(s.excelSeparator, 1);
  const std::string text = kelp::test::readFile(path);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 9);

  // A file that cannot be created is reported.
  Result bad = exportCsv(lb, (dir / "missing" / "out.csv").string(), o);
  EXPECT_FALSE(bad.ok);
  EXPECT_NE(bad.error.find("out.csv"), std::string::npos);

  // A profile of a missing dive leaves an empty file and says so.
  o.fields = bits({0, CSV_PROFILE_BIT});
  o.lastNumber = 8;
  lb.modify(lb.diveCount(), [](DiveRecord& d) { d.diveNumber = 100; });
  o.lastNumber = 7;
  lb.modify(7, [](DiveRecord& d) { d.diveNumber = 70; });
  Result missing = exportCsv(lb, path, o);
  EXPECT_EQ(missing.error, str(62503));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

}  // namespace
