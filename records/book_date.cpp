#include "records/book_date.h"

#include <limits>

#include "core/texts.h"
#include "core/strings.h"

namespace kelp {
namespace {

int32_t epochDay() {
  static const int32_t d = dayNumber(1, 1, 1970);
  return d;
}

// Reads "%d" at pos (blanks, sign, digits) and moves pos behind it.
bool readNumber(const std::string& t, size_t& pos, long long& out) {
  size_t i = pos;
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
  bool neg = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) neg = t[i++] == '-';
  if (i >= t.size() || t[i] < '0' || t[i] > '9') return false;
  long long v = 0;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
    if (v < 100000000) v = v * 10 + (t[i] - '0');
    ++i;
  }
  out = neg ? -v : v;
  pos = i;
  return true;
}

int daysInMonth(int m, int y) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && isLeapYear(y) ? 29 : kDays[m - 1];
}

}  // namespace

int32_t bookDateDay(int32_t stamp) {
  // Round to the nearest midnight: floor((stamp + 12 h) / 24 h).
  const int64_t s = int64_t(stamp) + SECONDS_PER_DAY / 2;
  int64_t days = s / SECONDS_PER_DAY;
  if (s % SECONDS_PER_DAY < 0) --days;
  return epochDay() + static_cast<int32_t>(days);
}

int32_t firstBookDay() {
  return epochDay() + static_cast<int32_t>(std::numeric_limits<int32_t>::min() / SECONDS_PER_DAY);
}

int32_t lastBookDay() {
  return epochDay() + static_cast<int32_t>(std::numeric_limits<int32_t>::max() / SECONDS_PER_DAY);
}

bool bookDateFromDay(int32_t dayNumber, int32_t& stamp) {
  if (dayNumber < firstBookDay() || dayNumber > lastBookDay()) return false;
  const int64_t s = int64_t(dayNumber - epochDay()) * SECONDS_PER_DAY;
  stamp = s == 0 ? 1 : static_cast<int32_t>(s);
  return true;
}

std::string formatBookDate(int32_t stamp) {
  if (stamp == NO_BOOK_DATE) return {};
  int d = 0, m = 0, y = 0;
  fromDayNumber(bookDateDay(stamp), d, m, y);
  return format("%02d.%02d.%04d", d, m, y);
}

BookDateEntry parseBookDate(const std::string& text) {
  BookDateEntry none;
  bool blank = true;
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') blank = false;
  if (blank || text.find('#') != std::string::npos) return none;

  BookDateEntry invalid{BookDateEntry::Invalid, NO_BOOK_DATE};
  size_t pos = 0;
  long long d = 0, m = 0, y = 0;
  if (!readNumber(text, pos, d) || pos >= text.size() || text[pos++] != '.') return invalid;
  if (!readNumber(text, pos, m) || pos >= text.size() || text[pos++] != '.') return invalid;
  if (!readNumber(text, pos, y)) return invalid;
  if (d == 0 || m == 0 || y == 0) return none;
  if (y > 0 && y < 1900) y += y < 40 ? 2000 : 1900;
  if (m < 1 || m > 12 || y < 1600 || y > 9999 || d < 1 || d > daysInMonth(int(m), int(y))) return invalid;
  int32_t stamp = 0;
  if (!bookDateFromDay(dayNumber(int(d), int(m), int(y)), stamp)) return invalid;
  return {BookDateEntry::Valid, stamp};
}

std::string invalidBookDateMessage(const std::string& text) {
  int d1, m1, y1, d2, m2, y2;
  fromDayNumber(firstBookDay(), d1, m1, y1);
  fromDayNumber(lastBookDay(), d2, m2, y2);
  return strf(63510,
                text.c_str(), d1, m1, y1, d2, m2, y2);
}

int32_t todayBookDate() {
  int32_t stamp = NO_BOOK_DATE;
  bookDateFromDay(todayDayNumber(), stamp);
  return stamp;
}

}  // namespace kelp
