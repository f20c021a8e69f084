#include "profile/profile_clip.h"

#include <algorithm>
#include <cstring>

namespace kelp {

void ProfileClip::clear() {
  std::memset(depths, 0, sizeof depths);
  std::memset(flags, 0, sizeof flags);
  count = 0;
  shown = false;
}

void ProfileClip::copyFrom(const DiveRecord& dive, bool withFlags) {
  const int n = dive.sampleCount > 0 ? std::min<int>(dive.sampleCount + 1, kCapacity) : 0;
  std::memset(depths, 0, sizeof depths);
  std::memset(flags, 0, sizeof flags);
  for (int i = 0; i < n; ++i) {
    depths[i] = dive.samples[i].depth;
    flags[i] = withFlags ? dive.samples[i].sampleFlags : 0;
  }
  count = n;
}

void ProfileClip::copyFrom(const double* src, const uint8_t* srcFlags, int n) {
  n = src ? std::clamp(n, 0, kCapacity) : 0;
  std::memset(depths, 0, sizeof depths);
  std::memset(flags, 0, sizeof flags);
  for (int i = 0; i < n; ++i) {
    depths[i] = src[i];
    flags[i] = srcFlags ? srcFlags[i] : 0;
  }
  count = n;
}

ProfileClip& profileClip() {
  static ProfileClip clip;
  return clip;
}

}  // namespace kelp
