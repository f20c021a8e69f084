#pragma once
// Splitting a dive into two at a minute where the diver was at the surface, and
// merging a dive with the next one. Both cut and join the raw profile in the layout of
// the dive's own model and rebuild the samples from it.
#include <string>

#include "core/logbook.h"
#include "profile/profile_layout.h"

namespace kelp {

std::string splitRefusedMessage(int diveNumber);   // "Non posso separare le imm #%d"
std::string splitDoneMessage(int diveNumber);      // "Le imm #%d\nsono divise"
std::string mergeRefusedMessage(int first, int second);  // "Non posso unire imm #%d and #%d"
std::string mergeDoneMessage(int first, int second);     // "Dive #%d and #%d\n are merged"
std::string mergeDeleteQuestion(int second);       // "L'imm. #%d è cancellata"

// A split needs the diver within this distance of the surface at the split minute.
inline constexpr double kSplitSurfaceDepth = 1.3;

// The split dialog's minute for a cursor index: index / 3.
inline int splitMinuteAt(int cursorIndex) { return cursorIndex > 0 ? cursorIndex / 3 : 0; }

// Whether the dive can be split at minute m: a profile, m at least 1, sample 3m within
// the profile and within 1.3 m of the surface, a first dive shorter than before and a
// second dive with at least one group of readings.
bool canSplitAt(const DiveRecord& dive, int minute, const ComputerModelTable& models = computerModels());

// Whether the split dialog's minute field is green: a split at minute m can be made and at
// least ten minutes of the dive remain behind it (m at most sampleCount / 3 - 10).
bool splitFieldGreen(const DiveRecord& dive, int minute, const ComputerModelTable& models = computerModels());

// Pressure used up to sample `sampleIndex` (whole bar, from a 200 bar tank) as the split
// shares the air: every sample at its level3, the ambient factor on every sample.
int splitPressureUsed(const DiveRecord& dive, int sampleIndex,
                      const ComputerModelTable& models = computerModels());

// The two dives of a split at minute m; false (outputs untouched) when refused.
bool splitRecords(const DiveRecord& dive, int minute, const ComputerModelTable& models,
                  DiveRecord& first, DiveRecord& second);
// Splits the dive at `position`: the first part stays at its position, the second is
// inserted in date order. Refusals change nothing and carry splitRefusedMessage.
Result splitDive(Logbook& lb, int position, int minute,
                 const ComputerModelTable& models = computerModels());

// The dive merged from a and the next dive b; false (merged untouched) when refused.
bool mergeRecords(const DiveRecord& a, const DiveRecord& b, const ComputerModelTable& models,
                  DiveRecord& merged);
// Whether the dive at `position` can be merged with the next one (mergeRefusedMessage if not).
Result checkMerge(const Logbook& lb, int position, const ComputerModelTable& models = computerModels());
// Stores the merged dive at `position` and removes the next one, in one go; a refusal
// changes nothing. The question before it is the caller's.
Result mergeDives(Logbook& lb, int position, const ComputerModelTable& models = computerModels());

}  // namespace kelp
