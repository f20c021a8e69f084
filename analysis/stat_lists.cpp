#include "analysis/stat_lists.h"

#include <algorithm>
#include <cstring>
#include <string_view>
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

// A text field as stored, cut to at most `limit` characters.
template <size_t N>
std::string_view field(const char (&f)[N], size_t limit) {
  return std::string_view(f, std::min(strnlen(f, N), limit));
}

struct ViewHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
using NameIndex = std::unordered_map<std::string, size_t, ViewHash, std::equal_to<>>;

// The entry of `name` in `list`, made when it is new.
StatListEntry& entryFor(StatList& list, NameIndex& index, std::string_view name) {
  auto it = index.find(name);
  if (it == index.end()) {
    it = index.emplace(std::string(name), list.entries.size()).first;
    list.entries.push_back({std::string(name), 0, {}});
  }
  return list.entries[it->second];
}

void countSub(StatListEntry& e, std::string_view name) {
  if (name.empty()) return;
  for (NamedCount& s : e.sub)
    if (s.name == name) {
      ++s.count;
      return;
    }
  if (static_cast<int>(e.sub.size()) < kMaxSubEntries) e.sub.push_back({std::string(name), 1});
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
  NameIndex index;
  for (const DiveRecord& r : lb.dives()) {
    if (!selected(r, selection, year)) continue;
    const std::string_view location = field(r.location, kPlaceNameLength);
    if (location.empty()) continue;
    StatListEntry& e = entryFor(list, index, location);
    ++e.count;
    countSub(e, field(r.site, kPlaceNameLength));
  }
  return list;
}

StatList buddyStatistics(const Logbook& lb, int selection, int year) {
  StatList list;
  NameIndex index;
  std::vector<std::string_view> items, names;
  for (const DiveRecord& r : lb.dives()) {
    if (r.buddies[0] == 0 || !selected(r, selection, year)) continue;
    splitItemViews(field(r.buddies, sizeof r.buddies), items);
    names.clear();
    for (std::string_view item : items) {
      const std::string_view name = item.substr(0, kBuddyNameLength);
      if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    const std::string_view location = field(r.location, kPlaceNameLength);
    for (std::string_view name : names) {
      StatListEntry& e = entryFor(list, index, name);
      ++e.count;
      countSub(e, location);
    }
  }
  return list;
}

std::vector<NamedCount> suitDescriptions(const Logbook& lb, int selection, int year) {
  std::vector<NamedCount> out;
  NameIndex index;
  for (const DiveRecord& r : lb.dives()) {
    if (!selected(r, selection, year)) continue;
    const std::string_view d = field(r.suitDescription, 27);
    if (d.empty()) continue;
    auto it = index.find(d);
    if (it == index.end()) {
      it = index.emplace(std::string(d), out.size()).first;
      out.push_back({std::string(d), 0});
    }
    ++out[it->second].count;
  }
  return out;
}

void sortByColumn(std::vector<NamedCount>& v, int column) { sortItems(v, column); }
void sortByColumn(std::vector<StatListEntry>& v, int column) { sortItems(v, column); }

std::string columnHead(const std::string& text, bool sorted) { return sorted ? ">> " + text : text; }

}  // namespace kelp
