// The statistics windows: the panel and its charts, the bars, dives per month and the
// location and buddy statistics. Set KELP_SHOT_DIR to get a PNG of every window in
// metric and imperial units.
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "analysis/ui/print/stat_pages.h"
#include "analysis/ui/stat_bars.h"
#include "analysis/ui/stat_chart_view.h"
#include "analysis/ui/stat_list_dlg.h"
#include "analysis/ui/stat_list_model.h"
#include "analysis/ui/stat_month_dlg.h"
#include "analysis/ui/stat_panel_dlg.h"
#include "app/command_rules.h"
#include "app/ui/color_dialogs.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "core/demo_logbook.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/ui/print/page_source.h"
#include "profile/ui/print_job.h"
#include "tests/ui_test_support.h"

#include <QFile>
#include <QPrinter>

using namespace kelp::test;

namespace {

int currentYear() {
  int d, m, y;
  kelp::fromDayNumber(kelp::todayDayNumber(), d, m, y);
  return y;
}

QRgb pixel(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

}  // namespace

class TestStatWindows : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  kelp::Logbook lb_;

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    useConfigFolder(dir_.path());
    lb_ = kelp::makeDemoLogbook(400, 3);
  }

  void init() {
    kelp::settings() = kelp::Settings{};
    kelp::settings().statisticsColors = kelp::defaultStatisticsColors();
    CStatPanelDlg::chartIndex() = 0;
  }

  void barsDrawStripsOnlyWhereTheyBelong() {
    const kelp::StatisticsColors c = kelp::defaultStatisticsColors();
    const QColor main(10, 20, 30);
    QImage img(100, 20, QImage::Format_RGB32);
    auto draw = [&](auto f) {
      img.fill(Qt::white);
      QPainter p(&img);
      f(p);
    };
    const QRgb fresh = statColor(c, kelp::kStFresh).rgb() & 0xFFFFFF;
    const QRgb sea = statColor(c, kelp::kStSea).rgb() & 0xFFFFFF;
    const QRgb chamber = statColor(c, kelp::kStChamber).rgb() & 0xFFFFFF;
    const QRgb mainRgb = main.rgb() & 0xFFFFFF;
    // stacked water bar: chamber, sea, fresh from the left; width = value x 100 / scale
    draw([&](QPainter& p) { DrawWaterBar(p, img.rect(), 2, 3, 1, 10, c); });
    QCOMPARE(pixel(img, 5, 10), chamber);
    QCOMPARE(pixel(img, 35, 10), sea);
    QCOMPARE(pixel(img, 55, 10), fresh);
    QCOMPARE(pixel(img, 65, 10), QRgb(0xFFFFFF));
    draw([&](QPainter& p) { DrawWaterBar(p, img.rect(), 50, 0, 0, 10, c); });  // clipped
    QCOMPARE(pixel(img, 99, 10), fresh);
    draw([&](QPainter& p) { DrawWaterBar(p, img.rect(), 5, 0, 0, 0, c); });  // no scale, no bar
    QCOMPARE(pixel(img, 1, 10), QRgb(0xFFFFFF));
    // value bar with fresh and sea: main 6 pixels shorter, then the two strips
    draw([&](QPainter& p) { DrawValueBar(p, img.rect(), 8, 4, 6, 10, main, c); });
    QCOMPARE(pixel(img, 70, 13), mainRgb);
    QCOMPARE(pixel(img, 70, 14), QRgb(0xFFFFFF));
    QCOMPARE(pixel(img, 30, 15), fresh);
    QCOMPARE(pixel(img, 50, 15), QRgb(0xFFFFFF));
    QCOMPARE(pixel(img, 50, 18), sea);
    // four-class bar: one non-zero class gives no strip
    draw([&](QPainter& p) { DrawValueBar4(p, img.rect(), 8, 0, 6, 0, 10, main, c); });
    QCOMPARE(pixel(img, 70, 19), mainRgb);
    draw([&](QPainter& p) { DrawValueBar4(p, img.rect(), 8, 0, 6, 7, 10, main, c); });
    QCOMPARE(pixel(img, 70, 13), mainRgb);
    QCOMPARE(pixel(img, 50, 15), sea);
    QCOMPARE(pixel(img, 60, 18), chamber);
  }

  void panelShowsEveryChartInBothUnits() {
    for (int metric : {1, 0}) {
      kelp::settings().unitsMetric = metric;
      CStatPanelDlg panel(lb_);
      panel.show();
      for (const char* id : {"1024", "1026", "1027", "1028", "1029", "1030", "1031", "1033", "1032", "1139",
                             "1140", "1306", "1307", "1308", "1309", "1310", "1332", "11", "1"})
        QVERIFY2(child(&panel, id), id);
      shot(&panel, QStringLiteral("panel"));
      for (int i = 0; i < kelp::kStatChartCount; ++i) {
        if (i == kelp::kChartActivity) {
          // the panel's radio (in its group box), not the chart window's radio of the same id
          child<QRadioButton>(panel.findChild<QGroupBox*>(), "1032")->click();
        } else {
          panel.showChart(i);
        }
        QApplication::processEvents();
        CStatChartDlg* c = panel.currentChart();
        QVERIFY(c);
        QCOMPARE(c->chart(), i);
        QCOMPARE(c->objectName(), QString::number(kelp::chartDialogId(i)));
        QVERIFY(c->x() >= panel.frameGeometry().right());
        QCOMPARE(child<QLabel>(c, "1331")->text(),
                 QString::asprintf("%.0f", static_cast<double>(c->result().table.scaleMax)));
        QVERIFY(!c->chartView()->pixmap().isNull());
        shot(c, QStringLiteral("chart%1_%2").arg(i, 2, 10, QLatin1Char('0')).arg(metric ? "metric" : "imperial"));
      }
      QCOMPARE(CStatPanelDlg::chartIndex(), kelp::kChartAirMonths);
    }
    kelp::settings().unitsMetric = 1;
  }

  void categoryChartValueViewsAndTheirPictures() {
    for (int metric : {1, 0}) {
      kelp::settings().unitsMetric = metric;
      CStatPanelDlg panel(lb_);
      panel.showChart(kelp::kChartActivity);
      CStatChartDlg* c = panel.currentChart();
      // count view: statistic radios disabled
      QVERIFY(!child<QRadioButton>(c, "1139")->isEnabled());
      child<QRadioButton>(c, "1029")->click();  // depth
      QVERIFY(child<QRadioButton>(c, "1139")->isEnabled());
      QCOMPARE(c->result().table.view, int(kelp::kViewDepth));
      child<QRadioButton>(c, "1141")->click();  // maxima
      QCOMPARE(c->result().table.statistic, int(kelp::kStatMax));
      QCOMPARE(c->result().line(0).cells[0], std::string());
      shot(c, QStringLiteral("activity_depth_max_%1").arg(metric ? "metric" : "imperial"));
      child<QRadioButton>(c, "1031")->click();  // air
      child<QRadioButton>(c, "1139")->click();  // means
      QCOMPARE(c->result().line(0).cells[3], std::string());
      shot(c, QStringLiteral("activity_air_mean_%1").arg(metric ? "metric" : "imperial"));
      child<QRadioButton>(c, "1028")->click();  // percent
      QVERIFY(!child<QRadioButton>(c, "1140")->isEnabled());
      // the view stays with the chart while the panel is open
      panel.showChart(kelp::kChartSuit);
      panel.showChart(kelp::kChartActivity);
      QVERIFY(child<QRadioButton>(panel.currentChart(), "1028")->isChecked());
      panel.showChart(kelp::kChartSuit);
      child<QRadioButton>(panel.currentChart(), "1030")->click();  // time
      shot(panel.currentChart(), QStringLiteral("suit_time_%1").arg(metric ? "metric" : "imperial"));
    }
    kelp::settings().unitsMetric = 1;
  }

  void yearSelectionTakesOnlyYearsInRange() {
    CStatPanelDlg panel(lb_);
    panel.showChart(kelp::kChartDepth);
    CStatChartDlg* c = panel.currentChart();
    auto* spin = child<QScrollBar>(c, "1417");
    auto* edit = child<QLineEdit>(c, "1416");
    QVERIFY(!spin->isEnabled());
    const int first = c->result().table.firstYear;
    QCOMPARE(spin->minimum(), std::min(first, currentYear()));
    QCOMPARE(spin->maximum(), currentYear());
    const float allScale = c->result().table.scaleMax;
    child<QRadioButton>(c, "1026")->click();
    QVERIFY(spin->isEnabled());
    edit->setText(QString::number(first));
    QCOMPARE(c->result().table.year, first);
    QVERIFY(c->result().table.yearDives > 0);
    QVERIFY(c->result().table.yearDives < lb_.diveCount());
    QCOMPARE(c->result().table.scaleMax, allScale);  // years compare on the scale of all dives
    edit->setText(QStringLiteral("1901"));  // outside: the previous year stays
    QCOMPARE(c->result().table.year, first);
    spin->setValue(first + 1);
    QCOMPARE(edit->text(), QString::number(first + 1));
    QCOMPARE(c->result().table.year, first + 1);
    // the spin's upper arrow, the Up key and the wheel turned up give the next year
    clickSpinArrow(spin, false);
    QCOMPARE(spin->value(), first);
    clickSpinArrow(spin, true);
    QCOMPARE(spin->value(), first + 1);
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(spin->value(), first + 2);
    QTest::keyClick(spin, Qt::Key_Down);
    QCOMPARE(spin->value(), first + 1);
    QWheelEvent wheelUp(QPointF(4, 4), spin->mapToGlobal(QPointF(4, 4)), QPoint(), QPoint(0, 120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(spin, &wheelUp);
    QCOMPARE(spin->value(), first + 2);
    QCOMPARE(c->result().table.year, first + 2);
    spin->setValue(first + 1);
    child<QRadioButton>(c, "1028")->click();  // percent of the year's dives
    shot(c, QStringLiteral("depth_year_percent"));
    child<QRadioButton>(c, "1024")->click();
    QVERIFY(!spin->isEnabled());
    QCOMPARE(c->result().percentBase(), lb_.diveCount());
  }

  void yearAndMonthChartsScroll() {
    CStatPanelDlg panel(lb_);
    panel.showChart(kelp::kChartMonths);
    CStatChartDlg* c = panel.currentChart();
    const int rows = c->result().rowCount;
    QVERIFY(rows > 24);
    QCOMPARE(c->scrollPosition(), rows);  // ends with the current month
    auto* bar = child<QScrollBar>(c, "rows");
    QCOMPARE(bar->minimum(), 24);
    QCOMPARE(bar->maximum(), rows);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);  // one row, as a line step
    QCOMPARE(c->scrollPosition(), rows - 1);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(c->scrollPosition(), rows - 2);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(c->scrollPosition(), 24);
    shot(c, QStringLiteral("months_top"));
    c->setScrollPosition(3);
    QCOMPARE(c->scrollPosition(), 24);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(c->scrollPosition(), rows);
  }

  void suitDescriptionsSortByTheClickedHead() {
    CStatPanelDlg panel(lb_);
    panel.showChart(kelp::kChartSuit);
    auto* list = child<QTreeView>(panel.currentChart(), "1112");
    auto* model = qobject_cast<CStatCountModel*>(list->model());
    QVERIFY(model->rowCount() > 1);
    list->header()->sectionClicked(1);
    QCOMPARE(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral(">> immersioni"));
    QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Tipo muta"));
    for (int i = 1; i < model->rowCount(); ++i)
      QVERIFY(model->entries()[size_t(i - 1)].count >= model->entries()[size_t(i)].count);
    list->header()->sectionClicked(0);
    QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral(">> Tipo muta"));
  }

  void colorsAndPrintingCloseAndReshowTheChart() {
    CStatPanelDlg panel(lb_);
    panel.show();
    panel.showChart(kelp::kChartTime);
    bool asked = false, chartClosed = false;
    panel.colorDialog = [&] {
      asked = true;
      chartClosed = !panel.currentChart();
      kelp::settings().statisticsColors[kelp::kStFresh] = kelp::rgb(255, 0, 255);
      return true;
    };
    child<QPushButton>(&panel, "1332")->click();
    QVERIFY(asked);
    QVERIFY(chartClosed);  // the chart is closed while the colours are chosen
    QVERIFY(panel.currentChart());
    QCOMPARE(panel.currentChart()->chart(), int(kelp::kChartTime));
    const QImage legend = child(&panel, "1306")->grab().toImage();
    QCOMPARE(pixel(legend, 5, 5), QRgb(0xFF00FF));
    int printed = -1;
    panel.printer = [&](int chart, const kelp::StatResult& r) {
      printed = chart;
      QCOMPARE(r.chart, chart);
    };
    child<QPushButton>(&panel, "11")->click();
    QCOMPARE(printed, int(kelp::kChartTime));
    QVERIFY(panel.currentChart());
  }

  // The first chart shows only once the panel is on the screen (else a window manager may
  // stack it under the main window), beside the panel and inside the screen.
  void theFirstChartShowsBesideThePanelOnceThePanelIsUp() {
    kelp::settings().statSubX = kelp::settings().statSubY = -1;
    kelp::settings().statMainX = kelp::settings().statMainY = -1;
    CStatPanelDlg panel(lb_);
    QVERIFY(panel.currentChart());
    QVERIFY(!panel.currentChart()->isVisible());
    panel.show();
    QTRY_VERIFY(panel.currentChart()->isVisible());
    const QRect screen = panel.screen()->availableGeometry();
    const QRect chart = panel.currentChart()->geometry();
    QVERIFY(chart.left() > panel.geometry().right());
    QVERIFY(panel.geometry().left() >= screen.left());
    if (panel.width() + chart.width() + 40 <= screen.width()) QVERIFY(chart.right() <= screen.right());
  }

  void positionsAreSavedOnClose() {
    {
      CStatPanelDlg panel(lb_);
      panel.move(40, 50);
      panel.currentChart()->move(400, 60);
      panel.accept();
    }
    QCOMPARE(kelp::settings().statSubX, 400);
    kelp::IniFile ini(kelp::configFilePath("Kelp.ini"));
    ini.load();
    const QSize s = QGuiApplication::primaryScreen()->size();
    QCOMPARE(ini.getInt(kelp::screenSection(s.width(), s.height()), "StatSubWindow_x", -1), 400);
    QCOMPARE(ini.getInt(kelp::screenSection(s.width(), s.height()), "StatMainWindow_y", -1),
             kelp::settings().statMainY);
    // restored when positions are kept
    CStatPanelDlg again(lb_);
    QCOMPARE(again.currentChart()->pos(), QPoint(400, 60));
  }

  void divesPerMonthDialog() {
    for (int metric : {1, 0}) {
      kelp::settings().unitsMetric = metric;
      CDivesPerMonthDlg dlg(lb_);
      QCOMPARE(dlg.result().rowCount, 12);
      int total = 0;
      for (int m = 0; m < 12; ++m) total += std::stoi(dlg.result().line(m).cells[0]);
      QCOMPARE(total, lb_.diveCount());
      QCOMPARE(child<QLabel>(&dlg, "1331")->text(),
               QString::asprintf("%.0f", static_cast<double>(dlg.result().table.scaleMax)));
      bool asked = false;
      dlg.colorDialog = [&] { return asked = true; };
      child<QPushButton>(&dlg, "colors")->click();
      QVERIFY(asked);
      shot(&dlg, QStringLiteral("per_month_%1").arg(metric ? "metric" : "imperial"));
    }
    kelp::settings().unitsMetric = 1;
  }

  void locationAndBuddyStatistics() {
    CStatListDlg loc(CStatListDlg::Locations, lb_);
    QCOMPARE(loc.objectName(), QStringLiteral("191"));
    const int locations = loc.entriesModel()->rowCount();
    QVERIFY(locations > 1);
    QCOMPARE(child<QLabel>(&loc, "1357")->text(), QString::number(locations));
    loc.selectEntry(0);
    const auto& first = loc.entriesModel()->entries()[0];
    QCOMPARE(loc.subModel()->rowCount(), int(first.sub.size()));
    QCOMPARE(child<QLabel>(&loc, "1359")->text(), QString::number(first.sub.size()));
    QCOMPARE(loc.subModel()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Luogo"));
    loc.entriesView()->header()->sectionClicked(1);
    QCOMPARE(loc.entriesModel()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral(">> immersioni"));
    loc.selectEntry(0);
    shot(&loc, QStringLiteral("locations"));
    // one year: fewer dives
    child<QRadioButton>(&loc, "1026")->click();
    int firstYear = 0, firstMonth = 0;
    QVERIFY(kelp::earliestPeriod(lb_, firstYear, firstMonth));
    child<QLineEdit>(&loc, "1416")->setText(QString::number(firstYear));
    int total = 0;
    for (const auto& e : loc.entriesModel()->entries()) total += e.count;
    QVERIFY(total > 0);
    QVERIFY(total < lb_.diveCount());

    CStatListDlg buddies(CStatListDlg::Buddies, lb_);
    QCOMPARE(buddies.entriesModel()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Compagno"));
    QVERIFY(buddies.entriesModel()->rowCount() > 1);
    buddies.selectEntry(1);
    QVERIFY(buddies.subModel()->rowCount() >= 1);
    QCOMPARE(buddies.subModel()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Località"));
    QVERIFY(!child<QLabel>(&buddies, "1358"));
    shot(&buddies, QStringLiteral("buddies"));
  }

  void everyChartPrintsItsPages() {
    const QString out = shotDir().isEmpty() ? dir_.path() : shotDir();
    for (int metric : {1, 0}) {
      for (int chart = 0; chart < kelp::kStatChartCount; ++chart) {
        kelp::StatOptions o;
        o.metric = metric != 0;
        if (chart == kelp::kChartDiveType) o.view = kelp::kViewPercent;
        if (chart == kelp::kChartSuit) o.view = kelp::kViewAir;
        const kelp::StatResult r = kelp::computeStatistics(lb_, chart, o);
        kelp::print::StatPages pages(r, "/home/diver/demo.log", kelp::dayNumber(1, 6, 2024));
        const bool period = kelp::chartKind(chart) == kelp::ChartKind::Period ||
                            kelp::chartKind(chart) == kelp::ChartKind::AirPeriod;
        const int expected = chart == kelp::kChartActivity ? 2 : period ? (r.rowCount + 39) / 40 : 1;
        QCOMPARE(pages.pageCount({}), expected);
        int first = 0, count = 0;
        pages.pageRows(expected - 1, first, count);
        QCOMPARE(first + count, r.rowCount);  // the last page ends with the last row
        const QString pdf = QStringLiteral("%1/print%2_%3.pdf").arg(out).arg(chart, 2, 10, QLatin1Char('0'))
                                .arg(metric ? "metric" : "imperial");
        const kelp::Result written = kelp::print::writePdf(pages, pdf.toStdString());
        QVERIFY2(written.ok, written.error.c_str());
        QVERIFY(QFile(pdf).size() > 1000);
      }
    }
    // the per-month chart of a long logbook runs over several pages, 40 rows each
    kelp::StatOptions o;
    o.today = kelp::dayNumber(1, 6, 2024);
    kelp::Logbook old;
    old.assignDives({[] {
      kelp::DiveRecord r = kelp::makeRecord();
      r.date = kelp::dayNumber(1, 1, 2015);
      return r;
    }()});
    kelp::print::StatPages months(kelp::computeStatistics(old, kelp::kChartMonths, o), "", o.today);
    QCOMPARE(months.pageCount({}), 3);  // 114 months
    int first = 0, count = 0;
    months.pageRows(1, first, count);
    QCOMPARE(first, 40);
    QCOMPARE(count, 40);
  }

  void printButtonRunsThePrintJob() {
    CStatPanelDlg panel(lb_);
    panel.showChart(kelp::kChartActivity);
    int offered = 0;
    const QString pdf = dir_.path() + "/stampa.pdf";
    PrintJob::hooks().choosePrinter = [&](QPrinter& printer, int pages) {
      offered = pages;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      return true;
    };
    child<QPushButton>(&panel, "11")->click();
    PrintJob::hooks().choosePrinter = nullptr;
    QCOMPARE(offered, 2);
    QVERIFY(QFile(pdf).size() > 1000);
    QVERIFY(panel.currentChart());
    QCOMPARE(panel.currentChart()->chart(), int(kelp::kChartActivity));
  }

  void menuCommandsOpenTheWindows() {
    CKelpDoc doc;
    CMainFrame frame(&doc);
    doc.logbook() = kelp::makeDemoLogbook(30, 2);
    frame.refresh();
    for (int id : {kelp::cmd::Statistics, kelp::cmd::StatLocations, kelp::cmd::StatBuddies, kelp::cmd::StatPerMonth}) {
      QString opened;
      QTimer::singleShot(100, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
          opened = w->objectName();
          w->close();
        }
      });
      frame.runCommand(id);
      QVERIFY2(!opened.isEmpty(), qPrintable(QString::number(id)));
    }
  }
};

QTEST_MAIN(TestStatWindows)
#include "test_stat_windows.moc"
