// UDDF export: the document is written as it is built, dive after dive, through a buffer of
// its own; only the sites, buddies and books that the dives refer to are gathered first.
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
#include <utility>
#include <vector>

#include "core/file_write.h"
#include "core/settings.h"
#include "core/string_list.h"
#include "core/strings.h"
#include "core/texts.h"
#include "core/version.h"
#include "records/book_date.h"
#include "transfer/xml_writer.h"

namespace kelp {

namespace {

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

// ---- writing helpers ----

void link(XmlWriter& w, const std::string& ref) {
  w.open("link");
  w.attribute("ref", ref);
  w.close();
}
void openWithId(XmlWriter& w, const char* name, const std::string& id) {
  w.open(name);
  w.attribute("id", id);
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
  void writeTo(XmlWriter& w) const {
    if (paras_.empty()) return;
    w.open("notes");
    for (const std::string& p : paras_) w.element("para", p);
    w.close();
  }

 private:
  std::vector<std::string> paras_;
};

void personal(XmlWriter& w, const std::string& name) {
  const PersonName n = splitPersonName(name);
  w.open("personal");
  w.element("firstname", n.first);
  w.element("lastname", n.last);
  w.close();
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

void writeSamples(XmlWriter& w, const DiveRecord& r) {
  if (r.profileLength == 0 || r.sampleCount <= 0) return;
  w.open("samples");
  const int n = std::min<int>(r.sampleCount, MAX_SAMPLES - 1);
  // The samples lie 20 s apart; the closing surface point follows the last one.
  for (int i = 0; i <= n; ++i) {
    const ProfileSample& s = r.samples[i];
    w.open("waypoint");
    if (i < n)
      for (const auto& [bit, alarm] : kSampleAlarms)
        if (s.sampleFlags & (1u << bit)) w.element("alarm", alarm);
    const float depth = i < n ? -s.depth : 0.0f;
    w.element("depth", decimal(depth == 0.0f ? 0.0f : depth));
    w.element("divetime", std::to_string(i * 20));
    w.close();
  }
  w.close();
}

void writeDive(XmlWriter& w, const DiveRecord& r, int position, const References& refs) {
  openWithId(w, "dive", diveId(position));

  // The buddies are linked first and the site last: readers that take the links of a dive in
  // order as its buddies then stop at the site.
  w.open("informationbeforedive");
  std::vector<const std::string*> linked;  // a buddy named twice is linked once
  for (const std::string& b : References::buddyNames(r)) {
    const std::string& id = refs.buddyId(b);
    if (std::find(linked.begin(), linked.end(), &id) != linked.end()) continue;
    linked.push_back(&id);
    link(w, id);
  }
  if (const std::string* site = refs.site(r)) link(w, *site);
  if (r.diveNumber > 0) w.element("divenumber", std::to_string(r.diveNumber));
  w.element("datetime", uddfDateTime(r.date, r.timeOfDay));
  if (has(r.airTemperature)) w.element("airtemperature", hundredths(r.airTemperature + 27315));
  if (has(r.surfaceInterval) && r.surfaceInterval > 0) {
    w.open("surfaceintervalbeforedive");
    w.element("passedtime", std::to_string(r.surfaceInterval * 60));
    w.close();
  }
  if (has(r.weight)) {
    w.open("equipmentused");
    w.element("leadquantity", hundredths(r.weight));
    w.close();
  }
  if (isScr(r)) w.element("apparatus", "rebreather");
  w.close();

  // The tank: its start pressure is what the format needs first; without it the volume
  // stays a line of the notes and the pressure used is still the pressure drop below.
  const bool tank = has(r.startPressure);
  if (tank) {
    w.open("tankdata");
    if (has(r.tankSize)) w.element("tankvolume", decimal(r.tankSize / 100000.0));
    w.element("tankpressurebegin", std::to_string(r.startPressure * 1000));
    if (has(r.airConsumed) && r.startPressure - r.airConsumed >= 0)
      w.element("tankpressureend", std::to_string((r.startPressure - r.airConsumed) * 1000));
    w.close();
  }

  writeSamples(w, r);

  w.open("informationafterdive");
  const int depthCm = shownMaxDepth(r);
  const double greatest = depthCm >= 0 && depthCm != NO_VALUE ? depthCm / 100.0
                          : r.profileMaxDepth > 0         ? r.profileMaxDepth
                                                          : 0.0;
  w.element("greatestdepth", decimal(greatest));
  const float avg = shownAvgDepth(r);
  if (avg > 0) w.element("averagedepth", decimal(avg));
  const int seconds = has(r.diveTime) && r.diveTime > 0 ? r.diveTime * 60
                      : r.profileLength != 0 && r.sampleCount > 0 ? r.sampleCount * 20
                                                                  : 0;
  w.element("diveduration", std::to_string(seconds));
  if (has(r.minWaterTemperature)) w.element("lowesttemperature", hundredths(r.minWaterTemperature + 27315));
  if (has(r.visibility)) w.element("visibility", hundredths(r.visibility));
  if (has(r.airConsumed)) w.element("pressuredrop", std::to_string(r.airConsumed * 1000));

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
    w.open("globalalarmsgiven");
    for (const char* a : global) w.element("globalalarm", a);
    w.close();
  }

  Notes notes;
  notes.addText(xmlText(formatNotes(r)));
  if (r.diveTypeFlags != 0) notes.line(str(62513), diveTypeText(r));
  notes.line(str(62514), activitiesText(r));
  notes.line(str(63100), textOf(r.otherActivities));
  if (r.weather != 0) notes.line(str(62512), weatherText(r.weather));
  if (r.suit != 0) notes.line(str(62488), suitText(r.suit));
  notes.line(str(62649), textOf(r.suitDescription));
  if (r.altitudeClass >= 1 && r.altitudeClass <= 4) notes.line(str(62511), str(62455 + r.altitudeClass));
  if (r.computerType != 0) notes.line(str(63101), xmlText(formatComputerType(r.computerType)));
  if (profileKind(r) == ProfileKind::HandMade) notes.line(str(62591), str(62592));
  if (!tank && has(r.tankSize)) notes.line(str(63102), hundredths(r.tankSize) + " l");
  if (r.tankMaterial != 0) notes.line(str(62787), tankMaterialText(r.tankMaterial));
  notes.line(str(63103), otherWarnings);
  notes.writeTo(w);
  w.close();  // informationafterdive
  w.close();  // dive
}

// ---- the books ----

// A book date as the format's date and time; "" for no date.
std::string bookDateTime(int32_t stamp) {
  return stamp == NO_BOOK_DATE ? std::string() : uddfDateTime(bookDateDay(stamp), 0);
}
void encapsulatedDate(XmlWriter& w, const char* name, int32_t stamp) {
  if (stamp == NO_BOOK_DATE) return;
  w.open(name);
  w.element("datetime", bookDateTime(stamp));
  w.close();
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

void writeAddress(XmlWriter& w, const BuddyAddress& a) {
  const std::string street = textOf(a.street), town = textOf(a.town), postcode = textOf(a.postalCode),
                    province = textOf(a.province);
  if (!street.empty() || !town.empty() || !postcode.empty() || !province.empty()) {
    w.open("address");
    if (!street.empty()) w.element("street", street);
    if (!town.empty()) w.element("city", town);
    if (!postcode.empty()) w.element("postcode", postcode);
    w.element("country", "");  // the format asks for one; the book has none
    if (!province.empty()) w.element("province", province);
    w.close();
  }
  const std::string phone1 = textOf(a.phone1), phone2 = textOf(a.phone2), mobile = textOf(a.mobile),
                    fax = textOf(a.fax), email = textOf(a.email), home = uri(textOf(a.homePage));
  if (!(phone1 + phone2 + mobile + fax + email + home).empty()) {
    w.open("contact");
    for (const std::string* t : {&phone1, &phone2})
      if (!t->empty()) w.element("phone", *t);
    if (!mobile.empty()) w.element("mobilephone", mobile);
    if (!fax.empty()) w.element("fax", fax);
    if (!email.empty()) w.element("email", email);
    if (!home.empty()) w.element("homepage", home);
    w.close();
  }
}

void writeBuddy(XmlWriter& w, const Buddy& b) {
  openWithId(w, "buddy", b.id);
  if (!b.address) {
    personal(w, b.name);
    w.close();
    return;
  }
  const BuddyAddress& a = *b.address;
  w.open("personal");
  w.element("firstname", textOf(a.firstName));
  w.element("lastname", textOf(a.surname));
  const std::string title = textOf(a.title);
  if (!title.empty()) w.element("honorific", title);
  w.close();
  writeAddress(w, a);
  Notes notes;
  notes.addText(textOf(a.note));
  notes.writeTo(w);
  w.close();
}

// The equipment categories of the book and the elements the format has for them, in the
// order the format lists its elements.
struct PieceKind {
  const char* element;
  int category;  // -1: every category not listed before
};
constexpr PieceKind kPieceKinds[] = {{"buoyancycontroldevice", 2}, {"divecomputer", 3}, {"regulator", 0},
                                     {"suit", 4},  {"tank", 1}, {"variouspieces", -1}};

void writePiece(XmlWriter& w, const char* element, const EquipmentItem& e, const std::string& id,
                const std::string& currency) {
  openWithId(w, element, id);
  w.element("name", textOf(e.designation));
  const std::string model = textOf(e.component1), serial = textOf(e.serialNumber1);
  if (!model.empty()) w.element("model", model);
  if (!serial.empty()) w.element("serialnumber", serial);
  const std::string bought = textOf(e.purchaseDate);
  const BookDateEntry boughtOn = parseBookDate(bought);
  const std::string code = uddfCurrency(currency);
  const bool price = e.purchasePrice != 0 && std::isfinite(e.purchasePrice);
  if (boughtOn.kind == BookDateEntry::Valid || price) {
    w.open("purchase");
    if (boughtOn.kind == BookDateEntry::Valid) w.element("datetime", bookDateTime(boughtOn.stamp));
    if (price) {
      w.open("price");
      if (!code.empty()) w.attribute("currency", code);
      w.text(format("%.2f", static_cast<double>(e.purchasePrice)));
      w.close();
    }
    w.close();
  }
  if (e.nextServiceYear != 0) {
    const int month = e.nextServiceMonth >= 1 && e.nextServiceMonth <= 12 ? e.nextServiceMonth : 1;
    w.open("nextservicedate");
    w.element("datetime", format("%04d-%02d-01T00:00:00", e.nextServiceYear, month));
    w.close();
  }
  Notes notes;
  if (std::string(element) == "variouspieces")
    notes.line(str(63104), equipmentCategoryText(equipmentCategory(e)));
  notes.line(str(63105), textOf(e.user));
  if (boughtOn.kind != BookDateEntry::Valid) notes.line(str(63106), bought);
  if (price && code.empty()) notes.line(str(63107), money(e.purchasePrice, currency));
  notes.line(str(63108), textOf(e.component2));
  notes.line(str(63109), textOf(e.serialNumber2));
  notes.line(str(63110), textOf(e.configuration));
  if (e.lastServiceYear != 0)
    notes.line(str(63111), format("%02u.%04u", unsigned(e.lastServiceMonth), unsigned(e.lastServiceYear)));
  if (e.serviceCost != 0 && std::isfinite(e.serviceCost)) notes.line(str(63112), money(e.serviceCost, currency));
  if (e.remind) notes.add(str(63113));
  notes.addText(textOf(e.note));
  notes.writeTo(w);
  w.close();
}

void writeEquipment(XmlWriter& w, const std::vector<EquipmentItem>& book, const std::string& currency) {
  if (book.empty()) return;
  w.open("equipment");
  for (const PieceKind& kind : kPieceKinds)
    for (size_t i = 0; i < book.size(); ++i) {
      const int c = equipmentCategory(book[i]);
      const bool listed = kind.category >= 0 ? c == kind.category : c > 4;  // protection, ABC, others
      if (listed) writePiece(w, kind.element, book[i], "equipment" + std::to_string(i + 1), currency);
    }
  w.close();
}

void writeOwner(XmlWriter& w, const UddfBooks* books, const std::string& currency) {
  openWithId(w, "owner", "owner");
  if (!books) {
    personal(w, "");
    w.close();
    return;
  }
  const OwnerBook& book = books->owner;
  const PersonName name = splitPersonName(textOf(book.owner.name));
  w.open("personal");
  w.element("firstname", name.first);
  w.element("lastname", name.last);
  const std::string club = textOf(book.owner.club);
  if (!club.empty()) {
    w.open("membership");
    w.attribute("organisation", club);
    w.close();
  }
  w.close();

  writeEquipment(w, books->equipment, currency);

  Notes notes;
  if (!book.entries.empty()) {
    w.open("education");
    int instructors = 0;
    for (const Certification& c : book.entries) {
      const std::string category = textOf(c.category), designation = textOf(c.designation);
      const bool level = category == certificationCategories()[0];
      w.open("certification");
      w.element(level ? "level" : "specialty", designation);
      const std::string instructor = textOf(c.instructor);
      if (!instructor.empty()) {
        openWithId(w, "instructor", "instructor" + std::to_string(++instructors));
        personal(w, instructor);
        w.close();
      }
      encapsulatedDate(w, "issuedate", c.date);
      w.close();
      // What a certification has no element for goes into the owner's notes.
      std::string more;
      auto add = [&](const std::string& label, const std::string& value) {
        if (!value.empty()) more += (more.empty() ? "" : ", ") + label + ": " + value;
      };
      if (!level) add(str(63104), category);
      if (c.cost != 0 && std::isfinite(c.cost)) add(str(63114), money(c.cost, currency));
      for (const std::string& l : linesOf(textOf(c.note))) add(str(63115), l);
      if (!more.empty()) notes.add(designation + " (" + more + ")");
    }
    w.close();
  }
  notes.writeTo(w);
  w.close();
}

void writeTrips(XmlWriter& w, const std::vector<DiveTrip>& trips, const Logbook& lb,
                const std::vector<int>& positions) {
  if (trips.empty()) return;
  w.open("divetrip");
  for (size_t i = 0; i < trips.size(); ++i) {
    const DiveTrip& t = trips[i];
    const std::string destination = textOf(t.destination);
    openWithId(w, "trip", "trip" + std::to_string(i + 1));
    w.element("name", destination);
    w.open("trippart");
    w.element("name", destination);
    if (t.startDate != NO_BOOK_DATE || t.endDate != NO_BOOK_DATE) {
      const int32_t start = t.startDate != NO_BOOK_DATE ? t.startDate : t.endDate;
      const int32_t end = t.endDate != NO_BOOK_DATE ? t.endDate : t.startDate;
      w.open("dateoftrip");
      w.attribute("startdate", bookDateTime(start));
      w.attribute("enddate", bookDateTime(end));
      w.close();
    }
    // The exported dives whose numbers lie in the trip's range.
    const int last = t.lastDive >= t.firstDive ? t.lastDive : t.firstDive;
    bool related = false;
    for (int p : positions) {
      const int number = lb.dives()[p - 1].diveNumber;
      if (t.firstDive <= 0 || number < t.firstDive || number > last) continue;
      if (!related) w.open("relateddives");
      related = true;
      link(w, diveId(p));
    }
    if (related) w.close();
    Notes notes;
    notes.addText(textOf(t.note));
    if (t.firstDive != 0 || t.lastDive != 0) notes.line(str(63116), tripDivesText(t));
    notes.writeTo(w);
    w.close();  // trippart
    w.close();  // trip
  }
  w.close();
}

// Dives that follow each other with a surface interval belong to one repetition group.
bool startsGroup(const DiveRecord& r) { return !has(r.surfaceInterval) || r.surfaceInterval <= 0; }

bool inRange(const DiveRecord& r, const UddfOptions& o) {
  return (o.firstNumber <= 0 || r.diveNumber >= o.firstNumber) &&
         (o.lastNumber <= 0 || r.diveNumber <= o.lastNumber);
}

// ---- writing ----

// The document as the export writes it: indented, UTF-8, with its declaration.
void build(XmlWriter& w, const Logbook& lb, const UddfOptions& o);

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

void build(XmlWriter& w, const Logbook& lb, const UddfOptions& o) {
  w.declaration();
  w.open("uddf");
  w.attribute("xmlns", UDDF_NAMESPACE);
  w.attribute("version", UDDF_VERSION);

  w.open("generator");
  w.element("name", kProductName);
  w.element("type", "logbook");
  std::string version = kVersionText;
  if (version.rfind("Version ", 0) == 0) version.erase(0, 8);
  w.element("version", version);
  w.element("datetime", o.generatedAt.empty() ? localNow() : o.generatedAt);
  w.close();

  // What the dives refer to is gathered in one pass over the records; the dives themselves
  // are written afterwards, one at a time.
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
    w.open("diver");
    writeOwner(w, o.books, o.currency);
    for (const Buddy& b : refs.buddies) writeBuddy(w, b);
    w.close();
  }

  if (!refs.sites.empty()) {
    w.open("divesite");
    for (size_t i = 0; i < refs.sites.size(); ++i) {
      const auto& [location, site] = refs.sites[i];
      openWithId(w, "site", "site" + std::to_string(i + 1));
      w.element("name", uddfSiteName(location, site));
      w.open("geography");
      w.element("location", location);
      w.close();
      w.close();
    }
    w.close();
  }

  if (o.books) writeTrips(w, o.books->trips, lb, positions);

  if (!positions.empty()) {
    w.open("profiledata");
    bool group = false;
    int groups = 0;
    for (int p : positions) {
      const DiveRecord& r = lb.dives()[p - 1];
      if (!group || startsGroup(r)) {
        if (group) w.close();
        openWithId(w, "repetitiongroup", "group" + std::to_string(++groups));
        group = true;
      }
      writeDive(w, r, p, refs);
    }
    if (group) w.close();
    w.close();
  }
  w.close();  // uddf
}

}  // namespace

std::string uddfDocument(const Logbook& lb, const UddfOptions& o) {
  XmlWriter w;
  build(w, lb, o);
  w.finish();
  return w.take();
}

// Through a temporary file beside the target, renamed over it when written whole.
Result exportUddf(const Logbook& lb, const std::string& path, const UddfOptions& o) {
  Result check = checkUddfRange(lb, o);
  if (!check) return check;
  return replaceFileWith(path, [&](int fd) {
    XmlWriter w([fd](std::string_view bytes) { return writeAll(fd, bytes.data(), bytes.size()); });
    build(w, lb, o);
    return w.finish();
  });
}

}  // namespace kelp
