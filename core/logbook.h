#pragma once
// The one open logbook: dives in date order, current position, totals, file
// names and the suggestion lists; plus loading and saving the .log/.add files.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/dive_record.h"
#include "core/string_list.h"

namespace kelp {

class ChangeJournal;
class ChangeRecorder;
class LogbookStep;

inline constexpr uint16_t LOG_FORMAT_VERSION = 161;
inline constexpr int MAX_DIVES = 32767;

struct Result {
  bool ok = true;
  std::string error;  // user-facing message (UTF-8) when !ok
  std::string warning;  // user-facing message of a success with a flaw (a backup not written)
  static Result success() { return {}; }
  static Result failure(std::string msg) {
    Result r;
    r.ok = false;
    r.error = std::move(msg);
    return r;
  }
  explicit operator bool() const { return ok; }
};

// Flags raised by changes; the views read and clear them.
struct ChangeFlags {
  bool listChanged = false;        // main view rebuilds its dive list
  bool profileWindowReload = false;
  bool previewChanged = false;     // main view redraws the preview
  int changedPosition = 0;         // single list line to rebuild (0 = none)
  void raise() { listChanged = profileWindowReload = previewChanged = true; }
};

class Logbook {
 public:
  Logbook();

  // --- data (field names as the files and views know them) ---
  std::string path, infPath, prgPath, trpPath, addPath;
  int currentPosition = 0;
  float averageSac = 0;
  int averageSacUpdated = 0;
  int firstDiveNumber = 1;
  uint16_t formatVersion = LOG_FORMAT_VERSION;
  uint32_t headerReserved = 0;
  uint16_t headerWordA = 100;
  uint16_t headerWordB = 20;
  bool modified = false;
  int totalDiveTime = 0;
  ChangeFlags changes;
  uint32_t computerSerial = 0;  // serial number of the last dive computer read into this logbook

  StringList locationList, siteList, tankSizeList, buddyList, otherActivityList, suitList,
      sitesAtLocationList;

  // The dives in logbook order, read-only: every change goes through the operations below,
  // which keep the journal of an open change (core/logbook_history.h) for undo.
  const std::vector<DiveRecord>& dives() const { return m_dives; }
  int diveCount() const { return static_cast<int>(m_dives.size()); }
  // Replaces every dive at once (demo logbooks, tests); the current position becomes the last
  // dive, totals and lists are rebuilt. Not for use inside a recorded change.
  void assignDives(std::vector<DiveRecord> dives);
  int headerCount() const { return diveCount(); }

  // --- files ---
  void newLogbook();
  // Loads a .log (and its .add beside it, if any). A missing file, another format
  // version or a file that ends inside a dive entry is an error; on failure the
  // logbook is left exactly as it was. Stores lastLogbookPath on success.
  Result loadFile(const std::string& logPath);
  // Loads from bytes (the .add bytes may be absent); used by loadFile and the fuzzer.
  Result loadFromBytes(const std::string& logPath, const std::string& logBytes,
                       const std::string* addBytes);
  // Writes .log and .add (always both) through temporary files renamed into place;
  // on failure the previous files stay as they were. Stores lastLogbookPath on success.
  Result saveFile(const std::string& logPath);
  std::string serializeLog() const;
  std::string serializeAdd() const;
  // Reload from disk ("Apri corrente file"): unsaved changes are dropped; a logbook
  // that has no file yet becomes a new one.
  Result reload();
  void formCompanionNames(const std::string& logPath);

  // --- totals ---
  // While a change is being recorded the rebuild waits for its end.
  void rebuildTotals(bool withLists);
  void addTextsToLists(const DiveRecord& r);

  // --- operations (positions are 1-based) ---
  bool get(int n, DiveRecord& out) const;  // initialised record + false when outside
  DiveRecord get(int n) const;
  bool put(int n, const DiveRecord& r);
  // Changes the dive at position n through f (a copy that is put back); false when outside.
  bool modify(int n, const std::function<void(DiveRecord&)>& f);
  // Offers a copy of every dive, in logbook order, to f(position, copy); each copy for which
  // f returns true is put back. Totals are rebuilt once. Returns the number of dives put back.
  int modifyEach(const std::function<bool(int, DiveRecord&)>& f);
  Result insert(const DiveRecord& r);      // in date order; refused beyond MAX_DIVES
  // Inserts at position p (1..count+1) and numbers it as insert() does: later dives move up by
  // one, the new dive takes the number before the next one (or follows the previous one).
  Result insertAt(int p, const DiveRecord& r);
  int insertPosition(const DiveRecord& r) const;
  bool remove(int n);
  int positionForEdited(const DiveRecord& r, int current) const;
  void move(const DiveRecord& r, int from, int to);
  int positionOfNumber(int k) const;
  int lastPositionOfNumber(int k) const;   // last position holding k, 0 when none
  void renumber(int first);
  void renumberRange(int from, int to, int start);
  // Shifts date and time of dives p..q by m minutes in local calendar time.
  void shiftTimes(int p, int q, int minutes);
  // displayedLocation in displayed (Windows-1252) form; "" adds every site.
  void fillSitesAtLocation(const std::string& displayedLocation);

 private:
  friend class ChangeRecorder;
  friend class LogbookStep;
  // Every change of the dive array goes through these four, which keep the journal of an
  // open change.
  void setRecord(size_t i, const DiveRecord& r);
  void setNumber(size_t i, uint16_t number);
  void insertRecord(size_t i, const DiveRecord& r);
  void eraseRecord(size_t i);

  // The journal of the open change, if any. A copy of a logbook is never part of the
  // original's change, so copying leaves the link behind.
  struct JournalLink {
    ChangeJournal* journal = nullptr;
    JournalLink() = default;
    JournalLink(const JournalLink&) {}
    JournalLink& operator=(const JournalLink&) { return *this; }
  };

  std::vector<DiveRecord> m_dives;
  JournalLink m_link;
};

// One copied dive, kept for the whole run.
struct CopyBuffer {
  DiveRecord record{};
  bool filled = false;
  void copyFrom(const Logbook& lb, int position);
};

// A range of copied dives, kept for the whole run.
struct SelectionBuffer {
  std::vector<DiveRecord> records;
  bool empty() const { return records.empty(); }
  void clear() { records.clear(); }
  // Copies dives whose number lies in first..last. Fails with string 62502 when outside.
  Result copyFrom(const Logbook& lb, int firstNumber, int lastNumber);
  // Inserts every record in buffer order, then frees the buffer.
  Result pasteInto(Logbook& lb);
};

}  // namespace kelp
