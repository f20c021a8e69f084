// Reads arbitrary bytes as Kelp.ini and as Ctyp.ini. The INI layer writes what it read so
// that reading it again gives the same text; the settings and the computer types taken from
// any text write back in a form that reads and writes again unchanged; every row of the
// computer types answers its lookups.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/computer_models.h"
#include "core/ini_file.h"
#include "core/settings.h"

using namespace kelp;

namespace {

std::string settingsText(const Settings& s) {
  IniFile out;
  writeSettings(s, out);
  return out.serialize();
}

std::string typesText(const ComputerModelTable& t) {
  IniFile out;
  t.saveTypes(out);
  return out.serialize();
}

void checkLookups(const ComputerModelTable& t) {
  for (int i = 0; i < t.count(); ++i) {
    const uint32_t id = t.idAt(i);
    if (!t.find(id) || t.name(id).empty()) std::abort();
    if (t.importSource(id) && t.idByImportIndex(t.importIndex(id)) != static_cast<int>(id)) std::abort();
    if (t.airModel(id) && t.idByAirIndex(t.airIndex(id)) != static_cast<int>(id)) std::abort();
    t.gasKind(id);
    t.hasGasSetting(id);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 64 * 1024) return 0;
  IniFile ini;
  ini.parse(std::string(reinterpret_cast<const char*>(data), size));
  const std::string text = ini.serialize();
  IniFile again;
  again.parse(text);
  if (again.serialize() != text) std::abort();

  Settings s;
  readSettings(s, ini, 1920, 1080);
  readWindowPlacement(ini, 1920, 1080, "CProfileWnd");
  const std::string written = settingsText(s);
  IniFile reread;
  reread.parse(written);
  Settings s2;
  readSettings(s2, reread, 1920, 1080);
  if (settingsText(s2) != written) std::abort();

  ComputerModelTable types;
  types.loadTypes(ini);
  checkLookups(types);
  const std::string typesWritten = typesText(types);
  IniFile typesIni;
  typesIni.parse(typesWritten);
  ComputerModelTable types2;
  types2.loadTypes(typesIni);
  checkLookups(types2);
  if (typesText(types2) != typesWritten) std::abort();
  return 0;
}
