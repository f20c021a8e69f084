#include "profile/profile_values.h"

#include <algorithm>
#include <cmath>

#include "core/texts.h"

namespace kelp {

double consumptionRate(int level, double sac) {
  if (level == 0) return 0;
  return (level / 3.0 * 0.1 + 0.8) * sac;
}

int workloadLevel(const DiveRecord& r, int i, const ComputerModelTable& models) {
  if (r.computerType != 0 && !models.importSource(r.computerType)) return r.samples[i].level3;
  return 5;
}

std::optional<double> gasLeftBar(const DiveRecord& r, int cursor, const GasRule& rule,
                                 const ComputerModelTable& models) {
  if (r.tankSize == NO_VALUE || r.tankSize <= 0 || !(rule.startBar > 0)) return std::nullopt;
  const double g0 = r.tankSize * 0.01 * rule.startBar;
  double g = g0;
  const double sac = r.sac;
  const bool ambient = !(rule.scrAware && isScr(r));
  const int last = std::clamp(cursor, -1, MAX_SAMPLES - 1);
  for (int i = 0; i <= last; ++i) {
    const int level = rule.computerLevels ? workloadLevel(r, i, models) : r.samples[i].level3;
    const double factor = ambient ? 1.0 + std::fabs(static_cast<double>(r.samples[i].depth)) * 0.1 : 1.0;
    g -= consumptionRate(level, sac) * factor / 3.0;
  }
  return std::max(g, 0.0) * rule.startBar / g0;
}

std::optional<double> remainingPressure(const DiveRecord& r, int cursor,
                                        const ComputerModelTable& models) {
  GasRule rule;
  if (r.startPressure != NO_VALUE && r.startPressure != 0) rule.startBar = r.startPressure / 100;
  return gasLeftBar(r, cursor, rule, models);
}

double maxDepthSoFar(const DiveRecord& r, int cursor) {
  double m = 0;
  const int last = std::clamp(cursor, -1, MAX_SAMPLES - 1);
  for (int i = 0; i <= last; ++i) m = std::max(m, std::fabs(static_cast<double>(r.samples[i].depth)));
  return m;
}

int cursorIndexAt(double xOffset, int width, int points) {
  if (points <= 0 || width < 0) return 0;
  const double perPoint = (width + 1) / static_cast<double>(points);
  const double v = xOffset / perPoint;
  if (!(v > 0)) return 0;
  return std::min(static_cast<int>(v), points - 1);
}

double gaugeAngle(double v, double f) {
  if (!(f > 0)) return 0;
  if (!(v > 0)) v = 0;  // NaN and negatives sit at 0
  if (v > f) v = f;
  double a = std::fmod(f - v - f / 2, f) * 360.0 / f;
  if (a < 0) a += 360.0;
  if (a >= 360.0) a = 0;
  return a;
}

void gaugeRimPoint(double cx, double cy, double r, double angleDeg, double& x, double& y) {
  const double rad = angleDeg * M_PI / 180.0;
  x = cx - std::sin(rad) * r;
  y = cy - std::cos(rad) * r;
}

GaugeScales gaugeScales(bool metricUnits) {
  if (metricUnits) return {60.0, 80.0, 300.0};
  return {2.0, 240.0, 4200.0};
}

CursorReadout cursorReadout(const DiveRecord& r, int cursor, bool metricUnits,
                            const ComputerModelTable& models) {
  CursorReadout out;
  const int n = std::min<int>(r.sampleCount, MAX_SAMPLES - 1);
  if (n <= 0) return out;
  const int i = std::clamp(cursor, 0, n);
  const GaugeScales scale = gaugeScales(metricUnits);
  const ProfileSample& s = r.samples[i];

  out.time = format("%d:", i / 3);
  double depth = std::fabs(static_cast<double>(s.depth));
  double deepest = maxDepthSoFar(r, i);
  if (!metricUnits) {
    depth = metresToFeet(depth);
    deepest = metresToFeet(deepest);
  }
  out.maxDepth = format("%.1f", deepest);
  out.depth = metricUnits ? format("%.1f", depth) : format("%.0f", depth);
  out.depthNeedle = std::min(depth, scale.depth);
  out.maxDepthNeedle = std::min(deepest, scale.depth);

  if (r.sac > 0) {
    double rate = consumptionRate(workloadLevel(r, i, models), r.sac);
    if (!metricUnits) rate = lminToCftmin(rate);
    out.consumption = std::clamp(rate, 0.0, scale.consumption);
  }
  if (const auto left = remainingPressure(r, i, models)) {
    if (metricUnits) {
      out.pressure = format("%.0f %s", *left, "bar");
      out.pressureNeedle = *left;
    } else {
      const int psi = barToPsi(*left);
      out.pressure = format("%d %s", psi, "psi");
      out.pressureNeedle = psi;
    }
  }
  out.bars = true;
  out.level6 = s.level6;
  out.accumulated = s.accumulated;
  out.level3 = s.level3;
  return out;
}

int barHeightLevel6(int level6) { return std::max(0, level6); }
int barHeightAccumulated(int accumulated) { return std::clamp(accumulated, 0, 36) * 70 / 36; }
int barHeightLevel3(int level3) { return std::clamp(level3, 0, 22) * 70 / 22; }

}  // namespace kelp
