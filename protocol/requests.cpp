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

}  // namespace

std::string BuildVerifyRequest(SharedBuffers& buffers, std::string_view password) {
  buffers.adminPassword = std::string(password);
  return BuildDatagram(DeviceAddressField(buffers), kWordVerify,
                       kPasswordPrefix + std::string(password));
}

std::string BuildSetRequest(SharedBuffers& buffers, bool korean) {
  ReplaceSettingEntry(buffers.newSettings, kKeyLocale,
                      std::string(kKeyLocale) + (korean ? "=kor" : "=en"));
  return BuildDatagram(DeviceAddressField(buffers), kWordSet, buffers.newSettings);
}

}  // namespace tamberlyx
