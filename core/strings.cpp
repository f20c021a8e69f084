#include "core/strings.h"

#include <cstdarg>
#include <unordered_map>

#include "core/texts.h"

namespace kelp {
namespace {

struct StringEntry {
  int id;
  const char* text;
};

// Each area owns one include file of entries.
const StringEntry kEntries[] = {
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
#include "core/strings_records.inc"
#include "core/strings_uddf_import.inc"
};

const std::unordered_map<int, std::string>& table() {
  static const std::unordered_map<int, std::string> t = [] {
    std::unordered_map<int, std::string> m;
    for (const auto& e : kEntries) m.emplace(e.id, e.text);
    return m;
  }();
  return t;
}

}  // namespace

std::vector<int> conflictingStringIds() {
  std::unordered_map<int, std::string> seen;
  std::vector<int> out;
  for (const auto& e : kEntries) {
    auto [it, fresh] = seen.emplace(e.id, e.text);
    if (!fresh && it->second != e.text) out.push_back(e.id);
  }
  return out;
}

const std::string& str(int id) {
  static const std::string empty;
  const auto& t = table();
  auto it = t.find(id);
  return it == t.end() ? empty : it->second;
}

std::string strf(int id, ...) {
  va_list ap;
  va_start(ap, id);
  std::string s = vformat(str(id).c_str(), ap);
  va_end(ap);
  return s;
}

}  // namespace kelp
