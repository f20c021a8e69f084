#pragma once
// One dive of the logbook: a fixed-layout, pointer-free value type.
// Copies are plain byte copies; every numeric field that may be empty holds
// NO_VALUE. All values are metric (hundredths of cm, kg, degrees C, bar, l).

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

namespace kelp {

inline constexpr int16_t NO_VALUE = 32767;
inline constexpr uint16_t RECORD_TAG = 160;
inline constexpr int MAX_SAMPLES = 636;        // sample slots (635 valid + closing surface point)
inline constexpr int RAW_PROFILE_SIZE = 1600;  // raw profile bytes

// One point of the expanded profile, 20 seconds apart.
struct ProfileSample {
  float depth;          // metres, negative below the surface
  uint8_t sampleFlags;  // six low bits sent with each reading
  uint8_t accumulated;  // grows by 6 per flagged group, 8-bit wrap
  uint8_t level3;       // group value in steps of 3
  uint8_t level6;       // group value in steps of 6
};
static_assert(sizeof(ProfileSample) == 8);

// diveTypeFlags bits
enum DiveTypeBit : int {
  kDiveNoStop = 2, kDiveDeco = 3, kDiveSingleAscent = 4, kDiveMultiAscent = 5,
  kDiveFreshWater = 6, kDiveSeaWater = 7, kDiveNitrox = 8, kDiveScr = 9
};
// warningFlags bits
enum WarningBit : int { kWarnAscent = 0, kWarnDeco = 3, kWarnWorkload = 4, kWarnSos = 5 };

struct DiveRecord {
  // --- stored in the .log file (fields 1..31) ---
  uint16_t recordTag;
  int32_t date;        // day number since 1 Jan 1600, -1 = none
  int16_t timeOfDay;   // minutes after midnight
  char location[61];
  char site[61];
  uint8_t altitudeClass;
  int16_t surfaceInterval;
  uint8_t weather;
  int16_t airTemperature;
  uint8_t suit;
  int16_t tankSize;
  int16_t maxDepth;    // cm; negative = take it from the profile
  int16_t diveTime;
  int16_t minWaterTemperature;
  int16_t airConsumed;
  uint16_t diveTypeFlags;
  uint16_t activityFlags;
  char otherActivities[41];
  char buddies[81];
  char notes[256];
  uint16_t warningFlags;
  uint16_t diveNumber;
  uint32_t computerDiveId;
  uint8_t computerType;
  uint8_t computerFlags;
  uint8_t computerData[6];
  int16_t profileLength;
  uint8_t profileHeaderByte;
  uint16_t profileHeader[8];
  uint8_t rawProfile[RAW_PROFILE_SIZE];
  uint16_t gasSetting;
  // --- derived, rebuilt from rawProfile ---
  ProfileSample samples[MAX_SAMPLES];
  int16_t sampleCount;
  float profileMaxDepth;
  float profileAvgDepth;
  float avgDepth;      // as entered, metres (kept in .add as avgDepthCm)
  float sac;           // l/min at the surface
  // --- extended block: 550 consecutive bytes kept in the .add file ---
  char notesMore[256];
  int16_t weight;
  int16_t visibility;
  int16_t avgDepthCm;
  uint16_t tankMaterial;
  uint16_t moreActivityFlags;
  int16_t startPressure;
  char suitDescription[282];
};
static_assert(std::is_trivially_copyable_v<DiveRecord>);
static_assert(offsetof(DiveRecord, suitDescription) + 282 - offsetof(DiveRecord, notesMore) == 550,
              "the extended block must be 550 consecutive bytes");

inline constexpr size_t EXTENDED_BLOCK_SIZE = 550;

// Settings values that "apply default values" needs.
struct DiveDefaults {
  bool use = false;
  int altitudeClass = 0;
  int suit = 0;
  std::string suitDescription;  // stored character form
  int tankSize = 0;             // 1/100 l
  int tankMaterial = 0;
  int weight = 0;               // 1/100 kg
  int diveType = 0;             // bits 2..7
};

// Clear a record: zero bytes, tag 160, no date, every numeric field NO_VALUE.
void initRecord(DiveRecord& r);
// Same as initRecord for a record whose bytes are already all zero.
void initZeroedRecord(DiveRecord& r);
DiveRecord makeRecord();
// The extended block as it is before the .add file is read: zero, weight,
// visibility and startPressure NO_VALUE.
void clearExtendedBlock(DiveRecord& r);
// Applies the defaults (only call when they are switched on).
void applyDefaults(DiveRecord& r, const DiveDefaults& d);
// Rebuilds samples, sampleCount, profileMaxDepth, profileAvgDepth and sac from rawProfile.
// At most 635 samples are filled; bytes behind the raw field read as zero.
// A record without a profile (profileLength 0) gets empty derived fields; sac stays.
void expandProfile(DiveRecord& r, bool gasKind2);
// Recomputes sac from the existing samples.
void recomputeAirConsumption(DiveRecord& r);

// Three-way pairs: 0 lower bit, 1 upper bit, 2 neither.
int getThreeWay(uint16_t flags, int lowerBit);
void setThreeWay(uint16_t& flags, int lowerBit, int value);
inline int noStopOrDeco(const DiveRecord& r) { return getThreeWay(r.diveTypeFlags, kDiveNoStop); }
inline int ascentKind(const DiveRecord& r) { return getThreeWay(r.diveTypeFlags, kDiveSingleAscent); }
inline int waterKind(const DiveRecord& r) { return getThreeWay(r.diveTypeFlags, kDiveFreshWater); }
inline int boatOrShore(const DiveRecord& r) { return getThreeWay(r.moreActivityFlags, 8); }
inline int guideOrCentre(const DiveRecord& r) { return getThreeWay(r.moreActivityFlags, 10); }
bool isNitrox(const DiveRecord& r);
void setNitrox(DiveRecord& r, bool on);
bool isScr(const DiveRecord& r);
void setScr(DiveRecord& r, bool on);

// Notes as one text (stored character form): notes + notesMore.
std::string getNotes(const DiveRecord& r);
void setNotes(DiveRecord& r, const std::string& stored);

// Special activities (bits 0..7 of moreActivityFlags) derived from the otherActivities word.
uint16_t specialActivitiesFromText(const DiveRecord& r);
// Whether a stored-form text is the long or short name (German internal or interface
// text) of special activity i (0..7), or of any of them.
bool isSpecialActivityName(const std::string& stored, int i);
bool isSpecialActivityName(const std::string& stored);
// Whether a stored-form text contains the long or short name of special activity i.
bool containsSpecialActivityName(const std::string& stored, int i);

// Maximum depth as shown and used by statistics, centimetres (NO_VALUE or negative = empty).
int shownMaxDepth(const DiveRecord& r);
// Average depth as shown, metres; 0 or below = empty.
float shownAvgDepth(const DiveRecord& r);
// avgDepth as whole centimetres for the .add file: truncated, 0 when none; a value that
// was read as whole centimetres gives the same centimetres back.
int16_t avgDepthToCm(float avgDepth);

// Copies a C string into a fixed field, cut to the field (always NUL-terminated).
void setText(char* field, size_t fieldSize, const std::string& text);
template <size_t N> void setText(char (&field)[N], const std::string& text) { setText(field, N, text); }
template <size_t N> std::string getText(const char (&field)[N]) {
  size_t n = 0;
  while (n < N && field[n]) ++n;
  return std::string(field, n);
}

// A profile is hand-made when each header word is 0 or 2927 + its index.
bool isHandMadeProfile(const DiveRecord& r);
enum class ProfileKind { None = 0, Computer = 1, HandMade = 2 };
ProfileKind profileKind(const DiveRecord& r);

}  // namespace kelp
