#pragma once
// "Circa Kelp" (100): product name, version and interface language.
#include <QDialog>

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

// The program's icon drawn at any size (a kelp frond in a blue disc).
class QPixmap;
QPixmap kelpIconPixmap(int size);
