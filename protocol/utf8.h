#pragma once

#include <cstddef>
#include <string_view>

namespace tamberlyx {

// Length of the well-formed UTF-8 sequence that starts at `at`, or 0 for a byte that starts
// none (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

// The code point of the well-formed sequence of `length` bytes at `at`.
char32_t DecodeUtf8(std::string_view text, std::size_t at, std::size_t length);

// Characters in `text`; a byte that starts no sequence counts as one.
std::size_t Utf8CharacterCount(std::string_view text);

// The longest start of `text` of at most `maxBytes` bytes that ends between two characters.
std::string_view CutAtCharacter(std::string_view text, std::size_t maxBytes);

}  // namespace tamberlyx
