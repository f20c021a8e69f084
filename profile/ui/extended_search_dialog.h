#pragma once
// "Seleziona file" (dialog 155): the extended search over a set of conditions, the list of
// the dives found, going to one of them, and "Crea file", which writes them into a new
// logbook file.
#include <QDialog>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "core/logbook.h"
#include "profile/search.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;

class CExtendedSearchDlg : public QDialog {
  Q_OBJECT
 public:
  // goTo moves the main form to a dive position (1-based).
  CExtendedSearchDlg(const kelp::Logbook& logbook, std::function<void(int)> goTo, QWidget* parent = nullptr);
  ~CExtendedSearchDlg() override;

  // The conditions as the controls hold them.
  kelp::SearchCriteria criteria() const;
  // Positions of the dives found by the last "Cerca".
  const std::vector<int>& found() const { return m_found; }
  // The last file "Crea file" wrote; empty when none.
  QString writtenFile() const { return m_written; }

  void search();      // "Cerca"
  void createFile();  // "Crea file"
  void goToRow();     // "Vai a:"

 protected:
  void done(int result) override;

 private:
  void setCriteria(const kelp::SearchCriteria& c);
  QLineEdit* edit(const char* id, int maxLength, int width);
  QComboBox* textCombo(const char* id, const kelp::StringList& list, int maxLength);
  QComboBox* indexCombo(const char* id, const QStringList& entries);
  QButtonGroup* threeWay(const int ids[3], const char* const labels[3]);

  const kelp::Logbook& m_log;
  std::function<void(int)> m_goTo;
  std::map<int, QLineEdit*> m_edits;
  std::map<int, QComboBox*> m_combos;
  QButtonGroup* m_typeGroups[3];
  QCheckBox *m_nitrox, *m_scr;
  std::vector<QCheckBox*> m_activities, m_specials;
  QRadioButton *m_and, *m_or;
  QListView* m_results;
  class RowsModel;
  RowsModel* m_rows;
  QLabel* m_count;
  QPushButton *m_search, *m_create, *m_goToButton;
  std::vector<int> m_found;
  QString m_written;
};
