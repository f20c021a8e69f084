// kelp-cli commands on the versions a save replaced: backups, restore.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/cli.h"
#include "core/backups.h"
#include "core/logbook.h"
#include "core/strings.h"

namespace kelp::cli {
namespace {

struct BackupArgs {
  std::string logbook, backup;
};

int cmdBackups(const BackupArgs& a) {
  int n = 0;
  for (const BackupInfo& b : listBackups(a.logbook)) {
    const std::string dives = b.dives < 0 ? "?" : std::to_string(b.dives);
    std::printf("%d\t%s\t%s\t%s\n", ++n, backupTimeText(b).c_str(), dives.c_str(), b.name.c_str());
  }
  return 0;
}

int cmdRestore(const BackupArgs& a) {
  LogbookLock lock;
  if (int rc = lockForChange(lock, a.logbook)) return rc;
  const std::string backup = findBackup(a.logbook, a.backup);
  if (backup.empty()) return fail(strf(63154, a.backup.c_str()));
  const Result r = restoreBackup(a.logbook, backup);
  if (!r) return fail(r.error);
  warnAbout(r);
  Logbook lb;
  const Result loaded = lb.loadFile(a.logbook);
  if (!loaded) return fail(loaded.error);
  std::printf("%d\n", lb.diveCount());
  return 0;
}

Run setupBackups(CLI::App& cmd) {
  auto a = std::make_shared<BackupArgs>();
  cmd.add_option("LOGBOOK", a->logbook, "logbook file (.log)")->required();
  return [a] { return cmdBackups(*a); };
}

Run setupRestore(CLI::App& cmd) {
  auto a = std::make_shared<BackupArgs>();
  cmd.add_option("LOGBOOK", a->logbook, "logbook file (.log)")->required();
  cmd.add_option("BACKUP", a->backup, "a backup's number or name as `backups` lists it, or its path")->required();
  return [a] { return cmdRestore(*a); };
}

}  // namespace

REGISTER_CLI_COMMAND({"backups", "backups LOGBOOK",
                      "lists the kept versions of a logbook, newest first: number, time, dives, name",
                      setupBackups});
REGISTER_CLI_COMMAND({"restore", "restore LOGBOOK BACKUP",
                      "brings a kept version back (the version it replaces is kept in turn)", setupRestore});

}  // namespace kelp::cli
