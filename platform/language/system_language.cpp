#include "platform/language/system_language.h"

#include <cstdlib>
#include <string_view>

#include "text/bilingual_text.h"
#include "text/string_table.h"

namespace tamberlyx {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

const std::string& FirstSet(const std::string& first, const std::string& second) {
  return first.empty() ? second : first;
}

// "ko", "ko_KR", "ko_KR.UTF-8", "ko_KR.eucKR@euro" are all Korean; "C", "kok_IN" are not.
bool IsKoreanLocale(std::string_view locale) {
  const std::size_t end = locale.find_first_of("_.@");
  return locale.substr(0, end) == "ko";
}

std::string_view FirstEntry(std::string_view list) {
  return list.substr(0, list.find(':'));
}

}  // namespace

LocaleEnvironment ReadLocaleEnvironment() {
  return LocaleEnvironment{Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG"),
                           Variable("LANGUAGE")};
}

bool IsKoreanSystem(const LocaleEnvironment& environment) {
  const std::string& defaultLanguage = FirstSet(environment.lcAll, environment.lang);
  std::string_view messagesLanguage = FirstEntry(environment.language);
  if (messagesLanguage.empty()) {
    messagesLanguage =
        FirstSet(environment.lcAll, FirstSet(environment.lcMessages, environment.lang));
  }
  return IsKoreanLocale(defaultLanguage) && IsKoreanLocale(messagesLanguage);
}

bool IsKoreanSystem() {
  return IsKoreanSystem(ReadLocaleEnvironment());
}

void PickLanguageText(std::string& text) {
  PickLanguageText(text, IsKoreanSystem());
}

std::string LoadText(unsigned id) {
  return LoadText(id, IsKoreanSystem());
}

}  // namespace tamberlyx
