#include "profile/ui/profile_graph.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/texts.h"
#include "profile/ui/profile_plot.h"

namespace kelp {
namespace {

const QColor kLightGrey(192, 192, 192);
const QColor kBarGrey(128, 128, 128);
const QColor kYellow(255, 255, 0);
const QColor kDarkBlue(0, 0, 128);
const QColor kRed(255, 0, 0);
const QColor kFaceTint(255, 255, 192);

constexpr int kGaugeX[3] = {5, 90, 175};
constexpr int kGaugeY = 5;
constexpr int kGaugeSize = 80;
constexpr int kNeedle = 37;

struct ScaleLabel {
  double value;
  const char* text;
};

// Tick marks and labels of one gauge, around its centre.
void drawScale(QPainter& p, int x, double full, const std::vector<ScaleLabel>& labels) {
  const double cx = x + 39, cy = kGaugeY + 39;
  p.setPen(QPen(Qt::black, 1));
  p.drawEllipse(QRect(x, kGaugeY, kGaugeSize - 1, kGaugeSize - 1));
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(9);
  p.setFont(f);
  // The bottom mark where the scale starts and ends.
  p.drawLine(QPointF(cx, cy + 33), QPointF(cx, cy + 39));
  for (const ScaleLabel& l : labels) {
    const double a = gaugeAngle(l.value, full);
    double x1, y1, x2, y2, tx, ty;
    gaugeRimPoint(cx, cy, 34, a, x1, y1);
    gaugeRimPoint(cx, cy, 39, a, x2, y2);
    gaugeRimPoint(cx, cy, 25, a, tx, ty);
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    p.drawText(QRectF(tx - 14, ty - 6, 28, 12), Qt::AlignCenter,
               QCoreApplication::translate("CGaugePanel", l.text));
  }
}

void needle(QPainter& p, int x, double value, double full, const QColor& c) {
  const double cx = x + 39, cy = kGaugeY + 39;
  double ex, ey;
  gaugeRimPoint(cx, cy, kNeedle, gaugeAngle(value, full), ex, ey);
  p.setPen(QPen(c, 1));
  p.drawLine(QPointF(cx, cy), QPointF(ex, ey));
}

// The three 8 x 8 icons above the bars' names.
constexpr uint8_t kIcons[3][8] = {
    {0x00, 0x00, 0x66, 0x99, 0x00, 0x66, 0x99, 0x00},  // waves
    {0x18, 0x18, 0x3C, 0x3C, 0x7E, 0x7E, 0xFF, 0x00},  // a heap
    {0x66, 0xFF, 0xFF, 0xFF, 0x7E, 0x3C, 0x18, 0x00},  // a heart
};

}  // namespace

QRect graphFrame(const QSize& size) { return QRect(26, 24, size.width() - 50, size.height() - 48); }

void drawProfileGraph(QPainter& p, const QSize& size, const DiveRecord& r, const ProfileColors& c,
                      const GraphOptions& o) {
  const QRect area(QPoint(0, 0), size);
  const int n = std::clamp<int>(r.sampleCount, 0, MAX_SAMPLES - 1);
  if (n <= 0) {
    p.fillRect(area, kLightGrey);
    return;
  }
  p.fillRect(area, toQColor(c[kColBackground]));
  CProfilePlot plot;
  plot.setFrame(toQColor(c[kColLines]), toQColor(c[kColText]), 26, 24, size.width() - 50,
                size.height() - 48);
  plot.setDiveRanges(r);
  plot.drawTimeAxes(p, n + 1, o.grid);
  plot.drawDecoLine(p, toQColor(c[kColDecoLine]), r.samples, n + 1);
  plot.drawSampleCurve(p, toQColor(c[kColProfile]), toQColor(c[kColWarnings]), o.curveWidth, r.samples, n + 1);
  if (o.clip && o.clip->shown && o.clip->count > 0)
    plot.drawClipCurve(p, toQColor(c[kColClipProfile]), toQColor(c[kColWarnings]), 2, o.clip->depths,
                       o.clip->flags, o.clip->count);
  if (o.averageLine) {
    double avg = shownAvgDepth(r);
    if (avg > 0) {
      if (!plot.metric()) avg = metresToFeet(avg);
      plot.drawLine(p, toQColor(c[kColLines]), 2, 0, avg, n, avg);
    }
  }
}

void drawWarningStrip(QPainter& p, const QSize& size, const DiveRecord& r, const ProfileColors& c,
                      bool fiveLanes) {
  const QRect area(QPoint(0, 0), size);
  const int n = std::clamp<int>(r.sampleCount, 0, MAX_SAMPLES - 1);
  if (n <= 0) {
    p.fillRect(area, kLightGrey);
    return;
  }
  p.fillRect(area, toQColor(c[kColBackground]));
  CProfilePlot plot;
  plot.setFrame(toQColor(c[kColLines]), toQColor(c[kColText]), 26, 4, size.width() - 50, size.height() - 8);
  plot.setDiveRanges(r);
  plot.drawLaneAxes(p, n + 1, fiveLanes);
  plot.drawWarningLanes(p, toQColor(c[kColWarnings]), toQColor(c[kColRadio]), 3, r.samples, n + 1, fiveLanes);
}

void drawGaugeFaces(QPainter& p, bool metricUnits, bool tinted) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (tinted)
    for (int x : kGaugeX) {
      p.setPen(Qt::NoPen);
      p.setBrush(kFaceTint);
      p.drawEllipse(QRect(x, kGaugeY, kGaugeSize - 1, kGaugeSize - 1));
    }
  p.setBrush(Qt::NoBrush);
  const GaugeScales s = gaugeScales(metricUnits);
  if (metricUnits) {
    drawScale(p, kGaugeX[0], s.consumption, {{10, "10"}, {20, "20"}, {30, "30"}, {40, "40"}, {50, "50"}});
    drawScale(p, kGaugeX[1], s.depth,
              {{10, "10"}, {20, "20"}, {30, "30"}, {40, "40"}, {50, "50"}, {60, "60"}, {70, "70"}});
    drawScale(p, kGaugeX[2], s.pressure, {{50, "50"}, {100, "100"}, {150, "150"}, {200, "200"}, {250, "250"}});
  } else {
    drawScale(p, kGaugeX[0], s.consumption,
              // the decimal mark follows the language
              {{0.33, QT_TRANSLATE_NOOP("CGaugePanel", "0,33")},
               {0.66, QT_TRANSLATE_NOOP("CGaugePanel", "0,66")},
               {1.0, QT_TRANSLATE_NOOP("CGaugePanel", "1,00")},
               {1.33, QT_TRANSLATE_NOOP("CGaugePanel", "1.33")},
               {1.66, QT_TRANSLATE_NOOP("CGaugePanel", "1,66")}});
    drawScale(p, kGaugeX[1], s.depth,
              {{30, "30"}, {60, "60"}, {90, "90"}, {120, "120"}, {150, "150"}, {180, "180"}, {210, "210"}});
    drawScale(p, kGaugeX[2], s.pressure,
              {{700, "700"}, {1400, "1400"}, {2100, "2100"}, {2800, "2800"}, {3500, "3500"}});
  }
  p.restore();
}

void drawGaugeNeedles(QPainter& p, const CursorReadout& v, bool metricUnits) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const GaugeScales s = gaugeScales(metricUnits);
  if (v.consumption) needle(p, kGaugeX[0], *v.consumption, s.consumption, Qt::black);
  if (v.maxDepthNeedle) needle(p, kGaugeX[1], *v.maxDepthNeedle, s.depth, kRed);
  if (v.depthNeedle) needle(p, kGaugeX[1], *v.depthNeedle, s.depth, Qt::black);
  if (v.pressureNeedle) needle(p, kGaugeX[2], *v.pressureNeedle, s.pressure, Qt::black);
  p.restore();
}

void drawBarChart(QPainter& p, const CursorReadout& v) {
  p.fillRect(QRect(0, 0, 98, 88), kBarGrey);
  constexpr int iconX[3] = {14, 45, 76};
  for (int k = 0; k < 3; ++k)
    for (int row = 0; row < 8; ++row)
      for (int col = 0; col < 8; ++col)
        if (kIcons[k][row] & (0x80 >> col)) p.fillRect(iconX[k] + col, 77 + row, 1, 1, Qt::black);
  if (!v.bars) return;
  constexpr int bottom = 74;
  const int h1 = barHeightLevel6(v.level6);
  const int h2 = barHeightAccumulated(v.accumulated);
  const int h3 = barHeightLevel3(v.level3);
  p.fillRect(QRect(QPoint(5, bottom - h1), QPoint(30, bottom)), kYellow);
  p.fillRect(QRect(QPoint(36, bottom - h2), QPoint(61, bottom)), kDarkBlue);
  p.fillRect(QRect(QPoint(67, bottom - h3), QPoint(92, bottom)), kRed);
}

}  // namespace kelp

// ---------------------------------------------------------------- CGraphArea

CGraphArea::CGraphArea(Painter painter, QWidget* parent) : QWidget(parent), m_painter(std::move(painter)) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(120, 90);
}

void CGraphArea::invalidate() {
  m_valid = false;
  update();
}

const QPixmap& CGraphArea::picture() {
  if (!m_valid || m_pixmap.size() != size()) {
    if (m_pixmap.size() != size()) {
      m_pixmap = QPixmap(size().expandedTo(QSize(1, 1)));
      m_cross.setTrackRect(kelp::graphFrame(size()));
    }
    QPainter p(&m_pixmap);
    m_painter(p, size());
    m_valid = true;
    ++m_renders;
  }
  return m_pixmap;
}

void CGraphArea::paintEvent(QPaintEvent* e) {
  const QPixmap& pm = picture();
  QPainter p(this);
  p.drawPixmap(e->rect(), pm, e->rect());
  m_cross.draw(p);
}

void CGraphArea::resizeEvent(QResizeEvent*) { m_valid = false; }

void CGraphArea::mouseMoveEvent(QMouseEvent* e) { emit mouseMoved(e->position().toPoint(), e->buttons()); }

void CGraphArea::mousePressEvent(QMouseEvent* e) { emit mousePressed(e->position().toPoint(), e->button()); }

void CGraphArea::leaveEvent(QEvent*) { hideCrossHair(); }

// ---------------------------------------------------------------- gauges and bars

CGaugePanel::CGaugePanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("1153"));
  setFixedSize(260, 90);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CGaugePanel::setReadout(const kelp::CursorReadout& v) {
  m_value = v;
  update();
}

void CGaugePanel::paintEvent(QPaintEvent*) {
  const bool metric = kelp::metric();
  if (m_faces.isNull() || m_facesMetric != metric) {
    m_faces = QPixmap(size());
    m_faces.fill(palette().color(QPalette::Window));
    QPainter fp(&m_faces);
    kelp::drawGaugeFaces(fp, metric, kelp::settings().gaugeBackground != 0);
    m_facesMetric = metric;
  }
  QPainter p(this);
  p.drawPixmap(0, 0, m_faces);
  kelp::drawGaugeNeedles(p, m_value, metric);
}

CBarChart::CBarChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("1152"));
  setFixedSize(98, 88);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CBarChart::setReadout(const kelp::CursorReadout& v) {
  m_value = v;
  update();
}

void CBarChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  kelp::drawBarChart(p, m_value);
}
