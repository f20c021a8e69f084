#include <gtest/gtest.h>

#include <cstring>

#include "core/computer_models.h"
#include "core/texts.h"
#include "transfer/computer_image.h"
#include "transfer/image_writer.h"
#include "transfer_test_util.h"

using namespace kelp;
using namespace kelp::test;

namespace {

class ImageTest : public ::testing::Test {
 protected:
  void SetUp() override { useUtc(); }

  std::vector<uint8_t> write(const std::vector<DownloadedDive>& dives, ImageSettings st = {}) {
    ImageResult r = writeImage(st, dives, kNow);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.stream.size(), size_t(STREAM_SIZE));
    return r.stream;
  }
  // Decodes a stream whose memory was edited at settings/slot offsets.
  int decodeMemory(const std::vector<uint8_t>& mem) {
    auto s = streamOf(mem);
    return image.decode(s.data(), s.size(), kNow);
  }
  ComputerImage image;
};

TEST(BitReversal, MirrorsEveryBit) {
  EXPECT_EQ(reverseBits(0x01), 0x80);
  EXPECT_EQ(reverseBits(0x55), 0xAA);
  EXPECT_EQ(reverseBits(0xF0), 0x0F);
  for (int b = 0; b < 256; ++b) EXPECT_EQ(reverseBits(reverseBits(uint8_t(b))), b);
}

TEST_F(ImageTest, ChecksumRules) {
  // Only the marker: checksum bytes 0 are accepted without a check, no dive.
  std::vector<uint8_t> s(STREAM_SIZE, 0);
  s[0] = 0x55;
  EXPECT_EQ(image.decode(s.data(), s.size(), kNow), 0);

  auto good = write({sampleDive(1, 5, 2024, 600, 1500, 40)});
  EXPECT_EQ(image.decode(good.data(), good.size(), kNow), 1);
  auto bad = good;
  bad[100] ^= 0x10;
  EXPECT_EQ(image.decode(bad.data(), bad.size(), kNow), -1);
  EXPECT_EQ(image.diveCount(), 0);
  DownloadedDive d;
  EXPECT_FALSE(image.fetch(0, d));

  ImageSettings zero;
  zero.zeroChecksum = true;
  auto z = write({sampleDive(1, 5, 2024, 600, 1500, 40)}, zero);
  z[100] ^= 0x10;  // a wrong sum is not checked when the stored checksum is 0
  EXPECT_EQ(image.decode(z.data(), z.size(), kNow), 1);

  EXPECT_EQ(image.decode(good.data(), 2049, kNow), -1);  // short stream

  // The written stream starts with an interface's header, and the checksum covers it.
  EXPECT_EQ(std::vector<uint8_t>(good.begin(), good.begin() + 4), (std::vector<uint8_t>{0x55, 0x55, 0x55, 0x00}));
  for (int i : {1, 3}) {
    auto h = good;
    h[i] ^= 0x01;
    EXPECT_EQ(image.decode(h.data(), h.size(), kNow), -1) << i;
  }
}

// The temperature byte is signed quarter degrees: ice water reads below zero, not near 62 degC.
TEST_F(ImageTest, WaterTemperatureBelowZero) {
  auto mem = memoryOf(write({sampleDive(1, 5, 2024, 600, 1500, 40)}));
  uint8_t& t = mem[LOGBOOK_OFFSET + SLOT_SIZE * 36 + 11];
  const std::pair<uint8_t, int> bytes[] = {{0xF8, -200}, {0xFF, -25}, {0x80, -3200}, {0x7F, 3175}, {0x00, 0}};
  for (const auto& [byte, hundredths] : bytes) {
    t = byte;
    ASSERT_EQ(decodeMemory(mem), 1);
    EXPECT_EQ(image.dive(0).minWaterTemperature, hundredths) << int(byte);
  }
  // Written values round down to a quarter degree and stay inside the byte's range.
  const std::pair<int, int> written[] = {{-190, -200}, {-25, -25}, {-1, -25}, {1810, 1800},
                                         {-4000, -3200}, {4000, 3175}};
  for (const auto& [value, back] : written) {
    DownloadedDive d = sampleDive(1, 5, 2024, 600, 1500, 40);
    d.minWaterTemperature = static_cast<int16_t>(value);
    auto s = write({d});
    ASSERT_EQ(image.decode(s.data(), s.size(), kNow), 1);
    EXPECT_EQ(image.dive(0).minWaterTemperature, back) << value;
  }
}

TEST_F(ImageTest, WriterRoundTripWithWrappedSlotsAndSettings) {
  std::vector<DownloadedDive> dives;
  for (int i = 0; i < 40; ++i) {
    DownloadedDive d = sampleDive(1 + i % 28, 1 + i / 28, 2024, 480 + i, 900 + 37 * i, 20 + i);
    d.surfaceInterval = i % 3 ? static_cast<int16_t>(75 + i) : NO_VALUE;
    d.warningFlags = static_cast<uint16_t>(i & 0x39);
    d.altitudeClass = static_cast<uint8_t>(1 + i % 4);
    d.minWaterTemperature = static_cast<int16_t>(25 * i);
    d.airUsed = i == 5 ? NO_VALUE : static_cast<int16_t>(100 * (50 + i));
    dives.push_back(d);
  }
  dives[39].diveTime = 145;
  ImageSettings st;
  st.modelId = 244;
  st.serialNumber = 0x123456;
  st.imperialUnits = true;
  st.alarmSound = false;
  st.ppO2Byte = 8;
  st.airReserve = 40;
  st.breathing = 75;
  st.batteryByte = 255;
  st.totalDives = 412;
  st.oldestSlot = 30;
  auto s = write(dives, st);
  ASSERT_EQ(image.decode(s.data(), s.size(), kNow), 37);
  for (int k = 0; k < 37; ++k) {
    const DownloadedDive& want = dives[k + 3];
    DownloadedDive got;
    ASSERT_TRUE(image.fetch(k, got));
    EXPECT_EQ(got.date, want.date) << k;
    EXPECT_EQ(got.timeOfDay, want.timeOfDay) << k;
    EXPECT_EQ(got.maxDepth, want.maxDepth) << k;
    EXPECT_EQ(got.diveTime, want.diveTime) << k;
    EXPECT_EQ(got.surfaceInterval, want.surfaceInterval) << k;
    EXPECT_EQ(got.warningFlags, want.warningFlags) << k;
    EXPECT_EQ(got.altitudeClass, want.altitudeClass) << k;
    EXPECT_EQ(got.minWaterTemperature, want.minWaterTemperature) << k;
    EXPECT_EQ(got.airUsed, want.airUsed) << k;
    EXPECT_EQ(got.modelId, 244);
    EXPECT_EQ(got.profileLength, 0);
  }
  DownloadedDive none;
  EXPECT_FALSE(image.fetch(37, none));
  EXPECT_FALSE(image.fetch(-1, none));

  ComputerInfo info = image.info();
  EXPECT_EQ(info.serialNumber, 0x123456u);
  EXPECT_EQ(info.modelId, 244);
  EXPECT_EQ(info.totalDives, 412);
  EXPECT_EQ(info.imperialUnits, 1);
  EXPECT_EQ(info.alarmSound, 0);
  EXPECT_FLOAT_EQ(info.maxPpO2, 1.6f);
  EXPECT_EQ(info.airReserve, 40);
  EXPECT_EQ(info.breathing, 75);
  EXPECT_FLOAT_EQ(info.battery, 99.6f);
}

TEST_F(ImageTest, SlotFieldRules) {
  auto mem = memoryOf(write({sampleDive(1, 5, 2024, 600, 1500, 40)}));
  uint8_t* slot = &mem[LOGBOOK_OFFSET + SLOT_SIZE * 36];
  // The logbook position of the one dive is 36, oldest slot 0: slot 36.
  slot[0] = 0x04 | 0xC0 | 0x01;  // add 100 min, altitude class 4, ascent warning; no interval
  slot[1] = 0x45;
  slot[2] = 0x10;  // raw depth 4096
  slot[3] = 0x00;
  slot[6] = 0;     // no pressure value
  slot[11] = 80;   // 20 degC
  ASSERT_EQ(decodeMemory(mem), 1);
  DownloadedDive d = image.dive(0);
  EXPECT_EQ(d.diveTime, 145);
  EXPECT_EQ(d.maxDepth, 1000);
  EXPECT_EQ(d.altitudeClass, 4);
  EXPECT_EQ(d.warningFlags, 1);
  EXPECT_EQ(d.surfaceInterval, NO_VALUE);
  EXPECT_EQ(d.airUsed, NO_VALUE);
  EXPECT_EQ(d.minWaterTemperature, 2000);

  // Depth rounds half up: raw 2 is 0.488 cm -> 0, raw 6 is 1.46 -> 1, raw 3 (0.73) -> 1
  slot[2] = 0;
  slot[3] = 6;
  ASSERT_EQ(decodeMemory(mem), 1);
  EXPECT_EQ(image.dive(0).maxDepth, 1);

  // "Aladin Air" reads the pressure byte in its own units; high bytes stay below NO_VALUE.
  mem[SETTINGS_OFFSET] = 28;
  slot[3] = 100;
  slot[6] = 100;
  ASSERT_EQ(decodeMemory(mem), 1);
  EXPECT_EQ(image.dive(0).airUsed, 13763);
  slot[6] = 250;
  ASSERT_EQ(decodeMemory(mem), 1);
  EXPECT_EQ(image.dive(0).airUsed, NO_VALUE - 1);

  // A zero depth, time or clock skips the slot.
  slot[2] = slot[3] = 0;
  EXPECT_EQ(decodeMemory(mem), 0);
}

TEST_F(ImageTest, DateAndTimeComeFromTheComputerClock) {
  auto mem = memoryOf(write({sampleDive(1, 5, 2024, 600, 1500, 40)}));
  uint8_t* slot = &mem[LOGBOOK_OFFSET + SLOT_SIZE * 36];
  uint8_t* clock = &mem[SETTINGS_OFFSET + 60];
  auto setBehind = [&](uint32_t halfSeconds) {
    const uint32_t computer = 1000000;
    const uint32_t dive = computer - halfSeconds;
    for (int i = 0; i < 4; ++i) {
      clock[i] = uint8_t(computer >> (24 - 8 * i));
      slot[7 + i] = uint8_t(dive >> (24 - 8 * i));
    }
  };
  setBehind(7200);  // one hour
  ASSERT_EQ(decodeMemory(mem), 1);
  EXPECT_EQ(image.dive(0).date, dayNumber(1, 6, 2024));
  EXPECT_EQ(image.dive(0).timeOfDay, 11 * 60);
  setBehind(2 * 29);  // 11:59:31 rounds up
  ASSERT_EQ(decodeMemory(mem), 1);
  EXPECT_EQ(image.dive(0).timeOfDay, 12 * 60);
  setBehind(2 * 30);  // 11:59:30 does not
  ASSERT_EQ(decodeMemory(mem), 1);
  EXPECT_EQ(image.dive(0).timeOfDay, 11 * 60 + 59);
  setBehind(2 * 13 * 3600);  // the day before
  ASSERT_EQ(decodeMemory(mem), 1);
  EXPECT_EQ(image.dive(0).date, dayNumber(31, 5, 2024));
  EXPECT_EQ(image.dive(0).timeOfDay, 23 * 60);
  // 23:59:45 rounds up into 00:00 of the next day, never to a time of day of 24:00.
  setBehind(2 * (12 * 3600 + 15));
  ASSERT_EQ(decodeMemory(mem), 1);
  EXPECT_EQ(image.dive(0).date, dayNumber(1, 6, 2024));
  EXPECT_EQ(image.dive(0).timeOfDay, 0);
  // An odd difference of half seconds is truncated: 61 half seconds are 30 s, 11:59:30.
  setBehind(61);
  ASSERT_EQ(decodeMemory(mem), 1);
  EXPECT_EQ(image.dive(0).timeOfDay, 11 * 60 + 59);
}

TEST_F(ImageTest, OnlyTheLastTotalPositionsAreRead) {
  std::vector<DownloadedDive> dives;
  for (int i = 0; i < 5; ++i) dives.push_back(sampleDive(1 + i, 5, 2024, 600, 1000 + i, 30));
  auto mem = memoryOf(write(dives));
  // Total 3: positions 34..36, the three newest.
  mem[SETTINGS_OFFSET + 54] = 0;
  mem[SETTINGS_OFFSET + 55] = 3;
  ASSERT_EQ(decodeMemory(mem), 3);
  EXPECT_EQ(image.dive(0).maxDepth, 1002);
  // Position j stands in slot oldest + j - 37: with oldest 30, position 10 is slot 3.
  mem[SETTINGS_OFFSET + 55] = 27;
  mem[SETTINGS_OFFSET + 56] = 30;
  std::vector<uint8_t> area(mem.begin() + LOGBOOK_OFFSET, mem.begin() + SETTINGS_OFFSET);
  std::fill(mem.begin() + LOGBOOK_OFFSET, mem.begin() + SETTINGS_OFFSET, 0);
  std::copy(area.begin() + SLOT_SIZE * 36, area.begin() + SLOT_SIZE * 37,
            mem.begin() + LOGBOOK_OFFSET + SLOT_SIZE * 3);
  ASSERT_EQ(decodeMemory(mem), 1);
  EXPECT_EQ(image.dive(0).maxDepth, 1004);
  // An impossible oldest-slot index stays inside the logbook area.
  mem[SETTINGS_OFFSET + 56] = 255;
  EXPECT_GE(decodeMemory(mem), 0);
  // A negative total reads nothing.
  mem[SETTINGS_OFFSET + 54] = 0x80;
  EXPECT_EQ(decodeMemory(mem), 0);
}

// Places "FF profile" blocks so that the newest ends one byte before w.
void placeRing(std::vector<uint8_t>& mem, int w, const std::vector<std::vector<uint8_t>>& profiles) {
  std::fill(mem.begin() + RING_OFFSET, mem.begin() + RING_OFFSET + RING_SIZE, 0);
  size_t total = 1;
  for (const auto& p : profiles) total += p.size() + 1;
  int pos = static_cast<int>((w + RING_SIZE - total) % RING_SIZE);
  auto put = [&](uint8_t b) {
    mem[RING_OFFSET + pos] = b;
    pos = (pos + 1) % RING_SIZE;
  };
  for (const auto& p : profiles) {
    put(0xFF);
    for (uint8_t b : p) put(b);
  }
  mem[SETTINGS_OFFSET + 58] = uint8_t(w & 0xFF);
  mem[SETTINGS_OFFSET + 59] = uint8_t(((w >> 8) & 7) << 1);
}

std::vector<uint8_t> profileBlock(uint8_t tag, int samples) {
  std::vector<uint8_t> p(17 + samples);
  for (size_t i = 0; i < p.size(); ++i) p[i] = uint8_t(tag + i % 7);
  return p;
}

TEST_F(ImageTest, ProfilesGoToTheNewestDives) {
  std::vector<DownloadedDive> dives;
  for (int i = 0; i < 5; ++i) dives.push_back(sampleDive(1 + i, 5, 2024, 600, 1000 + i, 30));
  auto mem = memoryOf(write(dives));

  // 2 profiles: dives 3 and 4 get profiles 0 and 1; the ring wraps past its end.
  placeRing(mem, 10, {profileBlock(1, 30), profileBlock(2, 40)});
  ASSERT_EQ(decodeMemory(mem), 5);
  EXPECT_EQ(image.profileCount(), 2);
  EXPECT_EQ(image.dive(2).profileLength, 0);
  EXPECT_EQ(image.dive(3).profileLength, 17 + 30);
  EXPECT_EQ(image.dive(3).profileHeaderByte, 1);
  EXPECT_EQ(image.dive(3).profileHeader[0], 2 | (3 << 8));  // low byte first
  EXPECT_EQ(image.dive(4).profileLength, 17 + 40);
  EXPECT_EQ(image.dive(4).raw[0], uint8_t(2 + 17 % 7));

  // 7 profiles and 5 dives: profiles 0..4 go to dives 0..4, 5 and 6 are dropped.
  std::vector<std::vector<uint8_t>> seven;
  for (int k = 0; k < 7; ++k) seven.push_back(profileBlock(uint8_t(10 * k + 10), 5 + k));
  placeRing(mem, 1500, seven);
  ASSERT_EQ(decodeMemory(mem), 5);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(image.dive(k).profileHeaderByte, 10 * k + 10) << k;
    EXPECT_EQ(image.dive(k).profileLength, 17 + 5 + k) << k;
  }
}

TEST_F(ImageTest, ImpossibleWritePositionStaysInTheRing) {
  auto mem = memoryOf(write({sampleDive(1, 5, 2024, 600, 1500, 40)}));
  placeRing(mem, 100, {profileBlock(3, 20)});
  mem[SETTINGS_OFFSET + 58] = 0xFF;
  mem[SETTINGS_OFFSET + 59] = 0x0E;  // 2047
  mem[SETTINGS_OFFSET + 1] = 0xFF;   // settings bytes would look like profile data
  ASSERT_EQ(decodeMemory(mem), 1);
  EXPECT_LE(image.dive(0).profileLength, 17 + RING_SIZE);
  // A ring that is nothing but end markers gives empty profiles.
  std::fill(mem.begin() + RING_OFFSET, mem.begin() + RING_OFFSET + RING_SIZE, 0xFF);
  ASSERT_EQ(decodeMemory(mem), 1);
  EXPECT_EQ(image.dive(0).profileLength, 17);
}

TEST_F(ImageTest, WriterKeepsProfilesOfTheNewestDivesThatFit) {
  std::vector<DownloadedDive> dives;
  for (int i = 0; i < 6; ++i) {
    DownloadedDive d = sampleDive(1 + i, 5, 2024, 600, 1000 + i, 30);
    if (i != 1) giveProfile(d, 400, uint8_t(i + 1));
    dives.push_back(d);
  }
  ImageSettings st;
  st.writePosition = 700;
  ImageResult r = writeImage(st, dives, kNow);
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.profilesWritten, 3);  // 4 profiles of 417 bytes do not fit 1536
  ASSERT_EQ(image.decode(r.stream.data(), r.stream.size(), kNow), 6);
  EXPECT_EQ(image.dive(2).profileLength, 0);
  for (int k = 3; k < 6; ++k) {
    const DownloadedDive& got = image.dive(k);
    ASSERT_EQ(got.profileLength, dives[k].profileLength) << k;
    EXPECT_EQ(got.profileHeaderByte, dives[k].profileHeaderByte);
    EXPECT_EQ(0, std::memcmp(got.profileHeader, dives[k].profileHeader, 16));
    EXPECT_EQ(0, std::memcmp(got.raw, dives[k].raw, 400));
  }
  // Dives a memory cannot hold are refused.
  DownloadedDive noTime = sampleDive(1, 5, 2024, 600, 1000, 30);
  noTime.diveTime = 200;
  EXPECT_TRUE(writeImage({}, {noTime}, kNow).stream.empty());
}

TEST_F(ImageTest, ConvertFollowsTheGasKindOfTheModel) {
  DownloadedDive d = sampleDive(1, 5, 2024, 600, 1500, 40);
  giveProfile(d, 30, 7);
  d.airUsed = NO_VALUE;
  d.computerDiveId = 4242;
  d.modelId = 52;  // air
  DiveRecord r = makeRecord();
  r.weight = 500;  // not touched
  convertDive(d, r);
  EXPECT_EQ(r.date, d.date);
  EXPECT_EQ(r.maxDepth, 1500);
  EXPECT_EQ(r.computerType, 52);
  EXPECT_EQ(r.computerDiveId, 4242u);
  EXPECT_EQ(r.computerFlags & 1, 1);
  EXPECT_EQ(r.weight, 500);
  EXPECT_EQ(r.profileLength, 47);
  EXPECT_EQ(r.gasSetting, 0);
  EXPECT_EQ(0, std::memcmp(r.rawProfile, d.raw, 30));

  d.modelId = 244;  // Nitrox: the first two sample bytes are the gas value
  DiveRecord n = makeRecord();
  convertDive(d, n);
  EXPECT_EQ(n.gasSetting, d.raw[0] | (d.raw[1] << 8));
  EXPECT_EQ(0, std::memcmp(n.rawProfile, d.raw + 2, 28));
  EXPECT_EQ(n.rawProfile[28], 0);
  EXPECT_EQ(n.profileLength, 47);

  d.modelId = 179;  // an import source is never a gas model
  DiveRecord i = makeRecord();
  convertDive(d, i);
  EXPECT_EQ(i.gasSetting, 0);
}

TEST_F(ImageTest, RecordsGoIntoImagesOfTheirKindOfModel) {
  DiveRecord o2 = makeRecord();
  o2.date = dayNumber(1, 5, 2024);
  o2.timeOfDay = 600;
  o2.maxDepth = 1500;
  o2.diveTime = 40;
  o2.computerType = 164;  // O2: gas value, then samples in the O2 encoding
  o2.gasSetting = 0x1234;
  o2.profileLength = 19 + 10;
  for (int i = 0; i < 10; ++i) o2.rawProfile[i] = uint8_t(i + 1);

  const DownloadedDive same = downloadedFromRecord(o2, 164);
  EXPECT_EQ(same.profileLength, 29);
  EXPECT_EQ(same.raw[0], 0x34);
  EXPECT_EQ(same.raw[1], 0x12);
  EXPECT_EQ(same.raw[2], 1);
  // An air model would expand the O2 samples wrongly: no profile in its image.
  EXPECT_EQ(downloadedFromRecord(o2, 52).profileLength, 0);
  EXPECT_EQ(downloadedFromRecord(o2, 52).maxDepth, 1500);
  DiveRecord air = o2;
  air.computerType = 52;
  air.profileLength = 17 + 10;
  EXPECT_EQ(downloadedFromRecord(air, 164).profileLength, 0);
  EXPECT_EQ(downloadedFromRecord(air, 244).profileLength, 29);  // Nitrox: gas value added

  // The image model follows the newest dive from a dive computer.
  DiveRecord manual = makeRecord();
  manual.computerType = 0;
  DiveRecord imported = makeRecord();
  imported.computerType = 179;
  EXPECT_EQ(imageModelFor({air, o2, imported, manual}, 52), 164);
  EXPECT_EQ(imageModelFor({manual, imported}, 52), 52);
  EXPECT_EQ(imageModelFor({}, 31), 31);
}

}  // namespace
