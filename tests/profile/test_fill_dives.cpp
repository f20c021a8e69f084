// The fill template applied to a number range.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/logbook.h"
#include "core/texts.h"
#include "profile/fill_dives.h"

using namespace kelp;

namespace {

Logbook numbered(int n) {
  Logbook lb;
  lb.newLogbook();
  for (int i = 1; i <= n; ++i) {
    DiveRecord r = makeRecord();
    r.date = dayNumber(i, 3, 2024);
    r.timeOfDay = 600;
    EXPECT_TRUE(lb.insert(r));
  }
  lb.renumber(10);  // numbers 10, 11, ...
  lb.modified = false;
  return lb;
}

}  // namespace

TEST(FillDives, ChosenSideReplacesThePairDashLeavesIt) {
  DiveRecord r = makeRecord();
  r.diveTypeFlags = (1u << kDiveFreshWater) | (1u << kDiveDeco) | (1u << kDiveMultiAscent);
  r.moreActivityFlags = (1u << 9) | (1u << 10);  // shore, guide
  FillTemplate t;
  t.first = t.last = 1;
  t.diveTypeFlags = (1u << kDiveSeaWater) | (1u << kDiveScr);  // sea water, SCR; the rest "-"
  t.moreActivityFlags = (1u << 8) | 0x04;                       // boat, a special activity
  applyFillTemplate(r, t);
  EXPECT_EQ(r.diveTypeFlags, (1u << kDiveSeaWater) | (1u << kDiveDeco) | (1u << kDiveMultiAscent) | (1u << kDiveScr));
  EXPECT_EQ(r.moreActivityFlags, (1u << 8) | (1u << 10) | 0x04);
  t.diveTypeFlags = (1u << kDiveNoStop) | (1u << kDiveSingleAscent);
  applyFillTemplate(r, t);
  EXPECT_EQ(getThreeWay(r.diveTypeFlags, kDiveNoStop), 0);
  EXPECT_EQ(getThreeWay(r.diveTypeFlags, kDiveSingleAscent), 0);
  EXPECT_EQ(getThreeWay(r.diveTypeFlags, kDiveFreshWater), 1);
  EXPECT_TRUE(isScr(r));  // ticked bits are never removed
}

TEST(FillDives, ValuesThatHoldNothingLeaveTheDive) {
  DiveRecord r = makeRecord();
  setText(r.location, "Garda");
  r.airTemperature = 1500;
  r.weight = 400;
  r.activityFlags = 0x0001;
  DiveRecord before = r;
  FillTemplate t;
  applyFillTemplate(r, t);
  EXPECT_TRUE(std::memcmp(&r, &before, sizeof r) == 0);
  t.site = std::string(70, 's');
  t.suitName = std::string(30, 'm');
  t.weather = 2;
  t.tankSize = 1200;
  t.activityFlags = 0x0100;
  t.buddies = std::string(90, 'b');
  applyFillTemplate(r, t);
  EXPECT_EQ(getText(r.buddies).size(), 80u);
  EXPECT_EQ(getText(r.location), "Garda");
  EXPECT_EQ(getText(r.site).size(), 60u);
  EXPECT_EQ(getText(r.suitDescription).size(), 25u);
  EXPECT_EQ(r.weather, 2);
  EXPECT_EQ(r.tankSize, 1200);
  EXPECT_EQ(r.airTemperature, 1500);
  EXPECT_EQ(r.weight, 400);
  EXPECT_EQ(r.activityFlags, 0x0101);
}

TEST(FillDives, NumberRange) {
  Logbook lb = numbered(5);  // 10..14
  FillTemplate t;
  t.location = "Elba";
  t.first = 11;
  t.last = 12;
  int inRange = 0, changed = 0;
  ASSERT_TRUE(fillDives(lb, t, &inRange, &changed));
  EXPECT_EQ(inRange, 2);
  EXPECT_EQ(changed, 2);
  for (int p = 1; p <= 5; ++p)
    EXPECT_EQ(getText(lb.get(p).location), (p == 2 || p == 3) ? "Elba" : "") << p;
  EXPECT_TRUE(lb.modified);

  // Filled again with the same values: nothing changes.
  lb.modified = false;
  ASSERT_TRUE(fillDives(lb, t, &inRange, &changed));
  EXPECT_EQ(changed, 0);
  EXPECT_FALSE(lb.modified);

  // A range without matching numbers changes nothing.
  t.first = 100;
  t.last = 200;
  const std::string bytes = lb.serializeLog();
  ASSERT_TRUE(fillDives(lb, t, &inRange, &changed));
  EXPECT_EQ(inRange, 0);
  EXPECT_EQ(lb.serializeLog(), bytes);

  // A zero bound is refused.
  t.first = 0;
  Result res = fillDives(lb, t);
  EXPECT_FALSE(res);
  EXPECT_EQ(res.error, "Inserisci imm");
}

TEST(FillDives, TemplateWithoutExtendedData) {
  FillTemplate t;
  prepareFillTemplate(t, true);  // first call of the run: cleared
  t.location = "X";
  t.weight = 500;
  t.tankMaterial = 1;
  t.suitName = "Neo";
  t.moreActivityFlags = 0x0101;
  prepareFillTemplate(t, true);
  EXPECT_EQ(t.location, "X");  // kept for the rest of the run
  EXPECT_EQ(t.weight, 500);
  prepareFillTemplate(t, false);
  EXPECT_EQ(t.location, "X");
  EXPECT_EQ(t.weight, NO_VALUE);
  EXPECT_EQ(t.tankMaterial, 0);
  EXPECT_TRUE(t.suitName.empty());
  EXPECT_EQ(t.moreActivityFlags, 0);
}
