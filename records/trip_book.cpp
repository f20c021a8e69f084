#include "records/trip_book.h"

#include "core/texts.h"
#include "records/book_date.h"
#include "records/book_io.h"

namespace kelp {
namespace {

// The fields in file order (records/book_io.h); the older layout has a shorter note.
constexpr auto kFields = [](auto& io, auto& t, size_t noteSize = sizeof(DiveTrip::note)) {
  io.i32(t.startDate);
  io.i32(t.endDate);
  io.i32(t.firstDive);
  io.i32(t.lastDive);
  io.text(t.destination);
  io.text(t.note, noteSize);
};

bool hasFormatMark(const std::string& bytes) {
  if (bytes.size() < 6) return false;
  ByteIn in(bytes, 2);
  const float f = in.f32();
  return f == TRIP_FILE_FORMAT;
}

}  // namespace

DiveTrip makeTrip() { return zeroedRecord<DiveTrip>(); }

DiveTrip makeNewTrip() {
  DiveTrip t = makeTrip();
  t.startDate = todayBookDate();
  return t;
}

Result readTrips(const std::string& path, const std::string& bytes, std::vector<DiveTrip>& out, bool* oldLayout) {
  out.clear();
  if (oldLayout) *oldLayout = false;
  if (bytes.empty()) return Result::success();
  if (bytes.size() < 2) return shortBookFile(path);
  ByteIn in(bytes);
  const size_t n = in.u16();
  const bool marked = hasFormatMark(bytes);
  // The trips the count names are read; bytes behind them are ignored. A marked file too
  // short for its trips is the older layout only when it has exactly that layout's size.
  const size_t oldSize = 2 + n * OLD_TRIP_SIZE;
  if (marked && bytes.size() >= 6 + n * TRIP_SIZE) {
    in.f32();
    out.resize(n);
    for (DiveTrip& t : out) kFields(in, t);
    return Result::success();
  }
  if (bytes.size() == oldSize || (!marked && bytes.size() > oldSize)) {
    // Each old trip goes into a zeroed trip: the numbers, the destination and the note.
    out.resize(n);
    for (DiveTrip& t : out) kFields(in, t, OLD_TRIP_NOTE_SIZE);
    if (oldLayout) *oldLayout = true;
    return Result::success();
  }
  return shortBookFile(path);
}

std::string serializeTrips(const std::vector<DiveTrip>& book) {
  std::string bytes;
  bytes.reserve(6 + book.size() * TRIP_SIZE);
  ByteOut out(bytes);
  out.u16(static_cast<uint16_t>(book.size()));
  out.f32(TRIP_FILE_FORMAT);
  for (const DiveTrip& t : book) kFields(out, t);
  return bytes;
}

Result loadTripFile(const std::string& path, std::vector<DiveTrip>& out, bool* oldLayout) {
  return loadBookFile(path, [&](const std::string& bytes) { return readTrips(path, bytes, out, oldLayout); });
}

Result saveTripFile(const std::string& path, const std::vector<DiveTrip>& book, bool keepOldCopy) {
  return saveBookFile(path, book.size(), [&] { return serializeTrips(book); }, keepOldCopy);
}

void sortTrips(std::vector<DiveTrip>& book) { sortByBookDate(book, &DiveTrip::startDate); }

std::string tripDivesText(const DiveTrip& t) { return format("%05d-%05d", t.firstDive, t.lastDive); }

int tripGoToPosition(const DiveTrip& t, const Logbook& lb) {
  if (t.firstDive <= 0) return 0;
  const auto& dives = lb.dives();
  for (size_t i = 0; i < dives.size(); ++i)
    if (dives[i].diveNumber == t.firstDive) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace kelp
