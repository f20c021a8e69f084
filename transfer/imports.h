#pragma once
// Importers of one dive from the export files of other logbook tools: Citizen
// logbook files (*.wgm) and Guardian text exports (*.txt). Each builds the
// DiveRecord that the dive editor shows for review, profile included.
#include <string>
#include <utility>
#include <vector>

#include "core/dive_record.h"

namespace kelp {

struct ImportResult {
  bool ok = false;
  std::string error;  // user-facing message (UTF-8) when !ok
  DiveRecord record{};
};

struct CitizenOptions {
  bool imperial = false;     // "Import"/"System" != 0
  int computerType = 177;    // "Import"/"Typ"
  DiveDefaults defaults;     // applied when defaults.use
  static CitizenOptions fromSettings();
};

inline constexpr int CITIZEN_MAX_VALUES = 634;
inline constexpr int GUARDIAN_MAX_POINTS = 211;
inline constexpr int GUARDIAN_TYPE = 179;

// Errors: "File non esiste", "Errore nell'aprire il file", "Formato file sbagliato".
ImportResult importCitizen(const std::string& path, const CitizenOptions& options);
ImportResult importCitizen(const std::string& path);  // options from the settings
// The same from the file's bytes (a file that ends early gives empty fields).
ImportResult importCitizenBytes(const std::string& bytes, const CitizenOptions& options);

// Citizen's weather word: 0 none, 1 clear ... 6 snow; later matches win.
int citizenWeather(const std::string& word);

// The sectioned key-value text of a Guardian export.
class GuardianSection {
 public:
  GuardianSection() = default;
  explicit GuardianSection(std::string path);  // reads the file's lines
  static GuardianSection fromText(const std::string& text);

  bool readSection(const std::string& name);
  bool found() const { return found_; }
  bool getText(const std::string& key, std::string& value) const;
  bool getInt(const std::string& key, int& value) const;
  bool getNumber(const std::string& key, double& value) const;
  const std::vector<std::pair<std::string, std::string>>& entries() const { return entries_; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::vector<std::string> lines_;
  std::vector<std::pair<std::string, std::string>> entries_;
  bool found_ = false;
};

// "File non esiste" when the file does not exist; otherwise always a record.
ImportResult importGuardian(const std::string& path, const DiveDefaults& defaults);
ImportResult importGuardian(const std::string& path);  // defaults from the settings
ImportResult importGuardianText(const std::string& text, const DiveDefaults& defaults);

// Shared by both importers: samples, raw profile and profile depths from depth
// values in decimetres (the last one the closing 0), over 'minutes' minutes.
void buildImportedProfile(DiveRecord& r, const std::vector<int>& valuesDm, int minutes);

}  // namespace kelp
