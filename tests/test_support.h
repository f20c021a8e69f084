#pragma once
// Helpers of the tests that need no window: whole files read and written, a scratch folder
// that goes away at the end, the local time zone held at UTC for a while, and small dives and
// logbooks built by hand.
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "core/dive_record.h"
#include "core/logbook.h"
#include "core/texts.h"

namespace kelp::test {

// The bytes of a file; empty when it cannot be read.
inline std::string readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

// A fresh folder under the system's temporary folder, removed with all it holds at the end.
// Its path is empty when the folder could not be made.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& prefix = "kelp-test") {
    std::string t = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (::mkdtemp(t.data())) m_path = t;
  }
  ~ScratchDir() {
    std::error_code ec;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return m_path; }
  std::string file(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

// Local time is UTC while this lives, so that daylight saving time cannot move a result; the
// zone set before comes back at the end.
class ScopedUtc {
 public:
  ScopedUtc() {
    const char* tz = std::getenv("TZ");
    m_had = tz != nullptr;
    if (m_had) m_old = tz;
    setenv("TZ", "UTC", 1);
    tzset();
  }
  ~ScopedUtc() {
    if (m_had)
      setenv("TZ", m_old.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }
  ScopedUtc(const ScopedUtc&) = delete;
  ScopedUtc& operator=(const ScopedUtc&) = delete;

 private:
  bool m_had = false;
  std::string m_old;
};

// A dive on the given day at `minuteOfDay` at `site`; the rest as makeRecord() leaves it.
inline DiveRecord diveOn(int day, int month, int year, int minuteOfDay, const std::string& site = "") {
  DiveRecord r = makeRecord();
  r.date = dayNumber(day, month, year);
  r.timeOfDay = static_cast<int16_t>(minuteOfDay);
  setText(r.site, site);
  return r;
}

// A logbook fresh from newLogbook() holding `dives` as they are (numbers included).
inline Logbook newLogbookWith(std::vector<DiveRecord> dives) {
  Logbook lb;
  lb.newLogbook();
  lb.assignDives(std::move(dives));
  return lb;
}

}  // namespace kelp::test
