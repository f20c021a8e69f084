#pragma once
// "Statistiche": the panel that chooses one of the eleven charts and shows its window
// beside itself, with the colour legend, "Imposta colori", "Stampa" and "Chiudi".
#include <QDialog>
#include <QPointer>
#include <array>
#include <functional>

#include "analysis/ui/stat_chart_dlg.h"

class QButtonGroup;

namespace kelp {
class Logbook;
}

class CStatPanelDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CStatPanelDlg(const kelp::Logbook& lb, QWidget* parent = nullptr);
  ~CStatPanelDlg() override;

  // The chart index shown; it lives for the run of the program.
  static int& chartIndex();
  int currentIndex() const { return chartIndex(); }
  CStatChartDlg* currentChart() const { return chart_; }
  StatChartState& chartState(int index) { return states_[static_cast<size_t>(index)]; }
  // Closes the chart shown (its position is saved) and shows the chart of `index`.
  void showChart(int index);
  // "Imposta colori": closes the chart, opens the statistics colours and shows the chart again.
  void chooseColors();
  // "Stampa": closes the chart, prints it and shows it again.
  void print();
  // Tests replace the colour dialog and the printing.
  std::function<bool()> colorDialog;
  std::function<void(int chart, const kelp::StatResult&)> printer;

  void done(int r) override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void closeChart();
  void placeChart(CStatChartDlg* c);
  void placePair();
  void repaintLegend();

  const kelp::Logbook& lb_;
  std::array<StatChartState, kelp::kStatChartCount> states_{};
  QPointer<CStatChartDlg> chart_;
  QButtonGroup* radios_ = nullptr;
  bool closing_ = false;
  bool placed_ = false;
};

// Positions of the statistics windows ("StatMainWindow", "StatSubWindow") in the
// settings file section of the current screen size; (-1, -1) when none is saved.
QPoint savedStatPosition(bool panel);
void storeStatPosition(bool panel, const QPoint& p);
