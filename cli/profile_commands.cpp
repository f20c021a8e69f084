// kelp-cli commands of the profile area: draft-profile, split, merge. Each runs the
// enable rule and the operation the program's command runs, and saves only on success.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "app/command_rules.h"
#include "cli/cli.h"
#include "core/computer_models.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/hand_profile.h"
#include "profile/split_merge.h"

namespace kelp::cli {
namespace {

struct Args {
  std::string logbook;
  int position = 0;
  int minute = 0;
};

bool openLogbook(const std::string& path, Logbook& lb, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = path + ": " + (std::filesystem::exists(path, ec) ? "not a logbook file" : "file not found");
    return false;
  }
  const Result r = lb.loadFile(path);
  if (!r) error = r.error.find(path) == std::string::npos ? path + ": " + r.error : r.error;
  return r.ok;
}

// Saved with its extension file, whatever the "Erweitert" option says, so that no
// extended field is lost.
bool saveLogbook(Logbook& lb, const std::string& path, std::string& error) {
  const int extended = settings().extended;
  settings().extended = 1;
  const Result r = lb.saveFile(path);
  settings().extended = extended;
  if (!r) error = r.error;
  warnAbout(r);
  return r.ok;
}

// Loads the logbook and makes the dive at the position current, as the main window has it
// when the command is chosen; false (with the message) when that cannot be.
bool prepare(const Args& a, Logbook& lb, std::string& error) {
  if (!openLogbook(a.logbook, lb, error)) return false;
  if (a.position < 1 || a.position > lb.diveCount()) {
    error = format("no dive at position %d (the logbook holds %d)", a.position, lb.diveCount());
    return false;
  }
  lb.currentPosition = a.position;
  return true;
}

bool enabled(const Logbook& lb, int command) {
  const CopyBuffer copy;
  const SelectionBuffer selection;
  return commandEnabled(command, makeCommandState(lb, copy, selection, false, settings(), computerModels()));
}

int finish(Logbook& lb, const std::string& path, const Result& r, const std::string& done) {
  if (!r) return fail(r.error);
  std::string error;
  if (!saveLogbook(lb, path, error)) return fail(error);
  if (!done.empty()) std::printf("%s\n", done.c_str());
  return 0;
}

int cmdDraftProfile(const Args& a) {
  LogbookLock lock;
  if (int rc = lockForChange(lock, a.logbook)) return rc;
  Logbook lb;
  std::string error;
  if (!prepare(a, lb, error)) return fail(error);
  const int number = lb.dives()[static_cast<size_t>(a.position - 1)].diveNumber;
  if (!enabled(lb, cmd::CreateProfile)) return fail(createProfileRefusedMessage(number));
  return finish(lb, a.logbook, draftProfile(lb, a.position), "");
}

int cmdSplit(const Args& a) {
  LogbookLock lock;
  if (int rc = lockForChange(lock, a.logbook)) return rc;
  Logbook lb;
  std::string error;
  if (!prepare(a, lb, error)) return fail(error);
  const int number = lb.dives()[static_cast<size_t>(a.position - 1)].diveNumber;
  if (!enabled(lb, cmd::SplitDive)) return fail(splitRefusedMessage(number));
  return finish(lb, a.logbook, splitDive(lb, a.position, a.minute), splitDoneMessage(number));
}

int cmdMerge(const Args& a) {
  LogbookLock lock;
  if (int rc = lockForChange(lock, a.logbook)) return rc;
  Logbook lb;
  std::string error;
  if (!prepare(a, lb, error)) return fail(error);
  const int first = lb.dives()[static_cast<size_t>(a.position - 1)].diveNumber;
  const int second = a.position < lb.diveCount() ? lb.dives()[static_cast<size_t>(a.position)].diveNumber : 0;
  if (!enabled(lb, cmd::MergeDive)) return fail(mergeRefusedMessage(first, second));
  return finish(lb, a.logbook, mergeDives(lb, a.position), mergeDoneMessage(first, second));
}

std::shared_ptr<Args> logbookAndPosition(CLI::App& cmd) {
  auto a = std::make_shared<Args>();
  cmd.add_option("LOGBOOK", a->logbook, "logbook file (.log)")->required();
  cmd.add_option("POSITION", a->position, "1-based position of the dive in the logbook")
      ->required()
      ->check(number(1, MAX_DIVES, "a dive position"));
  return a;
}

Run setupDraftProfile(CLI::App& cmd) {
  auto a = logbookAndPosition(cmd);
  return [a] { return cmdDraftProfile(*a); };
}

Run setupSplit(CLI::App& cmd) {
  auto a = logbookAndPosition(cmd);
  cmd.add_option("--minute", a->minute, "the minute at which the second dive begins")
      ->required()
      ->check(number(0, 32767, "a minute"));
  return [a] { return cmdSplit(*a); };
}

Run setupMerge(CLI::App& cmd) {
  auto a = logbookAndPosition(cmd);
  return [a] { return cmdMerge(*a); };
}

}  // namespace

REGISTER_CLI_COMMAND({"draft-profile", "draft-profile LOGBOOK POSITION",
                      "give the dive a hand-made profile drawn from its maximum depth and dive time, and save",
                      setupDraftProfile});
REGISTER_CLI_COMMAND({"split", "split LOGBOOK POSITION --minute M",
                      "split the dive into two at minute M, where the diver was at the surface, and save", setupSplit});
REGISTER_CLI_COMMAND({"merge", "merge LOGBOOK POSITION", "merge the dive with the next one and save", setupMerge});

}  // namespace kelp::cli
