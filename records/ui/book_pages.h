#pragma once
// The printed pages of a book: the page header with the book's title, the lines above the
// table, the column headings (repeated on every page), the rows with their cells wrapped to
// the column, the totals after the last row and the page footer — in the fonts and
// millimetre positions of the logbook pages.
#include <QSizeF>
#include <QString>
#include <vector>

#include "records/book_print.h"

class QPainter;
class QPagedPaintDevice;
class QWidget;

class BookPages {
 public:
  explicit BookPages(kelp::BookPrintout printout);

  // Lays the rows out for a printable area of `area` millimetres on the painter's device.
  void layout(QPainter& painter, QSizeF area);
  int pageCount() const { return int(m_pageStarts.size()); }
  // Paints page `page` (0-based) of the last layout.
  void paintPage(QPainter& painter, int page) const;

  // Prints every page to a paged device (a printer or a PDF writer) whose painter is open.
  void printAll(QPainter& painter, QPagedPaintDevice& device, QSizeF area);

  const kelp::BookPrintout& printout() const { return m_p; }

 private:
  double rowHeight(QPainter& painter, size_t row) const;
  kelp::BookPrintout m_p;
  QSizeF m_area;
  double m_dpmm = 1;
  std::vector<double> m_columnX, m_columnW;  // millimetres
  std::vector<double> m_rowHeights;          // millimetres
  std::vector<size_t> m_pageStarts;          // first row of each page
  double m_bodyTop = 0, m_bodyBottom = 0;
};

// Writes a printout to a PDF file (A4); false with a message when it cannot be written.
bool writeBookPdf(const kelp::BookPrintout& printout, const QString& path, QString* error = nullptr);
// The program's print path for a book: the system print dialog, then the printer.
void printBookWithDialog(QWidget* parent, const kelp::BookPrintout& printout);
