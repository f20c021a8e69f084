#include "core/logbook_history.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <utility>

#include "core/logbook.h"

namespace kelp {
namespace {

// Equal bytes between two differing runs that are cheaper to copy than to start a new run.
constexpr size_t kRunGap = 8;

const DiveRecord& zeroRecord() {
  static const DiveRecord z = [] {
    DiveRecord r;
    std::memset(static_cast<void*>(&r), 0, sizeof r);
    return r;
  }();
  return z;
}

DiveRecord recordFrom(const ByteRuns& runs) {
  DiveRecord r = zeroRecord();
  runs.applyTo(&r);
  return r;
}

LogbookState stateOf(const Logbook& lb) {
  return {lb.currentPosition, lb.firstDiveNumber, lb.computerSerial};
}

// Whether the suggestion lists read anything a change of these bytes can reach.
bool touchesListFields(const ByteRuns& runs) {
#define KELP_FIELD(f) {offsetof(DiveRecord, f), sizeof(DiveRecord::f)}
  static const std::pair<size_t, size_t> kFields[] = {
      KELP_FIELD(location), KELP_FIELD(site), KELP_FIELD(tankSize), KELP_FIELD(buddies),
      KELP_FIELD(otherActivities), KELP_FIELD(suitDescription)};
#undef KELP_FIELD
  for (const auto& [offset, size] : kFields)
    if (runs.overlaps(offset, size)) return true;
  return false;
}

bool touchesLists(const std::vector<JournalEntry>& entries) {
  for (const JournalEntry& e : entries) {
    switch (e.kind) {
      case JournalEntry::Kind::Numbers: break;
      case JournalEntry::Kind::Modify:
        if (touchesListFields(e.after)) return true;
        break;
      default: return true;
    }
  }
  return false;
}

}  // namespace

// ---- ByteRuns ----

ByteRuns ByteRuns::diff(const void* base, const void* target, size_t n) {
  ByteRuns out;
  const auto* a = static_cast<const unsigned char*>(base);
  const auto* b = static_cast<const unsigned char*>(target);
  size_t i = 0;
  while (i < n) {
    // Skip equal bytes a word at a time.
    while (i + 8 <= n && std::memcmp(a + i, b + i, 8) == 0) i += 8;
    while (i < n && a[i] == b[i]) ++i;
    if (i >= n) break;
    const size_t start = i;
    size_t end = i + 1;  // one past the last differing byte
    size_t j = end;
    while (j < n) {
      if (a[j] != b[j]) {
        end = ++j;
      } else if (j - end >= kRunGap) {
        break;
      } else {
        ++j;
      }
    }
    Run run{static_cast<uint32_t>(start), static_cast<uint32_t>(end - start)};
    if (!out.m_runs.empty() && start - (out.m_runs.back().offset + out.m_runs.back().length) < kRunGap) {
      // Touching the previous run: extend it.
      Run& prev = out.m_runs.back();
      const size_t prevEnd = prev.offset + prev.length;
      out.m_bytes.append(reinterpret_cast<const char*>(b + prevEnd), end - prevEnd);
      prev.length = static_cast<uint32_t>(end - prev.offset);
    } else {
      out.m_runs.push_back(run);
      out.m_bytes.append(reinterpret_cast<const char*>(b + start), end - start);
    }
    i = end;
  }
  out.m_runs.shrink_to_fit();
  out.m_bytes.shrink_to_fit();
  return out;
}

void ByteRuns::applyTo(void* dst) const {
  auto* d = static_cast<unsigned char*>(dst);
  size_t at = 0;
  for (const Run& r : m_runs) {
    std::memcpy(d + r.offset, m_bytes.data() + at, r.length);
    at += r.length;
  }
}

bool ByteRuns::overlaps(size_t offset, size_t length) const {
  for (const Run& r : m_runs)
    if (r.offset < offset + length && offset < size_t(r.offset) + r.length) return true;
  return false;
}

size_t ByteRuns::memoryBytes() const {
  return m_runs.capacity() * sizeof(Run) + (m_bytes.capacity() > 15 ? m_bytes.capacity() : 0);
}

size_t JournalEntry::memoryBytes() const {
  return sizeof(JournalEntry) + before.memoryBytes() + after.memoryBytes() +
         (oldNumbers.capacity() + newNumbers.capacity()) * sizeof(uint16_t);
}

// ---- ChangeJournal ----

void ChangeJournal::modified(uint32_t index, const DiveRecord& before, const DiveRecord& after) {
  JournalEntry e;
  e.kind = JournalEntry::Kind::Modify;
  e.index = index;
  e.before = ByteRuns::diff(&after, &before, sizeof(DiveRecord));
  if (e.before.empty()) return;  // put back unchanged
  e.after = ByteRuns::diff(&before, &after, sizeof(DiveRecord));
  m_entries.push_back(std::move(e));
}

void ChangeJournal::inserted(uint32_t index, const DiveRecord& r) {
  JournalEntry e;
  e.kind = JournalEntry::Kind::Insert;
  e.index = index;
  e.after = ByteRuns::diff(&zeroRecord(), &r, sizeof(DiveRecord));
  m_entries.push_back(std::move(e));
}

void ChangeJournal::erased(uint32_t index, const DiveRecord& r) {
  JournalEntry e;
  e.kind = JournalEntry::Kind::Erase;
  e.index = index;
  e.before = ByteRuns::diff(&zeroRecord(), &r, sizeof(DiveRecord));
  m_entries.push_back(std::move(e));
}

void ChangeJournal::numberChanged(uint32_t index, uint16_t before, uint16_t after) {
  if (!m_entries.empty()) {
    JournalEntry& last = m_entries.back();
    // Renumbering walks the dives in order: one entry holds the whole run.
    if (last.kind == JournalEntry::Kind::Numbers && last.index + last.newNumbers.size() == index) {
      last.oldNumbers.push_back(before);
      last.newNumbers.push_back(after);
      return;
    }
  }
  JournalEntry e;
  e.kind = JournalEntry::Kind::Numbers;
  e.index = index;
  e.oldNumbers.push_back(before);
  e.newNumbers.push_back(after);
  m_entries.push_back(std::move(e));
}

// ---- LogbookStep ----

bool LogbookStep::empty() const {
  return m_entries.empty() && m_before.currentPosition == m_after.currentPosition &&
         m_before.firstDiveNumber == m_after.firstDiveNumber &&
         m_before.computerSerial == m_after.computerSerial;
}

void LogbookStep::undo(Logbook& lb) const {
  std::vector<DiveRecord>& d = lb.m_dives;
  for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
    const JournalEntry& e = *it;
    switch (e.kind) {
      case JournalEntry::Kind::Modify: e.before.applyTo(&d[e.index]); break;
      case JournalEntry::Kind::Insert: d.erase(d.begin() + e.index); break;
      case JournalEntry::Kind::Erase: d.insert(d.begin() + e.index, recordFrom(e.before)); break;
      case JournalEntry::Kind::Numbers:
        for (size_t k = 0; k < e.oldNumbers.size(); ++k) d[e.index + k].diveNumber = e.oldNumbers[k];
        break;
    }
  }
  finishUndoOrRedo(lb, m_before);
}

void LogbookStep::finishUndoOrRedo(Logbook& lb, const LogbookState& state) const {
  lb.rebuildTotals(m_touchesLists);
  lb.currentPosition = std::clamp(state.currentPosition, 0, lb.diveCount());
  lb.firstDiveNumber = state.firstDiveNumber;
  lb.computerSerial = state.computerSerial;
  lb.modified = true;
  lb.changes.raise();
}

void LogbookStep::redo(Logbook& lb) const {
  std::vector<DiveRecord>& d = lb.m_dives;
  for (const JournalEntry& e : m_entries) {
    switch (e.kind) {
      case JournalEntry::Kind::Modify: e.after.applyTo(&d[e.index]); break;
      case JournalEntry::Kind::Insert: d.insert(d.begin() + e.index, recordFrom(e.after)); break;
      case JournalEntry::Kind::Erase: d.erase(d.begin() + e.index); break;
      case JournalEntry::Kind::Numbers:
        for (size_t k = 0; k < e.newNumbers.size(); ++k) d[e.index + k].diveNumber = e.newNumbers[k];
        break;
    }
  }
  finishUndoOrRedo(lb, m_after);
}

size_t LogbookStep::memoryBytes() const {
  size_t n = sizeof(LogbookStep) + m_text.capacity() + m_entries.capacity() * sizeof(JournalEntry);
  for (const JournalEntry& e : m_entries) n += e.memoryBytes() - sizeof(JournalEntry);
  return n;
}

// ---- ChangeRecorder ----

ChangeRecorder::ChangeRecorder(Logbook& lb)
    : m_lb(lb), m_before(stateOf(lb)), m_modifiedBefore(lb.modified) {
  if (lb.m_link.journal) {
    m_nested = true;
    return;
  }
  m_journal = std::make_unique<ChangeJournal>();
  lb.m_link.journal = m_journal.get();
  m_open = true;
}

ChangeRecorder::~ChangeRecorder() {
  if (m_open) rollback();
}

void ChangeRecorder::close() {
  m_lb.m_link.journal = nullptr;
  m_open = false;
  if (m_journal->totalsPending) m_lb.rebuildTotals(m_journal->listsPending);
}

LogbookStep ChangeRecorder::finish(std::string text) {
  LogbookStep step;
  step.m_text = std::move(text);
  if (!m_open) return step;  // nested, or already closed: the outer change holds it all
  close();
  step.m_entries = std::move(m_journal->entries());
  step.m_before = m_before;
  step.m_after = stateOf(m_lb);
  step.m_touchesLists = touchesLists(step.m_entries);
  return step;
}

void ChangeRecorder::rollback() {
  if (!m_open) return;
  LogbookStep partial;
  partial.m_entries = std::move(m_journal->entries());
  partial.m_before = m_before;
  m_lb.m_link.journal = nullptr;
  m_open = false;
  partial.undo(m_lb);
  m_lb.modified = m_modifiedBefore;  // a change taken back leaves the flag as it found it
}

size_t oldestStepsToDrop(const std::vector<size_t>& stepBytes, size_t maxSteps, size_t maxBytes) {
  const size_t n = stepBytes.size();
  size_t drop = n > maxSteps ? n - maxSteps : 0;
  size_t total = 0;
  for (size_t i = drop; i < n; ++i) total += stepBytes[i];
  while (drop + 1 < n && total > maxBytes) total -= stepBytes[drop++];
  return drop;
}

}  // namespace kelp
