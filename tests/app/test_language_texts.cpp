// The menus and the tips of the day in both languages.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "app/command_rules.h"
#include "app/tips.h"
#include "core/language.h"
#include "core/strings.h"

using namespace kelp;

namespace {

class English : public ::testing::Test {
 protected:
  void SetUp() override { setLanguage(Language::English); }
  void TearDown() override { setLanguage(Language::Italian); }
};

// Tips of a file in order, up to its first repeat.
std::vector<std::string> allTips(const std::filesystem::path& p) {
  TipsFile f;
  std::vector<std::string> out;
  if (!f.open(p.string())) return out;
  std::string tip;
  while (f.next(tip) && (out.empty() || tip != out.front()) && out.size() < 1000) out.push_back(tip);
  return out;
}

const std::filesystem::path kData = std::filesystem::path(KELP_TEST_DATA_DIR).parent_path().parent_path() / "data";

}  // namespace

TEST(MenuTexts, ItalianMenusAreTheTablesOwnTexts) {
  for (const CommandInfo& c : commandTable()) {
    if (c.id == 0) continue;
    const std::string expected = c.id == cmd::TipOfTheDay ? str(106) : c.text;
    EXPECT_EQ(commandMenuText(c), expected) << c.id;
    const std::string path = c.menu;
    const std::string last = path.substr(path.rfind('/') + 1);
    EXPECT_EQ(menuTitle(path), last);
  }
}

TEST_F(English, EveryMenuAndCommandHasItsEnglishText) {
  std::map<std::string, std::set<std::string>> textsOfMenu;
  for (const CommandInfo& c : commandTable()) {
    if (c.id == 0) continue;
    const std::string text = commandMenuText(c);
    EXPECT_FALSE(text.empty()) << c.id;
    // Within one menu two commands never share a text.
    EXPECT_TRUE(textsOfMenu[menuTitle(c.menu)].insert(text).second) << text << " twice in " << c.menu;
    const std::string italian = c.text;
    static const std::set<std::string> sameWord = {"Computers", "Tips and Tricks..."};
    if (!sameWord.count(italian)) EXPECT_NE(text, italian) << c.id << " keeps its Italian text";
  }
  EXPECT_EQ(commandMenuText(*findCommand(cmd::FileOpen)), "Open...");
  EXPECT_EQ(commandMenuText(*findCommand(cmd::NewDive)), "New dive");
  EXPECT_EQ(commandMenuText(*findCommand(cmd::SelectionCopy)), "Copy");
  EXPECT_EQ(menuTitle("Crea/Aggiungi imm. selezionate"), "Selected dives");
  EXPECT_EQ(menuTitle("Aiuto"), "Help");
  EXPECT_EQ(menuTitle("?"), "?");
}

TEST(TipsFiles, EachLanguageHasItsFileWithTheSameTips) {
  const auto italian = allTips(kData / "tips.txt");
  const auto english = allTips(kData / "tips_en.txt");
  EXPECT_GE(italian.size(), 24u);
  EXPECT_EQ(english.size(), italian.size());
  for (size_t i = 0; i < english.size() && i < italian.size(); ++i) EXPECT_NE(english[i], italian[i]) << i;
}
