#pragma once
// The dive calculator (dialog 131): the DECO 92 tables or the Bühlmann ZH-L16C model, the
// plan's inputs, the result box, the planned profile drawn through the profile plotter,
// colours, grid and print.
#include <QDialog>
#include <QPixmap>
#include <QWidget>

#include "analysis/buhlmann.h"
#include "analysis/deco_plan.h"
#include "profile/ui/cross_hair.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;
class QLabel;

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

// The planned profile (frame 1018), drawn while the result is valid, with the clip buffer's
// profile over it while that is shown, and the crosshair following the mouse.
class CDecoProfileView : public QWidget {
  Q_OBJECT
 public:
  explicit CDecoProfileView(QWidget* parent = nullptr);
  void setShown(bool on);
  // The profile drawn: the tables' planned profile unless another is given.
  void setProfile(const kelp::PlannedProfile* profile);
  // Draws the picture again (plan, colours, grid or overlay changed).
  void redraw();
  // The drawing of the planned profile into any painter and area (screen or image), with
  // the clip buffer's profile when it is shown.
  static void drawPlan(QPainter& p, const QRect& area, const kelp::PlannedProfile& profile);
  const CCrossHair& crossHair() const { return cross_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent*) override;

 private:
  bool shown_ = false;
  const kelp::PlannedProfile* profile_ = nullptr;
  QPixmap picture_;
  CCrossHair cross_;
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
  kelp::BuhlmannCalcState& buhlmann() { return buhlmann_; }
  // The model chosen: the tables or Bühlmann ZH-L16C (the radios 1301 / 1302).
  void chooseModel(bool buhlmann);
  // Closing switches the clip profile's overlay off.
  void done(int r) override;

  // "Copia", "Incolla", "Taglia", "Stampa".
  void copyProfile();
  void showClip(bool on);
  void print();

 private:
  void updateButtons();
  void updateFields();
  void chooseColors();
  const kelp::PlannedProfile& shownProfile() const;
  bool resultValid() const;

  kelp::Logbook& lb_;
  kelp::DecoPlan& plan_;
  kelp::BuhlmannCalcState& buhlmann_;
  QRadioButton *tablesModel_, *buhlmannModel_;
  QGroupBox *tables_, *air_, *model_;
  QLineEdit *gfLow_, *gfHigh_, *o2_, *altitude_, *previousDepth_, *previousTime_, *previousO2_;
  QLabel* note_;
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
