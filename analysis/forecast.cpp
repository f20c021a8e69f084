#include "analysis/forecast.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/file_write.h"
#include "core/strings.h"
#include "core/texts.h"

namespace kelp {
namespace {

constexpr int kCommonYearLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kFirstCalendarYear = 1600;
constexpr size_t kMaxForecastFile = kForecastHeaderSize + size_t{kForecastSlots} * kForecastRecordSize;

int monthLength(int month, int year) {
  return month == 2 && isLeapYear(year) ? 29 : kCommonYearLength[month - 1];
}

uint16_t u16At(const std::string& b, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}
uint32_t u32At(const std::string& b, size_t at) {
  return u16At(b, at) | static_cast<uint32_t>(u16At(b, at + 2)) << 16;
}
void putU16(std::string& b, uint16_t v) {
  b.push_back(static_cast<char>(v & 0xFF));
  b.push_back(static_cast<char>(v >> 8));
}
void putU32(std::string& b, uint32_t v) {
  putU16(b, static_cast<uint16_t>(v & 0xFFFF));
  putU16(b, static_cast<uint16_t>(v >> 16));
}


}  // namespace

int defaultForecastTarget(int diveCount) { return (diveCount + 100) / 100 * 100; }

CalendarDay forecastStart(const Logbook& lb) {
  CalendarDay d;
  if (lb.diveCount() > 0 && lb.dives()[0].date >= 0) {
    fromDayNumber(lb.dives()[0].date, d.day, d.month, d.year);
    d.day = 1;
  }
  return d;
}

ForecastOutcome computeForecast(const Logbook& lb, const ForecastRequest& req, const CalendarDay& today,
                                ForecastResult& out) {
  const int count = lb.diveCount();
  if (req.target <= count) return ForecastOutcome::NothingToDo;
  const int sm = req.startMonth, sy = req.startYear;
  if (sm < 1 || sm > 12 || sy < kFirstCalendarYear || sy > kForecastLastYear) return ForecastOutcome::NothingToDo;
  if (sy > today.year || (sy == today.year && sm > today.month)) return ForecastOutcome::NothingToDo;

  ForecastResult r;
  const std::vector<DiveRecord>& dives = lb.dives();
  size_t cursor = 0;
  bool anyDive = false;
  int m = sm, y = sy, w = 1;
  for (;;) {
    const bool current = m == today.month && y == today.year;
    if (current && !req.withCurrentMonth) break;
    int days = monthLength(m, y);
    if (current) days = today.day <= 8 ? 8 : today.day <= 15 ? 15 : today.day <= 28 ? today.day : days;
    int n = 0;
    while (cursor < dives.size()) {
      const int32_t date = dives[cursor].date;
      if (date >= 0) {
        int dd = 0, mm = 0, yy = 0;
        fromDayNumber(date, dd, mm, yy);
        if (yy > y || (yy == y && mm > m)) break;  // stays under the cursor for a later month
        if (yy == y && mm == m) ++n;
      }
      ++cursor;
    }
    const double rate = static_cast<double>(n) / days;
    if (n > 0) anyDive = true;
    double& slot = r.monthRate[m - 1];
    int& weight = r.monthWeight[m - 1];
    if (weight == 0) {
      slot = rate;
      weight = w;
    } else {
      slot = (w * rate + weight * slot) / (weight + w);
      weight += w;
    }
    if (current) break;
    if (++m > 12) {
      m = 1;
      ++y;
      ++w;
    }
  }
  if (!anyDive) return ForecastOutcome::NoDives;

  double sum = 0;
  int walked = 0;
  for (int i = 0; i < 12; ++i)
    if (r.monthWeight[i] > 0) {
      sum += r.monthRate[i];
      ++walked;
    }
  const double mean = sum / walked;

  double total = count;
  CalendarDay d = today;
  for (;;) {
    if (d.year > kForecastLastYear) return ForecastOutcome::BeyondHorizon;
    total += r.monthWeight[d.month - 1] > 0 ? r.monthRate[d.month - 1] : mean;
    if (total >= req.target) break;
    if (++d.day > monthLength(d.month, d.year)) {
      d.day = 1;
      if (++d.month > 12) {
        d.month = 1;
        ++d.year;
      }
    }
  }
  r.date = d;
  out = r;
  return ForecastOutcome::Found;
}

std::string forecastDateText(const CalendarDay& d) { return format("%d.%02d.%04d", d.day, d.month, d.year); }

std::string forecastRateText(double rate, int month, bool perMonth) {
  if (!perMonth) return format("%.3f", rate);
  return format("%.2f", rate * kCommonYearLength[std::clamp(month, 1, 12) - 1]);
}

std::string forecastStartText(int month, int year) { return format("%02d.%04d", month, year); }

bool parseForecastStart(const std::string& text, int& month, int& year) {
  const size_t dot = text.find('.');
  if (dot == std::string::npos) return false;
  int m = 0, y = 0;
  if (!scanInt(text.substr(0, dot), m) || !scanInt(text.substr(dot + 1), y)) return false;
  month = m == 0 ? 1 : m;
  year = y == 0 ? 1990 : y;
  return true;
}

std::string forecastHorizonMessage() {
  return strf(63540, kForecastLastYear);
}

// ---- records ----

std::string ForecastRecord::utf8() const {
  size_t n = 0;
  while (n < sizeof text && text[n]) ++n;
  return storedToUtf8(std::string(text, n));
}

ForecastRecord ForecastRecord::make(uint32_t stamp, const std::string& utf8Text) {
  ForecastRecord r;
  r.stamp = stamp;
  const std::string stored = utf8ToStored(utf8Text);
  std::memcpy(r.text, stored.data(), std::min(stored.size(), sizeof r.text - 1));
  return r;
}

ForecastFile ForecastFile::parse(const std::string& bytes) {
  ForecastFile f;
  if (bytes.size() < kForecastHeaderSize) return f;
  const size_t count =
      std::min<size_t>(kForecastSlots, (bytes.size() - kForecastHeaderSize) / kForecastRecordSize);
  for (size_t k = 0; k < count; ++k) {
    const size_t at = kForecastHeaderSize + k * kForecastRecordSize;
    ForecastRecord r;
    r.stamp = u32At(bytes, at);
    std::memcpy(r.text, bytes.data() + at + 4, kForecastTextSize);
    r.text[kForecastTextSize - 1] = 0;
    f.ring.push_back(r);
  }
  const uint16_t next = u16At(bytes, 0);
  const uint16_t wrapped = u16At(bytes, 2);
  if (count < kForecastSlots) {
    // Fewer than 100 records: in file order, the next one goes at the end.
    f.wrapped = 0;
    f.nextSlot = static_cast<uint16_t>(count);
  } else {
    f.wrapped = 1;
    f.nextSlot = wrapped != 0 && next < kForecastSlots ? next : 0;
  }
  return f;
}

std::string ForecastFile::serialize() const {
  std::string b;
  b.reserve(kForecastHeaderSize + ring.size() * kForecastRecordSize);
  putU16(b, nextSlot);
  putU16(b, wrapped);
  for (const ForecastRecord& r : ring) {
    putU32(b, r.stamp);
    b.append(r.text, kForecastTextSize);
  }
  return b;
}

std::vector<ForecastRecord> ForecastFile::history() const {
  if (!wrapped) return ring;
  std::vector<ForecastRecord> h(ring.begin() + nextSlot, ring.end());
  h.insert(h.end(), ring.begin(), ring.begin() + nextSlot);
  return h;
}

void ForecastFile::append(const ForecastRecord& r) {
  if (ring.size() < kForecastSlots) {
    ring.push_back(r);
    nextSlot = static_cast<uint16_t>(ring.size() % kForecastSlots);
    if (ring.size() == kForecastSlots) wrapped = 1;
    return;
  }
  ring[nextSlot] = r;
  nextSlot = static_cast<uint16_t>((nextSlot + 1) % kForecastSlots);
  wrapped = 1;
}

ForecastFile ForecastFile::fromHistory(const std::vector<ForecastRecord>& records) {
  ForecastFile f;
  const size_t skip = records.size() > kForecastSlots ? records.size() - kForecastSlots : 0;
  f.ring.assign(records.begin() + static_cast<std::ptrdiff_t>(skip), records.end());
  f.nextSlot = static_cast<uint16_t>(f.ring.size() % kForecastSlots);
  f.wrapped = f.ring.size() == kForecastSlots ? 1 : 0;
  return f;
}

Result loadForecastFile(const std::string& path, ForecastFile& out) {
  out = ForecastFile{};
  std::error_code ec;
  if (path.empty() || !std::filesystem::exists(path, ec)) return Result::success();
  std::ifstream in(path, std::ios::binary);
  if (!in) return Result::failure(strf(63406, path.c_str()));
  std::string bytes(kMaxForecastFile, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return Result::failure(strf(63406, path.c_str()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  out = ForecastFile::parse(bytes);
  return Result::success();
}

Result saveForecastFile(const std::string& path, const ForecastFile& f) {
  return replaceFile(path, f.serialize());
}

Result appendForecastRecords(const std::string& path, const ForecastRecord& first, const ForecastRecord& second) {
  ForecastFile f;
  Result r = loadForecastFile(path, f);
  if (!r) return r;
  f.append(first);
  f.append(second);
  return saveForecastFile(path, f);
}

std::pair<int, int> forecastRecordRange(const std::vector<ForecastRecord>& history, int line) {
  const int n = static_cast<int>(history.size());
  if (line < 0 || line >= n) return {0, 0};
  int first = line;
  while (first > 0 && history[first].stamp == 0) --first;
  // Continuation lines at the very start lost their stamped line to the ring: they form
  // a forecast of their own.
  if (history[first].stamp == 0) first = 0;
  int last = first + 1;
  while (last < n && history[last].stamp == 0) ++last;
  return {first, last};
}

Result deleteForecast(const std::string& path, int line) {
  ForecastFile f;
  Result r = loadForecastFile(path, f);
  if (!r) return r;
  std::vector<ForecastRecord> h = f.history();
  const auto [first, last] = forecastRecordRange(h, line);
  if (first == last) return Result::success();
  h.erase(h.begin() + first, h.begin() + last);
  return saveForecastFile(path, ForecastFile::fromHistory(h));
}

std::vector<std::string> forecastListLines(const std::vector<ForecastRecord>& history) {
  std::vector<std::string> lines;
  lines.reserve(history.size());
  for (const ForecastRecord& r : history)
    lines.push_back(r.stamp ? formatCalendarDate(r.stamp) + "\t" + r.utf8() : "\t" + r.utf8());
  return lines;
}

ForecastRecord forecastHeadRecord(uint32_t stamp, const ForecastRequest& req) {
  return ForecastRecord::make(
      stamp, strf(62624, req.startMonth, req.startYear, str(req.withCurrentMonth ? 62625 : 62626).c_str()));
}

ForecastRecord forecastResultRecord(const ForecastRequest& req, const CalendarDay& date) {
  return ForecastRecord::make(0, strf(62627, req.target, date.day, date.month, date.year));
}

}  // namespace kelp
