// kelp-cli import-uddf: the dives (and on request the books) of a UDDF file into a logbook.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "cli/cli.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/strings.h"
#include "transfer/uddf_import.h"

namespace kelp::cli {
namespace {

struct ImportArgs {
  std::string logbook, file;
  bool dryRun = false;
  bool books = false;
  std::optional<std::string> addresses, equipment;
};

int runImportUddf(const ImportArgs& a) {
  // The file first: a file that cannot be read changes nothing.
  UddfImport found;
  Result r = readUddfFile(a.file, found);
  if (!r) return fail(r.error);

  Logbook lb;
  std::error_code ec;
  const bool exists = std::filesystem::exists(a.logbook, ec);
  if (exists) {
    r = lb.loadFile(a.logbook);
    if (!r) return fail(r.error.empty() ? a.logbook + ": cannot be read" : r.error);
  } else {
    lb.newLogbook();
    lb.formCompanionNames(a.logbook);
  }

  classifyUddfDives(lb, found);
  std::string lines;
  for (const UddfDive& d : found.dives) lines += uddfDiveLine(d) + "\n";
  std::fputs(lines.c_str(), stdout);

  const int fresh = found.count(UddfDiveStatus::New);
  if (a.dryRun) {
    std::printf("%s\n", strf(63017, fresh).c_str());
    return 0;
  }
  UddfInsertReport report;
  r = insertUddfDives(lb, found, &report);
  if (!r) return fail(r.error);
  // A logbook that gained nothing is not written again.
  if (report.inserted > 0 || !exists) {
    // With the extension file, whatever the "Erweitert" option says: the extended fields of
    // the imported dives must not be lost.
    const int extended = settings().extended;
    settings().extended = 1;
    r = lb.saveFile(a.logbook);
    settings().extended = extended;
    if (!r) return fail(r.error);
  }
  std::printf("%s\n", strf(63016, report.inserted).c_str());

  if (a.books) {
    UddfBookFiles files = uddfBookFiles(lb, settings());
    if (a.addresses) files.addresses = *a.addresses;
    if (a.equipment) files.equipment = *a.equipment;
    UddfBooksReport b;
    r = importUddfBooks(files, found.books, &b);
    if (!r) return fail(r.error);
    std::printf("%s\n", strf(63018, b.owner, b.certifications, b.addresses, b.equipment, b.trips).c_str());
  }
  return 0;
}

Run setupImportUddf(CLI::App& cmd) {
  auto a = std::make_shared<ImportArgs>();
  cmd.add_option("LOGBOOK", a->logbook, "logbook file (created when it does not exist)")->required();
  cmd.add_option("FILE.uddf", a->file, "UDDF file to read")->required();
  cmd.add_flag("--dry-run", a->dryRun, "list the dives and what would be inserted; write nothing");
  CLI::Option* books = cmd.add_flag(
      "--books", a->books, "also add the owner, certifications, trips, buddy addresses and equipment to the books");
  cmd.add_option("--addresses", a->addresses, "the buddy address book (the one Kelp.ini names)")->needs(books);
  cmd.add_option("--equipment", a->equipment, "the equipment book (the one Kelp.ini names)")->needs(books);
  return [a] { return runImportUddf(*a); };
}

}  // namespace

REGISTER_CLI_COMMAND({"import-uddf",
                      "import-uddf LOGBOOK FILE.uddf [--dry-run] "
                      "[--books [--addresses FILE.adr] [--equipment FILE.dat]]",
                      "read the dives (and the books) of a UDDF file into the logbook", setupImportUddf});

}  // namespace kelp::cli
