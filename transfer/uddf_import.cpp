// UDDF import: the file is parsed in place with pugixml (no entity is ever expanded: pugixml
// knows only the five predefined ones and character references, and skips a DOCTYPE), then the
// dives are read one by one from the tree. Ids are looked up in one table built once over the
// sections that links point to, never by searching the document.
#include "transfer/uddf_import.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <map>
#include <pugixml.hpp>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "core/computer_models.h"
#include "core/logbook_history.h"
#include "core/strings.h"
#include "core/texts.h"
#include "core/version.h"
#include "records/book_date.h"
#include "transfer/xml_memory.h"

namespace kelp {

namespace {

using pugi::xml_node;

// ---- the labels of the note lines ----

// The English texts of the export's labels, so that a file written in either language reads
// back. The English texts of the labels the export borrows from the dive fields join here once
// their area's English table holds them.
struct EnglishEntry {
  int id;
  const char* text;
};
const EnglishEntry kEnglish[] = {
#include "core/strings_transfer.en.inc"
};

// The texts a label may have in a file: the interface text and, where known, the English one.
std::vector<std::string> labelTexts(int id) {
  std::vector<std::string> out{str(id)};
  for (const EnglishEntry& e : kEnglish)
    if (e.id == id && out[0] != e.text) out.emplace_back(e.text);
  return out;
}

// The dive's note lines, in the order the export writes them after the notes themselves, by
// the string ids the export takes their labels from.
enum DiveLabel {
  kDiveType, kActivities, kOther, kWeather, kSuit, kSuitDescription, kAltitude, kComputer,
  kProfile, kTankSize, kTankMaterial, kWarnings, kDiveLabelCount
};
constexpr int kDiveLabelIds[kDiveLabelCount] = {62513, 62514, 63100, 62512, 62488, 62649,
                                                62511, 63101, 62591, 63102, 62787, 63103};

// The book note lines.
enum BookLabel {
  kCategory, kUser, kBought, kBoughtFor, kComp2, kSerial2, kConfiguration, kLastService,
  kServices, kRemind, kCosts, kNote, kDives, kBookLabelCount
};
constexpr int kBookLabelIds[kBookLabelCount] = {63104, 63105, 63106, 63107, 63108, 63109, 63110,
                                                63111, 63112, 63113, 63114, 63115, 63116};

struct LabelTable {
  std::vector<std::string> dive[kDiveLabelCount];
  std::vector<std::string> book[kBookLabelCount];
  LabelTable() {
    for (int i = 0; i < kDiveLabelCount; ++i) dive[i] = labelTexts(kDiveLabelIds[i]);
    for (int i = 0; i < kBookLabelCount; ++i) book[i] = labelTexts(kBookLabelIds[i]);
  }
};
const LabelTable& labels() {
  static const LabelTable t;
  return t;
}

// The value of "Label: value" when the line starts with one of the label's texts.
bool labelValue(const std::string& line, const std::vector<std::string>& texts, std::string& value) {
  for (const std::string& t : texts) {
    if (line.size() >= t.size() + 2 && line.compare(0, t.size(), t) == 0 && line.compare(t.size(), 2, ": ") == 0) {
      value = line.substr(t.size() + 2);
      return true;
    }
  }
  return false;
}

// ---- the tree ----

// Element names without a namespace prefix.
const char* localName(const char* n) {
  const char* c = std::strrchr(n, ':');
  return c ? c + 1 : n;
}
bool is(xml_node n, const char* name) {
  return n.type() == pugi::node_element && std::strcmp(localName(n.name()), name) == 0;
}
xml_node kid(xml_node parent, const char* name) {
  if (!parent) return {};
  for (xml_node c = parent.first_child(); c; c = c.next_sibling())
    if (is(c, name)) return c;
  return {};
}
xml_node kid(xml_node parent, const char* a, const char* b) { return kid(kid(parent, a), b); }
template <class F> void eachKid(xml_node parent, const char* name, F f) {
  if (!parent) return;
  for (xml_node c = parent.first_child(); c; c = c.next_sibling())
    if (is(c, name)) f(c);
}

std::string trimmed(std::string_view s) {
  const size_t a = s.find_first_not_of(" \t\r\n");
  if (a == std::string_view::npos) return {};
  return std::string(s.substr(a, s.find_last_not_of(" \t\r\n") - a + 1));
}
// The element's text (its character data, CDATA included), trimmed.
std::string textOf(xml_node n) {
  if (!n) return {};
  std::string out;
  for (xml_node c = n.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) out += c.value();
  return trimmed(out);
}
// Lines of a text as the fields keep them: "\r\n" between lines.
std::string joinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) {
    if (!out.empty()) out += "\r\n";
    out += l;
  }
  return out;
}

// A decimal number; a comma is taken for the decimal point. False for no number or one that
// is not finite.
bool parseNumber(std::string_view text, double& v) {
  std::string s = trimmed(text);
  if (!s.empty() && s[0] == '+') s.erase(0, 1);
  std::replace(s.begin(), s.end(), ',', '.');
  if (s.empty()) return false;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(v);
}
bool number(xml_node n, double& v) { return n && parseNumber(textOf(n), v); }
bool floatNumber(xml_node n, float& v) {
  if (!n) return false;
  std::string s = textOf(n);
  std::replace(s.begin(), s.end(), ',', '.');
  if (!s.empty() && s[0] == '+') s.erase(0, 1);
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(v);
}

// A value in a signed 16-bit field: rounded to the nearest unit (the file's decimals are exact
// hundredths where Kelp wrote them), left empty outside the field's range.
bool toField(double v, int16_t& field, double lo = -32766, double hi = 32766) {
  const double r = std::nearbyint(v);
  if (!(r >= lo && r <= hi)) return false;
  field = static_cast<int16_t>(r);
  return true;
}

template <size_t N> void setUtf8(char (&field)[N], const std::string& utf8) { setText(field, utf8ToStored(utf8)); }

// "First Last" of a person element (personal/firstname, middlename, lastname).
std::string personName(xml_node person) {
  xml_node p = kid(person, "personal");
  std::string out;
  for (const char* part : {"firstname", "middlename", "lastname"}) {
    const std::string t = textOf(kid(p, part));
    if (t.empty()) continue;
    if (!out.empty()) out += ' ';
    out += t;
  }
  return out;
}

// Paragraphs of a notes element.
std::vector<std::string> paragraphs(xml_node notes) {
  std::vector<std::string> out;
  if (!notes) return out;
  bool any = false;
  eachKid(notes, "para", [&](xml_node p) {
    any = true;
    std::string t = textOf(p);
    size_t start = 0;
    while (start <= t.size()) {  // a paragraph of several lines gives each of them
      size_t end = t.find('\n', start);
      if (end == std::string::npos) end = t.size();
      std::string line = trimmed(std::string_view(t).substr(start, end - start));
      if (!line.empty()) out.push_back(std::move(line));
      start = end + 1;
    }
  });
  if (!any) {
    std::string t = textOf(notes);
    if (!t.empty()) out.push_back(t);
  }
  return out;
}

}  // namespace

// ---- dates ----

bool parseUddfDateTime(std::string_view text, int32_t& day, int& minutes) {
  const std::string s = trimmed(text);
  size_t i = 0;
  auto digits = [&](int maxDigits, int& v) {
    const size_t start = i;
    v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && static_cast<int>(i - start) < maxDigits)
      v = v * 10 + (s[i++] - '0');
    return i > start;
  };
  int y, m, d, hh = 0, mm = 0;
  if (!digits(4, y) || i >= s.size() || s[i++] != '-' || !digits(2, m) || i >= s.size() || s[i++] != '-' ||
      !digits(2, d))
    return false;
  if (m < 1 || m > 12 || d < 1 || y < 1600) return false;
  const int monthDays[] = {31, isLeapYear(y) ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (d > monthDays[m - 1]) return false;
  if (i < s.size() && (s[i] == 'T' || s[i] == ' ')) {
    ++i;
    if (!digits(2, hh) || i >= s.size() || s[i++] != ':' || !digits(2, mm)) return false;
    if (hh > 23 || mm > 59) return false;
    // Seconds, their fraction and a zone may follow: the wall-clock time as written counts.
  } else if (i < s.size() && s[i] != 'Z' && s[i] != '+' && s[i] != '-') {
    return false;
  }
  day = dayNumber(d, m, y);
  minutes = hh * 60 + mm;
  return true;
}

namespace {

// ---- what the dives link to ----

struct Context {
  std::unordered_map<std::string_view, xml_node> ids;  // buddies, sites, mixes, dives by id
  bool own = false;                                    // written by Kelp
  std::unordered_set<std::string_view> linkedBuddies;  // buddy ids some dive links
};

void collectIds(Context& c, xml_node section, const char* element) {
  eachKid(section, element, [&](xml_node n) {
    const char* id = n.attribute("id").value();
    if (*id) c.ids.emplace(id, n);
  });
}

// ---- the profile ----

constexpr double kReadingStep = 0.15625;  // metres of one reading step (10/64 m)
constexpr int kMaxReadingCode = 1023;

// Sample alarms of the format and the flag bits they set.
constexpr std::pair<const char*, int> kSampleAlarms[] = {{"rbt", 1}, {"ascent", 2}, {"deco", 3}, {"breath", 4}};
constexpr std::pair<const char*, int> kGlobalAlarms[] = {
    {"ascent-warning-too-long", kWarnAscent}, {"work-too-hard", kWarnWorkload}, {"sos-mode", kWarnSos}};

struct Waypoint {
  double time;
  double depth;
  uint8_t flags;
};

// The readings (depth code, flags), one each 20 s from 20 s on, of the waypoints; the closing
// surface point is not a reading.
struct Readings {
  std::vector<uint16_t> codes;
  std::vector<uint8_t> flags;
  double deepest = 0;
};

Readings resample(std::vector<Waypoint> wps) {
  Readings out;
  std::stable_sort(wps.begin(), wps.end(), [](const Waypoint& a, const Waypoint& b) { return a.time < b.time; });
  if (wps.empty() || wps.back().time < 20) return out;
  // Readings beyond what a record holds are not made at all (the profile is cut there).
  const double last = std::min(wps.back().time, (MAX_SAMPLES + 4) * 20.0);
  const int count = static_cast<int>(std::ceil(last / 20.0 - 1e-9));
  std::vector<double> depth(static_cast<size_t>(count) + 1, 0.0);
  std::vector<uint8_t> flags(static_cast<size_t>(count) + 1, 0);
  size_t w = 0;
  for (int k = 1; k <= count; ++k) {
    const double t = std::min(k * 20.0, last);
    while (w + 1 < wps.size() && wps[w + 1].time <= t) ++w;
    double d = wps[w].depth;
    if (wps[w].time < t && w + 1 < wps.size()) {
      const Waypoint &a = wps[w], &b = wps[w + 1];
      d = a.depth + (b.depth - a.depth) * (t - a.time) / (b.time - a.time);
    }
    depth[static_cast<size_t>(k)] = d;
  }
  for (const Waypoint& p : wps) {
    if (p.time > last) break;
    const int k = std::clamp(static_cast<int>(std::ceil(p.time / 20.0 - 1e-9)), 1, count);
    flags[static_cast<size_t>(k)] |= p.flags;
  }
  int n = count;
  if (n >= 2 && depth[static_cast<size_t>(n)] == 0 && flags[static_cast<size_t>(n)] == 0) --n;  // closing point
  for (int k = 1; k <= n; ++k) {
    const double d = std::max(0.0, depth[static_cast<size_t>(k)]);
    out.deepest = std::max(out.deepest, d);
    const double code = std::trunc(d / kReadingStep + 1e-6);
    out.codes.push_back(static_cast<uint16_t>(std::min<double>(code, kMaxReadingCode)));
    out.flags.push_back(static_cast<uint8_t>(flags[static_cast<size_t>(k)] & 0x3F));
  }
  return out;
}

// Stores the readings as a raw profile of the record's computer type, so that the expansion
// (here and after the logbook file is read again) gives exactly these readings back. The file
// keeps the raw bytes up to the profile length less its header, while the expansion reads a
// little further: the last reading must therefore be a zero one, and one is added when needed.
// Returns the number of readings kept (fewer when the record cannot hold them all).
int storeReadings(DiveRecord& r, Readings rd, bool handMade) {
  const int type = r.computerType;
  const bool gas2 = computerModels().gasKind(static_cast<uint32_t>(type)) == 2;
  const bool withGas = computerModels().hasGasSetting(static_cast<uint32_t>(type));
  const int start = gas2 ? 6 : 5, groupBytes = gas2 ? 2 : 1, head = 17 + (withGas ? 2 : 0);
  constexpr int kMaxReadings = MAX_SAMPLES - 2;  // beside the start point and the closing slot

  r.profileHeaderByte = 0;
  for (int i = 0; i < 8; ++i) r.profileHeader[i] = static_cast<uint16_t>((handMade ? 2927 : 2926) + i);
  const int wanted = static_cast<int>(rd.codes.size());
  for (int attempt = 0; attempt < 4; ++attempt) {
    const int k = static_cast<int>(rd.codes.size());
    // Positions of each reading and the position after it.
    std::vector<int> after(static_cast<size_t>(k));
    int p = start;
    std::memset(r.rawProfile, 0, sizeof r.rawProfile);
    const uint8_t lead[6] = {0x00, 0x00, 0x00, 0x40, 0x90, 0x00};
    std::memcpy(r.rawProfile, lead, static_cast<size_t>(start));
    bool fits = true;
    for (int i = 0; i < k; ++i) {
      if (p + 1 >= RAW_PROFILE_SIZE) {
        fits = false;
        break;
      }
      const uint16_t v = rd.codes[static_cast<size_t>(i)];
      r.rawProfile[p] = static_cast<uint8_t>(v >> 2);
      r.rawProfile[p + 1] = static_cast<uint8_t>(((v & 3) << 6) | (rd.flags[static_cast<size_t>(i)] & 0x3F));
      p += 2;
      if (i % 3 == 2) p += groupBytes;
      after[static_cast<size_t>(i)] = p;
    }
    // The expansion stops after the reading whose end passes the limit: the last one. The
    // largest such limit keeps the most bytes in the file.
    const int limit = fits ? after[static_cast<size_t>(k - 1)] - 1 : 0;
    const int kept = limit + 15 - head;
    if (!fits || k > kMaxReadings || kept > RAW_PROFILE_SIZE) {
      // Too long: drop readings from the end until it fits, the last one a zero.
      const int drop = std::max(1, k - kMaxReadings);
      rd.codes.resize(static_cast<size_t>(std::max(1, k - drop - 1)));
      rd.flags.resize(rd.codes.size());
      rd.codes.push_back(0);
      rd.flags.push_back(0);
      attempt = -1;  // cutting always ends; start over with the shorter profile
      continue;
    }
    bool lost = false;
    for (int i = std::max(kept, 0); i < RAW_PROFILE_SIZE; ++i)
      if (r.rawProfile[i]) {
        lost = true;
        r.rawProfile[i] = 0;
      }
    r.profileLength = static_cast<int16_t>(limit + 15);
    if (lost) {  // the last reading lies where the file keeps nothing: close with a zero one
      rd.codes.push_back(0);
      rd.flags.push_back(0);
      continue;
    }
    expandProfile(r, gas2);
    return std::min(wanted, static_cast<int>(rd.codes.size()));
  }
  expandProfile(r, gas2);
  return static_cast<int>(rd.codes.size());
}

// ---- one dive ----

std::string placeText(const DiveRecord& r) {
  const std::string loc = storedToUtf8(getText(r.location)), site = storedToUtf8(getText(r.site));
  if (loc.empty()) return site;
  if (site.empty()) return loc;
  return loc + ", " + site;
}

// Splits the comma list of a note line into the bits whose texts it names; false when an item
// names none (the line then stays in the notes).
template <class TextOf> bool bitsOf(const std::string& value, int from, int to, TextOf text, uint32_t& bits,
                                     const std::string& ignored = {}) {
  size_t start = 0;
  while (start <= value.size()) {
    size_t end = value.find(", ", start);
    if (end == std::string::npos) end = value.size();
    const std::string item = value.substr(start, end - start);
    start = end + 2;
    if (item.empty() || item == ignored) continue;
    bool found = false;
    for (int b = from; b <= to && !found; ++b)
      if (!text(b).empty() && text(b) == item) {
        bits |= 1u << b;
        found = true;
      }
    if (!found) return false;
  }
  return true;
}

template <class TextOf> int indexOf(const std::string& value, int from, int to, TextOf text) {
  for (int i = from; i <= to; ++i)
    if (!text(i).empty() && text(i) == value) return i;
  return -1;
}

// Takes one labelled note line into its field; false when the value is not one the field can
// take.
bool applyDiveLine(DiveRecord& r, int label, const std::string& v, bool& handMade) {
  switch (label) {
    case kDiveType: {
      uint32_t bits = 0;
      if (!bitsOf(v, 2, 9, diveTypeBitText, bits, str(62587))) return false;
      r.diveTypeFlags = static_cast<uint16_t>(r.diveTypeFlags | bits);
      return true;
    }
    case kActivities: {
      uint32_t a = 0, more = 0;
      size_t start = 0;
      while (start <= v.size()) {
        size_t end = v.find(", ", start);
        if (end == std::string::npos) end = v.size();
        const std::string item = v.substr(start, end - start);
        start = end + 2;
        if (item.empty()) continue;
        const int i = indexOf(item, 0, 15, activityBitText);
        if (i >= 0) {
          a |= 1u << i;
          continue;
        }
        const int j = indexOf(item, 0, 15, moreActivityBitText);
        if (j < 0) return false;
        more |= 1u << j;
      }
      r.activityFlags = static_cast<uint16_t>(a);
      r.moreActivityFlags = static_cast<uint16_t>(more);
      return true;
    }
    case kOther: setUtf8(r.otherActivities, v); return true;
    case kWeather: {
      const int i = indexOf(v, 1, 6, weatherText);
      if (i < 0) return false;
      r.weather = static_cast<uint8_t>(i);
      return true;
    }
    case kSuit: {
      const int i = indexOf(v, 1, 6, suitText);
      if (i < 0) return false;
      r.suit = static_cast<uint8_t>(i);
      return true;
    }
    case kSuitDescription: setUtf8(r.suitDescription, v); return true;
    case kAltitude:
      for (int cls = 1; cls <= 4; ++cls)
        if (v == str(62455 + cls) || v == str(62459 + cls)) {
          r.altitudeClass = static_cast<uint8_t>(cls);
          return true;
        }
      return false;
    case kComputer: {
      for (int id = 0; id < 256; ++id)
        if (formatComputerType(id) == v) {
          r.computerType = static_cast<uint8_t>(id);
          return true;
        }
      return false;
    }
    case kProfile:
      if (v != str(62592)) return false;
      handMade = true;
      return true;
    case kTankSize: {
      std::string num = v;
      if (num.size() > 2 && num.compare(num.size() - 2, 2, " l") == 0) num.resize(num.size() - 2);
      double l;
      return parseNumber(num, l) && toField(l * 100, r.tankSize, 0);
    }
    case kTankMaterial: {
      const int i = indexOf(v, 1, 2, tankMaterialText);
      if (i < 0) return false;
      r.tankMaterial = static_cast<uint16_t>(i);
      return true;
    }
    case kWarnings: {
      uint32_t bits = 0;
      if (!bitsOf(v, 0, 7, warningBitText, bits)) return false;
      r.warningFlags = static_cast<uint16_t>(r.warningFlags | bits);
      return true;
    }
  }
  return false;
}

bool isNitroxMix(const Context& c, xml_node ref) {
  auto it = c.ids.find(ref.attribute("ref").value());
  if (it == c.ids.end() || !is(it->second, "mix")) return false;
  double o2;
  if (!number(kid(it->second, "o2"), o2)) return false;
  if (o2 > 1.0) o2 /= 100.0;  // a percentage
  return o2 > 0.21 + 1e-9;
}

void readDive(xml_node dive, Context& c, UddfDive& out) {
  DiveRecord& r = out.record;
  initRecord(r);
  out.id = dive.attribute("id").value();
  xml_node before = kid(dive, "informationbeforedive");
  xml_node after = kid(dive, "informationafterdive");

  // Date and time; a dive without them cannot be placed in the logbook.
  xml_node dt = kid(before, "datetime");
  if (!dt) dt = kid(dive, "datetime");
  const std::string when = textOf(dt);
  int32_t day = -1;
  int minutes = 0;
  if (when.empty()) {
    out.status = UddfDiveStatus::Skipped;
    out.reason = str(63003);
    return;
  }
  if (!parseUddfDateTime(when, day, minutes)) {
    out.status = UddfDiveStatus::Skipped;
    out.reason = strf(63004, when.c_str());
    return;
  }
  // Kelp writes a dive without a date on the calendar's first day.
  r.date = c.own && day == 0 ? -1 : day;
  r.timeOfDay = static_cast<int16_t>(minutes);

  double v;
  if (number(kid(before, "divenumber"), v) && v >= 1 && v <= 65535) {
    r.diveNumber = static_cast<uint16_t>(v);
    out.fileNumber = r.diveNumber;
  }

  // Links: buddies and the site.
  std::vector<std::string> buddies;
  auto takeLinks = [&](xml_node parent) {
    eachKid(parent, "link", [&](xml_node l) {
      const char* ref = l.attribute("ref").value();
      auto it = c.ids.find(ref);
      if (it == c.ids.end()) return;  // empty or dangling
      xml_node target = it->second;
      if (is(target, "buddy")) {
        c.linkedBuddies.insert(it->first);
        std::string name = personName(target);
        if (!name.empty() && std::find(buddies.begin(), buddies.end(), name) == buddies.end())
          buddies.push_back(std::move(name));
      } else if (is(target, "site")) {
        const std::string name = textOf(kid(target, "name"));
        const std::string location = textOf(kid(target, "geography", "location"));
        std::string site = name;
        if (!location.empty()) {
          // Kelp names its sites "location, site" (older exports the site alone).
          if (name == location)
            site.clear();
          else if (name.size() > location.size() + 2 && name.compare(0, location.size(), location) == 0 &&
                   name.compare(location.size(), 2, ", ") == 0)
            site = name.substr(location.size() + 2);
        }
        setUtf8(r.location, location);
        setUtf8(r.site, site);
      }
    });
  };
  takeLinks(before);
  takeLinks(dive);
  std::string joined;
  for (const std::string& b : buddies) joined += (joined.empty() ? "" : ", ") + b;
  setUtf8(r.buddies, joined);

  if (number(kid(before, "airtemperature"), v)) toField(v * 100 - 27315, r.airTemperature);
  if (xml_node si = kid(before, "surfaceintervalbeforedive"))
    if (number(kid(si, "passedtime"), v) && v >= 0) toField(std::trunc(v / 60), r.surfaceInterval, 0);
  if (number(kid(before, "equipmentused", "leadquantity"), v) && v >= 0) toField(v * 100, r.weight, 0);
  if (textOf(kid(before, "apparatus")) == "rebreather") setScr(r, true);

  bool nitrox = false;
  // The first tank: volume, start and end pressure.
  double beginPa = -1, endPa = -1;
  if (xml_node t = kid(dive, "tankdata")) {
    if (number(kid(t, "tankvolume"), v) && v > 0) toField(v * 100000, r.tankSize, 0);
    if (number(kid(t, "tankpressurebegin"), v) && v >= 0 && toField(v / 1000, r.startPressure, 0)) beginPa = v;
    if (number(kid(t, "tankpressureend"), v) && v >= 0) endPa = v;
    eachKid(t, "link", [&](xml_node l) { nitrox = nitrox || isNitroxMix(c, l); });
  }
  eachKid(dive, "tankdata", [&](xml_node t) { eachKid(t, "link", [&](xml_node l) { nitrox = nitrox || isNitroxMix(c, l); }); });

  if (number(kid(after, "greatestdepth"), v) && v > 0) toField(v * 100, r.maxDepth, 0);
  float avg;
  if (floatNumber(kid(after, "averagedepth"), avg) && avg > 0 && avg < 327.0f) {
    r.avgDepth = avg;
    r.avgDepthCm = avgDepthToCm(avg);
  }
  if (number(kid(after, "diveduration"), v) && v > 0) toField(std::trunc(v / 60), r.diveTime, 0);
  bool waterTemp = number(kid(after, "lowesttemperature"), v) && toField(v * 100 - 27315, r.minWaterTemperature);
  if (number(kid(after, "visibility"), v) && v >= 0) toField(v * 100, r.visibility, 0);
  if (number(kid(after, "pressuredrop"), v) && v >= 0) {
    toField(v / 1000, r.airConsumed, 0);
  } else if (beginPa >= 0 && endPa >= 0 && endPa <= beginPa) {
    toField((beginPa - endPa) / 1000, r.airConsumed, 0);
  }
  eachKid(kid(after, "globalalarmsgiven"), "globalalarm", [&](xml_node g) {
    const std::string a = textOf(g);
    for (const auto& [name, bit] : kGlobalAlarms)
      if (a == name) r.warningFlags = static_cast<uint16_t>(r.warningFlags | (1u << bit));
  });

  // The profile's waypoints.
  std::vector<Waypoint> wps;
  double lowestK = 1e9;
  eachKid(kid(dive, "samples"), "waypoint", [&](xml_node w) {
    Waypoint p{0, 0, 0};
    bool t = false, d = false;
    for (xml_node e = w.first_child(); e; e = e.next_sibling()) {
      if (e.type() != pugi::node_element) continue;
      const char* n = localName(e.name());
      double x;
      if (!std::strcmp(n, "divetime")) {
        t = number(e, x) && x >= 0;
        p.time = x;
      } else if (!std::strcmp(n, "depth")) {
        d = number(e, x);
        p.depth = x;
      } else if (!std::strcmp(n, "alarm")) {
        const std::string a = textOf(e);
        for (const auto& [name, bit] : kSampleAlarms)
          if (a == name) p.flags = static_cast<uint8_t>(p.flags | (1u << bit));
      } else if (!std::strcmp(n, "decostop")) {
        if (std::strcmp(e.attribute("kind").value(), "mandatory") == 0) p.flags |= 0x01;
      } else if (!std::strcmp(n, "tankpressure")) {
        p.flags |= 0x20;  // the tank's signal came with the reading
      } else if (!std::strcmp(n, "temperature")) {
        if (number(e, x) && x > 0) lowestK = std::min(lowestK, x);
      } else if (!std::strcmp(n, "switchmix")) {
        nitrox = nitrox || isNitroxMix(c, e);
      }
    }
    if (t && d) wps.push_back(p);
  });
  if (!waterTemp && lowestK < 1e9) toField(lowestK * 100 - 27315, r.minWaterTemperature);
  if (nitrox) setNitrox(r, true);

  // The notes: free paragraphs, then Kelp's labelled lines (read from the end, in their order).
  std::vector<std::string> paras = paragraphs(kid(after, "notes"));
  if (paras.empty()) paras = paragraphs(kid(dive, "notes"));
  bool handMade = false;
  int next = kDiveLabelCount;  // labels before this one may still come
  const LabelTable& L = labels();
  while (!paras.empty() && next > 0) {
    std::string value;
    int found = -1;
    for (int l = next - 1; l >= 0 && found < 0; --l)
      if (labelValue(paras.back(), L.dive[l], value)) found = l;
    if (found < 0) break;
    DiveRecord trial = r;
    bool trialHand = handMade;
    if (!applyDiveLine(trial, found, value, trialHand)) break;
    r = trial;
    handMade = trialHand;
    next = found;
    paras.pop_back();
  }
  const std::string notes = utf8ToStored(joinLines(paras));
  constexpr size_t kNotesRoom = sizeof r.notes - 1 + sizeof r.notesMore - 1;
  if (notes.size() > kNotesRoom) out.cut = strf(63007, static_cast<int>(kNotesRoom));
  setNotes(r, notes.substr(0, kNotesRoom));

  if (!c.own && !wps.empty()) r.computerType = UDDF_IMPORT_TYPE;
  Readings rd = resample(std::move(wps));
  if (!rd.codes.empty()) {
    if (!c.own && r.altitudeClass == 0) r.altitudeClass = 1;
    const double holds = kMaxReadingCode * kReadingStep;
    const bool deeper = rd.deepest >= holds + kReadingStep;
    const int wanted = static_cast<int>(rd.codes.size());
    const int kept = storeReadings(r, std::move(rd), handMade);
    auto addCut = [&](const std::string& t) { out.cut += (out.cut.empty() ? "" : "; ") + t; };
    if (kept < wanted) addCut(strf(63005, kept + 1));
    if (deeper) addCut(strf(63006, holds));
    // Depths the file gives as the profile's own are the profile's (Kelp writes them so for a
    // dive whose depths were not entered).
    double greatest;
    if (c.own && number(kid(after, "greatestdepth"), greatest) && greatest == static_cast<double>(r.profileMaxDepth))
      r.maxDepth = -1;
    if (c.own && r.avgDepth > 0 && r.avgDepth == r.profileAvgDepth) {
      r.avgDepth = 0;
      r.avgDepthCm = 0;
    }
  } else if (!c.own) {
    r.computerType = 0;
  }
}

}  // namespace

// ---- the books ----

namespace {

// The note lines of a book entry: the labelled ones in the given order, the rest as the note.
struct BookNotes {
  std::map<int, std::string> values;  // label -> value
  bool remind = false;
  std::vector<std::string> rest;
};
BookNotes bookNotes(xml_node notes, std::initializer_list<int> order) {
  BookNotes out;
  const LabelTable& L = labels();
  auto it = order.begin();
  for (const std::string& p : paragraphs(notes)) {
    bool taken = false;
    for (auto j = it; j != order.end() && !taken && out.rest.empty(); ++j) {
      if (*j == kRemind) {
        for (const std::string& t : L.book[kRemind])
          if (p == t) taken = out.remind = true;
      } else {
        std::string v;
        if (labelValue(p, L.book[*j], v)) {
          out.values[*j] = v;
          taken = true;
        }
      }
      if (taken) it = j + 1;
    }
    if (!taken) out.rest.push_back(p);
  }
  return out;
}

// The stored book date of a format date-time; NO_BOOK_DATE when there is none.
int32_t bookDateOf(xml_node dateTime) {
  int32_t day, stamp;
  int minutes;
  if (!parseUddfDateTime(textOf(dateTime), day, minutes) || !bookDateFromDay(day, stamp)) return NO_BOOK_DATE;
  return stamp;
}
int32_t bookDateOfText(const char* text) {
  int32_t day, stamp;
  int minutes;
  if (!parseUddfDateTime(text, day, minutes) || !bookDateFromDay(day, stamp)) return NO_BOOK_DATE;
  return stamp;
}

// The leading number of "12.50 EUR".
float moneyOf(const std::string& text) {
  const size_t blank = text.find(' ');
  double v = 0;
  if (!parseNumber(text.substr(0, blank), v)) return 0;
  return static_cast<float>(v);
}

std::string uriDecoded(const std::string& s) {
  auto hex = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size() + 0 && hex(s[i + 1]) >= 0 && hex(s[i + 2]) >= 0) {
      out += static_cast<char>(hex(s[i + 1]) * 16 + hex(s[i + 2]));
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}

BuddyAddress addressOf(xml_node buddy) {
  BuddyAddress a = makeAddress();
  xml_node p = kid(buddy, "personal");
  std::string first = textOf(kid(p, "firstname"));
  const std::string middle = textOf(kid(p, "middlename"));
  if (!middle.empty()) first += (first.empty() ? "" : " ") + middle;
  setUtf8(a.firstName, first);
  setUtf8(a.surname, textOf(kid(p, "lastname")));
  setUtf8(a.title, textOf(kid(p, "honorific")));
  xml_node ad = kid(buddy, "address");
  setUtf8(a.street, textOf(kid(ad, "street")));
  setUtf8(a.town, textOf(kid(ad, "city")));
  setUtf8(a.postalCode, textOf(kid(ad, "postcode")));
  setUtf8(a.province, textOf(kid(ad, "province")));
  xml_node ct = kid(buddy, "contact");
  int phones = 0;
  eachKid(ct, "phone", [&](xml_node ph) {
    if (phones == 0) setUtf8(a.phone1, textOf(ph));
    else if (phones == 1) setUtf8(a.phone2, textOf(ph));
    ++phones;
  });
  setUtf8(a.mobile, textOf(kid(ct, "mobilephone")));
  setUtf8(a.fax, textOf(kid(ct, "fax")));
  setUtf8(a.email, textOf(kid(ct, "email")));
  setUtf8(a.homePage, uriDecoded(textOf(kid(ct, "homepage"))));
  setUtf8(a.note, joinLines(paragraphs(kid(buddy, "notes"))));
  return a;
}
// Whether a buddy element holds more than a name: then it is an entry of the address book.
bool hasAddressData(xml_node buddy) {
  return kid(buddy, "address") || kid(buddy, "contact") || kid(buddy, "notes") ||
         !textOf(kid(buddy, "personal", "honorific")).empty();
}

// Equipment elements and the category each stands for; every other piece is "Altro" unless
// its notes name the category.
constexpr std::pair<const char*, int> kPieces[] = {
    {"buoyancycontroldevice", 2}, {"divecomputer", 3}, {"regulator", 0}, {"suit", 4}, {"tank", 1}};

EquipmentItem equipmentOf(xml_node piece) {
  EquipmentItem e = makeEquipmentItem();
  int category = EQUIPMENT_OTHER;
  for (const auto& [name, cat] : kPieces)
    if (is(piece, name)) category = cat;
  setUtf8(e.designation, textOf(kid(piece, "name")));
  setUtf8(e.component1, textOf(kid(piece, "model")));
  setUtf8(e.serialNumber1, textOf(kid(piece, "serialnumber")));
  xml_node purchase = kid(piece, "purchase");
  const int32_t bought = bookDateOf(kid(purchase, "datetime"));
  if (bought != NO_BOOK_DATE) setUtf8(e.purchaseDate, formatBookDate(bought));
  double price;
  if (number(kid(purchase, "price"), price)) e.purchasePrice = static_cast<float>(price);
  int32_t day;
  int minutes;
  if (parseUddfDateTime(textOf(kid(piece, "nextservicedate", "datetime")), day, minutes)) {
    int d, m, y;
    fromDayNumber(day, d, m, y);
    e.nextServiceYear = static_cast<uint16_t>(y);
    e.nextServiceMonth = static_cast<uint16_t>(m);
  }
  BookNotes n = bookNotes(kid(piece, "notes"), {kCategory, kUser, kBought, kBoughtFor, kComp2, kSerial2,
                                                kConfiguration, kLastService, kServices, kRemind});
  for (const auto& [label, v] : n.values) {
    switch (label) {
      case kCategory:
        for (int c = 0; c < EQUIPMENT_CATEGORIES; ++c)
          if (equipmentCategoryText(c) == v) category = c;
        break;
      case kUser: setUtf8(e.user, v); break;
      case kBought: setUtf8(e.purchaseDate, v); break;
      case kBoughtFor: e.purchasePrice = moneyOf(v); break;
      case kComp2: setUtf8(e.component2, v); break;
      case kSerial2: setUtf8(e.serialNumber2, v); break;
      case kConfiguration: setUtf8(e.configuration, v); break;
      case kLastService: {
        unsigned m = 0, y = 0;
        if (std::sscanf(v.c_str(), "%u.%u", &m, &y) == 2 && m <= 12 && y <= 65535) {
          e.lastServiceMonth = static_cast<uint16_t>(m);
          e.lastServiceYear = static_cast<uint16_t>(y);
        }
        break;
      }
      case kServices: e.serviceCost = moneyOf(v); break;
    }
  }
  e.remind = n.remind ? 1 : 0;
  e.category = static_cast<uint8_t>(category);
  setUtf8(e.note, joinLines(n.rest));
  return e;
}

// Splits "a (Categoria: x, Costi: y, Note: z)" at the labels it knows.
void certificationNote(const std::string& inner, Certification& c, bool& hasCategory) {
  const LabelTable& L = labels();
  const int known[] = {kCategory, kCosts, kNote};
  std::vector<std::pair<int, size_t>> starts;  // label, position of its value
  for (size_t pos = 0; pos < inner.size();) {
    bool found = false;
    for (int k : known) {
      for (const std::string& t : L.book[k]) {
        const bool atStart = pos == 0;
        const size_t at = atStart ? 0 : pos + 2;
        if ((atStart || inner.compare(pos, 2, ", ") == 0) && inner.compare(at, t.size(), t) == 0 &&
            inner.compare(at + t.size(), 2, ": ") == 0) {
          starts.push_back({k, at + t.size() + 2});
          pos = at + t.size() + 2;
          found = true;
          break;
        }
      }
      if (found) break;
    }
    if (!found) ++pos;
  }
  std::vector<std::string> notes;
  for (size_t i = 0; i < starts.size(); ++i) {
    const size_t from = starts[i].second;
    size_t to = inner.size();
    if (i + 1 < starts.size()) {
      // back over ", Label: " of the next one
      to = starts[i + 1].second;
      to = inner.rfind(", ", to);
    }
    const std::string v = inner.substr(from, to - from);
    switch (starts[i].first) {
      case kCategory: setUtf8(c.category, v); hasCategory = true; break;
      case kCosts: c.cost = moneyOf(v); break;
      case kNote: notes.push_back(v); break;
    }
  }
  if (!notes.empty()) setUtf8(c.note, joinLines(notes));
}

void readOwner(xml_node owner, UddfBooks& b, bool own, bool& any) {
  const std::string name = personName(owner);
  setUtf8(b.owner.owner.name, name);
  setUtf8(b.owner.owner.club, kid(owner, "personal", "membership").attribute("organisation").value());
  if (!name.empty() || b.owner.owner.club[0]) any = true;

  if (xml_node eq = kid(owner, "equipment")) {
    for (xml_node piece = eq.first_child(); piece; piece = piece.next_sibling()) {
      if (piece.type() != pugi::node_element || !kid(piece, "name")) continue;
      b.equipment.push_back(equipmentOf(piece));
      any = true;
    }
  }

  std::vector<std::string> ownerNotes = paragraphs(kid(owner, "notes"));
  eachKid(kid(owner, "education"), "certification", [&](xml_node n) {
    Certification c = makeCertification();
    const bool level = static_cast<bool>(kid(n, "level"));
    std::string designation = textOf(kid(n, level ? "level" : "specialty"));
    if (designation.empty()) designation = textOf(kid(n, "specialty"));
    setUtf8(c.designation, designation);
    const std::string instructor = personName(kid(n, "instructor"));
    setUtf8(c.instructor, instructor);
    c.date = bookDateOf(kid(n, "issuedate", "datetime"));
    bool hasCategory = false;
    const std::string head = designation + " (";
    for (auto it = ownerNotes.begin(); it != ownerNotes.end(); ++it) {
      if (it->size() > head.size() && it->compare(0, head.size(), head) == 0 && it->back() == ')') {
        certificationNote(it->substr(head.size(), it->size() - head.size() - 1), c, hasCategory);
        ownerNotes.erase(it);
        break;
      }
    }
    if (level) setUtf8(c.category, certificationCategories()[0]);
    else if (!hasCategory && !own) setUtf8(c.category, certificationCategories()[1]);
    b.owner.entries.push_back(c);
    any = true;
  });
}

void readTrips(xml_node divetrip, UddfBooks& b, const Context& c, bool& any) {
  eachKid(divetrip, "trip", [&](xml_node trip) {
    DiveTrip t = makeTrip();
    std::string name = textOf(kid(trip, "name"));
    xml_node part = kid(trip, "trippart");
    if (name.empty()) name = textOf(kid(part, "name"));
    setUtf8(t.destination, name);
    xml_node when = kid(part, "dateoftrip");
    t.startDate = bookDateOfText(when.attribute("startdate").value());
    t.endDate = bookDateOfText(when.attribute("enddate").value());
    std::vector<std::string> paras = paragraphs(kid(part, "notes"));
    std::string dives;
    if (!paras.empty() && labelValue(paras.back(), labels().book[kDives], dives)) {
      paras.pop_back();
      int first = 0, last = 0;
      if (std::sscanf(dives.c_str(), "%d-%d", &first, &last) == 2) {
        t.firstDive = first;
        t.lastDive = last;
      }
    } else {
      // The numbers of the dives it links.
      eachKid(kid(part, "relateddives"), "link", [&](xml_node l) {
        auto it = c.ids.find(l.attribute("ref").value());
        if (it == c.ids.end()) return;
        double v;
        if (!number(kid(it->second, "informationbeforedive", "divenumber"), v) || v < 1 || v > 65535) return;
        const int n = static_cast<int>(v);
        if (t.firstDive == 0 || n < t.firstDive) t.firstDive = n;
        if (n > t.lastDive) t.lastDive = n;
      });
    }
    setUtf8(t.note, joinLines(paras));
    b.trips.push_back(t);
    any = true;
  });
}

// The line (1-based) of a byte offset.
int lineOf(std::string_view bytes, ptrdiff_t offset) {
  const size_t end = std::min(bytes.size(), static_cast<size_t>(std::max<ptrdiff_t>(offset, 0)));
  return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(end), '\n'));
}

std::string xmlErrorText(pugi::xml_parse_status s) {
  switch (s) {
    case pugi::status_bad_pcdata: return str(63021);
    case pugi::status_bad_start_element:
    case pugi::status_bad_end_element: return str(63023);
    case pugi::status_bad_attribute: return str(63024);
    case pugi::status_end_element_mismatch: return str(63025);
    case pugi::status_unrecognized_tag:
    case pugi::status_bad_pi:
    case pugi::status_bad_comment:
    case pugi::status_bad_cdata:
    case pugi::status_bad_doctype: return str(63020);
    case pugi::status_no_document_element: return str(63020);
    default: return str(63026);
  }
}

}  // namespace

// ---- public ----

int UddfImport::count(UddfDiveStatus s) const {
  return static_cast<int>(std::count_if(dives.begin(), dives.end(), [s](const UddfDive& d) { return d.status == s; }));
}

std::string uddfStatusText(const UddfDive& d) {
  std::string s;
  switch (d.status) {
    case UddfDiveStatus::New: s = str(63000); break;
    case UddfDiveStatus::Present: s = str(63001); break;
    case UddfDiveStatus::Skipped: s = strf(63002, d.reason.c_str()); break;
  }
  if (!d.cut.empty() && d.status != UddfDiveStatus::Skipped) s += "; " + d.cut;
  return s;
}

std::string uddfDiveLine(const UddfDive& d) {
  auto col = [](const std::string& t, size_t w) { return t + std::string(t.size() < w ? w - t.size() : 1, ' '); };
  std::string line = col(d.date.empty() ? "-" : d.date, 11) + col(d.time.empty() ? "-" : d.time, 6) +
                     col(d.depth.empty() ? "-" : d.depth, 9) + col(d.diveTime.empty() ? "-" : d.diveTime, 6);
  line += d.place.empty() ? "-" : d.place;
  return line + "  [" + uddfStatusText(d) + "]";
}

namespace {

// Parses a buffer that pugixml's allocator gave (pugixml frees it with the document) in place:
// the file's bytes are held once, not copied.
Result parseOwned(const std::string& path, char* buffer, size_t size, pugi::xml_document& doc) {
  // Character references and the five predefined entities are read; a DOCTYPE is skipped and
  // the entities it defines stay unexpanded text.
  const unsigned flags = pugi::parse_default & ~pugi::parse_doctype;
  const pugi::xml_parse_result parsed = doc.load_buffer_inplace_own(buffer, size, flags, pugi::encoding_auto);
  if (parsed) return Result::success();
  // The buffer was changed by the parse, but its line breaks before the error are all there.
  const int line = lineOf(std::string_view(buffer, size), parsed.offset);
  const bool atEnd = size > 0 && parsed.offset >= static_cast<ptrdiff_t>(size) - 1 &&
                     parsed.status != pugi::status_no_document_element;
  if (atEnd) return Result::failure(strf(63013, path.c_str(), line));
  return Result::failure(strf(63011, path.c_str(), line, xmlErrorText(parsed.status).c_str()));
}

Result readDocument(const std::string& path, pugi::xml_document& doc, UddfImport& out,
                    const UddfReadOptions& options, bool* cancelled);

}  // namespace

Result readUddfBytes(const std::string& path, std::string_view bytes, UddfImport& out,
                     const UddfReadOptions& options, bool* cancelled) {
  out = UddfImport{};
  out.path = path;
  if (cancelled) *cancelled = false;
  useBlockMemoryForXml();
  char* buffer = static_cast<char*>(pugi::get_memory_allocation_function()(bytes.size() + 1));
  if (!buffer) return Result::failure(strf(63010, path.c_str()));
  std::memcpy(buffer, bytes.data(), bytes.size());
  buffer[bytes.size()] = 0;
  pugi::xml_document doc;
  Result r = parseOwned(path, buffer, bytes.size(), doc);
  if (!r) return r;
  return readDocument(path, doc, out, options, cancelled);
}

Result readUddfFile(const std::string& path, UddfImport& out, const UddfReadOptions& options, bool* cancelled) {
  out = UddfImport{};
  out.path = path;
  if (cancelled) *cancelled = false;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return Result::failure(strf(63010, path.c_str()));
  struct Closer {
    std::FILE* f;
    ~Closer() { std::fclose(f); }
  } closer{f};
  if (std::fseek(f, 0, SEEK_END) != 0) return Result::failure(strf(63010, path.c_str()));
  const long size = std::ftell(f);
  if (size < 0 || std::fseek(f, 0, SEEK_SET) != 0) return Result::failure(strf(63010, path.c_str()));
  useBlockMemoryForXml();
  char* buffer = static_cast<char*>(pugi::get_memory_allocation_function()(static_cast<size_t>(size) + 1));
  if (!buffer) return Result::failure(strf(63010, path.c_str()));
  if (std::fread(buffer, 1, static_cast<size_t>(size), f) != static_cast<size_t>(size)) {
    pugi::get_memory_deallocation_function()(buffer);
    return Result::failure(strf(63010, path.c_str()));
  }
  buffer[size] = 0;
  pugi::xml_document doc;
  Result r = parseOwned(path, buffer, static_cast<size_t>(size), doc);
  if (!r) return r;
  return readDocument(path, doc, out, options, cancelled);
}

namespace {

Result readDocument(const std::string& path, pugi::xml_document& doc, UddfImport& out,
                    const UddfReadOptions& options, bool* cancelled) {
  xml_node root = doc.document_element();
  if (!is(root, "uddf")) return Result::failure(strf(63012, path.c_str()));

  Context c;
  out.generator = textOf(kid(root, "generator", "name"));
  c.own = out.generator == kProductName;
  collectIds(c, kid(root, "diver"), "buddy");
  collectIds(c, kid(root, "divesite"), "site");
  collectIds(c, kid(root, "gasdefinitions"), "mix");

  // The dives: in repetition groups, and lenient about dives placed straight in profiledata.
  std::vector<xml_node> diveNodes;
  eachKid(root, "profiledata", [&](xml_node pd) {
    for (xml_node n = pd.first_child(); n; n = n.next_sibling()) {
      if (is(n, "repetitiongroup"))
        eachKid(n, "dive", [&](xml_node d) { diveNodes.push_back(d); });
      else if (is(n, "dive"))
        diveNodes.push_back(n);
    }
  });
  for (xml_node d : diveNodes) {
    const char* id = d.attribute("id").value();
    if (*id) c.ids.emplace(id, d);
  }

  const size_t total = diveNodes.size();
  out.dives.resize(total);
  for (size_t i = 0; i < total; ++i) {
    if ((i % 64) == 0) {
      const bool stop = (options.cancel && options.cancel->load()) ||
                        (options.progress && !options.progress(i, total));
      if (stop) {
        if (cancelled) *cancelled = true;
        out.dives.clear();
        return Result::failure(strf(63014, path.c_str()));
      }
    }
    UddfDive& d = out.dives[i];
    readDive(diveNodes[i], c, d);
    if (d.status == UddfDiveStatus::Skipped) continue;
    const DiveRecord& r = d.record;
    d.date = formatDateList(r.date);
    d.time = formatMinutes(r.timeOfDay);
    const std::string depth = formatMaxDepth(r);
    d.depth = depth.empty() ? depth : depth + " " + unitLabel(Quantity::Depth);
    d.diveTime = formatMinutes(r.diveTime);
    d.place = placeText(r);
  }
  if (options.progress) options.progress(total, total);

  // The books.
  UddfBooks& b = out.books;
  bool any = false;
  xml_node diver = kid(root, "diver");
  if (xml_node owner = kid(diver, "owner")) readOwner(owner, b, c.own, any);
  eachKid(diver, "buddy", [&](xml_node buddy) {
    const std::string_view id = buddy.attribute("id").value();
    if (!hasAddressData(buddy) && c.linkedBuddies.count(id)) return;  // a dive buddy and nothing more
    if (personName(buddy).empty() && !hasAddressData(buddy)) return;
    b.addresses.push_back(addressOf(buddy));
    any = true;
  });
  readTrips(kid(root, "divetrip"), b, c, any);
  out.hasBooks = any;
  return Result::success();
}

}  // namespace

namespace {
// Dives compare by date and time to the minute; those without a date by their number as well.
int64_t diveKey(const DiveRecord& r) {
  const int64_t minutes = static_cast<int64_t>(r.date) * 1440 + r.timeOfDay;
  return r.date < 0 ? -(minutes * 65536 + r.diveNumber) - 1 : minutes;
}
}  // namespace

void classifyUddfDives(const Logbook& lb, UddfImport& found) {
  std::unordered_set<int64_t> present;
  present.reserve(static_cast<size_t>(lb.diveCount()) + found.dives.size());
  for (const DiveRecord& r : lb.dives()) present.insert(diveKey(r));
  for (UddfDive& d : found.dives) {
    if (d.status == UddfDiveStatus::Skipped) continue;
    d.status = present.insert(diveKey(d.record)).second ? UddfDiveStatus::New : UddfDiveStatus::Present;
  }
}

Result insertUddfDives(Logbook& lb, const UddfImport& found, UddfInsertReport* report) {
  UddfInsertReport rep;
  std::vector<const UddfDive*> fresh;
  for (const UddfDive& d : found.dives) {
    if (d.status == UddfDiveStatus::New) fresh.push_back(&d);
    else if (d.status == UddfDiveStatus::Present) ++rep.present;
    else ++rep.skipped;
  }
  if (report) *report = rep;
  if (fresh.empty()) return Result::success();
  if (lb.diveCount() + static_cast<int>(fresh.size()) > MAX_DIVES)
    return Result::failure(strf(63015, static_cast<int>(fresh.size())));
  std::stable_sort(fresh.begin(), fresh.end(), [](const UddfDive* a, const UddfDive* b) {
    const DiveRecord &x = a->record, &y = b->record;
    return x.date != y.date ? x.date < y.date : x.timeOfDay < y.timeOfDay;
  });
  rep.keptNumbers = lb.diveCount() == 0 &&
                    std::all_of(fresh.begin(), fresh.end(), [](const UddfDive* d) { return d->fileNumber > 0; });

  ChangeRecorder rec(lb);
  int first = 0;
  for (const UddfDive* d : fresh) {
    const DiveRecord& r = d->record;
    // New dives mostly follow the last one: no search then.
    const int n = lb.diveCount();
    int p;
    if (r.date >= 0 && (n == 0 || !(static_cast<uint32_t>(lb.dives()[static_cast<size_t>(n - 1)].date) >
                                        static_cast<uint32_t>(r.date) ||
                                    (lb.dives()[static_cast<size_t>(n - 1)].date == r.date &&
                                     lb.dives()[static_cast<size_t>(n - 1)].timeOfDay > r.timeOfDay))))
      p = n + 1;
    else
      p = lb.insertPosition(r);
    Result res = lb.insertAt(p, r);
    if (!res) {
      rec.rollback();
      return res;
    }
    first = first == 0 ? p : std::min(first, p);
    ++rep.inserted;
  }
  if (rep.keptNumbers)
    for (size_t i = 0; i < fresh.size(); ++i) {
      const uint16_t number = static_cast<uint16_t>(fresh[i]->fileNumber);
      if (lb.dives()[i].diveNumber != number)
        lb.modify(static_cast<int>(i) + 1, [number](DiveRecord& r) { r.diveNumber = number; });
    }
  rep.firstPosition = first;
  lb.currentPosition = first;
  rec.finish(std::string());
  if (report) *report = rep;
  return Result::success();
}

// ---- merging the books ----

namespace {

template <size_t N> std::string key(const char (&f)[N]) { return getText(f) + '\x1f'; }
std::string addressKey(const BuddyAddress& a) {
  return key(a.firstName) + key(a.surname) + key(a.title) + key(a.street) + key(a.postalCode) + key(a.town) +
         key(a.province) + key(a.phone1) + key(a.phone2) + key(a.fax) + key(a.mobile) + key(a.email) +
         key(a.homePage) + key(a.note);
}
std::string equipmentKey(const EquipmentItem& e) {
  return std::to_string(equipmentCategory(e)) + '\x1f' + key(e.designation) + key(e.user) + key(e.purchaseDate) +
         key(e.component1) + key(e.serialNumber1) + key(e.component2) + key(e.serialNumber2) +
         key(e.configuration) + format("%u.%u.%u.%u.%.2f.%.2f.%u", unsigned(e.lastServiceMonth),
                                       unsigned(e.lastServiceYear), unsigned(e.nextServiceMonth),
                                       unsigned(e.nextServiceYear), double(e.purchasePrice),
                                       double(e.serviceCost), unsigned(e.remind != 0)) +
         key(e.note);
}
std::string certificationKey(const Certification& c) {
  return key(c.category) + key(c.designation) + std::to_string(c.date) + '\x1f' + key(c.instructor) +
         format("%.2f", double(c.cost)) + key(c.note);
}
std::string tripKey(const DiveTrip& t) {
  return format("%d.%d.%d.%d", t.startDate, t.endDate, t.firstDive, t.lastDive) + '\x1f' + key(t.destination) +
         key(t.note);
}

template <class Rec, class Key> int mergeInto(std::vector<Rec>& into, const std::vector<Rec>& found, Key k) {
  std::unordered_set<std::string> have;
  for (const Rec& r : into) have.insert(k(r));
  int added = 0;
  for (const Rec& r : found)
    if (have.insert(k(r)).second) {
      into.push_back(r);
      ++added;
    }
  return added;
}

}  // namespace

UddfBooksReport mergeUddfBooks(UddfBooks& into, const UddfBooks& found) {
  UddfBooksReport rep;
  if (!into.owner.owner.name[0] && !into.owner.owner.club[0] && (found.owner.owner.name[0] || found.owner.owner.club[0])) {
    into.owner.owner = found.owner.owner;
    rep.owner = 1;
  }
  rep.certifications = mergeInto(into.owner.entries, found.owner.entries, certificationKey);
  rep.addresses = mergeInto(into.addresses, found.addresses, addressKey);
  rep.equipment = mergeInto(into.equipment, found.equipment, equipmentKey);
  rep.trips = mergeInto(into.trips, found.trips, tripKey);
  return rep;
}

Result importUddfBooks(const UddfBookFiles& files, const UddfBooks& found, UddfBooksReport* report) {
  UddfBooks books;
  Result r = loadUddfBooks(files, books);
  if (!r) return r;
  UddfBooks wanted;  // only what has a file to go to
  wanted.owner = found.owner;
  if (files.owner.empty()) wanted.owner = OwnerBook{};
  if (!files.trips.empty()) wanted.trips = found.trips;
  if (!files.addresses.empty()) wanted.addresses = found.addresses;
  if (!files.equipment.empty()) wanted.equipment = found.equipment;
  const UddfBooksReport rep = mergeUddfBooks(books, wanted);
  if (report) *report = rep;
  if ((rep.owner || rep.certifications) && !(r = saveOwnerFile(files.owner, books.owner))) return r;
  if (rep.trips && !(r = saveTripFile(files.trips, books.trips))) return r;
  if (rep.addresses && !(r = saveAddressFile(files.addresses, books.addresses))) return r;
  if (rep.equipment && !(r = saveEquipmentFile(files.equipment, books.equipment))) return r;
  return Result::success();
}

}  // namespace kelp
