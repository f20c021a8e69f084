#include "profile/dive_edit.h"

#include <cstring>

#include "core/computer_models.h"
#include "core/string_list.h"
#include "core/texts.h"
#include "core/strings.h"

namespace kelp {

namespace {

int indexInRange(int v, int last) { return v >= 0 && v <= last ? v : 0; }

// Notes keep their line breaks as CR LF; the controls show LF.
std::string notesForControl(const DiveRecord& r) {
  std::string t = storedToUtf8(getNotes(r)), out;
  out.reserve(t.size());
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') continue;
    out += t[i];
  }
  return out;
}

std::string notesFromControl(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size() + 16);
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\n' && (i == 0 || utf8[i - 1] != '\r')) out += '\r';
    out += utf8[i];
  }
  return utf8ToStored(out);
}

// "Numero:": a whole number that fits the 16-bit field.
bool parseDiveNumber(const std::string& text, int& out) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  size_t j = i;
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
  const size_t digits = j;
  while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
  if (j == digits || j - digits > 6) return false;
  size_t k = j;
  while (k < text.size() && (text[k] == ' ' || text[k] == '\t')) ++k;
  if (k != text.size()) return false;
  int v = 0;
  if (!scanInt(text.substr(i, j - i), v) || v < 0 || v > 65535) return false;
  out = v;
  return true;
}

std::string trimRight(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// Special activity named by one stored-form entry, -1 when none.
int specialIndex(const std::string& entry) {
  for (int i = 0; i < 8; ++i)
    if (isSpecialActivityName(entry, i)) return i;
  return -1;
}

}  // namespace

EditorSession& editorSession() {
  static EditorSession s;
  return s;
}

int notesLimit(bool extended) { return extended ? 510 : 255; }

bool isDownloadedDive(const DiveRecord& r) {
  if (r.computerType == 0 && r.profileLength == 0) return false;
  return !isHandMadeProfile(r);
}

LockState lockState(const DiveRecord& r, bool freeEditing) {
  LockState s;
  if (!freeEditing && isDownloadedDive(r)) {
    s.locked = true;
    // Bit 0 clear: the dive computer delivered the air consumption itself.
    s.consumptionEditable = (r.computerFlags & 1u) != 0;
  }
  return s;
}

ComputerTypeView computerTypeView(const DiveRecord& r, bool freeEditing, const ComputerModelTable& models) {
  ComputerTypeView v;
  const bool import = r.computerType != 0 && models.importSource(r.computerType);
  v.importListVisible = import && !freeEditing;
  v.airListVisible = freeEditing;
  v.airTemperatureEnabled = !import || freeEditing;
  if (import) v.importRow = models.importIndex(r.computerType);
  if (r.computerType != 0 && models.airModel(r.computerType)) v.airRow = models.airIndex(r.computerType);
  return v;
}

std::vector<std::string> importSourceEntries(const ComputerModelTable& models) {
  std::vector<std::string> out;
  for (int i = 0; models.idByImportIndex(i) >= 0; ++i)
    out.push_back(cp1252ToUtf8(models.nameByImportIndex(i)) + format(" [%d]", i));
  return out;
}

std::vector<std::string> airModelEntries(const ComputerModelTable& models) {
  std::vector<std::string> out;
  for (int i = 0; models.idByAirIndex(i) >= 0; ++i)
    out.push_back(cp1252ToUtf8(models.nameByAirIndex(i)) + format(" [%d]", i));
  return out;
}

std::vector<std::string> specialActivityLabels(bool abbreviations) {
  std::vector<std::string> out;
  for (int i = 0; i < 8; ++i)
    out.push_back(abbreviations ? specialActivityShortName(i) : specialActivityLongName(i));
  return out;
}

uint8_t shownSpecialActivities(const DiveRecord& r) {
  uint16_t bits = specialActivitiesFromText(r);
  for (const std::string& e : splitEntries(getText(r.otherActivities))) {
    const int i = specialIndex(e);
    if (i >= 0) bits = static_cast<uint16_t>(bits | (1u << i));
  }
  return static_cast<uint8_t>(bits & 0xFF);
}

void storeSpecialActivities(DiveRecord& r, uint8_t ticked, bool extended, bool abbreviations) {
  const std::string text = getText(r.otherActivities);
  std::vector<std::string> entries;
  bool rewrite = false;
  // A text that is one special activity's name as a whole counts as that entry.
  const int wholeIndex = specialIndex(text);
  std::vector<std::string> split = wholeIndex >= 0 ? std::vector<std::string>{text} : splitEntries(text);
  uint8_t named = 0;
  for (const std::string& e : split) {
    const int i = specialIndex(e);
    if (i >= 0 && !(ticked & (1u << i))) {
      rewrite = true;  // names an activity that is no longer ticked
      continue;
    }
    if (i >= 0) named = static_cast<uint8_t>(named | (1u << i));
    entries.push_back(e);
  }
  if (extended) {
    r.moreActivityFlags = static_cast<uint16_t>((r.moreActivityFlags & ~0xFFu) | ticked);
  } else {
    r.moreActivityFlags = static_cast<uint16_t>(r.moreActivityFlags & (0xFF00u | ticked));
    for (int i = 0; i < 8; ++i) {
      if (!(ticked & (1u << i)) || (named & (1u << i))) continue;
      entries.push_back(utf8ToStored(specialActivityStoredName(i, abbreviations)));
      rewrite = true;
    }
  }
  if (!rewrite) return;
  std::string joined;
  for (const std::string& e : entries) {
    if (!joined.empty()) joined += ", ";
    joined += e;
  }
  setText(r.otherActivities, joined);
}

bool buddyAppendFits(const std::string& buddies, const std::string& entry) {
  return buddies.size() + entry.size() + 2 <= static_cast<size_t>(kBuddiesLimit);
}

std::string appendBuddy(const std::string& buddies, const std::string& entry) {
  if (entry.empty()) return buddies;
  const std::string wanted = trimRight(entry);
  for (const std::string& b : splitEntries(buddies))
    if (b == wanted) return buddies;
  if (buddies.empty()) return entry.size() <= static_cast<size_t>(kBuddiesLimit) ? entry : buddies;
  const size_t l = buddies.size(), n = entry.size(), limit = static_cast<size_t>(kBuddiesLimit);
  if (l + n + 2 <= limit) return buddies + ", " + entry;
  if (l + n + 1 <= limit) return buddies + "," + entry;
  return buddies;
}

void takeFromPrevious(DiveRecord& r, const DiveRecord& p, bool extended) {
  std::memcpy(r.site, p.site, sizeof r.site);
  std::memcpy(r.location, p.location, sizeof r.location);
  std::memcpy(r.buddies, p.buddies, sizeof r.buddies);
  std::memcpy(r.otherActivities, p.otherActivities, sizeof r.otherActivities);
  r.weather = p.weather;
  r.airTemperature = p.airTemperature;
  r.suit = p.suit;
  r.tankSize = p.tankSize;
  r.diveTypeFlags = p.diveTypeFlags;
  r.activityFlags = p.activityFlags;
  if (extended) {
    r.weight = p.weight;
    r.visibility = p.visibility;
    r.tankMaterial = p.tankMaterial;
    r.moreActivityFlags = p.moreActivityFlags;
    std::memcpy(r.suitDescription, p.suitDescription, sizeof r.suitDescription);
  }
}

// ---------------------------------------------------------------------------

DiveEditor::DiveEditor(const DiveRecord& r, int index, bool extended, bool freeEditing,
                       bool abbreviations, const ComputerModelTable& models)
    : m_index(index), m_extended(extended), m_free(freeEditing), m_abbrev(abbreviations), m_models(models) {
  std::memcpy(&m_work, &r, sizeof r);
  std::memcpy(&m_reference, &r, sizeof r);
  m_locks = lockState(m_work, m_free);
  show();
}

ComputerTypeView DiveEditor::computerView() const { return computerTypeView(m_work, m_free, m_models); }

void DiveEditor::show() {
  const DiveRecord& r = m_work;
  const std::string keepNumber = m_badNumber;
  EditorFields f;
  f.date = formatDateList(r.date);
  f.time = formatMinutes(r.timeOfDay);
  f.number = format("%d", static_cast<int>(r.diveNumber));
  f.location = storedToUtf8(getText(r.location));
  f.site = storedToUtf8(getText(r.site));
  f.altitudeClass = indexInRange(r.altitudeClass, 4);
  f.interval = formatMinutes(r.surfaceInterval);
  f.weather = indexInRange(r.weather, 6);
  f.airTemperature = formatAirTemperature(r.airTemperature);
  f.suit = indexInRange(r.suit, 6);
  f.tankSize = formatTankSize(r.tankSize);
  f.weight = formatWeight(r.weight);
  f.startPressure = formatPressure(r.startPressure);
  f.suitName = storedToUtf8(getText(r.suitDescription));
  f.tankMaterial = indexInRange(r.tankMaterial, 2);
  f.visibility = formatVisibility(r.visibility);
  f.maxDepth = formatMaxDepth(r);
  f.diveTime = formatMinutes(r.diveTime);
  f.waterTemperature = formatWaterTemperature(r.minWaterTemperature);
  f.consumption = formatPressure(r.airConsumed);
  f.noStopDeco = noStopOrDeco(r);
  f.ascent = ascentKind(r);
  f.water = waterKind(r);
  f.boatShore = boatOrShore(r);
  f.guideCentre = guideOrCentre(r);
  f.nitrox = isNitrox(r);
  f.scr = isScr(r);
  f.activities = static_cast<uint16_t>(r.activityFlags & 0x0FFF);
  f.special = shownSpecialActivities(r);
  f.otherActivity = storedToUtf8(getText(r.otherActivities));
  f.buddies = storedToUtf8(getText(r.buddies));
  f.notes = notesForControl(r);
  const ComputerTypeView v = computerView();
  f.importRow = v.importRow;
  f.airRow = v.airRow;
  f.sac = formatSac(r.sac);
  f.results = warningsText(r);
  if (!keepNumber.empty()) f.number = keepNumber;
  m_shown = std::move(f);
}

Result DiveEditor::readBack(const EditorFields& now) {
  const EditorFields& was = m_shown;
  DiveRecord& r = m_work;
  const bool locked = m_locks.locked;
  if (locked) {
    m_badNumber.clear();
  } else if (now.number != was.number) {
    int n = 0;
    if (parseDiveNumber(now.number, n)) {
      r.diveNumber = static_cast<uint16_t>(n);
      m_badNumber.clear();
    } else {
      m_badNumber = now.number;  // kept in the control until it is mended; OK refuses it
    }
  }
  if (!locked) {
    if (now.date != was.date) r.date = parseDate(now.date);
    if (now.time != was.time) r.timeOfDay = parseMinutes(now.time);
    if (now.altitudeClass != was.altitudeClass) r.altitudeClass = static_cast<uint8_t>(indexInRange(now.altitudeClass, 4));
    if (now.interval != was.interval) r.surfaceInterval = parseMinutes(now.interval);
    if (now.maxDepth != was.maxDepth) r.maxDepth = parseDepth(now.maxDepth);
    if (now.diveTime != was.diveTime) r.diveTime = parseMinutes(now.diveTime);
    if (now.waterTemperature != was.waterTemperature) r.minWaterTemperature = parseTemperature(now.waterTemperature);
  }
  if (now.location != was.location) parseText(r.location, now.location);
  if (now.site != was.site) parseText(r.site, now.site);
  if (now.weather != was.weather) r.weather = static_cast<uint8_t>(indexInRange(now.weather, 6));
  if (now.airTemperature != was.airTemperature) r.airTemperature = parseTemperature(now.airTemperature);
  if (now.suit != was.suit) r.suit = static_cast<uint8_t>(indexInRange(now.suit, 6));
  if (now.tankSize != was.tankSize) r.tankSize = parseTankSize(now.tankSize);
  if (now.weight != was.weight) r.weight = parseWeight(now.weight);
  if (now.startPressure != was.startPressure) r.startPressure = parseStartPressure(now.startPressure);
  if (now.suitName != was.suitName) parseText(r.suitDescription, now.suitName);
  if (now.tankMaterial != was.tankMaterial) r.tankMaterial = static_cast<uint16_t>(indexInRange(now.tankMaterial, 2));
  if (now.visibility != was.visibility) r.visibility = parseVisibility(now.visibility);
  if (m_locks.consumptionEditable && now.consumption != was.consumption)
    r.airConsumed = parseAirConsumed(now.consumption);
  if (now.noStopDeco != was.noStopDeco) setThreeWay(r.diveTypeFlags, kDiveNoStop, now.noStopDeco);
  if (now.ascent != was.ascent) setThreeWay(r.diveTypeFlags, kDiveSingleAscent, now.ascent);
  if (now.water != was.water) setThreeWay(r.diveTypeFlags, kDiveFreshWater, now.water);
  if (now.boatShore != was.boatShore) setThreeWay(r.moreActivityFlags, 8, now.boatShore);
  if (now.guideCentre != was.guideCentre) setThreeWay(r.moreActivityFlags, 10, now.guideCentre);
  if (now.nitrox != was.nitrox) setNitrox(r, now.nitrox);
  if (now.scr != was.scr) setScr(r, now.scr);
  if (now.activities != was.activities)
    r.activityFlags = static_cast<uint16_t>((r.activityFlags & 0xF000u) | (now.activities & 0x0FFFu));
  const bool otherChanged = now.otherActivity != was.otherActivity;
  if (otherChanged) parseText(r.otherActivities, now.otherActivity);
  if (otherChanged || now.special != was.special)
    storeSpecialActivities(r, now.special, m_extended, m_abbrev);
  if (now.buddies != was.buddies) parseText(r.buddies, now.buddies);
  if (now.notes != was.notes) setNotes(r, notesFromControl(now.notes));
  // Computer type: the import list while free editing is off, the air list while it is on.
  const bool import = r.computerType != 0 && m_models.importSource(r.computerType);
  const bool air = r.computerType != 0 && m_models.airModel(r.computerType);
  if (!m_free && import && now.importRow != was.importRow && now.importRow >= 0) {
    const int id = m_models.idByImportIndex(now.importRow);
    if (id > 0) r.computerType = static_cast<uint8_t>(id);
  } else if (m_free && air && now.airRow != was.airRow && now.airRow >= 0) {
    const int id = m_models.idByAirIndex(now.airRow);
    if (id > 0) r.computerType = static_cast<uint8_t>(id);
  }
  show();
  return Result::success();
}

Result DiveEditor::refreshConsumption(const EditorFields& now) {
  Result res = readBack(now);
  if (!res) return res;
  recomputeAirConsumption(m_work);
  show();
  return res;
}

Result DiveEditor::setFreeEditing(const EditorFields& now, bool on) {
  Result res = readBack(now);
  if (!res) return res;
  m_free = on;
  m_locks = lockState(m_work, m_free);
  show();
  return res;
}

Result DiveEditor::setAbbreviations(const EditorFields& now, bool on) {
  Result res = readBack(now);
  if (!res) return res;
  m_abbrev = on;
  show();
  return res;
}

Result DiveEditor::takePrevious(const EditorFields& now, const DiveRecord& previous) {
  if (!canTakePrevious()) return Result::success();
  Result res = readBack(now);
  if (!res) return res;
  takeFromPrevious(m_work, previous, m_extended);
  show();
  return res;
}

void DiveEditor::setWarnings(uint16_t flags) {
  m_work.warningFlags = flags;
  show();
}

Result DiveEditor::finish(const EditorFields& now) {
  Result res = readBack(now);
  if (!res) return res;
  if (!m_badNumber.empty()) return Result::failure(str(63424));
  recomputeAirConsumption(m_work);
  show();
  return res;
}

bool DiveEditor::changed() const { return !sameDive(m_work, m_reference); }

bool sameBytes(const DiveRecord& a, const DiveRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool sameDive(const DiveRecord& a, const DiveRecord& b) {
  DiveRecord x, y;
  std::memcpy(&x, &a, sizeof x);
  std::memcpy(&y, &b, sizeof y);
  recomputeAirConsumption(x);
  recomputeAirConsumption(y);
  return sameBytes(x, y);
}

// ---------------------------------------------------------------------------

DiveRecord newDiveRecord(const DiveDefaults& defaults, int32_t lastNewDate, int32_t today) {
  DiveRecord r;
  initRecord(r);
  if (defaults.use) applyDefaults(r, defaults);
  r.date = lastNewDate >= 0 ? lastNewDate : today;
  return r;
}

int editedDivePosition(const Logbook& lb, int current, const DiveRecord& before, const DiveRecord& edited) {
  if (edited.date == before.date && edited.timeOfDay == before.timeOfDay) return current;
  return lb.positionForEdited(edited, current);
}

Result storeEditedDive(Logbook& lb, int position, const DiveRecord& before, const DiveRecord& edited,
                       bool* stored) {
  if (stored) *stored = false;
  if (position < 1 || position > lb.diveCount()) return Result::failure(str(63425));
  if (!sameDive(before, edited)) {
    const int to = editedDivePosition(lb, position, before, edited);
    if (to != position) {
      lb.move(edited, position, to);
    } else {
      lb.put(position, edited);
      lb.currentPosition = position;
    }
    lb.addTextsToLists(edited);
    if (stored) *stored = true;
  }
  lb.sitesAtLocationList.clear();
  return Result::success();
}

Result storeNewDive(Logbook& lb, const DiveRecord& r) {
  Result res = lb.insert(r);
  if (res) lb.addTextsToLists(r);
  lb.sitesAtLocationList.clear();
  return res;
}

}  // namespace kelp
