#include "records/activity_book.h"

#include "records/book_date.h"
#include "records/book_io.h"

namespace kelp {
namespace {

// The fields in file order (records/book_io.h).
constexpr auto kFields = [](auto& io, auto& e) {
  io.text(e.activity);
  io.i32(e.startDate);
  io.i32(e.endDate);
  io.i32(e.theoryHours);
  io.i32(e.practiceHours);
  io.i32(e.persons);
  io.text(e.note);
};

}  // namespace

ActivityEntry makeActivity() { return zeroedRecord<ActivityEntry>(); }

ActivityEntry makeNewActivity() {
  ActivityEntry e = makeActivity();
  e.startDate = todayBookDate();
  return e;
}

Result readActivities(const std::string& path, const std::string& bytes, std::vector<ActivityEntry>& out) {
  return readCountedRecords(path, bytes, ACTIVITY_ENTRY_SIZE, kFields, out);
}

std::string serializeActivities(const std::vector<ActivityEntry>& book) {
  return countedRecordBytes(ACTIVITY_FILE_FORMAT, ACTIVITY_ENTRY_SIZE, kFields, book);
}

Result loadActivityFile(const std::string& path, std::vector<ActivityEntry>& out) {
  return loadBookFile(path, [&](const std::string& bytes) { return readActivities(path, bytes, out); });
}

Result saveActivityFile(const std::string& path, const std::vector<ActivityEntry>& book) {
  return saveBookFile(path, book.size(), [&] { return serializeActivities(book); });
}

void sortActivities(std::vector<ActivityEntry>& book) { sortByBookDate(book, &ActivityEntry::startDate); }

ActivityTotals activityTotals(const std::vector<ActivityEntry>& book) {
  ActivityTotals t;
  for (const ActivityEntry& e : book) {
    t.theory += e.theoryHours;
    t.practice += e.practiceHours;
  }
  return t;
}

}  // namespace kelp
