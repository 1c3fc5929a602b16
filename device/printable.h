#pragma once

#include <string>
#include <string_view>

namespace tamberlyx::device {

// Bytes as one line of text: printable ASCII as is, every other byte and the backslash as \xHH,
// so the line reads back to exactly the bytes received.
std::string PrintableBytes(std::string_view bytes);

}  // namespace tamberlyx::device
