// The pattern every book dialog shares, driven through each of the five by its control ids:
// which buttons wait for entries, New marks the book " *" and shows the entry in its row,
// Delete asks the book's own question and No keeps the entry, and closing asks the book's
// own save question (Cancel keeps the dialog, No closes it).
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/ui/kelp_doc.h"
#include "core/settings.h"
#include "records/ui/activity_dialog.h"
#include "records/ui/address_dialogs.h"
#include "records/ui/equipment_dialogs.h"
#include "records/ui/trip_owner_dialogs.h"
#include "tests/ui_test_support.h"

using namespace kelp::test;

namespace {

void type(QWidget* dlg, const char* id, const QString& text) {
  auto* e = child<QLineEdit>(dlg, id);
  e->setFocus();
  e->selectAll();
  QTest::keyClicks(e, text);
}

// Fills the next modal editor of type T with `text` in field `id` and accepts it.
template <class T>
void editNext(const char* id, const QString& text) {
  onNextDialog([id, text](QDialog* open) {
    auto* d = qobject_cast<T*>(open);
    QVERIFY(d);
    child<QLineEdit>(d, id)->setText(text);
    d->accept();
  });
}

QString rowText(QTreeWidget* list, int row) {
  QStringList texts;
  for (int c = 0; c < list->columnCount(); ++c) texts << list->topLevelItem(row)->text(c);
  return texts.join(QLatin1Char('|'));
}

struct Book {
  const char* name;
  std::function<CBookDlg*()> open;       // on an empty book
  QList<int> needEntries;                // buttons disabled while the book is empty
  std::function<void(CBookDlg*)> addOne;  // New, and the entry named
  QString shownName;                     // as its row shows it
  QString deleteQuestion;
  QString saveQuestion;
};

}  // namespace

class TestEveryBookDialog : public QObject {
  Q_OBJECT
  MessageAnswers answers_;
  kelp::Logbook logbook_;

 private slots:
  void initTestCase() {
    answers_.okOnly = true;
    answers_.install();
  }

  void thePatternHoldsInEveryBook_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(books().size()); ++i) QTest::newRow(books()[size_t(i)].name) << i;
  }

  void thePatternHoldsInEveryBook() {
    QFETCH(int, index);
    const Book& b = books()[size_t(index)];
    kelp::settings() = kelp::Settings{};
    answers_.clear();
    std::unique_ptr<CBookDlg> dlg(b.open());
    dlg->show();
    auto* list = child<QTreeWidget>(dlg.get(), "1112");
    QVERIFY(list);

    const auto buttons = dlg->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(buttons.size() >= 6);
    for (QPushButton* button : buttons)
      QCOMPARE(button->isEnabled(), !b.needEntries.contains(button->objectName().toInt()));
    QVERIFY(!dlg->isModified());
    QVERIFY(!dlg->pathText().endsWith(" *"));

    b.addOne(dlg.get());
    QCOMPARE(list->topLevelItemCount(), 1);
    QVERIFY2(rowText(list, 0).contains(b.shownName), qPrintable(rowText(list, 0)));
    QVERIFY(dlg->isModified());
    QVERIFY(dlg->pathText().endsWith(" *"));
    for (QPushButton* button : buttons) QVERIFY(button->isEnabled());

    answers_.queue = {QMessageBox::No};
    child<QPushButton>(dlg.get(), "8")->click();
    QCOMPARE(answers_.texts.last(), b.deleteQuestion);
    QCOMPARE(list->topLevelItemCount(), 1);

    answers_.queue = {QMessageBox::Cancel};
    child<QPushButton>(dlg.get(), "1")->click();
    QCOMPARE(answers_.texts.last(), b.saveQuestion);
    QVERIFY(dlg->isVisible());
    answers_.queue = {QMessageBox::No};
    dlg->reject();
    QVERIFY(!dlg->isVisible());
    QVERIFY(answers_.queue.isEmpty());
  }

 private:
  const std::vector<Book>& books() {
    static const std::vector<Book> k = {
        {"addresses",
         [] { return new CAddressBookDlg(nullptr, "/nowhere/a.adr", {}); },
         {6, 8, 9, 10, 11},
         [](CBookDlg* d) {
           editNext<CAddressDlg>("1133", QStringLiteral("Rossi"));
           child<QPushButton>(d, "7")->click();
         },
         QStringLiteral("Rossi, "),
         QStringLiteral("Cancella ´ Rossi´?"),
         QStringLiteral("Salva file indirizzi?")},
        {"equipment",
         [] { return new CEquipmentDlg(nullptr, "/nowhere/e.dat", {}); },
         {4, 6, 8, 9, 10, 11},
         [](CBookDlg* d) {
           editNext<CEquipmentItemDlg>("1114", QStringLiteral("Erogatore"));
           child<QPushButton>(d, "7")->click();
         },
         QStringLiteral("Secondo stadio|Erogatore"),
         QStringLiteral("Cancella ´Secondo stadio: Erogatore´?"),
         QStringLiteral("Salva file attrezzatura?")},
        // An empty activities book opens with one fresh entry: every button is enabled,
        // and typing into that entry is what modifies the book.
        {"activities",
         [] { return new CActivityDlg(nullptr, "/nowhere/c.abn", {}); },
         {},
         [](CBookDlg* d) { type(d, "1337", QStringLiteral("Corso")); },
         QStringLiteral("|Corso"),
         QStringLiteral("Cancella ´Corso´?"),
         QStringLiteral("Salva file?")},
        {"trips",
         [this] { return new CTripsDlg(nullptr, "/nowhere/t.trp", {}, false, logbook_, nullptr); },
         {8, 9, 11, 12},
         [](CBookDlg* d) {
           child<QPushButton>(d, "7")->click();
           type(d, "1157", QStringLiteral("Elba"));
         },
         QStringLiteral("|Elba|00000-00000"),
         QStringLiteral("Cancella ´Elba´?"),
         QStringLiteral("Salva file viaggio?")},
        {"owner",
         [] { return new COwnerDlg(nullptr, "/nowhere/o.inf", kelp::OwnerBook{}, false); },
         {8, 9},
         [](CBookDlg* d) {
           child<QPushButton>(d, "7")->click();
           type(d, "1136", QStringLiteral("Nitrox"));
         },
         QStringLiteral("|Nitrox"),
         QStringLiteral("Cancella ´Nitrox´?"),
         QStringLiteral("Salva file?")},
    };
    return k;
  }
};

QTEST_MAIN(TestEveryBookDialog)
#include "test_every_book_dialog.moc"
