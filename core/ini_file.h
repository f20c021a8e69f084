#pragma once
// Private-profile (INI) files: case-insensitive sections and keys, missing keys
// give the default, writing keeps every other section and key of the file.
// Reads UTF-8 (or Windows-1252 where the file is not valid UTF-8); writes UTF-8.
#include <string>
#include <vector>

namespace kelp {

class IniFile {
 public:
  IniFile() = default;
  explicit IniFile(std::string path);

  // Re-reads the file (a missing file is an empty profile).
  bool load();
  // Writes the file whole (UTF-8). Returns false when it cannot be written.
  bool save() const;
  const std::string& path() const { return path_; }
  void setPath(std::string p) { path_ = std::move(p); }

  std::string getString(const std::string& section, const std::string& key,
                        const std::string& def = "") const;
  int getInt(const std::string& section, const std::string& key, int def = 0) const;
  bool has(const std::string& section, const std::string& key) const;
  bool hasSection(const std::string& section) const;
  void setString(const std::string& section, const std::string& key, const std::string& value);
  void setInt(const std::string& section, const std::string& key, int value);
  void removeKey(const std::string& section, const std::string& key);
  void removeSection(const std::string& section);
  void clear();
  std::vector<std::string> sections() const;
  std::vector<std::string> keys(const std::string& section) const;

  // Parses text (used by load and tests).
  void parse(const std::string& bytes);
  std::string serialize() const;

 private:
  struct Entry { std::string key, value; };
  struct Section { std::string name; std::vector<Entry> entries; };
  Section* findSection(const std::string& name);
  const Section* findSection(const std::string& name) const;
  std::string path_;
  std::vector<Section> sections_;
};

// Folder of Kelp.ini and Ctyp.ini: $KELP_CONFIG_DIR, else $XDG_CONFIG_HOME/Kelp,
// else ~/.config/Kelp. Created on demand by the writers.
std::string configDir();
std::string configFilePath(const std::string& fileName);

// A data file shipped with the program (the tips, the dive tables): beside the executable
// during development, else in the install's share/kelp folder; the path beside the
// executable when neither holds it.
std::string shippedFilePath(const std::string& fileName);

}  // namespace kelp
