// kelp-cli's language: --lang, KELP_LANG, Kelp.ini's Sprache and the locale.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/cli/cli_test_support.h"

using namespace kelp::test;

namespace {

// The tests' own language choice (KELP_LANG=it) and the machine's locale stay out of these runs.
class CliLanguage : public CliTest {
 protected:
  void SetUp() override {
    for (const char* v : {"KELP_LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
      const char* old = std::getenv(v);
      saved_.push_back({v, old ? std::optional<std::string>(old) : std::nullopt});
      unsetenv(v);
    }
    ASSERT_NO_FATAL_FAILURE(CliTest::SetUp());
    demo = file("demo.log");
    CliRun r = run({"demo", demo, "--dives", "20"});
    ASSERT_EQ(r.code, 0) << r.err;
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
      else unsetenv(name.c_str());
    }
  }
  bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
  std::string demo;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace

TEST_F(CliLanguage, EachWayOfChoosingGivesTheSameEnglishPage) {
  const CliRun italian = run({"show", demo, "3"});
  ASSERT_EQ(italian.code, 0) << italian.err;
  EXPECT_TRUE(has(italian.out, "Prof.Max.:")) << italian.out;

  const CliRun flag = run({"show", demo, "3", "--lang", "en"});
  ASSERT_EQ(flag.code, 0) << flag.err;
  EXPECT_TRUE(has(flag.out, "Max. depth:")) << flag.out;
  EXPECT_TRUE(has(flag.out, "Total dives: 20\n")) << flag.out;
  for (const char* italianWord : {"Prof.", "Numero", "Località", "Compagni", "Meteo", "immersione"})
    EXPECT_FALSE(has(flag.out, italianWord)) << italianWord << " in\n" << flag.out;

  EXPECT_EQ(run({"--lang=en", "show", demo, "3"}, "KELP_LANG=it").out, flag.out);  // the call wins
  EXPECT_EQ(run({"show", demo, "3"}, "KELP_LANG=en").out, flag.out);
  EXPECT_EQ(run({"show", demo, "3"}, "LANG=en_GB.UTF-8").out, flag.out);
  EXPECT_EQ(run({"show", demo, "3"}, "LC_ALL=C LANGUAGE= LANG=en_GB.UTF-8").out, italian.out);

  kelp::test::writeFile(dir / "config" / "Kelp.ini", "[Ansicht]\nSprache=en\n");
  EXPECT_EQ(run({"show", demo, "3"}).out, flag.out);
  EXPECT_EQ(run({"show", demo, "3"}, "KELP_LANG=it").out, italian.out);
  // Reading the choice leaves Kelp.ini as it was.
  EXPECT_EQ(readFile(dir / "config" / "Kelp.ini"), "[Ansicht]\nSprache=en\n");
}

TEST_F(CliLanguage, JsonKeepsItsKeysAndNumbers) {
  const auto it = nlohmann::json::parse(run({"show", demo, "5", "--json"}).out);
  const auto en = nlohmann::json::parse(run({"show", demo, "5", "--json", "--lang", "en"}).out);
  ASSERT_EQ(it.size(), en.size());
  for (auto i = it.begin(), e = en.begin(); i != it.end(); ++i, ++e) {
    EXPECT_EQ(i.key(), e.key());
    if (!i.value().is_string()) EXPECT_EQ(i.value(), e.value()) << i.key();
  }
  EXPECT_EQ(it["maxDepth"], en["maxDepth"]);
  EXPECT_EQ(it["date"].get<std::string>().substr(4), en["date"].get<std::string>().substr(4));
}

TEST_F(CliLanguage, MessagesAndExportsFollowTheLanguage) {
  const CliRun missing = run({"info", file("none.log"), "--lang", "en"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_TRUE(has(missing.err, "file not found")) << missing.err;
  const CliRun fill = run({"fill", demo, "--first", "0", "--last", "3", "--lang", "en"});
  EXPECT_EQ(fill.code, 1);
  EXPECT_TRUE(has(fill.err, "Enter the dives")) << fill.err;

  ASSERT_EQ(run({"export-csv", demo, file("en.csv"), "--fields", "all", "--encoding", "utf8", "--lang", "en"}).code, 0);
  ASSERT_EQ(run({"export-csv", demo, file("it.csv"), "--fields", "all", "--encoding", "utf8"}).code, 0);
  const std::string en = readFile(dir / "en.csv"), it = readFile(dir / "it.csv");
  EXPECT_EQ(en.substr(0, en.find('\n')).find("Località"), std::string::npos);
  EXPECT_NE(en.substr(0, en.find('\n')).find("Location"), std::string::npos) << en.substr(0, 200);
  EXPECT_NE(it.substr(0, it.find('\n')).find("Località"), std::string::npos);
  // Only the header row differs.
  EXPECT_EQ(en.substr(en.find('\n')), it.substr(it.find('\n')));
}

TEST_F(CliLanguage, AnUnknownLanguageIsRefused) {
  const CliRun r = run({"info", demo, "--lang", "fr"});
  EXPECT_EQ(r.code, 1);
  EXPECT_TRUE(has(r.err, "--lang: fr is not a language")) << r.err;
  EXPECT_EQ(run({"info", demo, "--lang"}).code, 1);
}
