#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tamberlyx {

using Octets = std::array<std::uint8_t, 4>;

// The octets a dotted value gives, leftmost first; only the first `count` were given.
struct DottedAddress {
  Octets octets{};
  std::size_t count = 0;

  bool operator==(const DottedAddress&) const = default;
};

// Parts between runs of "." (dots at either end give none), each read as atoi reads a number
// (leading blanks, a sign, digits up to the first other character, none giving 0) and cut to its
// low 8 bits: "10.0.0.300" gives 10, 0, 0, 44. Parts after the fourth are ignored. Never fails,
// whatever the bytes.
DottedAddress ParseDottedAddress(std::string_view text);

// "a.b.c.d", or "" when all four are 0.
std::string FormatAddressValue(const Octets& octets);

}  // namespace tamberlyx
