// The dialogs of the personal books, driven by their control ids on real files: the save
// questions (closing, loading, printing), the " *" mark, failed writes, unreadable files,
// sorting, deleting, editing in place with dates, "Vai a:", and the older layouts.
// Set KELP_SHOT_DIR to get a PNG of every dialog.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <deque>
#include <fstream>
#include <iterator>

#include "app/ui/kelp_app.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/kelp_view.h"
#include "app/ui/main_frame.h"
#include "core/demo_logbook.h"
#include "core/dive_record.h"
#include "core/settings.h"
#include "records/book_date.h"
#include "records/ui/activity_dialog.h"
#include "records/ui/address_dialogs.h"
#include "records/ui/equipment_dialogs.h"
#include "records/ui/trip_owner_dialogs.h"
#include "tests/ui_test_support.h"

using kelp::test::child;
using kelp::test::shot;

namespace {

// Runs `fill` on the next modal dialog of type T once it shows, then accepts it.
template <class T>
void onNextModal(std::function<void(T*)> fill) {
  QTimer::singleShot(0, [fill] {
    auto* d = qobject_cast<T*>(QApplication::activeModalWidget());
    QVERIFY(d);
    fill(d);
  });
}

std::string readFile(const QString& p) {
  std::ifstream in(p.toStdString(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const QString& p, const std::string& bytes) {
  std::ofstream(p.toStdString(), std::ios::binary) << bytes;
}

QStringList column(QTreeWidget* list, int c) {
  QStringList out;
  for (int i = 0; i < list->topLevelItemCount(); ++i) out << list->topLevelItem(i)->text(c);
  return out;
}

void type(QWidget* dlg, const char* id, const QString& text) {
  auto* e = child<QLineEdit>(dlg, id);
  e->setFocus();
  e->selectAll();
  QTest::keyClicks(e, text);
}

kelp::BuddyAddress address(const char* first, const char* surname) {
  kelp::BuddyAddress a = kelp::makeAddress();
  kelp::setText(a.firstName, first);
  kelp::setText(a.surname, surname);
  return a;
}

}  // namespace

class TestBookDialogs : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  QStringList told_;              // every message and question shown
  std::deque<int> answers_;       // answers to the next questions (else Yes / OK)
  QStringList fileAnswers_;       // answers of the book file prompt
  std::vector<kelp::BookPrintout> printed_;

  QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    uiPrompts().message = [this](QWidget*, QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons b) {
      told_ << text;
      if (!answers_.empty()) {
        const int a = answers_.front();
        answers_.pop_front();
        return a;
      }
      return int(b & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok);
    };
    bookPrompts().file = [this](QWidget*, const QString&, const QString&, const QString&) {
      return fileAnswers_.isEmpty() ? QString() : fileAnswers_.takeFirst();
    };
    bookPrompts().print = [this](QWidget*, const kelp::BookPrintout& p) { printed_.push_back(p); };
  }

  void init() {
    kelp::settings() = kelp::Settings{};
    told_.clear();
    answers_.clear();
    fileAnswers_.clear();
    printed_.clear();
  }

  void addressBookNewSortSaveAndMark() {
    const QString file = path("amici.adr");
    QVERIFY(kelp::saveAddressFile(file.toStdString(), {address("Anna", "b"), address("Bruno", "a")}).ok);
    std::vector<kelp::BuddyAddress> book;
    QVERIFY(kelp::loadAddressFile(file.toStdString(), book).ok);
    CAddressBookDlg dlg(nullptr, file.toStdString(), book);
    for (const char* id : {"1111", "1112", "6", "7", "8", "5", "9", "10", "11", "1"}) QVERIFY2(child(&dlg, id), id);
    QCOMPARE(child<QLabel>(&dlg, "1111")->text(), file);

    onNextModal<CAddressDlg>([](CAddressDlg* d) {
      for (const char* id : {"1132", "1133", "1134", "1135", "1136", "1044", "1138", "1139", "1140", "1141", "1142",
                             "1143", "1144", "1145"})
        QVERIFY2(child(d, id), id);
      shot(d, "address_edit");
      child<QLineEdit>(d, "1132")->setText(QStringLiteral("Jürgen"));
      child<QLineEdit>(d, "1133")->setText(QStringLiteral("A"));
      child<QLineEdit>(d, "1136")->setText(QStringLiteral("1234567890"));
      child<QLineEdit>(d, "1044")->setText(QStringLiteral("Bolzano"));
      d->accept();
    });
    child<QPushButton>(&dlg, "7")->click();
    auto* list = child<QTreeWidget>(&dlg, "1112");
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(dlg.book().selected, 2);
    QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("1234567890 Bolzano, "));
    QCOMPARE(child<QLabel>(&dlg, "1111")->text(), file + " *");

    child<QPushButton>(&dlg, "9")->click();  // surnames b, a, A -> A, a, b
    QCOMPARE(column(list, 0), (QStringList{"A, Jürgen", "a, Bruno", "b, Anna"}));
    QCOMPARE(dlg.book().selected, 0);
    shot(&dlg, "address_book");

    child<QPushButton>(&dlg, "10")->click();
    QCOMPARE(child<QLabel>(&dlg, "1111")->text(), file);
    std::vector<kelp::BuddyAddress> back;
    QVERIFY(kelp::loadAddressFile(file.toStdString(), back).ok);
    QCOMPARE(back.size(), size_t(3));
    QCOMPARE(QString::fromLatin1(back[0].postalCode), QStringLiteral("1234567890"));
    QCOMPARE(QByteArray(back[0].firstName), QByteArray("J\x81rgen"));  // stored form
  }

  void deletingAsksByNameAndKeepsTheIndex() {
    CAddressBookDlg dlg(nullptr, path("del.adr").toStdString(),
                        {address("Anna", "Rossi"), address("Bruno", "Bianchi"), address("Carla", "Verdi")});
    auto* list = child<QTreeWidget>(&dlg, "1112");
    list->setCurrentItem(list->topLevelItem(2));
    answers_ = {QMessageBox::No};
    child<QPushButton>(&dlg, "8")->click();
    QCOMPARE(told_.last(), QStringLiteral("Cancella ´Carla Verdi´?"));
    QCOMPARE(list->topLevelItemCount(), 3);
    child<QPushButton>(&dlg, "8")->click();  // Yes: the last goes, the new last is selected
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(dlg.book().selected, 1);
    QCOMPARE(list->currentItem(), list->topLevelItem(1));
    list->setCurrentItem(list->topLevelItem(0));
    child<QPushButton>(&dlg, "8")->click();
    QCOMPARE(dlg.book().selected, 0);
    QCOMPARE(list->currentItem()->text(0), QStringLiteral("Bianchi, Bruno"));
  }

  void failedSaveIsToldAndTheBookStaysModified() {
    const QString file = path("no/such/folder/amici.adr");
    CAddressBookDlg dlg(nullptr, file.toStdString(), {});
    dlg.show();
    onNextModal<CAddressDlg>([](CAddressDlg* d) {
      child<QLineEdit>(d, "1133")->setText(QStringLiteral("Rossi"));
      d->accept();
    });
    child<QPushButton>(&dlg, "7")->click();
    child<QPushButton>(&dlg, "10")->click();
    QVERIFY(told_.last().contains(file));
    QVERIFY(dlg.isModified());
    QVERIFY(child<QLabel>(&dlg, "1111")->text().endsWith(" *"));

    // Closing asks; Yes fails to save and keeps the dialog; Cancel keeps it; No closes.
    answers_ = {QMessageBox::Yes};
    dlg.reject();
    QCOMPARE(told_.at(told_.size() - 2), QStringLiteral("Salva file indirizzi?"));
    QVERIFY(told_.last().contains(file));
    QVERIFY(dlg.isVisible());
    answers_ = {QMessageBox::Cancel};
    child<QPushButton>(&dlg, "1")->click();
    QVERIFY(dlg.isVisible());
    answers_ = {QMessageBox::No};
    child<QPushButton>(&dlg, "1")->click();
    QVERIFY(!dlg.isVisible());
  }

  void printAsksToSaveFirst() {
    const QString file = path("stampa.adr");
    CAddressBookDlg dlg(nullptr, file.toStdString(), {});
    dlg.show();
    onNextModal<CAddressDlg>([](CAddressDlg* d) {
      child<QLineEdit>(d, "1133")->setText(QStringLiteral("Rossi"));
      d->accept();
    });
    child<QPushButton>(&dlg, "7")->click();
    answers_ = {QMessageBox::Cancel};
    child<QPushButton>(&dlg, "11")->click();
    QCOMPARE(told_.last(), QStringLiteral("Salva file indirizzi?"));
    QVERIFY(printed_.empty());
    QVERIFY(dlg.isVisible());
    answers_ = {QMessageBox::Yes};
    child<QPushButton>(&dlg, "11")->click();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(printed_.size(), size_t(1));
    QCOMPARE(printed_[0].kind, int(kelp::kBookAddresses));
    QCOMPARE(printed_[0].rows.size(), size_t(1));
    std::vector<kelp::BuddyAddress> saved;
    QVERIFY(kelp::loadAddressFile(file.toStdString(), saved).ok);
    QCOMPARE(saved.size(), size_t(1));
  }

  void unreadableBookIsNotOpenedNorOverwritten() {
    const QString file = path("rotto.adr");
    const std::string damaged("\x64\x00\x07\x00short", 9);
    writeFile(file, damaged);
    kelp::settings().addressFile = file.toStdString();
    const QString other = path("nuovo.adr");
    fileAnswers_ = {QString()};  // after the message, the user cancels the choice of another file
    openAddressBook(nullptr);
    QCOMPARE(told_.size(), 1);
    QVERIFY(told_[0].contains(file));
    QCOMPARE(readFile(file), damaged);
    QCOMPARE(QString::fromStdString(kelp::settings().addressFile), file);

    // "Carica" of a damaged file keeps the open book and its setting.
    kelp::settings().addressFile = other.toStdString();
    CAddressBookDlg dlg(nullptr, other.toStdString(), {address("Anna", "Rossi")});
    fileAnswers_ = {file};
    child<QPushButton>(&dlg, "5")->click();
    QVERIFY(told_.last().contains(file));
    QCOMPARE(child<QTreeWidget>(&dlg, "1112")->topLevelItemCount(), 1);
    QCOMPARE(QString::fromStdString(kelp::settings().addressFile), other);
    QCOMPARE(readFile(file), damaged);
  }

  void equipmentItemCostsAndReminder() {
    kelp::settings().currency = "EUR";
    kelp::EquipmentItem odd = kelp::makeEquipmentItem();
    odd.category = 99;
    kelp::setText(odd.designation, "Torcia");
    kelp::setText(odd.user, "Luca");
    odd.purchasePrice = 80;
    const QString file = path("ausr.dat");
    CEquipmentDlg dlg(nullptr, file.toStdString(), {odd});
    for (const char* id : {"1111", "1112", "5", "10", "11", "4", "9", "6", "7", "8", "1", "1110"})
      QVERIFY2(child(&dlg, id), id);
    auto* list = child<QTreeWidget>(&dlg, "1112");
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Altro"));

    onNextModal<CEquipmentItemDlg>([](CEquipmentItemDlg* d) {
      for (const char* id : {"1024", "1031", "1114", "1115", "1125", "1118", "1122", "1119", "1123", "1124", "1129",
                             "1130", "1131", "1132", "1126", "1127", "1133", "1128", "1176", "1177"})
        QVERIFY2(child(d, id), id);
      QCOMPARE(child<QLabel>(d, "1176")->text(), QStringLiteral("EUR"));
      shot(d, "equipment_item");
      child<QRadioButton>(d, "1024")->setChecked(true);
      child<QLineEdit>(d, "1114")->setText(QStringLiteral("Erogatore"));
      child<QLineEdit>(d, "1115")->setText(QStringLiteral("Marta"));
      child<QLineEdit>(d, "1131")->setText(QStringLiteral("13"));
      child<QLineEdit>(d, "1132")->setText(QStringLiteral("2006"));
      child<QLineEdit>(d, "1126")->setText(QStringLiteral("450.5"));
      child<QCheckBox>(d, "1128")->setChecked(true);
      d->accept();  // month 13: refused with a message
      QVERIFY(d->isVisible());
      child<QLineEdit>(d, "1131")->setText(QStringLiteral("3"));
      d->accept();
    });
    child<QPushButton>(&dlg, "7")->click();
    QVERIFY(told_.last().contains("12"));
    QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("Secondo stadio"));
    QCOMPARE(list->topLevelItem(1)->text(3), QStringLiteral("03.2006*"));
    // Editing the unknown category's item without touching it keeps its stored value.
    list->setCurrentItem(list->topLevelItem(0));
    onNextModal<CEquipmentItemDlg>([](CEquipmentItemDlg* d) {
      QVERIFY(child<QRadioButton>(d, "1031")->isChecked());
      d->accept();
    });
    child<QPushButton>(&dlg, "6")->click();
    QCOMPARE(int(dlg.book().entries[0].category), 99);

    onNextModal<CEquipmentCostDlg>([](CEquipmentCostDlg* d) {
      QVERIFY(child(d, "1130"));
      QCOMPARE(child<QLabel>(d, "1176")->text(), QStringLiteral("EUR"));
      QCOMPARE(d->cellText(7, 0), QStringLiteral("1"));       // Altro: the torch
      QCOMPARE(d->cellText(7, 1), QStringLiteral("80.00"));
      QCOMPARE(d->cellText(8, 3), QStringLiteral("530.50"));  // all items
      auto* users = child<QComboBox>(d, "1130");
      QCOMPARE(users->itemText(0), QStringLiteral("Tutto"));
      users->setCurrentIndex(users->findText(QStringLiteral("Marta")));
      QCOMPARE(d->cellText(8, 0), QStringLiteral("1"));
      QCOMPARE(d->cellText(8, 3), QStringLiteral("450.50"));
      shot(d, "equipment_costs");
      d->accept();
    });
    child<QPushButton>(&dlg, "4")->click();

    child<QCheckBox>(&dlg, "1110")->setChecked(true);
    QCOMPARE(kelp::settings().equipmentAutocheck, 1);
    shot(&dlg, "equipment");
    child<QPushButton>(&dlg, "10")->click();
    QVERIFY(!dlg.isModified());

    // The start-up check finds the due service and the main view is told.
    kelp::settings().equipmentFile = file.toStdString();
    CKelpView::setDueService(false);
    CKelpApp::checkEquipment();
    QVERIFY(CKelpView::dueService());
    CKelpView::setDueService(false);
  }

  void openingAnEmptyActivityBookGivesOneEntryAndChangesNothing() {
    const QString file = path("corsi.abn");
    kelp::settings().activitiesFile = file.toStdString();
    const std::string empty("\x6e\x00\x00\x00", 4);
    writeFile(file, empty);
    std::vector<kelp::ActivityEntry> book;
    QVERIFY(kelp::loadActivityFile(file.toStdString(), book).ok);
    CActivityDlg dlg(nullptr, file.toStdString(), book);
    dlg.show();
    QVERIFY(!dlg.isModified());
    QCOMPARE(child<QLabel>(&dlg, "1111")->text(), file);
    QCOMPARE(dlg.book().count(), 1);
    QCOMPARE(dlg.book().selected, 0);
    QVERIFY(child(&dlg, "1337")->isEnabled());
    QCOMPARE(child<QLineEdit>(&dlg, "1155")->text(), QString::fromStdString(kelp::formatBookDate(kelp::todayBookDate())));
    shot(&dlg, QStringLiteral("activities_empty_book"));
    dlg.reject();  // no question
    QVERIFY(told_.isEmpty());
    QVERIFY(!dlg.isVisible());
    QCOMPARE(readFile(file), empty);
  }

  void activitiesEditedInPlaceWithDatesAndTotals() {
    const QString file = path("attivita.abn");
    kelp::ActivityEntry a = kelp::makeActivity();
    kelp::setText(a.activity, "Corso");
    a.theoryHours = 10;
    a.practiceHours = 3;
    kelp::ActivityEntry b = kelp::makeActivity();
    b.theoryHours = 5;
    CActivityDlg dlg(nullptr, file.toStdString(), {a, b});
    dlg.show();
    dlg.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    for (const char* id : {"1111", "1112", "1337", "1155", "1156", "1157", "1158", "1159", "1133", "1338", "1339",
                           "1340", "10", "5", "11", "9", "7", "8", "1"})
      QVERIFY2(child(&dlg, id), id);
    QCOMPARE(child<QLabel>(&dlg, "1338")->text(), QStringLiteral("15"));
    QCOMPARE(child<QLabel>(&dlg, "1339")->text(), QStringLiteral("3"));
    QCOMPARE(child<QLabel>(&dlg, "1340")->text(), QStringLiteral("18"));
    QCOMPARE(dlg.book().selected, 1);  // the last entry

    auto* list = child<QTreeWidget>(&dlg, "1112");
    type(&dlg, "1155", QStringLiteral("1.2.99"));
    QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("01.02.1999"));
    QVERIFY(dlg.isModified());
    type(&dlg, "1158", QStringLiteral("4"));
    QCOMPARE(child<QLabel>(&dlg, "1340")->text(), QStringLiteral("22"));

    // A date that is no date: told when the field is left, the entry keeps its date.
    type(&dlg, "1155", QStringLiteral("31.2.2005"));
    child<QLineEdit>(&dlg, "1337")->setFocus();
    QApplication::processEvents();
    QVERIFY(!told_.isEmpty() && told_.last().contains("31.2.2005"));
    QCOMPARE(child<QLineEdit>(&dlg, "1155")->text(), QStringLiteral("01.02.1999"));
    QCOMPARE(kelp::formatBookDate(dlg.book().entries[1].startDate), std::string("01.02.1999"));
    // A certification before 1970 is kept as it is.
    type(&dlg, "1156", QStringLiteral("5.6.1965"));
    QCOMPARE(kelp::formatBookDate(dlg.book().entries[1].endDate), std::string("05.06.1965"));

    child<QPushButton>(&dlg, "9")->click();  // entry without date first
    QCOMPARE(column(list, 0), (QStringList{"", "01.02.1999"}));
    QCOMPARE(child<QLineEdit>(&dlg, "1337")->text(), QStringLiteral("Corso"));
    shot(&dlg, "activities");
    child<QPushButton>(&dlg, "10")->click();
    std::vector<kelp::ActivityEntry> saved;
    QVERIFY(kelp::loadActivityFile(file.toStdString(), saved).ok);
    QCOMPARE(saved.size(), size_t(2));
    QCOMPARE(saved[1].practiceHours, 4);
    QCOMPARE(readFile(file).substr(0, 2), std::string("\x6e\x00", 2));

    child<QPushButton>(&dlg, "7")->click();
    QCOMPARE(child<QLineEdit>(&dlg, "1155")->text(), QString::fromStdString(kelp::formatBookDate(kelp::todayBookDate())));
    QVERIFY(dlg.isModified());
  }

  void tripsGoToByNumberAndConvertTheOlderLayoutOnSave() {
    kelp::Logbook lb;
    std::vector<kelp::DiveRecord> dives;
    for (int n : {100, 101, 102}) {
      kelp::DiveRecord r = kelp::makeRecord();
      r.date = 150000 + n;
      r.diveNumber = uint16_t(n);
      dives.push_back(r);
    }
    lb.assignDives(dives);
    // Two trips in the older layout (232 bytes each).
    std::string old("\x02\x00", 2);
    for (int first : {101, 2}) {
      std::string rec(232, '\0');
      const int32_t start = kelp::parseBookDate(first == 101 ? "1.8.2004" : "1.8.1998").stamp;
      std::memcpy(&rec[0], &start, 4);
      std::memcpy(&rec[8], &first, 4);
      const int32_t last = first + 1;
      std::memcpy(&rec[12], &last, 4);
      rec.replace(16, 9, first == 101 ? "Mar Rosso" : "Elba     ");
      old += rec;
    }
    const QString file = path("log.trp");
    writeFile(file, old);
    std::vector<kelp::DiveTrip> trips;
    bool wasOld = false;
    QVERIFY(kelp::loadTripFile(file.toStdString(), trips, &wasOld).ok);
    QVERIFY(wasOld);
    std::vector<int> shown;
    CTripsDlg dlg(nullptr, file.toStdString(), trips, wasOld, lb, [&shown](int p) { shown.push_back(p); });
    dlg.show();
    for (const char* id : {"1111", "1112", "1155", "1156", "1158", "1159", "1157", "1133", "10", "11", "12", "9", "7",
                           "8", "1"})
      QVERIFY2(child(&dlg, id), id);
    auto* list = child<QTreeWidget>(&dlg, "1112");
    QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("00101-00102"));
    QVERIFY(!dlg.isModified());
    QCOMPARE(readFile(file), old);

    child<QPushButton>(&dlg, "11")->click();  // dive number 101 is at position 2
    QCOMPARE(shown, std::vector<int>{2});
    list->setCurrentItem(list->topLevelItem(1));
    child<QPushButton>(&dlg, "11")->click();  // number 2: no dive has it
    QCOMPARE(shown, std::vector<int>{2});

    child<QPushButton>(&dlg, "9")->click();
    QCOMPARE(column(list, 1), (QStringList{"Elba     ", "Mar Rosso"}));
    child<QPlainTextEdit>(&dlg, "1133")->setPlainText(QStringLiteral("riga uno\nriga due"));
    shot(&dlg, "trips");
    child<QPushButton>(&dlg, "10")->click();
    QVERIFY(!dlg.isModified());
    QCOMPARE(readFile(file + ".bak"), old);
    std::vector<kelp::DiveTrip> saved;
    QVERIFY(kelp::loadTripFile(file.toStdString(), saved, &wasOld).ok);
    QVERIFY(!wasOld);
    QCOMPARE(QByteArray(saved[0].note), QByteArray("riga uno\r\nriga due"));
  }

  void ownerOldLayoutIsWrittenOnlyOnSave() {
    kelp::settings().currency = "EUR";
    std::string old(1396, '\0');
    old.replace(0, 13, "Marta Bianchi");
    old.replace(348, 16, "Open Water Diver");
    const QString file = path("log.inf");
    writeFile(file, old);
    kelp::OwnerBook book;
    bool wasOld = false;
    QVERIFY(kelp::loadOwnerFile(file.toStdString(), book, &wasOld).ok);
    {
      COwnerDlg dlg(nullptr, file.toStdString(), book, wasOld);
      dlg.show();
      for (const char* id : {"1111", "1133", "1134", "1112", "1135", "1136", "1042", "1138", "4", "1145", "1176",
                             "1137", "10", "11", "9", "7", "8", "1"})
        QVERIFY2(child(&dlg, id), id);
      QCOMPARE(child<QLineEdit>(&dlg, "1133")->text(), QStringLiteral("Marta Bianchi"));
      type(&dlg, "4", QStringLiteral("100.5"));
      child<QPushButton>(&dlg, "7")->click();
      auto* category = child<QComboBox>(&dlg, "1135");
      category->setCurrentIndex(1);
      emit category->activated(1);
      QCOMPARE(QByteArray(dlg.book().entries[1].category), QByteArray("Specialita'"));
      type(&dlg, "1136", QStringLiteral("Nitrox"));
      type(&dlg, "4", QStringLiteral("20"));
      QCOMPARE(child<QLabel>(&dlg, "1137")->text(), QStringLiteral("120.50 EUR"));
      shot(&dlg, "owner");
      answers_ = {QMessageBox::No};
      dlg.reject();
      QCOMPARE(told_.last(), QStringLiteral("Salva file?"));
    }
    QCOMPARE(readFile(file), old);  // nothing written without Save
    QVERIFY(!QFile::exists(file + ".bak"));

    COwnerDlg dlg(nullptr, file.toStdString(), book, wasOld);
    child<QPushButton>(&dlg, "10")->click();
    QCOMPARE(readFile(file + ".bak"), old);
    kelp::OwnerBook saved;
    QVERIFY(kelp::loadOwnerFile(file.toStdString(), saved, &wasOld).ok);
    QVERIFY(!wasOld);
    QCOMPARE(QByteArray(saved.owner.name), QByteArray("Marta Bianchi"));
    QCOMPARE(saved.entries.size(), size_t(1));
  }

  void extraMenuOpensTheBooksThroughTheMainWindow() {
    const QString log = path("menu.log");
    kelp::Logbook demo = kelp::makeDemoLogbook(5, 1);
    QVERIFY(demo.saveFile(log.toStdString()).ok);
    CKelpDoc doc;
    CMainFrame frame(&doc);
    QVERIFY(doc.openFile(log));
    // A damaged trips file beside the logbook: reported, not opened, left as it is.
    const std::string damaged("\x05\x00\x00\x00\x00\x40", 6);
    writeFile(path("menu.trp"), damaged);
    frame.runCommand(kelp::cmd::Trips);
    QCOMPARE(told_.size(), 1);
    QVERIFY(told_[0].contains(path("menu.trp")));
    QCOMPARE(readFile(path("menu.trp")), damaged);
    // The address book without a file: the file choice, cancelled, opens nothing.
    told_.clear();
    fileAnswers_ = {QString()};
    frame.runCommand(kelp::cmd::BuddyAddresses);
    QVERIFY(told_.isEmpty());  // and no "not yet available"
    QVERIFY(fileAnswers_.isEmpty());
    // The owner book opens on the logbook's .inf (closed again at once).
    onNextModal<COwnerDlg>([](COwnerDlg* d) {
      QVERIFY(child<QLabel>(d, "1111")->text().endsWith(QStringLiteral("/menu.inf")));
      d->reject();
    });
    frame.runCommand(kelp::cmd::Certifications);
    QVERIFY(told_.isEmpty());
  }
};

QTEST_MAIN(TestBookDialogs)
#include "test_book_dialogs.moc"
