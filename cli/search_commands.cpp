// kelp-cli commands of the searches: find, replace, select. Each runs the rule the search
// dialogs run and prints what the dialog shows.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/search.h"
#include "core/strings.h"

namespace kelp::cli {
namespace {

void out(const std::string& s) { std::fwrite(s.data(), 1, s.size(), stdout); }

// The loader's own message, prefixed with the path unless it names it already.
int failWith(const std::string& path, const std::string& message, const char* fallback) {
  if (message.empty()) return fail(path + ": " + fallback);
  if (message.find(path) != std::string::npos) return fail(message);
  return fail(path + ": " + message);
}

bool openLogbook(const std::string& path, Logbook& lb, int& rc) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    rc = fail(path + ": " + (std::filesystem::exists(path, ec) ? "not a logbook file" : "file not found"));
    return false;
  }
  const Result r = lb.loadFile(path);
  if (!r) {
    rc = failWith(path, r.error, "cannot be read");
    return false;
  }
  return true;
}

CLI::Option* logbookArg(CLI::App& cmd, std::string& path) {
  return cmd.add_option("LOGBOOK", path, "logbook file (.log)")->required();
}

// ---------------------------------------------------------------------------
// find

struct FindArgs {
  std::string logbook, location, site, buddy, text;
  int activity = -1;
};

int runFind(const FindArgs& a) {
  LastSearch s;
  if (a.activity >= 0) s = makeSearch(kFindActivity, a.activity, a.text);
  else if (!a.location.empty()) s = makeSearch(kFindLocation, 0, a.location);
  else if (!a.site.empty()) s = makeSearch(kFindSite, 0, a.site);
  else if (!a.buddy.empty()) s = makeSearch(kFindBuddies, 0, a.buddy);
  else return fail("find wants one of --location, --site, --buddy, --activity");
  Logbook lb;
  int rc = 0;
  if (!openLogbook(a.logbook, lb, rc)) return rc;
  std::string lines;
  for (const DiveRecord& r : lb.dives())
    if (diveMatchesSearch(r, s)) lines += diveListLine(r) + '\n';
  if (lines.empty()) return fail(searchNotFoundMessage(s));
  out(lines);
  return 0;
}

Run setupFind(CLI::App& cmd) {
  auto a = std::make_shared<FindArgs>();
  logbookArg(cmd, a->logbook);
  auto* loc = cmd.add_option("--location", a->location, "the location, whole and exact");
  auto* site = cmd.add_option("--site", a->site, "the site, whole and exact");
  auto* buddy = cmd.add_option("--buddy", a->buddy, "a text the buddies contain");
  auto* act = cmd.add_option("--activity", a->activity,
                             "activity choice of the find dialog, 0 to 19 (19: other activities with --text)")
                  ->check(number(0, kActivityChoiceCount - 1, "an activity choice"));
  cmd.add_option("--text", a->text, "the text the other activities contain (with --activity 19)")->needs(act);
  loc->excludes(site)->excludes(buddy)->excludes(act);
  site->excludes(buddy)->excludes(act);
  buddy->excludes(act);
  return [a] { return runFind(*a); };
}

// ---------------------------------------------------------------------------
// replace

struct ReplaceArgs {
  std::string logbook, field, oldText, newText;
  bool dryRun = false;
};

int replaceField(const std::string& name) {
  static const char* const names[] = {"location", "site", "buddies", "notes", "suit"};
  for (int i = 0; i < kReplaceFieldCount; ++i)
    if (name == names[i]) return i;
  return -1;
}

int runReplace(const ReplaceArgs& a) {
  if (a.oldText.empty()) return fail("--old must not be empty");
  const int field = replaceField(a.field);
  Logbook lb;
  int rc = 0;
  if (!openLogbook(a.logbook, lb, rc)) return rc;
  const ReplacePreview p = previewReplace(lb, field, a.oldText, a.newText);
  std::string rows;
  for (const std::string& r : p.rows) rows += r + '\n';
  out(rows);
  if (a.dryRun || !p.canReplace) return 0;
  if (replaceAll(lb, field, a.oldText, a.newText) == 0) return 0;
  // Saved the way every save goes, with the extension file whatever "Erweitert" says.
  const int extended = settings().extended;
  settings().extended = 1;
  const Result r = lb.saveFile(lb.path);
  settings().extended = extended;
  if (!r) return failWith(lb.path, r.error, "cannot be written");
  return 0;
}

Run setupReplace(CLI::App& cmd) {
  auto a = std::make_shared<ReplaceArgs>();
  logbookArg(cmd, a->logbook);
  cmd.add_option("--field", a->field, "location, site, buddies, notes or suit")
      ->required()
      ->check(accepted("a field (location, site, buddies, notes, suit)",
                       [](const std::string& s) { return replaceField(s) >= 0; }));
  cmd.add_option("--old", a->oldText, "the text to replace")->required();
  cmd.add_option("--new", a->newText, "the text that replaces it")->required();
  cmd.add_flag("--dry-run", a->dryRun, "list what would change, change nothing");
  return [a] { return runReplace(*a); };
}

// ---------------------------------------------------------------------------
// select

struct SelectArgs {
  std::string logbook, into;
  SearchCriteria c;
  std::vector<int> typeBits, activityBits, specialBits;
};

int runSelect(SelectArgs a) {
  for (int b : a.typeBits) a.c.typeBits = static_cast<uint16_t>(a.c.typeBits | (1u << b));
  for (int b : a.activityBits) a.c.activityBits = static_cast<uint16_t>(a.c.activityBits | (1u << b));
  for (int b : a.specialBits) a.c.specialBits = static_cast<uint8_t>(a.c.specialBits | (1u << b));
  Logbook lb;
  int rc = 0;
  if (!openLogbook(a.logbook, lb, rc)) return rc;
  const std::vector<int> found = selectDives(lb, a.c);
  std::string rows;
  for (int p : found) rows += selectionRow(lb.dives()[static_cast<size_t>(p - 1)]) + '\n';
  rows += strf(63547, static_cast<int>(found.size()));
  out(rows);
  if (a.into.empty()) return 0;
  const Result r = writeSelectedDives(lb, found, a.into);
  // Nothing found, the input logbook's own files, or a write that failed: the message says which.
  if (!r) return fail(r.error);
  return 0;
}

bool isNumber(const std::string& s) {
  double v;
  return scanFloat(s, v);
}

Run setupSelect(CLI::App& cmd) {
  auto a = std::make_shared<SelectArgs>();
  SearchCriteria& c = a->c;
  logbookArg(cmd, a->logbook);
  const auto date = accepted("a date (dd.mm.yyyy)", [](const std::string& s) { return parseDate(s) > 0; });
  const auto minutes = accepted("a dive time in minutes", [](const std::string& s) {
    const int16_t v = parseMinutes(s);
    return v != NO_VALUE && v > 0;
  });
  const auto num = accepted("a number", isNumber);
  cmd.add_option("--date-from", c.dateFrom, "dives on or after this date")->check(date);
  cmd.add_option("--date-to", c.dateTo, "dives on or before this date")->check(date);
  cmd.add_option("--location", c.location, "the location, whole");
  cmd.add_option("--site", c.site, "the site, whole");
  cmd.add_option("--buddy", c.buddy, "a text the buddies contain");
  cmd.add_option("--other", c.other, "a text the other activities contain");
  cmd.add_option("--altitude", c.altitude, "altitude class 1 to 4")->check(number(0, 4, "an altitude class"));
  cmd.add_option("--weather", c.weather, "weather 1 to 6")->check(number(0, 6, "a weather index"));
  cmd.add_option("--suit", c.suit, "suit 1 to 6")->check(number(0, 6, "a suit index"));
  cmd.add_option("--tank", c.tankSize, "tank size as shown (litres or cubic feet)")->check(num);
  cmd.add_option("--depth-from", c.depthFrom, "maximum depth as shown, at least")->check(num);
  cmd.add_option("--depth-to", c.depthTo, "maximum depth as shown, at most")->check(num);
  cmd.add_option("--time-from", c.timeFrom, "dive time in minutes, at least")->check(minutes);
  cmd.add_option("--time-to", c.timeTo, "dive time in minutes, at most")->check(minutes);
  cmd.add_option("--sac-from", c.sacFrom, "air consumption as shown, at least")->check(num);
  cmd.add_option("--sac-to", c.sacTo, "air consumption as shown, at most")->check(num);
  cmd.add_option("--type-bit", a->typeBits, "a dive type bit that must be set (2 to 9), repeatable")
      ->check(number(2, 9, "a dive type bit"));
  cmd.add_option("--activity-bit", a->activityBits, "an activity bit that must be set (0 to 11), repeatable")
      ->check(number(0, 11, "an activity bit"));
  cmd.add_option("--special-bit", a->specialBits, "a special activity (0 to 7), repeatable")
      ->check(number(0, 7, "a special activity"));
  cmd.add_flag("--or", c.orMode, "one condition is enough (OR instead of AND)");
  cmd.add_option("--into", a->into, "write the dives found into this new logbook file");
  return [a] { return runSelect(*a); };
}

}  // namespace

REGISTER_CLI_COMMAND({"find", "find LOGBOOK (--location T | --site T | --buddy T | --activity N [--text T])",
                      "the dives the find dialog finds, one list line each", setupFind});
REGISTER_CLI_COMMAND({"replace", "replace LOGBOOK --field F --old O --new N [--dry-run]",
                      "replace a text in one field of every dive and save", setupReplace});
REGISTER_CLI_COMMAND({"select",
                      "select LOGBOOK [--date-from D] [--date-to D] [--location T] [--site T] [--buddy T] "
                      "[--other T] [--altitude N] [--weather N] [--suit N] [--tank V] [--depth-from V] "
                      "[--depth-to V] [--time-from M] [--time-to M] [--sac-from V] [--sac-to V] "
                      "[--type-bit B]... [--activity-bit B]... [--special-bit B]... [--or] [--into OUT.log]",
                      "the extended search: result rows and count; --into writes the dives found",
                      setupSelect});

}  // namespace kelp::cli
