// kelp-cli book: show, save and print the personal books (kind by the file's extension).
#include "cli/book_commands.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/cli.h"
#include "core/dive_record.h"
#include "core/texts.h"
#include "records/book_date.h"

namespace kelp::cli {

BookPdfWriter& bookPdfWriter() {
  static BookPdfWriter w;
  return w;
}

namespace {

using Json = nlohmann::ordered_json;

template <size_t N> std::string t(const char (&field)[N]) { return storedToUtf8(getText(field)); }

// A stored float as the shortest decimal that reads back as the same float (100.5, not
// 100.5000000001); null when it is not a number.
Json number(float f) {
  if (!std::isfinite(f)) return nullptr;
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, f);
  return std::stod(std::string(buf, r.ptr));
}

Json addressJson(const BuddyAddress& a) {
  return {{"firstName", t(a.firstName)}, {"surname", t(a.surname)}, {"title", t(a.title)},
          {"street", t(a.street)},       {"postalCode", t(a.postalCode)}, {"town", t(a.town)},
          {"province", t(a.province)},   {"phone1", t(a.phone1)}, {"phone2", t(a.phone2)},
          {"fax", t(a.fax)},             {"mobile", t(a.mobile)}, {"email", t(a.email)},
          {"homePage", t(a.homePage)},   {"note", t(a.note)}};
}

Json equipmentJson(const EquipmentItem& e) {
  return {{"category", e.category},
          {"categoryText", equipmentCategoryText(equipmentCategory(e))},
          {"designation", t(e.designation)},
          {"user", t(e.user)},
          {"purchaseDate", t(e.purchaseDate)},
          {"component1", t(e.component1)},
          {"serialNumber1", t(e.serialNumber1)},
          {"component2", t(e.component2)},
          {"serialNumber2", t(e.serialNumber2)},
          {"configuration", t(e.configuration)},
          {"lastServiceMonth", e.lastServiceMonth},
          {"lastServiceYear", e.lastServiceYear},
          {"nextServiceMonth", e.nextServiceMonth},
          {"nextServiceYear", e.nextServiceYear},
          {"purchasePrice", number(e.purchasePrice)},
          {"serviceCost", number(e.serviceCost)},
          {"note", t(e.note)},
          {"remind", e.remind != 0}};
}

Json activityJson(const ActivityEntry& e) {
  return {{"activity", t(e.activity)},          {"startDate", formatBookDate(e.startDate)},
          {"endDate", formatBookDate(e.endDate)}, {"theoryHours", e.theoryHours},
          {"practiceHours", e.practiceHours},   {"persons", e.persons},
          {"note", t(e.note)}};
}

Json tripJson(const DiveTrip& d) {
  return {{"startDate", formatBookDate(d.startDate)}, {"endDate", formatBookDate(d.endDate)},
          {"firstDive", d.firstDive},                 {"lastDive", d.lastDive},
          {"destination", t(d.destination)},          {"note", t(d.note)}};
}

Json certificationJson(const Certification& c) {
  return {{"category", t(c.category)}, {"designation", t(c.designation)}, {"date", formatBookDate(c.date)},
          {"instructor", t(c.instructor)}, {"cost", number(c.cost)},      {"note", t(c.note)}};
}

int show(const std::string& file) {
  AnyBook book;
  const Result r = loadAnyBook(file, book);
  if (!r) return fail(r.error);
  Json j;
  j["file"] = file;
  j["kind"] = bookKindName(book.kind);
  if (book.kind == kBookTrips || book.kind == kBookOwner) j["layout"] = book.oldLayout ? "old" : "current";
  if (book.kind == kBookOwner) j["owner"] = {{"name", t(book.owner.owner.name)}, {"club", t(book.owner.owner.club)}};
  Json entries = Json::array();
  switch (book.kind) {
    case kBookAddresses: for (const auto& a : book.addresses) entries.push_back(addressJson(a)); break;
    case kBookEquipment: for (const auto& e : book.equipment) entries.push_back(equipmentJson(e)); break;
    case kBookActivities: for (const auto& e : book.activities) entries.push_back(activityJson(e)); break;
    case kBookTrips: for (const auto& d : book.trips) entries.push_back(tripJson(d)); break;
    case kBookOwner: for (const auto& c : book.owner.entries) entries.push_back(certificationJson(c)); break;
  }
  j["entries"] = std::move(entries);
  const std::string s = j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
  std::fwrite(s.data(), 1, s.size(), stdout);
  return 0;
}

int saveAs(const std::string& file, const std::string& out) {
  AnyBook book;
  Result r = loadAnyBook(file, book);
  if (!r) return fail(r.error);
  const int outKind = bookKindOfFile(out);
  if (outKind && outKind != book.kind)
    return fail(out + ": the extension names another kind of book than " + file);
  // Converting a file of the older layout in place keeps the old file beside it.
  std::error_code ec;
  const bool inPlace = std::filesystem::equivalent(file, out, ec);
  r = saveAnyBook(out, book, book.oldLayout && inPlace);
  if (!r) return fail(r.error);
  return 0;
}

int print(const std::string& file, const std::string& pdf) {
  if (!bookPdfWriter()) return fail("printing is not part of this build");
  AnyBook book;
  const Result r = loadAnyBook(file, book);
  if (!r) return fail(r.error);
  return bookPdfWriter()(book, file, pdf);
}

struct BookArgs {
  std::string file, out;
};

Run setupBook(CLI::App& cmd) {
  auto a = std::make_shared<BookArgs>();
  cmd.require_subcommand(1, 1);
  CLI::App* showCmd = cmd.add_subcommand("show", "the entries as JSON, one object per entry");
  showCmd->add_option("FILE", a->file, "book file (.adr, .dat, .abn, .trp, .inf)")->required();
  CLI::App* saveCmd = cmd.add_subcommand("save-as", "load and save (older layouts converted)");
  saveCmd->add_option("FILE", a->file, "book file")->required();
  saveCmd->add_option("OUT", a->out, "the file to write")->required();
  CLI::App* printCmd = cmd.add_subcommand("print", "the printed pages into a PDF file");
  printCmd->add_option("FILE", a->file, "book file")->required();
  printCmd->add_option("OUT.pdf", a->out, "the PDF file to write")->required();
  return [a, showCmd, saveCmd, printCmd]() -> int {
    if (showCmd->parsed()) return show(a->file);
    if (saveCmd->parsed()) return saveAs(a->file, a->out);
    if (printCmd->parsed()) return print(a->file, a->out);
    return fail("book: show, save-as or print");
  };
}

}  // namespace

REGISTER_CLI_COMMAND({"book", "book show|save-as|print FILE [OUT]",
                      "a personal book: show as JSON, save (converting), print to PDF", setupBook});

}  // namespace kelp::cli
