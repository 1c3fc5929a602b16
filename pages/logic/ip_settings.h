#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "pages/logic/dotted_address.h"

namespace tamberlyx {

// The four address entries of the IP settings page, in the order the page shows and writes them:
// IP address, subnet mask, default gateway, DNS server.
inline constexpr std::size_t kAddressFieldCount = 4;
extern const std::array<const char*, kAddressFieldCount> kAddressKeys;

// What the IP settings page shows for a settings text.
struct IpSettingsView {
  std::string name;  // as reported, whatever its bytes
  bool dhcp = false;
  // Nothing where the value is empty or the key missing.
  std::array<std::optional<DottedAddress>, kAddressFieldCount> addresses;
};

IpSettingsView ReadIpSettingsView(std::string_view settings);

// What the user left on the page.
struct IpSettingsChoice {
  std::string name;
  bool manual = true;
  std::array<Octets, kAddressFieldCount> addresses{};  // written only in manual mode
};

// Rewrites, in this order, the server name, the wireless name (the same value), the addressing
// mode and, in manual mode, the four addresses (all zeros as an empty value), each only where
// the settings already have it. All or none: when the settings would pass 999 characters
// nothing is written and the key whose entry took them past is returned.
std::optional<std::string_view> WriteIpSettingsChoice(std::string& settings,
                                                      const IpSettingsChoice& choice);

}  // namespace tamberlyx
