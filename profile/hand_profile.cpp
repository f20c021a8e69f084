#include "profile/hand_profile.h"

#include <algorithm>
#include <cstring>

#include "core/texts.h"
#include "core/strings.h"

namespace kelp {
namespace {

constexpr double kDraftStart = 1.3;  // metres
constexpr double kDraftStep = 3.33;  // metres per sample, down and up
constexpr uint16_t kMarkerBase = 2927;
constexpr uint8_t kHeaderBytes[6] = {0x00, 0x00, 0x00, 0x40, 0x90, 0x00};
constexpr uint8_t kReadingMark = 0x20;  // bit 5 in every reading and group byte

// Readings behind the header of a hand-made profile of T minutes: one group per minute
// and one more, and the first reading of the group after that.
int handMadeData(const ProfileLayout& l, int minutes) { return l.group * (minutes + 1) + 2; }

bool handMadeFits(const ProfileLayout& l, int minutes) {
  if (3 * (minutes + 1) > kMaxValidSamples) return false;
  const int data = handMadeData(l, minutes);
  if (l.header + data > RAW_PROFILE_SIZE) return false;
  return expandedSampleCount(l.lengthFor(data), l) <= kMaxValidSamples;
}

double shownDepthMetres(const DiveRecord& r) {
  const int cm = shownMaxDepth(r);
  return (cm != NO_VALUE && cm > 0) ? cm / 100.0 : 0.0;
}

}  // namespace

int maxHandMadeMinutes(const ProfileLayout& layout) {
  int t = 0;
  while (handMadeFits(layout, t + 1)) ++t;
  return t;
}

bool canCreateProfile(const DiveRecord& r, const ComputerModelTable& models) {
  if (!(shownDepthMetres(r) > 0)) return false;
  if (r.diveTime == NO_VALUE || r.diveTime <= 0) return false;
  if (r.diveTime > maxHandMadeMinutes(profileLayout(r.computerType, models))) return false;
  return r.profileLength == 0 || isHandMadeProfile(r);
}

std::string createProfileRefusedMessage(int diveNumber) {
  return strf(63427, diveNumber);
}

uint16_t handDepthCode(double metres) {
  if (!(metres > 0)) return 0;
  const double v = metres * 6.4;
  if (v >= 1023.0) return 1023;
  return static_cast<uint16_t>(v);  // truncated toward zero
}

std::vector<float> draftDepths(double maxDepth, int diveTime) {
  if (diveTime < 0) return {};
  const int n = std::min((diveTime + 1) * 3, kMaxValidSamples);
  const double bottom = std::clamp(maxDepth, 0.0, kMaxReadingDepth);
  std::vector<float> d(static_cast<size_t>(n), 0.0f);
  enum class Phase { Descent, Bottom, Ascent } phase = Phase::Descent;
  double depth = kDraftStart;
  int ascentStart = n - 1;  // moves one sample earlier with every descent step
  d[0] = static_cast<float>(depth);
  for (int i = 1; i < n; ++i) {
    if (phase != Phase::Ascent && i >= ascentStart) phase = Phase::Ascent;
    if (phase == Phase::Descent) {
      depth += kDraftStep;
      --ascentStart;
      if (depth >= bottom) {
        depth = bottom;
        phase = Phase::Bottom;
      }
    } else if (phase == Phase::Ascent) {
      depth -= kDraftStep;
      if (depth <= 0) break;  // at the surface: this and every later depth stay 0
    }
    d[static_cast<size_t>(i)] = static_cast<float>(depth);
  }
  return d;
}

void openHandMade(DiveRecord& w) {
  if (w.profileLength != 0) return;  // a drawn profile keeps its samples
  const double depth = std::min(shownDepthMetres(w), kMaxReadingDepth);
  const std::vector<float> draft = draftDepths(depth, w.diveTime);
  std::memset(w.samples, 0, sizeof w.samples);
  w.samples[0].depth = -1.3f;
  w.samples[0].level3 = 3;
  for (int i = 1; i <= kMaxValidSamples; ++i) {
    const size_t k = static_cast<size_t>(i);
    w.samples[i].depth = k < draft.size() ? -draft[k] : 0.0f;
    w.samples[i].level3 = 6;
  }
  w.sampleCount = static_cast<int16_t>(draft.size());
  w.profileMaxDepth = static_cast<float>(depth);
  recomputeProfileAverage(w);
  w.avgDepth = 0;
}

double drawingDepthCap(const DiveRecord& w) {
  const double d = shownDepthMetres(w);
  return d > 0 ? std::min(d, kMaxReadingDepth) : kMaxReadingDepth;
}

double drawnDepth(const DiveRecord& w, double yOffset, int rectHeight, double yMax,
                  bool metricUnits) {
  if (!(yMax > 0) || rectHeight < 0) return 0;
  double v = yOffset / ((rectHeight + 1) / yMax);
  if (!(v > 0)) return 0;
  const double cap = drawingDepthCap(w);
  if (metricUnits) return std::min(v, cap);
  v = std::min(v, metresToFeet(cap));
  return std::min(feetToMetres(v), cap);
}

int drawableLast(const DiveRecord& w) {
  if (w.diveTime == NO_VALUE || w.diveTime < 0 || w.sampleCount <= 0) return 0;
  const int kept = std::min(3 * (w.diveTime + 1), kMaxValidSamples);
  return std::max(0, std::min<int>(w.sampleCount, kept) - 1);
}

void setDrawnDepth(DiveRecord& w, int index, double metres) {
  if (index < 1 || index > drawableLast(w)) return;
  const double d = std::clamp(metres, 0.0, drawingDepthCap(w));
  w.samples[index].depth = static_cast<float>(-d);
  recomputeProfileAverage(w);
  w.avgDepth = 0;
}

void recomputeProfileAverage(DiveRecord& w) {
  const int n = std::clamp<int>(w.sampleCount, 0, kMaxValidSamples);
  if (n == 0) {
    w.profileAvgDepth = 0;
    return;
  }
  double sum = 0;
  for (int i = 0; i < n; ++i) sum += -static_cast<double>(w.samples[i].depth);
  w.profileAvgDepth = static_cast<float>(sum / (n + 1));
}

void writeHandMadeProfile(DiveRecord& w, const ComputerModelTable& models) {
  const ProfileLayout l = profileLayout(w.computerType, models);
  const int minutes = std::clamp<int>(w.diveTime == NO_VALUE ? 0 : w.diveTime, 0, maxHandMadeMinutes(l));
  // Reading k is sample k + 1: sample 0 is the start point the expansion puts back.
  float draft[kMaxValidSamples];
  for (int k = 0; k < kMaxValidSamples; ++k) draft[k] = -w.samples[k + 1].depth;

  w.profileHeaderByte = 0;
  for (int i = 0; i < 8; ++i) w.profileHeader[i] = static_cast<uint16_t>(kMarkerBase + i);
  if (w.altitudeClass == 0) w.altitudeClass = 1;
  const int data = handMadeData(l, minutes);
  const int rawEnd = l.header + data;
  // Nothing behind the stated end: the record holds what its file keeps.
  std::memset(w.rawProfile, 0, sizeof w.rawProfile);
  std::memcpy(w.rawProfile, kHeaderBytes, static_cast<size_t>(l.header));
  auto put = [&](int pos, uint8_t v) {
    if (pos < rawEnd) w.rawProfile[pos] = v;
  };
  for (int j = 0; j <= minutes + 2; ++j) {
    const int base = l.header + l.group * j;
    for (int k = 0; k < 3; ++k) {
      const int idx = 3 * j + k;
      const uint16_t v = idx < kMaxValidSamples ? handDepthCode(draft[idx]) : 0;
      put(base + 2 * k, static_cast<uint8_t>(v >> 2));
      put(base + 2 * k + 1, static_cast<uint8_t>(((v & 3) << 6) | kReadingMark));
    }
    put(base + 6, kReadingMark);
  }
  w.profileLength = static_cast<int16_t>(l.lengthFor(data));
  expandProfile(w, l.gasKind2());
}

void removeProfile(DiveRecord& w) {
  w.profileLength = 0;
  w.sampleCount = 0;
  std::memset(w.samples, 0, sizeof w.samples);
  std::memset(w.rawProfile, 0, sizeof w.rawProfile);
  w.profileMaxDepth = 0;
  w.profileAvgDepth = 0;
}

namespace {
Result checkDive(const Logbook& lb, int position, const ComputerModelTable& models, DiveRecord& stored) {
  if (!lb.get(position, stored))
    return Result::failure(strf(63428, position));
  if (!canCreateProfile(stored, models))
    return Result::failure(createProfileRefusedMessage(stored.diveNumber));
  return Result::success();
}
}  // namespace

Result saveHandMadeProfile(Logbook& lb, int position, DiveRecord working,
                           const ComputerModelTable& models) {
  DiveRecord stored;
  if (Result r = checkDive(lb, position, models, stored); !r) return r;
  writeHandMadeProfile(working, models);
  lb.put(position, working);
  return Result::success();
}

Result removeHandMadeProfile(Logbook& lb, int position, const ComputerModelTable& models) {
  DiveRecord stored;
  if (Result r = checkDive(lb, position, models, stored); !r) return r;
  removeProfile(stored);
  lb.put(position, stored);
  return Result::success();
}

Result draftProfile(Logbook& lb, int position, const ComputerModelTable& models) {
  DiveRecord stored;
  if (Result r = checkDive(lb, position, models, stored); !r) return r;
  openHandMade(stored);
  return saveHandMadeProfile(lb, position, stored, models);
}

}  // namespace kelp
