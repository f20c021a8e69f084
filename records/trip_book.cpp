#include "records/trip_book.h"

#include <cstring>

#include "core/texts.h"
#include "records/book_date.h"
#include "records/book_io.h"

namespace kelp {
namespace {

void readTrip(ByteIn& in, DiveTrip& t, size_t noteSize) {
  t.startDate = in.i32();
  t.endDate = in.i32();
  t.firstDive = in.i32();
  t.lastDive = in.i32();
  in.text(t.destination);
  in.text(t.note, noteSize);
}

void writeTrip(ByteOut& out, const DiveTrip& t) {
  out.i32(t.startDate);
  out.i32(t.endDate);
  out.i32(t.firstDive);
  out.i32(t.lastDive);
  out.text(t.destination);
  out.text(t.note);
}

bool hasFormatMark(const std::string& bytes) {
  if (bytes.size() < 6) return false;
  ByteIn in(bytes, 2);
  const float f = in.f32();
  return f == TRIP_FILE_FORMAT;
}

}  // namespace

DiveTrip makeTrip() {
  DiveTrip t;
  std::memset(&t, 0, sizeof t);
  return t;
}

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
  if (marked && bytes.size() == 6 + n * TRIP_SIZE) {
    in.f32();
    out.resize(n);
    for (DiveTrip& t : out) readTrip(in, t, sizeof t.note);
    return Result::success();
  }
  if (bytes.size() == 2 + n * OLD_TRIP_SIZE) {
    // Each old trip goes into a zeroed trip: the numbers, the destination and the note.
    out.resize(n);
    for (DiveTrip& t : out) {
      t = makeTrip();
      readTrip(in, t, OLD_TRIP_NOTE_SIZE);
    }
    if (oldLayout) *oldLayout = true;
    return Result::success();
  }
  const size_t expected = marked ? 6 + n * TRIP_SIZE : 2 + n * OLD_TRIP_SIZE;
  return bytes.size() < expected ? shortBookFile(path) : unknownBookLayout(path);
}

std::string serializeTrips(const std::vector<DiveTrip>& book) {
  std::string bytes;
  bytes.reserve(6 + book.size() * TRIP_SIZE);
  ByteOut out(bytes);
  out.u16(static_cast<uint16_t>(book.size()));
  out.f32(TRIP_FILE_FORMAT);
  for (const DiveTrip& t : book) writeTrip(out, t);
  return bytes;
}

Result loadTripFile(const std::string& path, std::vector<DiveTrip>& out, bool* oldLayout) {
  out.clear();
  if (oldLayout) *oldLayout = false;
  std::string bytes;
  bool missing = false;
  Result r = readBookFile(path, bytes, missing);
  if (!r || missing) return r;
  return readTrips(path, bytes, out, oldLayout);
}

Result saveTripFile(const std::string& path, const std::vector<DiveTrip>& book, bool keepOldCopy) {
  if (book.size() > MAX_BOOK_ENTRIES) return tooManyEntries(path);
  if (keepOldCopy) {
    Result r = keepOldLayoutCopy(path);
    if (!r) return r;
  }
  return writeBookFile(path, serializeTrips(book));
}

void sortTrips(std::vector<DiveTrip>& book) {
  exchangeSort(book, [](const DiveTrip& a, const DiveTrip& b) {
    return bookDateOrder(a.startDate) > bookDateOrder(b.startDate);
  });
}

std::string tripDivesText(const DiveTrip& t) { return format("%05d-%05d", t.firstDive, t.lastDive); }

int tripGoToPosition(const DiveTrip& t, const Logbook& lb) {
  if (t.firstDive <= 0) return 0;
  const auto& dives = lb.dives();
  for (size_t i = 0; i < dives.size(); ++i)
    if (dives[i].diveNumber == t.firstDive) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace kelp
