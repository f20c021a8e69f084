#include "records/ui/trip_owner_dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstring>

#include "app/ui/kelp_doc.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "records/book_date.h"

using bookui::named;
using bookui::q;
using bookui::u;

namespace {

QString shown(const std::string& stored) { return q(kelp::storedToUtf8(stored)); }

QLabel* label(QWidget* parent, const QString& text) { return new QLabel(text, parent); }

}  // namespace

// ---------------------------------------------------------------- dialog 154

const BookDlgKind<kelp::DiveTrip> kTrips{.title = QT_TRANSLATE_NOOP("CBookDlg", "Viaggi sub"),
                                         .saveQuestion = 62743,
                                         .needEntries = {8, 9, 11, 12},
                                         .fresh = kelp::makeNewTrip,
                                         .sort = kelp::sortTrips,
                                         .printButton = 12};

CTripsDlg::CTripsDlg(QWidget* parent, const std::string& path, std::vector<kelp::DiveTrip> book, bool oldLayout,
                     const kelp::Logbook& logbook, std::function<void(int)> goTo)
    : CInPlaceBookDlg(parent, kTrips, path, std::move(book)),
      m_oldLayout(oldLayout),
      m_logbook(logbook),
      m_goTo(std::move(goTo)) {
  auto* body = listRow(topLayout(),
                       {{q(kelp::str(62473)), 63, QStringLiteral("00.00.0000")},
                        {q(kelp::str(62742)), 228},
                        {q(kelp::str(62650)), 77, QStringLiteral("00000-00000")}},
                       kelp::settings().urlCols.data(), 320);

  auto* right = new QVBoxLayout;
  auto* grid = new QGridLayout;
  auto* start = named(new QLineEdit(this), 1155);
  auto* end = named(new QLineEdit(this), 1156);
  auto* first = named(new QLineEdit(this), 1158);
  auto* last = named(new QLineEdit(this), 1159);
  auto* destination = bookui::textEdit(this, 1157, 60);
  auto* note = named(new QPlainTextEdit(this), 1133);
  for (QLineEdit* e : {first, last}) e->setValidator(new QIntValidator(e));
  for (QLineEdit* e : {start, end, first, last}) e->setMaximumWidth(100);
  grid->addWidget(label(this, tr("Data:")), 0, 0);
  grid->addWidget(start, 0, 1);
  grid->addWidget(label(this, tr("A:")), 0, 2, Qt::AlignRight);
  grid->addWidget(end, 0, 3);
  grid->addWidget(label(this, tr("Imm:")), 1, 0);
  grid->addWidget(first, 1, 1);
  grid->addWidget(label(this, tr("A:")), 1, 2, Qt::AlignRight);
  grid->addWidget(last, 1, 3);
  grid->addWidget(label(this, tr("Destinazione:")), 2, 0);
  grid->addWidget(destination, 2, 1, 1, 3);
  grid->addWidget(label(this, tr("Note:")), 3, 0, Qt::AlignTop);
  grid->addWidget(note, 3, 1, 1, 3);
  destination->setMinimumWidth(280);
  note->setMinimumHeight(120);
  right->addLayout(grid);
  auto* buttons =
      buttonGrid({
          {7, QT_TRANSLATE_NOOP("CBookDlg", "Nuovo")},
          {8, QT_TRANSLATE_NOOP("CBookDlg", "Cancella")},
          {9, QT_TRANSLATE_NOOP("CBookDlg", "Seleziona")},
          {11, QT_TRANSLATE_NOOP("CBookDlg", "Vai a:")},
          {10, QT_TRANSLATE_NOOP("CBookDlg", "Salva")},
          {12, QT_TRANSLATE_NOOP("CBookDlg", "Stampa")}});
  buttons->addWidget(makeButton(1, tr("Chiudi")), 2, 2);
  right->addLayout(buttons);
  body->addLayout(right);

  m_fields.addDate(start, &kelp::DiveTrip::startDate);
  m_fields.addDate(end, &kelp::DiveTrip::endDate);
  m_fields.addNumber(first, &kelp::DiveTrip::firstDive);
  m_fields.addNumber(last, &kelp::DiveTrip::lastDive);
  m_fields.addText(destination, &kelp::DiveTrip::destination);
  m_fields.addNote(note, &kelp::DiveTrip::note);
  connect(button(11), &QPushButton::clicked, this, &CTripsDlg::goToFirstDive);
  finishSetup();
}

QStringList CTripsDlg::rowTexts(const kelp::DiveTrip& t) const {
  return {q(kelp::formatBookDate(t.startDate)), shown(kelp::getText(t.destination)), q(kelp::tripDivesText(t))};
}

std::string CTripsDlg::deleteQuestion(const kelp::DiveTrip& t) const {
  return kelp::strf(62469, kelp::storedToUtf8(kelp::getText(t.destination)).c_str());
}

void CTripsDlg::goToFirstDive() {
  const kelp::DiveTrip* t = m_book.current();
  if (!t) return;
  const int position = kelp::tripGoToPosition(*t, m_logbook);
  if (position > 0 && m_goTo) m_goTo(position);
}

kelp::Result CTripsDlg::writeBook() {
  const kelp::Result r = kelp::saveTripFile(bookPath(), m_book.entries, m_oldLayout);
  if (r) m_oldLayout = false;  // the old form is kept once, before the first save
  return r;
}

kelp::BookPrintout CTripsDlg::printout() const { return kelp::tripPrintout(m_book.entries, bookPath()); }

// ---------------------------------------------------------------- dialog 150

const BookDlgKind<kelp::Certification> kOwner{.title = QT_TRANSLATE_NOOP("CBookDlg", "Questo Logbook appartiene a:"),
                                              .saveQuestion = 62526,
                                              .needEntries = {8, 9},
                                              .fresh = kelp::makeNewCertification,
                                              .sort = kelp::sortCertifications};

COwnerDlg::COwnerDlg(QWidget* parent, const std::string& path, kelp::OwnerBook book, bool oldLayout)
    : CInPlaceBookDlg(parent, kOwner, path, std::move(book.entries)), m_owner(book.owner), m_oldLayout(oldLayout) {
  auto* top = topLayout();
  auto* ownerGrid = new QGridLayout;
  auto* name = bookui::textEdit(this, 1133, 60);
  auto* club = bookui::textEdit(this, 1134, 60);
  name->setText(shown(kelp::getText(m_owner.name)));
  club->setText(shown(kelp::getText(m_owner.club)));
  ownerGrid->addWidget(label(this, tr("Titolare")), 0, 0);
  ownerGrid->addWidget(name, 0, 1);
  ownerGrid->addWidget(label(this, tr("Club")), 1, 0);
  ownerGrid->addWidget(club, 1, 1);
  top->addLayout(ownerGrid);
  auto ownerText = [this](QLineEdit* e, char* field, size_t size) {
    connect(e, &QLineEdit::textEdited, this, [this, e, field, size] {
      const std::string stored = kelp::utf8ToStored(u(e->text()));
      if (stored != std::string(field, strnlen(field, size))) {
        std::memset(field, 0, size);
        kelp::setText(field, size, stored);
      }
      m_book.modified = true;
      refreshState();
    });
  };
  ownerText(name, m_owner.name, sizeof m_owner.name);
  ownerText(club, m_owner.club, sizeof m_owner.club);

  auto* body = listRow(top,
                       {{q(kelp::str(62494)), 76},
                        {q(kelp::str(62473)), 70, QStringLiteral("00.00.0000")},
                        {q(kelp::str(62495)), 230}},
                       kelp::settings().inhCols.data(), 280);
  auto* right = new QVBoxLayout;
  auto* grid = new QGridLayout;
  m_category = named(new QComboBox(this), 1135);
  // Shown in the language of the run; the item's data is the stored (Italian) form.
  const std::vector<std::string> shownCategories = kelp::certificationCategoryTexts();
  for (size_t i = 0; i < shownCategories.size(); ++i)
    m_category->addItem(q(shownCategories[i]), q(kelp::certificationCategories()[i]));
  auto* designation = bookui::textEdit(this, 1136, 60);
  auto* date = named(new QLineEdit(this), 1042);
  auto* instructor = bookui::textEdit(this, 1138, 30);
  auto* cost = named(new QLineEdit(this), 4);
  auto* note = bookui::textEdit(this, 1145, 60);
  date->setMaximumWidth(100);
  cost->setMaximumWidth(100);
  grid->addWidget(label(this, tr("Categoria:")), 0, 0);
  grid->addWidget(m_category, 0, 1, 1, 2);
  grid->addWidget(label(this, tr("Designazione:")), 1, 0);
  grid->addWidget(designation, 1, 1, 1, 2);
  grid->addWidget(label(this, tr("Data")), 2, 0);
  grid->addWidget(date, 2, 1);
  grid->addWidget(label(this, tr("Istruttore:")), 3, 0);
  grid->addWidget(instructor, 3, 1, 1, 2);
  grid->addWidget(label(this, tr("Costi")), 4, 0);
  grid->addWidget(cost, 4, 1);
  grid->addWidget(named(new QLabel(q(kelp::settings().currency), this), 1176), 4, 2);
  grid->addWidget(label(this, tr("Note:")), 5, 0);
  grid->addWidget(note, 5, 1, 1, 2);
  designation->setMinimumWidth(280);
  right->addLayout(grid);
  auto* totalRow = new QHBoxLayout;
  totalRow->addWidget(label(this, tr("Costo totale attività:")));
  m_total = named(new QLabel(this), 1137);
  m_total->setFrameShape(QFrame::StyledPanel);
  m_total->setMinimumWidth(120);
  m_total->setAlignment(Qt::AlignRight);
  totalRow->addWidget(m_total);
  totalRow->addStretch();
  right->addLayout(totalRow);
  right->addStretch();
  right->addLayout(
      buttonGrid({
          {7, QT_TRANSLATE_NOOP("CBookDlg", "Nuovo")},
          {8, QT_TRANSLATE_NOOP("CBookDlg", "Cancella")},
          {9, QT_TRANSLATE_NOOP("CBookDlg", "Ordina")},
          {10, QT_TRANSLATE_NOOP("CBookDlg", "Salva")},
          {11, QT_TRANSLATE_NOOP("CBookDlg", "Stampa")},
          {1, QT_TRANSLATE_NOOP("CBookDlg", "Chiudi")}}));
  body->addLayout(right);

  m_fields.addText(designation, &kelp::Certification::designation);
  m_fields.addDate(date, &kelp::Certification::date);
  m_fields.addText(instructor, &kelp::Certification::instructor);
  m_fields.addMoney(cost, &kelp::Certification::cost);
  m_fields.addText(note, &kelp::Certification::note);
  connect(m_category, &QComboBox::activated, this, [this](int index) {
    kelp::Certification* c = m_book.current();
    if (!c || index < 0) return;
    const std::string stored = kelp::utf8ToStored(u(m_category->itemData(index).toString()));
    if (stored == kelp::getText(c->category)) return;
    std::memset(c->category, 0, sizeof c->category);
    kelp::setText(c->category, stored);
    entryChanged();
  });
  finishSetup();
}

QStringList COwnerDlg::rowTexts(const kelp::Certification& c) const {
  return {q(kelp::shownCertificationCategory(kelp::storedToUtf8(kelp::getText(c.category)))),
          q(kelp::formatBookDate(c.date)), shown(kelp::getText(c.designation))};
}

std::string COwnerDlg::deleteQuestion(const kelp::Certification& c) const {
  return kelp::strf(62469, kelp::storedToUtf8(kelp::getText(c.designation)).c_str());
}

void COwnerDlg::showSelected() {
  CInPlaceBookDlg::showSelected();
  const kelp::Certification* c = m_book.current();
  m_category->setEnabled(c != nullptr);
  int index = -1;
  if (c) {
    // The list's texts compare in stored form ("Specialita'" is shown with an acute accent).
    const std::string stored = kelp::getText(c->category);
    for (int i = 0; i < m_category->count(); ++i)
      if (kelp::utf8ToStored(u(m_category->itemData(i).toString())) == stored) index = i;
  }
  m_category->setCurrentIndex(index);
}

void COwnerDlg::showTotals() {
  m_total->setText(q(kelp::format("%.2f %s", kelp::certificationCostTotal(m_book.entries),
                                  kelp::settings().currency.c_str())));
}

kelp::Result COwnerDlg::writeBook() {
  const kelp::Result r = kelp::saveOwnerFile(bookPath(), kelp::OwnerBook{m_owner, m_book.entries}, m_oldLayout);
  if (r) m_oldLayout = false;
  return r;
}

kelp::BookPrintout COwnerDlg::printout() const {
  return kelp::ownerPrintout(kelp::OwnerBook{m_owner, m_book.entries}, bookPath(), kelp::settings().currency);
}

// ---------------------------------------------------------------- commands

void openTrips(QWidget* parent, const kelp::Logbook& logbook, std::function<void(int)> goTo) {
  std::vector<kelp::DiveTrip> trips;
  bool old = false;
  const kelp::Result r = kelp::loadTripFile(logbook.trpPath, trips, &old);
  if (!r) {
    tellUser(parent, q(r.error));
    return;
  }
  CTripsDlg dlg(parent, logbook.trpPath, std::move(trips), old, logbook, std::move(goTo));
  dlg.exec();
}

void openOwnerBook(QWidget* parent, const kelp::Logbook& logbook) {
  kelp::OwnerBook book;
  bool old = false;
  const kelp::Result r = kelp::loadOwnerFile(logbook.infPath, book, &old);
  if (!r) {
    tellUser(parent, q(r.error));
    return;
  }
  COwnerDlg dlg(parent, logbook.infPath, std::move(book), old);
  dlg.exec();
}
