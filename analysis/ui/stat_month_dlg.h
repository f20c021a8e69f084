#pragma once
// "Immersioni al mese" (204): dives per calendar month over all years, with a stacked
// water bar per month, the colour legend and "Colori".
#include <QDialog>
#include <functional>

#include "analysis/stat_charts.h"

class CStatChartView;

namespace kelp {
class Logbook;
}

class CDivesPerMonthDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CDivesPerMonthDlg(const kelp::Logbook& lb, QWidget* parent = nullptr);
  const kelp::StatResult& result() const { return result_; }
  CStatChartView* chartView() const { return view_; }
  // "Colori": the statistics colours; on OK the bars and the legend are redrawn.
  void chooseColors();
  std::function<bool()> colorDialog;  // tests replace the colour dialog

 private:
  kelp::StatResult result_;
  CStatChartView* view_;
};
