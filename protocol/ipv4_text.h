#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tamberlyx {

// Strict dotted-decimal IPv4: four decimal numbers 0-255 without leading zeros, nothing else.
// The one rule for every address typed, configured or sent to.
std::optional<std::uint32_t> ParseIpv4(std::string_view text);
std::string FormatIpv4(std::uint32_t address);

}  // namespace tamberlyx
