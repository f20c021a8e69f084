#include "profile/split_merge.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/strings.h"
#include "core/texts.h"
#include "profile/hand_profile.h"
#include "profile/profile_values.h"

namespace kelp {
namespace {

constexpr int kMinutesPerDay = 24 * 60;
constexpr int kMergeIntervalLimit = 121;  // minutes of surface interval, exclusive
constexpr int kMergeLengthLimit = 1601;   // sum of both profile lengths, exclusive
constexpr int kSplitSurfaceInterval = 5;  // minutes between the two parts of a split
constexpr int16_t kLargestValue = NO_VALUE - 1;

int16_t clampedSum(int a, int b) { return static_cast<int16_t>(std::clamp(a + b, -32768, int{kLargestValue})); }

// Where the second dive's readings start: the first group at or behind the cut whose first
// byte is not zero (the surface readings between the dives are left out); -1 when no whole
// group is left.
int secondStart(const DiveRecord& a, const ProfileLayout& l, int cut, int data) {
  for (int k = cut; k + l.group <= data; k += l.group)
    if (a.rawProfile[l.header + k] != 0) return k;
  return -1;
}

}  // namespace

std::string splitRefusedMessage(int n) { return strf(63429, n); }
std::string splitDoneMessage(int n) { return strf(63430, n); }
std::string mergeRefusedMessage(int a, int b) { return strf(63431, a, b); }
std::string mergeDoneMessage(int a, int b) { return strf(63432, a, b); }
std::string mergeDeleteQuestion(int b) { return strf(62590, b); }

bool canSplitAt(const DiveRecord& a, int m, const ComputerModelTable& models) {
  if (a.profileLength == 0 || m <= 0) return false;
  const int n = std::min<int>(a.sampleCount, kMaxValidSamples);
  if (3 * m > n) return false;
  // The diver must be at the surface at the split minute (within 1.3 m).
  if (std::fabs(static_cast<double>(a.samples[3 * m].depth)) > kSplitSurfaceDepth) return false;
  const ProfileLayout l = profileLayout(a.computerType, models);
  const int data = std::min(l.dataLength(a.profileLength), RAW_PROFILE_SIZE - l.header);
  const int cut = l.group * m;
  if (cut >= data) return false;  // the first dive would be no shorter
  return secondStart(a, l, cut, data) >= 0;
}

int splitPressureUsed(const DiveRecord& a, int sampleIndex, const ComputerModelTable& models) {
  GasRule rule;
  rule.startBar = 200;
  rule.computerLevels = false;
  rule.scrAware = false;
  const auto left = gasLeftBar(a, sampleIndex, rule, models);
  return left ? 200 - static_cast<int>(*left) : 0;
}

bool splitRecords(const DiveRecord& a, int m, const ComputerModelTable& models, DiveRecord& first,
                  DiveRecord& second) {
  if (!canSplitAt(a, m, models)) return false;
  const ProfileLayout l = profileLayout(a.computerType, models);
  const int data = std::min(l.dataLength(a.profileLength), RAW_PROFILE_SIZE - l.header);
  const int cut = l.group * m;
  const int start = secondStart(a, l, cut, data);
  const int copied = data - start;

  // Air: the first part's share from the consumption up to the split, at most all of it.
  int16_t air1 = NO_VALUE, air2 = NO_VALUE;
  if (a.sac != 0 && a.tankSize != NO_VALUE && a.tankSize > 0 && a.airConsumed != NO_VALUE) {
    const int total = std::max<int>(a.airConsumed, 0);
    const int share = std::clamp(splitPressureUsed(a, 3 * m, models) * 100, 0, total);
    air1 = static_cast<int16_t>(share);
    air2 = static_cast<int16_t>(a.airConsumed - share);
  }

  // Maximum depths: samples 0 .. 3m are the first dive's readings, the rest the second's.
  double max1 = 0, max2 = 0;
  const int n = std::min<int>(a.sampleCount, kMaxValidSamples);
  for (int j = 0; j < n; ++j) {
    const double d = std::fabs(static_cast<double>(a.samples[j].depth));
    double& mx = j <= 3 * m ? max1 : max2;
    mx = std::max(mx, d);
  }

  DiveRecord b = a;
  if (a.timeOfDay != NO_VALUE) {
    int t = a.timeOfDay + m + kSplitSurfaceInterval;
    int days = 0;
    while (t >= kMinutesPerDay) {
      t -= kMinutesPerDay;
      ++days;
    }
    b.timeOfDay = static_cast<int16_t>(t);
    if (b.date != -1) b.date += days;
  }
  b.surfaceInterval = kSplitSurfaceInterval;
  b.diveTime = a.diveTime == NO_VALUE ? NO_VALUE : static_cast<int16_t>(std::max(0, a.diveTime - m));
  b.maxDepth = static_cast<int16_t>(max2 * 100);
  b.airConsumed = air2;
  std::memset(b.rawProfile + l.header, 0, static_cast<size_t>(RAW_PROFILE_SIZE - l.header));
  std::memcpy(b.rawProfile + l.header, a.rawProfile + l.header + start, static_cast<size_t>(copied));
  b.profileLength = static_cast<int16_t>(l.lengthFor(copied));
  expandProfile(b, l.gasKind2());

  DiveRecord f = a;
  f.maxDepth = static_cast<int16_t>(max1 * 100);
  f.diveTime = static_cast<int16_t>(m);
  f.airConsumed = air1;
  std::memset(f.rawProfile + l.header + cut, 0, static_cast<size_t>(RAW_PROFILE_SIZE - l.header - cut));
  f.profileLength = static_cast<int16_t>(l.lengthFor(cut));
  expandProfile(f, l.gasKind2());

  first = f;
  second = b;
  return true;
}

Result splitDive(Logbook& lb, int position, int minute, const ComputerModelTable& models) {
  DiveRecord a;
  if (!lb.get(position, a)) return Result::failure(splitRefusedMessage(0));
  if (lb.diveCount() >= MAX_DIVES)
    return Result::failure(strf(63409, MAX_DIVES));
  DiveRecord first, second;
  if (!splitRecords(a, minute, models, first, second))
    return Result::failure(splitRefusedMessage(a.diveNumber));
  lb.put(position, first);
  return lb.insert(second);
}

bool mergeRecords(const DiveRecord& a, const DiveRecord& b, const ComputerModelTable& models,
                  DiveRecord& merged) {
  if (a.profileLength == 0 || b.profileLength == 0) return false;
  if (b.surfaceInterval == NO_VALUE || b.surfaceInterval >= kMergeIntervalLimit) return false;
  if (a.maxDepth == NO_VALUE || b.maxDepth == NO_VALUE || a.diveTime == NO_VALUE || b.diveTime == NO_VALUE)
    return false;
  if (a.profileLength + b.profileLength >= kMergeLengthLimit) return false;
  if (a.computerType != b.computerType) return false;

  const ProfileLayout l = profileLayout(a.computerType, models);
  const int dataA = l.dataLength(a.profileLength);
  const int dataB = l.dataLength(b.profileLength);
  if (dataA < 0 || dataB <= 0) return false;
  // A's readings end on a group boundary; one gap group, then B's readings.
  const int gap = (dataA + l.group - 1) / l.group * l.group;
  const int startB = gap + l.group;
  const int total = startB + dataB;
  if (l.header + total > RAW_PROFILE_SIZE) return false;
  const int length = l.lengthFor(total);
  // Every reading of both dives must find a sample slot.
  if (expandedSampleCount(length, l) > kMaxValidSamples) return false;

  DiveRecord m = a;
  m.maxDepth = std::max(a.maxDepth, b.maxDepth);
  m.diveTime = clampedSum(a.diveTime, b.diveTime);
  m.minWaterTemperature = std::min(a.minWaterTemperature, b.minWaterTemperature);
  if (a.airConsumed != NO_VALUE && b.airConsumed != NO_VALUE)
    m.airConsumed = clampedSum(a.airConsumed, b.airConsumed);
  std::memset(m.rawProfile + l.header + dataA, 0, static_cast<size_t>(RAW_PROFILE_SIZE - l.header - dataA));
  // The gap group's third reading stands at 1.3 m.
  const uint16_t code = handDepthCode(1.3);
  m.rawProfile[l.header + gap + 4] = static_cast<uint8_t>(code >> 2);
  m.rawProfile[l.header + gap + 5] = static_cast<uint8_t>((code & 3) << 6);
  std::memcpy(m.rawProfile + l.header + startB, b.rawProfile + l.header, static_cast<size_t>(dataB));
  m.warningFlags = static_cast<uint16_t>(a.warningFlags | b.warningFlags);
  m.profileLength = static_cast<int16_t>(length);
  expandProfile(m, l.gasKind2());
  merged = m;
  return true;
}

Result checkMerge(const Logbook& lb, int position, const ComputerModelTable& models) {
  DiveRecord a, b, merged;
  const bool haveA = lb.get(position, a);
  const bool haveB = lb.get(position + 1, b);
  if (!haveA || !haveB || !mergeRecords(a, b, models, merged))
    return Result::failure(mergeRefusedMessage(haveA ? a.diveNumber : 0, haveB ? b.diveNumber : 0));
  return Result::success();
}

Result mergeDives(Logbook& lb, int position, const ComputerModelTable& models) {
  DiveRecord a, b, merged;
  const bool haveA = lb.get(position, a);
  const bool haveB = lb.get(position + 1, b);
  if (!haveA || !haveB || !mergeRecords(a, b, models, merged))
    return Result::failure(mergeRefusedMessage(haveA ? a.diveNumber : 0, haveB ? b.diveNumber : 0));
  lb.put(position, merged);
  lb.remove(position + 1);
  lb.currentPosition = position;
  return Result::success();
}

}  // namespace kelp
