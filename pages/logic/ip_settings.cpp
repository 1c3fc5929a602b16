#include "pages/logic/ip_settings.h"

#include <vector>

#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx {
namespace {

constexpr char kBootProtoManual[] = "none";

}  // namespace

const std::array<const char*, kAddressFieldCount> kAddressKeys = {kKeyIpAddress, kKeyNetmask,
                                                                  kKeyGateway, kKeyDns};

IpSettingsView ReadIpSettingsView(std::string_view settings) {
  IpSettingsView view;
  view.name = GetSettingValue(settings, kKeyHostName);
  view.dhcp = GetSettingValue(settings, kKeyBootProto) == kBootProtoDhcp;
  for (std::size_t i = 0; i < kAddressFieldCount; ++i) {
    const std::string value = GetSettingValue(settings, kAddressKeys[i]);
    if (!value.empty()) view.addresses[i] = ParseDottedAddress(value);
  }
  return view;
}

std::optional<std::string_view> WriteIpSettingsChoice(std::string& settings,
                                                      const IpSettingsChoice& choice) {
  std::array<std::string, kAddressFieldCount> addresses;
  std::vector<SettingValue> values = {
      {kKeyHostName, choice.name},
      {kKeyWirelessSsid, choice.name},
      {kKeyBootProto, choice.manual ? kBootProtoManual : kBootProtoDhcp}};
  // DHCP leaves the addresses as they are.
  for (std::size_t i = 0; choice.manual && i < kAddressFieldCount; ++i) {
    addresses[i] = FormatAddressValue(choice.addresses[i]);
    values.push_back({kAddressKeys[i], addresses[i]});
  }
  const std::optional<std::size_t> overflow = ReplaceSettingValues(settings, values);
  if (!overflow) return std::nullopt;
  return values[*overflow].key;
}

}  // namespace tamberlyx
