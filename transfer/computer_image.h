#pragma once
// Decoding of a dive computer's memory: the 2050-byte stream that the
// interface sends, cut into the computer's settings, up to 37 dives and the
// profiles kept in its profile ring.
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/dive_record.h"

namespace kelp {

// Layout of the memory (offsets into the bit-reversed stream).
inline constexpr int STREAM_SIZE = 2050;
inline constexpr int MEMORY_SIZE = 2048;
inline constexpr int RING_OFFSET = 4;
inline constexpr int RING_SIZE = 1536;
inline constexpr int LOGBOOK_OFFSET = 1540;
inline constexpr int SLOT_SIZE = 12;
inline constexpr int SLOT_COUNT = 37;
inline constexpr int SETTINGS_OFFSET = 1984;
inline constexpr int CHECKSUM_OFFSET = 2048;
inline constexpr int MAX_DOWNLOADED_RAW = 1600;

// Bit 7 becomes bit 0, bit 6 bit 1, and so on.
uint8_t reverseBits(uint8_t b);

// What the computer's settings block tells about the computer.
struct ComputerInfo {
  uint32_t serialNumber = 0;
  uint8_t modelId = 0;
  int16_t totalDives = 0;
  uint8_t alarmSound = 0;
  uint8_t imperialUnits = 0;  // 1 = the computer displays imperial units
  float maxPpO2 = 0;          // bar
  int16_t airReserve = 0;     // bar
  int16_t breathing = 0;      // percent
  float battery = 0;          // percent
};

// One dive cut out of the memory.
struct DownloadedDive {
  int32_t date = -1;
  int16_t timeOfDay = NO_VALUE;
  uint8_t altitudeClass = 0;
  int16_t surfaceInterval = NO_VALUE;
  int16_t maxDepth = NO_VALUE;           // cm
  int16_t diveTime = NO_VALUE;           // minutes
  int16_t minWaterTemperature = NO_VALUE;  // 1/100 degC
  int16_t airUsed = NO_VALUE;            // 1/100 bar
  uint16_t warningFlags = 0;
  uint32_t computerDiveId = 0;           // the slot's clock value
  uint8_t modelId = 0;
  // profile block: header byte, 8 header words, sample bytes
  int16_t profileLength = 0;             // 1 + 16 + sample bytes; 0 = no profile
  uint8_t profileHeaderByte = 0;
  uint16_t profileHeader[8] = {};
  uint8_t raw[MAX_DOWNLOADED_RAW] = {};
  int sampleBytes() const { return profileLength > 17 ? profileLength - 17 : 0; }
};

class ComputerImage {
 public:
  // Decodes a stream of at least 2050 bytes (only the first 2050 are used)
  // taken at 'now' (seconds since 1970; the dive dates are worked out back from
  // it in local time). Returns the number of dives, or -1 on a checksum error
  // or a stream shorter than 2050 bytes. The caller's bytes are not changed.
  int decode(const uint8_t* stream, size_t size, int64_t now);
  int decode(const uint8_t* stream, size_t size);  // now = the present time

  int diveCount() const { return count_; }
  // Copies dive k (0 = oldest); false and nothing copied when k is not a dive.
  bool fetch(int k, DownloadedDive& out) const;
  const DownloadedDive& dive(int k) const { return dives_.at(k); }
  uint32_t serialNumber() const;
  uint8_t modelId() const { return memory_[SETTINGS_OFFSET]; }
  void fillInfo(ComputerInfo& info) const;
  ComputerInfo info() const { ComputerInfo i; fillInfo(i); return i; }

  // Raw access for tests and tools.
  const std::array<uint8_t, MEMORY_SIZE>& memory() const { return memory_; }
  uint16_t storedChecksum() const { return storedChecksum_; }
  int profileCount() const;   // bytes 0xFF in the ring
  int writePosition() const;  // the ring's write position as stored (may be impossible)

 private:
  uint8_t setting(int offset) const { return memory_[SETTINGS_OFFSET + offset]; }
  void decodeSlot(int slot, int64_t now);
  void extractProfile(int k, DownloadedDive& d) const;

  std::array<uint8_t, MEMORY_SIZE> memory_{};
  uint16_t storedChecksum_ = 0;
  std::array<DownloadedDive, SLOT_COUNT> dives_{};
  int count_ = 0;
};

// Fills the fields of a record that a download delivers; all others stay as they are.
// The gas kind of the model (from the model table) decides whether the first two
// sample bytes are the gas value.
void convertDive(const DownloadedDive& d, DiveRecord& r);

// Local wall-clock split of a calendar time (seconds since 1970).
struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
LocalTime splitLocalTime(int64_t t);
// Inverse: the calendar time of a local date and time.
int64_t localCalendarTime(int year, int month, int day, int hour, int minute, int second);

}  // namespace kelp
