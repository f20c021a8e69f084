#include "profile/ui/print/page_source.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "core/texts.h"
#include "profile/print_layout.h"

namespace kelp::print {

QFont printFont(Face face, double points, bool bold) {
  QFont f;
  // The metric twins stand in where the named faces are not installed.
  if (face == Face::Serif)
    f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
  else
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

void drawText(QPainter& p, int x, int top, const QString& text, Qt::Alignment align, int maxWidth) {
  if (text.isEmpty()) return;
  const QFontMetrics fm = p.fontMetrics();
  const QString shown = maxWidth > 0 ? fm.elidedText(text, Qt::ElideRight, maxWidth) : text;
  const int w = fm.horizontalAdvance(shown);
  int left = x;
  if (align & Qt::AlignRight)
    left = x - w;
  else if (align & Qt::AlignHCenter)
    left = x - w / 2;
  p.drawText(QPointF(left, top + fm.ascent()), shown);
}

int lineHeight(const QPainter& p) { return p.fontMetrics().height(); }

int drawPageHeader(QPainter& p, const PageArea& area, const QString& title, const QString& subtitle) {
  p.save();
  int y = mm(10);
  p.setFont(printFont(Face::Serif, 22));
  drawText(p, area.width / 2, y, title, Qt::AlignHCenter);
  y += lineHeight(p);
  if (!subtitle.isEmpty()) {
    p.setFont(printFont(Face::Serif, 14));
    drawText(p, area.width / 2, y, subtitle, Qt::AlignHCenter);
    y += lineHeight(p);
  }
  y += mm(1.5);
  p.setPen(QPen(Qt::black, 3));
  p.drawLine(mm(10), y, area.width - mm(10), y);
  p.restore();
  return y + mm(2);
}

int footerTop(const PageArea& area) { return area.height - kFooterHeight; }

void drawPageFooter(QPainter& p, const PageArea& area, const std::string& logbookPath, int32_t today) {
  p.save();
  const int y = footerTop(area);
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(mm(10), y, area.width - mm(10), y);
  p.setFont(printFont(Face::Sans, 6));
  const std::string date = formatDateList(today);
  QString text;
  if (logbookPath.empty()) {
    text = QCoreApplication::translate("PageSource", "Ausgedruckt am: %1").arg(QString::fromStdString(date));
  } else {
    const size_t slash = logbookPath.find_last_of('/');
    const std::string name = slash == std::string::npos ? logbookPath : logbookPath.substr(slash + 1);
    text = QCoreApplication::translate("PageSource", "<%1> Ausgedruckt am: %2")
               .arg(QString::fromStdString(name), QString::fromStdString(date));
  }
  drawText(p, mm(10), y + mm(1), text);
  p.restore();
}

QPageLayout defaultPageLayout(QPageSize::PageSizeId size) {
  return QPageLayout(QPageSize(size), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                     QPageLayout::Millimeter);
}

PageArea pageArea(const QPageLayout& layout) {
  const QRect r = layout.paintRectPixels(kPrintDpi);
  return {r.width(), r.height()};
}

int renderPages(PageSource& src, QPagedPaintDevice& dev, int from, int to) {
  // A device that will not run at kPrintDpi is scaled to tenths of a millimetre; lines and
  // positions stay true there, point sizes do not, so every print device is set to kPrintDpi.
  const double scale = dev.logicalDpiX() / static_cast<double>(kPrintDpi);
  const PageArea area{static_cast<int>(dev.width() / scale), static_cast<int>(dev.height() / scale)};
  const int count = src.pageCount(area);
  if (from < 1) from = 1;
  if (to <= 0 || to > count) to = count;
  if (from > to) return 0;
  QPainter p;
  if (!p.begin(&dev)) return -1;
  for (int i = from; i <= to; ++i) {
    if (i > from) dev.newPage();
    p.save();
    if (scale != 1.0) p.scale(scale, scale);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.setFont(printFont(Face::Sans, 9));
    src.paintPage(p, area, i - 1);
    p.restore();
  }
  p.end();
  return to - from + 1;
}

namespace {
std::string cannotWrite(const std::string& path) {
  return QCoreApplication::translate("PageSource", "Impossibile scrivere il file %1.")
      .arg(QString::fromStdString(path))
      .toStdString();
}
}  // namespace

Result writePdf(PageSource& src, const std::string& path, const QPageLayout& layout) {
  const QString file = QString::fromStdString(path);
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPrintDpi);
    writer.setPageLayout(layout);
    writer.setTitle(src.title());
    writer.setCreator(QStringLiteral("Kelp"));
    const int n = renderPages(src, writer);
    if (n == 0)
      return Result::failure(
          QCoreApplication::translate("PageSource", "Nessuna pagina da stampare.").toStdString());
    if (n < 0) return Result::failure(cannotWrite(path));
  }
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
    return Result::failure(cannotWrite(path));
  return Result::success();
}

}  // namespace kelp::print
