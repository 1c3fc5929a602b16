#include "pages/logic/settings_columns.h"

#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx {
namespace {

// The key each row shows, in row order; the addressing mode is translated.
constexpr std::array<const char*, kSettingsRows> kRowKeys{
    kKeyHostName, kKeyIpAddress, kKeyNetmask, kKeyGateway, kKeyBootProto, kKeyDate, kKeyTime};

}  // namespace

SettingsColumn::SettingsColumn(std::string_view settings) {
  for (std::size_t row = 0; row < kSettingsRows; ++row) {
    m_values[row] = GetSettingValue(settings, kRowKeys[row]);
  }
  std::string& status = m_values[static_cast<std::size_t>(SettingsRow::kIpStatus)];
  status = status == kBootProtoDhcp ? "DHCP" : "Fixed";
}

bool AddressChanges(const SettingsColumn& before, const SettingsColumn& after) {
  return before.Value(SettingsRow::kIpAddress) != after.Value(SettingsRow::kIpAddress);
}

}  // namespace tamberlyx
