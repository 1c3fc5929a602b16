#include "protocol/requests.h"

#include "protocol/constants.h"
#include "protocol/datagram.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx {
namespace {

std::string DeviceAddressField(const SharedBuffers& buffers) {
  return GetSettingValue(buffers.currentSettings, kKeyIpAddress);
}

std::string LocaleEntry(bool korean) {
  return std::string(kKeyLocale) + (korean ? "=kor" : "=en");
}

}  // namespace

std::string BuildVerifyRequest(SharedBuffers& buffers, std::string_view password) {
  buffers.adminPassword = std::string(password);
  return BuildDatagram(DeviceAddressField(buffers), kWordVerify,
                       kPasswordPrefix + std::string(password));
}

bool RewriteLocale(std::string& settings, bool korean) {
  return !HasSettingKey(settings, kKeyLocale) ||
         ReplaceSettingEntry(settings, kKeyLocale, LocaleEntry(korean));
}

std::string BuildSetRequest(const SharedBuffers& buffers) {
  return BuildDatagram(DeviceAddressField(buffers), kWordSet, buffers.newSettings);
}

}  // namespace tamberlyx
