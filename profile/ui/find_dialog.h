#pragma once
// "Cerca immersione" (dialog 152): one text field or one of twenty activities to look for.
// The dialog only collects the search; the command runs it.
#include <QDialog>

#include "core/logbook.h"
#include "profile/search.h"

class QButtonGroup;
class QComboBox;
class QRadioButton;

class CFindDiveDlg : public QDialog {
  Q_OBJECT
 public:
  CFindDiveDlg(const kelp::Logbook& logbook, const kelp::LastSearch& last, QWidget* parent = nullptr);

  // The search as the controls hold it (text in stored form, cut to 100 characters).
  kelp::LastSearch search() const;
  QComboBox* textBox() const { return m_text; }

 private:
  void onFieldChanged();
  void updateEnabled();
  void fillTextBox();

  const kelp::Logbook& m_log;
  QButtonGroup* m_fields;
  QButtonGroup* m_activities;
  QComboBox* m_text;
};
