#pragma once
// Export of the logbook to one UDDF 3.2.3 file (the open dive data exchange format, XML in
// UTF-8): the dives with their sites, buddies and profiles, and on request the personal books
// kept beside the logbook (owner and certifications, buddy addresses, equipment, trips).
//
// Every value is written in SI units (metres, seconds, kelvin, pascal, cubic metres, kg).
// What the format has no element for (dive type, activities, weather, suit, altitude class,
// computer type, ...) is kept as a labelled line in the notes of its dive, so nothing is lost.
// Elements the format would reject when empty are left out.
#include <string>
#include <vector>

#include "core/logbook.h"
#include "records/address_book.h"
#include "records/equipment_book.h"
#include "records/owner_book.h"
#include "records/trip_book.h"

namespace kelp {

struct Settings;

inline constexpr const char* UDDF_NAMESPACE = "http://www.streit.cc/uddf/3.2/";
inline constexpr const char* UDDF_VERSION = "3.2.3";

// The personal books that go into the export.
struct UddfBooks {
  OwnerBook owner;                       // the owner and the certifications (.inf)
  std::vector<BuddyAddress> addresses;   // the buddy address book (.adr)
  std::vector<EquipmentItem> equipment;  // the equipment (.dat)
  std::vector<DiveTrip> trips;           // the trips (.trp)
};

// Where the books are: the owner and the trips beside the logbook, the addresses and the
// equipment in the files the settings name. "" for none.
struct UddfBookFiles {
  std::string owner, trips, addresses, equipment;
};
UddfBookFiles uddfBookFiles(const Logbook& lb, const Settings& s);
// Whether any of the files exists.
bool anyUddfBookFile(const UddfBookFiles& files);
// Reads the books through their own readers: a file that does not exist is an empty book, a
// file that cannot be read is an error naming it.
Result loadUddfBooks(const UddfBookFiles& files, UddfBooks& out);

struct UddfOptions {
  // Dive numbers of the first and last dive to export; 0 leaves that end open.
  int firstNumber = 0;
  int lastNumber = 0;
  // The generator's date and time ("2024-06-01T12:00:00"); empty: the local time of the export.
  std::string generatedAt;
  // The books to export with the dives; none when null.
  const UddfBooks* books = nullptr;
  // The currency text of the settings, for the prices of the books ("DM", "EUR", ...).
  std::string currency;
};

// Checks the range: when one is given, at least one dive must carry a number inside it
// ("Numero sbagliato immersione inesistente").
Result checkUddfRange(const Logbook& lb, const UddfOptions& o);

// The whole document as UTF-8 bytes.
std::string uddfDocument(const Logbook& lb, const UddfOptions& o);

// Checks the range and writes the document as every file is written: a temporary file beside
// the target, fsync, rename. On failure the message names the file and a file already there
// stays as it was.
Result exportUddf(const Logbook& lb, const std::string& path, const UddfOptions& o);

// ---- pieces, for the tests ----

// "2004-06-05T09:30:00" of a day number and minutes after midnight; a dive without a date is
// dated on the calendar's first day, one without a time at midnight.
std::string uddfDateTime(int32_t dayNumber, int minutes);

// The three-letter code of a currency text ("EUR" for "€", "DEM" for "DM"); "" when unknown.
std::string uddfCurrency(const std::string& currency);

// The name of a site as the dive list shows the place: "Portofino, Cristo degli Abissi", or the
// one of the two that is not empty. The location alone is also kept in geography/location.
std::string uddfSiteName(const std::string& location, const std::string& site);

// A person's name split at the last blank: "Anna Maria Rossi" gives "Anna Maria" and "Rossi";
// a single word is the first name.
struct PersonName {
  std::string first, last;
  bool operator==(const PersonName&) const = default;
};
PersonName splitPersonName(const std::string& name);

}  // namespace kelp
