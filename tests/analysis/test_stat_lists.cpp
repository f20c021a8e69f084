// Location, buddy and suit description lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/stat_lists.h"
#include "core/logbook.h"
#include "core/texts.h"
#include "tests/test_support.h"

using namespace kelp;
using kelp::test::newLogbookWith;

namespace {

DiveRecord dive(int year, const std::string& location, const std::string& site, const std::string& buddies) {
  DiveRecord r = makeRecord();
  r.date = dayNumber(1, 6, year);
  setText(r.location, location);
  setText(r.site, site);
  setText(r.buddies, buddies);
  return r;
}

}  // namespace

TEST(LocationStatistics, CountsDivesPerLocationAndSite) {
  const Logbook lb = newLogbookWith({dive(2020, "Garda", "Punta", ""), dive(2020, "Garda", "Ponte", ""),
                              dive(2021, "Garda", "Punta", ""), dive(2021, "Elba", "", ""),
                              dive(2021, "", "Nowhere", "")});
  const StatList all = locationStatistics(lb, 0, 0);
  ASSERT_EQ(all.entries.size(), 2u);
  EXPECT_EQ(all.entries[0].name, "Garda");
  EXPECT_EQ(all.entries[0].count, 3);
  ASSERT_EQ(all.entries[0].sub.size(), 2u);
  EXPECT_EQ(all.entries[0].sub[0].name, "Punta");
  EXPECT_EQ(all.entries[0].sub[0].count, 2);
  EXPECT_EQ(all.entries[1].count, 1);   // a dive without a site counts for its location
  EXPECT_TRUE(all.entries[1].sub.empty());
  EXPECT_EQ(all.subTotal(), 2);
  const StatList y = locationStatistics(lb, 1, 2021);
  ASSERT_EQ(y.entries.size(), 2u);
  EXPECT_EQ(y.entries[0].count, 1);
}

TEST(LocationStatistics, KeepsAtMostFiftySitesPerLocation) {
  std::vector<DiveRecord> v;
  for (int i = 0; i < 60; ++i) v.push_back(dive(2020, "Garda", "s" + std::to_string(i), ""));
  const StatList l = locationStatistics(newLogbookWith(v), 0, 0);
  EXPECT_EQ(l.entries[0].count, 60);
  EXPECT_EQ(l.entries[0].sub.size(), 50u);
}

TEST(BuddyStatistics, TheTableGrowsPastTheDiveCount) {
  std::vector<DiveRecord> v;
  // 3 dives naming 5 buddies each: 15 names, more than dives + 10
  for (int d = 0; d < 3; ++d) {
    std::string names;
    for (int b = 0; b < 5; ++b) names += (b ? ", " : "") + std::string("B") + std::to_string(d * 5 + b);
    v.push_back(dive(2020, "Garda", "", names));
  }
  const StatList l = buddyStatistics(newLogbookWith(v), 0, 0);
  ASSERT_EQ(l.entries.size(), 15u);
  EXPECT_EQ(l.entries[14].name, "B14");
  EXPECT_EQ(l.entries[14].sub[0].name, "Garda");
}

TEST(BuddyStatistics, SeparatorsLocationsAndOneCountPerDive) {
  const Logbook lb = newLogbookWith({dive(2020, "Garda", "", "Anna; Bruno+Carla & Anna"),
                              dive(2020, "Elba", "", "Anna,Bruno"), dive(2021, "Elba", "", "Anna")});
  const StatList l = buddyStatistics(lb, 0, 0);
  ASSERT_EQ(l.entries.size(), 3u);
  EXPECT_EQ(l.entries[0].name, "Anna");
  EXPECT_EQ(l.entries[0].count, 3);  // named twice in the first dive, counted once
  ASSERT_EQ(l.entries[0].sub.size(), 2u);
  EXPECT_EQ(l.entries[0].sub[1].name, "Elba");
  EXPECT_EQ(l.entries[0].sub[1].count, 2);
  EXPECT_EQ(l.entries[2].name, "Carla");  // "Carla & Anna": the blank is no part of the name
  EXPECT_EQ(buddyStatistics(lb, 1, 2021).entries.size(), 1u);
}

TEST(StatLists, SortByNameOrCountAndMarkTheHead) {
  std::vector<NamedCount> v = {{"b", 1}, {"a", 1}, {"\x84lm", 5}, {"c", 3}};
  sortByColumn(v, 0);
  EXPECT_EQ(v[0].name, "a");
  EXPECT_EQ(v[3].name, "\x84lm");  // byte-wise: 0x84 after the ASCII letters
  sortByColumn(v, 1);
  EXPECT_EQ(v[0].count, 5);
  EXPECT_EQ(v[1].count, 3);
  EXPECT_EQ(v[2].name, "a");  // equal counts keep their order
  EXPECT_EQ(columnHead("Compagno", true), ">> Compagno");
  EXPECT_EQ(columnHead("Compagno", false), "Compagno");
}

TEST(StatLists, SuitDescriptionsCutTo27Characters) {
  DiveRecord a = dive(2020, "", "", ""), b = dive(2020, "", "", ""), c = dive(2021, "", "", "");
  setText(a.suitDescription, std::string(30, 'x'));
  setText(b.suitDescription, std::string(27, 'x') + "yyy");
  setText(c.suitDescription, "Stagna 7mm");
  const auto all = suitDescriptions(newLogbookWith({a, b, c}), 0, 0);
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].count, 2);
  EXPECT_EQ(all[0].name.size(), 27u);
  EXPECT_EQ(suitDescriptions(newLogbookWith({a, b, c}), 1, 2021).size(), 1u);
}
