#include "core/file_write.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
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
std::string temporaryWith(const std::string& target, const std::function<bool(int)>& write,
                          const std::string& tag = "") {
  const std::string tmpl = target + "." + tag + "XXXXXX";
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

std::string writeTemporaryFile(const std::string& target, const std::string& bytes,
                               const std::string& tag) {
  return temporaryWith(target, [&](int fd) { return writeAll(fd, bytes.data(), bytes.size()); }, tag);
}

bool syncFolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
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
  // The new file is whole on disk; a folder that cannot be synced (some file systems refuse)
  // leaves the rename to the kernel's own flush, as before.
  syncFolderOf(path);
  return Result::success();
}

Result replaceFile(const std::string& path, const std::string& bytes) {
  return replaceFileWith(path, [&](int fd) { return writeAll(fd, bytes.data(), bytes.size()); });
}

bool readWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  // In one read when the size is known (a regular file), else piece by piece.
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0 && in) {
    bytes.resize(static_cast<size_t>(size));
    in.read(bytes.data(), size);
    bytes.resize(static_cast<size_t>(in.gcount()));
    // Anything written after the size was taken; a file that got shorter meanwhile is read as
    // far as it goes.
    if (in.gcount() == size) bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
  }
  in.clear();
  in.seekg(0, std::ios::beg);
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace kelp
