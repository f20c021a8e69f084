// Serial devices by port number, the interface simulator through a real
// pseudo-terminal, the transfer's files and the export's character set.
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <thread>
#include <unistd.h>

#include "core/logbook.h"
#include "core/texts.h"
#include "transfer/csv_export.h"
#include "core/file_write.h"
#include "transfer/serial_ports.h"
#include "transfer/simulator.h"
#include "transfer/transfer_files.h"
#include "tests/test_support.h"

using namespace kelp;
using kelp::test::ScratchDir;

namespace {

std::vector<uint8_t> fakeImage() {
  std::vector<uint8_t> img(2050);
  img[0] = 0x55;
  for (size_t i = 1; i < img.size(); ++i) img[i] = static_cast<uint8_t>(i * 7);
  return img;
}

TEST(SerialPorts, PortNumbersCountBuiltInPortsThenAdaptersThenModems) {
  const std::vector<std::string> ordered = orderSerialDevices(
      {"/dev/ttyUSB1", "/dev/ttyS10", "/dev/tty0", "/dev/ttyACM0", "/dev/ttyS2", "/dev/ttyUSB0", "/dev/ttySx",
       "/dev/ttyS0", "/dev/console"});
  const std::vector<std::string> expected = {"/dev/ttyS0", "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0",
                                             "/dev/ttyUSB1", "/dev/ttyACM0"};
  EXPECT_EQ(ordered, expected);
  EXPECT_EQ(serialDeviceFor(1, "", ordered), "/dev/ttyS0");
  EXPECT_EQ(serialDeviceFor(4, "", ordered), "/dev/ttyUSB0");
  EXPECT_EQ(serialDeviceFor(7, "", ordered), "");
  EXPECT_EQ(serialDeviceFor(0, "", ordered), "");
  EXPECT_EQ(serialDeviceFor(2, "/dev/pts/7", ordered), "/dev/pts/7");  // "Device" wins over "Com"
}

TEST(Simulator, StreamNoisePauseAndTruncation) {
  const std::vector<uint8_t> img = fakeImage();
  EXPECT_TRUE(checkSimulatorImage(img));
  EXPECT_FALSE(checkSimulatorImage(std::vector<uint8_t>(img.begin(), img.begin() + 2049)));
  std::vector<uint8_t> noMarker = img;
  noMarker[0] = 0x00;
  EXPECT_FALSE(checkSimulatorImage(noMarker));

  SimulatorOptions o;
  int pauseAt = 0;
  std::vector<uint8_t> out = simulatedBytes(img, o, &pauseAt);
  ASSERT_EQ(out.size(), 2052u);  // the 2052nd byte completes the stream
  EXPECT_TRUE(std::equal(img.begin(), img.end(), out.begin()));
  EXPECT_EQ(pauseAt, -1);

  o.noise = 300;
  o.pauseMs = 2500;
  out = simulatedBytes(img, o, &pauseAt);
  ASSERT_EQ(out.size(), 2352u);
  for (int i = 0; i < 300; ++i) ASSERT_NE(out[i], 0x55) << i;  // noise never starts a stream
  EXPECT_EQ(out[300], 0x55);
  EXPECT_EQ(pauseAt, 300 + 1026);

  o.truncate = 1000;  // stops before the middle: no pause
  out = simulatedBytes(img, o, &pauseAt);
  EXPECT_EQ(out.size(), 1300u);
  EXPECT_EQ(pauseAt, -1);
}

TEST(Simulator, PlaysIntoAPseudoTerminalAtTheInterfacePace) {
  PseudoTerminal pty;
  ASSERT_TRUE(openPseudoTerminal(pty));
  ASSERT_FALSE(pty.devicePath.empty());
  EXPECT_FALSE(waitForReader(pty.master, 0));

  const std::vector<uint8_t> img = fakeImage();
  SimulatorOptions o;
  o.delayMs = 0;
  o.truncate = 192;  // 192 bytes at 19200 baud, 8N1: 100 ms
  const std::vector<uint8_t> out = simulatedBytes(img, o);

  std::vector<uint8_t> got;
  std::thread reader([&] {
    const int fd = ::open(pty.devicePath.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    uint8_t buf[256];
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (got.size() < out.size() && std::chrono::steady_clock::now() < end) {
      pollfd p{fd, POLLIN, 0};
      if (::poll(&p, 1, 50) <= 0) continue;
      const ssize_t n = ::read(fd, buf, sizeof buf);
      if (n > 0) got.insert(got.end(), buf, buf + n);
    }
    ::close(fd);
  });
  ASSERT_TRUE(waitForReader(pty.master, 5000));
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(playBytes(pty.master, out, -1, o));
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  reader.join();
  EXPECT_EQ(got, out);  // raw line: no echo, no CR/LF translation
  EXPECT_GE(seconds, 0.09);
  EXPECT_TRUE(waitForReaderToLeave(pty.master, 5000));
}

TEST(TransferFiles, OnlyAWholeImageIsReplayed) {
  const ScratchDir scratch("kelp-replay");
  const std::filesystem::path& dir = scratch.path();
  const std::string path = (dir / "config" / kReplayName).string();  // folder not made yet
  std::vector<uint8_t> stream = fakeImage();
  stream.push_back(0xEE);  // a longer file gives its first 2050 bytes
  ASSERT_TRUE(writeDebugCopy(path, stream));
  std::vector<uint8_t> back;
  ASSERT_TRUE(readReplayStream(path, back));
  EXPECT_EQ(back, fakeImage());

  ASSERT_TRUE(writeDebugCopy(path, std::vector<uint8_t>(stream.begin(), stream.begin() + 2049)));
  const Result shortFile = readReplayStream(path, back);
  EXPECT_FALSE(shortFile);
  EXPECT_NE(shortFile.error.find("2049"), std::string::npos);
  EXPECT_TRUE(back.empty());
  EXPECT_FALSE(readReplayStream((dir / "missing.dmp").string(), back));
}

TEST(CsvEncoding, TheFileIsWindows1252UnlessUtf8IsAsked) {
  Logbook lb;
  DiveRecord r = makeRecord();
  r.date = dayNumber(2, 3, 2024);
  parseText(r.location, "Località Cala Gonone");
  r.diveNumber = 1;
  lb.insert(r);
  const ScratchDir scratch("kelp-csv-encoding");
  const std::filesystem::path& dir = scratch.path();
  const std::string path = (dir / "out.csv").string();
  CsvOptions o;
  o.fields = (1u << 0) | (1u << 3);
  o.firstNumber = o.lastNumber = 1;
  ASSERT_TRUE(exportCsv(lb, path, o));
  std::string bytes;
  ASSERT_TRUE(readWholeFile(path, bytes));
  EXPECT_EQ(bytes, "Numero;Localit\xE0;\n1;Localit\xE0 Cala Gonone;\n");
  o.encoding = CsvEncoding::Utf8;
  ASSERT_TRUE(exportCsv(lb, path, o));
  ASSERT_TRUE(readWholeFile(path, bytes));
  EXPECT_EQ(bytes, "Numero;Località;\n1;Località Cala Gonone;\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
}

}  // namespace
