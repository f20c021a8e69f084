// UDDF export: the document is built as a tree with pugixml and written in one piece.
#include "transfer/uddf_export.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <pugixml.hpp>
#include <utility>
#include <vector>

#include "core/file_write.h"
#include "core/settings.h"
#include "core/string_list.h"
#include "core/strings.h"
#include "core/texts.h"
#include "core/version.h"
#include "records/book_date.h"
#include "transfer/xml_memory.h"

namespace kelp {

namespace {

using pugi::xml_node;

// ---- values ----

// The shortest decimal that reads back as the same value, never in exponent form; 0 for a
// value that is no number.
template <class F> std::string decimal(F v) {
  if (!std::isfinite(v)) return "0";
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  return r.ec == std::errc() ? std::string(buf, r.ptr) : std::string("0");
}
// Hundredths of a unit (the record's cm, 1/100 kg, ...) in the whole unit: 1234 -> "12.34".
std::string hundredths(int v) { return decimal(v / 100.0); }
bool has(int16_t v) { return v != NO_VALUE; }

// Text as XML 1.0 may hold it: control characters other than tab, line feed and carriage
// return become blanks. Stored texts are converted from their stored form first.
std::string xmlText(std::string s) {
  for (char& c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 && c != '\t' && c != '\n' && c != '\r') c = ' ';
  }
  return s;
}
std::string trimmed(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}
template <size_t N> std::string textOf(const char (&field)[N]) {
  return trimmed(xmlText(storedToUtf8(getText(field))));
}

// Lines of a multi-line text, blank lines dropped.
std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::string line = trimmed(text.substr(start, end - start));
    if (!line.empty()) out.push_back(std::move(line));
    start = end + 1;
  }
  return out;
}

std::string localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%S", &tm);
  return buf;
}

// ---- tree helpers ----

xml_node child(xml_node parent, const char* name) { return parent.append_child(name); }
xml_node child(xml_node parent, const char* name, const std::string& text) {
  xml_node n = parent.append_child(name);
  if (!text.empty()) n.append_child(pugi::node_pcdata).set_value(text.c_str());
  return n;
}
void link(xml_node parent, const std::string& ref) {
  parent.append_child("link").append_attribute("ref").set_value(ref.c_str());
}
xml_node withId(xml_node n, const std::string& id) {
  n.append_attribute("id").set_value(id.c_str());
  return n;
}

// Paragraphs of a notes element; the element is written only when there is one.
class Notes {
 public:
  void add(const std::string& para) {
    if (!para.empty()) paras_.push_back(para);
  }
  void addText(const std::string& text) {
    for (std::string& l : linesOf(text)) paras_.push_back(std::move(l));
  }
  // "Label: value" when the value is not empty.
  void line(const std::string& label, const std::string& value) {
    if (!value.empty()) paras_.push_back(label + ": " + value);
  }
  void writeTo(xml_node parent) const {
    if (paras_.empty()) return;
    xml_node n = child(parent, "notes");
    for (const std::string& p : paras_) child(n, "para", p);
  }

 private:
  std::vector<std::string> paras_;
};

void personal(xml_node person, const std::string& name) {
  const PersonName n = splitPersonName(name);
  xml_node p = child(person, "personal");
  child(p, "firstname", n.first);
  child(p, "lastname", n.last);
}

// ---- what the dives refer to ----

// One buddy of the diver section: a name the dives give, an entry of the address book, or
// both when they name the same person.
struct Buddy {
  std::string id;
  std::string name;                      // as the dives write it; "" for an address alone
  const BuddyAddress* address = nullptr;
};

// Sites and buddies get their ids in the order the exported dives first name them; entries of
// the address book that no dive names follow.
struct References {
  std::map<std::pair<std::string, std::string>, std::string> siteIds;  // (location, site) -> id
  std::vector<std::pair<std::string, std::string>> sites;              // in id order
  std::map<std::string, size_t> buddyIndex;                            // name -> buddies[i]
  std::vector<Buddy> buddies;

  const std::string* site(const DiveRecord& r) const {
    auto it = siteIds.find({textOf(r.location), textOf(r.site)});
    return it == siteIds.end() ? nullptr : &it->second;
  }
  const std::string& buddyId(const std::string& name) const { return buddies[buddyIndex.at(name)].id; }
  void collect(const DiveRecord& r) {
    std::pair<std::string, std::string> key{textOf(r.location), textOf(r.site)};
    if ((!key.first.empty() || !key.second.empty()) && !siteIds.count(key)) {
      siteIds.emplace(key, "site" + std::to_string(sites.size() + 1));
      sites.push_back(std::move(key));
    }
    for (std::string& b : buddyNames(r))
      if (!buddyIndex.count(b)) addBuddy(std::move(b), nullptr);
  }
  // An address joins the buddy of its name ("first name surname", letters compared without
  // case) when the dives know one that has no address yet; else it is a buddy of its own.
  void addAddresses(const std::vector<BuddyAddress>& book) {
    std::map<std::string, size_t> byName;
    for (size_t i = 0; i < buddies.size(); ++i) byName.emplace(folded(buddies[i].name), i);
    for (const BuddyAddress& a : book) {
      auto it = byName.find(folded(textOf(a.firstName) + " " + textOf(a.surname)));
      if (it != byName.end() && !buddies[it->second].address)
        buddies[it->second].address = &a;
      else
        addBuddy({}, &a);
    }
  }
  static std::vector<std::string> buddyNames(const DiveRecord& r) {
    std::vector<std::string> out;
    for (const std::string& b : splitEntries(getText(r.buddies))) {
      std::string name = trimmed(xmlText(storedToUtf8(b)));
      if (!name.empty()) out.push_back(std::move(name));
    }
    return out;
  }

 private:
  void addBuddy(std::string name, const BuddyAddress* a) {
    if (!name.empty()) buddyIndex.emplace(name, buddies.size());
    buddies.push_back({"buddy" + std::to_string(buddies.size() + 1), std::move(name), a});
  }
  // A name for comparing: blanks collapsed, ASCII letters in lower case.
  static std::string folded(const std::string& name) {
    std::string out;
    for (char c : trimmed(name)) {
      if (c == ' ' || c == '\t') {
        if (!out.empty() && out.back() != ' ') out += ' ';
        continue;
      }
      out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
  }
};

// ---- one dive ----

std::string diveId(int position) { return "dive" + std::to_string(position); }

// Sample flags of the dive computer and the alarm each stands for: bit 1 the remaining bottom
// time, bit 2 the ascent warning, bit 3 the decompression ceiling, bit 4 the breathing
// (workload) warning. Bit 0 (a decompression obligation) and bit 5 (the radio signal) are
// states, not warnings.
constexpr std::pair<int, const char*> kSampleAlarms[] = {
    {1, "rbt"}, {2, "ascent"}, {3, "deco"}, {4, "breath"}};

// Warning bits of the dive and the format's global alarms; bit 3 (decompression) has none and
// stays a line of the notes.
constexpr std::pair<int, const char*> kGlobalAlarms[] = {
    {kWarnAscent, "ascent-warning-too-long"}, {kWarnWorkload, "work-too-hard"}, {kWarnSos, "sos-mode"}};

void writeSamples(xml_node dive, const DiveRecord& r) {
  if (r.profileLength == 0 || r.sampleCount <= 0) return;
  xml_node samples = child(dive, "samples");
  const int n = std::min<int>(r.sampleCount, MAX_SAMPLES - 1);
  // The samples lie 20 s apart; the closing surface point follows the last one.
  for (int i = 0; i <= n; ++i) {
    const ProfileSample& s = r.samples[i];
    xml_node wp = child(samples, "waypoint");
    if (i < n)
      for (const auto& [bit, alarm] : kSampleAlarms)
        if (s.sampleFlags & (1u << bit)) child(wp, "alarm", alarm);
    const float depth = i < n ? -s.depth : 0.0f;
    child(wp, "depth", decimal(depth == 0.0f ? 0.0f : depth));
    child(wp, "divetime", std::to_string(i * 20));
  }
}

void writeDive(xml_node group, const DiveRecord& r, int position, const References& refs) {
  xml_node dive = withId(child(group, "dive"), diveId(position));

  // The buddies are linked first and the site last: readers that take the links of a dive in
  // order as its buddies then stop at the site.
  xml_node before = child(dive, "informationbeforedive");
  std::vector<const std::string*> linked;  // a buddy named twice is linked once
  for (const std::string& b : References::buddyNames(r)) {
    const std::string& id = refs.buddyId(b);
    if (std::find(linked.begin(), linked.end(), &id) != linked.end()) continue;
    linked.push_back(&id);
    link(before, id);
  }
  if (const std::string* site = refs.site(r)) link(before, *site);
  if (r.diveNumber > 0) child(before, "divenumber", std::to_string(r.diveNumber));
  child(before, "datetime", uddfDateTime(r.date, r.timeOfDay));
  if (has(r.airTemperature)) child(before, "airtemperature", hundredths(r.airTemperature + 27315));
  if (has(r.surfaceInterval) && r.surfaceInterval > 0)
    child(child(before, "surfaceintervalbeforedive"), "passedtime", std::to_string(r.surfaceInterval * 60));
  if (has(r.weight)) child(child(before, "equipmentused"), "leadquantity", hundredths(r.weight));
  if (isScr(r)) child(before, "apparatus", "rebreather");

  // The tank: its start pressure is what the format needs first; without it the volume
  // stays a line of the notes and the pressure used is still the pressure drop below.
  const bool tank = has(r.startPressure);
  if (tank) {
    xml_node t = child(dive, "tankdata");
    if (has(r.tankSize)) child(t, "tankvolume", decimal(r.tankSize / 100000.0));
    child(t, "tankpressurebegin", std::to_string(r.startPressure * 1000));
    if (has(r.airConsumed) && r.startPressure - r.airConsumed >= 0)
      child(t, "tankpressureend", std::to_string((r.startPressure - r.airConsumed) * 1000));
  }

  writeSamples(dive, r);

  xml_node after = child(dive, "informationafterdive");
  const int depthCm = shownMaxDepth(r);
  const double greatest = depthCm >= 0 && depthCm != NO_VALUE ? depthCm / 100.0
                          : r.profileMaxDepth > 0         ? r.profileMaxDepth
                                                          : 0.0;
  child(after, "greatestdepth", decimal(greatest));
  const float avg = shownAvgDepth(r);
  if (avg > 0) child(after, "averagedepth", decimal(avg));
  const int seconds = has(r.diveTime) && r.diveTime > 0 ? r.diveTime * 60
                      : r.profileLength != 0 && r.sampleCount > 0 ? r.sampleCount * 20
                                                                  : 0;
  child(after, "diveduration", std::to_string(seconds));
  if (has(r.minWaterTemperature))
    child(after, "lowesttemperature", hundredths(r.minWaterTemperature + 27315));
  if (has(r.visibility)) child(after, "visibility", hundredths(r.visibility));
  if (has(r.airConsumed)) child(after, "pressuredrop", std::to_string(r.airConsumed * 1000));

  std::vector<const char*> global;
  std::string otherWarnings;
  for (int bit = 0; bit < 8; ++bit) {
    if (!(r.warningFlags & (1u << bit))) continue;
    const char* alarm = nullptr;
    for (const auto& [b, a] : kGlobalAlarms)
      if (b == bit) alarm = a;
    if (alarm)
      global.push_back(alarm);
    else if (!warningBitText(bit).empty())
      otherWarnings += (otherWarnings.empty() ? "" : ", ") + warningBitText(bit);
  }
  if (!global.empty()) {
    xml_node g = child(after, "globalalarmsgiven");
    for (const char* a : global) child(g, "globalalarm", a);
  }

  Notes notes;
  notes.addText(xmlText(formatNotes(r)));
  if (r.diveTypeFlags != 0) notes.line(str(62513), diveTypeText(r));
  notes.line(str(62514), activitiesText(r));
  notes.line("Altro", textOf(r.otherActivities));
  if (r.weather != 0) notes.line(str(62512), weatherText(r.weather));
  if (r.suit != 0) notes.line(str(62488), suitText(r.suit));
  notes.line(str(62649), textOf(r.suitDescription));
  if (r.altitudeClass >= 1 && r.altitudeClass <= 4) notes.line(str(62511), str(62455 + r.altitudeClass));
  if (r.computerType != 0) notes.line("Computer", xmlText(formatComputerType(r.computerType)));
  if (profileKind(r) == ProfileKind::HandMade) notes.line(str(62591), str(62592));
  if (!tank && has(r.tankSize)) notes.line("Dim bombola", hundredths(r.tankSize) + " l");
  if (r.tankMaterial != 0) notes.line(str(62787), tankMaterialText(r.tankMaterial));
  notes.line("Allarmi", otherWarnings);
  notes.writeTo(after);
}

// ---- the books ----

// A book date as the format's date and time; "" for no date.
std::string bookDateTime(int32_t stamp) {
  return stamp == NO_BOOK_DATE ? std::string() : uddfDateTime(bookDateDay(stamp), 0);
}
void encapsulatedDate(xml_node parent, const char* name, int32_t stamp) {
  if (stamp != NO_BOOK_DATE) child(child(parent, name), "datetime", bookDateTime(stamp));
}

std::string money(float v, const std::string& currency) {
  std::string t = format("%.2f", static_cast<double>(v));
  const std::string c = trimmed(xmlText(currency));
  return c.empty() ? t : t + " " + c;
}

// A web address as xs:anyURI takes it: blanks, characters beyond ASCII and a "%" that starts no
// escape are escaped.
std::string uri(const std::string& text) {
  static const char* kHex = "0123456789ABCDEF";
  auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto u = static_cast<unsigned char>(text[i]);
    const bool escape = u <= 0x20 || u >= 0x7F || std::strchr("\"<>\\^`{|}[]", text[i]) ||
                        (text[i] == '%' && !(i + 2 < text.size() && hex(text[i + 1]) && hex(text[i + 2])));
    if (escape) {
      out += '%';
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += text[i];
    }
  }
  return out;
}

void writeAddress(xml_node person, const BuddyAddress& a) {
  const std::string street = textOf(a.street), town = textOf(a.town), postcode = textOf(a.postalCode),
                    province = textOf(a.province);
  if (!street.empty() || !town.empty() || !postcode.empty() || !province.empty()) {
    xml_node n = child(person, "address");
    if (!street.empty()) child(n, "street", street);
    if (!town.empty()) child(n, "city", town);
    if (!postcode.empty()) child(n, "postcode", postcode);
    child(n, "country", "");  // the format asks for one; the book has none
    if (!province.empty()) child(n, "province", province);
  }
  const std::string phone1 = textOf(a.phone1), phone2 = textOf(a.phone2), mobile = textOf(a.mobile),
                    fax = textOf(a.fax), email = textOf(a.email), home = uri(textOf(a.homePage));
  if (!(phone1 + phone2 + mobile + fax + email + home).empty()) {
    xml_node n = child(person, "contact");
    for (const std::string* t : {&phone1, &phone2})
      if (!t->empty()) child(n, "phone", *t);
    if (!mobile.empty()) child(n, "mobilephone", mobile);
    if (!fax.empty()) child(n, "fax", fax);
    if (!email.empty()) child(n, "email", email);
    if (!home.empty()) child(n, "homepage", home);
  }
}

void writeBuddy(xml_node diver, const Buddy& b) {
  xml_node n = withId(child(diver, "buddy"), b.id);
  if (!b.address) {
    personal(n, b.name);
    return;
  }
  const BuddyAddress& a = *b.address;
  xml_node p = child(n, "personal");
  child(p, "firstname", textOf(a.firstName));
  child(p, "lastname", textOf(a.surname));
  const std::string title = textOf(a.title);
  if (!title.empty()) child(p, "honorific", title);
  writeAddress(n, a);
  Notes notes;
  notes.addText(textOf(a.note));
  notes.writeTo(n);
}

// The equipment categories of the book and the elements the format has for them, in the
// order the format lists its elements.
struct PieceKind {
  const char* element;
  int category;  // -1: every category not listed before
};
constexpr PieceKind kPieceKinds[] = {{"buoyancycontroldevice", 2}, {"divecomputer", 3}, {"regulator", 0},
                                     {"suit", 4},  {"tank", 1}, {"variouspieces", -1}};

void writePiece(xml_node parent, const char* element, const EquipmentItem& e, const std::string& id,
                const std::string& currency) {
  xml_node n = withId(child(parent, element), id);
  child(n, "name", textOf(e.designation));
  const std::string model = textOf(e.component1), serial = textOf(e.serialNumber1);
  if (!model.empty()) child(n, "model", model);
  if (!serial.empty()) child(n, "serialnumber", serial);
  const std::string bought = textOf(e.purchaseDate);
  const BookDateEntry boughtOn = parseBookDate(bought);
  const std::string code = uddfCurrency(currency);
  const bool price = e.purchasePrice != 0 && std::isfinite(e.purchasePrice);
  if (boughtOn.kind == BookDateEntry::Valid || price) {
    xml_node purchase = child(n, "purchase");
    if (boughtOn.kind == BookDateEntry::Valid) child(purchase, "datetime", bookDateTime(boughtOn.stamp));
    if (price) {
      xml_node pr = child(purchase, "price", format("%.2f", static_cast<double>(e.purchasePrice)));
      if (!code.empty()) pr.append_attribute("currency").set_value(code.c_str());
    }
  }
  if (e.nextServiceYear != 0) {
    const int month = e.nextServiceMonth >= 1 && e.nextServiceMonth <= 12 ? e.nextServiceMonth : 1;
    child(child(n, "nextservicedate"), "datetime", format("%04d-%02d-01T00:00:00", e.nextServiceYear, month));
  }
  Notes notes;
  if (std::string(element) == "variouspieces")
    notes.line("Categoria", equipmentCategoryText(equipmentCategory(e)));
  notes.line("Utilizzatore", textOf(e.user));
  if (boughtOn.kind != BookDateEntry::Valid) notes.line("Comperato", bought);
  if (price && code.empty()) notes.line("Acquistato a", money(e.purchasePrice, currency));
  notes.line("Comp2", textOf(e.component2));
  notes.line("Numero di serie2", textOf(e.serialNumber2));
  notes.line("Configurazione", textOf(e.configuration));
  if (e.lastServiceYear != 0)
    notes.line("Ultima revisione", format("%02u.%04u", unsigned(e.lastServiceMonth), unsigned(e.lastServiceYear)));
  if (e.serviceCost != 0 && std::isfinite(e.serviceCost)) notes.line("Revisioni", money(e.serviceCost, currency));
  if (e.remind) notes.add("Avvisa prossima revisione");
  notes.addText(textOf(e.note));
  notes.writeTo(n);
}

void writeEquipment(xml_node owner, const std::vector<EquipmentItem>& book, const std::string& currency) {
  if (book.empty()) return;
  xml_node equipment = child(owner, "equipment");
  for (const PieceKind& kind : kPieceKinds)
    for (size_t i = 0; i < book.size(); ++i) {
      const int c = equipmentCategory(book[i]);
      const bool listed = kind.category >= 0 ? c == kind.category : c > 4;  // protection, ABC, others
      if (listed) writePiece(equipment, kind.element, book[i], "equipment" + std::to_string(i + 1), currency);
    }
}

void writeOwner(xml_node diver, const UddfBooks* books, const std::string& currency) {
  xml_node owner = withId(child(diver, "owner"), "owner");
  if (!books) {
    personal(owner, "");
    return;
  }
  const OwnerBook& book = books->owner;
  const PersonName name = splitPersonName(textOf(book.owner.name));
  xml_node p = child(owner, "personal");
  child(p, "firstname", name.first);
  child(p, "lastname", name.last);
  const std::string club = textOf(book.owner.club);
  if (!club.empty()) p.append_child("membership").append_attribute("organisation").set_value(club.c_str());

  writeEquipment(owner, books->equipment, currency);

  Notes notes;
  if (!book.entries.empty()) {
    xml_node education = child(owner, "education");
    int instructors = 0;
    for (const Certification& c : book.entries) {
      const std::string category = textOf(c.category), designation = textOf(c.designation);
      const bool level = category == certificationCategories()[0];
      xml_node n = child(education, "certification");
      child(n, level ? "level" : "specialty", designation);
      const std::string instructor = textOf(c.instructor);
      if (!instructor.empty()) {
        xml_node in = withId(child(n, "instructor"), "instructor" + std::to_string(++instructors));
        personal(in, instructor);
      }
      encapsulatedDate(n, "issuedate", c.date);
      // What a certification has no element for goes into the owner's notes.
      std::string more;
      auto add = [&](const std::string& label, const std::string& value) {
        if (!value.empty()) more += (more.empty() ? "" : ", ") + label + ": " + value;
      };
      if (!level) add("Categoria", category);
      if (c.cost != 0 && std::isfinite(c.cost)) add("Costi", money(c.cost, currency));
      for (const std::string& l : linesOf(textOf(c.note))) add("Note", l);
      if (!more.empty()) notes.add(designation + " (" + more + ")");
    }
  }
  notes.writeTo(owner);
}

void writeTrips(xml_node uddf, const std::vector<DiveTrip>& trips, const Logbook& lb,
                const std::vector<int>& positions) {
  if (trips.empty()) return;
  xml_node divetrip = child(uddf, "divetrip");
  for (size_t i = 0; i < trips.size(); ++i) {
    const DiveTrip& t = trips[i];
    const std::string destination = textOf(t.destination);
    xml_node trip = withId(child(divetrip, "trip"), "trip" + std::to_string(i + 1));
    child(trip, "name", destination);
    xml_node part = child(trip, "trippart");
    child(part, "name", destination);
    if (t.startDate != NO_BOOK_DATE || t.endDate != NO_BOOK_DATE) {
      xml_node when = child(part, "dateoftrip");
      const int32_t start = t.startDate != NO_BOOK_DATE ? t.startDate : t.endDate;
      const int32_t end = t.endDate != NO_BOOK_DATE ? t.endDate : t.startDate;
      when.append_attribute("startdate").set_value(bookDateTime(start).c_str());
      when.append_attribute("enddate").set_value(bookDateTime(end).c_str());
    }
    // The exported dives whose numbers lie in the trip's range.
    const int last = t.lastDive >= t.firstDive ? t.lastDive : t.firstDive;
    xml_node related;
    for (int p : positions) {
      const int number = lb.dives()[p - 1].diveNumber;
      if (t.firstDive <= 0 || number < t.firstDive || number > last) continue;
      if (!related) related = child(part, "relateddives");
      link(related, diveId(p));
    }
    Notes notes;
    notes.addText(textOf(t.note));
    if (t.firstDive != 0 || t.lastDive != 0) notes.line("Immersioni", tripDivesText(t));
    notes.writeTo(part);
  }
}

// Dives that follow each other with a surface interval belong to one repetition group.
bool startsGroup(const DiveRecord& r) { return !has(r.surfaceInterval) || r.surfaceInterval <= 0; }

bool inRange(const DiveRecord& r, const UddfOptions& o) {
  return (o.firstNumber <= 0 || r.diveNumber >= o.firstNumber) &&
         (o.lastNumber <= 0 || r.diveNumber <= o.lastNumber);
}

// ---- writing ----

// The document as the export writes it: indented, UTF-8, with its declaration.
void build(pugi::xml_document& doc, const Logbook& lb, const UddfOptions& o);

void save(const pugi::xml_document& doc, pugi::xml_writer& out) {
  doc.save(out, "\t", pugi::format_indent, pugi::encoding_utf8);
}

struct StringWriter : pugi::xml_writer {
  std::string bytes;
  void write(const void* data, size_t size) override { bytes.append(static_cast<const char*>(data), size); }
};

// Writes to a file descriptor through a buffer of its own; remembers the first failure.
class FileWriter : public pugi::xml_writer {
 public:
  explicit FileWriter(int fd) : fd_(fd) { buf_.reserve(kSize); }
  void write(const void* data, size_t size) override {
    if (buf_.size() + size > kSize) flush();
    if (size >= kSize)
      put(static_cast<const char*>(data), size);
    else
      buf_.append(static_cast<const char*>(data), size);
  }
  bool finish() {
    flush();
    return ok_;
  }

 private:
  static constexpr size_t kSize = 1 << 20;
  void flush() {
    put(buf_.data(), buf_.size());
    buf_.clear();
  }
  void put(const char* p, size_t n) {
    while (ok_ && n > 0) {
      const ssize_t w = ::write(fd_, p, n);
      if (w < 0) {
        if (errno != EINTR) ok_ = false;
        continue;
      }
      p += w;
      n -= static_cast<size_t>(w);
    }
  }
  int fd_;
  std::string buf_;
  bool ok_ = true;
};

// Through a temporary file beside the target, renamed over it when written whole.
Result writeWhole(const std::string& path, const pugi::xml_document& doc) {
  return replaceFileWith(path, [&doc](int fd) {
    FileWriter out(fd);
    save(doc, out);
    return out.finish();
  });
}

}  // namespace

std::string uddfDateTime(int32_t dayNumber, int minutes) {
  int d = 1, m = 1, y = 1600;
  if (dayNumber >= 0) fromDayNumber(dayNumber, d, m, y);
  if (minutes < 0 || minutes >= 24 * 60) minutes = 0;
  return format("%04d-%02d-%02dT%02d:%02d:00", y, m, d, minutes / 60, minutes % 60);
}

std::string uddfCurrency(const std::string& currency) {
  std::string c;
  for (char ch : trimmed(currency)) c += (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
  static const std::pair<const char*, const char*> kKnown[] = {
      {"DM", "DEM"}, {"\xE2\x82\xAC", "EUR"}, {"EURO", "EUR"}, {"LIRE", "ITL"}, {"LIT", "ITL"}, {"L.", "ITL"},
      {"SFR", "CHF"}, {"FR.", "CHF"}, {"\xC2\xA3", "GBP"}, {"$", "USD"}, {"ATS", "ATS"}, {"\xC3\x96S", "ATS"}};
  for (const auto& [text, code] : kKnown)
    if (c == text) return code;
  const bool letters = c.size() == 3 && std::all_of(c.begin(), c.end(), [](char ch) { return ch >= 'A' && ch <= 'Z'; });
  return letters ? c : std::string();
}

UddfBookFiles uddfBookFiles(const Logbook& lb, const Settings& s) {
  return {lb.infPath, lb.trpPath, s.addressFile, s.equipmentFile};
}

bool anyUddfBookFile(const UddfBookFiles& f) {
  std::error_code ec;
  for (const std::string* p : {&f.owner, &f.trips, &f.addresses, &f.equipment})
    if (!p->empty() && std::filesystem::exists(*p, ec)) return true;
  return false;
}

Result loadUddfBooks(const UddfBookFiles& f, UddfBooks& out) {
  out = UddfBooks{};
  Result r;
  if (!f.owner.empty() && !(r = loadOwnerFile(f.owner, out.owner))) return r;
  if (!f.trips.empty() && !(r = loadTripFile(f.trips, out.trips))) return r;
  if (!f.addresses.empty() && !(r = loadAddressFile(f.addresses, out.addresses))) return r;
  if (!f.equipment.empty() && !(r = loadEquipmentFile(f.equipment, out.equipment))) return r;
  return Result::success();
}

std::string uddfSiteName(const std::string& location, const std::string& site) {
  if (location.empty()) return site;
  if (site.empty()) return location;
  return location + ", " + site;
}

PersonName splitPersonName(const std::string& name) {
  const std::string n = trimmed(name);
  const size_t blank = n.find_last_of(" \t");
  if (blank == std::string::npos) return {n, {}};
  return {trimmed(n.substr(0, blank)), n.substr(blank + 1)};
}

Result checkUddfRange(const Logbook& lb, const UddfOptions& o) {
  if (o.firstNumber <= 0 && o.lastNumber <= 0) return Result::success();
  for (const DiveRecord& r : lb.dives())
    if (inRange(r, o)) return Result::success();
  return Result::failure(str(62502));
}

namespace {

void build(pugi::xml_document& doc, const Logbook& lb, const UddfOptions& o) {
  useBlockMemoryForXml();
  xml_node decl = doc.append_child(pugi::node_declaration);
  decl.append_attribute("version").set_value("1.0");
  decl.append_attribute("encoding").set_value("UTF-8");
  xml_node uddf = child(doc, "uddf");
  uddf.append_attribute("xmlns").set_value(UDDF_NAMESPACE);
  uddf.append_attribute("version").set_value(UDDF_VERSION);

  xml_node generator = child(uddf, "generator");
  child(generator, "name", kProductName);
  child(generator, "type", "logbook");
  std::string version = kVersionText;
  if (version.rfind("Version ", 0) == 0) version.erase(0, 8);
  child(generator, "version", version);
  child(generator, "datetime", o.generatedAt.empty() ? localNow() : o.generatedAt);

  std::vector<int> positions;
  References refs;
  for (int i = 0; i < lb.diveCount(); ++i) {
    const DiveRecord& r = lb.dives()[i];
    if (!inRange(r, o)) continue;
    positions.push_back(i + 1);
    refs.collect(r);
  }

  if (o.books) refs.addAddresses(o.books->addresses);

  // The buddies live beside the owner, whom the format needs first.
  if (!refs.buddies.empty() || o.books) {
    xml_node diver = child(uddf, "diver");
    writeOwner(diver, o.books, o.currency);
    for (const Buddy& b : refs.buddies) writeBuddy(diver, b);
  }

  if (!refs.sites.empty()) {
    xml_node divesite = child(uddf, "divesite");
    for (size_t i = 0; i < refs.sites.size(); ++i) {
      const auto& [location, site] = refs.sites[i];
      xml_node s = withId(child(divesite, "site"), "site" + std::to_string(i + 1));
      child(s, "name", uddfSiteName(location, site));
      child(child(s, "geography"), "location", location);
    }
  }

  if (o.books) writeTrips(uddf, o.books->trips, lb, positions);

  if (!positions.empty()) {
    xml_node profiledata = child(uddf, "profiledata");
    xml_node group;
    int groups = 0;
    for (int p : positions) {
      const DiveRecord& r = lb.dives()[p - 1];
      if (!group || startsGroup(r)) group = withId(child(profiledata, "repetitiongroup"), "group" + std::to_string(++groups));
      writeDive(group, r, p, refs);
    }
  }
}

}  // namespace

std::string uddfDocument(const Logbook& lb, const UddfOptions& o) {
  pugi::xml_document doc;
  build(doc, lb, o);
  StringWriter out;
  save(doc, out);
  return std::move(out.bytes);
}

Result exportUddf(const Logbook& lb, const std::string& path, const UddfOptions& o) {
  Result check = checkUddfRange(lb, o);
  if (!check) return check;
  pugi::xml_document doc;
  build(doc, lb, o);
  return writeWhole(path, doc);
}

}  // namespace kelp
