#pragma once
// Writing a whole file the safe way: the bytes go to a temporary file beside the target, are
// flushed to disk and renamed over it, and the folder is synced so that the new name survives a
// power cut; an old file is never left half written. A file that
// replaces another keeps its permissions; a new one gets what the umask allows. Every writer
// of the program (logbook, books, forecast history, exports, images) goes this way.
#include <functional>
#include <string>

#include "core/logbook.h"  // Result

namespace kelp {

// Writes `bytes` over `path`. On failure the old file is as it was and the Result's message
// names the file ("Impossibile scrivere il file %s.").
Result replaceFile(const std::string& path, const std::string& bytes);
// The same for content written piece by piece: `write` gets the open descriptor of the
// temporary file and returns false when it could not write everything.
Result replaceFileWith(const std::string& path, const std::function<bool(int fd)>& write);
// Writes bytes to a new temporary file beside `target` (with the permissions the target would
// get) and returns its path, or "" on failure; for writers that rename several files together.
// The file is named "<target>.<tag>XXXXXX" (six random letters or digits).
std::string writeTemporaryFile(const std::string& target, const std::string& bytes,
                               const std::string& tag = "");
// Syncs the folder that holds `path`, so that names just created or renamed in it survive a
// power cut; false when the folder cannot be opened or synced.
bool syncFolderOf(const std::string& path);
// Writes all of `bytes` to a descriptor, retrying after signals; false on an error.
bool writeAll(int fd, const char* bytes, size_t size);
// False when the file cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& bytes);

}  // namespace kelp
