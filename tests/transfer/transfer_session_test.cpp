#include <gtest/gtest.h>

#include "core/computer_models.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "transfer/receive_state.h"
#include "transfer/transfer_session.h"
#include "transfer_test_util.h"

using namespace kelp;
using namespace kelp::test;

namespace {

using Ev = ReceiveStateMachine::Event;

TEST(ReceiveState, BytesBeforeTheMarker) {
  ReceiveStateMachine m;
  m.feed(uint8_t(0x00), 0.0);
  EXPECT_FALSE(m.active());
  m.feed(uint8_t(0x17), 0.01);  // noise makes the line active but is not kept
  EXPECT_TRUE(m.active());
  EXPECT_FALSE(m.receiving());
  EXPECT_EQ(m.storedCount(), 0);
  m.poll(0.5);  // a short silence ends "connected" while waiting
  EXPECT_FALSE(m.active());
  m.feed(uint8_t(0x55), 0.6);
  EXPECT_TRUE(m.receiving());
  EXPECT_EQ(m.storedCount(), 1);
  EXPECT_EQ(m.receivedTotal(), 1);
  EXPECT_EQ(m.buffer()[0], 0x55);
}

TEST(ReceiveState, StreamCompletesWithTheByteAfterThe2051st) {
  ReceiveStateMachine m;
  double t = 0;
  std::vector<uint8_t> sent;
  for (int i = 0; i < 2051; ++i) {
    const uint8_t b = i == 0 ? 0x55 : uint8_t(i * 7 % 256);  // holds more 0x55 bytes
    sent.push_back(b);
    EXPECT_EQ(m.feed(b, t), Ev::None) << i;
    t += 0.0005;
  }
  EXPECT_EQ(m.storedCount(), 2051);
  EXPECT_FALSE(m.done());
  EXPECT_EQ(m.feed(uint8_t(0x99), t), Ev::Complete);
  EXPECT_TRUE(m.done());
  EXPECT_FALSE(m.receiving());
  EXPECT_EQ(m.storedCount(), 2051);  // the completing byte is not stored
  const auto img = m.image();
  ASSERT_EQ(img.size(), 2050u);
  EXPECT_TRUE(std::equal(img.begin(), img.end(), sent.begin()));
  // After done a marker starts nothing and a pause is no error.
  EXPECT_EQ(m.feed(uint8_t(0x55), t + 1), Ev::None);
  EXPECT_EQ(m.poll(t + 10), Ev::None);
  EXPECT_EQ(m.storedCount(), 2051);
}

TEST(ReceiveState, PauseWhileReceivingIsATransferError) {
  ReceiveStateMachine m;
  std::vector<uint8_t> block(2051, 0x11);
  block[0] = 0x55;
  m.feed(block.data(), block.size(), 100.0);
  EXPECT_EQ(m.poll(102.0), Ev::None);  // exactly 2 s is still fine
  EXPECT_EQ(m.poll(102.5), Ev::TransferError);
  EXPECT_FALSE(m.receiving());
  EXPECT_EQ(m.storedCount(), 0);
  EXPECT_EQ(m.receivedTotal(), 0);
  EXPECT_EQ(m.transferErrors(), 1);
  // Waiting again: a new stream is received from its marker on.
  m.feed(uint8_t(0x00), 103.0);
  EXPECT_EQ(m.storedCount(), 0);
  m.feed(block.data(), block.size(), 103.1);
  EXPECT_EQ(m.feed(uint8_t(1), 103.2), Ev::Complete);
  // The error is also found by the next byte when no poll came in between.
  ReceiveStateMachine n;
  n.feed(uint8_t(0x55), 0.0);
  EXPECT_EQ(n.feed(uint8_t(0x55), 3.0), Ev::TransferError);
  EXPECT_TRUE(n.receiving());  // that byte was a new marker
  EXPECT_EQ(n.storedCount(), 1);
  // A clock that goes back (midnight) is no pause.
  ReceiveStateMachine c;
  c.feed(uint8_t(0x55), 86399.0);
  EXPECT_EQ(c.feed(uint8_t(1), 0.5), Ev::None);
  EXPECT_EQ(c.poll(1.0), Ev::None);
  EXPECT_EQ(c.storedCount(), 2);
}

class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    useUtc();
    settings().unitsMetric = 1;
    for (int i = 0; i < 4; ++i) {
      DownloadedDive d = sampleDive(10 + i, 5, 2024, 600 + 60 * i, 2000 + 100 * i, 40 + i);
      if (i >= 2) giveProfile(d, 70, uint8_t(i));
      dives.push_back(d);
    }
    st.modelId = 244;  // Nitrox, air-integrated
    st.serialNumber = 4711;
    st.ppO2Byte = 6;
    st.airReserve = 30;
    st.breathing = 50;
    stream = writeImage(st, dives, kNow).stream;
  }
  DiveRecord loggedDive(int day, int minute, uint32_t id = 0) {
    DiveRecord r = makeRecord();
    r.date = dayNumber(day, 5, 2024);
    r.timeOfDay = static_cast<int16_t>(minute);
    r.computerDiveId = id;
    return r;
  }
  std::vector<DownloadedDive> dives;
  ImageSettings st;
  std::vector<uint8_t> stream;
  Logbook lb;
};

TEST_F(SessionTest, EmptyLogbookTakesAllDivesNumberedFromOne) {
  TransferSession s;
  ASSERT_TRUE(s.decode(stream, lb, kNow));
  EXPECT_EQ(s.firstNew(), 0);
  EXPECT_TRUE(s.newDives());
  const auto rows = s.rows();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].number, "    1");
  EXPECT_EQ(rows[3].number, "    4");
  EXPECT_EQ(rows[0].date, formatDateLong(dayNumber(10, 5, 2024)));
  EXPECT_EQ(rows[1].time, "11:00");
  EXPECT_EQ(rows[1].depth, "21.0 m");
  EXPECT_EQ(rows[1].diveTime, "41 Min.");
  EXPECT_EQ(rows[1].pressure, "120 bar");
  EXPECT_EQ(rows[1].profile, "");
  EXPECT_EQ(rows[2].profile, "*");
  EXPECT_FALSE(s.otherComputer(lb));
  EXPECT_TRUE(s.askOnCancel());
  EXPECT_EQ(s.statusText(false), computerDisplayName(244));
}

TEST_F(SessionTest, NewDivesAreLaterThanTheLastDiveWithAnotherTimestamp) {
  lb.insert(loggedDive(11, 660));  // the same as downloaded dive 1
  TransferSession s;
  ASSERT_TRUE(s.decode(stream, lb, kNow));
  EXPECT_EQ(s.firstNew(), 2);
  ASSERT_EQ(s.rows().size(), 2u);
  EXPECT_EQ(s.rows()[0].number, "    2");

  // Same day, a minute earlier than dive 1: dives 1..3 are new.
  Logbook earlier;
  earlier.insert(loggedDive(11, 659));
  ASSERT_TRUE(s.decode(stream, earlier, kNow));
  EXPECT_EQ(s.firstNew(), 1);

  // The same computer timestamp ends the scan even for a later dive.
  ComputerImage img;
  img.decode(stream.data(), stream.size(), kNow);
  Logbook same;
  same.insert(loggedDive(1, 600, img.dive(3).computerDiveId));
  ASSERT_TRUE(s.decode(stream, same, kNow));
  EXPECT_EQ(s.firstNew(), -1);
  EXPECT_FALSE(s.newDives());
  EXPECT_TRUE(s.rows().empty());
  EXPECT_FALSE(s.askOnCancel());
  // Nothing to insert: the status line waits again instead of naming the model.
  EXPECT_EQ(s.modelOfDives(), 0);
  EXPECT_EQ(s.statusText(false), str(62734));
  EXPECT_EQ(s.statusText(true), str(62735));

  // Nothing after the newest logged dive.
  Logbook later;
  later.insert(loggedDive(20, 600));
  ASSERT_TRUE(s.decode(stream, later, kNow));
  EXPECT_EQ(s.firstNew(), -1);
}

TEST_F(SessionTest, ListFollowsTheComputersUnitsNotTheLogbooks) {
  st.imperialUnits = true;
  stream = writeImage(st, dives, kNow).stream;
  TransferSession s;
  ASSERT_TRUE(s.decode(stream, lb, kNow));
  const auto rows = s.rows();
  EXPECT_EQ(rows[0].depth, format("%.0f ft", metresToFeet(20.0)));  // 66 ft
  EXPECT_EQ(rows[0].pressure, format("%d psi", barToPsi(120.0)));
}

TEST_F(SessionTest, InfoTextsDependOnTheModel) {
  TransferSession s;
  ASSERT_TRUE(s.decode(stream, lb, kNow));
  const InfoTexts& t = s.infoTexts();
  EXPECT_EQ(t[0], "4711");
  EXPECT_EQ(t[1], "244");
  EXPECT_EQ(t[2], "4");
  EXPECT_EQ(t[3], "99.6 %");
  EXPECT_EQ(t[4], str(62777));
  EXPECT_EQ(t[5], str(62776));
  EXPECT_EQ(t[6], "1.50 bar");
  EXPECT_EQ(t[7], "30 bar");
  EXPECT_EQ(t[8], "50 %");
  EXPECT_EQ(s.batteryLevel(), 99);

  st.modelId = 30;  // air, no pressure measurement
  st.imperialUnits = true;
  st.alarmSound = false;
  stream = writeImage(st, dives, kNow).stream;
  ASSERT_TRUE(s.decode(stream, lb, kNow));
  EXPECT_EQ(s.infoTexts()[4], str(62778));
  EXPECT_EQ(s.infoTexts()[5], str(62775));
  EXPECT_EQ(s.infoTexts()[6], "");
  EXPECT_EQ(s.infoTexts()[7], "");
  EXPECT_EQ(s.infoTexts()[8], "");

  Settings saved;
  storeLastTransferTexts(saved, s.infoTexts());
  EXPECT_EQ(lastTransferTexts(saved), s.infoTexts());
  EXPECT_EQ(batteryLevelFromText("17.5 %"), 17);
  EXPECT_EQ(batteryLevelFromText(""), -1);
}

TEST_F(SessionTest, InsertAddsTheNewDivesInDateOrder) {
  lb.insert(loggedDive(1, 600));
  lb.insert(loggedDive(11, 600));
  lb.computerSerial = 99;
  TransferSession s;
  ASSERT_TRUE(s.decode(stream, lb, kNow));
  EXPECT_EQ(s.firstNew(), 1);
  EXPECT_TRUE(s.otherComputer(lb));
  DiveDefaults defaults;
  defaults.use = true;
  defaults.weight = 600;
  int added = 0;
  EXPECT_TRUE(s.insert(lb, defaults, &added));
  EXPECT_EQ(added, 3);
  EXPECT_FALSE(s.askOnCancel());
  ASSERT_EQ(lb.diveCount(), 5);
  EXPECT_EQ(lb.computerSerial, 4711u);
  const DiveRecord& last = lb.dives()[4];
  EXPECT_EQ(last.diveNumber, 5);
  EXPECT_EQ(last.date, dayNumber(13, 5, 2024));
  EXPECT_EQ(last.weight, 600);
  EXPECT_EQ(last.computerType, 244);
  EXPECT_GT(last.sampleCount, 1);  // the profile was expanded
  EXPECT_EQ(lb.dives()[2].sampleCount, 0);
  EXPECT_FALSE(s.otherComputer(lb));

  // A logbook that takes only one more dive: the refusal is told, not passed over.
  Logbook full;
  full.assignDives(std::vector<DiveRecord>(MAX_DIVES - 1, loggedDive(1, 600)));
  TransferSession f;
  ASSERT_TRUE(f.decode(stream, full, kNow));
  ASSERT_GT(f.newDiveCount(), 1);
  const Result refused = f.insert(full, defaults, &added);
  EXPECT_FALSE(refused);
  EXPECT_NE(refused.error.find("32767"), std::string::npos);
  EXPECT_EQ(added, 1);
  EXPECT_EQ(full.computerSerial, 0u);  // taken back with the step: the computer stays unknown

  // A checksum error leaves a session without dives.
  stream[5] ^= 1;
  EXPECT_FALSE(s.decode(stream, lb, kNow));
  EXPECT_FALSE(s.newDives());
}

}  // namespace
