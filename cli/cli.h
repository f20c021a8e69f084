#pragma once
// kelp-cli: each area keeps its commands in its own file under cli/ and registers them with
// the dispatcher (main.cpp) on the command-line parser CLI11.
//
// Adding a command, in cli/<area>_commands.cpp:
//
//   Run setupFoo(CLI::App& cmd) {
//     auto a = std::make_shared<FooArgs>();              // the parsed values live here
//     cmd.add_option("LOGBOOK", a->logbook, "logbook file")->required();
//     cmd.add_option("--first", a->first, "first dive number")->check(number(1, 99999, "a dive number"));
//     cmd.add_flag("--tab", a->tab, "separate with tabs");
//     return [a] { return runFoo(*a); };                 // runs after a successful parse
//   }
//   REGISTER_CLI_COMMAND({"foo", "foo LOGBOOK [--first N] [--tab]", "what it does", setupFoo});
//
// The parser refuses unknown options, surplus arguments, missing required ones and values the
// checks reject, and answers "foo --help"; --imperial and --metric are added to every command.
// The returned work gives the exit status: 0 or, through fail(), 1. Document the command in
// README.md's kelp-cli table with the same usage line; tests/cli checks that the usage line
// names exactly the command's options and that the README has a row for it.
#include <CLI/CLI.hpp>

#include <functional>
#include <string>

#include "core/logbook.h"
#include "core/logbook_lock.h"

namespace kelp::cli {

// The command's work after its arguments were parsed; returns the exit status.
using Run = std::function<int()>;

struct Command {
  std::string name;     // "show"
  std::string usage;    // "show LOGBOOK POSITION [--json]": shown by "kelp-cli help" and on errors
  std::string summary;  // one line on what it does
  // Declares the command's options and positionals on its subcommand and returns its work.
  std::function<Run(CLI::App&)> setup;
};

// Registers a command (call from a static initialiser, see REGISTER_CLI_COMMAND).
bool registerCommand(Command c);

// Prints "kelp-cli: message" to stderr and returns 1.
int fail(const std::string& message);

// A command that changes a logbook takes the logbook's writer lock (core/logbook_lock.h) before
// it loads it and keeps it until it returns, so that a second writer waits instead of saving
// over the first one's change: `if (int rc = lockForChange(lock, path)) return rc;`. Returns 0,
// or fail()'s 1 with the message when another writer kept the logbook the whole wait.
int lockForChange(LogbookLock& lock, const std::string& logbook);
// Prints the warning of a save that succeeded with a flaw (the replaced version not kept) on
// standard error as "kelp-cli: warning: ..."; nothing when there is none.
void warnAbout(const Result& r);

// Checks for values, for ->check(): a whole number without sign from min to max, refused as
// "VALUE is not <what> from MIN to MAX" ...
CLI::Validator number(long long min, long long max, const std::string& what = "a whole number");
// ... and a text the predicate accepts, refused as "VALUE is not <what>".
CLI::Validator accepted(const std::string& what, std::function<bool(const std::string&)> ok);

}  // namespace kelp::cli

#define KELP_CLI_CAT2(a, b) a##b
#define KELP_CLI_CAT(a, b) KELP_CLI_CAT2(a, b)
#define REGISTER_CLI_COMMAND(...) \
  static const bool KELP_CLI_CAT(kelp_cli_reg_, __LINE__) = ::kelp::cli::registerCommand(__VA_ARGS__)
