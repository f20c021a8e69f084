#pragma once
// The equipment book (.dat): a 16-bit format number (100), a 16-bit count n, then n items of
// 357 bytes, little-endian, fields in the order of EquipmentItem. Texts are NUL-terminated
// in the stored character form.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "core/logbook.h"  // Result

namespace kelp {

struct EquipmentItem {
  uint8_t category;            // 0..7; any other value is shown and summed as "Altro" (7)
  char designation[61];
  char user[21];
  char purchaseDate[31];       // as typed
  char component1[31];
  char serialNumber1[21];
  char component2[31];
  char serialNumber2[21];
  char configuration[61];
  uint16_t lastServiceMonth;   // 1..12, 0 = none
  uint16_t lastServiceYear;    // 0 = none
  uint16_t nextServiceMonth;
  uint16_t nextServiceYear;
  float purchasePrice;         // in the currency of the settings
  float serviceCost;
  char note[61];
  uint8_t remind;              // remind of the next service
};
static_assert(std::is_trivially_copyable_v<EquipmentItem>);

inline constexpr uint16_t EQUIPMENT_FILE_FORMAT = 100;
// The item in the file: the fields one after the other, without padding.
inline constexpr size_t EQUIPMENT_ITEM_SIZE =
    1 + sizeof(EquipmentItem::designation) + sizeof(EquipmentItem::user) + sizeof(EquipmentItem::purchaseDate) +
    sizeof(EquipmentItem::component1) + sizeof(EquipmentItem::serialNumber1) + sizeof(EquipmentItem::component2) +
    sizeof(EquipmentItem::serialNumber2) + sizeof(EquipmentItem::configuration) + 4 * 2 + 2 * 4 +
    sizeof(EquipmentItem::note) + 1;
static_assert(EQUIPMENT_ITEM_SIZE == 357, "an equipment item is 357 bytes in the file");

inline constexpr int EQUIPMENT_CATEGORIES = 8;
inline constexpr int EQUIPMENT_OTHER = 7;  // "Altro"

// A zeroed item.
EquipmentItem makeEquipmentItem();
// The category an item is shown and summed under: its stored value when 0..7, else "Altro".
int equipmentCategory(const EquipmentItem& item);
// List text of a category (strings 62484..62491) and the radio button text of dialog 146.
std::string equipmentCategoryText(int category);
std::string equipmentCategoryButtonText(int category);

// Reads and writes as the address book does (count must match the file; missing = empty).
Result readEquipment(const std::string& path, const std::string& bytes, std::vector<EquipmentItem>& out);
std::string serializeEquipment(const std::vector<EquipmentItem>& book);
Result loadEquipmentFile(const std::string& path, std::vector<EquipmentItem>& out);
Result saveEquipmentFile(const std::string& path, const std::vector<EquipmentItem>& book);
bool sameEquipmentItem(const EquipmentItem& a, const EquipmentItem& b);

// A present month and year.
struct YearMonth {
  int year = 0;
  int month = 0;
};
YearMonth currentYearMonth();  // local calendar
// The next service is due: the present year is after the next-service year, or it is that
// year and the present month is at or after the next-service month.
bool serviceDue(const EquipmentItem& item, YearMonth now);
// List text of the next service: "%02u.%04u" when its year is set, with "*" behind when the
// reminder is on and the service is due; "" when no year is set.
std::string nextServiceText(const EquipmentItem& item, YearMonth now);
// The start-up check: the first item whose reminder is on, whose next-service month and
// year are set and which is due. False for an unreadable file.
bool anyServiceDue(const std::vector<EquipmentItem>& book, YearMonth now);
bool serviceDueInFile(const std::string& path, YearMonth now);

// Three exchange passes: by category, then by user among equal categories, then by
// designation among equal categories and users (stored bytes compared unsigned).
void sortEquipment(std::vector<EquipmentItem>& book);

// The users of the cost dialog, in the order they first appear (stored form).
std::vector<std::string> equipmentUsers(const std::vector<EquipmentItem>& book);
// Costs per category for one user (nullptr: every item) and their total.
struct CostRow {
  int count = 0;
  double purchase = 0;
  double service = 0;
  double total() const { return purchase + service; }
};
struct EquipmentCosts {
  std::array<CostRow, EQUIPMENT_CATEGORIES> categories{};
  CostRow all;
};
EquipmentCosts equipmentCosts(const std::vector<EquipmentItem>& book, const std::string* user);

}  // namespace kelp
