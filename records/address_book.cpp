#include "records/address_book.h"

#include <cstring>

#include "core/strings.h"
#include "core/texts.h"
#include "records/book_io.h"

namespace kelp {
namespace {

void readRecord(ByteIn& in, BuddyAddress& a) {
  in.text(a.firstName);
  in.text(a.surname);
  in.text(a.title);
  in.text(a.street);
  in.text(a.postalCode);
  in.text(a.town);
  in.text(a.province);
  in.text(a.phone1);
  in.text(a.phone2);
  in.text(a.fax);
  in.text(a.mobile);
  in.text(a.email);
  in.text(a.homePage);
  in.text(a.note);
}

void writeRecord(ByteOut& out, const BuddyAddress& a) {
  out.text(a.firstName);
  out.text(a.surname);
  out.text(a.title);
  out.text(a.street);
  out.text(a.postalCode);
  out.text(a.town);
  out.text(a.province);
  out.text(a.phone1);
  out.text(a.phone2);
  out.text(a.fax);
  out.text(a.mobile);
  out.text(a.email);
  out.text(a.homePage);
  out.text(a.note);
}

std::string utf8(const std::string& stored) { return storedToUtf8(stored); }

}  // namespace

BuddyAddress makeAddress() {
  BuddyAddress a;
  std::memset(&a, 0, sizeof a);
  return a;
}

Result readAddresses(const std::string& path, const std::string& bytes, std::vector<BuddyAddress>& out) {
  out.clear();
  if (bytes.empty()) return Result::success();
  if (bytes.size() < 4) return shortBookFile(path);
  ByteIn in(bytes);
  in.u16();  // format number
  const size_t n = in.u16();
  if (in.left() < n * ADDRESS_RECORD_SIZE) return shortBookFile(path);
  if (in.left() > n * ADDRESS_RECORD_SIZE) return unknownBookLayout(path);
  out.resize(n);
  for (BuddyAddress& a : out) readRecord(in, a);
  return Result::success();
}

std::string serializeAddresses(const std::vector<BuddyAddress>& book) {
  std::string bytes;
  bytes.reserve(4 + book.size() * ADDRESS_RECORD_SIZE);
  ByteOut out(bytes);
  out.u16(ADDRESS_FILE_FORMAT);
  out.u16(static_cast<uint16_t>(book.size()));
  for (const BuddyAddress& a : book) writeRecord(out, a);
  return bytes;
}

Result loadAddressFile(const std::string& path, std::vector<BuddyAddress>& out) {
  out.clear();
  std::string bytes;
  bool missing = false;
  Result r = readBookFile(path, bytes, missing);
  if (!r || missing) return r;
  return readAddresses(path, bytes, out);
}

Result saveAddressFile(const std::string& path, const std::vector<BuddyAddress>& book) {
  if (book.size() > MAX_BOOK_ENTRIES) return tooManyEntries(path);
  return writeBookFile(path, serializeAddresses(book));
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
