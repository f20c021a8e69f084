#pragma once
// Field texts, units, the calendar and the character transcoding.
// Formatters return UTF-8 text ready for display; parsers take UTF-8 text.
// Every number is formatted and parsed independently of the process locale.
#include <cstdarg>
#include <cstdint>
#include <string>

#include "core/dive_record.h"

namespace kelp {

// ---- locale-independent printf/scanf helpers ----
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));  // like snprintf, always with '.' as decimal point
// "%f"-style parse: leading blanks, optional sign, digits, '.', fraction; returns false when no number.
bool scanFloat(const std::string& text, double& out);
bool scanFloat(const std::string& text, float& out);  // single precision, as "%f" into a float
std::string vformat(const char* fmt, va_list ap);
bool scanInt(const std::string& text, int& out);  // "%d"-style

// ---- units ----
bool metric();  // settings().unitsMetric
double metresToFeet(double m);
double feetToMetres(double ft);           // whole centimetres
double lminToCftmin(double v);
double cftminToLmin(double v);
double litresToCft(double l);             // tank size
double cftToLitres(double cft);
double psiToBar(int psi);                 // whole hundredths
int barToPsi(double bar);
double celsiusToFahrenheit(double c);
double fahrenheitToCelsius(double f);
double kgToLb(double kg);
double lbToKg(double lb);

enum class Quantity { Depth, Temperature, Pressure, Volume, AirConsumption, Weight };
std::string unitLabel(Quantity q);  // for the current unit system

// ---- calendar ----
bool isLeapYear(int y);
int32_t dayNumber(int d, int m, int y);  // days since 1 Jan 1600 (that day is 0)
void fromDayNumber(int32_t n, int& d, int& m, int& y);
int weekday(int d, int m, int y);        // 0 = Monday
int32_t todayDayNumber();                // local date
std::string weekdayName(int index);      // user-interface text
std::string monthName(int month);        // 1..12, user-interface text

// ---- transcoding: stored (DOS) <-> displayed (Windows-1252) <-> UTF-8 ----
std::string toDisplay(const std::string& stored);
std::string toStored(const std::string& displayed);
std::string cp1252ToUtf8(const std::string& s);
std::string utf8ToCp1252(const std::string& s);  // characters outside 1252 become '?'
bool isValidUtf8(const std::string& s);
inline std::string storedToUtf8(const std::string& s) { return cp1252ToUtf8(toDisplay(s)); }
inline std::string utf8ToStored(const std::string& s) { return toStored(utf8ToCp1252(s)); }

// ---- enumeration texts ----
// The compiled-in German texts are replaced by the user-interface texts at start.
void useInterfaceTexts(bool on);  // default: on
std::string weatherText(int v);
std::string suitText(int v);
std::string tankMaterialText(int v);
std::string diveTypeBitText(int bit);
std::string activityBitText(int bit);
std::string moreActivityBitText(int bit);
std::string specialActivityLongName(int i);   // i = 0..7
std::string specialActivityShortName(int i);
// A special activity's name as the logbook keeps it in the other activities: the Italian
// interface text (the German one while the interface texts are off) whatever the language,
// so the file holds the same bytes in every language.
std::string specialActivityStoredName(int i, bool abbreviated);
std::string warningBitText(int bit);
std::string altitudeText(int cls);  // 1..4, in the current unit system

// ---- display formats of the dive fields ----
std::string formatDateLong(int32_t date);       // "%2s, %02d.%3s.%04d"
std::string formatDateList(int32_t date);       // "%02d.%02d.%04d"
std::string formatDateShort(int32_t date);      // "%02d.%02d.%02d"
std::string formatMinutes(int v);               // "%02d:%02d"
std::string formatTotalTime(int minutes);       // "%d:%02d"
std::string formatDepthCm(int cm);              // depth / avg depth
std::string formatMaxDepth(const DiveRecord& r);
std::string formatAvgDepth(const DiveRecord& r);
std::string formatVisibility(int cm);
std::string formatAirTemperature(int v);
std::string formatWaterTemperature(int v);
std::string formatTankSize(int v);
std::string formatTankSizeList(int v);          // leading blanks for small sizes
std::string formatPressure(int v);              // airConsumed, startPressure
std::string formatWeight(int v);
std::string formatSac(float v);
std::string formatComputerType(int id);
std::string formatProfileKind(const DiveRecord& r);
std::string diveTypeText(const DiveRecord& r);
std::string activitiesText(const DiveRecord& r);
std::string warningsText(const DiveRecord& r);
std::string formatNotes(const DiveRecord& r);

// ---- entry rules (text -> stored value) ----
int32_t parseDate(const std::string& text);     // -1 when none
int16_t parseMinutes(const std::string& text);  // time of day, interval, dive time
int16_t parseDepth(const std::string& text);    // maxDepth, cm
int16_t parseVisibility(const std::string& text);
int16_t parseTemperature(const std::string& text);
int16_t parseTankSize(const std::string& text);
int16_t parseWeight(const std::string& text);
int16_t parseAirConsumed(const std::string& text);
int16_t parseStartPressure(const std::string& text);
// Text entry: UTF-8 -> stored form, cut to the field.
template <size_t N> void parseText(char (&field)[N], const std::string& utf8) {
  setText(field, N, utf8ToStored(utf8));
}

// Second date rule (calendar time of the platform): seconds since 1970, 0 = none.
int64_t parseCalendarDate(const std::string& text);
std::string formatCalendarDate(int64_t t);

// The main form view's dive list line: "%c\t%05d\t%-8s\t%s, %s".
std::string diveListLine(const DiveRecord& r);
char profileMark(const DiveRecord& r);

}  // namespace kelp
