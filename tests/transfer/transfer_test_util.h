#pragma once
// Helpers of the transfer tests: a fixed time zone and memory images edited by hand.
#include <cstdlib>
#include <ctime>
#include <vector>

#include "core/texts.h"
#include "transfer/computer_image.h"
#include "transfer/image_writer.h"

namespace kelp::test {

// Dates of downloaded dives are local times: the tests run in UTC.
inline bool useUtc() {
  static const bool done = [] {
    setenv("TZ", "UTC", 1);
    tzset();
    return true;
  }();
  return done;
}

// 2024-06-01 12:00:00 UTC
inline constexpr int64_t kNow = 1717243200;

// Memory (not reversed) of a stream, and back with a fresh checksum.
inline std::vector<uint8_t> memoryOf(const std::vector<uint8_t>& stream) {
  std::vector<uint8_t> m(MEMORY_SIZE);
  for (int i = 0; i < MEMORY_SIZE; ++i) m[i] = reverseBits(stream[i]);
  return m;
}
inline std::vector<uint8_t> streamOf(const std::vector<uint8_t>& memory) {
  std::vector<uint8_t> s(STREAM_SIZE);
  uint16_t sum = 0;
  for (int i = 0; i < MEMORY_SIZE; ++i) {
    s[i] = reverseBits(memory[i]);
    sum = static_cast<uint16_t>(sum + memory[i]);
  }
  s[CHECKSUM_OFFSET] = reverseBits(static_cast<uint8_t>(sum & 0xFF));
  s[CHECKSUM_OFFSET + 1] = reverseBits(static_cast<uint8_t>(sum >> 8));
  return s;
}

// A dive as the computer would record it, at a given day and minute.
inline DownloadedDive sampleDive(int day, int month, int year, int minuteOfDay, int depthCm,
                                 int minutes) {
  DownloadedDive d;
  d.date = dayNumber(day, month, year);
  d.timeOfDay = static_cast<int16_t>(minuteOfDay);
  d.maxDepth = static_cast<int16_t>(depthCm);
  d.diveTime = static_cast<int16_t>(minutes);
  d.altitudeClass = 1;
  d.minWaterTemperature = 1800;
  d.airUsed = 12000;
  return d;
}

// A profile block with n sample bytes (none of them 0xFF).
inline void giveProfile(DownloadedDive& d, int n, uint8_t seed) {
  d.profileHeaderByte = seed;
  for (int i = 0; i < 8; ++i) d.profileHeader[i] = static_cast<uint16_t>(0x0100 * seed + i);
  for (int i = 0; i < n; ++i) d.raw[i] = static_cast<uint8_t>((seed + i) % 0xF0);
  d.profileLength = static_cast<int16_t>(17 + n);
}

}  // namespace kelp::test
