#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "core/dive_record.h"
#include "core/language.h"
#include "core/strings.h"
#include "core/texts.h"

using namespace kelp;

namespace {

// The kind of each printf conversion of a format, in order: length modifier and conversion
// ("d", "s", "ld", "c"...). Flags, width and precision may differ between languages.
std::vector<std::string> conversions(const std::string& f) {
  std::vector<std::string> out;
  for (size_t i = 0; i < f.size(); ++i) {
    if (f[i] != '%') continue;
    ++i;
    if (i < f.size() && f[i] == '%') continue;
    while (i < f.size() && std::string("-+ #0").find(f[i]) != std::string::npos) ++i;
    while (i < f.size() && (std::isdigit(static_cast<unsigned char>(f[i])) || f[i] == '.' || f[i] == '*'))
      ++i;
    std::string kind;
    while (i < f.size() && std::string("hlLqjzt").find(f[i]) != std::string::npos) kind += f[i++];
    if (i < f.size()) kind += f[i];
    out.push_back(kind);
  }
  return out;
}

// Runs the body with the given language and goes back to Italian after it.
class InLanguage {
 public:
  explicit InLanguage(Language l) { setLanguage(l); }
  ~InLanguage() { setLanguage(Language::Italian); }
};

}  // namespace

TEST(LanguageTables, EveryItalianTextHasAnEnglishOneWithTheSameFormat) {
  const std::vector<int> english = stringIds(Language::English);
  std::vector<int> missing;
  for (int id : stringIds(Language::Italian)) {
    if (!std::binary_search(english.begin(), english.end(), id)) {
      missing.push_back(id);
      continue;
    }
    const std::string& it = str(Language::Italian, id);
    const std::string& en = str(Language::English, id);
    EXPECT_EQ(conversions(it), conversions(en)) << "id " << id << ": \"" << it << "\" / \"" << en << "\"";
    EXPECT_EQ(en.empty(), it.empty()) << "id " << id;
  }
  EXPECT_TRUE(missing.empty()) << "first id without English text: " << missing.front();
  // No English entry for an id Italian does not know: that would be a mistyped id.
  const std::vector<int> italian = stringIds(Language::Italian);
  for (int id : english)
    EXPECT_TRUE(std::binary_search(italian.begin(), italian.end(), id)) << "English only: " << id;
}

TEST(LanguageTables, NoIdHasTwoDifferentTextsInEitherLanguage) {
  EXPECT_TRUE(conflictingStringIds(Language::Italian).empty());
  EXPECT_TRUE(conflictingStringIds(Language::English).empty());
}

TEST(LanguageTables, TheFormatCheckSeesKindAndOrder) {
  EXPECT_EQ(conversions("%2d.%4d (%-4s x) 100%% %.1f %ld %c"),
            (std::vector<std::string>{"d", "d", "s", "f", "ld", "c"}));
}

TEST(LanguageTables, TheTextsFollowTheLanguageOfTheRun) {
  const int32_t date = dayNumber(5, 5, 2026);  // a Tuesday in May
  EXPECT_EQ(str(62764), "Italiano");
  EXPECT_EQ(formatDateLong(date), "Ma, 05.Mag.2026");
  EXPECT_EQ(weatherText(5), "Temporale");
  {
    InLanguage english(Language::English);
    EXPECT_EQ(str(62764), "English");  // the about box and the address book look at it
    EXPECT_EQ(formatDateLong(date), "Tu, 05.May.2026");
    EXPECT_EQ(weatherText(5), "Storm");
    EXPECT_EQ(suitText(6), "Dry suit");
    EXPECT_EQ(tankMaterialText(1), "Steel");
    EXPECT_EQ(strf(62589, 17), "Delete dive #17?");
    DiveRecord r{};
    r.diveTypeFlags = (1u << kDiveSeaWater) | (1u << 2);
    EXPECT_EQ(diveTypeText(r), "No-stop, Salt water");
    // The German internal texts stay whatever the language.
    useInterfaceTexts(false);
    EXPECT_EQ(weatherText(5), "Sturm");
    useInterfaceTexts(true);
  }
  EXPECT_EQ(str(Language::English, 62588), "Untitled.log");
  EXPECT_EQ(str(Language::Italian, 62588), "Senzanome.log");
}
