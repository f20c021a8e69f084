// kelp-cli stats on a hand-built logbook: the exact lines of a chart, the lists and the
// refused command lines.
#include <gtest/gtest.h>

#include <cstdlib>
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

DiveRecord dive(int d, int m, int y, int depthCm, int water, const char* location, const char* buddies) {
  DiveRecord r = makeRecord();
  r.date = dayNumber(d, m, y);
  r.maxDepth = static_cast<int16_t>(depthCm);
  r.diveTypeFlags = static_cast<uint16_t>(water);
  setText(r.location, location);
  setText(r.buddies, buddies);
  return r;
}

class CliStats : public CliTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(CliTest::SetUp());
    Logbook lb;
    lb.newLogbook();
    const int fresh = 1 << kDiveFreshWater, sea = 1 << kDiveSeaWater;
    lb.assignDives({dive(2, 5, 2022, 500, fresh, "Garda", "Anna, Bruno"),
                    dive(3, 5, 2022, 501, sea, "Elba", "Anna"),
                    dive(1, 7, 2023, 7000, 0, "Garda", "Bruno & Anna"),
                    dive(1, 1, 2030, 1299, sea, "Elba", "")});  // after "today": in no year row
    logbook = (dir / "s.log").string();
    ASSERT_TRUE(lb.saveFile(logbook));
  }
  std::string logbook;
};

}  // namespace

TEST_F(CliStats, DepthChartLinesSummariesAndScale) {
  const CliRun r = run({"stats", logbook, "depth", "--today", "15.06.2024"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "- 05 m\t1\t1\t0\t0\n"
            "- 10 m\t1\t0\t1\t0\n"
            "- 15 m\t1\t0\t1\t0\n"
            "- 20 m\t0\t0\t0\t0\n- 25 m\t0\t0\t0\t0\n- 30 m\t0\t0\t0\t0\n- 35 m\t0\t0\t0\t0\n"
            "- 40 m\t0\t0\t0\t0\n- 45 m\t0\t0\t0\t0\n- 50 m\t0\t0\t0\t0\n- 55 m\t0\t0\t0\t0\n"
            "- 60 m\t0\t0\t0\t0\n- 65 m\t0\t0\t0\t0\n"
            "> 65 m\t1\t0\t0\t1\n"
            "Totale\t93.0\t5.0\t18.0\t70.0\n"
            "Medie\t23.25\t5.00\t9.00\t70.00\n"
            "Prof. min\t5.0\t5.0\t5.0\t70.0\n"
            "Prof. max\t70.0\t5.0\t13.0\t70.0\n"
            "Scala\t10\n");
  // by index, one year, percent of that year's dives, in feet (5 m is 16.4 ft)
  const CliRun y = run({"stats", logbook, "2", "--year", "2022", "--view", "percent", "--imperial",
                     "--today", "15.06.2024"});
  ASSERT_EQ(y.code, 0) << y.err;
  EXPECT_NE(y.out.find("- 16 ft\t0.0\t0.0\t0.0\t0.0\n- 32 ft\t100.0\t50.0\t50.0\t0.0\n"), std::string::npos) << y.out;
}

TEST_F(CliStats, YearRowsEndTodayAndListsIndentTheirPlaces) {
  const CliRun r = run({"stats", logbook, "years", "--today", "15.06.2024"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, 13), "2005\t0\t0\t0\t0\n");
  EXPECT_NE(r.out.find("2022\t2\t1\t1\t0\n2023\t1\t0\t0\t1\n2024\t0\t0\t0\t0\nMedie.\t1.5\t0.5\t0.5\t0.5\nScala\t10\n"),
            std::string::npos)
      << r.out;
  const CliRun b = run({"stats", logbook, "buddies"});
  ASSERT_EQ(b.code, 0) << b.err;
  EXPECT_EQ(b.out, "Anna\t3\n\tGarda\t2\n\tElba\t1\nBruno\t2\n\tGarda\t2\nCompagni:\t2\n");
  const CliRun l = run({"stats", logbook, "locations", "--year", "2022", "--today", "15.06.2024"});
  EXPECT_EQ(l.out, "Garda\t1\nElba\t1\nLocalità:\t2\nLuoghi:\t0\n");
}

TEST_F(CliStats, RefusesWhatNoWindowOffers) {
  EXPECT_NE(run({"stats", logbook, "11"}).code, 0);
  const CliRun view = run({"stats", logbook, "depth", "--view", "air"});
  EXPECT_NE(view.code, 0);
  EXPECT_NE(view.err.find("no view air"), std::string::npos) << view.err;
  const CliRun year = run({"stats", logbook, "suit", "--year", "2019", "--today", "15.06.2024"});
  EXPECT_NE(year.code, 0);
  EXPECT_NE(year.err.find("2019 is not a year from 2022 to 2024"), std::string::npos) << year.err;
  EXPECT_NE(run({"stats", logbook, "suit", "--today", "x"}).code, 0);
  EXPECT_NE(run({"stats", (dir / "missing.log").string(), "suit"}).code, 0);
}
