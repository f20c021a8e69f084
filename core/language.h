#pragma once
// The language the program speaks. Italian is the program's own language and its default;
// English is the second one. The choice is made once at start and holds for the whole run
// (the string table, the enumeration texts, the tips and, on the Qt side, the translators).
//
// Who decides, strongest first:
//   1. the call's own choice (kelp-cli --lang it|en),
//   2. the environment variable KELP_LANG (it, en),
//   3. Kelp.ini [Ansicht] Sprache (it, en), written only once the user chose a language,
//   4. the desktop's locale: the first one set of LANGUAGE, LC_ALL, LC_MESSAGES, LANG gives
//      English when it names English ("en", "en_GB.UTF-8", "en:it"), Italian otherwise
//      (the C and POSIX locales included).
// A value a level does not understand ("fr", "xx") passes the decision to the next level.
#include <optional>
#include <string>
#include <string_view>

namespace kelp {

enum class Language { Italian, English };

// Every language the program has, in the order a chooser lists them.
inline constexpr Language kLanguages[] = {Language::Italian, Language::English};

// "it" / "en": the code stored in Kelp.ini and taken by KELP_LANG and --lang.
const char* languageCode(Language l);
// The language's name in itself ("Italiano", "English"), as a chooser lists it.
const char* languageDisplayName(Language l);
// The language of a code ("it", "en", any case, surrounding blanks ignored); none otherwise.
std::optional<Language> languageFromCode(std::string_view code);
// The language a locale value names: English for "en", "en_US.UTF-8", "en@euro";
// Italian for "it_IT"; none for any other language, for "C", "POSIX" and for "".
// A colon list ("de:en:it", as LANGUAGE holds) gives the first entry that names one of ours.
std::optional<Language> languageOfLocale(std::string_view value);

// The values the choice is made from; an empty value counts as not set.
struct LanguageInputs {
  std::string callChoice;  // kelp-cli --lang
  std::string kelpLang;    // $KELP_LANG
  std::string iniChoice;   // Kelp.ini [Ansicht] Sprache
  std::string languageVar, lcAll, lcMessages, lang;  // $LANGUAGE, $LC_ALL, $LC_MESSAGES, $LANG
};
// The rule above, over the given values only.
Language resolveLanguage(const LanguageInputs& in);

// The rule over the real environment, with the Kelp.ini value read from configDir().
Language languageFromEnvironment(const std::string& callChoice = "");

// Kelp.ini's Sprache after the settings dialog: the code of the picked language when the user
// picked another one than the dialog showed at first, else the stored value as it was (so the
// key is written only once a language was chosen).
std::string languageSettingAfterChoice(const std::string& stored, Language shown, Language picked);

// The language of this run (Italian until set).
Language language();
void setLanguage(Language l);

}  // namespace kelp
