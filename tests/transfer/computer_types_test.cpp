// The rules of the computer types dialog over a copy of the model table.
#include <gtest/gtest.h>

#include "core/computer_models.h"
#include "core/logbook.h"
#include "core/texts.h"
#include "transfer/computer_types.h"

using namespace kelp;

namespace {

ComputerModel typeRow(uint32_t id, const std::string& name, uint32_t gas = 0, uint32_t pressure = 0) {
  ComputerModel m;
  m.id = id;
  m.name = name;
  m.gas = gas;
  m.pressure = pressure;
  return m;
}

int rowOf(const ComputerTypesEdit& e, uint32_t id) {
  for (int i = 0; i < e.count(); ++i)
    if (e.rows()[i].id == id) return i;
  return -1;
}

ComputerModelTable tableWithUserTypes() {
  ComputerModelTable t;
  t.addOrUpdate(200, "Zeta Nitrox", 1, 0, 0, false, false);
  t.addOrUpdate(201, "Zeta Air", 0, 1, 0, true, false);
  return t;
}

TEST(ComputerTypes, CellsAndButtonsOfRows) {
  const ComputerModelTable t = tableWithUserTypes();
  ComputerTypesEdit e(t, {});
  ASSERT_EQ(e.count(), 20);
  EXPECT_FALSE(e.canEdit());
  EXPECT_FALSE(e.canDelete());  // "Cancella" needs a selected row

  const auto cells = computerTypeCells(e.rows()[rowOf(e, 244)]);
  EXPECT_EQ(cells[0], "Aladin Air X Nitrox");
  EXPECT_EQ(cells[1], "244");
  EXPECT_EQ(cells[2], "NITROX");
  EXPECT_EQ(cells[3], "Si");
  EXPECT_EQ(cells[4], "NO");
  EXPECT_EQ(computerTypeCells(e.rows()[rowOf(e, 164)])[2], "O2");
  EXPECT_EQ(computerTypeCells(e.rows()[rowOf(e, 179)])[4], "Si");

  e.select(rowOf(e, 0));  // "Handeintrag": neither edited nor deleted
  EXPECT_FALSE(e.canEdit());
  EXPECT_FALSE(e.canDelete());
  e.select(rowOf(e, 52));  // built in: only its name can be edited
  EXPECT_TRUE(e.canEdit());
  EXPECT_FALSE(e.canDelete());
  e.select(rowOf(e, 200));
  EXPECT_TRUE(e.canEdit());
  EXPECT_TRUE(e.canDelete());
}

TEST(ComputerTypes, FieldRulesOfTheDescriptionDialog) {
  const ComputerModelTable t;
  const TypeFieldRules builtIn = typeFieldRules(*t.find(52));
  EXPECT_TRUE(builtIn.onlyName);
  EXPECT_FALSE(builtIn.importEditable);
  const TypeFieldRules user = typeFieldRules(typeRow(200, "X"));
  EXPECT_FALSE(user.onlyName);
  EXPECT_FALSE(user.importEditable);  // only the built-in import sources carry the flag

  EXPECT_EQ(identFromText("17", 5), 17u);
  EXPECT_EQ(identFromText(" 255 ", 5), 255u);
  for (const char* bad : {"0", "256", "-3", "", "12a", "1000"}) EXPECT_EQ(identFromText(bad, 5), 5u) << bad;
}

TEST(ComputerTypes, EditingABuiltInRowTakesOnlyItsName) {
  ComputerModelTable t;
  ComputerTypesEdit e(t, {});
  const int row = rowOf(e, 52);
  ComputerModel m = e.rows()[row];
  m.name = "Aladin Air X (mio)";
  m.gas = 2;
  m.pressure = 0;
  m.id = 77;
  ASSERT_TRUE(e.edit(row, m));
  EXPECT_TRUE(e.changed());
  e.apply(t);
  const ComputerModel* r = t.find(52);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->name, "Aladin Air X (mio)");
  EXPECT_EQ(r->gas, 0u);
  EXPECT_EQ(r->pressure, 1u);
  EXPECT_EQ(r->fixed, 1u);
  EXPECT_EQ(t.find(77), nullptr);
}

TEST(ComputerTypes, AnIdentThatIsBuiltInOrTakenIsRefused) {
  ComputerModelTable t = tableWithUserTypes();
  ComputerTypesEdit e(t, {});
  const int row = rowOf(e, 200);
  ComputerModel m = e.rows()[row];
  m.id = 52;  // a built-in type: OK would overwrite its gas and flags
  Result r = e.edit(row, m);
  EXPECT_FALSE(r);
  EXPECT_NE(r.error.find("52"), std::string::npos);
  m.id = 201;  // another row's: OK would drop one of the two
  r = e.edit(row, m);
  EXPECT_FALSE(r);
  EXPECT_NE(r.error.find("Zeta Air"), std::string::npos);
  EXPECT_FALSE(e.changed());

  EXPECT_FALSE(e.add(typeRow(179, "Guardian 2")));
  EXPECT_FALSE(e.add(typeRow(201, "Copy")));
  EXPECT_FALSE(e.add(typeRow(0, "No ident")));
  EXPECT_FALSE(e.add(typeRow(202, "")));
  EXPECT_FALSE(e.changed());

  m.id = 150;  // a free Ident is taken
  ASSERT_TRUE(e.edit(row, m));
  ASSERT_TRUE(e.add(typeRow(151, "Nuovo computer", 1, 1)));
  EXPECT_EQ(e.selected(), e.count() - 1);
  e.apply(t);
  EXPECT_EQ(t.count(), 21);
  EXPECT_EQ(t.name(150), "Zeta Nitrox");
  EXPECT_EQ(t.name(201), "Zeta Air");
  EXPECT_TRUE(t.nitroxModel(151));
  EXPECT_EQ(t.find(200), nullptr);
  // Sorted by name again, with fresh indexes.
  for (int i = 1; i < t.count(); ++i) EXPECT_LE(t.at(i - 1).name, t.at(i).name);
}

TEST(ComputerTypes, TypesThatDivesUseKeepIdentGasAndPlace) {
  ComputerModelTable t = tableWithUserTypes();
  Logbook lb;
  DiveRecord d = makeRecord();
  d.date = dayNumber(1, 5, 2024);
  d.computerType = 200;
  lb.insert(d);
  ComputerTypesEdit e(t, typesInUse(lb));
  const int row = rowOf(e, 200);
  ComputerModel m = e.rows()[row];
  m.gas = 0;  // the logbook file would read its dives' gas bytes as profile
  EXPECT_FALSE(e.edit(row, m));
  m = e.rows()[row];
  m.id = 210;
  EXPECT_FALSE(e.edit(row, m));
  e.select(row);
  const Result del = e.removeSelected();
  EXPECT_FALSE(del);
  EXPECT_NE(del.error.find("Zeta Nitrox"), std::string::npos);
  EXPECT_EQ(e.count(), 20);
  EXPECT_FALSE(e.changed());

  m = e.rows()[row];  // the name and the air-integrated flag may change
  m.name = "Zeta N";
  m.pressure = 1;
  ASSERT_TRUE(e.edit(row, m));
}

// Dives whose Ident has no row are stored as air dives; a row that names them later must
// not make the next load read their bytes with another gas kind.
TEST(ComputerTypes, AnIdentThatDivesUseWithoutARowKeepsAir) {
  ComputerModelTable t = tableWithUserTypes();
  Logbook lb;
  DiveRecord d = makeRecord();
  d.date = dayNumber(1, 5, 2024);
  d.computerType = 120;
  lb.insert(d);
  ComputerTypesEdit e(t, typesInUse(lb));
  const Result r = e.add(typeRow(120, "Zeta O2", 2));
  EXPECT_FALSE(r);
  EXPECT_NE(r.error.find("120"), std::string::npos);
  const int row = rowOf(e, 201);
  ComputerModel m = e.rows()[row];
  m.id = 120;
  m.gas = 1;
  EXPECT_FALSE(e.edit(row, m));
  EXPECT_FALSE(e.changed());

  m.gas = 0;  // as air the row may take the Ident
  ASSERT_TRUE(e.edit(row, m));
  ASSERT_TRUE(e.add(typeRow(121, "Zeta O2", 2)));  // an Ident no dive uses
}

TEST(ComputerTypes, DeletingTheLastRowSelectsTheNewLastRow) {
  ComputerModelTable t = tableWithUserTypes();
  t.addOrUpdate(202, "zz last", 0, 0, 0, true, false);  // lower case sorts after every built-in name
  ComputerTypesEdit e(t, {});
  e.select(e.count() - 1);
  ASSERT_EQ(e.rows()[e.selected()].id, 202u);
  ASSERT_TRUE(e.removeSelected());
  EXPECT_EQ(e.selected(), e.count() - 1);
  EXPECT_TRUE(e.changed());
  e.select(rowOf(e, 52));
  EXPECT_FALSE(e.removeSelected());

  // Cancel: the table stays as it was.
  EXPECT_NE(t.find(202), nullptr);
}

}  // namespace
