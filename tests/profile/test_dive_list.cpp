// The dive list's columns and cell texts.
#include <gtest/gtest.h>

#include "core/demo_logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/dive_list.h"

using namespace kelp;

TEST(DiveList, CellsShowTheFormTextsOfTheDive) {
  DiveRecord r = makeRecord();
  r.diveNumber = 42;
  r.diveTime = 25;
  ASSERT_TRUE(storeHandMadeProfile(r, {3, 6, 9, 9, 6, 3}));
  expandProfile(r, false);
  EXPECT_EQ(diveListCell(r, 0), "00042 H");
  r.profileLength = 0;
  EXPECT_EQ(diveListCell(r, 0), "00042  ");

  r.date = dayNumber(3, 9, 2004);
  r.timeOfDay = 9 * 60 + 5;
  parseText(r.location, "Isola d'Elba");
  parseText(r.buddies, "Jürgen, Anna");
  r.maxDepth = 2350;
  r.diveTypeFlags = 1u << kDiveSeaWater;
  r.activityFlags = 1u << 4;
  r.sac = 17.25f;
  EXPECT_EQ(diveListCell(r, 1), "03.09.04");
  EXPECT_EQ(diveListCell(r, 2), "09:05");
  EXPECT_EQ(diveListCell(r, 3), "Isola d´Elba");
  EXPECT_EQ(diveListCell(r, 4), "");
  EXPECT_EQ(diveListCell(r, 5), "00:25");
  EXPECT_EQ(diveListCell(r, 6), "23.5");
  EXPECT_EQ(diveListCell(r, 7), "Acqua salata");
  EXPECT_EQ(diveListCell(r, 8), "Notturna");
  EXPECT_EQ(diveListCell(r, 9), "Jürgen, Anna");
  EXPECT_EQ(diveListCell(r, 10), "17.2");
  const int saved = settings().unitsMetric;
  settings().unitsMetric = 0;
  EXPECT_EQ(diveListCell(r, 6), "77");
  EXPECT_EQ(diveListCell(r, 10), "0.61");
  settings().unitsMetric = saved;
}

TEST(DiveList, StoredWidthsReplaceTheDefaultsFromZeroUp) {
  Settings s;
  EXPECT_EQ(diveListColumnWidth(s, 0), 60);
  EXPECT_EQ(diveListColumnWidth(s, 9), 140);
  EXPECT_EQ(diveListColumnWidth(s, 9, 1.25), 175);  // a wider font widens the defaults
  EXPECT_EQ(diveListColumnWidth(s, 9, 0.8), 140);   // never narrower
  s.tableColumns[9] = 0;
  s.tableColumns[3] = 200;
  EXPECT_EQ(diveListColumnWidth(s, 9), 0);
  EXPECT_EQ(diveListColumnWidth(s, 3), 200);
  EXPECT_EQ(diveListColumnWidth(s, 3, 1.25), 200);
  EXPECT_EQ(diveListHeading(5), "Ora");
  EXPECT_EQ(diveListHeading(10), "Consumo aria.");
  EXPECT_TRUE(diveListColumns()[6].rightAligned);
}
