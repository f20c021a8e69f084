#include "core/texts.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <limits>
#include <locale.h>

#include "core/computer_models.h"
#include "core/settings.h"
#include "core/strings.h"

namespace kelp {

// ---------------------------------------------------------------------------
// locale-independent printf / scanf helpers

namespace {

locale_t cLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return loc;
}

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Copies the longest "%f"-style number prefix (after blanks) into num; false when none.
bool floatPrefix(const std::string& text, std::string& num) {
  size_t i = 0, n = text.size();
  while (i < n && isBlank(text[i])) ++i;
  num.clear();
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') num += '-';
    ++i;
  }
  size_t digits = 0;
  while (i < n && isDigit(text[i])) { num += text[i++]; ++digits; }
  if (i < n && text[i] == '.') {
    size_t j = i + 1;
    std::string frac;
    while (j < n && isDigit(text[j])) frac += text[j++];
    if (digits > 0 || !frac.empty()) {
      num += '.';
      num += frac;
      digits += frac.size();
      i = j;
    }
  }
  if (digits == 0) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    std::string ex = "e";
    if (j < n && (text[j] == '+' || text[j] == '-')) ex += text[j++];
    size_t ed = 0;
    while (j < n && isDigit(text[j])) { ex += text[j++]; ++ed; }
    if (ed > 0) num += ex;
  }
  return true;
}

template <typename F> bool scanFloatT(const std::string& text, F& out) {
  std::string num;
  if (!floatPrefix(text, num)) return false;
  F v{};
  auto res = std::from_chars(num.data(), num.data() + num.size(), v);
  if (res.ec == std::errc::result_out_of_range) {
    v = num[0] == '-' ? -std::numeric_limits<F>::infinity() : std::numeric_limits<F>::infinity();
  } else if (res.ec != std::errc()) {
    return false;
  }
  out = v;
  return true;
}

}  // namespace

std::string vformat(const char* fmt, va_list ap) {
  locale_t old = uselocale(cLocale());
  char buf[512];
  va_list copy;
  va_copy(copy, ap);
  int n = std::vsnprintf(buf, sizeof buf, fmt, copy);
  va_end(copy);
  std::string out;
  if (n < 0) {
    out.clear();
  } else if (static_cast<size_t>(n) < sizeof buf) {
    out.assign(buf, static_cast<size_t>(n));
  } else {
    out.resize(static_cast<size_t>(n) + 1);
    std::vsnprintf(out.data(), out.size(), fmt, ap);
    out.resize(static_cast<size_t>(n));
  }
  uselocale(old);
  return out;
}

std::string format(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  std::string s = vformat(fmt, ap);
  va_end(ap);
  return s;
}

bool scanFloat(const std::string& text, double& out) { return scanFloatT(text, out); }
bool scanFloat(const std::string& text, float& out) { return scanFloatT(text, out); }

bool scanInt(const std::string& text, int& out) {
  size_t i = 0, n = text.size();
  while (i < n && isBlank(text[i])) ++i;
  bool neg = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) neg = text[i++] == '-';
  if (i >= n || !isDigit(text[i])) return false;
  long long v = 0;
  const long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
  while (i < n && isDigit(text[i])) {
    v = v * 10 + (text[i++] - '0');
    if (v > limit) v = limit;  // saturate instead of overflowing
  }
  if (neg) v = -v;
  if (v > std::numeric_limits<int>::max()) v = std::numeric_limits<int>::max();
  out = static_cast<int>(v);
  return true;
}

// ---------------------------------------------------------------------------
// units

bool metric() { return settings().unitsMetric != 0; }

double metresToFeet(double m) { return m * 3.280846; }
double feetToMetres(double ft) { return std::trunc(ft * 0.3047994328292154 * 100.0) * 0.01; }
double lminToCftmin(double v) { return v * 0.035316; }
double cftminToLmin(double v) { return v * 28.315777551251557; }
double litresToCft(double l) { return l * 7.0; }
double cftToLitres(double cft) { return cft * 0.14285714285714285; }
double psiToBar(int psi) { return std::trunc(psi * 0.445 * 0.15500031000062 * 100.0) * 0.01; }
int barToPsi(double bar) {
  double x = bar * 6.4516 * 2.247191011235955;
  double t = std::trunc(x);
  int r = static_cast<int>(t);
  if (x - t > 0.2) ++r;
  return r;
}
double celsiusToFahrenheit(double c) { return c * 1.8 + 32.0; }
double fahrenheitToCelsius(double f) { return (f - 32.0) * 0.5555555555555556; }
double kgToLb(double kg) { return kg * 2.679; }
double lbToKg(double lb) { return lb * 0.3732736; }

std::string unitLabel(Quantity q) {
  bool m = metric();
  switch (q) {
    case Quantity::Depth: return str(m ? 62446 : 62447);
    case Quantity::Temperature: return str(m ? 62448 : 62449);
    case Quantity::Pressure: return str(m ? 62450 : 62451);
    case Quantity::Volume: return str(m ? 62452 : 62453);
    case Quantity::AirConsumption: return str(m ? 62454 : 62455);
    case Quantity::Weight: return str(m ? 62464 : 62465);
  }
  return {};
}

// ---------------------------------------------------------------------------
// calendar

namespace {
const int kMonthDays[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                               {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};
constexpr int32_t kDaysPer400Years = 146097;

int yearLength(int y) { return isLeapYear(y) ? 366 : 365; }

// Day of the year, 1-based; months outside 1..12 count only the whole months that exist.
int dayOfYear(int d, int m, int y) {
  int leap = isLeapYear(y) ? 1 : 0;
  int doy = d;
  for (int i = 1; i < m && i <= 12; ++i) doy += kMonthDays[leap][i - 1];
  return doy;
}

// Days in the years 1600 .. y-1 (negative for years before 1600).
int64_t daysBeforeYear(int y) {
  int64_t yy = static_cast<int64_t>(y) - 1600;
  int64_t cycles = yy >= 0 ? yy / 400 : -((-yy + 399) / 400);
  int64_t days = cycles * kDaysPer400Years;
  for (int64_t year = 1600 + cycles * 400; year < y; ++year) days += yearLength(static_cast<int>(year));
  return days;
}
}  // namespace

bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int32_t dayNumber(int d, int m, int y) {
  return static_cast<int32_t>(daysBeforeYear(y) + dayOfYear(d, m, y) - 1);
}

void fromDayNumber(int32_t n, int& d, int& m, int& y) {
  // Whole 400-year cycles first (they all have the same length), then single years.
  int64_t rest = n;
  int64_t cycles = rest >= 0 ? rest / kDaysPer400Years : -((-rest + kDaysPer400Years - 1) / kDaysPer400Years);
  rest -= cycles * kDaysPer400Years;
  int year = static_cast<int>(1600 + cycles * 400);
  while (rest >= yearLength(year)) rest -= yearLength(year++);
  int leap = isLeapYear(year) ? 1 : 0;
  int month = 1;
  while (month < 12 && rest >= kMonthDays[leap][month - 1]) rest -= kMonthDays[leap][month++ - 1];
  d = static_cast<int>(rest) + 1;
  m = month;
  y = year;
}

int weekday(int d, int m, int y) {
  int64_t y1 = y - 1;
  int64_t v = dayOfYear(d, m, y) + y1 / 400 - y1 / 100 + y1 / 4 + 365LL * y - 366;
  int r = static_cast<int>(v % 7);
  return r < 0 ? r + 7 : r;
}

int32_t todayDayNumber() {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return dayNumber(tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
}

// ---------------------------------------------------------------------------
// enumeration texts: German internal text and the string id of the interface text

namespace {

struct EnumText {
  const char* german;  // nullptr = entry without text
  int id;              // 0 = the German text stays
};

bool gInterfaceTexts = true;

std::string enumText(const EnumText* table, int count, int index, Language l) {
  if (index < 0 || index >= count || !table[index].german) return {};
  if (gInterfaceTexts && table[index].id) return str(l, table[index].id);
  return table[index].german;
}

const EnumText kWeather[] = {{"", 0},          {"klar", 62536},  {"bewölkt", 62537}, {"Nebel", 62538},
                             {"Regen", 62539}, {"Sturm", 62540}, {"Schnee", 62541}};
const EnumText kSuit[] = {{"", 0},         {"kein Anzug", 62530},  {"Shorty", 62531},
                          {"Kombi", 62532}, {"Nassanzug", 62533}, {"Halbtrocken", 62534},
                          {"Trockenanzug", 62535}};
const EnumText kTankMaterial[] = {{"", 0}, {"Stahl", 62528}, {"Aluminium", 62529}};
const EnumText kDiveTypeBits[] = {{nullptr, 0},
                                  {nullptr, 0},
                                  {"Nullzeit", 62542},
                                  {"Dekompression", 62543},
                                  {"Einzelaufstieg", 62544},
                                  {"Mehrfachaufstieg", 62545},
                                  {"Süsswasser", 62546},
                                  {"Meerwasser", 62547},
                                  {"Nitrox", 62548},
                                  {"SCR", 0}};
const EnumText kActivityBits[] = {
    {"Plausch-TG", 62549}, {"Club-TG", 62550},     {"Ausbildung", 62551}, {"Instruktion", 62552},
    {"Nacht-TG", 62553},   {"Höhlen-TG", 62554},   {"Eis-TG", 62555},     {"Such-TG", 62556},
    {"Wrack-TG", 62557},   {"Fluss-TG", 62558},    {"Strömungs-TG", 62559}, {"Foto-TG", 62560},
    {"Andere", 62561},     {nullptr, 0},           {nullptr, 0},          {nullptr, 0}};
const EnumText kMoreActivityBits[] = {
    {"Arbeits-TG", 62566},       {"Solo-TG", 62567},         {"Druckkammerfahrt", 62568},
    {"Seminar-TG", 62569},       {"Prüfungs-TG", 62570},     {"Prüfungsabnahme", 62571},
    {"Prüfungsbegleitung", 62572}, {"Check-TG", 62573},      {"Boots-TG", 62574},
    {"Land-TG", 62575},          {"TG-Führung", 62576},      {"TG-Begleitung", 62577},
    {nullptr, 0},                {nullptr, 0},               {nullptr, 0},
    {nullptr, 0}};
const EnumText kSpecialShort[] = {{"Arbeit", 62578}, {"Solo", 62579},    {"Druckk", 62580},
                                  {"Seminar", 62581}, {"PrüfTG", 62582}, {"PrüfAbn", 62583},
                                  {"PrüfBegl", 62584}, {"Check", 62585}};
const EnumText kWarningBits[] = {{"AUFSTIEG", 62562},      {nullptr, 0},          {nullptr, 0},
                                 {"DEKOMPRESSION", 62563}, {"LEISTUNG", 62564},   {"SOS", 62565},
                                 {nullptr, 0},             {nullptr, 0}};
const EnumText kWeekdays[] = {{"Mo", 62745}, {"Di", 62746}, {"Mi", 62747}, {"Do", 62748},
                              {"Fr", 62749}, {"Sa", 62750}, {"So", 62751}};
const EnumText kMonths[] = {{"", 0},         {"Jan", 62752}, {"Feb", 62753}, {"Mrz", 62754},
                            {"Apr", 62755},  {"Mai", 62763}, {"Jun", 62756}, {"Jul", 62757},
                            {"Aug", 62758},  {"Sep", 62759}, {"Okt", 62760}, {"Nov", 62761},
                            {"Dez", 62762}};

template <size_t N> std::string tableText(const EnumText (&t)[N], int i, Language l = language()) {
  return enumText(t, static_cast<int>(N), i, l);
}

}  // namespace

void useInterfaceTexts(bool on) { gInterfaceTexts = on; }

std::string weatherText(int v) { return tableText(kWeather, v); }
std::string suitText(int v) { return tableText(kSuit, v); }
std::string tankMaterialText(int v) { return tableText(kTankMaterial, v); }
std::string diveTypeBitText(int bit) { return tableText(kDiveTypeBits, bit); }
std::string activityBitText(int bit) { return tableText(kActivityBits, bit); }
std::string moreActivityBitText(int bit) { return tableText(kMoreActivityBits, bit); }
std::string specialActivityLongName(int i) { return i >= 0 && i < 8 ? tableText(kMoreActivityBits, i) : ""; }
std::string specialActivityShortName(int i) { return tableText(kSpecialShort, i); }
std::string specialActivityStoredName(int i, bool abbreviated) {
  if (i < 0 || i >= 8) return {};
  return abbreviated ? tableText(kSpecialShort, i, Language::Italian)
                     : tableText(kMoreActivityBits, i, Language::Italian);
}
std::string warningBitText(int bit) { return tableText(kWarningBits, bit); }
std::string weekdayName(int index) { return tableText(kWeekdays, index); }
std::string monthName(int month) { return tableText(kMonths, month); }

std::string altitudeText(int cls) {
  if (cls < 1 || cls > 4) return {};
  return str((metric() ? 62455 : 62459) + cls);
}

// ---------------------------------------------------------------------------
// transcoding

namespace {

// (stored, displayed) in table order: the first match wins in both directions.
const unsigned char kPairs[32][2] = {
    {0x8E, 0xC4}, {0x99, 0xD6}, {0x9A, 0xDC}, {0x84, 0xE4}, {0x94, 0xF6}, {0x81, 0xFC}, {0xE1, 0xDF},
    {0xA0, 0xE1}, {0x85, 0xE0}, {0x83, 0xE2}, {0x82, 0xE9}, {0x8A, 0xE8}, {0x88, 0xEA}, {0x89, 0xEB},
    {0x90, 0xC9}, {0xA2, 0xF3}, {0x95, 0xF2}, {0x93, 0xF4}, {0xA3, 0xFA}, {0x97, 0xF9}, {0x96, 0xFB},
    {0xA1, 0xED}, {0x8D, 0xEC}, {0x8C, 0xEE}, {0x8B, 0xEF}, {0xA4, 0xF1}, {0xA5, 0xD1}, {0x87, 0xE7},
    {0x80, 0xC7}, {0x27, 0xB4}, {0xEF, 0x60}, {0xA7, 0xB0}};

struct ByteMap {
  unsigned char map[256];
  explicit ByteMap(int from) {
    bool set[256] = {};
    for (int i = 0; i < 256; ++i) map[i] = static_cast<unsigned char>(i);
    for (const auto& p : kPairs) {
      unsigned char k = p[from];
      if (!set[k]) {
        map[k] = p[1 - from];
        set[k] = true;
      }
    }
  }
};

std::string mapBytes(const std::string& s, const ByteMap& m) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(m.map[static_cast<unsigned char>(c)]);
  return out;
}

// Windows-1252 0x80..0x9F; the five unassigned bytes map to the C1 control of the same value.
const char32_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at i; returns its length, or 0 when the bytes are not valid UTF-8.
size_t decodeUtf8(const std::string& s, size_t i, char32_t& cp) {
  auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char c = b(i);
  if (c < 0x80) { cp = c; return 1; }
  size_t len;
  char32_t v, min;
  if ((c & 0xE0) == 0xC0) { len = 2; v = c & 0x1F; min = 0x80; }
  else if ((c & 0xF0) == 0xE0) { len = 3; v = c & 0x0F; min = 0x800; }
  else if ((c & 0xF8) == 0xF0) { len = 4; v = c & 0x07; min = 0x10000; }
  else return 0;
  if (i + len > s.size()) return 0;
  for (size_t k = 1; k < len; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return 0;
    v = (v << 6) | (b(i + k) & 0x3F);
  }
  if (v < min || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
  cp = v;
  return len;
}

}  // namespace

bool isValidUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    char32_t cp;
    size_t n = decodeUtf8(s, i, cp);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string toDisplay(const std::string& stored) {
  static const ByteMap m(0);
  return mapBytes(stored, m);
}

std::string toStored(const std::string& displayed) {
  static const ByteMap m(1);
  return mapBytes(displayed, m);
}

std::string cp1252ToUtf8(const std::string& s) {
  std::string out;
  out.reserve(s.size() + s.size() / 4);
  for (char ch : s) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x80) out += ch;
    else if (c < 0xA0) appendUtf8(out, kCp1252High[c - 0x80]);
    else appendUtf8(out, c);
  }
  return out;
}

std::string utf8ToCp1252(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    char32_t cp;
    size_t n = decodeUtf8(s, i, cp);
    if (n == 0) {  // not UTF-8: the byte is taken as a Windows-1252 byte already
      out += s[i++];
      continue;
    }
    i += n;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    char r = '?';
    for (int k = 0; k < 32; ++k) {
      if (kCp1252High[k] == cp) {
        r = static_cast<char>(0x80 + k);
        break;
      }
    }
    out += r;
  }
  return out;
}

// ---------------------------------------------------------------------------
// display formats

namespace {
bool empty16(int v) { return v == NO_VALUE; }
}  // namespace

std::string formatDateLong(int32_t date) {
  if (date <= 0 || date >= 1000000) return {};
  int d, m, y;
  fromDayNumber(date, d, m, y);
  return format("%2s, %02d.%3s.%04d", weekdayName(weekday(d, m, y)).c_str(), d,
                monthName(m).c_str(), y);
}

std::string formatDateList(int32_t date) {
  if (date < 0) return {};
  int d, m, y;
  fromDayNumber(date, d, m, y);
  return format("%02d.%02d.%04d", d, m, y);
}

std::string formatDateShort(int32_t date) {
  if (date < 0) return {};
  int d, m, y;
  fromDayNumber(date, d, m, y);
  return format("%02d.%02d.%02d", d, m, y % 100);
}

std::string formatMinutes(int v) {
  if (empty16(v)) return {};
  return format("%02d:%02d", v / 60, v % 60);
}

std::string formatTotalTime(int minutes) { return format("%d:%02d", minutes / 60, minutes % 60); }

std::string formatDepthCm(int cm) {
  if (empty16(cm) || cm < 0) return {};
  double m = cm * 0.01;
  return metric() ? format("%.1f", m) : format("%.0f", metresToFeet(m));
}

std::string formatMaxDepth(const DiveRecord& r) { return formatDepthCm(shownMaxDepth(r)); }

std::string formatAvgDepth(const DiveRecord& r) {
  double m = shownAvgDepth(r);
  if (!(m > 0)) return {};
  return metric() ? format("%.1f", m) : format("%.0f", metresToFeet(m));
}

std::string formatVisibility(int cm) {
  if (empty16(cm)) return {};
  double m = cm * 0.01;
  return format("%.0f", metric() ? m : metresToFeet(m));
}

std::string formatAirTemperature(int v) {
  if (empty16(v)) return {};
  double c = v * 0.01;
  return metric() ? format("%.1f", c) : format("%.0f", celsiusToFahrenheit(c));
}

std::string formatWaterTemperature(int v) {
  if (empty16(v)) return {};
  double c = v * 0.01;
  return format("%.1f", metric() ? c : celsiusToFahrenheit(c));
}

std::string formatTankSize(int v) {
  if (empty16(v)) return {};
  double l = v * 0.01;
  return metric() ? format("%.1f", l) : format("%.0f", litresToCft(l));
}

std::string formatTankSizeList(int v) {
  if (empty16(v)) return {};
  double l = v * 0.01;
  if (metric()) return format(l <= 9.9 ? "  %.1f" : "%.1f", l);
  double cft = litresToCft(l);
  return format(cft <= 99.9 ? "  %.0f" : "%.0f", cft);
}

std::string formatPressure(int v) {
  if (empty16(v)) return {};
  double bar = v * 0.01;
  return metric() ? format("%.0f", bar) : format("%d", barToPsi(bar));
}

std::string formatWeight(int v) {
  if (empty16(v)) return {};
  double kg = v * 0.01;
  return format("%.1f", metric() ? kg : kgToLb(kg));
}

std::string formatSac(float v) {
  if (!(v > 0)) return {};
  return metric() ? format("%.1f", static_cast<double>(v)) : format("%.2f", lminToCftmin(v));
}

std::string formatComputerType(int id) { return computerDisplayName(static_cast<uint32_t>(id)); }

bool isHandMadeProfile(const DiveRecord& r) {
  for (int i = 0; i < 8; ++i) {
    uint16_t w = r.profileHeader[i];
    if (w != 0 && w != 2927 + i) return false;
  }
  return true;
}

ProfileKind profileKind(const DiveRecord& r) {
  if (r.profileLength == 0) return ProfileKind::None;
  return isHandMadeProfile(r) ? ProfileKind::HandMade : ProfileKind::Computer;
}

std::string formatProfileKind(const DiveRecord& r) {
  switch (profileKind(r)) {
    case ProfileKind::None: return str(62593);
    case ProfileKind::HandMade: return str(62592);
    case ProfileKind::Computer: break;
  }
  return str(62591);
}

namespace {
void joinText(std::string& out, const std::string& t) {
  if (t.empty()) return;
  if (!out.empty()) out += ", ";
  out += t;
}
}  // namespace

std::string diveTypeText(const DiveRecord& r) {
  std::string out;
  for (int bit = 0; bit <= 9; ++bit)
    if (r.diveTypeFlags & (1u << bit)) joinText(out, diveTypeBitText(bit));
  if (!(r.diveTypeFlags & (1u << kDiveFreshWater)) && !(r.diveTypeFlags & (1u << kDiveSeaWater)))
    joinText(out, str(62587));
  return out;
}

std::string activitiesText(const DiveRecord& r) {
  std::string out;
  for (int bit = 0; bit < 16; ++bit)
    if (r.activityFlags & (1u << bit)) joinText(out, activityBitText(bit));
  for (int bit = 0; bit < 16; ++bit)
    if (r.moreActivityFlags & (1u << bit)) joinText(out, moreActivityBitText(bit));
  return out;
}

std::string warningsText(const DiveRecord& r) {
  std::string out;
  for (int bit = 0; bit < 8; ++bit)
    if (r.warningFlags & (1u << bit)) joinText(out, warningBitText(bit));
  return out;
}

std::string formatNotes(const DiveRecord& r) { return storedToUtf8(getNotes(r)); }

// ---------------------------------------------------------------------------
// entry rules

namespace {

bool blankText(const std::string& t) {
  for (char c : t)
    if (!isBlank(c)) return false;
  return true;
}

// Hundredths of a value, truncated toward zero; values that do not fit the field
// (and the entry -100) store NO_VALUE.
int16_t hundredths(double v) {
  double h = std::trunc(v * 100.0);
  if (!(h > -32768.0 && h < 32767.0)) return NO_VALUE;
  if (h == -10000.0) return NO_VALUE;
  return static_cast<int16_t>(h);
}

int16_t parseFloatField(const std::string& text, double (*imperial)(double)) {
  float f;
  if (blankText(text) || !scanFloat(text, f)) return NO_VALUE;
  double v = f;
  if (!metric()) v = imperial(v);
  return hundredths(v);
}

int16_t parseBarField(const std::string& text, int capBar) {
  int v;
  if (blankText(text) || !scanInt(text, v)) return NO_VALUE;
  double bar = v;
  if (!metric()) bar = std::trunc(psiToBar(v));
  if (capBar > 0 && bar > capBar) bar = capBar;
  return hundredths(bar);
}

}  // namespace

int32_t parseDate(const std::string& text) {
  if (blankText(text)) return -1;
  int d = 0, m = 0, y = 0;
  // "%d.%d.%d": stops at the first part that does not match
  size_t pos = 0;
  auto next = [&](int& out) -> bool {
    std::string rest = text.substr(pos);
    size_t i = 0;
    while (i < rest.size() && isBlank(rest[i])) ++i;
    if (i < rest.size() && (rest[i] == '+' || rest[i] == '-')) ++i;
    size_t digitsStart = i;
    while (i < rest.size() && isDigit(rest[i])) ++i;
    if (i == digitsStart || !scanInt(rest, out)) return false;
    pos += i;
    return true;
  };
  auto dot = [&]() -> bool {
    if (pos < text.size() && text[pos] == '.') {
      ++pos;
      return true;
    }
    return false;
  };
  if (next(d) && dot() && next(m) && dot()) next(y);
  if (d == 0 || m == 0) return -1;
  if (y < 20) y += 2000;
  if (y < 100) y += 1900;
  // Dates the calendar cannot hold are no dates.
  if (d < 1 || d > 31 || m < 1 || m > 12 || y < 1600 || y > 9999) return -1;
  return dayNumber(d, m, y);
}

int16_t parseMinutes(const std::string& text) {
  if (blankText(text)) return NO_VALUE;
  long long v = 0;
  size_t colon = text.find(':');
  if (colon != std::string::npos) {
    int h = 0, mi = 0;
    scanInt(text.substr(0, colon), h);
    scanInt(text.substr(colon + 1), mi);
    v = static_cast<long long>(h) * 60 + mi;
  } else {
    int mi = 0;
    scanInt(text, mi);
    v = mi;
  }
  if (v == 0 || v < -32768 || v >= NO_VALUE) return NO_VALUE;
  return static_cast<int16_t>(v);
}

int16_t parseDepth(const std::string& text) { return parseFloatField(text, feetToMetres); }

int16_t parseVisibility(const std::string& text) {
  int v;
  if (blankText(text) || !scanInt(text, v)) return NO_VALUE;
  double m = v;
  if (!metric()) m = std::trunc(feetToMetres(v));
  return hundredths(m);
}

int16_t parseTemperature(const std::string& text) { return parseFloatField(text, fahrenheitToCelsius); }
int16_t parseTankSize(const std::string& text) { return parseFloatField(text, cftToLitres); }
int16_t parseWeight(const std::string& text) { return parseFloatField(text, lbToKg); }
int16_t parseAirConsumed(const std::string& text) { return parseBarField(text, 0); }
int16_t parseStartPressure(const std::string& text) { return parseBarField(text, 320); }

// ---------------------------------------------------------------------------
// calendar time dates

int64_t parseCalendarDate(const std::string& text) {
  if (blankText(text) || text.find('#') != std::string::npos) return 0;
  int d = 0, m = 0, y = 0;
  size_t p1 = text.find('.');
  if (!scanInt(text, d) || p1 == std::string::npos) return 0;
  std::string rest = text.substr(p1 + 1);
  size_t p2 = rest.find('.');
  if (!scanInt(rest, m) || p2 == std::string::npos) return 0;
  if (!scanInt(rest.substr(p2 + 1), y)) return 0;
  if (d == 0 || m == 0 || y == 0) return 0;
  if (y < 1900) y += y < 40 ? 2000 : 1900;
  if (d < 1 || d > 31 || m < 1 || m > 12 || y > 9999) return 0;
  std::tm tm{};
  tm.tm_mday = d;
  tm.tm_mon = m - 1;
  tm.tm_year = y - 1900;
  tm.tm_hour = 12;  // midday keeps the date clear of daylight-saving shifts
  tm.tm_isdst = -1;
  std::time_t t = std::mktime(&tm);
  if (t == static_cast<std::time_t>(-1) || t < 1) return 0;
  return static_cast<int64_t>(t);
}

std::string formatCalendarDate(int64_t t) {
  if (t < 1) return {};
  std::time_t tt = static_cast<std::time_t>(t);
  std::tm tm{};
  if (!localtime_r(&tt, &tm)) return {};
  return format("%02d.%02d.%04d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
}

// ---------------------------------------------------------------------------
// dive list line

char profileMark(const DiveRecord& r) {
  switch (profileKind(r)) {
    case ProfileKind::None: return ' ';
    case ProfileKind::Computer: return 'P';
    case ProfileKind::HandMade: return 'H';
  }
  return ' ';
}

std::string diveListLine(const DiveRecord& r) {
  std::string date = formatDateShort(r.date);
  std::string loc = storedToUtf8(getText(r.location));
  std::string site = storedToUtf8(getText(r.site));
  if (site.empty())
    return format("%c\t%05d\t%-8s\t%s", profileMark(r), r.diveNumber, date.c_str(), loc.c_str());
  return format("%c\t%05d\t%-8s\t%s, %s", profileMark(r), r.diveNumber, date.c_str(), loc.c_str(),
                site.c_str());
}

}  // namespace kelp
