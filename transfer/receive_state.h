#pragma once
// Reception of a dive computer's memory stream, fed byte by byte with the time
// of arrival. Independent of ports and timers: the dialog feeds what the port
// delivers and calls poll() from a timer, and never blocks while a stream arrives.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelp {

class ReceiveStateMachine {
 public:
  static constexpr int BUFFER_SIZE = 3000;
  static constexpr uint8_t START_MARKER = 0x55;
  static constexpr int COMPLETE_AFTER = 2050;  // a byte arriving above this total completes
  static constexpr double MAX_PAUSE = 2.0;     // seconds without a byte while receiving
  static constexpr double SILENCE = 0.1;       // seconds without a byte: no longer active

  enum class Event { None, TransferError, Complete };

  // Checks the clock (seconds, any origin; a clock that goes back, as at
  // midnight, restarts the pause). While receiving, a pause of more than
  // 2 seconds is a transfer error: the buffer is emptied and the machine waits
  // for a new start marker.
  Event poll(double now);
  // One byte arrived at 'now'. Runs poll(now) first.
  Event feed(uint8_t byte, double now);
  Event feed(const uint8_t* bytes, size_t n, double now);

  // Port status of the last byte (0 = ready).
  void setPortStatus(uint16_t status) { portStatus_ = status; }
  uint16_t portStatus() const { return portStatus_; }

  bool active() const { return active_; }
  bool receiving() const { return receiving_; }
  bool done() const { return done_; }
  int storedCount() const { return stored_; }
  int receivedTotal() const { return total_; }
  int transferErrors() const { return errors_; }
  bool complete() const { return done_; }

  // The first 2050 stored bytes (the memory stream); valid once complete.
  std::vector<uint8_t> image() const;
  const std::array<uint8_t, BUFFER_SIZE>& buffer() const { return buffer_; }

  // Takes a saved stream as if it had been received (the replay of a dump file).
  void loadStream(const uint8_t* bytes, size_t n);

 private:
  std::array<uint8_t, BUFFER_SIZE> buffer_{};
  int stored_ = 0;
  int total_ = 0;
  bool active_ = false;
  bool receiving_ = false;
  bool done_ = false;
  bool haveClock_ = false;
  double lastByte_ = 0;
  uint16_t portStatus_ = 0;
  int errors_ = 0;
};

}  // namespace kelp
