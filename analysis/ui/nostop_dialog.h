#pragma once
// The no-stop comparison (dialog 134): five no-decompression curves over depth, each with
// its check box, drawn through the profile plotter's minute axes and value curves.
#include <QDialog>
#include <QWidget>
#include <array>

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

 protected:
  void paintEvent(QPaintEvent*) override;
};

class CNoStopTableDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CNoStopTableDlg(QWidget* parent = nullptr);
  // The check-box states, kept for the run.
  static std::array<bool, 5>& curvesShown();

 private:
  std::array<QCheckBox*, 5> boxes_{};
  CNoStopView* view_;
};

void openNoStopTable(QWidget* parent);
