// Reads arbitrary bytes as a buddy address file; what is read writes back, reads again and
// writes the same bytes, and the list texts, sorting and the printout take every record.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "records/address_book.h"
#include "records/book_print.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<kelp::BuddyAddress> book;
  if (!kelp::readAddresses("fuzz.adr", bytes, book)) {
    if (!book.empty()) std::abort();  // a refused file opens nothing
    return 0;
  }
  const std::string once = kelp::serializeAddresses(book);
  std::vector<kelp::BuddyAddress> again;
  if (!kelp::readAddresses("fuzz.adr", once, again) || kelp::serializeAddresses(again) != once) std::abort();
  for (const auto& a : book) {
    kelp::addressNameText(a);
    kelp::addressLocationText(a, a.note[0] & 1);
  }
  kelp::addressPrintout(book, "fuzz.adr");
  if (book.size() <= 64) kelp::sortAddresses(book);
  return 0;
}
