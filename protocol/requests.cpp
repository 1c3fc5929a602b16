#include "protocol/requests.h"

#include "protocol/datagram.h"
#include "protocol/settings_text.h"

namespace tamberlyx {
namespace {

std::string DeviceAddressField(const SharedBuffers& buffers) {
  return GetSettingValue(buffers.currentSettings, "nwk.ipaddr");
}

}  // namespace

std::string BuildVerifyRequest(SharedBuffers& buffers, std::string_view password) {
  buffers.adminPassword = std::string(password);
  return BuildRequest(DeviceAddressField(buffers), "VERIFY", "passwd=" + std::string(password));
}

std::string BuildSetRequest(SharedBuffers& buffers, bool korean) {
  ReplaceSettingEntry(buffers.newSettings, "locale", korean ? "locale=kor" : "locale=en");
  return BuildRequest(DeviceAddressField(buffers), "SET", buffers.newSettings);
}

}  // namespace tamberlyx
