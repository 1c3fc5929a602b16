#include "protocol/ipv4_text.h"

#include <charconv>

namespace tamberlyx {

std::optional<std::uint32_t> ParseIpv4(std::string_view text) {
  std::uint32_t address = 0;
  const char* cursor = text.data();
  const char* const end = text.data() + text.size();
  for (int part = 0; part < 4; ++part) {
    if (part > 0) {
      if (cursor == end || *cursor != '.') return std::nullopt;
      ++cursor;
    }
    unsigned octet = 0;
    const auto [next, error] = std::from_chars(cursor, end, octet);
    // No leading zeros: elsewhere "010" is read as octal, so it names no address for sure.
    const bool leadingZero = *cursor == '0' && next - cursor > 1;
    if (error != std::errc() || next == cursor || next - cursor > 3 || octet > 255 || leadingZero) {
      return std::nullopt;
    }
    address = (address << 8) | octet;
    cursor = next;
  }
  if (cursor != end) return std::nullopt;
  return address;
}

std::string FormatIpv4(std::uint32_t address) {
  return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
         std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

}  // namespace tamberlyx
