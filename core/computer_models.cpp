#include "core/computer_models.h"

#include <filesystem>
#include <system_error>

#include "core/ini_file.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"

namespace kelp {
namespace {

struct BuiltIn {
  uint32_t id;
  const char* name;
  uint32_t gas, pressure, import;
};

// Added in this order at start, then sorted by name.
const BuiltIn kBuiltIns[] = {
    {0, "Handeintrag", 0, 0, 0},
    {177, "Citizen Hyper Aqualand", 0, 0, 1},
    {178, "Citizen ProMaster", 0, 0, 1},
    {179, "Mares Guardian", 0, 0, 1},
    {180, "UDDF", 0, 0, 1},
    {68, "Aladin Air X/Z", 0, 1, 0},
    {52, "Aladin Air X", 0, 1, 0},
    {244, "Aladin Air X Nitrox", 1, 1, 0},
    {31, "Aladin Pro", 0, 0, 0},
    {63, "Aladin Pro", 0, 0, 0},
    {255, "Aladin Pro Nitrox", 1, 0, 0},
    {30, "Aladin Sport", 0, 0, 0},
    {28, "Aladin Air", 0, 1, 0},
    {29, "Spiro Monitor 2 Plus", 0, 0, 0},
    {61, "Spiro Monitor 2 Plus", 0, 0, 0},
    {72, "Spiro Monitor 3 Air", 0, 1, 0},
    {64, "Mares Genius", 0, 1, 0},
    {164, "Aladin Air X O2", 2, 1, 0},
};

constexpr size_t kMaxNameLength = 83;

// Cuts a name to 83 bytes without splitting a UTF-8 character.
std::string cutName(const std::string& name) {
  if (name.size() <= kMaxNameLength) return name;
  size_t n = kMaxNameLength;
  while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
  return name.substr(0, n);
}

}  // namespace

ComputerModelTable::ComputerModelTable() {
  addBuiltIns();
  sort();
}

void ComputerModelTable::addBuiltIns() {
  for (const auto& b : kBuiltIns) addOrUpdate(b.id, b.name, b.gas, b.pressure, b.import, false, true);
}

void ComputerModelTable::addOrUpdate(uint32_t id, const std::string& name, uint32_t gas,
                                     uint32_t pressure, uint32_t import, bool sortAfter, bool fixed) {
  bool found = false;
  for (auto& r : rows_) {
    if (r.id == id) {
      r.name = cutName(name);
      r.gas = gas;
      r.pressure = pressure;
      r.import = import;
      found = true;
      break;
    }
  }
  if (!found) {
    ComputerModel m;
    m.id = id;
    m.name = cutName(name);
    m.gas = gas;
    m.pressure = pressure;
    m.import = import;
    m.fixed = fixed ? 1 : 0;
    rows_.push_back(std::move(m));
  }
  if (sortAfter) sort();
}

void ComputerModelTable::sort() {
  const int n = count();
  for (int i = 0; i + 1 < n; ++i)
    for (int j = i + 1; j < n; ++j)
      if (rows_[i].name.compare(rows_[j].name) > 0) std::swap(rows_[i], rows_[j]);
  int importIdx = 0, airIdx = 0;
  for (auto& r : rows_) {
    r.importIndex = r.import ? importIdx++ : -1;
    r.airIndex = r.gas == 0 ? airIdx++ : -1;
  }
}

bool ComputerModelTable::remove(uint32_t id) {
  for (auto it = rows_.begin(); it != rows_.end(); ++it) {
    if (it->id != id) continue;
    if (it->fixed || isBuiltInId(id)) return false;
    rows_.erase(it);
    sort();  // order is unchanged; the indexes are renumbered
    return true;
  }
  return false;
}

const ComputerModel* ComputerModelTable::find(uint32_t id) const {
  for (const auto& r : rows_)
    if (r.id == id) return &r;
  return nullptr;
}

std::string ComputerModelTable::name(uint32_t id) const {
  const ComputerModel* r = find(id);
  return r ? r->name : std::string();
}

bool ComputerModelTable::airIntegrated(uint32_t id) const {
  const ComputerModel* r = find(id);
  return r && r->pressure != 0;
}

bool ComputerModelTable::nitroxModel(uint32_t id) const {
  const ComputerModel* r = find(id);
  return r && r->gas == 1 && r->import == 0;
}

bool ComputerModelTable::o2Model(uint32_t id) const {
  const ComputerModel* r = find(id);
  return r && r->gas == 2 && r->import == 0;
}

bool ComputerModelTable::importSource(uint32_t id) const {
  const ComputerModel* r = find(id);
  return r && r->import != 0;
}

bool ComputerModelTable::airModel(uint32_t id) const {
  const ComputerModel* r = find(id);
  return r && r->gas == 0;
}

int ComputerModelTable::gasKind(uint32_t id) const {
  const ComputerModel* r = find(id);
  return r ? static_cast<int>(r->gas) : 0;
}

int ComputerModelTable::importIndex(uint32_t id) const {
  const ComputerModel* r = find(id);
  return r ? r->importIndex : -1;
}

int ComputerModelTable::airIndex(uint32_t id) const {
  const ComputerModel* r = find(id);
  return r ? r->airIndex : -1;
}

int ComputerModelTable::idByImportIndex(int index) const {
  if (index < 0) return -1;
  for (const auto& r : rows_)
    if (r.import && r.importIndex == index) return static_cast<int>(r.id);
  return -1;
}

int ComputerModelTable::idByAirIndex(int index) const {
  if (index < 0) return -1;
  for (const auto& r : rows_)
    if (r.gas == 0 && r.airIndex == index) return static_cast<int>(r.id);
  return -1;
}

std::string ComputerModelTable::nameByImportIndex(int index) const {
  int id = idByImportIndex(index);
  return id < 0 ? std::string() : name(static_cast<uint32_t>(id));
}

std::string ComputerModelTable::nameByAirIndex(int index) const {
  int id = idByAirIndex(index);
  return id < 0 ? std::string() : name(static_cast<uint32_t>(id));
}

bool ComputerModelTable::isBuiltInId(uint32_t id) {
  for (const auto& b : kBuiltIns)
    if (b.id == id) return true;
  return false;
}

bool ComputerModelTable::hasGasSetting(uint32_t id) const {
  const ComputerModel* r = find(id);
  return r && (r->gas == 1 || r->gas == 2) && r->import == 0;
}

void ComputerModelTable::loadTypes(const IniFile& ini) {
  for (uint32_t id = 0; id <= 255; ++id) {
    std::string sec = format("%u", id);
    std::string n = ini.getString(sec, "Name");
    if (n.empty()) continue;
    auto num = [&](const char* key) {
      int v = ini.getInt(sec, key, 0);
      return v < 0 ? 0u : static_cast<uint32_t>(v);
    };
    addOrUpdate(id, n, num("Gas"), num("Pressure"), num("Import"), false, false);
  }
  sort();
}

void ComputerModelTable::saveTypes(IniFile& ini) const {
  ini.clear();
  for (const auto& r : rows_) {
    std::string sec = format("%u", r.id);
    ini.setString(sec, "Name", r.name);
    ini.setInt(sec, "Gas", static_cast<int>(r.gas));
    ini.setInt(sec, "Pressure", static_cast<int>(r.pressure));
    ini.setInt(sec, "Import", static_cast<int>(r.import));
  }
}

bool ComputerModelTable::loadTypesFile(const std::string& path) {
  IniFile ini(path);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return false;
  loadTypes(ini);
  return true;
}

bool ComputerModelTable::saveTypesFile(const std::string& path) const {
  IniFile ini;
  ini.setPath(path);
  saveTypes(ini);
  return ini.save();  // replaces the old file whole
}

ComputerModelTable& computerModels() {
  static ComputerModelTable t;
  return t;
}

std::string computerDisplayName(uint32_t id) {
  std::string n;
  if (id == 0) {
    n = str(62586);
  } else {
    n = computerModels().name(id);
    if (n.empty()) n = format("Typ: %u", id);
  }
  IniFile& ini = settingsFile();
  std::string key = format("CT%03u", id);
  if (ini.has("Computertyp", key)) {
    std::string user = ini.getString("Computertyp", key);
    if (!user.empty() && user != n) n = user;
  }
  return n;
}

}  // namespace kelp
