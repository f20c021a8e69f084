// kelp-cli: a command-line front of the logbook's domain layer.
#include <clocale>
#include <cstdio>
#include <iostream>
#include <map>

#include "cli/cli.h"
#include "core/settings.h"

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

bool hasFlag(const Args& a, const std::string& flag) {
  for (const auto& s : a)
    if (s == flag) return true;
  return false;
}

std::string optionValue(const Args& a, const std::string& name, const std::string& def) {
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] == name && i + 1 < a.size()) return a[i + 1];
    if (a[i].rfind(name + "=", 0) == 0) return a[i].substr(name.size() + 1);
  }
  return def;
}

Args positionals(const Args& a, const std::vector<std::string>& valueOptions) {
  Args out;
  for (size_t i = 0; i < a.size(); ++i) {
    const std::string& s = a[i];
    if (s.size() > 2 && s.rfind("--", 0) == 0) {
      for (const auto& v : valueOptions)
        if (s == v) { ++i; break; }
      continue;
    }
    out.push_back(s);
  }
  return out;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "kelp-cli: %s\n", message.c_str());
  return 1;
}

static void usage(std::FILE* to) {
  std::fprintf(to, "usage: kelp-cli COMMAND [ARGS] [--imperial|--metric]\n\ncommands:\n");
  for (const auto& [name, c] : registry()) std::fprintf(to, "  %s\n", c.usage.c_str());
}

}  // namespace kelp::cli

int main(int argc, char** argv) {
  using namespace kelp::cli;
  if (argc < 2 || std::string(argv[1]) == "help" || std::string(argv[1]) == "--help") {
    usage(argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  // Run under the user's locale as the main window does, so that every command prints
  // what the program shows (numbers keep their '.' whatever the locale says).
  std::setlocale(LC_ALL, "");
  Args args(argv + 2, argv + argc);
  kelp::loadAllSettings();
  if (hasFlag(args, "--imperial")) kelp::settings().unitsMetric = 0;
  if (hasFlag(args, "--metric")) kelp::settings().unitsMetric = 1;
  auto it = registry().find(argv[1]);
  if (it == registry().end()) {
    usage(stderr);
    return fail(std::string("unknown command: ") + argv[1]);
  }
  try {
    return it->second.run(args);
  } catch (const std::exception& e) {
    return fail(e.what());
  }
}
