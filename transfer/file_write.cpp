#include "transfer/file_write.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

#include "core/texts.h"

namespace kelp {

Result replaceFile(const std::string& path, const std::string& bytes) {
  const Result failed = Result::failure(format("Impossibile scrivere il file %s", path.c_str()));
  std::string name = path + ".XXXXXX";
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return failed;
  bool ok = true;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (w < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    done += static_cast<size_t>(w);
  }
  if (ok && ::fsync(fd) != 0) ok = false;
  if (::close(fd) != 0) ok = false;
  // A replaced file keeps its permissions; a new one gets the usual ones.
  struct stat st {};
  const mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0666 & ~[] {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
  }();
  if (ok) ::chmod(name.c_str(), mode);
  if (ok && std::rename(name.c_str(), path.c_str()) != 0) ok = false;
  if (!ok) {
    ::unlink(name.c_str());
    return failed;
  }
  return Result::success();
}

bool readWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace kelp
