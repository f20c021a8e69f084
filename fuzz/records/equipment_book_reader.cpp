// Reads arbitrary bytes as an equipment file; what is read writes back, reads again and
// writes the same bytes; categories, due services, costs, sorting and the printout take any
// stored value.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "records/book_print.h"
#include "records/equipment_book.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<kelp::EquipmentItem> book;
  if (!kelp::readEquipment("fuzz.dat", bytes, book)) {
    if (!book.empty()) std::abort();
    return 0;
  }
  const std::string once = kelp::serializeEquipment(book);
  std::vector<kelp::EquipmentItem> again;
  if (!kelp::readEquipment("fuzz.dat", once, again) || kelp::serializeEquipment(again) != once) std::abort();
  const kelp::YearMonth now{2010, 6};
  for (const auto& e : book) {
    const int c = kelp::equipmentCategory(e);
    if (c < 0 || c >= kelp::EQUIPMENT_CATEGORIES) std::abort();
    kelp::nextServiceText(e, now);
  }
  kelp::anyServiceDue(book, now);
  const auto costs = kelp::equipmentCosts(book, nullptr);
  if (costs.all.count != static_cast<int>(book.size())) std::abort();
  for (const std::string& u : kelp::equipmentUsers(book)) kelp::equipmentCosts(book, &u);
  kelp::equipmentPrintout(book, "fuzz.dat", "EUR", now);
  if (book.size() <= 64) kelp::sortEquipment(book);
  return 0;
}
