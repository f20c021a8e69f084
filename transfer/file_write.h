#pragma once
// Writing a whole file the safe way: the bytes go to a temporary file beside the
// target, are flushed to disk and renamed over it, so an old file is never left
// half written. Reading a whole file back.
#include <string>

#include "core/logbook.h"

namespace kelp {

// The Result's message names the file when it cannot be written.
Result replaceFile(const std::string& path, const std::string& bytes);
// False when the file cannot be opened.
bool readWholeFile(const std::string& path, std::string& bytes);

}  // namespace kelp
