#pragma once
// Whether the logbook's files on disk are still the ones the window loaded or last saved, and
// what the window does about it. No Qt: the document takes a stamp after each load and save,
// asks these rules before a save and when the main window comes back to the front, and only
// puts the questions they name.
#include <cstdint>
#include <string>

namespace kelp {

// One file as it lies on disk. Two stamps are the same file when both are missing, or both
// exist with equal size and content hash (a file written again with the same bytes is no
// change; the modification time only spares reading a file that did not change).
struct FileStamp {
  bool exists = false;
  uint64_t size = 0;
  int64_t mtimeNs = 0;
  uint64_t hash = 0;  // FNV-1a 64 of the bytes
  bool sameFileAs(const FileStamp& o) const {
    return exists == o.exists && (!exists || (size == o.size && hash == o.hash));
  }
};

// The .log and the .add of a logbook.
struct LogbookStamp {
  std::string logPath;  // "" when the window has no file (a new logbook)
  FileStamp log, add;
  bool sameFilesAs(const LogbookStamp& o) const {
    return logPath == o.logPath && log.sameFileAs(o.log) && add.sameFileAs(o.add);
  }
};

// Stamps the file at `path`. A file whose size and modification time equal `known`'s keeps
// its hash without being read.
FileStamp stampFile(const std::string& path, const FileStamp* known = nullptr);
// Stamps the logbook at `logPath` (its .log and the .add beside it).
LogbookStamp stampLogbook(const std::string& logPath, const LogbookStamp* known = nullptr);

// Before a save over the file the window has open.
enum class SaveCheck {
  Save,           // the files are the ones loaded or last saved, or there is nothing to lose
  AskOverwrite,   // another program changed them: overwrite, save under another name, or stop
};
// `known` is the stamp taken at the last load or save, `onDisk` the files now, `target` the
// logbook the save will write.
SaveCheck checkBeforeSave(const LogbookStamp& known, const LogbookStamp& onDisk, const std::string& target);

// When the main window comes back to the front.
enum class FocusCheck {
  Nothing,      // unchanged, no file, already told about this change, or changes of its own
                // to save (the save asks then)
  OfferReload,  // changed on disk while there was nothing to save: say so, offer to reload
};
// `told` is the disk state last reported (so the same change is reported once).
FocusCheck checkOnFocus(const LogbookStamp& known, const LogbookStamp& onDisk, const LogbookStamp& told,
                        bool modified);

}  // namespace kelp
