#pragma once
// The tips file of the tip of the day: plain text, one tip per line; lines that
// begin with a blank, a tab, an empty line or ';' are comments. The reader keeps
// its byte position so the next start continues with the following tip.
#include <cstdio>
#include <string>
#include <vector>

#include "core/language.h"

namespace kelp {

struct Settings;

// The tips of the language: "tips.txt" (Italian) or "tips_<code>.txt" beside the program, or in
// the installed data folder when it is not there; a language without a tips file of its own
// reads the Italian one.
std::string tipsFilePath(Language l = language());

class TipsFile {
 public:
  TipsFile() = default;
  ~TipsFile();
  TipsFile(const TipsFile&) = delete;
  TipsFile& operator=(const TipsFile&) = delete;

  // Opens a tips file. With a `translation` (the tips of another language, tip for tip), the
  // tips shown come from it while the position and time stamp kept in Kelp.ini stay those of
  // `path`, the Italian file, so that the settings file is the same in every language.
  bool open(const std::string& path, const std::string& translation = "");
  bool isOpen() const { return file_ != nullptr; }
  void close();

  // The file's modification time as text ("" when it cannot be read).
  std::string timeStamp() const;

  // Where reading starts at opening: the saved position, or 0 when the file changed
  // since the saved time stamp (which is then replaced by the new one).
  void start(Settings& s);

  // The next tip, wrapping to the start at the end of the file. Returns false when
  // no tip can be read at all.
  bool next(std::string& tip);

  long position() const;
  bool seek(long pos);

 private:
  // The number of tips that stand in the file before byte `pos`.
  size_t tipsBefore(long pos) const;

  std::FILE* file_ = nullptr;
  std::string path_;
  std::vector<std::string> translated_;
};

// Tip text for display: UTF-8 as it stands, else Windows-1252 converted.
std::string tipToUtf8(const std::string& raw);

}  // namespace kelp
