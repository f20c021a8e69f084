#include "core/string_list.h"

#include "core/texts.h"

namespace kelp {

void StringList::reserve(int n) {
  if (allocated_) clear();
  capacity_ = (n < 0 ? 0 : n) + 100;
  allocated_ = true;
}

void StringList::clear() {
  texts_.clear();
  useCounts_.clear();
  index_.clear();
  capacity_ = 0;
  allocated_ = false;
}

void StringList::add(const std::string& text) {
  if (text.empty() || count() >= capacity_) return;
  addDisplayed(toDisplay(text));
}

void StringList::addDisplayed(const std::string& displayed) {
  if (displayed.empty() || count() >= capacity_) return;
  auto [it, inserted] = index_.try_emplace(displayed, count());
  if (!inserted) {
    ++useCounts_[static_cast<size_t>(it->second)];
    return;
  }
  texts_.push_back(displayed);
  useCounts_.push_back(1);
}

std::string StringList::get(int i) const {
  if (i < 0 || i >= count()) return std::string();
  return texts_[static_cast<size_t>(i)];
}

int StringList::useCount(int i) const {
  if (i < 0 || i >= count()) return 0;
  return useCounts_[static_cast<size_t>(i)];
}

std::vector<std::string> splitEntries(const std::string& text) {
  std::vector<std::string> out;
  std::string cur;
  auto flush = [&] {
    size_t end = cur.size();
    while (end > 0 && cur[end - 1] == ' ') --end;
    cur.resize(end);
    if (!cur.empty()) out.push_back(cur);
    cur.clear();
  };
  bool afterSeparator = false;
  for (char ch : text) {
    if (ch == ',' || ch == ';' || ch == '+' || ch == '&') {
      flush();
      afterSeparator = true;
      continue;
    }
    if (afterSeparator && ch == ' ') {
      afterSeparator = false;  // only one blank is skipped
      continue;
    }
    afterSeparator = false;
    cur += ch;
  }
  flush();
  return out;
}

}  // namespace kelp
