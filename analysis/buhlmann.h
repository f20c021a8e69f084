#pragma once
// The Bühlmann ZH-L16C planner with gradient factors: 16 nitrogen compartments, a dive of
// descent at 20 m/min, bottom time and ascent at 10 m/min with stops every 3 m, for air or
// nitrox, at sea level or at altitude, single or after a previous dive. It stands beside the
// DECO 92 tables of analysis/deco_plan.h and never reads them.
#include <array>
#include <string>
#include <vector>

#include "analysis/deco_plan.h"
#include "core/logbook.h"

namespace kelp {

inline constexpr int kCompartmentCount = 16;
// The ZH-L16C nitrogen coefficients: half-times in minutes, a in bar, b without unit.
extern const std::array<double, kCompartmentCount> kHalfTimes;
extern const std::array<double, kCompartmentCount> kCoefficientA;
extern const std::array<double, kCompartmentCount> kCoefficientB;

inline constexpr double kSeaLevelPressure = 1.01325;  // bar
inline constexpr double kWaterVapour = 0.0627;        // bar, in the lungs
inline constexpr double kAirNitrogen = 0.79;
inline constexpr double kDescentRate = 20.0;          // m/min
inline constexpr double kAscentRate = 10.0;           // m/min
inline constexpr double kStopStep = 3.0;              // metres between stops
inline constexpr double kMaxBottomPpO2 = 1.4;         // bar, nitrox

// What the planner accepts.
inline constexpr double kPlanMaxDepth = 100.0;        // metres
inline constexpr int kPlanMaxBottomTime = 999;        // minutes; also the longest no-stop limit searched
inline constexpr int kPlanMinO2 = 21, kPlanMaxO2 = 40;  // percent
inline constexpr int kPlanMaxAltitude = 5000;         // metres
inline constexpr int kPlanMaxInterval = 99999;        // minutes
inline constexpr int kPlanMaxStopMinutes = 9999;      // all stops together; beyond it the plan is refused
// The no-stop limit when even the longest bottom time planned needs no stop.
inline constexpr int kNoStopBeyond = -1;

// Surface pressure at an altitude in metres (sea level: 1.01325 bar).
double surfacePressure(double altitude);
// Nitrogen breathed at an ambient pressure: (ambient - water vapour) x fN2.
double inspiredNitrogen(double ambient, double fN2);
// Nitrogen fraction of a mix with o2Percent oxygen: 0.79 for air (21 %), else 1 - fO2.
double nitrogenFraction(int o2Percent);

// One compartment after `minutes` at a constant inspired pressure (Haldane) ...
double haldane(double start, double inspired, double halfTime, double minutes);
// ... and while the inspired pressure changes by `rate` bar/min from `inspired` (Schreiner).
double schreiner(double start, double inspired, double rate, double halfTime, double minutes);

// The nitrogen of the 16 compartments, with the surface pressure the dive starts from.
struct Tissues {
  std::array<double, kCompartmentCount> n2{};
  double surface = kSeaLevelPressure;
  // Saturated with air at the surface: (surface - water vapour) x 0.79 everywhere.
  static Tissues saturated(double surface);
  double ambient(double depth) const { return surface + depth / 10.0; }
  // At a constant depth for `minutes`, breathing a mix with nitrogen fraction fN2.
  void stay(double depth, double minutes, double fN2);
  // From one depth to another in `minutes`, the depth changing linearly.
  void travel(double from, double to, double minutes, double fN2);
  // The deepest tolerated ambient pressure for a gradient factor g (0..1), as a depth in
  // metres; at or below 0 the diver may surface.
  double ceiling(double g) const;
};

// A dive to plan. Gradient factors in percent, altitude in metres.
struct BuhlmannRequest {
  double depth = 30.0;          // metres
  int bottomTime = 20;          // minutes, from leaving the surface to leaving the bottom
  int o2 = 21;                  // percent oxygen
  int gfLow = 30, gfHigh = 75;
  int altitude = 0;
  bool repetitive = false;
  double previousDepth = 0;     // the previous dive, planned the same way
  int previousTime = 0;
  int previousO2 = 21;
  int interval = 0;             // minutes at the surface on air since the previous dive
};

struct BuhlmannStop {
  int depth = 0;                // metres
  int minutes = 0;
};

struct BuhlmannPlan {
  int noStopLimit = 0;          // minutes ("in curva"), kNoStopBeyond when beyond kPlanMaxBottomTime
  bool noStop = false;          // the diver ascends directly
  std::vector<BuhlmannStop> stops;  // deepest first, stops of 0 minutes included
  double ascentMinutes = 0;     // the ascent with its stops, not rounded
  int runTime = 0;              // bottom time + ascent + stops, rounded up to a whole minute
  int stopMinutes() const;
  // The stops that hold the diver (minutes above 0), deepest first.
  std::vector<BuhlmannStop> heldStops() const;
};

// Checks the request against the planner's limits and the refusals (bottom ppO2 above 1.4 bar
// on nitrox, a bottom time shorter than the descent), for the dive and its previous dive.
Result checkBuhlmannRequest(const BuhlmannRequest& r);
// Plans the dive; a refused request gives its message.
Result planBuhlmann(const BuhlmannRequest& r, BuhlmannPlan& plan);
// The no-stop limit at a depth from the given tissues, with GF high in percent.
int noStopLimit(const Tissues& start, double depth, int o2, int gfHigh);

// The no-stop limits at 12, 15, ... 63 m, air at sea level, with these gradient factors.
std::vector<int> buhlmannNoStopCurve(int gfLow, int gfHigh);
// "Bühlmann ZH-L16C GF 30/75 (calcolato)".
std::string buhlmannCurveLabel(int gfLow, int gfHigh);

// The result box of a plan: model and gradient factors, gas, altitude, the previous dive,
// run time, no-stop limit and every stop from the deepest to 3 m.
std::string buhlmannResultText(const BuhlmannRequest& r, const BuhlmannPlan& plan);
// The note every plan carries: it does not replace the diver's computer or training.
std::string buhlmannDisclaimer();

// The planned profile of a plan (samples 20 s apart) for the calculator's drawing and the
// clip buffer: the flag bit 0 marks the samples from the end of the no-stop time to the
// end of the last stop.
void buildBuhlmannProfile(const BuhlmannRequest& r, const BuhlmannPlan& plan, PlannedProfile& out);

// The calculator's Bühlmann side, kept for the run of the program like the tables' plan.
struct BuhlmannCalcState {
  bool chosen = false;          // the calculator plans with this model
  BuhlmannRequest request;     // the inputs as last read from the window
  BuhlmannRequest planned;     // the inputs of the plan shown
  BuhlmannPlan plan;
  bool resultValid = false;
  std::string resultText;
  PlannedProfile profile;
};
BuhlmannCalcState& buhlmannCalcState();
// "Calcola" with the Bühlmann model: plans, fills the result text and the profile; false (the
// text holds the refusal) when the request is refused.
bool runBuhlmannCalculation(BuhlmannCalcState& s);

// Which fields of the calculator take input: the tables' (altitude table, repetitive group, air
// data) or the model's (gradient factors, oxygen, altitude, the previous dive); the surface
// interval serves both for a repetitive dive. Printing is the tables' page alone.
struct CalcFields {
  bool altitudeTable, group, air, model, previousDive, interval, print;
};
CalcFields calcFields(bool buhlmann, bool repetitive, bool resultValid);

}  // namespace kelp
