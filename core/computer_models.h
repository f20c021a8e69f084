#pragma once
// The dive computer models and import sources, with gas kind and flags.
#include <cstdint>
#include <string>
#include <vector>

namespace kelp {

class IniFile;

struct ComputerModel {
  uint32_t id = 0;
  std::string name;     // at most 83 characters
  uint32_t gas = 0;     // 0 air, 1 Nitrox, 2 O2
  uint32_t pressure = 0;
  uint32_t import = 0;
  int32_t importIndex = -1;
  int32_t airIndex = -1;
  uint32_t fixed = 0;
};

class ComputerModelTable {
 public:
  ComputerModelTable();  // built-in rows, sorted
  void addBuiltIns();
  void addOrUpdate(uint32_t id, const std::string& name, uint32_t gas, uint32_t pressure,
                   uint32_t import, bool sort, bool fixed);
  void sort();
  void clear() { rows_.clear(); }
  bool remove(uint32_t id);  // built-in rows are never removed

  const ComputerModel* find(uint32_t id) const;
  std::string name(uint32_t id) const;  // "" when no row
  bool airIntegrated(uint32_t id) const;
  bool nitroxModel(uint32_t id) const;
  bool o2Model(uint32_t id) const;
  bool importSource(uint32_t id) const;
  bool airModel(uint32_t id) const;
  int gasKind(uint32_t id) const;       // 0 when no row
  int importIndex(uint32_t id) const;
  int airIndex(uint32_t id) const;
  int idByImportIndex(int index) const;  // -1 when none
  int idByAirIndex(int index) const;
  std::string nameByImportIndex(int index) const;
  std::string nameByAirIndex(int index) const;
  const ComputerModel& at(int position) const { return rows_.at(position); }
  uint32_t idAt(int position) const { return rows_.at(position).id; }
  int count() const { return static_cast<int>(rows_.size()); }
  static bool isBuiltInId(uint32_t id);

  // Ctyp.ini: one section per id with Name, Gas, Pressure, Import.
  void loadTypes(const IniFile& ini);
  void saveTypes(IniFile& ini) const;  // clears the profile and writes every row
  bool loadTypesFile(const std::string& path);
  bool saveTypesFile(const std::string& path) const;

  // Whether a dive of this type carries gasSetting in the .log file.
  bool hasGasSetting(uint32_t id) const;

 private:
  std::vector<ComputerModel> rows_;
};

ComputerModelTable& computerModels();  // process-wide table
// Display name: row name, "Inserzioni manuale" for 0, "Typ: %d" without row;
// Kelp.ini "Computertyp"/"CT%03d" overrides when present and different.
std::string computerDisplayName(uint32_t id);

}  // namespace kelp
