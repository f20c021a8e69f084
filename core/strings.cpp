#include "core/strings.h"

#include <algorithm>
#include <cstdarg>
#include <span>
#include <unordered_map>

#include "core/texts.h"

namespace kelp {
namespace {

struct StringEntry {
  int id;
  const char* text;
};

// Each area owns one include file of entries per language; a new area file is one line in
// each table below.
const StringEntry kItalian[] = {
#include "core/strings_core.inc"
#include "core/strings_transfer.inc"
#include "core/strings_app.inc"
#include "core/strings_dialogs.inc"
#include "core/strings_view.inc"
#include "core/strings_edit.inc"
#include "core/strings_search.inc"
#include "core/strings_profile.inc"
#include "core/strings_print.inc"
#include "core/strings_transfer_ui.inc"
#include "core/strings_statistics.inc"
#include "core/strings_planner.inc"
#include "core/strings_buhlmann.inc"
#include "core/strings_records.inc"
#include "core/strings_domain.inc"
#include "core/strings_backup.inc"
#include "core/strings_uddf_import.inc"
#include "core/strings_tables.inc"
};

const StringEntry kEnglish[] = {
#include "core/strings_core.en.inc"
#include "core/strings_transfer.en.inc"
#include "core/strings_app.en.inc"
#include "core/strings_dialogs.en.inc"
#include "core/strings_view.en.inc"
#include "core/strings_edit.en.inc"
#include "core/strings_search.en.inc"
#include "core/strings_profile.en.inc"
#include "core/strings_print.en.inc"
#include "core/strings_transfer_ui.en.inc"
#include "core/strings_statistics.en.inc"
#include "core/strings_planner.en.inc"
#include "core/strings_buhlmann.en.inc"
#include "core/strings_records.en.inc"
#include "core/strings_domain.en.inc"
#include "core/strings_backup.en.inc"
#include "core/strings_uddf_import.en.inc"
#include "core/strings_tables.en.inc"
};

// A third language: its own entry array as above, and one line here.
std::span<const StringEntry> entries(Language l) {
  switch (l) {
    case Language::English: return kEnglish;
    case Language::Italian: break;
  }
  return kItalian;
}

using Table = std::unordered_map<int, std::string>;

Table buildTable(std::span<const StringEntry> es) {
  Table m;
  for (const auto& e : es) m.emplace(e.id, e.text);
  return m;
}

const Table& table(Language l) {
  static const Table italian = buildTable(kItalian);
  static const Table english = buildTable(kEnglish);
  return l == Language::English ? english : italian;
}

}  // namespace

std::vector<int> conflictingStringIds(Language l) {
  std::unordered_map<int, std::string> seen;
  std::vector<int> out;
  for (const auto& e : entries(l)) {
    auto [it, fresh] = seen.emplace(e.id, e.text);
    if (!fresh && it->second != e.text) out.push_back(e.id);
  }
  return out;
}

std::vector<int> stringIds(Language l) {
  std::vector<int> ids;
  for (const auto& [id, text] : table(l)) ids.push_back(id);
  std::sort(ids.begin(), ids.end());
  return ids;
}

const std::string& str(Language l, int id) {
  static const std::string empty;
  const Table& t = table(l);
  auto it = t.find(id);
  if (it != t.end()) return it->second;
  if (l != Language::Italian) return str(Language::Italian, id);
  return empty;
}

const std::string& str(int id) { return str(language(), id); }

std::string strf(int id, ...) {
  va_list ap;
  va_start(ap, id);
  std::string s = vformat(str(id).c_str(), ap);
  va_end(ap);
  return s;
}

}  // namespace kelp
