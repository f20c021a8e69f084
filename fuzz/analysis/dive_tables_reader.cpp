// Reads arbitrary text as the dive tables file; whatever it accepts must give lookups that
// stay inside the tables and plans whose profile holds exactly its sample count.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "analysis/deco_plan.h"
#include "analysis/dive_tables.h"

using namespace kelp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 64 * 1024) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  DiveTables t;
  if (!parseDiveTables(text, "fuzz.txt", t)) return 0;
  for (const auto& table : t.deco)
    for (const DecoRow& row : table.rows) {
      if (row.entries.size() > kDecoMaxEntries) std::abort();
      if (row.status == RowStatus::Absent && !row.entries.empty()) std::abort();
    }
  for (const auto& c : t.noStopCurves())
    if (c.points.size() > 18) std::abort();

  const int depths[] = {1, 9, 17, 24, 40, 63};
  const int times[] = {1, 20, 45, 200};
  for (int altitude = 0; altitude < 2; ++altitude)
    for (int depth : depths)
      for (int time : times) {
        DecoPlan p;
        p.maxDepth = depth + 0.5;
        p.bottomTime = time;
        p.altitudeClass = altitude;
        p.repetitive = 1;
        p.groupText = std::string(1, static_cast<char>('B' + (depth + time) % 6));
        p.surfaceInterval = time;
        PlannedProfile prof;
        if (!computeDecoPlan(t, p, prof)) {
          if (!prof.depths.empty()) std::abort();
          continue;
        }
        if (prof.sampleCount != 3 * p.diveTime) std::abort();
        if (prof.depths.size() != static_cast<size_t>(prof.sampleCount) + 1) std::abort();
        if (prof.noStopLeft.size() != prof.depths.size() + 1) std::abort();
        if (prof.noStopLeft.back() != kProfileEndMarker) std::abort();
        if (prof.depths.back() != 0) std::abort();
        if (p.tableDepth < depth) std::abort();  // never a shallower row
      }
  return 0;
}
