#pragma once
// The buddy address book (.adr): a 16-bit format number (100), a 16-bit count n, then n
// records of 494 bytes, little-endian. Every field is a NUL-terminated text in the stored
// character form.
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "core/logbook.h"  // Result

namespace kelp {

struct BuddyAddress {
  char firstName[31];
  char surname[31];
  char title[31];
  char street[31];
  char postalCode[11];
  char town[31];
  char province[31];
  char phone1[21];
  char phone2[21];
  char fax[21];
  char mobile[21];
  char email[51];
  char homePage[81];
  char note[81];
};
static_assert(std::is_trivially_copyable_v<BuddyAddress>);
static_assert(sizeof(BuddyAddress) == 494, "an address is 494 bytes in the file");
static_assert(offsetof(BuddyAddress, postalCode) == 124 && offsetof(BuddyAddress, town) == 135 &&
              offsetof(BuddyAddress, phone1) == 197 && offsetof(BuddyAddress, email) == 281 &&
              offsetof(BuddyAddress, homePage) == 332 && offsetof(BuddyAddress, note) == 413);

inline constexpr uint16_t ADDRESS_FILE_FORMAT = 100;
inline constexpr size_t ADDRESS_RECORD_SIZE = 494;

// An empty address (all bytes zero).
BuddyAddress makeAddress();

// Reads an address file from its bytes: the count must match the records that follow
// exactly, else the file is not read (a short or longer file is an error naming `path`).
// No bytes at all is an empty book. The format number is not looked at.
Result readAddresses(const std::string& path, const std::string& bytes, std::vector<BuddyAddress>& out);
std::string serializeAddresses(const std::vector<BuddyAddress>& book);
// Loads a file; a missing file is an empty book. On failure `out` is empty.
Result loadAddressFile(const std::string& path, std::vector<BuddyAddress>& out);
// Writes through a temporary file; more than 65535 records are refused.
Result saveAddressFile(const std::string& path, const std::vector<BuddyAddress>& book);

// By surname, stored bytes compared unsigned (exchange sort).
void sortAddresses(std::vector<BuddyAddress>& book);
// Whether two records differ in any byte.
bool sameAddress(const BuddyAddress& a, const BuddyAddress& b);

// List texts (UTF-8): "surname, first name"; postal code, town and street ("%s %s, %s", or
// "%s, %s, %s" of street, town and postal code when the interface language is English).
std::string addressNameText(const BuddyAddress& a);
std::string addressLocationText(const BuddyAddress& a, bool english);
// "first name surname" for the delete question.
std::string addressFullName(const BuddyAddress& a);
// The interface language is English (string 62764).
bool interfaceIsEnglish();

}  // namespace kelp
