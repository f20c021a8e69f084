// Reads arbitrary bytes as a trips file of either layout; what is read writes back in the
// current layout, reads again as that layout and writes the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "records/book_print.h"
#include "records/trip_book.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<kelp::DiveTrip> book;
  bool old = false;
  if (!kelp::readTrips("fuzz.trp", bytes, book, &old)) {
    if (!book.empty()) std::abort();
    return 0;
  }
  const std::string once = kelp::serializeTrips(book);
  std::vector<kelp::DiveTrip> again;
  bool oldAgain = true;
  if (!kelp::readTrips("fuzz.trp", once, again, &oldAgain) || oldAgain || kelp::serializeTrips(again) != once)
    std::abort();
  for (const auto& t : book) kelp::tripDivesText(t);
  kelp::tripPrintout(book, "fuzz.trp");
  if (book.size() <= 64) kelp::sortTrips(book);
  return 0;
}
