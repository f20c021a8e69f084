// The document against another program writing its logbook, and "Ripristina copia...".
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "core/backups.h"
#include "core/demo_logbook.h"
#include "core/settings.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {

std::string bytesOf(const Logbook& lb) { return lb.serializeLog() + lb.serializeAdd(); }

Result dropFirstDive(Logbook& lb) {
  lb.remove(1);
  return Result::success();
}

}  // namespace

class TestDiskChanges : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir m_dir;
  MessageAnswers m_answers;
  QString m_log;

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    loadSettingsFrom(m_dir.filePath(QStringLiteral("config")));
    qputenv("KELP_DATA_DIR", m_dir.filePath(QStringLiteral("data")).toUtf8());
    m_answers.install();
  }
  void init() {
    m_answers.clear();
    m_log = m_dir.filePath(QStringLiteral("mare%1.log").arg(QTest::currentTestFunction()));
    QVERIFY(!writeDemoLogbook(m_log, 10, 4).isEmpty());
  }

  void aChangeOnDiskIsReportedOnceAndReloadedWhenAsked() {
    CKelpDoc doc;
    QVERIFY(doc.openFile(m_log));
    doc.checkDiskOnFocus();
    QVERIFY(m_answers.texts.isEmpty());

    QVERIFY(makeDemoLogbook(12, 9).saveFile(m_log.toStdString()));  // another program
    m_answers.queue = {QMessageBox::No};
    doc.checkDiskOnFocus();
    QCOMPARE(m_answers.texts.size(), 1);
    QVERIFY(m_answers.texts[0].contains(QFileInfo(m_log).fileName()));
    QVERIFY(m_answers.texts[0].contains(QStringLiteral("Apri corrente file")));
    QCOMPARE(doc.logbook().diveCount(), 10);
    doc.checkDiskOnFocus();  // the same change is not reported again
    QCOMPARE(m_answers.texts.size(), 1);

    QVERIFY(makeDemoLogbook(14, 9).saveFile(m_log.toStdString()));
    doc.checkDiskOnFocus();  // answered Yes: read again
    QCOMPARE(m_answers.texts.size(), 2);
    QCOMPARE(doc.logbook().diveCount(), 14);
    QVERIFY(!doc.isModified());
  }

  void aSaveOverAnotherProgramsChangeAsksFirst() {
    CKelpDoc doc;
    QVERIFY(doc.openFile(m_log));
    QVERIFY(doc.perform(QStringLiteral("Cancella immersione"), dropFirstDive));
    const Logbook other = makeDemoLogbook(3, 5);
    QVERIFY(Logbook(other).saveFile(m_log.toStdString()));
    const std::string theirs = bytesOf(other);
    auto onDisk = [&] {
      Logbook lb;
      lb.loadFile(m_log.toStdString());
      return bytesOf(lb);
    };
    doc.checkDiskOnFocus();  // changes of its own to save: nothing asked now
    QVERIFY(m_answers.texts.isEmpty());

    m_answers.queue = {QMessageBox::Cancel};
    QVERIFY(!doc.fileSave());
    QCOMPARE(m_answers.texts.size(), 1);
    QVERIFY(m_answers.texts[0].contains(QStringLiteral("modificato da un altro programma")));
    QCOMPARE(onDisk(), theirs);
    QVERIFY(doc.isModified());

    // "Salva con nome...": both versions kept.
    const QString elsewhere = m_dir.filePath(QStringLiteral("entrambi.log"));
    uiPrompts().logbookFile = [&](QWidget*, bool, const QString&) { return elsewhere; };
    m_answers.queue = {QMessageBox::Save};
    QVERIFY(doc.fileSave());
    QCOMPARE(onDisk(), theirs);
    QCOMPARE(doc.logbook().path, elsewhere.toStdString());
    QCOMPARE(doc.logbook().diveCount(), 9);

    // Back on the first file, now overwriting.
    QVERIFY(doc.openFile(m_log));
    QVERIFY(doc.perform(QStringLiteral("Cancella immersione"), dropFirstDive));
    QVERIFY(makeDemoLogbook(4, 6).saveFile(m_log.toStdString()));
    m_answers.clear();
    m_answers.queue = {QMessageBox::Yes};
    QVERIFY(doc.fileSave());
    QCOMPARE(m_answers.texts.size(), 1);
    QCOMPARE(onDisk(), bytesOf(doc.logbook()));
    // Saved by itself: the next save asks nothing.
    QVERIFY(doc.perform(QStringLiteral("Cancella immersione"), dropFirstDive));
    QVERIFY(doc.fileSave());
    QCOMPARE(m_answers.texts.size(), 1);
  }

  void restoreBringsAKeptVersionBackIntoTheOpenLogbook() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(m_log));
    const std::string first = bytesOf(doc.logbook());
    QVERIFY(doc.perform(QStringLiteral("Cancella immersione"), dropFirstDive));
    QVERIFY(doc.fileSave());
    QVERIFY(doc.perform(QStringLiteral("Cancella immersione"), dropFirstDive));
    QVERIFY(doc.fileSave());
    QCOMPARE(doc.logbook().diveCount(), 8);
    f.updateCommands();
    QVERIFY(f.action(cmd::RestoreBackup)->isEnabled());

    QStringList rows;
    onNextDialog([&](QDialog* d) {
      auto* list = child<QTreeWidget>(d, 1750);
      QVERIFY(list);
      for (int i = 0; i < list->topLevelItemCount(); ++i) rows << list->topLevelItem(i)->text(1);
      list->setCurrentItem(list->topLevelItem(1));  // the older one: the logbook as opened
      shot(d, QStringLiteral("restore_backup"));
      d->accept();
    });
    f.runCommand(cmd::RestoreBackup);
    QCOMPARE(rows, QStringList({QStringLiteral("9"), QStringLiteral("10")}));
    QCOMPARE(bytesOf(doc.logbook()), first);
    QVERIFY(!doc.isModified());
    QCOMPARE(doc.undoStack()->count(), 0);
    // The version it replaced is kept in turn.
    const std::vector<BackupInfo> kept = listBackups(doc.logbook().path);
    QCOMPARE(kept.size(), size_t(3));
    QCOMPARE(kept[0].dives, 8);

    // A new logbook has no kept versions to offer.
    QVERIFY(doc.fileNew());
    f.updateCommands();
    QVERIFY(!f.action(cmd::RestoreBackup)->isEnabled());
  }
};

QTEST_MAIN(TestDiskChanges)
#include "test_disk_changes.moc"
