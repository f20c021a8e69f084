#pragma once
// "Datenfelder Ausgabe Hauptfenster" (208): which fields the main window shows.
// The flags are set at every start and never written to the settings file.
#include <QDialog>
#include <array>

class QCheckBox;

class CFieldSelectionDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CFieldSelectionDlg(QWidget* parent = nullptr);
  void accept() override;
  QCheckBox* field(int i) const { return boxes_[static_cast<size_t>(i)]; }

 private:
  std::array<QCheckBox*, 25> boxes_{};
};
