#include "text/bilingual_text.h"

#include <string_view>

namespace tamberlyx {

void PickLanguageText(std::string& text, bool korean) {
  constexpr std::string_view kSeparator = "||";
  const std::size_t separator = text.find(kSeparator);
  if (separator == std::string::npos) return;
  if (korean) {
    text.erase(0, separator + kSeparator.size());
  } else {
    text.erase(separator);
  }
}

}  // namespace tamberlyx
