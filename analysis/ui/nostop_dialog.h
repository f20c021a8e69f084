#pragma once
// The no-stop comparison (dialog 134): five no-decompression curves over depth, each with
// its check box, drawn through the profile plotter's minute axes and value curves, and a sixth
// curve computed with the Bühlmann ZH-L16C model.
#include <QDialog>
#include <QWidget>
#include <array>
#include <vector>

#include "analysis/dive_tables.h"

class QCheckBox;

// The drawing area (1030).
class CNoStopView : public QWidget {
  Q_OBJECT
 public:
  explicit CNoStopView(QWidget* parent = nullptr);
  // Draws the axes and every curve switched on; tables may be null (axes only).
  static void draw(QPainter& p, const QRect& area, const kelp::DiveTables* tables,
                   const std::array<bool, 5>& shown);
  // The computed curve (minutes at 12, 15, ... 63 m, every point known, so drawn joined) over
  // the axes draw() laid into the same area.
  static void drawComputed(QPainter& p, const QRect& area, const std::vector<int>& points);
  // Its colour: the five colours of the settings belong to the five curves.
  static QColor computedColor();

 protected:
  void paintEvent(QPaintEvent*) override;
};

class CNoStopTableDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CNoStopTableDlg(QWidget* parent = nullptr);
  // The check-box states, kept for the run.
  static std::array<bool, 5>& curvesShown();
  // The computed curve's check box (1032), on at start and kept for the run.
  static bool& computedShown();

 private:
  std::array<QCheckBox*, 5> boxes_{};
  QCheckBox* computedBox_ = nullptr;
  CNoStopView* view_;
};

void openNoStopTable(QWidget* parent);
