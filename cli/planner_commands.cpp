// kelp-cli commands of the DECO 92 calculator, the no-stop curves and the dive forecast.
#include <cctype>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "analysis/deco_plan.h"
#include "analysis/dive_tables.h"
#include "analysis/forecast.h"
#include "cli/cli.h"
#include "core/logbook.h"
#include "core/texts.h"

namespace kelp::cli {
namespace {

void out(const std::string& s) { std::fwrite(s.data(), 1, s.size(), stdout); }

// The tables of --tables FILE, else those beside the program.
const DiveTables* tables(const std::string& path, std::string& error) {
  if (!path.empty()) setDiveTablesPath(path);
  return diveTables(&error);
}

CLI::Validator nonNegative(const std::string& what) {
  return accepted(what, [](const std::string& s) {
    double v = 0;
    return scanFloat(s, v) && v >= 0 && s.find_first_not_of("0123456789.") == std::string::npos;
  });
}

struct DecoArgs {
  double depth = 0;
  int time = 0;
  int altitude = 0;
  std::string group;
  int interval = 0;
  double tank = 0;
  int pressure = 0;
  double sac = 0;
  std::string tables;
  bool json = false;
};

int runDeco(const DecoArgs& a) {
  // A fresh plan without air data; the options fill in what the dialog's fields hold.
  DecoPlan p;
  p.startTime = static_cast<int64_t>(std::time(nullptr));
  p.maxDepth = a.depth;
  p.bottomTime = a.time;
  p.altitudeClass = a.altitude;
  p.groupText = a.group;
  for (char& c : p.groupText) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  p.repetitive = p.groupText.empty() ? 0 : 1;
  p.surfaceInterval = a.interval;
  p.tankVolume = a.tank;
  p.tankPressure = a.pressure;
  p.airConsumption = a.sac;
  if (!(p.maxDepth > 0) || p.bottomTime <= 0) return fail("nothing to plan: depth and bottom time must be above 0");

  std::string error;
  const DiveTables* t = tables(a.tables, error);
  if (!t) return fail(error);
  PlannedProfile profile;
  const DecoOutcome outcome = runDecoCalculation(t, error, p, profile);
  if (a.json) {
    nlohmann::ordered_json j;
    j["diveTime"] = p.diveTime;
    j["ascentTime"] = p.ascentTime;
    j["ascentOnly"] = p.ascentOnly;
    j["endTime"] = p.endTime;
    j["groupResult"] = p.groupResult;
    if (p.noStopLimit == kUnknownValue)
      j["noStopLimit"] = nullptr;
    else
      j["noStopLimit"] = p.noStopLimit;
    j["residualNitrogen"] = p.residualNitrogen;
    j["noFlyHours"] = p.noFlyHours;
    j["stop15"] = p.stop15;
    j["stop12"] = p.stop12;
    j["stop9"] = p.stop9;
    j["stop6"] = p.stop6;
    j["stop3"] = p.stop3;
    j["remainingPressure"] = p.remainingPressure;
    j["deltaPressure"] = p.deltaPressure;
    j["airUsed"] = p.airUsed;
    j["resultValid"] = p.resultValid;
    j["resultText"] = p.resultText;
    j["tableDepth"] = p.tableDepth;
    j["note"] = p.note;
    j["sampleCount"] = profile.sampleCount;
    out(j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n");
  } else {
    out(p.resultText + (p.resultText.empty() || p.resultText.back() != '\n' ? "\n" : ""));
  }
  return outcome == DecoOutcome::Planned ? 0 : 1;
}

Run setupDeco(CLI::App& cmd) {
  auto a = std::make_shared<DecoArgs>();
  cmd.add_option("--depth", a->depth, "planned maximum depth in metres")
      ->required()
      ->check(accepted("a depth in metres above 0", [](const std::string& s) {
        double v = 0;
        return scanFloat(s, v) && v > 0 && s.find_first_not_of("0123456789.") == std::string::npos;
      }));
  cmd.add_option("--time", a->time, "bottom time in minutes")->required()->check(number(1, 9999, "a bottom time"));
  cmd.add_option("--altitude", a->altitude, "0 sea level (0-700 m), 1 mountain lake (701-1500 m)")
      ->check(number(0, 1, "an altitude table"));
  CLI::Option* group = cmd.add_option("--group", a->group, "repetitive group of the previous dive (B to G)");
  CLI::Option* interval =
      cmd.add_option("--interval", a->interval, "surface interval in minutes")->check(number(1, 99999, "an interval"));
  group->needs(interval);
  interval->needs(group);
  cmd.add_option("--tank", a->tank, "tank size in litres")->check(nonNegative("a tank size"));
  cmd.add_option("--pressure", a->pressure, "tank pressure in bar")->check(number(0, 999, "a pressure"));
  cmd.add_option("--sac", a->sac, "surface air consumption in l/min")->check(nonNegative("an air consumption"));
  cmd.add_option("--tables", a->tables, "another dive tables file");
  cmd.add_flag("--json", a->json, "every result field as one JSON object");
  return [a] { return runDeco(*a); };
}

struct NoStopArgs {
  std::string tables;
  bool json = false;
};

int runNoStop(const NoStopArgs& a) {
  std::string error;
  const DiveTables* t = tables(a.tables, error);
  if (!t) return fail(error);
  const auto curves = t->noStopCurves();
  if (a.json) {
    nlohmann::ordered_json j = nlohmann::ordered_json::array();
    for (const auto& c : curves) {
      nlohmann::ordered_json points = nlohmann::ordered_json::array();
      for (size_t i = 0; i < c.points.size(); ++i)
        if (c.points[i] != kUnknownValue)
          points.push_back({{"depth", 12 + 3 * static_cast<int>(i)}, {"minutes", c.points[i]}});
      j.push_back({{"curve", c.label}, {"points", points}});
    }
    out(j.dump(2) + "\n");
    return 0;
  }
  for (const auto& c : curves) {
    std::string line = c.label + ":";
    const char* sep = " ";
    for (size_t i = 0; i < c.points.size(); ++i) {
      if (c.points[i] == kUnknownValue) continue;
      line += sep + format("%d m %d min", 12 + 3 * static_cast<int>(i), c.points[i]);
      sep = ", ";
    }
    out(line + "\n");
  }
  return 0;
}

Run setupNoStop(CLI::App& cmd) {
  auto a = std::make_shared<NoStopArgs>();
  cmd.add_option("--tables", a->tables, "another dive tables file");
  cmd.add_flag("--json", a->json, "the curves as JSON");
  return [a] { return runNoStop(*a); };
}

struct ForecastArgs {
  std::string logbook;
  int target = 0;  // 0: the next hundred
  std::string start, today;
  bool withCurrentMonth = false;
};

int runForecast(const ForecastArgs& a) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(a.logbook, ec)) return fail(a.logbook + ": file not found");
  Logbook lb;
  const Result loaded = lb.loadFile(a.logbook);
  if (!loaded) return fail(loaded.error.empty() ? a.logbook + ": cannot be read" : loaded.error);

  ForecastRequest req;
  req.target = a.target > 0 ? a.target : defaultForecastTarget(lb.diveCount());
  const CalendarDay start = forecastStart(lb);
  req.startMonth = start.month;
  req.startYear = start.year;
  req.withCurrentMonth = a.withCurrentMonth;
  if (!a.start.empty()) parseForecastStart(a.start, req.startMonth, req.startYear);
  CalendarDay today;
  fromDayNumber(a.today.empty() ? todayDayNumber() : parseDate(a.today), today.day, today.month, today.year);

  ForecastResult r;
  switch (computeForecast(lb, req, today, r)) {
    case ForecastOutcome::Found: break;
    case ForecastOutcome::NothingToDo:
      return fail(format("nothing to forecast: the logbook holds %d dives already, or the start month is invalid "
                         "or after the current month",
                         lb.diveCount()));
    case ForecastOutcome::NoDives: return fail("no dives in the months from the start month on");
    case ForecastOutcome::BeyondHorizon: return fail(forecastHorizonMessage());
  }
  static const char* const months[12] = {"Gen", "Feb", "Mar", "Apr", "Mag", "Giu",
                                         "Lug", "Ago", "Set", "Ott", "Nov", "Dic"};
  std::string text = forecastDateText(r.date) + "\n";
  for (int m = 0; m < 12; ++m)
    text += std::string(months[m]) + "\t" + forecastRateText(r.monthRate[static_cast<size_t>(m)], m + 1, false) + "\n";
  out(text);
  return 0;
}

Run setupForecast(CLI::App& cmd) {
  auto a = std::make_shared<ForecastArgs>();
  cmd.add_option("LOGBOOK", a->logbook, "logbook file")->required();
  cmd.add_option("--target", a->target, "dive number to reach (the next hundred)")
      ->check(number(1, 99999, "a dive number"));
  cmd.add_option("--start", a->start, "first month to learn from, mm.yyyy (the first dive's)")
      ->check(accepted("a month (mm.yyyy)", [](const std::string& s) {
        int m = 0, y = 0;
        return parseForecastStart(s, m, y);
      }));
  cmd.add_flag("--with-current-month", a->withCurrentMonth, "learn from the current month too");
  cmd.add_option("--today", a->today, "the day the forecast starts from, dd.mm.yyyy (today)")
      ->check(accepted("a date (dd.mm.yyyy)", [](const std::string& s) { return parseDate(s) >= 0; }));
  return [a] { return runForecast(*a); };
}

}  // namespace

REGISTER_CLI_COMMAND({"deco",
                      "deco --depth M --time MIN [--altitude 0|1] [--group G --interval MIN] [--tank L] "
                      "[--pressure BAR] [--sac L] [--tables FILE] [--json]",
                      "a dive plan on the DECO 92 tables", setupDeco});
REGISTER_CLI_COMMAND({"nostop", "nostop [--tables FILE] [--json]", "the known points of the five no-stop curves",
                      setupNoStop});
REGISTER_CLI_COMMAND({"forecast",
                      "forecast LOGBOOK [--target N] [--start mm.yyyy] [--with-current-month] [--today dd.mm.yyyy]",
                      "the day a dive number will be reached", setupForecast});

}  // namespace kelp::cli
