#include "pages/logic/device_details.h"

#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx {

std::array<std::string, 6> DeviceDetailRows(std::string_view settings) {
  const bool dhcp = GetSettingValue(settings, kKeyBootProto) == kBootProtoDhcp;
  return {GetSettingValue(settings, kKeyHostName),
          GetSettingValue(settings, kKeyIpAddress) + (dhcp ? " (DHCP)" : " (Fixed)"),
          GetSettingValue(settings, kKeyNetmask),
          GetSettingValue(settings, kKeyGateway),
          GetSettingValue(settings, kKeyDns),
          GetSettingValue(settings, kKeyMac)};
}

}  // namespace tamberlyx
