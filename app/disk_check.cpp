#include "app/disk_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/logbook.h"

namespace kelp {

FileStamp stampFile(const std::string& path, const FileStamp* known) {
  FileStamp s;
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return s;
  s.exists = true;
  s.size = static_cast<uint64_t>(st.st_size);
  s.mtimeNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  if (known && known->exists && known->size == s.size && known->mtimeNs == s.mtimeNs) {
    s.hash = known->hash;
    return s;
  }
  uint64_t h = 1469598103934665603ull;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0) {
    char buf[65536];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0)
      for (ssize_t i = 0; i < n; ++i) h = (h ^ static_cast<unsigned char>(buf[i])) * 1099511628211ull;
    ::close(fd);
  }
  s.hash = h;
  return s;
}

LogbookStamp stampLogbook(const std::string& logPath, const LogbookStamp* known) {
  LogbookStamp s;
  s.logPath = logPath;
  if (logPath.empty()) return s;
  Logbook names;
  names.formCompanionNames(logPath);
  const bool same = known && known->logPath == logPath;
  s.log = stampFile(logPath, same ? &known->log : nullptr);
  s.add = stampFile(names.addPath, same ? &known->add : nullptr);
  return s;
}

SaveCheck checkBeforeSave(const LogbookStamp& known, const LogbookStamp& onDisk, const std::string& target) {
  // Only the files the window loaded or saved are checked: another target was asked about
  // when it was chosen ("esiste già").
  if (known.logPath.empty() || target != known.logPath || onDisk.logPath != known.logPath) return SaveCheck::Save;
  // Removed meanwhile: a save loses nothing.
  if (!onDisk.log.exists && !onDisk.add.exists) return SaveCheck::Save;
  return known.sameFilesAs(onDisk) ? SaveCheck::Save : SaveCheck::AskOverwrite;
}

FocusCheck checkOnFocus(const LogbookStamp& known, const LogbookStamp& onDisk, const LogbookStamp& told,
                        bool modified) {
  if (modified || known.logPath.empty() || onDisk.logPath != known.logPath) return FocusCheck::Nothing;
  if (!onDisk.log.exists) return FocusCheck::Nothing;  // nothing there to reload
  if (known.sameFilesAs(onDisk) || told.sameFilesAs(onDisk)) return FocusCheck::Nothing;
  return FocusCheck::OfferReload;
}

}  // namespace kelp
