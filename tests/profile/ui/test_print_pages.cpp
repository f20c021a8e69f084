// The logbook's printed pages, read back from the PDF by their text: dive pages in their three
// options, the dive list, the cover with the owner's data; the printed profile seen on a
// rendered page. Set KELP_SHOT_DIR to keep the PDFs.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "core/computer_models.h"
#include "core/demo_logbook.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/ui/print/logbook_pages.h"
#include "profile/print_layout.h"
#include "profile/ui/profile_plot.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::print;
using namespace kelp::test;

namespace {

int32_t kToday = dayNumber(24, 12, 2023);

// A page painted into an image at the print resolution (one pixel a tenth of a millimetre),
// A4 unless a printable height is given.
QImage paintA4(LogbookPages& pages, int index, int height = 2870) {
  QImage img(2000, height, QImage::Format_RGB32);
  img.setDotsPerMeterX(10000);
  img.setDotsPerMeterY(10000);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setFont(printFont(Face::Sans, 9));
  pages.paintPage(p, PageArea{2000, height}, index);
  return img;
}

int countColour(const QImage& img, const QRect& r, QRgb c) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) == (c & 0xFFFFFF);
  return n;
}

int countInk(const QImage& img, const QRect& r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
  return n;
}

}  // namespace

class TestPrintPages : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  Logbook m_lb;

  QString pdf(LogbookPages& pages, const QString& name) {
    const QString file = m_dir.filePath(name);
    const Result r = writePdf(pages, file.toStdString());
    if (!r.ok) qWarning("%s", r.error.c_str());
    if (!shotDir().isEmpty()) {
      QFile::remove(shotDir() + "/" + name);
      QFile::copy(file, shotDir() + "/" + name);
    }
    return file;
  }
  LogbookPages pages(PrintMode mode, SlotOption option, int first, int last, bool separator = true) {
    return LogbookPages(m_lb, mode, option, PrintRange{first, last}, separator, kToday);
  }

 private slots:
  void initTestCase() {
    settings().unitsMetric = 1;
    m_lb = makeDemoLogbook(120, 7);
    // Dive 2 carries every text a slot shows.
    m_lb.modify(2, [](DiveRecord& r) {
      parseText(r.location, "Lago di Garda");
      parseText(r.site, "Punta San Vigilio");
      parseText(r.buddies, "Anna Rossi, Marco Bianchi");
      setNotes(r, utf8ToStored("Acqua limpida, visibilità 12 m.\nUn luccio sotto la parete."));
    });
    QVERIFY(m_lb.saveFile(m_dir.filePath(QStringLiteral("mare.log")).toStdString()).ok);
  }

  void completeDivePagesCarryEveryFieldTwoDivesAPage() {
    LogbookPages p = pages(PrintMode::Dives, SlotOption::Complete, 2, 4);
    const QString file = pdf(p, QStringLiteral("dives_complete.pdf"));
    QCOMPARE(pdfPages(file), 2);
    const QString one = pdfText(file, 1);
    const DiveRecord& r = m_lb.dives()[1];
    QVERIFY2(one.contains(QStringLiteral("Numero imm: %1").arg(r.diveNumber)), qPrintable(one));
    QVERIFY(one.contains(QStringLiteral("Numero imm: %1").arg(m_lb.dives()[2].diveNumber)));
    for (const char* label : {"Data:", "Ora:", "Intervalli:", "Località:", "Luogo:", "Altitudine:",
                              "Temperatura aria:", "Meteo:", "Temperatura min:", "Muta:",
                              "Litri bombola:", "Prof max:", "Tempo imm:", "Consumo aria:",
                              "Consumo aria.:", "Tipo imm:", "Attività:", "Allarmi:", "Compagno:",
                              "Firma/Timbro:"})
      QVERIFY2(one.contains(QString::fromUtf8(label)), label);
    QVERIFY(one.contains(QStringLiteral("Lago di Garda")));
    QVERIFY(one.contains(QStringLiteral("Punta San Vigilio")));
    QVERIFY(one.contains(QStringLiteral("Anna Rossi, Marco Bianchi")));
    QVERIFY(one.contains(QStringLiteral("visibilità 12 m.")));
    QVERIFY(one.contains(QStringLiteral("Un luccio sotto la parete.")));
    QVERIFY(one.contains(QString::fromStdString(formatDateLong(r.date))));
    QVERIFY(one.contains(QString::fromStdString(formatMaxDepth(r))));
    QVERIFY(one.contains(QStringLiteral("<mare.log>")));
    if (r.computerType)
      QVERIFY(one.contains(QString::fromStdString(computerDisplayName(r.computerType))));
    QVERIFY(one.contains(QStringLiteral("Ausgedruckt am: 24.12.2023")));
    // The third page slot holds the last dive alone.
    const QString two = pdfText(file, 2);
    QCOMPARE(two.count(QStringLiteral("Numero imm:")), 1);
    QVERIFY(two.contains(QStringLiteral("Numero imm: %1").arg(m_lb.dives()[3].diveNumber)));
  }

  void linesOnlyPageIsAnEmptyForm() {
    LogbookPages p = pages(PrintMode::Dives, SlotOption::LinesOnly, 2, 3);
    const QString file = pdf(p, QStringLiteral("dives_lines.pdf"));
    const QString text = pdfText(file, 1);
    QCOMPARE(text.count(QStringLiteral("Numero imm:")), 2);
    QCOMPARE(text.count(QStringLiteral("Temperatura aria:")), 2);
    QCOMPARE(text.count(QStringLiteral("Firma/Timbro:")), 2);
    QVERIFY(text.contains(QStringLiteral("l/min")));
    QVERIFY(!text.contains(QStringLiteral("Lago di Garda")));
    QCOMPARE(text.count(QStringLiteral("<mare.log>")), 1);  // the footer alone
    QVERIFY(!text.contains(QString::fromStdString(formatDateLong(m_lb.dives()[1].date))));
    // The frame and lines are there: the page is far from blank.
    const QImage img = paintA4(p, 0);
    QVERIFY(countColour(img, QRect(0, 0, 2000, 2870), qRgb(0, 0, 0)) > 20000);
  }

  void profileOptionPrintsHeaderAndProfileOnly() {
    LogbookPages p = pages(PrintMode::Dives, SlotOption::Profile, 2, 2);
    const QString file = pdf(p, QStringLiteral("dives_profile.pdf"));
    const QString text = pdfText(file, 1);
    QVERIFY(text.contains(QStringLiteral("Numero imm: %1").arg(m_lb.dives()[1].diveNumber)));
    QVERIFY(!text.contains(QStringLiteral("Località:")));
    QVERIFY(!text.contains(QStringLiteral("Firma/Timbro:")));
  }

  // The curve is blue inside the slot's profile room; a dive without a profile leaves it white.
  void printedProfileSitsInItsRoomAndOnlyWithAProfile() {
    int with = 0, without = 0;
    for (int pos = 1; pos <= m_lb.diveCount() && (!with || !without); ++pos)
      (m_lb.dives()[pos - 1].sampleCount > 0 ? with : without) = pos;
    QVERIFY(with && without);
    const DiveSlotLayout l = diveSlotLayout(kUpperSlotTop, diveSlotHeight(2870));
    const QRect room(slot_x::kProfileLeft, l.profileTop, slot_x::kProfileRight - slot_x::kProfileLeft,
                     l.profileBottom - l.profileTop);
    const QRect notes(slot_x::kFrameLeft + 10, l.profileTop, slot_x::kNotesRight - slot_x::kFrameLeft - 20,
                      l.bottom - l.profileTop - 10);
    LogbookPages a = pages(PrintMode::Dives, SlotOption::Complete, with, with);
    const QImage withImg = paintA4(a, 0);
    QVERIFY(countColour(withImg, room, qRgb(0, 0, 255)) > 500);
    QCOMPARE(countColour(withImg, notes, qRgb(0, 0, 255)), 0);
    // The depth grows downwards on paper: the curve's deepest point lies in the lower part of the room.
    const QRect lowerHalf(room.left(), room.top() + room.height() / 4, room.width(), room.height() / 3);
    QVERIFY(countColour(withImg, lowerHalf, qRgb(0, 0, 255)) > 0);
    LogbookPages b = pages(PrintMode::Dives, SlotOption::Complete, without, without);
    const QImage withoutImg = paintA4(b, 0);
    QCOMPARE(countColour(withoutImg, room, qRgb(0, 0, 255)), 0);
  }

  // Paper at the print resolution, y upwards: depth labels of one, two and three digits
  // (feet) all end left of the axis.
  void depthLabelsOnPaperEndLeftOfTheAxis() {
    QImage img(800, 700, QImage::Format_RGB32);
    img.setDotsPerMeterX(10000);
    img.setDotsPerMeterY(10000);
    img.fill(Qt::white);
    {
      QPainter p(&img);
      p.scale(1, -1);
      CProfilePlot plot;
      plot.setFrame(Qt::blue, Qt::red, 200, -50, 500, -600);
      plot.setMetric(false);
      plot.setRanges(0, 10, 0, 120);
      plot.setYStep(60);  // labels 0, 60 and 120
      plot.drawTimeAxes(p, 0, false);
    }
    QVERIFY(countColour(img, QRect(0, 0, 200, 700), qRgb(255, 0, 0)) > 0);
    // Label pixels (red) right of the axis line would run into the graph.
    int right = 0;
    for (int y = 0; y < 700; ++y)
      for (int x = 199; x < 800; ++x) right += (img.pixel(x, y) & 0xFFFFFF) == 0xFF0000;
    QCOMPARE(right, 0);
  }

  // Paper at the print resolution, the printed profile's width: for dives of 26 to 50
  // minutes no minute label runs into the next one (the screen's every-second-minute rule
  // makes them touch there), and short dives still label every minute.
  void minuteLabelsOnPaperNeverTouch() {
    const int left = slot_x::kProfileLeft, width = slot_x::kProfileRight - slot_x::kProfileLeft;
    auto touching = [&](int minutes, CProfilePlot::MinuteLabels rule, int* step) {
      QImage img(2200, 700, QImage::Format_RGB32);
      img.setDotsPerMeterX(10000);
      img.setDotsPerMeterY(10000);
      img.fill(Qt::white);
      const int ticks = 3 * minutes + 1;
      CProfilePlot plot;
      {
        QPainter p(&img);
        p.scale(1, -1);
        plot.setFrame(Qt::blue, Qt::red, left, -50, width, -500);
        plot.setRanges(0, ticks - 1, 0, 30);
        plot.setYStep(5);
        *step = plot.minuteLabelStep(p, ticks, rule);
        plot.drawTimeAxes(p, ticks, false, rule);
      }
      // The label starting at each labelled minute: the three columns before it are blank.
      auto ink = [&](int x) {
        for (int y = 558; y < 640; ++y)
          if ((img.pixel(x, y) & 0xFFFFFF) == 0xFF0000) return true;
        return false;
      };
      int touches = 0, labels = 0;
      for (int m = *step; m <= minutes; m += *step) {
        const int start = plot.map(3 * m, 0).x() - (m < 10 ? 4 : m < 100 ? 8 : 12);
        if (ink(start + 8) || ink(start + 12) || ink(start + 16)) ++labels;
        if (m > *step && (ink(start - 1) || ink(start - 2) || ink(start - 3))) ++touches;
      }
      // Every labelled minute shows ink where its label starts.
      return labels == minutes / *step ? touches : -1;
    };
    int screenTouches = 0;
    for (int minutes = 26; minutes <= 50; ++minutes) {
      int step = 0;
      QCOMPARE(touching(minutes, CProfilePlot::MinuteLabels::ByWidth, &step), 0);
      screenTouches += touching(minutes, CProfilePlot::MinuteLabels::ByLength, &step);
    }
    QVERIFY(screenTouches > 0);  // the check sees labels that touch
    int step = 0;
    touching(10, CProfilePlot::MinuteLabels::ByWidth, &step);
    QCOMPARE(step, 1);
  }

  // Notes longer than their room (on letter paper the longest notes do not fit) stop at a
  // whole line above the signature line.
  void longNotesStopAboveTheSignature() {
    Logbook lb = m_lb;
    std::string notes;
    while (notes.size() < 505) notes += "parola ";
    lb.modify(9, [&](DiveRecord& r) { setNotes(r, notes); });
    LogbookPages p(lb, PrintMode::Dives, SlotOption::Complete, PrintRange{9, 9}, false, kToday);
    const int letter = 2694;
    const QImage img = paintA4(p, 0, letter);
    const DiveSlotLayout l = diveSlotLayout(kUpperSlotTop, diveSlotHeight(letter));
    // Nothing but the line itself from 1 mm above it down to the label under it.
    const int w = slot_x::kNotesRight - slot_x::kLabel - 10;
    QCOMPARE(countInk(img, QRect(slot_x::kLabel, l.signatureLine - 10, w, 8)), 0);
    QCOMPARE(countInk(img, QRect(slot_x::kLabel, l.signatureLine + 3, w, l.signatureText - l.signatureLine - 3)), 0);
    const QRect notesRoom(slot_x::kLabel, l.notesTop, slot_x::kNotesRight - slot_x::kLabel - 10,
                          l.signatureLine - 10 - l.notesTop);
    QVERIFY(countColour(img, notesRoom, qRgb(0, 0, 0)) > 2000);
  }

  void separatorLineOnlyWhenAsked() {
    const int y = separatorY(2870);
    const QRect band(0, y - 3, 2000, 6);
    LogbookPages on = pages(PrintMode::Dives, SlotOption::Complete, 5, 5, true);
    LogbookPages off = pages(PrintMode::Dives, SlotOption::Complete, 5, 5, false);
    QVERIFY(countColour(paintA4(on, 0), band, qRgb(0, 0, 0)) > 500);
    QCOMPARE(countColour(paintA4(off, 0), band, qRgb(0, 0, 0)), 0);
  }

  void diveListRunsOverPagesInLogbookOrder() {
    LogbookPages p = pages(PrintMode::List, SlotOption::Complete, 1, 120);
    const QString file = pdf(p, QStringLiteral("dive_list.pdf"));
    const int rows = listRowsPerPage(2870);
    QCOMPARE(pdfPages(file), (120 + rows - 1) / rows);
    const QString one = pdfText(file, 1);
    for (const char* h : {"Lista imm", "Imm-N°.", "Data", "Ora", "Località", "Luogo", "Tempo imm", "Prof",
                          "Compagno"})
      QVERIFY2(one.contains(QString::fromUtf8(h)), h);
    QVERIFY(one.contains(QStringLiteral("Lago di Garda")));
    QVERIFY(one.contains(QString::fromStdString(formatDateShort(m_lb.dives()[0].date))));
    // Page 2 starts with the row after the last of page 1.
    const QString two = pdfText(file, 2);
    const QRegularExpression firstRow(QStringLiteral("^\\s*(\\d+)\\s+\\d\\d\\.\\d\\d\\.\\d\\d"),
                                      QRegularExpression::MultilineOption);
    const auto m = firstRow.match(two);
    QVERIFY(m.hasMatch());
    QCOMPARE(m.captured(1).toInt(), int(m_lb.dives()[rows].diveNumber));
  }

  void coverCarriesTitleAndOwnerOnOnePage() {
    // The owner file: format 100, no certifications, owner name and club.
    std::string bytes(4 + 122, '\0');
    bytes[0] = 100;
    const std::string name = utf8ToStored("Giulia Ferrè"), club = utf8ToStored("Sub Club Verona");
    bytes.replace(4, name.size(), name);
    bytes.replace(4 + 61, club.size(), club);
    std::ofstream(m_lb.infPath, std::ios::binary) << bytes;
    LogbookPages p(m_lb, PrintMode::Cover, SlotOption::Complete, std::nullopt, true, kToday);
    p.setOwner(readCoverOwner(m_lb.infPath));
    const QString file = pdf(p, QStringLiteral("cover.pdf"));
    QCOMPARE(pdfPages(file), 1);
    const QString text = pdfText(file);
    QVERIFY(text.contains(QStringLiteral("Logbook")));
    QVERIFY(text.contains(QStringLiteral("Giulia Ferrè")));
    QVERIFY(text.contains(QStringLiteral("Sub Club Verona")));
  }

  void nothingToPrintWithoutDivesOrRange() {
    Logbook empty;
    LogbookPages cover(empty, PrintMode::Cover, SlotOption::Complete, std::nullopt, false, kToday);
    QCOMPARE(cover.pageCount(PageArea{2000, 2870}), 0);
    LogbookPages noRange(m_lb, PrintMode::Dives, SlotOption::Complete, std::nullopt, false, kToday);
    QCOMPARE(noRange.pageCount(PageArea{2000, 2870}), 0);
    LogbookPages outside = pages(PrintMode::List, SlotOption::Complete, 100, 121);
    QCOMPARE(outside.pageCount(PageArea{2000, 2870}), 0);
  }
};

QTEST_MAIN(TestPrintPages)
#include "test_print_pages.moc"
