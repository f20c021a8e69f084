#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/ini_file.h"
#include "core/language.h"
#include "core/settings.h"
#include "tests/test_support.h"

using namespace kelp;

namespace {

LanguageInputs locale(std::string languageVar, std::string lcAll, std::string lcMessages,
                      std::string lang) {
  LanguageInputs in;
  in.languageVar = std::move(languageVar);
  in.lcAll = std::move(lcAll);
  in.lcMessages = std::move(lcMessages);
  in.lang = std::move(lang);
  return in;
}

// Sets an environment variable for the life of the object, restoring the old value after.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~ScopedEnv() {
    if (had_) setenv(name_, old_.c_str(), 1);
    else unsetenv(name_);
  }
 private:
  const char* name_;
  bool had_ = false;
  std::string old_;
};

}  // namespace

TEST(LanguageTest, TheFirstLocaleVariableSetDecides) {
  EXPECT_EQ(resolveLanguage({}), Language::Italian);  // nothing set
  EXPECT_EQ(resolveLanguage(locale("", "", "", "en_GB.UTF-8")), Language::English);
  EXPECT_EQ(resolveLanguage(locale("", "", "", "en")), Language::English);
  EXPECT_EQ(resolveLanguage(locale("", "", "EN_us", "it_IT.UTF-8")), Language::English);
  EXPECT_EQ(resolveLanguage(locale("", "C.UTF-8", "en_US", "en_US")), Language::Italian);
  EXPECT_EQ(resolveLanguage(locale("", "POSIX", "", "en_US")), Language::Italian);
  EXPECT_EQ(resolveLanguage(locale("", "", "", "C")), Language::Italian);
  EXPECT_EQ(resolveLanguage(locale("de_DE", "", "", "en_US")), Language::Italian);
  EXPECT_EQ(resolveLanguage(locale("it:en", "en_US", "", "")), Language::Italian);
  EXPECT_EQ(resolveLanguage(locale("en:it", "it_IT", "", "")), Language::English);
  // A list goes on to its first language the program has.
  EXPECT_EQ(resolveLanguage(locale("de:en:it", "", "", "")), Language::English);
  // "english" and "eno" are not "en".
  EXPECT_EQ(resolveLanguage(locale("", "", "", "english")), Language::Italian);
  EXPECT_EQ(resolveLanguage(locale("", "", "", "en@euro")), Language::English);
}

TEST(LanguageTest, ExplicitChoicesOverrideInOrder) {
  LanguageInputs in = locale("", "", "", "en_US.UTF-8");
  in.iniChoice = "it";
  EXPECT_EQ(resolveLanguage(in), Language::Italian);  // the setting beats the locale
  in.kelpLang = "en";
  EXPECT_EQ(resolveLanguage(in), Language::English);  // the environment beats the setting
  in.callChoice = "IT";
  EXPECT_EQ(resolveLanguage(in), Language::Italian);  // the call beats everything
  // Values a level does not know pass the decision on.
  in = locale("", "", "", "en_US");
  in.callChoice = "fr";
  in.kelpLang = "english";
  in.iniChoice = "xx";
  EXPECT_EQ(resolveLanguage(in), Language::English);
}

TEST(LanguageTest, CodesAndNames) {
  for (Language l : kLanguages) EXPECT_EQ(languageFromCode(languageCode(l)), l);
  EXPECT_EQ(languageFromCode(" en\n"), Language::English);
  EXPECT_FALSE(languageFromCode("").has_value());
  EXPECT_FALSE(languageFromCode("e").has_value());
  EXPECT_STREQ(languageDisplayName(Language::Italian), "Italiano");
  EXPECT_STREQ(languageDisplayName(Language::English), "English");
}

TEST(LanguageTest, TheEnvironmentAndTheSettingsFileDecide) {
  kelp::test::ScratchDir dir("kelp-language");
  ScopedEnv config("KELP_CONFIG_DIR", dir.path().c_str());
  ScopedEnv kelpLang("KELP_LANG", nullptr);
  ScopedEnv languageVar("LANGUAGE", nullptr);
  ScopedEnv lcAll("LC_ALL", nullptr);
  ScopedEnv lcMessages("LC_MESSAGES", "en_AU.UTF-8");
  ScopedEnv lang("LANG", "it_IT.UTF-8");
  EXPECT_EQ(languageFromEnvironment(), Language::English);
  kelp::test::writeFile(dir.file("Kelp.ini"), "[Ansicht]\nMetrisch=1\nSprache=it\n");
  EXPECT_EQ(languageFromEnvironment(), Language::Italian);
  {
    ScopedEnv forced("KELP_LANG", "en");
    EXPECT_EQ(languageFromEnvironment(), Language::English);
    EXPECT_EQ(languageFromEnvironment("it"), Language::Italian);
  }
}

TEST(LanguageTest, TheSettingIsWrittenOnlyOnceChosen) {
  const std::string before = "[Ansicht]\nMetrisch=1\n";
  IniFile ini;
  ini.parse(before);
  Settings s;
  readSettings(s, ini);
  EXPECT_EQ(s.language, "");
  IniFile untouched;
  untouched.parse(before);
  writeSettings(s, untouched);
  EXPECT_FALSE(untouched.has("Ansicht", "Sprache"));

  s.language = "en";
  writeSettings(s, ini);
  EXPECT_EQ(readLanguageSetting(ini), "en");
  Settings back;
  readSettings(back, ini);
  EXPECT_EQ(back.language, "en");
}
