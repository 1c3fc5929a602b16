#pragma once

#include <cstddef>
#include <string_view>

namespace tamberlyx::cli {

// Length of the well-formed UTF-8 sequence that starts at `at`, or 0 for a byte that starts
// none (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

}  // namespace tamberlyx::cli
