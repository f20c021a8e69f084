#include <gtest/gtest.h>

#include <string>

#include "core/computer_models.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "core/texts.h"

using namespace kelp;

TEST(ComputerModels, BuiltInRowsSortedAndNumbered) {
  ComputerModelTable t;
  ASSERT_EQ(t.count(), 18);
  for (int i = 0; i + 1 < t.count(); ++i) EXPECT_LE(t.at(i).name, t.at(i + 1).name);
  // Duplicate names stay as two rows.
  for (uint32_t id : {31u, 63u, 29u, 61u}) EXPECT_NE(t.find(id), nullptr) << id;
  EXPECT_EQ(t.at(0).name, "Aladin Air");
  EXPECT_EQ(t.at(t.count() - 1).name, "UDDF");

  // Every row is renumbered, the last one included.
  int air = 0, imp = 0;
  for (int i = 0; i < t.count(); ++i) {
    const ComputerModel& m = t.at(i);
    EXPECT_EQ(m.fixed, 1u);
    EXPECT_EQ(m.airIndex, m.gas == 0 ? air++ : -1) << m.name;
    EXPECT_EQ(m.importIndex, m.import ? imp++ : -1) << m.name;
  }
  EXPECT_EQ(imp, 4);
  EXPECT_EQ(t.airIndex(72), air - 2);
  EXPECT_EQ(t.idByAirIndex(air - 1), 180);
  EXPECT_EQ(t.nameByImportIndex(0), "Citizen Hyper Aqualand");
  EXPECT_EQ(t.idByImportIndex(2), 179);
  EXPECT_EQ(t.nameByImportIndex(3), "UDDF");  // profiles of UDDF files of other programs
  EXPECT_EQ(t.nameByImportIndex(4), "");
  EXPECT_EQ(t.idByAirIndex(-1), -1);
}

TEST(ComputerModels, PropertiesAndGasSetting) {
  ComputerModelTable t;
  EXPECT_TRUE(t.airIntegrated(68));
  EXPECT_TRUE(t.nitroxModel(244));
  EXPECT_TRUE(t.o2Model(164));
  EXPECT_EQ(t.gasKind(164), 2);
  EXPECT_TRUE(t.importSource(179));
  EXPECT_TRUE(t.airModel(0));
  EXPECT_FALSE(t.airModel(200));  // no row
  EXPECT_EQ(t.gasKind(200), 0);
  EXPECT_EQ(t.importIndex(200), -1);
  EXPECT_TRUE(t.hasGasSetting(244));
  EXPECT_TRUE(t.hasGasSetting(164));
  EXPECT_FALSE(t.hasGasSetting(52));
  t.addOrUpdate(201, "Import mit Nitrox", 1, 0, 1, true, false);
  EXPECT_FALSE(t.hasGasSetting(201));  // an import source never carries it
  EXPECT_FALSE(t.nitroxModel(201));

  EXPECT_TRUE(ComputerModelTable::isBuiltInId(0));
  EXPECT_TRUE(ComputerModelTable::isBuiltInId(164));
  EXPECT_FALSE(ComputerModelTable::isBuiltInId(201));
  EXPECT_FALSE(t.remove(52));
  EXPECT_TRUE(t.remove(201));
  EXPECT_EQ(t.count(), 18);
}

TEST(ComputerModels, TypesFileRenamesAndAdds) {
  IniFile ini;
  ini.parse("[52]\nName=Air X (alt)\nGas=0\nPressure=1\n"
            "[230]\nName=" + std::string(100, 'Z') + "\nGas=2\nPressure=1\nImport=0\n"
            "[231]\nName=\nGas=1\n"
            "[999]\nName=Ignored\n");
  ComputerModelTable t;
  t.loadTypes(ini);
  EXPECT_EQ(t.count(), 19);
  EXPECT_EQ(t.name(52), "Air X (alt)");
  EXPECT_EQ(t.find(52)->fixed, 1u);  // stays built-in
  EXPECT_EQ(t.name(230).size(), 83u);
  EXPECT_EQ(t.find(230)->fixed, 0u);
  EXPECT_EQ(t.find(231), nullptr);
  EXPECT_EQ(t.at(t.count() - 1).id, 230u);  // "ZZZ..." sorts last and is numbered
  EXPECT_EQ(t.at(t.count() - 1).airIndex, -1);

  IniFile out;
  out.parse("[old]\nx=1\n");
  t.saveTypes(out);
  EXPECT_FALSE(out.hasSection("old"));  // written anew
  EXPECT_EQ(out.sections().size(), 19u);
  EXPECT_EQ(out.sections().front(), std::to_string(t.idAt(0)));
  ComputerModelTable again;
  again.loadTypes(out);
  EXPECT_EQ(again.name(52), "Air X (alt)");
  EXPECT_EQ(again.gasKind(230), 2);

  // Names are cut at a character boundary.
  t.addOrUpdate(232, std::string(82, 'a') + "ü", 0, 0, 0, true, false);
  EXPECT_EQ(t.name(232), std::string(82, 'a'));
}

TEST(ComputerModels, DisplayNames) {
  settingsFile().clear();
  EXPECT_EQ(computerDisplayName(0), "Inserzioni manuale");
  EXPECT_EQ(computerDisplayName(200), "Typ: 200");
  EXPECT_EQ(computerDisplayName(52), "Aladin Air X");
  EXPECT_EQ(formatComputerType(52), "Aladin Air X");
  settingsFile().setString("Computertyp", "CT052", "Mein Computer");
  EXPECT_EQ(computerDisplayName(52), "Mein Computer");
  EXPECT_EQ(formatComputerType(52), "Mein Computer");
  EXPECT_EQ(computerDisplayName(68), "Aladin Air X/Z");
  settingsFile().clear();
}
