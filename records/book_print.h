#pragma once
// What a printed book holds, without a printer: its title, the lines above the table, the
// columns and rows (a cell may hold several lines, separated by '\n') and the lines below.
// The page painter (records/ui/book_pages.h) lays it out; kelp-cli prints it too.
#include <string>
#include <vector>

#include "records/activity_book.h"
#include "records/address_book.h"
#include "records/equipment_book.h"
#include "records/owner_book.h"
#include "records/trip_book.h"

namespace kelp {

// The print kinds of the books.
enum BookKind : int { kBookOwner = 1, kBookEquipment = 2, kBookAddresses = 3, kBookTrips = 4, kBookActivities = 6 };

struct PrintColumn {
  std::string heading;
  double width;          // millimetres on a page 170 mm wide; scaled to the page
  bool right = false;    // numbers stand right-aligned
};

struct BookPrintout {
  int kind = 0;
  std::string title;                       // page header
  std::string file;                        // the book's file, in the footer
  std::vector<std::string> intro;          // lines above the table (the owner and club)
  std::vector<PrintColumn> columns;
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> totals;         // lines below the table
};

BookPrintout addressPrintout(const std::vector<BuddyAddress>& book, const std::string& file);
// currency: the currency text of the settings.
BookPrintout equipmentPrintout(const std::vector<EquipmentItem>& book, const std::string& file,
                               const std::string& currency, YearMonth now);
BookPrintout activityPrintout(const std::vector<ActivityEntry>& book, const std::string& file);
BookPrintout tripPrintout(const std::vector<DiveTrip>& book, const std::string& file);
BookPrintout ownerPrintout(const OwnerBook& book, const std::string& file, const std::string& currency);

// The kind of a book file by its extension (.inf, .dat, .adr, .trp, .abn; any case); 0 when
// none.
int bookKindOfFile(const std::string& path);

}  // namespace kelp
