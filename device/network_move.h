#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace tamberlyx::device {

inline constexpr int kDefaultRestartMs = 2000;

// Inclusive range of IPv4 addresses, host byte order.
struct AddressRange {
  std::uint32_t first = 0;
  std::uint32_t last = 0;
};

// What a device does with the network part of a SET (--apply-network and its companions).
struct NetworkOptions {
  bool apply = false;                    // off: the device keeps its address whatever SET says
  std::optional<AddressRange> dhcpPool;  // unset: a switch to DHCP keeps the address it has
  int restartMs = kDefaultRestartMs;     // silence between SETOK and answering at the new place
};

// Where a SET sends a device that applies its network settings.
struct NetworkMove {
  bool dhcp = false;
  std::uint32_t address = 0;  // the new fixed address; unused for DHCP
};

// The move asked for by a SET that turned the settings `before` into `after`, for a device at
// `current`: a switch to DHCP, or a fixed address that changed and is not where the device
// stands. nullopt when the device stays, also for an address no host may have.
std::optional<NetworkMove> MoveAfterSet(std::string_view before, std::string_view after,
                                        std::uint32_t current);

// The first address of `pool` that `taken` does not claim; nullopt when all are taken.
std::optional<std::uint32_t> NextFreeAddress(AddressRange pool,
                                             const std::function<bool(std::uint32_t)>& taken);

// "FIRST-LAST" with FIRST <= LAST, both host addresses.
std::optional<AddressRange> ParseAddressRange(std::string_view text);

}  // namespace tamberlyx::device
