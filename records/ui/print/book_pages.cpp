#include "records/ui/print/book_pages.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace kelp::print {
namespace {

constexpr int kMargin = mm(10);     // the table runs between the furniture's lines
constexpr int kCellPad = mm(1.2);   // text inset inside a cell
constexpr int kRowGap = mm(1.4);    // space between rows
constexpr double kGivenWidth = 170; // the millimetres the columns are given in

QString q(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QFont rowFont() { return printFont(Face::Sans, 9); }
QFont headFont() { return printFont(Face::Sans, 10, true); }
QFont introFont() { return printFont(Face::Sans, 10); }

// A device to measure on: the print resolution, where one pixel is a tenth of a millimetre.
QImage& measuringDevice() {
  static QImage img = [] {
    QImage i(1, 1, QImage::Format_ARGB32);
    i.setDotsPerMeterX(10000);
    i.setDotsPerMeterY(10000);
    return i;
  }();
  return img;
}

int lineOf(const QFont& f) { return QFontMetrics(f, &measuringDevice()).height(); }

int wrappedHeight(const QFont& f, int width, const QString& text) {
  if (text.isEmpty()) return 0;
  const QFontMetrics fm(f, &measuringDevice());
  return fm.boundingRect(QRect(0, 0, std::max(1, width), 1000000), Qt::TextWordWrap, text).height();
}

Qt::Alignment alignOf(const PrintColumn& c) { return c.right ? Qt::AlignRight : Qt::AlignLeft; }

}  // namespace

BookPages::BookPages(BookPrintout printout, int32_t today) : m_p(std::move(printout)), m_today(today) {}

QString BookPages::title() const { return q(m_p.title); }

void BookPages::layout(const PageArea& area) {
  if (area.width == m_laidOutWidth && area.height == m_laidOutHeight) return;
  m_laidOutWidth = area.width;
  m_laidOutHeight = area.height;

  // Columns: the millimetres they are given in, stretched to the width between the lines.
  const int width = std::max(mm(40), area.width - 2 * kMargin);
  m_columnX.clear();
  m_columnW.clear();
  double x = kMargin;
  for (const PrintColumn& c : m_p.columns) {
    const double w = c.width * width / kGivenWidth;
    m_columnX.push_back(int(x));
    m_columnW.push_back(int(x + w) - int(x));
    x += w;
  }

  // The body starts below the header, the intro lines and the column headings.
  int top = 0;
  {
    QPainter p(&measuringDevice());
    top = drawPageHeader(p, area, title());
  }
  if (!m_p.intro.empty()) top += int(m_p.intro.size()) * (lineOf(introFont()) + mm(1)) + mm(2);
  // Headings wrap inside their column, like the cells.
  int heads = lineOf(headFont());
  for (size_t c = 0; c < m_p.columns.size(); ++c)
    heads = std::max(heads, wrappedHeight(headFont(), m_columnW[c] - 2 * kCellPad, q(m_p.columns[c].heading)));
  m_bodyTop = top + heads + mm(2.5);
  const int bottom = footerTop(area) - mm(3);
  const int totals = m_p.totals.empty() ? 0 : int(m_p.totals.size()) * (lineOf(headFont()) + mm(1)) + mm(4);

  m_rowHeights.clear();
  for (const auto& row : m_p.rows) {
    int h = lineOf(rowFont());
    for (size_t c = 0; c < row.size() && c < m_columnW.size(); ++c)
      h = std::max(h, wrappedHeight(rowFont(), m_columnW[c] - 2 * kCellPad, q(row[c])));
    m_rowHeights.push_back(h + kRowGap);
  }
  // A row that does not fit below the ones before starts a page; one taller than a page
  // is cut at the page's end.
  m_pageStarts.assign(1, 0);
  int y = m_bodyTop;
  for (size_t i = 0; i < m_rowHeights.size(); ++i) {
    if (y + m_rowHeights[i] > bottom && y > m_bodyTop) {
      m_pageStarts.push_back(i);
      y = m_bodyTop;
    }
    y += m_rowHeights[i];
  }
  if (totals && y + totals > bottom && y > m_bodyTop) m_pageStarts.push_back(m_rowHeights.size());
}

int BookPages::pageCount(const PageArea& area) {
  layout(area);
  return int(m_pageStarts.size());
}

void BookPages::paintPage(QPainter& p, const PageArea& area, int index) {
  layout(area);
  if (index < 0 || index >= int(m_pageStarts.size())) return;
  const int right = area.width - kMargin;
  const int bottom = footerTop(area) - mm(3);
  int y = drawPageHeader(p, area, title());

  // The owner's lines above the table.
  p.setFont(introFont());
  for (const std::string& l : m_p.intro) {
    drawText(p, kMargin + kCellPad, y, q(l));
    y += lineHeight(p) + mm(1);
  }
  if (!m_p.intro.empty()) y += mm(2);

  // Column headings with a line under them.
  p.setFont(headFont());
  for (size_t c = 0; c < m_p.columns.size(); ++c) {
    const QRect cell(m_columnX[c] + kCellPad, y, m_columnW[c] - 2 * kCellPad, m_bodyTop - mm(2.5) - y);
    p.drawText(cell, int(alignOf(m_p.columns[c]) | Qt::AlignBottom | Qt::TextWordWrap), q(m_p.columns[c].heading));
  }
  y = m_bodyTop - mm(1);
  p.setPen(QPen(Qt::black, 3));
  p.drawLine(kMargin, y, right, y);
  y = m_bodyTop;

  // The rows, a thin grey line under each.
  const size_t first = m_pageStarts[size_t(index)];
  const size_t last = size_t(index) + 1 < m_pageStarts.size() ? m_pageStarts[size_t(index) + 1] : m_p.rows.size();
  p.setFont(rowFont());
  for (size_t i = first; i < last; ++i) {
    const int h = std::min(m_rowHeights[i], bottom - y);
    p.setPen(QPen(Qt::black, 1));
    for (size_t c = 0; c < m_p.rows[i].size() && c < m_columnX.size(); ++c) {
      const QRect cell(m_columnX[c] + kCellPad, y + kRowGap / 2, m_columnW[c] - 2 * kCellPad, h - kRowGap / 2);
      p.save();
      p.setClipRect(cell);
      p.drawText(cell, int(alignOf(m_p.columns[c]) | Qt::AlignTop | Qt::TextWordWrap), q(m_p.rows[i][c]));
      p.restore();
    }
    y += h;
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.drawLine(kMargin, y, right, y);
  }

  // The totals after the last row.
  if (index == int(m_pageStarts.size()) - 1 && !m_p.totals.empty()) {
    y += mm(2);
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(kMargin, y, right, y);
    y += mm(1.5);
    p.setFont(headFont());
    for (const std::string& l : m_p.totals) {
      drawText(p, kMargin + kCellPad, y, q(l));
      y += lineHeight(p) + mm(1);
    }
  }

  p.setPen(QPen(Qt::black, 1));
  drawPageFooter(p, area, m_p.file, m_today);
  if (m_pageStarts.size() > 1) {
    p.setFont(printFont(Face::Sans, 6));
    drawText(p, area.width - kMargin, footerTop(area) + mm(1),
             QStringLiteral("%1/%2").arg(index + 1).arg(m_pageStarts.size()), Qt::AlignRight);
  }
}

}  // namespace kelp::print
