#pragma once
// Builds a dive computer memory stream, as the interface sends it (bit-reversed,
// with checksum), from a computer's settings and a list of dives. Decoding the
// stream at the same 'now' gives the dives back. Used by tests and demos.
#include <cstdint>
#include <string>
#include <vector>

#include "core/dive_record.h"
#include "transfer/computer_image.h"

namespace kelp {

struct ImageSettings {
  uint8_t modelId = 52;
  uint32_t serialNumber = 0;       // 24 bits are kept
  bool imperialUnits = false;
  bool alarmSound = true;
  uint8_t ppO2Byte = 0;            // max ppO2 = value * 0.05 + 1.2 bar
  uint8_t airReserve = 0;          // bar
  uint8_t breathing = 0;           // percent
  uint8_t batteryByte = 255;       // 255 = 99.6 %
  int totalDives = -1;             // -1: the number of dives written
  int oldestSlot = 0;              // 0..36
  int writePosition = 0;           // 0..1535, where the ring's next byte would go
  uint32_t computerClock = 0x40000000;  // half seconds
  bool zeroChecksum = false;       // store 0 (accepted without a check)
};

struct ImageResult {
  std::vector<uint8_t> stream;  // 2050 bytes; empty when the input cannot be written
  std::string error;
  int divesWritten = 0;
  int profilesWritten = 0;
};

// Writes at most the newest 37 dives (oldest first in 'dives'). A dive needs a
// date, a time of day, a maximum depth and a dive time (at most 199 minutes).
// Profiles go into the ring for the newest dives that all have one, as many as
// fit; bytes 0xFF inside a profile (the ring's end marker) are written as 0xFE.
ImageResult writeImage(const ImageSettings& settings, const std::vector<DownloadedDive>& dives,
                       int64_t now);

// The dive a record would give when written to an image of the given model
// (the gas value goes back in front of the samples for gas models). A profile
// recorded by an O2 model only goes into an image of an O2 model, and the
// other way round: the sample encoding differs.
DownloadedDive downloadedFromRecord(const DiveRecord& r, uint8_t modelId);

// The model an image of these dives is best written for: the computer of the
// newest dive that came from a downloadable model, else 'fallback'.
uint8_t imageModelFor(const std::vector<DiveRecord>& dives, uint8_t fallback);

}  // namespace kelp
