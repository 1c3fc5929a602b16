#include "operations/address_surroundings.h"

#include "protocol/interface_network.h"
#include "protocol/ipv4_text.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx {

std::optional<FixedAddressPlan> FixedAddressIn(std::string_view settings) {
  if (GetSettingValue(settings, kKeyBootProto) == kBootProtoDhcp) return std::nullopt;
  const std::optional<std::uint32_t> address = ParseIpv4(GetSettingValue(settings, kKeyIpAddress));
  if (!address) return std::nullopt;
  FixedAddressPlan plan;
  plan.address = *address;
  plan.mask = ParseIpv4(GetSettingValue(settings, kKeyNetmask)).value_or(0);
  plan.gateway = ParseIpv4(GetSettingValue(settings, kKeyGateway));
  return plan;
}

AddressSurroundings SurroundingsOf(InterfaceNetwork& interfaces, std::string_view deviceAddress) {
  AddressSurroundings around;
  around.deviceAddress = ParseIpv4(deviceAddress).value_or(0);
  for (const std::string& own : interfaces.OwnAddresses()) {
    if (const std::optional<std::uint32_t> parsed = ParseIpv4(own)) {
      around.ownAddresses.push_back(*parsed);
    }
  }
  const std::string towards = interfaces.InterfaceTowards(deviceAddress);
  for (const LocalInterface& local : interfaces.BroadcastInterfaces()) {
    if (local.name != towards) continue;
    const std::optional<std::uint32_t> address = ParseIpv4(local.address);
    const std::optional<std::uint32_t> mask = ParseIpv4(local.netmask);
    if (address && mask) around.route = AnsweringInterface{local.name, *address, *mask};
    break;
  }
  return around;
}

}  // namespace tamberlyx
