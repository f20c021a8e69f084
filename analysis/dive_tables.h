#pragma once
// The DECO 92 air tables and the compared no-stop curves, read from the data file
// dive_tables.txt. The file holds only values printed on the cards: a row whose values
// are not known is marked absent and is never filled in by the program. Lookups go to
// the next deeper row that is present (the safe side), and report which row they used.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/logbook.h"

namespace kelp {

inline constexpr int kDecoFirstDepth = 9;   // metres
inline constexpr int kDecoDepthStep = 3;
inline constexpr int kDecoLastDepth = 63;
inline constexpr int kDecoRowCount = 19;
inline constexpr int kDecoMaxEntries = 11;
inline constexpr int kIntervalColumns = 6;
inline constexpr int kUnknownValue = -1;    // a value the shipped tables do not hold ("?")

// Stop depths in the order the stops are stored.
inline constexpr std::array<int, 5> kStopDepths{3, 6, 9, 12, 15};

enum AltitudeTable { kSeaLevel = 0, kMountainLake = 1, kAltitudeTableCount = 2 };

// One cell of a depth row: up to `bottomTime` minutes gives `group` with these stops.
struct DecoEntry {
  int bottomTime = 0;
  char group = 0;                  // 'B'..'G'
  std::array<int, 5> stops{};      // minutes at 3, 6, 9, 12, 15 m
};

enum class RowStatus { Absent, Present, Partial };

struct DecoRow {
  int depth = 0;                   // metres
  RowStatus status = RowStatus::Absent;
  int fromTime = 0, toTime = 0;    // bottom times a partial row answers (inclusive)
  int noStopLimit = kUnknownValue; // minutes; known even for some absent rows
  std::vector<DecoEntry> entries;  // increasing bottom time
  // Whether the row can answer a bottom time (plus residual nitrogen) of `total` minutes.
  bool answers(int total) const;
};

struct DecoTable {
  std::array<DecoRow, kDecoRowCount> rows;  // 9, 12, ... 63 m
};

// Surface-interval bounds of one previous group: column c covers intervals up to bounds[c];
// a bound of 0 is a column the group cannot reach.
struct IntervalRow {
  bool present = false;
  std::array<int, kIntervalColumns> bounds{};
};

// Residual nitrogen minutes of one depth row, per column.
struct NitrogenRow {
  bool present = false;
  std::array<int, kIntervalColumns> minutes{};
};

// One compared no-stop curve: point i stands for 12 + 3*i metres.
struct NoStopCurve {
  std::string label;               // check box text
  std::vector<int> points;         // minutes, kUnknownValue where not known
};

// The stretches of a compared curve drawn as lines, as pairs of point indices: two known points
// are joined only when their table depths are neighbours (3 m apart); a known point with no
// known neighbour is drawn alone, so no line reads a value that no table holds.
std::vector<std::pair<int, int>> noStopCurveSegments(const std::vector<int>& points);

struct DiveTables {
  std::array<DecoTable, kAltitudeTableCount> deco;
  std::array<IntervalRow, 6> interval;            // previous groups B..G
  std::array<NitrogenRow, kDecoRowCount> nitrogen;
  NoStopCurve usNavy, aladinLow, aladinHigh;

  DiveTables();
  // The five compared curves in check-box order: DECO 92 sea level, DECO 92 mountain lake
  // (the no-stop limits of their 12..63 m rows), US Navy, Aladin 0-900 m, Aladin 1750-2700 m.
  std::array<NoStopCurve, 5> noStopCurves() const;
};

inline int decoRowIndex(int depth) { return (depth - kDecoFirstDepth) / kDecoDepthStep; }

// The row a depth (whole metres) is read from, present or not: the first row at or below it,
// 9 m for anything shallower; 0 beyond 63 m.
int decoRowDepthFor(int depth);

// The result of reading a depth row for a total bottom time.
struct DecoLookup {
  int wantedDepth = 0;              // the row the depth belongs to
  const DecoRow* row = nullptr;     // the row used (next deeper present row when absent)
  const DecoEntry* entry = nullptr; // the entry, when the row holds one for the time
};
// Reads table `altitude` for a depth (whole metres) and a total bottom time. row is null when
// no row at or below the depth can answer the time; entry is null when the row used has no
// entry that long (the tables are not sufficient).
DecoLookup lookupDeco(const DiveTables& t, int altitude, int depth, int total);

enum class RepetitiveStatus {
  NotRepetitive,  // no valid previous group, no interval, or the interval is beyond every bound
  Known,          // residual nitrogen found
  NoData,         // the tables shipped do not hold the group's or the depth's row
};
struct ResidualLookup {
  RepetitiveStatus status = RepetitiveStatus::NotRepetitive;
  int minutes = 0;
  int column = 0;
  int rowDepth = 0;                 // nitrogen row read (or missing)
  char group = 0;
};
// Residual nitrogen of a previous group after a surface interval, for a depth in whole metres.
// The row is the one at the depth or the last shallower one; dives shallower than 9 m read the
// 9 m row as the main lookup does. An interval of 0 or less is not repetitive.
ResidualLookup lookupResidual(const DiveTables& t, char group, int interval, int depth);

// No-fly hours of a repetitive group (B 6 ... G 36), 0 for anything else.
int noFlyHours(char group);

// Reads the text of a tables file; `name` is used in the messages.
Result parseDiveTables(const std::string& text, const std::string& name, DiveTables& out);
Result loadDiveTables(const std::string& path, DiveTables& out);

// "dive_tables.txt" beside the program, else in the installed data folder.
std::string diveTablesPath();
// Another file for the process-wide tables (tests, a diver's own copy); "" restores the default.
void setDiveTablesPath(const std::string& path);
// The process-wide tables, read at first use. Null when the file is missing or unreadable;
// error then holds the message.
const DiveTables* diveTables(std::string* error = nullptr);
// Reads the file again at the next diveTables().
void reloadDiveTables();

}  // namespace kelp
