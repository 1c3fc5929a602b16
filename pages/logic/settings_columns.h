#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tamberlyx {

// The rows of the confirmation table, top to bottom.
enum class SettingsRow : std::size_t {
  kServerName,
  kIpAddress,
  kSubnetMask,
  kGateway,
  kIpStatus,
  kDate,
  kTime,
};
inline constexpr std::size_t kSettingsRows = 7;

// One column of the table: the values as the settings text holds them, except the addressing
// mode, shown as "DHCP" or "Fixed". A missing entry is an empty value.
class SettingsColumn {
 public:
  explicit SettingsColumn(std::string_view settings);

  const std::string& Value(SettingsRow row) const {
    return m_values[static_cast<std::size_t>(row)];
  }
  const std::array<std::string, kSettingsRows>& Values() const { return m_values; }

 private:
  std::array<std::string, kSettingsRows> m_values;
};

// Whether the save gives the device another address, compared byte for byte: two different
// values must never look alike because neither is valid text.
bool AddressChanges(const SettingsColumn& before, const SettingsColumn& after);

}  // namespace tamberlyx
