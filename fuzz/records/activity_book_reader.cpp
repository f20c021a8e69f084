// Reads arbitrary bytes as an activities file; what is read writes back, reads again and
// writes the same bytes; every stored date shows, and totals, sorting and the printout take
// any value.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "records/activity_book.h"
#include "records/book_date.h"
#include "records/book_print.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<kelp::ActivityEntry> book;
  if (!kelp::readActivities("fuzz.abn", bytes, book)) {
    if (!book.empty()) std::abort();
    return 0;
  }
  const std::string once = kelp::serializeActivities(book);
  std::vector<kelp::ActivityEntry> again;
  if (!kelp::readActivities("fuzz.abn", once, again) || kelp::serializeActivities(again) != once) std::abort();
  for (const auto& e : book) {
    // Every date the field holds shows as a date, and that text reads back as the same day.
    const std::string shown = kelp::formatBookDate(e.startDate);
    if (e.startDate != kelp::NO_BOOK_DATE) {
      const kelp::BookDateEntry back = kelp::parseBookDate(shown);
      if (back.kind != kelp::BookDateEntry::Valid || kelp::bookDateDay(back.stamp) != kelp::bookDateDay(e.startDate))
        std::abort();
    }
  }
  kelp::activityTotals(book);
  kelp::activityPrintout(book, "fuzz.abn");
  if (book.size() <= 64) kelp::sortActivities(book);
  return 0;
}
