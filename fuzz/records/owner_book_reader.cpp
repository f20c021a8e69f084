// Reads arbitrary bytes as an owner file of either layout; what is read writes back in the
// current layout, reads again as that layout and writes the same bytes. Only a file of the
// older layout's exact size reads as the older layout.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "records/book_print.h"
#include "records/owner_book.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  kelp::OwnerBook book;
  bool old = false;
  if (!kelp::readOwnerBook("fuzz.inf", bytes, book, &old)) {
    if (!book.entries.empty()) std::abort();
    return 0;
  }
  if (old && size != kelp::OLD_OWNER_FILE_SIZE) std::abort();
  const std::string once = kelp::serializeOwnerBook(book);
  kelp::OwnerBook again;
  bool oldAgain = true;
  if (!kelp::readOwnerBook("fuzz.inf", once, again, &oldAgain) || oldAgain ||
      kelp::serializeOwnerBook(again) != once)
    std::abort();
  kelp::ownerPrintout(book, "fuzz.inf", "EUR");
  if (book.entries.size() <= 64) kelp::sortCertifications(book.entries);
  return 0;
}
