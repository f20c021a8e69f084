#include "transfer/receive_state.h"

#include <algorithm>
#include <cstring>

namespace kelp {

ReceiveStateMachine::Event ReceiveStateMachine::poll(double now) {
  if (done_) return Event::None;
  if (!haveClock_ || now < lastByte_) {
    lastByte_ = now;
    haveClock_ = true;
  }
  const double pause = now - lastByte_;
  if (pause > MAX_PAUSE) active_ = false;
  // Without a stream in progress, a short silence already ends "connected".
  if (!receiving_ && pause > SILENCE) active_ = false;
  if (receiving_ && !active_) {
    receiving_ = false;
    total_ = 0;
    stored_ = 0;
    ++errors_;
    return Event::TransferError;
  }
  return Event::None;
}

ReceiveStateMachine::Event ReceiveStateMachine::feed(uint8_t byte, double now) {
  if (done_) return Event::None;
  const Event e = poll(now);
  lastByte_ = now;
  haveClock_ = true;
  if (total_ > COMPLETE_AFTER) {
    done_ = true;
    receiving_ = false;
    return Event::Complete;
  }
  if (receiving_ || byte != 0) active_ = true;
  if (byte == START_MARKER) receiving_ = true;
  if (receiving_) {
    if (stored_ < BUFFER_SIZE) buffer_[stored_++] = byte;
    ++total_;
  }
  return e;
}

ReceiveStateMachine::Event ReceiveStateMachine::feed(const uint8_t* bytes, size_t n, double now) {
  Event result = Event::None;
  for (size_t i = 0; i < n; ++i) {
    const Event e = feed(bytes[i], now);
    if (e != Event::None) result = e;
    if (e == Event::Complete) break;
  }
  return result;
}

std::vector<uint8_t> ReceiveStateMachine::image() const {
  const int n = std::min(stored_, COMPLETE_AFTER);
  return std::vector<uint8_t>(buffer_.begin(), buffer_.begin() + n);
}

void ReceiveStateMachine::loadStream(const uint8_t* bytes, size_t n) {
  buffer_.fill(0);
  const size_t take = std::min<size_t>(n, COMPLETE_AFTER);
  if (take) std::memcpy(buffer_.data(), bytes, take);
  stored_ = static_cast<int>(take);
  total_ = stored_;
  receiving_ = false;
  done_ = true;
}

}  // namespace kelp
