#include "core/file_write.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/texts.h"
#include "core/strings.h"

namespace kelp {
namespace {

// Permissions for a file that replaces `target`: those of the file it replaces, else what a
// newly created file gets under the current umask.
mode_t modeFor(const std::string& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Creates the temporary file, lets `write` fill it, syncs and closes it; its path or "".
std::string temporaryWith(const std::string& target, const std::function<bool(int)>& write) {
  const std::string tmpl = target + ".XXXXXX";
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return {};
  const std::string tmp(name.data());
  bool ok = write(fd);
  if (ok && ::fsync(fd) != 0) ok = false;
  if (::close(fd) != 0) ok = false;
  if (ok && ::chmod(tmp.c_str(), modeFor(target)) != 0) ok = false;
  if (!ok) {
    ::unlink(tmp.c_str());
    return {};
  }
  return tmp;
}

}  // namespace

bool writeAll(int fd, const char* bytes, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t w = ::write(fd, bytes + done, size - done);
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(w);
  }
  return true;
}

std::string writeTemporaryFile(const std::string& target, const std::string& bytes) {
  return temporaryWith(target, [&](int fd) { return writeAll(fd, bytes.data(), bytes.size()); });
}

Result replaceFileWith(const std::string& path, const std::function<bool(int fd)>& write) {
  const Result failed = Result::failure(strf(63408, path.c_str()));
  if (path.empty()) return failed;
  const std::string tmp = temporaryWith(path, write);
  if (tmp.empty()) return failed;
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    ::unlink(tmp.c_str());
    return failed;
  }
  return Result::success();
}

Result replaceFile(const std::string& path, const std::string& bytes) {
  return replaceFileWith(path, [&](int fd) { return writeAll(fd, bytes.data(), bytes.size()); });
}

bool readWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace kelp
