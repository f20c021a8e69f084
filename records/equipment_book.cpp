#include "records/equipment_book.h"

#include <algorithm>
#include <ctime>

#include "core/dive_record.h"
#include "core/strings.h"
#include "core/texts.h"
#include "records/book_io.h"

namespace kelp {
namespace {

// The fields in file order (records/book_io.h), without the padding of the struct.
constexpr auto kFields = [](auto& io, auto& e) {
  io.u8(e.category);
  io.text(e.designation);
  io.text(e.user);
  io.text(e.purchaseDate);
  io.text(e.component1);
  io.text(e.serialNumber1);
  io.text(e.component2);
  io.text(e.serialNumber2);
  io.text(e.configuration);
  io.u16(e.lastServiceMonth);
  io.u16(e.lastServiceYear);
  io.u16(e.nextServiceMonth);
  io.u16(e.nextServiceYear);
  io.f32(e.purchasePrice);
  io.f32(e.serviceCost);
  io.text(e.note);
  io.u8(e.remind);
};

}  // namespace

EquipmentItem makeEquipmentItem() { return zeroedRecord<EquipmentItem>(); }

int equipmentCategory(const EquipmentItem& item) {
  return item.category < EQUIPMENT_CATEGORIES ? item.category : EQUIPMENT_OTHER;
}

std::string equipmentCategoryText(int category) {
  if (category < 0 || category >= EQUIPMENT_CATEGORIES) category = EQUIPMENT_OTHER;
  return str(62484 + category);
}

std::string equipmentCategoryButtonText(int category) {
  static const int kTexts[EQUIPMENT_CATEGORIES] = {63478, 62485, 63479, 63480, 62488, 62489, 62490, 62561};
  if (category < 0 || category >= EQUIPMENT_CATEGORIES) category = EQUIPMENT_OTHER;
  return str(kTexts[category]);
}

Result readEquipment(const std::string& path, const std::string& bytes, std::vector<EquipmentItem>& out) {
  return readCountedRecords(path, bytes, EQUIPMENT_ITEM_SIZE, kFields, out);
}

std::string serializeEquipment(const std::vector<EquipmentItem>& book) {
  return countedRecordBytes(EQUIPMENT_FILE_FORMAT, EQUIPMENT_ITEM_SIZE, kFields, book);
}

Result loadEquipmentFile(const std::string& path, std::vector<EquipmentItem>& out) {
  return loadBookFile(path, [&](const std::string& bytes) { return readEquipment(path, bytes, out); });
}

Result saveEquipmentFile(const std::string& path, const std::vector<EquipmentItem>& book) {
  return saveBookFile(path, book.size(), [&] { return serializeEquipment(book); });
}

bool sameEquipmentItem(const EquipmentItem& a, const EquipmentItem& b) {
  return recordBytes(kFields, a) == recordBytes(kFields, b);
}

YearMonth currentYearMonth() {
  int d = 0, m = 0, y = 0;
  fromDayNumber(todayDayNumber(), d, m, y);
  return {y, m};
}

bool serviceDue(const EquipmentItem& item, YearMonth now) {
  return now.year > item.nextServiceYear || (now.year == item.nextServiceYear && now.month >= item.nextServiceMonth);
}

std::string nextServiceText(const EquipmentItem& item, YearMonth now) {
  if (item.nextServiceYear == 0) return {};
  std::string s = format("%02u.%04u", unsigned(item.nextServiceMonth), unsigned(item.nextServiceYear));
  if (item.remind && serviceDue(item, now)) s += '*';
  return s;
}

bool anyServiceDue(const std::vector<EquipmentItem>& book, YearMonth now) {
  return std::any_of(book.begin(), book.end(), [now](const EquipmentItem& e) {
    return e.remind && e.nextServiceMonth != 0 && e.nextServiceYear != 0 && serviceDue(e, now);
  });
}

bool serviceDueInFile(const std::string& path, YearMonth now) {
  std::vector<EquipmentItem> book;
  if (!loadEquipmentFile(path, book)) return false;
  return anyServiceDue(book, now);
}

void sortEquipment(std::vector<EquipmentItem>& book) {
  exchangeSort(book, [](const EquipmentItem& a, const EquipmentItem& b) {
    return equipmentCategory(a) > equipmentCategory(b);
  });
  exchangeSort(book, [](const EquipmentItem& a, const EquipmentItem& b) {
    return equipmentCategory(a) == equipmentCategory(b) && compareStored(a.user, b.user) > 0;
  });
  exchangeSort(book, [](const EquipmentItem& a, const EquipmentItem& b) {
    return equipmentCategory(a) == equipmentCategory(b) && compareStored(a.user, b.user) == 0 &&
           compareStored(a.designation, b.designation) > 0;
  });
}

std::vector<std::string> equipmentUsers(const std::vector<EquipmentItem>& book) {
  std::vector<std::string> users;
  for (const EquipmentItem& e : book) {
    const std::string u = getText(e.user);
    if (std::find(users.begin(), users.end(), u) == users.end()) users.push_back(u);
  }
  return users;
}

EquipmentCosts equipmentCosts(const std::vector<EquipmentItem>& book, const std::string* user) {
  EquipmentCosts c;
  for (const EquipmentItem& e : book) {
    if (user && getText(e.user) != *user) continue;
    for (CostRow* row : {&c.categories[size_t(equipmentCategory(e))], &c.all}) {
      ++row->count;
      row->purchase += e.purchasePrice;
      row->service += e.serviceCost;
    }
  }
  return c;
}

}  // namespace kelp
