#pragma once

#include <string>

namespace tamberlyx {

// Cuts an "English||Korean" text in place to the half for the language; a text without the
// separator stays as it is.
void PickLanguageText(std::string& text, bool korean);

}  // namespace tamberlyx
