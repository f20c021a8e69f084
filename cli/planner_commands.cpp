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

bool readNumber(const Args& a, const std::string& name, double& v, std::string& error) {
  const std::string text = optionValue(a, name);
  if (text.empty()) return true;
  if (!scanFloat(text, v)) {
    error = name + ": not a number: " + text;
    return false;
  }
  return true;
}

bool readWhole(const Args& a, const std::string& name, int& v, std::string& error) {
  const std::string text = optionValue(a, name);
  if (text.empty()) return true;
  if (!scanInt(text, v) || text.find_first_not_of("-0123456789 ") != std::string::npos) {
    error = name + ": not a whole number: " + text;
    return false;
  }
  return true;
}

// The tables of --tables FILE, else those beside the program.
const DiveTables* tables(const Args& a, std::string& error) {
  const std::string path = optionValue(a, "--tables");
  if (!path.empty()) setDiveTablesPath(path);
  return diveTables(&error);
}

int cmdDeco(const Args& a) {
  const std::vector<std::string> valued{"--depth", "--time",  "--altitude", "--group", "--interval",
                                        "--tank",  "--pressure", "--sac",   "--tables"};
  if (!positionals(a, valued).empty() || optionValue(a, "--depth").empty() || optionValue(a, "--time").empty())
    return fail("usage: deco --depth M --time MIN [--altitude 0|1] [--group G --interval MIN] [--tank L] "
                "[--pressure BAR] [--sac L] [--json]");
  // A fresh plan without air data; the options fill in what the dialog's fields hold.
  DecoPlan p;
  p.startTime = static_cast<int64_t>(std::time(nullptr));
  p.tankVolume = 0;
  p.tankPressure = 0;
  p.airConsumption = 0;
  std::string error;
  if (!readNumber(a, "--depth", p.maxDepth, error) || !readWhole(a, "--time", p.bottomTime, error) ||
      !readWhole(a, "--altitude", p.altitudeClass, error) || !readWhole(a, "--interval", p.surfaceInterval, error) ||
      !readNumber(a, "--tank", p.tankVolume, error) || !readWhole(a, "--pressure", p.tankPressure, error) ||
      !readNumber(a, "--sac", p.airConsumption, error))
    return fail(error);
  if (p.altitudeClass != 0 && p.altitudeClass != 1) return fail("--altitude: 0 (sea level) or 1 (mountain lake)");
  p.groupText = optionValue(a, "--group");
  for (char& c : p.groupText) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  p.repetitive = p.groupText.empty() ? 0 : 1;
  if (p.repetitive && optionValue(a, "--interval").empty()) return fail("--group needs --interval MIN");
  if (!(p.maxDepth > 0) || p.bottomTime <= 0) return fail("nothing to plan: depth and bottom time must be above 0");
  if (p.tankVolume < 0 || p.tankPressure < 0 || p.airConsumption < 0)
    return fail("--tank, --pressure and --sac must not be negative");

  const DiveTables* t = tables(a, error);
  if (!t) return fail(error);
  PlannedProfile profile;
  const DecoOutcome outcome = runDecoCalculation(t, error, p, profile);
  if (hasFlag(a, "--json")) {
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

int cmdNoStop(const Args& a) {
  if (!positionals(a, {"--tables"}).empty()) return fail("usage: nostop [--json]");
  std::string error;
  const DiveTables* t = tables(a, error);
  if (!t) return fail(error);
  const auto curves = t->noStopCurves();
  if (hasFlag(a, "--json")) {
    nlohmann::ordered_json j = nlohmann::ordered_json::array();
    for (const auto& c : curves) {
      nlohmann::ordered_json points = nlohmann::ordered_json::array();
      for (size_t i = 0; i < c.points.size(); ++i)
        if (c.points[i] != kUnknownValue) points.push_back({{"depth", 12 + 3 * static_cast<int>(i)}, {"minutes", c.points[i]}});
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

int cmdForecast(const Args& a) {
  const Args p = positionals(a, {"--target", "--start", "--today"});
  if (p.size() != 1)
    return fail("usage: forecast LOGBOOK [--target N] [--start mm.yyyy] [--with-current-month] [--today dd.mm.yyyy]");
  std::error_code ec;
  if (!std::filesystem::is_regular_file(p[0], ec)) return fail(p[0] + ": file not found");
  Logbook lb;
  const Result loaded = lb.loadFile(p[0]);
  if (!loaded) return fail(loaded.error.empty() ? p[0] + ": cannot be read" : loaded.error);

  ForecastRequest req;
  req.target = defaultForecastTarget(lb.diveCount());
  const CalendarDay start = forecastStart(lb);
  req.startMonth = start.month;
  req.startYear = start.year;
  req.withCurrentMonth = hasFlag(a, "--with-current-month");
  std::string error;
  if (!readWhole(a, "--target", req.target, error)) return fail(error);
  const std::string startText = optionValue(a, "--start");
  if (!startText.empty() && !parseForecastStart(startText, req.startMonth, req.startYear))
    return fail("--start: mm.yyyy expected: " + startText);
  CalendarDay today;
  fromDayNumber(todayDayNumber(), today.day, today.month, today.year);
  const std::string todayText = optionValue(a, "--today");
  if (!todayText.empty()) {
    const int32_t n = parseDate(todayText);
    if (n < 0) return fail("--today: dd.mm.yyyy expected: " + todayText);
    fromDayNumber(n, today.day, today.month, today.year);
  }

  ForecastResult r;
  switch (computeForecast(lb, req, today, r)) {
    case ForecastOutcome::Found: break;
    case ForecastOutcome::NothingToDo:
      return fail(format("nothing to forecast: the logbook holds %d dives already, or the start month is invalid "
                         "or after the current month", lb.diveCount()));
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

}  // namespace

REGISTER_CLI_COMMAND({"deco",
                      "deco --depth M --time MIN [--altitude 0|1] [--group G --interval MIN] [--tank L] [--pressure BAR] "
                      "[--sac L] [--tables FILE] [--json]   DECO 92 dive plan",
                      cmdDeco});
REGISTER_CLI_COMMAND({"nostop", "nostop [--tables FILE] [--json]   the known points of the five no-stop curves",
                      cmdNoStop});
REGISTER_CLI_COMMAND({"forecast",
                      "forecast LOGBOOK [--target N] [--start mm.yyyy] [--with-current-month] [--today dd.mm.yyyy]   "
                      "when a dive number will be reached",
                      cmdForecast});

}  // namespace kelp::cli
