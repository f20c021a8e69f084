// The charts over hand-built logbooks: bands, water classes, percent bases, value
// views, activity and dive type rows, and the rows of the per-year and per-month charts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/stat_charts.h"
#include "core/logbook.h"
#include "core/texts.h"
#include "tests/test_support.h"

using namespace kelp;
using kelp::test::newLogbookWith;

namespace {

constexpr int kFresh = 1 << kDiveFreshWater;
constexpr int kSea = 1 << kDiveSeaWater;

DiveRecord dive(int d, int m, int y, int depthCm = 1000, int water = kSea) {
  DiveRecord r = makeRecord();
  r.date = dayNumber(d, m, y);
  r.maxDepth = static_cast<int16_t>(depthCm);
  r.diveTypeFlags = static_cast<uint16_t>(water);
  return r;
}

StatOptions opts(int view = kViewCount, bool metric = true) {
  StatOptions o;
  o.metric = metric;
  o.view = view;
  o.today = dayNumber(15, 6, 2024);
  return o;
}

std::vector<std::string> cells(const StatResult& r, int row) {
  const StatLine l = r.line(row);
  return {l.cells[0], l.cells[1], l.cells[2], l.cells[3]};
}
using V = std::vector<std::string>;

}  // namespace

TEST(DepthChart, BandEdgesAndDepthsBeyondTheLastBound) {
  const Logbook lb = newLogbookWith({dive(1, 1, 2020, 500), dive(2, 1, 2020, 501), dive(3, 1, 2020, 6501),
                              dive(4, 1, 2020, 25000)});
  const StatResult r = computeStatistics(lb, kChartDepth, opts());
  ASSERT_EQ(r.rowCount, 14);
  EXPECT_EQ(r.labels[0], "- 05 m");
  EXPECT_EQ(r.labels[13], "> 65 m");
  EXPECT_EQ(cells(r, 0)[0], "1");   // 500 cm: "- 05 m"
  EXPECT_EQ(cells(r, 1)[0], "1");   // 501 cm: "- 10 m"
  EXPECT_EQ(cells(r, 13)[0], "2");  // 65.01 m and 250 m (beyond 200 m) in "> 65 m"
  for (int i = 2; i < 13; ++i) EXPECT_EQ(cells(r, i)[0], "0") << i;
  EXPECT_EQ(r.table.scaleMax, 10.0f);
}

TEST(DepthChart, ImperialBandsKeepDeepDivesInTheLastBand) {
  // 4.88 m = 16.01 ft, 4.87 m = 15.98 ft, 100 m = 328 ft (beyond the last bound of 300 ft)
  const Logbook lb = newLogbookWith({dive(1, 1, 2020, 487), dive(2, 1, 2020, 488), dive(3, 1, 2020, 10000)});
  const StatResult r = computeStatistics(lb, kChartDepth, opts(kViewCount, false));
  EXPECT_EQ(r.labels[0], "- 16 ft");
  EXPECT_EQ(r.labels[6], "-112 ft");
  EXPECT_EQ(r.labels[13], ">208 ft");
  EXPECT_EQ(cells(r, 0)[0], "1");
  EXPECT_EQ(cells(r, 1)[0], "1");
  EXPECT_EQ(cells(r, 13)[0], "1");
  EXPECT_EQ(bandOf(depthBounds(false), 1600), 1);  // 16.00 ft
  EXPECT_EQ(bandOf(depthBounds(false), 1601), 2);
  EXPECT_EQ(chartPrintLabel(r, 6), "- 112 ft");
  EXPECT_EQ(chartPrintLabel(r, 13), "> 208 ft");
}

TEST(DepthChart, DepthComesFromTheProfileWhenStoredNegativeAndDivesWithoutAnyAreLeftOut) {
  DiveRecord fromProfile = dive(1, 1, 2020, -1);
  fromProfile.profileMaxDepth = 32.5f;
  DiveRecord none = dive(2, 1, 2020, -1);  // negative and no profile
  DiveRecord empty = dive(3, 1, 2020, NO_VALUE);
  const Logbook lb = newLogbookWith({fromProfile, none, empty, dive(4, 1, 2020, 1200)});
  const StatResult r = computeStatistics(lb, kChartDepth, opts());
  EXPECT_EQ(cells(r, 0)[0], "0");  // nothing in the shallowest band
  EXPECT_EQ(cells(r, 6)[0], "1");  // 32.5 m in "- 35 m"
  EXPECT_EQ(cells(r, 2)[0], "1");
  const auto summary = r.summary();
  ASSERT_EQ(summary.size(), 4u);
  EXPECT_EQ(summary[0].cells[0], "44.5");   // total
  EXPECT_EQ(summary[1].cells[0], "22.25");  // mean
  EXPECT_EQ(summary[2].cells[0], "12.0");   // minimum, not negative
  EXPECT_EQ(summary[3].cells[0], "32.5");
  // the value views read the depth the same way
  StatOptions o = opts(kViewDepth);
  o.statistic = kStatMin;
  const StatResult suit = computeStatistics(
      newLogbookWith({[&] { DiveRecord d = none; d.suit = 1; return d; }(),
               [&] { DiveRecord d = fromProfile; d.suit = 1; return d; }()}),
      kChartSuit, o);
  EXPECT_EQ(cells(suit, 0), (V{"", "0.0", "32.5", "0.0"}));
}

TEST(DepthChart, WaterClassesAndSummaryBlocks) {
  const Logbook lb = newLogbookWith({dive(1, 1, 2020, 800, kFresh), dive(2, 1, 2020, 900, kSea),
                              dive(3, 1, 2020, 700, kFresh | kSea), dive(4, 1, 2020, 600, 0)});
  const StatResult r = computeStatistics(lb, kChartDepth, opts());
  EXPECT_EQ(cells(r, 1), (V{"4", "2", "2", "1"}));  // both flags: fresh and sea, not chamber
  const auto summary = r.summary();
  EXPECT_EQ(summary[0].cells[3], "6.0");  // the chamber block holds the dive without a flag
  EXPECT_EQ(summary[2].cells[1], "7.0");
  EXPECT_EQ(summary[3].cells[2], "9.0");
  const StatBar b = r.bar(1);
  EXPECT_EQ(b.kind, StatBar::Water);
  EXPECT_EQ(b.fresh, 2.0f);
  EXPECT_EQ(b.chamber, 1.0f);
}

TEST(DepthChart, MeanDepthModeReadsTheProfileAverage) {
  DiveRecord a = dive(1, 1, 2020, 3000);
  a.profileAvgDepth = 14.0f;
  StatOptions o = opts();
  o.meanDepth = true;
  const StatResult r = computeStatistics(newLogbookWith({a, dive(2, 1, 2020, 3000)}), kChartDepth, o);
  EXPECT_EQ(cells(r, 2)[0], "1");
  EXPECT_EQ(r.table.yearDives, 1);
}

TEST(Percentages, BaseIsTheLogbookOrTheDivesOfTheYear) {
  DiveRecord noTime = dive(1, 1, 2020);
  noTime.diveTime = NO_VALUE;
  DiveRecord t1 = dive(2, 1, 2020), t2 = dive(3, 1, 2021), t3 = dive(4, 1, 2021);
  t1.diveTime = 10;
  t2.diveTime = 45;
  t3.diveTime = 200;
  const Logbook lb = newLogbookWith({noTime, t1, t2, t3});
  StatResult all = computeStatistics(lb, kChartTime, opts(kViewPercent));
  EXPECT_EQ(cells(all, 0)[0], "25.0");  // 1 of the logbook's 4 dives, though one has no time
  EXPECT_EQ(cells(all, 9)[0], "25.0");  // 200 minutes in "> 90 min"
  StatOptions o = opts(kViewPercent);
  o.selection = 1;
  o.year = 2021;
  o.keepScale = all.table.scaleMax;
  const StatResult y = computeStatistics(lb, kChartTime, o);
  EXPECT_EQ(y.table.yearDives, 2);
  EXPECT_EQ(cells(y, 4)[0], "50.0");
  EXPECT_EQ(cells(y, 0)[0], "0.0");
  o.year = 2019;  // no dive in that year
  const StatResult none = computeStatistics(lb, kChartTime, o);
  for (int i = 0; i < none.rowCount; ++i) EXPECT_EQ(cells(none, i)[0], "0.0");
  EXPECT_EQ(none.table.scaleMax, all.table.scaleMax);  // the scale of all dives stays
  EXPECT_EQ(none.bar(0).fresh + none.bar(0).sea + none.bar(0).chamber, 0.0f);
  const auto summary = all.summary();
  EXPECT_EQ(summary[0].cells[0], "255");
  EXPECT_EQ(summary[1].cells[0], "04:15");
}

TEST(TemperatureChart, BandsBelowTheFirstBoundAndInFahrenheit) {
  DiveRecord cold = dive(1, 1, 2020), warm = dive(2, 1, 2020);
  cold.minWaterTemperature = -150;
  warm.minWaterTemperature = 3000;
  const Logbook lb = newLogbookWith({cold, warm});
  const StatResult r = computeStatistics(lb, kChartTemperature, opts());
  EXPECT_EQ(r.labels[0], "- 02 °C");
  EXPECT_EQ(cells(r, 0)[0], "1");
  EXPECT_EQ(cells(r, 10)[0], "1");
  EXPECT_EQ(r.summary()[1].cells[0], "-1.5");  // minimum
  const StatResult f = computeStatistics(lb, kChartTemperature, opts(kViewCount, false));
  EXPECT_EQ(f.labels[10], "> 84 °F");
  EXPECT_EQ(cells(f, 0)[0], "1");  // 29.3 °F
  EXPECT_EQ(cells(f, 10)[0], "1");  // 86 °F
}

TEST(CategoryCharts, ValueViewsShowMeansMinimaAndMaxima) {
  DiveRecord a = dive(1, 1, 2020, 1000, kFresh), b = dive(2, 1, 2020, 3000, kSea),
             c = dive(3, 1, 2020, 2000, 0), d = dive(4, 1, 2020, 4000, kSea);
  for (DiveRecord* r : {&a, &b, &c, &d}) r->suit = 6;
  a.sac = 20.0f;
  b.sac = 10.0f;
  const Logbook lb = newLogbookWith({a, b, c, d});
  StatOptions o = opts(kViewDepth);
  const StatResult mean = computeStatistics(lb, kChartSuit, o);
  EXPECT_EQ(cells(mean, 5), (V{"25.0", "10.0", "35.0", "20.0"}));
  EXPECT_EQ(mean.table.scaleMax, 40.0f);  // largest mean 35.0
  EXPECT_EQ(mean.summary()[0].cells[0], "25.0");
  o.statistic = kStatMin;
  const StatResult min = computeStatistics(lb, kChartSuit, o);
  EXPECT_EQ(cells(min, 5), (V{"", "10.0", "30.0", "20.0"}));  // "Tutte" stays empty
  o.statistic = kStatMax;
  const StatResult max = computeStatistics(lb, kChartSuit, o);
  EXPECT_EQ(cells(max, 5), (V{"", "10.0", "40.0", "20.0"}));
  EXPECT_EQ(max.table.scaleMax, 50.0f);
  const StatBar bar = max.bar(5);
  EXPECT_EQ(bar.kind, StatBar::Value4);
  EXPECT_EQ(bar.value, 40.0f);
  EXPECT_TRUE(bar.above);
  // air consumption: the chamber column stays empty, imperial with two decimals
  o = opts(kViewAir, false);
  const StatResult air = computeStatistics(lb, kChartSuit, o);
  EXPECT_EQ(cells(air, 5), (V{"0.53", "0.71", "0.35", ""}));
  EXPECT_EQ(air.table.scaleMax, 1.0f);
  // a suit that no dive wears shows empty means as 0
  EXPECT_EQ(cells(mean, 0), (V{"0.0", "0.0", "0.0", "0.0"}));
}

TEST(CategoryCharts, ActivityRowsCountADiveOncePerActivity) {
  DiveRecord a = dive(1, 1, 2020);
  a.activityFlags = (1 << 0) | (1 << 4) | (1 << 8);  // leisure, night, wreck
  DiveRecord b = dive(2, 1, 2020);
  setText(b.otherActivities, "Biologia & Solo ,Pulizia");
  DiveRecord c = dive(3, 1, 2020);
  c.moreActivityFlags = (1 << 1) | (1 << 8);  // solo, boat
  DiveRecord none = dive(4, 1, 2020);
  const Logbook lb = newLogbookWith({a, b, c, none});
  EXPECT_EQ(activityRows(a), (std::vector<int>{1, 5, 9}));
  EXPECT_EQ(activityRows(b), (std::vector<int>{14, 25, 25}));
  EXPECT_EQ(activityRows(c), (std::vector<int>{14, 21}));
  EXPECT_TRUE(activityRows(none).empty());
  // a special activity named inside an item counts in its row, and the item is also "Altro"
  DiveRecord d = dive(5, 1, 2020);
  setText(d.otherActivities, "Esame OWD, Biologia");
  EXPECT_EQ(activityRows(d), (std::vector<int>{19, 25, 25}));
  const StatResult r = computeStatistics(lb, kChartActivity, opts(kViewPercent));
  ASSERT_EQ(r.rowCount, 25);
  EXPECT_EQ(cells(r, 0)[0], "25.0");
  EXPECT_EQ(cells(r, 13)[0], "50.0");
  EXPECT_EQ(cells(r, 24)[0], "50.0");  // two other items of one dive
  EXPECT_EQ(r.labels[13], "In solitario");
  EXPECT_EQ(chartPrintLabel(r, 13), "IN SOLITARIO");
  double total = 0;
  for (int i = 0; i < r.rowCount; ++i) total += std::stod(cells(r, i)[0]);
  EXPECT_GT(total, 100.0);
  EXPECT_EQ(chartPageCount(r), 2);
}

TEST(CategoryCharts, DiveTypeRowsAndOutOfRangeCategories) {
  DiveRecord a = dive(1, 1, 2020, 1000, kFresh);
  a.diveTypeFlags |= (1 << kDiveNitrox) | (1 << kDiveNoStop) | (1 << kDiveScr);
  a.surfaceInterval = 60;
  DiveRecord b = dive(2, 1, 2020, 1000, 0);
  EXPECT_EQ(diveTypeRows(a), (std::vector<int>{1, 2, 6, 10, 11}));
  EXPECT_EQ(diveTypeRows(b), (std::vector<int>{8, 9}));
  b.weather = 9;  // no such weather
  a.weather = 2;
  const StatResult w = computeStatistics(newLogbookWith({a, b}), kChartWeather, opts());
  EXPECT_EQ(cells(w, 1)[0], "1");
  EXPECT_EQ(w.table.yearDives, 1);
}

TEST(PeriodCharts, YearRowsStartAtTheEarliestDiveAndSkipFutureDives) {
  // not in date order: the earliest dive is the second one
  const Logbook lb = newLogbookWith({dive(1, 5, 2000), dive(1, 5, 1995), dive(1, 5, 2024), dive(1, 1, 2026)});
  const StatResult r = computeStatistics(lb, kChartYears, opts());
  EXPECT_EQ(r.firstPeriod, 1995);
  EXPECT_EQ(r.rowCount, 30);
  EXPECT_EQ(r.labels.front(), "1995");
  EXPECT_EQ(r.labels.back(), "2024");
  int total = 0;
  for (int i = 0; i < r.rowCount; ++i) total += std::stoi(cells(r, i)[0]);
  EXPECT_EQ(total, 3);  // the dive of 2026 is in no row
  EXPECT_EQ(cells(r, 0)[0], "1");
  EXPECT_EQ(cells(r, 29)[0], "1");
  ASSERT_EQ(r.summary().size(), 1u);
  EXPECT_EQ(r.summary()[0].label, "Medie.");
  EXPECT_EQ(r.summary()[0].cells[0], "1.0");
  EXPECT_EQ(r.table.firstYear, 1995);
}

TEST(PeriodCharts, AtLeastTwentyYearsAndAnEmptyAverageOfZero) {
  const StatResult empty = computeStatistics(newLogbookWith({}), kChartYears, opts());
  EXPECT_EQ(empty.firstPeriod, 1960);
  EXPECT_EQ(empty.summary()[0].cells[0], "0.0");
  EXPECT_EQ(empty.table.scaleMax, 10.0f);
  const StatResult recent = computeStatistics(newLogbookWith({dive(1, 1, 2023)}), kChartYears, opts());
  EXPECT_EQ(recent.rowCount, 20);
  EXPECT_EQ(recent.firstPeriod, 2005);
  // only dives after today: the rows still end with the current year
  const StatResult future = computeStatistics(newLogbookWith({dive(1, 1, 2030)}), kChartYears, opts());
  EXPECT_EQ(future.labels.back(), "2024");
  EXPECT_EQ(future.table.yearRangeStart(), 2024);
  EXPECT_EQ(future.summary()[0].cells[0], "0.0");
}

TEST(PeriodCharts, MonthRowsEndWithTheCurrentMonth) {
  const StatResult r =
      computeStatistics(newLogbookWith({dive(3, 6, 2024), dive(20, 7, 2024)}), kChartMonths, opts());
  ASSERT_EQ(r.rowCount, 24);
  EXPECT_EQ(r.labels.front(), "07.2022");
  EXPECT_EQ(r.labels.back(), "06.2024");
  EXPECT_EQ(cells(r, 23)[0], "1");
  for (int i = 0; i < 23; ++i) EXPECT_EQ(cells(r, i)[0], "0");
  EXPECT_EQ(r.summary()[0].label, "Medie");
  const StatResult longer =
      computeStatistics(newLogbookWith({dive(1, 2, 2020), dive(1, 1, 2019)}), kChartMonths, opts());
  EXPECT_EQ(longer.labels.front(), "01.2019");
  EXPECT_EQ(longer.rowCount, 66);
  EXPECT_EQ(chartPageCount(longer), 2);
}

TEST(PeriodCharts, AirConsumptionPerYearWithMinimumAndMaximum) {
  DiveRecord a = dive(1, 1, 2023, 1000, kFresh), b = dive(1, 2, 2023, 1000, kSea),
             c = dive(1, 1, 2024, 1000, 0), d = dive(1, 3, 2024);
  a.sac = 20;
  b.sac = 10;
  c.sac = 16;
  d.sac = -4;  // a broken consumption counts as none
  const StatResult r = computeStatistics(newLogbookWith({a, b, c, d}), kChartAirYears, opts());
  EXPECT_EQ(cells(r, 18), (V{"15.0", "20.0", "10.0", ""}));
  EXPECT_EQ(cells(r, 19), (V{"16.0", "0.0", "0.0", ""}));
  const auto s = r.summary();
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[0].cells[0], "15.3");
  EXPECT_EQ(s[1].cells[0], "10.0");
  EXPECT_EQ(s[2].cells[0], "20.0");
  EXPECT_EQ(r.table.scaleMax, 30.0f);  // largest mean 20.0, plus one, rounded up
  EXPECT_EQ(r.bar(19).kind, StatBar::Value);
  EXPECT_TRUE(r.bar(19).above);
  EXPECT_FALSE(r.bar(18).above);
  const StatLine printed = chartPrintLine(r, 18);
  EXPECT_EQ(printed.cells[1], "10.0");
  EXPECT_EQ(printed.cells[2], "20.0");
}

TEST(PeriodCharts, DivesAreReadByPositionWhateverTheirNumbers) {
  std::vector<DiveRecord> v;
  for (int i = 0; i < 5; ++i) {
    v.push_back(dive(i + 1, 1, 2024));
    v.back().diveNumber = static_cast<uint16_t>(500 + i);
  }
  const StatResult r = computeStatistics(newLogbookWith(v), kChartMonths, opts());
  EXPECT_EQ(cells(r, 18)[0], "5");
  const StatResult perMonth = divesPerMonth(newLogbookWith(v));
  EXPECT_EQ(perMonth.labels[0], "Gen");
  EXPECT_EQ(cells(perMonth, 0)[2], "5");
  EXPECT_TRUE(perMonth.summary().empty());
}

TEST(PeriodScroll, StaysBetweenTheFirstFullPageAndTheLastRow) {
  PeriodScroll s;
  s.reset(30, 20);
  EXPECT_EQ(s.position, 30);
  s.setPosition(5);
  EXPECT_EQ(s.position, 20);
  EXPECT_EQ(s.firstShown(), 1);
  s.setPosition(99);
  EXPECT_EQ(s.position, 30);
}

TEST(ChartNames, IndexOrName) {
  EXPECT_EQ(chartFromName("3"), kChartTime);
  EXPECT_EQ(chartFromName("air-months"), kChartAirMonths);
  EXPECT_EQ(chartFromName("11"), -1);
  EXPECT_EQ(chartFromName("nope"), -1);
}

TEST(ChartPrint, SubtitlesNameTheYearAndTheUnit) {
  const Logbook lb = newLogbookWith({dive(1, 1, 2020)});
  StatOptions o = opts(kViewDepth);
  o.selection = 1;
  o.year = 2020;
  EXPECT_EQ(chartPrintSubtitle(computeStatistics(lb, kChartSuit, o)),
            "Numero inn profonde con muta all'anno 2020 [m]");
  o.view = kViewTime;
  EXPECT_EQ(chartPrintSubtitle(computeStatistics(lb, kChartActivity, o)),
            "Durata imm per attività all'anno 2020 [min]");
  o.view = kViewAir;
  o.selection = 0;
  EXPECT_EQ(chartPrintSubtitle(computeStatistics(lb, kChartDiveType, o)), "Consumo aria per tipo [l/min]");
  EXPECT_EQ(chartPrintSubtitle(computeStatistics(lb, kChartDepth, o)), "Numero imm in base alla profondità");
}

TEST(ChartDates, YearAndMonthAgreeWithTheCalendar) {
  DiveRecord r = makeRecord();
  for (int32_t n = 1; n < 1000000; n += 97) {
    r.date = n;
    int y = 0, m = 0, cd, cm, cy;
    ASSERT_TRUE(diveDate(r, y, m));
    fromDayNumber(n, cd, cm, cy);
    ASSERT_EQ(y * 100 + m, cy * 100 + cm) << n;
  }
  for (int year : {1600, 1700, 1900, 2000, 2024, 2100})
    for (int day : {dayNumber(1, 1, year), dayNumber(28, 2, year), dayNumber(1, 3, year) - 1,
                    dayNumber(1, 3, year), dayNumber(31, 12, year)}) {
      r.date = day;
      int y = 0, m = 0, cd, cm, cy;
      if (!diveDate(r, y, m)) continue;  // day 0 is no date
      fromDayNumber(day, cd, cm, cy);
      EXPECT_EQ(y * 100 + m, cy * 100 + cm) << day;
    }
  r.date = -1;
  int y, m;
  EXPECT_FALSE(diveDate(r, y, m));
}
