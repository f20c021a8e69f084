// kelp-cli import-uddf: Kelp's own export back into an empty logbook, the books beside it, a
// second import that changes nothing, and files that are refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "core/logbook.h"
#include "core/string_list.h"
#include "core/strings.h"
#include "records/address_book.h"
#include "records/book_date.h"
#include "records/equipment_book.h"
#include "records/owner_book.h"
#include "records/trip_book.h"
#include "tests/cli/cli_test_support.h"

namespace fs = std::filesystem;
using namespace kelp;
using namespace kelp::test;

namespace {

class CliUddfImport : public CliStatusTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(CliTest::SetUp());
    logbook = file("demo.log");
    ASSERT_EQ(run({"demo", logbook}), 0) << err;
  }

  // What `show --json --samples` prints of every dive. The export writes the sample flags it
  // has alarms for (bits 1 to 4), so only those are compared.
  std::vector<std::string> shownDives(const std::string& log, int count) {
    std::vector<std::string> out;
    const std::regex flags("\"flags\": ([0-9]+)");
    for (int i = 1; i <= count; ++i) {
      EXPECT_EQ(run({"show", log, std::to_string(i), "--json", "--samples"}), 0) << err;
      std::string s = this->out, result;
      std::smatch m;
      while (std::regex_search(s, m, flags)) {
        result += m.prefix().str() + "\"flags\": " + std::to_string(std::stoi(m[1]) & 0x1E);
        s = m.suffix().str();
      }
      out.push_back(result + s);
    }
    return out;
  }

  std::string logbook;
};

int32_t bookDate(int d, int m, int y) {
  int32_t stamp = 0;
  EXPECT_TRUE(bookDateFromDay(dayNumber(d, m, y), stamp));
  return stamp;
}

TEST_F(CliUddfImport, TheDemoLogbookAndItsBooksComeBackWhole) {
  // Buddies the export can give back: each once, joined with ", ".
  {
    Logbook lb;
    ASSERT_TRUE(lb.loadFile(logbook).ok);
    lb.modifyEach([](int, DiveRecord& r) {
      std::string joined;
      for (const std::string& b : splitEntries(getText(r.buddies)))
        if (joined.find(b) == std::string::npos) joined += (joined.empty() ? "" : ", ") + b;
      setText(r.buddies, joined);
      return true;
    });
    ASSERT_TRUE(lb.saveFile(logbook).ok);
  }
  // A book of every kind, in the order the export writes its entries.
  OwnerBook owner;
  setText(owner.owner.name, "Mario De Rossi");
  setText(owner.owner.club, "Sub & Club");
  Certification owd = makeCertification();
  setText(owd.category, "Certificazioni");
  setText(owd.designation, "Open Water");
  owd.date = bookDate(1, 2, 1999);
  setText(owd.instructor, "Paolo Galli");
  owd.cost = 100.5f;
  Certification nitrox = makeCertification();
  setText(nitrox.category, "Seminari");
  setText(nitrox.designation, "Nitrox");
  setText(nitrox.note, "Lago, freddo\r\nSeconda riga");
  owner.entries = {owd, nitrox};
  ASSERT_TRUE(saveOwnerFile(file("demo.inf"), owner));
  DiveTrip red = makeTrip();
  red.startDate = bookDate(11, 6, 2004);
  red.endDate = bookDate(18, 6, 2004);
  red.firstDive = 11;
  red.lastDive = 12;
  setText(red.destination, "Mar Rosso");
  setText(red.note, "Crociera");
  ASSERT_TRUE(saveTripFile(file("demo.trp"), {red}));
  BuddyAddress carla = makeAddress();
  setText(carla.firstName, "Carla");
  setText(carla.surname, "Bianchi");
  setText(carla.title, "Dott.");
  setText(carla.street, "Via Roma 1");
  setText(carla.town, "Genova");
  setText(carla.phone1, "010 123");
  setText(carla.phone2, "010 456");
  setText(carla.homePage, "www.example.org/carla bianchi 100%");
  setText(carla.note, "Istruttrice");
  ASSERT_TRUE(saveAddressFile(file("old.adr"), {carla}));
  EquipmentItem computer = makeEquipmentItem();
  computer.category = 3;
  setText(computer.designation, "Aladin");
  EquipmentItem reg = makeEquipmentItem();
  reg.category = 0;
  setText(reg.designation, "Erogatore");
  setText(reg.user, "Mario");
  setText(reg.purchaseDate, "01.02.2003");
  setText(reg.component1, "MK25");
  setText(reg.serialNumber1, "A123");
  setText(reg.component2, "S600");
  setText(reg.serialNumber2, "B456");
  setText(reg.configuration, "DIN");
  reg.purchasePrice = 350.0f;
  reg.serviceCost = 45.5f;
  reg.lastServiceMonth = 3;
  reg.lastServiceYear = 2005;
  reg.nextServiceMonth = 3;
  reg.nextServiceYear = 2006;
  reg.remind = 1;
  EquipmentItem bag = makeEquipmentItem();
  bag.category = 6;
  setText(bag.designation, "Borsa");
  setText(bag.purchaseDate, "primavera 98");
  setText(bag.note, "Rossa");
  ASSERT_TRUE(saveEquipmentFile(file("old.dat"), {computer, reg, bag}));

  ASSERT_EQ(CliTest::run({"export-uddf", logbook, file("demo.uddf"), "--books", "--addresses", file("old.adr"),
                          "--equipment", file("old.dat")}).code, 0);
  const std::string into = file("nuovo.log");
  ASSERT_EQ(run({"import-uddf", into, file("demo.uddf"), "--books", "--addresses", file("new.adr"), "--equipment",
                 file("new.dat")}), 0) << err;
  EXPECT_NE(out.find(strf(63016, 120)), std::string::npos) << out;
  EXPECT_NE(out.find(strf(63018, 1, 2, 1, 3, 1)), std::string::npos) << out;

  EXPECT_EQ(shownDives(into, 120), shownDives(logbook, 120));
  EXPECT_EQ(readFile(file("nuovo.inf")), readFile(file("demo.inf")));
  EXPECT_EQ(readFile(file("nuovo.trp")), readFile(file("demo.trp")));
  EXPECT_EQ(readFile(file("new.adr")), readFile(file("old.adr")));
  EXPECT_EQ(readFile(file("new.dat")), readFile(file("old.dat")));

  // The same file again: nothing new, and not one file written again.
  std::vector<std::pair<std::string, fs::file_time_type>> before;
  for (const char* name : {"nuovo.log", "nuovo.add", "nuovo.inf", "nuovo.trp", "new.adr", "new.dat"})
    before.push_back({readFile(file(name)), fs::last_write_time(file(name))});
  ASSERT_EQ(run({"import-uddf", into, file("demo.uddf"), "--books", "--addresses", file("new.adr"), "--equipment",
                 file("new.dat")}), 0) << err;
  EXPECT_NE(out.find(strf(63016, 0)), std::string::npos) << out;
  EXPECT_NE(out.find(strf(63018, 0, 0, 0, 0, 0)), std::string::npos) << out;
  EXPECT_EQ(out.find("[" + str(63000) + "]"), std::string::npos) << out;
  size_t i = 0;
  for (const char* name : {"nuovo.log", "nuovo.add", "nuovo.inf", "nuovo.trp", "new.adr", "new.dat"}) {
    EXPECT_EQ(readFile(file(name)), before[i].first) << name;
    EXPECT_EQ(fs::last_write_time(file(name)), before[i].second) << name;
    ++i;
  }
}

TEST_F(CliUddfImport, ADryRunListsTheDivesAndWritesNothing) {
  writeFile(file("due.uddf"), R"(<uddf><profiledata><repetitiongroup>
    <dive><informationbeforedive><datetime>2020-05-05T10:00</datetime></informationbeforedive>
      <informationafterdive><greatestdepth>18.4</greatestdepth><diveduration>2700</diveduration></informationafterdive></dive>
    <dive><informationbeforedive><divenumber>2</divenumber></informationbeforedive></dive>
  </repetitiongroup></profiledata></uddf>)");
  ASSERT_EQ(run({"import-uddf", file("nuovo.log"), file("due.uddf"), "--dry-run"}), 0) << err;
  EXPECT_EQ(out, "05.05.2020 10:00 18.4 m   00:45 -  [" + str(63000) + "]\n" + "-          -     -        -     -  [" +
                     strf(63002, str(63003).c_str()) + "]\n" + strf(63017, 1) + "\n");
  EXPECT_FALSE(fs::exists(file("nuovo.log")));

  // Without --dry-run the new logbook is made and the readable dive goes in.
  ASSERT_EQ(run({"import-uddf", file("nuovo.log"), file("due.uddf")}), 0) << err;
  EXPECT_NE(out.find(strf(63016, 1)), std::string::npos);
  Logbook lb;
  ASSERT_TRUE(lb.loadFile(file("nuovo.log")).ok);
  EXPECT_EQ(lb.diveCount(), 1);
}

TEST_F(CliUddfImport, FilesThatCannotBeReadChangeNothing) {
  ASSERT_EQ(run({"import-uddf", logbook, file("nessuno.uddf")}), 1);
  EXPECT_EQ(err, "kelp-cli: " + strf(63010, file("nessuno.uddf").c_str()) + "\n");
  const std::string logBytes = readFile(logbook), addBytes = readFile(file("demo.add"));
  const auto when = fs::last_write_time(logbook);

  writeFile(file("rotto.uddf"), "<uddf>\n<profiledata>\n<dive>\n</uddf>\n");
  writeFile(file("altro.uddf"), "<?xml version='1.0'?><gpx><trk/></gpx>");
  writeFile(file("corto.uddf"), "<uddf><profiledata><repetitiongroup><dive><informationbeforedive><datetime>2020-"
                                "05-05T10:00</datetime></informationbeforedive></dive><dive>");
  writeFile(file("testo.uddf"), "Data;Ora\n01.01.2020;10:00\n");
  for (const char* name : {"rotto.uddf", "altro.uddf", "corto.uddf", "testo.uddf"}) {
    EXPECT_EQ(run({"import-uddf", logbook, file(name)}), 1) << name;
    EXPECT_NE(err.find(file(name)), std::string::npos) << err;
    EXPECT_EQ(out, "") << name;
  }
  EXPECT_NE(err.find(str(63013).substr(0, 8)), std::string::npos);
  ASSERT_EQ(run({"import-uddf", logbook, file("rotto.uddf")}), 1);
  EXPECT_EQ(err, "kelp-cli: " + strf(63011, file("rotto.uddf").c_str(), 4, str(63025).c_str()) + "\n");
  EXPECT_EQ(readFile(logbook), logBytes);
  EXPECT_EQ(readFile(file("demo.add")), addBytes);
  EXPECT_EQ(fs::last_write_time(logbook), when);
}

}  // namespace
