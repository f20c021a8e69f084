// kelp-cli simulate through pseudo-terminals, and the character set of export-csv.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/cli/cli_test_support.h"
#include "transfer/simulator.h"

namespace fs = std::filesystem;
using namespace kelp::test;

namespace {

// Reads what arrives on fd until 'want' bytes came or nothing came for 3 seconds.
std::string drain(int fd, size_t want) {
  std::string got;
  char buf[512];
  while (got.size() < want) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 3000) <= 0) break;
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n <= 0) break;
    got.append(buf, static_cast<size_t>(n));
  }
  return got;
}

class CliTransfer : public CliTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(CliTest::SetUp());
    demo = (dir / "demo.log").string();
    image = (dir / "computer.bin").string();
    ASSERT_EQ(run({"demo", demo, "--dives", "40"}), 0);
    ASSERT_EQ(run({"make-image", "--from", demo, image, "--serial", "4711"}), 0);
  }
  int run(const std::vector<std::string>& args, std::string* err = nullptr) {
    const CliRun r = CliTest::run(args);
    if (err) *err = r.err;
    return r.code;
  }
  std::string demo, image;
};

// With --pty the simulator prints the device end, waits for a reader, plays the
// image and the two bytes that complete the stream, and ends when the reader leaves.
TEST_F(CliTransfer, SimulatePlaysTheImageIntoItsOwnPseudoTerminal) {
  const std::string link = (dir / "computer-link").string();
  const std::string cmd =
      commandLine(KELP_CLI_PATH, {"simulate", image, "--pty", "--link", link, "--delay-ms", "0", "--noise", "30"});
  FILE* p = popen((cmd + " 2>&1").c_str(), "r");
  ASSERT_NE(p, nullptr);
  char line[256] = {};
  ASSERT_NE(fgets(line, sizeof line, p), nullptr);
  std::string device(line);
  device.erase(device.find_last_not_of("\n") + 1);
  ASSERT_EQ(device.rfind("/dev/pts/", 0), 0u) << device;
  EXPECT_EQ(fs::read_symlink(link).string(), device);
  const int fd = ::open(link.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  const std::string got = drain(fd, 30 + 2052);
  ::close(fd);
  char tail[256] = {};
  const bool more = fgets(tail, sizeof tail, p) != nullptr;
  const int st = pclose(p);
  EXPECT_TRUE(WIFEXITED(st) && WEXITSTATUS(st) == 0);
  EXPECT_TRUE(more);
  EXPECT_STREQ(tail, "2082 bytes sent\n");
  const std::string img = readFile(image);
  ASSERT_EQ(got.size(), 2082u);
  EXPECT_EQ(got.find('\x55'), 30u);
  EXPECT_EQ(got.substr(30, 2050), img);
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));  // the link goes with the simulator
}

TEST_F(CliTransfer, SimulateWritesIntoAGivenDeviceAndStopsWhereAsked) {
  kelp::PseudoTerminal pty;
  ASSERT_TRUE(kelp::openPseudoTerminal(pty));
  std::string got;
  std::thread reader([&] {
    if (kelp::waitForReader(pty.master, 10000)) got = drain(pty.master, 700);
  });
  std::string err;
  EXPECT_EQ(run({"simulate", image, "--device", pty.devicePath, "--delay-ms", "0", "--truncate", "700"}, &err), 0)
      << err;
  reader.join();
  EXPECT_EQ(got, readFile(image).substr(0, 700));

  EXPECT_EQ(run({"simulate", image}, &err), 1);
  EXPECT_NE(err.find("--device PATH or --pty"), std::string::npos) << err;
  EXPECT_EQ(run({"simulate", image, "--pty", "--device", pty.devicePath}, &err), 1);
  std::ofstream(dir / "short.bin", std::ios::binary) << readFile(image).substr(0, 2000);
  EXPECT_EQ(run({"simulate", (dir / "short.bin").string(), "--pty"}, &err), 1);
  EXPECT_NE(err.find("2000"), std::string::npos) << err;
  EXPECT_EQ(run({"simulate", image, "--pty", "--truncate", "3000"}, &err), 1);
}

TEST_F(CliTransfer, ExportIsWindows1252UnlessUtf8IsAsked) {
  const std::string csv = (dir / "out.csv").string();
  ASSERT_EQ(run({"export-csv", demo, csv, "--fields", "3"}), 0);
  const std::string cp = readFile(csv);
  EXPECT_EQ(cp.substr(0, 10), "Localit\xE0;\n");
  ASSERT_EQ(run({"export-csv", demo, csv, "--fields", "3", "--encoding", "utf8"}), 0);
  EXPECT_EQ(readFile(csv).substr(0, 11), "Località;\n");
  std::string err;
  EXPECT_EQ(run({"export-csv", demo, csv, "--fields", "3", "--encoding", "latin9"}, &err), 1);
  EXPECT_NE(err.find("latin9 is not an encoding"), std::string::npos) << err;
}

}  // namespace

namespace {

// kelp-cli computer-types changes the table by the dialog's rules and keeps it in Ctyp.ini.
TEST_F(CliStatusTest, ComputerTypesAreChangedByTheDialogsRulesAndKept) {
  ASSERT_EQ(run({"computer-types", "--add", "120", "--name", "Zeta Nitrox", "--gas", "nitrox"}), 0) << err;
  EXPECT_NE(out.find("Zeta Nitrox\t120\tNITROX\tNO\tNO\n"), std::string::npos) << out;
  EXPECT_NE(readFile(dir / "config" / "Ctyp.ini").find("Name=Zeta Nitrox"), std::string::npos);

  // A built-in Ident, a taken one, a built-in row's gas, and a row that dives use.
  EXPECT_EQ(run({"computer-types", "--add", "52", "--name", "X"}), 1);
  EXPECT_NE(err.find("52"), std::string::npos);
  EXPECT_EQ(run({"computer-types", "--add", "120", "--name", "Y"}), 1);
  ASSERT_EQ(run({"computer-types", "--edit", "52", "--gas", "o2", "--name", "Aladin Air X (mio)"}), 0) << err;
  EXPECT_NE(out.find("Aladin Air X (mio)\t52\tAIR\tSi\tNO\n"), std::string::npos) << out;
  EXPECT_EQ(run({"computer-types", "--delete", "52"}), 1);

  // A dive imported with the import type 120: the type keeps its gas, Ident and row.
  std::ofstream(dir / "config" / "Kelp.ini") << "[Import]\nTyp=120\n";
  std::string wgm(497, ' ');
  wgm.replace(0, 1, "M");
  wgm.replace(2, 10, "2023,06,07");
  wgm.replace(300, 5, "10,00");
  wgm.replace(309, 5, "10,30");
  wgm.replace(485, 1, "0");
  std::ofstream(dir / "dive.wgm", std::ios::binary) << wgm;
  const std::string log = file("types.log");
  ASSERT_EQ(run({"import-citizen", log, file("dive.wgm")}), 0) << err;
  EXPECT_EQ(run({"computer-types", "--logbook", log, "--edit", "120", "--gas", "air"}), 1);
  EXPECT_EQ(run({"computer-types", "--logbook", log, "--edit", "120", "--ident", "121"}), 1);
  EXPECT_EQ(run({"computer-types", "--logbook", log, "--delete", "120"}), 1);
  EXPECT_NE(err.find("Zeta Nitrox"), std::string::npos);

  ASSERT_EQ(run({"computer-types", "--edit", "120", "--ident", "121"}), 0) << err;
  ASSERT_EQ(run({"computer-types", "--delete", "121"}), 0) << err;
  EXPECT_EQ(out.find("Zeta Nitrox"), std::string::npos);
  EXPECT_EQ(readFile(dir / "config" / "Ctyp.ini").find("Zeta Nitrox"), std::string::npos);
}

}  // namespace
