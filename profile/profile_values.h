#pragma once
// The numbers the profile window shows for a cursor position: remaining tank pressure,
// consumption rate, depths, the cursor index of a mouse position, and the needle angle of
// a gauge. Plain C++ so that tests reach every rule without a window.
#include <optional>
#include <string>

#include "core/computer_models.h"
#include "core/dive_record.h"

namespace kelp {

// Consumption rate at a workload level for an air consumption of sac l/min:
// 0 at level 0, else (level / 3 x 0.1 + 0.8) x sac.
double consumptionRate(int level, double sac);
// The workload level of sample i: its level3 for dives of a dive computer, 5 for dives
// entered by hand or imported.
int workloadLevel(const DiveRecord& r, int i, const ComputerModelTable& models = computerModels());

// How the gas taken from the tank is counted.
struct GasRule {
  double startBar = 200;     // start pressure
  bool computerLevels = true;  // false: every sample at its level3 (no manual level 5)
  bool scrAware = true;        // false: the ambient factor applies to SCR dives too
};
// Gas left in bar after samples 0 .. cursor, with startBar at the start; none when the
// tank volume or the start pressure is missing or not positive.
std::optional<double> gasLeftBar(const DiveRecord& r, int cursor, const GasRule& rule,
                                 const ComputerModelTable& models = computerModels());
// The remaining tank pressure at the cursor (bar): start pressure 200 bar or the dive's
// own, the workload levels of the dive's kind, no ambient factor on SCR dives. None when
// the dive has no tank volume or no usable start pressure.
std::optional<double> remainingPressure(const DiveRecord& r, int cursor,
                                        const ComputerModelTable& models = computerModels());

// The largest depth (metres, positive) of samples 0 .. cursor.
double maxDepthSoFar(const DiveRecord& r, int cursor);

// The sample under a mouse x offset in a tracking rectangle of `width` pixels over
// `points` points: offset / ((width + 1) / points) in floating point, clamped to
// 0 .. points - 1 (0 without points).
int cursorIndexAt(double xOffset, int width, int points);

// Needle angle in degrees (0 <= a < 360) of value v on a scale of full value F: 0 points up,
// value 0 points down, the needle turns clockwise through left, top and right. A value
// beyond the scale stays at its end (below 0, at 0) instead of wrapping round.
double gaugeAngle(double v, double fullScale);
// The rim point of a needle of radius r at angle a around (cx, cy): x = cx - sin(a) r,
// y = cy - cos(a) r.
void gaugeRimPoint(double cx, double cy, double r, double angleDeg, double& x, double& y);

// The gauges' scales in the current units.
struct GaugeScales {
  double consumption, depth, pressure;  // full values: l/min or cft/min, m or ft, bar or psi
};
GaugeScales gaugeScales(bool metricUnits);

// Everything a cursor position shows: the four cursor texts, the gauge needles in the
// units of the scales (absent: no needle) and the bar values of the sample.
struct CursorReadout {
  std::string time, maxDepth, depth, pressure;  // controls 1147, 1146, 1148, 1149
  std::optional<double> consumption;            // l/min or cft/min, capped at the scale
  std::optional<double> depthNeedle;            // m or ft, capped at the scale
  std::optional<double> maxDepthNeedle;         // the red needle
  std::optional<double> pressureNeedle;         // bar or psi
  bool bars = false;                            // the bar chart shows the sample
  int level6 = 0, accumulated = 0, level3 = 0;
};
// The readout of sample `cursor` (clamped to the dive); all empty without a profile.
CursorReadout cursorReadout(const DiveRecord& r, int cursor, bool metricUnits,
                            const ComputerModelTable& models = computerModels());
// Bar heights in pixels: level6; accumulated capped at 36 over 70 pixels; level3 capped at
// 22 over 70 pixels.
int barHeightLevel6(int level6);
int barHeightAccumulated(int accumulated);
int barHeightLevel3(int level3);

}  // namespace kelp
