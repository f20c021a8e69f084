// kelp-cli export-uddf: the books read from their files, ranges and refusals.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/logbook.h"
#include "records/equipment_book.h"
#include "records/owner_book.h"
#include "records/trip_book.h"
#include "../transfer/uddf_test_util.h"
#include "tests/cli/cli_test_support.h"

namespace fs = std::filesystem;
using namespace kelp;
using namespace kelp::test;

namespace {

class CliUddf : public CliStatusTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(CliTest::SetUp());
    logbook = (dir / "demo.log").string();
    ASSERT_EQ(run({"demo", logbook, "--dives", "30"}), 0) << err;
  }

  std::string logbook;
};

TEST_F(CliUddf, TheLogbookWithTheBooksBesideItAndTheOnesNamed) {
  OwnerBook owner;
  setText(owner.owner.name, "Mario Rossi");
  Certification c = makeCertification();
  setText(c.category, "Certificazioni");
  setText(c.designation, "Open Water");
  owner.entries = {c};
  ASSERT_TRUE(saveOwnerFile(file("demo.inf"), owner));
  DiveTrip t = makeTrip();
  setText(t.destination, "Elba");
  t.firstDive = 2;
  t.lastDive = 4;
  ASSERT_TRUE(saveTripFile(file("demo.trp"), {t}));
  EquipmentItem e = makeEquipmentItem();
  e.category = 1;
  setText(e.designation, "Bombola 12 l");
  ASSERT_TRUE(saveEquipmentFile(file("gear.dat"), {e}));

  ASSERT_EQ(run({"export-uddf", logbook, file("all.uddf"), "--books", "--equipment", file("gear.dat")}), 0) << err;
  EXPECT_EQ(out, "");
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_file(file("all.uddf").c_str()));
  EXPECT_EQ(doc.select_nodes("//profiledata//dive").size(), 30u);
  EXPECT_EQ(textAt(doc, "//owner/personal/firstname"), "Mario");
  EXPECT_EQ(textAt(doc, "//owner/education/certification/level"), "Open Water");
  EXPECT_EQ(textAt(doc, "//owner/equipment/tank/name"), "Bombola 12 l");
  EXPECT_EQ(doc.select_nodes("//divetrip/trip/trippart/relateddives/link").size(), 3u);
  if (haveUddfSchema()) EXPECT_EQ(uddfSchemaErrors(file("all.uddf")), "");

  // Without --books the dives alone; a range exports the dives it holds.
  ASSERT_EQ(run({"export-uddf", logbook, file("some.uddf"), "--first", "10", "--last", "12"}), 0) << err;
  ASSERT_TRUE(doc.load_file(file("some.uddf").c_str()));
  EXPECT_EQ(doc.select_nodes("//profiledata//dive").size(), 3u);
  EXPECT_FALSE(at(doc, "//divetrip"));
  EXPECT_FALSE(at(doc, "//owner/education"));
}

TEST_F(CliUddf, Refusals) {
  // A range without dives.
  EXPECT_EQ(run({"export-uddf", logbook, file("x.uddf"), "--first", "40"}), 1);
  EXPECT_NE(err.find("Numero sbagliato immersione inesistente"), std::string::npos) << err;
  // A book file that cannot be read is named, and nothing is written.
  { std::ofstream(file("demo.trp"), std::ios::binary).write("\x05\x00", 2); }
  EXPECT_EQ(run({"export-uddf", logbook, file("x.uddf"), "--books"}), 1);
  EXPECT_NE(err.find(file("demo.trp")), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(file("x.uddf")));
  // The book files are options of --books.
  EXPECT_NE(run({"export-uddf", logbook, file("x.uddf"), "--equipment", file("gear.dat")}), 0);
  // A logbook that is not there.
  EXPECT_EQ(run({"export-uddf", file("none.log"), file("x.uddf")}), 1);
  EXPECT_FALSE(fs::exists(file("x.uddf")));
}

}  // namespace
