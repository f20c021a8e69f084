// kelp-cli commands on a whole logbook: info, list, show, save-as, demo.
#include <clocale>
#include <cstdio>
#include <filesystem>
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
  const char* label;  // the form's label
  std::string value;
  std::string unit;
};

std::vector<Field> diveFields(const DiveRecord& r) {
  const std::string depth = unitLabel(Quantity::Depth);
  const std::string temp = unitLabel(Quantity::Temperature);
  const std::string press = unitLabel(Quantity::Pressure);
  return {
      {"diveNumber", "Numero imm.:", format("%d", r.diveNumber), ""},
      {"date", "Data:", formatDateLong(r.date), ""},
      {"timeOfDay", "Ora:", formatMinutes(r.timeOfDay), ""},
      {"location", "Località:", text(r.location), ""},
      {"site", "Luogo:", text(r.site), ""},
      {"computerType", "Computer:", formatComputerType(r.computerType), ""},
      {"profileKind", "Profilo:", formatProfileKind(r), ""},
      {"altitudeClass", "Livello mare:", altitudeText(r.altitudeClass), ""},
      {"surfaceInterval", "Intervallo:", formatMinutes(r.surfaceInterval), ""},
      {"weather", "Meteo:", weatherText(r.weather), ""},
      {"airTemperature", "Temperatura aria:", formatAirTemperature(r.airTemperature), temp},
      {"suit", "Muta:", suitText(r.suit), ""},
      {"tankSize", "Dim bombola:", formatTankSize(r.tankSize), unitLabel(Quantity::Volume)},
      {"maxDepth", "Prof.Max.:", formatMaxDepth(r), depth},
      {"avgDepth", "Prof. media::", formatAvgDepth(r), depth},
      {"diveTime", "Tempo imm.:", formatMinutes(r.diveTime), ""},
      {"minWaterTemperature", "Temperatura min.:", formatWaterTemperature(r.minWaterTemperature), temp},
      {"airConsumed", "Consumo aria.:", formatPressure(r.airConsumed), press},
      {"sac", "AMV:", formatSac(r.sac), unitLabel(Quantity::AirConsumption)},
      {"startPressure", "Pressione:", formatPressure(r.startPressure), press},
      {"visibility", "Visibilità:", formatVisibility(r.visibility), depth},
      {"weight", "Zavorra:", formatWeight(r.weight), unitLabel(Quantity::Weight)},
      {"tankMaterial", "Bombola:", tankMaterialText(r.tankMaterial), ""},
      {"suitDescription", "Tipo muta:", text(r.suitDescription), ""},
      {"diveType", "Tipo imm.:", diveTypeText(r), ""},
      {"activities", "Attività:", activitiesText(r), ""},
      {"otherActivities", "Altre attività:", text(r.otherActivities), ""},
      {"warnings", "Allarmi:", warningsText(r), ""},
      {"buddies", "Compagni:", text(r.buddies), ""},
      {"notes", "Note:", formatNotes(r), ""},
  };
}

bool parsePosition(const std::string& s, int& n) {
  if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos) return false;
  return scanInt(s, n);
}

int cmdInfo(const Args& a) {
  Args p = positionals(a);
  if (p.size() != 1) return fail("usage: info LOGBOOK");
  Logbook lb;
  int rc = 0;
  if (!openLogbook(p[0], lb, rc)) return rc;
  std::string s;
  s += line("File:", lb.path);
  s += line("Numero tot:", format("%d", lb.diveCount()));
  s += line("Primo numero:", format("%d", lb.firstDiveNumber));
  s += line("Tempo tot. immersione:", formatTotalTime(lb.totalDiveTime));
  s += line("Media consumo aria.:", formatSac(lb.averageSac), unitLabel(Quantity::AirConsumption));
  out(s);
  return 0;
}

int cmdList(const Args& a) {
  Args p = positionals(a);
  if (p.size() != 1) return fail("usage: list LOGBOOK");
  Logbook lb;
  int rc = 0;
  if (!openLogbook(p[0], lb, rc)) return rc;
  std::string s;
  for (const auto& r : lb.dives()) {
    s += diveListLine(r);
    s += '\n';
  }
  out(s);
  return 0;
}

int cmdShow(const Args& a) {
  Args p = positionals(a);
  if (p.size() != 2) return fail("usage: show LOGBOOK POSITION [--json]");
  int pos = 0;
  if (!parsePosition(p[1], pos)) return fail("not a dive position: " + p[1]);
  Logbook lb;
  int rc = 0;
  if (!openLogbook(p[0], lb, rc)) return rc;
  DiveRecord r;
  if (!lb.get(pos, r))
    return fail(format("no dive at position %d (the logbook holds %d)", pos, lb.diveCount()));
  const auto fields = diveFields(r);
  if (hasFlag(a, "--json")) {
    nlohmann::ordered_json j;
    j["position"] = pos;
    for (const auto& f : fields) j[f.key] = f.value;
    j["sampleCount"] = r.sampleCount;
    j["profileMaxDepth"] = r.profileMaxDepth;
    j["profileAvgDepth"] = r.profileAvgDepth;
    out(j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n");
    return 0;
  }
  std::string s;
  s += line("File:", lb.path);
  s += line("Numero tot:", format("%d", lb.diveCount()));
  const bool showWeight = settings().extended != 0;
  for (const auto& f : fields) {
    if (std::string(f.key) == "weight" && !showWeight) continue;
    s += line(f.label, f.value, f.unit);
  }
  s += line("Media consumo aria.:", formatSac(lb.averageSac), unitLabel(Quantity::AirConsumption));
  s += line("Tempo tot. immersione:", formatTotalTime(lb.totalDiveTime));
  out(s);
  return 0;
}

int cmdSaveAs(const Args& a) {
  Args p = positionals(a);
  if (p.size() != 2) return fail("usage: save-as LOGBOOK OUT.log");
  Logbook lb;
  int rc = 0;
  if (!openLogbook(p[0], lb, rc)) return rc;
  if (!saveLogbook(lb, p[1], rc)) return rc;
  return 0;
}

int cmdDemo(const Args& a) {
  Args p = positionals(a, {"--dives", "--seed"});
  if (p.size() != 1) return fail("usage: demo OUT.log [--dives N] [--seed S]");
  int dives = 120, seed = 1;
  const std::string d = optionValue(a, "--dives", "120");
  const std::string s = optionValue(a, "--seed", "1");
  if (!parsePosition(d, dives) || dives > MAX_DIVES)
    return fail(format("--dives wants a number from 0 to %d", MAX_DIVES));
  if (!parsePosition(s, seed)) return fail("--seed wants a whole number");
  Logbook lb = makeDemoLogbook(dives, static_cast<unsigned>(seed));
  int rc = 0;
  if (!saveLogbook(lb, p[0], rc)) return rc;
  return 0;
}

}  // namespace

REGISTER_CLI_COMMAND({"info", "info LOGBOOK                          path, dive count, totals", cmdInfo});
REGISTER_CLI_COMMAND({"list", "list LOGBOOK                          one line per dive, as in the dive list", cmdList});
REGISTER_CLI_COMMAND({"show", "show LOGBOOK POSITION [--json]        the dive at a 1-based position", cmdShow});
REGISTER_CLI_COMMAND({"save-as", "save-as LOGBOOK OUT.log               load and save under another name", cmdSaveAs});
REGISTER_CLI_COMMAND({"demo", "demo OUT.log [--dives N] [--seed S]   write a demo logbook (120 dives)", cmdDemo});

}  // namespace kelp::cli
