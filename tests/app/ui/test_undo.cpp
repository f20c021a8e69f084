// "Annulla" and "Ripeti": the history of the document, its menu texts and enable states, the
// modified flag across save points, and the history's limits.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUndoStack>
#include <QtTest>

#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "core/demo_logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {

std::string bytesOf(const Logbook& lb) { return lb.serializeLog() + lb.serializeAdd(); }

void setField(QDialog* d, const char* id, const QString& value) {
  auto* e = child<QLineEdit>(d, id);
  QVERIFY2(e, id);
  e->setText(value);
}

Result renumberTo(Logbook& lb, int first) {
  lb.renumber(first);
  return Result::success();
}

}  // namespace

class TestUndo : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir m_dir;
  MessageAnswers m_answers;

  QString writeDemo(const QString& name, int dives) { return writeDemoLogbook(m_dir.filePath(name), dives, 5); }

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    loadSettingsFrom(m_dir.filePath(QStringLiteral("config")));
    m_answers.install();
  }
  void init() {
    settings().lastLogbookPath.clear();
    m_answers.clear();
  }

  void menuTextsAndEnableStatesFollowTheHistory() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(writeDemo(QStringLiteral("menu.log"), 12)));
    QAction* undo = f.action(cmd::Undo);
    QAction* redo = f.action(cmd::Redo);
    QVERIFY(undo && redo);
    QCOMPARE(undo->objectName(), QStringLiteral("57643"));
    QVERIFY(undo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Z"))));
    QVERIFY(undo->shortcuts().contains(QKeySequence(QStringLiteral("Alt+Backspace"))));
    QVERIFY(redo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
    QVERIFY(redo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
    // At the top of "Crea", and on the toolbar beside "Incolla".
    QMenu* crea = f.menuBar()->findChild<QMenu*>(QStringLiteral("Crea"));
    QVERIFY(crea);
    QCOMPARE(crea->actions().at(0), undo);
    QCOMPARE(crea->actions().at(1), redo);
    const QList<QAction*> bar = f.toolBar()->actions();
    QCOMPARE(bar.indexOf(undo), bar.indexOf(f.action(cmd::Paste)) + 1);

    f.updateCommands();
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("Annulla"));

    doc.logbook().currentPosition = 3;
    f.runCommand(cmd::DeleteDive);  // the question is answered OK
    f.updateCommands();
    QCOMPARE(doc.logbook().diveCount(), 11);
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("Annulla Cancella immersione"));
    QVERIFY(!redo->isEnabled());

    undo->trigger();
    QCOMPARE(doc.logbook().diveCount(), 12);
    QCOMPARE(doc.logbook().currentPosition, 3);
    QVERIFY(!undo->isEnabled());
    QVERIFY(redo->isEnabled());
    QCOMPARE(redo->text(), QStringLiteral("Ripeti Cancella immersione"));
    f.runCommand(cmd::Redo);
    QCOMPARE(doc.logbook().diveCount(), 11);
  }

  void undoRestoresTheBytesAndRedoTheChange() {
    CKelpDoc doc;
    QVERIFY(doc.openFile(writeDemo(QStringLiteral("bytes.log"), 30)));
    const std::string before = bytesOf(doc.logbook());
    QVERIFY(doc.perform(QStringLiteral("Rinumera Logbook"), [](Logbook& lb) { return renumberTo(lb, 77); }));
    QVERIFY(doc.perform(QStringLiteral("Sostituisci"), [](Logbook& lb) {
      for (int i = 1; i <= lb.diveCount(); i += 2)
        lb.modify(i, [](DiveRecord& d) { setText(d.location, utf8ToStored("Lago di Garda")); });
      return Result::success();
    }));
    const std::string after = bytesOf(doc.logbook());
    QVERIFY(after != before);
    doc.undoStack()->undo();
    doc.undoStack()->undo();
    QVERIFY(bytesOf(doc.logbook()) == before);
    doc.undoStack()->redo();
    doc.undoStack()->redo();
    QVERIFY(bytesOf(doc.logbook()) == after);
    // Saving after an undo writes the bytes of the state before the change.
    doc.undoStack()->undo();
    doc.undoStack()->undo();
    const QString out = m_dir.filePath(QStringLiteral("undone.log"));
    QVERIFY(doc.fileSaveAs(out));
    Logbook back;
    QVERIFY(back.loadFile(out.toStdString()));
    QVERIFY(bytesOf(back) == before);
  }

  // The main window's own logbook commands, each driven through its dialog and undone and
  // redone through the menu actions.
  void theWindowsCommandsAreUndoneAndRedoneByteForByte() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(writeDemo(QStringLiteral("commands.log"), 15)));
    QVERIFY(doc.selectionBuffer().copyFrom(doc.logbook(), 3, 5));
    struct Command {
      int id;
      const char* text;
      std::function<void(QDialog*)> dialog;  // null: the command opens none
    };
    const Command commands[] = {
        {cmd::DeleteDive, "Cancella immersione", nullptr},
        {cmd::Renumber, "Rinumera Logbook", [](QDialog* d) { setField(d, "1106", QStringLiteral("40")); d->accept(); }},
        {cmd::RenumberRange, "Rinumera alcune immersioni", [](QDialog* d) {
           setField(d, "1389", QStringLiteral("42"));
           setField(d, "1390", QStringLiteral("45"));
           setField(d, "1391", QStringLiteral("700"));
           d->accept();
         }},
        {cmd::TimeZone, "Regola fuso orario", [](QDialog* d) {
           setField(d, "1105", QStringLiteral("50"));
           setField(d, "1057", QStringLiteral("2:15"));
           d->accept();
         }},
        {cmd::SelectionPaste, "Incolla immersioni selezionate", nullptr},
    };
    for (const Command& c : commands) {
      doc.logbook().currentPosition = 2;
      const std::string before = bytesOf(doc.logbook());
      if (c.dialog) onNextDialog(c.dialog);
      f.runCommand(c.id);
      const std::string after = bytesOf(doc.logbook());
      QVERIFY2(after != before, c.text);
      f.updateCommands();
      QCOMPARE(f.action(cmd::Undo)->text(), QStringLiteral("Annulla ") + QString::fromUtf8(c.text));
      f.action(cmd::Undo)->trigger();
      QVERIFY2(bytesOf(doc.logbook()) == before, c.text);
      QCOMPARE(doc.logbook().currentPosition, 2);
      f.action(cmd::Redo)->trigger();
      QVERIFY2(bytesOf(doc.logbook()) == after, c.text);
    }
    QCOMPARE(doc.undoStack()->count(), 5);
  }

  void theModifiedFlagFollowsTheSavePoint() {
    CKelpDoc doc;
    QVERIFY(doc.openFile(writeDemo(QStringLiteral("flag.log"), 10)));
    QVERIFY(!doc.isModified());
    QVERIFY(doc.perform(QStringLiteral("Rinumera Logbook"), [](Logbook& lb) { return renumberTo(lb, 5); }));
    QVERIFY(doc.isModified());
    doc.undoStack()->undo();
    QVERIFY(!doc.isModified());  // back where it was saved: no save question
    QVERIFY(doc.fileNew());
    QVERIFY(m_answers.texts.isEmpty());
    QVERIFY(doc.openFile(m_dir.filePath(QStringLiteral("flag.log"))));
    QVERIFY(doc.perform(QStringLiteral("Rinumera Logbook"), [](Logbook& lb) { return renumberTo(lb, 5); }));
    QVERIFY(doc.fileSave());
    QVERIFY(!doc.isModified());
    // The windows that follow the dives already see the flag where the history stands.
    QList<bool> seen;
    connect(&doc, &CKelpDoc::divesChanged, &doc, [&] { seen << doc.isModified(); });
    doc.undoStack()->undo();
    QVERIFY(doc.isModified());  // before the save point
    doc.undoStack()->redo();
    QVERIFY(!doc.isModified());
    QCOMPARE(seen, (QList<bool>{true, false}));
    disconnect(&doc, &CKelpDoc::divesChanged, &doc, nullptr);
    // A change after undoing past the save point can never come back to it.
    doc.undoStack()->undo();
    QVERIFY(doc.perform(QStringLiteral("Rinumera Logbook"), [](Logbook& lb) { return renumberTo(lb, 9); }));
    doc.undoStack()->undo();
    QVERIFY(doc.isModified());
  }

  void openingNewAndReloadClearTheHistory() {
    CKelpDoc doc;
    const QString p = writeDemo(QStringLiteral("clear.log"), 8);
    QVERIFY(doc.openFile(p));
    auto change = [&doc] {
      QVERIFY(doc.perform(QStringLiteral("Rinumera Logbook"), [](Logbook& lb) { return renumberTo(lb, 3); }));
      QVERIFY(doc.undoStack()->canUndo());
    };
    change();
    QVERIFY(doc.reload());
    QVERIFY(!doc.undoStack()->canUndo());
    QVERIFY(!doc.isModified());
    change();
    QVERIFY(doc.openFile(p));
    QVERIFY(!doc.undoStack()->canUndo());
    change();
    doc.onNewDocument();
    QVERIFY(!doc.undoStack()->canUndo());
    QVERIFY(!doc.isModified());
  }

  void aFailedChangeLeavesNothingBehind() {
    CKelpDoc doc;
    QVERIFY(doc.openFile(writeDemo(QStringLiteral("fail.log"), 8)));
    const std::string before = bytesOf(doc.logbook());
    const Result r = doc.perform(QStringLiteral("Unisci immersione"), [](Logbook& lb) {
      lb.remove(2);
      return Result::failure("no");
    });
    QVERIFY(!r);
    QVERIFY(bytesOf(doc.logbook()) == before);
    QVERIFY(!doc.isModified());
    QVERIFY(!doc.undoStack()->canUndo());
    // A change that changes nothing is no step and modifies nothing.
    QVERIFY(doc.perform(QStringLiteral("Crea immersione"), [](Logbook& lb) {
      lb.put(1, lb.get(1));
      return Result::success();
    }));
    QVERIFY(!doc.isModified());
    QVERIFY(!doc.undoStack()->canUndo());
  }

  void theOldestStepsGoFirst() {
    CKelpDoc doc;
    QVERIFY(doc.openFile(writeDemo(QStringLiteral("limit.log"), 6)));
    const std::string saved = bytesOf(doc.logbook());
    for (int i = 1; i <= 5; ++i)
      QVERIFY(doc.perform(QStringLiteral("Rinumera Logbook %1").arg(i),
                          [i](Logbook& lb) { return renumberTo(lb, 100 * i); }));
    doc.undoStack()->undo();  // at 4 of 5
    doc.trimHistory(3, 1u << 30);
    QCOMPARE(doc.undoStack()->count(), 3);
    QCOMPARE(doc.undoStack()->index(), 2);
    QCOMPARE(doc.logbook().get(1).diveNumber, uint16_t(400));  // the logbook was not touched
    QCOMPARE(doc.undoStack()->undoText(), QStringLiteral("Rinumera Logbook 4"));
    doc.undoStack()->undo();
    doc.undoStack()->undo();
    QCOMPARE(doc.logbook().get(1).diveNumber, uint16_t(200));
    QVERIFY(!doc.undoStack()->canUndo());
    QVERIFY(doc.isModified());  // the saved state is no longer reachable
    doc.undoStack()->redo();
    doc.undoStack()->redo();
    doc.undoStack()->redo();
    QCOMPARE(doc.logbook().get(1).diveNumber, uint16_t(500));
    QVERIFY(bytesOf(doc.logbook()) != saved);
  }
};

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
