#pragma once
// The dive trips of a logbook, kept beside it in its .trp companion file: a 16-bit count n,
// the 32-bit float 2.0 that marks the layout, then n trips of 656 bytes, little-endian.
// The older layout has no float: the count is followed by n trips of 232 bytes with the same
// fields at the same offsets and a note of 155 bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "core/logbook.h"  // Result

namespace kelp {

struct DiveTrip {
  int32_t startDate;      // book date (records/book_date.h), 0 = none
  int32_t endDate;
  int32_t firstDive;      // dive number of the first dive of the trip
  int32_t lastDive;       // dive number of the last dive
  char destination[61];   // stored form
  char note[579];
};
static_assert(std::is_trivially_copyable_v<DiveTrip>);
static_assert(sizeof(DiveTrip) == 656, "a trip is 656 bytes in the file");
static_assert(offsetof(DiveTrip, destination) == 16 && offsetof(DiveTrip, note) == 77);

inline constexpr float TRIP_FILE_FORMAT = 2.0f;
inline constexpr size_t TRIP_SIZE = 656;
inline constexpr size_t OLD_TRIP_SIZE = 232;
inline constexpr size_t OLD_TRIP_NOTE_SIZE = 155;

DiveTrip makeTrip();     // zeroed
DiveTrip makeNewTrip();  // zeroed, starting today

// Reads either layout; `oldLayout` tells which one it was. The size must fit the count
// exactly, else the file is not read (short: error; any other size: unknown layout).
Result readTrips(const std::string& path, const std::string& bytes, std::vector<DiveTrip>& out,
                 bool* oldLayout = nullptr);
std::string serializeTrips(const std::vector<DiveTrip>& book);  // always the current layout
// A missing file is an empty book.
Result loadTripFile(const std::string& path, std::vector<DiveTrip>& out, bool* oldLayout = nullptr);
// Writes the current layout. keepOldCopy: the file now at `path` (of the older layout) is
// first kept as path + ".bak".
Result saveTripFile(const std::string& path, const std::vector<DiveTrip>& book, bool keepOldCopy = false);

void sortTrips(std::vector<DiveTrip>& book);  // by start date, no date first
// "%05d-%05d" of the first and last dive number.
std::string tripDivesText(const DiveTrip& t);
// "Vai a:": the position of the dive that carries the trip's first dive number, 0 when the
// number is not above 0 or no dive has it.
int tripGoToPosition(const DiveTrip& t, const Logbook& lb);

}  // namespace kelp
