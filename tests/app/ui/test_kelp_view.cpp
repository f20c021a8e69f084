// The main form view: fields, list lines, unit switch, preview layout and commands.
#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QApplication>
#include <QTimer>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "app/ui/kelp_view.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/ui/profile_plot.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {

// A dive with a computer profile that goes down to 32.5 m and back.
DiveRecord computerDive() {
  DiveRecord r = makeRecord();
  r.date = dayNumber(14, 7, 2023);
  r.timeOfDay = 10 * 60 + 15;
  setText(r.location, utf8ToStored("Isola d'Elba"));
  setText(r.site, utf8ToStored("Secca di Capo Sant'Andrea"));
  setText(r.buddies, utf8ToStored("Marta, Jürgen"));
  r.diveNumber = 12;
  r.maxDepth = 3250;
  r.diveTime = 48;
  r.airTemperature = 2450;
  r.minWaterTemperature = 1800;
  r.tankSize = 1200;
  r.airConsumed = 15000;
  r.startPressure = 20000;
  r.visibility = 1500;
  r.weight = 500;
  r.sac = 18.5f;
  r.suit = 5;
  r.weather = 1;
  r.profileLength = 40;
  r.profileHeader[0] = 7;  // not the hand-made marker
  // 30 samples: down to 32.5 m, a warning at sample 10, back up.
  r.sampleCount = 30;
  for (int i = 0; i <= r.sampleCount; ++i) {
    const double d = i <= 10 ? 3.25 * i : 32.5 * (r.sampleCount - i) / 20.0;
    r.samples[i] = ProfileSample{static_cast<float>(-d), 0, 0, 0, 0};
  }
  r.samples[10].sampleFlags = 1 << 2;
  r.profileMaxDepth = 32.5f;
  setNotes(r, utf8ToStored("Murena sotto il masso.\r\nCorrente leggera."));
  return r;
}

DiveRecord handMadeDive() {
  DiveRecord r = makeRecord();
  r.date = dayNumber(2, 8, 2023);
  setText(r.location, "Garda");
  r.diveNumber = 13;
  r.diveTime = 30;
  r.profileLength = 20;
  for (int i = 0; i < 8; ++i) r.profileHeader[i] = static_cast<uint16_t>(2927 + i);
  return r;
}

QColor windowColour(QWidget* w) { return w->palette().color(QPalette::Window); }

}  // namespace

class TestKelpView : public QObject {
  Q_OBJECT

 private:
  Logbook lb;

  void fillLogbook() {
    lb.newLogbook();
    lb.path = "/tmp/test.log";
    lb.assignDives({computerDive(), handMadeDive()});
    lb.rebuildTotals(true);
    lb.currentPosition = 1;
    lb.modified = false;
  }

 private slots:
  void init() {
    settings() = Settings{};
    settings().unitsMetric = 1;
    settings().profilePreview = 1;
    settings().profileColors[kColBackground] = rgb(255, 255, 255);
    settings().profileColors[kColProfile] = rgb(0, 0, 255);
    settings().profileColors[kColWarnings] = rgb(255, 0, 0);
    fillLogbook();
  }

  void emptyLogbookShowsEmptyFields() {
    lb.newLogbook();
    CKelpView v(lb);
    QCOMPARE(v.fieldText(1038), QString("0"));
    QCOMPARE(v.diveList()->count(), 0);
    for (int id : {1063, 1042, 1043, 1044, 1045, 1046, 1065, 1053, 1055, 1059, 1062, 1064})
      QVERIFY2(v.fieldText(id).isEmpty(), qPrintable(QString::number(id)));
  }

  void metricFieldsAndListLines() {
    lb.modified = true;
    CKelpView v(lb);
    v.resize(1024, 620);
    v.show();
    QCOMPARE(v.fieldText(1037), QString("/tmp/test.log *"));
    QCOMPARE(v.fieldText(1038), QString("2"));
    QCOMPARE(v.fieldText(1063), QString("12"));
    QCOMPARE(v.fieldText(1042), QString::fromStdString(formatDateLong(dayNumber(14, 7, 2023))));
    QCOMPARE(v.fieldText(1043), QString("10:15"));
    QCOMPARE(v.fieldText(1044), QString("Isola d´Elba"));  // the apostrophe shows as acute accent
    QCOMPARE(v.fieldText(1062), QString("Marta, Jürgen"));
    QCOMPARE(v.fieldText(1053), QString("32.5"));
    QCOMPARE(v.fieldText(1055), QString("00:48"));
    QCOMPARE(v.fieldText(1050), QString("24.5"));
    QCOMPARE(v.fieldText(1056), QString("18.0"));
    QCOMPARE(v.fieldText(1052), QString("12.0"));
    QCOMPARE(v.fieldText(1057), QString("150"));
    QCOMPARE(v.fieldText(1067), QString("200"));
    QCOMPARE(v.fieldText(1068), QString("15"));
    QCOMPARE(v.fieldText(1058), QString("18.5"));
    QCOMPARE(v.fieldText(1051), QString("Semi-stagna"));
    QCOMPARE(v.fieldText(1049), QString("Limpido"));
    QCOMPARE(v.fieldText(1065), QString("Profilo"));
    QCOMPARE(v.fieldText(1064), QString("Murena sotto il masso.\nCorrente leggera."));
    QCOMPARE(v.fieldText(1364), QString("m"));
    QCOMPARE(v.fieldText(1362), QString("°C"));
    QCOMPARE(v.fieldText(1385), QString("bar"));
    QCOMPARE(v.fieldText(1363), QString("l"));
    QCOMPARE(v.fieldText(1360), QString("l/min"));
    QCOMPARE(windowColour(v.findChild<QLabel*>("1065")), QColor(0, 64, 0));

    QCOMPARE(v.diveList()->count(), 2);
    QCOMPARE(v.diveList()->item(0)->text(),
             QString("P\t00012\t14.07.23\tIsola d´Elba, Secca di Capo Sant´Andrea"));
    QCOMPARE(v.diveList()->currentRow(), 0);
    shot(&v, "view_metric");
  }

  void handMadeDiveWithoutSite() {
    lb.currentPosition = 2;
    CKelpView v(lb);
    // no site: the location alone, without a trailing ", "
    QCOMPARE(v.diveList()->item(1)->text(), QString("H\t00013\t02.08.23\tGarda"));
    QCOMPARE(v.fieldText(1065), QString("Profilo manuale"));
    auto* kind = v.findChild<QLabel*>("1065");
    QCOMPARE(windowColour(kind), QColor(128, 0, 64));
    QVERIFY(kind->autoFillBackground());
    QCOMPARE(v.diveList()->currentRow(), 1);
  }

  void unitSwitchTakesEffectAtOnce() {
    CKelpView v(lb);
    v.resize(1024, 620);
    v.show();
    QCOMPARE(v.fieldText(1053), QString("32.5"));
    settings().unitsMetric = 0;
    lb.changes.listChanged = true;
    v.onUpdate();
    QVERIFY(!lb.changes.listChanged);
    QCOMPARE(v.fieldText(1364), QString("ft"));
    QCOMPARE(v.fieldText(1380), QString("ft"));
    QCOMPARE(v.fieldText(1366), QString("°F"));
    QCOMPARE(v.fieldText(1367), QString("psi"));
    QCOMPARE(v.fieldText(1363), QString("cft"));
    QCOMPARE(v.fieldText(1361), QString("cft/min"));
    QCOMPARE(v.fieldText(1368), QString("lb"));
    QCOMPARE(v.fieldText(1053), QString("107"));   // 32.5 m
    QCOMPARE(v.fieldText(1052), QString("84"));    // 12 l
    QCOMPARE(v.fieldText(1057), QString("2175"));  // 150 bar
    QCOMPARE(v.fieldText(1056), QString("64.4"));  // 18 °C
    QCOMPARE(v.fieldText(1069), QString("13.4"));  // 5 kg
    QCOMPARE(v.fieldText(1058), QString("0.65"));  // 18.5 l/min
    shot(&v, "view_imperial");
  }

  void weightRowFollowsExtendedModeAndFieldSelection() {
    CKelpView v(lb);
    auto* weightLabel = v.findChild<QLabel*>("1429");
    QVERIFY(weightLabel->isVisibleTo(&v));
    settings().fieldSelection[24] = false;
    v.fillForm();
    QVERIFY(!weightLabel->isVisibleTo(&v));
    QVERIFY(!v.findChild<QLabel*>("1368")->isVisibleTo(&v));
    settings().fieldSelection[24] = true;
    settings().extended = 0;
    v.fillForm();
    QVERIFY(!weightLabel->isVisibleTo(&v));
  }

  void previewLayoutFollowsTheSwitch() {
    CKelpView v(lb);
    v.resize(1024, 640);
    v.show();
    QAbstractButton* preview = v.previewButton();
    QVERIFY(preview->width() >= 159 && preview->height() >= 99);
    // right edge 24 pixels in, bottom 16 pixels up
    QCOMPARE(preview->geometry().right() + 1, 1024 - 24);
    QCOMPARE(preview->geometry().bottom() + 1, 640 - 16);

    v.resize(400, 300);  // far too small: the preview keeps its minimum size
    QCOMPARE(preview->size(), QSize(159, 99));
    QVERIFY(!v.bigPreview());

    v.resize(1400, 1000);
    QVERIFY(v.bigPreview());

    const QPoint topLeft = preview->pos();
    settings().profilePreview = 0;
    v.setLayoutChanged();
    QCOMPARE(preview->size(), QSize(60, 20));
    QCOMPARE(preview->pos(), topLeft);
    QCOMPARE(preview->text(), QString("Profilo"));
    QVERIFY(v.previewPixmap().isNull());
    QVERIFY(!v.bigPreview());

    settings().profilePreview = 1;
    v.setLayoutChanged();
    QVERIFY(preview->width() >= 300);
    QVERIFY(!v.previewPixmap().isNull());
  }

  void previewDrawsTheProfileWithItsWarning() {
    CKelpView v(lb);
    v.resize(1024, 640);
    v.show();
    v.drawPreview();
    const QImage img = v.previewPixmap().toImage();
    QCOMPARE(img.size(), v.previewButton()->size());
    int blue = 0, red = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const QColor c = img.pixelColor(x, y);
        if (c == QColor(0, 0, 255)) ++blue;
        if (c == QColor(255, 0, 0)) ++red;
      }
    QVERIFY(blue > 50);
    QVERIFY(red > 0);  // the segment leaving the warning sample
    QCOMPARE(img.pixelColor(2, 2), QColor(255, 255, 255));
    // the dive without samples leaves a plain background
    v.goToDive(2);
    const QImage empty = v.previewPixmap().toImage();
    QCOMPARE(empty.pixelColor(empty.width() / 2, empty.height() / 2), QColor(255, 255, 255));
  }

  void selectionAndUpdatesMoveTheCurrentDive() {
    CKelpView v(lb);
    v.diveList()->setCurrentRow(1);
    QCOMPARE(lb.currentPosition, 2);
    QCOMPARE(v.fieldText(1063), QString("13"));

    v.goToDive(1);
    QCOMPARE(v.diveList()->currentRow(), 0);
    QCOMPARE(v.fieldText(1063), QString("12"));
    // positions outside the logbook leave the current dive as it is
    for (int bad : {0, 3, -1}) {
      v.goToDive(bad);
      QCOMPARE(lb.currentPosition, 1);
      QCOMPARE(v.fieldText(1063), QString("12"));
    }

    // a single changed line is rebuilt in place
    lb.modify(2, [](kelp::DiveRecord& d) { d.diveNumber = 99; });
    lb.changes.changedPosition = 2;
    lb.currentPosition = 2;
    v.onUpdate();
    QCOMPARE(lb.changes.changedPosition, 0);
    QCOMPARE(v.diveList()->count(), 2);
    QVERIFY(v.diveList()->item(1)->text().startsWith("H\t00099\t"));
    QCOMPARE(v.diveList()->currentRow(), 1);
    QCOMPARE(v.fieldText(1063), QString("99"));

    // a whole new list after a delete
    lb.remove(1);
    lb.currentPosition = 1;
    lb.changes.listChanged = true;
    v.onUpdate();
    QCOMPARE(v.diveList()->count(), 1);
    QCOMPARE(v.fieldText(1038), QString("1"));
  }

  void mouseCommandsReachTheMainWindow() {
    CKelpView v(lb);
    v.resize(1024, 640);
    v.show();
    QSignalSpy commands(&v, &CKelpView::commandRequested);
    QSignalSpy profile(&v, &CKelpView::profileWindowRequested);

    for (const char* id : {"32831", "32832", "32833"})
      v.contextMenu()->findChild<QAction*>(id)->trigger();
    QCOMPARE(commands.count(), 3);
    QCOMPARE(commands.at(0).at(0).toInt(), 32775);
    QCOMPARE(commands.at(1).at(0).toInt(), 32777);
    QCOMPARE(commands.at(2).at(0).toInt(), 57635);
    QCOMPARE(v.contextMenu()->actions().at(0)->text(), QString("Crea"));

    // right button up over a label opens the context menu
    QLabel* label = v.findChild<QLabel*>("1429");
    QTest::mouseClick(label, Qt::RightButton);
    QTRY_VERIFY(v.contextMenu()->isVisible());
    v.contextMenu()->hide();

    commands.clear();
    QTest::mouseDClick(&v, Qt::LeftButton, {}, QPoint(v.width() - 4, 4));
    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands.at(0).at(0).toInt(), 32775);

    // double click on a list line makes it current, then edits it
    commands.clear();
    lb.currentPosition = 1;
    emit v.diveList()->itemDoubleClicked(v.diveList()->item(1));
    QCOMPARE(lb.currentPosition, 2);
    QCOMPARE(commands.count(), 1);

    QTest::mouseClick(v.previewButton(), Qt::LeftButton);
    QCOMPARE(profile.count(), 1);
  }

  void dueServiceMessageShowsOnce() {
    CKelpView::setDueService(true);
    CKelpView v(lb);
    QSignalSpy shown(&v, &CKelpView::dueServiceShown);
    // close the message box as soon as it is up
    QTimer closer;
    QString text;
    connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        text = box->text();
        box->accept();
      }
    });
    closer.start(20);
    v.show();
    QTRY_COMPARE(shown.count(), 1);
    QTRY_VERIFY(!text.isEmpty());
    QVERIFY(text.startsWith("AVVERTENDO:\nManutenzione-intervallo"));
    QVERIFY(!CKelpView::dueService());
    v.update();
    QTest::qWait(50);
    QCOMPARE(shown.count(), 1);
  }
};

QTEST_MAIN(TestKelpView)
#include "test_kelp_view.moc"
