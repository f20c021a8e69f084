#include <algorithm>
#include <cmath>

#include "transfer/imports.h"

namespace kelp {

void buildImportedProfile(DiveRecord& r, const std::vector<int>& valuesDm, int minutes) {
  // Samples: the start point at -1.3 m, then one value each 20 seconds; the last
  // value (the closing 0) stands in the closing surface slot.
  const int count = std::clamp(static_cast<int>(valuesDm.size()), 1, MAX_SAMPLES - 1);
  std::fill(std::begin(r.samples), std::end(r.samples), ProfileSample{});
  r.sampleCount = static_cast<int16_t>(count);
  r.samples[0].depth = -1.3f;
  r.samples[0].level3 = 3;
  double sum = 0;
  for (int k = 1; k <= count && k <= static_cast<int>(valuesDm.size()); ++k) {
    const float depth = static_cast<float>(valuesDm[k - 1] * 0.1);
    r.samples[k].depth = depth == 0 ? 0.0f : -depth;
    r.samples[k].level3 = 6;
    sum += depth;
  }
  r.profileAvgDepth = static_cast<float>(sum / count);
  if (r.maxDepth != NO_VALUE && r.maxDepth >= 0) {
    r.profileMaxDepth = static_cast<float>(r.maxDepth * 0.01);
  } else {
    float deepest = 0;
    for (int k = 1; k <= count; ++k) deepest = std::max(deepest, -r.samples[k].depth);
    r.profileMaxDepth = deepest;
  }

  // The raw profile in the computers' encoding, so that the profile is kept with the dive.
  std::fill(std::begin(r.rawProfile), std::end(r.rawProfile), uint8_t{0});
  const uint8_t head[5] = {0x00, 0x00, 0x00, 0x40, 0x90};
  std::copy(head, head + 5, r.rawProfile);
  r.profileHeaderByte = 0;
  for (int i = 0; i < 8; ++i) r.profileHeader[i] = static_cast<uint16_t>(2926 + i);
  if (r.altitudeClass == 0) r.altitudeClass = 1;
  minutes = std::max(minutes, 0);
  const int fitting = (RAW_PROFILE_SIZE - 5) / 7;
  const int groups = std::min(minutes + 1, fitting);
  auto reading = [&](int sample, uint8_t* out) {
    const double d = sample <= count ? -static_cast<double>(r.samples[sample].depth) : 0.0;
    const int v = std::clamp(static_cast<int>(std::trunc(d * 6.4)), 0, 1023);
    out[0] = static_cast<uint8_t>(v >> 2);
    out[1] = static_cast<uint8_t>(((v & 3) << 6) | 0x20);
  };
  for (int g = 0; g < groups; ++g) {
    uint8_t* p = r.rawProfile + 5 + 7 * g;
    reading(3 * g + 1, p);
    reading(3 * g + 2, p + 2);
    reading(3 * g + 3, p + 4);
    p[6] = 0x20;
  }
  // The length counts the five leading bytes too, as in a downloaded profile:
  // the logbook file keeps length - 17 raw bytes, and without them the last
  // readings of the dive would be lost when the dive is saved. The last group
  // (the closing surface readings) stays outside, as the expansion reads zeros there.
  r.profileLength = static_cast<int16_t>(std::min(minutes, groups - 1) * 7 + 5 + 17);
}

}  // namespace kelp
