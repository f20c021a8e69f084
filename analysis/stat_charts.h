#pragma once
// The statistics charts: each one a function from the logbook (plus units, year
// selection, view and statistic) to a filled CStatTable with the texts of its rows
// and summary lines and what its bars draw. No drawing here.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/stat_table.h"

namespace kelp {

class Logbook;
struct DiveRecord;

// The charts in the order of the statistics panel.
enum StatChart : int {
  kChartYears = 0, kChartMonths, kChartDepth, kChartTime, kChartTemperature, kChartSuit,
  kChartWeather, kChartDiveType, kChartActivity, kChartAirYears, kChartAirMonths, kStatChartCount,
  kChartPerMonth = kStatChartCount  // dives per calendar month over all years (its own dialog)
};

enum class ChartKind { Period, Binned, Category, AirPeriod };
ChartKind chartKind(int chart);
// The chart's command-line name ("years", "months", "depth", ...).
const char* chartName(int chart);
// Index from a name or a number "0".."10"; -1 when neither.
int chartFromName(const std::string& s);
// Title of the chart's window ("Immersioni all'anno", ...).
std::string chartWindowTitle(int chart);
int chartDialogId(int chart);

struct StatOptions {
  bool metric = true;
  int selection = 0;        // 0 all dives, 1 the year below
  int year = 0;
  int view = kViewCount;    // binned charts: count, percent; category charts: all five
  int statistic = kStatMean;
  bool meanDepth = false;   // depth chart: "Prof media" instead of "Prof max"
  int32_t today = 0;        // day number of today; 0 = the system's date
  float keepScale = 0;      // binned charts in year selection keep this scale when non-zero
};

// A chart row's or summary line's label and the texts of its four columns.
struct StatLine {
  std::string label;
  std::array<std::string, 4> cells;
};

// What one row's bar draws.
struct StatBar {
  enum Kind { Water, Value, Value4 } kind = Water;
  float value = 0;                       // the main bar (value bars)
  float fresh = 0, sea = 0, chamber = 0; // stacked classes or strips
  bool above = false;                    // value above the overall mean ("Überschnitt")
};

struct StatResult {
  int chart = kChartYears;
  StatOptions options;
  CStatTable table;
  int rowCount = 0;
  std::vector<std::string> labels;  // row i (0-based) has key i + 1
  int logbookDives = 0;
  int firstPeriod = 0;              // per-year charts: first year; per-month: year * 12 + month - 1
  int currentPeriod = 0;            // the last row's year or month index

  // Texts of row i (0-based) as the window shows them.
  StatLine line(int i) const;
  // The summary lines the window shows ("Medie", "Min:", ...).
  std::vector<StatLine> summary() const;
  StatBar bar(int i) const;
  // The percent base: dives of the logbook, or of the selected year.
  int percentBase() const;
  // Whether the value views of this result show air consumption in cft/min.
  bool airImperial() const;
  // Decimals of the value cells.
  int valueDecimals() const;
};

StatResult computeStatistics(const Logbook& lb, int chart, const StatOptions& options);
// Dives per calendar month over all years: twelve rows "Gen" ... "Dic".
StatResult divesPerMonth(const Logbook& lb);

// ---- pieces the charts are built of (exposed for tests) ----

// Year, month and day of a dive's date; false when it has none.
bool diveDate(const DiveRecord& r, int& year, int& month);
// Earliest year and month (year * 12 + month - 1) of any dive; false when no dive has a date.
bool earliestPeriod(const Logbook& lb, int& year, int& monthIndex);
// The rows of the per-year charts: from the earliest year of any dive (1960 when none)
// to the current year, at least 20. Returns the first year.
int firstYearRow(const Logbook& lb, int currentYear);
// The rows of the per-month charts: from the earliest month (January 1960 when none)
// to the current month, at least 24. Returns the first month index.
int firstMonthRow(const Logbook& lb, int currentMonthIndex);

// Band of a value in a bound table: the first band whose bound is >= v; values above
// the last bound fall into the last band. Bands are numbered from 1.
int bandOf(const std::vector<int>& bounds, double v);
const std::vector<int>& depthBounds(bool metric);
const std::vector<int>& timeBounds();
const std::vector<int>& temperatureBounds(bool metric);

// The rows of the activity chart a dive lands in (1..25; row 25 once per other item).
std::vector<int> activityRows(const DiveRecord& r);
// The rows of the dive type chart (1..11).
std::vector<int> diveTypeRows(const DiveRecord& r);
// Items of a list field (buddies, other activities): separated by , ; + &, blanks
// around an item dropped, empty items left out.
std::vector<std::string> splitItems(const std::string& text);
void splitItemViews(std::string_view text, std::vector<std::string_view>& out);  // views into text

// Maximum depth as statistics read it, centimetres; false when the dive has none.
bool statDepthCm(const DiveRecord& r, int& cm);

// ---- the window's scrolling of the per-year and per-month charts ----
// The position is the last row shown (1-based); it stays within visible..rows.
struct PeriodScroll {
  int rows = 0, visible = 20, position = 0;
  void reset(int rowCount, int visibleRows);  // position at the last row
  int minimum() const;
  void setPosition(int p);
  int firstShown() const { return position - visible + 1; }  // may be < 1 with few rows
};

// ---- printing ----
// Pages a chart prints.
int chartPageCount(const StatResult& r);
// Rows printed on each page of the per-year and per-month charts.
inline constexpr int kPeriodRowsPerPage = 40;
// Title and subtitle of a printed chart.
std::string chartPrintTitle(const StatResult& r);
std::string chartPrintSubtitle(const StatResult& r);
// Printed row label (the fixed labels of the prints) and column heads.
std::string chartPrintLabel(const StatResult& r, int i);
std::array<std::string, 5> chartPrintHeads(const StatResult& r);
// A printed row: the printed label; percentages as "(%.1f%%)"; the air charts print the
// mean, minimum and maximum of all dives.
StatLine chartPrintLine(const StatResult& r, int i);

}  // namespace kelp
