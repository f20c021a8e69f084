#include "profile/search.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string_view>

#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"

namespace kelp {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// Activity choices of the find dialog, in the dialog's order.
constexpr std::array<int, kActivityChoiceCount> kActivityChoices = {
    62549, 63440, 63441, 63442, 62553, 63443, 63444, 62556, 62557, 62559,
    62558, 63445, 63446, 63447, 63448, 63449, 63450, 63451, 62572, 63452};

// The activityFlags bit a choice 0 .. 11 tests. The dialog lists "In corrente" before
// "In fiume" while the bits hold the river dive (9) before the dive in a current (10).
int activityBitOfChoice(int choice) {
  if (choice == 9) return 10;
  if (choice == 10) return 9;
  return choice;
}

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// A text field of a record, read in place.
template <size_t N> std::string_view view(const char (&field)[N]) {
  size_t n = 0;
  while (n < N && field[n]) ++n;
  return std::string_view(field, n);
}

// Stored forms of the long and short label of each special activity.
const std::array<std::array<std::string, 2>, 8>& specialLabelsStored() {
  static const auto labels = [] {
    std::array<std::array<std::string, 2>, 8> l;
    for (int i = 0; i < 8; ++i)
      l[static_cast<size_t>(i)] = {utf8ToStored(specialActivityStoredName(i, false)),
                                   utf8ToStored(specialActivityStoredName(i, true))};
    return l;
  }();
  return labels;
}

// A number as the form shows it: the formatter's text read back; NaN when it shows nothing.
double shownNumber(const std::string& shown) {
  double v;
  return scanFloat(shown, v) ? v : kNone;
}

// A number the user typed; NaN when there is none or it is 0 (the condition is off).
double typedNumber(const std::string& text) {
  double v;
  if (!scanFloat(text, v) || v == 0) return kNone;
  return v;
}

// The shown value of a 16-bit field, formatted once per distinct value.
double cachedShown(std::vector<double>& cache, int value, std::string (*fmt)(int)) {
  if (value < 0 || value >= NO_VALUE) return kNone;
  if (cache.empty()) cache.assign(static_cast<size_t>(NO_VALUE), std::numeric_limits<double>::infinity());
  double& slot = cache[static_cast<size_t>(value)];
  if (std::isinf(slot)) slot = shownNumber(fmt(value));
  return slot;
}

std::string formatTankSizeInt(int v) { return formatTankSize(v); }

}  // namespace

// ---------------------------------------------------------------------------
// Find, next, previous

LastSearch& lastSearch() {
  static LastSearch s;
  return s;
}

std::string activityChoiceLabel(int i) {
  if (i < 0 || i >= kActivityChoiceCount) return {};
  return str(kActivityChoices[static_cast<size_t>(i)]);
}

LastSearch makeSearch(int field, int activity, const std::string& utf8Text) {
  LastSearch s;
  s.field = field < kFindNone ? kFindNone : field > kFindActivity ? kFindActivity : field;
  s.activity = activity < 0 ? 0 : activity >= kActivityChoiceCount ? kActivityChoiceCount - 1 : activity;
  s.text = utf8ToStored(utf8Text);
  if (s.text.size() > kSearchTextLimit) s.text.resize(kSearchTextLimit);
  return s;
}

std::string searchTextShown(const LastSearch& s) { return storedToUtf8(s.text); }

bool hasSpecialActivity(const DiveRecord& r, int i) {
  if (i < 0 || i > 7) return false;
  if (r.moreActivityFlags & (1u << i)) return true;
  const std::string_view other = view(r.otherActivities);
  if (other.empty()) return false;
  for (const std::string& label : specialLabelsStored()[static_cast<size_t>(i)])
    if (!label.empty() && contains(other, label)) return true;
  return false;
}

bool diveMatchesSearch(const DiveRecord& r, const LastSearch& s) {
  switch (s.field) {
    case kFindLocation: return view(r.location) == s.text;
    case kFindSite: return view(r.site) == s.text;
    case kFindBuddies: return contains(view(r.buddies), s.text);
    case kFindActivity:
      if (s.activity < 12) return (r.activityFlags & (1u << activityBitOfChoice(s.activity))) != 0;
      if (s.activity < kActivityOther) return hasSpecialActivity(r, s.activity - 12);
      return contains(view(r.otherActivities), s.text);
    default: return false;
  }
}

int findFirst(const Logbook& lb, const LastSearch& s) { return findNext(lb, s, 0); }

int findNext(const Logbook& lb, const LastSearch& s, int current) {
  if (!s.made()) return 0;
  const auto& d = lb.dives();
  for (int i = std::max(current, 0); i < lb.diveCount(); ++i)
    if (diveMatchesSearch(d[static_cast<size_t>(i)], s)) return i + 1;
  return 0;
}

int findPrevious(const Logbook& lb, const LastSearch& s, int current) {
  if (!s.made()) return 0;
  const auto& d = lb.dives();
  for (int i = std::min(current, lb.diveCount() + 1) - 1; i >= 1; --i)
    if (diveMatchesSearch(d[static_cast<size_t>(i - 1)], s)) return i;
  return 0;
}

std::string searchNotFoundMessage(const LastSearch& s) {
  if (s.field == kFindActivity) return str(63433);
  return strf(63434, searchTextShown(s).c_str());
}

std::string searchNoMoreMessage(const LastSearch& s) {
  if (s.field == kFindActivity) return str(63435);
  return strf(63436, searchTextShown(s).c_str());
}

// ---------------------------------------------------------------------------
// Find and replace

size_t replaceFieldWidth(int field) {
  switch (field) {
    case kReplaceLocation:
    case kReplaceSite: return 60;
    case kReplaceBuddies: return 80;
    case kReplaceNotes: return 510;
    case kReplaceSuit: return 281;
    default: return 0;
  }
}

std::string replaceFieldText(const DiveRecord& r, int field) {
  switch (field) {
    case kReplaceLocation: return getText(r.location);
    case kReplaceSite: return getText(r.site);
    case kReplaceBuddies: return getText(r.buddies);
    case kReplaceNotes: return getNotes(r);
    case kReplaceSuit: return getText(r.suitDescription);
    default: return {};
  }
}

void setReplaceFieldText(DiveRecord& r, int field, const std::string& stored) {
  std::string t = stored;
  if (t.size() > replaceFieldWidth(field)) t.resize(replaceFieldWidth(field));
  switch (field) {
    case kReplaceLocation: setText(r.location, t); break;
    case kReplaceSite: setText(r.site, t); break;
    case kReplaceBuddies: setText(r.buddies, t); break;
    case kReplaceNotes: setNotes(r, t); break;
    case kReplaceSuit: setText(r.suitDescription, t); break;
    default: break;
  }
}

std::string replaceInText(const std::string& t, const std::string& o, const std::string& n) {
  if (t == o) return n;
  if (o.empty()) return t;
  const size_t at = t.find(o);
  if (at == std::string::npos) return t;
  size_t rest = at + o.size();
  while (rest < t.size() && t[rest] == ' ') ++rest;
  return t.substr(0, at) + n + t.substr(rest);
}

namespace {

// The replaced text as it would be stored: cut to the field.
std::string replacedField(const std::string& t, const std::string& o, const std::string& n, int field) {
  std::string out = replaceInText(t, o, n);
  if (out.size() > replaceFieldWidth(field)) out.resize(replaceFieldWidth(field));
  return out;
}

// A field text as one result row shows it: the line breaks of the notes become blanks.
std::string oneLine(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
    out += utf8[i] == '\r' || utf8[i] == '\n' ? ' ' : utf8[i];
  }
  return out;
}

}  // namespace

ReplacePreview previewReplace(const Logbook& lb, int field, const std::string& oldUtf8,
                              const std::string& newUtf8) {
  ReplacePreview p;
  // Texts are matched in the stored form, so an apostrophe typed as it shows on screen
  // (the acute accent) finds the stored apostrophe and the other way round.
  const std::string o = utf8ToStored(oldUtf8);
  const std::string n = utf8ToStored(newUtf8);
  if (o.empty() || replaceFieldWidth(field) == 0) return p;
  for (const DiveRecord& r : lb.dives()) {
    const std::string t = replaceFieldText(r, field);
    if (!contains(t, o)) continue;
    ++p.found;
    p.rows.push_back(format("%05d\t%s", r.diveNumber, oneLine(storedToUtf8(t)).c_str()));
    if (!n.empty()) p.rows.push_back("->\t" + oneLine(storedToUtf8(replacedField(t, o, n, field))));
  }
  p.canReplace = p.found > 0 && !n.empty();
  return p;
}

int replaceAll(Logbook& lb, int field, const std::string& oldUtf8, const std::string& newUtf8) {
  const std::string o = utf8ToStored(oldUtf8);
  const std::string n = utf8ToStored(newUtf8);
  if (o.empty() || n.empty() || replaceFieldWidth(field) == 0) return 0;
  int changed = 0;
  for (int pos = 1; pos <= lb.diveCount(); ++pos) {
    const DiveRecord& current = lb.dives()[static_cast<size_t>(pos - 1)];
    const std::string t = replaceFieldText(current, field);
    if (!contains(t, o)) continue;
    const std::string replaced = replacedField(t, o, n, field);
    if (replaced == t) continue;
    DiveRecord r = current;
    setReplaceFieldText(r, field, replaced);
    lb.put(pos, r);
    ++changed;
  }
  return changed;
}

// ---------------------------------------------------------------------------
// Extended search

SearchCriteria& searchCriteria() {
  static SearchCriteria c;
  return c;
}

SelectionMatcher::SelectionMatcher(const SearchCriteria& c)
    : m_or(c.orMode),
      m_altitude(c.altitude),
      m_weather(c.weather),
      m_suit(c.suit),
      m_typeBits(static_cast<uint16_t>(c.typeBits & 0x03FC)),
      m_activityBits(static_cast<uint16_t>(c.activityBits & 0x0FFF)),
      m_specialBits(c.specialBits) {
  const int32_t from = parseDate(c.dateFrom), to = parseDate(c.dateTo);
  m_hasDateFrom = from > 0;
  m_hasDateTo = to > 0;
  m_dateFrom = from;
  m_dateTo = to;
  m_dateOn = m_hasDateFrom || m_hasDateTo;
  count(m_dateOn);

  m_location = utf8ToStored(c.location);
  m_site = utf8ToStored(c.site);
  m_buddy = utf8ToStored(c.buddy);
  m_other = utf8ToStored(c.other);
  for (const std::string* t : {&m_location, &m_site, &m_buddy, &m_other}) count(!t->empty());
  for (int v : {m_altitude, m_weather, m_suit}) count(v != 0);

  m_tank = typedNumber(c.tankSize);
  m_tankOn = !std::isnan(m_tank);
  count(m_tankOn);

  auto range = [](Range& r, double from, double to) {
    r.hasFrom = !std::isnan(from);
    r.hasTo = !std::isnan(to);
    r.from = from;
    r.to = to;
    r.on = r.hasFrom || r.hasTo;
  };
  range(m_depth, typedNumber(c.depthFrom), typedNumber(c.depthTo));
  auto minutes = [](const std::string& t) {
    const int16_t v = parseMinutes(t);
    return v == NO_VALUE || v <= 0 ? kNone : static_cast<double>(v);
  };
  range(m_time, minutes(c.timeFrom), minutes(c.timeTo));
  range(m_sac, typedNumber(c.sacFrom), typedNumber(c.sacTo));
  for (const Range* r : {&m_depth, &m_time, &m_sac}) count(r->on);

  for (int bit = 0; bit < 16; ++bit) {
    count((m_typeBits >> bit) & 1u);
    count((m_activityBits >> bit) & 1u);
  }
  for (int bit = 0; bit < 8; ++bit) count((m_specialBits >> bit) & 1u);
}

double SelectionMatcher::shownDepth(const DiveRecord& r) const {
  return cachedShown(m_depthShown, shownMaxDepth(r), formatDepthCm);
}

double SelectionMatcher::shownTank(const DiveRecord& r) const {
  return cachedShown(m_tankShown, r.tankSize, formatTankSizeInt);
}

bool SelectionMatcher::matches(const DiveRecord& r) const {
  if (m_conditions == 0) return false;
  // Each condition that is on is tested once: OR stops at the first that holds,
  // AND at the first that fails.
  auto test = [this](bool holds) { return m_or ? holds : !holds; };
  // A dive without a date lies neither after nor before any date.
  if (m_dateOn && test(r.date >= 0 && (!m_hasDateFrom || r.date >= m_dateFrom) &&
                       (!m_hasDateTo || r.date <= m_dateTo)))
    return m_or;
  if (!m_location.empty() && test(view(r.location) == m_location)) return m_or;
  if (!m_site.empty() && test(view(r.site) == m_site)) return m_or;
  if (m_altitude && test(r.altitudeClass == m_altitude)) return m_or;
  if (m_depth.on) {
    const double d = shownDepth(r);
    if (test(!std::isnan(d) && m_depth.holds(d))) return m_or;
  }
  if (m_weather && test(r.weather == m_weather)) return m_or;
  if (m_time.on && test(r.diveTime != NO_VALUE && r.diveTime > 0 && m_time.holds(r.diveTime))) return m_or;
  if (m_suit && test(r.suit == m_suit)) return m_or;
  if (m_sac.on) {
    const double s = r.sac > 0 ? shownNumber(formatSac(r.sac)) : kNone;
    if (test(!std::isnan(s) && m_sac.holds(s))) return m_or;
  }
  if (!m_buddy.empty() && test(contains(view(r.buddies), m_buddy))) return m_or;
  if (m_tankOn) {
    const double t = shownTank(r);
    if (test(!std::isnan(t) && t == m_tank)) return m_or;
  }
  for (int bit = 2; bit <= 9; ++bit)
    if ((m_typeBits >> bit) & 1u)
      if (test((r.diveTypeFlags >> bit) & 1u)) return m_or;
  for (int bit = 0; bit < 12; ++bit)
    if ((m_activityBits >> bit) & 1u)
      if (test((r.activityFlags >> bit) & 1u)) return m_or;
  for (int i = 0; i < 8; ++i)
    if ((m_specialBits >> i) & 1u)
      if (test(hasSpecialActivity(r, i))) return m_or;
  if (!m_other.empty() && test(contains(view(r.otherActivities), m_other))) return m_or;
  // AND: nothing failed; OR: nothing held.
  return !m_or;
}

std::vector<int> selectDives(const Logbook& lb, const SearchCriteria& c) {
  const SelectionMatcher m(c);
  std::vector<int> out;
  if (m.conditionCount() == 0) return out;
  const auto& d = lb.dives();
  for (size_t i = 0; i < d.size(); ++i)
    if (m.matches(d[i])) out.push_back(static_cast<int>(i) + 1);
  return out;
}

std::string selectionRow(const DiveRecord& r) {
  const std::string date = formatDateShort(r.date);
  const std::string loc = storedToUtf8(getText(r.location));
  const std::string site = storedToUtf8(getText(r.site));
  if (loc.empty()) return format("%05d\t%-8s\t%s", r.diveNumber, date.c_str(), site.c_str());
  return format("%05d\t%-8s\t%s, %s", r.diveNumber, date.c_str(), loc.c_str(), site.c_str());
}

namespace {

std::string normalPath(const std::string& p) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path a = fs::absolute(fs::path(p), ec);
  if (ec) a = fs::path(p);
  // Follows links where the file exists, so two names of one file compare equal.
  fs::path c = fs::weakly_canonical(a, ec);
  return (ec ? a : c).lexically_normal().string();
}

std::string addPathOf(const std::string& logPath) {
  Logbook names;
  names.formCompanionNames(logPath);
  return names.addPath;
}

}  // namespace

bool isOwnLogbookFile(const Logbook& lb, const std::string& path) {
  // A logbook that has never been saved has no file of its own.
  if (lb.path.empty() || lb.addPath.empty()) return false;
  const std::string log = normalPath(path), add = normalPath(addPathOf(path));
  const std::string ownLog = normalPath(lb.path), ownAdd = normalPath(lb.addPath);
  return log == ownLog || log == ownAdd || add == ownLog || add == ownAdd;
}

Result writeSelectedDives(const Logbook& lb, const std::vector<int>& positions, const std::string& path) {
  if (positions.empty()) return Result::failure(str(63437));
  if (isOwnLogbookFile(lb, path))
    return Result::failure(strf(63438, path.c_str()));
  if (normalPath(path) == normalPath(addPathOf(path)))
    return Result::failure(strf(63439, path.c_str()));
  std::vector<DiveRecord> dives;
  dives.reserve(positions.size());
  for (int p : positions)
    if (p >= 1 && p <= lb.diveCount()) dives.push_back(lb.dives()[static_cast<size_t>(p - 1)]);
  Logbook out;
  out.newLogbook();
  out.headerReserved = lb.headerReserved;
  out.headerWordA = lb.headerWordA;
  out.headerWordB = lb.headerWordB;
  out.assignDives(std::move(dives));
  // Saving names the written file as the last logbook; the open logbook stays the last one.
  const std::string last = settings().lastLogbookPath;
  Result r = out.saveFile(path);
  settings().lastLogbookPath = last;
  return r;
}

}  // namespace kelp
