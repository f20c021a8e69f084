#pragma once
// The table of a statistics chart: row labels, the four column values and the bar of
// each row. Drawn once into a pixmap whenever the content changes; painting copies it.
#include <QPixmap>
#include <QWidget>

#include "analysis/stat_charts.h"
#include "core/settings.h"

class QLabel;

class CStatChartView : public QWidget {
  Q_OBJECT
 public:
  // Column widths and heights, in pixels.
  static constexpr int kLabelWidth = 150;
  static constexpr int kValueWidth = 64;
  static constexpr int kBarMinWidth = 260;
  static constexpr int kMargin = 4;

  explicit CStatChartView(QWidget* parent = nullptr);
  // The result shown (not owned) and the rows shown: first (0-based) and count.
  void setResult(const kelp::StatResult* r, int firstRow, int rowCount);
  // Redraws the pixmap from the result and the statistics colours.
  void rebuild();
  const QPixmap& pixmap() const { return pixmap_; }
  // The scale maximum (control 1331) placed at the right end of the bar header.
  QLabel* scaleLabel() const { return scale_; }
  int rowHeight() const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

  // Draws the rows first .. first + count - 1 of a result into `area`.
  static void paintTable(QPainter& p, const QRect& area, const kelp::StatResult& r, int first, int count,
                         const kelp::StatisticsColors& colors, int rowHeight);

 signals:
  void wheelSteps(int steps);  // mouse wheel over the rows (scrolling charts)

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  const kelp::StatResult* result_ = nullptr;
  int first_ = 0, count_ = 0;
  QPixmap pixmap_;
  QLabel* scale_;
};
