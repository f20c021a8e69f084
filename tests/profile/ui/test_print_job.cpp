// The print job: pages of any source reach the PDF file, the printer chosen in the print
// dialog and the preview, in tenths of a millimetre, with real text; the page setup carries
// into the next print.
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include "app/ui/kelp_doc.h"
#include "core/texts.h"
#include "profile/ui/print/page_source.h"
#include "profile/ui/print_job.h"
#include "tests/ui_test_support.h"

using namespace kelp::print;
using namespace kelp::test;

namespace {

// Three pages, each with its number and a 100 mm line at 20 mm from the top.
struct NumberedPages : PageSource {
  int pages = 3;
  PageArea seen;
  int kind() const override { return kKindStatistics; }
  QString title() const override { return QStringLiteral("Numbered"); }
  int pageCount(const PageArea& area) override {
    seen = area;
    return pages;
  }
  void paintPage(QPainter& p, const PageArea& area, int index) override {
    drawPageHeader(p, area, QStringLiteral("Titolo"), QStringLiteral("Pagina %1").arg(index + 1));
    p.drawLine(mm(10), mm(20), mm(110), mm(20));
    drawPageFooter(p, area, "/tmp/mare.log", kelp::dayNumber(3, 4, 2021));
  }
};

}  // namespace

class TestPrintJob : public QObject {
  Q_OBJECT
 private slots:
  void init() { PrintJob::hooks() = {}; }

  void pdfHoldsEveryPageAsTextWithHeaderAndFooter() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("out.pdf"));
    NumberedPages pages;
    QVERIFY(writePdf(pages, file.toStdString()).ok);
    // A4 with 5 mm margins: 200 x 287 mm of printable area.
    QVERIFY(qAbs(pages.seen.width - 2000) <= 3);  // the PDF rounds its page to whole points
    QVERIFY(qAbs(pages.seen.height - 2870) <= 3);
    const QString info = pdfInfo(file);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    QVERIFY(info.contains(QStringLiteral("Numbered")));
    const QString second = pdfText(file, 2);
    QVERIFY2(second.contains(QStringLiteral("Titolo")), qPrintable(second));
    QVERIFY(second.contains(QStringLiteral("Pagina 2")));
    QVERIFY(!second.contains(QStringLiteral("Pagina 3")));
    QVERIFY(second.contains(QStringLiteral("<mare.log> Ausgedruckt am: 03.04.2021")));
  }

  void footerWithoutLogbookNameHasTheDateOnly() {
    QTemporaryDir dir;
    struct Footer : PageSource {
      int kind() const override { return kKindLogbook; }
      int pageCount(const PageArea&) override { return 1; }
      void paintPage(QPainter& p, const PageArea& a, int) override {
        drawPageFooter(p, a, "", kelp::dayNumber(1, 1, 2000));
      }
    } footer;
    const QString file = dir.filePath(QStringLiteral("f.pdf"));
    QVERIFY(writePdf(footer, file.toStdString()).ok);
    const QString text = pdfText(file).trimmed();
    QCOMPARE(text, QStringLiteral("Ausgedruckt am: 01.01.2000"));
  }

  void sourceWithoutPagesAndUnwritableFileAreErrors() {
    QTemporaryDir dir;
    NumberedPages none;
    none.pages = 0;
    const QString file = dir.filePath(QStringLiteral("none.pdf"));
    QVERIFY(!writePdf(none, file.toStdString()).ok);
    QVERIFY(!QFile::exists(file));
    NumberedPages pages;
    const std::string bad = dir.filePath(QStringLiteral("no/such/folder/x.pdf")).toStdString();
    const kelp::Result r = writePdf(pages, bad);
    QVERIFY(!r.ok);
    QVERIFY(r.error.find(bad) != std::string::npos);
  }

  void printDialogChoiceAndPageRangeReachThePrinter() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("printed.pdf"));
    int offered = 0;
    PrintJob::hooks().choosePrinter = [&](QPrinter& pr, int count) {
      offered = count;
      pr.setOutputFormat(QPrinter::PdfFormat);
      pr.setOutputFileName(file);
      pr.setPrintRange(QPrinter::PageRange);
      pr.setFromTo(2, 3);
      return true;
    };
    NumberedPages pages;
    QVERIFY(PrintJob(pages, nullptr).print());
    QCOMPARE(offered, 3);
    QVERIFY(pdfInfo(file).contains(QRegularExpression(QStringLiteral("Pages:\\s+2"))));
    QVERIFY(pdfText(file, 1).contains(QStringLiteral("Pagina 2")));

    // A file that cannot be written: the user is told, and nothing counts as printed.
    QString told;
    const auto keep = uiPrompts().message;
    uiPrompts().message = [&](QWidget*, QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons) {
      told = text;
      return int(QMessageBox::Ok);
    };
    const QString unwritable = dir.filePath(QStringLiteral("missing/printed.pdf"));
    PrintJob::hooks().choosePrinter = [&](QPrinter& pr, int) {
      pr.setOutputFileName(unwritable);
      return true;
    };
    QVERIFY(!PrintJob(pages, nullptr).print());
    uiPrompts().message = keep;
    QCOMPARE(told, QStringLiteral("Impossibile stampare su %1.").arg(unwritable));

    // Cancelled: nothing printed.
    QFile::remove(file);
    PrintJob::hooks().choosePrinter = [](QPrinter&, int) { return false; };
    QVERIFY(!PrintJob(pages, nullptr).print());
    QVERIFY(!QFile::exists(file));
  }

  void pageSetupCarriesIntoTheNextPrintAndPdf() {
    QPrinter& pr = PrintJob::printer();
    const QPageLayout before = pr.pageLayout();
    // What "Impostazioni Stampante..." leaves behind: letter paper, 10 mm margins.
    pr.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                 QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QTemporaryDir dir;
    NumberedPages pages;
    const QString file = dir.filePath(QStringLiteral("letter.pdf"));
    QVERIFY(PrintJob(pages, nullptr).toPdf(file).ok);
    QVERIFY(pdfInfo(file).contains(QStringLiteral("letter")));
    QVERIFY(qAbs(pages.seen.width - 1959) <= 3);  // 215.9 mm - 20 mm

    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    PrintJob::hooks().choosePrinter = [&](QPrinter& p, int) {
      p.setOutputFormat(QPrinter::PdfFormat);
      p.setOutputFileName(printed);
      return true;
    };
    QVERIFY(PrintJob(pages, nullptr).print());
    QVERIFY(pdfInfo(printed).contains(QStringLiteral("letter")));
    pr.setPageLayout(before);
    pr.setOutputFormat(QPrinter::NativeFormat);
  }

  void previewShowsEveryPage() {
    NumberedPages pages;
    int shown = -1;
    PrintJob::hooks().showPreview = [&](QPrintPreviewDialog& dlg) {
      dlg.show();
      auto* w = dlg.findChild<QPrintPreviewWidget*>();
      QVERIFY(w);
      w->updatePreview();
      shown = w->pageCount();
      QCOMPARE(dlg.windowTitle(), QStringLiteral("Anteprima Stampa"));
      shot(&dlg, QStringLiteral("print_preview"));
    };
    PrintJob(pages, nullptr).preview();
    QCOMPARE(shown, 3);

    // No pages: no preview at all.
    pages.pages = 0;
    shown = -1;
    PrintJob(pages, nullptr).preview();
    QCOMPARE(shown, -1);
  }
};

QTEST_MAIN(TestPrintJob)
#include "test_print_job.moc"
