#pragma once
// "Suggerimenti" (104): the tip of the day, read line by line from the tips file.
#include <QDialog>
#include <string>

#include "app/tips.h"

class QCheckBox;
class QLabel;
class QPushButton;

class TipDialog : public QDialog {
  Q_OBJECT
 public:
  // path: the tips file (tipsFilePath() when empty).
  explicit TipDialog(QWidget* parent = nullptr, const std::string& path = {});
  ~TipDialog() override;
  // Whether the tip of the day is to be shown at start ("StartUp" 0).
  static bool showAtStartUp();
  QString tipText() const;
  void nextTip();
  void accept() override;

 private:
  kelp::TipsFile file_;
  QLabel* text_;
  QCheckBox* showNext_;
  QPushButton* next_;
};
