#pragma once
// "Stampa immersioni" (dialog 181): what to print (dives, dive list or cover), how each dive
// is printed, the separator line and the range of dive numbers.
#include <QDialog>

#include "profile/print_layout.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

class CPrintDivesDlg : public QDialog {
  Q_OBJECT
 public:
  CPrintDivesDlg(const kelp::PrintSelection& selection, bool separator, QWidget* parent = nullptr);

  // The choice after OK.
  kelp::PrintSelection selection() const;
  bool separator() const;

  void accept() override;

 private:
  void updateNumbers();
  QButtonGroup* m_mode;
  QButtonGroup* m_option;
  QCheckBox* m_separator;
  QLineEdit* m_first;
  QLineEdit* m_last;
  kelp::PrintSelection m_selection;
};
