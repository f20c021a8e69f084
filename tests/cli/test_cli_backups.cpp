// kelp-cli on one logbook from two writers at once, and the kept versions brought back.
#include <gtest/gtest.h>

#include <string>

#include "core/demo_logbook.h"
#include "core/dive_record.h"
#include "core/logbook.h"
#include "core/logbook_lock.h"
#include "core/texts.h"
#include "tests/cli/cli_test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {

class CliBackups : public CliTest {};

std::string locationAt(const Logbook& lb, int number) {
  const int p = lb.positionOfNumber(number);
  return p > 0 ? getText(lb.dives()[static_cast<size_t>(p - 1)].location) : "(none)";
}

TEST_F(CliBackups, TwoFillsStartedTogetherBothKeepTheirChange) {
  const std::string log = file("mare.log");
  // Large enough that each run's load and save take a while, so the two overlap.
  ASSERT_TRUE(makeDemoLogbook(4000, 7).saveFile(log));
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const std::string a = "Uno" + std::to_string(round), b = "Due" + std::to_string(round);
    const std::string cmd =
        "(" + commandLine(KELP_CLI_PATH, {"fill", log, "--first", "1", "--last", "5", "--location", a}) +
        " >/dev/null 2>" + shellWord(file("a.err")) + "; echo $? >" + shellWord(file("a.rc")) + ") & (" +
        commandLine(KELP_CLI_PATH, {"fill", log, "--first", "10", "--last", "15", "--location", b}) +
        " >/dev/null 2>" + shellWord(file("b.err")) + "; echo $? >" + shellWord(file("b.rc")) + ") & wait";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_EQ(readFile(dir / "a.rc"), "0\n") << readFile(dir / "a.err");
    EXPECT_EQ(readFile(dir / "b.rc"), "0\n") << readFile(dir / "b.err");
    Logbook lb;
    ASSERT_TRUE(lb.loadFile(log));
    for (int n : {1, 5}) EXPECT_EQ(locationAt(lb, n), a);
    for (int n : {10, 15}) EXPECT_EQ(locationAt(lb, n), b);
  }
}

TEST_F(CliBackups, AWriterThatFindsTheLogbookLockedGivesUpAndChangesNothing) {
  const std::string log = file("mare.log");
  ASSERT_TRUE(makeDemoLogbook(20, 2).saveFile(log));
  const std::string before = readFile(log);
  LogbookLock held;
  ASSERT_TRUE(held.acquire(log, 0));
  const CliRun r = run({"fill", log, "--first", "1", "--last", "3", "--location", "Altrove"}, "KELP_LOCK_WAIT_MS=300");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("mare.log"), std::string::npos) << r.err;
  EXPECT_EQ(readFile(log), before);
  // A command that only reads does not wait.
  EXPECT_EQ(run({"info", log}, "KELP_LOCK_WAIT_MS=0").code, 0);
}

TEST_F(CliBackups, BackupsListsTheReplacedVersionsAndRestoreBringsOneBack) {
  const std::string log = file("mare.log");
  ASSERT_EQ(run({"demo", log, "--dives", "12"}).code, 0);
  const std::string original = readFile(log), originalAdd = readFile(file("mare.add"));
  CliRun r = run({"backups", log});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "");
  ASSERT_EQ(run({"fill", log, "--first", "1", "--last", "12", "--location", "Nuova"}).code, 0);

  r = run({"backups", log});
  ASSERT_EQ(r.code, 0);
  // "1<TAB>yyyy-mm-dd hh:mm:ss<TAB>12<TAB>name"
  ASSERT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
  EXPECT_EQ(r.out.substr(0, 2), "1\t");
  EXPECT_EQ(r.out.substr(21, 4), "\t12\t") << r.out;
  const std::string name = r.out.substr(25, r.out.size() - 26);
  EXPECT_EQ(name.substr(0, 5), "mare.");

  r = run({"restore", log, name});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "12\n");
  EXPECT_EQ(readFile(log), original);
  EXPECT_EQ(readFile(file("mare.add")), originalAdd);
  r = run({"backups", log});
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out;

  r = run({"restore", log, "7"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("7"), std::string::npos);
  EXPECT_EQ(readFile(log), original);
}

}  // namespace
