// kelp-cli: a command-line front of the logbook's domain layer.
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <map>

#include "cli/cli.h"
#include "core/language.h"
#include "core/settings.h"
#include "core/version.h"

namespace kelp::cli {

static std::map<std::string, Command>& registry() {
  static std::map<std::string, Command> r;
  return r;
}

bool registerCommand(Command c) {
  std::string name = c.name;
  registry()[name] = std::move(c);
  return true;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "kelp-cli: %s\n", message.c_str());
  return 1;
}

static bool digitsOnly(const std::string& s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

CLI::Validator number(long long min, long long max, const std::string& what) {
  const std::string range = " from " + std::to_string(min) + " to " + std::to_string(max);
  return CLI::Validator(
      [min, max, what, range](std::string& s) -> std::string {
        bool ok = digitsOnly(s);
        if (ok) {
          const size_t lead = std::min(s.find_first_not_of('0'), s.size() - 1);
          ok = s.size() - lead <= 18;  // beyond any limit a command sets, and no overflow
          if (ok) {
            const long long v = std::stoll(s.substr(lead));
            ok = v >= min && v <= max;
          }
        }
        return ok ? std::string() : s + " is not " + what + range;
      },
      "", "number");
}

CLI::Validator accepted(const std::string& what, std::function<bool(const std::string&)> ok) {
  return CLI::Validator(
      [what, ok](std::string& s) -> std::string { return ok(s) ? std::string() : s + " is not " + what; },
      "", "accepted");
}

static constexpr size_t kUsageColumn = 38;

static void usage(std::FILE* to) {
  std::fprintf(to,
               "usage: kelp-cli COMMAND [ARGS] [--imperial|--metric] [--lang it|en]\n"
               "       kelp-cli COMMAND --help\n"
               "       kelp-cli --version\n\ncommands:\n");
  for (const auto& [name, c] : registry()) {
    std::string line = "  " + c.usage;
    if (!c.summary.empty()) {
      if (c.usage.size() < kUsageColumn)
        line += std::string(kUsageColumn - c.usage.size(), ' ');
      else
        line += "\n  " + std::string(kUsageColumn, ' ');
      line += ' ' + c.summary;
    }
    std::fprintf(to, "%s\n", line.c_str());
  }
}

// A refused command line: the parser's message, then the command's usage line.
static int refuse(const CLI::App& app, const std::string& message) {
  const auto chosen = app.get_subcommands();
  if (chosen.empty()) {
    fail(message);
    usage(stderr);
    return 1;
  }
  const std::string name = chosen.front()->get_name();
  fail(name + ": " + message);
  std::fprintf(stderr, "usage: kelp-cli %s\n(kelp-cli %s --help tells more)\n",
               registry()[name].usage.c_str(), name.c_str());
  return 1;
}

// --imperial and --metric, accepted before the command and after it.
static void addUnitFlags(CLI::App& app) {
  CLI::Option* imperial = app.add_flag_callback(
      "--imperial", [] { settings().unitsMetric = 0; }, "imperial units for this call");
  CLI::Option* metric = app.add_flag_callback(
      "--metric", [] { settings().unitsMetric = 1; }, "metric units for this call");
  imperial->excludes(metric);
}

// Takes "--lang CODE" and "--lang=CODE" out of the arguments, wherever they stand; false
// (with the message) when a value is missing or names no language of the program.
static bool takeLanguageChoice(std::vector<std::string>& args, std::string& code, std::string& error) {
  for (size_t i = 0; i < args.size();) {
    std::string value;
    if (args[i] == "--lang") {
      if (i + 1 >= args.size()) {
        error = "--lang needs a language: it or en";
        return false;
      }
      value = args[i + 1];
      args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    } else if (args[i].rfind("--lang=", 0) == 0) {
      value = args[i].substr(7);
      args.erase(args.begin() + static_cast<long>(i));
    } else {
      ++i;
      continue;
    }
    if (!languageFromCode(value)) {
      error = "--lang: " + value + " is not a language of the program (it, en)";
      return false;
    }
    code = value;
  }
  return true;
}

}  // namespace kelp::cli

int main(int argc, char** argv) {
  using namespace kelp::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  // The language first: every text the call prints follows it.
  std::string langCode, langError;
  const bool langOk = takeLanguageChoice(args, langCode, langError);
  kelp::setLanguage(kelp::languageFromEnvironment(langCode));
  if (!langOk) {
    usage(stderr);
    return fail(langError);
  }
  if (args.empty()) {
    usage(stderr);
    return 2;
  }
  if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
    if (args.size() == 1) {
      usage(stdout);
      return 0;
    }
    // "help COMMAND" is "COMMAND --help"
    if (args.size() > 2) {
      usage(stderr);
      return fail("help takes one command name");
    }
    args = {args[1], "--help"};
  }
  if (args[0].rfind("-", 0) != 0 && !registry().count(args[0])) {
    usage(stderr);
    return fail("unknown command: " + args[0]);
  }
  if (args[0].rfind("-", 0) == 0 && args[0] != "--version" && args[0] != "--imperial" && args[0] != "--metric") {
    usage(stderr);
    return fail("unknown option: " + args[0]);
  }
  // Run under the user's locale as the main window does, so that every command prints
  // what the program shows (numbers keep their '.' whatever the locale says).
  std::setlocale(LC_ALL, "");
  kelp::loadAllSettings();

  CLI::App app{"Works on Kelp logbook files from the command line.", "kelp-cli"};
  app.set_version_flag("--version", std::string("kelp-cli (") + kelp::kProductName + ") " + kelp::kVersionText);
  app.require_subcommand(1, 1);
  addUnitFlags(app);
  std::map<std::string, Run> runs;
  for (auto& [name, c] : registry()) {
    CLI::App* sub = app.add_subcommand(name, c.summary);
    addUnitFlags(*sub);
    runs[name] = c.setup(*sub);
  }
  try {
    std::reverse(args.begin(), args.end());  // CLI11 takes the arguments back to front
    app.parse(args);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);  // --help, --version
    return refuse(app, e.what());
  }
  try {
    return runs.at(app.get_subcommands().front()->get_name())();
  } catch (const std::exception& e) {
    return fail(e.what());
  }
}
