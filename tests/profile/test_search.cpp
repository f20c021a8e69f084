// Finding dives, find and replace, the extended search and the file of its matches.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/demo_logbook.h"
#include "core/dive_record.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/search.h"
#include "tests/test_support.h"

using namespace kelp;
using kelp::test::readFile;
using kelp::test::ScratchDir;

namespace {

struct Dive {
  const char* location = "";
  const char* site = "";
  const char* buddies = "";
  int date = -1;  // day number
  int depthCm = NO_VALUE;
  int diveTime = NO_VALUE;
};

DiveRecord dive(const Dive& d) {
  DiveRecord r = makeRecord();
  parseText(r.location, d.location);
  parseText(r.site, d.site);
  parseText(r.buddies, d.buddies);
  r.date = d.date;
  r.maxDepth = static_cast<int16_t>(d.depthCm);
  r.diveTime = static_cast<int16_t>(d.diveTime);
  return r;
}

Logbook logbookOf(std::vector<DiveRecord> dives) {
  for (size_t i = 0; i < dives.size(); ++i) dives[i].diveNumber = static_cast<uint16_t>(i + 1);
  Logbook lb;
  lb.assignDives(std::move(dives));
  lb.modified = false;
  return lb;
}

std::vector<int> select(const Logbook& lb, const SearchCriteria& c) { return selectDives(lb, c); }

// Runs a test body under one unit system and restores the setting.
struct Units {
  explicit Units(bool metricUnits) : saved(settings().unitsMetric) { settings().unitsMetric = metricUnits ? 1 : 0; }
  ~Units() { settings().unitsMetric = saved; }
  int saved;
};

}  // namespace

// ---------------------------------------------------------------------------
// Find, next, previous

TEST(FindDive, LocationAndSiteMatchTheWholeFieldButBuddiesAPart) {
  Logbook lb = logbookOf({dive({.location = "Isola d'Elba", .buddies = "Marco, Anna"}),
                          dive({.location = "Elba", .site = "Capo Enfola"})});
  EXPECT_EQ(findFirst(lb, makeSearch(kFindLocation, 0, "Elba")), 2);
  EXPECT_EQ(findFirst(lb, makeSearch(kFindLocation, 0, "elba")), 0);
  EXPECT_EQ(findFirst(lb, makeSearch(kFindSite, 0, "Capo")), 0);
  EXPECT_EQ(findFirst(lb, makeSearch(kFindSite, 0, "Capo Enfola")), 2);
  EXPECT_EQ(findFirst(lb, makeSearch(kFindBuddies, 0, "Anna")), 1);
  // The apostrophe shows as an acute accent; either one typed finds the stored text.
  EXPECT_EQ(findFirst(lb, makeSearch(kFindLocation, 0, "Isola d´Elba")), 1);
  EXPECT_EQ(findFirst(lb, makeSearch(kFindLocation, 0, "Isola d'Elba")), 1);
}

TEST(FindDive, NextAndPreviousWalkTheMatchesAndStopAtTheEnds) {
  Logbook lb = logbookOf({dive({.buddies = "Anna"}), dive({.buddies = "Piero"}), dive({.buddies = "Anna, Piero"}),
                          dive({.buddies = "Anna"})});
  const LastSearch s = makeSearch(kFindBuddies, 0, "Anna");
  EXPECT_EQ(findNext(lb, s, 1), 3);
  EXPECT_EQ(findNext(lb, s, 3), 4);
  EXPECT_EQ(findNext(lb, s, 4), 0);
  EXPECT_EQ(findPrevious(lb, s, 4), 3);
  EXPECT_EQ(findPrevious(lb, s, 3), 1);
  EXPECT_EQ(findPrevious(lb, s, 1), 0);
  // No search made yet: nothing is found.
  EXPECT_EQ(findFirst(lb, LastSearch{}), 0);
}

TEST(FindDive, MessagesNameTheTextOrTheActivity) {
  EXPECT_EQ(searchNotFoundMessage(makeSearch(kFindSite, 0, "Secca dell'Isuela")),
            "Cerca testo ´Secca dell´Isuela´ Non trovato");
  EXPECT_EQ(searchNoMoreMessage(makeSearch(kFindBuddies, 0, "Jürgen")), "Ultima per ´Jürgen´");
  EXPECT_EQ(searchNotFoundMessage(makeSearch(kFindActivity, 19, "Foto")), "Attività non trovata");
  EXPECT_EQ(searchNoMoreMessage(makeSearch(kFindActivity, 3, "")), "Ultima");
}

TEST(FindDive, SearchTextIsCutToItsHundredCharacters) {
  const std::string longText(150, 'x');
  const LastSearch s = makeSearch(kFindBuddies, 0, longText);
  EXPECT_EQ(s.text.size(), kSearchTextLimit);
  // Accented letters count as one character each, as they are stored.
  const LastSearch a = makeSearch(kFindBuddies, 0, std::string(60, 'a') + std::string(30, 'x') + "ééééééééééééééééééééé");
  EXPECT_EQ(a.text.size(), kSearchTextLimit);
  EXPECT_EQ(searchTextShown(a), std::string(60, 'a') + std::string(30, 'x') + "éééééééééé");
}

TEST(FindDive, ActivityChoicesTestTheirOwnBitsAndTheSpecialActivities) {
  DiveRecord river = dive({}), current = dive({}), work = dive({}), workText = dive({}), photo = dive({});
  river.activityFlags = 1u << 9;     // "In fiume"
  current.activityFlags = 1u << 10;  // "In corrente"
  work.moreActivityFlags = 1u << 0;  // "LAVORO SUB" kept as a bit
  parseText(workText.otherActivities, "Lavoro, Relitto");  // the short label in the text
  parseText(photo.otherActivities, "Macro foto");
  Logbook lb = logbookOf({river, current, work, workText, photo});

  EXPECT_EQ(activityChoiceLabel(9), "In corrente");
  EXPECT_EQ(findFirst(lb, makeSearch(kFindActivity, 9, "")), 2);
  EXPECT_EQ(activityChoiceLabel(10), "In fiume");
  EXPECT_EQ(findFirst(lb, makeSearch(kFindActivity, 10, "")), 1);
  const LastSearch lavoro = makeSearch(kFindActivity, 12, "");
  EXPECT_EQ(findFirst(lb, lavoro), 3);
  EXPECT_EQ(findNext(lb, lavoro, 3), 4);
  EXPECT_EQ(findNext(lb, lavoro, 4), 0);
  EXPECT_EQ(findFirst(lb, makeSearch(kFindActivity, kActivityOther, "foto")), 5);
}

// ---------------------------------------------------------------------------
// Replace

TEST(Replace, FirstOccurrenceIsReplacedAndTheBlanksAfterItDropped) {
  EXPECT_EQ(replaceInText("Rossi Mario, Bianchi", "Mario,", "Luigi,"), "Rossi Luigi,Bianchi");
  EXPECT_EQ(replaceInText("Elba", "Elba", "Isola d'Elba"), "Isola d'Elba");
  EXPECT_EQ(replaceInText("Anna, Anna", "Anna", "Eva"), "Eva, Anna");
  EXPECT_EQ(replaceInText("Marco", "Anna", "Eva"), "Marco");
  EXPECT_EQ(replaceInText("Marco", "", "Eva"), "Marco");
}

TEST(Replace, PreviewRowsShowEachFoundDiveAndItsReplacedText) {
  Logbook lb = logbookOf({dive({.buddies = "Rossi Mario, Bianchi"}), dive({.buddies = "Verdi"}),
                          dive({.buddies = "Mario, Jürgen"})});
  ReplacePreview p = previewReplace(lb, kReplaceBuddies, "Mario,", "Luigi,");
  EXPECT_EQ(p.found, 2);
  EXPECT_TRUE(p.canReplace);
  EXPECT_EQ(p.rows, (std::vector<std::string>{"00001\tRossi Mario, Bianchi", "->\tRossi Luigi,Bianchi",
                                               "00003\tMario, Jürgen", "->\tLuigi,Jürgen"}));
  // Without a new text only the found dives are listed and nothing can be replaced.
  p = previewReplace(lb, kReplaceBuddies, "Mario,", "");
  EXPECT_EQ(p.rows, (std::vector<std::string>{"00001\tRossi Mario, Bianchi", "00003\tMario, Jürgen"}));
  EXPECT_FALSE(p.canReplace);
  // Without an old text nothing is searched.
  p = previewReplace(lb, kReplaceBuddies, "", "Luigi");
  EXPECT_TRUE(p.rows.empty());
  EXPECT_FALSE(p.canReplace);
  // Notes over two lines stay one row each.
  DiveRecord twoLines = dive({});
  setNotes(twoLines, "Riga uno\r\nRiga due");
  p = previewReplace(logbookOf({twoLines}), kReplaceNotes, "uno", "1");
  EXPECT_EQ(p.rows, (std::vector<std::string>{"00001\tRiga uno Riga due", "->\tRiga 1 Riga due"}));
}

TEST(Replace, ReplacedTextsAreCutToTheFieldWidth) {
  DiveRecord suit = dive({.location = "Elba"});
  setText(suit.suitDescription, std::string(270, 's') + "Neopren7mm");
  DiveRecord notes = dive({});
  setNotes(notes, std::string(250, 'n') + " XY " + std::string(240, 'm'));  // 494 characters over both blocks
  Logbook lb = logbookOf({suit, notes});

  const std::string longPlace(58, 'L');
  ReplacePreview p = previewReplace(lb, kReplaceLocation, "Elba", longPlace + " Elba");
  ASSERT_EQ(p.rows.size(), 2u);
  EXPECT_EQ(p.rows[1], "->\t" + longPlace + " E");  // 60 characters, as the field keeps them

  EXPECT_EQ(replaceAll(lb, kReplaceLocation, "Elba", longPlace + " Elba"), 1);
  EXPECT_EQ(getText(lb.dives()[0].location), longPlace + " E");
  EXPECT_EQ(replaceAll(lb, kReplaceSuit, "Neopren7mm", "Neopren 7 mm con cappuccio"), 1);
  EXPECT_EQ(getText(lb.dives()[0].suitDescription).size(), 281u);
  EXPECT_EQ(getText(lb.dives()[0].suitDescription), std::string(270, 's') + "Neopren 7 m");
  // Notes are one text over both blocks: a replacement across the 255th character lands
  // whole, and the text is cut at 510.
  EXPECT_EQ(replaceAll(lb, kReplaceNotes, "XY", std::string(30, 'z')), 1);
  const std::string n = getNotes(lb.dives()[1]);
  EXPECT_EQ(n, std::string(250, 'n') + " " + std::string(30, 'z') + std::string(229, 'm'));
  EXPECT_EQ(n.size(), 510u);
}

TEST(Replace, SostituisciMatchesAgainWithTheTextsAsTheyStandNow) {
  Logbook lb = logbookOf({dive({.location = "Elba"}), dive({.location = "Giglio"}), dive({.location = "Elba Nord"})});
  // The old text cleared after a search: nothing is replaced, no text is prepended.
  EXPECT_EQ(replaceAll(lb, kReplaceLocation, "", "Isola d'Elba"), 0);
  EXPECT_FALSE(lb.modified);
  EXPECT_EQ(getText(lb.dives()[1].location), "Giglio");
  // An empty new text replaces nothing either, as the dialog offers no replacement then.
  EXPECT_EQ(replaceAll(lb, kReplaceLocation, "Elba", ""), 0);
  EXPECT_FALSE(lb.modified);

  EXPECT_EQ(replaceAll(lb, kReplaceLocation, "Elba", "Isola d'Elba"), 2);
  EXPECT_TRUE(lb.modified);
  EXPECT_EQ(getText(lb.dives()[0].location), "Isola d'Elba");
  EXPECT_EQ(getText(lb.dives()[1].location), "Giglio");
  EXPECT_EQ(getText(lb.dives()[2].location), "Isola d'ElbaNord");
}

TEST(Replace, WritingDivesBackKeepsTheTotalsRight) {
  Logbook lb = makeDemoLogbook(300, 7);
  const int total = lb.totalDiveTime;
  const float sac = lb.averageSac;
  const std::string firstBuddy = getText(lb.dives()[0].buddies);
  ASSERT_FALSE(firstBuddy.empty());
  EXPECT_GT(replaceAll(lb, kReplaceBuddies, storedToUtf8(firstBuddy.substr(0, 3)), "Xy"), 0);
  EXPECT_EQ(lb.totalDiveTime, total);
  EXPECT_EQ(lb.averageSac, sac);
  // A dive written back with another dive time still moves the totals.
  DiveRecord r = lb.get(5);
  ASSERT_NE(r.diveTime, NO_VALUE);
  r.diveTime = static_cast<int16_t>(r.diveTime + 10);
  lb.put(5, r);
  EXPECT_EQ(lb.totalDiveTime, total + 10);
}

// ---------------------------------------------------------------------------
// Extended search

TEST(ExtendedSearch, AndNeedsEveryConditionOrOneAndNoConditionFindsNothing) {
  Logbook lb = logbookOf({dive({.location = "Elba", .site = "Pomonte", .buddies = "Anna"}),
                          dive({.location = "Elba", .site = "Fetovaia", .buddies = "Marco"}),
                          dive({.location = "Giglio", .site = "Pomonte", .buddies = "Anna, Marco"})});
  SearchCriteria c;
  EXPECT_TRUE(select(lb, c).empty());
  c.orMode = true;
  EXPECT_TRUE(select(lb, c).empty());

  c = SearchCriteria{};
  c.location = "Elba";
  c.buddy = "Anna";
  EXPECT_EQ(select(lb, c), (std::vector<int>{1}));
  c.orMode = true;
  EXPECT_EQ(select(lb, c), (std::vector<int>{1, 2, 3}));
  // Location and site compare whole texts, buddies and other activities a part.
  c = SearchCriteria{};
  c.site = "Pomon";
  EXPECT_TRUE(select(lb, c).empty());
  c.site = "Pomonte";
  c.buddy = "Marco";
  EXPECT_EQ(select(lb, c), (std::vector<int>{3}));
}

TEST(ExtendedSearch, AFromToPairIsOneConditionWithEitherEndOpen) {
  Logbook lb = logbookOf({dive({.date = dayNumber(1, 6, 2003), .depthCm = 1200, .diveTime = 30}),
                          dive({.date = dayNumber(5, 6, 2003), .depthCm = 2500, .diveTime = 45}),
                          dive({.date = dayNumber(9, 6, 2003), .depthCm = 4000, .diveTime = 60}),
                          dive({})});
  SearchCriteria c;
  c.depthFrom = "25";
  EXPECT_EQ(select(lb, c), (std::vector<int>{2, 3}));
  c.depthTo = "30";
  EXPECT_EQ(select(lb, c), (std::vector<int>{2}));
  c.depthFrom.clear();
  EXPECT_EQ(select(lb, c), (std::vector<int>{1, 2}));  // the dive without a depth is not taken

  c = SearchCriteria{};
  c.timeFrom = "45";
  c.timeTo = "1:00";
  EXPECT_EQ(select(lb, c), (std::vector<int>{2, 3}));

  c = SearchCriteria{};
  c.dateTo = "05.06.2003";
  EXPECT_EQ(select(lb, c), (std::vector<int>{1, 2}));  // the dive without a date is not taken
  c.dateFrom = "2.6.03";
  EXPECT_EQ(select(lb, c), (std::vector<int>{2}));

  // In OR mode each pair counts once: a depth outside and a time inside still matches.
  c = SearchCriteria{};
  c.orMode = true;
  c.depthFrom = "30";
  c.depthTo = "35";
  c.timeTo = "30";
  EXPECT_EQ(select(lb, c), (std::vector<int>{1}));
}

TEST(ExtendedSearch, DepthIsComparedAsTheFormShowsIt) {
  DiveRecord fromProfile = makeDemoLogbook(1, 3).get(1);
  ASSERT_GT(fromProfile.profileMaxDepth, 0.f);
  fromProfile.maxDepth = -1;  // the depth comes from the profile
  const std::string shown = formatMaxDepth(fromProfile);
  DiveRecord typed = dive({.depthCm = 229});  // "2.3" typed in the editor is stored as 229 cm
  Logbook lb = logbookOf({fromProfile, typed});

  SearchCriteria c;
  c.depthFrom = shown;
  c.depthTo = shown;
  EXPECT_EQ(select(lb, c), (std::vector<int>{1}));
  c.depthFrom = c.depthTo = "2.3";
  EXPECT_EQ(select(lb, c), (std::vector<int>{2}));

  Units imperial(false);
  c.depthFrom = c.depthTo = formatMaxDepth(fromProfile);
  EXPECT_EQ(select(lb, c), (std::vector<int>{1}));
  c.depthFrom.clear();
  c.depthTo = "8";  // 2.29 m shows as 8 ft
  EXPECT_EQ(select(lb, c), (std::vector<int>{2}));
}

TEST(ExtendedSearch, TankSizeAndAirConsumptionAsShownInEitherUnits) {
  DiveRecord a = dive({}), b = dive({});
  a.tankSize = 1000;  // 10 l, 70 cft
  a.sac = 18.04f;     // shows 18.0
  b.tankSize = 1500;
  b.sac = 22.46f;     // shows 22.5
  Logbook lb = logbookOf({a, b});
  SearchCriteria c;
  c.tankSize = "  10.0";  // as the tank size list shows it
  EXPECT_EQ(select(lb, c), (std::vector<int>{1}));
  c = SearchCriteria{};
  c.sacFrom = "18.0";
  c.sacTo = "22.5";
  EXPECT_EQ(select(lb, c), (std::vector<int>{1, 2}));
  c.sacTo = "22.4";
  EXPECT_EQ(select(lb, c), (std::vector<int>{1}));

  Units imperial(false);
  c = SearchCriteria{};
  c.tankSize = "70";
  EXPECT_EQ(select(lb, c), (std::vector<int>{1}));
}

TEST(ExtendedSearch, EveryChosenBitIsOneCondition) {
  DiveRecord nightScr = dive({}), wreck = dive({}), special = dive({}), plain = dive({});
  nightScr.activityFlags = 1u << 4;
  setScr(nightScr, true);
  wreck.activityFlags = 1u << 8;
  wreck.diveTypeFlags = 1u << kDiveSeaWater;
  special.moreActivityFlags = 1u << 4;  // "Qualificazione"
  parseText(plain.otherActivities, "Esame");  // special activity 6 written as its label
  Logbook lb = logbookOf({nightScr, wreck, special, plain});

  SearchCriteria c;
  c.typeBits = 1u << kDiveScr;
  EXPECT_EQ(select(lb, c), (std::vector<int>{1}));
  c = SearchCriteria{};
  c.activityBits = (1u << 4) | (1u << 8);
  EXPECT_TRUE(select(lb, c).empty());
  c.orMode = true;
  EXPECT_EQ(select(lb, c), (std::vector<int>{1, 2}));
  c = SearchCriteria{};
  c.specialBits = 1u << 4;
  EXPECT_EQ(select(lb, c), (std::vector<int>{3}));
  c.specialBits = 1u << 6;
  EXPECT_EQ(select(lb, c), (std::vector<int>{4}));
  c.other = "Esa";
  EXPECT_EQ(select(lb, c), (std::vector<int>{4}));
}

TEST(ExtendedSearch, ResultRowsNameNumberDateAndPlace) {
  DiveRecord r = dive({.location = "Isola d'Elba", .site = "Pomonte", .date = dayNumber(7, 8, 2004)});
  r.diveNumber = 42;
  EXPECT_EQ(selectionRow(r), "00042\t07.08.04\tIsola d´Elba, Pomonte");
  setText(r.location, "");
  EXPECT_EQ(selectionRow(r), "00042\t07.08.04\tPomonte");
  r.date = -1;
  EXPECT_EQ(selectionRow(r), "00042\t        \tPomonte");
}

// ---------------------------------------------------------------------------
// "Crea file"

TEST(CreateFile, WritesTheFoundDivesWithTheirExtensionFileAndLeavesTheOpenLogbookAlone) {
  ScratchDir dir;
  Logbook lb = makeDemoLogbook(40, 2);
  ASSERT_TRUE(lb.saveFile(dir.file("open.log")).ok);
  DiveRecord changed = lb.get(3);
  lb.put(3, changed);  // modified, unsaved
  const std::string openPath = lb.path;
  settings().lastLogbookPath = openPath;

  ASSERT_TRUE(writeSelectedDives(lb, {3, 10, 11}, dir.file("sel.log")).ok);
  EXPECT_EQ(lb.path, openPath);
  EXPECT_TRUE(lb.modified);
  EXPECT_EQ(lb.diveCount(), 40);
  EXPECT_EQ(settings().lastLogbookPath, openPath);

  Logbook sel;
  ASSERT_TRUE(sel.loadFile(dir.file("sel.log")).ok);
  ASSERT_EQ(sel.diveCount(), 3);
  ASSERT_TRUE(std::filesystem::exists(dir.file("sel.add")));
  EXPECT_EQ(sel.dives()[0].diveNumber, lb.dives()[2].diveNumber);
  EXPECT_EQ(sel.dives()[2].diveNumber, lb.dives()[10].diveNumber);
  // Byte for byte what a logbook of those dives saves as.
  Logbook expected;
  expected.assignDives({lb.get(3), lb.get(10), lb.get(11)});
  EXPECT_EQ(readFile(dir.file("sel.log")), expected.serializeLog());
  EXPECT_EQ(readFile(dir.file("sel.add")), expected.serializeAdd());
  settings().lastLogbookPath.clear();
}

TEST(CreateFile, RefusesTheOpenLogbooksOwnFilesAndReportsAFailedWrite) {
  ScratchDir dir;
  Logbook lb = makeDemoLogbook(10, 2);
  ASSERT_TRUE(lb.saveFile(dir.file("open.log")).ok);
  const std::string before = readFile(dir.file("open.log"));
  const std::string addBefore = readFile(dir.file("open.add"));

  for (const std::string& p : {dir.file("open.log"), dir.file("./open.log"), dir.file("open"), dir.file("open.add")}) {
    Result r = writeSelectedDives(lb, {1}, p);
    EXPECT_FALSE(r.ok) << p;
    EXPECT_NE(r.error.find("logbook aperto"), std::string::npos) << r.error;
  }
  std::filesystem::create_symlink(dir.file("open.log"), dir.file("link.log"));
  EXPECT_FALSE(writeSelectedDives(lb, {1}, dir.file("link.log")).ok);
  EXPECT_EQ(readFile(dir.file("open.log")), before);
  EXPECT_EQ(readFile(dir.file("open.add")), addBefore);

  Result none = writeSelectedDives(lb, {}, dir.file("none.log"));
  EXPECT_EQ(none.error, "Non ho trovato immersioni relative");
  EXPECT_FALSE(std::filesystem::exists(dir.file("none.log")));

  Result failed = writeSelectedDives(lb, {1, 2}, dir.file("missing/sel.log"));
  EXPECT_FALSE(failed.ok);
  EXPECT_NE(failed.error.find("sel.log"), std::string::npos) << failed.error;
}
