// Dates of the books go through the program's calendar over the whole range of the
// 32-bit field, in any time zone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <limits>

#include "core/texts.h"
#include "records/book_date.h"

using namespace kelp;

namespace {

int32_t stampOf(const char* text) {
  const BookDateEntry e = parseBookDate(text);
  EXPECT_EQ(e.kind, BookDateEntry::Valid) << text;
  return e.stamp;
}

// Runs f with the process time zone set to tz, then restores it.
template <class F> void inTimeZone(const char* tz, F f) {
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  setenv("TZ", tz, 1);
  tzset();
  f();
  if (old) setenv("TZ", saved.c_str(), 1); else unsetenv("TZ");
  tzset();
}

}  // namespace

TEST(BookDates, TypedDatesAreMidnightSecondsSince1970) {
  EXPECT_EQ(stampOf("1.1.2000"), 946684800);
  EXPECT_EQ(stampOf("1.2.99"), 917827200);  // a two-digit year from 40 on is 19xx
  EXPECT_EQ(formatBookDate(stampOf("1.2.05")), "01.02.2005");
  EXPECT_EQ(formatBookDate(stampOf("5.6.37")), "05.06.2037");
  EXPECT_EQ(parseBookDate("5.6.39").kind, BookDateEntry::Invalid);  // 2039 is past the field's end
  EXPECT_EQ(formatBookDate(stampOf(" 7.03.1988")), "07.03.1988");
}

TEST(BookDates, CertificationsBefore1970AndAfter2037ReadAndWrite) {
  EXPECT_EQ(stampOf("20.7.1969"), -14256000);
  EXPECT_EQ(formatBookDate(-14256000), "20.07.1969");
  EXPECT_EQ(formatBookDate(stampOf("14.12.1901")), "14.12.1901");
  EXPECT_EQ(formatBookDate(stampOf("19.1.2038")), "19.01.2038");
  // The extreme values the field can hold still show a date.
  EXPECT_EQ(formatBookDate(std::numeric_limits<int32_t>::min()), "14.12.1901");
  EXPECT_EQ(formatBookDate(std::numeric_limits<int32_t>::max()), "19.01.2038");
  // One day beyond either end cannot be stored.
  EXPECT_EQ(parseBookDate("13.12.1901").kind, BookDateEntry::Invalid);
  EXPECT_EQ(parseBookDate("20.1.2038").kind, BookDateEntry::Invalid);
}

TEST(BookDates, FirstOfJanuary1970IsADateAndNotNone) {
  const int32_t s = stampOf("1.1.1970");
  EXPECT_NE(s, NO_BOOK_DATE);
  EXPECT_EQ(formatBookDate(s), "01.01.1970");
  EXPECT_EQ(formatBookDate(NO_BOOK_DATE), "");
}

TEST(BookDates, FilesWrittenAtLocalMidnightElsewhereKeepTheirDay) {
  const int32_t utc = stampOf("24.12.2004");
  EXPECT_EQ(formatBookDate(utc - 3600), "24.12.2004");       // Central Europe
  EXPECT_EQ(formatBookDate(utc - 7200), "24.12.2004");       // summer time
  EXPECT_EQ(formatBookDate(utc + 5 * 3600), "24.12.2004");   // New York
  EXPECT_EQ(formatBookDate(utc - 11 * 3600), "24.12.2004");  // Sydney in summer
  // And the program itself writes and reads the same in every zone.
  for (const char* tz : {"UTC0", "CET-1CEST,M3.5.0,M10.5.0/3", "EST5EDT", "AEST-10AEDT,M10.1.0,M4.1.0/3"})
    inTimeZone(tz, [&] {
      EXPECT_EQ(stampOf("24.12.2004"), utc) << tz;
      EXPECT_EQ(formatBookDate(utc), "24.12.2004") << tz;
    });
}

TEST(BookDates, EmptyTextsAndZeroPartsAreNoDateWhileNonsenseIsRefused) {
  for (const char* none : {"", "   ", "12.#.2004", "0.5.2004", "3.0.2004", "0.0.0"})
    EXPECT_EQ(parseBookDate(none).kind, BookDateEntry::Empty) << none;
  for (const char* bad : {"abc", "1.2", "31.2.2005", "29.2.2005", "1.13.2004", "-1.5.2004", "1/5/2004", "1.5."})
    EXPECT_EQ(parseBookDate(bad).kind, BookDateEntry::Invalid) << bad;
  EXPECT_EQ(parseBookDate("29.2.2004").kind, BookDateEntry::Valid);
  EXPECT_NE(invalidBookDateMessage("31.2.2005").find("31.2.2005"), std::string::npos);
}

TEST(BookDates, TodayIsTheLocalCalendarDay) {
  int d, m, y;
  fromDayNumber(todayDayNumber(), d, m, y);
  EXPECT_EQ(formatBookDate(todayBookDate()), format("%02d.%02d.%04d", d, m, y));
}
