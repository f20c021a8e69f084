#pragma once
// "Warning" (201): the notice about the extended mode and its .add file.
#include <QDialog>

class QCheckBox;

class CWarningDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CWarningDlg(QWidget* parent = nullptr);
  // OK: check box 1025 becomes "Warnfenster" and the settings file is written.
  void accept() override;

 private:
  QCheckBox* showAtStart_;
};
