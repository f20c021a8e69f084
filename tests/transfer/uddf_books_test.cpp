#include <gtest/gtest.h>

#include <filesystem>

#include "core/logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "records/book_date.h"
#include "transfer/uddf_export.h"
#include "tests/test_support.h"
#include "uddf_test_util.h"

using namespace kelp;
using namespace kelp::test;
namespace fs = std::filesystem;

namespace {

int32_t date(int d, int m, int y) {
  int32_t stamp = 0;
  EXPECT_TRUE(bookDateFromDay(dayNumber(d, m, y), stamp));
  return stamp;
}

std::vector<std::string> paras(pugi::xml_node notes) {
  std::vector<std::string> out;
  for (pugi::xml_node p : notes.children("para")) out.push_back(p.child_value());
  return out;
}

// Two dives with one buddy each, and a book of every kind.
class UddfBooksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 2; ++i) {
      DiveRecord r = makeRecord();
      r.date = dayNumber(12 + i, 6, 2004);
      r.timeOfDay = 600;
      setText(r.buddies, i == 0 ? "anna  maria ROSSI" : "Luca");
      lb.insert(r);
    }
    lb.renumber(11);

    setText(books.owner.owner.name, "Mario De Rossi");
    setText(books.owner.owner.club, "Sub & Club");
    Certification owd = makeCertification();
    setText(owd.category, "Certificazioni");
    setText(owd.designation, "Open Water");
    owd.date = date(1, 2, 1999);
    setText(owd.instructor, "Paolo Galli");
    owd.cost = 100.5f;
    Certification nitrox = makeCertification();
    setText(nitrox.category, "Seminari");
    setText(nitrox.designation, "Nitrox");
    setText(nitrox.note, "Lago");
    books.owner.entries = {owd, nitrox};

    BuddyAddress anna = makeAddress();
    setText(anna.firstName, "Anna Maria");
    setText(anna.surname, "Rossi");
    setText(anna.title, "Dott.");
    setText(anna.street, "Via Roma 1");
    setText(anna.postalCode, "16100");
    setText(anna.town, "Genova");
    setText(anna.phone1, "010 123");
    setText(anna.mobile, "333 456");
    setText(anna.email, "anna@example.org");
    setText(anna.homePage, "www.example.org/anna rossi 100%");
    setText(anna.note, "Istruttrice");
    BuddyAddress carla = makeAddress();
    setText(carla.firstName, "Carla");
    setText(carla.surname, "Bianchi");
    books.addresses = {anna, carla};

    EquipmentItem computer = makeEquipmentItem();
    computer.category = 3;
    setText(computer.designation, "Aladin");
    EquipmentItem reg = makeEquipmentItem();
    reg.category = 0;
    setText(reg.designation, "Erogatore");
    setText(reg.user, "Mario");
    setText(reg.purchaseDate, "1.2.2003");
    setText(reg.component1, "MK25");
    setText(reg.serialNumber1, "A123");
    setText(reg.component2, "S600");
    setText(reg.serialNumber2, "B456");
    reg.purchasePrice = 350.0f;
    reg.serviceCost = 45.5f;
    reg.lastServiceMonth = 3;
    reg.lastServiceYear = 2005;
    reg.nextServiceMonth = 3;
    reg.nextServiceYear = 2006;
    reg.remind = 1;
    EquipmentItem bag = makeEquipmentItem();
    bag.category = 99;  // read as "Altro"
    setText(bag.designation, "Borsa");
    setText(bag.purchaseDate, "primavera 98");
    books.equipment = {computer, reg, bag};

    DiveTrip red = makeTrip();
    red.startDate = date(11, 6, 2004);
    red.endDate = date(18, 6, 2004);
    red.firstDive = 11;
    red.lastDive = 12;
    setText(red.destination, "Mar Rosso");
    setText(red.note, "Crociera");
    DiveTrip later = makeTrip();
    later.firstDive = 50;
    later.lastDive = 60;
    later.endDate = date(1, 8, 2005);
    setText(later.destination, "Elba");
    books.trips = {red, later};
  }

  UddfOptions options() const {
    UddfOptions o;
    o.generatedAt = "2024-06-01T12:00:00";
    o.books = &books;
    o.currency = "DM";
    return o;
  }
  pugi::xml_document exported(const UddfOptions& o) {
    const std::string bytes = uddfDocument(lb, o);
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_buffer(bytes.data(), bytes.size()));
    return doc;
  }

  Logbook lb;
  UddfBooks books;
};

TEST_F(UddfBooksTest, EveryBookExportsToAFileTheSchemaAccepts) {
  SKIP_WITHOUT_UDDF_SCHEMA();
  const ScratchDir dir("kelp-uddf-books");
  const fs::path file = dir.path() / "books.uddf";
  ASSERT_TRUE(exportUddf(lb, file.string(), options()));
  EXPECT_EQ(uddfSchemaErrors(file.string()), "");
  // Books without entries are no trouble either.
  const UddfBooks empty;
  UddfOptions o = options();
  o.books = &empty;
  ASSERT_TRUE(exportUddf(lb, file.string(), o));
  EXPECT_EQ(uddfSchemaErrors(file.string()), "");
}

TEST_F(UddfBooksTest, TheOwnerWithCertificationsAndEquipment) {
  const pugi::xml_document doc = exported(options());
  const pugi::xml_node owner = at(doc, "/uddf/diver/owner");
  EXPECT_EQ(textAt(owner, "personal/firstname"), "Mario De");
  EXPECT_EQ(textAt(owner, "personal/lastname"), "Rossi");
  EXPECT_STREQ(at(owner, "personal/membership").attribute("organisation").value(), "Sub & Club");

  const pugi::xml_node owd = at(owner, "education/certification[1]");
  EXPECT_EQ(textAt(owd, "level"), "Open Water");
  EXPECT_EQ(textAt(owd, "instructor/personal/firstname"), "Paolo");
  EXPECT_EQ(textAt(owd, "instructor/personal/lastname"), "Galli");
  EXPECT_EQ(textAt(owd, "issuedate/datetime"), "1999-02-01T00:00:00");
  EXPECT_EQ(textAt(owner, "education/certification[2]/specialty"), "Nitrox");
  // What a certification has no element for.
  EXPECT_EQ(paras(owner.child("notes")),
            (std::vector<std::string>{"Open Water (Costi: 100.50 DM)", "Nitrox (Categoria: Seminari, Note: Lago)"}));

  // The pieces in the format's order: computer, regulator, then the others.
  std::vector<std::string> order;
  for (pugi::xml_node n : owner.child("equipment").children()) order.push_back(n.name());
  EXPECT_EQ(order, (std::vector<std::string>{"divecomputer", "regulator", "variouspieces"}));
  const pugi::xml_node reg = owner.child("equipment").child("regulator");
  EXPECT_STREQ(reg.attribute("id").value(), "equipment2");
  EXPECT_EQ(textAt(reg, "name"), "Erogatore");
  EXPECT_EQ(textAt(reg, "model"), "MK25");
  EXPECT_EQ(textAt(reg, "serialnumber"), "A123");
  EXPECT_EQ(textAt(reg, "purchase/datetime"), "2003-02-01T00:00:00");
  EXPECT_EQ(textAt(reg, "purchase/price"), "350.00");
  EXPECT_STREQ(at(reg, "purchase/price").attribute("currency").value(), "DEM");
  EXPECT_EQ(textAt(reg, "nextservicedate/datetime"), "2006-03-01T00:00:00");
  EXPECT_EQ(paras(reg.child("notes")),
            (std::vector<std::string>{"Utilizzatore: Mario", "Comp2: S600", "Numero di serie2: B456",
                                      "Ultima revisione: 03.2005", "Revisioni: 45.50 DM",
                                      "Avvisa prossima revisione"}));
  const pugi::xml_node bag = owner.child("equipment").child("variouspieces");
  EXPECT_FALSE(bag.child("purchase"));
  EXPECT_EQ(paras(bag.child("notes")), (std::vector<std::string>{"Categoria: Altro", "Comperato: primavera 98"}));
}

TEST_F(UddfBooksTest, AddressesJoinTheBuddiesOfTheirName) {
  const pugi::xml_document doc = exported(options());
  // "anna  maria ROSSI" of the dives is Anna Maria Rossi of the book; Carla Bianchi dived with
  // nobody in this logbook and comes after the buddies of the dives.
  ASSERT_EQ(doc.select_nodes("//diver/buddy").size(), 3u);
  const pugi::xml_node anna = at(doc, "//buddy[@id='buddy1']");
  EXPECT_EQ(textAt(anna, "personal/firstname"), "Anna Maria");
  EXPECT_EQ(textAt(anna, "personal/honorific"), "Dott.");
  EXPECT_EQ(textAt(anna, "address/street"), "Via Roma 1");
  EXPECT_EQ(textAt(anna, "address/city"), "Genova");
  EXPECT_EQ(textAt(anna, "address/postcode"), "16100");
  EXPECT_EQ(textAt(anna, "contact/phone"), "010 123");
  EXPECT_EQ(textAt(anna, "contact/mobilephone"), "333 456");
  EXPECT_EQ(textAt(anna, "contact/email"), "anna@example.org");
  EXPECT_EQ(textAt(anna, "contact/homepage"), "www.example.org/anna%20rossi%20100%25");
  EXPECT_EQ(textAt(anna, "notes/para"), "Istruttrice");
  EXPECT_STREQ(at(doc, "//dive[@id='dive1']/informationbeforedive/link").attribute("ref").value(), "buddy1");
  EXPECT_EQ(textAt(doc, "//buddy[@id='buddy2']/personal/firstname"), "Luca");
  EXPECT_FALSE(at(doc, "//buddy[@id='buddy2']/address"));
  EXPECT_EQ(textAt(doc, "//buddy[@id='buddy3']/personal/lastname"), "Bianchi");
  EXPECT_FALSE(at(doc, "//buddy[@id='buddy3']/contact"));
}

TEST_F(UddfBooksTest, TripsLinkTheirExportedDives) {
  const pugi::xml_document doc = exported(options());
  const pugi::xml_node red = at(doc, "/uddf/divetrip/trip[@id='trip1']");
  EXPECT_EQ(textAt(red, "name"), "Mar Rosso");
  EXPECT_STREQ(at(red, "trippart/dateoftrip").attribute("startdate").value(), "2004-06-11T00:00:00");
  EXPECT_STREQ(at(red, "trippart/dateoftrip").attribute("enddate").value(), "2004-06-18T00:00:00");
  std::string links;
  for (const pugi::xpath_node& l : red.select_nodes("trippart/relateddives/link"))
    links += std::string(l.node().attribute("ref").value()) + " ";
  EXPECT_EQ(links, "dive1 dive2 ");
  EXPECT_EQ(paras(at(red, "trippart/notes")), (std::vector<std::string>{"Crociera", "Immersioni: 00011-00012"}));
  // No dive of the second trip is in the logbook: its numbers stay in its notes. Its one date
  // is its start and its end.
  const pugi::xml_node later = at(doc, "/uddf/divetrip/trip[@id='trip2']");
  EXPECT_FALSE(at(later, "trippart/relateddives"));
  EXPECT_STREQ(at(later, "trippart/dateoftrip").attribute("startdate").value(), "2005-08-01T00:00:00");
  EXPECT_EQ(textAt(later, "trippart/notes/para"), "Immersioni: 00050-00060");
  // A range of dives links only the dives it exports.
  UddfOptions o = options();
  o.firstNumber = 12;
  const pugi::xml_document part = exported(o);
  EXPECT_EQ(part.select_nodes("//trip[@id='trip1']/trippart/relateddives/link").size(), 1u);
}

TEST(UddfCurrency, CodesOfTheCurrencyTexts) {
  EXPECT_EQ(uddfCurrency("DM"), "DEM");
  EXPECT_EQ(uddfCurrency(" eur "), "EUR");
  EXPECT_EQ(uddfCurrency("€"), "EUR");
  EXPECT_EQ(uddfCurrency("Lire"), "ITL");
  EXPECT_EQ(uddfCurrency("chf"), "CHF");
  EXPECT_EQ(uddfCurrency("Taler"), "");
  EXPECT_EQ(uddfCurrency(""), "");
}

}  // namespace
