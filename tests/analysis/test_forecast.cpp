#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "analysis/forecast.h"
#include "core/dive_record.h"
#include "core/language.h"
#include "core/logbook.h"
#include "core/texts.h"
#include "tests/test_support.h"

using namespace kelp;
using kelp::test::readFile;
using kelp::test::ScratchDir;
namespace fs = std::filesystem;

namespace {

// n dives on the first n days of a month (spread over the month when n exceeds it).
void addDives(std::vector<DiveRecord>& dives, int n, int month, int year) {
  const int32_t first = dayNumber(1, month, year);
  const int32_t length = dayNumber(1, month % 12 + 1, year + (month == 12)) - first;
  for (int i = 0; i < n; ++i) {
    DiveRecord r = makeRecord();
    r.date = first + i % length;
    r.diveNumber = static_cast<uint16_t>(dives.size() + 1);
    dives.push_back(r);
  }
}

Logbook logbookOf(std::vector<DiveRecord> dives) {
  Logbook lb;
  lb.assignDives(std::move(dives));
  return lb;
}

CalendarDay day(int d, int m, int y) { return {d, m, y}; }

CalendarDay plusDays(const CalendarDay& d, int n) {
  CalendarDay out;
  fromDayNumber(dayNumber(d.day, d.month, d.year) + n, out.day, out.month, out.year);
  return out;
}

class ForecastFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(dir.empty()); }
  std::vector<std::string> texts() {
    ForecastFile f;
    EXPECT_TRUE(loadForecastFile(path, f).ok);
    std::vector<std::string> out;
    for (const auto& r : f.history()) out.push_back(r.utf8());
    return out;
  }
  ScratchDir scratch{"kelp-prg"};
  const fs::path dir = scratch.path();
  const std::string path = (dir / "logbook.prg").string();
};

}  // namespace

TEST(Forecast, DefaultTargetIsTheNextHundredAboveTheCount) {
  EXPECT_EQ(defaultForecastTarget(237), 300);
  EXPECT_EQ(defaultForecastTarget(300), 400);
  EXPECT_EQ(defaultForecastTarget(0), 100);
}

TEST(Forecast, RecentYearsWeighMoreAndWalkedMonthsWithoutDivesProjectNone) {
  std::vector<DiveRecord> dives;
  addDives(dives, 31, 1, 2023);  // 1 a day, weight 1
  addDives(dives, 62, 1, 2024);  // 2 a day, weight 2
  addDives(dives, 29, 2, 2024);  // 1 a day in a leap February
  Logbook lb = logbookOf(dives);
  ForecastRequest req;
  req.target = defaultForecastTarget(lb.diveCount());
  req.startMonth = 1;
  req.startYear = 2023;
  ForecastResult r;
  ASSERT_EQ(computeForecast(lb, req, day(10, 3, 2024), r), ForecastOutcome::Found);
  EXPECT_NEAR(r.monthRate[0], 5.0 / 3, 1e-12);
  EXPECT_EQ(r.monthWeight[0], 3);
  EXPECT_NEAR(r.monthRate[1], 2.0 / 3, 1e-12);
  EXPECT_EQ(r.monthWeight[2], 1);  // March 2023 only: the current month is left out
  EXPECT_EQ(r.monthRate[2], 0);
  // 122 dives; nothing from March to December, then 51.7 in January 2025, 18.7 in
  // February 2025, and the rest early in January 2026.
  EXPECT_EQ(forecastDateText(r.date), "5.01.2026");
  EXPECT_EQ(forecastRateText(r.monthRate[0], 1, false), "1.667");
  EXPECT_EQ(forecastRateText(r.monthRate[1], 2, true), "18.67");
}

TEST(Forecast, MonthsNeverWalkedUseTheMeanAndDivesBeforeTheStartArePassedOver) {
  std::vector<DiveRecord> dives;
  addDives(dives, 31, 1, 2023);
  DiveRecord undated = makeRecord();
  undated.date = -1;
  dives.push_back(undated);
  addDives(dives, 62, 1, 2024);
  addDives(dives, 29, 2, 2024);
  Logbook lb = logbookOf(dives);
  ForecastRequest req;
  req.target = 200;
  req.startMonth = 1;
  req.startYear = 2024;
  ForecastResult r;
  ASSERT_EQ(computeForecast(lb, req, day(10, 3, 2024), r), ForecastOutcome::Found);
  EXPECT_DOUBLE_EQ(r.monthRate[0], 2.0);
  EXPECT_DOUBLE_EQ(r.monthRate[1], 1.0);
  EXPECT_EQ(r.monthWeight[2], 0);
  // 123 dives, 1.5 a day from today on: 52 days.
  EXPECT_EQ(forecastDateText(r.date), forecastDateText(plusDays(day(10, 3, 2024), 51)));
}

TEST(Forecast, CurrentMonthCountsItsDaysSoFar) {
  std::vector<DiveRecord> dives;
  addDives(dives, 4, 3, 2024);
  Logbook lb = logbookOf(dives);
  ForecastRequest req;
  req.target = 100;
  req.startMonth = 3;
  req.startYear = 2024;
  req.withCurrentMonth = true;
  ForecastResult r;
  ASSERT_EQ(computeForecast(lb, req, day(5, 3, 2024), r), ForecastOutcome::Found);
  EXPECT_DOUBLE_EQ(r.monthRate[2], 0.5);  // 4 dives over 8 days
  EXPECT_EQ(forecastDateText(r.date), forecastDateText(plusDays(day(5, 3, 2024), 191)));
  ASSERT_EQ(computeForecast(lb, req, day(12, 3, 2024), r), ForecastOutcome::Found);
  EXPECT_DOUBLE_EQ(r.monthRate[2], 4.0 / 15);
  ASSERT_EQ(computeForecast(lb, req, day(20, 3, 2024), r), ForecastOutcome::Found);
  EXPECT_DOUBLE_EQ(r.monthRate[2], 4.0 / 20);
  ASSERT_EQ(computeForecast(lb, req, day(30, 3, 2024), r), ForecastOutcome::Found);
  EXPECT_DOUBLE_EQ(r.monthRate[2], 4.0 / 31);
  // Without the current month there is nothing to learn from.
  req.withCurrentMonth = false;
  EXPECT_EQ(computeForecast(lb, req, day(30, 3, 2024), r), ForecastOutcome::NoDives);
}

TEST(Forecast, InvalidRequestsDoNothingAndAFarTargetStopsAtTheHorizon) {
  std::vector<DiveRecord> dives;
  addDives(dives, 1, 1, 2000);
  Logbook lb = logbookOf(dives);
  ForecastResult r;
  r.date = day(1, 2, 2003);
  ForecastRequest req;
  req.target = 100;
  req.startYear = 2000;
  for (int month : {0, 13, -1, 1000}) {
    req.startMonth = month;
    EXPECT_EQ(computeForecast(lb, req, day(1, 6, 2024), r), ForecastOutcome::NothingToDo) << month;
  }
  req.startMonth = 7;
  req.startYear = 2024;  // after the current month
  EXPECT_EQ(computeForecast(lb, req, day(1, 6, 2024), r), ForecastOutcome::NothingToDo);
  req.startYear = 2000;
  req.target = 1;  // reached already
  EXPECT_EQ(computeForecast(lb, req, day(1, 6, 2024), r), ForecastOutcome::NothingToDo);
  EXPECT_EQ(forecastDateText(r.date), "1.02.2003");

  req.startMonth = 1;
  req.target = 30000;  // one dive in 24 years
  EXPECT_EQ(computeForecast(lb, req, day(1, 6, 2024), r), ForecastOutcome::BeyondHorizon);
  EXPECT_EQ(forecastDateText(r.date), "1.02.2003");
  req.target = 2;
  ASSERT_EQ(computeForecast(lb, req, day(1, 6, 2024), r), ForecastOutcome::Found);
  EXPECT_GT(r.date.year, 2100);
  EXPECT_LE(r.date.year, kForecastLastYear);

  int m = 0, y = 0;
  ASSERT_TRUE(parseForecastStart("0.0", m, y));
  EXPECT_EQ(m, 1);
  EXPECT_EQ(y, 1990);
  ASSERT_TRUE(parseForecastStart("03.2024", m, y));
  EXPECT_EQ(m, 3);
  EXPECT_FALSE(parseForecastStart("March", m, y));
  EXPECT_EQ(forecastStartText(3, 2024), "03.2024");
  EXPECT_EQ(forecastStart(lb).month, 1);
  EXPECT_EQ(forecastStart(lb).year, 2000);
}

TEST_F(ForecastFileTest, HistoryIsARingOfOneHundredRecordsShownOldestFirst) {
  EXPECT_TRUE(texts().empty());  // no file yet
  for (int i = 1; i <= 101; ++i)
    ASSERT_TRUE(appendForecastRecords(path, ForecastRecord::make(static_cast<uint32_t>(1000 + i), "r" + std::to_string(2 * i - 1)),
                                      ForecastRecord::make(0, "r" + std::to_string(2 * i)))
                    .ok);
  const std::string bytes = readFile(path);
  ASSERT_EQ(bytes.size(), 4u + 100 * 54);
  EXPECT_EQ(bytes[0], 2);  // nextSlot
  EXPECT_EQ(bytes[2], 1);  // wrapped
  EXPECT_EQ(std::string(bytes.data() + 8, 4), std::string("r201"));
  const auto h = texts();
  ASSERT_EQ(h.size(), 100u);
  EXPECT_EQ(h.front(), "r103");
  EXPECT_EQ(h.back(), "r202");
  // No temporary files stay behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(ForecastFileTest, UntrustedHeaderAndPartialRecordsAreMadeToAgree) {
  ForecastFile f;
  f.ring.push_back(ForecastRecord::make(5, "a"));
  f.ring.push_back(ForecastRecord::make(0, "b"));
  f.ring.push_back(ForecastRecord::make(6, "c"));
  std::string bytes = f.serialize();
  bytes[0] = static_cast<char>(0xF4);  // nextSlot 500
  bytes[1] = 1;
  bytes[2] = 1;                        // claims to have wrapped
  bytes += std::string(30, 'x');       // half a record
  ForecastFile g = ForecastFile::parse(bytes);
  ASSERT_EQ(g.ring.size(), 3u);
  EXPECT_EQ(g.wrapped, 0);
  EXPECT_EQ(g.nextSlot, 3);
  g.append(ForecastRecord::make(7, "d"));
  ASSERT_EQ(g.history().size(), 4u);
  EXPECT_EQ(g.history()[3].utf8(), "d");

  // A full file whose header says otherwise reads in file order.
  ForecastFile full;
  for (int i = 0; i < 100; ++i) full.ring.push_back(ForecastRecord::make(0, std::to_string(i)));
  bytes = full.serialize();
  bytes[0] = 77;
  bytes += full.serialize().substr(4, 54 * 5);  // more records than the ring holds
  g = ForecastFile::parse(bytes);
  ASSERT_EQ(g.ring.size(), 100u);
  EXPECT_EQ(g.wrapped, 1);
  EXPECT_EQ(g.nextSlot, 0);
  EXPECT_EQ(g.history().front().utf8(), "0");
  // Texts without their NUL stay within the record.
  std::string raw = f.serialize();
  for (int i = 8; i < 58; ++i) raw[i] = 'z';
  EXPECT_EQ(ForecastFile::parse(raw).ring[0].utf8(), std::string(49, 'z'));
  // Shorter than a header: empty.
  EXPECT_TRUE(ForecastFile::parse("\x01").ring.empty());
}

TEST_F(ForecastFileTest, DeletingRemovesTheForecastOfTheChosenLineAndKeepsEveryStamp) {
  for (int i = 1; i <= 3; ++i)
    ASSERT_TRUE(appendForecastRecords(path, ForecastRecord::make(static_cast<uint32_t>(100 * i), "head" + std::to_string(i)),
                                      ForecastRecord::make(0, "date" + std::to_string(i)))
                    .ok);
  ASSERT_TRUE(deleteForecast(path, 3).ok);  // the second forecast's date line
  EXPECT_EQ(texts(), (std::vector<std::string>{"head1", "date1", "head3", "date3"}));
  ASSERT_TRUE(deleteForecast(path, 3).ok);  // the last line
  EXPECT_EQ(texts(), (std::vector<std::string>{"head1", "date1"}));
  ForecastFile f;
  ASSERT_TRUE(loadForecastFile(path, f).ok);
  EXPECT_EQ(f.ring[0].stamp, 100u);
  EXPECT_EQ(f.ring[1].stamp, 0u);
  EXPECT_EQ(f.nextSlot, 2);
  ASSERT_TRUE(deleteForecast(path, 5).ok);  // outside: nothing
  EXPECT_EQ(texts().size(), 2u);
  ASSERT_TRUE(deleteForecast(path, 0).ok);
  EXPECT_TRUE(texts().empty());
}

TEST_F(ForecastFileTest, DeletingAfterTheRingWrappedKeepsTheOrder) {
  for (int i = 1; i <= 51; ++i)
    ASSERT_TRUE(appendForecastRecords(path, ForecastRecord::make(static_cast<uint32_t>(i), "h" + std::to_string(i)),
                                      ForecastRecord::make(0, "d" + std::to_string(i)))
                    .ok);
  ASSERT_TRUE(deleteForecast(path, 0).ok);  // the oldest, forecast 2
  const auto h = texts();
  ASSERT_EQ(h.size(), 98u);
  EXPECT_EQ(h.front(), "h3");
  EXPECT_EQ(h.back(), "d51");
  ASSERT_TRUE(appendForecastRecords(path, ForecastRecord::make(99, "h52"), ForecastRecord::make(0, "d52")).ok);
  EXPECT_EQ(texts().back(), "d52");
  EXPECT_EQ(texts().front(), "h3");
}

TEST_F(ForecastFileTest, RewritingReplacesTheFileInsteadOfWritingIntoIt) {
  ASSERT_TRUE(appendForecastRecords(path, ForecastRecord::make(1, "h1"), ForecastRecord::make(0, "d1")).ok);
  const std::string before = readFile(path);
  const fs::path keep = dir / "kept.prg";
  fs::create_hard_link(path, keep);  // still the old file once the new one is renamed over it
  ASSERT_TRUE(deleteForecast(path, 0).ok);
  EXPECT_EQ(readFile(keep), before);
  EXPECT_EQ(readFile(path).size(), 4u);
}

TEST_F(ForecastFileTest, ForecastLinesAndAFailedWrite) {
  ForecastRequest req;
  req.startMonth = 3;
  req.startYear = 2024;
  req.withCurrentMonth = true;
  req.target = 300;
  const ForecastRecord head = forecastHeadRecord(1700000000u, req);
  const ForecastRecord result = forecastResultRecord(req, day(7, 9, 2025));
  EXPECT_EQ(head.utf8(), "Calcola: da  3.2024 (con  mese in corso)");
  // The stored apostrophe is shown as the acute accent, as every stored text.
  EXPECT_EQ(result.utf8(), "     300 arriva all´immersione  7.09.2025");
  const auto lines = forecastListLines({head, result});
  EXPECT_EQ(lines[0], formatCalendarDate(1700000000) + "\tCalcola: da  3.2024 (con  mese in corso)");
  EXPECT_EQ(lines[1], "\t     300 arriva all´immersione  7.09.2025");
  // English: the same records and file bytes, the lines shown in English.
  setLanguage(Language::English);
  const ForecastRecord enHead = forecastHeadRecord(1700000000u, req);
  EXPECT_EQ(enHead.utf8(), head.utf8());
  const auto en = forecastListLines({head, result, ForecastRecord::make(0, "nota libera")});
  setLanguage(Language::Italian);
  EXPECT_EQ(en[0], formatCalendarDate(1700000000) + "\tComputed from  3.2024 (with the current month)");
  EXPECT_EQ(en[1], "\t     300 reached on  7.09.2025");
  EXPECT_EQ(en[2], "\tnota libera");  // a text of another shape stays as written
  const auto [a, b] = forecastRecordRange({result, head, result}, 0);  // a lone continuation line
  EXPECT_EQ(a, 0);
  EXPECT_EQ(b, 1);

  const std::string missingDir = (dir / "no" / "logbook.prg").string();
  const Result r = appendForecastRecords(missingDir, head, result);
  ASSERT_FALSE(r.ok);
  EXPECT_NE(r.error.find(missingDir), std::string::npos);
}
