#include "records/ui/activity_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ui/kelp_doc.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "records/book_date.h"

using bookui::named;
using bookui::q;

CActivityDlg::CActivityDlg(QWidget* parent, const std::string& path, std::vector<kelp::ActivityEntry> book)
    : CBookDlg(parent, QStringLiteral("Attività e qualificazioni"), 62474),
      m_fields(
          this, [this] { return m_book.current(); }, [this](int id) { onFieldChanged(id); }) {
  setBookPath(path);
  // Opening selects the last entry and changes nothing, also when the book is empty.
  m_book.open(std::move(book), true);
  auto* top = new QVBoxLayout(this);
  top->addWidget(pathLabel());
  auto* body = new QHBoxLayout;
  auto* list = makeList({{q(kelp::str(62473)), 70, QStringLiteral("00.00.0000")}, {q(kelp::str(62472)), 312}}, kelp::settings().nachwCols.data());
  list->setMinimumHeight(300);
  body->addWidget(list, 1);

  auto* right = new QVBoxLayout;
  auto* grid = new QGridLayout;
  auto* activity = bookui::textEdit(this, 1337, kelp::ACTIVITY_TEXT_MAX);
  auto* start = named(new QLineEdit(this), 1155);
  auto* end = named(new QLineEdit(this), 1156);
  auto* theory = named(new QLineEdit(this), 1157);
  auto* practice = named(new QLineEdit(this), 1158);
  auto* persons = named(new QLineEdit(this), 1159);
  auto* note = bookui::textEdit(this, 1133, 63);
  for (QLineEdit* e : {theory, practice, persons}) {
    e->setValidator(new QIntValidator(e));
    e->setMaximumWidth(80);
  }
  for (QLineEdit* e : {start, end}) e->setMaximumWidth(100);
  grid->addWidget(new QLabel(QStringLiteral("Attività"), this), 0, 0);
  grid->addWidget(activity, 0, 1, 1, 3);
  grid->addWidget(new QLabel(QStringLiteral("Data"), this), 1, 0);
  grid->addWidget(start, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("A:"), this), 1, 2, Qt::AlignRight);
  grid->addWidget(end, 1, 3);
  grid->addWidget(new QLabel(QStringLiteral("Ore teoria"), this), 2, 0);
  grid->addWidget(theory, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("Ore pratica"), this), 3, 0);
  grid->addWidget(practice, 3, 1);
  grid->addWidget(new QLabel(QStringLiteral("Numero persone"), this), 4, 0);
  grid->addWidget(persons, 4, 1);
  grid->addWidget(new QLabel(QStringLiteral("Note"), this), 5, 0);
  grid->addWidget(note, 5, 1, 1, 3);
  activity->setMinimumWidth(300);
  right->addLayout(grid);

  auto* totals = new QGridLayout;
  m_theory = named(new QLabel(this), 1338);
  m_practice = named(new QLabel(this), 1339);
  m_total = named(new QLabel(this), 1340);
  const std::pair<const char*, QLabel*> kTotals[] = {{"Teoria", m_theory}, {"Pratica", m_practice}, {"Totale", m_total}};
  int row = 0;
  for (const auto& [label, value] : kTotals) {
    totals->addWidget(new QLabel(QString::fromUtf8(label), this), row, 0);
    value->setAlignment(Qt::AlignRight);
    value->setMinimumWidth(60);
    value->setFrameShape(QFrame::StyledPanel);
    totals->addWidget(value, row++, 1);
  }
  totals->setColumnStretch(2, 1);
  right->addLayout(totals);
  right->addStretch();
  auto* buttons = new QGridLayout;
  const std::pair<int, const char*> kButtons[] = {{7, "Nuovo"}, {8, "Cancella"}, {9, "Seleziona"},
                                                  {5, "Carica"}, {10, "Salva"},  {11, "Stampa"}};
  int b = 0;
  for (const auto& [id, text] : kButtons) {
    buttons->addWidget(makeButton(id, QString::fromUtf8(text)), b / 3, b % 3);
    ++b;
  }
  buttons->addWidget(makeButton(1, QStringLiteral("Chiudi")), 2, 2);
  right->addLayout(buttons);
  body->addLayout(right);
  top->addLayout(body);

  m_fields.addText(activity, &kelp::ActivityEntry::activity);
  m_fields.addDate(start, &kelp::ActivityEntry::startDate);
  m_fields.addDate(end, &kelp::ActivityEntry::endDate);
  m_fields.addNumber(theory, &kelp::ActivityEntry::theoryHours);
  m_fields.addNumber(practice, &kelp::ActivityEntry::practiceHours);
  m_fields.addNumber(persons, &kelp::ActivityEntry::persons);
  m_fields.addText(note, &kelp::ActivityEntry::note);

  connect(button(7), &QPushButton::clicked, this, &CActivityDlg::addNew);
  connect(button(8), &QPushButton::clicked, this, &CActivityDlg::deleteSelected);
  connect(button(9), &QPushButton::clicked, this, &CActivityDlg::sortBook);
  connect(button(5), &QPushButton::clicked, this, [this] { onLoad(QStringLiteral("*.abn"), QStringLiteral("abn")); });
  connect(button(10), &QPushButton::clicked, this, &CActivityDlg::onSave);
  connect(button(11), &QPushButton::clicked, this, &CActivityDlg::onPrint);
  connect(button(1), &QPushButton::clicked, this, &CActivityDlg::reject);
  connect(list, &QTreeWidget::currentItemChanged, this, &CActivityDlg::onSelectionChanged);
  fillList();
}

void CActivityDlg::fillList() {
  m_syncing = true;
  list()->clear();
  for (const auto& e : m_book.entries)
    new QTreeWidgetItem(list(), {q(kelp::formatBookDate(e.startDate)), q(kelp::storedToUtf8(kelp::getText(e.activity)))});
  selectRow(m_book.selected);
  m_syncing = false;
  m_fields.show();
  showTotals();
  refreshState();
}

void CActivityDlg::setRow(int i) {
  if (i < 0 || i >= m_book.count()) return;
  const kelp::ActivityEntry& e = m_book.entries[size_t(i)];
  QTreeWidgetItem* it = list()->topLevelItem(i);
  it->setText(0, q(kelp::formatBookDate(e.startDate)));
  it->setText(1, q(kelp::storedToUtf8(kelp::getText(e.activity))));
}

void CActivityDlg::onSelectionChanged() {
  if (m_syncing) return;
  m_fields.checkDates();  // of the entry being left
  m_book.selected = currentRow();
  m_fields.show();
}

void CActivityDlg::onFieldChanged(int id) {
  m_book.modified = true;
  if (id == 1337 || id == 1155) setRow(m_book.selected);
  if (id == 1157 || id == 1158) showTotals();
  refreshState();
}

void CActivityDlg::showTotals() {
  const kelp::ActivityTotals t = kelp::activityTotals(m_book.entries);
  m_theory->setText(QString::number(t.theory));
  m_practice->setText(QString::number(t.practice));
  m_total->setText(QString::number(t.total()));
}

void CActivityDlg::updateButtons() {
  const bool any = m_book.entryCommandsEnabled();
  for (int id : {8, 9, 10, 11}) button(id)->setEnabled(any);
  button(7)->setEnabled(m_book.canAdd());
}

void CActivityDlg::addNew() {
  m_fields.checkDates();
  if (!m_book.append(kelp::makeNewActivity())) return;
  fillList();
}

void CActivityDlg::deleteSelected() {
  const int i = m_book.selected;
  if (i < 0 || i >= m_book.count()) return;
  const std::string question =
      kelp::strf(62469, kelp::storedToUtf8(kelp::getText(m_book.entries[size_t(i)].activity)).c_str());
  if (askUser(this, QMessageBox::Question, q(question), QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  m_book.remove(i);
  fillList();
}

void CActivityDlg::sortBook() {
  m_fields.checkDates();
  m_book.sort(kelp::sortActivities);
  fillList();
}

kelp::Result CActivityDlg::saveBook() {
  const kelp::Result r = kelp::saveActivityFile(bookPath(), m_book.entries);
  if (r) m_book.modified = false;
  return r;
}

kelp::BookPrintout CActivityDlg::printout() const { return kelp::activityPrintout(m_book.entries, bookPath()); }

bool CActivityDlg::openFile(const std::string& path) {
  std::vector<kelp::ActivityEntry> read;
  const kelp::Result r = kelp::loadActivityFile(path, read);
  if (!r) {
    tell(r.error);
    return false;
  }
  kelp::settings().activitiesFile = path;
  setBookPath(path);
  m_book.open(std::move(read), true);
  fillList();
  return true;
}

void openActivityBook(QWidget* parent) {
  std::vector<kelp::ActivityEntry> book;
  std::string path = kelp::settings().activitiesFile;
  if (!chooseBookFile(parent, path, QStringLiteral("*.abn"), QStringLiteral("abn"),
                      [&book](const std::string& p) { return kelp::loadActivityFile(p, book); }))
    return;
  kelp::settings().activitiesFile = path;
  CActivityDlg dlg(parent, path, std::move(book));
  dlg.exec();
}
