// kelp-cli print: the logbook's pages as a PDF whose text can be read back.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/cli_test_support.h"

namespace fs = std::filesystem;
using namespace kelp::test;

namespace {

class CliPrint : public CliTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(CliTest::SetUp());
    demo = (dir / "demo.log").string();
    ASSERT_EQ(run(KELP_CLI_PATH, {"demo", demo, "--dives", "75"}).code, 0);
  }

  CliRun run(const std::string& program, const std::vector<std::string>& args) {
    return runProgram(dir, program, args);
  }
  CliRun print(const std::vector<std::string>& options, const std::string& pdf = "out.pdf") {
    std::vector<std::string> args{"print", demo, (dir / pdf).string()};
    args.insert(args.end(), options.begin(), options.end());
    return run(KELP_CLI_PATH, args);
  }
  std::string text(const std::string& pdf = "out.pdf", int page = 0) {
    std::vector<std::string> args{"-layout"};
    if (page) args.insert(args.end(), {"-f", std::to_string(page), "-l", std::to_string(page)});
    args.insert(args.end(), {(dir / pdf).string(), "-"});
    return run("pdftotext", args).out;
  }
  int pages(const std::string& pdf = "out.pdf") {
    const std::string info = run("pdfinfo", {(dir / pdf).string()}).out;
    std::smatch m;
    return std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(m[1]) : -1;
  }
  static int count(const std::string& s, const std::string& what) {
    int n = 0;
    for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) ++n;
    return n;
  }

  std::string demo;
};

}  // namespace

TEST_F(CliPrint, DivePagesHoldTheRangeTwoAPage) {
  const CliRun r = print({"--first", "3", "--last", "7", "--separator"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");  // Qt's own notes stay quiet
  EXPECT_EQ(pages(), 3);
  const std::string all = text();
  for (int n = 3; n <= 7; ++n) EXPECT_NE(all.find("Numero imm: " + std::to_string(n) + " "), std::string::npos) << n;
  EXPECT_EQ(count(all, "Numero imm:"), 5);
  EXPECT_NE(all.find("<demo.log>"), std::string::npos);
  EXPECT_NE(all.find("Ausgedruckt am: "), std::string::npos);
  // Without a range the whole logbook is printed.
  ASSERT_EQ(print({}, "all.pdf").code, 0);
  EXPECT_EQ(pages("all.pdf"), 38);
}

TEST_F(CliPrint, LinesOnlyAndProfileOptions) {
  ASSERT_EQ(print({"--option", "lines", "--first", "1", "--last", "2"}).code, 0);
  const std::string lines = text();
  EXPECT_EQ(count(lines, "Numero imm:"), 2);
  EXPECT_EQ(count(lines, "Numero imm: 1"), 0);
  EXPECT_EQ(count(lines, "Firma/Timbro:"), 2);
  ASSERT_EQ(print({"--option", "profile", "--first", "1", "--last", "2"}, "p.pdf").code, 0);
  const std::string profile = text("p.pdf");
  EXPECT_EQ(count(profile, "Numero imm: "), 2);
  EXPECT_EQ(count(profile, "Firma/Timbro:"), 0);
}

TEST_F(CliPrint, ListAndCoverOnTheirPaper) {
  ASSERT_EQ(print({"--mode", "list", "--paper", "letter"}).code, 0);
  EXPECT_EQ(pages(), 2);
  EXPECT_NE(run("pdfinfo", {(dir / "out.pdf").string()}).out.find("letter"), std::string::npos);
  const std::string one = text("out.pdf", 1);
  EXPECT_NE(one.find("Lista imm"), std::string::npos);
  EXPECT_NE(one.find("Compagno"), std::string::npos);
  EXPECT_NE(text("out.pdf", 2).find("  75 "), std::string::npos);

  // The cover names the owner from the owner file beside the logbook.
  std::string inf(4 + 122, '\0');
  inf[0] = 100;
  inf.replace(4, 10, "Ugo Azzurr");
  std::ofstream(dir / "demo.inf", std::ios::binary) << inf;
  ASSERT_EQ(print({"--mode", "cover", "--first", "70", "--last", "1"}, "cover.pdf").code, 0);
  EXPECT_EQ(pages("cover.pdf"), 1);
  const std::string cover = text("cover.pdf");
  EXPECT_NE(cover.find("Logbook"), std::string::npos);
  EXPECT_NE(cover.find("Ugo Azzurr"), std::string::npos);
}

TEST_F(CliPrint, ErrorsLeaveNoFileAndSaySo) {
  CliRun r = run(KELP_CLI_PATH, {"print", (dir / "none.log").string(), (dir / "x.pdf").string()});
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find("file not found"), std::string::npos) << r.err;

  const std::string empty = (dir / "empty.log").string();
  ASSERT_EQ(run(KELP_CLI_PATH, {"demo", empty, "--dives", "0"}).code, 0);
  r = run(KELP_CLI_PATH, {"print", empty, (dir / "x.pdf").string()});
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find("no dives"), std::string::npos) << r.err;

  const std::string bad = (dir / "no" / "such" / "x.pdf").string();
  r = run(KELP_CLI_PATH, {"print", demo, bad});
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find(bad), std::string::npos) << r.err;

  r = print({"--mode", "poster"});
  EXPECT_NE(r.code, 0);
  r = print({"--first", "x"});
  EXPECT_NE(r.code, 0);
  EXPECT_FALSE(fs::exists(dir / "x.pdf"));
  EXPECT_FALSE(fs::exists(dir / "out.pdf"));
}

// kelp-cli's printed pages follow the language like the window's: the page painters' texts
// come from the program's English translation beside the executable.
TEST_F(CliPrint, PagesInEnglishCarryNoItalianLabel) {
  CliRun r = print({"--lang", "en", "--first", "1", "--last", "2"});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::string dives = text();
  for (const char* word : {"Dive no.:", "Location:", "Buddies:", "Signature/Stamp:", "Printed on:"})
    EXPECT_NE(dives.find(word), std::string::npos) << word;
  for (const char* word : {"Numero imm", "Compagno", "Firma", "Ausgedruckt"})
    EXPECT_EQ(dives.find(word), std::string::npos) << word;

  r = print({"--lang", "en", "--mode", "list"}, "list.pdf");
  ASSERT_EQ(r.code, 0) << r.err;
  const std::string list = text("list.pdf");
  EXPECT_NE(list.find("Dive list"), std::string::npos);
  EXPECT_EQ(list.find("Lista imm"), std::string::npos);
}
