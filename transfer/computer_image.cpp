#include "transfer/computer_image.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>

#include "core/computer_models.h"
#include "core/texts.h"

namespace kelp {

uint8_t reverseBits(uint8_t b) {
  uint8_t r = 0;
  for (int i = 0; i < 8; ++i)
    if (b & (1u << i)) r |= static_cast<uint8_t>(0x80u >> i);
  return r;
}

LocalTime splitLocalTime(int64_t t) {
  std::time_t tt = static_cast<std::time_t>(t);
  std::tm tm{};
  localtime_r(&tt, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

int64_t localCalendarTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  tm.tm_isdst = -1;
  return static_cast<int64_t>(std::mktime(&tm));
}

namespace {

int bcd(uint8_t b) { return (b >> 4) * 10 + (b & 0x0F); }

uint32_t be32(const uint8_t* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

}  // namespace

int ComputerImage::decode(const uint8_t* stream, size_t size) {
  return decode(stream, size, static_cast<int64_t>(std::time(nullptr)));
}

int ComputerImage::decode(const uint8_t* stream, size_t size, int64_t now) {
  count_ = 0;
  dives_.fill(DownloadedDive{});
  memory_.fill(0);
  storedChecksum_ = 0;
  if (!stream || size < static_cast<size_t>(STREAM_SIZE)) return -1;

  uint16_t sum = 0;
  for (int i = 0; i < MEMORY_SIZE; ++i) {
    memory_[i] = reverseBits(stream[i]);
    sum = static_cast<uint16_t>(sum + memory_[i]);
  }
  storedChecksum_ = static_cast<uint16_t>(reverseBits(stream[CHECKSUM_OFFSET]) |
                                          (reverseBits(stream[CHECKSUM_OFFSET + 1]) << 8));
  if (storedChecksum_ != 0 && storedChecksum_ != sum) {
    memory_.fill(0);
    return -1;
  }

  // Only the last min(T, 37) logbook positions hold dives; position 0 is the oldest.
  const int total = static_cast<int16_t>((setting(54) << 8) | setting(55));
  const int first = total >= SLOT_COUNT ? 0 : SLOT_COUNT - std::max(total, 0);
  // An oldest-slot index beyond 36 never comes from these computers; the modulo
  // keeps such an image inside the logbook area.
  const int oldest = setting(56) % SLOT_COUNT;
  for (int j = first; j < SLOT_COUNT; ++j) decodeSlot((oldest + j) % SLOT_COUNT, now);

  // The newest P dives get the P profiles, oldest profile to the oldest of them.
  const int profiles = profileCount();
  for (int k = 0; k < profiles; ++k) {
    const int index = std::max(count_ - profiles, 0) + k;
    if (index >= count_) break;
    extractProfile(k, dives_[index]);
  }
  return count_;
}

void ComputerImage::decodeSlot(int slot, int64_t now) {
  const uint8_t* s = &memory_[LOGBOOK_OFFSET + SLOT_SIZE * slot];
  DownloadedDive d;
  const uint8_t flags = s[0];
  const uint8_t model = setting(0);
  d.modelId = model;
  d.computerDiveId = be32(s + 7);

  int air;
  if ((model & 0x0F) == 12)
    air = static_cast<int>(s[6] * 1.376344086 * 100);
  else
    air = s[6] * 100;
  // High pressure bytes of the pressure-unit models would not fit the field.
  d.airUsed = static_cast<int16_t>(air == 0 ? NO_VALUE : std::min(air, NO_VALUE - 1));

  d.diveTime = static_cast<int16_t>(bcd(s[1]) + ((flags & 0x04) ? 100 : 0));
  if (flags & 0x02) d.surfaceInterval = static_cast<int16_t>(bcd(s[4]) * 60 + bcd(s[5]));
  d.warningFlags = flags & 0x39;
  d.altitudeClass = static_cast<uint8_t>(((flags >> 6) & 3) + 1);

  const uint32_t computerClock = be32(&memory_[SETTINGS_OFFSET + 60]);
  const int32_t behind = static_cast<int32_t>(computerClock - d.computerDiveId);
  // A second above 30 rounds the time of day up by a minute. Splitting the
  // instant 29 seconds later does exactly that, and carries 23:59:31 and later
  // into 00:00 of the next day instead of a time of day of 24:00.
  const LocalTime lt = splitLocalTime(now - behind / 2 + 29);
  d.timeOfDay = static_cast<int16_t>(lt.hour * 60 + lt.minute);
  d.date = dayNumber(lt.day, lt.month, lt.year);

  // Quarter degrees, signed: under ice the sea is below 0 degC (0xF8 is -2.00 degC).
  d.minWaterTemperature = static_cast<int16_t>(static_cast<int8_t>(s[11]) * 25);
  const int rawDepth = (s[2] << 8) | s[3];
  d.maxDepth = static_cast<int16_t>(std::floor(rawDepth * 0.24414061 + 0.5));

  if (d.maxDepth != 0 && d.diveTime != 0 && d.computerDiveId != 0) dives_[count_++] = d;
}

int ComputerImage::profileCount() const {
  return static_cast<int>(std::count(memory_.begin() + RING_OFFSET,
                                     memory_.begin() + RING_OFFSET + RING_SIZE, 0xFF));
}

int ComputerImage::writePosition() const {
  return setting(58) + ((setting(59) >> 1) & 7) * 256;
}

void ComputerImage::extractProfile(int k, DownloadedDive& d) const {
  const uint8_t* ring = &memory_[RING_OFFSET];
  // A write position of 1536 or more does not come from these computers; it is
  // folded into the ring so that only ring bytes are ever read.
  const int w = writePosition() % RING_SIZE;
  int pos = -1;
  int counter = -1;
  for (int i = 0; i < RING_SIZE; ++i) {
    const int p = (w + i) % RING_SIZE;
    if (ring[p] == 0xFF && ++counter == k) {
      pos = (p + 1) % RING_SIZE;
      break;
    }
  }
  if (pos < 0) return;
  auto next = [&]() {
    const uint8_t b = ring[pos];
    pos = (pos + 1) % RING_SIZE;
    return b;
  };
  d.profileHeaderByte = next();
  for (auto& word : d.profileHeader) {
    const uint8_t lo = next();
    word = static_cast<uint16_t>(lo | (next() << 8));
  }
  int n = 0;
  for (int guard = 0; guard < RING_SIZE && n < MAX_DOWNLOADED_RAW; ++guard) {
    const uint8_t b = next();
    if (b == 0xFF || pos == w) break;
    d.raw[n++] = b;
  }
  d.profileLength = static_cast<int16_t>(17 + n);
}

bool ComputerImage::fetch(int k, DownloadedDive& out) const {
  if (k < 0 || k >= SLOT_COUNT || k >= count_) return false;
  out = dives_[k];
  return true;
}

uint32_t ComputerImage::serialNumber() const {
  return (uint32_t(setting(49)) << 16) | (uint32_t(setting(50)) << 8) | setting(51);
}

void ComputerImage::fillInfo(ComputerInfo& info) const {
  info.serialNumber = serialNumber();
  info.modelId = setting(0);
  info.totalDives = static_cast<int16_t>((setting(54) << 8) | setting(55));
  info.alarmSound = (setting(22) >> 1) & 1;
  info.imperialUnits = setting(22) & 1;
  info.maxPpO2 = static_cast<float>(setting(23) * 0.05 + 1.2);
  info.airReserve = setting(34);
  info.breathing = setting(47);
  info.battery = static_cast<float>(static_cast<int16_t>(setting(52) * 39.0625) * 0.01);
}

void convertDive(const DownloadedDive& d, DiveRecord& r) {
  r.date = d.date;
  r.timeOfDay = d.timeOfDay;
  r.surfaceInterval = d.surfaceInterval;
  r.diveTime = d.diveTime;
  r.airConsumed = d.airUsed;
  r.warningFlags = d.warningFlags;
  r.computerDiveId = d.computerDiveId;
  r.computerType = d.modelId;
  r.altitudeClass = d.altitudeClass;
  r.minWaterTemperature = d.minWaterTemperature;
  r.maxDepth = d.maxDepth;
  if (d.airUsed == NO_VALUE) r.computerFlags |= 1;

  r.profileLength = d.profileLength;
  if (d.profileLength == 0) return;
  r.profileHeaderByte = d.profileHeaderByte;
  std::memcpy(r.profileHeader, d.profileHeader, sizeof r.profileHeader);
  const auto& models = computerModels();
  const bool gasModel = models.nitroxModel(d.modelId) || models.o2Model(d.modelId);
  const int available = std::min(d.sampleBytes(), MAX_DOWNLOADED_RAW);
  if (gasModel) {
    r.gasSetting = static_cast<uint16_t>((available > 0 ? d.raw[0] : 0) |
                                         ((available > 1 ? d.raw[1] : 0) << 8));
    const int n = std::clamp(available - 2, 0, RAW_PROFILE_SIZE);
    std::memcpy(r.rawProfile, d.raw + std::min(available, 2), n);
  } else {
    std::memcpy(r.rawProfile, d.raw, std::min(available, RAW_PROFILE_SIZE));
  }
}

}  // namespace kelp
