#pragma once

#include <string>

namespace tamberlyx {

// The locale variables that decide the language, as the environment gives them.
struct LocaleEnvironment {
  std::string lcAll;
  std::string lcMessages;
  std::string lang;
  std::string language;  // LANGUAGE: a colon-separated preference list
};

LocaleEnvironment ReadLocaleEnvironment();

// True exactly when the system's default language is Korean and the system names languages in
// Korean: LC_ALL (else LANG) is Korean, and so is the messages language (LANGUAGE's first entry,
// else LC_ALL, else LC_MESSAGES, else LANG).
bool IsKoreanSystem(const LocaleEnvironment& environment);
bool IsKoreanSystem();  // asks the environment each time

// The half of a bilingual text, or of string `id` of the table, for the system's language.
void PickLanguageText(std::string& text);
std::string LoadText(unsigned id);

}  // namespace tamberlyx
