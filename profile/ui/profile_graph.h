#pragma once
// The drawn parts of the profile window, shared with profile creation and the split
// dialog: the graph (1067), the warning strip (1140), the gauges (1153) and the bar chart
// (1152) as drawing functions, and the widgets that keep them off screen.
//
// CGraphArea keeps its picture in a pixmap and draws it again only when invalidated;
// mouse moves only move the inverting crosshair over it.
#include <QPixmap>
#include <QWidget>
#include <functional>

#include "core/settings.h"
#include "profile/profile_clip.h"
#include "profile/profile_values.h"
#include "profile/ui/cross_hair.h"

namespace kelp {

// The frame of the graph inside a control of the given size: 26 pixels from the left,
// 24 from the top, right and bottom. It is also the crosshair's tracking rectangle.
QRect graphFrame(const QSize& size);

struct GraphOptions {
  bool grid = true;
  bool averageLine = false;             // "Prof.media"
  const ProfileClip* clip = nullptr;    // overlaid when not null and shown
  int curveWidth = 3;
};
// The profile graph: light grey without samples; else background, time axes, decompression
// line, the curve with its warnings, the clip profile and the average-depth line.
void drawProfileGraph(QPainter& p, const QSize& size, const DiveRecord& r, const ProfileColors& c,
                      const GraphOptions& o);
// The warning strip: the lane axes and the warning lanes (five lanes for air-integrated models).
void drawWarningStrip(QPainter& p, const QSize& size, const DiveRecord& r, const ProfileColors& c,
                      bool fiveLanes);
// Three gauges of 80 x 80 at x = 5, 90, 175, y = 5: faces and scales, then the needles.
void drawGaugeFaces(QPainter& p, bool metricUnits, bool tinted);
void drawGaugeNeedles(QPainter& p, const CursorReadout& v, bool metricUnits);
// The bar chart: grey, three icons, and the bars of the cursor sample when v.bars.
void drawBarChart(QPainter& p, const CursorReadout& v);

}  // namespace kelp

// A control that shows a picture kept in a pixmap, with a crosshair over it.
class CGraphArea : public QWidget {
  Q_OBJECT
 public:
  using Painter = std::function<void(QPainter&, const QSize&)>;
  explicit CGraphArea(Painter painter, QWidget* parent = nullptr);

  // Draws the picture again at the next paint (the dive or an option changed).
  void invalidate();
  // The picture as it stands (drawn first when invalid).
  const QPixmap& picture();
  CCrossHair& crossHair() { return m_cross; }
  // Whether a horizontal line joins the vertical one.
  void setHorizontalLine(bool on) { m_horizontal = on; }
  // Removes the crosshair lines.
  void hideCrossHair() { update(m_cross.hide()); }
  // Moves the crosshair (repainting only its old and new lines).
  void moveCrossHair(const QPoint& p) { update(m_cross.moveTo(p, m_horizontal)); }
  int renderCount() const { return m_renders; }  // pictures drawn so far

 signals:
  // Mouse moved or pressed over the control (positions in control pixels).
  void mouseMoved(const QPoint& pos, Qt::MouseButtons buttons);
  void mousePressed(const QPoint& pos, Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;

 private:
  Painter m_painter;
  QPixmap m_pixmap;
  bool m_valid = false;
  bool m_horizontal = true;
  int m_renders = 0;
  CCrossHair m_cross;
};

// Control 1153: the three gauges; the faces are kept, the needles drawn on each paint.
class CGaugePanel : public QWidget {
  Q_OBJECT
 public:
  explicit CGaugePanel(QWidget* parent = nullptr);
  void setReadout(const kelp::CursorReadout& v);
  // Units or the face tint changed.
  void invalidateFaces() { m_faces = QPixmap(); update(); }
  QSize sizeHint() const override { return {260, 90}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  kelp::CursorReadout m_value;
  QPixmap m_faces;
  bool m_facesMetric = true;
};

// Control 1152: the bar chart of the cursor sample.
class CBarChart : public QWidget {
  Q_OBJECT
 public:
  explicit CBarChart(QWidget* parent = nullptr);
  void setReadout(const kelp::CursorReadout& v);
  QSize sizeHint() const override { return {98, 88}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  kelp::CursorReadout m_value;
};
