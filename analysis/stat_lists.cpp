#include "analysis/stat_lists.h"

#include <algorithm>
#include <unordered_map>

#include "analysis/stat_charts.h"
#include "core/dive_record.h"
#include "core/logbook.h"

namespace kelp {
namespace {

bool selected(const DiveRecord& r, int selection, int year) {
  if (selection != 1) return true;
  int y, m;
  return diveDate(r, y, m) && y == year;
}

// Counts one dive for `name` in `list`, through the index of names.
StatListEntry& entryFor(StatList& list, std::unordered_map<std::string, size_t>& index,
                        const std::string& name) {
  auto [it, fresh] = index.emplace(name, list.entries.size());
  if (fresh) list.entries.push_back({name, 0, {}});
  return list.entries[it->second];
}

void countSub(StatListEntry& e, const std::string& name) {
  if (name.empty()) return;
  for (NamedCount& s : e.sub)
    if (s.name == name) {
      ++s.count;
      return;
    }
  if (static_cast<int>(e.sub.size()) < kMaxSubEntries) e.sub.push_back({name, 1});
}

template <class T>
void sortItems(std::vector<T>& v, int column) {
  if (column == 0)
    std::stable_sort(v.begin(), v.end(), [](const T& a, const T& b) { return a.name < b.name; });
  else
    std::stable_sort(v.begin(), v.end(), [](const T& a, const T& b) { return a.count > b.count; });
}

}  // namespace

int StatList::subTotal() const {
  int n = 0;
  for (const StatListEntry& e : entries) n += static_cast<int>(e.sub.size());
  return n;
}

StatList locationStatistics(const Logbook& lb, int selection, int year) {
  StatList list;
  std::unordered_map<std::string, size_t> index;
  for (const DiveRecord& r : lb.dives()) {
    if (!selected(r, selection, year)) continue;
    const std::string location = getText(r.location).substr(0, kPlaceNameLength);
    if (location.empty()) continue;
    StatListEntry& e = entryFor(list, index, location);
    ++e.count;
    countSub(e, getText(r.site).substr(0, kPlaceNameLength));
  }
  return list;
}

StatList buddyStatistics(const Logbook& lb, int selection, int year) {
  StatList list;
  std::unordered_map<std::string, size_t> index;
  std::vector<std::string> names;
  for (const DiveRecord& r : lb.dives()) {
    if (!selected(r, selection, year)) continue;
    names.clear();
    for (const std::string& item : splitItems(getText(r.buddies))) {
      const std::string name = item.substr(0, kBuddyNameLength);
      if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    const std::string location = getText(r.location).substr(0, kPlaceNameLength);
    for (const std::string& name : names) {
      StatListEntry& e = entryFor(list, index, name);
      ++e.count;
      countSub(e, location);
    }
  }
  return list;
}

std::vector<NamedCount> suitDescriptions(const Logbook& lb, int selection, int year) {
  std::vector<NamedCount> out;
  std::unordered_map<std::string, size_t> index;
  for (const DiveRecord& r : lb.dives()) {
    if (!selected(r, selection, year)) continue;
    const std::string d = getText(r.suitDescription).substr(0, 27);
    if (d.empty()) continue;
    auto [it, fresh] = index.emplace(d, out.size());
    if (fresh) out.push_back({d, 0});
    ++out[it->second].count;
  }
  return out;
}

void sortByColumn(std::vector<NamedCount>& v, int column) { sortItems(v, column); }
void sortByColumn(std::vector<StatListEntry>& v, int column) { sortItems(v, column); }

std::string columnHead(const std::string& text, bool sorted) { return sorted ? ">> " + text : text; }

}  // namespace kelp
