#pragma once
// Dates of the activities, trips and certifications. The files hold a signed 32-bit count
// of seconds since 1 January 1970 at local midnight of the date; 0 means no date. A day is
// written as the local midnight of the system's time zone. A stored time reads as the day
// of the nearest local midnight: a file written in this zone reads its own days, and so do
// files written at midnight in any zone up to twelve hours away (Greenwich midnight among
// them). Days are counted with the program's own calendar (day numbers since 1600,
// core/texts.h); the platform's time functions only place the local midnight.
#include <cstdint>
#include <string>
#include <vector>

#include "records/book_io.h"  // exchangeSort

namespace kelp {

inline constexpr int32_t NO_BOOK_DATE = 0;
inline constexpr int32_t SECONDS_PER_DAY = 86400;

// The calendar day (day number) of a stored date: the day of the nearest local midnight.
int32_t bookDateDay(int32_t stamp);
// The stored form of a calendar day: its local midnight. False when the day lies outside
// the field's range. A midnight just beyond the field's ends is stored as the end itself,
// which still reads as that day; a midnight that is 0 ("no date") is kept one second after
// it.
bool bookDateFromDay(int32_t dayNumber, int32_t& stamp);
// The first and last day a book date can hold.
int32_t firstBookDay();
int32_t lastBookDay();

// "%02d.%02d.%04d"; "" for no date.
std::string formatBookDate(int32_t stamp);
// A typed date, "%d.%d.%d" (day, month, year); a year below 1900 is 2000 + year below 40,
// else 1900 + year. An empty text, a text with "#", or a zero day, month or year is no date
// (kind Empty, stamp 0). A text that is not such a date, a day that its month does not have,
// or a date outside the field's range is Invalid: the caller keeps the old value and says so.
struct BookDateEntry {
  enum Kind { Empty, Valid, Invalid } kind = Empty;
  int32_t stamp = NO_BOOK_DATE;
};
BookDateEntry parseBookDate(const std::string& text);
// The message for an invalid typed date.
std::string invalidBookDateMessage(const std::string& text);
// The sort key of a date: no date before every date (dates before 1970 are negative).
inline int64_t bookDateOrder(int32_t stamp) { return stamp == NO_BOOK_DATE ? INT64_MIN : stamp; }
// The exchange sort of a book by one of its dates, entries without a date first.
template <class Rec>
void sortByBookDate(std::vector<Rec>& book, int32_t Rec::*date) {
  exchangeSort(book, [date](const Rec& a, const Rec& b) { return bookDateOrder(a.*date) > bookDateOrder(b.*date); });
}
// Today (local calendar date) as a stored date.
int32_t todayBookDate();

}  // namespace kelp
