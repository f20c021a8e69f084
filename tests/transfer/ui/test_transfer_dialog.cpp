// The dialog "Trasferisci immersioni" end to end: the interface simulator plays
// memory images into a pseudo-terminal pair and the dialog reads the device end
// through its serial link. Set KELP_SHOT_DIR to get PNGs of the dialog.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>
#include <atomic>
#include <ctime>
#include <memory>
#include <thread>

#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "transfer/computer_image.h"
#include "transfer/image_writer.h"
#include "transfer/simulator.h"
#include "transfer/transfer_files.h"
#include "transfer/ui/serial_link.h"
#include "transfer/ui/transfer_dialog.h"
#include "tests/transfer/transfer_test_util.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {

int32_t today() {
  const LocalTime t = splitLocalTime(static_cast<int64_t>(std::time(nullptr)));
  return dayNumber(t.day, t.month, t.year);
}

// A dive 'daysAgo' days before today at 10:00.
DownloadedDive computerDive(int daysAgo, int depthCm, int minutes) {
  DownloadedDive d = sampleDive(1, 1, 2000, 600, depthCm, minutes);
  d.date = today() - daysAgo;
  return d;
}

// The memory of a computer with five dives, 10, 8, 6, 4 and 2 days ago.
std::vector<uint8_t> fiveDiveImage(uint32_t serial = 4711) {
  ImageSettings st;
  st.modelId = 52;  // "Aladin Air X"
  st.serialNumber = serial;
  st.airReserve = 40;
  st.breathing = 10;
  std::vector<DownloadedDive> dives;
  for (int k = 0; k < 5; ++k) dives.push_back(computerDive(10 - 2 * k, 1500 + 300 * k, 30 + k));
  const ImageResult img = writeImage(st, dives, static_cast<int64_t>(std::time(nullptr)));
  return img.stream;
}

// A logbook dive entered by hand 'daysAgo' days before today at 10:00.
DiveRecord handDive(int daysAgo, int number) {
  DiveRecord r = makeRecord();
  r.date = today() - daysAgo;
  r.timeOfDay = 600;
  r.maxDepth = 2000;
  r.diveTime = 40;
  r.diveNumber = static_cast<int16_t>(number);
  return r;
}

// The interface: a pseudo-terminal pair whose device end the dialog opens, and a
// thread that plays bytes into it.
class Interface {
 public:
  Interface() {
    if (!openPseudoTerminal(m_pty)) qFatal("no pseudo-terminal");
    settings().comDevice = m_pty.devicePath;
  }
  ~Interface() {
    m_stop = true;
    join();
  }
  void play(const std::vector<uint8_t>& image, SimulatorOptions o) {
    join();
    m_finished = false;
    int pauseAt = -1;
    const std::vector<uint8_t> bytes = simulatedBytes(image, o, &pauseAt);
    m_thread = std::thread([this, bytes, pauseAt, o] {
      if (waitForReader(m_pty.master, 10000, &m_stop)) playBytes(m_pty.master, bytes, pauseAt, o, &m_stop);
      m_finished = true;
    });
  }
  bool finished() const { return m_finished; }
  void join() {
    if (m_thread.joinable()) m_thread.join();
  }

 private:
  PseudoTerminal m_pty;
  std::thread m_thread;
  std::atomic<bool> m_stop{false};
  std::atomic<bool> m_finished{true};
};

// Fast pace for most tests: the rules of reception do not depend on it.
SimulatorOptions fast() {
  SimulatorOptions o;
  o.baud = 115200;
  o.delayMs = 50;
  return o;
}

}  // namespace

class TestTransferDialog : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  std::unique_ptr<CKelpDoc> m_doc;
  MessageAnswers m_answers;

  void resetLogbook() {
    m_doc = std::make_unique<CKelpDoc>();
    Logbook& lb = m_doc->logbook();
    lb.newLogbook();
    lb.insert(handDive(30, 1));
    lb.insert(handDive(7, 2));  // between the computer's dives 8 and 6 days ago
    lb.computerSerial = 4711;
  }

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    loadSettingsFrom(m_dir.path());
    settings().lastLogbookPath.clear();
    m_answers.install();
  }
  void init() {
    m_answers.clear();
    settings().comPort = 1;
    settings().dump = 0;
    settings().defaults = DiveDefaults{};
    resetLogbook();
  }

  // The whole road at the interface's own pace: the window keeps answering, the new
  // dives are listed and inserted in date order after the logbook's dives.
  void downloadInsertsTheNewDivesInDateOrder() {
    Interface iface;
    settings().dump = 1;
    const std::vector<uint8_t> image = fiveDiveImage();
    CTransferDlg dlg(*m_doc);
    QVERIFY(dlg.openPort());
    dlg.show();
    QCOMPARE(child<QLabel>(&dlg, 1421)->text(), QString::fromStdString(str(62732)));
    QCOMPARE(child<QLabel>(&dlg, 1046)->text(), QString::fromStdString(str(62734)));
    QVERIFY(!child<QPushButton>(&dlg, 1070)->isEnabled());
    shot(&dlg, "transfer_waiting");

    SimulatorOptions o;  // 19200 baud
    o.delayMs = 100;
    iface.play(image, o);
    // While the stream arrives the event loop runs: a timer of the test keeps ticking,
    // the progress bar moves and the dialog says what it is doing.
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);
    QTRY_VERIFY_WITH_TIMEOUT(dlg.receiver().storedCount() > 600, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(child<QProgressBar>(&dlg, 1423)->value() > 600, 2000);
    QVERIFY(dlg.receiver().receiving());
    QCOMPARE(child<QLabel>(&dlg, 1421)->text(), QString::fromStdString(str(62731)));
    QCOMPARE(child<QLabel>(&dlg, 1046)->text(), QString::fromStdString(str(62735)));
    shot(&dlg, "transfer_receiving");
    const int ticksBefore = ticks;
    QTRY_VERIFY_WITH_TIMEOUT(dlg.receiver().done(), 10000);
    QVERIFY2(ticks - ticksBefore >= 5, qPrintable(QString::number(ticks - ticksBefore)));
    QCOMPARE(dlg.receiver().image(), image);

    // Three of the five dives are newer than the logbook's last dive (7 days ago).
    auto* list = child<QTreeWidget>(&dlg, 1039);
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("    3"));
    QCOMPARE(list->topLevelItem(2)->text(3), QStringLiteral("27.0 m"));
    QCOMPARE(list->topLevelItem(2)->text(4), QStringLiteral("34 Min."));
    QCOMPARE(list->currentItem(), list->topLevelItem(2));
    QVERIFY(child<QPushButton>(&dlg, 1070)->isEnabled());
    QVERIFY(!child<QProgressBar>(&dlg, 1423)->isVisible());
    QCOMPARE(child<QLineEdit>(&dlg, 1444)->text(), QStringLiteral("4711"));
    QCOMPARE(child<QLineEdit>(&dlg, 1445)->text(), QStringLiteral("52"));
    QCOMPARE(child<QLineEdit>(&dlg, 1451)->text(), QStringLiteral("40 bar"));
    QCOMPARE(child<QLabel>(&dlg, 1046)->text(), QStringLiteral("Aladin Air X"));
    QCOMPARE(child<QGroupBox>(&dlg, 1453)->title(), QString::fromStdString(str(62780)));
    shot(&dlg, "transfer_complete");

    // The nine texts are kept for the next opening and in Kelp.ini.
    QCOMPARE(QString::fromStdString(settings().trSerial), QStringLiteral("4711"));
    IniFile ini(configFilePath("Kelp.ini"));
    ini.load();
    QCOMPARE(QString::fromStdString(ini.getString("Transfer", "SerNum")), QStringLiteral("4711"));
    // The debug copy holds the stream as received.
    QFile dump(QString::fromStdString(configFilePath(kDebugCopyName)));
    QVERIFY(dump.open(QIODevice::ReadOnly));
    const QByteArray dumped = dump.readAll();
    QCOMPARE(std::vector<uint8_t>(dumped.begin(), dumped.end()), image);

    // The insert button has the focus: Enter inserts.
    QCOMPARE(dlg.focusWidget(), child<QPushButton>(&dlg, 1070));
    QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QVERIFY(!dlg.link()->isOpen());  // the port is released when the dialog closes
    const Logbook& lb = m_doc->logbook();
    QCOMPARE(lb.diveCount(), 5);
    for (int p = 2; p <= 5; ++p) QVERIFY(lb.get(p - 1).date < lb.get(p).date);
    QCOMPARE(int(lb.get(3).date), int(today() - 6));
    QCOMPARE(int(lb.get(5).maxDepth), 2700);
    QCOMPARE(int(lb.get(5).computerType), 52);
    QVERIFY(m_answers.texts.isEmpty());

    // The same computer again: nothing is new.
    CTransferDlg again(*m_doc);
    QVERIFY(again.openPort());
    again.show();
    QCOMPARE(child<QLineEdit>(&again, 1444)->text(), QStringLiteral("4711"));  // last transfer's texts
    iface.play(image, fast());
    QTRY_VERIFY_WITH_TIMEOUT(m_answers.texts.contains(QString::fromStdString(str(62781))), 10000);
    QCOMPARE(child<QTreeWidget>(&again, 1039)->topLevelItemCount(), 0);
    QVERIFY(!child<QPushButton>(&again, 1070)->isEnabled());
    again.reject();  // no question: nothing waits to be inserted
    QVERIFY(!again.isVisible());
    QCOMPARE(m_doc->logbook().diveCount(), 5);
  }

  void noiseBeforeTheMarkerIsNotKept() {
    Interface iface;
    CTransferDlg dlg(*m_doc);
    QVERIFY(dlg.openPort());
    dlg.show();
    SimulatorOptions o = fast();
    o.noise = 400;
    const std::vector<uint8_t> image = fiveDiveImage();
    iface.play(image, o);
    QTRY_VERIFY_WITH_TIMEOUT(dlg.receiver().done(), 10000);
    QCOMPARE(dlg.receiver().image(), image);
    QCOMPARE(child<QTreeWidget>(&dlg, 1039)->topLevelItemCount(), 3);
    QVERIFY(m_answers.texts.isEmpty());
  }

  // A stream that stops: after 2 seconds of silence the bytes are dropped with
  // "Errore di transfer." and the dialog waits for a new stream, which then succeeds.
  void aTruncatedStreamIsDroppedAndANewOneSucceeds() {
    Interface iface;
    CTransferDlg dlg(*m_doc);
    QVERIFY(dlg.openPort());
    dlg.show();
    SimulatorOptions o = fast();
    o.truncate = 1500;
    const std::vector<uint8_t> image = fiveDiveImage();
    iface.play(image, o);
    QTRY_VERIFY_WITH_TIMEOUT(dlg.receiver().storedCount() == 1500, 10000);
    QVERIFY(m_answers.texts.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(m_answers.texts.contains(QString::fromStdString(str(62740))), 5000);
    QVERIFY(dlg.isVisible());
    QVERIFY(!dlg.receiver().receiving());
    QCOMPARE(dlg.receiver().storedCount(), 0);
    QCOMPARE(child<QProgressBar>(&dlg, 1423)->value(), 0);

    iface.play(image, fast());
    QTRY_VERIFY_WITH_TIMEOUT(dlg.receiver().done(), 10000);
    QCOMPARE(dlg.receiver().image(), image);
    QCOMPARE(child<QTreeWidget>(&dlg, 1039)->topLevelItemCount(), 3);
    QCOMPARE(m_answers.texts.size(), 1);
  }

  void aPauseOfMoreThanTwoSecondsIsATransferError() {
    Interface iface;
    CTransferDlg dlg(*m_doc);
    QVERIFY(dlg.openPort());
    dlg.show();
    SimulatorOptions o = fast();
    o.pauseMs = 2300;
    iface.play(fiveDiveImage(), o);
    QTRY_VERIFY_WITH_TIMEOUT(dlg.receiver().storedCount() == 1026, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(m_answers.texts.contains(QString::fromStdString(str(62740))), 5000);
    QVERIFY(dlg.isVisible());
    QVERIFY(!dlg.receiver().done());
    QTRY_VERIFY_WITH_TIMEOUT(iface.finished(), 5000);
  }

  // A bad image changes nothing: no dive, the last transfer's texts stay, the dialog closes.
  void aBadChecksumInsertsNothing() {
    Interface iface;
    settings().trSerial = "1234";
    std::vector<uint8_t> image = fiveDiveImage(999);
    image[1700] ^= 0x10;
    CTransferDlg dlg(*m_doc);
    QVERIFY(dlg.openPort());
    dlg.show();
    iface.play(image, fast());
    QTRY_VERIFY_WITH_TIMEOUT(!dlg.isVisible(), 10000);
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(m_answers.texts, QStringList{QString::fromStdString(str(62740))});
    QCOMPARE(QString::fromStdString(settings().trSerial), QStringLiteral("1234"));
    QCOMPARE(child<QLineEdit>(&dlg, 1444)->text(), QStringLiteral("1234"));
    QCOMPARE(m_doc->logbook().diveCount(), 2);
  }

  // A port that cannot be opened: the message, and no dialog.
  void aPortThatIsNotReadyClosesTheDialog() {
    settings().comDevice = (m_dir.path() + "/no-such-tty").toStdString();
    settings().comPort = 3;
    CTransferDlg dlg(*m_doc);
    QVERIFY(!dlg.openPort());
    QCOMPARE(m_answers.texts, QStringList{QStringLiteral("   Com 3 non pronta   ")});
    QVERIFY(!dlg.link()->isOpen());
    // Through the command nothing opens.
    m_answers.texts.clear();
    CMainFrame frame(m_doc.get());
    frame.runCommand(cmd::Transfer);
    QCOMPARE(m_answers.texts.size(), 1);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  // "Trasferisci" through the main window is one step of the history: "Annulla" takes
  // every inserted dive back. Cancelling with new dives asks first.
  void aDownloadIsUndoneInOneStep() {
    Interface iface;
    CMainFrame frame(m_doc.get());
    const std::vector<uint8_t> image = fiveDiveImage();
    bool cancelAsked = false;
    QTimer::singleShot(0, [&] {
      auto* dlg = qobject_cast<CTransferDlg*>(QApplication::activeModalWidget());
      if (!dlg) return;
      iface.play(image, fast());
      QElapsedTimer t;
      t.start();
      while (!dlg->receiver().done() && t.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      m_answers.queue << int(QMessageBox::No);  // "Annulli immersione?" No: the dialog stays
      dlg->reject();
      cancelAsked = m_answers.texts.contains(QString::fromStdString(str(62782))) && dlg->isVisible();
      child<QPushButton>(dlg, 1070)->click();
    });
    frame.runCommand(cmd::Transfer);
    QVERIFY(cancelAsked);
    QCOMPARE(m_doc->logbook().diveCount(), 5);
    QCOMPARE(m_doc->undoStack()->undoText(), QStringLiteral("Trasferisci"));
    frame.action(cmd::Undo)->trigger();
    QCOMPARE(m_doc->logbook().diveCount(), 2);
    frame.action(cmd::Redo)->trigger();
    QCOMPARE(m_doc->logbook().diveCount(), 5);
  }

  // Command 9 replays "dump.dmp" of the config folder; only a whole image counts.
  void replayNeedsAWholeImage() {
    const QString path = QString::fromStdString(configFilePath(kReplayName));
    QFile::remove(path);
    CTransferDlg dlg(*m_doc);
    auto* replay = dlg.findChild<QAction*>(QStringLiteral("9"));
    QVERIFY(replay);
    replay->trigger();  // no file: nothing happens
    QVERIFY(m_answers.texts.isEmpty());
    QVERIFY(!dlg.session().decoded());

    const std::vector<uint8_t> image = fiveDiveImage();
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(image.data()), 2049);
    f.close();
    replay->trigger();
    QCOMPARE(m_answers.texts.size(), 1);
    QVERIFY(m_answers.texts[0].contains(QStringLiteral("2049")));
    QVERIFY(!dlg.session().decoded());
    QVERIFY(!child<QPushButton>(&dlg, 1070)->isEnabled());

    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(image.data()), 2050);
    f.close();
    replay->trigger();
    QVERIFY(dlg.session().decoded());
    QCOMPARE(child<QTreeWidget>(&dlg, 1039)->topLevelItemCount(), 3);
    QVERIFY(child<QPushButton>(&dlg, 1070)->isEnabled());

    // A logbook that has the computer's dives already: the button stays off.
    Logbook& lb = m_doc->logbook();
    lb.insert(handDive(1, 3));
    CTransferDlg second(*m_doc);
    second.findChild<QAction*>(QStringLiteral("9"))->trigger();
    QVERIFY(second.session().decoded());
    QVERIFY(!child<QPushButton>(&second, 1070)->isEnabled());
    // No new dive: the status line waits for a transfer, in its plain colours.
    QCOMPARE(child<QLabel>(&second, 1046)->text(), QString::fromStdString(str(62734)));
    QVERIFY(child<QLabel>(&second, 1046)->styleSheet().isEmpty());
    // After one with new dives it names the model in red.
    QCOMPARE(child<QLabel>(&dlg, 1046)->text(), QStringLiteral("Aladin Air X"));
    QVERIFY(child<QLabel>(&dlg, 1046)->styleSheet().contains(QStringLiteral("red")));
    QFile::remove(path);
  }
};

QTEST_MAIN(TestTransferDialog)
#include "test_transfer_dialog.moc"
