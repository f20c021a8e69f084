#include "profile/deco92_link.h"

#include <cmath>

namespace kelp {
namespace {
Deco92Planner& planner() {
  static Deco92Planner p = nullptr;
  return p;
}
}  // namespace

Deco92Request deco92RequestFor(const DiveRecord& dive, int cursorIndex) {
  Deco92Request r;
  const int cm = shownMaxDepth(dive);
  const double metres = (cm != NO_VALUE && cm > 0) ? cm / 100.0 : std::fabs(dive.profileMaxDepth);
  r.maxDepth = static_cast<int>(std::ceil(metres - 1e-9));
  r.bottomTime = cursorIndex > 0 ? cursorIndex / 3 : 0;
  // Class 2 reaches 1750 m, beyond the mountain-lake table's 1500 m: refused as 3 and 4 are.
  r.altitudeClass = dive.altitudeClass >= 2 ? 2 : 0;
  return r;
}

void registerDeco92Planner(Deco92Planner p) { planner() = p; }
Deco92Planner deco92Planner() { return planner(); }

}  // namespace kelp
