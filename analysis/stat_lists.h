#pragma once
// The list statistics: dives per location with their sites, dives per buddy with
// their locations, and the suit descriptions of the suit chart. Names are kept in
// the stored character form and compared byte for byte.
#include <string>
#include <vector>

namespace kelp {

class Logbook;

struct NamedCount {
  std::string name;  // stored form
  int count = 0;
};

struct StatListEntry {
  std::string name;             // stored form
  int count = 0;                // dives
  std::vector<NamedCount> sub;  // sites of a location, locations of a buddy
};

struct StatList {
  std::vector<StatListEntry> entries;  // in the order first met
  // Sub-entries over all entries (the distinct sites counted over all locations).
  int subTotal() const;
};

inline constexpr int kMaxSubEntries = 50;  // sites or locations kept per entry
inline constexpr size_t kBuddyNameLength = 48;
inline constexpr size_t kPlaceNameLength = 60;

// Dives of every location (of one year when selection is 1) with up to 50 sites each.
// Dives without a location are left out; a dive without a site counts for its location only.
StatList locationStatistics(const Logbook& lb, int selection, int year);
// Dives of every buddy named in `buddies` (of one year when selection is 1) with up to 50
// locations each. A name given twice in one dive counts that dive once.
StatList buddyStatistics(const Logbook& lb, int selection, int year);
// The distinct suit descriptions (first 27 characters) of the dives of the selection.
std::vector<NamedCount> suitDescriptions(const Logbook& lb, int selection, int year);

// Sorting of the lists by a click on a column head: column 0 by name (ascending, byte-wise),
// column 1 by count (descending); equal keys keep their order.
void sortByColumn(std::vector<NamedCount>& v, int column);
void sortByColumn(std::vector<StatListEntry>& v, int column);
// A column head as shown: the sorted column gets the prefix ">> ".
std::string columnHead(const std::string& text, bool sorted);

}  // namespace kelp
