// kelp-cli print: the logbook's printed pages into a PDF file, through the painters the
// window prints with. The only command that needs Qt (QtGui, offscreen, made here alone).
#include <QGuiApplication>
#include <QtGlobal>
#include <filesystem>
#include <memory>
#include <string>

#include "app/ui/translators.h"
#include "cli/cli.h"
#include "core/logbook.h"
#include "core/texts.h"
#include "profile/ui/print/logbook_pages.h"
#include "profile/ui/print/page_source.h"
#include "profile/print_layout.h"

namespace kelp::cli {
namespace {

struct PrintArgs {
  std::string logbook;
  std::string out;
  std::string mode = "dives";
  std::string option = "complete";
  int first = -1;  // -1: the logbook's first (last) dive
  int last = -1;
  bool separator = false;
  std::string paper = "a4";
};

// Qt's own notes (missing runtime folder and the like) are no business of the command's user.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& msg) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(msg));
}

int cmdPrint(const PrintArgs& a) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(a.logbook, ec))
    return fail(a.logbook + ": " +
                (std::filesystem::exists(a.logbook, ec) ? "not a logbook file" : "file not found"));
  Logbook lb;
  const Result loaded = lb.loadFile(a.logbook);
  if (!loaded) return fail(loaded.error.empty() ? a.logbook + ": cannot be read" : loaded.error);
  if (lb.diveCount() == 0) return fail(a.logbook + ": no dives to print");

  PrintSelection sel;
  sel.mode = a.mode == "list" ? PrintMode::List : a.mode == "cover" ? PrintMode::Cover : PrintMode::Dives;
  sel.option = a.option == "lines"     ? SlotOption::LinesOnly
               : a.option == "profile" ? SlotOption::Profile
                                       : SlotOption::Complete;
  sel.firstNumber = a.first >= 0 ? a.first : lb.dives().front().diveNumber;
  sel.lastNumber = a.last >= 0 ? a.last : lb.dives().back().diveNumber;
  clampPrintRange(sel, lb);
  const auto range = findPrintRange(lb, sel.firstNumber, sel.lastNumber);
  if (!range && sel.mode != PrintMode::Cover) {
    const bool firstFound = findPrintRange(lb, sel.firstNumber, sel.firstNumber).has_value();
    return fail(a.logbook + ": no dive has the number " +
                std::to_string(firstFound ? sel.lastNumber : sel.firstNumber));
  }

  int argc = 3;
  char name[] = "kelp-cli", platform[] = "-platform", offscreen[] = "offscreen";
  char* argv[] = {name, platform, offscreen, nullptr};
  qInstallMessageHandler(quietQtMessages);
  QGuiApplication app(argc, argv);
  ui::installTranslators(ui::currentLanguageCode());  // the printed pages' own texts

  print::LogbookPages pages(lb, sel.mode, sel.option, range, a.separator, todayDayNumber());
  if (sel.mode == PrintMode::Cover) pages.setOwner(readCoverOwner(lb.infPath));
  const Result written = print::writePdf(
      pages, a.out, print::defaultPageLayout(a.paper == "letter" ? QPageSize::Letter : QPageSize::A4));
  if (!written) return fail(written.error);
  return 0;
}

Run setupPrint(CLI::App& cmd) {
  auto a = std::make_shared<PrintArgs>();
  cmd.add_option("LOGBOOK", a->logbook, "logbook file (.log)")->required();
  cmd.add_option("OUT.pdf", a->out, "the PDF file to write")->required();
  cmd.add_option("--mode", a->mode, "dives: two dives a page (default), list: the dive list, cover: the cover")
      ->check(CLI::IsMember({"dives", "list", "cover"}));
  cmd.add_option("--option", a->option,
                 "how a dive page shows a dive: complete (default), lines (the empty form), profile")
      ->check(CLI::IsMember({"complete", "lines", "profile"}));
  cmd.add_option("--first", a->first, "first dive number (the logbook's first)")
      ->check(number(0, 65535, "a dive number"));
  cmd.add_option("--last", a->last, "last dive number (the logbook's last)")
      ->check(number(0, 65535, "a dive number"));
  cmd.add_flag("--separator", a->separator, "a line across the middle of each dive page");
  cmd.add_option("--paper", a->paper, "a4 (default) or letter")->check(CLI::IsMember({"a4", "letter"}));
  return [a] { return cmdPrint(*a); };
}

}  // namespace

REGISTER_CLI_COMMAND({"print",
                      "print LOGBOOK OUT.pdf [--mode dives|list|cover] [--option complete|lines|profile] "
                      "[--first N] [--last N] [--separator] [--paper a4|letter]",
                      "the printed pages as a PDF", setupPrint});

}  // namespace kelp::cli
