#include "records/address_book.h"

#include <cstring>

#include "core/strings.h"
#include "core/texts.h"
#include "records/book_io.h"

namespace kelp {
namespace {

// The fields in file order (records/book_io.h).
constexpr auto kFields = [](auto& io, auto& a) {
  io.text(a.firstName);
  io.text(a.surname);
  io.text(a.title);
  io.text(a.street);
  io.text(a.postalCode);
  io.text(a.town);
  io.text(a.province);
  io.text(a.phone1);
  io.text(a.phone2);
  io.text(a.fax);
  io.text(a.mobile);
  io.text(a.email);
  io.text(a.homePage);
  io.text(a.note);
};

std::string utf8(const std::string& stored) { return storedToUtf8(stored); }

}  // namespace

BuddyAddress makeAddress() { return zeroedRecord<BuddyAddress>(); }

Result readAddresses(const std::string& path, const std::string& bytes, std::vector<BuddyAddress>& out) {
  return readCountedRecords(path, bytes, ADDRESS_RECORD_SIZE, kFields, out);
}

std::string serializeAddresses(const std::vector<BuddyAddress>& book) {
  return countedRecordBytes(ADDRESS_FILE_FORMAT, ADDRESS_RECORD_SIZE, kFields, book);
}

Result loadAddressFile(const std::string& path, std::vector<BuddyAddress>& out) {
  return loadBookFile(path, [&](const std::string& bytes) { return readAddresses(path, bytes, out); });
}

Result saveAddressFile(const std::string& path, const std::vector<BuddyAddress>& book) {
  return saveBookFile(path, book.size(), [&] { return serializeAddresses(book); });
}

void sortAddresses(std::vector<BuddyAddress>& book) {
  exchangeSort(book, [](const BuddyAddress& a, const BuddyAddress& b) {
    return compareStored(a.surname, b.surname) > 0;
  });
}

bool sameAddress(const BuddyAddress& a, const BuddyAddress& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::string addressNameText(const BuddyAddress& a) {
  return format("%s, %s", utf8(getText(a.surname)).c_str(), utf8(getText(a.firstName)).c_str());
}

std::string addressLocationText(const BuddyAddress& a, bool english) {
  const std::string code = utf8(getText(a.postalCode)), town = utf8(getText(a.town)),
                    street = utf8(getText(a.street));
  if (english) return format("%s, %s, %s", street.c_str(), town.c_str(), code.c_str());
  return format("%s %s, %s", code.c_str(), town.c_str(), street.c_str());
}

std::string addressFullName(const BuddyAddress& a) {
  return format("%s %s", utf8(getText(a.firstName)).c_str(), utf8(getText(a.surname)).c_str());
}

bool interfaceIsEnglish() { return str(62764) == "English"; }

}  // namespace kelp
