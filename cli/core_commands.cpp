// kelp-cli commands on a whole logbook: info, list, show, save-as, demo.
#include <clocale>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli.h"
#include "core/demo_logbook.h"
#include "core/dive_record.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "core/strings.h"

namespace kelp::cli {
namespace {

// The loader's own message, prefixed with the path unless it names it already.
int failWith(const std::string& path, const std::string& message, const char* fallback) {
  if (message.empty()) return fail(path + ": " + fallback);
  if (message.find(path) != std::string::npos) return fail(message);
  return fail(path + ": " + message);
}

void out(const std::string& s) {
  std::fwrite(s.data(), 1, s.size(), stdout);
}

// Loads a logbook for reading; a missing or unreadable file is an error.
bool openLogbook(const std::string& path, Logbook& lb, int& rc) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    rc = fail(path + ": " + (std::filesystem::exists(path, ec) ? "not a logbook file" : "file not found"));
    return false;
  }
  Result r = lb.loadFile(path);
  if (!r) {
    rc = failWith(path, r.error, "cannot be read");
    return false;
  }
  return true;
}

// Saves with the extension file, whatever the "Erweitert" option says: a copy
// made from the command line must not lose the extended fields.
bool saveLogbook(Logbook& lb, const std::string& path, int& rc) {
  const int extended = settings().extended;
  settings().extended = 1;
  Result r = lb.saveFile(path);
  settings().extended = extended;
  if (!r) {
    rc = failWith(path, r.error, "cannot be written");
    return false;
  }
  return true;
}

std::string text(const char* field, size_t size) {
  size_t n = 0;
  while (n < size && field[n]) ++n;
  return storedToUtf8(std::string(field, n));
}
template <size_t N> std::string text(const char (&field)[N]) { return text(field, N); }

// "Label value unit", the unit only behind a value.
std::string line(const std::string& label, const std::string& value, const std::string& unit = "") {
  std::string s = label;
  if (!value.empty()) {
    s += ' ';
    s += value;
    if (!unit.empty()) s += ' ' + unit;
  }
  return s + '\n';
}

// The fields of one dive as display texts, in the order the main form shows them.
struct Field {
  const char* key;    // JSON key
  int labelId;        // string id of the form's label
  std::string value;
  std::string unit;
};

std::vector<Field> diveFields(const DiveRecord& r) {
  const std::string depth = unitLabel(Quantity::Depth);
  const std::string temp = unitLabel(Quantity::Temperature);
  const std::string press = unitLabel(Quantity::Pressure);
  return {
      {"diveNumber", 63550, format("%d", r.diveNumber), ""},
      {"date", 63551, formatDateLong(r.date), ""},
      {"timeOfDay", 63552, formatMinutes(r.timeOfDay), ""},
      {"location", 63553, text(r.location), ""},
      {"site", 63554, text(r.site), ""},
      {"computerType", 63555, formatComputerType(r.computerType), ""},
      {"profileKind", 63556, formatProfileKind(r), ""},
      {"altitudeClass", 63557, altitudeText(r.altitudeClass), ""},
      {"surfaceInterval", 63558, formatMinutes(r.surfaceInterval), ""},
      {"weather", 63559, weatherText(r.weather), ""},
      {"airTemperature", 63560, formatAirTemperature(r.airTemperature), temp},
      {"suit", 63561, suitText(r.suit), ""},
      {"tankSize", 63562, formatTankSize(r.tankSize), unitLabel(Quantity::Volume)},
      {"maxDepth", 63563, formatMaxDepth(r), depth},
      {"avgDepth", 63564, formatAvgDepth(r), depth},
      {"diveTime", 63565, formatMinutes(r.diveTime), ""},
      {"minWaterTemperature", 63566, formatWaterTemperature(r.minWaterTemperature), temp},
      {"airConsumed", 63567, formatPressure(r.airConsumed), press},
      {"sac", 63568, formatSac(r.sac), unitLabel(Quantity::AirConsumption)},
      {"startPressure", 63569, formatPressure(r.startPressure), press},
      {"visibility", 63570, formatVisibility(r.visibility), depth},
      {"weight", 63571, formatWeight(r.weight), unitLabel(Quantity::Weight)},
      {"tankMaterial", 63572, tankMaterialText(r.tankMaterial), ""},
      {"suitDescription", 63573, text(r.suitDescription), ""},
      {"diveType", 63574, diveTypeText(r), ""},
      {"activities", 63575, activitiesText(r), ""},
      {"otherActivities", 63576, text(r.otherActivities), ""},
      {"warnings", 63577, warningsText(r), ""},
      {"buddies", 63578, text(r.buddies), ""},
      {"notes", 63579, formatNotes(r), ""},
  };
}

int cmdInfo(const std::string& path) {
  Logbook lb;
  int rc = 0;
  if (!openLogbook(path, lb, rc)) return rc;
  std::string s;
  s += line("File:", lb.path);
  s += line(str(63580), format("%d", lb.diveCount()));
  s += line(str(63581), format("%d", lb.firstDiveNumber));
  s += line(str(63582), formatTotalTime(lb.totalDiveTime));
  s += line(str(63583), formatSac(lb.averageSac), unitLabel(Quantity::AirConsumption));
  out(s);
  return 0;
}

int cmdList(const std::string& path) {
  Logbook lb;
  int rc = 0;
  if (!openLogbook(path, lb, rc)) return rc;
  std::string s;
  for (const auto& r : lb.dives()) {
    s += diveListLine(r);
    s += '\n';
  }
  out(s);
  return 0;
}

struct ShowArgs {
  std::string logbook;
  int position = 0;
  bool json = false;
  bool samples = false;  // with --json: the expanded samples too
};

int cmdShow(const ShowArgs& a) {
  const int pos = a.position;
  Logbook lb;
  int rc = 0;
  if (!openLogbook(a.logbook, lb, rc)) return rc;
  DiveRecord r;
  if (!lb.get(pos, r))
    return fail(format("no dive at position %d (the logbook holds %d)", pos, lb.diveCount()));
  const auto fields = diveFields(r);
  if (a.json) {
    nlohmann::ordered_json j;
    j["position"] = pos;
    for (const auto& f : fields) j[f.key] = f.value;
    j["sampleCount"] = r.sampleCount;
    j["profileMaxDepth"] = r.profileMaxDepth;
    j["profileAvgDepth"] = r.profileAvgDepth;
    if (a.samples) {
      // Depth in metres, positive down, and the flag bytes of every expanded sample.
      nlohmann::ordered_json list = nlohmann::ordered_json::array();
      for (int i = 0; i < r.sampleCount && i < MAX_SAMPLES; ++i) {
        // Readings are multiples of 10/64 m: five decimals keep them exact.
        const double d = std::round(-static_cast<double>(r.samples[i].depth) * 1e5) / 1e5;
        list.push_back({{"depth", d == 0 ? 0.0 : d}, {"flags", r.samples[i].sampleFlags}});
      }
      j["samples"] = std::move(list);
    }
    out(j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n");
    return 0;
  }
  std::string s;
  s += line("File:", lb.path);
  s += line(str(63580), format("%d", lb.diveCount()));
  const bool showWeight = settings().extended != 0;
  for (const auto& f : fields) {
    if (std::string(f.key) == "weight" && !showWeight) continue;
    s += line(str(f.labelId), f.value, f.unit);
  }
  s += line(str(63583), formatSac(lb.averageSac), unitLabel(Quantity::AirConsumption));
  s += line(str(63582), formatTotalTime(lb.totalDiveTime));
  out(s);
  return 0;
}

int cmdSaveAs(const std::string& from, const std::string& to) {
  Logbook lb;
  int rc = 0;
  if (!openLogbook(from, lb, rc)) return rc;
  if (!saveLogbook(lb, to, rc)) return rc;
  return 0;
}

struct DemoArgs {
  std::string out;
  int dives = 120;
  unsigned seed = 1;
};

int cmdDemo(const DemoArgs& a) {
  Logbook lb = makeDemoLogbook(a.dives, a.seed);
  int rc = 0;
  if (!saveLogbook(lb, a.out, rc)) return rc;
  return 0;
}

// A logbook file that must be given.
CLI::Option* logbookArg(CLI::App& cmd, std::string& path, const char* name = "LOGBOOK") {
  return cmd.add_option(name, path, "logbook file (.log)")->required();
}

Run setupInfo(CLI::App& cmd) {
  auto path = std::make_shared<std::string>();
  logbookArg(cmd, *path);
  return [path] { return cmdInfo(*path); };
}

Run setupList(CLI::App& cmd) {
  auto path = std::make_shared<std::string>();
  logbookArg(cmd, *path);
  return [path] { return cmdList(*path); };
}

Run setupShow(CLI::App& cmd) {
  auto a = std::make_shared<ShowArgs>();
  logbookArg(cmd, a->logbook);
  cmd.add_option("POSITION", a->position, "1-based position of the dive in the logbook")
      ->required()
      ->check(number(1, MAX_DIVES, "a dive position"));
  CLI::Option* json = cmd.add_flag("--json", a->json, "one JSON object instead of the form's lines");
  cmd.add_flag("--samples", a->samples, "with --json: the expanded samples (depth in metres, flag bytes)")->needs(json);
  return [a] { return cmdShow(*a); };
}

Run setupSaveAs(CLI::App& cmd) {
  auto paths = std::make_shared<std::pair<std::string, std::string>>();
  logbookArg(cmd, paths->first);
  cmd.add_option("OUT.log", paths->second, "the new logbook file")->required();
  return [paths] { return cmdSaveAs(paths->first, paths->second); };
}

Run setupDemo(CLI::App& cmd) {
  auto a = std::make_shared<DemoArgs>();
  cmd.add_option("OUT.log", a->out, "the logbook file to write")->required();
  cmd.add_option("--dives", a->dives, "number of dives (120)")->check(number(0, MAX_DIVES));
  cmd.add_option("--seed", a->seed, "seed of the generator: the same seed gives the same file (1)")
      ->check(number(0, 4294967295LL));
  return [a] { return cmdDemo(*a); };
}

}  // namespace

REGISTER_CLI_COMMAND({"info", "info LOGBOOK", "path, dive count, totals", setupInfo});
REGISTER_CLI_COMMAND({"list", "list LOGBOOK", "one line per dive, as in the dive list", setupList});
REGISTER_CLI_COMMAND({"show", "show LOGBOOK POSITION [--json [--samples]]", "the dive at a 1-based position",
                      setupShow});
REGISTER_CLI_COMMAND({"save-as", "save-as LOGBOOK OUT.log", "load and save under another name", setupSaveAs});
REGISTER_CLI_COMMAND({"demo", "demo OUT.log [--dives N] [--seed S]", "write a demo logbook (120 dives)",
                      setupDemo});

}  // namespace kelp::cli
