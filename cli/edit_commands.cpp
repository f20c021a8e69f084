// kelp-cli commands of the dive editor's area: fill.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/fill_dives.h"
#include "core/strings.h"

namespace kelp::cli {
namespace {

struct FillArgs {
  std::string logbook;
  int first = 0, last = 0;
  std::string location, site, buddies, suitName;
  int weather = 0, suit = 0, tankMaterial = 0;
  // Typed as in the dialog; read after the parse, under the units the call chose.
  std::string airTemperature, tankSize, weight;
  std::string kind, ascent, water, start, escort;  // "" = leave the pair
  bool nitrox = false, scr = false;
  std::vector<int> activityBits, specialBits;
};

bool isNumber(const std::string& s) {
  double v = 0;
  return scanFloat(s, v);
}

// Side of a three-way pair: 0 the first name, 1 the second, 2 not given.
int side(const std::string& v, const char* lower) { return v.empty() ? 2 : v == lower ? 0 : 1; }

FillTemplate makeTemplate(const FillArgs& a) {
  FillTemplate t;
  t.first = a.first;
  t.last = a.last;
  t.location = utf8ToStored(a.location);
  t.site = utf8ToStored(a.site);
  t.buddies = utf8ToStored(a.buddies);
  t.suitName = utf8ToStored(a.suitName);
  t.weather = static_cast<uint8_t>(a.weather);
  t.suit = static_cast<uint8_t>(a.suit);
  t.tankMaterial = static_cast<uint16_t>(a.tankMaterial);
  if (!a.airTemperature.empty()) t.airTemperature = parseTemperature(a.airTemperature);
  if (!a.tankSize.empty()) t.tankSize = parseTankSize(a.tankSize);
  if (!a.weight.empty()) t.weight = parseWeight(a.weight);
  setThreeWay(t.diveTypeFlags, kDiveNoStop, side(a.kind, "nostop"));
  setThreeWay(t.diveTypeFlags, kDiveSingleAscent, side(a.ascent, "single"));
  setThreeWay(t.diveTypeFlags, kDiveFreshWater, side(a.water, "fresh"));
  if (a.nitrox) t.diveTypeFlags = static_cast<uint16_t>(t.diveTypeFlags | (1u << kDiveNitrox));
  if (a.scr) t.diveTypeFlags = static_cast<uint16_t>(t.diveTypeFlags | (1u << kDiveScr));
  for (int b : a.activityBits) t.activityFlags = static_cast<uint16_t>(t.activityFlags | (1u << b));
  for (int b : a.specialBits) t.moreActivityFlags = static_cast<uint16_t>(t.moreActivityFlags | (1u << b));
  setThreeWay(t.moreActivityFlags, 8, side(a.start, "boat"));
  setThreeWay(t.moreActivityFlags, 10, side(a.escort, "guide"));
  return t;
}

int cmdFill(const FillArgs& a) {
  const FillTemplate t = makeTemplate(a);
  if (!fillRangeSet(t)) return fail(str(63426));
  std::error_code ec;
  if (!std::filesystem::is_regular_file(a.logbook, ec)) return fail(a.logbook + ": file not found");
  Logbook lb;
  Result r = lb.loadFile(a.logbook);
  if (!r) return fail(r.error.empty() ? a.logbook + ": cannot be read" : r.error);
  int inRange = 0, changed = 0;
  r = fillDives(lb, t, &inRange, &changed);
  if (!r) return fail(r.error);
  // The extension file is always written, so the extended fields are never lost.
  const int extended = settings().extended;
  settings().extended = 1;
  r = lb.saveFile(a.logbook);
  settings().extended = extended;
  if (!r) return fail(r.error.empty() ? a.logbook + ": cannot be written" : r.error);
  std::printf("%d\n", changed);
  return 0;
}

Run setupFill(CLI::App& cmd) {
  auto a = std::make_shared<FillArgs>();
  cmd.add_option("LOGBOOK", a->logbook, "logbook file (.log)")->required();
  cmd.add_option("--first", a->first, "first dive number of the range")->required()->check(number(0, 65535, "a dive number"));
  cmd.add_option("--last", a->last, "last dive number of the range")->required()->check(number(0, 65535, "a dive number"));
  cmd.add_option("--location", a->location, "location");
  cmd.add_option("--site", a->site, "site");
  cmd.add_option("--buddies", a->buddies, "buddies");
  cmd.add_option("--suit-name", a->suitName, "suit name (25 characters)");
  cmd.add_option("--weather", a->weather, "weather: list index 1 to 6")->check(number(0, 6, "a weather index"));
  cmd.add_option("--suit", a->suit, "suit type: list index 1 to 6")->check(number(0, 6, "a suit index"));
  cmd.add_option("--tank-material", a->tankMaterial, "tank material: 1 steel, 2 aluminium")
      ->check(number(0, 2, "a tank material"));
  cmd.add_option("--air-temp", a->airTemperature, "air temperature in the current units")
      ->check(accepted("a number", isNumber));
  cmd.add_option("--tank", a->tankSize, "tank volume in the current units")->check(accepted("a number", isNumber));
  cmd.add_option("--weight", a->weight, "weight in the current units")->check(accepted("a number", isNumber));
  auto oneOf = [](const char* x, const char* y) {
    const std::string what = std::string(x) + " or " + y;
    return accepted(what, [x, y](const std::string& s) { return s == x || s == y; });
  };
  cmd.add_option("--kind", a->kind, "nostop or deco")->check(oneOf("nostop", "deco"));
  cmd.add_option("--ascent", a->ascent, "single or multiple")->check(oneOf("single", "multiple"));
  cmd.add_option("--water", a->water, "fresh or sea")->check(oneOf("fresh", "sea"));
  cmd.add_option("--start", a->start, "boat or shore")->check(oneOf("boat", "shore"));
  cmd.add_option("--escort", a->escort, "guide or centre")->check(oneOf("guide", "centre"));
  cmd.add_flag("--nitrox", a->nitrox, "add Nitrox");
  cmd.add_flag("--scr", a->scr, "add SCR");
  cmd.add_option("--activity-bit", a->activityBits, "add activity bit 0 to 15 (repeatable)")
      ->allow_extra_args(false)
      ->check(number(0, 15, "an activity bit"));
  cmd.add_option("--special-bit", a->specialBits, "add special activity bit 0 to 7 (repeatable)")
      ->allow_extra_args(false)
      ->check(number(0, 7, "a special activity bit"));
  return [a] { return cmdFill(*a); };
}

}  // namespace

REGISTER_CLI_COMMAND(
    {"fill",
     "fill LOGBOOK --first N --last M [--location T] [--site T] [--buddies T] [--weather N] [--air-temp T] "
     "[--suit N] [--suit-name T] [--tank T] [--weight T] [--tank-material N] [--kind nostop|deco] "
     "[--ascent single|multiple] [--water fresh|sea] [--nitrox] [--scr] [--activity-bit B]... "
     "[--special-bit B]... [--start boat|shore] [--escort guide|centre]",
     "fill a number range of dives with the same values", setupFill});

}  // namespace kelp::cli
