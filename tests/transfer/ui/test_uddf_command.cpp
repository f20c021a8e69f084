// "Esporta UDDF..." in the File menu: where it stands, when it is enabled, and what it writes.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "core/demo_logbook.h"
#include "core/settings.h"
#include "records/address_book.h"
#include "records/owner_book.h"
#include "records/trip_book.h"
#include "transfer/ui/uddf_commands.h"
#include "../uddf_test_util.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;

class TestUddfCommand : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir m_dir;
  MessageAnswers m_answers;
  QString m_suggested;
  QString m_answer;

  QString path(const QString& name) const { return m_dir.filePath(name); }
  std::string stdPath(const QString& name) const { return path(name).toStdString(); }

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    loadSettingsFrom(m_dir.filePath(QStringLiteral("config")));
    settings().lastLogbookPath.clear();
    m_answers.okOnly = true;
    m_answers.install();
    uddfPrompts().file = [this](QWidget*, const QString& suggested) {
      m_suggested = suggested;
      return m_answer;
    };
  }

  void standsBesideTheCsvExportAndNeedsDives() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    doc.onNewDocument();
    f.refresh();
    QMenu* file = f.menuBar()->findChild<QMenu*>(QStringLiteral("File"));
    QVERIFY(file);
    const QList<QAction*> actions = file->actions();
    const qsizetype csv = actions.indexOf(f.action(cmd::ExportCsv));
    QVERIFY(csv >= 0 && csv + 1 < actions.size());
    QCOMPARE(actions[csv + 1], f.action(cmd::ExportUddf));
    QCOMPARE(f.action(cmd::ExportUddf)->text(), QStringLiteral("Esporta UDDF..."));
    QCOMPARE(f.action(cmd::ExportUddf)->objectName(), QStringLiteral("32840"));
    QVERIFY(!f.action(cmd::ExportUddf)->statusTip().isEmpty());
    f.updateCommands();
    QVERIFY(!f.action(cmd::ExportUddf)->isEnabled());
    Logbook demo = makeDemoLogbook(5, 2);
    QVERIFY(demo.saveFile(stdPath(QStringLiteral("small.log"))).ok);
    QVERIFY(doc.openFile(path(QStringLiteral("small.log"))));
    f.refresh();
    f.updateCommands();
    QVERIFY(f.action(cmd::ExportUddf)->isEnabled());
  }

  void writesTheLogbookWithTheBooksBesideIt() {
    Logbook demo = makeDemoLogbook(20, 4);
    QVERIFY(demo.saveFile(stdPath(QStringLiteral("log.log"))).ok);
    OwnerBook owner;
    setText(owner.owner.name, "Mario Rossi");
    QVERIFY(saveOwnerFile(stdPath(QStringLiteral("log.inf")), owner).ok);
    DiveTrip trip = makeTrip();
    setText(trip.destination, "Isola d'Elba");
    trip.firstDive = 3;
    trip.lastDive = 5;
    QVERIFY(saveTripFile(stdPath(QStringLiteral("log.trp")), {trip}).ok);
    BuddyAddress a = makeAddress();
    setText(a.firstName, "Carla");
    setText(a.surname, "Bianchi");
    setText(a.town, "Genova");
    QVERIFY(saveAddressFile(stdPath(QStringLiteral("buddies.adr")), {a}).ok);
    settings().addressFile = stdPath(QStringLiteral("buddies.adr"));
    settings().equipmentFile = stdPath(QStringLiteral("none.dat"));  // not there: no equipment

    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(path(QStringLiteral("log.log"))));
    f.refresh();
    m_answer = path(QStringLiteral("out.uddf"));
    f.runCommand(cmd::ExportUddf);
    QCOMPARE(m_suggested, path(QStringLiteral("log.uddf")));
    QVERIFY2(m_answers.texts.isEmpty(), qPrintable(m_answers.texts.join('\n')));
    QVERIFY(f.statusBar()->currentMessage().contains(m_answer));

    pugi::xml_document out;
    QVERIFY(out.load_file(m_answer.toUtf8().constData()));
    QCOMPARE(out.select_nodes("//profiledata//dive").size(), size_t(20));
    QCOMPARE(QString::fromUtf8(test::textAt(out, "//diver/owner/personal/lastname").c_str()), QStringLiteral("Rossi"));
    QCOMPARE(QString::fromUtf8(test::textAt(out, "//divetrip/trip/name").c_str()), QStringLiteral("Isola d´Elba"));
    QCOMPARE(out.select_nodes("//divetrip/trip/trippart/relateddives/link").size(), size_t(3));
    QVERIFY(test::at(out, "//diver/buddy[address/city='Genova']"));
    QVERIFY(!test::at(out, "//diver/owner/equipment"));
    if (test::haveUddfSchema()) {
      const std::string errors = test::uddfSchemaErrors(m_answer.toStdString());
      QVERIFY2(errors.empty(), errors.c_str());
    }

    // Cancelled, nothing is written; a file that cannot be written is reported by its name.
    QFile::remove(m_answer);
    m_answer.clear();
    f.runCommand(cmd::ExportUddf);
    QVERIFY(!QFile::exists(path(QStringLiteral("out.uddf"))));
    QVERIFY(m_answers.texts.isEmpty());
    m_answer = path(QStringLiteral("missing/out.uddf"));
    f.runCommand(cmd::ExportUddf);
    QCOMPARE(m_answers.texts.size(), 1);
    QVERIFY(m_answers.texts[0].contains(m_answer));
  }

  void anUnreadableBookStopsTheExport() {
    Logbook demo = makeDemoLogbook(3, 5);
    QVERIFY(demo.saveFile(stdPath(QStringLiteral("broken.log"))).ok);
    QFile trp(path(QStringLiteral("broken.trp")));
    QVERIFY(trp.open(QIODevice::WriteOnly));
    trp.write("\x05\x00", 2);  // five trips announced, none there
    trp.close();
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(path(QStringLiteral("broken.log"))));
    f.refresh();
    m_answers.texts.clear();
    m_answer = path(QStringLiteral("broken.uddf"));
    f.runCommand(cmd::ExportUddf);
    QCOMPARE(m_answers.texts.size(), 1);
    QVERIFY(m_answers.texts[0].contains(path(QStringLiteral("broken.trp"))));
    QVERIFY(!QFile::exists(m_answer));
  }
};

QTEST_MAIN(TestUddfCommand)
#include "test_uddf_command.moc"
