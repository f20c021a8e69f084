#pragma once
// The printed pages of a statistics chart (print kind 7): the page header with the
// chart's title and subtitle, the column heads, one line per row and the summary lines,
// in "Arial" of 11 and 9 points. The per-year and per-month charts print from their first
// row over as many pages as their rows need, the activity chart on two pages, every other
// chart on one.
#include <cstdint>
#include <string>

#include "analysis/stat_charts.h"
#include "profile/ui/print/page_source.h"

namespace kelp::print {

class StatPages : public PageSource {
 public:
  // logbookPath names the logbook in the footer; today is the footer's date (day number).
  StatPages(StatResult result, std::string logbookPath, int32_t today);
  int kind() const override { return kKindStatistics; }
  QString title() const override;
  int pageCount(const PageArea& area) override;
  void paintPage(QPainter& p, const PageArea& area, int index) override;

  // The rows (0-based, first and count) that page `index` prints.
  void pageRows(int index, int& first, int& count) const;

 private:
  StatResult r_;
  std::string path_;
  int32_t today_;
};

// Left edges of the printed columns: the row label and the four values, in millimetres.
inline constexpr double kStatColumnsMm[5] = {15, 55, 90, 125, 160};

}  // namespace kelp::print
