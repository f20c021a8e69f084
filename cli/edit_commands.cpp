// kelp-cli commands of the dive editor's area: fill.
#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/cli.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/fill_dives.h"

namespace kelp::cli {
namespace {

const char* const kFillUsage =
    "fill LOGBOOK --first N --last M [--location T] [--site T] [--buddies T] [--weather N] "
    "[--air-temp T] [--suit N] [--suit-name T] [--tank T] [--weight T] [--tank-material N] "
    "[--kind nostop|deco] [--ascent single|multiple] [--water fresh|sea] [--nitrox] [--scr] "
    "[--activity-bit B]... [--special-bit B]... [--start boat|shore] [--escort guide|centre]";

bool wholeNumber(const std::string& s, int min, int max, int& out) {
  if (s.empty() || s.size() > 6 || s.find_first_not_of("0123456789") != std::string::npos) return false;
  int v = 0;
  if (!scanInt(s, v) || v < min || v > max) return false;
  out = v;
  return true;
}

// One side of a three-way pair by name: 0 lower bit, 1 upper bit.
bool pairSide(const std::string& s, const char* lower, const char* upper, int& out) {
  if (s == lower) out = 0;
  else if (s == upper) out = 1;
  else return false;
  return true;
}

// Reads the options into the template, values as a user types them in the fill dialog under
// the current units. Returns "" or the message of the first option that cannot be read.
std::string readFillOptions(const Args& a, std::string& logbook, FillTemplate& t) {
  int kind = 2, ascent = 2, water = 2, start = 2, escort = 2;
  bool haveFirst = false, haveLast = false;
  for (size_t i = 0; i < a.size(); ++i) {
    const std::string& o = a[i];
    if (o == "--imperial" || o == "--metric") continue;
    if (o == "--nitrox") { t.diveTypeFlags |= 1u << kDiveNitrox; continue; }
    if (o == "--scr") { t.diveTypeFlags |= 1u << kDiveScr; continue; }
    if (o.rfind("--", 0) != 0) {
      if (!logbook.empty()) return "unexpected argument " + o;
      logbook = o;
      continue;
    }
    if (i + 1 >= a.size()) return o + " needs a value";
    const std::string v = a[++i];
    int n = 0;
    if (o == "--first" || o == "--last") {
      if (!wholeNumber(v, 0, 65535, n)) return o + ": " + v + " is not a dive number";
      (o == "--first" ? t.first : t.last) = n;
      (o == "--first" ? haveFirst : haveLast) = true;
    } else if (o == "--location") t.location = utf8ToStored(v);
    else if (o == "--site") t.site = utf8ToStored(v);
    else if (o == "--buddies") t.buddies = utf8ToStored(v);
    else if (o == "--suit-name") t.suitName = utf8ToStored(v);
    else if (o == "--weather") {
      if (!wholeNumber(v, 0, 6, n)) return "--weather: " + v + " is not 0 to 6";
      t.weather = static_cast<uint8_t>(n);
    } else if (o == "--suit") {
      if (!wholeNumber(v, 0, 6, n)) return "--suit: " + v + " is not 0 to 6";
      t.suit = static_cast<uint8_t>(n);
    } else if (o == "--tank-material") {
      if (!wholeNumber(v, 0, 2, n)) return "--tank-material: " + v + " is not 0 to 2";
      t.tankMaterial = static_cast<uint16_t>(n);
    } else if (o == "--air-temp" || o == "--tank" || o == "--weight") {
      double x = 0;
      if (!scanFloat(v, x)) return o + ": " + v + " is not a number";
      if (o == "--air-temp") t.airTemperature = parseTemperature(v);
      else if (o == "--tank") t.tankSize = parseTankSize(v);
      else t.weight = parseWeight(v);
    } else if (o == "--kind") {
      if (!pairSide(v, "nostop", "deco", kind)) return "--kind: " + v + " is not nostop or deco";
    } else if (o == "--ascent") {
      if (!pairSide(v, "single", "multiple", ascent)) return "--ascent: " + v + " is not single or multiple";
    } else if (o == "--water") {
      if (!pairSide(v, "fresh", "sea", water)) return "--water: " + v + " is not fresh or sea";
    } else if (o == "--start") {
      if (!pairSide(v, "boat", "shore", start)) return "--start: " + v + " is not boat or shore";
    } else if (o == "--escort") {
      if (!pairSide(v, "guide", "centre", escort)) return "--escort: " + v + " is not guide or centre";
    } else if (o == "--activity-bit") {
      if (!wholeNumber(v, 0, 15, n)) return "--activity-bit: " + v + " is not 0 to 15";
      t.activityFlags = static_cast<uint16_t>(t.activityFlags | (1u << n));
    } else if (o == "--special-bit") {
      if (!wholeNumber(v, 0, 7, n)) return "--special-bit: " + v + " is not 0 to 7";
      t.moreActivityFlags = static_cast<uint16_t>(t.moreActivityFlags | (1u << n));
    } else {
      return "unknown option " + o;
    }
  }
  if (logbook.empty() || !haveFirst || !haveLast) return std::string("usage: ") + kFillUsage;
  setThreeWay(t.diveTypeFlags, kDiveNoStop, kind);
  setThreeWay(t.diveTypeFlags, kDiveSingleAscent, ascent);
  setThreeWay(t.diveTypeFlags, kDiveFreshWater, water);
  setThreeWay(t.moreActivityFlags, 8, start);
  setThreeWay(t.moreActivityFlags, 10, escort);
  return {};
}

int cmdFill(const Args& a) {
  std::string path;
  FillTemplate t;
  const std::string bad = readFillOptions(a, path, t);
  if (!bad.empty()) return fail(bad);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return fail(path + ": file not found");
  Logbook lb;
  Result r = lb.loadFile(path);
  if (!r) return fail(r.error.empty() ? path + ": cannot be read" : r.error);
  int inRange = 0, changed = 0;
  r = fillDives(lb, t, &inRange, &changed);
  if (!r) return fail(r.error);
  // The extension file is always written, so the extended fields are never lost.
  const int extended = settings().extended;
  settings().extended = 1;
  r = lb.saveFile(path);
  settings().extended = extended;
  if (!r) return fail(r.error.empty() ? path + ": cannot be written" : r.error);
  std::printf("%d\n", changed);
  return 0;
}

}  // namespace

REGISTER_CLI_COMMAND({"fill", kFillUsage, cmdFill});

}  // namespace kelp::cli
