#include "analysis/dive_tables.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <system_error>

#include "core/ini_file.h"
#include "core/texts.h"
#include "core/strings.h"

namespace kelp {
namespace {

constexpr int kMaxMinutes = 9999;     // no card value comes near it
constexpr size_t kMaxFileSize = 1 << 20;
constexpr size_t kMaxCurvePoints = 18;

std::string trim(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && (s[a] == ' ' || s[a] == '\t' || s[a] == '\r')) ++a;
  while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r')) --b;
  return s.substr(a, b - a);
}

std::vector<std::string> words(const std::string& s) {
  std::vector<std::string> out;
  std::istringstream in(s);
  std::string w;
  while (in >> w) out.push_back(w);
  return out;
}

std::vector<std::string> splitAt(const std::string& s, char sep) {
  std::vector<std::string> out;
  size_t start = 0;
  for (;;) {
    const size_t p = s.find(sep, start);
    out.push_back(s.substr(start, p == std::string::npos ? std::string::npos : p - start));
    if (p == std::string::npos) break;
    start = p + 1;
  }
  return out;
}

// A whole number 0..kMaxMinutes written with digits only.
bool number(const std::string& w, int& out) {
  if (w.empty() || w.size() > 4) return false;
  int v = 0;
  for (char c : w) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  out = v;
  return v <= kMaxMinutes;
}

// A number or "?" (kUnknownValue).
bool numberOrUnknown(const std::string& w, int& out) {
  if (w == "?") {
    out = kUnknownValue;
    return true;
  }
  return number(w, out);
}

bool rowDepth(const std::string& w, int& depth) {
  return number(w, depth) && depth >= kDecoFirstDepth && depth <= kDecoLastDepth &&
         (depth - kDecoFirstDepth) % kDecoDepthStep == 0;
}

class Parser {
 public:
  Parser(const std::string& name, DiveTables& out) : name_(name), t_(out) {}

  Result line(int no, const std::string& raw) {
    no_ = no;
    std::string s = raw;
    const size_t hash = s.find('#');
    if (hash != std::string::npos) s.erase(hash);
    s = trim(s);
    if (s.empty()) return Result::success();
    const size_t colon = s.find(':');
    const std::string head = s.substr(0, colon);
    const bool hasEntries = colon != std::string::npos;
    const std::string tail = hasEntries ? s.substr(colon + 1) : std::string();
    const std::vector<std::string> w = words(head);
    if (w.empty()) return hasEntries ? error(str(63600)) : Result::success();
    if (w[0] == "sea" || w[0] == "lake") return decoRow(w[0] == "sea" ? kSeaLevel : kMountainLake, w, hasEntries, tail);
    if (hasEntries) return error(str(63601));
    if (w[0] == "interval") return intervalRow(w);
    if (w[0] == "nitrogen") return nitrogenRow(w);
    if (w[0] == "curve") return curve(w);
    return error(strf(63602, w[0].c_str()));
  }

 private:
  Result error(const std::string& what) const {
    return Result::failure(strf(63541, name_.c_str(), no_, what.c_str()));
  }

  Result decoRow(int table, const std::vector<std::string>& w, bool hasEntries, const std::string& tail) {
    int depth = 0;
    if (w.size() < 2 || !rowDepth(w[1], depth)) return error(str(63603));
    DecoRow& row = t_.deco[table].rows[decoRowIndex(depth)];
    if (seenDeco_[table][decoRowIndex(depth)]) return error(strf(63604, depth));
    seenDeco_[table][decoRowIndex(depth)] = true;
    size_t k = 2;
    if (k >= w.size()) return error(str(63605));
    if (w[k] == "present") {
      row.status = RowStatus::Present;
    } else if (w[k] == "absent") {
      row.status = RowStatus::Absent;
    } else if (w[k] == "partial") {
      row.status = RowStatus::Partial;
      ++k;
      const std::vector<std::string> range = k < w.size() ? splitAt(w[k], '-') : std::vector<std::string>{};
      if (range.size() != 2 || !number(range[0], row.fromTime) || !number(range[1], row.toTime) ||
          row.fromTime < 1 || row.fromTime > row.toTime)
        return error(str(63606));
    } else {
      return error(str(63605));
    }
    ++k;
    if (k + 2 != w.size() || w[k] != "nostop" || !numberOrUnknown(w[k + 1], row.noStopLimit))
      return error(str(63607));
    row.entries.clear();
    if (hasEntries) {
      for (const std::string& e : splitAt(tail, ';')) {
        Result r = entry(row, e);
        if (!r) return r;
      }
    }
    if (row.status == RowStatus::Absent && !row.entries.empty())
      return error(str(63608));
    if (row.status != RowStatus::Absent && row.entries.empty())
      return error(str(63609));
    if (row.status == RowStatus::Partial && row.entries.back().bottomTime < row.toTime)
      return error(str(63610));
    return Result::success();
  }

  Result entry(DecoRow& row, const std::string& text) {
    const std::vector<std::string> w = words(text);
    if (w.empty()) return Result::success();  // "a; ; b" and a closing ';'

    DecoEntry e;
    if (w.size() < 2 || w.size() > 3 || !number(w[0], e.bottomTime) || e.bottomTime < 1)
      return error(str(63611));
    if (w[1].size() != 1 || w[1][0] < 'B' || w[1][0] > 'G') return error(str(63612));
    e.group = w[1][0];
    if (w.size() == 3) {
      const std::vector<std::string> stops = splitAt(w[2], '/');
      if (stops.size() > e.stops.size()) return error(str(63613));
      for (size_t i = 0; i < stops.size(); ++i)
        if (!number(stops[i], e.stops[i])) return error(str(63614));
    }
    if (!row.entries.empty() && e.bottomTime <= row.entries.back().bottomTime)
      return error(str(63615));
    if (static_cast<int>(row.entries.size()) >= kDecoMaxEntries)
      return error(strf(63616, kDecoMaxEntries));
    row.entries.push_back(e);
    return Result::success();
  }

  int groupIndex(const std::string& w) const {
    if (w.size() != 1 || w[0] < 'B' || w[0] > 'G') return -1;
    return w[0] - 'B';
  }

  Result sixValues(const std::vector<std::string>& w, bool& present,
                   std::array<int, kIntervalColumns>& values) {
    if (w.size() < 3) return error(str(63617));
    if (w[2] == "absent") {
      if (w.size() != 3) return error(str(63618));
      present = false;
      values = {};
      return Result::success();
    }
    if (w[2] != "present") return error(str(63617));
    if (w.size() != 3 + kIntervalColumns) return error(str(63619));
    for (int c = 0; c < kIntervalColumns; ++c)
      if (!number(w[3 + c], values[c])) return error(str(63620));
    present = true;
    return Result::success();
  }

  Result intervalRow(const std::vector<std::string>& w) {
    const int g = w.size() > 1 ? groupIndex(w[1]) : -1;
    if (g < 0) return error(str(63621));
    if (seenInterval_[g]) return error(strf(63622, w[1].c_str()));
    seenInterval_[g] = true;
    IntervalRow& row = t_.interval[g];
    Result r = sixValues(w, row.present, row.bounds);
    if (!r) return r;
    int last = 0;
    for (int b : row.bounds) {
      if (b == 0) continue;
      if (b <= last) return error(str(63623));
      last = b;
    }
    return Result::success();
  }

  Result nitrogenRow(const std::vector<std::string>& w) {
    int depth = 0;
    if (w.size() < 2 || !rowDepth(w[1], depth)) return error(str(63603));
    const int i = decoRowIndex(depth);
    if (seenNitrogen_[i]) return error(strf(63604, depth));
    seenNitrogen_[i] = true;
    NitrogenRow& row = t_.nitrogen[i];
    return sixValues(w, row.present, row.minutes);
  }

  Result curve(const std::vector<std::string>& w) {
    NoStopCurve* c = nullptr;
    int which = 0;
    if (w.size() > 1 && w[1] == "usnavy") c = &t_.usNavy, which = 0;
    else if (w.size() > 1 && w[1] == "aladin-0-900") c = &t_.aladinLow, which = 1;
    else if (w.size() > 1 && w[1] == "aladin-1750-2700") c = &t_.aladinHigh, which = 2;
    if (!c) return error(str(63624));
    if (seenCurve_[which]) return error(strf(63625, w[1].c_str()));
    seenCurve_[which] = true;
    if (w.size() - 2 > kMaxCurvePoints) return error(str(63626));
    c->points.clear();
    for (size_t i = 2; i < w.size(); ++i) {
      int v = 0;
      if (!numberOrUnknown(w[i], v)) return error(str(63627));
      c->points.push_back(v);
    }
    return Result::success();
  }

  std::string name_;
  DiveTables& t_;
  int no_ = 0;
  bool seenDeco_[kAltitudeTableCount][kDecoRowCount]{};
  bool seenInterval_[6]{};
  bool seenNitrogen_[kDecoRowCount]{};
  bool seenCurve_[3]{};
};


struct TablesCache {
  std::string path;          // override, "" = default
  bool loaded = false;
  std::unique_ptr<DiveTables> tables;
  std::string error;
};

TablesCache& cache() {
  static TablesCache c;
  return c;
}

}  // namespace

bool DecoRow::answers(int total) const {
  switch (status) {
    case RowStatus::Absent: return false;
    case RowStatus::Present: return true;
    case RowStatus::Partial: return total >= fromTime && total <= toTime;
  }
  return false;
}

DiveTables::DiveTables() {
  for (auto& table : deco)
    for (int i = 0; i < kDecoRowCount; ++i) table.rows[i].depth = kDecoFirstDepth + i * kDecoDepthStep;
  usNavy.label = "US Navy";
  aladinLow.label = "Aladin 0-900 m";
  aladinHigh.label = "Aladin 1750-2700 m";
}

std::vector<std::pair<int, int>> noStopCurveSegments(const std::vector<int>& points) {
  std::vector<std::pair<int, int>> out;
  for (size_t i = 1; i < points.size(); ++i)
    if (points[i - 1] != kUnknownValue && points[i] != kUnknownValue)
      out.emplace_back(static_cast<int>(i - 1), static_cast<int>(i));
  return out;
}

std::array<NoStopCurve, 5> DiveTables::noStopCurves() const {
  std::array<NoStopCurve, 5> out;
  out[0].label = "Deco 92 0-700 m";
  out[1].label = "Deco 92 701-1500 m";
  for (int table = 0; table < 2; ++table)
    for (int i = decoRowIndex(12); i < kDecoRowCount; ++i) out[table].points.push_back(deco[table].rows[i].noStopLimit);
  out[2] = usNavy;
  out[3] = aladinLow;
  out[4] = aladinHigh;
  return out;
}

int decoRowDepthFor(int depth) {
  if (depth > kDecoLastDepth) return 0;
  if (depth <= kDecoFirstDepth) return kDecoFirstDepth;
  const int above = depth - kDecoFirstDepth;
  return kDecoFirstDepth + (above + kDecoDepthStep - 1) / kDecoDepthStep * kDecoDepthStep;
}

DecoLookup lookupDeco(const DiveTables& t, int altitude, int depth, int total) {
  DecoLookup out;
  out.wantedDepth = decoRowDepthFor(depth);
  if (out.wantedDepth == 0 || altitude < 0 || altitude >= kAltitudeTableCount) return out;
  const DecoTable& table = t.deco[altitude];
  for (int i = decoRowIndex(out.wantedDepth); i < kDecoRowCount; ++i) {
    const DecoRow& row = table.rows[i];
    if (!row.answers(total)) continue;
    out.row = &row;
    for (const DecoEntry& e : row.entries)
      if (e.bottomTime >= total) {
        out.entry = &e;
        break;
      }
    break;
  }
  return out;
}

ResidualLookup lookupResidual(const DiveTables& t, char group, int interval, int depth) {
  ResidualLookup out;
  out.group = group;
  if (group < 'B' || group > 'G' || interval <= 0) return out;
  const IntervalRow& iv = t.interval[group - 'B'];
  if (depth > kDecoLastDepth) return out;
  const int d = depth < kDecoFirstDepth ? kDecoFirstDepth : depth;
  out.rowDepth = kDecoFirstDepth + (d - kDecoFirstDepth) / kDecoDepthStep * kDecoDepthStep;
  if (!iv.present) {
    out.status = RepetitiveStatus::NoData;
    return out;
  }
  int column = -1;
  for (int c = 0; c < kIntervalColumns; ++c)
    if (iv.bounds[c] >= interval) {
      column = c;
      break;
    }
  if (column < 0) return out;  // beyond the last bound: the nitrogen is gone
  out.column = column;
  const NitrogenRow& row = t.nitrogen[decoRowIndex(out.rowDepth)];
  if (!row.present) {
    out.status = RepetitiveStatus::NoData;
    return out;
  }
  out.status = RepetitiveStatus::Known;
  out.minutes = row.minutes[column];
  return out;
}

int noFlyHours(char group) {
  if (group < 'B' || group > 'G') return 0;
  return 6 * (group - 'A');
}

Result parseDiveTables(const std::string& text, const std::string& name, DiveTables& out) {
  DiveTables t;
  Parser p(name, t);
  std::istringstream in(text);
  std::string line;
  int no = 0;
  while (std::getline(in, line)) {
    Result r = p.line(++no, line);
    if (!r) return r;
  }
  out = std::move(t);
  return Result::success();
}

Result loadDiveTables(const std::string& path, DiveTables& out) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec))
    return Result::failure(strf(63542, path.c_str()));
  std::ifstream in(path, std::ios::binary);
  if (!in) return Result::failure(strf(63543, path.c_str()));
  std::string text;
  char buf[4096];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    text.append(buf, static_cast<size_t>(in.gcount()));
    if (text.size() > kMaxFileSize)
      return Result::failure(strf(63544, path.c_str()));
  }
  if (in.bad()) return Result::failure(strf(63543, path.c_str()));
  return parseDiveTables(text, path, out);
}

std::string diveTablesPath() {
  if (!cache().path.empty()) return cache().path;
  return shippedFilePath("dive_tables.txt");
}

void setDiveTablesPath(const std::string& path) {
  cache().path = path;
  reloadDiveTables();
}

const DiveTables* diveTables(std::string* error) {
  TablesCache& c = cache();
  if (!c.loaded) {
    c.loaded = true;
    auto t = std::make_unique<DiveTables>();
    Result r = loadDiveTables(diveTablesPath(), *t);
    if (r) {
      c.tables = std::move(t);
      c.error.clear();
    } else {
      c.tables.reset();
      c.error = r.error;
    }
  }
  if (error) *error = c.error;
  return c.tables.get();
}

void reloadDiveTables() {
  cache().loaded = false;
  cache().tables.reset();
}

}  // namespace kelp
