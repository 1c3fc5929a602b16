#pragma once

#include <string>
#include <string_view>

namespace tamberlyx::cli {

// `text` for a terminal: each non-printing code point and each byte that starts no UTF-8
// sequence becomes "?".
std::string PrintableText(std::string_view text);

}  // namespace tamberlyx::cli
