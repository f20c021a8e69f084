// kelp-cli stats: the table a statistics window shows.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "analysis/stat_charts.h"
#include "analysis/stat_lists.h"
#include "cli/cli.h"
#include "core/logbook.h"
#include "core/texts.h"
#include "core/strings.h"

namespace kelp::cli {
namespace {

constexpr int kChartLocations = 100;
constexpr int kChartBuddies = 101;

struct StatsArgs {
  std::string logbook, chart, view, statistic, depth, today;
  int year = 0;
  bool hasYear = false;
};

void out(const std::string& s) { std::fwrite(s.data(), 1, s.size(), stdout); }

int chartOf(const std::string& s) {
  if (s == "per-month") return kChartPerMonth;
  if (s == "locations") return kChartLocations;
  if (s == "buddies") return kChartBuddies;
  return chartFromName(s);
}

int indexOf(const std::string& s, std::initializer_list<const char*> names) {
  int i = 0;
  for (const char* n : names) {
    if (s == n) return i;
    ++i;
  }
  return -1;
}

bool openLogbook(const std::string& path, Logbook& lb, int& rc) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    rc = fail(path + ": " + (std::filesystem::exists(path, ec) ? "not a logbook file" : "file not found"));
    return false;
  }
  const Result r = lb.loadFile(path);
  if (!r) {
    rc = fail(r.error.find(path) != std::string::npos ? r.error : path + ": " + r.error);
    return false;
  }
  return true;
}

std::string tabbed(const std::string& label, const std::array<std::string, 4>& cells) {
  std::string s = label;
  for (const std::string& c : cells) s += '\t' + c;
  return s + '\n';
}

int printList(const Logbook& lb, bool buddies, int selection, int year) {
  const StatList list = buddies ? buddyStatistics(lb, selection, year) : locationStatistics(lb, selection, year);
  std::string s;
  for (const StatListEntry& e : list.entries) {
    s += storedToUtf8(e.name) + '\t' + std::to_string(e.count) + '\n';
    for (const NamedCount& sub : e.sub) s += '\t' + storedToUtf8(sub.name) + '\t' + std::to_string(sub.count) + '\n';
  }
  if (buddies) {
    s += str(63482) + ":\t" + std::to_string(list.entries.size()) + '\n';
  } else {
    s += str(62467) + ":\t" + std::to_string(list.entries.size()) + '\n';
    s += str(63548) + ":\t" + std::to_string(list.subTotal()) + '\n';
  }
  out(s);
  return 0;
}

int runStats(const StatsArgs& a) {
  const int chart = chartOf(a.chart);
  StatOptions o;
  o.metric = metric();
  if (!a.today.empty()) {
    o.today = parseDate(a.today);
    if (o.today <= 0) return fail("--today: " + a.today + " is not a date (dd.mm.yyyy)");
  } else {
    o.today = todayDayNumber();
  }
  const ChartKind kind = chart < kStatChartCount || chart == kChartPerMonth ? chartKind(chart) : ChartKind::Period;
  if (!a.view.empty()) {
    o.view = indexOf(a.view, {"count", "percent", "depth", "time", "air"});
    const int views = chart >= kStatChartCount ? 1 : kind == ChartKind::Category ? 5 : kind == ChartKind::Binned ? 2 : 1;
    if (o.view >= views) return fail("the chart " + a.chart + " has no view " + a.view);
  }
  if (!a.statistic.empty()) o.statistic = indexOf(a.statistic, {"mean", "min", "max"});
  if (!a.depth.empty()) {
    if (chart != kChartDepth) return fail("--depth belongs to the depth chart");
    o.meanDepth = a.depth == "mean";
  }

  Logbook lb;
  int rc = 0;
  if (!openLogbook(a.logbook, lb, rc)) return rc;

  if (a.hasYear) {
    if (chart == kChartPerMonth) return fail("the dives per month count every year");
    // the year spin's range: from the earliest dive's year to the current year
    const StatResult range = computeStatistics(lb, kChartSuit, o);
    CStatTable rules = range.table;
    if (!rules.takeYear(a.year))
      return fail(std::to_string(a.year) + " is not a year from " + std::to_string(rules.yearRangeStart()) +
                  " to " + std::to_string(rules.currentYear));
    o.selection = 1;
    o.year = a.year;
  }
  if (chart == kChartLocations || chart == kChartBuddies)
    return printList(lb, chart == kChartBuddies, o.selection, o.year);

  StatResult r;
  if (chart == kChartPerMonth) {
    r = divesPerMonth(lb);
  } else {
    if (o.selection == 1 && kind == ChartKind::Binned) {
      // the window opens on all dives; one year keeps that scale
      StatOptions all = o;
      all.selection = 0;
      o.keepScale = computeStatistics(lb, chart, all).table.scaleMax;
    }
    r = computeStatistics(lb, chart, o);
  }
  std::string s;
  for (int i = 0; i < r.rowCount; ++i) {
    const StatLine l = r.line(i);
    s += tabbed(l.label, l.cells);
  }
  for (const StatLine& l : r.summary()) s += tabbed(l.label, l.cells);
  s += format("Scala\t%.0f\n", static_cast<double>(r.table.scaleMax));
  out(s);
  return 0;
}

Run setupStats(CLI::App& cmd) {
  auto a = std::make_shared<StatsArgs>();
  cmd.add_option("LOGBOOK", a->logbook, "logbook file (.log)")->required();
  cmd.add_option("CHART", a->chart,
                 "0-10 or years, months, depth, time, temperature, suit, weather, type, activity, air-years, "
                 "air-months; or per-month, locations, buddies")
      ->required()
      ->check(accepted("a chart (0-10, a chart name, per-month, locations or buddies)",
                       [](const std::string& s) { return chartOf(s) >= 0; }));
  cmd.add_option_function<int>(
         "--year", [a](const int& y) { a->year = y, a->hasYear = true; }, "only the dives of this year")
      ->check(number(1600, 9999, "a year"));
  cmd.add_option("--view", a->view, "count, percent, depth, time or air (count)")
      ->check(CLI::IsMember({"count", "percent", "depth", "time", "air"}));
  cmd.add_option("--statistic", a->statistic, "mean, min or max of the depth, time and air views (mean)")
      ->check(CLI::IsMember({"mean", "min", "max"}));
  cmd.add_option("--depth", a->depth, "the depth chart bins the maximum or the mean depth (max)")
      ->check(CLI::IsMember({"max", "mean"}));
  cmd.add_option("--today", a->today, "the current date (dd.mm.yyyy) that ends the year and month rows");
  return [a] { return runStats(*a); };
}

}  // namespace

REGISTER_CLI_COMMAND({"stats",
                      "stats LOGBOOK CHART [--year Y] [--view V] [--statistic S] [--depth max|mean] "
                      "[--today dd.mm.yyyy]",
                      "a statistics table, as its window shows it", setupStats});

}  // namespace kelp::cli
