// "Importa UDDF..." in the File menu: the dialog reads the file, lists its dives with their
// status, inserts the new ones as one step that "Annulla" takes back byte for byte, takes the
// file's books on request, and changes nothing for a file it cannot read.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "core/demo_logbook.h"
#include "core/settings.h"
#include "records/owner_book.h"
#include "transfer/uddf_export.h"
#include "transfer/ui/transfer_prompts.h"
#include "transfer/ui/uddf_import_dialog.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {
std::string bytesOf(const Logbook& lb) { return lb.serializeLog() + lb.serializeAdd(); }
}  // namespace

class TestUddfImportDialog : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir m_dir;
  MessageAnswers m_answers;
  QString m_nextFile;

  QString path(const QString& name) const { return m_dir.filePath(name); }
  std::string stdPath(const QString& name) const { return path(name).toStdString(); }

  // A logbook of the first three of six demo dives, and a UDDF file of all six with an owner.
  void writeHalfAndWhole(const QString& log, const QString& uddf) {
    const Logbook whole = makeDemoLogbook(6, 4);
    Logbook half;
    half.assignDives({whole.dives().begin(), whole.dives().begin() + 3});
    QVERIFY(half.saveFile(log.toStdString()).ok);
    UddfBooks books;
    setText(books.owner.owner.name, "Mario Rossi");
    UddfOptions o;
    o.books = &books;
    QVERIFY(exportUddf(whole, uddf.toStdString(), o).ok);
  }

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    loadSettingsFrom(m_dir.filePath(QStringLiteral("config")));
    settings().lastLogbookPath.clear();
    m_answers.okOnly = true;
    m_answers.install();
    fileChoiceHook() = [this](QWidget*, const FileChoice&) { return m_nextFile; };
  }

  void standsBesideTheOtherImportsAndNeedsNoDives() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    doc.onNewDocument();
    f.refresh();
    QMenu* file = f.menuBar()->findChild<QMenu*>(QStringLiteral("File"));
    QVERIFY(file);
    const QList<QAction*> actions = file->actions();
    const qsizetype guardian = actions.indexOf(f.action(cmd::ImportGuardian));
    QVERIFY(guardian >= 0 && guardian + 1 < actions.size());
    QCOMPARE(actions[guardian + 1], f.action(cmd::ImportUddf));
    QCOMPARE(f.action(cmd::ImportUddf)->text(), QStringLiteral("Importa UDDF..."));
    QCOMPARE(f.action(cmd::ImportUddf)->objectName(), QStringLiteral("32841"));
    f.updateCommands();
    QVERIFY(f.action(cmd::ImportUddf)->isEnabled());

    // The rule of the insert button.
    QVERIFY(!uddfInsertEnabled({false, false, 3, false}));  // still reading
    QVERIFY(uddfInsertEnabled({true, false, 3, false}));
    QVERIFY(!uddfInsertEnabled({true, true, 3, false}));    // inserted already
    QVERIFY(!uddfInsertEnabled({true, false, 0, false}));   // nothing new
    QVERIFY(uddfInsertEnabled({true, false, 0, true}));     // only the books
  }

  void listsTheDivesAndInsertsTheNewOnesAsOneUndoableStep() {
    writeHalfAndWhole(path(QStringLiteral("half.log")), path(QStringLiteral("six.uddf")));
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(path(QStringLiteral("half.log"))));
    f.refresh();
    const std::string before = bytesOf(doc.logbook());
    const int steps = doc.undoStack()->count();

    CUddfImportDlg dlg(doc, path(QStringLiteral("six.uddf")), &f);
    auto* insert = child<QPushButton>(&dlg, 1070);
    QVERIFY(insert);
    QVERIFY(!insert->isEnabled());
    dlg.start();
    QTRY_VERIFY(!dlg.reading());
    QVERIFY2(dlg.readOk(), qPrintable(dlg.message()));
    auto* list = dlg.findChild<QTableView*>(QStringLiteral("dives"));
    QCOMPARE(list->model()->rowCount(), 6);
    QCOMPARE(list->model()->columnCount(), 6);
    const QString firstPlace = list->model()->index(0, UddfDiveModel::Place).data().toString();
    QVERIFY(!firstPlace.isEmpty());
    QCOMPARE(dlg.found().count(UddfDiveStatus::Present), 3);
    QCOMPARE(dlg.found().count(UddfDiveStatus::New), 3);
    QVERIFY(dlg.message().contains(QStringLiteral("3 nuove")));
    QVERIFY(!dlg.findChild<QProgressBar*>(QStringLiteral("progress"))->isVisible());
    auto* books = dlg.findChild<QCheckBox*>(QStringLiteral("books"));
    QVERIFY(!books->isHidden());  // the file holds an owner
    QVERIFY(!books->isChecked());
    QVERIFY(insert->isEnabled());
    shot(&dlg, QStringLiteral("uddf_import_dialog"));

    books->setChecked(true);
    QTest::mouseClick(insert, Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.report().inserted, 3);
    QCOMPARE(doc.logbook().diveCount(), 6);
    QCOMPARE(doc.undoStack()->count(), steps + 1);
    QCOMPARE(doc.undoStack()->undoText(), QStringLiteral("Importa UDDF..."));
    // The owner went into the book beside the logbook.
    OwnerBook owner;
    QVERIFY(loadOwnerFile(doc.logbook().infPath, owner).ok);
    QCOMPARE(QString::fromStdString(getText(owner.owner.name)), QStringLiteral("Mario Rossi"));

    doc.undoStack()->undo();
    QVERIFY(bytesOf(doc.logbook()) == before);
    QVERIFY(m_answers.texts.isEmpty());
  }

  void throughTheMenuASecondImportFindsEveryDivePresent() {
    writeHalfAndWhole(path(QStringLiteral("menu.log")), path(QStringLiteral("menu.uddf")));
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(path(QStringLiteral("menu.log"))));
    f.refresh();
    m_nextFile = path(QStringLiteral("menu.uddf"));
    auto clickInsert = [](QDialog* d) {
      auto* dlg = qobject_cast<CUddfImportDlg*>(d);
      QVERIFY(dlg);
      QTRY_VERIFY(!dlg->reading());
      QTest::mouseClick(child<QPushButton>(d, 1070), Qt::LeftButton);
    };
    onNextDialog(clickInsert);
    f.runCommand(cmd::ImportUddf);
    QCOMPARE(doc.logbook().diveCount(), 6);
    const std::string after = bytesOf(doc.logbook());

    // The same file again: every dive is present, nothing can be inserted.
    bool enabled = true;
    onNextDialog([&](QDialog* d) {
      auto* dlg = qobject_cast<CUddfImportDlg*>(d);
      QTRY_VERIFY(!dlg->reading());
      QCOMPARE(dlg->found().count(UddfDiveStatus::Present), 6);
      enabled = child<QPushButton>(d, 1070)->isEnabled();
      d->reject();
    });
    f.runCommand(cmd::ImportUddf);
    QVERIFY(!enabled);
    QVERIFY(bytesOf(doc.logbook()) == after);
    m_nextFile.clear();
  }

  void aBadFileShowsItsMessageAndInsertsNothing() {
    Logbook demo = makeDemoLogbook(4, 2);
    QVERIFY(demo.saveFile(stdPath(QStringLiteral("bad.log"))).ok);
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(path(QStringLiteral("bad.log"))));
    const std::string before = bytesOf(doc.logbook());
    const int steps = doc.undoStack()->count();
    for (const char* content : {"<uddf version=\"3.2.3\"><profiledata><repetitiongroup><dive",  // cut short
                                "not XML at all", "<?xml version=\"1.0\"?><gpx/>"}) {
      QFile bad(path(QStringLiteral("bad.uddf")));
      QVERIFY(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
      bad.write(content);
      bad.close();
      CUddfImportDlg dlg(doc, path(QStringLiteral("bad.uddf")), &f);
      dlg.start();
      QTRY_VERIFY(!dlg.reading());
      QVERIFY(!dlg.readOk());
      QVERIFY2(dlg.message().contains(path(QStringLiteral("bad.uddf"))), qPrintable(dlg.message()));
      QVERIFY(!child<QPushButton>(&dlg, 1070)->isEnabled());
      QCOMPARE(dlg.findChild<QTableView*>(QStringLiteral("dives"))->model()->rowCount(), 0);
    }
    QVERIFY(bytesOf(doc.logbook()) == before);
    QCOMPARE(doc.undoStack()->count(), steps);
  }
};

QTEST_MAIN(TestUddfImportDialog)
#include "test_uddf_import_dialog.moc"
