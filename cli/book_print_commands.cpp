// kelp-cli book print: a book's printed pages into a PDF file, through the page painters
// the program prints with (an offscreen QtGui, no windows).
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "app/ui/translators.h"
#include "cli/book_commands.h"
#include "cli/cli.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/ui/print/page_source.h"
#include "records/ui/print/book_pages.h"

namespace kelp::cli {
namespace {

// The page painters measure and draw text through QtGui, which needs an application object.
void ensureGuiApplication() {
  if (QGuiApplication::instance()) return;
  // Qt's notes about the runtime folder of a desktop session say nothing about the PDF.
  static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) return;
    if (previous) previous(type, context, message);
  });
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "kelp-cli";
  static char* argv[] = {name, nullptr};
  static auto* app = new QGuiApplication(argc, argv);
  (void)app;
  ui::installTranslators(ui::currentLanguageCode());  // the printed pages' own texts
}

int writeBookPdf(const AnyBook& book, const std::string& file, const std::string& pdf) {
  ensureGuiApplication();
  print::BookPages pages(anyBookPrintout(book, file, settings().currency, currentYearMonth()), todayDayNumber());
  const Result r = print::writePdf(pages, pdf);
  return r ? 0 : fail(r.error);
}

const bool registered = [] {
  bookPdfWriter() = writeBookPdf;
  return true;
}();

}  // namespace
}  // namespace kelp::cli
