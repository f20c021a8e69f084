#include "analysis/buhlmann.h"

#include <algorithm>
#include <cmath>

#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"

namespace kelp {

const std::array<double, kCompartmentCount> kHalfTimes{5.0,   8.0,   12.5,  18.5,  27.0,  38.3,  54.3,  77.0,
                                                       109.0, 146.0, 187.0, 239.0, 305.0, 390.0, 498.0, 635.0};
const std::array<double, kCompartmentCount> kCoefficientA{1.1696, 1.0,    0.8618, 0.7562, 0.62,  0.5043,
                                                          0.441,  0.4,    0.375,  0.35,   0.3295, 0.3065,
                                                          0.2835, 0.261,  0.248,  0.2327};
const std::array<double, kCompartmentCount> kCoefficientB{0.5578, 0.6514, 0.7222, 0.7825, 0.8126, 0.8434,
                                                          0.8693, 0.8910, 0.9092, 0.9222, 0.9319, 0.9403,
                                                          0.9477, 0.9544, 0.9602, 0.9653};

namespace {

// Rounding a time up to whole minutes leaves out what double arithmetic adds to a sum that
// is whole (45 + 2.1 + 10 stays 57.1, 40 + 3.0 stays 43).
int minutesUp(double minutes) { return static_cast<int>(std::ceil(minutes - 1e-9)); }

double gf(int percent) { return percent / 100.0; }

// The oxygen of the mix times the ambient pressure at the bottom (water vapour is not taken off:
// the limit is one of the breathing gas).
double bottomPpO2(double depth, int o2, double surface) { return o2 / 100.0 * (surface + depth / 10.0); }

// The maximum operating depth for 1.4 bar, truncated to whole metres (the safe side).
int maxOperatingDepth(int o2, double surface) {
  return static_cast<int>((kMaxBottomPpO2 / (o2 / 100.0) - surface) * 10.0);
}

Result checkDive(double depth, int bottomTime, int o2, double surface) {
  if (!(depth > 0) || depth > kPlanMaxDepth) return Result::failure(strf(63312, static_cast<int>(kPlanMaxDepth)));
  if (bottomTime < 1 || bottomTime > kPlanMaxBottomTime) return Result::failure(strf(63313, kPlanMaxBottomTime));
  if (o2 < kPlanMinO2 || o2 > kPlanMaxO2) return Result::failure(strf(63314, kPlanMinO2, kPlanMaxO2));
  // Air (21 %) is planned at any depth the planner takes; nitrox only up to its MOD.
  const double ppO2 = bottomPpO2(depth, o2, surface);
  if (o2 > 21 && ppO2 > kMaxBottomPpO2) return Result::failure(strf(63310, o2, ppO2, maxOperatingDepth(o2, surface)));
  if (bottomTime < depth / kDescentRate) return Result::failure(strf(63311, bottomTime, depth / kDescentRate));
  return Result::success();
}

// One dive from the given tissues: the descent and the bottom, then the no-stop decision and
// the stops. `t` ends at the surface after the ascent. False when the stops would exceed
// kPlanMaxStopMinutes (the ceiling never clears).
bool planDive(Tissues& t, double depth, int bottomTime, int o2, int gfLowPercent, int gfHighPercent,
              BuhlmannPlan& plan) {
  const double fN2 = nitrogenFraction(o2);
  const double gLow = gf(gfLowPercent), gHigh = gf(gfHighPercent);
  plan = BuhlmannPlan{};
  plan.noStopLimit = noStopLimit(t, depth, o2, gfHighPercent);

  const double descent = depth / kDescentRate;
  t.travel(0, depth, descent, fN2);
  t.stay(depth, bottomTime - descent, fN2);

  // A ceiling at or above the surface is a depth of 0 m or less.
  if (t.ceiling(gHigh) <= 0) {
    plan.noStop = true;
    plan.ascentMinutes = depth / kAscentRate;
    t.travel(depth, 0, plan.ascentMinutes, fN2);
    plan.runTime = minutesUp(bottomTime + plan.ascentMinutes);
    return true;
  }

  // The first stop: the GF low ceiling rounded up to a multiple of 3 m; a ceiling that is a
  // multiple already is the stop itself.
  const double ceilingLow = t.ceiling(gLow);
  const int first = std::max(3, 3 * static_cast<int>(std::ceil(ceilingLow / kStopStep)));
  // The ascent runs at 10 m/min; were the first stop ever below the bottom, the diver would go
  // down to it at the same speed.
  double ascent = std::abs(depth - first) / kAscentRate;
  t.travel(depth, first, ascent, fN2);

  int held = 0;
  for (int d = first; d > 0; d -= 3) {
    const int next = d - 3;
    // GF low at the first stop, GF high at the surface, linear in depth between them.
    const double g = next == 0 ? gHigh : gLow + (gHigh - gLow) * (first - next) / first;
    // Whole minutes until the ceiling for that gradient factor is at or above the next stop
    // (the surface for the last one); a stop can thus last 0 minutes.
    int minutes = 0;
    while (t.ceiling(g) > next) {
      if (held + minutes >= kPlanMaxStopMinutes) return false;
      t.stay(d, 1.0, fN2);
      ++minutes;
    }
    held += minutes;
    plan.stops.push_back({d, minutes});
    t.travel(d, next, kStopStep / kAscentRate, fN2);
    ascent += kStopStep / kAscentRate;
  }
  plan.ascentMinutes = ascent + held;
  plan.runTime = minutesUp(bottomTime + plan.ascentMinutes);
  return true;
}

std::string depthText(double d) { return format("%g", d); }

}  // namespace

double surfacePressure(double altitude) {
  if (altitude == 0) return kSeaLevelPressure;
  return kSeaLevelPressure * std::pow(1.0 - 2.25577e-5 * altitude, 5.25588);
}

double inspiredNitrogen(double ambient, double fN2) { return (ambient - kWaterVapour) * fN2; }

double nitrogenFraction(int o2Percent) { return o2Percent == 21 ? kAirNitrogen : 1.0 - o2Percent / 100.0; }

double haldane(double start, double inspired, double halfTime, double minutes) {
  const double k = std::log(2.0) / halfTime;
  return inspired + (start - inspired) * std::exp(-k * minutes);
}

double schreiner(double start, double inspired, double rate, double halfTime, double minutes) {
  const double k = std::log(2.0) / halfTime;
  return inspired + rate * (minutes - 1.0 / k) - (inspired - start - rate / k) * std::exp(-k * minutes);
}

Tissues Tissues::saturated(double surface) {
  Tissues t;
  t.surface = surface;
  t.n2.fill(inspiredNitrogen(surface, kAirNitrogen));
  return t;
}

void Tissues::stay(double depth, double minutes, double fN2) {
  if (minutes <= 0) return;
  const double inspired = inspiredNitrogen(ambient(depth), fN2);
  for (int i = 0; i < kCompartmentCount; ++i) n2[i] = haldane(n2[i], inspired, kHalfTimes[i], minutes);
}

void Tissues::travel(double from, double to, double minutes, double fN2) {
  if (minutes <= 0) return;
  const double inspired = inspiredNitrogen(ambient(from), fN2);
  const double rate = (to - from) / 10.0 / minutes * fN2;  // bar of nitrogen per minute
  for (int i = 0; i < kCompartmentCount; ++i) n2[i] = schreiner(n2[i], inspired, rate, kHalfTimes[i], minutes);
}

double Tissues::ceiling(double g) const {
  double deepest = 0;
  for (int i = 0; i < kCompartmentCount; ++i) {
    const double tolerated = (n2[i] - kCoefficientA[i] * g) / (g / kCoefficientB[i] + 1.0 - g);
    if (i == 0 || tolerated > deepest) deepest = tolerated;
  }
  return (deepest - surface) * 10.0;
}

int BuhlmannPlan::stopMinutes() const {
  int sum = 0;
  for (const BuhlmannStop& s : stops) sum += s.minutes;
  return sum;
}

std::vector<BuhlmannStop> BuhlmannPlan::heldStops() const {
  std::vector<BuhlmannStop> out;
  for (const BuhlmannStop& s : stops)
    if (s.minutes > 0) out.push_back(s);
  return out;
}

int noStopLimit(const Tissues& start, double depth, int o2, int gfHigh) {
  const double fN2 = nitrogenFraction(o2);
  const double g = gf(gfHigh);
  const double descent = depth / kDescentRate;
  Tissues atBottom = start;
  atBottom.travel(0, depth, descent, fN2);
  // At a constant depth each compartment moves one way only, so the bottom times that need no
  // stop form one unbroken run: the limit is its end. The run may start later than the
  // shortest bottom time after a previous dive (fast compartments still unloading).
  int last = 0;
  bool inRun = false;
  for (int T = static_cast<int>(std::ceil(descent)); T <= kPlanMaxBottomTime; ++T) {
    if (T < descent) continue;
    Tissues t = atBottom;
    t.stay(depth, T - descent, fN2);
    if (t.ceiling(g) <= 0) {
      last = T;
      inRun = true;
    } else if (inRun) {
      return last;
    }
  }
  return inRun ? kNoStopBeyond : 0;
}

Result checkBuhlmannRequest(const BuhlmannRequest& r) {
  if (!gradientFactorsValid(r.gfLow, r.gfHigh)) return Result::failure(strf(63315, kGfMin, kGfMax));
  if (r.altitude < 0 || r.altitude > kPlanMaxAltitude) return Result::failure(strf(63316, kPlanMaxAltitude));
  const double surface = surfacePressure(r.altitude);
  if (r.repetitive) {
    const Result prev = checkDive(r.previousDepth, r.previousTime, r.previousO2, surface);
    if (!prev) return Result::failure(strf(63318, prev.error.c_str()));
    if (r.interval < 0 || r.interval > kPlanMaxInterval) return Result::failure(strf(63317, kPlanMaxInterval));
  }
  return checkDive(r.depth, r.bottomTime, r.o2, surface);
}

Result planBuhlmann(const BuhlmannRequest& r, BuhlmannPlan& plan) {
  plan = BuhlmannPlan{};
  const Result ok = checkBuhlmannRequest(r);
  if (!ok) return ok;
  Tissues t = Tissues::saturated(surfacePressure(r.altitude));
  if (r.repetitive) {
    BuhlmannPlan previous;
    if (!planDive(t, r.previousDepth, r.previousTime, r.previousO2, r.gfLow, r.gfHigh, previous))
      return Result::failure(strf(63318, strf(63319, kPlanMaxStopMinutes).c_str()));
    t.stay(0, r.interval, kAirNitrogen);
  }
  if (!planDive(t, r.depth, r.bottomTime, r.o2, r.gfLow, r.gfHigh, plan)) {
    plan = BuhlmannPlan{};
    return Result::failure(strf(63319, kPlanMaxStopMinutes));
  }
  return Result::success();
}

std::vector<int> buhlmannNoStopCurve(int gfLow, int gfHigh) {
  (void)gfLow;  // the no-stop limit reads GF high alone; the label names both
  const Tissues surface = Tissues::saturated(kSeaLevelPressure);
  std::vector<int> points;
  for (int depth = 12; depth <= 63; depth += 3) points.push_back(noStopLimit(surface, depth, 21, gfHigh));
  return points;
}

std::string buhlmannCurveLabel(int gfLow, int gfHigh) { return strf(63321, gfLow, gfHigh); }

std::string buhlmannResultText(const BuhlmannRequest& r, const BuhlmannPlan& plan) {
  std::string s = strf(63300, r.gfLow, r.gfHigh);
  s += r.o2 == 21 ? str(63301) : strf(63302, r.o2);
  s += strf(63303, r.altitude);
  if (r.repetitive) s += strf(63304, depthText(r.previousDepth).c_str(), r.previousTime, r.previousO2, r.interval);
  s += strf(63305, plan.runTime);
  s += plan.noStopLimit == kNoStopBeyond ? strf(63307, kPlanMaxBottomTime) : strf(63306, plan.noStopLimit);
  if (plan.noStop) s += str(63309);
  for (const BuhlmannStop& stop : plan.stops) s += strf(63308, stop.depth, stop.minutes);
  return s;
}

std::string buhlmannDisclaimer() { return str(63320); }

void buildBuhlmannProfile(const BuhlmannRequest& r, const BuhlmannPlan& plan, PlannedProfile& out) {
  out.clear();
  // The plan's corners: (minutes, depth), joined by straight lines.
  struct Corner {
    double t, d;
  };
  std::vector<Corner> corners{{0, 0}, {r.depth / kDescentRate, r.depth}, {static_cast<double>(r.bottomTime), r.depth}};
  double t = r.bottomTime;
  double d = r.depth;
  // Where each stop ends, to mark the samples that still owe it.
  struct StopSpan {
    double from, to;
    int depth, minutes;
  };
  std::vector<StopSpan> spans;
  for (const BuhlmannStop& s : plan.stops) {
    t += std::abs(d - s.depth) / kAscentRate;
    d = s.depth;
    corners.push_back({t, d});
    spans.push_back({t, t + s.minutes, s.depth, s.minutes});
    t += s.minutes;
    corners.push_back({t, d});
  }
  t += d / kAscentRate;
  corners.push_back({t, 0});

  const int n = 3 * plan.runTime;
  out.reset(n, static_cast<int>(r.depth));
  const double endOfStops = spans.empty() ? 0 : spans.back().to;
  size_t c = 0;
  for (int i = 0; i <= n; ++i) {
    const double at = i / 3.0;
    while (c + 1 < corners.size() && corners[c + 1].t < at) ++c;
    double depth = 0;
    if (c + 1 < corners.size()) {
      const Corner& a = corners[c];
      const Corner& b = corners[c + 1];
      depth = b.t > a.t ? a.d + (b.d - a.d) * (at - a.t) / (b.t - a.t) : b.d;
    }
    out.depths[static_cast<size_t>(i)] = -std::max(0.0, depth);
    const int elapsed = i / 3;
    // A stop is owed from the first minute past the no-stop limit (or from leaving the bottom)
    // until the last stop is done.
    const bool pastLimit = plan.noStopLimit != kNoStopBeyond && elapsed > plan.noStopLimit;
    const bool owed = !plan.noStop && at < endOfStops && (pastLimit || at > r.bottomTime);
    if (owed) {
      // The first stop not yet done that holds the diver.
      for (const StopSpan& s : spans)
        if (s.minutes > 0 && at < s.to) {
          out.flags[static_cast<size_t>(i)] = 1;
          out.stopDepth[static_cast<size_t>(i)] = static_cast<uint8_t>(std::min(255, s.depth));
          const int left = at <= s.from ? s.minutes : minutesUp(s.to - at);
          out.stopMinutes[static_cast<size_t>(i)] = static_cast<uint8_t>(std::clamp(left, 0, 255));
          break;
        }
    } else if (at <= r.bottomTime && plan.noStopLimit != kNoStopBeyond) {
      out.noStopLeft[static_cast<size_t>(i)] = static_cast<uint8_t>(std::clamp(plan.noStopLimit - elapsed, 0, 99));
    } else if (at <= r.bottomTime) {
      out.noStopLeft[static_cast<size_t>(i)] = 99;
    }
    const double toSurface = at <= r.bottomTime ? plan.ascentMinutes : std::max(0.0, t - at);
    out.ascentTotal[static_cast<size_t>(i)] = static_cast<uint8_t>(std::clamp(minutesUp(toSurface), 0, 255));
  }
  out.noStopLeft[static_cast<size_t>(n) + 1] = kProfileEndMarker;
}

BuhlmannCalcState& buhlmannCalcState() {
  static BuhlmannCalcState state = [] {
    BuhlmannCalcState s;
    s.request.gfLow = settings().gfLow;
    s.request.gfHigh = settings().gfHigh;
    return s;
  }();
  return state;
}

bool runBuhlmannCalculation(BuhlmannCalcState& s) {
  s.profile.clear();
  s.planned = s.request;
  const Result r = planBuhlmann(s.request, s.plan);
  if (!r) {
    s.resultValid = false;
    s.resultText = "\n " + r.error;
    return false;
  }
  s.resultValid = true;
  s.resultText = buhlmannResultText(s.request, s.plan);
  buildBuhlmannProfile(s.request, s.plan, s.profile);
  return true;
}

CalcFields calcFields(bool buhlmann, bool repetitive, bool resultValid) {
  CalcFields f{};
  f.altitudeTable = f.air = !buhlmann;
  f.group = !buhlmann && repetitive;
  f.model = buhlmann;
  f.previousDive = buhlmann && repetitive;
  f.interval = repetitive;
  f.print = !buhlmann && resultValid;
  return f;
}

}  // namespace kelp
