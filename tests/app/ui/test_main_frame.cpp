// The main window: enable rules, file commands with their questions and
// messages, copying dives between logbooks, and the logbook dialogs.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "core/demo_logbook.h"
#include "core/language.h"
#include "core/settings.h"
#include "core/texts.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {

void setField(QDialog* d, const char* id, const QString& value) {
  auto* e = child<QLineEdit>(d, id);
  QVERIFY2(e, id);
  e->setText(value);
}

}  // namespace

class TestMainFrame : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir m_dir;
  MessageAnswers m_answers;

  QString path(const QString& name) const { return m_dir.filePath(name); }
  QString writeDemo(const QString& name, int dives, unsigned seed) {
    return writeDemoLogbook(path(name), dives, seed);
  }
  bool enabled(CMainFrame& f, int id) {
    f.updateCommands();
    return f.action(id) && f.action(id)->isEnabled();
  }

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    loadSettingsFrom(m_dir.filePath(QStringLiteral("config")));
    settings().lastLogbookPath.clear();
    m_answers.install();
  }
  void init() {
    settings().lastLogbookPath.clear();  // each document starts from a new logbook
    m_answers.clear();
  }

  void menusCarryTextsAndKeys() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    QStringList titles;
    for (QAction* a : f.menuBar()->actions()) titles << a->text();
    QCOMPARE(titles, QStringList({"&File", "&Crea", "&Vista", "&Statistiche", "&Cerca", "&Extra",
                                  "&Aiuto", "?"}));
    for (const CommandInfo& c : commandTable())
      if (c.id) QVERIFY2(f.action(c.id), qPrintable(QString::number(c.id)));
    QCOMPARE(f.action(cmd::FileOpen)->shortcuts(),
             QList<QKeySequence>({QKeySequence(QStringLiteral("F3")), QKeySequence(QStringLiteral("Ctrl+O"))}));
    QVERIFY(f.action(cmd::ReloadFile)->shortcuts().isEmpty());
    QVERIFY(f.action(cmd::ReloadFile)->text().endsWith(QStringLiteral("\tAlt+F5")));
    QCOMPARE(f.action(cmd::EditDive)->statusTip(), QStringLiteral("Crea imm. attiva"));
    QCOMPARE(f.action(cmd::EditDive)->toolTip(), QStringLiteral("Edit"));
    QCOMPARE(f.action(cmd::TipOfTheDay)->text(), QStringLiteral("Tips and Tricks..."));
    // toolbar: the commands in their order with separators
    QList<int> bar;
    for (QAction* a : f.toolBar()->actions()) bar << (a->isSeparator() ? 0 : a->objectName().toInt());
    QCOMPARE(bar, QList<int>(toolbarCommands().begin(), toolbarCommands().end()));
    // the external program's menu text comes from the settings
    settings().externName = "Mio &programma";
    f.updateExternalAppText();
    QCOMPARE(f.action(cmd::ExternalApp)->text(), QStringLiteral("Mio &programma"));
    settings().externName.clear();
    f.updateExternalAppText();
    QCOMPARE(f.action(cmd::ExternalApp)->text(), QStringLiteral("Applicazione &esterna\tStrg+F5"));
  }

  void menusInEnglishKeepTheirObjectNames() {
    setLanguage(Language::English);
    {
      CKelpDoc doc;
      CMainFrame f(&doc);
      QStringList titles, names;
      for (QAction* a : f.menuBar()->actions()) {
        titles << a->text();
        names << a->menu()->objectName();
      }
      QCOMPARE(titles, QStringList({"&File", "&Edit", "&View", "&Statistics", "&Search", "&Extras",
                                    "&Help", "?"}));
      QCOMPARE(names, QStringList({"File", "Crea", "Vista", "Statistiche", "Cerca", "Extra", "Aiuto", "?"}));
      QCOMPARE(f.action(cmd::FileOpen)->text(), QStringLiteral("Open..."));
      QCOMPARE(f.action(cmd::FileOpen)->objectName(), QString::number(cmd::FileOpen));
      QCOMPARE(f.action(cmd::EditDive)->statusTip(), QStringLiteral("Edits the current dive"));
      QCOMPARE(f.action(cmd::ExternalApp)->text(), QStringLiteral("&External application\tCtrl+F5"));
      f.resize(700, 400);
      shot(&f, "main_frame_en");
      QMenu* edit = f.menuBar()->actions().at(1)->menu();
      edit->popup(QPoint(0, 0));
      QApplication::processEvents();
      if (!shotDir().isEmpty()) edit->grab().save(shotDir() + QStringLiteral("/menu_edit_en.png"));
      edit->hide();
    }
    setLanguage(Language::Italian);
  }

  void enableRulesForEmptyNewAndSavedLogbooks() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    doc.onNewDocument();
    f.refresh();
    QCOMPARE(doc.title(), QStringLiteral("Senzanome.log"));
    for (int id : {cmd::Copy, cmd::DeleteDive, cmd::Renumber, cmd::TimeZone, cmd::Statistics,
                   cmd::Certifications, cmd::Paste, cmd::SelectionPaste})
      QVERIFY2(!enabled(f, id), qPrintable(QString::number(id)));
    for (int id : {cmd::NewDive, cmd::Transfer, cmd::ImportCitizen, cmd::ImportGuardian,
                   cmd::FileSave, cmd::ProfilePreview})
      QVERIFY2(enabled(f, id), qPrintable(QString::number(id)));

    // a new, unsaved logbook with dives
    const Logbook demo = makeDemoLogbook(3, 7);
    for (const DiveRecord& r : demo.dives()) doc.logbook().insert(r);
    f.refresh();
    QVERIFY(enabled(f, cmd::Copy));
    QVERIFY(enabled(f, cmd::DeleteDive));
    for (int id : {cmd::Certifications, cmd::Trips, cmd::Forecast}) QVERIFY(!enabled(f, id));
    QVERIFY(f.isWindowModified());

    // saving it makes the books of the logbook file available
    QVERIFY(doc.fileSaveAs(path(QStringLiteral("saved.log"))));
    for (int id : {cmd::Certifications, cmd::Trips, cmd::Forecast}) QVERIFY(enabled(f, id));
    QVERIFY(!doc.isModified());
    QVERIFY(f.windowTitle().startsWith(QStringLiteral("saved.log")));
    QCOMPARE(f.recentFiles().value(0), path(QStringLiteral("saved.log")));
    QCOMPARE(QString::fromStdString(settingsFile().getString("Recent File List", "File1")),
             path(QStringLiteral("saved.log")));
  }

  void saveAsOntoAnExistingFileAsksOnce() {
    const QString other = writeDemo(QStringLiteral("other.log"), 2, 3);
    const QByteArray before = [&] {
      QFile f(other);
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    settings().lastLogbookPath.clear();  // start with a new logbook, not the one just written
    CKelpDoc doc;
    doc.onNewDocument();
    const Logbook demo = makeDemoLogbook(4, 9);
    for (const DiveRecord& r : demo.dives()) doc.logbook().insert(r);
    auto chooser = uiPrompts().logbookFile;
    uiPrompts().logbookFile = [&](QWidget*, bool, const QString&) { return other; };
    m_answers.queue = {QMessageBox::No};
    QVERIFY(!doc.fileSaveAs());
    QCOMPARE(m_answers.texts.size(), 1);
    QVERIFY(m_answers.texts[0].contains(QStringLiteral("esiste già")));
    QFile f(other);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);  // left alone
    m_answers.queue = {QMessageBox::Yes};
    QVERIFY(doc.fileSaveAs());
    QCOMPARE(doc.logbook().path, other.toStdString());
    uiPrompts().logbookFile = chooser;
  }

  void disabledCommandsDoNothing() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    doc.onNewDocument();
    f.runCommand(cmd::DeleteDive);  // nothing to delete: no question, no message
    QVERIFY(m_answers.texts.isEmpty());
    f.runCommand(cmd::Statistics);
    QVERIFY(m_answers.texts.isEmpty());
  }

  void copyDiveIntoAnotherLogbook() {
    const QString a = writeDemo(QStringLiteral("a.log"), 5, 1);
    const QString b = writeDemo(QStringLiteral("b.log"), 3, 2);
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(a));
    doc.logbook().currentPosition = 2;
    const DiveRecord copied = doc.logbook().dives()[1];
    f.runCommand(cmd::Copy);
    QVERIFY(enabled(f, cmd::Paste));
    QVERIFY(doc.fileOpen(b));
    QCOMPARE(doc.logbook().diveCount(), 3);
    QVERIFY(enabled(f, cmd::Paste));  // the copy survives opening another logbook
    onNextDialog([](QDialog* d) { d->accept(); });  // "Incolla" shows the dive editor
    f.runCommand(cmd::Paste);
    QCOMPARE(doc.logbook().diveCount(), 4);
    const int pos = doc.logbook().currentPosition;
    QCOMPARE(doc.logbook().dives()[pos - 1].date, copied.date);
    QCOMPARE(std::string(doc.logbook().dives()[pos - 1].location), std::string(copied.location));
    QVERIFY(doc.isModified());
  }

  void selectionCopyAndPaste() {
    const QString a = writeDemo(QStringLiteral("sa.log"), 6, 3);
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(a));
    // out of range: message, buffer stays empty
    onNextDialog([](QDialog* d) {
      setField(d, "1389", QStringLiteral("2"));
      setField(d, "1390", QStringLiteral("99"));
      d->accept();
    });
    f.runCommand(cmd::SelectionCopy);
    QCOMPARE(m_answers.texts.size(), 1);
    QCOMPARE(m_answers.texts[0], QStringLiteral("Numero sbagliato immersione inesistente"));
    QVERIFY(!enabled(f, cmd::SelectionPaste));

    onNextDialog([](QDialog* d) {
      setField(d, "1389", QStringLiteral("2"));
      setField(d, "1390", QStringLiteral("4"));
      d->accept();
    });
    f.runCommand(cmd::SelectionCopy);
    QCOMPARE(int(doc.selectionBuffer().records.size()), 3);
    QVERIFY(enabled(f, cmd::SelectionPaste));
    QVERIFY(enabled(f, cmd::SelectionClear));

    doc.onNewDocument();
    f.runCommand(cmd::SelectionPaste);
    QCOMPARE(doc.logbook().diveCount(), 3);
    QCOMPARE(int(doc.logbook().dives()[0].diveNumber), 1);
    QVERIFY(!enabled(f, cmd::SelectionPaste));  // pasted once only
  }

  void renumberAndRenumberRange() {
    const QString a = writeDemo(QStringLiteral("r.log"), 5, 4);
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(a));
    // Cancel on the question changes nothing
    m_answers.queue = {QMessageBox::Cancel};
    onNextDialog([](QDialog* d) {
      QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("1106"))->text(), QStringLiteral("1"));
      setField(d, "1106", QStringLiteral("50"));
      d->accept();
    });
    f.runCommand(cmd::Renumber);
    QCOMPARE(int(doc.logbook().dives()[0].diveNumber), 1);
    QCOMPARE(m_answers.texts.value(0), QStringLiteral("Rinumera imm con numero iniziale #50?"));

    onNextDialog([](QDialog* d) {
      setField(d, "1106", QStringLiteral("50"));
      d->accept();
    });
    f.runCommand(cmd::Renumber);
    QCOMPARE(int(doc.logbook().dives()[0].diveNumber), 50);
    QCOMPARE(int(doc.logbook().dives()[4].diveNumber), 54);

    onNextDialog([](QDialog* d) {
      setField(d, "1389", QStringLiteral("52"));
      setField(d, "1390", QStringLiteral("53"));
      setField(d, "1391", QStringLiteral("100"));
      d->accept();
    });
    f.runCommand(cmd::RenumberRange);
    QList<int> numbers;
    for (const DiveRecord& r : doc.logbook().dives()) numbers << r.diveNumber;
    QCOMPARE(numbers, QList<int>({50, 51, 100, 101, 54}));

    // Numbers past 65535 would wrap around to small ones: refused, nothing changes.
    m_answers.texts.clear();
    onNextDialog([](QDialog* d) {
      setField(d, "1106", QStringLiteral("65533"));
      d->accept();
    });
    f.runCommand(cmd::Renumber);
    onNextDialog([](QDialog* d) {
      setField(d, "1389", QStringLiteral("50"));
      setField(d, "1390", QStringLiteral("54"));  // 50, 51 and 54
      setField(d, "1391", QStringLiteral("65534"));
      d->accept();
    });
    f.runCommand(cmd::RenumberRange);
    QCOMPARE(m_answers.texts, QStringList({"Immissione sbagliata", "Immissione sbagliata"}));
    numbers.clear();
    for (const DiveRecord& r : doc.logbook().dives()) numbers << r.diveNumber;
    QCOMPARE(numbers, QList<int>({50, 51, 100, 101, 54}));
    // The highest numbers that fit are taken.
    onNextDialog([](QDialog* d) {
      setField(d, "1106", QStringLiteral("65531"));
      d->accept();
    });
    f.runCommand(cmd::Renumber);
    QCOMPARE(int(doc.logbook().dives()[4].diveNumber), 65535);
  }

  void timeZoneShiftsTheChosenDives() {
    Logbook lb;
    lb.newLogbook();
    for (int i = 0; i < 3; ++i) {
      DiveRecord r = makeRecord();
      r.date = dayNumber(2, 3, 2021 + i);
      r.timeOfDay = 45;  // 00:45
      lb.insert(r);
    }
    const QString p = path(QStringLiteral("tz.log"));
    QVERIFY(lb.saveFile(p.toStdString()).ok);
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(p));
    doc.logbook().currentPosition = 2;
    onNextDialog([](QDialog* d) {
      QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("1104"))->text(), QStringLiteral("2"));
      QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("1057"))->text(), QStringLiteral("00:00"));
      setField(d, "1105", QStringLiteral("3"));
      setField(d, "1057", QStringLiteral("1:30"));
      d->findChild<QRadioButton*>(QStringLiteral("minus"))->setChecked(true);
      d->accept();
    });
    f.runCommand(cmd::TimeZone);
    QCOMPARE(m_answers.texts.value(0), QStringLiteral("Cambia imm #2 da #3\nCon -01:30 HH:MM?"));
    const auto& d = doc.logbook().dives();
    QCOMPARE(d[0].date, dayNumber(2, 3, 2021));  // outside the range
    QCOMPARE(int(d[0].timeOfDay), 45);
    QCOMPARE(d[1].date, dayNumber(1, 3, 2022));
    QCOMPARE(int(d[1].timeOfDay), 23 * 60 + 15);
    QCOMPARE(d[2].date, dayNumber(1, 3, 2023));

    // a range past the last dive is refused
    m_answers.texts.clear();
    onNextDialog([](QDialog* d) {
      setField(d, "1105", QStringLiteral("9"));
      setField(d, "1057", QStringLiteral("2:00"));
      d->accept();
    });
    f.runCommand(cmd::TimeZone);
    QCOMPARE(m_answers.texts, QStringList({"Immissione sbagliata"}));

    // a negative part or a difference that overflows the minutes is a typing error
    for (const char* diff : {"1:-30", "99999999:00"}) {
      m_answers.texts.clear();
      onNextDialog([diff](QDialog* d) {
        setField(d, "1057", QString::fromLatin1(diff));
        d->accept();
      });
      f.runCommand(cmd::TimeZone);
      QCOMPARE(m_answers.texts, QStringList({"Immissione sbagliata"}));
    }
    QCOMPARE(int(d[1].timeOfDay), 23 * 60 + 15);
  }

  void deleteAsksFirst() {
    const QString a = writeDemo(QStringLiteral("d.log"), 4, 5);
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(a));
    doc.logbook().currentPosition = 2;
    m_answers.queue = {QMessageBox::Cancel};
    f.runCommand(cmd::DeleteDive);
    QCOMPARE(doc.logbook().diveCount(), 4);
    QCOMPARE(m_answers.texts.value(0), QStringLiteral("Cancella imm #2?"));
    f.runCommand(cmd::DeleteDive);
    QCOMPARE(doc.logbook().diveCount(), 3);
  }

  void unsavedChangesAreNotDroppedSilently() {
    const QString a = writeDemo(QStringLiteral("q.log"), 3, 6);
    const QString b = writeDemo(QStringLiteral("q2.log"), 2, 6);
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(a));
    doc.logbook().remove(1);
    QVERIFY(doc.isModified());

    m_answers.queue = {QMessageBox::Cancel};
    f.runCommand(cmd::FileNew);
    QCOMPARE(m_answers.texts.size(), 1);
    QVERIFY(m_answers.texts[0].contains(QStringLiteral("q.log")));
    QCOMPARE(doc.logbook().diveCount(), 2);  // kept

    m_answers.queue = {QMessageBox::Cancel};
    QVERIFY(!doc.fileOpen(b));
    QCOMPARE(doc.logbook().diveCount(), 2);

    f.show();
    m_answers.queue = {QMessageBox::Cancel};
    QVERIFY(!f.close());
    QVERIFY(f.isVisible());

    // Yes saves, then goes on
    m_answers.queue = {QMessageBox::Yes};
    QVERIFY(doc.fileOpen(b));
    QCOMPARE(doc.logbook().diveCount(), 2);
    Logbook check;
    QVERIFY(check.loadFile(a.toStdString()).ok);
    QCOMPARE(check.diveCount(), 2);

    // No drops the change
    doc.logbook().remove(1);
    m_answers.texts.clear();
    m_answers.queue = {QMessageBox::No};
    f.runCommand(cmd::FileNew);
    QCOMPARE(m_answers.texts.size(), 1);
    QCOMPARE(doc.logbook().diveCount(), 0);

    // the reload from disk is deliberate: no question
    QVERIFY(doc.openFile(b));
    doc.logbook().remove(1);
    m_answers.texts.clear();
    f.runCommand(cmd::ReloadFile);
    QVERIFY(m_answers.texts.isEmpty());
    QCOMPARE(doc.logbook().diveCount(), 2);
    f.hide();
  }

  void unreadableLogbookKeepsTheOneShown() {
    const QString a = writeDemo(QStringLiteral("good.log"), 3, 8);
    QFile bad(path(QStringLiteral("old.log")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    const char header[12] = {100, 0, 0, 0, 0, 0, 0, 0, 100, 0, 20, 0};  // another format version
    bad.write(header, 12);
    bad.close();
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(a));
    QVERIFY(!doc.fileOpen(bad.fileName()));
    QCOMPARE(m_answers.texts.size(), 1);
    QVERIFY(m_answers.texts[0].contains(QStringLiteral("old.log")));
    QCOMPARE(doc.logbook().diveCount(), 3);
    QCOMPARE(QString::fromStdString(doc.logbook().path), a);

    m_answers.texts.clear();
    QVERIFY(!doc.fileOpen(path(QStringLiteral("missing.log"))));
    QCOMPARE(m_answers.texts.size(), 1);
    QCOMPARE(doc.logbook().diveCount(), 3);
  }

  void unreadableCommandLineFileFallsBackToTheLastLogbook() {
    const QString last = writeDemo(QStringLiteral("usual.log"), 3, 5);
    QFile bad(path(QStringLiteral("named.log")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("not a logbook");
    bad.close();
    settings().lastLogbookPath = last.toStdString();
    CKelpDoc doc;
    doc.startUp(bad.fileName());
    QCOMPARE(m_answers.texts.size(), 1);  // says why the named file was not opened
    QCOMPARE(doc.logbook().diveCount(), 3);
    QCOMPARE(QString::fromStdString(doc.logbook().path), last);
    // A later "Nuovo" makes a new logbook, not the last one again.
    doc.onNewDocument();
    QCOMPARE(doc.logbook().diveCount(), 0);

    // When the named file is the last logbook itself, it is not tried twice.
    m_answers.texts.clear();
    settings().lastLogbookPath = bad.fileName().toStdString();
    CKelpDoc doc2;
    doc2.startUp(bad.fileName());
    QCOMPARE(m_answers.texts.size(), 1);
    QCOMPARE(doc2.logbook().diveCount(), 0);
  }

  void firstDocumentLoadsTheLastLogbook() {
    const QString a = writeDemo(QStringLiteral("last.log"), 2, 9);
    settings().lastLogbookPath = a.toStdString();
    CKelpDoc doc;
    doc.onNewDocument();
    QCOMPARE(doc.logbook().diveCount(), 2);
    QCOMPARE(doc.title(), QStringLiteral("last.log"));
    // a later New is a new logbook
    doc.onNewDocument();
    QCOMPARE(doc.logbook().diveCount(), 0);

    settings().lastLogbookPath = path(QStringLiteral("gone.log")).toStdString();
    CKelpDoc doc2;
    doc2.onNewDocument();
    QCOMPARE(doc2.logbook().diveCount(), 0);
    QVERIFY(m_answers.texts.isEmpty());  // a missing last logbook is no error
    settings().lastLogbookPath.clear();
  }

  void droppedLogbookOpensAfterTheQuestion() {
    const QString a = writeDemo(QStringLiteral("drop1.log"), 2, 10);
    const QString b = writeDemo(QStringLiteral("drop2.log"), 4, 11);
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(a));
    auto drop = [&](const QString& file) {
      QMimeData data;
      data.setUrls({QUrl::fromLocalFile(file)});
      // as from the desktop: the drag enters the window, then drops
      QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&f, &enter);
      QDropEvent ev(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&f, &ev);
    };
    drop(path(QStringLiteral("notes.txt")));  // not a logbook: ignored
    QCOMPARE(doc.logbook().diveCount(), 2);
    doc.logbook().remove(1);
    m_answers.queue = {QMessageBox::Cancel};
    drop(b);
    QTRY_COMPARE(m_answers.texts.size(), 1);  // asked once the drop is over
    QCOMPARE(doc.logbook().diveCount(), 1);
    m_answers.queue = {QMessageBox::No};
    drop(b);
    QTRY_COMPARE(doc.logbook().diveCount(), 4);
    QCOMPARE(f.recentFiles().value(0), b);
  }

  void recentFileListKeepsEightNewestFirst() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    for (int i = 0; i < 10; ++i) f.addRecentFile(path(QStringLiteral("f%1.log").arg(i)));
    f.addRecentFile(path(QStringLiteral("f5.log")));  // used again: moves to the top
    QCOMPARE(f.recentFiles().size(), 8);
    QCOMPARE(f.recentFiles().value(0), path(QStringLiteral("f5.log")));
    QCOMPARE(f.recentFiles().value(1), path(QStringLiteral("f9.log")));
    QCOMPARE(f.recentFiles().count(path(QStringLiteral("f5.log"))), 1);
    QCOMPARE(QString::fromStdString(settingsFile().getString("Recent File List", "File8")),
             f.recentFiles().value(7));
    CMainFrame g(&doc);  // a new window reads the same list
    QCOMPARE(g.recentFiles(), f.recentFiles());
    // An ampersand in a path is shown as it is, not taken as a mnemonic.
    f.addRecentFile(path(QStringLiteral("R&D.log")));
    QMenu* recent = f.action(cmd::RecentFiles)->menu();
    QVERIFY(recent);
    QCOMPARE(recent->actions().value(0)->text(),
             QStringLiteral("&1 ") + path(QStringLiteral("R&&D.log")));
  }

  void externalProgramStartsUnderItsOwnPath() {
    const QString out = path(QStringLiteral("ext-args.txt"));
    const QString script = path(QStringLiteral("my tool.sh"));
    QFile sf(script);
    QVERIFY(sf.open(QIODevice::WriteOnly));
    sf.write(QStringLiteral("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$0\" > '%1'\n").arg(out).toUtf8());
    sf.close();
    sf.setPermissions(sf.permissions() | QFileDevice::ExeOwner);
    CKelpDoc doc;
    CMainFrame f(&doc);
    settings().externFile.clear();
    QVERIFY(!enabled(f, cmd::ExternalApp));
    settings().externFile = script.toStdString();
    QVERIFY(enabled(f, cmd::ExternalApp));
    f.runCommand(cmd::ExternalApp);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(out).size() > 0, 5000);
    QFile of(out);
    QVERIFY(of.open(QIODevice::ReadOnly));
    // Started under its own path, with no argument (a program must not be handed itself).
    QCOMPARE(QString::fromUtf8(of.readAll()), QStringLiteral("0|") + script);
    settings().externFile.clear();
  }

  void confirmedSettingsAreWrittenAtOnce() {
    const QString a = writeDemo(QStringLiteral("units.log"), 3, 12);
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(a));
    settings().unitsMetric = 1;
    onNextDialog([](QDialog* d) {
      auto* imperial = d->findChild<QRadioButton*>(QStringLiteral("1024"));
      QVERIFY(imperial);
      imperial->setChecked(true);
      d->accept();
    });
    f.runCommand(cmd::Settings);
    QCOMPARE(settings().unitsMetric, 0);
    IniFile ini(settingsFile().path());
    QVERIFY(ini.load());
    QCOMPARE(ini.getInt("Ansicht", "Metrisch", 1), 0);
    // the tank sizes offered for entry follow the new units
    const auto& sizes = doc.logbook().tankSizeList.texts();
    const std::string shown = utf8ToCp1252(formatTankSizeList(doc.logbook().dives()[0].tankSize));
    QVERIFY(std::find(sizes.begin(), sizes.end(), shown) != sizes.end());
    QVERIFY(std::none_of(sizes.begin(), sizes.end(),
                         [](const std::string& t) { return t.find('.') != std::string::npos; }));
    settings().unitsMetric = 1;
    saveAllSettings();
  }

  void previewToggleAndPlacement() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    doc.onNewDocument();
    settings().profilePreview = 1;
    f.updateCommands();
    QVERIFY(f.action(cmd::ProfilePreview)->isChecked());
    f.runCommand(cmd::ProfilePreview);
    QCOMPARE(settings().profilePreview, 0);
    QVERIFY(!f.action(cmd::ProfilePreview)->isChecked());
    f.runCommand(cmd::ProfilePreview);
    QCOMPARE(settings().profilePreview, 1);

    f.setGeometry(30, 40, 700, 500);
    f.storePlacement();
    const QSize scr = QGuiApplication::primaryScreen()->size();
    IniFile ini(settingsFile().path());
    QVERIFY(ini.load());
    const WindowPlacement p = readWindowPlacement(ini, scr.width(), scr.height(), "MainWindow");
    QCOMPARE(p.x, f.geometry().left());
    QCOMPARE(p.dx - p.x, 700);
    QCOMPARE(p.dy - p.y, 500);
    QCOMPARE(p.maximized, 0);
    // a new window takes the saved place, unless positions are not to be kept
    {
      CMainFrame g(&doc);
      settings().savePositions = 1;
      g.restorePlacement();
      QCOMPARE(g.geometry().size(), QSize(700, 500));
      CMainFrame h(&doc);
      settings().savePositions = 0;
      h.restorePlacement();
      QCOMPARE(h.geometry().size(), QSize(1160, 740));
      settings().savePositions = 1;
    }

    // toolbar layout and status bar round trip
    f.toolBar()->hide();
    f.statusBar()->hide();
    f.saveBarState();
    CMainFrame g(&doc);
    QVERIFY(g.toolBar()->isHidden());
    QVERIFY(g.statusBar()->isHidden());
    g.updateCommands();
    QVERIFY(!g.action(kelp::cmd::StatusBar)->isChecked());
    g.toolBar()->show();
    g.statusBar()->show();
    g.saveBarState();
    CMainFrame h(&doc);
    QVERIFY(!h.statusBar()->isHidden());
  }
};

QTEST_MAIN(TestMainFrame)
#include "test_main_frame.moc"
