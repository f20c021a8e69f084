#pragma once
// The versions a save replaced. Before a save replaces a logbook, its .log and .add are copied
// into the folder "backups" of Kelp's data folder, named
//   <logbook name>.<8 hex digits of its full path>.<UTC moment YYYYMMDD-HHMMSS-mmm>.log / .add
// (the digits keep two logbooks of one name in different folders apart; the moment sorts by
// name). The newest KEPT_BACKUPS versions of each logbook are kept, older ones removed.
#include <cstdint>
#include <string>
#include <vector>

#include "core/logbook.h"  // Result

namespace kelp {

inline constexpr int KEPT_BACKUPS = 10;

// Kelp's data folder: $KELP_DATA_DIR, else $XDG_DATA_HOME/Kelp, else ~/.local/share/Kelp.
std::string dataDir();
// dataDir() + "/backups".
std::string backupFolder();

struct BackupInfo {
  std::string name;     // file name of the backup's .log in backupFolder()
  std::string path;     // its full path
  int64_t savedAt = 0;  // moment of the save that replaced it, seconds since 1970 (UTC)
  int millis = 0;
  int dives = -1;       // the count its header names; -1 when the file is unreadable
  bool hasAdd = false;  // its .add was kept beside it
};

// The backups of the logbook at `logPath`, newest first.
std::vector<BackupInfo> listBackups(const std::string& logPath);
// Copies the logbook at `logPath` (its .log and, when present, the .add at `addPath`) into the
// backup folder and removes the oldest beyond KEPT_BACKUPS. Success when there is nothing to
// keep (no .log yet); a failure names what could not be written.
Result backupLogbook(const std::string& logPath, const std::string& addPath);
// The backup of `logPath` that `which` names: a name listBackups gives, its number in that
// list (1 = newest) or a path to a .log; "" when there is none.
std::string findBackup(const std::string& logPath, const std::string& which);
// Brings the backup at `backupLog` back as the logbook at `logPath`, through a save (so the
// version it replaces is kept in turn). The backup is read whole first; a damaged one changes
// nothing. The bytes of the backup are written as they are.
Result restoreBackup(const std::string& logPath, const std::string& backupLog);
// "2026-12-09 16:14:32": the local time of a backup's moment.
std::string backupTimeText(const BackupInfo& b);

}  // namespace kelp
