#pragma once
// The process-wide settings record, read from Kelp.ini at start and written back at exit.
#include <array>
#include <cstdint>
#include <string>

#include "core/dive_record.h"
#include "core/ini_file.h"

namespace kelp {

// Colours are 32-bit values with red in the low byte, then green, then blue.
using Color = uint32_t;
inline constexpr Color rgb(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// Profile colours, in file order.
enum ProfileColorIndex { kColProfile, kColClipProfile, kColBackground, kColDecoLine, kColText,
                         kColLines, kColWarnings, kColRadio, kProfileColorCount };
enum NoStopColorIndex { kNsCurve1, kNsCurve2, kNsCurve3, kNsCurve4, kNsCurve5, kNsBackground,
                        kNsText, kNsLines, kNoStopColorCount };
enum StatColorIndex { kStFresh, kStSea, kStChamber, kStBelow, kStAbove, kStatColorCount };

using ProfileColors = std::array<Color, kProfileColorCount>;
using NoStopColors = std::array<Color, kNoStopColorCount>;
using StatisticsColors = std::array<Color, kStatColorCount>;

// Gradient factors of the Bühlmann planner, in percent: each from kGfMin to 100, low not
// above high. Kelp.ini keeps them in [Deko] GFLow and GFHigh.
inline constexpr int kGfMin = 10, kGfMax = 100;
inline constexpr int kDefaultGfLow = 30, kDefaultGfHigh = 75;
inline constexpr bool gradientFactorsValid(int low, int high) {
  return low >= kGfMin && high <= kGfMax && low <= high;
}

struct WindowPlacement {
  int x = 0, y = 0, dx = 0, dy = 0;  // left, top, right, bottom of the normal rectangle
  int maximized = 0;
  bool valid() const { return dx != 0 && dy != 0; }
};

struct Settings {
  std::string lastLogbookPath;        // "Recent File List" / "File1"
  ProfileColors profileColors{};
  NoStopColors noStopColors{};
  StatisticsColors statisticsColors{};
  int savePositions = 1;              // Fenster/Position
  // Ansicht
  int profilePreview = 1, grid = 1, crossHair = 1, dataWindow = 1, warnWindow = 1, extended = 1;
  std::string currency = "DM";
  int gaugeBackground = 1;
  int unitsMetric = 1;
  // Sprache: "it" or "en" once the user chose a language in the settings; empty (and not
  // written) while the locale decides. Takes effect at the next start.
  std::string language;
  // files of the personal books
  std::string equipmentFile; int equipmentAutocheck = 0;
  std::string addressFile;
  std::string activitiesFile;
  // Excel (separated-values export)
  int excelFields = 0, excelSeparator = 0, excelSign = 0, excelTimeFormat = 0;
  // Tabelle: column widths (-1 = automatic)
  std::array<int, 11> tableColumns{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  // other list windows, key -> width; keys as in the file ("AnzSp00" ...)
  std::array<int, 2> anzCols{-1, -1}, tpl1Cols{-1, -1}, tpl2Cols{-1, -1}, part1Cols{-1, -1},
      part2Cols{-1, -1}, nachwCols{-1, -1};
  std::array<int, 3> inhCols{-1, -1, -1}, adrCols{-1, -1, -1}, urlCols{-1, -1, -1};
  std::array<int, 4> ausrCols{-1, -1, -1, -1};
  std::array<int, 5> ctypCols{-1, -1, -1, -1, -1};
  // Transfer
  int comPort = 1;
  std::string comDevice;  // "Device": a serial device path that overrides the port number
  std::string trSerial, trType, trDives, trBattery, trBeeper, trUnits, trPpO2, trReserve, trBreathing;
  int dump = 0;
  // Import
  int importType = 177;
  int importSystem = 0;
  // ExternApplication
  std::string externFile, externName, externBrowser;
  // Default
  DiveDefaults defaults;
  // Print
  int printUseLine = 1;
  // Deko: the gradient factors of the Bühlmann planner, in percent
  int gfLow = kDefaultGfLow, gfHigh = kDefaultGfHigh;
  // Tip
  int tipStartUp = 0; long tipFilePos = 0; std::string tipTimeStamp;
  // field selection flags (never stored; all set at start)
  std::array<bool, 25> fieldSelection{true, true, true, true, true, true, true, true, true,
                                      true, true, true, true, true, true, true, true, true,
                                      true, true, true, true, true, true, true};
  // window positions of the current screen size
  WindowPlacement mainWindow, profileWindow, dataWindow_, tableWindow;
  int statMainX = -1, statMainY = -1, statSubX = -1, statSubY = -1;

  // Menu text of the external application command (default text when empty).
  std::string externMenuText() const;
};

// Process-wide settings and the profile they come from.
Settings& settings();
IniFile& settingsFile();  // Kelp.ini in configDir()

// Reads every key (window keys for the given screen size "WxH"); missing keys give defaults.
void readSettings(Settings& s, const IniFile& ini, int screenW = 0, int screenH = 0);
// Writes every key except window positions and the recent file list.
void writeSettings(const Settings& s, IniFile& ini);
// Window positions live in a section named after the screen size.
std::string screenSection(int w, int h);
WindowPlacement readWindowPlacement(const IniFile& ini, int w, int h, const std::string& prefix);
void writeWindowPlacement(IniFile& ini, int w, int h, const std::string& prefix,
                          const WindowPlacement& p, bool withMaximized = true);
// The stored language choice (Kelp.ini [Ansicht] Sprache) as written, "" when absent.
std::string readLanguageSetting(const IniFile& ini);
// Column widths outside 8..500 read as -1.
int sanitizeColumnWidth(int w);

// Loads Kelp.ini from configDir() into settings() (and the computer types file).
void loadAllSettings(int screenW = 0, int screenH = 0);
// Writes settings() (and the computer types file) back.
bool saveAllSettings();

// Colour scheme files (*.cst): eight 32-bit little-endian colours, no header.
bool loadColorScheme(const std::string& path, ProfileColors& colors);  // short files change only what they hold
// Written through a temporary file beside it, as every file is.
bool saveColorScheme(const std::string& path, const ProfileColors& colors);
// The same on bytes: a short file sets the colours it holds whole, bytes behind the eighth
// colour are ignored.
void parseColorScheme(const std::string& bytes, ProfileColors& colors);
std::string colorSchemeBytes(const ProfileColors& colors);

// A list column's width as shown and as kept. A column without a width of its own (`stored` 0 or
// less) or with its default width is shown at the default, widened to `headFit` where its head
// text needs more; while it is shown so, the default goes back into the settings, so that the
// settings file does not depend on the language of the head texts.
int columnWidthShown(int stored, int defaultWidth, int headFit);
int columnWidthToStore(int shown, int defaultWidth, int headFit);

}  // namespace kelp
