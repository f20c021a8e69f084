#include "analysis/stat_table.h"

#include <algorithm>
#include <cmath>

#include "core/dive_record.h"
#include "core/texts.h"

namespace kelp {
namespace {

constexpr int kDirectKeys = 1 << 20;  // keys below this are found through slot_

StatRow emptyRow() {
  StatRow r{};
  for (float& m : r.min) m = kEmptyMinimum;
  return r;
}

bool hasMinimum(float m) { return m != kEmptyMinimum; }

}  // namespace

float StatRow::value(int statistic, int column) const {
  switch (statistic) {
    case kStatMin: return hasMinimum(min[column]) ? min[column] : 0.0f;
    case kStatMax: return max[column];
    default: return sum[column];
  }
}

void StatSummary::add(float v) {
  if (count == 0 || v < min) min = v;
  if (count == 0 || v > max) max = v;
  sum += v;
  ++count;
}

void StatSummary::finish(float divisor) {
  mean = count > 0 ? sum / static_cast<float>(count) : 0.0f;
  if (count == 0) min = max = 0;
  if (divisor != 0) {
    sum /= divisor;
    mean /= divisor;
    min /= divisor;
    max /= divisor;
  }
}

WaterClasses waterClasses(const DiveRecord& r) {
  WaterClasses w;
  w.fresh = (r.diveTypeFlags & (1u << kDiveFreshWater)) != 0;
  w.sea = (r.diveTypeFlags & (1u << kDiveSeaWater)) != 0;
  w.chamber = !w.fresh && !w.sea;
  return w;
}

Contribution classContribution(const DiveRecord& r, float value, bool withChamber) {
  const WaterClasses w = waterClasses(r);
  Contribution c;
  c.v[kColAll] = value;
  if (w.fresh) c.v[kColFresh] = value;
  if (w.sea) c.v[kColSea] = value;
  if (w.chamber && withChamber) c.v[kColChamber] = value;
  return c;
}

float roundUp(float v, float step) {
  if (step < 1) return std::max(v, step);
  const float r = std::ceil(v / step) * step;
  return r < step ? step : r;
}

std::string formatDecimals(double v, int decimals) {
  switch (decimals) {
    case 0: return format("%.0f", v);
    case 2: return format("%.2f", v);
    default: return format("%.1f", v);
  }
}

// ---- CStatTable ----

void CStatTable::create(int rowCount) {
  rows_.assign(static_cast<size_t>(std::max(rowCount, 0)), emptyRow());
  slot_.clear();
  used_ = 0;
  totals_ = emptyRow();
}

void CStatTable::clear() {
  std::fill(rows_.begin(), rows_.end(), emptyRow());
  slot_.clear();
  used_ = 0;
  totals_ = emptyRow();
}

bool CStatTable::add(int key, const Contribution& c) {
  if (key < 1) return false;
  int index = -1;
  if (key < kDirectKeys) {
    if (static_cast<size_t>(key) < slot_.size() && slot_[static_cast<size_t>(key)] > 0)
      index = slot_[static_cast<size_t>(key)] - 1;
  } else {
    for (int i = 0; i < used_; ++i)
      if (rows_[static_cast<size_t>(i)].key == key) { index = i; break; }
  }
  if (index < 0) {
    if (used_ >= rowCount()) return false;
    index = used_++;
    if (key < kDirectKeys) {
      if (static_cast<size_t>(key) >= slot_.size()) slot_.resize(static_cast<size_t>(key) + 1, 0);
      slot_[static_cast<size_t>(key)] = index + 1;
    }
  }
  StatRow& row = rows_[static_cast<size_t>(index)];
  row.key = key;
  if (c.hasData) row.hasData = 1;
  ++row.count;
  for (int col = 0; col < kStatColumns; ++col) {
    const float v = c.v[static_cast<size_t>(col)];
    row.sum[col] += v;
    if (v == 0) continue;
    if (col > 0) ++row.nonZero[col - 1];
    if (!hasMinimum(row.min[col]) || v < row.min[col]) row.min[col] = v;
    if (v > row.max[col]) row.max[col] = v;
  }
  return true;
}

StatRow CStatTable::getRow(int key) const {
  StatRow out{};
  int index = -1;
  if (key >= 1 && key < kDirectKeys) {
    if (static_cast<size_t>(key) < slot_.size() && slot_[static_cast<size_t>(key)] > 0)
      index = slot_[static_cast<size_t>(key)] - 1;
  } else if (key >= kDirectKeys) {
    for (int i = 0; i < used_; ++i)
      if (rows_[static_cast<size_t>(i)].key == key) { index = i; break; }
  }
  if (index < 0) return out;
  out = rows_[static_cast<size_t>(index)];
  for (float& m : out.min)
    if (!hasMinimum(m)) m = 0;
  return out;
}

void CStatTable::averageRows() {
  totals_ = emptyRow();
  int withData = 0;
  for (int i = 0; i < used_; ++i) {
    const StatRow& r = rows_[static_cast<size_t>(i)];
    if (!r.hasData) continue;
    ++withData;
    for (int col = 0; col < kStatColumns; ++col) totals_.sum[col] += r.sum[col];
  }
  // An average over no rows is 0, not 0/0.
  if (withData > 0)
    for (float& s : totals_.sum) s /= static_cast<float>(withData);
}

void CStatTable::finishMeans() {
  totals_ = emptyRow();
  int counts[4] = {0, 0, 0, 0};
  for (int i = 0; i < used_; ++i) {
    const StatRow& r = rows_[static_cast<size_t>(i)];
    counts[0] += r.count;
    for (int col = 1; col < kStatColumns; ++col) counts[col] += r.nonZero[col - 1];
    for (int col = 0; col < kStatColumns; ++col) {
      totals_.sum[col] += r.sum[col];
      if (hasMinimum(r.min[col]) && (!hasMinimum(totals_.min[col]) || r.min[col] < totals_.min[col]))
        totals_.min[col] = r.min[col];
      totals_.max[col] = std::max(totals_.max[col], r.max[col]);
    }
  }
  totals_.count = counts[0];
  for (int col = 1; col < kStatColumns; ++col) totals_.nonZero[col - 1] = counts[col];
  for (int col = 0; col < kStatColumns; ++col)
    if (counts[col] > 0) totals_.sum[col] /= static_cast<float>(counts[col]);
  for (int i = 0; i < used_; ++i) {
    StatRow& r = rows_[static_cast<size_t>(i)];
    if (r.count > 0) r.sum[0] /= static_cast<float>(r.count);
    for (int col = 1; col < kStatColumns; ++col)
      if (r.nonZero[col - 1] > 0) r.sum[col] /= static_cast<float>(r.nonZero[col - 1]);
  }
}

void CStatTable::finishValueView(int stat, float step) {
  finishMeans();
  float m = 0;
  for (int i = 0; i < used_; ++i)
    for (int col = 0; col < kStatColumns; ++col)
      m = std::max(m, rows_[static_cast<size_t>(i)].value(stat, col));
  scaleMax = roundUp(std::trunc(m) + 1.0f, step);
}

void CStatTable::finishCounts() {
  float m = 0;
  for (int i = 0; i < used_; ++i) m = std::max(m, rows_[static_cast<size_t>(i)].sum[0]);
  scaleMax = roundUp(std::trunc(m), 10.0f);
}

std::string CStatTable::cellText(const StatRow& row, int column, int view, int stat, int base,
                                 bool airImperial) {
  if (view == kViewCount) return formatDecimals(row.sum[column], 0);
  if (view == kViewPercent)
    return formatDecimals(base > 0 ? row.sum[column] * 100.0 / base : 0.0, 1);
  if (view == kViewAir && column == kColChamber) return {};
  if (stat != kStatMean && column == kColAll) return {};
  const int decimals = view == kViewAir && airImperial && column != kColChamber ? 2 : 1;
  return formatDecimals(row.value(stat, column), decimals);
}

bool CStatTable::takeSelection(int v) {
  if (v != 0 && v != 1) return false;
  selection = v;
  return true;
}

bool CStatTable::takeYear(int v) {
  if (v < yearRangeStart() || v > currentYear) return false;
  year = v;
  return true;
}

bool CStatTable::takeView(int v, bool categoryChart) {
  if (v < 0 || v > (categoryChart ? kViewAir : kViewPercent)) return false;
  view = v;
  return true;
}

bool CStatTable::takeStatistic(int v) {
  if (v < kStatMean || v > kStatMax) return false;
  statistic = v;
  return true;
}

}  // namespace kelp
