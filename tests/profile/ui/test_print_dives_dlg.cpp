// "Stampa immersioni" (dialog 181) by its control ids, and "Stampa..." / "Anteprima Stampa"
// from the main window through to the printed pages. Set KELP_SHOT_DIR for a PNG of the dialog.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "core/demo_logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/ui/print_dives_dlg.h"
#include "profile/ui/print_job.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {

// Dive numbers printed in the slot headers, in page order.
QList<int> printedNumbers(const QString& text) {
  QList<int> out;
  auto it = QRegularExpression(QStringLiteral("Numero imm: (\\d+)")).globalMatch(text);
  while (it.hasNext()) out << it.next().captured(1).toInt();
  return out;
}

}  // namespace

class TestPrintDivesDlg : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  MessageAnswers m_answers;

  // Sends the next print to a PDF file instead of a printer.
  void printInto(const QString& file, int* offered = nullptr) {
    PrintJob::hooks().choosePrinter = [file, offered](QPrinter& pr, int pages) {
      if (offered) *offered = pages;
      pr.setOutputFormat(QPrinter::PdfFormat);
      pr.setOutputFileName(file);
      return true;
    };
  }

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    settings().unitsMetric = 1;
    m_answers.okOnly = true;
    m_answers.install();
  }
  void init() {
    settings().lastLogbookPath.clear();  // a new document starts empty
    m_answers.texts.clear();
    PrintJob::hooks() = {};
  }

  void controlsFollowTheModeAndOkTakesTheChoice() {
    PrintSelection in;
    in.firstNumber = 3;
    in.lastNumber = 7;
    CPrintDivesDlg dlg(in, true);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Stampa immersioni"));
    QVERIFY(child<QRadioButton>(&dlg, 1024)->isChecked());
    QVERIFY(child<QRadioButton>(&dlg, 1028)->isChecked());
    QVERIFY(child<QCheckBox>(&dlg, 1457)->isChecked());
    QCOMPARE(child<QLineEdit>(&dlg, 1158)->text(), QStringLiteral("3"));
    QCOMPARE(child<QLineEdit>(&dlg, 1159)->text(), QStringLiteral("7"));
    shot(&dlg, QStringLiteral("dialog_181"));

    // "Copertina" disables the numbers; the other modes enable them again.
    child<QRadioButton>(&dlg, 1027)->click();
    QVERIFY(!child<QLineEdit>(&dlg, 1158)->isEnabled());
    QVERIFY(!child<QLineEdit>(&dlg, 1159)->isEnabled());
    child<QRadioButton>(&dlg, 1026)->click();
    QVERIFY(child<QLineEdit>(&dlg, 1158)->isEnabled());
    QVERIFY(child<QLineEdit>(&dlg, 1159)->isEnabled());

    child<QRadioButton>(&dlg, 1029)->click();
    child<QCheckBox>(&dlg, 1457)->click();
    child<QLineEdit>(&dlg, 1158)->setText(QStringLiteral("12"));
    child<QLineEdit>(&dlg, 1159)->setText(QStringLiteral("4"));
    child<QAbstractButton>(&dlg, 1)->click();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    const PrintSelection out = dlg.selection();
    QCOMPARE(out.mode, PrintMode::List);
    QCOMPARE(out.option, SlotOption::LinesOnly);
    QCOMPARE(out.firstNumber, 12);  // clamped later, against the logbook
    QCOMPARE(out.lastNumber, 4);
    QVERIFY(!dlg.separator());
  }

  void emptyNumberIsRefusedButNotForTheCover() {
    PrintSelection in;
    in.firstNumber = in.lastNumber = 1;
    CPrintDivesDlg dlg(in, false);
    dlg.show();
    child<QLineEdit>(&dlg, 1159)->clear();
    child<QAbstractButton>(&dlg, 1)->click();
    QCOMPARE(m_answers.texts.size(), 1);
    QVERIFY(dlg.isVisible());  // still open
    child<QRadioButton>(&dlg, 1027)->click();
    child<QAbstractButton>(&dlg, 1)->click();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.selection().mode, PrintMode::Cover);
    QCOMPARE(dlg.selection().lastNumber, 1);  // the disabled field changes nothing
  }

  void printFromTheMainWindowKeepsTheChoiceForTheNextRun() {
    Logbook demo = makeDemoLogbook(9, 4);
    const QString log = m_dir.filePath(QStringLiteral("print.log"));
    QVERIFY(demo.saveFile(log.toStdString()).ok);
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(log));
    doc.logbook().currentPosition = 6;
    settings().printUseLine = 1;

    // First run: the range starts at the current dive; ask for dives 2..5 (numbers 2..5).
    QString opened;
    onNextDialog([&](QDialog* d) {
      opened = child<QLineEdit>(d, 1158)->text() + "-" + child<QLineEdit>(d, 1159)->text();
      child<QLineEdit>(d, 1158)->setText(QStringLiteral("2"));
      child<QLineEdit>(d, 1159)->setText(QStringLiteral("5"));
      child<QCheckBox>(d, 1457)->setChecked(false);
      child<QAbstractButton>(d, 1)->click();
    });
    const QString pdf = m_dir.filePath(QStringLiteral("run1.pdf"));
    int offered = 0;
    printInto(pdf, &offered);
    f.runCommand(cmd::Print);
    QCOMPARE(opened, QStringLiteral("6-6"));
    QCOMPARE(offered, 2);
    QCOMPARE(printedNumbers(pdfText(pdf)), QList<int>({2, 3, 4, 5}));
    QCOMPARE(settings().printUseLine, 0);

    // Second run, the preview: the dialog opens with the last choice; a number above the
    // last dive is lowered to it.
    onNextDialog([&](QDialog* d) {
      opened = child<QLineEdit>(d, 1158)->text() + "-" + child<QLineEdit>(d, 1159)->text();
      QVERIFY(!child<QCheckBox>(d, 1457)->isChecked());
      child<QRadioButton>(d, 1026)->click();
      child<QLineEdit>(d, 1159)->setText(QStringLiteral("99"));
      child<QAbstractButton>(d, 1)->click();
    });
    int previewed = -1;
    PrintJob::hooks().showPreview = [&](QPrintPreviewDialog& dlg) {
      dlg.show();
      auto* w = dlg.findChild<QPrintPreviewWidget*>();
      w->updatePreview();
      previewed = w->pageCount();
      if (!shotDir().isEmpty()) {
        dlg.resize(700, 900);
        w->fitToWidth();
        dlg.grab().save(shotDir() + "/preview_list.png");
      }
    };
    f.runCommand(cmd::PrintPreview);
    QCOMPARE(opened, QStringLiteral("2-5"));
    QCOMPARE(previewed, 1);  // dives 2..9 fit one list page

    // A cover: one page, whatever the numbers say.
    onNextDialog([&](QDialog* d) {
      child<QRadioButton>(d, 1027)->click();
      child<QAbstractButton>(d, 1)->click();
    });
    const QString cover = m_dir.filePath(QStringLiteral("cover.pdf"));
    printInto(cover, &offered);
    f.runCommand(cmd::Print);
    QCOMPARE(offered, 1);
    QVERIFY(pdfText(cover).contains(QStringLiteral("Logbook")));
    QVERIFY(m_answers.texts.isEmpty());
  }

  // After renumbering a range the numbers need not rise with the position: printing from
  // number 5 to number 8 prints the dives lying between them, in logbook order.
  void renumberedRangePrintsTheDivesBetweenInLogbookOrder() {
    Logbook demo = makeDemoLogbook(10, 5);
    std::vector<DiveRecord> dives = demo.dives();
    const int numbers[] = {1, 2, 3, 7, 8, 9, 4, 5, 6, 10};
    for (size_t i = 0; i < dives.size(); ++i) dives[i].diveNumber = static_cast<uint16_t>(numbers[i]);
    CKelpDoc doc;
    CMainFrame f(&doc);
    doc.logbook().assignDives(dives);
    onNextDialog([&](QDialog* d) {
      child<QRadioButton>(d, 1024)->click();
      child<QRadioButton>(d, 1028)->click();
      child<QLineEdit>(d, 1158)->setText(QStringLiteral("5"));
      child<QLineEdit>(d, 1159)->setText(QStringLiteral("8"));
      child<QAbstractButton>(d, 1)->click();
    });
    const QString pdf = m_dir.filePath(QStringLiteral("renumbered.pdf"));
    printInto(pdf);
    f.runCommand(cmd::Print);
    QCOMPARE(printedNumbers(pdfText(pdf)), QList<int>({8, 9, 4, 5}));
  }

  void emptyLogbookOrMissingNumberPrintsNothingAndSaysNothing() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    doc.onNewDocument();
    bool dialog = false;
    onNextDialog([&](QDialog* d) {
      dialog = true;
      d->reject();
    });
    bool printed = false;
    PrintJob::hooks().choosePrinter = [&](QPrinter&, int) { return printed = true; };
    f.runCommand(cmd::Print);
    QTest::qWait(50);
    QVERIFY(!dialog);
    QVERIFY(!printed);

    // Numbers 1, 2, 4: a range ending at 3 names no dive.
    std::vector<DiveRecord> dives = makeDemoLogbook(3, 6).dives();
    dives[2].diveNumber = 4;
    doc.logbook().assignDives(dives);
    onNextDialog([&](QDialog* d) {
      child<QRadioButton>(d, 1024)->click();
      child<QLineEdit>(d, 1158)->setText(QStringLiteral("1"));
      child<QLineEdit>(d, 1159)->setText(QStringLiteral("3"));
      child<QAbstractButton>(d, 1)->click();
    });
    f.runCommand(cmd::Print);
    QVERIFY(!printed);
    QVERIFY(m_answers.texts.isEmpty());
  }
};

QTEST_MAIN(TestPrintDivesDlg)
#include "test_print_dives_dlg.moc"
