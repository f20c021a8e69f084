#pragma once
// The book of activities and qualifications (.abn): a 16-bit format number (110), a 16-bit
// count n, then n entries of 148 bytes, little-endian.
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "core/logbook.h"  // Result

namespace kelp {

struct ActivityEntry {
  char activity[64];      // stored form, at most 60 characters typed
  int32_t startDate;      // book date (records/book_date.h), 0 = none
  int32_t endDate;
  int32_t theoryHours;
  int32_t practiceHours;
  int32_t persons;        // number of persons
  char note[64];
};
static_assert(std::is_trivially_copyable_v<ActivityEntry>);
static_assert(sizeof(ActivityEntry) == 148, "an activity is 148 bytes in the file");
static_assert(offsetof(ActivityEntry, startDate) == 64 && offsetof(ActivityEntry, persons) == 80 &&
              offsetof(ActivityEntry, note) == 84);

inline constexpr uint16_t ACTIVITY_FILE_FORMAT = 110;
inline constexpr size_t ACTIVITY_ENTRY_SIZE = 148;
inline constexpr int ACTIVITY_TEXT_MAX = 60;

// A zeroed entry; makeNewActivity() dates it today.
ActivityEntry makeActivity();
ActivityEntry makeNewActivity();

// Reads and writes as the address book does (count must match the file; missing = empty).
Result readActivities(const std::string& path, const std::string& bytes, std::vector<ActivityEntry>& out);
std::string serializeActivities(const std::vector<ActivityEntry>& book);
Result loadActivityFile(const std::string& path, std::vector<ActivityEntry>& out);
Result saveActivityFile(const std::string& path, const std::vector<ActivityEntry>& book);

// By start date (exchange sort): entries without a date come first.
void sortActivities(std::vector<ActivityEntry>& book);

// Sums of theory and practice hours over all entries, and both together.
struct ActivityTotals {
  int64_t theory = 0;
  int64_t practice = 0;
  int64_t total() const { return theory + practice; }
};
ActivityTotals activityTotals(const std::vector<ActivityEntry>& book);

}  // namespace kelp
