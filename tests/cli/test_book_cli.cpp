// kelp-cli book: JSON of every kind of book, byte-identical copies, the older layouts
// converted (with the old file kept when converted in place), printing to PDF.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/dive_record.h"
#include "core/texts.h"
#include "records/any_book.h"
#include "records/book_date.h"
#include "tests/cli/cli_test_support.h"
#include "tests/records/book_bytes.h"

namespace fs = std::filesystem;
using namespace kelp::test;

namespace {

class BookCli : public CliTest {
 protected:
  nlohmann::json show(const std::string& file) {
    const CliRun r = run({"book", "show", file});
    EXPECT_EQ(r.code, 0) << r.err;
    return nlohmann::json::parse(r.out);
  }
};

int32_t date(const char* text) { return kelp::parseBookDate(text).stamp; }

}  // namespace

TEST_F(BookCli, ShowsEveryKindAsOneObjectPerEntryWithDatesAndFieldNames) {
  kelp::EquipmentItem e = kelp::makeEquipmentItem();
  e.category = 99;
  kelp::setText(e.designation, kelp::utf8ToStored("Torcia Würth"));
  e.purchasePrice = 100.5f;
  e.nextServiceMonth = 3;
  e.nextServiceYear = 2006;
  e.remind = 1;
  const std::string dat = file("ausr.dat");
  ASSERT_TRUE(kelp::saveEquipmentFile(dat, {e}).ok);
  nlohmann::json j = show(dat);
  EXPECT_EQ(j["kind"], "equipment");
  ASSERT_EQ(j["entries"].size(), 1u);
  EXPECT_EQ(j["entries"][0]["category"], 99);
  EXPECT_EQ(j["entries"][0]["categoryText"], "Altro");
  EXPECT_EQ(j["entries"][0]["designation"], "Torcia Würth");
  EXPECT_EQ(j["entries"][0]["purchasePrice"], 100.5);
  EXPECT_EQ(j["entries"][0]["nextServiceYear"], 2006);
  EXPECT_EQ(j["entries"][0]["remind"], true);

  kelp::ActivityEntry a = kelp::makeActivity();
  kelp::setText(a.activity, "Corso");
  a.startDate = date("5.6.1965");
  a.theoryHours = 10;
  const std::string abn = file("corsi.abn");
  ASSERT_TRUE(kelp::saveActivityFile(abn, {a}).ok);
  j = show(abn);
  EXPECT_EQ(j["kind"], "activities");
  EXPECT_EQ(j["entries"][0]["startDate"], "05.06.1965");
  EXPECT_EQ(j["entries"][0]["endDate"], "");
  EXPECT_EQ(j["entries"][0]["theoryHours"], 10);

  kelp::OwnerBook owner;
  kelp::setText(owner.owner.name, "Marta Bianchi");
  kelp::Certification c = kelp::makeCertification();
  kelp::setText(c.category, "Specialita'");
  c.date = date("1.1.2001");
  owner.entries.push_back(c);
  const std::string inf = file("log.inf");
  ASSERT_TRUE(kelp::saveOwnerFile(inf, owner).ok);
  j = show(inf);
  EXPECT_EQ(j["kind"], "owner");
  EXPECT_EQ(j["layout"], "current");
  EXPECT_EQ(j["owner"]["name"], "Marta Bianchi");
  EXPECT_EQ(j["entries"][0]["category"], "Specialita´");  // as the program shows it
  EXPECT_EQ(j["entries"][0]["date"], "01.01.2001");

  // No book by its extension, a missing file and a damaged one are errors.
  EXPECT_EQ(run({"book", "show", file("x.txt")}).code, 1);
  EXPECT_EQ(run({"book", "show", file("missing.adr")}).code, 1);
  writeFile(file("rotto.adr"), std::string("\x64\x00\x02\x00", 4));
  const CliRun bad = run({"book", "show", file("rotto.adr")});
  EXPECT_EQ(bad.code, 1);
  EXPECT_NE(bad.err.find("rotto.adr"), std::string::npos);
}

TEST_F(BookCli, SaveAsCopiesCurrentLayoutsByteForByteAndConvertsOlderOnes) {
  // An address with bytes behind a text's end: kept as they are.
  booktest::Bytes adr;
  adr.u16(100).u16(1).text("Anna", 31, 'x').text("Rossi", 31);
  adr.zeros(494 - 62);
  const std::string in = file("amici.adr"), out = file("copia.adr");
  writeFile(in, adr.s);
  ASSERT_EQ(run({"book", "save-as", in, out}).code, 0);
  EXPECT_EQ(readFile(out), adr.s);
  EXPECT_EQ(run({"book", "save-as", in, file("copia.dat")}).code, 1);  // another kind of book

  booktest::Bytes trp;
  trp.u16(1).i32(date("1.8.1998")).i32(0).i32(1).i32(9).text("Elba", 61).text("nota", 155);
  const std::string old = file("log.trp");
  writeFile(old, trp.s);
  ASSERT_EQ(run({"book", "save-as", old, file("nuovo.trp")}).code, 0);
  EXPECT_EQ(readFile(file("nuovo.trp")).size(), 6u + 656);
  EXPECT_FALSE(fs::exists(old + ".bak"));
  EXPECT_EQ(readFile(old), trp.s);
  // In place: the old file stays beside the converted one.
  ASSERT_EQ(run({"book", "save-as", old, old}).code, 0);
  EXPECT_EQ(readFile(old + ".bak"), trp.s);
  EXPECT_EQ(readFile(old), readFile(file("nuovo.trp")));
  EXPECT_EQ(show(old)["layout"], "current");
}

TEST_F(BookCli, PrintWritesThePagesAsText) {
  if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext missing";
  std::vector<kelp::DiveTrip> trips;
  for (int i = 0; i < 60; ++i) {
    kelp::DiveTrip t = kelp::makeTrip();
    t.firstDive = 10 * i + 1;
    t.lastDive = 10 * i + 9;
    kelp::setText(t.destination, "Destinazione " + std::to_string(i));
    trips.push_back(t);
  }
  const std::string trp = file("log.trp"), pdf = file("viaggi.pdf");
  ASSERT_TRUE(kelp::saveTripFile(trp, trips).ok);
  const CliRun r = run({"book", "print", trp, pdf});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(r.err.empty()) << r.err;
  ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + file("viaggi.txt") + "'").c_str()), 0);
  const std::string text = readFile(file("viaggi.txt"));
  EXPECT_NE(text.find("Viaggi sub"), std::string::npos);
  EXPECT_NE(text.find("00591-00599"), std::string::npos);
  EXPECT_NE(text.find("<log.trp> Ausgedruckt am:"), std::string::npos);
  // Every trip is printed once, over more than one page.
  for (int i = 0; i < 60; ++i) {
    const std::string name = "Destinazione " + std::to_string(i) + " ";
    const size_t at = text.find(name);
    ASSERT_NE(at, std::string::npos) << name;
    EXPECT_EQ(text.find(name, at + 1), std::string::npos) << name;
  }
  EXPECT_NE(text.find('\f'), text.rfind('\f'));  // pdftotext ends each page with a form feed
}
