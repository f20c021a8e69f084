#include "records/ui/book_pages.h"

#include <QDate>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace {

// Page furniture and table positions, millimetres from the printable area's edges.
constexpr double kLeft = 20, kRight = 20;        // table margins
constexpr double kHeaderTop = 10;                // title
constexpr double kFooterFromBottom = 10;         // footer line
constexpr double kFooterX = 10;
constexpr double kCellPad = 1.2;                 // text inset inside a cell
constexpr double kRowGap = 1.0;                  // space below a row's text
constexpr double kTableWidth = 170;              // the width the columns are given in

QString q(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QFont arial(double pt, bool bold = false) {
  QFont f(QStringLiteral("Arial"));
  f.setPointSizeF(pt);
  f.setBold(bold);
  return f;
}

QFont times(double pt) {
  QFont f(QStringLiteral("Times New Roman"));
  f.setPointSizeF(pt);
  return f;
}

}  // namespace

BookPages::BookPages(kelp::BookPrintout printout) : m_p(std::move(printout)) {}

double BookPages::rowHeight(QPainter& painter, size_t row) const {
  painter.setFont(arial(9));
  const QFontMetricsF fm(painter.font(), painter.device());
  double h = fm.height() / m_dpmm;
  const auto& cells = m_p.rows[row];
  for (size_t c = 0; c < cells.size() && c < m_columnW.size(); ++c) {
    const double w = (m_columnW[c] - 2 * kCellPad) * m_dpmm;
    const QRectF r = fm.boundingRect(QRectF(0, 0, w, 1e7), Qt::TextWordWrap, q(cells[c]));
    h = std::max(h, r.height() / m_dpmm);
  }
  return h + kRowGap;
}

void BookPages::layout(QPainter& painter, QSizeF area) {
  m_area = area;
  m_dpmm = painter.device()->logicalDpiX() / 25.4;
  // Columns: the 170 mm they are given in, stretched or shrunk to the area.
  const double width = std::max(40.0, area.width() - kLeft - kRight);
  double x = kLeft;
  m_columnX.clear();
  m_columnW.clear();
  for (const auto& c : m_p.columns) {
    const double w = c.width * width / kTableWidth;
    m_columnX.push_back(x);
    m_columnW.push_back(w);
    x += w;
  }
  // The body starts below the header, the intro lines and the column headings.
  painter.setFont(arial(10));
  const double line10 = QFontMetricsF(painter.font(), painter.device()).height() / m_dpmm;
  m_bodyTop = 30 + double(m_p.intro.size()) * (line10 + 1) + (m_p.intro.empty() ? 0 : 3) + line10 + 2;
  m_bodyBottom = area.height() - kFooterFromBottom - 4;
  const double totalsHeight = m_p.totals.empty() ? 0 : double(m_p.totals.size()) * (line10 + 1) + 4;

  m_rowHeights.clear();
  for (size_t i = 0; i < m_p.rows.size(); ++i) m_rowHeights.push_back(rowHeight(painter, i));
  m_pageStarts.assign(1, 0);
  double y = m_bodyTop;
  for (size_t i = 0; i < m_rowHeights.size(); ++i) {
    if (y + m_rowHeights[i] > m_bodyBottom && y > m_bodyTop) {
      m_pageStarts.push_back(i);
      y = m_bodyTop;
    }
    y += m_rowHeights[i];
  }
  if (y + totalsHeight > m_bodyBottom && y > m_bodyTop) m_pageStarts.push_back(m_rowHeights.size());
}

void BookPages::paintPage(QPainter& painter, int page) const {
  if (page < 0 || page >= pageCount()) return;
  const double k = m_dpmm;
  auto pt = [k](double xmm, double ymm) { return QPointF(xmm * k, ymm * k); };
  auto rect = [k](double x, double y, double w, double h) { return QRectF(x * k, y * k, w * k, h * k); };
  const double right = m_area.width() - kRight;
  QPen thin(Qt::black);
  thin.setWidthF(0.2 * k);
  QPen hair(QColor(150, 150, 150));
  hair.setWidthF(0.1 * k);
  painter.save();
  painter.setPen(thin);

  // Header: the title in 22-point Times, centred 10 mm from the top, a line under it.
  painter.setFont(times(22));
  const QFontMetricsF titleFm(painter.font(), painter.device());
  const double titleH = titleFm.height() / k;
  painter.drawText(rect(0, kHeaderTop, m_area.width(), titleH), Qt::AlignHCenter | Qt::AlignTop, q(m_p.title));
  const double headLine = kHeaderTop + titleH + 2;
  painter.drawLine(pt(kLeft, headLine), pt(right, headLine));

  // The owner's lines above the table.
  painter.setFont(arial(10));
  const double line10 = QFontMetricsF(painter.font(), painter.device()).height() / k;
  double y = 30;
  for (const std::string& l : m_p.intro) {
    painter.drawText(rect(kLeft + kCellPad, y, right - kLeft, line10), Qt::AlignLeft | Qt::AlignTop, q(l));
    y += line10 + 1;
  }
  if (!m_p.intro.empty()) y += 3;

  // Column headings in 10-point Arial with a line under them.
  painter.setFont(arial(10, true));
  for (size_t c = 0; c < m_p.columns.size(); ++c) {
    const auto align = (m_p.columns[c].right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
    painter.drawText(rect(m_columnX[c] + kCellPad, y, m_columnW[c] - 2 * kCellPad, line10), align,
                     q(m_p.columns[c].heading));
  }
  y += line10 + 1;
  painter.drawLine(pt(kLeft, y), pt(right, y));
  y = m_bodyTop;

  // Rows in 9-point Arial, a hairline between them.
  const size_t first = m_pageStarts[size_t(page)];
  const size_t last = page + 1 < pageCount() ? m_pageStarts[size_t(page) + 1] : m_p.rows.size();
  painter.setFont(arial(9));
  for (size_t i = first; i < last; ++i) {
    const double h = std::min(m_rowHeights[i], m_bodyBottom - y);
    painter.setPen(thin);
    for (size_t c = 0; c < m_p.rows[i].size() && c < m_columnX.size(); ++c) {
      const auto align = (m_p.columns[c].right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop | Qt::TextWordWrap;
      const QRectF r = rect(m_columnX[c] + kCellPad, y + kRowGap / 2, m_columnW[c] - 2 * kCellPad, h - kRowGap / 2);
      painter.save();
      painter.setClipRect(r);
      painter.drawText(r, align, q(m_p.rows[i][c]));
      painter.restore();
    }
    y += h;
    painter.setPen(hair);
    painter.drawLine(pt(kLeft, y), pt(right, y));
  }

  // Totals after the last row.
  if (page == pageCount() - 1 && !m_p.totals.empty()) {
    y += 2;
    painter.setPen(thin);
    painter.drawLine(pt(kLeft, y), pt(right, y));
    y += 1.5;
    painter.setFont(arial(10, true));
    for (const std::string& l : m_p.totals) {
      painter.drawText(rect(kLeft + kCellPad, y, right - kLeft, line10), Qt::AlignLeft | Qt::AlignTop, q(l));
      y += line10 + 1;
    }
  }

  // Footer: a line across and the print date in 6-point Arial, the file name first.
  painter.setPen(thin);
  const double footer = m_area.height() - kFooterFromBottom;
  painter.drawLine(pt(kFooterX, footer), pt(m_area.width() - kFooterX, footer));
  painter.setFont(arial(6));
  const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
  const QString text = m_p.file.empty()
                           ? QStringLiteral("Ausgedruckt am: %1").arg(today)
                           : QStringLiteral("<%1> Ausgedruckt am: %2").arg(QFileInfo(q(m_p.file)).fileName(), today);
  painter.drawText(rect(kFooterX, footer + 1, m_area.width() - 2 * kFooterX, 5), Qt::AlignLeft | Qt::AlignTop, text);
  if (pageCount() > 1)
    painter.drawText(rect(kFooterX, footer + 1, m_area.width() - 2 * kFooterX, 5), Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("%1/%2").arg(page + 1).arg(pageCount()));
  painter.restore();
}

void BookPages::printAll(QPainter& painter, QPagedPaintDevice& device, QSizeF area) {
  layout(painter, area);
  for (int p = 0; p < pageCount(); ++p) {
    if (p > 0) device.newPage();
    paintPage(painter, p);
  }
}

bool writeBookPdf(const kelp::BookPrintout& printout, const QString& path, QString* error) {
  QPdfWriter pdf(path);
  pdf.setResolution(600);
  pdf.setTitle(q(printout.title));
  pdf.setCreator(QStringLiteral("Kelp"));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  QPainter painter;
  if (!painter.begin(&pdf)) {
    if (error) *error = QStringLiteral("Impossibile scrivere il file %1.").arg(path);
    return false;
  }
  BookPages pages(printout);
  pages.printAll(painter, pdf, QSizeF(210, 297));
  painter.end();
  return true;
}

void printBookWithDialog(QWidget* parent, const kelp::BookPrintout& printout) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dlg(&printer, parent);
  if (dlg.exec() != QDialog::Accepted) return;
  QPainter painter;
  if (!painter.begin(&printer)) return;
  const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
  BookPages pages(printout);
  pages.printAll(painter, printer, area.size());
  painter.end();
}
