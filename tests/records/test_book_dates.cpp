// Dates of the books: written as local midnight, read as the day of the nearest local
// midnight, over the whole range of the 32-bit field, in several time zones.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <limits>
#include <vector>

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

constexpr const char* kUtc = "UTC0";
constexpr const char* kRome = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr const char* kNewYork = "EST5EDT,M3.2.0,M11.1.0";
constexpr const char* kSydney = "AEST-10AEDT,M10.1.0,M4.1.0/3";
constexpr const char* kZones[] = {kUtc, kRome, kNewYork, kSydney};

TEST(BookDates, TypedDatesAreWrittenAsLocalMidnight) {
  inTimeZone(kUtc, [] {
    EXPECT_EQ(stampOf("1.1.2000"), 946684800);
    EXPECT_EQ(stampOf("1.2.99"), 917827200);  // a two-digit year from 40 on is 19xx
  });
  inTimeZone(kRome, [] {
    EXPECT_EQ(stampOf("1.1.2000"), 946684800 - 3600);
    EXPECT_EQ(stampOf("1.7.2004"), 1088640000 - 7200);  // summer time
  });
  inTimeZone(kNewYork, [] { EXPECT_EQ(stampOf("1.1.2000"), 946684800 + 5 * 3600); });
  inTimeZone(kSydney, [] { EXPECT_EQ(stampOf("1.1.2000"), 946684800 - 11 * 3600); });
  for (const char* tz : kZones)
    inTimeZone(tz, [&] {
      for (const char* day : {"1.1.2000", "28.3.2004", "31.10.2004", "24.12.2004", "20.7.1969", "1.1.1970"}) {
        const time_t t = stampOf(day);
        struct tm local {};
        ASSERT_TRUE(localtime_r(&t, &local));
        // Midnight, but 1 January 1970 at 0 would be "no date" in Greenwich: one second on.
        EXPECT_EQ(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec, t == 1 ? 1 : 0) << tz << " " << day;
        EXPECT_EQ(formatBookDate(static_cast<int32_t>(t)).substr(0, 2), format("%02d", local.tm_mday)) << tz;
      }
      EXPECT_EQ(formatBookDate(stampOf("1.2.05")), "01.02.2005") << tz;
      EXPECT_EQ(formatBookDate(stampOf("5.6.37")), "05.06.2037") << tz;
      EXPECT_EQ(parseBookDate("5.6.39").kind, BookDateEntry::Invalid) << tz;  // 2039 is past the field's end
      EXPECT_EQ(formatBookDate(stampOf(" 7.03.1988")), "07.03.1988") << tz;
    });
}

TEST(BookDates, CertificationsBefore1970AndAfter2037ReadAndWrite) {
  for (const char* tz : kZones)
    inTimeZone(tz, [&] {
      EXPECT_EQ(formatBookDate(stampOf("20.7.1969")), "20.07.1969") << tz;
      EXPECT_EQ(formatBookDate(stampOf("14.12.1901")), "14.12.1901") << tz;
      EXPECT_EQ(formatBookDate(stampOf("19.1.2038")), "19.01.2038") << tz;
      // One day beyond either end cannot be stored.
      EXPECT_EQ(parseBookDate("13.12.1901").kind, BookDateEntry::Invalid) << tz;
      EXPECT_EQ(parseBookDate("20.1.2038").kind, BookDateEntry::Invalid) << tz;
    });
  inTimeZone(kUtc, [] {
    EXPECT_EQ(stampOf("20.7.1969"), -14256000);
    // The extreme values the field can hold still show a date.
    EXPECT_EQ(formatBookDate(std::numeric_limits<int32_t>::min()), "14.12.1901");
    EXPECT_EQ(formatBookDate(std::numeric_limits<int32_t>::max()), "19.01.2038");
  });
}

TEST(BookDates, FirstOfJanuary1970IsADateAndNotNone) {
  for (const char* tz : kZones)
    inTimeZone(tz, [&] {
      const int32_t s = stampOf("1.1.1970");
      EXPECT_NE(s, NO_BOOK_DATE) << tz;
      EXPECT_EQ(formatBookDate(s), "01.01.1970") << tz;
    });
  EXPECT_EQ(formatBookDate(NO_BOOK_DATE), "");
}

TEST(BookDates, AnyTimeNearALocalMidnightReadsAsItsDayAndOtherZonesKeepTheirDay) {
  const int32_t greenwich = 1103846400;  // 24.12.2004 00:00 in Greenwich
  const int32_t rome = greenwich - 3600, newYork = greenwich + 5 * 3600, sydney = greenwich - 11 * 3600;
  struct Case {
    const char* reader;
    std::vector<int32_t> written;  // midnights of the day in zones up to twelve hours away
  };
  const Case cases[] = {{kUtc, {greenwich, rome, newYork, sydney}},
                        {kRome, {greenwich, rome, newYork, sydney}},
                        {kNewYork, {greenwich, rome, newYork}},
                        {kSydney, {greenwich, rome, sydney}}};
  for (const Case& c : cases)
    inTimeZone(c.reader, [&] {
      for (int32_t w : c.written) EXPECT_EQ(formatBookDate(w), "24.12.2004") << c.reader << " " << w;
      const int32_t own = stampOf("24.12.2004");
      for (int hours : {0, 3, 9, 11}) EXPECT_EQ(formatBookDate(own + hours * 3600), "24.12.2004") << c.reader;
      EXPECT_EQ(formatBookDate(own - 3600), "24.12.2004") << c.reader;  // late on the evening before
      EXPECT_EQ(formatBookDate(own + 13 * 3600), "25.12.2004") << c.reader;
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
  for (const char* tz : kZones)
    inTimeZone(tz, [&] {
      int d, m, y;
      fromDayNumber(todayDayNumber(), d, m, y);
      EXPECT_EQ(formatBookDate(todayBookDate()), format("%02d.%02d.%04d", d, m, y)) << tz;
    });
}
