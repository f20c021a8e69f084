#pragma once
// The DECO 92 dive calculator: plans a single or repetitive air dive from the tables of
// analysis/dive_tables.h, with times, stops, no-fly time, air and the planned profile.
// The calculator window, kelp-cli "deco" and the profile window's "Deco 92" share it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/dive_tables.h"
#include "core/dive_record.h"
#include "profile/deco92_link.h"
#include "profile/profile_clip.h"

namespace kelp {

class Logbook;

// The calculator's state: inputs, then results.
struct DecoPlan {
  int repetitive = 0;
  std::string groupText;        // group of the previous dive; its first character counts
  int surfaceInterval = 0;      // minutes
  double maxDepth = 50.0;       // metres
  int bottomTime = 12;          // minutes
  double tankVolume = 15.0;     // litres
  int tankPressure = 200;       // bar
  int altitudeClass = 0;        // 0 sea level (0-700 m), 1 mountain lake (701-1500 m)
  int64_t startTime = 0;        // seconds since 1970
  double airConsumption = 20.0; // l/min at the surface

  int diveTime = 0;             // bottom time plus the ascent with its stops
  int ascentTime = 0;           // "Tempo di desaturazione": stops plus ascent
  int ascentOnly = 0;           // ascent without the stops
  int64_t endTime = 0;
  std::string groupResult;      // one letter
  int noStopLimit = 0;          // of the table row used; kUnknownValue when not in the tables
  int residualNitrogen = 0;
  int noFlyHours = 0;
  int stop15 = 0, stop12 = 0, stop9 = 0, stop6 = 0, stop3 = 0;
  int remainingPressure = 0;    // bar
  int deltaPressure = 0;        // bar
  int airUsed = 0;              // barl
  int resultValid = 0;
  std::string resultText;

  int tableDepth = 0;           // the row used (0 when none)
  int wantedDepth = 0;          // the row the depth belongs to
  std::string note;             // Italian remark on the tables used, or why no plan
};

// The state of the first opening of the calculator in a run: start time now, the
// logbook's average consumption when it has one.
DecoPlan initialDecoPlan(const Logbook& lb, int64_t now);

// The planned profile: samples 20 s apart. Points 0..sampleCount (the last one at the
// surface); depths are negative metres once the plan is complete.
struct PlannedProfile {
  std::vector<double> depths;       // sampleCount + 1
  std::vector<int> pressures;       // bar, when hasPressure
  std::vector<uint8_t> flags;       // bit 0: a decompression stop applies
  std::vector<uint8_t> stopDepth;   // metres, of the stop that applies
  std::vector<uint8_t> stopMinutes;
  std::vector<uint8_t> noStopLeft;  // remaining no-stop minutes (at most 99); one more slot
                                    // holds the end marker kProfileEndMarker
  std::vector<uint8_t> ascentTotal; // minutes to the surface with every stop owed
  int maxDepth = 0;                 // whole metres
  int sampleCount = 0;              // 3 x dive time
  bool hasPressure = false;
  void clear() { *this = PlannedProfile{}; }
  // An empty profile of `samples` samples (all at the surface) and its deepest depth.
  void reset(int samples, int deepest) {
    sampleCount = samples;
    maxDepth = deepest;
    const auto n = static_cast<size_t>(samples) + 1;
    depths.assign(n, 0.0);
    flags.assign(n, 0);
    stopDepth.assign(n, 0);
    stopMinutes.assign(n, 0);
    noStopLeft.assign(n + 1, 0);
    ascentTotal.assign(n, 0);
  }
};
inline constexpr uint8_t kProfileEndMarker = 'c';

// Stop minutes of the plan in stored order (3, 6, 9, 12, 15 m).
std::array<int, 5> planStops(const DecoPlan& p);

// The plan computation: fills the results of p and the profile from its inputs. False when
// the tables hold no entry for it (p.note says why when the tables' gaps are the reason).
// A depth or bottom time of 0 or less, an altitude table other than 0 and 1 or a repetitive
// dive whose group or depth the tables do not hold plan nothing.
bool computeDecoPlan(const DiveTables& t, DecoPlan& p, PlannedProfile& profile);

enum class DecoOutcome { Ignored, Planned, NotSufficient };
// "Calcola": a depth or bottom time of 0 or less, or negative air data, does nothing; with a tank, a pressure of 0
// becomes 200 bar and a consumption of 0 becomes 20 l/min; then the plan and the result
// text. Without tables (t null) the result text gives tablesError.
DecoOutcome runDecoCalculation(const DiveTables* t, const std::string& tablesError, DecoPlan& p,
                               PlannedProfile& profile);

// The result box text of a computed plan (string 62704 filled in, "?" for unknown values)
// or of a failure ("Tabelle nicht ausreichend" on the second line).
std::string decoResultText(const DecoPlan& p, bool found);

// The plan of the profile window's and the profile creation's "Deco 92" buttons: a fresh plan
// without air data for the request's depth, bottom time and altitude table (2: above 1500 m,
// no table). False when nothing is planned; p.resultText then says why (empty for a depth
// or bottom time of 0).
bool planForDeco92(const DiveTables& t, const Deco92Request& request, DecoPlan& p, PlannedProfile& profile);
// The planner the "Deco 92" buttons call (registered with registerDeco92Planner): plans with
// the process-wide tables into the process-wide planned profile and, when the tables hold an
// entry, puts the profile (sampleCount + 1 points, depths, flag bytes) into the clip buffer.
// Otherwise `message` says why ("Tabelle nicht ausreichend" and its reason, or the tables
// file's error); it stays empty for a depth or bottom time of 0.
bool planDeco92IntoClip(const Deco92Request& request, ProfileClip& clip, std::string& message);

// The calculator's buttons: what is enabled for a result, a clip buffer and its overlay.
struct DecoButtons {
  bool copy, paste, cut, print, drawing;
};
DecoButtons decoButtons(bool resultValid, int clipCount, bool clipShown);

// The process-wide calculator state and planned profile (they outlive the window).
// Opening the calculator: the first time in a run the state starts from initialDecoPlan();
// later, when the logbook has computed a new average consumption since (its
// averageSacUpdated flag, cleared here), the consumption is taken over and the result
// shown is dropped.
DecoPlan& openDecoPlanState(Logbook& lb, int64_t now);
PlannedProfile& plannedProfile();

}  // namespace kelp
