#pragma once
// The dive forecast: dives per day of each calendar month learnt from the logbook, recent
// years weighted more, projected forward day by day until a dive number is reached. And
// the forecast history, the ring of 100 records in the logbook's ".prg" companion file.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/logbook.h"

namespace kelp {

struct CalendarDay {
  int day = 1, month = 1, year = 1990;
};

struct ForecastRequest {
  int target = 100;             // dive number to reach
  int startMonth = 1, startYear = 1990;
  bool withCurrentMonth = false;
};

struct ForecastResult {
  std::array<double, 12> monthRate{};  // dives per day, January..December
  std::array<int, 12> monthWeight{};   // 0 = month never walked
  CalendarDay date;                    // the forecast day
};

enum class ForecastOutcome {
  Found,
  NothingToDo,    // target already reached, start month invalid or after the current month
  NoDives,        // no month of the walk has a dive
  BeyondHorizon,  // the target is not reached before the end of the year 9999
};

inline constexpr int kForecastLastYear = 9999;

// ((count + 100) / 100) * 100: the next multiple of 100 above the count.
int defaultForecastTarget(int diveCount);
// The start month of a new forecast: month and year of the first dive (1 and 1990 without one).
CalendarDay forecastStart(const Logbook& lb);
// "Calcola". The result is only written when the outcome is Found.
ForecastOutcome computeForecast(const Logbook& lb, const ForecastRequest& req, const CalendarDay& today,
                                ForecastResult& out);
// "%d.%02d.%04d".
std::string forecastDateText(const CalendarDay& d);
// A month's rate as the dialog shows it: per day with 3 decimals, per month (rate times the
// month's length in a common year) with 2.
std::string forecastRateText(double rate, int month, bool perMonth);
// The start month field "%02d.%04d" and its reading ("%d.%d"; a month or year of 0 becomes
// 1 or 1990). False when the text holds no two numbers.
std::string forecastStartText(int month, int year);
bool parseForecastStart(const std::string& text, int& month, int& year);
// The message of a projection stopped at the horizon.
std::string forecastHorizonMessage();

// ---- the .prg history ----
inline constexpr int kForecastSlots = 100;
inline constexpr int kForecastHeaderSize = 4;
inline constexpr int kForecastTextSize = 50;
inline constexpr int kForecastRecordSize = 4 + kForecastTextSize;

// One history line as stored: u32 time stamp (seconds since 1970, 0 = continuation line)
// and 50 text bytes, NUL-padded, at most 49 characters in the stored character form.
struct ForecastRecord {
  uint32_t stamp = 0;
  char text[kForecastTextSize]{};
  std::string utf8() const;
  static ForecastRecord make(uint32_t stamp, const std::string& utf8Text);
};
static_assert(sizeof(ForecastRecord::text) + sizeof(ForecastRecord::stamp) == kForecastRecordSize);

// The file: u16 nextSlot, u16 wrapped, then up to 100 records in slot order.
struct ForecastFile {
  uint16_t nextSlot = 0;   // slot written next once wrapped; the record count modulo 100 before
  uint16_t wrapped = 0;    // 1 once 100 records have been written
  std::vector<ForecastRecord> ring;

  // Reads whole records only, at most 100; the header is made to agree with the records
  // there are (a count below 100 is never wrapped and appends at its end).
  static ForecastFile parse(const std::string& bytes);
  std::string serialize() const;
  // The records oldest first.
  std::vector<ForecastRecord> history() const;
  void append(const ForecastRecord& r);
  // A file that holds these records, oldest first (the newest 100 when there are more).
  static ForecastFile fromHistory(const std::vector<ForecastRecord>& records);
};

// A missing file is an empty history.
Result loadForecastFile(const std::string& path, ForecastFile& out);
// Through a temporary file beside it, renamed over the old one.
Result saveForecastFile(const std::string& path, const ForecastFile& f);
// "<< Inserisci": the stamped line and its continuation.
Result appendForecastRecords(const std::string& path, const ForecastRecord& first, const ForecastRecord& second);
// The records [first, last) of the forecast that history line `line` belongs to: its stamped
// line and the continuation lines after it. Empty when line is outside.
std::pair<int, int> forecastRecordRange(const std::vector<ForecastRecord>& history, int line);
// ">> Cancella": removes the forecast of history line `line`, keeping every other record and
// its time stamp.
Result deleteForecast(const std::string& path, int line);
// List lines: "date\ttext" for a stamped record, "\ttext" for a continuation; the file's
// Italian request and result lines are shown in the language of the run.
std::vector<std::string> forecastListLines(const std::vector<ForecastRecord>& history);
// The two records of a forecast, in Italian whatever the language (the file keeps its bytes).
ForecastRecord forecastHeadRecord(uint32_t stamp, const ForecastRequest& req);
ForecastRecord forecastResultRecord(const ForecastRequest& req, const CalendarDay& date);

}  // namespace kelp
