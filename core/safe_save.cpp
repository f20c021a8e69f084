#include "core/safe_save.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <utility>
#include <vector>

#include "core/backups.h"
#include "core/file_write.h"
#include "core/logbook_lock.h"
#include "core/strings.h"
#include "core/texts.h"

namespace kelp {
namespace {

namespace fs = std::filesystem;

const char* const kTag = "kelp-save-";
constexpr size_t kRandomLetters = 6;  // mkstemp's XXXXXX
const char* const kRecordHead = "kelp pair save 1";

PairStepHook g_hook = nullptr;

void step(int n) {
  if (g_hook) g_hook(n);
}

std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Whether `name` is a temporary file of `target` ("<target>.kelp-save-XXXXXX").
bool isTemporaryOf(const std::string& name, const std::string& target) {
  const std::string prefix = target + "." + kTag;
  return name.size() == prefix.size() + kRandomLetters && name.compare(0, prefix.size(), prefix) == 0;
}

// The renames of a record, or nothing when it is not one this pair's save wrote.
std::vector<std::pair<std::string, std::string>> readRecord(const std::string& bytes, const std::string& logName,
                                                           const std::string& addName) {
  std::vector<std::pair<std::string, std::string>> renames;
  size_t pos = 0;
  bool head = true;
  while (pos < bytes.size()) {
    size_t end = bytes.find('\n', pos);
    if (end == std::string::npos) return {};  // a record is always written whole, newline last
    const std::string line = bytes.substr(pos, end - pos);
    pos = end + 1;
    if (head) {
      if (line != kRecordHead) return {};
      head = false;
      continue;
    }
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) return {};
    std::string tmp = line.substr(0, tab), target = line.substr(tab + 1);
    if ((target != logName && target != addName) || !isTemporaryOf(tmp, target)) return {};
    renames.emplace_back(std::move(tmp), std::move(target));
  }
  return renames;
}

// What an interrupted save left of this pair: the record, temporaries, a lock file.
struct Leftovers {
  bool record = false;
  bool lockFile = false;
  std::vector<std::string> temporaries;  // names in the folder
  bool interrupted() const { return record || !temporaries.empty(); }
  bool any() const { return interrupted() || lockFile; }
};

Leftovers findLeftovers(const std::string& logPath, const std::string& addPath) {
  Leftovers l;
  const std::string logName = nameOf(logPath), addName = nameOf(addPath);
  const std::string recordName = nameOf(saveRecordPath(logPath)), lockName = nameOf(lockFilePath(logPath));
  std::error_code ec;
  for (fs::directory_iterator it(folderOf(logPath), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name == recordName) l.record = true;
    else if (name == lockName) l.lockFile = true;
    else if (isTemporaryOf(name, logName) || isTemporaryOf(name, addName) || isTemporaryOf(name, recordName))
      l.temporaries.push_back(name);
  }
  return l;
}

// The tidying itself, under the lock.
void tidyLocked(const std::string& logPath, const std::string& addPath) {
  const Leftovers found = findLeftovers(logPath, addPath);
  const std::string folder = folderOf(logPath);
  const std::string record = saveRecordPath(logPath);
  bool keepTemporaries = false;
  if (found.record) {
    std::string bytes;
    const auto renames = readWholeFile(record, bytes) ? readRecord(bytes, nameOf(logPath), nameOf(addPath))
                                                      : std::vector<std::pair<std::string, std::string>>{};
    bool done = true;
    for (const auto& [tmp, target] : renames) {
      const std::string from = folder + "/" + tmp;
      std::error_code ec;
      if (fs::exists(from, ec) && std::rename(from.c_str(), (folder + "/" + target).c_str()) != 0) done = false;
    }
    syncFolderOf(logPath);
    if (done) {
      ::unlink(record.c_str());
    } else {
      keepTemporaries = true;  // the record still needs them; the next load tries again
    }
  }
  if (!keepTemporaries)
    for (const std::string& name : found.temporaries) ::unlink((folder + "/" + name).c_str());
  syncFolderOf(logPath);
}

// Removes a temporary file and says it failed.
Result failWith(const std::string& message, std::initializer_list<std::string> remove) {
  for (const std::string& p : remove)
    if (!p.empty()) ::unlink(p.c_str());
  return Result::failure(message);
}

}  // namespace

std::string saveRecordPath(const std::string& logPath) { return logPath + ".saving"; }

void setPairStepHook(PairStepHook hook) { g_hook = hook; }

void tidyLogbookPair(const std::string& logPath, const std::string& addPath) {
  const Leftovers found = findLeftovers(logPath, addPath);
  if (!found.any()) return;
  // Temporaries may be those of a save going on now: wait for its end. A lock file alone is
  // removed only when nobody holds it.
  LogbookLock lock;
  if (!lock.acquire(logPath, found.interrupted() ? -1 : 0) || !lock.held()) return;
  tidyLocked(logPath, addPath);
}

Result writeLogbookPair(const std::string& logPath, const std::string& addPath, const std::string& logBytes,
                        const std::string& addBytes) {
  LogbookLock lock;
  if (Result locked = lock.acquire(logPath); !locked) return locked;
  if (findLeftovers(logPath, addPath).interrupted()) tidyLocked(logPath, addPath);
  const std::string logFailed = format("Impossibile scrivere il file %s.", logPath.c_str());
  const std::string addFailed = format("Impossibile scrivere il file %s.", addPath.c_str());
  step(kPairStarted);

  const std::string tmpLog = writeTemporaryFile(logPath, logBytes, kTag);
  if (tmpLog.empty()) return Result::failure(logFailed);
  step(kPairLogTemporaryWritten);
  const std::string tmpAdd = writeTemporaryFile(addPath, addBytes, kTag);
  if (tmpAdd.empty()) return failWith(addFailed, {tmpLog});
  step(kPairAddTemporaryWritten);

  Result out = Result::success();
  std::error_code ec;
  if (fs::is_regular_file(logPath, ec)) {
    const Result kept = backupLogbook(logPath, addPath);
    if (!kept) out.warning = strf(63151, logPath.c_str(), kept.error.c_str());
  }
  step(kPairBackupKept);

  const std::string record = saveRecordPath(logPath);
  const std::string recordBytes = std::string(kRecordHead) + "\n" + nameOf(tmpAdd) + "\t" + nameOf(addPath) +
                                  "\n" + nameOf(tmpLog) + "\t" + nameOf(logPath) + "\n";
  const std::string tmpRecord = writeTemporaryFile(record, recordBytes, kTag);
  if (tmpRecord.empty()) return failWith(logFailed, {tmpLog, tmpAdd});
  if (std::rename(tmpRecord.c_str(), record.c_str()) != 0) return failWith(logFailed, {tmpLog, tmpAdd, tmpRecord});
  syncFolderOf(logPath);
  step(kPairRecordWritten);

  if (std::rename(tmpAdd.c_str(), addPath.c_str()) != 0) {
    // Nothing replaced yet: take the save back.
    Result r = failWith(addFailed, {record, tmpLog, tmpAdd});
    syncFolderOf(logPath);
    return r;
  }
  step(kPairAddRenamed);
  if (std::rename(tmpLog.c_str(), logPath.c_str()) != 0) {
    // The new .add is in place: the record completes the pair now or at the next load.
    tidyLocked(logPath, addPath);
    if (fs::exists(record, ec)) return Result::failure(logFailed);
  }
  step(kPairLogRenamed);
  syncFolderOf(logPath);
  step(kPairFolderSynced);
  ::unlink(record.c_str());
  step(kPairRecordRemoved);
  syncFolderOf(logPath);
  return out;
}

}  // namespace kelp
