#include "records/ui/address_dialogs.h"

#include <QDialogButtonBox>
#include <cstring>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ui/kelp_doc.h"
#include "core/dive_record.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"

using bookui::named;
using bookui::q;
using bookui::u;

namespace {

char* fieldOf(kelp::BuddyAddress& a, int id, size_t& size) {
#define KELP_FIELD(ID, F) \
  case ID: size = sizeof a.F; return a.F;
  switch (id) {
    KELP_FIELD(1132, firstName)
    KELP_FIELD(1133, surname)
    KELP_FIELD(1134, title)
    KELP_FIELD(1135, street)
    KELP_FIELD(1136, postalCode)
    KELP_FIELD(1044, town)
    KELP_FIELD(1138, province)
    KELP_FIELD(1139, phone1)
    KELP_FIELD(1140, phone2)
    KELP_FIELD(1141, fax)
    KELP_FIELD(1142, mobile)
    KELP_FIELD(1143, email)
    KELP_FIELD(1144, homePage)
    KELP_FIELD(1145, note)
  }
#undef KELP_FIELD
  size = 0;
  return nullptr;
}

const std::pair<int, const char*> kAddressFields[] = {
    {1132, "nome"}, {1133, "Cognome"}, {1134, "Titolo"}, {1135, "Via"},   {1136, "CAP"},
    {1044, "Paese"}, {1138, "Provincia"}, {1139, "Tel"},  {1140, "Tel"},   {1141, "Fax"},
    {1142, "Cell"}, {1143, "eMail"},   {1144, "Homepage"}, {1145, "Note"}};

}  // namespace

// ---------------------------------------------------------------- dialog 149

CAddressDlg::CAddressDlg(QWidget* parent, const kelp::BuddyAddress& a) : QDialog(parent), m_address(a) {
  setWindowTitle(QStringLiteral("Modifica Indirizzo"));
  auto* top = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  int row = 0;
  for (const auto& [id, label] : kAddressFields) {
    size_t size = 0;
    char* f = fieldOf(m_address, id, size);
    auto* edit = bookui::textEdit(this, id, int(size) - 1);
    edit->setText(q(kelp::storedToUtf8(std::string(f, strnlen(f, size)))));
    edit->setMinimumWidth(size > 40 ? 360 : 220);
    auto* l = new QLabel(QString::fromUtf8(label) + QLatin1Char(':'), this);
    l->setBuddy(edit);
    // Two columns: name and address on the left, telephones on the right, web and note below.
    if (id == 1143 || id == 1144 || id == 1145) {
      grid->addWidget(l, 7 + (id - 1143), 0);
      grid->addWidget(edit, 7 + (id - 1143), 1, 1, 3);
    } else if (id >= 1139 && id <= 1142) {
      grid->addWidget(l, id - 1139, 2);
      grid->addWidget(edit, id - 1139, 3);
    } else {
      grid->addWidget(l, row, 0);
      grid->addWidget(edit, row, 1);
      ++row;
    }
    m_edits[id] = edit;
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  top->addLayout(grid);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  top->addWidget(buttons);
}

kelp::BuddyAddress CAddressDlg::address() const {
  kelp::BuddyAddress a = m_address;
  for (const auto& [id, edit] : m_edits) {
    size_t size = 0;
    char* f = fieldOf(a, id, size);
    const std::string stored = kelp::utf8ToStored(u(edit->text()));
    // An unchanged field keeps its bytes, including those behind its end.
    if (stored == std::string(f, strnlen(f, size))) continue;
    std::memset(f, 0, size);
    kelp::setText(f, size, stored);
  }
  return a;
}

// ---------------------------------------------------------------- dialog 148

CAddressBookDlg::CAddressBookDlg(QWidget* parent, const std::string& path, std::vector<kelp::BuddyAddress> book)
    : CBookDlg(parent, QStringLiteral("Indirizzi compagni"), 62470) {
  setBookPath(path);
  m_book.open(std::move(book), false);
  auto* top = new QVBoxLayout(this);
  top->addWidget(pathLabel());
  auto* body = new QHBoxLayout;
  auto* list = makeList({{q(kelp::str(62466)), 110}, {q(kelp::str(62467)), 235}, {q(kelp::str(62468)), 100}},
                        kelp::settings().adrCols.data());
  list->setMinimumHeight(300);
  body->addWidget(list, 1);
  auto* buttons = new QVBoxLayout;
  const std::pair<int, const char*> kButtons[] = {{6, "Modifica"}, {7, "Nuova"}, {8, "Cancella"}, {5, "Carica"},
                                                  {9, "Ordina"},   {10, "Salva"}, {11, "Stampa"}};
  for (const auto& [id, text] : kButtons) buttons->addWidget(makeButton(id, QString::fromUtf8(text)));
  buttons->addStretch();
  buttons->addWidget(makeButton(1, QStringLiteral("Chiudi")));
  body->addLayout(buttons);
  top->addLayout(body);

  connect(button(6), &QPushButton::clicked, this, &CAddressBookDlg::editSelected);
  connect(button(7), &QPushButton::clicked, this, &CAddressBookDlg::addNew);
  connect(button(8), &QPushButton::clicked, this, &CAddressBookDlg::deleteSelected);
  connect(button(5), &QPushButton::clicked, this, [this] { onLoad(QStringLiteral("*.adr"), QStringLiteral("adr")); });
  connect(button(9), &QPushButton::clicked, this, &CAddressBookDlg::sortBook);
  connect(button(10), &QPushButton::clicked, this, &CAddressBookDlg::onSave);
  connect(button(11), &QPushButton::clicked, this, &CAddressBookDlg::onPrint);
  connect(button(1), &QPushButton::clicked, this, &CAddressBookDlg::reject);
  connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { editSelected(); });
  connect(list, &QTreeWidget::currentItemChanged, this, [this] {
    if (!m_syncing) m_book.selected = currentRow();
  });
  fillList();
}

QStringList CAddressBookDlg::rowTexts(const kelp::BuddyAddress& a) const {
  return {q(kelp::addressNameText(a)), q(kelp::addressLocationText(a, kelp::interfaceIsEnglish())),
          q(kelp::storedToUtf8(kelp::getText(a.phone1)))};
}

void CAddressBookDlg::fillList() {
  m_syncing = true;
  list()->clear();
  for (const auto& a : m_book.entries) new QTreeWidgetItem(list(), rowTexts(a));
  selectRow(m_book.selected);
  m_syncing = false;
  refreshState();
}

void CAddressBookDlg::updateButtons() {
  const bool any = m_book.entryCommandsEnabled();
  for (int id : {6, 8, 9, 10, 11}) button(id)->setEnabled(any);
  button(7)->setEnabled(m_book.canAdd());
}

void CAddressBookDlg::editSelected() {
  const int i = m_book.selected;
  if (i < 0 || i >= m_book.count()) return;
  CAddressDlg dlg(this, m_book.entries[size_t(i)]);
  if (dlg.exec() != QDialog::Accepted) return;
  if (m_book.replace(i, dlg.address(), kelp::sameAddress)) {
    const QStringList texts = rowTexts(m_book.entries[size_t(i)]);
    for (int c = 0; c < texts.size(); ++c) list()->topLevelItem(i)->setText(c, texts[c]);
  }
  refreshState();
}

void CAddressBookDlg::addNew() {
  if (!m_book.canAdd()) return;
  CAddressDlg dlg(this, kelp::makeAddress());
  if (dlg.exec() != QDialog::Accepted) return;
  m_book.append(dlg.address());
  m_syncing = true;
  new QTreeWidgetItem(list(), rowTexts(m_book.entries.back()));
  selectRow(m_book.selected);
  m_syncing = false;
  refreshState();
}

void CAddressBookDlg::deleteSelected() {
  const int i = m_book.selected;
  if (i < 0 || i >= m_book.count()) return;
  const std::string question = kelp::strf(62469, kelp::addressFullName(m_book.entries[size_t(i)]).c_str());
  if (askUser(this, QMessageBox::Question, q(question), QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  m_book.remove(i);
  m_syncing = true;
  delete list()->takeTopLevelItem(i);
  selectRow(m_book.selected);
  m_syncing = false;
  refreshState();
}

void CAddressBookDlg::sortBook() {
  m_book.sort(kelp::sortAddresses);
  fillList();
}

kelp::Result CAddressBookDlg::saveBook() {
  const kelp::Result r = kelp::saveAddressFile(bookPath(), m_book.entries);
  if (r) m_book.modified = false;
  return r;
}

kelp::BookPrintout CAddressBookDlg::printout() const { return kelp::addressPrintout(m_book.entries, bookPath()); }

bool CAddressBookDlg::openFile(const std::string& path) {
  std::vector<kelp::BuddyAddress> read;
  const kelp::Result r = kelp::loadAddressFile(path, read);
  if (!r) {
    tell(r.error);
    return false;
  }
  kelp::settings().addressFile = path;
  setBookPath(path);
  m_book.open(std::move(read), false);
  fillList();
  return true;
}

void openAddressBook(QWidget* parent) {
  std::vector<kelp::BuddyAddress> book;
  std::string path = kelp::settings().addressFile;
  if (!chooseBookFile(parent, path, QStringLiteral("*.adr"), QStringLiteral("adr"),
                      [&book](const std::string& p) { return kelp::loadAddressFile(p, book); }))
    return;
  kelp::settings().addressFile = path;
  CAddressBookDlg dlg(parent, path, std::move(book));
  dlg.exec();
}
