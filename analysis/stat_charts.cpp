#include "analysis/stat_charts.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/dive_record.h"
#include "core/logbook.h"
#include "core/strings.h"
#include "core/texts.h"

namespace kelp {
namespace {

const char* const kChartNames[kStatChartCount] = {
    "years", "months", "depth", "time", "temperature", "suit",
    "weather", "type", "activity", "air-years", "air-months"};
const int kDialogIds[kStatChartCount] = {163, 164, 165, 167, 168, 169, 170, 171, 174, 175, 176};
// String ids of the window titles and of the row labels.
const int kWindowTitles[kStatChartCount] = {63453, 63454, 63455, 63456, 63457, 63458,
                                            63459, 63460, 63461, 63462, 63463};

const int kSuitRows[] = {62530, 62531, 62532, 63464, 62534, 62535};
const int kWeatherRows[] = {62536, 62537, 62538, 62539, 62540, 62541};
const int kTypeRows[] = {62548, 62542, 62543, 62544, 62545, 62546,
                         62547, 63465, 63466, 63467, 0 /* SCR */};
const char* const kTypePrintRows[] = {"Nitrox", "Nullzeit", "Deko", "Einzelaufstieg",
                                      "Mehrfachaufstieg", "Süßwasser", "Meerwasser", "Druckkammer",
                                      "Erst-TG", "Repetiv-TG", "SCR"};
const int kActivityRows[] = {62549, 62550, 63468, 63469, 63470, 62554, 62555, 62556, 62557,
                             62558, 62559, 62560, 63446, 63447, 63448, 63471, 62570, 63472,
                             62572, 62573, 62574, 63473, 62576, 62577, 62561};
const int kActivityPrintIds[] = {62549, 62550, 62551, 62552, 62553, 62554, 62555, 62556, 62557,
                                 62558, 62559, 62560, 62566, 62567, 62568, 62569, 62570, 62571,
                                 62572, 62573, 62574, 62575, 62576, 62577, 62561};

constexpr int kYearRowsMin = 20;
constexpr int kMonthRowsMin = 24;
constexpr int kNoDateYear = 1960;

std::string unitText(int metricId, bool metric) { return str(metric ? metricId : metricId + 1); }

// Air consumption in the unit of the chart; false when the dive has none.
bool airValue(const DiveRecord& r, bool metric, float& v) {
  if (!(r.sac > 0) || !std::isfinite(r.sac)) return false;
  v = metric ? r.sac : static_cast<float>(lminToCftmin(r.sac));
  return true;
}

// The value of a category chart's value view; false when the dive has none.
bool viewValue(const DiveRecord& r, int view, bool metric, float& v) {
  switch (view) {
    case kViewDepth: {
      int cm;
      if (!statDepthCm(r, cm)) return false;
      v = metric ? cm * 0.01f : static_cast<float>(metresToFeet(cm * 0.01));
      return true;
    }
    case kViewTime:
      if (r.diveTime == NO_VALUE) return false;
      v = r.diveTime;
      return true;
    case kViewAir: return airValue(r, metric, v);
    default: v = 1.0f; return true;
  }
}

void fillActivityRows(const DiveRecord& r, std::vector<int>& rows);
void fillDiveTypeRows(const DiveRecord& r, std::vector<int>& rows);

// Rows of a dive in a category chart.
void categoryRows(int chart, const DiveRecord& r, std::vector<int>& rows) {
  rows.clear();
  switch (chart) {
    case kChartSuit:
      if (r.suit >= 1 && r.suit <= 6) rows.push_back(r.suit);
      break;
    case kChartWeather:
      if (r.weather >= 1 && r.weather <= 6) rows.push_back(r.weather);
      break;
    case kChartDiveType: fillDiveTypeRows(r, rows); break;
    case kChartActivity: fillActivityRows(r, rows); break;
    default: break;
  }
}

int categoryRowCount(int chart) {
  switch (chart) {
    case kChartSuit: return 6;
    case kChartWeather: return 6;
    case kChartDiveType: return 11;
    default: return 25;
  }
}

// The value a binned chart bins (centimetres, minutes or hundredths of a degree, or
// their imperial counterparts); false when the dive has none.
bool binnedValue(int chart, const DiveRecord& r, const StatOptions& o, double& v) {
  switch (chart) {
    case kChartDepth:
      if (o.meanDepth) {
        if (!(r.profileAvgDepth > 0)) return false;
        const double m = r.profileAvgDepth;
        v = (o.metric ? m : metresToFeet(m)) * 100.0;
        return true;
      } else {
        int cm;
        if (!statDepthCm(r, cm)) return false;
        v = o.metric ? cm : std::trunc(metresToFeet(cm * 0.01) * 100.0);
        return true;
      }
    case kChartTime:
      if (r.diveTime == NO_VALUE) return false;
      v = r.diveTime;
      return true;
    case kChartTemperature:
      if (r.minWaterTemperature == NO_VALUE) return false;
      v = o.metric ? r.minWaterTemperature
                   : std::trunc(celsiusToFahrenheit(r.minWaterTemperature * 0.01) * 100.0);
      return true;
    default: return false;
  }
}

const std::vector<int>& binnedBounds(int chart, bool metric) {
  if (chart == kChartDepth) return depthBounds(metric);
  if (chart == kChartTime) return timeBounds();
  return temperatureBounds(metric);
}

std::string binnedLabel(int chart, bool metric, int i) {
  const auto& bounds = binnedBounds(chart, metric);
  const bool last = i == static_cast<int>(bounds.size()) - 1;
  if (chart == kChartTime) return last ? "> 90 min" : format("- %02d min", bounds[static_cast<size_t>(i)]);
  if (chart == kChartTemperature) {
    const std::string unit = unitText(62448, metric);
    const int shown = bounds[static_cast<size_t>(last ? i - 1 : i)] / 100;
    return format(last ? "> %02d %s" : "- %02d %s", shown, unit.c_str());
  }
  const std::string unit = unitText(62446, metric);
  const int shown = bounds[static_cast<size_t>(last ? i - 1 : i)] / 100;
  if (last) return format(shown < 100 ? "> %02d %s" : ">%3d %s", shown, unit.c_str());
  return format(shown < 100 ? "- %02d %s" : "-%3d %s", shown, unit.c_str());
}

}  // namespace

// ---- names ----

ChartKind chartKind(int chart) {
  switch (chart) {
    case kChartYears:
    case kChartMonths:
    case kChartPerMonth: return ChartKind::Period;
    case kChartDepth:
    case kChartTime:
    case kChartTemperature: return ChartKind::Binned;
    case kChartAirYears:
    case kChartAirMonths: return ChartKind::AirPeriod;
    default: return ChartKind::Category;
  }
}

const char* chartName(int chart) {
  if (chart == kChartPerMonth) return "per-month";
  return chart >= 0 && chart < kStatChartCount ? kChartNames[chart] : "";
}

int chartFromName(const std::string& s) {
  for (int i = 0; i < kStatChartCount; ++i)
    if (s == kChartNames[i] || s == std::to_string(i)) return i;
  return -1;
}

std::string chartWindowTitle(int chart) {
  return chart >= 0 && chart < kStatChartCount ? str(kWindowTitles[chart]) : "";
}

int chartDialogId(int chart) { return chart >= 0 && chart < kStatChartCount ? kDialogIds[chart] : 0; }

// ---- pieces ----

bool diveDate(const DiveRecord& r, int& year, int& month) {
  if (r.date <= 0 || r.date >= 1000000) return false;
  // Counted from 1 March 1200, the start of a 400-year cycle whose years run from
  // March to February, so that each leap day is the last day of its counted year.
  // 1 January 1600 (day 0) is 400 years of 146097 days less January and February 1600.
  constexpr int32_t kFromMarch1200 = 146097 - 60;
  const int32_t z = r.date + kFromMarch1200;
  const int32_t era = z / 146097;
  const int32_t doe = z - era * 146097;                                       // day of the era
  const int32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // year of the era
  const int32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // day from 1 March
  const int32_t mp = (5 * doy + 2) / 153;                                     // month from March
  month = mp < 10 ? mp + 3 : mp - 9;
  year = 1200 + era * 400 + yoe + (month <= 2 ? 1 : 0);
  return true;
}

bool statDepthCm(const DiveRecord& r, int& cm) {
  const int v = shownMaxDepth(r);
  if (v < 0 || v == NO_VALUE) return false;
  cm = v;
  return true;
}

bool earliestPeriod(const Logbook& lb, int& year, int& monthIndex) {
  bool any = false;
  for (const DiveRecord& r : lb.dives()) {
    int y, m;
    if (!diveDate(r, y, m)) continue;
    const int idx = y * 12 + m - 1;
    if (!any || idx < monthIndex) monthIndex = idx;
    any = true;
  }
  if (any) year = monthIndex / 12;
  return any;
}

namespace {

int firstYearOf(int earliestMonth, int currentYear) {
  const int y = earliestMonth >= 0 ? earliestMonth / 12 : kNoDateYear;
  return std::min({y, currentYear, currentYear - kYearRowsMin + 1});
}

int firstMonthOf(int earliestMonth, int currentMonthIndex) {
  const int idx = earliestMonth >= 0 ? earliestMonth : kNoDateYear * 12;
  return std::min({idx, currentMonthIndex, currentMonthIndex - kMonthRowsMin + 1});
}

}  // namespace

int firstYearRow(const Logbook& lb, int currentYear) {
  int y = 0, idx = -1;
  if (!earliestPeriod(lb, y, idx)) idx = -1;
  return firstYearOf(idx, currentYear);
}

int firstMonthRow(const Logbook& lb, int currentMonthIndex) {
  int y = 0, idx = -1;
  if (!earliestPeriod(lb, y, idx)) idx = -1;
  return firstMonthOf(idx, currentMonthIndex);
}

int bandOf(const std::vector<int>& bounds, double v) {
  const int n = static_cast<int>(bounds.size());
  for (int i = 0; i < n; ++i)
    if (bounds[static_cast<size_t>(i)] >= v) return i + 1;
  return n;  // beyond the last bound: the last band
}

const std::vector<int>& depthBounds(bool metric) {
  static const std::vector<int> m = {500, 1000, 1500, 2000, 2500, 3000, 3500,
                                     4000, 4500, 5000, 5500, 6000, 6500, 20000};
  static const std::vector<int> i = {1600, 3200, 4800, 6400, 8000, 9600, 11200,
                                     12800, 14400, 16000, 17600, 19200, 20800, 30000};
  return metric ? m : i;
}

const std::vector<int>& timeBounds() {
  static const std::vector<int> t = {10, 20, 30, 40, 50, 60, 70, 80, 90, 32767};
  return t;
}

const std::vector<int>& temperatureBounds(bool metric) {
  static const std::vector<int> m = {200, 500, 800, 1100, 1400, 1700, 2000, 2300, 2600, 2900, 10000};
  static const std::vector<int> i = {3600, 4100, 4600, 5200, 5700, 6300, 6800, 7300, 7900, 8400, 20000};
  return metric ? m : i;
}

void splitItemViews(std::string_view text, std::vector<std::string_view>& out) {
  out.clear();
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != ',' && text[i] != ';' && text[i] != '+' && text[i] != '&') continue;
    // blanks around an item are not part of the name ("Anna & Bruno")
    std::string_view item = text.substr(start, i - start);
    const size_t a = item.find_first_not_of(' ');
    if (a != std::string_view::npos) out.push_back(item.substr(a, item.find_last_not_of(' ') - a + 1));
    start = i + 1;
  }
}

std::vector<std::string> splitItems(const std::string& text) {
  std::vector<std::string_view> views;
  splitItemViews(text, views);
  return {views.begin(), views.end()};
}

namespace {

void fillActivityRows(const DiveRecord& r, std::vector<int>& rows) {
  rows.clear();
  const bool hasOther = r.otherActivities[0] != 0;
  if (r.activityFlags == 0 && r.moreActivityFlags == 0 && !hasOther) return;
  for (int bit = 0; bit < 12; ++bit)
    if (r.activityFlags & (1u << bit)) rows.push_back(bit + 1);
  std::vector<std::string> items;
  std::string other;
  if (hasOther) {
    other = getText(r.otherActivities);
    items = splitItems(other);
  }
  for (int k = 0; k < 8; ++k) {
    // the flag, or the name anywhere in the other activities ("Esame OWD" is an exam)
    const bool on = (r.moreActivityFlags & (1u << k)) != 0 || (hasOther && containsSpecialActivityName(other, k));
    if (on) rows.push_back(13 + k);
  }
  for (int bit = 8; bit < 12; ++bit)
    if (r.moreActivityFlags & (1u << bit)) rows.push_back(21 + bit - 8);
  for (const std::string& item : items)
    if (!isSpecialActivityName(item)) rows.push_back(25);
}

void fillDiveTypeRows(const DiveRecord& r, std::vector<int>& rows) {
  rows.clear();
  const uint16_t f = r.diveTypeFlags;
  if (f & (1u << kDiveNitrox)) rows.push_back(1);
  if (f & (1u << kDiveNoStop)) rows.push_back(2);
  if (f & (1u << kDiveDeco)) rows.push_back(3);
  if (f & (1u << kDiveSingleAscent)) rows.push_back(4);
  if (f & (1u << kDiveMultiAscent)) rows.push_back(5);
  if (f & (1u << kDiveFreshWater)) rows.push_back(6);
  if (f & (1u << kDiveSeaWater)) rows.push_back(7);
  if (!(f & ((1u << kDiveFreshWater) | (1u << kDiveSeaWater)))) rows.push_back(8);
  rows.push_back(r.surfaceInterval == NO_VALUE ? 9 : 10);
  if (f & (1u << kDiveScr)) rows.push_back(11);
}

}  // namespace

std::vector<int> activityRows(const DiveRecord& r) {
  std::vector<int> rows;
  fillActivityRows(r, rows);
  return rows;
}

std::vector<int> diveTypeRows(const DiveRecord& r) {
  std::vector<int> rows;
  fillDiveTypeRows(r, rows);
  return rows;
}

// ---- computing ----

StatResult computeStatistics(const Logbook& lb, int chart, const StatOptions& o) {
  StatResult res;
  res.chart = chart;
  res.options = o;
  res.logbookDives = lb.diveCount();
  CStatTable& t = res.table;

  int td, tm, ty;
  fromDayNumber(o.today > 0 ? o.today : todayDayNumber(), td, tm, ty);
  const int currentMonth = ty * 12 + tm - 1;
  t.currentYear = ty;
  t.selection = o.selection == 1 ? 1 : 0;
  t.year = o.year;
  t.view = o.view;
  t.statistic = o.statistic;
  t.yearDives = 0;
  for (auto& s : t.summaries) s.clear();

  // One pass over the dives: every chart notes the earliest month of any dive (the
  // first row of the per-year and per-month charts and the start of the year spin).
  int earliest = -1;
  int y = 0, m = 0;
  auto dated = [&](const DiveRecord& r) {
    if (!diveDate(r, y, m)) return false;
    const int idx = y * 12 + m - 1;
    if (earliest < 0 || idx < earliest) earliest = idx;
    return true;
  };
  auto inYear = [&](bool hasDate) { return t.selection == 0 || (hasDate && y == o.year); };
  auto finishYears = [&] { t.firstYear = earliest >= 0 ? earliest / 12 : ty; };

  const ChartKind kind = chartKind(chart);
  const bool byMonth = chart == kChartMonths || chart == kChartAirMonths;

  if (kind == ChartKind::Period || kind == ChartKind::AirPeriod) {
    const bool air = kind == ChartKind::AirPeriod;
    res.currentPeriod = byMonth ? currentMonth : ty;
    struct Hit {
      int period;
      Contribution c;
    };
    std::vector<Hit> hits;
    hits.reserve(lb.dives().size());
    for (const DiveRecord& r : lb.dives()) {
      if (!dated(r)) continue;
      float v = 1.0f;
      if (air && !airValue(r, o.metric, v)) continue;
      const int period = byMonth ? y * 12 + m - 1 : y;
      // A dive after the current year or month has no row and is left out.
      if (period > res.currentPeriod || !inYear(true)) continue;
      hits.push_back({period, classContribution(r, v, !air)});
    }
    finishYears();
    res.firstPeriod = byMonth ? firstMonthOf(earliest, currentMonth) : firstYearOf(earliest, ty);
    res.rowCount = res.currentPeriod - res.firstPeriod + 1;
    t.create(res.rowCount);
    for (const Hit& h : hits) {
      ++t.yearDives;
      t.add(h.period - res.firstPeriod + 1, h.c);
    }
    if (air) {
      t.finishValueView(kStatMean, o.metric ? 10.0f : 1.0f);
    } else {
      t.finishCounts();
      t.averageRows();
    }
    for (int i = 0; i < res.rowCount; ++i) {
      const int p = res.firstPeriod + i;
      res.labels.push_back(byMonth ? format("%02d.%04d", p % 12 + 1, p / 12) : format("%d", p));
    }
    return res;
  }

  if (kind == ChartKind::Binned) {
    const auto& bounds = binnedBounds(chart, o.metric);
    res.rowCount = static_cast<int>(bounds.size());
    t.create(res.rowCount);
    t.view = o.view == kViewPercent ? kViewPercent : kViewCount;
    for (const DiveRecord& r : lb.dives()) {
      const bool hasDate = dated(r);
      double v;
      if (!binnedValue(chart, r, o, v)) continue;
      if (!inYear(hasDate)) continue;
      ++t.yearDives;
      const WaterClasses w = waterClasses(r);
      t.summaries[kColAll].add(static_cast<float>(v));
      if (w.fresh) t.summaries[kColFresh].add(static_cast<float>(v));
      if (w.sea) t.summaries[kColSea].add(static_cast<float>(v));
      if (w.chamber) t.summaries[kColChamber].add(static_cast<float>(v));
      t.add(bandOf(bounds, v), classContribution(r, 1.0f));
    }
    finishYears();
    const float divisor = chart == kChartTime ? 0.0f : 100.0f;
    for (auto& s : t.summaries) s.finish(divisor);
    if (t.selection == 1 && o.keepScale > 0)
      t.scaleMax = o.keepScale;  // years compare on the scale of all dives
    else
      t.finishCounts();
    for (int i = 0; i < res.rowCount; ++i) res.labels.push_back(binnedLabel(chart, o.metric, i));
    return res;
  }

  // category charts
  res.rowCount = categoryRowCount(chart);
  t.create(res.rowCount);
  if (t.view < kViewCount || t.view > kViewAir) t.view = kViewCount;
  const bool valueView = t.view >= kViewDepth;
  std::vector<int> rows;
  rows.reserve(32);
  for (const DiveRecord& r : lb.dives()) {
    const bool hasDate = dated(r);
    categoryRows(chart, r, rows);
    if (rows.empty()) continue;
    float v;
    if (!viewValue(r, t.view, o.metric, v)) continue;
    if (!inYear(hasDate)) continue;
    ++t.yearDives;
    const Contribution c = classContribution(r, v, t.view != kViewAir);
    for (int row : rows) t.add(row, c);
  }
  finishYears();
  if (valueView)
    t.finishValueView(t.statistic, t.view == kViewAir && !o.metric ? 1.0f : 10.0f);
  else
    t.finishCounts();
  for (int i = 0; i < res.rowCount; ++i) {
    switch (chart) {
      case kChartSuit: res.labels.push_back(str(kSuitRows[i])); break;
      case kChartWeather: res.labels.push_back(str(kWeatherRows[i])); break;
      case kChartDiveType: res.labels.push_back(kTypeRows[i] ? str(kTypeRows[i]) : "SCR"); break;
      default: res.labels.push_back(str(kActivityRows[i])); break;
    }
  }
  return res;
}

StatResult divesPerMonth(const Logbook& lb) {
  StatResult res;
  res.chart = kChartPerMonth;
  res.logbookDives = lb.diveCount();
  res.rowCount = 12;
  CStatTable& t = res.table;
  t.create(12);
  for (const DiveRecord& r : lb.dives()) {
    int y, m;
    if (!diveDate(r, y, m)) continue;
    ++t.yearDives;
    t.add(m, classContribution(r, 1.0f));
  }
  t.finishCounts();
  for (int m = 1; m <= 12; ++m) res.labels.push_back(monthName(m));
  return res;
}

// ---- texts of a result ----

int StatResult::percentBase() const { return table.selection == 1 ? table.yearDives : logbookDives; }

bool StatResult::airImperial() const { return !options.metric; }

int StatResult::valueDecimals() const {
  const ChartKind k = chartKind(chart);
  const bool air = k == ChartKind::AirPeriod || (k == ChartKind::Category && table.view == kViewAir);
  return air && !options.metric ? 2 : 1;
}

StatLine StatResult::line(int i) const {
  StatLine l;
  if (i < 0 || i >= rowCount) return l;
  l.label = labels[static_cast<size_t>(i)];
  const StatRow row = table.getRow(i + 1);
  const ChartKind k = chartKind(chart);
  for (int col = 0; col < kStatColumns; ++col) {
    std::string& cell = l.cells[static_cast<size_t>(col)];
    switch (k) {
      case ChartKind::Period: cell = formatDecimals(row.sum[col], 0); break;
      case ChartKind::Binned:
        cell = CStatTable::cellText(row, col, table.view, kStatMean, percentBase(), false);
        break;
      case ChartKind::Category:
        cell = CStatTable::cellText(row, col, table.view, table.statistic, percentBase(), airImperial());
        break;
      case ChartKind::AirPeriod:
        cell = CStatTable::cellText(row, col, kViewAir, kStatMean, percentBase(), airImperial());
        break;
    }
  }
  return l;
}

std::vector<StatLine> StatResult::summary() const {
  std::vector<StatLine> out;
  const ChartKind k = chartKind(chart);
  const StatRow& tot = table.getTotals();
  auto cells = [&](auto get, int decimals, bool chamber = true) {
    std::array<std::string, 4> c;
    for (int col = 0; col < kStatColumns; ++col)
      if (chamber || col != kColChamber) c[static_cast<size_t>(col)] = formatDecimals(get(col), decimals);
    return c;
  };
  if (chart == kChartPerMonth) return out;
  if (k == ChartKind::Period) {
    out.push_back({str(chart == kChartYears ? 63474 : 62642), cells([&](int c) { return tot.sum[c]; }, 1)});
  } else if (k == ChartKind::AirPeriod) {
    const int d = valueDecimals();
    auto minOf = [&](int c) { return tot.min[c] == kEmptyMinimum ? 0.0f : tot.min[c]; };
    out.push_back({str(62642), cells([&](int c) { return tot.sum[c]; }, d, false)});
    out.push_back({str(63475), cells(minOf, d, false)});
    out.push_back({str(63476), cells([&](int c) { return tot.max[c]; }, d, false)});
  } else if (k == ChartKind::Binned) {
    const auto& s = table.summaries;
    auto sumOf = [&](int c) { return s[static_cast<size_t>(c)].sum; };
    auto meanOf = [&](int c) { return s[static_cast<size_t>(c)].mean; };
    auto minOf = [&](int c) { return s[static_cast<size_t>(c)].min; };
    auto maxOf = [&](int c) { return s[static_cast<size_t>(c)].max; };
    if (chart == kChartDepth) {
      out.push_back({str(62673), cells(sumOf, 1)});
      out.push_back({str(62642), cells(meanOf, 2)});
      out.push_back({str(62674), cells(minOf, 1)});
      out.push_back({str(62675), cells(maxOf, 1)});
    } else if (chart == kChartTime) {
      out.push_back({str(62673), cells(sumOf, 0)});
      StatLine hm{str(62673) + " (hh:mm)", {}};
      for (int c = 0; c < kStatColumns; ++c) {
        const long minutes = std::lround(s[static_cast<size_t>(c)].sum);
        hm.cells[static_cast<size_t>(c)] = format("%02ld:%02ld", minutes / 60, minutes % 60);
      }
      out.push_back(hm);
      out.push_back({str(62642), cells(meanOf, 2)});
      out.push_back({str(62700), cells(minOf, 0)});
      out.push_back({str(62701), cells(maxOf, 0)});
    } else {
      out.push_back({str(62642), cells(meanOf, 1)});
      out.push_back({str(62668), cells(minOf, 1)});
      out.push_back({str(62669), cells(maxOf, 1)});
    }
  } else if (table.view >= kViewDepth) {
    StatLine l{str(62642), {}};
    for (int col = 0; col < kStatColumns; ++col)
      l.cells[static_cast<size_t>(col)] =
          CStatTable::cellText(tot, col, table.view, kStatMean, 0, airImperial());
    out.push_back(l);
  }
  return out;
}

StatBar StatResult::bar(int i) const {
  StatBar b;
  const StatRow row = table.getRow(i + 1);
  const ChartKind k = chartKind(chart);
  const StatRow& tot = table.getTotals();
  if (k == ChartKind::AirPeriod) {
    b.kind = StatBar::Value;
    b.value = row.sum[kColAll];
    b.fresh = row.sum[kColFresh];
    b.sea = row.sum[kColSea];
    b.above = b.value > tot.sum[kColAll];
    return b;
  }
  if (k == ChartKind::Category && table.view >= kViewDepth) {
    b.kind = StatBar::Value4;
    b.value = row.value(table.statistic, kColAll);
    b.fresh = row.value(table.statistic, kColFresh);
    b.sea = row.value(table.statistic, kColSea);
    b.chamber = row.value(table.statistic, kColChamber);
    b.above = b.value > tot.sum[kColAll];
    return b;
  }
  b.kind = StatBar::Water;
  b.fresh = row.sum[kColFresh];
  b.sea = row.sum[kColSea];
  b.chamber = row.sum[kColChamber];
  return b;
}

// ---- scrolling ----

void PeriodScroll::reset(int rowCount, int visibleRows) {
  rows = rowCount;
  visible = visibleRows;
  position = rows;
}

int PeriodScroll::minimum() const { return std::min(visible, rows); }

void PeriodScroll::setPosition(int p) { position = std::clamp(p, minimum(), std::max(rows, minimum())); }

// ---- printing ----

int chartPageCount(const StatResult& r) {
  const ChartKind k = chartKind(r.chart);
  if (k == ChartKind::Period || k == ChartKind::AirPeriod)
    return std::max(1, (r.rowCount + kPeriodRowsPerPage - 1) / kPeriodRowsPerPage);
  return r.chart == kChartActivity ? 2 : 1;
}

std::string chartPrintTitle(const StatResult& r) {
  static const int ids[kStatChartCount] = {62660, 62662, 62670, 62697, 62664, 62651,
                                           62688, 62679, 62631, 62640, 62645};
  return r.chart >= 0 && r.chart < kStatChartCount ? str(ids[r.chart]) : "";
}

std::string chartPrintSubtitle(const StatResult& r) {
  const bool year = r.table.selection == 1;
  const int y = r.table.year;
  const bool metric = r.options.metric;
  switch (r.chart) {
    case kChartYears: return str(62661);
    case kChartMonths: return str(62663);
    case kChartDepth: return year ? strf(62672, y) : str(62671);
    case kChartTime: return year ? strf(62699, y) : str(62698);
    case kChartTemperature: return year ? strf(62666, y) : str(62665);
    case kChartAirYears: return strf(62641, unitText(62454, metric).c_str());
    case kChartAirMonths: return strf(62646, unitText(62454, metric).c_str());
    default: break;
  }
  // category charts: count, depth, time and air subtitles, each for all dives and one year
  int base = 0;
  switch (r.chart) {
    case kChartSuit: base = 62652; break;
    case kChartWeather: base = 62689; break;
    case kChartDiveType: base = 62680; break;
    default: base = 62632; break;
  }
  const int view = r.table.view;
  if (view <= kViewPercent) return year ? strf(base + 1, y) : str(base);
  const int id = base + 2 * (view - kViewDepth + 1) + (year ? 1 : 0);
  const std::string unit = view == kViewDepth ? unitText(62446, metric) : unitText(62454, metric);
  if (view == kViewTime) return year ? strf(id, y) : str(id);
  return year ? strf(id, y, unit.c_str()) : strf(id, unit.c_str());
}

std::string chartPrintLabel(const StatResult& r, int i) {
  if (i < 0 || i >= r.rowCount) return {};
  if (r.chart == kChartDiveType) return kTypePrintRows[i];
  if (r.chart == kChartActivity) return str(kActivityPrintIds[i]);
  if (r.chart == kChartDepth) {
    const auto& b = depthBounds(r.options.metric);
    const bool last = i == static_cast<int>(b.size()) - 1;
    const int shown = b[static_cast<size_t>(last ? i - 1 : i)] / 100;
    const char* unit = r.options.metric ? "m" : "ft";
    return format(last ? "> %02d %s" : "- %02d %s", shown, unit);
  }
  return r.labels[static_cast<size_t>(i)];
}

std::array<std::string, 5> chartPrintHeads(const StatResult& r) {
  const std::string all = str(62629), fresh = str(62546), sea = str(62547), chamber = str(62587);
  switch (r.chart) {
    case kChartYears: return {str(62647), all, fresh, sea, chamber};
    case kChartMonths: return {str(62648), all, fresh, sea, chamber};
    case kChartDepth: return {str(62608), all, fresh, sea, chamber};
    case kChartTime: return {str(63477), all, fresh, sea, chamber};
    case kChartTemperature: return {str(62667), all, fresh, sea, chamber};
    case kChartSuit: return {str(62488), all, fresh, sea, chamber};
    case kChartWeather: return {str(62512), all, fresh, sea, chamber};
    case kChartDiveType: return {"Typ", "Gesamt", "Süßwasser", "Meerwasser", "Druckkammer"};
    case kChartActivity: return {str(62514), all, fresh, sea, chamber};
    case kChartAirYears: return {str(62647), str(62642), str(62643), str(62644), ""};
    default: return {str(62648), str(62642), str(62643), str(62644), ""};
  }
}

StatLine chartPrintLine(const StatResult& r, int i) {
  StatLine l = r.line(i);
  l.label = chartPrintLabel(r, i);
  if (chartKind(r.chart) == ChartKind::AirPeriod) {
    const StatRow row = r.table.getRow(i + 1);
    const int d = r.valueDecimals();
    l.cells = {formatDecimals(row.sum[kColAll], d), formatDecimals(row.value(kStatMin, kColAll), d),
               formatDecimals(row.max[kColAll], d), ""};
  } else if (r.table.view == kViewPercent) {
    for (std::string& c : l.cells) c = "(" + c + "%)";
  }
  return l;
}

}  // namespace kelp
