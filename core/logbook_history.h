#pragma once
// Undo and redo of changes to a logbook's dives.
//
// While a ChangeRecorder is open on a logbook, every operation that changes the dive array
// (Logbook::put, insertAt, remove, move, renumber, ...) writes what it did to the recorder's
// journal: the bytes of a record that changed (before and after), an inserted or erased record,
// or a run of dive numbers. finish() turns the journal into a LogbookStep, which takes the
// logbook back to the state before the change (undo) and forward again (redo), byte for byte.
// A step holds only what its change touched, never a copy of the whole logbook.
//
//   ChangeRecorder rec(lb);
//   Result r = doTheChange(lb);          // any logbook operations
//   if (!r) rec.rollback();              // nothing left half-done
//   else history.push(rec.finish("Sostituisci"));
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/dive_record.h"

namespace kelp {

class Logbook;

// The bytes of a record that differ from a base, as runs of (offset, length) with their bytes.
class ByteRuns {
 public:
  // Runs of `target` where it differs from `base` (n bytes each); gaps of a few equal bytes
  // between two differing runs are taken into the run, since a run costs more than they do.
  static ByteRuns diff(const void* base, const void* target, size_t n);
  // Writes the stored bytes over dst.
  void applyTo(void* dst) const;
  bool empty() const { return m_runs.empty(); }
  // Whether a run covers any byte of [offset, offset + length).
  bool overlaps(size_t offset, size_t length) const;
  size_t memoryBytes() const;

 private:
  struct Run {
    uint32_t offset;
    uint32_t length;
  };
  std::vector<Run> m_runs;
  std::string m_bytes;
};

// One primitive change of the dive array, in the order it happened.
struct JournalEntry {
  enum class Kind : uint8_t { Modify, Insert, Erase, Numbers };
  Kind kind = Kind::Modify;
  uint32_t index = 0;                  // 0-based index in the dive array at the time
  ByteRuns before, after;              // Modify: both; Insert: after (over a zero record); Erase: before
  std::vector<uint16_t> oldNumbers;    // Numbers: dive numbers from index on
  std::vector<uint16_t> newNumbers;
  size_t memoryBytes() const;
};

// The logbook's values around the dive array that a step restores with it.
struct LogbookState {
  int currentPosition = 0;
  int firstDiveNumber = 1;
  uint32_t computerSerial = 0;
};

// One undoable change.
class LogbookStep {
 public:
  LogbookStep() = default;
  const std::string& text() const { return m_text; }
  void setText(std::string t) { m_text = std::move(t); }
  // Nothing changed: no entry, and the state around the dives the same before and after.
  bool empty() const;
  // Takes the logbook back to the state before the change, or forward to the state after it.
  // Totals and lists are rebuilt and every change flag is raised; the modified flag is set.
  void undo(Logbook& lb) const;
  void redo(Logbook& lb) const;
  // Bytes this step holds (for the history's memory limit).
  size_t memoryBytes() const;
  size_t entryCount() const { return m_entries.size(); }

 private:
  friend class ChangeRecorder;
  void finishUndoOrRedo(Logbook& lb, const LogbookState& state) const;
  std::string m_text;
  std::vector<JournalEntry> m_entries;
  LogbookState m_before, m_after;
  bool m_touchesLists = true;  // the suggestion lists must be rebuilt after undo and redo
};

// The journal of an open change (the logbook writes into it).
class ChangeJournal {
 public:
  void modified(uint32_t index, const DiveRecord& before, const DiveRecord& after);
  void inserted(uint32_t index, const DiveRecord& r);
  void erased(uint32_t index, const DiveRecord& r);
  void numberChanged(uint32_t index, uint16_t before, uint16_t after);
  std::vector<JournalEntry>& entries() { return m_entries; }
  // Totals to rebuild when the change closes (they are not rebuilt while it is open).
  bool totalsPending = false;
  bool listsPending = false;

 private:
  std::vector<JournalEntry> m_entries;
};

// Opens a recorded change on a logbook for its lifetime. A recorder opened while another one is
// open on the same logbook joins it: its finish() gives an empty step and its rollback() leaves
// the decision to the outer one. A recorder destroyed without finish() rolls back.
class ChangeRecorder {
 public:
  explicit ChangeRecorder(Logbook& lb);
  ~ChangeRecorder();
  ChangeRecorder(const ChangeRecorder&) = delete;
  ChangeRecorder& operator=(const ChangeRecorder&) = delete;

  // Closes the change and returns it as a step named `text`.
  LogbookStep finish(std::string text);
  // Takes back everything recorded so far and closes the change.
  void rollback();
  bool nested() const { return m_nested; }

 private:
  void close();
  Logbook& m_lb;
  std::unique_ptr<ChangeJournal> m_journal;
  LogbookState m_before;
  bool m_modifiedBefore = false;
  bool m_nested = false;
  bool m_open = false;
};

// The history's limits: at most this many steps, and at most this many bytes in all.
inline constexpr size_t HISTORY_MAX_STEPS = 100;
inline constexpr size_t HISTORY_MAX_BYTES = 64u * 1024u * 1024u;
// How many of the oldest steps (sizes in bytes, oldest first) must go so that the rest keep to
// the limits. The newest step always stays, even when it alone is larger than the byte limit.
size_t oldestStepsToDrop(const std::vector<size_t>& stepBytes, size_t maxSteps = HISTORY_MAX_STEPS,
                         size_t maxBytes = HISTORY_MAX_BYTES);

}  // namespace kelp
