// "Crea profilo", "Salta immersione" and the merge command driven as a user would:
// mouse over the graphs, the buttons, the questions and messages, and what reaches the
// logbook. Set KELP_SHOT_DIR to get a PNG of both dialogs.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

#include "../profile_test_util.h"
#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/kelp_view.h"
#include "app/ui/main_frame.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/hand_profile.h"
#include "profile/profile_clip.h"
#include "profile/ui/profile_commands.h"
#include "profile/ui/profile_dialogs.h"
#include "profile/ui/profile_graph.h"
#include "profile/ui/profile_wnd.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;
using namespace testutil;

namespace {

// Pixel position over sample i at depth d (graph units) of a graph showing `points` points.
QPoint at(CGraphArea* g, int i, int points, double depth, double yMax) {
  const QRect t = g->crossHair().trackRect();
  return QPoint(t.left() + static_cast<int>((i + 0.5) * (t.width() + 1.0) / points),
                t.top() + static_cast<int>(depth * (t.height() + 1.0) / yMax));
}

DiveRecord plainDive(int depthCm, int minutes) {
  DiveRecord r = makeRecord();
  r.date = 150000;
  r.timeOfDay = 600;
  r.maxDepth = static_cast<int16_t>(depthCm);
  r.diveTime = static_cast<int16_t>(minutes);
  r.tankSize = 1200;
  r.airConsumed = 12000;
  setText(r.location, "Lago di Garda");
  return r;
}

// Closes the next modal dialog once it is open and keeps its title.
void closeNextDialog(QString* title) {
  onNextDialog([title](QDialog* d) {
    *title = d->windowTitle();
    d->reject();
  });
}

}  // namespace

class TestProfileDialogs : public QObject {
  Q_OBJECT
 private:
  MessageAnswers m_answers;
  CKelpDoc* m_doc = nullptr;

  Logbook& lb() { return m_doc->logbook(); }

 private slots:
  void init() {
    m_answers.clear();
    m_answers.okOnly = true;
    m_answers.install();
    settings() = Settings();
    settings().profileColors = testutil::windowTestColors();
    profileClip().clear();
    m_doc = new CKelpDoc;
  }
  void cleanup() {
    delete m_doc;
    m_doc = nullptr;
  }

  void drawingAndSavingAHandMadeProfile() {
    lb().assignDives({plainDive(1000, 30)});
    lb().currentPosition = 1;
    auto bytes = [this] { return lb().serializeLog() + lb().serializeAdd(); };
    const std::string plain = bytes();
    CProfileCreateDlg dlg(*m_doc);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.working().sampleCount, 93);
    QCOMPARE(dlg.yMax(), 12.0);  // 10 m and the step 2
    shot(&dlg, QStringLiteral("create_profile_draft"));

    // A drag below the maximum depth paints 10 m; a move without the button paints nothing.
    dlg.mouseAt(at(dlg.graph(), 40, 93, 11.5, 12), true);
    QCOMPARE(dlg.cursorIndex(), 40);
    QCOMPARE(dlg.working().samples[40].depth, -10.0f);
    dlg.mouseAt(at(dlg.graph(), 41, 93, 4, 12), true);
    QVERIFY(std::fabs(dlg.working().samples[41].depth + 4.0f) < 0.1f);
    dlg.mouseAt(at(dlg.graph(), 42, 93, 4, 12), false);
    QCOMPARE(dlg.working().samples[42].depth, -10.0f);
    QVERIFY(!dlg.text(1148).isEmpty());
    shot(&dlg, QStringLiteral("create_profile_drawn"));

    QVERIFY(!dlg.button(1022)->isEnabled());  // nothing stored to cut yet
    dlg.button(1)->click();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(m_doc->undoStack()->undoText(), QStringLiteral("Crea profilo immersione"));
    const std::string drawn = bytes();
    const DiveRecord& saved = lb().dives()[0];
    QCOMPARE(profileMark(saved), 'H');
    QCOMPARE(saved.samples[40].depth, -10.0f);
    QVERIFY(std::fabs(saved.samples[41].depth + 4.0f) < 0.2f);

    // Opened again, the dialog shows the stored samples in place.
    CProfileCreateDlg again(*m_doc);
    QCOMPARE(std::memcmp(again.working().samples, saved.samples, sizeof saved.samples), 0);
    QVERIFY(again.button(1022)->isEnabled());
    m_answers.queue = {QMessageBox::Cancel};
    again.button(1022)->click();
    QCOMPARE(lb().dives()[0].profileLength, saved.profileLength);
    again.button(1022)->click();  // OK
    QCOMPARE(m_answers.texts.last(), QStringLiteral("Cancella profilo?"));
    QCOMPARE(lb().dives()[0].profileLength, 0);
    QCOMPARE(again.result(), int(QDialog::Accepted));

    // Removing and drawing are each one step, taken back and repeated byte for byte.
    const std::string removed = bytes();
    m_doc->undoStack()->undo();
    QVERIFY(bytes() == drawn);
    m_doc->undoStack()->undo();
    QVERIFY(bytes() == plain);
    m_doc->undoStack()->redo();
    m_doc->undoStack()->redo();
    QVERIFY(bytes() == removed);
  }

  void createDialogInImperialUnitsAndItsClipButtons() {
    settings().unitsMetric = 0;
    lb().assignDives({plainDive(2500, 40)});
    lb().currentPosition = 1;
    CProfileCreateDlg dlg(*m_doc);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.yMax(), 82.0 + 20);  // 82 ft and the step 20
    dlg.mouseAt(at(dlg.graph(), 30, dlg.working().sampleCount, 100, dlg.yMax()), true);
    QVERIFY(std::fabs(dlg.working().samples[30].depth + 25.0f) <= 0.011f);  // capped at 25 m (through whole feet and centimetres)
    QVERIFY(!dlg.button(1020)->isEnabled());
    dlg.button(1019)->click();
    QCOMPARE(profileClip().count, dlg.working().sampleCount + 1);
    QCOMPARE(profileClip().flags[30], 0);
    dlg.button(1020)->click();
    QVERIFY(profileClip().shown);
    shot(&dlg, QStringLiteral("create_profile_imperial"));
    settings().unitsMetric = 1;
  }

  void splitDialogShowsWhereASplitCanBeMade() {
    DiveRecord a = diveWithReadings(kAirModel, minutesAt(10, 10) + minutesAt(5, 0) + minutesAt(10, 12), 0x20, 1);
    a.diveTime = 25;
    lb().assignDives({a});
    lb().currentPosition = 1;
    CSplitDlg dlg(*m_doc);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    const int points = lb().dives()[0].sampleCount + 1;
    QCOMPARE(dlg.minute(), 0);
    QVERIFY(!dlg.splitPossible());
    dlg.clickAt(at(dlg.graph(), 15, points, 3, 20));  // 10 m down
    QCOMPARE(dlg.minute(), 5);
    QCOMPARE(dlg.minuteField()->text(), QStringLiteral("5"));
    QCOMPARE(dlg.minuteField()->palette().color(QPalette::Base), QColor(255, 64, 64));
    shot(&dlg, QStringLiteral("split_red"));
    dlg.clickAt(at(dlg.graph(), 37, points, 3, 20));  // at the surface
    QCOMPARE(dlg.minute(), 12);
    QCOMPARE(dlg.chosenDepth(), 0.0);
    QVERIFY(dlg.splitPossible());
    QCOMPARE(dlg.minuteField()->palette().color(QPalette::Base), QColor(0, 255, 0));
    shot(&dlg, QStringLiteral("split_green"));

    // At the surface with a split allowed, but fewer than ten minutes left: red.
    DiveRecord b = diveWithReadings(kAirModel, minutesAt(10, 10) + minutesAt(5, 0) + minutesAt(3, 12), 0x20, 1);
    lb().assignDives({b});
    CSplitDlg late(*m_doc);
    late.show();
    QVERIFY(QTest::qWaitForWindowExposed(&late));
    late.clickAt(at(late.graph(), 37, lb().dives()[0].sampleCount + 1, 3, 20));
    QCOMPARE(late.minute(), 12);
    QVERIFY(late.splitPossible());
    QCOMPARE(late.minuteField()->palette().color(QPalette::Base), QColor(255, 64, 64));
  }

  void splitMessagesAndTheLogbook() {
    DiveRecord a = diveWithReadings(kAirModel, minutesAt(10, 10) + minutesAt(5, 0) + minutesAt(10, 12), 0x20, 1);
    lb().assignDives({a});
    lb().currentPosition = 1;
    const std::string before = snapshot(lb());
    QVERIFY(!profile_commands::splitAt(nullptr, *m_doc, 0));  // no minute: nothing at all
    QVERIFY(m_answers.texts.isEmpty());
    QVERIFY(!profile_commands::splitAt(nullptr, *m_doc, 4));
    QCOMPARE(m_answers.texts.last(), QStringLiteral("Non posso separare le imm #1"));
    QVERIFY(snapshot(lb()) == before);
    QVERIFY(profile_commands::splitAt(nullptr, *m_doc, 12));
    QCOMPARE(m_answers.texts.last(), QStringLiteral("Le imm #1\nsono divise"));
    QCOMPARE(lb().diveCount(), 2);
    QCOMPARE(m_doc->undoStack()->undoText(), QStringLiteral("Separa immersione"));
    m_doc->undoStack()->undo();
    QVERIFY(snapshot(lb()) == before);
  }

  void mergeAsksOnceBeforeAnythingChanges() {
    DiveRecord a = diveWithReadings(kAirModel, minutesAt(5, 10), 0, 1);
    DiveRecord b = diveWithReadings(kAirModel, minutesAt(4, 12), 0, 2);
    b.timeOfDay = 700;
    lb().assignDives({a, b});
    lb().currentPosition = 1;
    const std::string before = snapshot(lb());
    m_answers.queue = {QMessageBox::Cancel};
    QVERIFY(!profile_commands::mergeCurrent(nullptr, *m_doc));
    QCOMPARE(m_answers.texts, QStringList{QStringLiteral("L'imm. #2 è cancellata")});
    QVERIFY(snapshot(lb()) == before);  // Cancel: both dives as they were

    QVERIFY(profile_commands::mergeCurrent(nullptr, *m_doc));
    QCOMPARE(m_answers.texts.size(), 3);
    QCOMPARE(m_answers.texts[2], QStringLiteral("Dive #1 and #2\n are merged"));
    QCOMPARE(lb().diveCount(), 1);
    QCOMPARE(lb().dives()[0].diveTime, 9);
    // One step of the history takes the whole merge back.
    QCOMPARE(m_doc->undoStack()->count(), 1);
    QCOMPARE(m_doc->undoStack()->undoText(), QStringLiteral("Unisci immersione"));
    m_doc->undoStack()->undo();
    QVERIFY(snapshot(lb()) == before);

    // A refusal says so without a question.
    lb().assignDives({a, b});
    lb().modify(2, [](DiveRecord& d) { d.surfaceInterval = 200; });
    lb().currentPosition = 1;
    m_answers.texts.clear();
    QVERIFY(!profile_commands::mergeCurrent(nullptr, *m_doc));
    QCOMPARE(m_answers.texts, QStringList{QStringLiteral("Non posso unire imm #1 and #2")});
  }

  void mainWindowOpensTheProfileWindowFromTheMenuAndThePreview() {
    DiveRecord a = diveWithReadings(kAirModel, minutesAt(20, 15), 0x20, 1);
    lb().assignDives({a});
    lb().currentPosition = 1;
    CMainFrame f(m_doc);
    for (int id : {cmd::ProfileWindow, cmd::CreateProfile, cmd::SplitDive, cmd::MergeDive})
      QVERIFY(findCommand(id)->built);
    QString title;
    closeNextDialog(&title);
    f.runCommand(cmd::ProfileWindow);
    QCOMPARE(title, QStringLiteral("Profilo immersione"));
    title.clear();
    closeNextDialog(&title);
    emit f.view()->profileWindowRequested();
    QCOMPARE(title, QStringLiteral("Profilo immersione"));
    title.clear();
    closeNextDialog(&title);
    f.runCommand(cmd::SplitDive);
    QCOMPARE(title, QStringLiteral("Salta immersione"));
    for (const QString& t : m_answers.texts) QVERIFY(!t.contains(QStringLiteral("non è ancora disponibile")));
  }
};

QTEST_MAIN(TestProfileDialogs)
#include "test_profile_dialogs.moc"
