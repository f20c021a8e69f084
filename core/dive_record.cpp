#include "core/dive_record.h"

#include <array>
#include <cmath>
#include <cstring>

#include "core/strings.h"
#include "core/texts.h"

namespace kelp {

namespace {

// Single-precision thirds and sixths; the interpolation uses them in double arithmetic.
constexpr double kThird = 0.33333334f;
constexpr double kSixth = 0.16666667f;
constexpr int kMaxValidSamples = MAX_SAMPLES - 1;  // the last slot is the closing surface point

inline int truncToInt(double x) { return static_cast<int>(x); }  // toward zero
inline uint8_t u8(int v) { return static_cast<uint8_t>(v & 0xFF); }

// Compiled-in names of the special activities (bits 0..7 of moreActivityFlags).
// Files written by other versions may hold these instead of the interface texts.
const char* const kSpecialLongInternal[8] = {
    "Arbeits-TG", "Solo-TG", "Druckkammerfahrt", "Seminar-TG",
    "Prüfungs-TG", "Prüfungsabnahme", "Prüfungsbegleitung", "Check-TG"};
const char* const kSpecialShortInternal[8] = {"Arbeit", "Solo",    "Druckk",   "Seminar",
                                              "PrüfTG", "PrüfAbn", "PrüfBegl", "Check"};
// String ids of the interface texts of the same names.
constexpr int kSpecialLongId = 62566;
constexpr int kSpecialShortId = 62578;

void setEmptyNumbers(DiveRecord& r) {
  r.recordTag = RECORD_TAG;
  r.date = -1;
  r.timeOfDay = NO_VALUE;
  r.surfaceInterval = NO_VALUE;
  r.airTemperature = NO_VALUE;
  r.tankSize = NO_VALUE;
  r.maxDepth = NO_VALUE;
  r.diveTime = NO_VALUE;
  r.minWaterTemperature = NO_VALUE;
  r.airConsumed = NO_VALUE;
  r.weight = NO_VALUE;
  r.visibility = NO_VALUE;
  r.startPressure = NO_VALUE;
  r.diveNumber = 0;
  r.tankMaterial = 0;
}

// Step 7 of the expansion: air consumption at the surface from the readings counted.
void applyAirConsumption(DiveRecord& r, int nonZeroReadings) {
  if (r.tankSize == NO_VALUE || r.airConsumed == NO_VALUE) return;
  const double gas = (r.airConsumed * 0.01) * (r.tankSize * 0.01);
  double factor, minutes;
  if (isScr(r)) {
    factor = 1.0;
    minutes = r.diveTime == NO_VALUE ? 0.0 : r.diveTime;
  } else {
    factor = r.profileAvgDepth * 0.1 + 1.0;
    minutes = nonZeroReadings * (1.0 / 3.0) - 0.33;
  }
  const double q = factor == 0 ? 0.0 : gas / factor;
  if (minutes != 0) r.sac = static_cast<float>(q / minutes);
}

// Group byte handling for the third reading of a group; j is that reading's sample index.
void applyGroup(ProfileSample* s, int j, uint8_t x, uint8_t& rememberedA, uint8_t& lastC) {
  const int a = ((x >> 3) & 1) * 6;
  const int b = ((x >> 4) & 7) * 3;
  const int c = (x & 7) * 6;
  s[j].level3 = u8(b);
  s[j].level6 = u8(c);
  if (j == 3) {
    if (b != 0)
      for (int k = 0; k < 3; ++k) s[k].level3 = u8(b);
    if (c != 0)
      for (int k = 0; k < 3; ++k) s[k].level6 = u8(c);
    if (a != 0)
      for (int k = 0; k < 4; ++k) s[k].accumulated = u8(a);
  } else {
    // level3: linear steps from the previous group's value
    const int p = s[j - 3].level3;
    int v1, v2;
    if (p == b) {
      v1 = v2 = b;
    } else if (b == 0) {
      v1 = truncToInt(p - p * kThird);
      v2 = truncToInt(p - 2.0 * (p * kThird));
    } else if (p < b) {
      const double st = (b - p) * kThird;
      v1 = truncToInt(p + st);
      v2 = truncToInt(p + 2.0 * st);
    } else {
      const double st = (p - b) * kThird;
      v1 = truncToInt(p - st);
      v2 = truncToInt(p - 2.0 * st);
    }
    s[j - 2].level3 = u8(v1);
    s[j - 1].level3 = u8(v2);

    // accumulated: grows by a per flagged group, sums in 8 bits
    const int A = s[j - 3].accumulated;
    if (a == 0) {
      if (A != 0) s[j - 2].accumulated = s[j - 1].accumulated = s[j].accumulated = u8(A);
    } else {
      s[j].accumulated = u8(A + a);
      rememberedA = u8(A + a);
      if (A != 0) {
        s[j - 2].accumulated = u8(A + truncToInt(a * kThird));
        s[j - 1].accumulated = u8(A + truncToInt(a * kThird + 2.0));
      } else {
        for (int k = 0; k < 5; ++k) s[j - 5 + k].accumulated = u8(truncToInt(a * kSixth + k));
      }
    }

    // level6
    const int C = s[j - 3].level6;
    if (c != 0) {
      if (C == 0) {
        const double rr = c * kSixth;
        for (int k = 0; k < 5; ++k) s[j - 5 + k].level6 = u8(truncToInt((k + 1) * rr));
      } else if (C == c) {
        s[j - 2].level6 = s[j - 1].level6 = u8(c);
      } else {
        const double st = (c - C) * kThird;
        s[j - 2].level6 = u8(C + truncToInt(st));
        s[j - 1].level6 = u8(C + truncToInt(2.0 * st));
      }
    }
  }
  if (c != 0) lastC = u8(c);
}

}  // namespace

void initRecord(DiveRecord& r) {
  std::memset(&r, 0, sizeof r);
  setEmptyNumbers(r);
}

void initZeroedRecord(DiveRecord& r) { setEmptyNumbers(r); }

DiveRecord makeRecord() {
  DiveRecord r;
  initRecord(r);
  return r;
}

void clearExtendedBlock(DiveRecord& r) {
  std::memset(r.notesMore, 0, sizeof r.notesMore);
  r.weight = NO_VALUE;
  r.visibility = NO_VALUE;
  r.avgDepthCm = 0;
  r.tankMaterial = 0;
  r.moreActivityFlags = 0;
  r.startPressure = NO_VALUE;
  std::memset(r.suitDescription, 0, sizeof r.suitDescription);
}

void applyDefaults(DiveRecord& r, const DiveDefaults& d) {
  if (d.tankMaterial != 0) r.tankMaterial = static_cast<uint16_t>(d.tankMaterial);
  if (d.weight != 0) r.weight = static_cast<int16_t>(d.weight);
  if (d.tankSize != 0) r.tankSize = static_cast<int16_t>(d.tankSize);
  if (d.altitudeClass != 0 && r.altitudeClass == 0)
    r.altitudeClass = static_cast<uint8_t>(d.altitudeClass);
  if (d.suit != 0) r.suit = static_cast<uint8_t>(d.suit);
  if (!d.suitDescription.empty()) setText(r.suitDescription, d.suitDescription.substr(0, 25));
  r.diveTypeFlags |= static_cast<uint16_t>(d.diveType & 0xFC);  // bits 2..7
}

void expandProfile(DiveRecord& r, bool gasKind2) {
  std::memset(r.samples, 0, sizeof r.samples);
  r.sampleCount = 0;
  r.profileMaxDepth = 0;
  r.profileAvgDepth = 0;
  if (r.profileLength == 0) return;

  const uint8_t* raw = r.rawProfile;
  // Bytes behind the raw field read as zero.
  auto at = [raw](int p) -> int { return (p >= 0 && p < RAW_PROFILE_SIZE) ? raw[p] : 0; };

  ProfileSample* s = r.samples;
  s[0].depth = -1.3f;
  int count = 1;
  double maxDepth = 0, sum = 0;
  int nonZero = 0, groupPos = 0;
  uint8_t rememberedA = 0, lastC = 0;
  int p = gasKind2 ? 6 : 5;
  const int groupBytes = gasKind2 ? 2 : 1;
  const int limit = r.profileLength - 15;

  for (;;) {
    const int lo = at(p + 1);
    const double d = (at(p) * 4 + (lo >> 6)) * 0.15625;
    const int j = count;
    s[j].depth = static_cast<float>(-d);
    s[j].sampleFlags = static_cast<uint8_t>(lo & 0x3F);
    ++count;
    if (d != 0) ++nonZero;
    if (d > maxDepth) maxDepth = d;
    sum += d;
    p += 2;
    if (groupPos == 2) {
      applyGroup(s, j, static_cast<uint8_t>(at(p)), rememberedA, lastC);
      p += groupBytes;
    }
    groupPos = (groupPos + 1) % 3;
    if (count >= kMaxValidSamples || p > limit) break;
  }

  for (int k = count - 3; k <= count; ++k) {
    if (k < 0) continue;
    s[k].accumulated = rememberedA;
    s[k].level6 = lastC;
  }
  r.sampleCount = static_cast<int16_t>(count);
  r.profileMaxDepth = static_cast<float>(maxDepth);
  r.profileAvgDepth = static_cast<float>((sum + 1.3) / (count + 1));
  applyAirConsumption(r, nonZero);
}

void recomputeAirConsumption(DiveRecord& r) {
  r.sac = 0;
  if (r.sampleCount <= 0) return;
  const int n = r.sampleCount < MAX_SAMPLES ? r.sampleCount : MAX_SAMPLES;
  int nonZero = 0;
  for (int i = 1; i < n; ++i)
    if (r.samples[i].depth != 0) ++nonZero;
  applyAirConsumption(r, nonZero);
}

int getThreeWay(uint16_t flags, int lowerBit) {
  if (flags & (1u << lowerBit)) return 0;
  if (flags & (1u << (lowerBit + 1))) return 1;
  return 2;
}

void setThreeWay(uint16_t& flags, int lowerBit, int value) {
  flags = static_cast<uint16_t>(flags & ~(3u << lowerBit));
  if (value == 0) flags = static_cast<uint16_t>(flags | (1u << lowerBit));
  else if (value == 1) flags = static_cast<uint16_t>(flags | (1u << (lowerBit + 1)));
}

bool isNitrox(const DiveRecord& r) { return r.diveTypeFlags & (1u << kDiveNitrox); }
void setNitrox(DiveRecord& r, bool on) {
  if (on) r.diveTypeFlags = static_cast<uint16_t>(r.diveTypeFlags | (1u << kDiveNitrox));
  else r.diveTypeFlags = static_cast<uint16_t>(r.diveTypeFlags & ~(1u << kDiveNitrox));
}
bool isScr(const DiveRecord& r) { return r.diveTypeFlags & (1u << kDiveScr); }
void setScr(DiveRecord& r, bool on) {
  if (on) r.diveTypeFlags = static_cast<uint16_t>(r.diveTypeFlags | (1u << kDiveScr));
  else r.diveTypeFlags = static_cast<uint16_t>(r.diveTypeFlags & ~(1u << kDiveScr));
}

std::string getNotes(const DiveRecord& r) { return getText(r.notes) + getText(r.notesMore); }

void setNotes(DiveRecord& r, const std::string& stored) {
  if (stored.size() < 256) {
    setText(r.notes, stored);
    setText(r.notesMore, std::string());
  } else {
    setText(r.notes, stored.substr(0, 255));
    setText(r.notesMore, stored.substr(255, 255));
  }
}

// Stored forms of the special activity names: German long, German short, interface
// long, interface short for each of the eight activities. The interface texts are
// taken from the Italian string table directly, so the result depends neither on which
// texts are switched on nor on the language.
static const std::array<std::string, 32>& specialNamesStored() {
  static const std::array<std::string, 32> names = [] {
    std::array<std::string, 32> n;
    for (int i = 0; i < 8; ++i) {
      n[static_cast<size_t>(i * 4 + 0)] = utf8ToStored(kSpecialLongInternal[i]);
      n[static_cast<size_t>(i * 4 + 1)] = utf8ToStored(kSpecialShortInternal[i]);
      n[static_cast<size_t>(i * 4 + 2)] = utf8ToStored(str(Language::Italian, kSpecialLongId + i));
      n[static_cast<size_t>(i * 4 + 3)] = utf8ToStored(str(Language::Italian, kSpecialShortId + i));
    }
    return n;
  }();
  return names;
}

bool isSpecialActivityName(const std::string& stored, int i) {
  if (i < 0 || i > 7 || stored.empty()) return false;
  const auto& names = specialNamesStored();
  for (int k = 0; k < 4; ++k) {
    const std::string& n = names[static_cast<size_t>(i * 4 + k)];
    if (!n.empty() && stored == n) return true;
  }
  return false;
}

bool containsSpecialActivityName(const std::string& stored, int i) {
  if (i < 0 || i > 7 || stored.empty()) return false;
  const auto& names = specialNamesStored();
  for (int k = 0; k < 4; ++k) {
    const std::string& n = names[static_cast<size_t>(i * 4 + k)];
    if (!n.empty() && stored.find(n) != std::string::npos) return true;
  }
  return false;
}

bool isSpecialActivityName(const std::string& stored) {
  for (int i = 0; i < 8; ++i)
    if (isSpecialActivityName(stored, i)) return true;
  return false;
}

uint16_t specialActivitiesFromText(const DiveRecord& r) {
  const std::string text = getText(r.otherActivities);
  uint16_t bits = 0;
  if (!text.empty())
    for (int i = 0; i < 8; ++i)
      if (isSpecialActivityName(text, i)) bits = static_cast<uint16_t>(bits | (1u << i));
  return static_cast<uint16_t>(bits | (r.moreActivityFlags & 0x0FFF));
}

int shownMaxDepth(const DiveRecord& r) {
  if (r.maxDepth >= 0) return r.maxDepth;
  if (r.profileMaxDepth > 0) return truncToInt(static_cast<double>(r.profileMaxDepth) * 100.0);
  return r.maxDepth;
}

float shownAvgDepth(const DiveRecord& r) {
  if (r.avgDepth > 0) return r.avgDepth;
  if (r.profileAvgDepth > 0) return r.profileAvgDepth;
  return 0;
}

int16_t avgDepthToCm(float avgDepth) {
  if (!(avgDepth > 0)) return 0;
  const double cm = static_cast<double>(avgDepth) * 100.0;
  if (cm >= 32767.0) return 32767;
  // A depth that came from whole centimetres goes back to the same centimetres;
  // anything else is truncated.
  const double nearest = std::nearbyint(cm);
  if (static_cast<float>(nearest * 0.01) == avgDepth) return static_cast<int16_t>(nearest);
  return static_cast<int16_t>(truncToInt(cm));
}

void setText(char* field, size_t fieldSize, const std::string& text) {
  if (fieldSize == 0) return;
  size_t n = 0;
  while (n < text.size() && n + 1 < fieldSize && text[n] != '\0') ++n;
  std::memcpy(field, text.data(), n);
  std::memset(field + n, 0, fieldSize - n);
}

}  // namespace kelp
