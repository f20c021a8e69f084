#include "transfer/csv_export.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "core/file_write.h"

namespace kelp {

const std::vector<int> kCsvFieldOrder = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 21, 11,
                                         20, 23, 12, 13, 14, 15, 24, 22, 16, 17, 18, 25};

namespace {

int headerId(int bit) {
  switch (bit) {
    case 0: return 62504;
    case 1: return 62473;
    case 2: return 62505;
    case 3: return 62467;
    case 4: return 62506;
    case 5: return 62507;
    case 6: return 62508;
    case 7: return 62509;
    case 8: return 62510;
    case 9: return 62511;
    case 10: return 62512;
    case 21: return 62789;
    case 11: return 62488;
    case 20: return 62649;
    case 23: return 62788;
    case 12: return 62513;
    case 13: return 62514;
    case 14: return 62515;
    case 15: return 62485;
    case 24: return 62787;
    case 22: return 62790;
    case 16: return 62516;
    case 17: return 62517;
    case 18: return 62518;
    case 25: return 62791;
    default: return 0;
  }
}

// Spreadsheets of the decimal-comma world: the first '.' becomes ','.
std::string comma(std::string s) {
  const size_t dot = s.find('.');
  if (dot != std::string::npos) s[dot] = ',';
  return s;
}

bool selected(uint32_t mask, int bit) { return (mask >> bit) & 1u; }

}  // namespace

CsvOptions CsvOptions::fromSettings(const Settings& s) {
  CsvOptions o;
  o.fields = static_cast<uint32_t>(s.excelFields);
  o.separator = s.excelSeparator;
  o.sign = s.excelSign;
  o.timeFormat = s.excelTimeFormat;
  return o;
}

void CsvOptions::store(Settings& s) const {
  s.excelFields = static_cast<int>(fields);
  s.excelSeparator = separator;
  s.excelSign = sign;
  s.excelTimeFormat = timeFormat;
}

std::string csvHeader(int bit) {
  const int id = headerId(bit);
  return id ? str(id) : std::string();
}

std::string csvValue(const DiveRecord& r, int bit) {
  switch (bit) {
    case 0: return format("%d", static_cast<int>(r.diveNumber));
    case 1: return formatDateLong(r.date);
    case 2: return formatMinutes(r.timeOfDay);
    case 3: return storedToUtf8(getText(r.location));
    case 4: return storedToUtf8(getText(r.site));
    case 5: return comma(formatMaxDepth(r));
    case 6: return comma(formatAvgDepth(r));
    case 7: return formatMinutes(r.diveTime);
    case 8: return comma(formatSac(r.sac));
    case 9: return altitudeText(r.altitudeClass);
    case 10: return weatherText(r.weather);
    case 21: return comma(formatVisibility(r.visibility));
    case 11: return suitText(r.suit);
    case 20: return storedToUtf8(getText(r.suitDescription));
    case 23: return comma(formatWeight(r.weight));
    case 12: return diveTypeText(r);
    case 13: return activitiesText(r);
    case 14: return storedToUtf8(getText(r.buddies));
    case 15: return comma(formatTankSize(r.tankSize));
    case 24: return tankMaterialText(r.tankMaterial);
    case 22: return formatPressure(r.startPressure);
    case 16: return formatPressure(r.airConsumed);
    case 17: return comma(formatWaterTemperature(r.minWaterTemperature));
    case 18: return comma(formatAirTemperature(r.airTemperature));
    case 25: {
      std::string notes = formatNotes(r);
      for (auto& c : notes) {
        if (c == ';') c = ',';
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
      }
      return notes;
    }
    default: return {};
  }
}

std::string csvCell(const std::string& text, char separator) {
  if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos)
    return text;
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

Result checkCsvOptions(const Logbook& lb, const CsvOptions& o) {
  if (lb.dives().empty() || o.firstNumber < lb.dives().front().diveNumber ||
      o.lastNumber > lb.dives().back().diveNumber)
    return Result::failure(str(62502));
  if (o.fields == 0) return Result::failure(str(62618));
  return Result::success();
}

std::string csvTable(const Logbook& lb, const CsvOptions& o) {
  const char sep = o.separatorChar();
  std::string out;
  for (int bit : kCsvFieldOrder)
    if (selected(o.fields, bit)) {
      out += csvCell(csvHeader(bit), sep);
      out += sep;
    }
  out += '\n';
  for (const DiveRecord& r : lb.dives()) {
    if (r.diveNumber < o.firstNumber || r.diveNumber > o.lastNumber) continue;
    for (int bit : kCsvFieldOrder)
      if (selected(o.fields, bit)) {
        out += csvCell(csvValue(r, bit), sep);
        out += sep;
      }
    out += '\n';
  }
  return out;
}

bool csvProfile(const Logbook& lb, const CsvOptions& o, std::string& out) {
  out.clear();
  const DiveRecord* dive = nullptr;
  for (const DiveRecord& r : lb.dives())
    if (r.diveNumber == o.lastNumber) {
      dive = &r;
      break;
    }
  if (!dive) return false;
  const char sep = o.separatorChar();
  for (int bit : kCsvFieldOrder)
    if (selected(o.fields, bit)) {
      out += csvCell(csvHeader(bit), sep);
      out += sep;
      out += csvCell(csvValue(*dive, bit), sep);
      out += '\n';
    }
  out += strf(62519, sep, sep);
  const bool imperial = !metric();
  const int count = std::clamp<int>(dive->sampleCount, 0, MAX_SAMPLES);
  for (int i = 0; i < count; ++i) {
    const int t = 20 * i;
    double depth = dive->samples[i].depth;
    if (o.sign == 1) depth = -depth;
    if (imperial) depth = metresToFeet(depth);
    std::string d = format("%.1f", depth);
    // The surface point made positive is -0.0; a spreadsheet gets a plain 0,0.
    if (d == "-0.0") d = "0.0";
    d = comma(d);
    if (o.timeFormat == 1)
      out += format("%c%s%c%s\n", sep, format("%d:%02d:%02d", t / 3600, t / 60 % 60, t % 60).c_str(),
                    sep, d.c_str());
    else
      out += format("%c%d%c%s\n", sep, t, sep, d.c_str());
  }
  return true;
}

Result exportCsv(const Logbook& lb, const std::string& path, const CsvOptions& o,
                 Settings* settings) {
  Result check = checkCsvOptions(lb, o);
  if (!check) return check;
  if (settings) o.store(*settings);
  std::string text;
  Result res = Result::success();
  if (o.profileLayout()) {
    if (!csvProfile(lb, o, text)) res = Result::failure(str(62503));
  } else {
    text = csvTable(lb, o);
  }
  // The texts come from the stored DOS form, so every character has a 1252 form.
  if (o.encoding == CsvEncoding::Cp1252) text = utf8ToCp1252(text);
  Result written = replaceFile(path, text);
  if (!written) return written;
  return res;
}

}  // namespace kelp
