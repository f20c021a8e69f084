#pragma once
// One chart window of the statistics panel: year selection, views, the table with
// its bars, the summary lines, and for the per-year and per-month charts a scroll bar.
#include <QDialog>
#include <array>
#include <vector>

#include "analysis/stat_charts.h"

class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QTreeView;
class CStatChartView;
class CStatCountModel;

namespace kelp {
class Logbook;
}

// What a chart keeps while the program runs, whether its window is open or not.
struct StatChartState {
  kelp::StatOptions options;  // selection, year, view, statistic, depth mode
  float scale = 0;            // the last scale (binned charts keep it in year selection)
  bool started = false;       // options.year has been set to the current year
};

// Which controls of a chart window are enabled.
struct StatChartControls {
  bool yearSpin = false;    // only in year selection
  bool statistic = false;   // only in the depth, time and air views
};
StatChartControls statChartControls(int chart, const kelp::StatOptions& o);
// Rows a chart window shows at a time: 20 years, 24 months, every row otherwise.
int statVisibleRows(int chart, int rowCount);

class CStatChartDlg : public QDialog {
  Q_OBJECT
 public:
  CStatChartDlg(int chart, const kelp::Logbook& lb, StatChartState& state, QWidget* parent = nullptr);
  ~CStatChartDlg() override;

  int chart() const { return chart_; }
  const kelp::StatResult& result() const { return result_; }
  CStatChartView* chartView() const { return view_; }
  // Reads the controls, recomputes, writes the controls and redraws the bars.
  void recompute();
  // Per-year and per-month charts: the last row shown (1-based).
  int scrollPosition() const { return scroll_.position; }
  void setScrollPosition(int p);
  // Redraws the bars (after the colours changed).
  void redraw();

 private:
  void buildControls();
  void readControls();
  void writeControls();
  void compute();
  void showRows();
  void sizeToContents();

  int chart_;
  const kelp::Logbook& lb_;
  StatChartState& state_;
  kelp::StatResult result_;
  kelp::PeriodScroll scroll_;
  bool initialised_ = false;

  QRadioButton* all_ = nullptr;
  QRadioButton* year_ = nullptr;
  QLineEdit* yearEdit_ = nullptr;
  QScrollBar* yearSpin_ = nullptr;
  QButtonGroup* views_ = nullptr;
  QButtonGroup* stats_ = nullptr;
  QButtonGroup* depthMode_ = nullptr;
  CStatChartView* view_ = nullptr;
  QScrollBar* rowScroll_ = nullptr;
  QGridLayout* summaryGrid_ = nullptr;
  std::vector<std::array<QLabel*, 5>> summary_;
  CStatCountModel* suits_ = nullptr;
  QTreeView* suitList_ = nullptr;
};
