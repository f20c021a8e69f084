#include "core/language.h"

#include <atomic>
#include <cstdlib>

#include "core/ini_file.h"
#include "core/settings.h"

namespace kelp {
namespace {

std::atomic<Language> gLanguage{Language::Italian};

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
    s.remove_suffix(1);
  return s;
}

// One locale name ("en_GB.UTF-8", "it", "C"): the language part before '_', '.', '@' or '-'.
std::optional<Language> languageOfOneLocale(std::string_view name) {
  name = trimmed(name);
  size_t end = name.find_first_of("_.@-");
  std::string lang;
  for (char c : name.substr(0, end)) lang += lower(c);
  if (lang == "en") return Language::English;
  if (lang == "it") return Language::Italian;
  return std::nullopt;
}

std::string envValue(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

}  // namespace

const char* languageCode(Language l) { return l == Language::English ? "en" : "it"; }

const char* languageDisplayName(Language l) {
  return l == Language::English ? "English" : "Italiano";
}

std::optional<Language> languageFromCode(std::string_view code) {
  code = trimmed(code);
  if (code.size() != 2) return std::nullopt;
  std::string c{lower(code[0]), lower(code[1])};
  if (c == "en") return Language::English;
  if (c == "it") return Language::Italian;
  return std::nullopt;
}

std::optional<Language> languageOfLocale(std::string_view value) {
  while (!value.empty()) {
    size_t colon = value.find(':');
    if (auto l = languageOfOneLocale(value.substr(0, colon))) return l;
    if (colon == std::string_view::npos) break;
    value.remove_prefix(colon + 1);
  }
  return std::nullopt;
}

Language resolveLanguage(const LanguageInputs& in) {
  for (const std::string* explicitChoice : {&in.callChoice, &in.kelpLang, &in.iniChoice})
    if (auto l = languageFromCode(*explicitChoice)) return *l;
  // The first locale variable that is set decides alone, as the C library reads them.
  for (const std::string* v : {&in.languageVar, &in.lcAll, &in.lcMessages, &in.lang}) {
    if (trimmed(*v).empty()) continue;
    return languageOfLocale(*v).value_or(Language::Italian);
  }
  return Language::Italian;
}

Language languageFromEnvironment(const std::string& callChoice) {
  LanguageInputs in;
  in.callChoice = callChoice;
  in.kelpLang = envValue("KELP_LANG");
  IniFile ini(configFilePath("Kelp.ini"));
  ini.load();
  in.iniChoice = readLanguageSetting(ini);
  in.languageVar = envValue("LANGUAGE");
  in.lcAll = envValue("LC_ALL");
  in.lcMessages = envValue("LC_MESSAGES");
  in.lang = envValue("LANG");
  return resolveLanguage(in);
}

std::string languageSettingAfterChoice(const std::string& stored, Language shown, Language picked) {
  return picked == shown ? stored : std::string(languageCode(picked));
}

Language language() { return gLanguage.load(std::memory_order_relaxed); }

void setLanguage(Language l) { gLanguage.store(l, std::memory_order_relaxed); }

}  // namespace kelp
