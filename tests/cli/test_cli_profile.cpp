// kelp-cli draft-profile, split, merge and show --samples on logbooks built byte by byte:
// what they print, what they save, and that a refusal saves nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "../profile/profile_test_util.h"
#include "core/logbook.h"
#include "tests/cli/cli_test_support.h"

namespace fs = std::filesystem;
using namespace kelp;
using namespace kelp::test;
using namespace testutil;

namespace {

class CliProfile : public CliTest {
 protected:
  std::string log;

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(CliTest::SetUp());
    log = (dir / "dives.log").string();
    // 1: two dives in one profile; 2: a dive without profile (10 m, 30 min);
    // 3 and 4: a pair 30 minutes apart.
    DiveRecord a = diveWithReadings(kAirModel, minutesAt(10, 10) + minutesAt(5, 0) + minutesAt(10, 12), 0x20);
    a.date = 150000;
    DiveRecord plain = makeRecord();
    plain.date = 150001;
    plain.timeOfDay = 600;
    plain.maxDepth = 1000;
    plain.diveTime = 30;
    DiveRecord c = diveWithReadings(kAirModel, minutesAt(5, 10));
    DiveRecord d = diveWithReadings(kAirModel, minutesAt(4, 12));
    c.date = d.date = 150002;
    d.timeOfDay = 700;
    d.surfaceInterval = 30;
    Logbook lb;
    lb.newLogbook();
    for (const DiveRecord& r : {a, plain, c, d}) ASSERT_TRUE(lb.insert(r).ok);
    ASSERT_TRUE(lb.saveFile(log).ok);
  }
  nlohmann::json show(int position) {
    const CliRun r = run({"show", log, std::to_string(position), "--json", "--samples"});
    EXPECT_EQ(r.code, 0) << r.err;
    return nlohmann::json::parse(r.out);
  }
  // The refusal: its message on stderr, status 1, nothing saved.
  void expectRefused(const std::vector<std::string>& args, const std::string& message) {
    const std::string before = readFile(log) + readFile(dir / "dives.add");
    const CliRun r = run(args);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "kelp-cli: " + message + "\n");
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(readFile(log) + readFile(dir / "dives.add") == before);
  }
};

}  // namespace

TEST_F(CliProfile, SplitAtTheSurfaceMinuteOrRefuse) {
  expectRefused({"split", log, "1", "--minute", "5"}, "Non posso separare le imm #1");   // 10 m down
  expectRefused({"split", log, "2", "--minute", "5"}, "Non posso separare le imm #2");   // no profile
  expectRefused({"split", log, "1", "--minute", "0"}, "Non posso separare le imm #1");
  const CliRun r = run({"split", log, "1", "--minute", "12"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "Le imm #1\nsono divise\n");
  const auto first = show(1), second = show(2);
  EXPECT_EQ(first["diveTime"], "00:12");
  EXPECT_EQ(second["timeOfDay"], "10:17");
  EXPECT_EQ(second["surfaceInterval"], "00:05");
  EXPECT_EQ(second["samples"][1]["depth"], 12.03125);
  EXPECT_EQ(second["samples"][30]["depth"], 12.03125);
  EXPECT_EQ(second["samples"][0]["depth"], 1.3);
  EXPECT_EQ(show(3)["diveNumber"], "3");
}

TEST_F(CliProfile, MergeTheNextDiveOrRefuse) {
  expectRefused({"merge", log, "1"}, "Non posso unire imm #1 and #2");  // the next dive has no profile
  expectRefused({"merge", log, "4"}, "Non posso unire imm #4 and #0");  // the last dive
  const CliRun r = run({"merge", log, "3"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "Dive #3 and #4\n are merged\n");
  const auto merged = show(3);
  EXPECT_EQ(merged["diveTime"], "00:09");
  EXPECT_EQ(merged["samples"][18]["depth"], 1.25);  // the reading between the dives
  EXPECT_EQ(merged["samples"][19]["depth"], 12.03125);
  EXPECT_EQ(run({"info", log}).out.find("Numero tot: 3\n") != std::string::npos, true);
}

TEST_F(CliProfile, DraftProfileStoresAHandMadeProfileOnlyWhereTheWindowWould) {
  expectRefused({"draft-profile", log, "1"}, "Non posso creare il profilo dell'imm #1");  // a computer's profile
  const CliRun r = run({"draft-profile", log, "2"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "");
  const auto d = show(2);
  EXPECT_EQ(d["profileKind"], "Profilo manuale");
  ASSERT_EQ(d["samples"].size(), 97u);  // the 93 draft samples and the minute of zero readings
  EXPECT_EQ(d["samples"][3]["depth"], 10.0);
  EXPECT_EQ(d["samples"][3]["flags"], 0x20);
  EXPECT_EQ(d["samples"][92]["depth"], 0.0);
  // A second run keeps the drawn samples where they are.
  const std::string once = readFile(log);
  ASSERT_EQ(run({"draft-profile", log, "2"}).code, 0);
  EXPECT_TRUE(readFile(log) == once);
  EXPECT_EQ(run({"draft-profile", log, "9"}).code, 1);
}
