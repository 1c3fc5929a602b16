#include "pages/logic/dotted_address.h"

namespace tamberlyx {
namespace {

bool IsBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// The low 8 bits of the number atoi would read, without its overflow: digits accumulate
// modulo 256, which keeps exactly those bits, and a minus sign negates in two's complement.
std::uint8_t LowByteOf(std::string_view part) {
  std::size_t i = 0;
  while (i < part.size() && IsBlank(part[i])) ++i;
  bool negative = false;
  if (i < part.size() && (part[i] == '+' || part[i] == '-')) negative = part[i++] == '-';
  unsigned value = 0;
  for (; i < part.size() && part[i] >= '0' && part[i] <= '9'; ++i) {
    value = (value * 10 + static_cast<unsigned>(part[i] - '0')) & 0xFFu;
  }
  return static_cast<std::uint8_t>(negative ? (0x100u - value) & 0xFFu : value);
}

}  // namespace

DottedAddress ParseDottedAddress(std::string_view text) {
  DottedAddress address;
  std::size_t begin = 0;
  while (address.count < address.octets.size()) {
    begin = text.find_first_not_of('.', begin);
    if (begin == std::string_view::npos) break;
    std::size_t end = text.find('.', begin);
    if (end == std::string_view::npos) end = text.size();
    address.octets[address.count++] = LowByteOf(text.substr(begin, end - begin));
    begin = end;
  }
  return address;
}

std::string FormatAddressValue(const Octets& octets) {
  if (octets == Octets{}) return {};
  std::string value;
  for (const std::uint8_t octet : octets) {
    if (!value.empty()) value += '.';
    value += std::to_string(octet);
  }
  return value;
}

}  // namespace tamberlyx
