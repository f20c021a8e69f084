#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/logbook.h"
#include "core/strings.h"
#include "core/texts.h"
#include "tests/test_support.h"

using namespace kelp;
using kelp::test::ScopedUtc;
using kelp::test::diveOn;

namespace {

// A logbook of n dives on consecutive days of June 2021, numbered from `first`,
// sites "s1", "s2", ...
Logbook makeLogbook(int n, int first = 1) {
  Logbook lb;
  lb.newLogbook();
  for (int i = 1; i <= n; ++i) EXPECT_TRUE(lb.insert(diveOn(i, 6, 2021, 600, "s" + std::to_string(i))));
  if (n) lb.renumber(first);
  return lb;
}

std::vector<int> numbers(const Logbook& lb) {
  std::vector<int> v;
  for (const DiveRecord& d : lb.dives()) v.push_back(d.diveNumber);
  return v;
}

std::vector<std::string> sites(const Logbook& lb) {
  std::vector<std::string> v;
  for (const DiveRecord& d : lb.dives()) v.push_back(getText(d.site));
  return v;
}

}  // namespace

TEST(Operations, InsertInDateOrder) {
  Logbook lb;
  lb.newLogbook();
  ASSERT_TRUE(lb.insert(diveOn(10, 6, 2021, 600, "a")));
  EXPECT_EQ(numbers(lb), (std::vector<int>{1}));  // into an empty logbook: number 1
  lb = makeLogbook(5);
  lb.modified = false;
  ASSERT_TRUE(lb.insert(diveOn(1, 1, 2020, 600, "early")));
  EXPECT_EQ(lb.currentPosition, 1);
  EXPECT_EQ(numbers(lb), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(sites(lb)[0], "early");
  EXPECT_TRUE(lb.modified);

  ASSERT_TRUE(lb.insert(diveOn(1, 1, 2030, 600, "late")));
  EXPECT_EQ(lb.currentPosition, 7);
  EXPECT_EQ(lb.dives().back().diveNumber, 7);

  // Same date and time goes after the existing dive; a later time on that day after it too.
  ASSERT_TRUE(lb.insert(diveOn(3, 6, 2021, 600, "same")));
  EXPECT_EQ(sites(lb)[4], "same");
  EXPECT_EQ(sites(lb)[3], "s3");
  ASSERT_TRUE(lb.insert(diveOn(3, 6, 2021, 599, "before")));
  EXPECT_EQ(sites(lb)[3], "before");
  EXPECT_EQ(numbers(lb), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(Operations, InsertKeepsNumbersOfALaterStart) {
  Logbook lb = makeLogbook(3, 50);
  ASSERT_TRUE(lb.insert(diveOn(2, 6, 2021, 700, "mid")));
  EXPECT_EQ(numbers(lb), (std::vector<int>{50, 51, 52, 53}));
  EXPECT_EQ(sites(lb)[2], "mid");
  EXPECT_EQ(lb.firstDiveNumber, 50);
}

TEST(Operations, UndatedDiveStaysFirstAndPullsDatedOnesBeforeIt) {
  Logbook lb = makeLogbook(2);
  DiveRecord undated = makeRecord();
  setText(undated.site, "undated");
  ASSERT_TRUE(lb.insert(undated));
  EXPECT_EQ(sites(lb)[0], "undated");
  // The undated dive counts as later than every dated one.
  ASSERT_TRUE(lb.insert(diveOn(1, 1, 2030, 600, "new")));
  EXPECT_EQ(sites(lb), (std::vector<std::string>{"new", "undated", "s1", "s2"}));
  EXPECT_EQ(numbers(lb), (std::vector<int>{1, 2, 3, 4}));
}

TEST(Operations, InsertBeyondTheLimitIsRefused) {
  Logbook lb;
  lb.newLogbook();
  lb.assignDives(std::vector<DiveRecord>(MAX_DIVES, makeRecord()));
  lb.modified = false;
  Result r = lb.insert(diveOn(1, 1, 2020, 600));
  EXPECT_FALSE(r);
  EXPECT_FALSE(r.error.empty());
  EXPECT_EQ(lb.diveCount(), MAX_DIVES);
  EXPECT_FALSE(lb.modified);
}

TEST(Operations, DeleteClosesUpNumbers) {
  Logbook lb = makeLogbook(5, 10);
  lb.currentPosition = 5;
  ASSERT_TRUE(lb.remove(3));
  EXPECT_EQ(numbers(lb), (std::vector<int>{10, 11, 12, 13}));
  EXPECT_EQ(sites(lb), (std::vector<std::string>{"s1", "s2", "s4", "s5"}));
  EXPECT_EQ(lb.currentPosition, 4);
  EXPECT_FALSE(lb.remove(5));
  EXPECT_FALSE(lb.remove(0));
  ASSERT_TRUE(lb.remove(1));
  EXPECT_EQ(numbers(lb), (std::vector<int>{10, 11, 12}));
  EXPECT_EQ(lb.firstDiveNumber, 10);
  while (lb.diveCount()) lb.remove(1);
  EXPECT_EQ(lb.currentPosition, 0);
  // The lists stay usable after the last dive has gone.
  DiveRecord r = diveOn(1, 1, 2022, 600, "x");
  lb.addTextsToLists(r);
  EXPECT_EQ(lb.siteList.count(), 1);
}

TEST(Operations, DeleteRebuildsLists) {
  Logbook lb = makeLogbook(3);
  lb.modify(2, [&](DiveRecord& d) { setText(d.buddies, "Anna, Bruno"); });
  lb.modify(3, [&](DiveRecord& d) { setText(d.buddies, "Anna"); });
  lb.rebuildTotals(true);
  EXPECT_EQ(lb.buddyList.useCount(0), 2);
  lb.remove(2);
  ASSERT_EQ(lb.buddyList.count(), 1);
  EXPECT_EQ(lb.buddyList.useCount(0), 1);
}

TEST(Operations, EditedDiveMovesToItsDatePosition) {
  Logbook lb = makeLogbook(5);
  DiveRecord r = lb.get(2);
  r.date = dayNumber(20, 6, 2021);
  const int to = lb.positionForEdited(r, 2);
  EXPECT_EQ(to, 5);
  lb.move(r, 2, to);
  EXPECT_EQ(sites(lb), (std::vector<std::string>{"s1", "s3", "s4", "s5", "s2"}));
  EXPECT_EQ(numbers(lb), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(lb.currentPosition, 5);

  // Back to the front: the first number is kept.
  lb.renumber(7);
  DiveRecord e = lb.get(5);
  e.date = dayNumber(1, 1, 2000);
  EXPECT_EQ(lb.positionForEdited(e, 5), 1);
  lb.move(e, 5, 1);
  EXPECT_EQ(sites(lb), (std::vector<std::string>{"s2", "s1", "s3", "s4", "s5"}));
  EXPECT_EQ(numbers(lb), (std::vector<int>{7, 8, 9, 10, 11}));

  // Unchanged date: same position. Undated or nothing current: position 1.
  EXPECT_EQ(lb.positionForEdited(lb.get(3), 3), 3);
  EXPECT_EQ(lb.positionForEdited(makeRecord(), 3), 1);
  EXPECT_EQ(lb.positionForEdited(lb.get(3), 0), 1);
}

TEST(Operations, PutAndGet) {
  Logbook lb = makeLogbook(2);
  DiveRecord r;
  EXPECT_FALSE(lb.get(3, r));
  EXPECT_EQ(r.recordTag, 160);
  EXPECT_EQ(r.date, -1);
  EXPECT_FALSE(lb.put(0, r));
  lb.modified = false;
  DiveRecord d = lb.get(2);
  d.diveTime = 55;
  ASSERT_TRUE(lb.put(2, d));
  EXPECT_TRUE(lb.modified);
  EXPECT_EQ(lb.totalDiveTime, 55);
}

TEST(Operations, Renumbering) {
  Logbook lb = makeLogbook(5);
  lb.renumberRange(3, 4, 100);
  EXPECT_EQ(numbers(lb), (std::vector<int>{1, 2, 100, 101, 5}));
  lb.renumber(20);
  EXPECT_EQ(numbers(lb), (std::vector<int>{20, 21, 22, 23, 24}));
  EXPECT_EQ(lb.firstDiveNumber, 20);
  EXPECT_TRUE(lb.changes.listChanged);
}

TEST(Operations, PositionsOfNumbers) {
  Logbook lb = makeLogbook(4);
  EXPECT_EQ(lb.positionOfNumber(3), 3);
  EXPECT_EQ(lb.positionOfNumber(9), 9);  // numbered from 1: k itself
  lb.renumber(10);
  EXPECT_EQ(lb.positionOfNumber(12), 3);
  EXPECT_EQ(lb.positionOfNumber(99), 99);
  lb.renumberRange(13, 13, 11);  // 10, 11, 12, 11
  EXPECT_EQ(lb.lastPositionOfNumber(11), 4);
  EXPECT_EQ(lb.lastPositionOfNumber(13), 0);
}

TEST(Operations, ShiftTimes) {
  ScopedUtc utc;
  Logbook lb;
  lb.newLogbook();
  lb.assignDives({diveOn(2, 3, 2021, 45, "a"), diveOn(1, 1, 1970, 30, "edge"),
                  diveOn(31, 12, 2037, 23 * 60 + 50, "end"), makeRecord(), diveOn(5, 5, 1960, 600, "old"),
                  diveOn(6, 6, 2020, 600, "outside")});
  lb.modify(4, [&](DiveRecord& d) { d.timeOfDay = 600; });  // no date: not shifted
  lb.shiftTimes(1, 5, -90);
  EXPECT_EQ(lb.dives()[0].date, dayNumber(1, 3, 2021));
  EXPECT_EQ(lb.dives()[0].timeOfDay, 23 * 60 + 15);
  // Shifts that leave 1970..2037, or start outside it, leave the dive alone.
  EXPECT_EQ(lb.dives()[1].date, dayNumber(1, 1, 1970));
  EXPECT_EQ(lb.dives()[1].timeOfDay, 30);
  EXPECT_EQ(lb.dives()[2].timeOfDay, 23 * 60 + 50 - 90);
  EXPECT_EQ(lb.dives()[3].date, -1);
  EXPECT_EQ(lb.dives()[4].date, dayNumber(5, 5, 1960));
  EXPECT_EQ(lb.dives()[5].timeOfDay, 600);  // outside p..q
  lb.shiftTimes(3, 3, 20);
  EXPECT_EQ(lb.dives()[2].timeOfDay, 23 * 60 + 50 - 70);
  lb.shiftTimes(3, 3, 90);  // would enter 2038
  EXPECT_EQ(lb.dives()[2].date, dayNumber(31, 12, 2037));
  EXPECT_EQ(lb.dives()[2].timeOfDay, 23 * 60 + 50 - 70);
  EXPECT_TRUE(lb.modified);
  // Positions are kept even when the order breaks.
  lb.shiftTimes(1, 1, 60 * 24 * 400);
  EXPECT_EQ(getText(lb.dives()[0].site), "a");
  EXPECT_EQ(lb.dives()[0].date, dayNumber(5, 4, 2022));
}

TEST(Operations, CopyAndSelectionBuffers) {
  Logbook lb = makeLogbook(5);
  CopyBuffer cb;
  cb.copyFrom(lb, 2);
  EXPECT_TRUE(cb.filled);
  EXPECT_EQ(getText(cb.record.site), "s2");
  cb.copyFrom(lb, 9);
  EXPECT_FALSE(cb.filled);

  SelectionBuffer sel;
  Result bad = sel.copyFrom(lb, 0, 3);
  EXPECT_FALSE(bad);
  EXPECT_EQ(bad.error, str(62502));
  EXPECT_FALSE(sel.copyFrom(lb, 2, 6));
  EXPECT_FALSE(sel.copyFrom(lb, 4, 3));
  EXPECT_TRUE(sel.empty());
  ASSERT_TRUE(sel.copyFrom(lb, 2, 3));
  ASSERT_EQ(sel.records.size(), 2u);

  Logbook other = makeLogbook(0);
  ASSERT_TRUE(other.insert(diveOn(1, 1, 2025, 600, "x")));
  ASSERT_TRUE(sel.pasteInto(other));
  EXPECT_TRUE(sel.empty());  // freed: a second paste has nothing to insert
  EXPECT_EQ(sites(other), (std::vector<std::string>{"s2", "s3", "x"}));
  EXPECT_EQ(numbers(other), (std::vector<int>{1, 2, 3}));
}

TEST(Operations, SelectionOfAWideNumberRangeReservesOnlyTheDives) {
  Logbook lb = makeLogbook(3);
  lb.renumberRange(3, 3, 65535);  // numbers 1, 2, 65535
  SelectionBuffer sel;
  ASSERT_TRUE(sel.copyFrom(lb, 1, 65535));
  EXPECT_EQ(sel.records.size(), 3u);
  EXPECT_LE(sel.records.capacity(), 3u);
}

TEST(Operations, SelectionCopiesEveryDiveOfARepeatedNumber) {
  Logbook lb = makeLogbook(4);
  lb.renumberRange(3, 4, 2);  // numbers 1, 2, 2, 3: four dives under three numbers
  SelectionBuffer sel;
  ASSERT_TRUE(sel.copyFrom(lb, 2, 2));
  EXPECT_EQ(sel.records.size(), 2u);
  ASSERT_TRUE(sel.copyFrom(lb, 1, 3));
  EXPECT_EQ(sel.records.size(), 4u);
}

TEST(Operations, PasteThatWouldOverflowChangesNothing) {
  Logbook lb = makeLogbook(3);
  SelectionBuffer sel;
  ASSERT_TRUE(sel.copyFrom(lb, 1, 3));
  Logbook full;
  full.newLogbook();
  full.assignDives(std::vector<DiveRecord>(MAX_DIVES - 2, makeRecord()));
  EXPECT_FALSE(sel.pasteInto(full));
  EXPECT_EQ(full.diveCount(), MAX_DIVES - 2);
  EXPECT_EQ(sel.records.size(), 3u);
}

TEST(Operations, SitesAtLocation) {
  Logbook lb = makeLogbook(4);
  lb.modify(1, [&](DiveRecord& d) { setText(d.location, utf8ToStored("Lago Maggiore")); });
  lb.modify(2, [&](DiveRecord& d) { setText(d.location, utf8ToStored("Côte Bleue")); });
  lb.modify(3, [&](DiveRecord& d) { setText(d.location, utf8ToStored("Côte Bleue")); });
  lb.fillSitesAtLocation(utf8ToCp1252("Côte Bleue"));
  ASSERT_EQ(lb.sitesAtLocationList.count(), 2);
  EXPECT_EQ(lb.sitesAtLocationList.get(0), "s2");
  lb.fillSitesAtLocation("");
  EXPECT_EQ(lb.sitesAtLocationList.count(), 4);
}

TEST(Operations, TotalsAndLists) {
  Logbook lb = makeLogbook(3);
  lb.modify(1, [&](DiveRecord& d) { d.diveTime = 30; });
  lb.modify(2, [&](DiveRecord& d) { d.diveTime = 45; });
  lb.modify(1, [&](DiveRecord& d) { d.sac = 20; });
  lb.modify(3, [&](DiveRecord& d) { d.sac = 30; });
  lb.modify(1, [&](DiveRecord& d) { setText(d.otherActivities, "Check, Pesca"); });
  lb.modify(2, [&](DiveRecord& d) { setText(d.otherActivities, "Pesca"); });
  lb.averageSacUpdated = 0;
  lb.rebuildTotals(true);
  EXPECT_EQ(lb.totalDiveTime, 75);
  EXPECT_FLOAT_EQ(lb.averageSac, 25.0f);
  EXPECT_EQ(lb.averageSacUpdated, 1);
  ASSERT_EQ(lb.otherActivityList.count(), 1);
  EXPECT_EQ(lb.otherActivityList.useCount(0), 2);
  EXPECT_EQ(lb.siteList.count(), 3);
}
