#pragma once

#include <string_view>

namespace tamberlyx::device {

// Whether a device would store `text` as its settings: at most 999 characters, not empty, no
// zero byte, and every entry between "&" separators a key=value with a non-empty key (an empty
// entry from a trailing "&" is allowed).
bool IsAcceptableSettings(std::string_view text);

}  // namespace tamberlyx::device
