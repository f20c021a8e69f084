#include "profile/profile_layout.h"

#include "core/dive_record.h"

namespace kelp {

ProfileLayout profileLayout(uint8_t computerType, const ComputerModelTable& models) {
  ProfileLayout l;
  // The same questions the logbook file and the expansion ask.
  if (models.gasKind(computerType) == 2) {
    l.header = 6;
    l.group = 8;
  }
  l.gasBytes = models.hasGasSetting(computerType) ? 2 : 0;
  return l;
}

int expandedSampleCount(int profileLength, const ProfileLayout& layout) {
  if (profileLength == 0) return 0;
  // Mirrors the reading loop of the expansion: the first reading is always taken, then
  // readings go on while the read position stays at or below profileLength - 15.
  const int limit = profileLength - 15;
  int count = 1, p = layout.header, groupPos = 0;
  for (;;) {
    ++count;
    p += 2;
    if (groupPos == 2) p += layout.group - 6;
    groupPos = (groupPos + 1) % 3;
    if (p > limit) break;
  }
  return count;
}

void expandWithModel(DiveRecord& r, const ComputerModelTable& models) {
  expandProfile(r, profileLayout(r.computerType, models).gasKind2());
}

}  // namespace kelp
