#pragma once
// The dive forecast (dialog 157): when the logbook will reach a dive number, the monthly rates
// it learnt, and the history of forecasts kept in the logbook's .prg file.
#include <QDialog>
#include <array>

#include "analysis/forecast.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class CForecastDlg : public QDialog {
  Q_OBJECT
 public:
  CForecastDlg(const kelp::Logbook& lb, QWidget* parent = nullptr);

  // "Calcola" with a given today (the button uses the system date).
  void calculate(const kelp::CalendarDay& today);
  void insertForecast();
  void deleteSelected();
  void loadHistory();
  int historyCount() const { return static_cast<int>(history_.size()); }

 private:
  void showRates();
  void updateButtons();

  const kelp::Logbook& lb_;
  kelp::ForecastRequest request_;
  kelp::ForecastResult result_;
  QString resultText_;
  bool inserted_ = true;
  std::vector<kelp::ForecastRecord> history_;
  QLineEdit *target_, *start_;
  QCheckBox* withCurrent_;
  QLabel *resultLabel_, *rateGroup_;
  std::array<QLabel*, 12> rates_{};
  QRadioButton *perDay_, *perMonth_;
  QPushButton *insert_, *delete_;
  QListWidget* list_;
};

void openForecast(const kelp::Logbook& lb, QWidget* parent);
