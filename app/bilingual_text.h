#pragma once

#include <string>
#include <string_view>

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

// Cuts an "English||Korean" text in place to the half for the current language.
void PickLanguageText(std::string& text, bool korean);
void PickLanguageText(std::string& text);

}  // namespace tamberlyx
