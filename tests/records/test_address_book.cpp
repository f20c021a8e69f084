// The buddy address file byte by byte, damaged files, sorting and the list texts.
#include <gtest/gtest.h>

#include <filesystem>

#include "book_bytes.h"
#include "core/dive_record.h"
#include "core/texts.h"
#include "records/address_book.h"

using namespace kelp;
using booktest::Bytes;

namespace {

// One address written by hand: each field at its offset and size.
Bytes& address(Bytes& b, const std::string& first, const std::string& surname, const std::string& code = "",
               const std::string& town = "", const std::string& street = "", const std::string& phone = "") {
  return b.text(first, 31)
      .text(surname, 31)
      .text("Dott.", 31)
      .text(street, 31)
      .text(code, 11)
      .text(town, 31)
      .text("MI", 31)
      .text(phone, 21)
      .text("", 21)
      .text("", 21)
      .text("333 1234567", 21)
      .text("anna@example.org", 51)
      .text("", 81)
      .text("note", 81);
}

std::vector<BuddyAddress> readOk(const std::string& bytes) {
  std::vector<BuddyAddress> v;
  Result r = readAddresses("x.adr", bytes, v);
  EXPECT_TRUE(r.ok) << r.error;
  return v;
}

}  // namespace

TEST(AddressBook, FieldsSitAtTheirOffsetsAndAFileSavesByteIdentical) {
  Bytes b;
  b.u16(100).u16(2);
  address(b, "Anna", "Rossi", "20121", "Milano", "Via Brera 3", "02 123456");
  // Bytes behind a text's NUL are part of the file and stay as they are.
  Bytes second;
  address(second, "Jürgen", "Müller");
  second.s[31 + 8] = 'x';  // after "Müller"'s NUL inside the surname field
  b.s += second.s;
  ASSERT_EQ(b.s.size(), 4u + 2 * 494);

  const auto v = readOk(b.s);
  ASSERT_EQ(v.size(), 2u);
  EXPECT_STREQ(v[0].firstName, "Anna");
  EXPECT_STREQ(v[0].postalCode, "20121");
  EXPECT_STREQ(v[0].town, "Milano");
  EXPECT_STREQ(v[0].phone1, "02 123456");
  EXPECT_STREQ(v[0].mobile, "333 1234567");
  EXPECT_STREQ(v[0].email, "anna@example.org");
  EXPECT_STREQ(v[0].note, "note");
  EXPECT_EQ(serializeAddresses(v), b.s);
}

TEST(AddressBook, DamagedFilesAreRefusedAndNotReadPastTheirEnd) {
  Bytes one;
  one.u16(100).u16(1);
  address(one, "Anna", "Rossi");
  std::vector<BuddyAddress> v;

  // The count promises more records than the file holds.
  Bytes more = one;
  more.s[2] = 3;
  Result r = readAddresses("/tmp/amici.adr", more.s, v);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("/tmp/amici.adr"), std::string::npos);
  EXPECT_TRUE(v.empty());
  // A file ending inside its header or inside a record.
  EXPECT_FALSE(readAddresses("x.adr", one.s.substr(0, 3), v).ok);
  EXPECT_FALSE(readAddresses("x.adr", one.s.substr(0, one.s.size() - 1), v).ok);
  // An empty file is an empty book.
  EXPECT_TRUE(readAddresses("x.adr", "", v).ok);
  EXPECT_TRUE(v.empty());
}

TEST(AddressBook, TextsWithoutNulEndInsideTheirFieldAndALongPostalCodeStays) {
  Bytes b;
  b.u16(100).u16(1);
  address(b, "", "", "1234567890");
  std::string bytes = b.s;
  for (size_t i = 0; i < 31; ++i) bytes[4 + 31 + i] = 'S';  // surname fills its field, no NUL
  const auto v = readOk(bytes);
  ASSERT_EQ(v.size(), 1u);
  EXPECT_EQ(std::string(v[0].surname), std::string(30, 'S'));
  EXPECT_STREQ(v[0].postalCode, "1234567890");  // ten characters in an 11-byte field
  EXPECT_STREQ(v[0].title, "Dott.");
}

TEST(AddressBook, SortsBySurnameComparingUnsignedBytes) {
  std::vector<BuddyAddress> v;
  for (const char* s : {"b", "a", "A", "\x8E" "rger" /* Ärger, stored form */, "Zorro"}) {
    BuddyAddress a = makeAddress();
    setText(a.surname, s);
    v.push_back(a);
  }
  sortAddresses(v);
  std::vector<std::string> order;
  for (const auto& a : v) order.push_back(a.surname);
  EXPECT_EQ(order, (std::vector<std::string>{"A", "Zorro", "a", "b", "\x8E" "rger"}));
}

TEST(AddressBook, ListTextsInDisplayForm) {
  BuddyAddress a = makeAddress();
  setText(a.firstName, utf8ToStored("Jürgen"));
  setText(a.surname, "Rossi");
  setText(a.postalCode, "20121");
  setText(a.town, "Milano");
  setText(a.street, "Via Brera 3");
  EXPECT_EQ(addressNameText(a), "Rossi, Jürgen");
  EXPECT_EQ(addressLocationText(a, false), "20121 Milano, Via Brera 3");
  EXPECT_EQ(addressLocationText(a, true), "Via Brera 3, Milano, 20121");
  EXPECT_EQ(addressFullName(a), "Jürgen Rossi");
  EXPECT_FALSE(interfaceIsEnglish());
}

TEST(AddressBook, SavesThroughATemporaryFileAndReportsFailures) {
  booktest::ScratchDir dir;
  const std::string path = dir.file("amici.adr");
  std::vector<BuddyAddress> v(1, makeAddress());
  setText(v[0].surname, "Rossi");
  ASSERT_TRUE(saveAddressFile(path, v).ok);
  std::vector<BuddyAddress> back;
  ASSERT_TRUE(loadAddressFile(path, back).ok);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_STREQ(back[0].surname, "Rossi");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 1);  // no temporary left

  // A file that cannot be written is an error naming it; a missing file is an empty book.
  const std::string nowhere = dir.file("no/such/folder/amici.adr");
  Result r = saveAddressFile(nowhere, v);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find(nowhere), std::string::npos);
  EXPECT_TRUE(loadAddressFile(dir.file("new.adr"), back).ok);
  EXPECT_TRUE(back.empty());
  // More records than the count can hold are refused, and nothing is written.
  std::vector<BuddyAddress> huge(65536, makeAddress());
  EXPECT_FALSE(saveAddressFile(path, huge).ok);
  EXPECT_EQ(booktest::readFile(path), serializeAddresses(v));
}
