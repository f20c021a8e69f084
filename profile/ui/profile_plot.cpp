#include "profile/ui/profile_plot.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cmath>

#include "core/strings.h"
#include "core/texts.h"

namespace kelp {

int depthStep(int depth, bool metricUnits) {
  if (metricUnits) {
    if (depth < 10) return 1;
    if (depth < 20) return 2;
    if (depth < 50) return 5;
    return 10;
  }
  if (depth <= 6) return 1;
  if (depth < 30) return 3;
  if (depth < 60) return 6;
  if (depth < 150) return 20;
  return 30;
}

int minuteLabelEvery(int tickCount) {
  const int minutes = tickCount / 3;
  if (minutes <= 25) return 1;
  if (minutes <= 50) return 2;
  return 5;
}

}  // namespace kelp

namespace {

constexpr int kStringMinutes = 62621;

QFont axisFont() {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPointSize(8);
  return f;
}

int digitCount(long v) {
  int n = 1;
  for (v = v < 0 ? -v : v; v >= 10; v /= 10) ++n;
  return n;
}

// Writes text with its top-left corner at (x, top). On paper set up with an
// upward y axis (a flipped painter) the text still reads upright and hangs
// down from (x, top) as seen on the page.
void textAt(QPainter& p, int x, int top, const QString& text) {
  constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;
  if (p.combinedTransform().m22() < 0) {
    p.save();
    p.translate(x, top);
    p.scale(1, -1);
    p.drawText(QRect(0, 0, 400, 100), flags, text);
    p.restore();
    return;
  }
  p.drawText(QRect(x, top, 400, 100), flags, text);
}

QPen solidPen(const QColor& c, int width) {
  QPen pen(c);
  pen.setWidth(width);
  pen.setStyle(Qt::SolidLine);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

const QString kMinuteMark = QStringLiteral("\u00B4");

}  // namespace

CProfilePlot::CProfilePlot() : metric_(kelp::metric()) {}

void CProfilePlot::setFrame(const QColor& axisColor, const QColor& labelColor, int x0, int y0,
                            int w, int h) {
  axis_ = axisColor;
  label_ = labelColor;
  x0_ = x0;
  y0_ = y0;
  w_ = w;
  h_ = h;
  xMin_ = 0;
  xMax_ = 100;
  yMin_ = 0;
  yMax_ = 100;
  yStep_ = 1;
  metric_ = kelp::metric();
}

void CProfilePlot::setRanges(double xMin, double xMax, double yMin, double yMax) {
  xMin_ = xMin;
  xMax_ = xMax;
  yMin_ = yMin;
  yMax_ = yMax;
}

void CProfilePlot::setYStep(double step) { yStep_ = step; }

int CProfilePlot::setDiveRanges(const kelp::DiveRecord& dive) {
  double depth = std::fabs(static_cast<double>(dive.profileMaxDepth));
  if (!metric_) depth = kelp::metresToFeet(depth);
  const int d = static_cast<int>(depth);
  const int step = kelp::depthStep(d, metric_);
  setRanges(0, std::max<int>(0, dive.sampleCount), 0, d + step);
  setYStep(step);
  return step;
}

QPoint CProfilePlot::map(double x, double y) const {
  const double xSpan = xMax_ - xMin_;
  const double ySpan = yMax_ - yMin_;
  const double fx = xSpan == 0 ? 1.0 : w_ / xSpan;
  const double fy = ySpan == 0 ? 1.0 : h_ / ySpan;
  return QPoint(x0_ + static_cast<int>(x * fx), y0_ + static_cast<int>(y * fy));
}

int CProfilePlot::laneCentre(int lane) const { return y0_ + h_ / 10 + lane * h_ / 5; }

void CProfilePlot::drawFrame(QPainter& p) const {
  p.setPen(solidPen(axis_, 2));
  p.drawLine(x0_, y0_, x0_, y0_ + h_);
  p.drawLine(x0_, y0_ + h_, x0_ + w_, y0_ + h_);
}

void CProfilePlot::drawTimeAxes(QPainter& p, int tickCount, bool grid) const {
  p.save();
  p.setFont(axisFont());
  drawFrame(p);
  const bool upward = h_ < 0;
  const int dir = upward ? -1 : 1;  // away from the graph, below the bottom line
  const int bottom = y0_ + h_;

  if (!upward) {
    p.setPen(label_);
    textAt(p, 2, 1,
           metric_ ? QCoreApplication::translate("CProfilePlot", "Metri")
                   : QCoreApplication::translate("CProfilePlot", "Piedi"));
  }

  // Depth labels with grid lines or ticks.
  const QPen thin = solidPen(axis_, 1);
  const long step = std::max<long>(1, static_cast<long>(yStep_));
  for (long v = 0; v <= static_cast<long>(yMax_); v += step) {
    const int py = map(0, static_cast<double>(v)).y();
    p.setPen(thin);
    if (grid)
      p.drawLine(x0_, py, x0_ + w_, py);
    else
      p.drawLine(x0_ - 4, py, x0_, py);
    const int digits = digitCount(v);
    int offset = digits == 1 ? 12 : digits == 2 ? 20 : 28;
    // On paper every digit takes twice the room; three digits (feet) start 5.6 mm to the
    // left, so that they end before the axis as the shorter labels do.
    if (upward) offset = digits == 1 ? 24 : digits == 2 ? 40 : 56;
    p.setPen(label_);
    textAt(p, x0_ - offset, upward ? py + 8 : py - 8, QString::number(v));
  }

  // Time ticks: every third one is a minute.
  const int every = kelp::minuteLabelEvery(tickCount);
  long minute = 0;
  for (int i = 0; i < tickCount; ++i) {
    const int px = map(i, 0).x();
    p.setPen(thin);
    if (i > 0 && i % 3 == 0) {
      ++minute;
      if (grid)
        p.drawLine(px, y0_, px, bottom + dir * 7);
      else
        p.drawLine(px, bottom, px, bottom + dir * 7);
      if (minute % every == 0) {
        const int digits = digitCount(minute);
        const int offset = digits == 1 ? 4 : digits == 2 ? 8 : 12;
        p.setPen(label_);
        textAt(p, px - offset, upward ? bottom - 12 : bottom + 6,
               QString::number(minute) + kMinuteMark);
      }
    } else {
      p.drawLine(px, bottom, px, bottom + dir * 4);
    }
  }
  p.restore();
}

void CProfilePlot::drawLaneAxes(QPainter& p, int tickCount, bool fiveLanes) const {
  p.save();
  p.setFont(axisFont());
  drawFrame(p);
  const int bottom = y0_ + h_;
  const bool upward = h_ < 0;
  const int dir = upward ? -1 : 1;
  const QPen thin = solidPen(axis_, 1);
  p.setPen(thin);
  for (int i = 0; i < tickCount; ++i) {
    const int px = map(i, 0).x();
    p.drawLine(px, bottom, px, bottom + dir * ((i > 0 && i % 3 == 0) ? 7 : 4));
  }
  const int lanes = fiveLanes ? 5 : 4;
  for (int k = 0; k < lanes; ++k) {
    const int cy = laneCentre(k);
    p.setPen(thin);
    p.drawLine(x0_, cy, x0_ + w_, cy);
    // Marks at the left margin.
    const int mx = std::max(2, x0_ - 20);
    switch (k) {
      case 0:
      case 1: {
        // Down for lane 0, up for lane 1, as seen on the screen or the page. On paper
        // (upward axis) the arrows are as tall as the marks' text where the lanes leave room.
        const int len = upward ? std::max(5, std::min(p.fontMetrics().ascent() / 2, -h_ / 10 - 4)) : 5;
        const int wing = upward ? std::max(4, len * 2 / 3) : 4;
        int tip = k == 0 ? len : -len;
        if (upward) tip = -tip;
        const int cx = mx + (upward ? wing + 2 : 7);
        p.setPen(solidPen(label_, 1));
        p.drawLine(cx, cy - tip, cx, cy + tip);
        p.setBrush(label_);
        QPolygon head;
        head << QPoint(cx - wing, cy + tip - (tip > 0 ? wing : -wing))
             << QPoint(cx + wing, cy + tip - (tip > 0 ? wing : -wing)) << QPoint(cx, cy + tip);
        p.drawPolygon(head);
        p.setBrush(Qt::NoBrush);
        break;
      }
      default: {
        static const char* const kMarks[] = {"", "", QT_TRANSLATE_NOOP("CProfilePlot", "RBT"),
                                             QT_TRANSLATE_NOOP("CProfilePlot", "AMV"),
                                             QT_TRANSLATE_NOOP("CProfilePlot", "NTD")};
        const QString mark = QCoreApplication::translate("CProfilePlot", kMarks[k]);
        // ends just left of the axis where the margin allows, so it does not cross it
        const int tx = std::max(2, x0_ - 3 - p.fontMetrics().horizontalAdvance(mark));
        p.setPen(label_);
        // On paper the text stands centred on its lane's line as seen on the page.
        const QFontMetrics fm = p.fontMetrics();
        const int top = upward ? cy + fm.ascent() - fm.capHeight() / 2 : cy - 6;
        textAt(p, std::min(mx, tx), top, mark);
        break;
      }
    }
  }
  p.restore();
}

void CProfilePlot::drawMinuteAxes(QPainter& p, int tickCount) const {
  p.save();
  p.setFont(axisFont());
  drawFrame(p);
  const QPen thin = solidPen(axis_, 1);
  p.setPen(label_);
  textAt(p, 2, 1, QString::fromStdString(kelp::str(kStringMinutes)));

  const long step = std::max<long>(1, static_cast<long>(yStep_));
  const long top = static_cast<long>(yMax_);
  for (long v = top; v >= static_cast<long>(yMin_); v -= step) {
    const int py = map(0, static_cast<double>(top - v)).y();
    p.setPen(thin);
    p.drawLine(x0_, py, x0_ + w_, py);
    p.setPen(label_);
    const QString text = QString::number(v) + kMinuteMark;
    const int tw = p.fontMetrics().horizontalAdvance(text);
    textAt(p, x0_ - 4 - tw, py - 8, text);
  }

  const int bottom = y0_ + h_;
  for (int i = 0; i < tickCount; ++i) {
    const int px = map(i, 0).x();
    p.setPen(thin);
    p.drawLine(px, bottom, px, bottom + 7);
    const long depth = 12 + 3L * i;
    const int digits = digitCount(depth);
    p.setPen(label_);
    textAt(p, px - (digits == 1 ? 4 : digits == 2 ? 8 : 12), bottom + 6, QString::number(depth));
  }
  p.restore();
}

void CProfilePlot::drawLine(QPainter& p, const QColor& c, int width, double x1, double y1,
                            double x2, double y2) const {
  p.save();
  p.setPen(solidPen(c, width));
  p.drawLine(map(x1, y1), map(x2, y2));
  p.restore();
}

void CProfilePlot::drawLaneSegment(QPainter& p, const QColor& c, int width, double x1, double x2,
                                   int lane) const {
  const int y = laneCentre(lane);
  p.save();
  p.setPen(solidPen(c, width));
  p.drawLine(map(x1, 0).x(), y, map(x2, 0).x(), y);
  p.restore();
}

template <class DepthAt, class WarnAt>
void CProfilePlot::drawCurve(QPainter& p, const QColor& c, const QColor& warn, int width,
                             int count, DepthAt depthAt, WarnAt warnAt) const {
  if (count <= 0) return;
  p.save();
  const QPen normal = solidPen(c, width);
  const QPen warning = solidPen(warn, width);
  const bool upward = h_ < 0;
  const int bottom = y0_ + h_;
  const int right = x0_ + w_;
  auto point = [&](int i, bool& inside) {
    double y = -depthAt(i);
    if (!metric_) y = kelp::metresToFeet(y);
    if (y < 0) y = 0;
    QPoint pt = map(i, y);
    const bool beyondBottom = upward ? pt.y() < bottom : pt.y() > bottom;
    inside = !beyondBottom && pt.x() <= right;
    if (beyondBottom) pt.setY(bottom);
    if (pt.x() > right) pt.setX(right);
    return pt;
  };
  bool inside = false;
  QPoint cur = point(0, inside);
  for (int i = 1; i < count; ++i) {
    const QPoint next = point(i, inside);
    if (inside) {
      p.setPen(warnAt(i - 1) ? warning : normal);
      p.drawLine(cur, next);
    }
    cur = next;
  }
  p.restore();
}

void CProfilePlot::drawSampleCurve(QPainter& p, const QColor& c, const QColor& warn, int width,
                                   const kelp::ProfileSample* samples, int count) const {
  if (!samples) return;
  drawCurve(
      p, c, warn, width, count, [samples](int i) { return static_cast<double>(samples[i].depth); },
      [samples](int i) { return kelp::isWarningSample(samples[i].sampleFlags); });
}

void CProfilePlot::drawClipCurve(QPainter& p, const QColor& c, const QColor& warn, int width,
                                 const double* depths, const uint8_t* flags, int count) const {
  if (!depths) return;
  drawCurve(
      p, c, warn, width, count, [depths](int i) { return depths[i]; },
      [flags](int i) { return flags && kelp::isWarningSample(flags[i]); });
}

void CProfilePlot::drawWarningLanes(QPainter& p, const QColor& warn, const QColor& radio,
                                    int width, const kelp::ProfileSample* samples, int count,
                                    bool fiveLanes) const {
  if (!samples) return;
  for (int i = 0; i + 1 < count; ++i) {
    const uint8_t f = samples[i].sampleFlags;
    if (f & 0x08) drawLaneSegment(p, warn, width, i, i + 1, 0);
    if (f & 0x04) drawLaneSegment(p, warn, width, i, i + 1, 1);
    if (f & 0x02) drawLaneSegment(p, warn, width, i, i + 1, 2);
    if (f & 0x10) drawLaneSegment(p, warn, width, i, i + 1, 3);
    if (fiveLanes && (f & 0x20)) drawLaneSegment(p, radio, width, i, i + 1, 4);
  }
}

template <class FlagAt>
void CProfilePlot::drawDeco(QPainter& p, const QColor& c, int count, FlagAt flagAt,
                            int width) const {
  int a = -1;
  for (int i = 0; i < count; ++i) {
    if (flagAt(i) & 0x01) {
      a = i;
      break;
    }
  }
  if (a < 0) return;
  int b = count - 1;
  int lastClear = -1;
  for (int i = a + 1; i < count; ++i)
    if (!(flagAt(i) & 0x01)) lastClear = i;
  if (lastClear >= 0) b = lastClear;
  drawLine(p, c, width, a, 0, b, 0);
}

void CProfilePlot::drawDecoLine(QPainter& p, const QColor& c, const kelp::ProfileSample* samples,
                                int count, int width) const {
  if (!samples) return;
  drawDeco(p, c, count, [samples](int i) { return samples[i].sampleFlags; }, width);
}

void CProfilePlot::drawDecoLine(QPainter& p, const QColor& c, const uint8_t* flags,
                                int count) const {
  if (!flags) return;
  drawDeco(p, c, count, [flags](int i) { return flags[i]; });
}

void CProfilePlot::drawValueCurve(QPainter& p, const QColor& c, int width, const double* values,
                                  int count) const {
  if (!values || count <= 0) return;
  p.save();
  p.setPen(solidPen(c, width));
  const bool upward = h_ < 0;
  const int bottom = y0_ + h_;
  const int right = x0_ + w_;
  bool haveLast = false;
  QPoint last;
  for (int i = 0; i < count; ++i) {
    double y = yMax_ - values[i];
    if (y < 0) y = 0;  // above the maximum: at the top edge
    const QPoint pt = map(i, y);
    const bool outside = pt.x() > right || pt.x() < x0_ || (upward ? pt.y() < bottom : pt.y() > bottom);
    if (outside) continue;
    if (haveLast) p.drawLine(last, pt);
    last = pt;
    haveLast = true;
  }
  p.restore();
}

namespace kelp {

void drawProfilePreview(QPainter& p, const QRect& area, const DiveRecord& dive,
                        const ProfileColors& colors, bool withAxes) {
  p.save();
  p.fillRect(area, toQColor(colors[kColBackground]));
  p.setClipRect(area);
  p.translate(area.topLeft());
  CProfilePlot plot;
  const int w = area.width(), h = area.height();
  if (withAxes)
    plot.setFrame(toQColor(colors[kColLines]), toQColor(colors[kColText]), 26, 24, w - 50, h - 48);
  else
    plot.setFrame(toQColor(colors[kColLines]), toQColor(colors[kColText]), 8, 8, w - 16, h - 16);
  plot.setDiveRanges(dive);
  const int points = std::clamp<int>(dive.sampleCount + 1, 0, MAX_SAMPLES);
  if (withAxes) plot.drawTimeAxes(p, points, false);
  if (dive.sampleCount > 0) {
    plot.drawDecoLine(p, toQColor(colors[kColDecoLine]), dive.samples, points);
    plot.drawSampleCurve(p, toQColor(colors[kColProfile]), toQColor(colors[kColWarnings]), withAxes ? 2 : 1,
                         dive.samples, points);
  }
  p.restore();
}

}  // namespace kelp
