#include "analysis/ui/print/stat_pages.h"

#include <QPainter>
#include <algorithm>

#include "core/strings.h"
#include "core/texts.h"

namespace kelp::print {
namespace {

constexpr int kActivityFirstPageRows = 12;  // the activity bits; the special and other rows follow
constexpr double kValueWidthMm = 30;        // values stand right-aligned in their column

QString q(const std::string& s) { return QString::fromStdString(s); }

void drawLine(QPainter& p, int y, const StatLine& l) {
  drawText(p, mm(kStatColumnsMm[0]), y, l.label, Qt::AlignLeft, mm(kStatColumnsMm[1] - kStatColumnsMm[0] - 2));
  for (int c = 0; c < 4; ++c)
    drawText(p, mm(kStatColumnsMm[c + 1] + kValueWidthMm), y, l.cells[static_cast<size_t>(c)], Qt::AlignRight);
}

// Summary lines as printed: the air charts print the mean, minimum and maximum of all dives.
std::vector<StatLine> printedSummary(const StatResult& r) {
  if (chartKind(r.chart) != ChartKind::AirPeriod) return r.summary();
  const StatRow& t = r.table.getTotals();
  const int d = r.valueDecimals();
  const float min = t.min[kColAll] == kEmptyMinimum ? 0.0f : t.min[kColAll];
  return {{str(62673), {formatDecimals(t.sum[kColAll], d), formatDecimals(min, d), formatDecimals(t.max[kColAll], d), ""}}};
}

}  // namespace

StatPages::StatPages(StatResult result, std::string logbookPath, int32_t today)
    : r_(std::move(result)), path_(std::move(logbookPath)), today_(today) {}

QString StatPages::title() const { return q(chartPrintTitle(r_)); }

int StatPages::pageCount(const PageArea& /*area*/) { return chartPageCount(r_); }

void StatPages::pageRows(int index, int& first, int& count) const {
  const ChartKind k = chartKind(r_.chart);
  if (k == ChartKind::Period || k == ChartKind::AirPeriod) {
    first = index * kPeriodRowsPerPage;
    count = std::min(kPeriodRowsPerPage, r_.rowCount - first);
  } else if (r_.chart == kChartActivity) {
    first = index == 0 ? 0 : kActivityFirstPageRows;
    count = index == 0 ? kActivityFirstPageRows : r_.rowCount - kActivityFirstPageRows;
  } else {
    first = 0;
    count = r_.rowCount;
  }
  count = std::max(count, 0);
}

void StatPages::paintPage(QPainter& p, const PageArea& area, int index) {
  int y = drawPageHeader(p, area, q(chartPrintTitle(r_)), q(chartPrintSubtitle(r_)));
  y += mm(4);

  // column heads
  p.setFont(printFont(Face::Sans, 11, true));
  const auto heads = chartPrintHeads(r_);
  drawText(p, mm(kStatColumnsMm[0]), y, heads[0]);
  for (int c = 0; c < 4; ++c) drawText(p, mm(kStatColumnsMm[c + 1] + kValueWidthMm), y, heads[static_cast<size_t>(c + 1)], Qt::AlignRight);
  y += lineHeight(p) + mm(1);
  p.drawLine(mm(kStatColumnsMm[0]), y, mm(kStatColumnsMm[4] + kValueWidthMm), y);
  y += mm(1.5);

  // rows
  p.setFont(printFont(Face::Sans, 9));
  const int step = std::max(lineHeight(p), mm(4.5));
  int first = 0, count = 0;
  pageRows(index, first, count);
  for (int i = first; i < first + count; ++i) {
    drawLine(p, y, chartPrintLine(r_, i));
    y += step;
  }

  // the summary lines close the last page
  if (index == chartPageCount(r_) - 1) {
    const auto summary = printedSummary(r_);
    if (!summary.empty()) {
      y += mm(1);
      p.drawLine(mm(kStatColumnsMm[0]), y, mm(kStatColumnsMm[4] + kValueWidthMm), y);
      y += mm(1.5);
      for (const StatLine& l : summary) {
        drawLine(p, y, l);
        y += step;
      }
    }
    if (r_.chart == kChartDepth || r_.chart == kChartTemperature) {
      const std::string unit = r_.chart == kChartDepth ? str(r_.options.metric ? 62446 : 62447)
                                                        : str(r_.options.metric ? 62448 : 62449);
      drawText(p, mm(kStatColumnsMm[0]), y + mm(1), "[" + unit + "]");
    }
  }
  drawPageFooter(p, area, path_, today_);
}

}  // namespace kelp::print
