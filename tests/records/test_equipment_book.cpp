// The equipment file byte by byte, categories outside the known ones, service reminders,
// the three sort passes and the costs per category.
#include <gtest/gtest.h>

#include "book_bytes.h"
#include "core/dive_record.h"
#include "records/equipment_book.h"

using namespace kelp;
using booktest::Bytes;

namespace {

Bytes& item(Bytes& b, int category, const std::string& designation, const std::string& user, int nextMonth,
            int nextYear, float price, float service, int remind) {
  return b.u8(category)
      .text(designation, 61)
      .text(user, 21)
      .text("3.4.2001", 31)
      .text("Primo stadio", 31)
      .text("A123", 21)
      .text("Secondo stadio", 31)
      .text("B456", 21)
      .text("DIN 300", 61)
      .u16(4)
      .u16(2005)
      .u16(nextMonth)
      .u16(nextYear)
      .f32(price)
      .f32(service)
      .text("revisione annuale", 61)
      .u8(remind);
}

EquipmentItem make(int category, const char* user, const char* designation) {
  EquipmentItem e = makeEquipmentItem();
  e.category = static_cast<uint8_t>(category);
  setText(e.user, user);
  setText(e.designation, designation);
  return e;
}

}  // namespace

TEST(EquipmentBook, ItemsAre357BytesInFieldOrderAndSaveByteIdentical) {
  Bytes b;
  b.u16(100).u16(2);
  item(b, 0, "Erogatore Apeks", "Marta", 3, 2006, 450.5f, 35.0f, 1);
  item(b, 99, "Torcia", "Luca", 0, 0, 80.0f, 0.0f, 0);
  ASSERT_EQ(b.s.size(), 4u + 2 * 357);

  std::vector<EquipmentItem> v;
  ASSERT_TRUE(readEquipment("x.dat", b.s, v).ok);
  ASSERT_EQ(v.size(), 2u);
  EXPECT_STREQ(v[0].designation, "Erogatore Apeks");
  EXPECT_STREQ(v[0].user, "Marta");
  EXPECT_STREQ(v[0].purchaseDate, "3.4.2001");
  EXPECT_STREQ(v[0].serialNumber2, "B456");
  EXPECT_STREQ(v[0].configuration, "DIN 300");
  EXPECT_EQ(v[0].lastServiceMonth, 4);
  EXPECT_EQ(v[0].lastServiceYear, 2005);
  EXPECT_EQ(v[0].nextServiceMonth, 3);
  EXPECT_EQ(v[0].nextServiceYear, 2006);
  EXPECT_FLOAT_EQ(v[0].purchasePrice, 450.5f);
  EXPECT_FLOAT_EQ(v[0].serviceCost, 35.0f);
  EXPECT_STREQ(v[0].note, "revisione annuale");
  EXPECT_EQ(v[0].remind, 1);
  // A category outside the known ones keeps its stored value.
  EXPECT_EQ(v[1].category, 99);
  EXPECT_EQ(serializeEquipment(v), b.s);

  b.s[2] = 3;  // a count beyond the file
  EXPECT_FALSE(readEquipment("x.dat", b.s, v).ok);
  EXPECT_TRUE(v.empty());
}

TEST(EquipmentBook, UnknownCategoriesShowAndSumAsAltro) {
  std::vector<EquipmentItem> v = {make(99, "Luca", "Torcia"), make(200, "Luca", "Coltello"), make(1, "Luca", "15 l")};
  v[0].purchasePrice = 80;
  v[1].purchasePrice = 20;
  v[2].purchasePrice = 300;
  v[2].serviceCost = 25.5f;
  EXPECT_EQ(equipmentCategory(v[0]), EQUIPMENT_OTHER);
  EXPECT_EQ(equipmentCategoryText(equipmentCategory(v[1])), "Altro");
  EXPECT_EQ(equipmentCategoryText(0), "Secondo stadio");
  EXPECT_EQ(equipmentCategoryButtonText(0), "Erogatori");

  const EquipmentCosts all = equipmentCosts(v, nullptr);
  EXPECT_EQ(all.categories[EQUIPMENT_OTHER].count, 2);
  EXPECT_DOUBLE_EQ(all.categories[EQUIPMENT_OTHER].purchase, 100);
  EXPECT_EQ(all.categories[1].count, 1);
  EXPECT_DOUBLE_EQ(all.categories[1].total(), 325.5);
  EXPECT_EQ(all.all.count, 3);
  EXPECT_DOUBLE_EQ(all.all.total(), 425.5);
}

TEST(EquipmentBook, CostsPerUserFollowTheUserList) {
  std::vector<EquipmentItem> v = {make(3, "Marta", "Computer"), make(4, "Luca", "Muta 7 mm"),
                                  make(4, "Marta", "Muta 5 mm")};
  v[0].purchasePrice = 600;
  v[1].purchasePrice = 250;
  v[2].purchasePrice = 200;
  v[2].serviceCost = 10;
  EXPECT_EQ(equipmentUsers(v), (std::vector<std::string>{"Marta", "Luca"}));
  const std::string marta = "Marta";
  const EquipmentCosts c = equipmentCosts(v, &marta);
  EXPECT_EQ(c.all.count, 2);
  EXPECT_EQ(c.categories[4].count, 1);
  EXPECT_DOUBLE_EQ(c.all.purchase, 800);
  EXPECT_DOUBLE_EQ(c.all.service, 10);
}

TEST(EquipmentBook, NextServiceIsDueFromItsMonthOnAndMarkedOnlyWithTheReminder) {
  EquipmentItem e = makeEquipmentItem();
  e.nextServiceMonth = 3;
  e.nextServiceYear = 2006;
  e.remind = 1;
  EXPECT_EQ(nextServiceText(e, {2006, 2}), "03.2006");
  EXPECT_EQ(nextServiceText(e, {2006, 3}), "03.2006*");
  EXPECT_EQ(nextServiceText(e, {2007, 1}), "03.2006*");
  EXPECT_EQ(nextServiceText(e, {2005, 12}), "03.2006");
  e.remind = 0;
  EXPECT_EQ(nextServiceText(e, {2010, 1}), "03.2006");
  e.nextServiceYear = 0;
  EXPECT_EQ(nextServiceText(e, {2010, 1}), "");
}

TEST(EquipmentBook, StartUpCheckNeedsReminderMonthAndYear) {
  booktest::ScratchDir dir;
  EquipmentItem due = makeEquipmentItem();
  due.remind = 1;
  due.nextServiceMonth = 3;
  due.nextServiceYear = 2006;
  EquipmentItem noMonth = due;
  noMonth.nextServiceMonth = 0;
  EquipmentItem off = due;
  off.remind = 0;
  EXPECT_TRUE(anyServiceDue({off, due}, {2006, 3}));
  EXPECT_FALSE(anyServiceDue({off, noMonth}, {2030, 1}));
  EXPECT_FALSE(anyServiceDue({due}, {2006, 2}));

  const std::string path = dir.file("ausr.dat");
  ASSERT_TRUE(saveEquipmentFile(path, {off, due}).ok);
  EXPECT_TRUE(serviceDueInFile(path, {2006, 4}));
  booktest::writeFile(path, "\x64\x00\x05\x00garbage");
  EXPECT_FALSE(serviceDueInFile(path, {2006, 4}));
  EXPECT_FALSE(serviceDueInFile(dir.file("missing.dat"), {2006, 4}));
}

TEST(EquipmentBook, SortsByCategoryThenUserThenDesignation) {
  std::vector<EquipmentItem> v = {make(4, "Marta", "Muta"),   make(1, "Luca", "15 l"),  make(99, "Anna", "Torcia"),
                                  make(1, "Anna", "12 l"),    make(4, "Marta", "Calzari"), make(1, "\x8E" "nne", "10 l"),
                                  make(0, "Luca", "Erogatore")};
  sortEquipment(v);
  std::vector<std::string> order;
  for (const auto& e : v) order.push_back(std::string(e.user) + "/" + e.designation);
  EXPECT_EQ(order, (std::vector<std::string>{"Luca/Erogatore", "Anna/12 l", "Luca/15 l", "\x8E" "nne/10 l",
                                             "Marta/Calzari", "Marta/Muta", "Anna/Torcia"}));
}
