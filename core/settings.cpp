#include "core/settings.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "core/computer_models.h"
#include "core/file_write.h"
#include "core/strings.h"
#include "core/texts.h"

namespace kelp {
namespace {

const char* const kProfileColorKeys[kProfileColorCount] = {
    "Profil", "Clipprofil", "Hintergrund", "Dekolinie", "Text", "Linien", "Warnungen", "Funksignal"};
const char* const kNoStopColorKeys[kNoStopColorCount] = {
    "Kurve1", "Kurve2", "Kurve3", "Kurve4", "Kurve5", "Hintergrund", "Text", "Linien"};
const char* const kStatColorKeys[kStatColorCount] = {
    "Süßwasser", "Meerwasser", "Druckkammer", "Unterschnitt", "Überschnitt"};

const char* const kProfileColorSection = "Color List Profil";
const char* const kNoStopColorSection = "Color List Nullzeiten";
const char* const kStatColorSection = "Color List Statistik";
const char* const kView = "Ansicht";
const char* const kTable = "Tabelle";
const char* const kTransfer = "Transfer";
const char* const kExtern = "ExternApplication";
const char* const kDefault = "Default";
const char* const kTip = "Tip";
const char* const kLanguageKey = "Sprache";

// Column widths: keys "<prefix>Sp00", "<prefix>Sp01", ...
template <size_t N> void readColumns(const IniFile& ini, const char* prefix, std::array<int, N>& cols) {
  for (size_t i = 0; i < N; ++i)
    cols[i] = sanitizeColumnWidth(ini.getInt(kTable, format("%sSp%02zu", prefix, i), -1));
}

template <size_t N>
void writeColumns(IniFile& ini, const char* prefix, const std::array<int, N>& cols) {
  for (size_t i = 0; i < N; ++i) ini.setInt(kTable, format("%sSp%02zu", prefix, i), cols[i]);
}

template <size_t N>
void readColors(const IniFile& ini, const char* section, const char* const (&keys)[N],
                std::array<Color, N>& colors) {
  for (size_t i = 0; i < N; ++i)
    colors[i] = static_cast<Color>(ini.getInt(section, keys[i], 0));
}

template <size_t N>
void writeColors(IniFile& ini, const char* section, const char* const (&keys)[N],
                 const std::array<Color, N>& colors) {
  for (size_t i = 0; i < N; ++i) ini.setInt(section, keys[i], static_cast<int>(colors[i]));
}

// Each settings table entry with a whole-number value.
struct IntKey {
  const char* section;
  const char* key;
  int Settings::*field;
  int def;
};

const IntKey kIntKeys[] = {
    {"Fenster", "Position", &Settings::savePositions, 1},
    {kView, "Profilvorschau", &Settings::profilePreview, 1},
    {kView, "Raster", &Settings::grid, 1},
    {kView, "Fadenkreuz", &Settings::crossHair, 1},
    {kView, "Datenfenster", &Settings::dataWindow, 1},
    {kView, "Warnfenster", &Settings::warnWindow, 1},
    {kView, "Erweitert", &Settings::extended, 1},
    {kView, "uhrenhintergrund", &Settings::gaugeBackground, 1},
    {kView, "Metrisch", &Settings::unitsMetric, 1},
    {"Ausrüstung", "Autocheck", &Settings::equipmentAutocheck, 0},
    {"Excel", "Felder", &Settings::excelFields, 0},
    {"Excel", "Trenn", &Settings::excelSeparator, 0},
    {"Excel", "Vorzeichen", &Settings::excelSign, 0},
    {"Excel", "Zeitformat", &Settings::excelTimeFormat, 0},
    {kTransfer, "Com", &Settings::comPort, 1},
    {kTransfer, "Dump", &Settings::dump, 0},
    {"Import", "Typ", &Settings::importType, 177},
    {"Import", "System", &Settings::importSystem, 0},
    {"Deko", "GFLow", &Settings::gfLow, kDefaultGfLow},
    {"Deko", "GFHigh", &Settings::gfHigh, kDefaultGfHigh},
    {"Print", "UseLine", &Settings::printUseLine, 1},
    {kTip, "StartUp", &Settings::tipStartUp, 0},
};

struct TextKey {
  const char* section;
  const char* key;
  std::string Settings::*field;
};

const TextKey kTextKeys[] = {
    {kView, "Währung", &Settings::currency},
    {"Ausrüstung", "File", &Settings::equipmentFile},
    {"Adressen", "File", &Settings::addressFile},
    {"Ausbildungsnachweis", "File", &Settings::activitiesFile},
    {kTransfer, "Device", &Settings::comDevice},
    {kTransfer, "SerNum", &Settings::trSerial},
    {kTransfer, "CTyp", &Settings::trType},
    {kTransfer, "AnzTG", &Settings::trDives},
    {kTransfer, "Batterie", &Settings::trBattery},
    {kTransfer, "Beeper", &Settings::trBeeper},
    {kTransfer, "ZSys", &Settings::trUnits},
    {kTransfer, "ppO2", &Settings::trPpO2},
    {kTransfer, "Reserve", &Settings::trReserve},
    {kTransfer, "Atmung", &Settings::trBreathing},
    {kExtern, "File", &Settings::externFile},
    {kExtern, "Name", &Settings::externName},
    {kExtern, "Browser", &Settings::externBrowser},
    {kTip, "TimeStamp", &Settings::tipTimeStamp},
};

}  // namespace

std::string Settings::externMenuText() const { return externName.empty() ? str(62783) : externName; }

Settings& settings() {
  static Settings s;
  return s;
}

IniFile& settingsFile() {
  static IniFile f(configFilePath("Kelp.ini"));
  return f;
}

std::string readLanguageSetting(const IniFile& ini) { return ini.getString(kView, kLanguageKey); }

int sanitizeColumnWidth(int w) { return (w < 8 || w > 500) ? -1 : w; }

std::string screenSection(int w, int h) { return format("%dx%d", w, h); }

WindowPlacement readWindowPlacement(const IniFile& ini, int w, int h, const std::string& prefix) {
  std::string sec = screenSection(w, h);
  WindowPlacement p;
  p.x = ini.getInt(sec, prefix + "_x", 0);
  p.y = ini.getInt(sec, prefix + "_y", 0);
  p.dx = ini.getInt(sec, prefix + "_dx", 0);
  p.dy = ini.getInt(sec, prefix + "_dy", 0);
  p.maximized = ini.getInt(sec, prefix + "_maximized", 0);
  return p;
}

void writeWindowPlacement(IniFile& ini, int w, int h, const std::string& prefix,
                          const WindowPlacement& p, bool withMaximized) {
  std::string sec = screenSection(w, h);
  ini.setInt(sec, prefix + "_x", p.x);
  ini.setInt(sec, prefix + "_y", p.y);
  ini.setInt(sec, prefix + "_dx", p.dx);
  ini.setInt(sec, prefix + "_dy", p.dy);
  if (withMaximized) ini.setInt(sec, prefix + "_maximized", p.maximized);
}

void readSettings(Settings& s, const IniFile& ini, int screenW, int screenH) {
  s.lastLogbookPath = ini.getString("Recent File List", "File1");
  readColors(ini, kProfileColorSection, kProfileColorKeys, s.profileColors);
  readColors(ini, kNoStopColorSection, kNoStopColorKeys, s.noStopColors);
  readColors(ini, kStatColorSection, kStatColorKeys, s.statisticsColors);

  for (const auto& k : kIntKeys) s.*k.field = ini.getInt(k.section, k.key, k.def);
  for (const auto& k : kTextKeys) s.*k.field = ini.getString(k.section, k.key);
  if (!ini.has(kView, "Währung")) s.currency = "DM";
  // A pair of gradient factors the planner would refuse is taken back to the defaults whole.
  if (!gradientFactorsValid(s.gfLow, s.gfHigh)) {
    s.gfLow = kDefaultGfLow;
    s.gfHigh = kDefaultGfHigh;
  }
  s.language = readLanguageSetting(ini);
  {
    int v;
    std::string pos = ini.getString(kTip, "FilePos");
    s.tipFilePos = scanInt(pos, v) ? v : 0;
  }

  readColumns(ini, "Tab", s.tableColumns);
  readColumns(ini, "Anz", s.anzCols);
  readColumns(ini, "Tpl1", s.tpl1Cols);
  readColumns(ini, "Tpl2", s.tpl2Cols);
  readColumns(ini, "Part1", s.part1Cols);
  readColumns(ini, "Part2", s.part2Cols);
  readColumns(ini, "Inh", s.inhCols);
  readColumns(ini, "Ausr", s.ausrCols);
  readColumns(ini, "Adr", s.adrCols);
  readColumns(ini, "Url", s.urlCols);
  readColumns(ini, "Nachw", s.nachwCols);
  readColumns(ini, "CTyp", s.ctypCols);

  DiveDefaults& d = s.defaults;
  d.use = ini.getInt(kDefault, "Use", 0) != 0;
  d.altitudeClass = ini.getInt(kDefault, "Level", 0);
  d.suit = ini.getInt(kDefault, "AnzugTyp", 0);
  // The file holds UTF-8; the record keeps the stored character form.
  d.suitDescription = utf8ToStored(ini.getString(kDefault, "Anzug"));
  d.tankSize = ini.getInt(kDefault, "Flaschengroesse", 0);
  d.tankMaterial = ini.getInt(kDefault, "Flaschenmaterial", 0);
  d.weight = ini.getInt(kDefault, "Blei", 0);
  d.diveType = ini.getInt(kDefault, "TGTyp", 0);

  s.fieldSelection.fill(true);

  if (screenW > 0 && screenH > 0) {
    s.mainWindow = readWindowPlacement(ini, screenW, screenH, "MainWindow");
    s.profileWindow = readWindowPlacement(ini, screenW, screenH, "ProfilWindow");
    s.dataWindow_ = readWindowPlacement(ini, screenW, screenH, "CDisplWindow");
    s.dataWindow_.maximized = 0;
    s.tableWindow = readWindowPlacement(ini, screenW, screenH, "TabWindow");
    std::string sec = screenSection(screenW, screenH);
    s.statMainX = ini.getInt(sec, "StatMainWindow_x", -1);
    s.statMainY = ini.getInt(sec, "StatMainWindow_y", -1);
    s.statSubX = ini.getInt(sec, "StatSubWindow_x", -1);
    s.statSubY = ini.getInt(sec, "StatSubWindow_y", -1);
  }
}

void writeSettings(const Settings& s, IniFile& ini) {
  writeColors(ini, kProfileColorSection, kProfileColorKeys, s.profileColors);
  writeColors(ini, kNoStopColorSection, kNoStopColorKeys, s.noStopColors);
  writeColors(ini, kStatColorSection, kStatColorKeys, s.statisticsColors);

  for (const auto& k : kIntKeys) ini.setInt(k.section, k.key, s.*k.field);
  for (const auto& k : kTextKeys) ini.setString(k.section, k.key, s.*k.field);
  ini.setString(kTip, "FilePos", format("%ld", s.tipFilePos));
  // Only a language the user chose is stored: a file that never had the key keeps its bytes.
  if (!s.language.empty()) ini.setString(kView, kLanguageKey, s.language);

  writeColumns(ini, "Tab", s.tableColumns);
  writeColumns(ini, "Anz", s.anzCols);
  writeColumns(ini, "Tpl1", s.tpl1Cols);
  writeColumns(ini, "Tpl2", s.tpl2Cols);
  writeColumns(ini, "Part1", s.part1Cols);
  writeColumns(ini, "Part2", s.part2Cols);
  writeColumns(ini, "Inh", s.inhCols);
  writeColumns(ini, "Ausr", s.ausrCols);
  writeColumns(ini, "Adr", s.adrCols);
  writeColumns(ini, "Url", s.urlCols);
  writeColumns(ini, "Nachw", s.nachwCols);
  writeColumns(ini, "CTyp", s.ctypCols);

  const DiveDefaults& d = s.defaults;
  ini.setInt(kDefault, "Use", d.use ? 1 : 0);
  ini.setInt(kDefault, "Level", d.altitudeClass);
  ini.setInt(kDefault, "AnzugTyp", d.suit);
  ini.setString(kDefault, "Anzug", storedToUtf8(d.suitDescription));
  ini.setInt(kDefault, "Flaschengroesse", d.tankSize);
  ini.setInt(kDefault, "Flaschenmaterial", d.tankMaterial);
  ini.setInt(kDefault, "Blei", d.weight);
  ini.setInt(kDefault, "TGTyp", d.diveType);
}

void loadAllSettings(int screenW, int screenH) {
  IniFile& ini = settingsFile();
  ini.setPath(configFilePath("Kelp.ini"));
  ini.load();
  readSettings(settings(), ini, screenW, screenH);
  ComputerModelTable& t = computerModels();
  t.clear();
  t.addBuiltIns();
  t.sort();
  t.loadTypesFile(configFilePath("Ctyp.ini"));
}

bool saveAllSettings() {
  IniFile& ini = settingsFile();
  if (ini.path().empty()) ini.setPath(configFilePath("Kelp.ini"));
  writeSettings(settings(), ini);
  bool ok = ini.save();
  ok = computerModels().saveTypesFile(configFilePath("Ctyp.ini")) && ok;
  return ok;
}

void parseColorScheme(const std::string& bytes, ProfileColors& colors) {
  const size_t n = std::min(bytes.size() / 4, colors.size());
  for (size_t i = 0; i < n; ++i) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data()) + 4 * i;
    colors[i] = static_cast<Color>(b[0]) | (static_cast<Color>(b[1]) << 8) | (static_cast<Color>(b[2]) << 16) |
                (static_cast<Color>(b[3]) << 24);
  }
}

std::string colorSchemeBytes(const ProfileColors& colors) {
  std::string bytes;
  for (Color c : colors)
    for (int k = 0; k < 4; ++k) bytes.push_back(static_cast<char>((c >> (8 * k)) & 0xFF));
  return bytes;
}

bool loadColorScheme(const std::string& path, ProfileColors& colors) {
  std::string bytes;
  if (!readWholeFile(path, bytes)) return false;
  parseColorScheme(bytes, colors);
  return true;
}

bool saveColorScheme(const std::string& path, const ProfileColors& colors) {
  return static_cast<bool>(replaceFile(path, colorSchemeBytes(colors)));
}

int columnWidthShown(int stored, int defaultWidth, int headFit) {
  const int w = stored > 0 ? stored : defaultWidth;
  return w == defaultWidth ? std::max(defaultWidth, headFit) : w;
}

int columnWidthToStore(int shown, int defaultWidth, int headFit) {
  return shown == std::max(defaultWidth, headFit) ? defaultWidth : shown;
}

}  // namespace kelp
