#include "profile/ui/print_job.h"

#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/ui/kelp_doc.h"

using kelp::print::kPrintDpi;

PrintJob::PrintJob(kelp::print::PageSource& source, QWidget* parent)
    : source_(source), parent_(parent) {}

PrintJob::Hooks& PrintJob::hooks() {
  static Hooks h;
  return h;
}

QPrinter& PrintJob::printer() {
  // Lives for the whole run (never deleted: a printer must not outlive the application).
  static QPrinter* p = [] {
    auto* pr = new QPrinter(QPrinter::HighResolution);
    pr->setResolution(kPrintDpi);
    pr->setPageLayout(kelp::print::defaultPageLayout());
    return pr;
  }();
  return *p;
}

void PrintJob::pageSetup(QWidget* parent) {
  QPageSetupDialog dlg(&printer(), parent);
  dlg.exec();
}

int PrintJob::paint(QPrinter& pr) {
  pr.setResolution(kPrintDpi);
  int from = 1, to = 0;
  if (pr.printRange() == QPrinter::PageRange) {
    from = pr.fromPage();
    to = pr.toPage();
  }
  return kelp::print::renderPages(source_, pr, from, to);
}

bool PrintJob::print() {
  QPrinter& pr = printer();
  pr.setResolution(kPrintDpi);
  const int count = source_.pageCount(kelp::print::pageArea(pr.pageLayout()));
  if (count <= 0) return false;
  pr.setDocName(source_.title());
  // The page range belongs to one print; printer, paper and margins carry on.
  pr.setPrintRange(QPrinter::AllPages);
  pr.setFromTo(0, 0);
  bool chosen = false;
  if (hooks().choosePrinter) {
    chosen = hooks().choosePrinter(pr, count);
  } else {
    QPrintDialog dlg(&pr, parent_);
    dlg.setWindowTitle(QCoreApplication::translate("PrintJob", "Stampa"));
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
    dlg.setMinMax(1, count);
    chosen = dlg.exec() == QDialog::Accepted;
  }
  if (!chosen) return false;
  const int printed = paint(pr);
  if (printed < 0) {
    // The printer or the file chosen in the dialog could not be opened: say so.
    const QString target = pr.outputFileName().isEmpty() ? pr.printerName() : pr.outputFileName();
    tellUser(parent_, QCoreApplication::translate("PrintJob", "Impossibile stampare su %1.").arg(target));
  }
  return printed > 0;
}

void PrintJob::preview() {
  QPrinter& pr = printer();
  pr.setResolution(kPrintDpi);
  if (source_.pageCount(kelp::print::pageArea(pr.pageLayout())) <= 0) return;
  pr.setDocName(source_.title());
  pr.setPrintRange(QPrinter::AllPages);
  pr.setFromTo(0, 0);
  QPrintPreviewDialog dlg(&pr, parent_);
  dlg.setWindowTitle(QCoreApplication::translate("PrintJob", "Anteprima Stampa"));
  QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg,
                   [this](QPrinter* target) { paint(*target); });
  if (hooks().showPreview)
    hooks().showPreview(dlg);
  else
    dlg.exec();
}

kelp::Result PrintJob::toPdf(const QString& path) {
  return kelp::print::writePdf(source_, path.toStdString(), printer().pageLayout());
}
