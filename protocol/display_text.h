#pragma once

#include <string>
#include <string_view>

namespace tamberlyx {

// Controls (C0, DEL, C1) and the invisible formatting code points (bidirectional embeddings,
// overrides and isolates, zero-width characters, line and paragraph separators, tags), which
// could reorder, hide or disguise the characters shown around them.
bool IsNonPrinting(char32_t code);

// `text` as it may be shown to a person: each non-printing code point and each byte that starts
// no UTF-8 sequence becomes `replacement`. For display only; the bytes themselves never change.
std::string DisplayText(std::string_view text, std::string_view replacement);

}  // namespace tamberlyx
