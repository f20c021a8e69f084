// The calculator, the no-stop comparison and the forecast driven through their controls.
// Set KELP_SHOT_DIR to get a PNG of every window.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>
#include <filesystem>

#include "analysis/buhlmann.h"
#include "analysis/deco_plan.h"
#include "analysis/dive_tables.h"
#include "analysis/ui/deco_calc_dialog.h"
#include "analysis/ui/forecast_dialog.h"
#include "analysis/ui/nostop_dialog.h"
#include "app/ui/color_dialogs.h"
#include "app/ui/kelp_doc.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "analysis/ui/print/deco_page.h"
#include "profile/ui/print/page_source.h"
#include "profile/profile_clip.h"
#include "profile/ui/profile_plot.h"
#include "tests/ui_test_support.h"

using namespace kelp::test;

namespace {

const std::string kTablesFile =
    (std::filesystem::path(KELP_TEST_DATA_DIR).parent_path().parent_path() / "data" / "dive_tables.txt").string();

// Pixels of a colour in a column range of an image.
int pixelsOf(const QImage& img, const QColor& c, int fromX, int toX) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = std::max(0, fromX); x < std::min(img.width(), toX); ++x)
      if (img.pixelColor(x, y) == c) ++n;
  return n;
}

}  // namespace

class TestPlannerDialogs : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  MessageAnswers answers_;

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    kelp::settings().profileColors = kelp::defaultProfileColors();
    kelp::settings().noStopColors = kelp::defaultNoStopColors();
    answers_.okOnly = true;
    answers_.install();
  }

  void init() {
    answers_.texts.clear();
    kelp::setDiveTablesPath(kTablesFile);
  }

  void calculatorPlansFromItsControls() {
    kelp::Logbook lb;
    CDecoCalcDlg dlg(lb);
    child<QLineEdit>(&dlg, "1009")->setText("24");
    child<QLineEdit>(&dlg, "1010")->setText("45");
    child<QLineEdit>(&dlg, "1007")->setText("15");
    child<QLineEdit>(&dlg, "1008")->setText("0");
    child<QLineEdit>(&dlg, "1006")->setText("0");
    QVERIFY(!child<QLineEdit>(&dlg, "1004")->isEnabled());
    child<QPushButton>(&dlg, "1")->click();
    const QString text = child<CDecoResultBox>(&dlg, "1014")->text();
    QVERIFY(text.startsWith("\n tempo imm:\t\t63 min\n Tempo di desaturazione:\t18 min\n Gruppo imm.ripetitive:\tG\n"));
    QVERIFY(text.contains(" Consumo aria:\t3594 barl\n"));
    QCOMPARE(child<QLineEdit>(&dlg, "1008")->text(), QString("200"));
    QCOMPARE(child<QLineEdit>(&dlg, "1006")->text(), QString("20.0"));
    QVERIFY(child<QGroupBox>(&dlg, "1018")->isEnabled());
    QVERIFY(child<QPushButton>(&dlg, "1021") && !child<QPushButton>(&dlg, "1021")->isEnabled());
    shot(&dlg, "deco_calc_24m_45min");

    // The state outlives the dialog.
    CDecoCalcDlg again(lb);
    QCOMPARE(child<QLineEdit>(&again, "1009")->text(), QString("24"));
    QCOMPARE(child<CDecoResultBox>(&again, "1014")->text(), text);

    // A repetitive dive: the group is upper case.
    child<QCheckBox>(&again, "1003")->setChecked(true);
    QVERIFY(child<QLineEdit>(&again, "1004")->isEnabled());
    QTest::keyClicks(child<QLineEdit>(&again, "1004"), "d");
    QCOMPARE(child<QLineEdit>(&again, "1004")->text(), QString("D"));
    child<QLineEdit>(&again, "1005")->setText("20");
    child<QLineEdit>(&again, "1009")->setText("18");
    child<QLineEdit>(&again, "1010")->setText("20");
    child<QPushButton>(&again, "1")->click();
    QVERIFY(child<CDecoResultBox>(&again, "1014")->text().contains(" tempo di azoto residuo:\t22 min\n in curva:\t\t? min\n"));
    shot(&again, "deco_calc_repetitive");

    // Nothing happens for a depth of 0 or less; the tables' limit shows in the box.
    child<QLineEdit>(&again, "1009")->setText("-5");
    child<QPushButton>(&again, "1")->click();
    QVERIFY(child<CDecoResultBox>(&again, "1014")->text().contains("azoto residuo:\t22 min"));
    child<QCheckBox>(&again, "1003")->setChecked(false);
    child<QLineEdit>(&again, "1009")->setText("12");
    child<QLineEdit>(&again, "1010")->setText("91");
    child<QPushButton>(&again, "1")->click();
    QCOMPARE(child<CDecoResultBox>(&again, "1014")->text(), QString("\n Tabelle nicht ausreichend"));
    QVERIFY(!child<QGroupBox>(&again, "1018")->isEnabled());
    shot(&again, "deco_calc_not_sufficient");
  }

  void calculatorCopiesItsProfileAndLaysTheClipOverIt() {
    kelp::Logbook lb;
    kelp::profileClip().clear();
    auto* dlg = new CDecoCalcDlg(lb);
    child<QLineEdit>(dlg, "1009")->setText("24");
    child<QLineEdit>(dlg, "1010")->setText("45");
    child<QPushButton>(dlg, "1")->click();
    auto* copy = child<QPushButton>(dlg, "1019");
    auto* paste = child<QPushButton>(dlg, "1020");
    auto* cut = child<QPushButton>(dlg, "1021");
    QVERIFY(copy->isEnabled() && !paste->isEnabled() && !cut->isEnabled());
    QVERIFY(child<QPushButton>(dlg, "11")->isEnabled());
    copy->click();
    QCOMPARE(kelp::profileClip().count, 190);
    QCOMPARE(kelp::profileClip().depths[3], -24.0);
    QVERIFY(paste->isEnabled());

    // A shallower plan with the first one laid over it.
    child<QLineEdit>(dlg, "1009")->setText("12");
    child<QLineEdit>(dlg, "1010")->setText("50");
    child<QPushButton>(dlg, "1")->click();
    paste->click();
    QVERIFY(kelp::profileClip().shown);
    QVERIFY(!paste->isEnabled() && cut->isEnabled());
    shot(dlg, "deco_calc_with_clip");
    const QColor clipColor = kelp::toQColor(kelp::settings().profileColors[kelp::kColClipProfile]);
    auto* view = dlg->findChild<CDecoProfileView*>();
    QVERIFY(view);
    QVERIFY(pixelsOf(view->grab().toImage(), clipColor, 0, view->width()) > 50);
    cut->click();
    QVERIFY(!kelp::profileClip().shown);
    QCOMPARE(pixelsOf(view->grab().toImage(), clipColor, 0, view->width()), 0);

    // The crosshair follows the mouse over the plot area only.
    dlg->show();
    QTest::mouseMove(view, QPoint(100, 60));
    QVERIFY(view->crossHair().verticalOn());
    QCOMPARE(view->crossHair().position(), QPoint(100, 60));
    QTest::mouseMove(view, QPoint(5, 5));
    QVERIFY(!view->crossHair().verticalOn());

    // Closing the calculator takes the overlay away.
    paste->click();
    QVERIFY(kelp::profileClip().shown);
    dlg->reject();
    QVERIFY(!kelp::profileClip().shown);
    delete dlg;
  }

  void calculatorPageShowsSettingsResultsAndProfile() {
    kelp::DecoPlan p;
    p.maxDepth = 24;
    p.bottomTime = 45;
    p.tankVolume = 15;
    kelp::PlannedProfile prof;
    QCOMPARE(kelp::runDecoCalculation(kelp::diveTables(), "", p, prof), kelp::DecoOutcome::Planned);
    kelp::print::DecoPlanPage page(p, prof, "", kelp::dayNumber(8, 12, 2026));
    const QString pdf = dir_.path() + "/deco.pdf";
    const kelp::Result r = kelp::print::writePdf(page, pdf.toStdString());
    QVERIFY2(r.ok, r.error.c_str());
    if (!shotDir().isEmpty()) QFile::copy(pdf, shotDir() + "/deco_page.pdf");
    const QString txt = dir_.path() + "/deco.txt";
    QCOMPARE(std::system(("pdftotext -layout '" + pdf + "' '" + txt + "'").toLocal8Bit().constData()), 0);
    QFile f(txt);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    for (const char* expected : {"Calcolo imm", "con tabelle DECO ´92", "Settaggi", "Prof. max", "24 m",
                                 "Livello mare", "Dati aria", "Cons. aria. 20.0 l/min", "Bombola 15.0 200 bar",
                                 "Risultati", "63 min", "36 Std.", "6 m:", "13 min", "3594 barl",
                                 "-39 bar", "239 bar", "Profilo", "Ausgedruckt am: 08.12.2026"})
      QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    QVERIFY(!text.contains("15 m:"));  // only the stops owed

    // Without a result there is nothing to print.
    kelp::DecoPlan none;
    kelp::print::DecoPlanPage empty(none, prof, "", 0);
    QVERIFY(!kelp::print::writePdf(empty, (dir_.path() + "/none.pdf").toStdString()).ok);
  }

  void calculatorWithoutTablesSaysWhy() {
    kelp::setDiveTablesPath((dir_.path() + "/missing.txt").toStdString());
    kelp::Logbook lb;
    CDecoCalcDlg dlg(lb);
    child<QLineEdit>(&dlg, "1009")->setText("24");
    child<QLineEdit>(&dlg, "1010")->setText("45");
    child<QPushButton>(&dlg, "1")->click();
    const QString text = child<CDecoResultBox>(&dlg, "1014")->text();
    QVERIFY(text.startsWith("\n Tabelle nicht ausreichend\n Tabelle DECO 92: il file "));
    QVERIFY(text.contains("missing.txt non esiste."));
    shot(&dlg, "deco_calc_no_tables");
  }

  void planDrawsTheProfileWithItsDecompressionLine() {
    kelp::DecoPlan p;
    p.maxDepth = 24;
    p.bottomTime = 45;
    kelp::PlannedProfile prof;
    QVERIFY(kelp::computeDecoPlan(*kelp::diveTables(), p, prof));
    QImage img(600, 300, QImage::Format_RGB32);
    QPainter painter(&img);
    CDecoProfileView::drawPlan(painter, img.rect(), prof);
    painter.end();
    const QColor deco = kelp::toQColor(kelp::settings().profileColors[kelp::kColDecoLine]);
    const QColor curve = kelp::toQColor(kelp::settings().profileColors[kelp::kColProfile]);
    // The decompression line starts where a stop is first owed: 21 minutes read the
    // entry 25 -> E 1.
    const int x21 = 24 + 63 * (600 - 48) / 189;
    QCOMPARE(pixelsOf(img, deco, 0, x21 - 2), 0);
    QVERIFY(pixelsOf(img, deco, x21 + 2, 600) > 100);
    QVERIFY(pixelsOf(img, curve, 0, 600) > 500);
    if (!shotDir().isEmpty()) img.save(shotDir() + "/deco_plan_drawing.png");
  }

  void noStopCurvesFollowTheirCheckBoxes() {
    CNoStopTableDlg::curvesShown() = {true, true, true, true, true};
    CNoStopTableDlg dlg;
    shot(&dlg, "nostop_all");
    for (int id = 1025; id <= 1029; ++id) child<QCheckBox>(&dlg, QByteArray::number(id).constData())->setChecked(false);
    QCOMPARE(CNoStopTableDlg::curvesShown(), (std::array<bool, 5>{false, false, false, false, false}));

    const std::array<bool, 5> none{}, navy{false, false, true, false, false};
    QImage img(600, 400, QImage::Format_RGB32);
    {
      QPainter p(&img);
      CNoStopView::draw(p, img.rect(), kelp::diveTables(), none);
    }
    const QColor navyColor = kelp::toQColor(kelp::settings().noStopColors[kelp::kNsCurve3]);
    QCOMPARE(pixelsOf(img, navyColor, 0, 600), 0);
    {
      QPainter p(&img);
      CNoStopView::draw(p, img.rect(), kelp::diveTables(), navy);
    }
    // The US Navy curve ends at the 45 m position (index 11 of 0..17).
    const int x45 = 42 + 11 * (600 - 60) / 17;
    QVERIFY(pixelsOf(img, navyColor, 0, x45 + 4) > 100);
    QCOMPARE(pixelsOf(img, navyColor, x45 + 5, 600), 0);

    // A dialog opened later keeps the states of the run.
    CNoStopTableDlg later;
    QVERIFY(!child<QCheckBox>(&later, "1027")->isChecked());
    CNoStopTableDlg::curvesShown() = {true, true, true, true, true};
  }

  // The Bühlmann model in the calculator: its inputs, its result box and note, its profile, its
  // gradient factors kept in the settings, and the tables' result untouched beside it.
  void calculatorPlansWithTheBuhlmannModel() {
    kelp::Logbook lb;
    kelp::settings().gfLow = 30;
    kelp::settings().gfHigh = 75;
    CDecoCalcDlg dlg(lb);
    child<QLineEdit>(&dlg, "1009")->setText("24");
    child<QLineEdit>(&dlg, "1010")->setText("45");
    child<QPushButton>(&dlg, "1")->click();
    const QString tablesText = child<CDecoResultBox>(&dlg, "1014")->text();
    QVERIFY(tablesText.startsWith("\n tempo imm:\t\t63 min\n"));
    QVERIFY(child<QLabel>(&dlg, "1310")->text().contains("Tabelle DECO 92"));
    QVERIFY(!child<QLineEdit>(&dlg, "1303")->isEnabled());

    child<QRadioButton>(&dlg, "1302")->setChecked(true);
    QCOMPARE(dlg.windowTitle(), QString::fromUtf8("Calcolo immersione Bühlmann ZH-L16C"));
    QVERIFY(child<QLineEdit>(&dlg, "1303")->isEnabled());
    QVERIFY(!child<QRadioButton>(&dlg, "1001")->isEnabled());
    QVERIFY(!child<QLineEdit>(&dlg, "1006")->isEnabled());
    QVERIFY(!child<QLineEdit>(&dlg, "1307")->isEnabled());  // not repetitive
    QCOMPARE(child<QLineEdit>(&dlg, "1009")->text(), QString("24"));  // the dive comes along
    QCOMPARE(child<QLineEdit>(&dlg, "1303")->text(), QString("30"));
    QCOMPARE(child<QLineEdit>(&dlg, "1304")->text(), QString("75"));

    // 40 m for 30 minutes on air with GF 30/75: 90 minutes, stops from 21 m.
    child<QLineEdit>(&dlg, "1009")->setText("40");
    child<QLineEdit>(&dlg, "1010")->setText("30");
    child<QPushButton>(&dlg, "1")->click();
    QString text = child<CDecoResultBox>(&dlg, "1014")->text();
    QVERIFY2(text.contains(QString::fromUtf8("Bühlmann ZH-L16C\n Fattori di gradiente:\tGF 30/75")), qPrintable(text));
    QVERIFY(text.contains(" Tempo imm:\t\t90 min\n in curva:\t\t6 min\n Deco stop\t21 m:\t0 min\n"));
    QVERIFY(text.contains(" Deco stop\t 3 m:\t29 min\n"));
    const QString note = child<QLabel>(&dlg, "1310")->text();
    QVERIFY(note.contains("Bühlmann ZH-L16C, GF 30/75"));
    QVERIFY(note.contains(QString::fromUtf8("non sostituisce il computer subacqueo")));
    QVERIFY(child<QGroupBox>(&dlg, "1018")->isEnabled());
    QVERIFY(child<QPushButton>(&dlg, "1019")->isEnabled());
    QVERIFY(!child<QPushButton>(&dlg, "11")->isEnabled());  // the printed page is the tables'
    shot(&dlg, "deco_calc_buhlmann_40m_30min");
    const QColor deco = kelp::toQColor(kelp::settings().profileColors[kelp::kColDecoLine]);
    auto* view = dlg.findChild<CDecoProfileView*>();
    QVERIFY(pixelsOf(view->grab().toImage(), deco, 0, view->width()) > 50);
    child<QPushButton>(&dlg, "1019")->click();
    QCOMPARE(kelp::profileClip().count, 3 * 90 + 1);

    // A repetitive nitrox dive with other gradient factors; these go into the settings.
    child<QCheckBox>(&dlg, "1003")->setChecked(true);
    QVERIFY(child<QLineEdit>(&dlg, "1307")->isEnabled() && !child<QLineEdit>(&dlg, "1004")->isEnabled());
    child<QLineEdit>(&dlg, "1307")->setText("30");
    child<QLineEdit>(&dlg, "1308")->setText("20");
    child<QLineEdit>(&dlg, "1005")->setText("60");
    child<QLineEdit>(&dlg, "1009")->setText("25");
    child<QLineEdit>(&dlg, "1010")->setText("40");
    child<QLineEdit>(&dlg, "1305")->setText("32");
    child<QLineEdit>(&dlg, "1303")->setText("40");
    child<QLineEdit>(&dlg, "1304")->setText("85");
    child<QPushButton>(&dlg, "1")->click();
    text = child<CDecoResultBox>(&dlg, "1014")->text();
    QVERIFY2(text.contains(" Imm. precedente:\t30 m, 20 min, 21 % O2\n Intervallo:\t\t60 min\n"),
             qPrintable(text));
    QVERIFY(text.contains("nitrox 32 % O2"));
    QCOMPARE(kelp::settings().gfLow, 40);
    QCOMPARE(kelp::settings().gfHigh, 85);
    shot(&dlg, "deco_calc_buhlmann_repetitive");

    // Refused: 36 % at 30 m; the box says why, nothing is drawn, the settings stay.
    child<QCheckBox>(&dlg, "1003")->setChecked(false);
    child<QLineEdit>(&dlg, "1009")->setText("30");
    child<QLineEdit>(&dlg, "1305")->setText("36");
    child<QLineEdit>(&dlg, "1303")->setText("35");
    child<QPushButton>(&dlg, "1")->click();
    QVERIFY(child<CDecoResultBox>(&dlg, "1014")->text().contains("(MOD): 28 m"));
    QVERIFY(!child<QGroupBox>(&dlg, "1018")->isEnabled());
    QVERIFY(!child<QPushButton>(&dlg, "1019")->isEnabled());
    QCOMPARE(kelp::settings().gfLow, 40);

    // The tables' result is still there when the model is switched back, and the choice
    // outlives the window.
    child<QRadioButton>(&dlg, "1301")->setChecked(true);
    QCOMPARE(child<CDecoResultBox>(&dlg, "1014")->text(), tablesText);
    QCOMPARE(dlg.windowTitle(), QString("Calcolo immersione DECO 92"));
    QVERIFY(child<QPushButton>(&dlg, "11")->isEnabled());
    child<QRadioButton>(&dlg, "1302")->setChecked(true);
    CDecoCalcDlg again(lb);
    QVERIFY(child<QRadioButton>(&again, "1302")->isChecked());
    child<QRadioButton>(&again, "1301")->setChecked(true);
    kelp::profileClip().clear();
    kelp::settings().gfLow = 30;
    kelp::settings().gfHigh = 75;
  }

  void noStopComparisonDrawsTheComputedCurveJoined() {
    kelp::settings().gfLow = 30;
    kelp::settings().gfHigh = 75;
    CNoStopTableDlg::computedShown() = true;
    CNoStopTableDlg dlg;
    auto* box = child<QCheckBox>(&dlg, "1032");
    QCOMPARE(box->text(), QString::fromUtf8("Bühlmann ZH-L16C GF 30/75 (calcolato)"));
    QVERIFY(box->isChecked());
    shot(&dlg, "nostop_with_computed");

    QImage img(600, 400, QImage::Format_RGB32);
    {
      QPainter p(&img);
      CNoStopView::draw(p, img.rect(), kelp::diveTables(), std::array<bool, 5>{});
      CNoStopView::drawComputed(p, img.rect(), kelp::buhlmannNoStopCurve(30, 75));
    }
    if (!shotDir().isEmpty()) img.save(shotDir() + "/nostop_computed_only.png");
    // Drawn from the 12 m to the 63 m position without a gap: every column between has it.
    const QColor c = CNoStopView::computedColor();
    const int x12 = 42, x63 = 42 + 600 - 60;
    for (int x = x12 + 2; x < x63 - 2; x += 7) QVERIFY2(pixelsOf(img, c, x, x + 1) > 0, qPrintable(QString::number(x)));
    // 96 minutes at 12 m: the curve starts a little below the middle of 0..200.
    int topAt12 = -1;
    for (int y = 0; y < img.height() && topAt12 < 0; ++y)
      if (img.pixelColor(x12, y) == c) topAt12 = y;
    const int expected = 24 + (200 - 96) * (400 - 48) / 200;
    QVERIFY2(std::abs(topAt12 - expected) <= 3, qPrintable(QString::number(topAt12)));

    box->setChecked(false);
    QVERIFY(!CNoStopTableDlg::computedShown());
    QCOMPARE(pixelsOf(dlg.findChild<CNoStopView*>()->grab().toImage(), c, 0, 2000), 0);
    CNoStopTableDlg::computedShown() = true;
  }

  void noStopCurvesJoinOnlyNeighbouringTableDepths() {
    // DECO 92 at sea level knows 12, 24 and 63 m only: three dots, no line between them.
    QImage img(600, 400, QImage::Format_RGB32);
    {
      QPainter p(&img);
      CNoStopView::draw(p, img.rect(), kelp::diveTables(), {true, false, false, false, false});
    }
    const QColor sea = kelp::toQColor(kelp::settings().noStopColors[kelp::kNsCurve1]);
    auto xAt = [](int index) { return 42 + index * (600 - 60) / 17; };
    QVERIFY(pixelsOf(img, sea, xAt(0) - 4, xAt(0) + 4) > 0);
    QVERIFY(pixelsOf(img, sea, xAt(4) - 4, xAt(4) + 4) > 0);
    QCOMPARE(pixelsOf(img, sea, xAt(0) + 5, xAt(4) - 4), 0);
    QCOMPARE(pixelsOf(img, sea, xAt(4) + 5, xAt(17) - 4), 0);

    // Aladin 0-900 m knows every depth: one line runs across all of them.
    {
      QPainter p(&img);
      CNoStopView::draw(p, img.rect(), kelp::diveTables(), {false, false, false, true, false});
    }
    const QColor aladin = kelp::toQColor(kelp::settings().noStopColors[kelp::kNsCurve4]);
    for (int i = 0; i < 17; ++i) QVERIFY(pixelsOf(img, aladin, xAt(i) + 5, xAt(i + 1) - 4) > 0);
  }

  void forecastCalculatesInsertsAndDeletes() {
    std::vector<kelp::DiveRecord> dives;
    for (int m = 1; m <= 12; ++m)
      for (int k = 0; k < 5; ++k) {
        kelp::DiveRecord r = kelp::makeRecord();
        r.date = kelp::dayNumber(1 + 5 * k, m, 2023);
        r.diveNumber = static_cast<uint16_t>(dives.size() + 1);
        dives.push_back(r);
      }
    kelp::Logbook lb;
    lb.assignDives(dives);
    lb.formCompanionNames((dir_.path() + "/forecast.log").toStdString());
    CForecastDlg dlg(lb);
    QCOMPARE(child<QLabel>(&dlg, "1170")->text(), QString("60"));
    QCOMPARE(child<QLineEdit>(&dlg, "1173")->text(), QString("100"));
    QCOMPARE(child<QLineEdit>(&dlg, "1174")->text(), QString("01.2023"));
    QVERIFY(!child<QPushButton>(&dlg, "1178")->isEnabled());
    QVERIFY(!child<QPushButton>(&dlg, "1179")->isEnabled());
    QCOMPARE(child<QLabel>(&dlg, "1339")->text(), QString());

    dlg.calculate({1, 1, 2024});
    // 5 dives a month: 40 more from 1 January 2024 take eight months, a little less as the
    // leap February has 29 days at February's rate of 5/28.
    QCOMPARE(child<QLabel>(&dlg, "1176")->text(), QString("30.08.2024"));
    QCOMPARE(child<QLabel>(&dlg, "1339")->text(), QString("0.161"));
    QCOMPARE(child<QLabel>(&dlg, "1351")->text(), QString("Imm al giorno"));
    child<QRadioButton>(&dlg, "1026")->setChecked(true);
    QCOMPARE(child<QLabel>(&dlg, "1340")->text(), QString("5.00"));
    QCOMPARE(child<QLabel>(&dlg, "1351")->text(), QString("Imm al mese"));
    QVERIFY(child<QPushButton>(&dlg, "1178")->isEnabled());
    child<QPushButton>(&dlg, "1178")->click();
    QVERIFY(!child<QPushButton>(&dlg, "1178")->isEnabled());
    auto* list = child<QListWidget>(&dlg, "1039");
    QCOMPARE(list->count(), 2);
    QVERIFY(list->item(0)->text().contains("Calcola: da  1.2023 (senza mese in corso)"));
    QVERIFY(list->item(1)->text().contains("100 arriva all´immersione 30.08.2024"));
    QCOMPARE(list->currentRow(), 1);
    shot(&dlg, "forecast");

    // A target already reached changes nothing.
    child<QLineEdit>(&dlg, "1173")->setText("50");
    dlg.calculate({1, 1, 2024});
    QCOMPARE(child<QLabel>(&dlg, "1176")->text(), QString("30.08.2024"));

    answers_.queue = {QMessageBox::No};
    child<QPushButton>(&dlg, "1179")->click();
    QCOMPARE(list->count(), 2);
    answers_.queue = {QMessageBox::Yes};
    child<QPushButton>(&dlg, "1179")->click();
    QCOMPARE(answers_.texts.last(), QString("Cancella questo dato?"));
    QCOMPARE(list->count(), 0);
    QVERIFY(!child<QPushButton>(&dlg, "1179")->isEnabled());
  }
};

QTEST_MAIN(TestPlannerDialogs)
#include "test_planner_dialogs.moc"
