#pragma once
// The profile plotter: maps sample indexes and depths (or minutes) to pixels
// inside a frame and draws axes, curves, lines and lanes onto any QPainter
// (a widget, a QImage, a printer). It holds no dive: callers hand it samples,
// plain values and colours.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <cstdint>

#include "core/dive_record.h"
#include "core/settings.h"

class QPainter;

namespace kelp {

// Settings colours (red in the low byte) to and from Qt colours.
inline QColor toQColor(Color c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline Color fromQColor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

// Depth step rule: the label step of the depth axis for a maximum depth in whole
// metres (metric) or whole feet (imperial).
int depthStep(int depth, bool metricUnits);

// Bits 1..4 of sampleFlags are warnings; bit 0 is the decompression obligation, bit 5 the radio signal.
inline bool isWarningSample(uint8_t flags) { return (flags & 0x1E) != 0; }

// Every how many minutes a minute label is written for a tick count (1, 2 or 5).
int minuteLabelEvery(int tickCount);

}  // namespace kelp

class CProfilePlot {
 public:
  CProfilePlot();

  // Sets the frame and resets the ranges to 0..100 and the step to 1.
  // h may be negative for an upward depth axis (paper). The unit system of the
  // depth axis and the sample curve is taken from the settings here.
  void setFrame(const QColor& axisColor, const QColor& labelColor, int x0, int y0, int w, int h);
  void setRanges(double xMin, double xMax, double yMin, double yMax);
  void setYStep(double step);
  // Overrides the unit system taken by setFrame (feet under imperial units).
  void setMetric(bool metricUnits) { metric_ = metricUnits; }

  // Scales a dive: x over 0..sampleCount, y over 0..(maximum depth + step) with the depth
  // step rule, the depth in whole metres or feet of the current unit system. Returns the step.
  int setDiveRanges(const kelp::DiveRecord& dive);

  // px = x0 + x*w/(xmax-xmin), py = y0 + y*h/(ymax-ymin); a span of 0 uses a factor of 1;
  // the minimum does not shift the origin; results truncate to whole pixels.
  QPoint map(double x, double y) const;

  int x0() const { return x0_; }
  int y0() const { return y0_; }
  int width() const { return w_; }
  int height() const { return h_; }
  double xMin() const { return xMin_; }
  double xMax() const { return xMax_; }
  double yMin() const { return yMin_; }
  double yMax() const { return yMax_; }
  double yStep() const { return yStep_; }
  bool metric() const { return metric_; }
  QColor axisColor() const { return axis_; }
  QColor labelColor() const { return label_; }
  // Centre line of lane k (0..4): y0 + h/10 + k*h/5.
  int laneCentre(int lane) const;

  // How the minute labels of the time axis are spaced: the screen's rule by the dive's
  // length (kelp::minuteLabelEvery), or on paper by the room a label takes at the printed
  // width (kelp::printedMinuteLabelEvery), so that no two labels touch.
  enum class MinuteLabels { ByLength, ByWidth };
  // Frame, depth labels with grid lines or ticks, time ticks and minute labels.
  void drawTimeAxes(QPainter& p, int tickCount, bool grid, MinuteLabels labels = MinuteLabels::ByLength) const;
  // Every how many minutes drawTimeAxes writes a label with the painter's device and font.
  int minuteLabelStep(QPainter& p, int tickCount, MinuteLabels labels) const;
  // Frame, the lane lines and their marks (arrows, "RBT", "AMV", and "NTD" with five lanes).
  void drawLaneAxes(QPainter& p, int tickCount, bool fiveLanes) const;
  // Minutes counting down from the y maximum on the left, depths 12, 15, 18, ... below.
  void drawMinuteAxes(QPainter& p, int tickCount) const;

  void drawLine(QPainter& p, const QColor& c, int width, double x1, double y1, double x2,
                double y2) const;
  void drawLaneSegment(QPainter& p, const QColor& c, int width, double x1, double x2,
                       int lane) const;
  // The depth curve through count samples; the segment leaving a warning sample is
  // drawn in the warning colour; points below or right of the frame are clamped to
  // its edges and reached invisibly.
  void drawSampleCurve(QPainter& p, const QColor& c, const QColor& warn, int width,
                       const kelp::ProfileSample* samples, int count) const;
  // The same for the clip buffer's layout (negative metres and flag bytes).
  void drawClipCurve(QPainter& p, const QColor& c, const QColor& warn, int width,
                     const double* depths, const uint8_t* flags, int count) const;
  void drawWarningLanes(QPainter& p, const QColor& warn, const QColor& radio, int width,
                        const kelp::ProfileSample* samples, int count, bool fiveLanes) const;
  // Along depth 0 from the first sample with the decompression bit to the last
  // later sample without it (the last sample when it never clears); 2 wide unless
  // the caller asks otherwise (paper).
  void drawDecoLine(QPainter& p, const QColor& c, const kelp::ProfileSample* samples,
                    int count, int width = 2) const;
  // The same over plain flag bytes (the clip buffer, the calculator's planned profile).
  void drawDecoLine(QPainter& p, const QColor& c, const uint8_t* flags, int count) const;
  // Polyline of point i at (i, ymax - value); values above the maximum are drawn at
  // the top edge; points outside the frame are left out.
  void drawValueCurve(QPainter& p, const QColor& c, int width, const double* values,
                      int count) const;

 private:
  void drawFrame(QPainter& p) const;
  template <class FlagAt>
  void drawDeco(QPainter& p, const QColor& c, int count, FlagAt flagAt, int width = 2) const;
  template <class DepthAt, class WarnAt>
  void drawCurve(QPainter& p, const QColor& c, const QColor& warn, int width, int count,
                 DepthAt depthAt, WarnAt warnAt) const;

  QColor axis_{Qt::black};
  QColor label_{Qt::black};
  int x0_ = 0, y0_ = 0, w_ = 100, h_ = 100;
  double xMin_ = 0, xMax_ = 100, yMin_ = 0, yMax_ = 100, yStep_ = 1;
  bool metric_ = true;
};

namespace kelp {

// The main view's profile preview, also used by the profile colour dialog:
// fills area with the background colour, sets the plotter up (margins 26/24 with
// time axes when withAxes, else 8/8 without), scales it to the dive and draws
// the decompression line and the sample curve with its warning parts.
void drawProfilePreview(QPainter& p, const QRect& area, const DiveRecord& dive,
                        const ProfileColors& colors, bool withAxes);

}  // namespace kelp
