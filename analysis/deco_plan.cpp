#include "analysis/deco_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <climits>

#include "core/logbook.h"
#include "core/strings.h"
#include "core/texts.h"

namespace kelp {
namespace {

constexpr int kMaxBottomTime = 9999;  // longer than any card entry; keeps the sums in range
constexpr double kDeepestPlanned = kDecoLastDepth + 1;  // 64 m truncates past the last row

uint8_t toByte(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

// Truncates toward zero; values beyond int stay at its ends instead of wrapping round.
int truncToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(v);
}

void clearResults(DecoPlan& p) {
  p.diveTime = p.ascentTime = p.ascentOnly = 0;
  p.endTime = p.startTime;
  p.groupResult.clear();
  p.noStopLimit = p.residualNitrogen = p.noFlyHours = 0;
  p.stop15 = p.stop12 = p.stop9 = p.stop6 = p.stop3 = 0;
  p.remainingPressure = p.deltaPressure = p.airUsed = 0;
  p.tableDepth = p.wantedDepth = 0;
  p.note.clear();
}

// Whether the plan's previous dive counts, and its group.
bool repetitiveInput(const DecoPlan& p, char& group) {
  if (!p.repetitive || p.surfaceInterval == 0 || p.groupText.empty()) return false;
  group = p.groupText[0];
  return true;
}

// Residual nitrogen for a lookup depth: minutes, 0 when not repetitive, -1 when the tables
// do not hold it.
int residualFor(const DiveTables& t, const DecoPlan& p, int depth) {
  char group = 0;
  if (!repetitiveInput(p, group)) return 0;
  const ResidualLookup r = lookupResidual(t, group, p.surfaceInterval, depth);
  if (r.status == RepetitiveStatus::NoData) return -1;
  return r.status == RepetitiveStatus::Known ? r.minutes : 0;
}

std::string rowNote(const DecoLookup& l) {
  if (!l.row || l.row->depth == l.wantedDepth) return {};
  return strf(63534, l.row->depth, l.wantedDepth);
}

void buildProfile(const DiveTables& t, const DecoPlan& p, PlannedProfile& out) {
  const double D = p.maxDepth;
  const int N = 3 * p.diveTime;
  out.reset(N, static_cast<int>(D));
  out.pressures.assign(N + 1, 0);

  // Lay at most N samples; point N stays the surface.
  int laid = 0;
  auto lay = [&](double depth) {
    if (laid < N) out.depths[laid++] = std::max(depth, 0.0);
  };
  const double descentStep = D / (0.15 * D);  // 20 m/min
  const int descent = static_cast<int>(0.15 * D);
  for (int k = 0; k < descent; ++k) lay(k * descentStep);
  while (laid < 3 * p.bottomTime && laid < N) lay(D);

  const std::array<int, 5> stops = planStops(p);
  double current = D;
  for (int s = 4; s >= 0; --s) {
    if (stops[s] == 0) continue;
    const double stopDepth = kStopDepths[s];
    const double span = current - stopDepth;
    const int steps = std::max(1, static_cast<int>(std::ceil(span * 3.0 / 10.0)));  // 10 m/min
    for (int k = 0; k < steps; ++k) lay(current - k * span / steps);
    for (int k = 0; k < 3 * stops[s]; ++k) lay(stopDepth);
    current = stopDepth;
    if (s == 0) lay(stopDepth);
  }
  if (stops[0] == 0) {
    const int steps = static_cast<int>(std::ceil(0.15 * current));
    for (int k = 0; k < steps; ++k) lay(current - k * descentStep);
  }

  // Tank pressure, one value per minute.
  if (p.tankVolume != 0 && p.tankPressure != 0 && p.airConsumption != 0 && N > 0) {
    double pressure = p.tankPressure;
    for (int i = 0; i < N; i += 3) {
      const double minuteDepth = out.depths[i];
      for (int k = i; k < i + 3 && k < N; ++k) out.pressures[k] = truncToInt(pressure);
      pressure -= (minuteDepth * 0.1 + 1) * p.airConsumption / p.tankVolume;
      if (pressure < 0) pressure = 0;
    }
    out.pressures[N] = out.pressures[N - 1];
    out.hasPressure = true;
  }

  // Decompression data per sample.
  std::array<int, 5> owed{};      // working copy of the stops, 3..15 m
  std::array<int, 5> atStop{};    // samples counted at each stop depth
  for (int i = 1; i <= N; ++i) {
    const double depth = out.depths[i];
    const int elapsed = i / 3;
    if (depth >= D || owed[0] == 0) {
      const int whole = static_cast<int>(depth);
      const int rn = residualFor(t, p, whole);
      const DecoLookup l = rn < 0 ? DecoLookup{} : lookupDeco(t, p.altitudeClass, whole, rn + elapsed);
      if (l.entry) owed = l.entry->stops;
      if (owed[0] == 0) {
        const int limit = l.row ? l.row->noStopLimit : kUnknownValue;
        out.noStopLeft[i] = limit == kUnknownValue ? 0 : toByte(std::min(99, limit - elapsed));
      }
      for (int s = 4; s >= 0; --s)
        if (owed[s] > 0) {
          out.flags[i] |= 1;
          out.stopDepth[i] = toByte(kStopDepths[s]);
          out.stopMinutes[i] = toByte(owed[s]);
          break;
        }
    } else {
      for (int s = 4; s >= 0; --s) {
        if (owed[s] <= 0 || kStopDepths[s] > depth) continue;
        out.flags[i] |= 1;
        out.stopDepth[i] = toByte(kStopDepths[s]);
        out.stopMinutes[i] = toByte(owed[s]);
        if (depth == kStopDepths[s] && ++atStop[s] % 3 == 0) --owed[s];
        break;
      }
    }
    int sum = 0;
    for (int m : owed) sum += m;
    out.ascentTotal[i] = toByte(sum + static_cast<int>(depth * 0.1 + 1));
  }

  for (double& d : out.depths) d = -d;
  out.noStopLeft[N + 1] = kProfileEndMarker;
}

// Replaces the "%d" and "%s" conversions of a format, in order, by the given texts.
std::string fill(const std::string& fmt, const std::vector<std::string>& args) {
  std::string out;
  size_t a = 0;
  for (size_t i = 0; i < fmt.size(); ++i) {
    if (fmt[i] == '%' && i + 1 < fmt.size() && (fmt[i + 1] == 'd' || fmt[i + 1] == 's')) {
      if (a < args.size()) out += args[a++];
      ++i;
    } else {
      out += fmt[i];
    }
  }
  return out;
}

std::string number(int v) { return format("%d", v); }

}  // namespace

std::array<int, 5> planStops(const DecoPlan& p) { return {p.stop3, p.stop6, p.stop9, p.stop12, p.stop15}; }

DecoPlan initialDecoPlan(const Logbook& lb, int64_t now) {
  DecoPlan p;
  p.startTime = now;
  p.endTime = now;
  p.airConsumption = lb.averageSac != 0 ? lb.averageSac : 20.0;
  return p;
}

bool computeDecoPlan(const DiveTables& t, DecoPlan& p, PlannedProfile& profile) {
  clearResults(p);
  profile.clear();
  if (!(p.maxDepth > 0) || p.bottomTime <= 0) return false;
  if (p.altitudeClass != kSeaLevel && p.altitudeClass != kMountainLake) {
    p.note = str(63535);
    return false;
  }
  if (p.maxDepth >= kDeepestPlanned || p.bottomTime > kMaxBottomTime) return false;
  const bool airMode = p.tankVolume != 0 || p.airConsumption != 0;
  const int depth = static_cast<int>(p.maxDepth);

  char group = 0;
  if (repetitiveInput(p, group)) {
    const ResidualLookup r = lookupResidual(t, group, p.surfaceInterval, depth);
    if (r.status == RepetitiveStatus::NoData) {
      p.note = t.interval[group - 'B'].present
                   ? strf(63536,
                            r.rowDepth)
                   : strf(63537, group);
      return false;
    }
    if (r.status == RepetitiveStatus::Known) p.residualNitrogen = r.minutes;
  }

  const DecoLookup l = lookupDeco(t, p.altitudeClass, depth, p.residualNitrogen + p.bottomTime);
  p.wantedDepth = l.wantedDepth;
  if (!l.row) {
    if (l.wantedDepth != 0)
      p.note = strf(63538, l.wantedDepth,
                      p.residualNitrogen + p.bottomTime);
    return false;
  }
  p.tableDepth = l.row->depth;
  p.noStopLimit = l.row->noStopLimit;
  p.note = rowNote(l);
  if (!l.entry) return false;

  const DecoEntry& e = *l.entry;
  p.groupResult = std::string(1, e.group);
  p.stop3 = e.stops[0];
  p.stop6 = e.stops[1];
  p.stop9 = e.stops[2];
  p.stop12 = e.stops[3];
  p.stop15 = e.stops[4];
  p.noFlyHours = noFlyHours(e.group);

  int stopSum = 0;
  for (int s : e.stops) stopSum += s;
  const int seconds = 60 * stopSum + static_cast<int>(6 * p.maxDepth);
  const int q = seconds / 60;
  const int u = seconds % 60 != 0 ? 1 : 0;
  p.ascentTime = q + u;
  p.ascentOnly = q - stopSum + u;
  p.diveTime = q + p.bottomTime + u;
  p.endTime = p.startTime + int64_t{60} * p.diveTime;

  buildProfile(t, p, profile);

  if (airMode) {
    double used = 0;
    if (p.airConsumption != 0) {
      used = (p.maxDepth * 0.1 + 1) * p.bottomTime * p.airConsumption;
      for (int s = 0; s < 5; ++s)
        if (e.stops[s] != 0) used += (kStopDepths[s] * 0.1 + 1) * e.stops[s] * p.airConsumption;
      used += (p.maxDepth * 0.05 + 1) * p.ascentOnly * p.airConsumption;
      p.airUsed = truncToInt(used);
    }
    if (p.tankVolume != 0) {
      const double litres = std::trunc(p.tankPressure * p.tankVolume);
      const double left = std::trunc(litres - used);
      p.remainingPressure = truncToInt(left / p.tankVolume);
      p.deltaPressure = truncToInt(static_cast<double>(p.tankPressure) - p.remainingPressure);
    }
  }
  return true;
}

std::string decoResultText(const DecoPlan& p, bool found) {
  if (!found) {
    std::string s = "\n" + str(63539);
    if (!p.note.empty()) s += "\n " + p.note;
    return s;
  }
  std::string s = fill(str(62704),
                       {number(p.diveTime), number(p.ascentTime), p.groupResult, number(p.residualNitrogen),
                        p.noStopLimit == kUnknownValue ? "?" : number(p.noStopLimit), number(p.noFlyHours),
                        number(p.stop15), number(p.stop12), number(p.stop9), number(p.stop6), number(p.stop3),
                        number(p.remainingPressure), number(p.deltaPressure), number(p.airUsed)});
  if (!p.note.empty()) s += " " + p.note + "\n";
  return s;
}

DecoOutcome runDecoCalculation(const DiveTables* t, const std::string& tablesError, DecoPlan& p,
                               PlannedProfile& profile) {
  if (!(p.maxDepth > 0) || p.bottomTime <= 0) return DecoOutcome::Ignored;
  // A negative tank, pressure or consumption would show more air left than the tank holds.
  if (p.tankVolume < 0 || p.tankPressure < 0 || p.airConsumption < 0) return DecoOutcome::Ignored;
  // Neither can an endless tank or consumption ("1e999" reads as infinity).
  if (!std::isfinite(p.tankVolume) || !std::isfinite(p.airConsumption)) return DecoOutcome::Ignored;
  if (p.tankVolume != 0) {
    if (p.tankPressure == 0) p.tankPressure = 200;
    if (p.airConsumption == 0) p.airConsumption = 20.0;
  }
  bool found = false;
  if (t) {
    found = computeDecoPlan(*t, p, profile);
  } else {
    clearResults(p);
    profile.clear();
    p.note = tablesError;
  }
  p.resultText = decoResultText(p, found);
  p.resultValid = found ? 1 : 0;
  return found ? DecoOutcome::Planned : DecoOutcome::NotSufficient;
}

bool planForDeco92(const DiveTables& t, const Deco92Request& request, DecoPlan& p, PlannedProfile& profile) {
  p = DecoPlan{};
  p.maxDepth = request.maxDepth;
  p.bottomTime = request.bottomTime;
  p.tankVolume = 0;
  p.tankPressure = 0;
  p.airConsumption = 0;
  p.altitudeClass = request.altitudeClass;
  const bool found = computeDecoPlan(t, p, profile);
  // A dive without depth or bottom time plans nothing and says nothing, as "Calcola".
  p.resultText = found || (p.maxDepth > 0 && p.bottomTime > 0) ? decoResultText(p, found) : std::string();
  p.resultValid = found ? 1 : 0;
  return found;
}

bool planDeco92IntoClip(const Deco92Request& request, ProfileClip& clip, std::string& message) {
  message.clear();
  std::string error;
  const DiveTables* t = diveTables(&error);
  if (!t) {
    message = error;
    return false;
  }
  DecoPlan p;
  PlannedProfile& profile = plannedProfile();
  if (!planForDeco92(*t, request, p, profile)) {
    // The result box's text without its leading blank line.
    message = p.resultText;
    const size_t start = message.find_first_not_of("\n ");
    message.erase(0, start == std::string::npos ? message.size() : start);
    return false;
  }
  clip.copyFrom(profile.depths.data(), profile.flags.data(), profile.sampleCount + 1);
  return true;
}

DecoButtons decoButtons(bool resultValid, int clipCount, bool clipShown) {
  DecoButtons b{};
  b.copy = b.print = b.drawing = resultValid;
  b.paste = resultValid && clipCount != 0 && !clipShown;
  b.cut = clipShown;
  return b;
}

DecoPlan& openDecoPlanState(Logbook& lb, int64_t now) {
  static DecoPlan plan;
  static bool initialised = false;
  if (!initialised) {
    initialised = true;
    plan = initialDecoPlan(lb, now);
    lb.averageSacUpdated = 0;
  } else if (lb.averageSacUpdated == 1) {
    plan.airConsumption = lb.averageSac != 0 ? lb.averageSac : 20.0;
    lb.averageSacUpdated = 0;
    plan.resultValid = 0;
    plan.resultText.clear();
  }
  return plan;
}

PlannedProfile& plannedProfile() {
  static PlannedProfile profile;
  return profile;
}

}  // namespace kelp
