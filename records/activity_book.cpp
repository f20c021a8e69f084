#include "records/activity_book.h"

#include <cstring>

#include "records/book_date.h"
#include "records/book_io.h"

namespace kelp {
namespace {

void readEntry(ByteIn& in, ActivityEntry& e) {
  in.text(e.activity);
  e.startDate = in.i32();
  e.endDate = in.i32();
  e.theoryHours = in.i32();
  e.practiceHours = in.i32();
  e.persons = in.i32();
  in.text(e.note);
}

void writeEntry(ByteOut& out, const ActivityEntry& e) {
  out.text(e.activity);
  out.i32(e.startDate);
  out.i32(e.endDate);
  out.i32(e.theoryHours);
  out.i32(e.practiceHours);
  out.i32(e.persons);
  out.text(e.note);
}

}  // namespace

ActivityEntry makeActivity() {
  ActivityEntry e;
  std::memset(&e, 0, sizeof e);
  return e;
}

ActivityEntry makeNewActivity() {
  ActivityEntry e = makeActivity();
  e.startDate = todayBookDate();
  return e;
}

Result readActivities(const std::string& path, const std::string& bytes, std::vector<ActivityEntry>& out) {
  out.clear();
  if (bytes.empty()) return Result::success();
  if (bytes.size() < 4) return shortBookFile(path);
  ByteIn in(bytes);
  in.u16();  // format number
  const size_t n = in.u16();
  if (in.left() < n * ACTIVITY_ENTRY_SIZE) return shortBookFile(path);
  if (in.left() > n * ACTIVITY_ENTRY_SIZE) return unknownBookLayout(path);
  out.resize(n);
  for (ActivityEntry& e : out) readEntry(in, e);
  return Result::success();
}

std::string serializeActivities(const std::vector<ActivityEntry>& book) {
  std::string bytes;
  bytes.reserve(4 + book.size() * ACTIVITY_ENTRY_SIZE);
  ByteOut out(bytes);
  out.u16(ACTIVITY_FILE_FORMAT);
  out.u16(static_cast<uint16_t>(book.size()));
  for (const ActivityEntry& e : book) writeEntry(out, e);
  return bytes;
}

Result loadActivityFile(const std::string& path, std::vector<ActivityEntry>& out) {
  out.clear();
  std::string bytes;
  bool missing = false;
  Result r = readBookFile(path, bytes, missing);
  if (!r || missing) return r;
  return readActivities(path, bytes, out);
}

Result saveActivityFile(const std::string& path, const std::vector<ActivityEntry>& book) {
  if (book.size() > MAX_BOOK_ENTRIES) return tooManyEntries(path);
  return writeBookFile(path, serializeActivities(book));
}

void sortActivities(std::vector<ActivityEntry>& book) {
  exchangeSort(book, [](const ActivityEntry& a, const ActivityEntry& b) {
    return bookDateOrder(a.startDate) > bookDateOrder(b.startDate);
  });
}

ActivityTotals activityTotals(const std::vector<ActivityEntry>& book) {
  ActivityTotals t;
  for (const ActivityEntry& e : book) {
    t.theory += e.theoryHours;
    t.practice += e.practiceHours;
  }
  return t;
}

}  // namespace kelp
