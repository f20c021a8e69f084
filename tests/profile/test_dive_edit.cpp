// The dive editor's rules: reading the controls back, locked downloaded dives, the
// position of new and edited dives, the buddy append and the special activities.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/computer_models.h"
#include "core/demo_logbook.h"
#include "core/logbook.h"
#include "core/language.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/dive_edit.h"
#include "tests/test_support.h"

using namespace kelp;
using kelp::test::diveOn;

namespace {

class Units {
 public:
  explicit Units(bool metricUnits) : old_(settings().unitsMetric) { settings().unitsMetric = metricUnits ? 1 : 0; }
  ~Units() { settings().unitsMetric = old_; }
 private:
  int old_;
};

// A dive with values whose display rounds: they must come back byte for byte.
DiveRecord awkwardDive() {
  DiveRecord r = diveOn(3, 7, 2022, 9 * 60 + 5, "Secca");
  setText(r.location, "Elba");
  r.maxDepth = 230;           // shown 2.3, read back as 229
  r.minWaterTemperature = 1234;
  r.airTemperature = 2157;
  r.tankSize = 1190;          // imperial 83 cft, read back 1185
  r.airConsumed = 18050;
  r.weight = 733;
  r.visibility = 1250;
  r.startPressure = 20010;
  r.diveTime = 47;
  r.surfaceInterval = 95;
  r.diveNumber = 12;
  r.diveTypeFlags = (1u << kDiveNoStop) | (1u << kDiveSeaWater) | 0x3;  // bits 0, 1 kept as stored
  r.activityFlags = 0xF005;   // bits 12..15 are not on the editor
  setText(r.buddies, "Anna, Bruno");
  setNotes(r, "Prima riga\r\nSeconda riga");
  std::string longSuit(281, 'x');
  setText(r.suitDescription, longSuit);  // longer than the 25 characters one may type
  return r;
}

ComputerModelTable& models() { return computerModels(); }

DiveEditor open(const DiveRecord& r, int index = 1, bool extended = true, bool freeEditing = false) {
  return DiveEditor(r, index, extended, freeEditing, false, models());
}

Logbook makeLogbook(std::vector<DiveRecord> dives) {
  Logbook lb;
  lb.newLogbook();
  for (const DiveRecord& d : dives) EXPECT_TRUE(lb.insert(d));
  lb.modified = false;
  return lb;
}

std::vector<std::string> sites(const Logbook& lb) {
  std::vector<std::string> v;
  for (const DiveRecord& d : lb.dives()) v.push_back(getText(d.site));
  return v;
}

std::vector<int> numbers(const Logbook& lb) {
  std::vector<int> v;
  for (const DiveRecord& d : lb.dives()) v.push_back(d.diveNumber);
  return v;
}

// A downloaded dive: an air computer type and a profile from the computer.
DiveRecord downloadedDive() {
  DiveRecord r = awkwardDive();
  r.computerType = static_cast<uint8_t>(models().idAt(0));
  r.profileLength = 22;
  r.profileHeader[0] = 17;
  return r;
}

}  // namespace

TEST(DiveEditor, OkWithoutChangesKeepsEveryByteInBothUnitSystems) {
  for (bool metricUnits : {true, false}) {
    Units u(metricUnits);
    const DiveRecord r = awkwardDive();
    DiveEditor ed = open(r);
    ASSERT_TRUE(ed.finish(ed.fields()));
    EXPECT_FALSE(ed.changed()) << (metricUnits ? "metric" : "imperial");
    EXPECT_TRUE(sameBytes(ed.record(), r));
    EXPECT_EQ(getText(ed.record().suitDescription).size(), 281u);
  }
}

TEST(DiveEditor, EveryDemoDiveComesBackUnchanged) {
  const Logbook lb = makeDemoLogbook(150, 9);
  for (bool metricUnits : {true, false}) {
    Units u(metricUnits);
    for (bool freeEditing : {false, true}) {
      for (int pos = 1; pos <= lb.diveCount(); ++pos) {
        DiveEditor ed(lb.get(pos), pos, true, freeEditing, false, models());
        ASSERT_TRUE(ed.finish(ed.fields()));
        EXPECT_FALSE(ed.changed()) << "dive " << pos << (metricUnits ? " metric" : " imperial");
      }
    }
  }
}

TEST(DiveEditor, OnlyTheControlsTheUserChangedAreRead) {
  Units u(false);
  DiveEditor ed = open(awkwardDive());
  EditorFields f = ed.fields();
  f.site = "Punta Nera";
  f.scr = true;
  ASSERT_TRUE(ed.finish(f));
  EXPECT_TRUE(ed.changed());
  EXPECT_EQ(getText(ed.record().site), "Punta Nera");
  EXPECT_TRUE(isScr(ed.record()));
  EXPECT_EQ(ed.record().maxDepth, 230);
  EXPECT_EQ(ed.record().tankSize, 1190);
  EXPECT_EQ(ed.record().airTemperature, 2157);
  EXPECT_EQ(ed.record().diveTypeFlags & 0x3, 0x3);

  // A typed value is parsed under the units shown: 100 ft is 30.47 m.
  f = ed.fields();
  f.maxDepth = "100";
  f.notes = "Una\nDue";
  ASSERT_TRUE(ed.finish(f));
  EXPECT_EQ(ed.record().maxDepth, 3047);
  EXPECT_EQ(getNotes(ed.record()), "Una\r\nDue");
  EXPECT_EQ(ed.fields().notes, "Una\nDue");
}

TEST(DiveEditor, ThreeWayGroupsChecksAndBadNumbers) {
  DiveEditor ed = open(awkwardDive());
  EditorFields f = ed.fields();
  EXPECT_EQ(f.noStopDeco, 0);
  EXPECT_EQ(f.water, 1);
  f.water = 0;          // fresh water clears sea water
  f.noStopDeco = 2;     // "-"
  f.activities = 0x0802;
  ASSERT_TRUE(ed.readBack(f));
  const uint16_t t = ed.record().diveTypeFlags;
  EXPECT_TRUE(t & (1u << kDiveFreshWater));
  EXPECT_FALSE(t & (1u << kDiveSeaWater));
  EXPECT_FALSE(t & ((1u << kDiveNoStop) | (1u << kDiveDeco)));
  EXPECT_EQ(ed.record().activityFlags, 0xF802);

  // A number that is no whole number stays in the control and OK refuses it.
  f = ed.fields();
  f.number = "12a";
  f.site = "Altrove";
  ASSERT_TRUE(ed.readBack(f));
  EXPECT_EQ(ed.fields().number, "12a");
  EXPECT_EQ(ed.record().diveNumber, 12);
  EXPECT_EQ(getText(ed.record().site), "Altrove");
  Result res = ed.finish(ed.fields());
  EXPECT_FALSE(res);
  EXPECT_FALSE(res.error.empty());
  f = ed.fields();
  f.number = "65536";
  EXPECT_FALSE(ed.finish(f));
  f.number = " 40 ";
  ASSERT_TRUE(ed.finish(f));
  EXPECT_EQ(ed.record().diveNumber, 40);
}

TEST(DiveEditorLock, DownloadedDiveKeepsItsMeasuredFieldsUntilFreeEditing) {
  const DiveRecord r = downloadedDive();
  DiveEditor ed = open(r);
  EXPECT_TRUE(ed.locks().locked);
  EXPECT_FALSE(ed.locks().consumptionEditable);  // computerFlags bit 0 clear: the computer delivered it
  EditorFields f = ed.fields();
  f.date = "1.1.2020";
  f.time = "7:00";
  f.number = "99";
  f.altitudeClass = 3;
  f.interval = "1:00";
  f.maxDepth = "40";
  f.diveTime = "80";
  f.waterTemperature = "4";
  f.consumption = "10";
  f.site = "Nuovo";
  ASSERT_TRUE(ed.finish(f));
  const DiveRecord& w = ed.record();
  EXPECT_EQ(w.date, r.date);
  EXPECT_EQ(w.timeOfDay, r.timeOfDay);
  EXPECT_EQ(w.diveNumber, r.diveNumber);
  EXPECT_EQ(w.altitudeClass, r.altitudeClass);
  EXPECT_EQ(w.surfaceInterval, r.surfaceInterval);
  EXPECT_EQ(w.maxDepth, r.maxDepth);
  EXPECT_EQ(w.diveTime, r.diveTime);
  EXPECT_EQ(w.minWaterTemperature, r.minWaterTemperature);
  EXPECT_EQ(w.airConsumed, r.airConsumed);
  EXPECT_EQ(getText(w.site), "Nuovo");

  // "Testo libero" unlocks; what is typed then is kept.
  f = ed.fields();
  ASSERT_TRUE(ed.setFreeEditing(f, true));
  EXPECT_FALSE(ed.locks().locked);
  EXPECT_TRUE(ed.locks().consumptionEditable);
  f = ed.fields();
  f.maxDepth = "40";
  ASSERT_TRUE(ed.finish(f));
  EXPECT_EQ(ed.record().maxDepth, 4000);
}

TEST(DiveEditorLock, WhichDivesCountAsDownloaded) {
  DiveRecord hand = awkwardDive();
  EXPECT_FALSE(lockState(hand, false).locked);
  DiveRecord made = hand;  // a hand-made profile carries the marker words
  made.profileLength = 22;
  for (int i = 0; i < 8; ++i) made.profileHeader[i] = static_cast<uint16_t>(i % 2 ? 0 : 2927 + i);
  EXPECT_FALSE(lockState(made, false).locked);
  DiveRecord typed = hand;  // a type with a header that is no hand-made marker locks
  typed.computerType = 5;
  EXPECT_FALSE(lockState(typed, false).locked);  // all-zero header words read as hand-made
  typed.profileHeader[3] = 1;
  typed.computerFlags = 1;  // no consumption from the computer: it stays editable
  EXPECT_TRUE(lockState(typed, false).locked);
  EXPECT_TRUE(lockState(typed, false).consumptionEditable);
  EXPECT_FALSE(lockState(typed, true).locked);
}

TEST(DiveEditorLock, ComputerTypeLists) {
  ComputerModelTable& m = models();
  int importId = -1, airId = -1;
  for (int i = 0; i < m.count(); ++i) {
    const ComputerModel& row = m.at(i);
    if (row.import && importId < 0) importId = static_cast<int>(row.id);
    if (!row.import && row.gas == 0 && airId < 0) airId = static_cast<int>(row.id);
  }
  ASSERT_GT(importId, 0);
  ASSERT_GT(airId, 0);
  DiveRecord r = makeRecord();
  r.computerType = static_cast<uint8_t>(importId);
  ComputerTypeView v = computerTypeView(r, false, m);
  EXPECT_TRUE(v.importListVisible);
  EXPECT_FALSE(v.airListVisible);
  EXPECT_FALSE(v.airTemperatureEnabled);
  EXPECT_EQ(v.importRow, m.importIndex(static_cast<uint32_t>(importId)));
  v = computerTypeView(r, true, m);
  EXPECT_FALSE(v.importListVisible);
  EXPECT_TRUE(v.airListVisible);
  EXPECT_TRUE(v.airTemperatureEnabled);
  r.computerType = static_cast<uint8_t>(airId);
  v = computerTypeView(r, false, m);
  EXPECT_FALSE(v.importListVisible || v.airListVisible);
  size_t imports = 0;
  for (int i = 0; i < m.count(); ++i) imports += m.at(i).import != 0;
  EXPECT_EQ(importSourceEntries(m).size(), imports);

  // Free editing: a new row of the air list becomes the type.
  DiveEditor ed(r, 1, true, true, false, m);
  EditorFields f = ed.fields();
  EXPECT_EQ(f.airRow, m.airIndex(static_cast<uint32_t>(airId)));
  f.airRow = f.airRow == 0 ? 1 : 0;
  ASSERT_TRUE(ed.readBack(f));
  EXPECT_EQ(ed.record().computerType, m.idByAirIndex(f.airRow));
}

TEST(EditedDivePosition, UnchangedDateAndTimeKeepsItsPlaceBesideATwin) {
  // Dives 2 and 3 share date and time: editing 2 must not move it behind 3.
  Logbook lb = makeLogbook({diveOn(1, 6, 2021, 600, "a"), diveOn(2, 6, 2021, 600, "b"),
                            diveOn(2, 6, 2021, 600, "c"), diveOn(3, 6, 2021, 600, "d")});
  ASSERT_EQ(sites(lb), (std::vector<std::string>{"a", "b", "c", "d"}));
  DiveRecord before = lb.get(2), edited = before;
  setText(edited.location, "Garda");
  bool stored = false;
  ASSERT_TRUE(storeEditedDive(lb, 2, before, edited, &stored));
  EXPECT_TRUE(stored);
  EXPECT_EQ(sites(lb), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(numbers(lb), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(lb.currentPosition, 2);
  EXPECT_EQ(getText(lb.get(2).location), "Garda");
}

TEST(EditedDivePosition, ChangedDateMovesBeforeTheFirstLaterDive) {
  Logbook lb = makeLogbook({diveOn(1, 6, 2021, 600, "a"), diveOn(2, 6, 2021, 600, "b"),
                            diveOn(3, 6, 2021, 600, "c"), diveOn(4, 6, 2021, 600, "d"),
                            diveOn(5, 6, 2021, 600, "e")});
  DiveRecord before = lb.get(2), edited = before;
  edited.date = dayNumber(4, 6, 2021);
  edited.timeOfDay = 500;  // same day as "d", earlier: goes before it
  ASSERT_TRUE(storeEditedDive(lb, 2, before, edited));
  EXPECT_EQ(sites(lb), (std::vector<std::string>{"a", "c", "b", "d", "e"}));
  EXPECT_EQ(numbers(lb), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(lb.currentPosition, 3);

  // Same date and time as another dive: goes after it.
  before = lb.get(1);
  edited = before;
  edited.date = dayNumber(5, 6, 2021);
  ASSERT_TRUE(storeEditedDive(lb, 1, before, edited));
  EXPECT_EQ(sites(lb), (std::vector<std::string>{"c", "b", "d", "e", "a"}));
  EXPECT_EQ(lb.currentPosition, 5);
}

TEST(EditedDivePosition, NothingChangedStoresNothing) {
  Logbook lb = makeLogbook({diveOn(1, 6, 2021, 600, "a"), diveOn(2, 6, 2021, 600, "b")});
  lb.currentPosition = 1;
  const std::string bytes = lb.serializeLog() + lb.serializeAdd();
  DiveEditor ed = open(lb.get(1));
  ASSERT_TRUE(ed.finish(ed.fields()));
  bool stored = true;
  ASSERT_TRUE(storeEditedDive(lb, 1, ed.reference(), ed.record(), &stored));
  EXPECT_FALSE(stored);
  EXPECT_FALSE(lb.modified);
  EXPECT_EQ(lb.serializeLog() + lb.serializeAdd(), bytes);
}

TEST(NewDive, StartsOnTheLastNewDateAndGoesInDateOrder) {
  DiveDefaults d;
  d.use = true;
  d.tankSize = 1500;
  d.suitDescription = std::string(40, 's');
  const int32_t today = dayNumber(8, 12, 2026);
  DiveRecord r = newDiveRecord(d, -1, today);
  EXPECT_EQ(r.date, today);
  EXPECT_EQ(r.tankSize, 1500);
  EXPECT_EQ(getText(r.suitDescription).size(), 25u);
  EXPECT_EQ(newDiveRecord(d, dayNumber(1, 1, 2020), today).date, dayNumber(1, 1, 2020));
  d.use = false;
  EXPECT_EQ(newDiveRecord(d, -1, today).tankSize, NO_VALUE);

  // Two dives on the same date and time: the new one goes after the old one.
  Logbook lb = makeLogbook({diveOn(1, 6, 2021, 600, "a"), diveOn(2, 6, 2021, 600, "b")});
  DiveRecord n = diveOn(1, 6, 2021, 600, "new");
  setText(n.buddies, "Carla; Dino");
  ASSERT_TRUE(storeNewDive(lb, n));
  EXPECT_EQ(sites(lb), (std::vector<std::string>{"a", "new", "b"}));
  EXPECT_EQ(lb.currentPosition, 2);
  EXPECT_EQ(lb.buddyList.count(), 2);
  EXPECT_EQ(lb.siteList.get(lb.siteList.count() - 1), "new");
}

TEST(BuddyAppend, LengthRules) {
  const std::string b77(77, 'a'), b78(78, 'a'), b79(79, 'a');
  EXPECT_EQ(appendBuddy(b77, "Z"), b77 + ", Z");
  EXPECT_EQ(appendBuddy(b78, "Z"), b78 + ",Z");
  EXPECT_EQ(appendBuddy(b79, "Z"), b79);
  EXPECT_TRUE(buddyAppendFits(b77, "Z"));
  EXPECT_FALSE(buddyAppendFits(b78, "Z"));
  EXPECT_EQ(appendBuddy("", "Anna"), "Anna");
  EXPECT_EQ(appendBuddy("Anna", ""), "Anna");
}

TEST(BuddyAppend, ComparesSeparateEntries) {
  EXPECT_EQ(appendBuddy("Annalisa", "Anna"), "Annalisa, Anna");
  EXPECT_EQ(appendBuddy("Bruno, Anna", "Anna"), "Bruno, Anna");
  EXPECT_EQ(appendBuddy("Bruno;Anna & Carlo", "Carlo"), "Bruno;Anna & Carlo");
  EXPECT_EQ(appendBuddy("Bruno, Anna", "Ann"), "Bruno, Anna, Ann");
}

TEST(SpecialActivities, BitsWithExtendedDataLabelsWithout) {
  DiveRecord r = makeRecord();
  setText(r.otherActivities, "Pesca");
  storeSpecialActivities(r, 0x05, true, false);
  EXPECT_EQ(r.moreActivityFlags & 0xFF, 0x05);
  EXPECT_EQ(getText(r.otherActivities), "Pesca");
  EXPECT_EQ(shownSpecialActivities(r), 0x05);

  DiveRecord s = makeRecord();
  setText(s.otherActivities, "Pesca");
  storeSpecialActivities(s, 0x03, false, true);
  EXPECT_EQ(s.moreActivityFlags & 0xFF, 0);
  EXPECT_EQ(storedToUtf8(getText(s.otherActivities)), "Pesca, Lavoro, Solitario");
  EXPECT_EQ(shownSpecialActivities(s), 0x03);
  // Unticking removes the name again; the other entries stay.
  storeSpecialActivities(s, 0x02, false, true);
  EXPECT_EQ(storedToUtf8(getText(s.otherActivities)), "Pesca, Solitario");
  // Unchanged ticks keep the text as it is written.
  setText(s.otherActivities, "Solo-TG");
  storeSpecialActivities(s, 0x02, false, false);
  EXPECT_EQ(getText(s.otherActivities), "Solo-TG");
}

TEST(SpecialActivities, TheLogbookKeepsTheItalianNamesInEveryLanguage) {
  setLanguage(Language::English);
  DiveRecord s = makeRecord();
  setText(s.otherActivities, "Pesca");
  storeSpecialActivities(s, 0x03, false, true);
  const std::string english = getText(s.otherActivities);
  EXPECT_EQ(specialActivityLabels(true)[1], "Solo");
  EXPECT_EQ(specialActivityLabels(false)[0], "WORK DIVE");
  EXPECT_EQ(shownSpecialActivities(s), 0x03);
  setLanguage(Language::Italian);
  DiveRecord t = makeRecord();
  setText(t.otherActivities, "Pesca");
  storeSpecialActivities(t, 0x03, false, true);
  EXPECT_EQ(english, getText(t.otherActivities));  // the same bytes
  EXPECT_EQ(storedToUtf8(english), "Pesca, Lavoro, Solitario");
}

TEST(SpecialActivities, EditorTicksThroughTheDialogFields) {
  DiveRecord r = awkwardDive();
  DiveEditor ed(r, 1, false, false, false, models());
  EditorFields f = ed.fields();
  f.special = 0x80;
  ASSERT_TRUE(ed.readBack(f));
  EXPECT_EQ(ed.fields().special, 0x80);
  EXPECT_EQ(ed.fields().otherActivity, specialActivityLongName(7));
  ASSERT_TRUE(ed.setAbbreviations(ed.fields(), true));
  EXPECT_EQ(specialActivityLabels(true)[7], specialActivityShortName(7));
}

TEST(TakePrevious, CopiesTheListedFieldsOnly) {
  DiveRecord prev = awkwardDive();
  DiveRecord r = diveOn(9, 9, 2023, 700, "Mio");
  r.maxDepth = 1800;
  DiveEditor basic(r, 2, false, false, false, models());
  EditorFields f = basic.fields();
  f.maxDepth = "20";  // typed before the click: kept
  ASSERT_TRUE(basic.takePrevious(f, prev));
  EXPECT_EQ(getText(basic.record().site), "Secca");
  EXPECT_EQ(basic.record().tankSize, prev.tankSize);
  EXPECT_EQ(basic.record().diveTypeFlags, prev.diveTypeFlags);
  EXPECT_EQ(basic.record().maxDepth, 2000);
  EXPECT_EQ(basic.record().date, r.date);
  EXPECT_EQ(basic.record().weight, NO_VALUE);
  DiveEditor ext(r, 2, true, false, false, models());
  ASSERT_TRUE(ext.takePrevious(ext.fields(), prev));
  EXPECT_EQ(ext.record().weight, prev.weight);
  EXPECT_EQ(getText(ext.record().suitDescription), getText(prev.suitDescription));
  DiveEditor first(r, 1, true, false, false, models());
  EXPECT_FALSE(first.canTakePrevious());
  ASSERT_TRUE(first.takePrevious(first.fields(), prev));
  EXPECT_TRUE(sameBytes(first.record(), r));
}
