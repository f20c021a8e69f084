#pragma once
// "trova e sostituisci" (dialog 195): replaces a piece of text in one text field of every
// dive. "Cerca" lists what would change; "Sostituisci" hands the texts as they stand to the
// document, which changes the logbook.
#include <QDialog>
#include <functional>
#include <string>

#include "core/logbook.h"

class QButtonGroup;
class QLineEdit;
class QListView;
class QPushButton;

class CReplaceDlg : public QDialog {
  Q_OBJECT
 public:
  // replace(field, old, new) changes the logbook (UTF-8 texts) and returns the dives changed.
  using ReplaceFn = std::function<int(int field, const std::string& oldText, const std::string& newText)>;
  CReplaceDlg(const kelp::Logbook& logbook, ReplaceFn replace, QWidget* parent = nullptr);

  int field() const;
  QListView* results() const { return m_results; }

 private:
  void onSearch();
  void onReplace();
  void onInputChanged();

  const kelp::Logbook& m_log;
  ReplaceFn m_replace;
  QLineEdit* m_old;
  QLineEdit* m_new;
  QButtonGroup* m_field;
  QListView* m_results;
  QPushButton* m_search;
  QPushButton* m_replaceButton;
};
