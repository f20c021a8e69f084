#pragma once
// Saving the .log/.add pair so that a save killed at any moment (power cut, kill, crash) is
// followed by a load of either the old logbook or the new one, never a mix of the two files.
//
// A save of "mare.log" and "mare.add", under the logbook's lock (core/logbook_lock.h):
//   1. writes "mare.log.kelp-save-XXXXXX" and "mare.add.kelp-save-XXXXXX" whole and fsyncs them;
//   2. copies the version it replaces into the backup folder (core/backups.h);
//   3. writes the intent record "mare.log.saving" (through its own temporary file, fsynced and
//      renamed into place, then the folder synced): one line per rename, "temporary<TAB>target".
//      This is the moment the new version wins: once the record exists, every later step can be
//      repeated from it, because both temporaries are already whole on disk;
//   4. renames the .add temporary over mare.add, then the .log temporary over mare.log;
//   5. syncs the folder, removes the record, syncs the folder again.
// A load (and every save, before it starts) first tidies what an interrupted save left:
//   - a record: each rename whose temporary is still there is done again (the new version is
//     completed), the folder synced, the record removed;
//   - no record: the old files were never touched; temporaries of this pair (the names above,
//     also the record's own) are removed.
// A record is only obeyed when it names files of this pair in this folder. A lock file left by
// a killed writer is removed too. When nothing of this is there, a load takes no lock and
// writes nothing, so logbooks in read-only places load as before.
#include <string>

#include "core/logbook.h"  // Result

namespace kelp {

// Writes the pair as described above. On a failure before the record the old files are as
// they were; a failure after it leaves the record for the next load to complete. The Result's
// warning says when the replaced version could not be kept.
Result writeLogbookPair(const std::string& logPath, const std::string& addPath,
                        const std::string& logBytes, const std::string& addBytes);
// Completes or removes an interrupted save of the pair (see above).
void tidyLogbookPair(const std::string& logPath, const std::string& addPath);
// "<logPath>.saving".
std::string saveRecordPath(const std::string& logPath);

// For tests: called with the number of each step writeLogbookPair has just finished
// (PairStep); a hook that ends the process there leaves what a crash at that moment leaves.
enum PairStep {
  kPairStarted = 0,
  kPairLogTemporaryWritten,
  kPairAddTemporaryWritten,
  kPairBackupKept,
  kPairRecordWritten,
  kPairAddRenamed,
  kPairLogRenamed,
  kPairFolderSynced,
  kPairRecordRemoved,
  kPairStepCount
};
using PairStepHook = void (*)(int step);
void setPairStepHook(PairStepHook hook);

}  // namespace kelp
