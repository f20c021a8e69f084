// kelp-cli find, replace and select on a small hand-made logbook and a demo logbook.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/demo_logbook.h"
#include "core/logbook.h"
#include "core/texts.h"
#include "profile/search.h"
#include "tests/cli/cli_test_support.h"

namespace fs = std::filesystem;
using namespace kelp;
using namespace kelp::test;

namespace {

class SearchCli : public CliTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(CliTest::SetUp());
    small = (dir / "small.log").string();
    std::vector<DiveRecord> dives;
    struct Entry { const char* location; const char* site; const char* buddies; int depth; int activity; };
    const Entry entries[] = {{"Elba", "Pomonte", "Rossi Mario, Bianchi", 1800, 4},
                          {"Giglio", "Capel Rosso", "Anna", 3200, 10},
                          {"Isola d'Elba", "Enfola", "Marco, Anna", 2300, 9},
                          {"Elba", "Fetovaia", "Mario, Jürgen", 4100, -1}};
    int day = 0;
    for (const Entry& s : entries) {
      DiveRecord r = makeRecord();
      r.date = dayNumber(10, 5, 2005) + day++;
      parseText(r.location, s.location);
      parseText(r.site, s.site);
      parseText(r.buddies, s.buddies);
      r.maxDepth = static_cast<int16_t>(s.depth);
      r.diveTime = 45;
      if (s.activity >= 0) r.activityFlags = static_cast<uint16_t>(1u << s.activity);
      dives.push_back(r);
    }
    Logbook lb;
    lb.assignDives(std::move(dives));
    lb.renumber(1);
    ASSERT_TRUE(lb.saveFile(small).ok);
  }
  std::string small;
};

}  // namespace

TEST_F(SearchCli, FindPrintsTheListLineOfEveryDiveTheDialogsTestTakes) {
  const std::string demo = (dir / "demo.log").string();
  ASSERT_EQ(run({"demo", demo, "--dives", "150"}).code, 0);
  Logbook lb;
  ASSERT_TRUE(lb.loadFile(demo).ok);
  const std::string buddy = storedToUtf8(getText(lb.dives()[7].buddies)).substr(0, 5);
  const std::string location = storedToUtf8(getText(lb.dives()[3].location));
  struct Case { std::vector<std::string> args; LastSearch search; };
  const Case cases[] = {{{"--buddy", buddy}, makeSearch(kFindBuddies, 0, buddy)},
                        {{"--location", location}, makeSearch(kFindLocation, 0, location)},
                        {{"--activity", "4"}, makeSearch(kFindActivity, 4, "")},
                        {{"--activity", "12"}, makeSearch(kFindActivity, 12, "")}};
  for (const Case& c : cases) {
    std::string expected;
    for (const DiveRecord& r : lb.dives())
      if (diveMatchesSearch(r, c.search)) expected += diveListLine(r) + '\n';
    std::vector<std::string> args = {"find", demo};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun r = run(args);
    if (expected.empty()) {
      EXPECT_EQ(r.code, 1) << c.args[0];
      continue;
    }
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, expected) << c.args[0];
  }
}

TEST_F(SearchCli, FindWithoutAMatchSaysSoLikeTheDialog) {
  CliRun r = run({"find", small, "--location", "Elb"});
  EXPECT_EQ(r.code, 1);
  EXPECT_TRUE(r.out.empty());
  EXPECT_NE(r.err.find("Cerca testo ´Elb´ Non trovato"), std::string::npos) << r.err;
  r = run({"find", small, "--activity", "6"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("Attività non trovata"), std::string::npos) << r.err;
  // "In corrente" finds the dive in a current, "In fiume" the river dive.
  r = run({"find", small, "--activity", "9"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out.substr(2, 5), "00002");
  r = run({"find", small, "--activity", "10"});
  EXPECT_EQ(r.out.substr(2, 5), "00003");
  EXPECT_NE(run({"find", small}).code, 0);
  EXPECT_NE(run({"find", small, "--site", "x", "--buddy", "y"}).code, 0);
}

TEST_F(SearchCli, ReplacePrintsTheDialogsRowsThenReplacesAndSaves) {
  const std::string logBefore = readFile(small);
  const std::string addBefore = readFile(dir / "small.add");
  CliRun r = run({"replace", small, "--field", "buddies", "--old", "Mario,", "--new", "Luigi,", "--dry-run"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "00001\tRossi Mario, Bianchi\n->\tRossi Luigi,Bianchi\n00004\tMario, Jürgen\n->\tLuigi,Jürgen\n");
  EXPECT_EQ(readFile(small), logBefore);
  EXPECT_EQ(readFile(dir / "small.add"), addBefore);

  // Without a new text the rows are listed and nothing is replaced.
  r = run({"replace", small, "--field", "buddies", "--old", "Mario,", "--new", ""});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "00001\tRossi Mario, Bianchi\n00004\tMario, Jürgen\n");
  EXPECT_EQ(readFile(small), logBefore);

  r = run({"replace", small, "--field", "location", "--old", "Elba", "--new", "Isola d'Elba"});
  EXPECT_EQ(r.code, 0) << r.err;
  Logbook lb;
  ASSERT_TRUE(lb.loadFile(small).ok);
  EXPECT_EQ(getText(lb.dives()[0].location), "Isola d'Elba");
  EXPECT_EQ(getText(lb.dives()[1].location), "Giglio");
  EXPECT_EQ(getText(lb.dives()[2].location), "Isola d'Isola d'Elba");
  EXPECT_NE(readFile(dir / "small.add"), "");

  EXPECT_NE(run({"replace", small, "--field", "weather", "--old", "a", "--new", "b"}).code, 0);
  EXPECT_NE(run({"replace", small, "--field", "site", "--old", "", "--new", "b"}).code, 0);
}

TEST_F(SearchCli, SelectPrintsRowsAndCountAndWritesTheFoundDives) {
  CliRun r = run({"select", small, "--location", "Elba", "--depth-from", "20"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "00004\t13.05.05\tElba, Fetovaia\nCalcola immersioni: 1\n");
  r = run({"select", small, "--location", "Elba", "--depth-from", "20", "--or"});
  EXPECT_EQ(r.out.substr(r.out.rfind("Calcola")), "Calcola immersioni: 4\n");
  r = run({"select", small, "--depth-from", "60", "--depth-to", "110", "--imperial"});
  EXPECT_EQ(r.out, "00002\t11.05.05\tGiglio, Capel Rosso\n00003\t12.05.05\tIsola d´Elba, Enfola\n"
                   "Calcola immersioni: 2\n");
  r = run({"select", small, "--activity-bit", "4", "--activity-bit", "10", "--or"});
  EXPECT_EQ(r.out.substr(r.out.rfind("Calcola")), "Calcola immersioni: 2\n");
  r = run({"select", small});
  EXPECT_EQ(r.out, "Calcola immersioni: 0\n");

  const std::string out = (dir / "found.log").string();
  r = run({"select", small, "--buddy", "Anna", "--into", out});
  EXPECT_EQ(r.code, 0) << r.err;
  Logbook lb, found;
  ASSERT_TRUE(lb.loadFile(small).ok);
  ASSERT_TRUE(found.loadFile(out).ok);
  Logbook expected;
  expected.assignDives({lb.get(2), lb.get(3)});
  EXPECT_EQ(readFile(out), expected.serializeLog());
  EXPECT_EQ(readFile(dir / "found.add"), expected.serializeAdd());
}

TEST_F(SearchCli, SelectIntoRefusesTheInputLogbookAndWritesNothingWithoutAMatch) {
  const std::string before = readFile(small);
  for (const std::string& target : {small, (dir / "small").string(), (dir / "small.add").string()}) {
    const CliRun r = run({"select", small, "--location", "Elba", "--into", target});
    EXPECT_EQ(r.code, 1) << target;
    EXPECT_NE(r.err.find("logbook aperto"), std::string::npos) << r.err;
  }
  EXPECT_EQ(readFile(small), before);
  const CliRun r = run({"select", small, "--location", "Capri", "--into", (dir / "none.log").string()});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("Non ho trovato immersioni relative"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir / "none.log"));
  EXPECT_NE(run({"select", small, "--date-from", "ieri"}).code, 0);
  EXPECT_NE(run({"select", small, "--type-bit", "12"}).code, 0);
}
