#include "profile/fill_dives.h"
#include "core/strings.h"

#include <cstring>

namespace kelp {

namespace {

// Sets a three-way pair from the template when the template chooses a side.
void applyPair(uint16_t& flags, uint16_t templateFlags, int lowerBit) {
  const int side = getThreeWay(templateFlags, lowerBit);
  if (side != 2) setThreeWay(flags, lowerBit, side);
}

constexpr uint16_t pairMask(int lowerBit) { return static_cast<uint16_t>(3u << lowerBit); }

}  // namespace

FillTemplate& fillTemplate() {
  static FillTemplate t;
  return t;
}

void prepareFillTemplate(FillTemplate& t, bool extended) {
  static bool first = true;
  if (first) {
    t = FillTemplate{};
    first = false;
  }
  if (!extended) {
    t.moreActivityFlags = 0;
    t.tankMaterial = 0;
    t.suitName.clear();
    t.weight = NO_VALUE;
  }
}

void applyFillTemplate(DiveRecord& r, const FillTemplate& t) {
  if (!t.location.empty()) setText(r.location, t.location.substr(0, kFillTextLimit));
  if (!t.site.empty()) setText(r.site, t.site.substr(0, kFillTextLimit));
  if (t.weather != 0) r.weather = t.weather;
  if (t.airTemperature != NO_VALUE) r.airTemperature = t.airTemperature;
  if (t.suit != 0) r.suit = t.suit;
  if (t.tankSize != NO_VALUE) r.tankSize = t.tankSize;
  if (t.weight != NO_VALUE) r.weight = t.weight;
  if (t.tankMaterial != 0) r.tankMaterial = t.tankMaterial;
  if (!t.suitName.empty()) setText(r.suitDescription, t.suitName.substr(0, kFillSuitNameLimit));
  if (!t.buddies.empty()) setText(r.buddies, t.buddies);

  // Dive type: the pairs no-stop/deco, single/multiple ascent, fresh/sea water take the
  // chosen side; Nitrox and SCR are added.
  for (int lower : {kDiveNoStop, kDiveSingleAscent, kDiveFreshWater}) applyPair(r.diveTypeFlags, t.diveTypeFlags, lower);
  const uint16_t typePairs = pairMask(kDiveNoStop) | pairMask(kDiveSingleAscent) | pairMask(kDiveFreshWater);
  r.diveTypeFlags = static_cast<uint16_t>(r.diveTypeFlags | (t.diveTypeFlags & 0x03FFu & ~typePairs));
  r.activityFlags = static_cast<uint16_t>(r.activityFlags | t.activityFlags);
  // Second activity bits: boat/shore and guide/centre take the chosen side; the rest is added.
  applyPair(r.moreActivityFlags, t.moreActivityFlags, 8);
  applyPair(r.moreActivityFlags, t.moreActivityFlags, 10);
  const uint16_t morePairs = pairMask(8) | pairMask(10);
  r.moreActivityFlags = static_cast<uint16_t>(r.moreActivityFlags | (t.moreActivityFlags & ~morePairs));
}

Result fillDives(Logbook& lb, const FillTemplate& t, int* inRange, int* changed) {
  if (inRange) *inRange = 0;
  if (changed) *changed = 0;
  if (t.first == 0 || t.last == 0) return Result::failure(str(63426));
  int range = 0;
  const int stored = lb.modifyEach([&](int pos, DiveRecord& r) {
    const DiveRecord& d = lb.dives()[static_cast<size_t>(pos - 1)];
    if (d.diveNumber < t.first || d.diveNumber > t.last) return false;
    ++range;
    applyFillTemplate(r, t);
    return std::memcmp(&r, &d, sizeof r) != 0;  // only dives whose bytes changed are stored
  });
  if (inRange) *inRange = range;
  if (changed) *changed = stored;
  lb.changes.raise();
  return Result::success();
}

}  // namespace kelp
