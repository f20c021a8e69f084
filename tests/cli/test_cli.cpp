// Runs the built kelp-cli on generated demo logbooks.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/version.h"
#include "tests/cli/cli_test_support.h"

namespace fs = std::filesystem;
using namespace kelp::test;

namespace {

std::vector<std::string> lines(const std::string& s) {
  std::vector<std::string> out;
  std::istringstream in(s);
  for (std::string l; std::getline(in, l);) out.push_back(l);
  return out;
}

bool validUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (n < 0 || i + n >= s.size()) return false;
    for (int k = 1; k <= n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += static_cast<size_t>(n) + 1;
  }
  return true;
}

class Cli : public CliTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(CliTest::SetUp());
    demo = (dir / "demo.log").string();
    CliRun r = run({"demo", demo, "--dives", "60"});
    ASSERT_EQ(r.code, 0) << r.err;
  }

  nlohmann::json showJson(int pos, const std::string& units) {
    CliRun r = run({"show", demo, std::to_string(pos), "--json", units});
    EXPECT_EQ(r.code, 0) << r.err;
    return nlohmann::json::parse(r.out);
  }

  std::string demo;
};

TEST_F(Cli, InfoAndListDescribeTheWholeLogbook) {
  CliRun info = run({"info", demo});
  ASSERT_EQ(info.code, 0) << info.err;
  EXPECT_NE(info.out.find("Numero tot: 60\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Primo numero: 1\n"), std::string::npos);
  EXPECT_TRUE(std::regex_search(info.out, std::regex("Tempo tot\\. immersione: [0-9]+:[0-5][0-9]\n")));
  EXPECT_TRUE(std::regex_search(info.out, std::regex("Media consumo aria\\.: [0-9]+\\.[0-9] l/min\n")));

  CliRun list = run({"list", demo});
  ASSERT_EQ(list.code, 0) << list.err;
  EXPECT_TRUE(validUtf8(list.out));
  const auto ls = lines(list.out);
  ASSERT_EQ(ls.size(), 60u);
  const std::regex shape("([ PH])\t([0-9]{5})\t[0-9]{2}\\.[0-9]{2}\\.[0-9]{2}\t[^\t]+");
  for (size_t i = 0; i < ls.size(); ++i) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(ls[i], m, shape)) << ls[i];
    EXPECT_EQ(std::stoi(m[2].str()), static_cast<int>(i) + 1);
    EXPECT_NE(ls[i].back(), ' ');  // no ", " left over when the site is empty
  }
}

TEST_F(Cli, ShowJsonHasEveryFieldAndFollowsTheUnits) {
  const char* textKeys[] = {"diveNumber", "date", "timeOfDay", "location", "site", "altitudeClass",
                            "surfaceInterval", "weather", "airTemperature", "suit", "tankSize",
                            "maxDepth", "avgDepth", "diveTime", "minWaterTemperature", "airConsumed",
                            "sac", "startPressure", "visibility", "weight", "tankMaterial",
                            "suitDescription", "buddies", "otherActivities", "computerType", "notes",
                            "diveType", "activities", "warnings", "profileKind"};
  int compared = 0;
  for (int pos = 1; pos <= 60; ++pos) {
    const auto m = showJson(pos, "--metric");
    for (const char* k : textKeys) ASSERT_TRUE(m.contains(k) && m[k].is_string()) << k << " at " << pos;
    for (const char* k : {"sampleCount", "profileMaxDepth", "profileAvgDepth"})
      ASSERT_TRUE(m.contains(k) && m[k].is_number()) << k;
    EXPECT_EQ(m["diveNumber"], std::to_string(pos));
    if (m["maxDepth"] == "" || m["tankSize"] == "" || m["airConsumed"] == "") continue;
    const auto i = showJson(pos, "--imperial");
    // the record is metric; only the texts change
    EXPECT_EQ(i["sampleCount"], m["sampleCount"]);
    EXPECT_EQ(i["date"], m["date"]);
    const double mD = std::stod(m["maxDepth"].get<std::string>());
    const double iD = std::stod(i["maxDepth"].get<std::string>());
    EXPECT_NEAR(iD, mD * 3.280846, 0.7) << pos;
    EXPECT_EQ(m["tankSize"].get<std::string>().find('.') != std::string::npos, true);
    EXPECT_NEAR(std::stod(i["tankSize"].get<std::string>()), std::stod(m["tankSize"].get<std::string>()) * 7, 0.6);
    const double bar = std::stod(m["airConsumed"].get<std::string>());
    const double psi = std::stod(i["airConsumed"].get<std::string>());
    EXPECT_NEAR(psi, bar * 14.5, bar * 0.01 + 1);
    EXPECT_NE(i["altitudeClass"], m["altitudeClass"]);
    ++compared;
    if (compared >= 8) break;
  }
  EXPECT_GE(compared, 8);
}

TEST_F(Cli, ShowTextUsesTheFormLabelsAndUnits) {
  CliRun m = run({"show", demo, "1"});
  ASSERT_EQ(m.code, 0) << m.err;
  EXPECT_TRUE(validUtf8(m.out));
  EXPECT_TRUE(std::regex_search(m.out, std::regex("\nData: [A-Z][a-z], [0-9]{2}\\.[A-Z][a-z]{2}\\.[0-9]{4}\n")));
  EXPECT_TRUE(std::regex_search(m.out, std::regex("\nProf\\.Max\\.: [0-9]+\\.[0-9] m\n"))) << m.out;
  EXPECT_TRUE(std::regex_search(m.out, std::regex("\nLocalità: .+\n")));
  EXPECT_NE(m.out.find("\nNumero imm.: 1\n"), std::string::npos);
  CliRun i = run({"show", demo, "1", "--imperial"});
  ASSERT_EQ(i.code, 0);
  EXPECT_TRUE(std::regex_search(i.out, std::regex("\nProf\\.Max\\.: [0-9]+ ft\n"))) << i.out;
}

// A decimal-comma locale changes neither the printed numbers nor the files written.
TEST_F(Cli, OutputIgnoresTheProcessLocale) {
  const char* locale = nullptr;
  for (const char* c : {"de_DE.UTF-8", "de_DE.utf8"})
    if (std::setlocale(LC_ALL, c)) {
      locale = c;
      break;
    }
  std::setlocale(LC_ALL, "C");
  if (!locale) GTEST_SKIP() << "no decimal-comma locale installed";
  const std::string env = std::string("LC_ALL=") + locale;
  const std::vector<std::vector<std::string>> commands = {
      {"info", demo},         {"list", demo},
      {"show", demo, "7"},    {"show", demo, "7", "--imperial"},
      {"show", demo, "12", "--json"}, {"show", demo, "12", "--json", "--imperial"}};
  for (const auto& args : commands) {
    const CliRun c = run(args);
    const CliRun de = run(args, env);
    ASSERT_EQ(de.code, 0) << de.err;
    EXPECT_EQ(de.out, c.out) << args[0] << " " << args.back();
  }
  const CliRun show = run({"show", demo, "7"}, env);
  EXPECT_TRUE(std::regex_search(show.out, std::regex("\nProf\\.Max\\.: [0-9]+\\.[0-9] m\n"))) << show.out;
  EXPECT_TRUE(std::regex_search(show.out, std::regex("\nDim bombola: [0-9]+\\.[0-9] l\n"))) << show.out;

  const std::string a = (dir / "a.log").string(), b = (dir / "b.log").string();
  ASSERT_EQ(run({"save-as", demo, a}, env).code, 0);
  ASSERT_EQ(run({"demo", b, "--dives", "60"}, env).code, 0);
  EXPECT_EQ(readFile(a), readFile(demo));
  EXPECT_EQ(readFile(b), readFile(demo));
  EXPECT_EQ(readFile(dir / "a.add"), readFile(dir / "demo.add"));
}

TEST_F(Cli, SaveAsWritesTheSameBytesAsASecondSave) {
  const std::string a = (dir / "a.log").string(), b = (dir / "b.log").string();
  ASSERT_EQ(run({"save-as", demo, a}).code, 0);
  ASSERT_EQ(run({"save-as", a, b}).code, 0);
  ASSERT_TRUE(fs::exists(dir / "a.add"));
  EXPECT_EQ(readFile(dir / "a.log"), readFile(dir / "b.log"));
  EXPECT_EQ(readFile(dir / "a.add"), readFile(dir / "b.add"));
  // nothing is lost against the generated file either
  EXPECT_EQ(readFile(demo), readFile(dir / "a.log"));
  EXPECT_EQ(readFile(dir / "demo.add"), readFile(dir / "a.add"));
}

TEST_F(Cli, ErrorsGoToStderrWithNonZeroExit) {
  const std::vector<std::vector<std::string>> bad = {
      {"info", (dir / "missing.log").string()},
      {"list", dir.string()},  // a folder, not a logbook
      {"show", demo, "0"},
      {"show", demo, "61"},
      {"show", demo, "x1"},
      {"show", demo},
      {"save-as", (dir / "missing.log").string(), (dir / "out.log").string()},
      {"save-as", demo, (dir / "no-such-folder" / "out.log").string()},
      {"demo", (dir / "d.log").string(), "--dives", "many"},
      {"no-such-command"},
  };
  for (const auto& args : bad) {
    CliRun r = run(args);
    EXPECT_NE(r.code, 0) << args[0] << " " << (args.size() > 1 ? args[1] : "");
    EXPECT_FALSE(r.err.empty()) << args[0];
    EXPECT_EQ(r.out.find("Numero"), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(dir / "out.log"));
}

// The parser refuses what a command does not take, names it, shows the usage and does nothing.
TEST_F(Cli, ParserRefusesUnknownOptionsSurplusArgumentsAndBadValues) {
  const std::string d = (dir / "d.log").string(), img = (dir / "img.bin").string(),
                    csv = (dir / "o.csv").string();
  const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
      {{"show", demo, "3", "--jsn"}, "--jsn"},
      {{"show", demo, "3", "extra"}, "extra"},
      {{"show", demo, "3", "info"}, "info"},  // a command's name is no second command
      {{"show", demo}, "POSITION is required"},
      {{"show", demo, "0"}, "0 is not a dive position"},
      {{"show", demo, "+3"}, "+3 is not a dive position"},
      {{"show", demo, "40000"}, "40000 is not a dive position"},
      {{"show", demo, "99999999999999999999999"}, "is not a dive position"},
      {{"show", demo, "3", "--imperial", "--metric"}, "--imperial excludes --metric"},
      {{"demo", d, "--dives", "-3"}, "--dives"},
      {{"demo", d, "--dives", "32768"}, "32768 is not a whole number from 0 to 32767"},
      {{"demo", d, "--seed", "1.5"}, "--seed"},
      {{"demo", d, "--dives"}, "--dives"},
      {{"make-image", "--from", demo, img, "--model", "256"}, "--model"},
      {{"make-image", "--from", demo, img, "--serial", "16777216"}, "--serial"},
      {{"make-image", img}, "--from is required"},
      {{"decode", img, "--now", "yesterday"}, "yesterday is not a time"},
      {{"export-csv", demo, csv, "--fields", "1,26"}, "1,26 is not a field list"},
      {{"export-csv", demo, csv, "--fields", "1,,2"}, "--fields"},
      {{"export-csv", demo, csv, "--fields", "1", "--hms"}, "--hms requires --profile"},
      {{"export-csv", demo, csv, "--fields", "1", "--first", "3x"}, "3x is not a dive number"},
      {{"export-csv", demo, csv, "--fields", "1", "--profile", "abc"}, "abc is not a dive number"},
      {{"--bogus", "list", demo}, "--bogus"},
      {{"--imperial"}, "subcommand is required"},
  };
  for (const auto& [args, says] : bad) {
    const CliRun r = run(args);
    std::string call;
    for (const auto& a : args) call += a + " ";
    EXPECT_EQ(r.code, 1) << call;
    EXPECT_TRUE(r.out.empty()) << call;
    EXPECT_NE(r.err.find(says), std::string::npos) << call << "\n" << r.err;
    EXPECT_NE(r.err.find("usage: kelp-cli "), std::string::npos) << call;
  }
  EXPECT_FALSE(fs::exists(d));
  EXPECT_FALSE(fs::exists(img));
  EXPECT_FALSE(fs::exists(csv));
  const CliRun none = run({});
  EXPECT_EQ(none.code, 2);
  EXPECT_NE(none.err.find("commands:"), std::string::npos);
}

TEST_F(Cli, OptionsTakeEitherSpellingAndUnitsStandAnywhere) {
  const std::string a = (dir / "a.log").string(), b = (dir / "b.log").string();
  ASSERT_EQ(run({"demo", a, "--dives=7", "--seed=3"}).code, 0);
  ASSERT_EQ(run({"demo", b, "--seed", "3", "--dives", "7"}).code, 0);
  EXPECT_EQ(readFile(a), readFile(b));
  const std::string imperial = run({"show", demo, "2", "--imperial"}).out;
  EXPECT_NE(imperial.find(" ft\n"), std::string::npos);
  EXPECT_EQ(run({"--imperial", "show", demo, "2"}).out, imperial);
  EXPECT_EQ(run({"show", "--imperial", demo, "2"}).out, imperial);
  EXPECT_NE(run({"show", demo, "2", "--imperial"}).out, run({"show", demo, "2", "--metric"}).out);
  // a file that bears a command's name is a file
  fs::copy_file(demo, dir / "info");
  const CliRun l = run({"list", "info"}, "cd '" + dir.string() + "' &&");
  ASSERT_EQ(l.code, 0) << l.err;
  EXPECT_EQ(l.out, run({"list", demo}).out);
}

TEST_F(Cli, HelpAndVersion) {
  const CliRun v = run({"--version"});
  EXPECT_EQ(v.code, 0);
  EXPECT_NE(v.out.find(kelp::kVersionText), std::string::npos) << v.out;
  const CliRun h = run({"show", "--help"});
  EXPECT_EQ(h.code, 0);
  EXPECT_TRUE(h.err.empty()) << h.err;
  for (const char* s : {"LOGBOOK", "POSITION", "--json", "--imperial", "--metric"})
    EXPECT_NE(h.out.find(s), std::string::npos) << s;
  EXPECT_EQ(run({"help", "show"}).out, h.out);
  EXPECT_EQ(run({"show", demo, "3", "--json", "--help"}).code, 0);
  EXPECT_EQ(run({"--help"}).out, run({"help"}).out);
}

// "kelp-cli help" names every command with a usage line that matches the options the command
// takes, and the README's table documents each of them.
TEST_F(Cli, HelpAndReadmeTellTheTruthAboutEveryCommand) {
  const CliRun h = run({"help"});
  ASSERT_EQ(h.code, 0);
  const std::string readme = readFile(KELP_README_PATH);
  const std::regex option("--[a-z][a-z0-9-]*");
  int commands = 0;
  for (const std::string& l : lines(h.out.substr(h.out.find("commands:\n")))) {
    if (l.size() < 3 || l[0] != ' ' || l[2] == ' ') continue;
    const std::string usage = l.substr(2, l.find("  ", 2) - 2);
    const std::string name = usage.substr(0, usage.find(' '));
    ++commands;
    const CliRun c = run({name, "--help"});
    ASSERT_EQ(c.code, 0) << name;
    std::set<std::string> inUsage, inHelp;
    for (std::sregex_iterator i(usage.begin(), usage.end(), option), e; i != e; ++i) inUsage.insert(i->str());
    for (std::sregex_iterator i(c.out.begin(), c.out.end(), option), e; i != e; ++i) inHelp.insert(i->str());
    for (const char* global : {"--help", "--imperial", "--metric"}) inHelp.erase(global);
    EXPECT_EQ(inUsage, inHelp) << name;
    EXPECT_NE(readme.find("| `kelp-cli " + name + " "), std::string::npos) << name << " is not in README.md";
  }
  EXPECT_GE(commands, 10);
}

// A logbook file keeps no computer serial number: each run of decode --into a logbook with
// dives meets "another computer" and inserts only with --force.
TEST_F(Cli, DecodeIntoALogbookNeedsForceOnEveryRun) {
  const std::string img = (dir / "img.bin").string(), into = (dir / "into.log").string();
  ASSERT_EQ(run({"make-image", "--from", demo, img, "--serial", "4711", "--now", "2024-06-01 12:00"}).code, 0);
  const CliRun first = run({"decode", img, "--into", into, "--now", "2024-06-01 12:00"});
  ASSERT_EQ(first.code, 0) << first.err;
  EXPECT_EQ(lines(first.out).back(), "37");
  const std::string saved = readFile(into);
  // the same computer with dives newer than the logbook's last (an image written earlier
  // and read later gives later dates and other clock values)
  auto later = [&](const std::string& serial, const std::string& written, const std::string& read,
                   bool force) {
    EXPECT_EQ(run({"make-image", "--from", demo, img, "--serial", serial, "--now", written}).code, 0);
    std::vector<std::string> args = {"decode", img, "--into", into, "--now", read};
    if (force) args.push_back("--force");
    return run(args);
  };
  const CliRun again = later("4711", "2024-05-30 12:00", "2024-06-03 12:00", false);
  EXPECT_EQ(again.code, 1) << again.out;
  EXPECT_NE(again.err.find("does not keep the serial number"), std::string::npos) << again.err;
  EXPECT_NE(again.err.find("--force"), std::string::npos);
  EXPECT_EQ(readFile(into), saved);
  const CliRun forced = later("4711", "2024-05-30 12:00", "2024-06-03 12:00", true);
  ASSERT_EQ(forced.code, 0) << forced.err;
  EXPECT_GT(std::stoi(lines(forced.out).back()), 0);
  EXPECT_EQ(later("4711", "2024-05-29 12:00", "2024-06-05 12:00", false).code, 1);
  // a computer of serial number 0 matches the logbook's unknown one
  const CliRun zero = later("0", "2024-05-28 12:00", "2024-06-07 12:00", false);
  EXPECT_EQ(zero.code, 0) << zero.err;
  EXPECT_GT(std::stoi(lines(zero.out).back()), 0);
}

TEST_F(Cli, DemoIsDeterministicPerSeed) {
  const std::string a = (dir / "a.log").string(), b = (dir / "b.log").string(), c = (dir / "c.log").string();
  ASSERT_EQ(run({"demo", a, "--dives", "30", "--seed", "4"}).code, 0);
  ASSERT_EQ(run({"demo", b, "--dives", "30", "--seed", "4"}).code, 0);
  ASSERT_EQ(run({"demo", c, "--dives", "30", "--seed", "5"}).code, 0);
  EXPECT_EQ(readFile(a), readFile(b));
  EXPECT_NE(readFile(a), readFile(c));
  EXPECT_EQ(lines(run({"list", a}).out).size(), 30u);
}

}  // namespace
