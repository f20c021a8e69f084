#pragma once
// One writer at a time on a logbook. Every writer of a logbook (the kelp-cli commands that
// change one from their load to the end of their save, the program while it saves) holds an
// exclusive advisory lock (flock) on the lock file "<name>.log.lock" beside the .log. The lock
// is not taken on the .log itself, because a save renames a new file over it: a second writer
// waiting on the old file would then hold a lock nobody else looks at. The lock file exists only
// while a writer holds it: the holder removes it before it unlocks, and a writer that got the
// lock of a file that is no longer the one under that name opens the name again and retries.
//
// The lock is counted per process: a part of the program that takes it again while an outer
// part holds it (the save inside a command, the tidying of a load) gets it at once. A second
// process waits up to lockWaitMilliseconds(), then gets a failure naming the logbook.
#include <string>

#include "core/logbook.h"  // Result

namespace kelp {

// The wait before a second writer gives up: 10 s, or $KELP_LOCK_WAIT_MS when set.
int lockWaitMilliseconds();
// "<logPath>.lock".
std::string lockFilePath(const std::string& logPath);

class LogbookLock {
 public:
  LogbookLock() = default;
  ~LogbookLock() { release(); }
  LogbookLock(const LogbookLock&) = delete;
  LogbookLock& operator=(const LogbookLock&) = delete;

  // Takes the lock of the logbook at `logPath`, waiting up to `waitMs` (negative: the default
  // wait). Fails only when another process holds it all that time. A folder where no lock file
  // can be made (read-only, missing) gives success without a lock: nothing can be saved there.
  Result acquire(const std::string& logPath, int waitMs = -1);
  // Lets it go (the outermost holder of the process unlocks the file).
  void release();
  bool held() const { return !m_key.empty(); }

 private:
  std::string m_key;  // the absolute path of the lock file while held
};

}  // namespace kelp
