#pragma once
// The aggregation table of every statistics chart: one row per bin or category,
// four columns (all dives, fresh water, sea water, chamber), with sums, minima,
// maxima and counts; the per-class summaries of the binned charts; the scale rule.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kelp {

struct DiveRecord;

// An empty minimum. It reads back as 0 and never counts as a value.
inline constexpr float kEmptyMinimum = 20000.0f;

enum StatColumn : int { kColAll = 0, kColFresh = 1, kColSea = 2, kColChamber = 3, kStatColumns = 4 };
enum StatView : int { kViewCount = 0, kViewPercent = 1, kViewDepth = 2, kViewTime = 3, kViewAir = 4 };
enum StatStatistic : int { kStatMean = 0, kStatMin = 1, kStatMax = 2 };

// One row: eighteen 32-bit words.
struct StatRow {
  float sum[4];         // per column; after finishMeans() the per-column mean
  float min[4];         // minimum of the non-zero contributions; kEmptyMinimum = none
  float max[4];         // maximum of the non-zero contributions; 0 = none
  int32_t key;          // bin or category number, from 1; 0 = row free
  int32_t hasData;      // set from the contribution
  int32_t count;        // number of contributions
  int32_t nonZero[3];   // non-zero contributions to columns 1, 2, 3
  // The value of a statistic in a column; an empty minimum is 0.
  float value(int statistic, int column) const;
};
static_assert(sizeof(StatRow) == 18 * 4);

// Sum, mean, minimum and maximum of one water class (the binned charts).
struct StatSummary {
  float sum = 0, mean = 0, min = kEmptyMinimum, max = 0;
  int32_t count = 0;
  void clear() { *this = StatSummary{}; }
  // Every value counts, zero and negative ones included; the first sets min and max.
  void add(float v);
  // mean = sum / count (0 over nothing), an empty minimum becomes 0, and with a
  // non-zero divisor sum, mean, minimum and maximum are divided by it.
  void finish(float divisor);
};

// A dive's contribution to one row.
struct Contribution {
  std::array<float, 4> v{};
  bool hasData = true;
};

// The water classes of a dive: fresh (bit 6), sea (bit 7), chamber (neither).
// A dive with both flags is fresh and sea water, not chamber.
struct WaterClasses {
  bool fresh = false, sea = false, chamber = false;
};
WaterClasses waterClasses(const DiveRecord& r);
// `value` in column 0 and in the dive's class columns; withChamber false leaves
// the chamber column empty (air consumption).
Contribution classContribution(const DiveRecord& r, float value, bool withChamber = true);

// The smallest multiple of step that is >= v, at least step. A step below 1 gives
// the larger of v and step.
float roundUp(float v, float step);

class CStatTable {
 public:
  CStatTable() = default;
  explicit CStatTable(int rowCount) { create(rowCount); }
  // rowCount rows, all free, minima empty.
  void create(int rowCount);
  int rowCount() const { return static_cast<int>(rows_.size()); }
  // Every row and the totals back to free and empty.
  void clear();
  // Adds to the row of `key` (>= 1), taking the first free row for a new key.
  // A key below 1, or a new key when no row is free, is not counted (false).
  bool add(int key, const Contribution& c);
  // Copy of the row of `key`, empty minima read as 0; an all-zero row when absent.
  StatRow getRow(int key) const;
  const StatRow& getTotals() const { return totals_; }
  // Rows in the order they were taken.
  const std::vector<StatRow>& rows() const { return rows_; }

  // totals = per-column average of the sums over the rows with data (0 over none).
  void averageRows();
  // totals = per-column mean over every contribution (column 0 by the number of
  // contributions, columns 1-3 by their non-zero counts), then every row's sums become
  // means the same way; a zero count leaves the value unchanged. The totals' minima
  // and maxima are those of all rows.
  void finishMeans();
  // finishMeans(), then scaleMax = roundUp(trunc(m) + 1, step) with m the largest
  // value of the selected statistic over all rows and columns (empty minima count as 0).
  void finishValueView(int statistic, float step);
  // After a counting computation: roundUp(trunc(largest column-0 sum), 10).
  void finishCounts();

  // The view's text of one cell (the controls' "loading" direction).
  // base: the percent base (dives of the logbook or of the selected year).
  // airImperial: air consumption in cft/min (two decimals).
  static std::string cellText(const StatRow& row, int column, int view, int statistic, int base,
                              bool airImperial);

  float scaleMax = 10;
  int view = kViewCount;
  int statistic = kStatMean;
  int selection = 0;  // 0 all dives ("Tutte"), 1 one year ("Anno")
  int year = 0;
  int yearDives = 0;
  int firstYear = 0;    // earliest year of any dive; the current year when none
  int currentYear = 0;
  std::array<StatSummary, 4> summaries{};  // all, fresh, sea, chamber
  bool shown = false;

  // The controls' "saving" direction: each takes the value when it is allowed and
  // answers whether it did.
  bool takeSelection(int v);
  bool takeYear(int v);                      // within yearRangeStart()..currentYear
  bool takeView(int v, bool categoryChart);  // 0-1, or 0-4 for category charts
  bool takeStatistic(int v);                 // 0-2
  // First year the year spin offers: the smaller of firstYear and currentYear.
  int yearRangeStart() const { return firstYear < currentYear ? firstYear : currentYear; }

 private:
  std::vector<StatRow> rows_;
  std::vector<int> slot_;  // key -> row index + 1 (0 = none) for keys below slot_.size()
  int used_ = 0;           // rows taken (rows are taken from the front)
  StatRow totals_{};
};

// printf formats of 0, 1 and 2 decimals.
std::string formatDecimals(double v, int decimals);

}  // namespace kelp
