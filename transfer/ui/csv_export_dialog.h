#pragma once
// The dialog "Esporta a Excel" (198): fields, range of dive numbers, separator,
// and for the profile of one dive the sign of depths and the time format. On
// "Esporta" it checks, stores the settings and writes the chosen file.
#include <QDialog>
#include <map>

#include "core/logbook.h"
#include "transfer/csv_export.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class CCsvExportDlg : public QDialog {
  Q_OBJECT
 public:
  CCsvExportDlg(const kelp::Logbook& lb, const QString& path, QWidget* parent = nullptr);

  // The options as the controls hold them.
  kelp::CsvOptions options() const;
  void accept() override;  // "Esporta"

 private:
  void applyRules();

  const kelp::Logbook& m_log;
  QString m_path;
  QLineEdit *m_first, *m_last;
  QLabel *m_firstLabel, *m_lastLabel, *m_signLabel, *m_timeLabel;
  std::map<int, QCheckBox*> m_fields;  // by field bit
  QCheckBox* m_profile;
  QComboBox* m_separator;
  QButtonGroup *m_sign, *m_time;
};
