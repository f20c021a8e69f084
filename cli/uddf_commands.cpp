// kelp-cli export-uddf: the logbook (and its personal books) as one UDDF file.
#include <memory>
#include <optional>

#include "cli/cli.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "transfer/uddf_export.h"

namespace kelp::cli {
namespace {

struct UddfArgs {
  std::string logbook, out;
  int first = 0, last = 0;
  bool books = false;
  std::optional<std::string> addresses, equipment;
};

int runExportUddf(const UddfArgs& a) {
  Logbook lb;
  Result loaded = lb.loadFile(a.logbook);
  if (!loaded) return fail(loaded.error);
  UddfOptions o;
  o.firstNumber = a.first;
  o.lastNumber = a.last;
  o.currency = settings().currency;
  UddfBooks books;
  if (a.books) {
    UddfBookFiles files = uddfBookFiles(lb, settings());
    if (a.addresses) files.addresses = *a.addresses;
    if (a.equipment) files.equipment = *a.equipment;
    Result r = loadUddfBooks(files, books);
    if (!r) return fail(r.error);
    o.books = &books;
  }
  Result r = exportUddf(lb, a.out, o);
  if (!r) return fail(r.error);
  return 0;
}

Run setupExportUddf(CLI::App& cmd) {
  auto a = std::make_shared<UddfArgs>();
  cmd.add_option("LOGBOOK", a->logbook, "logbook file")->required();
  cmd.add_option("OUT.uddf", a->out, "file to write")->required();
  cmd.add_option("--first", a->first, "number of the first dive (the first in the logbook)")
      ->check(number(1, 65535, "a dive number"));
  cmd.add_option("--last", a->last, "number of the last dive (the last in the logbook)")
      ->check(number(1, 65535, "a dive number"));
  CLI::Option* books =
      cmd.add_flag("--books", a->books, "add the owner, certifications, trips, buddy addresses and equipment");
  cmd.add_option("--addresses", a->addresses, "the buddy address book (the one Kelp.ini names)")->needs(books);
  cmd.add_option("--equipment", a->equipment, "the equipment book (the one Kelp.ini names)")->needs(books);
  return [a] { return runExportUddf(*a); };
}

}  // namespace

REGISTER_CLI_COMMAND({"export-uddf",
                      "export-uddf LOGBOOK OUT.uddf [--first N] [--last N] "
                      "[--books [--addresses FILE.adr] [--equipment FILE.dat]]",
                      "write the logbook (and its books) as one UDDF file", setupExportUddf});

}  // namespace kelp::cli
