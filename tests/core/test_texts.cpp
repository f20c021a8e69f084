#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

#include "core/dive_record.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "decimal_comma_locale.h"

using namespace kelp;

namespace {

// Switches the unit system for one test and restores metric afterwards.
struct Units {
  explicit Units(bool metricUnits) { settings().unitsMetric = metricUnits ? 1 : 0; }
  ~Units() { settings().unitsMetric = 1; }
};

}  // namespace

TEST(Format, NumbersIgnoreTheProcessLocale) {
  DecimalCommaLocale loc;
  if (!loc.active()) GTEST_SKIP() << "no decimal-comma locale installed";
  EXPECT_EQ(format("%.1f", 32.5), "32.5");
  double d = 0;
  ASSERT_TRUE(scanFloat("32.5", d));
  EXPECT_DOUBLE_EQ(d, 32.5);
  float f = 0;
  ASSERT_TRUE(scanFloat("-1.25", f));
  EXPECT_FLOAT_EQ(f, -1.25f);
}

// Every field formatter and parser that handles fractions, under a decimal-comma locale.
TEST(Format, FieldTextsIgnoreTheProcessLocale) {
  DecimalCommaLocale loc;
  if (!loc.active()) GTEST_SKIP() << "no decimal-comma locale installed";
  {
    Units m(true);
    EXPECT_EQ(formatDepthCm(3250), "32.5");
    EXPECT_EQ(formatTankSize(1000), "10.0");
    EXPECT_EQ(formatTankSizeList(800), "  8.0");
    EXPECT_EQ(formatWeight(450), "4.5");
    EXPECT_EQ(formatAirTemperature(1450), "14.5");
    EXPECT_EQ(formatWaterTemperature(-150), "-1.5");
    EXPECT_EQ(formatSac(25.4f), "25.4");
    DiveRecord r = makeRecord();
    r.avgDepth = 12.34f;
    EXPECT_EQ(formatAvgDepth(r), "12.3");

    EXPECT_EQ(parseDepth("2.3"), 229);
    EXPECT_EQ(parseDepth("32.5"), 3250);
    EXPECT_EQ(parseTemperature("-1.5"), -150);
    EXPECT_EQ(parseTankSize("11.1"), 1110);
    EXPECT_EQ(parseWeight("4.5"), 450);
    // A comma ends the number as it does in the "C" locale: the entry means 2 m.
    EXPECT_EQ(parseDepth("2,3"), 200);
  }
  Units i(false);
  EXPECT_EQ(formatWeight(500), "13.4");
  EXPECT_EQ(formatWaterTemperature(1450), "58.1");
  EXPECT_EQ(formatSac(25.4f), "0.90");
  EXPECT_EQ(parseWeight("10.5"), 391);  // 10.5 lb * 0.3732736 = 3.919 kg
  EXPECT_EQ(parseTemperature("50.0"), 1000);
}

TEST(Format, ScanfLikeParsing) {
  double d = -1;
  EXPECT_TRUE(scanFloat("  -2.5xyz", d));
  EXPECT_DOUBLE_EQ(d, -2.5);
  EXPECT_TRUE(scanFloat(".5", d));
  EXPECT_DOUBLE_EQ(d, 0.5);
  EXPECT_TRUE(scanFloat("7.", d));
  EXPECT_DOUBLE_EQ(d, 7.0);
  EXPECT_TRUE(scanFloat("1,5", d));  // stops at the comma
  EXPECT_DOUBLE_EQ(d, 1.0);
  EXPECT_FALSE(scanFloat("abc", d));
  EXPECT_FALSE(scanFloat("", d));
  EXPECT_FALSE(scanFloat("-.", d));

  int i = -1;
  EXPECT_TRUE(scanInt(" +42 m", i));
  EXPECT_EQ(i, 42);
  EXPECT_TRUE(scanInt("-7.9", i));
  EXPECT_EQ(i, -7);
  EXPECT_FALSE(scanInt("x1", i));
  EXPECT_TRUE(scanInt("99999999999999", i));  // saturates instead of overflowing
  EXPECT_EQ(i, 2147483647);

  EXPECT_EQ(format("%s-%05d", "a", 42), "a-00042");
  std::string longText(2000, 'x');
  EXPECT_EQ(format("%s!", longText.c_str()).size(), 2001u);
}

TEST(Units, ConversionConstants) {
  EXPECT_DOUBLE_EQ(metresToFeet(10), 32.80846);
  EXPECT_DOUBLE_EQ(feetToMetres(10), 3.04);  // 3.047994 cut to whole centimetres
  EXPECT_DOUBLE_EQ(psiToBar(1000), 68.97);
  EXPECT_EQ(barToPsi(200), 2900);  // 2899.5955: the fraction is above 0.2
  EXPECT_EQ(barToPsi(149), 2160);  // 2160.1987: the fraction is not
  EXPECT_DOUBLE_EQ(celsiusToFahrenheit(100), 212);
  EXPECT_NEAR(fahrenheitToCelsius(50), 10.0, 1e-12);
  EXPECT_DOUBLE_EQ(kgToLb(5), 13.395);  // 2.679, not 2.2046
  EXPECT_DOUBLE_EQ(lbToKg(1), 0.3732736);
  EXPECT_DOUBLE_EQ(litresToCft(10), 70.0);
  EXPECT_DOUBLE_EQ(cftToLitres(70), 10.0);
  EXPECT_NEAR(lminToCftmin(25.4), 0.8970264, 1e-12);
  EXPECT_NEAR(cftminToLmin(1), 28.315777551251557, 1e-12);
}

TEST(Units, LabelsFollowTheUnitSystem) {
  {
    Units u(true);
    EXPECT_EQ(unitLabel(Quantity::Depth), "m");
    EXPECT_EQ(unitLabel(Quantity::Temperature), "°C");
    EXPECT_EQ(unitLabel(Quantity::Weight), "kg");
    EXPECT_EQ(altitudeText(2), "900 m ... 1750 m");
  }
  Units u(false);
  EXPECT_EQ(unitLabel(Quantity::Pressure), "psi");
  EXPECT_EQ(unitLabel(Quantity::AirConsumption), "cft/min");
  EXPECT_EQ(altitudeText(4), "8800 ft ... 13300 ft");
  EXPECT_EQ(altitudeText(0), "");
  EXPECT_EQ(altitudeText(5), "");
}

TEST(DisplayFormats, MetricAndImperial) {
  Units m(true);
  EXPECT_EQ(formatTankSize(1000), "10.0");
  EXPECT_EQ(formatTankSizeList(800), "  8.0");
  EXPECT_EQ(formatTankSizeList(1200), "12.0");
  EXPECT_EQ(formatPressure(20000), "200");
  EXPECT_EQ(formatWeight(500), "5.0");
  EXPECT_EQ(formatDepthCm(3250), "32.5");
  EXPECT_EQ(formatVisibility(1500), "15");
  EXPECT_EQ(formatAirTemperature(1450), "14.5");
  EXPECT_EQ(formatWaterTemperature(-150), "-1.5");
  EXPECT_EQ(formatSac(25.4f), "25.4");
  EXPECT_EQ(formatSac(0.0f), "");
  EXPECT_EQ(formatMinutes(125), "02:05");
  EXPECT_EQ(formatTotalTime(6125), "102:05");
  for (auto f : {formatTankSize, formatPressure, formatWeight, formatDepthCm, formatVisibility,
                 formatAirTemperature, formatWaterTemperature, formatMinutes})
    EXPECT_EQ(f(NO_VALUE), "");

  settings().unitsMetric = 0;
  EXPECT_EQ(formatTankSize(1000), "70");
  EXPECT_EQ(formatTankSizeList(1000), "  70");
  EXPECT_EQ(formatTankSizeList(1500), "105");
  EXPECT_EQ(formatPressure(20000), "2900");
  EXPECT_EQ(formatWeight(500), "13.4");
  EXPECT_EQ(formatDepthCm(3250), "107");
  EXPECT_EQ(formatAirTemperature(1450), "58");
  EXPECT_EQ(formatWaterTemperature(1450), "58.1");
  EXPECT_EQ(formatSac(25.4f), "0.90");
}

TEST(DisplayFormats, RecordDepthsAndNotes) {
  Units m(true);
  DiveRecord r = makeRecord();
  EXPECT_EQ(formatMaxDepth(r), "");
  EXPECT_EQ(formatAvgDepth(r), "");
  r.maxDepth = -1;
  r.profileMaxDepth = 32.5f;
  EXPECT_EQ(formatMaxDepth(r), "32.5");  // taken from the profile
  r.profileAvgDepth = 8.86f;
  EXPECT_EQ(formatAvgDepth(r), "8.9");
  r.avgDepth = 12.0f;
  EXPECT_EQ(formatAvgDepth(r), "12.0");

  setNotes(r, std::string("caf\x82 ") + std::string(300, 'n'));
  std::string notes = formatNotes(r);
  EXPECT_EQ(notes.substr(0, 6), "café ");
  EXPECT_EQ(notes.size(), 305u + 1u);  // é takes two bytes in UTF-8
}

TEST(EntryRules, StoredValues) {
  Units m(true);
  EXPECT_EQ(parseDepth("2.3"), 229);  // single precision times 100, truncated
  EXPECT_EQ(parseDepth(""), NO_VALUE);
  EXPECT_EQ(parseDepth("-100"), NO_VALUE);
  EXPECT_EQ(parseDepth("-99"), -9900);
  EXPECT_EQ(parseDepth("400"), NO_VALUE);  // does not fit the field
  EXPECT_EQ(parseTemperature("-1.5"), -150);
  EXPECT_EQ(parseTankSize("12"), 1200);
  EXPECT_EQ(parseWeight("4.5"), 450);
  EXPECT_EQ(parseVisibility("15.7"), 1500);  // whole metres
  EXPECT_EQ(parseAirConsumed("180"), 18000);
  EXPECT_EQ(parseStartPressure("300"), 30000);
  EXPECT_EQ(parseStartPressure("350"), 32000);  // capped at 320 bar
  EXPECT_EQ(parseAirConsumed("abc"), NO_VALUE);

  EXPECT_EQ(parseMinutes("0:00"), NO_VALUE);
  EXPECT_EQ(parseMinutes("1:05"), 65);
  EXPECT_EQ(parseMinutes("45"), 45);
  EXPECT_EQ(parseMinutes(""), NO_VALUE);
  EXPECT_EQ(parseMinutes("600:00"), NO_VALUE);  // would wrap in the 16-bit field

  settings().unitsMetric = 0;
  EXPECT_EQ(parseDepth("10"), 304);  // 10 ft -> 3.04 m
  EXPECT_EQ(parseTemperature("50"), 1000);
  EXPECT_EQ(parseTankSize("70"), 1000);
  EXPECT_EQ(parseWeight("10"), 373);
  EXPECT_EQ(parseVisibility("50"), 1500);  // 15.23 m cut to whole metres
  EXPECT_EQ(parseAirConsumed("1000"), 6800);  // 68.97 bar cut to whole bar
  EXPECT_EQ(parseStartPressure("5000"), 32000);
}

TEST(EntryRules, Dates) {
  int d, m, y;
  fromDayNumber(parseDate("5.6.04"), d, m, y);
  EXPECT_EQ(d * 10000 + m * 1000 + y, 5 * 10000 + 6 * 1000 + 2004);
  fromDayNumber(parseDate("5.6.85"), d, m, y);
  EXPECT_EQ(y, 1985);
  fromDayNumber(parseDate(" 31.12.1999"), d, m, y);
  EXPECT_EQ(d, 31);
  EXPECT_EQ(m, 12);
  EXPECT_EQ(y, 1999);
  EXPECT_EQ(parseDate(""), -1);
  EXPECT_EQ(parseDate("0.6.04"), -1);
  EXPECT_EQ(parseDate("5.0.04"), -1);
  EXPECT_EQ(parseDate("5.13.04"), -1);  // no such month
  EXPECT_EQ(parseDate("1.1.1600"), 0);
}

TEST(Calendar, DayNumbersAndWeekdays) {
  EXPECT_EQ(dayNumber(1, 1, 1600), 0);
  EXPECT_EQ(dayNumber(1, 1, 1601), 366);  // 1600 is a leap year
  EXPECT_EQ(dayNumber(1, 3, 1700) - dayNumber(28, 2, 1700), 1);  // 1700 is not
  EXPECT_EQ(weekday(1, 1, 2004), 3);
  EXPECT_EQ(weekdayName(3), "Gi");
  EXPECT_EQ(weekday(29, 2, 2000), 1);  // a Tuesday
  EXPECT_EQ(monthName(5), "Mag");

  int lastWd = -1;
  for (int32_t n = 0; n < 200000; ++n) {  // 1600 .. 2147
    int d, m, y;
    fromDayNumber(n, d, m, y);
    ASSERT_EQ(dayNumber(d, m, y), n) << d << "." << m << "." << y;
    int wd = weekday(d, m, y);
    if (lastWd >= 0) ASSERT_EQ(wd, (lastWd + 1) % 7) << n;
    lastWd = wd;
  }
}

TEST(Calendar, DateDisplay) {
  useInterfaceTexts(true);
  int32_t n = dayNumber(1, 1, 2004);
  EXPECT_EQ(formatDateLong(n), "Gi, 01.Gen.2004");
  EXPECT_EQ(formatDateList(n), "01.01.2004");
  EXPECT_EQ(formatDateShort(n), "01.01.04");
  EXPECT_EQ(formatDateLong(0), "");  // day number 0 is not shown
  EXPECT_EQ(formatDateLong(-1), "");
  EXPECT_EQ(formatDateList(-1), "");
  useInterfaceTexts(false);
  EXPECT_EQ(formatDateLong(n), "Do, 01.Jan.2004");
  useInterfaceTexts(true);

  int64_t t = parseCalendarDate("5.6.04");
  EXPECT_EQ(formatCalendarDate(t), "05.06.2004");
  EXPECT_EQ(formatCalendarDate(parseCalendarDate("5.6.85")), "05.06.1985");
  EXPECT_EQ(formatCalendarDate(parseCalendarDate("5.6.39")), "05.06.2039");
  EXPECT_EQ(parseCalendarDate("5.6.#"), 0);
  EXPECT_EQ(parseCalendarDate("0.6.04"), 0);
  EXPECT_EQ(parseCalendarDate(""), 0);
  EXPECT_EQ(formatCalendarDate(0), "");
}

TEST(Transcoding, StoredDisplayedAndUtf8) {
  // Apostrophe entered: stored as 0x27, shown as the acute accent; acute entered: stored 0x27.
  EXPECT_EQ(toStored("'"), "'");
  EXPECT_EQ(toDisplay("'"), "\xB4");
  EXPECT_EQ(toStored("\xB4"), "'");
  // 0xEF is both a stored byte (grave accent) and a displayed one (ï, stored 0x8B).
  EXPECT_EQ(toDisplay("\xEF"), "`");
  EXPECT_EQ(toStored("\xEF"), "\x8B");
  EXPECT_EQ(toDisplay("\x8B"), "\xEF");
  EXPECT_EQ(storedToUtf8("Z\x81rich \x84\x94\x81\xE1"), "Zürich äöüß");
  EXPECT_EQ(utf8ToStored("Zürich äöüß"), "Z\x81rich \x84\x94\x81\xE1");

  // Every displayed character of the 32 pairs except the grave accent survives the trip.
  const std::string shown = "ÄÖÜäöüßáàâéèêëÉóòôúùûíìîïñÑçÇ´°";
  EXPECT_EQ(storedToUtf8(utf8ToStored(shown)), shown);

  // Windows-1252 <-> UTF-8 over the whole byte range.
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  std::string utf8 = cp1252ToUtf8(all);
  EXPECT_TRUE(isValidUtf8(utf8));
  EXPECT_EQ(utf8ToCp1252(utf8), all);
  EXPECT_EQ(cp1252ToUtf8("\x80\x9F"), "€Ÿ");
  EXPECT_EQ(utf8ToCp1252("€ 日本"), "\x80 ??");
  EXPECT_FALSE(isValidUtf8("\xC3"));
  EXPECT_FALSE(isValidUtf8("\xC0\xAF"));  // overlong
}

TEST(EnumTexts, TablesAndCombinedTexts) {
  useInterfaceTexts(true);
  EXPECT_EQ(weatherText(6), "neve");
  EXPECT_EQ(weatherText(0), "");
  EXPECT_EQ(weatherText(7), "");
  EXPECT_EQ(suitText(3), "Salopette");
  EXPECT_EQ(tankMaterialText(2), "Aluminio");
  EXPECT_EQ(diveTypeBitText(9), "SCR");
  EXPECT_EQ(activityBitText(13), "");
  EXPECT_EQ(specialActivityShortName(4), "Qualif.");
  EXPECT_EQ(specialActivityLongName(4), "Qualificazione");
  EXPECT_EQ(specialActivityLongName(8), "");
  useInterfaceTexts(false);
  EXPECT_EQ(weatherText(2), "bewölkt");
  EXPECT_EQ(moreActivityBitText(10), "TG-Führung");
  EXPECT_EQ(warningBitText(4), "LEISTUNG");
  useInterfaceTexts(true);

  DiveRecord r = makeRecord();
  r.diveTypeFlags = (1 << 2) | (1 << 8);
  EXPECT_EQ(diveTypeText(r), "In curva, Nitrox, Camera iper");
  r.diveTypeFlags = 1 << 7;
  EXPECT_EQ(diveTypeText(r), "Acqua salata");
  r.diveTypeFlags = 0;
  EXPECT_EQ(diveTypeText(r), "Camera iper");

  r.activityFlags = (1 << 4) | (1 << 14);  // bit 14 has no text
  r.moreActivityFlags = (1 << 8);
  EXPECT_EQ(activitiesText(r), "Notturna, Da barca");
  r.warningFlags = (1 << 0) | (1 << 1) | (1 << 5);
  EXPECT_EQ(warningsText(r), "Risalita, SOS");
}

TEST(ProfileKindAndListLine, MarksAndLayout) {
  DiveRecord r = makeRecord();
  EXPECT_EQ(profileMark(r), ' ');
  EXPECT_EQ(formatProfileKind(r), "No profilo");
  r.profileLength = 92;
  EXPECT_EQ(profileKind(r), ProfileKind::HandMade);  // an all-zero header counts as hand-made
  for (int i = 0; i < 8; ++i) r.profileHeader[i] = static_cast<uint16_t>(i % 2 ? 2927 + i : 0);
  EXPECT_EQ(profileMark(r), 'H');
  EXPECT_EQ(formatProfileKind(r), "Profilo manuale");
  r.profileHeader[3] = 2927;  // right value, wrong position
  EXPECT_EQ(profileMark(r), 'P');
  EXPECT_EQ(formatProfileKind(r), "Profilo");

  r.diveNumber = 42;
  r.date = dayNumber(5, 6, 2004);
  setText(r.location, std::string("Garda\x8A"));
  EXPECT_EQ(diveListLine(r), "P\t00042\t05.06.04\tGardaè");
  setText(r.site, std::string("Punta"));
  EXPECT_EQ(diveListLine(r), "P\t00042\t05.06.04\tGardaè, Punta");
  r.date = -1;
  r.profileLength = 0;
  EXPECT_EQ(diveListLine(r), " \t00042\t        \tGardaè, Punta");
}

TEST(StringTable, LookupAndFormat) {
  EXPECT_EQ(str(62588), "Senzanome.log");
  EXPECT_EQ(str(62783), "Applicazione &esterna    Strg+F5");
  EXPECT_EQ(str(1), "");
  EXPECT_EQ(strf(62589, 17), "Cancella imm #17?");
  EXPECT_EQ(strf(62612, 3, 9, "+", "01:30"), "Cambia imm #3 da #9\nCon +01:30 HH:MM?");
}

TEST(StringTable, NoIdHasTwoDifferentTexts) {
  EXPECT_TRUE(conflictingStringIds().empty());
}
