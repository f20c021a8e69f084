#pragma once
// kelp-cli: each area registers its commands with the dispatcher in main.cpp.
#include <functional>
#include <string>
#include <vector>

namespace kelp::cli {

using Args = std::vector<std::string>;  // arguments after the command name, options included
using Handler = std::function<int(const Args&)>;

struct Command {
  std::string name;
  std::string usage;  // one line shown by "kelp-cli help"
  Handler run;
};

// Registers a command (call from a static initialiser, see REGISTER_CLI_COMMAND).
bool registerCommand(Command c);

// Helpers shared by the commands.
bool hasFlag(const Args& a, const std::string& flag);
// Value of "--name VALUE" (or "--name=VALUE"); def when missing.
std::string optionValue(const Args& a, const std::string& name, const std::string& def = "");
// Positional arguments (everything that is not an option or an option's value).
// Options that take a value must be listed in valueOptions.
Args positionals(const Args& a, const std::vector<std::string>& valueOptions = {});
// Prints "kelp-cli: message" to stderr and returns 1.
int fail(const std::string& message);

}  // namespace kelp::cli

#define KELP_CLI_CAT2(a, b) a##b
#define KELP_CLI_CAT(a, b) KELP_CLI_CAT2(a, b)
#define REGISTER_CLI_COMMAND(...) \
  static const bool KELP_CLI_CAT(kelp_cli_reg_, __LINE__) = ::kelp::cli::registerCommand(__VA_ARGS__)
