#include "records/book_print.h"

#include <algorithm>
#include <cctype>

#include "core/dive_record.h"
#include "core/strings.h"
#include "core/texts.h"
#include "records/book_date.h"

namespace kelp {
namespace {

template <size_t N> std::string t(const char (&field)[N]) { return storedToUtf8(getText(field)); }

// Joins the non-empty parts with `sep`.
std::string join(std::initializer_list<std::string> parts, const std::string& sep) {
  std::string s;
  for (const std::string& p : parts) {
    if (p.empty()) continue;
    if (!s.empty()) s += sep;
    s += p;
  }
  return s;
}

std::string money(double v) { return format("%.2f", v); }

}  // namespace

BookPrintout addressPrintout(const std::vector<BuddyAddress>& book, const std::string& file) {
  BookPrintout p;
  p.kind = kBookAddresses;
  p.title = str(63511);
  p.file = file;
  p.columns = {{str(62466), 38}, {str(63512), 46}, {str(62468), 36}, {str(63513), 50}};
  const bool english = interfaceIsEnglish();
  for (const BuddyAddress& a : book) {
    const std::string town = join({t(a.postalCode), t(a.town)}, " ");
    const std::string place = english ? join({t(a.street), t(a.town), t(a.postalCode)}, "\n")
                                      : join({t(a.street), town, t(a.province)}, "\n");
    const std::string phones = join({t(a.phone1).empty() ? "" : str(63514) + t(a.phone1),
                                     t(a.phone2).empty() ? "" : str(63514) + t(a.phone2),
                                     t(a.fax).empty() ? "" : str(63515) + t(a.fax),
                                     t(a.mobile).empty() ? "" : str(63516) + t(a.mobile)},
                                    "\n");
    const std::string name = join({join({t(a.surname), t(a.firstName)}, ", "), t(a.title)}, "\n");
    const std::string web = join({t(a.email), t(a.homePage), t(a.note)}, "\n");
    p.rows.push_back({name, place, phones, web});
  }
  return p;
}

BookPrintout equipmentPrintout(const std::vector<EquipmentItem>& book, const std::string& file,
                               const std::string& currency, YearMonth now) {
  BookPrintout p;
  p.kind = kBookEquipment;
  p.title = str(63517);
  p.file = file;
  p.columns = {{str(62494), 24},         {str(63518), 46},      {str(62496), 24}, {str(63519), 22},
               {str(63520), 18, true}, {str(63521), 18, true}, {str(62497), 18}};
  for (const EquipmentItem& e : book) {
    const std::string what =
        join({t(e.designation), join({t(e.component1), t(e.serialNumber1)}, " "),
              join({t(e.component2), t(e.serialNumber2)}, " "), t(e.configuration), t(e.note)},
             "\n");
    p.rows.push_back({equipmentCategoryText(equipmentCategory(e)), what, t(e.user), t(e.purchaseDate),
                      money(e.purchasePrice), money(e.serviceCost), nextServiceText(e, now)});
  }
  const EquipmentCosts c = equipmentCosts(book, nullptr);
  p.totals.push_back(strf(63522, money(c.all.purchase).c_str(),
                            currency.c_str(), money(c.all.service).c_str(), currency.c_str(),
                            money(c.all.total()).c_str(), currency.c_str()));
  return p;
}

BookPrintout activityPrintout(const std::vector<ActivityEntry>& book, const std::string& file) {
  BookPrintout p;
  p.kind = kBookActivities;
  p.title = str(63523);
  p.file = file;
  p.columns = {{str(62473), 20},  {str(63524), 20}, {str(62472), 78}, {str(63525), 18, true}, {str(63526), 18, true},
               {str(63527), 16, true}};
  for (const ActivityEntry& e : book)
    p.rows.push_back({formatBookDate(e.startDate), formatBookDate(e.endDate), join({t(e.activity), t(e.note)}, "\n"),
                      format("%d", e.theoryHours), format("%d", e.practiceHours), format("%d", e.persons)});
  const ActivityTotals s = activityTotals(book);
  p.totals.push_back(strf(63528, static_cast<long long>(s.theory),
                            static_cast<long long>(s.practice), static_cast<long long>(s.total())));
  return p;
}

BookPrintout tripPrintout(const std::vector<DiveTrip>& book, const std::string& file) {
  BookPrintout p;
  p.kind = kBookTrips;
  p.title = str(63529);
  p.file = file;
  p.columns = {{str(62473), 20}, {str(63524), 20}, {str(62742), 50}, {str(62650), 24}, {str(62791), 56}};
  for (const DiveTrip& d : book)
    p.rows.push_back({formatBookDate(d.startDate), formatBookDate(d.endDate), t(d.destination), tripDivesText(d),
                      t(d.note)});
  return p;
}

BookPrintout ownerPrintout(const OwnerBook& book, const std::string& file, const std::string& currency) {
  BookPrintout p;
  p.kind = kBookOwner;
  p.title = str(62527);
  p.file = file;
  p.intro = {str(63530) + t(book.owner.name), "Club: " + t(book.owner.club)};
  p.columns = {{str(62494), 28}, {str(62473), 20}, {str(63518), 62}, {str(63531), 36}, {str(63532), 24, true}};
  for (const Certification& c : book.entries)
    p.rows.push_back({t(c.category), formatBookDate(c.date), join({t(c.designation), t(c.note)}, "\n"),
                      t(c.instructor), money(c.cost)});
  p.totals.push_back(
      strf(63533, money(certificationCostTotal(book.entries)).c_str(), currency.c_str()));
  return p;
}

int bookKindOfFile(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return 0;
  std::string ext = path.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == "inf") return kBookOwner;
  if (ext == "dat") return kBookEquipment;
  if (ext == "adr") return kBookAddresses;
  if (ext == "trp") return kBookTrips;
  if (ext == "abn") return kBookActivities;
  return 0;
}

}  // namespace kelp
