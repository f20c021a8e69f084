#pragma once
// The command-line tests: kelp-cli (or another program) run through the shell with its words
// quoted, what it printed and the status it ended with, in a scratch folder of each test whose
// "config" folder is KELP_CONFIG_DIR and whose "data" folder (where saves keep their backups)
// is KELP_DATA_DIR.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace kelp::test {

// What a program printed on its two outputs, and its exit status (-1 when it did not exit).
struct CliRun {
  int code = -1;
  std::string out, err;
};

// A word for the shell: in single quotes, a quote inside written '\''.
inline std::string shellWord(const std::string& word) {
  std::string q = "'";
  for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// The shell command that runs `program` with `args`.
inline std::string commandLine(const std::string& program, const std::vector<std::string>& args) {
  std::string cmd = shellWord(program);
  for (const std::string& a : args) cmd += " " + shellWord(a);
  return cmd;
}

// Runs `program` with `args`, `env` (assignments such as "LC_ALL=de_DE.UTF-8") in front; its
// outputs are caught in two files of `dir`.
inline CliRun runProgram(const std::filesystem::path& dir, const std::string& program,
                         const std::vector<std::string>& args, const std::string& env = "") {
  const std::filesystem::path out = dir / "cli.stdout", err = dir / "cli.stderr";
  const std::string cmd = (env.empty() ? "" : env + " ") + commandLine(program, args) + " >" +
                          shellWord(out.string()) + " 2>" + shellWord(err.string());
  CliRun r;
  const int status = std::system(cmd.c_str());
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = readFile(out);
  r.err = readFile(err);
  return r;
}

// The fixture of the command-line tests. A fixture built on it that sets up more starts its
// SetUp() with ASSERT_NO_FATAL_FAILURE(CliTest::SetUp()).
class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir.empty()) << "no scratch folder";
    std::filesystem::create_directories(dir / "config");
    setenv("KELP_CONFIG_DIR", (dir / "config").c_str(), 1);
    setenv("KELP_DATA_DIR", (dir / "data").c_str(), 1);
  }

  // kelp-cli with `args` (and `env` in front).
  CliRun run(const std::vector<std::string>& args, const std::string& env = "") {
    return runProgram(dir, KELP_CLI_PATH, args, env);
  }
  std::string file(const std::string& name) const { return (dir / name).string(); }

  ScratchDir scratch{"kelp-cli"};
  const std::filesystem::path dir = scratch.path();
};

// The same for tests that take run()'s exit status and read what kelp-cli printed in `out`
// and `err`.
class CliStatusTest : public CliTest {
 protected:
  int run(const std::vector<std::string>& args) {
    const CliRun r = CliTest::run(args);
    out = r.out;
    err = r.err;
    return r.code;
  }

  std::string out, err;
};

}  // namespace kelp::test
