#include "core/backups.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "core/file_write.h"
#include "core/safe_save.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"

namespace kelp {
namespace {

namespace fs = std::filesystem;

std::string absolute(const std::string& p) {
  std::error_code ec;
  const fs::path a = fs::absolute(p, ec);
  return ec ? p : a.lexically_normal().string();
}

// The logbook's part of its backups' names: "<name>.<8 hex digits of the full path>.".
std::string backupPrefix(const std::string& logPath) {
  const std::string full = absolute(logPath);
  uint32_t h = 2166136261u;  // FNV-1a
  for (unsigned char c : full) h = (h ^ c) * 16777619u;
  return fs::path(full).stem().string() + format(".%08x.", static_cast<unsigned>(h));
}

// "20261209-151432-123" (UTC) -> seconds and milliseconds; false when it is no such moment.
bool parseMoment(const std::string& s, int64_t& seconds, int& millis) {
  if (s.size() != 19 || s[8] != '-' || s[15] != '-') return false;
  for (size_t i = 0; i < s.size(); ++i)
    if (i != 8 && i != 15 && (s[i] < '0' || s[i] > '9')) return false;
  auto num = [&](size_t at, size_t n) { return std::atoi(s.substr(at, n).c_str()); };
  std::tm t{};
  t.tm_year = num(0, 4) - 1900;
  t.tm_mon = num(4, 2) - 1;
  t.tm_mday = num(6, 2);
  t.tm_hour = num(9, 2);
  t.tm_min = num(11, 2);
  t.tm_sec = num(13, 2);
  seconds = static_cast<int64_t>(::timegm(&t));
  millis = num(16, 3);
  return true;
}

std::string momentName(int64_t seconds, int millis) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm u{};
  ::gmtime_r(&t, &u);
  return format("%04d%02d%02d-%02d%02d%02d-%03d", u.tm_year + 1900, u.tm_mon + 1, u.tm_mday, u.tm_hour, u.tm_min,
                u.tm_sec, millis);
}

// The dive count in a .log's header (bytes 6-7, little-endian), -1 when it has none.
int headerDives(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return -1;
  unsigned char h[8];
  const bool ok = std::fread(h, 1, sizeof h, f) == sizeof h;
  std::fclose(f);
  if (!ok) return -1;
  const int n = static_cast<int16_t>(h[6] | (h[7] << 8));
  return n < 0 ? -1 : n;
}

std::string addOf(const std::string& backupLog) {
  return backupLog.substr(0, backupLog.size() - 4) + ".add";
}

void removeBackup(const BackupInfo& b) {
  std::error_code ec;
  fs::remove(b.path, ec);
  fs::remove(addOf(b.path), ec);
}

}  // namespace

std::string dataDir() {
  const char* dir = std::getenv("KELP_DATA_DIR");
  if (dir && *dir) return dir;
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && *xdg) return std::string(xdg) + "/Kelp";
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/.local/share/Kelp";
}

std::string backupFolder() { return dataDir() + "/backups"; }

std::vector<BackupInfo> listBackups(const std::string& logPath) {
  std::vector<BackupInfo> out;
  const std::string prefix = backupPrefix(logPath);
  std::error_code ec;
  for (fs::directory_iterator it(backupFolder(), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() != prefix.size() + 19 + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - 4, 4, ".log") != 0)
      continue;
    BackupInfo b;
    if (!parseMoment(name.substr(prefix.size(), 19), b.savedAt, b.millis)) continue;
    b.name = name;
    b.path = it->path().string();
    b.dives = headerDives(b.path);
    std::error_code e2;
    b.hasAdd = fs::is_regular_file(addOf(b.path), e2);
    out.push_back(std::move(b));
  }
  // The moment is fixed-width: newest first by name.
  std::sort(out.begin(), out.end(), [](const BackupInfo& a, const BackupInfo& b) { return a.name > b.name; });
  return out;
}

Result backupLogbook(const std::string& logPath, const std::string& addPath) {
  std::error_code ec;
  if (!fs::is_regular_file(logPath, ec)) return Result::success();
  const std::string folder = backupFolder();
  fs::create_directories(folder, ec);
  if (!fs::is_directory(folder, ec)) return Result::failure(strf(63152, folder.c_str()));
  std::string logBytes, addBytes;
  if (!readWholeFile(logPath, logBytes)) return Result::failure(strf(63153, logPath.c_str()));
  const bool haveAdd = fs::is_regular_file(addPath, ec);
  if (haveAdd && !readWholeFile(addPath, addBytes)) return Result::failure(strf(63153, addPath.c_str()));

  // Named after the moment; a name that sorts after every backup of this logbook so far
  // (saves within one millisecond, a clock set back), so the newest is always first.
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  int64_t ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
  if (const std::vector<BackupInfo> before = listBackups(logPath); !before.empty())
    ms = std::max(ms, before.front().savedAt * 1000 + before.front().millis + 1);
  const std::string base = folder + "/" + backupPrefix(logPath);
  std::string target;
  for (;; ++ms) {
    target = base + momentName(ms / 1000, static_cast<int>(ms % 1000));
    if (!fs::exists(target + ".log", ec) && !fs::exists(target + ".add", ec)) break;
  }
  // The .add first: a backup is listed by its .log, so it is never seen half kept.
  if (haveAdd) {
    const Result r = replaceFile(target + ".add", addBytes);
    if (!r) return r;
  }
  const Result r = replaceFile(target + ".log", logBytes);
  if (!r) {
    fs::remove(target + ".add", ec);
    return r;
  }

  const std::vector<BackupInfo> all = listBackups(logPath);
  for (size_t i = KEPT_BACKUPS; i < all.size(); ++i) removeBackup(all[i]);
  return Result::success();
}

std::string findBackup(const std::string& logPath, const std::string& which) {
  if (which.empty()) return {};
  const std::vector<BackupInfo> all = listBackups(logPath);
  for (const BackupInfo& b : all)
    if (b.name == which || b.path == which) return b.path;
  if (which.find_first_not_of("0123456789") == std::string::npos && which.size() < 4) {
    const size_t n = static_cast<size_t>(std::atoi(which.c_str()));
    if (n >= 1 && n <= all.size()) return all[n - 1].path;
    return {};
  }
  std::error_code ec;
  if (which.size() > 4 && which.compare(which.size() - 4, 4, ".log") == 0 && fs::is_regular_file(which, ec))
    return which;
  return {};
}

Result restoreBackup(const std::string& logPath, const std::string& backupLog) {
  const std::string full = absolute(logPath);
  std::string logBytes, addBytes;
  std::error_code ec;
  if (backupLog.empty() || !fs::is_regular_file(backupLog, ec) || !readWholeFile(backupLog, logBytes))
    return Result::failure(strf(63154, backupLog.c_str()));
  const std::string backupAdd = addOf(backupLog);
  const bool haveAdd = fs::is_regular_file(backupAdd, ec) && readWholeFile(backupAdd, addBytes);

  // Read it whole before anything is replaced; the last-logbook setting stays untouched.
  const std::string lastLogbook = settings().lastLogbookPath;
  Logbook check;
  const Result readable = check.loadFromBytes(full, logBytes, haveAdd ? &addBytes : nullptr);
  settings().lastLogbookPath = lastLogbook;
  if (!readable) return Result::failure(strf(63155, backupLog.c_str(), readable.error.c_str()));
  if (!haveAdd) addBytes = check.serializeAdd();  // a logbook kept without .add: empty extensions

  Logbook names;
  names.formCompanionNames(full);
  return writeLogbookPair(full, names.addPath, logBytes, addBytes);
}

std::string backupTimeText(const BackupInfo& b) {
  const std::time_t t = static_cast<std::time_t>(b.savedAt);
  std::tm l{};
  ::localtime_r(&t, &l);
  return format("%04d-%02d-%02d %02d:%02d:%02d", l.tm_year + 1900, l.tm_mon + 1, l.tm_mday, l.tm_hour, l.tm_min,
                l.tm_sec);
}

}  // namespace kelp
