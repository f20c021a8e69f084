#pragma once
// The rules every book dialog shares, without a window: the entries with the selected one
// and the modified flag, what New, Edit, Delete and Sort do to them, which buttons are
// enabled, the " *" mark, and the save question before the dialog closes, loads another
// file or prints.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/logbook.h"  // Result
#include "records/book_io.h"

namespace kelp {

template <class Rec>
struct BookList {
  std::vector<Rec> entries;
  int selected = -1;  // index into entries, -1 = none
  bool modified = false;

  int count() const { return static_cast<int>(entries.size()); }
  bool empty() const { return entries.empty(); }
  bool hasSelection() const { return selected >= 0 && selected < count(); }
  Rec* current() { return hasSelection() ? &entries[size_t(selected)] : nullptr; }

  // Edit, delete, sort, save and print (and the costs of the equipment) need entries.
  bool entryCommandsEnabled() const { return !entries.empty(); }
  // A file counts its entries in 16 bits.
  bool canAdd() const { return entries.size() < MAX_BOOK_ENTRIES; }

  // A book as read from its file: nothing is modified by opening it. A book that gives
  // `whenEmpty` opens an empty file with that one entry, selected and still not modified.
  void open(std::vector<Rec> read, bool selectLast, Rec (*whenEmpty)() = nullptr) {
    entries = std::move(read);
    if (entries.empty() && whenEmpty) entries.push_back(whenEmpty());
    modified = false;
    selected = entries.empty() ? -1 : (selectLast ? count() - 1 : 0);
  }
  // New: appended and selected.
  bool append(const Rec& r) {
    if (!canAdd()) return false;
    entries.push_back(r);
    selected = count() - 1;
    modified = true;
    return true;
  }
  // Edit: replaced only when some byte differs; true when it was.
  template <class Same>
  bool replace(int i, const Rec& r, Same same) {
    if (i < 0 || i >= count() || same(entries[size_t(i)], r)) return false;
    entries[size_t(i)] = r;
    modified = true;
    return true;
  }
  // Delete: later entries move up, the selection stays at the index (or the new last one).
  bool remove(int i) {
    if (i < 0 || i >= count()) return false;
    entries.erase(entries.begin() + i);
    selected = entries.empty() ? -1 : (i < count() ? i : count() - 1);
    modified = true;
    return true;
  }
  // Sort: the first entry is selected afterwards.
  template <class Sort>
  void sort(Sort s) {
    s(entries);
    selected = entries.empty() ? -1 : 0;
    modified = true;
  }
};

// The file path as the dialogs show it: with " *" behind while the book is modified.
inline std::string bookPathText(const std::string& path, bool modified) {
  return modified ? path + " *" : path;
}

enum class SaveAnswer { Yes, No, Cancel };

// Before a modified book is left (closing, loading another file, printing): ask, and on Yes
// save. True when the caller may go on; false on Cancel, and when the save failed (its
// message is told and the book stays open and modified).
inline bool mayLeaveBook(bool modified, const std::function<SaveAnswer()>& ask, const std::function<Result()>& save,
                         const std::function<void(const std::string&)>& tell) {
  if (!modified) return true;
  switch (ask()) {
    case SaveAnswer::Cancel: return false;
    case SaveAnswer::No: return true;
    case SaveAnswer::Yes: break;
  }
  const Result r = save();
  if (!r) tell(r.error);
  return r.ok;
}

}  // namespace kelp
