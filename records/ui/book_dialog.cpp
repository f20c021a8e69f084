#include "records/ui/book_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ui/kelp_doc.h"
#include "core/strings.h"
#include "core/texts.h"
#include "profile/ui/print_job.h"
#include "records/ui/print/book_pages.h"

namespace {

QString defaultBookFile(QWidget* parent, const QString& pattern, const QString& suffix, const QString& current) {
  QFileDialog dlg(parent);
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  // A name that does not exist yet starts a new book.
  dlg.setFileMode(QFileDialog::AnyFile);
  dlg.setNameFilters({pattern, QStringLiteral("*")});
  dlg.setDefaultSuffix(suffix);
  if (!current.isEmpty()) dlg.selectFile(current);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  return dlg.selectedFiles().front();
}

// The books print through the print job: the system print dialog, then the printer.
void printThroughJob(QWidget* parent, const kelp::BookPrintout& printout) {
  kelp::print::BookPages pages(printout, kelp::todayDayNumber());
  PrintJob(pages, parent).print();
}

}  // namespace

BookPrompts& bookPrompts() {
  static BookPrompts p{defaultBookFile, printThroughJob};
  return p;
}

namespace bookui {

QString q(const std::string& utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }
std::string u(const QString& s) { return s.toUtf8().toStdString(); }

QLineEdit* textEdit(QWidget* parent, int id, int maxChars) {
  auto* e = named(new QLineEdit(parent), id);
  e->setMaxLength(maxChars);
  return e;
}

}  // namespace bookui

using bookui::q;

bool chooseBookFile(QWidget* parent, std::string& setting, const QString& pattern, const QString& suffix,
                    const std::function<kelp::Result(const std::string& path)>& load) {
  std::string path = setting;
  bool ask = path.empty() || !QFileInfo(q(path)).isFile();
  for (;;) {
    if (ask) {
      const QString chosen = bookPrompts().file(parent, pattern, suffix, q(path));
      if (chosen.isEmpty()) return false;
      path = bookui::u(chosen);
    }
    const kelp::Result r = load(path);
    if (r) {
      setting = path;
      return true;
    }
    tellUser(parent, q(r.error));
    ask = true;
  }
}

CBookDlg::CBookDlg(QWidget* parent, const QString& title, int saveQuestionId)
    : QDialog(parent), m_questionId(saveQuestionId) {
  setWindowTitle(title);
  m_path = bookui::named(new QLabel(this), 1111);
  m_path->setTextFormat(Qt::PlainText);
  m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

CBookDlg::~CBookDlg() {
  if (m_list && m_savedWidths)
    for (int i = 0; i < m_list->columnCount(); ++i) m_savedWidths[i] = m_list->columnWidth(i);
}

QTreeWidget* CBookDlg::makeList(const std::vector<Column>& columns, int* savedWidths) {
  m_list = bookui::named(new QTreeWidget(this), 1112);
  m_savedWidths = savedWidths;
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setAllColumnsShowFocus(true);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setColumnCount(int(columns.size()));
  QStringList heads;
  for (const auto& c : columns) heads << c.heading;
  m_list->setHeaderLabels(heads);
  m_list->header()->setStretchLastSection(false);
  const QFontMetrics fm(m_list->font());
  int total = 0;
  for (int i = 0; i < int(columns.size()); ++i) {
    const Column& c = columns[size_t(i)];
    const int fits = std::max(fm.horizontalAdvance(c.heading), fm.horizontalAdvance(c.sample)) + 16;
    const int saved = savedWidths ? savedWidths[i] : -1;
    m_list->setColumnWidth(i, saved >= 0 ? saved : std::max(c.width, fits));
    total += m_list->columnWidth(i);
  }
  // Every column shows without scrolling.
  m_list->setMinimumWidth(total + 2 * m_list->frameWidth() + 4);
  return m_list;
}

QPushButton* CBookDlg::makeButton(int id, const QString& text) {
  auto* b = bookui::named(new QPushButton(text, this), id);
  b->setAutoDefault(false);
  m_buttons[id] = b;
  return b;
}

QVBoxLayout* CBookDlg::topLayout() {
  auto* top = new QVBoxLayout(this);
  top->addWidget(m_path);
  return top;
}

QHBoxLayout* CBookDlg::listRow(QVBoxLayout* top, const std::vector<Column>& columns, int* savedWidths,
                               int minHeight) {
  auto* row = new QHBoxLayout;
  auto* list = makeList(columns, savedWidths);
  list->setMinimumHeight(minHeight);
  row->addWidget(list, 1);
  top->addLayout(row);
  return row;
}

QVBoxLayout* CBookDlg::buttonColumn(const ButtonTexts& buttons) {
  auto* column = new QVBoxLayout;
  for (const auto& [id, text] : buttons) column->addWidget(makeButton(id, tr(text)));
  column->addStretch();
  column->addWidget(makeButton(1, tr("Chiudi")));
  return column;
}

QGridLayout* CBookDlg::buttonGrid(const ButtonTexts& buttons) {
  auto* grid = new QGridLayout;
  int b = 0;
  for (const auto& [id, text] : buttons) {
    grid->addWidget(makeButton(id, tr(text)), b / 3, b % 3);
    ++b;
  }
  return grid;
}

QPushButton* CBookDlg::button(int id) const {
  auto it = m_buttons.find(id);
  return it == m_buttons.end() ? nullptr : it->second;
}

QString CBookDlg::pathText() const { return m_path->text(); }

void CBookDlg::refreshState() {
  m_path->setText(q(kelp::bookPathText(m_bookPath, isModified())));
  updateButtons();
}

void CBookDlg::selectRow(int row) {
  if (!m_list) return;
  if (row < 0 || row >= m_list->topLevelItemCount()) {
    m_list->setCurrentItem(nullptr);
    m_list->clearSelection();
    return;
  }
  QTreeWidgetItem* it = m_list->topLevelItem(row);
  m_list->setCurrentItem(it);
  it->setSelected(true);
  m_list->scrollToItem(it);
}

int CBookDlg::currentRow() const {
  if (!m_list || !m_list->currentItem()) return -1;
  return m_list->indexOfTopLevelItem(m_list->currentItem());
}

void CBookDlg::tell(const std::string& message) { tellUser(this, q(message)); }

bool CBookDlg::askToSave() {
  commitEdits();
  return kelp::mayLeaveBook(
      isModified(),
      [this] {
        const int b = askUser(this, QMessageBox::Question, q(kelp::str(m_questionId)),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return b == QMessageBox::Yes ? kelp::SaveAnswer::Yes
               : b == QMessageBox::No ? kelp::SaveAnswer::No
                                      : kelp::SaveAnswer::Cancel;
      },
      [this] {
        kelp::Result r = saveBook();
        refreshState();
        return r;
      },
      [this](const std::string& m) { tell(m); });
}

void CBookDlg::onSave() {
  commitEdits();
  const kelp::Result r = saveBook();
  if (!r) tell(r.error);
  refreshState();
}

void CBookDlg::onPrint() {
  if (!askToSave()) return;
  const kelp::BookPrintout p = printout();
  QDialog::accept();
  bookPrompts().print(parentWidget(), p);
}

void CBookDlg::onLoad(const QString& pattern, const QString& suffix) {
  const QString chosen = bookPrompts().file(this, pattern, suffix, q(m_bookPath));
  if (chosen.isEmpty()) return;
  if (!askToSave()) return;
  openFile(bookui::u(chosen));
  refreshState();
}

void CBookDlg::reject() {
  if (!askToSave()) return;
  QDialog::reject();
}
