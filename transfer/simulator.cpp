#include "transfer/simulator.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <random>
#include <termios.h>
#include <thread>
#include <unistd.h>

#include "core/texts.h"
#include "transfer/computer_image.h"

namespace kelp {
namespace {

using Clock = std::chrono::steady_clock;

speed_t speedOf(int baud) {
  switch (baud) {
    case 9600: return B9600;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    default: return B19200;
  }
}

bool stopped(const std::atomic<bool>* stop) { return stop && stop->load(); }

// POLLHUP on the master end means that no program holds the device end open.
bool readerPresent(int masterFd) {
  pollfd p{masterFd, 0, 0};
  if (::poll(&p, 1, 0) < 0) return false;
  return (p.revents & POLLHUP) == 0;
}

bool waitFor(int masterFd, bool present, int timeoutMs, const std::atomic<bool>* stop) {
  const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!stopped(stop)) {
    if (readerPresent(masterFd) == present) return true;
    if (timeoutMs >= 0 && Clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return false;
}

}  // namespace

Result checkSimulatorImage(const std::vector<uint8_t>& image) {
  if (image.size() < static_cast<size_t>(STREAM_SIZE))
    return Result::failure(format("the image holds %zu bytes, a memory image holds %d", image.size(),
                                  STREAM_SIZE));
  if (image[0] != 0x55) return Result::failure("the image does not start with the marker 0x55");
  return Result::success();
}

std::vector<uint8_t> simulatedBytes(const std::vector<uint8_t>& image, const SimulatorOptions& o,
                                    int* pauseAt) {
  std::vector<uint8_t> out;
  std::mt19937 rng(o.seed);
  for (int i = 0; i < o.noise; ++i) {
    uint8_t b = static_cast<uint8_t>(rng() & 0xFF);
    if (b == 0x55) b = 0x54;
    out.push_back(b);
  }
  std::vector<uint8_t> stream(image.begin(), image.begin() + std::min<size_t>(image.size(), STREAM_SIZE));
  stream.push_back(0x00);
  stream.push_back(0x00);
  if (o.truncate >= 0 && static_cast<size_t>(o.truncate) < stream.size()) stream.resize(o.truncate);
  const int streamStart = static_cast<int>(out.size());
  out.insert(out.end(), stream.begin(), stream.end());
  if (pauseAt) {
    const int half = streamStart + (STREAM_SIZE + 2) / 2;
    *pauseAt = (o.pauseMs > 0 && half < static_cast<int>(out.size())) ? half : -1;
  }
  return out;
}

Result setRawLine(int fd, int baud) {
  termios t{};
  if (::tcgetattr(fd, &t) != 0) return Result::failure(std::string("tcgetattr: ") + std::strerror(errno));
  ::cfmakeraw(&t);
  t.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CSIZE);
  t.c_cflag |= CS8 | CLOCAL | CREAD;
  ::cfsetispeed(&t, speedOf(baud));
  ::cfsetospeed(&t, speedOf(baud));
  if (::tcsetattr(fd, TCSANOW, &t) != 0)
    return Result::failure(std::string("tcsetattr: ") + std::strerror(errno));
  return Result::success();
}

PseudoTerminal::~PseudoTerminal() {
  if (master >= 0) ::close(master);
}

Result openPseudoTerminal(PseudoTerminal& pty) {
  const int m = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (m < 0) return Result::failure(std::string("posix_openpt: ") + std::strerror(errno));
  if (::grantpt(m) != 0 || ::unlockpt(m) != 0) {
    ::close(m);
    return Result::failure(std::string("pseudo-terminal: ") + std::strerror(errno));
  }
  char name[128] = {};
  if (::ptsname_r(m, name, sizeof name) != 0) {
    ::close(m);
    return Result::failure(std::string("ptsname: ") + std::strerror(errno));
  }
  // A raw line from the start: no echo, no line editing, no CR/LF translation of
  // the image's bytes before the program sets the line itself. The device end is
  // opened once for that and closed again, so that a reader can be told apart.
  const int s = ::open(name, O_RDWR | O_NOCTTY);
  if (s < 0) {
    ::close(m);
    return Result::failure(std::string(name) + ": " + std::strerror(errno));
  }
  Result raw = setRawLine(s, 19200);
  ::close(s);
  if (!raw) {
    ::close(m);
    return raw;
  }
  pty.master = m;
  pty.devicePath = name;
  return Result::success();
}

bool waitForReader(int masterFd, int timeoutMs, const std::atomic<bool>* stop) {
  return waitFor(masterFd, true, timeoutMs, stop);
}

bool waitForReaderToLeave(int masterFd, int timeoutMs, const std::atomic<bool>* stop) {
  return waitFor(masterFd, false, timeoutMs, stop);
}

Result playBytes(int fd, const std::vector<uint8_t>& bytes, int pauseAt, const SimulatorOptions& o,
                 const std::atomic<bool>* stop) {
  const auto sleepMs = [stop](int ms) {
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    while (!stopped(stop) && Clock::now() < end) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  };
  sleepMs(o.delayMs);
  // Ten bit times a byte; bytes go out in small batches on a schedule, so the pace
  // holds however coarse the sleeps are.
  const double byteSeconds = 10.0 / (o.baud > 0 ? o.baud : 19200);
  auto start = Clock::now();
  size_t sent = 0;
  size_t timeBase = 0;  // the index the schedule counts from
  while (sent < bytes.size()) {
    if (stopped(stop)) return Result::failure("stopped");
    if (pauseAt >= 0 && sent == static_cast<size_t>(pauseAt)) {
      sleepMs(o.pauseMs);
      pauseAt = -1;
      start = Clock::now();
      timeBase = sent;
    }
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    size_t due = timeBase + static_cast<size_t>(elapsed / byteSeconds) + 1;
    if (due > bytes.size()) due = bytes.size();
    if (pauseAt >= 0 && due > static_cast<size_t>(pauseAt)) due = static_cast<size_t>(pauseAt);
    if (due > sent) {
      const ssize_t w = ::write(fd, bytes.data() + sent, due - sent);
      if (w < 0) {
        if (errno == EINTR || errno == EAGAIN) continue;
        return Result::failure(std::string("write: ") + std::strerror(errno));
      }
      sent += static_cast<size_t>(w);
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
  ::tcdrain(fd);
  return Result::success();
}

}  // namespace kelp
