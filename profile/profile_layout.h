#pragma once
// How a dive's stored profile is laid out for its dive computer model: the per-dive
// header in front of the raw readings, the bytes of one group of three readings, and
// the gas bytes the profile block carries for Nitrox and O2 models. Everything that cuts,
// joins or writes raw profiles counts with the layout of the dive's own model.
#include <cstdint>

#include "core/computer_models.h"
#include "core/dive_record.h"

namespace kelp {

struct ProfileLayout {
  int header = 5;    // raw bytes before the first reading (6 for O2 models)
  int group = 7;     // three 2-byte readings and the group byte(s) (8 for O2 models)
  int gasBytes = 0;  // gasSetting in the profile block (2 for Nitrox and O2 models)

  // profileHeaderByte, the 16-byte profile header and the gas bytes.
  int blockBytes() const { return 17 + gasBytes; }
  // profileLength of a profile whose readings take `data` bytes behind the header.
  int lengthFor(int data) const { return blockBytes() + header + data; }
  // Bytes of readings behind the header for a profileLength (may be negative).
  int dataLength(int profileLength) const { return profileLength - blockBytes() - header; }
  // Whether the expansion reads it as a gas kind 2 profile.
  bool gasKind2() const { return header == 6; }
};

ProfileLayout profileLayout(uint8_t computerType, const ComputerModelTable& models = computerModels());

// Samples (start sample included) that the profile expansion would produce for a
// profileLength, without its cap at 635: a profile with more cannot be kept whole.
int expandedSampleCount(int profileLength, const ProfileLayout& layout);

// Rebuilds a dive's samples with the layout of its own model.
void expandWithModel(DiveRecord& r, const ComputerModelTable& models = computerModels());

// The samples a record keeps (the slot behind them is the closing surface point).
inline constexpr int kMaxValidSamples = MAX_SAMPLES - 1;

}  // namespace kelp
