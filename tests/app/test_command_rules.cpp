#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/command_rules.h"
#include "core/computer_models.h"
#include "core/logbook.h"
#include "core/settings.h"

using namespace kelp;

namespace {

const int kNeedDives[] = {cmd::CreateSelectedFile, cmd::ExportCsv, cmd::ExportUddf, cmd::Copy,
                          cmd::SelectionCopy, cmd::EditDive, cmd::DeleteDive, cmd::Renumber,
                          cmd::RenumberRange, cmd::TimeZone, cmd::FillDives, cmd::ProfileWindow,
                          cmd::DiveList, cmd::Statistics, cmd::StatLocations, cmd::StatBuddies,
                          cmd::StatPerMonth, cmd::FindDive, cmd::ExtendedSearch,
                          cmd::SearchReplace};
const int kAlways[] = {cmd::FileNew, cmd::FileOpen, cmd::FileSave, cmd::FileSaveAs,
                       cmd::ReloadFile, cmd::ImportCitizen, cmd::ImportGuardian, cmd::Print,
                       cmd::PrintPreview, cmd::PrintSetup, cmd::Exit, cmd::Transfer, cmd::NewDive,
                       cmd::ProfilePreview, cmd::Settings, cmd::ComputerTypes, cmd::Equipment,
                       cmd::BuddyAddresses, cmd::InstructorDemos, cmd::CalcDives,
                       cmd::CompareCurves, cmd::About, cmd::SupportedComputers,
                       cmd::ExtendedNotice, cmd::TipOfTheDay};
const int kNeedFile[] = {cmd::Certifications, cmd::Trips, cmd::Forecast};

DiveRecord dive(int number, int date, int time) {
  DiveRecord r = makeRecord();
  r.diveNumber = static_cast<uint16_t>(number);
  r.date = date;
  r.timeOfDay = static_cast<int16_t>(time);
  r.maxDepth = 1800;
  r.diveTime = 40;
  return r;
}

void giveProfile(DiveRecord& r, bool handMade) {
  r.profileLength = 40;
  for (int i = 0; i < 8; ++i) r.profileHeader[i] = handMade ? 0 : static_cast<uint16_t>(100 + i);
}

bool alwaysExists(const std::string&) { return true; }
bool neverExists(const std::string&) { return false; }

}  // namespace

TEST(CommandRules, EmptyLogbookLeavesOnlyTheAlwaysCommands) {
  Logbook lb;
  lb.newLogbook();
  CopyBuffer copy;
  SelectionBuffer sel;
  Settings s;
  CommandState st = makeCommandState(lb, copy, sel, true, s, computerModels(), alwaysExists);
  for (int id : kNeedDives) EXPECT_FALSE(commandEnabled(id, st)) << id;
  for (int id : kNeedFile) EXPECT_FALSE(commandEnabled(id, st)) << id;
  for (int id : kAlways) EXPECT_TRUE(commandEnabled(id, st)) << id;
  for (int id : {cmd::Paste, cmd::SelectionPaste, cmd::SelectionClear, cmd::SearchNext,
                 cmd::SearchPrevious, cmd::CreateProfile, cmd::SplitDive, cmd::MergeDive})
    EXPECT_FALSE(commandEnabled(id, st)) << id;
}

TEST(CommandRules, BookCommandsWaitForTheFileOnDisk) {
  Logbook lb;
  lb.newLogbook();
  ASSERT_TRUE(lb.insert(dive(1, 150000, 600)).ok);
  CopyBuffer copy;
  SelectionBuffer sel;
  Settings s;
  CommandState unsaved = makeCommandState(lb, copy, sel, false, s, computerModels(), neverExists);
  for (int id : kNeedDives) EXPECT_TRUE(commandEnabled(id, unsaved)) << id;
  for (int id : kNeedFile) EXPECT_FALSE(commandEnabled(id, unsaved)) << id;
  // "Senzanome.log" lying in the working folder is not the new logbook's file.
  CommandState stray = makeCommandState(lb, copy, sel, false, s, computerModels(), alwaysExists);
  for (int id : kNeedFile) EXPECT_FALSE(commandEnabled(id, stray)) << id;
  EXPECT_FALSE(commandEnabled(cmd::RestoreBackup, unsaved));
  EXPECT_FALSE(commandEnabled(cmd::RestoreBackup, stray));
  lb.path = "/home/diver/dives.log";
  CommandState saved = makeCommandState(lb, copy, sel, false, s, computerModels(), alwaysExists);
  for (int id : kNeedFile) EXPECT_TRUE(commandEnabled(id, saved)) << id;
  // Kept versions belong to a file, even one that holds no dive now.
  lb.newLogbook();
  lb.path = "/home/diver/dives.log";
  EXPECT_TRUE(commandEnabled(cmd::RestoreBackup, makeCommandState(lb, copy, sel, false, s, computerModels(), alwaysExists)));
}

TEST(CommandRules, BuffersSearchAndExternalProgram) {
  Logbook lb;
  lb.newLogbook();
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(lb.insert(dive(i + 1, 150000 + i, 600)).ok);
  CopyBuffer copy;
  SelectionBuffer sel;
  Settings s;
  lb.currentPosition = 1;
  CommandState st = makeCommandState(lb, copy, sel, false, s, computerModels(), alwaysExists);
  EXPECT_FALSE(commandEnabled(cmd::Paste, st));
  EXPECT_FALSE(commandEnabled(cmd::SearchNext, st));  // no search made yet
  EXPECT_FALSE(commandEnabled(cmd::ExternalApp, st)); // no program set

  copy.copyFrom(lb, 1);
  ASSERT_TRUE(sel.copyFrom(lb, 1, 2).ok);
  s.externFile = "/usr/bin/true";
  st = makeCommandState(lb, copy, sel, true, s, computerModels(), alwaysExists);
  EXPECT_TRUE(commandEnabled(cmd::Paste, st));
  EXPECT_TRUE(commandEnabled(cmd::SelectionPaste, st));
  EXPECT_TRUE(commandEnabled(cmd::SelectionClear, st));
  EXPECT_TRUE(commandEnabled(cmd::ExternalApp, st));
  EXPECT_TRUE(commandEnabled(cmd::SearchNext, st));
  EXPECT_FALSE(commandEnabled(cmd::SearchPrevious, st));  // first dive
  lb.currentPosition = 3;
  st = makeCommandState(lb, copy, sel, true, s, computerModels(), alwaysExists);
  EXPECT_FALSE(commandEnabled(cmd::SearchNext, st));  // last dive
  EXPECT_TRUE(commandEnabled(cmd::SearchPrevious, st));
  // The external program must exist, not only be named.
  st = makeCommandState(lb, copy, sel, true, s, computerModels(), neverExists);
  EXPECT_FALSE(commandEnabled(cmd::ExternalApp, st));
}

TEST(CommandRules, ProfileCommandsFollowTheCurrentDive) {
  Logbook lb;
  lb.newLogbook();
  DiveRecord a = dive(1, 150000, 600), b = dive(2, 150000, 700);
  lb.insert(a);
  lb.insert(b);
  CopyBuffer copy;
  SelectionBuffer sel;
  Settings s;
  auto state = [&] { return makeCommandState(lb, copy, sel, false, s, computerModels(), neverExists); };
  lb.currentPosition = 1;
  EXPECT_TRUE(commandEnabled(cmd::CreateProfile, state()));  // depth and time, no profile
  EXPECT_FALSE(commandEnabled(cmd::SplitDive, state()));
  lb.modify(1, [&](DiveRecord& d) { giveProfile(d, true); });
  EXPECT_TRUE(commandEnabled(cmd::CreateProfile, state()));  // a hand-made one may be redrawn
  EXPECT_TRUE(commandEnabled(cmd::SplitDive, state()));
  lb.modify(1, [&](DiveRecord& d) { giveProfile(d, false); });
  EXPECT_FALSE(commandEnabled(cmd::CreateProfile, state()));  // never over a computer profile
  lb.modify(1, [&](DiveRecord& d) { d.profileLength = 0; });
  lb.modify(1, [&](DiveRecord& d) { d.diveTime = 209; });
  EXPECT_TRUE(commandEnabled(cmd::CreateProfile, state()));
  lb.modify(1, [&](DiveRecord& d) { d.diveTime = 210; });  // more than a record holds
  EXPECT_FALSE(commandEnabled(cmd::CreateProfile, state()));
  lb.modify(1, [&](DiveRecord& d) { d.diveTime = NO_VALUE; });
  EXPECT_FALSE(commandEnabled(cmd::CreateProfile, state()));
}

TEST(CommandRules, MergeNeedsANextDiveCloseEnough) {
  CommandState s;
  s.diveCount = 2;
  s.currentPosition = 1;
  s.hasNext = true;
  s.currentHasProfile = s.nextHasProfile = true;
  s.nextSurfaceInterval = 120;
  EXPECT_TRUE(commandEnabled(cmd::MergeDive, s));
  s.nextSurfaceInterval = 121;
  EXPECT_FALSE(commandEnabled(cmd::MergeDive, s));
  s.nextSurfaceInterval = NO_VALUE;
  EXPECT_FALSE(commandEnabled(cmd::MergeDive, s));
  s.nextSurfaceInterval = 30;
  s.nextHasProfile = false;
  EXPECT_FALSE(commandEnabled(cmd::MergeDive, s));
  // Oxygen computers merge only with each other, and under the same conditions.
  s.currentGasKind = 2;
  s.nextGasKind = 2;
  s.nextSurfaceInterval = NO_VALUE;
  s.nextHasProfile = true;
  EXPECT_FALSE(commandEnabled(cmd::MergeDive, s));
  s.nextSurfaceInterval = 30;
  EXPECT_TRUE(commandEnabled(cmd::MergeDive, s));
  s.nextHasProfile = false;
  EXPECT_FALSE(commandEnabled(cmd::MergeDive, s));
  s.nextGasKind = 0;
  s.nextHasProfile = true;
  s.nextSurfaceInterval = 10;
  EXPECT_FALSE(commandEnabled(cmd::MergeDive, s));
  s.hasNext = false;
  s.currentGasKind = s.nextGasKind = 2;
  EXPECT_FALSE(commandEnabled(cmd::MergeDive, s));  // the last dive has nothing to merge with
}

TEST(CommandRules, TableHoldsEveryCommandOnceAndTheToolbarInOrder) {
  std::set<int> ids;
  for (const CommandInfo& c : commandTable()) {
    if (c.id == 0) continue;
    EXPECT_TRUE(ids.insert(c.id).second) << "twice: " << c.id;
  }
  EXPECT_EQ(ids.size(), 64u);
  const std::vector<int> bar = {57600, 57601, 57603, 0, 32775, 32777, 32806, 0, 57635, 57634,
                                57637, 57643, 57644, 0, 57607, 0, 32781, 32788, 32808, 0, 32801, 32797,
                                32796, 0, 57664, 0, 32835, 32836};
  EXPECT_EQ(toolbarCommands(), bar);
  ASSERT_NE(findCommand(cmd::FileOpen), nullptr);
  EXPECT_STREQ(findCommand(cmd::FileOpen)->keys, "F3,Ctrl+O");
  EXPECT_STREQ(findCommand(cmd::ReloadFile)->keys, "");  // the key text is shown, not bound
  EXPECT_STREQ(findCommand(cmd::ReloadFile)->shownKey, "Alt+F5");
  EXPECT_STREQ(findCommand(cmd::ExternalApp)->shownKey, "Strg+F5");
  EXPECT_EQ(findCommand(0), nullptr);
}
