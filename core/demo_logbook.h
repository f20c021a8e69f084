#pragma once
// A generated logbook for demonstrations, screenshots and benchmarks: realistic
// dives at lakes and coasts over several years, most of them with dive computer
// profiles in the raw encoding, some with hand-made profiles, some without.
// The same (dives, seed) always gives the same logbook, byte for byte.
#include <array>
#include <cstdint>
#include <vector>

#include "core/dive_record.h"
#include "core/logbook.h"

namespace kelp {

// A new, unsaved logbook ("Senzanome.log") holding `dives` dives numbered from 1,
// with totals and suggestion lists built and the last dive current.
// `dives` is clamped to 0 .. MAX_DIVES.
Logbook makeDemoLogbook(int dives, unsigned seed = 1);

// ---- raw profile encoding helpers ----

// Depth in metres -> 10-bit reading value (units of 10/64 m), rounded, clamped to 0..1023.
uint16_t depthCode(double metres);

// The readings of one profile, 20 s apart, as a dive computer would send them.
struct RawProfileInput {
  std::vector<double> depths;       // metres, positive
  std::vector<uint8_t> flags;       // six low bits per reading; missing entries read as 0
  std::vector<uint8_t> groupBytes;  // one per group of three readings; missing entries read as 0
  bool gasKind2 = false;            // 6-byte header and two group bytes per group
  std::array<uint8_t, 6> header{};  // per-dive header (5 bytes used unless gasKind2)
};

// Header, then groups of three 2-byte readings and the group byte(s). The readings
// are padded with zero depths to whole groups.
std::vector<uint8_t> encodeRawProfile(const RawProfileInput& in);

// Puts raw profile bytes into a record and sets profileLength = 1 + 16 + [2] + raw size.
// Returns false (record unchanged) when the bytes do not fit the raw field.
bool storeRawProfile(DiveRecord& r, const std::vector<uint8_t>& raw, bool withGasSetting);

// Writes a hand-made profile: marker header words 2927 + index, five header bytes
// 0, 0, 0, 0x40, 0x90, one group per minute for diveTime + 3 minutes (depth codes
// trunc(d x 6.4), every reading flagged 0x20, every group byte 0x20) and
// profileLength covering exactly the bytes written. `depths` are metres per 20 s
// reading (missing readings are 0). Returns false when diveTime is empty or too
// long for the raw field.
bool storeHandMadeProfile(DiveRecord& r, const std::vector<double>& depths);

}  // namespace kelp
