#pragma once
// The DECO 92 dive calculator (dialog 131): the plan's inputs, the result box, the planned
// profile drawn through the profile plotter, colours, grid and print.
#include <QDialog>
#include <QWidget>

#include "analysis/deco_plan.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace kelp {
class Logbook;
}

// The result box (1014): the result text with its tab stops, on the profile background.
class CDecoResultBox : public QWidget {
  Q_OBJECT
 public:
  explicit CDecoResultBox(QWidget* parent = nullptr);
  void setText(const QString& text);
  QString text() const { return text_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString text_;
};

// The planned profile (frame 1018), drawn while the result is valid.
class CDecoProfileView : public QWidget {
  Q_OBJECT
 public:
  explicit CDecoProfileView(QWidget* parent = nullptr);
  void setShown(bool on);
  // The drawing of the planned profile into any painter and area (screen or image).
  static void drawPlan(QPainter& p, const QRect& area, const kelp::PlannedProfile& profile);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  bool shown_ = false;
};

class CDecoCalcDlg : public QDialog {
  Q_OBJECT
 public:
  CDecoCalcDlg(kelp::Logbook& lb, QWidget* parent = nullptr);
  ~CDecoCalcDlg() override;

  // "Calcola".
  void calculate();
  // Reads the controls into the plan, and shows the plan in them.
  void readControls();
  void writeControls();
  kelp::DecoPlan& plan() { return plan_; }

 private:
  void updateButtons();
  void chooseColors();

  kelp::DecoPlan& plan_;
  QRadioButton *seaLevel_, *mountainLake_;
  QCheckBox* repetitive_;
  QLineEdit *group_, *interval_, *consumption_, *tankVolume_, *tankPressure_, *depth_, *time_;
  CDecoResultBox* result_;
  QGroupBox* frame_;
  CDecoProfileView* view_;
  QPushButton *copy_, *paste_, *cut_, *print_;
  QCheckBox *grid_, *crossHair_;
};

// Opens the calculator over the main window for the open logbook.
void openDecoCalculator(kelp::Logbook& lb, QWidget* parent);
