#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "transfer/imports.h"

namespace kelp {

namespace {

// A fixed-width text field: cut at its length (and at a NUL), trailing blanks removed.
// Fields beyond the end of the data are empty.
std::string field(const std::string& bytes, size_t offset, size_t used) {
  if (offset >= bytes.size()) return {};
  std::string s = bytes.substr(offset, used);
  const size_t nul = s.find('\0');
  if (nul != std::string::npos) s.resize(nul);
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// scanf-like "%0Nd<sep>%0Nd..." : each number may have leading blanks and a sign
// and takes at most its width; returns how many numbers were read.
int scanWidths(const std::string& s, std::initializer_list<int> widths, char sep, int* out) {
  size_t p = 0;
  int n = 0;
  for (int width : widths) {
    if (n > 0) {
      if (p >= s.size() || s[p] != sep) return n;
      ++p;
    }
    while (p < s.size() && (s[p] == ' ' || s[p] == '\t')) ++p;
    int used = 0;
    bool negative = false;
    if (p < s.size() && (s[p] == '-' || s[p] == '+')) {
      negative = s[p] == '-';
      ++p;
      ++used;
    }
    long v = 0;
    int digits = 0;
    while (p < s.size() && used < width && s[p] >= '0' && s[p] <= '9') {
      v = v * 10 + (s[p] - '0');
      ++p;
      ++used;
      ++digits;
    }
    if (digits == 0) return n;
    out[n++] = static_cast<int>(negative ? -v : v);
  }
  return n;
}

int minutesOf(const std::string& text) {
  int hm[2] = {0, 0};
  scanWidths(text, {2, 2}, ',', hm);
  return hm[0] * 60 + hm[1];
}

int16_t clampField(double v) {
  return static_cast<int16_t>(std::clamp(v, -32768.0, static_cast<double>(NO_VALUE - 1)));
}

}  // namespace

CitizenOptions CitizenOptions::fromSettings() {
  CitizenOptions o;
  o.imperial = settings().importSystem != 0;
  o.computerType = settings().importType;
  o.defaults = settings().defaults;
  return o;
}

int citizenWeather(const std::string& word) {
  std::string up = word;
  for (auto& c : up)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  auto has = [&](const char* part) { return up.find(part) != std::string::npos; };
  int w = 0;
  if (has("SUN") || has("FAIR") || has("FINE")) w = 1;
  if (has("CLOUD")) w = 2;
  if (has("FOG")) w = 3;
  if (has("RAIN")) w = 4;
  if (has("STORM")) w = 5;
  if (has("SNOW")) w = 6;
  return w;
}

ImportResult importCitizen(const std::string& path) {
  return importCitizen(path, CitizenOptions::fromSettings());
}

ImportResult importCitizen(const std::string& path, const CitizenOptions& options) {
  ImportResult res;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    res.error = str(62523);
    return res;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    res.error = str(62524);
    return res;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return importCitizenBytes(bytes, options);
}

ImportResult importCitizenBytes(const std::string& bytes, const CitizenOptions& options) {
  ImportResult res;
  if (bytes.empty() || (bytes[0] != 'M' && bytes[0] != 'F')) {
    res.error = str(62525);
    return res;
  }
  const bool imperial = options.imperial;
  DiveRecord& r = res.record;
  initRecord(r);
  if (options.defaults.use) applyDefaults(r, options.defaults);

  int ymd[3] = {0, 0, 0};
  if (scanWidths(field(bytes, 2, 13), {4, 2, 2}, ',', ymd) == 3 && ymd[1] >= 1 && ymd[1] <= 12 &&
      ymd[2] >= 1 && ymd[2] <= 31 && ymd[0] >= 1600)
    r.date = dayNumber(ymd[2], ymd[1], ymd[0]);

  setText(r.buddies, toStored(field(bytes, 39, 20)));
  setText(r.location, toStored(field(bytes, 60, 20)));
  r.weather = static_cast<uint8_t>(citizenWeather(field(bytes, 81, 8)));
  setNotes(r, toStored(field(bytes, 90, 200)));

  const std::string air = field(bytes, 291, 9);
  if (imperial) {
    int f = 0;
    if (scanInt(air, f)) r.airTemperature = clampField(std::trunc(fahrenheitToCelsius(f) * 100));
  } else {
    double c = 0;
    if (scanFloat(air, c)) r.airTemperature = clampField(std::trunc(c * 100));
  }

  const int start = minutesOf(field(bytes, 300, 8));
  r.timeOfDay = static_cast<int16_t>(start);
  const int end = minutesOf(field(bytes, 309, 8));
  int minutes = end - start;
  if (end < start) minutes += 1440;
  minutes = std::clamp(minutes, 0, 1440 * 2);
  const int interval = minutesOf(field(bytes, 318, 5));
  r.surfaceInterval = interval == 0 ? NO_VALUE : clampField(interval);
  r.diveTime = clampField(minutesOf(field(bytes, 324, 8)));

  int v = 0;
  if (scanInt(field(bytes, 337, 4), v)) {
    // Feet to whole centimetres, to the nearest: 100 ft are 3048 cm.
    r.maxDepth = imperial ? clampField(std::lround(v * 0.3047994328292154 * 100.0))
                          : clampField(v * 10.0);
  }
  if (scanInt(field(bytes, 345, 4), v))
    r.minWaterTemperature = imperial ? clampField(std::trunc(fahrenheitToCelsius(v) * 100))
                                     : clampField(v * 10.0);

  int count = 0;
  scanInt(field(bytes, 485, 4), count);
  std::vector<int> values;
  for (int i = 1; i <= count; ++i) {
    const size_t offset = 493 + 4 * static_cast<size_t>(i - 1);
    if (offset >= bytes.size()) break;  // the file ends early
    if (i % 4 != 0 || static_cast<int>(values.size()) >= CITIZEN_MAX_VALUES) continue;
    int depth = 0;
    scanInt(field(bytes, offset, 3), depth);
    if (imperial) depth = static_cast<int>(std::trunc(feetToMetres(depth) * 10 + 1e-9));
    values.push_back(depth);
  }
  values.push_back(0);

  r.computerType = static_cast<uint8_t>(options.computerType);
  r.computerFlags |= 1;
  buildImportedProfile(r, values, minutes);
  r.avgDepth = 0;
  res.ok = true;
  return res;
}

}  // namespace kelp
