#include "core/logbook_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "core/strings.h"

namespace kelp {
namespace {

struct Held {
  int fd = -1;
  int count = 0;
};

std::mutex& heldMutex() {
  static std::mutex m;
  return m;
}

// The lock files this process holds, by absolute path.
std::map<std::string, Held>& heldLocks() {
  static std::map<std::string, Held> m;
  return m;
}

std::string absolute(const std::string& p) {
  std::error_code ec;
  const std::filesystem::path a = std::filesystem::absolute(p, ec);
  return ec ? p : a.lexically_normal().string();
}

// The name under which this process holds the file open at `fd`, or "".
std::string heldAs(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return {};
  std::lock_guard<std::mutex> guard(heldMutex());
  for (const auto& [key, held] : heldLocks()) {
    struct stat h {};
    if (::fstat(held.fd, &h) == 0 && h.st_dev == st.st_dev && h.st_ino == st.st_ino) return key;
  }
  return {};
}

}  // namespace

int lockWaitMilliseconds() {
  const char* env = std::getenv("KELP_LOCK_WAIT_MS");
  if (env && *env) {
    char* end = nullptr;
    const long v = std::strtol(env, &end, 10);
    if (end && *end == '\0' && v >= 0 && v <= 3600000) return static_cast<int>(v);
  }
  return 10000;
}

std::string lockFilePath(const std::string& logPath) { return logPath + ".lock"; }

Result LogbookLock::acquire(const std::string& logPath, int waitMs) {
  release();
  const std::string key = absolute(lockFilePath(logPath));
  if (waitMs < 0) waitMs = lockWaitMilliseconds();
  {
    std::lock_guard<std::mutex> guard(heldMutex());
    if (auto it = heldLocks().find(key); it != heldLocks().end()) {
      ++it->second.count;
      m_key = key;
      return Result::success();
    }
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
  int fd = -1;
  for (;;) {
    fd = ::open(key.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return Result::success();  // no lock file possible: no save possible either
    // The same lock file under another name (a link in the path): this process holds it already.
    if (std::string same = heldAs(fd); !same.empty()) {
      ::close(fd);
      std::lock_guard<std::mutex> guard(heldMutex());
      if (auto it = heldLocks().find(same); it != heldLocks().end()) {
        ++it->second.count;
        m_key = same;
        return Result::success();
      }
      continue;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      // Still the file under that name? Its last holder may have removed it meanwhile.
      struct stat mine {}, named {};
      if (::fstat(fd, &mine) == 0 && ::stat(key.c_str(), &named) == 0 && mine.st_dev == named.st_dev &&
          mine.st_ino == named.st_ino)
        break;
      ::close(fd);
      continue;
    }
    const int err = errno;
    ::close(fd);
    if (err != EWOULDBLOCK && err != EINTR) return Result::success();  // no locks on this file system
    if (std::chrono::steady_clock::now() >= deadline)
      return Result::failure(strf(63150, absolute(logPath).c_str(), (waitMs + 999) / 1000));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  std::lock_guard<std::mutex> guard(heldMutex());
  heldLocks()[key] = Held{fd, 1};
  m_key = key;
  return Result::success();
}

void LogbookLock::release() {
  if (m_key.empty()) return;
  std::lock_guard<std::mutex> guard(heldMutex());
  auto& held = heldLocks();
  if (auto it = held.find(m_key); it != held.end() && --it->second.count == 0) {
    ::unlink(m_key.c_str());  // before the unlock: a waiter then finds a removed file and retries
    ::flock(it->second.fd, LOCK_UN);
    ::close(it->second.fd);
    held.erase(it);
  }
  m_key.clear();
}

}  // namespace kelp
