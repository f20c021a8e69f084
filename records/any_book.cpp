#include "records/any_book.h"

#include <filesystem>

#include "core/texts.h"
#include "core/strings.h"

namespace kelp {

std::string bookKindName(int kind) {
  switch (kind) {
    case kBookAddresses: return "addresses";
    case kBookEquipment: return "equipment";
    case kBookActivities: return "activities";
    case kBookTrips: return "trips";
    case kBookOwner: return "owner";
  }
  return {};
}

Result loadAnyBook(const std::string& path, AnyBook& out) {
  out = AnyBook{};
  out.kind = bookKindOfFile(path);
  if (!out.kind)
    return Result::failure(strf(63509, path.c_str()));
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return Result::failure(strf(63405, path.c_str()));
  switch (out.kind) {
    case kBookAddresses: return loadAddressFile(path, out.addresses);
    case kBookEquipment: return loadEquipmentFile(path, out.equipment);
    case kBookActivities: return loadActivityFile(path, out.activities);
    case kBookTrips: return loadTripFile(path, out.trips, &out.oldLayout);
    case kBookOwner: return loadOwnerFile(path, out.owner, &out.oldLayout);
  }
  return Result::failure("?");
}

Result saveAnyBook(const std::string& path, const AnyBook& book, bool keepOldCopy) {
  switch (book.kind) {
    case kBookAddresses: return saveAddressFile(path, book.addresses);
    case kBookEquipment: return saveEquipmentFile(path, book.equipment);
    case kBookActivities: return saveActivityFile(path, book.activities);
    case kBookTrips: return saveTripFile(path, book.trips, keepOldCopy);
    case kBookOwner: return saveOwnerFile(path, book.owner, keepOldCopy);
  }
  return Result::failure(strf(63408, path.c_str()));
}

BookPrintout anyBookPrintout(const AnyBook& book, const std::string& file, const std::string& currency,
                             YearMonth now) {
  switch (book.kind) {
    case kBookAddresses: return addressPrintout(book.addresses, file);
    case kBookEquipment: return equipmentPrintout(book.equipment, file, currency, now);
    case kBookActivities: return activityPrintout(book.activities, file);
    case kBookTrips: return tripPrintout(book.trips, file);
    case kBookOwner: return ownerPrintout(book.owner, file, currency);
  }
  return {};
}

}  // namespace kelp
