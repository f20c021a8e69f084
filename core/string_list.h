#pragma once
// A counted list of distinct texts (displayed form) that feeds the entry combo boxes.
#include <string>
#include <unordered_map>
#include <vector>

namespace kelp {

class StringList {
 public:
  void reserve(int n);               // clears first when allocated; capacity = n + 100
  void clear();
  void add(const std::string& text); // text in stored form; converted to displayed form
  void addDisplayed(const std::string& displayed);
  std::string get(int i) const;      // "" when out of range
  int count() const { return static_cast<int>(texts_.size()); }
  int capacity() const { return capacity_; }
  int useCount(int i) const;
  bool allocated() const { return allocated_; }
  const std::vector<std::string>& texts() const { return texts_; }

 private:
  std::vector<std::string> texts_;
  std::vector<int> useCounts_;
  std::unordered_map<std::string, int> index_;  // text -> position, keeps add() O(1)
  int capacity_ = 0;
  bool allocated_ = false;
};

// Splits a buddy or activity text into single entries: separators , ; + &,
// one blank after a separator skipped, trailing blanks removed, empty entries dropped.
std::vector<std::string> splitEntries(const std::string& text);

}  // namespace kelp
