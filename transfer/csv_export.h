#pragma once
// Export of dives to a separated-values file: a table of one line per dive over
// a range of dive numbers, or the fields and the profile of one dive.
#include <cstdint>
#include <string>
#include <vector>

#include "core/logbook.h"

namespace kelp {

struct Settings;

// Field bits of the mask ("Excel"/"Felder"); bit 19 selects the profile layout.
inline constexpr int CSV_PROFILE_BIT = 19;
// The field bits in the order they are written.
extern const std::vector<int> kCsvFieldOrder;

// The file's character set: Windows-1252, as spreadsheets of the decimal-comma world
// read a .csv file, or UTF-8 for scripts that ask for it.
enum class CsvEncoding { Cp1252, Utf8 };

struct CsvOptions {
  uint32_t fields = 0;      // bit mask
  int separator = 0;        // "Trenn": 1 tab, anything else ';'
  int sign = 0;             // "Vorzeichen": 1 positive depths in the profile
  int timeFormat = 0;       // "Zeitformat": 1 "h:mm:ss" in the profile
  int firstNumber = 0;      // first dive number (table)
  int lastNumber = 0;       // last dive number (table), the one dive (profile)
  CsvEncoding encoding = CsvEncoding::Cp1252;  // not stored: the window always writes 1252
  char separatorChar() const { return separator == 1 ? '\t' : ';'; }
  bool profileLayout() const { return (fields >> CSV_PROFILE_BIT) & 1u; }
  static CsvOptions fromSettings(const Settings& s);
  void store(Settings& s) const;
};

// What the dialog "Esporta a Excel" enables: with "Profili" ticked only one dive, given
// by the second number, is exported, and the depth sign and time format apply.
struct CsvDialogRules {
  bool firstNumberEnabled = true;
  bool profileOptionsEnabled = false;
  int secondLabel = 62521;  // "Ultima imm", or "Imm" (62520) for one dive
};
inline CsvDialogRules csvDialogRules(bool profile) {
  return {!profile, profile, profile ? 62520 : 62521};
}

// Header text and value of one field of a dive (UTF-8, before quoting).
std::string csvHeader(int bit);
std::string csvValue(const DiveRecord& r, int bit);
// A cell holding the separator, a double quote or a line break goes in quotes.
std::string csvCell(const std::string& text, char separator);

// Checks the range and the mask ("Numero sbagliato immersione inesistente",
// "Campo non definito").
Result checkCsvOptions(const Logbook& lb, const CsvOptions& o);
std::string csvTable(const Logbook& lb, const CsvOptions& o);
// Empty text and false when no dive has the number.
bool csvProfile(const Logbook& lb, const CsvOptions& o, std::string& out);

// Checks, stores the four settings in 'settings' when given, writes the file in
// the chosen encoding (through a temporary file renamed over the target). A file
// that cannot be created is reported, never passed over in silence.
Result exportCsv(const Logbook& lb, const std::string& path, const CsvOptions& o,
                 Settings* settings = nullptr);

}  // namespace kelp
