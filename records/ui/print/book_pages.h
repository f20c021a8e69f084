#pragma once
// The printed pages of a book (print kinds 1 owner, 2 equipment, 3 addresses, 4 trips,
// 6 activities), laid out as the logbook's list pages: the page header with the book's title,
// the lines above the table, the column headings in 10-point "Arial" (repeated on every
// page), the rows in 9-point "Arial" with each cell wrapped to its column, the totals after
// the last row, and the page footer with the book's file name.
#include <QString>
#include <cstdint>
#include <vector>

#include "profile/ui/print/page_source.h"
#include "records/book_print.h"

class QFont;

namespace kelp::print {

class BookPages : public PageSource {
 public:
  // today: the print date of the footer (a day number).
  explicit BookPages(BookPrintout printout, int32_t today);
  int kind() const override { return m_p.kind; }
  QString title() const override;
  int pageCount(const PageArea& area) override;
  void paintPage(QPainter& p, const PageArea& area, int index) override;

  const BookPrintout& printout() const { return m_p; }

 private:
  void layout(const PageArea& area);
  BookPrintout m_p;
  int32_t m_today;
  int m_laidOutWidth = -1, m_laidOutHeight = -1;
  std::vector<int> m_columnX, m_columnW;  // tenths of a millimetre
  std::vector<int> m_rowHeights;
  std::vector<size_t> m_pageStarts;       // first row of each page
  int m_bodyTop = 0;
};

}  // namespace kelp::print
