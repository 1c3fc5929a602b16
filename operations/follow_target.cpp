#include "operations/follow_target.h"

#include <cctype>

#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx {
namespace {

std::string AppendLowerCase(std::string to, std::string_view text) {
  to.reserve(to.size() + text.size());
  for (const char c : text) to += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return to;
}

}  // namespace

FollowTarget TargetAfterSave(const SharedBuffers& buffers) {
  FollowTarget target{
      GetSettingValue(buffers.currentSettings, kKeyMac), {buffers.selectedDeviceIp}, {}};
  const std::string moved = GetSettingValue(buffers.newSettings, kKeyIpAddress);
  if (moved.empty() || moved == buffers.selectedDeviceIp) return target;
  target.addresses.push_back(moved);
  // On DHCP the entry is only what the device last had; on a fixed address it is where it goes.
  if (GetSettingValue(buffers.newSettings, kKeyBootProto) != kBootProtoDhcp) target.movedTo = moved;
  return target;
}

bool AnswersWhereExpected(const FollowTarget& target, const DeviceRecord& record) {
  return target.movedTo.empty() || record.address == target.movedTo;
}

std::string MacKey(std::string_view mac) {
  return AppendLowerCase({}, mac);
}

std::vector<std::string> TargetKeys(const FollowTarget& target) {
  if (!target.mac.empty()) return {KeyOfMac(target.mac)};
  std::vector<std::string> keys;
  for (const std::string& address : target.addresses) keys.push_back(KeyOfAddress(address));
  return keys;
}

std::vector<std::string> RecordKeys(const DeviceRecord& record) {
  std::vector<std::string> keys{KeyOfAddress(record.address)};
  const std::string mac = GetSettingValue(record.settingsText, kKeyMac);
  if (!mac.empty()) keys.push_back(KeyOfMac(mac));
  return keys;
}

// The prefixes keep a MAC from ever matching an address.
std::string KeyOfMac(std::string_view mac) {
  return AppendLowerCase("mac ", mac);
}

std::string KeyOfAddress(std::string_view address) {
  std::string key = "at ";
  return key.append(address);
}

}  // namespace tamberlyx
