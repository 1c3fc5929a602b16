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

std::string BuildSetRequest(SharedBuffers& buffers, bool korean) {
  ReplaceSettingEntry(buffers.newSettings, kKeyLocale, LocaleEntry(korean));
  return BuildDatagram(DeviceAddressField(buffers), kWordSet, buffers.newSettings);
}

bool LocaleRewriteFits(std::string_view newSettings, bool korean) {
  if (!HasSettingKey(newSettings, kKeyLocale)) return true;
  std::string rewritten(newSettings);
  return ReplaceSettingEntry(rewritten, kKeyLocale, LocaleEntry(korean));
}

}  // namespace tamberlyx
