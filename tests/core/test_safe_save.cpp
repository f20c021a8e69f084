// The logbook's crash-safe save, its backups and its lock, driven through real files: saves
// killed in a child process at each of their steps, then loaded.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "core/backups.h"
#include "core/demo_logbook.h"
#include "core/logbook.h"
#include "core/logbook_lock.h"
#include "core/safe_save.h"
#include "core/settings.h"
#include "tests/test_support.h"

using namespace kelp;
using kelp::test::readFile;
using kelp::test::ScratchDir;
using kelp::test::writeFile;
namespace fs = std::filesystem;

namespace {

int g_crashAt = -1;

void crashHere(int step) {
  if (step == g_crashAt) ::_exit(42);
}

std::set<std::string> namesIn(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
  return names;
}

// The same logbook with every dive changed in the .log (location) and in the .add (weight).
Logbook changed(Logbook lb) {
  lb.modifyEach([](int, DiveRecord& r) {
    setText(r.location, "Nuova");
    r.weight = static_cast<int16_t>(r.weight + 100);
    return true;
  });
  return lb;
}

class SafeSave : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(scratch.path().empty());
    fs::create_directories(scratch.path() / "book");
    const char* old = std::getenv("KELP_DATA_DIR");
    if (old) oldData = old;
    setenv("KELP_DATA_DIR", (scratch.path() / "data").c_str(), 1);
  }
  void TearDown() override {
    setPairStepHook(nullptr);
    if (oldData.empty()) unsetenv("KELP_DATA_DIR");
    else setenv("KELP_DATA_DIR", oldData.c_str(), 1);
  }
  std::string log() const { return (scratch.path() / "book" / "mare.log").string(); }
  std::string add() const { return (scratch.path() / "book" / "mare.add").string(); }

  ScratchDir scratch{"kelp-safe-save"};
  std::string oldData;
};

TEST_F(SafeSave, ASaveKilledAtAnyStepLoadsAsTheOldOrTheNewLogbookWithNothingLeft) {
  const std::string lastLogbook = settings().lastLogbookPath;
  Logbook before = makeDemoLogbook(25, 3);
  ASSERT_TRUE(before.saveFile(log()));
  const std::string oldLog = readFile(log()), oldAdd = readFile(add());
  const Logbook after = changed(before);
  const std::string newLog = after.serializeLog(), newAdd = after.serializeAdd();
  ASSERT_NE(oldLog, newLog);
  ASSERT_NE(oldAdd, newAdd);

  for (int at = kPairStarted; at < kPairStepCount; ++at) {
    SCOPED_TRACE("killed after step " + std::to_string(at));
    writeFile(log(), oldLog);
    writeFile(add(), oldAdd);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      g_crashAt = at;
      setPairStepHook(crashHere);
      Logbook lb = after;
      lb.saveFile(log());
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 42) << "the save did not reach the step";

    Logbook loaded;
    ASSERT_TRUE(loaded.loadFile(log()));
    const bool isNew = at >= kPairRecordWritten;
    EXPECT_EQ(loaded.serializeLog(), isNew ? newLog : oldLog);
    EXPECT_EQ(loaded.serializeAdd(), isNew ? newAdd : oldAdd);
    EXPECT_EQ(readFile(log()), isNew ? newLog : oldLog);
    EXPECT_EQ(readFile(add()), isNew ? newAdd : oldAdd);
    EXPECT_EQ(namesIn(scratch.path() / "book"), (std::set<std::string>{"mare.log", "mare.add"}));
  }
  settings().lastLogbookPath = lastLogbook;
}

TEST_F(SafeSave, TidyingObeysOnlyRecordsOfThePairAndSparesOtherFiles) {
  Logbook lb = makeDemoLogbook(3, 1);
  ASSERT_TRUE(lb.saveFile(log()));
  const std::string oldLog = readFile(log());
  const fs::path book = scratch.path() / "book";
  // A user's own files whose names look alike, and a record naming a file elsewhere.
  writeFile(book / "mare.log.backup", "mine");
  writeFile(book / "mare.log.kelp-save-toolong", "mine too");
  writeFile(book / "other.log.kelp-save-abc123", "another pair's");
  writeFile(book / "mare.log.kelp-save-abc123", "leftover");
  writeFile(saveRecordPath(log()), "kelp pair save 1\n../x.kelp-save-abc123\tmare.log\n");
  Logbook loaded;
  ASSERT_TRUE(loaded.loadFile(log()));
  EXPECT_EQ(readFile(log()), oldLog);
  EXPECT_EQ(namesIn(book), (std::set<std::string>{"mare.log", "mare.add", "mare.log.backup",
                                                  "mare.log.kelp-save-toolong", "other.log.kelp-save-abc123"}));
}

TEST_F(SafeSave, EverySaveKeepsTheReplacedVersionAndTheNewestTenAreKept) {
  Logbook lb = makeDemoLogbook(2, 1);
  ASSERT_TRUE(lb.saveFile(log()));
  EXPECT_TRUE(listBackups(log()).empty());  // a new logbook replaces nothing
  std::vector<std::string> versions{readFile(log())};
  for (int i = 0; i < 12; ++i) {
    ASSERT_TRUE(lb.insert(makeDemoLogbook(1, 10 + i).dives()[0]));
    const Result r = lb.saveFile(log());
    ASSERT_TRUE(r);
    EXPECT_EQ(r.warning, "");
    versions.push_back(readFile(log()));
  }
  const std::vector<BackupInfo> kept = listBackups(log());
  ASSERT_EQ(kept.size(), size_t(KEPT_BACKUPS));
  // Newest first: the version the last save replaced, with its dive count.
  for (size_t i = 0; i < kept.size(); ++i) {
    EXPECT_EQ(readFile(kept[i].path), versions[versions.size() - 2 - i]);
    EXPECT_EQ(kept[i].dives, 13 - int(i));
    EXPECT_TRUE(kept[i].hasAdd);
  }
  // Another logbook of the same name elsewhere has its own backups.
  fs::create_directories(scratch.path() / "other");
  const std::string twin = (scratch.path() / "other" / "mare.log").string();
  ASSERT_TRUE(lb.saveFile(twin));
  ASSERT_TRUE(lb.saveFile(twin));
  EXPECT_EQ(listBackups(twin).size(), 1u);
  EXPECT_EQ(listBackups(log()).size(), size_t(KEPT_BACKUPS));
}

TEST_F(SafeSave, RestoreBringsTheBytesBackAndKeepsTheVersionItReplaces) {
  Logbook lb = makeDemoLogbook(4, 2);
  ASSERT_TRUE(lb.saveFile(log()));
  const std::string firstLog = readFile(log()), firstAdd = readFile(add());
  Logbook second = changed(lb);
  ASSERT_TRUE(second.saveFile(log()));
  const std::string secondLog = readFile(log());

  const std::string backup = findBackup(log(), "1");
  ASSERT_NE(backup, "");
  EXPECT_EQ(findBackup(log(), listBackups(log())[0].name), backup);
  ASSERT_TRUE(restoreBackup(log(), backup));
  EXPECT_EQ(readFile(log()), firstLog);
  EXPECT_EQ(readFile(add()), firstAdd);
  const std::vector<BackupInfo> kept = listBackups(log());
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(readFile(kept[0].path), secondLog);

  // A damaged backup changes nothing.
  writeFile(kept[0].path, std::string("\xA1\x00\x00\x00\x00\x00\x05\x00", 8));
  const Result bad = restoreBackup(log(), kept[0].path);
  EXPECT_FALSE(bad);
  EXPECT_NE(bad.error.find(kept[0].path), std::string::npos);
  EXPECT_EQ(readFile(log()), firstLog);
  EXPECT_EQ(listBackups(log()).size(), 2u);
  EXPECT_EQ(findBackup(log(), "9"), "");
}

TEST_F(SafeSave, ABackupThatCannotBeWrittenIsReportedAndTheSaveGoesOn) {
  Logbook lb = makeDemoLogbook(2, 1);
  ASSERT_TRUE(lb.saveFile(log()));
  writeFile(scratch.path() / "data", "a file where the data folder should be");
  lb.remove(1);
  const Result r = lb.saveFile(log());
  EXPECT_TRUE(r);
  EXPECT_NE(r.warning.find("mare.log"), std::string::npos);
  Logbook loaded;
  ASSERT_TRUE(loaded.loadFile(log()));
  EXPECT_EQ(loaded.diveCount(), 1);
}

TEST_F(SafeSave, ASecondProcessWaitsForTheLockThenGivesUp) {
  int ready[2], go[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(go), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    LogbookLock lock;
    const bool ok = lock.acquire(log(), 0).ok && lock.held();
    char c = ok ? 'y' : 'n';
    (void)!::write(ready[1], &c, 1);
    (void)!::read(go[0], &c, 1);
    ::_exit(0);  // the kernel lets the lock go with the process
  }
  char c = 0;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);
  ASSERT_EQ(c, 'y');

  LogbookLock mine;
  const Result refused = mine.acquire(log(), 200);
  EXPECT_FALSE(refused);
  EXPECT_NE(refused.error.find("mare.log"), std::string::npos);
  EXPECT_FALSE(mine.held());
  setenv("KELP_LOCK_WAIT_MS", "200", 1);
  EXPECT_FALSE(Logbook(makeDemoLogbook(1, 1)).saveFile(log()).ok) << "a save must wait for the lock too";
  unsetenv("KELP_LOCK_WAIT_MS");
  EXPECT_FALSE(fs::exists(log()));

  (void)!::write(go[1], "x", 1);
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(mine.acquire(log(), 2000));
  EXPECT_TRUE(mine.held());
  {
    LogbookLock inner, linked;  // the same process takes it again at once, also by another name
    EXPECT_TRUE(inner.acquire(log(), 0));
    EXPECT_TRUE(inner.held());
    fs::create_directory_symlink(scratch.path() / "book", scratch.path() / "link");
    EXPECT_TRUE(linked.acquire((scratch.path() / "link" / "mare.log").string(), 0));
    EXPECT_TRUE(linked.held());
  }
  EXPECT_TRUE(fs::exists(lockFilePath(log())));
  mine.release();
  EXPECT_FALSE(fs::exists(lockFilePath(log())));
  for (int fd : {ready[0], ready[1], go[0], go[1]}) ::close(fd);
}

}  // namespace
