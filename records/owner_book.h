#pragma once
// The logbook owner and the owner's certifications, kept beside the logbook in its .inf
// companion file: a 16-bit format number (100), a 16-bit count n, the 122-byte owner block,
// then n certifications of 177 bytes written field by field, little-endian.
// The older layout is a file of exactly 1396 bytes: an owner text at offset 0 and, from
// offset 348, 34 slots of 28 bytes each holding a designation.
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "core/logbook.h"  // Result

namespace kelp {

struct OwnerBlock {
  char name[61];  // stored form
  char club[61];
};
static_assert(sizeof(OwnerBlock) == 122, "the owner block is 122 bytes in the file");

struct Certification {
  char category[16];     // one of the category texts, stored form
  char designation[61];
  int32_t date;          // book date (records/book_date.h), 0 = none
  char instructor[31];
  float cost;            // in the currency of the settings
  char note[61];
};
static_assert(std::is_trivially_copyable_v<Certification>);

inline constexpr uint16_t OWNER_FILE_FORMAT = 100;
inline constexpr size_t CERTIFICATION_SIZE = sizeof(Certification::category) + sizeof(Certification::designation) +
                                             4 + sizeof(Certification::instructor) + 4 + sizeof(Certification::note);
static_assert(CERTIFICATION_SIZE == 177, "a certification is 177 bytes in the file");
inline constexpr size_t OWNER_HEADER_SIZE = 4 + sizeof(OwnerBlock);
inline constexpr size_t OLD_OWNER_FILE_SIZE = 1396;
inline constexpr size_t OLD_OWNER_SLOTS_AT = 348;
inline constexpr size_t OLD_OWNER_SLOT_SIZE = 28;
inline constexpr int OLD_OWNER_SLOTS = 34;

struct OwnerBook {
  OwnerBlock owner{};
  std::vector<Certification> entries;
};

Certification makeCertification();     // zeroed
Certification makeNewCertification();  // zeroed, dated today
// The four categories of the list (UTF-8, as the list shows them).
const std::vector<std::string>& certificationCategories();
// The same categories as the dialog shows them, in the language of the run; the book keeps
// the stored (Italian) forms above whatever the language.
std::vector<std::string> certificationCategoryTexts();
// A stored category (UTF-8) as shown: one of the four in the language of the run, any other
// text as it is.
std::string shownCertificationCategory(const std::string& storedUtf8);

// Reads either layout; `oldLayout` tells which one it was. Only a file of exactly 1396 bytes
// that is not of the current layout counts as the older one; any other size that does not
// fit the count is not read (short: error; else unknown layout).
Result readOwnerBook(const std::string& path, const std::string& bytes, OwnerBook& out, bool* oldLayout = nullptr);
std::string serializeOwnerBook(const OwnerBook& book);  // always the current layout
// A missing file is an empty book.
Result loadOwnerFile(const std::string& path, OwnerBook& out, bool* oldLayout = nullptr);
// Writes the current layout. keepOldCopy: the file now at `path` (of the older layout) is
// first kept as path + ".bak".
Result saveOwnerFile(const std::string& path, const OwnerBook& book, bool keepOldCopy = false);

bool sameCertification(const Certification& a, const Certification& b);
void sortCertifications(std::vector<Certification>& entries);  // by date, no date first
double certificationCostTotal(const std::vector<Certification>& entries);

}  // namespace kelp
