// The profile window and its data window: what a mouse move redraws, the cursor texts
// and gauges, the clip buffer over the window's life, the switches kept in the settings,
// the "Deco 92" link, and the placement stored on closing. Set KELP_SHOT_DIR to get a PNG of
// the window, metric and imperial, with and without a profile.
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

#include "../profile_test_util.h"
#include "app/ui/kelp_doc.h"
#include "core/demo_logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/deco92_link.h"
#include "profile/profile_clip.h"
#include "profile/ui/profile_graph.h"
#include "profile/ui/profile_wnd.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {

int firstPosition(const Logbook& lb, bool (*wanted)(const DiveRecord&)) {
  for (int i = 1; i <= lb.diveCount(); ++i)
    if (wanted(lb.dives()[static_cast<size_t>(i - 1)])) return i;
  return 0;
}

bool computerProfile(const DiveRecord& r) { return profileKind(r) == ProfileKind::Computer && r.sampleCount > 120; }
bool noProfile(const DiveRecord& r) { return r.profileLength == 0; }

// A point over sample i of the current dive's graph.
QPoint overSample(CProfileWnd& w, int i) {
  const QRect t = w.graph()->crossHair().trackRect();
  const int n = w.dive().sampleCount + 1;
  return QPoint(t.left() + static_cast<int>((i + 0.5) * (t.width() + 1.0) / n), t.top() + t.height() / 3);
}

bool fakePlanner(const Deco92Request& r, ProfileClip& clip, std::string&) {
  std::vector<double> depths(static_cast<size_t>(r.bottomTime * 3 + 1), -static_cast<double>(r.maxDepth));
  clip.copyFrom(depths.data(), nullptr, static_cast<int>(depths.size()));
  return true;
}

bool refusingPlanner(const Deco92Request&, ProfileClip&, std::string& message) {
  message = "Tabelle nicht ausreichend";
  return false;
}

}  // namespace

class TestProfileWindow : public QObject {
  Q_OBJECT
 private:
  CKelpDoc* m_doc = nullptr;
  MessageAnswers m_answers;

 private slots:
  void init() {
    m_answers.clear();
    m_answers.okOnly = true;
    m_answers.install();
    settings() = Settings();
    settings().profileColors = testutil::windowTestColors();
    profileClip().clear();
    registerDeco92Planner(nullptr);
    m_doc = new CKelpDoc;
    m_doc->logbook().assignDives(makeDemoLogbook(40, 3).dives());
  }
  void cleanup() {
    delete m_doc;
    m_doc = nullptr;
  }

  void mouseMoveRedrawsCursorPartsNotTheGraph() {
    Logbook& lb = m_doc->logbook();
    lb.currentPosition = firstPosition(lb, computerProfile);
    QVERIFY(lb.currentPosition > 0);
    CProfileWnd w(*m_doc);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QApplication::processEvents();
    const int renders = w.graph()->renderCount();
    QCOMPARE(w.cursorIndex(), 0);
    const QPoint p = overSample(w, 60);
    QMouseEvent move(QEvent::MouseMove, p, w.graph()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.graph(), &move);
    QApplication::processEvents();
    QCOMPARE(w.cursorIndex(), 60);
    QCOMPARE(w.text(1147), QStringLiteral("20:"));
    QCOMPARE(w.text(1148), QString::fromStdString(format("%.1f", std::fabs(w.dive().samples[60].depth))));
    QCOMPARE(w.graph()->renderCount(), renders);  // the graph itself is not drawn again
    QVERIFY(w.graph()->crossHair().verticalOn());
    QVERIFY(w.graph()->crossHair().horizontalOn());
    shot(&w, QStringLiteral("profile_window_metric"));

    // Outside the frame the lines go and the cursor stays.
    w.mouseMovedTo(QPoint(2, 2));
    QVERIFY(!w.graph()->crossHair().verticalOn());
    QCOMPARE(w.cursorIndex(), 60);
  }

  void imperialUnitsAndADiveWithoutTankShowNoNan() {
    Logbook& lb = m_doc->logbook();
    const int pos = firstPosition(lb, computerProfile);
    lb.modify(pos, [](DiveRecord& r) {
      r.tankSize = NO_VALUE;
      r.startPressure = 50;
    });
    lb.currentPosition = pos;
    settings().unitsMetric = 0;
    CProfileWnd w(*m_doc);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.mouseMovedTo(overSample(w, 45));
    QCOMPARE(w.text(1149), QString());  // no tank volume: no value, never "nan"
    QVERIFY(!w.text(1148).contains(QLatin1Char('.')));  // feet are whole
    for (int id : {1146, 1147, 1148, 1053})
      QVERIFY2(!w.text(id).contains(QStringLiteral("nan")), qPrintable(QString::number(id)));
    shot(&w, QStringLiteral("profile_window_imperial_no_tank"));
    lb.modify(pos, [](DiveRecord& r) { r.tankSize = 1200; r.startPressure = 30000; });
    w.selectDive(pos);
    w.mouseMovedTo(overSample(w, 45));
    QVERIFY(w.text(1149).endsWith(QStringLiteral(" psi")));
    shot(&w, QStringLiteral("profile_window_imperial"));
    QVERIFY(w.dataWindow());  // "Datenfenster" is on by default
    QCOMPARE(w.dataWindow()->fieldText(1053), QString::fromStdString(formatMaxDepth(w.dive())));
    shot(w.dataWindow(), QStringLiteral("data_window_imperial"));
    settings().unitsMetric = 1;
  }

  void aDiveWithoutProfileShowsGreyAndEmptyTexts() {
    Logbook& lb = m_doc->logbook();
    lb.currentPosition = firstPosition(lb, noProfile);
    QVERIFY(lb.currentPosition > 0);
    CProfileWnd w(*m_doc);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage img = w.graph()->picture().toImage();
    QCOMPARE(img.pixelColor(img.width() / 2, img.height() / 2), QColor(192, 192, 192));
    w.mouseMovedTo(QPoint(w.graph()->width() / 2, w.graph()->height() / 2));
    QVERIFY(!w.graph()->crossHair().verticalOn());
    for (int id : {1146, 1147, 1148, 1149}) QCOMPARE(w.text(id), QString());
    QVERIFY(!w.button(1019)->isEnabled());
    QVERIFY(!w.button(1023)->isEnabled());
    QVERIFY(!w.button(1020)->isEnabled());
    shot(&w, QStringLiteral("profile_window_no_profile"));
  }

  void listLinesAndSelectionMoveTheLogbooksCurrentDive() {
    Logbook& lb = m_doc->logbook();
    lb.currentPosition = 5;
    CProfileWnd w(*m_doc);
    QSignalSpy changed(&w, &CProfileWnd::currentDiveChanged);
    QCOMPARE(w.diveList()->count(), lb.diveCount());
    QCOMPARE(w.diveList()->currentRow(), 4);
    for (int i = 0; i < lb.diveCount(); ++i) {
      const DiveRecord& r = lb.dives()[static_cast<size_t>(i)];
      QCOMPARE(w.diveList()->item(i)->text(), QString::asprintf("%c\t%05d", profileMark(r), int(r.diveNumber)));
    }
    w.mouseMovedTo(QPoint(300, 100));
    w.diveList()->setCurrentRow(9);
    QCOMPARE(lb.currentPosition, 10);
    QCOMPARE(w.cursorIndex(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(w.text(1042), QString::fromStdString(formatDateLong(lb.dives()[9].date)));
  }

  void clipBufferOutlivesTheWindowAndEnablesPasteAndCut() {
    Logbook& lb = m_doc->logbook();
    const int a = firstPosition(lb, computerProfile);
    lb.currentPosition = a;
    {
      CProfileWnd w(*m_doc);
      QVERIFY(!w.button(1020)->isEnabled());
      QVERIFY(!w.button(1021)->isEnabled());
      w.button(1019)->click();
      QCOMPARE(profileClip().count, lb.dives()[static_cast<size_t>(a - 1)].sampleCount + 1);
      QVERIFY(w.button(1020)->isEnabled());
      w.reject();
    }
    int b = 0;
    for (int i = a + 1; i <= lb.diveCount() && !b; ++i)
      if (lb.dives()[static_cast<size_t>(i - 1)].profileLength != 0) b = i;
    lb.currentPosition = b;
    CProfileWnd w(*m_doc);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.button(1020)->isEnabled());
    const int renders = w.graph()->renderCount();
    w.button(1020)->click();
    QVERIFY(profileClip().shown);
    QVERIFY(!w.button(1020)->isEnabled());
    QVERIFY(w.button(1021)->isEnabled());
    QApplication::processEvents();
    QVERIFY(w.graph()->renderCount() > renders);  // the overlay is drawn into the picture
    shot(&w, QStringLiteral("profile_window_clip"));
    w.button(1021)->click();
    QVERIFY(!profileClip().shown);
  }

  void switchesAreKeptInTheSettingsAndTheDataWindowFollowsAltro() {
    Logbook& lb = m_doc->logbook();
    lb.currentPosition = firstPosition(lb, computerProfile);
    settings().dataWindow = 0;
    CProfileWnd w(*m_doc);
    QVERIFY(!w.dataWindow());
    w.button(1142)->click();
    QCOMPARE(settings().grid, 0);
    w.button(1143)->click();
    QCOMPARE(settings().crossHair, 0);
    w.button(1145)->click();
    QCOMPARE(settings().dataWindow, 1);
    QVERIFY(w.dataWindow());
    const DiveRecord& r = w.dive();
    QCOMPARE(w.dataWindow()->fieldText(1053), QString::fromStdString(formatMaxDepth(r)));
    QCOMPARE(w.dataWindow()->fieldText(1055), QString::fromStdString(formatMinutes(r.diveTime)));
    QCOMPARE(w.dataWindow()->fieldText(1046), QString::fromStdString(formatComputerType(r.computerType)));
    w.dataWindow()->show();
    shot(w.dataWindow(), QStringLiteral("data_window"));
    w.selectDive(1);
    QCOMPARE(w.dataWindow()->fieldText(1042), QString::fromStdString(formatDateLong(lb.dives()[0].date)));
    w.button(1145)->click();
    QVERIFY(!w.dataWindow());
    QCOMPARE(settings().dataWindow, 0);
  }

  void deco92WaitsForTheCursorAndForTheCalculator() {
    Logbook& lb = m_doc->logbook();
    lb.currentPosition = firstPosition(lb, computerProfile);
    CProfileWnd w(*m_doc);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.mouseMovedTo(overSample(w, 3));
    QCOMPARE(w.cursorIndex(), 3);
    w.button(1023)->click();
    QVERIFY(m_answers.texts.isEmpty());  // below index 4 nothing happens
    w.mouseMovedTo(overSample(w, 45));
    w.button(1023)->click();
    QCOMPARE(m_answers.texts.size(), 1);
    QVERIFY(m_answers.texts[0].contains(QStringLiteral("non è ancora disponibile")));
    QVERIFY(profileClip().empty());

    // A plan the tables cannot give is told, and the clip buffer stays as it was.
    registerDeco92Planner(refusingPlanner);
    w.button(1023)->click();
    QCOMPARE(m_answers.texts.size(), 2);
    QCOMPARE(m_answers.texts[1], QStringLiteral("Tabelle nicht ausreichend"));
    QVERIFY(profileClip().empty());

    registerDeco92Planner(fakePlanner);
    w.button(1023)->click();
    QCOMPARE(profileClip().count, 15 * 3 + 1);
    QVERIFY(profileClip().shown);
    QVERIFY(w.button(1021)->isEnabled());
  }

  void closingStoresThePlacement() {
    settings().dataWindow = 1;
    CProfileWnd w(*m_doc);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(1040, 620);
    QApplication::processEvents();
    w.accept();
    const WindowPlacement& p = settings().profileWindow;
    QCOMPARE(p.dx - p.x, 1040);
    QCOMPARE(p.dy - p.y, 620);
    QVERIFY(!w.dataWindow());
    const QSize scr = w.screen()->size();
    const std::string sec = format("%dx%d", scr.width(), scr.height());
    QCOMPARE(settingsFile().getInt(sec, "ProfilWindow_dx", 0), p.dx);
    QVERIFY(settings().dataWindow_.valid());
  }
};

QTEST_MAIN(TestProfileWindow)
#include "test_profile_window.moc"
