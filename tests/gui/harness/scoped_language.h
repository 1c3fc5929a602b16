#pragma once

#include <QByteArray>

namespace tamberlyx::test {

enum class Language { kEnglish, kKorean };

// Sets the locale variables so that the wizard speaks `language`; restores them when done.
class ScopedLanguage {
 public:
  explicit ScopedLanguage(Language language);
  ~ScopedLanguage();
  ScopedLanguage(const ScopedLanguage&) = delete;
  ScopedLanguage& operator=(const ScopedLanguage&) = delete;

 private:
  QByteArray m_lcAll;
  bool m_hadLcAll;
};

}  // namespace tamberlyx::test
