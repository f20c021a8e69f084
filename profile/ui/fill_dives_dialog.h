#pragma once
// "Compila dati immersione" (dialog 202): edits the run's fill template. "Compila" closes the
// dialog with the template stored in kelp::fillTemplate(); the command applies it to the
// logbook (kelp::fillDives, profile/fill_dives.h). "Ripristina" clears the template.
#include <QDialog>
#include <QString>

#include "profile/fill_dives.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace kelp {
class Logbook;
}

class CFillDivesDlg : public QDialog {
  Q_OBJECT
 public:
  CFillDivesDlg(const kelp::Logbook& lb, QWidget* parent = nullptr);
  // The template as the controls hold it now (texts read only where they changed).
  kelp::FillTemplate collect() const;
  void accept() override;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void showTemplate();
  void refreshSites();

  const kelp::Logbook& m_log;
  kelp::FillTemplate m_shownTemplate;
  // The texts last put into the unit fields, to tell what the user changed.
  QString m_shownAir, m_shownTank, m_shownWeight;
  QString m_lastLocation;
  QLineEdit *m_first, *m_last, *m_airTemp, *m_weight;
  QComboBox *m_location, *m_site, *m_weather, *m_suit, *m_suitName, *m_tank, *m_material;
  QButtonGroup *m_kind, *m_ascent, *m_water, *m_boat, *m_guide;
  QCheckBox *m_nitrox, *m_scr;
  QCheckBox* m_activity[12];
  QCheckBox* m_special[8];
};
