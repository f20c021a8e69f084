#include "analysis/ui/stat_chart_view.h"

#include <QLabel>
#include <QPainter>
#include <QWheelEvent>

#include "analysis/ui/stat_bars.h"

namespace {

const char* const kHeads[4] = {QT_TRANSLATE_NOOP("CStatChartView", "Tutte"), QT_TRANSLATE_NOOP("CStatChartView", "A.dolce"),
                               QT_TRANSLATE_NOOP("CStatChartView", "A.salata"),
                               QT_TRANSLATE_NOOP("CStatChartView", "Ricompr.")};

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CStatChartView::CStatChartView(QWidget* parent) : QWidget(parent) {
  scale_ = new QLabel(this);
  scale_->setObjectName(QStringLiteral("1331"));
  scale_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

int CStatChartView::rowHeight() const { return std::max(18, fontMetrics().height() + 4); }

QSize CStatChartView::sizeHint() const {
  const int rows = std::max(count_, 1) + 1;
  return {kMargin * 2 + kLabelWidth + 4 * kValueWidth + kBarMinWidth + 8, kMargin * 2 + rows * rowHeight()};
}

void CStatChartView::setResult(const kelp::StatResult* r, int firstRow, int rowCount) {
  const bool resized = rowCount != count_;
  result_ = r;
  first_ = firstRow;
  count_ = rowCount;
  if (resized) updateGeometry();
  rebuild();
}

void CStatChartView::paintTable(QPainter& p, const QRect& area, const kelp::StatResult& r, int first, int count,
                                const kelp::StatisticsColors& colors, int rowHeight) {
  p.fillRect(area, Qt::white);
  const QFontMetrics fm(p.font());
  const int x0 = area.left() + kMargin;
  const int valuesX = x0 + kLabelWidth;
  const int barX = valuesX + 4 * kValueWidth + 8;
  const int barW = std::max(10, area.right() - kMargin - barX);
  int y = area.top() + kMargin;

  // header: the row head, the four columns and the scale from 0
  p.setPen(Qt::black);
  QFont bold = p.font();
  bold.setBold(true);
  p.save();
  p.setFont(bold);
  const auto heads = kelp::chartPrintHeads(r);
  QString head = q(heads[0]);
  if (r.chart == kelp::kChartPerMonth) head = tr("Mese");
  if (r.chart == kelp::kChartDiveType) head = tr("Tipo imm");
  p.drawText(QRect(x0, y, kLabelWidth - 4, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, head);
  for (int c = 0; c < 4; ++c)
    p.drawText(QRect(valuesX + c * kValueWidth, y, kValueWidth - 4, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
               c == 0 && r.chart == kelp::kChartPerMonth ? tr("Tutti") : tr(kHeads[c]));
  p.restore();
  p.drawText(QRect(barX, y, 40, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("0"));
  y += rowHeight;
  p.setPen(QColor(160, 160, 160));
  p.drawLine(x0, y - 1, area.right() - kMargin, y - 1);

  const QColor below = statColor(colors, kelp::kStBelow), above = statColor(colors, kelp::kStAbove);
  const float scale = r.table.scaleMax;
  for (int i = 0; i < count; ++i) {
    const int row = first + i;
    if (row < 0 || row >= r.rowCount) continue;
    const QRect line(x0, y, area.right() - kMargin - x0, rowHeight);
    if (i % 2) p.fillRect(line, QColor(244, 244, 244));
    const kelp::StatLine l = r.line(row);
    p.setPen(Qt::black);
    p.drawText(QRect(x0, y, kLabelWidth - 4, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, q(l.label));
    for (int c = 0; c < 4; ++c)
      p.drawText(QRect(valuesX + c * kValueWidth, y, kValueWidth - 4, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                 q(l.cells[static_cast<size_t>(c)]));
    const QRect bar(barX, y + 2, barW, rowHeight - 4);
    const kelp::StatBar b = r.bar(row);
    switch (b.kind) {
      case kelp::StatBar::Water: DrawWaterBar(p, bar, b.fresh, b.sea, b.chamber, scale, colors); break;
      case kelp::StatBar::Value:
        DrawValueBar(p, bar, b.value, b.fresh, b.sea, scale, b.above ? above : below, colors);
        break;
      case kelp::StatBar::Value4:
        DrawValueBar4(p, bar, b.value, b.fresh, b.sea, b.chamber, scale, b.above ? above : below, colors);
        break;
    }
    y += rowHeight;
  }
  // the frame of the bar area
  p.setPen(QColor(160, 160, 160));
  p.drawLine(barX - 1, area.top() + kMargin + rowHeight, barX - 1, y);
  p.drawLine(barX + barW, area.top() + kMargin + rowHeight, barX + barW, y);
}

void CStatChartView::rebuild() {
  const QSize s = size().isEmpty() ? sizeHint() : size();
  const qreal dpr = devicePixelRatioF();
  pixmap_ = QPixmap(s * dpr);
  pixmap_.setDevicePixelRatio(dpr);
  QPainter p(&pixmap_);
  p.setFont(font());
  if (result_)
    paintTable(p, QRect(QPoint(0, 0), s), *result_, first_, count_, kelp::settings().statisticsColors, rowHeight());
  else
    p.fillRect(QRect(QPoint(0, 0), s), Qt::white);
  p.end();
  // the scale maximum at the right end of the bar header
  const int barRight = s.width() - kMargin;
  scale_->setGeometry(barRight - 80, kMargin, 80, rowHeight());
  scale_->setText(result_ ? QString::asprintf("%.0f", static_cast<double>(result_->table.scaleMax)) : QString());
  update();
}

void CStatChartView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, pixmap_);
}

void CStatChartView::resizeEvent(QResizeEvent*) { rebuild(); }

void CStatChartView::wheelEvent(QWheelEvent* e) {
  const int steps = e->angleDelta().y() / 120;
  if (steps != 0) emit wheelSteps(-steps);
  e->accept();
}
