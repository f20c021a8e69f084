#pragma once
// The print job: runs a PageSource (profile/ui/print/page_source.h) through one of the three
// outputs. Every window that prints builds its pages and hands them over:
//
//   MyPages pages(...);                     // a kelp::print::PageSource of its print kind
//   PrintJob(pages, this).print();          // "Stampa...": system print dialog, then prints
//   PrintJob(pages, this).preview();        // "Anteprima Stampa": print preview
//   PrintJob(pages, this).toPdf(path);      // PDF into a file
//
// All of them use the one printer of the run, which "Impostazioni Stampante..." (pageSetup())
// sets up; the printer, paper and margins chosen there or in the print dialog carry into the
// next print. A source without pages prints nothing and shows nothing.
#include <QString>
#include <functional>

#include "core/logbook.h"
#include "profile/ui/print/page_source.h"

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

class PrintJob {
 public:
  PrintJob(kelp::print::PageSource& source, QWidget* parent);

  // The system print dialog with printer choice and page range; prints on OK.
  // True when pages were sent to the printer.
  bool print();
  // The print preview dialog (it can print from there too).
  void preview();
  // Every page into a PDF file with the printer's page layout.
  kelp::Result toPdf(const QString& path);

  // The printer of the run (A4, 5 mm margins until the user changes them).
  static QPrinter& printer();
  // "Impostazioni Stampante...": page and printer setup on the printer of the run.
  static void pageSetup(QWidget* parent);

  // Tests replace the modal dialogs: choosePrinter stands for the print dialog (return false
  // to cancel), showPreview for exec() of the preview dialog. Empty = the real dialogs.
  struct Hooks {
    std::function<bool(QPrinter& printer, int pageCount)> choosePrinter;
    std::function<void(QPrintPreviewDialog& dialog)> showPreview;
  };
  static Hooks& hooks();

 private:
  int paint(QPrinter& printer);
  kelp::print::PageSource& source_;
  QWidget* parent_;
};
