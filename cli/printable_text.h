#pragma once

#include <string>
#include <string_view>

namespace tamberlyx::cli {

// Controls (C0, DEL, C1) and the invisible formatting code points (bidirectional overrides,
// zero-width characters, line and paragraph separators, tags), which could drive or disguise
// what a terminal shows.
bool IsNonPrinting(char32_t code);

// `text` for a terminal: each non-printing code point and each byte that starts no UTF-8
// sequence becomes "?".
std::string PrintableText(std::string_view text);

}  // namespace tamberlyx::cli
