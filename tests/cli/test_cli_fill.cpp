// kelp-cli fill: the fill template from the command line, applied and saved.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/logbook.h"
#include "core/texts.h"
#include "tests/cli/cli_test_support.h"

namespace fs = std::filesystem;
using namespace kelp;
using namespace kelp::test;

namespace {

class CliFill : public CliStatusTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(CliTest::SetUp());
    logbook = (dir / "demo.log").string();
    ASSERT_EQ(run({"demo", logbook, "--dives", "12"}), 0) << err;
  }

  Logbook load() {
    Logbook lb;
    EXPECT_TRUE(lb.loadFile(logbook));
    return lb;
  }

  std::string logbook;
};

}  // namespace

TEST_F(CliFill, FillsTheNumberRangeAndSaves) {
  const Logbook before = load();
  const int first = before.get(3).diveNumber, last = before.get(5).diveNumber;
  ASSERT_EQ(run({"fill", logbook, "--first", std::to_string(first), "--last", std::to_string(last),
                 "--location", "Isola d'Elba", "--buddies", "Anna, Bruno", "--water", "fresh",
                 "--scr", "--activity-bit", "4", "--activity-bit", "8", "--tank", "12"}),
            0)
      << err;
  EXPECT_EQ(out, "3\n");
  const Logbook after = load();
  ASSERT_EQ(after.diveCount(), before.diveCount());
  for (int p = 1; p <= after.diveCount(); ++p) {
    const DiveRecord& a = after.dives()[p - 1];
    const DiveRecord& b = before.dives()[p - 1];
    if (p < 3 || p > 5) {
      EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << p;
      continue;
    }
    EXPECT_EQ(storedToUtf8(getText(a.location)), "Isola d´Elba");
    EXPECT_EQ(getText(a.buddies), "Anna, Bruno");
    EXPECT_EQ(waterKind(a), 0);
    EXPECT_TRUE(isScr(a));
    EXPECT_EQ(a.activityFlags, b.activityFlags | 0x0110);
    EXPECT_EQ(a.tankSize, 1200);
    EXPECT_EQ(noStopOrDeco(a), noStopOrDeco(b));  // not chosen: left as it was
    EXPECT_EQ(getText(a.site), getText(b.site));
  }
}

TEST_F(CliFill, ImperialEntriesAndRefusals) {
  const int n = load().get(1).diveNumber;
  ASSERT_EQ(run({"fill", logbook, "--first", std::to_string(n), "--last", std::to_string(n), "--tank", "70",
                 "--air-temp", "68", "--imperial"}),
            0)
      << err;
  EXPECT_EQ(load().get(1).tankSize, 1000);
  EXPECT_EQ(load().get(1).airTemperature, 2000);

  const std::string bytes = readFile(logbook);
  EXPECT_EQ(run({"fill", logbook, "--first", "0", "--last", "5", "--site", "X"}), 1);
  EXPECT_NE(err.find("Inserisci imm"), std::string::npos) << err;
  EXPECT_EQ(run({"fill", logbook, "--first", "1", "--last", "5", "--water", "salt"}), 1);
  EXPECT_NE(err.find("--water"), std::string::npos) << err;
  EXPECT_EQ(run({"fill", logbook, "--first", "1", "--site", "X"}), 1);
  EXPECT_NE(err.find("usage"), std::string::npos) << err;
  EXPECT_EQ(run({"fill", logbook, "--first", "1", "--last", "2", "--colour", "red"}), 1);
  EXPECT_EQ(readFile(logbook), bytes);
}
