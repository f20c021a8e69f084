// The aggregation table: rows, minima, averages, means and the scale rule.
#include <gtest/gtest.h>

#include "analysis/stat_table.h"

using namespace kelp;

namespace {

Contribution contrib(float all, float fresh, float sea, float chamber) {
  Contribution c;
  c.v = {all, fresh, sea, chamber};
  return c;
}

}  // namespace

TEST(StatTable, NewKeysTakeFreeRowsUntilTheTableIsFull) {
  CStatTable t(2);
  EXPECT_TRUE(t.add(7, contrib(1, 1, 0, 0)));
  EXPECT_TRUE(t.add(3, contrib(1, 0, 1, 0)));
  EXPECT_TRUE(t.add(7, contrib(1, 1, 0, 0)));
  EXPECT_FALSE(t.add(5, contrib(1, 0, 0, 1)));  // no free row left
  EXPECT_EQ(t.getRow(7).sum[0], 2.0f);
  EXPECT_EQ(t.getRow(7).count, 2);
  EXPECT_EQ(t.getRow(3).sum[2], 1.0f);
  EXPECT_EQ(t.getRow(5).count, 0);
}

TEST(StatTable, AKeyOfZeroNeverLandsInAFreeRow) {
  CStatTable t(3);
  EXPECT_FALSE(t.add(0, contrib(1, 1, 0, 0)));
  EXPECT_TRUE(t.add(1, contrib(1, 1, 0, 0)));
  EXPECT_EQ(t.getRow(1).sum[0], 1.0f);
  EXPECT_EQ(t.rows()[0].key, 1);
}

TEST(StatTable, MinimaIgnoreZeroContributionsAndEmptyOnesReadAsZero) {
  CStatTable t(1);
  t.add(1, contrib(12, 12, 0, 0));
  t.add(1, contrib(8, 0, 8, 0));
  const StatRow r = t.getRow(1);
  EXPECT_EQ(r.min[0], 8.0f);
  EXPECT_EQ(r.min[1], 12.0f);
  EXPECT_EQ(r.min[2], 8.0f);
  EXPECT_EQ(r.min[3], 0.0f);  // no chamber dive: empty minimum reads 0
  EXPECT_EQ(r.max[0], 12.0f);
  EXPECT_EQ(r.nonZero[0], 1);
  EXPECT_EQ(r.nonZero[1], 1);
  EXPECT_EQ(r.nonZero[2], 0);
  t.clear();
  EXPECT_EQ(t.getRow(1).count, 0);
  EXPECT_EQ(t.rows()[0].min[0], kEmptyMinimum);
}

TEST(StatTable, AveragingRowsUsesOnlyRowsWithDataAndIsZeroOverNone) {
  CStatTable t(5);
  t.averageRows();
  for (float s : t.getTotals().sum) EXPECT_EQ(s, 0.0f);  // no 0/0
  t.add(1, contrib(4, 4, 0, 0));
  t.add(2, contrib(2, 0, 2, 0));
  t.averageRows();
  EXPECT_FLOAT_EQ(t.getTotals().sum[0], 3.0f);
  EXPECT_FLOAT_EQ(t.getTotals().sum[1], 2.0f);
  EXPECT_FLOAT_EQ(t.getTotals().sum[2], 1.0f);
}

TEST(StatTable, MeansDivideEachColumnByItsOwnCount) {
  CStatTable t(2);
  t.add(1, contrib(10, 10, 0, 0));
  t.add(1, contrib(20, 0, 20, 0));
  t.add(2, contrib(30, 30, 0, 0));
  t.finishMeans();
  EXPECT_FLOAT_EQ(t.getRow(1).sum[0], 15.0f);
  EXPECT_FLOAT_EQ(t.getRow(1).sum[1], 10.0f);  // one fresh-water dive
  EXPECT_FLOAT_EQ(t.getRow(1).sum[2], 20.0f);
  EXPECT_FLOAT_EQ(t.getRow(1).sum[3], 0.0f);   // zero count: unchanged
  EXPECT_FLOAT_EQ(t.getTotals().sum[0], 20.0f);
  EXPECT_FLOAT_EQ(t.getTotals().sum[1], 20.0f);
  EXPECT_FLOAT_EQ(t.getTotals().min[0], 10.0f);
  EXPECT_FLOAT_EQ(t.getTotals().max[0], 30.0f);
}

TEST(StatTable, EmptyMinimaDoNotSetTheScale) {
  CStatTable t(2);
  t.add(1, contrib(12.5f, 12.5f, 0, 0));  // no sea or chamber dive: those minima stay empty
  t.finishValueView(kStatMin, 10);
  EXPECT_EQ(t.scaleMax, 20.0f);
  t.clear();
  t.finishValueView(kStatMin, 10);
  EXPECT_EQ(t.scaleMax, 10.0f);
}

TEST(StatTable, ScaleRoundsUpToTheStep) {
  EXPECT_EQ(roundUp(0, 10), 10.0f);
  EXPECT_EQ(roundUp(10, 10), 10.0f);
  EXPECT_EQ(roundUp(11, 10), 20.0f);
  EXPECT_EQ(roundUp(3, 1), 3.0f);
  EXPECT_EQ(roundUp(0.2f, 0.5f), 0.5f);
  CStatTable t(3);
  t.add(1, contrib(1, 1, 0, 0));
  for (int i = 0; i < 20; ++i) t.add(2, contrib(1, 0, 1, 0));
  t.finishCounts();
  EXPECT_EQ(t.scaleMax, 20.0f);
  t.add(2, contrib(1, 0, 1, 0));
  t.finishCounts();
  EXPECT_EQ(t.scaleMax, 30.0f);
}

TEST(StatTable, CellTextsFollowTheView) {
  CStatTable t(1);
  t.add(1, contrib(3, 3, 0, 0));
  const StatRow r = t.getRow(1);
  EXPECT_EQ(CStatTable::cellText(r, 0, kViewCount, 0, 8, false), "3");
  EXPECT_EQ(CStatTable::cellText(r, 0, kViewPercent, 0, 8, false), "37.5");
  EXPECT_EQ(CStatTable::cellText(r, 0, kViewPercent, 0, 0, false), "0.0");
  EXPECT_EQ(CStatTable::cellText(r, 0, kViewDepth, kStatMean, 0, false), "3.0");
  EXPECT_EQ(CStatTable::cellText(r, 0, kViewDepth, kStatMin, 0, false), "");
  EXPECT_EQ(CStatTable::cellText(r, 1, kViewDepth, kStatMax, 0, false), "3.0");
  EXPECT_EQ(CStatTable::cellText(r, 3, kViewDepth, kStatMin, 0, false), "0.0");
  EXPECT_EQ(CStatTable::cellText(r, 1, kViewAir, kStatMean, 0, true), "3.00");
  EXPECT_EQ(CStatTable::cellText(r, 3, kViewAir, kStatMean, 0, true), "");
}

TEST(StatTable, ControlsTakeOnlyAllowedValues) {
  CStatTable t;
  t.firstYear = 2001;
  t.currentYear = 2010;
  t.year = 2005;
  EXPECT_FALSE(t.takeYear(2000));
  EXPECT_FALSE(t.takeYear(2011));
  EXPECT_EQ(t.year, 2005);
  EXPECT_TRUE(t.takeYear(2001));
  EXPECT_FALSE(t.takeView(2, false));
  EXPECT_TRUE(t.takeView(4, true));
  EXPECT_FALSE(t.takeStatistic(3));
  EXPECT_FALSE(t.takeSelection(2));
  // a first year after the current one (a wrong clock) does not invert the range
  t.firstYear = 2030;
  EXPECT_EQ(t.yearRangeStart(), 2010);
  EXPECT_TRUE(t.takeYear(2010));
}

TEST(StatSummary, KeepsMinimumAndMaximumOfAnyValues) {
  StatSummary s;
  s.finish(100);
  EXPECT_EQ(s.min, 0.0f);
  EXPECT_EQ(s.mean, 0.0f);
  s.clear();
  s.add(-150);  // -1.5 degrees
  s.add(-50);
  s.finish(100);
  EXPECT_FLOAT_EQ(s.min, -1.5f);
  EXPECT_FLOAT_EQ(s.max, -0.5f);
  EXPECT_FLOAT_EQ(s.mean, -1.0f);
  s.clear();
  s.add(22966);  // 229.66 ft: above the old empty marker
  s.finish(100);
  EXPECT_FLOAT_EQ(s.min, 229.66f);
}
