#include "records/ui/address_dialogs.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstring>

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
    {1132, QT_TRANSLATE_NOOP("CAddressDlg", "nome")}, {1133, QT_TRANSLATE_NOOP("CAddressDlg", "Cognome")},
    {1134, QT_TRANSLATE_NOOP("CAddressDlg", "Titolo")}, {1135, QT_TRANSLATE_NOOP("CAddressDlg", "Via")},
    {1136, QT_TRANSLATE_NOOP("CAddressDlg", "CAP")}, {1044, QT_TRANSLATE_NOOP("CAddressDlg", "Paese")},
    {1138, QT_TRANSLATE_NOOP("CAddressDlg", "Provincia")}, {1139, QT_TRANSLATE_NOOP("CAddressDlg", "Tel")},
    {1140, QT_TRANSLATE_NOOP("CAddressDlg", "Tel")}, {1141, QT_TRANSLATE_NOOP("CAddressDlg", "Fax")},
    {1142, QT_TRANSLATE_NOOP("CAddressDlg", "Cell")}, {1143, QT_TRANSLATE_NOOP("CAddressDlg", "eMail")},
    {1144, QT_TRANSLATE_NOOP("CAddressDlg", "Homepage")}, {1145, QT_TRANSLATE_NOOP("CAddressDlg", "Note")}};

}  // namespace

// ---------------------------------------------------------------- dialog 149

CAddressDlg::CAddressDlg(QWidget* parent, const kelp::BuddyAddress& a) : QDialog(parent), m_address(a) {
  setWindowTitle(tr("Modifica Indirizzo"));
  auto* top = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  int row = 0;
  for (const auto& [id, label] : kAddressFields) {
    size_t size = 0;
    char* f = fieldOf(m_address, id, size);
    auto* edit = bookui::textEdit(this, id, int(size) - 1);
    edit->setText(q(kelp::storedToUtf8(std::string(f, strnlen(f, size)))));
    edit->setMinimumWidth(size > 40 ? 360 : 220);
    auto* l = new QLabel(tr(label) + QLatin1Char(':'), this);
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
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
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

const BookDlgKind<kelp::BuddyAddress> kAddresses{.title = QT_TRANSLATE_NOOP("CBookDlg", "Indirizzi compagni"),
                                                  .saveQuestion = 62470,
                                                  .needEntries = {6, 8, 9, 10, 11},
                                                  .fresh = kelp::makeAddress,
                                                  .sort = kelp::sortAddresses,
                                                  .same = kelp::sameAddress,
                                                  .pattern = "*.adr",
                                                  .suffix = "adr",
                                                  .setting = &kelp::Settings::addressFile,
                                                  .load = kelp::loadAddressFile,
                                                  .save = kelp::saveAddressFile};

CAddressBookDlg::CAddressBookDlg(QWidget* parent, const std::string& path, std::vector<kelp::BuddyAddress> book)
    : CRecordBookDlg(parent, kAddresses, path, std::move(book)) {
  auto* body = listRow(topLayout(), {{q(kelp::str(62466)), 110}, {q(kelp::str(62467)), 235}, {q(kelp::str(62468)), 100}},
                       kelp::settings().adrCols.data(), 300);
  body->addLayout(buttonColumn({
      {6, QT_TRANSLATE_NOOP("CBookDlg", "Modifica")},
      {7, QT_TRANSLATE_NOOP("CBookDlg", "Nuova")},
      {8, QT_TRANSLATE_NOOP("CBookDlg", "Cancella")},
      {5, QT_TRANSLATE_NOOP("CBookDlg", "Carica")},
      {9, QT_TRANSLATE_NOOP("CBookDlg", "Ordina")},
      {10, QT_TRANSLATE_NOOP("CBookDlg", "Salva")},
      {11, QT_TRANSLATE_NOOP("CBookDlg", "Stampa")}}));
  finishSetup();
}

QStringList CAddressBookDlg::rowTexts(const kelp::BuddyAddress& a) const {
  return {q(kelp::addressNameText(a)), q(kelp::addressLocationText(a, kelp::interfaceIsEnglish())),
          q(kelp::storedToUtf8(kelp::getText(a.phone1)))};
}

std::string CAddressBookDlg::deleteQuestion(const kelp::BuddyAddress& a) const {
  return kelp::strf(62469, kelp::addressFullName(a).c_str());
}

bool CAddressBookDlg::runEditor(kelp::BuddyAddress& a) {
  CAddressDlg dlg(this, a);
  if (dlg.exec() != QDialog::Accepted) return false;
  a = dlg.address();
  return true;
}

kelp::BookPrintout CAddressBookDlg::printout() const { return kelp::addressPrintout(m_book.entries, bookPath()); }

void openAddressBook(QWidget* parent) { openSettingBook<CAddressBookDlg>(parent, kAddresses); }
