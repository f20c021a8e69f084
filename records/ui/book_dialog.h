#pragma once
// What the dialogs of the personal books share: the file path with its " *" mark (1111),
// the list view (1112) with saved column widths, the buttons by id, the save question
// before the dialog closes, loads another file or prints, and the prompts tests answer.
#include <QDialog>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/logbook.h"
#include "records/book_list.h"
#include "records/book_print.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// File choices and printing go through these hooks so that tests can answer them.
struct BookPrompts {
  // Asks for a book file: pattern "*.adr", default suffix "adr"; "" when cancelled.
  std::function<QString(QWidget* parent, const QString& pattern, const QString& suffix, const QString& current)> file;
  // Prints a book (the dialog has closed or is closing).
  std::function<void(QWidget* parent, const kelp::BookPrintout& printout)> print;
};
BookPrompts& bookPrompts();

namespace bookui {
QString q(const std::string& utf8);
std::string u(const QString& s);
// Gives a widget its control id as objectName.
template <class W> W* named(W* w, int id) {
  w->setObjectName(QString::number(id));
  return w;
}
// A line edit for a text field of `fieldSize` bytes: at most `maxChars` characters.
QLineEdit* textEdit(QWidget* parent, int id, int maxChars);
}  // namespace bookui

// Opens the book of a setting (the address, equipment or activities file): the file the
// setting names when it exists, else one the user chooses (a new name starts an empty book).
// A file that cannot be read is reported, opened not at all and left as it is; the user may
// choose another. On success the setting takes the path and true is returned.
bool chooseBookFile(QWidget* parent, std::string& setting, const QString& pattern, const QString& suffix,
                    const std::function<kelp::Result(const std::string& path)>& load);

class CBookDlg : public QDialog {
  Q_OBJECT
 public:
  CBookDlg(QWidget* parent, const QString& title, int saveQuestionId);
  ~CBookDlg() override;

  QTreeWidget* list() const { return m_list; }
  QPushButton* button(int id) const;
  QString pathText() const;
  virtual bool isModified() const = 0;

  // "Chiudi" and the window's close: ask to save when modified (Cancel keeps the dialog).
  void reject() override;

 protected:
  // A column of the list: its heading, its default width, and a text it must fit by default
  // (a date, the dive numbers) in the font the platform gives the list.
  struct Column {
    QString heading;
    int width;
    QString sample = {};
  };
  // Builds the list view with its columns and the saved widths (values below 0 keep the
  // default), which are stored back when the dialog goes.
  QTreeWidget* makeList(const std::vector<Column>& columns, int* savedWidths);
  QPushButton* makeButton(int id, const QString& text);
  QLabel* pathLabel() const { return m_path; }

  void setBookPath(const std::string& path) { m_bookPath = path; }
  const std::string& bookPath() const { return m_bookPath; }
  // Shows the path with the modified mark and enables the buttons.
  void refreshState();
  virtual void updateButtons() = 0;
  virtual kelp::Result saveBook() = 0;
  virtual kelp::BookPrintout printout() const = 0;
  // Dialogs that edit in place read their fields back before the book is saved or left.
  virtual void commitEdits() {}
  // The list row of the selected entry, or none.
  void selectRow(int row);
  int currentRow() const;

  // True when the dialog may leave the book (after the save question).
  bool askToSave();
  // "Salva": writes the book; a failure is told and the book stays modified.
  void onSave();
  // "Stampa": asks to save first, as closing does, then prints and closes.
  void onPrint();
  // "Carica": the file dialog, the save question, then the new file (see openFile).
  void onLoad(const QString& pattern, const QString& suffix);
  // Reads another file into the dialog; on failure says so and keeps the open book.
  virtual bool openFile(const std::string& path) = 0;
  void tell(const std::string& message);

 private:
  QLabel* m_path = nullptr;
  QTreeWidget* m_list = nullptr;
  std::map<int, QPushButton*> m_buttons;
  int* m_savedWidths = nullptr;
  int m_questionId;
  std::string m_bookPath;
};
