#include "tests/gui/harness/scoped_language.h"

#include <QtGlobal>

namespace tamberlyx::test {

// LC_ALL decides both the default and the messages language unless LANGUAGE says otherwise.
ScopedLanguage::ScopedLanguage(Language language)
    : m_lcAll(qgetenv("LC_ALL")), m_hadLcAll(qEnvironmentVariableIsSet("LC_ALL")) {
  qputenv("LC_ALL", language == Language::kKorean ? "ko_KR.UTF-8" : "en_US.UTF-8");
  qunsetenv("LANGUAGE");
}

ScopedLanguage::~ScopedLanguage() {
  if (m_hadLcAll) {
    qputenv("LC_ALL", m_lcAll);
  } else {
    qunsetenv("LC_ALL");
  }
}

}  // namespace tamberlyx::test
