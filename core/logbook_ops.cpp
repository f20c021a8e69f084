// Changes of the Logbook's dive array: insertion in date order, deletion, moves,
// renumbering, time shifts, and the copy and selection buffers.
#include <algorithm>
#include <ctime>
#include <new>

#include "core/logbook.h"
#include "core/logbook_history.h"
#include "core/strings.h"
#include "core/texts.h"

namespace kelp {

namespace {

// Whether dive d stands after a record with this date and time (dates compared unsigned).
bool laterThan(const DiveRecord& d, uint32_t date, int16_t timeOfDay) {
  const uint32_t dd = static_cast<uint32_t>(d.date);
  return dd > date || (dd == date && d.timeOfDay > timeOfDay);
}

// Local calendar time of a day number and minutes; false outside 1970..2037.
bool toCalendar(int32_t date, int minutes, time_t& out) {
  int d, m, y;
  fromDayNumber(date, d, m, y);
  if (y < 1970 || y > 2037) return false;
  std::tm tm{};
  tm.tm_year = y - 1900;
  tm.tm_mon = m - 1;
  tm.tm_mday = d;
  tm.tm_hour = minutes / 60;
  tm.tm_min = minutes % 60;
  tm.tm_isdst = -1;
  out = std::mktime(&tm);
  return out != static_cast<time_t>(-1);
}

bool fromCalendar(time_t t, int32_t& date, int16_t& minutes) {
  std::tm tm{};
  if (!localtime_r(&t, &tm)) return false;
  const int y = tm.tm_year + 1900;
  if (y < 1970 || y > 2037) return false;
  date = dayNumber(tm.tm_mday, tm.tm_mon + 1, y);
  minutes = static_cast<int16_t>(tm.tm_hour * 60 + tm.tm_min);
  return true;
}

}  // namespace

bool Logbook::get(int n, DiveRecord& out) const {
  if (n < 1 || n > diveCount()) {
    initRecord(out);
    return false;
  }
  out = m_dives[static_cast<size_t>(n - 1)];
  return true;
}

DiveRecord Logbook::get(int n) const {
  DiveRecord r;
  get(n, r);
  return r;
}

void Logbook::assignDives(std::vector<DiveRecord> dives) {
  m_dives = std::move(dives);
  currentPosition = diveCount();
  if (!m_dives.empty()) firstDiveNumber = m_dives.front().diveNumber;
  rebuildTotals(true);
  changes.raise();
}

// --- the four primitives: every change of the dive array, journaled while a change is open ---

void Logbook::setRecord(size_t i, const DiveRecord& r) {
  if (m_link.journal) m_link.journal->modified(static_cast<uint32_t>(i), m_dives[i], r);
  m_dives[i] = r;
}

void Logbook::setNumber(size_t i, uint16_t number) {
  if (m_dives[i].diveNumber == number) return;
  if (m_link.journal) m_link.journal->numberChanged(static_cast<uint32_t>(i), m_dives[i].diveNumber, number);
  m_dives[i].diveNumber = number;
}

void Logbook::insertRecord(size_t i, const DiveRecord& r) {
  m_dives.insert(m_dives.begin() + static_cast<std::ptrdiff_t>(i), r);
  if (m_link.journal) {
    try {
      m_link.journal->inserted(static_cast<uint32_t>(i), r);
    } catch (...) {
      m_dives.erase(m_dives.begin() + static_cast<std::ptrdiff_t>(i));
      throw;
    }
  }
}

void Logbook::eraseRecord(size_t i) {
  if (m_link.journal) m_link.journal->erased(static_cast<uint32_t>(i), m_dives[i]);
  m_dives.erase(m_dives.begin() + static_cast<std::ptrdiff_t>(i));
}

bool Logbook::put(int n, const DiveRecord& r) {
  if (n < 1 || n > diveCount()) return false;
  const DiveRecord& old = m_dives[static_cast<size_t>(n - 1)];
  // The totals follow dive times, air consumption and the first number only: a dive written
  // back with those unchanged needs no pass over the whole logbook (replacing a text in
  // thousands of dives stays linear).
  const bool totals = old.diveTime != r.diveTime || old.sac != r.sac ||
                      (n == 1 && old.diveNumber != r.diveNumber);
  setRecord(static_cast<size_t>(n - 1), r);
  modified = true;
  if (totals) {
    rebuildTotals(false);
  } else {
    changes.raise();
    if (averageSac != 0) averageSacUpdated = 1;
  }
  changes.changedPosition = n;
  return true;
}

bool Logbook::modify(int n, const std::function<void(DiveRecord&)>& f) {
  DiveRecord r;
  if (!get(n, r)) return false;
  f(r);
  return put(n, r);
}

int Logbook::modifyEach(const std::function<bool(int, DiveRecord&)>& f) {
  int changed = 0;
  DiveRecord r;
  for (size_t i = 0; i < m_dives.size(); ++i) {
    r = m_dives[i];
    if (!f(static_cast<int>(i) + 1, r)) continue;
    setRecord(i, r);
    ++changed;
  }
  if (changed) {
    modified = true;
    rebuildTotals(false);
  }
  return changed;
}

int Logbook::insertPosition(const DiveRecord& r) const {
  if (r.date == -1) return 1;
  const uint32_t date = static_cast<uint32_t>(r.date);
  for (int i = 0; i < diveCount(); ++i)
    if (laterThan(m_dives[static_cast<size_t>(i)], date, r.timeOfDay)) return i + 1;
  return diveCount() + 1;
}

Result Logbook::insert(const DiveRecord& r) { return insertAt(insertPosition(r), r); }

Result Logbook::insertAt(int p, const DiveRecord& r) {
  if (diveCount() >= MAX_DIVES)
    return Result::failure(strf(63409, MAX_DIVES));
  p = std::clamp(p, 1, diveCount() + 1);
  const int before = diveCount();
  // The new dive takes the number of the dive it pushes back, and every later dive moves up
  // by one; at the end it follows the last dive.
  DiveRecord added = r;
  if (p <= before)
    added.diveNumber = m_dives[static_cast<size_t>(p - 1)].diveNumber;
  else
    added.diveNumber = before == 0 ? 1 : static_cast<uint16_t>(m_dives[static_cast<size_t>(p - 2)].diveNumber + 1);
  try {
    insertRecord(static_cast<size_t>(p - 1), added);
  } catch (const std::bad_alloc&) {
    return Result::failure(str(63410));
  }
  for (int i = p; i <= before; ++i)
    setNumber(static_cast<size_t>(i), static_cast<uint16_t>(m_dives[static_cast<size_t>(i)].diveNumber + 1));
  currentPosition = p;
  rebuildTotals(false);
  modified = true;
  return Result::success();
}

bool Logbook::remove(int n) {
  if (n < 1 || n > diveCount()) return false;
  // Numbers close up: each later dive takes the number of the place it moves to.
  uint16_t previous = m_dives[static_cast<size_t>(n - 1)].diveNumber;
  for (size_t i = static_cast<size_t>(n); i < m_dives.size(); ++i) {
    const uint16_t own = m_dives[i].diveNumber;
    setNumber(i, previous);
    previous = own;
  }
  eraseRecord(static_cast<size_t>(n - 1));
  if (currentPosition > diveCount()) currentPosition = diveCount();
  rebuildTotals(true);
  modified = true;
  return true;
}

int Logbook::positionForEdited(const DiveRecord& r, int current) const {
  if (current == 0 || r.date == -1) return 1;
  for (int i = 1; i <= diveCount(); ++i) {
    if (i == current) continue;
    const DiveRecord& d = m_dives[static_cast<size_t>(i - 1)];
    if (d.date == -1) continue;
    if (d.date > r.date || (d.date == r.date && d.timeOfDay > r.timeOfDay)) return i < current ? i : i - 1;
  }
  return diveCount();
}

void Logbook::move(const DiveRecord& r, int from, int to) {
  const int count = diveCount();
  if (from < 1 || from > count || to < 1 || to > count) return;
  // Close the gap at `from` (later dives move down one number), open one at `to` (dives from
  // there move up one number) and put the dive into it.
  for (int i = from; i < count; ++i)
    setNumber(static_cast<size_t>(i), static_cast<uint16_t>(m_dives[static_cast<size_t>(i)].diveNumber - 1));
  eraseRecord(static_cast<size_t>(from - 1));
  for (int i = to - 1; i < count - 1; ++i)
    setNumber(static_cast<size_t>(i), static_cast<uint16_t>(m_dives[static_cast<size_t>(i)].diveNumber + 1));
  DiveRecord slot = r;
  slot.diveNumber = to == 1 ? static_cast<uint16_t>(firstDiveNumber)
                            : static_cast<uint16_t>(m_dives[static_cast<size_t>(to - 2)].diveNumber + 1);
  insertRecord(static_cast<size_t>(to - 1), slot);
  currentPosition = to;
  rebuildTotals(false);
  modified = true;
}

int Logbook::positionOfNumber(int k) const {
  if (!m_dives.empty() && m_dives.front().diveNumber == 1) return k;
  for (int i = 0; i < diveCount(); ++i)
    if (m_dives[static_cast<size_t>(i)].diveNumber == k) return i + 1;
  return k;
}

int Logbook::lastPositionOfNumber(int k) const {
  for (int i = diveCount(); i >= 1; --i)
    if (m_dives[static_cast<size_t>(i - 1)].diveNumber == k) return i;
  return 0;
}

void Logbook::renumber(int first) {
  firstDiveNumber = first;
  for (int i = 0; i < diveCount(); ++i) setNumber(static_cast<size_t>(i), static_cast<uint16_t>(first + i));
  modified = true;
  changes.raise();
}

void Logbook::renumberRange(int from, int to, int start) {
  int next = start;
  for (size_t i = 0; i < m_dives.size(); ++i) {
    const int n = m_dives[i].diveNumber;
    if (n >= from && n <= to) setNumber(i, static_cast<uint16_t>(next++));
  }
  modified = true;
  rebuildTotals(false);
}

void Logbook::shiftTimes(int p, int q, int minutes) {
  p = std::max(p, 1);
  q = std::min(q, diveCount());
  for (int i = p; i <= q; ++i) {
    const DiveRecord& d = m_dives[static_cast<size_t>(i - 1)];
    if (d.date == -1 || d.timeOfDay == NO_VALUE) continue;
    time_t t;
    if (!toCalendar(d.date, d.timeOfDay, t)) continue;
    int32_t date;
    int16_t tod;
    // Dives that would leave the calendar's range stay as they are.
    if (!fromCalendar(t + static_cast<time_t>(minutes) * 60, date, tod)) continue;
    DiveRecord shifted = d;
    shifted.date = date;
    shifted.timeOfDay = tod;
    setRecord(static_cast<size_t>(i - 1), shifted);
  }
  modified = true;
  changes.raise();
}

void Logbook::fillSitesAtLocation(const std::string& displayedLocation) {
  sitesAtLocationList.clear();
  sitesAtLocationList.reserve(diveCount());
  const std::string wanted = toStored(displayedLocation);
  for (const DiveRecord& d : m_dives)
    if (wanted.empty() || getText(d.location) == wanted) sitesAtLocationList.add(getText(d.site));
}

void CopyBuffer::copyFrom(const Logbook& lb, int position) { filled = lb.get(position, record); }

Result SelectionBuffer::copyFrom(const Logbook& lb, int firstNumber, int lastNumber) {
  if (lb.dives().empty() || firstNumber > lastNumber || firstNumber < lb.dives().front().diveNumber ||
      lastNumber > lb.dives().back().diveNumber)
    return Result::failure(str(62502));
  records.clear();
  // Room for the numbers in the range, but never more than the logbook holds. Dive numbers
  // repeat (a dive inserted between two takes the number before it), so every dive in the
  // range is copied, however many share a number.
  const size_t room = std::min(static_cast<size_t>(lastNumber - firstNumber + 1), lb.dives().size());
  try {
    records.reserve(room);
    for (const DiveRecord& d : lb.dives())
      if (d.diveNumber >= firstNumber && d.diveNumber <= lastNumber) records.push_back(d);
  } catch (const std::bad_alloc&) {
    records.clear();
    records.shrink_to_fit();
    return Result::failure(str(63411));
  }
  return Result::success();
}

Result SelectionBuffer::pasteInto(Logbook& lb) {
  // All or nothing: refuse before the first insertion when the logbook cannot take them all.
  if (lb.diveCount() + static_cast<long>(records.size()) > MAX_DIVES)
    return Result::failure(strf(63409, MAX_DIVES));
  for (const DiveRecord& r : records) {
    Result res = lb.insert(r);
    if (!res) return res;
  }
  clear();
  records.shrink_to_fit();
  lb.changes.listChanged = true;
  return Result::success();
}

}  // namespace kelp
