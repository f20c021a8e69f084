#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "transfer/imports.h"

namespace kelp {

namespace {

constexpr size_t MAX_LINE = 1024;

std::string lower(std::string s) {
  for (auto& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::string trimBlanks(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && s[a] == ' ') ++a;
  while (b > a && s[b - 1] == ' ') --b;
  return s.substr(a, b - a);
}

// Lines as a line reader of 1024 characters delivers them: longer lines go on
// as the next line.
std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string cur;
  for (char c : text) {
    cur.push_back(c);
    if (c == '\n' || cur.size() >= MAX_LINE - 1) {
      lines.push_back(std::move(cur));
      cur.clear();
    }
  }
  if (!cur.empty()) lines.push_back(std::move(cur));
  return lines;
}

int16_t clampField(double v, double high = NO_VALUE - 1) {
  return static_cast<int16_t>(std::clamp(v, -32768.0, high));
}

}  // namespace

GuardianSection::GuardianSection(std::string path) : path_(std::move(path)) {
  std::ifstream in(path_, std::ios::binary);
  if (!in) return;
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  lines_ = splitLines(text);
}

GuardianSection GuardianSection::fromText(const std::string& text) {
  GuardianSection s;
  s.lines_ = splitLines(text);
  return s;
}

bool GuardianSection::readSection(const std::string& name) {
  entries_.clear();
  found_ = false;
  const std::string head = lower("[" + name + "]");
  size_t i = 0;
  for (; i < lines_.size(); ++i)
    if (lower(lines_[i].substr(0, head.size())) == head) break;
  if (i == lines_.size()) return false;
  found_ = true;
  for (++i; i < lines_.size(); ++i) {
    std::string line = lines_[i];
    if (line.find_first_of("[]") != std::string::npos) break;
    const size_t comment = line.find(';');
    if (comment != std::string::npos) line.resize(comment);
    std::string clean;
    for (char c : line) {
      if (c == '\r' || c == '\n') continue;
      clean.push_back(c == '\t' ? ' ' : c);
    }
    clean = trimBlanks(clean);
    if (clean.empty()) continue;
    const size_t eq = clean.find('=');
    if (eq == std::string::npos)
      entries_.emplace_back(clean, "");
    else
      entries_.emplace_back(trimBlanks(clean.substr(0, eq)), trimBlanks(clean.substr(eq + 1)));
  }
  return true;
}

bool GuardianSection::getText(const std::string& key, std::string& value) const {
  const std::string k = lower(key);
  for (const auto& [ek, ev] : entries_)
    if (lower(ek) == k) {
      value = ev;
      return true;
    }
  return false;
}

bool GuardianSection::getInt(const std::string& key, int& value) const {
  std::string text;
  return getText(key, text) && scanInt(text, value);
}

bool GuardianSection::getNumber(const std::string& key, double& value) const {
  std::string text;
  return getText(key, text) && scanFloat(text, value) && std::isfinite(value);
}

ImportResult importGuardian(const std::string& path) {
  return importGuardian(path, settings().defaults);
}

ImportResult importGuardian(const std::string& path, const DiveDefaults& defaults) {
  ImportResult res;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    res.error = str(62523);
    return res;
  }
  std::ifstream in(path, std::ios::binary);
  const std::string text = in ? std::string((std::istreambuf_iterator<char>(in)),
                                            std::istreambuf_iterator<char>())
                              : std::string();
  return importGuardianText(text, defaults);
}

ImportResult importGuardianText(const std::string& text, const DiveDefaults& defaults) {
  ImportResult res;
  res.ok = true;
  DiveRecord& r = res.record;
  initRecord(r);
  if (defaults.use) applyDefaults(r, defaults);

  GuardianSection sec = GuardianSection::fromText(text);
  sec.readSection("GENERAL");
  std::string s;
  int iv = 0;
  double dv = 0;
  if (sec.getText("DiveDate", s)) {
    int dmy[3] = {0, 0, 0};
    // "%02d-%02d-%04d"
    int n = 0;
    size_t p = 0;
    for (int width : {2, 2, 4}) {
      if (n > 0) {
        if (p >= s.size() || s[p] != '-') break;
        ++p;
      }
      int digits = 0, v = 0;
      while (p < s.size() && digits < width && s[p] >= '0' && s[p] <= '9') {
        v = v * 10 + (s[p++] - '0');
        ++digits;
      }
      if (!digits) break;
      dmy[n++] = v;
    }
    if (n == 3 && dmy[0] >= 1 && dmy[0] <= 31 && dmy[1] >= 1 && dmy[1] <= 12 && dmy[2] >= 1600)
      r.date = dayNumber(dmy[0], dmy[1], dmy[2]);
  }
  if (sec.getText("DiveTime", s)) {
    int h = 0, m = 0;
    const size_t colon = s.find(':');
    scanInt(s.substr(0, std::min<size_t>(colon, 2)), h);
    if (colon != std::string::npos) scanInt(s.substr(colon + 1, 2), m);
    r.timeOfDay = clampField(h * 60.0 + m);
  }
  if (sec.getInt("Temperature", iv)) r.minWaterTemperature = clampField(iv * 100.0);
  int points = 0;
  if (sec.getInt("NumPoints", iv)) {
    points = std::max(iv, 0);
    r.diveTime = clampField(points);
  }
  double maxDepthKey = 0;
  sec.getNumber("MaxDepth", maxDepthKey);
  double aveDepth = 0;
  const bool haveAve = sec.getNumber("AveDepth", aveDepth);
  if (sec.getInt("SurfaceInt", iv)) r.surfaceInterval = clampField(iv);
  if (sec.getInt("Altitude", iv)) r.altitudeClass = static_cast<uint8_t>(iv >= 0 && iv <= 4 ? iv : 0);
  if (sec.getNumber("TankSize", dv) && dv != 0) r.tankSize = clampField(std::trunc(dv * 100));
  if (sec.getInt("TankPressure", iv) && iv != 0) r.startPressure = clampField(iv * 100.0, 32000);
  if (sec.getInt("AirCons", iv) && iv != 0) r.airConsumed = clampField(iv * 100.0);
  if (sec.getText("Location", s)) setText(r.location, toStored(s.substr(0, 60)));
  if (sec.getText("Site", s)) setText(r.site, toStored(s.substr(0, 60)));
  if (sec.getText("Buddies", s)) setText(r.buddies, toStored(s.substr(0, 80)));
  if (sec.getText("Note", s)) setNotes(r, toStored(s.substr(0, 510)));
  if (sec.getNumber("Weights", dv) && dv != 0) r.weight = clampField(std::trunc(dv * 100));

  // Three values per point, 20 seconds apart, falling or rising towards the next one.
  sec.readSection("POINTS");
  const int taken = std::min(points, GUARDIAN_MAX_POINTS);
  auto pointDm = [&](int i) {
    double v = 0;
    sec.getNumber("P" + std::to_string(i), v);
    return static_cast<int>(std::clamp(std::trunc(v * 10), -9999.0, 9999.0));
  };
  std::vector<int> values;
  int deepest = 0;
  for (int i = 1; i <= taken; ++i) {
    const int a = pointDm(i);
    if (a * 10 > deepest) deepest = a * 10;
    const int b = i < taken ? pointDm(i + 1) : 0;
    const int d = std::abs(b - a) / 3;
    const int step = b > a ? d : -d;
    values.push_back(a);
    values.push_back(a + step);
    values.push_back(a + 2 * step);
  }
  values.push_back(0);

  if (maxDepthKey > 0)
    r.maxDepth = clampField(std::trunc(std::min(maxDepthKey, 3276.0) * 10) * 10);
  else if (deepest > 0)
    r.maxDepth = clampField(deepest);

  r.computerFlags |= 1;
  r.computerType = GUARDIAN_TYPE;
  buildImportedProfile(r, values, taken);
  r.avgDepth = haveAve ? static_cast<float>(aveDepth) : 0.0f;
  return res;
}

}  // namespace kelp
