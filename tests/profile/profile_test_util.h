#pragma once
// Dives with raw profiles built byte by byte in the layout of a model, for the
// split, merge and hand-made profile tests, and the colours the profile window is drawn in.
#include <cstring>
#include <string>
#include <vector>

#include "core/dive_record.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "profile/profile_layout.h"

namespace testutil {

// Model ids of the built-in table, one of each layout.
inline constexpr uint8_t kAirModel = 30;     // Aladin Sport: 5-byte header, 7-byte groups
inline constexpr uint8_t kNitroxModel = 244; // two gas bytes in the profile block
inline constexpr uint8_t kO2Model = 164;     // 6-byte header, 8-byte groups, two gas bytes
inline constexpr uint8_t kOtherAirModel = 31;

// Raw reading code of a depth in whole 10/64 m units.
inline uint16_t units(double metres) { return static_cast<uint16_t>(metres / 0.15625 + 0.5); }

// A dive of `model` whose readings are the given depths (metres, one per 20 s), padded with
// zero readings to whole groups; the group bytes are `groupByte`, the header bytes 1..6.
inline kelp::DiveRecord diveWithReadings(uint8_t model, const std::vector<double>& depths,
                                         uint8_t groupByte = 0x00, int number = 1) {
  const kelp::ProfileLayout l = kelp::profileLayout(model);
  kelp::DiveRecord r = kelp::makeRecord();
  r.computerType = model;
  r.diveNumber = static_cast<uint16_t>(number);
  r.date = 150000;
  r.timeOfDay = 600;
  r.diveTime = static_cast<int16_t>((depths.size() + 2) / 3);
  r.maxDepth = 1000;
  r.surfaceInterval = 60;
  r.gasSetting = l.gasBytes ? 0x1234 : 0;
  for (int i = 0; i < 8; ++i) r.profileHeader[i] = static_cast<uint16_t>(0x0101 * (i + 1));  // a computer's header
  std::vector<uint8_t> raw;
  for (int i = 0; i < l.header; ++i) raw.push_back(static_cast<uint8_t>(i + 1));
  const size_t groups = (depths.size() + 2) / 3;
  for (size_t g = 0; g < groups; ++g) {
    for (size_t k = 0; k < 3; ++k) {
      const size_t i = g * 3 + k;
      const uint16_t v = i < depths.size() ? units(depths[i]) : 0;
      raw.push_back(static_cast<uint8_t>(v >> 2));
      raw.push_back(static_cast<uint8_t>((v & 3) << 6));
    }
    raw.push_back(groupByte);
    if (l.group == 8) raw.push_back(0);
  }
  std::memcpy(r.rawProfile, raw.data(), raw.size());
  r.profileLength = static_cast<int16_t>(l.blockBytes() + raw.size());
  kelp::expandWithModel(r);
  return r;
}

// `minutes` minutes at a constant depth (three readings a minute).
inline std::vector<double> minutesAt(int minutes, double depth) {
  return std::vector<double>(static_cast<size_t>(minutes) * 3, depth);
}

inline std::vector<double> operator+(std::vector<double> a, const std::vector<double>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline std::string rawBytes(const kelp::DiveRecord& r, int from, int to) {
  return std::string(reinterpret_cast<const char*>(r.rawProfile) + from,
                     reinterpret_cast<const char*>(r.rawProfile) + to);
}

// The logbook's file bytes: what "nothing changed" is compared with.
inline std::string snapshot(const kelp::Logbook& lb) { return lb.serializeLog() + lb.serializeAdd(); }

// Profile colours far apart from each other, so that a pixel of the profile window tells
// what was drawn there.
inline kelp::ProfileColors windowTestColors() {
  using kelp::rgb;
  return {rgb(0, 0, 160), rgb(0, 140, 0),     rgb(255, 255, 255), rgb(200, 0, 200),
          rgb(0, 0, 0),   rgb(120, 120, 120), rgb(255, 0, 0),     rgb(255, 160, 0)};
}

}  // namespace testutil
