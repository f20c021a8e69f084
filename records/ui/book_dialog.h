#pragma once
// What the dialogs of the personal books share: the file path with its " *" mark (1111),
// the list view (1112) with saved column widths, the buttons by id, the save question
// before the dialog closes, loads another file or prints, and the prompts tests answer
// (CBookDlg); and over the entries of one record type, one list row per entry and what
// New, Edit, Delete, Sort, Save and Load do to them (CRecordBookDlg).
#include <QDialog>
#include <QPushButton>
#include <QString>
#include <QTreeWidget>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/ui/kelp_doc.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "records/book_list.h"
#include "records/book_print.h"

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QVBoxLayout;

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
  // The dialog's layout: the path on top, then a row with the list view on the left (at
  // least `minHeight` high) and whatever the book adds to the row on its right.
  QVBoxLayout* topLayout();
  QHBoxLayout* listRow(QVBoxLayout* top, const std::vector<Column>& columns, int* savedWidths, int minHeight);
  // The buttons as one column ending in "Chiudi" (1) below a stretch, or three to a row.
  // Button ids and their Italian texts, marked QT_TRANSLATE_NOOP("CBookDlg", ...): the
  // buttons show them translated in that context.
  using ButtonTexts = std::vector<std::pair<int, const char*>>;
  QVBoxLayout* buttonColumn(const ButtonTexts& buttons);
  QGridLayout* buttonGrid(const ButtonTexts& buttons);

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

// What one book dialog is: its title and save question, the buttons that need entries, how
// New starts an entry, its sort; for books edited in a dialog of their own, what counts as a
// change; and for the books whose file a setting names, the file choice, the setting and
// the book's reader and writer.
template <class Rec>
struct BookDlgKind {
  const char* title;             // QT_TRANSLATE_NOOP("CBookDlg", ...), shown translated
  int saveQuestion;              // string id
  std::vector<int> needEntries;  // buttons enabled only while there are entries
  Rec (*fresh)();                // the entry New starts from
  void (*sort)(std::vector<Rec>&);
  bool (*same)(const Rec&, const Rec&) = nullptr;  // Edit replaces only a changed entry
  int printButton = 11;
  bool selectLast = false;  // opening selects the last entry, else the first
  bool freshWhenEmpty = false;  // an empty file opens with one fresh entry, not modified
  const char* pattern = nullptr;  // "*.adr"; none: the book has no "Carica"
  const char* suffix = nullptr;   // "adr"
  std::string kelp::Settings::*setting = nullptr;
  kelp::Result (*load)(const std::string& path, std::vector<Rec>& out) = nullptr;
  kelp::Result (*save)(const std::string& path, const std::vector<Rec>& book) = nullptr;
};

// A book dialog over the entries of one record type, kept in a kelp::BookList, one list row
// each. A book gives its row texts and its delete question; a book edited in a dialog of its
// own gives that dialog (runEditor); the books edited in place build on CInPlaceBookDlg.
template <class Rec>
class CRecordBookDlg : public CBookDlg {
 public:
  bool isModified() const override { return m_book.modified; }
  const kelp::BookList<Rec>& book() const { return m_book; }

  // New (7): the book's editor on a fresh entry; on OK it is appended and selected.
  virtual void addNew() {
    if (!m_book.canAdd()) return;
    Rec r = m_kind.fresh();
    if (!runEditor(r)) return;
    m_book.append(r);
    syncRows([this] { new QTreeWidgetItem(list(), rowTexts(m_book.entries.back())); });
    refreshState();
  }
  // Delete (8): the book's question with Yes and No; Yes removes the entry.
  void deleteSelected() {
    const int i = m_book.selected;
    if (!m_book.hasSelection()) return;
    if (askUser(this, QMessageBox::Question, bookui::q(deleteQuestion(m_book.entries[size_t(i)])),
                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
      return;
    m_book.remove(i);
    entryRemoved(i);
  }
  // Sort (9): the rows are rebuilt and the first one is selected.
  void sortBook() {
    commitEdits();
    m_book.sort(m_kind.sort);
    fillList();
  }

 protected:
  // Opens on entries already read from `path`.
  CRecordBookDlg(QWidget* parent, const BookDlgKind<Rec>& kind, const std::string& path, std::vector<Rec> entries)
      : CBookDlg(parent, CBookDlg::tr(kind.title), kind.saveQuestion), m_kind(kind) {
    setBookPath(path);
    m_book.open(std::move(entries), kind.selectLast, kind.freshWhenEmpty ? kind.fresh : nullptr);
  }
  const BookDlgKind<Rec>& kind() const { return m_kind; }

  virtual QStringList rowTexts(const Rec& r) const = 0;
  virtual std::string deleteQuestion(const Rec& r) const = 0;
  // The book's own dialog on an entry; true on OK.
  virtual bool runEditor(Rec&) { return false; }
  // Books edited in place show the selected entry in their fields; some books show totals.
  virtual void showSelected() {}
  virtual void showTotals() {}
  // After Delete: the entry's row goes and the selection follows the book's.
  virtual void entryRemoved(int row) {
    syncRows([this, row] { delete list()->takeTopLevelItem(row); });
    refreshState();
  }
  // Writes the book; the book is no longer modified once it succeeded.
  virtual kelp::Result writeBook() { return m_kind.save(bookPath(), m_book.entries); }

  // Edit (6, or a double click on a row): the book's editor on a copy of the selected entry;
  // on OK a changed entry replaces it.
  void editSelected() {
    const int i = m_book.selected;
    if (!m_book.hasSelection()) return;
    Rec r = m_book.entries[size_t(i)];
    if (!runEditor(r)) return;
    if (m_book.replace(i, r, m_kind.same)) setRow(i);
    refreshState();
  }

  // The last step of each book's constructor: connects the buttons every book has ("Modifica"
  // and "Carica" where the book has them) and the list, and shows the entries.
  void finishSetup() {
    connect(button(7), &QPushButton::clicked, this, [this] { addNew(); });
    connect(button(8), &QPushButton::clicked, this, &CRecordBookDlg::deleteSelected);
    connect(button(9), &QPushButton::clicked, this, &CRecordBookDlg::sortBook);
    connect(button(10), &QPushButton::clicked, this, &CRecordBookDlg::onSave);
    connect(button(m_kind.printButton), &QPushButton::clicked, this, &CRecordBookDlg::onPrint);
    connect(button(1), &QPushButton::clicked, this, &CRecordBookDlg::reject);
    if (m_kind.pattern)
      connect(button(5), &QPushButton::clicked, this,
              [this] { onLoad(QString::fromUtf8(m_kind.pattern), QString::fromUtf8(m_kind.suffix)); });
    if (QPushButton* edit = button(6)) {
      connect(edit, &QPushButton::clicked, this, &CRecordBookDlg::editSelected);
      connect(list(), &QTreeWidget::itemDoubleClicked, this, [this] { editSelected(); });
    }
    connect(list(), &QTreeWidget::currentItemChanged, this, [this] {
      if (m_syncing) return;
      commitEdits();  // of the entry being left
      m_book.selected = currentRow();
      showSelected();
    });
    fillList();
  }

  // Rebuilds every row and selects the book's selected entry.
  void fillList() {
    syncRows([this] {
      list()->clear();
      for (const Rec& r : m_book.entries) new QTreeWidgetItem(list(), rowTexts(r));
    });
    showSelected();
    showTotals();
    refreshState();
  }
  void setRow(int i) {
    if (i < 0 || i >= m_book.count()) return;
    const QStringList texts = rowTexts(m_book.entries[size_t(i)]);
    for (int c = 0; c < texts.size(); ++c) list()->topLevelItem(i)->setText(c, texts[c]);
  }

  void updateButtons() override {
    const bool any = m_book.entryCommandsEnabled();
    for (int id : m_kind.needEntries) button(id)->setEnabled(any);
    button(7)->setEnabled(m_book.canAdd());
  }
  kelp::Result saveBook() override {
    const kelp::Result r = writeBook();
    if (r) m_book.modified = false;
    return r;
  }
  // "Carica": the file becomes the setting and the book, unless it cannot be read.
  bool openFile(const std::string& path) override {
    if (!m_kind.load) return false;
    std::vector<Rec> read;
    const kelp::Result r = m_kind.load(path, read);
    if (!r) {
      tell(r.error);
      return false;
    }
    kelp::settings().*m_kind.setting = path;
    setBookPath(path);
    m_book.open(std::move(read), m_kind.selectLast, m_kind.freshWhenEmpty ? m_kind.fresh : nullptr);
    fillList();
    return true;
  }

  kelp::BookList<Rec> m_book;

 private:
  // Changes the rows while the list's selection is not taken for the book's, then selects
  // the book's selected entry.
  template <class Change>
  void syncRows(Change change) {
    m_syncing = true;
    change();
    selectRow(m_book.selected);
    m_syncing = false;
  }

  const BookDlgKind<Rec>& m_kind;
  bool m_syncing = false;
};

// Opens the dialog of a book whose file a setting names (see chooseBookFile).
template <class Dlg, class Rec>
void openSettingBook(QWidget* parent, const BookDlgKind<Rec>& kind) {
  std::vector<Rec> book;
  std::string path = kelp::settings().*kind.setting;
  if (!chooseBookFile(parent, path, QString::fromUtf8(kind.pattern), QString::fromUtf8(kind.suffix),
                      [&](const std::string& p) { return kind.load(p, book); }))
    return;
  kelp::settings().*kind.setting = path;
  Dlg dlg(parent, path, std::move(book));
  dlg.exec();
}
