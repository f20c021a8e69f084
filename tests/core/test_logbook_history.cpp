#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/demo_logbook.h"
#include "core/logbook.h"
#include "core/logbook_history.h"
#include "core/texts.h"
#include "tests/test_support.h"

using namespace kelp;
using kelp::test::ScopedUtc;

namespace {

// What a save would write, and where the user stands.
struct Image {
  std::string log, add;
  int position;
  int firstNumber;
  bool operator==(const Image& o) const {
    return log == o.log && add == o.add && position == o.position && firstNumber == o.firstNumber;
  }
};

Image imageOf(const Logbook& lb) {
  return {lb.serializeLog(), lb.serializeAdd(), lb.currentPosition, lb.firstDiveNumber};
}

Logbook demo(int n = 40) {
  Logbook lb = makeDemoLogbook(n, 7);
  lb.currentPosition = n / 2;
  return lb;
}

DiveRecord datedDive(int d, int m, int y, const char* site) {
  DiveRecord r = makeRecord();
  r.date = dayNumber(d, m, y);
  r.timeOfDay = 600;
  r.diveTime = 33;
  setText(r.site, site);
  return r;
}

struct Change {
  const char* name;
  std::function<void(Logbook&)> run;
};

std::vector<Change> changes() {
  return {
      {"edit one field", [](Logbook& lb) { lb.modify(3, [](DiveRecord& d) { setText(d.site, "Nuovo"); }); }},
      {"edit a profile", [](Logbook& lb) {
         lb.modify(5, [](DiveRecord& d) {
           d.rawProfile[10] ^= 0x5a;
           d.samples[3].depth = -7.5f;
         });
       }},
      {"insert in the middle", [](Logbook& lb) { ASSERT_TRUE(lb.insertAt(10, datedDive(1, 1, 2016, "x"))); }},
      {"insert by date", [](Logbook& lb) { ASSERT_TRUE(lb.insert(datedDive(2, 2, 2030, "late"))); }},
      {"insert into an empty spot at the front", [](Logbook& lb) { ASSERT_TRUE(lb.insertAt(1, makeRecord())); }},
      {"delete", [](Logbook& lb) { ASSERT_TRUE(lb.remove(7)); }},
      {"delete the last", [](Logbook& lb) { ASSERT_TRUE(lb.remove(lb.diveCount())); }},
      {"move", [](Logbook& lb) { lb.move(lb.get(20), 20, 4); }},
      {"move back", [](Logbook& lb) { lb.move(lb.get(2), 2, 30); }},
      {"renumber", [](Logbook& lb) { lb.renumber(500); }},
      {"renumber a range", [](Logbook& lb) { lb.renumberRange(5, 15, 900); }},
      {"shift times", [](Logbook& lb) { lb.shiftTimes(3, 12, -95); }},
      {"selection paste", [](Logbook& lb) {
         SelectionBuffer sel;
         sel.records = {datedDive(3, 3, 2016, "a"), datedDive(4, 4, 2017, "b"), datedDive(5, 5, 2040, "c")};
         ASSERT_TRUE(sel.pasteInto(lb));
       }},
      {"several operations in one step", [](Logbook& lb) {
         ASSERT_TRUE(lb.remove(2));
         lb.modify(2, [](DiveRecord& d) { d.maxDepth = 1234; });
         ASSERT_TRUE(lb.insert(datedDive(9, 9, 2016, "mix")));
         lb.renumber(1);
         lb.currentPosition = 1;
       }},
      {"delete everything", [](Logbook& lb) {
         while (lb.diveCount()) lb.remove(1);
       }},
  };
}

}  // namespace

TEST(History, EveryKindOfChangeIsUndoneAndRedoneByteForByte) {
  ScopedUtc utc;
  for (const Change& c : changes()) {
    SCOPED_TRACE(c.name);
    Logbook lb = demo();
    const Image before = imageOf(lb);
    ChangeRecorder rec(lb);
    c.run(lb);
    LogbookStep step = rec.finish(c.name);
    const Image after = imageOf(lb);
    ASSERT_FALSE(step.empty());
    EXPECT_EQ(step.text(), c.name);

    step.undo(lb);
    EXPECT_TRUE(imageOf(lb) == before);
    step.redo(lb);
    EXPECT_TRUE(imageOf(lb) == after);
    step.undo(lb);
    EXPECT_TRUE(imageOf(lb) == before);
    // The totals follow the dives.
    Logbook fresh = demo();
    EXPECT_EQ(lb.totalDiveTime, fresh.totalDiveTime);
    EXPECT_EQ(lb.siteList.count(), fresh.siteList.count());
  }
}

TEST(History, StepsUndoneInReverseOrderRestoreEachState) {
  Logbook lb = demo();
  std::vector<Image> images{imageOf(lb)};
  std::vector<LogbookStep> steps;
  for (const Change& c : changes()) {
    if (std::string(c.name) == "shift times") continue;  // depends on the time zone
    ChangeRecorder rec(lb);
    c.run(lb);
    steps.push_back(rec.finish(c.name));
    images.push_back(imageOf(lb));
  }
  for (size_t i = steps.size(); i-- > 0;) {
    steps[i].undo(lb);
    EXPECT_TRUE(imageOf(lb) == images[i]) << steps[i].text();
  }
  for (size_t i = 0; i < steps.size(); ++i) {
    steps[i].redo(lb);
    EXPECT_TRUE(imageOf(lb) == images[i + 1]) << steps[i].text();
  }
}

TEST(History, NothingChangedGivesAnEmptyStep) {
  Logbook lb = demo();
  ChangeRecorder rec(lb);
  lb.modify(4, [](DiveRecord&) {});  // put back as it was
  EXPECT_TRUE(rec.finish("Crea immersione").empty());
}

TEST(History, RollbackLeavesNothingHalfDone) {
  Logbook lb = demo();
  lb.modified = false;
  const Image before = imageOf(lb);
  {
    ChangeRecorder rec(lb);
    lb.remove(3);
    lb.renumber(70);
    lb.modify(1, [](DiveRecord& d) { setText(d.buddies, "Anna"); });
    rec.rollback();
  }
  EXPECT_TRUE(imageOf(lb) == before);
  EXPECT_FALSE(lb.modified);
  {
    ChangeRecorder rec(lb);  // never finished: taken back when it goes
    lb.insert(datedDive(1, 1, 2018, "gone"));
  }
  EXPECT_TRUE(imageOf(lb) == before);
  EXPECT_FALSE(lb.modified);
}

TEST(History, ANestedRecorderJoinsTheOuterOne) {
  Logbook lb = demo();
  const Image before = imageOf(lb);
  ChangeRecorder outer(lb);
  lb.remove(1);
  {
    ChangeRecorder inner(lb);
    EXPECT_TRUE(inner.nested());
    lb.remove(1);
    EXPECT_TRUE(inner.finish("inner").empty());
  }
  LogbookStep step = outer.finish("outer");
  EXPECT_EQ(lb.diveCount(), 38);
  step.undo(lb);
  EXPECT_TRUE(imageOf(lb) == before);
}

TEST(History, ACopyOfTheLogbookIsNotPartOfTheChange) {
  Logbook lb = demo();
  ChangeRecorder rec(lb);
  Logbook copy = lb;
  copy.remove(1);
  copy.renumber(9);
  EXPECT_TRUE(rec.finish("nothing").empty());
}

TEST(History, TotalsWaitForTheEndOfTheChange) {
  Logbook lb = demo();
  const int total = lb.totalDiveTime;
  ASSERT_NE(lb.get(1).diveTime, NO_VALUE);
  ChangeRecorder rec(lb);
  lb.modify(1, [](DiveRecord& d) { d.diveTime = static_cast<int16_t>(d.diveTime + 100); });
  EXPECT_EQ(lb.totalDiveTime, total);  // not rebuilt for every dive of a long change
  rec.finish("x");
  EXPECT_EQ(lb.totalDiveTime, total + 100);
}

TEST(History, StepsHoldOnlyWhatChanged) {
  Logbook lb = makeDemoLogbook(2000, 3);
  // A renumbering keeps the numbers, a few bytes a dive.
  ChangeRecorder renumber(lb);
  lb.renumber(100);
  const LogbookStep numbers = renumber.finish("Rinumera Logbook");
  EXPECT_LT(numbers.memoryBytes(), 2000u * 8 + 1024);
  // One field in every dive: the bytes of that field, not the records.
  ChangeRecorder edit(lb);
  for (int i = 1; i <= lb.diveCount(); ++i) lb.modify(i, [](DiveRecord& d) { setText(d.location, "Elba"); });
  const LogbookStep field = edit.finish("Sostituisci");
  EXPECT_LT(field.memoryBytes(), 2000u * 300);
  // A deleted dive is kept whole, but without the empty tail of its arrays; the numbers of the
  // later dives that close up are kept as numbers.
  ChangeRecorder last(lb);
  lb.remove(lb.diveCount());
  EXPECT_LT(last.finish("Cancella immersione").memoryBytes(), sizeof(DiveRecord));
  ChangeRecorder early(lb);
  lb.remove(10);
  EXPECT_LT(early.finish("Cancella immersione").memoryBytes(), sizeof(DiveRecord) + 2000u * 8);
}

TEST(History, LimitsDropTheOldestSteps) {
  EXPECT_EQ(oldestStepsToDrop({}, 100, 1000), 0u);
  EXPECT_EQ(oldestStepsToDrop(std::vector<size_t>(100, 1), 100, 1000), 0u);
  EXPECT_EQ(oldestStepsToDrop(std::vector<size_t>(103, 1), 100, 1000), 3u);
  EXPECT_EQ(oldestStepsToDrop({400, 400, 400}, 100, 1000), 1u);
  EXPECT_EQ(oldestStepsToDrop({400, 400, 700}, 100, 1000), 2u);
  // The newest step stays even when it alone is over the limit.
  EXPECT_EQ(oldestStepsToDrop({10, 5000}, 100, 1000), 1u);
}

TEST(ByteRuns, KeepOnlyTheDifferingBytes) {
  std::string a(300, 'a'), b = a;
  b[0] = 'x';
  b[5] = 'y';  // close to the first: one run
  b[200] = 'z';
  const ByteRuns runs = ByteRuns::diff(a.data(), b.data(), a.size());
  std::string c = a;
  runs.applyTo(c.data());
  EXPECT_EQ(c, b);
  EXPECT_LT(runs.memoryBytes(), 64u);
  EXPECT_TRUE(ByteRuns::diff(a.data(), a.data(), a.size()).empty());
  b[299] = 'e';  // the very last byte
  const ByteRuns tail = ByteRuns::diff(a.data(), b.data(), a.size());
  c = a;
  tail.applyTo(c.data());
  EXPECT_EQ(c, b);
}
