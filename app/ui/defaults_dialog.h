#pragma once
// "Default" (215): the default values given to new and downloaded dives.
#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace kelp {
class StringList;
}

class CDefaultDlg : public QDialog {
  Q_OBJECT
 public:
  // suits: the logbook's suit descriptions offered in the editable list (may be null).
  explicit CDefaultDlg(QWidget* parent = nullptr, const kelp::StringList* suits = nullptr);
  // OK: copies the values into the settings and writes the settings file.
  void accept() override;

 private:
  QCheckBox* use_;
  QComboBox* level_;
  QComboBox* suit_;
  QComboBox* suitDescription_;
  QLineEdit* tankSize_;
  QComboBox* material_;
  QLineEdit* weight_;
  QButtonGroup* kind_;
  QButtonGroup* ascent_;
  QButtonGroup* water_;
};
