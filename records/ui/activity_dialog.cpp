#include "records/ui/activity_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "records/book_date.h"

using bookui::named;
using bookui::q;

namespace {

const BookDlgKind<kelp::ActivityEntry> kActivities{
    .title = QT_TRANSLATE_NOOP("CBookDlg", "Attività e qualificazioni"),
    .saveQuestion = 62474,
    .needEntries = {8, 9, 10, 11},
    .fresh = kelp::makeNewActivity,
    .sort = kelp::sortActivities,
    // Opening selects the last entry and changes nothing; an empty book opens with one
    // fresh entry to type into.
    .selectLast = true,
    .freshWhenEmpty = true,
    .pattern = "*.abn",
    .suffix = "abn",
    .setting = &kelp::Settings::activitiesFile,
    .load = kelp::loadActivityFile,
    .save = kelp::saveActivityFile};

std::string activityText(const kelp::ActivityEntry& e) { return kelp::storedToUtf8(kelp::getText(e.activity)); }

}  // namespace

CActivityDlg::CActivityDlg(QWidget* parent, const std::string& path, std::vector<kelp::ActivityEntry> book)
    : CInPlaceBookDlg(parent, kActivities, path, std::move(book)) {
  auto* top = topLayout();
  auto* body = listRow(top, {{q(kelp::str(62473)), 70, QStringLiteral("00.00.0000")}, {q(kelp::str(62472)), 312}},
                       kelp::settings().nachwCols.data(), 300);

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
  grid->addWidget(new QLabel(tr("Attività"), this), 0, 0);
  grid->addWidget(activity, 0, 1, 1, 3);
  grid->addWidget(new QLabel(tr("Data"), this), 1, 0);
  grid->addWidget(start, 1, 1);
  grid->addWidget(new QLabel(tr("A:"), this), 1, 2, Qt::AlignRight);
  grid->addWidget(end, 1, 3);
  grid->addWidget(new QLabel(tr("Ore teoria"), this), 2, 0);
  grid->addWidget(theory, 2, 1);
  grid->addWidget(new QLabel(tr("Ore pratica"), this), 3, 0);
  grid->addWidget(practice, 3, 1);
  grid->addWidget(new QLabel(tr("Numero persone"), this), 4, 0);
  grid->addWidget(persons, 4, 1);
  grid->addWidget(new QLabel(tr("Note"), this), 5, 0);
  grid->addWidget(note, 5, 1, 1, 3);
  activity->setMinimumWidth(300);
  right->addLayout(grid);

  auto* totals = new QGridLayout;
  m_theory = named(new QLabel(this), 1338);
  m_practice = named(new QLabel(this), 1339);
  m_total = named(new QLabel(this), 1340);
  const std::pair<const char*, QLabel*> kTotals[] = {
      {QT_TR_NOOP("Teoria"), m_theory}, {QT_TR_NOOP("Pratica"), m_practice}, {QT_TR_NOOP("Totale"), m_total}};
  int row = 0;
  for (const auto& [label, value] : kTotals) {
    totals->addWidget(new QLabel(tr(label), this), row, 0);
    value->setAlignment(Qt::AlignRight);
    value->setMinimumWidth(60);
    value->setFrameShape(QFrame::StyledPanel);
    totals->addWidget(value, row++, 1);
  }
  totals->setColumnStretch(2, 1);
  right->addLayout(totals);
  right->addStretch();
  auto* buttons =
      buttonGrid({
          {7, QT_TRANSLATE_NOOP("CBookDlg", "Nuovo")},
          {8, QT_TRANSLATE_NOOP("CBookDlg", "Cancella")},
          {9, QT_TRANSLATE_NOOP("CBookDlg", "Seleziona")},
          {5, QT_TRANSLATE_NOOP("CBookDlg", "Carica")},
          {10, QT_TRANSLATE_NOOP("CBookDlg", "Salva")},
          {11, QT_TRANSLATE_NOOP("CBookDlg", "Stampa")}});
  buttons->addWidget(makeButton(1, tr("Chiudi")), 2, 2);
  right->addLayout(buttons);
  body->addLayout(right);

  m_fields.addText(activity, &kelp::ActivityEntry::activity);
  m_fields.addDate(start, &kelp::ActivityEntry::startDate);
  m_fields.addDate(end, &kelp::ActivityEntry::endDate);
  m_fields.addNumber(theory, &kelp::ActivityEntry::theoryHours);
  m_fields.addNumber(practice, &kelp::ActivityEntry::practiceHours);
  m_fields.addNumber(persons, &kelp::ActivityEntry::persons);
  m_fields.addText(note, &kelp::ActivityEntry::note);
  finishSetup();
}

QStringList CActivityDlg::rowTexts(const kelp::ActivityEntry& e) const {
  return {q(kelp::formatBookDate(e.startDate)), q(activityText(e))};
}

std::string CActivityDlg::deleteQuestion(const kelp::ActivityEntry& e) const {
  return kelp::strf(62469, activityText(e).c_str());
}

void CActivityDlg::showTotals() {
  const kelp::ActivityTotals t = kelp::activityTotals(m_book.entries);
  m_theory->setText(QString::number(t.theory));
  m_practice->setText(QString::number(t.practice));
  m_total->setText(QString::number(t.total()));
}

kelp::BookPrintout CActivityDlg::printout() const { return kelp::activityPrintout(m_book.entries, bookPath()); }

void openActivityBook(QWidget* parent) { openSettingBook<CActivityDlg>(parent, kActivities); }
