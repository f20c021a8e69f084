#pragma once
// The bars of the statistics charts, drawn horizontally from the left edge of a
// control's client rectangle: width = value x client width / scale, clipped to the
// client width; nothing when the scale is 0.
#include <QColor>
#include <QRect>
#include <QWidget>

#include "core/settings.h"

class QPainter;

// Statistics colours as QColors.
QColor statColor(const kelp::StatisticsColors& c, int index);

// A stacked bar: chamber, sea and fresh water from left to right.
void DrawWaterBar(QPainter& p, const QRect& client, float fresh, float sea, float chamber, float scale,
                  const kelp::StatisticsColors& colors);
// One rectangle of value / scale of the width.
void DrawSwatch(QPainter& p, const QRect& client, float value, float scale, const QColor& color);
// The main bar with 3-pixel strips under it for fresh and sea water (only those non-zero).
void DrawValueBar(QPainter& p, const QRect& client, float value, float fresh, float sea, float scale,
                  const QColor& color, const kelp::StatisticsColors& colors);
// As DrawValueBar with fresh, sea and chamber strips, drawn only when at least two of
// the three are non-zero.
void DrawValueBar4(QPainter& p, const QRect& client, float value, float fresh, float sea, float chamber,
                   float scale, const QColor& color, const kelp::StatisticsColors& colors);

// A legend swatch: one colour of the statistics colours over the full width.
class CStatSwatch : public QWidget {
  Q_OBJECT
 public:
  CStatSwatch(int colorIndex, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {40, 14}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  int index_;
};
