#include "device/device_fleet.h"

#include <string>

#include "protocol/ipv4_text.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx::device {
namespace {

DeviceOptions MemberOptions(const ProgramOptions& options, int index, const std::string& address) {
  DeviceOptions member = options.device;
  if (options.count == 1) return member;
  member.name += "-" + std::to_string(index + 1);
  if (!member.settings.empty()) {
    ReplaceSettingValue(member.settings, kKeyHostName, member.name);
    ReplaceSettingValue(member.settings, kKeyIpAddress, address);
  }
  return member;
}

}  // namespace

std::vector<FleetMember> MakeFleet(const ProgramOptions& options, std::uint32_t ownAddress) {
  std::vector<FleetMember> fleet;
  fleet.reserve(static_cast<std::size_t>(options.count));
  const std::uint32_t first = options.firstAddress.value_or(ownAddress);
  for (int i = 0; i < options.count; ++i) {
    const std::uint32_t address = first + static_cast<std::uint32_t>(i);
    const std::string text = FormatIpv4(address);
    fleet.push_back(FleetMember{DevicePeer(MemberOptions(options, i, text), text), address});
  }
  return fleet;
}

}  // namespace tamberlyx::device
