#include "pages/logic/ip_settings.h"

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

void WriteIpSettingsChoice(std::string& settings, const IpSettingsChoice& choice) {
  ReplaceSettingValue(settings, kKeyHostName, choice.name);
  ReplaceSettingValue(settings, kKeyWirelessSsid, choice.name);
  if (!choice.manual) {
    ReplaceSettingValue(settings, kKeyBootProto, kBootProtoDhcp);
    return;
  }
  ReplaceSettingValue(settings, kKeyBootProto, kBootProtoManual);
  for (std::size_t i = 0; i < kAddressFieldCount; ++i) {
    ReplaceSettingValue(settings, kAddressKeys[i], FormatAddressValue(choice.addresses[i]));
  }
}

}  // namespace tamberlyx
