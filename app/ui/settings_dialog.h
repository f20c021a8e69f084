#pragma once
// "Impostazioni": currency, units, extended mode, window positions, external
// programs, serial port, the language (from the next start on), and the default values of new dives.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace kelp {
class StringList;
}

class CSettingsDlg : public QDialog {
  Q_OBJECT
 public:
  // suits: the logbook's suit descriptions for the default values dialog (may be null).
  explicit CSettingsDlg(QWidget* parent = nullptr, const kelp::StringList* suits = nullptr);
  // OK: validates the serial port (0..8; only 1..8 is taken), copies every value
  // into the settings and writes the settings file.
  void accept() override;
  // After OK: whether the unit system was switched.
  bool unitsChanged() const { return unitsChanged_; }

 private:
  void browse(QLineEdit* target, const QString& filter);
  QLineEdit* currency_;
  QRadioButton* imperial_;
  QRadioButton* metric_;
  QCheckBox* extended_;
  QCheckBox* positions_;
  QCheckBox* dump_;
  QLineEdit* browser_;
  QLineEdit* externFile_;
  QLineEdit* menuText_;
  QLineEdit* port_;
  QScrollBar* spin_;
  QComboBox* language_;  // takes effect at the next start
  const kelp::StringList* suits_;
  bool unitsChanged_ = false;
};
