#include "device/network_move.h"

#include <string>

#include "protocol/ipv4_text.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx::device {
namespace {

bool IsDhcp(std::string_view settings) {
  return GetSettingValue(settings, kKeyBootProto) == kBootProtoDhcp;
}

// Not "this network", not loopback, not multicast or reserved, not the limited broadcast.
bool IsHostAddress(std::uint32_t address) {
  const std::uint32_t top = address >> 24;
  return top != 0 && top != 127 && top < 224;
}

}  // namespace

std::optional<NetworkMove> MoveAfterSet(std::string_view before, std::string_view after,
                                        std::uint32_t current) {
  if (IsDhcp(after)) {
    if (IsDhcp(before)) return std::nullopt;
    return NetworkMove{true, 0};
  }
  const std::string address = GetSettingValue(after, kKeyIpAddress);
  if (!IsDhcp(before) && address == GetSettingValue(before, kKeyIpAddress)) return std::nullopt;
  const std::optional<std::uint32_t> target = ParseIpv4(address);
  if (!target || *target == current || !IsHostAddress(*target)) return std::nullopt;
  return NetworkMove{false, *target};
}

std::optional<std::uint32_t> NextFreeAddress(AddressRange pool,
                                             const std::function<bool(std::uint32_t)>& taken) {
  for (std::uint64_t address = pool.first; address <= pool.last; ++address) {
    if (!taken(static_cast<std::uint32_t>(address))) return static_cast<std::uint32_t>(address);
  }
  return std::nullopt;
}

std::optional<AddressRange> ParseAddressRange(std::string_view text) {
  const std::size_t dash = text.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const auto first = ParseIpv4(text.substr(0, dash));
  const auto last = ParseIpv4(text.substr(dash + 1));
  if (!first || !last || *first > *last || !IsHostAddress(*first) || !IsHostAddress(*last)) {
    return std::nullopt;
  }
  return AddressRange{*first, *last};
}

}  // namespace tamberlyx::device
