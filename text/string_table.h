#pragma once

#include <string>

namespace tamberlyx {

// The bilingual string table, ids 103 to 186, as stored ("English||Korean", UTF-8).
// An unknown id gives "".
std::string LoadString(unsigned id);

// LoadString, then PickLanguageText: what every shown string goes through.
std::string LoadText(unsigned id, bool korean);

}  // namespace tamberlyx
