#pragma once
// The link between the "Deco 92" buttons (profile window, profile creation) and the
// dive calculator. The calculator registers its plan computation once; until it has,
// the buttons tell the user that the calculator is not available.
//
// The calculator registers from a file that the program links, for instance
//   static const bool registered = (kelp::registerDeco92Planner(&planForProfile), true);
// in analysis/ui/planner_commands.cpp, where planForProfile runs the plan computation for
// the request and, when the tables hold an entry, fills the clip buffer with the planned
// profile (number of samples + 1 points, depths negative, flag bytes) and returns true.
// When it plans nothing it leaves the clip buffer alone and says why in `message`
// ("Tabelle nicht ausreichend", a missing tables file), or leaves it empty when there is
// nothing to tell (no depth or no bottom time).
#include <string>

#include "core/dive_record.h"
#include "profile/profile_clip.h"

namespace kelp {

// What a "Deco 92" button hands to the calculator.
struct Deco92Request {
  int maxDepth = 0;       // the dive's maximum depth in whole metres, rounded up
  int bottomTime = 0;     // minutes: the cursor's sample index / 3
  int altitudeClass = 0;  // 0 for the dive's classes 0 and 1 (up to 900 m); 2 for the classes
                          // 2 to 4, whose sites reach above 1500 m where no DECO 92 table holds
};

// The request for a dive and a cursor position.
Deco92Request deco92RequestFor(const DiveRecord& dive, int cursorIndex);

// The buttons act only from this cursor index on.
inline constexpr int kDeco92MinCursor = 4;

using Deco92Planner = bool (*)(const Deco92Request& request, ProfileClip& clip, std::string& message);
void registerDeco92Planner(Deco92Planner planner);
// nullptr until the calculator has registered.
Deco92Planner deco92Planner();

}  // namespace kelp
