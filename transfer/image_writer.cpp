#include "transfer/image_writer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/computer_models.h"
#include "core/texts.h"

namespace kelp {

namespace {

uint8_t toBcd(int v) { return static_cast<uint8_t>(((v / 10) % 10) << 4 | (v % 10)); }

void putBe32(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v >> 24);
  p[1] = static_cast<uint8_t>(v >> 16);
  p[2] = static_cast<uint8_t>(v >> 8);
  p[3] = static_cast<uint8_t>(v);
}

std::vector<uint8_t> profileBytes(const DownloadedDive& d) {
  std::vector<uint8_t> out;
  out.push_back(d.profileHeaderByte);
  for (uint16_t w : d.profileHeader) {
    out.push_back(static_cast<uint8_t>(w & 0xFF));
    out.push_back(static_cast<uint8_t>(w >> 8));
  }
  out.insert(out.end(), d.raw, d.raw + std::min(d.sampleBytes(), MAX_DOWNLOADED_RAW));
  for (auto& b : out)
    if (b == 0xFF) b = 0xFE;
  return out;
}

}  // namespace

ImageResult writeImage(const ImageSettings& st, const std::vector<DownloadedDive>& all,
                       int64_t now) {
  ImageResult res;
  std::vector<DownloadedDive> dives(
      all.begin() + static_cast<long>(all.size() > SLOT_COUNT ? all.size() - SLOT_COUNT : 0),
      all.end());
  const int count = static_cast<int>(dives.size());
  const int total = st.totalDives < 0 ? count : st.totalDives;
  if (total < count) {
    res.error = "the total number of dives is below the number of dives written";
    return res;
  }
  if (st.oldestSlot < 0 || st.oldestSlot >= SLOT_COUNT || st.writePosition < 0 ||
      st.writePosition >= RING_SIZE) {
    res.error = "oldest slot or ring write position out of range";
    return res;
  }

  std::vector<uint8_t> mem(MEMORY_SIZE, 0);
  // The interface's header: the stream starts with 0x55 0x55 0x55 0x00 (bit-reversed here).
  mem[0] = mem[1] = mem[2] = 0xAA;
  mem[3] = 0x00;
  uint8_t* set = &mem[SETTINGS_OFFSET];
  set[0] = st.modelId;
  set[22] = static_cast<uint8_t>((st.imperialUnits ? 1 : 0) | (st.alarmSound ? 2 : 0));
  set[23] = st.ppO2Byte;
  set[34] = st.airReserve;
  set[47] = st.breathing;
  set[49] = static_cast<uint8_t>(st.serialNumber >> 16);
  set[50] = static_cast<uint8_t>(st.serialNumber >> 8);
  set[51] = static_cast<uint8_t>(st.serialNumber);
  set[52] = st.batteryByte;
  set[54] = static_cast<uint8_t>((total >> 8) & 0xFF);
  set[55] = static_cast<uint8_t>(total & 0xFF);
  set[56] = static_cast<uint8_t>(st.oldestSlot);
  set[58] = static_cast<uint8_t>(st.writePosition & 0xFF);
  set[59] = static_cast<uint8_t>(((st.writePosition >> 8) & 7) << 1);
  putBe32(set + 60, st.computerClock);

  // Logbook slots: dive i stands at position 37 - count + i.
  for (int i = 0; i < count; ++i) {
    const DownloadedDive& d = dives[i];
    if (d.date < 0 || d.timeOfDay == NO_VALUE || d.timeOfDay < 0 || d.maxDepth == NO_VALUE ||
        d.maxDepth <= 0 || d.diveTime == NO_VALUE || d.diveTime <= 0 || d.diveTime > 199) {
      res.error = "dive " + std::to_string(i + 1) + " cannot be written to a computer's memory";
      return res;
    }
    int day, month, year;
    fromDayNumber(d.date, day, month, year);
    const int64_t when =
        localCalendarTime(year, month, day, d.timeOfDay / 60, d.timeOfDay % 60, 0);
    const int64_t halfSeconds = 2 * (now - when);
    if (halfSeconds > INT32_MAX || halfSeconds < INT32_MIN) {
      res.error = "dive " + std::to_string(i + 1) + " is too far from the computer's clock";
      return res;
    }
    const uint32_t clock = st.computerClock - static_cast<uint32_t>(halfSeconds);
    if (clock == 0) {
      res.error = "dive " + std::to_string(i + 1) + " falls on the computer's clock zero";
      return res;
    }
    const int position = SLOT_COUNT - count + i;
    uint8_t* s = &mem[LOGBOOK_OFFSET + SLOT_SIZE * ((st.oldestSlot + position) % SLOT_COUNT)];
    uint8_t flags = static_cast<uint8_t>(d.warningFlags & 0x39);
    if (d.diveTime >= 100) flags |= 0x04;
    if (d.surfaceInterval != NO_VALUE && d.surfaceInterval >= 0 && d.surfaceInterval < 100 * 60)
      flags |= 0x02;
    flags |= static_cast<uint8_t>((std::clamp<int>(d.altitudeClass, 1, 4) - 1) << 6);
    s[0] = flags;
    s[1] = toBcd(d.diveTime % 100);
    const int rawDepth = std::min(65535, static_cast<int>(std::lround(d.maxDepth / 0.24414061)));
    s[2] = static_cast<uint8_t>(rawDepth >> 8);
    s[3] = static_cast<uint8_t>(rawDepth & 0xFF);
    if (flags & 0x02) {
      s[4] = toBcd(d.surfaceInterval / 60);
      s[5] = toBcd(d.surfaceInterval % 60);
    }
    if (d.airUsed != NO_VALUE && d.airUsed > 0) {
      const double unit = (st.modelId & 0x0F) == 12 ? 137.6344086 : 100.0;
      s[6] = static_cast<uint8_t>(std::clamp<long>(std::lround(d.airUsed / unit), 1, 255));
    }
    putBe32(s + 7, clock);
    if (d.minWaterTemperature != NO_VALUE) {
      // signed quarter degrees, rounded down: -32.00 .. +31.75 degC
      const int quarters = static_cast<int>(std::floor(d.minWaterTemperature / 25.0));
      s[11] = static_cast<uint8_t>(static_cast<int8_t>(std::clamp(quarters, -128, 127)));
    }
  }

  // Profiles of the newest dives that all have one, as many as fit into the ring:
  // from the write position on, stale bytes, then "FF profile" for each profile,
  // the newest ending one byte before the write position.
  int first = count;
  while (first > 0 && dives[first - 1].profileLength > 0) --first;
  std::vector<std::vector<uint8_t>> profiles;
  for (int i = first; i < count; ++i) profiles.push_back(profileBytes(dives[i]));
  auto needed = [&]() {
    size_t n = 1;  // the byte before the write position, never read as a sample
    for (const auto& p : profiles) n += p.size() + 1;
    return n;
  };
  while (!profiles.empty() && needed() > static_cast<size_t>(RING_SIZE))
    profiles.erase(profiles.begin());
  if (!profiles.empty()) {
    uint8_t* ring = &mem[RING_OFFSET];
    int pos = static_cast<int>((st.writePosition + RING_SIZE - needed()) % RING_SIZE);
    for (const auto& p : profiles) {
      ring[pos] = 0xFF;
      pos = (pos + 1) % RING_SIZE;
      for (uint8_t b : p) {
        ring[pos] = b;
        pos = (pos + 1) % RING_SIZE;
      }
    }
    ring[pos] = 0x00;  // the byte just before the write position
  }
  res.profilesWritten = static_cast<int>(profiles.size());

  uint16_t sum = 0;
  for (int i = 0; i < MEMORY_SIZE; ++i) sum = static_cast<uint16_t>(sum + mem[i]);
  if (st.zeroChecksum) sum = 0;
  res.stream.resize(STREAM_SIZE);
  for (int i = 0; i < MEMORY_SIZE; ++i) res.stream[i] = reverseBits(mem[i]);
  res.stream[CHECKSUM_OFFSET] = reverseBits(static_cast<uint8_t>(sum & 0xFF));
  res.stream[CHECKSUM_OFFSET + 1] = reverseBits(static_cast<uint8_t>(sum >> 8));
  res.divesWritten = count;
  return res;
}

DownloadedDive downloadedFromRecord(const DiveRecord& r, uint8_t modelId) {
  DownloadedDive d;
  d.date = r.date;
  d.timeOfDay = r.timeOfDay;
  d.altitudeClass = r.altitudeClass;
  d.surfaceInterval = r.surfaceInterval;
  const int depth = shownMaxDepth(r);
  d.maxDepth = static_cast<int16_t>(depth < 0 ? NO_VALUE : depth);
  d.diveTime = r.diveTime;
  d.minWaterTemperature = r.minWaterTemperature;
  d.airUsed = r.airConsumed;
  d.warningFlags = r.warningFlags & 0x39;
  d.modelId = modelId;
  d.computerDiveId = r.computerDiveId;
  const auto& models = computerModels();
  // The samples of an O2 computer are encoded differently from those of the
  // other models: such a profile would expand into nonsense under another
  // kind of model, so it is left out of the image.
  const bool sameEncoding = models.o2Model(r.computerType) == models.o2Model(modelId);
  if (r.profileLength > 0 && sameEncoding) {
    const bool recordGas = models.hasGasSetting(r.computerType);
    const bool imageGas = models.nitroxModel(modelId) || models.o2Model(modelId);
    const int rawLength = std::clamp(r.profileLength - (recordGas ? 19 : 17), 0, RAW_PROFILE_SIZE);
    int n = 0;
    if (imageGas) {
      d.raw[n++] = static_cast<uint8_t>(r.gasSetting & 0xFF);
      d.raw[n++] = static_cast<uint8_t>(r.gasSetting >> 8);
    }
    const int take = std::min(rawLength, MAX_DOWNLOADED_RAW - n);
    std::memcpy(d.raw + n, r.rawProfile, take);
    n += take;
    d.profileHeaderByte = r.profileHeaderByte;
    std::memcpy(d.profileHeader, r.profileHeader, sizeof d.profileHeader);
    d.profileLength = static_cast<int16_t>(17 + n);
  }
  return d;
}

uint8_t imageModelFor(const std::vector<DiveRecord>& dives, uint8_t fallback) {
  const auto& models = computerModels();
  for (auto it = dives.rbegin(); it != dives.rend(); ++it) {
    const uint8_t type = it->computerType;
    if (type != 0 && models.find(type) && !models.importSource(type)) return type;
  }
  return fallback;
}

}  // namespace kelp
