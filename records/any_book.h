#pragma once
// Any personal book by its file: the kind comes from the extension (.adr addresses, .dat
// equipment, .abn activities, .trp trips, .inf owner), the entries from the book's own reader.
// For callers that take every book alike (kelp-cli, exports).
#include <string>
#include <vector>

#include "core/logbook.h"  // Result
#include "records/activity_book.h"
#include "records/address_book.h"
#include "records/book_print.h"
#include "records/equipment_book.h"
#include "records/owner_book.h"
#include "records/trip_book.h"

namespace kelp {

struct AnyBook {
  int kind = 0;             // BookKind
  bool oldLayout = false;   // trips and owner: read from the older layout
  std::vector<BuddyAddress> addresses;
  std::vector<EquipmentItem> equipment;
  std::vector<ActivityEntry> activities;
  std::vector<DiveTrip> trips;
  OwnerBook owner;
};

// The name of a kind ("addresses", "equipment", "activities", "trips", "owner"); "" for none.
std::string bookKindName(int kind);
// Reads a book file. A file whose extension names no book, and a missing file, are errors
// here (the dialogs take a missing file as an empty book).
Result loadAnyBook(const std::string& path, AnyBook& out);
// Writes the book in its current layout as a file of its kind. keepOldCopy: the file now at
// `path` is first kept as path + ".bak".
Result saveAnyBook(const std::string& path, const AnyBook& book, bool keepOldCopy = false);
// The printed form of the book.
BookPrintout anyBookPrintout(const AnyBook& book, const std::string& file, const std::string& currency,
                             YearMonth now);

}  // namespace kelp
