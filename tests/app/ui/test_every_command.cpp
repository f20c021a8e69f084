// Every command of the menus, run on a demo logbook once with each dialog it opens cancelled
// and once with each dialog taken as it comes up (OK on its first values): no command may end
// the program, none may still be a placeholder, and whatever a command changed in the dives
// is taken back byte for byte by "Annulla".
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QHash>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "core/settings.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {

std::string bytesOf(const Logbook& lb) { return lb.serializeLog() + lb.serializeAdd(); }

// Commands that leave the logbook shown for another one, or the program.
bool replacesTheLogbook(int id) {
  return id == cmd::FileNew || id == cmd::FileOpen || id == cmd::ReloadFile || id == cmd::RestoreBackup ||
         id == cmd::RecentFiles ||
         id == cmd::CreateSelectedFile || id == cmd::Exit || id == cmd::ExternalApp;
}

// Works on every modal dialog that comes up while a command runs: cancels it, or accepts
// it (a dialog that refuses OK a few times, because a value is missing, is cancelled).
class DialogHandler : public QObject {
 public:
  explicit DialogHandler(bool accept) : accept_(accept) {
    connect(&timer_, &QTimer::timeout, this, [this] { handle(); });
    timer_.start(5);
  }
  QStringList seen;

 private:
  void handle() {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!d || !d->isVisible()) return;
    const QString name = QString::fromLatin1(d->metaObject()->className());
    int& tries = tries_[d];
    if (tries++ == 0) seen << name;
    if (accept_ && tries <= 3)
      d->accept();
    else
      d->reject();
  }
  bool accept_;
  QTimer timer_;
  QHash<QDialog*, int> tries_;
};

}  // namespace

class TestEveryCommand : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir m_dir;
  MessageAnswers m_answers;
  QString m_demo;

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    QDir::setCurrent(m_dir.path());  // whatever a dialog saves by its first values lands here
    loadSettingsFrom(m_dir.filePath(QStringLiteral("config")));
    m_answers.install();
    m_demo = writeDemoLogbook(m_dir.filePath(QStringLiteral("demo.log")), 40, 3);
    QVERIFY(!m_demo.isEmpty());
  }

  void everyCommandRunsAndIsUndone_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("accept");
    for (const CommandInfo& c : commandTable()) {
      // the recent files are a submenu of their own entries, not a command
      if (c.id == cmd::Exit || c.id == cmd::ExternalApp || c.id == cmd::RecentFiles) continue;
      for (bool accept : {false, true})
        QTest::addRow("%d %s %s", c.id, c.text, accept ? "ok" : "cancel") << c.id << accept;
    }
  }

  void everyCommandRunsAndIsUndone() {
    QFETCH(int, id);
    QFETCH(bool, accept);
    settings().lastLogbookPath.clear();
    m_answers.clear();
    const QString copy = m_dir.filePath(QStringLiteral("work.log"));
    QFile::remove(copy);
    QFile::remove(m_dir.filePath(QStringLiteral("work.add")));
    QVERIFY(QFile::copy(m_demo, copy));
    QFile::copy(m_dir.filePath(QStringLiteral("demo.add")), m_dir.filePath(QStringLiteral("work.add")));

    auto* doc = new CKelpDoc;
    auto* frame = new CMainFrame(doc);
    QVERIFY(doc->openFile(copy));
    doc->logbook().currentPosition = 20;
    {
      // the dive clipboard and the selection hold a dive, so that the pastes have work
      DialogHandler dialogs(true);
      frame->runCommand(cmd::Copy);
      frame->runCommand(cmd::SelectionCopy);
    }
    frame->updateCommands();
    QVERIFY(frame->action(cmd::Paste)->isEnabled());
    QVERIFY(frame->action(cmd::SelectionPaste)->isEnabled());
    m_answers.clear();
    const std::string before = bytesOf(doc->logbook());
    {
      DialogHandler dialogs(accept);
      if (frame->action(id) && frame->action(id)->isEnabled()) frame->runCommand(id);
      QTest::qWait(20);
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w != frame && w->isVisible()) w->close();
      QTest::qWait(10);
    }
    for (const QString& t : m_answers.texts) QVERIFY2(!t.contains(QStringLiteral("non è ancora disponibile")), qPrintable(t));

    if (!replacesTheLogbook(id)) {
      QAction* undo = frame->action(cmd::Undo);
      for (int steps = 0; steps < 100; ++steps) {
        frame->updateCommands();
        if (!undo->isEnabled()) break;
        undo->trigger();
      }
      QVERIFY(bytesOf(doc->logbook()) == before);
    }
    delete frame;
    delete doc;
  }
};

QTEST_MAIN(TestEveryCommand)
#include "test_every_command.moc"
