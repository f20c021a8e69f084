#pragma once
// The clip buffer: one copied profile that lives for the whole run, so that a
// profile copied from one dive (or a planned profile of the dive calculator)
// can be laid over another dive's profile.
//
// Use:
//   kelp::profileClip().copyFrom(dive);            // "Copia": the dive's samples
//   kelp::profileClip().copyFrom(depths, flags, n); // any other source (planned profiles)
//   kelp::profileClip().shown = true;              // "Incolla": overlay it
//   kelp::profileClip().shown = false;             // "Taglia": hide it again
// and draw it with CProfilePlot::drawClipCurve(p, colour, warn, width,
//   clip.depths, clip.flags, clip.count).
#include <cstdint>

#include "core/dive_record.h"

namespace kelp {

struct ProfileClip {
  static constexpr int kCapacity = MAX_SAMPLES;  // 636 points

  double depths[kCapacity] = {};  // metres, negative below the surface
  uint8_t flags[kCapacity] = {};  // sample flag bytes (warning bits 1..4, deco bit 0)
  int count = 0;                  // points held, 0 = empty
  bool shown = false;             // overlaid over the current profile

  bool empty() const { return count == 0; }
  // Empties the buffer and hides it.
  void clear();
  // The dive's samples and the closing surface point (sampleCount + 1 points, at most
  // 636). With withFlags false the flag bytes are zero (the drawn profiles keep none).
  // A dive without samples empties the buffer.
  void copyFrom(const DiveRecord& dive, bool withFlags = true);
  // Up to 636 points from plain arrays; flags may be null (all zero). Points beyond the
  // capacity are left out; a count of 0 or less empties the buffer.
  void copyFrom(const double* depths, const uint8_t* flags, int count);
};

// The one clip buffer of the process.
ProfileClip& profileClip();

}  // namespace kelp
