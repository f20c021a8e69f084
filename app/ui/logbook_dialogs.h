#pragma once
// The small dialogs of the logbook operations: renumbering, shifting times and
// the limits of a selection copy; and the commands that run them.
#include <QDialog>

class QLineEdit;
class QRadioButton;
class CKelpDoc;

// "Renumera logbook": 1106 "Inizia con il numero:".
class CRenumberDlg : public QDialog {
  Q_OBJECT
 public:
  CRenumberDlg(int first, QWidget* parent = nullptr);
  int first() const;
 private:
  QLineEdit* m_first;
};

// "Rinumera imm": 1389 "Prima imm:", 1390 "Ultima imm:", 1391 start number.
class CRenumberRangeDlg : public QDialog {
  Q_OBJECT
 public:
  CRenumberRangeDlg(int first, int last, int start, QWidget* parent = nullptr);
  int first() const;
  int last() const;
  int start() const;
 private:
  QLineEdit *m_first, *m_last, *m_start;
};

// "Fuso orario": 1104 first dive number, 1105 last dive number, 1057 difference "HH:MM", "+"/"-".
class CTimeZoneDlg : public QDialog {
  Q_OBJECT
 public:
  CTimeZoneDlg(int first, int last, QWidget* parent = nullptr);
  int first() const;
  int last() const;
  // Difference in minutes, negative for "-"; false when the text is no "%d:%d".
  bool minutes(int& out) const;
 private:
  QLineEdit *m_first, *m_last, *m_diff;
  QRadioButton *m_plus, *m_minus;
};

// "Limiti di selezione" (196): 1389 "Prima imm:", 1390 "Ultima imm:".
class CSelectionLimitsDlg : public QDialog {
  Q_OBJECT
 public:
  CSelectionLimitsDlg(int first, int last, QWidget* parent = nullptr);
  int first() const;
  int last() const;
 private:
  QLineEdit *m_first, *m_last;
};

// The commands; each returns true when the logbook was changed.
namespace logbook_commands {
// The menu text of a command (the name of its step in the history), without its '&'.
QString commandText(int id);
bool deleteDive(QWidget* parent, CKelpDoc& doc);
bool renumber(QWidget* parent, CKelpDoc& doc);
bool renumberRange(QWidget* parent, CKelpDoc& doc);
bool timeZone(QWidget* parent, CKelpDoc& doc);
bool selectionCopy(QWidget* parent, CKelpDoc& doc);  // true when the buffer was filled
bool selectionPaste(QWidget* parent, CKelpDoc& doc);
bool copyDive(CKelpDoc& doc);
bool pasteDive(QWidget* parent, CKelpDoc& doc);
}  // namespace logbook_commands
