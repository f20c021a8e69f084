#pragma once
// A dive computer interface played into a serial device: the memory image as the
// interface sends it, at its pace (19200 baud, 8 data bits, no parity, 1 stop bit,
// so ten bit times a byte), optionally after noise bytes, with a pause in the
// middle or stopping early. Plain POSIX, for kelp-cli and the tests.
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "core/logbook.h"

namespace kelp {

struct SimulatorOptions {
  int noise = 0;       // bytes before the start marker (never the marker itself)
  int pauseMs = 0;     // pause after the first half of the stream
  int truncate = -1;   // bytes of the stream to send (noise not counted); -1 all
  int delayMs = 500;   // wait once the reader is there, before the first byte
  int baud = 19200;    // pace
  unsigned seed = 1;   // of the noise
};

// The image must hold the 2050 stream bytes, starting with the marker 0x55.
Result checkSimulatorImage(const std::vector<uint8_t>& image);

// What the interface sends: the noise, then the 2050 image bytes and the two bytes
// after them (the reader takes a stream as complete with the 2052nd byte), cut
// after 'truncate' stream bytes. 'pauseAt' gets the index after which the pause
// falls (-1 without one).
std::vector<uint8_t> simulatedBytes(const std::vector<uint8_t>& image, const SimulatorOptions& o,
                                    int* pauseAt = nullptr);

// Raw line, 8N1, at the given speed (a pseudo-terminal takes it too).
Result setRawLine(int fd, int baud);

// The device end of a pseudo-terminal pair; this end (master) stays here.
struct PseudoTerminal {
  int master = -1;
  std::string devicePath;
  ~PseudoTerminal();
};
Result openPseudoTerminal(PseudoTerminal& pty);
// Waits until a program has opened the device end (true), or the time ran out or
// 'stop' was set (false). waitForReaderToLeave waits for it to close it again.
bool waitForReader(int masterFd, int timeoutMs, const std::atomic<bool>* stop = nullptr);
bool waitForReaderToLeave(int masterFd, int timeoutMs, const std::atomic<bool>* stop = nullptr);

// Writes the bytes at the pace of o.baud after o.delayMs, pausing after byte
// 'pauseAt' for o.pauseMs. Stops early (failure) when 'stop' is set.
Result playBytes(int fd, const std::vector<uint8_t>& bytes, int pauseAt, const SimulatorOptions& o,
                 const std::atomic<bool>* stop = nullptr);

}  // namespace kelp
