#pragma once
// Import of UDDF files (the open dive data exchange format, versions 3.0 to 3.3, with the
// format's namespace or none) as other dive logs write them and as Kelp's own export writes
// them.
//
// The reader is lenient about what does not hurt (unknown or misplaced elements, empty or
// dangling links, odd date forms) and strict about what would corrupt a dive (numbers out of
// range are left out, texts are cut to their fields). Entities are never expanded and external
// ones never loaded. Reading never touches a logbook: the dives found are classified against a
// logbook and then inserted in one call, so a file that cannot be read changes nothing.
//
//   UddfImport found;
//   Result r = readUddfFile(path, found);
//   if (!r) show(r.error);
//   classifyUddfDives(lb, found);            // new / already in the logbook / skipped
//   UddfInsertReport report;
//   r = insertUddfDives(lb, found, &report);  // one undoable step when wrapped in a ChangeRecorder
#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dive_record.h"
#include "core/logbook.h"
#include "transfer/uddf_export.h"

namespace kelp {

// The computer type of profiles imported from UDDF files of other programs (a row of the
// computer model table with the import flag).
inline constexpr int UDDF_IMPORT_TYPE = 180;

enum class UddfDiveStatus {
  New,      // not in the logbook: inserted by insertUddfDives
  Present,  // a dive of the same date and time (to the minute) is in the logbook already
  Skipped,  // could not be read; `reason` says why
};

// One dive found in the file.
struct UddfDive {
  DiveRecord record{};  // as Kelp keeps it: stored texts, extended block, profile expanded
  // Display texts of the list (UTF-8): "05.06.2004", "09:30", "23.4 m", "0:45",
  // "Portofino, Cristo degli Abissi". Empty where the dive has no value.
  std::string date, time, depth, diveTime, place;
  UddfDiveStatus status = UddfDiveStatus::New;
  std::string reason;  // Skipped: why the dive was not read ("senza data", ...)
  std::string cut;     // what was cut short to fit the record ("profilo tagliato a ..."); "" none
  int fileNumber = 0;  // the dive number the file gives, 0 for none
  std::string id;      // the dive's id in the file
};

// The dive's report line: date, time, depth, dive time, place and its status, as the command
// line prints it and the dialog may show it.
std::string uddfDiveLine(const UddfDive& d);
// The status text alone ("nuova", "già nel logbook", "saltata: senza data"), with what was cut.
std::string uddfStatusText(const UddfDive& d);

// Everything read from one file.
struct UddfImport {
  std::string path;              // the file the dives came from (for messages)
  std::vector<UddfDive> dives;   // in file order
  UddfBooks books;               // the owner, certifications, buddy addresses, equipment, trips
  bool hasBooks = false;         // whether the file holds any of them
  std::string generator;         // the generator's name, "" when none

  int count(UddfDiveStatus s) const;
};

struct UddfReadOptions {
  // Called now and then with the part done so far (0..total); return false to stop.
  // May be called on the thread that reads.
  std::function<bool(size_t done, size_t total)> progress;
  // Set from another thread to stop reading; read between dives.
  const std::atomic<bool>* cancel = nullptr;
};

// Reads a file whole. Fails (message naming the file, and the line where XML breaks) for a file
// that cannot be read, is not XML, is not UDDF, or is cut short; also when stopped through the
// options (then `cancelled` is set when given). Every dive starts as New or Skipped.
Result readUddfFile(const std::string& path, UddfImport& out, const UddfReadOptions& options = {},
                    bool* cancelled = nullptr);
// The same from bytes; `path` only names the file in messages.
Result readUddfBytes(const std::string& path, std::string_view bytes, UddfImport& out,
                     const UddfReadOptions& options = {}, bool* cancelled = nullptr);

// Marks each readable dive New or Present against the logbook, by date and time to the minute;
// a dive found twice in the file is Present the second time.
void classifyUddfDives(const Logbook& lb, UddfImport& found);

struct UddfInsertReport {
  int inserted = 0;
  int present = 0;
  int skipped = 0;
  bool keptNumbers = false;  // the logbook was empty: the dives kept the file's numbers
  int firstPosition = 0;     // position of the earliest inserted dive, 0 when none
};

// Inserts the New dives in date order: into an empty logbook with the numbers the file gives
// them (where every dive has one), else numbered as a download numbers new dives. Inserts
// nothing when the logbook cannot take them all. The caller wraps the call in a ChangeRecorder
// to make it one undoable step.
Result insertUddfDives(Logbook& lb, const UddfImport& found, UddfInsertReport* report = nullptr);

// The date and time of a format date-time ("2004-06-05T09:30:00", "2014-4-1T10:00", with or
// without seconds, their fraction and a zone): the wall-clock time as written. False when it
// is none.
bool parseUddfDateTime(std::string_view text, int32_t& day, int& minutes);

// ---- the books ----

struct UddfBooksReport {
  int owner = 0;           // 1 when the owner's data were taken over (the book had none)
  int certifications = 0;  // entries added to each book
  int addresses = 0;
  int equipment = 0;
  int trips = 0;
  int total() const { return owner + certifications + addresses + equipment + trips; }
};

// Adds to `into` what `found` holds and `into` does not: entries that are already there (the
// same data) are not doubled; the owner's data are taken only when the book has none.
UddfBooksReport mergeUddfBooks(UddfBooks& into, const UddfBooks& found);

// Loads the books of the files (a missing file is an empty book), merges the found books in
// and writes the files that gained entries; a book that gains nothing is not written.
Result importUddfBooks(const UddfBookFiles& files, const UddfBooks& found, UddfBooksReport* report = nullptr);

}  // namespace kelp
