#include "records/equipment_book.h"

#include <algorithm>
#include <cstring>
#include <ctime>

#include "core/dive_record.h"
#include "core/strings.h"
#include "core/texts.h"
#include "records/book_io.h"

namespace kelp {
namespace {

void readItem(ByteIn& in, EquipmentItem& e) {
  e.category = in.u8();
  in.text(e.designation);
  in.text(e.user);
  in.text(e.purchaseDate);
  in.text(e.component1);
  in.text(e.serialNumber1);
  in.text(e.component2);
  in.text(e.serialNumber2);
  in.text(e.configuration);
  e.lastServiceMonth = in.u16();
  e.lastServiceYear = in.u16();
  e.nextServiceMonth = in.u16();
  e.nextServiceYear = in.u16();
  e.purchasePrice = in.f32();
  e.serviceCost = in.f32();
  in.text(e.note);
  e.remind = in.u8();
}

void writeItem(ByteOut& out, const EquipmentItem& e) {
  out.u8(e.category);
  out.text(e.designation);
  out.text(e.user);
  out.text(e.purchaseDate);
  out.text(e.component1);
  out.text(e.serialNumber1);
  out.text(e.component2);
  out.text(e.serialNumber2);
  out.text(e.configuration);
  out.u16(e.lastServiceMonth);
  out.u16(e.lastServiceYear);
  out.u16(e.nextServiceMonth);
  out.u16(e.nextServiceYear);
  out.f32(e.purchasePrice);
  out.f32(e.serviceCost);
  out.text(e.note);
  out.u8(e.remind);
}

std::string itemBytes(const EquipmentItem& e) {
  std::string b;
  ByteOut out(b);
  writeItem(out, e);
  return b;
}

}  // namespace

EquipmentItem makeEquipmentItem() {
  EquipmentItem e;
  std::memset(&e, 0, sizeof e);
  return e;
}

int equipmentCategory(const EquipmentItem& item) {
  return item.category < EQUIPMENT_CATEGORIES ? item.category : EQUIPMENT_OTHER;
}

std::string equipmentCategoryText(int category) {
  if (category < 0 || category >= EQUIPMENT_CATEGORIES) category = EQUIPMENT_OTHER;
  return str(62484 + category);
}

std::string equipmentCategoryButtonText(int category) {
  static const char* const kTexts[EQUIPMENT_CATEGORIES] = {"Erogatori", "Bombola",    "Jaket", "Computer",
                                                           "Muta",      "Protezioni", "ABC",   "Altro"};
  if (category < 0 || category >= EQUIPMENT_CATEGORIES) category = EQUIPMENT_OTHER;
  return kTexts[category];
}

Result readEquipment(const std::string& path, const std::string& bytes, std::vector<EquipmentItem>& out) {
  out.clear();
  if (bytes.empty()) return Result::success();
  if (bytes.size() < 4) return shortBookFile(path);
  ByteIn in(bytes);
  in.u16();  // format number
  const size_t n = in.u16();
  if (in.left() < n * EQUIPMENT_ITEM_SIZE) return shortBookFile(path);
  if (in.left() > n * EQUIPMENT_ITEM_SIZE) return unknownBookLayout(path);
  out.resize(n);
  for (EquipmentItem& e : out) {
    e = makeEquipmentItem();
    readItem(in, e);
  }
  return Result::success();
}

std::string serializeEquipment(const std::vector<EquipmentItem>& book) {
  std::string bytes;
  bytes.reserve(4 + book.size() * EQUIPMENT_ITEM_SIZE);
  ByteOut out(bytes);
  out.u16(EQUIPMENT_FILE_FORMAT);
  out.u16(static_cast<uint16_t>(book.size()));
  for (const EquipmentItem& e : book) writeItem(out, e);
  return bytes;
}

Result loadEquipmentFile(const std::string& path, std::vector<EquipmentItem>& out) {
  out.clear();
  std::string bytes;
  bool missing = false;
  Result r = readBookFile(path, bytes, missing);
  if (!r || missing) return r;
  return readEquipment(path, bytes, out);
}

Result saveEquipmentFile(const std::string& path, const std::vector<EquipmentItem>& book) {
  if (book.size() > MAX_BOOK_ENTRIES) return tooManyEntries(path);
  return writeBookFile(path, serializeEquipment(book));
}

bool sameEquipmentItem(const EquipmentItem& a, const EquipmentItem& b) { return itemBytes(a) == itemBytes(b); }

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
