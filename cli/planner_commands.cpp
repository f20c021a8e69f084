// kelp-cli commands of the dive calculator (DECO 92 tables or the Bühlmann ZH-L16C model), the
// no-stop curves and the dive forecast.
#include <cctype>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "analysis/buhlmann.h"
#include "analysis/deco_plan.h"
#include "analysis/dive_tables.h"
#include "analysis/forecast.h"
#include "cli/cli.h"
#include "core/logbook.h"
#include "core/settings.h"
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

// "30/75": two whole percentages.
bool parseGradientFactors(const std::string& s, int& low, int& high) {
  const size_t slash = s.find('/');
  if (slash == std::string::npos || slash == 0 || slash + 1 == s.size()) return false;
  const std::string a = s.substr(0, slash), b = s.substr(slash + 1);
  if (a.find_first_not_of("0123456789") != std::string::npos || b.find_first_not_of("0123456789") != std::string::npos ||
      a.size() > 3 || b.size() > 3)
    return false;
  low = std::stoi(a);
  high = std::stoi(b);
  return true;
}

CLI::Validator gradientFactors() {
  return accepted(format("two gradient factors LOW/HIGH from %d to 100, low not above high", kGfMin),
                  [](const std::string& s) {
                    int lo = 0, hi = 0;
                    return parseGradientFactors(s, lo, hi) && gradientFactorsValid(lo, hi);
                  });
}

CLI::Validator positiveMetres(const std::string& what) {
  return accepted(what, [](const std::string& s) {
    double v = 0;
    return scanFloat(s, v) && v > 0 && s.find_first_not_of("0123456789.") == std::string::npos;
  });
}

struct DecoArgs {
  std::string model;
  double depth = 0;
  int time = 0;
  int altitude = 0;
  std::string group;
  int interval = 0;
  double tank = 0;
  int pressure = 0;
  double sac = 0;
  std::string tables;
  std::string gf;
  int o2 = 21;
  int altitudeM = 0;
  double previousDepth = 0;
  int previousTime = 0;
  int previousO2 = 21;
  bool json = false;
  // Which options the command line gave.
  bool hasAltitude = false, hasGroup = false, hasInterval = false, hasTank = false, hasPressure = false,
       hasSac = false, hasTables = false, hasGf = false, hasO2 = false, hasAltitudeM = false,
       hasPreviousDepth = false, hasPreviousTime = false, hasPreviousO2 = false;
};

// --model zhl16c: the plan of the Bühlmann model, its result box and the note that a plan does
// not replace the diver's own computer.
int runBuhlmannDeco(const DecoArgs& a) {
  for (const auto& [given, name] : {std::pair{a.hasAltitude, "--altitude"}, {a.hasGroup, "--group"},
                                    {a.hasTank, "--tank"}, {a.hasPressure, "--pressure"}, {a.hasSac, "--sac"},
                                    {a.hasTables, "--tables"}})
    if (given) return fail(std::string(name) + " plans on the DECO 92 tables, not with --model zhl16c");
  if (a.hasPreviousDepth != a.hasPreviousTime || a.hasPreviousDepth != a.hasInterval)
    return fail("a previous dive needs --previous-depth, --previous-time and --interval together");
  if (a.hasPreviousO2 && !a.hasPreviousDepth) return fail("--previous-o2 needs --previous-depth");

  BuhlmannRequest r;
  r.depth = a.depth;
  r.bottomTime = a.time;
  r.o2 = a.o2;
  r.altitude = a.altitudeM;
  r.gfLow = settings().gfLow;
  r.gfHigh = settings().gfHigh;
  if (a.hasGf) parseGradientFactors(a.gf, r.gfLow, r.gfHigh);
  if (a.hasPreviousDepth) {
    r.repetitive = true;
    r.previousDepth = a.previousDepth;
    r.previousTime = a.previousTime;
    r.previousO2 = a.previousO2;
    r.interval = a.interval;
  }
  BuhlmannPlan plan;
  const Result ok = planBuhlmann(r, plan);
  if (!ok) return fail(ok.error);
  if (a.json) {
    nlohmann::ordered_json j;
    j["model"] = "zhl16c";
    j["gf"] = {{"low", r.gfLow}, {"high", r.gfHigh}};
    if (plan.noStopLimit == kNoStopBeyond)
      j["noStopLimit"] = nullptr;
    else
      j["noStopLimit"] = plan.noStopLimit;
    nlohmann::ordered_json stops = nlohmann::ordered_json::array();
    for (const BuhlmannStop& s : plan.heldStops()) stops.push_back({{"depth", s.depth}, {"minutes", s.minutes}});
    j["stops"] = stops;
    j["runTime"] = plan.runTime;
    out(j.dump(2) + "\n");
  } else {
    out(buhlmannResultText(r, plan) + "\n " + buhlmannDisclaimer() + "\n");
  }
  return 0;
}

int runDeco(const DecoArgs& a) {
  if (a.model == "zhl16c") return runBuhlmannDeco(a);
  for (const auto& [given, name] :
       {std::pair{a.hasGf, "--gf"}, {a.hasO2, "--o2"}, {a.hasAltitudeM, "--altitude-m"},
        {a.hasPreviousDepth, "--previous-depth"}, {a.hasPreviousTime, "--previous-time"},
        {a.hasPreviousO2, "--previous-o2"}})
    if (given) return fail(std::string(name) + " plans with --model zhl16c, not on the DECO 92 tables");
  if (a.hasInterval && !a.hasGroup) return fail("--interval needs --group on the DECO 92 tables");

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
  cmd.add_option("--model", a->model, "deco92: the DECO 92 tables (the default); zhl16c: the Bühlmann ZH-L16C model")
      ->check(accepted("a model (deco92 or zhl16c)", [](const std::string& s) { return s == "deco92" || s == "zhl16c"; }));
  cmd.add_option("--depth", a->depth, "planned maximum depth in metres")
      ->required()
      ->check(positiveMetres("a depth in metres above 0"));
  cmd.add_option("--time", a->time, "bottom time in minutes")->required()->check(number(1, 9999, "a bottom time"));
  CLI::Option* altitude = cmd.add_option("--altitude", a->altitude, "0 sea level (0-700 m), 1 mountain lake (701-1500 m)")
      ->check(number(0, 1, "an altitude table"));
  CLI::Option* group = cmd.add_option("--group", a->group, "repetitive group of the previous dive (B to G)");
  CLI::Option* interval =
      cmd.add_option("--interval", a->interval, "surface interval in minutes")->check(number(1, 99999, "an interval"));
  group->needs(interval);
  CLI::Option* tank = cmd.add_option("--tank", a->tank, "tank size in litres")->check(nonNegative("a tank size"));
  CLI::Option* pressure =
      cmd.add_option("--pressure", a->pressure, "tank pressure in bar")->check(number(0, 999, "a pressure"));
  CLI::Option* sac =
      cmd.add_option("--sac", a->sac, "surface air consumption in l/min")->check(nonNegative("an air consumption"));
  CLI::Option* tablesFile = cmd.add_option("--tables", a->tables, "another dive tables file");
  CLI::Option* gf = cmd.add_option("--gf", a->gf, "zhl16c: gradient factors LOW/HIGH in percent (Kelp.ini [Deko])")
      ->check(gradientFactors());
  CLI::Option* o2 = cmd.add_option("--o2", a->o2, "zhl16c: oxygen percentage of the mix, 21 (air) to 40")
      ->check(number(kPlanMinO2, kPlanMaxO2, "an oxygen percentage"));
  CLI::Option* altitudeM = cmd.add_option("--altitude-m", a->altitudeM, "zhl16c: altitude of the dive site in metres")
      ->check(number(0, kPlanMaxAltitude, "an altitude in metres"));
  CLI::Option* previousDepth = cmd.add_option("--previous-depth", a->previousDepth, "zhl16c: depth of the previous dive in metres")
      ->check(positiveMetres("a depth in metres above 0"));
  CLI::Option* previousTime = cmd.add_option("--previous-time", a->previousTime, "zhl16c: bottom time of the previous dive")
      ->check(number(1, kPlanMaxBottomTime, "a bottom time"));
  CLI::Option* previousO2 = cmd.add_option("--previous-o2", a->previousO2, "zhl16c: oxygen percentage of the previous dive")
      ->check(number(kPlanMinO2, kPlanMaxO2, "an oxygen percentage"));
  cmd.add_flag("--json", a->json, "every result field as one JSON object");
  return [=] {
    a->hasAltitude = altitude->count() > 0;
    a->hasGroup = group->count() > 0;
    a->hasInterval = interval->count() > 0;
    a->hasTank = tank->count() > 0;
    a->hasPressure = pressure->count() > 0;
    a->hasSac = sac->count() > 0;
    a->hasTables = tablesFile->count() > 0;
    a->hasGf = gf->count() > 0;
    a->hasO2 = o2->count() > 0;
    a->hasAltitudeM = altitudeM->count() > 0;
    a->hasPreviousDepth = previousDepth->count() > 0;
    a->hasPreviousTime = previousTime->count() > 0;
    a->hasPreviousO2 = previousO2->count() > 0;
    return runDeco(*a);
  };
}

struct NoStopArgs {
  std::string tables;
  std::string gf;
  bool json = false;
};

int runNoStop(const NoStopArgs& a) {
  std::string error;
  const DiveTables* t = tables(a.tables, error);
  if (!t) return fail(error);
  const auto curves = t->noStopCurves();
  // The computed curve of the Bühlmann model: air at sea level, a point at every depth.
  int gfLow = settings().gfLow, gfHigh = settings().gfHigh;
  if (!a.gf.empty()) parseGradientFactors(a.gf, gfLow, gfHigh);
  const std::vector<int> computed = buhlmannNoStopCurve(gfLow, gfHigh);
  const std::string computedLabel = buhlmannCurveLabel(gfLow, gfHigh);
  if (a.json) {
    nlohmann::ordered_json j = nlohmann::ordered_json::array();
    for (const auto& c : curves) {
      nlohmann::ordered_json points = nlohmann::ordered_json::array();
      for (size_t i = 0; i < c.points.size(); ++i)
        if (c.points[i] != kUnknownValue)
          points.push_back({{"depth", 12 + 3 * static_cast<int>(i)}, {"minutes", c.points[i]}});
      j.push_back({{"curve", c.label}, {"points", points}});
    }
    nlohmann::ordered_json points = nlohmann::ordered_json::array();
    for (size_t i = 0; i < computed.size(); ++i) {
      nlohmann::ordered_json point{{"depth", 12 + 3 * static_cast<int>(i)}, {"minutes", computed[i]}};
      if (computed[i] == kNoStopBeyond) point["minutes"] = nullptr;  // beyond the longest bottom time
      points.push_back(point);
    }
    j.push_back({{"curve", computedLabel}, {"points", points}});
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
  std::string line = computedLabel + ":";
  for (size_t i = 0; i < computed.size(); ++i) {
    const int depth = 12 + 3 * static_cast<int>(i);
    line += (i == 0 ? " " : ", ") + (computed[i] == kNoStopBeyond ? format("%d m > %d min", depth, kPlanMaxBottomTime)
                                                                  : format("%d m %d min", depth, computed[i]));
  }
  out(line + "\n");
  return 0;
}

Run setupNoStop(CLI::App& cmd) {
  auto a = std::make_shared<NoStopArgs>();
  cmd.add_option("--tables", a->tables, "another dive tables file");
  cmd.add_option("--gf", a->gf, "gradient factors LOW/HIGH of the computed curve (Kelp.ini [Deko])")
      ->check(gradientFactors());
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
                      "deco --depth M --time MIN [--model deco92|zhl16c] [--altitude 0|1] [--group G --interval MIN] "
                      "[--tank L] [--pressure BAR] [--sac L] [--tables FILE] [--gf LOW/HIGH] [--o2 P] [--altitude-m M] "
                      "[--previous-depth M --previous-time MIN [--previous-o2 P] --interval MIN] [--json]",
                      "a dive plan on the DECO 92 tables or with the Bühlmann ZH-L16C model", setupDeco});
REGISTER_CLI_COMMAND({"nostop", "nostop [--tables FILE] [--gf LOW/HIGH] [--json]",
                      "the known points of the five no-stop curves and the computed Bühlmann curve",
                      setupNoStop});
REGISTER_CLI_COMMAND({"forecast",
                      "forecast LOGBOOK [--target N] [--start mm.yyyy] [--with-current-month] [--today dd.mm.yyyy]",
                      "the day a dive number will be reached", setupForecast});

}  // namespace kelp::cli
